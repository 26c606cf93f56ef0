#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/Classes.h"
#include "platform/IniFiles.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "tests/support/TempDir.h"
#include "toolkit/_cblad.h"

namespace {

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettings(); }
  void TearDown() override { ResetSettings(); }
};

TEST_F(Settings, MissingFileIsWrittenWithPlayableDefaults) {
  testsupport::TempDir dir;
  std::string ini = dir.File("data.ini");
  LoadSettings(ini);
  EXPECT_EQ(ProgramOptions.launches, 1);
  EXPECT_EQ(CurrentTab, 1);
  for (int id = 1; id <= 5; ++id) {
    CUstGry* s = SettingsOfGame(id);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Level, 1);
    EXPECT_EQ(s->PhonemeMask, 0x3);
    EXPECT_EQ(s->PositionMask, 0x70000000);
  }
  TIniFile f(ini);
  EXPECT_EQ(f.ReadInteger("DaneProgramu", "LU", 0), 1);
  EXPECT_EQ(f.ReadInteger("Liany", "Gloski", 0), 3);
  EXPECT_EQ(f.ReadInteger("CoNiePasuje3", "Pozycja", 0), 0x70000000);
}

TEST_F(Settings, ValuesRoundTripAndTheLaunchCounterRises) {
  testsupport::TempDir dir;
  std::string ini = dir.Write("data.ini", std::string("[DaneProgramu]\nLU=41\nZakladka=4\nMuzyka=0\nPosition=77\n"
                                                      "[Kwiatki]\nGloski=4096\nPoziom=9\nPozycja=536870912\n"
                                                      "[Liany]\nPoziom=-2\n[Inne]\nKlucz=zostaje\n"));
  LoadSettings(ini);
  EXPECT_EQ(ProgramOptions.launches, 42);
  EXPECT_EQ(CurrentTab, 4);
  EXPECT_EQ(CurrentSettings(), &SettingsCoNiePasuje3);
  EXPECT_FALSE(ProgramOptions.music);
  EXPECT_EQ(SettingsKwiatki.PhonemeMask, 0x1000);
  EXPECT_EQ(SettingsKwiatki.PositionMask, 0x20000000);
  EXPECT_EQ(SettingsKwiatki.Level, 3);  // brought back into range
  EXPECT_EQ(SettingsLiany.Level, 1);
  TIniFile f(ini);
  EXPECT_EQ(f.ReadInteger("DaneProgramu", "LU", 0), 42);  // written back at once
  EXPECT_EQ(f.ReadInteger("DaneProgramu", "Position", 0), 77);
  EXPECT_EQ(f.ReadString("Inne", "Klucz", ""), "zostaje");

  CurrentTab = 6;
  EXPECT_EQ(CurrentSettings(), nullptr);
  SettingsPodpisz4.PhonemeMask = 0x2000000;
  ASSERT_TRUE(SaveSettings(ini));
  ResetSettings();
  LoadSettings(ini);
  EXPECT_EQ(CurrentTab, 6);
  EXPECT_EQ(SettingsPodpisz4.PhonemeMask, 0x2000000);
}

int CodeOfLoad(const std::string& ini) {
  try {
    LoadSettings(ini);
  } catch (const CBlad& e) {
    return e.Code;
  }
  return 0;
}

TEST_F(Settings, AFileThatCannotBeWrittenEndsTheStartUp) {
  testsupport::TempDir dir;
  std::string ini = dir.File("data.ini");
  ASSERT_EQ(::mkdir(ini.c_str(), 0755), 0);  // a folder where the file should be
  EXPECT_EQ(CodeOfLoad(ini), 4);
  EXPECT_EQ(ProgramOptions.launches, 1);  // read as missing, then the write failed
}

TEST_F(Settings, AFileThatExistsButCannotBeReadEndsTheStartUp) {
  testsupport::TempDir dir;
  std::string ini = dir.Write("data.ini", std::string("[DaneProgramu]\nLU=7\n"));
  // Without the right to read it (which root has anyway) ...
  ASSERT_EQ(::chmod(ini.c_str(), 0200), 0);
  if (::access(ini.c_str(), R_OK) != 0) {
    EXPECT_EQ(CodeOfLoad(ini), 4);
    EXPECT_EQ(ProgramOptions.launches, 0);  // ended by the read, before any write
  }
  // ... and, for anyone, a file whose reading stops short of its size: the
  // kernel's files report a page and hold a few bytes.
  const char* const shortFile = "/sys/devices/system/cpu/online";
  if (!std::filesystem::exists(shortFile)) GTEST_SKIP() << shortFile << " is not there";
  std::filesystem::remove(ini);
  std::filesystem::create_symlink(shortFile, ini);
  EXPECT_EQ(CodeOfLoad(ini), 4);
  EXPECT_EQ(ProgramOptions.launches, 0);
  EXPECT_FALSE(SaveSettings(ini));  // nor is it written over at exit
}

// A file larger than the reader takes is readable and writable: it is
// damaged, not out of reach. The defaults go over it and the program starts.
TEST_F(Settings, AFileTooLargeToBeSettingsIsReplacedWithTheDefaults) {
  testsupport::TempDir dir;
  std::string ini = dir.Write("data.ini", std::string("[DaneProgramu]\nLU=7\nZakladka=3\n"));
  ASSERT_EQ(::truncate(ini.c_str(), kMaxTextFileBytes + 1), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(CodeOfLoad(ini), 0);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("trelamondo: " + ini + ": larger than a settings file can be"), std::string::npos) << err;
  EXPECT_EQ(ProgramOptions.launches, 1);
  EXPECT_EQ(CurrentTab, 1);
  EXPECT_LT(std::filesystem::file_size(ini), 4096u);
  EXPECT_EQ(TIniFile(ini).ReadInteger("DaneProgramu", "LU", 0), 1);
  // Grown that large while the program ran, it is written anew at exit.
  CurrentTab = 5;
  ASSERT_EQ(::truncate(ini.c_str(), kMaxTextFileBytes + 1), 0);
  EXPECT_TRUE(SaveSettings(ini));
  EXPECT_EQ(TIniFile(ini).ReadInteger("DaneProgramu", "Zakladka", 0), 5);
  // One that large which cannot be written still ends the start-up.
  ASSERT_EQ(::truncate(ini.c_str(), kMaxTextFileBytes + 1), 0);
  ASSERT_EQ(::chmod(ini.c_str(), 0400), 0);
  if (::access(ini.c_str(), W_OK) != 0) {  // root may write it all the same
    EXPECT_EQ(CodeOfLoad(ini), 4);
  }
}

TEST_F(Settings, TheLaunchCounterStopsAtItsLargestValue) {
  testsupport::TempDir dir;
  std::string ini = dir.Write("data.ini", std::string("[DaneProgramu]\nLU=2147483647\n"));
  LoadSettings(ini);
  EXPECT_EQ(ProgramOptions.launches, 2147483647);
  EXPECT_EQ(TIniFile(ini).ReadInteger("DaneProgramu", "LU", 0), 2147483647);
}

// Runs the check as a user without root's rights over files (nobody, in a
// child, when the tests run as root); its text is empty when all was well.
std::string AsAnOrdinaryUser(const std::function<std::string()>& check) {
  if (::getuid() != 0) return check();
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    std::string said = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? check() : "cannot become nobody";
    if (::write(pipeFds[1], said.data(), said.size()) < 0) _exit(2);
    _exit(0);
  }
  ::close(pipeFds[1]);
  std::string said;
  char buf[256];
  for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) said.append(buf, std::size_t(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "the child failed";
}

// The settings file is writable exactly when it opens for writing; it is
// replaced through a temporary file, or rewritten in place in a folder that
// takes no new file, and keeps its mode either way.
TEST_F(Settings, WrittenWhereverTheFileItselfIsWritable) {
  testsupport::TempDir dir;
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
  const std::string text = "[DaneProgramu]\nLU=7\n";
  auto mode = [](const std::string& f) {
    struct stat st {};
    ::stat(f.c_str(), &st);
    return st.st_mode & 07777;
  };
  auto launches = [](const std::string& f) { return TIniFile(f).ReadInteger("DaneProgramu", "LU", 0); };

  const std::string own = dir.Write("own/data.ini", text);
  ASSERT_EQ(::chmod(own.c_str(), 0640), 0);
  LoadSettings(own);
  EXPECT_EQ(launches(own), 8);
  EXPECT_EQ(mode(own), 0640u);

  const std::string readOnly = dir.Write("ro/data.ini", text);
  const std::string inReadOnlyFolder = dir.Write("rofolder/data.ini", text);
  for (const char* folder : {"ro", "rofolder"}) ASSERT_EQ(::chmod(dir.File(folder).c_str(), 0777), 0);
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(inReadOnlyFolder.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir.File("rofolder").c_str(), 0555), 0);
  const std::string said = AsAnOrdinaryUser([&] {
    std::string out;
    if (CodeOfLoad(readOnly) != 4) out += "a read-only file was not refused; ";
    if (launches(readOnly) != 7 || mode(readOnly) != 0444) out += "a read-only file was replaced; ";
    if (CodeOfLoad(inReadOnlyFolder) != 0) out += "a writable file in a read-only folder was refused; ";
    if (launches(inReadOnlyFolder) != 8 || mode(inReadOnlyFolder) != 0666) out += "it was not rewritten in place; ";
    return out;
  });
  EXPECT_EQ(said, "");
  ::chmod(dir.File("rofolder").c_str(), 0755);
}

TEST(ListSelections, PositionsOuterPhonemesInner) {
  CUstGry all(9, "x");
  all.PhonemeMask = 0x3FFFFFF;
  all.PositionMask = 0x70000000;
  std::int32_t out[78];
  ASSERT_EQ(CUstGry::ListSelections(&all, out), 78);
  EXPECT_EQ(out[0], 0x10000001);
  EXPECT_EQ(out[25], 0x12000000);
  EXPECT_EQ(out[26], 0x20000001);
  EXPECT_EQ(out[77], 0x42000000);
  all.PhonemeMask = 0;
  EXPECT_EQ(CUstGry::ListSelections(&all, out), 0);
  all.PhonemeMask = 0x5;
  all.PositionMask = 0;
  EXPECT_EQ(CUstGry::ListSelections(&all, out), 0);
  all.PhonemeMask = -1;
  all.PositionMask = -1;
  all.ClearOutsideBits();
  EXPECT_EQ(all.PhonemeMask, 0x3FFFFFF);
  EXPECT_EQ(all.PositionMask, 0x70000000);
}

TEST(Phonemes, PartnersLieOneOrTwoBitsApart) {
  const std::pair<std::int32_t, std::int32_t> pairs[] = {
      {0x1, 0x2},         {0x4, 0x8},         {0x10, 0x20},       {0x40, 0x80},         {0x100, 0x200},
      {0x400, 0x800},     {0x1000, 0x4000},   {0x2000, 0x8000},   {0x10000, 0x40000},   {0x20000, 0x80000},
      {0x100000, 0x400000}, {0x200000, 0x800000}, {0x1000000, 0x2000000}};
  for (auto [a, b] : pairs) {
    EXPECT_EQ(OppositeMask(a), b) << std::hex << a;
    EXPECT_EQ(OppositeMask(b), a) << std::hex << b;
  }
  EXPECT_EQ(OppositeMask(0x1333555), 0x2CCCAAA);
  EXPECT_EQ(OppositeMask(0x70000001), 0x2);
  std::int32_t bits[26];
  ASSERT_EQ(SplitPhonemeBits(0x70001005, bits), 3);
  EXPECT_EQ(bits[0], 0x1);
  EXPECT_EQ(bits[2], 0x1000);
}

TEST(Phonemes, NamesWithTheirSecondForms) {
  std::string s;
  PhonemeNames(s, 0x3, ", ", "/");
  EXPECT_EQ(s, "SZ, \257/RZ");
  PhonemeNames(s, 0x101, ",", "/");
  EXPECT_EQ(s, "SZ,\214/SI");
  PhonemeNames(s, 0, ", ", "/");
  EXPECT_EQ(s, "");
  EXPECT_EQ(PhonemeNameWithSeparator(0x800, "\n"), "D\217\nDZI");
  EXPECT_EQ(PhonemeNameWithSeparator(0x2000000, "\n"), "D");
  EXPECT_EQ(PhonemeSoundName(0x2), "zz");
  EXPECT_EQ(PhonemeSoundName(0x800), "dzzz");
}

TEST(Phonemes, OppositeTexts) {
  auto opp = [](std::string a, std::string b) {
    OppositePhonemeText(a, b);
    return a;
  };
  EXPECT_EQ(opp("SZ", ""), "RZ");
  EXPECT_EQ(opp("RZ", ""), "SZ");
  EXPECT_EQ(opp("\257", ""), "SZ");
  EXPECT_EQ(opp("si", ""), "ZI");
  EXPECT_EQ(opp("CI", ""), "DZI");
  EXPECT_EQ(opp("\346", ""), "D\217");  // ć, upper-cased first
  EXPECT_EQ(opp("\234", ""), "\217");   // ś → Ź
  EXPECT_EQ(opp("CZ", ""), "D\257");
  EXPECT_EQ(opp("T", ""), "D");
  EXPECT_EQ(opp("H", ""), "H");
  EXPECT_EQ(opp("k", "i"), "G");
  EXPECT_EQ(opp("S", "I"), "Z");
  EXPECT_EQ(opp("SZ", "I"), "SZ");
  EXPECT_EQ(opp("KI", "I"), "KI");
  EXPECT_EQ(opp("k", "X"), "K");
}

}  // namespace
