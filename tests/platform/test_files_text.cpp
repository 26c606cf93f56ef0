#include <gtest/gtest.h>

#include <iconv.h>

#include <unistd.h>

#include <utility>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/IniFiles.h"
#include "platform/Jpeg.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"

namespace {

TEST(CodePage, MatchesTheSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  ASSERT_NE(cd, (iconv_t)-1);
  for (int b = 0x20; b < 0x100; ++b) {
    char in[1] = {char(b)};
    char out[8] = {};
    char* ip = in;
    char* op = out;
    std::size_t il = 1, ol = sizeof out;
    if (iconv(cd, &ip, &il, &op, &ol) == std::size_t(-1)) continue;  // undefined in the code page
    EXPECT_EQ(Cp1250ToUtf8(std::string(1, char(b))), std::string(out, op)) << std::hex << b;
  }
  iconv_close(cd);
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
  EXPECT_EQ(Cp1250ToUtf8("zasob\363w"), "zasobów");
  EXPECT_EQ(Utf8ToCp1250("Raport zasobów ☺"), "Raport zasob\363w ?");
  EXPECT_EQ(Utf8ToCp1250("\xC3"), "?");  // cut sequence
  EXPECT_EQ(Cp1250ToUtf16("\271a"), u"\u0105a");
}

TEST(CodePage, SameTextIgnoresTheCaseOfAsciiLettersOnly) {
  EXPECT_TRUE(SameText("Data\\Intf", "data\\INTF"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_FALSE(SameText("\245", "\271"));  // "Ą" and "ą"
  EXPECT_FALSE(SameText("[", "{"));          // only letters are folded
}

TEST(Paths, ProgramPathsReachFilesOfAnyCase) {
  testsupport::TempDir dir;
  dir.Write("Data/Intf/Spec/R2_liaT.xji", "x");
  dir.Write("Data/exio44j/z^aba.+jp", "y");
  dir.Write("Raport zasobów.txt", "r");
  testsupport::ScopedCwd cwd(dir.Path());
  EXPECT_TRUE(FileExists("Data\\Intf\\Spec\\R2_liaT.xji"));
  EXPECT_TRUE(FileExists("data\\intf\\spec\\r2_liat.XJI"));
  EXPECT_TRUE(FileExists("Data\\exio44j\\z^aba.+jp"));
  EXPECT_TRUE(FileExists("Raport zasob\363w.txt"));
  EXPECT_FALSE(FileExists("Data\\Intf"));
  EXPECT_TRUE(DirectoryExists("Data\\Intf"));
  EXPECT_FALSE(FileExists("Data\\Intf\\Spec\\missing.xji"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_EQ(NativePath("data\\INTF\\new.txt"), "Data/Intf/new.txt");
  EXPECT_EQ(NativePath(dir.Path() + "/data/x"), dir.Path() + "/Data/x");
}

TEST(Paths, NameParts) {
  EXPECT_EQ(ExtractFileName("Data\\Smd\\a.pw"), "a.pw");
  EXPECT_EQ(ExtractFilePath("Data\\Smd\\a.pw"), "Data\\Smd\\");
  EXPECT_EQ(ExtractFileExt("Data\\x.y\\a.+jp"), ".+jp");
  EXPECT_EQ(ExtractFileExt("Data\\x.y\\noext"), "");
  EXPECT_EQ(ExtractFileName("C:file"), "file");
}

TEST(Search, SortedWithAttributesAndMasks) {
  testsupport::TempDir dir;
  dir.Write("d/B.pw", "1");
  dir.Write("d/a.pw", "22");
  dir.Write("d/.h.pw", "3");
  dir.Write("d/c.PW", "4");
  dir.Write("d/c.pwx", "5");
  dir.Write("d/sub/x", "6");
  testsupport::ScopedCwd cwd(dir.Path());
  auto list = [](const std::string& what, int attr) {
    std::vector<std::string> names;
    TSearchRec r;
    if (FindFirst(what, attr, r) == 0) {
      do names.push_back(r.Name); while (FindNext(r) == 0);
      FindClose(r);
    }
    return names;
  };
  EXPECT_EQ(list("d\\*.pw", 0), (std::vector<std::string>{"a.pw", "B.pw", "c.PW"}));
  EXPECT_EQ(list("d\\*.pw", faHidden), (std::vector<std::string>{".h.pw", "a.pw", "B.pw", "c.PW"}));
  EXPECT_EQ(list("d\\*", faDirectory), (std::vector<std::string>{"a.pw", "B.pw", "c.PW", "c.pwx", "sub"}));
  EXPECT_EQ(list("d\\?.pw", 0), (std::vector<std::string>{"a.pw", "B.pw", "c.PW"}));
  EXPECT_EQ(list("nothing\\*", 0), std::vector<std::string>{});
  EXPECT_TRUE(MatchesMask("abc", "*.*"));
  EXPECT_TRUE(MatchesMask("a.b.c", "*.c"));
  EXPECT_FALSE(MatchesMask("a.b.c", "*.b"));
  // Wildcards in a name are letters like any other.
  EXPECT_TRUE(MatchesMask("*x.wav", "*.*"));
  EXPECT_TRUE(MatchesMask("*x.wav", "*.wav"));
  EXPECT_TRUE(MatchesMask("a*b", "a*"));
  EXPECT_FALSE(MatchesMask("*", "?x"));
  EXPECT_TRUE(MatchesMask("?", "?"));
}

TEST(Files, CreateRenameDelete) {
  testsupport::TempDir dir;
  testsupport::ScopedCwd cwd(dir.Path());
  EXPECT_TRUE(ForceDirectories("Nagrane\\deep\\er"));
  EXPECT_TRUE(DirectoryExists("Nagrane\\deep\\er"));
  {
    TFileStream f("Nagrane\\a.tmp", fmCreate);
    f.WriteBuffer("hello", 5);
    EXPECT_TRUE(f.FlushToDisk());
  }
  EXPECT_EQ(FileSize("Nagrane\\a.tmp"), 5);
  EXPECT_TRUE(RenameFile("Nagrane\\a.tmp", "Nagrane\\a.wav"));
  EXPECT_FALSE(FileExists("Nagrane\\a.tmp"));
  EXPECT_TRUE(DeleteFile("Nagrane\\a.wav"));
  EXPECT_FALSE(DeleteFile("Nagrane\\a.wav"));
  EXPECT_EQ(FileSize("Nagrane\\a.wav"), -1);
}

TEST(Streams, FileStreamReadsWritesAndReportsErrors) {
  testsupport::TempDir dir;
  testsupport::ScopedCwd cwd(dir.Path());
  EXPECT_THROW(TFileStream("missing.bin", fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream("nofolder\\x.bin", fmCreate), EFCreateError);
  CreateDir("folder");
  EXPECT_THROW(TFileStream("folder", fmOpenRead), EFOpenError);
  {
    TFileStream f("data.bin", fmCreate);
    f.WriteBuffer("abcdef", 6);
    f.SetPosition(2);
    char c[2];
    f.ReadBuffer(c, 2);
    EXPECT_EQ(std::string(c, 2), "cd");
    f.WriteBuffer("XY", 2);
    EXPECT_EQ(f.Size(), 6);
  }
  TFileStream r("data.bin", fmOpenRead);
  char buf[10];
  EXPECT_EQ(r.Read(buf, 10), 6);  // short read is no error
  EXPECT_EQ(std::string(buf, 6), "abcdXY");
  r.SetPosition(4);
  EXPECT_THROW(r.ReadBuffer(buf, 3), EReadError);
}

TEST(Streams, MemoryStream) {
  TMemoryStream m;
  m.WriteBuffer("abc", 3);
  EXPECT_EQ(m.Size(), 3);
  EXPECT_EQ(m.Position(), 3);
  m.SetPosition(1);
  char c;
  m.ReadBuffer(&c, 1);
  EXPECT_EQ(c, 'b');
  m.SetSize(1);
  EXPECT_EQ(m.Position(), 1);
  EXPECT_EQ(m.Read(&c, 1), 0);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);

  // A negative size empties the stream and puts the position at its start.
  m.WriteBuffer("defgh", 5);
  m.SetSize(-5);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 0);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_EQ(m.Size(), 0);
  m.WriteBuffer("xy", 2);
  EXPECT_EQ(m.Size(), 2);
  EXPECT_EQ(m.Memory()[0], 'x');
}

// Files read whole are refused before reading when they are larger than
// their kind can be: a sparse 3 GB picture costs neither the time nor the
// memory of reading it.
TEST(Streams, WholeFilesAreReadOnlyUpToTheLimitOfTheirKind) {
  testsupport::TempDir dir;
  auto sparse = [&](const std::string& name, const std::string& head, std::int64_t size) {
    const std::string file = dir.Write(name, head);
    EXPECT_EQ(::truncate(file.c_str(), size), 0);
    return file;
  };
  const std::string exact = sparse("exact", "abc", 1000);
  EXPECT_EQ(ReadFileBytes(exact, 1000).size(), 1000u);
  EXPECT_THROW(ReadFileBytes(exact, 999), EReadError);
  EXPECT_THROW(ReadFileBytes(dir.File("none"), 1000), EFOpenError);
  TMemoryStream m;
  EXPECT_THROW(m.LoadFromFile(exact, 999), EReadError);

  TBitmap b;
  EXPECT_THROW(b.LoadFromFile(sparse("big.bmp", "BM", std::int64_t(3) << 30)), EReadError);
  TJPEGImage j;
  EXPECT_THROW(j.LoadFromFile(sparse("big.jpg", "\xFF\xD8", kMaxPictureFileBytes + 1)), EReadError);
  EXPECT_THROW(TIniFile(sparse("big.ini", "[A]\nK=1\n", kMaxTextFileBytes + 1)), EReadError);
  TStringList l;
  EXPECT_THROW(l.LoadFromFile(exact, 999), EReadError);
}

TEST(Strings, TextLines) {
  TStringList l;
  l.SetText("a\r\nb\n\nc");
  ASSERT_EQ(l.Count(), 4);
  EXPECT_EQ(l[2], "");
  EXPECT_EQ(l.IndexOf("c"), 3);
  EXPECT_EQ(l.IndexOf("d"), -1);
  EXPECT_EQ(l.Text(), "a\nb\n\nc\n");
}

TEST(Random, RuntimeDrawsShareOneState) {
  // state = state * 0x015A4E35 + 1 over 64 bits; Random31 takes bits 32..62,
  // Rand15 bits 16..30 after its own step.
  SeedRandom(1, 0);
  std::uint64_t s = 1;
  s = s * 0x015A4E35ull + 1;
  EXPECT_EQ(Random31(), std::int32_t((s >> 32) & 0x7FFFFFFF));
  s = s * 0x015A4E35ull + 1;
  EXPECT_EQ(Rand15(), int((s >> 16) & 0x7FFF));
  SeedRandom(1, 0);
  EXPECT_EQ(Rand15(), 346);  // (1 * 22695477 + 1) >> 16
}

TEST(Random, RangeStaysInsideAndScriptsReplaceDraws) {
  SeedRandom(5, 77);
  for (int i = 0; i < 1000; ++i) {
    int v = RandomRange(3, 9);
    EXPECT_GE(v, 3);
    EXPECT_LT(v, 9);
  }
  EXPECT_EQ(RandomRange(4, 4), 4);
  {
    RandomScript script;
    script.random31 = [] { return 42; };
    ScopedRandomScript s(script);
    EXPECT_EQ(Random31(), 42);
    int r = Rand15();  // not scripted: the real generator
    EXPECT_GE(r, 0);
  }
  EXPECT_NE(Random31(), 42);
}

TEST(ShuffleInts, DrawsForEveryPositionButTheLastAndSwapsWithTheDraw) {
  std::vector<std::pair<int, int>> calls;
  int answer = -1;  // -1: the last position
  RandomScript script;
  script.randomRange = [&](int from, int to) {
    calls.emplace_back(from, to);
    return answer < 0 ? to - 1 : answer;
  };
  ScopedRandomScript scoped(script);
  std::vector<int> v{10, 20, 30, 40, 50};
  ShuffleInts(v, 5);
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}, {3, 5}}));
  EXPECT_EQ(v, (std::vector<int>{50, 10, 20, 30, 40}));
  calls.clear();
  ShuffleInts(v, 1);
  ShuffleInts(v, 0);
  EXPECT_TRUE(calls.empty());
  std::vector<int> two{1, 2};
  answer = 0;
  ShuffleInts(two, 2);
  EXPECT_EQ(two, (std::vector<int>{1, 2}));
  answer = 1;
  ShuffleInts(two, 2);
  EXPECT_EQ(two, (std::vector<int>{2, 1}));
}

}  // namespace
