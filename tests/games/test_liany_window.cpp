// The vines game in the whole program on the headless back end: opened from
// tab 2 of the main window, played with scripted input, stopped into the
// end-of-game window, played again and closed; and where the window puts
// its pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "games/Czoom44.h"
#include "games/Fmliany/Fmliany.h"
#include "games/Fmliany/LianyLayout.h"
#include "platform/ExtCtrls.h"
#include "platform/HeadlessBackend.h"
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

constexpr TColor kButton = 0x806040;  // the normal look of the test buttons

// The headless back end, with a look at the screen at every pause of an
// animation: what it showed between its frames.
class WatchedBackend : public HeadlessBackend {
 public:
  void Sleep(unsigned ms) override {
    HeadlessBackend::Sleep(ms);
    if (onSleep) onSleep(ms);
  }
  std::function<void(unsigned)> onSleep;
};

class Vines : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    InstallBackend(std::make_unique<WatchedBackend>());
    ProgramTest::SetUp();
  }
  void TearDown() override {
    ProgramTest::TearDown();
    InstallBackend(std::make_unique<HeadlessBackend>());
  }
  WatchedBackend& watched() { return static_cast<WatchedBackend&>(hb()); }
  // Steps: tab 2, the game's settings, "start"; every word's files are there.
  void Open(std::int32_t phonemes, std::int32_t positions, int level) {
    hb().SetScreenSize(1024, 768);
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
  static TPoint Middle(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  // The middle of a leaf shows its word; its lower right corner the leaf itself.
  TPoint Centre(int i) { return Middle(Leaf(i).Bounds()); }
  TPoint Rim(int i) { return {Leaf(i).Bounds().right - 4, Leaf(i).Bounds().bottom - 4}; }
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
  void ExpectScreenIsBackBuffer(const TRect& r) {
    for (int y = r.top; y < r.bottom; y += 3)
      for (int x = r.left; x < r.right; x += 3)
        ASSERT_EQ(hb().ScreenPixel(x, y), W()->BackBuffer()->PixelColor(x, y)) << x << "," << y;
  }
};

TEST_F(Vines, LevelOneGameFromTab2ThroughCutsHelpMagnifierNavigationToPlayAgainAndClose) {
  Open(0x1, kInitial | kMedial, 1);  // SZ
  int w = 0, firstLanding = 0, presents = 0;
  std::int64_t clicked = 0;
  std::vector<TColor> blinking, left;  // points of the screen at each pause of an animation
  bool cursorDuringLens = true;
  Step([&] {
    ASSERT_EQ(W()->Tasks().size(), 5u);
    EXPECT_EQ(W()->LetterAlpha(), 255);
    for (CPrzyciskW* b : {W()->StopButton(), W()->HelpButton(), W()->NextButton()})
      EXPECT_EQ(Shown(Middle(b->BoundsRect())), kButton);
    const TColor previous = Shown(Middle(W()->PreviousButton()->BoundsRect()));
    EXPECT_FALSE(previous == kButton || previous == gametest::kBackground);  // faded
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Near(Shown(Centre(i)), ColourOf(Leaf(i).word->key))) << i;
    // The sound's letters stand in the middle of the title, over a white veil
    // of three quarters.
    const TRect title = W()->TitleRect();
    int top = title.bottom, bottom = title.top;
    for (int y = title.top; y < title.bottom; ++y)
      for (int x = title.left; x < title.right; ++x)
        if (Shown({x, y}) == clBlack) top = std::min(top, y), bottom = std::max(bottom, y);
    ASSERT_LT(top, bottom);
    EXPECT_LE(std::abs((top + bottom) / 2 - Middle(title).y), 3);
    const TColor picture = ColourOf(Task().titleWord->key);
    TColor veiled = 0;
    for (int i = 0; i < 3; ++i)
      veiled |= TColor(gametest::Channel(picture, i) + (255 - gametest::Channel(picture, i)) * 3 / 4) << (8 * i);
    EXPECT_TRUE(Near(Shown({title.left + 2, title.top + 2}), veiled));
    w = Leaf(0).Bounds().Width();
    firstLanding = W()->CollectBase().x + w / 2;
    hb().Key(VK_BACK, 8);  // nothing before the first task
    Played();
    presents = hb().PresentCount();
    hb().AdvanceTime(800);
  });
  Step([&] {
    // 800 ms after the task is shown its sound is said and the letter fades
    // on the screen, step by step, down to the bare picture.
    EXPECT_EQ(W()->CurrentTask(), 0);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && s[0].sync);
    EXPECT_EQ(W()->LetterAlpha(), 0);
    EXPECT_GE(hb().PresentCount() - presents, 17);
    EXPECT_TRUE(Near(Shown(Middle(W()->TitleRect())), ColourOf(Task().titleWord->key)));
    EXPECT_EQ(std::count(hb().Sleeps().begin(), hb().Sleeps().end(), 20u), 17);
    EXPECT_FALSE(W()->Timer()->Enabled());
    Move(Centre(0));
  });
  Step([&] {
    EXPECT_TRUE(Near(Shown(Rim(0)), kLeafLit));
    Move(Centre(3));  // a wrong leaf
  });
  Step([&] {
    EXPECT_TRUE(Shears());
    EXPECT_TRUE(Near(Shown(Rim(0)), kLeaf));
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
    EXPECT_TRUE(Near(Shown(Rim(3)), kLeaf));  // put out, though the pointer stays on it
    EXPECT_FALSE(Shears());
    // A right leaf; half a second into its flight another right one is clicked.
    const TPoint landed{firstLanding + w - 4, W()->CollectBase().y + Leaf(0).Bounds().Height() - 4};
    watched().onSleep = [&, landed, from = Rim(0)](unsigned ms) {
      if (ms == 23) blinking.push_back(Shown(landed));
      if (ms == 23) left.push_back(Shown(from));
    };
    Click(Centre(0));
    Click(Centre(1), 1, 500);
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_TRUE(Leaf(0).cut && !Leaf(1).cut);
    EXPECT_EQ(Leaf(0).x, firstLanding);
    EXPECT_EQ(Leaf(0).y, W()->CollectBase().y);
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(Is(s[0], "Intf\\Smd\\g") && !s[0].sync);
    EXPECT_TRUE(s[1].name == WordSoundPath(Leaf(0).word) && s[1].sync);
    EXPECT_GE(s[1].startMs - s[0].startMs, 1840);  // after 80 steps of 23 ms
    EXPECT_EQ(W()->HoveredLeaf(), 1);              // the last move is posted again
    EXPECT_TRUE(Shears());
    // The leaf flew lit all the way to its place in the row, leaving the vine bare.
    watched().onSleep = nullptr;
    ASSERT_EQ(blinking.size(), 80u);
    EXPECT_TRUE(Near(blinking.back(), kLeafLit));
    EXPECT_TRUE(Near(left.back(), gametest::kBackground));
    blinking.clear();
    Move(Centre(0));
  });
  Step([&] {
    // A cut leaf in the row is neither lit nor cut again.
    EXPECT_FALSE(Shears());
    EXPECT_EQ(W()->HoveredLeaf(), -1);
    Click(Centre(0));
    Click(Centre(1));
  });
  Step([&] { Click(Centre(2)); });
  Step([&] {
    // The row grows leftwards; the finished task takes no more cuts or help.
    EXPECT_EQ(Leaf(1).x, firstLanding - w);
    EXPECT_EQ(Leaf(2).x, firstLanding - 2 * w);
    EXPECT_TRUE(Near(Shown(Rim(2)), kLeafLit));
    const TPoint mark{Leaf(2).x - 5, Leaf(2).y + Display.Scale(16, 117) + 5};  // the cut stalk's end
    EXPECT_TRUE(Near(Shown(mark), clBlack));
    EXPECT_EQ(StatRec->Good(), 3);
    EXPECT_FALSE(W()->HelpButton()->Visible());
    EXPECT_FALSE(Shears());
    const TColor faded = Shown(Rim(4));
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
    Click(Centre(0), 3);  // a collected leaf is magnified too
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, WordSoundPath(Leaf(0).word));
    hb().Key(' ', ' ');
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    EXPECT_EQ(Shown(Middle(W()->PreviousButton()->BoundsRect())), kButton);
    EXPECT_TRUE(Near(Shown(Centre(0)), ColourOf(Leaf(0).word->key)));
    EXPECT_EQ(W()->LetterAlpha(), 255);
    EXPECT_TRUE(W()->HelpButton()->Visible());
    Move(Centre(0));
  });
  Step([&] {
    EXPECT_TRUE(Shears());
    Move(Middle(W()->NextButton()->BoundsRect()));  // from the leaf straight onto a button
  });
  Step([&] {
    EXPECT_FALSE(Shears());
    EXPECT_TRUE(Near(Shown(Rim(0)), kLeaf));
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
    watched().onSleep = [&, rim = Rim(0)](unsigned ms) {
      if (ms == 28) blinking.push_back(Shown(rim));
    };
    Click(Middle(W()->HelpButton()->BoundsRect()));
    Click(Centre(4), 1, 500);  // a wrong leaf while the help blinks
  });
  Step([&] {
    // The first right leaf blinked yellow three times and is back as it was;
    // the click made meanwhile was dropped.
    watched().onSleep = nullptr;
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_EQ(std::count(hb().Sleeps().begin(), hb().Sleeps().end(), 28u), 69);
    int blinks = 0;
    for (std::size_t i = 0; i < blinking.size(); ++i)
      blinks += gametest::Channel(blinking[i], 0) > 0xC0 && (i == 0 || gametest::Channel(blinking[i - 1], 0) <= 0xC0);
    EXPECT_EQ(blinks, 3);
    EXPECT_TRUE(Near(blinking.back(), kLeaf));
    ExpectScreenIsBackBuffer(Leaf(0).Bounds());
    Played();
    watched().onSleep = [&](unsigned ms) {
      if (ms == 400) cursorDuringLens = hb().CursorVisible();
    };
    Click(Centre(4), 3);
  });
  Step([&] {
    // The magnifier said the leaf's word over its picture and has gone.
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, WordSoundPath(Leaf(4).word));
    watched().onSleep = nullptr;
    EXPECT_FALSE(cursorDuringLens);
    EXPECT_TRUE(hb().CursorVisible());
    EXPECT_TRUE(Near(CZoom44::lens.Cache->PixelColor(223, 220), ColourOf(Leaf(4).word->key)));
    ExpectScreenIsBackBuffer(W()->Zoom()->LensRect());
    Click({W()->Width() - 5, W()->Height() / 2}, 3);  // nothing there
    Click(Middle(W()->TitleRect()), 3);
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, WordSoundPath(Task().titleWord));
    Click({W()->TitleRect().left + 5, W()->TitleRect().top + 5});
    clicked = hb().NowMs();
    presents = hb().PresentCount();
  });
  Step([&] {
    // The title: the letter fades in, the sound, the letter fades out, then
    // the example word without waiting; 26 steps of 20 ms each way.
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && s[0].sync);
    EXPECT_EQ(s[0].startMs - clicked, 520);
    EXPECT_EQ(s[1].startMs - s[0].startMs, lianytest::kPhonemeSoundMs + 520);
    EXPECT_GE(hb().PresentCount() - presents, 2 * 26);
    EXPECT_TRUE(s[1].name == WordSoundPath(Task().titleWord) && !s[1].sync);
    EXPECT_EQ(W()->LetterAlpha(), 0);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    // Every right leaf left counts as a wrong answer.
    auto rec = Sessions();
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec[0].gameId, 2);
    EXPECT_FALSE(rec[0].completed);
    EXPECT_EQ(rec[0].good, 3);
    EXPECT_EQ(rec[0].bad, 1 + 4 * 3);
    EXPECT_EQ(rec[0].help, 1);
    ClickOn(FormKoniecGry->StartButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 0);
    EXPECT_FALSE(Leaf(0).cut);
    ClickOn(W()->StopButton());
  });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });
  Step([&] { EXPECT_TRUE(!W()->Visible() && W()->Tasks().empty()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(FormLiany, nullptr);  // the window has gone with the program
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec[1].bad, 15);
}

// Every input keeps the session counting: a click on the board, "nast",
// "pop" and "pomoc", each followed by 100 s without input, more than half
// the idle time.
TEST_F(Vines, EveryInputKeepsTheSessionAlive) {
  Open(0x10000, kFinal, 1);  // K at the end
  const std::vector<NamedInput> inputs = {
      {"start", [] {}},
      {"board", [this] { Click({W()->Width() - 5, 5}); }},
      {"next", [this] { ClickOn(W()->NextButton()); }},
      {"previous", [this] { ClickOn(W()->PreviousButton()); }},
      {"help", [this] {
         EXPECT_EQ(W()->CurrentTask(), 0);
         ClickOn(W()->HelpButton());
       }},
  };
  StepInputsKeepingSessionAlive(inputs);
  Step([&] {
    EXPECT_TRUE(StatRec->Active()) << "after help";
    EXPECT_EQ(StatRec->Help(), 1);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Sessions().size(), 1u);
}

TEST_F(Vines, NoSoundWithEnoughWordsShowsMessageThreeInsteadOfTheGame) {
  Open(0x800, kInitial, 1);  // DŹ starts two words; a sound needs five
  Step([&] { CloseTooFewWordsMessage(W()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(Sessions().empty());
}

TEST_F(Vines, TheSoundTimerOutlivesTheStopButOnlyStopsItselfOnceTheGameHasClosed) {
  Open(0x10000, kFinal, 7);  // K at the end; any other level plays 4 tasks
  TPoint far{};
  // The title clicked before the timer's time: the sound and the example
  // word, and the timer, due by then, says nothing more.
  Step([&] { Click(Middle(W()->TitleRect())); });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && s[1].name == WordSoundPath(Task().titleWord));
    EXPECT_FALSE(W()->Timer()->Enabled());
  });
  for (int t = 0; t < 4; ++t) Step([&] { hb().Key(' ', ' '); });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 3);  // Space on the last task stays there
    // The leaf farthest from the middle, where the end-of-game window will stand.
    const TPoint mid{W()->Width() / 2, W()->Height() / 2};
    auto distance = [&](TPoint p) { return std::abs(p.x - mid.x) + std::abs(p.y - mid.y); };
    far = mid;
    for (int i = 0; i < 6; ++i)
      if (distance(Centre(i)) > distance(far)) far = Centre(i);
    Move(far);
  });
  Step([&] {
    EXPECT_TRUE(Shears());
    Played();
    hb().Key(VK_ESCAPE, 27);
  });
  // Stopped before its sound was said, the task says it under the end-of-game
  // window; the shears are gone from the board around that window.
  Step([&] {
    ASSERT_TRUE(FormKoniecGry->Visible());
    ASSERT_FALSE(FormKoniecGry->BoundsRect().Contains(far.x, far.y));
    EXPECT_FALSE(Shears());
    hb().AdvanceTime(800);
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(Is(s[0], "Smdgl\\") && FormKoniecGry->Visible());
    ClickOn(FormKoniecGry->StartButton());
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  Step([&] {
    EXPECT_TRUE(W()->Timer()->Enabled());
    ClickOn(FormKoniecGry->StopButton());
  });
  Step([&] { hb().AdvanceTime(1000); });
  Step([&] { EXPECT_TRUE(Played().empty() && !W()->Timer()->Enabled()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec[0].bad, 12);
}

// ---- where the pieces go ----

TEST(VinesLayout, PlacesOfEveryArtSet) {
  // Leaf anchors 0-9, the picture windows in the left and right leaf, title,
  // foreground patch, collecting point, cut mark; "stop", "pomoc", "nast", "pop".
  struct Golden {
    int w, h;
    std::vector<TPoint> places;
  };
  const Golden golden[] = {
      {800, 600, {{206, 28},  {189, 180}, {356, 42},  {341, 224}, {474, 7}, {503, 280}, {307, 127},
                  {459, 149}, {591, 66},  {606, 192}, {10, 4},    {16, 4},  {82, 295},  {187, 562},
                  {490, 480}, {-8, 73},   {8, 8},     {6, 82},    {6, 182}, {6, 263}}},
      {1024, 768, {{264, 36},  {242, 231}, {455, 54},  {437, 287}, {607, 9}, {643, 359}, {393, 163},
                   {588, 191}, {757, 85},  {776, 247}, {13, 5},    {21, 5},  {105, 378}, {240, 720},
                   {628, 614}, {-10, 93},  {9, 8},     {7, 82},    {7, 188}, {7, 269}}},
      {1280, 960, {{330, 45},  {303, 288}, {569, 67},  {546, 358}, {759, 11}, {804, 448}, {492, 204},
                   {735, 239}, {946, 106}, {970, 308}, {16, 6},    {26, 6},   {132, 473}, {300, 900},
                   {785, 768}, {-13, 117}, {11, 8},    {9, 82},    {9, 194},  {9, 275}}},
  };
  for (const Golden& g : golden) {
    CDisplay d;
    d.SelectMode(g.w, g.h);
    const liany::Layout l = liany::LayoutFor(d);
    std::vector<TPoint> places(l.anchors.begin(), l.anchors.end());
    places.insert(places.end(), {l.windowLeft, l.windowRight, l.title, l.foreground, l.collect, l.cutMark, l.stop,
                                 l.help, l.next, l.previous});
    for (std::size_t i = 0; i < places.size(); ++i)
      EXPECT_EQ(places[i], g.places[i]) << g.w << "x" << g.h << ", place " << i;
  }
}

class VinesWindow : public gametest::GameTest {};

TEST_F(VinesWindow, PlacesFromTheGameAreaOriginAndCodeOneWithoutItsPictures) {
  UseScreen(1920, 1080);  // a 1280 x 1024 game area in the middle
  TFormLiany window(nullptr);
  const liany::Layout l = liany::LayoutFor(Display);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(window.Anchors()[std::size_t(i)],
              (TPoint{320 + l.anchors[std::size_t(i)].x, 28 + l.anchors[std::size_t(i)].y}));
  EXPECT_EQ((TPoint{window.TitleRect().left, window.TitleRect().top}), (TPoint{320 + 132, 28 + 473}));
  EXPECT_EQ(window.CollectBase(), (TPoint{320 + 785, 28 + 768}));
  EXPECT_EQ((TPoint{window.StopButton()->Left(), window.StopButton()->Top()}), (TPoint{320 + 11, 28 + 8}));
  EXPECT_EQ((TPoint{window.PreviousButton()->Left(), window.PreviousButton()->Top()}), (TPoint{320 + 9, 28 + 275}));
  testsupport::TempDir empty;
  testsupport::ScopedCwd here(empty.Path());
  try {
    TFormLiany broken(nullptr);
    ADD_FAILURE() << "built without its pictures";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);  // missing resources
  }
}

}  // namespace
