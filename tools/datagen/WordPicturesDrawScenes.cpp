// Word drawings: rooms and places seen whole, and what one rides on them.
#include <cmath>
#include <tuple>
#include <vector>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Bathroom(cairo_t* cr);
void ToiletRoom(cairo_t* cr);
void Jungle(cairo_t* cr);
void Bar(cairo_t* cr);
void Motorbike(cairo_t* cr);
void Ski(cairo_t* cr);
void Skis(cairo_t* cr);

}  // namespace

Named SceneDrawings() {
  return {
      {"bathroom", Bathroom},
      {"toilet-room", ToiletRoom},
      {"jungle", Jungle},
      {"snack-bar", Bar},
      {"motorbike", Motorbike},
      {"ski", Ski},
      {"skis", Skis},
  };
}

namespace {

constexpr unsigned Porcelain = 0xfbfbfd, Tile = 0xcfe9f5, Floor = 0xd9c3a5, Tyre = 0x2d2a32;

// The back wall of a small room, tiled, over a floor; the room spans 6..94.
void TiledRoom(cairo_t* cr, unsigned tile) {
  Box(cr, 4, 4, 92, 74, 3);
  Fill(cr, tile);
  for (double x = 4 + 11.5; x < 95; x += 11.5) {
    Open(cr, {x, 5, x, 77});
    Stroke(cr, Shade(tile, -0.18), 0.7);
  }
  for (double y = 4 + 11; y < 78; y += 11) {
    Open(cr, {5, y, 95, y});
    Stroke(cr, Shade(tile, -0.18), 0.7);
  }
  Poly(cr, {4, 78, 96, 78, 100, 96, 0, 96});
  Fill(cr, Floor);
}

// A white toilet seen from the front, its cistern on the wall; centred on cx,
// standing on the line y.
void Toilet(cairo_t* cr, double cx, double y, double s) {
  Push(cr, cx, y, 0, s);
  Box(cr, -13, -58, 26, 20, 3);
  Fill(cr, Porcelain);
  Box(cr, -4, -62, 8, 4, 1.5);
  Fill(cr, Steel);
  // The pan's foot, the bowl and the open lid behind the seat.
  Poly(cr, {-8, -16, 8, -16, 10, 0, -10, 0});
  Fill(cr, Shade(Porcelain, -0.06));
  Box(cr, -14, -40, 28, 10, 4);
  Fill(cr, Porcelain);
  Blob(cr, {-17, -30, 0, -33, 17, -30, 13, -18, 0, -13, -13, -18});
  Fill(cr, Porcelain);
  Ellipse(cr, 0, -29, 15, 4.5);
  Fill(cr, Porcelain);
  Ellipse(cr, 0, -29, 10, 2.6);
  Fill(cr, 0xa9d8ee);
  Pop(cr);
}

// A roll of toilet paper on its holder at (x, y).
void PaperRoll(cairo_t* cr, double x, double y) {
  Box(cr, x - 1, y - 8, 2.5, 8, 1);
  Fill(cr, Steel);
  Box(cr, x - 8, y - 6, 16, 12, 3);
  Fill(cr, 0xffffff);
  Ellipse(cr, x + 8, y, 2.4, 6);
  Fill(cr, 0xf2f2f2);
  Circle(cr, x + 8, y, 1.4);
  Flat(cr, 0xb9a98e);
  Box(cr, x - 6, y + 5, 8, 9, 0.5);
  Fill(cr, 0xffffff);
}

void ToiletRoom(cairo_t* cr) {
  TiledRoom(cr, 0xd8eedd);
  // The door, ajar, on the left; the window above.
  Box(cr, 8, 18, 22, 60, 1.5);
  Fill(cr, LightWood);
  Knob(cr, 26, 50, 2);
  Box(cr, 42, 10, 16, 12, 1.5);
  Fill(cr, Sky);
  Open(cr, {50, 10, 50, 22});
  Stroke(cr, Ink, 1);
  Toilet(cr, 54, 88, 1.05);
  PaperRoll(cr, 80, 52);
  // A little mat in front of it.
  Ellipse(cr, 54, 93, 18, 3);
  Fill(cr, 0x8fc7a0);
}

void Bathroom(cairo_t* cr) {
  TiledRoom(cr, Tile);
  // The mirror over the washbasin on the right.
  Ellipse(cr, 74, 26, 11, 13);
  Fill(cr, 0xe9f6fc);
  Gleam(cr, 70, 21, 3, 6, -0.5, 0.8);
  Open(cr, {74, 56, 74, 44, 69, 44});
  Rod(cr, Steel, 2);
  Blob(cr, {60, 50, 88, 50, 84, 60, 74, 62, 64, 60});
  Fill(cr, Porcelain);
  Box(cr, 71, 60, 6, 22, 1.5);
  Fill(cr, Porcelain);
  // A towel on its rail.
  Open(cr, {90, 44, 96, 44});
  Rod(cr, Steel, 1.5);
  Box(cr, 88, 44, 8, 20, 1.5);
  Fill(cr, Pink);
  // The bath on the left, full of foam, a shower over it.
  Open(cr, {10, 48, 10, 8, 22, 8});
  Rod(cr, Steel, 2);
  Push(cr, 24, 12, 0.5);
  Poly(cr, {-5, -2, 5, -2, 8, 6, -8, 6});
  Pop(cr);
  Fill(cr, Steel);
  for (double k : {-1.0, 0.0, 1.0}) {
    Open(cr, {25 + 3 * k, 18, 27 + 6 * k, 40});
    Stroke(cr, 0x5bb4e8, 1.2, 0.8);
  }
  for (double x : {12.0, 46.0}) {
    Box(cr, x - 2, 80, 4, 8, 1.5);
    Fill(cr, Steel);
  }
  for (auto [x, y, r] : std::vector<std::tuple<double, double, double>>{
           {12, 50, 4}, {18, 47, 5}, {25, 48, 4}, {32, 46, 5}, {40, 48, 4}, {46, 50, 3.5}, {29, 42, 3}})
    Circle(cr, x, y, r), Fill(cr, 0xffffff, 0.6);
  Blob(cr, {4, 52, 54, 52, 52, 74, 46, 82, 12, 82, 6, 74});
  Fill(cr, Porcelain);
  Box(cr, 4, 50, 50, 5, 2.5);
  Fill(cr, Shade(Porcelain, -0.04));
}

// A tall leaf of the forest, hanging from (x, y) along the angle.
void JungleLeaf(cairo_t* cr, double x, double y, double angle, double length, unsigned rgb) {
  LeafAt(cr, x, y, angle, length, length * 0.42, rgb, Shade(rgb, -0.3));
}

void Jungle(cairo_t* cr) {
  // Trunks at the back, creepers hanging from the crowns.
  for (auto [x, w] : std::vector<std::pair<double, double>>{{14, 9}, {84, 10}}) {
    Box(cr, x - w / 2, 14, w, 86, 2);
    Fill(cr, DarkWood);
  }
  for (double x : {30.0, 46.0, 70.0}) {
    Curve(cr, {x, 6, x + 4, 30, x - 2, 54, x + 2, 72});
    Rod(cr, 0x6f9a3a, 2.4);
  }
  // The crowns: big leaves over the top, ferns and broad leaves at the bottom.
  const unsigned greens[] = {0x2f8f4e, 0x4fb35f, 0x6cc46a, 0x3aa05a};
  int i = 0;
  for (auto [x, a, len] : std::vector<std::tuple<double, double, double>>{
           {4, 0.5, 34}, {20, 0.9, 30}, {40, 1.3, 26}, {60, 1.9, 26}, {80, 2.3, 30}, {98, 2.6, 34}, {50, 0.3, 28}, {54, 2.8, 28}})
    JungleLeaf(cr, x, -4, a, len, greens[i++ % 4]);
  for (auto [x, a, len] : std::vector<std::tuple<double, double, double>>{
           {0, -0.5, 34}, {14, -1.0, 34}, {30, -1.5, 30}, {70, -1.7, 30}, {86, -2.2, 34}, {100, -2.6, 34}, {50, -1.2, 26}})
    JungleLeaf(cr, x, 104, a, len, greens[i++ % 4]);
  // A monkey swinging on a creeper, a parrot on a branch.
  Curve(cr, {58, 4, 60, 22, 56, 40});
  Rod(cr, 0x6f9a3a, 2.4);
  const unsigned fur = 0x8a5a36, face = 0xf0c8a0;
  Open(cr, {56, 40, 50, 52});
  Rod(cr, fur, 4);
  Ellipse(cr, 48, 60, 9, 11);
  Fill(cr, fur);
  Curve(cr, {44, 68, 36, 76, 40, 84, 46, 80});
  Stroke(cr, fur, 2.5);
  for (double k : {-1.0, 1.0}) {
    Open(cr, {48 + 5 * k, 68, 48 + 8 * k, 78});
    Rod(cr, fur, 3.5);
  }
  Circle(cr, 40, 48, 8);
  Fill(cr, fur);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 40 + 8.5 * k, 47, 3);
    Fill(cr, face);
  }
  Ellipse(cr, 40, 50, 6, 5);
  Fill(cr, face);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 40 + 2.4 * k, 47.5, 1.1);
    Flat(cr, 0x2d2a32);
  }
  Curve(cr, {37.5, 52.5, 40, 54, 42.5, 52.5});
  Stroke(cr, 0x2d2a32, 0.8);
  // The parrot.
  Open(cr, {70, 40, 92, 36});
  Rod(cr, DarkWood, 3);
  Blob(cr, {80, 38, 76, 28, 80, 20, 86, 22, 86, 32, 84, 40, 82, 52});
  Fill(cr, Red);
  Blob(cr, {82, 30, 88, 32, 86, 42, 82, 44});
  Fill(cr, Blue);
  Poly(cr, {78, 22, 74, 25, 78, 27});
  Fill(cr, Yellow);
  Circle(cr, 81, 23, 1);
  Flat(cr, 0x2d2a32);
}

// A snack bar: a counter with tall stools, a shelf of glasses and bottles,
// a drink and a cake on the counter.
void Bar(cairo_t* cr) {
  // The wall shelf and what stands on it.
  Box(cr, 8, 22, 84, 3.5, 1);
  Fill(cr, DarkWood);
  const unsigned bottles[] = {0x7cc46a, 0xff9f43, 0x5b9bf0, 0xd9534f, 0xffd23f};
  for (int k = 0; k < 5; ++k) {
    double x = 16 + k * 17;
    Box(cr, x - 3.5, 8, 7, 14, 2.5);
    Fill(cr, bottles[k]);
    Box(cr, x - 1.5, 2, 3, 7, 1);
    Fill(cr, bottles[k]);
  }
  // The counter.
  Box(cr, 4, 46, 92, 6, 2);
  Fill(cr, DarkWood);
  Box(cr, 8, 52, 84, 30, 1);
  Fill(cr, Wood);
  for (double x : {30.0, 50.0, 70.0}) {
    Open(cr, {x, 54, x, 80});
    Stroke(cr, DarkWood, 1);
  }
  // A drink with a straw and a piece of cake on the counter.
  Poly(cr, {22, 30, 34, 30, 32, 46, 24, 46});
  Fill(cr, 0xffb347);
  Open(cr, {30, 24, 32, 38});
  Stroke(cr, Red, 1.6);
  Circle(cr, 22, 31, 3);
  Fill(cr, Yellow);
  Ellipse(cr, 70, 45, 11, 2.4);
  Fill(cr, White);
  Poly(cr, {62, 44, 78, 44, 78, 36, 62, 40});
  Fill(cr, 0xf6d7a7);
  Poly(cr, {62, 40, 78, 36, 78, 38.5, 62, 42});
  Flat(cr, Pink);
  Circle(cr, 75, 34.5, 2);
  Fill(cr, Red);
  // Two tall stools in front.
  for (double x : {26.0, 74.0}) {
    Open(cr, {x, 70, x, 96});
    Rod(cr, Steel, 2.6);
    Open(cr, {x - 8, 96, x + 8, 96});
    Rod(cr, Steel, 2.6);
    Open(cr, {x - 6, 86, x + 6, 86});
    Stroke(cr, DarkSteel, 1.4);
    Ellipse(cr, x, 68, 11, 4);
    Fill(cr, Red);
  }
}

void Motorbike(cairo_t* cr) {
  GroundShadow(cr, 50, 88, 46, 3);
  // The wheels: fat tyres, spoked rims.
  for (double x : {18.0, 82.0}) {
    Circle(cr, x, 70, 17);
    Fill(cr, Tyre);
    Wheel(cr, x, 70, 10, Steel, DarkSteel, 10);
  }
  // The rear arm and the frame, the engine under the tank, the exhaust.
  Open(cr, {82, 70, 58, 60});
  Rod(cr, DarkSteel, 4);
  Open(cr, {36, 42, 48, 66, 64, 56});
  Rod(cr, DarkSteel, 3.5);
  Box(cr, 40, 52, 22, 18, 3);
  Fill(cr, 0x6c7a84);
  for (double y : {56.0, 60.0, 64.0}) {
    Open(cr, {42, y, 60, y});
    Stroke(cr, DarkSteel, 1);
  }
  Open(cr, {48, 72, 70, 76, 96, 66});
  Rod(cr, Steel, 4.5);
  // The rear mudguard and the seat, the tank, the front fork and lamp.
  Curve(cr, {66, 54, 80, 48, 98, 56});
  Rod(cr, Red, 4);
  Blob(cr, {56, 44, 74, 40, 88, 44, 84, 50, 60, 50});
  Fill(cr, Tyre);
  Blob(cr, {30, 40, 44, 32, 60, 36, 60, 48, 40, 52});
  Fill(cr, Red);
  Gleam(cr, 44, 38, 8, 2.5, -0.2, 0.7);
  Open(cr, {18, 70, 30, 34});
  Rod(cr, Steel, 4);
  Curve(cr, {4, 62, 12, 50, 26, 52});
  Rod(cr, Red, 3.5);
  Ellipse(cr, 26, 38, 4.5, 5.5);
  Fill(cr, Yellow);
  Open(cr, {28, 32, 34, 24, 42, 22});
  Rod(cr, Tyre, 3);
  Open(cr, {40, 22, 46, 22});
  Rod(cr, Tyre, 4);
}

// One ski along the angle, centred on (cx, cy): a long board turned up at
// its tip, the binding in the middle.
void OneSki(cairo_t* cr, double cx, double cy, double angle, double length, unsigned rgb) {
  Push(cr, cx, cy, angle);
  const double h = length / 2, w = 4.2;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -h + 2, -w);
  cairo_line_to(cr, h - 12, -w);
  cairo_curve_to(cr, h - 5, -w, h - 2, -8, h, -12);
  cairo_curve_to(cr, h + 3, -9, h + 2, w, h - 10, w);
  cairo_line_to(cr, -h + 2, w);
  cairo_curve_to(cr, -h - 1, w, -h - 1, -w, -h + 2, -w);
  cairo_close_path(cr);
  Fill(cr, rgb);
  Open(cr, {-h + 4, -1, h - 14, -1});
  Stroke(cr, Shade(rgb, 0.6), 1.6);
  Box(cr, -12, -w - 2.5, 9, 4, 1.5);
  Fill(cr, Tyre);
  Box(cr, 5, -w - 2.5, 8, 4, 1.5);
  Fill(cr, Tyre);
  Pop(cr);
}

// A ski boot, its sole on the line y, its toe to the right.
void SkiBoot(cairo_t* cr, double x, double y, double angle) {
  Push(cr, x, y, angle);
  Blob(cr, {-10, 0, -11, -14, -8, -24, 4, -24, 5, -12, 14, -8, 15, 0});
  Fill(cr, 0x4a90e2);
  for (double k : {-18.0, -12.0, -6.0}) {
    Open(cr, {-10, k, 4, k - 1});
    Rod(cr, 0x9aa8b4, 2);
  }
  Box(cr, -12, -2, 28, 3.5, 1.5);
  Fill(cr, Tyre);
  Pop(cr);
}

// A drift of snow across the bottom.
void SnowDrift(cairo_t* cr, double y) {
  Blob(cr, {-2, y, 20, y - 5, 50, y - 2, 80, y - 6, 102, y, 100, y + 12, 0, y + 12});
  Fill(cr, 0xf4f9ff);
}

// One ski lying in the snow, a boot clipped in.
void Ski(cairo_t* cr) {
  SnowDrift(cr, 80);
  const double a = -0.38;
  OneSki(cr, 50, 62, a, 112, Red);
  SkiBoot(cr, 50 + 2 * std::cos(a) + 4.2 * std::sin(a), 62 + 2 * std::sin(a) - 4.2 * std::cos(a), a);
}

// A pair of skis stuck in the snow, crossed, their tips curling outwards.
void Skis(cairo_t* cr) {
  OneSki(cr, 50, 46, -M_PI / 2 - 0.36, 100, Blue);
  Push(cr, 100, 0);
  cairo_scale(cr, -1, 1);
  OneSki(cr, 50, 46, -M_PI / 2 - 0.36, 100, Blue);
  Pop(cr);
  SnowDrift(cr, 84);
}

}  // namespace

}  // namespace datagen::words::draw
