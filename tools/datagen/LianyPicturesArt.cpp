#include "tools/datagen/LianyPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "games/Fmliany/LianyLayout.h"
#include "tools/datagen/GamePicturesArt.h"

namespace datagen::vines {

using namespace gamepictures;
using namespace gameart;

namespace {

double WindowRadius(int side) { return side * 0.5; }
double TitleRadius(int side) { return side * 0.17; }

// Where the leaf's stalk meets the vine, relative to the leaf (pixels): the
// middle of the cut mark.
P StalkEnd(int si) {
  const liany::Layout v = liany::LayoutFor(DisplayOf(si));
  return {v.cutMark.x + kCutMark[si].w / 2.0, v.cutMark.y + kCutMark[si].h / 2.0};
}

// The grass tufts at the bottom that stand in front of the collected leaves
// (pixel coordinates of the game area).
void ForegroundTufts(cairo_t* cr, int si, bool inkToo) {
  const ArtSetInfo& a = kSets[si];
  const liany::Layout v = liany::LayoutFor(DisplayOf(si));
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
  const int h = si == 2 ? kVinesScene128.h : a.height;
  auto art = Canvas(a.width, h, k, k);
  cairo_t* cr = art->cr();
  const double H = h / k;  // design height (960, or 1024 for art set 16)
  const liany::Layout v = liany::LayoutFor(DisplayOf(si));

  Sky(cr, 1280, 700);
  Sun(cr, 1208, 178, 44);
  Cloud(cr, 200, 300, 40);
  Cloud(cr, 1150, 520, 34);
  Cloud(cr, 640, 600, 30);
  Hill(cr, 1280, H, 640, 22, 1.3, 0.4, kGrassFar, 0x8fd472);
  RoundTree(cr, 1190, 700, 70, 0x6cc24a);
  RoundTree(cr, 90, 690, 55, 0x73c653);
  Hill(cr, 1280, H, 720, 16, 0.9, 2.0, kGrass, kGrassDark);

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

  // The meadow below the art, seen on the tallest screens.
  for (int i = 0; H > 960 && i < 14; ++i) {
    GrassTuft(cr, 30 + i * 92 + Noise(i, 21) * 40, 1000 + Noise(i, 22) * 20, 20, kGrassDark, 600 + i);
    if (i % 3 == 1) Daisy(cr, 70 + i * 92, 992 + Noise(i, 23) * 16, 8, i % 2 ? kPink : 0xffffff);
  }

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
  const liany::Layout v = liany::LayoutFor(DisplayOf(si));
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
  const liany::Layout v = liany::LayoutFor(DisplayOf(si));
  cairo_translate(art->cr(), -v.foreground.x, -v.foreground.y);
  ForegroundTufts(art->cr(), si, false);
  return art;
}

}  // namespace datagen::vines
