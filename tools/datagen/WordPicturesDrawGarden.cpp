// Word drawings: plants, fruit and vegetables.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

// A leaf: a pointed oval from (x, y) along the angle, with its middle vein.
void LeafAt(cairo_t* cr, double x, double y, double angle, double length, double width, unsigned rgb = Leaf,
            unsigned vein = 0) {
  Push(cr, x, y, angle);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -width, length * 0.75, -width * 0.9, length, 0);
  cairo_curve_to(cr, length * 0.75, width * 0.9, length * 0.3, width, 0, 0);
  cairo_close_path(cr);
  Fill(cr, rgb, 0.8);
  Open(cr, {length * 0.08, 0, length * 0.85, 0});
  Stroke(cr, vein ? vein : Shade(rgb, -0.3), 0.7, 0.8);
  Pop(cr);
}

// A lobed leaf (oak, currant) round (x, y).
void LobedLeaf(cairo_t* cr, double x, double y, double angle, double size, int lobes, unsigned rgb = Leaf) {
  Push(cr, x, y, angle, size / 20);
  cairo_new_sub_path(cr);
  const int n = lobes * 2;
  for (int k = 0; k <= n; ++k) {
    double a = -M_PI / 2 + M_PI * k / n * 2 * 0.999;
    double r = k % 2 ? 13 : 20;
    double px = r * std::cos(a) * 0.75, py = r * std::sin(a) - 2;
    if (k == 0) cairo_move_to(cr, px, py);
    else {
      double pa = -M_PI / 2 + M_PI * (k - 0.5) / n * 2, pr = k % 2 ? 22 : 15;
      cairo_curve_to(cr, pr * std::cos(pa) * 0.75, pr * std::sin(pa) - 2, pr * std::cos(pa) * 0.75, pr * std::sin(pa) - 2, px,
                     py);
    }
  }
  cairo_close_path(cr);
  Fill(cr, rgb, 0.9 * 20 / size);
  Open(cr, {0, 14, 0, -14});
  Stroke(cr, Shade(rgb, -0.3), 0.8 * 20 / size, 0.8);
  Pop(cr);
}

void Berry(cairo_t* cr, double x, double y, double r, unsigned rgb, double outline = 0.7) {
  Circle(cr, x, y, r);
  Fill(cr, rgb, outline);
  Gleam(cr, x - r * 0.35, y - r * 0.35, r * 0.28, r * 0.2, -0.6, 0.7);
}

void Beetroot(cairo_t* cr) {
  const unsigned beet = 0xa8325e;
  for (auto [x, a] : {std::pair{44.0, -2.1}, {50.0, -1.57}, {56.0, -1.0}}) {
    Curve(cr, {50, 42, x, 30, x + 20 * std::cos(a), 30 + 20 * std::sin(a)});
    Rod(cr, 0xc2406e, 2, 0.7);
    LeafAt(cr, x + 18 * std::cos(a), 30 + 18 * std::sin(a), a + (x - 50) * 0.02, 24, 9, 0x5aa85a, 0xc2406e);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 40);
  cairo_curve_to(cr, 80, 40, 82, 70, 62, 80);
  cairo_curve_to(cr, 56, 84, 54, 90, 52, 98);
  cairo_curve_to(cr, 48, 90, 46, 84, 40, 80);
  cairo_curve_to(cr, 18, 70, 20, 40, 50, 40);
  cairo_close_path(cr);
  Fill(cr, beet);
  Curve(cr, {34, 60, 40, 64, 46, 62});
  Stroke(cr, Shade(beet, -0.3), 0.8, 0.8);
  Curve(cr, {56, 70, 62, 72, 66, 68});
  Stroke(cr, Shade(beet, -0.3), 0.8, 0.8);
  Gleam(cr, 38, 52, 4, 7, 0.6, 0.35);
}

void Radish(cairo_t* cr) {
  const unsigned red = 0xec3d64;
  for (auto a : {-2.2, -1.6, -1.0}) {
    Curve(cr, {50, 40, 50 + 10 * std::cos(a), 30 + 4 * std::sin(a)});
    Rod(cr, 0x6cbf5a, 1.8, 0.6);
    LeafAt(cr, 50 + 10 * std::cos(a), 34 + 6 * std::sin(a), a, 28, 11, 0x6cbf5a);
  }
  Open(cr, {50, 84, 51, 97});
  Stroke(cr, 0xf4efe8, 1.2);
  Open(cr, {50, 84, 51, 97});
  Edge(cr, 0.4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 38);
  cairo_curve_to(cr, 74, 38, 80, 62, 62, 78);
  cairo_curve_to(cr, 56, 84, 52, 86, 50, 88);
  cairo_curve_to(cr, 48, 86, 44, 84, 38, 78);
  cairo_curve_to(cr, 20, 62, 26, 38, 50, 38);
  cairo_close_path(cr);
  Fill(cr, red);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 38, 78);
  cairo_curve_to(cr, 44, 74, 56, 74, 62, 78);
  cairo_curve_to(cr, 56, 84, 52, 86, 50, 88);
  cairo_curve_to(cr, 48, 86, 44, 84, 38, 78);
  cairo_close_path(cr);
  Fill(cr, 0xfbf3f0, 0.8);
  Gleam(cr, 40, 50, 4, 7, 0.6, 0.45);
}

void OneLeek(cairo_t* cr, double x, double y, double angle) {
  Push(cr, x, y, angle);
  for (int k = -1; k <= 1; ++k) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -8, -6);
    cairo_curve_to(cr, -8 + k * 4.0, -26, k * 14.0 - 6, -40, k * 18.0 - 2, -52);
    cairo_curve_to(cr, k * 18.0 + 6, -44, k * 6.0 + 8, -26, 8, -6);
    cairo_close_path(cr);
    Fill(cr, k == 0 ? 0x3f9a4f : 0x4fae5c, 0.9);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -9, -8);
  cairo_line_to(cr, 9, -8);
  cairo_line_to(cr, 9, 36);
  cairo_curve_to(cr, 9, 42, -9, 42, -9, 36);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -8, 0, 40);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.75, 0.4);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 0.85, 0.93, 0.72);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.98, 0.97, 0.92);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Edge(cr);
  Open(cr, {-3, -6, -3, 30});
  Stroke(cr, 0xffffff, 1.2, 0.6);
  for (int k = -2; k <= 2; ++k) {
    Curve(cr, {k * 2.5, 40, k * 4.0, 45, k * 6.0, 49});
    Stroke(cr, 0xc9b487, 1.1);
  }
  Pop(cr);
}

void Leeks(cairo_t* cr) {
  OneLeek(cr, 32, 54, -0.38);
  OneLeek(cr, 68, 54, 0.38);
  OneLeek(cr, 50, 50, 0);
}

void Celeriac(cairo_t* cr) {
  const unsigned root = 0xe8d6a6;
  for (auto [a, l] : {std::pair{-2.2, 30.0}, {-1.85, 36.0}, {-1.57, 38.0}, {-1.3, 36.0}, {-0.95, 30.0}}) {
    double x = 50 + l * std::cos(a), y = 42 + l * std::sin(a);
    Open(cr, {50, 44, x, y});
    Rod(cr, 0x8fcf6a, 3, 0.7);
    for (int k = -1; k <= 1; k += 2) LeafAt(cr, x - 4 * std::cos(a), y - 4 * std::sin(a), a + k * 0.7, 12, 5, 0x5cb85c);
    LeafAt(cr, x, y, a, 14, 6, 0x5cb85c);
  }
  for (double x : {34.0, 42.0, 50.0, 58.0, 66.0}) {
    Curve(cr, {x, 80, x + (x - 50) * 0.3, 88, x + (x - 50) * 0.6 + 2, 96});
    Stroke(cr, 0xc9b487, 1.2);
  }
  Blob(cr, {50, 40, 66, 42, 78, 56, 76, 74, 62, 84, 46, 86, 30, 80, 22, 64, 28, 48, 38, 42});
  Fill(cr, root);
  for (auto [x, y] : {std::pair{38.0, 56.0}, {60.0, 62.0}, {48.0, 74.0}, {66.0, 50.0}}) {
    Curve(cr, {x - 3, y, x, y + 1.5, x + 3, y});
    Stroke(cr, Shade(root, -0.35), 0.8);
  }
  Box(cr, 44, 38, 12, 6, 3);
  Fill(cr, 0xc9d98a, 0.7);
}

void PineCone(cairo_t* cr) {
  const unsigned cone = 0xa86a3c;
  Open(cr, {50, 12, 52, 4});
  Rod(cr, DarkWood, 2.2, 0.7);
  Blob(cr, {50, 12, 66, 24, 72, 48, 64, 78, 50, 94, 36, 78, 28, 48, 34, 24});
  Fill(cr, cone);
  // Rows of scales, widest in the middle.
  for (int r = 0; r < 8; ++r) {
    double y = 20 + 9.5 * r;
    double half = 18 * std::sin(M_PI * (r + 0.8) / 9.0) + 4;
    int n = r % 2 ? 3 : 4;
    for (int c = 0; c < n; ++c) {
      double x = 50 - half + (2 * half) * (c + 0.5) / n;
      cairo_new_sub_path(cr);
      cairo_move_to(cr, x - 6, y - 1);
      cairo_curve_to(cr, x - 6, y + 7, x + 6, y + 7, x + 6, y - 1);
      cairo_curve_to(cr, x + 3, y + 1, x - 3, y + 1, x - 6, y - 1);
      cairo_close_path(cr);
      Fill(cr, Shade(cone, 0.12), 0.7);
    }
  }
}

void Acorn(cairo_t* cr, double x, double y, double angle) {
  Push(cr, x, y, angle);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -11, 0);
  cairo_curve_to(cr, -12, 16, -4, 26, 0, 28);
  cairo_curve_to(cr, 4, 26, 12, 16, 11, 0);
  cairo_close_path(cr);
  Fill(cr, 0xc98b3f);
  Gleam(cr, -5, 10, 2, 6, 0.2, 0.45);
  Open(cr, {0, -8, 1, -15});
  Rod(cr, 0x7a5a32, 2, 0.6);
  Blob(cr, {-13, 2, -12, -6, 0, -10, 12, -6, 13, 2, 0, 4});
  Fill(cr, 0x8a6a3a);
  Blob(cr, {-13, 2, -12, -6, 0, -10, 12, -6, 13, 2, 0, 4});
  ClipPath(cr);
  for (double k = -16; k <= 16; k += 4) {
    Open(cr, {k, -12, k + 8, 6});
    Stroke(cr, 0x6e5230, 0.6);
    Open(cr, {k, -12, k - 8, 6});
    Stroke(cr, 0x6e5230, 0.6);
  }
  Unclip(cr);
  Pop(cr);
}

void OakLeaf(cairo_t* cr, double x, double y, double angle, double s) {
  Push(cr, x, y, angle, s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  const double lobes[] = {8, 14, 22, 30, 38};
  for (double at : lobes) cairo_curve_to(cr, at - 3, -5, at + 1, -13, at + 5, -6);
  cairo_curve_to(cr, 46, -6, 48, 0, 46, 4);
  for (int i = 4; i >= 0; --i) cairo_curve_to(cr, lobes[i] + 5, 6, lobes[i] + 1, 13, lobes[i] - 3, 5);
  cairo_close_path(cr);
  Fill(cr, 0x8cc05a, 1.0 / s);
  Open(cr, {-4, 0, 44, 0});
  Stroke(cr, 0x5e8f3a, 0.8 / s);
  Pop(cr);
}

void Acorns(cairo_t* cr) {
  Push(cr, -12, -22, 0, 1.3);
  OakLeaf(cr, 20, 30, 0.35, 1.3);
  Acorn(cr, 36, 50, 0.35);
  Acorn(cr, 64, 56, -0.3);
  Pop(cr);
}

void Catkins(cairo_t* cr) {
  struct Twig {
    double x1, y1, x2, y2;
  };
  for (const Twig& t : {Twig{50, 96, 22, 8}, Twig{50, 96, 52, 4}, Twig{50, 96, 80, 12}}) {
    Open(cr, {t.x1, t.y1, t.x2, t.y2});
    Rod(cr, 0x8a4a3a, 1.6, 0.6);
    for (int k = 1; k <= 4; ++k) {
      double f = 0.16 + 0.2 * k;
      if (f > 0.97) break;
      double x = t.x1 + (t.x2 - t.x1) * f, y = t.y1 + (t.y2 - t.y1) * f;
      double a = std::atan2(t.y2 - t.y1, t.x2 - t.x1) + (k % 2 ? 0.7 : -0.7);
      double cx = x + 5 * std::cos(a), cy = y + 5 * std::sin(a);
      Push(cr, cx, cy, a);
      Ellipse(cr, 0, 0, 6.5, 4.2);
      Fill(cr, 0xeeeae6, 0.7);
      Ellipse(cr, -5, 0, 2, 3);
      Fill(cr, 0x8a4a3a, 0.5);
      Pop(cr);
    }
  }
}

void Branches(cairo_t* cr) {
  auto branch = [&](double x1, double y1, double x2, double y2, int side) {
    Open(cr, {x1, y1, x2, y2});
    Rod(cr, 0x8a5a3a, 4, 0.8);
    for (double f : {0.35, 0.65}) {
      double x = x1 + (x2 - x1) * f, y = y1 + (y2 - y1) * f;
      double a = std::atan2(y2 - y1, x2 - x1) + side * 0.7;
      double tx = x + 18 * std::cos(a), ty = y + 18 * std::sin(a);
      Open(cr, {x, y, tx, ty});
      Rod(cr, 0x8a5a3a, 2.2, 0.7);
      LeafAt(cr, tx, ty, a - side * 0.3, 14, 5.5, 0x7cc35a);
      LeafAt(cr, tx - 6 * std::cos(a), ty - 6 * std::sin(a), a + side * 0.9, 12, 5, 0x6ab84e);
      side = -side;
    }
    LeafAt(cr, x2, y2, std::atan2(y2 - y1, x2 - x1), 15, 6, 0x7cc35a);
  };
  branch(8, 84, 86, 20, 1);
  branch(14, 24, 88, 80, -1);
}

void Bud(cairo_t* cr) {
  Curve(cr, {50, 98, 48, 70, 50, 44});
  Rod(cr, 0x5aa850, 3, 0.8);
  LeafAt(cr, 49, 76, -2.6, 24, 9, 0x5cb85c);
  LeafAt(cr, 49, 64, -0.5, 22, 8, 0x5cb85c);
  Blob(cr, {50, 6, 62, 22, 62, 36, 50, 46, 38, 36, 38, 22});
  Fill(cr, 0xff6f9c);
  Curve(cr, {50, 8, 56, 24, 52, 40});
  Stroke(cr, 0xd94a7a, 1, 0.8);
  for (int k = -1; k <= 1; k += 2) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 46);
    cairo_curve_to(cr, 50 + 16 * k, 44, 50 + 14 * k, 30, 50 + 8 * k, 18);
    cairo_curve_to(cr, 50 + 6 * k, 30, 50 + 4 * k, 38, 50, 46);
    cairo_close_path(cr);
    Fill(cr, 0x4fae5c, 0.8);
  }
  Ellipse(cr, 50, 46, 6, 4);
  Fill(cr, 0x4fae5c, 0.8);
}

void Gooseberry(cairo_t* cr, double x, double y, double r, double angle) {
  Push(cr, x, y, angle);
  Ellipse(cr, 0, 0, r, r * 1.12);
  Fill(cr, 0x9ad15a);
  for (double k : {-0.6, -0.2, 0.2, 0.6}) {
    Curve(cr, {0, -r * 1.08, r * k * 1.6, 0, 0, r * 1.1});
    Stroke(cr, 0xe2f5b8, 0.8, 0.9);
  }
  Gleam(cr, -r * 0.35, -r * 0.4, r * 0.25, r * 0.18, -0.6, 0.8);
  Poly(cr, {-2, r * 1.1, 2, r * 1.1, 0, r * 1.1 + 4});
  Fill(cr, 0x7a5a32, 0.6);
  Open(cr, {0, -r * 1.1, 2, -r * 1.1 - 8});
  Rod(cr, 0x7a8a3a, 1.6, 0.6);
  Pop(cr);
}

void GooseberryOne(cairo_t* cr) {
  LobedLeaf(cr, 64, 30, 0.6, 22, 3, 0x5cb85c);
  Gooseberry(cr, 44, 60, 28, -0.15);
}

void Cauliflower(cairo_t* cr) {
  // Leaves behind, rising on both sides.
  for (double k : {-1.0, 1.0}) {
    Push(cr, 50 + k * 20, 66, k * 0.6);
    Blob(cr, {0, 22, -12 * k, 4, -6 * k, -24, 6 * k, -34, 16 * k, -16, 12 * k, 10});
    Pop(cr);
    Fill(cr, 0x4fa84a);
  }
  Blob(cr, {50, 16, 72, 20, 86, 38, 82, 58, 64, 68, 36, 68, 18, 58, 14, 38, 28, 20});
  Fill(cr, 0xfbf1d6);
  for (auto [x, y, r] : {std::tuple{34.0, 32.0, 9.0}, {51.0, 27.0, 10.0}, {68.0, 33.0, 9.0}, {26.0, 48.0, 8.0}, {43.0, 44.0, 10.0},
                         {60.0, 45.0, 10.0}, {76.0, 49.0, 7.0}}) {
    Circle(cr, x, y, r);
    Fill(cr, 0xfff6e0, 0.6);
    Circle(cr, x - r * 0.3, y - r * 0.3, r * 0.35);
    Flat(cr, 0xffffff, 0.7);
  }
  // Leaves in front, cupping the head from below.
  for (double k : {-1.0, 1.0}) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 92);
    cairo_curve_to(cr, 50 - 24 * k, 90, 50 - 40 * k, 72, 50 - 42 * k, 50);
    cairo_curve_to(cr, 50 - 30 * k, 58, 50 - 14 * k, 64, 50 + 4 * k, 66);
    cairo_curve_to(cr, 50 + 2 * k, 76, 50, 86, 50, 92);
    cairo_close_path(cr);
    Fill(cr, k < 0 ? 0x6cc56a : 0x5cb85c);
    Curve(cr, {50, 90, 50 - 22 * k, 78, 50 - 38 * k, 56});
    Stroke(cr, 0xd9ecc0, 1.2, 0.9);
  }
}

void Rowan(cairo_t* cr) {
  Push(cr, -5, -13, 0, 1.2);
  // A leaf of many leaflets behind, then the bunch.
  Push(cr, 50, 40, -0.5);
  Open(cr, {-44, 0, 20, 0});
  Rod(cr, 0x6a8a3a, 1.4, 0.6);
  for (int i = 0; i < 5; ++i) {
    double x = -38 + 12 * i;
    LeafAt(cr, x, 0, -1.1, 16, 4.5, 0x5cb85c);
    LeafAt(cr, x, 0, 1.1, 16, 4.5, 0x5cb85c);
  }
  LeafAt(cr, 18, 0, 0, 16, 4.5, 0x5cb85c);
  Pop(cr);
  for (auto [x, y] : {std::pair{36.0, 62.0}, {50.0, 58.0}, {64.0, 64.0}}) {
    Open(cr, {50, 30, x, y});
    Rod(cr, 0x8a5a3a, 1.2, 0.5);
  }
  const double berries[][2] = {{30, 60}, {38, 56}, {46, 54}, {54, 55}, {62, 58}, {70, 62}, {26, 68}, {34, 66}, {42, 64},
                               {50, 63}, {58, 64}, {66, 68}, {74, 70}, {32, 74}, {40, 72}, {48, 71}, {56, 72}, {64, 75},
                               {72, 78}, {38, 80}, {46, 79}, {54, 80}, {62, 83}, {46, 87}, {54, 88}};
  for (auto& b : berries) {
    Berry(cr, b[0], b[1], 4.6, 0xff6a2a, 0.6);
    Circle(cr, b[0], b[1] + 3.2, 0.9);
    Flat(cr, 0x6b2a10);
  }
  Pop(cr);
}

void Redcurrants(cairo_t* cr) {
  LobedLeaf(cr, 66, 26, 0.4, 22, 3, 0x5cb85c);
  Curve(cr, {10, 14, 30, 14, 50, 22});
  Rod(cr, 0x7a5a32, 2, 0.6);
  for (auto [x0, y0, len] : {std::tuple{18.0, 15.0, 5}, {32.0, 16.0, 6}, {46.0, 20.0, 5}}) {
    double x1 = x0 + 6, y1 = y0 + 70;
    Curve(cr, {x0, y0, x0 + 2, y0 + 30, x1, y1});
    Stroke(cr, 0x6a8a3a, 1.2);
    for (int i = 0; i < len; ++i) {
      double f = (i + 1.0) / (len + 0.4);
      double x = x0 + (x1 - x0) * f + (i % 2 ? 4 : -4), y = y0 + (y1 - y0) * f;
      Berry(cr, x, y, 6 - 0.4 * i, 0xe8203a, 0.7);
      Circle(cr, x, y + 4.5 - 0.4 * i, 0.7);
      Flat(cr, 0x5a1a10);
    }
  }
}

void Poppy(cairo_t* cr) {
  const unsigned red = 0xf0302c;
  Curve(cr, {50, 98, 54, 80, 50, 56});
  Rod(cr, 0x6cbf5a, 2.6, 0.7);
  LeafAt(cr, 53, 84, -0.6, 20, 6, 0x6cbf5a);
  for (int k = 0; k < 4; ++k) {
    double a = -M_PI / 4 + k * M_PI / 2 + 0.3;
    Push(cr, 50 + 12 * std::cos(a), 38 + 12 * std::sin(a), a);
    Blob(cr, {-8, 0, 6, -20, 22, -14, 26, 0, 22, 14, 6, 20});
    Pop(cr);
    Fill(cr, k % 2 ? red : Shade(red, 0.1));
  }
  Circle(cr, 50, 38, 11);
  Flat(cr, 0x2d2230);
  for (int k = 0; k < 12; ++k) {
    double a = k * M_PI / 6;
    Circle(cr, 50 + 11 * std::cos(a), 38 + 11 * std::sin(a), 1.4);
    Flat(cr, 0x2d2230);
  }
  Circle(cr, 50, 38, 5.5);
  Fill(cr, 0x8fa86a, 0.7);
  for (int k = 0; k < 4; ++k) {
    double a = k * M_PI / 4;
    Open(cr, {50 - 5 * std::cos(a), 38 - 5 * std::sin(a), 50 + 5 * std::cos(a), 38 + 5 * std::sin(a)});
    Stroke(cr, 0x3a3a2a, 0.7);
  }
}


void Chanterelle(cairo_t* cr, double x, double y, double s, double angle) {
  const unsigned gold = 0xffb52e;
  Push(cr, x, y, angle, s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -5, 24);
  cairo_curve_to(cr, -6, 14, -10, 4, -20, -4);
  cairo_line_to(cr, 20, -4);
  cairo_curve_to(cr, 10, 4, 6, 14, 5, 24);
  cairo_close_path(cr);
  Fill(cr, Shade(gold, 0.1), 1 / s);
  for (int k = -3; k <= 3; ++k) {
    Curve(cr, {k * 5.5, -3, k * 2.5, 6, k * 0.8, 16});
    Stroke(cr, Shade(gold, -0.25), 0.7 / s);
  }
  Blob(cr, {-22, -6, -16, -12, -6, -10, 0, -13, 8, -10, 16, -12, 22, -6, 12, -2, 0, -3, -12, -2});
  Fill(cr, gold, 1 / s);
  Ellipse(cr, 0, 25, 6, 2);
  Fill(cr, Shade(gold, -0.1), 0.8 / s);
  Pop(cr);
}

void Chanterelles(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 40, 3);
  Chanterelle(cr, 28, 54, 1.0, -0.25);
  Chanterelle(cr, 72, 56, 0.95, 0.25);
  Chanterelle(cr, 50, 62, 1.2, 0);
  LeafAt(cr, 10, 92, -0.3, 18, 5, 0x6cbf5a);
  LeafAt(cr, 90, 92, -2.8, 18, 5, 0x6cbf5a);
}

void MilkCap(cairo_t* cr) {
  const unsigned cap = 0xf07a3a;
  GroundShadow(cr, 50, 92, 30, 3);
  Poly(cr, {40, 46, 60, 46, 62, 90, 38, 90});
  Fill(cr, 0xf2a060);
  for (auto [x, y] : {std::pair{46.0, 62.0}, {55.0, 74.0}, {45.0, 82.0}}) {
    Ellipse(cr, x, y, 2.2, 1.6);
    Flat(cr, 0xd9783a);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 40);
  cairo_curve_to(cr, 14, 22, 30, 16, 50, 16);
  cairo_curve_to(cr, 70, 16, 86, 22, 94, 40);
  cairo_curve_to(cr, 80, 52, 20, 52, 6, 40);
  cairo_close_path(cr);
  Fill(cr, cap);
  Ellipse(cr, 50, 26, 16, 4.5);
  Fill(cr, Shade(cap, -0.15), 0.8);
  for (double r : {24.0, 34.0}) {
    Curve(cr, {50 - r, 36 - r * 0.15, 50, 24 + r * 0.35, 50 + r, 36 - r * 0.15});
    Stroke(cr, 0xc85a24, 1.4, 0.7);
  }
  Gleam(cr, 30, 28, 6, 2, -0.4, 0.35);
}

void Lettuce(cairo_t* cr) {
  // Leaves from the outside in, each ruffled and lighter.
  const unsigned greens[] = {0x5cb85c, 0x72c86a, 0x8ad87a, 0xa8e68e};
  for (int layer = 0; layer < 4; ++layer) {
    double r = 44 - 9 * layer;
    for (int k = 0; k < 5; ++k) {
      double a = M_PI * (0.9 + 0.3 * k) + layer * 0.3;
      double cx = 50 + (r * 0.45) * std::cos(a), cy = 56 + (r * 0.35) * std::sin(a) - layer * 3;
      std::vector<double> ruffle;
      const int n = 16;
      for (int i = 0; i < n; ++i) {
        double t = 2 * M_PI * i / n, rr = r * 0.55 * (i % 2 ? 0.9 : 1.0);
        ruffle.push_back(cx + rr * std::cos(t));
        ruffle.push_back(cy + rr * 0.8 * std::sin(t));
      }
      Blob(cr, ruffle);
      Fill(cr, greens[layer], 0.8);
    }
  }
  Ellipse(cr, 50, 44, 10, 8);
  Fill(cr, 0xc8f0a8, 0.8);
  for (double k = -2; k <= 2; k += 1) {
    Curve(cr, {50, 88, 50 + k * 10, 70, 50 + k * 18, 54});
    Stroke(cr, 0xe8f8d0, 1.2, 0.8);
  }
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

void Spring(cairo_t* cr) {
  // Water welling up in a ring of stones and running away as a brook.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 44, 60);
  cairo_curve_to(cr, 40, 74, 20, 80, 18, 96);
  cairo_line_to(cr, 40, 96);
  cairo_curve_to(cr, 44, 84, 58, 76, 56, 60);
  cairo_close_path(cr);
  Fill(cr, 0x6fc3f0);
  Ellipse(cr, 50, 50, 30, 13);
  Fill(cr, 0x6fc3f0);
  for (double r : {6.0, 12.0, 18.0}) {
    Ellipse(cr, 50, 50, r, r * 0.4);
    Stroke(cr, 0xffffff, 1, 0.8);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 44, 50);
  cairo_curve_to(cr, 44, 40, 56, 40, 56, 50);
  cairo_close_path(cr);
  Fill(cr, 0xbfe8ff, 0.8);
  const double stones[][3] = {{18, 46, 6}, {24, 36, 6}, {36, 32, 6.5}, {50, 30, 6}, {64, 32, 6.5}, {76, 36, 6},
                              {82, 46, 6}, {78, 58, 6.5}, {66, 64, 6}, {32, 64, 6}, {22, 58, 6.5}};
  for (const auto& st : stones) {
    Ellipse(cr, st[0], st[1], st[2] * 1.2, st[2] * 0.8);
    Fill(cr, 0xb8b0a8, 0.8);
  }
  LeafAt(cr, 12, 40, -2.2, 18, 5, 0x6cbf5a);
  LeafAt(cr, 88, 40, -0.9, 18, 5, 0x6cbf5a);
  LeafAt(cr, 86, 64, -0.4, 14, 4, 0x5cb85c);
}

void IceFloe(cairo_t* cr) {
  Ellipse(cr, 50, 70, 48, 20);
  Fill(cr, 0x5eb0ea);
  for (double r : {40.0, 30.0}) {
    Ellipse(cr, 50, 70, r, r * 0.35);
    Stroke(cr, 0xbfe6ff, 1, 0.8);
  }
  Poly(cr, {10, 60, 24, 68, 50, 70, 78, 68, 90, 60, 90, 66, 78, 74, 50, 76, 24, 74, 10, 66});
  Fill(cr, 0x9fd6f0);
  Poly(cr, {10, 60, 22, 50, 44, 46, 70, 48, 90, 60, 78, 68, 50, 70, 24, 68});
  Fill(cr, 0xf4fbff);
  Open(cr, {40, 50, 46, 56, 42, 64});
  Stroke(cr, 0x9fc8e0, 1);
  Gleam(cr, 56, 54, 14, 2, -0.05, 0.7);
  Poly(cr, {70, 78, 82, 74, 86, 80, 74, 84});
  Fill(cr, 0xf4fbff);
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

}  // namespace

Named GardenDrawings() {
  return {{"beetroot", Beetroot},   {"radish", Radish},         {"leeks", Leeks},           {"celeriac", Celeriac},
          {"pine-cone", PineCone},  {"acorns", Acorns},         {"catkins", Catkins},     {"branches", Branches},
          {"bud", Bud},             {"gooseberry", GooseberryOne}, {"cauliflower", Cauliflower}, {"rowan", Rowan},
          {"redcurrants", Redcurrants}, {"poppy", Poppy},
          {"chanterelles", Chanterelles}, {"milk-cap", MilkCap}, {"lettuce", Lettuce}, {"garden-beds", GardenBeds},
          {"spring", Spring}, {"ice-floe", IceFloe}, {"sand", Sand}};
}

}  // namespace datagen::words::draw
