// Picture buttons.
//
// A button shows a normal picture ("_D"), an active one while the mouse is
// over it or after a release on it ("_A") and a pressed one while the left
// button is held on it ("_"), each drawn through the mask ("_M"), which also
// gives the button its size. The pictures come by name from the resource
// library. The image control underneath shows nothing itself: it places the
// button, takes the mouse and runs the click, which calls the handler copied
// from the window action the button was bound to.
#pragma once
#include <string>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"

// Draws a picture through a mask at (x, y): the mask OR-ed in makes the
// shape white, the picture AND-ed in fills it, and the surroundings (black in
// the mask, white in the picture) keep what they were. The canvas's copy mode
// is plain copy afterwards.
void DrawThroughMask(TCanvas* canvas, int x, int y, TBitmap* mask, TBitmap* picture);

// For windows whose picture behind the button does not change: the button
// composes itself over a static background picture of the window in a bitmap
// of its own and copies the result onto the window in one step.
class CPrzyciskP : public TImage {
 public:
  // background: a static picture of the window, in the window's coordinates.
  // The action may be null: the button then runs nothing when clicked.
  // Any failure while the button is built raises CBlad(1).
  CPrzyciskP(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* background, int left,
             int top, TBasicAction* action);
  ~CPrzyciskP() override;

  // A negative coordinate keeps the old one; 0 is applied. Nothing is drawn.
  void SetPosition(int x, int y);
  void WndProc(TMessage& message) override;

 private:
  void Redraw(TBitmap* picture);

  TBitmap* normal_ = nullptr;
  TBitmap* active_ = nullptr;
  TBitmap* pressed_ = nullptr;
  TBitmap* mask_ = nullptr;
  TCanvas* target_;
  TCanvas* background_;
  TBitmap* offscreen_ = nullptr;  // Width x Height, in the target's pixel format
  bool constructed_ = false;
};

// For windows that draw everything into a back buffer: the button draws
// itself into the buffer and copies its rectangle from there onto the window.
// The buffer's pixel (0, 0) lies at the origin on the window.
class CPrzyciskW : public TImage {
 public:
  // clean: a clean copy of the window's background in the buffer's
  // coordinates, or null. The action may be null.
  // Any failure while the button is built raises CBlad(1).
  CPrzyciskW(TComponent* owner, const std::string& name, TCanvas* target, TCanvas* buffer, TCanvas* clean,
             int left, int top, TBasicAction* action);
  ~CPrzyciskW() override;

  // Draws the normal picture into the buffer when the button is visible;
  // the window presents its buffer itself.
  void Paint() override;
  // The same with the picture the button drew last (normal, active or
  // pressed), for a window that draws itself afresh while the mouse may
  // still be on the button.
  void PaintAsShown();
  // Makes a hidden button visible and draws it into the buffer and onto the
  // window; a visible one is left alone.
  void Show();
  // Hides a visible button and, when there is a clean canvas, puts the clean
  // background back in its place in the buffer and on the window.
  void Hide();
  // The normal picture faded (opacity 128) into the bitmap at the button's
  // place in the buffer, visible or not.
  void DrawBlended(TBitmap* destination);
  void SetOrigin(int x, int y);
  // Kept for the windows that set it; drawing does not use it.
  void SetOrigin2(int x, int y);
  TPoint Origin2() const { return TPoint{origin2X_, origin2Y_}; }
  // A negative coordinate keeps the old one; 0 is applied. Nothing is drawn.
  void SetPosition(int x, int y);
  void WndProc(TMessage& message) override;

 private:
  TRect BufferRect() const;  // the bounds in buffer coordinates
  void DrawToBuffer(TBitmap* picture);
  void Present();

  TBitmap* normal_ = nullptr;
  TBitmap* active_ = nullptr;
  TBitmap* pressed_ = nullptr;
  TBitmap* mask_ = nullptr;
  TBitmap* shown_ = nullptr;  // the picture drawn last
  TCanvas* target_;
  TCanvas* buffer_;
  TCanvas* clean_;
  int originX_ = 0, originY_ = 0;
  int origin2X_ = 0, origin2Y_ = 0;
  bool constructed_ = false;
};
