// A parcel: a box showing a word's picture that falls under a parachute,
// swinging from side to side. A correct one that is clicked flies along a
// parabola into the truck, shrinking to a fifth of its size over 50 frames;
// a wrong one that is clicked blinks red for 40 frames and falls on. A
// hinted correct parcel shows its hint look.
//
// Its rectangle spans the parachute's top to the box's bottom over the box's
// width: the parachute must be no wider than the box.
#pragma once
#include <memory>

#include "dictionary/_cslowa.h"
#include "games/Cgameobj.h"

class CgraCie_GOPaczka : public CGameObj {
 public:
  // parachute, work and mask are shared by all parcels and not owned: the
  // parachute picture, a scratch picture of the box's size, and the box's
  // alpha, whose size is the parcel's. The looks are the parcel's own, each
  // of the box's size: blinkLook only for a wrong word, hintLook only for a
  // correct one.
  CgraCie_GOPaczka(CTransBitmap* parachute, CTransBitmap* work, TBitmap* mask, std::unique_ptr<TBitmap> look,
                   std::unique_ptr<TBitmap> blinkLook, std::unique_ptr<TBitmap> hintLook);

  // Ready to fall: a random swing width and speed; the word, whether it is
  // correct, and the fall in pixels per frame (at least 1).
  void Start(CSlowa::CPaczkaEx* word, bool correct, int fallSpeed);
  // Places it for a fall: its swing begins at left, the box's bottom at bottom.
  void SetStart(int left, int bottom);
  // The box, not the parachute; active or not.
  bool HitTest(int px, int py) const;
  // Into the truck: lands on target after 50 frames.
  void Throw(const TPoint& target);
  void StartBlink();
  void StopBlink() { marked = false; }
  // Correct parcels only.
  void SetHint();
  void ClearHint();

  void Erase(TBitmap* target, TBitmap* source) override;
  void Step() override;
  void Draw(TBitmap* target) override;

  int W() const { return mask->Width(); }
  int H() const { return mask->Height(); }
  TRect Rectangle() const { return Rect(x, y + chuteOffsetY, x + W(), y + H()); }
  // Being thrown into the truck, and just landed in it.
  bool InFlight() const { return correct && marked && counter > 0; }
  bool Caught() const { return correct && marked && counter == 0; }

  CTransBitmap* parachute;
  CTransBitmap* work;
  std::unique_ptr<TBitmap> look;
  TBitmap* mask;
  std::unique_ptr<TBitmap> blinkLook;
  std::unique_ptr<TBitmap> hintLook;
  TRect throwRect{};  // the last drawing during a throw; right 0: none
  int fallSpeed = 1;
  float phase = 0, angularSpeed = 0;
  int swingCentreX = 0, amplitude = 0;
  float gravity = 0, launchSpeed = 0;
  int targetX = 0, targetY = 0;
  int throwDx = 0;
  int counter = 0;  // frames left of the blink or of the throw
  bool correct = false;
  CSlowa::CPaczkaEx* word = nullptr;  // not owned
  bool marked = false;  // blinking (wrong) or being thrown (correct)
  bool hint = false;
  // The parachute's place from (x, y): centred over the box, its two bottom
  // rows over the box's top.
  int chuteOffsetX = 0, chuteOffsetY = 0;
  int swingMax = 0;

  static constexpr int throwFrames = 50;
  static constexpr int blinkFrames = 40;
};
