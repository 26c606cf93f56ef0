// The letter-tile names, and the conversions between a word's pieces
// ("segments") and the tiles that show them.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Classes.h"

// The 88 tile names: 52 plain tiles in byte order, each of the 36 red tiles
// (for a marked piece, suffix "_red") just before its plain tile.
constexpr std::int32_t LetterTileCount = 88;
extern const char* const LetterTileNames[LetterTileCount];

// A random plain tile name (a red pick gives the plain tile after it).
std::string RandomLetterTile();

// Clears out and fills it with the pieces of text between ","; a final ","
// adds no empty piece.
void SplitSegments(TStrings* out, const std::string& text);

// The piece without its leading "_".
std::string StripMark(const std::string& segment);

// "_ż" -> "zz_red", "dź" -> "dzzz", "k" -> "k"; "" -> "".
std::string SegmentToTileName(const std::string& segment);

// The reverse: "zz_red" -> "_ż", "dzzz" -> "dź".
std::string TileNameToSegment(const std::string& name);
