#include "games/Czoom44.h"

#include <memory>

#include "platform/WinApi.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"

CTransBitmap CZoom44::lens;
int CZoom44::instanceCount = 0;

namespace {
bool HaveLens() { return CZoom44::lens.Colour && CZoom44::lens.Mask && !CZoom44::lens.Colour->Empty(); }
}  // namespace

CZoom44::CZoom44(TCanvas* target, const TRect& bounds, TCanvas* background)
    : target(target), bounds(bounds), background(background) {
  if (instanceCount == 0) lens.TryLoadBlackWhiteJpeg("Data\\Intf\\Spec\\zoom44B.xji", "Data\\Intf\\Spec\\zoom44W.xji");
  ++instanceCount;
}

CZoom44::~CZoom44() {
  if (--instanceCount == 0) lens.Clear();
}

void CZoom44::Show(CSlowa::SPaczka* rec, int x, int y) {
  if (!target || !background || bounds.Width() == 0 || bounds.Height() == 0) return;
  record = rec;
  // Without its frame the lens is the word's picture alone.
  const int w = HaveLens() ? lens.Colour->Width() : kPictureSize;
  const int h = HaveLens() ? lens.Colour->Height() : kPictureSize;
  lensRect = Bounds(x - w / 2, y - h / 2, w, h);
  auto shift = [this](int dx, int dy) {
    lensRect.left += dx;
    lensRect.right += dx;
    lensRect.top += dy;
    lensRect.bottom += dy;
  };
  if (lensRect.right > bounds.right) shift(bounds.right - lensRect.right, 0);
  if (lensRect.bottom > bounds.bottom) shift(0, bounds.bottom - lensRect.bottom);
  if (lensRect.left < bounds.left) shift(bounds.left - lensRect.left, 0);
  if (lensRect.top < bounds.top) shift(0, bounds.top - lensRect.top);
  Compose();
  if (lens.Cache) target->Draw(lensRect.left, lensRect.top, lens.Cache);
}

void CZoom44::Compose() {
  const bool framed = HaveLens();
  const int w = lensRect.Width(), h = lensRect.Height();
  if (!lens.Cache || lens.Cache->Width() != w || lens.Cache->Height() != h) EnsureBitmap24(lens.Cache, w, h);
  lens.Cache->Canvas()->CopyMode = cmSrcCopy;
  lens.Cache->Canvas()->CopyRect(Rect(0, 0, w, h), background, lensRect);
  std::unique_ptr<TBitmap> picture(
      LoadWordPicture(record ? record->key : std::string(), kPictureSize, kPictureSize, true, true));
  lens.Cache->Canvas()->Draw(framed ? kPictureLeft : 0, framed ? kPictureTop : 0, picture.get());
  if (!framed) return;
  const TRect clip = Rect(0, 0, w, h);
  Composite(lens.Cache, 0, 0, lens.Colour, lens.Mask, &clip, lens.Cache, 0, 0, 255);
}

void CZoom44::Speak() {
  if (!record) return;
  PlaySoundFile(SoundPathOfWord(record), true);
  Sleep(400);
}

void CZoom44::Hide() {
  if (!target || !background || lensRect.IsEmpty()) return;
  target->CopyRect(lensRect, background, lensRect);
}
