// The recordings list's scroll indicator: a knob that slides along a track
// by whole steps, one per row the list scrolls. It is passive: the knob
// cannot be dragged and clicking it does nothing.
#pragma once
#include <string>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"

// The knob: one picture ("_D") drawn through its mask ("_M") over the
// window's static background, composed off screen and copied onto the window.
class CScrollBut : public TImage {
 public:
  // Owner is the window and the knob's parent; background is a static
  // picture of the window in the window's coordinates. A failure while the
  // knob is built passes on unchanged, after what was built has been freed.
  CScrollBut(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* background, int left, int top,
             TBasicAction* action);
  ~CScrollBut() override;

  // A negative coordinate keeps the old one. Nothing is drawn here: a
  // visible knob's old and new places are repainted by the window.
  void SetPosition(int x, int y);
  void WndProc(TMessage& message) override;

 private:
  void Redraw();

  TBitmap* picture_ = nullptr;
  TBitmap* mask_ = nullptr;
  TCanvas* target_;
  TCanvas* background_;
  TBitmap* offscreen_ = nullptr;  // Width x Height, in the target's pixel format
  bool constructed_ = false;
};

class CScrollBar {
 public:
  // The knob "scroll" at (left, top) on the owner window. A failure passes on unchanged.
  CScrollBar(TComponent* owner, int left, int top, TCanvas* target, TCanvas* background);
  ~CScrollBar();
  CScrollBar(const CScrollBar&) = delete;
  CScrollBar& operator=(const CScrollBar&) = delete;

  void Show();
  void Hide();
  // Puts the knob at (left, top), the track's first row; the step is the
  // 22 rows' share of the track, (bottom - top) / 22.
  void SetTrack(int left, int top, int bottom);
  // One step down or up, with no bounds checked; the knob is shown.
  void StepDown();
  void StepUp();

  // The knob (its place and visibility).
  CScrollBut* Knob() const { return knob_; }

 private:
  void KnobClick(TObject* sender) {}

  // The knob's top as the steps have moved it. It is kept here and not read
  // from the knob: a step above the window's top leaves the knob where it
  // was (a negative coordinate keeps the old one) while this goes on.
  int top_;
  int step_ = 8;
  CScrollBut* knob_ = nullptr;
};
