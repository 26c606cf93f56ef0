// The truck game's sprites and drop schedule on their own: plain pictures,
// the real dictionary, seeded draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
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

constexpr TColor kLook = 0x20A040, kBlink = 0x2020C0, kHint = 0xF0B070;
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
  std::unique_ptr<CgraCie_GOPaczka> NewParcel(bool correct, int fallSpeed = 1) {
    auto p = std::make_unique<CgraCie_GOPaczka>(&chute, &work, box.get(), Solid(kW, kH, kLook),
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
            for (auto it = std::next(game.activeParcels.begin()); it != game.activeParcels.end(); ++it) {
              const CgraCie_GOPaczka* q = *it;
              const int qL = q->swingCentreX - q->amplitude, qR = qL + kW + 2 * q->amplitude;
              EXPECT_TRUE(p->y + kH <= q->y + q->chuteOffsetY - 12 || right <= qL || left >= qR)
                  << "level " << level << " seed " << seed;
            }
          }
        }
        for (CgraCie_GOPaczka* p : game.activeParcels) p->Step();
        game.TakeMissedParcel(768);
      }
    }
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
