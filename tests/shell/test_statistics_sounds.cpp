#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "platform/Classes.h"
#include "platform/Endian.h"
#include "platform/Mmsystem.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "tests/support/DamagedFiles.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDir.h"
#include "toolkit/_cblad.h"

namespace {

class Statistics : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ResetSettings();
    file = dir.File("prgst5.stt");
  }
  testsupport::TempDir dir;
  std::string file;
};

TEST_F(Statistics, NewFileGetsItsHeaderAndSessionsAppendWholeRecords) {
  const std::int64_t made = std::int64_t(std::time(nullptr));
  CStatRec stat(file);
  EXPECT_EQ(FileSize(file), kStatHeaderSize);
  // "TWS1", the statistics id, the creation time and a zero.
  const std::vector<std::uint8_t> header = ReadFileBytes(file, kStatHeaderSize);
  EXPECT_EQ(std::string(header.begin(), header.begin() + 4), "TWS1");
  EXPECT_EQ(GetLe32(header.data() + 4), kStatisticsId);
  const std::int64_t created = std::int64_t(GetLe32(header.data() + 8)) | std::int64_t(GetLe32(header.data() + 12)) << 32;
  EXPECT_GE(created, made);
  EXPECT_LE(created, made + 5);
  EXPECT_EQ(GetLe32(header.data() + 16), 0u);
  SettingsLiany.Level = 2;
  SettingsLiany.PhonemeMask = 0x30;
  stat.Start(&SettingsLiany);
  stat.AddGood();
  stat.AddGood();
  stat.AddBad();
  stat.AddHelp();
  hb().AdvanceTime(65000);
  stat.KeepAlive();
  hb().AdvanceTime(3000);
  stat.End();
  EXPECT_EQ(stat.ElapsedMs(), 68000u);
  EXPECT_TRUE(stat.SaveSession(true));
  EXPECT_FALSE(stat.SaveSession(true));  // never saved twice
  EXPECT_EQ(FileSize(file), kStatHeaderSize + kStatRecordSize);

  stat.Start(&SettingsPodpisz4);
  stat.End();
  EXPECT_TRUE(stat.SaveSession(false));

  std::vector<SessionRecord> recs;
  ASSERT_TRUE(CStatRec::ReadFile(file, recs));
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0].gameId, 2);
  EXPECT_TRUE(recs[0].completed);
  EXPECT_EQ(recs[0].level, 2);
  EXPECT_EQ(recs[0].phonemeMask, 0x30);
  EXPECT_EQ(recs[0].positionMask, 0x70000000);
  EXPECT_EQ(recs[0].good, 2);
  EXPECT_EQ(recs[0].bad, 1);
  EXPECT_EQ(recs[0].help, 1);
  EXPECT_EQ(recs[0].elapsedMs, 68000u);
  EXPECT_GE(recs[0].start, made);
  EXPECT_GE(recs[0].end, recs[0].start);
  EXPECT_LE(recs[0].end, recs[0].start + 5);
  EXPECT_EQ(recs[1].gameId, 1);
  EXPECT_FALSE(recs[1].completed);
  EXPECT_EQ(recs[1].good, 0);
}

TEST_F(Statistics, TwoMinutesWithoutInputLapseTheSession) {
  CStatRec stat(file);
  // From its start, also without any input at all.
  stat.Start(&SettingsKwiatki);
  hb().AdvanceTime(121000);
  Application->ProcessMessages();
  EXPECT_FALSE(stat.Active());
  stat.Start(&SettingsKwiatki);
  hb().AdvanceTime(119000);
  stat.KeepAlive();
  hb().AdvanceTime(119000);
  Application->ProcessMessages();
  EXPECT_TRUE(stat.Active());
  hb().AdvanceTime(2000);
  Application->ProcessMessages();
  EXPECT_FALSE(stat.Active());
  stat.KeepAlive();  // not revived
  EXPECT_FALSE(stat.Active());
  stat.End();
  EXPECT_FALSE(stat.SaveSession(true));
  EXPECT_EQ(FileSize(file), kStatHeaderSize);
}

TEST_F(Statistics, TornRecordIsCutBeforeTheNextAppend) {
  {
    CStatRec stat(file);
    stat.Start(&SettingsKwiatki);
    stat.End();
    ASSERT_TRUE(stat.SaveSession(true));
  }
  {
    std::ofstream f(file, std::ios::binary | std::ios::app);
    f.write("partial", 7);  // a crash in the middle of a record
  }
  CStatRec stat(file);
  stat.Start(&SettingsCiezarowka);
  stat.End();
  ASSERT_TRUE(stat.SaveSession(true));
  EXPECT_EQ(FileSize(file), kStatHeaderSize + 2 * kStatRecordSize);
  std::vector<SessionRecord> recs;
  ASSERT_TRUE(CStatRec::ReadFile(file, recs));
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[1].gameId, 5);
}

// A record that does not reach the disk (a full disk) is not reported saved;
// what of it was written is cut before the next session's record. A file
// whose header does not reach the disk is not taken either.
TEST_F(Statistics, WhatDoesNotReachTheDiskIsNotReportedSaved) {
  CStatRec stat(file);
  {
    // Made long ago: the header's time is no session's.
    std::fstream f(file, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(8);
    f.write("\1\0\0\0\0\0\0\0", 8);
  }
  stat.Start(&SettingsKwiatki);
  stat.AddGood();
  stat.End();
  {
    testsupport::FileSizeLimit full(kStatHeaderSize + kStatRecordSize / 2);
    EXPECT_FALSE(stat.SaveSession(true));
  }
  std::vector<SessionRecord> recs;
  ASSERT_TRUE(CStatRec::ReadFile(file, recs));
  EXPECT_TRUE(recs.empty());
  const std::int64_t started = std::int64_t(std::time(nullptr));
  stat.Start(&SettingsCiezarowka);
  stat.End();
  EXPECT_TRUE(stat.SaveSession(false));
  recs.resize(3);  // read into a list that held something
  ASSERT_TRUE(CStatRec::ReadFile(file, recs));
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].gameId, 5);
  EXPECT_GE(recs[0].start, started);
  EXPECT_LE(recs[0].start, recs[0].end);
  // A file that cannot be made again where it was is not written either.
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  stat.Start(&SettingsKwiatki);
  stat.End();
  EXPECT_FALSE(stat.SaveSession(true));
  std::filesystem::remove(file);

  const std::string other = dir.File("nowy.stt");
  testsupport::FileSizeLimit full(kStatHeaderSize / 2);
  try {
    CStatRec none(other);
    ADD_FAILURE() << "a file without its whole header was taken";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 3);
  }
}

// Anything that is not a statistics file, also one shorter than a header,
// is set aside whole; the records are read from files of ours only.
TEST_F(Statistics, AForeignFileIsSetAsideNotOverwritten) {
  std::vector<std::uint8_t> cutHeader = ReadFileBytes(CStatRec(dir.File("ours.stt")).FileName(), kStatHeaderSize);
  cutHeader.resize(kStatHeaderSize / 2);
  const std::string foreign[] = {"somebody else's data", "TWS", std::string(cutHeader.begin(), cutHeader.end())};
  for (const std::string& bytes : foreign) {
    std::filesystem::remove_all(file + ".obcy");
    dir.Write("prgst5.stt", bytes);
    std::vector<SessionRecord> recs;
    EXPECT_FALSE(CStatRec::ReadFile(file, recs));
    CStatRec stat(file);
    EXPECT_EQ(FileSize(file), kStatHeaderSize);
    EXPECT_TRUE(CStatRec::ReadFile(file, recs));
    const std::vector<std::uint8_t> kept = ReadFileBytes(file + ".obcy", 1000);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), bytes);
  }
  std::vector<SessionRecord> none;
  EXPECT_FALSE(CStatRec::ReadFile(dir.File("missing.stt"), none));
}

TEST_F(Statistics, NoFileCanBeMadeEndsTheStartUp) {
  ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
  try {
    CStatRec stat(file);
    FAIL();
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 3);
  }
}

class Sounds : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    std::vector<std::int16_t> s(2205, 5);  // 100 ms
    for (const char* name : {"Data/Intf/Smd/g07.pw", "Data/Intf/Smd/b39.pw", "Data/Smd/z^aba.pw", "Data/Smdgl/dzzz.pw"}) {
      std::string path = dir.File(name);
      std::filesystem::create_directories(std::filesystem::path(path).parent_path());
      ASSERT_TRUE(WriteWaveFile(path, s, 22050));
    }
    cwd = std::make_unique<testsupport::ScopedCwd>(dir.Path());
  }
  testsupport::TempDir dir;
  std::unique_ptr<testsupport::ScopedCwd> cwd;
};

TEST_F(Sounds, FeedbackPicksItsFileFromTheDraw) {
  std::int32_t draw = 0;
  RandomScript script;
  script.random31 = [&] { return draw; };
  ScopedRandomScript s(script);
  draw = 47;  // 47 mod 40 = 7
  std::int64_t t0 = hb().NowMs();
  EXPECT_TRUE(PlayFeedbackSound(1, true, true));
  EXPECT_EQ(hb().NowMs() - t0, 100 + 400);  // the sound, then the rest
  EXPECT_EQ(hb().Sounds().back().name, "Data\\Intf\\Smd\\g07.pw");
  draw = 7 + 47;  // kind 2 draws mod 47
  EXPECT_TRUE(PlayFeedbackSound(2, false, true));
  EXPECT_FALSE(hb().Sounds().back().sync);
  draw = 79;
  EXPECT_TRUE(PlayFeedbackSound(3, false, false));
  EXPECT_EQ(hb().Sounds().back().name, "Data\\Intf\\Smd\\b39.pw");
  draw = 3;  // g03 does not exist: no sound, no rest
  t0 = hb().NowMs();
  EXPECT_FALSE(PlayFeedbackSound(1, true, true));
  EXPECT_EQ(hb().NowMs(), t0);
  EXPECT_FALSE(PlayFeedbackSound(4, true, true));
}

TEST_F(Sounds, WordsAndPhonemes) {
  EXPECT_TRUE(PlayWordSound("z^aba", true));
  EXPECT_EQ(hb().Sounds().back().name, "Data\\Smd\\z^aba.pw");
  EXPECT_TRUE(PlayPhonemeSound(0x800, false));
  EXPECT_EQ(hb().Sounds().back().name, "Data\\Smdgl\\dzzz.pw");
  EXPECT_FALSE(PlayPhonemeSound(0x1, false));
  EXPECT_FALSE(PlayPhonemeSound(0x3, false));
  EXPECT_FALSE(PlaySoundFile("Data\\Smd\\kot.pw", true));
}

}  // namespace
