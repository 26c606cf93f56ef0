// The flowers game's tasks and rules, without the window: what the generator
// builds from the real dictionary and from small hand-made ones, and that a
// child who only ever makes right drops finishes every task.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "games/Fmkwiatki/Ckwiatkizadanie.h"
#include "platform/Classes.h"
#include "platform/Random.h"
#include "shell/_custgry.h"
#include "tests/shell/ShellTree.h"
#include "toolkit/Ctransfont.h"

namespace {

constexpr std::int32_t SZ = 0x1, ZZ = 0x2, CZ = 0x4, S = 0x10, Z = 0x20, K = 0x10000, T = 0x1000000;
constexpr std::int32_t kAll = kInitial | kMedial | kFinal;
using Task = CKwiatkiZadanie;

class FlowersTasks : public ::testing::Test {
 protected:
  void SetUp() override {
    const fontfiles::Bytes bytes = shelltest::BoxFont("Kwi_R3", 20);
    TBytesStream s(bytes.data(), bytes.size());
    ASSERT_TRUE(font.LoadFromStream(&s));
    saved = Dictionary;
    if (!Dictionary) Dictionary = real = new CSlowa();
    SKwiatkiPlansza board;
    for (int k = 0; k < Task::kFlowers; ++k) {
      board.flowers[k] = Bounds(150 * k, 10, 40 + k, 30 + k);
      board.homeSlots[k] = TPoint{100 * k + 50, 500 + 3 * k};
    }
    game.SetBoard(board);
  }
  void TearDown() override {
    Dictionary = saved;
    delete real;
  }
  bool Choose(std::int32_t phonemes, std::int32_t positions, int level = 1) {
    settings.PhonemeMask = phonemes;
    settings.PositionMask = positions;
    settings.Level = level;
    return game.HasEnoughWords();
  }
  template <class Item>
  static std::multiset<const CSlowa::SPaczka*> Records(const std::vector<Item>& v) {
    std::multiset<const CSlowa::SPaczka*> out;
    for (const Item& i : v) out.insert(i.record);
    return out;
  }

  CTransFont font;
  CUstGry settings{3, "Kwiatki"};
  CKwiatkiGra game{settings, font};
  CSlowa* saved = nullptr;
  CSlowa* real = nullptr;
};

TEST_F(FlowersTasks, EveryLevelBuildsTasksOfEightFlowersAndTheirMarkersInTheHomeSlots) {
  EXPECT_FALSE(Choose(S | Z, kFinal));  // no word ends in Z: one sound only
  const std::int32_t sets[][2] = {{SZ | ZZ, kAll}, {SZ | CZ | S | K | T, kInitial}, {S | Z, kMedial | kFinal}};
  const std::map<int, int> counts = {{1, 3}, {2, 5}, {3, 7}, {0, 2}, {9, 2}};
  int inFlowerOrder = 0, total = 0;
  for (const auto& [level, count] : counts) {
    for (const auto& set : sets) {
      SCOPED_TRACE(testing::Message() << "level " << level << " sounds " << std::hex << set[0]);
      SeedRandom(std::uint64_t(level * 31 + set[0]), std::uint32_t(set[1]) + 7);
      ASSERT_TRUE(Choose(set[0], set[1], level));
      game.GenerateTasks(game.TaskCount());
      ASSERT_EQ(game.TaskTotal(), count);
      for (int t = 0; t < count; ++t) {
        const Task& task = game.Task(t);
        ASSERT_EQ(task.flowers.size(), 8u);
        ASSERT_EQ(task.markers.size(), 8u);
        EXPECT_EQ(task.remaining, 8);
        EXPECT_EQ(Records(task.flowers), Records(task.markers));
        inFlowerOrder += task.markers[0].record == task.flowers[0].record && task.markers[7].record == task.flowers[7].record;
        ++total;
        for (int k = 0; k < 8; ++k) {
          const Task::CKwiBig& f = task.flowers[std::size_t(k)];
          const TRect& r = game.Board().flowers[k];
          ASSERT_TRUE(f.picture);
          EXPECT_EQ(f.picture->Width(), r.Width());
          EXPECT_EQ(f.picture->Height(), r.Height());
          EXPECT_TRUE(CSlowa::Matches(f.record->flags, PhonemeMask(set[0] | set[1])));
          const Task::CKwiGloska& m = task.markers[std::size_t(k)];
          EXPECT_EQ(m.slot, k);
          EXPECT_FALSE(m.placed);
          EXPECT_EQ(m.height, 20);
          EXPECT_GT(m.width, 0);
          EXPECT_EQ(m.x, game.Board().homeSlots[k].x - m.width / 2);
          EXPECT_EQ(m.y, game.Board().homeSlots[k].y - 10);
        }
      }
    }
  }
  EXPECT_LT(inFlowerOrder, total / 4) << "the markers are shuffled";
}

// With two sounds each pass over the list takes both, so every task has
// four flowers of each, and none of their words is excluded by either sound.
TEST_F(FlowersTasks, TwoSoundsShareEveryTaskAndExcludedWordsStayOut) {
  ASSERT_TRUE(Choose(SZ | S, kAll, 3));
  for (int p : {SZ, S}) {
    std::vector<CSlowa::SPaczka*> clean;
    Dictionary->SelectRecordsExcluding(clean, PhonemeMask(p | kAll), SZ | S);
    ASSERT_GT(clean.size(), 8u);
  }
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed, std::uint32_t(seed));
    game.BuildTasks(game.TaskCount());
    for (int t = 0; t < game.TaskTotal(); ++t) {
      int sz = 0;
      for (const Task::CKwiBig& f : game.Task(t).flowers) {
        sz += (f.record->flags & SZ) ? 1 : 0;
        EXPECT_EQ(f.record->word->exclusionPhonemes & PhonemeMask(SZ | S), 0u) << f.record->key;
      }
      EXPECT_EQ(sz, 4) << "seed " << seed << " task " << t;
    }
  }
}

// Words: a K word and an S word; the K word names S among its exclusions
// from one exclusion on, the S word names K too with two.
std::vector<WordTableRow> Rows(int exclusions) {
  std::vector<WordTableRow> rows = {{1, "kot", "_k,o,t,", std::uint32_t(K | kInitial)},
                                    {1, "sok", "_s,o,k,", std::uint32_t(S | kInitial)}};
  if (exclusions > 0) rows.push_back({0, "kot", "k,o,_s,", std::uint32_t(S | kFinal)});
  if (exclusions > 1) rows.push_back({0, "sok", "s,o,_k,", std::uint32_t(K | kFinal)});
  return rows;
}

TEST_F(FlowersTasks, ASoundWithOnlyExcludedWordsTakesAnotherSoundThenItsOwnWordsAnyway) {
  // Kot flowers in a task of K and S over no, one and two exclusions.
  const int kots[3] = {4, 0, 4};
  for (int exclusions = 0; exclusions < 3; ++exclusions) {
    CSlowa words(Rows(exclusions));
    Dictionary = &words;
    ASSERT_TRUE(Choose(K | S, kInitial));
    game.BuildTasks(2);
    for (int t = 0; t < 2; ++t)
      EXPECT_EQ(std::count_if(game.Task(t).flowers.begin(), game.Task(t).flowers.end(),
                              [](const Task::CKwiBig& f) { return f.record->key == "kot"; }),
                kots[exclusions])
          << exclusions << " exclusions, task " << t;
    game.ClearTasks();
  }
}

// Help shows the first free marker, in order, with a free flower of its own
// label, and the first such flower; a flower drawn for another sound does not count.
TEST_F(FlowersTasks, HelpPicksTheFirstFreeMarkerAndTheFirstFreeFlowerOfItsLabel) {
  std::map<std::string, CSlowa::SPaczka> records;
  for (const char* label : {"SZ", "CZ", "K", "R"}) records[label].phonemeText = label;
  auto task = std::make_unique<Task>();
  const char* flowers[8] = {"CZ", "SZ", "CZ", "K", "K", "K", "K", "K"};
  const char* markers[5] = {"CZ", "SZ", "R", "K", "SZ"};
  task->flowers.resize(8);
  for (int k = 0; k < 8; ++k) task->flowers[std::size_t(k)].record = &records[flowers[k]];
  task->markers.resize(5);
  for (int m = 0; m < 5; ++m) task->markers[std::size_t(m)].record = &records[markers[m]];
  task->markers[1].placed = 1;
  game.tasks.push_back(std::move(task));
  game.SetCurrentTask(0);
  std::vector<std::pair<int, int>> shown;
  int m = -1, k = -1;
  while (game.FindHelp(m, k)) {
    shown.emplace_back(m, k);
    game.Task(0).flowers[std::size_t(k)].occupied = 1;
  }
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{0, 0}, {0, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {4, 1}}));
}

// A greedy child drops any free marker on any free flower that takes it; the
// new-marker rule must leave every task solvable, with at most one free
// marker in each home slot.
TEST_F(FlowersTasks, RightDropsAloneFinishEveryTask) {
  const std::int32_t sets[][2] = {{SZ | ZZ, kAll}, {SZ | ZZ | CZ | S | Z | K | T, kInitial}, {K | T, kFinal}};
  std::mt19937 child(5);
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    const auto& set = sets[seed % 3];
    ASSERT_TRUE(Choose(set[0], set[1], 3));
    SeedRandom(seed, std::uint32_t(seed * 7));
    game.BuildTasks(game.TaskCount());
    for (int t = 0; t < game.TaskTotal(); ++t) {
      game.SetCurrentTask(t);
      Task& task = game.Task(t);
      while (!task.Finished()) {
        std::vector<std::pair<int, int>> right;
        for (int m = 0; m < int(task.markers.size()); ++m)
          for (int k = 0; k < 8; ++k)
            if (!task.markers[std::size_t(m)].placed && game.JudgeDrop(m, k) == CKwiatkiGra::EDrop::Right)
              right.emplace_back(m, k);
        ASSERT_FALSE(right.empty()) << "seed " << seed << " task " << t << " left " << task.remaining;
        const auto [m, k] = right[child() % right.size()];
        const int freeBefore = int(task.markers.size()) - (8 - task.remaining);
        const bool added = game.Land(m, k, 0, 0);
        EXPECT_EQ(int(task.markers.size()) - (8 - task.remaining), freeBefore - (added ? 0 : 1));
        EXPECT_EQ(game.JudgeDrop(m, k), CKwiatkiGra::EDrop::None);  // the flower is taken
        std::set<int> slots;
        for (const Task::CKwiGloska& marker : task.markers)
          if (!marker.placed) {
            EXPECT_TRUE(slots.insert(marker.slot).second && marker.slot >= 0 && marker.slot < 8);
          }
      }
      EXPECT_LE(task.markers.size(), 16u);
      int helpMarker, helpFlower;
      EXPECT_FALSE(game.FindHelp(helpMarker, helpFlower));
    }
    EXPECT_EQ(game.UnsolvedCount(), 0);
  }
}

}  // namespace
