// The resource report on small data trees with missing and superfluous files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/Raportzasobow.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::ScopedCwd;
using testsupport::TempDir;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

const WordTableRow kRows[] = {
    {1, "kot", "_k,o,t,", 0x10010000},
    {1, "pies", "_pi,e,s,", 0x10002000},
    {1, "z^aba", "_\277,a,b,a,", 0x10000002},
    {0, "kot", "k,o,_t,", 0x41000000},
};

TEST(ResourceReport, MissingAndSuperfluousFiles) {
  TempDir dir;
  dir.Write("Data/exio44j/kot.+jp", "x");
  dir.Write("Data/exio44j/PIES.+JP", "x");      // names are matched regardless of case
  dir.Write("Data/exio44j/stary.+jp", "x");     // no such word
  dir.Write("Data/exio44j/kot.pw", "x");        // a recording among the pictures
  dir.Write("Data/exio44j/sub/z^aba.+jp", "x");  // folders are not searched
  dir.Write("Data/Smd/kot.pw", "x");
  dir.Write("Data/Smd/z^aba.pw", "x");
  dir.Write("Data/Smd/notatki.txt", "x");
  dir.Write("Data/Smd/.ukryty.pw", "x");
  dir.Write("Data/Smd/\305\274aba.pw", "x");  // "żaba.pw": a key writes ż as z^
  dir.Write("Data/Smd/*x.pw", "x");             // a star in a name is no wildcard
  ScopedCwd cwd(dir.Path());

  CSlowa d(kRows);
  const CResourceCheck check = CheckWordFiles(d);
  EXPECT_EQ(check.missingPictures, (std::vector<std::string>{"Data\\exio44j\\z^aba.+jp"}));
  EXPECT_EQ(check.missingRecordings, (std::vector<std::string>{"Data\\Smd\\pies.pw"}));
  EXPECT_EQ(check.extraPictures, (std::vector<std::string>{"Data\\exio44j\\kot.pw", "Data\\exio44j\\stary.+jp"}));
  EXPECT_EQ(check.extraRecordings,
            (std::vector<std::string>{"Data\\Smd\\*x.pw", "Data\\Smd\\.ukryty.pw", "Data\\Smd\\notatki.txt",
                                      "Data\\Smd\\\277aba.pw"}));

  ASSERT_TRUE(WriteResourceReport(d, kResourceReportFile));
  // The file's name and its text are UTF-8 on disk.
  const std::string onDisk = dir.File("Raport zasob\303\263w.txt");
  ASSERT_TRUE(std::filesystem::exists(onDisk));
  EXPECT_EQ(ReadFile(onDisk),
            "Brakuj\304\205ce obrazki s\305\202\303\263w (Data\\exio44j\\):\n"
            "Data\\exio44j\\z^aba.+jp\n"
            "\n"
            "Brakuj\304\205ce nagrania s\305\202\303\263w (Data\\Smd\\):\n"
            "Data\\Smd\\pies.pw\n"
            "\n"
            "Zb\304\231dne pliki w Data\\exio44j\\:\n"
            "Data\\exio44j\\kot.pw\n"
            "Data\\exio44j\\stary.+jp\n"
            "\n"
            "Zb\304\231dne pliki w Data\\Smd\\:\n"
            "Data\\Smd\\*x.pw\n"
            "Data\\Smd\\.ukryty.pw\n"
            "Data\\Smd\\notatki.txt\n"
            "Data\\Smd\\\305\274aba.pw\n"
            "\n"
            "Brakuj\304\205cych obrazk\303\263w: 1, brakuj\304\205cych nagra\305\204: 1, zb\304\231dnych plik\303\263w: 6.\n");
}

TEST(ResourceReport, WholeDictionaryOnAlmostCompleteTree) {
  TempDir dir;
  {
    CSlowa d;
    for (const CSlowa::CPaczkaEx* w : d.words) {
      if (w->key != "kot") dir.Write("Data/exio44j/" + w->key + ".+jp", "x");
      if (w->key != "kot" && w->key != "zygzak") dir.Write("Data/Smd/" + w->key + ".pw", "x");
    }
  }
  dir.Write("Data/Smd/kotek.pw", "x");
  ScopedCwd cwd(dir.Path());
  ASSERT_TRUE(RunResourceReport());
  const std::string text = ReadFile(dir.File("Raport zasob\303\263w.txt"));
  EXPECT_NE(text.find("\nData\\exio44j\\kot.+jp\n"), std::string::npos);
  EXPECT_NE(text.find("\nData\\Smd\\kot.pw\nData\\Smd\\zygzak.pw\n"), std::string::npos);
  EXPECT_NE(text.find("\nData\\Smd\\kotek.pw\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with(": 1, brakuj\304\205cych nagra\305\204: 2, zb\304\231dnych plik\303\263w: 1.\n")) << text;
}

TEST(ResourceReport, NoDataFoldersAndUnwritableReport) {
  TempDir dir;
  ScopedCwd cwd(dir.Path());
  CSlowa d(kRows);
  const CResourceCheck check = CheckWordFiles(d);
  EXPECT_EQ(check.missingPictures.size(), 3u);
  EXPECT_EQ(check.missingRecordings.size(), 3u);
  EXPECT_TRUE(check.extraPictures.empty());
  EXPECT_TRUE(check.extraRecordings.empty());
  EXPECT_TRUE(ResourceReportText(check).ends_with(": 3, brakuj\271cych nagra\361: 3, zb\352dnych plik\363w: 0.\n"));

  // A report that cannot be written is a failure, not a success.
  EXPECT_FALSE(WriteResourceReport(d, "Brak\\folderu\\raport.txt"));
  std::filesystem::create_directory(dir.File("Raport zasob\303\263w.txt"));
  EXPECT_FALSE(RunResourceReport());
}

}  // namespace
