// Building the dictionary: mark texts, the byte order of keys, grouping into
// words, and the lookups of a word's records and recording.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"

namespace {

constexpr std::uint32_t kInitial = 0x10000000, kMedial = 0x20000000, kFinal = 0x40000000;
constexpr std::uint32_t ZH = 0x2, P = 0x1000, B = 0x4000, K = 0x10000, KI = 0x20000, DZI = 0x800, G = 0x40000;

std::vector<std::string> Keys(const CSlowa& d) {
  std::vector<std::string> out;
  for (const CSlowa::CPaczkaEx* w : d.words) out.push_back(w->key);
  return out;
}

TEST(SlowaBuild, MarkTexts) {
  const WordTableRow rows[] = {
      {1, "chomiki", "ch,o,m,i,_k,_i,", KI | kFinal},
      {1, "budzik", "b,u,_dz,_i,k,", DZI | kMedial},
      {1, "brzuch", "b,_rz,u,ch,", ZH | kMedial},
      {1, "z^aba", "_\277,a,b,a,", ZH | kInitial},
      {1, "bez", "b,e,z,", B | kInitial},          // no mark
      {1, "koniec", "k,o,n,i,e,_c", K | kFinal},   // the last mark without ","
      {1, "trzy", "_t,_rz,_y,", K | kInitial},     // a third mark only lengthens the phoneme text
  };
  CSlowa d(rows);
  ASSERT_EQ(d.records.size(), 7u);
  auto texts = [&](int i) {
    const CSlowa::SPaczka& r = d.records[std::size_t(i)];
    return std::vector<std::string>{r.phonemeText, r.firstMark, r.secondMark};
  };
  EXPECT_EQ(texts(0), (std::vector<std::string>{"KI", "K", "I"}));
  EXPECT_EQ(texts(1), (std::vector<std::string>{"DZI", "DZ", "I"}));  // although its flags name DŹ
  EXPECT_EQ(texts(2), (std::vector<std::string>{"RZ", "RZ", ""}));    // with the flags of Ż
  EXPECT_EQ(texts(3), (std::vector<std::string>{"\257", "\257", ""}));
  EXPECT_EQ(texts(4), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(texts(5), (std::vector<std::string>{"C", "C", ""}));
  EXPECT_EQ(texts(6), (std::vector<std::string>{"TRZY", "T", "RZ"}));
}

TEST(SlowaBuild, ByteOrderAndGrouping) {
  // Source order is alphabetical the Polish way; the words come in byte order.
  const WordTableRow rows[] = {
      {1, "agrest", "a,_g,r,e,s,t,", G | kMedial},
      {1, "agresty", "a,_g,r,e,s,t,y,", G | kMedial},
      {1, "babcia", "_b,a,b,ci,a,", B | kInitial},
      {1, "ba^k", "_b,\271,k,", B | kInitial},
      {1, "za^b", "_z,\271,b,", 0x20 | kInitial},
      {1, "zabawki", "z,a,_b,a,w,k,i,", B | kMedial},
      {1, "z^aba", "_\277,a,b,a,", ZH | kInitial},
      {1, "z^aba", "\277,a,_b,a,", B | kMedial},
      {0, "za^b", "z,\271,_b,", P | kFinal},
      {0, "za^b", "z,\271,_b,", B | kFinal},
      {0, "agrest", "a,g,r,e,_s,t,", 0x10 | kMedial},
  };
  CSlowa d(rows);
  EXPECT_EQ(d.records.size(), 8u);
  EXPECT_EQ(d.exclusions.size(), 3u);
  // "^" sorts before every letter; a prefix first.
  EXPECT_EQ(Keys(d), (std::vector<std::string>{"agrest", "agresty", "ba^k", "babcia", "z^aba", "za^b", "zabawki"}));

  const CSlowa::CPaczkaEx* zab = d.words[5];
  ASSERT_EQ(zab->records.size(), 1u);
  ASSERT_EQ(zab->exclusions.size(), 2u);
  EXPECT_EQ(zab->phonemes, 0x20u);
  EXPECT_EQ(zab->exclusionPhonemes, P | B);
  // The two exclusion rows keep their order: the pronounced one, then its twin.
  EXPECT_EQ(zab->exclusions[0]->flags, P | kFinal);
  EXPECT_EQ(zab->exclusions[1]->flags, B | kFinal);
  EXPECT_EQ(zab->exclusions[0]->phonemeText, "B");
  EXPECT_EQ(zab->exclusions[1]->phonemeText, "B");

  const CSlowa::CPaczkaEx* zaba = d.words[4];
  ASSERT_EQ(zaba->records.size(), 2u);
  EXPECT_EQ(zaba->records[0]->flags, ZH | kInitial);
  EXPECT_EQ(zaba->records[1]->flags, B | kMedial);
  EXPECT_EQ(zaba->phonemes, ZH | B);
  EXPECT_EQ(zaba->exclusionPhonemes, 0u);
  EXPECT_TRUE(zaba->exclusions.empty());

  for (const CSlowa::CPaczkaEx* w : d.words) {
    EXPECT_EQ(w->flags, 0u);
    for (const auto* list : {&w->records, &w->exclusions})
      for (const CSlowa::SPaczka* r : *list) {
        EXPECT_EQ(r->word, w);
        EXPECT_EQ(r->key, w->key);
      }
  }
  for (const auto* list : {&d.records, &d.exclusions})
    for (const CSlowa::SPaczka& r : *list) {
      ASSERT_NE(r.word, nullptr);
      EXPECT_EQ(r.word->key, r.key);
    }
}

TEST(SlowaBuild, OddKeysAndEmptyTable) {
  // The first row makes a word whatever its key, even one equal to the
  // character the grouping might start from.
  const WordTableRow odd[] = {{1, "\273", "_k,", K | kInitial}, {1, "", "_p,", P | kInitial}, {0, "\273", "_k,", K | kFinal}};
  CSlowa d(odd);
  ASSERT_EQ(d.words.size(), 2u);
  EXPECT_EQ(d.words[0]->key, "");
  EXPECT_EQ(d.words[1]->key, "\273");
  EXPECT_EQ(d.words[1]->records.size(), 1u);
  EXPECT_EQ(d.words[1]->exclusions.size(), 1u);

  CSlowa empty(std::span<const WordTableRow>{});
  EXPECT_TRUE(empty.words.empty());
  EXPECT_EQ(empty.CountWords(CSlowa::Everything), 0);
  std::vector<CSlowa::CPaczkaEx*> out, pool;
  empty.DrawWords(out, 3, pool);  // nothing to draw from: nothing drawn
  EXPECT_TRUE(out.empty());
}

TEST(SlowaBuild, BuiltInTable) {
  CSlowa d;
  EXPECT_EQ(d.records.size(), 930u);
  EXPECT_EQ(d.exclusions.size(), 300u);
  ASSERT_EQ(d.words.size(), 570u);
  std::size_t primary = 0, exclusion = 0;
  std::set<const CSlowa::SPaczka*> seen;
  for (std::size_t i = 0; i < d.words.size(); ++i) {
    const CSlowa::CPaczkaEx* w = d.words[i];
    if (i > 0) {
      EXPECT_LT(d.words[i - 1]->key, w->key);
    }
    EXPECT_FALSE(w->records.empty()) << w->key;
    primary += w->records.size();
    exclusion += w->exclusions.size();
    std::uint32_t phonemes = 0, excluded = 0;
    for (const CSlowa::SPaczka* r : w->records) {
      EXPECT_EQ(r->primary, 1);
      EXPECT_EQ(r->word, w);
      phonemes |= r->flags & CSlowa::AllPhonemes;
      seen.insert(r);
    }
    for (const CSlowa::SPaczka* r : w->exclusions) {
      EXPECT_EQ(r->primary, 0);
      EXPECT_EQ(r->word, w);
      excluded |= r->flags & CSlowa::AllPhonemes;
      seen.insert(r);
    }
    EXPECT_EQ(w->phonemes, phonemes);
    EXPECT_EQ(w->exclusionPhonemes, excluded);
  }
  EXPECT_EQ(primary, 930u);
  EXPECT_EQ(exclusion, 300u);
  EXPECT_EQ(seen.size(), 1230u);  // every record belongs to exactly one word
  for (const CSlowa::SPaczka& r : d.records) EXPECT_EQ(r.word->key, r.key);
  for (const CSlowa::SPaczka& r : d.exclusions) EXPECT_EQ(r.word->key, r.key);

  // The first records of the table and of its words.
  EXPECT_EQ(d.words.front()->key, "afrykanin");
  EXPECT_EQ(d.words.back()->key, "zygzak");
  for (const CSlowa::CPaczkaEx* w : d.words)
    if (w->key == "re^kawiczka") {
      EXPECT_EQ(w->exclusions.size(), 3u);
      EXPECT_EQ(w->exclusionPhonemes, 0x10004u);
    }
}

TEST(SlowaLookup, FindRecordByPhoneme) {
  CSlowa d;
  auto word = [&](const std::string& key) -> const CSlowa::CPaczkaEx* {
    for (const CSlowa::CPaczkaEx* w : d.words)
      if (w->key == key) return w;
    return nullptr;
  };
  const CSlowa::CPaczkaEx* kaszka = word("kaszka");
  ASSERT_NE(kaszka, nullptr);
  // Two records spell "K": the first in the word's order comes back.
  const CSlowa::SPaczka* k = FindRecordByPhoneme(kaszka, "K");
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k, kaszka->records[0]);
  EXPECT_EQ(FindRecordByPhoneme(kaszka, "k"), nullptr);  // case matters
  EXPECT_EQ(FindRecordByPhoneme(kaszka, "SZ")->flags & CSlowa::AllPhonemes, 0x1u);

  EXPECT_NE(FindRecordByPhoneme(word("budzik"), "DZI"), nullptr);
  EXPECT_EQ(FindRecordByPhoneme(word("budzik"), "D\217"), nullptr);
  // Only primary records are searched: "za^b" has its B rows as exclusions.
  EXPECT_EQ(FindRecordByPhoneme(word("za^b"), "B"), nullptr);
  EXPECT_NE(FindRecordByPhoneme(word("za^b"), "Z"), nullptr);
  EXPECT_EQ(FindRecordByPhoneme(nullptr, "K"), nullptr);
}

TEST(SlowaLookup, SoundPaths) {
  CSlowa d;
  const CSlowa::CPaczkaEx* w = d.words[0];
  EXPECT_EQ(WordSoundPath(w), "Data\\Smd\\afrykanin.pw");
  EXPECT_EQ(SoundPathOfWord(w->records[0]), "Data\\Smd\\afrykanin.pw");
  EXPECT_EQ(SoundPathOfWord(&d.exclusions.back()), "Data\\Smd\\z^yto.pw");
}

}  // namespace
