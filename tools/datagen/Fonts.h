// The bitmap font set of the three game fonts, rasterised with FreeType.
#pragma once
#include <string>
#include <vector>

#include "tools/datagen/Art.h"
#include "tools/support/FontFiles.h"

namespace datagen::fonts {

// Where the program looks for the set.
inline const std::string SetPath = "Data\\Intf\\Spec\\tw5cz.tfs";

// One font of the set: its name, the art set it serves and how it is drawn.
struct Design {
  std::string name;
  int artSet;         // 2, 4 or 16
  Face face;          // a DejaVu face
  int pixels;         // em size in pixels
  int letterSpacing;  // added after every character
};

// The nine fonts, in the order the set lists them.
const std::vector<Design>& Designs();

// The code page 1250 bytes that get a glyph (space is not among them: it only advances).
const std::vector<unsigned char>& GlyphBytes();

// Rasterises one font: glyph masks padded to a common ascent, so every mask
// starts at the line's top.
fontfiles::FontRecord Rasterise(const Design& design);

// The whole set file for the given fonts.
fontfiles::Bytes EncodeSet(const std::vector<fontfiles::FontRecord>& fonts);

// Loads every font of the set file (a native or program path) through the
// program's loader and checks coverage and the fit of the texts the games
// draw; returns the problems found.
std::vector<std::string> CheckSet(const std::string& fileName);

}  // namespace datagen::fonts
