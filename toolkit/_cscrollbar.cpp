#include "toolkit/_cscrollbar.h"

#include <memory>

#include "platform/Forms.h"
#include "toolkit/Resource.h"
#include "toolkit/_cprzycisk.h"

namespace {
std::unique_ptr<TBitmap> LoadPicture(const std::string& name) {
  auto bitmap = std::make_unique<TBitmap>();
  OtworzBMP(name, bitmap.get());  // a missing picture stays empty
  return bitmap;
}
}  // namespace

// ---- CScrollBut ----

CScrollBut::CScrollBut(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* background,
                       int left, int top, TBasicAction* action)
    : TImage(owner), target_(target), background_(background) {
  // A failure below unwinds the locals and the image control and passes on as it is.
  auto picture = LoadPicture(name + "_D");
  auto mask = LoadPicture(name + "_M");
  SetParent(dynamic_cast<TWinControl*>(owner));
  SetBounds(left, top, mask->Width(), mask->Height());
  if (action) OnClick = action->OnExecute;

  bounds_ = Bounds(Left(), Top(), Width(), Height());
  local_ = Rect(0, 0, Width(), Height());
  auto offscreen = std::make_unique<TBitmap>();
  TBitmap* surface = target_ ? target_->Surface() : nullptr;
  offscreen->SetPixelFormat(surface ? surface->PixelFormat() : pf32bit);
  offscreen->SetSize(Width(), Height());

  picture_ = picture.release();
  mask_ = mask.release();
  offscreen_ = offscreen.release();
  constructed_ = true;
}

CScrollBut::~CScrollBut() {
  delete picture_;
  delete mask_;
  delete offscreen_;
}

void CScrollBut::SetPosition(int x, int y) {
  SetBounds(x >= 0 ? x : Left(), y >= 0 ? y : Top(), Width(), Height());
  bounds_ = Bounds(Left(), Top(), Width(), Height());
}

void CScrollBut::Redraw() {
  TCanvas* off = offscreen_->Canvas();
  off->CopyMode = cmSrcCopy;
  if (background_) off->CopyRect(local_, background_, bounds_);
  DrawThroughMask(off, 0, 0, mask_, picture_);
  if (target_) target_->CopyRect(bounds_, off, local_);
}

void CScrollBut::WndProc(TMessage& m) {
  if (m.Msg == CM_MOUSEENTER && Screen->ActiveForm() != Parent()) return;
  if (!constructed_) return;
  if (Visible()) {
    switch (m.Msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case CM_MOUSEENTER:
      case CM_MOUSELEAVE:
      case WM_PAINT: Redraw(); break;
      default: break;
    }
  }
  if (m.Msg == CM_VISIBLECHANGED) {
    // Drawn here and not passed on, so the window is not repainted for it.
    if (Visible()) Redraw();
    else if (target_ && background_) target_->CopyRect(bounds_, background_, bounds_);
    return;
  }
  TImage::WndProc(m);
}

// ---- CScrollBar ----

CScrollBar::CScrollBar(TComponent* owner, int left, int top, TCanvas* target, TCanvas* background)
    : left_(left), top_(top) {
  // The knob's click runs an empty handler; the action only carries it there.
  auto action = std::make_unique<TAction>(owner);
  action->OnExecute = [this](TObject* sender) { KnobClick(sender); };
  knob_ = new CScrollBut(owner, "scroll", target, background, left, top, action.get());
}

CScrollBar::~CScrollBar() { delete knob_; }

void CScrollBar::Show() { knob_->SetVisible(true); }

void CScrollBar::Hide() { knob_->SetVisible(false); }

void CScrollBar::SetTrack(int left, int top, int bottom) {
  knob_->SetPosition(left, top);
  left_ = left;
  top_ = top;
  step_ = (bottom - top) / 22;
}

void CScrollBar::StepDown() {
  top_ += step_;
  knob_->SetPosition(left_, top_);
  Show();
}

void CScrollBar::StepUp() {
  top_ -= step_;
  knob_->SetPosition(left_, top_);
  Show();
}
