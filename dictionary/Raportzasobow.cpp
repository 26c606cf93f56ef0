#include "dictionary/Raportzasobow.h"

#include <memory>
#include <unordered_set>

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Universalfn.h"

const char* const kResourceReportFile = "Raport zasob\363w.txt";

namespace {

// The folders the word files lie in, as their paths name them.
std::string PictureFolder() { return ExtractFilePath(WordPicturePath("")); }
std::string SoundFolder() { return ExtractFilePath(WordSoundPath("")); }

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  return s;
}

// The files of a word folder that belong to no word. Names are matched
// without regard to ASCII case, as the files themselves are opened.
std::vector<std::string> ExtraFiles(const CSlowa& dictionary, std::string (*pathOf)(const std::string& key)) {
  const std::string folder = ExtractFilePath(pathOf(""));
  std::unordered_set<std::string> expected;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) expected.insert(AsciiLower(ExtractFileName(pathOf(w->key))));
  TStringList names;
  ListFiles(folder, "*.*", &names);
  std::vector<std::string> out;
  for (const std::string& name : names.Items())
    if (!expected.count(AsciiLower(name))) out.push_back(folder + name);
  return out;
}

void Section(std::string& text, const std::string& heading, const std::vector<std::string>& files) {
  text += heading + "\n";
  for (const std::string& f : files) text += f + "\n";
  text += "\n";
}

}  // namespace

CResourceCheck CheckWordFiles(const CSlowa& dictionary) {
  CResourceCheck check;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) {
    std::string picture = WordPicturePath(w->key);
    if (!FileExists(picture)) check.missingPictures.push_back(picture);
    std::string sound = WordSoundPath(w);
    if (!FileExists(sound)) check.missingRecordings.push_back(sound);
  }
  check.extraPictures = ExtraFiles(dictionary, WordPicturePath);
  check.extraRecordings = ExtraFiles(dictionary, WordSoundPath);
  return check;
}

std::string ResourceReportText(const CResourceCheck& check) {
  std::string text;
  // "Brakujące obrazki słów", "Brakujące nagrania słów", "Zbędne pliki w"
  const std::string missing = "Brakuj\271ce ";
  const std::string extra = "Zb\352dne pliki w ";
  const std::string pictures = PictureFolder(), sounds = SoundFolder();
  Section(text, missing + "obrazki s\263\363w (" + pictures + "):", check.missingPictures);
  Section(text, missing + "nagrania s\263\363w (" + sounds + "):", check.missingRecordings);
  Section(text, extra + pictures + ":", check.extraPictures);
  Section(text, extra + sounds + ":", check.extraRecordings);
  text += "Brakuj\271cych obrazk\363w: " + std::to_string(check.missingPictures.size()) +
          ", brakuj\271cych nagra\361: " + std::to_string(check.missingRecordings.size()) +
          ", zb\352dnych plik\363w: " + std::to_string(check.extraPictures.size() + check.extraRecordings.size()) +
          ".\n";
  return text;
}

bool WriteResourceReport(const CSlowa& dictionary, const std::string& fileName, std::string* why) {
  const std::string text = Cp1250ToUtf8(ResourceReportText(CheckWordFiles(dictionary)));
  try {
    TFileStream f(fileName, fmCreate);
    f.WriteBuffer(text.data(), std::int64_t(text.size()));
    if (f.FlushToDisk()) return true;
    if (why) *why = "Cannot write \"" + fileName + "\" to the disk";
  } catch (const EStreamError& e) {
    if (why) *why = e.Message;
  }
  return false;
}

bool RunResourceReport(std::string* why) {
  std::unique_ptr<CSlowa> dictionary(new CSlowa);
  return WriteResourceReport(*dictionary, kResourceReportFile, why);
}
