#include "games/Fmpodpisz4/Fmpodpisz4.h"

#include <utility>

#include "dictionary/Literki.h"
#include "games/Ckomptable.h"
#include "games/Ctable.h"
#include "games/Ctablebox.h"
#include "games/Fmpodpisz4/Podpisz4Layout.h"
#include "platform/Random.h"
#include "platform/WinApi.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Universalfn.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

TFormPodpisz4* FormPodpisz4 = nullptr;

namespace {

std::string BackgroundFile() {
  switch (Display.ArtSet) {
    case 2: return "Data\\Intf\\Spec\\R2_pod4T.xji";
    case 4: return "Data\\Intf\\Spec\\R3_pod4T.xji";
    default: return "Data\\Intf\\Spec\\R8_pod4T.xji";
  }
}

std::string PictureMaskFile() {
  switch (Display.ArtSet) {
    case 2: return "Data\\Intf\\Spec\\R2_pod4mas.xji";
    case 4: return "Data\\Intf\\Spec\\R3_pod4mas.xji";
    default: return "Data\\Intf\\Spec\\R5_pod4mas.xji";
  }
}

// The board's slot frames (neutral, correct, wrong) and the fill of an empty slot.
constexpr TColor kSlotColours[4] = {0x406680, 0x00FF00, 0x0000FF, 0xD0DEE8};
constexpr TCursor kHandCursor = 1;  // "REKA1", installed at start-up
constexpr int kSlotGap = 4;

}  // namespace

TFormPodpisz4::STask::STask() = default;
TFormPodpisz4::STask::~STask() = default;
TFormPodpisz4::STask::STask(STask&&) noexcept = default;
TFormPodpisz4::STask& TFormPodpisz4::STask::operator=(STask&&) noexcept = default;

TFormPodpisz4::TFormPodpisz4(TComponent* owner) : CGameForm(owner) {
  Name = "FormPodpisz4";
  Caption = "Trelamondia Cz.V";
  actPomoc = NewAction("actPomoc", [this] { actPomocExecute(actPomoc); });
  actStop = NewAction("actStop", [this] { actStopExecute(actStop); });
  actNowaGra = NewAction("actNowaGra", [this] { actNowaGraExecute(actNowaGra); });
  actNastepny = NewAction("actNastepny", [this] { actNastepnyExecute(actNastepny); });
  actPoprzedni = NewAction("actPoprzedni", [this] { actPoprzedniExecute(actPoprzedni); });
  SetFrameActions(actNowaGra, actStop);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseDown(s, b, sh, x, y); };
  OnDblClick = [this](TObject* s) { FormDblClick(s); };

  try {
    const int L = Display.GameArea.left, T = Display.GameArea.top;
    CreateBuffers(pf24bit);
    Display.LoadBackground(background, BackgroundFile());
    pictureMask = std::make_unique<TBitmap>();
    LoadJpegIntoBitmap(pictureMask.get(), PictureMaskFile());

    // Each button stands below the one above it, so the places follow their heights.
    stopButton = NewButton("stop", TPoint{}, actStop);
    helpButton = NewButton("pomoc", TPoint{}, actPomoc);
    nextButton = NewButton("nast", TPoint{}, actNastepny);
    previousButton = NewButton("pop", TPoint{}, actPoprzedni);
    CPrzyciskW* const column[4] = {stopButton, helpButton, nextButton, previousButton};
    const podpisz4::Layout l = podpisz4::LayoutFor(
        Display, {stopButton->Height(), helpButton->Height(), nextButton->Height(), previousButton->Height()});
    for (int i = 0; i < 4; ++i) column[i]->SetPosition(L + l.buttons[std::size_t(i)].x, T + l.buttons[std::size_t(i)].y);
    pictureRect = Bounds(L + l.picture.x, T + l.picture.y, pictureMask->Width(), pictureMask->Height());

    board = new CKompTable(this, backBuffer, background);
    board->SetBoardBounds(L + l.board.left, T + l.board.top, l.board.Width(), l.board.Height(), 0, 0);
    for (int i = 0; i < 4; ++i) board->colours[i] = kSlotColours[i];
    board->OnSlotDrop = [this](CTableBox* row, bool correct) { JudgeDrop(row, correct); };
    // Dragging is play: it keeps the statistics session alive.
    board->OnPress = [this] { KeepAlive(); };
    board->hoverCursor = kHandCursor;
    board->SetVisible(true);
    slotRowTop = l.slotRowTop;
    poolBand = l.poolBand;
  } catch (...) {
    FreeResources();
    throw CBlad(1);
  }
}

TFormPodpisz4::~TFormPodpisz4() {
  ClearTasks();
  FreeResources();
  if (FormPodpisz4 == this) FormPodpisz4 = nullptr;
}

void TFormPodpisz4::FreeResources() {
  delete board;
  board = nullptr;
  pictureMask.reset();
  FreeFrameResources();
}

// ---- the tasks ----

void TFormPodpisz4::PrepareCandidates() {
  taskCount = 5 * SettingsPodpisz4.Level;
  candidates.clear();
  if (Dictionary)
    Dictionary->SelectRecords(candidates, PhonemeMask(SettingsPodpisz4.PhonemeMask | SettingsPodpisz4.PositionMask));
}

bool TFormPodpisz4::HasEnoughWords() { return taskCount >= 1 && int(candidates.size()) >= taskCount; }

std::vector<std::string> TFormPodpisz4::Distractors(const CSlowa::SPaczka& record, int level) {
  std::vector<std::string> pieces;
  if (level != 1) {
    std::string a = record.firstMark, b = record.secondMark;
    OppositePhonemeText(a, b);
    pieces.push_back("_" + PolishLowerCase(a));
  }
  if (level == 3)
    for (int i = 0; i < 2; ++i) pieces.push_back(TileNameToSegment(RandomLetterTile()));
  return pieces;
}

void TFormPodpisz4::ShufflePieces(std::vector<std::string>& pieces, int n) { ShuffleInts(pieces, n); }

std::unique_ptr<CTableBlock> TFormPodpisz4::MakeBlock(const std::string& piece) const {
  auto b = std::make_unique<CTableBlock>();
  b->text = StripMark(piece);
  CBitmapy::SGloska* tile = LetterTiles.FindTile(SegmentToTileName(piece));
  b->SetImage(tile ? tile->bitmap : nullptr);
  return b;
}

void TFormPodpisz4::GenerateTasks() {
  ClearTasks();
  if (!Dictionary) return;
  std::vector<CSlowa::SPaczka*> drawn;
  Dictionary->DrawRecords(drawn, taskCount, candidates);
  tasks.resize(drawn.size());
  for (std::size_t t = 0; t < drawn.size(); ++t) {
    const CSlowa::SPaczka& r = *drawn[t];
    STask& task = tasks[t];
    task.word = r.key;
    task.pool = std::make_unique<CTable>();
    task.row = std::make_unique<CTableBox>();
    task.row->fixOnCorrect = 1;
    TStringList split;
    SplitSegments(&split, r.segments);
    std::vector<std::string> pieces = split.Items();
    for (const std::string& piece : pieces) task.row->AddSlot(MakeBlock(piece));
    for (std::string& d : Distractors(r, SettingsPodpisz4.Level)) pieces.push_back(std::move(d));
    ShufflePieces(pieces, int(pieces.size()));
    for (const std::string& piece : pieces) task.pool->Add(MakeBlock(piece));
    task.row->LayoutSlots(0, board->Width(), true, kSlotGap, slotRowTop);
    LayoutPool(*task.pool);
    task.solved = 0;
  }
}

void TFormPodpisz4::ClearTasks() {
  // The board lets go of the tables first: a block it holds goes back to them.
  if (board) {
    board->SetPool(nullptr);
    board->SetBox(nullptr);
  }
  tasks.clear();
  current = 0;
}

void TFormPodpisz4::LayoutPool(CTable& pool) { pool.RandomLayout(poolBand, true); }

int TFormPodpisz4::UnsolvedCount() const {
  int n = 0;
  for (const STask& t : tasks) n += t.solved ? 0 : 1;
  return n;
}

// ---- the screen ----

void TFormPodpisz4::ShowTask(int i) {
  if (i < 0 || i >= int(tasks.size())) return;
  current = i;
  ApplyTaskButtons(i, int(tasks.size()), tasks[std::size_t(i)].solved != 0);
  board->SetPool(tasks[std::size_t(i)].pool.get());
  board->SetBox(tasks[std::size_t(i)].row.get());
}

void TFormPodpisz4::RedrawTask() {
  TCanvas* buffer = backBuffer->Canvas();
  buffer->CopyMode = cmSrcCopy;
  buffer->CopyRect(ClientRect(), background->Canvas(), ClientRect());
  stopButton->Paint();
  PaintButton(helpButton);
  PaintButton(previousButton);
  PaintButton(nextButton);
  DrawWordPicture();
  board->RenderToBackBuffer();
}

void TFormPodpisz4::DrawWordPicture() {
  if (current >= int(tasks.size()) || !pictureMask) return;
  const int w = pictureMask->Width(), h = pictureMask->Height();
  std::unique_ptr<TBitmap> picture(LoadWordPicture(tasks[std::size_t(current)].word, w, h, true, true));
  const TRect clip = Rect(0, 0, w, h);
  Composite(backBuffer, pictureRect.left, pictureRect.top, picture.get(), pictureMask.get(), &clip, background,
            pictureRect.left, pictureRect.top, 255);
}

void TFormPodpisz4::ShowAndPaint(int i) {
  ShowTask(i);
  RedrawTask();
  Refresh();
}

void TFormPodpisz4::JudgeDrop(CTableBox* row, bool correct) {
  if (current >= int(tasks.size())) return;
  STask& task = tasks[std::size_t(current)];
  if (correct) {
    board->ClearCursor();
    if (!row->AllFilled()) return;
    if (row->AllCorrect()) {
      PlayFeedbackSound(2, true, true);
      PlayWordSound(task.word, false);
      helpButton->SetVisible(false);
      if (!task.solved) {
        if (StatRec) StatRec->AddGood();
        task.solved = 1;
      }
      // The leftover distractors go: not drawn, not picked.
      task.pool->SetActive(false);
      RedrawTask();
      Invalidate();
    } else {
      board->ReturnWrongToPool(true);
      PlayFeedbackSound(3, false, true);
    }
    return;
  }
  PlayFeedbackSound(3, false, true);
  if (!task.solved && StatRec) StatRec->AddBad();
  if (row->AllFilled()) {
    board->ClearCursor();
    board->ReturnWrongToPool(true);
  }
}

// ---- actions ----

void TFormPodpisz4::actNowaGraExecute(TObject*) {
  if (StatRec) StatRec->Start(&SettingsPodpisz4);
  GenerateTasks();
  ShowAndPaint(0);
}

void TFormPodpisz4::actStopExecute(TObject*) {
  // A block still held goes back to its pool before the session is counted.
  board->CancelDrag();
  StopGame(UnsolvedCount());
}

void TFormPodpisz4::actPomocExecute(TObject*) {
  KeepAlive();
  if (current >= int(tasks.size())) return;
  const STask& task = tasks[std::size_t(current)];
  if (!task.solved && StatRec) StatRec->AddHelp();
  board->ShowSolution();
  Sleep(500);
  PlayWordSound(task.word, true);
  Sleep(1500);
  board->Refresh();
  FlushMouse(-1);
}

void TFormPodpisz4::actNastepnyExecute(TObject*) {
  KeepAlive();
  ShowAndPaint(current + 1);
}

void TFormPodpisz4::actPoprzedniExecute(TObject*) {
  KeepAlive();
  ShowAndPaint(current - 1);
}

// ---- handlers ----

void TFormPodpisz4::FormClose(TObject*, TCloseAction&) { ClearTasks(); }

void TFormPodpisz4::FormMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
  KeepAlive();
  lastDown = TPoint{x, y};
}

// A double click on the picture starts the task again: every block back in
// the pool, shuffled and scattered anew. Its solved flag and the counts stay.
void TFormPodpisz4::FormDblClick(TObject*) {
  if (!pictureRect.Contains(lastDown.x, lastDown.y) || current >= int(tasks.size())) return;
  STask& task = tasks[std::size_t(current)];
  helpButton->SetVisible(true);
  task.pool->SetActive(true);
  board->ResetBoard();
  task.pool->Shuffle();
  LayoutPool(*task.pool);
  RedrawTask();
  Invalidate();
}
