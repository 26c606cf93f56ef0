#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Graphics.h"
#include "platform/SysUtils.h"

namespace {

TBitmap* Make(TPixelFormat pf, int w, int h, TColor fill = clWhite) {
  auto* b = new TBitmap;
  b->SetPixelFormat(pf);
  b->Canvas()->Brush.Color = fill;
  b->SetSize(w, h);
  return b;
}

TEST(Bitmap, NewBitmapIsDeviceFormatAndEmpty) {
  TBitmap b;
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 0);
  EXPECT_TRUE(b.Empty());
  b.SetSize(3, 2);
  EXPECT_EQ(b.RowBytes(), 12);  // stored as 32 bits per pixel
  EXPECT_EQ(b.PixelColor(2, 1), clWhite);
}

TEST(Bitmap, RowsArePaddedToFourBytes) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 5, 2));
  EXPECT_EQ(b->RowBytes(), 16);
  std::unique_ptr<TBitmap> g(Make(pf8bit, 5, 2));
  EXPECT_EQ(g->RowBytes(), 8);
  EXPECT_EQ(b->ScanLine(1) - b->ScanLine(0), 16);
  EXPECT_THROW(b->ScanLine(2), EInvalidGraphic);
  EXPECT_THROW(b->ScanLine(-1), EInvalidGraphic);
}

TEST(Bitmap, ResizeKeepsTopLeftAndFillsWithBrush) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 2, 2));
  b->Canvas()->SetPixel(0, 0, RGB(10, 20, 30));
  b->Canvas()->SetPixel(1, 1, RGB(40, 50, 60));
  b->Canvas()->Brush.Color = clBlack;
  b->SetSize(3, 3);
  EXPECT_EQ(b->PixelColor(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(b->PixelColor(1, 1), RGB(40, 50, 60));
  EXPECT_EQ(b->PixelColor(2, 0), clBlack);
  EXPECT_EQ(b->PixelColor(0, 2), clBlack);
  b->SetSize(1, 1);
  EXPECT_EQ(b->PixelColor(0, 0), RGB(10, 20, 30));
}

TEST(Bitmap, HeightZeroDropsContent) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 2, 2, clBlack));
  b->SetHeight(0);
  b->Canvas()->Brush.Color = clWhite;
  b->SetHeight(2);
  EXPECT_EQ(b->PixelColor(0, 0), clWhite);
  EXPECT_EQ(b->PixelColor(1, 1), clWhite);
}

TEST(Bitmap, EightBitFillUsesNearestPaletteEntry) {
  TBitmap b;
  b.SetPixelFormat(pf8bit);
  b.Canvas()->Brush.Color = clBlack;
  b.SetSize(2, 1);
  EXPECT_EQ(b.ScanLine(0)[0], 0);
  b.Canvas()->Brush.Color = clWhite;
  b.SetSize(3, 1);
  EXPECT_EQ(b.ScanLine(0)[2], 255);
}

TEST(Bitmap, PixelFormatConversionsKeepColours) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 3, 1));
  b->Canvas()->SetPixel(0, 0, RGB(1, 2, 3));
  b->Canvas()->SetPixel(1, 0, RGB(250, 128, 0));
  b->SetPixelFormat(pf32bit);
  EXPECT_EQ(b->RowBytes(), 12);
  EXPECT_EQ(b->PixelColor(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(b->PixelColor(1, 0), RGB(250, 128, 0));
  b->SetPixelFormat(pf24bit);
  EXPECT_EQ(b->PixelColor(1, 0), RGB(250, 128, 0));
  const std::uint8_t* p = b->ScanLine(0);
  EXPECT_EQ(p[3], 0);    // blue
  EXPECT_EQ(p[4], 128);  // green
  EXPECT_EQ(p[5], 250);  // red

  // An 8-bit bitmap turns into colour through its palette.
  TBitmap g;
  g.SetPixelFormat(pf8bit);
  g.SetSize(2, 1);
  g.ScanLine(0)[0] = 77;
  g.SetPixelFormat(pf24bit);
  EXPECT_EQ(g.PixelColor(0, 0), RGB(77, 77, 77));
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  std::unique_ptr<TBitmap> a(Make(pf8bit, 4, 3));
  a->ScanLine(2)[3] = 9;
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.ScanLine(2)[3], 9);
  a->ScanLine(2)[3] = 10;
  EXPECT_EQ(b.ScanLine(2)[3], 9);
}

TEST(Canvas, CopyRectClipsBothSides) {
  std::unique_ptr<TBitmap> src(Make(pf24bit, 4, 4, clRed));
  std::unique_ptr<TBitmap> dst(Make(pf24bit, 4, 4, clWhite));
  // A source rectangle reaching one column left of the picture: that column stays white.
  dst->Canvas()->CopyRect(Rect(0, 0, 4, 4), src->Canvas(), Rect(-1, 0, 3, 4));
  EXPECT_EQ(dst->PixelColor(0, 0), clWhite);
  EXPECT_EQ(dst->PixelColor(1, 0), clRed);
  EXPECT_EQ(dst->PixelColor(3, 3), clRed);
  // Destination partly outside: nothing written beyond the edge, nothing crashes.
  std::unique_ptr<TBitmap> d2(Make(pf24bit, 4, 4, clWhite));
  d2->Canvas()->CopyRect(Rect(2, 2, 6, 6), src->Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(d2->PixelColor(1, 1), clWhite);
  EXPECT_EQ(d2->PixelColor(3, 3), clRed);
  d2->Canvas()->CopyRect(Rect(-100, -100, -50, -50), src->Canvas(), Rect(0, 0, 50, 50));
  d2->Canvas()->CopyRect(Rect(0, 0, 1000000, 4), src->Canvas(), Rect(0, 0, 1000000, 4));
}

TEST(Canvas, CopyModesCombineBytes) {
  std::unique_ptr<TBitmap> dst(Make(pf24bit, 1, 1, RGB(0x0F, 0xF0, 0x33)));
  std::unique_ptr<TBitmap> src(Make(pf24bit, 1, 1, RGB(0xF0, 0x0F, 0x0F)));
  dst->Canvas()->CopyMode = cmSrcPaint;
  dst->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(dst->PixelColor(0, 0), RGB(0xFF, 0xFF, 0x3F));
  dst->Canvas()->CopyMode = cmSrcAnd;
  dst->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(dst->PixelColor(0, 0), RGB(0xF0, 0x0F, 0x0F));
}

TEST(Canvas, DrawConvertsBetweenFormats) {
  std::unique_ptr<TBitmap> src(Make(pf24bit, 2, 2, RGB(90, 90, 90)));
  std::unique_ptr<TBitmap> dst(Make(pf32bit, 3, 3, clBlack));
  dst->Canvas()->Draw(1, 1, src.get());
  EXPECT_EQ(dst->PixelColor(0, 0), clBlack);
  EXPECT_EQ(dst->PixelColor(2, 2), RGB(90, 90, 90));
  TBitmap grey;
  grey.SetPixelFormat(pf8bit);
  grey.SetSize(3, 3);
  grey.Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(grey.ScanLine(1)[1], 90);
}

// An 8-bit bitmap of w x 1 whose pixel i is index i, with the given colours as its palette.
std::unique_ptr<TBitmap> Indexed(const std::vector<TColor>& colours) {
  auto b = std::make_unique<TBitmap>();
  TLogPalette lp;
  lp.palNumEntries = std::uint16_t(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i)
    lp.palPalEntry[i] = TPaletteEntry{GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
  b->SetPalette(CreatePalette(&lp));
  b->SetPixelFormat(pf8bit);
  b->SetSize(int(colours.size()), 1);
  for (std::size_t i = 0; i < colours.size(); ++i) b->ScanLine(0)[i] = std::uint8_t(i);
  return b;
}

TEST(Canvas, EightBitCopiesKeepColoursAcrossPalettes) {
  auto src = Indexed({clRed, clBlue, clLime});
  auto swapped = Indexed({clBlue, clLime, clRed});
  swapped->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(swapped->PixelColor(0, 0), clRed);
  EXPECT_EQ(swapped->PixelColor(1, 0), clBlue);
  EXPECT_EQ(swapped->PixelColor(2, 0), clLime);
  EXPECT_EQ(swapped->ScanLine(0)[0], 2);

  // Into a grey bitmap: the grey of each colour.
  TBitmap grey;
  grey.SetPixelFormat(pf8bit);
  grey.SetSize(3, 1);
  grey.Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(grey.ScanLine(0)[0], 85);
  EXPECT_EQ(grey.ScanLine(0)[1], 85);

  // The same palette, and a grey ramp against no palette, copy indices as they are.
  auto same = Indexed({clRed, clBlue, clLime});
  same->ScanLine(0)[0] = 1;
  same->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(same->ScanLine(0)[0], 0);
  TBitmap ramp;
  ramp.SetPalette(NewGreyPalette());
  ramp.SetPixelFormat(pf8bit);
  ramp.SetSize(2, 1);
  ramp.ScanLine(0)[0] = 7;
  ramp.ScanLine(0)[1] = 201;
  grey.Canvas()->Draw(1, 0, &ramp);
  EXPECT_EQ(grey.ScanLine(0)[1], 7);
  EXPECT_EQ(grey.ScanLine(0)[2], 201);
}

TEST(Canvas, StretchingCopyRect) {
  std::unique_ptr<TBitmap> src(Make(pf24bit, 2, 1, clRed));
  src->Canvas()->SetPixel(1, 0, clBlue);
  std::unique_ptr<TBitmap> dst(Make(pf24bit, 4, 2, clWhite));
  dst->Canvas()->CopyRect(Rect(0, 0, 4, 2), src->Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(dst->PixelColor(0, 0), clRed);
  EXPECT_EQ(dst->PixelColor(1, 1), clRed);
  EXPECT_EQ(dst->PixelColor(2, 0), clBlue);
  EXPECT_EQ(dst->PixelColor(3, 1), clBlue);
}

TEST(Canvas, LineLeavesOutItsEndPoint) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 5, 5));
  b->Canvas()->Pen.Color = clRed;
  b->Canvas()->MoveTo(0, 0);
  b->Canvas()->LineTo(4, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(b->PixelColor(i, i), clRed) << i;
  EXPECT_EQ(b->PixelColor(4, 4), clWhite);
  EXPECT_EQ(b->Canvas()->PenPos(), (TPoint{4, 4}));
  // Lines that leave the picture are clipped.
  b->Canvas()->MoveTo(0, 4);
  b->Canvas()->LineTo(5, -1);
  EXPECT_EQ(b->PixelColor(4, 0), clRed);
}

TEST(Canvas, FillAndFrame) {
  std::unique_ptr<TBitmap> b(Make(pf24bit, 4, 4));
  b->Canvas()->Brush.Color = clBlue;
  b->Canvas()->FrameRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(b->PixelColor(0, 0), clBlue);
  EXPECT_EQ(b->PixelColor(3, 2), clBlue);
  EXPECT_EQ(b->PixelColor(1, 1), clWhite);
  b->Canvas()->FillRect(Rect(-5, -5, 2, 2));
  EXPECT_EQ(b->PixelColor(1, 1), clBlue);
  EXPECT_EQ(b->PixelColor(2, 2), clWhite);
}

TEST(Canvas, ReportsChangedRectangles) {
  std::unique_ptr<TBitmap> b(Make(pf32bit, 10, 10));
  TCanvas c(b.get());
  std::vector<TRect> seen;
  c.OnChange = [&](const TRect& r) { seen.push_back(r); };
  c.FillRect(Rect(8, 8, 20, 20));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], Rect(8, 8, 10, 10));
}

}  // namespace
