#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "toolkit/Ctransfont.h"
#include "tools/datagen/Fonts.h"
#include "tools/datagen/Modules.h"

namespace {

using namespace datagen;

class DatagenFonts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/tw-datagen-fonts-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    Tree tree(dir);
    FontsModule().generate(tree);
    written = tree.Written();
    problems = FontsModule().check(tree);
    set = tree.Native(fonts::SetPath);
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(dir); }

  // A set of the nine designs, one of them changed by the caller, written beside the real one.
  static std::string Variant(const std::string& file, void (*change)(std::vector<fontfiles::FontRecord>&)) {
    std::vector<fontfiles::FontRecord> records;
    for (const fonts::Design& d : fonts::Designs()) records.push_back(fonts::Rasterise(d));
    change(records);
    const std::string path = dir + "/" + file;
    fontfiles::SaveBytes(path, fonts::EncodeSet(records));
    return path;
  }

  static bool Mentions(const std::vector<std::string>& found, const std::string& font, const std::string& what) {
    for (const std::string& p : found)
      if (p.rfind(font + ":", 0) == 0 && p.find(what) != std::string::npos) return true;
    return false;
  }

  static std::string dir, set;
  static std::vector<std::string> written, problems;
};

std::string DatagenFonts::dir, DatagenFonts::set;
std::vector<std::string> DatagenFonts::written, DatagenFonts::problems;

// First and last rows with ink of a character's glyph, counted from the line's top.
struct InkRows {
  int first = -1, last = -1;
};
InkRows Ink(const CTransFont& font, unsigned char c) {
  InkRows r;
  const CTByteBitmap* g = font.Signs()[font.Map(c)].glyph;
  if (!g) return r;
  for (int y = 0; y < g->Height(); ++y)
    for (int x = 0; x < g->Width(); ++x)
      if (g->Pixels()[y * g->Width() + x] > 64) {
        if (r.first < 0) r.first = y;
        r.last = y;
      }
  return r;
}

TEST_F(DatagenFonts, WritesOneSetThatPassesItsCheck) {
  EXPECT_EQ(written, std::vector<std::string>{fonts::SetPath});
  EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST_F(DatagenFonts, EveryFontLoadsByTheProgramsPath) {
  const std::string previous = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(dir));
  for (const char* name : {"Kwi_R2", "Lia_R2", "CS_h21", "Kwi_R3", "Lia_R3", "CS_h27", "Kwi_R5", "Lia_R5", "CS_h34"}) {
    CTransFont font;
    EXPECT_TRUE(font.LoadFromSet("Data\\Intf\\Spec\\tw5cz.tfs", name)) << name;
    EXPECT_EQ(font.Name(), name);
  }
  SetCurrentDir(previous);
}

TEST_F(DatagenFonts, GlyphsShareOneBaselineAndKeepTheirAccents) {
  // Flat-bottomed letters end on the baseline exactly (round ones overshoot it).
  const unsigned char flatCapitals[] = {'A', 'E', 'H', 'Z', 0xAF /*Ż*/, 0x8F /*Ź*/, 0xD1 /*Ń*/, 0xA3 /*Ł*/};
  const unsigned char descenders[] = {'g', 'j', 'p', 'y', 0xB9 /*ą*/, 0xEA /*ę*/, 0xA5 /*Ą*/};
  for (const fonts::Design& d : fonts::Designs()) {
    SCOPED_TRACE(d.name);
    CTransFont font;
    ASSERT_TRUE(font.LoadFromSet(set, d.name));
    const InkRows h = Ink(font, 'H');
    ASSERT_GE(h.first, 0);
    for (unsigned char c : flatCapitals) EXPECT_EQ(Ink(font, c).last, h.last) << "baseline of byte " << int(c);
    for (unsigned char c : descenders) EXPECT_GT(Ink(font, c).last, h.last) << "descender of byte " << int(c);
    // The accents stand clear above the capitals, inside the line.
    for (unsigned char c : {0xAF, 0x8C, 0x8F, 0xC6, 0xD1, 0xD3})
      EXPECT_LT(Ink(font, c).first, h.first - font.LineHeight() / 10) << "accent of byte " << int(c);
    // Lower-case letters sit on the same baseline.
    EXPECT_EQ(Ink(font, 'x').last, h.last);
    EXPECT_EQ(Ink(font, 0xBF /*ż*/).last, h.last);
  }
}

TEST_F(DatagenFonts, SpacingAndInvisibleBytes) {
  for (const fonts::Design& d : fonts::Designs()) {
    SCOPED_TRACE(d.name);
    CTransFont font;
    ASSERT_TRUE(font.LoadFromSet(set, d.name));
    int ab = 0, aSpaceB = 0, ah = 0, anlb = 0, anlbh = 0;
    font.MeasureText("AB", &ab, &ah);
    font.MeasureText("A B", &aSpaceB, nullptr);
    font.MeasureText("A\nB", &anlb, &anlbh);
    EXPECT_GT(aSpaceB - ab, font.LineHeight() / 8) << "a space is visible as a gap";
    EXPECT_EQ(anlbh, 2 * ah);
    // Bytes outside the repertoire (a tab, an en dash, NUL) take no room and show nothing.
    int plain = 0, with = 0;
    font.MeasureText("AB", &plain, nullptr);
    font.MeasureText(std::string("A\t\x96") + '\0' + "B", &with, nullptr);
    EXPECT_EQ(with, plain);
    // Neighbouring letters of a word do not run into each other.
    const CTransFont::CSign& a = font.Signs()[font.Map('A')];
    const CTransFont::CSign& b = font.Signs()[font.Map('B')];
    EXPECT_GT(ab, a.glyph->Width() + b.glyph->Width() - 2);
  }
}

TEST_F(DatagenFonts, GenerationIsRepeatable) {
  const fonts::Design& d = fonts::Designs()[3];
  const fontfiles::Bytes once = fontfiles::EncodeFontRecord(fonts::Rasterise(d));
  EXPECT_EQ(fontfiles::EncodeFontRecord(fonts::Rasterise(d)), once);
}

// The check must find faults, not just pass.
TEST_F(DatagenFonts, CheckFindsMissingFontsAndLetters) {
  const auto noTruck = Variant("no-truck.tfs", [](auto& r) { r.pop_back(); });
  EXPECT_TRUE(Mentions(fonts::CheckSet(noTruck), "CS_h34", "does not load"));

  const auto noOgonek = Variant("no-a.tfs", [](auto& r) { r[0].map[0xB9] = 0; });
  EXPECT_TRUE(Mentions(fonts::CheckSet(noOgonek), "Kwi_R2", "0xB9 has no visible glyph"));

  const auto newlineGlyph = Variant("newline.tfs", [](auto& r) { r[1].map['\n'] = r[1].map['X']; });
  EXPECT_TRUE(Mentions(fonts::CheckSet(newlineGlyph), "Lia_R2", "0x0A has a glyph"));

  const auto stuckSpace = Variant("space.tfs", [](auto& r) { r[2].signs[r[2].map[' ']].after = 0; });
  EXPECT_TRUE(Mentions(fonts::CheckSet(stuckSpace), "CS_h21", "space does not advance"));

  const auto shortLine = Variant("line.tfs", [](auto& r) { r[4].lineHeight -= 5; });
  EXPECT_TRUE(Mentions(fonts::CheckSet(shortLine), "Lia_R3", "over the line height"));

  EXPECT_FALSE(Mentions(fonts::CheckSet(dir + "/absent.tfs"), "Kwi_R2", "loads")) << "sanity of Mentions";
  EXPECT_TRUE(Mentions(fonts::CheckSet(dir + "/absent.tfs"), "Kwi_R2", "does not load"));
}

TEST_F(DatagenFonts, CheckFindsTextsThatDoNotFit) {
  // Each font rasterised a third larger than designed breaks its game's room.
  const auto large = Variant("large.tfs", [](auto& r) {
    for (std::size_t i = 0; i < r.size(); ++i) {
      fonts::Design d = fonts::Designs()[i];
      d.pixels = d.pixels * 4 / 3;
      r[i] = fonts::Rasterise(d);
    }
  });
  const std::vector<std::string> found = fonts::CheckSet(large);
  EXPECT_TRUE(Mentions(found, "Kwi_R3", "marker plate"));
  EXPECT_TRUE(Mentions(found, "Lia_R5", "title window"));
  EXPECT_TRUE(Mentions(found, "CS_h21", "caption"));
  EXPECT_TRUE(Mentions(found, "CS_h34", "sound names"));
}

}  // namespace
