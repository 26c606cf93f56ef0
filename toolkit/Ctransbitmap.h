// Bitmap utilities, transparent bitmaps and alpha compositing.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Graphics.h"

// ---- bitmap utilities ----

// Complements the colour bytes of a 24- or 32-bit bitmap (the fourth byte of
// a 32-bit pixel is kept) or every byte of an 8-bit one; other formats are left alone.
void InvertBitmap(TBitmap* bitmap);
// Gives the bitmap the grey palette: entry i is (i, i, i).
void SetGreyPalette(TBitmap* bitmap);
// Replaces the bitmap in the slot by an 8-bit grey bitmap of its luminance.
void ToGrey8(TBitmap*& bitmap);
// Makes the bitmap an 8-bit grey bitmap of width x height filled with value.
void FillGrey8(TBitmap* bitmap, int width, int height, std::uint8_t value);
TBitmap* NewGrey8Bitmap(int width, int height, std::uint8_t value);
// A new 24-bit bitmap; its pixels are white.
TBitmap* NewBitmap24(int width, int height);
// Drops the content and makes the bitmap 24-bit of width x height.
void ResizeBitmap24(TBitmap* bitmap, int width, int height);
// ResizeBitmap24 on the bitmap in the slot, or a new one stored there.
TBitmap* EnsureBitmap24(TBitmap*& slot, int width, int height);
// Decodes a JPEG file into a new 24-bit bitmap; failures pass on as Exception.
TBitmap* NewBitmapFromJpeg(const std::string& fileName);
// The same into the caller's bitmap, which ends 24-bit.
void LoadJpegIntoBitmap(TBitmap* bitmap, const std::string& fileName);
