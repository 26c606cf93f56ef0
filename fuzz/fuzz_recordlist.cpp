// The recordings' list file from untrusted bytes, over slots with and without
// their recording: a slot has a name exactly when its recording is there,
// and a recording stored then is named and dated in the list written. The
// same bytes as a recording are played only when they are one the recorder
// could have made.
//
// Input: 4 bytes saying which slots have a recording file (bits 0-29), one
// byte naming the slot to record into, then the list file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/IniFiles.h"
#include "platform/Mmsystem.h"
#include "shell/_cnagrywanie.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> recording = ReadRecordingFile(fuzzsupport::Put("r.wav", data, size));
  if (!recording.empty()) {
    WaveFormat f;
    if (!ReadWaveFormat(recording.data(), recording.size(), f) || f.channels != 1 || f.bits != 16 ||
        f.rate != kRecordRate || f.DurationMs() > kMaxRecordingMs)
      __builtin_trap();
  }

  if (size < 5) return 0;
  const std::uint32_t present = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16 |
                                std::uint32_t(data[3]) << 24;
  const int slot = data[4] % kRecordingSlots;
  const std::string folder = fuzzsupport::Scratch() + "/Nagrane";
  std::filesystem::remove_all(folder);
  fuzzsupport::Put("Nagrane/record.xtr", data + 5, size - 5);
  for (int i = 0; i < kRecordingSlots; ++i)
    if (present >> i & 1) fuzzsupport::Put("Nagrane/Nagranie" + std::to_string(i) + ".wav", data, 0);

  CRecordings list(folder);
  list.Load();
  for (int i = 0; i < kRecordingSlots; ++i) {
    if (list.Has(i) != bool(present >> i & 1)) __builtin_trap();
    if (list.Name(i).empty() == list.Has(i)) __builtin_trap();
    if (!list.Has(i) && !list.Date(i).empty()) __builtin_trap();
  }
  if (!list.Store(slot, std::vector<std::int16_t>(10, 1), "2031-01-02 03:04")) __builtin_trap();
  TIniFile written(list.ListFile());
  const std::string section = "Nagranie" + std::to_string(slot);
  if (written.ReadString(section, "Plik", "") != "Nagranie" + std::to_string(slot) + ".wav" ||
      written.ReadString(section, "Data", "") != "2031-01-02 03:04" ||
      written.ReadString(section, "Nazwa", "") != list.Name(slot))
    __builtin_trap();
  return 0;
}
