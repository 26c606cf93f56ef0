// The program from start to end on the headless back end: the start-up in
// each art set, the main window's choices reaching the settings file, the
// starters, the fatal errors and the "z" report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <stdexcept>
#include <sys/stat.h>

#include "platform/IniFiles.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "shell/Fmoprogramie.h"
#include "shell/Fmsplash.h"
#include "shell/Singleinstance.h"
#include "shell/_cstatrec.h"
#include "tests/shell/OtherCopy.h"
#include "tests/shell/ShellProgram.h"
#include "tests/support/DamagedFiles.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using shelltest::ClickOn;
using shelltest::ShellProgram;
using shelltest::ShellTree;
using shelltest::TreeOptions;

// ---- a start, a few choices, an end: in each art set ----

struct ScreenCase {
  int w, h, toggleWidth;
};

class EachArtSet : public ShellProgram, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(EachArtSet, ChoicesReachTheSettingsFileAndTheProgramEndsOnClose) {
  const ScreenCase sc = GetParam();
  hb().SetScreenSize(sc.w, sc.h);
  tree = std::make_unique<ShellTree>();
  std::string home = std::filesystem::canonical(tree->Path()).string();
  bool ready = false;
  options.onReady = [&] {
    ready = true;
    EXPECT_EQ(FormSplashScreen, nullptr);
    ASSERT_NE(FormMain, nullptr);
    EXPECT_TRUE(FormMain->Visible());
    EXPECT_EQ(FormMain->Width(), sc.w);
    EXPECT_EQ(Application->Title, "Trelamondo Cz.V");
    EXPECT_EQ(std::filesystem::current_path().string(), home);
    EXPECT_NE(Screen->Cursors(1), nullptr);
    EXPECT_NE(Screen->Cursors(2), nullptr);
    EXPECT_EQ(FileSize(tree->File("prgst5.stt")), kStatHeaderSize);
    EXPECT_EQ(FormMain->SoundToggle(0)->GetImage()->Width(), sc.toggleWidth);
    EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");
  };
  Step([this] { ClickOn(FormMain->TabToggle(3)->GetImage()); });
  Step([this] {
    EXPECT_EQ(CurrentTab, 3);
    EXPECT_TRUE(FormMain->TabToggle(3)->GetChecked());
    EXPECT_FALSE(FormMain->TabToggle(1)->GetChecked());
    ClickOn(FormMain->SoundToggle(8)->GetImage());  // Ś
  });
  Step([this] { ClickOn(FormMain->PositionToggle(0)->GetImage()); });  // initial off
  Step([this] { ClickOn(FormMain->AmountToggle(2)->GetImage()); });
  Step([this] {
    EXPECT_TRUE(FormMain->AmountToggle(2)->GetChecked());
    EXPECT_FALSE(FormMain->AmountToggle(0)->GetChecked());
    ClickOn(FormMain->SpeakerToggle()->GetImage());  // the music off
  });
  Step([this] {
    EXPECT_EQ(hb().Music(), "");
    ClickOn(FormMain->TabToggle(6)->GetImage());
  });
  Step([this] {
    EXPECT_FALSE(FormMain->SoundToggle(0)->GetImage()->Visible());
    EXPECT_FALSE(FormMain->Button(TFormMain::bStart)->Visible());
    EXPECT_TRUE(FormMain->Button(TFormMain::bRecord)->Visible());
    EXPECT_TRUE(FormMain->Row(0)->Area()->Visible());
    ClickOn(FormMain->TabToggle(2)->GetImage());
  });
  CloseAtTheEnd();

  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ready);
  EXPECT_EQ(FormMain, nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(std::filesystem::current_path(), startDir_);
  TIniFile ini(tree->File("Data/data.ini"));
  EXPECT_EQ(ini.ReadInteger("DaneProgramu", "LU", 0), 1);
  EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), 2);
  EXPECT_FALSE(ini.ReadBool("DaneProgramu", "Muzyka", true));
  EXPECT_EQ(ini.ReadInteger("Kwiatki", "Gloski", 0), 0x103);
  EXPECT_EQ(ini.ReadInteger("Kwiatki", "Pozycja", 0), 0x60000000);
  EXPECT_EQ(ini.ReadInteger("Kwiatki", "Poziom", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Podpisz4", "Gloski", 0), 3);  // untouched
  EXPECT_TRUE(hb().MessageBoxes().empty());

  // The next start reads it all back and opens on the last tab.
  ResetSettings();
  Step([this] {
    EXPECT_EQ(CurrentTab, 2);
    EXPECT_EQ(SettingsKwiatki.Level, 3);
    EXPECT_TRUE(FormMain->TabToggle(2)->GetChecked());
    EXPECT_EQ(hb().Music(), "");
  });
  CloseAtTheEnd();
  options.onReady = nullptr;
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "LU", 0), 2);
}

INSTANTIATE_TEST_SUITE_P(Screens, EachArtSet,
                         ::testing::Values(ScreenCase{800, 600, 52}, ScreenCase{1024, 768, 64},
                                           ScreenCase{1280, 1024, 64}));

TEST_F(ShellProgram, TheSettingsAreWrittenAtStartUpAndExitNotOnEveryChoice) {
  options.onReady = [this] {
    EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "LU", 0), 1);
    std::filesystem::remove(tree->File("Data/data.ini"));
  };
  Step([this] { ClickOn(FormMain->TabToggle(3)->GetImage()); });
  Step([this] { ClickOn(FormMain->TabToggle(6)->GetImage()); });
  Step([this] { ClickOn(FormMain->TabToggle(2)->GetImage()); });
  Step([this] { EXPECT_FALSE(std::filesystem::exists(tree->File("Data/data.ini"))); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "Zakladka", 0), 2);
}

TEST_F(ShellProgram, TheSplashShowsWhileStartUpRuns) {
  hb().SetScreenSize(1024, 768);
  bool seen = false;
  // The letter tiles are asked for while the splash shows.
  resources.onRequest = [&](const std::string& name) {
    if (name != "a_b") return;
    seen = FormSplashScreen && FormSplashScreen->Visible();
    EXPECT_EQ(FormSplashScreen->Caption, "Trelamondo Cz.V Splash");
    TColor c = hb().ScreenPixel(512, 384);
    EXPECT_NEAR(GetRValue(c), GetRValue(ShellTree::kBox), 6);
    EXPECT_NEAR(GetBValue(c), GetBValue(ShellTree::kBox), 6);
  };
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(seen);
}

// ---- the starters ----

// Pixels of the wait picture still in the middle of a 1024 x 768 screen.
int WaitPictureLeft() {
  int left = 0;
  for (int y = 384 - 15; y < 384 + 15; ++y)
    for (int x = 512 - 20; x < 512 + 20; ++x) {
      TColor c = Headless().ScreenPixel(x, y);
      left += std::abs(GetRValue(c) - GetRValue(ShellTree::kWait)) <= 8 &&
              std::abs(GetBValue(c) - GetBValue(ShellTree::kWait)) <= 8;
    }
  return left;
}

class FakeGame : public IGameWindow {
 public:
  explicit FakeGame(bool enough) : enough_(enough) {}
  void PrepareCandidates() override { calls += "P"; }
  bool HasEnoughWords() override {
    calls += "H";
    return enough_;
  }
  int ShowGame() override {
    calls += "S";
    if (during) during();
    return 2;
  }
  std::string calls;
  std::function<void()> during;

 private:
  bool enough_;
};

TEST_F(ShellProgram, AGameStartWritesTheSettingsOnlyWhenTheyChangedSinceTheLastWrite) {
  FakeGame labelIt(true);
  options.createGameWindows = [&] { SetGameWindow(1, &labelIt); };
  auto ini = [this] { return tree->File("Data/data.ini"); };
  options.onReady = [&] { std::filesystem::remove(ini()); };  // written at start-up
  Step([this] { ClickOn(FormMain->Button(TFormMain::bStart)); });
  Step([&] {
    EXPECT_FALSE(std::filesystem::exists(ini()));
    ClickOn(FormMain->AmountToggle(2)->GetImage());
  });
  Step([this] { ClickOn(FormMain->Button(TFormMain::bStart)); });
  Step([&] {
    ASSERT_TRUE(std::filesystem::exists(ini()));
    EXPECT_EQ(TIniFile(ini()).ReadInteger("Podpisz4", "Poziom", 0), 3);
    std::filesystem::remove(ini());
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([&] { EXPECT_FALSE(std::filesystem::exists(ini())); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(labelIt.calls, "PHSPHSPHS");
  EXPECT_EQ(TIniFile(ini()).ReadInteger("DaneProgramu", "LU", 0), 1);  // the exit writes it all the same
}

TEST_F(ShellProgram, StartersAskTheGameAndShowMessage3WhenWordsAreTooFew) {
  FakeGame labelIt(true), oddOneOut(false);
  options.createGameWindows = [&] {
    SetGameWindow(1, &labelIt);
    SetGameWindow(4, &oddOneOut);
  };
  bool played = false;
  labelIt.during = [&] {
    played = true;
    EXPECT_EQ(hb().Music(), "");  // stopped for the game
    // The wait picture in the middle of the main window, on the screen.
    TColor c = hb().ScreenPixel(512, 384);
    EXPECT_NEAR(GetRValue(c), GetRValue(ShellTree::kWait), 8);
    EXPECT_NEAR(GetBValue(c), GetBValue(ShellTree::kWait), 8);
  };
  Step([this] { ClickOn(FormMain->Button(TFormMain::bStart)); });  // tab 1
  Step([&] {
    EXPECT_EQ(labelIt.calls, "PHS");
    // The main window is drawn again, its background read back: no pixel of the wait picture is left.
    EXPECT_EQ(WaitPictureLeft(), 0);
    EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");  // back after the game
    ClickOn(FormMain->TabToggle(4)->GetImage());
  });
  Step([this] {
    SettingsCoNiePasuje3.PhonemeMask = -1;
    SettingsCoNiePasuje3.PositionMask = -1;
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([&] {
    EXPECT_EQ(oddOneOut.calls, "PH");
    EXPECT_EQ(SettingsCoNiePasuje3.PhonemeMask, 0x3FFFFFF);
    EXPECT_EQ(SettingsCoNiePasuje3.PositionMask, 0x70000000);
    ASSERT_TRUE(FormKomunikat->Visible());
    EXPECT_EQ(FormKomunikat->Message(), kMsgTooFewWords);
    EXPECT_EQ(TFormKomunikat::MessageText(3), "Prosz\352 wybra\346 wi\352ksz\271 liczb\352 g\263osek lub pozycji.");
    ClickOn(FormKomunikat->StopButton());
  });
  Step([this] {
    EXPECT_FALSE(FormKomunikat->Visible());
    ClickOn(FormMain->TabToggle(2)->GetImage());
  });
  Step([this] {
    // No game on tab 2 yet: "start" does nothing at all. Without these files
    // a write of the settings or a pause of the music would show.
    std::filesystem::remove(tree->File("Data/data.ini"));
    std::filesystem::remove(tree->File("Data/Intf/Smd/music.wav"));
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([this] {
    EXPECT_FALSE(FormKomunikat->Visible());
    EXPECT_FALSE(std::filesystem::exists(tree->File("Data/data.ini")));
    EXPECT_EQ(hb().Music(), "Data\\Intf\\Smd\\music.wav");
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(played);
  EXPECT_EQ(GameWindow(1), nullptr);  // unregistered at the end
}

TEST_F(ShellProgram, ACloseRequestGoesToTheTopmostWindow) {
  FakeGame game(true);
  int result = 0;
  game.during = [&] { result = FormKoniecGry->ShowModal(); };
  options.createGameWindows = [&] { SetGameWindow(1, &game); };
  // The main window, covered by the about box, comes back whole: its start
  // button and a toggle as they were, and the about button, still under the
  // mouse, as the click left it.
  TPoint start{}, toggle{}, about{};
  TColor startColour = 0, toggleColour = 0, aboutColour = 0;
  Step([&] {
    start = shelltest::CentreOf(FormMain->Button(TFormMain::bStart));
    toggle = shelltest::CentreOf(FormMain->SoundToggle(0)->GetImage());
    about = shelltest::CentreOf(FormMain->Button(TFormMain::bAbout));
    startColour = hb().ScreenPixel(start.x, start.y);
    toggleColour = hb().ScreenPixel(toggle.x, toggle.y);
    aboutColour = hb().ScreenPixel(about.x, about.y);
    EXPECT_NE(startColour, hb().ScreenPixel(5, 5));  // the buttons stand out from the background
    EXPECT_NE(toggleColour, hb().ScreenPixel(5, 5));
    ClickOn(FormMain->Button(TFormMain::bAbout));
  });
  Step([&] {
    ASSERT_TRUE(FormOProgramie->Visible());
    hb().RequestClose();
  });
  Step([&] {
    EXPECT_FALSE(FormOProgramie->Visible());
    EXPECT_TRUE(FormMain->Visible());
    EXPECT_EQ(hb().ScreenPixel(start.x, start.y), startColour);
    EXPECT_EQ(hb().ScreenPixel(toggle.x, toggle.y), toggleColour);
    EXPECT_NE(hb().ScreenPixel(about.x, about.y), aboutColour);
    EXPECT_NE(hb().ScreenPixel(about.x, about.y), hb().ScreenPixel(5, 5));
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([this] {
    ASSERT_TRUE(FormKoniecGry->Visible());
    hb().RequestClose();
  });
  Step([&] {
    EXPECT_EQ(result, kKoniecCloseGame);
    EXPECT_TRUE(FormMain->Visible());
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(game.calls, "PHS");
}

// Drawn afresh after the about box covered it, the main window is as it was,
// pixel for pixel (the about button aside, which shows the click), on a game
// tab and on the recorder's with its list and status line.
TEST_F(ShellProgram, TheMainWindowComesBackWholeAfterTheAboutBox) {
  TBitmap before;
  auto sameScreen = [this, &before] {
    const TRect about = FormMain->Button(TFormMain::bAbout)->BoundsRect();
    int differ = 0;
    for (int y = 0; y < before.Height(); ++y)
      for (int x = 0; x < before.Width(); ++x)
        differ += !about.Contains(x, y) && hb().ScreenPixel(x, y) != before.PixelColor(x, y);
    return differ;
  };
  for (int tab : {1, 6}) {
    Step([&, tab] { ClickOn(FormMain->TabToggle(tab)->GetImage()); });
    Step([&] {
      before.Assign(&hb().Screen());
      ClickOn(FormMain->Button(TFormMain::bAbout));
    });
    Step([&] {
      ASSERT_TRUE(FormOProgramie->Visible());
      EXPECT_TRUE(FormMain->Surface()->Empty());  // covered: drawn afresh when it shows again
      EXPECT_GT(sameScreen(), 0);
      hb().Key(VK_ESCAPE, 27);
    });
    Step([&, tab] {
      EXPECT_EQ(sameScreen(), 0);
      // Not only as before, but all there: the loudspeaker on the test tree's
      // black and, on the recorder's tab, the status line under the list.
      const TPoint speaker = shelltest::CentreOf(FormMain->SpeakerToggle()->GetImage());
      EXPECT_NE(hb().ScreenPixel(speaker.x, speaker.y), clBlack);
      auto ink = [this](const TRect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
          for (int x = r.left; x < r.right; ++x) n += hb().ScreenPixel(x, y) != clBlack;
        return n;
      };
      if (tab == 6) {
        const TRect last = FormMain->Row(7)->Rect();
        EXPECT_GT(ink(Rect(last.left, last.bottom + 1, last.right, last.bottom + 60)), 0);
      } else {
        const TImage* sz = FormMain->SoundToggle(0)->GetImage();  // the label over the sounds
        EXPECT_GT(ink(Rect(sz->Left(), sz->Top() - 25, sz->Left() + 100, sz->Top() - 2)), 0);
      }
    });
  }
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
}

// ---- the program's folder ----

// A copy of the shell's tree in a folder whose name has letters outside code
// page 1250, started from another folder.
class ForeignFolderName : public ShellProgram {
 protected:
  void SetUp() override {
    ShellProgram::SetUp();
    ShellTree source;
    home = std::filesystem::path(outer.Path()) / "\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xBE" / "program";
    std::filesystem::create_directories(home);
    std::filesystem::copy(source.Path(), home, std::filesystem::copy_options::recursive);
    launch = std::make_unique<testsupport::ScopedCwd>(launchDir.Path());
  }
  void TearDown() override {
    launch.reset();
    ShellProgram::TearDown();
  }
  int RunIn(const std::filesystem::path& folder, std::vector<std::string> args = {}) {
    options.singleInstance = false;
    int code = RunProgram(args, folder.string(), options);
    EXPECT_EQ(hb().StepsLeft(), 0u);
    return code;
  }
  bool LaunchFolderEmpty() const { return std::filesystem::is_empty(launchDir.Path()); }

  testsupport::TempDir outer, launchDir;
  std::filesystem::path home;
  std::unique_ptr<testsupport::ScopedCwd> launch;
};

TEST_F(ForeignFolderName, TheProgramRunsInItsOwnFolderAndWritesEverythingThere) {
  options.onReady = [&] { EXPECT_EQ(std::filesystem::current_path(), home); };
  Step([this] { ClickOn(FormMain->TabToggle(5)->GetImage()); });
  CloseAtTheEnd();
  EXPECT_EQ(RunIn(home), 0);
  EXPECT_TRUE(hb().MessageBoxes().empty());
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(launchDir.Path()));
  EXPECT_TRUE(LaunchFolderEmpty());
  EXPECT_EQ(std::filesystem::file_size(home / "prgst5.stt"), std::uintmax_t(kStatHeaderSize));
  // The last tab reaches the settings there (read natively: the program's
  // file functions take code page 1250 paths).
  std::ifstream in(home / "Data" / "data.ini");
  std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::erase(ini, '\r');
  EXPECT_NE(ini.find("LU=1\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Zakladka=5\n"), std::string::npos) << ini;
}

TEST_F(ForeignFolderName, TheReportIsWrittenThere) {
  EXPECT_EQ(RunIn(home, {"z"}), 0);
  EXPECT_TRUE(std::filesystem::exists(home / "Raport zasob\xC3\xB3w.txt"));
  EXPECT_TRUE(LaunchFolderEmpty());
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(launchDir.Path()));
}

TEST_F(ForeignFolderName, AFolderThatCannotBeEnteredEndsTheStartUpWithCode1) {
  const std::filesystem::path missing = home / "brak";
  EXPECT_EQ(RunIn(missing), 1);
  ASSERT_EQ(hb().MessageBoxes().size(), 1u);
  EXPECT_EQ(hb().MessageBoxes()[0].text, Cp1250ToUtf8(CBlad::Text(1)));
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_TRUE(LaunchFolderEmpty());
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(launchDir.Path()));
  // "z" without its folder writes nothing anywhere.
  EXPECT_EQ(RunIn(missing, {"z"}), 1);
  EXPECT_TRUE(LaunchFolderEmpty());
}

// A termination signal on the main window, while a recording is made: the
// program ends as its exit does, the settings chosen written.
TEST_F(ShellProgram, ATerminationSignalEndsTheProgramAsItsExitDoes) {
  Step([this] { ClickOn(FormMain->TabToggle(6)->GetImage()); });
  Step([this] { ClickOn(FormMain->Button(TFormMain::bTryRecord)); });
  Step([this] {
    EXPECT_TRUE(hb().Capturing());
    hb().Terminate();
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(hb().Capturing());
  EXPECT_EQ(FormMain, nullptr);
  EXPECT_TRUE(hb().MessageBoxes().empty());
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "Zakladka", 0), 6);
}

// A cursor whose picture the library refuses leaves the arrow in its place
// and says which picture it was; the program runs on.
TEST_F(ShellProgram, ACursorPictureRefusedLeavesTheArrowAndALine) {
  resources.refuse = "SEKATOR_M";
  options.onReady = [] {
    EXPECT_NE(Screen->Cursors(1), nullptr);
    EXPECT_EQ(Screen->Cursors(2), nullptr);
  };
  CloseAtTheEnd();
  testing::internal::CaptureStderr();
  EXPECT_EQ(Run(), 0);
  const std::string err = testing::internal::GetCapturedStderr();
  const std::string line = "trelamondo: the cursor picture SEKATOR_M is missing from the resource library";
  ASSERT_NE(err.find(line), std::string::npos) << err;
  EXPECT_EQ(err.find(line, err.find(line) + 1), std::string::npos) << err;
}

// ---- fatal errors: the message, then the same way out as a normal end ----

struct FatalCase {
  const char* name;
  int code;
};

// Each fatal error says on standard error what failed.
class Fatal : public ShellProgram {
 protected:
  void ExpectFatal(int code, const std::string& said) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Run(), 1);
    const std::string err = testing::internal::GetCapturedStderr();
    // One line, saying what failed.
    const std::size_t line = err.find("trelamondo: ");
    ASSERT_NE(line, std::string::npos) << err;
    EXPECT_NE(err.substr(line, err.find('\n', line) - line).find(said), std::string::npos) << err;
    ASSERT_EQ(hb().MessageBoxes().size(), 1u);
    EXPECT_EQ(hb().MessageBoxes()[0].text, Cp1250ToUtf8(CBlad::Text(std::int16_t(code))));
    EXPECT_EQ(hb().MessageBoxes()[0].caption, "Trelamondo Cz.V - B\xC5\x82\xC4\x85" "d");
    EXPECT_EQ(Application->ComponentCount(), 0);
    EXPECT_EQ(FormSplashScreen, nullptr);
    EXPECT_EQ(StatRec, nullptr);
    EXPECT_EQ(std::filesystem::current_path(), startDir_);
  }
};

TEST_F(Fatal, ScreenBelow800x600) {
  hb().SetScreenSize(799, 600);
  ExpectFatal(2, Cp1250ToUtf8(CBlad::Text(2)));
  EXPECT_FALSE(std::filesystem::exists(tree->File("Data/data.ini")));
}

TEST_F(Fatal, NoFonts) {
  TreeOptions o;
  o.fonts = false;
  tree = std::make_unique<ShellTree>(o);
  ExpectFatal(1, "Data\\Intf\\Spec\\tw5cz.tfs: the font Kwi_R3 is missing or damaged");
}

TEST_F(Fatal, LetterTilesMissing) {
  resources.refuse = "zzz_red_b";
  ExpectFatal(1, "zzz_red_b");
}

TEST_F(Fatal, SettingsFileCannotBeWritten) {
  tree = std::make_unique<ShellTree>();
  std::filesystem::create_directories(tree->File("Data/data.ini"));
  ExpectFatal(4, "Data\\data.ini");
}

TEST_F(Fatal, StatisticsFileCannotBeMade) {
  tree = std::make_unique<ShellTree>();
  std::filesystem::create_directories(tree->File("prgst5.stt"));
  ExpectFatal(3, "prgst5.stt");
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("DaneProgramu", "LU", 0), 1);
}

TEST_F(Fatal, MainWindowBackgroundMissing) {
  hb().SetScreenSize(800, 600);
  TreeOptions o;
  o.skip = {"Data/Intf/Spec/R2_mainT.xji"};
  tree = std::make_unique<ShellTree>(o);
  ExpectFatal(1, "R2_mainT.xji");
}

// A picture declaring 16383 x 4095 pixels, cut after its first bytes, in
// place of the background: refused from its header, naming the file.
TEST_F(Fatal, MainWindowBackgroundDeclaringAHugePicture) {
  hb().SetScreenSize(800, 600);
  tree = std::make_unique<ShellTree>();
  TBitmap small;
  shelltest::Fill(small, 64, 48, clBlue);
  tree->dir.Write("Data/Intf/Spec/R2_mainT.xji",
                  testsupport::JpegDeclaringSize(EncodeJpeg(small, 90, false), 16383, 4095));
  ExpectFatal(1, "Data\\Intf\\Spec\\R2_mainT.xji: JPEG error: the picture declares 16383 x 4095 pixels");
}

TEST_F(Fatal, LoudspeakerPictureMissing) {
  TreeOptions o;
  o.skip = {"Data/Intf/Spec/R3_glos_AW.xbi"};
  tree = std::make_unique<ShellTree>(o);
  ExpectFatal(1, "R3_glos_AW.xbi: Cannot open file");
}

TEST_F(Fatal, EndOfGameWindowPictureMissingAfterTheMainWindowWasMade) {
  TreeOptions o;
  o.skip = {"Data/Intf/Spec/mKon_kp.xji"};
  tree = std::make_unique<ShellTree>(o);
  // A choice made once the main window stands, after start-up wrote the file.
  resources.onRequest = [](const std::string& name) {
    if (FormMain && name == "stop_D") SettingsKwiatki.Level = 3;
  };
  ExpectFatal(1, "mKon_kp.xji");
  // The main window was made and destroyed: it wrote the settings.
  EXPECT_EQ(TIniFile(tree->File("Data/data.ini")).ReadInteger("Kwiatki", "Poziom", 0), 3);
}

TEST_F(Fatal, AGameWindowThatCannotBeBuilt) {
  options.createGameWindows = [] { throw CBlad(1, "the game's picture"); };
  ExpectFatal(1, "the game's picture");
}

TEST_F(Fatal, AnyOtherExceptionDuringStartUpEndsTheSameWayAndLetsTheLockGo) {
  options.createGameWindows = [] { throw std::runtime_error("no window"); };
  testsupport::TempDir lockDir;
  tree = std::make_unique<ShellTree>();
  RunOptions o = options;
  o.instanceFolder = lockDir.Path();
  EXPECT_EQ(RunProgram({}, tree->Path(), o), 1);
  ASSERT_EQ(hb().MessageBoxes().size(), 1u);
  EXPECT_EQ(hb().MessageBoxes()[0].text, Cp1250ToUtf8(CBlad::Text(1)));
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(StatRec, nullptr);
  EXPECT_EQ(std::filesystem::current_path(), startDir_);
  EXPECT_EQ(shelltest::AcquireElsewhere(lockDir.Path(), 200), CSingleInstance::First);
}

// An error that escapes a handler is shown, and the program goes on.
TEST_F(ShellProgram, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  class Hungry : public FakeGame {
   public:
    Hungry() : FakeGame(true) {}
    int ShowGame() override { throw std::bad_alloc(); }
  } game;
  options.createGameWindows = [&] { SetGameWindow(1, &game); };
  Step([this] {
    testing::internal::CaptureStderr();
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([this] {
    EXPECT_NE(testing::internal::GetCapturedStderr().find("bad_alloc"), std::string::npos);
    ASSERT_EQ(hb().MessageBoxes().size(), 1u);
    EXPECT_EQ(UtfBoxText(0), "Za mało pamięci, by dokończyć tę czynność.");
    EXPECT_NE(FormMain, nullptr);
    EXPECT_TRUE(FormMain->Visible());
    EXPECT_EQ(WaitPictureLeft(), 0);  // the window drawn whole again, on its background
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(FormMain, nullptr);
  EXPECT_EQ(GameWindow(1), nullptr);
}

// ---- "z": the report, without a window ----

TEST_F(ShellProgram, ArgumentZRunsTheReportBesideTheProgramAndEnds) {
  EXPECT_EQ(Run({"z"}), 0);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(hb().PresentCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(tree->File("Data/data.ini")));
  EXPECT_FALSE(std::filesystem::exists(tree->File("prgst5.stt")));
  EXPECT_EQ(std::filesystem::current_path(), startDir_);
  EXPECT_TRUE(std::filesystem::exists(tree->File("Raport zasob\xC3\xB3w.txt")));
}

TEST_F(ShellProgram, ArgumentZEndsWithCode1WhenTheReportCannotBeWritten) {
  tree = std::make_unique<ShellTree>();
  std::filesystem::create_directories(tree->File("Raport zasob\xC3\xB3w.txt"));  // a folder in its place
  testing::internal::CaptureStderr();
  EXPECT_EQ(Run({"z"}), 1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("trelamondo: Cannot create file \"Raport zasob\xC3\xB3w.txt\""), std::string::npos) << err;
  EXPECT_EQ(std::filesystem::current_path(), startDir_);
}

}  // namespace
