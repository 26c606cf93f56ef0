// Writers for the program's coverage-mask, font-record and font-set formats,
// used by the data generators. Everything they write reads back through
// CTByteBitmap::LoadFromStream, CTransFont::LoadFromStream and
// CTransFont::LoadFromSet; values the readers would refuse raise
// std::invalid_argument instead of being written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Ctbytebitmap.h"

namespace fontfiles {

using Bytes = std::vector<std::uint8_t>;

// A coverage mask as the generators build it: width x height bytes, row-major, top row first.
struct Coverage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

Coverage CoverageOf(const CTByteBitmap& mask);

// The 7-bit level a coverage is packed as: the level whose widened value
// lies nearest (ties upward), so a read-back differs by at most 1.
std::uint8_t CoverageLevel(std::uint8_t coverage);

// "TBB1": the coverage bytes as they are.
void AppendTbb1(Bytes& out, const Coverage& mask);
// "TBBs": 7-bit levels, runs of 3 to 258 equal levels packed as two bytes.
void AppendTbbs(Bytes& out, const Coverage& mask);
Bytes EncodeTbb1(const Coverage& mask);
Bytes EncodeTbbs(const Coverage& mask);

struct FontSign {
  int before = 0;  // -30000 to 30000
  int after = 0;   // -30000 to 30000
  bool hasGlyph = false;
  bool packed = true;  // the glyph as "TBBs" (else "TBB1")
  Coverage glyph;
};

struct FontRecord {
  std::string name;  // at most 255 bytes, code page 1250
  int lineHeight = 0;
  int letterSpacing = 0;
  int lineGap = 0;
  std::uint8_t map[256] = {};  // byte value -> sign index, each below signs.size()
  std::vector<FontSign> signs;  // 1 to 256
};

// One "TFN1" record.
Bytes EncodeFontRecord(const FontRecord& font);

struct FontSetEntry {
  std::string name;  // the name the program asks for, at most 255 bytes
  Bytes record;      // an encoded "TFN1" record
};

// A "TFS1" file: the directory, then the records back to back at the offsets it gives.
Bytes EncodeFontSet(const std::vector<FontSetEntry>& fonts);

// Writes the bytes to a file (a program path or an absolute native one).
void SaveBytes(const std::string& fileName, const Bytes& bytes);

}  // namespace fontfiles
