#include "games/Ctable.h"

#include <iterator>
#include <utility>

#include "platform/Random.h"

void CTable::Add(std::unique_ptr<CTableBlock> b) {
  if (b) blocks.push_back(std::move(b));
}

void CTable::AddFront(std::unique_ptr<CTableBlock> b) {
  if (b) blocks.push_front(std::move(b));
}

TableBlocksList::iterator CTable::FindAt(int x, int y) {
  for (auto it = blocks.begin(); it != blocks.end(); ++it)
    if ((*it)->HitTest(x, y)) return it;
  return blocks.end();
}

CTableBlock* CTable::BlockAt(int x, int y) {
  auto it = FindAt(x, y);
  return it == blocks.end() ? nullptr : it->get();
}

TableBlocksList::iterator CTable::FindNode(const CTableBlock* b) {
  for (auto it = blocks.begin(); it != blocks.end(); ++it)
    if (it->get() == b) return it;
  return blocks.end();
}

TableBlocksList::iterator CTable::FindEqual(const CTableBlock& like) {
  for (auto it = blocks.begin(); it != blocks.end(); ++it)
    if ((*it)->Equals(like)) return it;
  return blocks.end();
}

void CTable::Draw(TCanvas* canvas, int offsetX, int offsetY) const {
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) (*it)->Draw(canvas, offsetX + (*it)->x, offsetY + (*it)->y);
}

std::unique_ptr<CTableBlock> CTable::TakeNode(TableBlocksList::iterator node) {
  if (locked || node == blocks.end() || (*node)->fixed) return nullptr;
  std::unique_ptr<CTableBlock> b = std::move(*node);
  blocks.erase(node);
  return b;
}

std::unique_ptr<CTableBlock> CTable::TakeAt(int x, int y) { return locked ? nullptr : TakeNode(FindAt(x, y)); }

std::unique_ptr<CTableBlock> CTable::TakeEqual(const CTableBlock& like) {
  return locked ? nullptr : TakeNode(FindEqual(like));
}

std::unique_ptr<CTableBlock> CTable::Take(const CTableBlock* b) { return locked ? nullptr : TakeNode(FindNode(b)); }

void CTable::MoveAllTo(CTable& other) {
  while (!blocks.empty()) {
    std::unique_ptr<CTableBlock> b = Take(blocks.front().get());
    if (!b) return;
    other.Add(std::move(b));
  }
}

void CTable::ClearFixed() {
  for (auto& b : blocks) b->fixed = 0;
}

void CTable::SetActive(bool on) {
  for (auto& b : blocks) b->active = on ? 1 : 0;
}

void CTable::ResetToHome() {
  for (auto& b : blocks) {
    b->x = b->homeX;
    b->y = b->homeY;
  }
}

void CTable::Shuffle() {
  const int n = Count();
  for (int i = 0; i < n - 1; ++i) {
    const int j = RandomRange(i, n);
    if (j != i) std::swap(*std::next(blocks.begin(), i), *std::next(blocks.begin(), j));
  }
}

void CTable::RandomLayout(const TRect& area, bool storeHome) {
  const int n = Count();
  if (n == 0) return;
  const int w0 = blocks.front()->width, h0 = blocks.front()->height;
  const int span = area.right - area.left, bandHeight = area.bottom - area.top;
  int cell = span / n;
  int x0 = area.left;
  if (cell > 2 * w0) {
    cell = 2 * w0;
    x0 = area.left + (span - cell * n) / 2;
  }
  for (auto& b : blocks) {
    const int jx = w0 < cell - 2 ? Rand15() % (cell - 2 - w0) : 1;
    const int jy = bandHeight > h0 ? Rand15() % (bandHeight - h0) : 0;
    b->x = x0 + jx;
    b->y = area.top + jy;
    if (storeHome) {
      b->homeX = b->x;
      b->homeY = b->y;
    }
    x0 += cell;
  }
}
