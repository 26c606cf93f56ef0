#include "dictionary/Literki.h"

#include "platform/Random.h"

const char* const LetterTileNames[LetterTileCount] = {
    "a", "aa",
    "b_red", "b", "bi_red", "bi",
    "c_red", "c", "cc_red", "cc", "ch", "ci_red", "ci", "cz_red", "cz",
    "d_red", "d", "dz_red", "dz", "dzi_red", "dzi", "dzz_red", "dzz", "dzzz_red", "dzzz",
    "e", "ee",
    "f_red", "f", "fi_red", "fi",
    "g_red", "g", "gi_red", "gi",
    "h",
    "i_red", "i",
    "j_red", "j",
    "k_red", "k", "ki_red", "ki",
    "l_red", "l", "ll",
    "m", "mi",
    "n", "ni_red", "ni", "nn",
    "o", "oo",
    "p_red", "p", "pi_red", "pi",
    "r_red", "r", "rz_red", "rz",
    "s_red", "s", "si_red", "si", "ss_red", "ss", "sz_red", "sz",
    "t_red", "t",
    "u",
    "w_red", "w", "wi_red", "wi",
    "x",
    "y",
    "z_red", "z", "zi_red", "zi", "zz_red", "zz", "zzz_red", "zzz",
};

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
