#include <gtest/gtest.h>

#include <vector>

#include "platform/Random.h"
#include "toolkit/Universalfn.h"
#include "tests/support/TempDir.h"

namespace {

TEST(PolishCase, UpperAndLower) {
  // "zażółć gęślą jaźń" and "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"
  const std::string lower = "za\277\363\263\346 g\352\234l\271 ja\237\361";
  const std::string upper = "ZA\257\323\243\306 G\312\214L\245 JA\217\321";
  EXPECT_EQ(PolishUpperCase(lower), upper);
  EXPECT_EQ(PolishLowerCase(upper), lower);
  EXPECT_EQ(PolishLowerCase("\245\312\214\306\321\217\257\323\243"), "\271\352\234\346\361\237\277\363\263");
  // ä and é, digits and punctuation stay.
  EXPECT_EQ(PolishUpperCase("\344\351 09,.!"), "\344\351 09,.!");
  EXPECT_EQ(PolishLowerCase("\304\311 09,.!"), "\304\311 09,.!");
  EXPECT_EQ(PolishUpperCase(""), "");
}

TEST(Paths, TrailingBackslash) {
  EXPECT_EQ(AddTrailingBackslash("Data"), "Data\\");
  EXPECT_EQ(AddTrailingBackslash("Data\\"), "Data\\");
  EXPECT_EQ(AddTrailingBackslash(""), "\\");
}

TEST(ListFiles, ListsPlainAndHiddenFilesNotFolders) {
  testsupport::TempDir dir;
  dir.Write("Data/Smd/b.pw", "x");
  dir.Write("Data/Smd/a.pw", "x");
  dir.Write("Data/Smd/.hidden.pw", "x");
  dir.Write("Data/Smd/other.wav", "x");
  dir.Write("Data/Smd/sub.pw/inner.pw", "x");
  dir.Write("top.pw", "x");
  testsupport::ScopedCwd cwd(dir.Path());

  TStringList list;
  list.Add("kept");
  ListFiles("Data\\Smd", "*.pw", &list);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[0], "kept");
  EXPECT_EQ(list[1], ".hidden.pw");
  EXPECT_EQ(list[2], "a.pw");
  EXPECT_EQ(list[3], "b.pw");

  TStringList here;
  ListFiles("", "*.pw", &here);  // the mask alone, relative to the working folder
  ASSERT_EQ(here.Count(), 1);
  EXPECT_EQ(here[0], "top.pw");

  TStringList none;
  ListFiles("No\\Such", "*.pw", &none);
  EXPECT_EQ(none.Count(), 0);
}

// Scripts Rand15 with a fixed sequence and counts the draws.
struct Draws {
  std::vector<int> values;
  std::size_t used = 0;
  RandomScript Script() {
    RandomScript s;
    s.rand15 = [this] { return values.at(used++); };
    return s;
  }
};

using Shares = std::vector<std::int32_t>;

TEST(DistributeCount, ExactSharesNeedNoDraw) {
  Draws d;
  ScopedRandomScript s(d.Script());
  Shares out;
  EXPECT_TRUE(DistributeCount({10, 5, 5}, -1, out, 5));
  EXPECT_EQ(out, (Shares{3, 1, 1}));
  EXPECT_EQ(d.used, 0u);
}

TEST(DistributeCount, WorkedExamples) {
  struct Case {
    Shares available;
    std::int32_t requested;
    std::vector<int> draws;
    Shares expected;
  };
  const Case cases[] = {
      {{1, 1, 1}, 2, {0}, {0, 1, 1}},
      {{1, 1, 1}, 2, {2}, {1, 1, 0}},
      {{20, 1, 1}, 3, {0, 0, 0}, {1, 1, 1}},
      {{20, 1, 1}, 2, {0}, {1, 1, 0}},
      {{20, 1, 1}, 2, {1}, {1, 1, 0}},
      {{20, 1, 1}, 2, {2}, {1, 0, 1}},
      {{1, 9, 9}, 6, {0, 0}, {1, 2, 3}},
      {{1, 9, 9}, 6, {1, 2}, {1, 2, 3}},
      {{9, 9, 1}, 6, {0, 0}, {2, 3, 1}},
      {{9, 9, 1}, 6, {1, 0}, {3, 2, 1}},
      {{1, 1}, 4, {}, {2, 2}},
  };
  for (const auto& c : cases) {
    Draws d{c.draws};
    ScopedRandomScript s(d.Script());
    Shares out;
    EXPECT_TRUE(DistributeCount(c.available, -1, out, c.requested));
    EXPECT_EQ(out, c.expected);
  }
}

TEST(DistributeCount, EmptyAndNegativeRequests) {
  Shares out{7};
  EXPECT_FALSE(DistributeCount({1, 2}, -1, out, -1));
  EXPECT_EQ(out, (Shares{7}));
  EXPECT_FALSE(DistributeCount({}, -1, out, 3));
  EXPECT_EQ(out, (Shares{7}));
  EXPECT_TRUE(DistributeCount({4, 5}, -1, out, 0));
  EXPECT_EQ(out, (Shares{0, 0}));
  EXPECT_FALSE(DistributeCount({0, 0}, -1, out, 2));
  EXPECT_TRUE(DistributeCount({0, 0}, -1, out, 0));
  EXPECT_EQ(out, (Shares{0, 0}));
}

TEST(DistributeCount, SharesAlwaysAddUpAndCoverEveryGroup) {
  SeedRandom(12345, 678);
  for (int round = 0; round < 2000; ++round) {
    int n = 1 + Random31() % 8;
    Shares available;
    for (int i = 0; i < n; ++i) available.push_back(1 + Random31() % 40);
    std::int32_t requested = Random31() % 60;
    Shares out;
    ASSERT_TRUE(DistributeCount(available, -1, out, requested));
    std::int32_t sum = 0;
    for (auto v : out) {
      EXPECT_GE(v, 0);
      sum += v;
    }
    EXPECT_EQ(sum, requested);
    if (requested >= n) {
      for (auto v : out) EXPECT_GE(v, 1);
    }
  }
}

}  // namespace
