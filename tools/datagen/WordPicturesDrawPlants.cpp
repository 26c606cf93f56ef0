// Word drawings: trees, flowers, mushrooms and wood.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void PineCone(cairo_t* cr);
void Acorns(cairo_t* cr);
void Catkins(cairo_t* cr);
void Branches(cairo_t* cr);
void Bud(cairo_t* cr);
void Poppy(cairo_t* cr);
void Chanterelles(cairo_t* cr);
void MilkCap(cairo_t* cr);
void Rowan(cairo_t* cr);
void Redcurrants(cairo_t* cr);
void Shaving(cairo_t* cr);
void Fern(cairo_t* cr);
void Dandelion(cairo_t* cr);
void Oak(cairo_t* cr);
void Bark(cairo_t* cr);

void Dahlia(cairo_t* cr);
}  // namespace

Named PlantsDrawings() {
  return {
      {"pine-cone", PineCone},
      {"acorns", Acorns},
      {"catkins", Catkins},
      {"branches", Branches},
      {"bud", Bud},
      {"poppy", Poppy},
      {"chanterelles", Chanterelles},
      {"milk-cap", MilkCap},
      {"rowan", Rowan},
      {"redcurrants", Redcurrants},
      {"shaving", Shaving},
      {"fern", Fern},
      {"dandelion", Dandelion},
      {"oak", Oak},
      {"bark", Bark},
      {"dahlia", Dahlia},
  };
}

namespace {

// A plane on a plank, and out of its mouth a long wood shaving curling up
// into a loose roll.
void Shaving(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 46, 3);
  Poly(cr, {2, 78, 98, 78, 98, 90, 2, 90});
  Fill(cr, Wood);
  Poly(cr, {2, 78, 10, 72, 100, 72, 98, 78});
  Fill(cr, LightWood);
  Curve(cr, {4, 84, 40, 85, 70, 83, 96, 84});
  Stroke(cr, DarkWood, 0.6, 0.7);
  // The shaving: a ribbon from the plane's mouth, rising and coiling away
  // like a spring, the back of each turn in shade.
  const unsigned face = 0xf2cf98, back = 0xd9ae70;
  Curve(cr, {28, 70, 36, 66, 42, 60});
  Rod(cr, face, 7);
  for (int i = 0; i < 4; ++i) {
    const double cx = 48 + 12 * i, cy = 44 - 3 * i, rx = 10 - i, ry = 18 - 2 * i;
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 0, 0, 1, 0, 0);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, M_PI * 0.5, M_PI * 1.5);
    cairo_restore(cr);
    Rod(cr, back, 7 - 0.8 * i);
    cairo_save(cr);
    cairo_translate(cr, cx + 4, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, -M_PI * 0.5, M_PI * 0.5);
    cairo_restore(cr);
    Rod(cr, face, 7 - 0.8 * i);
  }
  // The plane: a wooden block, its blade, the knob in front and the handle behind.
  Box(cr, 2, 60, 34, 13, 3);
  Fill(cr, DarkWood);
  Poly(cr, {24, 54, 30, 54, 27, 72, 22, 72});
  Fill(cr, Steel);
  Circle(cr, 32, 56, 4);
  Fill(cr, Red);
  Blob(cr, {4, 60, 6, 48, 14, 46, 18, 52, 14, 60});
  Fill(cr, Red);
  // A loose curl on the plank.
  Ellipse(cr, 84, 70, 7, 4);
  Rod(cr, 0xf2cf98, 3);
}

void Berry(cairo_t* cr, double x, double y, double r, unsigned rgb, double outline = 0.7) {
  Circle(cr, x, y, r);
  Fill(cr, rgb, outline);
  Gleam(cr, x - r * 0.35, y - r * 0.35, r * 0.28, r * 0.2, -0.6, 0.7);
}

void PineCone(cairo_t* cr) {
  const unsigned cone = 0xa86a3c;
  Open(cr, {50, 12, 52, 4});
  Rod(cr, DarkWood, 2.2, 0.7);
  Blob(cr, {50, 12, 66, 24, 72, 48, 64, 78, 50, 94, 36, 78, 28, 48, 34, 24});
  Fill(cr, cone);
  // Rows of scales, widest in the middle.
  for (int r = 0; r < 8; ++r) {
    double y = 20 + 9.5 * r;
    double half = 18 * std::sin(M_PI * (r + 0.8) / 9.0) + 4;
    int n = r % 2 ? 3 : 4;
    for (int c = 0; c < n; ++c) {
      double x = 50 - half + (2 * half) * (c + 0.5) / n;
      cairo_new_sub_path(cr);
      cairo_move_to(cr, x - 6, y - 1);
      cairo_curve_to(cr, x - 6, y + 7, x + 6, y + 7, x + 6, y - 1);
      cairo_curve_to(cr, x + 3, y + 1, x - 3, y + 1, x - 6, y - 1);
      cairo_close_path(cr);
      Fill(cr, Shade(cone, 0.12), 0.7);
    }
  }
}

void Acorn(cairo_t* cr, double x, double y, double angle) {
  Push(cr, x, y, angle);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -11, 0);
  cairo_curve_to(cr, -12, 16, -4, 26, 0, 28);
  cairo_curve_to(cr, 4, 26, 12, 16, 11, 0);
  cairo_close_path(cr);
  Fill(cr, 0xc98b3f);
  Gleam(cr, -5, 10, 2, 6, 0.2, 0.45);
  Open(cr, {0, -8, 1, -15});
  Rod(cr, 0x7a5a32, 2, 0.6);
  Blob(cr, {-13, 2, -12, -6, 0, -10, 12, -6, 13, 2, 0, 4});
  FillAndClip(cr, 0x8a6a3a);
  for (double k = -16; k <= 16; k += 4) {
    Open(cr, {k, -12, k + 8, 6});
    Stroke(cr, 0x6e5230, 0.6);
    Open(cr, {k, -12, k - 8, 6});
    Stroke(cr, 0x6e5230, 0.6);
  }
  Unclip(cr);
  Pop(cr);
}

void OakLeaf(cairo_t* cr, double x, double y, double angle, double s) {
  Push(cr, x, y, angle, s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  const double lobes[] = {8, 14, 22, 30, 38};
  for (double at : lobes) cairo_curve_to(cr, at - 3, -5, at + 1, -13, at + 5, -6);
  cairo_curve_to(cr, 46, -6, 48, 0, 46, 4);
  for (int i = 4; i >= 0; --i) cairo_curve_to(cr, lobes[i] + 5, 6, lobes[i] + 1, 13, lobes[i] - 3, 5);
  cairo_close_path(cr);
  Fill(cr, 0x8cc05a, 1.0 / s);
  Open(cr, {-4, 0, 44, 0});
  Stroke(cr, 0x5e8f3a, 0.8 / s);
  Pop(cr);
}

void Acorns(cairo_t* cr) {
  Push(cr, -12, -22, 0, 1.3);
  OakLeaf(cr, 20, 30, 0.35, 1.3);
  Acorn(cr, 36, 50, 0.35);
  Acorn(cr, 64, 56, -0.3);
  Pop(cr);
}

void Catkins(cairo_t* cr) {
  struct Twig {
    double x1, y1, x2, y2;
  };
  for (const Twig& t : {Twig{50, 96, 22, 8}, Twig{50, 96, 52, 4}, Twig{50, 96, 80, 12}}) {
    Open(cr, {t.x1, t.y1, t.x2, t.y2});
    Rod(cr, 0x8a4a3a, 1.6, 0.6);
    for (int k = 1; k <= 4; ++k) {
      double f = 0.16 + 0.2 * k;
      if (f > 0.97) break;
      double x = t.x1 + (t.x2 - t.x1) * f, y = t.y1 + (t.y2 - t.y1) * f;
      double a = std::atan2(t.y2 - t.y1, t.x2 - t.x1) + (k % 2 ? 0.7 : -0.7);
      double cx = x + 5 * std::cos(a), cy = y + 5 * std::sin(a);
      Push(cr, cx, cy, a);
      Ellipse(cr, 0, 0, 6.5, 4.2);
      Fill(cr, 0xeeeae6, 0.7);
      Ellipse(cr, -5, 0, 2, 3);
      Fill(cr, 0x8a4a3a, 0.5);
      Pop(cr);
    }
  }
}

void Branches(cairo_t* cr) {
  auto branch = [&](double x1, double y1, double x2, double y2, int side) {
    Open(cr, {x1, y1, x2, y2});
    Rod(cr, 0x8a5a3a, 4, 0.8);
    for (double f : {0.35, 0.65}) {
      double x = x1 + (x2 - x1) * f, y = y1 + (y2 - y1) * f;
      double a = std::atan2(y2 - y1, x2 - x1) + side * 0.7;
      double tx = x + 18 * std::cos(a), ty = y + 18 * std::sin(a);
      Open(cr, {x, y, tx, ty});
      Rod(cr, 0x8a5a3a, 2.2, 0.7);
      LeafAt(cr, tx, ty, a - side * 0.3, 14, 5.5, 0x7cc35a);
      LeafAt(cr, tx - 6 * std::cos(a), ty - 6 * std::sin(a), a + side * 0.9, 12, 5, 0x6ab84e);
      side = -side;
    }
    LeafAt(cr, x2, y2, std::atan2(y2 - y1, x2 - x1), 15, 6, 0x7cc35a);
  };
  branch(8, 84, 86, 20, 1);
  branch(14, 24, 88, 80, -1);
}

void Bud(cairo_t* cr) {
  Curve(cr, {50, 98, 48, 70, 50, 44});
  Rod(cr, 0x5aa850, 3, 0.8);
  LeafAt(cr, 49, 76, -2.6, 24, 9, 0x5cb85c);
  LeafAt(cr, 49, 64, -0.5, 22, 8, 0x5cb85c);
  Blob(cr, {50, 6, 62, 22, 62, 36, 50, 46, 38, 36, 38, 22});
  Fill(cr, 0xff6f9c);
  Curve(cr, {50, 8, 56, 24, 52, 40});
  Stroke(cr, 0xd94a7a, 1, 0.8);
  for (int k = -1; k <= 1; k += 2) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 46);
    cairo_curve_to(cr, 50 + 16 * k, 44, 50 + 14 * k, 30, 50 + 8 * k, 18);
    cairo_curve_to(cr, 50 + 6 * k, 30, 50 + 4 * k, 38, 50, 46);
    cairo_close_path(cr);
    Fill(cr, 0x4fae5c, 0.8);
  }
  Ellipse(cr, 50, 46, 6, 4);
  Fill(cr, 0x4fae5c, 0.8);
}

void Rowan(cairo_t* cr) {
  Push(cr, -5, -13, 0, 1.2);
  // A leaf of many leaflets behind, then the bunch.
  Push(cr, 50, 40, -0.5);
  Open(cr, {-44, 0, 20, 0});
  Rod(cr, 0x6a8a3a, 1.4, 0.6);
  for (int i = 0; i < 5; ++i) {
    double x = -38 + 12 * i;
    LeafAt(cr, x, 0, -1.1, 16, 4.5, 0x5cb85c);
    LeafAt(cr, x, 0, 1.1, 16, 4.5, 0x5cb85c);
  }
  LeafAt(cr, 18, 0, 0, 16, 4.5, 0x5cb85c);
  Pop(cr);
  for (auto [x, y] : {std::pair{36.0, 62.0}, {50.0, 58.0}, {64.0, 64.0}}) {
    Open(cr, {50, 30, x, y});
    Rod(cr, 0x8a5a3a, 1.2, 0.5);
  }
  const double berries[][2] = {{30, 60}, {38, 56}, {46, 54}, {54, 55}, {62, 58}, {70, 62}, {26, 68}, {34, 66}, {42, 64},
                               {50, 63}, {58, 64}, {66, 68}, {74, 70}, {32, 74}, {40, 72}, {48, 71}, {56, 72}, {64, 75},
                               {72, 78}, {38, 80}, {46, 79}, {54, 80}, {62, 83}, {46, 87}, {54, 88}};
  for (auto& b : berries) {
    Berry(cr, b[0], b[1], 4.6, 0xff6a2a, 0.6);
    Circle(cr, b[0], b[1] + 3.2, 0.9);
    Flat(cr, 0x6b2a10);
  }
  Pop(cr);
}

void Redcurrants(cairo_t* cr) {
  LobedLeaf(cr, 66, 26, 0.4, 22, 3, 0x5cb85c);
  Curve(cr, {10, 14, 30, 14, 50, 22});
  Rod(cr, 0x7a5a32, 2, 0.6);
  for (auto [x0, y0, len] : {std::tuple{18.0, 15.0, 5}, {32.0, 16.0, 6}, {46.0, 20.0, 5}}) {
    double x1 = x0 + 6, y1 = y0 + 70;
    Curve(cr, {x0, y0, x0 + 2, y0 + 30, x1, y1});
    Stroke(cr, 0x6a8a3a, 1.2);
    for (int i = 0; i < len; ++i) {
      double f = (i + 1.0) / (len + 0.4);
      double x = x0 + (x1 - x0) * f + (i % 2 ? 4 : -4), y = y0 + (y1 - y0) * f;
      Berry(cr, x, y, 6 - 0.4 * i, 0xe8203a, 0.7);
      Circle(cr, x, y + 4.5 - 0.4 * i, 0.7);
      Flat(cr, 0x5a1a10);
    }
  }
}

void Poppy(cairo_t* cr) {
  const unsigned red = 0xf0302c;
  Curve(cr, {50, 98, 54, 80, 50, 56});
  Rod(cr, 0x6cbf5a, 2.6, 0.7);
  LeafAt(cr, 53, 84, -0.6, 20, 6, 0x6cbf5a);
  for (int k = 0; k < 4; ++k) {
    double a = -M_PI / 4 + k * M_PI / 2 + 0.3;
    Push(cr, 50 + 12 * std::cos(a), 38 + 12 * std::sin(a), a);
    Blob(cr, {-8, 0, 6, -20, 22, -14, 26, 0, 22, 14, 6, 20});
    Pop(cr);
    Fill(cr, k % 2 ? red : Shade(red, 0.1));
  }
  Circle(cr, 50, 38, 11);
  Flat(cr, 0x2d2230);
  for (int k = 0; k < 12; ++k) {
    double a = k * M_PI / 6;
    Circle(cr, 50 + 11 * std::cos(a), 38 + 11 * std::sin(a), 1.4);
    Flat(cr, 0x2d2230);
  }
  Circle(cr, 50, 38, 5.5);
  Fill(cr, 0x8fa86a, 0.7);
  for (int k = 0; k < 4; ++k) {
    double a = k * M_PI / 4;
    Open(cr, {50 - 5 * std::cos(a), 38 - 5 * std::sin(a), 50 + 5 * std::cos(a), 38 + 5 * std::sin(a)});
    Stroke(cr, 0x3a3a2a, 0.7);
  }
}

void Chanterelle(cairo_t* cr, double x, double y, double s, double angle) {
  const unsigned gold = 0xffb52e;
  Push(cr, x, y, angle, s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -5, 24);
  cairo_curve_to(cr, -6, 14, -10, 4, -20, -4);
  cairo_line_to(cr, 20, -4);
  cairo_curve_to(cr, 10, 4, 6, 14, 5, 24);
  cairo_close_path(cr);
  Fill(cr, Shade(gold, 0.1), 1 / s);
  for (int k = -3; k <= 3; ++k) {
    Curve(cr, {k * 5.5, -3, k * 2.5, 6, k * 0.8, 16});
    Stroke(cr, Shade(gold, -0.25), 0.7 / s);
  }
  Blob(cr, {-22, -6, -16, -12, -6, -10, 0, -13, 8, -10, 16, -12, 22, -6, 12, -2, 0, -3, -12, -2});
  Fill(cr, gold, 1 / s);
  Ellipse(cr, 0, 25, 6, 2);
  Fill(cr, Shade(gold, -0.1), 0.8 / s);
  Pop(cr);
}

void Chanterelles(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 40, 3);
  Chanterelle(cr, 28, 54, 1.0, -0.25);
  Chanterelle(cr, 72, 56, 0.95, 0.25);
  Chanterelle(cr, 50, 62, 1.2, 0);
  LeafAt(cr, 10, 92, -0.3, 18, 5, 0x6cbf5a);
  LeafAt(cr, 90, 92, -2.8, 18, 5, 0x6cbf5a);
}

void MilkCap(cairo_t* cr) {
  const unsigned cap = 0xf07a3a;
  GroundShadow(cr, 50, 92, 30, 3);
  Poly(cr, {40, 46, 60, 46, 62, 90, 38, 90});
  Fill(cr, 0xf2a060);
  for (auto [x, y] : {std::pair{46.0, 62.0}, {55.0, 74.0}, {45.0, 82.0}}) {
    Ellipse(cr, x, y, 2.2, 1.6);
    Flat(cr, 0xd9783a);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 40);
  cairo_curve_to(cr, 14, 22, 30, 16, 50, 16);
  cairo_curve_to(cr, 70, 16, 86, 22, 94, 40);
  cairo_curve_to(cr, 80, 52, 20, 52, 6, 40);
  cairo_close_path(cr);
  Fill(cr, cap);
  Ellipse(cr, 50, 26, 16, 4.5);
  Fill(cr, Shade(cap, -0.15), 0.8);
  for (double r : {24.0, 34.0}) {
    Curve(cr, {50 - r, 36 - r * 0.15, 50, 24 + r * 0.35, 50 + r, 36 - r * 0.15});
    Stroke(cr, 0xc85a24, 1.4, 0.7);
  }
  Gleam(cr, 30, 28, 6, 2, -0.4, 0.35);
}

// A fern: a tall frond of paired leaflets, a curled young one beside it.
void Fern(cairo_t* cr) {
  const unsigned green = 0x3f9a4a;
  Push(cr, 56, 98, -0.12);
  Curve(cr, {0, 0, -2, -40, 4, -70, 14, -92});
  Stroke(cr, Shade(green, -0.2), 1.8);
  for (int k = 0; k < 12; ++k) {
    const double t = k / 12.0, y = -14 - 76 * t, x = 16 * t * t - 2 * t;
    const double length = 30 * (1 - t) + 6, width = 4.5 * (1 - t) + 2;
    for (double side : {-1.0, 1.0}) {
      LeafAt(cr, x, y, (side < 0 ? M_PI : 0) - side * 0.35, length, width, k % 2 ? green : Shade(green, 0.1));
      for (int n = 1; n < 4; ++n) {  // the notches of the leaflet
        Open(cr, {x + side * length * n / 4.0 * 0.95, y - 0.35 * length * n / 4.0, x + side * length * n / 4.0 * 0.95,
                  y - 0.35 * length * n / 4.0 + width * 0.7});
        Stroke(cr, Shade(green, 0.35), 0.6);
      }
    }
  }
  Pop(cr);
  // A young frond still curled.
  Curve(cr, {22, 98, 20, 80, 24, 66});
  Stroke(cr, Shade(green, -0.1), 2.4);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 30, 64, 6, M_PI, M_PI * 2.7);
  Rod(cr, green, 3.2, 0.7);
}

// A dandelion in flower and one gone to seed, with a toothed leaf.
void Dandelion(cairo_t* cr) {
  // The toothed leaf.
  Poly(cr, {30, 96, 22, 84, 28, 82, 16, 70, 24, 68, 14, 56, 26, 60, 28, 70, 34, 72, 36, 84, 40, 96});
  Fill(cr, 0x5cb85c);
  Curve(cr, {34, 98, 38, 60, 34, 40});
  Stroke(cr, 0x7ab85a, 2.4);
  Curve(cr, {44, 98, 62, 64, 72, 34});
  Stroke(cr, 0x7ab85a, 2.4);
  // The seed head: a white ball of seeds on fine stalks.
  for (int k = 0; k < 28; ++k) {
    const double a = k * 2 * M_PI / 28;
    Open(cr, {72, 34, 72 + 22 * std::cos(a), 34 + 22 * std::sin(a)});
    Stroke(cr, 0xffffff, 0.7, 0.9);
    Circle(cr, 72 + 22 * std::cos(a), 34 + 22 * std::sin(a), 2);
    Flat(cr, 0xffffff, 0.9);
  }
  Circle(cr, 72, 34, 23);
  Stroke(cr, 0xd0d8e0, 0.8, 0.8);
  Circle(cr, 72, 34, 3.5);
  Fill(cr, 0xc8b070, 0.6);
  for (auto [dx, dy] : {std::pair{30.0, -20.0}, {26.0, -8.0}}) {  // a seed flying off
    Open(cr, {72 + dx, 34 + dy, 72 + dx + 2, 34 + dy + 6});
    Stroke(cr, 0x8a7a5a, 0.8);
    Circle(cr, 72 + dx, 34 + dy, 2.2);
    Flat(cr, 0xffffff, 0.95);
  }
  // The yellow flower: rings of narrow petals.
  for (int ring = 0; ring < 3; ++ring) {
    const int n = 18 - 4 * ring;
    const double r = 16 - 4.5 * ring;
    for (int k = 0; k < n; ++k) {
      const double a = k * 2 * M_PI / n + ring * 0.2;
      LeafAt(cr, 34, 38, a, r, 2.4, ring == 2 ? 0xffb000 : ring == 1 ? 0xffc81a : Yellow, Shade(Yellow, -0.15));
    }
  }
}

// An oak: a broad crown of oak leaves on a thick trunk, acorns hanging in it.
void Oak(cairo_t* cr) {
  GroundShadow(cr, 50, 96, 30, 3);
  Blob(cr, {38, 97, 43, 80, 44, 62, 56, 62, 57, 80, 62, 97});
  Fill(cr, 0x8a5a36);
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50, 70, 50 + 18 * k, 52});
    Rod(cr, 0x8a5a36, 5);
  }
  Curve(cr, {48, 92, 48, 80, 50, 68});
  Stroke(cr, 0x6a4226, 1);
  const double clumps[][3] = {{24, 36, 18}, {50, 20, 20}, {76, 36, 18}, {34, 54, 16}, {66, 54, 16}, {50, 40, 18}, {14, 50, 11}, {84, 50, 11}};
  for (const auto& c : clumps) {
    Circle(cr, c[0], c[1], c[2]);
    Fill(cr, DarkGrass);
  }
  for (const auto& c : clumps) {
    for (int k = 0; k < 3; ++k) OakLeaf(cr, c[0] + (k - 1) * c[2] * 0.4, c[1] - c[2] * 0.2 + (k % 2) * 5, (k - 1) * 0.6, 0.45);
  }
  for (auto [x, y] : {std::pair{30.0, 60.0}, {66.0, 64.0}, {46.0, 40.0}, {78.0, 44.0}, {20.0, 44.0}}) {
    Push(cr, x, y, 0, 0.42);
    Acorn(cr, 0, 0, 0.2);
    Pop(cr);
  }
}

// A tree trunk close to, its furrowed bark marked, a piece of bark peeled off.
void Bark(cairo_t* cr) {
  const unsigned bark = 0x8a6a4a;
  Box(cr, 18, 0, 52, 100, 4);
  FillAndClip(cr, bark);
  for (int k = 0; k < 7; ++k) {
    const double x = 22 + 7.5 * k;
    Curve(cr, {x, 0, x + 3, 20, x - 2, 42, x + 2, 64, x - 1, 86, x + 2, 100});
    Stroke(cr, Shade(bark, -0.35), 1.6);
  }
  for (auto [x, y] : {std::pair{30.0, 30.0}, {48.0, 60.0}, {38.0, 80.0}, {58.0, 20.0}}) {
    Ellipse(cr, x, y, 3, 7);
    Flat(cr, Shade(bark, -0.25));
  }
  Unclip(cr);
  // The peeled piece, curling, its pale inside showing.
  Push(cr, 78, 62, 0.3);
  Blob(cr, {-8, -18, 6, -20, 12, 0, 8, 20, -6, 22, -2, 0});
  Fill(cr, bark);
  Blob(cr, {-4, -14, 4, -15, 8, 0, 4, 15, -3, 16, 0, 0});
  Fill(cr, 0xe8c89a, 0.6);
  Pop(cr);
  Pointer(cr, 40, 50, 3.6, 22);
}

// A dahlia: a round head of many pointed petals in rings, on a stem with
// toothed leaves.
void Dahlia(cairo_t* cr) {
  Curve(cr, {50, 96, 52, 80, 50, 58});
  Rod(cr, DarkGrass, 3.5);
  LeafAt(cr, 51, 84, -0.5, 24, 10, Leaf, DarkGrass);
  LeafAt(cr, 51, 78, -2.7, 22, 9, Leaf, DarkGrass);
  const double cx = 50, cy = 40;
  const unsigned petal = 0xe8477a;
  const struct {
    double r;
    int n;
    double w, t;
  } rings[] = {{38, 16, 7.5, -0.05}, {30, 14, 7, 0.15}, {21, 12, 6, 0.35}, {12, 9, 4.5, 0.55}};
  int ring = 0;
  for (const auto& g : rings) {
    for (int i = 0; i < g.n; ++i) {
      const double a = (i + 0.5 * (ring % 2)) * 2 * M_PI / g.n;
      Push(cr, cx, cy, a);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 0, 0);
      cairo_curve_to(cr, g.r * 0.4, -g.w, g.r * 0.85, -g.w * 0.7, g.r, 0);
      cairo_curve_to(cr, g.r * 0.85, g.w * 0.7, g.r * 0.4, g.w, 0, 0);
      cairo_close_path(cr);
      Pop(cr);
      Fill(cr, Shade(petal, g.t), 0.7);
    }
    ++ring;
  }
  Circle(cr, cx, cy, 5);
  Fill(cr, Yellow, 0.7);
}

}  // namespace

}  // namespace datagen::words::draw
