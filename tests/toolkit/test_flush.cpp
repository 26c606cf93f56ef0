#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "toolkit/Universalfn.h"

namespace {

using testsupport::HeadlessTest;

// A queued message as (number, label); the label is the x of its lParam.
using Entry = std::pair<UINT, int>;

class FlushTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 300);
    other = std::make_unique<TForm>(nullptr);
    other->SetBounds(400, 0, 300, 300);
  }
  void Queue(UINT msg, int label, HWND to = nullptr) { PostMessage(to ? to : form->Handle(), msg, 0, MakeLParam(label, 0)); }
  // Takes everything queued for the window, in order.
  std::vector<Entry> Drain(HWND hwnd) {
    std::vector<Entry> out;
    TMsg m;
    while (PeekMessage(&m, hwnd, 0, 0, PM_REMOVE)) out.emplace_back(m.message, GetXLParam(m.lParam));
    return out;
  }
  std::unique_ptr<TForm> form, other;
};

TEST_F(FlushTest, KeepsFirstAndLastMoveAndDropsClicks) {
  Queue(WM_MOUSEMOVE, 1);
  Queue(WM_LBUTTONDOWN, 2);
  Queue(WM_LBUTTONUP, 3);
  Queue(WM_MOUSEMOVE, 4);
  Queue(WM_MOUSEMOVE, 5);
  FlushMouseMessages(form->Handle(), 3, 0);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_MOUSEMOVE, 1}, {WM_MOUSEMOVE, 5}}));
}

TEST_F(FlushTest, ButtonUpSurvivesWithTheMoveBeforeIt) {
  Queue(WM_MOUSEMOVE, 1);
  Queue(WM_LBUTTONDOWN, 2);
  Queue(WM_MOUSEMOVE, 3);
  Queue(WM_LBUTTONUP, 4);
  Queue(WM_MOUSEMOVE, 5);
  Queue(WM_LBUTTONUP, 6);  // only the first release survives
  FlushMouseMessages(form->Handle(), 3, WM_LBUTTONUP);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_MOUSEMOVE, 1}, {WM_MOUSEMOVE, 3}, {WM_LBUTTONUP, 4}, {WM_MOUSEMOVE, 5}}));
}

TEST_F(FlushTest, NoMessageIsPostedTwice) {
  Queue(WM_MOUSEMOVE, 1);
  FlushMouseMessages(form->Handle(), 3, WM_LBUTTONUP);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_MOUSEMOVE, 1}}));
  // The move before the release is the first move.
  Queue(WM_MOUSEMOVE, 1);
  Queue(WM_LBUTTONUP, 2);
  Queue(WM_MOUSEMOVE, 3);
  FlushMouseMessages(form->Handle(), 3, WM_LBUTTONUP);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_MOUSEMOVE, 1}, {WM_LBUTTONUP, 2}, {WM_MOUSEMOVE, 3}}));
  // The last move is the one before the release.
  Queue(WM_MOUSEMOVE, 1);
  Queue(WM_MOUSEMOVE, 2);
  Queue(WM_LBUTTONUP, 3);
  FlushMouseMessages(form->Handle(), 3, WM_LBUTTONUP);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_MOUSEMOVE, 1}, {WM_MOUSEMOVE, 2}, {WM_LBUTTONUP, 3}}));
}

TEST_F(FlushTest, FlagsChooseTheMovesKept) {
  auto run = [&](unsigned flags) {
    Queue(WM_MOUSEMOVE, 1);
    Queue(WM_MOUSEWHEEL, 2);
    Queue(WM_MOUSEMOVE, 3);
    Queue(WM_RBUTTONDBLCLK, 4);
    Queue(WM_XBUTTONDBLCLK, 5);
    FlushMouseMessages(form->Handle(), flags, 0);
    return Drain(nullptr);
  };
  EXPECT_EQ(run(0), (std::vector<Entry>{}));
  EXPECT_EQ(run(1), (std::vector<Entry>{{WM_MOUSEMOVE, 1}}));
  EXPECT_EQ(run(2), (std::vector<Entry>{{WM_MOUSEMOVE, 3}}));
  // Nothing queued: nothing happens.
  FlushMouseMessages(form->Handle(), 3, WM_LBUTTONUP);
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{}));
}

TEST_F(FlushTest, OtherWindowsAndOtherMessagesKeepTheirPlace) {
  Queue(WM_MOUSEMOVE, 1);
  Queue(WM_LBUTTONDOWN, 2, other->Handle());
  Queue(WM_USER + 7, 3);
  Queue(WM_LBUTTONDOWN, 4);
  Queue(WM_MOUSEMOVE + 0x0E, 5);  // past the mouse range
  PostMessage(nullptr, WM_KEYDOWN, VK_SPACE, 0);
  Queue(WM_MOUSEMOVE, 6);
  FlushMouseMessages(form->Handle(), 3, 0);
  EXPECT_EQ(Drain(other->Handle()), (std::vector<Entry>{{WM_LBUTTONDOWN, 2}}));
  EXPECT_EQ(Drain(nullptr), (std::vector<Entry>{{WM_USER + 7, 3}, {WM_MOUSEMOVE + 0x0E, 5}, {WM_KEYDOWN, 0}, {WM_MOUSEMOVE, 1}, {WM_MOUSEMOVE, 6}}));
}

TEST_F(FlushTest, ControlVariantKeepsTheReleaseOfItsButton) {
  const std::pair<int, UINT> cases[] = {{mbLeft, WM_LBUTTONUP}, {mbRight, WM_RBUTTONUP}, {mbMiddle, WM_MBUTTONUP}, {-1, 0}, {7, 0}};
  for (auto [button, up] : cases) {
    for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP, WM_XBUTTONUP}) Queue(release, int(release));
    FlushControlMouseMessages(form.get(), 3, button);
    std::vector<Entry> expected;
    if (up) expected.emplace_back(up, int(up));
    EXPECT_EQ(Drain(nullptr), expected) << "button " << button;
  }
}

TEST_F(FlushTest, InputArrivingDuringABlockingAnimationIsFlushed) {
  form->Show();
  int downs = 0;
  std::vector<int> moves, ups;
  form->OnMouseMove = [&](TObject*, TShiftState, int x, int) { moves.push_back(x); };
  form->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int) { ups.push_back(x); };
  form->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int, int) {
    if (++downs > 1) return;
    Sleep(40);  // the animation; the input below arrives meanwhile
    FlushControlMouseMessages(form.get(), 3, button);
  };
  hb().Click(50, 50);
  hb().MouseMove(60, 60, 10);
  hb().Click(70, 70, 1, 20);  // a second click during the animation is lost
  hb().MouseMove(80, 80, 30);
  Application->ProcessMessages();
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, (std::vector<int>{50}));  // the release of the click being handled
  EXPECT_EQ(moves.front(), 50);
  EXPECT_EQ(moves.back(), 80);
  EXPECT_EQ(moves.size(), 3u);
}

TEST_F(FlushTest, FlagSixteenReleasesTheWindowsCapture) {
  form->Show();
  other->Show();
  hb().MouseDown(50, 50);  // the press captures the mouse
  FlushMouseMessages(form->Handle(), 3, 0);
  EXPECT_EQ(GetCapture(), form.get());
  FlushMouseMessages(other->Handle(), 16, 0);  // another window's capture stays
  EXPECT_EQ(GetCapture(), form.get());
  FlushMouseMessages(form->Handle(), 16 | 3, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(hb().MouseCaptured());
}

TEST_F(FlushTest, ControlCursorShowsAtOnceAndLaterMovesStillFollowControls) {
  TBitmap pic;
  pic.SetPixelFormat(pf24bit);
  pic.SetSize(8, 8);
  HCURSOR hand = CreatePictureCursor(pic, pic, 1, 1);
  HCURSOR wait = CreatePictureCursor(pic, pic, 2, 2);
  Screen->SetCursors(1, hand);
  Screen->SetCursors(2, wait);
  auto* img = new TImage(form.get());
  img->SetParent(form.get());
  img->SetBounds(0, 0, 20, 20);
  img->Cursor = 1;
  form->Show();
  hb().MouseMove(100, 100);
  Application->ProcessMessages();
  SetControlCursor(form.get(), 2);
  EXPECT_EQ(form->Cursor, 2);
  EXPECT_EQ(hb().Cursor(), wait);  // no mouse move needed
  SetControlCursor(form.get(), crDefault);
  EXPECT_EQ(form->Cursor, crDefault);
  EXPECT_EQ(hb().Cursor(), nullptr);
  // Over the control its own cursor shows; setting the window's cursor shows
  // that at once, and the next move over the control brings the control's back.
  hb().MouseMove(5, 5);
  Application->ProcessMessages();
  EXPECT_EQ(hb().Cursor(), hand);
  SetControlCursor(form.get(), crDefault);
  EXPECT_EQ(hb().Cursor(), nullptr);
  hb().MouseMove(6, 6);
  Application->ProcessMessages();
  EXPECT_EQ(hb().Cursor(), hand);
  Screen->SetCursors(1, nullptr);
  Screen->SetCursors(2, nullptr);
  hb().FreeCursor(hand);
  hb().FreeCursor(wait);
}

}  // namespace
