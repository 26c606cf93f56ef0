// The vines game in the whole program on the headless back end: opened from
// tab 2 of the main window, played with scripted input, stopped into the
// end-of-game window, played again and closed; and where the window puts
// its pieces on every screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "games/Czoom44.h"
#include "games/Fmliany/Fmliany.h"
#include "games/Fmliany/LianyLayout.h"
#include "platform/ExtCtrls.h"
#include "platform/WinApi.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::Near;
using lianytest::kLeaf;
using lianytest::kLeafLit;
using shelltest::ClickOn;
using Sound = HeadlessBackend::SoundEntry;

class Vines : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    hb().SetScreenSize(1024, 768);
    options.onReady = [this] {
      FormKoniecGry->OnShow = [this](TObject*) { endOfGame.push_back({StatRec->Help(), StatRec->Good(), StatRec->Bad()}); };
    };
  }
  // Steps: tab 2, the game's settings, "start"; every word's files are there.
  void Open(std::int32_t phonemes, std::int32_t positions, int level) {
    words->Cover(0x3FFFFFF, kInitial | kMedial | kFinal);
    Step([this] { ClickOn(FormMain->TabToggle(2)->GetImage()); });
    Step([=, this] {
      SettingsLiany.PhonemeMask = phonemes;
      SettingsLiany.PositionMask = positions;
      SettingsLiany.Level = level;
      ClickOn(FormMain->Button(TFormMain::bStart));
    });
  }

  TFormLiany* W() { return FormLiany; }
  CLianyZadanie& Task() { return *W()->Current(); }
  CLianyZadanie::CListek& Leaf(int i) { return *Task().leaves[std::size_t(i)]; }
  // The middle of a leaf shows its word; its lower right corner the leaf itself.
  TPoint Centre(int i) { TRect r = Leaf(i).Bounds(); return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  TPoint Rim(int i) { TRect r = Leaf(i).Bounds(); return {r.right - 4, r.bottom - 4}; }
  TPoint At(CPrzyciskW* b) { return {b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}; }
  TColor Shown(TPoint p) { return hb().ScreenPixel(p.x, p.y); }
  void Click(TPoint p, int button = 1, std::int64_t delay = 0) { hb().Click(p.x, p.y, button, delay); }
  void Move(TPoint p) { hb().MouseMove(p.x, p.y); }
  bool Shears() { return hb().Cursor() == Screen->Cursors(2); }
  std::vector<Sound> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }
  static bool Is(const Sound& s, const char* part) { return s.name.find(part) != std::string::npos; }
  // The screen shows the back buffer there.
  void ExpectScreenIsBackBuffer(const TRect& r) {
    for (int y = r.top; y < r.bottom; y += 3)
      for (int x = r.left; x < r.right; x += 3)
        ASSERT_EQ(hb().ScreenPixel(x, y), W()->BackBuffer()->PixelColor(x, y)) << x << "," << y;
  }

  struct Counts {
    int help, good, bad;
  };
  std::vector<Counts> endOfGame;
};

TEST_F(Vines, LevelOneGameFromTab2ThroughCutsHelpMagnifierNavigationToPlayAgainAndClose) {
  Open(0x1, kInitial | kMedial, 1);  // SZ
  int w = 0, firstLanding = 0;
  Step([&] {
    ASSERT_NE(W(), nullptr);
    EXPECT_TRUE(W()->Modal());
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(W()->Tasks().size(), 5u);
    EXPECT_EQ(W()->LetterAlpha(), 255);
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Near(Shown(Centre(i)), ColourOf(Leaf(i).word->key))) << i;
    w = Leaf(0).Bounds().Width();
    firstLanding = W()->CollectBase().x + w / 2;
    Played();
    hb().AdvanceTime(800);
  });
  Step([&] {
    // 800 ms after the task is shown its sound is said and the letter fades.
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && s[0].sync);
    EXPECT_EQ(W()->LetterAlpha(), 0);
    EXPECT_FALSE(W()->Timer()->Enabled());
    Move(Centre(3));  // a wrong leaf
  });
  Step([&] {
    EXPECT_TRUE(Shears());
    EXPECT_EQ(Shown(Rim(3)), W()->BackBuffer()->PixelColor(Rim(3).x, Rim(3).y));
    EXPECT_TRUE(Near(Shown(Rim(3)), kLeafLit));
    Click(Centre(3));
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(Is(s[0], "Intf\\Smd\\b") && s[0].sync);
    EXPECT_EQ(hb().Sleeps().back(), 400u);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_FALSE(Leaf(3).cut);
    // A right leaf; half a second into its flight another right one is clicked.
    Click(Centre(0));
    Click(Centre(1), 1, 500);
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_TRUE(Leaf(0).cut);
    EXPECT_FALSE(Leaf(1).cut);
    EXPECT_EQ(Leaf(0).x, firstLanding);
    EXPECT_EQ(Leaf(0).y, W()->CollectBase().y);
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(Is(s[0], "Intf\\Smd\\g") && !s[0].sync);
    EXPECT_TRUE(s[1].name == WordSoundPath(Leaf(0).word) && s[1].sync);
    EXPECT_GE(s[1].startMs - s[0].startMs, 1840);  // after 80 steps of 23 ms
    EXPECT_TRUE(Shears());  // the last move is posted again: the pointer is over leaf 1
    EXPECT_EQ(W()->HoveredLeaf(), 1);
    Click(Centre(1));
  });
  Step([&] { Click(Centre(2)); });
  Step([&] {
    // The row grows leftwards; the finished task takes no more cuts or help.
    EXPECT_EQ(Leaf(1).x, firstLanding - w);
    EXPECT_EQ(Leaf(2).x, firstLanding - 2 * w);
    EXPECT_TRUE(Near(Shown(Rim(2)), kLeafLit));
    EXPECT_EQ(StatRec->Good(), 3);
    EXPECT_TRUE(Task().Finished());
    EXPECT_FALSE(W()->HelpButton()->Visible());
    EXPECT_FALSE(Shears());
    TColor faded = Shown(Rim(4));
    EXPECT_FALSE(Near(faded, kLeaf) || Near(faded, gametest::kBackground));
    Played();
    Move(Centre(4));
    Click(Centre(5));
    W()->A_Pomoc->Execute();
  });
  Step([&] {
    EXPECT_FALSE(Shears());
    EXPECT_TRUE(Played().empty());
    EXPECT_EQ(StatRec->Bad() + StatRec->Help(), 1);
    hb().Key(' ', ' ');
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    EXPECT_EQ(W()->LetterAlpha(), 255);
    EXPECT_TRUE(W()->HelpButton()->Visible());
    Move(Centre(0));
  });
  Step([&] {
    EXPECT_TRUE(Shears());
    hb().Key(' ', ' ');  // moving on forgets the lit leaf, and the shears with it
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 2);
    EXPECT_FALSE(Shears());
    hb().Key(VK_BACK, 8);
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    Click(At(W()->HelpButton()));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_EQ(std::count(hb().Sleeps().begin(), hb().Sleeps().end(), 28u), 69);
    ExpectScreenIsBackBuffer(Leaf(0).Bounds());
    Played();
    Click(Centre(4), 3);  // the magnifier
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, WordSoundPath(Leaf(4).word));
    EXPECT_TRUE(hb().CursorVisible());
    EXPECT_TRUE(Near(CZoom44::lens.Cache->PixelColor(223, 220), ColourOf(Leaf(4).word->key)));
    ExpectScreenIsBackBuffer(W()->Zoom()->LensRect());
    Click({W()->Width() - 5, W()->Height() / 2}, 3);  // nothing there
    Click({W()->TitleRect().left + 5, W()->TitleRect().top + 5});
  });
  Step([&] {
    // The title: the sound, then the example word without waiting.
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && s[0].sync);
    EXPECT_TRUE(s[1].name == WordSoundPath(Task().titleWord) && !s[1].sync);
    EXPECT_EQ(W()->LetterAlpha(), 0);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0].good, 3);
    EXPECT_EQ(endOfGame[0].bad, 1 + 4 * 3);  // the wrong cut and every leaf left
    EXPECT_EQ(endOfGame[0].help, 1);
    ClickOn(FormKoniecGry->StartButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 0);
    EXPECT_FALSE(Task().leaves[0]->cut);
    ClickOn(W()->StopButton());
  });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });
  Step([&] {
    EXPECT_FALSE(W()->Visible());
    EXPECT_TRUE(W()->Tasks().empty());
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec[0].gameId, 2);
  EXPECT_FALSE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 3);
  EXPECT_EQ(rec[0].bad, 13);
  EXPECT_EQ(rec[1].bad, 15);
}

TEST_F(Vines, EveryLeafCutSavesACompletedGameAndTheSoundTimerOutlivesTheStop) {
  Open(0x10000, kFinal, 7);  // K at the end; any other level: 4 tasks of 3 right leaves
  for (int t = 0; t < 4; ++t) {
    for (int i = 0; i < 3; ++i) Step([&, i] { Click(Centre(i)); });
    Step([&] {
      EXPECT_TRUE(Task().Finished());
      hb().Key(' ', ' ');
    });
  }
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 12);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    EXPECT_EQ(endOfGame.back().bad, 0);
    ClickOn(FormKoniecGry->StartButton());
  });
  // Stopped before its sound was said, the task says it under the
  // end-of-game window; once the game has closed, the timer only stops.
  Step([&] {
    Played();
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().AdvanceTime(800); });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\"));
    EXPECT_TRUE(FormKoniecGry->Visible());
    ClickOn(FormKoniecGry->StartButton());
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  Step([&] {
    EXPECT_TRUE(W()->Timer()->Enabled());
    ClickOn(FormKoniecGry->StopButton());
  });
  Step([&] { hb().AdvanceTime(1000); });
  Step([&] {
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(W()->Timer()->Enabled());
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 3u);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 12);
  EXPECT_EQ(rec[0].bad, 0);
  EXPECT_FALSE(rec[1].completed);
  EXPECT_EQ(rec[1].bad, 12);
}

// ---- where the pieces go ----

TEST(VinesLayout, PlacesOfEveryArtSet) {
  struct Golden {
    int w, h;
    TPoint anchors[10], window[2], title, foreground, collect, cutMark, buttons[4];
  };
  const Golden golden[] = {
      {800, 600, {{206, 28}, {189, 180}, {356, 42}, {341, 224}, {474, 7}, {503, 280}, {307, 127}, {459, 149}, {591, 66}, {606, 192}},
       {{10, 4}, {16, 4}}, {82, 295}, {187, 562}, {490, 480}, {-8, 73}, {{8, 8}, {6, 82}, {6, 182}, {6, 263}}},
      {1024, 768, {{264, 36}, {242, 231}, {455, 54}, {437, 287}, {607, 9}, {643, 359}, {393, 163}, {588, 191}, {757, 85}, {776, 247}},
       {{13, 5}, {21, 5}}, {105, 378}, {240, 720}, {628, 614}, {-10, 93}, {{9, 8}, {7, 82}, {7, 188}, {7, 269}}},
      {1280, 960, {{330, 45}, {303, 288}, {569, 67}, {546, 358}, {759, 11}, {804, 448}, {492, 204}, {735, 239}, {946, 106}, {970, 308}},
       {{16, 6}, {26, 6}}, {132, 473}, {300, 900}, {785, 768}, {-13, 117}, {{11, 8}, {9, 82}, {9, 194}, {9, 275}}},
  };
  for (const Golden& g : golden) {
    CDisplay d;
    d.SelectMode(g.w, g.h);
    const liany::Layout l = liany::LayoutFor(d);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(l.anchors[std::size_t(i)], g.anchors[i]) << g.w << " anchor " << i;
    EXPECT_EQ(l.windowLeft, g.window[0]) << g.w;
    EXPECT_EQ(l.windowRight, g.window[1]) << g.w;
    EXPECT_EQ(l.title, g.title) << g.w;
    EXPECT_EQ(l.foreground, g.foreground) << g.w;
    EXPECT_EQ(l.collect, g.collect) << g.w;
    EXPECT_EQ(l.cutMark, g.cutMark) << g.w;
    const TPoint buttons[4] = {l.stop, l.help, l.next, l.previous};
    for (int b = 0; b < 4; ++b) EXPECT_EQ(buttons[b], g.buttons[b]) << g.w << " button " << b;
  }
}

class VinesWindowPlaces : public gametest::GameTest {};

TEST_F(VinesWindowPlaces, TheWindowAddsTheGameAreaOriginAndFailsWithCodeOneWithoutItsPictures) {
  // 1280 x 1024: the game area is the screen; 1920 x 1080: centred.
  for (auto [sw, sh] : {std::pair{1280, 1024}, std::pair{1920, 1080}}) {
    UseScreen(sw, sh);
    TFormLiany window(nullptr);
    const liany::Layout l = liany::LayoutFor(Display);
    const TPoint o{Display.GameArea.left, Display.GameArea.top};
    EXPECT_EQ(o.x, (sw - 1280) / 2);
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(window.Anchors()[std::size_t(i)], (TPoint{o.x + l.anchors[std::size_t(i)].x, o.y + l.anchors[std::size_t(i)].y}));
    EXPECT_EQ(window.TitleRect().left, o.x + 132);
    EXPECT_EQ(window.CollectBase(), (TPoint{o.x + 785, o.y + 768}));
    EXPECT_EQ(window.StopButton()->Left(), o.x + 11);
    EXPECT_EQ(window.PreviousButton()->Top(), o.y + 275);
  }
  testsupport::TempDir empty;
  testsupport::ScopedCwd here(empty.Path());
  EXPECT_THROW(TFormLiany broken(nullptr), CBlad);
}

}  // namespace
