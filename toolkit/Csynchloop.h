// Frame pacing: holds a frame loop to a fixed period.
#pragma once
#include <cstdint>

// Each WaitForNextFrame returns one period after the previous return. It
// sleeps in 1 ms steps while one more sleep is predicted to end before the
// deadline and busy-waits on the high-resolution counter for the rest. A late
// frame is not made up: the next period counts from the late return.
//
// Without a high-resolution counter it works on the millisecond tick count;
// that mode is marked by the high half of the last wake-up being all ones.
class CSynchLoop {
 public:
  // Where the loop reads the time and how it sleeps. The base class is the
  // system's (QueryPerformanceCounter/Frequency, GetTickCount, Sleep);
  // tests put a clock of their own in its place.
  class Clock {
   public:
    virtual ~Clock() = default;
    // Ticks per second of the counter; false when there is no counter.
    virtual bool Frequency(std::int64_t& ticksPerSecond);
    virtual std::int64_t Counter();
    virtual std::uint32_t TickCount();
    virtual void Sleep(unsigned ms);
  };

  // Raises the system timer resolution to 1 ms for the object's life.
  // The clock (not owned) must outlive the object; null is the system's.
  explicit CSynchLoop(unsigned periodMs, Clock* clock = nullptr);
  ~CSynchLoop();
  CSynchLoop(const CSynchLoop&) = delete;
  CSynchLoop& operator=(const CSynchLoop&) = delete;

  // Chooses the mode and restarts the timing: the next wait returns at once.
  void SetPeriod(unsigned periodMs);
  // Returns when the next frame is due; at once once a termination is requested.
  void WaitForNextFrame();

  // True while working on the tick count (no high-resolution counter).
  bool TickCountMode() const { return (std::uint64_t(lastWake_) >> 32) == 0xFFFFFFFFu; }

 private:
  void WaitTickCount();
  void WaitCounter();

  std::int64_t frequency_ = 0;       // counter ticks per second
  std::int64_t lastWake_ = 0;        // counter at the last return, or the tick-count mark
  std::int64_t ticksPerPeriod_ = 0;  // counter ticks in one period
  std::uint32_t period_ = 0;         // milliseconds
  Clock* clock_;
};
