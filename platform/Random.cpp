#include "platform/Random.h"

#include <ctime>

namespace {
std::uint64_t g_runtimeState = 1;
std::uint32_t g_libraryState = 0;
RandomScript* g_script = nullptr;

void StepRuntime() { g_runtimeState = g_runtimeState * 0x015A4E35ull + 1; }
}  // namespace

std::int32_t Random31() {
  if (g_script && g_script->random31) return g_script->random31();
  StepRuntime();
  return std::int32_t((g_runtimeState >> 32) & 0x7FFFFFFF);
}

int Rand15() {
  if (g_script && g_script->rand15) return g_script->rand15();
  StepRuntime();
  return int((g_runtimeState >> 16) & 0x7FFF);
}

int RandomRange(int from, int to) {
  if (g_script && g_script->randomRange) return g_script->randomRange(from, to);
  if (to <= from) return from;
  // The class library's generator: state = state * 0x08088405 + 1 (mod 2^32),
  // a draw below n being the high half of state * n.
  g_libraryState = g_libraryState * 0x08088405u + 1;
  std::uint32_t span = std::uint32_t(std::int64_t(to) - from);
  return from + int((std::uint64_t(g_libraryState) * span) >> 32);
}

void SeedRandom(std::uint64_t runtimeSeed, std::uint32_t libraryState) {
  g_runtimeState = runtimeSeed;
  g_libraryState = libraryState;
}

void Randomize() {
  std::time_t now = std::time(nullptr);
  SeedRandom(std::uint64_t(now), std::uint32_t(now));
}

ScopedRandomScript::ScopedRandomScript(RandomScript script) : previous_(g_script), script_(std::move(script)) {
  g_script = &script_;
}

ScopedRandomScript::~ScopedRandomScript() { g_script = previous_; }
