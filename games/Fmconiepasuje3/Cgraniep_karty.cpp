#include "games/Fmconiepasuje3/Cgraniep_karty.h"

#include <algorithm>
#include <memory>

#include "platform/Forms.h"
#include "platform/Random.h"
#include "platform/WinApi.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Ctransbitmap.h"

namespace {
constexpr TColor kHoverColour = 0x00F0F0;  // yellow
constexpr TColor kFittingColour = 0x00F000;  // green
constexpr TColor kOddColour = 0x0000C8;  // red
}  // namespace

CgraNiep_Karty::SPasNiep::~SPasNiep() {
  for (TBitmap* b : pictures) delete b;
}

bool CgraNiep_Karty::SMiejsceObrazu::Contains(int px, int py) const {
  if (!pictureMask) return false;
  const int dx = px - x, dy = py - y;
  return dx >= 0 && dx < pictureMask->Width() && dy >= 0 && dy < pictureMask->Height();
}

CgraNiep_Karty::CgraNiep_Karty(TCanvas* windowCanvas, TBitmap* backBuffer)
    : canvas(windowCanvas), backBuffer(backBuffer), workBitmap(new TBitmap) {
  workBitmap->SetPixelFormat(pf24bit);
}

CgraNiep_Karty::~CgraNiep_Karty() {
  ClearRounds();
  delete workBitmap;
  for (SMiejsceObrazu& p : places) {
    delete p.pictureMask;
    delete p.highlightMask;
  }
}

void CgraNiep_Karty::AddPlace(int x, int y, const std::string& pictureMaskPath, int highlightX, int highlightY,
                              const std::string& highlightMaskPath) {
  std::unique_ptr<TBitmap> picture(NewBitmapFromJpeg(pictureMaskPath));
  std::unique_ptr<TBitmap> highlight(NewBitmapFromJpeg(highlightMaskPath));
  SMiejsceObrazu place;
  place.x = x;
  place.y = y;
  place.highlightX = highlightX;
  place.highlightY = highlightY;
  place.pictureMask = picture.release();
  place.highlightMask = highlight.release();
  places.push_back(place);
}

PhonemeMask CgraNiep_Karty::PartnerCode(PhonemeMask code) {
  return PhonemeMask(OppositeMask(std::int32_t(code & CSlowa::AllPhonemes))) | (code & CSlowa::AllPositions);
}

bool CgraNiep_Karty::FilterPhonemes(int cards) {
  codeCount = CUstGry::ListSelections(&SettingsCoNiePasuje3, codes);
  int kept = 0;
  for (int i = 0; i < codeCount; ++i) {
    const PhonemeMask c = PhonemeMask(codes[i]);
    if (Dictionary->CountWords(c) < cards - 1) continue;  // too few fitting words
    if (Dictionary->CountWords(PartnerCode(c)) < 1) continue;  // no odd word
    codes[kept++] = codes[i];
  }
  codeCount = kept;
  return codeCount > 0;
}

void CgraNiep_Karty::ShufflePhonemes(std::int32_t* list, int n) {
  if (n <= 0) return;
  struct Entry {
    std::int32_t value;
    bool taken;
  };
  std::vector<Entry> table(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) table[std::size_t(i)] = Entry{list[i], false};
  for (int i = 0; i < n; ++i) {
    int j = Random31() % n;
    while (table[std::size_t(j)].taken) j = (j + 1) % n;
    table[std::size_t(j)].taken = true;
    list[i] = table[std::size_t(j)].value;
  }
}

void CgraNiep_Karty::Setup(int cards, int count) {
  // At least the odd card, at most one card per place.
  cardCount = std::clamp(cards, 1, 5);
  roundCount = std::max(count, 0);
  ClearRounds();
  hoveredCard = -1;
  currentRound = 0;
  if (roundCount == 0) return;
  rounds = new SPasNiep[std::size_t(roundCount)];
  AssignRoundPhonemes();
}

void CgraNiep_Karty::AssignRoundPhonemes() {
  int k = codeCount;
  for (int r = 0; r < roundCount; ++r) {
    ++k;
    if (k >= codeCount) {
      ShufflePhonemes(codes, codeCount);
      k = 0;
    }
    rounds[r].fittingCode = codeCount > 0 ? PhonemeMask(codes[k]) : 0;
    rounds[r].oddCode = PartnerCode(rounds[r].fittingCode);
  }
  BuildRounds();
}

void CgraNiep_Karty::BuildRounds() {
  std::vector<int> positions(static_cast<std::size_t>(cardCount));
  for (int i = 0; i < cardCount; ++i) positions[std::size_t(i)] = i;
  for (int r = 0; r < roundCount; ++r) {
    SPasNiep& round = rounds[r];
    round.solved = 0;
    std::vector<CSlowa::CPaczkaEx*> drawn, pool;
    Dictionary->SelectWords(pool, round.oddCode);
    Dictionary->DrawWords(drawn, 1, pool);
    pool.clear();
    Dictionary->SelectWords(pool, round.fittingCode);
    Dictionary->DrawWords(drawn, cardCount - 1, pool);
    for (int k = 0; k < cardCount; ++k) round.words[k] = drawn[std::size_t(k)];
    const int t = r % cardCount;
    if (t == 0) ShuffleInts(positions, cardCount);
    round.oddIndex = positions[std::size_t(t)];
    std::swap(round.words[0], round.words[round.oddIndex]);
    round.pictures.assign(std::size_t(cardCount), nullptr);
    for (int k = 0; k < cardCount; ++k) {
      const TBitmap* mask = places[std::size_t(k)].pictureMask;
      round.pictures[std::size_t(k)] = LoadWordPicture(round.words[k]->key, mask->Width(), mask->Height(), true, false);
    }
  }
}

int CgraNiep_Karty::CardAt(int x, int y) const {
  for (std::size_t i = 0; i < places.size(); ++i)
    if (places[i].Contains(x, y)) return int(i);
  return -1;
}

TRect CgraNiep_Karty::CardRect(int i) const {
  const SMiejsceObrazu& p = places[std::size_t(i)];
  return Bounds(p.highlightX, p.highlightY, p.highlightMask->Width(), p.highlightMask->Height());
}

int CgraNiep_Karty::JudgeClick(int x, int y) {
  SPasNiep* round = Current();
  if (!round) return 0;
  if (round->solved) return 3;
  const int i = CardAt(x, y);
  if (i < 0) return 0;
  if (i == round->oddIndex) {
    PlayFeedbackSound(1, false, true);
    round->solved = 1;
    return 1;
  }
  PlayFeedbackSound(3, false, true);
  return 2;
}

int CgraNiep_Karty::UnsolvedCount() const {
  int n = 0;
  for (int r = 0; rounds && r < roundCount; ++r)
    if (!rounds[r].solved) ++n;
  return n;
}

void CgraNiep_Karty::PrevRound() {
  if (currentRound >= 1) --currentRound;
}

void CgraNiep_Karty::NextRound() {
  if (currentRound < roundCount - 1) ++currentRound;
}

void CgraNiep_Karty::DrawCards(TBitmap* dest) {
  SPasNiep* round = Current();
  if (!round || !dest) return;
  for (int k = 0; k < cardCount; ++k) {
    const SMiejsceObrazu& p = places[std::size_t(k)];
    TBitmap* picture = round->pictures[std::size_t(k)];
    const TRect clip = Rect(0, 0, picture->Width(), picture->Height());
    Composite(dest, p.x, p.y, picture, p.pictureMask, &clip, dest, p.x, p.y, 255);
  }
  if (!round->solved) return;
  for (int k = 0; k < cardCount; ++k) {
    if (k == round->oddIndex) TintOddCard(dest, k, 128);
    else TintCard(dest, k, kFittingColour, 128);
  }
}

void CgraNiep_Karty::TintCard(TBitmap* dest, int i, TColor colour, int alpha) {
  const SMiejsceObrazu& p = places[std::size_t(i)];
  TintThroughMask(dest, p.highlightX, p.highlightY, p.highlightMask, colour, dest, p.highlightX, p.highlightY, alpha);
}

void CgraNiep_Karty::TintOddCard(TBitmap* dest, int i, int alpha) { TintCard(dest, i, kOddColour, alpha); }

void CgraNiep_Karty::EnsureWorkSize(int w, int h) {
  if (workBitmap->Width() >= w && workBitmap->Height() >= h) return;
  const int oldHeight = workBitmap->Height();
  workBitmap->SetHeight(0);
  workBitmap->SetWidth(std::max(workBitmap->Width(), w));
  workBitmap->SetHeight(std::max(oldHeight, h));
}

void CgraNiep_Karty::HighlightCard(int i, int alpha) {
  if (!canvas) return;
  const TRect r = CardRect(i);
  const int w = r.Width(), h = r.Height();
  EnsureWorkSize(w, h);
  const TRect local = Rect(0, 0, w, h);
  workBitmap->Canvas()->CopyMode = cmSrcCopy;
  workBitmap->Canvas()->CopyRect(local, canvas, r);
  TintThroughMask(workBitmap, 0, 0, places[std::size_t(i)].highlightMask, kHoverColour, workBitmap, 0, 0, alpha);
  canvas->CopyRect(r, workBitmap->Canvas(), local);
}

void CgraNiep_Karty::RestoreCard(int i) {
  if (!canvas || !backBuffer) return;
  const TRect r = CardRect(i);
  canvas->CopyRect(r, backBuffer->Canvas(), r);
}

void CgraNiep_Karty::UpdateHover(int x, int y) {
  SPasNiep* round = Current();
  if (!round || round->solved) return;
  const int i = CardAt(x, y);
  if (i == hoveredCard) return;
  if (hoveredCard != -1) RestoreCard(hoveredCard);
  hoveredCard = i;
  if (i != -1) HighlightCard(i, 255);
}

void CgraNiep_Karty::SayOddWord() {
  SPasNiep* round = Current();
  if (!round) return;
  PlaySoundFile(WordSoundPath(round->words[round->oddIndex]), false);
}

void CgraNiep_Karty::SayCard(int i) {
  SPasNiep* round = Current();
  if (!round) return;
  HighlightCard(i, 255);
  PlaySoundFile(WordSoundPath(round->words[i]), true);
  Sleep(250);
  RestoreCard(i);
}

void CgraNiep_Karty::ReadAloud() {
  reading = 1;
  for (int i = 0; i < cardCount; ++i) {
    // Other handlers run here; any of them ends the reading by clearing the flag.
    for (int pump = 0; pump < 40; ++pump) {
      Application->ProcessMessages();
      if (!reading) return;
    }
    SayCard(i);
    Sleep(100);
  }
  reading = 0;
}

void CgraNiep_Karty::ClearRounds() {
  // Nothing is left to read aloud.
  reading = 0;
  delete[] rounds;
  rounds = nullptr;
}
