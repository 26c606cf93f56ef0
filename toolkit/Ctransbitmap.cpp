#include "toolkit/Ctransbitmap.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "toolkit/Loadcorrectbitmap.h"

// ---- bitmap utilities ----

namespace {

// Drops the content and makes the bitmap a device-independent one of the
// pixel format and width x height, filled with its canvas brush colour.
void Remake(TBitmap* b, TPixelFormat pf, int width, int height) {
  b->SetHeight(0);
  b->SetPixelFormat(pf);
  b->SetHandleType(bmDIB);
  b->SetWidth(width);
  b->SetHeight(height);
}

}  // namespace

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

void SetGreyPalette(TBitmap* bitmap) { bitmap->SetPalette(NewGreyPalette()); }

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
  SetGreyPalette(bitmap);
  Remake(bitmap, pf8bit, width, height);
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
  Remake(b.get(), pf24bit, width, height);
  return b.release();
}

void ResizeBitmap24(TBitmap* bitmap, int width, int height) { Remake(bitmap, pf24bit, width, height); }

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

// ---- transparent bitmaps ----

namespace {

// Code page 1250: "Błąd".
#define TW_BLAD "B\263\271d"

const char* const kErrorTexts[18] = {
    "CTransBitmap, " TW_BLAD ": berrUnknown",   "CTransBitmap, " TW_BLAD ": berrFileOpen",
    "CTransBitmap, " TW_BLAD ": berrFileCreate", "CTransBitmap, " TW_BLAD ": berrBroken",
    "CTransBitmap, " TW_BLAD ": berrUnknownType", "CTransBitmap, " TW_BLAD " berrLoad",
    "CTransBitmap, " TW_BLAD " berrSave",        "CTransBitmap, " TW_BLAD " berrSize",
    "CTransBitmap, " TW_BLAD " berrRead",        "CTransBitmap, " TW_BLAD " berrWrite",
    "CTransBitmap, " TW_BLAD " berrClose",       "CTransBitmap, " TW_BLAD " berrWidth",
    "CTransBitmap, " TW_BLAD " berrHeight",      "CTransBitmap, " TW_BLAD " berrFormat",
    "CTransBitmap, " TW_BLAD " berrEmpty",       "CTransBitmap, " TW_BLAD " berrBadIndex",
    "CTransBitmap, " TW_BLAD " berrPixelFormat", "CTransBitmap, " TW_BLAD " berrDifferentType",
};
const char* const kUnknownErrorText = "CTransBitmap, " TW_BLAD ": NIEZNANY!";

#undef TW_BLAD

}  // namespace

std::string TransBitmapErrorText(std::uint8_t code) {
  if (code >= 1 && code <= 18) return kErrorTexts[code - 1];
  return kUnknownErrorText;
}

std::string TransBitmapErrorMessage(std::uint8_t code, const std::string& fileName) {
  std::string text = TransBitmapErrorText(code);
  if (!fileName.empty()) text += ", Plik: " + fileName;
  return text;
}

ETransBitmap::ETransBitmap(std::uint8_t code) : Exception(TransBitmapErrorText(code)), Code(code) {}

ETransBitmap::ETransBitmap(std::uint8_t code, const std::string& fileName)
    : Exception(TransBitmapErrorMessage(code, fileName)), Code(code) {}

bool AlphaFromBlackWhite(TBitmap* black, TBitmap* white, TBitmap* colour, TBitmap* mask) {
  if (!black || !white || !colour || !mask) return false;
  if (black->Width() != white->Width() || black->Height() != white->Height()) return false;
  if (black->PixelFormat() != pf24bit || white->PixelFormat() != pf24bit) return false;
  const int w = black->Width(), h = black->Height();
  Remake(colour, pf24bit, w, h);
  Remake(mask, pf8bit, w, h);
  SetGreyPalette(mask);
  if (w == 0 || h == 0) return true;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* k = black->ScanLine(y);
    const std::uint8_t* wh = white->ScanLine(y);
    std::uint8_t* c = colour->ScanLine(y);
    std::uint8_t* m = mask->ScanLine(y);
    for (int x = 0; x < w; ++x, k += 3, wh += 3, c += 3) {
      // Opaque where the two renders agree (blue and green together, or red alone).
      if ((k[0] == wh[0] && k[1] == wh[1]) || k[2] == wh[2]) {
        c[0] = k[0];
        c[1] = k[1];
        c[2] = k[2];
        m[x] = 255;
        continue;
      }
      // The white render lies above the black one by 255 - alpha (blue byte).
      const int a = k[0] + 255 - wh[0];
      m[x] = std::uint8_t(a > 255 ? 255 : a);
      if (a == 0) {
        c[0] = c[1] = c[2] = 0;
      } else {
        for (int i = 0; i < 3; ++i) {
          const int v = k[i] * 255 / a;
          c[i] = std::uint8_t(v > 255 ? 255 : v);
        }
      }
    }
  }
  return true;
}

CTransBitmap::~CTransBitmap() {
  delete Colour;
  delete Mask;
  delete Cache;
}

void CTransBitmap::Clear() {
  delete Cache;
  Cache = nullptr;
  delete Colour;
  Colour = nullptr;
  delete Mask;
  Mask = nullptr;
}

void CTransBitmap::Assign(const CTransBitmap& source) {
  if (&source == this) return;
  delete Colour;
  Colour = nullptr;
  delete Mask;
  Mask = nullptr;
  delete Cache;
  Cache = nullptr;
  if (source.Colour) {
    auto b = std::make_unique<TBitmap>();
    b->Assign(source.Colour);
    Colour = b.release();
  }
  if (source.Mask) {
    auto b = std::make_unique<TBitmap>();
    b->Assign(source.Mask);
    Mask = b.release();
  }
}

void CTransBitmap::SetMask(TBitmap* mask) {
  if (mask != Mask) delete Mask;
  Mask = mask;
  if (!Mask) return;
  if (Mask->PixelFormat() != pf8bit) ToGrey8(Mask);
  if (Colour && (Mask->Width() != Colour->Width() || Mask->Height() != Colour->Height())) {
    // Area added by the new size is filled black: transparent.
    Mask->Canvas()->Brush.Color = clBlack;
    Mask->SetWidth(Colour->Width());
    Mask->SetHeight(Colour->Height());
  }
}

void CTransBitmap::CreateColourForMask() {
  if (!Mask) return;
  delete Colour;
  Colour = nullptr;
  Colour = NewBitmap24(Mask->Width(), Mask->Height());
}

void CTransBitmap::Create(int width, int height, std::uint8_t alpha) {
  delete Colour;
  Colour = nullptr;
  delete Mask;
  Mask = nullptr;
  Colour = NewBitmap24(width, height);
  Mask = NewGrey8Bitmap(Colour->Width(), Colour->Height(), alpha);
}

namespace {

// The checks shared by the pair loaders once both renders are read.
void CheckRenders(const TBitmap& black, const TBitmap& white) {
  if (black.Width() != white.Width() || black.Height() != white.Height()) throw ETransBitmap(berrSize);
  if (black.PixelFormat() != pf24bit || white.PixelFormat() != pf24bit) throw ETransBitmap(berrPixelFormat);
}

}  // namespace

namespace {

// Reads the two renders with read (any Exception of a file becomes berrLoad
// naming it), checks them and derives the object's colour and mask.
template <class Read>
void LoadRenders(CTransBitmap& t, const std::string& blackFile, const std::string& whiteFile, Read read) {
  auto black = std::make_unique<TBitmap>();
  auto white = std::make_unique<TBitmap>();
  auto readOne = [&read](TBitmap* bitmap, const std::string& file) {
    try {
      read(bitmap, file);
    } catch (const Exception& e) {
      ETransBitmap failed(berrLoad, file);
      failed.Detail = Diagnosis(e);  // why, for standard error
      throw failed;
    }
  };
  readOne(black.get(), blackFile);
  readOne(white.get(), whiteFile);
  CheckRenders(*black, *white);
  if (!t.Colour) t.Colour = new TBitmap;
  if (!t.Mask) t.Mask = new TBitmap;
  if (!AlphaFromBlackWhite(black.get(), white.get(), t.Colour, t.Mask)) throw ETransBitmap(berrFormat);
}

}  // namespace

void CTransBitmap::LoadBlackWhiteBmp(const std::string& blackFile, const std::string& whiteFile) {
  Clear();
  LoadRenders(*this, blackFile, whiteFile, LoadCorrectBitmap);
}

void CTransBitmap::LoadBlackWhiteJpeg(const std::string& blackFile, const std::string& whiteFile) {
  // A grey JPEG decodes as 8-bit and is refused by the checks; on any
  // failure the old pictures stay.
  LoadRenders(*this, blackFile, whiteFile, [](TBitmap* bitmap, const std::string& file) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(file);
    bitmap->Assign(&jpeg);
  });
}

std::uint8_t CTransBitmap::TryLoadBlackWhiteJpeg(const std::string& blackFile, const std::string& whiteFile) {
  try {
    LoadBlackWhiteJpeg(blackFile, whiteFile);
    return 0;
  } catch (const ETransBitmap& e) {
    ReportFailure(Diagnosis(e));
    return e.Code;
  } catch (const Exception& e) {
    ReportFailure(Diagnosis(e));
    return berrUnknown;
  }
}

// ---- alpha compositing ----
//
// Every blend runs row by row through one kernel made for the operands'
// layouts: destination and background of 3 or 4 bytes a pixel, the colour
// of the destination's layout or of 3 bytes under 4, the mask of 1, 3 or 4
// (its first byte counts). A background or colour in another layout is
// first copied into a scratch row of the destination's.

namespace {

bool IsColourFormat(const TBitmap* b) { return b->PixelFormat() == pf24bit || b->PixelFormat() == pf32bit; }
bool IsMaskFormat(const TBitmap* b) {
  return b->PixelFormat() == pf8bit || b->PixelFormat() == pf24bit || b->PixelFormat() == pf32bit;
}
int PixelStep(const TBitmap* b) {
  switch (b->PixelFormat()) {
    case pf8bit: return 1;
    case pf24bit: return 3;
    default: return 4;
  }
}

// One channel: from b toward c by |c - b| * w / 256, truncated toward b.
// Written without branches: the sign of c - b is unpredictable.
inline std::uint8_t BlendByte(int b, int c, int w) {
  const int diff = c - b;
  const int sign = diff >> 31;                         // 0 or -1
  const int step = (((diff ^ sign) - sign) * w) >> 8;  // |c - b| * w / 256, truncated
  return std::uint8_t(b + ((step ^ sign) - sign));
}

// The first three bytes of n pixels; the fourth byte of a 4-byte destination pixel is kept.
void CopyPixels(std::uint8_t* d, int dStep, const std::uint8_t* s, int sStep, int n) {
  if (d == s) return;
  if (dStep == 3 && sStep == 3) {
    std::memmove(d, s, std::size_t(n) * 3);
    return;
  }
  for (int i = 0; i < n; ++i, d += dStep, s += sStep) {
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
  }
}

// Rows of n pixels to blend: destination, background, colour and mask rows
// lying their pitch apart (a pitch of 0: the same row for all).
struct Rows {
  std::uint8_t* d;
  const std::uint8_t* b;
  const std::uint8_t* c;
  const std::uint8_t* m;
  std::ptrdiff_t dPitch, bPitch, cPitch, mPitch;
  int n, count;

  // The same for row k alone.
  Rows Row(int k) const {
    return {d + dPitch * k, b + bPitch * k, c + cPitch * k, m + mPitch * k, dPitch, bPitch, cPitch, mPitch, n, 1};
  }
};

// Blends the rows with the opacity.
using RowsKernel = void (*)(const Rows& rows, int opacity);

constexpr std::size_t kPrefetchedRow = 1024;  // bytes

// The destination row `ahead` bytes on, all at once, while this one is
// blended: a short row is done before the processor's own prefetching has
// found the next ones (a longer one is left to that, which then does
// better). Always inlined: a compiler may drop a call to a function that
// only prefetches, as one without effect.
__attribute__((always_inline)) inline void FetchRow(const std::uint8_t* d, std::size_t rowBytes, std::ptrdiff_t ahead) {
  if (rowBytes <= kPrefetchedRow)
    for (std::size_t o = 0; o < rowBytes; o += 64) __builtin_prefetch(d + ahead + o, 1);
}

// The rule itself, pixel by pixel. Weights 1 and 256 copy a pixel.
template <int S, int CS, int MS, bool Full>
void BlendRowScalar(std::uint8_t* d, const std::uint8_t* b, const std::uint8_t* c, const std::uint8_t* m, int n,
                    int opacity) {
  const unsigned op1 = unsigned(opacity) + 1;
  for (int i = 0; i < n; ++i, d += S, b += S, c += CS, m += MS) {
    const int w = int(Full ? m[0] + 1u : ((m[0] * op1) >> 8) + 1);
    if (w == 1) {
      if (d != b) {
        d[0] = b[0];
        d[1] = b[1];
        d[2] = b[2];
      }
    } else if (w == 256) {
      d[0] = c[0];
      d[1] = c[1];
      d[2] = c[2];
    } else {
      d[0] = BlendByte(b[0], c[0], w);
      d[1] = BlendByte(b[1], c[1], w);
      d[2] = BlendByte(b[2], c[2], w);
    }
  }
}

// The colour layout a kernel takes under a destination of step bytes a
// pixel: the destination's, or 3 bytes under 4. Any other is copied first.
int KernelColourStep(int step, int colourStep) { return step == 4 && colourStep == 3 ? 3 : step; }

// The kernels of one kind (S, CS, MS: bytes a pixel of the destination,
// colour and mask): S and CS 3 and 3, 4 and 4, 4 and 3; MS 1, 3 or 4;
// opacity below 255 or 255.
template <template <int, int, int, bool> class Kernel>
RowsKernel KernelFor(int step, int colourStep, int maskStep, bool full) {
  static constexpr RowsKernel kTable[3][3][2] = {
      {{Kernel<3, 3, 1, false>::row, Kernel<3, 3, 1, true>::row},
       {Kernel<3, 3, 3, false>::row, Kernel<3, 3, 3, true>::row},
       {Kernel<3, 3, 4, false>::row, Kernel<3, 3, 4, true>::row}},
      {{Kernel<4, 4, 1, false>::row, Kernel<4, 4, 1, true>::row},
       {Kernel<4, 4, 3, false>::row, Kernel<4, 4, 3, true>::row},
       {Kernel<4, 4, 4, false>::row, Kernel<4, 4, 4, true>::row}},
      {{Kernel<4, 3, 1, false>::row, Kernel<4, 3, 1, true>::row},
       {Kernel<4, 3, 3, false>::row, Kernel<4, 3, 3, true>::row},
       {Kernel<4, 3, 4, false>::row, Kernel<4, 3, 4, true>::row}},
  };
  const int layouts = step == 3 ? 0 : colourStep == 4 ? 1 : 2;
  return kTable[layouts][maskStep == 1 ? 0 : maskStep == 3 ? 1 : 2][full];
}

template <int S, int CS, int MS, bool Full>
void BlendRowsScalar(const Rows& r, int opacity) {
  for (int k = 0; k < r.count; ++k) {
    if (k + 2 < r.count) FetchRow(r.d + r.dPitch * k, std::size_t(r.n) * S, 2 * r.dPitch);
    BlendRowScalar<S, CS, MS, Full>(r.d + r.dPitch * k, r.b + r.bPitch * k, r.c + r.cPitch * k, r.m + r.mPitch * k,
                                    r.n, opacity);
  }
}

template <int S, int CS, int MS, bool Full>
struct ScalarKernel {
  static constexpr RowsKernel row = BlendRowsScalar<S, CS, MS, Full>;
};

BlendLoops g_loops = BlendLoops::Avx512;  // as far as the processor has them

}  // namespace

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Byte shuffles that spread 32 per-pixel weights over the bytes of 32
// pixels. A 256-bit shuffle picks within each 128-bit half, so each control
// is applied to a register holding the right 16 weights in each half.
struct alignas(32) Control {
  std::uint8_t b[32];
};

// 24-bit: vector v (0..2) holds bytes 32v..32v+31; its halves read weights
// 0..15 and 0..15 (v = 0), 0..15 and 16..31 (v = 1), 16..31 and 16..31 (v = 2).
constexpr Control Spread24(int v) {
  Control c{};
  for (int p = 0; p < 32; ++p) {
    const int pixel = (32 * v + p) / 3;
    const int half = p / 16;
    const int base = (v == 0 || (v == 1 && half == 0)) ? 0 : 16;
    c.b[p] = std::uint8_t(pixel - base);
  }
  return c;
}

// 32-bit: vector v (0..3) holds pixels 8v..8v+7; vectors 0 and 1 read weights
// 0..15 in both halves, vectors 2 and 3 weights 16..31. The fourth byte of
// a pixel reads 0 (the shuffle's high bit): weight 1, the background's byte.
constexpr Control Spread32(int v) {
  Control c{};
  for (int p = 0; p < 32; ++p) {
    const int pixel = 8 * v + p / 4;
    c.b[p] = p % 4 == 3 ? 0x80 : std::uint8_t(pixel - (v < 2 ? 0 : 16));
  }
  return c;
}

constexpr Control kSpread24[3] = {Spread24(0), Spread24(1), Spread24(2)};
constexpr Control kSpread32[2] = {Spread32(0), Spread32(1)};

// Byte permutes over 64 bytes (16 pixels of 4 bytes, AVX-512 VBMI): byte q
// reads the first byte of pixel q / 4 of a mask of MS bytes a pixel, or byte
// q % 4 of pixel q / 4 of a 3-byte colour (the fourth byte, never stored, its first).
struct alignas(64) Control64 {
  std::uint8_t b[64];
};

constexpr Control64 SpreadMask16(int ms) {
  Control64 c{};
  for (int q = 0; q < 64; ++q) c.b[q] = std::uint8_t(q / 4 * ms);
  return c;
}

constexpr Control64 SpreadColour16() {
  Control64 c{};
  for (int q = 0; q < 64; ++q) c.b[q] = std::uint8_t(q / 4 * 3 + (q % 4 == 3 ? 0 : q % 4));
  return c;
}

constexpr Control64 kMaskSpread16[3] = {SpreadMask16(1), SpreadMask16(3), SpreadMask16(4)};
constexpr Control64 kColourSpread16 = SpreadColour16();

#define TW_VECTOR __attribute__((target("avx2")))
#define TW_VECTOR_INLINE __attribute__((target("avx2"), always_inline)) inline
namespace avx2 {
#include "toolkit/Blendloops.inc"
}  // namespace avx2
#undef TW_VECTOR_INLINE
#undef TW_VECTOR

#define TW_VECTOR __attribute__((target("avx2,avx512bw,avx512vl,avx512vbmi")))
#define TW_VECTOR_INLINE __attribute__((target("avx2,avx512bw,avx512vl,avx512vbmi"), always_inline)) inline
namespace avx512 {
#include "toolkit/Blendloops.inc"
#include "toolkit/Blendloops512.inc"
}  // namespace avx512
#undef TW_VECTOR_INLINE
#undef TW_VECTOR

BlendLoops CpuBlendLoops() {
  __builtin_cpu_init();
  if (!__builtin_cpu_supports("avx2")) return BlendLoops::Plain;
  // Byte permutes too. Processors without them (the first with AVX-512)
  // also lower their clock for 512-bit work: they take the AVX2 loops.
  if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
      __builtin_cpu_supports("avx512vbmi"))
    return BlendLoops::Avx512;
  return BlendLoops::Avx2;
}

RowsKernel VectorKernel(BlendLoops loops, int step, int colourStep, int maskStep, bool full) {
  if (loops == BlendLoops::Avx512) return KernelFor<avx512::WideKernel>(step, colourStep, maskStep, full);
  return KernelFor<avx2::VectorKernel>(step, colourStep, maskStep, full);
}

}  // namespace

#else

namespace {
BlendLoops CpuBlendLoops() { return BlendLoops::Plain; }
RowsKernel VectorKernel(BlendLoops, int, int, int, bool) { return nullptr; }
}  // namespace

#endif

BlendLoops BestBlendLoops() {
  static const BlendLoops best = CpuBlendLoops();
  return best;
}

void UseBlendLoops(BlendLoops loops) { g_loops = loops; }

namespace {

RowsKernel PickKernel(int step, int colourStep, int maskStep, int opacity) {
  const bool full = opacity == 255;
  const BlendLoops loops = std::min(g_loops, BestBlendLoops());
  if (loops != BlendLoops::Plain) return VectorKernel(loops, step, colourStep, maskStep, full);
  return KernelFor<ScalarKernel>(step, colourStep, maskStep, full);
}

// One blend over a range of picture pixels: columns i0..i1-1, rows j0..j1-1.
// Picture pixel (i, j) is colour and mask pixel (i, j) (or the tint colour),
// background pixel (bx + i, by + j) and destination pixel (dx + i, dy + j).
// The caller has checked every format and clipped the range to all operands.
struct BlendJob {
  TBitmap* dst = nullptr;
  std::int64_t dx = 0, dy = 0;
  TBitmap* bg = nullptr;
  std::int64_t bx = 0, by = 0;
  TBitmap* colour = nullptr;  // null: the tint colour
  std::uint8_t tint[3] = {0, 0, 0};
  TBitmap* mask = nullptr;
  int i0 = 0, i1 = 0, j0 = 0, j1 = 0;
  int opacity = 255;  // 0..255
};

void RunBlend(const BlendJob& job) {
  const int n = job.i1 - job.i0;
  const int step = PixelStep(job.dst);
  const int bgStep = PixelStep(job.bg);
  const int dCol = int(job.dx + job.i0), bCol = int(job.bx + job.i0);

  if (job.opacity == 0) {  // the background, colour and mask unread
    for (int j = job.j0; j < job.j1; ++j)
      CopyPixels(job.dst->ScanLine(int(job.dy + j)) + std::size_t(dCol) * step, step,
                 job.bg->ScanLine(int(job.by + j)) + std::size_t(bCol) * bgStep, bgStep, n);
    return;
  }

  const int colourStep = job.colour ? PixelStep(job.colour) : step;
  const int kernelColourStep = KernelColourStep(step, colourStep);
  const int maskStep = PixelStep(job.mask);
  std::vector<std::uint8_t> bgRow(bgStep != step ? std::size_t(n) * step : 0);
  std::vector<std::uint8_t> colourRow(!job.colour || colourStep != kernelColourStep ? std::size_t(n) * step : 0);
  if (!job.colour)
    for (int i = 0; i < n; ++i) std::memcpy(&colourRow[std::size_t(i) * step], job.tint, 3);

  // Rows lie a whole number of bytes apart, top-down.
  std::uint8_t* const dTop = job.dst->ScanLine(int(job.dy + job.j0)) + std::size_t(dCol) * step;
  const std::uint8_t* const bTop = job.bg->ScanLine(int(job.by + job.j0)) + std::size_t(bCol) * bgStep;
  const std::uint8_t* const mTop = job.mask->ScanLine(job.j0) + std::size_t(job.i0) * maskStep;
  const std::uint8_t* const cTop =
      job.colour ? job.colour->ScanLine(job.j0) + std::size_t(job.i0) * colourStep : nullptr;
  const std::ptrdiff_t dPitch = job.dst->RowBytes(), bPitch = job.bg->RowBytes(), mPitch = job.mask->RowBytes();
  const std::ptrdiff_t cPitch = job.colour ? job.colour->RowBytes() : 0;

  const RowsKernel kernel = PickKernel(step, kernelColourStep, maskStep, job.opacity);
  const int rows = job.j1 - job.j0;
  Rows all{dTop, bTop, cTop, mTop, dPitch, bPitch, cPitch, mPitch, n, rows};
  if (!job.colour) {  // the tint's row for every row
    all.c = colourRow.data();
    all.cPitch = 0;
  }
  const bool copyColour = job.colour && colourStep != kernelColourStep;
  if (bgStep == step && !copyColour) {
    kernel(all, job.opacity);
    return;
  }
  // Row by row through copies in the loops' layout.
  for (int k = 0; k < rows; ++k) {
    Rows row = all.Row(k);
    if (copyColour) {
      CopyPixels(colourRow.data(), step, row.c, colourStep, n);
      row.c = colourRow.data();
    }
    if (bgStep != step) {
      CopyPixels(bgRow.data(), step, row.b, bgStep, n);
      row.b = bgRow.data();
    }
    if (k + 2 < rows) FetchRow(row.d, std::size_t(n) * step, 2 * dPitch);
    kernel(row, job.opacity);
  }
}

// Blends the picture (colour or, when it is null, the tint through the
// mask) into the destination at (x, y) over the background at (bgx, bgy):
// picture pixels within the mask, the clip (when given), the destination
// and the background. The caller has checked every format.
void Blend(TBitmap* destination, int x, int y, TBitmap* background, int bgx, int bgy, TBitmap* colour,
           const std::uint8_t* tint, TBitmap* mask, const TRect* clip, int opacity) {
  const std::int64_t X = x, Y = y, BX = bgx, BY = bgy;
  std::int64_t i0 = std::max({std::int64_t(0), -X, -BX});
  std::int64_t i1 = std::min({std::int64_t(mask->Width()), destination->Width() - X, background->Width() - BX});
  std::int64_t j0 = std::max({std::int64_t(0), -Y, -BY});
  std::int64_t j1 = std::min({std::int64_t(mask->Height()), destination->Height() - Y, background->Height() - BY});
  if (clip) {
    i0 = std::max(i0, std::int64_t(clip->left));
    i1 = std::min(i1, std::int64_t(clip->right));
    j0 = std::max(j0, std::int64_t(clip->top));
    j1 = std::min(j1, std::int64_t(clip->bottom));
  }
  if (i0 >= i1 || j0 >= j1) return;

  BlendJob job;
  job.dst = destination;
  job.dx = X;
  job.dy = Y;
  job.bg = background;
  job.bx = BX;
  job.by = BY;
  job.colour = colour;
  if (tint) std::memcpy(job.tint, tint, 3);
  job.mask = mask;
  job.i0 = int(i0);
  job.i1 = int(i1);
  job.j0 = int(j0);
  job.j1 = int(j1);
  job.opacity = std::clamp(opacity, 0, 255);
  RunBlend(job);
}

// A bitmap never given a pixel format is made 24-bit.
void UndoDeviceFormat(TBitmap* b) {
  if (b && b->PixelFormat() == pfDevice) b->SetPixelFormat(pf24bit);
}

}  // namespace

void Composite(TBitmap* destination, int x, int y, TBitmap* colour, TBitmap* mask, const TRect* clip,
               TBitmap* background, int bgx, int bgy, int opacity) {
  UndoDeviceFormat(destination);
  UndoDeviceFormat(background);
  if (!destination || !background || !colour || !mask || !clip) return;
  if (colour->Width() != mask->Width() || colour->Height() != mask->Height()) return;
  if (!IsColourFormat(destination) || !IsColourFormat(colour) || !IsColourFormat(background) || !IsMaskFormat(mask))
    return;
  if (destination->HandleType() != bmDIB) destination->SetHandleType(bmDIB);

  Blend(destination, x, y, background, bgx, bgy, colour, nullptr, mask, clip, opacity);
}

void TintThroughMask(TBitmap* destination, int x, int y, TBitmap* mask, TColor colour, TBitmap* background, int bgx,
                     int bgy, int opacity) {
  if (opacity < 1) return;
  UndoDeviceFormat(destination);
  UndoDeviceFormat(background);
  if (!destination || !background || !mask) return;
  if (!IsColourFormat(destination) || !IsColourFormat(background) || !IsMaskFormat(mask)) return;
  if (destination->HandleType() != bmDIB) destination->SetHandleType(bmDIB);

  const std::uint8_t tint[3] = {GetBValue(colour), GetGValue(colour), GetRValue(colour)};
  Blend(destination, x, y, background, bgx, bgy, nullptr, tint, mask, nullptr, opacity);
}

void CTransBitmap::Compose(TBitmap* colour, TBitmap* mask, TBitmap* background, int bgx, int bgy, int opacity) {
  if (!background || !colour || !mask) return;
  if (!IsColourFormat(background)) return;
  // The colour and mask are read only when their rows hold what the loops
  // expect: a 24- or 32-bit colour, a mask of 8, 24 or 32 bits of its size.
  if (!IsColourFormat(colour) || !IsMaskFormat(mask)) return;
  if (mask->Width() != colour->Width() || mask->Height() != colour->Height()) return;

  const int w = colour->Width(), h = colour->Height();
  if (!Cache || Cache->PixelFormat() != pf24bit || Cache->Width() != w || Cache->Height() != h)
    EnsureBitmap24(Cache, w, h);

  Blend(Cache, 0, 0, background, bgx, bgy, colour, nullptr, mask, nullptr, opacity);
}

void CTransBitmap::ComposeOverCanvas(TCanvas* canvas, int x, int y, int opacity) {
  if (!Colour || !Mask) return;
  const int w = Colour->Width(), h = Colour->Height();
  auto under = std::make_unique<TBitmap>();
  under->SetPixelFormat(pf32bit);
  under->SetHandleType(bmDIB);
  under->Canvas()->Brush.Color = clBlack;  // what lies outside the canvas reads as black
  under->SetWidth(w);
  under->SetHeight(h);
  if (canvas) under->Canvas()->CopyRect(Rect(0, 0, w, h), canvas, Rect(x, y, x + w, y + h));
  Compose(Colour, Mask, under.get(), 0, 0, opacity);
}

void CTransBitmap::Draw(TCanvas* canvas, int x, int y, int opacity, bool freeCache) {
  ComposeOverCanvas(canvas, x, y, opacity);
  if (canvas && Cache) canvas->Draw(x, y, Cache);
  if (freeCache && Cache) {
    delete Cache;
    Cache = nullptr;
  }
}
