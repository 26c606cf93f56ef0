// Generates the pictures of the label-it game: a background per art set
// with the word picture in a wooden frame, a tray for the buttons on the
// right and a plain light board at the bottom for the letter blocks; a mask
// for the word picture.
#include <cmath>
#include <functional>

#include "games/Fmpodpisz4/Podpisz4Layout.h"
#include "tools/datagen/GamePictures.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/Resources.h"
#include "tools/datagen/Scenery.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace scenery;
using checks::Problems;
using gamepictures::ArtSetInfo;
using gamepictures::ButtonTray;
using gamepictures::DisplayOf;
using gamepictures::kSets;
using gamepictures::Union;

const std::string kSpec = "Data\\Intf\\Spec\\";

// The word picture's size per art set (the mask's size); the window takes
// its origin from the layout.
constexpr gamepictures::Size kPictureSize[3] = {{254, 204}, {324, 261}, {406, 326}};

// The art-set-16 background is as tall as the game area of a 1280 x 1024
// screen, whose board reaches row 1024; a 1280 x 960 screen shows its top
// 960 rows.
int BackgroundHeight(int si) { return kSets[si].set == 16 ? 1024 : kSets[si].height; }

std::string BackgroundName(int si) { return kSpec + kSets[si].backgrounds + "_pod4T.xji"; }
std::string MaskName(int si) { return kSpec + kSets[si].pieces + "_pod4mas.xji"; }

// Where the window puts its pieces on a screen of the art size.
struct Places {
  TRect picture;
  TRect buttons[4];  // stop, pomoc, nast, pop
  int boardTop;      // the drag board runs from here to the bottom
};

Places PlacesFor(int si) {
  const res::Size button = res::kButtonSize;
  const podpisz4::Layout l = podpisz4::LayoutFor(DisplayOf(si), {button.h, button.h, button.h, button.h});
  Places p{};
  p.picture = Bounds(l.picture.x, l.picture.y, kPictureSize[si].w, kPictureSize[si].h);
  for (int i = 0; i < 4; ++i)
    p.buttons[i] = Bounds(l.buttons[std::size_t(i)].x, l.buttons[std::size_t(i)].y, button.w, button.h);
  p.boardTop = l.board.top;
  return p;
}

// The white of the word picture's mask stops this far inside its rectangle,
// so that the frame's inner edge stays visible.
int MaskInset(int artSet) { return artSet == 2 ? 2 : 3; }
double MaskRadius(const TRect& r) { return std::round(r.Height() * 0.06); }

void DrawBackground(Art& art, int si) {
  Places l = PlacesFor(si);
  cairo_t* cr = art.cr();
  Stage st(cr, art.Width());
  const double W = kDesignWidth, H = st.ToDesign(art.Height());
  const double board = st.ToDesign(l.boardTop);
  Dice dice(11);

  Sky(cr, W, board, board * 0.8);
  Sun(cr, 112, 106, 54);
  Cloud(cr, 380, 92, 210);
  Cloud(cr, 930, 78, 150);
  Cloud(cr, 1040, 220, 120);
  Hills(cr, W, board - 200, board, dice);
  AppleTree(cr, 170, board - 18, 290);
  FlowerBed(cr, 30, board - 70, 360, 40, 9, dice);
  FlowerBed(cr, 880, board - 72, 270, 40, 7, dice);

  // The shelf the frame stands on, and the board below it: plain and light.
  cairo_rectangle(cr, 0, board, W, H - board);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, board, 0, H);
  cairo_pattern_add_color_stop_rgb(p, 0, 0xfd / 255.0, 0xf6 / 255.0, 0xe9 / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 0xf6 / 255.0, 0xea / 255.0, 0xd6 / 255.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Plank(cr, -30, board - 18, W + 60, 18);

  // The word picture's frame: its inner edge is the picture rectangle.
  const TRect& pic = l.picture;
  double px = st.ToDesign(pic.left), py = st.ToDesign(pic.top), pw = st.ToDesign(pic.Width()),
         ph = st.ToDesign(pic.Height());
  double radius = st.ToDesign(MaskRadius(pic));
  WoodenFrame(cr, px, py, pw, ph, 18, 2 * radius);

  ButtonTray(cr, st, Union(l.buttons, 4), 9);
}

void DrawMask(Art& art, int si) {
  cairo_t* cr = art.cr();
  const TRect r = Bounds(0, 0, kPictureSize[si].w, kPictureSize[si].h);
  double inset = MaskInset(kSets[si].set);
  RoundedRect(cr, inset, inset, r.Width() - 2 * inset, r.Height() - 2 * inset, MaskRadius(r) - inset);
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
}

void Generate(Tree& tree) {
  ParallelFor(6, [&tree](int i) {
    const int si = i / 2;
    const ArtSetInfo& a = kSets[si];
    if (i % 2 == 0) {
      Art art(a.width, BackgroundHeight(si));
      DrawBackground(art, si);
      tree.Jpeg(BackgroundName(si), *art.Over(clWhite));
    } else {
      Art art(kPictureSize[si].w, kPictureSize[si].h);
      DrawMask(art, si);
      tree.Jpeg(MaskName(si), *art.Over(clBlack));
    }
  });
}

// Luma of a 24-bit pixel.
int Luma(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 3 * x;
  return (11 * p[0] + 59 * p[1] + 30 * p[2] + 50) / 100;
}

void CheckArtSet(const Tree& tree, int si, Problems& out) {
  const ArtSetInfo& a = kSets[si];
  Places l = PlacesFor(si);
  const std::string bgName = BackgroundName(si), maskName = MaskName(si);
  // The word picture must stay left of the buttons and above the board.
  for (const TRect& b : l.buttons)
    if (checks::Overlap(l.picture, b) || l.picture.right > l.buttons[1].left)
      out.push_back(maskName + ": picture " + checks::Describe(l.picture) + " reaches the buttons");
  if (l.picture.bottom > l.boardTop)
    out.push_back(maskName + ": picture " + checks::Describe(l.picture) + " reaches the board at " +
                  std::to_string(l.boardTop));
  if (l.buttons[3].bottom > l.boardTop) out.push_back(bgName + ": the buttons reach the board");

  if (auto mask = checks::GreyMask(tree, maskName, l.picture.Width(), l.picture.Height(), out)) {
    int w = mask->Width(), h = mask->Height();
    if (checks::Grey(*mask, w / 2, h / 2) < 250 || checks::Grey(*mask, 12, h / 2) < 250)
      out.push_back(maskName + ": the picture does not show inside");
    if (checks::Grey(*mask, 0, 0) > 8 || checks::Grey(*mask, w - 1, h - 1) > 8)
      out.push_back(maskName + ": the corners are not transparent");
  }
  if (auto bg = checks::Jpeg(tree, bgName, a.width, BackgroundHeight(si), out)) {
    // The drag board's band: light and plain under the blocks and slots.
    int lo = 255, hi = 0;
    for (int y = l.boardTop; y < bg->Height(); ++y)
      for (int x = 0; x < bg->Width(); ++x) {
        int v = Luma(*bg, x, y);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
      }
    if (lo < 200 || hi - lo > 40)
      out.push_back(bgName + ": the board band is not plain (luma " + std::to_string(lo) + ".." + std::to_string(hi) +
                    ")");
  }
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<Problems> found(3);
  ParallelFor(3, [&](int si) { CheckArtSet(tree, si, found[std::size_t(si)]); });
  Problems all;
  for (auto& f : found) all.insert(all.end(), f.begin(), f.end());
  return all;
}

}  // namespace

Module Podpisz4PicturesModule() { return Module{"podpisz4", Generate, Check}; }

}  // namespace datagen
