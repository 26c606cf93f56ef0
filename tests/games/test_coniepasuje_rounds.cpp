#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "games/Fmconiepasuje3/Cgraniep_karty.h"
#include "games/Fmconiepasuje3/Fmconiepasuje3.h"
#include "platform/Random.h"
#include "shell/_gloskifn.h"
#include "tests/games/GameTestSupport.h"

namespace {

using gametest::GameTest;

constexpr std::int32_t SZ = 0x1, S = 0x10, C = 0x40, DZ = 0x80, PI = 0x2000, BI = 0x8000, K = 0x10000;

bool HasRecord(const CSlowa::CPaczkaEx* word, PhonemeMask code) {
  for (const CSlowa::SPaczka* r : word->records)
    if (r->flags == code) return true;
  return false;
}

// The game state inside its window, with the real dictionary.
class OddOneOutRounds : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window = std::make_unique<TFormCoNiePasuje3>(nullptr);
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  bool Choose(std::int32_t phonemes, std::int32_t positions) {
    SettingsCoNiePasuje3.PhonemeMask = phonemes;
    SettingsCoNiePasuje3.PositionMask = positions;
    gametest::DataTree::Get().Words().Cover(phonemes, positions);
    return window->HasEnoughWords();
  }
  CgraNiep_Karty& Game() { return *window->Game(); }
  std::unique_ptr<TFormCoNiePasuje3> window;
};

TEST_F(OddOneOutRounds, ASoundNeedsFourWordsAndItsPartnerOneAtThePosition) {
  // PI medial has exactly four words.
  ASSERT_EQ(Dictionary->CountWords(PI | kMedial), 4);
  EXPECT_TRUE(Choose(PI, kMedial));
  ASSERT_EQ(Game().CodeCount(), 1);
  EXPECT_EQ(Game().Code(0), PI | kMedial);
  // DZ initial has three.
  ASSERT_EQ(Dictionary->CountWords(DZ | kInitial), 3);
  EXPECT_FALSE(Choose(DZ, kInitial));
  // No word ends in Z, the partner of S.
  ASSERT_EQ(Dictionary->CountWords(0x20 | kFinal), 0);
  EXPECT_FALSE(Choose(S, kFinal));
  // Fewer than two words over the sound, its partner and the position.
  ASSERT_LT(Dictionary->CountWords(BI | OppositeMask(BI) | kFinal), 2);
  EXPECT_FALSE(Choose(BI, kFinal));
  // With usable and unusable codes together, only the usable ones are kept.
  EXPECT_TRUE(Choose(DZ | PI, kInitial | kMedial | kFinal));
  std::set<std::int32_t> kept;
  for (int i = 0; i < Game().CodeCount(); ++i) kept.insert(Game().Code(i));
  EXPECT_TRUE(kept.count(PI | kMedial));
  EXPECT_FALSE(kept.count(DZ | kInitial));
}

TEST_F(OddOneOutRounds, EachBlockOfFiveRoundsPutsTheOddWordOnceAtEveryPlace) {
  ASSERT_TRUE(Choose(SZ | S | C | K | PI, kInitial | kMedial | kFinal));
  SettingsCoNiePasuje3.Level = 0;  // outside the levels: two rounds
  EXPECT_EQ(window->TaskCount(), 2);
  SettingsCoNiePasuje3.Level = 3;
  for (std::uint32_t seed : {1u, 7u, 12345u}) {
    SeedRandom(seed, seed * 3 + 1);
    Game().Setup(5, window->TaskCount());
    ASSERT_EQ(Game().RoundCount(), 15);
    for (int block = 0; block < 3; ++block) {
      std::set<int> places;
      for (int r = block * 5; r < block * 5 + 5; ++r) places.insert(Game().Round(r).oddIndex);
      EXPECT_EQ(places, (std::set<int>{0, 1, 2, 3, 4})) << "seed " << seed << " block " << block;
    }
    for (int r = 0; r < 15; ++r) {
      const auto& round = Game().Round(r);
      EXPECT_EQ(round.oddCode, CgraNiep_Karty::PartnerCode(round.fittingCode));
      EXPECT_EQ(std::set<const CSlowa::CPaczkaEx*>(round.words, round.words + 5).size(), 5u) << "round " << r;
      for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(HasRecord(round.words[k], k == round.oddIndex ? round.oddCode : round.fittingCode))
            << round.words[k]->key << " round " << r << " card " << k;
        // Each card shows its own word's picture at the card's size.
        const TBitmap* picture = round.pictures[std::size_t(k)];
        EXPECT_EQ(picture->Width(), Game().Place(k).pictureMask->Width());
        EXPECT_TRUE(gametest::Near(picture->PixelColor(40, 40), gametest::DataTree::Get().ColourOf(round.words[k]->key)));
      }
    }
  }
}

TEST_F(OddOneOutRounds, ASoundWithExactlyFourWordsShowsAllFourInEveryRound) {
  ASSERT_TRUE(Choose(PI, kMedial));
  std::vector<CSlowa::CPaczkaEx*> four;
  Dictionary->SelectWords(four, PI | kMedial);
  Game().Setup(5, 10);
  for (int r = 0; r < 10; ++r) {
    const auto& round = Game().Round(r);
    std::set<const CSlowa::CPaczkaEx*> fitting;
    for (int k = 0; k < 5; ++k)
      if (k != round.oddIndex) fitting.insert(round.words[k]);
    EXPECT_EQ(fitting, std::set<const CSlowa::CPaczkaEx*>(four.begin(), four.end())) << "round " << r;
  }
}

TEST_F(OddOneOutRounds, CodesAreTakenInShuffledRunsAndReshuffledWhenUsedUp) {
  ASSERT_TRUE(Choose(SZ | S | C, kInitial));
  ASSERT_EQ(Game().CodeCount(), 3);
  std::set<std::vector<PhonemeMask>> orders;  // games differ in the order of their sounds
  for (std::uint32_t seed : {5u, 6u, 8u}) {
    SeedRandom(seed, seed);
    Game().Setup(5, 5);
    std::set<PhonemeMask> firstRun, secondRun;
    std::vector<PhonemeMask> order;
    for (int r = 0; r < 3; ++r) firstRun.insert(Game().Round(r).fittingCode), order.push_back(Game().Round(r).fittingCode);
    for (int r = 3; r < 5; ++r) secondRun.insert(Game().Round(r).fittingCode);
    EXPECT_EQ(firstRun.size(), 3u);
    EXPECT_EQ(secondRun.size(), 2u);
    orders.insert(order);
  }
  EXPECT_GT(orders.size(), 1u);
  // The reshuffle probes forward from each draw to the next free entry.
  std::vector<std::int32_t> draws{5, 2, 2};  // 5 mod 3 = 2; then 2 taken, wrap to 0; then 2, 0 taken, 1
  RandomScript script;
  script.random31 = [&] {
    std::int32_t v = draws.front();
    draws.erase(draws.begin());
    return v;
  };
  ScopedRandomScript scoped(script);
  std::int32_t list[3] = {10, 20, 30};
  CgraNiep_Karty::ShufflePhonemes(list, 3);
  EXPECT_EQ(std::vector<std::int32_t>(list, list + 3), (std::vector<std::int32_t>{30, 10, 20}));
}

TEST_F(OddOneOutRounds, CardAndRoundCountsOutsideTheirRanges) {
  ASSERT_TRUE(Choose(SZ, kInitial));
  // No cards: one, the odd card.
  Game().Setup(0, 3);
  EXPECT_EQ(Game().CardCount(), 1);
  ASSERT_EQ(Game().RoundCount(), 3);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Game().Round(r).oddIndex, 0);
    EXPECT_TRUE(HasRecord(Game().Round(r).words[0], Game().Round(r).oddCode));
  }
  Game().Setup(9, 1);
  EXPECT_EQ(Game().CardCount(), 5);
  // No rounds: nothing current, and nothing to judge, draw or say.
  for (int count : {0, -4}) {
    Game().Setup(5, count);
    EXPECT_FALSE(Game().HasRounds());
    EXPECT_EQ(Game().RoundCount(), 0);
    EXPECT_EQ(Game().Current(), nullptr);
    const auto& p = Game().Place(0);
    EXPECT_EQ(Game().JudgeClick(p.x + 10, p.y + 10), 0);
    EXPECT_EQ(Game().UnsolvedCount(), 0);
    Game().NextRound();
    EXPECT_EQ(Game().Current(), nullptr);
    Game().DrawCards(window->BackBuffer());
    Game().SayOddWord();
    window->Redraw();
  }
}

TEST_F(OddOneOutRounds, AClickCountsByTheCardRectangleTransparentCornersIncluded) {
  ASSERT_TRUE(Choose(SZ, kInitial));
  Game().Setup(5, 2);
  const auto& p = Game().Place(Game().Round(0).oddIndex);
  EXPECT_EQ(Game().CardAt(p.x - 1, p.y), -1);
  EXPECT_EQ(Game().JudgeClick(p.x, p.y), 1);  // the corner outside the card's shape
  EXPECT_EQ(Game().JudgeClick(p.x, p.y), 3);
  EXPECT_EQ(Game().UnsolvedCount(), 1);  // the round not visited yet
}

}  // namespace
