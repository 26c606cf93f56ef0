// The settings of each game, the current tab, and the settings file.
#pragma once
#include <cstdint>
#include <string>

#include "dictionary/_cslowa.h"

// The settings keep the dictionary's masks (CSlowa::AllPhonemes, bits 0-25,
// and CSlowa::AllPositions, bits 28-30) as signed 32-bit numbers; the word
// positions one by one:
constexpr std::int32_t kInitial = 0x10000000;
constexpr std::int32_t kMedial = 0x20000000;
constexpr std::int32_t kFinal = 0x40000000;
static_assert(std::uint32_t(kInitial | kMedial | kFinal) == CSlowa::AllPositions);

// The settings of one game.
class CUstGry {
 public:
  CUstGry(std::int16_t id, const char* name) : Id(id), Name(name) {}

  // Every (phoneme bit | position bit) pair of the masks: positions
  // ascending as the outer loop, phonemes ascending inside. Returns the
  // count (at most 78); out must hold that many.
  static int ListSelections(const CUstGry* settings, std::int32_t* out);

  // Drops the bits of each mask that lie outside its field.
  void ClearOutsideBits();

  std::int16_t Id;
  std::string Name;
  std::int32_t Level = 1;  // or amount, 1-3
  std::int32_t PositionMask = std::int32_t(CSlowa::AllPositions);
  std::int32_t PhonemeMask = 0x3;
};

extern CUstGry SettingsPodpisz4;      // 1, label-it
extern CUstGry SettingsLiany;         // 2, vines
extern CUstGry SettingsKwiatki;       // 3, flowers
extern CUstGry SettingsCoNiePasuje3;  // 4, odd-one-out
extern CUstGry SettingsCiezarowka;    // 5, truck

// The main window's tab: 1-5 the games above, 6 the recordings.
extern std::int16_t CurrentTab;
// The settings of the current tab; null on the recordings tab.
CUstGry* CurrentSettings();
// The settings of a game by its id (1-5), or null.
CUstGry* SettingsOfGame(int id);

// What the settings file keeps besides the games' settings.
struct ProgramSettings {
  std::int32_t launches = 0;   // "LU"
  bool music = true;           // "Muzyka"
  std::int32_t position = 0;   // "Position", kept as it was read
};
extern ProgramSettings ProgramOptions;

// The settings file that LoadSettings read, written again at exit; the
// program names it relative to its own folder, the working folder while it
// runs.
extern std::string SettingsFile;

// What the recorder tab keeps between runs (section "Nagrywanie").
struct RecorderSettings {
  bool playAfterRecording = true;  // "OdtwarzajPoNagraniu"
  bool protectRecordings = false;  // "ChronNagrania"
};
extern RecorderSettings RecorderOptions;

// Reads the settings file into the records, CurrentTab and
// ProgramOptions, raises the launch counter and writes the file back at once
// (a missing file is written with the defaults, and so is one too large to
// be a settings file). A file that exists but cannot be read, or cannot be
// written, raises CBlad(4).
void LoadSettings(const std::string& iniPath);
// Writes the settings file whole; false when it could not be written.
bool SaveSettings(const std::string& iniPath);
// The same when anything changed since this program last wrote or read the
// file; true without writing otherwise.
bool SaveChangedSettings(const std::string& iniPath);
// Puts every record and option back to its default.
void ResetSettings();
