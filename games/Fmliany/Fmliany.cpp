#include "games/Fmliany/Fmliany.h"

#include <algorithm>
#include <string>

#include "games/Czoom44.h"
#include "games/Fmliany/LianyLayout.h"
#include "platform/ExtCtrls.h"
#include "platform/WinApi.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Cmovingobj.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/Universalfn.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

TFormLiany* FormLiany = nullptr;

namespace {
constexpr TCursor kShears = 2;
constexpr TColor kHintColour = 0x80FFFF;  // light yellow

std::string SpecPicture(const std::string& prefix, const std::string& name) {
  return "Data\\Intf\\Spec\\" + prefix + name;
}

TRect WholeOf(const TBitmap* b) { return Rect(0, 0, b ? b->Width() : 0, b ? b->Height() : 0); }

void CopyArea(TBitmap* to, TBitmap* from, const TRect& r) {
  to->Canvas()->CopyMode = cmSrcCopy;
  to->Canvas()->CopyRect(r, from->Canvas(), r);
}
}  // namespace

TFormLiany::TFormLiany(TComponent* Owner) : CGameForm(Owner) {
  Name = "FormLiany";
  Caption = "Gra Liany";
  A_NowaGra = NewAction("A_NowaGra", [this] { A_NowaGraExecute(A_NowaGra); });
  A_Stop = NewAction("A_Stop", [this] { A_StopExecute(A_Stop); });
  A_Pomoc = NewAction("A_Pomoc", [this] { A_PomocExecute(A_Pomoc); });
  A_Nastepny = NewAction("A_Nastepny", [this] { A_NastepnyExecute(A_Nastepny); });
  A_Poprzedni = NewAction("A_Poprzedni", [this] { A_PoprzedniExecute(A_Poprzedni); });
  SetFrameActions(A_NowaGra, A_Stop);
  timerOpoznG = new TTimer(this);
  timerOpoznG->SetEnabled(false);
  timerOpoznG->SetInterval(800);
  timerOpoznG->OnTimer = [this](TObject* s) { timerOpoznGTimer(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseDown(s, b, sh, x, y); };
  OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };

  try {
    CreateBuffers(pf32bit);
    zoom = std::make_unique<CZoom44>(Canvas(), ClientRect(), backBuffer->Canvas());
    Display.LoadBackground(background, SpecPicture(Display.ArtPrefix[2], "_liaT.xji"));
    LoadGraphics();

    const liany::Layout l = liany::LayoutFor(Display);
    stopButton = NewButton("stop", l.stop, A_Stop);
    helpButton = NewButton("pomoc", l.help, A_Pomoc);
    nextButton = NewButton("nast", l.next, A_Nastepny);
    previousButton = NewButton("pop", l.previous, A_Poprzedni);
    // The buttons take the moves over them: a pointer that jumps from a leaf
    // straight onto one puts the leaf out and leaves the shears behind.
    for (CPrzyciskW* b : {stopButton, helpButton, nextButton, previousButton})
      b->OnMouseMove = [this](TObject*, TShiftState, int, int) { HoverLeaf(-1); };
  } catch (...) {
    FreeResources();
    throw CBlad(1);
  }
}

TFormLiany::~TFormLiany() {
  FreeResources();
  if (FormLiany == this) FormLiany = nullptr;
}

void TFormLiany::FreeResources() {
  ClearTasks();
  flight.reset();
  zoom.reset();
  FreeFrameResources();
}

void TFormLiany::LoadGraphics() {
  const int L = Display.GameArea.left, T = Display.GameArea.top;
  const liany::Layout l = liany::LayoutFor(Display);
  anchors.clear();
  for (TPoint a : l.anchors) anchors.push_back(TPoint{L + a.x, T + a.y});

  const std::string& p = Display.ArtPrefix[1];
  auto pair = [&](CTransBitmap& b, const char* name) {
    b.LoadBlackWhiteJpeg(SpecPicture(p, std::string(name) + "B.xji"), SpecPicture(p, std::string(name) + "W.xji"));
  };
  pair(leafLeft, "_lia_ll");
  pair(leafRight, "_lia_lr");
  pair(leafLeftLit, "_lia_lsl");
  pair(leafRightLit, "_lia_lsr");
  pictureMaskLeft.reset(LoadJpegBitmap(SpecPicture(p, "_lia_lwlM.xji")));
  pictureMaskRight.reset(LoadJpegBitmap(SpecPicture(p, "_lia_lwrM.xji")));
  cutMarkMask.reset(LoadJpegBitmap(SpecPicture(p, "_lia_liciM.xji")));
  titleMask.reset(LoadJpegBitmap(SpecPicture(p, "_lia_kwiM.xji")));

  pictureOffsetLeft = l.windowLeft;
  pictureOffsetRight = l.windowRight;
  titlePos = TPoint{L + l.title.x, T + l.title.y};
  collectBase = TPoint{L + l.collect.x, T + l.collect.y};
  cutMarkOffset = l.cutMark;
  foregroundPos = TPoint{L + l.foreground.x, T + l.foreground.y};

  // The scenery at the patch's place, drawn again in front of the leaves.
  foreground.SetMask(LoadJpegBitmap(SpecPicture(p, "_lia_pspM.xji")));
  foreground.CreateColourForMask();
  const TRect patch = WholeOf(foreground.Mask);
  foreground.Colour->Canvas()->CopyMode = cmSrcCopy;
  foreground.Colour->Canvas()->CopyRect(patch, background->Canvas(),
                                        Bounds(foregroundPos.x, foregroundPos.y, patch.Width(), patch.Height()));
}

// ---- the game's rules ----

int TFormLiany::TaskCount() const { return LianyLevelOf(SettingsLiany.Level).taskCount; }
int TFormLiany::LeafCount() const { return LianyLevelOf(SettingsLiany.Level).leafCount; }
int TFormLiany::CorrectLeafCount() const { return LianyLevelOf(SettingsLiany.Level).correctLeafCount; }

bool TFormLiany::HasEnoughWords() {
  return Dictionary && LianyUsablePhonemes(*Dictionary, SettingsLiany, usablePhonemes, usableWordCounts);
}

void TFormLiany::ClearTasks() { tasks.clear(); }

void TFormLiany::GenerateTasks(int taskCount) {
  ClearTasks();
  if (!Dictionary) return;
  SLianyArt art;
  art.leaf[0] = &leafLeft;
  art.leaf[1] = &leafRight;
  art.leafLit[0] = &leafLeftLit;
  art.leafLit[1] = &leafRightLit;
  art.pictureMask[0] = pictureMaskLeft.get();
  art.pictureMask[1] = pictureMaskRight.get();
  art.pictureOffset[0] = pictureOffsetLeft;
  art.pictureOffset[1] = pictureOffsetRight;
  art.titleMask = titleMask.get();
  std::copy(anchors.begin(), anchors.end(), art.anchors);
  art.collectBase = collectBase;
  tasks = GenerateLianyTasks(*Dictionary, SettingsLiany, usablePhonemes, usableWordCounts, taskCount, art);
}

// ---- drawing ----

TRect TFormLiany::TitleRect() const { return Bounds(titlePos.x, titlePos.y, titleMask->Width(), titleMask->Height()); }

void TFormLiany::RedrawBoard() {
  CopyArea(backBuffer, background, boardRect);
  stopButton->Paint();
  PaintButton(helpButton);
  PaintButton(previousButton);
  PaintButton(nextButton);
  if (Current()) {
    DrawTitle(backBuffer);
    DrawLeaves(backBuffer);
  }
  const TRect patch = WholeOf(foreground.Colour);
  Composite(backBuffer, foregroundPos.x, foregroundPos.y, foreground.Colour, foreground.Mask, &patch, backBuffer,
            foregroundPos.x, foregroundPos.y, 255);
}

void TFormLiany::DrawTitle(TBitmap* dest) {
  CLianyZadanie* t = Current();
  if (!t) return;
  const TRect r = TitleRect();
  const TRect whole = WholeOf(titleMask.get());
  Composite(dest, r.left, r.top, t->titlePicture.get(), titleMask.get(), &whole, dest, r.left, r.top, 255);
  if (letterAlpha <= 0) return;
  TintThroughMask(dest, r.left, r.top, titleMask.get(), clWhite, dest, r.left, r.top, letterAlpha * 3 / 4);
  const std::string text = PhonemeNameWithSeparator(t->phoneme, "\n");
  int h = 0;
  GameFontLiany.MeasureText(text, nullptr, &h);
  const int dy = (r.Height() - h) / 2;
  GameFontLiany.DrawTextInRect(dest, text, Rect(r.left, r.top + dy, r.right, r.bottom), clBlack, 1, letterAlpha);
}

void TFormLiany::DrawLeaves(TBitmap* dest) {
  const CLianyZadanie& t = *Current();
  for (const auto& leaf : t.leaves)
    if (leaf->cut)
      TintThroughMask(dest, leaf->x + cutMarkOffset.x, leaf->y + cutMarkOffset.y, cutMarkMask.get(), clBlack, dest,
                      leaf->x + cutMarkOffset.x, leaf->y + cutMarkOffset.y, 255);
  for (std::size_t i = 0; i < t.leaves.size(); ++i) {
    if (int(i) == flyingLeaf) continue;
    const CLianyZadanie::CListek& leaf = *t.leaves[i];
    const int opacity = t.Finished() && !leaf.cut ? 128 : 255;
    DrawLeaf(leaf, dest, leaf.cut || int(i) == hoveredLeaf, opacity);
  }
}

void TFormLiany::DrawLeaf(const CLianyZadanie::CListek& leaf, TBitmap* dest, bool highlighted, int opacity) {
  const CTransBitmap& b = highlighted ? leaf.highlightPicture : leaf.picture;
  const TRect whole = WholeOf(b.Colour);
  Composite(dest, leaf.x, leaf.y, b.Colour, b.Mask, &whole, dest, leaf.x, leaf.y, opacity);
}

void TFormLiany::DrawLeafAt(const CLianyZadanie::CListek& leaf, TBitmap* dest, bool highlighted, int x, int y) {
  const CTransBitmap& b = highlighted ? leaf.highlightPicture : leaf.picture;
  const TRect whole = WholeOf(b.Colour);
  Composite(dest, x, y, b.Colour, b.Mask, &whole, dest, x, y, 255);
}

void TFormLiany::DrawFlyingLeaf(TBitmap* work, int x, int y) {
  if (Current() && flyingLeaf >= 0) DrawLeafAt(*Current()->leaves[std::size_t(flyingLeaf)], work, true, x, y);
}

void TFormLiany::RefreshTitle() {
  const TRect r = TitleRect();
  CopyArea(backBuffer, background, r);
  DrawTitle(backBuffer);
  InvalidateRect(r);
  Update();
}

int TFormLiany::LeafAt(int x, int y, bool includeCut) const {
  const CLianyZadanie* t = Current();
  if (!t) return -1;
  for (std::size_t i = 0; i < t->leaves.size(); ++i) {
    const CLianyZadanie::CListek& leaf = *t->leaves[i];
    if ((includeCut || !leaf.cut) && leaf.Bounds().Contains(x, y)) return int(i);
  }
  return -1;
}

void TFormLiany::UpdateLeafHover(int x, int y) {
  if (!Current() || Current()->Finished()) return;
  HoverLeaf(LeafAt(x, y, false));
}

void TFormLiany::HoverLeaf(int i) {
  if (i == hoveredLeaf) return;
  if (hoveredLeaf >= 0) RedrawLeaf(hoveredLeaf, false);
  hoveredLeaf = i;
  SetControlCursor(this, i >= 0 ? kShears : crDefault);
  if (i >= 0) RedrawLeaf(i, true);
}

void TFormLiany::RedrawLeaf(int i, bool highlighted) {
  const CLianyZadanie::CListek& leaf = *Current()->leaves[std::size_t(i)];
  const TRect r = leaf.Bounds();
  CopyArea(backBuffer, background, r);
  DrawLeaf(leaf, backBuffer, highlighted, 255);
  Canvas()->CopyRect(r, backBuffer->Canvas(), r);
}

void TFormLiany::ForgetHover() {
  hoveredLeaf = -1;
  SetControlCursor(this, crDefault);
}

// ---- play ----

void TFormLiany::ShowTask(int i) {
  timerOpoznG->SetEnabled(false);
  currentTask = i;
  const bool finished = Current()->Finished();
  ApplyTaskButtons(i, int(tasks.size()), finished);
  ForgetHover();
  letterAlpha = finished ? 0 : 255;
  RedrawBoard();
  Invalidate();
  if (!finished) timerOpoznG->SetEnabled(true);
}

void TFormLiany::timerOpoznGTimer(TObject*) {
  if (!tasks.empty() && letterAlpha > 0) {
    PlayPhonemeSound(Current()->phoneme, true);
    while (letterAlpha > 0) {
      letterAlpha = std::max(letterAlpha - 15, 0);
      RefreshTitle();
      Sleep(20);
    }
  }
  timerOpoznG->SetEnabled(false);
}

void TFormLiany::SayTitle() {
  CLianyZadanie& t = *Current();
  while (letterAlpha < 255) {
    letterAlpha = std::min(letterAlpha + 10, 255);
    RefreshTitle();
    Sleep(20);
  }
  PlayPhonemeSound(t.phoneme, true);
  for (letterAlpha = 250; letterAlpha >= 0; letterAlpha -= 10) {
    RefreshTitle();
    Sleep(20);
  }
  letterAlpha = 0;
  PlaySoundFile(WordSoundPath(t.titleWord), false);
}

void TFormLiany::Magnify(CSlowa::CPaczkaEx* word, int x, int y) {
  ShowCursor(0);  // hidden while the lens stands
  zoom->Show(word->records.front(), x, y);
  zoom->Speak();
  zoom->Hide();
  ShowCursor(1);
}

void TFormLiany::CutLeaf(int i, int x, int y) {
  CLianyZadanie& t = *Current();
  CLianyZadanie::CListek& leaf = *t.leaves[std::size_t(i)];
  ForgetHover();
  if (!leaf.correct) {
    PlayFeedbackSound(3, true, true);
    if (StatRec) StatRec->AddBad();
    RedrawBoard();
    Invalidate();
    return;
  }
  PlayFeedbackSound(1, false, true);
  if (StatRec) StatRec->AddGood();
  flight = std::make_unique<CMovingObj>();
  flyingLeaf = i;
  RedrawBoard();  // the back buffer without the leaf; the screen still shows it
  flight->Setup(
      leaf.Bounds(), x, y, [this](TBitmap* b, int px, int py) { DrawFlyingLeaf(b, px, py); }, backBuffer, Canvas());
  const TPoint target = t.TakeCollectPoint(leaf.Bounds().Width());
  flight->FlyTo(target.x, target.y, 80, 1900);
  flight.reset();
  t.Land(i, target);
  flyingLeaf = -1;
  hoveredLeaf = -1;
  if (t.Finished()) helpButton->SetVisible(false);
  RedrawBoard();
  Repaint();
  PlaySoundFile(WordSoundPath(leaf.word), true);
}

// ---- actions ----

void TFormLiany::A_NowaGraExecute(TObject*) {
  ShowWaitPicture();
  flyingLeaf = -1;
  GenerateTasks(TaskCount());
  if (tasks.empty()) return;
  ShowTask(0);
  // The session starts once the first task is on the screen.
  if (StatRec) StatRec->Start(&SettingsLiany);
}

void TFormLiany::A_StopExecute(TObject*) {
  ForgetHover();
  flyingLeaf = -1;
  flight.reset();
  StopGame(UncutCorrectLeaves(tasks));
}

void TFormLiany::A_PomocExecute(TObject*) {
  KeepAlive();
  CLianyZadanie* t = Current();
  if (!t || t->Finished()) return;
  const int i = t->FirstUncutCorrect();
  if (i < 0) return;
  const CLianyZadanie::CListek& leaf = *t->leaves[std::size_t(i)];
  const TRect r = leaf.Bounds();
  for (int blink = 0; blink < 3; ++blink) {
    for (int opacity = 220; opacity >= 0; opacity -= 10) {
      CopyArea(backBuffer, background, r);
      DrawLeaf(leaf, backBuffer, false, 255);
      TintThroughMask(backBuffer, leaf.x, leaf.y, leaf.picture.Mask, kHintColour, backBuffer, leaf.x, leaf.y, opacity);
      Canvas()->CopyRect(r, backBuffer->Canvas(), r);
      Sleep(28);
    }
  }
  RedrawBoard();
  Invalidate();
  if (StatRec) StatRec->AddHelp();
  FlushMouse(-1);
}

void TFormLiany::A_NastepnyExecute(TObject*) {
  KeepAlive();
  if (currentTask < int(tasks.size()) - 1) ShowTask(currentTask + 1);
}

void TFormLiany::A_PoprzedniExecute(TObject*) {
  KeepAlive();
  if (currentTask > 0 && !tasks.empty()) ShowTask(currentTask - 1);
}

// ---- handlers ----

void TFormLiany::FormShow(TObject* Sender) {
  SetControlCursor(this, crDefault);
  CGameForm::FormShow(Sender);
}

void TFormLiany::FormKeyPress(TObject* Sender, char& Key) {
  CGameForm::FormKeyPress(Sender, Key);  // keep-alive, and Esc stops
  if (Key == ' ')
    A_Nastepny->Execute();
  else if (Key == 8)
    A_Poprzedni->Execute();
}

void TFormLiany::FormClose(TObject*, TCloseAction&) { ClearTasks(); }

void TFormLiany::FormMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  KeepAlive();
  CLianyZadanie* t = Current();
  if (!t) return;
  if (TitleRect().Contains(X, Y)) {
    if (Button == mbRight)
      Magnify(t->titleWord, X, Y);
    else
      SayTitle();
  } else if (Button == mbRight) {
    const int i = LeafAt(X, Y, true);
    if (i < 0) return;
    Magnify(t->leaves[std::size_t(i)]->word, X, Y);
  } else {
    if (Button == mbMiddle || t->Finished()) return;
    const int i = LeafAt(X, Y, false);
    if (i < 0) return;
    CutLeaf(i, X, Y);
  }
  FlushMouse(Button);
}

void TFormLiany::FormMouseMove(TObject*, TShiftState, int X, int Y) { UpdateLeafHover(X, Y); }
