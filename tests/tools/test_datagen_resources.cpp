// The resource library's names and the texts of its letter tiles.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/datagen/Resources.h"

namespace {

using namespace datagen::res;

TEST(DatagenResources, TilesShowTheProgramsPiecesInUtf8) {
  ASSERT_EQ(TileNames().size(), 88u);
  EXPECT_EQ(TileText("dzzz_red"), "d\xC5\xBA");
  EXPECT_TRUE(IsRedTile("dzzz_red"));
  EXPECT_FALSE(IsRedTile("dzzz"));
  EXPECT_EQ(TileText("zz"), "\xC5\xBC");
  EXPECT_EQ(TileText("ch"), "ch");
  int red = 0;
  for (const std::string& n : TileNames()) red += IsRedTile(n) ? 1 : 0;
  EXPECT_EQ(red, 36);
}

TEST(DatagenResources, EveryNameOnce) {
  const auto names = AllNames();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  // The sound toggles are named and labelled after the phonemes.
  const auto& sounds = ToggleFamilies()[0].toggles;
  ASSERT_EQ(sounds.size(), 26u);
  EXPECT_EQ(sounds[1].name, "ZZ");
  EXPECT_EQ(sounds[1].label, "\xC5\xBB/RZ");
  EXPECT_EQ(sounds[11].name, "DZZZ");
  EXPECT_EQ(sounds[11].label, "D\xC5\xB9/DZI");
}

}  // namespace
