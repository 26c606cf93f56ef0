// Generates the pictures of the label-it and odd-one-out games and the magnifier.
//
// Label-it: a background per art set with the word picture in a wooden
// frame, a tray for the buttons on the right and a plain light board at the
// bottom for the letter blocks; a mask for the word picture. Odd-one-out: a
// background with a shelf for five cards, a card mask and a highlight ring
// per card. The magnifier: one lens pair for every art set.
#include <cmath>
#include <functional>

#include "tools/datagen/Modules.h"
#include "tools/datagen/Scenery.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace scenery;
using checks::Problems;

const std::string kSpec = "Data\\Intf\\Spec\\";

// The picture buttons the games draw over these backgrounds: one size for
// every art set (the resource library's buttons).
constexpr int kButtonW = 52;
constexpr int kButtonH = 64;

// An art set and the screens that use it. The game backgrounds are the art
// size; in the 1280x1024 game area they fill the top 960 rows.
struct ArtSetInfo {
  int artSet;
  int width, height;            // art size
  int backgroundHeight;         // height of the game backgrounds
  const char* piece;            // second prefix: masks
  const char* backdrop;         // third prefix: backgrounds
  std::vector<TPoint> screens;  // screen sizes (screen classes) that use it
};

const std::vector<ArtSetInfo>& ArtSets() {
  static const std::vector<ArtSetInfo> sets = {
      {2, 800, 600, 600, "R2", "R2", {{800, 600}}},
      {4, 1024, 768, 768, "R3", "R3", {{1024, 768}}},
      {16, 1280, 960, 960, "R5", "R8", {{1280, 960}, {1280, 1024}}},
  };
  return sets;
}

// ---------------------------------------------------------------- label-it

// The word picture's rectangle per art set: the origin is the game's, the
// size ours. Centred across the art width and ending above the board.
struct LabelItPicture {
  int artSet;
  int x, y, w, h;
};
constexpr LabelItPicture kLabelItPictures[] = {
    {2, 273, 171, 254, 204},
    {4, 350, 218, 324, 261},
    {16, 437, 273, 406, 326},
};

std::string LabelItBackgroundName(int artSet) {
  return kSpec + (artSet == 2 ? "R2" : artSet == 4 ? "R3" : "R8") + "_pod4T.xji";
}
std::string LabelItMaskName(int artSet) {
  return kSpec + (artSet == 2 ? "R2" : artSet == 4 ? "R3" : "R5") + "_pod4mas.xji";
}

// Where the label-it window puts its pieces on a screen of the art size.
struct LabelItLayout {
  TRect picture;
  TRect buttons[4];  // stop, pomoc, nast, pop
  int boardTop;      // the drag board runs from here to the bottom
};

LabelItLayout LabelItFor(const ArtSetInfo& a) {
  CDisplay d = checks::DisplayFor(a.width, a.height);
  LabelItLayout l{};
  for (const auto& p : kLabelItPictures)
    if (p.artSet == a.artSet) l.picture = Bounds(p.x, p.y, p.w, p.h);
  l.buttons[0] = Bounds(d.Scale(4, 956), d.Scale(4, 18), kButtonW, kButtonH);
  l.buttons[1] = Bounds(d.Scale(4, 952), l.buttons[0].bottom + d.Scale(4, 15), kButtonW, kButtonH);
  l.buttons[2] = Bounds(d.Scale(4, 952), l.buttons[1].bottom + d.Scale(4, 35), kButtonW, kButtonH);
  l.buttons[3] = Bounds(d.Scale(4, 952), l.buttons[2].bottom + d.Scale(4, 15), kButtonW, kButtonH);
  l.boardTop = d.Scale(4, 505);
  return l;
}

// The white of the word picture's mask stops this far inside its rectangle,
// so that the frame's inner edge stays visible.
int MaskInset(int artSet) { return artSet == 2 ? 2 : 3; }
double MaskRadius(const TRect& r) { return std::round(r.Height() * 0.06); }

// A translucent tray behind a group of buttons; it may run off the picture.
void ButtonTray(cairo_t* cr, const Stage& st, TRect r, int margin) {
  double m = margin;
  Plate(cr, st.ToDesign(r.left - m), st.ToDesign(r.top - m), st.ToDesign(r.Width() + 2 * m),
        st.ToDesign(r.Height() + 2 * m), 18, 0xffffff, 0.6, 0.4);
}

TRect Union(const TRect* rects, int n) {
  TRect u = rects[0];
  for (int i = 1; i < n; ++i) u = UnionRects(u, rects[i]);
  return u;
}

void DrawLabelItBackground(Art& art, const ArtSetInfo& a) {
  LabelItLayout l = LabelItFor(a);
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

void DrawLabelItMask(Art& art, int artSet) {
  cairo_t* cr = art.cr();
  TRect r{};
  for (const auto& p : kLabelItPictures)
    if (p.artSet == artSet) r = Bounds(0, 0, p.w, p.h);
  double inset = MaskInset(artSet);
  RoundedRect(cr, inset, inset, r.Width() - 2 * inset, r.Height() - 2 * inset, MaskRadius(r) - inset);
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
}

// ----------------------------------------------------------- odd-one-out

// Card places in art-set-16 design pixels; the game scales them.
constexpr int kCardPlaces[5][2] = {{319, 340}, {482, 339}, {646, 340}, {809, 339}, {969, 340}};

// Square cards (word pictures are square, so nothing is cropped) as large
// as the pitch allows: neighbouring highlight rings must not touch.
int CardSize(int artSet) { return artSet == 2 ? 86 : artSet == 4 ? 110 : 136; }

struct OddOneOutLayout {
  int card, shift, ring;  // card side, ring shift, ring side
  TRect cards[5];
  TRect rings[5];
  TRect buttons[5];  // pomoc, stop, pop, powiedz, nast
  int buttonRow;     // top of the row of pop, powiedz, nast
};

OddOneOutLayout OddOneOutFor(const ArtSetInfo& a, TPoint screen) {
  CDisplay d = checks::DisplayFor(screen.x, screen.y);
  OddOneOutLayout l{};
  auto s = [&](int v) { return d.Scale(16, v); };
  l.card = CardSize(a.artSet);
  l.shift = s(11);
  l.ring = l.card + 2 * l.shift;
  for (int i = 0; i < 5; ++i) {
    int x = s(kCardPlaces[i][0]), y = s(kCardPlaces[i][1]);
    l.cards[i] = Bounds(x, y, l.card, l.card);
    l.rings[i] = Bounds(x - l.shift, y - l.shift, l.ring, l.ring);
  }
  const int W = d.GameArea.width, r = d.ScaleRounded(2, 7);
  int stopTop, helpTop;
  if (d.ArtSet == 2) {
    stopTop = 530;
    helpTop = 460;
  } else if (d.ArtSet == 4) {
    stopTop = 768 - 70;
    helpTop = stopTop - 76;
  } else {
    stopTop = 960 - 75 + (d.ScreenClass == 128 ? 30 : 0);
    helpTop = stopTop - 90;
  }
  l.buttonRow = s(762);
  l.buttons[0] = Bounds(W - 70 - r, helpTop, kButtonW, kButtonH);
  l.buttons[1] = Bounds(W - 68 - r, stopTop, kButtonW, kButtonH);
  l.buttons[2] = Bounds(s(540), l.buttonRow, kButtonW, kButtonH);
  l.buttons[3] = Bounds(s(668), l.buttonRow, kButtonW, kButtonH);
  l.buttons[4] = Bounds(s(796), l.buttonRow, kButtonW, kButtonH);
  return l;
}

double CardRadius(int card) { return std::round(card * 0.16); }

void DrawOddOneOutBackground(Art& art, const ArtSetInfo& a) {
  OddOneOutLayout l = OddOneOutFor(a, a.screens.front());
  cairo_t* cr = art.cr();
  Stage st(cr, art.Width());
  const double W = kDesignWidth, H = st.ToDesign(art.Height());
  Dice dice(23);

  Sky(cr, W, H, 600);
  Sun(cr, 104, 100, 52);
  Cloud(cr, 400, 96, 200);
  Cloud(cr, 760, 150, 150);
  Cloud(cr, 1080, 86, 180);
  Hills(cr, W, 560, H, dice);
  AppleTree(cr, 140, 800, 300);
  FlowerBed(cr, 40, 850, 380, 70, 10, dice);
  FlowerBed(cr, 900, 660, 200, 60, 5, dice);
  FlowerBed(cr, 900, 830, 180, 90, 6, dice);

  // The card shelf: a light board behind the row of cards, a plank under it,
  // and a soft shadow where each card stands.
  TRect row = Union(l.rings, 5);
  double m = 26;
  double rx = st.ToDesign(row.left) - m, ry = st.ToDesign(row.top) - m, rw = st.ToDesign(row.Width()) + 2 * m,
         rh = st.ToDesign(row.Height()) + 2 * m;
  for (double post : {rx + 90, rx + rw - 90 - 24}) {  // the stand's legs, down into the grass
    RoundedRect(cr, post, ry + rh / 2, 24, 700 - (ry + rh / 2), 8);
    FillOutlined(cr, 0xb27842);
  }
  Plate(cr, rx, ry, rw, rh, 30, kCream, 1.0, 0.55);
  Plank(cr, rx - 24, ry + rh - 6, rw + 48, 26);
  for (const TRect& c : l.cards) {
    double r = st.ToDesign(CardRadius(l.card));
    SoftShadow(cr, st.ToDesign(c.left) + 3, st.ToDesign(c.top) + 6, st.ToDesign(c.Width()), st.ToDesign(c.Height()), r,
               6, 0.2);
  }

  // Trays for the buttons: the row under the cards and the column on the
  // right, which runs to the bottom edge (its buttons sit lower in a
  // 1280x1024 game area).
  ButtonTray(cr, st, Union(l.buttons + 2, 3), 9);
  TRect column = UnionRects(l.buttons[0], l.buttons[1]);
  column.right = art.Width() + 40;
  column.bottom = art.Height() + 40;
  ButtonTray(cr, st, column, 9);
}

void DrawCardMask(Art& art, int card) {
  cairo_t* cr = art.cr();
  RoundedRect(cr, 0.5, 0.5, card - 1, card - 1, CardRadius(card));
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
}

// A ring from the frame's edge to 2 px inside the card, so that it covers
// the card's soft edge; black over the card and outside.
void DrawRingMask(Art& art, int card, int shift) {
  cairo_t* cr = art.cr();
  int ring = card + 2 * shift;
  RoundedRect(cr, 1, 1, ring - 2, ring - 2, CardRadius(card) + shift - 1);
  RoundedRect(cr, shift + 2, shift + 2, card - 4, card - 4, CardRadius(card) - 2);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
}

// ------------------------------------------------------------- magnifier

// The lens: a rounded bezel around the 400x400 word picture at (23, 20),
// with a handle to the bottom right. Only the bezel and the handle are opaque.
constexpr int kLensW = 548, kLensH = 542;
constexpr TRect kLensWindow = {23, 20, 423, 420};
constexpr TRect kLensBezel = {0, 0, 446, 440};

void DrawLens(Art& art) {
  cairo_t* cr = art.cr();
  // Handle along the diagonal from the bezel's corner.
  cairo_save(cr);
  cairo_translate(cr, 404, 398);
  cairo_rotate(cr, M_PI / 4);
  RoundedRect(cr, 96, -19, 92, 38, 19);  // grip
  cairo_pattern_t* grip = cairo_pattern_create_linear(0, -19, 0, 19);
  cairo_pattern_add_color_stop_rgb(grip, 0, 0xe0 / 255.0, 0xa8 / 255.0, 0x70 / 255.0);
  cairo_pattern_add_color_stop_rgb(grip, 1, 0x9c / 255.0, 0x65 / 255.0, 0x35 / 255.0);
  cairo_set_source(cr, grip);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(grip);
  StrokeOutline(cr);
  cairo_new_path(cr);
  for (int i = 0; i < 3; ++i) {  // grip rings
    RoundedRect(cr, 118 + 20 * i, -19, 6, 38, 3);
    SetColor(cr, 0x7a4a26, 0.5);
    cairo_fill(cr);
  }
  RoundedRect(cr, 40, -24, 64, 48, 10);  // collar
  FillOutlined(cr, 0x1f9e93);
  cairo_restore(cr);

  // Bezel: a teal rim with a lighter bevel and a few glints.
  const double bx = kLensBezel.left, by = kLensBezel.top, bw = kLensBezel.Width(), bh = kLensBezel.Height();
  const double wx = kLensWindow.left, wy = kLensWindow.top, ww = kLensWindow.Width(), wh = kLensWindow.Height();
  auto bezel = [&] {
    RoundedRect(cr, bx + 1.5, by + 1.5, bw - 3, bh - 3, 42);
    cairo_rectangle(cr, wx, wy, ww, wh);
  };
  bezel();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, bw, bh);
  cairo_pattern_add_color_stop_rgb(rim, 0, 0x7c / 255.0, 0xe3 / 255.0, 0xd8 / 255.0);
  cairo_pattern_add_color_stop_rgb(rim, 0.5, 0x2e / 255.0, 0xc4 / 255.0, 0xb6 / 255.0);
  cairo_pattern_add_color_stop_rgb(rim, 1, 0x1b / 255.0, 0x93 / 255.0, 0x89 / 255.0);
  cairo_set_source(cr, rim);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(rim);
  cairo_save(cr);
  cairo_clip(cr);
  RoundedRect(cr, bx + 9, by + 8, bw - 18, bh - 16, 34);
  SetColor(cr, 0xffffff, 0.45);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  const double rivets[4][2] = {{bw / 2, 10}, {bw / 2, bh - 10}, {11.5, bh / 2}, {bw - 11.5, bh / 2}};
  for (const auto& r : rivets) {  // little rivets in the middle of each side
    cairo_arc(cr, bx + r[0], by + r[1], 5, 0, 2 * M_PI);
    SetColor(cr, kYellow);
    cairo_fill_preserve(cr);
    StrokeOutline(cr, 1.5);
    cairo_new_path(cr);
  }
  cairo_restore(cr);
  bezel();
  StrokeOutline(cr, 3, 0.85);
  cairo_new_path(cr);
  // The window is exactly transparent, whatever the outlines touched.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, wx, wy, ww, wh);
  cairo_fill(cr);
  cairo_restore(cr);
}

// ------------------------------------------------------------------ module

void Generate(Tree& tree) {
  std::vector<std::function<void()>> jobs;
  for (const auto& a : ArtSets()) {
    jobs.push_back([&tree, &a] {
      Art art(a.width, a.backgroundHeight);
      DrawLabelItBackground(art, a);
      tree.Jpeg(LabelItBackgroundName(a.artSet), *art.Over(clWhite));
    });
    jobs.push_back([&tree, &a] {
      Art art(a.width, a.backgroundHeight);
      DrawOddOneOutBackground(art, a);
      tree.Jpeg(kSpec + a.backdrop + "_cnp3T.xji", *art.Over(clWhite));
    });
    jobs.push_back([&tree, &a] {
      for (const auto& p : kLabelItPictures)
        if (p.artSet == a.artSet) {
          Art art(p.w, p.h);
          DrawLabelItMask(art, a.artSet);
          tree.Jpeg(LabelItMaskName(a.artSet), *art.Over(clBlack));
        }
      int card = CardSize(a.artSet), shift = checks::DisplayFor(a.width, a.height).Scale(16, 11);
      Art cardArt(card, card);
      DrawCardMask(cardArt, card);
      auto cardMask = cardArt.Over(clBlack);
      Art ringArt(card + 2 * shift, card + 2 * shift);
      DrawRingMask(ringArt, card, shift);
      auto ringMask = ringArt.Over(clBlack);
      for (int n = 1; n <= 5; ++n) {
        tree.Jpeg(kSpec + a.piece + "_cnp3ms" + std::to_string(n) + ".xji", *cardMask);
        tree.Jpeg(kSpec + a.piece + "_cnp3om" + std::to_string(n) + ".xji", *ringMask);
      }
    });
  }
  jobs.push_back([&tree] {
    Art art(kLensW, kLensH);
    DrawLens(art);
    // Near-lossless, so the frame stays opaque and the window clear.
    tree.Jpeg(kSpec + "zoom44B.xji", *art.OnBlack(), 100);
    tree.Jpeg(kSpec + "zoom44W.xji", *art.OnWhite(), 100);
  });
  ParallelFor(int(jobs.size()), [&](int i) { jobs[i](); });
}

// Luma of a 24-bit pixel.
int Luma(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 3 * x;
  return (11 * p[0] + 59 * p[1] + 30 * p[2] + 50) / 100;
}

void CheckLabelIt(const Tree& tree, const ArtSetInfo& a, Problems& out) {
  LabelItLayout l = LabelItFor(a);
  const std::string bgName = LabelItBackgroundName(a.artSet), maskName = LabelItMaskName(a.artSet);
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
  if (auto bg = checks::Jpeg(tree, bgName, a.width, a.backgroundHeight, out)) {
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
  for (TPoint s : a.screens) checks::Background(tree, bgName, s.x, s.y, out);
}

void CheckOddOneOut(const Tree& tree, const ArtSetInfo& a, Problems& out) {
  const std::string bgName = kSpec + a.backdrop + "_cnp3T.xji";
  for (TPoint s : a.screens) {
    OddOneOutLayout l = OddOneOutFor(a, s);
    std::string where = std::string(a.piece) + " cards on " + std::to_string(s.x) + "x" + std::to_string(s.y);
    for (int i = 0; i < 5; ++i) {
      if (l.cards[i].Contains(0, 0)) out.push_back(where + ": (0, 0) lies on a card");
      for (int j = i + 1; j < 5; ++j)
        if (checks::Overlap(l.rings[i], l.rings[j]))
          out.push_back(where + ": rings " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + " overlap");
      if (l.rings[i].bottom > l.buttonRow)
        out.push_back(where + ": card " + std::to_string(i + 1) + " reaches the button row");
      for (const TRect& b : l.buttons)
        if (checks::Overlap(l.rings[i], b))
          out.push_back(where + ": card " + std::to_string(i + 1) + " meets the button at " + checks::Describe(b));
    }
    checks::Background(tree, bgName, s.x, s.y, out);
  }
  checks::Jpeg(tree, bgName, a.width, a.backgroundHeight, out);

  int card = CardSize(a.artSet), shift = checks::DisplayFor(a.width, a.height).Scale(16, 11);
  int ring = card + 2 * shift;
  for (int n = 1; n <= 5; ++n) {
    std::string ms = kSpec + a.piece + "_cnp3ms" + std::to_string(n) + ".xji";
    std::string om = kSpec + a.piece + "_cnp3om" + std::to_string(n) + ".xji";
    if (auto m = checks::GreyMask(tree, ms, card, card, out)) {
      if (checks::Grey(*m, card / 2, card / 2) < 250 || checks::Grey(*m, 2, card / 2) < 250)
        out.push_back(ms + ": the card does not show inside");
      if (checks::Grey(*m, 0, 0) > 8) out.push_back(ms + ": the corner is not transparent");
    }
    if (auto m = checks::GreyMask(tree, om, ring, ring, out)) {
      // White on the ring, black over the card and outside the ring.
      if (checks::Grey(*m, shift / 2 + 1, ring / 2) < 240 || checks::Grey(*m, ring / 2, ring - shift / 2 - 2) < 240)
        out.push_back(om + ": the ring is not opaque");
      if (checks::Grey(*m, ring / 2, ring / 2) > 8 || checks::Grey(*m, shift + 6, ring / 2) > 8)
        out.push_back(om + ": the ring covers the card");
      if (checks::Grey(*m, 0, 0) > 8) out.push_back(om + ": the corner is not transparent");
    }
  }
}

void CheckLens(const Tree& tree, Problems& out) {
  const std::string base = kSpec + "zoom44";
  auto lens = checks::JpegPair(tree, base, out);
  if (!lens) return;
  int w = lens->Colour->Width(), h = lens->Colour->Height();
  if (w > 800 || h > 600 || w < kLensWindow.right || h < kLensWindow.bottom) {
    out.push_back(base + ": size " + std::to_string(w) + "x" + std::to_string(h) +
                  " must hold the window and fit 800x600");
    return;
  }
  // The window is clear: exactly at a distance from its edge (whole JPEG
  // blocks), all but invisibly at the edge itself.
  for (int y = kLensWindow.top; y < kLensWindow.bottom; ++y)
    for (int x = kLensWindow.left; x < kLensWindow.right; ++x) {
      bool inner = x >= 32 && x < 416 && y >= 24 && y < 416;
      int a = checks::Alpha(*lens, x, y);
      if (a > (inner ? 0 : 4)) {
        out.push_back(base + ": the window is not clear at (" + std::to_string(x) + ", " + std::to_string(y) +
                      "), alpha " + std::to_string(a));
        return;
      }
    }
  // The bezel around it is opaque right up to the window.
  for (int i = 0; i < 400; ++i) {
    const int points[4][2] = {{22, 20 + i}, {423, 20 + i}, {23 + i, 19}, {23 + i, 420}};
    for (const auto& p : points)
      if (checks::Alpha(*lens, p[0], p[1]) < 248) {
        checks::ExpectAlpha(*lens, base + " bezel", p[0], p[1], 248, 255, out);
        return;
      }
  }
  checks::ExpectAlpha(*lens, base + " bezel", 11, 200, 255, 255, out);
  checks::ExpectAlpha(*lens, base + " bezel", 434, 200, 255, 255, out);
  checks::ExpectAlpha(*lens, base + " bezel", 200, 9, 255, 255, out);
  checks::ExpectAlpha(*lens, base + " bezel", 200, 430, 255, 255, out);
  checks::ExpectAlpha(*lens, base + " handle", 490, 484, 250, 255, out);
  checks::ExpectAlpha(*lens, base + " outside", 4, h - 4, 0, 4, out);
  checks::ExpectAlpha(*lens, base + " outside", w - 4, 4, 0, 4, out);
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<Problems> found(ArtSets().size() + 1);
  ParallelFor(int(found.size()), [&](int i) {
    if (i == int(ArtSets().size())) {
      CheckLens(tree, found[i]);
      return;
    }
    CheckLabelIt(tree, ArtSets()[i], found[i]);
    CheckOddOneOut(tree, ArtSets()[i], found[i]);
  });
  Problems all;
  for (auto& f : found) all.insert(all.end(), f.begin(), f.end());
  return all;
}

}  // namespace

Module GamePictures1Module() { return Module{"games1", Generate, Check}; }

}  // namespace datagen
