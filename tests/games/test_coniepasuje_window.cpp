// The odd-one-out game in the whole program on the headless back end: opened
// from the main window's starter for tab 4, played with scripted input,
// stopped into the end-of-game window, played again and closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "games/Fmconiepasuje3/Cgraniep_karty.h"
#include "games/Czoom44.h"
#include "games/Fmconiepasuje3/Fmconiepasuje3.h"
#include "platform/IniFiles.h"
#include "platform/WinApi.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::GameTest;
using gametest::Near;
using shelltest::ClickOn;

constexpr TColor kYellow = 0x00F0F0;
constexpr TColor kButton = 0x806040;  // the normal look of the test buttons
constexpr TColor kButtonLit = 0xA08060;  // their look under the pointer

class OddOneOut : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    hb().SetScreenSize(1024, 768);
    // The end-of-game window notes the session it shows.
    options.onReady = [this] {
      FormKoniecGry->OnShow = [this](TObject*) {
        endOfGame.push_back(Session{StatRec->Help(), StatRec->Good(), StatRec->Bad(), StatRec->Active()});
      };
    };
  }

  // Steps: tab 4 on the main window, the game's settings, "start".
  void Open(std::int32_t phonemes, std::int32_t positions, int level) {
    words->Cover(phonemes, positions);
    Step([this] { ClickOn(FormMain->TabToggle(4)->GetImage()); });
    Step([=, this] {
      EXPECT_EQ(CurrentTab, 4);
      SettingsCoNiePasuje3.PhonemeMask = phonemes;
      SettingsCoNiePasuje3.PositionMask = positions;
      SettingsCoNiePasuje3.Level = level;
      ClickOn(FormMain->Button(TFormMain::bStart));
    });
  }
  // Steps after the game has closed: the main window is back, then the program ends.
  void Finish() {
    Step([this] {
      EXPECT_FALSE(W()->Visible());
      EXPECT_EQ(Screen->ActiveForm(), FormMain);
      EXPECT_FALSE(Game().HasRounds());  // freed on close
    });
    CloseAtTheEnd();
  }

  TFormCoNiePasuje3* W() { return FormCoNiePasuje3; }
  CgraNiep_Karty& Game() { return *W()->Game(); }
  const CgraNiep_Karty::SPasNiep& Round() { return *Game().Current(); }
  int Odd() { return Round().oddIndex; }
  int Fitting(int n = 1) { return (Odd() + n) % 5; }
  TPoint Centre(int card) {
    const auto& p = Game().Place(card);
    return TPoint{p.x + p.pictureMask->Width() / 2, p.y + p.pictureMask->Height() / 2};
  }
  // A point on the card's highlight frame, left of the card.
  TPoint Ring(int card) {
    const auto& p = Game().Place(card);
    return TPoint{p.highlightX + (p.x - p.highlightX) / 2, p.highlightY + p.highlightMask->Height() / 2};
  }
  TPoint Between(int a, int b) { return TPoint{(Centre(a).x + Centre(b).x) / 2, Centre(a).y}; }
  TPoint At(CPrzyciskW* b) { return TPoint{b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}; }
  void Click(TPoint p, int button = 1, std::int64_t delay = 0) { hb().Click(p.x, p.y, button, delay); }
  void Move(TPoint p) { hb().MouseMove(p.x, p.y); }
  void Esc(std::int64_t delay = 0) { hb().Key(VK_ESCAPE, 27, delay); }
  TColor Shown(TPoint p) { return hb().ScreenPixel(p.x, p.y); }
  TColor Buffered(TPoint p) { return W()->BackBuffer()->PixelColor(p.x, p.y); }
  TColor WordColour(int card) { return ColourOf(Round().words[card]->key); }
  bool Lit(int card) { return Shown(Ring(card)) == kYellow; }
  bool Faded(CPrzyciskW* b) {
    TColor c = Shown(At(b));
    return c != kButton && !Near(c, gametest::kBackground);
  }
  std::vector<HeadlessBackend::SoundEntry> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }
  static bool IsPraise(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\g") != std::string::npos; }
  static bool IsBlame(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\b") != std::string::npos; }
  static bool Says(const HeadlessBackend::SoundEntry& e, const CSlowa::CPaczkaEx* word) {
    return e.name == "Data\\Smd\\" + word->key + ".pw";
  }

  struct Session {
    int help, good, bad;
    bool active;
  };
  std::vector<Session> endOfGame;
};

TEST_F(OddOneOut, LevelOneGameFromTheMainWindowToPlayAgainAndClose) {
  std::vector<std::string> firstGame;
  Open(0x11, kInitial | kMedial, 1);  // SZ and S
  Step([&] {
    // Open, with a new game: five rounds, the first shown.
    ASSERT_NE(W(), nullptr);
    EXPECT_TRUE(W()->Visible());
    EXPECT_TRUE(W()->Modal());
    EXPECT_EQ(Screen->ActiveForm(), W());
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(Game().RoundCount(), 5);
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    EXPECT_TRUE(W()->NextButton()->Visible());
    EXPECT_TRUE(W()->HelpButton()->Visible());
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Near(Shown(Centre(k)), WordColour(k))) << k;
    for (CPrzyciskW* b : {W()->NextButton(), W()->HelpButton(), W()->StopButton(), W()->SayButton()})
      EXPECT_EQ(Shown(At(b)), kButton);
    EXPECT_TRUE(Faded(W()->PreviousButton()));
    for (int r = 0; r < 5; ++r)
      for (int k = 0; k < 5; ++k) firstGame.push_back(Game().Round(r).words[k]->key);
    Move(Centre(Fitting()));
  });
  Step([&] {
    // The card under the mouse lights up on the screen only.
    EXPECT_TRUE(Lit(Fitting()));
    EXPECT_TRUE(Near(Buffered(Ring(Fitting())), gametest::kBackground));
    Move(Centre(Fitting(2)));
  });
  Step([&] {
    EXPECT_FALSE(Lit(Fitting()));
    EXPECT_TRUE(Lit(Fitting(2)));
    Played();
    Click(Centre(Fitting(2)));  // a wrong card
  });
  Step([&] {
    EXPECT_EQ(StatRec->Bad(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsBlame(s[0]) && !s[0].sync);
    EXPECT_FALSE(Lit(Fitting(2)));  // until the mouse moves again
    EXPECT_EQ(Round().solved, 0);
    Click(Between(0, 1));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_TRUE(Played().empty());
    Click(Centre(Odd()));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsPraise(s[0]) && !s[0].sync);
    EXPECT_FALSE(W()->HelpButton()->Visible());
    EXPECT_TRUE(Faded(W()->HelpButton()));
    // Red on the odd card, green on the others, on the screen.
    for (int k = 0; k < 5; ++k) {
      TColor c = Shown(Ring(k));
      if (k == Odd()) EXPECT_GT(gametest::Channel(c, 0), gametest::Channel(c, 1) + 60) << k;
      else EXPECT_GT(gametest::Channel(c, 1), gametest::Channel(c, 0) + 60) << k;
    }
    Click(Centre(Fitting()));
  });
  Step([&] {
    // The solved round takes no more answers, and the hover does not change.
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(Lit(Fitting()));
    Click(At(W()->NextButton()));
  });
  Step([&] {
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_TRUE(W()->PreviousButton()->Visible());
    EXPECT_TRUE(W()->HelpButton()->Visible());
    EXPECT_EQ(Shown(At(W()->PreviousButton())), kButton);
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Near(Shown(Ring(k)), gametest::kBackground)) << k;
    Click(At(W()->PreviousButton()));
  });
  Step([&] {
    // Back on the solved round: its tints, and no help.
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    EXPECT_FALSE(W()->HelpButton()->Visible());
    EXPECT_GT(gametest::Channel(Shown(Ring(Odd())), 0), gametest::Channel(Shown(Ring(Odd())), 1) + 60);
    Esc();
  });
  Step([&] {
    // Stop: the four unsolved rounds add four bad answers; saved unfinished.
    EXPECT_TRUE(FormKoniecGry->Visible());
    EXPECT_EQ(Screen->ActiveForm(), FormKoniecGry);
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0].good, 1);
    EXPECT_EQ(endOfGame[0].bad, 5);
    EXPECT_EQ(endOfGame[0].help, 0);
    auto rec = Sessions();
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec[0].gameId, 4);
    EXPECT_FALSE(rec[0].completed);
    EXPECT_EQ(rec[0].good, 1);
    EXPECT_EQ(rec[0].bad, 5);
    EXPECT_EQ(rec[0].phonemeMask, 0x11);
    ClickOn(FormKoniecGry->StartButton());  // play again
  });
  Step([&] {
    // A new game in the same window: a new session and new rounds.
    EXPECT_FALSE(FormKoniecGry->Visible());
    EXPECT_TRUE(W()->Visible());
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 0);
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_TRUE(W()->HelpButton()->Visible());
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    std::vector<std::string> second;
    for (int r = 0; r < 5; ++r)
      for (int k = 0; k < 5; ++k) second.push_back(Game().Round(r).words[k]->key);
    EXPECT_NE(second, firstGame);
    ClickOn(W()->StopButton());
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 2u);
    EXPECT_EQ(endOfGame[1].bad, 5);
    ClickOn(FormKoniecGry->StopButton());  // close the game
  });
  Finish();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_FALSE(rec[1].completed);
  EXPECT_EQ(rec[1].bad, 5);
  EXPECT_EQ(rec[1].good, 0);
}

TEST_F(OddOneOut, LevelThreeGameWithReadingHelpMagnifierAndEveryRoundSolved) {
  Open(0x11, kInitial | kMedial | kFinal, 3);
  Step([&] {
    EXPECT_EQ(Game().RoundCount(), 15);
    Played();
    // Read the cards aloud; "pomoc" pressed while the third card is said stops the reading.
    Click(At(W()->SayButton()));
    Click(At(W()->HelpButton()), 1, 1900);
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 3u);
    for (int k = 0; k < 3; ++k) {
      EXPECT_TRUE(s[std::size_t(k)].sync);
      EXPECT_TRUE(Says(s[std::size_t(k)], Round().words[k])) << k;
    }
    EXPECT_FALSE(Game().Reading());
    EXPECT_EQ(StatRec->Help(), 0);
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(Lit(k)) << k;
    // Pressed again, help counts and says the odd word.
    Click(At(W()->HelpButton()));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Help(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_FALSE(s[0].sync);
    EXPECT_TRUE(Says(s[0], Round().words[Odd()]));
    // "powiedz" twice: the second press stops the reading after the first card.
    Click(At(W()->SayButton()));
    Click(At(W()->SayButton()), 1, 200);
  });
  Step([&] {
    EXPECT_EQ(Played().size(), 1u);
    EXPECT_FALSE(Game().Reading());
    // While reading, a right click shows no magnifier; "nast" stops the reading.
    Click(At(W()->SayButton()));
    Click(Centre(2), 3, 100);
    Click(At(W()->NextButton()), 1, 200);
  });
  Step([&] {
    EXPECT_EQ(Played().size(), 1u);  // only the first card was said
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_FALSE(Game().Reading());
    // The magnifier on a card that the mouse has lit.
    Move(Centre(Fitting()));
  });
  Step([&] {
    EXPECT_TRUE(Lit(Fitting()));
    Click(Centre(Fitting()), 3);
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(s[0].sync);
    EXPECT_TRUE(Says(s[0], Round().words[Fitting()]));
    EXPECT_EQ(hb().Sleeps().back(), 400u);
    EXPECT_TRUE(hb().CursorVisible());
    // The lens showed the card's word; it has gone, and so has the highlight.
    ASSERT_NE(CZoom44::lens.Cache, nullptr);
    EXPECT_TRUE(Near(CZoom44::lens.Cache->PixelColor(23 + 200, 20 + 200), WordColour(Fitting())));
    const TRect lens = W()->Zoom()->LensRect();
    EXPECT_TRUE(lens.Contains(Centre(Fitting()).x, Centre(Fitting()).y));
    for (int y = lens.top; y < lens.bottom; y += 7)
      for (int x = lens.left; x < lens.right; x += 7)
        ASSERT_EQ(hb().ScreenPixel(x, y), W()->BackBuffer()->PixelColor(x, y)) << x << "," << y;
    EXPECT_FALSE(Lit(Fitting()));
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
    Click(Between(3, 4), 3);  // nothing between the cards
  });
  Step([&] {
    EXPECT_TRUE(Played().empty());
    // Moving with a button held does not light a card.
    hb().MouseDown(Between(0, 1).x, Between(0, 1).y);
    Move(Centre(Fitting()));
  });
  Step([&] {
    EXPECT_FALSE(Lit(Fitting()));
    hb().MouseUp(Centre(Fitting()).x, Centre(Fitting()).y);
    Click(At(W()->PreviousButton()));
  });
  // Every round solved, one answer at a time: a click handler drops the
  // clicks queued behind it.
  for (int r = 0; r < 15; ++r) {
    Step([&, r] {
      EXPECT_EQ(Game().CurrentRound(), r);
      Click(Centre(Odd()));
    });
    if (r < 14) Step([&] { Click(At(W()->NextButton())); });
  }
  Step([&] {
    EXPECT_EQ(Game().CurrentRound(), 14);
    EXPECT_FALSE(W()->NextButton()->Visible());
    EXPECT_TRUE(Faded(W()->NextButton()));
    EXPECT_EQ(Game().UnsolvedCount(), 0);
    EXPECT_EQ(StatRec->Good(), 15);
    Esc();
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0].bad, 0);
    Esc();
  });
  Finish();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 15);
  EXPECT_EQ(rec[0].bad, 0);
  EXPECT_EQ(rec[0].help, 1);
  EXPECT_EQ(rec[0].level, 3);
}

TEST_F(OddOneOut, DZInitialAloneShowsMessageThreeAndTheGameStaysShut) {
  // Chosen on tab 4 as a user would: Ż and SZ off, DZ on, initial only.
  Step([this] { ClickOn(FormMain->TabToggle(4)->GetImage()); });
  Step([this] { ClickOn(FormMain->SoundToggle(0)->GetImage()); });
  Step([this] { ClickOn(FormMain->SoundToggle(1)->GetImage()); });
  Step([this] { ClickOn(FormMain->SoundToggle(7)->GetImage()); });
  Step([this] { ClickOn(FormMain->PositionToggle(1)->GetImage()); });
  Step([this] { ClickOn(FormMain->PositionToggle(2)->GetImage()); });
  Step([this] {
    EXPECT_EQ(SettingsCoNiePasuje3.PhonemeMask, 0x80);
    EXPECT_EQ(SettingsCoNiePasuje3.PositionMask, kInitial);
    ClickOn(FormMain->Button(TFormMain::bStart));
  });
  Step([this] {
    ASSERT_TRUE(FormKomunikat->Visible());
    EXPECT_EQ(FormKomunikat->Message(), kMsgTooFewWords);
    EXPECT_FALSE(W()->Visible());
    EXPECT_FALSE(Game().HasRounds());
    EXPECT_FALSE(StatRec->Active());
    ClickOn(FormKomunikat->StopButton());
  });
  Step([this] { EXPECT_FALSE(FormKomunikat->Visible()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(endOfGame.empty());
  EXPECT_TRUE(Sessions().empty());
}

TEST_F(OddOneOut, InputTypedAheadWhileReadingStopsOnceAndIsNotPlayedAfterTheGameCloses) {
  Open(0x11, kInitial | kMedial, 2);
  Step([&] {
    Played();
    Click(At(W()->SayButton()));
    // While the first card is said: Esc stops the game, a click on "stop"
    // meets the end-of-game window and is dropped, the second Esc closes
    // it; a third Esc and a click on the odd card reach a closed game.
    Esc(300);
    Click(At(W()->StopButton()), 1, 320);
    Esc(350);
    Esc(400);
    Click(Centre(Odd()), 1, 450);
  });
  Finish();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(endOfGame.size(), 1u);
  auto s = Played();
  EXPECT_EQ(std::count_if(s.begin(), s.end(), [](auto& e) { return e.sync; }), 1);  // the current word finished
  EXPECT_EQ(std::count_if(s.begin(), s.end(), IsPraise), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 0);
  EXPECT_EQ(rec[0].bad, 10);  // every round, unvisited ones too
}

// ---- a termination signal (a logout): the game ends as its stop button
// ends it, the settings are written as on a normal exit, the program ends ----

class OddOneOutTerminated : public OddOneOut {
 protected:
  // The program has ended: the settings chosen for the game are in the file.
  void ExpectSettingsWritten() {
    EXPECT_EQ(FormMain, nullptr);
    TIniFile ini(tree->File("Data/data.ini"));
    EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), 4);
    EXPECT_EQ(ini.ReadInteger("CoNiePasuje3", "Gloski", 0), 0x11);
    EXPECT_EQ(ini.ReadInteger("CoNiePasuje3", "Poziom", 0), 2);
  }
};

TEST_F(OddOneOutTerminated, WhileTheGameRunsItsSessionIsSavedWithoutWaitingOnTheEndOfGameWindow) {
  Open(0x11, kInitial | kMedial, 2);
  Step([&] { Click(Centre(Odd())); });
  Step([&] {
    // A click given with the signal is not played any more.
    Click(Centre(Fitting()));
    hb().Terminate();
  });
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(endOfGame.size(), 1u);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].bad, 9);  // the rounds left, as the stop button counts them
  EXPECT_FALSE(rec[0].completed);
  ExpectSettingsWritten();
}

TEST_F(OddOneOutTerminated, WithTheEndOfGameWindowOpen) {
  Open(0x11, kInitial | kMedial, 2);
  Step([&] { Esc(); });
  Step([&] {
    ASSERT_TRUE(FormKoniecGry->Visible());
    hb().Terminate();
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(endOfGame.size(), 1u);
  EXPECT_EQ(Sessions().size(), 1u);
  ExpectSettingsWritten();
}

// The signal comes while the cards are read aloud, each played to its end:
// the word is cut short and the program has ended well within a second.
TEST_F(OddOneOutTerminated, WhileTheCardsAreReadAloud) {
  Open(0x11, kInitial | kMedial, 2);
  std::int64_t signalled = 0;
  Step([&] {
    Click(At(W()->SayButton()));
    hb().Terminate(200);
    signalled = hb().NowMs() + 200;
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_LT(hb().NowMs() - signalled, 1000);
  EXPECT_EQ(Sessions().size(), 1u);
  ExpectSettingsWritten();
}

TEST_F(OddOneOut, ADesktopCloseRequestOnTheGameRunsItsStopFlow) {
  Open(0x11, kInitial | kMedial, 1);
  Step([&] {
    Click(Centre(Odd()));
    hb().RequestClose();
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_TRUE(FormKoniecGry->Visible());
    EXPECT_TRUE(W()->Visible());
    EXPECT_EQ(Sessions().size(), 1u);
    // A second request goes to the end-of-game window, which closes the game.
    hb().RequestClose();
  });
  Finish();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(endOfGame.size(), 1u);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].bad, 4);
}

TEST_F(OddOneOut, ACardLightsAgainAfterTheBoardIsRedrawn) {
  Open(0x11, kInitial | kMedial, 1);
  Step([&] { Move(Centre(4)); });
  Step([&] {
    EXPECT_TRUE(Lit(4));
    // Straight onto "nast": the window never sees the pointer leave the card.
    Click(At(W()->NextButton()));
  });
  Step([&] {
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_FALSE(Lit(4));
    Move(Centre(4));
  });
  Step([&] {
    EXPECT_TRUE(Lit(4));
    Esc();
  });
  // Play again from the end-of-game window, then straight back onto the card.
  Step([&] { ClickOn(FormKoniecGry->StartButton()); });
  Step([&] {
    EXPECT_FALSE(Lit(4));
    Move(Centre(4));
  });
  Step([&] {
    EXPECT_TRUE(Lit(4));
    Esc();
  });
  Step([&] { Esc(); });
  Finish();
  EXPECT_EQ(Run(), 0);
}

// Clicks that arrive while the magnifier speaks are dropped once it is gone:
// a child clicking on through the wait neither answers nor moves on.
TEST_F(OddOneOut, ClicksMadeWhileTheMagnifierSpeaksAreDropped) {
  Open(0x11, kInitial | kMedial, 1);
  Step([&] {
    Click(Centre(Fitting()), 3);
    Click(Centre(Odd()), 1, 100);
    Click(At(W()->NextButton()), 1, 200);
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
    EXPECT_EQ(Round().solved, 0);
    EXPECT_EQ(Game().CurrentRound(), 0);
    Esc();
  });
  Step([&] { Esc(); });
  Finish();
  EXPECT_EQ(Run(), 0);
}

TEST_F(OddOneOut, AButtonLooksPointedAtOnlyWhileNoWindowStandsInFrontOfIt) {
  Open(0x11, kInitial | kMedial, 1);
  Step([&] { Move(At(W()->SayButton())); });
  Step([&] {
    EXPECT_EQ(Shown(At(W()->SayButton())), kButtonLit);
    Esc();
  });
  // The end-of-game window stands in front: the read-aloud button beside it
  // is plain, and the pointer moving on to "nast" lights nothing.
  Step([&] {
    ASSERT_TRUE(FormKoniecGry->Visible());
    EXPECT_EQ(Shown(At(W()->SayButton())), kButton);
    Move(At(W()->NextButton()));
  });
  Step([&] {
    EXPECT_EQ(Shown(At(W()->NextButton())), kButton);
    FormKoniecGry->ModalResult = kKoniecPlayAgain;  // played again with the pointer left on "nast"
  });
  // The new game has redrawn its buttons plain; "nast" under the pointer lights up.
  Step([&] {
    EXPECT_FALSE(FormKoniecGry->Visible());
    EXPECT_EQ(Shown(At(W()->NextButton())), kButtonLit);
    Esc();
  });
  Step([&] { Esc(); });
  Finish();
  EXPECT_EQ(Run(), 0);
}

// Whatever the child does keeps the session alive: each input comes 100 s
// after the one before, so without it the 2-minute idle time would end the
// session.
TEST_F(OddOneOut, EveryKindOfInputKeepsTheSessionAlive) {
  Open(0x11, kInitial | kMedial, 2);
  const std::vector<std::function<void()>> inputs = {
      [&] { Click(Between(0, 1)); },
      [&] { Click(Between(1, 2), 3); },
      [&] { Click(At(W()->NextButton())); },
      [&] { Click(At(W()->PreviousButton())); },
      [&] { Click(At(W()->SayButton())); },
      [&] { Click(At(W()->HelpButton())); },
      [&] { hb().Key('A', 'a'); },
      [&] { hb().Wheel(10, 10, 1); },
  };
  Step([&] { hb().AdvanceTime(100000); });
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    Step(inputs[i]);
    Step([&] { hb().AdvanceTime(100000); });
    Step([&, i] { EXPECT_TRUE(StatRec->Active()) << "after input " << i; });
  }
  Step([&] { Esc(); });
  Step([&] { Esc(); });
  Finish();
  EXPECT_EQ(Run(), 0);
  // The session's time is the whole game's: nine pauses of 100 s and the play.
  const auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_GE(rec[0].elapsedMs, 900000u);
  EXPECT_LT(rec[0].elapsedMs, 920000u);
}

TEST_F(OddOneOut, ASessionLeftTwoMinutesIsNotSavedButTheEndOfGameWindowStillShows) {
  Open(0x11, kInitial | kMedial, 1);
  Step([&] {
    hb().AdvanceTime(60000);
    hb().Wheel(10, 10, 1);  // the wheel keeps the session alive
  });
  Step([&] { hb().AdvanceTime(100000); });
  Step([&] {
    EXPECT_TRUE(StatRec->Active());
    hb().AdvanceTime(CStatRec::kIdleMs + 1000);
  });
  Step([&] {
    EXPECT_FALSE(StatRec->Active());
    Esc();
  });
  Step([&] { Esc(); });
  Finish();
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(endOfGame.size(), 1u);
  EXPECT_FALSE(endOfGame[0].active);
  EXPECT_TRUE(Sessions().empty());
}

// ---- the window built alone, in every screen size ----

class OddOneOutLayout : public GameTest, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    UseScreen(GetParam().first, GetParam().second);
    window = std::make_unique<TFormCoNiePasuje3>(nullptr);
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  std::unique_ptr<TFormCoNiePasuje3> window;
};

TEST_P(OddOneOutLayout, CardsFramesAndButtonsFitTheGameAreaWithoutOverlapping) {
  const TRect area = Bounds(Display.GameArea.left, Display.GameArea.top, Display.GameArea.width, Display.GameArea.height);
  EXPECT_EQ(window->Width(), GetParam().first);
  EXPECT_EQ(window->Height(), GetParam().second);
  CgraNiep_Karty& game = *window->Game();
  std::vector<TRect> rects;
  for (int k = 0; k < 5; ++k) {
    const auto& p = game.Place(k);
    TRect card = Bounds(p.x, p.y, p.pictureMask->Width(), p.pictureMask->Height());
    TRect frame = game.CardRect(k);
    // The frame stands s(11) up and left of its card and surrounds it.
    EXPECT_EQ(p.x - p.highlightX, Display.Scale(16, 11));
    EXPECT_EQ(p.y - p.highlightY, Display.Scale(16, 11));
    EXPECT_TRUE(frame.Contains(card.left, card.top) && frame.Contains(card.right - 1, card.bottom - 1));
    rects.push_back(frame);
  }
  for (CPrzyciskW* b : {window->HelpButton(), window->StopButton(), window->PreviousButton(), window->SayButton(),
                        window->NextButton()})
    rects.push_back(b->BoundsRect());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(IntersectRects(rects[i], area), rects[i]) << i;
    for (std::size_t j = i + 1; j < rects.size(); ++j)
      EXPECT_TRUE(IntersectRects(rects[i], rects[j]).IsEmpty()) << i << " " << j;
  }
  EXPECT_EQ(game.CardAt(0, 0), -1);
}

// The cards and buttons stand where the game's pictures expect them, in
// game-area pixels for each art set.
TEST_P(OddOneOutLayout, CardsAndButtonsStandAtTheirPlaces) {
  struct Places {
    int width, height;
    std::vector<TPoint> cards, buttons;  // help, stop, previous, say, next
  };
  const Places all[] = {
      {800, 600, {{199, 212}, {301, 211}, {403, 212}, {505, 211}, {605, 212}},
       {{723, 460}, {725, 530}, {337, 476}, {417, 476}, {497, 476}}},
      {1024, 768, {{255, 272}, {385, 271}, {516, 272}, {647, 271}, {775, 272}},
       {{945, 622}, {947, 698}, {432, 609}, {534, 609}, {636, 609}}},
      {1280, 960, {{319, 340}, {482, 339}, {646, 340}, {809, 339}, {969, 340}},
       {{1199, 795}, {1201, 885}, {540, 762}, {668, 762}, {796, 762}}},
      {1280, 1024, {{319, 340}, {482, 339}, {646, 340}, {809, 339}, {969, 340}},
       {{1199, 825}, {1201, 915}, {540, 762}, {668, 762}, {796, 762}}},
  };
  const int L = Display.GameArea.left, T = Display.GameArea.top;
  for (const Places& p : all) {
    if (p.width != GetParam().first || p.height != GetParam().second) continue;
    for (int k = 0; k < 5; ++k) {
      const auto& place = window->Game()->Place(k);
      EXPECT_EQ((TPoint{place.x - L, place.y - T}), p.cards[std::size_t(k)]) << "card " << k;
    }
    const CPrzyciskW* buttons[] = {window->HelpButton(), window->StopButton(), window->PreviousButton(),
                                   window->SayButton(), window->NextButton()};
    for (int b = 0; b < 5; ++b)
      EXPECT_EQ((TPoint{buttons[b]->Left() - L, buttons[b]->Top() - T}), p.buttons[std::size_t(b)]) << "button " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOneOutLayout,
                         ::testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768),
                                           std::make_pair(1280, 960), std::make_pair(1280, 1024)));

TEST_F(GameTest, AMissingPictureMakesTheOddOneOutWindowFailWithCodeOne) {
  const int lenses = CZoom44::instanceCount;
  testsupport::TempDir empty;
  testsupport::ScopedCwd here(empty.Path());
  try {
    TFormCoNiePasuje3 broken(nullptr);
    FAIL() << "built without its pictures";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
  EXPECT_EQ(CZoom44::instanceCount, lenses);
}

}  // namespace
