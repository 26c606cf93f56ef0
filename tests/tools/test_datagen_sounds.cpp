#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/Mmsystem.h"
#include "platform/SysUtils.h"
#include "support/TempDir.h"
#include "tools/datagen/Keys.h"
#include "tools/datagen/Sounds.h"

namespace {

using namespace datagen::sounds;

Samples Tone(double hz, double seconds, double amp) {
  Samples s(std::size_t(seconds * kRate));
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = float(amp * std::sin(2 * M_PI * hz * double(i) / kRate));
  return s;
}

Samples Noise(double seconds, double amp, unsigned seed = 1) {
  Samples s(std::size_t(seconds * kRate));
  for (float& x : s) {
    seed = seed * 1103515245u + 12345u;
    x = float(amp * (double((seed >> 8) & 0xFFFF) / 32768.0 - 1.0));
  }
  return s;
}

double Rms(const Samples& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
  to = std::min(to, s.size());
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
  return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

double Db(double x) { return 20 * std::log10(x); }

// A finished-looking sound: a tone with soft ends.
std::vector<std::uint8_t> GoodWave(double seconds) {
  Samples s = Tone(440, seconds, 0.5);
  FadeEnds(s, 5, 5);
  return EncodeWave(s);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}

// ---- names and lists ----

TEST(DatagenSoundsText, EveryDictionaryWordIsSpelledInPolishLetters) {
  CSlowa dictionary;
  ASSERT_EQ(dictionary.words.size(), 570u);
  for (const CSlowa::CPaczkaEx* w : dictionary.words) {
    std::string s = datagen::SpellingOfKey(w->key);
    EXPECT_FALSE(s.empty()) << w->key;
    EXPECT_EQ(s.find('^'), std::string::npos) << w->key;
    std::string cp = Utf8ToCp1250(s);
    EXPECT_EQ(cp.find('?'), std::string::npos) << w->key;
    EXPECT_EQ(Cp1250ToUtf8(cp), s) << w->key;
  }
}

TEST(DatagenSoundsText, PhraseListsAreNumberedAndDistinct) {
  auto phrases = ParsePhrases("# heading\n\ng00 Brawo!\n  g01   Bardzo dobrze! \n", 'g', 2);
  ASSERT_EQ(phrases.size(), 2u);
  EXPECT_EQ(phrases[1].name, "g01");
  EXPECT_EQ(phrases[1].text, "Bardzo dobrze!");

  EXPECT_THROW(ParsePhrases("g00 Brawo!\ng02 Super!\n", 'g', 2), std::runtime_error);  // a gap
  EXPECT_THROW(ParsePhrases("g00 Brawo!\n", 'g', 2), std::runtime_error);               // too few
  EXPECT_THROW(ParsePhrases("g00 Brawo!\ng01 Super!\n", 'g', 1), std::runtime_error);   // too many
  EXPECT_THROW(ParsePhrases("b00 Brawo!\n", 'g', 1), std::runtime_error);               // the other list's letter
  EXPECT_THROW(ParsePhrases("g00\n", 'g', 1), std::runtime_error);                      // no text
  EXPECT_THROW(ParsePhrases("g00 -s 500\n", 'g', 1), std::runtime_error);               // read as an option
  EXPECT_THROW(ParsePhrases("g00 [[pa]]\n", 'g', 1), std::runtime_error);               // read as phonemes
  // The same words with other capitals or punctuation are the same phrase.
  EXPECT_THROW(ParsePhrases("g00 Brawo!\ng01 brawo.\n", 'g', 2), std::runtime_error);
  EXPECT_THROW(ParsePhrases("g00 Tak, jest!\ng01 Tak jest\n", 'g', 2), std::runtime_error);
}

TEST(DatagenSoundsText, CommittedListsHaveEveryName) {
  auto praise = ParsePhrases(ReadDataFile("praise.txt"), 'g', 47);
  auto tryAgain = ParsePhrases(ReadDataFile("tryagain.txt"), 'b', 40);
  std::set<std::string> praiseTexts;
  for (const Phrase& p : praise) praiseTexts.insert(p.text);
  for (const Phrase& p : tryAgain) EXPECT_FALSE(praiseTexts.count(p.text)) << p.text;
  auto isolated = ParseIsolatedSounds(ReadDataFile("isolated.txt"));
  ASSERT_EQ(isolated.size(), 26u);
  for (std::size_t i = 0; i < isolated.size(); ++i) EXPECT_EQ(isolated[i].name, IsolatedSoundNames()[i]);
}

TEST(DatagenSoundsText, IsolatedSoundTableNeedsEverySoundOnce) {
  std::string all;
  for (const std::string& n : IsolatedSoundNames()) all += n + " release [[p@]]\n";
  auto table = ParseIsolatedSounds("# comment\n" + all);
  EXPECT_EQ(table.size(), 26u);
  EXPECT_EQ(table[0].treatment, Treatment::Release);

  EXPECT_THROW(ParseIsolatedSounds(all + "sz hold [[S]]\n"), std::runtime_error);     // twice
  EXPECT_THROW(ParseIsolatedSounds(all + "rz hold [[Z]]\n"), std::runtime_error);     // not one of ours
  std::string noD = all.substr(0, all.rfind("d release"));
  EXPECT_THROW(ParseIsolatedSounds(noD), std::runtime_error);                          // one missing
  std::string bad = all;
  bad.replace(bad.find("sz release"), 10, "sz shout  ");
  EXPECT_THROW(ParseIsolatedSounds(bad), std::runtime_error);                          // no such treatment
  bad = all;
  bad.replace(bad.find("sz release [[p@]]"), 17, "sz release szsz  ");
  EXPECT_THROW(ParseIsolatedSounds(bad), std::runtime_error);                          // not phonemes
  bad = all;
  bad.replace(bad.find("sz release [[p@]]"), 17, "sz release [[p@]] x");
  EXPECT_THROW(ParseIsolatedSounds(bad), std::runtime_error);                          // a stray word
}

TEST(DatagenSoundsText, ExpectedFilesNameEveryRecording) {
  CSlowa dictionary;
  auto files = ExpectedFiles(dictionary);
  ASSERT_EQ(files.size(), 570u + 26 + 47 + 40 + 1);
  std::set<std::string> paths;
  for (const SoundFile& f : files) EXPECT_TRUE(paths.insert(f.path).second) << f.path;
  EXPECT_TRUE(paths.count("Data\\Smd\\cie^z^aro^wka.pw"));
  EXPECT_TRUE(paths.count("Data\\Smdgl\\dzzz.pw"));
  EXPECT_TRUE(paths.count("Data\\Intf\\Smd\\g46.pw"));
  EXPECT_TRUE(paths.count("Data\\Intf\\Smd\\b39.pw"));
  EXPECT_TRUE(paths.count("Data\\Intf\\Smd\\music.wav"));
  EXPECT_FALSE(paths.count("Data\\Intf\\Smd\\g47.pw"));
  EXPECT_FALSE(paths.count("Data\\Intf\\Smd\\b40.pw"));
  for (const SoundFile& f : files) {
    if (f.kind == Kind::Word) {
      EXPECT_LE(f.maxMs, 1200);
    } else if (f.kind == Kind::Praise) {
      EXPECT_LE(f.maxMs, 1500);
    } else if (f.kind == Kind::Music) {
      EXPECT_EQ(f.minMs, 20000);
      EXPECT_EQ(f.maxMs, 40000);
    }
  }
}

// ---- RIFF WAVE ----

TEST(DatagenSoundsWave, WrittenWavesReadBackAndThePlayerAgrees) {
  Samples s = {0.f, 0.5f, -0.5f, 1.f, -1.f, 2.f, -2.f};
  auto bytes = EncodeWave(s);
  ASSERT_EQ(bytes.size(), 44u + 2 * s.size());
  WaveInfo info = ParseWave(bytes);
  EXPECT_EQ(info.error, "");
  EXPECT_EQ(info.format, 1);
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.rate, 22050);
  EXPECT_EQ(info.bits, 16);
  EXPECT_EQ(info.blockAlign, 2);
  EXPECT_EQ(info.byteRate, 44100);
  Samples back = DecodeWave(bytes);
  ASSERT_EQ(back.size(), s.size());
  for (std::size_t i = 0; i < s.size(); ++i) EXPECT_NEAR(back[i], std::clamp(s[i], -1.f, 1.f), 1.0 / 32767) << i;

  auto second = EncodeWave(Tone(440, 1.0, 0.5));
  EXPECT_TRUE(IsRiffWave(second));
  EXPECT_EQ(WaveDurationMs(second), 1000);
}

TEST(DatagenSoundsWave, StreamedHeaderIsCutToTheFile) {
  // A writer that cannot seek back leaves huge sizes in the header.
  auto bytes = EncodeWave(Tone(440, 0.1, 0.5));
  Put32(bytes, 4, 0x7FFFF024);
  Put32(bytes, 40, 0x7FFFF000);
  EXPECT_EQ(DecodeWave(bytes).size(), std::size_t(0.1 * kRate));
  // ...which is never acceptable in a finished file.
  EXPECT_NE(WaveProblem(bytes, 0, 1000), "");
}

TEST(DatagenSoundsWave, OtherFormatsAreRefused) {
  auto good = GoodWave(0.5);
  EXPECT_EQ(WaveProblem(good, 100, 1000), "");

  auto changed = [&](std::size_t at, int value, int size) {
    auto b = good;
    for (int i = 0; i < size; ++i) b[at + i] = std::uint8_t(value >> (8 * i));
    return b;
  };
  auto stereo = changed(22, 2, 2);
  EXPECT_NE(WaveProblem(stereo, 100, 1000).find("mono"), std::string::npos);
  EXPECT_THROW(DecodeWave(stereo), std::runtime_error);
  auto rate = changed(24, 44100, 4);
  EXPECT_NE(WaveProblem(rate, 100, 1000).find("22050"), std::string::npos);
  EXPECT_THROW(DecodeWave(rate), std::runtime_error);
  auto eightBit = changed(34, 8, 2);
  EXPECT_NE(WaveProblem(eightBit, 100, 1000).find("16-bit"), std::string::npos);
  auto compressed = changed(20, 3, 2);
  EXPECT_NE(WaveProblem(compressed, 100, 1000).find("PCM"), std::string::npos);
  EXPECT_NE(WaveProblem(changed(28, 22050, 4), 100, 1000), "");  // byte rate of 8-bit sound

  auto truncated = good;
  truncated.resize(good.size() - 10);
  EXPECT_NE(WaveProblem(truncated, 100, 1000).find("size"), std::string::npos);
  auto padded = good;
  padded.push_back(0);
  EXPECT_NE(WaveProblem(padded, 100, 1000), "");

  std::vector<std::uint8_t> notWave(good.begin(), good.begin() + 36);  // no data chunk
  EXPECT_NE(WaveProblem(notWave, 100, 1000), "");
  EXPECT_THROW(DecodeWave(notWave), std::runtime_error);
  EXPECT_NE(WaveProblem({'R', 'I', 'F', 'F'}, 0, 1000), "");
  std::vector<std::uint8_t> shortFormat = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0};
  EXPECT_NE(WaveProblem(shortFormat, 0, 1000), "");
}

TEST(DatagenSoundsWave, LengthSilenceAndClicksAreFound) {
  EXPECT_NE(WaveProblem(GoodWave(0.5), 600, 1000).find("ms long"), std::string::npos);
  EXPECT_NE(WaveProblem(GoodWave(0.5), 100, 400).find("ms long"), std::string::npos);
  EXPECT_EQ(WaveProblem(GoodWave(0.5), 500, 500), "");

  Samples quiet = Tone(440, 0.5, 0.05);
  FadeEnds(quiet, 5, 5);
  EXPECT_NE(WaveProblem(EncodeWave(quiet), 100, 1000).find("silent"), std::string::npos);
  EXPECT_NE(WaveProblem(EncodeWave(Samples(11025, 0.f)), 100, 1000).find("silent"), std::string::npos);
  EXPECT_NE(WaveProblem(EncodeWave({}), 0, 1000), "");

  Samples cut = Tone(440, 0.5, 0.5);
  FadeEnds(cut, 5, 0);
  cut.back() = 0.4f;  // stops mid-swing
  EXPECT_NE(WaveProblem(EncodeWave(cut), 100, 1000).find("click"), std::string::npos);
}

// ---- shaping ----

TEST(DatagenSoundsShape, TrimKeepsMarginsAroundTheSound) {
  Samples s(kRate, 0.f);  // 1 s: silence, 200 ms of tone from 300 ms, silence
  Samples tone = Tone(300, 0.2, 0.5);
  std::copy(tone.begin(), tone.end(), s.begin() + kRate * 3 / 10);
  s[100] = 1e-5f;  // far below hearing
  Samples t = Trim(s, 10, 30);
  EXPECT_NEAR(DurationMs(t), 240, 10);
  // The tone itself is all there.
  EXPECT_NEAR(Rms(t), Rms(tone) * std::sqrt(200.0 / DurationMs(t)), 0.01);

  EXPECT_TRUE(Trim(Samples(kRate, 0.f), 10, 30).empty());
  EXPECT_EQ(Trim(tone, 10, 30).size(), tone.size());  // nothing to cut, nothing added
}

TEST(DatagenSoundsShape, FadesStartAndEndAtRest) {
  Samples s(kRate / 10, 0.8f);
  FadeEnds(s, 10, 20);
  EXPECT_EQ(s.front(), 0.f);
  EXPECT_EQ(s.back(), 0.f);
  EXPECT_FLOAT_EQ(s[s.size() / 2], 0.8f);
  for (std::size_t i = 1; i < std::size_t(kRate / 100); ++i) EXPECT_GE(s[i], s[i - 1]);
  Samples tiny(3, 1.f);  // fades longer than the sound
  FadeEnds(tiny, 10, 10);
  EXPECT_EQ(tiny.front(), 0.f);
  EXPECT_EQ(tiny.back(), 0.f);
}

TEST(DatagenSoundsShape, NormaliseReachesTheLevelButNotPastThePeak) {
  Samples s = Tone(300, 0.5, 0.01);
  Normalise(s, -20, -1);
  EXPECT_NEAR(Db(Rms(s)), -20, 0.3);
  // A high hiss sounds louder than a low hum of the same level: it comes out quieter.
  Samples high = Tone(6000, 0.5, 0.01);
  Normalise(high, -20, -1);
  EXPECT_NEAR(Db(Rms(high)), -24, 0.5);

  // A loud click in a quiet sound: the peak limit wins.
  Samples spiky = Tone(300, 0.5, 0.01);
  spiky[1000] = 0.5f;
  Normalise(spiky, -20, -1);
  float peak = 0;
  for (float x : spiky) peak = std::max(peak, std::fabs(x));
  EXPECT_NEAR(Db(peak), -1, 0.05);

  // Silence before and after does not lower the level of the sound.
  Samples padded(kRate, 0.f);
  Samples tone = Tone(300, 0.2, 0.01);
  std::copy(tone.begin(), tone.end(), padded.begin() + 5000);
  Normalise(padded, -20, -1);
  EXPECT_NEAR(Db(Rms(padded, 5000, 5000 + tone.size())), -20, 0.5);

  Samples silent(1000, 0.f);
  Normalise(silent, -20, -1);
  EXPECT_EQ(silent[500], 0.f);
}

TEST(DatagenSoundsShape, FlattenEvensOutAPulsingHiss) {
  Samples s = Noise(0.8, 0.3);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] *= float(0.6 + 0.4 * std::sin(2 * M_PI * 6 * double(i) / kRate));
  FlattenEnvelope(s);
  double lo = 1, hi = 0;
  const std::size_t frame = kRate / 20;
  for (std::size_t i = frame; i + 2 * frame < s.size(); i += frame) {
    double r = Rms(s, i, i + frame);
    lo = std::min(lo, r), hi = std::max(hi, r);
  }
  EXPECT_LT(Db(hi / lo), 2.0);  // was 12 dB
}

TEST(DatagenSoundsShape, SustainLengthensNoiseKeepingItsLevel) {
  Samples s = Noise(0.3, 0.2);
  Samples longer = Sustain(s, 700);
  EXPECT_EQ(DurationMs(longer), 700);
  EXPECT_NEAR(Db(Rms(longer, kRate / 20, longer.size() - kRate / 20)), Db(Rms(s)), 1.5);
  EXPECT_EQ(Sustain(s, 700), longer);  // the same every run
  EXPECT_EQ(Sustain(longer, 500), longer);  // long enough already
}

TEST(DatagenSoundsShape, CutAfterVowelKeepsTheConsonantAndABitOfVowel) {
  // 100 ms of quiet hiss, then 300 ms of a loud voiced tone.
  Samples s = Noise(0.1, 0.1);
  Samples vowel = Tone(150, 0.3, 0.6);
  s.insert(s.end(), vowel.begin(), vowel.end());
  Samples cut = CutAfterVowel(s, 40, 20);
  EXPECT_NEAR(DurationMs(cut), 160, 6);
  EXPECT_NEAR(cut.back(), 0.f, 0.01);
  for (std::size_t i = 0; i < std::size_t(kRate / 10); ++i) ASSERT_EQ(cut[i], s[i]);  // the consonant untouched

  EXPECT_THROW(CutAfterVowel(Noise(0.3, 0.5), 40, 20), std::runtime_error);  // hiss only
  EXPECT_THROW(CutAfterVowel(Samples(1000, 0.f), 40, 20), std::runtime_error);
}

TEST(DatagenSoundsShape, RaiseVoicingLiftsTheLowBandOnlyAndInPlace) {
  Samples low = Tone(150, 0.3, 0.1), high = Tone(800, 0.3, 0.1);
  Samples lowRaised = low, highRaised = high;
  RaiseVoicing(lowRaised, 8);
  RaiseVoicing(highRaised, 8);
  const std::size_t a = kRate / 10, b = 2 * kRate / 10;  // away from the ends
  EXPECT_NEAR(Db(Rms(lowRaised, a, b) / Rms(low, a, b)), 8, 0.2);
  EXPECT_NEAR(Db(Rms(highRaised, a, b) / Rms(high, a, b)), 0, 0.2);  // the hiss's band is far above
  // Not moved in time: the raised tone is the tone, larger.
  double worst = 0;
  for (std::size_t i = a; i < b; ++i) worst = std::max(worst, std::fabs(lowRaised[i] - 2.512 * low[i]));
  EXPECT_LT(worst, 0.005);
}

// ---- measuring ----

TEST(DatagenSoundsMeasure, PeriodicityTellsVoiceFromHiss) {
  Samples hiss = Noise(0.6, 0.3);
  EXPECT_GT(Periodicity(hiss), 0.1);
  EXPECT_LT(Periodicity(hiss), 0.3);
  // A buzz at the bottom and the top of the voice's range.
  Samples buzz = Tone(65, 0.6, 0.2), octave = Tone(130, 0.6, 0.1), high = Tone(390, 0.6, 0.2);
  for (std::size_t i = 0; i < buzz.size(); ++i) buzz[i] += octave[i];
  EXPECT_GT(Periodicity(buzz), 0.95);
  EXPECT_GT(Periodicity(high), 0.95);
  // Equal power of voice and hiss: half way.
  Samples mixed = Tone(120, 0.6, 0.3 * std::sqrt(2.0 / 3.0));
  for (std::size_t i = 0; i < mixed.size(); ++i) mixed[i] += hiss[i];
  EXPECT_NEAR(Periodicity(mixed), 0.55, 0.1);
  EXPECT_EQ(Periodicity(Tone(120, 0.05, 0.3)), 0.0);  // too short for a window in its middle
}

TEST(DatagenSoundsMeasure, LevelIsTheRmsInDecibels) {
  Samples s = Tone(440, 1, 0.1);
  s.resize(s.size() * 2, 0.f);  // a second of tone, a second of silence
  EXPECT_NEAR(LevelDb(s, 0, kRate), -23.0, 0.05);
  EXPECT_NEAR(LevelDb(s, 0, s.size()), -26.0, 0.05);
  EXPECT_EQ(LevelDb(s, kRate + 1, s.size() + 100), -200);  // silence, and the end is clipped to the sound
}

TEST(DatagenSoundsMeasure, PeriodicityWeighsTheMiddleThreeFifths) {
  // 1 s: a voiced middle between hissing fifths, and the other way round.
  Samples voicedMiddle = Noise(1, 0.3), hissingMiddle = Tone(120, 1, 0.3);
  Samples buzz = Tone(120, 1, 0.3), hiss = Noise(1, 0.3, 7);
  for (std::size_t i = kRate / 5; i < std::size_t(kRate) * 4 / 5; ++i) {
    voicedMiddle[i] = buzz[i];
    hissingMiddle[i] = hiss[i];
  }
  EXPECT_GT(Periodicity(voicedMiddle), 0.95);
  EXPECT_LT(Periodicity(hissingMiddle), 0.3);
  // One voiced window in five does not make a hiss voiced: the median counts.
  Samples spotted = Noise(1, 0.3);
  for (std::size_t i = kRate / 2; i < kRate / 2 + kRate / 20; ++i) spotted[i] = buzz[i];
  EXPECT_LT(Periodicity(spotted), 0.3);
}

// A released consonant: friction (a hiss, with a buzz under it when voiced)
// for frictionMs, then a loud vowel for 120 ms.
Samples Released(int frictionMs, double buzz, double hiss) {
  Samples s = Noise(frictionMs / 1000.0, hiss, 3), voice = Tone(130, frictionMs / 1000.0, buzz);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] += voice[i];
  Samples vowel = Tone(130, 0.12, 0.6), overtone = Tone(390, 0.12, 0.2);
  for (std::size_t i = 0; i < vowel.size(); ++i) vowel[i] += overtone[i];
  s.insert(s.end(), vowel.begin(), vowel.end());
  return s;
}

TEST(DatagenSoundsMeasure, FrictionPeriodicityLeavesTheVowelOut) {
  // A voiceless affricate: the whole sound's middle reaches into the vowel, its friction does not.
  Samples voiceless = Released(100, 0, 0.3);
  EXPECT_NEAR(double(VowelOnset(voiceless)) * 1000 / kRate, 100, 5);
  EXPECT_GT(Periodicity(voiceless), 0.6);
  EXPECT_LT(FrictionPeriodicity(voiceless), 0.3);
  // A voiced one: a buzz under the hiss (which may not hiss in every frame).
  Samples voiced = Released(100, 0.2, 0.15);
  EXPECT_NEAR(double(VowelOnset(voiced)) * 1000 / kRate, 85, 20);
  EXPECT_GT(FrictionPeriodicity(voiced), 0.6);
  // Friction too short for a window in its middle: one window from the start.
  EXPECT_LT(FrictionPeriodicity(Released(50, 0, 0.3)), 0.45);
  EXPECT_GT(FrictionPeriodicity(Released(50, 0.2, 0.15)), 0.6);
  // A consonant that never hisses (a soft V): the vowel starts where the level reaches half its top.
  Samples soft = Released(100, 0.1, 0);
  EXPECT_NEAR(double(VowelOnset(soft)) * 1000 / kRate, 100, 5);
  EXPECT_GT(FrictionPeriodicity(soft), 0.95);
  EXPECT_EQ(VowelOnset(Samples(1000, 0.f)), 0u);
}

// ---- music ----

TEST(DatagenSoundsMusic, LoopsWithoutASeamAndStaysInBounds) {
  Samples m = MakeMusic();
  EXPECT_EQ(WaveProblem(EncodeWave(m), 20000, 40000), "");
  // Coming round, neither the level nor the wave jumps.
  const std::size_t half = kRate / 2;
  EXPECT_LT(std::fabs(LevelDb(m, m.size() - half, m.size()) - LevelDb(m, 0, half)), kMaxLoopStepDb);
  EXPECT_LT(std::fabs(m.front()), 0.01);
  EXPECT_LT(std::fabs(m.back()), 0.01);
  EXPECT_LT(std::fabs(m.front() - m.back()), 0.02);
  // Calm but present throughout: no second of it is silent or shouting.
  for (std::size_t i = 0; i + kRate <= m.size() - kRate; i += kRate) {
    double db = Db(Rms(m, i, i + kRate));
    EXPECT_GT(db, -30) << i / kRate;
    EXPECT_LT(db, -15) << i / kRate;
  }
  EXPECT_EQ(MakeMusic(), m);
}

// ---- the module's check ----

class DatagenSoundsCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    CSlowa dictionary;
    for (const SoundFile& f : ExpectedFiles(dictionary))
      dir.Write(Native(f.path), GoodWave(f.kind == Kind::Music ? 25.0 : (f.minMs + 50) / 1000.0));
  }
  static std::string Native(const std::string& programPath) {
    std::string p = programPath;
    for (char& c : p)
      if (c == '\\') c = '/';
    return p;
  }
  bool Mentions(const std::vector<std::string>& problems, const std::string& what) {
    for (const std::string& p : problems)
      if (p.find(what) != std::string::npos) return true;
    return false;
  }
  testsupport::TempDir dir;
  datagen::Tree tree{dir.Path()};
};

TEST_F(DatagenSoundsCheck, AFullTreePasses) {
  std::string cwd = GetCurrentDir();
  auto problems = CheckSounds(tree);
  EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front());
  EXPECT_EQ(GetCurrentDir(), cwd);
}

TEST_F(DatagenSoundsCheck, MissingExtraAndBrokenFilesAreReported) {
  std::filesystem::remove(dir.File("Data/Smd/kot.pw"));
  std::filesystem::remove(dir.File("Data/Smdgl/dzzz.pw"));
  dir.Write("Data/Smd/kotek.pw", GoodWave(0.5));
  dir.Write("Data/Smd/notes.txt", std::string("x"));
  dir.Write("Data/Smdgl/rz.pw", GoodWave(0.5));
  dir.Write("Data/Intf/Smd/g47.pw", GoodWave(0.5));
  dir.Write("Data/Intf/Smd/g00.pw", GoodWave(1.6));  // too long for praise
  dir.Write("Data/Smd/bok.pw", std::string("RIFF...."));
  auto problems = CheckSounds(tree);
  EXPECT_TRUE(Mentions(problems, "Data\\Smd\\kot.pw: missing"));
  EXPECT_TRUE(Mentions(problems, "misses Data\\Smd\\kot.pw"));
  EXPECT_TRUE(Mentions(problems, "Data\\Smdgl\\dzzz.pw: missing"));
  EXPECT_TRUE(Mentions(problems, "superfluous Data\\Smd\\kotek.pw"));
  EXPECT_TRUE(Mentions(problems, "superfluous Data\\Smd\\notes.txt"));
  EXPECT_TRUE(Mentions(problems, "Data\\Smdgl\\rz.pw: not one"));
  EXPECT_TRUE(Mentions(problems, "Data\\Intf\\Smd\\g47.pw: not one"));
  EXPECT_TRUE(Mentions(problems, "Data\\Intf\\Smd\\g00.pw: 1600 ms long"));
  EXPECT_TRUE(Mentions(problems, "Data\\Smd\\bok.pw: not a RIFF WAVE"));
  EXPECT_EQ(problems.size(), 9u);
}

TEST_F(DatagenSoundsCheck, WhatAListenerWouldHearWrongIsReported) {
  // A hiss for a voiced fricative and for a voiceless one; music that fades out.
  Samples hiss = Noise(0.7, 0.3);
  FadeEnds(hiss, 20, 20);
  dir.Write("Data/Smdgl/zz.pw", EncodeWave(hiss));
  dir.Write("Data/Smdgl/sz.pw", EncodeWave(hiss));
  // An affricate whose friction is a hiss, however voiced its vowel, and its voiceless partner.
  Samples affricate = Released(100, 0, 0.3);
  FadeEnds(affricate, 5, 5);
  dir.Write("Data/Smdgl/dzz.pw", EncodeWave(affricate));
  dir.Write("Data/Smdgl/cz.pw", EncodeWave(affricate));
  Samples music = Tone(440, 25, 0.3);
  for (std::size_t i = music.size() - kRate; i < music.size(); ++i) music[i] *= float(music.size() - i) / kRate;
  dir.Write("Data/Intf/Smd/music.wav", EncodeWave(music));
  auto problems = CheckSounds(tree);
  EXPECT_TRUE(Mentions(problems, "Data\\Smdgl\\zz.pw: voicing 0."));
  EXPECT_TRUE(Mentions(problems, "Data\\Smdgl\\dzz.pw: voicing 0."));
  EXPECT_TRUE(Mentions(problems, "Data\\Intf\\Smd\\music.wav: the level steps by -"));
  EXPECT_EQ(problems.size(), 3u);
}

// ---- speech (needs espeak-ng) ----

class DatagenSoundsSpeech : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0) GTEST_SKIP() << "espeak-ng is not installed";
  }
};

TEST_F(DatagenSoundsSpeech, WordsAndSoundsComeOutWithinTheirBounds) {
  Samples raw = Speak("kot", 140, 50);
  EXPECT_GT(DurationMs(raw), 200);
  auto isolated = ParseIsolatedSounds(ReadDataFile("isolated.txt"));
  CSlowa dictionary;
  // The longest words, a fricative held, a stop and a soft consonant, the longest phrases.
  std::set<std::string> sample = {"Data\\Smd\\re^kawiczki.pw", "Data\\Smd\\cie^z^aro^wka.pw", "Data\\Smd\\niedx^wiedzie.pw",
                                  "Data\\Smdgl\\f.pw",        "Data\\Smdgl\\zz.pw",           "Data\\Smdgl\\p.pw",
                                  "Data\\Smdgl\\dzz.pw",      "Data\\Smdgl\\gi.pw",           "Data\\Intf\\Smd\\g40.pw",
                                  "Data\\Intf\\Smd\\b28.pw"};
  int made = 0;
  for (const SoundFile& f : ExpectedFiles(dictionary)) {
    if (!sample.count(f.path)) continue;
    ++made;
    EXPECT_EQ(WaveProblem(EncodeWave(MakeSound(f, isolated)), f.minMs, f.maxMs), "") << f.path;
  }
  EXPECT_EQ(made, int(sample.size()));
}

}  // namespace
