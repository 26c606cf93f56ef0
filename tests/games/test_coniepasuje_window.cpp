#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "games/Cgraniep_karty.h"
#include "games/Czoom44.h"
#include "games/Fmconiepasuje3/Fmconiepasuje3.h"
#include "platform/WinApi.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::ButtonColour;
using gametest::GameTest;
using gametest::Near;

constexpr TColor kYellow = 0x00F0F0;

// The odd-one-out game opened from a starter, played with scripted input.
class OddOneOut : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SettingsCoNiePasuje3.PhonemeMask = 0x11;  // SZ and S
    SettingsCoNiePasuje3.PositionMask = kInitial | kMedial;
    SettingsCoNiePasuje3.Level = 1;
    Build();
  }
  void Build() {
    window.reset();
    window = std::make_unique<TFormCoNiePasuje3>(nullptr);
  }
  void TearDown() override {
    window.reset();
    GameTest::TearDown();
  }
  int Start() { return gametest::StartGame(window.get(), messages); }

  CgraNiep_Karty& Game() { return *window->Game(); }
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
  TPoint At(CPrzyciskW* b) { return TPoint{b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}; }
  void Click(TPoint p, int button = 1, std::int64_t delay = 0) { hb().Click(p.x, p.y, button, delay); }
  void Move(TPoint p) { hb().MouseMove(p.x, p.y); }
  void Esc(std::int64_t delay = 0) { hb().Key(VK_ESCAPE, 27, delay); }
  void Enter() { hb().Key(VK_RETURN, 13); }
  TColor Shown(TPoint p) { return hb().ScreenPixel(p.x, p.y); }
  TColor Buffered(TPoint p) { return window->BackBuffer()->PixelColor(p.x, p.y); }
  TColor WordColour(int card) { return gametest::DataTree::Get().ColourOf(Round().words[card]->key); }
  bool Lit(int card) { return Shown(Ring(card)) == kYellow; }
  // The names of the sounds played since the last call.
  std::vector<HeadlessBackend::SoundEntry> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }
  static bool IsWord(const HeadlessBackend::SoundEntry& e) { return e.name.find("Smd\\") != std::string::npos && e.name.find("Intf") == std::string::npos; }
  static bool IsPraise(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\g") != std::string::npos; }
  static bool IsBlame(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\b") != std::string::npos; }

  std::unique_ptr<TFormCoNiePasuje3> window;
};

TEST_F(OddOneOut, LevelOneGameFromStartToPlayAgainAndClose) {
  std::vector<std::string> firstGame;
  hb().Then([&] {
    // Open, with a new game: five rounds, the first shown.
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(window->Modal());
    EXPECT_EQ(waitPictures, 1);
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(Game().RoundCount(), 5);
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_FALSE(window->PreviousButton()->Visible());
    EXPECT_TRUE(window->NextButton()->Visible());
    EXPECT_TRUE(window->HelpButton()->Visible());
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Near(Shown(Centre(k)), WordColour(k))) << k;
    const std::vector<std::pair<CPrzyciskW*, std::string>> shown = {
        {window->NextButton(), "nast"}, {window->HelpButton(), "pomoc"}, {window->StopButton(), "stop"}, {window->SayButton(), "powiedz"}};
    for (const auto& [b, name] : shown) EXPECT_EQ(Shown(At(b)), ButtonColour(name)) << name;
    // "pop" is drawn faded.
    TColor pop = Shown(At(window->PreviousButton()));
    EXPECT_NE(pop, ButtonColour("pop"));
    EXPECT_FALSE(Near(pop, gametest::kBackground));
    for (int r = 0; r < 5; ++r)
      for (int k = 0; k < 5; ++k) firstGame.push_back(Game().Round(r).words[k]->key);
    Move(Centre(Fitting()));
  });
  hb().Then([&] {
    // The card under the mouse lights up on the screen only.
    EXPECT_TRUE(Lit(Fitting()));
    EXPECT_TRUE(Near(Buffered(Ring(Fitting())), gametest::kBackground));
    hb().MouseMove(Centre(Fitting()).x + 5, Centre(Fitting()).y);
    Move(Centre(Fitting(2)));
  });
  hb().Then([&] {
    EXPECT_FALSE(Lit(Fitting()));
    EXPECT_TRUE(Lit(Fitting(2)));
    Played();
    Click(Centre(Fitting(2)));  // a wrong card
  });
  hb().Then([&] {
    EXPECT_EQ(StatRec->Bad(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsBlame(s[0]));
    EXPECT_FALSE(s[0].sync);
    EXPECT_FALSE(Lit(Fitting(2)));  // until the mouse moves again
    EXPECT_EQ(Round().solved, 0);
    EXPECT_TRUE(window->HelpButton()->Visible());
    Click(TPoint{(Centre(0).x + Centre(1).x) / 2, Centre(0).y});  // between two cards
  });
  hb().Then([&] {
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_TRUE(Played().empty());
    Click(Centre(Odd()));
  });
  hb().Then([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsPraise(s[0]));
    EXPECT_FALSE(s[0].sync);
    EXPECT_FALSE(window->HelpButton()->Visible());
    EXPECT_NE(Shown(At(window->HelpButton())), ButtonColour("pomoc"));
    // Red on the odd card, green on the others, on the screen.
    for (int k = 0; k < 5; ++k) {
      TColor c = Shown(Ring(k));
      if (k == Odd()) EXPECT_GT(gametest::Channel(c, 0), gametest::Channel(c, 1) + 60);
      else EXPECT_GT(gametest::Channel(c, 1), gametest::Channel(c, 0) + 60);
    }
    // Further clicks on the solved round count nothing; hover changes nothing.
    Click(Centre(Odd()));
    Click(Centre(Fitting()));
  });
  hb().Then([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(Lit(Fitting()));
    Click(At(window->NextButton()));
  });
  hb().Then([&] {
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_TRUE(window->PreviousButton()->Visible());
    EXPECT_TRUE(window->HelpButton()->Visible());
    EXPECT_EQ(Shown(At(window->PreviousButton())), ButtonColour("pop"));
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Near(Shown(Ring(k)), gametest::kBackground)) << k;
    // Back on the solved round its tints and the hidden help come back.
    Click(At(window->PreviousButton()));
  });
  hb().Then([&] {
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_FALSE(window->PreviousButton()->Visible());
    EXPECT_FALSE(window->HelpButton()->Visible());
    EXPECT_GT(gametest::Channel(Shown(Ring(Odd())), 0), gametest::Channel(Shown(Ring(Odd())), 1) + 60);
    Esc();
  });
  hb().Then([&] {
    // Stop: four unsolved rounds add four bad answers; the session is saved unfinished.
    ASSERT_EQ(endOfGame->shown.size(), 1u);
    EXPECT_EQ(endOfGame->shown[0].good, 1);
    EXPECT_EQ(endOfGame->shown[0].bad, 5);
    EXPECT_EQ(endOfGame->shown[0].help, 0);
    auto rec = Sessions();
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec[0].gameId, 4);
    EXPECT_FALSE(rec[0].completed);
    EXPECT_EQ(rec[0].good, 1);
    EXPECT_EQ(rec[0].bad, 5);
    EXPECT_EQ(rec[0].level, 1);
    EXPECT_EQ(rec[0].phonemeMask, 0x11);
    Enter();  // play again
  });
  hb().Then([&] {
    // A new game in the same window: a new session and new rounds.
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(waitPictures, 2);
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 0);
    EXPECT_EQ(Game().CurrentRound(), 0);
    EXPECT_TRUE(window->HelpButton()->Visible());
    std::vector<std::string> second;
    for (int r = 0; r < 5; ++r)
      for (int k = 0; k < 5; ++k) second.push_back(Game().Round(r).words[k]->key);
    EXPECT_NE(second, firstGame);
    Esc();
  });
  hb().Then([&] {
    ASSERT_EQ(endOfGame->shown.size(), 2u);
    EXPECT_EQ(endOfGame->shown[1].bad, 5);
    Esc();  // close the game
  });
  EXPECT_EQ(Start(), mrCancel);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(Game().HasRounds());  // freed on close
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_FALSE(rec[1].completed);
  EXPECT_EQ(rec[1].bad, 5);
  EXPECT_EQ(rec[1].good, 0);
}

TEST_F(OddOneOut, LevelThreeGameWithReadingHelpMagnifierAndEveryRoundSolved) {
  SettingsCoNiePasuje3.Level = 3;
  hb().Then([&] {
    EXPECT_EQ(Game().RoundCount(), 15);
    Played();
    // Read the cards aloud; "pomoc" pressed while the third card is said stops the reading.
    Click(At(window->SayButton()));
    Click(At(window->HelpButton()), 1, 1900);
  });
  hb().Then([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 3u);
    for (int k = 0; k < 3; ++k) {
      EXPECT_TRUE(s[std::size_t(k)].sync);
      EXPECT_NE(s[std::size_t(k)].name.find(Round().words[k]->key + ".pw"), std::string::npos) << k;
    }
    EXPECT_FALSE(Game().Reading());
    EXPECT_EQ(StatRec->Help(), 0);
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(Lit(k)) << k;
    // Pressed again, help counts and says the odd word.
    Click(At(window->HelpButton()));
  });
  hb().Then([&] {
    EXPECT_EQ(StatRec->Help(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_FALSE(s[0].sync);
    EXPECT_NE(s[0].name.find(Round().words[Odd()]->key + ".pw"), std::string::npos);
    // "powiedz" twice: the second press stops the reading after the first card.
    Click(At(window->SayButton()));
    Click(At(window->SayButton()), 1, 200);
  });
  hb().Then([&] {
    EXPECT_EQ(Played().size(), 1u);
    EXPECT_FALSE(Game().Reading());
    // A right click while reading shows no magnifier; "nast" during reading goes on.
    Click(At(window->SayButton()));
    Click(Centre(2), 3, 100);
    Click(At(window->NextButton()), 1, 200);
  });
  hb().Then([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);  // only the first card was said
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_FALSE(Game().Reading());
    // The magnifier on a card, the card lit beforehand.
    Move(Centre(Fitting()));
  });
  hb().Then([&] {
    EXPECT_TRUE(Lit(Fitting()));
    Click(Centre(Fitting()), 3);
  });
  hb().Then([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(s[0].sync);
    EXPECT_NE(s[0].name.find(Round().words[Fitting()]->key + ".pw"), std::string::npos);
    EXPECT_EQ(hb().Sleeps().back(), 400u);
    EXPECT_TRUE(hb().CursorVisible());
    // The lens showed the card's word; it is gone and so is the highlight.
    ASSERT_NE(CZoom44::lens.Cache, nullptr);
    EXPECT_TRUE(Near(CZoom44::lens.Cache->PixelColor(23 + 200, 20 + 200), WordColour(Fitting())));
    const TRect lens = window->Zoom()->LensRect();
    for (int y = lens.top; y < lens.bottom; y += 7)
      for (int x = lens.left; x < lens.right; x += 7)
        ASSERT_EQ(window->Surface()->PixelColor(x, y), window->BackBuffer()->PixelColor(x, y)) << x << "," << y;
    EXPECT_FALSE(Lit(Fitting()));
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
    // A right click between the cards does nothing.
    Click(TPoint{(Centre(3).x + Centre(4).x) / 2, Centre(3).y}, 3);
  });
  hb().Then([&] {
    EXPECT_TRUE(Played().empty());
    // Moving with a button held does not light a card.
    TPoint between{(Centre(0).x + Centre(1).x) / 2, Centre(0).y};
    hb().MouseDown(between.x, between.y);
    Move(Centre(Fitting()));
  });
  hb().Then([&] {
    EXPECT_FALSE(Lit(Fitting()));
    hb().MouseUp(Centre(Fitting()).x, Centre(Fitting()).y);
    // Solve every round, from the first.
    Click(At(window->PreviousButton()));
  });
  // One answer at a time: a click handler drops the clicks queued behind it.
  for (int r = 0; r < 15; ++r) {
    hb().Then([&, r] {
      EXPECT_EQ(Game().CurrentRound(), r);
      Click(Centre(Odd()));
    });
    if (r < 14) hb().Then([&] { Click(At(window->NextButton())); });
  }
  hb().Then([&] {
    EXPECT_EQ(Game().CurrentRound(), 14);
    EXPECT_FALSE(window->NextButton()->Visible());
    EXPECT_EQ(Game().UnsolvedCount(), 0);
    EXPECT_EQ(StatRec->Good(), 15);
    Esc();
  });
  hb().Then([&] {
    ASSERT_EQ(endOfGame->shown.size(), 1u);
    EXPECT_EQ(endOfGame->shown[0].bad, 0);
    Esc();
  });
  EXPECT_EQ(Start(), mrCancel);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 15);
  EXPECT_EQ(rec[0].bad, 0);
  EXPECT_EQ(rec[0].help, 1);
  EXPECT_EQ(rec[0].level, 3);
}

TEST_F(OddOneOut, TooFewWordsShowMessageThreeAndTheGameStaysShut) {
  SettingsCoNiePasuje3.PhonemeMask = 0x80;  // DZ
  SettingsCoNiePasuje3.PositionMask = kInitial;
  EXPECT_EQ(Start(), -1);
  EXPECT_EQ(messages, std::vector<int>{3});
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(Game().HasRounds());
  EXPECT_FALSE(StatRec->Active());
  EXPECT_TRUE(Sessions().empty());
}

TEST_F(OddOneOut, EscWhileReadingStopsAfterTheCurrentWordAndTypedAheadKeysGoToTheWindowOnTop) {
  SettingsCoNiePasuje3.Level = 2;
  hb().Then([&] {
    Played();
    Click(At(window->SayButton()));
    // Three Esc presses while the first card is said: the first stops the
    // game, the second closes the end-of-game window, the third is not a
    // second stop.
    Esc(300);
    Esc(350);
    Esc(400);
  });
  EXPECT_EQ(Start(), mrCancel);
  EXPECT_EQ(endOfGame->shown.size(), 1u);
  auto words = Played();
  ASSERT_EQ(words.size(), 1u);
  EXPECT_TRUE(IsWord(words[0]));
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].bad, 10);  // every round, unvisited ones too
  EXPECT_FALSE(window->Visible());
}

TEST_F(OddOneOut, ClicksOnStopTypedAheadWhileReadingStopOnce) {
  hb().Then([&] {
    Click(At(window->SayButton()));
    Click(At(window->StopButton()), 1, 300);
    Click(At(window->StopButton()), 1, 400);
    Click(Centre(Odd()), 1, 450);
  });
  hb().Then([&] {
    // The end-of-game window is up; the clicks meant for the game were dropped.
    ASSERT_EQ(endOfGame->shown.size(), 1u);
    EXPECT_TRUE(endOfGame->Visible());
    Esc();
  });
  EXPECT_EQ(Start(), mrCancel);
  EXPECT_EQ(endOfGame->shown.size(), 1u);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 0);
  EXPECT_EQ(rec[0].bad, 5);
}

TEST_F(OddOneOut, ADesktopCloseRequestRunsTheStopFlow) {
  hb().Then([&] {
    Click(Centre(Odd()));
    hb().RequestClose();
  });
  hb().Then([&] {
    ASSERT_EQ(endOfGame->shown.size(), 1u);
    EXPECT_TRUE(window->Visible());
    // A second request while the end-of-game window is up goes to that window.
    hb().RequestClose();
  });
  EXPECT_EQ(Start(), mrCancel);
  EXPECT_EQ(endOfGame->shown.size(), 1u);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].bad, 4);
}

TEST_F(OddOneOut, ACardLightsAgainAfterTheBoardIsRedrawn) {
  hb().Then([&] { Move(Centre(4)); });
  hb().Then([&] {
    EXPECT_TRUE(Lit(4));
    // Straight onto "nast": the window never sees the pointer leave the card.
    Click(At(window->NextButton()));
  });
  hb().Then([&] {
    EXPECT_EQ(Game().CurrentRound(), 1);
    EXPECT_FALSE(Lit(4));
    Move(Centre(4));
  });
  hb().Then([&] {
    EXPECT_TRUE(Lit(4));
    Esc();
  });
  hb().Then([&] { Enter(); });  // play again, the pointer still on the card
  hb().Then([&] {
    EXPECT_FALSE(Lit(4));
    hb().MouseMove(Centre(4).x + 2, Centre(4).y + 2);
  });
  hb().Then([&] {
    EXPECT_TRUE(Lit(4));
    Esc();
  });
  hb().Then([&] { Esc(); });
  EXPECT_EQ(Start(), mrCancel);
}

TEST_F(OddOneOut, ASessionLeftTwoMinutesIsNotSavedButTheEndOfGameWindowStillShows) {
  hb().Then([&] {
    hb().AdvanceTime(60000);
    hb().Wheel(10, 10, 1);  // the wheel keeps the session alive
  });
  hb().Then([&] { hb().AdvanceTime(100000); });
  hb().Then([&] {
    EXPECT_TRUE(StatRec->Active());
    hb().AdvanceTime(CStatRec::kIdleMs + 1000);
  });
  hb().Then([&] {
    EXPECT_FALSE(StatRec->Active());
    Esc();
  });
  hb().Then([&] { Esc(); });
  EXPECT_EQ(Start(), mrCancel);
  EXPECT_EQ(endOfGame->shown.size(), 1u);
  EXPECT_TRUE(Sessions().empty());
}

TEST_F(OddOneOut, TwoRoundsOutsideTheLevelsShowNextThenPrevious) {
  SettingsCoNiePasuje3.Level = 0;
  hb().Then([&] {
    EXPECT_EQ(Game().RoundCount(), 2);
    EXPECT_TRUE(window->NextButton()->Visible());
    EXPECT_FALSE(window->PreviousButton()->Visible());
    Click(At(window->NextButton()));
  });
  hb().Then([&] {
    EXPECT_FALSE(window->NextButton()->Visible());
    EXPECT_TRUE(window->PreviousButton()->Visible());
    // A hidden button takes no clicks.
    Click(At(window->NextButton()));
  });
  hb().Then([&] {
    EXPECT_EQ(Game().CurrentRound(), 1);
    Esc();
  });
  hb().Then([&] { Esc(); });
  EXPECT_EQ(Start(), mrCancel);
}

// ---- construction in every screen size ----

class OddOneOutLayout : public OddOneOut, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  void SetUp() override {
    OddOneOut::SetUp();
    UseScreen(GetParam().first, GetParam().second);
    Build();
  }
};

TEST_P(OddOneOutLayout, CardsFramesAndButtonsFitTheGameAreaWithoutOverlapping) {
  const TRect area = Bounds(Display.GameArea.left, Display.GameArea.top, Display.GameArea.width, Display.GameArea.height);
  EXPECT_EQ(window->Width(), GetParam().first);
  EXPECT_EQ(window->Height(), GetParam().second);
  std::vector<TRect> rects;
  for (int k = 0; k < 5; ++k) {
    const auto& p = Game().Place(k);
    TRect card = Bounds(p.x, p.y, p.pictureMask->Width(), p.pictureMask->Height());
    TRect frame = Game().CardRect(k);
    // The frame stands s(11) up and left of its card and surrounds it.
    EXPECT_EQ(p.x - p.highlightX, Display.Scale(16, 11));
    EXPECT_TRUE(frame.Contains(card.left, card.top) && frame.Contains(card.right - 1, card.bottom - 1));
    rects.push_back(frame);
  }
  for (CPrzyciskW* b : {window->HelpButton(), window->StopButton(), window->PreviousButton(), window->SayButton(),
                        window->NextButton()})
    rects.push_back(b->BoundsRect());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(IntersectRects(rects[i], area), rects[i]) << i;
    for (std::size_t j = i + 1; j < rects.size(); ++j) EXPECT_TRUE(IntersectRects(rects[i], rects[j]).IsEmpty()) << i << " " << j;
  }
  EXPECT_EQ(Game().CardAt(0, 0), -1);
  // The stop button stands two pixels right of the help button.
  EXPECT_EQ(window->StopButton()->Left() - window->HelpButton()->Left(), 2);
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOneOutLayout,
                         ::testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768),
                                           std::make_pair(1280, 960), std::make_pair(1280, 1024)));

TEST_F(OddOneOut, AMissingPictureMakesConstructionFailWithCodeOne) {
  window.reset();
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
