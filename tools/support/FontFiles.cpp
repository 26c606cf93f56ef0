#include "tools/support/FontFiles.h"

#include <stdexcept>

#include "platform/Classes.h"
#include "toolkit/Ctransfont.h"

namespace fontfiles {

namespace {

void PutInt32(Bytes& out, std::int64_t v) {
  const std::uint32_t u = std::uint32_t(std::int32_t(v));
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
}

void PutInt16(Bytes& out, int v) {
  const std::uint16_t u = std::uint16_t(std::int16_t(v));
  out.push_back(std::uint8_t(u));
  out.push_back(std::uint8_t(u >> 8));
}

void PutMagic(Bytes& out, const char* magic) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(magic[i]));
}

void Require(bool condition, const char* what) {
  if (!condition) throw std::invalid_argument(what);
}

void CheckCoverage(const Coverage& mask) {
  Require(mask.width >= 0 && mask.width <= CTByteBitmap::MaxSide, "mask width out of range");
  Require(mask.height >= 0 && mask.height <= CTByteBitmap::MaxSide, "mask height out of range");
  const std::int64_t n = std::int64_t(mask.width) * mask.height;
  Require(n <= CTByteBitmap::MaxPixels, "mask has too many pixels");
  Require(std::int64_t(mask.pixels.size()) == n, "mask pixels do not match its size");
}

bool InSpacing(int v) { return v >= -CTransFont::MaxSpacing && v <= CTransFont::MaxSpacing; }

}  // namespace

Coverage CoverageOf(const CTByteBitmap& mask) {
  Coverage c;
  c.width = mask.Width();
  c.height = mask.Height();
  const std::size_t n = std::size_t(std::int64_t(c.width) * c.height);
  if (n) c.pixels.assign(mask.Pixels(), mask.Pixels() + n);
  return c;
}

std::uint8_t CoverageLevel(std::uint8_t coverage) {
  if (coverage >= 254) return 127;  // 255 reads back as 255, 254 as 255
  if (coverage == 253) return 126;  // 252 is nearer than 255
  return std::uint8_t((coverage + 1) / 2);
}

void AppendTbb1(Bytes& out, const Coverage& mask) {
  CheckCoverage(mask);
  PutMagic(out, "TBB1");
  PutInt32(out, mask.width);
  PutInt32(out, mask.height);
  out.insert(out.end(), mask.pixels.begin(), mask.pixels.end());
}

void AppendTbbs(Bytes& out, const Coverage& mask) {
  CheckCoverage(mask);
  Bytes packed;
  const std::size_t n = mask.pixels.size();
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t level = CoverageLevel(mask.pixels[i]);
    std::size_t run = 1;
    while (i + run < n && run < 258 && CoverageLevel(mask.pixels[i + run]) == level) ++run;
    if (run >= 3) {
      packed.push_back(std::uint8_t(0x80 | level));
      packed.push_back(std::uint8_t(run - 3));
    } else {
      packed.insert(packed.end(), run, level);
    }
    i += run;
  }
  Require(std::int64_t(packed.size()) <= CTByteBitmap::MaxPacked, "packed mask too large");
  PutMagic(out, "TBBs");
  PutInt32(out, mask.width);
  PutInt32(out, mask.height);
  PutInt32(out, std::int64_t(packed.size()));
  out.insert(out.end(), packed.begin(), packed.end());
}

Bytes EncodeTbb1(const Coverage& mask) {
  Bytes out;
  AppendTbb1(out, mask);
  return out;
}

Bytes EncodeTbbs(const Coverage& mask) {
  Bytes out;
  AppendTbbs(out, mask);
  return out;
}

Bytes EncodeFontRecord(const FontRecord& font) {
  Require(font.name.size() <= 255, "font name longer than 255 bytes");
  Require(font.lineHeight >= 0 && font.lineHeight <= CTransFont::MaxLineHeight, "line height out of range");
  Require(InSpacing(font.letterSpacing), "letter spacing out of range");
  Require(InSpacing(font.lineGap), "line gap out of range");
  const std::size_t signCount = font.signs.size();
  Require(signCount >= 1 && signCount <= std::size_t(CTransFont::MaxSigns), "sign count out of range");
  for (std::uint8_t m : font.map) Require(m < signCount, "map names a sign that does not exist");

  Bytes out;
  PutMagic(out, "TFN1");
  out.push_back(std::uint8_t(font.name.size()));
  out.insert(out.end(), font.name.begin(), font.name.end());
  PutInt32(out, font.lineHeight);
  PutInt32(out, font.letterSpacing);
  PutInt32(out, font.lineGap);
  PutInt32(out, 0);  // reserved
  out.insert(out.end(), font.map, font.map + 256);
  PutInt32(out, std::int64_t(signCount));
  for (const FontSign& s : font.signs) {
    Require(InSpacing(s.before) && InSpacing(s.after), "sign spacing out of range");
    PutInt16(out, s.before);
    PutInt16(out, s.after);
    out.push_back(s.hasGlyph ? 1 : 0);
    if (s.hasGlyph) {
      if (s.packed) AppendTbbs(out, s.glyph);
      else AppendTbb1(out, s.glyph);
    }
  }
  return out;
}

Bytes EncodeFontSet(const std::vector<FontSetEntry>& fonts) {
  Require(fonts.size() <= std::size_t(CTransFont::MaxFontsInSet), "too many fonts in a set");
  std::size_t nameBlock = 0;
  for (const FontSetEntry& f : fonts) {
    Require(f.name.size() <= 255, "font name longer than 255 bytes");
    nameBlock += f.name.size();
  }
  Require(nameBlock <= std::size_t(CTransFont::MaxNameBlock), "font names too long for a set");

  const std::int64_t n = std::int64_t(fonts.size());
  std::int64_t offset = 12 + 5 * n + std::int64_t(nameBlock);
  Bytes out;
  PutMagic(out, "TFS1");
  PutInt32(out, n);
  PutInt32(out, std::int64_t(nameBlock));
  for (const FontSetEntry& f : fonts) out.push_back(std::uint8_t(f.name.size()));
  for (const FontSetEntry& f : fonts) out.insert(out.end(), f.name.begin(), f.name.end());
  for (const FontSetEntry& f : fonts) {
    Require(offset <= INT32_MAX - 4, "font set too large");
    PutInt32(out, offset);
    offset += std::int64_t(f.record.size());
  }
  for (const FontSetEntry& f : fonts) out.insert(out.end(), f.record.begin(), f.record.end());
  return out;
}

void SaveBytes(const std::string& fileName, const Bytes& bytes) {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

}  // namespace fontfiles
