#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Jpeg.h"
#include "support/TempDir.h"
#include "tools/datagen/Modules.h"

namespace {

class DatagenBackgrounds : public ::testing::Test {
 protected:
  void Picture(const std::string& name, int w, int h) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    b.Canvas()->Brush.Color = TColor(0x30A050);
    b.Canvas()->FillRect(Rect(0, 0, w, h));
    dir.Write("Data/Intf/Spec/" + name, EncodeJpeg(b, 90, true));
  }
  std::vector<std::string> Check() {
    datagen::Tree tree(dir.Path());
    return datagen::BackgroundsModule().check(tree);
  }
  testsupport::TempDir dir;
};

TEST_F(DatagenBackgrounds, EveryBackgroundCoversTheGameAreasOfItsPrefix) {
  Picture("R2_mainT.xji", 800, 600);
  Picture("R3_liaT.xji", 1024, 768);
  Picture("R5_oprT.xji", 1280, 960);
  Picture("R8_oprT.xji", 1280, 1024);
  Picture("R8_cieT.xji", 1280, 1024);
  Picture("R5_cnp3ms1.xji", 136, 136);  // a game piece, not a background
  Picture("splash.xji", 480, 320);
  EXPECT_EQ(Check(), std::vector<std::string>{});

  // A background of a new game, as short as the art: half a button on black.
  Picture("R8_newT.xji", 1280, 960);
  Picture("R2_newT.xji", 640, 600);
  auto problems = Check();
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].find("Data\\Intf\\Spec\\R2_newT.xji on 800x600: 640x600 does not cover"), 0u) << problems[0];
  EXPECT_EQ(problems[1].find("Data\\Intf\\Spec\\R8_newT.xji on 1280x1024: 1280x960 does not cover"), 0u)
      << problems[1];
}

TEST_F(DatagenBackgrounds, ATreeWithoutBackgroundsIsReported) {
  Picture("splash.xji", 480, 320);
  EXPECT_EQ(Check(), std::vector<std::string>{"no window backgrounds in Data\\Intf\\Spec\\"});
}

}  // namespace
