// The statistics file from untrusted bytes: ReadFile takes exactly the whole
// records of a file of ours; opening it sets a foreign file aside; a session
// saved then follows the whole records, a torn one being cut away.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/HeadlessBackend.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::remove_all(fuzzsupport::Scratch() + "/stats");
  const std::string file = fuzzsupport::Put("stats/prgst5.stt", data, size);
  std::vector<SessionRecord> before;
  const bool ours = CStatRec::ReadFile(file, before);
  if (ours != (size >= kStatHeaderSize && data[0] == 'T' && data[1] == 'W' && data[2] == 'S' && data[3] == '1' &&
               data[4] == kStatisticsId && data[5] == 0 && data[6] == 0 && data[7] == 0))
    __builtin_trap();
  if (ours && before.size() != (size - kStatHeaderSize) / kStatRecordSize) __builtin_trap();

  {
    CStatRec stat(file);
    if (ours == std::filesystem::exists(file + ".obcy")) __builtin_trap();
    stat.Start(&SettingsKwiatki);
    stat.AddGood();
    stat.End();
    if (!stat.SaveSession(true)) __builtin_trap();
  }
  std::vector<SessionRecord> after;
  if (!CStatRec::ReadFile(file, after)) __builtin_trap();
  const std::size_t kept = ours ? before.size() : 0;
  if (after.size() != kept + 1 || after.back().good != 1 || after.back().gameId != SettingsKwiatki.Id) __builtin_trap();
  for (std::size_t i = 0; i < kept; ++i)
    if (after[i].start != before[i].start || after[i].bad != before[i].bad) __builtin_trap();
  if (std::filesystem::file_size(file) != kStatHeaderSize + after.size() * kStatRecordSize) __builtin_trap();
  return 0;
}
