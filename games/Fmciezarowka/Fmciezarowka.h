// The truck game window "Gra Ciężarówka" (game 5). A plane tows a banner
// with the chosen sounds across the sky, a truck drives in and parks, then
// parcels showing words' pictures fall under parachutes. A left click on a
// parcel whose word holds one of the sounds throws it into the truck and
// says the word; a wrong one blinks and a blame sound plays; a right click
// says a parcel's word. Missed parcels fall again later. When every correct
// parcel is in the truck, the truck drives off and the game ends by itself.
//
// The scene runs as the application's idle handler, one frame per call,
// paced to 28, 32 or 40 ms by art set: the sprites are erased from the
// frame buffer (from the clean scene: background, buttons, the parked
// truck), stepped, drawn again, and after the frame's wait only their
// rectangles are copied to the screen.
#pragma once
#include <functional>
#include <memory>

#include "games/Cgameform.h"
#include "games/Cgracie_gociezarowka.h"
#include "games/Cgracie_gosamolot.h"
#include "games/Cgracie_paczki.h"
#include "platform/ExtCtrls.h"
#include "toolkit/Csynchloop.h"
#include "toolkit/Ctransbitmap.h"

class TFormCiezarowka : public CGameForm {
 public:
  // Loads the pictures of the current art set and builds the buttons and the
  // plane and truck; any failure frees what was built and raises CBlad(1).
  explicit TFormCiezarowka(TComponent* Owner);
  ~TFormCiezarowka() override;

  // At least as many words for the selected sounds and positions as the
  // level has correct parcels.
  bool HasEnoughWords() override;
  // By level: 1 → 8, 2 → 16, 3 → 24, any other value → 1.
  int CorrectParcelCount() const;

  // ---- one frame, and the scene ----
  // The idle handler while a game runs: erase, step, draw, wait for the
  // frame's time, flush; never done.
  void GameIdle(TObject* Sender, bool& Done);
  void ErasePass();
  void StepFrame();
  void DrawPass();
  void FlushPass();
  // Background, buttons and, when it stands, the truck.
  void PaintCleanScene();
  // The frame buffer redrawn from the clean scene.
  void ResetFrameBuffer();
  // The clean scene with the sprites drawn over it, into target (of the
  // playfield's size).
  void DrawScene(TBitmap* target);

  // ---- state (tests and benchmarks look at it) ----
  CgraCie_Paczki& Parcels() { return parcels; }
  CgraCie_GOSamolot& Plane() { return *plane; }
  CgraCie_GOCiezarowka& Truck() { return *truck; }
  TBitmap* FrameBuffer() const { return frameBuffer.get(); }
  TBitmap* CleanScene() const { return cleanScene.get(); }
  CSynchLoop& SynchLoop() { return synchLoop; }
  bool IntroDone() const { return introDone; }
  bool Stopped() const { return stopped; }
  // Called after every frame's flush.
  std::function<void()> OnFrameShown;

  TAction* actNowaGra = nullptr;
  TAction* actStop = nullptr;
  TAction* actPomoc = nullptr;
  TPaintBox* pbGame = nullptr;

 private:
  void LoadGraphics();
  void FreeObjects();
  void GenerateParcels(int correctCount);
  void DrawSprites(TBitmap* target);
  void AddDirtyRect(const TRect& r);
  void SendTruckAway();
  void StopAfterTruckLeft();
  void InstallFrameLoop(bool on);

  void actNowaGraExecute(TObject* Sender);
  void actStopExecute(TObject* Sender);
  void actPomocExecute(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormPaint(TObject* Sender) override;
  void pbGamePaint(TObject* Sender);
  void pbGameMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

  CSynchLoop synchLoop{28};
  std::unique_ptr<TBitmap> cleanScene, frameBuffer;  // the playfield's size, 24-bit
  CTransBitmap planePicture, cloudPicture, truckPicture, parachutePicture, boxPicture;
  TRect faceRect{};          // the box's picture window
  CTransBitmap faceCutout;   // the box inside faceRect, with its own transparency
  CTransBitmap workPicture;  // scratch for the shrinking thrown parcel
  std::unique_ptr<CgraCie_GOSamolot> plane;
  std::unique_ptr<CgraCie_GOCiezarowka> truck;
  CgraCie_Paczki parcels;
  bool introDone = false;
  TRect extraDirty{};  // caught parcels' places, flushed with the frame
  bool stopped = false;
  bool frameLoopOn = false;
};

extern TFormCiezarowka* FormCiezarowka;
