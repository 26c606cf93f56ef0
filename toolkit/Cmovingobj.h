// Moving sprites: a rectangular picture moved over a window without
// redrawing the window.
#pragma once
#include <functional>

#include "platform/Graphics.h"

// Draws the sprite into bitmap with its top-left at (x, y).
using TSpriteDrawEvent = std::function<void(TBitmap* bitmap, int x, int y)>;

// Every frame composes the sprite over the clean background into a work
// bitmap of its own, copies that to the target at the new place, and then
// restores from the background only the part of the old place that the new
// one leaves uncovered, so the sprite never vanishes between frames.
// Background, target and whatever the callback draws belong to the caller.
class CMovingObj {
 public:
  CMovingObj() = default;
  ~CMovingObj();
  CMovingObj(const CMovingObj&) = delete;
  CMovingObj& operator=(const CMovingObj&) = delete;

  // Takes the sprite at rect (drawing nothing); (grabX, grabY) is where the
  // pointer holds it, in target coordinates. The work bitmap is kept when
  // the size is unchanged.
  void Setup(const TRect& rect, int grabX, int grabY, TSpriteDrawEvent callback, TBitmap* background,
             TCanvas* target);
  // One frame with the grab point at the pointer position (x, y).
  void MoveTo(int x, int y);
  // Flies the sprite along a decelerating path until its top-left is at
  // (left, top): steps frames, pausing totalMs / steps after each. Blocks.
  void FlyTo(int left, int top, int steps, int totalMs);

  TPoint StartPosition() const { return start_; }
  TPoint CurrentPosition() const { return current_; }
  TPoint GrabOffset() const { return grab_; }
  const TBitmap* WorkBitmap() const { return work_; }

 private:
  TPoint start_{};
  TPoint grab_{};
  TPoint current_{};
  TBitmap* background_ = nullptr;
  TCanvas* target_ = nullptr;
  TBitmap* work_ = nullptr;
  TSpriteDrawEvent draw_;
};
