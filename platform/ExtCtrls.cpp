#include "platform/ExtCtrls.h"

#include "platform/Forms.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {}
TImage::~TImage() = default;

TBitmap* TImage::PictureOrCreate() {
  if (!picture_) picture_ = std::make_unique<TBitmap>();
  return picture_.get();
}

void TImage::Paint() {
  if (picture_ && !picture_->Empty()) Canvas()->Draw(0, 0, picture_.get());
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {}

void TPaintBox::Paint() {
  if (OnPaint) OnPaint(this);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Application->TimerCreated(this); }

TTimer::~TTimer() { Application->TimerDestroyed(this); }

void TTimer::SetInterval(unsigned ms) {
  interval_ = ms;
  Application->TimerChanged(this);
}

void TTimer::SetEnabled(bool e) {
  enabled_ = e;
  Application->TimerChanged(this);
}
