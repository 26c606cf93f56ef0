#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "games/Czoom44.h"
#include "tests/games/GameTestSupport.h"

namespace {

using gametest::GameTest;
using gametest::Near;

// ---- the magnifier ----

class Magnifier : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window = std::make_unique<TForm>(nullptr);
    window->SetBounds(0, 0, 1024, 768);
    buffer = gametest::Solid(1024, 768, gametest::kBackground);
    buffer->Canvas()->Brush.Color = 0x303030;  // stripes, to see what the lens covers
    for (int x = 0; x < 1024; x += 64) buffer->Canvas()->FillRect(Rect(x, 0, x + 8, 768));
    window->OnPaint = [this](TObject*) {
      window->Canvas()->CopyRect(window->ClientRect(), buffer->Canvas(), window->ClientRect());
    };
    window->Show();
    Application->ProcessMessages();
    record = Dictionary->words[7]->records.front();
    gametest::DataTree::Get().Words().Write(record->key);
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  std::unique_ptr<CZoom44> Make(TRect bounds = Rect(0, 0, 1024, 768)) {
    return std::make_unique<CZoom44>(window->Canvas(), bounds, buffer->Canvas());
  }
  TColor On(int x, int y) { return window->Surface()->PixelColor(x, y); }
  bool ScreenIsBuffer() {
    for (int y = 0; y < 768; y += 3)
      for (int x = 0; x < 1024; x += 3)
        if (On(x, y) != buffer->PixelColor(x, y)) return false;
    return true;
  }
  std::unique_ptr<TForm> window;
  std::unique_ptr<TBitmap> buffer;
  CSlowa::SPaczka* record = nullptr;
};

TEST_F(Magnifier, TheLensIsCentredOnTheClickAndMovedInsideItsBounds) {
  auto zoom = Make();
  ASSERT_NE(CZoom44::lens.Colour, nullptr);
  const std::vector<std::pair<TPoint, TRect>> cases = {
      {{500, 380}, Bounds(500 - 223, 380 - 220, 446, 440)},
      {{0, 3}, Bounds(0, 0, 446, 440)},
      {{1023, 767}, Rect(1024 - 446, 768 - 440, 1024, 768)}};
  for (const auto& [click, expected] : cases) {
    zoom->Show(record, click.x, click.y);
    EXPECT_EQ(zoom->LensRect(), expected);
    zoom->Hide();
  }
  // Larger than its bounds: from their top-left, overhanging right and down.
  auto small = Make(Rect(100, 50, 400, 300));
  small->Show(record, 350, 250);
  EXPECT_EQ(small->LensRect(), Bounds(100, 50, 446, 440));
  small->Hide();
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, ShowsTheWordInTheFrameSpeaksWaitsAndLeavesNoTrace) {
  auto zoom = Make();
  zoom->Show(record, 512, 384);
  const TRect r = zoom->LensRect();
  const TColor word = gametest::DataTree::Get().ColourOf(record->key);
  EXPECT_TRUE(Near(On(r.left + 23 + 200, r.top + 20 + 200), word));
  EXPECT_TRUE(Near(On(r.left + 23 + 2, r.top + 20 + 398), word));
  EXPECT_TRUE(Near(On(r.left + 10, r.top + 200), gametest::kLensFrame));
  hb().ClearSounds();
  const auto before = hb().NowMs();
  zoom->Speak();
  ASSERT_EQ(hb().Sounds().size(), 1u);
  EXPECT_TRUE(hb().Sounds()[0].sync);
  EXPECT_EQ(hb().Sounds()[0].name, "Data\\Smd\\" + record->key + ".pw");
  EXPECT_EQ(hb().NowMs() - before, gametest::kWordSoundMs + 400);
  EXPECT_TRUE(Near(hb().ScreenPixel(r.left + 223, r.top + 220), word));  // on the screen meanwhile
  zoom->Hide();
  EXPECT_TRUE(ScreenIsBuffer());

  // A word without its files: the stand-in picture, silence, still the wait.
  CSlowa::SPaczka unknown;
  unknown.key = "brak^slowa";
  zoom->Show(&unknown, 512, 384);
  EXPECT_TRUE(Near(On(r.left + 23 + 200, r.top + 20 + 200), TColor(0x0000FF)));  // the red cross
  hb().ClearSounds();
  const auto again = hb().NowMs();
  zoom->Speak();
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().NowMs() - again, 400);
  zoom->Hide();
}

TEST_F(Magnifier, WithoutCanvasesOrBoundsNothingHappensAndNothingIsSpoken) {
  CZoom44 noTarget(nullptr, window->ClientRect(), buffer->Canvas());
  auto empty = Make(Rect(0, 0, 0, 100));
  hb().ClearSounds();
  const auto before = hb().NowMs();
  for (CZoom44* z : {&noTarget, empty.get()}) {
    z->Show(record, 10, 10);
    EXPECT_EQ(z->Record(), nullptr);
    z->Speak();
    z->Hide();
  }
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().NowMs(), before);
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, WithoutItsLensTheWordIsShownAloneAndStillSpoken) {
  auto zoom = Make();
  CZoom44::lens.Clear();  // as when the pair failed to load
  zoom->Show(record, 0, 767);
  EXPECT_EQ(zoom->LensRect(), Rect(0, 768 - 400, 400, 768));
  const TColor word = gametest::DataTree::Get().ColourOf(record->key);
  EXPECT_TRUE(Near(On(1, 768 - 399), word));
  EXPECT_TRUE(Near(On(398, 766), word));
  hb().ClearSounds();
  zoom->Speak();
  EXPECT_EQ(hb().Sounds().size(), 1u);
  zoom->Hide();
  EXPECT_TRUE(ScreenIsBuffer());
}

TEST_F(Magnifier, TheLensIsLoadedOnceForAllOwnersAndFreedWithTheLast) {
  ASSERT_EQ(CZoom44::instanceCount, 0);
  testsupport::TempDir own;
  testsupport::ScopedCwd here(own.Path());
  gametest::WriteLens(own);
  auto first = Make();
  TBitmap* loaded = CZoom44::lens.Colour;
  ASSERT_NE(loaded, nullptr);
  // The later owners do not load it again: the files may be gone by then.
  std::filesystem::remove_all(own.File("Data"));
  auto second = Make(), third = Make();
  EXPECT_EQ(CZoom44::instanceCount, 3);
  first.reset();
  second.reset();
  EXPECT_EQ(CZoom44::lens.Colour, loaded);
  third.reset();
  EXPECT_EQ(CZoom44::instanceCount, 0);
  EXPECT_EQ(CZoom44::lens.Colour, nullptr);
  EXPECT_EQ(CZoom44::lens.Mask, nullptr);
  EXPECT_EQ(CZoom44::lens.Cache, nullptr);
  // A new first owner tries again (and is built without it when it is missing).
  auto again = Make();
  EXPECT_EQ(CZoom44::lens.Colour, nullptr);
}

}  // namespace
