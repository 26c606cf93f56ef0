#include "dictionary/_cslowa.h"

#include <algorithm>

#include "platform/Random.h"
#include "toolkit/Universalfn.h"

CSlowa* Dictionary = nullptr;

namespace {

// Derives the mark texts of a record from its segments: the marked pieces
// are the ones that follow a "_", each up to the next "," (or the end).
void DeriveMarks(CSlowa::SPaczka& r) {
  std::string acc;
  int n = 0;
  std::size_t from = 0;
  const std::string& s = r.segments;
  for (std::size_t at; (at = s.find('_', from)) != std::string::npos;) {
    ++n;
    std::size_t end = s.find(',', at + 1);
    std::string seg = s.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
    acc += seg;
    if (n == 1) r.firstMark = PolishUpperCase(seg);
    else if (n == 2) r.secondMark = PolishUpperCase(seg);
    from = at + 1;
  }
  r.phonemeText = PolishUpperCase(acc);
}

template <class T, class WordOf>
T* FreeItem(const std::vector<T*>& pool, std::size_t start, WordOf wordOf) {
  const std::size_t size = pool.size();
  if (!(wordOf(pool[start])->flags & CSlowa::UsedMark)) return pool[start];
  for (std::size_t step = 0; step < size; ++step) {
    T* item = pool[(size / 2 + start + step) % size];
    if (!(wordOf(item)->flags & CSlowa::UsedMark)) return item;
  }
  return nullptr;
}

// One draw with the used-mark cycle shared by words and records.
template <class T, class WordOf>
void Draw(std::vector<T*>& out, int n, const std::vector<T*>& pool, WordOf wordOf) {
  if (pool.empty()) return;
  const std::size_t size = pool.size();
  for (int k = 0; k < n; ++k) {
    const std::size_t start = std::size_t(Random31()) % size;
    T* item = FreeItem(pool, start, wordOf);
    if (!item) {
      // The pool is used up: a new cycle, keeping what this list already holds.
      for (T* p : pool) wordOf(p)->flags &= ~CSlowa::UsedMark;
      for (T* o : out) wordOf(o)->flags |= CSlowa::UsedMark;
      item = FreeItem(pool, start, wordOf);
      if (!item) {
        // The list already holds every word of the pool: a repeat.
        for (T* p : pool) wordOf(p)->flags &= ~CSlowa::UsedMark;
        item = pool[start];
      }
    }
    wordOf(item)->flags |= CSlowa::UsedMark;
    out.push_back(item);
  }
}

}  // namespace

CSlowa::CSlowa() : CSlowa(std::span<const WordTableRow>(WordTable, WordTableSize)) {}

CSlowa::CSlowa(std::span<const WordTableRow> rows) {
  try {
    Build(rows);
  } catch (...) {
    FreeWords();
    throw;
  }
}

CSlowa::~CSlowa() { FreeWords(); }

void CSlowa::FreeWords() {
  for (CPaczkaEx* w : words) delete w;
  words.clear();
}

void CSlowa::Build(std::span<const WordTableRow> rows) {
  std::size_t primaryCount = 0;
  for (const WordTableRow& row : rows) primaryCount += row.primary ? 1 : 0;
  // Reserved exactly: the records never move, so references to them stay valid.
  records.reserve(primaryCount);
  exclusions.reserve(rows.size() - primaryCount);
  for (const WordTableRow& row : rows) {
    SPaczka r;
    r.key = row.key;
    r.flags = row.flags;
    r.segments = row.segments;
    r.primary = row.primary;
    (row.primary ? records : exclusions).push_back(std::move(r));
  }

  std::vector<SPaczka*> sorted;
  sorted.reserve(rows.size());
  for (SPaczka& r : records) {
    DeriveMarks(r);
    sorted.push_back(&r);
  }
  for (SPaczka& r : exclusions) {
    DeriveMarks(r);
    sorted.push_back(&r);
  }
  // Byte order of the keys ("^" before every letter); a word's records keep table order.
  std::stable_sort(sorted.begin(), sorted.end(), [](const SPaczka* a, const SPaczka* b) { return a->key < b->key; });

  CPaczkaEx* w = nullptr;
  for (SPaczka* p : sorted) {
    if (!w || p->key != w->key) {
      words.push_back(nullptr);
      w = new CPaczkaEx;
      words.back() = w;
      w->key = p->key;
    }
    if (p->primary) {
      w->records.push_back(p);
      w->phonemes |= p->flags & AllPhonemes;
    } else {
      w->exclusions.push_back(p);
      w->exclusionPhonemes |= p->flags & AllPhonemes;
    }
    p->word = w;
  }
}

namespace {
bool HasMatch(const CSlowa::CPaczkaEx* w, PhonemeMask mask) {
  for (const CSlowa::SPaczka* r : w->records)
    if (CSlowa::Matches(r->flags, mask)) return true;
  return false;
}
}  // namespace

int CSlowa::CountWords(PhonemeMask mask) const {
  int count = 0;
  for (const CPaczkaEx* w : words) count += HasMatch(w, mask) ? 1 : 0;
  return count;
}

void CSlowa::SelectWords(std::vector<CPaczkaEx*>& out, PhonemeMask mask) const {
  for (CPaczkaEx* w : words)
    if (HasMatch(w, mask)) out.push_back(w);
}

void CSlowa::SelectWordsExcluding(std::vector<CPaczkaEx*>& out, PhonemeMask mask, PhonemeMask excluded) const {
  for (CPaczkaEx* w : words)
    if (!(w->exclusionPhonemes & excluded) && HasMatch(w, mask)) out.push_back(w);
}

void CSlowa::SelectWordsWithoutExcluding(std::vector<CPaczkaEx*>& out, PhonemeMask mask, PhonemeMask excluded) const {
  for (CPaczkaEx* w : words)
    if ((excluded == 0 || !(w->exclusionPhonemes & excluded)) && !HasMatch(w, mask)) out.push_back(w);
}

void CSlowa::SelectRecords(std::vector<SPaczka*>& out, PhonemeMask mask) const {
  for (const CPaczkaEx* w : words)
    for (SPaczka* r : w->records)
      if (Matches(r->flags, mask)) out.push_back(r);
}

void CSlowa::SelectRecordsExcluding(std::vector<SPaczka*>& out, PhonemeMask mask, PhonemeMask excluded) const {
  for (const CPaczkaEx* w : words) {
    if (w->exclusionPhonemes & excluded) continue;
    for (SPaczka* r : w->records)
      if (Matches(r->flags, mask)) out.push_back(r);
  }
}

int CSlowa::UsablePhonemes(std::vector<int>& out, PhonemeMask mask, std::vector<int>* counts, int minimum) const {
  out.clear();
  if (counts) counts->clear();
  int sum = 0;
  for (int bit = 0; bit < 26; ++bit) {
    const PhonemeMask phoneme = PhonemeMask(1) << bit;
    if (!(mask & phoneme)) continue;
    const int n = CountWords(phoneme | (mask & AllPositions));
    if (n < minimum) continue;
    out.push_back(int(phoneme));
    if (counts) counts->push_back(n);
    sum += n;
  }
  return sum;
}

void CSlowa::DrawWords(std::vector<CPaczkaEx*>& out, int n, std::vector<CPaczkaEx*>& pool) {
  if (pool.empty()) SelectWords(pool, Everything);
  Draw(out, n, pool, [](CPaczkaEx* w) { return w; });
}

void CSlowa::DrawRecords(std::vector<SPaczka*>& out, int n, std::vector<SPaczka*>& pool) {
  if (pool.empty()) SelectRecords(pool, Everything);
  Draw(out, n, pool, [](SPaczka* r) { return r->word; });
}

CSlowa::SPaczka* FindRecordByPhoneme(const CSlowa::CPaczkaEx* word, const std::string& text) {
  if (!word) return nullptr;
  for (CSlowa::SPaczka* r : word->records)
    if (r->phonemeText == text) return r;
  return nullptr;
}

std::string WordSoundPath(const std::string& key) { return "Data\\Smd\\" + key + ".pw"; }

std::string WordSoundPath(const CSlowa::CPaczkaEx* word) { return WordSoundPath(word->key); }

std::string SoundPathOfWord(const CSlowa::SPaczka* record) { return WordSoundPath(record->key); }
