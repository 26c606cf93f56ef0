// Sounds, music and recording: which files reach the sound device, their
// length, and the microphone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Classes.h"
#include "platform/Endian.h"
#include "platform/HeadlessBackend.h"
#include "platform/Mmsystem.h"
#include "tests/support/GuardedBytes.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::HeadlessTest;

class SoundTest : public HeadlessTest {};

std::vector<std::uint8_t> Wave(int ms) {
  testsupport::TempDir dir;
  std::vector<std::int16_t> samples(std::size_t(kRecordRate * ms / 1000), 100);
  std::string file = dir.File("w.wav");
  EXPECT_TRUE(WriteWaveFile(file, samples, kRecordRate));
  return ReadFileBytes(file, kMaxSoundFileBytes);
}

// RIFF WAVE bytes from chunks given as id and body.
std::vector<std::uint8_t> Riff(const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& chunks) {
  auto put32 = [](std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(std::uint8_t(x >> (8 * i)));
  };
  std::vector<std::uint8_t> body{'W', 'A', 'V', 'E'};
  for (const auto& [id, bytes] : chunks) {
    body.insert(body.end(), id.begin(), id.end());
    put32(body, std::uint32_t(bytes.size()));
    body.insert(body.end(), bytes.begin(), bytes.end());
    if (bytes.size() & 1) body.push_back(0);
  }
  std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
  put32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// A fmt chunk body: PCM unless told otherwise, block align and byte rate as given.
std::vector<std::uint8_t> Fmt(unsigned channels, unsigned rate, unsigned bits, unsigned align, unsigned byteRate,
                              unsigned tag = 1) {
  std::vector<std::uint8_t> f(16);
  PutLe16(f.data(), tag);
  PutLe16(f.data() + 2, channels);
  PutLe32(f.data() + 4, rate);
  PutLe32(f.data() + 8, byteRate);
  PutLe16(f.data() + 12, align);
  PutLe16(f.data() + 14, bits);
  return f;
}

// Mono 16-bit at 4000 samples a second: 8000 bytes a second.
std::vector<std::uint8_t> Fmt() { return Fmt(1, 4000, 16, 2, 8000); }

int GuardedDuration(const std::vector<std::uint8_t>& bytes) {
  testsupport::GuardedBytes g(bytes);
  return WaveDurationMs(g.data(), g.size());
}

TEST_F(SoundTest, SyncPlayBlocksForTheSoundAndAsyncDoesNot) {
  testsupport::TempDir dir;
  std::string file = dir.Write("Data/Smd/kot.pw", Wave(500));
  EXPECT_EQ(WaveDurationMs(Wave(500)), 500);
  std::int64_t t0 = hb().NowMs();
  EXPECT_TRUE(sndPlaySound(file, SND_SYNC | SND_NODEFAULT));
  EXPECT_EQ(hb().NowMs() - t0, 500);
  EXPECT_TRUE(sndPlaySound(file, SND_ASYNC | SND_NODEFAULT));
  EXPECT_EQ(hb().NowMs() - t0, 500);
  ASSERT_EQ(hb().Sounds().size(), 2u);
  EXPECT_TRUE(hb().Sounds()[0].sync);
  EXPECT_FALSE(hb().Sounds()[1].sync);
  EXPECT_TRUE(hb().SoundPlayingNow());
  sndPlaySound("", SND_ASYNC);
  EXPECT_FALSE(hb().SoundPlayingNow());
}

TEST_F(SoundTest, WaveLengthIsReadOnlyFromTheBytesThere) {
  const auto whole = Riff({{"LIST", {1, 2, 3}}, {"fmt ", Fmt()}, {"data", std::vector<std::uint8_t>(4000)}});
  EXPECT_EQ(GuardedDuration(whole), 500);  // an odd chunk before fmt is padded
  // A data chunk that claims more than the file holds is refused: the sound
  // device would take the size it claims.
  auto cut = whole;
  cut.resize(cut.size() - 1);
  EXPECT_EQ(GuardedDuration(cut), -1);
  PutLe32(cut.data() + cut.size() - 3999 - 4, 0xF1000FA0);
  EXPECT_EQ(GuardedDuration(cut), -1);
  // The slowest sound there is, with nearly 4 GB of data, keeps to an int.
  std::vector<std::uint8_t> slow = Riff({{"fmt ", Fmt(1, 4000, 8, 1, 4000)}, {"data", {}}});
  WaveFormat f;
  ASSERT_TRUE(ReadWaveFormat(slow.data(), slow.size(), f));
  f.dataBytes = 0xFFFFFFFE;
  EXPECT_EQ(f.DurationMs(), 1073741823);
  // An fmt chunk cut short ends the file: no length.
  const auto fmtOnly = Riff({{"fmt ", Fmt()}});
  for (std::size_t end = 20; end <= fmtOnly.size(); ++end) {
    std::vector<std::uint8_t> shortFmt(fmtOnly.begin(), fmtOnly.begin() + std::ptrdiff_t(end));
    EXPECT_EQ(GuardedDuration(shortFmt), -1) << end;
  }
  EXPECT_EQ(GuardedDuration(Riff({{"data", {1, 2}}, {"fmt ", Fmt()}})), -1);  // data before fmt
  // A second fmt chunk after the data would change what the device plays;
  // a second data chunk, or any chunk beyond the end, is no file of ours.
  const std::vector<std::uint8_t> bad = Fmt(256, 1100000000u, 16, 512, 0);
  EXPECT_EQ(GuardedDuration(Riff({{"fmt ", Fmt()}, {"data", {1, 2}}, {"fmt ", bad}, {"data", {3}}})), -1);
  EXPECT_EQ(GuardedDuration(Riff({{"fmt ", Fmt()}, {"data", {1, 2}}, {"data", {3, 4}}})), -1);
  auto trailing = Riff({{"fmt ", Fmt()}, {"data", {1, 2}}, {"LIST", {5, 6}}});
  EXPECT_EQ(GuardedDuration(trailing), 0);
  PutLe32(trailing.data() + trailing.size() - 6, 757869350);
  EXPECT_EQ(GuardedDuration(trailing), -1);
  EXPECT_EQ(GuardedDuration({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}), -1);
}

// Formats the sound device could divide by zero on, overflow with, or not
// play at all never reach it; played or as music they are silence.
TEST_F(SoundTest, FormatsOutsideWhatIsPlayedAreRefused) {
  const std::vector<std::uint8_t> fmt = Fmt();
  struct Case {
    const char* what;
    std::vector<std::uint8_t> fmt;
  };
  const Case refused[] = {
      {"256 channels at 1.1 GHz", Fmt(256, 1100000000u, 16, 512, 1100000000u * 512u)},
      {"no channels", Fmt(0, 4000, 16, 0, 0)},
      {"three channels", Fmt(3, 4000, 16, 6, 24000)},
      {"12 bits", Fmt(1, 4000, 12, 2, 8000)},
      {"24 bits", Fmt(1, 4000, 24, 3, 12000)},
      {"below 4 kHz", Fmt(1, 3999, 16, 2, 7998)},
      {"above 96 kHz", Fmt(1, 96001, 16, 2, 192002)},
      {"a byte rate of 1", Fmt(1, 4000, 16, 2, 1)},
      {"a byte rate too high", Fmt(1, 4000, 16, 2, 16000)},
      {"a block align of 0", Fmt(1, 4000, 16, 0, 8000)},
      {"a block align too large", Fmt(2, 4000, 16, 8, 32000)},
      {"floating point", Fmt(1, 4000, 32, 4, 16000, 3)},
      {"compressed", Fmt(1, 4000, 4, 256, 4000, 2)},
      {"an fmt chunk of 14 bytes", std::vector<std::uint8_t>(fmt.begin(), fmt.begin() + 14)},
  };
  testsupport::TempDir dir;
  for (const Case& c : refused) {
    const auto bytes = Riff({{"fmt ", c.fmt}, {"data", std::vector<std::uint8_t>(64)}});
    EXPECT_EQ(GuardedDuration(bytes), -1) << c.what;
    const std::string file = dir.Write("bad.wav", bytes);
    EXPECT_FALSE(sndPlaySound(file, SND_SYNC)) << c.what;
    EXPECT_FALSE(PlayMusicFile(file)) << c.what;
  }
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().Music(), "");
  // The edges of what is played.
  for (const auto& fmt : {Fmt(1, 4000, 8, 1, 4000), Fmt(2, 96000, 16, 4, 384000), Fmt(2, 22050, 8, 2, 44100)})
    EXPECT_GE(GuardedDuration(Riff({{"fmt ", fmt}, {"data", std::vector<std::uint8_t>(64)}})), 0);
}

// What was refused, as standard error said it: one line naming the file and why.
std::string OneLineSaid(const std::function<void()>& play) {
  testing::internal::CaptureStderr();
  play();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(err.rfind("trelamondo: ", 0), 0u) << err;
  return err;
}

bool Says(const std::string& line, const std::string& file, const std::string& why) {
  return line.find(file) != std::string::npos && line.find(why) != std::string::npos;
}

TEST_F(SoundTest, MissingForeignOrOversizedFilesAreSilentAndSaidWhy) {
  testsupport::TempDir dir;
  const std::string nothing = dir.File("nothing.pw");
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(sndPlaySound(nothing, SND_SYNC)); }), nothing, "no such file"));
  std::string junk = dir.Write("junk.pw", std::string("not a wave file"));
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(sndPlaySound(junk, SND_ASYNC)); }), junk, "not a sound"));
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(PlayMusicFile(junk)); }), junk, "not a sound"));
  const std::string none = dir.File("none.wav");
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(PlayMusicFile(none)); }), none, "no such file"));
  // Larger than any sound of the program: refused before it is read.
  const std::string huge = dir.Write("huge.wav", Riff({{"fmt ", Fmt()}, {"data", {}}}));
  ASSERT_EQ(::truncate(huge.c_str(), kMaxSoundFileBytes + 1), 0);
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(sndPlaySound(huge, SND_ASYNC)); }), huge, "too large"));
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(PlayMusicFile(huge)); }), huge, "too large"));
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_EQ(hb().Music(), "");
  // A sound too long to be played from memory is silence; as music it plays.
  const auto slow = Riff({{"fmt ", Fmt(1, 4000, 8, 1, 4000)}, {"data", std::vector<std::uint8_t>(4000 * 181)}});
  const std::string longSound = dir.Write("long.wav", slow);
  EXPECT_TRUE(Says(OneLineSaid([&] { EXPECT_FALSE(sndPlaySound(longSound, SND_SYNC)); }), longSound, "3 minutes"));
  EXPECT_TRUE(hb().Sounds().empty());
  EXPECT_TRUE(PlayMusicFile(longSound));
  EXPECT_EQ(hb().Music(), longSound);
  StopMusic();
  EXPECT_EQ(hb().Music(), "");
}

TEST_F(SoundTest, RecorderCollectsWhatTheMicrophoneGives) {
  hb().SetMicrophoneSignal([](std::int64_t i) { return std::int16_t(i % 100); });
  TSoundRecorder rec;
  ASSERT_TRUE(rec.Start());
  hb().AdvanceTime(1000);
  rec.Poll();
  hb().AdvanceTime(500);
  rec.Stop();
  EXPECT_FALSE(rec.Recording());
  ASSERT_EQ(rec.Samples().size(), std::size_t(kRecordRate * 3 / 2));
  EXPECT_EQ(rec.Samples()[150], 50);
  EXPECT_EQ(rec.DurationMs(), 1500);

  hb().SetMicrophone(false);
  TSoundRecorder none;
  EXPECT_FALSE(none.Start());
  EXPECT_FALSE(none.Recording());
}

}  // namespace
