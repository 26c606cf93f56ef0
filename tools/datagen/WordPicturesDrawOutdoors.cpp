// Word drawings: streets, water and the ground.
#include <cmath>
#include <vector>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Street(cairo_t* cr);
void TennisCourt(cairo_t* cr);
void Footpath(cairo_t* cr);
void Puddle(cairo_t* cr);
void Dam(cairo_t* cr);
void Wreck(cairo_t* cr);
void GardenBeds(cairo_t* cr);
void Spring(cairo_t* cr);
void IceFloe(cairo_t* cr);
void Sand(cairo_t* cr);
void Icicles(cairo_t* cr);
void Swing(cairo_t* cr);
void Whirlpool(cairo_t* cr);
void Zigzag(cairo_t* cr);

}  // namespace

Named OutdoorsDrawings() {
  return {
      {"street", Street},
      {"tennis-court", TennisCourt},
      {"footpath", Footpath},
      {"puddle", Puddle},
      {"dam", Dam},
      {"wreck", Wreck},
      {"garden-beds", GardenBeds},
      {"spring", Spring},
      {"ice-floe", IceFloe},
      {"sand", Sand},
      {"icicles", Icicles},
      {"swing", Swing},
      {"whirlpool", Whirlpool},
      {"zigzag", Zigzag},
  };
}

namespace {

void Footpath(cairo_t* cr) {
  Blob(cr, {50, 10, 86, 18, 96, 50, 86, 84, 50, 94, 14, 84, 4, 50, 14, 18});
  Fill(cr, Grass);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 47, 11);
  cairo_curve_to(cr, 66, 30, 30, 46, 34, 62);
  cairo_curve_to(cr, 36, 74, 52, 82, 56, 94);
  cairo_line_to(cr, 84, 86);
  cairo_curve_to(cr, 76, 80, 54, 72, 52, 62);
  cairo_curve_to(cr, 48, 46, 68, 28, 53, 11);
  cairo_close_path(cr);
  Fill(cr, 0xe8c48e);
  for (auto [x, y, r] : {std::tuple{44.0, 62.0, 2.2}, {60.0, 80.0, 2.8}, {56.0, 32.0, 1.6}, {70.0, 86.0, 2.0}}) {
    Ellipse(cr, x, y, r * 1.4, r);
    Fill(cr, 0xbfb2a4, 0.6);
  }
  for (auto [x, y, c] : {std::tuple{20.0, 56.0, Pink}, {76.0, 50.0, Yellow}, {26.0, 34.0, Purple}, {80.0, 68.0, Red},
                         {24.0, 76.0, Yellow}}) {
    Blossom(cr, x, y, 2.7, c, Orange, 0);
  }
}

void Puddle(cairo_t* cr) {
  Blob(cr, {10, 70, 30, 58, 56, 62, 80, 56, 94, 68, 82, 82, 54, 80, 28, 86});
  Fill(cr, 0x6fb8f0);
  Blob(cr, {22, 70, 40, 64, 54, 68, 40, 74});
  Flat(cr, 0xffffff, 0.35);
  for (auto [x, y] : {std::pair{60.0, 70.0}, {32.0, 74.0}}) {
    Ellipse(cr, x, y, 10, 3);
    Stroke(cr, 0xffffff, 1, 0.8);
    Ellipse(cr, x, y, 5, 1.5);
    Stroke(cr, 0xffffff, 1, 0.8);
  }
  for (auto [x, y] : {std::pair{28.0, 30.0}, {58.0, 18.0}, {72.0, 40.0}, {44.0, 44.0}}) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y - 7);
    cairo_curve_to(cr, x + 5, y, x + 4, y + 4, x, y + 4);
    cairo_curve_to(cr, x - 4, y + 4, x - 5, y, x, y - 7);
    cairo_close_path(cr);
    Fill(cr, 0x6fb8f0, 0.7);
  }
}

void Dam(cairo_t* cr) {
  // A lake held back between two hills, the wall, and water rushing out below.
  Poly(cr, {8, 26, 92, 26, 80, 40, 20, 40});
  Fill(cr, 0x4f9fe0);
  Gleam(cr, 36, 31, 8, 1.2, 0, 0.6);
  Gleam(cr, 64, 33, 6, 1, 0, 0.6);
  Blob(cr, {2, 22, 14, 18, 30, 40, 36, 80, 2, 86});
  Fill(cr, Grass);
  Blob(cr, {98, 20, 86, 18, 70, 40, 64, 80, 98, 86});
  Fill(cr, Grass);
  Poly(cr, {22, 38, 78, 38, 68, 76, 32, 76});
  Fill(cr, 0xc8c4be);
  for (int i = 1; i < 4; ++i) {
    double y = 38 + 9.5 * i;
    Open(cr, {22 + 2.6 * i, y, 78 - 2.6 * i, y});
    Stroke(cr, 0xa8a29c, 0.8);
  }
  Box(cr, 19, 34, 62, 5, 1);
  Fill(cr, 0xdedad4);
  Blob(cr, {26, 80, 50, 74, 74, 80, 90, 94, 10, 94});
  Fill(cr, 0x6fb8f0);
  for (double x : {40.0, 50.0, 60.0}) {
    Box(cr, x - 3.5, 62, 7, 6, 2);
    Fill(cr, 0x4a4a55, 0.8);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x - 3.5, 66);
    cairo_curve_to(cr, x - 4, 74, x - 6, 80, x - 8, 84);
    cairo_line_to(cr, x + 8, 84);
    cairo_curve_to(cr, x + 6, 80, x + 4, 74, x + 3.5, 66);
    cairo_close_path(cr);
    Fill(cr, 0xd8f0ff, 0.7);
  }
  for (auto [x, r] : {std::pair{34.0, 5.0}, {42.0, 6.5}, {50.0, 7.0}, {58.0, 6.5}, {66.0, 5.0}}) {
    Circle(cr, x, 85, r);
    Flat(cr, 0xffffff, 0.95);
  }
}

void Wreck(cairo_t* cr) {
  Blob(cr, {4, 86, 30, 76, 60, 78, 96, 84, 96, 96, 4, 96});
  Fill(cr, 0xf0d9a0);
  Push(cr, 50, 66, -0.25);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -42, -14);
  cairo_line_to(cr, 36, -14);
  cairo_line_to(cr, 30, -6);
  cairo_line_to(cr, 38, 0);
  cairo_curve_to(cr, 30, 12, 18, 16, -30, 16);
  cairo_curve_to(cr, -38, 10, -42, 0, -42, -14);
  cairo_close_path(cr);
  Pop(cr);
  Fill(cr, 0x9a6a48);
  Push(cr, 50, 66, -0.25);
  for (double y : {-6.0, 4.0}) {
    Open(cr, {-40, y, 30, y});
    Stroke(cr, 0x6e4a30, 0.9);
  }
  Blob(cr, {-8, -4, -2, -8, 6, -4, 4, 6, -6, 6});
  Fill(cr, 0x3a2a22, 0.8);
  Open(cr, {-14, -14, -10, -46});
  Rod(cr, 0x7a5236, 3);
  Open(cr, {-10, -46, -4, -54});
  Rod(cr, 0x7a5236, 3);
  Poly(cr, {-10, -40, 8, -38, 6, -26, -12, -24});
  Fill(cr, 0xe8e0d0, 0.8);
  Pop(cr);
  for (double x : {16.0, 84.0}) {
    Curve(cr, {x, 90, x - 4, 80, x + 3, 70, x - 2, 60});
    Rod(cr, DarkGrass, 2.5, 0.7);
  }
  for (auto [x, y, r] : {std::tuple{70.0, 22.0, 3.0}, {76.0, 12.0, 2.0}, {66.0, 8.0, 1.5}}) {
    Circle(cr, x, y, r);
    Stroke(cr, 0xffffff, 1, 0.9);
  }
  Push(cr, 28, 24);
  Blob(cr, {-8, 0, 0, -5, 8, 0, 0, 5});
  Fill(cr, Orange, 0.8);
  Poly(cr, {7, 0, 13, -5, 13, 5});
  Fill(cr, Orange, 0.8);
  Circle(cr, -4, -1, 1);
  Flat(cr, 0x2d2a32);
  Pop(cr);
}

void Street(cairo_t* cr) {
  Box(cr, 2, 4, 96, 92, 4);
  Fill(cr, 0xcfe9ff);
  // Houses along both sides, the pavements and the road with a crossing.
  for (int side = 0; side < 2; ++side) {
    double k = side ? -1 : 1, x0 = side ? 98 : 2;
    Poly(cr, {x0, 12, x0 + 26 * k, 30, x0 + 26 * k, 60, x0, 72});
    Fill(cr, side ? 0xffd0a8 : 0xf7e0a0);
    for (int w = 0; w < 2; ++w) {
      double xa = x0 + (6 + 10 * w) * k, xb = xa + 6 * k, t0 = 0.2 + 0.35 * w;
      double ya = 30 + (1 - t0) * 0 - (xa - x0) * 0 + (std::abs(xa - x0)) * 0.35 - 2, yb = ya + 12 - w * 2;
      Poly(cr, {xa, ya, xb, ya + 2, xb, yb + 1, xa, yb});
      Fill(cr, Sky, 0.6);
    }
  }
  Poly(cr, {2, 72, 28, 60, 40, 60, 22, 96, 2, 96});
  Fill(cr, 0xd8d0c8);
  Poly(cr, {98, 72, 72, 60, 60, 60, 78, 96, 98, 96});
  Fill(cr, 0xd8d0c8);
  Poly(cr, {40, 60, 60, 60, 78, 96, 22, 96});
  Fill(cr, 0x6a6e78);
  for (int i = 0; i < 3; ++i) {
    double y = 62 + 5 * i;
    Poly(cr, {49.3, y, 50.7, y, 50.9, y + 3, 49.1, y + 3});
    Flat(cr, 0xffffff, 0.9);
  }
  for (int i = 0; i < 6; ++i) {
    double t = (i + 0.5) / 6;
    double xl = 24 + (76 - 24) * t;
    Poly(cr, {xl - 3, 80, xl + 3, 80, xl + 3.5, 90, xl - 3.5, 90});
    Flat(cr, 0xffffff, 0.95);
  }
  Open(cr, {84, 86, 84, 40});
  Rod(cr, 0x4a4a55, 1.8, 0.6);
  Curve(cr, {84, 40, 84, 36, 80, 36});
  Rod(cr, 0x4a4a55, 1.8, 0.6);
  Ellipse(cr, 79, 37, 3, 1.8);
  Fill(cr, Yellow, 0.6);
}

void TennisCourt(cairo_t* cr) {
  const unsigned clay = 0xe0875a;
  Poly(cr, {22, 20, 78, 20, 96, 90, 4, 90});
  Fill(cr, clay);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_set_line_width(cr, 1.3);
  cairo_move_to(cr, 25, 23);
  cairo_line_to(cr, 75, 23);
  cairo_line_to(cr, 92, 87);
  cairo_line_to(cr, 8, 87);
  cairo_close_path(cr);
  cairo_move_to(cr, 50, 23);
  cairo_line_to(cr, 50, 87);
  cairo_move_to(cr, 21, 36);
  cairo_line_to(cr, 79, 36);
  cairo_move_to(cr, 15, 70);
  cairo_line_to(cr, 85, 70);
  cairo_stroke(cr);
  // The net across the middle.
  Box(cr, 10, 40, 80, 12);
  Flat(cr, 0xffffff, 0.25);
  Box(cr, 10, 40, 80, 12);
  ClipPath(cr);
  for (double x = 10; x < 90; x += 3) {
    Open(cr, {x, 40, x, 52});
    Stroke(cr, 0x2d2a32, 0.5, 0.7);
  }
  for (double y = 43; y < 52; y += 3) {
    Open(cr, {10, y, 90, y});
    Stroke(cr, 0x2d2a32, 0.5, 0.7);
  }
  Unclip(cr);
  Box(cr, 9, 38.5, 82, 3, 1);
  Fill(cr, 0xffffff, 0.7);
  for (double x : {9.0, 91.0}) {
    Open(cr, {x, 38, x, 56});
    Rod(cr, 0x4a4a55, 1.8, 0.6);
  }
  Circle(cr, 66, 78, 4.5);
  Fill(cr, 0xd7f04a);
  Curve(cr, {62.5, 75.5, 66, 78, 69.5, 80.5});
  Stroke(cr, 0xffffff, 0.8);
}

void Swing(cairo_t* cr) {
  for (double x : {12.0, 88.0}) {
    Open(cr, {x, 6, x - 8, 90});
    Rod(cr, Wood, 4);
    Open(cr, {x, 6, x + 8, 90});
    Rod(cr, Wood, 4);
  }
  Open(cr, {6, 8, 94, 8});
  Rod(cr, DarkWood, 5);
  for (double x : {34.0, 66.0}) {
    Open(cr, {x, 10, x, 62});
    Stroke(cr, 0x8a6a4a, 1.4);
    Circle(cr, x, 10, 2);
    Fill(cr, Steel, 0.6);
  }
  Box(cr, 28, 60, 44, 7, 2.5);
  Fill(cr, Red);
  GrassTufts(cr, 94, 4, 96);
}

void Icicles(cairo_t* cr) {
  Box(cr, 2, 8, 96, 12, 3);
  Fill(cr, 0x9a5a44);
  Blob(cr, {2, 6, 20, 2, 40, 5, 60, 1, 80, 4, 98, 3, 98, 12, 2, 12});
  Fill(cr, 0xffffff);
  for (auto [x, len, w] : {std::tuple{12.0, 40.0, 6.0}, {26.0, 60.0, 8.0}, {40.0, 34.0, 5.5}, {54.0, 76.0, 9.0},
                           {68.0, 46.0, 6.5}, {82.0, 62.0, 7.5}}) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x - w, 19);
    cairo_curve_to(cr, x - w * 0.8, 19 + len * 0.4, x - 1, 19 + len * 0.8, x, 19 + len);
    cairo_curve_to(cr, x + 1, 19 + len * 0.8, x + w * 0.8, 19 + len * 0.4, x + w, 19);
    cairo_close_path(cr);
    Fill(cr, 0xcdeeff);
    Open(cr, {x - w * 0.4, 22, x - 0.6, 19 + len * 0.7});
    Stroke(cr, 0xffffff, 1.4, 0.8);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 54, 90);
  cairo_curve_to(cr, 57, 94, 56, 97, 54, 97);
  cairo_curve_to(cr, 52, 97, 51, 94, 54, 90);
  cairo_close_path(cr);
  Fill(cr, 0xcdeeff, 0.6);
}

void GardenBeds(cairo_t* cr) {
  Blob(cr, {10, 30, 50, 24, 90, 30, 98, 70, 90, 92, 50, 96, 10, 92, 2, 70});
  Fill(cr, Grass);
  // Three beds running away from us, plants getting smaller in the distance.
  const double vx = 50, vy = -10, far = 32, nearY = 90;
  for (int bed = 0; bed < 3; ++bed) {
    double cx = 20 + 30 * bed, half = 11;
    auto at = [&](double x, double y) { double t = (nearY - y) / (nearY - vy); return x + (vx - x) * t; };
    Poly(cr, {at(cx - half, far), far, at(cx + half, far), far, cx + half, nearY, cx - half, nearY});
    Fill(cr, 0x9a6a48);
    for (int i = 0; i < 5; ++i) {
      double y = far + 6 + (nearY - far - 10) * std::pow(i / 4.0, 1.2), x = at(cx, y);
      double sz = 3 + 6 * (y - far) / (nearY - far);
      for (int k = -1; k <= 1; k += 2) {
        Push(cr, x, y, -M_PI / 2 + k * 0.6);
        Blob(cr, {0, 0, sz * 0.5, -sz * 0.32, sz, 0, sz * 0.5, sz * 0.32});
        Pop(cr);
        Fill(cr, 0x6cd05a, 0.6);
      }
    }
  }
}

// Water welling out from under a mossy rock on a slope, bubbling, and
// running away downhill as a brook between ferns.
void Spring(cairo_t* cr) {
  Blob(cr, {2, 60, 20, 42, 50, 38, 80, 42, 98, 54, 98, 94, 50, 98, 2, 94});
  Fill(cr, Grass);
  // The rock, moss on its top.
  Blob(cr, {14, 50, 20, 20, 46, 8, 74, 14, 86, 40, 80, 54, 50, 58});
  Fill(cr, 0xa9a29a);
  Blob(cr, {22, 24, 46, 10, 72, 16, 62, 22, 44, 18, 30, 28});
  Flat(cr, 0x6cbf5a, 0.9);
  Curve(cr, {30, 40, 40, 34, 52, 40});
  Stroke(cr, Shade(0xa9a29a, -0.3), 1);
  // The opening under the rock and the water coming out of it.
  Ellipse(cr, 50, 54, 12, 6);
  Flat(cr, 0x4a4440);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 38, 56);
  cairo_curve_to(cr, 40, 66, 60, 64, 62, 56);
  cairo_curve_to(cr, 70, 70, 84, 74, 84, 96);
  cairo_line_to(cr, 60, 97);
  cairo_curve_to(cr, 60, 82, 40, 76, 38, 56);
  cairo_close_path(cr);
  Fill(cr, 0x6fc3f0);
  for (auto [x, y, r] : std::vector<std::tuple<double, double, double>>{{46, 60, 2.2}, {53, 62, 1.6}, {50, 58, 1.4}, {57, 59, 1.2}})
    Circle(cr, x, y, r), Stroke(cr, 0xffffff, 0.9, 0.9);
  for (double k : {0.0, 1.0, 2.0}) {
    Curve(cr, {62 + 4 * k, 70 + 8 * k, 68 + 4 * k, 74 + 8 * k, 72 + 4 * k, 80 + 8 * k});
    Stroke(cr, 0xffffff, 1.2, 0.8);
  }
  // Ferns and stones along the brook.
  LeafAt(cr, 22, 76, -1.9, 20, 6, DarkGrass, Shade(DarkGrass, -0.3));
  LeafAt(cr, 30, 80, -1.2, 18, 6, Leaf, Shade(Leaf, -0.3));
  LeafAt(cr, 94, 70, -1.5, 18, 6, Leaf, Shade(Leaf, -0.3));
  Ellipse(cr, 56, 88, 4, 3);
  Fill(cr, 0xb8b0a8);
  Ellipse(cr, 90, 90, 5, 3.5);
  Fill(cr, 0xb8b0a8);
}

// Broken plates of ice drifting on dark cold water: one big floe in front,
// its thick edge and the part under the water showing, smaller ones behind.
void IceFloe(cairo_t* cr) {
  Blob(cr, {-6, 26, 20, 20, 50, 24, 80, 18, 106, 24, 108, 60, 104, 96, 76, 100, 50, 96, 24, 102, -4, 96, -8, 60});
  Fill(cr, 0x3f86c6);
  for (double y : {34.0, 48.0, 92.0}) {
    Curve(cr, {6, y, 20, y - 2, 34, y, 48, y - 2});
    Stroke(cr, 0xbfe6ff, 1, 0.6);
    Curve(cr, {56, y + 3, 70, y + 1, 84, y + 3, 98, y + 1});
    Stroke(cr, 0xbfe6ff, 1, 0.6);
  }
  auto floe = [cr](std::initializer_list<double> top, double depth) {
    std::vector<double> pts(top);
    // The ice under the water, pale and wide.
    cairo_new_sub_path(cr);
    for (std::size_t i = 0; i + 1 < pts.size(); i += 2) cairo_line_to(cr, pts[i], pts[i + 1] + depth * 2.2);
    cairo_close_path(cr);
    Flat(cr, 0x9fd6f0, 0.45);
    // The side, then the top.
    cairo_new_sub_path(cr);
    for (std::size_t i = 0; i + 1 < pts.size(); i += 2) cairo_line_to(cr, pts[i], pts[i + 1] + depth);
    cairo_close_path(cr);
    Fill(cr, 0xa9d8ee);
    cairo_new_sub_path(cr);
    for (std::size_t i = 0; i + 1 < pts.size(); i += 2) cairo_line_to(cr, pts[i], pts[i + 1]);
    cairo_close_path(cr);
    Fill(cr, 0xf7fcff);
  };
  floe({60, 28, 78, 24, 94, 30, 86, 36, 66, 36}, 3);
  floe({8, 38, 26, 32, 40, 36, 34, 44, 14, 44}, 3);
  floe({10, 64, 30, 54, 62, 52, 90, 58, 94, 70, 70, 80, 36, 80, 14, 74}, 6);
  Open(cr, {40, 58, 46, 66, 42, 74});
  Stroke(cr, 0x9fc8e0, 1.2);
  Open(cr, {46, 66, 60, 68});
  Stroke(cr, 0x9fc8e0, 1.2);
  Gleam(cr, 64, 60, 14, 2.2, -0.05, 0.8);
}

void Sand(cairo_t* cr) {
  Blob(cr, {4, 92, 14, 64, 36, 46, 58, 44, 80, 58, 96, 92});
  Fill(cr, 0xf2d28e);
  for (auto [x, y] : {std::pair{30.0, 70.0}, {52.0, 58.0}, {70.0, 76.0}, {44.0, 82.0}, {20.0, 84.0}, {62.0, 66.0}}) {
    Circle(cr, x, y, 0.9);
    Flat(cr, 0xc8a460);
  }
  // A bucket and a spade in the sand.
  Open(cr, {64, 58, 84, 20});
  Rod(cr, Blue, 3);
  Poly(cr, {58, 66, 66, 52, 72, 56, 64, 70});
  Fill(cr, Blue);
  Poly(cr, {18, 48, 40, 48, 37, 74, 21, 74});
  Fill(cr, Red);
  Ellipse(cr, 29, 48, 11, 3);
  Fill(cr, Shade(Red, -0.25), 0.8);
  Curve(cr, {18, 50, 29, 30, 40, 50});
  Stroke(cr, Ink, 1.2, 0.8);
  Box(cr, 22, 58, 14, 4, 1);
  Flat(cr, Yellow, 0.8);
}

// Water seen at a slant, swirling round into a deep funnel in its middle; a
// paper boat and a leaf are drawn round into it.
void Whirlpool(cairo_t* cr) {
  const double cx = 50, cy = 56, squash = 0.5;
  Ellipse(cr, cx, cy, 50, 34);
  FillAndClip(cr, 0x4aa8e0, 0);
  // The funnel: rings darker and smaller towards its throat.
  for (int i = 0; i < 6; ++i) {
    const double r = 30 - 4.6 * i;
    Ellipse(cr, cx + 0.8 * i, cy + 1.6 * i, r, r * squash);
    Flat(cr, Mix(0x4aa8e0, 0x0e3050, (i + 1) / 6.0));
  }
  for (int k = 0; k < 4; ++k) {
    std::vector<double> spiral;
    for (double t = 0; t < 2.4 * M_PI; t += 0.2) {
      const double r = 6 + 14 * t / M_PI, a = t + k * M_PI / 2;
      spiral.push_back(cx + r * std::cos(a));
      spiral.push_back(cy + r * squash * std::sin(a) + (r < 30 ? 0.3 * (30 - r) : 0));
    }
    cairo_new_sub_path(cr);
    cairo_move_to(cr, spiral[0], spiral[1]);
    for (std::size_t i = 2; i + 1 < spiral.size(); i += 2) cairo_line_to(cr, spiral[i], spiral[i + 1]);
    Stroke(cr, 0xd8f0ff, 1.8, 0.85);
  }
  Unclip(cr);
  // The boat on the rim, tilting in.
  Push(cr, 26, 40, 0.35);
  Poly(cr, {-10, 0, 10, 0, 6, 5, -6, 5});
  Fill(cr, White);
  Poly(cr, {-5, 0, 0, -10, 5, 0});
  Fill(cr, White);
  Pop(cr);
  LeafAt(cr, 74, 70, 2.6, 12, 4.5, Orange);
}

// A long bold zigzag, red with a yellow line along it.
void Zigzag(cairo_t* cr) {
  auto path = [cr] { Open(cr, {2, 62, 14, 38, 26, 62, 38, 38, 50, 62, 62, 38, 74, 62, 86, 38, 98, 62}); };
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  path();
  Rod(cr, Red, 11);
  path();
  Stroke(cr, Yellow, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

}  // namespace

}  // namespace datagen::words::draw
