#include "shell/_custgry.h"

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/IniFiles.h"
#include "platform/SysUtils.h"
#include "toolkit/_cblad.h"

CUstGry SettingsPodpisz4(1, "Podpisz4");
CUstGry SettingsLiany(2, "Liany");
CUstGry SettingsKwiatki(3, "Kwiatki");
CUstGry SettingsCoNiePasuje3(4, "CoNiePasuje3");
CUstGry SettingsCiezarowka(5, "Ciezarowka");
std::int16_t CurrentTab = 1;
ProgramSettings ProgramOptions;
RecorderSettings RecorderOptions;
std::string SettingsFile;

namespace {
CUstGry* const kAll[] = {&SettingsPodpisz4, &SettingsLiany, &SettingsKwiatki, &SettingsCoNiePasuje3,
                         &SettingsCiezarowka};
const char* const kMain = "DaneProgramu";
const char* const kRecorder = "Nagrywanie";

// Defaults that make every game playable: SZ and Ż in every position.
void Defaults(CUstGry& s) {
  s.Level = 1;
  s.PositionMask = std::int32_t(CSlowa::AllPositions);
  s.PhonemeMask = 0x3;
}
}  // namespace

int CUstGry::ListSelections(const CUstGry* settings, std::int32_t* out) {
  int n = 0;
  for (int p = 28; p <= 30; ++p) {
    std::int32_t pos = std::int32_t(1u << p);
    if (!(settings->PositionMask & pos)) continue;
    for (int b = 0; b < 26; ++b) {
      std::int32_t ph = std::int32_t(1u << b);
      if (settings->PhonemeMask & ph) out[n++] = ph | pos;
    }
  }
  return n;
}

void CUstGry::ClearOutsideBits() {
  PhonemeMask &= std::int32_t(CSlowa::AllPhonemes);
  PositionMask &= std::int32_t(CSlowa::AllPositions);
}

CUstGry* SettingsOfGame(int id) {
  for (CUstGry* s : kAll)
    if (s->Id == id) return s;
  return nullptr;
}

CUstGry* CurrentSettings() { return SettingsOfGame(CurrentTab); }

void ResetSettings() {
  for (CUstGry* s : kAll) Defaults(*s);
  CurrentTab = 1;
  ProgramOptions = ProgramSettings{};
  RecorderOptions = RecorderSettings{};
}

namespace {

// What the settings file was last given by this program, to tell whether a
// write would change anything.
std::string g_lastWritten;

void Store(TIniFile& ini) {
  ini.WriteInteger(kMain, "LU", ProgramOptions.launches);
  ini.WriteInteger(kMain, "Zakladka", CurrentTab);
  ini.WriteBool(kMain, "Muzyka", ProgramOptions.music);
  ini.WriteInteger(kMain, "Position", ProgramOptions.position);
  for (CUstGry* s : kAll) {
    ini.WriteInteger(s->Name, "Gloski", s->PhonemeMask);
    ini.WriteInteger(s->Name, "Poziom", s->Level);
    ini.WriteInteger(s->Name, "Pozycja", s->PositionMask);
  }
  ini.WriteBool(kRecorder, "OdtwarzajPoNagraniu", RecorderOptions.playAfterRecording);
  ini.WriteBool(kRecorder, "ChronNagrania", RecorderOptions.protectRecordings);
}

// The file's name and what Store writes into it.
std::string Snapshot(const std::string& iniPath) {
  TIniFile stored(iniPath, false);
  Store(stored);
  return iniPath + '\n' + stored.Text();
}

}  // namespace

void LoadSettings(const std::string& iniPath) {
  ResetSettings();
  SettingsFile = iniPath;
  std::unique_ptr<TIniFile> ini;
  try {
    // A file larger than a settings file can be is damaged, as one of
    // garbage is: the defaults are used and written over it.
    const bool oversized = FileSize(iniPath) > kMaxTextFileBytes;
    if (oversized) ReportFailure(iniPath + ": larger than a settings file can be; the defaults are used");
    ini = std::make_unique<TIniFile>(iniPath, !oversized);
    ProgramOptions.launches = ini->ReadInteger(kMain, "LU", 0);
    std::int32_t tab = ini->ReadInteger(kMain, "Zakladka", 1);
    CurrentTab = std::int16_t(tab >= 1 && tab <= 6 ? tab : 1);
    ProgramOptions.music = ini->ReadBool(kMain, "Muzyka", true);
    ProgramOptions.position = ini->ReadInteger(kMain, "Position", 0);
    for (CUstGry* s : kAll) {
      s->PhonemeMask = ini->ReadInteger(s->Name, "Gloski", s->PhonemeMask);
      s->PositionMask = ini->ReadInteger(s->Name, "Pozycja", s->PositionMask);
      std::int32_t level = ini->ReadInteger(s->Name, "Poziom", 1);
      s->Level = level < 1 ? 1 : level > 3 ? 3 : level;
    }
    RecorderOptions.playAfterRecording = ini->ReadBool(kRecorder, "OdtwarzajPoNagraniu", true);
    RecorderOptions.protectRecordings = ini->ReadBool(kRecorder, "ChronNagrania", false);
  } catch (const Exception&) {
    throw CBlad(4);
  }
  // The counter stops at its largest value.
  if (ProgramOptions.launches < INT32_MAX) ++ProgramOptions.launches;
  // Written back from what was read: the file is parsed once.
  Store(*ini);
  if (!ini->UpdateFile()) throw CBlad(4, ini->Error());
  g_lastWritten = Snapshot(iniPath);
}

bool SaveSettings(const std::string& iniPath) {
  try {
    // A file grown too large to be a settings file is written anew.
    TIniFile ini(iniPath, FileSize(iniPath) <= kMaxTextFileBytes);
    Store(ini);
    if (!ini.UpdateFile()) return false;
    g_lastWritten = Snapshot(iniPath);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool SaveChangedSettings(const std::string& iniPath) {
  return Snapshot(iniPath) == g_lastWritten || SaveSettings(iniPath);
}
