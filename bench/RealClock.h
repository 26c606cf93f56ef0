// The machine's own clock for the benchmarks that time frames: the headless
// back end with the monotonic clock and real sleeps in place of the virtual ones.
#pragma once
#include <time.h>

#include <cstdint>
#include <memory>

#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"

namespace benchclock {

inline std::int64_t MonotonicNs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline std::int64_t CpuNs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline void SleepNs(std::int64_t ns) {
  timespec ts{time_t(ns / 1000000000), long(ns % 1000000000)};
  while (nanosleep(&ts, &ts) != 0) {
  }
}

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

// Installs the real clock (once) with a fresh application state.
inline RealClockBackend& InstallRealClock() {
  if (auto* b = dynamic_cast<RealClockBackend*>(&CurrentBackend())) return *b;
  InstallBackend(std::make_unique<RealClockBackend>());
  Application->ResetForTests();
  return static_cast<RealClockBackend&>(CurrentBackend());
}

}  // namespace benchclock
