// Termination requests: the signals' handling, and the loops and waits
// acting on a request.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <thread>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "platform/Mmsystem.h"
#include "platform/Termination.h"
#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"

namespace {

// The first signal of the three is only noted, and makes the wake-up
// descriptor readable; a second one, whichever, ends the process at once.
void FirstThenSecond(int first, int second) {
  CatchTerminationSignals();
  std::raise(first);
  pollfd p{TerminationFd(), POLLIN, 0};
  if (!TerminationRequested() || ::poll(&p, 1, 0) != 1) std::_Exit(3);
  std::raise(second);
  std::_Exit(4);
}

TEST(TerminationSignals, TheFirstIsNotedAndTheSecondEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int first : {SIGTERM, SIGINT, SIGHUP})
    for (int second : {SIGTERM, SIGINT, SIGHUP})
      EXPECT_EXIT(FirstThenSecond(first, second), testing::KilledBySignal(second), "") << first << " " << second;
}

// A process the program forks (the desktop's message box) ends on the signal
// as any process does; a sleep ends when the signal comes.
void ChildThenSleep() {
  CatchTerminationSignals();
  const pid_t child = ::fork();
  if (child == 0) {
    std::raise(SIGTERM);
    std::_Exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGTERM || TerminationRequested()) std::_Exit(3);
  const auto start = std::chrono::steady_clock::now();
  std::thread signal([] {
    ::usleep(20000);
    ::kill(::getpid(), SIGTERM);
  });
  SleepUnlessTerminated(60000);
  signal.join();
  const auto slept = std::chrono::steady_clock::now() - start;
  std::_Exit(TerminationRequested() && slept < std::chrono::seconds(30) ? 0 : 4);
}

TEST(TerminationSignals, AForkedChildEndsOnTheSignalAndASleepEndsWithIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ChildThenSleep(), testing::ExitedWithCode(0), "");
}

class Termination : public testsupport::HeadlessTest {};

// A window that counts the close requests it gets and refuses them.
struct Refusing : TForm {
  using TForm::TForm;
  int requests = 0;
  void WMClose() override { ++requests; }
};

// The request reaches the loop once: the active window is asked to close
// (and may not refuse: its modal loop ends all the same), input given
// before or after is not played, and every loop, also one begun later,
// ends at once.
TEST_F(Termination, EveryLoopEndsAndTheActiveWindowIsAskedToCloseOnce) {
  TForm main(nullptr);
  main.SetBounds(0, 0, 1024, 768);
  main.Show();
  Application->MainForm = &main;
  Refusing dialog(nullptr);
  dialog.SetBounds(100, 100, 200, 100);
  int keys = 0;
  dialog.OnKeyPress = [&](TObject*, char&) { ++keys; };
  hb().Then([&] {
    hb().Key('A', 'a');
    hb().Terminate();
    hb().Key('B', 'b');
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(dialog.requests, 1);
  EXPECT_EQ(keys, 0);
  EXPECT_TRUE(Application->Terminated);
  Refusing later(nullptr);
  later.SetBounds(100, 100, 200, 100);
  EXPECT_EQ(later.ShowModal(), mrCancel);
  EXPECT_EQ(later.requests, 0);
  Application->Run();
  Application->MainForm = nullptr;
}

// A signal that comes during a sleep or a sound played to its end cuts it
// short; the waits after it end at once.
TEST_F(Termination, ASignalCutsASleepOrASoundShort) {
  const std::int64_t start = hb().NowMs();
  hb().Terminate(300);
  Sleep(1000);
  EXPECT_EQ(hb().NowMs() - start, 300);
  Sleep(1000);
  EXPECT_EQ(hb().NowMs() - start, 300);
  hb().Reset();
  hb().Terminate(200);
  const std::int64_t played = hb().NowMs();
  testsupport::TempDir dir;
  ASSERT_TRUE(WriteWaveFile(dir.File("two.wav"), std::vector<std::int16_t>(4000 * 2, 0), 4000));
  const std::vector<std::uint8_t> wave = ReadSoundFile(dir.File("two.wav"), kMaxSoundFileBytes);
  EXPECT_TRUE(PlayWave("two seconds", wave, SND_SYNC));
  EXPECT_EQ(hb().NowMs() - played, 200);
}

}  // namespace
