// The settings file from untrusted bytes: loading brings every value into
// its range, and saving then loading again gives the same values (the launch
// counter one higher, up to its largest value).
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "shell/_custgry.h"
#include "toolkit/_cblad.h"

namespace {

struct Snapshot {
  std::vector<std::int32_t> values;
  std::int32_t launches;
};

Snapshot Take() {
  Snapshot s{{CurrentTab, ProgramOptions.music, ProgramOptions.position, RecorderOptions.playAfterRecording,
              RecorderOptions.protectRecordings},
             ProgramOptions.launches};
  for (int id = 1; id <= 5; ++id) {
    const CUstGry* g = SettingsOfGame(id);
    if (g->Level < 1 || g->Level > 3) __builtin_trap();
    s.values.insert(s.values.end(), {g->Level, g->PhonemeMask, g->PositionMask});
  }
  if (CurrentTab < 1 || CurrentTab > 6) __builtin_trap();
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file = fuzzsupport::Put("data.ini", data, size);
  try {
    LoadSettings(file);
  } catch (const CBlad&) {
    return 0;  // a file that cannot be read or written
  }
  const Snapshot first = Take();
  if (!SaveSettings(file)) __builtin_trap();
  ResetSettings();
  LoadSettings(file);
  const Snapshot second = Take();
  if (second.values != first.values) __builtin_trap();
  if (second.launches != (first.launches == INT32_MAX ? INT32_MAX : first.launches + 1)) __builtin_trap();
  return 0;
}
