#include "toolkit/Picturecontrol.h"

#include "platform/Forms.h"
#include "toolkit/Resource.h"
#include "toolkit/_cprzycisk.h"

std::unique_ptr<TBitmap> LoadResourcePicture(const std::string& name) {
  auto bitmap = std::make_unique<TBitmap>();
  OtworzBMP(name, bitmap.get());
  return bitmap;
}

bool IsEnterOfInactiveWindow(const TMessage& m, const TControl* control) {
  return m.Msg == CM_MOUSEENTER && Screen->ActiveForm() != control->Parent();
}

void MoveKeepingNegative(TControl* control, int x, int y) {
  control->SetBounds(x >= 0 ? x : control->Left(), y >= 0 ? y : control->Top(), control->Width(), control->Height());
}

std::unique_ptr<TBitmap> NewOffscreen(TCanvas* target, int width, int height) {
  auto offscreen = std::make_unique<TBitmap>();
  TBitmap* surface = target ? target->Surface() : nullptr;
  offscreen->SetPixelFormat(surface ? surface->PixelFormat() : pf32bit);
  offscreen->SetSize(width, height);
  return offscreen;
}

void ComposeAndPresent(TBitmap* offscreen, TCanvas* background, TCanvas* target, const TRect& bounds, TBitmap* mask,
                       TBitmap* picture) {
  const TRect local = Rect(0, 0, bounds.Width(), bounds.Height());
  TCanvas* off = offscreen->Canvas();
  off->CopyMode = cmSrcCopy;
  if (background) off->CopyRect(local, background, bounds);
  DrawThroughMask(off, 0, 0, mask, picture);
  if (target) target->CopyRect(bounds, off, local);
}

void RestoreBackground(TCanvas* target, TCanvas* background, const TRect& bounds) {
  if (target && background) target->CopyRect(bounds, background, bounds);
}
