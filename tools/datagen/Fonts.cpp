// Generates the bitmap font set "Data\Intf\Spec\tw5cz.tfs": the flowers
// game font (Kwi, also the about box's credits), the vines game font (Lia)
// and the truck game font (CS), each for the three art sets.
//
// Sizes. S(v) is a 1280x960 design value in the art set (5v/8, 8v/10, v,
// truncated). The line height follows from the em: the tallest mask (an
// accented capital) over the deepest descender, about 1.17 em.
//
//  font    art  face            em  line  what binds it
//  Kwi_R2    2  Sans Bold       24   28   marker labels ("DZI", "DŻ", "WI"...) inside 85%
//  Kwi_R3    4  Sans Bold       31   36   of the marker plate 60x35 | 76x44 | 96x56: line
//  Kwi_R5   16  Sans Bold       40   46   <= 29 | 37 | 47, widest label 44 | 57 | 74 <= 51 | 64 | 81
//  Lia_R2    2  Sans Bold       44   51   a two-form name ("DŹ\nDZI") inside 70% of the title
//  Lia_R3    4  Sans Bold       56   65   window 150 | 192 | 240, so that it fits a round window
//  Lia_R5   16  Sans Bold       70   82   too: 82x102 | 103x130 | 129x164 <= 105 | 134 | 168
//  CS_h21    2  Condensed Bold  13   16   four sounds' names, the truck's text, <= S(240) = 150 |
//  CS_h27    4  Condensed Bold  17   21   192 | 240 ("Ż/RZ,Ś/SI,Ć/CI,DŹ/DZI" 135 | 185 | 233);
//  CS_h34   16  Condensed Bold  22   27   the caption "Wybierz obrazki z głoską:" and a space
//                                         end before the names at S(343) - S(30) = 196 | 250 |
//                                         313 (169+4 | 220+5 | 286+7)
//
// Each is the largest em within its limit, except Lia_R3 and Lia_R5, one
// below to keep a few pixels in hand against other FreeType versions. The
// check measures all of these with the program's own font code. Glyphs use
// the face's own hinting, which keeps baselines and stems on whole pixels.
#include "tools/datagen/Fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

#include "platform/SysUtils.h"
#include "toolkit/Ctransfont.h"
#include "tools/datagen/Modules.h"

namespace datagen {
namespace fonts {

namespace {

// The Polish letters of code page 1250 and their Unicode code points.
struct PolishLetter {
  unsigned char byte;
  unsigned unicode;
};
const PolishLetter kPolish[] = {
    {0xB9, 0x105}, {0xE6, 0x107}, {0xEA, 0x119}, {0xB3, 0x142}, {0xF1, 0x144}, {0xF3, 0x0F3},
    {0x9C, 0x15B}, {0x9F, 0x17A}, {0xBF, 0x17C}, {0xA5, 0x104}, {0xC6, 0x106}, {0xCA, 0x118},
    {0xA3, 0x141}, {0xD1, 0x143}, {0xD3, 0x0D3}, {0x8C, 0x15A}, {0x8F, 0x179}, {0xAF, 0x17B},
};

unsigned UnicodeOf(unsigned char byte) {
  for (const PolishLetter& p : kPolish)
    if (p.byte == byte) return p.unicode;
  return byte;  // printable ASCII
}

// A design value of the 1280x960 art set in another art set, truncating as the program does.
int S(int artSet, int v) { return artSet == 2 ? 5 * v / 8 : artSet == 4 ? 8 * v / 10 : v; }

// The 26 sounds in bit order; a sound written two ways has both forms.
struct Sound {
  const char* form;
  const char* second;  // null for one form
};
const Sound kSounds[26] = {
    {"SZ", nullptr}, {"\257", "RZ"},  {"CZ", nullptr}, {"D\257", nullptr}, {"S", nullptr}, {"Z", nullptr},
    {"C", nullptr},  {"DZ", nullptr}, {"\214", "SI"},  {"\217", "ZI"},     {"\306", "CI"}, {"D\217", "DZI"},
    {"P", nullptr},  {"PI", nullptr}, {"B", nullptr},  {"BI", nullptr},    {"K", nullptr}, {"KI", nullptr},
    {"G", nullptr},  {"GI", nullptr}, {"F", nullptr},  {"FI", nullptr},    {"W", nullptr}, {"WI", nullptr},
    {"T", nullptr},  {"D", nullptr},
};

std::string SoundName(int bit, const std::string& formSeparator) {
  const Sound& s = kSounds[bit];
  return s.second ? std::string(s.form) + formSeparator + s.second : std::string(s.form);
}

// The sound names of a set of sounds, ascending, as the truck's banner shows them.
std::string SoundNames(const std::vector<int>& bits, const std::string& listSeparator) {
  std::string text;
  for (std::size_t i = 0; i < bits.size(); ++i) text += (i ? listSeparator : "") + SoundName(bits[i], "/");
  return text;
}

const char* const kCaption = "Wybierz obrazki z g\263osk\271:";

// One rendered glyph: its ink box from the pen on the baseline (left, and top
// upwards), its coverage row by row, and the pen's advance.
struct Raster {
  int left = 0, top = 0, width = 0, rows = 0, advance = 0;
  std::vector<std::uint8_t> pixels;
};

class FreeTypeFace {
 public:
  FreeTypeFace(const std::string& file, int pixels) {
    if (FT_Init_FreeType(&lib_) != 0) throw std::runtime_error("FreeType does not start");
    if (FT_New_Face(lib_, file.c_str(), 0, &face_) != 0) {
      FT_Done_FreeType(lib_);
      throw std::runtime_error("missing font " + file);
    }
    FT_Set_Pixel_Sizes(face_, 0, FT_UInt(pixels));
  }
  ~FreeTypeFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(lib_);
  }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  Raster Render(unsigned codePoint) const {
    if (FT_Get_Char_Index(face_, codePoint) == 0 ||
        FT_Load_Char(face_, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0)
      throw std::runtime_error("FreeType cannot render U+" + std::to_string(codePoint));
    const FT_GlyphSlot g = face_->glyph;
    const FT_Bitmap& bm = g->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.pitch < 0) throw std::runtime_error("unexpected glyph bitmap");
    Raster r;
    r.left = g->bitmap_left;
    r.top = g->bitmap_top;
    r.width = int(bm.width);
    r.rows = int(bm.rows);
    r.advance = int((g->advance.x + 32) >> 6);
    r.pixels.resize(std::size_t(r.width) * std::size_t(r.rows));
    for (int y = 0; y < r.rows; ++y)
      std::copy_n(bm.buffer + std::ptrdiff_t(y) * bm.pitch, r.width, r.pixels.begin() + std::ptrdiff_t(y) * r.width);
    return r;
  }

 private:
  FT_Library lib_ = nullptr;
  FT_Face face_ = nullptr;
};

void Problem(std::vector<std::string>& out, const std::string& font, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void Problem(std::vector<std::string>& out, const std::string& font, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  out.push_back(font + ": " + text);
}

int Width(const CTransFont& font, const std::string& text) {
  int w = 0;
  font.MeasureText(text, &w, nullptr);
  return w;
}

std::string Shown(const std::string& cp1250) {
  std::string s = Cp1250ToUtf8(cp1250);
  for (std::size_t i; (i = s.find('\n')) != std::string::npos;) s.replace(i, 1, "\\n");
  return "\"" + s + "\"";
}

// The texts each game draws with its font, against the room it has.
void CheckFit(const Design& d, const CTransFont& font, std::vector<std::string>& out) {
  const int art = d.artSet;
  const std::string kind = d.name.substr(0, 3);
  if (kind == "Kwi") {
    // Marker labels, centred on the marker plate (96x56 at 1280x960).
    const int plateW = S(art, 96), plateH = S(art, 56);
    const int maxW = plateW * 85 / 100, maxH = plateH * 85 / 100;
    if (font.LineHeight() > maxH)
      Problem(out, d.name, "line height %d is over %d (85%% of the marker plate's %d)", font.LineHeight(), maxH,
              plateH);
    for (const Sound& s : kSounds)
      for (const char* label : {s.form, s.second}) {
        if (!label) continue;
        const int w = Width(font, label);
        if (w > maxW)
          Problem(out, d.name, "label %s is %d px wide, over %d (85%% of the marker plate's %d)", Shown(label).c_str(),
                  w, maxW, plateW);
      }
    // Two-mark labels join the marked segments ("KI", "DZI"); every one of them is above.
  } else if (kind == "Lia") {
    // The sound's name, both forms one per line, centred in the title window (240x240 at 1280x960).
    const int side = S(art, 240), room = side * 7 / 10;
    for (int bit = 0; bit < 26; ++bit) {
      const std::string text = SoundName(bit, "\n");
      int w = 0, h = 0;
      font.MeasureText(text, &w, &h);
      if (w > room || h > room)
        Problem(out, d.name, "title %s measures %dx%d, over %dx%d (70%% of the title window's %d)", Shown(text).c_str(),
                w, h, room, room, side);
    }
  } else {
    // The banner caption ends, a space's width clear, where the sound names begin.
    const int captionRoom = S(art, 343) - S(art, 30);
    const int space = font.Signs()[font.Map(' ')].before + font.Signs()[font.Map(' ')].after + font.LetterSpacing();
    const int caption = Width(font, kCaption);
    if (caption + space > captionRoom)
      Problem(out, d.name, "caption %s is %d px wide plus a %d px space, over %d", Shown(kCaption).c_str(), caption,
              space, captionRoom);
    const int bannerH = S(art, 130);
    if (S(art, 34) + font.LineHeight() > bannerH)
      Problem(out, d.name, "line height %d does not fit the banner's %d below %d", font.LineHeight(), bannerH,
              S(art, 34));
    // The names of up to four sounds: spaced after the commas, or without the
    // spaces when that is wider than S(240), must stay within S(240).
    const int namesRoom = S(art, 240);
    int worst = 0;
    std::string worstText;
    std::vector<int> bits;
    auto visit = [&](auto&& self, int from) -> void {
      if (!bits.empty()) {
        std::string text = SoundNames(bits, ", ");
        int w = Width(font, text);
        if (w > namesRoom) {
          text = SoundNames(bits, ",");
          w = Width(font, text);
        }
        if (w > worst) worst = w, worstText = text;
      }
      if (bits.size() == 4) return;
      for (int b = from; b < 26; ++b) {
        bits.push_back(b);
        self(self, b + 1);
        bits.pop_back();
      }
    };
    visit(visit, 0);
    if (worst > namesRoom)
      Problem(out, d.name, "sound names %s are %d px wide, over %d", Shown(worstText).c_str(), worst, namesRoom);
  }
}

}  // namespace

const std::vector<Design>& Designs() {
  static const std::vector<Design> designs = {
      {"Kwi_R2", 2, Face::SansBold, 24, 0},       {"Lia_R2", 2, Face::SansBold, 44, 0},
      {"CS_h21", 2, Face::CondensedBold, 13, 0},  {"Kwi_R3", 4, Face::SansBold, 31, 0},
      {"Lia_R3", 4, Face::SansBold, 56, 0},       {"CS_h27", 4, Face::CondensedBold, 17, 0},
      {"Kwi_R5", 16, Face::SansBold, 40, 0},      {"Lia_R5", 16, Face::SansBold, 70, 0},
      {"CS_h34", 16, Face::CondensedBold, 22, 0},
  };
  return designs;
}

const std::vector<unsigned char>& GlyphBytes() {
  static const std::vector<unsigned char> bytes = [] {
    std::vector<unsigned char> b;
    for (int c = 0x21; c <= 0x7E; ++c) b.push_back((unsigned char)c);
    for (const PolishLetter& p : kPolish) b.push_back(p.byte);
    return b;
  }();
  return bytes;
}

fontfiles::FontRecord Rasterise(const Design& design) {
  const FreeTypeFace face(FontFile(design.face), design.pixels);
  const std::vector<unsigned char>& bytes = GlyphBytes();
  std::vector<Raster> rasters;
  rasters.reserve(bytes.size());
  for (unsigned char b : bytes) rasters.push_back(face.Render(UnicodeOf(b)));

  // A common ascent: every mask starts at the line's top, the highest ink of any letter.
  int ascent = 0, lineHeight = 0;
  for (const Raster& r : rasters) ascent = std::max(ascent, r.top);
  for (const Raster& r : rasters) lineHeight = std::max(lineHeight, ascent - r.top + r.rows);

  fontfiles::FontRecord font;
  font.name = design.name;
  font.lineHeight = lineHeight;
  font.letterSpacing = design.letterSpacing;
  font.lineGap = 0;
  // Sign 0 is invisible and takes every byte without a glyph, '\n' and '\r' among them.
  font.signs.emplace_back();
  fontfiles::FontSign space;
  space.after = face.Render(' ').advance;
  font.signs.push_back(space);
  font.map[' '] = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const Raster& r = rasters[i];
    fontfiles::FontSign s;
    s.hasGlyph = true;
    s.before = r.left;
    s.after = r.advance - r.left - r.width;
    s.glyph.width = r.width;
    s.glyph.height = ascent - r.top + r.rows;
    s.glyph.pixels.assign(std::size_t(s.glyph.width) * std::size_t(s.glyph.height), 0);
    const int dy = ascent - r.top;
    for (int y = 0; y < r.rows; ++y)
      std::copy_n(r.pixels.begin() + std::ptrdiff_t(y) * r.width, r.width,
                  s.glyph.pixels.begin() + std::ptrdiff_t(y + dy) * r.width);
    font.map[bytes[i]] = std::uint8_t(font.signs.size());
    font.signs.push_back(std::move(s));
  }
  return font;
}

fontfiles::Bytes EncodeSet(const std::vector<fontfiles::FontRecord>& fonts) {
  std::vector<fontfiles::FontSetEntry> entries;
  for (const fontfiles::FontRecord& f : fonts) entries.push_back({f.name, fontfiles::EncodeFontRecord(f)});
  return fontfiles::EncodeFontSet(entries);
}

std::vector<std::string> CheckSet(const std::string& fileName) {
  std::vector<std::string> out;
  for (const Design& d : Designs()) {
    CTransFont font;
    if (!font.LoadFromSet(fileName, d.name)) {
      Problem(out, d.name, "does not load from %s", fileName.c_str());
      continue;
    }
    const auto& signs = font.Signs();
    auto sign = [&](unsigned char c) -> const CTransFont::CSign& { return signs[font.Map(c)]; };
    std::vector<bool> glyphed(256, false);
    for (unsigned char c : GlyphBytes()) {
      glyphed[c] = true;
      const CTByteBitmap* g = sign(c).glyph;
      bool ink = false;
      if (g && g->Pixels())
        for (std::int64_t i = 0; i < std::int64_t(g->Width()) * g->Height() && !ink; ++i) ink = g->Pixels()[i] != 0;
      if (!ink)
        Problem(out, d.name, "byte 0x%02X has no visible glyph", c);
      else if (g->Height() > font.LineHeight())
        Problem(out, d.name, "the glyph of byte 0x%02X is %d px tall, over the line height %d", c, g->Height(),
                font.LineHeight());
    }
    for (int c = 0; c < 256; ++c) {
      if (glyphed[std::size_t(c)]) continue;
      const CTransFont::CSign& s = sign((unsigned char)c);
      if (s.glyph) Problem(out, d.name, "byte 0x%02X has a glyph", c);
      if (c != ' ' && (s.before != 0 || s.after != 0))
        Problem(out, d.name, "byte 0x%02X moves the pen (%d, %d)", c, s.before, s.after);
    }
    const CTransFont::CSign& space = sign(' ');
    if (space.before + space.after + font.LetterSpacing() <= 0) Problem(out, d.name, "space does not advance");
    if (font.LineHeight() <= 0) Problem(out, d.name, "line height %d", font.LineHeight());
    CheckFit(d, font, out);
  }
  return out;
}

}  // namespace fonts

Module FontsModule() {
  return Module{"fonts",
                [](Tree& tree) {
                  const std::vector<fonts::Design>& designs = fonts::Designs();
                  std::vector<fontfiles::FontRecord> records(designs.size());
                  ParallelFor(int(designs.size()),
                              [&](int i) { records[std::size_t(i)] = fonts::Rasterise(designs[std::size_t(i)]); });
                  tree.Write(fonts::SetPath, fonts::EncodeSet(records));
                },
                [](const Tree& tree) { return fonts::CheckSet(tree.Native(fonts::SetPath)); }};
}

}  // namespace datagen
