// The last check of the whole tree: the program's own resource report finds
// no word without its picture or recording, and no file that belongs to no word.
#include <filesystem>

#include "dictionary/Raportzasobow.h"
#include "platform/SysUtils.h"
#include "tools/datagen/Modules.h"

namespace datagen {

namespace {

std::vector<std::string> CheckComplete(const Tree& tree) {
  std::vector<std::string> problems;
  std::string before = GetCurrentDir();
  if (!SetCurrentDir(Utf8ToCp1250(tree.Root()))) return {"cannot enter " + tree.Root()};
  CSlowa dictionary;
  CResourceCheck check = CheckWordFiles(dictionary);
  SetCurrentDir(before);
  auto add = [&](const char* what, const std::vector<std::string>& files) {
    for (const auto& f : files) problems.push_back(std::string(what) + " " + Cp1250ToUtf8(f));
  };
  add("missing picture", check.missingPictures);
  add("missing recording", check.missingRecordings);
  add("superfluous picture", check.extraPictures);
  add("superfluous recording", check.extraRecordings);
  return problems;
}

}  // namespace

Module CompleteModule() { return Module{"complete", nullptr, CheckComplete}; }

}  // namespace datagen
