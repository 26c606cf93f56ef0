// Selections by mask and the draws without repetition, with their used-mark
// cycle that carries over from call to call.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"
#include "platform/Random.h"

namespace {

constexpr std::uint32_t kInitial = 0x10000000, kMedial = 0x20000000, kFinal = 0x40000000, kAll = 0x70000000;
constexpr std::uint32_t SZ = 0x1, S = 0x10, K = 0x10000, G = 0x40000, T = 0x1000000, D = 0x2000000;

using Words = std::vector<CSlowa::CPaczkaEx*>;
using Records = std::vector<CSlowa::SPaczka*>;

std::vector<std::string> KeysOf(const Words& words) {
  std::vector<std::string> out;
  for (const auto* w : words) out.push_back(w->key);
  return out;
}

std::vector<std::string> KeysOf(const Records& records) {
  std::vector<std::string> out;
  for (const auto* r : records) out.push_back(r->key + "/" + r->segments);
  return out;
}

// A small dictionary whose selections can be worked out by hand.
const WordTableRow kRows[] = {
    {1, "dom", "_d,o,m,", D | kInitial},
    {1, "kot", "_k,o,t,", K | kInitial},
    {1, "kot", "k,o,_t,", T | kFinal},
    {1, "kos", "_k,o,s,", K | kInitial},
    {1, "kos", "k,o,_s,", S | kFinal},
    {1, "sok", "s,o,_k,", K | kFinal},
    {1, "sok", "_s,o,k,", S | kInitial},
    {0, "dom", "d,o,_m,", T | kFinal},  // exclusions may name any phoneme
    {0, "kot", "k,_o,t,", SZ | kMedial},
    {1, "lato", "l,a,_t,o,", T | kMedial},
};

TEST(Selections, MatchNeedsAPhonemeAndAPosition) {
  EXPECT_TRUE(CSlowa::Matches(K | kInitial, K | S | kInitial | kFinal));
  EXPECT_FALSE(CSlowa::Matches(K | kInitial, K | kFinal));
  EXPECT_FALSE(CSlowa::Matches(K | kInitial, S | kInitial));
  EXPECT_FALSE(CSlowa::Matches(K | kInitial, K));
  EXPECT_FALSE(CSlowa::Matches(K | kInitial, kAll));
}

TEST(Selections, WordsAndRecords) {
  CSlowa d(kRows);
  ASSERT_EQ(KeysOf(d.words), (std::vector<std::string>{"dom", "kos", "kot", "lato", "sok"}));

  EXPECT_EQ(d.CountWords(K | kAll), 3);
  EXPECT_EQ(d.CountWords(K | kInitial), 2);
  EXPECT_EQ(d.CountWords(SZ | kAll), 0);  // an exclusion is not a match
  EXPECT_EQ(d.CountWords(K | S | kAll), 3);
  EXPECT_EQ(d.CountWords(CSlowa::Everything), 5);

  Words words{d.words[3]};  // nothing is emptied first
  d.SelectWords(words, K | T | kFinal);
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"lato", "kot", "sok"}));

  words.clear();
  d.SelectWordsExcluding(words, K | T | kAll, SZ);  // kot's exclusion names SZ
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"kos", "lato", "sok"}));
  words.clear();
  d.SelectWordsExcluding(words, K | T | kAll, 0);
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"kos", "kot", "lato", "sok"}));

  words.clear();
  d.SelectWordsWithoutExcluding(words, K | kAll, 0);
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"dom", "lato"}));
  words.clear();
  d.SelectWordsWithoutExcluding(words, K | kAll, T);  // dom's exclusion names T
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"lato"}));
  words.clear();
  d.SelectWordsWithoutExcluding(words, K | kInitial, SZ | T);
  EXPECT_EQ(KeysOf(words), (std::vector<std::string>{"lato", "sok"}));

  // Records: words in key order, each word's records in its order.
  Records records;
  d.SelectRecords(records, K | S | kAll);
  EXPECT_EQ(KeysOf(records), (std::vector<std::string>{"kos/_k,o,s,", "kos/k,o,_s,", "kot/_k,o,t,", "sok/s,o,_k,",
                                                       "sok/_s,o,k,"}));
  records.clear();
  d.SelectRecordsExcluding(records, K | T | kAll, SZ);
  EXPECT_EQ(KeysOf(records), (std::vector<std::string>{"kos/_k,o,s,", "lato/l,a,_t,o,", "sok/s,o,_k,"}));
  records.clear();
  d.SelectRecordsExcluding(records, K | T | kAll, 0);
  EXPECT_EQ(records.size(), 5u);
}

TEST(Selections, UsablePhonemes) {
  CSlowa d(kRows);
  std::vector<int> out{99}, counts{99};
  // K: kos, kot, sok; S: kos, sok; T: kot, lato; D: dom.
  int sum = d.UsablePhonemes(out, K | S | T | D | SZ | kAll, &counts, 2);
  EXPECT_EQ(out, (std::vector<int>{int(S), int(K), int(T)}));
  EXPECT_EQ(counts, (std::vector<int>{2, 3, 2}));
  EXPECT_EQ(sum, 7);

  // Only the mask's positions count.
  sum = d.UsablePhonemes(out, K | S | T | kFinal, &counts, 1);
  EXPECT_EQ(out, (std::vector<int>{int(S), int(K), int(T)}));
  EXPECT_EQ(counts, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(sum, 3);

  sum = d.UsablePhonemes(out, K | S | kInitial, nullptr, 3);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(sum, 0);
  EXPECT_EQ(d.UsablePhonemes(out, K | S, &counts, 0), 0);  // no position: counts of 0 still appended
  EXPECT_EQ(out.size(), 2u);
  EXPECT_EQ(counts, (std::vector<int>{0, 0}));
}

// Scripted Random31 draws; the test fails when more are asked for.
class Script {
 public:
  explicit Script(std::vector<std::int32_t> values)
      : values_(std::move(values)), scope_(RandomScript{[this] { return Next(); }, {}, {}}) {}
  std::size_t Used() const { return next_; }

 private:
  std::int32_t Next() {
    EXPECT_LT(next_, values_.size()) << "an unexpected draw";
    return next_ < values_.size() ? values_[next_++] : 0;
  }
  std::vector<std::int32_t> values_;
  std::size_t next_ = 0;
  ScopedRandomScript scope_;
};

// A pool of the first n words of the built-in dictionary.
Words FirstWords(CSlowa& d, std::size_t n) { return Words(d.words.begin(), d.words.begin() + long(n)); }

TEST(Draws, WhereEachDrawLooks) {
  CSlowa d;
  Words pool = FirstWords(d, 6), out;
  // 7 lands on index 1; the next draw on 1 again, already used: the search
  // goes on from 6 / 2 + 1 = 4; the third lands on 4, used, and goes on
  // from (3 + 4) mod 6 = 1, used, to 2.
  Script script({7, 1, 4});
  d.DrawWords(out, 3, pool);
  EXPECT_EQ(out, (Words{pool[1], pool[4], pool[2]}));
  EXPECT_EQ(script.Used(), 3u);
  for (std::size_t i = 0; i < pool.size(); ++i) EXPECT_EQ(pool[i]->flags, (i == 1 || i == 4 || i == 2) ? 1u : 0u);
}

TEST(Draws, SearchWrapsAround) {
  CSlowa d;
  Words pool = FirstWords(d, 5), out;
  for (std::size_t i : {1u, 2u, 3u, 4u}) pool[i]->flags = CSlowa::UsedMark;
  // From 1, used, the search goes on at 5 / 2 + 1 = 3: 3 and 4 are used, and
  // it wraps round to 0.
  Script script({1});
  d.DrawWords(out, 1, pool);
  EXPECT_EQ(out, (Words{pool[0]}));
}

TEST(Draws, NewCycleKeepsWhatTheListHolds) {
  CSlowa d;
  Words pool = FirstWords(d, 3);
  for (auto* w : pool) w->flags = CSlowa::UsedMark;
  // The list already holds pool[0] (say the odd card): a new cycle leaves it out.
  Words out{pool[0]};
  {
    Script script({0, 0});
    d.DrawWords(out, 2, pool);
  }
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(std::set<CSlowa::CPaczkaEx*>(out.begin() + 1, out.end()), (std::set<CSlowa::CPaczkaEx*>{pool[1], pool[2]}));
  // Marks outside the pool are not touched by its new cycle.
  d.words[10]->flags = CSlowa::UsedMark;
  Words again;
  Script more({1, 1, 1});
  d.DrawWords(again, 3, pool);
  EXPECT_EQ(d.words[10]->flags, CSlowa::UsedMark);
}

TEST(Draws, RepeatsOnlyWhenTheListHoldsThePool) {
  CSlowa d;
  Words pool = FirstWords(d, 3), out;
  SeedRandom(7, 7);
  d.DrawWords(out, 8, pool);
  ASSERT_EQ(out.size(), 8u);
  // The first three are the whole pool; after that each word comes round again
  // before any comes a third time.
  EXPECT_EQ(std::set<CSlowa::CPaczkaEx*>(out.begin(), out.begin() + 3).size(), 3u);
  std::map<CSlowa::CPaczkaEx*, int> times;
  for (auto* w : out) ++times[w];
  for (auto [w, n] : times) EXPECT_TRUE(n == 2 || n == 3) << w->key;
}

TEST(Draws, NoRepeatWithinACallNorBeforeThePoolIsUsedUp) {
  CSlowa d;
  Words pool;
  d.SelectWords(pool, K | kFinal);
  ASSERT_EQ(pool.size(), 31u);
  SeedRandom(12345, 1);
  // Within a call: no repeat while the pool holds more words than the call asks for.
  for (int n = 1; n <= 31; ++n) {
    Words out;
    d.DrawWords(out, n, pool);
    ASSERT_EQ(out.size(), std::size_t(n));
    EXPECT_EQ(std::set<CSlowa::CPaczkaEx*>(out.begin(), out.end()).size(), std::size_t(n)) << n;
  }
  // Across calls (games): every word once before any word again.
  for (auto* w : d.words) w->flags = 0;
  std::vector<CSlowa::CPaczkaEx*> drawn;
  for (int call = 0; call < 31 * 4; ++call) {
    Words out;
    d.DrawWords(out, 1, pool);
    drawn.push_back(out[0]);
  }
  for (int cycle = 0; cycle < 4; ++cycle)
    EXPECT_EQ(std::set<CSlowa::CPaczkaEx*>(drawn.begin() + cycle * 31, drawn.begin() + cycle * 31 + 31).size(), 31u);
  // Draws of 4 at a time carry the cycle on: 31 words in 8 calls, then a new cycle.
  for (auto* w : d.words) w->flags = 0;
  std::set<CSlowa::CPaczkaEx*> cycle;
  for (int call = 0; call < 7; ++call) {
    Words out;
    d.DrawWords(out, 4, pool);
    for (auto* w : out) EXPECT_TRUE(cycle.insert(w).second) << w->key;
  }
  EXPECT_EQ(cycle.size(), 28u);
  Words last;
  d.DrawWords(last, 4, pool);
  // Three words were left; the fourth opens a new cycle and is none of them.
  EXPECT_EQ(std::count_if(last.begin(), last.begin() + 3, [&](auto* w) { return cycle.count(w) == 0; }), 3);
  EXPECT_EQ(std::set<CSlowa::CPaczkaEx*>(last.begin(), last.end()).size(), 4u);
}

TEST(Draws, EmptyPoolMeansEveryWord) {
  CSlowa d;
  Words pool, out;
  SeedRandom(3, 3);
  d.DrawWords(out, 2, pool);
  EXPECT_EQ(pool.size(), 570u);
  EXPECT_EQ(out.size(), 2u);

  Records recordPool, records;
  d.DrawRecords(records, 2, recordPool);
  EXPECT_EQ(recordPool.size(), 930u);
  EXPECT_EQ(records.size(), 2u);

  Words none;
  Words empty;
  d.DrawWords(none, 0, empty);
  EXPECT_TRUE(none.empty());
}

TEST(Draws, RecordsSkipUsedWords) {
  CSlowa d(kRows);
  // kos and sok have two records each, kot one in this pool.
  Records pool;
  d.SelectRecords(pool, K | S | kAll);
  ASSERT_EQ(pool.size(), 5u);
  // 0 takes kos/_k; 1 lands on kos again: from 5 / 2 + 1 = 3 (sok) on.
  Records out;
  {
    Script script({0, 1, 4});
    d.DrawRecords(out, 3, pool);
  }
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(KeysOf(out), (std::vector<std::string>{"kos/_k,o,s,", "sok/s,o,_k,", "kot/_k,o,t,"}));
  for (auto* r : out) EXPECT_EQ(r->word->flags, CSlowa::UsedMark);
  EXPECT_EQ(d.words[0]->flags, 0u);  // dom, outside the pool

  // A pool of three words, a call for four: the fourth is the one repeat.
  for (auto* w : d.words) w->flags = 0;
  SeedRandom(5, 5);
  Records four;
  d.DrawRecords(four, 4, pool);
  std::set<CSlowa::CPaczkaEx*> firstThree;
  for (int i = 0; i < 3; ++i) firstThree.insert(four[std::size_t(i)]->word);
  EXPECT_EQ(firstThree.size(), 3u);
}

TEST(Draws, RecordCycleCarriesOver) {
  CSlowa d;
  Records pool;
  d.SelectRecords(pool, T | kMedial);  // 56 records of 55 words
  ASSERT_EQ(pool.size(), 56u);
  SeedRandom(99, 1);
  std::set<CSlowa::CPaczkaEx*> words;
  for (int call = 0; call < 11; ++call) {
    Records out;
    d.DrawRecords(out, 5, pool);
    for (auto* r : out) EXPECT_TRUE(words.insert(r->word).second) << r->key;
  }
  EXPECT_EQ(words.size(), 55u);
}

}  // namespace
