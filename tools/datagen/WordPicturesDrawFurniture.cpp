// Word drawings: furniture and soft furnishings.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Table(cairo_t* cr);
void Stool(cairo_t* cr);
void Wardrobe(cairo_t* cr);
void Cupboard(cairo_t* cr);
void ChestOfDrawers(cairo_t* cr);
void Drawer(cairo_t* cr);
void Desk(cairo_t* cr);
void Bench(cairo_t* cr);
void Pouffe(cairo_t* cr);
void Armchair(cairo_t* cr);
void Shelf(cairo_t* cr);
void Bookcase(cairo_t* cr);
void TableLamp(cairo_t* cr);
void Chandelier(cairo_t* cr);
void Deckchair(cairo_t* cr);
void Hanger(cairo_t* cr);
void Carpet(cairo_t* cr);
void Mat(cairo_t* cr);
void Blanket(cairo_t* cr);
void Pillow(cairo_t* cr);
void Potty(cairo_t* cr);
void ChairSeat(cairo_t* cr);
void Duvet(cairo_t* cr);

}  // namespace

Named FurnitureDrawings() {
  return {
      {"table", Table},
      {"stool", Stool},
      {"wardrobe", Wardrobe},
      {"cupboard", Cupboard},
      {"chest-of-drawers", ChestOfDrawers},
      {"drawer", Drawer},
      {"desk", Desk},
      {"bench", Bench},
      {"pouffe", Pouffe},
      {"armchair", Armchair},
      {"shelf", Shelf},
      {"bookcase", Bookcase},
      {"table-lamp", TableLamp},
      {"chandelier", Chandelier},
      {"deckchair", Deckchair},
      {"hanger", Hanger},
      {"carpet", Carpet},
      {"mat", Mat},
      {"blanket", Blanket},
      {"pillow", Pillow},
      {"potty", Potty},
      {"chair-seat", ChairSeat},
      {"duvet", Duvet},
  };
}

namespace {

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

// A long heavy bench: one thick plank on three pairs of stout legs, long and
// low as no table is.
void Bench(cairo_t* cr) {
  GroundShadow(cr, 50, 80, 50, 3);
  for (double x : {10.0, 50.0, 90.0}) {
    Poly(cr, {x - 4, 56, x + 2, 56, x + 5, 80, x - 1, 80});
    Fill(cr, DarkWood);
    Poly(cr, {x - 2, 56, x + 4, 56, x + 1, 82, x - 5, 82});
    Fill(cr, Wood);
  }
  Poly(cr, {2, 46, 94, 46, 100, 52, 0, 52});
  Fill(cr, LightWood);
  Box(cr, 0, 52, 100, 7, 2);
  Fill(cr, Wood);
  for (double y : {48.5, 50.5}) {
    Curve(cr, {10, y, 40, y + 0.5, 70, y - 0.5, 92, y});
    Stroke(cr, DarkWood, 0.5, 0.6);
  }
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

void Blanket(cairo_t* cr) {
  const unsigned base = 0x6fb7e8;
  GroundShadow(cr, 50, 84, 44, 3);
  auto layer = [&](double y, double h) {
    Box(cr, 8, y, 84, h, h / 2);
    FillAndClip(cr, base);
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

void Pillow(cairo_t* cr) {
  GroundShadow(cr, 50, 82, 42, 4);
  Blob(cr, {6, 22, 30, 28, 50, 27, 70, 28, 94, 20, 88, 50, 94, 80, 70, 74, 50, 75, 30, 74, 6, 82, 12, 50});
  FillAndClip(cr, 0xfdf6ff);
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
  FillAndClip(cr, 0xffffff);
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

// A wooden chair with a cushion, the seat marked.
void ChairSeat(cairo_t* cr) {
  GroundShadow(cr, 50, 94, 34, 3);
  // Back legs and backrest, then the seat, then the front legs.
  for (double x : {30.0, 70.0}) {
    Box(cr, x - 2.5, 4, 5, 80, 2);
    Fill(cr, DarkWood);
  }
  for (double y : {10.0, 22.0}) {
    Box(cr, 30, y, 40, 6, 2);
    Fill(cr, Wood);
  }
  Glow(cr, 50, 56, 40, 16);
  Poly(cr, {30, 50, 70, 50, 82, 62, 18, 62});
  Fill(cr, LightWood);
  Blob(cr, {32, 48, 68, 48, 78, 56, 70, 62, 30, 62, 22, 56});
  Fill(cr, Red);
  Curve(cr, {32, 55, 50, 57, 68, 55});
  Stroke(cr, Shade(Red, -0.25), 1);
  Box(cr, 18, 62, 64, 5, 1.5);
  Fill(cr, Wood);
  for (double x : {21.0, 79.0}) {
    Box(cr, x - 3, 66, 6, 28, 2);
    Fill(cr, Wood);
  }
  Pointer(cr, 84, 54, -0.4, 16);
}

// A bed made up with a puffy quilted duvet, the duvet marked.
void Duvet(cairo_t* cr) {
  const unsigned cover = 0x8fc8f8, stitch = 0x5a98d8;
  GroundShadow(cr, 50, 92, 46, 3);
  Box(cr, 4, 30, 10, 62, 3);
  Fill(cr, Wood);
  Box(cr, 90, 52, 8, 40, 3);
  Fill(cr, Wood);
  Box(cr, 10, 60, 84, 22, 2);
  Fill(cr, 0xf4f4f4);
  Blob(cr, {14, 38, 26, 34, 34, 40, 30, 50, 16, 50});
  Fill(cr, 0xffffff);
  Glow(cr, 60, 58, 42, 22);
  Blob(cr, {30, 44, 50, 40, 74, 42, 96, 46, 98, 62, 92, 80, 60, 82, 30, 80, 24, 62});
  FillAndClip(cr, cover);
  for (double x = 20; x < 110; x += 14) {
    Open(cr, {x, 40, x - 22, 84});
    Stroke(cr, stitch, 0.8);
    Open(cr, {x - 22, 40, x, 84});
    Stroke(cr, stitch, 0.8);
  }
  Unclip(cr);
  // Its edge folded back at the top.
  Blob(cr, {28, 44, 50, 40, 74, 42, 96, 46, 94, 52, 72, 50, 50, 50, 30, 52});
  Fill(cr, 0xffffff);
  Pointer(cr, 70, 30, -1.6, 18);
}

}  // namespace

}  // namespace datagen::words::draw
