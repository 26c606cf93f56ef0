#include "games/Ckomptable.h"

#include <utility>

#include "platform/WinApi.h"
#include "toolkit/Chamowanie.h"
#include "toolkit/Universalfn.h"

CKompTable::CKompTable(TWinControl* owner, TBitmap* backBuffer_, TBitmap* background_)
    : TPaintBox(owner),
      backBuffer(backBuffer_),
      background(background_ ? background_ : backBuffer_),
      dragBackground(std::make_unique<TBitmap>()) {
  SetParent(owner);
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
  dragBackground->SetPixelFormat(pf24bit);
}

CKompTable::~CKompTable() = default;

void CKompTable::SetBoardBounds(int x, int y, int width, int height, int offsetX, int offsetY) {
  originX = x;
  originY = y;
  SetBounds(x + offsetX, y + offsetY, width, height);
}

void CKompTable::SetPool(CTable* p) {
  CancelDrag();
  pool = p;
}

void CKompTable::SetBox(CTableBox* b) {
  if (b) b->SetColours(colours);
  box = b;
}

void CKompTable::RenderBoard(TCanvas* canvas, int x, int y) const {
  canvas->CopyRect(Bounds(x, y, Width(), Height()), background->Canvas(), Bounds(originX, originY, Width(), Height()));
  if (box) box->Draw(canvas, x, y);
  if (pool) pool->Draw(canvas, x, y);
}

void CKompTable::RenderToBackBuffer() {
  if (Visible()) RenderBoard(backBuffer->Canvas(), originX, originY);
}

void CKompTable::Refresh() {
  if (!Visible()) return;
  RenderToBackBuffer();
  Canvas()->CopyRect(ClientRect(), backBuffer->Canvas(), Bounds(originX, originY, Width(), Height()));
}

void CKompTable::PrepareDragBackground() { dragBackground->SetSize(Width(), Height()); }

void CKompTable::EndDrag() {
  dragged.reset();
  dragBackground->SetHeight(0);
}

// ---- dragging ----

void CKompTable::MouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (OnPress) OnPress();
  if (button != mbLeft) return;
  // A left press while a block is still held: its release never came.
  if (dragged) CancelDrag();
  std::unique_ptr<CTableBlock> b;
  CTable* from = pool;
  if (pool) b = pool->TakeAt(x, y);
  if (!b && box) {
    b = box->TakeAt(x, y);
    from = box;
  }
  if (!b) return;
  PrepareDragBackground();
  RenderBoard(DragCanvas(), 0, 0);
  if (from == box) box->RestoreFrame(*b, Canvas(), DragCanvas());
  b->Draw(Canvas(), b->x, b->y);
  grabDX = x - b->x;
  grabDY = y - b->y;
  liftedAt = TPoint{b->x, b->y};
  dragged = std::move(b);
}

void CKompTable::MouseMove(TShiftState, int x, int y) {
  if (dragged) {
    const TRect clip = ClientRect();
    dragged->MoveTo(x - grabDX, y - grabDY, &clip, Canvas(), DragCanvas());
    return;
  }
  CTableBlock* b = pool && !pool->locked ? pool->BlockAt(x, y) : nullptr;
  if (!b && box && !box->locked) b = box->BlockAt(x, y);
  const TCursor want = b && !b->fixed ? hoverCursor : crDefault;
  if (Cursor != want) Cursor = want;
}

void CKompTable::MouseUp(TMouseButton, TShiftState, int, int) {
  if (!dragged) return;
  std::uint8_t state = CTableBox::kNeutral;
  const bool inSlot = box && box->TryDrop(dragged, Canvas(), &state, DragCanvas());
  const bool inPool = !inSlot && pool;
  if (inPool) pool->AddFront(std::move(dragged));
  else if (!inSlot) PutBack(dragged);  // no pool: back into its slot
  EndDrag();
  Refresh();
  if (inSlot && OnSlotDrop) OnSlotDrop(box, state == CTableBox::kCorrect);
  else if (inPool && OnPoolDrop) OnPoolDrop(pool);
  // The glide, and what the owner's judging of it did (flights, a praise
  // waited for), blocked the window: the clicks made meanwhile are dropped,
  // with no button release kept, the game frame's rule for a mouse-up handler.
  if (inSlot) FlushControlMouseMessages(Parent(), fmmKeepFirstMove | fmmKeepLastMove, -1);
}

void CKompTable::PutBack(std::unique_ptr<CTableBlock>& block) {
  if (pool) {
    block->x = block->homeX;
    block->y = block->homeY;
    pool->AddFront(std::move(block));
  } else if (box) {
    block->x = liftedAt.x;
    block->y = liftedAt.y;
    box->TryDrop(block, nullptr, nullptr, nullptr, false);
  }
}

void CKompTable::CancelDrag() {
  if (!dragged) return;
  PutBack(dragged);
  EndDrag();
  Refresh();
}

// ---- animations ----

void CKompTable::AnimateTo(CTableBlock& block, int x, int y) {
  CEaseOut ex, ey;
  ex.StartQuadratic(float(block.x), float(x), 10);
  ey.StartQuadratic(float(block.y), float(y), 10);
  for (int i = 0; i < 10; ++i) {
    const int ny = int(ey.NextQuadratic() + 0.5);
    const int nx = int(ex.NextQuadratic() + 0.5);
    block.MoveTo(nx, ny, nullptr, Canvas(), DragCanvas());
    Sleep(30);
  }
}

void CKompTable::ReturnWrongToPool(bool notify) {
  if (!pool || !box) return;
  std::unique_ptr<CTableBlock> b = box->TakeFirstWrong();
  if (!b) return;
  PrepareDragBackground();
  while (b) {
    RenderBoard(DragCanvas(), 0, 0);
    box->RestoreFrame(*b, Canvas(), DragCanvas());
    b->Draw(Canvas(), b->x, b->y);
    AnimateTo(*b, b->homeX, b->homeY);
    pool->AddFront(std::move(b));
    b = box->TakeFirstWrong();
  }
  dragBackground->SetHeight(0);
  Refresh();
  if (notify && OnPoolDrop) OnPoolDrop(pool);
}

void CKompTable::ResetBoard() {
  if (!pool || !box) return;
  box->ClearFixed();
  box->MoveAllTo(*pool);
  pool->ResetToHome();
}

void CKompTable::ShowSolution() {
  if (!box) return;
  const TRect area = Bounds(originX, originY, Width(), Height());
  TCanvas* buffer = backBuffer->Canvas();
  buffer->CopyRect(area, background->Canvas(), area);
  box->DrawSolution(buffer, originX, originY);
  Canvas()->CopyRect(ClientRect(), buffer, area);
}

void CKompTable::ClearCursor() { SetControlCursor(this, crDefault); }
