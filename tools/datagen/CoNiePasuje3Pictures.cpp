// Generates the pictures of the odd-one-out game and of the magnifier: a
// background per art set with a shelf for five cards, a card mask and a
// highlight ring per card; one lens pair for every art set.
#include <cmath>
#include <functional>

#include "games/Fmconiepasuje3/CoNiePasuje3Layout.h"
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

// ----------------------------------------------------------- odd-one-out

// Square cards (word pictures are square, so nothing is cropped) as large
// as the pitch allows: neighbouring highlight rings must not touch.
int CardSize(int artSet) { return artSet == 2 ? 86 : artSet == 4 ? 110 : 136; }

struct Places {
  int card, shift, ring;  // card side, ring shift, ring side
  TRect cards[5];
  TRect rings[5];
  TRect buttons[5];  // pomoc, stop, pop, powiedz, nast
  int buttonRow;     // top of the row of pop, powiedz, nast
};

Places PlacesFor(const ArtSetInfo& a, TPoint screen) {
  const coniepasuje3::Layout l = coniepasuje3::LayoutFor(checks::DisplayFor(screen.x, screen.y));
  Places p{};
  p.card = CardSize(a.set);
  p.shift = l.highlightShift;
  p.ring = p.card + 2 * p.shift;
  for (int i = 0; i < 5; ++i) {
    p.cards[i] = Bounds(l.cards[std::size_t(i)].x, l.cards[std::size_t(i)].y, p.card, p.card);
    p.rings[i] = Bounds(l.highlights[std::size_t(i)].x, l.highlights[std::size_t(i)].y, p.ring, p.ring);
  }
  p.buttonRow = l.previous.y;
  const TPoint buttons[5] = {l.help, l.stop, l.previous, l.say, l.next};
  for (int i = 0; i < 5; ++i) p.buttons[i] = Bounds(buttons[i].x, buttons[i].y, res::kButtonSize.w, res::kButtonSize.h);
  return p;
}

double CardRadius(int card) { return std::round(card * 0.16); }

// The background of art set 16 is as tall as a 1280x1024 game area; a
// 1280x960 screen shows its top.
int BackgroundHeight(const ArtSetInfo& a) { return a.set == 16 ? 1024 : a.height; }

// The margin of the buttons' trays, and the column of "pomoc" and "stop" on
// every screen of the art set (they sit lower on a 1280x1024 screen).
constexpr int kTrayMargin = 9;
TRect ButtonColumn(const ArtSetInfo& a) {
  TRect column{};
  for (TPoint s : a.screens) {
    const Places p = PlacesFor(a, s);
    const TRect c = UnionRects(p.buttons[0], p.buttons[1]);
    column = column.IsEmpty() ? c : UnionRects(column, c);
  }
  return column;
}

void DrawBackground(Art& art, const ArtSetInfo& a) {
  Places l = PlacesFor(a, a.screens.front());
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

  // Trays for the buttons: the row under the cards, and the column on the
  // right, which rises from the bottom edge.
  ButtonTray(cr, st, Union(l.buttons + 2, 3), kTrayMargin);
  TRect column = ButtonColumn(a);
  column.bottom = art.Height() + 40;
  ButtonTray(cr, st, column, kTrayMargin);
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
  for (const ArtSetInfo& a : kSets) {
    jobs.push_back([&tree, &a] {
      Art art(a.width, BackgroundHeight(a));
      DrawBackground(art, a);
      tree.Jpeg(kSpec + a.backgrounds + "_cnp3T.xji", *art.Over(clWhite));
    });
    jobs.push_back([&tree, &a] {
      const Places l = PlacesFor(a, a.screens.front());
      Art cardArt(l.card, l.card);
      DrawCardMask(cardArt, l.card);
      auto cardMask = cardArt.Over(clBlack);
      Art ringArt(l.ring, l.ring);
      DrawRingMask(ringArt, l.card, l.shift);
      auto ringMask = ringArt.Over(clBlack);
      for (int n = 1; n <= 5; ++n) {
        tree.Jpeg(kSpec + a.pieces + "_cnp3ms" + std::to_string(n) + ".xji", *cardMask);
        tree.Jpeg(kSpec + a.pieces + "_cnp3om" + std::to_string(n) + ".xji", *ringMask);
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
  ParallelFor(int(jobs.size()), [&](int i) { jobs[size_t(i)](); });
}

void CheckOddOneOut(const Tree& tree, const ArtSetInfo& a, Problems& out) {
  const std::string bgName = kSpec + a.backgrounds + "_cnp3T.xji";
  for (TPoint s : a.screens) {
    Places l = PlacesFor(a, s);
    std::string where = std::string(a.pieces) + " cards on " + std::to_string(s.x) + "x" + std::to_string(s.y);
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
    for (const TRect& b : l.buttons)
      if (b.bottom > BackgroundHeight(a))
        out.push_back(where + ": the button at " + checks::Describe(b) + " reaches below the background");
    checks::Background(tree, bgName, s.x, s.y, out);
  }
  checks::Jpeg(tree, bgName, a.width, BackgroundHeight(a), out);
  if (ButtonColumn(a).right + kTrayMargin > a.width) out.push_back(bgName + ": the buttons' tray runs off the right edge");

  const Places places = PlacesFor(a, a.screens.front());
  const int card = places.card, shift = places.shift, ring = places.ring;
  for (int n = 1; n <= 5; ++n) {
    std::string ms = kSpec + a.pieces + "_cnp3ms" + std::to_string(n) + ".xji";
    std::string om = kSpec + a.pieces + "_cnp3om" + std::to_string(n) + ".xji";
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
  std::vector<Problems> found(4);
  ParallelFor(4, [&](int i) {
    if (i == 3) CheckLens(tree, found[3]);
    else CheckOddOneOut(tree, kSets[i], found[size_t(i)]);
  });
  Problems all;
  for (auto& f : found) all.insert(all.end(), f.begin(), f.end());
  return all;
}

}  // namespace

Module CoNiePasuje3PicturesModule() { return Module{"coniepasuje3", Generate, Check}; }

}  // namespace datagen
