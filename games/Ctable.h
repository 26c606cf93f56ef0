// The pool of the label-it board: an ordered stack of loose letter blocks
// with hit testing, taking out, scattering and shuffling. The answer slot
// row (CTableBox) is a table too. Coordinates are the drag board's.
#pragma once
#include <cstdint>
#include <list>
#include <memory>

#include "games/Ctableblock.h"
#include "platform/Graphics.h"

// The board's lists: the front is the top of the stack, drawn last and
// found first.
template <class T>
using MyList = std::list<T>;
using TableBlocksList = MyList<std::unique_ptr<CTableBlock>>;

class CTable {
 public:
  CTable() = default;
  // Deletes the blocks the table still holds.
  virtual ~CTable() = default;
  CTable(const CTable&) = delete;
  CTable& operator=(const CTable&) = delete;

  // Puts a block at the bottom (Add) or on top (AddFront); null is ignored.
  void Add(std::unique_ptr<CTableBlock> b);
  void AddFront(std::unique_ptr<CTableBlock> b);

  // The topmost active block under the point, or the end / null.
  TableBlocksList::iterator FindAt(int x, int y);
  CTableBlock* BlockAt(int x, int y);
  TableBlocksList::iterator FindNode(const CTableBlock* b);
  TableBlocksList::iterator FindEqual(const CTableBlock& like);

  // Every block from the bottom up, at its place plus the offset.
  virtual void Draw(TCanvas* canvas, int offsetX, int offsetY) const;
  // Take a block out and hand it to the caller: the topmost one under the
  // point, the first equal to like, or b itself. Null, changing nothing,
  // when the table is locked, when there is none, or when it is fixed (a
  // movable block under a fixed one is not considered).
  virtual std::unique_ptr<CTableBlock> TakeAt(int x, int y);
  virtual std::unique_ptr<CTableBlock> TakeEqual(const CTableBlock& like);
  virtual std::unique_ptr<CTableBlock> Take(const CTableBlock* b);
  // Moves the blocks, top first, to the bottom of other, through Take; stops
  // at the first block Take refuses.
  void MoveAllTo(CTable& other);

  void ClearFixed();
  void SetActive(bool on);
  void ResetToHome();
  // Swaps the blocks between places: for each place but the last, with a
  // place drawn by RandomRange from it to the end.
  void Shuffle();
  // Scatters the blocks over the area, each in its own cell from left to
  // right in stack order, the first block's size standing for every block;
  // with storeHome the places become the blocks' homes.
  void RandomLayout(const TRect& area, bool storeHome);
  void DeleteAll() { blocks.clear(); }

  int Count() const { return int(blocks.size()); }
  const TableBlocksList& Blocks() const { return blocks; }

  // While set the table gives no block up and (a slot row) takes no drop.
  std::uint8_t locked = 0;

 protected:
  // The block of node, taken out; null when locked, at the end or fixed.
  std::unique_ptr<CTableBlock> TakeNode(TableBlocksList::iterator node);

  TableBlocksList blocks;
};
