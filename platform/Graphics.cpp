#include "platform/Graphics.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/Jpeg.h"
#include "platform/PixelCodec.h"
#include "platform/SysUtils.h"

namespace pixel {

namespace {
const BGR kVga[16] = {
    {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
    {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};

bool IsGreyRamp(const TPaletteObject* p) {
  if (!p || p->entries.size() != 256) return false;
  for (int i = 0; i < 256; ++i) {
    const auto& e = p->entries[std::size_t(i)];
    if (e.peRed != i || e.peGreen != i || e.peBlue != i) return false;
  }
  return true;
}
}  // namespace

bool SameColours(const TPaletteObject* a, const TPaletteObject* b) {
  if (a == b) return true;
  // Without a palette an 8-bit index is a grey level, as with the grey ramp.
  const bool greyA = !a || IsGreyRamp(a), greyB = !b || IsGreyRamp(b);
  if (greyA || greyB) return greyA && greyB;
  if (a->entries.size() != b->entries.size()) return false;
  for (std::size_t i = 0; i < a->entries.size(); ++i) {
    const TPaletteEntry &x = a->entries[i], &y = b->entries[i];
    if (x.peRed != y.peRed || x.peGreen != y.peGreen || x.peBlue != y.peBlue) return false;
  }
  return true;
}

Codec::Codec(TPixelFormat pf, const TPaletteObject* palette) : pf_(pf), pal_(palette) {
  greyRamp_ = pf == pf8bit && (palette == nullptr || IsGreyRamp(palette));
}

BGR Codec::Entry(std::uint32_t index) const {
  if (pal_) {
    if (index < pal_->entries.size()) {
      const auto& e = pal_->entries[index];
      return BGR{e.peBlue, e.peGreen, e.peRed};
    }
    return BGR{};
  }
  switch (pf_) {
    case pf1bit: return index ? BGR{255, 255, 255} : BGR{};
    case pf4bit: return kVga[index & 15];
    default: return BGR{std::uint8_t(index), std::uint8_t(index), std::uint8_t(index)};
  }
}

std::uint32_t Codec::Encode(BGR p) const {
  switch (pf_) {
    case pf15bit: return std::uint32_t((p.b >> 3) | ((p.g >> 3) << 5) | ((p.r >> 3) << 10));
    case pf16bit: return std::uint32_t((p.b >> 3) | ((p.g >> 2) << 5) | ((p.r >> 3) << 11));
    case pf24bit:
    case pf32bit:
    case pfDevice:
    case pfCustom: return std::uint32_t(p.b | (p.g << 8) | (p.r << 16));
    default: break;
  }
  if (greyRamp_) return std::uint32_t((p.r + p.g + p.b + 1) / 3);
  int count = pal_ ? int(pal_->entries.size()) : (pf_ == pf1bit ? 2 : pf_ == pf4bit ? 16 : 256);
  int maxIndex = pf_ == pf1bit ? 1 : pf_ == pf4bit ? 15 : 255;
  count = std::min(count, maxIndex + 1);
  std::uint32_t best = 0;
  long bestD = -1;
  for (int i = 0; i < count; ++i) {
    BGR e = Entry(std::uint32_t(i));
    long d = long(e.b - p.b) * (e.b - p.b) + long(e.g - p.g) * (e.g - p.g) + long(e.r - p.r) * (e.r - p.r);
    if (bestD < 0 || d < bestD) { bestD = d; best = std::uint32_t(i); }
    if (d == 0) break;
  }
  return best;
}

BGR Codec::Decode(std::uint32_t raw) const {
  switch (pf_) {
    case pf15bit: {
      auto x5 = [](std::uint32_t v) { return std::uint8_t((v << 3) | (v >> 2)); };
      return BGR{x5(raw & 31), x5((raw >> 5) & 31), x5((raw >> 10) & 31)};
    }
    case pf16bit: {
      auto x5 = [](std::uint32_t v) { return std::uint8_t((v << 3) | (v >> 2)); };
      auto x6 = [](std::uint32_t v) { return std::uint8_t((v << 2) | (v >> 4)); };
      return BGR{x5(raw & 31), x6((raw >> 5) & 63), x5((raw >> 11) & 31)};
    }
    case pf24bit:
    case pf32bit:
    case pfDevice:
    case pfCustom: return BGR{std::uint8_t(raw), std::uint8_t(raw >> 8), std::uint8_t(raw >> 16)};
    default: return Entry(raw);
  }
}

std::uint32_t Codec::Get(const std::uint8_t* row, int x) const {
  switch (pf_) {
    case pf1bit: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case pf4bit: return (x & 1) ? (row[x >> 1] & 15) : (row[x >> 1] >> 4);
    case pf8bit: return row[x];
    case pf15bit:
    case pf16bit: return std::uint32_t(row[2 * x] | (row[2 * x + 1] << 8));
    case pf24bit: {
      const std::uint8_t* p = row + 3 * x;
      return std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16));
    }
    default: {
      const std::uint8_t* p = row + 4 * x;
      return std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16));
    }
  }
}

void Codec::Put(std::uint8_t* row, int x, std::uint32_t raw) const {
  switch (pf_) {
    case pf1bit: {
      std::uint8_t bit = std::uint8_t(0x80 >> (x & 7));
      row[x >> 3] = (raw & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      return;
    }
    case pf4bit:
      if (x & 1) row[x >> 1] = std::uint8_t((row[x >> 1] & 0xF0) | (raw & 15));
      else row[x >> 1] = std::uint8_t((row[x >> 1] & 0x0F) | ((raw & 15) << 4));
      return;
    case pf8bit: row[x] = std::uint8_t(raw); return;
    case pf15bit:
    case pf16bit:
      row[2 * x] = std::uint8_t(raw);
      row[2 * x + 1] = std::uint8_t(raw >> 8);
      return;
    case pf24bit: {
      std::uint8_t* p = row + 3 * x;
      p[0] = std::uint8_t(raw); p[1] = std::uint8_t(raw >> 8); p[2] = std::uint8_t(raw >> 16);
      return;
    }
    default: {
      std::uint8_t* p = row + 4 * x;
      p[0] = std::uint8_t(raw); p[1] = std::uint8_t(raw >> 8); p[2] = std::uint8_t(raw >> 16);
      return;
    }
  }
}

}  // namespace pixel

using pixel::BGR;
using pixel::Codec;

HPALETTE CreatePalette(const TLogPalette* lp) {
  auto* p = new TPaletteObject;
  int n = std::min<int>(lp->palNumEntries, 256);
  p->entries.assign(lp->palPalEntry, lp->palPalEntry + n);
  return p;
}

void DeletePalette(HPALETTE p) { delete p; }

HPALETTE NewGreyPalette() {
  auto* p = new TPaletteObject;
  p->entries.resize(256);
  for (int i = 0; i < 256; ++i) p->entries[std::size_t(i)] = TPaletteEntry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
  return p;
}

int BitsPerPixel(TPixelFormat pf) {
  switch (pf) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

// ---- TBitmap ----

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return canvas_.get();
}

TColor TBitmap::FillColor() const { return canvas_ ? canvas_->Brush.Color : clWhite; }

void TBitmap::Reallocate(int w, int h, TPixelFormat pf, bool keep, TColor fill) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (w == 0 || h == 0) {
    bits_.clear();
    bits_.shrink_to_fit();
    width_ = w;
    height_ = h;
    pixelFormat_ = pf;
    stride_ = int(((std::int64_t(w) * BitsPerPixel(pf) + 31) / 32) * 4);
    return;
  }
  std::int64_t stride = ((std::int64_t(w) * BitsPerPixel(pf) + 31) / 32) * 4;
  std::int64_t total = stride * h;
  if (w > 65536 || h > 65536 || total > (std::int64_t(1) << 30)) throw EOutOfResources("Out of system resources");
  std::vector<std::uint8_t> bits;
  try {
    bits.resize(std::size_t(total));
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of system resources");
  }
  // Fill the first row with the brush colour, then repeat it.
  Codec codec(pf, palette_.get());
  std::uint32_t raw = codec.Encode(pixel::FromColor(fill));
  for (int x = 0; x < w; ++x) codec.Put(bits.data(), x, raw);
  for (int y = 1; y < h; ++y) std::memcpy(bits.data() + stride * y, bits.data(), std::size_t(stride));

  if (keep && !bits_.empty() && pf == pixelFormat_) {
    int cw = std::min(w, width_), ch = std::min(h, height_);
    std::size_t rowBytes = std::size_t((std::int64_t(cw) * BitsPerPixel(pf) + 7) / 8);
    bool partialByte = (std::int64_t(cw) * BitsPerPixel(pf)) % 8 != 0;
    for (int y = 0; y < ch; ++y) {
      if (!partialByte) {
        std::memcpy(bits.data() + stride * y, bits_.data() + std::int64_t(stride_) * y, rowBytes);
      } else {
        Codec c(pf, palette_.get());
        for (int x = 0; x < cw; ++x)
          c.Put(bits.data() + stride * y, x, c.Get(bits_.data() + std::int64_t(stride_) * y, x));
      }
    }
  }
  bits_ = std::move(bits);
  width_ = w;
  height_ = h;
  stride_ = int(stride);
  pixelFormat_ = pf;
}

void TBitmap::SetSize(int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (w == width_ && h == height_) return;
  Reallocate(w, h, pixelFormat_, true, FillColor());
}

void TBitmap::SetPixelFormat(TPixelFormat pf) {
  if (pf == pixelFormat_ || pf == pfCustom) return;
  if (width_ == 0 || height_ == 0) {
    pixelFormat_ = pf;
    stride_ = int(((std::int64_t(width_) * BitsPerPixel(pf) + 31) / 32) * 4);
    return;
  }
  TBitmap old;
  old.width_ = width_;
  old.height_ = height_;
  old.stride_ = stride_;
  old.pixelFormat_ = pixelFormat_;
  old.bits_.swap(bits_);
  Codec from(pixelFormat_, palette_.get());
  Reallocate(width_, height_, pf, false, clBlack);
  Codec to(pf, palette_.get());
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = old.ScanLine(y);
    std::uint8_t* d = ScanLine(y);
    for (int x = 0; x < width_; ++x) to.Put(d, x, to.Encode(from.Decode(from.Get(s, x))));
  }
}

void TBitmap::SetPalette(HPALETTE p) {
  palette_.reset(p);
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_ || bits_.empty()) throw EInvalidGraphic("Scan line index out of range");
  return bits_.data() + std::int64_t(stride_) * y;
}

const std::uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

void TBitmap::Assign(const TPersistent* source) {
  if (source == nullptr) {
    Reallocate(0, 0, pixelFormat_, false, clWhite);
    return;
  }
  if (auto b = dynamic_cast<const TBitmap*>(source)) {
    if (b == this) return;
    width_ = b->width_;
    height_ = b->height_;
    stride_ = b->stride_;
    pixelFormat_ = b->pixelFormat_;
    handleType_ = b->handleType_;
    bits_ = b->bits_;
    palette_.reset(b->palette_ ? new TPaletteObject(*b->palette_) : nullptr);
    return;
  }
  if (auto j = dynamic_cast<const TJPEGImage*>(source)) {
    Assign(&j->Bitmap());
    handleType_ = bmDIB;
    return;
  }
  TGraphic::Assign(source);
}

void TBitmap::Exchange(TBitmap& other) {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(stride_, other.stride_);
  std::swap(pixelFormat_, other.pixelFormat_);
  std::swap(handleType_, other.handleType_);
  bits_.swap(other.bits_);
  palette_.swap(other.palette_);
}

void TBitmap::DrawOn(TCanvas& canvas, int x, int y) const {
  canvas.CopyRect(Bounds(x, y, width_, height_), const_cast<TBitmap*>(this)->Canvas(), Rect(0, 0, width_, height_));
}

TColor TBitmap::PixelColor(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  Codec c(pixelFormat_, palette_.get());
  return pixel::ToColor(c.Decode(c.Get(ScanLine(y), x)));
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  TMemoryStream m;
  m.LoadFromFile(fileName, kMaxPictureFileBytes);
  NamingFileInErrors(fileName, [&] { LoadFromMemory(m.Memory(), std::size_t(m.Size())); });
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  TFileStream f(fileName, fmCreate);
  SaveToStream(&f);
}

// ---- TCanvas ----

namespace {

inline std::uint32_t ApplyRop(TCopyMode mode, std::uint32_t d, std::uint32_t s, std::uint32_t white) {
  switch (mode) {
    case cmSrcPaint: return d | s;
    case cmSrcAnd: return d & s;
    case cmSrcInvert: return d ^ s;
    case cmBlackness: return 0;
    case cmWhiteness: return white;
    default: return s;
  }
}

bool Direct(TPixelFormat pf) { return pf == pf24bit || pf == pf32bit || pf == pfDevice; }
int BytesPerPixel(TPixelFormat pf) { return pf == pf24bit ? 3 : 4; }

// A byte-wise raster operation over n bytes.
void RopBytes(std::uint8_t* d, const std::uint8_t* s, std::size_t n, TCopyMode mode) {
  switch (mode) {
    case cmSrcPaint: for (std::size_t i = 0; i < n; ++i) d[i] |= s[i]; break;
    case cmSrcAnd: for (std::size_t i = 0; i < n; ++i) d[i] &= s[i]; break;
    case cmSrcInvert: for (std::size_t i = 0; i < n; ++i) d[i] ^= s[i]; break;
    case cmBlackness: std::memset(d, 0, n); break;
    case cmWhiteness: std::memset(d, 255, n); break;
    default: std::memmove(d, s, n); break;
  }
}

}  // namespace

void TCanvas::Blit(TBitmap* dst, const TRect& dstRect, const TBitmap* src, const TRect& srcRect, TCopyMode mode,
                   const TRect* dstClip) {
  if (!dst || !src || dst->Width() == 0 || dst->Height() == 0 || src->Width() == 0 || src->Height() == 0) return;
  TRect limit = Rect(0, 0, dst->Width(), dst->Height());
  if (dstClip) limit = IntersectRects(limit, *dstClip);
  if (limit.IsEmpty()) return;
  int dw = dstRect.Width(), dh = dstRect.Height(), sw = srcRect.Width(), sh = srcRect.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;

  Codec sc(src->PixelFormat(), src->Palette());
  Codec dc(dst->PixelFormat(), dst->Palette());
  std::uint32_t white = dc.Encode(BGR{255, 255, 255});

  if (dw != sw || dh != sh) {
    // Stretch by nearest pixel; destination pixels whose source lies outside stay.
    TRect clip = IntersectRects(dstRect, limit);
    const TPixelFormat spf = src->PixelFormat(), dpf = dst->PixelFormat();
    // A plain copy between equal layouts moves the pixels' bytes as they are.
    int same = 0;
    if (Direct(spf) && Direct(dpf) && BytesPerPixel(spf) == BytesPerPixel(dpf)) same = BytesPerPixel(spf);
    else if (spf == pf8bit && dpf == pf8bit && pixel::SameColours(src->Palette(), dst->Palette())) same = 1;
    if (same && mode == cmSrcCopy && src != dst) {
      for (int y = clip.top; y < clip.bottom; ++y) {
        int sy = srcRect.top + int((std::int64_t(y - dstRect.top) * sh) / dh);
        if (sy < 0 || sy >= src->Height()) continue;
        const std::uint8_t* srow = src->ScanLine(sy);
        std::uint8_t* drow = dst->ScanLine(y);
        for (int x = clip.left; x < clip.right; ++x) {
          int sx = srcRect.left + int((std::int64_t(x - dstRect.left) * sw) / dw);
          if (sx >= 0 && sx < src->Width()) std::memcpy(drow + std::size_t(x) * same, srow + std::size_t(sx) * same, std::size_t(same));
        }
      }
      return;
    }
    for (int y = clip.top; y < clip.bottom; ++y) {
      int sy = srcRect.top + int((std::int64_t(y - dstRect.top) * sh) / dh);
      if (sy < 0 || sy >= src->Height()) continue;
      const std::uint8_t* srow = src->ScanLine(sy);
      std::uint8_t* drow = dst->ScanLine(y);
      for (int x = clip.left; x < clip.right; ++x) {
        int sx = srcRect.left + int((std::int64_t(x - dstRect.left) * sw) / dw);
        if (sx < 0 || sx >= src->Width()) continue;
        std::uint32_t s = dc.Encode(sc.Decode(sc.Get(srow, sx)));
        dc.Put(drow, x, ApplyRop(mode, dc.Get(drow, x), s, white));
      }
    }
    return;
  }

  // Same size: clip both rectangles, keeping them aligned.
  int sx0 = srcRect.left, sy0 = srcRect.top, dx0 = dstRect.left, dy0 = dstRect.top;
  int w = dw, h = dh;
  auto clipAxis = [](int& s0, int& d0, int& len, int sLimit, int dLimit) {
    if (s0 < 0) { d0 -= s0; len += s0; s0 = 0; }
    if (d0 < 0) { s0 -= d0; len += d0; d0 = 0; }
    len = std::min({len, sLimit - s0, dLimit - d0});
  };
  // The destination limit is applied by shifting both rectangles together.
  if (dx0 < limit.left) { sx0 += limit.left - dx0; w -= limit.left - dx0; dx0 = limit.left; }
  if (dy0 < limit.top) { sy0 += limit.top - dy0; h -= limit.top - dy0; dy0 = limit.top; }
  w = std::min(w, limit.right - dx0);
  h = std::min(h, limit.bottom - dy0);
  clipAxis(sx0, dx0, w, src->Width(), dst->Width());
  clipAxis(sy0, dy0, h, src->Height(), dst->Height());
  if (w <= 0 || h <= 0) return;

  TPixelFormat spf = src->PixelFormat(), dpf = dst->PixelFormat();
  bool sameDirect = Direct(spf) && Direct(dpf) && BytesPerPixel(spf) == BytesPerPixel(dpf);
  // Indices copy as they are only when they mean the same colours on both sides.
  bool sameIndexed = spf == pf8bit && dpf == pf8bit && pixel::SameColours(src->Palette(), dst->Palette());
  // Otherwise each of the 256 source indices is mapped once.
  std::vector<std::uint8_t> indexMap;
  if (spf == pf8bit && dpf == pf8bit && !sameIndexed) {
    indexMap.resize(256);
    for (std::uint32_t i = 0; i < 256; ++i) indexMap[i] = std::uint8_t(dc.Encode(sc.Decode(i)));
  }
  bool overlapDown = (src == dst) && sy0 < dy0;  // copy rows bottom-up when moving down in place
  for (int i = 0; i < h; ++i) {
    int row = overlapDown ? h - 1 - i : i;
    const std::uint8_t* srow = src->ScanLine(sy0 + row);
    std::uint8_t* drow = dst->ScanLine(dy0 + row);
    if (sameDirect || sameIndexed) {
      int bpp = spf == pf8bit ? 1 : BytesPerPixel(spf);
      RopBytes(drow + std::size_t(dx0) * bpp, srow + std::size_t(sx0) * bpp, std::size_t(w) * bpp, mode);
      continue;
    }
    if (!indexMap.empty()) {
      const std::uint8_t* sp = srow + sx0;
      std::uint8_t* dp = drow + dx0;
      for (int x = 0; x < w; ++x) dp[x] = std::uint8_t(ApplyRop(mode, dp[x], indexMap[sp[x]], white));
      continue;  // never in place: a bitmap's palette is its own
    }
    if (Direct(spf) && Direct(dpf)) {
      int sb = BytesPerPixel(spf), db = BytesPerPixel(dpf);
      const std::uint8_t* s = srow + std::size_t(sx0) * sb;
      std::uint8_t* d = drow + std::size_t(dx0) * db;
      for (int x = 0; x < w; ++x, s += sb, d += db) RopBytes(d, s, 3, mode);
      continue;
    }
    if (src == dst && dx0 > sx0) {
      // In-place copy to the right in a packed format: go right to left.
      for (int x = w - 1; x >= 0; --x) {
        std::uint32_t s = dc.Encode(sc.Decode(sc.Get(srow, sx0 + x)));
        dc.Put(drow, dx0 + x, ApplyRop(mode, dc.Get(drow, dx0 + x), s, white));
      }
      continue;
    }
    for (int x = 0; x < w; ++x) {
      std::uint32_t s = dc.Encode(sc.Decode(sc.Get(srow, sx0 + x)));
      dc.Put(drow, dx0 + x, ApplyRop(mode, dc.Get(drow, dx0 + x), s, white));
    }
  }
}

TRect TCanvas::SurfaceClip() const {
  if (!surface_) return TRect{};
  TRect r = Rect(0, 0, surface_->Width(), surface_->Height());
  return clipped_ ? IntersectRects(r, clip_) : r;
}

TRect TCanvas::ClipRect() const {
  TRect c = SurfaceClip();
  return Rect(c.left - origin_.x, c.top - origin_.y, c.right - origin_.x, c.bottom - origin_.y);
}

void TCanvas::Changed(const TRect& r) {
  if (!OnChange || !surface_) return;
  TRect c = IntersectRects(r, SurfaceClip());
  if (!c.IsEmpty()) OnChange(c);
}

static TRect Offset(const TRect& r, TPoint o) { return Rect(r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y); }

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawOn(*this, x, y);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (!source || !surface_) return;
  TRect d = Offset(dest, origin_);
  TRect clip = SurfaceClip();
  Blit(surface_, d, source->surface_, Offset(sourceRect, source->origin_), CopyMode, &clip);
  Changed(d);
}

void TCanvas::FillRect(const TRect& r) {
  if (!surface_ || Brush.Style == bsClear) return;
  TRect c = IntersectRects(Offset(r, origin_), SurfaceClip());
  if (c.IsEmpty()) return;
  Codec codec(surface_->PixelFormat(), surface_->Palette());
  std::uint32_t raw = codec.Encode(pixel::FromColor(Brush.Color));
  TPixelFormat pf = surface_->PixelFormat();
  if (Direct(pf) || pf == pf8bit) {
    // Fill the first row, then copy it.
    int bpp = pf == pf8bit ? 1 : BytesPerPixel(pf);
    std::uint8_t* top = surface_->ScanLine(c.top);
    std::uint8_t* first = top + std::size_t(c.left) * bpp;
    for (int x = c.left; x < c.right; ++x) codec.Put(top, x, raw);
    for (int y = c.top + 1; y < c.bottom; ++y)
      std::memcpy(surface_->ScanLine(y) + std::size_t(c.left) * bpp, first, std::size_t(c.Width()) * bpp);
  } else {
    for (int y = c.top; y < c.bottom; ++y) {
      std::uint8_t* row = surface_->ScanLine(y);
      for (int x = c.left; x < c.right; ++x) codec.Put(row, x, raw);
    }
  }
  Changed(c);
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.IsEmpty()) return;
  FillRect(Rect(r.left, r.top, r.right, r.top + 1));
  FillRect(Rect(r.left, r.bottom - 1, r.right, r.bottom));
  FillRect(Rect(r.left, r.top, r.left + 1, r.bottom));
  FillRect(Rect(r.right - 1, r.top, r.right, r.bottom));
}

namespace {

// A square of the pen's width w centred on (x, y), within clip.
void PlotPen(TBitmap* surface, int x, int y, int w, const TRect& clip, const Codec& codec, std::uint32_t raw) {
  int x0 = x - (w - 1) / 2, y0 = y - (w - 1) / 2;
  for (int yy = std::max(y0, clip.top); yy < std::min(y0 + w, clip.bottom); ++yy) {
    std::uint8_t* row = surface->ScanLine(yy);
    for (int xx = std::max(x0, clip.left); xx < std::min(x0 + w, clip.right); ++xx) codec.Put(row, xx, raw);
  }
}

}  // namespace

void TCanvas::LineTo(int x, int y) {
  TPoint from = penPos_;
  penPos_ = {x, y};
  TRect clip = SurfaceClip();
  if (!surface_ || Pen.Style == psClear || clip.IsEmpty()) return;
  // Bresenham from the pen position; the end point is not drawn.
  int fx = from.x + origin_.x, fy = from.y + origin_.y, tx = x + origin_.x, ty = y + origin_.y;
  int dx = std::abs(tx - fx), dy = -std::abs(ty - fy);
  int sx = fx < tx ? 1 : -1, sy = fy < ty ? 1 : -1;
  int err = dx + dy;
  int cx = fx, cy = fy;
  const int w = std::max(Pen.Width, 1);
  const Codec codec(surface_->PixelFormat(), surface_->Palette());
  const std::uint32_t raw = codec.Encode(pixel::FromColor(Pen.Color));
  while (!(cx == tx && cy == ty)) {
    PlotPen(surface_, cx, cy, w, clip, codec, raw);
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; cx += sx; }
    if (e2 <= dx) { err += dx; cy += sy; }
  }
  Changed(Rect(std::min(fx, tx) - w, std::min(fy, ty) - w, std::max(fx, tx) + w + 1, std::max(fy, ty) + w + 1));
}

TColor TCanvas::GetPixel(int x, int y) const {
  if (!surface_) return -1;
  x += origin_.x;
  y += origin_.y;
  if (!SurfaceClip().Contains(x, y)) return -1;
  return surface_->PixelColor(x, y);
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (!surface_) return;
  x += origin_.x;
  y += origin_.y;
  if (!SurfaceClip().Contains(x, y)) return;
  Codec codec(surface_->PixelFormat(), surface_->Palette());
  codec.Put(surface_->ScanLine(y), x, codec.Encode(pixel::FromColor(c)));
  Changed(Rect(x, y, x + 1, y + 1));
}
