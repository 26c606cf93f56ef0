// The answer slot row of the label-it board: one slot per piece of the
// word, each knowing its model block (which gives the slot its place and
// size) and holding at most one dropped block. A block dropped with its
// centre over an empty slot glides into it and is judged against the model;
// the frame round the slot shows the verdict. Coordinates are the drag
// board's.
#pragma once
#include <cstdint>
#include <memory>

#include "games/Ctable.h"
#include "platform/Types.h"

class CTableBox : public CTable {
 public:
  // Slot states.
  enum : std::uint8_t { kNeutral = 0, kCorrect = 1, kWrong = 2 };

  struct SSlot {
    std::uint8_t state = kNeutral;
    std::unique_ptr<CTableBlock> model;  // owned; its rectangle is the slot's
    CTableBlock* placed = nullptr;       // the block in the slot, held by the row's list
  };

  CTableBox();
  ~CTableBox() override;

  // Frame colours of a neutral, correct and wrong slot, and the fill of an
  // empty one; null gives the built-in ones. The table is not copied: the
  // caller keeps it alive.
  void SetColours(const TColor* table);
  // Appends a slot with that model; null is ignored.
  void AddSlot(std::unique_ptr<CTableBlock> model);

  MyList<SSlot>::iterator SlotAt(int x, int y);
  MyList<SSlot>::iterator FindSlotOf(const CTableBlock* block);
  // Places the models side by side on row y, centred between left and right
  // with gap pixels between neighbouring frames; a row too wide for the span
  // is spread evenly from left to right instead.
  void LayoutSlots(int left, int right, bool storeHome, int gap, int y);

  // The frames and fills, then the placed blocks.
  void Draw(TCanvas* canvas, int offsetX, int offsetY) const override;
  // Neutral frames with every model in its slot; the placed blocks are not drawn.
  void DrawSolution(TCanvas* canvas, int offsetX, int offsetY) const;
  // One slot: the model's rectangle filled when empty, and a 4-pixel frame
  // of the state's colour round it.
  void DrawSlot(TCanvas* canvas, int offsetX, int offsetY, bool empty, std::uint8_t state,
                const CTableBlock& model) const;

  // Snaps a dropped block into the empty slot under its centre: a 200 ms
  // eased glide shown on target (background: the board without the block;
  // without glide the block is put there at once), then the verdict. On
  // success the row holds the block (block is left null) and the slot's
  // state is stored in *state when given. False, changing nothing, when the
  // row is locked or no empty slot lies under the block's centre.
  bool TryDrop(std::unique_ptr<CTableBlock>& block, TCanvas* target, std::uint8_t* state, TCanvas* background,
               bool glide = true);

  // Taking a block out also empties its slot.
  std::unique_ptr<CTableBlock> TakeAt(int x, int y) override;
  std::unique_ptr<CTableBlock> TakeEqual(const CTableBlock& like) override;
  std::unique_ptr<CTableBlock> Take(const CTableBlock* b) override;

  // Every slot holds a block (true for a row without slots).
  bool AllFilled() const;
  // Every placed block equals its model; empty slots do not count.
  bool AllCorrect() const;
  // The leftmost wrongly placed block, taken out; null when there is none.
  std::unique_ptr<CTableBlock> TakeFirstWrong();
  // Puts the 4-pixel ring round the block's rectangle back from background.
  void RestoreFrame(const CTableBlock& block, TCanvas* target, TCanvas* background) const;

  const MyList<SSlot>& Slots() const { return slots; }

  // A block judged correct becomes fixed in its slot.
  std::uint8_t fixOnCorrect = 0;

 private:
  std::unique_ptr<CTableBlock> EmptySlotOf(std::unique_ptr<CTableBlock> taken);

  MyList<SSlot> slots;
  const TColor* colours;
};
