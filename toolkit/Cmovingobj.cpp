#include "toolkit/Cmovingobj.h"

#include "platform/WinApi.h"
#include "toolkit/Chamowanie.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Universalfn.h"

CMovingObj::~CMovingObj() { delete work_; }

void CMovingObj::Setup(const TRect& rect, int grabX, int grabY, TSpriteDrawEvent callback, TBitmap* background,
                       TCanvas* target) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!work_ || work_->Width() != w || work_->Height() != h) {
    delete work_;
    work_ = nullptr;
    work_ = NewBitmap24(w, h);
  }
  draw_ = std::move(callback);
  background_ = background;
  target_ = target;
  start_ = current_ = TPoint{rect.left, rect.top};
  grab_ = TPoint{grabX - rect.left, grabY - rect.top};
}

void CMovingObj::MoveTo(int x, int y) {
  // Nothing to move before Setup.
  if (!work_ || !background_ || !target_) return;
  const int newLeft = x - grab_.x, newTop = y - grab_.y;
  const int w = work_->Width(), h = work_->Height();
  const TRect place = Bounds(newLeft, newTop, w, h);
  const TRect whole = Rect(0, 0, w, h);
  work_->Canvas()->CopyRect(whole, background_->Canvas(), place);
  if (draw_) draw_(work_, 0, 0);
  target_->CopyRect(place, work_->Canvas(), whole);
  RestoreUncoveredBackground(target_, background_->Canvas(), newLeft, newTop, Bounds(current_.x, current_.y, w, h));
  current_ = TPoint{newLeft, newTop};
}

void CMovingObj::FlyTo(int left, int top, int steps, int totalMs) {
  // No frame for fewer than one step (and no division by zero); nothing before Setup.
  if (steps < 1 || !work_) return;
  const int pause = totalMs > 0 ? totalMs / steps : 0;
  // Eased in pointer coordinates, that is for the grab point.
  CEaseOut ex, ey;
  ex.StartCubic(float(current_.x + grab_.x), float(left + grab_.x), steps);
  ey.StartCubic(float(current_.y + grab_.y), float(top + grab_.y), steps);
  for (int i = 0; i < steps; ++i) {
    const int y = int(ey.NextCubic() + 0.5L);
    const int x = int(ex.NextCubic() + 0.5L);
    MoveTo(x, y);
    Sleep(unsigned(pause));
  }
}
