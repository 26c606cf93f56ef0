#include "toolkit/Csynchloop.h"

#include "platform/Termination.h"
#include "platform/WinApi.h"

namespace {
CSynchLoop::Clock g_systemClock;

constexpr std::uint64_t kTickMark = 0xFFFFFFFF00000000ull;
constexpr int kSpinsPerRead = 1000;
}  // namespace

bool CSynchLoop::Clock::Frequency(std::int64_t& ticksPerSecond) { return QueryPerformanceFrequency(&ticksPerSecond) != 0; }

std::int64_t CSynchLoop::Clock::Counter() {
  std::int64_t c = 0;
  QueryPerformanceCounter(&c);
  return c;
}

std::uint32_t CSynchLoop::Clock::TickCount() { return GetTickCount(); }

void CSynchLoop::Clock::Sleep(unsigned ms) { ::Sleep(ms); }

CSynchLoop::CSynchLoop(unsigned periodMs, Clock* clock) : clock_(clock ? clock : &g_systemClock) {
  timeBeginPeriod(1);
  SetPeriod(periodMs);
}

CSynchLoop::~CSynchLoop() { timeEndPeriod(1); }

void CSynchLoop::SetPeriod(unsigned periodMs) {
  period_ = periodMs;
  if (clock_->Frequency(frequency_)) {
    ticksPerPeriod_ = frequency_ * std::int64_t(period_) / 1000;
    lastWake_ = 0;
  } else {
    lastWake_ = std::int64_t(kTickMark);
  }
}

void CSynchLoop::WaitForNextFrame() {
  // A program that is ending runs what is left of an animation without waiting.
  if (TerminationRequested()) return;
  if (TickCountMode()) WaitTickCount();
  else WaitCounter();
}

void CSynchLoop::WaitTickCount() {
  std::uint32_t now = clock_->TickCount();
  const std::uint32_t last = std::uint32_t(lastWake_);
  // After the tick count has wrapped there is nothing to wait for.
  if (now >= last) {
    while (std::uint32_t(last + period_) > now) {
      clock_->Sleep(1);
      now = clock_->TickCount();
    }
  }
  lastWake_ = std::int64_t(kTickMark | now);
}

void CSynchLoop::WaitCounter() {
  std::int64_t now = clock_->Counter();
  const std::int64_t target = lastWake_ + ticksPerPeriod_;
  if (target <= now) {
    // Late (or the first frame): no lost frame is made up.
    lastWake_ = now;
    return;
  }
  std::int64_t previous = now;
  if (period_ > 2) {
    // Sleep while one more 1 ms sleep, as long as the last one, ends before
    // the target. The first prediction takes the sleep before as 1 ms.
    now += frequency_ / 1000;
    for (;;) {
      const std::int64_t predicted = 2 * now - previous;
      if (target <= predicted) break;
      previous = now;
      clock_->Sleep(1);
      now = clock_->Counter();
    }
  }
  while (target > now) {
    now = clock_->Counter();
    for (int i = 0; i < kSpinsPerRead; ++i) asm volatile("" ::: "memory");  // kept by the compiler
  }
  lastWake_ = now;
}
