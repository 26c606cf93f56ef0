// The truck game's sprites and drop schedule on their own: plain pictures,
// the real dictionary, seeded draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "games/Cgracie_gociezarowka.h"
#include "games/Cgracie_gopaczka.h"
#include "games/Cgracie_gosamolot.h"
#include "games/Cgracie_paczki.h"
#include "platform/Random.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"

namespace {

using gametest::Solid;

constexpr TColor kLook = 0x20A040, kBlink = 0x2020C0, kHint = 0xF0B070, kChute = 0xE0E0E0;
constexpr TPoint kScreens[] = {{800, 600}, {1024, 768}, {1280, 960}};

// Seeds spread over the generators' states.
void Seed(std::uint64_t n) { SeedRandom(n * 0x9E3779B97F4A7C15ull, std::uint32_t(n * 2654435761u)); }

class TruckRules : public gametest::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    chute.Create(150, 96, 255);
    work.Create(kW, kH, 255);
    box.reset(NewGrey8Bitmap(kW, kH, 255));
    truckPicture.Create(500, 200, 255);
    planePicture.Create(160, 80, 255);
    banner.Create(560, 100, 255);
  }
  std::unique_ptr<CgraCie_GOPaczka> NewParcel(bool correct, int fallSpeed = 1, TBitmap* mask = nullptr) {
    auto p = std::make_unique<CgraCie_GOPaczka>(&chute, &work, mask ? mask : box.get(), Solid(kW, kH, kLook),
                                                correct ? nullptr : Solid(kW, kH, kBlink),
                                                correct ? Solid(kW, kH, kHint) : nullptr);
    p->Start(nullptr, correct, fallSpeed);
    return p;
  }
  // The look a parcel shows, read in the middle of its box.
  static TColor Shown(CgraCie_GOPaczka& p) {
    auto target = Solid(1280, 1024, clBlack);
    p.Draw(target.get());
    return target->PixelColor(p.x + kW / 2, p.y + kH / 2);
  }

  static constexpr int kW = 160, kH = 140;
  CTransBitmap chute, work, truckPicture, planePicture, banner;
  std::unique_ptr<TBitmap> box;
};

// The design's speeds per art set: the truck's top speed and its change per
// frame, the plane's top speed.
struct Speeds {
  TPoint screen;
  int truckTop;
  float truckStep;
  int planeTop;
};
constexpr Speeds kSpeeds[] = {{{800, 600}, 6, 0.175f, 10}, {{1024, 768}, 7, 0.24f, 12}, {{1280, 960}, 9, 0.4f, 16}};

// The truck waits off the left edge, drives in at top speed, brakes only in
// its last 100 pixels by its step a frame (not below 1), stops exactly at
// its place and stands; leaving, it speeds up by the same step and is gone
// at the first frame it lies wholly off the left edge.
TEST_F(TruckRules, TruckDrivesInAndOutAtTheDesignSpeeds) {
  for (const Speeds& set : kSpeeds) {
    UseScreen(set.screen.x, set.screen.y);
    const int stopX = Display.Scale(16, 30);
    CgraCie_GOCiezarowka truck(&truckPicture);
    truck.Reset();
    EXPECT_FALSE(truck.active);
    EXPECT_EQ(truck.x, -500);
    EXPECT_EQ(truck.speed, float(set.truckTop));
    truck.active = true;
    int frames = 0;
    for (; !truck.Stands() && frames < 1000; ++frames) {
      const int x = truck.x;
      const float speed = truck.speed;
      truck.Step();
      ASSERT_EQ(truck.x, std::min(int(float(x) + speed), stopX)) << set.screen.x;
      if (truck.x == stopX) break;
      const bool brakes = truck.x > stopX - 100 && speed > 1;
      EXPECT_FLOAT_EQ(truck.speed, brakes ? std::max(speed - set.truckStep, 1.0f) : speed) << truck.x;
    }
    EXPECT_EQ(truck.x, stopX);
    EXPECT_EQ(truck.speed, 0.0f);
    EXPECT_TRUE(truck.Stands());
    truck.Depart();
    for (frames = 0; truck.active && frames < 1000; ++frames) {
      const int x = truck.x;
      const float speed = truck.speed;
      ASSERT_GT(x + 500, 0) << "still active after leaving";
      truck.Step();
      EXPECT_EQ(truck.x, int(float(x) - speed));
      if (truck.active) {
        EXPECT_FLOAT_EQ(truck.speed, std::min(speed + set.truckStep, float(set.truckTop)));
      }
    }
    EXPECT_LE(truck.x + 500, 0);
    // Landing right on the braking zone's edge keeps the speed; a column on
    // the playfield keeps the truck there, none lets it go.
    truck.Reset();
    truck.active = true;
    truck.x = stopX - 100 - set.truckTop;
    truck.Step();
    EXPECT_EQ(truck.x, stopX - 100);
    EXPECT_EQ(truck.speed, float(set.truckTop));
    truck.speed = 0;
    truck.Depart();
    truck.x = -498;
    truck.Step();
    EXPECT_TRUE(truck.active && truck.x == -499);
    truck.Step();
    EXPECT_TRUE(!truck.active && truck.x == -500);
  }
}

// The plane enters at top speed, brakes to a crawl of 1 pixel a frame that
// ends 40 pixels past where its banner stands centred (s(25) to the left of
// the middle), speeds up again and starts to fade s(260) further on.
TEST_F(TruckRules, ThePlaneCrawlsWithItsBannerInTheMiddle) {
  for (const Speeds& set : kSpeeds) {
    UseScreen(set.screen.x, set.screen.y);
    CgraCie_GOSamolot plane(&planePicture, &banner);
    plane.Reset();
    EXPECT_TRUE(plane.active);
    EXPECT_EQ(plane.x, -160);
    EXPECT_EQ(plane.speed, float(set.planeTop));
    // Where the banner (560 wide, its right edge s(12) right of the plane's
    // left) stands centred, s(25) to the left.
    const int centred = (Display.ArtWidth - 560) / 2 + 560 - Display.Scale(16, 12) - Display.Scale(16, 25);
    int crawlFrom = 0, crawlTo = 0;
    bool crawled = false;
    for (int frame = 0; plane.active && !plane.fading && frame < 2000; ++frame) {
      const float speed = plane.speed;
      plane.Step();
      if (plane.speed == 1.0f && !crawled) crawlFrom = plane.x, crawled = true;
      if (plane.speed == 1.0f) crawlTo = plane.x;
      if (plane.x <= centred - Display.Scale(16, 350)) {
        EXPECT_EQ(plane.speed, speed);
      }
      if (crawled && plane.speed > 1.0f) {
        EXPECT_GT(plane.speed, speed);
      }
      if (plane.fading) EXPECT_GT(plane.x, centred + 40 + Display.Scale(16, 260));
      else EXPECT_LE(plane.x, centred + 40 + Display.Scale(16, 260));
    }
    // Braking by whole frames ends the last stretch a little short.
    EXPECT_TRUE(crawlFrom <= centred && crawlFrom > centred - 2 * set.planeTop) << crawlFrom << " " << set.screen.x;
    EXPECT_EQ(crawlTo, centred + 40) << set.screen.x;
    EXPECT_TRUE(plane.fading);
    // Right on the fade point it does not fade yet.
    plane.Reset();
    plane.x = centred + 40 + Display.Scale(16, 260) - 1;
    plane.speed = 1;
    plane.Step();
    EXPECT_FALSE(plane.fading);
    plane.Step();
    EXPECT_TRUE(plane.fading);
  }
}

TEST_F(TruckRules, TruckParksExactlyAndLeavesThePlaneCrawlsAndFades) {
  for (TPoint screen : kScreens) {
    UseScreen(screen.x, screen.y);
    CgraCie_GOCiezarowka truck(&truckPicture);
    truck.Reset();
    truck.active = true;
    for (int frame = 0; truck.speed > 0 && frame < 1000; ++frame) {
      const TRect before = truck.dirty = truck.Rectangle();
      const float speed = truck.speed;
      truck.Step();
      // Braking only in the last 100 pixels; the dirty rectangle covers both places.
      EXPECT_TRUE(truck.speed <= 0 || truck.x > truck.stopX - 100 || truck.speed == speed);
      EXPECT_EQ(UnionRects(truck.dirty, UnionRects(before, truck.Rectangle())), truck.dirty) << truck.x;
    }
    EXPECT_EQ(truck.x, Display.Scale(16, 30)) << screen.x;
    truck.Depart();
    truck.Depart();
    EXPECT_EQ(truck.speed, 1.0f);
    for (int frame = 0; truck.active && frame < 1000; ++frame) truck.Step();
    EXPECT_TRUE(truck.x + 500 <= 0 && truck.speed == 0.0f);
    truck.Reset();  // turning round while still arriving keeps the speed
    truck.active = true;
    truck.Step();
    truck.Depart();
    EXPECT_EQ(truck.speed, float(truck.maxSpeed));

    CgraCie_GOSamolot plane(&planePicture, &banner);
    plane.Reset();
    float slowest = 100;
    int fadeFrames = 0;
    for (int frame = 0; plane.active && frame < 1000; ++frame) {
      fadeFrames += plane.fading;
      plane.Step();
      slowest = std::min(slowest, plane.speed);
    }
    EXPECT_EQ(slowest, 1.0f) << screen.x;
    EXPECT_EQ(fadeFrames, 51);
    plane.Reset();  // a click's fade
    plane.Step();
    plane.fading = true;
    for (fadeFrames = 0; plane.active && fadeFrames < 1000; ++fadeFrames) plane.Step();
    EXPECT_EQ(fadeFrames, 51);
  }
}

TEST_F(TruckRules, ParcelBlinksInTensHintsAndIsHitOnItsBoxOnly) {
  auto wrong = NewParcel(false);
  wrong->SetStart(400, 300);
  EXPECT_EQ(wrong->y, 300 - kH);
  EXPECT_TRUE(wrong->HitTest(wrong->x, wrong->y));
  EXPECT_FALSE(wrong->HitTest(wrong->x + kW / 2, wrong->y - 10));  // the parachute
  EXPECT_FALSE(wrong->HitTest(wrong->x + kW, wrong->y + kH - 1));
  EXPECT_FALSE(wrong->HitTest(wrong->x - 1, wrong->y + 1));
  wrong->SetHint();
  EXPECT_FALSE(wrong->hint);
  wrong->StartBlink();
  std::vector<TColor> seen;
  for (int frame = 0; frame < 41; ++frame) {
    EXPECT_TRUE(wrong->marked) << "a blink takes clicks no more for 40 frames";
    wrong->Step();
    seen.push_back(Shown(*wrong));
  }
  for (int frame = 0; frame < 40; ++frame)
    EXPECT_EQ(seen[std::size_t(frame)], (frame < 10 || (frame >= 20 && frame < 30)) ? kBlink : kLook) << frame;
  EXPECT_FALSE(wrong->marked);

  auto right = NewParcel(true);
  right->SetStart(400, 300);
  right->SetHint();
  EXPECT_EQ(Shown(*right), kHint);
  right->ClearHint();
  EXPECT_EQ(Shown(*right), kLook);
}

TEST_F(TruckRules, ThrowLandsOnTheTargetAtAFifthOfItsSize) {
  UseScreen(1280, 960);
  struct Case {
    int bottom;
    TPoint target;
  };
  for (Case c : {Case{300, {272, 746}}, Case{kH + 2, {272, 746}}, Case{900, {272, 746}}, Case{kH + 200, {272, 100}}})
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
      Seed(seed);
      auto p = NewParcel(true);
      p->SetStart(500, c.bottom);
      const TPoint start{p->x, p->y};
      p->Throw(c.target);
      int highest = p->y;
      for (int frame = 0; frame < CgraCie_GOPaczka::throwFrames; ++frame) {
        p->Step();
        if (frame == 0) {
          EXPECT_NEAR(p->x, start.x, 12);
          EXPECT_NEAR(p->y, start.y, 40);
        }
        highest = std::min(highest, p->y);
        EXPECT_TRUE(p->InFlight() || frame == CgraCie_GOPaczka::throwFrames - 1);
      }
      EXPECT_TRUE(p->Caught());
      EXPECT_EQ(TPoint({p->x, p->y}), c.target) << c.bottom << " seed " << seed;
      EXPECT_GE(highest, std::min(start.y - 5, 0) - 1);  // the arc stays on the playfield
      EXPECT_TRUE(std::isfinite(p->gravity) && std::isfinite(p->launchSpeed));
      auto field = Solid(1280, 960, clBlack);
      p->Draw(field.get());
      EXPECT_EQ(p->throwRect, Bounds(c.target.x, c.target.y, kW / 5, kH / 5));
      EXPECT_EQ(field->PixelColor(c.target.x + kW / 10, c.target.y + kH / 10), kLook);
    }
}

// A parcel swings s(12) to s(30) - 1 pixels to each side of its column's
// middle, turning r / 3 + 7 half turns over a fall through the art's height
// (r: the swing beyond s(12)). Its parachute is drawn centred over the box
// with its two bottom rows under the box's top; the box is drawn to both
// its edges.
TEST_F(TruckRules, ParcelsSwingInTheirColumnUnderTheirParachute) {
  chute.Colour->Canvas()->Brush.Color = kChute;
  chute.Colour->Canvas()->FillRect(Rect(0, 0, 150, 96));
  for (const Speeds& set : kSpeeds) {
    UseScreen(set.screen.x, set.screen.y);
    const int least = Display.Scale(16, 12), most = Display.Scale(16, 30) - 1;
    int lowest = 1000, highest = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
      Seed(seed);
      for (int fall : {1, 2}) {
        auto p = NewParcel(seed % 2 == 0, fall);
        lowest = std::min(lowest, p->amplitude);
        highest = std::max(highest, p->amplitude);
        p->SetStart(400, 0);
        EXPECT_EQ(p->swingCentreX, 400 + p->amplitude);
        const float phase = p->phase;
        const int frames = Display.ArtHeight / fall;
        for (int f = 0; f < frames; ++f) {
          p->Step();
          ASSERT_LE(std::abs(p->x - p->swingCentreX), p->amplitude);
        }
        EXPECT_EQ(p->y, frames * fall - kH);
        EXPECT_NEAR((p->phase - phase) / 3.1415927, (p->amplitude - least) / 3 + 7, 0.01);
      }
    }
    EXPECT_EQ(lowest, least) << set.screen.x;
    EXPECT_EQ(highest, most) << set.screen.x;
  }
  auto p = NewParcel(true);
  p->SetStart(400, 300);
  auto field = Solid(1280, 960, clBlack);
  p->Draw(field.get());
  const int x = p->x, y = p->y;  // the box's top-left
  EXPECT_EQ(field->PixelColor(x + 5, y - 94), kChute);
  EXPECT_EQ(field->PixelColor(x + 154, y - 1), kChute);
  EXPECT_EQ(field->PixelColor(x + 4, y - 50), clBlack);
  EXPECT_EQ(field->PixelColor(x + 155, y - 50), clBlack);
  EXPECT_EQ(field->PixelColor(x + 80, y - 95), clBlack);
  EXPECT_EQ(p->Rectangle(), Rect(x, y - 94, x + kW, y + kH));
  for (int bx : {x, x + kW - 1}) EXPECT_EQ(field->PixelColor(bx, y + kH / 2), kLook) << bx - x;
  EXPECT_EQ(field->PixelColor(x - 1, y + kH / 2), clBlack);
}

// A throw's arc rises by its drawn height (80 to 159 pixels) above the
// parcel, and, for a load point above the parcel, by s(20) and that height
// difference more; never above the playfield's top, yet always by 5 at
// least. The parcel starts the throw at full size, shrinks through its own
// mask and leaves play after landing.
TEST_F(TruckRules, ThrowRisesByItsDrawnHeightAndShrinksThroughItsMask) {
  UseScreen(1024, 768);
  const int extra = Display.Scale(16, 20);
  auto half = std::unique_ptr<TBitmap>(NewGrey8Bitmap(kW, kH, 255));  // the left half see-through
  half->Canvas()->Brush.Color = clBlack;
  half->Canvas()->FillRect(Rect(0, 0, kW / 2, kH));
  struct Case {
    int y, targetY;
    std::int32_t draw;  // the random draw
    int rise;
  };
  for (Case c : {Case{300, 600, 0, 80}, Case{300, 600, 79, 159}, Case{300, 600, 160 + 5, 85}, Case{300, 300, 0, 80},
                 Case{400, 300, 0, 80 + extra + 100}, Case{250, 100, 79, 250}, Case{3, 500, 0, 5}}) {
    auto p = NewParcel(true, 1, half.get());
    p->SetStart(500, c.y + kH);
    ASSERT_EQ(p->y, c.y);
    {
      ScopedRandomScript script(RandomScript{[&] { return c.draw; }, nullptr, nullptr});
      p->Throw({280, c.targetY});
    }
    auto field = Solid(1024, 768, clBlack);
    p->Draw(field.get());
    EXPECT_EQ(p->throwRect, Bounds(p->x, c.y, kW, kH)) << "full size at first";
    int highest = p->y;
    for (int frame = 0; frame < CgraCie_GOPaczka::throwFrames; ++frame) {
      p->Step();
      highest = std::min(highest, p->y);
    }
    EXPECT_TRUE(highest == c.y - c.rise || highest == c.y - c.rise + 1) << c.y << " " << c.targetY << " " << highest;
    EXPECT_EQ(TPoint({p->x, p->y}), TPoint({280, c.targetY}));
    field = Solid(1024, 768, clBlack);
    p->Draw(field.get());
    EXPECT_EQ(field->PixelColor(280 + 2, c.targetY + kH / 10), clBlack) << "the mask's see-through half";
    EXPECT_EQ(field->PixelColor(280 + kW / 5 - 2, c.targetY + kH / 10), kLook);
    p->Step();
    EXPECT_FALSE(p->active);
  }
}

// A parcel drawn over another is the one a click finds: in-flight parcels
// lie beneath the others, and within a layer the older parcel lies on top.
TEST_F(TruckRules, AClickFindsTheParcelDrawnOnTop) {
  CgraCie_Paczki game;
  for (int i = 0; i < 3; ++i) game.Add(NewParcel(true));
  auto* older = game.correctParcels[0].get();
  auto* newer = game.correctParcels[1].get();
  auto* thrown = game.correctParcels[2].get();
  older->SetStart(300, 400);
  newer->SetStart(320, 420);
  thrown->SetStart(310, 410);
  thrown->Throw({300, 700});
  game.activeParcels = {thrown, newer, older};
  const TPoint p{std::max({older->x, newer->x, thrown->x}) + 5, 400 - 5};
  EXPECT_EQ(*game.ParcelAt(p.x, p.y), older);
  game.activeParcels = {older, thrown, newer};
  EXPECT_EQ(*game.ParcelAt(p.x, p.y), newer);
  game.activeParcels = {thrown};
  EXPECT_EQ(*game.ParcelAt(p.x, p.y), thrown);
  EXPECT_EQ(game.ParcelAt(0, 0), game.activeParcels.end());
}

// Drops over every level and many seeds: each lands in the drop area,
// starts at or above the top edge and either stands wholly above each
// parcel near the top or swings in a column clear of it.
TEST_F(TruckRules, DropsStayInTheAreaAndClearOfTheParcelsNearTheTop) {
  UseScreen(1024, 768);
  struct Table {
    int fallSpeed, gapMin, gapMax;
  };
  const Table levelOne{1, kH / 2, kH + 96 - kH / 5};
  const Table table[] = {levelOne, levelOne, {2, 3 * kH / 4, kH + 96 + kH / 5}, {2, kH / 5, kH + 96}, levelOne};
  int narrowest = 1024, widest = 0;
  for (int level : {0, 1, 2, 3, 7})
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
      Seed(seed);
      CgraCie_Paczki game;
      game.SetLevel(level, kH, 96);
      const Table& t = table[std::min(level, 4)];
      ASSERT_TRUE(game.fallSpeed == t.fallSpeed && game.dropGapMin == t.gapMin && game.dropGapMax == t.gapMax);
      ASSERT_TRUE(game.correctRunSpan == 2 && game.wrongRunSpan == 2);
      game.SetDropArea(256, 1020, 12);
      const int correct = CgraCie_Paczki::CorrectParcelCount(level);
      for (int i = 0; i < 3 * correct + 2; ++i) game.Add(NewParcel(i < correct, game.fallSpeed));
      game.Queue();
      for (int frame = 0, drops = 0; frame < 4000 && drops < 40; ++frame) {
        if (game.activeParcels.empty() || game.activeParcels.front()->y + kH > 0) {
          const std::size_t before = game.activeParcels.size();
          game.DropNextParcel();
          if (game.activeParcels.size() > before) {
            ++drops;
            const CgraCie_GOPaczka* p = game.activeParcels.front();
            const int left = p->swingCentreX - p->amplitude, right = left + kW + 2 * p->amplitude;
            ASSERT_GE(left, 256);
            ASSERT_LE(right, 1020);
            ASSERT_LE(p->y + kH, 0);
            ASSERT_EQ(p->fallSpeed, t.fallSpeed);
            EXPECT_TRUE(before > 0 || p->y + kH == 0);
            widest = std::max(widest, right);
            narrowest = std::min(narrowest, left);
            // Its bottom: a gap drawn from [gapMin, gapMax) above the newest
            // parcel's, the top edge when that lies lower, or just above the
            // parachute of a parcel it would meet.
            bool placed = p->y + kH == 0 || before == 0;
            auto it = std::next(game.activeParcels.begin());
            if (it != game.activeParcels.end()) {
              const int gap = (*it)->y - p->y;
              placed = placed || (gap >= t.gapMin && gap < t.gapMax);
            }
            for (; it != game.activeParcels.end(); ++it) {
              const CgraCie_GOPaczka* q = *it;
              const int qL = q->swingCentreX - q->amplitude, qR = qL + kW + 2 * q->amplitude;
              EXPECT_TRUE(p->y + kH <= q->y + q->chuteOffsetY - 12 || right <= qL || left >= qR)
                  << "level " << level << " seed " << seed;
              placed = placed || p->y + kH == q->y + q->chuteOffsetY - 12;
            }
            EXPECT_TRUE(placed) << "level " << level << " seed " << seed;
          }
        }
        for (CgraCie_GOPaczka* p : game.activeParcels) p->Step();
        game.TakeMissedParcel(768);
      }
    }
  // The swings reach both ends of the area.
  EXPECT_LT(narrowest, 256 + 8);
  EXPECT_GT(widest, 1020 - 8);
}

// The order: 0 or 1 wrong drop (once a game), 1-3 right ones, 1-3 wrong
// ones. An entry whose queue is empty is spent; with no right parcel
// waiting and the order run out, wrong parcels stop coming.
TEST_F(TruckRules, DropOrderRunsAndSpentEntries) {
  CgraCie_Paczki game;
  int openingRuns = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    Seed(seed);
    game.dropOrder.clear();
    game.Queue();
    game.RefillDropOrder();
    std::vector<bool> order(game.dropOrder.begin(), game.dropOrder.end());
    const auto right = std::find(order.begin(), order.end(), true), wrong = std::find(right, order.end(), false);
    openingRuns += int(right - order.begin());
    EXPECT_TRUE(right - order.begin() <= 1 && wrong - right >= 1 && wrong - right <= 3 && order.end() - wrong >= 1 &&
                order.end() - wrong <= 3)
        << seed;
    game.dropOrder.clear();
    game.RefillDropOrder();
    EXPECT_TRUE(game.dropOrder.front()) << "a second opening run, seed " << seed;
  }
  EXPECT_GT(openingRuns, 50);

  game.Add(NewParcel(false));
  game.Add(NewParcel(false));
  game.Queue();
  game.dropOrder = {true, false};
  game.DropNextParcel();
  EXPECT_TRUE(game.activeParcels.empty());
  game.DropNextParcel();
  game.DropNextParcel();
  EXPECT_EQ(game.activeParcels.size(), 1u);
}

// Where a drop goes among the parcels near the top (art set 16, parcels of
// 160 + 2 x 12 wide, margin 16): the free columns are what the swings of the
// parcels whose parachutes reach below the new bottom leave, split around
// each; a parcel whose parachute top (less the margin) lies at the new
// bottom or lower ends the search, and a column is as wide as needed at
// least. The draws are scripted: the gap, the column, the place in it.
TEST_F(TruckRules, ADropTakesAColumnLeftFreeByTheParcelsNearTheTop) {
  UseScreen(1280, 960);
  struct Near {
    int left, amplitude, bottom;
  };
  struct Case {
    const char* what;
    std::vector<Near> parcels;  // the newest first
    std::vector<std::int32_t> draws;
    int left, bottom;  // of the new parcel's swing and box
  };
  const std::vector<Near> four = {{600, 12, 100}, {1200, 12, 140}, {600, 0, 180}, {100, 800, 250}};
  const std::vector<Case> cases = {
      // Columns [100, 600], [784, 1200], [1384, 1900]; the oldest parcel's
      // parachute top less the margin lies right at the new bottom, 0.
      {"first column", four, {0, 0, 5, 0}, 105, 0},
      {"second column", four, {0, 1, 5, 0}, 789, 0},
      {"third column", four, {0, 2, 5 + 332, 0}, 1389, 0},
      // A parcel whose swing fills the only column lifts the drop above it.
      {"lifted", {{100, 800, 100}}, {0, 0, 7, 0}, 107, 100 - kH - 94 - 16},
      // A column exactly as wide as needed: the place in it is not drawn.
      {"exact", {{284, 12, 100}, {1100, 12, 140}}, {0, 0, 0}, 100, 0},
  };
  for (const Case& c : cases) {
    CgraCie_Paczki game;
    game.SetLevel(1, kH, 96);
    game.SetDropArea(100, 1900, 16);
    for (const Near& n : c.parcels) {
      game.Add(NewParcel(false));
      CgraCie_GOPaczka* q = game.wrongParcels.back().get();
      q->amplitude = n.amplitude;
      q->SetStart(n.left, n.bottom);
      game.activeParcels.push_back(q);
    }
    game.Add(NewParcel(true));
    CgraCie_GOPaczka* p = game.correctParcels.back().get();
    p->amplitude = 12;
    game.correctQueue = {p};
    game.dropOrder = {true};
    std::size_t next = 0;
    {
      ScopedRandomScript script(RandomScript{[&] { return next < c.draws.size() ? c.draws[next++] : 0; }, nullptr, nullptr});
      game.DropNextParcel();
    }
    ASSERT_EQ(game.activeParcels.front(), p) << c.what;
    EXPECT_EQ(p->swingCentreX - p->amplitude, c.left) << c.what;
    EXPECT_EQ(p->y + kH, c.bottom) << c.what;
  }
}

// A parcel that falls past the bottom (its parachute top more than 4 pixels
// below) is taken from play, the oldest first and one at a time: a right one
// goes to the end of its queue without its hint, and the next refill of the
// drop order begins with an opening run when no right parcel was waiting; a
// wrong one goes back unblinking while the wrong queue holds at most two more
// than the right one, and leaves the game otherwise.
TEST_F(TruckRules, MissedParcelsGoBackOrLeave) {
  CgraCie_Paczki game;
  for (int i = 0; i < 3; ++i) game.Add(NewParcel(true));
  for (int i = 0; i < 6; ++i) game.Add(NewParcel(false));
  auto* right = game.correctParcels[0].get();
  auto* wrong = game.wrongParcels[0].get();
  auto below = [](CgraCie_GOPaczka* p, int by) { p->SetStart(400, 600 + 4 + by - p->chuteOffsetY + kH); };
  auto queue = [](std::vector<std::unique_ptr<CgraCie_GOPaczka>>& all, std::size_t n) {
    CgraCie_Paczki::List l;
    for (std::size_t i = 1; i <= n; ++i) l.push_back(all[i].get());
    return l;
  };
  for (bool waiting : {false, true}) {
    game.correctQueue = queue(game.correctParcels, waiting ? 2 : 0);
    game.openingRunPending = false;
    right->SetHint();
    game.activeParcels = {wrong, right};
    below(right, 0);
    game.TakeMissedParcel(600);
    EXPECT_EQ(game.activeParcels.size(), 2u) << "4 pixels below: still in play";
    below(right, 1);
    below(wrong, 1);
    game.TakeMissedParcel(600);
    EXPECT_EQ(game.activeParcels, CgraCie_Paczki::List{wrong});
    EXPECT_EQ(game.correctQueue.back(), right);
    EXPECT_FALSE(right->hint);
    EXPECT_EQ(game.openingRunPending, !waiting);
  }
  struct Case {
    std::size_t rightWaiting, wrongWaiting;
    bool back;
  };
  for (Case c : {Case{0, 2, true}, Case{0, 3, false}, Case{2, 4, true}, Case{2, 5, false}}) {
    game.correctQueue = queue(game.correctParcels, c.rightWaiting);
    game.wrongQueue = queue(game.wrongParcels, c.wrongWaiting);
    game.activeParcels = {wrong};
    below(wrong, 1);
    wrong->StartBlink();
    game.TakeMissedParcel(600);
    EXPECT_TRUE(game.activeParcels.empty());
    EXPECT_EQ(game.wrongQueue.size(), c.wrongWaiting + c.back) << c.rightWaiting << " " << c.wrongWaiting;
    EXPECT_EQ(game.wrongQueue.back() == wrong, c.back);
    if (c.back) {
      EXPECT_FALSE(wrong->marked);
    }
  }
}

// A hint goes to the newest right parcel whose bottom edge shows, that is
// neither hinted, thrown nor blinking.
TEST_F(TruckRules, HelpFindsTheNewestRightParcelInView) {
  CgraCie_Paczki game;
  for (int i = 0; i < 3; ++i) game.Add(NewParcel(i > 0));
  auto* wrong = game.wrongParcels[0].get();
  auto* newer = game.correctParcels[0].get();
  auto* older = game.correctParcels[1].get();
  game.activeParcels = {wrong, newer, older};
  wrong->SetStart(300, 100);
  older->SetStart(600, 300);
  newer->SetStart(300, 0);
  EXPECT_EQ(*game.FindHintParcel(), older) << "a bottom edge at the top edge is not in view";
  newer->SetStart(300, 1);
  EXPECT_EQ(*game.FindHintParcel(), newer);
  newer->SetHint();
  EXPECT_EQ(*game.FindHintParcel(), older);
  older->Throw({100, 600});
  EXPECT_EQ(game.FindHintParcel(), game.activeParcels.end());
}

// Runs of one parcel come with two chances in five or so (a run grows by one
// with a chance of 1 in 10 for right parcels and 1 in 7 for wrong ones), and
// the queues come shuffled.
TEST_F(TruckRules, RunLengthsAndShuffledQueues) {
  CgraCie_Paczki game;
  int rightRuns[4] = {}, wrongRuns[4] = {};
  for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
    Seed(seed);
    game.dropOrder.clear();
    game.RefillDropOrder();
    const auto& o = game.dropOrder;
    const int right = int(std::find(o.begin(), o.end(), false) - o.begin());
    ++rightRuns[right];
    ++wrongRuns[int(o.size()) - right];
  }
  EXPECT_TRUE(rightRuns[1] > 800 && rightRuns[1] < 1000) << rightRuns[1];
  EXPECT_TRUE(rightRuns[3] > 50 && rightRuns[3] < 150) << rightRuns[3];
  EXPECT_TRUE(wrongRuns[1] > 760 && wrongRuns[1] < 960) << wrongRuns[1];
  EXPECT_TRUE(wrongRuns[3] > 80 && wrongRuns[3] < 210) << wrongRuns[3];

  for (int i = 0; i < 12; ++i) game.Add(NewParcel(i < 6));
  std::vector<CgraCie_GOPaczka*> added;
  for (auto& p : game.correctParcels) added.push_back(p.get());
  for (auto& p : game.wrongParcels) added.push_back(p.get());
  std::set<CgraCie_GOPaczka*> first;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    Seed(seed);
    game.Queue();
    first.insert(game.correctQueue.front());
    first.insert(game.wrongQueue.front());
  }
  EXPECT_EQ(first.size(), 12u) << "each parcel comes first in some game";
}

// The game's words: the right ones hold a chosen sound at a chosen
// position, the wrong ones hold no chosen sound at all, neither as a sound
// of the word nor as one it is kept from.
TEST_F(TruckRules, WrongParcelsHoldNoChosenSound) {
  const PhonemeMask chosen = 0x1 | 0x10, positions = PhonemeMask(kFinal);
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    Seed(seed);
    std::vector<CSlowa::CPaczkaEx*> words;
    CgraCie_Paczki::DrawWords(*Dictionary, chosen, positions, 8, words);
    ASSERT_EQ(words.size(), 18u);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const CSlowa::CPaczkaEx* w = words[i];
      if (i < 8) {
        const bool holds = std::any_of(w->records.begin(), w->records.end(), [&](const CSlowa::SPaczka* r) {
          return (r->flags & chosen) && (r->flags & positions);
        });
        EXPECT_TRUE(holds) << w->key;
      } else {
        EXPECT_EQ(w->phonemes & chosen, 0u) << w->key;
        EXPECT_EQ(w->exclusionPhonemes & chosen, 0u) << w->key;
      }
    }
  }
}

// The sounds with words at the final position, in a scripted shuffle: a
// sound without such words is never chosen, one with a single word is; the
// one exchange takes the first sound with the fewest words among the chosen
// and the first with the most among the others, and only when that one has
// more.
TEST_F(TruckRules, SoundChoiceAmongUsableSoundsWithOneFairExchange) {
  const PhonemeMask final = PhonemeMask(kFinal);
  auto words = [&](int bit) { return Dictionary->CountWords(PhonemeMask(1u << bit) | final); };
  // The dictionary's counts these cases are built on.
  const std::map<int, int> counts = {{0, 4}, {1, 0}, {2, 6}, {4, 9}, {6, 5}, {8, 5}, {10, 8}, {16, 31}, {20, 1}, {24, 9}};
  for (auto [bit, n] : counts) ASSERT_EQ(words(bit), n) << bit;
  auto mask = [](std::initializer_list<int> bits) {
    PhonemeMask m = 0;
    for (int b : bits) m |= PhonemeMask(1u << b);
    return m;
  };
  struct Case {
    std::initializer_list<int> sounds;
    std::vector<int> order;  // the shuffle's result, as places in the sounds' list
    int needed;
    std::initializer_list<int> chosen;
  };
  const Case cases[] = {
      {{0, 1, 20}, {0, 1}, 1, {0, 20}},
      {{0, 2, 6, 8, 16}, {0, 1, 2, 3, 4}, 21, {2, 6, 8, 16}},             // five are enough for an exchange
      {{2, 6, 8, 10, 16}, {0, 1, 2, 3, 4}, 25, {2, 8, 10, 16}},           // the first of two with the fewest goes
      {{0, 2, 4, 6, 8, 24}, {0, 1, 3, 4, 2, 5}, 21, {2, 4, 6, 8}},        // the first of two with the most comes
      {{2, 4, 6, 8, 10}, {0, 1, 2, 4, 3}, 29, {2, 4, 6, 10}},             // no trade between equal counts
      {{2, 4, 6, 8, 10}, {0, 1, 2, 4, 3}, 28, {2, 4, 6, 10}},             // enough words: no exchange
  };
  for (const Case& c : cases) {
    // RandomRange's answers that make ShuffleInts give c.order.
    std::vector<int> v(c.order.size()), answers;
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = int(i);
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
      const int j = int(std::find(v.begin(), v.end(), c.order[i]) - v.begin());
      answers.push_back(j);
      std::swap(v[i], v[std::size_t(j)]);
    }
    std::size_t next = 0;
    ScopedRandomScript script(RandomScript{nullptr, nullptr, [&](int, int) { return answers.at(next++); }});
    EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, mask(c.sounds), final, c.needed), mask(c.chosen)) << c.needed;
  }
}

TEST_F(TruckRules, FourSoundsAtMostWithOneExchangeWhenTheyHaveTooFewWords) {
  // The shuffle leaves the sounds in ascending order.
  ScopedRandomScript identity(RandomScript{nullptr, nullptr, [](int from, int) { return from; }});
  const PhonemeMask sounds = 0x1 | 0x4 | 0x10 | 0x40 | 0x1000 | 0x10000;  // SZ CZ S C P K
  const PhonemeMask final = PhonemeMask(kFinal);
  EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, sounds, final, 1), 0x1u | 0x4 | 0x10 | 0x40);
  EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, 0x1 | 0x4, final, 1000), 0x1u | 0x4);
  auto words = [&](PhonemeMask bit) { return Dictionary->CountWords(bit | final); };
  PhonemeMask fewest = 0x1, most = 0x1000;
  for (PhonemeMask b : {0x4u, 0x10u, 0x40u})
    if (words(b) < words(fewest)) fewest = b;
  if (words(0x10000) > words(most)) most = 0x10000;
  ASSERT_GT(words(most), words(fewest));
  const PhonemeMask exchanged = (0x1u | 0x4 | 0x10 | 0x40 | most) & ~fewest;
  EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, sounds, final, 1000), exchanged);
  // Only when the first four have too few words.
  const int four = words(0x1) + words(0x4) + words(0x10) + words(0x40);
  EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, sounds, final, four), 0x1u | 0x4 | 0x10 | 0x40);
  EXPECT_EQ(CgraCie_Paczki::ChooseSounds(*Dictionary, sounds, final, four + 1), exchanged);

  // The caption drops the spaces only when it is too wide with them.
  CTransFont plain;  // every sign 1 pixel apart
  int width = 0;
  const std::string spaced = CgraCie_Paczki::Caption(0x1 | 0x2 | 0x4, plain, 1000, width);
  EXPECT_EQ(spaced, "SZ, \xAF/RZ, CZ");
  EXPECT_EQ(CgraCie_Paczki::Caption(0x1 | 0x2 | 0x4, plain, width, width), spaced);
  EXPECT_EQ(CgraCie_Paczki::Caption(0x1 | 0x2 | 0x4, plain, width - 1, width), "SZ,\xAF/RZ,CZ");
  int tight = 0;
  plain.MeasureText("SZ,\xAF/RZ,CZ", &tight, nullptr);
  EXPECT_EQ(width, tight);
}

}  // namespace
