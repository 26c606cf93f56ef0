// Word drawings: clothes and shoes.
#include <cmath>
#include <tuple>
#include <vector>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

void Tracksuit(cairo_t* cr);
void Belt(cairo_t* cr);
void BlackBelt(cairo_t* cr);
void Pyjamas(cairo_t* cr);
void Tights(cairo_t* cr);
void Skirt(cairo_t* cr);
void Patch(cairo_t* cr);
void Tailcoat(cairo_t* cr);
void Wellingtons(cairo_t* cr);
void Slippers(cairo_t* cr);
void HairClip(cairo_t* cr);
void Shirt(cairo_t* cr);
void Jacket(cairo_t* cr);
void SheepskinCoat(cairo_t* cr);
void Gown(cairo_t* cr);
void Headscarf(cairo_t* cr);
void Apron(cairo_t* cr);
void Headdress(cairo_t* cr);
void RibbonReel(cairo_t* cr);

void Lady(cairo_t* cr);
void Shawls(cairo_t* cr);
}  // namespace

Named ClothesDrawings() {
  return {
      {"tracksuit", Tracksuit},
      {"belt", Belt},
      {"black-belt", BlackBelt},
      {"pyjamas", Pyjamas},
      {"tights", Tights},
      {"skirt", Skirt},
      {"patch", Patch},
      {"tailcoat", Tailcoat},
      {"wellingtons", Wellingtons},
      {"slippers", Slippers},
      {"hair-clip", HairClip},
      {"shirt", Shirt},
      {"jacket", Jacket},
      {"sheepskin-coat", SheepskinCoat},
      {"gown", Gown},
      {"headscarf", Headscarf},
      {"apron", Apron},
      {"headdress", Headdress},
      {"ribbon-reel", RibbonReel},
      {"lady", Lady},
      {"shawls", Shawls},
  };
}

namespace {

// A top seen from the front, centred on cx from the shoulders at top down:
// the sleeves, then the body (32 units wide, length long), 62 units tall
// from the shoulders to the cuffs.
void Top(cairo_t* cr, double cx, double top, double length, unsigned rgb) {
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {cx + 14 * k, top + 2, cx + 24 * k, top + 14, cx + 30 * k, top + 48, cx + 22 * k, top + 50, cx + 16 * k, top + 22});
    Fill(cr, rgb);
  }
  Box(cr, cx - 16, top, 32, length, 5);
  Fill(cr, rgb);
}

void RubberBoot(cairo_t* cr, double x, double y, unsigned rgb) {
  Push(cr, x, y);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -14, -40);
  cairo_line_to(cr, 8, -40);
  cairo_line_to(cr, 9, -8);
  cairo_curve_to(cr, 22, -6, 30, -2, 30, 4);
  cairo_line_to(cr, -14, 4);
  cairo_close_path(cr);
  Fill(cr, rgb);
  Box(cr, -15, -44, 24, 8, 3);
  Fill(cr, Shade(rgb, -0.12));
  Box(cr, -15, 2, 46, 5, 2);
  Fill(cr, 0x4a4a55);
  Gleam(cr, -9, -22, 1.6, 12, 0, 0.6);
  Pop(cr);
}

void Wellingtons(cairo_t* cr) {
  GroundShadow(cr, 52, 92, 44, 3);
  RubberBoot(cr, 34, 80, Shade(Yellow, -0.1));
  RubberBoot(cr, 60, 86, Yellow);
}

void Slipper(cairo_t* cr, double x, double y, double s) {
  const unsigned pink = 0xff9cc8;
  Push(cr, x, y, 0, s);
  Blob(cr, {-30, 4, -26, -8, 0, -10, 26, -8, 32, 2, 26, 10, 0, 10, -26, 10});
  Fill(cr, Shade(pink, -0.2), 1 / s);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -4, 2);
  cairo_curve_to(cr, -4, -16, 30, -16, 30, 2);
  cairo_close_path(cr);
  Fill(cr, pink, 1 / s);
  for (int i = 0; i < 7; ++i) {
    Circle(cr, -2 + 5 * i, -8 + std::pow(i - 3, 2) * 0.5 - 2, 3.4);
    Flat(cr, 0xffffff);
  }
  Circle(cr, 14, -16, 6);
  Fill(cr, 0xffffff, 0.8 / s);
  Pop(cr);
}

void Slippers(cairo_t* cr) {
  GroundShadow(cr, 50, 84, 44, 3);
  Slipper(cr, 42, 50, 1.2);
  Slipper(cr, 56, 72, 1.2);
}

void Tailcoat(cairo_t* cr) {
  const unsigned black = 0x2f3040;
  Curve(cr, {50, 10, 50, 4, 55, 2, 56, 6});
  Rod(cr, Steel, 1.8, 0.6);
  // Tails behind, then the sleeves and the front with a white shirt and a bow tie.
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 2 * k, 50, 50 + 16 * k, 50, 50 + 17 * k, 80, 50 + 12 * k, 96, 50 + 6 * k, 80});
    Fill(cr, Shade(black, 0.12));
  }
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 16 * k, 16, 50 + 30 * k, 22, 50 + 36 * k, 70, 50 + 28 * k, 72, 50 + 22 * k, 36});
    Fill(cr, black);
  }
  Poly(cr, {34, 14, 66, 14, 67, 52, 33, 52});
  Fill(cr, black);
  Poly(cr, {42, 14, 58, 14, 56, 46, 50, 52, 44, 46});
  Fill(cr, 0xffffff);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {50 + 8 * k, 14, 50 + 14 * k, 14, 50 + 8 * k, 40, 50 + 1 * k, 48});
    Fill(cr, Shade(black, 0.25));
    Poly(cr, {50, 20, 50 + 7 * k, 16, 50 + 7 * k, 24});
    Fill(cr, 0x2d2a32);
  }
  Circle(cr, 50, 20, 2);
  Fill(cr, 0x2d2a32);
  for (double y : {30.0, 38.0}) {
    Circle(cr, 50, y, 1.2);
    Flat(cr, 0x2d2a32);
  }
}

void Tracksuit(cairo_t* cr) {
  const unsigned blue = 0x3f6fd0;
  // The trousers, then the jacket over them.
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {70, 40, 70 + 12 * k, 40, 70 + 13 * k, 94, 70 + 3 * k, 94});
    Fill(cr, blue);
    Open(cr, {70 + 10 * k, 42, 70 + 11 * k, 92});
    Stroke(cr, 0xffffff, 1.6);
  }
  Box(cr, 57, 36, 26, 7, 2);
  Fill(cr, Shade(blue, -0.15));
  Top(cr, 34, 12, 56, blue);
  for (double k : {-1.0, 1.0}) {
    Open(cr, {34 + 20 * k, 22, 34 + 27 * k, 60});
    Stroke(cr, 0xffffff, 1.6);
  }
  Open(cr, {34, 16, 34, 66});
  Stroke(cr, 0xd0d8e8, 1.4);
  Poly(cr, {24, 10, 34, 18, 44, 10, 40, 8, 34, 12, 28, 8});
  Fill(cr, Shade(blue, 0.2));
  Box(cr, 18, 62, 32, 6, 3);
  Fill(cr, Shade(blue, -0.15));
  Box(cr, 32.5, 20, 3, 5, 1);
  Fill(cr, Yellow, 0.5);
}

void BeltOf(cairo_t* cr, unsigned leather, unsigned buckle) {
  // A loop of belt seen from the front and above, its buckle in front.
  cairo_new_sub_path(cr);
  Ellipse(cr, 50, 44, 42, 18);
  Ellipse(cr, 50, 44, 42, 18);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 50, 44);
  cairo_scale(cr, 42, 18);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(cr);
  Rod(cr, Shade(leather, -0.15), 8);
  cairo_save(cr);
  cairo_translate(cr, 50, 44);
  cairo_scale(cr, 42, 18);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  Rod(cr, leather, 8);
  // The free end hanging down, with its holes.
  Curve(cr, {58, 62, 66, 70, 70, 82, 68, 94});
  Rod(cr, leather, 8);
  for (int i = 0; i < 3; ++i) {
    Circle(cr, 67 + 1.2 * i, 76 + 5.5 * i, 1);
    Flat(cr, 0x3a2a22);
  }
  Box(cr, 40, 54, 20, 16, 3);
  Rod(cr, buckle, 3, 0.8);
  Open(cr, {50, 56, 50, 68});
  Rod(cr, buckle, 1.6, 0.6);
}

void Belt(cairo_t* cr) { BeltOf(cr, 0x9a5a34, 0xf2c14e); }

void BlackBelt(cairo_t* cr) { BeltOf(cr, 0x3a3840, 0xd8dee3); }

void Pyjamas(cairo_t* cr) {
  const unsigned cloth = 0x9fd0ff;
  auto stars = [&](double x0, double y0, double x1, double y1) {
    for (double y = y0; y < y1; y += 11)
      for (double x = x0 + (int((y - y0) / 11) % 2) * 5.5; x < x1; x += 11) {
        Star(cr, x, y, 2.8, 1.2);
        Flat(cr, Yellow);
      }
  };
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {70, 40, 70 + 12 * k, 40, 70 + 13 * k, 94, 70 + 3 * k, 94});
    FillAndClip(cr, cloth);
    stars(56, 46, 86, 96);
    Unclip(cr);
  }
  Box(cr, 57, 36, 26, 6, 2);
  Fill(cr, Shade(cloth, -0.1));
  Top(cr, 34, 12, 58, cloth);
  Box(cr, 18, 12, 32, 58, 5);
  ClipPath(cr);
  stars(22, 22, 48, 70);
  Unclip(cr);
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {34, 20, 34 + 10 * k, 10, 34 + 14 * k, 12, 34 + 10 * k, 22});
    Fill(cr, 0xffffff);
  }
  for (int i = 0; i < 4; ++i) {
    Circle(cr, 34, 28 + 11 * i, 1.8);
    Fill(cr, 0xffffff, 0.6);
  }
  Open(cr, {34, 22, 34, 70});
  Stroke(cr, Shade(cloth, -0.2), 0.8);
}

void Tights(cairo_t* cr) {
  const unsigned pink = 0xff8fc0;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 28, 10);
  cairo_line_to(cr, 72, 10);
  cairo_curve_to(cr, 74, 40, 70, 60, 68, 80);
  cairo_curve_to(cr, 70, 86, 82, 88, 82, 94);
  cairo_line_to(cr, 58, 94);
  cairo_curve_to(cr, 56, 80, 56, 60, 51, 40);
  cairo_line_to(cr, 49, 40);
  cairo_curve_to(cr, 44, 60, 44, 80, 42, 94);
  cairo_line_to(cr, 18, 94);
  cairo_curve_to(cr, 18, 88, 30, 86, 32, 80);
  cairo_curve_to(cr, 30, 60, 26, 40, 28, 10);
  cairo_close_path(cr);
  FillAndClip(cr, pink);
  for (double y = 16; y < 96; y += 9)
    for (double x = 20 + (int(y) % 2) * 4.5; x < 84; x += 9) {
      Circle(cr, x, y, 1.8);
      Flat(cr, 0xffffff, 0.9);
    }
  Unclip(cr);
  Box(cr, 27, 8, 46, 7, 3);
  Fill(cr, Shade(pink, -0.12));
}

void Skirt(cairo_t* cr) {
  const unsigned red = 0xff6f7a;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 32, 20);
  cairo_line_to(cr, 68, 20);
  cairo_curve_to(cr, 78, 40, 88, 60, 94, 80);
  for (int i = 0; i < 6; ++i) {
    double x = 94 - 14.7 * i;
    cairo_curve_to(cr, x - 4, 86, x - 10, 86, x - 14.7, 80);
  }
  cairo_curve_to(cr, 12, 60, 22, 40, 32, 20);
  cairo_close_path(cr);
  FillAndClip(cr, red);
  for (double y = 30; y < 90; y += 10)
    for (double x = 10 + (int(y / 10) % 2) * 6; x < 96; x += 12) {
      Circle(cr, x, y, 2.2);
      Flat(cr, 0xffffff, 0.9);
    }
  for (int i = 1; i < 6; ++i) {
    double xb = 6 + 14.7 * i, xt = 32 + 6 * i;
    Open(cr, {xt, 24, xb, 82});
    Stroke(cr, Shade(red, -0.25), 0.9);
  }
  Unclip(cr);
  Box(cr, 30, 14, 40, 8, 3);
  Fill(cr, Shade(red, -0.2));
  Box(cr, 46, 15, 8, 6, 1.5);
  Fill(cr, Yellow, 0.7);
}

// Two snap hair clips, each with a little flower on its wide end.
void HairClip(cairo_t* cr) {
  const struct {
    double x, y, angle;
    unsigned rgb, flower;
  } clips[] = {{48, 34, -0.35, 0xff6fae, Yellow}, {52, 68, 0.3, 0x5b9bf0, 0xffffff}};
  for (const auto& c : clips) {
    Push(cr, c.x, c.y, c.angle);
    Blob(cr, {-42, 0, -30, -7, 10, -9, 38, -5, 42, 0, 38, 5, 10, 9, -30, 7});
    Rod(cr, c.rgb, 5);
    Open(cr, {-34, 0, 30, 0});
    Rod(cr, Shade(c.rgb, -0.1), 2.4, 0.6);
    Blossom(cr, 30, 0, 4.8, c.flower, Orange, 0.7);
    Pop(cr);
  }
}

void Patch(cairo_t* cr) {
  const unsigned denim = 0x5b86c8;
  // A leg of jeans with a checked patch sewn on the knee, and the needle.
  Poly(cr, {18, 4, 76, 4, 82, 96, 24, 96});
  Fill(cr, denim);
  Open(cr, {70, 6, 75, 94});
  Stroke(cr, 0xf2c14e, 1, 0.9);
  Box(cr, 30, 34, 36, 34, 3);
  FillAndClip(cr, Red);
  for (double x = 30; x < 66; x += 9) {
    Box(cr, x, 30, 4.5, 40);
    Flat(cr, Yellow, 0.55);
  }
  for (double y = 34; y < 68; y += 9) {
    Box(cr, 26, y, 44, 4.5);
    Flat(cr, Yellow, 0.55);
  }
  Unclip(cr);
  cairo_set_dash(cr, (const double[]){3, 2.5}, 2, 0);
  Box(cr, 33, 37, 30, 28, 2);
  Stroke(cr, 0xffffff, 1.2);
  cairo_set_dash(cr, nullptr, 0, 0);
  Curve(cr, {63, 52, 74, 60, 80, 50, 86, 40});
  Stroke(cr, 0xffffff, 1.2);
  Open(cr, {80, 52, 96, 28});
  Rod(cr, Steel, 1.8, 0.7);
}

void Shirt(cairo_t* cr) {
  const unsigned cloth = 0xa9d6f5;
  Push(cr, 50, 4, 0, 1.5);
  Top(cr, 0, 0, 60, cloth);
  for (double k : {-1.0, 1.0}) {  // cuffs
    Push(cr, 26 * k, 48, -0.15 * k);
    Box(cr, -4.5, -2, 9, 5, 1);
    Pop(cr);
    Fill(cr, Shade(cloth, 0.3));
  }
  Open(cr, {0, 4, 0, 60});
  Stroke(cr, Shade(cloth, -0.25), 0.7);
  for (int i = 0; i < 5; ++i) {
    Circle(cr, 0, 12 + 10.5 * i, 1.3);
    Fill(cr, 0xffffff, 0.5);
  }
  Box(cr, 5, 14, 8, 9, 1);
  Fill(cr, Shade(cloth, 0.1), 0.5);
  for (double k : {-1.0, 1.0}) {  // the collar
    Poly(cr, {0, 4, 11 * k, -1, 12 * k, 2, 5 * k, 10});
    Fill(cr, Shade(cloth, 0.4), 0.7);
  }
  Pop(cr);
}

// A short padded jacket with a hood and a zip.
void Jacket(cairo_t* cr) {
  const unsigned cloth = 0xe8504a;
  Push(cr, 50, 10, 0, 1.45);
  Blob(cr, {0, -6, 12, -4, 15, 4, 0, 8, -15, 4, -12, -4});
  Fill(cr, Shade(cloth, -0.2));
  Top(cr, 0, 0, 52, cloth);
  for (double y : {12.0, 24.0, 36.0}) {
    Curve(cr, {-16, y, 0, y + 1.5, 16, y});
    Stroke(cr, Shade(cloth, -0.25), 0.8);
    for (double k : {-1.0, 1.0}) {
      Open(cr, {18 * k, y + 2, 26 * k, y + 1});
      Stroke(cr, Shade(cloth, -0.25), 0.8);
    }
  }
  Box(cr, -16, 46, 32, 6, 2.5);
  Fill(cr, Shade(cloth, -0.15), 0.7);
  Open(cr, {0, 2, 0, 52});
  Stroke(cr, 0x5a5a66, 1.6);
  Box(cr, -1.5, 6, 3, 6, 1);
  Fill(cr, Steel, 0.5);
  for (double k : {-1.0, 1.0}) {
    Open(cr, {7 * k, 34, 12 * k, 40});
    Stroke(cr, Shade(cloth, -0.35), 1.2);
  }
  Pop(cr);
}

// A brown sheepskin coat, its woolly edges turned out.
void SheepskinCoat(cairo_t* cr) {
  const unsigned leather = 0xa0673e, wool = 0xf6ead2;
  auto fleece = [&](std::initializer_list<double> xy) {  // a woolly band along the line
    Curve(cr, xy);
    Rod(cr, wool, 5, 0.7);
  };
  Push(cr, 50, 6, 0, 1.3);
  Top(cr, 0, 0, 70, leather);
  fleece({-16, 68, 16, 68});
  for (double k : {-1.0, 1.0}) {
    fleece({0, 4, 2 * k, 30, 2 * k, 68});
    Push(cr, 26 * k, 48.5, -0.15 * k);
    Box(cr, -5, -3, 10, 6, 3);
    Pop(cr);
    Fill(cr, wool, 0.7);
    Blob(cr, {0, 2, 12 * k, -2, 16 * k, 6, 8 * k, 14});
    Fill(cr, wool, 0.7);
  }
  for (int i = 0; i < 3; ++i) {  // toggles
    Box(cr, -6, 24 + 14 * i, 12, 3, 1.5);
    Fill(cr, 0x6a3e1e, 0.6);
  }
  Pop(cr);
  // A few curls on the wool.
  for (auto [x, y] : {std::pair{44.0, 20.0}, {56.0, 24.0}, {30.0, 94.0}, {70.0, 94.0}, {50.0, 95.0}}) {
    Circle(cr, x, y, 1.2);
    Flat(cr, Shade(wool, -0.15));
  }
}

// A long ball gown with puffed sleeves.
void Gown(cairo_t* cr) {
  const unsigned silk = 0xe58ac8, lace = 0xfbe3f1;
  Blob(cr, {42, 40, 58, 40, 66, 58, 80, 78, 90, 100, 50, 104, 10, 100, 20, 78, 34, 58});
  Fill(cr, silk);
  for (double k : {-1.0, 1.0}) {  // folds
    Curve(cr, {50 + 6 * k, 46, 50 + 14 * k, 70, 50 + 24 * k, 100});
    Stroke(cr, Shade(silk, -0.2), 1);
  }
  Curve(cr, {14, 98, 30, 94, 50, 98, 70, 94, 86, 98});
  Stroke(cr, lace, 3);
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 13 * k, 10, 7);
    Fill(cr, Shade(silk, 0.2));
  }
  Poly(cr, {38, 6, 62, 6, 58, 40, 42, 40});
  Fill(cr, silk);
  Curve(cr, {38, 7, 50, 13, 62, 7});
  Stroke(cr, lace, 2.4);
  Box(cr, 38, 36, 24, 6, 3);
  Fill(cr, 0xb35a9a);
  for (double k : {-1.0, 1.0}) {
    Blob(cr, {50, 39, 50 + 8 * k, 34, 50 + 9 * k, 44});
    Fill(cr, 0xb35a9a);
  }
  Gleam(cr, 32, 74, 3, 14, 0.35, 0.35);
}

// A big square shawl folded into a triangle: red, with flowers and a fringe.
void Headscarf(cairo_t* cr) {
  const unsigned cloth = 0xd8323a;
  for (int i = 0; i <= 20; ++i) {  // the fringe along the two short edges
    const double t = i / 20.0;
    for (double k : {-1.0, 1.0}) {
      const double x = 50 + k * (44 - 44 * t), y = 24 + 64 * t;
      Open(cr, {x, y, x + 4 * k, y + 7});
      Stroke(cr, 0xf2c14e, 1.2);
    }
  }
  Poly(cr, {4, 24, 96, 24, 50, 88});
  FillAndClip(cr, cloth);
  for (auto [x, y, r] : {std::tuple{24.0, 32.0, 7.0}, {50.0, 40.0, 9.0}, {76.0, 32.0, 7.0}, {38.0, 56.0, 6.0}, {62.0, 56.0, 6.0},
                         {50.0, 74.0, 5.0}}) {
    for (double k : {-1.0, 1.0}) {
      LeafAt(cr, x + r * 0.6 * k, y + r * 0.4, k < 0 ? 2.6 : 0.5, r * 1.3, r * 0.45, Grass);
    }
    for (int p = 0; p < 6; ++p) {
      const double a = p * M_PI / 3;
      Circle(cr, x + r * 0.55 * std::cos(a), y + r * 0.55 * std::sin(a), r * 0.45);
      Fill(cr, p % 2 ? 0xffffff : 0xffe0e8, 0.5);
    }
    Circle(cr, x, y, r * 0.35);
    Fill(cr, Yellow, 0.5);
  }
  Unclip(cr);
  Open(cr, {8, 27, 92, 27});
  Stroke(cr, 0xf2c14e, 1.2);
}

// A kitchen apron: the bib with its neck loop, ties at the waist, a pocket.
void Apron(cairo_t* cr) {
  const unsigned cloth = 0x6cc3a8, trim = 0xffffff;
  Curve(cr, {36, 12, 38, -2, 50, -8, 62, -2, 64, 12});
  Rod(cr, cloth, 3);
  for (double k : {-1.0, 1.0}) {
    Curve(cr, {50 + 26 * k, 42, 50 + 40 * k, 44, 50 + 46 * k, 54});
    Rod(cr, cloth, 3);
    Curve(cr, {50 + 30 * k, 42, 50 + 38 * k, 48, 50 + 36 * k, 62});
    Rod(cr, cloth, 3);
  }
  Blob(cr, {36, 10, 64, 10, 64, 38, 76, 44, 80, 96, 50, 100, 20, 96, 24, 44, 36, 38});
  FillAndClip(cr, cloth);
  for (double y = 16; y < 100; y += 9)
    for (double x = 22 + (int(y / 9) % 2) * 4.5; x < 80; x += 9) {
      Circle(cr, x, y, 1.4);
      Flat(cr, trim, 0.8);
    }
  Unclip(cr);
  Box(cr, 36, 58, 28, 20, 4);
  Fill(cr, Shade(cloth, -0.15));
  Circle(cr, 50, 68, 4);
  Fill(cr, Red, 0.6);
}

// A headdress of long feathers standing in a fan from a beaded band.
void Headdress(cairo_t* cr) {
  const unsigned tips[] = {Red, 0x2d2a32, Blue, 0x2d2a32, Red};
  for (int k = 0; k < 11; ++k) {
    const double a = -M_PI / 2 + (k - 5) * 0.22;
    Push(cr, 50 + 30 * std::cos(a + M_PI / 2) * 0.25, 84, a);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 10, -7, 52, -8, 66, 0);
    cairo_curve_to(cr, 52, 8, 10, 7, 0, 0);
    cairo_close_path(cr);
    Fill(cr, 0xfaf6ee, 0.8);
    Box(cr, 50, -5, 16, 10, 5);
    Flat(cr, tips[k % 5], 0.9);
    Open(cr, {2, 0, 64, 0});
    Stroke(cr, 0xb8a890, 0.8);
    Pop(cr);
  }
  Box(cr, 16, 80, 68, 12, 4);
  Fill(cr, 0xc8703a);
  for (int k = 0; k < 8; ++k) {
    Box(cr, 20 + 8 * k, 83, 5, 6, 1);
    Fill(cr, k % 2 ? Yellow : Teal, 0.5);
  }
}

// A reel of ribbon, a length of it unwound in waves.
void RibbonReel(cairo_t* cr) {
  const unsigned ribbon = 0xff5e9a;
  // The loose end: a flat band falling away in soft folds.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 40, 8);
  cairo_curve_to(cr, 70, 6, 92, 20, 84, 44);
  cairo_curve_to(cr, 78, 62, 96, 74, 92, 96);
  cairo_line_to(cr, 80, 96);
  cairo_curve_to(cr, 84, 76, 66, 62, 72, 44);
  cairo_curve_to(cr, 78, 26, 64, 20, 40, 20);
  cairo_close_path(cr);
  Fill(cr, ribbon);
  Curve(cr, {46, 14, 76, 16, 78, 44, 86, 80, 86, 94});
  Stroke(cr, Shade(ribbon, 0.4), 1);
  Circle(cr, 40, 44, 36);
  Fill(cr, 0xf4e4c4);
  Circle(cr, 40, 44, 30);
  Fill(cr, ribbon);
  for (double r = 16; r < 30; r += 3.5) {
    Circle(cr, 40, 44, r);
    Stroke(cr, Shade(ribbon, -0.18), 0.7);
  }
  Circle(cr, 40, 44, 13);
  Fill(cr, 0xf4e4c4);
  Circle(cr, 40, 44, 6);
  Fill(cr, 0xfaf6ee);
  Gleam(cr, 26, 32, 7, 3, -0.7, 0.45);
}

// An elegant lady in a long ball gown: a wide hat with a feather, gloves to
// her elbows, pearls, a fan in her hand.
void Lady(cairo_t* cr) {
  const unsigned gown = 0x8e5bd6, glove = 0xfaf6ff, hair = 0x6a3d1e;
  GroundShadow(cr, 50, 96, 30, 3);
  // The skirt, wide as a bell down to the floor, with a frill.
  Blob(cr, {40, 50, 60, 50, 70, 70, 82, 94, 50, 97, 18, 94, 30, 70});
  Fill(cr, gown);
  Curve(cr, {20, 90, 34, 86, 50, 90, 66, 86, 80, 90});
  Stroke(cr, Shade(gown, 0.45), 2);
  // The bodice and the arms in long gloves; the fan open in the right hand.
  Blob(cr, {41, 34, 59, 34, 58, 46, 54, 54, 46, 54, 42, 46});
  Fill(cr, gown);
  Open(cr, {42, 36, 34, 46, 38, 56});
  Rod(cr, glove, 4.5);
  Open(cr, {58, 36, 66, 46, 70, 38});
  Rod(cr, glove, 4.5);
  Push(cr, 71, 36, -0.6);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_arc(cr, 0, 0, 13, -M_PI * 0.85, -M_PI * 0.15);
  cairo_close_path(cr);
  Pop(cr);
  Fill(cr, 0xffb3c8);
  // Neck, pearls, the face, her hair up under the hat.
  Box(cr, 47, 27, 6, 8, 2);
  Fill(cr, Skin);
  for (int i = -3; i <= 3; ++i) {
    Circle(cr, 50 + 2.2 * i, 33 + 0.25 * i * i, 1.1);
    Fill(cr, 0xffffff, 0.5);
  }
  Blob(cr, {40, 18, 44, 10, 56, 10, 60, 18, 58, 26, 42, 26});
  Fill(cr, hair);
  Ellipse(cr, 50, 20, 7, 8);
  Fill(cr, Skin);
  EyesAndCheeks(cr, 50, 19, 3, 1, 23, 4.5, 1.5, 0.6);
  Curve(cr, {48, 24, 50, 25.5, 52, 24});
  Stroke(cr, Red, 1);
  Ellipse(cr, 50, 11, 20, 4);
  Fill(cr, 0xf7f0e0);
  Blob(cr, {41, 10, 44, 2, 56, 2, 59, 10});
  Fill(cr, 0xf7f0e0);
  Box(cr, 41, 7, 18, 3, 1);
  Flat(cr, gown);
  Curve(cr, {58, 6, 66, 0, 74, -2});
  Rod(cr, 0xff7eb6, 3.5);
}

// Two wide woollen shawls hung over a rod, each falling in soft folds in two
// layers to a fringed edge: one checked, one striped.
void Shawls(cairo_t* cr) {
  Open(cr, {0, 12, 100, 12});
  Rod(cr, DarkWood, 3.5);
  for (double k : {0.0, 1.0}) {
    const double x = 4 + 48 * k, w = 44;
    const unsigned cloth = k == 0 ? 0xd9534f : 0x3aa0a0;
    for (int layer = 0; layer < 2; ++layer) {
      const double bottom = layer == 0 ? 92 : 74, dx = layer == 0 ? 3 : -1;
      const unsigned c = layer == 0 ? Shade(cloth, -0.2) : cloth;
      cairo_new_sub_path(cr);
      cairo_move_to(cr, x + dx, 12);
      cairo_curve_to(cr, x + dx - 3, 40, x + dx + 2, 60, x + dx - 1, bottom);
      for (int f = 1; f <= 4; ++f) {
        const double fx = x + dx + w * f / 4;
        cairo_curve_to(cr, fx - w / 12, bottom + 2, fx - w / 6, bottom - 2, fx, bottom);
      }
      cairo_curve_to(cr, x + dx + w + 2, 60, x + dx + w - 2, 40, x + dx + w, 12);
      cairo_close_path(cr);
      FillAndClip(cr, c);
      if (k == 0) {
        for (double v = x + 6; v < x + w + 4; v += 10) {
          Open(cr, {v, 10, v, 100});
          Stroke(cr, Yellow, 2.2, 0.6);
        }
        for (double y = 22; y < 100; y += 10) {
          Open(cr, {x - 4, y, x + w + 8, y});
          Stroke(cr, Shade(cloth, -0.45), 2.2, 0.5);
        }
      } else {
        for (double y = 24; y < 100; y += 9) {
          Open(cr, {x - 4, y, x + w + 8, y});
          Stroke(cr, layer == 0 ? 0xe8d9a8 : 0xfff1d0, 3, 0.8);
        }
      }
      for (double f = 0.25; f < 1; f += 0.25) {
        Curve(cr, {x + dx + w * f, 14, x + dx + w * f - 2, 50, x + dx + w * f + 1, bottom});
        Stroke(cr, Shade(c, -0.35), 1, 0.6);
      }
      Unclip(cr);
      for (double t = 0.02; t < 1; t += 0.05) {
        const double ex = x + dx + w * t;
        Open(cr, {ex, bottom + 0.5, ex + 0.5, bottom + 7});
        Stroke(cr, Shade(c, -0.1), 1.4);
      }
    }
  }
}

}  // namespace

}  // namespace datagen::words::draw
