#include "shell/_gloskifn.h"

#include <cstdio>

#include "dictionary/Phonemes.h"
#include "dictionary/_cslowa.h"
#include "platform/Mmsystem.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "platform/WinApi.h"
#include "toolkit/Universalfn.h"

namespace {

// The partner of each phoneme bit: the neighbouring bit for SZ-Ż, CZ-DŻ,
// S-Z, C-DZ, Ś-Ź, Ć-DŹ and T-D; two bits away for P-B, PI-BI, K-G, KI-GI,
// F-W and FI-WI.
int PartnerIndex(int i) {
  if (i < 12 || i >= 24) return (i % 2 == 0) ? i + 1 : i - 1;
  int inGroup = (i - 12) % 4;
  return inGroup < 2 ? i + 2 : i - 2;
}

}  // namespace

std::int32_t OppositeMask(std::int32_t mask) {
  std::int32_t out = 0;
  for (int i = 0; i < 26; ++i)
    if (mask & std::int32_t(1u << i)) out |= std::int32_t(1u << PartnerIndex(i));
  return out;
}

int SplitPhonemeBits(std::int32_t mask, std::int32_t* out) {
  int n = 0;
  for (int i = 0; i < 26; ++i)
    if (mask & std::int32_t(1u << i)) out[n++] = std::int32_t(1u << i);
  return n;
}

std::string PhonemeNameWithSeparator(std::int32_t phonemeBit, const std::string& separator) {
  int i = PhonemeIndex(phonemeBit);
  return i < 0 ? std::string() : PhonemeForms(i, separator);
}

void PhonemeNames(std::string& out, std::int32_t mask, const std::string& listSeparator,
                  const std::string& formSeparator) {
  out.clear();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & std::int32_t(1u << i))) continue;
    if (!out.empty()) out += listSeparator;
    out += PhonemeNameWithSeparator(std::int32_t(1u << i), formSeparator);
  }
}

void OppositePhonemeText(std::string& a, std::string& b) {
  a = PolishUpperCase(a);
  auto swap = [&](const char* const pairs[][2], int n) {
    for (int k = 0; k < n; ++k) {
      if (a == pairs[k][0]) {
        a = pairs[k][1];
        return;
      }
      if (a == pairs[k][1]) {
        a = pairs[k][0];
        return;
      }
    }
  };
  if (!b.empty()) {
    b = PolishUpperCase(b);
    if (b != "I") return;
    static const char* const withI[][2] = {{"S", "Z"}, {"C", "DZ"}, {"P", "B"}, {"K", "G"}, {"F", "W"}};
    swap(withI, 5);
    return;
  }
  if (a == "SZ") {
    a = "RZ";
    return;
  }
  if (a == "\257" || a == "RZ") {
    a = "SZ";
    return;
  }
  static const char* const pairs[][2] = {
      {"CZ", "D\257"}, {"S", "Z"},   {"C", "DZ"},   {"\214", "\217"}, {"SI", "ZI"}, {"\306", "D\217"}, {"CI", "DZI"},
      {"P", "B"},      {"PI", "BI"}, {"K", "G"},    {"KI", "GI"},     {"F", "W"},   {"FI", "WI"},       {"T", "D"}};
  swap(pairs, 14);
}

std::string PhonemeSoundName(std::int32_t phonemeBit) {
  int i = PhonemeIndex(phonemeBit);
  return i < 0 ? std::string() : PhonemeTable[i].fileName;
}

bool PlaySoundFile(const std::string& path, bool wait) {
  if (!FileExists(path)) return false;
  sndPlaySound(path, (wait ? SND_SYNC : SND_ASYNC) | SND_NODEFAULT);
  return true;
}

bool PlayWordSound(const std::string& key, bool wait) { return PlaySoundFile(WordSoundPath(key), wait); }

bool PlayPhonemeSound(std::int32_t phonemeBit, bool wait) {
  std::string name = PhonemeSoundName(phonemeBit);
  if (name.empty()) return false;
  return PlaySoundFile("Data\\Smdgl\\" + name + ".pw", wait);
}

bool PlayFeedbackSound(std::int16_t kind, bool wait, bool pause) {
  int n;
  const char* prefix;
  switch (kind) {
    case 1: prefix = "g"; n = Random31() % 40; break;
    case 2: prefix = "g"; n = Random31() % 47; break;
    case 3: prefix = "b"; n = Random31() % 40; break;
    default: return false;
  }
  char nn[8];
  std::snprintf(nn, sizeof nn, "%02d", n);
  bool existed = PlaySoundFile(std::string("Data\\Intf\\Smd\\") + prefix + nn + ".pw", wait);
  if (existed && wait && pause) Sleep(400);
  return existed;
}
