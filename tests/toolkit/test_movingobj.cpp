#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/WinApi.h"
#include "tests/support/Headless.h"
#include "toolkit/Cmovingobj.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Universalfn.h"

namespace {

using testsupport::HeadlessTest;

constexpr TColor kUntouched = clWhite;
constexpr TColor kSprite = clRed;

// A background whose every pixel tells where it came from.
TColor BackgroundAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 0x40); }

std::unique_ptr<TBitmap> MakeBackground(int w, int h) {
  std::unique_ptr<TBitmap> b(NewBitmap24(w, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Canvas()->SetPixel(x, y, BackgroundAt(x, y));
  return b;
}

// A white target that records the rectangle of every drawing call on it.
struct RecordingTarget {
  explicit RecordingTarget(int w, int h) : bitmap(NewBitmap24(w, h)) {
    bitmap->Canvas()->OnChange = [this](const TRect& r) { rects.push_back(r); };
  }
  TCanvas* canvas() { return bitmap->Canvas(); }
  std::unique_ptr<TBitmap> bitmap;
  std::vector<TRect> rects;
};

// The sprite: a red square 10 pixels in from its top-left, on the background.
void DrawSprite(TBitmap* b, int x, int y) {
  b->Canvas()->Brush.Color = kSprite;
  b->Canvas()->FillRect(Rect(x + 10, y + 10, x + 20, y + 20));
}

class MovingObjTest : public HeadlessTest {
 protected:
  std::unique_ptr<TBitmap> bg = MakeBackground(400, 300);
};

TEST_F(MovingObjTest, RestoreCopiesTheStripThenTheBand) {
  const TRect old = Rect(50, 60, 90, 90);  // 40 x 30
  RecordingTarget t(400, 300);
  RestoreUncoveredBackground(t.canvas(), bg->Canvas(), 53, 58, old);  // moved by (3, -2)
  EXPECT_EQ(t.rects, (std::vector<TRect>{Rect(50, 60, 53, 88), Rect(50, 88, 90, 90)}));

  t.rects.clear();
  RestoreUncoveredBackground(t.canvas(), bg->Canvas(), 90, 60, old);  // (40, 0): no overlap
  EXPECT_EQ(t.rects, (std::vector<TRect>{old}));
  t.rects.clear();
  RestoreUncoveredBackground(t.canvas(), bg->Canvas(), 50, 60, old);  // (0, 0)
  EXPECT_TRUE(t.rects.empty());
}

TEST_F(MovingObjTest, RestoreCoversExactlyWhatTheNewPlaceLeaves) {
  const TRect old = Rect(100, 100, 140, 130);
  const int moves[] = {-41, -40, -39, -30, -29, -3, -1, 0, 1, 2, 29, 30, 39, 40, 41};
  for (int dx : moves)
    for (int dy : moves) {
      RecordingTarget t(300, 300);
      RestoreUncoveredBackground(t.canvas(), bg->Canvas(), old.left + dx, old.top + dy, old);
      const TRect now = Bounds(old.left + dx, old.top + dy, 40, 30);
      for (int y = old.top - 1; y <= old.bottom; ++y)
        for (int x = old.left - 1; x <= old.right; ++x) {
          const bool uncovered = old.Contains(x, y) && !now.Contains(x, y);
          ASSERT_EQ(t.bitmap->PixelColor(x, y), uncovered ? BackgroundAt(x, y) : kUntouched)
              << "move (" << dx << ", " << dy << ") at " << x << ", " << y;
        }
      // Strip and band never overlap.
      if (t.rects.size() == 2) {
        ASSERT_TRUE(IntersectRects(t.rects[0], t.rects[1]).IsEmpty());
      }
    }
}

TEST_F(MovingObjTest, MoveDrawsTheNewPlaceBeforeCleaningTheOld) {
  RecordingTarget t(400, 300);
  CMovingObj sprite;
  sprite.Setup(Rect(50, 60, 90, 90), 60, 75, DrawSprite, bg.get(), t.canvas());
  EXPECT_TRUE(t.rects.empty());  // Setup draws nothing
  EXPECT_EQ(sprite.GrabOffset(), (TPoint{10, 15}));
  sprite.MoveTo(63, 73);  // by (3, -2)
  EXPECT_EQ(t.rects, (std::vector<TRect>{Rect(53, 58, 93, 88), Rect(50, 60, 53, 88), Rect(50, 88, 90, 90)}));
  EXPECT_EQ(sprite.CurrentPosition(), (TPoint{53, 58}));
  EXPECT_EQ(sprite.StartPosition(), (TPoint{50, 60}));
  // The frame is the clean background with the sprite over it.
  EXPECT_EQ(t.bitmap->PixelColor(53 + 15, 58 + 15), kSprite);
  EXPECT_EQ(t.bitmap->PixelColor(53 + 2, 58 + 2), BackgroundAt(55, 60));
  EXPECT_EQ(t.bitmap->PixelColor(92, 87), BackgroundAt(92, 87));
  EXPECT_EQ(t.bitmap->PixelColor(51, 61), BackgroundAt(51, 61));

  t.rects.clear();
  sprite.MoveTo(63, 73);  // no move: the frame again, nothing restored
  EXPECT_EQ(t.rects, (std::vector<TRect>{Rect(53, 58, 93, 88)}));
}

TEST_F(MovingObjTest, FlyToEndsExactlyAfterEveryStepAndPause) {
  RecordingTarget t(400, 300);
  CMovingObj sprite;
  int frames = 0;
  sprite.Setup(Rect(10, 20, 50, 50), 25, 27,
               [&](TBitmap* b, int x, int y) {
                 ++frames;
                 DrawSprite(b, x, y);
               },
               bg.get(), t.canvas());
  std::vector<TPoint> places;
  t.bitmap->Canvas()->OnChange = [&](const TRect& r) {
    if (places.size() < std::size_t(frames)) places.push_back(TPoint{r.left, r.top});  // the frame comes first
  };
  sprite.FlyTo(300, 200, 80, 1900);
  EXPECT_EQ(frames, 80);
  EXPECT_EQ(hb().Sleeps(), std::vector<unsigned>(80, 23u));
  EXPECT_EQ(sprite.CurrentPosition(), (TPoint{300, 200}));
  EXPECT_EQ(places.back(), (TPoint{300, 200}));
  EXPECT_EQ(t.bitmap->PixelColor(315, 215), kSprite);
  EXPECT_EQ(t.bitmap->PixelColor(25, 35), BackgroundAt(25, 35));
  // Decelerating: never backwards, the steps never grow.
  for (std::size_t i = 2; i < places.size(); ++i) {
    EXPECT_GE(places[i].x, places[i - 1].x);
    EXPECT_LE(places[i].x - places[i - 1].x, places[i - 1].x - places[i - 2].x + 1);
  }
}

TEST_F(MovingObjTest, FlyToTheSamePlaceDrawsOneIdenticalFramePerStep) {
  RecordingTarget t(400, 300);
  CMovingObj sprite;
  sprite.Setup(Rect(10, 20, 50, 50), 25, 27, DrawSprite, bg.get(), t.canvas());
  sprite.FlyTo(10, 20, 20, 500);
  EXPECT_EQ(t.rects, std::vector<TRect>(20, Rect(10, 20, 50, 50)));
  EXPECT_EQ(hb().Sleeps(), std::vector<unsigned>(20, 25u));
}

TEST_F(MovingObjTest, NothingHappensBeforeSetupOrWithoutSteps) {
  RecordingTarget t(400, 300);
  CMovingObj sprite;
  sprite.MoveTo(5, 5);
  sprite.FlyTo(100, 100, 40, 1000);
  sprite.Setup(Rect(10, 20, 50, 50), 10, 20, DrawSprite, bg.get(), t.canvas());
  sprite.FlyTo(100, 100, 0, 1000);
  sprite.FlyTo(100, 100, -5, 1000);
  EXPECT_TRUE(t.rects.empty());
  EXPECT_TRUE(hb().Sleeps().empty());
  EXPECT_EQ(sprite.CurrentPosition(), (TPoint{10, 20}));
}

TEST_F(MovingObjTest, SetupKeepsTheWorkBitmapOfTheSameSize) {
  RecordingTarget t(400, 300);
  CMovingObj sprite;
  sprite.Setup(Rect(10, 20, 50, 50), 10, 20, DrawSprite, bg.get(), t.canvas());
  const TBitmap* work = sprite.WorkBitmap();
  ASSERT_NE(work, nullptr);
  EXPECT_EQ(work->PixelFormat(), pf24bit);
  sprite.MoveTo(30, 30);
  sprite.Setup(Rect(100, 100, 140, 130), 120, 110, DrawSprite, bg.get(), t.canvas());
  EXPECT_EQ(sprite.WorkBitmap(), work);
  EXPECT_EQ(sprite.StartPosition(), (TPoint{100, 100}));
  EXPECT_EQ(sprite.CurrentPosition(), (TPoint{100, 100}));
  EXPECT_EQ(sprite.GrabOffset(), (TPoint{20, 10}));
  sprite.Setup(Rect(0, 0, 20, 10), 0, 0, DrawSprite, bg.get(), t.canvas());
  EXPECT_EQ(sprite.WorkBitmap()->Width(), 20);
  EXPECT_EQ(sprite.WorkBitmap()->Height(), 10);
}

TEST_F(MovingObjTest, CopyRectExceptCopiesTheFrameAroundTheHole) {
  RecordingTarget t(200, 200);
  const TRect source = Rect(100, 100, 148, 138), hole = Rect(104, 104, 144, 134);
  CopyRectExcept(t.canvas(), 10, 20, hole, source, bg->Canvas());
  EXPECT_EQ(t.rects, (std::vector<TRect>{Rect(10, 20, 58, 24), Rect(10, 54, 58, 58), Rect(10, 24, 14, 54), Rect(54, 24, 58, 54)}));
  EXPECT_EQ(t.bitmap->PixelColor(10, 20), BackgroundAt(100, 100));
  EXPECT_EQ(t.bitmap->PixelColor(57, 57), BackgroundAt(147, 137));
  EXPECT_EQ(t.bitmap->PixelColor(13, 40), BackgroundAt(103, 120));
  EXPECT_EQ(t.bitmap->PixelColor(14, 24), kUntouched);
  EXPECT_EQ(t.bitmap->PixelColor(53, 53), kUntouched);
  // A hole on the source's top edge leaves no top band; the sides run from the top.
  t.rects.clear();
  CopyRectExcept(t.canvas(), 0, 0, Rect(104, 100, 144, 134), source, bg->Canvas());
  EXPECT_EQ(t.rects, (std::vector<TRect>{Rect(0, 34, 48, 38), Rect(0, 0, 4, 34), Rect(44, 0, 48, 34)}));
}

TEST_F(MovingObjTest, SpriteFliesOverARealWindow) {
  TForm f(nullptr);
  f.SetBounds(0, 0, 400, 300);
  f.OnPaint = [&](TObject*) { f.Canvas()->Draw(0, 0, bg.get()); };
  f.Show();
  Application->ProcessMessages();
  CMovingObj sprite;
  sprite.Setup(Rect(20, 30, 60, 60), 20, 30, DrawSprite, bg.get(), f.Canvas());
  sprite.MoveTo(25, 33);
  EXPECT_EQ(f.Surface()->PixelColor(40, 50), kSprite);
  sprite.FlyTo(200, 150, 20, 500);
  // The pauses show every frame: the last one is on the screen, and every
  // pixel outside the sprite's last place is the background again.
  EXPECT_EQ(hb().ScreenPixel(215, 165), kSprite);
  for (int y = 0; y < 300; y += 3)
    for (int x = 0; x < 400; x += 3)
      if (!Rect(210, 160, 220, 170).Contains(x, y)) {
        ASSERT_EQ(hb().ScreenPixel(x, y), BackgroundAt(x, y)) << x << ", " << y;
      }
}

}  // namespace
