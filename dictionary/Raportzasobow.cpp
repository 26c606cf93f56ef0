#include "dictionary/Raportzasobow.h"

#include <memory>
#include <unordered_set>

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "toolkit/Universalfn.h"

const char* const kResourceReportFile = "Raport zasob\363w.txt";

namespace {

const std::string kPictureFolder = "Data\\exio44j\\";
const std::string kPictureExt = ".+jp";
const std::string kSoundFolder = "Data\\Smd\\";
const std::string kSoundExt = ".pw";

// The picture of a word (the path the word-picture loader opens).
std::string PicturePath(const std::string& key) { return kPictureFolder + key + kPictureExt; }

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  return s;
}

// The files of a folder that belong to no word. Names are matched without
// regard to ASCII case, as the files themselves are opened.
std::vector<std::string> ExtraFiles(const CSlowa& dictionary, const std::string& folder, const std::string& ext) {
  std::unordered_set<std::string> expected;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) expected.insert(AsciiLower(w->key + ext));
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
    std::string picture = PicturePath(w->key);
    if (!FileExists(picture)) check.missingPictures.push_back(picture);
    std::string sound = WordSoundPath(w);
    if (!FileExists(sound)) check.missingRecordings.push_back(sound);
  }
  check.extraPictures = ExtraFiles(dictionary, kPictureFolder, kPictureExt);
  check.extraRecordings = ExtraFiles(dictionary, kSoundFolder, kSoundExt);
  return check;
}

std::string ResourceReportText(const CResourceCheck& check) {
  std::string text;
  // "Brakujące obrazki słów", "Brakujące nagrania słów", "Zbędne pliki w"
  const std::string missing = "Brakuj\271ce ";
  const std::string extra = "Zb\352dne pliki w ";
  Section(text, missing + "obrazki s\263\363w (" + kPictureFolder + "):", check.missingPictures);
  Section(text, missing + "nagrania s\263\363w (" + kSoundFolder + "):", check.missingRecordings);
  Section(text, extra + kPictureFolder + ":", check.extraPictures);
  Section(text, extra + kSoundFolder + ":", check.extraRecordings);
  text += "Brakuj\271cych obrazk\363w: " + std::to_string(check.missingPictures.size()) +
          ", brakuj\271cych nagra\361: " + std::to_string(check.missingRecordings.size()) +
          ", zb\352dnych plik\363w: " + std::to_string(check.extraPictures.size() + check.extraRecordings.size()) +
          ".\n";
  return text;
}

bool WriteResourceReport(const CSlowa& dictionary, const std::string& fileName) {
  const std::string text = Cp1250ToUtf8(ResourceReportText(CheckWordFiles(dictionary)));
  try {
    TFileStream f(fileName, fmCreate);
    f.WriteBuffer(text.data(), std::int64_t(text.size()));
    return f.FlushToDisk();
  } catch (const EStreamError&) {
    return false;
  }
}

bool RunResourceReport() {
  std::unique_ptr<CSlowa> dictionary(new CSlowa);
  return WriteResourceReport(*dictionary, kResourceReportFile);
}
