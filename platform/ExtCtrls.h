// Picture and paint-box controls, and timers.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/Controls.h"

// A picture control; the program's picture buttons are built on it.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;
  bool AutoSize = false;
  bool Transparent = false;
  // The picture drawn on paint (none by default).
  TBitmap* Picture() { return picture_.get(); }
  TBitmap* PictureOrCreate();

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> picture_;
};

// A control the program paints itself, through OnPaint.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* owner);
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

// Fires OnTimer from the message loop every Interval milliseconds while
// Enabled, at most once per turn of the loop and never while a handler blocks.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  bool Enabled() const { return enabled_; }
  // Setting Enabled to true (again) restarts the count.
  void SetEnabled(bool e);
  TNotifyEvent OnTimer;
  bool Active() const { return enabled_ && interval_ > 0 && OnTimer != nullptr; }

 private:
  friend class TApplication;
  unsigned interval_ = 1000;
  bool enabled_ = true;
  std::int64_t due_ = -1;  // when it fires next; -1 while not counting
};
