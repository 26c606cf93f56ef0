#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Resource.h"

namespace {

// Records what is asked for; delivers 3x4 tiles except the ones listed to
// fail; counts the bitmaps it was given that are still alive.
struct Provider {
  std::vector<std::string> asked;
  std::vector<std::string> failing;
  std::shared_ptr<int> token = std::make_shared<int>(0);
  long LiveBitmaps() const { return token.use_count() - 1; }
  ResourceProvider Fn() {
    return [this](const std::string& name, TBitmap* b) {
      asked.push_back(name);
      // The bitmap's canvas holds a share of the token until the bitmap goes.
      b->Canvas()->OnChange = [t = token](const TRect&) {};
      for (const auto& f : failing)
        if (f == name) return false;
      b->SetPixelFormat(pf24bit);
      b->SetSize(3, 4);
      return true;
    };
  }
};

class LetterTilesTest : public ::testing::Test {
 protected:
  void TearDown() override { Display.SelectMode(); }
};

TEST_F(LetterTilesTest, EveryTileIsAskedForWithTheSuffixOfTheArtSet) {
  const std::pair<int, const char*> sets[] = {{800, "_s"}, {1024, "_b"}, {1280, "_eb"}};
  for (auto [width, suffix] : sets) {
    Display.SelectMode(width, width * 3 / 4);
    Provider p;
    ScopedResourceProvider scope(p.Fn());
    CBitmapy tiles;
    EXPECT_TRUE(tiles.Init());
    ASSERT_EQ(p.asked.size(), 88u);
    EXPECT_EQ(p.asked.front(), std::string("a") + suffix);
    EXPECT_EQ(p.asked[2], std::string("b_red") + suffix);
    EXPECT_EQ(p.asked.back(), std::string("zzz") + suffix);
    EXPECT_EQ(tiles.Count(), 88);
    EXPECT_EQ(tiles.Tile(87).bitmap->Width(), 3);
  }
}

TEST_F(LetterTilesTest, OneFailureStillAsksForTheRestAndFails) {
  Display.SelectMode(1024, 768);
  Provider p;
  p.failing = {std::string(LetterTileNames[9]) + "_b"};
  ScopedResourceProvider scope(p.Fn());
  CBitmapy tiles;
  EXPECT_FALSE(tiles.Init());
  EXPECT_EQ(p.asked.size(), 88u);
  EXPECT_EQ(tiles.Tile(9).bitmap->Width(), 0);
  EXPECT_EQ(tiles.Tile(10).bitmap->Width(), 3);
  EXPECT_EQ(p.LiveBitmaps(), 88);
  // A second load replaces the bitmaps without leaking them.
  p.failing.clear();
  EXPECT_TRUE(tiles.LoadLetterTiles());
  EXPECT_EQ(tiles.Count(), 88);
  EXPECT_EQ(p.LiveBitmaps(), 88);
}

TEST_F(LetterTilesTest, FindTileByExactName) {
  Provider p;
  ScopedResourceProvider scope(p.Fn());
  CBitmapy tiles;
  ASSERT_TRUE(tiles.Init());
  EXPECT_EQ(tiles.FindTile("sz")->name, "sz");
  EXPECT_EQ(tiles.FindTile("sz_red")->name, "sz_red");
  EXPECT_EQ(tiles.FindTile("SZ")->name, "a");
  EXPECT_EQ(tiles.FindTile("")->name, "a");
  EXPECT_NE(tiles.FindTile("sz"), tiles.FindTile("sz_red"));
}

}  // namespace
