#include "toolkit/_cscrollbar.h"

#include <memory>

#include "toolkit/Picturecontrol.h"

// ---- CScrollBut ----

CScrollBut::CScrollBut(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* background,
                       int left, int top, TBasicAction* action)
    : TImage(owner), target_(target), background_(background) {
  // A failure below unwinds the locals and the image control and passes on as it is.
  auto picture = LoadResourcePicture(name + "_D");
  auto mask = LoadResourcePicture(name + "_M");
  SetParent(dynamic_cast<TWinControl*>(owner));
  SetBounds(left, top, mask->Width(), mask->Height());
  if (action) OnClick = action->OnExecute;
  auto offscreen = NewOffscreen(target_, Width(), Height());

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

void CScrollBut::SetPosition(int x, int y) { MoveKeepingNegative(this, x, y); }

void CScrollBut::Redraw() { ComposeAndPresent(offscreen_, background_, target_, BoundsRect(), mask_, picture_); }

void CScrollBut::WndProc(TMessage& m) {
  if (IsEnterOfInactiveWindow(m, this)) return;
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
    else RestoreBackground(target_, background_, BoundsRect());
    return;
  }
  TImage::WndProc(m);
}

// ---- CScrollBar ----

CScrollBar::CScrollBar(TComponent* owner, int left, int top, TCanvas* target, TCanvas* background) : top_(top) {
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
  top_ = top;
  step_ = (bottom - top) / 22;
}

void CScrollBar::StepDown() {
  top_ += step_;
  knob_->SetPosition(knob_->Left(), top_);
  Show();
}

void CScrollBar::StepUp() {
  top_ -= step_;
  knob_->SetPosition(knob_->Left(), top_);
  Show();
}
