// Word drawings: the school desk, the shop and money.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Compass(cairo_t* cr);
void Eraser(cairo_t* cr);
void Glue(cairo_t* cr);
void FeltPens(cairo_t* cr);
void PencilCase(cairo_t* cr);
void Blackboard(cairo_t* cr);
void Stamp(cairo_t* cr);
void CashRegister(cairo_t* cr);
void Globe(cairo_t* cr);
void Money(cairo_t* cr);

}  // namespace

Named SchoolDrawings() {
  return {
      {"compass", Compass},
      {"eraser", Eraser},
      {"glue", Glue},
      {"felt-pens", FeltPens},
      {"pencil-case", PencilCase},
      {"blackboard", Blackboard},
      {"stamp", Stamp},
      {"cash-register", CashRegister},
      {"globe", Globe},
      {"money", Money},
  };
}

namespace {

void Compass(cairo_t* cr) {
  Curve(cr, {16, 90, 34, 98, 60, 98, 84, 90});
  Stroke(cr, 0x5b6ab0, 1.4, 0.8);
  Open(cr, {50, 8, 50, 16});
  Rod(cr, Steel, 4.5);
  Open(cr, {49, 20, 24, 86});
  Rod(cr, Steel, 4);
  Poly(cr, {22.5, 84, 26, 85.5, 22, 95});
  Fill(cr, DarkSteel, 0.7);
  Open(cr, {51, 20, 70, 70});
  Rod(cr, Steel, 4);
  Poly(cr, {66, 66, 74, 63, 80, 80, 76, 82});
  Fill(cr, Yellow);
  Poly(cr, {76, 82, 80, 80, 81, 87});
  Fill(cr, 0xf2d0a0, 0.7);
  Circle(cr, 50, 20, 6);
  Fill(cr, Red);
  Circle(cr, 50, 20, 2);
  Fill(cr, Steel, 0.6);
}

void Eraser(cairo_t* cr) {
  GroundShadow(cr, 50, 74, 42, 4);
  Poly(cr, {14, 44, 54, 44, 54, 70, 14, 70});
  Fill(cr, 0xff6f7a);
  Poly(cr, {54, 44, 86, 44, 86, 70, 54, 70});
  Fill(cr, 0x5b9bf0);
  Poly(cr, {14, 44, 24, 32, 64, 32, 54, 44});
  Fill(cr, Shade(0xff6f7a, 0.3));
  Poly(cr, {54, 44, 64, 32, 96, 32, 86, 44});
  Fill(cr, Shade(0x5b9bf0, 0.3));
  Poly(cr, {86, 44, 96, 32, 96, 58, 86, 70});
  Fill(cr, Shade(0x5b9bf0, -0.15));
  for (auto [x, y] : {std::pair{8.0, 80.0}, {16.0, 84.0}, {26.0, 81.0}, {12.0, 88.0}}) {
    Blob(cr, {x - 2, y, x, y - 1.5, x + 2.5, y, x, y + 1.5});
    Fill(cr, 0xff9aa2, 0.5);
  }
}

void Glue(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 26, 3);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 32, 40);
  cairo_curve_to(cr, 32, 32, 68, 32, 68, 40);
  cairo_line_to(cr, 70, 86);
  cairo_curve_to(cr, 70, 96, 30, 96, 30, 86);
  cairo_close_path(cr);
  Fill(cr, 0xf4f6f8);
  Box(cr, 36, 54, 28, 24, 3);
  Fill(cr, Sky, 0.8);
  Blob(cr, {42, 70, 46, 60, 52, 62, 58, 58, 58, 70});
  Fill(cr, Yellow, 0.6);
  Poly(cr, {38, 34, 62, 34, 56, 22, 44, 22});
  Fill(cr, Orange);
  Poly(cr, {46, 22, 54, 22, 51, 8, 49, 8});
  Fill(cr, Orange);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 8);
  cairo_curve_to(cr, 56, 2, 62, 6, 60, 12);
  cairo_curve_to(cr, 59, 16, 60, 20, 62, 22);
  cairo_curve_to(cr, 58, 26, 54, 24, 55, 18);
  cairo_curve_to(cr, 56, 14, 54, 10, 50, 8);
  cairo_close_path(cr);
  Fill(cr, 0xffffff, 0.8);
  Gleam(cr, 36, 70, 1.6, 10, 0, 0.7);
}

void FeltPen(cairo_t* cr, double x, double y, double angle, unsigned rgb) {
  Push(cr, x, y, angle);
  Poly(cr, {-3, -40, 3, -40, 1.2, -46, -1.2, -46});
  Fill(cr, rgb, 0.8);
  Box(cr, -5.5, -40, 11, 42, 3);
  Fill(cr, 0xf4f6f8);
  Box(cr, -5.5, -16, 11, 8, 1);
  Flat(cr, rgb, 0.8);
  Box(cr, -6.5, 2, 13, 22, 4);
  Fill(cr, rgb);
  Box(cr, 4, 4, 3, 16, 1.5);
  Fill(cr, Shade(rgb, -0.2), 0.7);
  Pop(cr);
}

void FeltPens(cairo_t* cr) {
  Curve(cr, {8, 92, 20, 84, 30, 94, 40, 86});
  Stroke(cr, Red, 2.2);
  Curve(cr, {60, 90, 70, 84, 80, 92, 92, 84});
  Stroke(cr, Blue, 2.2);
  FeltPen(cr, 30, 50, -0.4, Red);
  FeltPen(cr, 50, 46, 0, Grass);
  FeltPen(cr, 70, 50, 0.4, Blue);
}

void PencilCase(cairo_t* cr) {
  const unsigned cloth = 0x5b9bf0;
  GroundShadow(cr, 50, 88, 44, 3);
  // Pencils sticking out of the open top.
  for (auto [x, a, c] : {std::tuple{30.0, -0.35, Red}, {42.0, -0.1, Yellow}, {56.0, 0.15, Grass}, {68.0, 0.4, Orange}}) {
    Push(cr, x, 46, a);
    Box(cr, -3, -34, 6, 34, 1);
    Fill(cr, c, 0.8);
    Poly(cr, {-3, -34, 3, -34, 0, -42});
    Fill(cr, 0xf2d3a0, 0.7);
    Poly(cr, {-1, -39, 1, -39, 0, -42});
    Flat(cr, 0x2d2a32);
    Pop(cr);
  }
  Box(cr, 8, 42, 84, 44, 18);
  Fill(cr, cloth);
  Curve(cr, {12, 48, 50, 40, 88, 48});
  Stroke(cr, 0x2d2a32, 2.6, 0.7);
  cairo_set_dash(cr, (const double[]){1.2, 1.4}, 2, 0);
  Curve(cr, {12, 48, 50, 40, 88, 48});
  Stroke(cr, Steel, 2);
  cairo_set_dash(cr, nullptr, 0, 0);
  Box(cr, 84, 44, 5, 10, 2);
  Fill(cr, Steel, 0.7);
  Circle(cr, 86.5, 58, 2.5);
  Edge(cr, 1.2);
  Box(cr, 30, 58, 40, 18, 4);
  Fill(cr, Yellow, 0.7);
}

void Blackboard(cairo_t* cr) {
  for (double x : {18.0, 82.0}) {
    Open(cr, {x, 40, x + (x < 50 ? -8 : 8), 96});
    Rod(cr, Wood, 3.5);
  }
  Box(cr, 8, 6, 84, 62, 3);
  Fill(cr, Wood);
  Box(cr, 13, 11, 74, 52, 1.5);
  Fill(cr, 0x2f6b4f);
  // Chalk drawings: a sun, a house and a little wave.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_set_line_width(cr, 1.4);
  cairo_arc(cr, 28, 25, 6, 0, 2 * M_PI);
  cairo_stroke(cr);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, 28 + 8 * std::cos(a), 25 + 8 * std::sin(a));
    cairo_line_to(cr, 28 + 11 * std::cos(a), 25 + 11 * std::sin(a));
  }
  cairo_stroke(cr);
  cairo_move_to(cr, 56, 52);
  cairo_line_to(cr, 56, 36);
  cairo_line_to(cr, 66, 26);
  cairo_line_to(cr, 76, 36);
  cairo_line_to(cr, 76, 52);
  cairo_close_path(cr);
  cairo_move_to(cr, 63, 52);
  cairo_line_to(cr, 63, 44);
  cairo_line_to(cr, 69, 44);
  cairo_line_to(cr, 69, 52);
  cairo_stroke(cr);
  Curve(cr, {20, 50, 26, 45, 32, 52, 38, 45, 44, 51});
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_stroke(cr);
  Box(cr, 10, 66, 80, 5, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 60, 62.5, 10, 3.5, 1.5);
  Fill(cr, 0xffffff, 0.6);
  Box(cr, 74, 62.5, 8, 3.5, 1.5);
  Fill(cr, Yellow, 0.6);
}

void Stamp(cairo_t* cr) {
  GroundShadow(cr, 36, 88, 28, 3);
  Circle(cr, 76, 78, 16);
  Stroke(cr, Red, 2.4, 0.85);
  Star(cr, 76, 78, 10, 4.5);
  Flat(cr, Red, 0.85);
  Cylinder(cr, 36, 72, 26, 6, 12, Wood, Red);
  Cylinder(cr, 36, 64, 24, 5.5, 8, LightWood, Wood);
  Poly(cr, {31, 62, 41, 62, 40, 34, 32, 34});
  Fill(cr, Wood);
  Circle(cr, 36, 24, 13);
  Fill(cr, DarkWood);
  Gleam(cr, 31, 19, 4, 2.5, -0.6, 0.5);
}

void CashRegister(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 46, 3);
  Box(cr, 54, 14, 28, 18, 3);
  Fill(cr, 0x4a4a55);
  Box(cr, 58, 18, 20, 10, 1.5);
  Fill(cr, 0x7de0a0);
  Open(cr, {68, 32, 68, 40});
  Rod(cr, 0x4a4a55, 3);
  Poly(cr, {12, 40, 88, 40, 94, 72, 6, 72});
  Fill(cr, 0xff8a80);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      double t = (c + 0.5) / 4, y = 45 + 8 * r;
      double x = 14 + 60 * t + (r - 1) * (c - 1.5) * 1.0 - 0;
      Box(cr, x - 3, y, 7, 5, 1.5);
      Fill(cr, c == 3 ? Yellow : 0xfff6f0, 0.6);
    }
  Poly(cr, {78, 46, 86, 46, 88, 66, 80, 66});
  Fill(cr, Teal, 0.7);
  // The open drawer with money.
  Box(cr, 4, 72, 92, 18, 2);
  Fill(cr, Shade(0xff8a80, -0.15));
  Box(cr, 10, 74, 80, 8, 1);
  Fill(cr, 0x5a4a4a, 0.7);
  for (int i = 0; i < 3; ++i) {
    Box(cr, 14 + 10 * i, 74.5, 8, 6, 1);
    Fill(cr, 0x8fd08a, 0.6);
  }
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, 56 + 9 * i, 78, 3.5, 2);
    Fill(cr, 0xf2c14e, 0.6);
  }
  Box(cr, 40, 84, 20, 3, 1.5);
  Fill(cr, Steel, 0.6);
  Poly(cr, {20, 40, 30, 40, 30, 22, 20, 24});
  Fill(cr, 0xffffff, 0.7);
}

// A school globe turning in its arc on a stand.
void Globe(cairo_t* cr) {
  GroundShadow(cr, 50, 95, 24, 3);
  Cylinder(cr, 50, 86, 22, 5, 6, 0xe0b040, 0xc8962a);
  Box(cr, 47, 74, 6, 14, 2);
  Fill(cr, 0xc8962a);
  Circle(cr, 50, 42, 34);
  FillAndClip(cr, 0x4a9ae0);
  Push(cr, 50, 42, 0.4);
  Blob(cr, {-26, -22, -8, -26, -2, -12, -12, 0, -8, 14, -18, 18, -26, 4});
  Fill(cr, Grass, 0.8);
  Blob(cr, {6, -20, 24, -24, 32, -8, 22, 6, 26, 20, 12, 28, 6, 10, 12, -6});
  Fill(cr, Grass, 0.8);
  Blob(cr, {-10, 24, 4, 26, 2, 34, -12, 32});
  Fill(cr, 0xf0e6c8, 0.8);
  Ellipse(cr, 0, 0, 34, 10);
  Stroke(cr, 0xffffff, 0.8, 0.5);
  Pop(cr);
  Gleam(cr, 36, 26, 9, 5, -0.6, 0.45);
  Unclip(cr);
  // The arc it turns in.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 50, 42, 39, M_PI * 0.55, M_PI * 1.55);
  Rod(cr, 0xe0b040, 3);
  Open(cr, {50 + 39 * std::cos(M_PI * 0.55), 42 + 39 * std::sin(M_PI * 0.55), 50, 76});
  Rod(cr, 0xe0b040, 3);
}

// Money: a fan of banknotes and a pile of coins.
void Money(cairo_t* cr) {
  const unsigned note = 0x8fd0a0;
  for (int k = 0; k < 3; ++k) {
    Push(cr, 42, 46, -0.35 + 0.22 * k);
    Box(cr, -36, -18, 72, 36, 3);
    Fill(cr, Shade(note, -0.06 * (2 - k)));
    Box(cr, -31, -13, 62, 26, 2);
    Stroke(cr, Shade(note, -0.3), 1);
    Circle(cr, 12, 0, 9);
    Fill(cr, Shade(note, 0.35), 0.6);
    Circle(cr, 12, 0, 5);
    Flat(cr, Shade(note, -0.2));
    for (double y : {-6.0, 0.0, 6.0}) {
      Open(cr, {-24, y, -6, y});
      Stroke(cr, Shade(note, -0.25), 1.4);
    }
    Pop(cr);
  }
  for (int k = 0; k < 4; ++k) Cylinder(cr, 74, 84 - 6 * k, 18, 5, 5, 0xf2c84a, 0xd8a830);
  Ellipse(cr, 74, 66, 12, 3);
  Stroke(cr, 0xb8861a, 1);
  Cylinder(cr, 88, 90, 10, 3, 3, 0xf2c84a, 0xd8a830);
}

}  // namespace

}  // namespace datagen::words::draw
