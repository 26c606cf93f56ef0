// Generates the 570 scrambled word pictures, one for each word of the
// dictionary, as the table in data/words/words.tsv says.
#include "tools/datagen/WordPictures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <stdexcept>

#include "dictionary/_cslowa.h"
#include "platform/SysUtils.h"
#include "tools/datagen/Keys.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdataencryption.h"
#include "tools/datagen/Modules.h"

namespace datagen::words {

// ---- the table ----

std::string Utf8(const std::u32string& s) { return Utf32ToUtf8(s); }

namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = s.find(sep, from);
    parts.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

bool ParseLayout(const std::string& s, Layout& out) {
  static const std::map<std::string, Layout> names = {
      {"-", Layout::One}, {"row", Layout::Row}, {"badge", Layout::Badge}, {"stack", Layout::Stack}, {"pyramid", Layout::Pyramid}};
  auto it = names.find(s);
  if (it == names.end()) return false;
  out = it->second;
  return true;
}

bool ParseTint(const std::string& s, Tint& out) {
  static const std::map<std::string, Tint> names = {{"-", Tint::None},     {"grey", Tint::Grey}, {"white", Tint::White},
                                                    {"cauli", Tint::Cauli}, {"red", Tint::Red},   {"rowan", Tint::Rowan},
                                                    {"brown", Tint::Brown}};
  auto it = names.find(s);
  if (it == names.end()) return false;
  out = it->second;
  return true;
}

// How many pictures a layout takes.
bool LayoutFits(Layout layout, std::size_t pictures) {
  switch (layout) {
    case Layout::One: return pictures == 1;
    case Layout::Row: return pictures == 2 || pictures == 3;
    case Layout::Badge:
    case Layout::Stack: return pictures == 2;
    case Layout::Pyramid: return pictures == 3;
  }
  return false;
}

}  // namespace

bool ParseCodePoints(const std::string& text, std::u32string& out) {
  out.clear();
  for (const std::string& part : Split(text, '-')) {
    if (part.empty() || part.size() > 6) return false;
    char32_t c = 0;
    for (char h : part) {
      int d = h >= '0' && h <= '9' ? h - '0' : h >= 'A' && h <= 'F' ? h - 'A' + 10 : h >= 'a' && h <= 'f' ? h - 'a' + 10 : -1;
      if (d < 0) return false;
      c = c * 16 + char32_t(d);
    }
    if (c == 0 || c > 0x10FFFF) return false;
    out += c;
  }
  return true;
}


std::vector<Entry> ParseTable(const std::string& text, std::vector<std::string>& problems) {
  std::vector<Entry> entries;
  std::set<std::string> seen;
  int lineNo = 0;
  for (std::string line : Split(text, '\n')) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    auto bad = [&](const std::string& what) { problems.push_back("words.tsv line " + std::to_string(lineNo) + ": " + what); };
    std::vector<std::string> f = Split(line, '\t');
    if (f.size() != 9) {
      bad("expected 9 tab-separated columns, found " + std::to_string(f.size()));
      continue;
    }
    Entry e;
    e.line = lineNo;
    e.key = f[0];
    e.word = f[1];
    e.gloss = f[8];
    const std::string spelled = SpellingOfKey(e.key);
    if (spelled.empty()) {
      bad("malformed key \"" + e.key + "\"");
      continue;
    }
    // The word may begin with a capital ("Afrykanin").
    std::string word = e.word;
    if (!word.empty() && word[0] >= 'A' && word[0] <= 'Z') word[0] = char(word[0] - 'A' + 'a');
    if (word != spelled) {
      bad("the word \"" + e.word + "\" is not what the key " + e.key + " spells");
      continue;
    }
    if (!seen.insert(e.key).second) {
      bad("a second line for " + e.key);
      continue;
    }
    if (f[3] != "-")
      for (const std::string& p : Split(f[3], ' ')) {
        Subject subject;
        if (p.compare(0, 5, "draw:") == 0) {
          subject.drawing = p.substr(5);
          if (!FindDrawing(subject.drawing)) {
            bad("no drawing is called \"" + subject.drawing + "\"");
            e.pictures.clear();
            break;
          }
        } else if (!ParseCodePoints(p, subject.emoji)) {
          bad("malformed code points \"" + p + "\"");
          e.pictures.clear();
          break;
        }
        e.pictures.push_back(subject);
      }
    if (f[3] != "-" && e.pictures.empty()) continue;
    std::string emoji;
    for (const Subject& p : e.pictures) emoji += (emoji.empty() ? "" : " ") + (p.drawing.empty() ? Utf8(p.emoji) : "-");
    if ((e.pictures.empty() ? "-" : emoji) != f[2]) {
      bad("the emoji column does not match the code points of " + e.key);
      continue;
    }
    e.emoji = emoji;
    if (f[4].size() != 1 || f[4][0] < '1' || f[4][0] > '3') {
      bad("the count of " + e.key + " is not 1, 2 or 3");
      continue;
    }
    e.count = f[4][0] - '0';
    if (!ParseLayout(f[5], e.layout) || (!e.pictures.empty() && !LayoutFits(e.layout, e.pictures.size()))) {
      bad("the layout \"" + f[5] + "\" does not suit the pictures of " + e.key);
      continue;
    }
    if (!ParseTint(f[6], e.tint)) {
      bad("unknown tint \"" + f[6] + "\"");
      continue;
    }
    if (f[7] != "-") {
      char* end = nullptr;
      long hue = std::strtol(f[7].c_str(), &end, 10);
      if (f[7].empty() || *end != 0 || hue < 0 || hue >= 360) {
        bad("the hue of " + e.key + " is not 0..359 or \"-\"");
        continue;
      }
      e.hue = int(hue);
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string TablePath() {
  return (std::filesystem::path(DATAGEN_DATA_DIR) / "words" / "words.tsv").string();
}

bool ShowsDrawing(const Entry& e) {
  for (const Subject& p : e.pictures)
    if (!p.drawing.empty()) return true;
  return false;
}

bool ShowsEmoji(const Entry& e) { return !e.pictures.empty() && !ShowsDrawing(e); }

std::vector<Entry> LoadTable(std::vector<std::string>& problems) {
  std::ifstream f(TablePath(), std::ios::binary);
  if (!f) throw std::runtime_error("cannot read the word picture table " + TablePath());
  std::stringstream text;
  text << f.rdbuf();
  return ParseTable(text.str(), problems);
}

bool CarriesWriting(const std::u32string& emoji) {
  // Pictures the emoji font draws with writing on them (or with digits where
  // no number is meant): letters, currency signs, dates, opening hours.
  static const std::set<char32_t> written = {
      0x00A9,  0x00AE,  0x2122,  0x2139,  0x24C2,  0x3297,  0x3299,  0x1F3E3, 0x1F3E6, 0x1F3E7, 0x1F3E8,
      0x1F3EA, 0x1F3B0, 0x1F4AF, 0x1F4B0, 0x1F4B1, 0x1F4B2, 0x1F4B4, 0x1F4B5, 0x1F4B6, 0x1F4B7, 0x1F4B9,
      0x1F4C5, 0x1F4C6, 0x1F4DF, 0x1F4E7, 0x1F4F4, 0x1F51E, 0x1F6BE};
  for (char32_t c : emoji) {
    if (written.count(c)) return true;
    if (c >= 0x1F100 && c <= 0x1F2FF) return true;   // letters and ideographs in boxes, flags
    if (c >= 0x1F51A && c <= 0x1F524) return true;   // worded arrows, letter and number input
    if (c >= 0xE0020 && c <= 0xE007F) return true;   // tagged flags
  }
  return false;
}

std::vector<std::string> CompositionProblems(const std::vector<Entry>& table) {
  std::vector<std::string> out;
  // What a picture is made of: its subjects, how often, how laid out, how tinted.
  using Composition = std::tuple<std::vector<Subject>, int, Layout, Tint>;
  std::map<Composition, std::string> seen;
  for (const Entry& e : table) {
    for (const Subject& p : e.pictures)
      if (p.drawing.empty() && CarriesWriting(p.emoji))
        out.push_back("the picture of " + e.key + " has writing on it (" + Utf8(p.emoji) + ")");
    if (e.pictures.empty()) continue;
    auto [at, fresh] = seen.emplace(Composition{e.pictures, e.count, e.layout, e.tint}, e.key);
    if (!fresh) out.push_back(e.key + " is drawn exactly as " + at->second + " is");
  }
  return out;
}

// ---- the module ----

namespace {

std::vector<std::string> DictionaryKeys() {
  CSlowa dictionary;
  std::vector<std::string> keys;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) keys.push_back(w->key);
  return keys;
}

const char* const Folder = "Data\\exio44j";

void Generate(Tree& tree) {
  std::vector<std::string> problems;
  std::vector<Entry> table = LoadTable(problems);
  const std::vector<std::string> keys = DictionaryKeys();
  const std::set<std::string> wanted(keys.begin(), keys.end());
  std::vector<const Entry*> todo;
  for (const Entry& e : table)
    if (wanted.count(e.key)) todo.push_back(&e);
  // The folder holds the word pictures only: what an earlier table made goes.
  std::filesystem::path dir = tree.Native(Folder);
  if (std::filesystem::exists(dir))
    for (const auto& item : std::filesystem::directory_iterator(dir)) std::filesystem::remove_all(item.path());
  ParallelFor(int(todo.size()), [&](int i) {
    const Entry& e = *todo[std::size_t(i)];
    tree.Write(PicturePath(e.key), PictureFile(e));
  });
}

// The plain JPEG inside a scrambled picture file: baseline, colour, w x h.
void CheckJpegHeader(const std::string& key, std::vector<std::uint8_t> bytes, std::vector<std::string>& out) {
  ScrambleWithKey(ScrambleKeyOfFile(PicturePath(key)), bytes.data(), std::int64_t(bytes.size()));
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
    out.push_back(key + ": not a JPEG once unscrambled");
    return;
  }
  for (std::size_t at = 2; at + 9 < bytes.size();) {
    if (bytes[at] != 0xFF) break;
    unsigned marker = bytes[at + 1];
    std::size_t length = std::size_t(bytes[at + 2]) << 8 | bytes[at + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      int h = bytes[at + 5] << 8 | bytes[at + 6], w = bytes[at + 7] << 8 | bytes[at + 8], n = bytes[at + 9];
      if (marker != 0xC0) out.push_back(key + ": not a baseline JPEG");
      if (n != 3) out.push_back(key + ": not a colour JPEG");
      if (w != PictureSize || h != PictureSize) out.push_back(key + ": the JPEG is not 400x400");
      return;
    }
    at += 2 + length;
  }
  out.push_back(key + ": no JPEG frame header");
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<std::string> out;
  std::vector<Entry> table = LoadTable(out);
  const std::vector<std::string> keys = DictionaryKeys();
  const std::set<std::string> wanted(keys.begin(), keys.end());

  // The table: a line for every word and for nothing else, every emoji
  // drawable, no two words drawn alike, no writing.
  for (const std::string& p : CompositionProblems(table)) out.push_back("words.tsv: " + p);
  std::map<std::string, const Entry*> byKey;
  for (const Entry& e : table) {
    byKey[e.key] = &e;
    if (!wanted.count(e.key)) out.push_back("words.tsv has a line for " + e.key + ", which is not a dictionary word");
    for (const Subject& p : e.pictures)
      if (p.drawing.empty() && EmojiGlyph(p.emoji) == 0)
        out.push_back("words.tsv: the emoji font cannot draw " + Utf8(p.emoji) + " (" + e.key + ")");
  }
  std::set<std::string> drawings;
  for (const Entry& e : table)
    for (const Subject& p : e.pictures)
      if (!p.drawing.empty()) drawings.insert(p.drawing);
  for (const std::string& name : drawings) {
    const std::string wrong = DrawingInkProblem(FindDrawing(name));
    if (!wrong.empty()) out.push_back("the drawing " + name + " " + wrong);
  }
  int byEmoji = 0, byDrawing = 0;
  for (const std::string& k : keys) {
    auto it = byKey.find(k);
    if (it == byKey.end()) out.push_back("words.tsv has no line for " + k);
    else if (ShowsDrawing(*it->second)) ++byDrawing;
    else if (ShowsEmoji(*it->second)) ++byEmoji;
  }
  const double share = keys.empty() ? 0 : 100.0 * (byEmoji + byDrawing) / double(keys.size());
  std::printf("words: %d of %zu words depicted (%.1f%%): %d by emoji, %d by drawing, %zu by a motif\n", byEmoji + byDrawing,
              keys.size(), share, byEmoji, byDrawing, keys.size() - std::size_t(byEmoji + byDrawing));
  if (share < MinimumDepicted) out.push_back("fewer than " + std::to_string(MinimumDepicted) + "% of the words are depicted");

  // The folder: the dictionary's pictures and nothing else.
  std::set<std::string> files;
  std::filesystem::path dir = tree.Native(Folder);
  if (std::filesystem::is_directory(dir))
    for (const auto& item : std::filesystem::directory_iterator(dir)) files.insert(item.path().filename().string());
  for (const std::string& f : files) {
    bool ours = f.size() > 4 && f.compare(f.size() - 4, 4, ".+jp") == 0 && wanted.count(f.substr(0, f.size() - 4));
    if (!ours) out.push_back(std::string(Folder) + " holds a stray file " + f);
  }

  // Every picture through the program's own loaders, from the tree's root
  // (the tree's own paths may be relative to where we started).
  const Tree root(std::filesystem::absolute(tree.Root()).string());
  const std::string previous = GetCurrentDir();
  if (!SetCurrentDir(Utf8ToCp1250(root.Root()))) {
    out.push_back("cannot enter " + root.Root());
    return out;
  }
  for (const std::string& k : keys) {
    const std::string path = PicturePath(k);
    if (!files.count(k + ".+jp") || !FileExists(path)) {
      out.push_back(path + " is missing");
      continue;
    }
    std::ifstream f(root.Native(path), std::ios::binary);
    CheckJpegHeader(k, std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {}), out);
    try {
      TBitmap plain;
      CDataEncryption::LoadBitmap(&plain, path, 1);
      if (plain.Width() != PictureSize || plain.Height() != PictureSize || plain.PixelFormat() != pf24bit)
        out.push_back(path + " does not load as a 400x400 colour picture");
    } catch (const std::exception& e) {
      out.push_back(path + " does not load: " + e.what());
      continue;
    }
    std::unique_ptr<TBitmap> pic(LoadWordPicture(k, PictureSize, PictureSize, true, false));
    // The placeholders (a red cross or plain white) are mostly white; a
    // picture has its background everywhere.
    int white = 0;
    for (int y = 0; y < PictureSize; ++y) {
      const std::uint8_t* row = pic->ScanLine(y);
      for (int x = 0; x < PictureSize; ++x)
        if (row[3 * x] >= 245 && row[3 * x + 1] >= 245 && row[3 * x + 2] >= 245) ++white;
    }
    if (white > PictureSize * PictureSize / 2) out.push_back(path + " shows mostly white, like a placeholder");
  }
  SetCurrentDir(previous);
  return out;
}

}  // namespace

}  // namespace datagen::words

namespace datagen {

Module WordPicturesModule() { return Module{"words", words::Generate, words::Check}; }

}  // namespace datagen
