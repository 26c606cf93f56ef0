// Word drawings: furniture and the things of a house.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Knob(cairo_t* cr, double x, double y, double r = 2.2) {
  Circle(cr, x, y, r);
  Fill(cr, 0xf2c14e, 0.7);
}

// A drawer front with a bar handle.
void DrawerFront(cairo_t* cr, double x, double y, double w, double h, unsigned rgb) {
  Box(cr, x, y, w, h, 1.5);
  Fill(cr, rgb, 0.8);
  Box(cr, x + w / 2 - 7, y + h / 2 - 1.6, 14, 3.2, 1.6);
  Fill(cr, 0xf2c14e, 0.7);
}

void Table(cairo_t* cr) {
  GroundShadow(cr, 50, 86, 46, 4);
  Box(cr, 22, 44, 5, 32, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 73, 44, 5, 32, 1.5);
  Fill(cr, DarkWood);
  Poly(cr, {17, 28, 83, 28, 95, 41, 5, 41});
  Fill(cr, LightWood);
  Box(cr, 5, 41, 90, 6, 1.5);
  Fill(cr, Wood);
  Box(cr, 12, 47, 76, 5, 1);
  Fill(cr, Shade(Wood, -0.15), 0.8);
  Box(cr, 8, 45, 7, 41, 2);
  Fill(cr, Wood);
  Box(cr, 85, 45, 7, 41, 2);
  Fill(cr, Wood);
}

void Stool(cairo_t* cr) {
  GroundShadow(cr, 50, 91, 32, 4);
  Poly(cr, {46, 36, 54, 36, 55, 82, 45, 82});
  Fill(cr, DarkWood);
  Box(cr, 27, 62, 46, 5, 2);
  Fill(cr, Shade(Wood, -0.1));
  Poly(cr, {28, 36, 37, 36, 29, 91, 20, 91});
  Fill(cr, Wood);
  Poly(cr, {63, 36, 72, 36, 80, 91, 71, 91});
  Fill(cr, Wood);
  Cylinder(cr, 50, 26, 34, 10.5, 7, LightWood, Wood);
  Gleam(cr, 40, 24, 10, 3, -0.1, 0.35);
}

void Wardrobe(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 36, 3);
  Box(cr, 23, 86, 7, 7, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 70, 86, 7, 7, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 19, 10, 62, 79, 2);
  Fill(cr, Wood);
  Box(cr, 15, 5, 70, 8, 2);
  Fill(cr, DarkWood);
  for (double x : {23.0, 51.0}) {
    Box(cr, x, 16, 26, 69, 1.5);
    Fill(cr, LightWood, 0.8);
    Box(cr, x + 4, 21, 18, 26, 2);
    Fill(cr, Shade(LightWood, -0.08), 0.6);
    Box(cr, x + 4, 53, 18, 27, 2);
    Fill(cr, Shade(LightWood, -0.08), 0.6);
  }
  Knob(cr, 45, 51);
  Knob(cr, 55, 51);
}

void Cupboard(cairo_t* cr) {
  const unsigned paint = 0x9ad0f5;
  GroundShadow(cr, 50, 90, 40, 3);
  for (double x : {14.0, 80.0}) {
    Box(cr, x, 80, 6, 9, 1.5);
    Fill(cr, Shade(paint, -0.3));
  }
  Box(cr, 10, 30, 80, 52, 3);
  Fill(cr, paint);
  Box(cr, 6, 25, 88, 7, 2.5);
  Fill(cr, LightWood);
  Box(cr, 15, 36, 34, 41, 2);
  Fill(cr, Shade(paint, 0.25), 0.8);
  Box(cr, 51, 36, 34, 41, 2);
  Fill(cr, Shade(paint, 0.25), 0.8);
  Knob(cr, 44, 56, 2.6);
  Knob(cr, 56, 56, 2.6);
  // A little pot plant on top.
  Poly(cr, {66, 12, 78, 12, 76, 25, 68, 25});
  Fill(cr, 0xe07b4f);
  Blob(cr, {72, 12, 64, 6, 66, 2, 72, 6, 78, 1, 81, 6});
  Fill(cr, Grass, 0.8);
}

void ChestOfDrawers(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 44, 3);
  for (double x : {12.0, 82.0}) {
    Poly(cr, {x, 82, x + 6, 82, x + 5, 90, x + 1, 90});
    Fill(cr, DarkWood);
  }
  Box(cr, 9, 22, 82, 62, 2.5);
  Fill(cr, Wood);
  Box(cr, 5, 16, 90, 8, 2.5);
  Fill(cr, DarkWood);
  for (int i = 0; i < 3; ++i) DrawerFront(cr, 14, 28 + 18.5 * i, 72, 15.5, LightWood);
}

void Drawer(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 40, 3);
  Box(cr, 20, 6, 60, 86, 2.5);
  Fill(cr, Wood);
  DrawerFront(cr, 25, 11, 50, 16, LightWood);
  DrawerFront(cr, 25, 71, 50, 16, LightWood);
  // The middle drawer, pulled out towards us: its dark inside, a sock and a
  // ball peeping out, its sides and its front.
  Box(cr, 25, 31, 50, 36, 1);
  Flat(cr, Shade(DarkWood, -0.35));
  Poly(cr, {25, 34, 75, 34, 88, 48, 12, 48});
  Fill(cr, Shade(Wood, -0.35), 0.8);
  Circle(cr, 38, 42, 7);
  Fill(cr, Red, 0.8);
  Blob(cr, {52, 46, 54, 36, 60, 33, 66, 37, 64, 46});
  Fill(cr, Yellow, 0.8);
  Poly(cr, {12, 48, 25, 34, 25, 40, 14, 60});
  Fill(cr, Shade(LightWood, -0.15), 0.8);
  Poly(cr, {88, 48, 75, 34, 75, 40, 86, 60});
  Fill(cr, Shade(LightWood, -0.15), 0.8);
  DrawerFront(cr, 10, 47, 80, 20, LightWood);
}

void Desk(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 46, 3);
  Box(cr, 40, 40, 44, 14, 1);
  Fill(cr, Shade(Wood, -0.2));
  Box(cr, 8, 40, 32, 50, 2);
  Fill(cr, Wood);
  for (int i = 0; i < 3; ++i) DrawerFront(cr, 12, 44 + 15 * i, 24, 12, LightWood);
  Box(cr, 82, 40, 8, 50, 2);
  Fill(cr, Wood);
  Box(cr, 4, 33, 92, 8, 2);
  Fill(cr, LightWood);
  // A lamp and a cup of pencils.
  Ellipse(cr, 22, 32, 9, 2.5);
  Fill(cr, Teal, 0.8);
  Open(cr, {22, 31, 28, 14, 40, 10});
  Rod(cr, Teal, 2.2, 0.8);
  Poly(cr, {36, 5, 50, 11, 44, 21, 34, 14});
  Fill(cr, Teal);
  Poly(cr, {44, 21, 34, 14, 32, 22});
  Flat(cr, Yellow, 0.55);
  for (int i = 0; i < 3; ++i) {
    double x = 68 + 4 * i;
    Open(cr, {x, 26, x - 2 + 2.5 * i, 12});
    Rod(cr, i == 0 ? Red : i == 1 ? Blue : Grass, 2.4, 0.8);
  }
  Box(cr, 64, 20, 16, 13, 2);
  Fill(cr, Orange);
}

void Bench(cairo_t* cr) {
  GroundShadow(cr, 50, 86, 46, 3);
  for (double x : {20.0, 80.0}) {
    Poly(cr, {x - 3, 44, x + 3, 44, x + 8, 85, x + 1, 85});
    Fill(cr, DarkWood);
    Poly(cr, {x - 3, 44, x + 3, 44, x - 1, 85, x - 8, 85});
    Fill(cr, Wood);
  }
  Box(cr, 17, 62, 66, 4, 1.5);
  Fill(cr, Shade(Wood, -0.15), 0.8);
  Poly(cr, {10, 34, 90, 34, 96, 41, 4, 41});
  Fill(cr, LightWood);
  Box(cr, 4, 41, 92, 6, 2);
  Fill(cr, Wood);
}

void Pouffe(cairo_t* cr) {
  const unsigned plum = 0xc58cf0;
  GroundShadow(cr, 50, 86, 40, 4);
  Box(cr, 14, 38, 72, 46, 16);
  Fill(cr, plum);
  Box(cr, 14, 74, 72, 6, 3);
  Fill(cr, Shade(plum, -0.2), 0.8);
  Blob(cr, {50, 22, 74, 24, 88, 33, 78, 44, 50, 48, 22, 44, 12, 33, 26, 24});
  Fill(cr, Shade(plum, 0.2));
  for (auto [x, y] : {std::pair{38.0, 31.0}, {62.0, 31.0}, {50.0, 38.0}, {50.0, 27.0}, {28.0, 37.0}, {72.0, 37.0}}) {
    Circle(cr, x, y, 1.6);
    Flat(cr, Shade(plum, -0.35));
  }
  for (double x : {30.0, 50.0, 70.0}) {
    Curve(cr, {x, 50, x + 1, 62, x, 72});
    Stroke(cr, Shade(plum, -0.3), 0.8, 0.7);
  }
}

void Stairs(cairo_t* cr) {
  const double x0 = 6, bottom = 92, run = 14, rise = 14, dx = 14, dy = -9;
  GroundShadow(cr, 50, 93, 46, 3);
  // The rail's posts behind, then each step's riser and tread, then the near side.
  for (int i = 0; i < 5; ++i) {
    double x = x0 + run * i, y = bottom - rise * (i + 1);
    Poly(cr, {x, y + rise, x, y, x + dx, y + dy, x + dx, y + dy + rise});
    Fill(cr, Shade(Wood, -0.18), 0.8);
    Poly(cr, {x, y, x + run, y, x + run + dx, y + dy, x + dx, y + dy});
    Fill(cr, LightWood, 0.8);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, x0, bottom);
  for (int i = 0; i < 5; ++i) {
    cairo_line_to(cr, x0 + run * i, bottom - rise * (i + 1));
    cairo_line_to(cr, x0 + run * (i + 1), bottom - rise * (i + 1));
  }
  cairo_line_to(cr, x0 + run * 5, bottom);
  cairo_close_path(cr);
  Fill(cr, Wood);
  // The banister along the near edge.
  for (int i = 0; i < 5; ++i) {
    double x = x0 + run * i + run / 2, y = bottom - rise * (i + 1);
    Open(cr, {x, y, x, y - 20});
    Rod(cr, White, 2, 0.8);
  }
  Open(cr, {x0 + run / 2 - 3, bottom - rise - 20 + 3 * rise / run, x0 + run * 4.5 + 3, bottom - rise * 5 - 20 - 3 * rise / run});
  Rod(cr, DarkWood, 3.5);
}

void Picket(cairo_t* cr, double x, double top, double bottom, double w, unsigned rgb, bool round) {
  if (round) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, bottom);
    cairo_line_to(cr, x, top + w / 2);
    cairo_arc(cr, x + w / 2, top + w / 2, w / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w, bottom);
    cairo_close_path(cr);
  } else {
    Poly(cr, {x, bottom, x, top + w * 0.6, x + w / 2, top, x + w, top + w * 0.6, x + w, bottom});
  }
  Fill(cr, rgb);
}

void Fence(cairo_t* cr) {
  Box(cr, 4, 40, 92, 6, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 4, 68, 92, 6, 1.5);
  Fill(cr, DarkWood);
  for (int i = 0; i < 5; ++i) Picket(cr, 7 + 18 * i, 18, 88, 13, Wood, false);
  GrassTufts(cr, 90, 6, 96);
}

void GardenFence(cairo_t* cr) {
  Box(cr, 3, 56, 94, 30, 2);
  Fill(cr, 0xd98a6a);
  Box(cr, 3, 56, 94, 30, 2);
  ClipPath(cr);
  for (int r = 0; r < 4; ++r) {
    double y = 57 + 7.5 * r;
    Open(cr, {0, y, 100, y});
    Stroke(cr, 0xb86a4c, 0.8);
    for (double x = (r % 2 ? 0 : 8); x < 100; x += 16) {
      Open(cr, {x, y, x, y + 7.5});
      Stroke(cr, 0xb86a4c, 0.8);
    }
  }
  Unclip(cr);
  Box(cr, 4, 30, 92, 5, 1.5);
  Fill(cr, 0xdfe8ee);
  for (int i = 0; i < 8; ++i) Picket(cr, 5 + 11.7 * i, 16, 58, 8, White, true);
  Box(cr, 2, 50, 96, 7, 2);
  Fill(cr, 0xc9bfb3);
  for (auto [x, c] : {std::pair{20.0, Pink}, {52.0, Yellow}, {80.0, Purple}}) {
    Open(cr, {x, 52, x, 38});
    Rod(cr, Grass, 1.4, 0.6);
    for (int k = 0; k < 5; ++k) {
      Circle(cr, x + 3.5 * std::cos(k * 1.2566), 36 + 3.5 * std::sin(k * 1.2566), 2.8);
      Fill(cr, c, 0.6);
    }
    Circle(cr, x, 36, 2);
    Fill(cr, Orange, 0.5);
  }
}

void Gate(cairo_t* cr) {
  GroundShadow(cr, 50, 93, 48, 3);
  for (double x : {3.0, 81.0}) {
    Box(cr, x, 20, 16, 72, 1.5);
    Fill(cr, 0xd98a6a);
    for (int r = 0; r < 9; ++r) {
      double y = 24 + 8 * r;
      Open(cr, {x, y, x + 16, y});
      Stroke(cr, 0xb86a4c, 0.8);
      double bx = x + (r % 2 ? 5 : 11);
      Open(cr, {bx, y - 8, bx, y});
      Stroke(cr, 0xb86a4c, 0.8);
    }
    Box(cr, x, 20, 16, 72, 1.5);
    Edge(cr);
    Poly(cr, {x - 3, 20, x + 19, 20, x + 15, 13, x + 1, 13});
    Fill(cr, 0x9d8b79);
  }
  // Two wooden wings under an arch.
  for (int side = 0; side < 2; ++side) {
    double x = side ? 50 : 19;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, 92);
    if (side == 0) {
      cairo_line_to(cr, 19, 36);
      cairo_curve_to(cr, 30, 30, 42, 26, 50, 25);
      cairo_line_to(cr, 50, 92);
    } else {
      cairo_line_to(cr, 50, 25);
      cairo_curve_to(cr, 58, 26, 70, 30, 81, 36);
      cairo_line_to(cr, 81, 92);
    }
    cairo_close_path(cr);
    Fill(cr, Wood);
    for (int k = 1; k < 4; ++k) {
      double lx = x + 7.75 * k;
      Open(cr, {lx, 31 - (side ? 4 - k : k) * 1.2, lx, 92});
      Stroke(cr, DarkWood, 0.8);
    }
    Open(cr, {x + 2, 48, x + 29, 48});
    Rod(cr, DarkWood, 3, 0.7);
    Open(cr, {x + 2, 80, x + 29, 80});
    Rod(cr, DarkWood, 3, 0.7);
    Open(cr, {x + (side ? 29 : 2), 80, x + (side ? 2 : 29), 48});
    Rod(cr, DarkWood, 3, 0.7);
  }
  Circle(cr, 46, 62, 2.4);
  Edge(cr, 1.2);
  Circle(cr, 54, 62, 2.4);
  Edge(cr, 1.2);
}

void Balcony(cairo_t* cr) {
  Box(cr, 8, 4, 84, 90, 2);
  Fill(cr, 0xffe0c2);
  Box(cr, 32, 10, 36, 60, 2);
  Fill(cr, White);
  for (auto [x, y] : {std::pair{36.0, 14.0}, {51.0, 14.0}, {36.0, 40.0}, {51.0, 40.0}}) {
    Box(cr, x, y, 13, 22, 1);
    Fill(cr, Sky, 0.8);
    Gleam(cr, x + 5, y + 7, 2, 5, 0.4, 0.5);
  }
  Box(cr, 4, 68, 92, 7, 1.5);
  Fill(cr, 0xb8b0a8);
  for (int i = 0; i <= 14; ++i) {
    double x = 8 + 6 * i;
    Open(cr, {x, 52, x, 68});
    Rod(cr, 0x6d7b86, 1.3, 0.6);
  }
  Box(cr, 5, 49, 90, 4, 1.5);
  Fill(cr, 0x6d7b86);
  // Flower boxes on the rail.
  for (double x : {10.0, 70.0}) {
    for (int k = 0; k < 3; ++k) {
      Circle(cr, x + 4 + 6 * k, 41, 3.2);
      Fill(cr, k == 1 ? Pink : Red, 0.7);
      Circle(cr, x + 4 + 6 * k, 41, 1.2);
      Flat(cr, Yellow);
    }
    Box(cr, x, 43, 20, 7, 1.5);
    Fill(cr, 0xd9774f);
  }
}

void Carpet(cairo_t* cr) {
  const unsigned red = 0xe0605a;
  // Fringes at the far and the near edge.
  for (int i = 0; i <= 16; ++i) {
    double t = i / 16.0;
    Open(cr, {20 + 60 * t, 30, 20 + 60 * t, 25});
    Stroke(cr, Cream, 1.2);
    Open(cr, {5 + 90 * t, 76, 5 + 90 * t, 83});
    Stroke(cr, Shade(Cream, -0.1), 1.4);
  }
  Poly(cr, {20, 30, 80, 30, 95, 76, 5, 76});
  Fill(cr, red);
  Poly(cr, {24, 33.5, 76, 33.5, 88.5, 72.5, 11.5, 72.5});
  Fill(cr, Yellow, 0.6);
  Poly(cr, {27, 36, 73, 36, 84.5, 70, 15.5, 70});
  Fill(cr, 0x3f7fc4, 0.6);
  Poly(cr, {50, 40, 70, 53, 50, 66, 30, 53});
  Fill(cr, Yellow, 0.6);
  Poly(cr, {50, 46, 60, 53, 50, 60, 40, 53});
  Fill(cr, red, 0.6);
  for (auto [x, y] : {std::pair{26.0, 40.0}, {74.0, 40.0}, {22.0, 66.0}, {78.0, 66.0}}) {
    Circle(cr, x, y, 2.5);
    Flat(cr, Cream);
  }
}

void NetCurtain(cairo_t* cr) {
  Box(cr, 14, 10, 72, 82, 2);
  Fill(cr, White);
  Box(cr, 19, 15, 62, 72, 1);
  Fill(cr, Sky, 0.8);
  Open(cr, {50, 15, 50, 87});
  Rod(cr, White, 3, 0.8);
  Open(cr, {19, 50, 81, 50});
  Rod(cr, White, 3, 0.8);
  // The net: pale, see-through, gathered in folds, with a wavy hem.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 12, 9);
  cairo_line_to(cr, 88, 9);
  cairo_line_to(cr, 88, 66);
  for (int i = 0; i < 8; ++i) {
    double x = 88 - 9.5 * i;
    cairo_curve_to(cr, x - 3, 72, x - 6.5, 72, x - 9.5, 66);
  }
  cairo_close_path(cr);
  cairo_path_t* net = cairo_copy_path(cr);
  Flat(cr, 0xffffff, 0.7);
  for (int i = 1; i < 8; ++i) {
    double x = 12 + 9.5 * i;
    Open(cr, {x, 10, x + (i % 2 ? 1.5 : -1.5), 66});
    Stroke(cr, 0xc8d8e8, 1.2);
  }
  for (int r = 0; r < 3; ++r)
    for (int i = 0; i < 8; ++i) {
      Circle(cr, 16.75 + 9.5 * i, 56 + 4 * r - (r == 2 ? 0 : 0), 1.3);
      Stroke(cr, 0xc8d8e8, 0.6);
    }
  cairo_append_path(cr, net);
  cairo_path_destroy(net);
  Edge(cr, 0.8);
  Box(cr, 6, 6, 88, 4, 2);
  Fill(cr, DarkWood);
  Circle(cr, 6, 8, 3);
  Fill(cr, DarkWood, 0.8);
  Circle(cr, 94, 8, 3);
  Fill(cr, DarkWood, 0.8);
}

void Radiator(cairo_t* cr) {
  const unsigned white = 0xeef2f6;
  for (int k = 0; k < 3; ++k) {
    double x = 30 + 20 * k;
    Curve(cr, {x, 18, x - 3, 13, x + 1, 8, x - 2, 3});
    Stroke(cr, Orange, 2, 0.7);
  }
  Box(cr, 12, 30, 76, 5, 1);
  Fill(cr, Shade(white, -0.15), 0.8);
  Box(cr, 12, 76, 76, 5, 1);
  Fill(cr, Shade(white, -0.15), 0.8);
  for (int i = 0; i < 8; ++i) {
    Box(cr, 12 + 9.6 * i, 24, 8.8, 62, 4.4);
    Fill(cr, white);
    Gleam(cr, 14.5 + 9.6 * i, 48, 1, 12, 0, 0.6);
  }
  Box(cr, 4, 74, 9, 5, 1);
  Fill(cr, DarkSteel, 0.8);
  Cylinder(cr, 6, 64, 4, 1.5, 8, Red, Shade(Red, -0.1));
  Box(cr, 16, 86, 4, 6, 1);
  Fill(cr, DarkSteel, 0.8);
  Box(cr, 80, 86, 4, 6, 1);
  Fill(cr, DarkSteel, 0.8);
}

void Blanket(cairo_t* cr) {
  const unsigned base = 0x6fb7e8;
  GroundShadow(cr, 50, 84, 44, 3);
  auto layer = [&](double y, double h) {
    Box(cr, 8, y, 84, h, h / 2);
    Fill(cr, base);
    Box(cr, 8, y, 84, h, h / 2);
    ClipPath(cr);
    for (double x = 8; x < 94; x += 14) {
      Box(cr, x, y - 2, 5, h + 4);
      Flat(cr, 0xffffff, 0.35);
      Box(cr, x + 9, y - 2, 2, h + 4);
      Flat(cr, Red, 0.35);
    }
    Box(cr, 4, y + h / 2 - 2, 92, 4);
    Flat(cr, Yellow, 0.5);
    Unclip(cr);
  };
  layer(64, 18);
  layer(46, 18);
  layer(28, 18);
  for (int i = 0; i < 8; ++i) {
    double y = 31 + 6.6 * i;
    Open(cr, {92, y, 97, y + 1});
    Stroke(cr, Shade(base, -0.2), 1.6);
  }
}

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
  Push(cr, 40, 52);
  cairo_move_to(cr, 0, 5);
  cairo_curve_to(cr, -9, -1, -4, -8, 0, -3);
  cairo_curve_to(cr, 4, -8, 9, -1, 0, 5);
  cairo_close_path(cr);
  Pop(cr);
  Fill(cr, Red, 0.8);
  Push(cr, 48, 18);
  cairo_new_sub_path(cr);
  for (int k = 0; k < 10; ++k) {
    double r = k % 2 ? 2.4 : 5.5, a = -M_PI / 2 + k * M_PI / 5;
    cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
  }
  cairo_close_path(cr);
  Pop(cr);
  Fill(cr, Yellow, 0.8);
}

void Mat(cairo_t* cr) {
  GroundShadow(cr, 50, 86, 48, 4);
  Poly(cr, {6, 84, 94, 84, 84, 50, 16, 50});
  Fill(cr, Teal);
  for (double t : {0.3, 0.7}) {
    Open(cr, {6 + 88 * t, 83, 16 + 68 * t, 51});
    Stroke(cr, Shade(Teal, 0.35), 1.2);
  }
  // The far end rolled up: a lying cylinder with the roll's spiral at its end.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 16, 33);
  cairo_line_to(cr, 80, 33);
  cairo_line_to(cr, 80, 55);
  cairo_line_to(cr, 16, 55);
  cairo_save(cr);
  cairo_translate(cr, 16, 44);
  cairo_scale(cr, 5, 11);
  cairo_arc(cr, 0, 0, 1, M_PI / 2, 3 * M_PI / 2);
  cairo_restore(cr);
  cairo_close_path(cr);
  Fill(cr, Shade(Teal, -0.05));
  Gleam(cr, 48, 38, 28, 1.6, 0, 0.4);
  Ellipse(cr, 80, 44, 5, 11);
  Fill(cr, Shade(Teal, 0.25));
  Curve(cr, {80, 44, 81.5, 42, 80, 39, 77.8, 43, 79, 49, 82.6, 46, 83, 38});
  Stroke(cr, Shade(Teal, -0.35), 0.8);
}

void Potty(cairo_t* cr) {
  const unsigned pink = 0xff9cc8;
  GroundShadow(cr, 50, 86, 34, 4);
  Blob(cr, {26, 30, 34, 14, 50, 10, 66, 14, 74, 30, 76, 42, 24, 42});
  Fill(cr, Shade(pink, -0.05));
  Gleam(cr, 40, 20, 5, 2.5, -0.4, 0.4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 14, 44);
  cairo_curve_to(cr, 16, 66, 26, 80, 34, 84);
  cairo_line_to(cr, 66, 84);
  cairo_curve_to(cr, 74, 80, 84, 66, 86, 44);
  cairo_close_path(cr);
  Fill(cr, pink);
  Ellipse(cr, 50, 44, 37, 11);
  Fill(cr, Shade(pink, 0.25));
  Ellipse(cr, 50, 45, 27, 7);
  Fill(cr, Shade(pink, -0.25), 0.8);
  Blob(cr, {86, 46, 95, 48, 94, 56, 84, 56});
  Fill(cr, Shade(pink, 0.1));
  Gleam(cr, 30, 60, 3, 9, 0.5, 0.5);
  // A duck on the front.
  Circle(cr, 50, 68, 6);
  Fill(cr, Yellow, 0.7);
  Poly(cr, {55, 67, 60, 68.5, 55, 70});
  Fill(cr, Orange, 0.6);
  Circle(cr, 51.5, 66.5, 0.9);
  Flat(cr, 0x2d2a32);
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

void Cellar(cairo_t* cr) {
  const unsigned soil = 0xa87550, stone = 0xb8aea4;
  Box(cr, 4, 20, 92, 76, 4);
  Fill(cr, soil);
  Box(cr, 4, 14, 92, 10, 4);
  Fill(cr, Grass);
  // The vault.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 12, 90);
  cairo_line_to(cr, 12, 52);
  cairo_curve_to(cr, 12, 30, 88, 30, 88, 52);
  cairo_line_to(cr, 88, 90);
  cairo_close_path(cr);
  Fill(cr, stone);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 16, 90);
  cairo_line_to(cr, 16, 54);
  cairo_curve_to(cr, 16, 36, 84, 36, 84, 54);
  cairo_line_to(cr, 84, 90);
  cairo_close_path(cr);
  Fill(cr, 0x6b5a52);
  // A shelf of jars, a barrel and the steps down.
  Box(cr, 46, 62, 34, 3, 1);
  Fill(cr, Wood, 0.8);
  for (int i = 0; i < 4; ++i) {
    unsigned c = i == 0 ? Red : i == 1 ? Orange : i == 2 ? Purple : Yellow;
    Box(cr, 48 + 8 * i, 53, 6, 9, 1.5);
    Fill(cr, c, 0.7);
    Box(cr, 48 + 8 * i, 51, 6, 2.5, 0.8);
    Fill(cr, Steel, 0.6);
  }
  Box(cr, 50, 70, 22, 20, 6);
  Fill(cr, Wood);
  Open(cr, {50.5, 75, 71.5, 75});
  Stroke(cr, DarkSteel, 1.8);
  Open(cr, {50.5, 85, 71.5, 85});
  Stroke(cr, DarkSteel, 1.8);
  for (double i = 0; i < 4; i += 1) {
    double y = 52 + 10 * i;
    Poly(cr, {16, y, 24 + 5 * i, y, 24 + 5 * i, 90, 16, 90});
    Fill(cr, Shade(stone, -0.05 * i), 0.8);
  }
  Circle(cr, 70, 44, 3);
  Fill(cr, Yellow, 0.7);
  Circle(cr, 70, 44, 9);
  Flat(cr, Yellow, 0.18);
}

void Attic(cairo_t* cr) {
  Box(cr, 14, 62, 72, 32, 1.5);
  Fill(cr, 0xffe0c2);
  Box(cr, 24, 70, 16, 16, 1);
  Fill(cr, Sky, 0.8);
  Box(cr, 60, 70, 16, 16, 1);
  Fill(cr, Sky, 0.8);
  // The roof, opened to show the loft under it.
  Poly(cr, {2, 64, 50, 8, 98, 64});
  Fill(cr, 0xd9574a);
  Poly(cr, {14, 60, 50, 18, 86, 60});
  Fill(cr, 0xf3d2a4);
  Open(cr, {27, 44, 73, 44});
  Rod(cr, Wood, 2.5, 0.7);
  Circle(cr, 50, 32, 5);
  Fill(cr, Sky, 0.8);
  Poly(cr, {46, 34, 54, 34, 62, 60, 38, 60});
  Flat(cr, 0xfff6c8, 0.5);
  // Boxes, a trunk, a rocking horse and a cobweb.
  Box(cr, 20, 46, 14, 14, 1);
  Fill(cr, 0xd4a373, 0.8);
  Box(cr, 22, 36, 11, 10, 1);
  Fill(cr, 0xe2b98a, 0.8);
  Box(cr, 58, 48, 20, 12, 3);
  Fill(cr, 0x8b5a3c, 0.8);
  Box(cr, 58, 48, 20, 4, 2);
  Fill(cr, 0x6d4530, 0.8);
  Box(cr, 66, 52, 4, 4, 1);
  Fill(cr, Yellow, 0.6);
  Curve(cr, {38, 59, 46, 61, 54, 59});
  Rod(cr, Red, 1.6, 0.6);
  Blob(cr, {40, 52, 50, 50, 52, 55, 42, 56});
  Fill(cr, White, 0.7);
  Blob(cr, {49, 51, 51, 45, 55, 46, 53, 52});
  Fill(cr, White, 0.7);
  for (double x : {42.0, 51.0}) {
    Open(cr, {x, 55, x + (x < 46 ? -2 : 2), 59});
    Stroke(cr, Ink, 0.8, 0.8);
  }
  for (int k = 0; k < 4; ++k) {
    double a = M_PI * (0.3 + 0.13 * k);
    Open(cr, {50, 19, 50 + 11 * std::cos(a), 19 + 11 * std::sin(a)});
    Stroke(cr, 0xffffff, 0.5, 0.9);
  }
  for (double r : {4.5, 8.0}) {
    Curve(cr, {50 + r * std::cos(M_PI * 0.3), 19 + r * std::sin(M_PI * 0.3), 50 + r * std::cos(M_PI * 0.5) * 0.9,
               19 + r * 0.85, 50 + r * std::cos(M_PI * 0.69), 19 + r * std::sin(M_PI * 0.69)});
    Stroke(cr, 0xffffff, 0.5, 0.9);
  }
}

void Pillow(cairo_t* cr) {
  GroundShadow(cr, 50, 82, 42, 4);
  Blob(cr, {6, 22, 30, 28, 50, 27, 70, 28, 94, 20, 88, 50, 94, 80, 70, 74, 50, 75, 30, 74, 6, 82, 12, 50});
  Fill(cr, 0xfdf6ff);
  Blob(cr, {6, 22, 30, 28, 50, 27, 70, 28, 94, 20, 88, 50, 94, 80, 70, 74, 50, 75, 30, 74, 6, 82, 12, 50});
  ClipPath(cr);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 8; ++c) {
      Circle(cr, 12 + 11 * c + (r % 2) * 5.5, 26 + 10 * r, 1.8);
      Flat(cr, Sky);
    }
  Unclip(cr);
  Curve(cr, {30, 44, 50, 50, 70, 46});
  Stroke(cr, 0xb8a8d0, 1, 0.8);
  Curve(cr, {34, 60, 50, 56, 66, 62});
  Stroke(cr, 0xb8a8d0, 1, 0.8);
}

void WashingMachine(cairo_t* cr) {
  const unsigned body = 0xf2f6fa;
  GroundShadow(cr, 50, 94, 36, 3);
  Box(cr, 16, 8, 68, 84, 6);
  Fill(cr, body);
  Open(cr, {16, 26, 84, 26});
  Edge(cr);
  Box(cr, 22, 13, 20, 8, 2);
  Fill(cr, Sky, 0.7);
  Circle(cr, 73, 17, 4.5);
  Fill(cr, Steel, 0.8);
  Circle(cr, 58, 17, 2);
  Fill(cr, Red, 0.6);
  Circle(cr, 50, 58, 25);
  Fill(cr, Steel);
  Circle(cr, 50, 58, 19);
  Fill(cr, 0x5ea8e8);
  Circle(cr, 50, 58, 19);
  ClipPath(cr);
  Blob(cr, {32, 60, 44, 54, 56, 62, 70, 56, 72, 80, 30, 80});
  Flat(cr, 0x3d86cc);
  Blob(cr, {40, 48, 52, 44, 56, 52, 46, 56});
  Flat(cr, Yellow, 0.9);
  Blob(cr, {54, 62, 64, 58, 66, 68, 56, 70});
  Flat(cr, Pink, 0.9);
  Gleam(cr, 42, 48, 4, 7, 0.6, 0.6);
  Unclip(cr);
}

void Towels(cairo_t* cr) {
  GroundShadow(cr, 50, 88, 44, 3);
  const unsigned colours[3] = {Pink, Teal, Yellow};
  for (int i = 0; i < 3; ++i) {
    double y = 64 - 20 * i, x = 10 + 3 * (i % 2);
    Box(cr, x, y, 78, 20, 9);
    Fill(cr, colours[i]);
    Box(cr, x + 62, y + 1, 4, 18);
    Flat(cr, 0xffffff, 0.7);
    Box(cr, x + 68, y + 1, 2, 18);
    Flat(cr, 0xffffff, 0.7);
    Curve(cr, {x + 6, y + 4, x + 3, y + 10, x + 6, y + 16});
    Stroke(cr, Shade(colours[i], -0.25), 1, 0.8);
  }
}

void Hanger(cairo_t* cr) {
  Curve(cr, {50, 32, 50, 20, 54, 12, 50, 6, 44, 9});
  Rod(cr, Steel, 2.4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 28);
  cairo_curve_to(cr, 62, 30, 86, 48, 96, 62);
  cairo_curve_to(cr, 97, 66, 94, 68, 90, 66);
  cairo_curve_to(cr, 76, 54, 62, 40, 50, 38);
  cairo_curve_to(cr, 38, 40, 24, 54, 10, 66);
  cairo_curve_to(cr, 6, 68, 3, 66, 4, 62);
  cairo_curve_to(cr, 14, 48, 38, 30, 50, 28);
  cairo_close_path(cr);
  Fill(cr, Wood);
  Open(cr, {11, 64, 89, 64});
  Rod(cr, Steel, 2.4);
}

void Chandelier(cairo_t* cr) {
  const unsigned brass = 0xe8b84a;
  Open(cr, {50, 0, 50, 20});
  Rod(cr, brass, 1.6, 0.7);
  for (int i = 0; i < 4; ++i) {
    Ellipse(cr, 50, 3 + 5 * i, 1.8, 2.6);
    Edge(cr, 0.6);
  }
  for (double x : {14.0, 32.0, 68.0, 86.0}) {
    Curve(cr, {50, 46, x * 0.5 + 25, 58, x, 50, x, 40});
    Rod(cr, brass, 2.4, 0.8);
  }
  Ellipse(cr, 50, 38, 9, 14);
  Fill(cr, brass);
  Circle(cr, 50, 56, 4);
  Fill(cr, brass, 0.8);
  for (double x : {14.0, 32.0, 50.0, 68.0, 86.0}) {
    double y = x == 50 ? 26 : 40;
    Ellipse(cr, x, y, 6, 2);
    Fill(cr, brass, 0.8);
    Circle(cr, x, y - 7, 8);
    Flat(cr, Yellow, 0.25);
    Blob(cr, {x, y - 13, x + 4, y - 6, x, y - 1, x - 4, y - 6});
    Fill(cr, 0xfff2a8, 0.8);
  }
  for (double x : {23.0, 41.0, 59.0, 77.0}) {
    Open(cr, {x, 52, x, 60});
    Stroke(cr, Ink, 0.5, 0.6);
    Poly(cr, {x, 60, x + 2.2, 64, x, 69, x - 2.2, 64});
    Fill(cr, 0xdff4ff, 0.6);
  }
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

void Iron(cairo_t* cr) {
  for (int k = 0; k < 3; ++k) {
    Circle(cr, 12 + 6 * k, 84 - 7 * k, 4 + k);
    Flat(cr, 0xffffff, 0.75);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 90, 70);
  cairo_line_to(cr, 8, 70);
  cairo_curve_to(cr, 16, 56, 28, 44, 44, 42);
  cairo_line_to(cr, 88, 42);
  cairo_curve_to(cr, 91, 42, 92, 46, 92, 50);
  cairo_close_path(cr);
  Fill(cr, Teal);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 92, 70);
  cairo_line_to(cr, 6, 70);
  cairo_line_to(cr, 10, 76);
  cairo_line_to(cr, 92, 76);
  cairo_close_path(cr);
  Fill(cr, Steel);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 43);
  cairo_curve_to(cr, 42, 30, 46, 24, 56, 24);
  cairo_line_to(cr, 80, 24);
  cairo_curve_to(cr, 86, 24, 88, 30, 88, 42);
  cairo_line_to(cr, 80, 42);
  cairo_curve_to(cr, 80, 35, 79, 32, 76, 32);
  cairo_line_to(cr, 58, 32);
  cairo_curve_to(cr, 52, 32, 50, 36, 50, 43);
  cairo_close_path(cr);
  Fill(cr, Shade(Teal, -0.1));
  Circle(cr, 66, 56, 5);
  Fill(cr, White, 0.8);
  Gleam(cr, 34, 52, 10, 2.5, -0.5, 0.45);
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
  Fill(cr, Steel);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 40);
  cairo_curve_to(cr, 12, 72, 76, 72, 78, 40);
  cairo_close_path(cr);
  ClipPath(cr);
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
  cairo_path_t* cloth = cairo_copy_path(cr);
  Fill(cr, 0xffffff);
  cairo_append_path(cr, cloth);
  ClipPath(cr);
  for (double x = 14; x < 90; x += 10) {
    Box(cr, x, 10, 5, 90);
    Flat(cr, Red, 0.45);
  }
  for (double y = 18; y < 96; y += 10) {
    Box(cr, 10, y, 80, 5);
    Flat(cr, Red, 0.45);
  }
  Unclip(cr);
  cairo_path_destroy(cloth);
  Curve(cr, {40, 22, 42, 50, 38, 86});
  Stroke(cr, Ink, 0.8, 0.3);
  Curve(cr, {60, 22, 58, 56, 62, 86});
  Stroke(cr, Ink, 0.8, 0.3);
  Box(cr, 22, 15, 54, 7, 3);
  Fill(cr, 0xffffff);
}

void FlyPapers(cairo_t* cr) {
  for (double cx : {30.0, 70.0}) {
    double top = cx < 50 ? 6 : 14;
    Cylinder(cr, cx, top, 6, 2, 6, Red, Shade(Red, -0.1));
    for (int i = 0; i < 9; ++i) {
      double y = top + 8 + 9 * i, w = 5.5;
      bool face = i % 2 == 0;
      Poly(cr, {cx - w, y, cx + w, y + 3, cx + w, y + 9.5, cx - w, y + 6.5});
      Fill(cr, face ? 0xf5c542 : 0xd9a62c, 0.7);
    }
  }
  for (auto [x, y] : {std::pair{28.0, 34.0}, {32.0, 62.0}, {68.0, 48.0}, {72.0, 80.0}, {30.0, 82.0}}) {
    Ellipse(cr, x - 2.5, y - 2.5, 3, 2);
    Flat(cr, 0xffffff, 0.8);
    Ellipse(cr, x + 2.5, y - 2.5, 3, 2);
    Flat(cr, 0xffffff, 0.8);
    Ellipse(cr, x, y, 2.6, 3.2);
    Flat(cr, 0x2d2a32);
  }
}

void Classroom(cairo_t* cr) {
  Box(cr, 4, 6, 92, 86, 3);
  Fill(cr, 0xfff0d0);
  Box(cr, 4, 70, 92, 22, 3);
  Fill(cr, 0xd6a77a);
  Box(cr, 20, 14, 60, 30, 2);
  Fill(cr, 0x2f6b4f);
  Curve(cr, {28, 34, 34, 24, 40, 34, 46, 24});
  Stroke(cr, 0xffffff, 1.2, 0.8);
  Circle(cr, 64, 26, 5);
  Stroke(cr, 0xffffff, 1.2, 0.8);
  Box(cr, 18, 44, 64, 3, 1);
  Fill(cr, DarkWood, 0.7);
  // Two pupils' desks with their chairs.
  for (double x : {14.0, 56.0}) {
    Box(cr, x + 4, 62, 3, 22, 1);
    Fill(cr, DarkSteel, 0.7);
    Box(cr, x + 23, 62, 3, 22, 1);
    Fill(cr, DarkSteel, 0.7);
    Poly(cr, {x + 2, 56, x + 28, 56, x + 30, 62, x, 62});
    Fill(cr, LightWood, 0.8);
    Box(cr, x + 8, 66, 14, 4, 1);
    Fill(cr, Red, 0.7);
    Box(cr, x + 10, 70, 2.5, 16, 1);
    Fill(cr, Red, 0.7);
    Box(cr, x + 18, 70, 2.5, 16, 1);
    Fill(cr, Red, 0.7);
  }
}

void Prison(cairo_t* cr) {
  const unsigned stone = 0xb5b0aa;
  Box(cr, 6, 6, 88, 86, 3);
  Fill(cr, stone);
  Box(cr, 6, 6, 88, 86, 3);
  ClipPath(cr);
  for (int r = 0; r < 9; ++r) {
    double y = 6 + 10 * r;
    Open(cr, {0, y, 100, y});
    Stroke(cr, Shade(stone, -0.25), 0.8);
    for (double x = (r % 2 ? 2 : 12); x < 100; x += 20) {
      Open(cr, {x, y, x, y + 10});
      Stroke(cr, Shade(stone, -0.25), 0.8);
    }
  }
  Unclip(cr);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 28, 62);
  cairo_line_to(cr, 28, 30);
  cairo_curve_to(cr, 28, 14, 72, 14, 72, 30);
  cairo_line_to(cr, 72, 62);
  cairo_close_path(cr);
  Fill(cr, 0x2f3440);
  Ellipse(cr, 60, 28, 6, 6);
  Flat(cr, 0xfff3b0, 0.9);
  for (int i = 1; i < 5; ++i) {
    double x = 28 + 8.8 * i;
    Open(cr, {x, 17, x, 62});
    Rod(cr, DarkSteel, 2.2, 0.7);
  }
  Open(cr, {28, 40, 72, 40});
  Rod(cr, DarkSteel, 2.2, 0.7);
  Box(cr, 24, 62, 52, 5, 1.5);
  Fill(cr, Shade(stone, -0.1));
  // A ball and chain on the floor.
  for (int k = 0; k < 5; ++k) {
    Ellipse(cr, 34 + 6 * k, 84 - (k % 2), 3.2, 2);
    Edge(cr, 1.4);
  }
  Circle(cr, 72, 80, 9);
  Fill(cr, 0x4a4a55);
  Gleam(cr, 69, 77, 2.5, 1.6, -0.6, 0.5);
}

void WindowGrille(cairo_t* cr) {
  Box(cr, 10, 4, 80, 92, 3);
  Fill(cr, 0xffe0c2);
  Box(cr, 22, 14, 56, 72, 1.5);
  Fill(cr, White);
  Box(cr, 26, 18, 48, 64, 1);
  Fill(cr, Sky, 0.8);
  const unsigned iron = 0x3a3f4a;
  for (int i = 0; i < 6; ++i) {
    double x = 24 + 10.4 * i;
    Open(cr, {x, 10, x, 90});
    Stroke(cr, iron, 2.4);
  }
  for (double y : {12.0, 50.0, 88.0}) {
    Open(cr, {20, y, 80, y});
    Stroke(cr, iron, 2.4);
  }
  for (int i = 0; i < 5; ++i) {
    double x = 29.2 + 10.4 * i;
    Circle(cr, x, 31, 3.6);
    Stroke(cr, iron, 1.4);
    Circle(cr, x, 69, 3.6);
    Stroke(cr, iron, 1.4);
  }
}

void Cage(cairo_t* cr) {
  const unsigned gold = 0xe8b84a;
  GroundShadow(cr, 50, 92, 34, 3);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 22, 82);
  cairo_line_to(cr, 22, 40);
  cairo_curve_to(cr, 22, 14, 78, 14, 78, 40);
  cairo_line_to(cr, 78, 82);
  cairo_close_path(cr);
  Flat(cr, 0xffffff, 0.35);
  // The bird on its perch.
  Open(cr, {30, 64, 70, 64});
  Rod(cr, Wood, 2.2, 0.7);
  Blob(cr, {40, 60, 44, 50, 52, 46, 58, 52, 60, 62, 50, 66});
  Fill(cr, Yellow);
  Circle(cr, 56, 44, 6);
  Fill(cr, Yellow);
  Poly(cr, {61, 43, 67, 45, 61, 47});
  Fill(cr, Orange, 0.7);
  Circle(cr, 57.5, 42.5, 1.2);
  Flat(cr, 0x2d2a32);
  Blob(cr, {42, 54, 50, 54, 48, 60, 42, 60});
  Fill(cr, Shade(Yellow, -0.12), 0.6);
  Poly(cr, {40, 60, 32, 68, 36, 69, 42, 63});
  Fill(cr, Shade(Yellow, -0.1), 0.7);
  for (int i = 0; i <= 8; ++i) {
    double x = 22 + 7 * i;
    double top = 40 - std::sqrt(std::max(0.0, 1 - std::pow((x - 50) / 28, 2))) * 21;
    Open(cr, {x, top, x, 82});
    cairo_new_path(cr);
    cairo_move_to(cr, x, 82);
    cairo_line_to(cr, x, 40);
    cairo_curve_to(cr, x, 40 - (top < 40 ? (40 - top) : 0), 50, 19, 50, 19);
    Stroke(cr, gold, 1.4);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 22, 40);
  cairo_curve_to(cr, 22, 14, 78, 14, 78, 40);
  Rod(cr, gold, 2, 0.7);
  Open(cr, {22, 40, 78, 40});
  Rod(cr, gold, 1.6, 0.6);
  Circle(cr, 50, 13, 5);
  Rod(cr, gold, 2, 0.7);
  Box(cr, 16, 80, 68, 8, 2);
  Fill(cr, Teal);
}

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
    for (int k = 0; k < 5; ++k) {
      Circle(cr, x + 2.6 * std::cos(k * 1.2566), y + 2.6 * std::sin(k * 1.2566), 2.2);
      Flat(cr, c);
    }
    Circle(cr, x, y, 1.4);
    Flat(cr, Orange);
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

void Book(cairo_t* cr, double x, double bottom, double w, double h, unsigned rgb, double lean = 0) {
  Push(cr, x, bottom, lean);
  Box(cr, 0, -h, w, h, 1);
  Fill(cr, rgb, 0.8);
  Box(cr, 0, -h * 0.8, w, h * 0.08);
  Flat(cr, 0xffffff, 0.6);
  Box(cr, 0, -h * 0.25, w, h * 0.06);
  Flat(cr, 0xffffff, 0.6);
  Pop(cr);
}

void Shelf(cairo_t* cr) {
  for (double x : {18.0, 78.0}) {
    Poly(cr, {x, 62, x + 4, 62, x + 4, 80, x - 8 + 10, 66});
    cairo_new_path(cr);
    Poly(cr, {x - 2, 62, x + 4, 62, x + 4, 78});
    Fill(cr, DarkSteel, 0.8);
  }
  Book(cr, 10, 58, 8, 34, Red);
  Book(cr, 18, 58, 7, 30, Blue);
  Book(cr, 25, 58, 9, 36, Yellow);
  Book(cr, 34, 58, 7, 28, Grass);
  Book(cr, 44, 58, 8, 30, Purple, 0.35);
  // A potted plant and a little clock.
  Poly(cr, {62, 42, 76, 42, 74, 58, 64, 58});
  Fill(cr, 0xe07b4f);
  for (auto [a, l] : {std::pair{-2.2, 16.0}, {-1.6, 20.0}, {-1.0, 16.0}, {-2.6, 12.0}, {-0.5, 12.0}}) {
    Push(cr, 69, 42, a);
    Blob(cr, {0, 0, l * 0.5, -3.5, l, 0, l * 0.5, 3.5});
    Pop(cr);
    Fill(cr, Grass, 0.8);
  }
  Circle(cr, 88, 50, 8);
  Fill(cr, Orange);
  Circle(cr, 88, 50, 5.5);
  Fill(cr, 0xffffff, 0.6);
  Open(cr, {88, 50, 88, 46});
  Stroke(cr, Ink, 0.9);
  Open(cr, {88, 50, 90.5, 51});
  Stroke(cr, Ink, 0.9);
  Box(cr, 4, 58, 92, 6, 2);
  Fill(cr, Wood);
}

void Bookcase(cairo_t* cr) {
  GroundShadow(cr, 50, 95, 40, 3);
  Box(cr, 14, 4, 72, 90, 2);
  Fill(cr, Wood);
  const unsigned colours[] = {Red, Blue, Yellow, Grass, Purple, Orange, Teal, Pink};
  for (int shelf = 0; shelf < 3; ++shelf) {
    double top = 9 + 28.5 * shelf, bottom = top + 24;
    Box(cr, 18, top, 64, 24, 1);
    Fill(cr, Shade(Wood, -0.35), 0.6);
    double x = 20;
    for (int b = 0; x < 74; ++b) {
      double w = 5 + (b * 3 + shelf) % 4, h = 16 + (b * 5 + shelf * 3) % 7;
      if (shelf == 1 && b == 4) {
        Book(cr, x + 1, bottom, w, h, colours[(b + shelf * 3) % 8], 0.4);
        x += 14;
        continue;
      }
      Book(cr, x, bottom, w, h, colours[(b + shelf * 3) % 8]);
      x += w + 0.5;
    }
    Box(cr, 16, bottom, 68, 4, 1);
    Fill(cr, LightWood, 0.8);
  }
}

void Washbasin(cairo_t* cr) {
  GroundShadow(cr, 50, 95, 20, 3);
  Poly(cr, {42, 56, 58, 56, 56, 94, 44, 94});
  Fill(cr, 0xf4f6f8);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 40);
  cairo_line_to(cr, 90, 40);
  cairo_curve_to(cr, 88, 56, 74, 64, 50, 64);
  cairo_curve_to(cr, 26, 64, 12, 56, 10, 40);
  cairo_close_path(cr);
  Fill(cr, 0xf4f6f8);
  Ellipse(cr, 50, 40, 40, 9);
  Fill(cr, 0xfbfcfd);
  Ellipse(cr, 50, 41, 32, 6);
  Fill(cr, 0xd8e2ea, 0.8);
  Open(cr, {50, 34, 50, 22});
  cairo_curve_to(cr, 50, 16, 60, 16, 60, 22);
  Rod(cr, Steel, 3.2);
  Open(cr, {60, 25, 60, 38});
  Stroke(cr, 0x6fc3ff, 2.2, 0.9);
  Circle(cr, 40, 30, 3.2);
  Fill(cr, Sky, 0.8);
  Circle(cr, 60, 30, 3.2);
  Fill(cr, Red, 0.8);
  Blob(cr, {74, 36, 84, 34, 86, 38, 76, 40});
  Fill(cr, Pink, 0.8);
  for (auto [x, y, r] : {std::tuple{78.0, 30.0, 2.5}, {83.0, 27.0, 1.8}}) {
    Circle(cr, x, y, r);
    Stroke(cr, 0xffffff, 0.8);
  }
}

// A house whose roof is shown with rows of tiles.
void TiledRoof(cairo_t* cr, double left, double right, double eave, double ridge, double apexX) {
  Poly(cr, {left, eave, apexX, ridge, right, eave});
  Fill(cr, 0xd9574a);
  Poly(cr, {left, eave, apexX, ridge, right, eave});
  ClipPath(cr);
  for (double y = eave - 6; y > ridge; y -= 7)
    for (double x = left - 6 + (int((eave - y) / 7) % 2) * 4; x < right + 6; x += 8) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 4, y, 4, 0, M_PI);
      Stroke(cr, 0xa83a30, 0.8);
    }
  Unclip(cr);
}

void Roof(cairo_t* cr) {
  Box(cr, 16, 56, 68, 38, 1.5);
  Fill(cr, 0xfff1d0);
  Box(cr, 26, 64, 14, 14, 1);
  Fill(cr, Sky, 0.8);
  Box(cr, 56, 66, 14, 28, 1);
  Fill(cr, Wood, 0.8);
  Box(cr, 64, 14, 10, 24, 1);
  Fill(cr, 0xb86a4c);
  Box(cr, 62, 11, 14, 5, 1);
  Fill(cr, 0x9a5a44);
  TiledRoof(cr, 4, 96, 60, 16, 50);
  Pointer(cr, 36, 34, -2.5, 26);
}

void Chimney(cairo_t* cr) {
  for (auto [x, y, r] : {std::tuple{56.0, 14.0, 6.0}, {64.0, 8.0, 5.0}, {72.0, 4.0, 3.5}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xeef0f4, 0.95);
  }
  Poly(cr, {38, 30, 60, 22, 60, 96, 38, 96});
  cairo_new_path(cr);
  Box(cr, 38, 22, 24, 70, 1);
  Fill(cr, 0xd98a6a);
  Box(cr, 38, 22, 24, 70, 1);
  ClipPath(cr);
  for (int r = 0; r < 10; ++r) {
    double y = 22 + 7 * r;
    Open(cr, {30, y, 70, y});
    Stroke(cr, 0xb86a4c, 0.8);
    for (double x = (r % 2 ? 38 : 44); x < 62; x += 12) {
      Open(cr, {x, y, x, y + 7});
      Stroke(cr, 0xb86a4c, 0.8);
    }
  }
  Unclip(cr);
  Box(cr, 34, 16, 32, 7, 1.5);
  Fill(cr, 0x9a5a44);
  TiledRoof(cr, 2, 98, 96, 58, 2);
  Poly(cr, {38, 96, 62, 96, 62, 78, 38, 78});
  cairo_new_path(cr);
}

void Smoke(cairo_t* cr) {
  // Two chimneys on a roof, puffing big clouds of smoke.
  const double puffs[][3] = {{30, 40, 8}, {25, 29, 10}, {33, 16, 12}, {72, 42, 7}, {78, 31, 9.5}, {70, 18, 11},
                             {52, 11, 10}, {42, 8, 8}, {60, 6, 8}};
  for (const auto& p : puffs) {
    Circle(cr, p[0], p[1], p[2] + 1);
    Flat(cr, 0x8a909c, 0.8);
  }
  for (const auto& p : puffs) {
    Circle(cr, p[0], p[1], p[2]);
    Flat(cr, 0xc4c9d2);
  }
  for (const auto& p : puffs) {
    Circle(cr, p[0] - p[2] * 0.3, p[1] - p[2] * 0.3, p[2] * 0.5);
    Flat(cr, 0xe4e8ee);
  }
  for (double x : {24.0, 66.0}) {
    Box(cr, x, 46, 12, 26, 1);
    Fill(cr, 0xd98a6a);
    Box(cr, x - 2, 44, 16, 5, 1);
    Fill(cr, 0x9a5a44);
  }
  TiledRoof(cr, 2, 98, 96, 62, 50);
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

void Washtub(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 46, 4);
  for (double k : {-1.0, 1.0}) {
    Box(cr, 50 + 46 * k - 6, 34, 12, 10, 3);
    Fill(cr, Wood, 0.8);
    Circle(cr, 50 + 46 * k, 38, 2);
    Flat(cr, 0x5a3a22);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 42);
  cairo_curve_to(cr, 8, 70, 20, 86, 50, 88);
  cairo_curve_to(cr, 80, 86, 92, 70, 94, 42);
  cairo_close_path(cr);
  Fill(cr, Wood);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 42);
  cairo_curve_to(cr, 8, 70, 20, 86, 50, 88);
  cairo_curve_to(cr, 80, 86, 92, 70, 94, 42);
  cairo_close_path(cr);
  ClipPath(cr);
  for (int i = 1; i < 9; ++i) {
    double x = 6 + 88 * i / 9.0;
    Curve(cr, {x, 44, x + (x - 50) * 0.05, 66, 50 + (x - 50) * 0.8, 88});
    Stroke(cr, DarkWood, 0.8);
  }
  Unclip(cr);
  for (double t : {0.3, 0.75}) {
    Curve(cr, {6 + 3 * t, 42 + 30 * t, 50, 48 + 40 * t, 94 - 3 * t, 42 + 30 * t});
    Rod(cr, DarkSteel, 2.5, 0.6);
  }
  Ellipse(cr, 50, 42, 44, 10);
  Fill(cr, LightWood);
  Ellipse(cr, 50, 42, 40, 8);
  Fill(cr, 0x8fd0f0, 0.8);
  // Suds heaped up, and a sock over the rim.
  const double suds[][3] = {{20, 39, 7}, {30, 34, 9}, {42, 30, 10}, {55, 29, 10}, {67, 32, 9}, {79, 38, 7},
                            {36, 40, 6}, {50, 38, 7}, {63, 40, 6}};
  for (const auto& b : suds) {
    Circle(cr, b[0], b[1], b[2] + 0.9);
    Flat(cr, 0x9ab4c8, 0.8);
  }
  for (const auto& b : suds) {
    Circle(cr, b[0], b[1], b[2]);
    Flat(cr, 0xffffff);
  }
  for (auto [x, y, r] : {std::tuple{30.0, 20.0, 3.0}, {58.0, 16.0, 2.2}, {70.0, 22.0, 1.8}, {46.0, 34.0, 2.5}, {24.0, 36.0, 2.0}}) {
    Circle(cr, x, y, r);
    Stroke(cr, 0x8fb8d8, 0.7);
  }
  Blob(cr, {78, 40, 84, 38, 86, 52, 92, 58, 88, 62, 80, 56});
  Fill(cr, Red, 0.8);
}

void Barrel(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 34, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 24, 14);
  cairo_curve_to(cr, 12, 36, 12, 68, 24, 90);
  cairo_line_to(cr, 76, 90);
  cairo_curve_to(cr, 88, 68, 88, 36, 76, 14);
  cairo_close_path(cr);
  Fill(cr, Wood);
  for (int i = 1; i < 6; ++i) {
    double x = 24 + 52 * i / 6.0, bulge = (x - 50) * 0.45;
    Curve(cr, {x, 15, x + bulge, 52, x, 89});
    Stroke(cr, DarkWood, 0.8);
  }
  for (auto [y, half] : {std::pair{24.0, 31.0}, {52.0, 36.0}, {80.0, 31.0}}) {
    Curve(cr, {50 - half, y, 50, y + 4, 50 + half, y});
    Rod(cr, DarkSteel, 3, 0.7);
  }
  Ellipse(cr, 50, 14, 26, 6);
  Fill(cr, LightWood);
  Ellipse(cr, 50, 14, 21, 4.5);
  Fill(cr, Shade(LightWood, -0.08), 0.6);
  Circle(cr, 60, 14, 1.8);
  Flat(cr, DarkWood);
}

}  // namespace

Named HomeDrawings() {
  return {{"table", Table},
          {"stool", Stool},
          {"wardrobe", Wardrobe},
          {"cupboard", Cupboard},
          {"chest-of-drawers", ChestOfDrawers},
          {"drawer", Drawer},
          {"desk", Desk},
          {"bench", Bench},
          {"pouffe", Pouffe},
          {"stairs", Stairs},
          {"fence", Fence},
          {"garden-fence", GardenFence},
          {"gate", Gate},
          {"balcony", Balcony},
          {"carpet", Carpet},
          {"net-curtain", NetCurtain},
          {"radiator", Radiator},
          {"blanket", Blanket},
          {"fridge", Fridge},
          {"mat", Mat},
          {"potty", Potty},
          {"cooker-hood", CookerHood},
          {"tiled-stove", TiledStove},
          {"cellar", Cellar},
          {"attic", Attic},
          {"pillow", Pillow},
          {"washing-machine", WashingMachine},
          {"towels", Towels},
          {"hanger", Hanger},
          {"chandelier", Chandelier},
          {"sink", Sink},
          {"iron", Iron},
          {"blackboard", Blackboard},
          {"tray", Tray},
          {"grater", Grater},
          {"sieve", Sieve},
          {"dishcloth", Dishcloth},
          {"fly-papers", FlyPapers},
          {"classroom", Classroom},
          {"prison", Prison},
          {"window-grille", WindowGrille},
          {"cage", Cage},
          {"footpath", Footpath},
          {"puddle", Puddle},
          {"dam", Dam},
          {"wreck", Wreck},
          {"cooker", Cooker},
          {"kitchen", Kitchen},
          {"shelf", Shelf},
          {"bookcase", Bookcase},
          {"washbasin", Washbasin},
          {"roof", Roof},
          {"chimney", Chimney},
          {"smoke", Smoke},
          {"street", Street},
          {"tennis-court", TennisCourt},
          {"cash-register", CashRegister},
          {"washtub", Washtub},
          {"barrel", Barrel}};
}

}  // namespace datagen::words::draw
