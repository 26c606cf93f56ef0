// Reading and writing single pixels of every bitmap format (layer-internal).
#pragma once
#include <cstdint>

#include "platform/Graphics.h"

namespace pixel {

struct BGR {
  std::uint8_t b = 0, g = 0, r = 0;
};

inline BGR FromColor(TColor c) { return BGR{GetBValue(c), GetGValue(c), GetRValue(c)}; }
inline TColor ToColor(BGR p) { return RGB(p.r, p.g, p.b); }

// Whether 8-bit indices mean the same colours under both palettes (null: grey).
bool SameColours(const TPaletteObject* a, const TPaletteObject* b);

// Turns colours into the raw values of one format and back. Raw values of
// 24- and 32-bit pixels are b | g << 8 | r << 16; of the others the index or
// packed value.
class Codec {
 public:
  Codec(TPixelFormat pf, const TPaletteObject* palette);
  std::uint32_t Encode(BGR p) const;
  BGR Decode(std::uint32_t raw) const;
  std::uint32_t Get(const std::uint8_t* row, int x) const;
  void Put(std::uint8_t* row, int x, std::uint32_t raw) const;
  TPixelFormat Format() const { return pf_; }

 private:
  BGR Entry(std::uint32_t index) const;
  TPixelFormat pf_;
  const TPaletteObject* pal_;
  bool greyRamp_ = false;
};

}  // namespace pixel
