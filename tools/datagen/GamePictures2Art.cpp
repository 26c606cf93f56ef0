#include "tools/datagen/GamePictures2Art.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "tools/datagen/GamePictures2Layout.h"

namespace datagen::games2 {

namespace {

// ---- palette ----
constexpr unsigned kInk = 0x3b2f2f;  // outlines, at 80 %
constexpr unsigned kSkyTop = 0x8fd3ff, kSkyLow = 0xe8f7ff;
constexpr unsigned kGrass = 0x7ccd5a, kGrassDark = 0x4fa83d, kGrassFar = 0xa6e08a;
constexpr unsigned kWood = 0xc98b4f, kWoodDark = 0x9a6234;
constexpr unsigned kPink = 0xff7eb6, kYellow = 0xffd23f, kPurple = 0xb28dff, kOrange = 0xff9f43, kRed = 0xff5e57,
                   kTeal = 0x2ec4b6;
constexpr unsigned kCream = 0xfff6dc;

struct P {
  double x, y;
};

// A repeatable number in [0, 1) for scenery details.
double Noise(unsigned a, unsigned b = 0) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / 16777216.0;
}

void Ink(cairo_t* cr, double width, double alpha = 0.8) {
  SetColor(cr, kInk, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

// Fills the current path and outlines it.
void FillInk(cairo_t* cr, unsigned fill, double width) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  Ink(cr, width);
}

// Fills a path made of overlapping parts with one outline round the whole:
// the outline is stroked twice as wide first and the fill covers its inner half.
void FillUnionInk(cairo_t* cr, double width, double alpha = 0.8) {
  SetColor(cr, kInk, alpha);
  cairo_set_line_width(cr, 2 * width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, unsigned c0, unsigned c1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  auto stop = [&](double at, unsigned c) {
    cairo_pattern_add_color_stop_rgb(g, at, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
  };
  stop(0, c0);
  stop(1, c1);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

// A smooth curve through the points (Catmull-Rom turned into Bezier pieces).
void SmoothThrough(cairo_t* cr, const std::vector<P>& p, bool moveFirst = true) {
  if (p.empty()) return;
  if (moveFirst) cairo_move_to(cr, p[0].x, p[0].y);
  else cairo_line_to(cr, p[0].x, p[0].y);
  int n = int(p.size());
  for (int i = 0; i + 1 < n; ++i) {
    P p0 = p[std::max(i - 1, 0)], p1 = p[i], p2 = p[i + 1], p3 = p[std::min(i + 2, n - 1)];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
}

void Sky(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, h, kSkyTop, kSkyLow);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
}

// A soft white cloud about 2.6 s wide, centred at (cx, cy).
void Cloud(cairo_t* cr, double cx, double cy, double s) {
  static const double puffs[][3] = {{-0.95, 0.12, 0.5}, {-0.45, -0.2, 0.66}, {0.2, -0.36, 0.78},
                                    {0.8, 0.02, 0.55}, {0.0, 0.15, 0.6}};
  auto shape = [&](double dy) {
    for (auto& c : puffs) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + c[0] * s, cy + c[1] * s + dy, c[2] * s, 0, 2 * M_PI);
    }
    RoundedRect(cr, cx - 1.35 * s, cy - 0.05 * s + dy, 2.7 * s, 0.55 * s, 0.27 * s);
  };
  shape(0.1 * s);
  SetColor(cr, 0xcfe6f5, 0.9);
  cairo_fill(cr);
  shape(0);
  SetColor(cr, 0xffffff, 0.97);
  cairo_fill(cr);
}

// A warm, smiling sun.
void Sun(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  SetColor(cr, kYellow, 0.55);
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6, da = 0.13;
    cairo_move_to(cr, cx + std::cos(a - da) * r * 1.12, cy + std::sin(a - da) * r * 1.12);
    cairo_line_to(cr, cx + std::cos(a) * r * 1.62, cy + std::sin(a) * r * 1.62);
    cairo_line_to(cr, cx + std::cos(a + da) * r * 1.12, cy + std::sin(a + da) * r * 1.12);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.96, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.8, 0.2);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  SetColor(cr, kOrange, 0.9);
  cairo_set_line_width(cr, r * 0.06);
  cairo_stroke(cr);
  // Face.
  SetColor(cr, kInk, 0.75);
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_translate(cr, cx + s * r * 0.32, cy - r * 0.12);
    cairo_scale(cr, 1, 1.4);
    cairo_arc(cr, 0, 0, r * 0.075, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy + r * 0.02, r * 0.42, M_PI * 0.2, M_PI * 0.8);
  Ink(cr, r * 0.07, 0.75);
  SetColor(cr, kPink, 0.45);
  for (int s = -1; s <= 1; s += 2) {
    cairo_arc(cr, cx + s * r * 0.55, cy + r * 0.22, r * 0.13, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// Rolling ground from the wavy line at baseY down to the bottom.
void Hill(cairo_t* cr, double w, double h, double baseY, double amp, double waves, double phase, unsigned top,
          unsigned bottom) {
  std::vector<P> pts;
  int n = 24;
  for (int i = 0; i <= n; ++i) {
    double x = -40 + (w + 80) * i / n;
    pts.push_back({x, baseY - amp * std::sin(phase + waves * 2 * M_PI * i / n) -
                          amp * 0.35 * std::sin(phase * 1.7 + waves * 5.1 * M_PI * i / n)});
  }
  SmoothThrough(cr, pts);
  cairo_line_to(cr, w + 40, h + 40);
  cairo_line_to(cr, -40, h + 40);
  cairo_close_path(cr);
  VerticalGradient(cr, baseY - amp, std::min(h, baseY + 260), top, bottom);
  cairo_fill_preserve(cr);
  cairo_new_path(cr);
  SmoothThrough(cr, pts);
  Ink(cr, 2.5, 0.25);
}

// A few blades of grass rising from (x, y).
void GrassTuft(cairo_t* cr, double x, double y, double h, unsigned colour, unsigned seed) {
  int blades = 3 + int(Noise(seed, 1) * 3);
  for (int i = 0; i < blades; ++i) {
    double dx = (i - (blades - 1) / 2.0) * h * 0.16;
    double lean = (Noise(seed, 10 + i) - 0.5) * h * 0.8;
    double bh = h * (0.6 + 0.4 * Noise(seed, 20 + i));
    double bw = h * 0.09;
    cairo_move_to(cr, x + dx - bw, y);
    cairo_curve_to(cr, x + dx - bw, y - bh * 0.5, x + dx + lean * 0.5, y - bh * 0.8, x + dx + lean, y - bh);
    cairo_curve_to(cr, x + dx + lean * 0.5 + bw * 0.3, y - bh * 0.7, x + dx + bw, y - bh * 0.4, x + dx + bw, y);
    cairo_close_path(cr);
  }
  SetColor(cr, colour);
  cairo_fill_preserve(cr);
  Ink(cr, 1.2, 0.35);
}

void Daisy(cairo_t* cr, double x, double y, double r, unsigned petals) {
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3;
    cairo_save(cr);
    cairo_translate(cr, x + std::cos(a) * r * 0.62, y + std::sin(a) * r * 0.62);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, r * 0.45, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  FillUnionInk(cr, 1.1, 0.5);
  SetColor(cr, petals);
  cairo_fill(cr);
  cairo_arc(cr, x, y, r * 0.32, 0, 2 * M_PI);
  FillInk(cr, kYellow, 1.0);
}

// A round tree standing on groundY.
void Tree(cairo_t* cr, double x, double groundY, double s, unsigned crown) {
  cairo_rectangle(cr, x - 0.12 * s, groundY - 0.9 * s, 0.24 * s, 0.9 * s);
  FillInk(cr, kWood, 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, groundY - 1.2 * s, 0.55 * s, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x - 0.35 * s, groundY - 0.95 * s, 0.38 * s, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + 0.36 * s, groundY - 0.98 * s, 0.4 * s, 0, 2 * M_PI);
  FillUnionInk(cr, 2, 0.55);
  SetColor(cr, crown);
  cairo_fill(cr);
}

// A little leaf shape along a vine or stem: base at (x, y), pointing at angle a.
void Leaflet(cairo_t* cr, double x, double y, double a, double len, unsigned colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.38, len * 0.75, -len * 0.32, len, 0);
  cairo_curve_to(cr, len * 0.75, len * 0.32, len * 0.3, len * 0.38, 0, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColor(cr, colour);
  cairo_fill_preserve(cr);
  Ink(cr, 1.6, 0.6);
}

// The art picture scaled from the 1280 x 960 grid.
std::unique_ptr<Art> Canvas(int w, int h, double sx, double sy) {
  auto art = std::make_unique<Art>(w, h);
  cairo_scale(art->cr(), sx, sy);
  return art;
}

// Pixel places of the art set as the program computes them.
const ArtScale& Display(int si) {
  static const ArtScale d[3] = {DisplayFor(2), DisplayFor(4), DisplayFor(16)};
  return d[si];
}

// ---- vines ----

double WindowRadius(int side) { return side * 0.5; }
double TitleRadius(int side) { return side * 0.17; }

// Where the leaf's stalk meets the vine, relative to the leaf (pixels): the
// middle of the cut mark.
P StalkEnd(int si) {
  VinesPlaces v = VinesPlacesFor(Display(si));
  return {v.cutMark.x + kCutMark[si].w / 2.0, v.cutMark.y + kCutMark[si].h / 2.0};
}

// The grass tufts at the bottom that stand in front of the collected leaves
// (pixel coordinates of the game area).
void ForegroundTufts(cairo_t* cr, int si, bool inkToo) {
  const ArtSetInfo& a = kSets[si];
  VinesPlaces v = VinesPlacesFor(Display(si));
  Size patch = kForegroundPatch[si];
  double k = a.k;
  int n = 26;
  for (int i = 0; i < n; ++i) {
    double x = v.foreground.x + (i + 0.5) * patch.w / n + (Noise(i, 3) - 0.5) * 14 * k;
    double h = (44 + 14 * Noise(i, 4)) * k;
    GrassTuft(cr, x, a.height + 2, h, inkToo ? (i % 2 ? kGrassDark : 0x5cb548) : 0xffffff, 100 + i);
  }
}

}  // namespace

std::unique_ptr<Art> VinesBackground(int si) {
  const ArtSetInfo& a = kSets[si];
  const double k = a.k;
  auto art = Canvas(a.width, a.height, k, k);
  cairo_t* cr = art->cr();
  VinesPlaces v = VinesPlacesFor(Display(si));

  Sky(cr, 1280, 700);
  Sun(cr, 1208, 178, 44);
  Cloud(cr, 200, 300, 40);
  Cloud(cr, 1150, 520, 34);
  Cloud(cr, 640, 600, 30);
  Hill(cr, 1280, 960, 640, 22, 1.3, 0.4, kGrassFar, 0x8fd472);
  Tree(cr, 1190, 700, 70, 0x6cc24a);
  Tree(cr, 90, 690, 55, 0x73c653);
  Hill(cr, 1280, 960, 720, 16, 0.9, 2.0, kGrass, kGrassDark);

  // Daisies and tufts on the meadow, away from the collected row.
  for (int i = 0; i < 16; ++i) {
    double x = 40 + Noise(i, 7) * 1200, y = 760 + Noise(i, 8) * 180;
    if (x > 300 && y < 930) continue;
    Daisy(cr, x, y, 8 + Noise(i, 9) * 4, i % 3 == 0 ? kPink : 0xffffff);
  }
  for (int i = 0; i < 20; ++i) GrassTuft(cr, Noise(i, 11) * 1280, 740 + Noise(i, 12) * 200, 22, kGrassDark, 300 + i);

  // The branch across the top, with foliage at both ends.
  // The buttons' column at the left (up to x 100, y 530 on the 800 x 600
  // screen, where the buttons do not shrink with the art) stays plain sky.
  std::vector<P> branch = {{200, 26}, {400, 14}, {700, 24}, {1000, 12}, {1300, 20}};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SmoothThrough(cr, branch);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 34);
  cairo_stroke(cr);
  SmoothThrough(cr, branch);
  SetColor(cr, kWood);
  cairo_set_line_width(cr, 28);
  cairo_stroke(cr);
  SmoothThrough(cr, {{214, 20}, {400, 8}, {700, 18}, {1000, 6}, {1300, 14}});
  SetColor(cr, 0xe0a76a);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  for (int i = 0; i < 9; ++i) {
    double x = 250 + i * 118 + Noise(i, 15) * 40;
    Leaflet(cr, x, 30, M_PI * (0.15 + 0.7 * Noise(i, 16)), 40, i % 2 ? kGrass : 0x5cb548);
  }
  for (auto c : {P{190, 14}, P{1250, 8}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, 46, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x - 40, c.y + 18, 32, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x + 40, c.y + 22, 30, 0, 2 * M_PI);
    FillUnionInk(cr, 3, 0.6);
    SetColor(cr, 0x5cb548);
    cairo_fill(cr);
  }

  // Vines: from the branch through the points where the leaves' stalks hang.
  P end = StalkEnd(si);
  auto at = [&](int i) { return P{(v.anchors[i].x + end.x) / k, (v.anchors[i].y + end.y) / k}; };
  std::vector<std::vector<P>> vines = {
      {{342, 24}, at(0), {322, 300}, at(1), {292, 452}},
      {{590, 24}, at(2), {538, 262}, at(6), {514, 410}, at(3), {566, 560}},
      {{772, 20}, at(4), {752, 250}, at(7), {770, 470}, at(5), {826, 640}},
      {{962, 18}, at(8), {958, 330}, at(9), {968, 520}},
  };
  for (auto& vine : vines) {
    SmoothThrough(cr, vine);
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 13);
    cairo_stroke(cr);
    SmoothThrough(cr, vine);
    SetColor(cr, 0x3f9a45);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    // A curl at the end and leaflets along the way.
    P e = vine.back();
    cairo_arc(cr, e.x + 14, e.y, 14, M_PI, M_PI * 2.6);
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_arc(cr, e.x + 14, e.y, 14, M_PI, M_PI * 2.6);
    SetColor(cr, 0x3f9a45);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (size_t i = 0; i + 1 < vine.size(); ++i) {
      P m{(vine[i].x + vine[i + 1].x) / 2, (vine[i].y + vine[i + 1].y) / 2};
      double side = i % 2 ? 1 : -1;
      Leaflet(cr, m.x, m.y, side > 0 ? 0.5 : M_PI - 0.5, 28, 0x6cc24a);
    }
  }

  // The sign that carries the title picture, on two posts.
  {
    double x = v.title.x / k, y = v.title.y / k, w = kTitleWindow[si].w / k, h = kTitleWindow[si].h / k;
    double r = TitleRadius(kTitleWindow[si].w) / k;
    for (double px : {x + w * 0.25, x + w * 0.75}) {
      cairo_rectangle(cr, px - 9, y + h, 18, 62);
      VerticalGradient(cr, y + h, y + h + 62, kWood, kWoodDark);
      cairo_fill_preserve(cr);
      Ink(cr, 3);
    }
    RoundedRect(cr, x - 16, y - 16, w + 32, h + 32, r + 16);
    VerticalGradient(cr, y - 16, y + h + 16, 0xd99a5c, kWood);
    cairo_fill_preserve(cr);
    Ink(cr, 3);
    // Nails in the middle of each side.
    for (P n : {P{x + w / 2, y - 8}, P{x + w / 2, y + h + 8}, P{x - 8, y + h / 2}, P{x + w + 8, y + h / 2}}) {
      cairo_arc(cr, n.x, n.y, 3.5, 0, 2 * M_PI);
      SetColor(cr, kWoodDark);
      cairo_fill(cr);
    }
    RoundedRect(cr, x - 3, y - 3, w + 6, h + 6, r + 3);
    SetColor(cr, kCream);
    cairo_fill_preserve(cr);
    Ink(cr, 2.5, 0.6);
  }

  // A light clearing where the cut leaves are gathered.
  cairo_save(cr);
  cairo_translate(cr, 790, 850);
  cairo_scale(cr, 520, 70);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, 0xa6e08a, 0.55);
  cairo_fill(cr);

  // The grass in front (drawn again over the collected leaves by the game).
  cairo_identity_matrix(cr);
  ForegroundTufts(cr, si, true);
  return art;
}

namespace {

// The blade outline of a leaf (184 x 136 grid): an oval leaf round the
// picture window with its tip to the right and its stalk at the lower left.
void LeafBlade(cairo_t* cr, bool right) {
  if (!right) {
    cairo_move_to(cr, 7, 70);
    cairo_curve_to(cr, 6, 28, 38, 0.5, 80, 0.5);
    cairo_curve_to(cr, 128, 0.5, 160, 28, 183, 58);
    cairo_curve_to(cr, 160, 100, 126, 135.5, 80, 135.5);
    cairo_curve_to(cr, 38, 135.5, 8, 110, 7, 70);
  } else {
    cairo_move_to(cr, 17, 72);
    cairo_curve_to(cr, 16, 28, 46, 0.5, 88, 0.5);
    cairo_curve_to(cr, 136, 0.5, 170, 12, 183.5, 34);
    cairo_curve_to(cr, 178, 100, 136, 135.5, 88, 135.5);
    cairo_curve_to(cr, 46, 135.5, 18, 114, 17, 72);
  }
  cairo_close_path(cr);
}

}  // namespace

std::unique_ptr<Art> Leaf(int si, bool right, bool lit) {
  Size s = kLeaf[si];
  double sx = s.w / 184.0, sy = s.h / 136.0;
  auto art = Canvas(s.w, s.h, sx, sy);
  cairo_t* cr = art->cr();
  VinesPlaces v = VinesPlacesFor(Display(si));
  TPoint win = right ? v.windowRight : v.windowLeft;
  Size ws = kLeafWindow[si];
  double wx = win.x / sx, wy = win.y / sy, ww = ws.w / sx, wh = ws.h / sy;

  // Stalk towards the vine at the lower left.
  P end = StalkEnd(si);
  double ex = std::max(0.0, end.x) / sx + 1, ey = end.y / sy;
  P base = right ? P{28, 118} : P{20, 116};
  cairo_move_to(cr, base.x, base.y);
  cairo_curve_to(cr, base.x - 4, base.y + 8, ex + 6, ey - 4, ex - 2, ey + 1);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 10);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, base.x, base.y);
  cairo_curve_to(cr, base.x - 4, base.y + 8, ex + 6, ey - 4, ex - 2, ey + 1);
  SetColor(cr, 0x3f9a45);
  cairo_set_line_width(cr, 5.5);
  cairo_stroke(cr);

  // The blade.
  unsigned c0 = right ? 0x95d86c : kGrass, c1 = right ? 0x3f9a45 : kGrassDark;
  if (lit) c0 = 0xc8f08a, c1 = 0x86d160;
  LeafBlade(cr, right);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 184, 136);
  cairo_pattern_add_color_stop_rgb(g, 0, ((c0 >> 16) & 255) / 255.0, ((c0 >> 8) & 255) / 255.0, (c0 & 255) / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, ((c1 >> 16) & 255) / 255.0, ((c1 >> 8) & 255) / 255.0, (c1 & 255) / 255.0);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  if (lit) {
    // A warm glow along the edge.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    SetColor(cr, kYellow, 0.85);
    cairo_set_line_width(cr, 14);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    SetColor(cr, kOrange);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
  } else {
    Ink(cr, 3.2);
  }

  // Veins: the midrib from the window to the tip, side veins in the corners.
  double tipX = 181, tipY = right ? 36 : 58;
  double cx = wx + ww / 2, cy = wy + wh / 2, rad = ww / 2;
  cairo_move_to(cr, cx + rad, cy - 2);
  cairo_curve_to(cr, cx + rad + 14, cy - 4, tipX - 20, tipY + 3, tipX - 5, tipY);
  for (double a : {-2.4, -0.75, 0.75, 2.4}) {
    cairo_move_to(cr, cx + std::cos(a) * (rad + 3), cy + std::sin(a) * (rad + 3));
    cairo_line_to(cr, cx + std::cos(a) * (rad + 13), cy + std::sin(a) * (rad + 13));
  }
  double mx = cx + rad + (tipX - cx - rad) * 0.45, my = cy + (tipY - cy) * 0.45;
  cairo_move_to(cr, mx, my);
  cairo_line_to(cr, mx + 12, my - 14);
  cairo_move_to(cr, mx, my);
  cairo_line_to(cr, mx + 12, my + 13);
  SetColor(cr, lit ? 0xeafcc2 : 0xc6f0a0, 0.9);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);

  // The rim of the picture window, at its exact pixels.
  cairo_identity_matrix(cr);
  double r = WindowRadius(ws.w);
  double rim = std::max(2.0, 4.5 * kSets[si].k);
  RoundedRect(cr, win.x - rim, win.y - rim, ws.w + 2 * rim, ws.h + 2 * rim, r + rim);
  SetColor(cr, lit ? 0xfff3a6 : kCream);
  cairo_fill_preserve(cr);
  Ink(cr, std::max(1.2, 2 * kSets[si].k), 0.55);
  return art;
}

std::unique_ptr<Art> LeafWindowMask(int si) {
  Size s = kLeafWindow[si];
  auto art = std::make_unique<Art>(s.w, s.h);
  RoundedRect(art->cr(), 0, 0, s.w, s.h, WindowRadius(s.w));
  SetColor(art->cr(), 0xffffff);
  cairo_fill(art->cr());
  return art;
}

std::unique_ptr<Art> CutMarkMask(int si) {
  // The stub left on the vine: a slanted oval with a nick.
  Size s = kCutMark[si];
  auto art = Canvas(s.w, s.h, s.w / 32.0, s.h / 20.0);
  cairo_t* cr = art->cr();
  cairo_save(cr);
  cairo_translate(cr, 16, 10);
  cairo_rotate(cr, -0.45);
  cairo_scale(cr, 11, 6.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, 0xffffff, 0.85);
  cairo_fill(cr);
  cairo_move_to(cr, 9, 14);
  cairo_line_to(cr, 24, 6);
  SetColor(cr, 0xffffff);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  return art;
}

std::unique_ptr<Art> TitleWindowMask(int si) {
  Size s = kTitleWindow[si];
  auto art = std::make_unique<Art>(s.w, s.h);
  RoundedRect(art->cr(), 0, 0, s.w, s.h, TitleRadius(s.w));
  SetColor(art->cr(), 0xffffff);
  cairo_fill(art->cr());
  return art;
}

std::unique_ptr<Art> ForegroundPatchMask(int si) {
  Size s = kForegroundPatch[si];
  auto art = std::make_unique<Art>(s.w, s.h);
  VinesPlaces v = VinesPlacesFor(Display(si));
  cairo_translate(art->cr(), -v.foreground.x, -v.foreground.y);
  ForegroundTufts(art->cr(), si, false);
  return art;
}

// ---- truck ----

std::unique_ptr<Art> TruckBackground(int si, bool tall) {
  const ArtSetInfo& a = kSets[si];
  const double k = a.k;
  int h = tall ? kTruckScene128.h : a.height;
  auto art = Canvas(a.width, h, k, k);
  cairo_t* cr = art->cr();
  double H = h / k;  // design height (960, or 1024 for the tall scene)

  Sky(cr, 1280, 760);
  Sun(cr, 1150, 250, 52);
  Cloud(cr, 520, 300, 42);
  Cloud(cr, 880, 380, 32);
  Cloud(cr, 180, 420, 30);
  Hill(cr, 1280, H, 600, 30, 1.1, 1.0, kGrassFar, 0x96d67a);
  for (int i = 0; i < 6; ++i) Tree(cr, 260 + i * 190 + Noise(i, 30) * 60, 640 + Noise(i, 31) * 20, 44, 0x6cc24a);
  Hill(cr, 1280, H, 720, 14, 0.8, 2.6, kGrass, kGrassDark);
  for (int i = 0; i < 14; ++i) Daisy(cr, 120 + Noise(i, 33) * 1120, 780 + Noise(i, 34) * 60, 7, i % 3 ? 0xffffff : kPink);
  for (int i = 0; i < 16; ++i) GrassTuft(cr, Noise(i, 35) * 1280, 770 + Noise(i, 36) * 90, 20, kGrassDark, 400 + i);

  // The road the truck stands on; its wheels touch it at about 948.
  double top = 876, bottom = 992;
  cairo_rectangle(cr, -10, top, 1300, bottom - top);
  VerticalGradient(cr, top, bottom, 0x8a92a3, 0x727a8c);
  cairo_fill(cr);
  cairo_rectangle(cr, -10, top - 6, 1300, 8);
  SetColor(cr, 0xd9dde5);
  cairo_fill_preserve(cr);
  Ink(cr, 2, 0.6);
  cairo_rectangle(cr, -10, bottom - 2, 1300, 8);
  SetColor(cr, 0xd9dde5);
  cairo_fill_preserve(cr);
  Ink(cr, 2, 0.6);
  for (int i = 0; i < 12; ++i) {
    RoundedRect(cr, 20 + i * 120, 912, 64, 8, 4);
    SetColor(cr, 0xffffff, 0.85);
    cairo_fill(cr);
  }
  // The verge below the road (seen on the tallest screens).
  cairo_rectangle(cr, -10, bottom + 6, 1300, 200);
  VerticalGradient(cr, bottom, bottom + 60, kGrass, kGrassDark);
  cairo_fill(cr);
  for (int i = 0; i < 14; ++i) GrassTuft(cr, 40 + i * 92, bottom + 40, 20, 0x5cb548, 500 + i);
  return art;
}

std::unique_ptr<Art> Plane(int si) {
  Size s = kPlane[si];
  auto art = Canvas(s.w, s.h, s.w / 200.0, s.h / 110.0);
  cairo_t* cr = art->cr();
  // Tow rope from the banner to the tail.
  cairo_move_to(cr, 0, 66);
  cairo_curve_to(cr, 12, 68, 22, 64, 34, 60);
  SetColor(cr, kInk, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // Lower wing behind the body, struts, upper wing.
  RoundedRect(cr, 78, 64, 78, 14, 7);
  FillInk(cr, 0xe0443d, 2.5);
  // Tail fin and tail plane.
  cairo_move_to(cr, 30, 56);
  cairo_curve_to(cr, 24, 40, 24, 16, 36, 10);
  cairo_curve_to(cr, 48, 14, 58, 36, 70, 50);
  cairo_close_path(cr);
  FillInk(cr, kRed, 2.5);
  // Body.
  cairo_move_to(cr, 28, 56);
  cairo_curve_to(cr, 60, 36, 120, 34, 170, 40);
  cairo_curve_to(cr, 184, 44, 186, 76, 172, 80);
  cairo_curve_to(cr, 120, 88, 62, 84, 28, 66);
  cairo_close_path(cr);
  VerticalGradient(cr, 36, 86, 0xffe27a, 0xffbf1f);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  RoundedRect(cr, 22, 56, 36, 10, 5);
  FillInk(cr, kRed, 2);
  // Struts and upper wing.
  cairo_move_to(cr, 100, 40);
  cairo_line_to(cr, 96, 22);
  cairo_move_to(cr, 138, 40);
  cairo_line_to(cr, 142, 22);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, 70, 12, 100, 14, 7);
  FillInk(cr, kRed, 2.5);
  // Pilot with a cap, and the windscreen.
  cairo_arc(cr, 114, 38, 12, 0, 2 * M_PI);
  FillInk(cr, 0xffd9b3, 2);
  cairo_arc(cr, 114, 36, 12, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  FillInk(cr, 0x7a4a2a, 2);
  RoundedRect(cr, 104, 33, 20, 6, 3);
  FillInk(cr, kTeal, 1.5);
  cairo_move_to(cr, 130, 44);
  cairo_line_to(cr, 136, 30);
  cairo_line_to(cr, 142, 44);
  cairo_close_path(cr);
  SetColor(cr, 0xbfe9ff, 0.9);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  // Stripe, wheel, nose and propeller.
  cairo_move_to(cr, 60, 62);
  cairo_curve_to(cr, 100, 66, 140, 66, 176, 62);
  SetColor(cr, kRed, 0.9);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, 120, 84);
  cairo_line_to(cr, 124, 96);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, 125, 99, 8, 0, 2 * M_PI);
  FillInk(cr, 0x4a4a55, 2);
  cairo_arc(cr, 178, 60, 11, 0, 2 * M_PI);
  FillInk(cr, kOrange, 2.5);
  cairo_save(cr);
  cairo_translate(cr, 190, 60);
  cairo_scale(cr, 6, 46);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, 0xd8dce6, 0.6);
  cairo_fill_preserve(cr);
  Ink(cr, 1.5, 0.5);
  cairo_arc(cr, 190, 60, 4, 0, 2 * M_PI);
  FillInk(cr, 0x6b6b78, 1.5);
  return art;
}

std::unique_ptr<Art> BannerMask(int si) {
  // A long cloud; the program paints it white and writes into it.
  Size s = kBanner[si];
  auto art = Canvas(s.w, s.h, s.w / 700.0, s.h / 130.0);
  cairo_t* cr = art->cr();
  RoundedRect(cr, 8, 24, 684, 84, 42);
  // Puffs of different sizes along the top, smaller ones below.
  static const double puffs[][3] = {{58, 44, 34},  {120, 42, 38}, {196, 38, 30}, {262, 43, 40}, {340, 38, 30},
                                    {404, 40, 36}, {476, 36, 28}, {540, 40, 36}, {612, 42, 32}, {96, 100, 24},
                                    {190, 105, 20}, {296, 99, 26}, {420, 105, 20}, {528, 101, 24}, {640, 96, 22}};
  for (auto& c : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c[0], c[1], c[2], 0, 2 * M_PI);
  }
  // A soft edge, then the solid cloud.
  SetColor(cr, 0xffffff, 0.3);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
  return art;
}

std::unique_ptr<Art> Truck(int si) {
  Size s = kTruck[si];
  auto art = Canvas(s.w, s.h, s.w / 620.0, s.h / 260.0);
  cairo_t* cr = art->cr();
  // Parcels already on board, peeking over the side.
  static const double load[][3] = {{40, 30, 44}, {86, 20, 54}, {150, 34, 40}, {360, 26, 48}, {400, 36, 36}};
  for (auto& b : load) {
    RoundedRect(cr, b[0], b[1], b[2], 64 - b[1] + 10, 4);
    FillInk(cr, 0xd9a066, 2.5);
    cairo_move_to(cr, b[0] + b[2] / 2, b[1]);
    cairo_line_to(cr, b[0] + b[2] / 2, 64);
    SetColor(cr, 0xf3d3a1, 0.9);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  // Chassis.
  RoundedRect(cr, 10, 196, 600, 26, 8);
  FillInk(cr, 0x4a4a55, 3);
  // The cargo body: dark side panel with light planks' edges; the text goes on it.
  RoundedRect(cr, 8, 56, 432, 146, 10);
  VerticalGradient(cr, 56, 202, 0x2f6b78, 0x204d58);
  cairo_fill_preserve(cr);
  Ink(cr, 3.5);
  for (double y : {148.0, 174.0}) {
    cairo_move_to(cr, 18, y);
    cairo_line_to(cr, 430, y);
  }
  SetColor(cr, 0x3f8191, 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // A darker sign board where the game writes the sounds (centred at 304, 90).
  RoundedRect(cr, 172, 70, 264, 42, 12);
  SetColor(cr, 0x17404a);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x5aa3b3, 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // The rim of the open body, where caught parcels drop in.
  RoundedRect(cr, 2, 52, 444, 16, 7);
  FillInk(cr, kWood, 3);
  // Cab.
  cairo_move_to(cr, 446, 206);
  cairo_line_to(cr, 446, 84);
  cairo_curve_to(cr, 446, 72, 454, 66, 466, 66);
  cairo_line_to(cr, 540, 66);
  cairo_curve_to(cr, 556, 66, 564, 74, 570, 88);
  cairo_line_to(cr, 592, 134);
  cairo_curve_to(cr, 608, 138, 612, 146, 612, 160);
  cairo_line_to(cr, 612, 206);
  cairo_close_path(cr);
  VerticalGradient(cr, 66, 206, 0xff7a6e, 0xe8473f);
  cairo_fill_preserve(cr);
  Ink(cr, 3.5);
  cairo_move_to(cr, 476, 82);
  cairo_line_to(cr, 536, 82);
  cairo_curve_to(cr, 546, 82, 552, 88, 556, 96);
  cairo_line_to(cr, 574, 134);
  cairo_line_to(cr, 476, 134);
  cairo_close_path(cr);
  VerticalGradient(cr, 82, 134, 0xdff4ff, 0xa9dcf5);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  cairo_move_to(cr, 482, 92);
  cairo_line_to(cr, 500, 92);
  cairo_line_to(cr, 490, 124);
  SetColor(cr, 0xffffff, 0.7);
  cairo_fill(cr);
  RoundedRect(cr, 488, 150, 22, 6, 3);
  FillInk(cr, 0x4a4a55, 1.5);
  // Headlight and bumper.
  RoundedRect(cr, 598, 150, 14, 18, 5);
  FillInk(cr, kYellow, 2);
  RoundedRect(cr, 590, 196, 26, 14, 6);
  FillInk(cr, 0xb8bcc8, 2.5);
  // Wheels.
  for (double x : {104.0, 196.0, 520.0}) {
    cairo_arc(cr, x, 222, 33, 0, 2 * M_PI);
    FillInk(cr, 0x3a3640, 3);
    cairo_arc(cr, x, 222, 15, 0, 2 * M_PI);
    FillInk(cr, 0xc9ced8, 2.5);
    cairo_arc(cr, x, 222, 5, 0, 2 * M_PI);
    SetColor(cr, 0x6b6b78);
    cairo_fill(cr);
  }
  // Wheel arches.
  for (double x : {104.0, 196.0, 520.0}) {
    cairo_arc(cr, x, 222, 40, M_PI * 1.12, M_PI * 1.88);
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  return art;
}

std::unique_ptr<Art> Parachute(int si) {
  Size s = kParachute[si];
  auto art = Canvas(s.w, s.h, s.w / 168.0, s.h / 108.0);
  cairo_t* cr = art->cr();
  // Lines from the canopy's rim to the box's top corners.
  static const double rimX[] = {6, 32, 58, 110, 136, 162};
  for (double x : rimX) {
    cairo_move_to(cr, x, 62);
    cairo_line_to(cr, x < 84 ? 12 : 156, 107);
  }
  SetColor(cr, kInk, 0.75);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  // The canopy: six gores of alternating colours between curved seams,
  // each gore's hem bulging down a little.
  const double topX = 84, topY = 2, hemY = 60;
  auto seam = [&](double x) {  // from the top down to the hem at x
    cairo_curve_to(cr, topX + (x - topX) * 0.56, topY, x, hemY - (hemY - topY) * 0.56, x, hemY);
  };
  auto seamUp = [&](double x) {  // from the hem at x back to the top
    cairo_curve_to(cr, x, hemY - (hemY - topY) * 0.56, topX + (x - topX) * 0.56, topY, topX, topY);
  };
  static const unsigned gores[] = {kRed, 0xfff4ea, kYellow, 0xfff4ea, kRed, 0xfff4ea};
  for (int i = 0; i < 6; ++i) {
    double xa = 6 + i * 26, xb = 6 + (i + 1) * 26;
    cairo_move_to(cr, topX, topY);
    seam(xa);
    cairo_curve_to(cr, xa + 6, hemY + 8, xb - 6, hemY + 8, xb, hemY);
    seamUp(xb);
    cairo_close_path(cr);
    SetColor(cr, gores[i]);
    cairo_fill(cr);
  }
  // Outline: the dome and the hem.
  cairo_move_to(cr, topX, topY);
  seam(6);
  for (int i = 0; i < 6; ++i) {
    double xa = 6 + i * 26, xb = 6 + (i + 1) * 26;
    cairo_curve_to(cr, xa + 6, hemY + 8, xb - 6, hemY + 8, xb, hemY);
  }
  seamUp(162);
  cairo_close_path(cr);
  Ink(cr, 3);
  for (int i = 1; i < 6; ++i) {
    cairo_move_to(cr, topX, topY);
    seam(6 + i * 26);
  }
  Ink(cr, 1.6, 0.45);
  // A light shine on the dome.
  cairo_move_to(cr, 40, 20);
  cairo_curve_to(cr, 52, 10, 66, 6, 76, 6);
  SetColor(cr, 0xffffff, 0.6);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  return art;
}

std::unique_ptr<Art> ParcelBox(int si) {
  Size s = kBox[si];
  double sx = s.w / 176.0, sy = s.h / 160.0;
  auto art = Canvas(s.w, s.h, sx, sy);
  cairo_t* cr = art->cr();
  TRect face = TruckPlacesFor(Display(si)).face;
  RoundedRect(cr, 2.5, 1.5, 171, 157, 12);
  VerticalGradient(cr, 0, 160, 0xe3ad70, 0xc98b4f);
  cairo_fill_preserve(cr);
  Ink(cr, 3.2);
  // Parcel tape over the top and bottom edges.
  for (double y : {1.5, 144.0}) {
    cairo_rectangle(cr, 74, y, 28, y < 10 ? 8 : 13);
    SetColor(cr, 0xf6ddb0);
    cairo_fill(cr);
  }
  // Corner marks.
  for (double x : {11.0, 165.0})
    for (double y : {14.0, 138.0}) {
      cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
      SetColor(cr, kWoodDark, 0.9);
      cairo_fill(cr);
    }
  // The window: a dark bevel round the face, then the face itself cut out.
  cairo_identity_matrix(cr);
  double r = 10 * sx;
  double bevel = std::max(2.0, 3.5 * sx);
  RoundedRect(cr, face.left - bevel, face.top - bevel, face.Width() + 2 * bevel, face.Height() + 2 * bevel, r + bevel);
  SetColor(cr, 0x8c5a2e);
  cairo_fill(cr);
  RoundedRect(cr, face.left, face.top, face.Width(), face.Height(), r);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  return art;
}

// ---- flowers ----

namespace {

struct FlowerLook {
  int petals;
  double turn;
  unsigned colour, dark;
};
const FlowerLook kFlowerLooks[8] = {
    {8, 0.0, kPink, 0xe0559a},   {6, 0.3, kYellow, 0xf0b000}, {7, 0.1, kPurple, 0x8c62e8},
    {8, 0.2, kOrange, 0xe87d1a}, {6, 0.0, kRed, 0xd93c36},    {7, 0.4, kTeal, 0x1f9c90},
    {8, 0.1, kYellow, 0xf0b000}, {6, 0.2, kPink, 0xe0559a},
};

// The flower shape in a square of the given side at (x, y): a round heart
// with petals reaching the square's edges.
void FlowerShape(cairo_t* cr, const FlowerLook& look, double x, double y, double side, double grow) {
  double c = side / 2, R = side * 0.5 * grow;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + c, y + c, R * 0.64, 0, 2 * M_PI);
  for (int i = 0; i < look.petals; ++i) {
    double a = look.turn + i * 2 * M_PI / look.petals;
    double d = R * 0.6, pr = R * (look.petals > 7 ? 0.37 : look.petals > 6 ? 0.4 : 0.42);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + c + std::cos(a) * d, y + c + std::sin(a) * d, pr, 0, 2 * M_PI);
  }
}

}  // namespace

std::unique_ptr<Art> FlowersBackground(int si) {
  const ArtSetInfo& a = kSets[si];
  const double k = a.k;
  auto art = Canvas(a.width, a.height, k, k);
  cairo_t* cr = art->cr();
  FlowersPlaces f = FlowersPlacesFor(Display(si));

  Sky(cr, 1280, 640);
  Sun(cr, 44, 44, 46);
  Cloud(cr, 680, 80, 38);
  Cloud(cr, 1230, 300, 30);
  Cloud(cr, 300, 330, 26);
  Hill(cr, 1280, 960, 470, 26, 1.2, 0.8, kGrassFar, 0x96d67a);
  Hill(cr, 1280, 960, 600, 18, 0.9, 2.2, kGrass, kGrassDark);
  // The buttons' column at the right stays plain grass.
  for (int i = 0; i < 26; ++i) GrassTuft(cr, Noise(i, 40) * 1120, 620 + Noise(i, 41) * 330, 22, kGrassDark, 600 + i);
  for (int i = 0; i < 22; ++i) {
    double x = 10 + Noise(i, 42) * 1100, y = 860 + Noise(i, 43) * 90;
    Daisy(cr, x, y, 8 + Noise(i, 44) * 4, i % 3 ? 0xffffff : kPurple);
  }

  // Stems and leaves from the ground up to each flower; the lower flowers
  // are drawn later, so their stems and heads stand in front.
  int order[8] = {7, 1, 0, 6, 5, 2, 3, 4};
  for (int k8 : order) {
    double side = kFlowerSide[si][k8] / k;
    double fx = f.flowers[k8].x / k, fy = f.flowers[k8].y / k;
    double cx = fx + side / 2, bottom = fy + side * 0.9;
    double ground = std::max(bottom + 60, 640.0 + 20 * Noise(k8, 50));
    double sway = (Noise(k8, 51) - 0.5) * 40;
    auto stem = [&]() {
      cairo_move_to(cr, cx, bottom - 10);
      cairo_curve_to(cr, cx + sway, bottom + (ground - bottom) * 0.4, cx - sway, bottom + (ground - bottom) * 0.7,
                     cx + sway * 0.5, ground);
    };
    stem();
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    stem();
    SetColor(cr, 0x4fa83d);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    double ly = bottom + (ground - bottom) * 0.55;
    Leaflet(cr, cx + sway * 0.1, ly, -0.5, 54, kGrass);
    Leaflet(cr, cx + sway * 0.1, ly + 18, M_PI + 0.45, 46, 0x6cc24a);

    const FlowerLook& look = kFlowerLooks[k8];
    double rim = 7;
    double grow = (side + 2 * rim) / side;
    FlowerShape(cr, look, fx, fy, side, grow);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, fy + side / 2, side * 0.1, cx, fy + side / 2, side * 0.56);
    unsigned c0 = 0xfffbe8, c1 = look.colour;
    cairo_pattern_add_color_stop_rgb(g, 0, ((c0 >> 16) & 255) / 255.0, ((c0 >> 8) & 255) / 255.0, (c0 & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.55, ((c1 >> 16) & 255) / 255.0, ((c1 >> 8) & 255) / 255.0,
                                     (c1 & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, ((look.dark >> 16) & 255) / 255.0, ((look.dark >> 8) & 255) / 255.0,
                                     (look.dark & 255) / 255.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    FillUnionInk(cr, 3.2);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
  }

  // Home slots: light stepping stones where the sound labels wait.
  cairo_identity_matrix(cr);
  Size plate = kMarkerPlate[si];
  for (int i = 0; i < 8; ++i) {
    double w = plate.w - 2 * std::max(1.0, k * 2), h = plate.h - 2 * std::max(1.0, k * 2);
    double x = f.slots[i].x - w / 2, y = f.slots[i].y - h / 2;
    RoundedRect(cr, x + 2 * k, y + 4 * k, w, h, h * 0.45);
    SetColor(cr, 0x3f8a33, 0.45);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, h * 0.45);
    VerticalGradient(cr, y, y + h, 0xfffaf0, 0xf1e2c4);
    cairo_fill_preserve(cr);
    Ink(cr, std::max(1.5, 2.6 * k), 0.7);
  }
  return art;
}

std::unique_ptr<Art> FlowerMask(int si, int k) {
  int side = kFlowerSide[si][k];
  auto art = std::make_unique<Art>(side, side);
  cairo_set_fill_rule(art->cr(), CAIRO_FILL_RULE_WINDING);
  FlowerShape(art->cr(), kFlowerLooks[k], 0, 0, side, 0.985);
  SetColor(art->cr(), 0xffffff);
  cairo_fill(art->cr());
  return art;
}

std::unique_ptr<Art> MarkerPlate(int si) {
  Size s = kMarkerPlate[si];
  auto art = Canvas(s.w, s.h, s.w / 96.0, s.h / 56.0);
  cairo_t* cr = art->cr();
  RoundedRect(cr, 2, 2, 92, 52, 16);
  VerticalGradient(cr, 2, 54, 0xffe680, 0xffc928);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  RoundedRect(cr, 10, 6, 76, 10, 5);
  SetColor(cr, 0xffffff, 0.45);
  cairo_fill(cr);
  return art;
}

std::unique_ptr<Art> Smile(int si) {
  Size s = kSmile[si];
  auto art = Canvas(s.w, s.h, s.w / 48.0, s.h / 48.0);
  cairo_t* cr = art->cr();
  cairo_arc(cr, 24, 24, 21.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(18, 16, 2, 24, 24, 22);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.95, 0.6);
  cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.72, 0.16);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  Ink(cr, 2.6);
  SetColor(cr, kInk, 0.9);
  for (double x : {17.0, 31.0}) {
    cairo_save(cr);
    cairo_translate(cr, x, 19);
    cairo_scale(cr, 1, 1.45);
    cairo_arc(cr, 0, 0, 2.6, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  cairo_arc(cr, 24, 25, 10.5, M_PI * 0.18, M_PI * 0.82);
  Ink(cr, 2.8, 0.9);
  SetColor(cr, kPink, 0.55);
  for (double x : {12.5, 35.5}) {
    cairo_arc(cr, x, 28, 3.6, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  return art;
}

}  // namespace datagen::games2
