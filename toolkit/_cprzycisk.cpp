#include "toolkit/_cprzycisk.h"

#include <memory>

#include "toolkit/Ctransbitmap.h"
#include "toolkit/Picturecontrol.h"
#include "toolkit/_cblad.h"

namespace {

// The four pictures of a button, requested in this order.
struct ButtonPictures {
  std::unique_ptr<TBitmap> active, normal, mask, pressed;
  explicit ButtonPictures(const std::string& name)
      : active(LoadResourcePicture(name + "_A")),
        normal(LoadResourcePicture(name + "_D")),
        mask(LoadResourcePicture(name + "_M")),
        pressed(LoadResourcePicture(name + "_")) {}
};

TWinControl* AsWindow(TComponent* owner) { return dynamic_cast<TWinControl*>(owner); }

// The picture a message shows on a visible button, or null.
TBitmap* PictureFor(UINT msg, TBitmap* normal, TBitmap* active, TBitmap* pressed, bool normalOnPaint) {
  switch (msg) {
    case WM_LBUTTONDOWN: return pressed;
    case WM_LBUTTONUP:
    case CM_MOUSEENTER: return active;
    case CM_MOUSELEAVE: return normal;
    case WM_PAINT: return normalOnPaint ? normal : nullptr;
    default: return nullptr;
  }
}

}  // namespace

void DrawThroughMask(TCanvas* canvas, int x, int y, TBitmap* mask, TBitmap* picture) {
  if (!canvas) return;
  canvas->CopyMode = cmSrcPaint;
  canvas->Draw(x, y, mask);
  canvas->CopyMode = cmSrcAnd;
  canvas->Draw(x, y, picture);
  canvas->CopyMode = cmSrcCopy;
}

// ---- CPrzyciskP ----

CPrzyciskP::CPrzyciskP(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* background,
                       int left, int top, TBasicAction* action) try
    : TImage(owner), target_(target), background_(background) {
  ButtonPictures pictures(name);
  SetParent(AsWindow(owner));
  ControlStyle &= ~csDoubleClicks;
  SetBounds(left, top, pictures.mask->Width(), pictures.mask->Height());
  if (action) OnClick = action->OnExecute;
  auto offscreen = NewOffscreen(target_, Width(), Height());

  active_ = pictures.active.release();
  normal_ = pictures.normal.release();
  mask_ = pictures.mask.release();
  pressed_ = pictures.pressed.release();
  offscreen_ = offscreen.release();
  constructed_ = true;
} catch (...) {
  // What was built is gone by now: the locals above and the image control.
  throw CBlad(1);
}

CPrzyciskP::~CPrzyciskP() {
  delete normal_;
  delete active_;
  delete pressed_;
  delete mask_;
  delete offscreen_;
}

void CPrzyciskP::SetPosition(int x, int y) { MoveKeepingNegative(this, x, y); }

void CPrzyciskP::Redraw(TBitmap* picture) {
  ComposeAndPresent(offscreen_, background_, target_, BoundsRect(), mask_, picture);
}

void CPrzyciskP::WndProc(TMessage& m) {
  if (IsEnterOfInactiveWindow(m, this)) return;
  if (!constructed_) return;
  if (Visible())
    if (TBitmap* picture = PictureFor(m.Msg, normal_, active_, pressed_, true)) Redraw(picture);
  if (m.Msg == CM_VISIBLECHANGED) {
    // Drawn here and not passed on, so the window is not repainted for it.
    if (Visible()) Redraw(normal_);
    else RestoreBackground(target_, background_, BoundsRect());
    return;
  }
  TImage::WndProc(m);
}

// ---- CPrzyciskW ----

CPrzyciskW::CPrzyciskW(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* buffer,
                       TCanvas* clean, int left, int top, TBasicAction* action) try
    : TImage(owner), target_(target), buffer_(buffer), clean_(clean), constructed_(true) {
  ButtonPictures pictures(name);
  SetParent(AsWindow(owner));
  ControlStyle &= ~csDoubleClicks;
  SetBounds(left, top, pictures.mask->Width(), pictures.mask->Height());
  if (action) OnClick = action->OnExecute;

  active_ = pictures.active.release();
  normal_ = pictures.normal.release();
  mask_ = pictures.mask.release();
  pressed_ = pictures.pressed.release();
} catch (...) {
  throw CBlad(1);
}

CPrzyciskW::~CPrzyciskW() {
  delete normal_;
  delete active_;
  delete pressed_;
  delete mask_;
}

TRect CPrzyciskW::BufferRect() const { return Bounds(Left() - originX_, Top() - originY_, Width(), Height()); }

void CPrzyciskW::DrawToBuffer(TBitmap* picture) {
  if (!mask_) return;  // not built yet
  shown_ = picture;
  TRect r = BufferRect();
  DrawThroughMask(buffer_, r.left, r.top, mask_, picture);
}

void CPrzyciskW::Present() {
  if (target_ && buffer_) target_->CopyRect(BoundsRect(), buffer_, BufferRect());
}

void CPrzyciskW::Paint() {
  if (Visible()) DrawToBuffer(normal_);
}

void CPrzyciskW::PaintAsShown() {
  if (Visible()) DrawToBuffer(shown_ ? shown_ : normal_);
}

void CPrzyciskW::Show() {
  if (Visible()) return;
  SetVisible(true);
  DrawToBuffer(normal_);
  Present();
}

void CPrzyciskW::Hide() {
  if (!Visible()) return;
  SetVisible(false);
  if (!clean_) return;  // the picture stays until the window redraws
  TRect r = BufferRect();
  if (buffer_) buffer_->CopyRect(r, clean_, r);
  if (target_) target_->CopyRect(BoundsRect(), clean_, r);
}

void CPrzyciskW::DrawBlended(TBitmap* destination) {
  if (!normal_ || !mask_) return;
  TRect r = BufferRect();
  TRect clip = Rect(0, 0, normal_->Width(), normal_->Height());
  Composite(destination, r.left, r.top, normal_, mask_, &clip, destination, r.left, r.top, 128);
}

void CPrzyciskW::SetOrigin(int x, int y) {
  originX_ = x;
  originY_ = y;
}

void CPrzyciskW::SetOrigin2(int x, int y) {
  origin2X_ = x;
  origin2Y_ = y;
}

void CPrzyciskW::SetPosition(int x, int y) { MoveKeepingNegative(this, x, y); }

void CPrzyciskW::WndProc(TMessage& m) {
  if (IsEnterOfInactiveWindow(m, this)) return;
  if (!constructed_) return;
  if (Visible()) {
    if (TBitmap* picture = PictureFor(m.Msg, normal_, active_, pressed_, false)) {
      DrawToBuffer(picture);
      Present();
    }
  }
  // Show and Hide draw; the window is not repainted for the change.
  if (m.Msg == CM_VISIBLECHANGED) return;
  // The image has no picture of its own to paint; the window draws the
  // button into its buffer with Paint when it redraws the buffer.
  if (m.Msg == WM_PAINT) return;
  TImage::WndProc(m);
}
