#include "games/Cgracie_paczki.h"

#include <algorithm>
#include <iterator>

#include "platform/Random.h"
#include "shell/_gloskifn.h"
#include "toolkit/Ctransfont.h"

namespace {
// A random number below n; 0 when n is not positive.
int Below(int n) { return n > 0 ? Random31() % n : 0; }

// Whether two separate draws below n agree.
bool DrawsAgree(int n) {
  const int a = Below(n);
  return a == Below(n);
}
}  // namespace

int CgraCie_Paczki::CorrectParcelCount(int level) {
  switch (level) {
    case 1: return 8;
    case 2: return 16;
    case 3: return 24;
    default: return 1;
  }
}

void CgraCie_Paczki::SetLevel(int level, int hb, int hc) {
  correctRunSpan = wrongRunSpan = 2;
  switch (level) {
    case 2:
      fallSpeed = 2;
      dropGapMin = 3 * hb / 4;
      dropGapMax = hb + hc + hb / 5;
      break;
    case 3:
      fallSpeed = 2;
      dropGapMin = hb / 5;
      dropGapMax = hb + hc;
      break;
    default:  // level 1, and any level outside 1..3
      fallSpeed = 1;
      dropGapMin = hb / 2;
      dropGapMax = hb + hc - hb / 5;
      break;
  }
}

void CgraCie_Paczki::SetDropArea(int left, int right, int margin) {
  dropLeft = left;
  dropRight = right;
  dropMargin = margin;
}

PhonemeMask CgraCie_Paczki::ChooseSounds(const CSlowa& dictionary, PhonemeMask phonemes, PhonemeMask positions,
                                         int correctCount) {
  std::int32_t bits[26];
  const int n = SplitPhonemeBits(std::int32_t(phonemes & CSlowa::AllPhonemes), bits);
  std::vector<PhonemeMask> usable;
  std::vector<int> counts;
  for (int i = 0; i < n; ++i) {
    const int count = dictionary.CountWords(PhonemeMask(bits[i]) | (positions & CSlowa::AllPositions));
    if (count <= 0) continue;
    usable.push_back(PhonemeMask(bits[i]));
    counts.push_back(count);
  }
  const int m = int(usable.size());
  std::vector<int> order;
  for (int i = 0; i < m; ++i) order.push_back(i);
  ShuffleInts(order, m);
  auto count = [&](int i) { return counts[std::size_t(order[std::size_t(i)])]; };
  const int chosen = std::min(m, 4);
  int total = 0;
  for (int i = 0; i < chosen; ++i) total += count(i);
  if (total < correctCount && m > 4) {
    int fewest = 0, most = chosen;
    for (int i = 1; i < chosen; ++i)
      if (count(i) < count(fewest)) fewest = i;
    for (int i = chosen + 1; i < m; ++i)
      if (count(i) > count(most)) most = i;
    if (count(most) > count(fewest)) std::swap(order[std::size_t(fewest)], order[std::size_t(most)]);
  }
  PhonemeMask mask = 0;
  for (int i = 0; i < chosen; ++i) mask |= usable[std::size_t(order[std::size_t(i)])];
  return mask;
}

void CgraCie_Paczki::DrawWords(CSlowa& dictionary, PhonemeMask chosen, PhonemeMask positions, int correctCount,
                               std::vector<CSlowa::CPaczkaEx*>& out) {
  std::vector<CSlowa::CPaczkaEx*> pool;
  dictionary.SelectWords(pool, chosen | (positions & CSlowa::AllPositions));
  dictionary.DrawWords(out, correctCount, pool);
  pool.clear();
  dictionary.SelectWordsWithoutExcluding(pool, chosen | CSlowa::AllPositions, chosen);
  dictionary.DrawWords(out, correctCount + 2, pool);
}

std::string CgraCie_Paczki::Caption(PhonemeMask chosen, const CTransFont& font, int maxWidth, int& width) {
  std::string text;
  PhonemeNames(text, std::int32_t(chosen), ", ", "/");
  font.MeasureText(text, &width, nullptr);
  if (width > maxWidth) {
    PhonemeNames(text, std::int32_t(chosen), ",", "/");
    font.MeasureText(text, &width, nullptr);
  }
  return text;
}

void CgraCie_Paczki::Clear() {
  activeParcels.clear();
  correctQueue.clear();
  wrongQueue.clear();
  correctParcels.clear();
  wrongParcels.clear();
}

void CgraCie_Paczki::Add(std::unique_ptr<Parcel> parcel) {
  (parcel->correct ? correctParcels : wrongParcels).push_back(std::move(parcel));
}

void CgraCie_Paczki::Queue() {
  ShuffleInts(correctParcels, int(correctParcels.size()));
  ShuffleInts(wrongParcels, int(wrongParcels.size()));
  openingRunPending = true;
  correctQueue.clear();
  wrongQueue.clear();
  for (auto& p : correctParcels) correctQueue.push_back(p.get());
  for (auto& p : wrongParcels) wrongQueue.push_back(p.get());
}

void CgraCie_Paczki::RefillDropOrder() {
  if (openingRunPending && dropOrder.empty()) {
    openingRunPending = false;
    dropOrder.insert(dropOrder.end(), std::size_t(Below(wrongRunSpan)), false);
  }
  int k = 1 + Below(correctRunSpan);
  if (DrawsAgree(10)) ++k;
  dropOrder.insert(dropOrder.end(), std::size_t(k), true);
  k = 1 + Below(wrongRunSpan);
  if (DrawsAgree(7)) ++k;
  dropOrder.insert(dropOrder.end(), std::size_t(k), false);
}

void CgraCie_Paczki::DropNextParcel() {
  if (correctQueue.empty() && wrongQueue.empty()) return;
  if (dropOrder.empty() && !correctQueue.empty()) RefillDropOrder();
  if (dropOrder.empty()) return;
  List& queue = dropOrder.front() ? correctQueue : wrongQueue;
  dropOrder.pop_front();
  if (queue.empty()) return;  // the entry is spent
  Parcel* p = queue.front();
  queue.pop_front();

  const int need = p->W() + 2 * p->amplitude;
  int bottom = 0;
  int left;
  if (activeParcels.empty()) {
    left = dropLeft + Below(dropRight - dropLeft - need);
  } else {
    const Parcel* q = activeParcels.front();
    bottom = std::min(q->y + q->H() - (dropGapMin + Below(dropGapMax - dropGapMin)), 0);
    if (q->y + q->chuteOffsetY - dropMargin >= bottom) left = dropLeft + Below(dropRight - dropLeft - need);
    else left = FindLeft(need, bottom);
  }
  p->SetStart(left, bottom);
  activeParcels.push_front(p);
}

int CgraCie_Paczki::FindLeft(int need, int& bottom) {
  struct Span {
    int lo, hi;
  };
  std::vector<Span> free{{dropLeft, dropRight}};
  for (const Parcel* q : activeParcels) {
    const int limit = q->y + q->chuteOffsetY - dropMargin;  // the top of q's parachute, less the margin
    if (limit >= bottom) break;
    const int qL = q->swingCentreX - q->amplitude, qR = q->swingCentreX + q->amplitude + q->W();
    int i = int(free.size()) - 1;
    while (i >= 0 && !(qR >= free[std::size_t(i)].lo && qL <= free[std::size_t(i)].hi)) --i;
    if (i < 0) {
      bottom = limit;  // above q
      break;
    }
    Span& s = free[std::size_t(i)];
    const Span leftPiece{s.lo, std::min(qL, s.hi)}, rightPiece{std::max(qR, s.lo), s.hi};
    const bool leftFits = need <= leftPiece.hi - leftPiece.lo, rightFits = need <= rightPiece.hi - rightPiece.lo;
    if (leftFits && rightFits) {
      s = leftPiece;
      free.insert(free.begin() + i + 1, rightPiece);
    } else if (leftFits || rightFits) {
      s = leftFits ? leftPiece : rightPiece;
    } else if (free.size() == 1) {
      bottom = limit;
      break;
    } else {
      free.erase(free.begin() + i);
    }
  }
  const Span& s = free[std::size_t(Below(int(free.size())))];
  return s.lo + Below(s.hi - s.lo - need);
}

CgraCie_Paczki::List::iterator CgraCie_Paczki::ParcelAt(int x, int y) {
  // Parcels in flight are drawn first, each layer from the front: the last
  // one drawn lies on top.
  for (bool flight : {false, true})
    for (auto it = activeParcels.end(); it != activeParcels.begin();) {
      --it;
      if ((*it)->InFlight() == flight && (*it)->HitTest(x, y)) return it;
    }
  return activeParcels.end();
}

CgraCie_Paczki::List::iterator CgraCie_Paczki::FindHintParcel() {
  return std::find_if(activeParcels.begin(), activeParcels.end(), [](const Parcel* p) {
    return p->correct && !p->hint && !p->marked && p->y + p->H() > 0;
  });
}

void CgraCie_Paczki::TakeMissedParcel(int fieldHeight) {
  if (activeParcels.empty()) return;
  Parcel* p = activeParcels.back();
  if (p->y + p->chuteOffsetY <= fieldHeight + 4) return;
  activeParcels.pop_back();
  if (p->correct) {
    if (correctQueue.empty()) openingRunPending = true;
    p->ClearHint();
    correctQueue.push_back(p);
  } else if (wrongQueue.size() <= correctQueue.size() + 2) {
    p->StopBlink();
    wrongQueue.push_back(p);
  }
}
