// The message box, the end-of-game window and the about box on their own.
#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmoprogramie.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "tests/shell/ShellTree.h"
#include "tests/support/Headless.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

namespace {

using shelltest::ClickOn;

class Dialogs : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    cwd = std::make_unique<testsupport::ScopedCwd>(tree.Path());
    Display.SelectMode();
  }
  void TearDown() override {
    EXPECT_EQ(hb().StepsLeft(), 0u) << "steps that never ran";
    cwd.reset();
    HeadlessTest::TearDown();
  }
  shelltest::ShellTree tree;
  shelltest::ShellResources resources;
  std::unique_ptr<testsupport::ScopedCwd> cwd;
};

TEST_F(Dialogs, EndOfGameShowsTheSessionAndReturnsOnlyOneOrTwo) {
  CStatRec stat(tree.File("prgst5.stt"));
  StatRec = &stat;
  stat.Start(&SettingsLiany);
  stat.AddGood();
  stat.AddBad();
  stat.AddBad();
  hb().AdvanceTime(125400);
  stat.End();

  TFormKoniecGry w(nullptr);
  EXPECT_EQ(w.Width(), 480);
  EXPECT_EQ(w.Left(), (1024 - 480) / 2);
  // The round corners let the screen through.
  EXPECT_FALSE(w.RegionContains(0, 0));
  EXPECT_TRUE(w.RegionContains(240, 160));

  hb().Then([&] { ClickOn(w.StartButton()); });
  EXPECT_EQ(w.ShowModal(), kKoniecPlayAgain);
  EXPECT_FALSE(w.Visible());
  hb().Then([&] { ClickOn(w.StopButton()); });
  EXPECT_EQ(w.ShowModal(), kKoniecCloseGame);
  hb().Then([&] { hb().Key(VK_ESCAPE, 27); });
  EXPECT_EQ(w.ShowModal(), kKoniecCloseGame);
  hb().Then([&] { hb().RequestClose(); });
  EXPECT_EQ(w.ShowModal(), kKoniecCloseGame);
  // Enter and other keys do nothing.
  hb().Then([&] { hb().Key(VK_RETURN, 13); });
  hb().Then([&] { hb().Key('A', 'a'); });
  hb().Then([&] {
    EXPECT_TRUE(w.Visible());
    ClickOn(w.StartButton());
  });
  EXPECT_EQ(w.ShowModal(), kKoniecPlayAgain);
  StatRec = nullptr;

  EXPECT_EQ(TFormKoniecGry::FormatTime(125400), "2:05");
  EXPECT_EQ(TFormKoniecGry::FormatTime(999), "0:00");
  EXPECT_EQ(TFormKoniecGry::FormatTime(3725000), "62:05");
}

TEST_F(Dialogs, TheEndOfGameWindowKeepsTheLoopGoingBehindIt) {
  TFormKoniecGry w(nullptr);
  int idles = 0, ticks = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    ++idles;
    done = idles > 5;
  };
  TTimer t(nullptr);
  t.SetInterval(10);
  t.OnTimer = [&](TObject*) { ++ticks; };
  hb().Then([&] { hb().AdvanceTime(50); });
  hb().Then([&] { ClickOn(w.StopButton()); });
  EXPECT_EQ(w.ShowModal(), kKoniecCloseGame);
  EXPECT_GT(idles, 5);
  EXPECT_GT(ticks, 0);
  Application->OnIdle = nullptr;
}

TEST_F(Dialogs, DialogsAreDraggedByTheirClientArea) {
  TFormKomunikat box(nullptr);
  box.SetMessage(kMsgNoMicrophone);
  int x0 = box.Left(), y0 = box.Top();
  hb().Then([&] {
    hb().MouseMove(x0 + 30, y0 + 10);
    hb().MouseDown(x0 + 30, y0 + 10);
    hb().MouseMove(x0 + 130, y0 + 60);
    hb().MouseUp(x0 + 130, y0 + 60);
  });
  hb().Then([&] {
    EXPECT_EQ(box.Left(), x0 + 100);
    EXPECT_EQ(box.Top(), y0 + 50);
    // Dragged far away, a part of it stays on the screen.
    hb().MouseDown(box.Left() + 30, box.Top() + 10);
    hb().MouseMove(box.Left() + 3000, box.Top() + 3000);
    hb().MouseUp(box.Left() + 3000, box.Top() + 3000);
  });
  hb().Then([&] {
    EXPECT_LE(box.Left(), 1024 - 40);
    EXPECT_LE(box.Top(), 768 - 40);
    hb().Key(VK_RETURN, 13);
  });
  EXPECT_EQ(box.ShowModal(), mrOk);
}

TEST_F(Dialogs, MessageTexts) {
  EXPECT_EQ(TFormKomunikat::MessageText(kMsgTooFewWords), "Prosz\352 wybra\346 wi\352ksz\271 liczb\352 g\263osek lub pozycji.");
  for (std::int16_t code : {kMsgNoRecordingMarked, kMsgNoMicrophone, kMsgRecordingNotSaved, kMsgSlotEmpty,
                            kMsgSlotProtected, kMsgNoTryOut})
    EXPECT_FALSE(TFormKomunikat::MessageText(code).empty()) << code;
  EXPECT_TRUE(TFormKomunikat::MessageText(1).empty());
}

TEST_F(Dialogs, MessageBoxClosesWithItsButtonEscOrACloseRequest) {
  TFormKomunikat box(nullptr);
  box.SetMessage(kMsgTooFewWords);
  hb().Then([&] { ClickOn(box.StopButton()); });
  EXPECT_EQ(box.ShowModal(), mrOk);
  hb().Then([&] { hb().Key(VK_ESCAPE, 27); });
  box.ShowModal();
  EXPECT_FALSE(box.Visible());
  hb().Then([&] { hb().RequestClose(); });
  box.ShowModal();
  EXPECT_FALSE(box.Visible());
}

template <class Window>
void ExpectCode1WithoutPicture(const std::string& file) {
  std::remove(file.c_str());
  try {
    Window w(nullptr);
    FAIL() << file;
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
}

TEST_F(Dialogs, MissingPictureFailsWithCode1) {
  ExpectCode1WithoutPicture<TFormKomunikat>(tree.File("Data/Intf/Spec/mKom_kp.xji"));
  // The about box reads its picture only when shown, but one that is missing stops the start-up all the same.
  ExpectCode1WithoutPicture<TFormOProgramie>(tree.File("Data/Intf/Spec/R3_oprT.xji"));
}

TEST_F(Dialogs, TheAboutBoxHoldsItsPictureOnlyWhileShown) {
  TFormOProgramie about(nullptr);
  EXPECT_TRUE(about.Picture().Empty());
  EXPECT_TRUE(about.Surface()->Empty());
  TColor background = 0, link = 0;
  for (int round = 0; round < 2; ++round) {
    hb().Then([&] {
      EXPECT_EQ(about.Picture().Width(), 1024);
      EXPECT_EQ(about.Picture().Height(), 768);
      // On the screen: the background's colour in the top-left corner, the
      // link's underline under the web address.
      TColor c = hb().ScreenPixel(10, 10);
      EXPECT_NEAR(GetRValue(c), GetRValue(shelltest::ShellTree::kAbout), 8);
      EXPECT_NEAR(GetGValue(c), GetGValue(shelltest::ShellTree::kAbout), 8);
      TPoint under = about.WebLink()->ClientToScreen(TPoint{about.WebLink()->Width() / 2, about.WebLink()->Height() - 1});
      EXPECT_EQ(hb().ScreenPixel(under.x, under.y), RGB(20, 60, 200));
      if (round == 0) {
        background = c;
        link = hb().ScreenPixel(under.x, under.y);
      } else {
        EXPECT_EQ(c, background);  // shown again, the same picture
        EXPECT_EQ(hb().ScreenPixel(under.x, under.y), link);
      }
      hb().Key(VK_ESCAPE, 27);
    });
    EXPECT_EQ(about.ShowModal(), mrOk);
    EXPECT_TRUE(about.Picture().Empty());
    EXPECT_TRUE(about.Surface()->Empty());
  }
}

TEST_F(Dialogs, AboutBoxLinksAndHiddenCredits) {
  TFormOProgramie about(nullptr);
  EXPECT_EQ(about.Width(), 1024);
  EXPECT_EQ(about.WebLink()->Cursor, 1);
  hb().Then([&] { ClickOn(about.WebLink()); });
  hb().Then([&] { ClickOn(about.MailLink()); });
  hb().Then([&] {
    ASSERT_EQ(hb().OpenedUrls().size(), 2u);
    EXPECT_EQ(hb().OpenedUrls()[0], kMakerWebPage);
    EXPECT_EQ(hb().OpenedUrls()[1], kMakerMail);
    // A single click in the corner does nothing; a double click rolls the credits.
    TPoint c = about.ClientToScreen(TPoint{about.CreditsCorner().left + 5, about.CreditsCorner().top + 5});
    hb().Click(c.x, c.y);
  });
  TPoint corner{};
  hb().Then([&] {
    EXPECT_FALSE(about.CreditsRunning());
    corner = about.ClientToScreen(TPoint{about.CreditsCorner().left + 5, about.CreditsCorner().top + 5});
    hb().DoubleClick(corner.x, corner.y);
  });
  hb().Then([&] {
    EXPECT_TRUE(about.CreditsRunning());
    hb().AdvanceTime(1000);
  });
  hb().Then([&] {
    // A key stops the roll without closing the box.
    EXPECT_TRUE(about.CreditsRunning());
    hb().Key(VK_ESCAPE, 27);
  });
  hb().Then([&] {
    EXPECT_FALSE(about.CreditsRunning());
    EXPECT_TRUE(about.Visible());
    hb().DoubleClick(corner.x, corner.y);
  });
  // Left alone, the roll ends by itself.
  int ticks = 0;
  std::function<void()> wait = [&] {
    if (about.CreditsRunning() && ++ticks < 5000) {
      hb().AdvanceTime(25);
      hb().Then(wait);
      return;
    }
    EXPECT_FALSE(about.CreditsRunning());
    hb().Key(VK_ESCAPE, 27);
  };
  hb().Then(wait);
  EXPECT_EQ(about.ShowModal(), mrOk);
  EXPECT_GT(ticks, 100);
}

}  // namespace
