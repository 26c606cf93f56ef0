// The RIFF WAVE check from untrusted bytes: the format and length it reports,
// and the headless sound device, which takes what the check lets through.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/HeadlessBackend.h"
#include "platform/Mmsystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static HeadlessBackend* device = new HeadlessBackend;
  WaveFormat f;
  const bool ok = ReadWaveFormat(data, size, f);
  const int ms = WaveDurationMs(data, size);
  if (ok != (ms >= 0) || (!IsRiffWave(data, size) && ok)) __builtin_trap();
  if (ok) {
    if ((f.channels != 1 && f.channels != 2) || (f.bits != 8 && f.bits != 16) || f.rate < 4000 || f.rate > 96000)
      __builtin_trap();
    if (f.dataOffset > size || f.dataBytes > size - f.dataOffset) __builtin_trap();
    // The length is what the data holds, at the format's byte rate.
    if (std::uint64_t(ms) != std::uint64_t(f.dataBytes) * 1000 / (std::uint64_t(f.rate) * f.channels * f.bits / 8))
      __builtin_trap();
  }
  const std::vector<std::uint8_t> wave(data, data + size);
  device->ClearSounds();
  const bool played = device->PlaySound("fuzz", wave, false);
  if (played != ok) __builtin_trap();
  return 0;
}
