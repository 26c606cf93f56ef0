// Word drawings: the parts of the body.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Belly(cairo_t* cr);
void Back(cairo_t* cr);
void Side(cairo_t* cr);
void Neck(cairo_t* cr);
void Forehead(cairo_t* cr);
void Head(cairo_t* cr);
void Knee(cairo_t* cr);
void Elbow(cairo_t* cr);
void Palm(cairo_t* cr);
void Fingers(cairo_t* cr);
void Braid(cairo_t* cr);
void Shadow(cairo_t* cr);
void Dentures(cairo_t* cr);
void Boxer(cairo_t* cr);
void Sheriff(cairo_t* cr);

}  // namespace

Named BodyDrawings() {
  return {
      {"belly", Belly},
      {"back", Back},
      {"side", Side},
      {"neck", Neck},
      {"forehead", Forehead},
      {"head", Head},
      {"knee", Knee},
      {"elbow", Elbow},
      {"palm", Palm},
      {"fingers", Fingers},
      {"braid", Braid},
      {"shadow", Shadow},
      {"dentures", Dentures},
      {"boxer", Boxer},
      {"sheriff", Sheriff},
  };
}

namespace {

constexpr unsigned Shirt = 0x2ec4b6, Trousers = 0x5b7fd0, Cheek = 0xff9aa2, Eye = 0x2d2a32;

enum class Pose { Front, Back, ArmsUp, Belly, Boxer };

// A friendly child standing, about 90 units tall.
void Child(cairo_t* cr, Pose pose) {
  const bool back = pose == Pose::Back, boxer = pose == Pose::Boxer;
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 6 * k, 74, 50 + 7 * k, 90});
    Rod(cr, boxer ? Skin : Trousers, boxer ? 6 : 8);
    Ellipse(cr, 50 + 9 * k, 93, 6, 3.2);
    Fill(cr, boxer ? Red : 0x4a3a3a);
  }
  Box(cr, boxer ? 36 : 38, 68, boxer ? 28 : 24, boxer ? 14 : 10, 4);
  Fill(cr, boxer ? Red : Trousers);
  // Arms.
  for (double k : {-1.0, 1.0}) {
    if (boxer) {  // upper arms down and out; the fists come after the head
      Open(cr, {50 + 12 * k, 46, 50 + 21 * k, 58, 50 + 17 * k, 44});
      Rod(cr, Skin, 5);
    } else if (pose == Pose::ArmsUp) {
      Open(cr, {50 + 12 * k, 48, 50 + 20 * k, 34, 50 + 24 * k, 16});
      Rod(cr, Skin, 5);
      Circle(cr, 50 + 24 * k, 13, 4);
      Fill(cr, Skin);
      Open(cr, {50 + 12 * k, 48, 50 + 18 * k, 38});
      Rod(cr, Shirt, 6);
    } else if (pose == Pose::Belly) {
      Open(cr, {50 + 12 * k, 48, 50 + 20 * k, 58, 50 + 14 * k, 66});
      Rod(cr, Skin, 5);
    } else {
      Open(cr, {50 + 12 * k, 48, 50 + 18 * k, 60, 50 + 20 * k, 70});
      Rod(cr, Skin, 5);
      Circle(cr, 50 + 20 * k, 72, 4);
      Fill(cr, Skin);
      Open(cr, {50 + 12 * k, 48, 50 + 16 * k, 56});
      Rod(cr, Shirt, 6);
    }
  }
  Box(cr, 46, 36, 8, 10, 2);
  Fill(cr, Skin);
  if (pose == Pose::Belly) {
    Blob(cr, {36, 58, 50, 56, 64, 58, 68, 66, 62, 76, 50, 78, 38, 76, 32, 66});
    Fill(cr, Skin);
    Circle(cr, 50, 68, 1.5);
    Flat(cr, Shade(Skin, -0.35));
    Box(cr, 37, 42, 26, 18, 8);
    Fill(cr, Shirt);
    for (double k : {-1.0, 1.0}) {
      Circle(cr, 50 + 14 * k, 66, 4);
      Fill(cr, Skin);
    }
  } else {
    Box(cr, 37, 42, 26, 30, 8);
    Fill(cr, Shirt);
    if (!back) {
      Circle(cr, 50, 55, 4);
      Flat(cr, Yellow);
    }
  }
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 14.5 * k, 24, 3.5);
    Fill(cr, Skin);
  }
  Circle(cr, 50, 22, 14);
  Fill(cr, Skin);
  if (back) {
    Blob(cr, {50, 6, 62, 10, 65, 22, 62, 33, 50, 36, 38, 33, 35, 22, 38, 10});
    Fill(cr, Hair);
  } else {
    Blob(cr, {36, 20, 38, 10, 50, 6, 62, 10, 64, 20, 58, 14, 50, 16, 42, 14});
    Fill(cr, Hair);
    Circle(cr, 45, 22, 1.6);
    Flat(cr, Eye);
    Circle(cr, 55, 22, 1.6);
    Flat(cr, Eye);
    Circle(cr, 42, 27, 2.4);
    Flat(cr, Cheek, 0.7);
    Circle(cr, 58, 27, 2.4);
    Flat(cr, Cheek, 0.7);
    Curve(cr, {46, 28, 50, 31, 54, 28});
    Stroke(cr, Eye, 1.2);
  }
  if (boxer) {  // the gloves up in guard, before the chin
    for (double k : {-1.0, 1.0}) {
      Box(cr, 50 + 13 * k - 4, 43, 8, 5, 1.5);
      Fill(cr, White);
      Blob(cr, {50 + 13 * k, 28, 50 + 13 * k + 7, 31, 50 + 13 * k + 7, 40, 50 + 13 * k, 45, 50 + 13 * k - 7, 40,
                50 + 13 * k - 7, 31});
      Fill(cr, Red);
      Gleam(cr, 50 + 13 * k - 3, 32, 1.5, 3, 0.3);
    }
  }
}

// An open hand, fingers up, its palm towards us, about 80 units tall; the
// fingers spread or held together.
void OpenHand(cairo_t* cr, bool spread) {
  struct Finger {
    double x, y, angle, length;
  };
  const double a = spread ? 0.22 : 0.05;
  const Finger fingers[] = {{34, 44, -1.5 * a, 30}, {45, 40, -0.5 * a, 35}, {56, 40, 0.5 * a, 33}, {66, 44, 1.5 * a, 26}};
  const double width = 10;
  auto fingerPath = [&](const Finger& f) {
    Open(cr, {f.x, f.y, f.x + f.length * std::sin(f.angle), f.y - f.length * std::cos(f.angle)});
  };
  auto thumbPath = [&] { Open(cr, {30, 72, 20, 62, spread ? 12 : 16, 50}); };
  auto palmPath = [&] { Blob(cr, {30, 44, 50, 38, 70, 44, 72, 62, 66, 82, 50, 90, 34, 82, 28, 62}); };
  // Outlines first, then the fillings over them, so that fingers and palm
  // make one shape.
  for (const Finger& f : fingers) {
    fingerPath(f);
    Stroke(cr, Ink, width + 2 * Line, 0.8);
  }
  thumbPath();
  Stroke(cr, Ink, width + 2 * Line, 0.8);
  palmPath();
  Edge(cr, 2 * Line);
  palmPath();
  Fill(cr, Skin, 0);
  for (const Finger& f : fingers) {
    fingerPath(f);
    Stroke(cr, Skin, width);
    const double tx = f.x + (f.length - 2) * std::sin(f.angle), ty = f.y - (f.length - 2) * std::cos(f.angle);
    Gleam(cr, tx, ty, 2.6, 3.2, f.angle, 0.55);
    for (double t : {0.45, 0.75}) {
      const double cx = f.x + f.length * t * std::sin(f.angle), cy = f.y - f.length * t * std::cos(f.angle);
      Push(cr, cx, cy, f.angle);
      Open(cr, {-2.5, 0, 2.5, 0});
      Pop(cr);
      Stroke(cr, Shade(Skin, -0.3), 0.8);
    }
  }
  thumbPath();
  Stroke(cr, Skin, width);
  Gleam(cr, spread ? 13 : 17, 52, 2.6, 3.2, -0.7, 0.55);
  // The lines of the palm.
  Curve(cr, {32, 58, 46, 56, 62, 52});
  Stroke(cr, Shade(Skin, -0.3), 1);
  Curve(cr, {36, 66, 48, 64, 66, 64});
  Stroke(cr, Shade(Skin, -0.3), 1);
  Curve(cr, {42, 84, 38, 72, 40, 62});
  Stroke(cr, Shade(Skin, -0.3), 1);
}

void Head(cairo_t* cr) {
  Glow(cr, 50, 22, 22, 20);
  Child(cr, Pose::Front);
  Pointer(cr, 68, 24, 0);
}

void Palm(cairo_t* cr) {
  OpenHand(cr, false);
  Glow(cr, 50, 68, 18, 15);
  Pointer(cr, 58, 72, 0.5, 30);
}

void Fingers(cairo_t* cr) {
  Glow(cr, 50, 20, 38, 22);
  OpenHand(cr, true);
  Pointer(cr, 78, 30, 0.2, 20);
}

// A bent leg in shorts seen from the side, the knee with a plaster on it.
void Knee(cairo_t* cr) {
  Glow(cr, 62, 46, 18, 18);
  // The shin, then the thigh over it: they meet in the knee.
  Open(cr, {62, 46, 50, 84});
  Rod(cr, Skin, 14);
  Box(cr, 40, 76, 17, 6, 2);
  Fill(cr, White);
  Blob(cr, {40, 82, 58, 81, 78, 86, 80, 93, 60, 95, 40, 94});
  Fill(cr, Blue);
  Open(cr, {40, 94, 80, 93});
  Stroke(cr, White, 2);
  Open(cr, {14, 28, 62, 46});
  Rod(cr, Skin, 17);
  Circle(cr, 62, 46, 8.5);
  Flat(cr, Skin);
  Push(cr, 10, 27, 0.36);
  Box(cr, -6, -13, 26, 26, 5);
  Pop(cr);
  Fill(cr, Trousers);
  // The plaster.
  Push(cr, 64, 42, 0.7);
  Box(cr, -7, -3.5, 14, 7, 2.5);
  Fill(cr, 0xf1c27d, 0.7);
  Box(cr, -2.5, -2.5, 5, 5, 1);
  Flat(cr, 0xe0a860);
  Pop(cr);
  Pointer(cr, 72, 38, -0.7, 24);
}

// An arm bent at the elbow, from a short sleeve down to the elbow and up to a
// waving hand.
void Elbow(cairo_t* cr) {
  Glow(cr, 48, 80, 16, 14);
  Open(cr, {48, 80, 80, 32});
  Rod(cr, Skin, 12);
  Push(cr, 82, 22, 0.5);
  Blob(cr, {-7, -4, -4, -14, 4, -14, 8, -4, 8, 6, 0, 12, -8, 8});
  Fill(cr, Skin);
  Ellipse(cr, -9, 2, 3.5, 6);
  Fill(cr, Skin);
  for (double x : {-1.5, 3.0}) {
    Open(cr, {x, -13, x, -7});
    Stroke(cr, Shade(Skin, -0.3), 0.8);
  }
  Pop(cr);
  Open(cr, {22, 28, 48, 80});
  Rod(cr, Skin, 14);
  Circle(cr, 48, 80, 7);
  Flat(cr, Skin);
  Curve(cr, {44, 83, 48, 86, 53, 84});
  Stroke(cr, Shade(Skin, -0.3), 1);
  Push(cr, 20, 24, 0.45);
  Box(cr, -13, -14, 26, 26, 6);
  Pop(cr);
  Fill(cr, Shirt);
  Pointer(cr, 58, 86, 0.3, 26);
}

// A girl seen from behind with one long plait down her back.
void Braid(cairo_t* cr) {
  Box(cr, 18, 66, 64, 44, 20);
  Fill(cr, Pink);
  Box(cr, 42, 50, 16, 20, 5);
  Fill(cr, Skin);
  for (double k : {-1.0, 1.0}) {
    Ellipse(cr, 50 + 25 * k, 34, 5, 7);
    Fill(cr, Skin);
  }
  Circle(cr, 50, 30, 25);
  Fill(cr, Hair);
  for (double k : {-1.0, 1.0}) {
    Curve(cr, {50, 8, 50 + 14 * k, 18, 50 + 20 * k, 38});
    Stroke(cr, Shade(Hair, -0.25), 1);
  }
  // The plait: lobes leaning one way and the other.
  for (int i = 0; i < 9; ++i) {
    const double y = 50 + 6 * i, k = i % 2 ? 1 : -1, w = 8 - 0.3 * i;
    Push(cr, 50 + 2.2 * k, y, 0.55 * k);
    Ellipse(cr, 0, 0, w, 4.6);
    Pop(cr);
    Fill(cr, Hair);
  }
  Blob(cr, {46, 104, 50, 102, 54, 104, 56, 112, 50, 110, 44, 112});
  Fill(cr, Hair);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50, 101, 50 + 10 * k, 96, 50 + 10 * k, 106});
    Fill(cr, Red);
  }
  Circle(cr, 50, 101, 2.6);
  Fill(cr, Red);
}

// A child in the sun and the long shadow it throws on the ground.
void Shadow(cairo_t* cr) {
  Ellipse(cr, 58, 80, 50, 16);
  Flat(cr, Shade(Grass, 0.35));
  // The sun in the upper left.
  for (int k = 0; k < 8; ++k) {
    const double a = k * M_PI / 4;
    Open(cr, {10 + 13 * std::cos(a), 10 + 13 * std::sin(a), 10 + 18 * std::cos(a), 10 + 18 * std::sin(a)});
    Stroke(cr, Orange, 2.4);
  }
  Circle(cr, 10, 10, 9);
  Fill(cr, Yellow);
  // The shadow: the child's own shape laid on the ground away from the sun.
  const double s = 0.7, feetX = 26, feetY = 84;
  cairo_save(cr);
  cairo_matrix_t m;
  cairo_matrix_init(&m, 1.0 * s, 0.3 * s, -1.25 * s, 0.3 * s, 0, 0);
  cairo_translate(cr, feetX, feetY);
  cairo_transform(cr, &m);
  cairo_translate(cr, -50, -93);
  cairo_push_group(cr);
  Child(cr, Pose::Front);
  cairo_pattern_t* silhouette = cairo_pop_group(cr);
  cairo_set_source_rgba(cr, 0x2a / 255.0, 0x26 / 255.0, 0x40 / 255.0, 0.85);
  cairo_mask(cr, silhouette);
  cairo_pattern_destroy(silhouette);
  cairo_restore(cr);
  Push(cr, feetX - 50 * s, feetY - 93 * s, 0, s);
  Child(cr, Pose::Front);
  Pop(cr);
  Pointer(cr, 92, 56, -1.3, 20);
}

// False teeth: the upper and lower set, a little open.
void Dentures(cairo_t* cr) {
  const unsigned gum = 0xf28b9b, tooth = 0xfbf8f0;
  // The lower set.
  Blob(cr, {10, 58, 30, 64, 50, 66, 70, 64, 90, 58, 86, 74, 70, 84, 50, 88, 30, 84, 14, 74});
  Fill(cr, gum);
  // The upper set over it.
  Blob(cr, {8, 34, 14, 20, 30, 12, 50, 10, 70, 12, 86, 20, 92, 34, 70, 38, 50, 40, 30, 38});
  Fill(cr, gum);
  // Teeth: big in front, smaller to the sides.
  const double xs[] = {-34, -25, -16, -6, 6, 16, 25, 34};
  for (double dx : xs) {
    const double w = std::fabs(dx) < 10 ? 10 : std::fabs(dx) < 20 ? 9 : 8;
    const double h = std::fabs(dx) < 10 ? 15 : std::fabs(dx) < 20 ? 13 : 11;
    const double top = 36 + 0.004 * dx * dx - (std::fabs(dx) < 10 ? 0 : 0);
    Box(cr, 50 + dx - w / 2, top, w, h, 3);
    Fill(cr, tooth, 0.8);
    const double bottom = 66 - 0.004 * dx * dx;
    Box(cr, 50 + dx - w / 2, bottom - h + 2, w, h - 2, 3);
    Fill(cr, tooth, 0.8);
  }
  Gleam(cr, 30, 22, 10, 3, -0.2, 0.4);
  Gleam(cr, 30, 78, 10, 2.5, 0.2, 0.35);
}

void Boxer(cairo_t* cr) { Child(cr, Pose::Boxer); }

void Belly(cairo_t* cr) {
  Glow(cr, 50, 67, 22, 14);
  Child(cr, Pose::Belly);
  Pointer(cr, 70, 70, -0.3);
}

void Back(cairo_t* cr) {
  Glow(cr, 50, 56, 20, 20);
  Child(cr, Pose::Back);
  Pointer(cr, 64, 56, 0);
}

void Side(cairo_t* cr) {
  Glow(cr, 63, 58, 9, 16);
  Child(cr, Pose::ArmsUp);
  Pointer(cr, 64, 58, 0);
}

void Neck(cairo_t* cr) {
  // Head and shoulders, close.
  Box(cr, 14, 70, 72, 40, 20);
  Fill(cr, Shirt);
  Glow(cr, 50, 62, 18, 12);
  Box(cr, 42, 44, 16, 30, 5);
  Fill(cr, Skin);
  Curve(cr, {40, 72, 50, 78, 60, 72});
  Stroke(cr, Shade(Shirt, -0.3), 1.2);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 23 * k, 32, 5);
    Fill(cr, Skin);
  }
  Circle(cr, 50, 30, 23);
  Fill(cr, Skin);
  Blob(cr, {27, 28, 30, 12, 50, 4, 70, 12, 73, 28, 64, 18, 50, 20, 36, 18});
  Fill(cr, Hair);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 8 * k, 31, 2.4);
    Flat(cr, Eye);
    Circle(cr, 50 + 13 * k, 39, 3.5);
    Flat(cr, Cheek, 0.7);
  }
  Curve(cr, {44, 40, 50, 45, 56, 40});
  Stroke(cr, Eye, 1.6);
  Pointer(cr, 60, 62, -0.2, 26);
}

void Forehead(cairo_t* cr) {
  for (double k : {-1.0, 1.0}) {
    Ellipse(cr, 50 + 38 * k, 56, 7, 10);
    Fill(cr, Skin);
  }
  Ellipse(cr, 50, 54, 38, 42);
  Fill(cr, Skin);
  Glow(cr, 50, 30, 26, 12);
  Blob(cr, {12, 48, 14, 24, 30, 10, 50, 8, 70, 10, 86, 24, 88, 48, 80, 30, 70, 22, 50, 20, 30, 22, 20, 30});
  Fill(cr, Hair);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 14 * k, 52, 3.5);
    Flat(cr, Eye);
    Circle(cr, 50 + 14 * k - 1, 51, 1.1);
    Flat(cr, 0xffffff);
    Curve(cr, {50 + 9 * k, 44, 50 + 14 * k, 42, 50 + 19 * k, 44});
    Stroke(cr, Hair, 1.6);
    Circle(cr, 50 + 24 * k, 64, 5);
    Flat(cr, Cheek, 0.7);
  }
  Curve(cr, {48, 60, 50, 63, 52, 60});
  Stroke(cr, Shade(Skin, -0.3), 1.2);
  Curve(cr, {40, 72, 50, 78, 60, 72});
  Stroke(cr, Eye, 1.8);
  Pointer(cr, 66, 30, -0.6, 24);
}

// A sheriff: a child in a wide hat and a waistcoat with the star on it.
void Sheriff(cairo_t* cr) {
  const unsigned felt = 0x9a6434, vest = 0x6a4a3a, gold = 0xf2c14e;
  Child(cr, Pose::Front);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 13 * k, 43, 50 + 4 * k, 43, 50 + 3 * k, 70, 50 + 12 * k, 70});
    Fill(cr, vest);
  }
  Star(cr, 57, 55, 9, 4.4, 6);
  Fill(cr, gold);
  for (int k = 0; k < 6; ++k) {
    const double a = -M_PI / 2 + k * M_PI / 3;
    Circle(cr, 57 + 9 * std::cos(a), 55 + 9 * std::sin(a), 1.5);
    Fill(cr, gold, 0.5);
  }
  Poly(cr, {46, 36, 54, 36, 50, 42});
  Fill(cr, Red, 0.7);
  // The hat: a wide curled brim, a dented crown, a band.
  Curve(cr, {24, 12, 34, 16, 50, 17, 66, 16, 76, 12});
  Rod(cr, felt, 4);
  Blob(cr, {38, 14, 38, 2, 44, -4, 50, 0, 56, -4, 62, 2, 62, 14});
  Fill(cr, felt);
  Box(cr, 38, 9, 24, 4, 1);
  Fill(cr, Shade(felt, -0.35));
}

}  // namespace

}  // namespace datagen::words::draw
