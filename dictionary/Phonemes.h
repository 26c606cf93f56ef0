// The 26 phonemes of a phoneme mask, by bit (0x1 SZ ... 0x2000000 D): how
// they are written and the name their files go by. The one table the program
// and the data generator both take these from (all in this header, so either
// can use it).
#pragma once
#include <cstdint>
#include <string>

struct PhonemeInfo {
  const char* name;      // the upper-case written form, code page 1250 ("\257" Ż)
  const char* second;    // the other written form ("RZ"), or null
  const char* fileName;  // letter-tile style: the recording "Data\Smdgl\<fileName>.pw"
};

constexpr int PhonemeCount = 26;
inline constexpr PhonemeInfo PhonemeTable[PhonemeCount] = {
    {"SZ", nullptr, "sz"},  {"\257", "RZ", "zz"},  {"CZ", nullptr, "cz"}, {"D\257", nullptr, "dzz"},
    {"S", nullptr, "s"},    {"Z", nullptr, "z"},   {"C", nullptr, "c"},   {"DZ", nullptr, "dz"},
    {"\214", "SI", "ss"},   {"\217", "ZI", "zzz"}, {"\306", "CI", "cc"},  {"D\217", "DZI", "dzzz"},
    {"P", nullptr, "p"},    {"PI", nullptr, "pi"}, {"B", nullptr, "b"},   {"BI", nullptr, "bi"},
    {"K", nullptr, "k"},    {"KI", nullptr, "ki"}, {"G", nullptr, "g"},   {"GI", nullptr, "gi"},
    {"F", nullptr, "f"},    {"FI", nullptr, "fi"}, {"W", nullptr, "w"},   {"WI", nullptr, "wi"},
    {"T", nullptr, "t"},    {"D", nullptr, "d"},
};

// The index (0-25) of a single phoneme bit; -1 for anything else.
inline int PhonemeIndex(std::int32_t bit) {
  for (int i = 0; i < PhonemeCount; ++i)
    if (bit == std::int32_t(1u << i)) return i;
  return -1;
}

// Both written forms joined by separator ("\257/RZ"), or the one form.
inline std::string PhonemeForms(int index, const std::string& separator) {
  const PhonemeInfo& p = PhonemeTable[index];
  return p.second ? p.name + separator + p.second : std::string(p.name);
}

// The name of the phoneme's toggle in the resource library, after its
// "s_"/"b_" prefix: the file name in upper case ("dzzz" -> "DZZZ").
inline std::string PhonemeToggleName(int index) {
  std::string s = PhonemeTable[index].fileName;
  for (char& c : s) c = char(c - 'a' + 'A');
  return s;
}
