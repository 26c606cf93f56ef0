// Word drawings: the house, its rooms and its fences.
#include <cmath>
#include <utility>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Stairs(cairo_t* cr);
void Fence(cairo_t* cr);
void GardenFence(cairo_t* cr);
void Gate(cairo_t* cr);
void Balcony(cairo_t* cr);
void Roof(cairo_t* cr);
void Chimney(cairo_t* cr);
void Smoke(cairo_t* cr);
void Cellar(cairo_t* cr);
void Attic(cairo_t* cr);
void Classroom(cairo_t* cr);
void Prison(cairo_t* cr);
void WindowGrille(cairo_t* cr);
void Cage(cairo_t* cr);
void NetCurtain(cairo_t* cr);
void Radiator(cairo_t* cr);
void Kennel(cairo_t* cr);
void Room(cairo_t* cr);
void Lift(cairo_t* cr);
void Henhouse(cairo_t* cr);
void Shelter(cairo_t* cr);
void Brick(cairo_t* cr);
void Hotel(cairo_t* cr);

}  // namespace

Named HouseDrawings() {
  return {
      {"stairs", Stairs},
      {"fence", Fence},
      {"garden-fence", GardenFence},
      {"gate", Gate},
      {"balcony", Balcony},
      {"roof", Roof},
      {"chimney", Chimney},
      {"smoke", Smoke},
      {"cellar", Cellar},
      {"attic", Attic},
      {"classroom", Classroom},
      {"prison", Prison},
      {"window-grille", WindowGrille},
      {"cage", Cage},
      {"net-curtain", NetCurtain},
      {"radiator", Radiator},
      {"kennel", Kennel},
      {"room", Room},
      {"lift", Lift},
      {"henhouse", Henhouse},
      {"shelter", Shelter},
      {"brick", Brick},
      {"hotel-building", Hotel},
  };
}

namespace {

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
  BrickWall(cr, 3, 56, 94, 30, 7.5, 16, 2);
  Box(cr, 4, 30, 92, 5, 1.5);
  Fill(cr, 0xdfe8ee);
  for (int i = 0; i < 8; ++i) Picket(cr, 5 + 11.7 * i, 16, 58, 8, White, true);
  Box(cr, 2, 50, 96, 7, 2);
  Fill(cr, 0xc9bfb3);
  for (auto [x, c] : {std::pair{20.0, Pink}, {52.0, Yellow}, {80.0, Purple}}) {
    Open(cr, {x, 52, x, 38});
    Rod(cr, Grass, 1.4, 0.6);
    Blossom(cr, x, 36, 3.5, c, Orange);
  }
}

void Gate(cairo_t* cr) {
  GroundShadow(cr, 50, 93, 48, 3);
  for (double x : {3.0, 81.0}) {
    BrickWall(cr, x, 20, 16, 72, 8, 12, 1.5);
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
  FillAndClip(cr, stone);
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

// A house whose roof is shown with rows of tiles.
void TiledRoof(cairo_t* cr, double left, double right, double eave, double ridge, double apexX) {
  Poly(cr, {left, eave, apexX, ridge, right, eave});
  FillAndClip(cr, 0xd9574a);
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
  BrickWall(cr, 38, 22, 24, 70, 7, 12);
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

// A child's room seen through its open front: a bed, a window, a rug.
void Room(cairo_t* cr) {
  const double l = 24, r = 76, t = 18, b = 62;
  Poly(cr, {4, 4, 96, 4, r, t, l, t});
  Fill(cr, 0xfaf6ee);
  Poly(cr, {4, 4, l, t, l, b, 4, 96});
  Fill(cr, 0xf8d9a0);
  Poly(cr, {96, 4, r, t, r, b, 96, 96});
  Fill(cr, 0xf8d9a0);
  Poly(cr, {l, t, r, t, r, b, l, b});
  Fill(cr, 0xfbe6bd);
  Poly(cr, {l, b, r, b, 96, 96, 4, 96});
  Fill(cr, LightWood);
  for (double k : {0.25, 0.5, 0.75}) {
    Open(cr, {l + (r - l) * k, b, 4 + 92 * k, 96});
    Stroke(cr, Wood, 0.8);
  }
  // A window with curtains on the back wall.
  Box(cr, 52, 24, 18, 20, 1);
  Fill(cr, Sky);
  Open(cr, {61, 24, 61, 44, 52, 34, 70, 34});
  Stroke(cr, 0xffffff, 1.4);
  for (double x : {49.0, 68.0}) {
    Box(cr, x, 22, 5, 26, 2);
    Fill(cr, Pink, 0.7);
  }
  // A picture on the left wall.
  Poly(cr, {9, 24, 18, 26, 18, 40, 9, 40});
  Fill(cr, Yellow, 0.7);
  Poly(cr, {11, 28, 16, 29, 16, 37, 11, 37});
  Flat(cr, Grass);
  // The bed along the back wall, a rug on the floor, a lamp.
  Box(cr, 26, 42, 6, 24, 1.5);
  Fill(cr, Wood);
  Poly(cr, {30, 56, 48, 56, 52, 74, 22, 74});
  Fill(cr, 0x7db8f0);
  Poly(cr, {22, 74, 52, 74, 52, 80, 22, 80});
  Fill(cr, Shade(0x7db8f0, -0.15));
  Ellipse(cr, 36, 57, 6, 3);
  Fill(cr, 0xffffff);
  Ellipse(cr, 64, 84, 16, 6);
  Fill(cr, Red, 0.8);
  Ellipse(cr, 64, 84, 10, 3.5);
  Flat(cr, Yellow, 0.8);
  Open(cr, {72, 62, 72, 46});
  Stroke(cr, DarkSteel, 1.2);
  Poly(cr, {67, 40, 77, 40, 79, 47, 65, 47});
  Fill(cr, Yellow);
}

// A lift: its doors open on the lit car, the call buttons beside.
void Lift(cairo_t* cr) {
  Box(cr, 4, 6, 92, 90, 2);
  Fill(cr, 0xe8e2d8);
  Box(cr, 14, 20, 54, 76, 2);
  Fill(cr, DarkSteel);
  Box(cr, 18, 24, 46, 72, 1);
  Fill(cr, 0xfff1c8);
  Box(cr, 18, 84, 46, 12, 0);
  Flat(cr, 0xd8c8a8);
  Open(cr, {22, 58, 60, 58});
  Rod(cr, Steel, 2);
  Box(cr, 30, 28, 22, 3, 1.5);
  Flat(cr, 0xffffff, 0.9);
  // The doors slid half open.
  for (double x : {18.0, 53.0}) {
    Box(cr, x, 24, 11, 72, 0.5);
    Fill(cr, Steel);
    Gleam(cr, x + 3, 60, 1, 28, 0, 0.5);
  }
  // Above: which way it goes; beside: the buttons.
  Box(cr, 30, 9, 22, 8, 2);
  Fill(cr, 0x3a3438);
  Poly(cr, {36, 15, 39, 11, 42, 15});
  Flat(cr, 0x7df07d);
  Poly(cr, {44, 11, 47, 15, 50, 11});
  Flat(cr, 0x6a7a6a);
  Box(cr, 74, 44, 12, 24, 2);
  Fill(cr, Steel);
  for (auto [y, up] : {std::pair{52.0, true}, {61.0, false}}) {
    Circle(cr, 80, y, 4);
    Fill(cr, 0xf4f4f4);
    if (up) Poly(cr, {77.5, y + 1.5, 80, y - 2, 82.5, y + 1.5});
    else Poly(cr, {77.5, y - 1.5, 80, y + 2, 82.5, y - 1.5});
    Flat(cr, Orange);
  }
}

// A hen, facing left, its feet at (x, y).
void Hen(cairo_t* cr, double x, double y, double s) {
  Push(cr, x, y, 0, s);
  for (double dx : {-3.0, 3.0}) {
    Open(cr, {dx, -10, dx, 0});
    Stroke(cr, Orange, 1.6);
  }
  Blob(cr, {10, -28, 18, -36, 20, -24, 14, -14});
  Fill(cr, 0xf4f0e8);
  Blob(cr, {-12, -24, 0, -22, 14, -24, 16, -14, 6, -8, -8, -10});
  Fill(cr, 0xfbf8f2);
  Circle(cr, -12, -28, 7);
  Fill(cr, 0xfbf8f2);
  Blob(cr, {-16, -35, -14, -39, -11, -36, -8, -39, -7, -34});
  Fill(cr, Red, 0.6);
  Poly(cr, {-18, -29, -24, -27, -18, -25});
  Fill(cr, Orange, 0.6);
  Ellipse(cr, -16, -22, 2, 3);
  Fill(cr, Red, 0.6);
  Circle(cr, -13, -29, 1.2);
  Flat(cr, 0x2d2a32);
  Curve(cr, {-2, -18, 6, -16, 10, -20});
  Stroke(cr, Shade(0xfbf8f2, -0.2), 1);
  Pop(cr);
}

// A wooden henhouse on legs, its little ladder down to the grass, a hen on it.
void Henhouse(cairo_t* cr) {
  Box(cr, 2, 88, 96, 8, 4);
  Fill(cr, Grass);
  for (double x : {24.0, 76.0}) {
    Box(cr, x - 2.5, 64, 5, 26, 1);
    Fill(cr, DarkWood);
  }
  Box(cr, 16, 34, 68, 34, 1.5);
  Fill(cr, Wood);
  for (double y = 42; y < 68; y += 8) {
    Open(cr, {16, y, 84, y});
    Stroke(cr, DarkWood, 0.8);
  }
  Box(cr, 16, 34, 68, 34, 1.5);
  Edge(cr);
  Poly(cr, {8, 38, 50, 10, 92, 38});
  Fill(cr, 0xb5543a);
  Box(cr, 40, 46, 16, 18, 2);
  Fill(cr, 0x3a2a22);
  // The ladder with its slats.
  Poly(cr, {40, 64, 56, 64, 30, 90, 14, 90});
  Fill(cr, LightWood);
  for (double t : {0.2, 0.45, 0.7, 0.92}) {
    Open(cr, {40 - 26 * t, 64 + 26 * t, 56 - 26 * t, 64 + 26 * t});
    Stroke(cr, DarkWood, 1.2);
  }
  Box(cr, 62, 44, 14, 10, 1);
  Fill(cr, Sky);
  Hen(cr, 30, 80, 0.9);
}

// A children's shelter of sticks leaning together, covered with leafy branches.
void Shelter(cairo_t* cr) {
  Box(cr, 0, 86, 100, 10, 4);
  Fill(cr, Grass);
  for (int k = 0; k < 9; ++k) {  // the sticks, crossed at the top
    const double x = 10 + 10 * k;
    Open(cr, {x, 90, 50 + (x - 50) * -0.2, 8});
    Rod(cr, k % 2 ? DarkWood : Wood, 3);
  }
  Poly(cr, {50, 14, 88, 88, 12, 88});
  Fill(cr, Wood);
  for (int row = 0; row < 6; ++row)
    for (int i = 0; i <= row + 1; ++i) {
      const double y = 24 + 12 * row, half = 6 + 6.5 * row;
      const double x = 50 - half + (2 * half) * i / (row + 1);
      LeafAt(cr, x, y, (i % 2 ? 1.9 : 1.2) + row * 0.05, 13, 5, i % 3 ? Leaf : DarkGrass);
    }
  // The dark way in.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 38, 88);
  cairo_curve_to(cr, 40, 66, 46, 56, 50, 56);
  cairo_curve_to(cr, 54, 56, 60, 66, 62, 88);
  cairo_close_path(cr);
  Fill(cr, 0x3a2a22);
  GrassTufts(cr, 90, 4, 30);
  GrassTufts(cr, 90, 70, 96);
}

// One red brick, a little rough, seen from above and the side.
void Brick(cairo_t* cr) {
  const unsigned clay = 0xc8583a;
  GroundShadow(cr, 50, 82, 46, 4);
  Poly(cr, {6, 44, 66, 44, 94, 30, 34, 30});
  Fill(cr, Shade(clay, 0.2));
  Poly(cr, {66, 44, 94, 30, 94, 62, 66, 78});
  Fill(cr, Shade(clay, -0.15));
  Box(cr, 6, 44, 60, 34, 1);
  Fill(cr, clay);
  for (auto [x, y] : {std::pair{14.0, 52.0}, {26.0, 66.0}, {40.0, 56.0}, {52.0, 70.0}, {58.0, 50.0}, {20.0, 72.0}, {74.0, 52.0},
                      {84.0, 60.0}, {78.0, 66.0}, {30.0, 36.0}, {56.0, 38.0}, {74.0, 34.0}}) {
    Circle(cr, x, y, 1.2);
    Flat(cr, Shade(clay, -0.3), 0.6);
  }
  Gleam(cr, 44, 37, 16, 2, -0.2, 0.3);
}

// A hotel: many windows, an awning over the door, a sign with a bed and
// stars, a suitcase waiting.
void Hotel(cairo_t* cr) {
  GroundShadow(cr, 50, 96, 46, 3);
  Box(cr, 14, 8, 62, 88, 2);
  Fill(cr, 0xf2e2c8);
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 4; ++col) {
      Box(cr, 19 + 14 * col, 14 + 12 * row, 10, 8, 1);
      Fill(cr, (row + col) % 3 ? Sky : Yellow, 0.6);
    }
  Box(cr, 36, 76, 18, 20, 1);
  Fill(cr, 0x8fd3ff);
  Open(cr, {45, 76, 45, 96});
  Stroke(cr, Steel, 1.2);
  Poly(cr, {30, 70, 60, 70, 64, 78, 26, 78});
  Fill(cr, Red);
  // The sign standing out from the wall: a bed, three stars.
  Box(cr, 78, 12, 20, 40, 3);
  Fill(cr, 0x3f5fa8);
  Box(cr, 80, 15, 2.5, 13, 1);
  Flat(cr, 0xffffff);
  Box(cr, 80, 22, 16, 3.5, 1);
  Flat(cr, 0xffffff);
  Box(cr, 94, 22, 2, 6, 1);
  Flat(cr, 0xffffff);
  Ellipse(cr, 85.5, 20, 2.6, 1.6);
  Flat(cr, 0xffffff);
  Blob(cr, {88, 22, 90, 18.5, 95, 19, 96, 22});
  Flat(cr, 0xffffff);
  for (int k = 0; k < 3; ++k) {
    Star(cr, 88, 32 + 7 * k, 3, 1.3);
    Flat(cr, Yellow);
  }
  Open(cr, {76, 16, 78, 16});
  Stroke(cr, DarkSteel, 2);
  // The suitcase by the door.
  Box(cr, 62, 80, 14, 14, 2);
  Fill(cr, Orange);
  Curve(cr, {65, 80, 65, 76, 73, 76, 73, 80});
  Stroke(cr, 0x5a3a2a, 1.4);
}

}  // namespace

}  // namespace datagen::words::draw
