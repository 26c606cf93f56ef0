#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/IniFiles.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"

namespace {

TEST(IniFile, MissingFileReadsDefaultsAndIsWrittenWhole) {
  testsupport::TempDir dir;
  std::string name = dir.File("data.ini");
  TIniFile ini(name);
  EXPECT_EQ(ini.ReadInteger("DaneProgramu", "LU", 7), 7);
  EXPECT_FALSE(ini.SectionExists("DaneProgramu"));
  ini.WriteInteger("DaneProgramu", "LU", 1);
  ini.WriteInteger("Liany", "Gloski", 0x73FFFFFF);
  ini.WriteString("Liany", "Nazwa", "\277aba");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_FALSE(FileExists(name + ".tmp"));

  TIniFile back(name);
  EXPECT_EQ(back.ReadInteger("daneprogramu", "lu", 0), 1);  // names without regard to case
  EXPECT_EQ(back.ReadInteger("Liany", "Gloski", 0), 0x73FFFFFF);
  EXPECT_EQ(back.ReadString("Liany", "Nazwa", ""), "\277aba");
}

TEST(IniFile, KeepsUnknownKeysAndReadsNumbersStrictly) {
  testsupport::TempDir dir;
  std::string name = dir.Write("x.ini", std::string("; comment\r\n[A]\r\nPosition=12\r\nOdd = 0x10 \r\nBad=12abc\r\n"
                                                    "Neg=-5\r\nBig=99999999999\r\n[B]\r\nKey=v=w\r\n"));
  TIniFile ini(name);
  EXPECT_EQ(ini.ReadInteger("A", "Position", 0), 12);
  EXPECT_EQ(ini.ReadInteger("A", "Odd", 0), 16);
  EXPECT_EQ(ini.ReadInteger("A", "Bad", 3), 3);
  EXPECT_EQ(ini.ReadInteger("A", "Neg", 3), -5);
  EXPECT_EQ(ini.ReadInteger("A", "Big", 3), 3);
  EXPECT_EQ(ini.ReadString("B", "Key", ""), "v=w");
  ini.WriteInteger("A", "Position", 13);
  ASSERT_TRUE(ini.UpdateFile());
  TIniFile back(name);
  EXPECT_EQ(back.ReadInteger("A", "Position", 0), 13);
  EXPECT_EQ(back.ReadInteger("A", "Neg", 0), -5);
  EXPECT_TRUE(back.ValueExists("B", "Key"));
}

TEST(IniFile, FailedWriteLeavesTheOldFile) {
  testsupport::TempDir dir;
  std::string name = dir.File("s.ini");
  {
    TIniFile ini(name);
    ini.WriteInteger("S", "K", 1);
    ASSERT_TRUE(ini.UpdateFile());
  }
  // The temporary file cannot be made (a folder stands in its place).
  ASSERT_EQ(::mkdir((name + ".tmp").c_str(), 0755), 0);
  TIniFile ini(name);
  ini.WriteInteger("S", "K", 2);
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(TIniFile(name).ReadInteger("S", "K", 0), 1);
}

}  // namespace
