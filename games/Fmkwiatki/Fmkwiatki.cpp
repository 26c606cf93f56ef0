#include "games/Fmkwiatki/Fmkwiatki.h"

#include <string>

#include "games/Czoom44.h"
#include "platform/Random.h"
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

TFormKwiatki* FormKwiatki = nullptr;

namespace {
constexpr int kFlowers = CKwiatkiZadanie::kFlowers;

std::string SpecPicture(const std::string& name) { return "Data\\Intf\\Spec\\" + Display.ArtPrefix[1] + name; }
TPoint OnScreen(TPoint p) { return TPoint{Display.GameArea.left + p.x, Display.GameArea.top + p.y}; }
}  // namespace

TFormKwiatki::TFormKwiatki(TComponent* Owner) : CGameForm(Owner), game(SettingsKwiatki, GameFontKwiatki) {
  Name = "FormKwiatki";
  Caption = "Gra Kwiatki";
  A_NowaGra = NewAction("A_NowaGra", [this] { A_NowaGraExecute(A_NowaGra); });
  A_Stop = NewAction("A_Stop", [this] { A_StopExecute(A_Stop); });
  A_Pomoc = NewAction("A_Pomoc", [this] { A_PomocExecute(A_Pomoc); });
  A_Nastepny = NewAction("A_Nastepny", [this] { A_NastepnyExecute(A_Nastepny); });
  A_Poprzedni = NewAction("A_Poprzedni", [this] { A_PoprzedniExecute(A_Poprzedni); });
  SetFrameActions(A_NowaGra, A_Stop);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseDown(s, b, sh, x, y); };
  OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
  OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseUp(s, b, sh, x, y); };
  // The pointer went to another window in the middle of a drag.
  OnCancelMode = [this](TObject*) { AbandonDrag(-1); };

  try {
    CreateBuffers(pf32bit);
    zoom = std::make_unique<CZoom44>(Canvas(), ClientRect(), backBuffer->Canvas());
    LoadImages();
    Display.LoadBackground(background, "Data\\Intf\\Spec\\" + Display.ArtPrefix[2] + "_kwiT.xji");
    boardRect = Rect(0, 0, Width(), Height());
    nextButton = NewButton("nast", layout.next, A_Nastepny);
    previousButton = NewButton("pop", layout.previous, A_Poprzedni);
    helpButton = NewButton("pomoc", layout.help, A_Pomoc);
    stopButton = NewButton("stop", layout.stop, A_Stop);
  } catch (...) {
    FreeResources();
    throw CBlad(1);
  }
}

TFormKwiatki::~TFormKwiatki() {
  FreeResources();
  if (FormKwiatki == this) FormKwiatki = nullptr;
}

void TFormKwiatki::LoadImages() {
  markerPicture.LoadBlackWhiteJpeg(SpecPicture("_kwi_podgB.xji"), SpecPicture("_kwi_podgW.xji"));
  layout = kwiatki::LayoutFor(Display, PlateWidth(), PlateHeight());
  SKwiatkiPlansza board;
  for (int k = 0; k < kFlowers; ++k) {
    flowerMasks.emplace_back(LoadJpegBitmap(SpecPicture("_kwi_mk" + std::to_string(k + 1) + ".xji")));
    const TPoint at = OnScreen(layout.flowers[std::size_t(k)]);
    board.flowers[k] = Bounds(at.x, at.y, flowerMasks.back()->Width(), flowerMasks.back()->Height());
    board.homeSlots[k] = OnScreen(layout.slots[std::size_t(k)]);
  }
  game.SetBoard(board);
  smilePicture.LoadBlackWhiteBmp(SpecPicture("_kwi_usmB.xbi"), SpecPicture("_kwi_usmW.xbi"));
}

void TFormKwiatki::FreeResources() {
  dragObject.reset();
  game.ClearTasks();
  flowerMasks.clear();
  zoom.reset();
  FreeFrameResources();
}

bool TFormKwiatki::HasEnoughWords() { return game.HasEnoughWords(); }

// ---- drawing ----

int TFormKwiatki::PlateWidth() const { return markerPicture.Colour ? markerPicture.Colour->Width() : 0; }
int TFormKwiatki::PlateHeight() const { return markerPicture.Colour ? markerPicture.Colour->Height() : 0; }

TRect TFormKwiatki::PlateRect(int i) const {
  const CKwiatkiZadanie::CKwiGloska& m = game.Current()->markers[std::size_t(i)];
  return Bounds(m.x - (PlateWidth() - m.width) / 2, m.y - (PlateHeight() - m.height) / 2, PlateWidth(), PlateHeight());
}

int TFormKwiatki::Margin() const { return Display.Scale(16, 20); }

void TFormKwiatki::DrawPlate(TBitmap* target, int x, int y, int opacity) {
  const TRect clip = Rect(0, 0, PlateWidth(), PlateHeight());
  Composite(target, x, y, markerPicture.Colour, markerPicture.Mask, &clip, target, x, y, opacity);
}

void TFormKwiatki::RepaintAll() {
  backBuffer->Canvas()->CopyMode = cmSrcCopy;
  backBuffer->Canvas()->CopyRect(boardRect, background->Canvas(), boardRect);
  stopButton->Paint();
  PaintButton(helpButton);
  PaintButton(previousButton);
  PaintButton(nextButton);
  if (!game.Current()) return;
  DrawFlowers();
  DrawMarkers();
  if (game.Current()->Finished()) DrawSmiles();
}

void TFormKwiatki::DrawFlowers() {
  const CKwiatkiZadanie& task = *game.Current();
  for (int k = 0; k < kFlowers; ++k) {
    const CKwiatkiZadanie::CKwiBig& f = task.flowers[std::size_t(k)];
    if (!f.picture) continue;
    const TRect& r = game.Board().flowers[k];
    const TRect clip = Rect(0, 0, f.picture->Width(), f.picture->Height());
    const int opacity = f.occupied && !task.Finished() ? 100 : 255;
    Composite(backBuffer, r.left, r.top, f.picture.get(), flowerMasks[std::size_t(k)].get(), &clip, backBuffer, r.left,
              r.top, opacity);
  }
}

void TFormKwiatki::DrawMarkers() {
  const CKwiatkiZadanie& task = *game.Current();
  for (int i = 0; i < int(task.markers.size()); ++i) {
    const CKwiatkiZadanie::CKwiGloska& m = task.markers[std::size_t(i)];
    if (i == movingMarker || (task.Finished() && !m.placed)) continue;
    const int opacity = m.placed && !task.Finished() ? 128 : 255;
    if (m.placed || i == hoveredMarker) {
      const TRect plate = PlateRect(i);
      DrawPlate(backBuffer, plate.left, plate.top, opacity);
    }
    const TRect text = Rect(m.x, m.y, backBuffer->Width(), backBuffer->Height());
    GameFontKwiatki.DrawText(backBuffer, &text, m.record->phonemeText, clBlack, opacity);
  }
}

void TFormKwiatki::DrawSmiles() {
  if (!smilePicture.Colour) return;
  const int w = smilePicture.Colour->Width(), h = smilePicture.Colour->Height();
  const TRect clip = Rect(0, 0, w, h);
  for (const TPoint& slot : game.Board().homeSlots) {
    // A little jitter on every repaint.
    const int dx = Rand15() % 5 - 2, dy = Rand15() % 5 - 2;
    const int x = slot.x - w / 2 + dx, y = slot.y - h / 2 + dy;
    Composite(backBuffer, x, y, smilePicture.Colour, smilePicture.Mask, &clip, backBuffer, x, y, 255);
  }
}

void TFormKwiatki::DrawMarker(int i, bool highlighted) {
  const CKwiatkiZadanie::CKwiGloska& m = game.Current()->markers[std::size_t(i)];
  const TRect plate = PlateRect(i);
  backBuffer->Canvas()->CopyMode = cmSrcCopy;
  backBuffer->Canvas()->CopyRect(plate, background->Canvas(), plate);
  if (highlighted) DrawPlate(backBuffer, plate.left, plate.top, 255);
  const TRect text = Rect(m.x, m.y, backBuffer->Width(), backBuffer->Height());
  GameFontKwiatki.DrawText(backBuffer, &text, m.record->phonemeText, clBlack, 255);
  Canvas()->CopyRect(plate, backBuffer->Canvas(), plate);
}

void TFormKwiatki::DrawDraggedMarker(TBitmap* target, int x, int y) {
  DrawPlate(target, x, y, 255);
  const CKwiatkiZadanie::CKwiGloska& m = game.Current()->markers[std::size_t(movingMarker)];
  const TRect text = Rect(x + labelOffsetX, y + labelOffsetY, target->Width(), target->Height());
  GameFontKwiatki.DrawText(target, &text, m.record->phonemeText, clBlack, 255);
}

// ---- hover and drag ----

void TFormKwiatki::ForgetHover() {
  hoveredMarker = -1;
  SetControlCursor(this, crDefault);
}

void TFormKwiatki::HoverMarker(int x, int y) {
  const CKwiatkiZadanie* task = game.Current();
  if (!task || task->Finished()) return;
  const int m = game.MarkerAt(x, y, false, Margin());
  if (m == hoveredMarker) return;
  if (hoveredMarker >= 0) DrawMarker(hoveredMarker, false);
  hoveredMarker = m;
  if (m >= 0) DrawMarker(m, true);
  const TCursor cursor = m >= 0 ? 1 : crDefault;
  if (Cursor != cursor) SetControlCursor(this, cursor);
}

void TFormKwiatki::SetupMovingMarker(CMovingObj& mover, int m, int grabX, int grabY) {
  const CKwiatkiZadanie::CKwiGloska& marker = game.Current()->markers[std::size_t(m)];
  labelOffsetX = (PlateWidth() - marker.width) / 2;
  labelOffsetY = (PlateHeight() - marker.height) / 2;
  mover.Setup(Bounds(marker.x - labelOffsetX, marker.y - labelOffsetY, PlateWidth(), PlateHeight()), grabX, grabY,
              [this](TBitmap* b, int x, int y) { DrawDraggedMarker(b, x, y); }, backBuffer, Canvas());
}

void TFormKwiatki::StartDrag(int m, int x, int y) {
  movingMarker = m;
  RepaintAll();  // the marker leaves the back buffer
  dragObject = std::make_unique<CMovingObj>();
  SetupMovingMarker(*dragObject, m, x, y);
}

void TFormKwiatki::Drop(int k, int flushButton) {
  const int m = movingMarker;
  CMovingObj& mover = *dragObject;
  const TPoint home = mover.StartPosition();
  switch (k < 0 ? CKwiatkiGra::EDrop::None : game.JudgeDrop(m, k)) {
    case CKwiatkiGra::EDrop::None:
      SetControlCursor(this, crDefault);
      mover.FlyTo(home.x, home.y, 28, 700);
      hoveredMarker = -1;
      break;
    case CKwiatkiGra::EDrop::Right: {
      SetControlCursor(this, crDefault);
      if (StatRec) StatRec->AddGood();
      PlayFeedbackSound(1, true, true);
      const CKwiatkiZadanie::CKwiBig& flower = game.Current()->flowers[std::size_t(k)];
      PlaySoundFile(WordSoundPath(flower.record->word), false);
      const TPoint centre = OnScreen(layout.landing[std::size_t(game.currentTask % 3)][std::size_t(k)]);
      mover.FlyTo(centre.x - PlateWidth() / 2, centre.y - PlateHeight() / 2, 20, 500);
      const TPoint at = mover.CurrentPosition();
      game.Land(m, k, at.x + labelOffsetX, at.y + labelOffsetY);
      hoveredMarker = -1;
      if (game.Current()->Finished()) helpButton->SetVisible(false);
      break;
    }
    case CKwiatkiGra::EDrop::Wrong:
      SetControlCursor(this, crDefault);
      PlayFeedbackSound(3, false, false);
      if (StatRec) StatRec->AddBad();
      mover.FlyTo(home.x, home.y, 32, 800);
      break;
  }
  FlushMouse(flushButton);
  movingMarker = -1;
  dragObject.reset();
  RepaintAll();
  Repaint();
}

void TFormKwiatki::AbandonDrag(int flushButton) {
  if (dragObject) Drop(-1, flushButton);
}

// ---- tasks and actions ----

void TFormKwiatki::ShowTask(int i) {
  game.SetCurrentTask(i);
  const CKwiatkiZadanie* task = game.Current();
  ApplyTaskButtons(i, game.TaskTotal(), !task || task->Finished());
  ForgetHover();
  RepaintAll();
  Invalidate();
}

void TFormKwiatki::A_NowaGraExecute(TObject*) {
  ShowWaitPicture();
  if (StatRec) StatRec->Start(&SettingsKwiatki);
  ForgetHover();
  game.currentTask = 0;
  game.GenerateTasks(game.TaskCount());
  ShowTask(0);
}

void TFormKwiatki::A_StopExecute(TObject*) {
  ForgetHover();
  movingMarker = -1;
  dragObject.reset();
  StopGame(game.UnsolvedCount());
}

void TFormKwiatki::A_PomocExecute(TObject*) {
  KeepAlive();
  AbandonDrag(-1);
  int m, k;
  if (!game.FindHelp(m, k)) return;
  CMovingObj mover;
  movingMarker = m;
  RepaintAll();
  SetupMovingMarker(mover, m, 0, 0);
  const TRect& flower = game.Board().flowers[k];
  const TPoint home = mover.StartPosition();
  mover.FlyTo((flower.left + flower.right - PlateWidth()) / 2, (flower.top + flower.bottom - PlateHeight()) / 2, 40,
              1000);
  mover.FlyTo(home.x, home.y, 20, 500);
  movingMarker = -1;
  RepaintAll();
  Invalidate();
  if (StatRec) StatRec->AddHelp();
  FlushMouse(-1);
}

void TFormKwiatki::A_NastepnyExecute(TObject*) {
  KeepAlive();
  AbandonDrag(-1);
  if (game.currentTask < game.TaskTotal() - 1) ShowTask(game.currentTask + 1);
}

void TFormKwiatki::A_PoprzedniExecute(TObject*) {
  KeepAlive();
  AbandonDrag(-1);
  if (game.currentTask > 0) ShowTask(game.currentTask - 1);
}

// ---- handlers ----

void TFormKwiatki::FormClose(TObject*, TCloseAction&) {
  dragObject.reset();
  movingMarker = -1;
  game.ClearTasks();
}

void TFormKwiatki::FormKeyPress(TObject* Sender, char& Key) {
  CGameForm::FormKeyPress(Sender, Key);
  if (Key == 32) A_Nastepny->Execute();
  else if (Key == 8) A_Poprzedni->Execute();
}

void TFormKwiatki::FormMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  KeepAlive();
  const CKwiatkiZadanie* task = game.Current();
  if (!task) return;
  if (Button == mbRight) {
    if (dragObject) return;
    const int m = game.MarkerAt(X, Y, true, Margin());
    if (m >= 0) {
      // Hidden spare markers of a finished task answer too.
      PlayPhonemeSound(std::int32_t(task->markers[std::size_t(m)].record->flags & CSlowa::AllPhonemes), false);
      return;
    }
    const int k = game.FlowerAt(X, Y);
    if (k < 0) return;
    ShowCursor(0);
    zoom->Show(task->flowers[std::size_t(k)].record, X, Y);
    zoom->Speak();
    zoom->Hide();
    ShowCursor(1);
    FlushMouse(mbRight);
  } else if (Button == mbLeft) {
    // A drag whose release was lost ends before this press counts.
    AbandonDrag(mbLeft);
    task = game.Current();
    if (task->Finished()) return;
    const int m = game.MarkerAt(X, Y, false, Margin());
    if (m >= 0) StartDrag(m, X, Y);
  }
}

void TFormKwiatki::FormMouseMove(TObject*, TShiftState, int X, int Y) {
  if (dragObject) dragObject->MoveTo(X, Y);
  else HoverMarker(X, Y);
}

void TFormKwiatki::FormMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  if (!dragObject) return;
  const TPoint at = dragObject->CurrentPosition();
  Drop(game.FlowerAt(at.x + PlateWidth() / 2, at.y + PlateHeight() / 2), -1);
}
