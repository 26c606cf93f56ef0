#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>

#include "toolkit/Ctransbitmap.h"
#include "toolkit/Loadcorrectbitmap.h"
#include "platform/SysUtils.h"
#include "tests/support/TempDir.h"

namespace {

TEST(BitmapUtils, InvertTwiceRestoresAndKeepsFourthByte) {
  std::unique_ptr<TBitmap> b(NewBitmap24(3, 2));
  b->SetPixelFormat(pf32bit);
  b->ScanLine(0)[0] = 10;
  b->ScanLine(0)[3] = 99;
  InvertBitmap(b.get());
  EXPECT_EQ(b->ScanLine(0)[0], 245);
  EXPECT_EQ(b->ScanLine(0)[3], 99);
  InvertBitmap(b.get());
  EXPECT_EQ(b->ScanLine(0)[0], 10);
}

TEST(BitmapUtils, InvertLeavesOtherFormatsAndEmptyBitmaps) {
  for (TPixelFormat pf : {pf1bit, pf4bit, pf15bit, pf16bit}) {
    TBitmap b;
    b.SetPixelFormat(pf);
    b.SetSize(8, 2);
    std::vector<std::uint8_t> before(b.ScanLine(0), b.ScanLine(0) + b.RowBytes());
    InvertBitmap(&b);
    EXPECT_EQ(std::vector<std::uint8_t>(b.ScanLine(0), b.ScanLine(0) + b.RowBytes()), before) << pf;
  }
  TBitmap empty;
  empty.SetPixelFormat(pf24bit);
  empty.SetSize(0, 5);
  InvertBitmap(&empty);
}

TEST(BitmapUtils, GreyLuminanceOfPrimaries) {
  TBitmap* b = NewBitmap24(5, 1);
  std::uint8_t* p = b->ScanLine(0);
  const std::uint8_t px[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}};
  for (int i = 0; i < 5; ++i)
    for (int k = 0; k < 3; ++k) p[3 * i + k] = px[i][k];
  ToGrey8(b);
  ASSERT_EQ(b->PixelFormat(), pf8bit);
  const std::uint8_t* g = b->ScanLine(0);
  EXPECT_EQ(g[0], 28);
  EXPECT_EQ(g[1], 150);
  EXPECT_EQ(g[2], 77);
  EXPECT_EQ(g[3], 255);
  EXPECT_EQ(g[4], 0);
  ASSERT_NE(b->Palette(), nullptr);
  EXPECT_EQ(b->Palette()->entries[200].peGreen, 200);
  delete b;
}

TEST(BitmapUtils, GreyFromThirtyTwoBitIgnoresFourthByte) {
  TBitmap* b = NewBitmap24(1, 1);
  b->SetPixelFormat(pf32bit);
  std::uint8_t* p = b->ScanLine(0);
  p[0] = 0; p[1] = 255; p[2] = 0; p[3] = 255;
  ToGrey8(b);
  EXPECT_EQ(b->ScanLine(0)[0], 150);
  delete b;
}

TEST(BitmapUtils, FillGreyReplacesColourPicture) {
  std::unique_ptr<TBitmap> b(NewBitmap24(10, 10));
  FillGrey8(b.get(), 3, 4, 42);
  EXPECT_EQ(b->PixelFormat(), pf8bit);
  EXPECT_EQ(b->Width(), 3);
  EXPECT_EQ(b->Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b->ScanLine(y)[x], 42);
  FillGrey8(nullptr, 3, 3, 1);
}

TEST(BitmapUtils, EnsureBitmapKeepsTheObject) {
  TBitmap* slot = nullptr;
  EnsureBitmap24(slot, 4, 4);
  ASSERT_NE(slot, nullptr);
  TBitmap* first = slot;
  slot->Canvas()->Brush.Color = clBlack;
  slot->Canvas()->FillRect(Rect(0, 0, 4, 4));
  slot->Canvas()->Brush.Color = clWhite;
  EXPECT_EQ(EnsureBitmap24(slot, 6, 2), first);
  EXPECT_EQ(slot->Width(), 6);
  EXPECT_EQ(slot->Height(), 2);
  EXPECT_EQ(slot->PixelFormat(), pf24bit);
  EXPECT_EQ(slot->PixelColor(0, 0), clWhite);  // old content gone
  delete slot;
}

std::vector<std::uint8_t> Header24(std::int32_t w, std::int32_t h, std::size_t total = 54) {
  std::vector<std::uint8_t> b(total, 0);
  b[0] = 'B'; b[1] = 'M';
  b[14] = 40;
  for (int i = 0; i < 4; ++i) {
    b[18 + i] = std::uint8_t(std::uint32_t(w) >> (8 * i));
    b[22 + i] = std::uint8_t(std::uint32_t(h) >> (8 * i));
  }
  b[28] = 24;
  return b;
}

std::int32_t SizeImage(const std::vector<std::uint8_t>& b) {
  return std::int32_t(b[34] | (b[35] << 8) | (b[36] << 16) | (std::uint32_t(b[37]) << 24));
}

TEST(FixBmpSizeImage, WritesTheRowSizeOfWellFormedHeaders) {
  auto a = Header24(5, 2, 200);
  FixBmpSizeImage(a.data(), std::int64_t(a.size()));
  EXPECT_EQ(SizeImage(a), 32);
  auto b = Header24(4, 3, 200);
  FixBmpSizeImage(b.data(), std::int64_t(b.size()));
  EXPECT_EQ(SizeImage(b), 36);
  auto top = Header24(4, -3, 200);  // top-down rows
  FixBmpSizeImage(top.data(), std::int64_t(top.size()));
  EXPECT_EQ(SizeImage(top), 36);
}

TEST(FixBmpSizeImage, LeavesEverythingElseAlone) {
  auto eight = Header24(5, 2, 200);
  eight[28] = 8;
  FixBmpSizeImage(eight.data(), std::int64_t(eight.size()));
  EXPECT_EQ(SizeImage(eight), 0);

  auto shortBuf = Header24(5, 2, 54);
  FixBmpSizeImage(shortBuf.data(), 37);  // the field does not fit
  EXPECT_EQ(SizeImage(shortBuf), 0);

  auto core = Header24(5, 2, 200);
  core[14] = 12;  // old 12-byte header: offset 28 is not a bit count there
  FixBmpSizeImage(core.data(), std::int64_t(core.size()));
  EXPECT_EQ(SizeImage(core), 0);

  auto huge = Header24(100000, 100000, 200);  // would overflow 32 bits
  FixBmpSizeImage(huge.data(), std::int64_t(huge.size()));
  EXPECT_EQ(SizeImage(huge), 0);

  auto both = Header24(0x7FFFFFFF, std::int32_t(0x80000001u), 200);  // would overflow 64 bits
  FixBmpSizeImage(both.data(), std::int64_t(both.size()));
  EXPECT_EQ(SizeImage(both), 0);

  auto rle = Header24(5, 2, 200);
  rle[30] = 1;
  FixBmpSizeImage(rle.data(), std::int64_t(rle.size()));
  EXPECT_EQ(SizeImage(rle), 0);
  FixBmpSizeImage(nullptr, 0);
}

TEST(LoadCorrectBitmap, MissingOrOversizedFileRaisesAndKeepsTheBitmap) {
  std::unique_ptr<TBitmap> b(NewBitmap24(2, 2));
  EXPECT_THROW(LoadCorrectBitmap(b.get(), "no\\such\\file.xbi"), EFOpenError);
  testsupport::TempDir dir;
  const std::string big = dir.Write("big.xbi", Header24(4, 4, 100));
  ASSERT_EQ(::truncate(big.c_str(), kMaxPictureFileBytes + 1), 0);
  EXPECT_THROW(LoadCorrectBitmap(b.get(), big), EReadError);
  EXPECT_EQ(b->Width(), 2);
}

}  // namespace
