// The flowers game window "Gra Kwiatki" (game 3): the child drags sound
// markers from their home slots onto the flowers whose words hold the sound.
// A right drop praises, says the word and leaves the marker on the flower; a
// wrong one sends it home with a gentle "try again"; a drop elsewhere sends
// it home without a word. A finished task shows smiles on the home slots.
#pragma once
#include <memory>
#include <vector>

#include "games/Cgameform.h"
#include "games/Fmkwiatki/Ckwiatkizadanie.h"
#include "games/Fmkwiatki/KwiatkiLayout.h"
#include "toolkit/Ctransbitmap.h"

class CMovingObj;
class CZoom44;

class TFormKwiatki : public CGameForm {
 public:
  // Loads the pictures of the current art set and builds the buttons; any
  // failure frees what was built and raises CBlad(1).
  explicit TFormKwiatki(TComponent* Owner);
  ~TFormKwiatki() override;

  // At least two of the chosen sounds have a word at a chosen position.
  bool HasEnoughWords() override;
  // Tasks by level: 1 → 3, 2 → 5, 3 → 7, any other value → 2.
  int TaskCount() const { return game.TaskCount(); }

  // ---- read by tests ----
  const CKwiatkiGra& Game() const { return game; }
  CPrzyciskW* StopButton() const { return stopButton; }
  CPrzyciskW* HelpButton() const { return helpButton; }
  CPrzyciskW* PreviousButton() const { return previousButton; }
  CPrzyciskW* NextButton() const { return nextButton; }
  CZoom44* Zoom() const { return zoom.get(); }
  const kwiatki::Layout& Places() const { return layout; }
  int PlateWidth() const;
  int PlateHeight() const;
  // The plate rectangle of marker i of the current task.
  TRect PlateRect(int i) const;
  int HoveredMarker() const { return hoveredMarker; }
  bool Dragging() const { return dragObject != nullptr; }

  TAction* A_NowaGra = nullptr;
  TAction* A_Stop = nullptr;
  TAction* A_Pomoc = nullptr;
  TAction* A_Nastepny = nullptr;
  TAction* A_Poprzedni = nullptr;

 private:
  void LoadImages();
  void FreeResources();

  void A_NowaGraExecute(TObject* Sender);
  void A_StopExecute(TObject* Sender);
  void A_PomocExecute(TObject* Sender);
  void A_NastepnyExecute(TObject* Sender);
  void A_PoprzedniExecute(TObject* Sender);

  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormKeyPress(TObject* Sender, char& Key) override;
  void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void FormMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

  void ShowTask(int i);
  void RepaintAll();
  void DrawFlowers();
  void DrawMarkers();
  void DrawSmiles();
  void DrawMarker(int i, bool highlighted);
  void DrawDraggedMarker(TBitmap* target, int x, int y);
  void DrawPlate(TBitmap* target, int x, int y, int opacity);
  void HoverMarker(int x, int y);
  // The hovered marker is forgotten and the cursor is the default again.
  void ForgetHover();
  int Margin() const;

  // The drag of marker m from the point (x, y).
  void StartDrag(int m, int x, int y);
  // Ends the drag on flower k (-1: outside every flower): lands, or flies
  // home with or without a blame; then drops the mouse messages queued
  // meanwhile, keeping the release of flushButton (-1: none).
  void Drop(int k, int flushButton);
  // A drag whose release never came (the pointer went to another window, or
  // another action comes first) ends as a drop outside every flower.
  void AbandonDrag(int flushButton);
  // The moving marker's plate from where it is to a top-left.
  void SetupMovingMarker(CMovingObj& mover, int m, int grabX, int grabY);

  std::unique_ptr<CZoom44> zoom;
  CTransBitmap markerPicture;  // the plate behind a hovered, dragged or placed marker's label
  CTransBitmap smilePicture;
  std::vector<std::unique_ptr<TBitmap>> flowerMasks;  // 8
  kwiatki::Layout layout{};  // in game-area pixels
  CKwiatkiGra game;
  int movingMarker = -1;  // dragged or flown by help; left out of the drawing
  std::unique_ptr<CMovingObj> dragObject;
  int labelOffsetX = 0, labelOffsetY = 0;  // of the moving marker's label in its plate
  int hoveredMarker = -1;
};

extern TFormKwiatki* FormKwiatki;
