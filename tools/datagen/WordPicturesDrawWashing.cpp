// Word drawings: washing, grooming and the medicine shelf.
#include <cmath>
#include <tuple>

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
void ViolinCase(cairo_t* cr);
void CodLiverOil(cairo_t* cr);
void Tap(cairo_t* cr);
void CreamJar(cairo_t* cr);
void Shampoo(cairo_t* cr);
void Perfume(cairo_t* cr);
void Deodorant(cairo_t* cr);
void RazorBlade(cairo_t* cr);
void Tablets(cairo_t* cr);

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
      {"violin-case", ViolinCase},
      {"cod-liver-oil", CodLiverOil},
      {"tap", Tap},
      {"cream-jar", CreamJar},
      {"shampoo", Shampoo},
      {"perfume", Perfume},
      {"deodorant", Deodorant},
      {"razor-blade", RazorBlade},
      {"tablets", Tablets},
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
  FillAndClip(cr, 0x5ea8e8);
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

// A fly at (x, y), its head towards the angle: see-through wings, a dark body,
// red eyes.
void Fly(cairo_t* cr, double x, double y, double angle, double s = 1) {
  Push(cr, x, y, angle, s);
  for (double k : {-1.0, 1.0}) {
    Push(cr, -1, 1.5 * k, 2.6 * k);
    Ellipse(cr, 5, 0, 5.5, 2.4);
    Pop(cr);
    Fill(cr, 0xe8f4ff, 0.5);
    Open(cr, {2, 2.5 * k, 4, 5.5 * k});
    Stroke(cr, Ink, 0.7);
    Open(cr, {-2, 2.5 * k, -3, 5.5 * k});
    Stroke(cr, Ink, 0.7);
  }
  Ellipse(cr, -1.5, 0, 4.5, 2.8);
  Fill(cr, 0x3a3438, 0.6);
  Circle(cr, 3.8, 0, 2.2);
  Fill(cr, 0x3a3438, 0.6);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 4.8, 1.4 * k, 1.1);
    Flat(cr, 0xc0392b);
  }
  Pop(cr);
}

// Two sticky strips hanging from the ceiling, twisting as they hang, flies
// caught on them and one more flying by.
void FlyPapers(cairo_t* cr) {
  Box(cr, -4, 0, 108, 5, 0);
  Fill(cr, 0xf2ede4);
  for (double cx : {32.0, 68.0}) {
    const double top = cx < 50 ? 5 : 9, bottom = cx < 50 ? 92 : 82;
    Open(cr, {cx, 5, cx, top + 2});
    Stroke(cr, Ink, 1);
    Box(cr, cx - 5, top + 2, 10, 6, 2);
    Fill(cr, Red);
    // The strip: a ribbon twisting round, broad where it faces us, narrow
    // where it shows its edge.
    const int turns = 7;
    const double step = (bottom - top - 8) / turns;
    for (int i = 0; i < turns; ++i) {
      const double y = top + 8 + step * i;
      const bool face = i % 2 == 0;
      const double w = face ? 7 : 4;
      Poly(cr, {cx - w, y, cx + w, y, cx + (face ? 4 : 7), y + step, cx - (face ? 4 : 7), y + step});
      Fill(cr, face ? 0xf6c343 : 0xd99a22, 0.7);
    }
    Gleam(cr, cx - 2, top + 30, 1.5, 14, 0, 0.5);
  }
  for (auto [x, y, a] : std::vector<std::tuple<double, double, double>>{
           {30, 24, -1.2}, {35, 50, -2.0}, {29, 76, -1.6}, {66, 36, -1.4}, {70, 62, -1.9}})
    Fly(cr, x, y, a, 1.15);
  Fly(cr, 88, 22, -2.6, 1.2);
  for (double k : {0.0, 1.0}) {
    Curve(cr, {96 - 3 * k, 28 + 4 * k, 98, 36 + 4 * k, 94, 42 + 4 * k});
    Stroke(cr, Ink, 0.8, 0.5);
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
  FillAndClip(cr, Wood);
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

// An open violin case: the lid up behind, lined in velvet, the violin and
// its bow lying in the fitted bed.
void ViolinCase(cairo_t* cr) {
  const unsigned shell = 0x3a3438, velvet = 0xc0392b;
  GroundShadow(cr, 50, 92, 46, 3);
  // The lid, open, seen from inside.
  Blob(cr, {8, 48, 14, 20, 40, 10, 70, 14, 92, 24, 94, 48});
  Fill(cr, shell);
  Blob(cr, {13, 46, 18, 24, 40, 15, 70, 19, 88, 28, 89, 46});
  Fill(cr, Shade(velvet, -0.15));
  Open(cr, {22, 34, 84, 30});
  Rod(cr, DarkWood, 2);
  Open(cr, {22, 34, 22, 30});
  Stroke(cr, Ink, 1);
  // The case's body, its velvet bed and the violin in it.
  Blob(cr, {4, 60, 10, 48, 50, 46, 90, 46, 97, 58, 94, 80, 80, 88, 20, 88, 6, 80});
  Fill(cr, shell);
  Blob(cr, {10, 62, 14, 52, 50, 50, 88, 50, 92, 60, 88, 78, 76, 83, 24, 83, 12, 76});
  Fill(cr, velvet);
  Push(cr, 46, 67, 0, 1);
  Blob(cr, {-30, -9, -20, -13, -11, -8, -4, -11, 6, -11, 12, -8, 18, -11, 26, -6, 26, 6, 18, 11, 12, 8, 6, 11, -4, 11, -11, 8,
            -20, 13, -30, 9, -34, 0});
  Fill(cr, 0xc7722e);
  Box(cr, 22, -2, 24, 4, 1.5);
  Fill(cr, 0x2d2a32);
  Circle(cr, 48, 0, 3);
  Fill(cr, 0x6a3d1e);
  for (double k : {-1.0, 1.0}) {
    Curve(cr, {-3, 5 * k, 0, 3 * k, 3, 5 * k});
    Stroke(cr, Ink, 1.2);
  }
  for (double y : {-1.5, -0.5, 0.5, 1.5}) {
    Open(cr, {-22, y, 44, y});
    Stroke(cr, 0xeeeeee, 0.4);
  }
  Box(cr, -26, -5, 4, 10, 1);
  Fill(cr, 0x2d2a32);
  Pop(cr);
  Knob(cr, 50, 87, 2.5);
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

// Soap bubbles: rings with a gleam.
void Bubbles(cairo_t* cr, std::initializer_list<std::tuple<double, double, double>> bubbles) {
  for (auto [x, y, r] : bubbles) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffffff, 0.35);
    Circle(cr, x, y, r);
    Stroke(cr, 0x6fa8d8, 0.8, 0.8);
    Gleam(cr, x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.2, -0.6, 0.9);
  }
}

// A chrome tap with cross handles, water running from it.
void Tap(cairo_t* cr) {
  Box(cr, 4, 86, 92, 10, 3);
  Fill(cr, 0xe8eef2);
  // The water, then the tap in front of it.
  Open(cr, {80, 44, 80, 86});
  Stroke(cr, 0x6fc3ff, 6, 0.8);
  Open(cr, {79, 48, 79, 84});
  Stroke(cr, 0xffffff, 1.4, 0.7);
  Ellipse(cr, 80, 87, 10, 2.5);
  Flat(cr, 0x6fc3ff, 0.7);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 80 + 10 * k, 80, 1.6);
    Flat(cr, 0x6fc3ff, 0.8);
  }
  Box(cr, 22, 40, 16, 46, 4);
  Fill(cr, Steel);
  Cylinder(cr, 30, 84, 14, 3.5, 4, Steel, DarkSteel);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 30, 40);
  cairo_curve_to(cr, 30, 20, 80, 18, 80, 42);
  Rod(cr, Steel, 8);
  Box(cr, 74, 40, 12, 5, 2);
  Fill(cr, DarkSteel);
  // The cross handles, hot and cold.
  for (auto [x, dot] : {std::pair{14.0, 0x5b9bf0u}, {46.0, 0xff5e57u}}) {
    Open(cr, {x - 8, 58, x + 8, 58});
    Rod(cr, Steel, 4);
    Open(cr, {x, 50, x, 66});
    Rod(cr, Steel, 4);
    Circle(cr, x, 58, 4);
    Fill(cr, dot);
  }
  Gleam(cr, 26, 62, 1.5, 14, 0, 0.7);
}

// A round jar of face cream, its lid off.
void CreamJar(cairo_t* cr) {
  const unsigned pot = 0xf5b8d0;
  GroundShadow(cr, 46, 92, 44, 3);
  // The lid leaning at the back.
  Push(cr, 76, 46, 0.35);
  Ellipse(cr, 0, 0, 16, 34);
  Fill(cr, Shade(pot, -0.1));
  Ellipse(cr, -3, 0, 12, 28);
  Fill(cr, Shade(pot, 0.2), 0.6);
  Pop(cr);
  Cylinder(cr, 42, 54, 38, 11, 34, 0xffffff, pot);
  Ellipse(cr, 42, 54, 33, 8.5);
  Fill(cr, 0xfffdf8, 0.6);
  // A swirl of cream on top.
  Blob(cr, {26, 52, 34, 42, 46, 40, 58, 44, 60, 52, 48, 56, 34, 56});
  Fill(cr, 0xfffdf8, 0.8);
  Curve(cr, {34, 50, 42, 44, 52, 46, 48, 50});
  Stroke(cr, Shade(0xfffdf8, -0.15), 1);
  Gleam(cr, 12, 72, 2, 9, 0, 0.5);
  Box(cr, 24, 70, 36, 10, 5);
  Fill(cr, 0xffffff, 0.6);
  Circle(cr, 42, 75, 3);
  Flat(cr, Pink);
}

// A squeezy bottle of shampoo with a flip cap, foaming.
void Shampoo(cairo_t* cr) {
  const unsigned plastic = 0x5fc8b0;
  GroundShadow(cr, 50, 95, 30, 3);
  Box(cr, 40, 2, 20, 14, 4);
  Fill(cr, 0xf2f2f2);
  Box(cr, 42, 0, 16, 4, 2);
  Fill(cr, 0xd8d8d8);
  Blob(cr, {36, 14, 64, 14, 76, 28, 78, 88, 70, 94, 30, 94, 22, 88, 24, 28});
  Fill(cr, plastic);
  Box(cr, 32, 42, 36, 32, 5);
  Fill(cr, 0xffffff, 0.7);
  cairo_move_to(cr, 50, 48);
  cairo_curve_to(cr, 44, 56, 42, 62, 50, 66);
  cairo_curve_to(cr, 58, 62, 56, 56, 50, 48);
  cairo_close_path(cr);
  Fill(cr, 0xffd23f, 0.6);
  Gleam(cr, 30, 30, 2, 12, 0.2, 0.5);
  Bubbles(cr, {{14, 84, 7}, {8, 70, 4.5}, {86, 80, 8}, {92, 64, 5}, {80, 12, 6}, {20, 20, 4}, {88, 36, 3.5}});
}

// A cut-glass bottle of perfume with its puffer.
void Perfume(cairo_t* cr) {
  const unsigned scent = 0xff9acb;
  GroundShadow(cr, 46, 95, 34, 3);
  // The puffer on its tube.
  Curve(cr, {52, 26, 66, 18, 80, 22, 86, 34});
  Stroke(cr, 0xc8a040, 1.6);
  Ellipse(cr, 88, 44, 8, 11);
  Fill(cr, 0xd85a9a);
  Box(cr, 40, 14, 14, 16, 2);
  Fill(cr, 0xe8c060);
  Box(cr, 38, 10, 18, 6, 2);
  Fill(cr, 0xf2d070);
  Poly(cr, {18, 40, 30, 28, 64, 28, 76, 40, 76, 84, 66, 94, 28, 94, 18, 84});
  Flat(cr, 0xffffff, 0.55);
  Poly(cr, {20, 52, 74, 52, 74, 84, 65, 92, 29, 92, 20, 84});
  Flat(cr, scent, 0.85);
  Poly(cr, {18, 40, 30, 28, 64, 28, 76, 40, 76, 84, 66, 94, 28, 94, 18, 84});
  Edge(cr);
  Poly(cr, {30, 40, 64, 40, 64, 82, 30, 82});
  Stroke(cr, 0xffffff, 1.2, 0.7);
  Gleam(cr, 26, 62, 2, 14, 0, 0.7);
  for (auto [x, y, r] : {std::tuple{12.0, 20.0, 5.0}, {84.0, 70.0, 4.0}, {8.0, 60.0, 3.5}}) {
    Star(cr, x, y, r, r * 0.3, 4);
    Flat(cr, 0xffffff, 0.95);
  }
}

// A spray can of deodorant, puffing a cloud.
void Deodorant(cairo_t* cr) {
  const unsigned can = 0x4a7fd8;
  GroundShadow(cr, 34, 96, 24, 3);
  // The spray.
  for (auto [x, y, r] : {std::tuple{56.0, 16.0, 5.0}, {66.0, 12.0, 7.0}, {78.0, 14.0, 9.0}, {90.0, 20.0, 8.0}, {74.0, 26.0, 7.0},
                         {86.0, 32.0, 6.0}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffffff, 0.65);
  }
  for (auto [x, y] : {std::pair{60.0, 22.0}, {70.0, 4.0}, {96.0, 10.0}, {94.0, 34.0}, {64.0, 32.0}}) {
    Circle(cr, x, y, 1.3);
    Flat(cr, 0xffffff, 0.9);
  }
  Cylinder(cr, 34, 30, 18, 5, 64, Shade(can, 0.2), can);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 16, 30);
  cairo_curve_to(cr, 16, 10, 52, 10, 52, 30);
  cairo_close_path(cr);
  Fill(cr, 0xf2f2f2);
  Box(cr, 40, 14, 10, 7, 2);
  Fill(cr, 0xd8d8d8);
  Curve(cr, {16, 60, 26, 54, 36, 62, 46, 56, 52, 58});
  Stroke(cr, 0xffffff, 2.4, 0.9);
  Curve(cr, {16, 68, 26, 62, 36, 70, 46, 64, 52, 66});
  Stroke(cr, 0xffffff, 1.4, 0.7);
  Gleam(cr, 22, 58, 2, 18, 0, 0.45);
}

// A razor blade: a thin steel plate with the cut-out down its middle.
void RazorBlade(cairo_t* cr) {
  Push(cr, 50, 50, -0.3);
  Box(cr, -44, -22, 88, 44, 3);
  Fill(cr, 0xdfe6ec);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {-44, 18 * k, -38, 14 * k, 38, 14 * k, 44, 18 * k});
    Flat(cr, 0xf6f9fb);
  }
  // The cut-out: a slot with round ends and a hole in the middle.
  Box(cr, -30, -3, 60, 6, 3);
  Flat(cr, 0x5a6670, 0.8);
  Circle(cr, 0, 0, 7);
  Flat(cr, 0x5a6670, 0.8);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {44 * k, -6, 37 * k, 0, 44 * k, 6});
    Flat(cr, 0x5a6670, 0.8);
  }
  Box(cr, -44, -22, 88, 44, 3);
  Edge(cr);
  Gleam(cr, -20, -10, 18, 2, 0, 0.8);
  Pop(cr);
}

// White tablets: a strip in its foil and a few loose ones.
void Tablets(cairo_t* cr) {
  Push(cr, 40, 40, -0.25);
  Box(cr, -36, -26, 72, 52, 4);
  Fill(cr, 0xc8d0d8);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 4; ++col) {
      const double x = -25 + 16.7 * col, y = -12 + 24 * row;
      Circle(cr, x, y, 7);
      if (row == 1 && col == 3) {
        Flat(cr, Shade(0xc8d0d8, -0.15));
        continue;
      }
      Fill(cr, 0xf8f8f6, 0.8);
      Gleam(cr, x - 2, y - 3, 3, 1.5, -0.4, 0.9);
    }
  Pop(cr);
  for (auto [x, y, a] : {std::tuple{72.0, 78.0, 0.3}, {88.0, 64.0, -0.5}, {60.0, 94.0, 1.0}}) {
    Push(cr, x, y, a);
    Ellipse(cr, 0, 0, 8, 8);
    Fill(cr, 0xf8f8f6);
    Open(cr, {-6, 0, 6, 0});
    Stroke(cr, 0xb8c0c8, 1);
    Pop(cr);
  }
}

}  // namespace

}  // namespace datagen::words::draw
