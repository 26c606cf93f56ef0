// Word drawings: washing, grooming and the medicine shelf.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Washbasin(cairo_t* cr);
void Washtub(cairo_t* cr);
void Barrel(cairo_t* cr);
void WashingMachine(cairo_t* cr);
void Towels(cairo_t* cr);
void Iron(cairo_t* cr);
void WashingPowder(cairo_t* cr);
void FlyPapers(cairo_t* cr);
void Comb(cairo_t* cr);
void Dummy(cairo_t* cr);
void GlassesCase(cairo_t* cr);
void CodLiverOil(cairo_t* cr);

}  // namespace

Named WashingDrawings() {
  return {
      {"washbasin", Washbasin},
      {"washtub", Washtub},
      {"barrel", Barrel},
      {"washing-machine", WashingMachine},
      {"towels", Towels},
      {"iron", Iron},
      {"washing-powder", WashingPowder},
      {"fly-papers", FlyPapers},
      {"comb", Comb},
      {"dummy", Dummy},
      {"glasses-case", GlassesCase},
      {"cod-liver-oil", CodLiverOil},
  };
}

namespace {

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

}  // namespace

}  // namespace datagen::words::draw
