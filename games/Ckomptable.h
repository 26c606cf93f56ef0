// The drag board of the label-it game: a control over the lower part of the
// game window showing the current task's pool and answer slot row over the
// window's background. The child drags letter blocks with the left button
// between pool and slots; the board snaps a dropped block into the slot
// under it and reports every drop to its owner. It also runs the board's
// animations: wrong blocks flying back to the pool, the solution shown in
// the slots for a moment, the reset of a task.
//
// A drop into a slot blocks (the block glides in, and the owner's OnSlotDrop
// runs inside the release): afterwards the board drops the mouse messages
// queued on its window meanwhile, so that clicks made then have no effect.
// An owner whose OnPoolDrop blocks flushes for itself.
//
// The owner keeps a full-window background and back buffer; the board
// renders its area into the back buffer and shows it on its own canvas.
// Blocks, slots and the mouse are in board coordinates.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "games/Ctable.h"
#include "games/Ctablebox.h"
#include "platform/ExtCtrls.h"

class CKompTable : public TPaintBox {
 public:
  // Invisible and 0 x 0 until the owner places it; background null stands
  // for the back buffer. Neither bitmap is owned.
  CKompTable(TWinControl* owner, TBitmap* backBuffer, TBitmap* background);
  ~CKompTable() override;

  // The board's area lies at (originX, originY) in the owner's bitmaps; the
  // control stands the offset further on the window.
  void SetBoardBounds(int originX, int originY, int width, int height, int offsetX, int offsetY);
  // The current task's tables (not owned; either may be null). A block being
  // dragged first goes back to the pool it came from: attach the pool first.
  void SetPool(CTable* pool);
  void SetBox(CTableBox* box);

  // The background's board area, then the row, then the pool, at (x, y).
  void RenderBoard(TCanvas* canvas, int x, int y) const;
  void RenderToBackBuffer();
  // Renders the board into the back buffer and shows it on the board.
  void Refresh();

  // Flies a block to (x, y) in 10 eased steps of 30 ms over dragBackground.
  void AnimateTo(CTableBlock& block, int x, int y);
  // Flies every wrongly placed block, leftmost first, back to its home in
  // the pool; with notify, OnPoolDrop follows when any block flew.
  void ReturnWrongToPool(bool notify);
  // Every block back from the row to the pool at its home, fixed flags
  // cleared; nothing drawn, nothing reported.
  void ResetBoard();
  // Every slot with its model, the pool hidden, until the next Refresh; the
  // tables do not change.
  void ShowSolution();
  // The default cursor at once.
  void ClearCursor();
  // Ends a drag that did not end with a release (a stop, a new task, a
  // release that never came): the held block goes back into the pool at its
  // home (without a pool, into the slot it came from, judged again), and the
  // board is shown again.
  void CancelDrag();

  const CTableBlock* Dragged() const { return dragged.get(); }
  CTable* Pool() const { return pool; }
  CTableBox* Box() const { return box; }

  // Frame of a neutral, correct and wrong slot; fill of an empty one.
  TColor colours[4] = {0x800000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  // A drag ended with the block in a slot: the row, and whether it was right.
  std::function<void(CTableBox* row, bool correct)> OnSlotDrop;
  // A drag ended with the block in the pool, or blocks flew back to it.
  std::function<void(CTable* pool)> OnPoolDrop;
  // Every press on the board, before it is handled.
  std::function<void()> OnPress;
  // Shown over a block that can be picked up.
  TCursor hoverCursor = crHandPoint;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Puts a held block back where it was lifted from: into the pool at its
  // home, or (without a pool) into its slot; nothing takes it without tables.
  void PutBack(std::unique_ptr<CTableBlock>& block);
  TCanvas* DragCanvas() { return dragBackground->Canvas(); }
  void PrepareDragBackground();
  void EndDrag();

  int originX = 0, originY = 0;
  TBitmap* backBuffer;
  TBitmap* background;
  std::unique_ptr<TBitmap> dragBackground;  // the board without the moving block; 0 rows high when idle
  CTable* pool = nullptr;
  CTableBox* box = nullptr;
  int grabDX = 0, grabDY = 0;
  std::unique_ptr<CTableBlock> dragged;
  TPoint liftedAt{};  // where the held block was lifted from
};
