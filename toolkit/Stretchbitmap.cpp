#include "toolkit/Stretchbitmap.h"

#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

namespace {

// Sums are formed in 32 bits when the largest possible sum fits, otherwise in
// 64 bits; both give the same pixels.
bool FitsIn32(std::uint64_t a, std::uint64_t b) {
  return b == 0 || 255u * a <= std::numeric_limits<std::uint32_t>::max() / b;
}

// Truncating division by a divisor fixed for a whole picture, as a multiply:
// with m = floor(2^64 / d) + 1 the high half of n * m is n / d exactly
// whenever n * d < 2^64, which holds on the 32-bit paths (n, d < 2^32).
class Divide32 {
 public:
  explicit Divide32(std::uint32_t d) : m_(~std::uint64_t(0) / d + 1) {}  // d >= 2
  std::uint32_t operator()(std::uint32_t n) const {
    return std::uint32_t((static_cast<unsigned __int128>(n) * m_) >> 64);
  }

 private:
  std::uint64_t m_;
};

// Plain division where the sums need 64 bits.
class Divide64 {
 public:
  explicit Divide64(std::uint64_t d) : d_(d) {}
  std::uint64_t operator()(std::uint64_t n) const { return n / d_; }

 private:
  std::uint64_t d_;
};

template <class Acc>
using DivideBy = std::conditional_t<sizeof(Acc) == 4, Divide32, Divide64>;

void To24(TBitmap* dst, TBitmap* src) {
  if (dst->PixelFormat() != pf24bit) dst->SetPixelFormat(pf24bit);
  if (dst->HandleType() == bmDDB) dst->SetHandleType(bmDIB);
  if (src->PixelFormat() != pf24bit) src->SetPixelFormat(pf24bit);
}

// ---- bilinear ----

// The pair of source pixels j, j + 1 a destination index reads and their
// weights. All weights are given over the one denominator 2d: the edge entries
// (weights 1 and 0 over 1) are scaled up to it, which leaves every quotient
// unchanged and lets a pixel be divided by one constant.
struct LinearTap {
  int j;
  std::uint32_t w0, w1;
};

std::vector<LinearTap> LinearTaps(int s, int d) {
  std::vector<LinearTap> taps(static_cast<std::size_t>(d));
  const std::int64_t d2 = 2 * std::int64_t(d);
  for (int i = 0; i < d; ++i) {
    const std::int64_t c = (2 * std::int64_t(i) + 1) * s;
    std::int64_t j = (c + d) / d2 - 1;
    LinearTap& t = taps[std::size_t(i)];
    if (j < 0) {
      t = {0, std::uint32_t(d2), 0};
    } else if (j == s - 1) {
      t = {s - 2, 0, std::uint32_t(d2)};
    } else {
      const std::int64_t e = c - (2 * j + 1) * d;
      t = {int(j), std::uint32_t(d2 - e), std::uint32_t(e)};
    }
  }
  return taps;
}

template <class Acc>
void Bilinear(TBitmap* dst, const TBitmap* src) {
  const int dw = dst->Width(), dh = dst->Height();
  const std::vector<LinearTap> cols = LinearTaps(src->Width(), dw);
  const std::vector<LinearTap> rows = LinearTaps(src->Height(), dh);
  const DivideBy<Acc> divide(Acc(2 * Acc(dw)) * Acc(2 * Acc(dh)));
  for (int y = 0; y < dh; ++y) {
    const LinearTap& ry = rows[std::size_t(y)];
    const std::uint8_t* s0 = src->ScanLine(ry.j);
    const std::uint8_t* s1 = src->ScanLine(ry.j + 1);
    std::uint8_t* d = dst->ScanLine(y);
    for (int x = 0; x < dw; ++x, d += 3) {
      const LinearTap& cx = cols[std::size_t(x)];
      const Acc w00 = Acc(cx.w0) * ry.w0, w10 = Acc(cx.w1) * ry.w0;
      const Acc w01 = Acc(cx.w0) * ry.w1, w11 = Acc(cx.w1) * ry.w1;
      const std::uint8_t* p = s0 + 3 * std::size_t(cx.j);
      const std::uint8_t* q = s1 + 3 * std::size_t(cx.j);
      for (int c = 0; c < 3; ++c)
        d[c] = std::uint8_t(divide(p[c] * w00 + p[c + 3] * w10 + q[c] * w01 + q[c + 3] * w11));
    }
  }
}

// ---- box ----

// The source pixels first..last a destination index covers; those strictly
// between have the full weight d.
struct BoxTap {
  int first, last;
  std::uint32_t wFirst, wLast;
};

std::vector<BoxTap> BoxTaps(int s, int d) {
  std::vector<BoxTap> taps(static_cast<std::size_t>(d));
  for (int i = 0; i < d; ++i) {
    const std::int64_t lo = std::int64_t(i) * s, hi = (std::int64_t(i) + 1) * s;
    const std::int64_t first = lo / d, last = (hi - 1) / d;
    taps[std::size_t(i)] = {int(first), int(last), std::uint32_t((first + 1) * d - lo), std::uint32_t(hi - last * d)};
  }
  return taps;
}

template <class Acc>
void Box(TBitmap* dst, const TBitmap* src) {
  const int dw = dst->Width(), dh = dst->Height(), sw = src->Width(), sh = src->Height();
  const std::vector<BoxTap> cols = BoxTaps(sw, dw);
  const std::vector<BoxTap> rows = BoxTaps(sh, dh);
  const DivideBy<Acc> divide(Acc(sw) * Acc(sh));
  std::vector<Acc> acc(3 * std::size_t(dw));
  for (int y = 0; y < dh; ++y) {
    const BoxTap& ry = rows[std::size_t(y)];
    std::fill(acc.begin(), acc.end(), Acc(0));
    for (int r = ry.first; r <= ry.last; ++r) {
      const Acc wr = r == ry.first ? ry.wFirst : r == ry.last ? ry.wLast : std::uint32_t(dh);
      const std::uint8_t* s = src->ScanLine(r);
      Acc* a = acc.data();
      for (int x = 0; x < dw; ++x, a += 3) {
        const BoxTap& cx = cols[std::size_t(x)];
        const std::uint8_t* p = s + 3 * std::size_t(cx.first);
        Acc h[3] = {Acc(p[0]) * cx.wFirst, Acc(p[1]) * cx.wFirst, Acc(p[2]) * cx.wFirst};
        Acc mid[3] = {0, 0, 0};
        for (int k = cx.first + 1; k < cx.last; ++k) {
          p += 3;
          mid[0] += p[0];
          mid[1] += p[1];
          mid[2] += p[2];
        }
        p = s + 3 * std::size_t(cx.last);
        for (int c = 0; c < 3; ++c) a[c] += (h[c] + mid[c] * Acc(dw) + Acc(p[c]) * cx.wLast) * wr;
      }
    }
    std::uint8_t* d = dst->ScanLine(y);
    for (std::size_t i = 0; i < acc.size(); ++i) d[i] = std::uint8_t(divide(acc[i]));
  }
}

}  // namespace

void StretchBitmap(TBitmap* dst, TBitmap* src) {
  if (!dst || !src) return;
  const int dw = dst->Width(), dh = dst->Height(), sw = src->Width(), sh = src->Height();
  if ((sw + 1) / 2 > dw || (sh + 1) / 2 > dh) {
    ShrinkBitmap(dst, src);
    return;
  }
  if (dw < 2 || dh < 2 || sw < 2 || sh < 2) {
    if ((dw == 1 || dh == 1) && sw > dw && sh > dh) ShrinkBitmap(dst, src);
    return;
  }
  To24(dst, src);
  if (FitsIn32(2 * std::uint64_t(dw), 2 * std::uint64_t(dh))) Bilinear<std::uint32_t>(dst, src);
  else Bilinear<std::uint64_t>(dst, src);
}

void ShrinkBitmap(TBitmap* dst, TBitmap* src) {
  if (!dst || !src) return;
  const int dw = dst->Width(), dh = dst->Height(), sw = src->Width(), sh = src->Height();
  if (dw < 1 || dh < 1 || sw < 2 || sh < 2) return;
  if (dw < sw && dh < sh) {
    To24(dst, src);
    if (FitsIn32(std::uint64_t(sw), std::uint64_t(sh))) Box<std::uint32_t>(dst, src);
    else Box<std::uint64_t>(dst, src);
    return;
  }
  if (dw >= sw && dh >= sh) StretchBitmap(dst, src);
  // Smaller in one direction only: left as it is.
}
