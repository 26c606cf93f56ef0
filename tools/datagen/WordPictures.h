// The word pictures: one 400x400 picture per dictionary word, drawn from a
// table (data/words/words.tsv) that says which emoji or which of our own
// drawings shows each word.
#pragma once
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace datagen {
class Tree;
}

namespace datagen::words {

constexpr int PictureSize = 400;
constexpr int JpegQuality = 90;
// The check's floor: the share of the words (percent) an emoji or a drawing shows.
constexpr int MinimumDepicted = 95;

enum class Layout { One, Row, Badge, Stack, Pyramid };
enum class Tint { None, Grey, White, Cauli, Red, Rowan, Brown };

// One picture of a composition: an emoji or a drawing of ours.
struct Subject {
  std::u32string emoji;  // code points, when an emoji
  std::string drawing;   // the drawing's name, when drawn
  auto operator<=>(const Subject&) const = default;
  bool operator==(const Subject&) const = default;
};

// One line of the table.
struct Entry {
  std::string key;    // WordKey
  std::string word;   // the Polish word, UTF-8
  std::string emoji;  // the emoji column: the pictures as UTF-8, "-" for a drawing, space-separated; "" for none
  std::vector<Subject> pictures;  // empty: a motif
  int count = 1;      // 1..3
  Layout layout = Layout::One;
  Tint tint = Tint::None;
  int hue = -1;       // background hue in degrees, -1 to choose
  std::string gloss;
  int line = 0;       // in the table file
};

// Reads the table's text; what is malformed goes to problems (the line is skipped).
std::vector<Entry> ParseTable(const std::string& text, std::vector<std::string>& problems);
// The table file beside the generator's sources.
std::string TablePath();
// Reads and parses the table file; a missing file raises std::runtime_error.
std::vector<Entry> LoadTable(std::vector<std::string>& problems);

// "1F468-200D-1F33E" as code points; false when malformed.
bool ParseCodePoints(const std::string& text, std::u32string& out);
// Whether the emoji font's picture of the sequence has writing on it.
bool CarriesWriting(const std::u32string& emoji);
// Words drawn with the same composition as an earlier word (subjects, count,
// layout and tint alike), and emoji with writing on them.
std::vector<std::string> CompositionProblems(const std::vector<Entry>& table);

// The UTF-8 form of code points.
std::string Utf8(const std::u32string& s);
// The glyph of an emoji sequence in the colour emoji font (its ligatures
// included); 0 when the font has no single glyph for it.
unsigned EmojiGlyph(const std::u32string& sequence);

// What the entry shows: a drawing of ours (alone or beside emoji), emoji
// only, or neither (a motif).
bool ShowsEmoji(const Entry& e);
bool ShowsDrawing(const Entry& e);

// The drawings by name: each draws its subject into a 100 x 100 box.
using Drawing = void (*)(cairo_t* cr);
Drawing FindDrawing(const std::string& name);
std::vector<std::string> DrawingNames();
// Where a drawing's ink lies, in units of its box (a box of 0..100 holds it).
struct InkBox {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty = true;
};
InkBox DrawingInk(Drawing d);
// A drawing may stand this far (units) over its box; its ink's larger side
// should span MinDrawingSide..MaxDrawingSide units, so that its outlines come
// out at the usual width once the picture is scaled.
constexpr double DrawingMargin = 15, MinDrawingSide = 80, MaxDrawingSide = 120;
// What is wrong with a drawing's ink ("" when nothing): nothing drawn, too
// small, too large, or over the edge of the canvas.
std::string DrawingInkProblem(Drawing d);

// Draws the entry's picture: background, then the pictures (or the motif).
void DrawPicture(cairo_t* cr, const Entry& e);
// The entry's picture as a 24-bit bitmap of PictureSize square.
std::unique_ptr<TBitmap> RenderPicture(const Entry& e);
// The picture file's bytes: a baseline JPEG scrambled with the key of its name.
std::vector<std::uint8_t> PictureFile(const Entry& e);

// "Data\exio44j\" + key + ".+jp".
std::string PicturePath(const std::string& key);

// Reviewing aids. Contact sheets of the word pictures a tree holds, as the
// program loads them: 60 a sheet in key order, the word under each, written
// into folder as words-NN.png; returns the files written.
std::vector<std::string> WriteContactSheets(const Tree& tree, const std::string& folder);
// Renders words' pictures (by key), drawings alone (by name) or emoji (by
// code points) to a PNG file: one picture alone, several labelled three a
// row; false when a name is none of these.
bool RenderToPng(const std::vector<std::string>& names, const std::string& file);

}  // namespace datagen::words
