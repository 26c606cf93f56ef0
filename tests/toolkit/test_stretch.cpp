#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "toolkit/Ctransbitmap.h"
#include "toolkit/Stretchbitmap.h"

namespace {

using Row = std::vector<int>;

// A 24-bit bitmap whose every row holds the given values in all three channels.
std::unique_ptr<TBitmap> Grey(const Row& row, int h) {
  std::unique_ptr<TBitmap> b(NewBitmap24(int(row.size()), h));
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = b->ScanLine(y);
    for (std::size_t x = 0; x < row.size(); ++x)
      for (std::size_t c = 0; c < 3; ++c) p[3 * x + c] = std::uint8_t(row[x]);
  }
  return b;
}

// Channel c of row y.
Row Channel(TBitmap& b, int y, int c = 0) {
  Row r;
  for (int x = 0; x < b.Width(); ++x) r.push_back(b.ScanLine(y)[3 * x + c]);
  return r;
}

std::vector<std::uint8_t> AllBytes(TBitmap& b) {
  std::vector<std::uint8_t> out;
  if (b.Width() == 0) return out;
  for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.ScanLine(y), b.ScanLine(y) + b.RowBytes());
  return out;
}

// Pseudo-random pixels with distinct channels.
std::unique_ptr<TBitmap> Noise(int w, int h, unsigned seed = 1) {
  std::unique_ptr<TBitmap> b(NewBitmap24(w, h));
  unsigned s = seed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < 3 * w; ++x) {
      s = s * 1103515245u + 12345u;
      b->ScanLine(y)[x] = std::uint8_t(s >> 23);
    }
  return b;
}

// The filters written out directly from their definitions (one weight entry
// per index with its own denominator, one division per channel), to compare
// with the resampler on many sizes.
int RefBilinear(const TBitmap& src, int dw, int dh, int x, int y, int c) {
  struct E { long long j, a0, a1, den; };
  auto entry = [](long long s, long long d, long long i) {
    long long cc = (2 * i + 1) * s, j = (cc + d) / (2 * d) - 1;
    if (j < 0) return E{0, 1, 0, 1};
    if (j == s - 1) return E{s - 2, 0, 1, 1};
    long long e = cc - (2 * j + 1) * d;
    return E{j, 2 * d - e, e, 2 * d};
  };
  E ex = entry(src.Width(), dw, x), ey = entry(src.Height(), dh, y);
  auto P = [&](long long col, long long row) { return (long long)src.ScanLine(int(row))[3 * col + c]; };
  long long v = P(ex.j, ey.j) * ex.a0 * ey.a0 + P(ex.j + 1, ey.j) * ex.a1 * ey.a0 +
                P(ex.j, ey.j + 1) * ex.a0 * ey.a1 + P(ex.j + 1, ey.j + 1) * ex.a1 * ey.a1;
  return int(v / (ex.den * ey.den));
}

int RefBox(const TBitmap& src, int dw, int dh, int x, int y, int c) {
  auto weight = [](long long s, long long d, long long i, long long k) {
    long long first = i * s / d, last = ((i + 1) * s - 1) / d;
    if (k < first || k > last) return 0LL;
    if (k == first) return (first + 1) * d - i * s;
    if (k == last) return (i + 1) * s - last * d;
    return d;
  };
  long long sum = 0;
  for (int r = 0; r < src.Height(); ++r)
    for (int k = 0; k < src.Width(); ++k)
      sum += src.ScanLine(r)[3 * k + c] * weight(src.Width(), dw, x, k) * weight(src.Height(), dh, y, r);
  return int(sum / ((long long)src.Width() * src.Height()));
}

TEST(Resampling, AgreesWithTheFiltersDefinitions) {
  unsigned seed = 5;
  auto next = [&](int n) { seed = seed * 1664525u + 1013904223u; return int((seed >> 8) % unsigned(n)); };
  int bilinear = 0, box = 0, none = 0;
  for (int round = 0; round < 150; ++round) {
    const int sw = 2 + next(30), sh = 2 + next(30);
    const int dw = 1 + next(2 * sw), dh = 1 + next(2 * sh);
    auto src = Noise(sw, sh, unsigned(round) + 1);
    std::unique_ptr<TBitmap> dst(NewBitmap24(dw, dh));
    dst->Canvas()->Brush.Color = RGB(1, 2, 3);
    dst->Canvas()->FillRect(Rect(0, 0, dw, dh));
    StretchBitmap(dst.get(), src.get());
    const bool toBox = (sw + 1) / 2 > dw || (sh + 1) / 2 > dh || dw < 2 || dh < 2;
    const bool drawn = toBox ? (dw < sw && dh < sh) : true;
    ++(!drawn ? none : toBox ? box : bilinear);
    for (int y = 0; y < dh; ++y)
      for (int x = 0; x < dw; ++x)
        for (int c = 0; c < 3; ++c) {
          int want = !drawn ? (c == 0 ? 3 : c == 1 ? 2 : 1)
                            : toBox ? RefBox(*src, dw, dh, x, y, c) : RefBilinear(*src, dw, dh, x, y, c);
          ASSERT_EQ(dst->ScanLine(y)[3 * x + c], want)
              << sw << "x" << sh << " -> " << dw << "x" << dh << " at " << x << "," << y << "," << c;
        }
  }
  EXPECT_GT(bilinear, 20);
  EXPECT_GT(box, 20);
  EXPECT_GT(none, 5);
}

struct Worked {
  Row src;
  int dw, dh;
  Row expected;
};

TEST(Resampling, WorkedValues) {
  const Worked table[] = {
      {{0, 255}, 4, 2, {0, 63, 191, 255}},
      {{0, 100, 200, 255}, 2, 2, {50, 227}},
      {{0, 100, 200, 255, 50}, 3, 2, {33, 200, 118}},
      {{10, 20, 30, 40, 50}, 2, 1, {18, 42}},  // box filter
  };
  for (const Worked& w : table) {
    auto src = Grey(w.src, 2);
    std::unique_ptr<TBitmap> dst(NewBitmap24(w.dw, w.dh));
    StretchBitmap(dst.get(), src.get());
    for (int y = 0; y < w.dh; ++y)
      for (int c = 0; c < 3; ++c) EXPECT_EQ(Channel(*dst, y, c), w.expected) << w.src.size() << "->" << w.dw;
  }
}

TEST(Resampling, SameSizeIsAnExactCopy) {
  auto src = Noise(7, 5);
  std::unique_ptr<TBitmap> dst(NewBitmap24(7, 5));
  StretchBitmap(dst.get(), src.get());
  EXPECT_EQ(AllBytes(*dst), AllBytes(*src));
}

TEST(Resampling, SmallSourcesAverageIntoOnePixel) {
  std::unique_ptr<TBitmap> two(NewBitmap24(2, 2));
  const int v2[4] = {10, 21, 30, 40};  // 101 / 4 = 25
  for (int i = 0; i < 4; ++i)
    for (int c = 0; c < 3; ++c) two->ScanLine(i / 2)[3 * (i % 2) + c] = std::uint8_t(v2[i] + c);
  std::unique_ptr<TBitmap> one(NewBitmap24(1, 1));
  StretchBitmap(one.get(), two.get());
  EXPECT_EQ(one->ScanLine(0)[0], 25);
  EXPECT_EQ(one->ScanLine(0)[1], 26);
  EXPECT_EQ(one->ScanLine(0)[2], 27);

  std::unique_ptr<TBitmap> three(NewBitmap24(3, 3));
  int sum = 0;
  for (int i = 0; i < 9; ++i) {
    int v = 250 - i * 27;
    sum += v;
    for (int c = 0; c < 3; ++c) three->ScanLine(i / 3)[3 * (i % 3) + c] = std::uint8_t(v);
  }
  std::unique_ptr<TBitmap> one3(NewBitmap24(1, 1));
  StretchBitmap(one3.get(), three.get());
  EXPECT_EQ(one3->ScanLine(0)[0], sum / 9);
}

TEST(Resampling, HalfStaysBilinearJustBelowGoesToBox) {
  // 101 -> 50 averages boxes; 100 -> 50 interpolates between neighbours
  // (both halve the height).
  Row r101, r100;
  for (int i = 0; i < 101; ++i) r101.push_back(i % 2 ? 200 : 0);
  for (int i = 0; i < 100; ++i) r100.push_back(i % 2 ? 200 : 0);
  auto a = Grey(r101, 4);
  auto b = Grey(r100, 4);
  std::unique_ptr<TBitmap> da(NewBitmap24(50, 2)), db(NewBitmap24(50, 2));
  StretchBitmap(da.get(), a.get());
  StretchBitmap(db.get(), b.get());
  // Bilinear at exactly half: each pixel is the midpoint of a 0/200 pair.
  EXPECT_EQ(Channel(*db, 0), Row(50, 100));
  // Box over 101/50 pixels: each covers one whole 200 and parts of two 0s
  // (the first: 0, 200 and 1/50 of 0), so 200 * 50 / 101.
  EXPECT_EQ(Channel(*da, 0), Row(50, 200 * 50 / 101));
}

TEST(Resampling, CasesThatDrawNothing) {
  struct Case {
    int sw, sh, dw, dh;
  } cases[] = {
      {100, 100, 40, 120},  // under half across, larger down
      {1, 10, 4, 4},        // source one pixel wide
      {10, 1, 4, 4},        // source one pixel high
      {10, 10, 0, 5},       // no destination columns
      {10, 10, 5, 0},
      {1, 1, 1, 1},
  };
  for (const Case& k : cases) {
    std::unique_ptr<TBitmap> src(NewBitmap24(k.sw, k.sh));
    src->SetPixelFormat(pf32bit);
    std::unique_ptr<TBitmap> dst(new TBitmap);
    dst->SetPixelFormat(pf8bit);
    dst->SetSize(k.dw, k.dh);
    std::vector<std::uint8_t> before = AllBytes(*dst);
    StretchBitmap(dst.get(), src.get());
    EXPECT_EQ(src->PixelFormat(), pf32bit) << k.sw << "x" << k.sh << "->" << k.dw << "x" << k.dh;
    EXPECT_EQ(dst->PixelFormat(), pf8bit);
    EXPECT_EQ(AllBytes(*dst), before);
    ShrinkBitmap(dst.get(), src.get());
    EXPECT_EQ(src->PixelFormat(), pf32bit);
  }
  StretchBitmap(nullptr, nullptr);
  std::unique_ptr<TBitmap> b(NewBitmap24(4, 4));
  StretchBitmap(b.get(), nullptr);
  StretchBitmap(nullptr, b.get());
  ShrinkBitmap(b.get(), nullptr);
}

TEST(Resampling, ConvertsBothBitmapsWhenItDraws) {
  std::unique_ptr<TBitmap> src(new TBitmap);  // device format, 32 bits a pixel
  src->SetSize(4, 4);
  src->Canvas()->Brush.Color = RGB(10, 20, 30);
  src->Canvas()->FillRect(Rect(0, 0, 4, 4));
  std::unique_ptr<TBitmap> dst(new TBitmap);
  dst->SetSize(8, 8);
  StretchBitmap(dst.get(), src.get());
  EXPECT_EQ(src->PixelFormat(), pf24bit);
  EXPECT_EQ(dst->PixelFormat(), pf24bit);
  EXPECT_EQ(dst->HandleType(), bmDIB);
  EXPECT_EQ(dst->PixelColor(5, 3), RGB(10, 20, 30));
}

TEST(Resampling, ShrinkEnlargesThroughStretch) {
  auto src = Noise(3, 3);
  std::unique_ptr<TBitmap> a(NewBitmap24(6, 5)), b(NewBitmap24(6, 5));
  ShrinkBitmap(a.get(), src.get());
  StretchBitmap(b.get(), src.get());
  EXPECT_EQ(AllBytes(*a), AllBytes(*b));
}

// Large pictures: the sums no longer fit 32 bits, the colours must stay right.
TEST(Resampling, LargePicturesKeepTheirColours) {
  std::unique_ptr<TBitmap> src(NewBitmap24(4, 4));
  src->Canvas()->Brush.Color = RGB(255, 254, 253);
  src->Canvas()->FillRect(Rect(0, 0, 4, 4));
  // 2048 x 2048 brings the sums right up to 2^32; 2100 x 2100 past it.
  for (int side : {2048, 2100}) {
    std::unique_ptr<TBitmap> big(NewBitmap24(side, side));
    StretchBitmap(big.get(), src.get());
    EXPECT_EQ(big->PixelColor(0, 0), RGB(255, 254, 253)) << side;
    EXPECT_EQ(big->PixelColor(777, side - 1), RGB(255, 254, 253)) << side;
    EXPECT_EQ(big->PixelColor(side - 1, side / 2), RGB(255, 254, 253)) << side;
  }
}

// Rows repeated down a tall picture give the same row as a short one, whether
// the sums fit 32 bits (short) or not (tall).
TEST(Resampling, WideSumsAgreeWithNarrowOnes) {
  Row pattern;
  for (int i = 0; i < 37; ++i) pattern.push_back((i * 83) % 256);
  auto src = Grey(pattern, 3);
  std::unique_ptr<TBitmap> narrow(NewBitmap24(1001, 6)), wide(NewBitmap24(1001, 4400));
  StretchBitmap(narrow.get(), src.get());
  StretchBitmap(wide.get(), src.get());
  EXPECT_EQ(Channel(*wide, 0), Channel(*narrow, 0));
  EXPECT_EQ(Channel(*wide, 4399), Channel(*narrow, 5));

  Row longRow;
  for (int i = 0; i < 4200; ++i) longRow.push_back((i * 7919 / 13) % 256);
  auto tall = Grey(longRow, 4200);  // 17.6M pixels: 255 * that > 2^32
  auto flat = Grey(longRow, 2);
  std::unique_ptr<TBitmap> a(NewBitmap24(7, 5)), b(NewBitmap24(7, 1));
  StretchBitmap(a.get(), tall.get());
  StretchBitmap(b.get(), flat.get());
  EXPECT_EQ(Channel(*a, 0), Channel(*b, 0));
  EXPECT_EQ(Channel(*a, 4, 2), Channel(*b, 0, 2));
}

}  // namespace
