#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "toolkit/Csynchloop.h"

namespace {

using testsupport::HeadlessTest;

// The headless virtual clock as the pacer sees it: sleeps go to the back end
// (which records them and moves its clock on) and every counter reading
// costs a few microseconds of busy time on top, as on a real machine.
class VirtualClock : public CSynchLoop::Clock {
 public:
  std::int64_t Counter() override {
    busyUs_ += kReadCostUs;
    return NowUs();
  }
  std::int64_t NowUs() const {
    std::int64_t c = 0;
    QueryPerformanceCounter(&c);
    return c + busyUs_;
  }
  static constexpr int kReadCostUs = 5;

 private:
  std::int64_t busyUs_ = 0;
};

// A machine without a high-resolution counter: only the tick count.
class TickClock : public CSynchLoop::Clock {
 public:
  bool Frequency(std::int64_t&) override { return false; }
  std::int64_t Counter() override {
    ADD_FAILURE() << "the counter is read in tick-count mode";
    return 0;
  }
  std::uint32_t TickCount() override { return ticks; }
  void Sleep(unsigned ms) override {
    ticks += ms;
    ++sleeps;
  }
  std::uint32_t ticks = 0;
  int sleeps = 0;
};

class SynchLoopTest : public HeadlessTest {
 protected:
  // Waits for a frame; returns the time of the return and counts the sleeps.
  std::int64_t Frame(CSynchLoop& loop, int& sleeps) {
    std::size_t before = hb().Sleeps().size();
    loop.WaitForNextFrame();
    sleeps = int(hb().Sleeps().size() - before);
    return clock.NowUs();
  }
  std::int64_t Frame(CSynchLoop& loop) {
    int sleeps;
    return Frame(loop, sleeps);
  }
  VirtualClock clock;
};

TEST_F(SynchLoopTest, FirstWaitReturnsAtOnceOnTheSystemClock) {
  CSynchLoop loop(28);
  EXPECT_FALSE(loop.TickCountMode());
  std::int64_t t0 = hb().NowMs();
  loop.WaitForNextFrame();
  loop.SetPeriod(40);
  loop.WaitForNextFrame();
  EXPECT_EQ(hb().NowMs(), t0);
  EXPECT_TRUE(hb().Sleeps().empty());
}

TEST_F(SynchLoopTest, FramesComeOnePeriodApartAsleepMostOfTheTime) {
  CSynchLoop loop(28, &clock);
  int sleeps = -1;
  std::int64_t last = Frame(loop, sleeps);
  EXPECT_EQ(sleeps, 0);  // the first frame is due at once
  for (int work : {0, 0, 10, 20, 3}) {
    hb().AdvanceTime(work);  // the frame's own work
    std::int64_t now = Frame(loop, sleeps);
    EXPECT_GE(now - last, 28000) << "work " << work;
    EXPECT_LE(now - last, 28000 + VirtualClock::kReadCostUs) << "work " << work;
    // Sleeps cover all but the last millisecond of what is left.
    EXPECT_GE(sleeps, 28 - work - 2) << "work " << work;
    EXPECT_LE(sleeps, 28 - work) << "work " << work;
    last = now;
  }
  for (unsigned ms : hb().Sleeps()) EXPECT_EQ(ms, 1u);
}

TEST_F(SynchLoopTest, LateFrameIsNotMadeUp) {
  CSynchLoop loop(28, &clock);
  Frame(loop);
  Frame(loop);
  hb().AdvanceTime(100);  // a stall of more than three periods
  int sleeps = -1;
  std::int64_t before = clock.NowUs();
  std::int64_t late = Frame(loop, sleeps);
  EXPECT_EQ(sleeps, 0);
  EXPECT_LE(late - before, VirtualClock::kReadCostUs);
  // The next frame is a whole period after the late one, and so are the following.
  std::int64_t next = Frame(loop);
  EXPECT_GE(next - late, 28000);
  EXPECT_LE(next - late, 28000 + VirtualClock::kReadCostUs);
  EXPECT_GE(Frame(loop) - next, 28000);
}

TEST_F(SynchLoopTest, FrameDueWithinAMillisecondReturnsWithoutWaiting) {
  // The first sleep is taken to have lasted a millisecond; when that already
  // reaches the target, the call returns early and records that millisecond
  // ahead as its wake-up.
  CSynchLoop loop(28, &clock);
  std::int64_t first = Frame(loop);
  hb().AdvanceTime(27);
  int sleeps = -1;
  std::int64_t second = Frame(loop, sleeps);
  EXPECT_EQ(sleeps, 0);
  EXPECT_LT(second - first, 28000);
  // The next frame is due a period after that wake-up, so these two frames
  // together take two periods.
  std::int64_t third = Frame(loop);
  EXPECT_GT(third - second, 28000);
  EXPECT_LE(third - second, 29000 + VirtualClock::kReadCostUs);
  EXPECT_GE(third - first, 56000);
  EXPECT_LE(third - first, 56000 + 2 * VirtualClock::kReadCostUs);
}

TEST_F(SynchLoopTest, PeriodsOfOneAndTwoMillisecondsNeverSleep) {
  for (unsigned period : {1u, 2u}) {
    CSynchLoop loop(period, &clock);
    std::int64_t last = Frame(loop);
    for (int i = 0; i < 5; ++i) {
      std::int64_t now = Frame(loop);
      EXPECT_GE(now - last, std::int64_t(period) * 1000);
      EXPECT_LE(now - last, std::int64_t(period) * 1000 + VirtualClock::kReadCostUs);
      last = now;
    }
  }
  EXPECT_TRUE(hb().Sleeps().empty());
  // Three milliseconds do sleep.
  CSynchLoop loop(3, &clock);
  Frame(loop);
  int sleeps = 0;
  Frame(loop, sleeps);
  EXPECT_GT(sleeps, 0);
}

TEST_F(SynchLoopTest, SetPeriodRestartsTheTimingAtTheNewPeriod) {
  CSynchLoop loop(28, &clock);
  Frame(loop);
  Frame(loop);
  loop.SetPeriod(40);
  int sleeps = -1;
  std::int64_t before = clock.NowUs();
  std::int64_t last = Frame(loop, sleeps);
  EXPECT_EQ(sleeps, 0);
  EXPECT_LE(last - before, VirtualClock::kReadCostUs);
  for (int i = 0; i < 4; ++i) {
    std::int64_t now = Frame(loop);
    EXPECT_GE(now - last, 40000);
    EXPECT_LE(now - last, 40000 + VirtualClock::kReadCostUs);
    last = now;
  }
}

TEST_F(SynchLoopTest, TickCountModeWaitsForTheFirstTickAfterThePeriod) {
  TickClock ticks;
  ticks.ticks = 1000;
  CSynchLoop loop(28, &ticks);
  EXPECT_TRUE(loop.TickCountMode());
  loop.WaitForNextFrame();  // at once
  EXPECT_EQ(ticks.sleeps, 0);
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.ticks, 1028u);
  EXPECT_EQ(ticks.sleeps, 28);
  ticks.ticks += 10;  // work
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.ticks, 1056u);
  ticks.ticks += 40;  // late: no catch-up
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.ticks, 1096u);
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.ticks, 1124u);
}

TEST_F(SynchLoopTest, TickCountWrapRestartsTheTimingWithoutWaiting) {
  TickClock ticks;
  CSynchLoop loop(28, &ticks);
  ticks.ticks = 0xFFFFFF00u;
  loop.WaitForNextFrame();
  // The tick count wraps past 2^32 before the next frame: no wait.
  ticks.ticks = 5;
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.sleeps, 0);
  EXPECT_EQ(ticks.ticks, 5u);
  // Timing goes on from the wrapped value.
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.ticks, 33u);
  // A period that would end past the wrap is not waited for either
  // (the end is summed in 32 bits).
  ticks.ticks = 0xFFFFFFF0u;
  loop.WaitForNextFrame();
  int before = ticks.sleeps;
  ticks.ticks = 0xFFFFFFF2u;
  loop.WaitForNextFrame();
  EXPECT_EQ(ticks.sleeps, before);
}

}  // namespace
