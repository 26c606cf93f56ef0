// Word drawings: the parts of the body.
#include <cmath>
#include <tuple>
#include <vector>

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
void Miner(cairo_t* cr);
void Postman(cairo_t* cr);
void Tailor(cairo_t* cr);
void Musician(cairo_t* cr);
void Curls(cairo_t* cr);
void Diver(cairo_t* cr);
void Match(cairo_t* cr);

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
      {"miner", Miner},
      {"postman", Postman},
      {"tailor", Tailor},
      {"musician", Musician},
      {"curls", Curls},
      {"diver", Diver},
      {"football-match", Match},
  };
}

namespace {

constexpr unsigned Shirt = 0x2ec4b6, Trousers = 0x5b7fd0, Cheek = 0xff9aa2, Eye = 0x2d2a32;

enum class Pose { Front, Back, ArmsUp, Belly, Boxer, HandsOnHips };

// A friendly child standing, about 90 units tall, in a shirt of the colour given.
void Child(cairo_t* cr, Pose pose, unsigned shirt = Shirt) {
  const bool back = pose == Pose::Back, boxer = pose == Pose::Boxer;
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 6 * k, 74, 50 + 7 * k, 90});
    Rod(cr, boxer ? Skin : Trousers, boxer ? 6 : 8);
    Ellipse(cr, 50 + 9 * k, 93, 6, 3.2);
    Fill(cr, boxer ? Red : 0x4a3a3a);
  }
  Box(cr, boxer ? 36 : 38, 68, boxer ? 28 : 24, boxer ? 14 : 10, 4);
  Fill(cr, boxer ? Red : Trousers);
  // Arms: from the shoulder at height y through the elbow to the hand, the
  // sleeve over the upper arm as far as the point given.
  auto arm = [&](double k, double y, double ex, double ey, double hx, double hy, double hand, double sx, double sy,
                 double width) {
    Open(cr, {50 + 12 * k, y, 50 + ex * k, ey, 50 + hx * k, hy});
    Rod(cr, Skin, width);
    Circle(cr, 50 + hx * k, hy + hand, 4);
    Fill(cr, Skin);
    Open(cr, {50 + 12 * k, y, 50 + sx * k, sy});
    Rod(cr, shirt, width + 1);
  };
  for (double k : {-1.0, 1.0}) {
    if (boxer) {  // upper arms down and out; the fists come after the head
      Open(cr, {50 + 12 * k, 46, 50 + 21 * k, 58, 50 + 17 * k, 44});
      Rod(cr, Skin, 5);
    } else if (pose == Pose::ArmsUp) {
      arm(k, 48, 20, 34, 24, 16, -3, 18, 38, 5);
    } else if (pose == Pose::Belly) {
      Open(cr, {50 + 12 * k, 48, 50 + 20 * k, 58, 50 + 14 * k, 66});
      Rod(cr, Skin, 5);
    } else if (pose == Pose::HandsOnHips) {  // the elbows stick out sideways
      arm(k, 46, 25, 56, 14, 66, 0, 18, 51, 5.5);
    } else {
      arm(k, 48, 18, 60, 20, 70, 2, 16, 56, 5);
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
    Fill(cr, shirt);
    for (double k : {-1.0, 1.0}) {
      Circle(cr, 50 + 14 * k, 66, 4);
      Fill(cr, Skin);
    }
  } else {
    Box(cr, 37, 42, 26, 30, 8);
    Fill(cr, shirt);
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
    EyesAndCheeks(cr, 50, 22, 5, 1.6, 27, 8, 2.4);
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
  auto thumbPath = [&] { Open(cr, {30, 72, 20, 62, spread ? 12.0 : 16.0, 50}); };
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

// A child with its hands on its hips, one elbow marked.
void Elbow(cairo_t* cr) {
  Glow(cr, 75, 56, 11, 11);
  Child(cr, Pose::HandsOnHips);
  Pointer(cr, 80, 57, 0.15, 18);
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
  EyesAndCheeks(cr, 50, 31, 8, 2.4, 39, 13, 3.5);
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

// An envelope, its flap closed, centred on (x, y).
void Envelope(cairo_t* cr, double x, double y, double w, double angle = 0) {
  const double h = w * 0.64;
  Push(cr, x, y, angle);
  Box(cr, -w / 2, -h / 2, w, h, 1);
  Fill(cr, 0xffffff, 0.8);
  Open(cr, {-w / 2, -h / 2, 0, h * 0.1, w / 2, -h / 2});
  Stroke(cr, 0xb8b0a8, 0.8);
  Pop(cr);
}

// A miner: a dark uniform, a helmet with a lamp, a pick, lumps of coal.
void Miner(cairo_t* cr) {
  for (auto [x, r] : {std::pair{70.0, 5.0}, {80.0, 6.5}, {90.0, 4.5}}) {
    Circle(cr, x, 93 - r * 0.6, r);
    Fill(cr, 0x2d2a32);
  }
  // The pick over the shoulder, behind the child.
  Open(cr, {30, 80, 70, 30});
  Rod(cr, Wood, 3.6);
  Curve(cr, {56, 22, 66, 24, 76, 36, 80, 48});
  Rod(cr, DarkSteel, 4);
  Child(cr, Pose::Front, 0x3a3a48);
  Box(cr, 37, 60, 26, 4, 1);
  Fill(cr, 0xe0b040, 0.6);
  // The helmet and its lamp shining.
  Poly(cr, {62, 10, 98, 2, 98, 20});
  Flat(cr, 0xfff3a0, 0.6);
  Blob(cr, {34, 16, 36, 4, 50, 0, 64, 4, 66, 16});
  Fill(cr, 0xf4f4f0);
  Box(cr, 32, 14, 36, 4, 2);
  Fill(cr, 0xe8e8e0);
  Circle(cr, 62, 9, 4.5);
  Fill(cr, Yellow);
}

// A postman: a cap, a blue uniform, a bag of letters, a letter in his hand.
void Postman(cairo_t* cr) {
  const unsigned navy = 0x3f5fa8, bag = 0x9a5a34;
  Child(cr, Pose::Front, navy);
  Open(cr, {40, 44, 66, 64});
  Rod(cr, bag, 3);
  Envelope(cr, 66, 58, 14, -0.3);
  Envelope(cr, 72, 60, 14, 0.2);
  Box(cr, 58, 60, 24, 18, 4);
  Fill(cr, bag);
  Box(cr, 58, 60, 24, 7, 3);
  Fill(cr, Shade(bag, -0.15));
  Envelope(cr, 30, 70, 16, -0.2);
  // The peaked cap.
  Blob(cr, {36, 12, 38, 4, 50, 2, 62, 4, 64, 12});
  Fill(cr, navy);
  Box(cr, 36, 10, 28, 4, 1);
  Fill(cr, Yellow);
  Blob(cr, {40, 14, 50, 13, 62, 14, 58, 18, 44, 18});
  Fill(cr, 0x2d2a32);
}

// A tailor: a tape measure round the neck, big scissors, a reel of thread.
void Tailor(cairo_t* cr) {
  Child(cr, Pose::Front, 0xf4f0e8);
  for (double k : {-1.0, 1.0}) {
    Curve(cr, {50 + 4 * k, 38, 50 + 9 * k, 46, 50 + 10 * k, 66});
    Rod(cr, Yellow, 3.4, 0.6);
    for (int t = 0; t < 6; ++t) {
      const double y = 44 + 4 * t;
      Open(cr, {50 + 9 * k - 1.2, y, 50 + 9 * k + 1.2, y});
      Stroke(cr, 0x2d2a32, 0.6);
    }
  }
  // The scissors in the right hand.
  Push(cr, 72, 68, -0.6);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {0, 0, 24, -2 * k, 24, 0});
    Fill(cr, Steel);
    Circle(cr, -5, 4 * k, 3.6);
    Stroke(cr, Red, 2.2);
  }
  Pop(cr);
  // A reel of thread at the feet.
  Box(cr, 18, 84, 14, 3, 1);
  Fill(cr, LightWood);
  Box(cr, 20, 74, 10, 10, 1);
  Fill(cr, Purple);
  Box(cr, 18, 71, 14, 3, 1);
  Fill(cr, LightWood);
}

// A musician playing the guitar, notes rising.
void Musician(cairo_t* cr) {
  Child(cr, Pose::Front, 0xff9f43);
  Push(cr, 50, 62, -0.5);
  Box(cr, -3, -36, 6, 34, 1);
  Fill(cr, DarkWood);
  Box(cr, -4.5, -44, 9, 9, 2);
  Fill(cr, DarkWood);
  Blob(cr, {0, -6, 10, -4, 12, 6, 9, 12, 13, 20, 8, 28, 0, 30, -8, 28, -13, 20, -9, 12, -12, 6, -10, -4});
  Fill(cr, 0xe0903a);
  Circle(cr, 0, 8, 4);
  Flat(cr, 0x3a2a22);
  for (double x : {-1.5, 0.0, 1.5}) {
    Open(cr, {x, -40, x, 22});
    Stroke(cr, 0xf4f4f4, 0.4);
  }
  Box(cr, -5, 20, 10, 2.5, 1);
  Fill(cr, DarkWood, 0.6);
  Pop(cr);
  for (double k : {-1.0, 1.0}) {  // the hands on it
    Circle(cr, 50 + 12 * k, 54 + 6 * k, 4);
    Fill(cr, Skin);
  }
  for (auto [x, y] : {std::pair{80.0, 20.0}, {90.0, 8.0}, {18.0, 14.0}}) {
    Ellipse(cr, x, y, 3.2, 2.4);
    Fill(cr, Purple, 0.6);
    Open(cr, {x + 2.8, y, x + 2.8, y - 12, x + 7, y - 9});
    Stroke(cr, Purple, 1.4);
  }
}

// A girl's face framed by long springy curls, the curls marked.
void Curls(cairo_t* cr) {
  const unsigned hair = 0xc9772e;
  // A corkscrew curl hanging from (x, y): a ribbon of hair winding down.
  auto corkscrew = [&](double x, double y, double length) {
    std::vector<double> path;
    for (double t = 0; t <= length; t += 3) {
      path.push_back(x + 4.5 * std::sin(t * 0.55));
      path.push_back(y + t);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, path[0], path[1]);
    for (std::size_t i = 2; i + 1 < path.size(); i += 2) cairo_line_to(cr, path[i], path[i + 1]);
    Rod(cr, hair, 4.2, 0.8);
  };
  Glow(cr, 20, 62, 18, 36);
  Glow(cr, 80, 62, 18, 36);
  Blob(cr, {50, 6, 76, 12, 86, 36, 84, 70, 50, 64, 16, 70, 14, 36, 24, 12});
  Fill(cr, Shade(hair, -0.1));
  for (double k : {-1.0, 1.0})
    for (int i = 0; i < 3; ++i) corkscrew(50 + k * (24 + 6 * i), 30 + 4 * i, 58 - 6 * i);
  Ellipse(cr, 50, 50, 22, 26);
  Fill(cr, Skin);
  for (int i = 0; i < 6; ++i) {  // the fringe
    const double x = 32 + 7.2 * i;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 26, 5, M_PI * 0.9, M_PI * 2.3);
    Rod(cr, hair, 3.4, 0.7);
  }
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 9 * k, 50, 2.8);
    Flat(cr, Eye);
    Circle(cr, 50 + 9 * k - 0.8, 49, 0.9);
    Flat(cr, 0xffffff);
    Circle(cr, 50 + 15 * k, 59, 4);
    Flat(cr, Cheek, 0.7);
  }
  Curve(cr, {43, 63, 50, 68, 57, 63});
  Stroke(cr, Eye, 1.6);
  Pointer(cr, 94, 96, 2.4, 20);
}

// A diver under the water: mask, air tank, flippers, bubbles, a fish.
void Diver(cairo_t* cr) {
  const unsigned suit = 0x2d3a4a;
  Box(cr, 0, 0, 100, 100, 12);
  FillAndClip(cr, 0x4aa8e0, 0);
  Box(cr, 0, 88, 100, 12);
  Flat(cr, 0xf0d890);
  // Swimming to the left: legs and flippers, body, tank, head.
  for (double k : {-1.0, 1.0}) {
    Open(cr, {62, 56, 80, 56 + 6 * k});
    Rod(cr, suit, 7);
    Push(cr, 84, 56 + 7 * k, 0.3 * k);
    Poly(cr, {-2, -3, 14, -7, 14, 7, -2, 3});
    Pop(cr);
    Fill(cr, Yellow);
  }
  Ellipse(cr, 46, 54, 20, 9);
  Fill(cr, suit);
  Box(cr, 36, 40, 24, 8, 4);
  Fill(cr, Yellow);
  Open(cr, {40, 58, 30, 66});
  Rod(cr, suit, 5);
  Circle(cr, 24, 52, 9);
  Fill(cr, Skin);
  Box(cr, 14, 46, 12, 8, 3);
  Fill(cr, 0x8fd3ff);
  Open(cr, {20, 44, 30, 48});
  Stroke(cr, 0x2d2a32, 1.4);
  Curve(cr, {36, 42, 30, 40, 28, 46});
  Rod(cr, 0x2d2a32, 1.2, 0.5);
  for (auto [x, y, r] : {std::tuple{16.0, 36.0, 3.0}, {20.0, 26.0, 4.0}, {14.0, 14.0, 5.0}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffffff, 0.4);
    Circle(cr, x, y, r);
    Stroke(cr, 0xffffff, 0.8, 0.9);
  }
  // A fish nearby.
  Blob(cr, {64, 20, 74, 16, 82, 20, 74, 24});
  Fill(cr, Orange);
  Poly(cr, {80, 20, 88, 15, 88, 25});
  Fill(cr, Orange);
  Unclip(cr);
}

// A football match: two children after the ball, the goal behind them.
void Match(cairo_t* cr) {
  Box(cr, 0, 74, 100, 24, 4);
  Fill(cr, Grass);
  // The goal: posts, bar and net.
  Box(cr, 20, 6, 60, 40, 0);
  ClipPath(cr);
  for (double x = 20; x <= 80; x += 6) {
    Open(cr, {x, 6, x, 46});
    Stroke(cr, 0xffffff, 0.6, 0.8);
  }
  for (double y = 6; y <= 46; y += 6) {
    Open(cr, {20, y, 80, y});
    Stroke(cr, 0xffffff, 0.6, 0.8);
  }
  Unclip(cr);
  Open(cr, {20, 76, 20, 6, 80, 6, 80, 76});
  Rod(cr, 0xffffff, 2.6);
  Push(cr, 2, 30, 0, 0.62);
  Child(cr, Pose::Front, Red);
  Pop(cr);
  Push(cr, 52, 30, 0, 0.62);
  Child(cr, Pose::Front, Blue);
  Pop(cr);
  // The ball between them.
  Circle(cr, 50, 84, 7);
  Fill(cr, 0xffffff);
  Star(cr, 50, 84, 3.2, 2.6);
  Flat(cr, 0x2d2a32);
}

}  // namespace

}  // namespace datagen::words::draw
