#include "toolkit/Ctbytebitmap.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform/Endian.h"
#include "platform/SysUtils.h"
#include "platform/WinApi.h"

namespace {

std::uint8_t* NewZeroBlock(std::int64_t size) {
  try {
    return new std::uint8_t[std::size_t(size)]();
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of memory");
  }
}

// Moves c toward k by the weight a (in 256ths, 1..255), truncating toward k.
inline std::uint8_t BlendByte(int c, int k, int a) {
  return std::uint8_t(c >= k ? k + (((c - k) * a) >> 8) : k - (((k - c) * a) >> 8));
}

}  // namespace

void CTByteBitmap::Resize(int w, int h) {
  const std::int64_t product = std::int64_t(w) * h;
  if (product > MaxPixels) return;
  if (w == width && h == height) return;
  if (w >= 1 && h >= 1) {
    std::uint8_t* block = NewZeroBlock(product);
    const int cw = std::min(w, width), ch = std::min(h, height);
    for (int y = 0; y < ch; ++y) std::memcpy(block + std::int64_t(y) * w, pixels + std::int64_t(y) * width, std::size_t(cw));
    delete[] pixels;
    pixels = block;
    width = w;
    height = h;
    return;
  }
  Clear();
}

void CTByteBitmap::Clear() {
  delete[] pixels;
  pixels = nullptr;
  width = 0;
  height = 0;
}

bool CTByteBitmap::ReadSize(TStream* stream, int maxWidth, int maxHeight, std::int32_t& w, std::int32_t& h) {
  if (!ReadLe32(stream, w) || w < 0 || w > std::min(maxWidth, MaxSide)) return false;
  if (!ReadLe32(stream, h) || h < 0 || h > std::min(maxHeight, MaxSide)) return false;
  return std::int64_t(w) * h <= MaxPixels;
}

namespace {
std::int64_t BytesLeft(TStream* stream) { return stream->Size() - stream->Position(); }
}  // namespace

bool CTByteBitmap::LoadFromStream(TStream* stream, int maxWidth, int maxHeight) {
  Clear();
  char magic[4];
  if (stream->Read(magic, 4) != 4) return false;
  if (std::memcmp(magic, "TBB1", 4) == 0) {
    std::int32_t w, h;
    if (!ReadSize(stream, maxWidth, maxHeight, w, h)) return false;
    const std::int64_t n = std::int64_t(w) * h;
    if (n > BytesLeft(stream)) return false;
    Resize(w, h);
    if (n == 0) return true;
    return stream->Read(pixels, n) == n;
  }
  if (std::memcmp(magic, "TBBs", 4) == 0) return LoadPacked(stream, maxWidth, maxHeight);
  return false;
}

bool CTByteBitmap::LoadPacked(TStream* stream, int maxWidth, int maxHeight) {
  std::int32_t w, h;
  if (!ReadSize(stream, maxWidth, maxHeight, w, h)) return false;
  std::int32_t packed;
  if (!ReadLe32(stream, packed) || packed < 0 || packed > MaxPacked || packed > BytesLeft(stream)) return false;
  const std::int64_t n = std::int64_t(w) * h;
  if (n > std::int64_t(packed) * 129) return false;
  Resize(w, h);
  if (packed == 0) return n == 0;

  std::vector<std::uint8_t> data;
  try {
    data.resize(std::size_t(packed));
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of memory");
  }
  if (stream->Read(data.data(), packed) != packed) return false;

  std::int64_t pos = 0, out = 0;
  while (pos < packed && out < n) {
    const std::uint8_t b = data[std::size_t(pos++)];
    if (b >= 128) {
      if (pos == packed) break;  // a run without its count byte
      const std::int64_t run = std::min<std::int64_t>(data[std::size_t(pos++)] + 3, n - out);
      std::memset(pixels + out, b & 127, std::size_t(run));
      out += run;
    } else {
      pixels[out++] = b;
    }
  }
  ExpandLevels();
  return pos == packed && out == n;
}

void CTByteBitmap::ExpandLevels() {
  const std::int64_t n = std::int64_t(width) * height;
  for (std::int64_t i = 0; i < n; ++i) {
    const std::uint8_t v = std::uint8_t(pixels[i] * 2);
    pixels[i] = v == 254 ? 255 : v;
  }
}

void CTByteBitmap::DrawMask(TBitmap* target, int x, int y, TColor colour, const TRect* clip, int opacity) const {
  if (!target || !clip) return;
  if (target->PixelFormat() == pfDevice) target->SetPixelFormat(pf24bit);
  if (target->HandleType() == bmDDB) target->SetHandleType(bmDIB);
  const TPixelFormat pf = target->PixelFormat();
  if (pf != pf24bit && pf != pf32bit) {
    Beep(2000, 10);
    return;
  }
  if (!pixels) return;
  const int step = pf == pf24bit ? 3 : 4;

  // Horizontal span: mask columns [skip, skip + w) go to target columns from dx.
  const std::int64_t right = std::min<std::int64_t>(target->Width(), clip->right);
  std::int64_t w = std::min<std::int64_t>(width, right - x);
  const std::int64_t left = std::max(clip->left, 0);
  std::int64_t skip = 0, dx = x;
  if (left > x) {
    skip = left - x;
    w -= skip;
    dx = left;
  }
  if (w < 1) return;

  // Vertical span: mask rows [firstRow, h) go to target rows y + r.
  const std::int64_t bottom = std::min<std::int64_t>(target->Height(), clip->bottom);
  const std::int64_t h = std::min<std::int64_t>(height, bottom - y);
  const std::int64_t top = std::max(clip->top, 0);
  const std::int64_t firstRow = top > y ? top - y : 0;

  const int op = std::clamp(opacity, 0, 255);
  const int k0 = (colour >> 16) & 0xFF, k1 = (colour >> 8) & 0xFF, k2 = colour & 0xFF;

  for (std::int64_t r = firstRow; r < h; ++r) {
    const std::uint8_t* m = pixels + r * width + skip;
    std::uint8_t* p = target->ScanLine(int(y + r)) + dx * step;
    for (std::int64_t i = 0; i < w; ++i, p += step) {
      const int a = 256 - ((m[i] * (op + 1)) >> 8);
      if (a == 256) continue;
      p[0] = BlendByte(p[0], k0, a);
      p[1] = BlendByte(p[1], k1, a);
      p[2] = BlendByte(p[2], k2, a);
    }
  }
}
