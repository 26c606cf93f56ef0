// The flowers game in the whole program on the headless back end, opened from
// the main window's starter for tab 3 and played with the mouse; and the
// window built alone in every screen size, its places held to the design.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "games/Czoom44.h"
#include "games/Fmkwiatki/Fmkwiatki.h"
#include "platform/Mmsystem.h"
#include "platform/Random.h"
#include "platform/WinApi.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::Near;
using shelltest::ClickOn;
using Task = CKwiatkiZadanie;

class Flowers : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    hb().SetScreenSize(1024, 768);
    std::filesystem::create_directories(tree->File("Data/Smdgl"));
    for (std::int32_t sound : {0x1, 0x4})
      WriteWaveFile(tree->File("Data/Smdgl/" + PhonemeSoundName(sound) + ".pw"), std::vector<std::int16_t>(400, 0), 4000);
    options.onReady = [this] {
      SeedRandom(7, 11);  // the games drawn and the smiles' jitter
      FormKoniecGry->OnShow = [this](TObject*) { endOfGame.push_back({StatRec->Good(), StatRec->Bad()}); };
    };
  }
  void Open(std::int32_t phonemes, std::int32_t positions, int level) {
    words->Cover(phonemes, positions);
    Step([this] { ClickOn(FormMain->TabToggle(3)->GetImage()); });
    Step([=, this] {
      SettingsKwiatki.PhonemeMask = phonemes;
      SettingsKwiatki.PositionMask = positions;
      SettingsKwiatki.Level = level;
      ClickOn(FormMain->Button(TFormMain::bStart));
    });
  }

  TFormKwiatki* W() { return FormKwiatki; }
  const Task& T() { return *W()->Game().Current(); }
  const Task::CKwiGloska& Marker(int m) { return T().markers[std::size_t(m)]; }
  TPoint Label(int m) { return TPoint{Marker(m).x + Marker(m).width / 2, Marker(m).y + Marker(m).height / 2}; }
  TPoint FlowerCentre(int k) {
    const TRect& r = W()->Game().Board().flowers[k];
    return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  bool Inked(int m) { return Near(hb().ScreenPixel(Marker(m).x + 1, Marker(m).y + 1), clBlack); }
  TPoint Nowhere() { return TPoint{Display.GameArea.left + 5, Display.GameArea.top + 5}; }
  bool Takes(int m, int k) { return FindRecordByPhoneme(T().flowers[std::size_t(k)].record->word, Marker(m).record->phonemeText); }
  bool OwnLabel(int m, int k) { return T().flowers[std::size_t(k)].record->phonemeText == Marker(m).record->phonemeText; }
  // Help's pair: the first free marker in order with a free flower of its
  // own label, and the first such flower.
  std::pair<int, int> HelpPair() {
    for (int m = 0; m < int(T().markers.size()); ++m)
      for (int k = 0; k < 8; ++k)
        if (!Marker(m).placed && !T().flowers[std::size_t(k)].occupied && OwnLabel(m, k)) return {m, k};
    ADD_FAILURE() << "no help";
    return {0, 0};
  }
  // The first free marker and free flower that do (or do not) go together;
  // with other, only where the flower's own label is another one.
  std::pair<int, int> Pair(bool right, bool other = false) {
    for (int m = 0; m < int(T().markers.size()); ++m)
      for (int k = 0; k < 8; ++k)
        if (!Marker(m).placed && !T().flowers[std::size_t(k)].occupied && Takes(m, k) == right &&
            !(other && OwnLabel(m, k)))
          return {m, k};
    ADD_FAILURE() << "no such pair";
    return {0, 0};
  }
  // Holds marker m by its label and lets go at p: the plate's centre lands there.
  void Drag(int m, TPoint p) {
    hb().MouseMove(Label(m).x, Label(m).y);
    hb().MouseDown(Label(m).x, Label(m).y);
    hb().MouseMove(p.x, p.y);
    hb().MouseUp(p.x, p.y);
  }
  // One right drop, when the task is not finished yet.
  void SolveStep() {
    Step([this] {
      if (!T().Finished()) Drag(Pair(true).first, FlowerCentre(Pair(true).second));
    });
  }
  // A free marker other than m.
  int OtherFree(int m) {
    int other = 0;
    while (other == m || Marker(other).placed) ++other;
    return other;
  }
  // Holds marker m by its label and carries it to p, not letting go.
  void Hold(int m, TPoint p) {
    hb().MouseMove(Label(m).x, Label(m).y);
    hb().MouseDown(Label(m).x, Label(m).y);
    hb().MouseMove(p.x, p.y);
  }
  std::vector<HeadlessBackend::SoundEntry> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }
  std::vector<std::pair<int, int>> endOfGame;  // good and bad answers shown
};

TEST_F(Flowers, AGameFromTheMainWindowWithEveryKindOfDropHelpAndBothEnds) {
  Open(0x5, kInitial | kMedial | kFinal, 1);  // SZ and CZ, which many words hold both
  int m = 0, k = 0, taken = 0, spare = -1;
  std::size_t sleeps = 0;
  TPoint home;
  Step([&] {
    ASSERT_NE(W(), nullptr);
    EXPECT_TRUE(W()->Modal());
    EXPECT_EQ(W()->Game().TaskTotal(), 3);
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    EXPECT_TRUE(W()->HelpButton()->Visible() && W()->NextButton()->Visible());
    for (int f = 0; f < 8; ++f) {
      EXPECT_TRUE(Near(hb().ScreenPixel(FlowerCentre(f).x, FlowerCentre(f).y), ColourOf(T().flowers[std::size_t(f)].record->key)));
      EXPECT_TRUE(Inked(f));
    }
    for (CPrzyciskW* b : {W()->NextButton(), W()->HelpButton()})
      EXPECT_EQ(hb().ScreenPixel(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2), 0x806040);  // the buttons' look
    const CPrzyciskW* previous = W()->PreviousButton();  // faded
    const TColor faded = hb().ScreenPixel(previous->Left() + previous->Width() / 2, previous->Top() + previous->Height() / 2);
    EXPECT_FALSE(Near(faded, 0x806040) || Near(faded, gametest::kBackground));
    // Free markers show no plate until hovered.
    EXPECT_TRUE(Near(hb().ScreenPixel(W()->PlateRect(1).left + 2, W()->PlateRect(1).top + 2), gametest::kBackground));
    hb().MouseMove(Label(0).x, Label(0).y);
  });
  Step([&] {
    // The hovered marker gets its plate and the hand.
    EXPECT_EQ(W()->HoveredMarker(), 0);
    EXPECT_EQ(hb().Cursor(), Screen->Cursors(1));
    const TRect plate = W()->PlateRect(0);
    EXPECT_TRUE(Near(hb().ScreenPixel(plate.left + 2, plate.top + 2), gametest::kFlowerPlate));
    EXPECT_TRUE(Inked(0));
    hb().MouseMove(Nowhere().x, Nowhere().y);
  });
  Step([&] {
    EXPECT_EQ(W()->HoveredMarker(), -1);
    EXPECT_EQ(hb().Cursor(), nullptr);
    EXPECT_TRUE(Near(hb().ScreenPixel(W()->PlateRect(0).left + 2, W()->PlateRect(0).top + 2), gametest::kBackground));
    std::tie(m, k) = Pair(true, true);
    spare = Marker(m).slot;
    Played();
    Drag(m, FlowerCentre(k));
  });
  Step([&] {
    // Praise waited for, a pause, the word; the marker sits on the flower's landing place.
    EXPECT_EQ(StatRec->Good(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(s[0].sync && s[0].name.find("Intf\\Smd\\g") != std::string::npos);
    EXPECT_EQ(s[1].name, WordSoundPath(T().flowers[std::size_t(k)].record->word));
    EXPECT_FALSE(s[1].sync);
    EXPECT_EQ(s[1].startMs - s[0].startMs, gametest::kFeedbackSoundMs + 400);
    EXPECT_TRUE(Marker(m).placed && T().flowers[std::size_t(k)].occupied);
    EXPECT_EQ(T().remaining, 7);
    const TRect plate = W()->PlateRect(m);
    const TPoint landing = W()->Places().landing[0][std::size_t(k)];
    EXPECT_LE(std::abs((plate.left + plate.right) / 2 - Display.GameArea.left - landing.x), 1);
    EXPECT_LE(std::abs((plate.top + plate.bottom) / 2 - Display.GameArea.top - landing.y), 1);
    // Its plate shows, half through; the hand has gone.
    const TColor half = hb().ScreenPixel(plate.left + 2, plate.top + 2);
    EXPECT_FALSE(Near(half, gametest::kBackground) || Near(half, ColourOf(T().flowers[std::size_t(k)].record->key)));
    EXPECT_EQ(hb().Cursor(), nullptr);
    // A marker with another label leaves a new one with its record in the lowest free slot.
    ASSERT_EQ(T().markers.size(), 9u);
    EXPECT_EQ(T().markers.back().record, Marker(m).record);
    EXPECT_EQ(T().markers.back().slot, spare);
    taken = k;
    std::tie(m, k) = Pair(false);
    home = TPoint{Marker(m).x, Marker(m).y};
    sleeps = hb().Sleeps().size();
    Drag(m, FlowerCentre(k));
  });
  Step([&] {
    // A wrong flower: blame, not waited for, and the marker flies back home.
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_EQ(hb().Sleeps().size() - sleeps, 32u);
    EXPECT_EQ(hb().Cursor(), nullptr);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(!s[0].sync && s[0].name.find("Intf\\Smd\\b") != std::string::npos);
    EXPECT_FALSE(Marker(m).placed);
    EXPECT_EQ(Marker(m).x, home.x);
    EXPECT_EQ(Marker(m).y, home.y);
    // Between the flowers, and on a taken flower: home again, no sound, nothing counted.
    int other = 0;
    while (other == m || Marker(other).placed) ++other;
    Drag(other, Nowhere());
  });
  Step([&] {
    EXPECT_TRUE(Played().empty());
    EXPECT_EQ(hb().Cursor(), nullptr);
    Drag(Pair(true).first, FlowerCentre(taken));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 2);
    // A placed marker stays where it is, even pulled onto a flower that would take it.
    for (int i = 0; i < int(T().markers.size()); ++i)
      if (Marker(i).placed) m = i;
    for (k = 0; k < 8 && (T().flowers[std::size_t(k)].occupied || !Takes(m, k));) ++k;
    ASSERT_LT(k, 8);
    Drag(m, FlowerCentre(k));
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 2);
    EXPECT_EQ(T().remaining, 7);
    // Right clicks: a placed marker says its sound, a flower shows the magnifier.
    Played();
    hb().Click(Label(m).x, Label(m).y, 3);
  });
  Step([&] {
    EXPECT_EQ(hb().Cursor(), nullptr);  // no hand over a placed marker
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, std::string("Data\\Smdgl\\") + PhonemeSoundName(std::int32_t(Marker(m).record->flags & 0x3FFFFFF)) + ".pw");
    EXPECT_FALSE(s[0].sync);
    k = Pair(true).second;
    hb().Click(FlowerCentre(k).x, FlowerCentre(k).y, 3);
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(s[0].sync);
    EXPECT_EQ(s[0].name, WordSoundPath(T().flowers[std::size_t(k)].record->word));
    EXPECT_TRUE(W()->Zoom()->LensRect().Contains(FlowerCentre(k).x, FlowerCentre(k).y));
    // The lens has gone again, and the pointer is back.
    const TPoint frame{W()->Zoom()->LensRect().left + 5, W()->Zoom()->LensRect().top + 5};
    EXPECT_EQ(hb().ScreenPixel(frame.x, frame.y), W()->BackBuffer()->PixelColor(frame.x, frame.y));
    EXPECT_TRUE(hb().CursorVisible());
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 2);
    ClickOn(W()->HelpButton());
  });
  Step([&] {
    // Help shows a pair and counts; nothing is placed.
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_EQ(T().remaining, 7);
    // The release of a drag is lost: the next press sends the marker home uncounted and starts its own drag.
    std::tie(m, k) = Pair(true);
    home = TPoint{Marker(m).x, Marker(m).y};
    sleeps = hb().Sleeps().size();
    hb().MouseDown(Label(m).x, Label(m).y);
    hb().MouseMove(FlowerCentre(k).x, FlowerCentre(k).y);
    int other = 0;
    while (other == m || Marker(other).placed) ++other;
    hb().MouseDown(Label(other).x, Label(other).y);
    hb().MouseMove(FlowerCentre(k).x, FlowerCentre(k).y);
    // Another window takes the pointer before this one is let go.
    hb().LoseFocus();
  });
  Step([&] {
    // Both markers flew home: 28 frames each.
    EXPECT_EQ(hb().Sleeps().size() - sleeps, 56u);
    EXPECT_FALSE(W()->Dragging());
    EXPECT_EQ(T().remaining, 7);
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 2);
    EXPECT_EQ(Marker(m).x, home.x);
    EXPECT_EQ(Marker(m).y, home.y);
    EXPECT_TRUE(Played().empty());
    hb().MouseMove(Label(m).x, Label(m).y);
    hb().MouseDown(Label(m).x, Label(m).y);
    hb().MouseMove(FlowerCentre(k).x, FlowerCentre(k).y);
  });
  Step([&] {
    // The dragged plate and label follow the pointer, the hand over them.
    EXPECT_TRUE(Near(hb().ScreenPixel(FlowerCentre(k).x - W()->PlateWidth() / 2 + 2, FlowerCentre(k).y), gametest::kFlowerPlate));
    const TPoint ink{FlowerCentre(k).x + Marker(m).x + 1 - Label(m).x, FlowerCentre(k).y + Marker(m).y + 1 - Label(m).y};
    EXPECT_TRUE(Near(hb().ScreenPixel(ink.x, ink.y), clBlack));
    EXPECT_EQ(hb().Cursor(), Screen->Cursors(1));
    EXPECT_FALSE(Inked(m));  // gone from its home
    // Space before the release: the marker goes home first, the release finds no drag.
    hb().Key(VK_SPACE, 32);
    hb().MouseUp(FlowerCentre(k).x, FlowerCentre(k).y);
  });
  Step([&] {
    // The next task forgets the hovered marker and its hand.
    EXPECT_EQ(W()->Game().currentTask, 1);
    EXPECT_TRUE(Near(hb().ScreenPixel(FlowerCentre(0).x, FlowerCentre(0).y), ColourOf(T().flowers[0].record->key)));
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 2);
    EXPECT_EQ(hb().Cursor(), nullptr);
    EXPECT_EQ(W()->HoveredMarker(), -1);
    hb().MouseMove(Label(0).x, Label(0).y);
  });
  Step([&] {
    EXPECT_EQ(hb().Cursor(), Screen->Cursors(1));
    hb().Key(VK_BACK, 8);
  });
  Step([&] {
    EXPECT_EQ(hb().Cursor(), nullptr);  // the hovered marker forgotten with its task
    hb().MouseMove(Nowhere().x, Nowhere().y);
  });
  // A press, and nothing but presses, keeps the session alive: help, the board, the arrows.
  for (int i = 0; i < 4; ++i) {
    Step([&] { hb().AdvanceTime(100000); });
    Step([&, i] {
      EXPECT_TRUE(StatRec->Active()) << i;
      if (i == 0) ClickOn(W()->HelpButton());
      if (i == 1) hb().Click(Nowhere().x, Nowhere().y);
      if (i == 2) ClickOn(W()->NextButton());
      if (i == 3) ClickOn(W()->PreviousButton());
    });
  }
  Step([&] { hb().AdvanceTime(100000); });
  Step([&] {
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(W()->Game().currentTask, 0);
  });
  for (int i = 0; i < 16; ++i) SolveStep();
  Step([&] {
    // Finished: help fades, smiles stand on the home slots, spare markers hide but still answer.
    ASSERT_TRUE(T().Finished());
    EXPECT_FALSE(W()->HelpButton()->Visible());
    // Each smile stands on its slot shifted by up to 2 px, not all alike (38 px: the test data's).
    std::set<std::pair<int, int>> shifts;
    for (const TPoint& slot : W()->Game().Board().homeSlots) {
      int left = slot.x - 38, top = slot.y - 38;
      while (left < slot.x && !Near(hb().ScreenPixel(left, slot.y), clYellow)) ++left;
      while (top < slot.y && !Near(hb().ScreenPixel(slot.x, top), clYellow)) ++top;
      shifts.insert({left - (slot.x - 19), top - (slot.y - 19)});
      EXPECT_TRUE(std::abs(left - (slot.x - 19)) <= 2 && std::abs(top - (slot.y - 19)) <= 2) << left << "," << top;
    }
    EXPECT_GT(shifts.size(), 1u);
    Played();
    spare = -1;
    for (int i = 0; i < int(T().markers.size()); ++i)
      if (!Marker(i).placed) spare = i;
    ASSERT_GE(spare, 0);
    hb().Click(Label(spare).x, Label(spare).y, 3);
    hb().MouseDown(Label(spare).x, Label(spare).y);
  });
  Step([&] {
    EXPECT_EQ(Played().size(), 1u);
    EXPECT_FALSE(W()->Dragging());
    hb().MouseUp(Label(spare).x, Label(spare).y);
    hb().Key(VK_SPACE, 32);
  });
  SolveStep();
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  Step([&] {
    // Seven flowers left in the task begun, eight in the one untouched.
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0].second, StatRec->Bad());
    EXPECT_EQ(StatRec->Bad(), 1 + 7 + 8);
    auto rec = Sessions();
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_FALSE(rec[0].completed);
    EXPECT_EQ(rec[0].gameId, 3);
    EXPECT_EQ(rec[0].help, 2);
    ClickOn(FormKoniecGry->StartButton());  // play again
  });
  for (int t = 0; t < 3; ++t) {
    for (int i = 0; i < 16; ++i) SolveStep();
    if (t < 2) Step([&] { ClickOn(W()->NextButton()); });
  }
  Step([&] {
    EXPECT_EQ(W()->Game().UnsolvedCount(), 0);
    hb().Key(VK_SPACE, 32);  // the last task stays
  });
  Step([&] {
    EXPECT_EQ(W()->Game().currentTask, 2);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 2u);
    EXPECT_EQ(endOfGame[1].second, 0);
    EXPECT_GE(endOfGame[1].first, 24);
    hb().Key(VK_ESCAPE, 27);  // close the game
  });
  Step([&] {
    EXPECT_FALSE(W()->Visible());
    EXPECT_EQ(W()->Game().TaskTotal(), 0);
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_TRUE(rec[1].completed);
  EXPECT_EQ(rec[1].bad, 0);
  EXPECT_EQ(rec[1].good, endOfGame[1].first);
}

// What the child does while the window is busy flying a marker, praising or
// speaking through the lens is dropped; markers land by their task's layout.
TEST_F(Flowers, ClicksDuringFlightsAndTheLensAreDroppedAndEachTaskLandsByItsLayout) {
  Open(0x5, kInitial | kMedial | kFinal, 2);
  int m = 0, k = 0, frames = 0;
  TPoint helpTarget;
  // A right click on a free marker 100 ms on: its sound, should it come through.
  auto rightClickLater = [&](int marker) { hb().Click(Label(marker).x, Label(marker).y, 3, 100); };
  Step([&] {
    ASSERT_EQ(W()->Game().TaskTotal(), 5);
    std::tie(m, k) = Pair(true);
    Played();
    // The plate's centre, not the pointer, decides: here just inside the flower's left edge.
    Drag(m, TPoint{W()->Game().Board().flowers[k].left + 1, FlowerCentre(k).y});
    rightClickLater(OtherFree(m));  // during the praise
  });
  Step([&] {
    EXPECT_TRUE(Marker(m).placed);
    EXPECT_EQ(Played().size(), 2u);  // the praise and the word
    std::tie(m, k) = HelpPair();
    const TRect& f = W()->Game().Board().flowers[k];
    helpTarget = {(f.left + f.right - W()->PlateWidth()) / 2, (f.top + f.bottom - W()->PlateHeight()) / 2};
    frames = 0;
    hb().DuringSleeps([&] {
      if (++frames != 40) return;  // the end of the way there: the plate just covers the target
      EXPECT_FALSE(Inked(m));        // and has left its home
      const int w = W()->PlateWidth(), h = W()->PlateHeight();
      auto plateAt = [&](int dx, int dy) { return Near(hb().ScreenPixel(helpTarget.x + dx, helpTarget.y + dy), gametest::kFlowerPlate); };
      EXPECT_TRUE(plateAt(2, 2) && plateAt(w - 3, h - 3));
      EXPECT_FALSE(plateAt(-3, h / 2) || plateAt(w + 2, h / 2) || plateAt(w / 2, -3) || plateAt(w / 2, h + 2));
    });
    ClickOn(W()->HelpButton());
    rightClickLater(OtherFree(m));
  });
  Step([&] {
    hb().DuringSleeps(nullptr);
    EXPECT_EQ(frames, 60);
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_TRUE(Played().empty());
    k = Pair(true).second;
    hb().Click(FlowerCentre(k).x, FlowerCentre(k).y, 3);
    rightClickLater(OtherFree(0));  // while the word is spoken
  });
  Step([&] {
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, WordSoundPath(T().flowers[std::size_t(k)].record->word));
    hb().Key(VK_SPACE, 32);
  });
  // Tasks 1, 2 and 3: layouts 1, 2 and 0 again.
  for (int t = 1; t <= 3; ++t) {
    Step([&] {
      std::tie(m, k) = Pair(true);
      Drag(m, FlowerCentre(k));
    });
    Step([&, t] {
      ASSERT_TRUE(Marker(m).placed);
      const TRect plate = W()->PlateRect(m);
      const TPoint landing = W()->Places().landing[std::size_t(t % 3)][std::size_t(k)];
      EXPECT_LE(std::abs((plate.left + plate.right) / 2 - Display.GameArea.left - landing.x), 1) << t;
      EXPECT_LE(std::abs((plate.top + plate.bottom) / 2 - Display.GameArea.top - landing.y), 1) << t;
      hb().Key(VK_SPACE, 32);
    });
  }
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 4);
  EXPECT_EQ(rec[0].help, 1);
}

// A drag whose release has not come yet ends, uncounted, before a right press
// acts, before help flies, on Backspace and when the game stops; nothing of it
// is left for the next game.
TEST_F(Flowers, ADragEndsUncountedBeforeARightPressHelpBackspaceOrStop) {
  Open(0x5, kInitial | kMedial | kFinal, 1);
  int m = 0, k = 0, helped = 0;
  std::size_t sleeps = 0;
  TPoint home;
  Step([&] {
    std::tie(m, k) = Pair(true);
    home = TPoint{Marker(m).x, Marker(m).y};
    Played();
    sleeps = hb().Sleeps().size();
    Hold(m, FlowerCentre(k));
    // The right press over another marker says nothing; its release lets go there.
    hb().Click(Label(OtherFree(m)).x, Label(OtherFree(m)).y, 3);
  });
  Step([&] {
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(W()->Dragging());
    EXPECT_EQ(hb().Sleeps().size() - sleeps, 28u);  // home
    sleeps = hb().Sleeps().size();
    helped = HelpPair().first;
    Hold(m, FlowerCentre(k));
    ClickOn(W()->HelpButton());
  });
  Step([&] {
    // Home first, then help's way there and back.
    EXPECT_EQ(hb().Sleeps().size() - sleeps, 28u + 40u + 20u);
    EXPECT_FALSE(W()->Dragging());
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_EQ(Marker(m).x, home.x);
    EXPECT_EQ(Marker(m).y, home.y);
    // The marker help flew is back home, plain.
    EXPECT_TRUE(Inked(helped));
    EXPECT_TRUE(Near(hb().ScreenPixel(W()->PlateRect(helped).left + 2, W()->PlateRect(helped).top + 2), gametest::kBackground));
    // Backspace on the first task: the task stays, the marker goes home.
    Hold(m, FlowerCentre(k));
    hb().Key(VK_BACK, 8);
    hb().MouseUp(FlowerCentre(k).x, FlowerCentre(k).y);
  });
  Step([&] {
    ASSERT_EQ(W()->Game().currentTask, 0);
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
    EXPECT_EQ(Marker(m).x, home.x);
    Hold(m, FlowerCentre(k));
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0], std::make_pair(0, 24));
    ClickOn(FormKoniecGry->StartButton());  // play again, the button still held
  });
  Step([&] {
    ASSERT_FALSE(W()->Dragging());
    sleeps = hb().Sleeps().size();
    hb().MouseUp(FlowerCentre(k).x, FlowerCentre(k).y);
  });
  Step([&] {
    EXPECT_EQ(hb().Sleeps().size(), sleeps);
    EXPECT_EQ(T().remaining, 8);
    EXPECT_EQ(StatRec->Good() + StatRec->Bad(), 0);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
}

// ---- the window built alone, in every screen size ----

class FlowersLayout : public gametest::GameTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

// The design's places, converted by hand: art set 16 as they are, 4 at 8/10
// and 2 at 5/8 (truncated); the buttons as the design gives them per art set.
// One landing point gives way to the buttons: at 800 x 600 the sixth
// flower's in layout 0 would put its plate over "next".
TEST_P(FlowersLayout, PlacesFollowTheDesignInEveryArtSet) {
  UseScreen(GetParam().first, GetParam().second);
  TFormKwiatki window(nullptr);
  const int flowers[8][2] = {{96, 104}, {367, 88}, {208, 291}, {404, 401}, {756, 444}, {964, 368}, {784, 178}, {987, 36}};
  const int slots[8][2] = {{300, 728}, {398, 682}, {479, 748}, {575, 684}, {656, 807}, {713, 683}, {871, 741}, {973, 658}};
  const int landing[3][8][2] = {
      {{126, 123}, {526, 140}, {244, 445}, {543, 414}, {767, 567}, {1135, 486}, {821, 192}, {1109, 204}},
      {{238, 120}, {488, 227}, {211, 349}, {539, 555}, {839, 451}, {1029, 528}, {963, 297}, {1167, 98}},
      {{115, 233}, {399, 103}, {345, 306}, {418, 530}, {866, 603}, {1085, 376}, {803, 315}, {1019, 55}}};
  const int num = Display.ArtSet == 2 ? 5 : Display.ArtSet == 4 ? 8 : 1;
  const int den = Display.ArtSet == 2 ? 8 : Display.ArtSet == 4 ? 10 : 1;
  auto design = [&](const int (&p)[2]) { return TPoint{p[0] * num / den, p[1] * num / den}; };
  const kwiatki::Layout& l = window.Places();
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(l.flowers[k], design(flowers[k])) << k;
    EXPECT_EQ(l.slots[k], design(slots[k])) << k;
    for (std::size_t n = 0; n < 3; ++n) {
      const bool moved = Display.ArtSet == 2 && n == 0 && k == 5;
      EXPECT_EQ(l.landing[n][k], moved ? TPoint({723 - 30, 303}) : design(landing[n][k])) << n << " " << k;
    }
  }
  // next, previous, help, stop (left and top)
  const std::map<int, std::vector<int>> buttons = {{2, {723, 300, 723, 370, 723, 460, 725, 530}},
                                                   {4, {945, 424, 945, 510, 945, 622, 947, 698}},
                                                   {16, {1199, 558, 1199, 660, 1199, 800, 1201, 890}},
                                                   {128, {1199, 588, 1199, 690, 1199, 830, 1201, 920}}};
  const std::vector<int>& b = buttons.at(Display.ScreenClass == 128 ? 128 : Display.ArtSet);
  EXPECT_EQ((std::vector<int>{l.next.x, l.next.y, l.previous.x, l.previous.y, l.help.x, l.help.y, l.stop.x, l.stop.y}), b);

  // The window puts them there, inside the game area, no landed plate on a
  // button, and fails whole without its pictures.
  const TPoint origin{Display.GameArea.left, Display.GameArea.top};
  const TRect area = Bounds(origin.x, origin.y, Display.GameArea.width, Display.GameArea.height);
  EXPECT_EQ(window.StopButton()->Left(), origin.x + l.stop.x);
  EXPECT_EQ(window.StopButton()->Top(), origin.y + l.stop.y);
  EXPECT_EQ(window.NextButton()->Top(), origin.y + l.next.y);
  const int w = window.PlateWidth(), h = window.PlateHeight();
  for (CPrzyciskW* button : {window.StopButton(), window.HelpButton(), window.PreviousButton(), window.NextButton()}) {
    EXPECT_EQ(IntersectRects(button->BoundsRect(), area), button->BoundsRect());
    for (const auto& places : l.landing)
      for (const TPoint& c : places)
        EXPECT_TRUE(IntersectRects(button->BoundsRect(), Bounds(origin.x + c.x - w / 2, origin.y + c.y - h / 2, w, h)).IsEmpty())
            << c.x << "," << c.y;
  }
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(window.Game().Board().flowers[k].left, origin.x + l.flowers[std::size_t(k)].x);
    EXPECT_EQ(window.Game().Board().homeSlots[k].y, origin.y + l.slots[std::size_t(k)].y);
  }
  const int lenses = CZoom44::instanceCount;
  testsupport::TempDir empty;
  testsupport::ScopedCwd here(empty.Path());
  try {
    TFormKwiatki broken(nullptr);
    ADD_FAILURE() << "built without its pictures";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
  EXPECT_EQ(CZoom44::instanceCount, lenses);
}

INSTANTIATE_TEST_SUITE_P(Screens, FlowersLayout,
                         ::testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768), std::make_pair(1280, 960),
                                           std::make_pair(1280, 1024)));

}  // namespace
