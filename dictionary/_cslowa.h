// The word dictionary: the built-in words, each listed once per phoneme and
// word position of interest (a record), grouped into words; selections by
// phoneme mask and random draws without repetition.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "dictionary/Slowa_tab.h"

// Bits 0-25 phonemes (SZ 0x1 ... D 0x2000000), bits 28-30 word positions
// (0x10000000 initial, 0x20000000 medial, 0x40000000 final).
using PhonemeMask = std::uint32_t;

class CSlowa {
 public:
  class CPaczkaEx;

  // One record: a word tagged with one phoneme at one position.
  struct SPaczka {
    CPaczkaEx* word = nullptr;  // the word the record belongs to (not owned)
    std::string key;            // WordKey
    PhonemeMask flags = 0;      // one phoneme bit and one position bit
    std::string segments;       // code page 1250, "b,u,_dz,_i,k,"
    std::uint8_t primary = 0;   // 1 primary, 0 exclusion
    std::string phonemeText;    // upper case of the marked pieces together ("DZI")
    std::string firstMark;      // upper case of the first marked piece ("DZ")
    std::string secondMark;     // of the second one ("I"), "" with one mark
  };

  // One word with its records.
  class CPaczkaEx {
   public:
    std::uint32_t flags = 0;              // bit 0: used in the current draw cycle
    std::string key;                      // WordKey
    std::vector<SPaczka*> records;        // primary records, never empty
    PhonemeMask phonemes = 0;             // their phoneme bits
    std::vector<SPaczka*> exclusions;     // exclusion records, may be empty
    PhonemeMask exclusionPhonemes = 0;    // their phoneme bits
  };

  static constexpr PhonemeMask AllPhonemes = 0x3FFFFFF;
  static constexpr PhonemeMask AllPositions = 0x70000000;
  static constexpr PhonemeMask Everything = 0x73FFFFFF;
  static constexpr std::uint32_t UsedMark = 1;

  // Builds the dictionary from the built-in table.
  CSlowa();
  // Builds it from other rows (primary and exclusion rows in any mix).
  explicit CSlowa(std::span<const WordTableRow> rows);
  ~CSlowa();
  CSlowa(const CSlowa&) = delete;
  CSlowa& operator=(const CSlowa&) = delete;

  // A record's flags match a mask when they share a phoneme bit and a position bit.
  static bool Matches(PhonemeMask flags, PhonemeMask mask) {
    return (flags & mask & AllPhonemes) != 0 && (flags & mask & AllPositions) != 0;
  }

  // Selections. None empties its output first; words come in key order and
  // each word's records in their order.

  // The number of words with a matching primary record.
  int CountWords(PhonemeMask mask) const;
  // Appends every word with a matching primary record.
  void SelectWords(std::vector<CPaczkaEx*>& out, PhonemeMask mask) const;
  // The same, leaving out words whose exclusion records name a phoneme of excluded.
  void SelectWordsExcluding(std::vector<CPaczkaEx*>& out, PhonemeMask mask, PhonemeMask excluded) const;
  // Appends every word without a matching primary record; when excluded is not
  // 0, only those whose exclusion records name no phoneme of excluded.
  void SelectWordsWithoutExcluding(std::vector<CPaczkaEx*>& out, PhonemeMask mask, PhonemeMask excluded) const;
  // Appends every matching primary record.
  void SelectRecords(std::vector<SPaczka*>& out, PhonemeMask mask) const;
  // The same, skipping words whose exclusion records name a phoneme of excluded.
  void SelectRecordsExcluding(std::vector<SPaczka*>& out, PhonemeMask mask, PhonemeMask excluded) const;
  // Empties out (and counts); for each phoneme bit of mask, ascending, counts
  // the words with a primary record of it at one of mask's positions and
  // appends the bit (and its count) when the count is at least minimum.
  // Returns the sum of the appended counts.
  int UsablePhonemes(std::vector<int>& out, PhonemeMask mask, std::vector<int>* counts, int minimum) const;

  // Random draws without repetition: each appends n items of the pool to out
  // and marks their words used. A word is drawn again only once every word of
  // its pool has been used; then the pool's marks are cleared (the words
  // already in out stay marked) and a new cycle begins. The marks persist
  // from call to call. An empty pool is first filled with every word (every
  // primary record).
  void DrawWords(std::vector<CPaczkaEx*>& out, int n, std::vector<CPaczkaEx*>& pool);
  void DrawRecords(std::vector<SPaczka*>& out, int n, std::vector<SPaczka*>& pool);

  std::vector<SPaczka> records;     // the primary records, in table order
  std::vector<SPaczka> exclusions;  // the exclusion records, in table order
  std::vector<CPaczkaEx*> words;    // owned, ascending by key (byte order)

 private:
  void Build(std::span<const WordTableRow> rows);
  void FreeWords();
};

// The one long-lived dictionary of the program (created by start-up).
extern CSlowa* Dictionary;

// The first primary record of the word whose phonemeText equals text exactly,
// or null.
CSlowa::SPaczka* FindRecordByPhoneme(const CSlowa::CPaczkaEx* word, const std::string& text);

// "Data\Smd\" + key + ".pw": the recording of a word (the one place the
// path is made; toolkit/Cbitmapy.h's WordPicturePath makes the picture's).
std::string WordSoundPath(const std::string& key);
std::string WordSoundPath(const CSlowa::CPaczkaEx* word);
std::string SoundPathOfWord(const CSlowa::SPaczka* record);
