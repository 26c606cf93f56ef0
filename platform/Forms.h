// Forms, the screen and the application with its message loop.
//
// Every visible form keeps a surface of its own that its canvas draws on;
// the visible forms are composed into the screen in z-order. A hidden form
// (also while its OnShow runs) holds no surface, so drawing on it draws
// nothing, and is painted whole when it is shown; so does a form that a
// full-screen form above it hides. Drawing reaches the
// screen after every dispatched message and before every Sleep, synchronous
// sound or wait; input arriving meanwhile is queued, never dispatched.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Controls.h"

class TTimer;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

using HCURSOR = BackendCursor*;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  std::string Caption;  // code page 1250
  int ModalResult = mrNone;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  // The window lost the pointer capture or the keyboard focus: the release
  // of a button held now will not come.
  TNotifyEvent OnCancelMode;

  // The window's canvas: draws on the retained surface, shown on the screen.
  TCanvas* Canvas() { return canvas_.get(); }
  TBitmap* Surface() { return &surface_; }
  TCanvas* WindowCanvas() override { return canvas_.get(); }
  TRect PaintClip() const override { return paintClip_; }

  void SetBounds(int left, int top, int width, int height) override;
  bool Showing() const override { return visible_; }

  // Shows the form on top of the others, which take no input until it
  // closes; returns its ModalResult.
  int ShowModal();
  bool Modal() const { return modalLevel_ > 0; }
  // A modal form gets ModalResult 2 (its loop then runs OnClose and hides
  // it); the main form ends the program; another form is hidden.
  void Close();
  void BringToFront();

  void Invalidate() override;
  void InvalidateRect(const TRect& r) override;
  void Update();   // paints what is invalid, now
  void Repaint();  // all of it, now
  void Refresh() { Repaint(); }

  // A round-cornered window region (ellipse width and height of the corners).
  void SetRoundRegion(int ellipseWidth, int ellipseHeight);
  void ClearRegion();
  bool RegionContains(int x, int y) const;  // client coordinates
  // The visible columns [first, last) of row y, client coordinates.
  void RegionRow(int y, int& first, int& last) const;

  void DoCreate();
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint();
  // A close request from the desktop; the default is Close().
  virtual void WMClose();
  void VisibleChanging() override;

 private:
  friend class TApplication;
  void PaintNow();
  void SurfaceChanged(const TRect& r);
  // The form's size when shown, empty otherwise.
  void SizeSurface(bool shown);

  TBitmap surface_;
  std::unique_ptr<TCanvas> canvas_;
  TRect invalid_{};
  TRect paintClip_{};
  int modalLevel_ = 0;
  int cornerW_ = 0, cornerH_ = 0;
  bool covered_ = false;  // visible, under a form that hides the whole screen
};

class TScreen {
 public:
  int Width() const { return CurrentBackend().ScreenSize().x; }
  int Height() const { return CurrentBackend().ScreenSize().y; }
  // The form that gets the keyboard: the topmost modal form, else the form
  // activated last.
  TForm* ActiveForm() const;
  // The cursor table: 0 is the system arrow; others are added by the program.
  HCURSOR Cursors(TCursor index) const;
  void SetCursors(TCursor index, HCURSOR cursor);
  int FormCount() const;
  TForm* Forms(int i) const;

 private:
  std::map<TCursor, HCURSOR> cursors_;
};

extern TScreen* Screen;

// Sees every message a loop takes from the queue, before it is dispatched.
class TCustomApplicationEvents : public TComponent {
 public:
  explicit TCustomApplicationEvents(TComponent* owner);
  ~TCustomApplicationEvents() override;
  std::function<void(TMsg& msg, bool& handled)> OnMessage;
  // Keeps the message from later hooks.
  void CancelDispatch();
};

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // The application's own window: posted messages for it go to the hooks only.
  HWND Handle() { return appWindow_.get(); }
  std::string Title;  // code page 1250
  void SetTitle(const std::string& title);
  TForm* MainForm = nullptr;
  bool Terminated = false;
  std::function<void(TObject* Sender, bool& Done)> OnIdle;

  template <class T>
  void CreateForm(T*& ref) {
    ref = new T(this);
    if (!MainForm) MainForm = ref;
    ref->DoCreate();
  }
  // Shows the main form and runs the loop until Terminate.
  void Run();
  void Terminate() { Terminated = true; }
  // A termination request (platform/Termination.h) is acted on at the next
  // turn of a loop, once: the loops end (modal windows return mrCancel at
  // once), input is no longer taken, and the active window gets a close
  // request that it cannot refuse: a game runs its stop flow, the main
  // window ends the program as its exit does.
  bool Terminating() const { return terminating_; }
  // Dispatches everything waiting (input, posted messages, paints, due
  // timers) and returns without waiting.
  void ProcessMessages();
  // One turn of the loop: a message, else paints, else due timers, else the
  // idle handler and, when it is done, a wait for input or the next timer.
  void HandleMessage();
  void BringToFront();

  // ---- the message queue ----
  void PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool PeekMessage(TMsg& msg, HWND hwnd, UINT first, UINT last, UINT remove);
  // Moves waiting input from the back end into the queue, without dispatching.
  void PumpInput();
  // Brings the screen up to date with every drawn surface.
  void Present();
  // Drops everything queued and forgets the forms' states (tests).
  void ResetForTests();

  // ---- mouse capture (window level) ----
  HWND GetCapture() const { return captureWindow_; }
  void SetCapture(HWND hwnd);
  void ReleaseCapture();
  TPoint CursorPos() const { return cursorPos_; }
  int ShowCursor(bool show);
  void UpdateCursor();
  // SetCursor showed this cursor; the next pointer move compares with it.
  void NoteShownCursor(HCURSOR cursor) {
    shownCursor_ = cursor;
    cursorKnown_ = true;
  }

  // ---- bookkeeping used by forms, controls and timers ----
  void FormShown(TForm* form);
  void FormHidden(TForm* form);
  void FormDestroyed(TForm* form);
  void FormMoved(TForm* form, const TRect& oldBounds);
  void ScreenDirty(const TRect& r);
  void ControlDestroyed(TControl* control);
  void TimerCreated(TTimer* timer);
  void TimerDestroyed(TTimer* timer);
  void TimerChanged(TTimer* timer);
  void AddHook(TCustomApplicationEvents* hook);
  void RemoveHook(TCustomApplicationEvents* hook);
  void CancelDispatch() { dispatchCancelled_ = true; }
  std::int64_t NowMs();
  const std::vector<TForm*>& ZOrder() const { return zorder_; }
  TForm* ActiveForm() const;
  TForm* FormAt(TPoint screen) const;
  void Activate(TForm* form);
  void PushModal(TForm* form);
  void PopModal(TForm* form);

 private:
  friend class TForm;
  bool DispatchOne();
  void Dispatch(TMsg& m);
  bool PaintPending();
  bool FireTimers();
  void ActOnTermination();
  void UpdateHover();
  void WaitForInput();
  // Composes the visible forms over black into r of a 32-bit frame.
  void Compose(const TRect& r, std::uint8_t* frame, int pitch);
  // Drops the surfaces of the forms a full-screen form hides; gives one back
  // (and a whole paint) to a form that shows again.
  void UpdateCovered();
  void Enqueue(const TMsg& m);
  void ShowException(const std::exception& e);
  // Runs a handler; an error it raises is shown and the loop goes on.
  template <class F>
  void Guarded(F&& handler);

  std::unique_ptr<TWinControl> appWindow_;
  std::deque<TMsg> queue_;
  std::vector<TForm*> forms_;   // every form, in creation order
  std::vector<TForm*> zorder_;  // visible forms, bottom first
  std::vector<TForm*> modal_;   // modal stack
  std::vector<bool> modalWasDisabled_;  // per modal form: an outer modal form had disabled it
  TForm* active_ = nullptr;
  std::vector<TCustomApplicationEvents*> hooks_;
  bool dispatchCancelled_ = false;
  bool terminating_ = false;
  std::vector<TTimer*> timers_;
  std::vector<std::vector<TForm*>> disabledByModal_;
  HWND captureWindow_ = nullptr;
  unsigned buttonsDown_ = 0;  // MK_ flags
  TPoint cursorPos_{-1, -1};
  TControl* hover_ = nullptr;
  int cursorCount_ = 0;
  HCURSOR shownCursor_ = nullptr;
  bool cursorKnown_ = false;
  TBitmap screen_;  // the composed screen, when the back end lends no frame
  const std::uint8_t* lentFrame_ = nullptr;  // the back end's frame composed last
  std::vector<TRect> dirty_;
};

extern TApplication* Application;

// Deletes the forms and the back end at the end of the program.
void ShutdownPlatform();
