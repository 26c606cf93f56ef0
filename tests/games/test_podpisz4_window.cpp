// The label-it game played through the program: tab 1, start, letter blocks
// dragged with the mouse, help, restart, stop and the end-of-game window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "games/Ckomptable.h"
#include "games/Ctable.h"
#include "games/Ctablebox.h"
#include "games/Fmpodpisz4/Fmpodpisz4.h"
#include "platform/Random.h"
#include "platform/WinApi.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::Near;
using shelltest::ClickOn;
using Task = TFormPodpisz4::STask;

class LabelIt : public gametest::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    hb().SetScreenSize(1024, 768);
    options.onReady = [this] {
      FormKoniecGry->OnShow = [this](TObject*) {
        endOfGame.push_back({StatRec->Help(), StatRec->Good(), StatRec->Bad()});
      };
    };
  }
  // Steps: tab 1, the settings (by default SZ at the start of the word), "start".
  void Open(int level, std::int32_t phonemes = 0x1) {
    words->Cover(phonemes, kInitial);
    Step([this] { ClickOn(FormMain->TabToggle(1)->GetImage()); });
    Step([=, this] {
      SettingsPodpisz4.PhonemeMask = phonemes;
      SettingsPodpisz4.PositionMask = kInitial;
      SettingsPodpisz4.Level = level;
      SeedRandom(20240611, 7);  // the same words and layouts in every run
      ClickOn(FormMain->Button(TFormMain::bStart));
    });
  }

  TFormPodpisz4* W() { return FormPodpisz4; }
  CKompTable& Board() { return *W()->Board(); }
  const Task& Cur() { return W()->Tasks()[std::size_t(W()->CurrentTask())]; }
  TPoint On(int x, int y) { return Board().ClientToScreen(TPoint{x, y}); }
  TPoint Centre(const CTableBlock& b) { return On(b.x + b.width / 2, b.y + b.height / 2); }
  TPoint SlotCentre(int i) { return Centre(*std::next(Cur().row->Slots().begin(), i)->model); }
  TPoint At(CPrzyciskW* b) { return TPoint{b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}; }
  TPoint PictureCentre() {
    const TRect& r = W()->PictureRect();
    return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Drag(TPoint from, TPoint to) {
    hb().MouseDown(from.x, from.y);
    hb().MouseMove(to.x, to.y);
    hb().MouseUp(to.x, to.y);
  }
  // A pool block of that text not chosen yet.
  const CTableBlock* PoolBlock(const std::string& text, std::set<const CTableBlock*>& chosen) {
    for (const auto& b : Cur().pool->Blocks())
      if (b->text == text && chosen.insert(b.get()).second) return b.get();
    ADD_FAILURE() << "no block " << text;
    return nullptr;
  }
  const CTableBox::SSlot& Slot(int i) { return *std::next(Cur().row->Slots().begin(), i); }
  // Drags a right block from the pool into slot i.
  void DragRight(int i) {
    std::set<const CTableBlock*> chosen;
    if (const CTableBlock* b = PoolBlock(Slot(i).model->text, chosen)) Drag(Centre(*b), SlotCentre(i));
  }
  // Fills every empty slot from first to last (-1: the last slot) with a
  // right block, one drag per step: a drop into a slot blocks, and the board
  // drops the clicks queued meanwhile, so the drags cannot be queued at once.
  static constexpr int kMostSlots = 16;
  void FillSteps(int first, int last = -1) {
    for (int k = 0; k < kMostSlots; ++k)
      Step([=, this] {
        ASSERT_LE(Slots(), kMostSlots);
        const int end = last < 0 ? Slots() - 1 : last;
        for (int i = first; i <= end; ++i)
          if (!Slot(i).placed) return DragRight(i);
      });
  }
  int Slots() { return int(Cur().row->Slots().size()); }
  // Queues a click on "nast" ms from now: made while a handler blocks.
  void ClickNextIn(int ms) {
    const TPoint p = At(W()->NextButton());
    hb().Click(p.x, p.y, 1, ms);
  }
  const CTableBlock* PoolBlockNamed(const std::string& text) {
    for (const auto& b : Cur().pool->Blocks())
      if (b->text == text) return b.get();
    ADD_FAILURE() << "no block " << text;
    return nullptr;
  }
  TColor Shown(TPoint p) { return hb().ScreenPixel(p.x, p.y); }
  static constexpr TColor kTile = 0xF0F0F0;       // every letter tile of the test library
  static constexpr TColor kEmptySlot = 0xD0DEE8;
  static constexpr TColor kButton = 0x806040;     // the normal look of the test buttons
  std::vector<HeadlessBackend::SoundEntry> Played() {
    auto s = hb().Sounds();
    hb().ClearSounds();
    return s;
  }
  static bool IsBlame(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\b") != std::string::npos; }
  static bool IsPraise(const HeadlessBackend::SoundEntry& e) { return e.name.find("Intf\\Smd\\g") != std::string::npos; }

  struct Counts {
    int help, good, bad;
  };
  std::vector<Counts> endOfGame;
};

TEST_F(LabelIt, LevelThreeDragsRestartStopDuringADragPlayAgainAndClose) {
  Open(3);
  const CTableBlock* partner = nullptr;
  const CTableBlock* stray = nullptr;
  TPoint release{}, home{};
  bool waitShown = false;
  std::vector<TPoint> homes;
  std::vector<const CTableBlock*> unshuffled;
  Step([&] {
    ASSERT_NE(W(), nullptr);
    EXPECT_TRUE(W()->Modal());
    EXPECT_EQ(W()->Tasks().size(), 15u);
    const TRect band = Rect(12, 133, 1012, 243);
    int inWordOrder = 0;
    for (const Task& t : W()->Tasks()) {
      // The slots spell the word, 4 pixels apart; the pool holds its pieces
      // in random order and three more: "rz" in red (the partner of SZ) and
      // two random letters.
      std::vector<std::string> spelled, loose;
      for (const auto& s : t.row->Slots()) {
        EXPECT_EQ(s.model->x, t.row->Slots().front().model->x + int(spelled.size()) * (s.model->width + 12));
        EXPECT_EQ(s.model->y, 40);
        spelled.push_back(s.model->text);
      }
      const CSlowa::SPaczka* r = nullptr;
      for (const CSlowa::SPaczka& p : Dictionary->records)
        if (p.key == t.word && CSlowa::Matches(p.flags, 0x1 | kInitial)) r = &p;
      ASSERT_NE(r, nullptr);
      TStringList pieces;
      SplitSegments(&pieces, r->segments);
      ASSERT_EQ(spelled.size(), std::size_t(pieces.Count()));
      for (int i = 0; i < pieces.Count(); ++i) EXPECT_EQ(spelled[std::size_t(i)], StripMark(pieces[i]));
      for (const auto& b : t.pool->Blocks()) {
        loose.push_back(b->text);
        EXPECT_TRUE(b->x == b->homeX && b->y == b->homeY && b->x >= band.left && b->y >= band.top);
        EXPECT_TRUE(b->x + b->width <= band.right && b->y + b->height <= band.bottom);
      }
      EXPECT_EQ(loose.size(), spelled.size() + 3);
      EXPECT_GE(std::count(loose.begin(), loose.end(), "rz"), 1) << t.word;
      inWordOrder += std::equal(spelled.begin(), spelled.end(), loose.begin());
    }
    EXPECT_LT(inWordOrder, 15);
    // On the screen: the word's picture fitted in white, the buttons, the
    // blocks, the empty slots in their frames.
    EXPECT_EQ(W()->BackBuffer()->PixelFormat(), pf24bit);
    EXPECT_TRUE(Near(Shown(PictureCentre()), ColourOf(Cur().word)));
    EXPECT_TRUE(Near(Shown(TPoint{W()->PictureRect().left + 5, PictureCentre().y}), clWhite));
    EXPECT_TRUE(Near(Shown(TPoint{5, 5}), gametest::kBackground));
    for (CPrzyciskW* b : {W()->StopButton(), W()->HelpButton(), W()->NextButton()}) EXPECT_EQ(Shown(At(b)), kButton);
    EXPECT_NE(Shown(At(W()->PreviousButton())), kButton);
    EXPECT_FALSE(Near(Shown(At(W()->PreviousButton())), gametest::kBackground));  // faded
    EXPECT_FALSE(W()->PreviousButton()->Visible());
    EXPECT_TRUE(W()->NextButton()->Visible() && W()->HelpButton()->Visible());
    for (const auto& b : Cur().pool->Blocks()) EXPECT_EQ(Shown(Centre(*b)), kTile);
    const CTableBlock& first = *Cur().row->Slots().front().model;
    EXPECT_EQ(Shown(Centre(first)), kEmptySlot);
    EXPECT_EQ(Shown(On(first.x - 2, first.y + 5)), 0x406680);
    for (const auto& b : Cur().pool->Blocks())
      if (b->text == "rz") partner = b.get();
    Played();
    Drag(Centre(*partner), SlotCentre(0));  // wrong
  });
  Step([&] {
    EXPECT_EQ(StatRec->Bad(), 1);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsBlame(s[0]) && !s[0].sync);
    EXPECT_EQ(Cur().row->Slots().front().state, CTableBox::kWrong);
    // The red frame: four pixels wide, all round the slot.
    const CTableBlock& m = *Cur().row->Slots().front().model;
    EXPECT_EQ(Shown(On(m.x - 1, m.y + 5)), 0x0000FF);
    EXPECT_EQ(Shown(On(m.x - 4, m.y + 5)), 0x0000FF);
    EXPECT_NE(Shown(On(m.x - 5, m.y + 5)), 0x0000FF);
    EXPECT_EQ(Shown(On(m.x + m.width + 1, m.y + m.height + 1)), 0x0000FF);
    // A block dropped on the occupied slot stays in the pool where it was let go.
    for (const auto& b : Cur().pool->Blocks())
      if (b->text != "rz") stray = b.get();
    release = TPoint{SlotCentre(0).x + 3, SlotCentre(0).y + 4};
    home = Centre(*stray);
    Drag(home, release);
  });
  Step([&] {
    EXPECT_TRUE(Near(Shown(home), gametest::kBackground));  // nothing left behind
    EXPECT_EQ(Cur().pool->Blocks().front().get(), stray);
    EXPECT_EQ(Centre(*stray).x, release.x);
    EXPECT_EQ(Centre(*stray).y, release.y);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_TRUE(Played().empty());
  });
  FillSteps(2);
  Step([&] {
    DragRight(1);  // the row full with a right block, one wrong in it
  });
  Step([&] {
    // The wrong block has flown home; the right ones stay.
    EXPECT_EQ(Cur().pool->Blocks().front().get(), partner);
    EXPECT_EQ(partner->x, partner->homeX);
    EXPECT_EQ(partner->y, partner->homeY);
    EXPECT_EQ(Cur().row->Slots().front().placed, nullptr);
    const CTableBlock& m = *Cur().row->Slots().front().model;
    EXPECT_EQ(Shown(On(m.x - 4, m.y + 5)), 0x406680);  // neutral again
    EXPECT_EQ(Shown(SlotCentre(1)), kTile);
    // So is the back buffer, which a repaint of the window copies from.
    EXPECT_EQ(W()->BackBuffer()->PixelColor(Centre(*partner).x, Centre(*partner).y), kTile);
    EXPECT_EQ(std::count(hb().Sleeps().begin(), hb().Sleeps().end(), 30u), 10);
    auto s = Played();
    ASSERT_FALSE(s.empty());
    EXPECT_TRUE(IsBlame(s.back()) && !s.back().sync);
    EXPECT_EQ(StatRec->Good(), 0);
    EXPECT_EQ(StatRec->Bad(), 1);
    hb().MouseMove(Centre(*partner).x, Centre(*partner).y);
  });
  Step([&] {
    EXPECT_EQ(Board().Cursor, 1);  // the hand over a block that can be picked up
    Drag(Centre(*partner), SlotCentre(0));  // the last slot filled wrong
  });
  Step([&] {
    EXPECT_EQ(StatRec->Bad(), 2);
    EXPECT_EQ(Board().Cursor, crDefault);
    EXPECT_EQ(Cur().pool->Blocks().front().get(), partner);
    EXPECT_EQ(partner->x, partner->homeX);
    std::set<const CTableBlock*> chosen;
    const CTableBlock* right = PoolBlock(Cur().row->Slots().front().model->text, chosen);
    hb().MouseMove(Centre(*right).x, Centre(*right).y);
    Played();
    DragRight(0);
  });
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_EQ(Board().Cursor, crDefault);
    auto s = Played();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(IsPraise(s[0]) && s[0].sync);
    EXPECT_EQ(s[1].name, "Data\\Smd\\" + Cur().word + ".pw");
    EXPECT_FALSE(s[1].sync);
    EXPECT_EQ(Cur().solved, 1);
    EXPECT_FALSE(W()->HelpButton()->Visible());
    for (const auto& b : Cur().pool->Blocks()) {  // the leftovers are gone
      EXPECT_EQ(b->active, 0);
      if (b.get() != stray) {
        EXPECT_TRUE(Near(Shown(Centre(*b)), gametest::kBackground));
      }
    }
    hb().MouseDown(SlotCentre(0).x, SlotCentre(0).y);  // a fixed block is not picked
  });
  Step([&] {
    EXPECT_EQ(Board().Dragged(), nullptr);
    hb().MouseUp(SlotCentre(0).x, SlotCentre(0).y);
    // Without a shuffle the restarted pool would be the pool, then the row.
    for (const TableBlocksList* list : {&Cur().pool->Blocks(), &Cur().row->Blocks()})
      for (const auto& b : *list) {
        homes.push_back(TPoint{b->homeX, b->homeY});
        unshuffled.push_back(b.get());
      }
    // A double click beside the picture does nothing.
    hb().DoubleClick(W()->PictureRect().left - 20, PictureCentre().y);
  });
  Step([&] {
    EXPECT_EQ(Cur().row->Count(), Slots());
    EXPECT_EQ(W()->LastMouseDown().x, W()->PictureRect().left - 20);
    // Every button's press is the last mouse-down point, the right one's too.
    hb().MouseDown(PictureCentre().x + 7, PictureCentre().y + 3, 3);
    hb().MouseUp(PictureCentre().x + 7, PictureCentre().y + 3, 3);
  });
  Step([&] {
    EXPECT_EQ(W()->LastMouseDown(), (TPoint{PictureCentre().x + 7, PictureCentre().y + 3}));
    hb().MouseDown(W()->PictureRect().left - 9, 40, 2);
    hb().MouseUp(W()->PictureRect().left - 9, 40, 2);
  });
  Step([&] {
    EXPECT_EQ(W()->LastMouseDown(), (TPoint{W()->PictureRect().left - 9, 40}));
    EXPECT_EQ(Cur().row->Count(), Slots());  // neither press starts the task again
    hb().DoubleClick(PictureCentre().x, PictureCentre().y);  // on the picture: start again
  });
  Step([&] {
    EXPECT_EQ(Cur().row->Count(), 0);
    EXPECT_EQ(Cur().pool->Count(), Slots() + 3);
    EXPECT_TRUE(W()->HelpButton()->Visible());
    EXPECT_EQ(Cur().solved, 1);
    EXPECT_EQ(StatRec->Good(), 1);
    int moved = 0;
    std::vector<const CTableBlock*> order;
    for (const auto& b : Cur().pool->Blocks()) {
      EXPECT_TRUE(b->active && !b->fixed && b->x == b->homeX && b->y == b->homeY);
      EXPECT_EQ(Shown(Centre(*b)), kTile);
      moved += std::find(homes.begin(), homes.end(), TPoint{b->homeX, b->homeY}) == homes.end();
      order.push_back(b.get());
    }
    EXPECT_GT(moved, 0);  // scattered anew
    EXPECT_NE(order, unshuffled);
    EXPECT_EQ(Shown(SlotCentre(0)), kEmptySlot);
    ClickOn(W()->NextButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    EXPECT_EQ(Board().Pool(), Cur().pool.get());
    EXPECT_TRUE(Near(Shown(PictureCentre()), ColourOf(Cur().word)));
    EXPECT_TRUE(W()->PreviousButton()->Visible() && W()->HelpButton()->Visible());
    // Esc while a block is held: it goes home before the stop counts.
    partner = Cur().pool->Blocks().back().get();
    home = Centre(*partner);
    hb().MouseDown(home.x, home.y);
    hb().MouseMove(500, 700);
  });
  Step([&] {
    EXPECT_EQ(Board().Dragged(), partner);
    EXPECT_TRUE(Near(Shown(home), gametest::kBackground));
    EXPECT_EQ(Shown(Centre(*partner)), kTile);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] {
    EXPECT_TRUE(FormKoniecGry->Visible());
    EXPECT_EQ(Board().Dragged(), nullptr);
    EXPECT_EQ(Cur().pool->Blocks().front().get(), partner);
    EXPECT_EQ(partner->x, partner->homeX);
    EXPECT_EQ(Shown(home), kTile);
    ASSERT_EQ(endOfGame.size(), 1u);
    EXPECT_EQ(endOfGame[0].good, 1);
    EXPECT_EQ(endOfGame[0].bad, 16);  // two wrong drops and fourteen unsolved tasks
    auto rec = Sessions();
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec[0].gameId, 1);
    EXPECT_FALSE(rec[0].completed);
    EXPECT_EQ(rec[0].level, 3);
    hb().MouseUp(500, 700);
    // The game shows no wait picture of its own: nothing presented while the
    // new game is made has it in the middle of the screen.
    for (const Task& t : W()->Tasks()) ASSERT_FALSE(Near(ColourOf(t.word), shelltest::ShellTree::kWait)) << t.word;
    hb().OnPresent([&] { waitShown = waitShown || Near(Shown(TPoint{512, 384}), shelltest::ShellTree::kWait); });
    ClickOn(FormKoniecGry->StartButton());  // play again
  });
  Step([&] {
    hb().OnPresent(nullptr);
    EXPECT_FALSE(waitShown);
    // A new game: a fresh session, new tasks, nothing held from the old one.
    EXPECT_TRUE(StatRec->Active());
    EXPECT_EQ(StatRec->Good() + StatRec->Bad() + StatRec->Help(), 0);
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(Board().Dragged(), nullptr);
    for (const Task& t : W()->Tasks()) EXPECT_EQ(t.pool->Count(), int(t.row->Slots().size()) + 3);
    // A release that never came: the next press puts the held block home first.
    partner = Cur().pool->Blocks().front().get();
    stray = Cur().pool->Blocks().back().get();
    hb().MouseDown(Centre(*partner).x, Centre(*partner).y);
    hb().MouseMove(500, 700);
    hb().MouseDown(Centre(*stray).x, Centre(*stray).y);
  });
  Step([&] {
    EXPECT_EQ(Board().Dragged(), stray);
    EXPECT_EQ(partner->x, partner->homeX);
    EXPECT_EQ(partner->y, partner->homeY);
    hb().MouseUp(Centre(*stray).x, Centre(*stray).y);
    ClickOn(W()->StopButton());
  });
  Step([&] { ClickOn(FormKoniecGry->StopButton()); });  // close the game
  Step([&] {
    EXPECT_FALSE(W()->Visible());
    EXPECT_TRUE(W()->Tasks().empty());
    EXPECT_EQ(Board().Pool(), nullptr);
    EXPECT_EQ(Board().Box(), nullptr);
  });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec[1].bad, 15);
}

TEST_F(LabelIt, LevelOneHelpNextPreviousAndEveryWordSpelled) {
  Open(1);
  std::int64_t helpAt = 0;
  bool solutionShown = false;
  Step([&] {
    EXPECT_EQ(W()->Tasks().size(), 5u);
    EXPECT_EQ(Cur().pool->Count(), Slots());  // no distractors at level 1
    // Help, with a click on "nast" made during its pauses: dropped.
    Played();
    helpAt = hb().NowMs();
    // What the screen shows while help waits: each slot with its model's
    // block in a neutral frame, the pool hidden.
    hb().OnPresent([&] {
      bool whole = true;
      for (const auto& s : Cur().row->Slots())
        whole = whole && Shown(Centre(*s.model)) == kTile && Shown(On(s.model->x - 3, s.model->y + 5)) == 0x406680;
      for (const auto& b : Cur().pool->Blocks()) whole = whole && Near(Shown(Centre(*b)), gametest::kBackground);
      solutionShown = solutionShown || whole;
    });
    ClickOn(W()->HelpButton());
    hb().Click(At(W()->NextButton()).x, At(W()->NextButton()).y, 1, 300);
  });
  Step([&] {
    hb().OnPresent(nullptr);
    EXPECT_TRUE(solutionShown);
    EXPECT_EQ(StatRec->Help(), 1);
    EXPECT_EQ(W()->CurrentTask(), 0);
    const auto& sleeps = hb().Sleeps();
    ASSERT_GE(sleeps.size(), 2u);
    EXPECT_EQ(sleeps[sleeps.size() - 2], 500u);
    EXPECT_EQ(sleeps.back(), 1500u);
    EXPECT_EQ(hb().NowMs() - helpAt, 500 + gametest::kWordSoundMs + 1500);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(s[0].sync);
    // The solution has gone again: empty slots, the blocks at home.
    EXPECT_EQ(Cur().row->Count(), 0);
    EXPECT_EQ(Shown(SlotCentre(0)), kEmptySlot);
    for (const auto& b : Cur().pool->Blocks()) EXPECT_EQ(Shown(Centre(*b)), kTile);
  });
  FillSteps(0);
  Step([&] {
    EXPECT_EQ(StatRec->Good(), 1);
    ClickOn(W()->HelpButton());  // hidden now: nothing happens
  });
  Step([&] {
    EXPECT_EQ(StatRec->Help(), 1);
    ClickOn(W()->NextButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    ClickOn(W()->PreviousButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_FALSE(W()->HelpButton()->Visible());
    EXPECT_EQ(Cur().row->Count(), Slots());  // each task keeps its board
    ClickOn(W()->NextButton());
  });
  for (int t = 1; t < 5; ++t) {
    Step([&, t] { EXPECT_EQ(W()->CurrentTask(), t); });
    FillSteps(0);
    if (t < 4) Step([&] { ClickOn(W()->NextButton()); });
  }
  Step([&] {
    EXPECT_FALSE(W()->NextButton()->Visible());
    EXPECT_EQ(StatRec->Good(), 5);
    // An index outside the tasks is ignored.
    W()->ShowTask(5);
    W()->ShowTask(-1);
    EXPECT_EQ(W()->CurrentTask(), 4);
    EXPECT_EQ(Board().Pool(), Cur().pool.get());
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });  // the end-of-game window: close the game
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(endOfGame.size(), 1u);
  EXPECT_EQ(endOfGame[0].bad, 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_TRUE(rec[0].completed);
  EXPECT_EQ(rec[0].good, 5);
  EXPECT_EQ(rec[0].bad, 0);
  EXPECT_EQ(rec[0].help, 1);
}

// Clicks made while the board blocks are dropped, as after every blocking
// handler: a click on "nast" made while a block glides into its slot, while
// a wrong block flies back, or while the praise is waited for does not move
// on afterwards.
TEST_F(LabelIt, ClicksMadeWhileTheBoardBlocksAreDropped) {
  Open(3);
  const CTableBlock* partner = nullptr;
  std::int64_t dropAt = 0;
  Step([&] {
    partner = PoolBlockNamed("rz");
    dropAt = hb().NowMs();
    Drag(Centre(*partner), SlotCentre(0));  // wrong: it glides in for 200 ms
    ClickNextIn(100);
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(Slot(0).placed, partner);
    EXPECT_EQ(StatRec->Bad(), 1);
    EXPECT_GE(hb().NowMs() - dropAt, 200);
  });
  FillSteps(2);
  Step([&] {
    Played();
    dropAt = hb().NowMs();
    DragRight(1);  // the row full: the glide, then the wrong block flies home (300 ms)
    ClickNextIn(200 + 150);
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(partner->x, partner->homeX);
    EXPECT_EQ(partner->y, partner->homeY);
    EXPECT_GE(hb().NowMs() - dropAt, 200 + 300);
    EXPECT_EQ(StatRec->Bad(), 1);
    Played();
    dropAt = hb().NowMs();
    DragRight(0);  // the word spelled: the glide, then the praise waited for
    ClickNextIn(200 + 150);
  });
  Step([&] {
    auto s = Played();
    ASSERT_FALSE(s.empty());
    EXPECT_TRUE(IsPraise(s.front()) && s.front().sync);
    EXPECT_GE(hb().NowMs() - dropAt, 200 + gametest::kFeedbackSoundMs + 400);
    EXPECT_EQ(Cur().solved, 1);
    EXPECT_EQ(W()->CurrentTask(), 0);
    EXPECT_EQ(StatRec->Good(), 1);
    ClickOn(W()->NextButton());  // made now, the click moves on
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(endOfGame.size(), 1u);
  EXPECT_EQ(endOfGame[0].good, 1);
  EXPECT_EQ(endOfGame[0].bad, 1 + 14);
}

// A solved task started again by a double click on its picture counts
// nothing more: solving it again adds no good answer, a wrong drop no bad
// one, help no help; and the help still shows the word.
TEST_F(LabelIt, ASolvedTaskStartedAgainCountsNothingMore) {
  Open(3);
  const CTableBlock* partner = nullptr;
  bool solutionShown = false;
  FillSteps(0);
  Step([&] {
    EXPECT_EQ(Cur().solved, 1);
    EXPECT_EQ(StatRec->Good(), 1);
    hb().DoubleClick(PictureCentre().x, PictureCentre().y);
  });
  Step([&] {
    EXPECT_EQ(Cur().row->Count(), 0);
    EXPECT_TRUE(W()->HelpButton()->Visible());
    partner = PoolBlockNamed("rz");
    Played();
    Drag(Centre(*partner), SlotCentre(0));  // wrong
  });
  Step([&] {
    EXPECT_EQ(Slot(0).state, CTableBox::kWrong);
    EXPECT_EQ(StatRec->Bad(), 0);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(IsBlame(s[0]));  // blamed all the same
    // Lifted out of its slot, the block leaves the slot empty in a neutral
    // frame at once, while it is still held.
    hb().MouseDown(SlotCentre(0).x, SlotCentre(0).y);
    hb().MouseMove(SlotCentre(0).x + 150, SlotCentre(0).y + 130);
  });
  Step([&] {
    ASSERT_EQ(Board().Dragged(), partner);
    const CTableBlock& m = *Slot(0).model;
    EXPECT_EQ(Shown(Centre(m)), kEmptySlot);
    EXPECT_EQ(Shown(On(m.x - 4, m.y + 5)), 0x406680);
    EXPECT_EQ(Shown(On(m.x + m.width + 3, m.y + m.height + 3)), 0x406680);
    EXPECT_EQ(Shown(On(m.x + 5, m.y + m.height + 1)), 0x406680);
    hb().MouseUp(SlotCentre(0).x + 150, SlotCentre(0).y + 130);  // into the pool
    hb().OnPresent([&] {
      bool whole = true;
      for (const auto& sl : Cur().row->Slots()) whole = whole && Shown(Centre(*sl.model)) == kTile;
      solutionShown = solutionShown || whole;
    });
    ClickOn(W()->HelpButton());
  });
  Step([&] {
    hb().OnPresent(nullptr);
    EXPECT_TRUE(solutionShown);
    EXPECT_EQ(StatRec->Help(), 0);
    auto s = Played();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].name, "Data\\Smd\\" + Cur().word + ".pw");
  });
  FillSteps(0);
  Step([&] {
    EXPECT_TRUE(Cur().row->AllFilled() && Cur().row->AllCorrect());
    EXPECT_FALSE(W()->HelpButton()->Visible());
    auto s = Played();
    ASSERT_FALSE(s.empty());
    EXPECT_TRUE(IsPraise(s[0]));  // praised all the same
    EXPECT_EQ(StatRec->Good(), 1);
    EXPECT_EQ(StatRec->Bad(), 0);
    EXPECT_EQ(StatRec->Help(), 0);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  auto rec = Sessions();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec[0].good, 1);
  EXPECT_EQ(rec[0].bad, 14);  // the fourteen tasks never solved
  EXPECT_EQ(rec[0].help, 0);
}

// A block still held when its release went to another window goes home to
// its own task's pool when the child moves to another task: it never turns
// up in that task's pool.
TEST_F(LabelIt, ABlockHeldWhenTheReleaseWasLostGoesHomeToItsOwnTask) {
  Open(1);
  const CTableBlock* held = nullptr;
  const CTable* firstPool = nullptr;
  int firstCount = 0;
  Step([&] {
    firstPool = Cur().pool.get();
    firstCount = Cur().pool->Count();
    held = Cur().pool->Blocks().front().get();
    hb().MouseDown(Centre(*held).x, Centre(*held).y);
    hb().MouseMove(500, 700);
  });
  Step([&] {
    ASSERT_EQ(Board().Dragged(), held);
    hb().LoseFocus();
  });
  Step([&] {
    EXPECT_EQ(Board().Dragged(), held);
    ClickOn(W()->NextButton());
  });
  Step([&] {
    EXPECT_EQ(W()->CurrentTask(), 1);
    EXPECT_EQ(Board().Dragged(), nullptr);
    EXPECT_EQ(firstPool->Count(), firstCount);
    EXPECT_EQ(firstPool->Blocks().front().get(), held);
    EXPECT_EQ(held->x, held->homeX);
    EXPECT_EQ(held->y, held->homeY);
    // A press on the new task's board brings nothing of the old one.
    hb().MouseDown(500, 700);
    hb().MouseUp(500, 700);
  });
  Step([&] {
    EXPECT_EQ(Cur().pool->Count(), Slots());
    for (const auto& b : Cur().pool->Blocks()) EXPECT_NE(b.get(), held);
    EXPECT_EQ(Cur().row->Count(), 0);
    ClickOn(W()->PreviousButton());
  });
  Step([&] {
    EXPECT_EQ(Cur().pool->Count(), firstCount);
    EXPECT_EQ(Shown(Centre(*held)), kTile);
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
}

// Every kind of input keeps the statistics session alive, dragging too: each
// of a drag, help, next, previous and a click on the picture is followed by
// 100 s without input, more than half of the idle time.
TEST_F(LabelIt, EveryInputKeepsTheSessionAliveDraggingToo) {
  Open(1);
  const std::vector<NamedInput> inputs = {
      {"start", [] {}},
      {"drag", [this] { Drag(Centre(*Cur().pool->Blocks().front()), On(100, 200)); }},
      {"help", [this] { ClickOn(W()->HelpButton()); }},
      {"next", [this] { ClickOn(W()->NextButton()); }},
      {"previous", [this] { ClickOn(W()->PreviousButton()); }},
      {"picture", [this] { hb().Click(PictureCentre().x, PictureCentre().y); }},
  };
  StepInputsKeepingSessionAlive(inputs);
  Step([&] {
    EXPECT_TRUE(StatRec->Active()) << "after picture";
    hb().Key(VK_ESCAPE, 27);
  });
  Step([&] { hb().Key(VK_ESCAPE, 27); });
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Sessions().size(), 1u);
}

TEST_F(LabelIt, ALevelOutsideOneToThreeOrTooFewWordsShowMessageThree) {
  // DZ starts only three words: too few for a long game.
  for (auto [level, phonemes] : {std::pair{0, 0x1}, std::pair{-1, 0x1}, std::pair{3, 0x80}}) {
    Open(level, phonemes);
    Step([&] { CloseTooFewWordsMessage(W()); });
  }
  CloseAtTheEnd();
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(Sessions().empty());
}

}  // namespace
