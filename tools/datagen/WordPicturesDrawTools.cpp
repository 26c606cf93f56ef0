// Word drawings: tools of the farm and workshop, carts and weapons.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Flail(cairo_t* cr);
void Rake(cairo_t* cr);
void Crank(cairo_t* cr);
void Scythe(cairo_t* cr);
void Shovel(cairo_t* cr);
void Sickle(cairo_t* cr);
void Pitchfork(cairo_t* cr);
void Wheelbarrow(cairo_t* cr);
void BeanPole(cairo_t* cr);
void Axle(cairo_t* cr);
void Cart(cairo_t* cr);
void RoadRoller(cairo_t* cr);
void Sack(cairo_t* cr);
void OpenSack(cairo_t* cr);
void Weights(cairo_t* cr);
void Stretcher(cairo_t* cr);
void Crossbow(cairo_t* cr);
void WalkingStick(cairo_t* cr);
void Saddle(cairo_t* cr);
void Sabre(cairo_t* cr);
void CannonBarrel(cairo_t* cr);

}  // namespace

Named ToolsDrawings() {
  return {
      {"flail", Flail},
      {"rake", Rake},
      {"crank", Crank},
      {"scythe", Scythe},
      {"shovel", Shovel},
      {"sickle", Sickle},
      {"pitchfork", Pitchfork},
      {"wheelbarrow", Wheelbarrow},
      {"bean-pole", BeanPole},
      {"axle", Axle},
      {"cart", Cart},
      {"road-roller", RoadRoller},
      {"sack", Sack},
      {"open-sack", OpenSack},
      {"weights", Weights},
      {"stretcher", Stretcher},
      {"crossbow", Crossbow},
      {"walking-stick", WalkingStick},
      {"saddle", Saddle},
      {"sabre", Sabre},
      {"cannon-barrel", CannonBarrel},
  };
}

namespace {

void WheatStalks(cairo_t* cr, double x, double y, double angle, double s) {
  Push(cr, x, y, angle, s);
  for (int k = -1; k <= 1; ++k) {
    double tx = k * 8.0, ty = -40 + std::abs(k) * 4.0;
    Curve(cr, {0, 0, tx * 0.5, -20, tx, ty});
    Stroke(cr, 0xd9b44a, 1.6 / s);
    for (int g = 0; g < 4; ++g) {
      for (int side = -1; side <= 1; side += 2) {
        Push(cr, tx + side * 1.6, ty - 2 - 4 * g, side * 0.5);
        Ellipse(cr, 0, 0, 1.7, 3.2);
        Pop(cr);
        Fill(cr, 0xf2c94c, 0.6 / s);
      }
    }
  }
  Pop(cr);
}

void Flail(cairo_t* cr) {
  WheatStalks(cr, 76, 96, 0.2, 1.0);
  Open(cr, {12, 94, 54, 36});
  Rod(cr, Wood, 4.5);
  Curve(cr, {54, 36, 58, 29, 62, 32});
  Rod(cr, 0x7a4a2a, 2.2, 0.7);
  Open(cr, {62, 32, 90, 8});
  Rod(cr, LightWood, 6);
}

void Rake(cairo_t* cr) {
  Open(cr, {50, 4, 50, 72});
  Rod(cr, Wood, 4.5);
  for (int i = 0; i < 11; ++i) {
    double x = 12 + 7.6 * i;
    Open(cr, {x, 74, x, 90});
    Rod(cr, DarkSteel, 2, 0.7);
  }
  Box(cr, 8, 68, 84, 7, 2);
  Fill(cr, Steel);
  for (auto [x, y, c] : {std::tuple{22.0, 92.0, Orange}, {82.0, 90.0, Red}, {70.0, 96.0, Yellow}}) {
    Push(cr, x, y, 0.4);
    Blob(cr, {-6, 0, 0, -4, 6, 0, 0, 4});
    Pop(cr);
    Fill(cr, c, 0.7);
  }
}

// A well's roller on its posts, the rope and bucket; the crank that turns it
// big and lit, an arrow going round it.
void Crank(cairo_t* cr) {
  Box(cr, 4, 26, 8, 70, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 56, 26, 8, 70, 1.5);
  Fill(cr, DarkWood);
  Box(cr, 10, 34, 48, 16, 4);
  Fill(cr, Wood);
  for (int i = 0; i < 7; ++i) {
    double x = 20 + 3.6 * i;
    Open(cr, {x, 34.5, x + 2, 49.5});
    Stroke(cr, 0xe8d9a8, 2.2);
  }
  Open(cr, {34, 49, 34, 70});
  Stroke(cr, 0xe8d9a8, 1.8);
  Poly(cr, {24, 70, 44, 70, 41, 90, 27, 90});
  Fill(cr, Steel);
  Curve(cr, {24, 70, 34, 62, 44, 70});
  Stroke(cr, DarkSteel, 1.2);
  Glow(cr, 80, 58, 22, 26);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 78, 42, 24, -2.6, -0.9);
  Stroke(cr, Red, 2.5, 0.9);
  Push(cr, 78 + 24 * std::cos(-0.9), 42 + 24 * std::sin(-0.9), 0.7);
  Poly(cr, {-4, -5, 5, 0, -4, 5});
  Pop(cr);
  Fill(cr, Red);
  Open(cr, {62, 42, 82, 42});
  Rod(cr, DarkSteel, 5);
  Open(cr, {82, 42, 82, 72});
  Rod(cr, DarkSteel, 5);
  Open(cr, {82, 72, 96, 72});
  Rod(cr, Red, 7.5);
  Circle(cr, 62, 42, 4);
  Fill(cr, Steel, 0.8);
}

void Scythe(cairo_t* cr) {
  GrassTufts(cr, 96, 4, 40);
  Curve(cr, {22, 96, 40, 60, 52, 30, 58, 8});
  Rod(cr, Wood, 3.6);
  Open(cr, {38, 62, 46, 68});
  Rod(cr, Wood, 3);
  Open(cr, {50, 32, 58, 38});
  Rod(cr, Wood, 3);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 56, 8);
  cairo_curve_to(cr, 40, 2, 16, 8, 2, 26);
  cairo_curve_to(cr, 20, 14, 40, 12, 57, 16);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Gleam(cr, 30, 10, 10, 1.2, -0.2, 0.7);
}

void Shovel(cairo_t* cr) {
  Blob(cr, {18, 96, 30, 82, 50, 78, 68, 84, 80, 96});
  Fill(cr, 0x8a5a3a);
  Push(cr, 50, 50, 0.25);
  Open(cr, {0, -44, 0, 12});
  Rod(cr, Wood, 4.5);
  Box(cr, -8, -50, 16, 7, 3);
  Fill(cr, Wood);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -14, 10);
  cairo_line_to(cr, 14, 10);
  cairo_line_to(cr, 14, 34);
  cairo_curve_to(cr, 14, 44, 0, 48, 0, 48);
  cairo_curve_to(cr, 0, 48, -14, 44, -14, 34);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Box(cr, -4, 4, 8, 10, 1.5);
  Fill(cr, DarkSteel, 0.8);
  Gleam(cr, -7, 26, 1.6, 9, 0, 0.6);
  Pop(cr);
}

void Cannon(cairo_t* cr) {
  for (auto [x, y] : {std::pair{74.0, 88.0}, {86.0, 88.0}, {80.0, 78.0}}) {
    Circle(cr, x, y, 6);
    Fill(cr, 0x4a4a55);
  }
  Poly(cr, {14, 86, 62, 86, 52, 60, 24, 64});
  Fill(cr, Wood);
  Push(cr, 44, 54, -0.42);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -30, -9);
  cairo_line_to(cr, 44, -6);
  cairo_line_to(cr, 44, 6);
  cairo_line_to(cr, -30, 9);
  cairo_curve_to(cr, -38, 9, -38, -9, -30, -9);
  cairo_close_path(cr);
  Fill(cr, 0x4a4a55);
  Box(cr, 40, -8, 6, 16, 2);
  Fill(cr, 0x5a5a66);
  Ellipse(cr, 46, 0, 1.6, 5);
  Flat(cr, 0x1a1a22);
  Box(cr, -22, -10, 4, 20, 1.5);
  Fill(cr, 0x5a5a66, 0.7);
  Gleam(cr, 8, -4.5, 22, 1.3, 0, 0.45);
  Pop(cr);
  Wheel(cr, 34, 78, 16, DarkWood, Yellow, 8);
}

void Stretcher(cairo_t* cr) {
  Push(cr, 50, 52, -0.3);
  for (double y : {14.0}) {
    Open(cr, {-46, y, 46, y});
    Rod(cr, DarkSteel, 3.5);
  }
  for (double x : {-30.0, 30.0}) {
    Open(cr, {x, 15, x, 26});
    Rod(cr, DarkSteel, 2.5);
    Open(cr, {x, -11, x, 0});
    Rod(cr, DarkSteel, 2.5);
  }
  Poly(cr, {-38, -12, 38, -12, 38, 14, -38, 14});
  Fill(cr, 0xf4eee2);
  Box(cr, -5, -8, 10, 18, 1);
  Flat(cr, Red);
  Box(cr, -11, -2, 22, 6, 1);
  Flat(cr, Red);
  Open(cr, {-46, -12, 46, -12});
  Rod(cr, Steel, 3.5);
  Open(cr, {-46, 14, 46, 14});
  Rod(cr, Steel, 3.5);
  for (double x : {-46.0, 46.0}) {
    Open(cr, {x, -12, x + (x < 0 ? -4 : 4), -12});
    Rod(cr, 0x2d2a32, 3.8);
    Open(cr, {x, 14, x + (x < 0 ? -4 : 4), 14});
    Rod(cr, 0x2d2a32, 3.8);
  }
  Pop(cr);
}

void Weight(cairo_t* cr, double x, double bottom, double s) {
  const unsigned iron = 0x5a5e68;
  Circle(cr, x, bottom - s * 1.25, s * 0.22);
  Fill(cr, iron);
  Box(cr, x - s * 0.12, bottom - s * 1.15, s * 0.24, s * 0.25, 1);
  Fill(cr, iron);
  Poly(cr, {x - s * 0.38, bottom - s * 0.92, x + s * 0.38, bottom - s * 0.92, x + s * 0.55, bottom, x - s * 0.55, bottom});
  Fill(cr, iron);
  Box(cr, x - s * 0.6, bottom - s * 0.12, s * 1.2, s * 0.12, 1);
  Fill(cr, Shade(iron, -0.2));
  Gleam(cr, x - s * 0.25, bottom - s * 0.5, s * 0.05, s * 0.3, 0.2, 0.5);
}

void Weights(cairo_t* cr) {
  GroundShadow(cr, 50, 90, 48, 3);
  Weight(cr, 26, 90, 44);
  Weight(cr, 62, 90, 32);
  Weight(cr, 86, 90, 20);
}

void Axle(cairo_t* cr) {
  // Two wheels on the bar that joins them; the arrow shows the bar.
  GroundShadow(cr, 50, 84, 46, 3);
  Ellipse(cr, 82, 56, 11, 26);
  Fill(cr, 0x4a4a55);
  Ellipse(cr, 82, 56, 7, 17);
  Fill(cr, Red);
  Box(cr, 16, 52, 66, 8, 4);
  Fill(cr, Steel);
  Gleam(cr, 50, 54, 28, 1.2, 0, 0.6);
  Ellipse(cr, 18, 56, 12, 28);
  Fill(cr, 0x4a4a55);
  Ellipse(cr, 18, 56, 7.5, 18);
  Fill(cr, Red);
  Ellipse(cr, 18, 56, 3, 7);
  Fill(cr, Steel);
  Pointer(cr, 50, 50, -M_PI / 2, 24);
}

void Sickle(cairo_t* cr) {
  WheatStalks(cr, 78, 96, 0.15, 1.1);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 36, 64);
  cairo_curve_to(cr, 4, 48, 10, 6, 48, 6);
  cairo_curve_to(cr, 72, 6, 82, 24, 76, 38);
  cairo_curve_to(cr, 70, 22, 56, 14, 42, 18);
  cairo_curve_to(cr, 20, 26, 24, 50, 42, 60);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Gleam(cr, 22, 30, 2, 10, 0.5, 0.6);
  Open(cr, {38, 62, 24, 92});
  Rod(cr, Wood, 6);
}

void Saddle(cairo_t* cr) {
  const unsigned leather = 0x9a5a34;
  Open(cr, {48, 50, 50, 80});
  Rod(cr, 0x6e3e22, 3);
  Poly(cr, {42, 80, 58, 80, 56, 88, 44, 88});
  Edge(cr, 2.6);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 6, 30);
  cairo_curve_to(cr, 8, 20, 16, 18, 22, 30);
  cairo_curve_to(cr, 40, 46, 62, 46, 78, 28);
  cairo_curve_to(cr, 82, 18, 90, 12, 94, 16);
  cairo_curve_to(cr, 96, 28, 90, 44, 80, 52);
  cairo_curve_to(cr, 60, 62, 30, 62, 14, 52);
  cairo_curve_to(cr, 8, 46, 4, 38, 6, 30);
  cairo_close_path(cr);
  Fill(cr, leather);
  Blob(cr, {26, 48, 56, 48, 62, 72, 30, 74});
  Fill(cr, Shade(leather, -0.15));
  Curve(cr, {22, 34, 50, 48, 78, 32});
  Stroke(cr, Shade(leather, 0.3), 1, 0.8);
  Gleam(cr, 88, 22, 1.5, 4, 0.5, 0.5);
  Open(cr, {49, 52, 49, 80});
  Rod(cr, 0x6e3e22, 2.5, 0.7);
  Poly(cr, {40, 80, 58, 80, 56, 88, 42, 88});
  Fill(cr, Steel);
}

void Wheelbarrow(cairo_t* cr) {
  Open(cr, {70, 66, 74, 90});
  Rod(cr, DarkSteel, 3);
  Open(cr, {30, 60, 96, 48});
  Rod(cr, DarkSteel, 3.2);
  Blob(cr, {22, 40, 40, 26, 60, 28, 76, 40});
  Fill(cr, 0xe8c48e);
  Poly(cr, {14, 40, 84, 40, 70, 66, 30, 66});
  Fill(cr, Red);
  Open(cr, {16, 44, 82, 44});
  Stroke(cr, Shade(Red, -0.25), 1.2);
  Open(cr, {30, 64, 24, 78});
  Rod(cr, DarkSteel, 3);
  Wheel(cr, 24, 80, 13, 0x3a3a44, Steel, 6);
  Box(cr, 92, 45, 8, 5, 2.5);
  Fill(cr, 0x2d2a32);
}

void BeanPole(cairo_t* cr) {
  Blob(cr, {20, 96, 36, 88, 64, 88, 80, 96});
  Fill(cr, 0x8a5a3a);
  Open(cr, {50, 94, 50, 4});
  Rod(cr, Wood, 4.5);
  // A bean winding up it, with leaves and pods.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50, 90);
  for (int k = 0; k < 16; ++k) {
    double y = 90 - 5 * (k + 1);
    cairo_line_to(cr, 50 + 6 * std::sin(k * 1.1), y);
  }
  Stroke(cr, 0x5aa850, 1.6);
  for (int k = 0; k < 6; ++k) {
    double y = 80 - 12 * k, side = k % 2 ? 1 : -1;
    for (int j = -1; j <= 1; ++j) {
      Push(cr, 50 + side * 6, y, side > 0 ? 0.3 * j : M_PI + 0.3 * j);
      Blob(cr, {0, 0, 6, -6, 14, 0, 6, 6});
      Pop(cr);
      Fill(cr, 0x6cc35a, 0.7);
    }
  }
  for (double y : {56.0, 32.0}) {
    Curve(cr, {54, y, 60, y + 8, 58, y + 18});
    Rod(cr, 0x8fcf6a, 3, 0.7);
  }
}

void RoadRoller(cairo_t* cr) {
  GroundShadow(cr, 50, 92, 48, 3);
  Box(cr, 80, 22, 5, 14, 2);
  Fill(cr, 0x4a4a55);
  // The cab: roof, posts and window.
  Box(cr, 52, 10, 40, 6, 2);
  Fill(cr, Red);
  Box(cr, 56, 16, 4, 26, 1);
  Fill(cr, 0x4a4a55, 0.8);
  Box(cr, 84, 16, 4, 26, 1);
  Fill(cr, 0x4a4a55, 0.8);
  Box(cr, 61, 20, 22, 16, 2);
  Fill(cr, Sky, 0.7);
  Box(cr, 30, 40, 64, 24, 5);
  Fill(cr, Yellow);
  Box(cr, 10, 46, 34, 10, 3);
  Fill(cr, Shade(Yellow, -0.1));
  // The big front drum and the back wheel.
  Circle(cr, 26, 70, 22);
  Fill(cr, 0xa4aeb6);
  Circle(cr, 26, 70, 15);
  Fill(cr, 0xc4ccd2, 0.8);
  Circle(cr, 26, 70, 5);
  Fill(cr, Yellow, 0.8);
  Circle(cr, 78, 76, 15);
  Fill(cr, 0x3a3a44);
  Circle(cr, 78, 76, 6);
  Fill(cr, Yellow, 0.8);
  Box(cr, 20, 40, 14, 8, 2);
  Fill(cr, Shade(Yellow, -0.15));
}

void Sack(cairo_t* cr) {
  const unsigned hessian = 0xd9b98a;
  GroundShadow(cr, 50, 92, 36, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 30);
  cairo_curve_to(cr, 14, 44, 10, 76, 22, 88);
  cairo_curve_to(cr, 40, 96, 60, 96, 78, 88);
  cairo_curve_to(cr, 90, 76, 86, 44, 60, 30);
  cairo_close_path(cr);
  Fill(cr, hessian);
  for (int i = 0; i < 5; ++i) {
    double x = 30 + 10 * i;
    Curve(cr, {48 + (x - 50) * 0.2, 36, x, 62, x + (x - 50) * 0.1, 88});
    Stroke(cr, Shade(hessian, -0.2), 0.7, 0.7);
  }
  Blob(cr, {40, 30, 30, 14, 42, 8, 50, 14, 58, 8, 70, 14, 60, 30});
  Fill(cr, Shade(hessian, 0.08));
  Box(cr, 38, 26, 24, 6, 3);
  Fill(cr, 0xa8753a);
  Curve(cr, {58, 30, 66, 36, 64, 44});
  Rod(cr, 0xa8753a, 2, 0.6);
  Box(cr, 54, 58, 16, 14, 2);
  Fill(cr, Shade(hessian, -0.12), 0.7);
}

void OpenSack(cairo_t* cr) {
  const unsigned cloth = 0xe8d8b8;
  GroundShadow(cr, 50, 92, 36, 4);
  // A sack standing open, full of potatoes.
  Push(cr, 50, 96, 0, 1.12);
  cairo_translate(cr, -50, -96);
  Ellipse(cr, 50, 30, 30, 10);
  Fill(cr, Shade(cloth, -0.3));
  for (auto [x, y] : {std::pair{38.0, 30.0}, {52.0, 27.0}, {64.0, 31.0}, {46.0, 35.0}, {58.0, 36.0}}) {
    Ellipse(cr, x, y, 7, 5);
    Fill(cr, 0xc9955a, 0.7);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 20, 32);
  cairo_curve_to(cr, 34, 42, 66, 42, 80, 32);
  cairo_curve_to(cr, 92, 56, 88, 80, 78, 90);
  cairo_curve_to(cr, 60, 96, 40, 96, 22, 90);
  cairo_curve_to(cr, 12, 80, 8, 56, 20, 32);
  cairo_close_path(cr);
  Fill(cr, cloth);
  for (double x : {32.0, 50.0, 68.0}) {
    Curve(cr, {x, 42, x + (x - 50) * 0.2, 66, x + (x - 50) * 0.1, 90});
    Stroke(cr, Shade(cloth, -0.2), 0.8, 0.8);
  }
  Box(cr, 56, 60, 16, 14, 2);
  Fill(cr, Shade(cloth, -0.12), 0.7);
  Pop(cr);
}

void Cart(cairo_t* cr) {
  Open(cr, {22, 66, 2, 78});
  Rod(cr, DarkWood, 3);
  // Hay on top, the box, the wheels.
  Blob(cr, {22, 44, 30, 26, 50, 20, 72, 24, 86, 40});
  Fill(cr, 0xf2d36b);
  for (int i = 0; i < 6; ++i) {
    double x = 28 + 10 * i;
    Curve(cr, {x, 42, x + 2, 32, x - 2, 24});
    Stroke(cr, 0xd9b44a, 0.9);
  }
  Poly(cr, {16, 40, 92, 40, 88, 66, 20, 66});
  Fill(cr, Wood);
  for (double y : {48.0, 57.0}) {
    Open(cr, {18, y, 90, y});
    Stroke(cr, DarkWood, 0.9);
  }
  Wheel(cr, 32, 74, 17, DarkWood, Yellow, 8);
  Wheel(cr, 78, 76, 15, DarkWood, Yellow, 8);
}

void Pitchfork(cairo_t* cr) {
  Blob(cr, {10, 96, 24, 80, 46, 76, 66, 84, 72, 96});
  Fill(cr, 0xf2d36b);
  Open(cr, {40, 96, 58, 36});
  Rod(cr, Wood, 4.5);
  Push(cr, 58, 36, 0.29);
  Curve(cr, {-14, 0, -14, -14, -16, -32});
  Rod(cr, Steel, 2.6);
  Curve(cr, {14, 0, 14, -14, 16, -32});
  Rod(cr, Steel, 2.6);
  Open(cr, {0, 0, 0, -34});
  Rod(cr, Steel, 2.6);
  Curve(cr, {-14, 0, -10, 5, 0, 6, 10, 5, 14, 0});
  Rod(cr, Steel, 3);
  Pop(cr);
}

void WalkingStick(cairo_t* cr) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 56, 96);
  cairo_line_to(cr, 56, 24);
  cairo_curve_to(cr, 56, 4, 28, 4, 28, 20);
  cairo_curve_to(cr, 28, 26, 32, 28, 34, 28);
  Rod(cr, 0x8a5a36, 7);
  Box(cr, 52, 90, 8, 7, 2);
  Fill(cr, 0x2d2a32);
  Open(cr, {54, 30, 54, 86});
  Stroke(cr, 0xffffff, 1, 0.35);
}

void Crossbow(cairo_t* cr) {
  Push(cr, 50, 54, -0.6, 1.2);
  // The string, the bow across, the stock and a bolt on it.
  Open(cr, {-36, 6, 0, 16, 36, 6});
  Stroke(cr, 0xf4f1ea, 1.2);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -38, 4);
  cairo_curve_to(cr, -20, -10, 20, -10, 38, 4);
  Rod(cr, DarkSteel, 3.5);
  Box(cr, -5, -16, 10, 62, 3);
  Fill(cr, Wood);
  Box(cr, -8, 30, 16, 18, 5);
  Fill(cr, DarkWood);
  Open(cr, {0, 16, 0, -28});
  Rod(cr, 0xf4f1ea, 1.8, 0.6);
  Poly(cr, {-4, -26, 4, -26, 0, -36});
  Fill(cr, Steel);
  Poly(cr, {-3, 14, 0, 10, 3, 14, 3, 20, -3, 20});
  Fill(cr, Red, 0.7);
  Open(cr, {2, 26, 6, 32});
  Rod(cr, DarkSteel, 1.6, 0.6);
  Pop(cr);
}

// A curved sabre with a brass hilt and a guard over the hand.
void Sabre(cairo_t* cr) {
  Push(cr, 52, 54, -0.75, 0.9);
  // The blade curves along its back from the guard to the tip.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -24, -6);
  cairo_curve_to(cr, 0, -8, 40, -14, 64, -30);
  cairo_curve_to(cr, 50, -4, 10, 8, -24, 6);
  cairo_close_path(cr);
  Fill(cr, 0xe4eaef);
  Curve(cr, {-22, -2, 10, -4, 52, -20});
  Stroke(cr, 0xb8c4cc, 1);
  // The hilt: a grip, a cross-guard and the bow round the hand.
  Box(cr, -48, -4, 22, 8, 4);
  Fill(cr, 0x5a3420);
  for (double x : {-44.0, -38.0, -32.0}) {
    Open(cr, {x, -3.5, x + 2, 3.5});
    Stroke(cr, 0xe8c060, 1);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -26, 5);
  cairo_curve_to(cr, -32, 18, -46, 18, -50, 4);
  Rod(cr, 0xe0b040, 2.6);
  Box(cr, -27, -9, 4, 18, 2);
  Fill(cr, 0xe0b040);
  Circle(cr, -50, 0, 3.5);
  Fill(cr, 0xe0b040);
  Pop(cr);
}

// The cannon with its barrel marked.
void CannonBarrel(cairo_t* cr) {
  Cannon(cr);
  Glow(cr, 58, 40, 30, 11);
  Pointer(cr, 60, 30, -1.2, 24);
}

}  // namespace

}  // namespace datagen::words::draw
