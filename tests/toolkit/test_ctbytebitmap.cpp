#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/HeadlessBackend.h"
#include "toolkit/Ctbytebitmap.h"
#include "toolkit/Ctransbitmap.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::int64_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
}

Bytes Header(const char* magic, std::int64_t w, std::int64_t h) {
  Bytes b(magic, magic + 4);
  Put32(b, w);
  Put32(b, h);
  return b;
}

Bytes Packed(std::int64_t w, std::int64_t h, const Bytes& data) {
  Bytes b = Header("TBBs", w, h);
  Put32(b, std::int64_t(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

bool Load(CTByteBitmap& m, const Bytes& b) {
  TBytesStream s(b.data(), b.size());
  return m.LoadFromStream(&s);
}

Bytes PixelsOf(const CTByteBitmap& m) {
  if (!m.Pixels()) return {};
  return Bytes(m.Pixels(), m.Pixels() + std::size_t(m.Width()) * m.Height());
}

// A packed mask of w x h pixels all at one level, written in maximal runs.
Bytes UniformPacked(std::int64_t w, std::int64_t h, std::uint8_t level) {
  Bytes data;
  for (std::int64_t left = w * h; left > 0;) {
    const std::int64_t run = std::min<std::int64_t>(left, 258);
    if (run >= 3) {
      data.push_back(std::uint8_t(0x80 | level));
      data.push_back(std::uint8_t(run - 3));
    } else {
      data.insert(data.end(), std::size_t(run), level);
    }
    left -= run;
  }
  return Packed(w, h, data);
}

TEST(CTByteBitmap, RawLoadTakesTheBytesAsTheyAre) {
  Bytes b = Header("TBB1", 3, 2);
  const Bytes px = {0, 1, 127, 128, 254, 255};
  b.insert(b.end(), px.begin(), px.end());
  CTByteBitmap m;
  ASSERT_TRUE(Load(m, b));
  EXPECT_EQ(m.Width(), 3);
  EXPECT_EQ(m.Height(), 2);
  EXPECT_EQ(PixelsOf(m), px);

  b.pop_back();
  EXPECT_FALSE(Load(m, b));
}

TEST(CTByteBitmap, RawWithASideOfZeroIsEmpty) {
  CTByteBitmap m;
  ASSERT_TRUE(Load(m, Header("TBB1", 5, 0)));
  EXPECT_EQ(m.Width(), 0);
  EXPECT_EQ(m.Height(), 0);
  EXPECT_EQ(m.Pixels(), nullptr);
}

TEST(CTByteBitmap, UnknownMagicFailsAndEmptiesTheMask) {
  CTByteBitmap m;
  m.Resize(4, 4);
  for (const char* magic : {"TBB2", "tbb1", "TBBS", "\0\0\0\0"}) {
    Bytes b = Header(magic, 1, 1);
    b.push_back(9);
    EXPECT_FALSE(Load(m, b)) << magic;
    EXPECT_EQ(m.Pixels(), nullptr);
    EXPECT_EQ(m.Width(), 0);
  }
}

TEST(CTByteBitmap, EveryTruncationOfAValidStreamFails) {
  const Bytes raw = [] {
    Bytes b = Header("TBB1", 2, 2);
    b.insert(b.end(), {1, 2, 3, 4});
    return b;
  }();
  const Bytes packed = Packed(5, 1, {0x83, 0x00, 7, 8});
  for (const Bytes* full : {&raw, &packed}) {
    CTByteBitmap m;
    ASSERT_TRUE(Load(m, *full));
    for (std::size_t n = 0; n < full->size(); ++n) {
      Bytes cut(full->begin(), full->begin() + std::ptrdiff_t(n));
      EXPECT_FALSE(Load(m, cut)) << "length " << n;
    }
  }
}

TEST(CTByteBitmap, ReadsStopAtTheEndOfTheMask) {
  Bytes b = Header("TBB1", 1, 1);
  b.push_back(42);
  const Bytes second = Packed(2, 1, {3, 4});
  b.insert(b.end(), second.begin(), second.end());
  b.push_back(0xEE);
  TBytesStream s(b.data(), b.size());
  CTByteBitmap m;
  ASSERT_TRUE(m.LoadFromStream(&s));
  EXPECT_EQ(PixelsOf(m), Bytes{42});
  ASSERT_TRUE(m.LoadFromStream(&s));
  EXPECT_EQ(PixelsOf(m), (Bytes{6, 8}));
  EXPECT_EQ(s.Position(), std::int64_t(b.size()) - 1);
}

TEST(CTByteBitmap, PackedRunsAndLevels) {
  CTByteBitmap m;
  ASSERT_TRUE(Load(m, Packed(4, 1, {0x85, 0x01})));
  EXPECT_EQ(PixelsOf(m), (Bytes{10, 10, 10, 10}));

  ASSERT_TRUE(Load(m, Packed(4, 1, {0, 1, 126, 127})));
  EXPECT_EQ(PixelsOf(m), (Bytes{0, 2, 252, 255}));

  // A run of three cut at the end of a two-pixel mask still counts as used.
  ASSERT_TRUE(Load(m, Packed(2, 1, {0xFF, 0x00})));
  EXPECT_EQ(PixelsOf(m), (Bytes{255, 255}));

  // The longest run, 258 pixels, then one literal.
  ASSERT_TRUE(Load(m, Packed(259, 1, {0x81, 0xFF, 0x02})));
  Bytes want(259, 2);
  want[258] = 4;
  EXPECT_EQ(PixelsOf(m), want);
}

TEST(CTByteBitmap, PackedDataMustBeUsedUpExactly) {
  CTByteBitmap m;
  EXPECT_FALSE(Load(m, Packed(2, 1, {1, 2, 3}))) << "a byte left over";
  EXPECT_FALSE(Load(m, Packed(2, 1, {0x81, 0x00, 5}))) << "bytes after a cut run";
  EXPECT_FALSE(Load(m, Packed(3, 1, {1, 0x82}))) << "run without its count byte";
  EXPECT_FALSE(Load(m, Packed(4, 1, {1, 2, 3}))) << "too few pixels";
}

TEST(CTByteBitmap, PackedSizeZeroOnlyForAnEmptyMask) {
  CTByteBitmap m;
  EXPECT_TRUE(Load(m, Packed(0, 7, {})));
  EXPECT_EQ(m.Pixels(), nullptr);
  EXPECT_TRUE(Load(m, Packed(7, 0, {})));
  EXPECT_FALSE(Load(m, Packed(2, 2, {})));
}

TEST(CTByteBitmap, PackedSizeOutOfRangeFails) {
  CTByteBitmap m;
  for (std::int64_t s : {-1LL, 8388609LL, 0x7FFFFFFFLL}) {
    Bytes b = Header("TBBs", 1, 1);
    Put32(b, s);
    b.push_back(1);
    EXPECT_FALSE(Load(m, b)) << s;
  }
}

TEST(CTByteBitmap, SizeLimits) {
  CTByteBitmap m;
  ASSERT_TRUE(Load(m, UniformPacked(4096, 2048, 127)));
  EXPECT_EQ(m.Width(), 4096);
  EXPECT_EQ(m.Height(), 2048);
  EXPECT_EQ(m.Pixels()[4096 * 2048 - 1], 255);

  EXPECT_FALSE(Load(m, UniformPacked(4096, 2049, 1)));
  EXPECT_EQ(m.Pixels(), nullptr);
  // 65536 x 65536 wraps to 0 in 32 bits; the product must be taken exactly.
  EXPECT_FALSE(Load(m, Header("TBB1", 65536, 65536)));
  EXPECT_FALSE(Load(m, Packed(65536, 65536, {})));
  for (auto [w, h] : {std::pair{100001, 1}, std::pair{1, 100001}, std::pair{-1, 1}, std::pair{1, -1}}) {
    EXPECT_FALSE(Load(m, Header("TBB1", w, h))) << w << "x" << h;
    EXPECT_FALSE(Load(m, Packed(w, h, {})));
  }
  // A side of 100000 is allowed when the product fits.
  EXPECT_TRUE(Load(m, Header("TBB1", 100000, 0)));
}

// A header cannot make the reader allocate what the stream does not hold.
TEST(CTByteBitmap, NoMaskIsMadeForDataTheStreamDoesNotHold) {
  CTByteBitmap m;
  Bytes raw = Header("TBB1", 100, 100);
  raw.resize(raw.size() + 9999, 1);
  EXPECT_FALSE(Load(m, raw));
  EXPECT_EQ(m.Pixels(), nullptr);
  raw.push_back(1);
  EXPECT_TRUE(Load(m, raw));

  Bytes packed = Header("TBBs", 2000, 4000);
  Put32(packed, 8000000);
  packed.insert(packed.end(), 100, 0x80);
  EXPECT_FALSE(Load(m, packed)) << "packed bytes beyond the stream";
  EXPECT_EQ(m.Pixels(), nullptr);
  // Two packed bytes make at most 258 pixels.
  EXPECT_TRUE(Load(m, Packed(258, 1, {0xFF, 255})));
  EXPECT_FALSE(Load(m, Packed(259, 1, {0xFF, 255})));
  EXPECT_EQ(m.Pixels(), nullptr);
  // The reader's own limit on the sides.
  const Bytes small = UniformPacked(40, 30, 5);
  TBytesStream s(small.data(), small.size());
  EXPECT_FALSE(m.LoadFromStream(&s, 39, 30));
}

TEST(CTByteBitmap, ResizeKeepsTheOverlap) {
  CTByteBitmap m;
  m.Resize(3, 2);
  ASSERT_NE(m.Pixels(), nullptr);
  for (int i = 0; i < 6; ++i) m.Pixels()[i] = std::uint8_t(i + 1);
  std::uint8_t* before = m.Pixels();
  m.Resize(3, 2);
  EXPECT_EQ(m.Pixels(), before) << "same size changes nothing";

  m.Resize(4, 3);
  EXPECT_EQ(PixelsOf(m), (Bytes{1, 2, 3, 0, 4, 5, 6, 0, 0, 0, 0, 0}));
  m.Resize(2, 1);
  EXPECT_EQ(PixelsOf(m), (Bytes{1, 2}));

  m.Resize(4096, 2049);
  EXPECT_EQ(m.Width(), 2) << "too large: unchanged";
  m.Resize(0, 5);
  EXPECT_EQ(m.Width(), 0);
  EXPECT_EQ(m.Height(), 0);
  EXPECT_EQ(m.Pixels(), nullptr);
  m.Resize(-3, -3);
  EXPECT_EQ(m.Pixels(), nullptr);
}

// ---- drawing ----

// The beeps the headless speaker has given.
std::size_t Beeps() { return Headless().Beeps().size(); }

std::unique_ptr<CTByteBitmap> Mask(int w, int h, std::uint8_t value) {
  auto m = std::make_unique<CTByteBitmap>();
  m->Resize(w, h);
  std::memset(m->Pixels(), value, std::size_t(w) * h);
  return m;
}

// A 24-bit bitmap with every byte set to value.
std::unique_ptr<TBitmap> Target(int w, int h, std::uint8_t value, TPixelFormat pf = pf24bit) {
  std::unique_ptr<TBitmap> b(NewBitmap24(w, h));
  b->SetPixelFormat(pf);
  for (int y = 0; y < h; ++y) std::memset(b->ScanLine(y), value, std::size_t(b->RowBytes()));
  return b;
}

TEST(CTByteBitmapDraw, BlendMovesTowardTheColourTruncating) {
  auto t = Target(1, 1, 101);
  const TRect clip{0, 0, 1, 1};
  Mask(1, 1, 128)->DrawMask(t.get(), 0, 0, RGB(255, 0, 0), &clip, 255);
  const std::uint8_t* p = t->ScanLine(0);
  EXPECT_EQ(p[0], 50) << "blue toward 0";
  EXPECT_EQ(p[1], 50) << "green toward 0";
  EXPECT_EQ(p[2], 178) << "red toward 255: 255 - (154 * 128 >> 8)";
}

TEST(CTByteBitmapDraw, FullCoverageWritesTheColourExactly) {
  auto t = Target(2, 1, 77);
  const TRect clip{0, 0, 2, 1};
  Mask(2, 1, 255)->DrawMask(t.get(), 0, 0, RGB(10, 20, 30), &clip, 255);
  EXPECT_EQ(t->PixelColor(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(t->PixelColor(1, 0), RGB(10, 20, 30));
}

TEST(CTByteBitmapDraw, OpacityIsClamped) {
  const TRect clip{0, 0, 1, 1};
  auto mask = Mask(1, 1, 200);
  auto blend = [&](int opacity) {
    auto t = Target(1, 1, 240);
    mask->DrawMask(t.get(), 0, 0, clBlack, &clip, opacity);
    return t->ScanLine(0)[0];
  };
  EXPECT_EQ(blend(0), 240);
  EXPECT_EQ(blend(-50), 240);
  EXPECT_EQ(blend(1000), blend(255));
  // a = 256 - (200 * 256 >> 8) = 56; 240 * 56 >> 8 = 52
  EXPECT_EQ(blend(255), 52);
  // op 100: a = 256 - (200 * 101 >> 8) = 178; 240 * 178 >> 8 = 166
  EXPECT_EQ(blend(100), 166);
}

TEST(CTByteBitmapDraw, ZeroCoverageLeavesThePixel) {
  auto t = Target(1, 1, 33);
  const TRect clip{0, 0, 1, 1};
  Mask(1, 1, 0)->DrawMask(t.get(), 0, 0, clWhite, &clip, 255);
  EXPECT_EQ(t->ScanLine(0)[0], 33);
}

TEST(CTByteBitmapDraw, ThirtyTwoBitKeepsTheFourthByte) {
  auto t = Target(3, 1, 9, pf32bit);
  const TRect clip{0, 0, 3, 1};
  Mask(3, 1, 255)->DrawMask(t.get(), 0, 0, RGB(1, 2, 3), &clip, 255);
  const std::uint8_t* p = t->ScanLine(0);
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(p[4 * x + 0], 3);
    EXPECT_EQ(p[4 * x + 1], 2);
    EXPECT_EQ(p[4 * x + 2], 1);
    EXPECT_EQ(p[4 * x + 3], 9);
  }
}

TEST(CTByteBitmapDraw, TargetFormats) {
  Headless().Reset();
  const TRect clip{0, 0, 4, 4};
  auto mask = Mask(2, 2, 255);

  TBitmap grey;
  grey.SetPixelFormat(pf8bit);
  grey.SetSize(4, 4);
  std::memset(grey.ScanLine(0), 7, 4);
  mask->DrawMask(&grey, 0, 0, clWhite, &clip, 255);
  ASSERT_EQ(Beeps(), 1u);
  EXPECT_EQ(Headless().Beeps()[0].frequency, 2000u);
  EXPECT_EQ(Headless().Beeps()[0].milliseconds, 10u);
  EXPECT_EQ(grey.PixelFormat(), pf8bit);
  EXPECT_EQ(grey.ScanLine(0)[0], 7);

  TBitmap device;  // a new bitmap is in the device format
  device.SetSize(4, 4);
  ASSERT_EQ(device.PixelFormat(), pfDevice);
  mask->DrawMask(&device, 1, 1, clRed, &clip, 255);
  EXPECT_EQ(Beeps(), 1u);
  EXPECT_EQ(device.PixelFormat(), pf24bit);
  EXPECT_EQ(device.HandleType(), bmDIB);
  EXPECT_EQ(device.PixelColor(1, 1), clRed);
  EXPECT_EQ(device.PixelColor(0, 0), clWhite);
}

// Which pixels of a 6 x 5 target a 3 x 3 full mask paints at (x, y) under clip.
std::vector<std::string> Painted(int x, int y, TRect clip) {
  auto t = Target(6, 5, 255);
  Mask(3, 3, 255)->DrawMask(t.get(), x, y, clBlack, &clip, 255);
  std::vector<std::string> rows;
  for (int r = 0; r < 5; ++r) {
    std::string row;
    for (int c = 0; c < 6; ++c) row += t->PixelColor(c, r) == clBlack ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(CTByteBitmapDraw, Clipping) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Painted(1, 1, {0, 0, 6, 5}), (V{"......", ".###..", ".###..", ".###..", "......"}));
  // Right and bottom exclusive, left and top inclusive.
  EXPECT_EQ(Painted(1, 1, {2, 2, 3, 4}), (V{"......", "......", "..#...", "..#...", "......"}));
  // Negative positions with the clip reaching past the target's edges.
  EXPECT_EQ(Painted(-2, -1, {-10, -10, 100, 100}), (V{"#.....", "#.....", "......", "......", "......"}));
  // Hanging over the right and bottom edges.
  EXPECT_EQ(Painted(4, 3, {0, 0, 100, 100}), (V{"......", "......", "......", "....##", "....##"}));
  // Clipped away entirely.
  const V blank(5, "......");
  EXPECT_EQ(Painted(1, 1, {4, 0, 6, 5}), blank);
  EXPECT_EQ(Painted(1, 1, {0, 4, 6, 5}), blank);
  EXPECT_EQ(Painted(1, 1, {3, 3, 1, 1}), blank);
  EXPECT_EQ(Painted(7, 0, {0, 0, 100, 100}), blank);
  EXPECT_EQ(Painted(-3, 0, {-5, 0, 100, 100}), blank);
  EXPECT_EQ(Painted(0, 6, {0, 0, 100, 100}), blank);
  EXPECT_EQ(Painted(0, -3, {0, -5, 100, 100}), blank);
  EXPECT_EQ(Painted(2147483600, 2147483600, {0, 0, 2147483647, 2147483647}), blank);
  EXPECT_EQ(Painted(-2147483600, -2147483600, {-2147483647, -2147483647, 2147483647, 2147483647}), blank);
}

TEST(CTByteBitmapDraw, EmptyMaskDrawsNothing) {
  auto t = Target(2, 2, 5);
  const TRect clip{0, 0, 2, 2};
  CTByteBitmap empty;
  empty.DrawMask(t.get(), 0, 0, clWhite, &clip, 255);
  EXPECT_EQ(t->ScanLine(0)[0], 5);
}

}  // namespace
