// The vines game's tasks over the built-in dictionary: what a game holds at
// each level for various sounds and positions, which sounds are playable,
// and where the wrong words come from when the partner sound has too few.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "games/Fmliany/Clianyzadanie.h"
#include "platform/Random.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "tests/support/Headless.h"

namespace {

constexpr std::int32_t SZ = 0x1, ZZ = 0x2, CZ = 0x4, S = 0x10, DZI = 0x800, K = 0x10000, KI = 0x20000, G = 0x40000;
constexpr std::int32_t kAllSounds = 0x3FFFFFF, kAllPositions = kInitial | kMedial | kFinal;
constexpr PhonemeMask kVoiced = 0x2CCCAAA;
constexpr int kLeafW = 30, kLeafH = 20;

bool HasPrimary(const CSlowa::CPaczkaEx* word, PhonemeMask mask) {
  for (const CSlowa::SPaczka* r : word->records)
    if (CSlowa::Matches(r->flags, mask)) return true;
  return false;
}

class VinesTasks : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    for (int s = 0; s < 2; ++s) {
      shapes[s].Create(kLeafW, kLeafH, 255);
      lit[s].Create(kLeafW, kLeafH, 255);
      windows[s].reset(NewGrey8Bitmap(12, 12, 255));
      art.leaf[s] = &shapes[s];
      art.leafLit[s] = &lit[s];
      art.pictureMask[s] = windows[s].get();
      art.pictureOffset[s] = TPoint{2 + 2 * s, 3};
    }
    title.reset(NewGrey8Bitmap(16, 16, 255));
    art.titleMask = title.get();
    for (int a = 0; a < 10; ++a) art.anchors[a] = TPoint{40 * a, 30 * a + 7};
    art.collectBase = TPoint{500, 400};
  }
  // A game for the settings; false when the settings have too few words.
  bool Generate(std::int32_t phonemes, std::int32_t positions, int level, std::uint64_t seed) {
    settings.PhonemeMask = phonemes;
    settings.PositionMask = positions;
    settings.Level = level;
    tasks.clear();
    if (!LianyUsablePhonemes(dictionary, settings, usable, counts)) return false;
    SeedRandom(seed, std::uint32_t(seed * 7 + 1));
    tasks = GenerateLianyTasks(dictionary, settings, usable, counts, LianyLevelOf(level).taskCount, art);
    return true;
  }
  std::vector<CSlowa::CPaczkaEx*> Wrong(const CLianyZadanie& t) {
    std::vector<CSlowa::CPaczkaEx*> out;
    for (const auto& leaf : t.leaves)
      if (!leaf->correct) out.push_back(leaf->word);
    return out;
  }

  CSlowa dictionary;
  CUstGry settings{2, "Liany"};
  CTransBitmap shapes[2], lit[2];
  std::unique_ptr<TBitmap> windows[2], title;
  SLianyArt art;
  std::vector<int> usable, counts;
  LianyTasks tasks;
};

TEST_F(VinesTasks, EveryLevelHangsItsCorrectAndWrongWordsOnDistinctAnchors) {
  struct Choice {
    std::int32_t phonemes, positions;
  };
  const Choice choices[] = {{SZ | S | K, kInitial | kMedial}, {kAllSounds, kAllPositions}, {K, kFinal}};
  // Per level: tasks, leaves a task, right leaves a task; any other level plays as 0.
  const int levels[4][4] = {{1, 5, 6, 3}, {2, 7, 8, 4}, {3, 9, 10, 5}, {0, 4, 6, 3}};
  for (const auto& [level, taskCount, N, K_] : levels) {
    std::set<int> rightAnchors;
    for (const Choice& c : choices) {
      for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(std::to_string(level) + " " + std::to_string(c.phonemes) + " " + std::to_string(seed));
        ASSERT_TRUE(Generate(c.phonemes, c.positions, level, seed));
        ASSERT_EQ(int(tasks.size()), taskCount);
        std::map<int, int> perSound;
        for (const auto& t : tasks) {
          ++perSound[t->phoneme];
          const PhonemeMask atPositions = PhonemeMask(t->phoneme) | PhonemeMask(c.positions);
          ASSERT_EQ(int(t->leaves.size()), N);
          EXPECT_EQ(t->remaining, K_);
          EXPECT_EQ(t->collectX, 500 + kLeafW * (K_ - 2) / 2);
          EXPECT_EQ(t->collectY, 400);
          EXPECT_TRUE(HasPrimary(t->titleWord, atPositions)) << t->titleWord->key;
          std::set<std::string> words;
          std::set<int> anchors;
          for (int i = 0; i < N; ++i) {
            const CLianyZadanie::CListek& leaf = *t->leaves[std::size_t(i)];
            EXPECT_EQ(bool(leaf.correct), i < K_);
            words.insert(leaf.word->key);
            if (leaf.correct) {
              EXPECT_TRUE(HasPrimary(leaf.word, atPositions)) << leaf.word->key;
              EXPECT_NE(leaf.word, t->titleWord);
            } else {
              EXPECT_FALSE(HasPrimary(leaf.word, PhonemeMask(t->phoneme) | CSlowa::AllPositions)) << leaf.word->key;
              EXPECT_EQ(leaf.word->exclusionPhonemes & PhonemeMask(t->phoneme), 0u) << leaf.word->key;
            }
            const int a = (leaf.x) / 40;
            ASSERT_EQ(leaf.x, art.anchors[a].x);
            ASSERT_EQ(leaf.y, art.anchors[a].y);
            anchors.insert(a);
            if (leaf.correct) rightAnchors.insert(a);
            EXPECT_EQ(bool(leaf.leftShape), a <= 5);
            EXPECT_EQ(leaf.Bounds(), Bounds(leaf.x, leaf.y, kLeafW, kLeafH));
          }
          EXPECT_EQ(int(words.size()), N) << "a word twice in one task";
          EXPECT_EQ(int(anchors.size()), N) << "two leaves on one anchor";
        }
        // Every usable sound plays when the game has at least as many tasks.
        for (int p : usable) EXPECT_TRUE(perSound.count(p) || taskCount < int(usable.size())) << p;
      }
    }
    EXPECT_GT(int(rightAnchors.size()), K_) << "the right leaves hang on the same anchors in every task";
  }
}

TEST_F(VinesTasks, ASoundNeedsTwoWordsBeyondTheCorrectOnesAndTasksFollowTheWordCounts) {
  // DŹ has five words in all: enough for three correct leaves, not four.
  EXPECT_TRUE(Generate(DZI, kAllPositions, 1, 1));
  EXPECT_FALSE(Generate(DZI, kAllPositions, 2, 1));
  EXPECT_TRUE(Generate(DZI, kAllPositions, 5, 1));
  EXPECT_FALSE(Generate(DZI, kInitial, 1, 1));

  // Every sound everywhere at level 1: DŻ, GI and FI have too few words. K,
  // with the most words, gets one of the five tasks; four other sounds one
  // each, the tasks in random order of their sounds.
  bool shuffled = false;
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    ASSERT_TRUE(Generate(kAllSounds, kAllPositions, 1, seed));
    EXPECT_EQ(usable.size(), 23u);
    std::set<int> sounds;
    for (const auto& t : tasks) sounds.insert(t->phoneme);
    EXPECT_EQ(sounds.size(), 5u);
    EXPECT_TRUE(sounds.count(K));
    for (std::size_t t = 1; t < tasks.size(); ++t) shuffled = shuffled || tasks[t]->phoneme < tasks[t - 1]->phoneme;
  }
  EXPECT_TRUE(shuffled);
}

TEST_F(VinesTasks, WrongWordsComeFromThePartnerThenAnyPositionThenTheOtherVoicing) {
  // Every wrong word voiced, not all of them with the partner sound.
  auto expectVoicedOfAnySound = [&](PhonemeMask partner) {
    bool other = false;
    for (const auto& t : tasks)
      for (CSlowa::CPaczkaEx* w : Wrong(*t)) {
        EXPECT_EQ(w->phonemes & ~kVoiced, 0u) << w->key;
        other = other || !HasPrimary(w, partner | CSlowa::AllPositions);
      }
    EXPECT_TRUE(other);
  };
  for (std::uint64_t seed = 1; seed <= 5; ++seed) {
    // SZ at the start: words beginning with Ż.
    ASSERT_TRUE(Generate(SZ, kInitial, 3, seed));
    for (const auto& t : tasks)
      for (CSlowa::CPaczkaEx* w : Wrong(*t)) EXPECT_TRUE(HasPrimary(w, ZZ | kInitial)) << w->key;
    // Ć everywhere, and at the end where no word has DŹ: DŹ's five words
    // anywhere are just enough for three wrong leaves, one too few for four.
    for (std::int32_t positions : {kAllPositions, kFinal}) {
      ASSERT_TRUE(Generate(0x400, positions, 1, seed));
      for (const auto& t : tasks)
        for (CSlowa::CPaczkaEx* w : Wrong(*t)) EXPECT_TRUE(HasPrimary(w, DZI | kAllPositions)) << w->key;
      ASSERT_TRUE(Generate(0x400, positions, 2, seed));
      expectVoicedOfAnySound(DZI);
    }
    // K at the end: no word ends in G, so G words from anywhere.
    ASSERT_TRUE(Generate(K, kFinal, 1, seed));
    for (const auto& t : tasks)
      for (CSlowa::CPaczkaEx* w : Wrong(*t)) EXPECT_TRUE(HasPrimary(w, G | kInitial | kMedial)) << w->key;
    // CZ and KI, everywhere or at one position: their partners have two
    // words each, so voiced words of any sound.
    for (auto [sound, positions] : {std::pair{CZ, kAllPositions}, std::pair{CZ, kInitial},
                                    std::pair{KI, kAllPositions}, std::pair{KI, kFinal}}) {
      ASSERT_TRUE(Generate(sound, positions, 2, seed));
      expectVoicedOfAnySound(PhonemeMask(OppositeMask(sound)));
    }
  }
}

// The last two steps of the pool, which the built-in words never reach: the
// other voicing class when it holds as many words as wanted, else every word
// without the sound; a word whose exclusions name the sound stays out.
TEST(VinesWrongWords, TheOtherVoicingWhenItHasEnoughElseEveryWordWithoutTheSound) {
  std::vector<WordTableRow> rows = {
      {1, "dom", "_d,o,m,", 0x2000000 | kInitial},      // D, voiced
      {1, "kot", "_k,o,t,", K | kInitial},              // voiceless
      {1, "lis", "l,i,_s,", S | kFinal},                // S, voiceless, but ...
      {1, "szal", "_sz,a,l,", SZ | kInitial},           // the sound itself
      {1, "z^aba", "_\277,a,b,a,", ZZ | kInitial},     // its partner, too few
      {0, "lis", "l,i,_s,", SZ | kFinal},               // ... its exclusions name SZ
  };
  auto keys = [](const std::vector<CSlowa::CPaczkaEx*>& pool) {
    std::vector<std::string> out;
    for (const CSlowa::CPaczkaEx* w : pool) out.push_back(w->key);
    return out;
  };
  std::vector<CSlowa::CPaczkaEx*> pool;
  {
    CSlowa words(rows);
    LianyWrongWordPool(words, SZ, kInitial, 3, pool);
    EXPECT_EQ(keys(pool), (std::vector<std::string>{"dom", "kot", "z^aba"}));
  }
  rows.push_back({1, "gol", "_g,o,l,", G | kInitial});
  CSlowa words(rows);
  LianyWrongWordPool(words, SZ, kInitial, 3, pool);
  EXPECT_EQ(keys(pool), (std::vector<std::string>{"dom", "gol", "z^aba"}));
}

}  // namespace
