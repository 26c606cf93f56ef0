#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::int64_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
}
void Put16(Bytes& b, int v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(std::uint16_t(v) >> 8));
}

struct SignRecipe {
  int before = 0, after = 0;
  int width = 0, height = 0;  // a glyph of full coverage when width > 0
  std::uint8_t flag = 1;
  const char* magic = "TBB1";
};

struct FontRecipe {
  std::string name = "Test";
  std::int64_t lineHeight = 10, letterSpacing = 1, lineGap = 2;
  std::uint8_t map[256] = {};
  std::optional<std::int64_t> signCount;  // the number of signs when not given
  std::vector<SignRecipe> signs;
};

Bytes Encode(const FontRecipe& f) {
  Bytes b = {'T', 'F', 'N', '1', std::uint8_t(f.name.size())};
  b.insert(b.end(), f.name.begin(), f.name.end());
  Put32(b, f.lineHeight);
  Put32(b, f.letterSpacing);
  Put32(b, f.lineGap);
  Put32(b, 12345);  // reserved
  b.insert(b.end(), f.map, f.map + 256);
  Put32(b, f.signCount.value_or(std::int64_t(f.signs.size())));
  for (const SignRecipe& s : f.signs) {
    Put16(b, s.before);
    Put16(b, s.after);
    b.push_back(s.width > 0 ? s.flag : 0);
    if (s.width > 0) {
      b.insert(b.end(), s.magic, s.magic + 4);
      Put32(b, s.width);
      Put32(b, s.height);
      b.insert(b.end(), std::size_t(s.width) * s.height, 255);
    }
  }
  return b;
}

// Sign 0 invisible; A: before 1, 3 x 2, after 2; B: 0, 2 x 2, 1; C: -1, 4 x 2, 0;
// space: 0, no glyph, 3. Letter spacing 1, line height 10, line gap 2.
// Advances: A 7, B 4, C 4, space 4.
FontRecipe Standard() {
  FontRecipe f;
  f.signs = {{0, 0}, {1, 2, 3, 2}, {0, 1, 2, 2}, {-1, 0, 4, 2}, {0, 3}};
  f.map['A'] = 1;
  f.map['B'] = 2;
  f.map['C'] = 3;
  f.map[' '] = 4;
  f.map[0xB9] = 1;  // a code page 1250 letter drawn as A
  return f;
}

bool Load(CTransFont& font, const Bytes& b) {
  TBytesStream s(b.data(), b.size());
  return font.LoadFromStream(&s);
}

void ExpectMapValid(const CTransFont& font) {
  for (int c = 0; c < 256; ++c) ASSERT_LT(font.Map((unsigned char)c), font.Signs().Count()) << c;
}

void ExpectEmptyFont(const CTransFont& font) {
  ASSERT_EQ(font.Signs().Count(), 1);
  EXPECT_EQ(font.Signs()[0].glyph, nullptr);
  EXPECT_EQ(font.Signs()[0].before, 0);
  EXPECT_EQ(font.Signs()[0].after, 1);
  EXPECT_EQ(font.LineHeight(), 0);
  EXPECT_EQ(font.LetterSpacing(), 0);
  EXPECT_EQ(font.LineGap(), 0);
  ExpectMapValid(font);
}

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Load(font, Encode(Standard())));
    target.reset(NewBitmap24(200, 100));
  }
  bool Black(int x, int y) { return target->PixelColor(x, y) == clBlack; }
  bool Untouched() {
    for (int y = 0; y < target->Height(); ++y)
      for (int x = 0; x < target->Width(); ++x)
        if (target->PixelColor(x, y) != clWhite) return false;
    return true;
  }

  CTransFont font;
  std::unique_ptr<TBitmap> target;
  const TRect rect{10, 20, 200, 100};
};

// ---- the empty font ----

TEST(CTransFontEmpty, NewFontHasOneInvisibleSign) {
  CTransFont font;
  ExpectEmptyFont(font);
  int w = -1, h = -1;
  font.MeasureText("abc", &w, &h);
  EXPECT_EQ(w, 2) << "one pixel per character, without the last one's";
  EXPECT_EQ(h, 0);
  std::unique_ptr<TBitmap> t(NewBitmap24(10, 10));
  const TRect r{2, 3, 10, 10};
  font.DrawText(t.get(), &r, "abc", clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 5);
  EXPECT_EQ(font.LastPenY(), 3);
}

TEST(CTransFontEmpty, ResetKeepsNameAndPen) {
  CTransFont font;
  ASSERT_TRUE(Load(font, Encode(Standard())));
  std::unique_ptr<TBitmap> t(NewBitmap24(50, 50));
  const TRect r{0, 0, 50, 50};
  font.DrawText(t.get(), &r, "AB", clBlack, 255);
  font.Reset();
  ExpectEmptyFont(font);
  EXPECT_EQ(font.Name(), "Test");
  EXPECT_EQ(font.LastPenX(), 11);
}

// ---- drawing and measuring ----

TEST_F(FontTest, DrawTextLineBreak) {
  font.DrawText(target.get(), &rect, "A\nC", clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 14);
  EXPECT_EQ(font.LastPenY(), 32);
  // A at (11, 20), 3 x 2.
  EXPECT_FALSE(Black(10, 20));
  EXPECT_TRUE(Black(11, 20));
  EXPECT_TRUE(Black(13, 21));
  EXPECT_FALSE(Black(14, 20));
  EXPECT_FALSE(Black(11, 22));
  // C one line lower at x 9, its first column clipped by the rectangle's left edge.
  EXPECT_FALSE(Black(9, 32));
  EXPECT_TRUE(Black(10, 32));
  EXPECT_TRUE(Black(12, 33));
  EXPECT_FALSE(Black(13, 32));
}

TEST_F(FontTest, DrawTextCarriageReturnStaysOnTheLine) {
  font.DrawText(target.get(), &rect, "AB\rC", clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 14);
  EXPECT_EQ(font.LastPenY(), 20);
}

TEST_F(FontTest, DrawTextEmptyLeavesPenAtTheCorner) {
  font.DrawText(target.get(), &rect, "AAA", clBlack, 255);
  target.reset(NewBitmap24(200, 100));
  font.DrawText(target.get(), &rect, "", clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 10);
  EXPECT_EQ(font.LastPenY(), 20);
  EXPECT_TRUE(Untouched());
}

TEST_F(FontTest, DrawTextClipsToTheRectangleAndKeepsWalking) {
  const TRect small{10, 20, 13, 21};
  font.DrawText(target.get(), &small, "AAAA", clBlack, 128);
  EXPECT_EQ(font.LastPenX(), 10 + 28);
  EXPECT_NE(target->PixelColor(11, 20), clWhite);
  EXPECT_EQ(target->PixelColor(13, 20), clWhite);
  EXPECT_EQ(target->PixelColor(11, 21), clWhite);
}

TEST_F(FontTest, MeasureText) {
  int w = -1, h = -1;
  font.MeasureText("", &w, &h);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 10);
  font.MeasureText("AB", &w, &h);
  EXPECT_EQ(w, 1 + 3 + 2 + 1 + 0 + 2);
  font.MeasureText("A\nB", &w, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 2 * 10 + 2);
  font.MeasureText("C\rAB", &w, &h);
  EXPECT_EQ(w, 9);
  EXPECT_EQ(h, 10) << "a carriage return adds no height";
  font.MeasureText("AB\n", nullptr, &h);
  EXPECT_EQ(h, 22);
  w = -7;
  font.MeasureText("AB", &w, nullptr);
  EXPECT_EQ(w, 9);
  font.MeasureText("\xB9", &w, nullptr);
  EXPECT_EQ(w, 4);
}

TEST_F(FontTest, DrawCharsCountAndRectangle) {
  font.DrawChars(target.get(), &rect, "ABC", 2, clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 21);
  EXPECT_EQ(font.LastPenY(), 20);
  EXPECT_TRUE(Black(17, 20)) << "B";
  EXPECT_FALSE(Black(20, 20)) << "no C";

  font.DrawChars(target.get(), &rect, "AB", 99, clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 21) << "stops at the end of the text";

  target.reset(NewBitmap24(200, 100));
  const TRect noWidth{10, 20, 10, 100}, noHeight{10, 20, 100, 19};
  font.DrawChars(target.get(), &noWidth, "ABC", 3, clBlack, 255);
  font.DrawChars(target.get(), &noHeight, "ABC", 3, clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 21) << "pen untouched";
  EXPECT_TRUE(Untouched());
}

TEST(CTransFontDraw, DrawCharsMapsLineBreaks) {
  FontRecipe f = Standard();
  f.map['\n'] = 2;
  CTransFont font;
  ASSERT_TRUE(Load(font, Encode(f)));
  std::unique_ptr<TBitmap> t(NewBitmap24(50, 50));
  const TRect r{0, 0, 50, 50};
  font.DrawChars(t.get(), &r, "\nA", 2, clBlack, 255);
  EXPECT_EQ(t->PixelColor(0, 0), clBlack) << "the newline drawn as B";
  EXPECT_EQ(font.LastPenX(), 4 + 7);
  EXPECT_EQ(font.LastPenY(), 0);
}

// ---- line breaking ----

struct BreakCase {
  const char* text;
  int maxWidth;
  int count;
  int width;
  int next;  // index where the next line begins
};

TEST_F(FontTest, BreakLineTable) {
  const BreakCase cases[] = {
      {"AA BB", 25, 5, 25, 5},       // all fits: the whole text, width without the last spacing
      {"AA BB", 24, 2, 13, 3},       // second word moves; the space between is dropped
      {"AA BB CC", 30, 5, 25, 6},    // two words of three
      {"AA", 13, 2, 13, 2},          // a whole word fits at exactly the maximum
      {"AAA", 19, 2, 13, 2},         // cut word: the third A would reach 20
      {"AAAA", 21, 3, 20, 3},        // cut while strictly below the maximum
      {"AB", 6, 0, 0, 1},            // A alone is as wide as the line: dropped
      {"A", 5, 0, 0, 1},             // ... also at the end of the text
      {"AB\nC", 100, 2, 10, 3},      // the line does not contain its '\n'
      {"\nA", 100, 0, -1, 1},        // an empty line
      {"A  \nB", 100, 1, 6, 4},      // spaces before a '\n' are dropped
      {"  A", 100, 3, 14, 3},        // leading spaces belong to the line
      {"  AAAA", 20, 0, -1, 2},      // a leading-space line whose word moves on
      {"A  ", 100, 3, 14, 3},        // trailing spaces that fit at the end of the text
      {"A  ", 10, 1, 6, 3},          // trailing spaces that do not fit
      {"A\rB", 100, 3, 10, 3},       // '\r' inside a word adds nothing
      {"AAA BB", 15, 2, 13, 2},      // a first word too wide is cut even when others follow
  };
  for (const BreakCase& c : cases) {
    int count = -99, width = -99;
    const char* next = font.BreakLine(c.text, &count, &width, c.maxWidth);
    EXPECT_EQ(count, c.count) << c.text << " / " << c.maxWidth;
    EXPECT_EQ(width, c.width) << c.text << " / " << c.maxWidth;
    EXPECT_EQ(next - c.text, c.next) << c.text << " / " << c.maxWidth;
  }
}

TEST_F(FontTest, BreakLineEmptyTextWritesNothing) {
  int count = -99, width = -99;
  const char* empty = "";
  EXPECT_EQ(font.BreakLine(empty, &count, &width, 100), empty);
  EXPECT_EQ(count, -99);
  EXPECT_EQ(width, -99);
}

TEST_F(FontTest, BreakLineAlwaysMovesOn) {
  // Whatever the width, every call on a non-empty text advances.
  const char* texts[] = {"AA BB CC", "   ", "\n\n", "A\r\r", "CCCC CC  C\nA", "\xB9\xB9\xB9"};
  for (const char* t : texts) {
    for (int max : {-50, 0, 1, 4, 7, 13, 1000}) {
      const char* p = t;
      int lines = 0;
      while (*p && lines < 100) {
        int count, width;
        const char* next = font.BreakLine(p, &count, &width, max);
        ASSERT_GT(next, p) << t << " / " << max;
        ASSERT_GE(count, 0);
        ASSERT_LE(count, int(std::strlen(p)));
        p = next;
        ++lines;
      }
      EXPECT_EQ(*p, 0);
    }
  }
}

// ---- word-wrapped text ----

// The first painted column of row y, or -1.
int FirstBlack(TBitmap* t, int y) {
  for (int x = 0; x < t->Width(); ++x)
    if (t->PixelColor(x, y) == clBlack) return x;
  return -1;
}

TEST_F(FontTest, DrawTextInRectAlignment) {
  // "AAAAAA" is 6 x 7 - 1 = 41 wide in an available width of 100.
  const TRect r{10, 0, 110, 50};
  const std::pair<std::uint8_t, int> expected[] = {{0, 10}, {1, 10 + 29}, {2, 10 + 59}};
  for (auto [align, edge] : expected) {
    target.reset(NewBitmap24(200, 100));
    font.DrawTextInRect(target.get(), "AAAAAA", r, clBlack, align, 255);
    EXPECT_EQ(FirstBlack(target.get(), 0), edge + 1) << int(align);  // A's before-spacing is 1
    EXPECT_EQ(font.LastPenX(), edge + 42) << int(align);
  }
}

TEST_F(FontTest, DrawTextInRectOtherAlignmentDrawsNothing) {
  font.DrawText(target.get(), &rect, "", clBlack, 255);
  font.DrawTextInRect(target.get(), "AA BB CC\nA", TRect{0, 0, 30, 100}, clBlack, 3, 255);
  EXPECT_TRUE(Untouched());
  EXPECT_EQ(font.LastPenX(), 10);
  EXPECT_EQ(font.LastPenY(), 20);
}

TEST_F(FontTest, DrawTextInRectWrapsAndWalksBelow) {
  // Lines "AA BB" at 20 and "CC" at 32; "A" at 44 falls below the rectangle.
  font.DrawTextInRect(target.get(), "AA BB CC\nA", TRect{10, 20, 40, 44}, clBlack, 0, 255);
  EXPECT_EQ(FirstBlack(target.get(), 20), 11);
  EXPECT_EQ(FirstBlack(target.get(), 32), 10) << "C clipped at the left edge";
  EXPECT_EQ(FirstBlack(target.get(), 31), -1);
  EXPECT_EQ(FirstBlack(target.get(), 44), -1);
  EXPECT_EQ(font.LastPenY(), 32) << "the line below the rectangle drew nothing";
}

TEST_F(FontTest, DrawTextInRectStopsAtNul) {
  font.DrawTextInRect(target.get(), std::string("AB\0CD", 5), TRect{10, 20, 200, 100}, clBlack, 0, 255);
  EXPECT_EQ(font.LastPenX(), 21);
  EXPECT_EQ(FirstBlack(target.get(), 32), -1);
}

// ---- loading one record ----

TEST(CTransFontLoad, StandardRecord) {
  CTransFont font;
  ASSERT_TRUE(Load(font, Encode(Standard())));
  EXPECT_EQ(font.Name(), "Test");
  EXPECT_EQ(font.LineHeight(), 10);
  EXPECT_EQ(font.LetterSpacing(), 1);
  EXPECT_EQ(font.LineGap(), 2);
  ASSERT_EQ(font.Signs().Count(), 5);
  EXPECT_EQ(font.Map('C'), 3);
  EXPECT_EQ(font.Map(0xB9), 1);
  const CTransFont::CSign& c = font.Signs()[3];
  EXPECT_EQ(c.before, -1);
  EXPECT_EQ(c.after, 0);
  ASSERT_NE(c.glyph, nullptr);
  EXPECT_EQ(c.glyph->Width(), 4);
  EXPECT_EQ(c.glyph->Height(), 2);
  EXPECT_EQ(font.Signs()[4].glyph, nullptr);
}

TEST(CTransFontLoad, AnyNonZeroGlyphFlagMeansAMaskFollows) {
  FontRecipe f = Standard();
  f.signs[1].flag = 2;
  f.signs[2].flag = 255;
  CTransFont font;
  ASSERT_TRUE(Load(font, Encode(f)));
  ASSERT_NE(font.Signs()[1].glyph, nullptr);
  ASSERT_NE(font.Signs()[2].glyph, nullptr);
  EXPECT_EQ(font.Signs()[2].glyph->Width(), 2);
  EXPECT_EQ(font.Signs()[3].glyph->Width(), 4) << "the signs after them are in step";
}

TEST(CTransFontLoad, RangesOfTheHeader) {
  struct Case {
    const char* what;
    void (*change)(FontRecipe&);
    bool ok;
  };
  const Case cases[] = {
      {"line height 0", [](FontRecipe& f) { f.lineHeight = 0; }, true},
      {"line height 30000", [](FontRecipe& f) { f.lineHeight = 30000; }, true},
      {"line height -1", [](FontRecipe& f) { f.lineHeight = -1; }, false},
      {"line height 30001", [](FontRecipe& f) { f.lineHeight = 30001; }, false},
      {"spacing -30000", [](FontRecipe& f) { f.letterSpacing = -30000; }, true},
      {"spacing 30001", [](FontRecipe& f) { f.letterSpacing = 30001; }, false},
      {"spacing -30001", [](FontRecipe& f) { f.letterSpacing = -30001; }, false},
      {"gap 30000", [](FontRecipe& f) { f.lineGap = 30000; }, true},
      {"gap 30001", [](FontRecipe& f) { f.lineGap = 30001; }, false},
      {"gap -30001", [](FontRecipe& f) { f.lineGap = -30001; }, false},
      {"sign count 0", [](FontRecipe& f) { f.signCount = 0; }, false},
      {"sign count 257", [](FontRecipe& f) { f.signCount = 257; }, false},
      {"sign count -1", [](FontRecipe& f) { f.signCount = -1; }, false},
      {"before 30001", [](FontRecipe& f) { f.signs[2].before = 30001; }, false},
      {"after -30001", [](FontRecipe& f) { f.signs[2].after = -30001; }, false},
      {"before -30000", [](FontRecipe& f) { f.signs[2].before = -30000; }, true},
      {"empty name", [](FontRecipe& f) { f.name.clear(); }, true},
      {"long name", [](FontRecipe& f) { f.name.assign(255, 'x'); }, true},
  };
  for (const Case& c : cases) {
    FontRecipe f = Standard();
    c.change(f);
    CTransFont font;
    EXPECT_EQ(Load(font, Encode(f)), c.ok) << c.what;
    ExpectMapValid(font);
  }
}

TEST(CTransFontLoad, GlyphsAreNoLargerThanAQuarterOfTheLargestScreen) {
  for (auto [w, h, ok] : {std::tuple{320, 256, true}, std::tuple{321, 1, false}, std::tuple{1, 257, false},
                          std::tuple{2048, 4096, false}}) {
    FontRecipe f;
    f.signs = {{0, 0}, {0, 0, w, h}};
    CTransFont font;
    EXPECT_EQ(Load(font, Encode(f)), ok) << w << " x " << h;
    EXPECT_EQ(font.Signs()[1].glyph != nullptr && font.Signs()[1].glyph->Pixels() != nullptr, ok);
  }
}

TEST(CTransFontLoad, BadMagic) {
  Bytes b = Encode(Standard());
  b[3] = '2';
  CTransFont font;
  EXPECT_FALSE(Load(font, b));
  ExpectEmptyFont(font);
}

TEST(CTransFontLoad, HeaderFaultAfterTheMapKeepsTheMapValid) {
  // The map names signs up to 4, then the sign count is refused: only the
  // empty sign exists, so every entry must fall back to it.
  FontRecipe f = Standard();
  f.signCount = 0;
  CTransFont font;
  EXPECT_FALSE(Load(font, Encode(f)));
  EXPECT_EQ(font.LineHeight(), 10) << "the fields read so far stay";
  EXPECT_EQ(font.Signs().Count(), 1);
  ExpectMapValid(font);
  EXPECT_EQ(font.Map('C'), 0);
  std::unique_ptr<TBitmap> t(NewBitmap24(20, 20));
  const TRect r{0, 0, 20, 20};
  font.DrawText(t.get(), &r, "ABC \xB9", clBlack, 255);
  EXPECT_EQ(font.LastPenX(), 5 * (1 + 1)) << "every character is the empty sign plus the letter spacing";
}

TEST(CTransFontLoad, MapEntryBeyondTheSignsIsFixed) {
  FontRecipe f = Standard();
  f.signs.resize(3);
  f.map['Q'] = 5;
  f.map['C'] = 3;
  CTransFont font;
  EXPECT_FALSE(Load(font, Encode(f)));
  EXPECT_EQ(font.Signs().Count(), 3) << "the signs themselves load";
  EXPECT_EQ(font.Map('Q'), 0);
  EXPECT_EQ(font.Map('C'), 0);
  EXPECT_EQ(font.Map('B'), 2);
}

TEST(CTransFontLoad, FailingMaskKeepsTheSignsReadSoFar) {
  FontRecipe f = Standard();
  f.signs[2].magic = "XXXX";
  CTransFont font;
  EXPECT_FALSE(Load(font, Encode(f)));
  EXPECT_EQ(font.Signs().Count(), 3) << "the failing sign included";
  EXPECT_NE(font.Signs()[1].glyph, nullptr);
  EXPECT_EQ(font.Map('A'), 1);
  EXPECT_EQ(font.Map('C'), 0);
  EXPECT_EQ(font.Map(' '), 0);
}

TEST(CTransFontLoad, EveryTruncationFailsSafely) {
  const Bytes full = Encode(Standard());
  std::unique_ptr<TBitmap> t(NewBitmap24(40, 30));
  const TRect r{0, 0, 40, 30};
  for (std::size_t n = 0; n < full.size(); ++n) {
    CTransFont font;
    Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(n));
    EXPECT_FALSE(Load(font, cut)) << n;
    ExpectMapValid(font);
    font.DrawText(t.get(), &r, "AB C\xB9", clBlack, 255);
    int w;
    font.MeasureText("AB C", &w, nullptr);
  }
}

// A stream that raises once a number of bytes have been read.
class FailingStream : public TBytesStream {
 public:
  FailingStream(const Bytes& b, std::int64_t failAt) : TBytesStream(b.data(), b.size()), failAt_(failAt) {}
  std::int64_t Read(void* buffer, std::int64_t count) override {
    if (read_ + count > failAt_) throw EReadError("Stream read error");
    read_ += count;
    return TBytesStream::Read(buffer, count);
  }

 private:
  std::int64_t failAt_;
  std::int64_t read_ = 0;
};

TEST(CTransFontLoad, ExceptionsPassOnAndLeaveAUsableFont) {
  const Bytes b = Encode(Standard());
  const std::int64_t signsStart = 4 + 1 + std::int64_t(Standard().name.size()) + 16 + 256 + 4;
  for (std::int64_t failAt : {std::int64_t(2), signsStart - 2, signsStart + 3, std::int64_t(b.size()) - 3}) {
    CTransFont font;
    FailingStream s(b, failAt);
    EXPECT_THROW(font.LoadFromStream(&s), EReadError) << failAt;
    ExpectMapValid(font);
    if (failAt > signsStart) {
      ExpectEmptyFont(font);  // the signs were being read: the font is reset
    }
  }
}

// ---- font sets ----

class FontSetTest : public ::testing::Test {
 protected:
  static Bytes Record(int lineHeight) {
    FontRecipe f = Standard();
    f.lineHeight = lineHeight;
    return Encode(f);
  }

  // A set of the given names and records; offsets and the name block size
  // are worked out unless given.
  void Write(const std::vector<std::string>& names, const std::vector<Bytes>& records,
             std::optional<std::vector<std::int64_t>> offsets = {}, std::optional<std::int64_t> nameBlock = {},
             const char* magic = "TFS1") {
    std::int64_t block = 0;
    for (const auto& n : names) block += std::int64_t(n.size());
    Bytes b(magic, magic + 4);
    Put32(b, std::int64_t(names.size()));
    Put32(b, nameBlock.value_or(block));
    for (const auto& n : names) b.push_back(std::uint8_t(n.size()));
    for (const auto& n : names) b.insert(b.end(), n.begin(), n.end());
    if (nameBlock && *nameBlock > block) b.insert(b.end(), std::size_t(*nameBlock - block), '?');
    std::int64_t at = std::int64_t(b.size()) + 4 * std::int64_t(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      Put32(b, offsets ? (*offsets)[i] : at);
      if (i < records.size()) at += std::int64_t(records[i].size());
    }
    for (const auto& r : records) b.insert(b.end(), r.begin(), r.end());
    WriteRaw(b);
  }
  void WriteRaw(const Bytes& b) {
    TFileStream f(path, fmCreate);
    f.WriteBuffer(b.data(), std::int64_t(b.size()));
  }
  Bytes ReadRaw() { return ReadFileBytes(path, 1 << 20); }

  testsupport::TempDir dir;
  std::string path = dir.File("set.tfs");
  CTransFont font;
};

TEST_F(FontSetTest, FindsEachFontByName) {
  Write({"Kwi_R2", "Lia_R2", "CS_h21"}, {Record(11), Record(22), Record(33)});
  ASSERT_TRUE(font.LoadFromSet(path, "Lia_R2"));
  EXPECT_EQ(font.LineHeight(), 22);
  ASSERT_TRUE(font.LoadFromSet(path, "CS_h21"));
  EXPECT_EQ(font.LineHeight(), 33);
  ASSERT_TRUE(font.LoadFromSet(path, "Kwi_R2"));
  EXPECT_EQ(font.LineHeight(), 11);
}

TEST_F(FontSetTest, NamesCompareExactly) {
  Write({"Kwi_R2", "Lia_R2"}, {Record(11), Record(22)});
  ASSERT_TRUE(font.LoadFromSet(path, "Lia_R2"));
  EXPECT_FALSE(font.LoadFromSet(path, "lia_R2"));
  ExpectEmptyFont(font);
  EXPECT_FALSE(font.LoadFromSet(path, "Lia_R"));
  EXPECT_FALSE(font.LoadFromSet(path, "Lia_R22"));
  EXPECT_FALSE(font.LoadFromSet(path, ""));
}

TEST_F(FontSetTest, FirstOfEqualNamesWins) {
  Write({"X", "X"}, {Record(5), Record(6)});
  ASSERT_TRUE(font.LoadFromSet(path, "X"));
  EXPECT_EQ(font.LineHeight(), 5);
}

TEST_F(FontSetTest, EmptySetFindsNothing) {
  Write({}, {});
  EXPECT_FALSE(font.LoadFromSet(path, "X"));
  EXPECT_FALSE(font.LoadFromSet(path, ""));
}

TEST_F(FontSetTest, BadOffsets) {
  const Bytes rec = Record(7);
  Write({"A"}, {rec});
  const std::int64_t size = std::int64_t(ReadRaw().size());
  for (std::int64_t off : {std::int64_t(-1), std::int64_t(-2147483647 - 1), size - 3, size, size + 100,
                           std::int64_t(0x7FFFFFFF), std::int64_t(0)}) {
    Write({"A"}, {rec}, std::vector<std::int64_t>{off});
    EXPECT_FALSE(font.LoadFromSet(path, "A")) << off;
    ExpectEmptyFont(font);
  }
}

TEST_F(FontSetTest, NameLengthsBeyondTheNameBlock) {
  // Lengths 3 and 5 but a block of 6: the second name would run past it.
  Write({"abc", "defgh"}, {Record(1), Record(2)}, {}, 6);
  EXPECT_FALSE(font.LoadFromSet(path, "abc"));
  EXPECT_FALSE(font.LoadFromSet(path, "defgh"));
  // A block larger than the names is fine.
  Write({"abc", "defgh"}, {Record(1), Record(2)}, {}, 20);
  EXPECT_TRUE(font.LoadFromSet(path, "defgh"));
  EXPECT_EQ(font.LineHeight(), 2);
}

TEST_F(FontSetTest, HeaderFaults) {
  Write({"A"}, {Record(1)}, {}, {}, "TFS2");
  EXPECT_FALSE(font.LoadFromSet(path, "A"));

  Write({"A"}, {Record(1)});
  const Bytes good = ReadRaw();
  auto withInt = [&](std::size_t at, std::int64_t v) {
    Bytes b = good;
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(std::uint32_t(v) >> (8 * i));
    WriteRaw(b);
    return font.LoadFromSet(path, "A");
  };
  EXPECT_FALSE(withInt(4, 1001));
  EXPECT_FALSE(withInt(4, -1));
  EXPECT_FALSE(withInt(8, 100001));
  EXPECT_FALSE(withInt(8, -1));
  EXPECT_FALSE(withInt(4, 1000)) << "a count the directory cannot hold: short read";

  for (std::size_t n = 0; n < good.size(); ++n) {
    WriteRaw(Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)));
    EXPECT_FALSE(font.LoadFromSet(path, "A")) << n;
    ExpectMapValid(font);
  }
}

TEST_F(FontSetTest, RecordThatFailsGivesFalse) {
  FontRecipe f = Standard();
  f.lineHeight = 40000;
  Write({"A"}, {Encode(f)});
  EXPECT_FALSE(font.LoadFromSet(path, "A"));
  ExpectMapValid(font);
}

TEST_F(FontSetTest, MissingOrUnreadableFileGivesFalse) {
  ASSERT_TRUE(Load(font, Encode(Standard())));
  EXPECT_NO_THROW(EXPECT_FALSE(font.LoadFromSet(dir.File("missing.tfs"), "A")));
  ExpectEmptyFont(font);
  EXPECT_NO_THROW(EXPECT_FALSE(font.LoadFromSet(dir.Path(), "A")));
}

}  // namespace
