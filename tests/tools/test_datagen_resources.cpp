// The resource library's names and the texts of its letter tiles.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/datagen/Art.h"
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

// The scroll arrows take clicks over their whole rectangle, right beside the
// track, so every pixel of theirs shows in every state; the other buttons keep
// their round corners clear.
TEST(DatagenResources, ScrollArrowsShowOverTheirWholeRectangle) {
  for (const std::string base : {"up", "down", "rrec"}) {
    const Size size = ButtonSize(base);
    for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed}) {
      datagen::Art art(size.w, size.h);
      DrawButton(art, base, state);
      auto mask = art.AlphaMask();
      int clear = 0;
      for (int y = 0; y < size.h; ++y)
        for (int x = 0; x < size.w; ++x) clear += mask->ScanLine(y)[3 * x] < 255;
      if (base == "rrec")
        EXPECT_GT(clear, 0);
      else
        EXPECT_EQ(clear, 0) << base << " state " << int(state);
    }
  }
}

}  // namespace
