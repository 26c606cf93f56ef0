#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "games/Cgameform.h"
#include "games/Czoom44.h"
#include "platform/Random.h"
#include "tests/games/GameTestSupport.h"

namespace {

using gametest::GameTest;
using gametest::Near;

// ---- ShuffleInts ----

TEST(ShuffleInts, DrawsOncePerPositionButTheLastAndSwapsWithTheDraw) {
  std::vector<std::pair<int, int>> calls;
  RandomScript script;
  script.randomRange = [&](int from, int to) {
    calls.emplace_back(from, to);
    return to - 1;
  };
  ScopedRandomScript scoped(script);

  std::vector<int> v{10, 20, 30, 40, 50};
  ShuffleInts(v, 5);
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}, {3, 5}}));
  EXPECT_EQ(v, (std::vector<int>{50, 10, 20, 30, 40}));

  // Only the first n items take part; 0 or 1 items draw nothing.
  calls.clear();
  std::vector<int> w{1, 2, 3};
  ShuffleInts(w, 1);
  ShuffleInts(w, 0);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(w, (std::vector<int>{1, 2, 3}));
}

TEST(ShuffleInts, TwoItemsAreSwappedOrLeftByTheDraw) {
  int next = 0;
  RandomScript script;
  script.randomRange = [&](int, int) { return next; };
  ScopedRandomScript scoped(script);
  std::vector<int> v{1, 2};
  ShuffleInts(v, 2);
  EXPECT_EQ(v, (std::vector<int>{1, 2}));
  next = 1;
  ShuffleInts(v, 2);
  EXPECT_EQ(v, (std::vector<int>{2, 1}));
}

// ---- what the game windows rely on of the platform ----

// The end-of-game window is created before the game window is shown
// modally, and then shown modally over it: it must take clicks then.
TEST_F(GameTest, AWindowShownModallyOverAModalWindowTakesClicks) {
  TForm game(nullptr), dialog(nullptr);
  game.SetBounds(0, 0, 1024, 768);
  dialog.SetBounds(300, 300, 200, 100);
  int clicks = 0;
  dialog.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    ++clicks;
    dialog.ModalResult = 1;
  };
  game.OnKeyPress = [&](TObject*, char&) {
    hb().Then([&] { hb().Click(400, 350); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_FALSE(dialog.Enabled());  // as the game's modality left it
    game.Close();
  };
  hb().Then([&] { hb().Key('A', 'a'); });
  EXPECT_EQ(game.ShowModal(), mrCancel);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(dialog.Enabled());
}

// ---- the magnifier ----

class Magnifier : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window = std::make_unique<TForm>(nullptr);
    window->SetBounds(0, 0, 1024, 768);
    buffer = gametest::Solid(1024, 768, gametest::kBackground);
    buffer->SetPixelFormat(pf32bit);
    // Something to recognise under the lens: a stripe pattern.
    buffer->Canvas()->Brush.Color = 0x303030;
    for (int x = 0; x < 1024; x += 64) buffer->Canvas()->FillRect(Rect(x, 0, x + 8, 768));
    window->OnPaint = [this](TObject*) { window->Canvas()->CopyRect(window->ClientRect(), buffer->Canvas(), window->ClientRect()); };
    window->Show();
    Application->ProcessMessages();
    record = Dictionary->words[7]->records.front();
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  // The window shows exactly its buffer.
  bool ScreenIsBuffer() {
    for (int y = 0; y < 768; y += 3)
      for (int x = 0; x < 1024; x += 3)
        if (window->Surface()->PixelColor(x, y) != buffer->PixelColor(x, y)) return false;
    return true;
  }
  std::unique_ptr<TForm> window;
  std::unique_ptr<TBitmap> buffer;
  CSlowa::SPaczka* record = nullptr;
};

TEST_F(Magnifier, LensIsCentredOnTheClickAndKeptInsideTheWindow) {
  CZoom44 zoom(window->Canvas(), window->ClientRect(), buffer->Canvas());
  ASSERT_NE(CZoom44::lens.Colour, nullptr);
  zoom.Show(record, 500, 380);
  EXPECT_EQ(zoom.LensRect(), Bounds(500 - 223, 380 - 220, 446, 440));
  zoom.Hide();
  zoom.Show(record, 0, 3);
  EXPECT_EQ(zoom.LensRect(), Bounds(0, 0, 446, 440));
  zoom.Hide();
  zoom.Show(record, 1023, 767);
  EXPECT_EQ(zoom.LensRect(), Rect(1024 - 446, 768 - 440, 1024, 768));
  zoom.Hide();
  // A lens larger than its bounds starts at their top-left and overhangs.
  CZoom44 small(window->Canvas(), Rect(100, 50, 400, 300), buffer->Canvas());
  small.Show(record, 350, 250);
  EXPECT_EQ(small.LensRect(), Bounds(100, 50, 446, 440));
  small.Hide();
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, ShowsTheWordInTheFrameSpeaksAndLeavesNoTrace) {
  CZoom44 zoom(window->Canvas(), window->ClientRect(), buffer->Canvas());
  zoom.Show(record, 512, 384);
  const TRect r = zoom.LensRect();
  const TColor word = gametest::DataTree::Get().ColourOf(record->key);
  // The word's picture fills the window of the frame; the frame covers the rest.
  EXPECT_TRUE(Near(window->Surface()->PixelColor(r.left + 23 + 200, r.top + 20 + 200), word));
  EXPECT_TRUE(Near(window->Surface()->PixelColor(r.left + 23 + 2, r.top + 20 + 398), word));
  EXPECT_TRUE(Near(window->Surface()->PixelColor(r.left + 10, r.top + 200), gametest::kLensFrame));
  hb().ClearSounds();
  const auto sleeps = hb().Sleeps().size();
  zoom.Speak();
  ASSERT_EQ(hb().Sounds().size(), 1u);
  EXPECT_TRUE(hb().Sounds()[0].sync);
  EXPECT_NE(hb().Sounds()[0].name.find(record->key + ".pw"), std::string::npos);
  ASSERT_EQ(hb().Sleeps().size(), sleeps + 1);
  EXPECT_EQ(hb().Sleeps().back(), 400u);
  // The lens reached the screen before the wait.
  EXPECT_TRUE(Near(hb().ScreenPixel(r.left + 23 + 200, r.top + 220), word));
  zoom.Hide();
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, NothingHappensWithoutCanvasesOrBoundsAndSpeakNeedsAShownWord) {
  CZoom44 noTarget(nullptr, window->ClientRect(), buffer->Canvas());
  noTarget.Show(record, 10, 10);
  EXPECT_EQ(noTarget.Record(), nullptr);
  hb().ClearSounds();
  const auto sleeps = hb().Sleeps().size();
  noTarget.Speak();
  noTarget.Hide();
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().Sleeps().size(), sleeps);

  CZoom44 empty(window->Canvas(), Rect(0, 0, 0, 100), buffer->Canvas());
  empty.Show(record, 10, 10);
  EXPECT_EQ(empty.Record(), nullptr);
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, AMissingRecordingIsSilentButStillWaits) {
  CSlowa::SPaczka unknown;
  unknown.key = "brak^slowa";
  CZoom44 zoom(window->Canvas(), window->ClientRect(), buffer->Canvas());
  zoom.Show(&unknown, 512, 384);
  // The picture's stand-in: white with a red cross.
  const TRect r = zoom.LensRect();
  EXPECT_TRUE(Near(window->Surface()->PixelColor(r.left + 23 + 200, r.top + 20 + 200), TColor(0x0000FF)));
  EXPECT_TRUE(Near(window->Surface()->PixelColor(r.left + 23 + 200, r.top + 20 + 20), clWhite));
  hb().ClearSounds();
  const auto before = hb().NowMs();
  zoom.Speak();
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().NowMs() - before, 400);
  zoom.Hide();
}

TEST_F(Magnifier, WithoutItsLensTheWordIsShownAloneAndStillSpoken) {
  CZoom44 zoom(window->Canvas(), window->ClientRect(), buffer->Canvas());
  CZoom44::lens.Clear();  // as when the pair failed to load
  zoom.Show(record, 0, 767);
  EXPECT_EQ(zoom.LensRect(), Rect(0, 768 - 400, 400, 768));
  const TColor word = gametest::DataTree::Get().ColourOf(record->key);
  EXPECT_TRUE(Near(window->Surface()->PixelColor(1, 768 - 399), word));
  EXPECT_TRUE(Near(window->Surface()->PixelColor(398, 766), word));
  hb().ClearSounds();
  zoom.Speak();
  EXPECT_EQ(hb().Sounds().size(), 1u);
  zoom.Hide();
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, TheLensIsLoadedOnceForAllOwnersAndFreedWithTheLast) {
  ASSERT_EQ(CZoom44::instanceCount, 0);
  testsupport::TempDir own;
  testsupport::ScopedCwd here(own.Path());
  gametest::WriteLens(own);
  auto first = std::make_unique<CZoom44>(window->Canvas(), window->ClientRect(), buffer->Canvas());
  ASSERT_NE(CZoom44::lens.Colour, nullptr);
  TBitmap* loaded = CZoom44::lens.Colour;
  // The later owners do not load it again: the files may be gone by then.
  std::filesystem::remove_all(own.File("Data"));
  auto second = std::make_unique<CZoom44>(window->Canvas(), window->ClientRect(), buffer->Canvas());
  auto third = std::make_unique<CZoom44>(window->Canvas(), window->ClientRect(), buffer->Canvas());
  EXPECT_EQ(CZoom44::instanceCount, 3);
  EXPECT_EQ(CZoom44::lens.Colour, loaded);
  first.reset();
  second.reset();
  EXPECT_EQ(CZoom44::lens.Colour, loaded);
  third.reset();
  EXPECT_EQ(CZoom44::instanceCount, 0);
  EXPECT_EQ(CZoom44::lens.Colour, nullptr);
  EXPECT_EQ(CZoom44::lens.Mask, nullptr);
  EXPECT_EQ(CZoom44::lens.Cache, nullptr);
  // A new first owner loads it again (and builds without it when it is missing).
  CZoom44 again(window->Canvas(), window->ClientRect(), buffer->Canvas());
  EXPECT_EQ(CZoom44::lens.Colour, nullptr);
}

}  // namespace
