// What the game picture modules share: the three art sets and the display
// the program sets up for each, the room a button takes, and the way most
// game pictures are listed, generated, loaded back through the program's
// loaders and held to their drawing.
#pragma once
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"
#include "tools/datagen/Art.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/Scenery.h"
#include "tools/datagen/Tree.h"

namespace datagen::gamepictures {

struct Size {
  int w, h;
};

// Index 0, 1, 2 = art set 2 (800 x 600), 4 (1024 x 768), 16 (1280 x 960).
struct ArtSetInfo {
  int set;
  const char* pieces;       // prefix of game pieces, sprites and masks
  const char* backgrounds;  // prefix of game backgrounds
  int width, height;        // art size
  double k;                 // art size / 1280 x 960
  std::vector<TPoint> screens;  // screen sizes (screen classes) that use the art set
};
extern const ArtSetInfo kSets[3];

// The display as the program sets it up on a screen of the art size of set si.
const CDisplay& DisplayOf(int si);

// "Data\Intf\Spec\" + the set's prefix of pieces or of backgrounds + name.
std::string Piece(int si, const std::string& name);
std::string Back(int si, const std::string& name);

// The room a picture button takes where the vines, truck and flowers checks
// keep pictures clear of the buttons.
constexpr Size kButtonRoom = {54, 66};
inline TRect ButtonRoom(TPoint at) { return Bounds(at.x, at.y, kButtonRoom.w, kButtonRoom.h); }

// The label-it and odd-one-out backgrounds: a translucent tray behind a
// group of buttons (it may run off the picture), and the rectangle round a
// group.
void ButtonTray(cairo_t* cr, const scenery::Stage& st, TRect r, int margin);
TRect Union(const TRect* rects, int n);

// ---- picture items ----

enum class Kind { Background, Mask, JpegPair, BmpPair };

// One picture file (or pair) of a module: its program path (without "B"/"W"
// and extension for pairs), its kind, its size and how to draw it.
using DrawItem = std::function<std::unique_ptr<Art>()>;
struct Item {
  std::string path;
  Kind kind;
  int si;
  Size size;
  DrawItem draw;
};

// A loaded picture: a mask or background as a 24-bit bitmap, or a pair.
struct Loaded {
  std::unique_ptr<TBitmap> bitmap;
  std::unique_ptr<CTransBitmap> pair;
  int Width() const;
  int Height() const;
  // The mask value (first byte of a mask file, alpha of a pair).
  int Alpha(int x, int y) const;
};

struct Problems {
  std::vector<std::string> list;
  void Add(const std::string& s) { list.push_back(s); }
  template <class... A>
  void Addf(const char* fmt, A... a) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, a...);
    list.emplace_back(buf);
  }
};

// Every item loaded through the program's own loaders, its format and size
// checked, and every mask and pair held to its drawing.
class LoadedItems {
 public:
  LoadedItems(const Tree& tree, const std::vector<Item>& items, Problems& p);
  // The loaded item of that path; null when it did not load.
  const Loaded* Get(const std::string& path) const;

 private:
  std::vector<std::string> paths_;
  std::vector<std::unique_ptr<Loaded>> loaded_;
};

// A module of items: it draws and writes them, and its check loads them
// back (LoadedItems) and then runs the game's own checks over them.
Module ItemsModule(std::string name, std::vector<Item> (*items)(),
                   std::function<void(const Tree&, const LoadedItems&, Problems&)> check);

// ---- measures ----

bool Inside(const TRect& inner, const TRect& outer);
// Mean luminance of a rectangle of a colour picture.
double MeanLuminance(const TBitmap& b, const TRect& r);
// The least alpha (or mask value) over a rectangle.
int MinAlpha(const Loaded& l, const TRect& r);
// A bitmap font of the font set, when the set has been generated.
std::unique_ptr<CTransFont> Font(const Tree& tree, const std::string& name);
struct Measure {
  int w = 0, h = 0;
};
Measure Measured(const CTransFont& f, const std::string& text);

}  // namespace datagen::gamepictures
