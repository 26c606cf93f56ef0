#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "games/Cgraniep_karty.h"
#include "games/Fmconiepasuje3/Fmconiepasuje3.h"
#include "platform/Random.h"
#include "shell/_specfunc.h"
#include "tests/games/GameTestSupport.h"

namespace {

using gametest::GameTest;

constexpr std::int32_t SZ = 0x1, S = 0x10, C = 0x40, DZ = 0x80, PI = 0x2000, BI = 0x8000,
                       GI = 0x80000, K = 0x10000;

bool HasRecord(const CSlowa::CPaczkaEx* word, PhonemeMask code) {
  for (const CSlowa::SPaczka* r : word->records)
    if (r->flags == code) return true;
  return false;
}

// ---- availability, through the window ----

class Availability : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window = std::make_unique<TFormCoNiePasuje3>(nullptr);
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  bool Check(std::int32_t phonemes, std::int32_t positions) {
    SettingsCoNiePasuje3.PhonemeMask = phonemes;
    SettingsCoNiePasuje3.PositionMask = positions;
    return window->HasEnoughWords();
  }
  std::unique_ptr<TFormCoNiePasuje3> window;
};

TEST_F(Availability, ASoundNeedsFourWordsAndItsPartnerOneAtThePosition) {
  // PI medial has exactly four words, its partner BI medial some.
  ASSERT_EQ(Dictionary->CountWords(PI | kMedial), 4);
  EXPECT_TRUE(Check(PI, kMedial));
  ASSERT_EQ(window->Game()->CodeCount(), 1);
  EXPECT_EQ(window->Game()->Code(0), PI | kMedial);
  // DZ initial has three.
  ASSERT_EQ(Dictionary->CountWords(DZ | kInitial), 3);
  EXPECT_FALSE(Check(DZ, kInitial));
  // No word ends in Z, the partner of S.
  ASSERT_EQ(Dictionary->CountWords(0x20 | kFinal), 0);
  EXPECT_FALSE(Check(S, kFinal));
  // Fewer than two words over the sound, its partner and the positions.
  ASSERT_LT(Dictionary->CountWords(BI | OppositeMask(BI) | kFinal), 2);
  EXPECT_FALSE(Check(BI, kFinal));
  ASSERT_LT(Dictionary->CountWords(GI | OppositeMask(GI) | kInitial), 2);
  EXPECT_FALSE(Check(GI, kInitial));
}

TEST_F(Availability, UsableCodesKeepTheOrderOfTheSelection) {
  ASSERT_TRUE(Check(SZ | S | DZ | PI, kInitial | kMedial | kFinal));
  std::int32_t all[78];
  const int n = CUstGry::ListSelections(&SettingsCoNiePasuje3, all);
  std::vector<std::int32_t> expected;
  for (int i = 0; i < n; ++i)
    if (Dictionary->CountWords(all[i]) >= 4 && Dictionary->CountWords(CgraNiep_Karty::PartnerCode(all[i])) >= 1)
      expected.push_back(all[i]);
  std::vector<std::int32_t> kept;
  for (int i = 0; i < window->Game()->CodeCount(); ++i) kept.push_back(window->Game()->Code(i));
  EXPECT_EQ(kept, expected);
  EXPECT_LT(kept.size(), std::size_t(n));  // DZ initial and S final at least are dropped
  EXPECT_EQ(std::count(kept.begin(), kept.end(), DZ | kInitial), 0);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), S | kFinal), 0);
}

TEST_F(Availability, RoundsByLevel) {
  const std::vector<std::pair<int, int>> table = {{1, 5}, {2, 10}, {3, 15}, {0, 2}, {4, 2}, {-1, 2}};
  for (auto [level, rounds] : table) {
    SettingsCoNiePasuje3.Level = level;
    EXPECT_EQ(window->TaskCount(), rounds) << "level " << level;
  }
  EXPECT_EQ(window->CardsPerRound(), 5);
}

// ---- rounds ----

class Rounds : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    buffer = gametest::Solid(1024, 768, gametest::kBackground);
    game = std::make_unique<CgraNiep_Karty>(nullptr, buffer.get());
    const int xs[5] = {255, 385, 516, 647, 775};
    for (int n = 1; n <= 5; ++n) {
      const std::string k = std::to_string(n);
      game->AddPlace(xs[n - 1], 272, "Data\\Intf\\Spec\\R3_cnp3ms" + k + ".xji", xs[n - 1] - 8, 264,
                     "Data\\Intf\\Spec\\R3_cnp3om" + k + ".xji");
    }
  }
  void Use(std::int32_t phonemes, std::int32_t positions) {
    SettingsCoNiePasuje3.PhonemeMask = phonemes;
    SettingsCoNiePasuje3.PositionMask = positions;
    ASSERT_TRUE(game->FilterPhonemes(5));
  }
  TPoint Centre(int card) const {
    const auto& p = game->Place(card);
    return TPoint{p.x + p.pictureMask->Width() / 2, p.y + p.pictureMask->Height() / 2};
  }
  std::unique_ptr<TBitmap> buffer;
  std::unique_ptr<CgraNiep_Karty> game;
};

TEST_F(Rounds, EveryBlockOfFiveRoundsPutsTheOddCardOnceAtEachPlace) {
  Use(SZ | S | C | K, kInitial | kMedial | kFinal);
  for (std::uint32_t seed : {1u, 7u, 12345u}) {
    SeedRandom(seed, seed * 3 + 1);
    game->Setup(5, 15);
    ASSERT_EQ(game->RoundCount(), 15);
    EXPECT_EQ(game->CurrentRound(), 0);
    for (int block = 0; block < 3; ++block) {
      std::set<int> places;
      for (int r = block * 5; r < block * 5 + 5; ++r) places.insert(game->Round(r).oddIndex);
      EXPECT_EQ(places, (std::set<int>{0, 1, 2, 3, 4})) << "seed " << seed << " block " << block;
    }
  }
}

TEST_F(Rounds, TheOddWordHasThePartnerSoundAndTheOthersTheSound) {
  Use(SZ | S | C | K | PI, kInitial | kMedial | kFinal);
  std::set<std::int32_t> codes;
  for (int i = 0; i < game->CodeCount(); ++i) codes.insert(game->Code(i));
  for (std::uint32_t seed : {3u, 99u}) {
    SeedRandom(seed, seed + 17);
    game->Setup(5, 15);
    for (int r = 0; r < 15; ++r) {
      const auto& round = game->Round(r);
      EXPECT_TRUE(codes.count(std::int32_t(round.fittingCode)));
      EXPECT_EQ(round.oddCode, CgraNiep_Karty::PartnerCode(round.fittingCode));
      EXPECT_EQ(round.solved, 0);
      std::set<const CSlowa::CPaczkaEx*> distinct(round.words, round.words + 5);
      EXPECT_EQ(distinct.size(), 5u) << "round " << r;
      for (int k = 0; k < 5; ++k) {
        const PhonemeMask expected = k == round.oddIndex ? round.oddCode : round.fittingCode;
        EXPECT_TRUE(HasRecord(round.words[k], expected)) << round.words[k]->key << " round " << r << " card " << k;
        // The card shows its own word's picture, at the card's size.
        ASSERT_EQ(round.pictures.size(), 5u);
        EXPECT_EQ(round.pictures[std::size_t(k)]->Width(), game->Place(k).pictureMask->Width());
        EXPECT_EQ(round.pictures[std::size_t(k)]->Height(), game->Place(k).pictureMask->Height());
        EXPECT_TRUE(gametest::Near(round.pictures[std::size_t(k)]->PixelColor(50, 50),
                                   gametest::DataTree::Get().ColourOf(round.words[k]->key)));
      }
    }
  }
}

TEST_F(Rounds, ASoundWithExactlyFourWordsUsesAllFourEveryRound) {
  Use(PI, kMedial);
  std::vector<CSlowa::CPaczkaEx*> four;
  Dictionary->SelectWords(four, PI | kMedial);
  std::set<const CSlowa::CPaczkaEx*> expected(four.begin(), four.end());
  game->Setup(5, 10);
  for (int r = 0; r < 10; ++r) {
    const auto& round = game->Round(r);
    std::set<const CSlowa::CPaczkaEx*> fitting;
    for (int k = 0; k < 5; ++k)
      if (k != round.oddIndex) fitting.insert(round.words[k]);
    EXPECT_EQ(fitting, expected) << "round " << r;
  }
}

TEST_F(Rounds, CodesAreTakenInShuffledRunsAndReshuffledWhenUsedUp) {
  Use(SZ | S | C, kInitial);
  ASSERT_EQ(game->CodeCount(), 3);
  for (std::uint32_t seed : {5u, 6u, 8u}) {
    SeedRandom(seed, seed);
    game->Setup(5, 5);
    std::set<PhonemeMask> firstRun, secondRun;
    for (int r = 0; r < 3; ++r) firstRun.insert(game->Round(r).fittingCode);
    for (int r = 3; r < 5; ++r) secondRun.insert(game->Round(r).fittingCode);
    EXPECT_EQ(firstRun.size(), 3u);
    EXPECT_EQ(secondRun.size(), 2u);
  }
}

TEST_F(Rounds, ShufflePhonemesProbesForwardFromEachDraw) {
  std::vector<std::int32_t> draws;
  RandomScript script;
  script.random31 = [&] {
    std::int32_t v = draws.front();
    draws.erase(draws.begin());
    return v;
  };
  ScopedRandomScript scoped(script);
  std::int32_t list[3] = {10, 20, 30};
  draws = {0, 0, 0};
  CgraNiep_Karty::ShufflePhonemes(list, 3);
  EXPECT_EQ(std::vector<std::int32_t>(list, list + 3), (std::vector<std::int32_t>{10, 20, 30}));
  draws = {5, 2, 2};  // 5 mod 3 = 2; then 2 is taken, wrap to 0; then 2, 0 taken, 1
  CgraNiep_Karty::ShufflePhonemes(list, 3);
  EXPECT_EQ(std::vector<std::int32_t>(list, list + 3), (std::vector<std::int32_t>{30, 10, 20}));
  std::int32_t one[1] = {7};
  draws = {4};
  CgraNiep_Karty::ShufflePhonemes(one, 1);
  EXPECT_EQ(one[0], 7);
}

TEST_F(Rounds, ClicksAreJudgedByTheCardRectangle) {
  Use(SZ, kInitial);
  game->Setup(5, 2);
  const auto& round = game->Round(0);
  const int odd = round.oddIndex, other = (odd + 1) % 5;
  hb().ClearSounds();
  // Between two cards, and above them.
  EXPECT_EQ(game->JudgeClick(game->Place(0).x + 108 + 5, 300), 0);
  EXPECT_EQ(game->JudgeClick(300, 100), 0);
  EXPECT_TRUE(hb().Sounds().empty());
  // A transparent corner of the odd card's picture still counts as the card.
  const auto& p = game->Place(other);
  EXPECT_EQ(game->CardAt(p.x, p.y), other);
  EXPECT_EQ(game->CardAt(p.x + 107, p.y + 107), other);
  EXPECT_EQ(game->CardAt(p.x + 108, p.y + 50), -1);  // the next card starts 22 pixels on
  EXPECT_EQ(game->JudgeClick(p.x, p.y), 2);
  ASSERT_EQ(hb().Sounds().size(), 1u);
  EXPECT_FALSE(hb().Sounds()[0].sync);
  EXPECT_NE(hb().Sounds()[0].name.find("\\b"), std::string::npos);
  EXPECT_EQ(round.solved, 0);
  EXPECT_EQ(game->UnsolvedCount(), 2);
  const TPoint c = Centre(odd);
  EXPECT_EQ(game->JudgeClick(c.x, c.y), 1);
  ASSERT_EQ(hb().Sounds().size(), 2u);
  EXPECT_FALSE(hb().Sounds()[1].sync);
  EXPECT_NE(hb().Sounds()[1].name.find("\\g"), std::string::npos);
  EXPECT_EQ(round.solved, 1);
  // A solved round takes no more answers and plays nothing.
  EXPECT_EQ(game->JudgeClick(c.x, c.y), 3);
  EXPECT_EQ(game->JudgeClick(Centre(other).x, Centre(other).y), 3);
  EXPECT_EQ(hb().Sounds().size(), 2u);
  // The round not visited yet counts as unsolved.
  EXPECT_EQ(game->UnsolvedCount(), 1);
}

TEST_F(Rounds, MovingBetweenRoundsStopsAtBothEnds) {
  Use(SZ, kInitial);
  game->Setup(5, 2);
  game->PrevRound();
  EXPECT_EQ(game->CurrentRound(), 0);
  game->NextRound();
  EXPECT_EQ(game->CurrentRound(), 1);
  game->NextRound();
  EXPECT_EQ(game->CurrentRound(), 1);
  game->FirstRound();
  EXPECT_EQ(game->CurrentRound(), 0);
  game->ClearRounds();
  EXPECT_FALSE(game->HasRounds());
  EXPECT_EQ(game->UnsolvedCount(), 0);
  EXPECT_EQ(game->JudgeClick(Centre(0).x, Centre(0).y), 0);
}

TEST_F(Rounds, SolvedRoundsShowGreenAndRedThroughTheFrames) {
  Use(SZ, kInitial);
  game->Setup(5, 2);
  const auto& round = game->Round(0);
  auto ring = [&](int k) { return buffer->PixelColor(game->Place(k).highlightX + 3, game->Place(k).highlightY + 60); };
  game->DrawCards(buffer.get());
  for (int k = 0; k < 5; ++k) {
    EXPECT_TRUE(gametest::Near(ring(k), gametest::kBackground));
    EXPECT_TRUE(gametest::Near(buffer->PixelColor(Centre(k).x, Centre(k).y),
                               gametest::DataTree::Get().ColourOf(round.words[k]->key)));
  }
  game->JudgeClick(Centre(round.oddIndex).x, Centre(round.oddIndex).y);
  game->DrawCards(buffer.get());
  for (int k = 0; k < 5; ++k) {
    const TColor c = ring(k);
    if (k == round.oddIndex) EXPECT_GT(gametest::Channel(c, 0), gametest::Channel(c, 1) + 60) << k;
    else EXPECT_GT(gametest::Channel(c, 1), gametest::Channel(c, 0) + 60) << k;
    // The tints lie on the frame only: the picture keeps its colours.
    EXPECT_TRUE(gametest::Near(buffer->PixelColor(Centre(k).x, Centre(k).y),
                               gametest::DataTree::Get().ColourOf(round.words[k]->key)));
  }
}

}  // namespace
