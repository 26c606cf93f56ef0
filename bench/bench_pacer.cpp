// Frame pacing on the real clock: 1,000 frames at the periods the truck game
// uses (28, 32 and 40 ms). Counters: mean_ms (mean period), p99_jitter_us
// and max_jitter_us (distance of a period from the target), cpu_pct (processor
// time over wall time, the busy-wait's share), sleeps_per_frame. Frames do
// either no work or a varying 0-15 ms of it (a sleep, so it costs no CPU).
//
// BM_PacerStall injects one 100 ms stall between two frames: stall_wait_us
// is how long the wait right after it took (about 0: it returns at once),
// next_period_ms the period after that, short_periods the number of later
// periods more than 1 ms short of the target (catch-up would show here).
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "toolkit/Csynchloop.h"

namespace {

std::int64_t MonotonicNs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

std::int64_t CpuNs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void SleepNs(std::int64_t ns) {
  timespec ts{time_t(ns / 1000000000), long(ns % 1000000000)};
  while (nanosleep(&ts, &ts) != 0) {
  }
}

// The headless back end with the machine's own clock and sleep in place of the virtual ones.
class RealClockBackend : public HeadlessBackend {
 public:
  std::int64_t PerformanceCounter() override { return MonotonicNs(); }
  std::int64_t PerformanceFrequency() override { return 1000000000; }
  void Sleep(unsigned ms) override {
    ++sleeps;
    SleepNs(std::int64_t(ms) * 1000000);
  }
  long sleeps = 0;
};

RealClockBackend& InstallRealClock() {
  if (auto* b = dynamic_cast<RealClockBackend*>(&CurrentBackend())) return *b;
  InstallBackend(std::make_unique<RealClockBackend>());
  Application->ResetForTests();
  return static_cast<RealClockBackend&>(CurrentBackend());
}

constexpr int kFrames = 1000;

void BM_PacerPeriod(benchmark::State& state) {
  const unsigned period = unsigned(state.range(0));
  const bool work = state.range(1) != 0;
  RealClockBackend& clock = InstallRealClock();
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> workUs(0, 15000);
  std::vector<double> periods;
  double cpuPct = 0;
  long sleeps = 0;
  for (auto _ : state) {
    periods.clear();
    CSynchLoop loop(period);
    loop.WaitForNextFrame();
    std::int64_t last = MonotonicNs();
    const std::int64_t cpu0 = CpuNs(), wall0 = last;
    const long sleeps0 = clock.sleeps;
    for (int i = 0; i < kFrames; ++i) {
      if (work) SleepNs(std::int64_t(workUs(rng)) * 1000);
      loop.WaitForNextFrame();
      const std::int64_t now = MonotonicNs();
      periods.push_back(double(now - last) / 1e6);
      last = now;
    }
    cpuPct = 100.0 * double(CpuNs() - cpu0) / double(last - wall0);
    sleeps = clock.sleeps - sleeps0;
  }
  double sum = 0;
  std::vector<double> jitter;
  for (double p : periods) {
    sum += p;
    jitter.push_back(std::fabs(p - period));
  }
  std::sort(jitter.begin(), jitter.end());
  state.counters["mean_ms"] = sum / double(periods.size());
  state.counters["p99_jitter_us"] = 1000 * jitter[std::size_t(double(jitter.size()) * 0.99)];
  state.counters["max_jitter_us"] = 1000 * jitter.back();
  state.counters["cpu_pct"] = cpuPct;
  state.counters["sleeps_per_frame"] = double(sleeps) / kFrames;
}
BENCHMARK(BM_PacerPeriod)
    ->ArgNames({"period", "work"})
    ->ArgsProduct({{28, 32, 40}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PacerStall(benchmark::State& state) {
  const unsigned period = unsigned(state.range(0));
  InstallRealClock();
  double stallWait = 0, nextPeriod = 0;
  int shortPeriods = 0;
  for (auto _ : state) {
    CSynchLoop loop(period);
    loop.WaitForNextFrame();
    for (int i = 0; i < 20; ++i) loop.WaitForNextFrame();
    SleepNs(100 * 1000000);  // the stall
    std::int64_t t0 = MonotonicNs();
    loop.WaitForNextFrame();
    std::int64_t late = MonotonicNs();
    stallWait = double(late - t0) / 1e6;
    loop.WaitForNextFrame();
    std::int64_t last = MonotonicNs();
    nextPeriod = double(last - late) / 1e6;
    shortPeriods = 0;
    for (int i = 0; i < 20; ++i) {
      loop.WaitForNextFrame();
      std::int64_t now = MonotonicNs();
      if (double(now - last) / 1e6 < period - 1.0) ++shortPeriods;
      last = now;
    }
  }
  state.counters["stall_wait_us"] = 1000 * stallWait;
  state.counters["next_period_ms"] = nextPeriod;
  state.counters["short_periods"] = shortPeriods;
}
BENCHMARK(BM_PacerStall)->ArgName("period")->Arg(28)->Arg(32)->Arg(40)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pacer with the processors busy (load from elsewhere on the machine
// plus `spinners` threads of this process that spin all the time), beside
// a plain clock_nanosleep to an absolute deadline measured in the same run.
// Counters: p99_dev_us and max_dev_us, the distance of a frame's start from
// its due time (pacer: from the previous frame's start plus the period).
std::vector<double> Deviations(std::vector<std::int64_t> starts, std::int64_t periodNs, bool absolute) {
  std::vector<double> dev;
  for (std::size_t i = 1; i < starts.size(); ++i) {
    const std::int64_t due = absolute ? starts[0] + std::int64_t(i) * periodNs : starts[i - 1] + periodNs;
    dev.push_back(std::fabs(double(starts[i] - due)) / 1e3);
  }
  std::sort(dev.begin(), dev.end());
  return dev;
}

void BM_PacerUnderLoad(benchmark::State& state) {
  const unsigned period = 28;
  const int frames = 300;
  const bool plain = state.range(1) != 0;
  std::atomic<bool> stop{false};
  std::vector<std::thread> spinners;
  for (int i = 0; i < state.range(0); ++i)
    spinners.emplace_back([&stop] {
      volatile std::uint64_t x = 0;
      while (!stop.load(std::memory_order_relaxed)) x = x + 1;
    });
  InstallRealClock();
  std::vector<double> dev;
  for (auto _ : state) {
    std::vector<std::int64_t> starts;
    if (plain) {
      timespec next;
      clock_gettime(CLOCK_MONOTONIC, &next);
      for (int i = 0; i <= frames; ++i) {
        starts.push_back(MonotonicNs());
        next.tv_nsec += long(period) * 1000000;
        if (next.tv_nsec >= 1000000000) {
          next.tv_nsec -= 1000000000;
          ++next.tv_sec;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) != 0) {
        }
      }
      // The sleep returned at each start; the first deadline is one period on.
      starts.erase(starts.begin());
    } else {
      CSynchLoop loop(period);
      loop.WaitForNextFrame();
      for (int i = 0; i < frames; ++i) {
        loop.WaitForNextFrame();
        starts.push_back(MonotonicNs());
      }
    }
    dev = Deviations(starts, std::int64_t(period) * 1000000, plain);
  }
  stop = true;
  for (std::thread& t : spinners) t.join();
  state.counters["p99_dev_us"] = dev[std::size_t(double(dev.size()) * 0.99)];
  state.counters["max_dev_us"] = dev.back();
  state.SetLabel(plain ? "clock_nanosleep to an absolute deadline" : "the pacer");
}
BENCHMARK(BM_PacerUnderLoad)
    ->ArgNames({"spinners", "plain"})
    ->ArgsProduct({{3}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
