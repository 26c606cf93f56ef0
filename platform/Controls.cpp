#include "platform/Controls.h"

#include <algorithm>

#include "platform/Forms.h"

// ---- TComponent ----

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  // Owned components go first, newest first; each leaves this list as it goes.
  while (!components_.empty()) delete components_.back();
  if (owner_) {
    auto& v = owner_->components_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
  }
}

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  Application->ControlDestroyed(this);
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    if (visible_) Invalidate();
    auto& v = parent_->controls_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (parent_->captureControl_ == this) parent_->captureControl_ = nullptr;
  }
  parent_ = parent;
  if (parent_) {
    parent_->controls_.push_back(this);
    if (visible_) Invalidate();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool show = Showing();
  if (show) Invalidate();
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (show) Invalidate();
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  VisibleChanging();
  visible_ = v;
  Perform(CM_VISIBLECHANGED, WPARAM(v), 0);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.Result;
}

void TControl::Invalidate() {
  if (parent_) parent_->InvalidateRect(BoundsRect());
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint r{p.x + left_, p.y + top_};
  return parent_ ? parent_->ClientToScreen(r) : r;
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientToScreen(TPoint{0, 0});
  return TPoint{p.x - o.x, p.y - o.y};
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

TShiftState MouseShiftState(WPARAM keyFlags) {
  TShiftState s = 0;
  if (keyFlags & MK_SHIFT) s |= ssShift;
  if (keyFlags & MK_CONTROL) s |= ssCtrl;
  if (keyFlags & MK_LBUTTON) s |= ssLeft;
  if (keyFlags & MK_RBUTTON) s |= ssRight;
  if (keyFlags & MK_MBUTTON) s |= ssMiddle;
  return s;
}

void TControl::DefaultMouse(TMessage& m) {
  const int x = GetXLParam(m.LParam), y = GetYLParam(m.LParam);
  TShiftState shift = MouseShiftState(m.WParam);
  UINT msg = m.Msg;
  // Without csDoubleClicks the second press of a double click is a plain press.
  if (!(ControlStyle & csDoubleClicks)) {
    if (msg == WM_LBUTTONDBLCLK) msg = WM_LBUTTONDOWN;
    else if (msg == WM_RBUTTONDBLCLK) msg = WM_RBUTTONDOWN;
    else if (msg == WM_MBUTTONDBLCLK) msg = WM_MBUTTONDOWN;
  }
  switch (msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN:
      if (ControlStyle & csClickEvents) clicking_ = true;
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      DblClick();
      MouseDown(mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, shift | ssDouble, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
    case WM_MBUTTONDBLCLK: MouseDown(mbMiddle, shift | ssDouble, x, y); break;
    case WM_LBUTTONUP: {
      bool wasClicking = clicking_;
      clicking_ = false;
      MouseUp(mbLeft, shift, x, y);
      if (wasClicking && ClientRect().Contains(x, y)) Click();
      break;
    }
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
    default: break;
  }
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && m.Msg != WM_MOUSEWHEEL) {
    DefaultMouse(m);
    return;
  }
  if (m.Msg == CM_VISIBLECHANGED) {
    if (parent_) parent_->InvalidateRect(BoundsRect());
    return;
  }
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}
TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() {
  TCanvas* pc = parent_ ? parent_->WindowCanvas() : nullptr;
  TBitmap* surface = pc ? pc->Surface() : nullptr;
  if (!canvas_ || canvas_->Surface() != surface) {
    auto c = std::make_unique<TCanvas>(surface);
    if (canvas_) {
      c->Brush = canvas_->Brush;
      c->Pen = canvas_->Pen;
      c->CopyMode = canvas_->CopyMode;
    }
    canvas_ = std::move(c);
  }
  if (pc) {
    canvas_->OnChange = pc->OnChange;
    TPoint o = pc->Origin();
    canvas_->SetOrigin(TPoint{o.x + left_, o.y + top_});
    TRect clip = Bounds(o.x + left_, o.y + top_, width_, height_);
    TRect paint = parent_->PaintClip();
    if (!paint.IsEmpty()) clip = IntersectRects(clip, Rect(paint.left + o.x, paint.top + o.y, paint.right + o.x, paint.bottom + o.y));
    canvas_->SetClipRect(clip);
  }
  return canvas_.get();
}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    Paint();
    return;
  }
  TControl::WndProc(m);
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children not owned by this window lose their parent.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->Visible() && c->Enabled() && c->BoundsRect().Contains(p.x, p.y)) return c;
  }
  return nullptr;
}

void TWinControl::PaintControls(const TRect& clip) {
  // A copy: a control's paint may add or remove controls.
  std::vector<TControl*> list = controls_;
  for (TControl* c : list) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    if (!c->Visible() || IntersectRects(c->BoundsRect(), clip).IsEmpty()) continue;
    c->Perform(WM_PAINT, 0, 0);
  }
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
  if (m.Msg < WM_MOUSEFIRST || m.Msg > WM_MOUSELAST || m.Msg == WM_MOUSEWHEEL) return false;
  TPoint p{GetXLParam(m.LParam), GetYLParam(m.LParam)};
  TControl* target = captureControl_;
  if (!target) target = ControlAtPos(p);
  if (!target) return false;
  bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN ||
               m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
  bool release = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (press && (target->ControlStyle & csCaptureMouse)) captureControl_ = target;
  TMessage cm{m.Msg, m.WParam, MakeLParam(p.x - target->Left(), p.y - target->Top()), 0};
  if (release) {
    // The capture ends when no button is held any more.
    WPARAM held = m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    if (!held) captureControl_ = nullptr;
  }
  target->WndProc(cm);
  m.Result = cm.Result;
  return true;
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::DoMouseWheel(TShiftState shift, int delta, TPoint pos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, delta, pos, handled);
  return handled;
}

void TWinControl::WndProc(TMessage& m) {
  if (RouteMouseToChild(m)) return;
  switch (m.Msg) {
    case WM_KEYDOWN: {
      std::uint16_t key = std::uint16_t(m.WParam);
      KeyDown(key, TShiftState(m.LParam));
      return;
    }
    case WM_KEYUP: {
      std::uint16_t key = std::uint16_t(m.WParam);
      KeyUp(key, TShiftState(m.LParam));
      return;
    }
    case WM_CHAR: {
      char c = char(m.WParam);
      KeyPress(c);
      return;
    }
    case WM_MOUSEWHEEL: {
      int delta = std::int16_t(std::uint16_t(m.WParam >> 16));
      DoMouseWheel(MouseShiftState(m.WParam & 0xFFFF), delta, TPoint{GetXLParam(m.LParam), GetYLParam(m.LParam)});
      return;
    }
    default: break;
  }
  TControl::WndProc(m);
}
