#include "games/Ctableblock.h"

#include "toolkit/Universalfn.h"

void CTableBlock::Draw(TCanvas* canvas, int px, int py) const {
  if (active && image && canvas) canvas->Draw(px, py, image);
}

bool CTableBlock::HitTest(int px, int py) const {
  return active && px >= x && px < x + width && py >= y && py < y + height;
}

void CTableBlock::SetImage(TBitmap* tile) {
  image = tile;
  width = tile ? tile->Width() : 0;
  height = tile ? tile->Height() : 0;
}

void CTableBlock::MoveTo(int newX, int newY, const TRect* clip, TCanvas* target, TCanvas* background) {
  const TRect old = BoundsRect();
  x = newX;
  y = newY;
  if (clip) {
    if (x < clip->left) x = clip->left;
    else if (x > clip->right - width) x = clip->right - width;
    if (y < clip->top) y = clip->top;
    else if (y > clip->bottom - height) y = clip->bottom - height;
  }
  if (x == old.left && y == old.top) return;
  RestoreUncoveredBackground(target, background, x, y, old);
  if (target && image) target->Draw(x, y, image);
}
