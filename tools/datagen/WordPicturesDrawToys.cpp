// Word drawings: toys, music and the school desk.
#include <cmath>
#include <tuple>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Glockenspiel(cairo_t* cr);
void ButtonOne(cairo_t* cr);
void Block(cairo_t* cr);
void Blocks(cairo_t* cr);
void RagDoll(cairo_t* cr);
void Junk(cairo_t* cr);
void Pipe(cairo_t* cr);
void MatchOne(cairo_t* cr);
void Matches(cairo_t* cr);
void SpinningTop(cairo_t* cr);
void Chess(cairo_t* cr);
void GrandPiano(cairo_t* cr);
void ChildsBike(cairo_t* cr);
void Glider(cairo_t* cr);
void CinemaScreen(cairo_t* cr);

}  // namespace

Named ToysDrawings() {
  return {
      {"glockenspiel", Glockenspiel},
      {"button", ButtonOne},
      {"block", Block},
      {"blocks", Blocks},
      {"rag-doll", RagDoll},
      {"junk", Junk},
      {"pipe", Pipe},
      {"match", MatchOne},
      {"matches", Matches},
      {"spinning-top", SpinningTop},
      {"chess", Chess},
      {"grand-piano", GrandPiano},
      {"childs-bike", ChildsBike},
      {"glider", Glider},
      {"cinema-screen", CinemaScreen},
  };
}

namespace {

void Glockenspiel(cairo_t* cr) {
  Poly(cr, {8, 30, 92, 42, 92, 48, 8, 40});
  Fill(cr, 0xd9574a);
  Poly(cr, {8, 72, 92, 62, 92, 68, 8, 82});
  Fill(cr, 0xd9574a);
  const unsigned colours[] = {0xff5e57, 0xff9f43, 0xffd23f, 0x7ccd5a, 0x2ec4b6, 0x5b9bf0, 0xb28dff, 0xff7eb6};
  for (int i = 0; i < 8; ++i) {
    double x = 12 + 10 * i, top = 28 + 1.6 * i, bottom = 84 - 2.4 * i;
    Box(cr, x, top, 8, bottom - top, 2);
    Fill(cr, colours[i]);
    Circle(cr, x + 4, top + 7, 1);
    Flat(cr, Steel);
    Circle(cr, x + 4, bottom - 7, 1);
    Flat(cr, Steel);
  }
  for (auto [x1, y1, x2, y2] : {std::tuple{20.0, 96.0, 52.0, 66.0}, {84.0, 96.0, 62.0, 62.0}}) {
    Open(cr, {x1, y1, x2, y2});
    Rod(cr, LightWood, 2.6);
    Circle(cr, x2, y2, 4.5);
    Fill(cr, 0xf4f1ea);
  }
}

void Pipe(cairo_t* cr) {
  for (auto [x, y, r] : {std::tuple{74.0, 22.0, 5.0}, {80.0, 13.0, 6.5}, {72.0, 6.0, 4.0}}) {
    Circle(cr, x, y, r);
    Flat(cr, 0xffffff, 0.8);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 8, 52);
  cairo_curve_to(cr, 30, 58, 50, 70, 66, 66);
  cairo_line_to(cr, 66, 74);
  cairo_curve_to(cr, 50, 80, 30, 66, 6, 58);
  cairo_close_path(cr);
  Fill(cr, 0x7a4a2a);
  Box(cr, 2, 50, 12, 8, 3);
  Fill(cr, 0x2d2a32);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 60, 32);
  cairo_line_to(cr, 88, 32);
  cairo_curve_to(cr, 88, 60, 84, 80, 74, 80);
  cairo_curve_to(cr, 62, 80, 60, 60, 60, 32);
  cairo_close_path(cr);
  Fill(cr, 0x9a5a34);
  Ellipse(cr, 74, 32, 14, 4);
  Fill(cr, 0x3a2a22);
  Gleam(cr, 66, 52, 2, 9, 0, 0.45);
}

void Junk(cairo_t* cr) {
  Wheel(cr, 24, 50, 20, 0x4a4a55, Steel, 10);
  // An upturned chair in a box, a boot, a bucket and a lampshade.
  Box(cr, 58, 22, 4, 34, 1.5);
  Fill(cr, Wood, 0.8);
  Box(cr, 78, 18, 4, 38, 1.5);
  Fill(cr, Wood, 0.8);
  Box(cr, 56, 44, 28, 5, 1.5);
  Fill(cr, LightWood, 0.8);
  Poly(cr, {36, 52, 90, 52, 86, 92, 40, 92});
  Fill(cr, 0xd4a373);
  Poly(cr, {36, 52, 26, 44, 34, 42, 44, 52});
  Fill(cr, 0xe2b98a, 0.8);
  Poly(cr, {90, 52, 98, 42, 92, 40, 82, 52});
  Fill(cr, 0xe2b98a, 0.8);
  Box(cr, 52, 64, 22, 8, 1);
  Flat(cr, 0xc08f5f);
  Poly(cr, {6, 80, 20, 80, 20, 70, 28, 70, 30, 96, 6, 96});
  Fill(cr, 0x6e4a30);
  Poly(cr, {82, 96, 96, 96, 98, 76, 80, 76});
  Fill(cr, 0x6fa8dc);
  Ellipse(cr, 89, 76, 9, 2.5);
  Fill(cr, 0x4f88bc, 0.8);
  Poly(cr, {44, 26, 56, 26, 62, 40, 38, 40});
  Fill(cr, 0xf2c14e);
}

void Button(cairo_t* cr, double x, double y, double r, unsigned rgb) {
  Circle(cr, x, y, r);
  Fill(cr, rgb);
  Circle(cr, x, y, r * 0.78);
  Fill(cr, Shade(rgb, -0.08), 0.7);
  for (int k = 0; k < 4; ++k) {
    double a = M_PI / 4 + k * M_PI / 2;
    Circle(cr, x + r * 0.26 * std::cos(a), y + r * 0.26 * std::sin(a), r * 0.1);
    Fill(cr, Shade(rgb, -0.45), 0.6);
  }
  Gleam(cr, x - r * 0.45, y - r * 0.45, r * 0.2, r * 0.12, -0.8, 0.6);
}

void ButtonOne(cairo_t* cr) { Button(cr, 50, 50, 42, Red); }

// A painted cube seen from the front and above, its faces in three colours.
void Cube(cairo_t* cr, double x, double y, double s, unsigned front, unsigned top, unsigned side, int mark) {
  const double d = s * 0.35;
  Poly(cr, {x, y, x + s, y, x + s, y + s, x, y + s});
  Fill(cr, front);
  Poly(cr, {x, y, x + d, y - d, x + s + d, y - d, x + s, y});
  Fill(cr, top);
  Poly(cr, {x + s, y, x + s + d, y - d, x + s + d, y + s - d, x + s, y + s});
  Fill(cr, side);
  const double cx = x + s / 2, cy = y + s / 2, r = s * 0.3;
  if (mark == 0) {
    Star(cr, cx, cy, r, r * 0.45);
  } else if (mark == 1) {
    Circle(cr, cx, cy, r * 0.9);
  } else {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + r * 0.8);
    cairo_curve_to(cr, cx - r * 1.5, cy - r * 0.2, cx - r * 0.6, cy - r * 1.2, cx, cy - r * 0.4);
    cairo_curve_to(cr, cx + r * 0.6, cy - r * 1.2, cx + r * 1.5, cy - r * 0.2, cx, cy + r * 0.8);
    cairo_close_path(cr);
  }
  Fill(cr, 0xfffaf0, 0.7);
}

void Block(cairo_t* cr) { Cube(cr, 10, 34, 62, Red, Yellow, Blue, 0); }

void Blocks(cairo_t* cr) {
  Cube(cr, 6, 60, 32, Red, Yellow, Shade(Blue, -0.1), 0);
  Cube(cr, 40, 60, 32, Blue, Shade(Yellow, 0.1), Shade(Red, -0.1), 1);
  Cube(cr, 24, 28, 32, Grass, Orange, Shade(Purple, -0.1), 2);
  Poly(cr, {24, 17, 56, 17, 40, -4});
  cairo_new_path(cr);
  const double d = 32 * 0.35;
  Poly(cr, {24 + d, 28 - d, 56 + d, 28 - d, 40 + d, 6 - d});
  Fill(cr, Shade(Purple, -0.15));
  Poly(cr, {24 + d, 28 - d, 40 + d, 6 - d, 40, 6, 24, 28});
  Fill(cr, Shade(Purple, 0.1));
  Poly(cr, {56 + d, 28 - d, 40 + d, 6 - d, 40, 6, 56, 28});
  Fill(cr, Shade(Purple, -0.1));
  Poly(cr, {24, 28, 56, 28, 40, 6});
  Fill(cr, Purple);
}

void Match(cairo_t* cr, double x, double y, double angle, bool lit) {
  Push(cr, x, y, angle);
  Box(cr, -2.6, 0, 5.2, 60, 1.5);
  Fill(cr, 0xf2d3a0);
  Ellipse(cr, 0, -2, 4.6, 7);
  Fill(cr, 0xd9332e);
  if (lit) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, -30);
    cairo_curve_to(cr, 12, -16, 10, -4, 0, -2);
    cairo_curve_to(cr, -10, -4, -12, -16, 0, -30);
    cairo_close_path(cr);
    Fill(cr, Orange, 0.7);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, -20);
    cairo_curve_to(cr, 6, -12, 5, -5, 0, -4);
    cairo_curve_to(cr, -5, -5, -6, -12, 0, -20);
    cairo_close_path(cr);
    Flat(cr, Yellow);
  }
  Pop(cr);
}

void MatchOne(cairo_t* cr) { Match(cr, 46, 38, 0.35, true); }

void Matches(cairo_t* cr) {
  GroundShadow(cr, 50, 88, 46, 3);
  Poly(cr, {14, 56, 70, 56, 70, 86, 14, 86});
  Fill(cr, Shade(Sky, -0.05));
  for (int i = 0; i < 6; ++i) {
    double x = 22 + 8 * i;
    Box(cr, x - 2.2, 34, 4.4, 26, 1);
    Fill(cr, 0xf2d3a0, 0.6);
    Ellipse(cr, x, 33, 3.6, 5);
    Fill(cr, 0xd9332e, 0.7);
  }
  Poly(cr, {14, 56, 70, 56, 62, 50, 6, 50});
  Flat(cr, 0, 0);
  Box(cr, 34, 62, 60, 26, 2);
  Fill(cr, Yellow);
  Box(cr, 34, 62, 60, 4, 1);
  Fill(cr, 0x6e4a30, 0.7);
  Circle(cr, 64, 77, 6);
  Fill(cr, Red, 0.7);
  Match(cr, 20, 90, -1.3, false);
}

void RagDoll(cairo_t* cr) {
  const unsigned skin = 0xffd9b8, hair = 0xff8a3a, dress = 0xb28dff;
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 7 * k, 70, 50 + 9 * k, 92});
    Rod(cr, 0xffffff, 6);
    for (double s = 0; s < 3; s += 1) {
      Open(cr, {50 + 7.3 * k - 3, 76 + 5 * s, 50 + 7.6 * k + 3, 76 + 5 * s});
      Stroke(cr, Red, 1.6);
    }
    Ellipse(cr, 50 + 10 * k, 94, 5.5, 3);
    Fill(cr, Red);
    Open(cr, {50 + 12 * k, 44, 50 + 22 * k, 58, 50 + 24 * k, 66});
    Rod(cr, skin, 5);
    // Yarn plaits with bows.
    Curve(cr, {50 + 15 * k, 18, 50 + 22 * k, 28, 50 + 22 * k, 40});
    Rod(cr, hair, 5, 0.8);
    Blob(cr, {50 + 22 * k, 40, 50 + 28 * k, 36, 50 + 28 * k, 44, 50 + 16 * k, 36, 50 + 16 * k, 44});
    Fill(cr, Teal, 0.7);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 40);
  cairo_line_to(cr, 60, 40);
  cairo_line_to(cr, 70, 74);
  cairo_line_to(cr, 30, 74);
  cairo_close_path(cr);
  Fill(cr, dress);
  for (auto [x, y] : {std::pair{44.0, 56.0}, {56.0, 52.0}, {50.0, 66.0}, {38.0, 68.0}, {62.0, 68.0}}) {
    Circle(cr, x, y, 1.8);
    Flat(cr, 0xffffff);
  }
  Box(cr, 38, 38, 24, 6, 3);
  Fill(cr, 0xffffff, 0.7);
  Circle(cr, 50, 22, 15);
  Fill(cr, skin);
  Blob(cr, {35, 20, 38, 9, 50, 5, 62, 9, 65, 20, 58, 12, 50, 14, 42, 12});
  Fill(cr, hair);
  EyesAndCheeks(cr, 50, 22, 6, 2.4, 27, 10, 2.6, 0.8);
  // A stitched smile.
  Curve(cr, {45, 28, 50, 31, 55, 28});
  Stroke(cr, Red, 1.2);
  for (double x : {46.5, 50.0, 53.5}) {
    Open(cr, {x, 28.5, x, 31});
    Stroke(cr, Red, 0.6);
  }
}

// A humming top: a striped tin spinning on its point, the plunger on top.
void SpinningTop(cairo_t* cr) {
  GroundShadow(cr, 50, 96, 12, 2);
  for (double k : {-1.0, 1.0}) {  // it spins
    Curve(cr, {50 + 42 * k, 40, 50 + 48 * k, 56, 50 + 42 * k, 72});
    Stroke(cr, 0x8a8aa0, 1.6, 0.6);
    Curve(cr, {50 + 48 * k, 46, 50 + 52 * k, 56, 50 + 48 * k, 66});
    Stroke(cr, 0x8a8aa0, 1.2, 0.5);
  }
  Open(cr, {50, 30, 50, 6});
  Rod(cr, Steel, 3.4);
  Circle(cr, 50, 6, 5.5);
  Fill(cr, Red);
  auto body = [cr] {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 12, 58);
    cairo_curve_to(cr, 12, 40, 32, 28, 50, 28);
    cairo_curve_to(cr, 68, 28, 88, 40, 88, 58);
    cairo_curve_to(cr, 88, 68, 60, 84, 50, 96);
    cairo_curve_to(cr, 40, 84, 12, 68, 12, 58);
    cairo_close_path(cr);
  };
  body();
  FillAndClip(cr, Red, 0);
  const unsigned bands[] = {Yellow, Blue, 0xffffff, Yellow};
  for (int i = 0; i < 4; ++i) {
    Ellipse(cr, 50, 38 + 14 * i, 48, 6 + i);
    Stroke(cr, bands[i], 5);
  }
  Ellipse(cr, 50, 58, 40, 5);
  Stroke(cr, 0xffffff, 1.2, 0.7);
  Gleam(cr, 30, 42, 10, 3, -0.4, 0.5);
  Unclip(cr);
  Ellipse(cr, 50, 29, 6, 2);
  Fill(cr, Steel);
}

enum class Piece { Pawn, Rook, King };

// A chess piece standing with its base centred on (x, y).
void ChessPiece(cairo_t* cr, double x, double y, double s, Piece piece, unsigned rgb) {
  Push(cr, x, y, 0, s);
  Ellipse(cr, 0, -2, 11, 4);
  Fill(cr, rgb);
  Box(cr, -10, -6, 20, 4, 2);
  Fill(cr, rgb);
  switch (piece) {
    case Piece::Pawn:
      Poly(cr, {-7, -6, 7, -6, 3, -22, -3, -22});
      Fill(cr, rgb);
      Ellipse(cr, 0, -22, 6, 2);
      Fill(cr, rgb);
      Circle(cr, 0, -29, 6.5);
      Fill(cr, rgb);
      break;
    case Piece::Rook:
      Poly(cr, {-8, -6, 8, -6, 6, -30, -6, -30});
      Fill(cr, rgb);
      Poly(cr, {-9, -30, 9, -30, 9, -40, 5, -40, 5, -36, 2, -36, 2, -40, -2, -40, -2, -36, -5, -36, -5, -40, -9, -40});
      Fill(cr, rgb);
      break;
    case Piece::King:
      Poly(cr, {-8, -6, 8, -6, 4, -34, -4, -34});
      Fill(cr, rgb);
      Ellipse(cr, 0, -34, 7, 2.5);
      Fill(cr, rgb);
      Blob(cr, {-7, -36, 0, -46, 7, -36});
      Fill(cr, rgb);
      Box(cr, -1.5, -56, 3, 12, 1);
      Fill(cr, rgb);
      Box(cr, -5, -52, 10, 3, 1);
      Fill(cr, rgb);
      break;
  }
  Gleam(cr, -3, -18, 1.2, 5, 0, 0.4);
  Pop(cr);
}

// A chessboard seen a little from above, a few pieces on it.
void Chess(cairo_t* cr) {
  const double x0 = 20, x1 = 80, bx0 = 2, bx1 = 98, y0 = 50, y1 = 90;
  auto at = [&](double u, double v, double& x, double& y) {  // u, v in 0..8 across and down the board
    const double left = x0 + (bx0 - x0) * v / 8, right = x1 + (bx1 - x1) * v / 8;
    x = left + (right - left) * u / 8;
    y = y0 + (y1 - y0) * v / 8;
  };
  Poly(cr, {bx0, y1, bx1, y1, bx1, y1 + 6, bx0, y1 + 6});
  Fill(cr, DarkWood);
  Poly(cr, {x0, y0, x1, y0, bx1, y1, bx0, y1});
  Fill(cr, 0xf4e4c4);
  for (int v = 0; v < 8; ++v)
    for (int u = 0; u < 8; ++u) {
      if ((u + v) % 2 == 0) continue;
      double ax, ay, bx, by, cx, cy, dx, dy;
      at(u, v, ax, ay);
      at(u + 1, v, bx, by);
      at(u + 1, v + 1, cx, cy);
      at(u, v + 1, dx, dy);
      Poly(cr, {ax, ay, bx, by, cx, cy, dx, dy});
      Flat(cr, 0x8a5a36);
    }
  Poly(cr, {x0, y0, x1, y0, bx1, y1, bx0, y1});
  Edge(cr);
  double x, y;
  at(2.5, 2.5, x, y);
  ChessPiece(cr, x, y, 0.85, Piece::King, 0x3a3438);
  at(5.5, 3.5, x, y);
  ChessPiece(cr, x, y, 0.9, Piece::Rook, 0x3a3438);
  at(1.5, 6.5, x, y);
  ChessPiece(cr, x, y, 1.0, Piece::Pawn, 0xfaf6ee);
  at(4.5, 6.5, x, y);
  ChessPiece(cr, x, y, 1.0, Piece::King, 0xfaf6ee);
}

// A black grand piano with its lid propped open.
void GrandPiano(cairo_t* cr) {
  const unsigned black = 0x2d2a32;
  GroundShadow(cr, 52, 94, 44, 3);
  // The lid and its prop.
  Open(cr, {56, 46, 64, 18});
  Rod(cr, 0x5a5a66, 2);
  Poly(cr, {30, 44, 94, 44, 70, 4});
  Fill(cr, Shade(black, 0.15));
  Gleam(cr, 62, 26, 2, 14, 0.55, 0.35);
  // The legs and the pedals.
  for (double x : {18.0, 86.0}) {
    Box(cr, x - 3.5, 56, 7, 36, 2);
    Fill(cr, black);
    Circle(cr, x, 92, 2.5);
    Fill(cr, 0xe0b040);
  }
  Open(cr, {36, 58, 36, 82});
  Rod(cr, black, 3);
  Box(cr, 31, 82, 10, 3, 1);
  Fill(cr, 0xe0b040);
  // The case with its curved tail, the keyboard in front.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 42);
  cairo_line_to(cr, 76, 42);
  cairo_curve_to(cr, 90, 40, 98, 46, 96, 52);
  cairo_line_to(cr, 96, 58);
  cairo_line_to(cr, 10, 58);
  cairo_close_path(cr);
  Fill(cr, black);
  Gleam(cr, 50, 49, 30, 1.5, 0, 0.3);
  Poly(cr, {2, 50, 32, 50, 32, 58, 2, 58});
  Fill(cr, 0xffffff);
  for (double x = 5.5; x < 32; x += 3.8) {
    Open(cr, {x, 50, x, 58});
    Stroke(cr, 0xb8b8c0, 0.6);
  }
  for (double x : {5.0, 9.0, 16.5, 20.5, 24.5}) {
    Box(cr, x, 50, 2, 4.5, 0.5);
    Flat(cr, black);
  }
  Box(cr, 0, 46, 34, 4, 1.5);
  Fill(cr, black);
}

// A child's bicycle with stabilisers and a basket.
void ChildsBike(cairo_t* cr) {
  const unsigned frame = 0xe858a8;
  GroundShadow(cr, 50, 94, 46, 3);
  // A stabiliser wheel behind the back wheel.
  Open(cr, {24, 70, 10, 86});
  Rod(cr, Steel, 2);
  Wheel(cr, 10, 86, 7, 0x3a3438, Steel, 6);
  Wheel(cr, 24, 70, 20, 0x3a3438, Yellow, 10);
  Wheel(cr, 78, 70, 20, 0x3a3438, Yellow, 10);
  Open(cr, {24, 70, 38, 38, 48, 72, 24, 70});
  Rod(cr, frame, 4);
  Open(cr, {48, 72, 70, 42, 78, 70});
  Rod(cr, frame, 4);
  Open(cr, {38, 38, 40, 32});
  Rod(cr, Steel, 3);
  Blob(cr, {30, 30, 44, 28, 48, 32, 34, 34});
  Fill(cr, 0x3a3438);
  // Handlebars with streamers.
  Open(cr, {70, 42, 66, 24, 58, 22});
  Rod(cr, Steel, 3);
  Box(cr, 53, 19, 8, 5, 2.5);
  Fill(cr, Yellow);
  for (int k = 0; k < 3; ++k) {
    Curve(cr, {54, 22, 46 - 2.0 * k, 26 + 3.0 * k, 40 - 3.0 * k, 24 + 5.0 * k});
    Stroke(cr, k == 1 ? Blue : Yellow, 1.4);
  }
  // The basket with a flower.
  Poly(cr, {72, 26, 94, 26, 90, 42, 76, 42});
  Fill(cr, LightWood);
  for (double x : {78.0, 84.0, 90.0}) {
    Open(cr, {x, 27, x - 1, 41});
    Stroke(cr, DarkWood, 0.8);
  }
  Blossom(cr, 83, 22, 3.4, 0xffffff, Orange);
  Circle(cr, 48, 72, 5);
  Fill(cr, Steel);
}

// A glider: a slim white plane with very long wings, soaring among clouds.
void Glider(cairo_t* cr) {
  for (auto [x, y, s] : {std::tuple{18.0, 78.0, 1.0}, {84.0, 20.0, 0.8}}) {
    Push(cr, x, y, 0, s);
    Blob(cr, {-16, 4, -12, -4, -2, -8, 8, -6, 16, 0, 14, 6, -10, 7});
    Fill(cr, 0xffffff, 0);
    Pop(cr);
  }
  // Seen from above: the long narrow wings across, the slim body along.
  Push(cr, 50, 50, -0.5);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {-8, 0, 4, 0, 2, 52 * k, -5, 52 * k});
    Fill(cr, 0xf8f8f8);
    Poly(cr, {-5.3, 46 * k, 2.3, 46 * k, 2, 52 * k, -5, 52 * k});
    Fill(cr, Red);
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -34, 0);
  cairo_curve_to(cr, -34, -5, -28, -5, -20, -4.5);
  cairo_line_to(cr, 38, -1.5);
  cairo_line_to(cr, 38, 1.5);
  cairo_line_to(cr, -20, 4.5);
  cairo_curve_to(cr, -28, 5, -34, 5, -34, 0);
  cairo_close_path(cr);
  Fill(cr, 0xf8f8f8);
  Poly(cr, {32, -12, 38, -12, 38, 12, 32, 12});
  Fill(cr, 0xf8f8f8);
  Poly(cr, {34, -1, 44, -1, 44, 1, 34, 1});
  Fill(cr, Red);
  Ellipse(cr, -22, 0, 8, 3.2);
  Fill(cr, 0x8fd3ff);
  Gleam(cr, -24, -1, 4, 1.2, 0, 0.7);
  Pop(cr);
}

// The big screen of a cinema, a picture on it, heads of the audience before
// it; the screen marked.
void CinemaScreen(cairo_t* cr) {
  for (double k : {-1.0, 1.0}) {  // curtains
    Blob(cr, {50 + 50 * k, 2, 50 + 38 * k, 2, 50 + 42 * k, 40, 50 + 36 * k, 78, 50 + 50 * k, 78});
    Fill(cr, 0xc8303a);
  }
  Glow(cr, 50, 36, 44, 30);
  Box(cr, 12, 8, 76, 52, 2);
  Fill(cr, 0xffffff);
  Box(cr, 16, 12, 68, 44, 1);
  Fill(cr, Sky, 0);
  Poly(cr, {16, 56, 40, 26, 58, 46, 68, 36, 84, 56});
  Fill(cr, Grass, 0);
  Circle(cr, 72, 22, 6);
  Fill(cr, Yellow, 0);
  Box(cr, 16, 12, 68, 44, 1);
  Edge(cr);
  for (int k = 0; k < 5; ++k) {  // the audience
    const double x = 14 + 18 * k;
    Box(cr, x - 8, 86, 16, 14, 5);
    Fill(cr, 0x4a3a5a);
    Circle(cr, x, 80, 7);
    Fill(cr, 0x2d2a3a);
  }
  Pointer(cr, 92, 44, -0.2, 18);
}

}  // namespace

}  // namespace datagen::words::draw
