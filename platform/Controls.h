// Components and controls: ownership, bounds, visibility, mouse routing.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/Types.h"

class TControl;
class TWinControl;

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

using TCursor = std::int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

// ControlStyle flags.
constexpr unsigned csCaptureMouse = 0x01;
constexpr unsigned csClickEvents = 0x02;
constexpr unsigned csDoubleClicks = 0x04;

// Owned components are deleted with their owner; a component deleted first
// leaves its owner's list.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return int(components_.size()); }
  TComponent* Components(int i) const { return components_[std::size_t(i)]; }

  std::string Name;
  std::intptr_t Tag = 0;

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  TRect ClientRect() const { return Rect(0, 0, width_, height_); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and on a parent that is showing (for forms: visible themselves).
  virtual bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool e) { enabled_ = e; }

  TCursor Cursor = crDefault;
  unsigned ControlStyle = csCaptureMouse | csClickEvents;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Every message reaches the control here; the default handling makes
  // clicks from presses and releases, paints, and redraws on visibility changes.
  virtual void WndProc(TMessage& message);
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

  // Asks the parent window to repaint the control's rectangle.
  virtual void Invalidate();
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

 protected:
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void VisibleChanging() {}

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;

 private:
  void DefaultMouse(TMessage& m);
  bool clicking_ = false;
};

// A control without a window of its own: it draws on its parent's surface.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  // A view of the parent's surface at the control's place, limited to the
  // control's bounds (and, during a paint, to the part being painted).
  TCanvas* Canvas();
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// A window: it owns child controls and routes mouse input to them.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle() { return this; }
  int ControlCount() const { return int(controls_.size()); }
  TControl* Controls(int i) const { return controls_[std::size_t(i)]; }
  // The topmost visible child under a point (client coordinates), or null.
  TControl* ControlAtPos(TPoint p) const;
  // The child holding the mouse between a press and its release.
  TControl* MouseCaptureControl() const { return captureControl_; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;

  void WndProc(TMessage& message) override;

  // Drawing surface of the window (null for windows without one).
  virtual TCanvas* WindowCanvas() { return nullptr; }
  // The rectangle (client coordinates) being painted, empty outside a paint.
  virtual TRect PaintClip() const { return TRect{}; }
  virtual void InvalidateRect(const TRect& r) {}

 protected:
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual bool DoMouseWheel(TShiftState shift, int delta, TPoint pos);
  // Sends WM_PAINT to every showing child that meets the clip, bottom first.
  void PaintControls(const TRect& clip);

 private:
  friend class TControl;
  friend class TApplication;
  bool RouteMouseToChild(TMessage& m);
  std::vector<TControl*> controls_;
  TControl* captureControl_ = nullptr;
};

// The mouse buttons held now, as shift state (kept by the application from input).
TShiftState MouseShiftState(WPARAM keyFlags);
