// Word drawings: animals.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Mole(cairo_t* cr);
void Lynx(cairo_t* cr);
void Ostrich(cairo_t* cr);
void Stork(cairo_t* cr);
void Heron(cairo_t* cr);
void Gull(cairo_t* cr);
void Tit(cairo_t* cr);
void Wasp(cairo_t* cr);
void Sting(cairo_t* cr);
void Catfish(cairo_t* cr);
void Swallow(cairo_t* cr);
void Crane(cairo_t* cr);
void Calf(cairo_t* cr);
void Foal(cairo_t* cr);
void RoeDeer(cairo_t* cr);
void Hare(cairo_t* cr);
void BearPaw(cairo_t* cr);
void KittenPaw(cairo_t* cr);
void LittleFrog(cairo_t* cr);

}  // namespace

Named CreatureDrawings() {
  return {
      {"mole", Mole},
      {"lynx", Lynx},
      {"ostrich", Ostrich},
      {"stork", Stork},
      {"heron", Heron},
      {"gull", Gull},
      {"tit", Tit},
      {"wasp", Wasp},
      {"sting", Sting},
      {"catfish", Catfish},
      {"swallow", Swallow},
      {"crane", Crane},
      {"calf", Calf},
      {"foal", Foal},
      {"roe-deer", RoeDeer},
      {"hare", Hare},
      {"bear-paw", BearPaw},
      {"kitten-paw", KittenPaw},
      {"little-frog", LittleFrog},
  };
}

namespace {

constexpr unsigned Eye = 0x2d2a32;

void EyeAt(cairo_t* cr, double x, double y, double r) {
  Circle(cr, x, y, r);
  Flat(cr, Eye);
  Circle(cr, x - r * 0.35, y - r * 0.35, r * 0.35);
  Flat(cr, 0xffffff);
}

void Mole(cairo_t* cr) {
  const unsigned fur = 0x4a4452, soil = 0x9a6a48;
  // The mole climbing out of its hill.
  Blob(cr, {50, 20, 70, 26, 76, 44, 74, 66, 50, 72, 26, 66, 24, 44, 30, 26});
  Fill(cr, fur);
  Gleam(cr, 40, 34, 6, 3, -0.5, 0.25);
  Blob(cr, {4, 96, 14, 74, 30, 62, 50, 58, 70, 62, 86, 74, 96, 96});
  Fill(cr, soil);
  for (auto [x, y] : {std::pair{30.0, 82.0}, {62.0, 76.0}, {76.0, 88.0}, {44.0, 90.0}}) {
    Ellipse(cr, x, y, 3, 2);
    Flat(cr, Shade(soil, -0.25));
  }
  // Big pink digging hands on the soil.
  for (double k : {-1.0, 1.0}) {
    Push(cr, 50 + 22 * k, 64, k * 0.3);
    Blob(cr, {-9, 2, -8, -6, 0, -8, 8, -6, 9, 2, 0, 6});
    Fill(cr, 0xf7a8b8);
    for (int f = -2; f <= 2; ++f) {
      Open(cr, {f * 3.5, -6, f * 4.2, -11});
      Rod(cr, 0xf7a8b8, 2, 0.6);
    }
    Pop(cr);
  }
  // The snout and small eyes.
  Ellipse(cr, 50, 46, 9, 6);
  Fill(cr, Shade(fur, 0.15));
  Ellipse(cr, 50, 40, 4.5, 3.5);
  Fill(cr, 0xff8fa8);
  for (double k : {-1.0, 1.0}) {
    EyeAt(cr, 50 + 10 * k, 34, 1.8);
    for (int w = -1; w <= 1; ++w) {
      Open(cr, {50 + 6 * k, 46 + w * 2.0, 50 + 16 * k, 44 + w * 4.0});
      Stroke(cr, 0xd8d0e0, 0.6);
    }
  }
}

void Lynx(cairo_t* cr) {
  const unsigned fur = 0xd9a066, dark = 0x6e4a30;
  // Sitting, facing us.
  Blob(cr, {50, 40, 68, 48, 76, 70, 74, 92, 50, 96, 26, 92, 24, 70, 32, 48});
  Fill(cr, fur);
  Blob(cr, {74, 88, 86, 84, 90, 90, 80, 96});
  Fill(cr, fur);
  Circle(cr, 89, 89, 3.5);
  Fill(cr, Eye, 0.6);
  Blob(cr, {44, 60, 50, 56, 56, 60, 56, 90, 44, 90});
  Fill(cr, Shade(fur, 0.5), 0.0);
  for (double k : {-1.0, 1.0}) {
    Ellipse(cr, 50 + 10 * k, 92, 7, 4);
    Fill(cr, Shade(fur, 0.25));
  }
  for (auto [x, y] : {std::pair{36.0, 66.0}, {62.0, 62.0}, {68.0, 78.0}, {32.0, 80.0}, {44.0, 74.0}, {58.0, 82.0}}) {
    Ellipse(cr, x, y, 2.2, 1.6);
    Flat(cr, dark);
  }
  // The head: ruff, ears with tufts, face.
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 12 * k, 18, 50 + 24 * k, 2, 50 + 26 * k, 24});
    Fill(cr, fur);
    Poly(cr, {50 + 17 * k, 18, 50 + 23 * k, 9, 50 + 23 * k, 20});
    Flat(cr, 0xffe0d0);
    Open(cr, {50 + 24 * k, 3, 50 + 25 * k, -6});
    Rod(cr, Eye, 1.4, 0.4);
    Poly(cr, {50 + 22 * k, 30, 50 + 36 * k, 48, 50 + 18 * k, 46});
    Fill(cr, Shade(fur, 0.35));
    for (int s = 0; s < 3; ++s) {
      Open(cr, {50 + 24 * k, 38 + s * 3.0, 50 + 32 * k, 45 + s * 1.0});
      Stroke(cr, dark, 0.7);
    }
  }
  Blob(cr, {50, 12, 68, 18, 74, 34, 64, 48, 50, 52, 36, 48, 26, 34, 32, 18});
  Fill(cr, fur);
  Blob(cr, {50, 36, 58, 40, 58, 48, 50, 50, 42, 48, 42, 40});
  Fill(cr, 0xfff1e0, 0.6);
  for (double k : {-1.0, 1.0}) {
    Ellipse(cr, 50 + 9 * k, 30, 4, 3.4);
    Fill(cr, 0xd9c84a, 0.6);
    Ellipse(cr, 50 + 9 * k, 30, 1.2, 3);
    Flat(cr, Eye);
    for (int w = -1; w <= 1; ++w) {
      Open(cr, {50 + 5 * k, 42, 50 + 20 * k, 40 + w * 3.0});
      Stroke(cr, 0xffffff, 0.5, 0.9);
    }
    Open(cr, {50 + 6 * k, 20, 50 + 6 * k, 24});
    Stroke(cr, dark, 1);
  }
  Poly(cr, {47, 37, 53, 37, 50, 40.5});
  Fill(cr, 0x7a4a3a, 0.6);
  Curve(cr, {45, 42, 47.5, 44.5, 50, 42, 52.5, 44.5, 55, 42});
  Stroke(cr, dark, 0.9);
}

void Ostrich(cairo_t* cr) {
  const unsigned skin = 0xf2b0a0;
  for (double k : {0.0, 1.0}) {
    double x = 46 + 10 * k;
    Curve(cr, {x, 60, x + 2 - 6 * k, 76, x - 2, 92});
    Rod(cr, skin, 3.5);
    Ellipse(cr, x - 5, 94, 6, 2.5);
    Fill(cr, skin);
  }
  // Body, tail plumes and wing.
  Blob(cr, {84, 38, 92, 30, 96, 40, 90, 50});
  Fill(cr, 0xffffff);
  Blob(cr, {30, 44, 50, 30, 76, 32, 90, 42, 80, 60, 56, 66, 36, 60});
  Fill(cr, 0x3a3340);
  Blob(cr, {56, 40, 76, 38, 86, 46, 78, 52, 62, 50});
  Fill(cr, 0xfdfaf4);
  Blob(cr, {38, 48, 50, 44, 56, 52, 46, 58});
  Fill(cr, 0x5a5360, 0.7);
  // The long neck and the head.
  Curve(cr, {38, 46, 30, 30, 26, 16, 22, 10});
  Rod(cr, skin, 5.5);
  Ellipse(cr, 20, 9, 7, 5);
  Fill(cr, skin);
  Poly(cr, {13, 9, 4, 12, 13, 13});
  Fill(cr, 0xe8c08a, 0.8);
  EyeAt(cr, 19, 7.5, 2);
  Curve(cr, {17, 3, 20, 1, 24, 3});
  Stroke(cr, Eye, 0.8);
}

void Stork(cairo_t* cr) {
  const unsigned red = 0xf0503a;
  Open(cr, {52, 62, 50, 94});
  Rod(cr, red, 2.4);
  Open(cr, {60, 62, 64, 80, 58, 94});
  Rod(cr, red, 2.4);
  for (double x : {50.0, 58.0}) {
    Open(cr, {x - 5, 95, x + 5, 95});
    Rod(cr, red, 1.8, 0.6);
  }
  // White body, black wing feathers at the back.
  Blob(cr, {88, 42, 98, 52, 94, 60, 80, 58});
  Fill(cr, 0x2d2a32);
  Blob(cr, {34, 40, 54, 34, 80, 40, 92, 50, 74, 64, 50, 66, 36, 56});
  Fill(cr, 0xffffff);
  Blob(cr, {60, 44, 86, 46, 96, 56, 82, 60, 64, 56});
  Fill(cr, 0x2d2a32);
  Curve(cr, {66, 50, 78, 52, 90, 54});
  Stroke(cr, 0x6a6470, 0.8);
  // The neck, the head and the long red beak.
  Curve(cr, {40, 46, 34, 32, 36, 18, 34, 10});
  Rod(cr, 0xffffff, 7);
  Circle(cr, 33, 10, 6);
  Fill(cr, 0xffffff);
  Poly(cr, {28, 8, 2, 20, 4, 22, 29, 13});
  Fill(cr, red);
  EyeAt(cr, 33, 9, 1.5);
}

void Heron(cairo_t* cr) {
  const unsigned grey = 0xa8b4c0, legs = 0xc8b46a;
  // Water at its feet.
  Ellipse(cr, 52, 94, 40, 5);
  Fill(cr, 0x8fd0f0, 0.8);
  for (double x : {48.0, 58.0}) {
    Open(cr, {x + 2, 62, x, 94});
    Rod(cr, legs, 2.2);
  }
  Blob(cr, {86, 50, 96, 66, 90, 70, 80, 62});
  Fill(cr, Shade(grey, -0.25));
  Blob(cr, {36, 46, 56, 40, 78, 46, 92, 62, 72, 68, 50, 66, 38, 58});
  Fill(cr, grey);
  Blob(cr, {56, 48, 80, 52, 90, 62, 72, 64, 58, 58});
  Fill(cr, Shade(grey, -0.15));
  // An S-bent neck, a black crest, a yellow dagger of a beak.
  Curve(cr, {42, 50, 30, 40, 40, 26, 34, 14});
  Rod(cr, 0xe8eef2, 5.5);
  Curve(cr, {44, 48, 33, 40, 42, 27});
  Stroke(cr, 0x2d2a32, 0.8, 0.5);
  Circle(cr, 34, 13, 6);
  Fill(cr, 0xe8eef2);
  Curve(cr, {32, 8, 40, 6, 48, 10});
  Rod(cr, 0x2d2a32, 1.6, 0.5);
  Poly(cr, {29, 11, 6, 17, 29, 16});
  Fill(cr, 0xf2c84a);
  EyeAt(cr, 33, 12, 1.4);
}

void Gull(cairo_t* cr) {
  // A gull flying over a wave.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 4, 90);
  cairo_curve_to(cr, 10, 78, 22, 70, 34, 72);
  cairo_curve_to(cr, 46, 74, 44, 86, 36, 84);
  cairo_curve_to(cr, 50, 92, 62, 74, 76, 74);
  cairo_curve_to(cr, 88, 74, 96, 82, 96, 90);
  cairo_curve_to(cr, 70, 96, 30, 96, 4, 90);
  cairo_close_path(cr);
  Fill(cr, 0x5eb0ea);
  Curve(cr, {12, 84, 22, 76, 32, 76});
  Stroke(cr, 0xffffff, 1.4, 0.9);
  Curve(cr, {60, 82, 70, 77, 82, 78});
  Stroke(cr, 0xffffff, 1.4, 0.9);
  for (double k : {-1.0, 1.0}) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 38);
    cairo_curve_to(cr, 50 + 14 * k, 22, 50 + 30 * k, 18, 50 + 46 * k, 26);
    cairo_curve_to(cr, 50 + 30 * k, 30, 50 + 18 * k, 38, 50 + 8 * k, 46);
    cairo_close_path(cr);
    Fill(cr, 0xc4ccd6);
    Poly(cr, {50 + 46 * k, 26, 50 + 36 * k, 24, 50 + 38 * k, 30});
    Fill(cr, 0x2d2a32, 0.6);
  }
  Blob(cr, {34, 44, 50, 38, 68, 42, 74, 48, 56, 52, 40, 50});
  Fill(cr, 0xffffff);
  Circle(cr, 34, 42, 6);
  Fill(cr, 0xffffff);
  Poly(cr, {29, 41, 20, 44, 29, 45});
  Fill(cr, Yellow, 0.7);
  Circle(cr, 24.5, 44, 0.9);
  Flat(cr, Red);
  EyeAt(cr, 33, 40.5, 1.3);
}

void Tit(cairo_t* cr) {
  Open(cr, {4, 80, 96, 70});
  Rod(cr, 0x8a5a3a, 4);
  for (double x : {46.0, 56.0}) {
    Open(cr, {x, 68, x - 1, 77});
    Rod(cr, 0x6a7480, 1.2, 0.5);
  }
  Poly(cr, {70, 56, 94, 66, 90, 72, 66, 64});
  Fill(cr, 0x5a7aa8);
  Blob(cr, {28, 40, 48, 32, 70, 44, 74, 58, 60, 70, 42, 70, 32, 58});
  Fill(cr, 0xffd84a);
  Blob(cr, {44, 34, 68, 40, 76, 56, 66, 60, 56, 48});
  Fill(cr, 0x8fb05a);
  Blob(cr, {56, 46, 74, 50, 80, 60, 68, 64});
  Fill(cr, 0x6a8ac0);
  Open(cr, {38, 44, 44, 68});
  Rod(cr, 0x2d2a32, 3, 0.3);
  Circle(cr, 32, 34, 13);
  Fill(cr, 0x2d2a32);
  Blob(cr, {26, 34, 34, 30, 40, 36, 34, 42, 28, 40});
  Fill(cr, 0xffffff, 0.6);
  Poly(cr, {20, 32, 13, 35, 20, 37});
  Fill(cr, 0x4a4a55, 0.7);
  Circle(cr, 26, 30, 1.6);
  Flat(cr, 0xffffff);
  Circle(cr, 26, 30, 1);
  Flat(cr, Eye);
}

void Wasp(cairo_t* cr) {
  const unsigned yellow = 0xffcc1a, black = 0x2d2a32;
  Push(cr, 6, 4, 0, 0.86);
  for (double k : {0.0, 1.0}) {
    Push(cr, 48 + 6 * k, 40, -0.5 - 0.35 * k);
    Ellipse(cr, 20, 0, 22, 8);
    Pop(cr);
    Fill(cr, 0xe6f4ff, 0.8);
  }
  // Head, waist-thin thorax, striped abdomen with its sting.
  Push(cr, 62, 54, 0.35);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, 6, -13, 30, -14, 36, 0);
  cairo_curve_to(cr, 30, 14, 6, 13, 0, 0);
  cairo_close_path(cr);
  FillAndClip(cr, yellow);
  for (double x : {8.0, 18.0, 28.0}) {
    Box(cr, x, -16, 5, 32);
    Flat(cr, black);
  }
  Unclip(cr);
  Poly(cr, {35, -1.5, 44, 0, 35, 1.5});
  Fill(cr, black, 0.6);
  Pop(cr);
  Ellipse(cr, 50, 48, 12, 9);
  Fill(cr, black);
  Ellipse(cr, 50, 46, 5, 3);
  Flat(cr, yellow);
  for (double k : {-1.0, 0.0, 1.0}) {
    Curve(cr, {46 + 6 * k, 56, 44 + 8 * k, 64, 40 + 10 * k, 70});
    Stroke(cr, black, 1.2);
  }
  Circle(cr, 30, 42, 10);
  Fill(cr, yellow);
  Ellipse(cr, 26, 40, 4, 5.5);
  Fill(cr, black, 0.6);
  Gleam(cr, 25, 38, 1.2, 1.8, 0, 0.8);
  for (double k : {-1.0, 1.0}) {
    Curve(cr, {30, 33, 26 + 4 * k, 24, 18 + 6 * k, 20});
    Stroke(cr, black, 1.2);
  }
  Pop(cr);
}

void Sting(cairo_t* cr) {
  Wasp(cr);
  Glow(cr, 93, 63, 7, 7);
  Pointer(cr, 92, 68, M_PI / 2 + 0.25, 22);
}

void Catfish(cairo_t* cr) {
  const unsigned body = 0x8a8a6a;
  Poly(cr, {84, 50, 98, 36, 96, 64});
  Fill(cr, Shade(body, -0.1));
  Blob(cr, {6, 50, 14, 38, 34, 34, 60, 37, 80, 44, 86, 50, 80, 56, 60, 62, 34, 65, 12, 62});
  Fill(cr, body);
  Blob(cr, {30, 60, 60, 58, 80, 54, 60, 62});
  Fill(cr, 0xe8e0c8);
  Poly(cr, {46, 38, 56, 24, 62, 38});
  Fill(cr, Shade(body, -0.15));
  Poly(cr, {36, 58, 44, 70, 48, 58});
  Fill(cr, Shade(body, -0.1));
  EyeAt(cr, 18, 46, 2.2);
  Curve(cr, {8, 56, 14, 58, 20, 56});
  Stroke(cr, Eye, 1);
  for (auto [x2, y2] : {std::pair{0.0, 70.0}, {2.0, 76.0}, {-2.0, 40.0}}) {
    Curve(cr, {10, 54, 6, (54 + y2) / 2, x2 + 4, y2});
    Rod(cr, Shade(body, -0.2), 1.2, 0.4);
  }
  for (auto [x, y] : {std::pair{50.0, 44.0}, {64.0, 46.0}, {36.0, 48.0}}) {
    Circle(cr, x, y, 1.6);
    Flat(cr, Shade(body, -0.3));
  }
}

void Swallow(cairo_t* cr) {
  const unsigned back = 0x2a3a7a;
  // Flying, seen from below and the side: long pointed wings, a forked tail.
  Poly(cr, {70, 50, 98, 40, 84, 52, 98, 62});
  Fill(cr, back);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 44, 44);
  cairo_curve_to(cr, 40, 26, 50, 12, 74, 4);
  cairo_curve_to(cr, 64, 18, 58, 32, 56, 46);
  cairo_close_path(cr);
  Fill(cr, Shade(back, -0.1));
  Blob(cr, {18, 48, 30, 40, 52, 42, 72, 48, 52, 58, 30, 58});
  Fill(cr, back);
  Blob(cr, {26, 54, 40, 50, 60, 50, 70, 50, 52, 58, 32, 58});
  Fill(cr, 0xfff8f0, 0.7);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 46, 52);
  cairo_curve_to(cr, 40, 66, 26, 82, 6, 92);
  cairo_curve_to(cr, 26, 90, 48, 76, 58, 54);
  cairo_close_path(cr);
  Fill(cr, back);
  Circle(cr, 22, 48, 8);
  Fill(cr, back);
  Blob(cr, {16, 52, 22, 50, 28, 54, 22, 57});
  Fill(cr, 0xd9432e, 0.7);
  Poly(cr, {14, 47, 8, 49, 14, 50});
  Fill(cr, 0x2d2a32, 0.6);
  EyeAt(cr, 20, 46, 1.5);
}

// A thin leg of a hoofed animal from its top down to a hoof, with a knee half-way.
void Leg(cairo_t* cr, double x, double top, double bottom, double width, unsigned rgb, unsigned hoof, double knee = 0) {
  const double mid = (top + bottom) / 2;
  Open(cr, {x, top, x + knee, mid, x, bottom - 3});
  Rod(cr, rgb, width);
  Box(cr, x - width / 2 - 0.5, bottom - 4, width + 1, 4, 1);
  Fill(cr, hoof, 0.7);
}

// A big friendly eye with a lash, looking at us.
void KindEye(cairo_t* cr, double x, double y, double r) {
  Circle(cr, x, y, r);
  Flat(cr, Eye);
  Circle(cr, x - r * 0.3, y - r * 0.35, r * 0.4);
  Flat(cr, 0xffffff);
  Curve(cr, {x - r, y - r * 0.6, x - r * 1.5, y - r * 1.3});
  Stroke(cr, Eye, 0.9);
}

void Crane(cairo_t* cr) {
  const unsigned grey = 0xb9c2cb, dark = 0x3a3d44;
  GroundShadow(cr, 52, 96, 22, 3);
  for (double x : {48.0, 56.0}) {
    Open(cr, {x, 62, x - 1, 95});
    Rod(cr, dark, 2.2);
  }
  // The drooping bustle of tail feathers, then the body.
  Blob(cr, {58, 44, 84, 50, 94, 66, 84, 72, 70, 64});
  Fill(cr, Shade(grey, -0.35));
  for (double k : {0.0, 1.0, 2.0}) {
    Curve(cr, {66 + 6 * k, 52, 80 + 4 * k, 60, 84 + 3 * k, 70});
    Stroke(cr, Shade(grey, -0.55), 0.9);
  }
  Blob(cr, {30, 40, 50, 34, 70, 42, 76, 56, 62, 66, 42, 64, 32, 54});
  Fill(cr, grey);
  Curve(cr, {42, 46, 56, 44, 70, 52});
  Stroke(cr, Shade(grey, -0.25), 1);
  // A long upright neck, black with a white stripe, and the red crown.
  Open(cr, {36, 44, 30, 26, 30, 10});
  Rod(cr, dark, 6);
  Curve(cr, {33, 40, 32, 28, 33, 14});
  Stroke(cr, 0xf4f4f4, 2.2);
  Circle(cr, 30, 8, 6);
  Fill(cr, dark);
  Ellipse(cr, 30, 3.5, 4, 2.4);
  Fill(cr, Red, 0.6);
  Poly(cr, {25, 7, 6, 11, 25, 11});
  Fill(cr, 0x8a8f7a);
  EyeAt(cr, 29, 8, 1.3);
}

// A calf, or its mother (horns and an udder) when grown.
void CalfFigure(cairo_t* cr, bool grown) {
  const unsigned coat = 0xfaf7f2, patch = 0x3a3438, hoof = 0x5a4a4a;
  GroundShadow(cr, 54, 94, 34, 3);
  Leg(cr, 70, 60, 94, 6, Shade(coat, -0.08), hoof, 1);
  Leg(cr, 40, 60, 94, 6, Shade(coat, -0.08), hoof, -1);
  Curve(cr, {82, 46, 90, 54, 88, 70});
  Stroke(cr, Ink, 1.6);
  Ellipse(cr, 88, 72, 2.5, 4);
  Fill(cr, patch);
  Leg(cr, 76, 60, 95, 6.5, coat, hoof, 1.5);
  Leg(cr, 46, 60, 95, 6.5, coat, hoof, -1.5);
  Blob(cr, {36, 44, 58, 40, 80, 42, 86, 52, 80, 64, 58, 66, 38, 62, 32, 52});
  FillAndClip(cr, coat, 0);
  Blob(cr, {56, 38, 70, 40, 72, 52, 62, 56, 54, 48});
  Flat(cr, patch);
  Blob(cr, {74, 56, 84, 52, 88, 64, 76, 66});
  Flat(cr, patch);
  Unclip(cr);
  if (grown) {
    Blob(cr, {62, 62, 72, 62, 70, 70, 64, 70});
    Fill(cr, 0xffb6c1);
    for (double k : {-1.0, 1.0}) {
      Curve(cr, {26 + 6 * k, 16, 26 + 12 * k, 12, 26 + 13 * k, 5});
      Rod(cr, 0xf2e6c8, 3);
    }
  }
  // The big head of a young one, looking at us.
  for (double k : {-1.0, 1.0}) {
    Push(cr, 26 + 12 * k, 26, 0.35 * k);
    Ellipse(cr, 0, 0, 7, 3.6);
    Pop(cr);
    Fill(cr, k < 0 ? coat : patch);
  }
  Blob(cr, {26, 14, 36, 18, 38, 32, 34, 44, 26, 48, 18, 44, 14, 32, 16, 18});
  FillAndClip(cr, coat, 0);
  Blob(cr, {26, 12, 40, 14, 40, 30, 30, 28, 28, 20});
  Flat(cr, patch);
  Unclip(cr);
  Ellipse(cr, 26, 42, 10, 7);
  Fill(cr, 0xffb6c1);
  for (double k : {-1.0, 1.0}) {
    Ellipse(cr, 26 + 4 * k, 42, 1.6, 1.2);
    Flat(cr, 0x8a4a5a);
    KindEye(cr, 26 + 6 * k, 27, 2.6);
  }
}

// The young one whole, its mother's big head bending to it from the edge:
// only the little one is there to be named, and it is little.
void WithMother(cairo_t* cr, void (*figure)(cairo_t*, bool)) {
  cairo_save(cr);
  cairo_rectangle(cr, -10, -10, 120, 116);
  cairo_clip(cr);
  Push(cr, 50, -14, 0.25, 1.45);
  cairo_scale(cr, -1, 1);
  figure(cr, true);
  Pop(cr);
  cairo_restore(cr);
  Push(cr, 24, 18, 0, 0.86);
  figure(cr, false);
  Pop(cr);
}

void Calf(cairo_t* cr) { WithMother(cr, CalfFigure); }

// A foal, or its mother (a long flowing mane and tail) when grown.
void FoalFigure(cairo_t* cr, bool grown) {
  const unsigned coat = 0xc07a45, mane = 0x5a3420, hoof = 0x3a2a24;
  GroundShadow(cr, 54, 96, 30, 3);
  Leg(cr, 68, 56, 96, 4.5, Shade(coat, -0.12), hoof, 1.5);
  Leg(cr, 40, 56, 96, 4.5, Shade(coat, -0.12), hoof, -1.5);
  // A short bushy tail.
  Blob(cr, {78, 44, 86, 46, 88, 58, 82, 62, 80, 52});
  Fill(cr, mane);
  Leg(cr, 74, 56, 97, 5, coat, hoof, 2);
  Leg(cr, 46, 56, 97, 5, coat, hoof, -2);
  Blob(cr, {38, 42, 58, 38, 78, 42, 82, 52, 74, 60, 56, 61, 40, 58, 34, 50});
  Fill(cr, coat);
  // Neck and head, a fluffy short mane, a white blaze.
  Poly(cr, {32, 48, 44, 44, 34, 18, 24, 22});
  Fill(cr, coat);
  Blob(cr, {20, 14, 32, 12, 36, 20, 28, 30, 16, 36, 8, 34, 8, 26});
  Fill(cr, coat);
  Ellipse(cr, 10, 31, 5, 4.5);
  Fill(cr, Shade(coat, 0.3));
  Poly(cr, {26, 10, 30, 2, 33, 12});
  Fill(cr, coat);
  Curve(cr, {30, 10, 36, 16, 38, 28, 40, 40});
  Rod(cr, mane, 4.5);
  Blob(cr, {16, 20, 20, 18, 14, 30, 11, 30});
  Flat(cr, 0xffffff, 0.9);
  KindEye(cr, 24, 20, 2.2);
  Circle(cr, 8, 30, 1);
  Flat(cr, Eye);
}

void Foal(cairo_t* cr) { WithMother(cr, FoalFigure); }

void RoeDeer(cairo_t* cr) {
  const unsigned coat = 0xb8703e, hoof = 0x3a2a24;
  GroundShadow(cr, 52, 96, 30, 3);
  Leg(cr, 68, 58, 96, 4.5, Shade(coat, -0.15), hoof, 1.5);
  Leg(cr, 38, 58, 96, 4.5, Shade(coat, -0.15), hoof, -1);
  Leg(cr, 74, 58, 97, 5, coat, hoof, 2);
  Leg(cr, 44, 58, 97, 5, coat, hoof, -1);
  Blob(cr, {34, 44, 56, 40, 78, 42, 86, 52, 78, 62, 56, 62, 38, 60, 30, 52});
  Fill(cr, coat);
  // The white patch on its rump.
  Ellipse(cr, 82, 50, 5, 8);
  Fill(cr, 0xfaf3e8, 0.6);
  // A slender neck, the head up, big ears, a black nose; no antlers.
  Poly(cr, {30, 50, 42, 46, 34, 18, 24, 20});
  Fill(cr, coat);
  Ellipse(cr, 32, 38, 4, 7);
  Flat(cr, 0xfaf3e8, 0.9);
  for (double k : {-1.0, 1.0}) {
    Push(cr, 30 + 6 * k, 8, 0.5 * k);
    Ellipse(cr, 0, -4, 4, 8);
    Pop(cr);
    Fill(cr, coat);
  }
  Blob(cr, {22, 8, 34, 10, 36, 18, 26, 26, 14, 30, 10, 26, 12, 18});
  Fill(cr, coat);
  Ellipse(cr, 12, 25, 3.5, 3);
  Fill(cr, Eye, 0.6);
  Ellipse(cr, 14, 29, 4, 2);
  Flat(cr, 0xfaf3e8);
  KindEye(cr, 24, 16, 2.2);
}

void Hare(cairo_t* cr) {
  const unsigned coat = 0xa47a52, light = 0xf2e6d8;
  Push(cr, 4, 8, 0, 0.92);
  GroundShadow(cr, 52, 95, 36, 3);
  // Sitting: the big hind leg, the body, the small front paws.
  Blob(cr, {60, 30, 80, 42, 86, 66, 78, 90, 52, 92, 40, 74, 44, 46});
  Fill(cr, coat);
  Circle(cr, 86, 74, 6);
  Fill(cr, light);
  Blob(cr, {58, 64, 80, 68, 88, 84, 84, 94, 58, 94, 52, 82});
  Fill(cr, Shade(coat, -0.08));
  Blob(cr, {42, 56, 50, 52, 52, 70, 46, 84, 40, 74});
  Fill(cr, light, 0);
  for (double x : {40.0, 48.0}) {
    Ellipse(cr, x, 92, 5, 3);
    Fill(cr, Shade(coat, 0.15));
  }
  // The long ears with black tips.
  for (double k : {0.0, 1.0}) {
    Push(cr, 44 + 8 * k, 24, -0.35 + 0.35 * k);
    Blob(cr, {0, 0, -5, -18, -3, -36, 0, -40, 3, -36, 5, -18});
    FillAndClip(cr, k ? coat : Shade(coat, -0.1), 0);
    Ellipse(cr, 0, -38, 6, 6);
    Flat(cr, Eye);
    Ellipse(cr, 0, -18, 1.8, 12);
    Flat(cr, 0xe8b0a0, 0.8);
    Unclip(cr);
    Pop(cr);
  }
  Blob(cr, {28, 30, 40, 20, 56, 22, 62, 34, 56, 46, 40, 48, 28, 42});
  Fill(cr, coat);
  Ellipse(cr, 32, 40, 7, 5);
  Flat(cr, light);
  Circle(cr, 29, 37, 1.6);
  Flat(cr, 0x7a4a3a);
  for (int w = -1; w <= 1; ++w) {
    Open(cr, {32, 41, 18, 38 + w * 4.0});
    Stroke(cr, Eye, 0.5, 0.8);
  }
  KindEye(cr, 44, 30, 2.8);
  Pop(cr);
}

// An animal's paw seen from below: the big pad, the toe pads, claws or none.
void Paw(cairo_t* cr, unsigned fur, unsigned pad, int toes, bool claws) {
  Blob(cr, {50, 6, 78, 14, 94, 44, 86, 80, 50, 96, 14, 80, 6, 44, 22, 14});
  Fill(cr, fur);
  for (int k = 0; k < toes; ++k) {
    const double a = -M_PI / 2 + (k - (toes - 1) / 2.0) * (toes == 5 ? 0.5 : 0.62);
    const double x = 50 + 30 * std::cos(a), y = 56 + 34 * std::sin(a);
    if (claws) {
      Push(cr, x + 9 * std::cos(a), y + 9 * std::sin(a), a + M_PI / 2);
      Poly(cr, {-2.5, 2, 2.5, 2, 0, -8});
      Pop(cr);
      Fill(cr, 0xf0e8d8, 0.7);
    }
    Ellipse(cr, x, y, toes == 5 ? 7 : 9, toes == 5 ? 8.5 : 10);
    Fill(cr, pad);
    Gleam(cr, x - 2, y - 3, 2.5, 1.6, 0, 0.4);
  }
  Blob(cr, {50, 52, 66, 56, 74, 70, 66, 82, 50, 80, 34, 82, 26, 70, 34, 56});
  Fill(cr, pad);
  Gleam(cr, 42, 62, 6, 2.5, -0.2, 0.35);
}

void BearPaw(cairo_t* cr) { Paw(cr, 0x7a5234, 0x3a3036, 5, true); }

void KittenPaw(cairo_t* cr) {
  Push(cr, 4, 12, 0, 0.86);
  Paw(cr, 0xf3efe9, 0xff9fb8, 4, false);
  Pop(cr);
  // A little heart beside it.
  Push(cr, 88, 14, 0.2);
  Heart(cr, 0, 0, 20);
  Pop(cr);
  Fill(cr, Pink, 0.8);
}

// A little frog sitting on a water-lily leaf.
void LittleFrog(cairo_t* cr) {
  const unsigned green = 0x6cc24a;
  Ellipse(cr, 50, 84, 46, 12);
  Fill(cr, 0x8fd3ff, 0);
  Blob(cr, {10, 80, 30, 70, 50, 68, 70, 70, 88, 78, 78, 88, 52, 90, 44, 82, 36, 90, 20, 88});
  Fill(cr, DarkGrass);
  for (double k : {-1.0, 1.0}) {  // the bent back legs
    Blob(cr, {50 + 16 * k, 58, 50 + 30 * k, 62, 50 + 30 * k, 76, 50 + 18 * k, 78});
    Fill(cr, green);
    Ellipse(cr, 50 + 30 * k, 78, 7, 3);
    Fill(cr, Shade(green, 0.1));
  }
  Blob(cr, {50, 36, 66, 42, 70, 60, 62, 76, 50, 78, 38, 76, 30, 60, 34, 42});
  Fill(cr, green);
  Ellipse(cr, 50, 64, 11, 10);
  Flat(cr, 0xeaf7c8);
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 9 * k, 62, 50 + 10 * k, 76});
    Rod(cr, green, 4.5);
    Circle(cr, 50 + 14 * k, 34, 9);
    Fill(cr, green);
    Circle(cr, 50 + 14 * k, 33, 6);
    Fill(cr, 0xffffff, 0.6);
    KindEye(cr, 50 + 14 * k, 34, 3.4);
    Circle(cr, 50 + 20 * k, 48, 3);
    Flat(cr, 0xff9aa2, 0.7);
  }
  Curve(cr, {38, 46, 44, 51, 50, 52, 56, 51, 62, 46});
  Stroke(cr, Eye, 1.4);
}

}  // namespace

}  // namespace datagen::words::draw
