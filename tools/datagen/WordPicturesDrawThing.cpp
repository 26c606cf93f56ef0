// Word drawings: tools, toys and other things.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void WheatStalks(cairo_t* cr, double x, double y, double angle, double s) {
  Push(cr, x, y, angle, s);
  for (int k = -1; k <= 1; ++k) {
    double tx = k * 8.0, ty = -40 + std::abs(k) * 4.0;
    Curve(cr, {0, 0, tx * 0.5, -20, tx, ty});
    Stroke(cr, 0xd9b44a, 1.6 / s);
    for (int g = 0; g < 4; ++g) {
      for (int side = -1; side <= 1; side += 2) {
        Push(cr, tx + side * 1.6, ty - 2 - 4 * g, side * 0.5);
        Ellipse(cr, 0, 0, 1.7, 3.2);
        Pop(cr);
        Fill(cr, 0xf2c94c, 0.6 / s);
      }
    }
  }
  Pop(cr);
}

// A spoked wheel.
void Wheel(cairo_t* cr, double x, double y, double r, unsigned rim, unsigned hub, int spokes = 8) {
  Circle(cr, x, y, r);
  Fill(cr, rim);
  Circle(cr, x, y, r * 0.78);
  Fill(cr, Shade(rim, 0.45), 0.8);
  for (int k = 0; k < spokes; ++k) {
    double a = k * 2 * M_PI / spokes;
    Open(cr, {x, y, x + r * 0.78 * std::cos(a), y + r * 0.78 * std::sin(a)});
    Rod(cr, rim, r * 0.07 + 0.6, 0.5);
  }
  Circle(cr, x, y, r * 0.2);
  Fill(cr, hub, 0.8);
}

void Flail(cairo_t* cr) {
  WheatStalks(cr, 76, 96, 0.2, 1.0);
  Open(cr, {12, 94, 54, 36});
  Rod(cr, Wood, 4.5);
  Curve(cr, {54, 36, 58, 29, 62, 32});
  Rod(cr, 0x7a4a2a, 2.2, 0.7);
  Open(cr, {62, 32, 90, 8});
  Rod(cr, LightWood, 6);
}

void Glockenspiel(cairo_t* cr) {
  Poly(cr, {8, 30, 92, 42, 92, 48, 8, 40});
  Fill(cr, 0xd9574a);
  Poly(cr, {8, 72, 92, 62, 92, 68, 8, 82});
  Fill(cr, 0xd9574a);
  const unsigned colours[] = {0xff5e57, 0xff9f43, 0xffd23f, 0x7ccd5a, 0x2ec4b6, 0x5b9bf0, 0xb28dff, 0xff7eb6};
  for (int i = 0; i < 8; ++i) {
    double x = 12 + 10 * i, top = 28 + 1.6 * i, bottom = 84 - 2.4 * i;
    Box(cr, x, top, 8, bottom - top, 2);
    Fill(cr, colours[i]);
    Circle(cr, x + 4, top + 7, 1);
    Flat(cr, Steel);
    Circle(cr, x + 4, bottom - 7, 1);
    Flat(cr, Steel);
  }
  for (auto [x1, y1, x2, y2] : {std::tuple{20.0, 96.0, 52.0, 66.0}, {84.0, 96.0, 62.0, 62.0}}) {
    Open(cr, {x1, y1, x2, y2});
    Rod(cr, LightWood, 2.6);
    Circle(cr, x2, y2, 4.5);
    Fill(cr, 0xf4f1ea);
  }
}

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

void Pipe(cairo_t* cr) {
  for (auto [x, y, r] : {std::tuple{74.0, 22.0, 5.0}, {80.0, 13.0, 6.5}, {72.0, 6.0, 4.0}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffffff, 0.8);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 8, 52);
  cairo_curve_to(cr, 30, 58, 50, 70, 66, 66);
  cairo_line_to(cr, 66, 74);
  cairo_curve_to(cr, 50, 80, 30, 66, 6, 58);
  cairo_close_path(cr);
  Fill(cr, 0x7a4a2a);
  Box(cr, 2, 50, 12, 8, 3);
  Fill(cr, 0x2d2a32);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 60, 32);
  cairo_line_to(cr, 88, 32);
  cairo_curve_to(cr, 88, 60, 84, 80, 74, 80);
  cairo_curve_to(cr, 62, 80, 60, 60, 60, 32);
  cairo_close_path(cr);
  Fill(cr, 0x9a5a34);
  Ellipse(cr, 74, 32, 14, 4);
  Fill(cr, 0x3a2a22);
  Gleam(cr, 66, 52, 2, 9, 0, 0.45);
}

void Rake(cairo_t* cr) {
  Open(cr, {50, 4, 50, 72});
  Rod(cr, Wood, 4.5);
  for (int i = 0; i < 11; ++i) {
    double x = 12 + 7.6 * i;
    Open(cr, {x, 74, x, 90});
    Rod(cr, DarkSteel, 2, 0.7);
  }
  Box(cr, 8, 68, 84, 7, 2);
  Fill(cr, Steel);
  for (auto [x, y, c] : {std::tuple{22.0, 92.0, Orange}, {82.0, 90.0, Red}, {70.0, 96.0, Yellow}}) {
    Push(cr, x, y, 0.4);
    Blob(cr, {-6, 0, 0, -4, 6, 0, 0, 4});
    Pop(cr);
    Fill(cr, c, 0.7);
  }
}

void Junk(cairo_t* cr) {
  Wheel(cr, 24, 50, 20, 0x4a4a55, Steel, 10);
  // An upturned chair in a box, a boot, a bucket and a lampshade.
  Box(cr, 58, 22, 4, 34, 1.5);
  Fill(cr, Wood, 0.8);
  Box(cr, 78, 18, 4, 38, 1.5);
  Fill(cr, Wood, 0.8);
  Box(cr, 56, 44, 28, 5, 1.5);
  Fill(cr, LightWood, 0.8);
  Poly(cr, {36, 52, 90, 52, 86, 92, 40, 92});
  Fill(cr, 0xd4a373);
  Poly(cr, {36, 52, 26, 44, 34, 42, 44, 52});
  Fill(cr, 0xe2b98a, 0.8);
  Poly(cr, {90, 52, 98, 42, 92, 40, 82, 52});
  Fill(cr, 0xe2b98a, 0.8);
  Box(cr, 52, 64, 22, 8, 1);
  Flat(cr, 0xc08f5f);
  Poly(cr, {6, 80, 20, 80, 20, 70, 28, 70, 30, 96, 6, 96});
  Fill(cr, 0x6e4a30);
  Poly(cr, {82, 96, 96, 96, 98, 76, 80, 76});
  Fill(cr, 0x6fa8dc);
  Ellipse(cr, 89, 76, 9, 2.5);
  Fill(cr, 0x4f88bc, 0.8);
  Poly(cr, {44, 26, 56, 26, 62, 40, 38, 40});
  Fill(cr, 0xf2c14e);
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

void Button(cairo_t* cr, double x, double y, double r, unsigned rgb) {
  Circle(cr, x, y, r);
  Fill(cr, rgb);
  Circle(cr, x, y, r * 0.78);
  Fill(cr, Shade(rgb, -0.08), 0.7);
  for (int k = 0; k < 4; ++k) {
    double a = M_PI / 4 + k * M_PI / 2;
    Circle(cr, x + r * 0.26 * std::cos(a), y + r * 0.26 * std::sin(a), r * 0.1);
    Fill(cr, Shade(rgb, -0.45), 0.6);
  }
  Gleam(cr, x - r * 0.45, y - r * 0.45, r * 0.2, r * 0.12, -0.8, 0.6);
}

void ButtonOne(cairo_t* cr) { Button(cr, 50, 50, 42, Red); }

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

// A painted cube seen from the front and above, its faces in three colours.
void Cube(cairo_t* cr, double x, double y, double s, unsigned front, unsigned top, unsigned side, int mark) {
  const double d = s * 0.35;
  Poly(cr, {x, y, x + s, y, x + s, y + s, x, y + s});
  Fill(cr, front);
  Poly(cr, {x, y, x + d, y - d, x + s + d, y - d, x + s, y});
  Fill(cr, top);
  Poly(cr, {x + s, y, x + s + d, y - d, x + s + d, y + s - d, x + s, y + s});
  Fill(cr, side);
  const double cx = x + s / 2, cy = y + s / 2, r = s * 0.3;
  if (mark == 0) {
    cairo_new_sub_path(cr);
    for (int k = 0; k < 10; ++k) {
      double rr = k % 2 ? r * 0.45 : r, a = -M_PI / 2 + k * M_PI / 5;
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
  } else if (mark == 1) {
    Circle(cr, cx, cy, r * 0.9);
  } else {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + r * 0.8);
    cairo_curve_to(cr, cx - r * 1.5, cy - r * 0.2, cx - r * 0.6, cy - r * 1.2, cx, cy - r * 0.4);
    cairo_curve_to(cr, cx + r * 0.6, cy - r * 1.2, cx + r * 1.5, cy - r * 0.2, cx, cy + r * 0.8);
    cairo_close_path(cr);
  }
  Fill(cr, 0xfffaf0, 0.7);
}

void Block(cairo_t* cr) { Cube(cr, 10, 34, 62, Red, Yellow, Blue, 0); }

void Blocks(cairo_t* cr) {
  Cube(cr, 6, 60, 32, Red, Yellow, Shade(Blue, -0.1), 0);
  Cube(cr, 40, 60, 32, Blue, Shade(Yellow, 0.1), Shade(Red, -0.1), 1);
  Cube(cr, 24, 28, 32, Grass, Orange, Shade(Purple, -0.1), 2);
  Poly(cr, {24, 17, 56, 17, 40, -4});
  cairo_new_path(cr);
  const double d = 32 * 0.35;
  Poly(cr, {24 + d, 28 - d, 56 + d, 28 - d, 40 + d, 6 - d});
  Fill(cr, Shade(Purple, -0.15));
  Poly(cr, {24 + d, 28 - d, 40 + d, 6 - d, 40, 6, 24, 28});
  Fill(cr, Shade(Purple, 0.1));
  Poly(cr, {56 + d, 28 - d, 40 + d, 6 - d, 40, 6, 56, 28});
  Fill(cr, Shade(Purple, -0.1));
  Poly(cr, {24, 28, 56, 28, 40, 6});
  Fill(cr, Purple);
}

void Crank(cairo_t* cr) {
  // A well's roller on its posts, the rope and bucket, and the crank to turn it.
  Box(cr, 8, 20, 8, 76, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 70, 20, 8, 76, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 14, 30, 58, 18, 4);
  Fill(cr, Wood);
  for (int i = 0; i < 9; ++i) {
    double x = 26 + 3.6 * i;
    Open(cr, {x, 30.5, x + 2, 47.5});
    Stroke(cr, 0xe8d9a8, 2.2);
  }
  Open(cr, {44, 47, 44, 68});
  Stroke(cr, 0xe8d9a8, 1.8);
  Poly(cr, {34, 68, 54, 68, 51, 88, 37, 88});
  Fill(cr, Steel);
  Curve(cr, {34, 68, 44, 60, 54, 68});
  Stroke(cr, DarkSteel, 1.2);
  Open(cr, {74, 39, 90, 39});
  Rod(cr, DarkSteel, 3.5);
  Open(cr, {90, 39, 90, 64});
  Rod(cr, DarkSteel, 3.5);
  Open(cr, {90, 64, 97, 64});
  Rod(cr, Red, 5.5);
  Circle(cr, 74, 39, 3);
  Fill(cr, Steel, 0.8);
}

void Scythe(cairo_t* cr) {
  GrassTufts(cr, 96, 4, 40);
  Curve(cr, {22, 96, 40, 60, 52, 30, 58, 8});
  Rod(cr, Wood, 3.6);
  Open(cr, {38, 62, 46, 68});
  Rod(cr, Wood, 3);
  Open(cr, {50, 32, 58, 38});
  Rod(cr, Wood, 3);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 56, 8);
  cairo_curve_to(cr, 40, 2, 16, 8, 2, 26);
  cairo_curve_to(cr, 20, 14, 40, 12, 57, 16);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Gleam(cr, 30, 10, 10, 1.2, -0.2, 0.7);
}

void Shovel(cairo_t* cr) {
  Blob(cr, {18, 96, 30, 82, 50, 78, 68, 84, 80, 96});
  Fill(cr, 0x8a5a3a);
  Push(cr, 50, 50, 0.25);
  Open(cr, {0, -44, 0, 12});
  Rod(cr, Wood, 4.5);
  Box(cr, -8, -50, 16, 7, 3);
  Fill(cr, Wood);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -14, 10);
  cairo_line_to(cr, 14, 10);
  cairo_line_to(cr, 14, 34);
  cairo_curve_to(cr, 14, 44, 0, 48, 0, 48);
  cairo_curve_to(cr, 0, 48, -14, 44, -14, 34);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Box(cr, -4, 4, 8, 10, 1.5);
  Fill(cr, DarkSteel, 0.8);
  Gleam(cr, -7, 26, 1.6, 9, 0, 0.6);
  Pop(cr);
}

void Cannon(cairo_t* cr) {
  for (auto [x, y] : {std::pair{74.0, 88.0}, {86.0, 88.0}, {80.0, 78.0}}) {
    Circle(cr, x, y, 6);
    Fill(cr, 0x4a4a55);
  }
  Poly(cr, {14, 86, 62, 86, 52, 60, 24, 64});
  Fill(cr, Wood);
  Push(cr, 44, 54, -0.42);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -30, -9);
  cairo_line_to(cr, 44, -6);
  cairo_line_to(cr, 44, 6);
  cairo_line_to(cr, -30, 9);
  cairo_curve_to(cr, -38, 9, -38, -9, -30, -9);
  cairo_close_path(cr);
  Fill(cr, 0x4a4a55);
  Box(cr, 40, -8, 6, 16, 2);
  Fill(cr, 0x5a5a66);
  Ellipse(cr, 46, 0, 1.6, 5);
  Flat(cr, 0x1a1a22);
  Box(cr, -22, -10, 4, 20, 1.5);
  Fill(cr, 0x5a5a66, 0.7);
  Gleam(cr, 8, -4.5, 22, 1.3, 0, 0.45);
  Pop(cr);
  Wheel(cr, 34, 78, 16, DarkWood, Yellow, 8);
}

void Stretcher(cairo_t* cr) {
  Push(cr, 50, 52, -0.3);
  for (double y : {14.0}) {
    Open(cr, {-46, y, 46, y});
    Rod(cr, DarkSteel, 3.5);
  }
  for (double x : {-30.0, 30.0}) {
    Open(cr, {x, 15, x, 26});
    Rod(cr, DarkSteel, 2.5);
    Open(cr, {x, -11, x, 0});
    Rod(cr, DarkSteel, 2.5);
  }
  Poly(cr, {-38, -12, 38, -12, 38, 14, -38, 14});
  Fill(cr, 0xf4eee2);
  Box(cr, -5, -8, 10, 18, 1);
  Flat(cr, Red);
  Box(cr, -11, -2, 22, 6, 1);
  Flat(cr, Red);
  Open(cr, {-46, -12, 46, -12});
  Rod(cr, Steel, 3.5);
  Open(cr, {-46, 14, 46, 14});
  Rod(cr, Steel, 3.5);
  for (double x : {-46.0, 46.0}) {
    Open(cr, {x, -12, x + (x < 0 ? -4 : 4), -12});
    Rod(cr, 0x2d2a32, 3.8);
    Open(cr, {x, 14, x + (x < 0 ? -4 : 4), 14});
    Rod(cr, 0x2d2a32, 3.8);
  }
  Pop(cr);
}

void Weight(cairo_t* cr, double x, double bottom, double s) {
  const unsigned iron = 0x5a5e68;
  Circle(cr, x, bottom - s * 1.25, s * 0.22);
  Fill(cr, iron);
  Box(cr, x - s * 0.12, bottom - s * 1.15, s * 0.24, s * 0.25, 1);
  Fill(cr, iron);
  Poly(cr, {x - s * 0.38, bottom - s * 0.92, x + s * 0.38, bottom - s * 0.92, x + s * 0.55, bottom, x - s * 0.55, bottom});
  Fill(cr, iron);
  Box(cr, x - s * 0.6, bottom - s * 0.12, s * 1.2, s * 0.12, 1);
  Fill(cr, Shade(iron, -0.2));
  Gleam(cr, x - s * 0.25, bottom - s * 0.5, s * 0.05, s * 0.3, 0.2, 0.5);
}

void Weights(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 48, 3);
  Weight(cr, 26, 90, 44);
  Weight(cr, 62, 90, 32);
  Weight(cr, 86, 90, 20);
}

void Axle(cairo_t* cr) {
  // Two wheels on the bar that joins them; the arrow shows the bar.
  GroundShadow(cr, 50, 84, 46, 3);
  Ellipse(cr, 82, 56, 11, 26);
  Fill(cr, 0x4a4a55);
  Ellipse(cr, 82, 56, 7, 17);
  Fill(cr, Red);
  Box(cr, 16, 52, 66, 8, 4);
  Fill(cr, Steel);
  Gleam(cr, 50, 54, 28, 1.2, 0, 0.6);
  Ellipse(cr, 18, 56, 12, 28);
  Fill(cr, 0x4a4a55);
  Ellipse(cr, 18, 56, 7.5, 18);
  Fill(cr, Red);
  Ellipse(cr, 18, 56, 3, 7);
  Fill(cr, Steel);
  Pointer(cr, 50, 50, -M_PI / 2, 24);
}

void Stamp(cairo_t* cr) {
  GroundShadow(cr, 36, 88, 28, 3);
  Circle(cr, 76, 78, 16);
  Stroke(cr, Red, 2.4, 0.85);
  cairo_new_sub_path(cr);
  for (int k = 0; k < 10; ++k) {
    double r = k % 2 ? 4.5 : 10, a = -M_PI / 2 + k * M_PI / 5;
    cairo_line_to(cr, 76 + r * std::cos(a), 78 + r * std::sin(a));
  }
  cairo_close_path(cr);
  Flat(cr, Red, 0.85);
  Cylinder(cr, 36, 72, 26, 6, 12, Wood, Red);
  Cylinder(cr, 36, 64, 24, 5.5, 8, LightWood, Wood);
  Poly(cr, {31, 62, 41, 62, 40, 34, 32, 34});
  Fill(cr, Wood);
  Circle(cr, 36, 24, 13);
  Fill(cr, DarkWood);
  Gleam(cr, 31, 19, 4, 2.5, -0.6, 0.5);
}

void Sickle(cairo_t* cr) {
  WheatStalks(cr, 78, 96, 0.15, 1.1);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 36, 64);
  cairo_curve_to(cr, 4, 48, 10, 6, 48, 6);
  cairo_curve_to(cr, 72, 6, 82, 24, 76, 38);
  cairo_curve_to(cr, 70, 22, 56, 14, 42, 18);
  cairo_curve_to(cr, 20, 26, 24, 50, 42, 60);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Gleam(cr, 22, 30, 2, 10, 0.5, 0.6);
  Open(cr, {38, 62, 24, 92});
  Rod(cr, Wood, 6);
}

void Saddle(cairo_t* cr) {
  const unsigned leather = 0x9a5a34;
  Open(cr, {48, 50, 50, 80});
  Rod(cr, 0x6e3e22, 3);
  Poly(cr, {42, 80, 58, 80, 56, 88, 44, 88});
  Edge(cr, 2.6);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 30);
  cairo_curve_to(cr, 8, 20, 16, 18, 22, 30);
  cairo_curve_to(cr, 40, 46, 62, 46, 78, 28);
  cairo_curve_to(cr, 82, 18, 90, 12, 94, 16);
  cairo_curve_to(cr, 96, 28, 90, 44, 80, 52);
  cairo_curve_to(cr, 60, 62, 30, 62, 14, 52);
  cairo_curve_to(cr, 8, 46, 4, 38, 6, 30);
  cairo_close_path(cr);
  Fill(cr, leather);
  Blob(cr, {26, 48, 56, 48, 62, 72, 30, 74});
  Fill(cr, Shade(leather, -0.15));
  Curve(cr, {22, 34, 50, 48, 78, 32});
  Stroke(cr, Shade(leather, 0.3), 1, 0.8);
  Gleam(cr, 88, 22, 1.5, 4, 0.5, 0.5);
  Open(cr, {49, 52, 49, 80});
  Rod(cr, 0x6e3e22, 2.5, 0.7);
  Poly(cr, {40, 80, 58, 80, 56, 88, 42, 88});
  Fill(cr, Steel);
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

void Wheelbarrow(cairo_t* cr) {
  Open(cr, {70, 66, 74, 90});
  Rod(cr, DarkSteel, 3);
  Open(cr, {30, 60, 96, 48});
  Rod(cr, DarkSteel, 3.2);
  Blob(cr, {22, 40, 40, 26, 60, 28, 76, 40});
  Fill(cr, 0xe8c48e);
  Poly(cr, {14, 40, 84, 40, 70, 66, 30, 66});
  Fill(cr, Red);
  Open(cr, {16, 44, 82, 44});
  Stroke(cr, Shade(Red, -0.25), 1.2);
  Open(cr, {30, 64, 24, 78});
  Rod(cr, DarkSteel, 3);
  Wheel(cr, 24, 80, 13, 0x3a3a44, Steel, 6);
  Box(cr, 92, 45, 8, 5, 2.5);
  Fill(cr, 0x2d2a32);
}

void BeanPole(cairo_t* cr) {
  Blob(cr, {20, 96, 36, 88, 64, 88, 80, 96});
  Fill(cr, 0x8a5a3a);
  Open(cr, {50, 94, 50, 4});
  Rod(cr, Wood, 4.5);
  // A bean winding up it, with leaves and pods.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 90);
  for (int k = 0; k < 16; ++k) {
    double y = 90 - 5 * (k + 1);
    cairo_line_to(cr, 50 + 6 * std::sin(k * 1.1), y);
  }
  Stroke(cr, 0x5aa850, 1.6);
  for (int k = 0; k < 6; ++k) {
    double y = 80 - 12 * k, side = k % 2 ? 1 : -1;
    for (int j = -1; j <= 1; ++j) {
      Push(cr, 50 + side * 6, y, side > 0 ? 0.3 * j : M_PI + 0.3 * j);
      Blob(cr, {0, 0, 6, -6, 14, 0, 6, 6});
      Pop(cr);
      Fill(cr, 0x6cc35a, 0.7);
    }
  }
  for (double y : {56.0, 32.0}) {
    Curve(cr, {54, y, 60, y + 8, 58, y + 18});
    Rod(cr, 0x8fcf6a, 3, 0.7);
  }
}

void RoadRoller(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 48, 3);
  Box(cr, 80, 22, 5, 14, 2);
  Fill(cr, 0x4a4a55);
  // The cab: roof, posts and window.
  Box(cr, 52, 10, 40, 6, 2);
  Fill(cr, Red);
  Box(cr, 56, 16, 4, 26, 1);
  Fill(cr, 0x4a4a55, 0.8);
  Box(cr, 84, 16, 4, 26, 1);
  Fill(cr, 0x4a4a55, 0.8);
  Box(cr, 61, 20, 22, 16, 2);
  Fill(cr, Sky, 0.7);
  Box(cr, 30, 40, 64, 24, 5);
  Fill(cr, Yellow);
  Box(cr, 10, 46, 34, 10, 3);
  Fill(cr, Shade(Yellow, -0.1));
  // The big front drum and the back wheel.
  Circle(cr, 26, 70, 22);
  Fill(cr, 0xa4aeb6);
  Circle(cr, 26, 70, 15);
  Fill(cr, 0xc4ccd2, 0.8);
  Circle(cr, 26, 70, 5);
  Fill(cr, Yellow, 0.8);
  Circle(cr, 78, 76, 15);
  Fill(cr, 0x3a3a44);
  Circle(cr, 78, 76, 6);
  Fill(cr, Yellow, 0.8);
  Box(cr, 20, 40, 14, 8, 2);
  Fill(cr, Shade(Yellow, -0.15));
}

void Sack(cairo_t* cr) {
  const unsigned hessian = 0xd9b98a;
  GroundShadow(cr, 50, 92, 36, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 30);
  cairo_curve_to(cr, 14, 44, 10, 76, 22, 88);
  cairo_curve_to(cr, 40, 96, 60, 96, 78, 88);
  cairo_curve_to(cr, 90, 76, 86, 44, 60, 30);
  cairo_close_path(cr);
  Fill(cr, hessian);
  for (int i = 0; i < 5; ++i) {
    double x = 30 + 10 * i;
    Curve(cr, {48 + (x - 50) * 0.2, 36, x, 62, x + (x - 50) * 0.1, 88});
    Stroke(cr, Shade(hessian, -0.2), 0.7, 0.7);
  }
  Blob(cr, {40, 30, 30, 14, 42, 8, 50, 14, 58, 8, 70, 14, 60, 30});
  Fill(cr, Shade(hessian, 0.08));
  Box(cr, 38, 26, 24, 6, 3);
  Fill(cr, 0xa8753a);
  Curve(cr, {58, 30, 66, 36, 64, 44});
  Rod(cr, 0xa8753a, 2, 0.6);
  Box(cr, 54, 58, 16, 14, 2);
  Fill(cr, Shade(hessian, -0.12), 0.7);
}

void OpenSack(cairo_t* cr) {
  const unsigned cloth = 0xe8d8b8;
  GroundShadow(cr, 50, 92, 36, 4);
  // A sack standing open, full of potatoes.
  Push(cr, 50, 96, 0, 1.12);
  cairo_translate(cr, -50, -96);
  Ellipse(cr, 50, 30, 30, 10);
  Fill(cr, Shade(cloth, -0.3));
  for (auto [x, y] : {std::pair{38.0, 30.0}, {52.0, 27.0}, {64.0, 31.0}, {46.0, 35.0}, {58.0, 36.0}}) {
    Ellipse(cr, x, y, 7, 5);
    Fill(cr, 0xc9955a, 0.7);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 20, 32);
  cairo_curve_to(cr, 34, 42, 66, 42, 80, 32);
  cairo_curve_to(cr, 92, 56, 88, 80, 78, 90);
  cairo_curve_to(cr, 60, 96, 40, 96, 22, 90);
  cairo_curve_to(cr, 12, 80, 8, 56, 20, 32);
  cairo_close_path(cr);
  Fill(cr, cloth);
  for (double x : {32.0, 50.0, 68.0}) {
    Curve(cr, {x, 42, x + (x - 50) * 0.2, 66, x + (x - 50) * 0.1, 90});
    Stroke(cr, Shade(cloth, -0.2), 0.8, 0.8);
  }
  Box(cr, 56, 60, 16, 14, 2);
  Fill(cr, Shade(cloth, -0.12), 0.7);
  Pop(cr);
}

void Match(cairo_t* cr, double x, double y, double angle, bool lit) {
  Push(cr, x, y, angle);
  Box(cr, -2.6, 0, 5.2, 60, 1.5);
  Fill(cr, 0xf2d3a0);
  Ellipse(cr, 0, -2, 4.6, 7);
  Fill(cr, 0xd9332e);
  if (lit) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, -30);
    cairo_curve_to(cr, 12, -16, 10, -4, 0, -2);
    cairo_curve_to(cr, -10, -4, -12, -16, 0, -30);
    cairo_close_path(cr);
    Fill(cr, Orange, 0.7);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, -20);
    cairo_curve_to(cr, 6, -12, 5, -5, 0, -4);
    cairo_curve_to(cr, -5, -5, -6, -12, 0, -20);
    cairo_close_path(cr);
    Flat(cr, Yellow);
  }
  Pop(cr);
}

void MatchOne(cairo_t* cr) { Match(cr, 46, 38, 0.35, true); }

void Matches(cairo_t* cr) {
  GroundShadow(cr, 50, 88, 46, 3);
  Poly(cr, {14, 56, 70, 56, 70, 86, 14, 86});
  Fill(cr, Shade(Sky, -0.05));
  for (int i = 0; i < 6; ++i) {
    double x = 22 + 8 * i;
    Box(cr, x - 2.2, 34, 4.4, 26, 1);
    Fill(cr, 0xf2d3a0, 0.6);
    Ellipse(cr, x, 33, 3.6, 5);
    Fill(cr, 0xd9332e, 0.7);
  }
  Poly(cr, {14, 56, 70, 56, 62, 50, 6, 50});
  Flat(cr, 0, 0);
  Box(cr, 34, 62, 60, 26, 2);
  Fill(cr, Yellow);
  Box(cr, 34, 62, 60, 4, 1);
  Fill(cr, 0x6e4a30, 0.7);
  Circle(cr, 64, 77, 6);
  Fill(cr, Red, 0.7);
  Match(cr, 20, 90, -1.3, false);
}

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

void CodLiverOil(cairo_t* cr) {
  const unsigned glass = 0xf2b84a;
  GroundShadow(cr, 40, 92, 26, 3);
  Box(cr, 32, 6, 16, 12, 2);
  Fill(cr, 0x2e6fb5);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 34, 18);
  cairo_line_to(cr, 46, 18);
  cairo_curve_to(cr, 46, 30, 64, 32, 64, 44);
  cairo_line_to(cr, 64, 86);
  cairo_curve_to(cr, 64, 92, 16, 92, 16, 86);
  cairo_line_to(cr, 16, 44);
  cairo_curve_to(cr, 16, 32, 34, 30, 34, 18);
  cairo_close_path(cr);
  Fill(cr, glass);
  Box(cr, 20, 50, 40, 28, 3);
  Fill(cr, 0xfdfaf0, 0.8);
  Push(cr, 40, 64);
  Blob(cr, {-12, 0, -2, -7, 10, 0, -2, 7});
  Fill(cr, 0x5b9bf0, 0.7);
  Poly(cr, {8, 0, 15, -6, 15, 6});
  Fill(cr, 0x5b9bf0, 0.7);
  Circle(cr, -6, -1, 1.2);
  Flat(cr, 0x2d2a32);
  Pop(cr);
  Gleam(cr, 21, 40, 1.6, 6, 0.3, 0.6);
  // A spoonful.
  Open(cr, {66, 78, 96, 70});
  Rod(cr, Steel, 3);
  Ellipse(cr, 70, 80, 12, 6);
  Fill(cr, Steel);
  Ellipse(cr, 70, 80, 8, 3.6);
  Fill(cr, 0xffd23f, 0.6);
}

void WashingPowder(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 44, 3);
  for (auto [x, y, r] : {std::tuple{14.0, 90.0, 6.0}, {24.0, 92.0, 4.0}, {8.0, 84.0, 3.0}}) {
    Ellipse(cr, x, y, r * 1.4, r * 0.7);
    Fill(cr, 0xffffff, 0.6);
  }
  Poly(cr, {62, 20, 80, 12, 80, 80, 62, 90});
  Fill(cr, Shade(Orange, -0.15));
  Poly(cr, {20, 20, 62, 20, 62, 90, 20, 90});
  Fill(cr, Orange);
  Poly(cr, {20, 20, 38, 12, 80, 12, 62, 20});
  Fill(cr, Shade(Orange, 0.2));
  Curve(cr, {34, 16, 50, 4, 66, 16});
  Rod(cr, 0x2e6fb5, 2.6, 0.8);
  Circle(cr, 41, 56, 16);
  Fill(cr, 0x2e6fb5);
  Push(cr, 41, 56);
  Poly(cr, {-8, -7, -3, -9, 3, -9, 8, -7, 10, -2, 6, -1, 6, 9, -6, 9, -6, -1, -10, -2});
  Pop(cr);
  Fill(cr, 0xffffff, 0.7);
  for (auto [x, y, r] : {std::tuple{28.0, 32.0, 4.0}, {54.0, 34.0, 3.0}, {30.0, 80.0, 3.5}, {54.0, 80.0, 4.0}}) {
    Circle(cr, x, y, r);
    Fill(cr, 0xdff4ff, 0.6);
  }
  Cylinder(cr, 86, 80, 9, 3, 10, 0xffffff, Teal);
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

void Shaving(cairo_t* cr) {
  GroundShadow(cr, 50, 84, 44, 3);
  Poly(cr, {6, 70, 94, 70, 94, 82, 6, 82});
  Fill(cr, Wood);
  Poly(cr, {6, 70, 14, 62, 98, 62, 94, 70});
  Fill(cr, LightWood);
  for (double y : {74.0, 78.0}) {
    Curve(cr, {8, y, 40, y + 1, 70, y - 1, 92, y});
    Stroke(cr, DarkWood, 0.6, 0.7);
  }
  // A curl of wood rising from the plank.
  for (int k = 0; k < 3; ++k) {
    double cx = 34 + 13 * k, cy = 36 - 3 * k, rx = 14 - 2 * k, ry = 17 - 3 * k;
    Ellipse(cr, cx, cy, rx, ry);
    Rod(cr, 0xf4d6a4, 6 - k, 0.8);
  }
  Curve(cr, {14, 64, 20, 56, 22, 44});
  Rod(cr, 0xf4d6a4, 6, 0.8);
}

void GlassesCase(cairo_t* cr) {
  GroundShadow(cr, 50, 86, 44, 3);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 56);
  cairo_curve_to(cr, 10, 26, 90, 26, 90, 56);
  cairo_close_path(cr);
  Fill(cr, Shade(Purple, -0.15));
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 14, 56);
  cairo_curve_to(cr, 14, 32, 86, 32, 86, 56);
  cairo_close_path(cr);
  Fill(cr, 0xfff1c0, 0.8);
  for (double x : {32.0, 68.0}) {
    Ellipse(cr, x, 56, 14, 10);
    Fill(cr, 0xdff4ff, 2);
    Gleam(cr, x - 5, 53, 3, 2, -0.5, 0.7);
  }
  Curve(cr, {46, 54, 50, 50, 54, 54});
  Stroke(cr, Ink, 2, 0.8);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 8, 56);
  cairo_line_to(cr, 92, 56);
  cairo_curve_to(cr, 92, 90, 8, 90, 8, 56);
  cairo_close_path(cr);
  Fill(cr, Purple);
  Box(cr, 46, 55, 8, 5, 2);
  Fill(cr, Yellow, 0.7);
}

void Mixer(cairo_t* cr) {
  Cylinder(cr, 50, 78, 34, 10, 14, 0xfff1d0, 0xff9cc8);
  for (double x : {44.0, 56.0}) {
    Open(cr, {x, 48, x, 72});
    Rod(cr, Steel, 1.6, 0.6);
    Ellipse(cr, x, 72, 4.5, 8);
    Stroke(cr, DarkSteel, 1.4);
  }
  Blob(cr, {20, 78, 36, 70, 50, 74, 64, 70, 80, 78, 50, 84});
  Fill(cr, 0xffffff, 0.8);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 20, 46);
  cairo_curve_to(cr, 20, 30, 30, 26, 40, 26);
  cairo_line_to(cr, 78, 26);
  cairo_curve_to(cr, 88, 26, 90, 36, 88, 46);
  cairo_close_path(cr);
  Fill(cr, Teal);
  Box(cr, 36, 44, 30, 6, 2);
  Fill(cr, Shade(Teal, -0.2));
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 26);
  cairo_curve_to(cr, 40, 8, 86, 6, 86, 22);
  cairo_line_to(cr, 78, 26);
  cairo_curve_to(cr, 78, 16, 50, 16, 50, 26);
  cairo_close_path(cr);
  Fill(cr, Shade(Teal, 0.1));
  Box(cr, 54, 30, 8, 5, 2);
  Fill(cr, Yellow, 0.7);
}

void Armchair(cairo_t* cr) {
  const unsigned cloth = 0xf07a5a;
  GroundShadow(cr, 50, 92, 44, 3);
  for (double x : {16.0, 80.0}) {
    Box(cr, x, 82, 5, 9, 1.5);
    Fill(cr, DarkWood);
  }
  Box(cr, 20, 8, 60, 56, 16);
  Fill(cr, cloth);
  Curve(cr, {30, 20, 50, 24, 70, 20});
  Stroke(cr, Shade(cloth, -0.2), 1, 0.8);
  Box(cr, 18, 56, 64, 28, 6);
  Fill(cr, Shade(cloth, -0.1));
  Box(cr, 22, 52, 56, 16, 7);
  Fill(cr, Shade(cloth, 0.15));
  for (double x : {6.0, 78.0}) {
    Box(cr, x, 38, 16, 46, 8);
    Fill(cr, cloth);
    Ellipse(cr, x + 8, 42, 7.5, 5);
    Fill(cr, Shade(cloth, 0.12), 0.8);
  }
}

void TableLamp(cairo_t* cr) {
  Poly(cr, {30, 40, 70, 40, 88, 96, 12, 96});
  cairo_new_path(cr);
  Poly(cr, {34, 44, 66, 44, 84, 90, 16, 90});
  Flat(cr, Yellow, 0.2);
  GroundShadow(cr, 50, 92, 22, 3);
  Cylinder(cr, 50, 84, 18, 5, 6, LightWood, Wood);
  Open(cr, {50, 84, 50, 46});
  Rod(cr, Wood, 4);
  Poly(cr, {34, 10, 66, 10, 80, 48, 20, 48});
  Fill(cr, 0xffd46b);
  Ellipse(cr, 50, 48, 30, 4);
  Fill(cr, 0xfff3b0, 0.8);
  for (int i = 0; i < 4; ++i) {
    double t = 0.2 + 0.2 * i;
    Open(cr, {34 + 32 * t, 10, 20 + 60 * t, 48});
    Stroke(cr, Shade(0xffd46b, -0.12), 0.8);
  }
  Open(cr, {56, 48, 58, 60});
  Stroke(cr, Ink, 0.8, 0.7);
  Circle(cr, 58, 61, 1.5);
  Fill(cr, Wood, 0.6);
}

void Dummy(cairo_t* cr) {
  // The teat behind, the shield, and the ring in front.
  Push(cr, 50, 50, -0.5);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -8, -8);
  cairo_curve_to(cr, -10, -30, -16, -44, 0, -46);
  cairo_curve_to(cr, 16, -44, 10, -30, 8, -8);
  cairo_close_path(cr);
  Fill(cr, 0xf6e2c4);
  Blob(cr, {-34, -4, -20, -14, 0, -10, 20, -14, 34, -4, 26, 10, 0, 8, -26, 10});
  Fill(cr, Sky);
  for (int k = -1; k <= 1; k += 2) {
    Circle(cr, k * 20, 0, 3);
    Fill(cr, Shade(Sky, 0.3), 0.6);
  }
  Ellipse(cr, 0, 0, 8, 6);
  Fill(cr, Shade(Sky, -0.15));
  Ellipse(cr, 0, 24, 16, 18);
  Rod(cr, Yellow, 5);
  Pop(cr);
}

void Cart(cairo_t* cr) {
  Open(cr, {22, 66, 2, 78});
  Rod(cr, DarkWood, 3);
  // Hay on top, the box, the wheels.
  Blob(cr, {22, 44, 30, 26, 50, 20, 72, 24, 86, 40});
  Fill(cr, 0xf2d36b);
  for (int i = 0; i < 6; ++i) {
    double x = 28 + 10 * i;
    Curve(cr, {x, 42, x + 2, 32, x - 2, 24});
    Stroke(cr, 0xd9b44a, 0.9);
  }
  Poly(cr, {16, 40, 92, 40, 88, 66, 20, 66});
  Fill(cr, Wood);
  for (double y : {48.0, 57.0}) {
    Open(cr, {18, y, 90, y});
    Stroke(cr, DarkWood, 0.9);
  }
  Wheel(cr, 32, 74, 17, DarkWood, Yellow, 8);
  Wheel(cr, 78, 76, 15, DarkWood, Yellow, 8);
}

void Pitchfork(cairo_t* cr) {
  Blob(cr, {10, 96, 24, 80, 46, 76, 66, 84, 72, 96});
  Fill(cr, 0xf2d36b);
  Open(cr, {40, 96, 58, 36});
  Rod(cr, Wood, 4.5);
  Push(cr, 58, 36, 0.29);
  Curve(cr, {-14, 0, -14, -14, -16, -32});
  Rod(cr, Steel, 2.6);
  Curve(cr, {14, 0, 14, -14, 16, -32});
  Rod(cr, Steel, 2.6);
  Open(cr, {0, 0, 0, -34});
  Rod(cr, Steel, 2.6);
  Curve(cr, {-14, 0, -10, 5, 0, 6, 10, 5, 14, 0});
  Rod(cr, Steel, 3);
  Pop(cr);
}

void Deckchair(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 44, 3);
  Open(cr, {74, 92, 34, 14});
  Rod(cr, Wood, 3.5);
  Open(cr, {30, 92, 60, 54});
  Rod(cr, Wood, 3.5);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 36, 14);
  cairo_line_to(cr, 48, 14);
  cairo_curve_to(cr, 60, 40, 68, 66, 92, 74);
  cairo_line_to(cr, 86, 82);
  cairo_curve_to(cr, 60, 76, 46, 46, 36, 14);
  cairo_close_path(cr);
  Fill(cr, 0xffffff);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 36, 14);
  cairo_line_to(cr, 48, 14);
  cairo_curve_to(cr, 60, 40, 68, 66, 92, 74);
  cairo_line_to(cr, 86, 82);
  cairo_curve_to(cr, 60, 76, 46, 46, 36, 14);
  cairo_close_path(cr);
  ClipPath(cr);
  for (int i = 0; i < 12; i += 2) {
    Push(cr, 42 + 4.5 * i, 14 + 6 * i, -0.6);
    Box(cr, -20, 0, 40, 6);
    Pop(cr);
    Flat(cr, i % 4 ? Teal : Red);
  }
  Unclip(cr);
  Open(cr, {90, 92, 40, 34});
  Rod(cr, LightWood, 3.5);
  Open(cr, {84, 80, 94, 92});
  Rod(cr, Wood, 3.5);
}

void Comb(cairo_t* cr) {
  Push(cr, 50, 50, -0.25);
  for (int i = 0; i < 17; ++i) {
    double x = -40 + 5 * i;
    Box(cr, x - 1.5, -4, 3, i % 2 ? 22 : 26, 1.5);
    Fill(cr, 0xff8fb8, 0.7);
  }
  Box(cr, -44, -14, 88, 14, 6);
  Fill(cr, 0xff7eb6);
  Gleam(cr, -10, -9, 28, 1.6, 0, 0.5);
  Pop(cr);
}

void Jug(cairo_t* cr) {
  const unsigned pot = 0xf4f1ea, blue = 0x2e5fa8;
  GroundShadow(cr, 48, 92, 28, 3);
  Curve(cr, {70, 30, 88, 30, 90, 50, 72, 66});
  Rod(cr, pot, 5);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 28, 14);
  cairo_line_to(cr, 64, 14);
  cairo_curve_to(cr, 64, 24, 60, 28, 62, 34);
  cairo_curve_to(cr, 80, 50, 78, 80, 66, 90);
  cairo_line_to(cr, 30, 90);
  cairo_curve_to(cr, 18, 80, 16, 50, 34, 34);
  cairo_curve_to(cr, 32, 28, 26, 22, 18, 14);
  cairo_close_path(cr);
  Fill(cr, pot);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 28, 14);
  cairo_line_to(cr, 64, 14);
  cairo_curve_to(cr, 64, 24, 60, 28, 62, 34);
  cairo_curve_to(cr, 80, 50, 78, 80, 66, 90);
  cairo_line_to(cr, 30, 90);
  cairo_curve_to(cr, 18, 80, 16, 50, 34, 34);
  cairo_curve_to(cr, 32, 28, 26, 22, 18, 14);
  cairo_close_path(cr);
  ClipPath(cr);
  Box(cr, 0, 14, 100, 5);
  Flat(cr, blue);
  Box(cr, 0, 84, 100, 6);
  Flat(cr, blue);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c) {
      double x = 26 + 11 * c + (r % 2) * 5.5, y = 44 + 10 * r;
      Circle(cr, x, y, 3.2);
      Flat(cr, blue);
      Circle(cr, x, y, 1.2);
      Flat(cr, 0xffffff);
    }
  Unclip(cr);
  Ellipse(cr, 44, 14, 19, 3);
  Fill(cr, 0xd8d2c8, 0.8);
}

void Kennel(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 46, 3);
  Box(cr, 16, 40, 68, 50, 1.5);
  Fill(cr, Wood);
  for (double i = 1; i < 5; i += 1) {
    Open(cr, {16, 40 + 10 * i, 84, 40 + 10 * i});
    Stroke(cr, DarkWood, 0.8);
  }
  Box(cr, 16, 40, 68, 50, 1.5);
  Edge(cr);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 36, 90);
  cairo_line_to(cr, 36, 66);
  cairo_arc(cr, 50, 66, 14, M_PI, 2 * M_PI);
  cairo_line_to(cr, 64, 90);
  cairo_close_path(cr);
  Fill(cr, 0x3a2a22);
  Poly(cr, {50, 10, 96, 44, 90, 50, 50, 20, 10, 50, 4, 44});
  Fill(cr, Red);
  Poly(cr, {50, 20, 84, 46, 16, 46});
  Fill(cr, LightWood);
  Circle(cr, 50, 34, 4);
  Fill(cr, Yellow, 0.7);
  Ellipse(cr, 82, 88, 12, 4);
  Fill(cr, Sky);
  Box(cr, 74, 82, 14, 3, 1.5);
  Fill(cr, White, 0.6);
}

void Mug(cairo_t* cr) {
  GroundShadow(cr, 46, 90, 34, 3);
  Curve(cr, {70, 40, 90, 38, 90, 62, 70, 72});
  Rod(cr, Red, 6);
  Cylinder(cr, 44, 26, 28, 7, 62, 0x8a5a36, Red);
  Ellipse(cr, 44, 26, 28, 7);
  Edge(cr);
  Ellipse(cr, 44, 27, 24, 5);
  Fill(cr, 0x8a5a36, 0.6);
  Push(cr, 44, 58);
  cairo_move_to(cr, 0, 9);
  cairo_curve_to(cr, -16, -2, -7, -14, 0, -5);
  cairo_curve_to(cr, 7, -14, 16, -2, 0, 9);
  cairo_close_path(cr);
  Pop(cr);
  Fill(cr, 0xffffff, 0.7);
  for (double k = 0; k < 2; k += 1) {
    Curve(cr, {38 + 10 * k, 18, 35 + 10 * k, 12, 39 + 10 * k, 6, 36 + 10 * k, 0});
    Stroke(cr, 0xffffff, 2, 0.9);
  }
}

void CookingPot(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 42, 3);
  for (double x : {6.0, 82.0}) {
    Box(cr, x, 44, 12, 6, 3);
    Fill(cr, DarkSteel);
  }
  Cylinder(cr, 50, 36, 36, 8, 50, 0x9aa4ac, 0xc8d0d6);
  Box(cr, 14, 56, 72, 6);
  Flat(cr, Red, 0.85);
  Ellipse(cr, 50, 36, 38, 9);
  Fill(cr, 0xd8dee3);
  Ellipse(cr, 50, 31, 8, 3.5);
  Fill(cr, 0x2d2a32);
  Box(cr, 47, 26, 6, 5, 1);
  Fill(cr, 0x2d2a32);
  Gleam(cr, 24, 64, 2, 12, 0, 0.5);
}

void WalkingStick(cairo_t* cr) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 56, 96);
  cairo_line_to(cr, 56, 24);
  cairo_curve_to(cr, 56, 4, 28, 4, 28, 20);
  cairo_curve_to(cr, 28, 26, 32, 28, 34, 28);
  Rod(cr, 0x8a5a36, 7);
  Box(cr, 52, 90, 8, 7, 2);
  Fill(cr, 0x2d2a32);
  Open(cr, {54, 30, 54, 86});
  Stroke(cr, 0xffffff, 1, 0.35);
}


void RagDoll(cairo_t* cr) {
  const unsigned skin = 0xffd9b8, hair = 0xff8a3a, dress = 0xb28dff;
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 7 * k, 70, 50 + 9 * k, 92});
    Rod(cr, 0xffffff, 6);
    for (double s = 0; s < 3; s += 1) {
      Open(cr, {50 + 7.3 * k - 3, 76 + 5 * s, 50 + 7.6 * k + 3, 76 + 5 * s});
      Stroke(cr, Red, 1.6);
    }
    Ellipse(cr, 50 + 10 * k, 94, 5.5, 3);
    Fill(cr, Red);
    Open(cr, {50 + 12 * k, 44, 50 + 22 * k, 58, 50 + 24 * k, 66});
    Rod(cr, skin, 5);
    // Yarn plaits with bows.
    Curve(cr, {50 + 15 * k, 18, 50 + 22 * k, 28, 50 + 22 * k, 40});
    Rod(cr, hair, 5, 0.8);
    Blob(cr, {50 + 22 * k, 40, 50 + 28 * k, 36, 50 + 28 * k, 44, 50 + 16 * k, 36, 50 + 16 * k, 44});
    Fill(cr, Teal, 0.7);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 40);
  cairo_line_to(cr, 60, 40);
  cairo_line_to(cr, 70, 74);
  cairo_line_to(cr, 30, 74);
  cairo_close_path(cr);
  Fill(cr, dress);
  for (auto [x, y] : {std::pair{44.0, 56.0}, {56.0, 52.0}, {50.0, 66.0}, {38.0, 68.0}, {62.0, 68.0}}) {
    Circle(cr, x, y, 1.8);
    Flat(cr, 0xffffff);
  }
  Box(cr, 38, 38, 24, 6, 3);
  Fill(cr, 0xffffff, 0.7);
  Circle(cr, 50, 22, 15);
  Fill(cr, skin);
  Blob(cr, {35, 20, 38, 9, 50, 5, 62, 9, 65, 20, 58, 12, 50, 14, 42, 12});
  Fill(cr, hair);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 6 * k, 22, 2.4);
    Flat(cr, 0x2d2a32);
    Circle(cr, 50 + 10 * k, 27, 2.6);
    Flat(cr, 0xff9aa2, 0.8);
  }
  // A stitched smile.
  Curve(cr, {45, 28, 50, 31, 55, 28});
  Stroke(cr, Red, 1.2);
  for (double x : {46.5, 50.0, 53.5}) {
    Open(cr, {x, 28.5, x, 31});
    Stroke(cr, Red, 0.6);
  }
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

void Crossbow(cairo_t* cr) {
  Push(cr, 50, 54, -0.6, 1.2);
  // The string, the bow across, the stock and a bolt on it.
  Open(cr, {-36, 6, 0, 16, 36, 6});
  Stroke(cr, 0xf4f1ea, 1.2);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -38, 4);
  cairo_curve_to(cr, -20, -10, 20, -10, 38, 4);
  Rod(cr, DarkSteel, 3.5);
  Box(cr, -5, -16, 10, 62, 3);
  Fill(cr, Wood);
  Box(cr, -8, 30, 16, 18, 5);
  Fill(cr, DarkWood);
  Open(cr, {0, 16, 0, -28});
  Rod(cr, 0xf4f1ea, 1.8, 0.6);
  Poly(cr, {-4, -26, 4, -26, 0, -36});
  Fill(cr, Steel);
  Poly(cr, {-3, 14, 0, 10, 3, 14, 3, 20, -3, 20});
  Fill(cr, Red, 0.7);
  Open(cr, {2, 26, 6, 32});
  Rod(cr, DarkSteel, 1.6, 0.6);
  Pop(cr);
}

void RubberBoot(cairo_t* cr, double x, double y, unsigned rgb) {
  Push(cr, x, y);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -14, -40);
  cairo_line_to(cr, 8, -40);
  cairo_line_to(cr, 9, -8);
  cairo_curve_to(cr, 22, -6, 30, -2, 30, 4);
  cairo_line_to(cr, -14, 4);
  cairo_close_path(cr);
  Fill(cr, rgb);
  Box(cr, -15, -44, 24, 8, 3);
  Fill(cr, Shade(rgb, -0.12));
  Box(cr, -15, 2, 46, 5, 2);
  Fill(cr, 0x4a4a55);
  Gleam(cr, -9, -22, 1.6, 12, 0, 0.6);
  Pop(cr);
}

void Wellingtons(cairo_t* cr) {
  GroundShadow(cr, 52, 92, 44, 3);
  RubberBoot(cr, 34, 80, Shade(Yellow, -0.1));
  RubberBoot(cr, 60, 86, Yellow);
}

void Slipper(cairo_t* cr, double x, double y, double s) {
  const unsigned pink = 0xff9cc8;
  Push(cr, x, y, 0, s);
  Blob(cr, {-30, 4, -26, -8, 0, -10, 26, -8, 32, 2, 26, 10, 0, 10, -26, 10});
  Fill(cr, Shade(pink, -0.2), 1 / s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -4, 2);
  cairo_curve_to(cr, -4, -16, 30, -16, 30, 2);
  cairo_close_path(cr);
  Fill(cr, pink, 1 / s);
  for (int i = 0; i < 7; ++i) {
    Circle(cr, -2 + 5 * i, -8 + std::pow(i - 3, 2) * 0.5 - 2, 3.4);
    Flat(cr, 0xffffff);
  }
  Circle(cr, 14, -16, 6);
  Fill(cr, 0xffffff, 0.8 / s);
  Pop(cr);
}

void Slippers(cairo_t* cr) {
  GroundShadow(cr, 50, 84, 44, 3);
  Slipper(cr, 42, 50, 1.2);
  Slipper(cr, 56, 72, 1.2);
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

void Tailcoat(cairo_t* cr) {
  const unsigned black = 0x2f3040;
  Curve(cr, {50, 10, 50, 4, 55, 2, 56, 6});
  Rod(cr, Steel, 1.8, 0.6);
  // Tails behind, then the sleeves and the front with a white shirt and a bow tie.
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 2 * k, 50, 50 + 16 * k, 50, 50 + 17 * k, 80, 50 + 12 * k, 96, 50 + 6 * k, 80});
    Fill(cr, Shade(black, 0.12));
  }
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 16 * k, 16, 50 + 30 * k, 22, 50 + 36 * k, 70, 50 + 28 * k, 72, 50 + 22 * k, 36});
    Fill(cr, black);
  }
  Poly(cr, {34, 14, 66, 14, 67, 52, 33, 52});
  Fill(cr, black);
  Poly(cr, {42, 14, 58, 14, 56, 46, 50, 52, 44, 46});
  Fill(cr, 0xffffff);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 8 * k, 14, 50 + 14 * k, 14, 50 + 8 * k, 40, 50 + 1 * k, 48});
    Fill(cr, Shade(black, 0.25));
    Poly(cr, {50, 20, 50 + 7 * k, 16, 50 + 7 * k, 24});
    Fill(cr, 0x2d2a32);
  }
  Circle(cr, 50, 20, 2);
  Fill(cr, 0x2d2a32);
  for (double y : {30.0, 38.0}) {
    Circle(cr, 50, y, 1.2);
    Flat(cr, 0x2d2a32);
  }
}

}  // namespace

Named ThingDrawings() {
  return {{"flail", Flail},         {"glockenspiel", Glockenspiel}, {"compass", Compass},
          {"pipe", Pipe},           {"rake", Rake},                 {"junk", Junk},
          {"eraser", Eraser},       {"button", ButtonOne},          {"swing", Swing},
          {"glue", Glue},           {"block", Block},               {"blocks", Blocks},
          {"crank", Crank},         {"scythe", Scythe},             {"shovel", Shovel},
          {"cannon", Cannon},       {"stretcher", Stretcher},       {"weights", Weights},
          {"axle", Axle},           {"stamp", Stamp},               {"sickle", Sickle},
          {"saddle", Saddle},       {"icicles", Icicles},           {"wheelbarrow", Wheelbarrow},
          {"bean-pole", BeanPole},  {"road-roller", RoadRoller},    {"sack", Sack},
          {"open-sack", OpenSack},  {"match", MatchOne},      {"matches", Matches},           {"sugar", Sugar},
          {"cod-liver-oil", CodLiverOil}, {"washing-powder", WashingPowder}, {"candy-floss", CandyFloss},
          {"shaving", Shaving},     {"glasses-case", GlassesCase},  {"mixer", Mixer},
          {"armchair", Armchair},   {"table-lamp", TableLamp},      {"dummy", Dummy},
          {"cart", Cart},           {"pitchfork", Pitchfork},       {"deckchair", Deckchair},
          {"comb", Comb},           {"jug", Jug},                   {"kennel", Kennel},
          {"mug", Mug},             {"cooking-pot", CookingPot},    {"walking-stick", WalkingStick},
          {"rag-doll", RagDoll},    {"felt-pens", FeltPens},        {"pencil-case", PencilCase},
          {"crossbow", Crossbow},   {"wellingtons", Wellingtons},   {"slippers", Slippers},
          {"ham", Ham},             {"bread-roll", BreadRoll},      {"tailcoat", Tailcoat}};
}

}  // namespace datagen::words::draw
