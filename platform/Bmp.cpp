// BMP files: TBitmap::LoadFromStream and TBitmap::SaveToStream.
#include <algorithm>
#include <cstring>

#include "platform/Endian.h"
#include "platform/Graphics.h"
#include "platform/PixelCodec.h"
#include "platform/SysUtils.h"

namespace {

[[noreturn]] void Bad(const char* why) { throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + why); }

constexpr std::int64_t kMaxFileBytes = kMaxPictureFileBytes;

// Extracts one channel through a bit mask and widens it to 8 bits.
struct Channel {
  int shift = 0;
  int bits = 0;
  explicit Channel(std::uint32_t mask) {
    if (!mask) return;
    while (!(mask & 1)) { mask >>= 1; ++shift; }
    while (mask & 1) { mask >>= 1; ++bits; }
  }
  std::uint8_t Get(std::uint32_t v) const {
    if (bits == 0) return 0;
    std::uint32_t x = (v >> shift) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1));
    if (bits >= 8) return std::uint8_t(x >> (bits - 8));
    // widen by repeating the bits
    std::uint32_t out = 0;
    int have = 0;
    while (have < 8) { out = (out << bits) | x; have += bits; }
    return std::uint8_t(out >> (have - 8));
  }
};

}  // namespace

void TBitmap::LoadFromStream(TStream* stream) {
  // The whole file from the current position.
  std::int64_t start = stream->Position();
  std::int64_t avail = stream->Size() - start;
  if (avail < 26) Bad("file too short");
  if (avail > kMaxFileBytes) Bad("file too large");
  std::vector<std::uint8_t> file(static_cast<std::size_t>(avail));
  stream->ReadBuffer(file.data(), avail);
  LoadFromMemory(file.data(), file.size());
}

void TBitmap::LoadFromMemory(const std::uint8_t* f, std::size_t n) {
  // Every offset is checked against the n bytes there are.
  if (n < 26) Bad("file too short");
  if (n > std::size_t(kMaxFileBytes)) Bad("file too large");
  if (f[0] != 'B' || f[1] != 'M') Bad("no BM signature");
  std::uint32_t offBits = GetLe32(f + 10);
  std::uint32_t hdrSize = GetLe32(f + 14);
  if (hdrSize < 12 || 14 + std::uint64_t(hdrSize) > n) Bad("bad header size");

  std::int64_t w, h;
  int bitCount;
  std::uint32_t compression = 0, clrUsed = 0;
  int palEntrySize;
  if (hdrSize == 12) {  // core header
    w = GetLe16(f + 18);
    h = std::int16_t(GetLe16(f + 20));
    bitCount = GetLe16(f + 24);
    palEntrySize = 3;
  } else {
    if (hdrSize < 40) Bad("bad header size");
    w = std::int32_t(GetLe32(f + 18));
    h = std::int32_t(GetLe32(f + 22));
    bitCount = GetLe16(f + 28);
    compression = GetLe32(f + 30);
    clrUsed = GetLe32(f + 46);
    palEntrySize = 4;
  }
  bool topDown = h < 0;
  std::int64_t absH = topDown ? -h : h;
  if (w <= 0 || absH == 0) Bad("bad dimensions");
  if (!PictureSizeUsable(w, absH))
    Bad(PictureSizeRefusal(w, absH).c_str());

  std::uint32_t masks[3] = {0, 0, 0};
  bool bitfields = false;
  if (compression == 3 /*BI_BITFIELDS*/) {
    if (bitCount != 16 && bitCount != 32) Bad("bit fields need 16 or 32 bits");
    std::size_t at = hdrSize >= 52 ? 14 + 40 : 14 + hdrSize;
    if (at + 12 > n) Bad("bit fields missing");
    for (int i = 0; i < 3; ++i) masks[i] = GetLe32(f + at + 4 * i);
    bitfields = true;
  } else if (compression != 0 /*BI_RGB*/) {
    Bad("compressed bitmaps are not supported");
  }

  TPixelFormat pf;
  switch (bitCount) {
    case 1: pf = pf1bit; break;
    case 4: pf = pf4bit; break;
    case 8: pf = pf8bit; break;
    case 16: pf = (bitfields && masks[1] == 0x07E0) ? pf16bit : pf15bit; break;
    case 24: pf = pf24bit; break;
    case 32: pf = pf32bit; break;
    default: Bad("unsupported bit count");
  }
  if (bitCount == 16 && bitfields && !(masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F) &&
      !(masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F))
    pf = pf32bit;  // unusual masks: widened through the masks below
  if (bitCount == 32 && bitfields && !(masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF)) pf = pf32bit;

  std::int64_t stride = ((w * bitCount + 31) / 32) * 4;
  std::int64_t pixelBytes = stride * absH;
  if (std::uint64_t(offBits) + std::uint64_t(pixelBytes) > n) Bad("pixel data beyond the end of the file");

  // The palette follows the header (and bit masks of an old-style header).
  std::unique_ptr<TPaletteObject> palette;
  if (bitCount <= 8) {
    std::uint32_t maxColours = 1u << bitCount;
    std::uint32_t colours = clrUsed == 0 || clrUsed > maxColours ? maxColours : clrUsed;
    std::size_t palAt = 14 + hdrSize;
    palette = std::make_unique<TPaletteObject>();
    palette->entries.resize(256);
    for (std::uint32_t i = 0; i < colours; ++i) {
      std::size_t at = palAt + std::size_t(i) * palEntrySize;
      if (at + 3 > n) break;  // a short palette leaves the rest black
      palette->entries[i] = TPaletteEntry{f[at + 2], f[at + 1], f[at], 0};
    }
    palette->entries.resize(maxColours);
  }

  // Build into a fresh bitmap, then take it over, so a failure leaves this one as it was.
  TBitmap out;
  bool viaMasks = (bitCount == 16 || bitCount == 32) && bitfields &&
                  pf == pf32bit && !(bitCount == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF);
  if (palette) out.SetPalette(palette.release());
  out.SetPixelFormat(pf);
  out.SetSize(int(w), int(absH));
  Channel cr(masks[0]), cg(masks[1]), cb(masks[2]);
  for (std::int64_t y = 0; y < absH; ++y) {
    const std::uint8_t* srow = f + offBits + std::size_t(stride) * std::size_t(topDown ? y : absH - 1 - y);
    std::uint8_t* drow = out.ScanLine(int(y));
    if (!viaMasks) {
      std::memcpy(drow, srow, std::size_t(std::min<std::int64_t>(stride, out.RowBytes())));
      continue;
    }
    for (std::int64_t x = 0; x < w; ++x) {
      std::uint32_t v = bitCount == 16 ? GetLe16(srow + 2 * x) : GetLe32(srow + 4 * x);
      std::uint8_t* p = drow + 4 * x;
      p[0] = cb.Get(v); p[1] = cg.Get(v); p[2] = cr.Get(v); p[3] = 0;
    }
  }
  out.SetHandleType(bmDIB);
  Assign(&out);
}

void TBitmap::SaveToStream(TStream* stream) const {
  const TBitmap* src = this;
  TBitmap converted;
  TPixelFormat pf = pixelFormat_;
  if (pf != pf8bit && pf != pf24bit && pf != pf32bit) {
    converted.Assign(this);
    converted.SetPixelFormat(pf24bit);
    src = &converted;
    pf = pf24bit;
  }
  int bitCount = BitsPerPixel(pf);
  std::uint32_t paletteBytes = pf == pf8bit ? 256 * 4 : 0;
  std::uint32_t stride = std::uint32_t(((std::int64_t(width_) * bitCount + 31) / 32) * 4);
  std::uint32_t imageSize = stride * std::uint32_t(height_);
  std::uint8_t hdr[54] = {};
  hdr[0] = 'B';
  hdr[1] = 'M';
  PutLe32(hdr + 2, 54 + paletteBytes + imageSize);
  PutLe32(hdr + 10, 54 + paletteBytes);
  PutLe32(hdr + 14, 40);
  PutLe32(hdr + 18, std::uint32_t(width_));
  PutLe32(hdr + 22, std::uint32_t(height_));
  PutLe16(hdr + 26, 1);
  PutLe16(hdr + 28, std::uint32_t(bitCount));
  PutLe32(hdr + 34, imageSize);
  PutLe32(hdr + 38, 2835);
  PutLe32(hdr + 42, 2835);
  if (pf == pf8bit) PutLe32(hdr + 46, 256);
  stream->WriteBuffer(hdr, 54);
  if (pf == pf8bit) {
    std::uint8_t pal[256 * 4] = {};
    for (int i = 0; i < 256; ++i) {
      TPaletteEntry e{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
      if (palette_ && std::size_t(i) < palette_->entries.size()) e = palette_->entries[std::size_t(i)];
      pal[4 * i] = e.peBlue;
      pal[4 * i + 1] = e.peGreen;
      pal[4 * i + 2] = e.peRed;
    }
    stream->WriteBuffer(pal, sizeof pal);
  }
  std::vector<std::uint8_t> row(stride, 0);
  for (int y = height_ - 1; y >= 0; --y) {
    std::memcpy(row.data(), src->ScanLine(y), std::min<std::size_t>(stride, std::size_t(src->RowBytes())));
    stream->WriteBuffer(row.data(), stride);
  }
}
