#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "platform/Mmsystem.h"
#include "platform/SysUtils.h"
#include "platform/WinApi.h"
#include "tests/support/GuardedBytes.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::HeadlessTest;

std::unique_ptr<TForm> MakeForm(int l, int t, int w, int h, TColor fill) {
  auto f = std::make_unique<TForm>(nullptr);
  f->SetBounds(l, t, w, h);
  f->OnPaint = [f = f.get(), fill](TObject*) {
    f->Canvas()->Brush.Color = fill;
    f->Canvas()->FillRect(f->ClientRect());
  };
  return f;
}

class WindowsTest : public HeadlessTest {};

TEST_F(WindowsTest, VisibleFormsAreComposedInZOrder) {
  auto back = MakeForm(0, 0, 1024, 768, clBlue);
  auto front = MakeForm(100, 100, 200, 100, clRed);
  back->Show();
  front->Show();
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(5, 5), clBlue);
  EXPECT_EQ(hb().ScreenPixel(150, 150), clRed);
  EXPECT_EQ(hb().ScreenPixel(300, 150), clBlue);
  // Round corners let the form below show through.
  front->SetRoundRegion(25, 25);
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(100, 100), clBlue);
  EXPECT_EQ(hb().ScreenPixel(112, 112), clRed);
  front->Hide();
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(150, 150), clBlue);
  // A hidden form holds no surface; shown again, it is painted whole.
  EXPECT_TRUE(front->Surface()->Empty());
  front->Show();
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(150, 150), clRed);
  // So does a form that a full-screen form hides, until it shows again.
  auto cover = MakeForm(0, 0, 1024, 768, RGB(0, 128, 0));
  cover->Show();
  Application->ProcessMessages();
  EXPECT_TRUE(back->Surface()->Empty());
  EXPECT_TRUE(front->Surface()->Empty());
  EXPECT_EQ(hb().ScreenPixel(150, 150), RGB(0, 128, 0));
  cover->Hide();
  Application->ProcessMessages();
  EXPECT_EQ(hb().ScreenPixel(5, 5), clBlue);
  EXPECT_EQ(hb().ScreenPixel(150, 150), clRed);
}

TEST_F(WindowsTest, SurfacesOfOtherFormatsAreComposedInTheirColours) {
  TForm a(nullptr), b(nullptr);
  a.SetBounds(0, 0, 40, 20);
  b.SetBounds(50, 0, 40, 20);
  a.Surface()->SetPixelFormat(pf24bit);
  b.Surface()->SetPixelFormat(pf8bit);  // grey
  a.Show();
  b.Show();
  a.Canvas()->Brush.Color = RGB(200, 10, 30);
  a.Canvas()->FillRect(a.ClientRect());
  b.Canvas()->Brush.Color = RGB(90, 90, 90);
  b.Canvas()->FillRect(b.ClientRect());
  Application->ProcessMessages();
  for (int x : {0, 1, 2, 39}) {
    EXPECT_EQ(hb().ScreenPixel(x, 19), RGB(200, 10, 30)) << x;
    EXPECT_EQ(hb().ScreenPixel(50 + x, 19), RGB(90, 90, 90)) << x;
  }
  EXPECT_EQ(hb().ScreenPixel(45, 5), clBlack);
}

TEST_F(WindowsTest, DrawingOutsidePaintReachesTheScreenBeforeASleep) {
  auto f = MakeForm(0, 0, 400, 300, clWhite);
  f->Show();
  Application->ProcessMessages();
  f->Canvas()->Brush.Color = clLime;
  f->Canvas()->FillRect(Rect(10, 10, 20, 20));
  EXPECT_EQ(hb().ScreenPixel(15, 15), clWhite);  // not yet presented
  Sleep(30);
  EXPECT_EQ(hb().ScreenPixel(15, 15), clLime);
  // The window canvas reads back what is shown.
  TBitmap copy;
  copy.SetPixelFormat(pf24bit);
  copy.SetSize(4, 4);
  copy.Canvas()->CopyRect(Rect(0, 0, 4, 4), f->Canvas(), Rect(12, 12, 16, 16));
  EXPECT_EQ(copy.PixelColor(1, 1), clLime);
}

// A test reads the screen while a handler blocks through the present hook.
TEST_F(WindowsTest, ThePresentHookSeesTheScreenAtASleepUntilTheScriptIsCleared) {
  auto f = MakeForm(0, 0, 400, 300, clWhite);
  f->Show();
  Application->ProcessMessages();
  std::vector<TColor> seen;
  hb().OnPresent([&] { seen.push_back(hb().ScreenPixel(15, 15)); });
  f->Canvas()->Brush.Color = clLime;
  f->Canvas()->FillRect(Rect(10, 10, 20, 20));
  Sleep(30);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), clLime);
  const std::size_t n = seen.size();
  hb().ClearScript();
  f->Canvas()->FillRect(Rect(30, 30, 40, 40));
  Sleep(30);
  EXPECT_EQ(seen.size(), n);
}

TEST_F(WindowsTest, PaintIsClippedToTheInvalidPartAndChildrenPaintAfterTheForm) {
  auto f = std::make_unique<TForm>(nullptr);
  f->SetBounds(0, 0, 100, 100);
  std::vector<std::string> order;
  TRect seenClip;
  f->OnPaint = [&](TObject*) {
    order.push_back("form");
    seenClip = f->Canvas()->ClipRect();
    f->Canvas()->Brush.Color = clRed;
    f->Canvas()->FillRect(f->ClientRect());
  };
  auto* box = new TPaintBox(f.get());
  box->SetParent(f.get());
  box->SetBounds(50, 50, 20, 20);
  box->OnPaint = [&](TObject*) {
    order.push_back("box");
    box->Canvas()->Brush.Color = clBlue;
    box->Canvas()->FillRect(Rect(-100, -100, 100, 100));  // clipped to the box
  };
  f->Show();
  Application->ProcessMessages();
  EXPECT_EQ(order, (std::vector<std::string>{"form", "box"}));
  EXPECT_EQ(f->Surface()->PixelColor(49, 49), clRed);
  EXPECT_EQ(f->Surface()->PixelColor(50, 50), clBlue);
  EXPECT_EQ(f->Surface()->PixelColor(70, 70), clRed);

  order.clear();
  f->InvalidateRect(Rect(0, 0, 10, 10));
  Application->ProcessMessages();
  EXPECT_EQ(order, (std::vector<std::string>{"form"}));  // the box lies outside
  EXPECT_EQ(seenClip, Rect(0, 0, 10, 10));
}

TEST_F(WindowsTest, ClicksReachTheTopmostVisibleControl) {
  auto f = MakeForm(0, 0, 300, 300, clWhite);
  int clicksA = 0, clicksB = 0;
  auto* a = new TImage(f.get());
  a->SetParent(f.get());
  a->SetBounds(10, 10, 50, 50);
  a->OnClick = [&](TObject* s) {
    EXPECT_EQ(s, a);
    ++clicksA;
  };
  auto* b = new TImage(f.get());
  b->SetParent(f.get());
  b->SetBounds(30, 30, 50, 50);
  b->OnClick = [&](TObject*) { ++clicksB; };
  f->Show();
  hb().Click(40, 40);
  hb().Click(15, 15);
  Application->ProcessMessages();
  EXPECT_EQ(clicksB, 1);
  EXPECT_EQ(clicksA, 1);
  b->Hide();
  hb().Click(40, 40);
  Application->ProcessMessages();
  EXPECT_EQ(clicksA, 2);
  // Released outside: no click, and the release still went to the pressed control.
  int ups = 0;
  a->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int) {
    ++ups;
    EXPECT_GT(x, 50);
  };
  hb().MouseDown(15, 15);
  hb().MouseMove(200, 200);
  hb().MouseUp(200, 200);
  Application->ProcessMessages();
  EXPECT_EQ(clicksA, 2);
  EXPECT_EQ(ups, 1);
}

TEST_F(WindowsTest, DoubleClickIsTwoPressesWithoutDoubleClickStyle) {
  auto f = MakeForm(0, 0, 300, 300, clWhite);
  int clicks = 0, formDouble = 0;
  TShiftState lastShift = 0;
  auto* img = new TImage(f.get());
  img->SetParent(f.get());
  img->SetBounds(0, 0, 50, 50);
  img->ControlStyle &= ~csDoubleClicks;
  img->OnClick = [&](TObject*) { ++clicks; };
  f->OnDblClick = [&](TObject*) { ++formDouble; };
  f->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) { lastShift = s; };
  f->Show();
  hb().DoubleClick(10, 10);
  hb().DoubleClick(100, 100);
  Application->ProcessMessages();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(formDouble, 1);
  EXPECT_TRUE(lastShift & ssDouble);
}

// Records the control messages a picture control receives.
class Probe : public TImage {
 public:
  using TImage::TImage;
  std::vector<UINT> seen;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE || m.Msg == CM_VISIBLECHANGED) seen.push_back(m.Msg);
    TImage::WndProc(m);
  }
};

TEST_F(WindowsTest, EnterAndLeaveFollowThePointerAcrossForms) {
  auto f = MakeForm(0, 0, 400, 400, clWhite);
  auto* p = new Probe(f.get());
  p->SetParent(f.get());
  p->SetBounds(10, 10, 50, 50);
  f->Show();
  for (TPoint at : {TPoint{20, 20}, TPoint{25, 25}, TPoint{200, 200}}) {
    hb().MouseMove(at.x, at.y);
    Application->ProcessMessages();
  }
  EXPECT_EQ(p->seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));

  // A dialog appearing over the hovered control takes the hover away.
  p->seen.clear();
  hb().MouseMove(20, 20);
  Application->ProcessMessages();
  auto dlg = MakeForm(0, 0, 100, 100, clRed);
  dlg->OnShow = [&](TObject*) { hb().Then([&] { dlg->Close(); }); };
  dlg->ShowModal();
  EXPECT_EQ(p->seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
  // It comes back at the first turn of the loop after the closing, not within it.
  hb().Then([] {});
  Application->HandleMessage();
  EXPECT_EQ(p->seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE, CM_MOUSEENTER}));

  // So does a dialog away from the pointer: the window behind it is not under the pointer.
  p->seen.clear();
  auto away = MakeForm(200, 200, 100, 100, clRed);
  std::vector<UINT> opened;
  hb().Then([&] {
    opened = p->seen;
    hb().MouseMove(25, 25);  // moving over the window behind changes nothing
  });
  hb().Then([&] { away->Close(); });
  away->ShowModal();
  EXPECT_EQ(opened, std::vector<UINT>{CM_MOUSELEAVE});
  EXPECT_EQ(p->seen, opened);
  hb().Then([] {});
  Application->HandleMessage();
  EXPECT_EQ(p->seen, (std::vector<UINT>{CM_MOUSELEAVE, CM_MOUSEENTER}));
  p->Hide();
  EXPECT_EQ(p->seen.back(), CM_VISIBLECHANGED);
}

TEST_F(WindowsTest, ModalFormTakesTheInputAndReturnsItsResult) {
  auto main = MakeForm(0, 0, 1024, 768, clWhite);
  int mainClicks = 0;
  main->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mainClicks; };
  main->Show();
  auto dlg = MakeForm(300, 300, 200, 100, clRed);
  std::vector<char> keys;
  bool closed = false;
  dlg->OnKeyPress = [&](TObject*, char& c) {
    keys.push_back(c);
    if (c == 27) dlg->Close();
  };
  dlg->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  hb().Then([&] {
    EXPECT_EQ(Screen->ActiveForm(), dlg.get());
    hb().Click(10, 10);  // on the main form, outside the dialog: dropped
    hb().Key(VK_SPACE, 32);
    hb().Key(VK_ESCAPE, 27);
  });
  int r = dlg->ShowModal();
  EXPECT_EQ(r, mrCancel);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(dlg->Visible());
  EXPECT_EQ(mainClicks, 0);
  EXPECT_EQ(keys, (std::vector<char>{32, 27}));
  EXPECT_EQ(Screen->ActiveForm(), main.get());
  hb().Click(10, 10);
  Application->ProcessMessages();
  EXPECT_EQ(mainClicks, 1);
}

TEST_F(WindowsTest, ModalsNestAndOnCloseRunsInTheLoop) {
  auto outer = MakeForm(0, 0, 500, 500, clWhite);
  auto inner = MakeForm(100, 100, 100, 100, clRed);
  std::vector<std::string> log;
  outer->OnClose = [&](TObject*, TCloseAction&) { log.push_back("outer closed"); };
  inner->OnClose = [&](TObject*, TCloseAction&) { log.push_back("inner closed"); };
  outer->OnKeyPress = [&](TObject*, char&) {
    log.push_back("inner shown");
    hb().Then([&] { inner->ModalResult = 1; });
    log.push_back(std::to_string(inner->ShowModal()));
    outer->Close();
    log.push_back("after close");  // OnClose comes later, in the loop
  };
  hb().Then([&] { hb().Key('A', 'a'); });
  EXPECT_EQ(outer->ShowModal(), mrCancel);
  EXPECT_EQ(log, (std::vector<std::string>{"inner shown", "inner closed", "1", "after close", "outer closed"}));
}

TEST_F(WindowsTest, DesktopCloseRequestGoesToTheTopmostForm) {
  struct Refusing : TForm {
    using TForm::TForm;
    int requests = 0;
    void WMClose() override { ++requests; }
  };
  auto main = MakeForm(0, 0, 1024, 768, clWhite);
  main->Show();
  Refusing dlg(nullptr);
  dlg.SetBounds(10, 10, 50, 50);
  hb().Then([&] { hb().RequestClose(); });
  hb().Then([&] {
    EXPECT_EQ(dlg.requests, 1);
    EXPECT_TRUE(dlg.Visible());
    dlg.ModalResult = 2;
  });
  EXPECT_EQ(dlg.ShowModal(), 2);
  EXPECT_FALSE(Application->Terminated);
  // On the main form the default ends the program.
  Application->MainForm = main.get();
  hb().RequestClose();
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated);
  Application->MainForm = nullptr;
}

TEST_F(WindowsTest, LoopOrderIsMessagesThenPaintThenTimersThenIdle) {
  auto f = std::make_unique<TForm>(nullptr);
  f->SetBounds(0, 0, 50, 50);
  std::vector<std::string> log;
  f->OnPaint = [&](TObject*) { log.push_back("paint"); };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [&](TObject*) { log.push_back("timer"); };
  timer.SetEnabled(true);
  f->Show();
  hb().AdvanceTime(20);
  Application->PostMessage(f->Handle(), WM_USER + 5, 0, 0);
  TCustomApplicationEvents hook(nullptr);
  hook.OnMessage = [&](TMsg& m, bool&) {
    if (m.message == WM_USER + 5) log.push_back("posted");
  };
  Application->OnIdle = [&](TObject*, bool& done) {
    log.push_back("idle");
    done = false;
  };
  for (int i = 0; i < 4; ++i) Application->HandleMessage();
  EXPECT_EQ(log, (std::vector<std::string>{"posted", "paint", "timer", "idle"}));
}

TEST_F(WindowsTest, TimersFireOncePerTurnWithoutMakingUpLostTime) {
  TTimer timer(nullptr);
  int fired = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) { ++fired; };
  timer.SetEnabled(true);
  Sleep(1000);  // a blocking handler: ten periods pass
  Application->ProcessMessages();
  EXPECT_EQ(fired, 1);
  Application->ProcessMessages();
  EXPECT_EQ(fired, 1);
  hb().AdvanceTime(100);
  Application->ProcessMessages();
  EXPECT_EQ(fired, 2);
  timer.SetEnabled(false);
  hb().AdvanceTime(500);
  Application->ProcessMessages();
  EXPECT_EQ(fired, 2);
}

TEST_F(WindowsTest, TimersKeepFiringWhenTheCounterIsLarge) {
  // The clock's microsecond counter times 1000 passes the 64-bit range here.
  const std::int64_t limitMs = INT64_MAX / 1000000;
  hb().AdvanceTime(limitMs - 100 - hb().NowMs());
  TTimer timer(nullptr);
  int fired = 0;
  timer.SetInterval(50);
  timer.OnTimer = [&](TObject*) { ++fired; };
  timer.SetEnabled(true);
  for (int i = 0; i < 6; ++i) {
    hb().AdvanceTime(50);
    Application->ProcessMessages();
  }
  EXPECT_EQ(fired, 6);
  EXPECT_EQ(Application->NowMs(), hb().NowMs());
}

TEST_F(WindowsTest, HooksSeeMessagesFirstAndCanStopThem) {
  auto f = MakeForm(0, 0, 100, 100, clWhite);
  f->Show();
  int reached = 0, first = 0, second = 0;
  f->OnKeyPress = [&](TObject*, char&) { ++reached; };
  TCustomApplicationEvents a(nullptr), b(nullptr);
  a.OnMessage = [&](TMsg& m, bool& handled) {
    ++first;
    if (m.message == WM_CHAR && m.wParam == 'x') {
      handled = true;
      a.CancelDispatch();
    }
  };
  b.OnMessage = [&](TMsg&, bool&) { ++second; };
  hb().KeyDown('X', 'x');
  hb().KeyDown('Y', 'y');
  Application->ProcessMessages();
  EXPECT_EQ(reached, 1);  // only 'y'
  EXPECT_EQ(first, 4);    // two key-downs, two characters
  EXPECT_EQ(second, 3);
  // A message for the application's own window reaches the hooks and nothing else.
  Application->PostMessage(Application->Handle(), WM_CHAR, 'z', 0);
  Application->ProcessMessages();
  EXPECT_EQ(reached, 1);
  EXPECT_EQ(first, 5);
}

TEST_F(WindowsTest, InputDuringASleepIsQueuedNotDispatched) {
  auto f = MakeForm(0, 0, 300, 300, clWhite);
  int downs = 0;
  f->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  f->Show();
  Application->ProcessMessages();
  hb().Click(50, 50, 1, 10);  // arrives 10 ms from now
  Sleep(40);
  EXPECT_EQ(downs, 0);
  TMsg m;
  EXPECT_TRUE(PeekMessage(&m, f->Handle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  Application->ProcessMessages();
  EXPECT_EQ(downs, 1);
}

TEST_F(WindowsTest, MouseMessagesCarryClientPositionsAndButtons) {
  auto f = MakeForm(100, 50, 300, 300, clWhite);
  f->Show();
  hb().MouseDown(110, 60, 3);
  TMsg m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, f.get());
  EXPECT_EQ(m.message, WM_RBUTTONDOWN);
  EXPECT_EQ(GetXLParam(m.lParam), 10);
  EXPECT_EQ(GetYLParam(m.lParam), 10);
  EXPECT_EQ(m.wParam & MK_RBUTTON, MK_RBUTTON);
  EXPECT_EQ(GetCapture(), f.get());
  // While captured, input outside the form still comes to it.
  hb().MouseUp(5, 5, 3);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, f.get());
  EXPECT_EQ(GetXLParam(m.lParam), -95);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

// A button held when another window takes the focus is released there: the
// window holding the pointer is told after what was queued before, and the
// next press goes to the window under the pointer with only its own button.
TEST_F(WindowsTest, LosingTheFocusEndsTheCaptureAndTellsTheWindowInQueueOrder) {
  auto left = MakeForm(0, 0, 200, 200, clWhite);
  auto right = MakeForm(300, 0, 200, 200, clWhite);
  std::vector<std::string> seen;
  auto note = [&](TForm* f, const char* name) {
    f->OnMouseDown = [&seen, name](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back(std::string(name) + " down"); };
    f->OnCancelMode = [&seen, name](TObject*) { seen.push_back(std::string(name) + " cancel"); };
  };
  note(left.get(), "left");
  note(right.get(), "right");
  left->Show();
  right->Show();
  hb().MouseDown(10, 10);
  hb().MouseMove(350, 10);
  hb().LoseFocus();
  hb().MouseDown(350, 10, 3);
  Application->ProcessMessages();
  EXPECT_EQ(seen, (std::vector<std::string>{"left down", "left cancel", "right down"}));
  EXPECT_EQ(GetCapture(), right.get());
  EXPECT_TRUE(hb().MouseCaptured());
  hb().MouseMove(360, 10);
  TMsg m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.wParam & (MK_LBUTTON | MK_RBUTTON), MK_RBUTTON);
  // Without a capture the active form hears of it.
  hb().MouseUp(360, 10, 3);
  Application->ProcessMessages();
  seen.clear();
  Application->Activate(left.get());
  hb().LoseFocus();
  Application->ProcessMessages();
  EXPECT_EQ(seen, std::vector<std::string>{"left cancel"});
  EXPECT_FALSE(hb().MouseCaptured());
}

TEST_F(WindowsTest, CursorFollowsTheControlUnderThePointer) {
  auto f = MakeForm(0, 0, 300, 300, clWhite);
  TBitmap pic;
  pic.SetPixelFormat(pf24bit);
  pic.SetSize(8, 8);
  HCURSOR hand = CreatePictureCursor(pic, pic, 1, 1);
  Screen->SetCursors(1, hand);
  auto* img = new TImage(f.get());
  img->SetParent(f.get());
  img->SetBounds(0, 0, 20, 20);
  img->Cursor = 1;
  f->Show();
  hb().MouseMove(5, 5);
  Application->ProcessMessages();
  EXPECT_EQ(hb().Cursor(), hand);
  hb().MouseMove(100, 100);
  Application->ProcessMessages();
  EXPECT_EQ(hb().Cursor(), nullptr);
  EXPECT_EQ(ShowCursor(0), -1);
  EXPECT_FALSE(hb().CursorVisible());
  EXPECT_EQ(ShowCursor(1), 0);
  EXPECT_TRUE(hb().CursorVisible());
  hb().FreeCursor(hand);
  Screen->SetCursors(1, nullptr);
}

TEST_F(WindowsTest, StallingWithoutScriptIsReported) {
  auto f = MakeForm(0, 0, 100, 100, clWhite);
  EXPECT_THROW(f->ShowModal(), HeadlessStall);
  EXPECT_FALSE(f->Visible());
  EXPECT_EQ(Screen->ActiveForm(), nullptr);
}

TEST_F(WindowsTest, ErrorsOfHandlersAreShownAndTheLoopGoesOn) {
  auto f = MakeForm(0, 0, 100, 100, clWhite);
  f->Show();
  Application->ProcessMessages();
  Application->Title = "Program";
  f->OnKeyPress = [](TObject*, char&) { throw std::out_of_range("index out of range"); };
  f->OnPaint = [](TObject*) { throw std::bad_alloc(); };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [](TObject*) { std::function<void()>()(); };
  timer.SetEnabled(true);
  hb().Key('A', 'a');
  f->Invalidate();
  hb().AdvanceTime(10);
  testing::internal::CaptureStderr();
  ASSERT_NO_THROW(Application->ProcessMessages());
  Application->OnIdle = [](TObject*, bool&) { throw EInvalidGraphic("Bad picture", "x.bmp"); };
  ASSERT_NO_THROW(Application->HandleMessage());
  Application->OnIdle = nullptr;
  timer.OnTimer = [](TObject*) { throw Exception("W\263asny b\263\271d"); };
  hb().AdvanceTime(10);
  ASSERT_NO_THROW(Application->ProcessMessages());
  const std::string said = testing::internal::GetCapturedStderr();
  // The user reads Polish; what failed goes to standard error.
  ASSERT_EQ(hb().MessageBoxes().size(), 5u);
  EXPECT_EQ(hb().MessageBoxes()[0].text, "Wystąpił nieoczekiwany błąd programu.");
  EXPECT_EQ(hb().MessageBoxes()[0].caption, "Program");
  EXPECT_EQ(hb().MessageBoxes()[1].text, "Za mało pamięci, by dokończyć tę czynność.");
  EXPECT_EQ(hb().MessageBoxes()[2].text, "Wystąpił nieoczekiwany błąd programu.");
  EXPECT_EQ(hb().MessageBoxes()[3].text, "Nie udało się odczytać obrazka.");
  EXPECT_EQ(hb().MessageBoxes()[4].text, "Własny błąd");
  for (const std::string& line : {std::string("index out of range"), std::string(std::bad_alloc().what()),
                                  std::string(std::bad_function_call().what()), std::string("Bad picture: x.bmp"),
                                  std::string("Własny błąd")})
    EXPECT_NE(said.find("trelamondo: " + line + "\n"), std::string::npos) << line << " in " << said;
  timer.SetEnabled(false);

  // A test's stalled wait is no error of the program: it leaves the loop,
  // also from a modal form opened by a handler.
  auto dialog = MakeForm(10, 10, 50, 50, clBlack);
  f->OnPaint = nullptr;
  f->OnKeyPress = [&](TObject*, char&) { dialog->ShowModal(); };
  hb().Key('B', 'b');
  EXPECT_THROW(Application->ProcessMessages(), HeadlessStall);
  EXPECT_EQ(hb().MessageBoxes().size(), 5u);
}

TEST_F(WindowsTest, ActionsRunTheirHandler) {
  TAction action(nullptr);
  TObject* sender = nullptr;
  EXPECT_FALSE(action.Execute());
  action.OnExecute = [&](TObject* s) { sender = s; };
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(sender, &action);
}

TEST_F(WindowsTest, MessageBoxesAndLinksGoToTheDesktop) {
  MessageBox(nullptr, "B\263\271d", "Tytu\263", MB_OK | MB_ICONINFORMATION);
  ASSERT_EQ(hb().MessageBoxes().size(), 1u);
  EXPECT_EQ(hb().MessageBoxes()[0].text, "Błąd");
  EXPECT_EQ(hb().MessageBoxes()[0].caption, "Tytuł");
  EXPECT_TRUE(ShellOpen("https://example.org"));
  EXPECT_EQ(hb().OpenedUrls().back(), "https://example.org");
}

}  // namespace
