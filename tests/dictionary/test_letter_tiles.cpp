// The letter-tile names and the conversions between pieces and tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "dictionary/Phonemes.h"
#include "dictionary/Slowa_tab.h"
#include "platform/Random.h"
#include "toolkit/Universalfn.h"

namespace {

std::vector<std::string> Split(const std::string& text) {
  TStringList list;
  SplitSegments(&list, text);
  return list.Items();
}

TEST(LetterTiles, TableShape) {
  ASSERT_EQ(LetterTileCount, 88);
  std::vector<std::string> plain;
  std::set<std::string> withRed;
  for (int i = 0; i < LetterTileCount; ++i) {
    const std::string name = LetterTileNames[i];
    if (name.ends_with("_red")) {
      // Every red tile stands just before its plain tile.
      ASSERT_LT(i + 1, LetterTileCount);
      EXPECT_EQ(name, std::string(LetterTileNames[i + 1]) + "_red");
      withRed.insert(LetterTileNames[i + 1]);
    } else {
      EXPECT_EQ(name.find("_red"), std::string::npos);
      plain.push_back(name);
    }
  }
  EXPECT_EQ(plain.size(), 52u);
  EXPECT_EQ(withRed.size(), 36u);
  for (std::size_t i = 1; i < plain.size(); ++i) EXPECT_LT(plain[i - 1], plain[i]);
  std::set<std::string> withoutRed;
  for (const std::string& p : plain)
    if (!withRed.count(p)) withoutRed.insert(p);
  EXPECT_EQ(withoutRed, (std::set<std::string>{"a", "aa", "ch", "e", "ee", "h", "ll", "m", "mi", "n", "nn", "o", "oo",
                                               "u", "x", "y"}));
  EXPECT_STREQ(LetterTileNames[87], "zzz");
}

TEST(LetterTiles, RandomTileIsAlwaysPlain) {
  auto pick = [](std::int32_t value) {
    ScopedRandomScript script(RandomScript{[value] { return value; }, {}, {}});
    return RandomLetterTile();
  };
  EXPECT_EQ(pick(0), "a");
  EXPECT_EQ(pick(2), "b");  // b_red
  EXPECT_EQ(pick(3), "b");
  EXPECT_EQ(pick(86), "zzz");  // zzz_red
  EXPECT_EQ(pick(87), "zzz");
  EXPECT_EQ(pick(88 + 2), "b");
  EXPECT_EQ(pick(0x7FFFFFFF), LetterTileNames[0x7FFFFFFF % 88 + 1]);  // 0x7FFFFFFF % 88 is 55, p_red
  std::map<std::string, int> times;
  for (int i = 0; i < 88; ++i) {
    std::string name = pick(i);
    EXPECT_EQ(name.find("_red"), std::string::npos) << i;
    ++times[name];
  }
  EXPECT_EQ(times.size(), 52u);
  EXPECT_EQ(times["b"], 2);
  EXPECT_EQ(times["ch"], 1);
}

TEST(LetterTiles, SplitAndStrip) {
  EXPECT_EQ(Split("b,u,_dz,_i,k,"), (std::vector<std::string>{"b", "u", "_dz", "_i", "k"}));
  EXPECT_EQ(Split("a,b"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Split("a,,b,"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split(""), std::vector<std::string>{});
  TStringList list;
  list.Add("old");
  SplitSegments(&list, "x,");
  EXPECT_EQ(list.Items(), std::vector<std::string>{"x"});

  EXPECT_EQ(StripMark("_k"), "k");
  EXPECT_EQ(StripMark("k"), "k");
  EXPECT_EQ(StripMark(""), "");
  EXPECT_EQ(StripMark("_"), "");
  EXPECT_EQ(StripMark("__k"), "_k");
}

TEST(LetterTiles, SegmentsAndNames) {
  EXPECT_EQ(SegmentToTileName("k"), "k");
  EXPECT_EQ(SegmentToTileName("_k"), "k_red");
  EXPECT_EQ(SegmentToTileName("\271"), "aa");
  EXPECT_EQ(SegmentToTileName("_\277"), "zz_red");
  EXPECT_EQ(SegmentToTileName("\237"), "zzz");
  EXPECT_EQ(SegmentToTileName("_d\237"), "dzzz_red");
  EXPECT_EQ(SegmentToTileName("d\277"), "dzz");
  EXPECT_EQ(SegmentToTileName("\263"), "ll");
  EXPECT_EQ(SegmentToTileName("dzi"), "dzi");
  EXPECT_EQ(SegmentToTileName("\271\271"), "\271\271");  // only a whole piece is renamed
  EXPECT_EQ(SegmentToTileName(""), "");

  EXPECT_EQ(TileNameToSegment("zz_red"), "_\277");
  EXPECT_EQ(TileNameToSegment("zzz"), "\237");
  EXPECT_EQ(TileNameToSegment("dzzz_red"), "_d\237");
  EXPECT_EQ(TileNameToSegment("dzz"), "d\277");
  EXPECT_EQ(TileNameToSegment("oo"), "\363");
  EXPECT_EQ(TileNameToSegment("ch"), "ch");
  EXPECT_EQ(TileNameToSegment("k_red"), "_k");
  EXPECT_EQ(TileNameToSegment("_red"), "_");
  EXPECT_EQ(TileNameToSegment("red"), "red");
  EXPECT_EQ(TileNameToSegment(""), "");

  // Every tile name goes to a piece and back.
  for (int i = 0; i < LetterTileCount; ++i)
    EXPECT_EQ(SegmentToTileName(TileNameToSegment(LetterTileNames[i])), LetterTileNames[i]);
}

TEST(LetterTiles, EveryPieceOfTheTableRoundTrips) {
  const std::set<std::string> tiles(LetterTileNames, LetterTileNames + LetterTileCount);
  int pieces = 0;
  for (int i = 0; i < WordTableSize; ++i)
    for (const std::string& piece : Split(WordTable[i].segments)) {
      ++pieces;
      const std::string name = SegmentToTileName(piece);
      EXPECT_TRUE(tiles.count(name)) << piece;
      EXPECT_EQ(TileNameToSegment(name), piece);
      EXPECT_EQ(name.ends_with("_red"), piece[0] == '_') << piece;
      EXPECT_EQ(SegmentToTileName(StripMark(piece)) + (piece[0] == '_' ? "_red" : ""), name);
    }
  EXPECT_GT(pieces, 6000);
}

// The phoneme table names each sound's files after the plain letter tile of
// its written form, and every name once.
TEST(PhonemeTable, FileNamesAreThePlainTilesOfTheWrittenForms) {
  std::set<std::string> names;
  for (int i = 0; i < PhonemeCount; ++i) {
    const PhonemeInfo& p = PhonemeTable[i];
    const std::string file = p.fileName;
    EXPECT_TRUE(names.insert(file).second) << file;
    EXPECT_NE(std::find(std::begin(LetterTileNames), std::end(LetterTileNames), file), std::end(LetterTileNames)) << file;
    EXPECT_EQ(PolishUpperCase(TileNameToSegment(file)), p.name) << file;
    EXPECT_EQ(PhonemeIndex(std::int32_t(1u << i)), i);
  }
  EXPECT_EQ(PhonemeIndex(0x3), -1);
  EXPECT_EQ(PhonemeIndex(0x4000000), -1);
  EXPECT_EQ(PhonemeToggleName(11), "DZZZ");
  EXPECT_EQ(PhonemeForms(11, "/"), "D\217/DZI");
  EXPECT_EQ(PhonemeForms(0, "/"), "SZ");
}

}  // namespace
