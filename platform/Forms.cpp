#include "platform/Forms.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "platform/ExtCtrls.h"
#include "platform/PixelCodec.h"
#include "platform/SysUtils.h"
#include "platform/Termination.h"

namespace {
TScreen g_screen;

template <class T>
void Erase(std::vector<T>& v, const T& x) {
  v.erase(std::remove(v.begin(), v.end(), x), v.end());
}

bool IsMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }

// The application's own window: it does nothing with what reaches it.
class TApplicationWindow : public TWinControl {
 public:
  TApplicationWindow() : TWinControl(nullptr) {}
  void WndProc(TMessage&) override {}
};
}  // namespace

TScreen* Screen = &g_screen;

// ---- TForm ----

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  ControlStyle |= csDoubleClicks;
  surface_.SetPixelFormat(pf32bit);
  surface_.Canvas()->Brush.Color = clBlack;
  canvas_ = std::make_unique<TCanvas>(&surface_);
  canvas_->OnChange = [this](const TRect& r) { SurfaceChanged(r); };
  Application->forms_.push_back(this);
}

TForm::~TForm() {
  if (visible_) {
    visible_ = false;
    Application->FormHidden(this);
  }
  Application->FormDestroyed(this);
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TRect old = BoundsRect();
  TWinControl::SetBounds(left, top, width, height);
  if (visible_ && !covered_) SizeSurface(true);
  if (visible_ && !(old == BoundsRect())) Application->FormMoved(this, old);
}

void TForm::SizeSurface(bool shown) {
  const int w = shown ? width_ : 0, h = shown ? height_ : 0;
  if (surface_.Width() != w || surface_.Height() != h) surface_.SetSize(w, h);
}

void TForm::SurfaceChanged(const TRect& r) {
  if (visible_) Application->ScreenDirty(Rect(r.left + left_, r.top + top_, r.right + left_, r.bottom + top_));
}

void TForm::VisibleChanging() {
  if (!visible_) {
    if (OnShow) OnShow(this);
  } else {
    if (OnHide) OnHide(this);
  }
}

void TForm::Invalidate() { invalid_ = ClientRect(); }

void TForm::InvalidateRect(const TRect& r) {
  TRect c = IntersectRects(r, ClientRect());
  if (!c.IsEmpty()) invalid_ = UnionRects(invalid_, c);
}

void TForm::PaintNow() {
  if (!visible_ || invalid_.IsEmpty()) return;
  if (covered_) {
    // Painted whole when it shows again.
    invalid_ = TRect{};
    return;
  }
  TRect clip = invalid_;
  invalid_ = TRect{};
  struct Restore {
    TForm* f;
    ~Restore() {
      f->paintClip_ = TRect{};
      f->canvas_->ResetClip();
    }
  } restore{this};
  paintClip_ = clip;
  canvas_->SetClipRect(clip);
  Paint();
  canvas_->ResetClip();
  PaintControls(clip);
}

void TForm::Update() { PaintNow(); }

void TForm::Repaint() {
  Invalidate();
  PaintNow();
}

void TForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TForm::WMClose() { Close(); }

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_VISIBLECHANGED:
      if (visible_) {
        Application->FormShown(this);
      } else {
        // What a hidden form drew is not kept: it repaints whole when shown.
        // Given up before the forms it hid take theirs back.
        SizeSurface(false);
        Application->FormHidden(this);
      }
      return;
    case WM_PAINT: PaintNow(); return;
    case WM_CLOSE: WMClose(); return;
    case WM_CANCELMODE:
      if (OnCancelMode) OnCancelMode(this);
      return;
    case WM_ERASEBKGND: m.Result = 1; return;  // never cleared before paint
    default: break;
  }
  TWinControl::WndProc(m);
}

void TForm::Close() {
  if (Modal()) {
    ModalResult = mrCancel;
    return;
  }
  TCloseAction action = this == Application->MainForm ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (this == Application->MainForm) {
    Application->Terminate();
    return;
  }
  Hide();
}

int TForm::ShowModal() {
  if (Modal()) throw Exception("Nie mo\277na pokaza\346 modalnie widocznego okna.");
  ModalResult = mrNone;
  Application->ReleaseCapture();
  Application->PushModal(this);
  struct Guard {
    TForm* f;
    ~Guard() {
      f->Hide();
      Application->PopModal(f);
    }
  } guard{this};
  if (visible_) BringToFront();
  else Show();
  for (;;) {
    Application->HandleMessage();
    if (Application->Terminated && ModalResult == mrNone) ModalResult = mrCancel;
    if (ModalResult != mrNone) {
      TCloseAction action = caHide;
      if (OnClose) OnClose(this, action);
      if (action == caNone && !Application->Terminated) {
        ModalResult = mrNone;
        continue;
      }
      break;
    }
  }
  return ModalResult;
}

void TForm::BringToFront() {
  if (visible_) Application->FormShown(this);
}

void TForm::SetRoundRegion(int ellipseWidth, int ellipseHeight) {
  cornerW_ = std::max(ellipseWidth, 0);
  cornerH_ = std::max(ellipseHeight, 0);
  if (visible_) {
    Application->ScreenDirty(BoundsRect());
    Application->UpdateCovered();
  }
}

void TForm::ClearRegion() { SetRoundRegion(0, 0); }

void TForm::RegionRow(int y, int& first, int& last) const {
  first = 0;
  last = width_;
  if (y < 0 || y >= height_) {
    first = last = 0;
    return;
  }
  if (cornerW_ <= 1 || cornerH_ <= 1) return;
  // Corners are quarter ellipses with radii half the given size.
  double rx = cornerW_ / 2.0, ry = cornerH_ / 2.0;
  double dy = 0;
  if (y < ry) dy = ry - (y + 0.5);
  else if (y >= height_ - ry) dy = (y + 0.5) - (height_ - ry);
  else return;
  double t = 1.0 - (dy * dy) / (ry * ry);
  double dx = t > 0 ? rx * std::sqrt(t) : 0;
  int inset = int(rx - dx + 0.5);
  first = inset;
  last = width_ - inset;
}

bool TForm::RegionContains(int x, int y) const {
  int a, b;
  RegionRow(y, a, b);
  return x >= a && x < b;
}

// ---- TScreen ----

TForm* TScreen::ActiveForm() const { return Application->ActiveForm(); }

HCURSOR TScreen::Cursors(TCursor index) const {
  auto it = cursors_.find(index);
  return it == cursors_.end() ? nullptr : it->second;
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor) { cursors_[index] = cursor; }

int TScreen::FormCount() const { return int(Application->ZOrder().size()); }

TForm* TScreen::Forms(int i) const { return Application->ZOrder()[std::size_t(i)]; }

// ---- TCustomApplicationEvents ----

TCustomApplicationEvents::TCustomApplicationEvents(TComponent* owner) : TComponent(owner) { Application->AddHook(this); }

TCustomApplicationEvents::~TCustomApplicationEvents() { Application->RemoveHook(this); }

void TCustomApplicationEvents::CancelDispatch() { Application->CancelDispatch(); }

// ---- TApplication ----

namespace {
TApplication g_application;
}
TApplication* Application = &g_application;

TApplication::TApplication() : TComponent(nullptr), appWindow_(std::make_unique<TApplicationWindow>()) {
  screen_.SetPixelFormat(pf32bit);
  screen_.Canvas()->Brush.Color = clBlack;
}

TApplication::~TApplication() {
  // The application's window and the forms go while the state they report
  // their end to (ControlDestroyed, FormDestroyed) is still there.
  appWindow_.reset();
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TApplication::SetTitle(const std::string& title) {
  Title = title;
  CurrentBackend().SetTitle(Cp1250ToUtf8(title));
}

void TApplication::BringToFront() { CurrentBackend().BringToFront(); }

std::int64_t TApplication::NowMs() {
  Backend& b = CurrentBackend();
  std::int64_t f = b.PerformanceFrequency();
  if (f <= 0) return 0;
  // Whole seconds and the rest apart: counter * 1000 would overflow for a
  // nanosecond counter after some 106 days.
  std::int64_t c = b.PerformanceCounter();
  return c / f * 1000 + c % f * 1000 / f;
}

void TApplication::Run() {
  if (MainForm && !MainForm->Visible()) MainForm->Show();
  while (!Terminated) HandleMessage();
}

void TApplication::Enqueue(const TMsg& m) { queue_.push_back(m); }

void TApplication::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Enqueue(TMsg{hwnd, msg, wParam, lParam});
}

bool TApplication::PeekMessage(TMsg& msg, HWND hwnd, UINT first, UINT last, UINT remove) {
  PumpInput();
  for (auto it = queue_.begin(); it != queue_.end(); ++it) {
    if (hwnd && it->hwnd != hwnd) continue;
    if ((first || last) && (it->message < first || it->message > last)) continue;
    msg = *it;
    if (remove & PM_REMOVE) queue_.erase(it);
    return true;
  }
  return false;
}

TForm* TApplication::FormAt(TPoint p) const {
  for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
    TForm* f = *it;
    if (f->BoundsRect().Contains(p.x, p.y) && f->RegionContains(p.x - f->Left(), p.y - f->Top())) return f;
  }
  return nullptr;
}

void TApplication::PumpInput() {
  Backend& b = CurrentBackend();
  InputEvent ev;
  while (b.PollEvent(ev)) {
    // Once the program is ending, what the user does is not played.
    if (terminating_ && ev.kind != InputEvent::Activated) continue;
    WPARAM keys = 0;
    if (ev.shift & ssShift) keys |= MK_SHIFT;
    if (ev.shift & ssCtrl) keys |= MK_CONTROL;
    switch (ev.kind) {
      case InputEvent::MouseMove:
      case InputEvent::MouseDown:
      case InputEvent::MouseUp: {
        cursorPos_ = TPoint{ev.x, ev.y};
        WPARAM flag = ev.button == 1 ? MK_LBUTTON : ev.button == 3 ? MK_RBUTTON : ev.button == 2 ? MK_MBUTTON : 0;
        HWND target = captureWindow_ ? captureWindow_ : FormAt(cursorPos_);
        if (ev.kind == InputEvent::MouseDown) buttonsDown_ |= unsigned(flag);
        if (ev.kind == InputEvent::MouseUp) buttonsDown_ &= ~unsigned(flag);
        if (!target) break;
        TForm* f = static_cast<TForm*>(target);
        LPARAM pos = MakeLParam(ev.x - f->Left(), ev.y - f->Top());
        WPARAM w = WPARAM(buttonsDown_) | keys;
        if (ev.kind == InputEvent::MouseMove) {
          // Moves not yet taken out are merged, as the desktop does.
          if (!queue_.empty() && queue_.back().message == WM_MOUSEMOVE && queue_.back().hwnd == target) queue_.pop_back();
          Enqueue(TMsg{target, WM_MOUSEMOVE, w, pos});
        } else if (ev.kind == InputEvent::MouseDown) {
          if (!flag) break;
          if (!captureWindow_) SetCapture(target);
          UINT base = ev.button == 1 ? WM_LBUTTONDOWN : ev.button == 3 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
          Enqueue(TMsg{target, ev.clicks >= 2 ? base + 2 : base, w, pos});
        } else {
          if (!flag) break;
          UINT msg = ev.button == 1 ? WM_LBUTTONUP : ev.button == 3 ? WM_RBUTTONUP : WM_MBUTTONUP;
          Enqueue(TMsg{target, msg, w, pos});
          if (buttonsDown_ == 0 && captureWindow_) {
            captureWindow_ = nullptr;
            b.CaptureMouse(false);
          }
        }
        break;
      }
      case InputEvent::MouseWheel: {
        HWND target = captureWindow_ ? captureWindow_ : FormAt(cursorPos_);
        if (!target) break;
        WPARAM w = (WPARAM(std::uint16_t(std::int16_t(ev.wheel * 120))) << 16) | WPARAM(buttonsDown_) | keys;
        Enqueue(TMsg{target, WM_MOUSEWHEEL, w, MakeLParam(cursorPos_.x, cursorPos_.y)});
        break;
      }
      case InputEvent::KeyDown:
        Enqueue(TMsg{nullptr, WM_KEYDOWN, WPARAM(ev.key), LPARAM(ev.shift)});
        if (ev.ch) Enqueue(TMsg{nullptr, WM_CHAR, WPARAM(ev.ch), LPARAM(ev.shift)});
        break;
      case InputEvent::KeyUp: Enqueue(TMsg{nullptr, WM_KEYUP, WPARAM(ev.key), LPARAM(ev.shift)}); break;
      case InputEvent::CloseRequest: Enqueue(TMsg{nullptr, WM_CLOSE, 0, 0}); break;
      case InputEvent::Activated: {
        const TPoint size = b.ScreenSize();
        ScreenDirty(Rect(0, 0, size.x, size.y));
        break;
      }
      case InputEvent::FocusLost: {
        // The held buttons come up elsewhere: the window that had the
        // pointer (else the active one) is told, in queue order.
        buttonsDown_ = 0;
        HWND target = captureWindow_ ? captureWindow_ : ActiveForm();
        ReleaseCapture();
        if (target) Enqueue(TMsg{target, WM_CANCELMODE, 0, 0});
        break;
      }
    }
  }
}

namespace {

// What the user is told: the program's own errors say it in Polish; the
// class library's and the language's are told by kind.
std::string UserText(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e) || dynamic_cast<const EOutOfResources*>(&e))
    return "Za ma\263o pami\352" "ci, by doko\361" "czy\346 t\352 czynno\234\346.";
  if (dynamic_cast<const EStreamError*>(&e)) return "Nie uda\263o si\352 odczyta\346 ani zapisa\346 pliku.";
  if (dynamic_cast<const EInvalidGraphic*>(&e)) return "Nie uda\263o si\352 odczyta\346 obrazka.";
  if (auto* own = dynamic_cast<const Exception*>(&e)) return own->Message;
  return "Wyst\271pi\263 nieoczekiwany b\263\271" "d programu.";
}

}  // namespace

void TApplication::ShowException(const std::exception& e) {
  ReportFailure(Diagnosis(e));
  CurrentBackend().MessageBox(Cp1250ToUtf8(UserText(e)), Cp1250ToUtf8(Title));
}

template <class F>
void TApplication::Guarded(F&& handler) {
  try {
    handler();
  } catch (const BackendAbort&) {
    throw;
  } catch (const std::exception& e) {
    ShowException(e);
  }
}

void TApplication::Dispatch(TMsg& m) {
  dispatchCancelled_ = false;
  bool handled = false;
  if (!hooks_.empty()) {
    // A copy: a hook may add or remove hooks.
    std::vector<TCustomApplicationEvents*> hooks = hooks_;
    for (TCustomApplicationEvents* h : hooks) {
      if (std::find(hooks_.begin(), hooks_.end(), h) == hooks_.end() || !h->OnMessage) continue;
      h->OnMessage(m, handled);
      if (dispatchCancelled_) break;
    }
  }
  if (handled) return;
  HWND target = m.hwnd;
  if (target == appWindow_.get()) return;
  bool mouse = IsMouseMessage(m.message);
  if (!target) {
    if (mouse) return;
    target = ActiveForm();
    if (!target) return;
  }
  // A window that a modal form disabled takes no mouse input.
  if (mouse && !target->Enabled()) return;
  target->Perform(m.message, m.wParam, m.lParam);
  if (mouse) {
    UpdateHover();
    UpdateCursor();
  }
}

bool TApplication::DispatchOne() {
  PumpInput();
  if (queue_.empty()) return false;
  TMsg m = queue_.front();
  queue_.pop_front();
  Guarded([&] { Dispatch(m); });
  return true;
}

bool TApplication::PaintPending() {
  if (std::all_of(zorder_.begin(), zorder_.end(), [](const TForm* f) { return f->invalid_.IsEmpty(); })) return false;
  bool any = false;
  // A copy: a paint may show, hide or delete forms.
  std::vector<TForm*> forms = zorder_;
  for (TForm* f : forms) {
    if (std::find(zorder_.begin(), zorder_.end(), f) == zorder_.end() || f->invalid_.IsEmpty()) continue;
    any = true;
    Guarded([f] { f->PaintNow(); });
  }
  return any;
}

void TApplication::TimerCreated(TTimer* timer) { timers_.push_back(timer); }

void TApplication::TimerDestroyed(TTimer* timer) { Erase(timers_, timer); }

void TApplication::TimerChanged(TTimer* timer) {
  timer->due_ = timer->enabled_ && timer->interval_ > 0 ? NowMs() + timer->interval_ : -1;
}

bool TApplication::FireTimers() {
  if (timers_.empty()) return false;
  std::int64_t now = NowMs();
  // The counts are brought up to date first; a copy of the list is made only
  // when some timer is due.
  auto count = [now](TTimer* t) {
    if (!t->Active()) t->due_ = -1;
    else if (t->due_ < 0) t->due_ = now + t->interval_;  // became active without a restart
    return t->due_ >= 0 && t->due_ <= now;
  };
  bool due = false;
  for (TTimer* t : timers_) due = count(t) || due;
  if (!due) return false;
  bool any = false;
  // A copy: a handler may create, delete or change timers.
  std::vector<TTimer*> list = timers_;
  for (TTimer* t : list) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) continue;
    if (!count(t)) continue;
    // One firing, counted from now: time lost while the loop was blocked is not made up.
    t->due_ = now + t->interval_;
    any = true;
    Guarded([t] { t->OnTimer(t); });
  }
  return any;
}

void TApplication::WaitForInput() {
  std::int64_t next = -1;
  std::int64_t now = NowMs();
  for (TTimer* t : timers_) {
    if (!t->Active()) continue;
    std::int64_t due = t->due_ < 0 ? now + t->interval_ : t->due_;
    if (next < 0 || due < next) next = due;
  }
  int timeout = next < 0 ? -1 : int(std::max<std::int64_t>(0, next - now));
  CurrentBackend().WaitEvent(timeout);
}

void TApplication::ActOnTermination() {
  if (terminating_ || !TerminationRequested()) return;
  terminating_ = true;
  Terminated = true;
  queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                              [](const TMsg& m) {
                                return IsMouseMessage(m.message) || m.message == WM_KEYDOWN || m.message == WM_KEYUP ||
                                       m.message == WM_CHAR || m.message == WM_CLOSE;
                              }),
               queue_.end());
  if (TForm* f = ActiveForm()) Guarded([f] { f->Perform(WM_CLOSE, 0, 0); });
}

void TApplication::HandleMessage() {
  ActOnTermination();
  if (DispatchOne()) {
    Present();
    return;
  }
  if (PaintPending()) {
    Present();
    return;
  }
  if (FireTimers()) {
    Present();
    return;
  }
  UpdateHover();
  UpdateCursor();
  bool done = true;
  if (OnIdle) {
    Guarded([&] { OnIdle(this, done); });
  }
  Present();
  if (!done || Terminated) return;
  PumpInput();
  if (!queue_.empty()) return;
  for (TForm* f : zorder_)
    if (!f->invalid_.IsEmpty()) return;
  WaitForInput();
}

void TApplication::ProcessMessages() {
  for (;;) {
    if (DispatchOne() || PaintPending() || FireTimers()) {
      Present();
      continue;
    }
    break;
  }
  Present();
}

void TApplication::SetCapture(HWND hwnd) {
  captureWindow_ = hwnd;
  CurrentBackend().CaptureMouse(hwnd != nullptr);
}

void TApplication::ReleaseCapture() {
  if (captureWindow_) captureWindow_->captureControl_ = nullptr;
  if (captureWindow_) CurrentBackend().CaptureMouse(false);
  captureWindow_ = nullptr;
}

int TApplication::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  CurrentBackend().ShowCursor(cursorCount_ >= 0);
  return cursorCount_;
}

void TApplication::UpdateHover() {
  // A window behind a modal one is not under the pointer: its control loses
  // the hover when the modal window opens and has it back at the first turn
  // of the loop after it has closed, once whatever the closing set off has
  // redrawn the window.
  TControl* now = nullptr;
  if (TForm* f = FormAt(cursorPos_); f && f->Enabled())
    now = f->ControlAtPos(TPoint{cursorPos_.x - f->Left(), cursorPos_.y - f->Top()});
  if (now == hover_) return;
  TControl* old = hover_;
  hover_ = now;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (now && hover_ == now) now->Perform(CM_MOUSEENTER, 0, 0);
}

void TApplication::UpdateCursor() {
  TCursor c = crDefault;
  TForm* f = FormAt(cursorPos_);
  if (hover_ && hover_->Cursor != crDefault) c = hover_->Cursor;
  else if (f && f->Cursor != crDefault) c = f->Cursor;
  HCURSOR h = Screen->Cursors(c);
  if (cursorKnown_ && h == shownCursor_) return;
  cursorKnown_ = true;
  shownCursor_ = h;
  CurrentBackend().SetCursor(h);
}

TForm* TApplication::ActiveForm() const {
  if (!modal_.empty()) return modal_.back();
  if (active_ && active_->Visible()) return active_;
  for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it)
    if ((*it)->Enabled()) return *it;
  return nullptr;
}

void TApplication::Activate(TForm* form) { active_ = form; }

void TApplication::PushModal(TForm* form) {
  std::vector<TForm*> disabled;
  for (TForm* f : forms_)
    if (f != form && f->Enabled()) {
      f->SetEnabled(false);
      disabled.push_back(f);
    }
  disabledByModal_.push_back(std::move(disabled));
  // A form shown modally over another modal form was disabled by that one:
  // it takes input while it is on top.
  modalWasDisabled_.push_back(!form->Enabled());
  form->SetEnabled(true);
  modal_.push_back(form);
  ++form->modalLevel_;
}

void TApplication::PopModal(TForm* form) {
  auto it = std::find(modal_.begin(), modal_.end(), form);
  if (it == modal_.end()) return;
  std::size_t index = std::size_t(it - modal_.begin());
  for (TForm* f : disabledByModal_[index]) f->SetEnabled(true);
  disabledByModal_.erase(disabledByModal_.begin() + std::ptrdiff_t(index));
  if (modalWasDisabled_[index]) form->SetEnabled(false);
  modalWasDisabled_.erase(modalWasDisabled_.begin() + std::ptrdiff_t(index));
  modal_.erase(it);
  --form->modalLevel_;
  if (active_ == form) active_ = nullptr;
}

void TApplication::FormShown(TForm* form) {
  Erase(zorder_, form);
  zorder_.push_back(form);
  active_ = form;
  // The forms it hides give their surfaces up before it takes its own.
  UpdateCovered();
  form->SizeSurface(true);
  form->Invalidate();
  ScreenDirty(form->BoundsRect());
}

void TApplication::FormHidden(TForm* form) {
  Erase(zorder_, form);
  ScreenDirty(form->BoundsRect());
  if (active_ == form) active_ = nullptr;
  form->covered_ = false;
  UpdateCovered();
}

void TApplication::FormMoved(TForm* form, const TRect& oldBounds) {
  ScreenDirty(oldBounds);
  ScreenDirty(form->BoundsRect());
  UpdateCovered();
}

void TApplication::UpdateCovered() {
  const TPoint size = CurrentBackend().ScreenSize();
  const TRect whole = Rect(0, 0, size.x, size.y);
  bool below = false;  // a form above hides the whole screen
  for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
    TForm* f = *it;
    if (below && !f->covered_) {
      f->covered_ = true;
      f->SizeSurface(false);
    } else if (!below && f->covered_) {
      f->covered_ = false;
      f->SizeSurface(true);
      f->Invalidate();
    }
    const TRect b = f->BoundsRect();
    if (f->cornerW_ <= 1 && f->cornerH_ <= 1 && !whole.IsEmpty() && IntersectRects(b, whole) == whole) below = true;
  }
}

void TApplication::FormDestroyed(TForm* form) {
  Erase(forms_, form);
  Erase(zorder_, form);
  UpdateCovered();
  for (auto& list : disabledByModal_) Erase(list, form);
  auto it = std::find(modal_.begin(), modal_.end(), form);
  if (it != modal_.end()) {
    disabledByModal_.erase(disabledByModal_.begin() + (it - modal_.begin()));
    modalWasDisabled_.erase(modalWasDisabled_.begin() + (it - modal_.begin()));
    modal_.erase(it);
  }
  queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [form](const TMsg& m) { return m.hwnd == form; }),
               queue_.end());
  if (captureWindow_ == form) ReleaseCapture();
  if (active_ == form) active_ = nullptr;
  if (MainForm == form) MainForm = nullptr;
}

void TApplication::ControlDestroyed(TControl* control) {
  if (hover_ == control) hover_ = nullptr;
}

void TApplication::AddHook(TCustomApplicationEvents* hook) { hooks_.push_back(hook); }

void TApplication::RemoveHook(TCustomApplicationEvents* hook) { Erase(hooks_, hook); }

void TApplication::ScreenDirty(const TRect& r) {
  if (r.IsEmpty()) return;
  for (TRect& d : dirty_) {
    if (!IntersectRects(d, r).IsEmpty() || d.Contains(r.left, r.top)) {
      d = UnionRects(d, r);
      return;
    }
  }
  if (dirty_.size() >= 24) {
    TRect all = r;
    for (const TRect& d : dirty_) all = UnionRects(all, d);
    dirty_.assign(1, all);
    return;
  }
  dirty_.push_back(r);
}

void TApplication::Compose(const TRect& r, std::uint8_t* frame, int pitch) {
  auto row = [frame, pitch](int y) { return frame + std::ptrdiff_t(y) * pitch; };
  // A form whose surface covers the whole rectangle hides the forms under it
  // and the black behind them: composing starts with the topmost such form.
  auto first = zorder_.end();
  for (auto it = zorder_.end(); it != zorder_.begin();) {
    const TForm* f = *--it;
    const TRect surface = Bounds(f->left_, f->top_, f->surface_.Width(), f->surface_.Height());
    if (f->cornerW_ <= 1 && f->cornerH_ <= 1 && IntersectRects(IntersectRects(surface, f->BoundsRect()), r) == r) {
      first = it;
      break;
    }
  }
  if (first == zorder_.end()) {
    first = zorder_.begin();
    for (int y = r.top; y < r.bottom; ++y) std::memset(row(y) + 4 * r.left, 0, std::size_t(4 * r.Width()));
  }
  for (auto it = first; it != zorder_.end(); ++it) {
    TForm* f = *it;
    TRect fb = f->BoundsRect();
    TRect i = IntersectRects(r, fb);
    const TBitmap& s = f->surface_;
    if (i.IsEmpty() || s.Empty()) continue;
    // The surface is 32-bit unless someone changed it through Surface(); any
    // other format is converted on the way.
    const bool raw = s.PixelFormat() == pf32bit || s.PixelFormat() == pfDevice;
    const pixel::Codec codec(s.PixelFormat(), s.Palette());
    for (int y = i.top; y < i.bottom; ++y) {
      int fy = y - fb.top;
      if (fy >= s.Height()) break;
      int a, b;
      f->RegionRow(fy, a, b);
      int x0 = std::max(i.left, fb.left + a), x1 = std::min({i.right, fb.left + b, fb.left + s.Width()});
      if (x1 <= x0) continue;
      const std::uint8_t* src = s.ScanLine(fy);
      if (raw) {
        std::memcpy(row(y) + 4 * x0, src + 4 * (x0 - fb.left), std::size_t(4 * (x1 - x0)));
      } else {
        auto* dst = reinterpret_cast<std::uint32_t*>(row(y));
        for (int x = x0; x < x1; ++x) {
          const pixel::BGR p = codec.Decode(codec.Get(src, x - fb.left));
          dst[x] = std::uint32_t(p.b) | std::uint32_t(p.g) << 8 | std::uint32_t(p.r) << 16;
        }
      }
    }
  }
}

void TApplication::Present() {
  if (dirty_.empty()) return;
  Backend& b = CurrentBackend();
  TPoint size = b.ScreenSize();
  TRect whole = Rect(0, 0, size.x, size.y);
  // Composed in the window's own pixels when the back end lends them, else
  // in a screen of our own.
  int pitch = 0;
  std::uint8_t* frame = b.LendFrame(pitch);
  if (frame) {
    if (!screen_.Empty()) screen_.SetHeight(0);
    if (frame != lentFrame_) dirty_.assign(1, whole);
  } else {
    if (screen_.Width() != size.x || screen_.Height() != size.y || lentFrame_) {
      screen_.SetHeight(0);
      screen_.SetSize(size.x, size.y);
      dirty_.assign(1, whole);
    }
    if (!screen_.Empty()) {
      frame = screen_.ScanLine(0);
      pitch = screen_.RowBytes();
    }
  }
  lentFrame_ = screen_.Empty() ? frame : nullptr;
  std::vector<TRect> rects;
  for (const TRect& d : dirty_) {
    TRect c = IntersectRects(d, whole);
    if (c.IsEmpty() || !frame) continue;
    Compose(c, frame, pitch);
    rects.push_back(c);
  }
  dirty_.clear();
  if (rects.empty()) return;
  if (lentFrame_) b.PresentLent(rects);
  else b.Present(screen_, rects);
}

void TApplication::ResetForTests() {
  queue_.clear();
  captureWindow_ = nullptr;
  buttonsDown_ = 0;
  hover_ = nullptr;
  cursorPos_ = TPoint{-1, -1};
  dirty_.clear();
  OnIdle = nullptr;
  Terminated = false;
  terminating_ = false;
  cursorCount_ = 0;
  cursorKnown_ = false;
  screen_.SetHeight(0);
  lentFrame_ = nullptr;
}

void ShutdownPlatform() {
  while (Application->ComponentCount() > 0) delete Application->Components(Application->ComponentCount() - 1);
  InstallBackend(nullptr);
}
