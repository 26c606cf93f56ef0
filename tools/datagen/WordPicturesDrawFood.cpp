// Word drawings: food, vegetables and fruit.
#include <cmath>
#include <vector>

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
void Sausage(cairo_t* cr);
void Cabbage(cairo_t* cr);
void Parsley(cairo_t* cr);
void WildStrawberries(cairo_t* cr);
void Grains(cairo_t* cr);
void Rye(cairo_t* cr);
void Dumplings(cairo_t* cr);
void WaterBottle(cairo_t* cr);

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
      {"sausage", Sausage},
      {"cabbage", Cabbage},
      {"parsley", Parsley},
      {"wild-strawberries", WildStrawberries},
      {"grains", Grains},
      {"rye", Rye},
      {"dumplings", Dumplings},
      {"water-bottle", WaterBottle},
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

// A ring of smoked sausage tied with string, a few slices cut off it.
void Sausage(cairo_t* cr) {
  const unsigned skin = 0xa8453a, meat = 0xe8847a;
  Box(cr, 4, 70, 92, 20, 4);
  Fill(cr, LightWood);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 42, 46, 30, M_PI * 0.15, M_PI * 1.95);
  Rod(cr, skin, 16);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 42, 46, 30, M_PI * 0.9, M_PI * 1.4);
  Stroke(cr, Shade(skin, 0.35), 2.4, 0.6);
  for (double a : {0.15, 1.95}) {  // the tied ends
    const double x = 42 + 30 * std::cos(a * M_PI), y = 46 + 30 * std::sin(a * M_PI);
    Circle(cr, x, y, 3);
    Fill(cr, 0xf2e6c8);
  }
  Curve(cr, {70, 56, 76, 52, 78, 46});
  Stroke(cr, 0xf2e6c8, 1.2);
  // Slices on the board.
  for (auto [x, y] : {std::pair{72.0, 80.0}, {84.0, 76.0}, {60.0, 84.0}}) {
    Ellipse(cr, x, y, 7, 5);
    Fill(cr, skin);
    Ellipse(cr, x, y, 5.5, 3.8);
    Flat(cr, meat);
    for (auto [dx, dy] : {std::pair{-2.0, -1.0}, {1.5, 1.0}, {2.0, -1.5}}) {
      Circle(cr, x + dx, y + dy, 0.8);
      Flat(cr, 0xfff0e8);
    }
  }
}

// A round head of white cabbage, its outer leaves opening.
void Cabbage(cairo_t* cr) {
  const unsigned outer = 0x8fcf6a, inner = 0xd4efb0;
  GroundShadow(cr, 50, 92, 38, 3);
  for (double k : {-1.0, 1.0}) {
    Blob(cr, {50, 88, 50 + 30 * k, 86, 50 + 48 * k, 60, 50 + 40 * k, 32, 50 + 26 * k, 40, 50 + 22 * k, 70});
    Fill(cr, outer);
    Curve(cr, {50 + 12 * k, 84, 50 + 32 * k, 68, 50 + 40 * k, 40});
    Stroke(cr, 0xeaf8d8, 1.6, 0.9);
  }
  Circle(cr, 50, 54, 30);
  Fill(cr, inner);
  Curve(cr, {26, 40, 40, 30, 58, 28, 74, 40});
  Stroke(cr, Shade(inner, -0.12), 1.2);
  Curve(cr, {24, 60, 34, 48, 50, 44, 66, 48, 76, 60});
  Stroke(cr, Shade(inner, -0.12), 1.2);
  for (double k : {-1.0, 0.0, 1.0}) {
    Curve(cr, {50, 84, 50 + 8 * k, 64, 50 + 14 * k, 40});
    Stroke(cr, 0xf4fbe8, 1.4, 0.9);
  }
  Gleam(cr, 38, 40, 7, 4, -0.5, 0.4);
}

// A parsley root: white and tapering, frilly leaves on top.
void Parsley(cairo_t* cr) {
  for (double a : {-2.3, -1.9, -1.5, -1.1}) {
    const double x = 50 + 34 * std::cos(a), y = 36 + 30 * std::sin(a);
    Open(cr, {50, 38, x, y});
    Stroke(cr, 0x4f9a3d, 1.6);
    for (int k = 0; k < 3; ++k) {
      const double t = 0.55 + 0.2 * k;
      LobedLeaf(cr, 50 + (x - 50) * t, 38 + (y - 38) * t, a + M_PI / 2, 9 - 1.5 * k, 3, 0x4fae3d);
    }
    LobedLeaf(cr, x, y, a + M_PI / 2, 10, 3, 0x4fae3d);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 38);
  cairo_curve_to(cr, 46, 34, 56, 34, 60, 38);
  cairo_curve_to(cr, 60, 60, 54, 80, 51, 98);
  cairo_curve_to(cr, 48, 80, 40, 60, 40, 38);
  cairo_close_path(cr);
  Fill(cr, 0xf6efdc);
  for (double y : {50.0, 62.0, 74.0}) {
    Curve(cr, {44 + (y - 50) * 0.15, y, 50, y + 1.5, 56 - (y - 50) * 0.15, y});
    Stroke(cr, Shade(0xf6efdc, -0.2), 0.9);
  }
}

// Wild strawberries: small long berries hanging from thin stems, a
// three-part leaf and a white flower.
void WildStrawberries(cairo_t* cr) {
  const unsigned red = 0xe02a3a, stem = 0x6a9a3a;
  for (double a : {-0.45, 0.0, 0.45}) {
    LeafAt(cr, 30, 92, -M_PI / 2 + a * 1.7, 30, 11, 0x4fae3d);
  }
  // Thin stems arching over, small berries hanging from them.
  struct Berry {
    double x, y, angle;
  };
  const Berry berries[] = {{50, 40, 0.2}, {60, 50, -0.1}, {70, 40, 0.15}, {78, 56, -0.2}, {44, 58, 0.3}, {66, 66, 0.0}};
  Curve(cr, {30, 92, 42, 40, 62, 20, 84, 26});
  Stroke(cr, stem, 1.4);
  Curve(cr, {34, 92, 50, 52, 70, 40, 86, 46});
  Stroke(cr, stem, 1.2);
  for (const Berry& b : berries) {
    Open(cr, {b.x, b.y - 7, b.x - 2 * b.angle * 10, b.y - 16});
    Stroke(cr, stem, 1);
    Push(cr, b.x, b.y, b.angle);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, -6);
    cairo_curve_to(cr, 6, -6, 5, 4, 0, 9);
    cairo_curve_to(cr, -5, 4, -6, -6, 0, -6);
    cairo_close_path(cr);
    Fill(cr, red, 0.7);
    for (auto [dx, dy] : {std::pair{-2.0, -2.0}, {2.0, -1.5}, {0.0, 1.5}, {-1.5, 4.0}, {1.5, 4.0}}) {
      Circle(cr, dx, dy, 0.5);
      Flat(cr, 0xffe070);
    }
    for (double k : {-1.0, 1.0}) {
      LeafAt(cr, 0, -6, -M_PI / 2 + k * 1.2, 4, 1.6, 0x4fae3d);
    }
    Pop(cr);
  }
  Blossom(cr, 86, 22, 4.6, 0xffffff, Yellow);
}

// A heap of golden grains of wheat.
void Grains(cairo_t* cr) {
  const unsigned grain = 0xe0a84a;
  struct At {
    double x, y, angle;
  };
  std::vector<At> heap;
  for (int row = 0; row < 6; ++row)
    for (int i = 0; i <= row; ++i) {
      const double x = 50 + (i - row / 2.0) * 14 + ((row * 7 + i * 3) % 5 - 2), y = 20 + row * 12;
      heap.push_back({x, y, ((row * 5 + i * 11) % 9 - 4) * 0.35});
    }
  for (const At& g : heap) {
    Push(cr, g.x, g.y, g.angle);
    Ellipse(cr, 0, 0, 7, 4.6);
    Fill(cr, grain, 0.8);
    Open(cr, {-5, 0.5, 5, 0.5});
    Stroke(cr, Shade(grain, -0.3), 0.8);
    Gleam(cr, -1, -2, 3, 1, 0, 0.5);
    Pop(cr);
  }
}

// Ears of rye: slender, with long whiskers, on tall stalks, and a cornflower.
void Rye(cairo_t* cr) {
  const unsigned ear = 0xc8b060, stalk = 0xb8a050;
  const struct {
    double x, angle;
  } ears[] = {{38, -0.25}, {50, 0.0}, {62, 0.22}};
  for (const auto& e : ears) {
    Push(cr, e.x, 98, e.angle);
    Open(cr, {0, 0, 0, -54});
    Rod(cr, stalk, 1.6, 0.6);
    for (int k = 0; k < 9; ++k) {
      const double y = -56 - 4.2 * k;
      for (double side : {-1.0, 1.0}) {
        Push(cr, 1.6 * side, y, 0.35 * side);
        Ellipse(cr, 0, 0, 2.2, 3.6);
        Pop(cr);
        Fill(cr, ear, 0.5);
        Open(cr, {2.4 * side, y - 2, 7 * side, y - 18});
        Stroke(cr, Shade(ear, -0.2), 0.5);
      }
    }
    Pop(cr);
  }
  LeafAt(cr, 44, 82, -2.2, 22, 4, 0x9ab86a);
  LeafAt(cr, 56, 76, -0.9, 20, 4, 0x9ab86a);
  // A cornflower among the ears.
  Open(cr, {78, 98, 80, 62});
  Stroke(cr, 0x6a9a5a, 1.4);
  for (int p = 0; p < 8; ++p) {
    const double a = p * M_PI / 4;
    LeafAt(cr, 80, 60, a, 9, 3.2, 0x4a7ae8);
  }
  Circle(cr, 80, 60, 2.6);
  Fill(cr, 0x2a3a9a, 0.5);
}

// A plate of round potato dumplings, each with its dimple, and a little sauce.
void Dumplings(cairo_t* cr) {
  Ellipse(cr, 50, 66, 48, 22);
  Fill(cr, 0xffffff);
  Ellipse(cr, 50, 64, 36, 15);
  Fill(cr, 0xf2f4f6, 0.6);
  for (auto [x, y] : {std::pair{32.0, 58.0}, {50.0, 54.0}, {68.0, 58.0}, {40.0, 70.0}, {60.0, 70.0}}) {
    Ellipse(cr, x, y, 11, 8);
    Fill(cr, 0xfbf6e6);
    Ellipse(cr, x, y - 1, 3.2, 2.2);
    Fill(cr, 0xc87a3a, 0.6);
    Gleam(cr, x - 4, y - 4, 3, 1.5, -0.3, 0.6);
  }
  // A fork resting on the plate.
  Push(cr, 80, 34, 0.7);
  Box(cr, -2, 0, 4, 30, 2);
  Fill(cr, Steel, 0.8);
  for (double x : {-5.0, -1.5, 2.0}) {
    Box(cr, x, -14, 2.6, 15, 1);
    Fill(cr, Steel, 0.6);
  }
  Pop(cr);
}

// A bottle of water: clear plastic, blue cap, a drop on the label.
void WaterBottle(cairo_t* cr) {
  GroundShadow(cr, 50, 96, 24, 3);
  Box(cr, 40, 2, 20, 10, 2);
  Fill(cr, Blue);
  Blob(cr, {40, 12, 60, 12, 62, 20, 74, 34, 74, 92, 50, 96, 26, 92, 26, 34, 38, 20});
  Flat(cr, 0xeaf6ff, 0.6);
  Blob(cr, {26.5, 44, 50, 42, 73.5, 44, 73.5, 92, 50, 95.5, 26.5, 92});
  Flat(cr, 0x6fc3ff, 0.75);
  Blob(cr, {40, 12, 60, 12, 62, 20, 74, 34, 74, 92, 50, 96, 26, 92, 26, 34, 38, 20});
  Edge(cr);
  Box(cr, 26, 54, 48, 22, 0);
  Fill(cr, 0xffffff, 0.8);
  cairo_move_to(cr, 50, 57);
  cairo_curve_to(cr, 44, 64, 43, 68, 50, 73);
  cairo_curve_to(cr, 57, 68, 56, 64, 50, 57);
  cairo_close_path(cr);
  Fill(cr, Blue, 0.6);
  for (double y : {38.0, 84.0}) {
    Curve(cr, {27, y, 50, y + 3, 73, y});
    Stroke(cr, 0xffffff, 1, 0.7);
  }
  Gleam(cr, 32, 40, 2, 12, 0, 0.7);
}

}  // namespace

}  // namespace datagen::words::draw
