#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"
#include "toolkit/Cbitmapy.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/WordPictures.h"

namespace {

using namespace datagen::words;

const char* const Header = "# comment\n\n";

// One table line from its columns.
std::string Line(const std::vector<std::string>& f) {
  std::string s;
  for (std::size_t i = 0; i < f.size(); ++i) s += (i ? "\t" : "") + f[i];
  return s + "\n";
}

std::vector<std::string> Good() {
  return {"z^aba", "\xC5\xBC" "aba", "\xF0\x9F\x90\xB8", "1F438", "2", "-", "-", "-", "frog"};
}

bool Mentions(const std::vector<std::string>& problems, const std::string& what) {
  return std::any_of(problems.begin(), problems.end(), [&](const std::string& p) { return p.find(what) != std::string::npos; });
}

TEST(DatagenWordsTable, ReadsEveryColumn) {
  std::vector<std::string> problems;
  std::vector<std::string> a = Good();
  std::vector<std::string> b = {"tata", "tata", "\xF0\x9F\x91\xA8 \xF0\x9F\x91\xA6", "1F468 1F466", "1", "badge", "brown", "200",
                                "dad"};
  std::vector<std::string> c = {"balkon", "balkon", "-", "-", "1", "-", "-", "-", "balcony"};
  std::string withCr = Line(b);
  withCr.insert(withCr.size() - 1, "\r");
  auto entries = ParseTable(std::string(Header) + Line(a) + withCr + Line(c), problems);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "z^aba");
  EXPECT_EQ(entries[0].pictures, (std::vector<Subject>{Subject{U"\U0001F438", ""}}));
  EXPECT_EQ(entries[0].count, 2);
  EXPECT_EQ(entries[0].hue, -1);
  EXPECT_EQ(entries[0].line, 3);
  EXPECT_EQ(entries[1].layout, Layout::Badge);
  EXPECT_EQ(entries[1].tint, Tint::Brown);
  EXPECT_EQ(entries[1].hue, 200);
  EXPECT_EQ(entries[1].pictures.size(), 2u);
  EXPECT_TRUE(entries[2].pictures.empty());
  EXPECT_EQ(entries[2].emoji, "");
}

TEST(DatagenWordsTable, SkipsAndReportsMalformedLines) {
  struct Case {
    int column;
    std::string value;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {1, "zaba", "is not what the key"},              // the word must be what the key spells
      {0, "Z^aba", "malformed key"},                   // keys are small letters
      {0, "b^aba", "malformed key"},                   // b has no Polish letter
      {2, "\xF0\x9F\x90\xB1", "does not match"},       // the emoji column disagrees with the code points
      {3, "1F438-", "malformed code points"},
      {3, "110000", "malformed code points"},
      {3, "1F438 1F438", "does not suit"},             // two pictures need a layout
      {4, "0", "count"},
      {4, "4", "count"},
      {5, "spiral", "does not suit"},
      {6, "blue", "unknown tint"},
      {7, "360", "hue"},
      {7, "12x", "hue"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> f = Good();
    f[std::size_t(c.column)] = c.value;
    if (c.column == 3 && c.value == "1F438 1F438") f[2] = "\xF0\x9F\x90\xB8 \xF0\x9F\x90\xB8";
    std::vector<std::string> problems;
    auto entries = ParseTable(Line(f), problems);
    EXPECT_TRUE(entries.empty()) << c.value;
    ASSERT_EQ(problems.size(), 1u) << c.value;
    EXPECT_NE(problems[0].find("line 1"), std::string::npos) << problems[0];
    EXPECT_NE(problems[0].find(c.problem), std::string::npos) << problems[0];
  }
  std::vector<std::string> problems;
  std::vector<std::string> shortLine = Good();
  shortLine.pop_back();
  auto entries = ParseTable(Line(Good()) + Line(Good()) + Line(shortLine), problems);
  EXPECT_EQ(entries.size(), 1u) << "the first line of a key counts";
  EXPECT_TRUE(Mentions(problems, "line 2: a second line for z^aba"));
  EXPECT_TRUE(Mentions(problems, "line 3: expected 9"));
}

TEST(DatagenWordsTable, ReadsDrawingsAloneAndBesideEmoji) {
  std::vector<std::string> problems;
  std::vector<std::string> drawn = {"sto^l^", "st\xC3\xB3\xC5\x82", "-", "draw:table", "1", "-", "-", "-", "table"};
  std::vector<std::string> mixed = {"budy", "budy", "- \xF0\x9F\x90\x95", "draw:kennel 1F415", "2", "badge", "-", "-", "kennels"};
  auto entries = ParseTable(Line(drawn) + Line(mixed) + Line(Good()), problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].pictures, (std::vector<Subject>{Subject{U"", "table"}}));
  EXPECT_EQ(entries[0].emoji, "-");
  ASSERT_EQ(entries[1].pictures.size(), 2u);
  EXPECT_EQ(entries[1].pictures[0].drawing, "kennel");
  EXPECT_EQ(entries[1].pictures[1].emoji, U"\U0001F415");
  // A drawing beside an emoji counts as drawn; the coverage counts each word once.
  EXPECT_TRUE(ShowsDrawing(entries[0]) && !ShowsEmoji(entries[0]));
  EXPECT_TRUE(ShowsDrawing(entries[1]) && !ShowsEmoji(entries[1]));
  EXPECT_TRUE(ShowsEmoji(entries[2]) && !ShowsDrawing(entries[2]));

  struct Case {
    std::string emoji, codes, problem;
  };
  const std::vector<Case> cases = {
      {"-", "draw:teble", "no drawing is called \"teble\""},
      {"-", "draw:", "no drawing is called \"\""},
      {"\xF0\x9F\x90\xB8", "draw:table", "does not match"},  // the emoji column must show "-" for a drawing
      {"- -", "draw:table", "does not match"},
      {"-", "DRAW:table", "malformed code points"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> f = drawn;
    f[2] = c.emoji;
    f[3] = c.codes;
    problems.clear();
    EXPECT_TRUE(ParseTable(Line(f), problems).empty()) << c.codes;
    ASSERT_EQ(problems.size(), 1u) << c.codes;
    EXPECT_NE(problems[0].find(c.problem), std::string::npos) << problems[0];
  }
}

// No two words get one picture, though a count, a layout or a tint tells
// them apart; an emoji with writing on it is refused wherever it stands.
TEST(DatagenWordsTable, WordsAreDrawnApartAndWithoutWriting) {
  const std::string frog = "\xF0\x9F\x90\xB8", calendar = "\xF0\x9F\x93\x85", atm = "\xF0\x9F\x8F\xA7";
  const std::string flag = "\xF0\x9F\x87\xB5\xF0\x9F\x87\xB1";
  const std::vector<std::vector<std::string>> rows = {
      {"z^aba", "\xC5\xBC" "aba", frog, "1F438", "1", "-", "-", "-", "frog"},
      {"z^abka", "\xC5\xBC" "abka", frog, "1F438", "1", "-", "-", "120", "little frog"},  // the same, a hue apart
      {"z^aby", "\xC5\xBC" "aby", frog, "1F438", "2", "-", "-", "-", "frogs"},
      {"z^abki", "\xC5\xBC" "abki", frog, "1F438", "2", "-", "red", "-", "red frogs"},
      {"sto^l^", "st\xC3\xB3\xC5\x82", "-", "draw:table", "1", "-", "-", "-", "table"},
      {"stol^y", "sto\xC5\x82y", "-", "draw:table", "1", "-", "-", "-", "tables"},
      {"kalendarz", "kalendarz", calendar, "1F4C5", "1", "-", "-", "-", "calendar"},
      {"bank", "bank", frog + " " + atm + " " + frog, "1F438 1F3E7 1F438", "1", "pyramid", "-", "-", "bank"},
      {"polska", "polska", flag, "1F1F5-1F1F1", "1", "-", "-", "-", "flag"},
  };
  std::string text;
  for (const auto& row : rows) text += Line(row);
  std::vector<std::string> problems;
  const std::vector<Entry> table = ParseTable(text, problems);
  ASSERT_TRUE(problems.empty()) << problems.front();
  ASSERT_EQ(table.size(), rows.size());
  problems = CompositionProblems(table);
  EXPECT_EQ(problems.size(), 5u);
  EXPECT_TRUE(Mentions(problems, "z^abka is drawn exactly as z^aba is"));
  EXPECT_TRUE(Mentions(problems, "stol^y is drawn exactly as sto^l^ is"));
  EXPECT_TRUE(Mentions(problems, "kalendarz has writing on it"));
  EXPECT_TRUE(Mentions(problems, "bank has writing on it"));
  EXPECT_TRUE(Mentions(problems, "polska has writing on it"));
  EXPECT_TRUE(CarriesWriting(U"\U0001F524")) << "the letters to type";
  EXPECT_TRUE(CarriesWriting(U"\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F")) << "a tagged flag";
  EXPECT_FALSE(CarriesWriting(U"8\uFE0F\u20E3")) << "the digits of number words are allowed";
}

TEST(DatagenWordsEmoji, SequencesBecomeOneGlyph) {
  const unsigned man = EmojiGlyph(U"\U0001F468");
  EXPECT_NE(man, 0u);
  const unsigned farmer = EmojiGlyph(U"\U0001F468\u200D\U0001F33E");
  EXPECT_NE(farmer, 0u);
  EXPECT_NE(farmer, man);
  EXPECT_NE(EmojiGlyph(U"\U0001F468\U0001F3FF"), man) << "a skin tone";
  const unsigned eight = EmojiGlyph(U"8\uFE0F\u20E3");
  EXPECT_NE(eight, 0u);
  EXPECT_EQ(EmojiGlyph(U"8\u20E3"), eight) << "the presentation selector makes no difference";
  EXPECT_NE(EmojiGlyph(U"\u2764\uFE0F"), 0u);
  // Sequences the font does not join are not one picture.
  EXPECT_EQ(EmojiGlyph(U"\U0001F34C\u200D\U0001F34C"), 0u);
  EXPECT_EQ(EmojiGlyph(U"\U0001F468\U0001F468"), 0u);
  EXPECT_EQ(EmojiGlyph(U"\uE000"), 0u);
  EXPECT_EQ(EmojiGlyph(U""), 0u);
}

// A picture file as the program reads it.
std::unique_ptr<TBitmap> Load(const testsupport::TempDir& dir, const Entry& e) {
  dir.Write(std::string("Data/exio44j/") + e.key + ".+jp", PictureFile(e));
  testsupport::ScopedCwd cwd(dir.Path());
  return std::unique_ptr<TBitmap>(LoadWordPicture(e.key, PictureSize, PictureSize, true, false));
}

double Difference(const TBitmap& b, int x1, int y1, int x2, int y2) {
  const std::uint8_t* p = b.ScanLine(y1) + 3 * x1;
  const std::uint8_t* q = b.ScanLine(y2) + 3 * x2;
  return std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]);
}

TEST(DatagenWordsPicture, TheProgramReadsTheScrambledFile) {
  testsupport::TempDir dir;
  std::vector<std::string> problems;
  std::vector<std::string> motif = {"pl^ot", "p\xC5\x82ot", "-", "-", "1", "-", "-", "40", "fence"};
  std::vector<std::string> three = {"z^aby", "\xC5\xBC" "aby", "\xF0\x9F\x90\xB8", "1F438", "3", "-", "red", "-", "frogs"};
  auto entries = ParseTable(Line(Good()) + Line(motif) + Line(three), problems);
  ASSERT_EQ(entries.size(), 3u);
  for (const Entry& e : entries) {
    auto pic = Load(dir, e);
    ASSERT_EQ(pic->Width(), PictureSize);
    ASSERT_EQ(pic->Height(), PictureSize);
    EXPECT_EQ(pic->PixelFormat(), pf24bit);
    // Not a placeholder: the corners carry the background, the centre a subject.
    const std::uint8_t* corner = pic->ScanLine(2) + 6;
    EXPECT_FALSE(corner[0] > 245 && corner[1] > 245 && corner[2] > 245) << e.key;
    double most = 0;
    for (int y = 150; y < 250; y += 10)
      for (int x = 150; x < 250; x += 10) most = std::max(most, Difference(*pic, x, y, 2, 2));
    EXPECT_GT(most, 60) << e.key << ": nothing stands out from the background";
  }
  // The file is scrambled: its bytes do not begin as a JPEG does.
  std::ifstream f(dir.File("Data/exio44j/z^aba.+jp"), std::ios::binary);
  unsigned char head[2] = {0, 0};
  f.read(reinterpret_cast<char*>(head), 2);
  EXPECT_FALSE(head[0] == 0xFF && head[1] == 0xD8);
}

// Drawings that go wrong in the ways the check looks for.
void DrawsNothing(cairo_t*) {}
void TooSmall(cairo_t* cr) {
  cairo_rectangle(cr, 40, 40, 30, 30);
  cairo_fill(cr);
}
void TooLarge(cairo_t* cr) {
  cairo_rectangle(cr, -12, 0, 124, 100);
  cairo_fill(cr);
}
void OffTheCanvas(cairo_t* cr) {
  cairo_rectangle(cr, 30, 40, 90, 30);
  cairo_fill(cr);
}
void FitsWithAnOutlineOver(cairo_t* cr) {
  cairo_rectangle(cr, 0, 10, 100, 80);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

TEST(DatagenWordsDrawing, InkProblemsAreFound) {
  EXPECT_EQ(DrawingInkProblem(DrawsNothing), "draws nothing");
  EXPECT_NE(DrawingInkProblem(TooSmall).find("too small"), std::string::npos);
  EXPECT_NE(DrawingInkProblem(TooLarge).find("too large"), std::string::npos);
  EXPECT_EQ(DrawingInkProblem(OffTheCanvas), "runs off its canvas");
  EXPECT_EQ(DrawingInkProblem(FitsWithAnOutlineOver), "");
  const InkBox ink = DrawingInk(TooSmall);
  EXPECT_NEAR(ink.x0, 40, 0.6);
  EXPECT_NEAR(ink.y1, 70, 0.6);
}

// Every drawing: sound ink, used by the table, and a picture with a subject.
TEST(DatagenWordsDrawing, EveryDrawingIsSoundAndUsed) {
  std::vector<std::string> problems;
  const std::vector<Entry> table = LoadTable(problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  std::set<std::string> used;
  for (const Entry& e : table)
    for (const Subject& p : e.pictures)
      if (!p.drawing.empty()) used.insert(p.drawing);
  const std::vector<std::string> names = DrawingNames();
  EXPECT_GE(names.size(), 100u);
  for (const std::string& name : names) {
    EXPECT_TRUE(used.count(name)) << name << " is drawn for no word";
    EXPECT_EQ(DrawingInkProblem(FindDrawing(name)), "") << name;
    Entry e;
    e.key = name;
    e.pictures = {Subject{U"", name}};
    std::unique_ptr<TBitmap> pic = RenderPicture(e);
    double most = 0;
    for (int y = 120; y < 280; y += 8)
      for (int x = 120; x < 280; x += 8) most = std::max(most, Difference(*pic, x, y, 2, 2));
    EXPECT_GT(most, 60) << name << ": nothing stands out from the background";
  }
  EXPECT_EQ(FindDrawing("no such drawing"), nullptr);
}

TEST(DatagenWordsPicture, AnEmojiTheFontLacksIsAnError) {
  std::vector<std::string> problems;
  std::vector<std::string> f = Good();
  f[2] = "\xEE\x80\x80";  // U+E000
  f[3] = "E000";
  auto entries = ParseTable(Line(f), problems);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_THROW(RenderPicture(entries[0]), std::runtime_error);
}

// One picture for the drawing loop: a word by its key, a drawing by its name,
// an emoji by its code points; several side by side; a name that is none of
// these writes nothing.
TEST(DatagenWordsPicture, RendersChosenPicturesToAFile) {
  testsupport::TempDir dir;
  const std::string one = dir.File("one.png"), three = dir.File("three.png"), none = dir.File("none.png");
  EXPECT_TRUE(RenderToPng({"z^aba"}, one));
  EXPECT_TRUE(RenderToPng({"z^aba", DrawingNames().front(), "1F438"}, three));
  EXPECT_FALSE(RenderToPng({"z^aba", "no such thing"}, none));
  EXPECT_FALSE(std::filesystem::exists(none));
  auto size = [](const std::string& file, int& w, int& h) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
    w = cairo_image_surface_get_width(s);
    h = cairo_image_surface_get_height(s);
    cairo_surface_destroy(s);
  };
  int w = 0, h = 0;
  size(one, w, h);
  EXPECT_EQ(w, PictureSize);
  EXPECT_EQ(h, PictureSize);
  size(three, w, h);
  EXPECT_GT(w, 3 * PictureSize);
  EXPECT_GT(h, PictureSize);
  EXPECT_LT(h, 2 * PictureSize);
}

// The whole module: what it makes passes its check, and the check notices
// a missing, a broken and a stray file.
TEST(DatagenWordsModule, CheckFindsWhatIsWrong) {
  testsupport::TempDir dir;
  // The tree named relative to where the generator runs, as the build does.
  const std::filesystem::path full(dir.Path());
  testsupport::ScopedCwd cwd(full.parent_path().string());
  datagen::Tree tree(full.filename().string());
  const datagen::Module m = datagen::WordPicturesModule();
  dir.Write("Data/exio44j/stale.+jp", "left over");
  m.generate(tree);
  EXPECT_FALSE(std::filesystem::exists(dir.File("Data/exio44j/stale.+jp"))) << "the folder is cleared first";
  EXPECT_EQ(tree.Written().size(), 570u);
  std::vector<std::string> problems = m.check(tree);
  EXPECT_TRUE(problems.empty()) << problems.front();

  std::filesystem::remove(dir.File("Data/exio44j/kot.+jp"));
  dir.Write("Data/exio44j/pies.+jp", "not a picture");
  dir.Write("Data/exio44j/kot.jpg", "stray");
  problems = m.check(tree);
  EXPECT_TRUE(Mentions(problems, "kot.+jp is missing"));
  EXPECT_TRUE(Mentions(problems, "pies: not a JPEG"));
  EXPECT_TRUE(Mentions(problems, "pies.+jp does not load") || Mentions(problems, "pies.+jp shows mostly white"));
  EXPECT_TRUE(Mentions(problems, "stray file kot.jpg"));
}

}  // namespace
