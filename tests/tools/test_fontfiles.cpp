#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "toolkit/Ctbytebitmap.h"
#include "toolkit/Ctransfont.h"
#include "tools/support/FontFiles.h"

namespace {

using namespace fontfiles;

Coverage Make(int w, int h, std::vector<std::uint8_t> px) {
  Coverage c;
  c.width = w;
  c.height = h;
  c.pixels = std::move(px);
  return c;
}

// A mask with a spread of values and runs of many lengths.
Coverage Varied(int w, int h) {
  std::vector<std::uint8_t> px(std::size_t(w) * h);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = std::uint8_t(((i / 5) * 37 + (i / 300) * 11) & 255);
  return Make(w, h, px);
}

std::vector<std::uint8_t> ReadBack(const Bytes& b, CTByteBitmap& m, bool& ok) {
  TBytesStream s(b.data(), b.size());
  ok = m.LoadFromStream(&s);
  EXPECT_EQ(s.Position(), std::int64_t(b.size())) << "the reader takes exactly what was written";
  return CoverageOf(m).pixels;
}

TEST(FontFilesMask, RawRoundTripIsExact) {
  const Coverage c = Varied(17, 9);
  CTByteBitmap m;
  bool ok;
  EXPECT_EQ(ReadBack(EncodeTbb1(c), m, ok), c.pixels);
  EXPECT_TRUE(ok);
  EXPECT_EQ(m.Width(), 17);
  EXPECT_EQ(m.Height(), 9);
}

TEST(FontFilesMask, PackedRoundTripWithinOneStep) {
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[std::size_t(i)] = std::uint8_t(i);
  for (const Coverage& c : {Make(256, 1, all), Make(16, 16, all), Varied(300, 40)}) {
    CTByteBitmap m;
    bool ok;
    const std::vector<std::uint8_t> back = ReadBack(EncodeTbbs(c), m, ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(back.size(), c.pixels.size());
    for (std::size_t i = 0; i < back.size(); ++i) ASSERT_LE(std::abs(back[i] - c.pixels[i]), 1) << i;
  }
  // Full coverage and no coverage come back exactly, as do even values below 254.
  EXPECT_EQ(CoverageLevel(0), 0);
  EXPECT_EQ(CoverageLevel(255), 127);
  EXPECT_EQ(CoverageLevel(100), 50);
  EXPECT_EQ(CoverageLevel(253), 126);
}

TEST(FontFilesMask, PackedRunsOfEveryBoundaryLength) {
  for (int run : {1, 2, 3, 4, 257, 258, 259, 260, 261, 516, 517, 1000}) {
    std::vector<std::uint8_t> px(std::size_t(run), 200);
    px.push_back(10);  // a different level after the run
    px.insert(px.end(), std::size_t(run), 255);
    const Coverage c = Make(int(px.size()), 1, px);
    CTByteBitmap m;
    bool ok;
    EXPECT_EQ(ReadBack(EncodeTbbs(c), m, ok), px) << run;
    EXPECT_TRUE(ok) << run;
  }
}

TEST(FontFilesMask, PackedBytes) {
  const Bytes b = EncodeTbbs(Make(2, 2, {10, 10, 10, 10}));
  const Bytes want = {'T', 'B', 'B', 's', 2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 0x85, 0x01};
  EXPECT_EQ(b, want);
  EXPECT_EQ(EncodeTbbs(Make(2, 1, {0, 255})), (Bytes{'T', 'B', 'B', 's', 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 127}));
}

TEST(FontFilesMask, EmptyAndLargestMasks) {
  for (const Coverage& c : {Make(0, 5, {}), Make(5, 0, {}), Make(0, 0, {})}) {
    CTByteBitmap m;
    bool ok;
    ReadBack(EncodeTbbs(c), m, ok);
    EXPECT_TRUE(ok);
    ReadBack(EncodeTbb1(c), m, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(m.Pixels(), nullptr);
  }
  const Coverage big = Make(4096, 2048, std::vector<std::uint8_t>(std::size_t(4096) * 2048, 255));
  CTByteBitmap m;
  bool ok;
  EXPECT_EQ(ReadBack(EncodeTbbs(big), m, ok), big.pixels);
  EXPECT_TRUE(ok);
}

TEST(FontFilesMask, RefusesWhatTheReaderWouldRefuse) {
  EXPECT_THROW(EncodeTbb1(Make(4096, 2049, std::vector<std::uint8_t>(std::size_t(4096) * 2049))), std::invalid_argument);
  EXPECT_THROW(EncodeTbbs(Make(100001, 0, {})), std::invalid_argument);
  EXPECT_THROW(EncodeTbbs(Make(-1, 0, {})), std::invalid_argument);
  EXPECT_THROW(EncodeTbb1(Make(2, 2, {1, 2, 3})), std::invalid_argument);
}

// ---- font records and sets ----

FontRecord SampleFont(const std::string& name, int lineHeight) {
  FontRecord f;
  f.name = name;
  f.lineHeight = lineHeight;
  f.letterSpacing = -2;
  f.lineGap = 30000;
  FontSign invisible;
  FontSign a;
  a.before = -30000;
  a.after = 5;
  a.hasGlyph = true;
  a.glyph = Varied(7, 11);
  a.glyph.pixels[0] = 255;
  FontSign b = a;
  b.packed = false;
  b.before = 3;
  b.after = -4;
  f.signs = {invisible, a, b};
  f.map['A'] = 1;
  f.map[0xB9] = 2;  // a Polish letter
  return f;
}

TEST(FontFilesFont, RecordReadsBack) {
  const FontRecord f = SampleFont("B\263\271d", 21);
  const Bytes b = EncodeFontRecord(f);
  TBytesStream s(b.data(), b.size());
  CTransFont font;
  ASSERT_TRUE(font.LoadFromStream(&s));
  EXPECT_EQ(s.Position(), std::int64_t(b.size()));
  EXPECT_EQ(font.Name(), f.name);
  EXPECT_EQ(font.LineHeight(), 21);
  EXPECT_EQ(font.LetterSpacing(), -2);
  EXPECT_EQ(font.LineGap(), 30000);
  for (int c = 0; c < 256; ++c) EXPECT_EQ(font.Map((unsigned char)c), f.map[c]) << c;
  ASSERT_EQ(font.Signs().Count(), 3);
  EXPECT_EQ(font.Signs()[0].glyph, nullptr);
  EXPECT_EQ(font.Signs()[1].before, -30000);
  EXPECT_EQ(font.Signs()[1].after, 5);
  EXPECT_EQ(font.Signs()[2].before, 3);
  EXPECT_EQ(font.Signs()[2].after, -4);
  ASSERT_NE(font.Signs()[2].glyph, nullptr);
  EXPECT_EQ(CoverageOf(*font.Signs()[2].glyph).pixels, f.signs[2].glyph.pixels) << "raw glyphs are exact";
  const CTByteBitmap* packed = font.Signs()[1].glyph;
  ASSERT_NE(packed, nullptr);
  EXPECT_EQ(packed->Width(), 7);
  EXPECT_EQ(packed->Height(), 11);
  EXPECT_EQ(packed->Pixels()[0], 255);
}

TEST(FontFilesFont, RecordRefusesWhatTheReaderWouldRefuse) {
  auto refused = [](void (*change)(FontRecord&)) {
    FontRecord f = SampleFont("X", 10);
    change(f);
    return [&] {
      try {
        EncodeFontRecord(f);
      } catch (const std::invalid_argument&) {
        return true;
      }
      return false;
    }();
  };
  EXPECT_FALSE(refused([](FontRecord&) {}));
  EXPECT_TRUE(refused([](FontRecord& f) { f.map['Z'] = 3; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.signs.clear(); }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.signs.resize(257); }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.name.assign(256, 'n'); }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.lineHeight = -1; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.lineHeight = 30001; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.letterSpacing = -30001; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.lineGap = 30001; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.signs[1].after = 30001; }));
  EXPECT_TRUE(refused([](FontRecord& f) { f.signs[1].glyph.pixels.pop_back(); }));
  EXPECT_FALSE(refused([](FontRecord& f) { f.signs.resize(256); }));
}

class FontFilesSet : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tw-fontfiles-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string dir;
};

TEST_F(FontFilesSet, EveryFontLoadsByName) {
  const std::vector<std::string> names = {"Kwi_R2", "Lia_R2", "CS_h21", "Kwi_R3", "Lia_R3",
                                          "CS_h27", "Kwi_R5", "Lia_R5", "CS_h34"};
  std::vector<FontSetEntry> entries;
  for (std::size_t i = 0; i < names.size(); ++i)
    entries.push_back({names[i], EncodeFontRecord(SampleFont(names[i], int(20 + i)))});
  const std::string path = dir + "/tw5cz.tfs";
  SaveBytes(path, EncodeFontSet(entries));

  for (std::size_t i = 0; i < names.size(); ++i) {
    CTransFont font;
    ASSERT_TRUE(font.LoadFromSet(path, names[i])) << names[i];
    EXPECT_EQ(font.Name(), names[i]);
    EXPECT_EQ(font.LineHeight(), int(20 + i));
    EXPECT_EQ(font.Signs().Count(), 3);
  }
  CTransFont font;
  EXPECT_FALSE(font.LoadFromSet(path, "kwi_R2"));
}

TEST_F(FontFilesSet, EmptySetAndLimits) {
  const std::string path = dir + "/empty.tfs";
  SaveBytes(path, EncodeFontSet({}));
  CTransFont font;
  EXPECT_FALSE(font.LoadFromSet(path, ""));

  EXPECT_THROW(EncodeFontSet({{std::string(256, 'n'), {}}}), std::invalid_argument);
  EXPECT_THROW(EncodeFontSet(std::vector<FontSetEntry>(1001)), std::invalid_argument);
  std::vector<FontSetEntry> many(400, FontSetEntry{std::string(255, 'n'), {}});
  EXPECT_THROW(EncodeFontSet(many), std::invalid_argument) << "names beyond the 100000-byte block";
}

}  // namespace
