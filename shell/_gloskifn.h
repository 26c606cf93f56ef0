// Phoneme names and partners, and the program's sounds.
#pragma once
#include <cstdint>
#include <string>

// Every phoneme bit replaced by its voiced/voiceless partner; positions dropped.
std::int32_t OppositeMask(std::int32_t mask);
// The set phoneme bits (0-25) in ascending order; returns their number.
int SplitPhonemeBits(std::int32_t mask, std::int32_t* out);
// The upper-case names of the set phoneme bits joined by listSeparator; a
// sound with two written forms gives both joined by formSeparator ("Ż/RZ").
void PhonemeNames(std::string& out, std::int32_t mask, const std::string& listSeparator,
                  const std::string& formSeparator);
std::string PhonemeNameWithSeparator(std::int32_t phonemeBit, const std::string& separator);
// a becomes upper case and, as b says, the text of its partner sound.
void OppositePhonemeText(std::string& a, std::string& b);

// The file name of a phoneme's recording (letter-tile style: "sz", "zz", ...).
std::string PhonemeSoundName(std::int32_t phonemeBit);

// Plays a RIFF WAVE file, synchronously when wait is set; false (and
// silence) when the file does not exist.
bool PlaySoundFile(const std::string& path, bool wait);
bool PlayWordSound(const std::string& key, bool wait);
bool PlayPhonemeSound(std::int32_t phonemeBit, bool wait);
// Praise (kinds 1 and 2) or a gentle "try again" (kind 3), picked at random;
// with wait and pause a 400 ms rest follows when the file existed.
bool PlayFeedbackSound(std::int16_t kind, bool wait, bool pause);
