// Generates the dictionary's word table from the word list.
//
//   wordtable <words.txt> <output.cpp>
//
// words.txt holds the words' keys and the few exceptions to the listing rules
// (its header explains both). The output is a C++ source file of rows
// {primary, key, segments, flags}: the primary rows of every word, then the
// exclusion rows, words in Polish alphabetical order. Text is code page 1250
// written as three-digit octal escapes, so the file itself is plain ASCII.
// The output depends on nothing but the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;  // code page 1250

// Polish letters written as base letter + "^" in a key.
const std::map<char, char> kAccented = {{'a', '\xB9'}, {'c', '\xE6'}, {'e', '\xEA'}, {'l', '\xB3'}, {'n', '\xF1'},
                                        {'o', '\xF3'}, {'s', '\x9C'}, {'x', '\x9F'}, {'z', '\xBF'}};

// Alphabetical order of the letters of the words.
const std::string kAlphabet =
    "a\xB9"
    "bc\xE6"
    "de\xEA"
    "fghijkl\xB3"
    "mn\xF1"
    "o\xF3"
    "prs\x9C"
    "tuwyz\x9F\xBF";

const std::string kVowels =
    "a\xB9"
    "e\xEA"
    "io\xF3"
    "uy";

constexpr std::uint32_t kVoiced = 0x2CCCAAA;
constexpr std::uint32_t kInitial = 0x10000000, kMedial = 0x20000000, kFinal = 0x40000000;

// The phoneme a single marked piece spells.
const std::map<std::string, std::uint32_t> kOnePiece = {
    {"sz", 0x1},        {"\xBF", 0x2},       {"rz", 0x2},        {"cz", 0x4},        {"d\xBF", 0x8},
    {"s", 0x10},        {"z", 0x20},         {"c", 0x40},        {"dz", 0x80},       {"\x9C", 0x100},
    {"si", 0x100},      {"\x9F", 0x200},     {"zi", 0x200},      {"\xE6", 0x400},    {"ci", 0x400},
    {"d\x9F", 0x800},   {"dzi", 0x800},      {"p", 0x1000},      {"pi", 0x2000},     {"b", 0x4000},
    {"bi", 0x8000},     {"k", 0x10000},      {"ki", 0x20000},    {"g", 0x40000},     {"f", 0x100000},
    {"fi", 0x200000},   {"w", 0x400000},     {"wi", 0x800000},   {"t", 0x1000000},   {"d", 0x2000000}};

// The soft phoneme of a consonant piece followed by a piece "i" (two marks).
const std::map<std::string, std::uint32_t> kWithI = {{"s", 0x100},   {"z", 0x200},     {"c", 0x400},
                                                     {"dz", 0x800},  {"p", 0x2000},    {"b", 0x8000},
                                                     {"k", 0x20000}, {"g", 0x80000},   {"f", 0x200000},
                                                     {"w", 0x800000}};

// A voiced letter at the end of a word or before k, ki or c is pronounced
// as its voiceless partner.
const std::map<std::string, std::uint32_t> kDevoiced = {{"b", 0x1000}, {"d", 0x1000000}, {"g", 0x10000},
                                                        {"rz", 0x1},   {"\xBF", 0x1},    {"w", 0x100000},
                                                        {"z", 0x10}};

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what); }

std::string KeyToLetters(const std::string& key) {
  std::string out;
  for (std::size_t i = 0; i < key.size(); ++i) {
    char c = key[i];
    if (c < 'a' || c > 'z' || c == 'q' || c == 'v') Fail("bad letter in \"" + key + "\"");
    if (i + 1 < key.size() && key[i + 1] == '^') {
      auto it = kAccented.find(c);
      if (it == kAccented.end()) Fail("bad accented letter in \"" + key + "\"");
      out += it->second;
      ++i;
    } else {
      if (c == 'x') Fail("\"x\" without \"^\" in \"" + key + "\"");
      out += c;
    }
  }
  return out;
}

bool IsVowel(char c) { return kVowels.find(c) != std::string::npos; }

// Splits the letters of a word into pieces.
Pieces Segment(const std::string& w) {
  static const std::set<std::string> digraphs = {"ch", "cz", "dz", "d\x9F", "d\xBF", "rz", "sz"};
  Pieces out;
  std::size_t i = 0, n = w.size();
  auto softBefore = [&](std::size_t at) { return at + 1 < n && w[at] == 'i' && IsVowel(w[at + 1]); };
  while (i < n) {
    std::string two = w.substr(i, 2);
    if (two.size() == 2 && digraphs.count(two)) {
      if (two == "dz" && softBefore(i + 2)) {
        out.push_back("dzi");
        i += 3;
      } else {
        out.push_back(two);
        i += 2;
      }
    } else if (std::string("bcfkmnpswz").find(w[i]) != std::string::npos && softBefore(i + 1)) {
      out.push_back(w.substr(i, 2));
      i += 2;
    } else {
      out.push_back(w.substr(i, 1));
      i += 1;
    }
  }
  return out;
}

Pieces ParsePieces(const std::string& text, const std::string& word, const std::string& key) {
  Pieces out;
  std::stringstream ss(text);
  std::string piece;
  while (std::getline(ss, piece, ',')) out.push_back(KeyToLetters(piece));
  std::string joined;
  for (const auto& p : out) {
    if (p.empty()) Fail("empty piece for \"" + key + "\"");
    joined += p;
  }
  if (joined != word) Fail("the pieces \"" + text + "\" do not spell \"" + key + "\"");
  return out;
}

struct Occurrence {
  std::size_t piece = 0;  // first marked piece
  int marks = 1;          // 1 or 2
  std::uint32_t phoneme = 0;
  std::uint32_t pronounced = 0;  // the voiceless phoneme of a devoiced letter, else 0
  const Pieces* pieces = nullptr;
};

std::vector<Occurrence> FindOccurrences(const Pieces& pieces) {
  std::vector<Occurrence> out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::string& p = pieces[i];
    if (i + 1 < pieces.size() && pieces[i + 1] == "i" && kWithI.count(p)) {
      out.push_back({i, 2, kWithI.at(p), 0, &pieces});
      ++i;
      continue;
    }
    auto it = kOnePiece.find(p);
    if (it == kOnePiece.end()) continue;
    Occurrence o{i, 1, it->second, 0, &pieces};
    auto dv = kDevoiced.find(p);
    if (dv != kDevoiced.end()) {
      bool last = i + 1 == pieces.size();
      bool beforeVoiceless = !last && (pieces[i + 1] == "k" || pieces[i + 1] == "ki" || pieces[i + 1] == "c");
      if (last || beforeVoiceless) o.pronounced = dv->second;
    }
    out.push_back(o);
  }
  return out;
}

std::size_t LetterOffset(const Pieces& pieces, std::size_t piece) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < piece; ++i) at += pieces[i].size();
  return at;
}

struct Row {
  bool primary;
  std::string key;
  std::string segments;
  std::uint32_t flags;
};

std::string Segments(const Occurrence& o) {
  const Pieces& pieces = *o.pieces;
  std::string out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i >= o.piece && i < o.piece + std::size_t(o.marks)) out += '_';
    out += pieces[i] + ",";
  }
  return out;
}

std::uint32_t Position(const Occurrence& o) {
  if (o.piece == 0) return kInitial;
  if (o.piece + std::size_t(o.marks) == o.pieces->size()) return kFinal;
  return kMedial;
}

struct Word {
  std::string key;
  std::string letters;
  Pieces pieces;
  Pieces devoicePieces;  // empty: none
  std::set<std::size_t> skip, repeat;
  std::vector<std::size_t> first;
  std::vector<Row> primary, exclusion;
};

std::size_t ParseIndex(const std::string& text, const std::string& key) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
    Fail("bad piece number \"" + text + "\" for \"" + key + "\"");
  return std::size_t(std::stoul(text));
}

std::vector<Word> ReadWords(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) Fail("cannot read " + fileName);
  std::vector<Word> words;
  std::string line;
  while (std::getline(in, line)) {
    if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::stringstream ss(line);
    std::string key;
    if (!(ss >> key)) continue;
    Word w;
    w.key = key;
    w.letters = KeyToLetters(key);
    if (!words.empty() && !(words.back().key < key)) Fail("\"" + key + "\" is out of byte order or repeated");
    std::string verb, arg;
    while (ss >> verb) {
      if (!(ss >> arg)) Fail("\"" + verb + "\" without its argument for \"" + key + "\"");
      if (verb == "segments") w.pieces = ParsePieces(arg, w.letters, key);
      else if (verb == "devoice") w.devoicePieces = ParsePieces(arg, w.letters, key);
      else if (verb == "skip") w.skip.insert(ParseIndex(arg, key));
      else if (verb == "repeat") w.repeat.insert(ParseIndex(arg, key));
      else if (verb == "first") w.first.push_back(ParseIndex(arg, key));
      else Fail("unknown exception \"" + verb + "\" for \"" + key + "\"");
    }
    if (w.pieces.empty()) w.pieces = Segment(w.letters);
    words.push_back(std::move(w));
  }
  return words;
}

// Lists the rows of one word.
void BuildRows(Word& w) {
  std::vector<Occurrence> occ = FindOccurrences(w.pieces);

  // Letters devoiced only in the other pieces take those pieces for their rows.
  if (!w.devoicePieces.empty()) {
    bool used = false;
    for (const Occurrence& d : FindOccurrences(w.devoicePieces)) {
      if (!d.pronounced) continue;
      std::size_t at = LetterOffset(w.devoicePieces, d.piece);
      for (Occurrence& o : occ)
        if (!o.pronounced && LetterOffset(w.pieces, o.piece) == at) {
          o = d;
          used = true;
        }
    }
    if (!used) Fail("\"devoice\" changes nothing in \"" + w.key + "\"");
  }

  std::set<std::size_t> known;
  for (const Occurrence& o : occ) known.insert(o.piece);
  for (const auto* set : {&w.skip, &w.repeat})
    for (std::size_t p : *set)
      if (!known.count(p)) Fail("no occurrence on piece " + std::to_string(p) + " of \"" + w.key + "\"");
  for (std::size_t p : w.first)
    if (!known.count(p)) Fail("no occurrence on piece " + std::to_string(p) + " of \"" + w.key + "\"");

  bool voiced = false;
  for (const Occurrence& o : occ)
    if (!o.pronounced && (o.phoneme & kVoiced)) voiced = true;

  // Occurrence order, with the ones named by "first" moved to the front.
  std::vector<Occurrence> ordered;
  for (std::size_t p : w.first)
    for (const Occurrence& o : occ)
      if (o.piece == p) ordered.push_back(o);
  for (const Occurrence& o : occ)
    if (std::find(w.first.begin(), w.first.end(), o.piece) == w.first.end()) ordered.push_back(o);

  for (const Occurrence& o : ordered) {
    if (w.skip.count(o.piece)) continue;
    int times = w.repeat.count(o.piece) ? 2 : 1;
    for (int t = 0; t < times; ++t) {
      std::string segs = Segments(o);
      std::uint32_t pos = Position(o);
      if (o.pronounced) {
        w.exclusion.push_back({false, w.key, segs, o.pronounced | pos});
        w.exclusion.push_back({false, w.key, segs, o.phoneme | pos});
      } else {
        bool primary = ((o.phoneme & kVoiced) != 0) == voiced;
        (primary ? w.primary : w.exclusion).push_back({primary, w.key, segs, o.phoneme | pos});
      }
    }
  }
  if (w.primary.empty()) Fail("\"" + w.key + "\" has no primary row");
}

bool PolishLess(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t ra = kAlphabet.find(a[i]), rb = kAlphabet.find(b[i]);
    if (ra != rb) return ra < rb;
  }
  return a.size() < b.size();
}

std::string Escaped(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c >= 0x80 || c == '"' || c == '\\' || c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out;
}

std::string Render(const std::vector<Word>& words) {
  std::vector<const Word*> order;
  for (const Word& w : words) {
    for (char c : w.letters)
      if (kAlphabet.find(c) == std::string::npos) Fail("no alphabetical place for a letter of \"" + w.key + "\"");
    order.push_back(&w);
  }
  std::stable_sort(order.begin(), order.end(), [](const Word* a, const Word* b) { return PolishLess(a->letters, b->letters); });

  std::vector<const Row*> rows;
  for (const Word* w : order)
    for (const Row& r : w->primary) rows.push_back(&r);
  std::size_t primaryCount = rows.size();
  for (const Word* w : order)
    for (const Row& r : w->exclusion) rows.push_back(&r);

  std::string out;
  out += "// GENERATED FILE: written by tools/wordtable from tools/wordtable/words.txt.\n";
  out += "// Do not edit it by hand; change the word list and run the generator again.\n";
  out += "//\n";
  out += "// The built-in word table: " + std::to_string(primaryCount) + " primary rows, then " +
         std::to_string(rows.size() - primaryCount) + " exclusion rows,\n";
  out += "// words in Polish alphabetical order. Text is code page 1250.\n";
  out += "#include \"dictionary/Slowa_tab.h\"\n\n";
  out += "const WordTableRow WordTable[WordTableSize] = {\n";
  char flags[16];
  for (const Row* r : rows) {
    std::snprintf(flags, sizeof flags, "0x%08Xu", unsigned(r->flags));
    out += std::string("    {") + (r->primary ? "1" : "0") + ", \"" + Escaped(r->key) + "\", \"" + Escaped(r->segments) +
           "\", " + flags + "},\n";
  }
  out += "};\n";
  out += "\nstatic_assert(WordTableSize == " + std::to_string(rows.size()) + ", \"the table's size\");\n";
  out += "static_assert(WordTablePrimaryRows == " + std::to_string(primaryCount) + ", \"the primary rows\");\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: wordtable <words.txt> <output.cpp>\n";
    return 2;
  }
  try {
    std::vector<Word> words = ReadWords(argv[1]);
    for (Word& w : words) BuildRows(w);
    std::string text = Render(words);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) Fail(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "wordtable: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
