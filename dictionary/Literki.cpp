#include "dictionary/Literki.h"

#include "platform/Random.h"

namespace {

// Pieces with a Polish letter and the names of their tiles.
const struct {
  const char* segment;
  const char* name;
} kNamed[] = {{"\271", "aa"},  {"\352", "ee"},  {"\234", "ss"}, {"\346", "cc"},   {"\361", "nn"},    {"\237", "zzz"},
              {"\277", "zz"},  {"\363", "oo"},  {"\263", "ll"}, {"d\277", "dzz"}, {"d\237", "dzzz"}};

const std::string kRed = "_red";

}  // namespace

std::string RandomLetterTile() {
  const int i = Random31() % LetterTileCount;
  const std::string name = LetterTileNames[i];
  if (name.find("_red") == std::string::npos) return name;
  return i + 1 < LetterTileCount ? LetterTileNames[i + 1] : "a";
}

void SplitSegments(TStrings* out, const std::string& text) {
  out->Clear();
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t comma = text.find(',', from);
    if (comma == std::string::npos) {
      out->Add(text.substr(from));
      break;
    }
    out->Add(text.substr(from, comma - from));
    from = comma + 1;
  }
}

std::string StripMark(const std::string& segment) {
  return !segment.empty() && segment[0] == '_' ? segment.substr(1) : segment;
}

std::string SegmentToTileName(const std::string& segment) {
  const bool marked = !segment.empty() && segment[0] == '_';
  std::string name = marked ? segment.substr(1) : segment;
  for (const auto& n : kNamed)
    if (name == n.segment) {
      name = n.name;
      break;
    }
  return marked ? name + kRed : name;
}

std::string TileNameToSegment(const std::string& name) {
  std::string rest = name;
  const bool marked = rest.size() >= 4 && rest.compare(rest.size() - 4, 4, kRed) == 0;
  if (marked) rest.resize(rest.size() - 4);
  for (const auto& n : kNamed)
    if (rest == n.name) {
      rest = n.segment;
      break;
    }
  return marked ? "_" + rest : rest;
}
