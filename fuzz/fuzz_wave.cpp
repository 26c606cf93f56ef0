// The RIFF WAVE reader from untrusted bytes: the length it reports, and the
// headless sound device, which takes any file the program would play.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/HeadlessBackend.h"
#include "platform/Mmsystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int ms = WaveDurationMs(data, size);
  if (ms < -1) __builtin_trap();
  if (!IsRiffWave(data, size) && ms != -1) __builtin_trap();
  // A length comes from data bytes that are there, at a byte rate of at least one.
  if (ms >= 0 && std::uint64_t(ms) > std::uint64_t(size) * 1000) __builtin_trap();

  const std::vector<std::uint8_t> wave(data, data + size);
  if (WaveDurationMs(wave) != ms) __builtin_trap();
  static HeadlessBackend* device = new HeadlessBackend;
  device->ClearSounds();
  const bool played = device->PlaySound("fuzz", wave, false);
  if (played != (ms >= 0)) __builtin_trap();
  return 0;
}
