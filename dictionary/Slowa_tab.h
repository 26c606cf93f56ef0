// The built-in word table of the dictionary (its rows are generated into
// Slowa_tab.cpp by tools/wordtable).
#pragma once
#include <cstdint>

// One row: a word tagged with one phoneme at one position.
struct WordTableRow {
  std::uint8_t primary;  // 1 primary, 0 exclusion
  const char* key;       // WordKey
  const char* segments;  // code page 1250, each piece followed by ",", marked pieces with "_"
  std::uint32_t flags;   // one phoneme bit and one position bit
};

constexpr int WordTableSize = 1230;
constexpr int WordTablePrimaryRows = 930;

// The primary rows first, then the exclusion rows.
extern const WordTableRow WordTable[WordTableSize];
