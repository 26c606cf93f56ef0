// A sprite of the truck game. Every frame the window erases it from its
// frame buffer, steps it, draws it again and flushes the changed rectangle
// to the screen, in that order for all sprites at once:
//   Erase  copies the sprite's current rectangle back from the clean scene
//          and makes it the dirty rectangle;
//   Step   moves it (the dirty rectangle then covers old and new place);
//   Draw   blends it into the frame buffer at its new place;
//   Flush  copies the dirty rectangle from the frame buffer to the screen.
// Coordinates are playfield pixels (the frame buffer's).
#pragma once
#include "platform/Graphics.h"

class CTransBitmap;

class CGameObj {
 public:
  CGameObj() = default;
  virtual ~CGameObj() = default;
  CGameObj(const CGameObj&) = delete;
  CGameObj& operator=(const CGameObj&) = delete;

  // Prepares the sprite for a new game (nothing by default).
  virtual void Reset() {}
  // An inactive sprite is neither erased, stepped nor drawn.
  virtual void Erase(TBitmap* target, TBitmap* source) = 0;
  virtual void Step() = 0;
  virtual void Draw(TBitmap* target) = 0;
  // Copies the dirty rectangle of source to the same place on the canvas and
  // empties it, active or not.
  void Flush(TCanvas* canvas, TBitmap* source);

  bool active = false;
  int x = 0, y = 0;  // top-left of the main picture
  TRect dirty{};     // what the next Flush copies; empty after it

 protected:
  // Makes r the dirty rectangle and copies it from source to target.
  void EraseRect(TBitmap* target, TBitmap* source, const TRect& r);
  // Widens the dirty rectangle to cover r too.
  void Cover(const TRect& r) { dirty = UnionRects(dirty, r); }
};

// Blends the whole picture into target at (x, y), target serving as its
// own background.
void DrawPicture(TBitmap* target, const CTransBitmap& picture, int x, int y, int opacity = 255);
