// The letter-tile names, and the conversions between a word's pieces
// ("segments") and the tiles that show them.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Classes.h"

// The 88 tile names: 52 plain tiles in byte order, each of the 36 red tiles
// (for a marked piece, suffix "_red") just before its plain tile.
// The table is all in this header, so the toolkit's letter tiles can use it
// without linking the dictionary.
constexpr std::int32_t LetterTileCount = 88;
inline constexpr const char* LetterTileNames[LetterTileCount] = {
    "a", "aa",
    "b_red", "b", "bi_red", "bi",
    "c_red", "c", "cc_red", "cc", "ch", "ci_red", "ci", "cz_red", "cz",
    "d_red", "d", "dz_red", "dz", "dzi_red", "dzi", "dzz_red", "dzz", "dzzz_red", "dzzz",
    "e", "ee",
    "f_red", "f", "fi_red", "fi",
    "g_red", "g", "gi_red", "gi",
    "h",
    "i_red", "i",
    "j_red", "j",
    "k_red", "k", "ki_red", "ki",
    "l_red", "l", "ll",
    "m", "mi",
    "n", "ni_red", "ni", "nn",
    "o", "oo",
    "p_red", "p", "pi_red", "pi",
    "r_red", "r", "rz_red", "rz",
    "s_red", "s", "si_red", "si", "ss_red", "ss", "sz_red", "sz",
    "t_red", "t",
    "u",
    "w_red", "w", "wi_red", "wi",
    "x",
    "y",
    "z_red", "z", "zi_red", "zi", "zz_red", "zz", "zzz_red", "zzz",
};

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
