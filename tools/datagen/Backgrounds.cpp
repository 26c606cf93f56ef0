// The check of every window background in the tree, whichever module made
// it: a picture named "Data\Intf\Spec\<prefix>_<name>T.xji" is a window
// background, and it covers the game area of every screen its prefix serves
// ("R2" 800x600, "R3" 1024x768, "R5" 1280x960, "R8" 1280x960 and 1280x1024),
// so no part of a window lies on black.
#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

struct Prefix {
  const char* name;
  std::vector<TPoint> screens;
};
const std::vector<Prefix>& Prefixes() {
  static const std::vector<Prefix> list = {{"R2", {{800, 600}}},
                                           {"R3", {{1024, 768}}},
                                           {"R5", {{1280, 960}}},
                                           {"R8", {{1280, 960}, {1280, 1024}}}};
  return list;
}

// The screens a file name's prefix serves when it names a background; none otherwise.
std::vector<TPoint> ScreensOf(const std::string& file) {
  const std::string ending = "T.xji";
  if (file.size() < 3 + ending.size() + 1 || file[2] != '_' ||
      file.compare(file.size() - ending.size(), ending.size(), ending) != 0)
    return {};
  for (const Prefix& p : Prefixes())
    if (file.compare(0, 2, p.name) == 0) return p.screens;
  return {};
}

void CheckOne(const Tree& tree, const std::string& name, checks::Problems& out) {
  const std::string path = kSpec + name;
  std::unique_ptr<TBitmap> picture;
  try {
    picture.reset(NewBitmapFromJpeg(tree.Native(path)));
  } catch (const Exception& e) {
    out.push_back(path + ": does not load: " + Cp1250ToUtf8(e.Message));
    return;
  }
  for (TPoint s : ScreensOf(name)) {
    const CDisplay d = checks::DisplayFor(s.x, s.y);
    const bool covers = picture->Width() >= d.GameArea.width && picture->Height() >= d.GameArea.height;
    // Loaded as the window loads it, and in its place.
    if (covers)
      checks::Background(tree, path, s.x, s.y, out);
    else
      out.push_back(path + " on " + std::to_string(s.x) + "x" + std::to_string(s.y) + ": " +
                    std::to_string(picture->Width()) + "x" + std::to_string(picture->Height()) +
                    " does not cover the " + std::to_string(d.GameArea.width) + "x" +
                    std::to_string(d.GameArea.height) + " game area");
  }
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(tree.Native(kSpec), ec)) {
    std::string name = Utf8ToCp1250(e.path().filename().string());
    if (e.is_regular_file() && !ScreensOf(name).empty()) names.push_back(name);
  }
  if (names.empty()) return {"no window backgrounds in " + kSpec};
  std::sort(names.begin(), names.end());
  std::vector<checks::Problems> found(names.size());
  ParallelFor(int(names.size()), [&](int i) { CheckOne(tree, names[std::size_t(i)], found[std::size_t(i)]); });
  std::vector<std::string> problems;
  for (const auto& f : found) problems.insert(problems.end(), f.begin(), f.end());
  return problems;
}

}  // namespace

Module BackgroundsModule() { return Module{"backgrounds", nullptr, Check}; }

}  // namespace datagen
