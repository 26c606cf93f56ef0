// Word drawings: food, vegetables and fruit.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Sugar(cairo_t* cr);
void CandyFloss(cairo_t* cr);
void Ham(cairo_t* cr);
void BreadRoll(cairo_t* cr);
void Beetroot(cairo_t* cr);
void Radish(cairo_t* cr);
void Leeks(cairo_t* cr);
void Celeriac(cairo_t* cr);
void Cauliflower(cairo_t* cr);
void Lettuce(cairo_t* cr);
void GooseberryOne(cairo_t* cr);

}  // namespace

Named FoodDrawings() {
  return {
      {"sugar", Sugar},
      {"candy-floss", CandyFloss},
      {"ham", Ham},
      {"bread-roll", BreadRoll},
      {"beetroot", Beetroot},
      {"radish", Radish},
      {"leeks", Leeks},
      {"celeriac", Celeriac},
      {"cauliflower", Cauliflower},
      {"lettuce", Lettuce},
      {"gooseberry", GooseberryOne},
  };
}

namespace {

void Sugar(cairo_t* cr) {
  GroundShadow(cr, 50, 88, 44, 3);
  auto cube = [&](double x, double y, double s) {
    const double d = s * 0.32;
    Poly(cr, {x, y, x + s, y, x + s, y + s, x, y + s});
    Fill(cr, 0xffffff);
    Poly(cr, {x, y, x + d, y - d, x + s + d, y - d, x + s, y});
    Fill(cr, 0xf4f6fa);
    Poly(cr, {x + s, y, x + s + d, y - d, x + s + d, y + s - d, x + s, y + s});
    Fill(cr, 0xdfe4ee);
    for (int k = 0; k < 9; ++k) {
      Circle(cr, x + s * (0.15 + 0.3 * (k % 3)) + (k / 3) * 2, y + s * (0.2 + 0.3 * (k / 3)), 0.7);
      Flat(cr, 0xb8c4d8);
    }
  };
  cube(10, 56, 32);
  cube(46, 56, 32);
  cube(28, 22, 32);
  for (auto [x, y] : {std::pair{84.0, 20.0}, {14.0, 30.0}}) {
    cairo_new_sub_path(cr);
    for (int k = 0; k < 8; ++k) {
      double r = k % 2 ? 1.4 : 5, a = k * M_PI / 4;
      cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    }
    cairo_close_path(cr);
    Flat(cr, 0xffffff);
  }
}

void CandyFloss(cairo_t* cr) {
  Open(cr, {50, 98, 50, 56});
  Rod(cr, 0xf4e9d8, 3);
  Blob(cr, {50, 4, 68, 8, 82, 20, 84, 36, 74, 52, 58, 62, 42, 62, 26, 52, 16, 36, 20, 18, 34, 8});
  Fill(cr, 0xffa6d2);
  for (auto [x, y, r] : {std::tuple{36.0, 24.0, 10.0}, {58.0, 20.0, 11.0}, {70.0, 38.0, 9.0}, {30.0, 42.0, 9.0},
                         {50.0, 44.0, 11.0}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffc4e2, 0.8);
  }
  for (auto [x, y] : {std::pair{40.0, 30.0}, {62.0, 28.0}, {46.0, 50.0}}) {
    Curve(cr, {x - 5, y, x, y - 3, x + 5, y});
    Stroke(cr, 0xe77fb4, 0.8, 0.8);
  }
}

void Ham(cairo_t* cr) {
  const unsigned meat = 0xf79aa0, fat = 0xfff0ea;
  GroundShadow(cr, 50, 88, 44, 3);
  Ellipse(cr, 50, 72, 44, 14);
  Fill(cr, 0xe8eef2);
  // The joint, its cut face, and two slices in front.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 60, 24);
  cairo_curve_to(cr, 84, 22, 96, 44, 88, 62);
  cairo_curve_to(cr, 80, 76, 60, 76, 52, 66);
  cairo_close_path(cr);
  Fill(cr, 0xe07a6a);
  Ellipse(cr, 52, 46, 18, 22);
  Fill(cr, fat);
  Ellipse(cr, 52, 46, 14.5, 18.5);
  Fill(cr, meat, 0.7);
  Ellipse(cr, 50, 42, 3, 4);
  Flat(cr, fat);
  for (int i = 0; i < 2; ++i) {
    Push(cr, 24 + 14 * i, 70 - 2 * i, -0.3 + 0.3 * i);
    Ellipse(cr, 0, 0, 16, 9);
    Fill(cr, fat);
    Ellipse(cr, 0, 0.5, 13, 6.8);
    Fill(cr, meat, 0.6);
    Pop(cr);
  }
}

void BreadRoll(cairo_t* cr) {
  const unsigned crust = 0xe0a050;
  GroundShadow(cr, 50, 84, 42, 4);
  Blob(cr, {50, 18, 80, 26, 92, 50, 84, 74, 50, 84, 16, 74, 8, 50, 20, 26});
  Fill(cr, crust);
  // The five curved cuts of a kaiser roll.
  for (int k = 0; k < 5; ++k) {
    double a = -M_PI / 2 + k * 2 * M_PI / 5;
    Curve(cr, {50 + 4 * std::cos(a + 0.9), 50 + 3.4 * std::sin(a + 0.9),
               50 + 20 * std::cos(a + 0.3), 50 + 17 * std::sin(a + 0.3), 50 + 34 * std::cos(a), 50 + 28 * std::sin(a)});
    Stroke(cr, Shade(crust, -0.35), 1.8);
    Curve(cr, {50 + 6 * std::cos(a + 1.1), 50 + 5 * std::sin(a + 1.1), 50 + 22 * std::cos(a + 0.45),
               50 + 19 * std::sin(a + 0.45), 50 + 34 * std::cos(a + 0.2), 50 + 28 * std::sin(a + 0.2)});
    Stroke(cr, Shade(crust, 0.35), 1.2, 0.9);
  }
  Gleam(cr, 34, 32, 8, 3, -0.5, 0.3);
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

}  // namespace

}  // namespace datagen::words::draw
