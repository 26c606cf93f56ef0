#include "toolkit/Ctransfont.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/Endian.h"
#include "platform/SysUtils.h"

namespace {

bool ReadExact(TStream* stream, void* buffer, std::int64_t count) { return stream->Read(buffer, count) == count; }

// Pen positions are summed in 64 bits; very long texts saturate instead of wrapping.
int Clamp32(std::int64_t v) { return int(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

}  // namespace

CTransFont::CTransFont() { Reset(); }

CTransFont GameFontKwiatki;
CTransFont GameFontLiany;
CTransFont GameFontCiezarowka;

CTransFont::~CTransFont() { DeleteGlyphs(); }

void CTransFont::DeleteGlyphs() {
  for (int i = 0; i < signs.Count(); ++i) {
    delete signs[i].glyph;
    signs[i].glyph = nullptr;
  }
}

void CTransFont::Reset() {
  DeleteGlyphs();
  signs.SetCapacity(1);
  signs.Clear();
  CSign* s = signs.Add();
  s->before = 0;
  s->after = 1;
  lineHeight = 0;
  std::memset(map, 0, sizeof map);
  letterSpacing = 0;
  lineGap = 0;
}

bool CTransFont::FixMap() {
  bool changed = false;
  for (std::uint8_t& m : map) {
    if (m >= signs.Count()) {
      m = 0;
      changed = true;
    }
  }
  return changed;
}

bool CTransFont::LoadFromStream(TStream* stream) {
  Reset();
  bool ok;
  try {
    ok = ReadRecord(stream);
  } catch (...) {
    FixMap();
    throw;
  }
  // Whatever stopped the load, the map may only name signs that exist.
  if (FixMap()) ok = false;
  return ok;
}

bool CTransFont::ReadRecord(TStream* stream) {
  char magic[4];
  if (!ReadExact(stream, magic, 4) || std::memcmp(magic, "TFN1", 4) != 0) return false;
  std::uint8_t nameLength;
  if (!ReadExact(stream, &nameLength, 1)) return false;
  std::string text(nameLength, '\0');
  if (!ReadExact(stream, text.data(), nameLength)) return false;
  name = text;

  std::int32_t v;
  if (!ReadLe32(stream, v) || v < 0 || v > MaxLineHeight) return false;
  lineHeight = v;
  if (!ReadLe32(stream, v) || v < -MaxSpacing || v > MaxSpacing) return false;
  letterSpacing = v;
  if (!ReadLe32(stream, v) || v < -MaxSpacing || v > MaxSpacing) return false;
  lineGap = v;
  if (!ReadLe32(stream, v)) return false;  // reserved

  std::uint8_t newMap[256];
  if (!ReadExact(stream, newMap, 256)) return false;
  std::memcpy(map, newMap, 256);
  std::int32_t signCount;
  if (!ReadLe32(stream, signCount) || signCount < 1 || signCount > MaxSigns) return false;

  bool ok = true;
  try {
    signs.Clear();
    for (int i = 0; i < signCount; ++i) {
      CSign* s = signs.Add();
      std::uint8_t entry[5];
      if (!ReadExact(stream, entry, 5)) {
        ok = false;
        break;
      }
      const std::int16_t before = std::int16_t(entry[0] | entry[1] << 8);
      const std::int16_t after = std::int16_t(entry[2] | entry[3] << 8);
      if (before < -MaxSpacing || before > MaxSpacing || after < -MaxSpacing || after > MaxSpacing) {
        ok = false;
        break;
      }
      s->before = before;
      s->after = after;
      if (entry[4] != 0) {
        s->glyph = new CTByteBitmap;
        if (!s->glyph->LoadFromStream(stream, MaxGlyphWidth, MaxGlyphHeight)) {
          ok = false;
          break;
        }
      }
    }
  } catch (...) {
    Reset();
    throw;
  }
  return ok;
}

bool CTransFont::LoadFromSet(const std::string& fileName, const std::string& fontName) {
  Reset();
  try {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    char magic[4];
    std::int32_t fontCount, nameBlock;
    if (!ReadExact(&file, magic, 4) || std::memcmp(magic, "TFS1", 4) != 0) return false;
    if (!ReadLe32(&file, fontCount) || fontCount < 0 || fontCount > MaxFontsInSet) return false;
    if (!ReadLe32(&file, nameBlock) || nameBlock < 0 || nameBlock > MaxNameBlock) return false;

    // Directory: the name lengths, the name block, the record offsets.
    std::vector<std::uint8_t> dir(std::size_t(fontCount) * 5 + std::size_t(nameBlock));
    if (!ReadExact(&file, dir.data(), std::int64_t(dir.size()))) return false;
    const std::uint8_t* lengths = dir.data();
    const std::uint8_t* names = lengths + fontCount;
    const std::uint8_t* offsets = names + nameBlock;

    // Names that would run past their block make the whole directory unusable.
    std::int64_t total = 0;
    for (int i = 0; i < fontCount; ++i) total += lengths[i];
    if (total > nameBlock) return false;

    int found = -1;
    std::int64_t at = 0;
    for (int i = 0; i < fontCount && found < 0; ++i) {
      if (lengths[i] == fontName.size() && std::memcmp(names + at, fontName.data(), lengths[i]) == 0) found = i;
      at += lengths[i];
    }
    if (found < 0) return false;

    const std::int64_t offset = std::int32_t(GetLe32(offsets + 4 * found));
    if (offset < 0 || offset > file.Size() - 4) return false;
    if (file.Seek(offset, soBeginning) != offset) return false;
    return LoadFromStream(&file);
  } catch (const Exception&) {
    // A set that cannot be opened or read is a font that did not load.
    Reset();
    return false;
  }
}

std::int64_t CTransFont::Advance(unsigned char c) const {
  const CSign& s = signs[map[c]];
  return std::int64_t(s.before) + (s.glyph ? s.glyph->Width() : 0) + s.after + letterSpacing;
}

void CTransFont::DrawText(TBitmap* target, const TRect* rect, const std::string& text, TColor colour, int opacity) {
  if (!rect) return;
  DrawTextAt(target, rect->left, rect->top, *rect, text, colour, opacity);
}

void CTransFont::DrawTextAt(TBitmap* target, int left, int top, const TRect& clip, const std::string& text,
                            TColor colour, int opacity) {
  std::int64_t x = left, y = top;
  for (char ch : text) {
    const unsigned char c = (unsigned char)ch;
    if (c == '\n') {
      y += std::int64_t(lineHeight) + lineGap;
      x = left;
    } else if (c == '\r') {
      x = left;
    } else {
      const CSign& s = signs[map[c]];
      x += s.before;
      if (s.glyph) {
        s.glyph->DrawMask(target, Clamp32(x), Clamp32(y), colour, &clip, opacity);
        x += s.glyph->Width();
      }
      x += std::int64_t(s.after) + letterSpacing;
    }
  }
  lastPenX = Clamp32(x);
  lastPenY = Clamp32(y);
}

void CTransFont::DrawChars(TBitmap* target, const TRect* rect, const char* text, int count, TColor colour, int opacity) {
  if (!rect || !text) return;
  if (std::int64_t(rect->right) - rect->left <= 0 || std::int64_t(rect->bottom) - rect->top <= 0) return;
  std::int64_t x = rect->left;
  const int y = rect->top;
  for (int i = 0; i < count && text[i] != 0; ++i) {
    const CSign& s = signs[map[(unsigned char)text[i]]];
    x += s.before;
    if (s.glyph) {
      s.glyph->DrawMask(target, Clamp32(x), y, colour, rect, opacity);
      x += s.glyph->Width();
    }
    x += std::int64_t(s.after) + letterSpacing;
  }
  lastPenX = Clamp32(x);
  lastPenY = y;
}

void CTransFont::MeasureText(const std::string& text, int* width, int* height) const {
  std::int64_t widest = 0, lineSum = 0, w = 0, pending = 0;
  for (char ch : text) {
    const unsigned char c = (unsigned char)ch;
    if (c == '\n') {
      lineSum += std::int64_t(lineHeight) + lineGap;
      widest = std::max(widest, w);
      w = pending = 0;
    } else if (c == '\r') {
      widest = std::max(widest, w);
      w = pending = 0;
    } else {
      const CSign& s = signs[map[c]];
      w += pending + s.before + (s.glyph ? s.glyph->Width() : 0);
      pending = std::int64_t(s.after) + letterSpacing;
    }
  }
  widest = std::max(widest, w);
  if (width) *width = Clamp32(widest);
  if (height) *height = Clamp32(lineSum + lineHeight);
}

const char* CTransFont::BreakLine(const char* text, int* count, int* lineWidth, int maxWidth) const {
  if (!text || *text == 0) return text;
  const std::int64_t ls = letterSpacing;
  auto finish = [&](const char* end, std::int64_t width, const char* next) {
    if (count) *count = int(end - text);
    if (lineWidth) *lineWidth = Clamp32(width);
    return next;
  };

  std::int64_t lineSoFar = 0, word = -ls;
  const char* lineEnd = text;
  const char* p = text;
  for (;;) {
    while (*p == ' ') word += Advance(' '), ++p;
    if (*p == '\n') return finish(lineEnd, lineSoFar - ls, p + 1);

    const char* wordStart = p;
    for (; *p != 0 && *p != ' ' && *p != '\n'; ++p)
      if (*p != '\r') word += Advance((unsigned char)*p);

    if (lineSoFar + word > maxWidth) {
      if (wordStart != text) return finish(lineEnd, lineSoFar - ls, wordStart);
      // A single word wider than the line is cut by characters.
      std::int64_t running = -ls;
      const char* q = text;
      while (*q != 0 && running + Advance((unsigned char)*q) < maxWidth) running += Advance((unsigned char)*q), ++q;
      if (q > text && running > 0) return finish(q, running, q);
      // Nothing useful fits: the character that did not fit is dropped.
      if (count) *count = int(q - text);
      if (lineWidth) *lineWidth = 0;
      return *q != 0 ? q + 1 : q;
    }

    if (*p == '\n') return finish(p, lineSoFar + word, p + 1);
    if (*p == 0) return finish(p, lineSoFar + word, p);
    lineSoFar += word + ls;
    word = -ls;
    lineEnd = p;
  }
}

void CTransFont::DrawTextInRect(TBitmap* target, const std::string& text, const TRect& rect, TColor colour,
                                std::uint8_t alignment, int opacity) {
  const int available = Clamp32(std::int64_t(rect.right) - rect.left);
  std::int64_t top = rect.top;
  // The text ends at its first NUL, where the line breaking stops too.
  const char* p = text.c_str();
  while (*p != 0) {
    int count = 0, w = 0;
    const char* next = BreakLine(p, &count, &w, available);
    std::int64_t left;
    bool draw = true;
    switch (alignment) {
      case 0: left = rect.left; break;
      case 1: left = rect.left + (std::int64_t(available) - w) / 2; break;
      case 2: left = std::int64_t(rect.right) - w; break;
      default: draw = false; left = 0; break;
    }
    if (draw) {
      const TRect line{Clamp32(left), Clamp32(top), rect.right, rect.bottom};
      DrawChars(target, &line, p, count, colour, opacity);
    }
    top += std::int64_t(lineHeight) + lineGap;
    p = next;
  }
}
