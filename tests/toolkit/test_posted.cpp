#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "toolkit/Cposteventshandling.h"

namespace {

using testsupport::HeadlessTest;

class PostedCallTest : public HeadlessTest {
 protected:
  static void Post(std::function<void()> code) { CPostEventsHandling::Instance()->Post(TDeferredCall{nullptr, std::move(code)}); }
};

// A component with a method to call later.
class Target : public TComponent {
 public:
  explicit Target(std::vector<std::string>* log) : TComponent(nullptr), log_(log) {}
  void Stop() { log_->push_back("stop"); }

 private:
  std::vector<std::string>* log_;
};

TEST_F(PostedCallTest, CallPostedInAHandlerRunsAfterItReturns) {
  TForm f(nullptr);
  f.SetBounds(0, 0, 100, 100);
  f.Show();
  std::vector<std::string> log;
  auto nested = [&] {
    Post([&] { log.push_back("call"); });
    log.push_back("nested done");
  };
  f.OnKeyPress = [&](TObject*, char&) {
    nested();
    log.push_back("handler done");
  };
  hb().Key('A', 'a');
  Application->ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"nested done", "handler done", "call"}));
}

TEST_F(PostedCallTest, CallsRunInOrderEachInItsOwnTurn) {
  std::vector<int> ran;
  for (int i = 1; i <= 3; ++i) Post([&ran, i] { ran.push_back(i); });
  Application->HandleMessage();
  EXPECT_EQ(ran, (std::vector<int>{1}));
  Application->HandleMessage();
  Application->HandleMessage();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST_F(PostedCallTest, OtherMessagesReachTheirWindowsAndCallsReachNoOne) {
  TForm f(nullptr);
  f.SetBounds(0, 0, 100, 100);
  f.Show();
  std::string keys;
  f.OnKeyPress = [&](TObject*, char& k) { keys += k; };
  int calls = 0;
  Post([&] { ++calls; });  // the instance now hooks the loop
  std::vector<UINT> seenLater;
  TCustomApplicationEvents later(nullptr);
  later.OnMessage = [&](TMsg& m, bool&) { seenLater.push_back(m.message); };
  PostMessage(f.Handle(), WM_CHAR, 'q', 0);
  Post([&] { ++calls; });
  Post(nullptr);  // an empty call is taken out and does nothing
  PostMessage(Application->Handle(), PostedCallMessage, 987654, 0);  // carries no call of ours
  hb().Key('W', 'w');
  Application->ProcessMessages();
  EXPECT_EQ(keys, "qw");
  EXPECT_EQ(calls, 2);
  // The hook registered after the instance never sees a posted call.
  EXPECT_EQ(seenLater, (std::vector<UINT>{WM_CHAR, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(PostedCallTest, CallRunsFromAModalLoopAfterTheIdleHandler) {
  // A modal game window whose idle frame step asks for its own end.
  TForm game(nullptr);
  game.SetBounds(0, 0, 200, 200);
  std::vector<std::string> log;
  int frames = 0;
  bool inIdle = false;
  Application->OnIdle = [&](TObject*, bool& done) {
    inIdle = true;
    if (++frames == 3)
      Post([&] {
        log.push_back(inIdle ? "stop inside idle" : "stop");
        game.ModalResult = mrOk;
      });
    inIdle = false;
    done = false;
  };
  EXPECT_EQ(game.ShowModal(), mrOk);
  EXPECT_EQ(log, (std::vector<std::string>{"stop"}));
  EXPECT_EQ(frames, 3);
}

TEST_F(PostedCallTest, BoundMethodRunsOnItsObject) {
  std::vector<std::string> log;
  Target t(&log);
  CPostEventsHandling::Instance()->Post(DeferredCall(&t, &Target::Stop));
  Application->ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"stop"}));
  EXPECT_EQ(t.ComponentCount(), 0);  // nothing is left attached to the object
}

TEST_F(PostedCallTest, CallOfADestroyedComponentDoesNothing) {
  std::vector<std::string> log;
  auto gone = std::make_unique<Target>(&log);
  Target kept(&log);
  CPostEventsHandling::Instance()->Post(DeferredCall(gone.get(), &Target::Stop));
  CPostEventsHandling::Instance()->Post(DeferredCall(&kept, &Target::Stop));
  gone.reset();
  int later = 0;
  Post([&] { ++later; });
  Application->ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"stop"}));
  EXPECT_EQ(later, 1);
}

}  // namespace
