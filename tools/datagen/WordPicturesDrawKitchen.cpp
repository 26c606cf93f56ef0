// Word drawings: the kitchen and its vessels.
#include <cmath>
#include <functional>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Fridge(cairo_t* cr);
void CookerHood(cairo_t* cr);
void TiledStove(cairo_t* cr);
void Sink(cairo_t* cr);
void Tray(cairo_t* cr);
void Grater(cairo_t* cr);
void Sieve(cairo_t* cr);
void Dishcloth(cairo_t* cr);
void Cooker(cairo_t* cr);
void Kitchen(cairo_t* cr);
void Jug(cairo_t* cr);
void Mug(cairo_t* cr);
void CookingPot(cairo_t* cr);
void Mixer(cairo_t* cr);
void Kettle(cairo_t* cr);
void BigPot(cairo_t* cr);
void EmptyBowl(cairo_t* cr);
void Porridge(cairo_t* cr);
void Tumbler(cairo_t* cr);
void Fork(cairo_t* cr);

}  // namespace

Named KitchenDrawings() {
  return {
      {"fridge", Fridge},
      {"cooker-hood", CookerHood},
      {"tiled-stove", TiledStove},
      {"sink", Sink},
      {"tray", Tray},
      {"grater", Grater},
      {"sieve", Sieve},
      {"dishcloth", Dishcloth},
      {"cooker", Cooker},
      {"kitchen", Kitchen},
      {"jug", Jug},
      {"mug", Mug},
      {"cooking-pot", CookingPot},
      {"mixer", Mixer},
      {"kettle", Kettle},
      {"big-pot", BigPot},
      {"bowl", EmptyBowl},
      {"porridge", Porridge},
      {"tumbler", Tumbler},
      {"fork", Fork},
  };
}

namespace {

void Fridge(cairo_t* cr) {
  const unsigned body = 0xeef6fb;
  GroundShadow(cr, 50, 94, 32, 3);
  Box(cr, 24, 4, 52, 88, 7);
  Fill(cr, body);
  Open(cr, {24, 34, 76, 34});
  Edge(cr);
  Box(cr, 67, 12, 4, 15, 2);
  Fill(cr, Steel, 0.8);
  Box(cr, 67, 41, 4, 24, 2);
  Fill(cr, Steel, 0.8);
  Gleam(cr, 30, 40, 1.6, 22, 0, 0.8);
  // Magnets: a heart and a star.
  Heart(cr, 40, 52, 19);
  Fill(cr, Red, 0.8);
  Star(cr, 48, 18, 5.5, 2.4);
  Fill(cr, Yellow, 0.8);
}

void CookerHood(cairo_t* cr) {
  Box(cr, 40, 2, 20, 24, 1);
  Fill(cr, Steel);
  Poly(cr, {40, 24, 60, 24, 88, 48, 12, 48});
  Fill(cr, Steel);
  Box(cr, 10, 47, 80, 6, 2);
  Fill(cr, DarkSteel);
  for (double x : {30.0, 70.0}) {
    Ellipse(cr, x, 54, 5, 1.6);
    Fill(cr, Yellow, 0.6);
    Poly(cr, {x - 5, 55, x + 5, 55, x + 10, 72, x - 10, 72});
    Flat(cr, 0xfff3a0, 0.35);
  }
  // A pot steaming under it on a hob.
  for (int k = 0; k < 3; ++k) {
    double x = 42 + 8 * k;
    Curve(cr, {x, 70, x - 3, 65, x + 1, 61, x - 2, 57});
    Stroke(cr, 0xffffff, 2.2, 0.85);
  }
  Box(cr, 8, 88, 84, 8, 2);
  Fill(cr, 0x4a4a55);
  Box(cr, 34, 72, 32, 16, 3);
  Fill(cr, Red);
  Ellipse(cr, 50, 72, 17, 3);
  Fill(cr, Shade(Red, 0.2), 0.8);
  Box(cr, 28, 75, 6, 3, 1.5);
  Fill(cr, Shade(Red, -0.2), 0.7);
  Box(cr, 66, 75, 6, 3, 1.5);
  Fill(cr, Shade(Red, -0.2), 0.7);
}

void TiledStove(cairo_t* cr) {
  const unsigned tile = 0x86cbb1;
  GroundShadow(cr, 50, 95, 34, 3);
  Box(cr, 20, 86, 60, 8, 1.5);
  Fill(cr, Shade(tile, -0.3));
  Box(cr, 22, 14, 56, 73, 1.5);
  Fill(cr, tile);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) {
      double x = 23 + 13.5 * c, y = 15 + 12 * r;
      Box(cr, x + 1, y + 1, 11.5, 10, 2);
      Fill(cr, Shade(tile, 0.12), 0.6);
      Circle(cr, x + 6.75, y + 6, 2);
      Flat(cr, Shade(tile, -0.2));
    }
  Box(cr, 17, 6, 66, 9, 2);
  Fill(cr, Shade(tile, -0.2));
  Box(cr, 34, 54, 32, 26, 2);
  Fill(cr, 0x4a4a55);
  Box(cr, 38, 58, 24, 18, 1.5);
  Fill(cr, 0xff7a2f, 0.8);
  Blob(cr, {42, 75, 44, 66, 48, 70, 50, 61, 53, 69, 57, 64, 58, 75});
  Flat(cr, Yellow);
  for (double i = 1; i < 4; i += 1) {
    Open(cr, {38 + 6 * i, 58, 38 + 6 * i, 76});
    Stroke(cr, 0x4a4a55, 1.6);
  }
  Circle(cr, 63, 67, 1.6);
  Flat(cr, Steel);
}

void Sink(cairo_t* cr) {
  const unsigned counter = 0xdfe6ea;
  GroundShadow(cr, 50, 94, 46, 3);
  Box(cr, 6, 46, 88, 46, 2);
  Fill(cr, 0xf4f1ea);
  Box(cr, 11, 52, 37, 36, 2);
  Fill(cr, 0xfaf8f3, 0.8);
  Box(cr, 52, 52, 37, 36, 2);
  Fill(cr, 0xfaf8f3, 0.8);
  Knob(cr, 44, 60);
  Knob(cr, 56, 60);
  Poly(cr, {12, 32, 88, 32, 96, 46, 4, 46});
  Fill(cr, counter);
  Box(cr, 4, 45, 92, 4, 1);
  Fill(cr, Shade(counter, -0.15), 0.8);
  Poly(cr, {26, 35, 74, 35, 78, 43, 22, 43});
  Fill(cr, Steel);
  Poly(cr, {28, 37, 72, 37, 75, 42, 25, 42});
  Flat(cr, DarkSteel);
  // The tap, its water and two handles.
  Open(cr, {50, 33, 50, 14});
  cairo_curve_to(cr, 50, 6, 62, 6, 62, 14);
  cairo_line_to(cr, 62, 18);
  Rod(cr, Steel, 3.2);
  Open(cr, {62, 20, 62, 38});
  Stroke(cr, 0x6fc3ff, 2.4, 0.9);
  Circle(cr, 42, 30, 2.6);
  Fill(cr, Sky, 0.7);
  Circle(cr, 58, 30, 2.6);
  Fill(cr, Red, 0.7);
}

void Tray(cairo_t* cr) {
  GroundShadow(cr, 50, 82, 46, 4);
  Ellipse(cr, 4, 60, 4, 5);
  Fill(cr, Wood, 0.8);
  Ellipse(cr, 96, 60, 4, 5);
  Fill(cr, Wood, 0.8);
  Cylinder(cr, 50, 58, 44, 18, 5, Wood, DarkWood);
  Ellipse(cr, 50, 58, 40, 15.5);
  Fill(cr, LightWood, 0.8);
  // A cup on its saucer and a plate of biscuits.
  Ellipse(cr, 34, 58, 14, 5);
  Fill(cr, White, 0.8);
  Cylinder(cr, 34, 42, 9, 3, 14, Shade(0x8a5a36, -0.1), Sky);
  Curve(cr, {43, 46, 49, 48, 48, 53, 42, 53});
  Rod(cr, Sky, 1.8, 0.8);
  Curve(cr, {32, 36, 34, 32, 32, 28});
  Stroke(cr, 0xffffff, 1.6, 0.9);
  Ellipse(cr, 66, 60, 17, 6);
  Fill(cr, White, 0.8);
  for (auto [x, y] : {std::pair{60.0, 57.0}, {71.0, 57.0}, {66.0, 53.0}}) {
    Ellipse(cr, x, y, 6, 3);
    Fill(cr, 0xd9a05b, 0.7);
    Circle(cr, x - 1.5, y - 0.5, 0.8);
    Flat(cr, 0x6b3f1f);
    Circle(cr, x + 2, y + 0.5, 0.8);
    Flat(cr, 0x6b3f1f);
  }
}

void Grater(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 36, 3);
  Blob(cr, {68, 84, 82, 82, 90, 88, 70, 92});
  Fill(cr, Yellow, 0.8);
  Poly(cr, {64, 16, 74, 22, 78, 88, 68, 90});
  Fill(cr, DarkSteel);
  Poly(cr, {34, 16, 64, 16, 68, 90, 26, 90});
  Fill(cr, Steel);
  for (int r = 0; r < 7; ++r) {
    double y = 24 + 9 * r, t = (y - 16) / 74.0;
    double x0 = 34 - 8 * t + 4, x1 = 64 + 4 * t - 4;
    for (int c = 0; c < 4; ++c) {
      double x = x0 + (x1 - x0) * (c + 0.5 + (r % 2) * 0.25 - 0.125) / 4;
      Ellipse(cr, x, y, 2.3, 1.4);
      Fill(cr, Shade(DarkSteel, -0.3), 0.5);
    }
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 17);
  cairo_curve_to(cr, 40, 2, 60, 2, 60, 17);
  Rod(cr, Red, 3.2);
  for (auto [x, y] : {std::pair{18.0, 90.0}, {22.0, 86.0}, {14.0, 87.0}, {84.0, 92.0}}) {
    Blob(cr, {x - 3, y, x, y - 2, x + 3, y, x, y + 1});
    Fill(cr, Yellow, 0.5);
  }
}

void Sieve(cairo_t* cr) {
  Open(cr, {74, 40, 97, 28});
  Rod(cr, Red, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 40);
  cairo_curve_to(cr, 12, 72, 76, 72, 78, 40);
  cairo_close_path(cr);
  FillAndClip(cr, Steel);
  for (double x = 6; x < 84; x += 3.5) {
    Open(cr, {x, 36, x + 2, 80});
    Stroke(cr, DarkSteel, 0.6);
  }
  for (double y = 42; y < 70; y += 3.5) {
    Open(cr, {6, y, 84, y});
    Stroke(cr, DarkSteel, 0.6);
  }
  Unclip(cr);
  Ellipse(cr, 44, 40, 34, 9);
  Fill(cr, Shade(Steel, -0.1));
  Ellipse(cr, 44, 40, 31, 7);
  Flat(cr, Shade(Steel, 0.3));
  Ellipse(cr, 44, 40, 31, 7);
  ClipPath(cr);
  for (double x = 12; x < 80; x += 3) {
    Open(cr, {x, 30, x, 50});
    Stroke(cr, DarkSteel, 0.45);
  }
  Unclip(cr);
  // Flour falling through.
  for (auto [x, y] : {std::pair{36.0, 78.0}, {44.0, 82.0}, {52.0, 77.0}, {40.0, 88.0}, {48.0, 92.0}}) {
    Circle(cr, x, y, 1.6);
    Flat(cr, 0xffffff, 0.95);
  }
}

void Dishcloth(cairo_t* cr) {
  Open(cr, {6, 20, 94, 20});
  Rod(cr, Steel, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 22, 18);
  cairo_line_to(cr, 76, 18);
  cairo_curve_to(cr, 78, 40, 82, 64, 80, 86);
  cairo_curve_to(cr, 70, 90, 64, 82, 56, 88);
  cairo_curve_to(cr, 46, 92, 40, 84, 30, 90);
  cairo_curve_to(cr, 24, 92, 20, 88, 18, 86);
  cairo_curve_to(cr, 20, 64, 22, 40, 22, 18);
  cairo_close_path(cr);
  FillAndClip(cr, 0xffffff);
  for (double x = 14; x < 90; x += 10) {
    Box(cr, x, 10, 5, 90);
    Flat(cr, Red, 0.45);
  }
  for (double y = 18; y < 96; y += 10) {
    Box(cr, 10, y, 80, 5);
    Flat(cr, Red, 0.45);
  }
  Unclip(cr);
  Curve(cr, {40, 22, 42, 50, 38, 86});
  Stroke(cr, Ink, 0.8, 0.3);
  Curve(cr, {60, 22, 58, 56, 62, 86});
  Stroke(cr, Ink, 0.8, 0.3);
  Box(cr, 22, 15, 54, 7, 3);
  Fill(cr, 0xffffff);
}

void Hob(cairo_t* cr, double x, double y, double w, double h) {
  // A cooker: its top with four rings, the knobs and the oven door.
  const double d = h * 0.14;
  Box(cr, x, y, w, h, 2);
  Fill(cr, 0xf4f6f8);
  Poly(cr, {x, y, x + w, y, x + w - d * 0.6, y - d, x + d * 0.6, y - d});
  Fill(cr, 0x3a3a44);
  for (int i = 0; i < 4; ++i) {
    double cx = x + w * (i % 2 ? 0.7 : 0.3) + (i / 2 ? 0 : 0), cy = y - d * (i / 2 ? 0.68 : 0.32);
    double r = w * (i / 2 ? 0.11 : 0.13);
    Ellipse(cr, cx, cy, r, r * 0.28);
    Stroke(cr, 0x8a8a98, 0.9);
  }
  Box(cr, x, y + 2, w, h * 0.14, 1);
  Fill(cr, 0xdfe4e8, 0.8);
  for (int i = 0; i < 4; ++i) {
    Circle(cr, x + w * (0.2 + 0.2 * i), y + 2 + h * 0.07, h * 0.04);
    Fill(cr, 0x4a4a55, 0.6);
  }
  Box(cr, x + w * 0.1, y + h * 0.3, w * 0.8, h * 0.62, 2);
  Fill(cr, 0xe8ecef, 0.8);
  Box(cr, x + w * 0.2, y + h * 0.42, w * 0.6, h * 0.36, 2);
  Fill(cr, 0x3a3a44, 0.8);
  Box(cr, x + w * 0.24, y + h * 0.46, w * 0.52, h * 0.28, 1.5);
  Flat(cr, Orange, 0.45);
  Box(cr, x + w * 0.25, y + h * 0.33, w * 0.5, h * 0.04, 1);
  Fill(cr, Steel, 0.6);
}

void Cooker(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 40, 3);
  Hob(cr, 14, 28, 72, 64);
  // A blue flame on the front left ring.
  for (int k = -3; k <= 3; ++k) {
    Poly(cr, {28 + k * 2.2 - 1.2, 24.5, 28 + k * 2.2, 18 - std::abs(k) * 0.6, 28 + k * 2.2 + 1.2, 24.5});
    Flat(cr, 0x4f8ff0, 0.9);
  }
}

void Kitchen(cairo_t* cr) {
  Box(cr, 2, 4, 96, 90, 3);
  Fill(cr, 0xfff3c4);
  Box(cr, 2, 44, 96, 14, 0);
  Flat(cr, 0xffffff, 0.6);
  for (double x = 2; x < 98; x += 8) {
    Open(cr, {x, 44, x, 58});
    Stroke(cr, 0xd8e4ee, 0.6);
  }
  // Wall cupboards, then the counter with a sink and the cooker with a pot.
  for (double x : {8.0, 30.0}) {
    Box(cr, x, 10, 20, 26, 2);
    Fill(cr, 0x9ad0f5);
    Knob(cr, x + 16, 30, 1.6);
  }
  Box(cr, 62, 12, 28, 22, 2);
  Fill(cr, Sky, 0.8);
  Open(cr, {76, 12, 76, 34});
  Rod(cr, White, 1.6, 0.6);
  Box(cr, 4, 60, 50, 34, 2);
  Fill(cr, 0x9ad0f5);
  Box(cr, 8, 66, 20, 24, 2);
  Fill(cr, Shade(0x9ad0f5, 0.2), 0.7);
  Box(cr, 30, 66, 20, 24, 2);
  Fill(cr, Shade(0x9ad0f5, 0.2), 0.7);
  Box(cr, 2, 56, 54, 5, 1);
  Fill(cr, LightWood);
  Box(cr, 14, 56, 22, 3, 1);
  Fill(cr, DarkSteel, 0.7);
  Curve(cr, {25, 56, 25, 48, 31, 48, 31, 51});
  Rod(cr, Steel, 1.8, 0.6);
  Hob(cr, 58, 60, 36, 34);
  Box(cr, 64, 46, 20, 10, 2);
  Fill(cr, Red);
  Ellipse(cr, 74, 46, 10, 2);
  Fill(cr, Shade(Red, 0.2), 0.7);
  Curve(cr, {72, 42, 70, 38, 73, 34});
  Stroke(cr, 0xffffff, 1.4, 0.9);
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
  FillAndClip(cr, pot);
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

void Mug(cairo_t* cr) {
  GroundShadow(cr, 46, 90, 34, 3);
  Curve(cr, {70, 40, 90, 38, 90, 62, 70, 72});
  Rod(cr, Red, 6);
  Cylinder(cr, 44, 26, 28, 7, 62, 0x8a5a36, Red);
  Ellipse(cr, 44, 26, 28, 7);
  Edge(cr);
  Ellipse(cr, 44, 27, 24, 5);
  Fill(cr, 0x8a5a36, 0.6);
  Heart(cr, 44, 58, 32);
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

// Steam rising in wisps from (x, y).
void Steam(cairo_t* cr, double x, double y, int wisps = 2) {
  for (int k = 0; k < wisps; ++k) {
    const double dx = x + 9 * (k - (wisps - 1) / 2.0);
    Curve(cr, {dx, y, dx - 3, y - 6, dx + 1, y - 12, dx - 2, y - 18});
    Stroke(cr, 0xffffff, 2, 0.9);
  }
}

// A stove-top kettle with a whistle on its spout.
void Kettle(cairo_t* cr) {
  const unsigned enamel = 0xe8504a;
  GroundShadow(cr, 48, 92, 38, 3);
  // The handle arching over the top.
  Curve(cr, {28, 42, 30, 16, 50, 12, 70, 16, 72, 42});
  Rod(cr, 0x3a3438, 5);
  // The spout, then the body over its root.
  Poly(cr, {70, 66, 90, 36, 96, 40, 80, 76});
  Fill(cr, enamel);
  Box(cr, 88, 30, 9, 8, 2);
  Fill(cr, 0x3a3438);
  Blob(cr, {36, 38, 64, 38, 80, 60, 86, 84, 50, 92, 14, 84, 20, 60});
  Fill(cr, enamel);
  Ellipse(cr, 50, 86, 36, 5);
  Fill(cr, Shade(enamel, -0.2), 0.8);
  Ellipse(cr, 50, 38, 15, 4.5);
  Fill(cr, Shade(enamel, 0.15));
  Circle(cr, 50, 33, 4);
  Fill(cr, 0x3a3438);
  for (auto [x, y] : {std::pair{36.0, 56.0}, {50.0, 62.0}, {64.0, 56.0}, {30.0, 72.0}, {44.0, 76.0}, {58.0, 76.0}, {70.0, 72.0}}) {
    Circle(cr, x, y, 2.4);
    Flat(cr, 0xffffff, 0.85);
  }
  Gleam(cr, 28, 64, 3, 10, 0.3, 0.4);
  Steam(cr, 95, 26, 2);
}

// A big enamel pot with a ladle under its lid, steaming.
void BigPot(cairo_t* cr) {
  const unsigned enamel = 0x2f4f8f;
  GroundShadow(cr, 50, 96, 46, 3);
  for (double k : {-1.0, 1.0}) {
    Box(cr, 50 + 46 * k - 5, 40, 10, 8, 3);
    Fill(cr, 0x3a3438);
  }
  Cylinder(cr, 50, 28, 42, 9, 64, Shade(enamel, -0.3), enamel);
  for (auto [x, y] : {std::pair{20.0, 52.0}, {34.0, 70.0}, {52.0, 50.0}, {66.0, 78.0}, {78.0, 58.0}, {24.0, 84.0}, {46.0, 86.0},
                      {60.0, 64.0}, {82.0, 80.0}}) {
    Circle(cr, x, y, 1.3);
    Flat(cr, 0xffffff, 0.8);
  }
  Box(cr, 8, 34, 84, 4, 2);
  Flat(cr, 0xffffff, 0.35);
  // The ladle leaning out, then the lid a little ajar over it.
  Open(cr, {66, 28, 88, 2});
  Rod(cr, Steel, 4);
  Push(cr, 50, 24, -0.08);
  Ellipse(cr, 0, 0, 44, 9);
  Fill(cr, Shade(enamel, 0.15));
  Ellipse(cr, 0, -4, 8, 3.5);
  Fill(cr, 0x3a3438);
  Pop(cr);
  Gleam(cr, 18, 60, 3, 16, 0, 0.3);
  Steam(cr, 30, 12, 2);
}

// A bowl seen a little from above: the inside first, then what is in it
// (contents, drawn inside the rim), then the outside over the lower half.
void Bowl(cairo_t* cr, unsigned rgb, const std::function<void()>& contents) {
  GroundShadow(cr, 50, 92, 30, 3);
  Ellipse(cr, 50, 44, 44, 13);
  Fill(cr, Shade(rgb, 0.45));
  Ellipse(cr, 50, 45, 40, 11);
  FillAndClip(cr, Shade(rgb, 0.25), 0);
  contents();
  Unclip(cr);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 44);
  cairo_curve_to(cr, 8, 72, 28, 88, 50, 88);
  cairo_curve_to(cr, 72, 88, 92, 72, 94, 44);
  cairo_curve_to(cr, 80, 56, 20, 56, 6, 44);
  cairo_close_path(cr);
  Fill(cr, rgb);
  Box(cr, 38, 86, 24, 5, 2);
  Fill(cr, Shade(rgb, -0.15));
  Gleam(cr, 24, 66, 3, 9, 0.6, 0.4);
}

void EmptyBowl(cairo_t* cr) {
  Bowl(cr, 0xffb347, [cr] {
    Gleam(cr, 66, 40, 12, 3, 0.1, 0.5);
  });
  for (double x : {30.0, 50.0, 70.0}) {
    Circle(cr, x, 70, 3);
    Flat(cr, 0xffffff, 0.8);
  }
}

// A bowl of hot semolina with a spoon in it and raspberries on top.
void Porridge(cairo_t* cr) {
  const unsigned semolina = 0xfff3d6;
  Bowl(cr, 0x7db8f0, [cr] {
    Ellipse(cr, 50, 48, 42, 12);
    Flat(cr, semolina);
    Curve(cr, {22, 48, 36, 44, 52, 48, 66, 44, 78, 48});
    Stroke(cr, Shade(semolina, -0.12), 1);
    for (auto [x, y] : {std::pair{40.0, 46.0}, {47.0, 50.0}, {54.0, 45.0}}) {
      Circle(cr, x, y, 3.6);
      Fill(cr, 0xe0245e, 0.6);
    }
  });
  Open(cr, {64, 46, 86, 12});
  Rod(cr, Steel, 4);
  Steam(cr, 34, 30, 2);
}

// An empty drinking glass, a little water at the bottom.
void Tumbler(cairo_t* cr) {
  GroundShadow(cr, 50, 95, 28, 3);
  Poly(cr, {22, 8, 78, 8, 72, 92, 28, 92});
  Flat(cr, 0xeaf6ff, 0.55);
  Poly(cr, {26.5, 70, 73.5, 70, 72, 92, 28, 92});
  Flat(cr, 0x8fd3ff, 0.6);
  Ellipse(cr, 50, 70, 23.5, 3);
  Flat(cr, 0xbfe6ff, 0.9);
  Box(cr, 28, 86, 44, 6, 2);
  Flat(cr, 0xd8eef8, 0.8);
  Poly(cr, {22, 8, 78, 8, 72, 92, 28, 92});
  Edge(cr);
  Ellipse(cr, 50, 8, 28, 4);
  Fill(cr, 0xf4fbff, 0.8);
  Gleam(cr, 32, 40, 2.5, 24, 0.07, 0.8);
  Gleam(cr, 66, 44, 1.4, 18, -0.07, 0.6);
}

void Fork(cairo_t* cr) {
  Push(cr, 50, 50, 0.6);
  Box(cr, -5, 4, 10, 48, 5);
  Fill(cr, Steel);
  Gleam(cr, -1.5, 28, 1.2, 18, 0, 0.6);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -3, 6);
  cairo_curve_to(cr, -12, -4, -12, -12, -12, -18);
  cairo_line_to(cr, 12, -18);
  cairo_curve_to(cr, 12, -12, 12, -4, 3, 6);
  cairo_close_path(cr);
  Fill(cr, Steel);
  for (double x : {-12.0, -5.0, 2.0, 9.0}) {
    Box(cr, x, -52, 3, 36, 1.5);
    Fill(cr, Steel, 0.8);
  }
  Box(cr, -12.5, -20, 24.5, 4, 1);
  Flat(cr, Steel);
  Pop(cr);
}

}  // namespace

}  // namespace datagen::words::draw
