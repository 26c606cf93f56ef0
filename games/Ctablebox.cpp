#include "games/Ctablebox.h"

#include <algorithm>
#include <utility>

#include "platform/WinApi.h"
#include "toolkit/Chamowanie.h"
#include "toolkit/Universalfn.h"

namespace {
// Navy, lime and red frames, white fill (0x00BBGGRR).
constexpr TColor kBuiltInColours[4] = {0x800000, 0x00FF00, 0x0000FF, 0xFFFFFF};
constexpr int kFrame = 4;  // the frame's width, all outside the slot's rectangle
}  // namespace

CTableBox::CTableBox() : colours(kBuiltInColours) {}

// The slots' models go first, then the placed blocks with the table.
CTableBox::~CTableBox() { slots.clear(); }

void CTableBox::SetColours(const TColor* table) { colours = table ? table : kBuiltInColours; }

void CTableBox::AddSlot(std::unique_ptr<CTableBlock> model) {
  if (!model) return;
  SSlot s;
  s.model = std::move(model);
  slots.push_back(std::move(s));
}

MyList<CTableBox::SSlot>::iterator CTableBox::SlotAt(int x, int y) {
  for (auto it = slots.begin(); it != slots.end(); ++it)
    if (it->model->HitTest(x, y)) return it;
  return slots.end();
}

MyList<CTableBox::SSlot>::iterator CTableBox::FindSlotOf(const CTableBlock* block) {
  for (auto it = slots.begin(); it != slots.end(); ++it)
    if (it->placed == block) return it;
  return slots.end();
}

void CTableBox::LayoutSlots(int left, int right, bool storeHome, int gap, int y) {
  const int n = int(slots.size());
  if (n == 0) return;
  const int span = right - left;
  const int w = slots.front().model->width;
  const int total = (w + 2 * kFrame) * n + (n - 1) * gap;
  auto place = [&](CTableBlock& m, int x) {
    m.x = x;
    m.y = y;
    if (storeHome) {
      m.homeX = x;
      m.homeY = y;
    }
  };
  if (total <= span) {
    int x = left + (span - total) / 2 + kFrame;
    for (SSlot& s : slots) {
      place(*s.model, x);
      x += w + 2 * kFrame + gap;
    }
  } else if (n == 1) {
    // One slot wider than the span: centred, or at the left when even its
    // model does not fit.
    CTableBlock& m = *slots.front().model;
    place(m, left + std::max(0, (span - m.width) / 2));
  } else {
    int i = 0;
    for (SSlot& s : slots) {
      place(*s.model, left + ((span - s.model->width) * i) / (n - 1));
      ++i;
    }
  }
}

void CTableBox::DrawSlot(TCanvas* canvas, int offsetX, int offsetY, bool empty, std::uint8_t state,
                         const CTableBlock& model) const {
  TRect r = Bounds(offsetX + model.x, offsetY + model.y, model.width, model.height);
  if (empty) {
    canvas->Brush.Color = colours[3];
    canvas->FillRect(r);
  }
  canvas->Brush.Color = state == kCorrect ? colours[1] : state == kWrong ? colours[2] : colours[0];
  for (int i = 0; i < kFrame; ++i) {
    r = Rect(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
    canvas->FrameRect(r);
  }
}

void CTableBox::Draw(TCanvas* canvas, int offsetX, int offsetY) const {
  for (auto it = slots.rbegin(); it != slots.rend(); ++it)
    DrawSlot(canvas, offsetX, offsetY, it->placed == nullptr, it->state, *it->model);
  CTable::Draw(canvas, offsetX, offsetY);
}

void CTableBox::DrawSolution(TCanvas* canvas, int offsetX, int offsetY) const {
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    DrawSlot(canvas, offsetX, offsetY, false, kNeutral, *it->model);
    it->model->Draw(canvas, offsetX + it->model->x, offsetY + it->model->y);
  }
}

bool CTableBox::TryDrop(std::unique_ptr<CTableBlock>& block, TCanvas* target, std::uint8_t* state,
                        TCanvas* background, bool glide) {
  if (locked || !block) return false;
  const int cx = block->x + block->width / 2, cy = block->y + block->height / 2;
  auto slot = SlotAt(cx, cy);
  if (slot == slots.end() || slot->placed) return false;
  if (glide) {
    CEaseOut ex, ey;
    ex.StartQuadratic(float(block->x), float(slot->model->x), 5);
    ey.StartQuadratic(float(block->y), float(slot->model->y), 5);
    for (int i = 0; i < 5; ++i) {
      const int y = int(ey.NextQuadratic() + 0.5);
      const int x = int(ex.NextQuadratic() + 0.5);
      block->MoveTo(x, y, nullptr, target, background);
      Sleep(40);
    }
  } else {
    block->x = slot->model->x;
    block->y = slot->model->y;
  }
  slot->placed = block.get();
  const bool right = block->Equals(*slot->model);
  slot->state = right ? kCorrect : kWrong;
  if (right && fixOnCorrect) block->fixed = 1;
  AddFront(std::move(block));
  if (state) *state = slot->state;
  return true;
}

std::unique_ptr<CTableBlock> CTableBox::EmptySlotOf(std::unique_ptr<CTableBlock> taken) {
  if (!taken) return nullptr;
  auto slot = FindSlotOf(taken.get());
  if (slot != slots.end()) {
    slot->placed = nullptr;
    slot->state = kNeutral;
  }
  return taken;
}

std::unique_ptr<CTableBlock> CTableBox::TakeAt(int x, int y) { return EmptySlotOf(CTable::TakeAt(x, y)); }

std::unique_ptr<CTableBlock> CTableBox::TakeEqual(const CTableBlock& like) {
  return EmptySlotOf(CTable::TakeEqual(like));
}

std::unique_ptr<CTableBlock> CTableBox::Take(const CTableBlock* b) { return EmptySlotOf(CTable::Take(b)); }

bool CTableBox::AllFilled() const {
  for (const SSlot& s : slots)
    if (!s.placed) return false;
  return true;
}

bool CTableBox::AllCorrect() const {
  for (const SSlot& s : slots)
    if (s.placed && !s.placed->Equals(*s.model)) return false;
  return true;
}

std::unique_ptr<CTableBlock> CTableBox::TakeFirstWrong() {
  for (SSlot& s : slots)
    if (s.placed && !s.placed->Equals(*s.model)) return Take(s.placed);
  return nullptr;
}

void CTableBox::RestoreFrame(const CTableBlock& block, TCanvas* target, TCanvas* background) const {
  const TRect inner = block.BoundsRect();
  const TRect ring = Rect(inner.left - kFrame, inner.top - kFrame, inner.right + kFrame, inner.bottom + kFrame);
  CopyRectExcept(target, ring.left, ring.top, inner, ring, background);
}
