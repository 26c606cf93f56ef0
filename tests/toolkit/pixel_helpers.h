// Small helpers for tests that build bitmaps and read their bytes.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/Ctransbitmap.h"

namespace pixtest {

using Bmp = std::unique_ptr<TBitmap>;

// A device-independent bitmap of the format; its pixels are white.
inline Bmp Make(TPixelFormat pf, int w, int h) {
  Bmp b(new TBitmap);
  b->SetPixelFormat(pf);
  b->SetHandleType(bmDIB);
  if (pf == pf8bit) SetGreyPalette(b.get());
  b->SetSize(w, h);
  return b;
}

inline Bmp Copy(const TBitmap* b) {
  Bmp c(new TBitmap);
  c->Assign(b);
  return c;
}

inline int Step(const TBitmap* b) { return b->PixelFormat() == pf8bit ? 1 : b->PixelFormat() == pf24bit ? 3 : 4; }
inline std::uint8_t* Px(TBitmap* b, int x, int y) { return b->ScanLine(y) + std::size_t(x) * Step(b); }
inline const std::uint8_t* Px(const TBitmap* b, int x, int y) { return Px(const_cast<TBitmap*>(b), x, y); }

inline void SetPx(TBitmap* b, int x, int y, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  std::uint8_t* p = Px(b, x, y);
  p[0] = b0;
  p[1] = b1;
  p[2] = b2;
}
inline void FillPx(TBitmap* b, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x) SetPx(b, x, y, b0, b1, b2);
}
// Sets the first byte of every pixel.
inline void FillMask(TBitmap* m, std::uint8_t v) {
  for (int y = 0; y < m->Height(); ++y)
    for (int x = 0; x < m->Width(); ++x) Px(m, x, y)[0] = v;
}
// Bytes 0, 1, 2 of a pixel.
inline std::vector<int> Bgr(TBitmap* b, int x, int y) {
  const std::uint8_t* p = Px(b, x, y);
  return {p[0], p[1], p[2]};
}
// Every row byte, padding included.
inline std::vector<std::uint8_t> Bytes(const TBitmap* b) {
  std::vector<std::uint8_t> out;
  for (int y = 0; y < b->Height(); ++y) out.insert(out.end(), b->ScanLine(y), b->ScanLine(y) + b->RowBytes());
  return out;
}
// The blend of one channel, written out plainly.
inline int Blend(int b, int c, int w) { return b < c ? b + (((c - b) * w) >> 8) : b - (((b - c) * w) >> 8); }

}  // namespace pixtest
