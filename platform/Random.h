// The program's pseudo-random draws. All are seeded once, at start-up.
//
//  Random31     the runtime's 31-bit draw: a 64-bit state multiplied by
//               0x015A4E35 plus 1, the draw being the state's high 32 bits
//               masked with 0x7FFFFFFF.
//  Rand15       the runtime's rand(), 0..32767: bits 16..30 of the same
//               state after the same step (the two draws share one state).
//  RandomRange  the class library's uniform draw from a to b - 1, on a
//               generator of its own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

std::int32_t Random31();
int Rand15();
int RandomRange(int from, int to);  // from when the range is empty

// Swaps each position i from the first to the last but one with a position
// drawn by RandomRange(i, n). With n of 0 or 1 nothing happens; v holds at
// least n items.
template <class T>
void ShuffleInts(std::vector<T>& v, int n) {
  for (int i = 0; i < n - 1; ++i) {
    int j = RandomRange(i, n);
    if (j != i) std::swap(v[std::size_t(i)], v[std::size_t(j)]);
  }
}

// Seeds both generators from the current time in seconds.
void Randomize();
void SeedRandom(std::uint64_t runtimeSeed, std::uint32_t libraryState);

// Tests replace the draws; unset members keep the real generator.
struct RandomScript {
  std::function<std::int32_t()> random31;
  std::function<int()> rand15;
  std::function<int(int, int)> randomRange;
};

// Installs a script for the lifetime of the object.
class ScopedRandomScript {
 public:
  explicit ScopedRandomScript(RandomScript script);
  ~ScopedRandomScript();
  ScopedRandomScript(const ScopedRandomScript&) = delete;
  ScopedRandomScript& operator=(const ScopedRandomScript&) = delete;

 private:
  RandomScript* previous_;
  RandomScript script_;
};
