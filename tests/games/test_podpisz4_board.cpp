// The label-it word board: the pool's and the slot row's worked layouts,
// the slot row's verdicts, the drag board without a pool, the pieces a task
// adds at each level, and the window's layout in every screen class.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "games/Ckomptable.h"
#include "games/Ctable.h"
#include "games/Ctablebox.h"
#include "games/Fmpodpisz4/Fmpodpisz4.h"
#include "games/Fmpodpisz4/Podpisz4Layout.h"
#include "platform/Random.h"
#include "platform/WinApi.h"
#include "shell/_gloskifn.h"
#include "tests/games/GameTestSupport.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

namespace {

using gametest::GameTest;

std::unique_ptr<CTableBlock> Block(const std::string& text, int w = 60, int h = 72, int x = 0, int y = 0) {
  auto b = std::make_unique<CTableBlock>();
  b->text = text;
  b->width = w;
  b->height = h;
  b->x = b->homeX = x;
  b->y = b->homeY = y;
  return b;
}

// Rand15 answers from a list, in order.
struct ScriptedRand {
  explicit ScriptedRand(std::vector<int> answers) : values(std::move(answers)) {
    RandomScript s;
    s.rand15 = [this] { return values.at(next++); };
    scope = std::make_unique<ScopedRandomScript>(s);
  }
  std::vector<int> values;
  std::size_t next = 0;
  std::unique_ptr<ScopedRandomScript> scope;
};

TEST(LabelItBoard, PoolAndSlotRowFollowTheWorkedLayouts) {
  // Four blocks 60 wide in a band 1000 wide: cells of 120 (not 250), the row
  // of cells centred, x drawn before y for each block.
  const TRect band = Rect(12, 133, 1012, 243);
  CTable pool;
  for (int i = 0; i < 4; ++i) pool.Add(Block("a"));
  {
    ScriptedRand r({0, 5, 57, 37, 58, 38, 115, 0});
    pool.RandomLayout(band, true);
  }
  const int jx[4] = {0, 57, 0, 57}, jy[4] = {5, 37, 0, 0};
  int k = 0;
  for (const auto& b : pool.Blocks()) {
    EXPECT_EQ(b->x, 12 + 260 + 120 * k + jx[k]) << k;
    EXPECT_EQ(b->y, 133 + jy[k]) << k;
    EXPECT_EQ(b->homeX, b->x);
    EXPECT_EQ(b->homeY, b->y);
    ++k;
  }
  // No room in a cell: every block one pixel into its own; a band no taller
  // than a block: on its top.
  {
    ScriptedRand r({});
    pool.RandomLayout(Rect(100, 50, 300, 122), false);
  }
  k = 0;
  for (const auto& b : pool.Blocks()) {
    EXPECT_EQ(b->x, 100 + 50 * k + 1);
    EXPECT_EQ(b->y, 50);
    EXPECT_NE(b->homeX, b->x);
    ++k;
  }

  // A pool of one block is laid out too: one cell, the band's width.
  {
    CTable one;
    one.Add(Block("a", 60, 72, 900, 900));
    ScriptedRand r({5, 7});
    one.RandomLayout(Rect(100, 50, 300, 150), true);
    EXPECT_EQ(one.Blocks().front()->x, 100 + 40 + 5);  // a cell of 200 cut to 120, centred
    EXPECT_EQ(one.Blocks().front()->y, 50 + 7);
    EXPECT_EQ(one.Blocks().front()->homeX, 145);
  }

  // Cells of 150 are cut to 120 too; a cell of w0 + 2 leaves no room to
  // draw in, one of w0 + 3 a single place.
  {
    ScriptedRand r({0, 0, 0, 0, 0, 0, 0, 0});
    pool.RandomLayout(Rect(0, 0, 600, 200), false);
    EXPECT_EQ(pool.Blocks().front()->x, 60);
  }
  {
    ScriptedRand r({0, 0, 0, 0});
    pool.RandomLayout(Rect(0, 0, 248, 200), false);
    EXPECT_EQ(pool.Blocks().front()->x, 1);
  }
  {
    ScriptedRand r({7, 0, 7, 0, 7, 0, 7, 0});
    pool.RandomLayout(Rect(0, 0, 252, 200), false);
    EXPECT_EQ(pool.Blocks().front()->x, 0);  // one pixel of room: 7 mod 1
  }

  // Five slots 60 wide, gap 4, across 1024: total 356, first at 338, pitch 72.
  CTableBox row;
  for (int i = 0; i < 5; ++i) row.AddSlot(Block("a"));
  row.LayoutSlots(0, 1024, true, 4, 40);
  k = 0;
  for (const auto& s : row.Slots()) {
    EXPECT_EQ(s.model->x, 338 + 72 * k);
    EXPECT_EQ(s.model->y, 40);
    EXPECT_EQ(s.model->homeX, s.model->x);
    ++k;
  }
  // Exactly as wide as the span still fits.
  row.LayoutSlots(10, 366, false, 4, 40);
  EXPECT_EQ(row.Slots().front().model->x, 14);
  // Too wide for the span: spread from the left edge to the right one.
  row.LayoutSlots(0, 300, false, 4, 40);
  k = 0;
  for (const auto& s : row.Slots()) EXPECT_EQ(s.model->x, 60 * k++);
  // One slot wider than the span stays in the row without dividing by zero.
  CTableBox one;
  one.AddSlot(Block("a", 400));
  one.LayoutSlots(10, 310, false, 4, 40);
  EXPECT_EQ(one.Slots().front().model->x, 10);
  CTableBox snug;
  snug.AddSlot(Block("a", 296));
  snug.LayoutSlots(10, 310, false, 4, 40);
  EXPECT_EQ(snug.Slots().front().model->x, 12);
}

TEST(LabelItBoard, TheSlotRowJudgesByTextAndFixesRightBlocks) {
  HeadlessBackend& hb = Headless();
  CTableBox row;
  row.fixOnCorrect = 1;
  EXPECT_TRUE(row.AllFilled() && row.AllCorrect());  // no slots at all
  for (const char* t : {"k", "o", "t"}) row.AddSlot(Block(t));
  row.LayoutSlots(0, 1024, true, 4, 40);  // slots at 410, 482, 554
  auto at = [](std::unique_ptr<CTableBlock> b, int cx, int cy) {
    b->x = cx - b->width / 2;
    b->y = cy - b->height / 2;
    return b;
  };
  std::uint8_t state = 9;
  // A centre on the slot's right edge misses it; the block stays the caller's.
  auto miss = at(Block("k"), 470, 60);
  EXPECT_FALSE(row.TryDrop(miss, nullptr, &state, nullptr));
  ASSERT_NE(miss, nullptr);
  EXPECT_EQ(state, 9);
  // Letter case counts: "K" is wrong in the "k" slot, and stays there.
  const std::size_t sleeps = hb.Sleeps().size();
  auto wrong = at(Block("K"), 469, 60);
  EXPECT_TRUE(row.TryDrop(wrong, nullptr, &state, nullptr));
  EXPECT_EQ(wrong, nullptr);
  EXPECT_EQ(state, CTableBox::kWrong);
  EXPECT_EQ(hb.Sleeps().size(), sleeps + 5);  // the glide: five steps of 40 ms
  EXPECT_EQ(hb.Sleeps().back(), 40u);
  EXPECT_EQ(row.Blocks().front()->x, 410);  // landed exactly on the slot
  EXPECT_EQ(row.Blocks().front()->y, 40);
  auto right = at(Block("o"), 512, 76);
  EXPECT_TRUE(row.TryDrop(right, nullptr, &state, nullptr));
  EXPECT_EQ(state, CTableBox::kCorrect);
  EXPECT_FALSE(row.AllFilled());
  EXPECT_FALSE(row.AllCorrect());
  // A right block is fixed: it cannot be taken out until the row lets it go.
  EXPECT_EQ(row.TakeAt(500, 60), nullptr);
  row.ClearFixed();
  auto taken = row.TakeAt(500, 60);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(std::next(row.Slots().begin())->state, CTableBox::kNeutral);
  EXPECT_EQ(std::next(row.Slots().begin())->placed, nullptr);
  EXPECT_TRUE(row.TryDrop(taken, nullptr, nullptr, nullptr));
  auto last = at(Block("x"), 584, 76);
  EXPECT_TRUE(row.TryDrop(last, nullptr, &state, nullptr));
  EXPECT_TRUE(row.AllFilled());
  // The wrong ones come out leftmost first, each slot left neutral and empty.
  auto first = row.TakeFirstWrong();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text, "K");
  EXPECT_EQ(row.Slots().front().state, CTableBox::kNeutral);
  EXPECT_EQ(row.TakeFirstWrong()->text, "x");
  EXPECT_EQ(row.TakeFirstWrong(), nullptr);
  EXPECT_TRUE(row.AllCorrect());
  EXPECT_FALSE(row.AllFilled());
}

TEST(LabelItBoard, APoolBlockUnderAFixedOneCannotBeTakenAndShufflingSwapsBlocks) {
  CTable pool;
  pool.Add(Block("b", 60, 72, 20, 0));
  pool.AddFront(Block("a", 60, 72, 0, 0));  // on top
  pool.Blocks().front()->fixed = 1;
  EXPECT_EQ(pool.TakeAt(30, 10), nullptr);
  EXPECT_EQ(pool.BlockAt(30, 10)->text, "a");
  EXPECT_EQ(pool.BlockAt(0, 0)->text, "a");
  EXPECT_EQ(pool.BlockAt(79, 71)->text, "b");
  pool.SetActive(false);  // inactive blocks are neither found nor taken
  EXPECT_EQ(pool.BlockAt(70, 10), nullptr);
  pool.SetActive(true);
  pool.ClearFixed();
  EXPECT_EQ(pool.TakeAt(30, 10)->text, "a");
  EXPECT_EQ(pool.TakeAt(30, 10)->text, "b");
  // Each place but the last swaps with the place drawn for it.
  for (const char* t : {"a", "b", "c", "d"}) pool.Add(Block(t));
  RandomScript script;
  script.randomRange = [](int from, int to) { return from == 1 ? 1 : to - 1; };
  ScopedRandomScript scoped(script);
  pool.Shuffle();
  std::string order;
  for (const auto& b : pool.Blocks()) order += b->text;
  EXPECT_EQ(order, "dbac");
}

// A moving block shows its move: what it uncovers comes back from the
// background, its tile stands at the new place; a move along one axis only
// is shown too, and one to the same place draws nothing.
TEST(LabelItBoard, AMovedBlockRestoresWhatItUncoversAndDrawsItselfAnew) {
  auto target = gametest::Solid(200, 100, clWhite);
  auto background = gametest::Solid(200, 100, clBlue);
  auto tile = gametest::Solid(20, 10, clRed);
  CTableBlock b;
  b.SetImage(tile.get());
  b.x = 10;
  b.y = 10;
  target->Canvas()->Draw(10, 10, tile.get());
  b.MoveTo(50, 10, nullptr, target->Canvas(), background->Canvas());  // sideways only
  EXPECT_EQ(target->PixelColor(15, 15), clBlue);
  EXPECT_EQ(target->PixelColor(55, 15), clRed);
  b.MoveTo(50, 40, nullptr, target->Canvas(), background->Canvas());  // down only
  EXPECT_EQ(target->PixelColor(55, 15), clBlue);
  EXPECT_EQ(target->PixelColor(55, 45), clRed);
  b.MoveTo(52, 43, nullptr, target->Canvas(), background->Canvas());  // overlapping its old place
  EXPECT_EQ(target->PixelColor(50, 40), clBlue);
  EXPECT_EQ(target->PixelColor(71, 52), clRed);
  target->Canvas()->SetPixel(60, 48, clWhite);
  b.MoveTo(52, 43, nullptr, target->Canvas(), background->Canvas());  // no move: nothing drawn
  EXPECT_EQ(target->PixelColor(60, 48), clWhite);
  // Kept inside the clip.
  const TRect clip = Rect(0, 0, 100, 60);
  b.MoveTo(95, 55, &clip, target->Canvas(), background->Canvas());
  EXPECT_EQ(b.x, 80);
  EXPECT_EQ(b.y, 50);
}

class LabelItBoardAlone : public GameTest {};

// The board always has both tables while a task is shown; without a pool a
// block that no slot takes goes back into the slot it came from.
TEST_F(LabelItBoardAlone, WithoutAPoolARefusedBlockGoesBackIntoItsSlot) {
  TForm window(nullptr);
  window.SetBounds(0, 0, 400, 300);
  TBitmap buffer;
  buffer.SetPixelFormat(pf24bit);
  buffer.SetSize(400, 300);
  CKompTable board(&window, &buffer, nullptr);
  board.SetBoardBounds(0, 100, 400, 200, 0, 0);
  board.SetVisible(true);
  CTableBox row;
  for (const char* t : {"a", "b"}) row.AddSlot(Block(t));
  row.LayoutSlots(0, 400, true, 4, 40);
  const CTableBlock& model = *row.Slots().front().model;
  auto wrong = Block("b", 60, 72, model.x, model.y);
  ASSERT_TRUE(row.TryDrop(wrong, nullptr, nullptr, nullptr, false));
  board.SetBox(&row);
  auto send = [&](UINT msg, WPARAM keys, int x, int y) { board.Perform(msg, keys, MakeLParam(x, y)); };
  send(WM_LBUTTONDOWN, MK_LBUTTON, model.x + 5, model.y + 5);
  ASSERT_NE(board.Dragged(), nullptr);
  send(WM_MOUSEMOVE, MK_LBUTTON, 380, 190);
  EXPECT_EQ(board.Dragged()->x, 400 - 60);  // it stops at the board's edge
  EXPECT_EQ(board.Dragged()->y, 200 - 72);
  send(WM_LBUTTONUP, 0, 380, 190);
  EXPECT_EQ(board.Dragged(), nullptr);
  EXPECT_EQ(row.Count(), 1);
  EXPECT_EQ(row.Slots().front().state, CTableBox::kWrong);
  EXPECT_EQ(row.Blocks().front()->x, model.x);
  // So does a block whose drag is called off.
  send(WM_LBUTTONDOWN, MK_LBUTTON, model.x + 5, model.y + 5);
  send(WM_MOUSEMOVE, MK_LBUTTON, 380, 190);
  board.CancelDrag();
  EXPECT_EQ(board.Dragged(), nullptr);
  EXPECT_EQ(row.Count(), 1);
  EXPECT_EQ(row.Blocks().front()->y, model.y);
}

// The piece a task adds at levels 2 and 3 is the partner of the practised
// sound, in red: for every record of the dictionary it is a red tile there is.
TEST(LabelItPieces, DistractorsByLevelOverManySeeds) {
  CSlowa words;
  std::set<std::string> tiles(std::begin(LetterTileNames), std::end(LetterTileNames));
  std::set<std::string> random;
  int seed = 0;
  for (const CSlowa::SPaczka& r : words.records) {
    EXPECT_TRUE(TFormPodpisz4::Distractors(r, 1).empty());
    ++seed;
    SeedRandom(std::uint64_t(seed), std::uint32_t(seed * 7));
    std::vector<std::string> three = TFormPodpisz4::Distractors(r, 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(TFormPodpisz4::Distractors(r, 2), std::vector<std::string>{three[0]}) << r.key;
    const std::string red = SegmentToTileName(three[0]);
    EXPECT_TRUE(red.size() > 4 && red.substr(red.size() - 4) == "_red" && tiles.count(red)) << r.key << " " << red;
    for (int i = 1; i < 3; ++i) {
      EXPECT_NE(three[std::size_t(i)][0], '_');
      EXPECT_TRUE(tiles.count(SegmentToTileName(three[std::size_t(i)]))) << three[std::size_t(i)];
      random.insert(three[std::size_t(i)]);
    }
  }
  EXPECT_GT(random.size(), 40u);
  auto partner = [&](const char* key, const char* phoneme) {
    for (const CSlowa::SPaczka& r : words.records)
      if (r.key == key && r.phonemeText == phoneme) return TFormPodpisz4::Distractors(r, 2).at(0);
    return std::string("no record");
  };
  EXPECT_EQ(partner("szafa", "SZ"), "_rz");
  EXPECT_EQ(partner("z^aba", "\xAF"), "_sz");       // Ż
  EXPECT_EQ(partner("rzodkiewka", "RZ"), "_sz");
  EXPECT_EQ(partner("kije", "KI"), "_g");           // marked on "k" and "i"
  EXPECT_EQ(partner("dziadek", "DZI"), "_ci");
  EXPECT_EQ(partner("s^limak", "\x8C"), "_\x9F");  // Ś -> ź
}

// ---- the window's places in every screen class ----

struct ScreenCase {
  int w, h;
  int boardTop, boardHeight, slotTop;
  TRect band;
  TPoint picture;
};

class LabelItLayout : public GameTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(LabelItLayout, BoardBandsPictureAndButtonsStandWhereTheyShould) {
  const ScreenCase& s = GetParam();
  UseScreen(s.w, s.h);
  TFormPodpisz4 window(nullptr);
  const int L = Display.GameArea.left, T = Display.GameArea.top;
  EXPECT_EQ(window.BackBuffer()->PixelFormat(), pf24bit);
  const CKompTable& board = *window.Board();
  EXPECT_EQ(board.BoundsRect(), Bounds(L, T + s.boardTop, Display.GameArea.width, s.boardHeight));
  const podpisz4::Layout l = podpisz4::LayoutFor(Display, {64, 64, 64, 64});
  EXPECT_EQ(l.slotRowTop, s.slotTop);
  EXPECT_EQ(l.poolBand, s.band);
  const auto& pictures = gametest::LabelItPictures();
  const auto& mask = pictures[Display.ArtSet == 2 ? 0 : Display.ArtSet == 4 ? 1 : 2];
  EXPECT_EQ(window.PictureRect(), Bounds(L + s.picture.x, T + s.picture.y, mask.w, mask.h));
  // "stop" at (956, 18) of art set 4, the others at 952 below it, 15, 35
  // and 15 pixels apart (the test buttons are 64 high).
  auto S = [](int v) { return Display.Scale(4, v); };
  EXPECT_EQ(window.StopButton()->BoundsRect().left, L + S(956));
  EXPECT_EQ(window.StopButton()->Top(), T + S(18));
  const int gaps[3] = {15, 35, 15};
  CPrzyciskW* const below[3] = {window.HelpButton(), window.NextButton(), window.PreviousButton()};
  int y = T + S(18) + 64;
  for (int i = 0; i < 3; ++i) {
    y += S(gaps[i]);
    EXPECT_EQ(below[i]->Left(), L + S(952)) << i;
    EXPECT_EQ(below[i]->Top(), y) << i;
    y += 64;
  }
  // The picture stands above the board and left of the buttons.
  EXPECT_LE(window.PictureRect().bottom, board.Top());
  EXPECT_LT(window.PictureRect().right, window.HelpButton()->Left());
}

TEST_F(LabelItBoardAlone, AMissingPictureMakesTheWindowFailWithCodeOne) {
  testsupport::TempDir empty;
  testsupport::ScopedCwd in(empty.Path());
  try {
    TFormPodpisz4 window(nullptr);
    ADD_FAILURE() << "built without its pictures";
  } catch (const CBlad& e) {
    EXPECT_EQ(e.Code, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, LabelItLayout,
    ::testing::Values(ScreenCase{800, 600, 394, 206, 31, Rect(10, 106, 790, 191), {273, 171}},
                      ScreenCase{1024, 768, 505, 263, 40, Rect(12, 133, 1012, 243), {350, 218}},
                      ScreenCase{1280, 960, 631, 329, 50, Rect(16, 167, 1264, 304), {437, 273}},
                      ScreenCase{1280, 1024, 631, 393, 50, Rect(16, 231, 1264, 368), {437, 273}}),
    [](const auto& info) { return std::to_string(info.param.w) + "x" + std::to_string(info.param.h); });

}  // namespace
