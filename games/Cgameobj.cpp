#include "games/Cgameobj.h"

#include "toolkit/Ctransbitmap.h"

void CGameObj::Flush(TCanvas* canvas, TBitmap* source) {
  if (!dirty.IsEmpty()) canvas->CopyRect(dirty, source->Canvas(), dirty);
  dirty = TRect{};
}

void CGameObj::EraseRect(TBitmap* target, TBitmap* source, const TRect& r) {
  dirty = r;
  target->Canvas()->CopyRect(r, source->Canvas(), r);
}

void DrawPicture(TBitmap* target, const CTransBitmap& picture, int x, int y, int opacity) {
  if (!picture.Colour) return;
  const TRect all = Rect(0, 0, picture.Colour->Width(), picture.Colour->Height());
  Composite(target, x, y, picture.Colour, picture.Mask, &all, target, x, y, opacity);
}
