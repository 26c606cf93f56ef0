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

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "bench/RealClock.h"
#include "toolkit/Csynchloop.h"

namespace {

using namespace benchclock;

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

}  // namespace
