#include "toolkit/Ctransbitmap.h"

#include <memory>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"

// ---- bitmap utilities ----

void InvertBitmap(TBitmap* bitmap) {
  if (!bitmap || bitmap->Width() < 1 || bitmap->Height() < 1) return;
  const int w = bitmap->Width();
  switch (bitmap->PixelFormat()) {
    case pf24bit:
    case pf32bit: {
      const int step = bitmap->PixelFormat() == pf24bit ? 3 : 4;
      for (int y = 0; y < bitmap->Height(); ++y) {
        std::uint8_t* p = bitmap->ScanLine(y);
        for (int x = 0; x < w; ++x, p += step) {
          p[0] = std::uint8_t(~p[0]);
          p[1] = std::uint8_t(~p[1]);
          p[2] = std::uint8_t(~p[2]);
        }
      }
      break;
    }
    case pf8bit:
      for (int y = 0; y < bitmap->Height(); ++y) {
        std::uint8_t* p = bitmap->ScanLine(y);
        for (int x = 0; x < w; ++x) p[x] = std::uint8_t(~p[x]);
      }
      break;
    default:
      break;
  }
}

void SetGreyPalette(TBitmap* bitmap) {
  auto lp = std::make_unique<TLogPalette>();
  lp->palVersion = 0x300;
  lp->palNumEntries = 256;
  for (int i = 0; i < 256; ++i) lp->palPalEntry[i] = TPaletteEntry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
  bitmap->SetPalette(CreatePalette(lp.get()));
}

void ToGrey8(TBitmap*& bitmap) {
  if (!bitmap) return;
  TBitmap* src = bitmap;
  if (src->PixelFormat() != pf24bit && src->PixelFormat() != pf32bit) {
    src->SetPixelFormat(pf24bit);
    if (src->PixelFormat() != pf24bit && src->PixelFormat() != pf32bit) return;
  }
  const int w = src->Width(), h = src->Height();
  const int step = src->PixelFormat() == pf24bit ? 3 : 4;
  auto grey = std::make_unique<TBitmap>();
  grey->SetPixelFormat(pf8bit);
  grey->SetHandleType(bmDIB);
  SetGreyPalette(grey.get());
  grey->SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = src->ScanLine(y);
    std::uint8_t* d = grey->ScanLine(y);
    for (int x = 0; x < w; ++x, s += step) d[x] = std::uint8_t((11 * s[0] + 59 * s[1] + 30 * s[2] + 50) / 100);
  }
  delete src;
  bitmap = grey.release();
}

void FillGrey8(TBitmap* bitmap, int width, int height, std::uint8_t value) {
  if (!bitmap) return;
  if (bitmap->Height() != 0) bitmap->SetHeight(0);
  bitmap->SetPixelFormat(pf8bit);
  SetGreyPalette(bitmap);
  if (bitmap->HandleType() != bmDIB) bitmap->SetHandleType(bmDIB);
  bitmap->SetWidth(width);
  bitmap->SetHeight(height);
  for (int y = 0; y < bitmap->Height(); ++y) {
    std::uint8_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < bitmap->Width(); ++x) row[x] = value;
  }
}

TBitmap* NewGrey8Bitmap(int width, int height, std::uint8_t value) {
  auto b = std::make_unique<TBitmap>();
  FillGrey8(b.get(), width, height, value);
  return b.release();
}

TBitmap* NewBitmap24(int width, int height) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetHandleType(bmDIB);
  b->SetWidth(width);
  b->SetHeight(height);
  return b.release();
}

void ResizeBitmap24(TBitmap* bitmap, int width, int height) {
  bitmap->SetHeight(0);
  if (bitmap->PixelFormat() != pf24bit) bitmap->SetPixelFormat(pf24bit);
  if (bitmap->HandleType() != bmDIB) bitmap->SetHandleType(bmDIB);
  bitmap->SetWidth(width);
  bitmap->SetHeight(height);
}

TBitmap* EnsureBitmap24(TBitmap*& slot, int width, int height) {
  if (slot) ResizeBitmap24(slot, width, height);
  else slot = NewBitmap24(width, height);
  return slot;
}

void LoadJpegIntoBitmap(TBitmap* bitmap, const std::string& fileName) {
  TJPEGImage jpeg;
  jpeg.LoadFromFile(fileName);
  bitmap->Assign(&jpeg);
  if (bitmap->PixelFormat() != pf24bit) bitmap->SetPixelFormat(pf24bit);
  if (bitmap->HandleType() != bmDIB) bitmap->SetHandleType(bmDIB);
}

TBitmap* NewBitmapFromJpeg(const std::string& fileName) {
  auto b = std::make_unique<TBitmap>();
  LoadJpegIntoBitmap(b.get(), fileName);
  return b.release();
}
