// Word drawings: the body and clothes.
#include <cmath>

#include "tools/datagen/WordPicturesDraw.h"

namespace datagen::words::draw {

namespace {

constexpr unsigned Shirt = 0x2ec4b6, Trousers = 0x5b7fd0, Cheek = 0xff9aa2, Eye = 0x2d2a32;

enum class Pose { Front, Back, ArmsUp, Belly };

// A friendly child standing, about 90 units tall.
void Child(cairo_t* cr, Pose pose) {
  const bool back = pose == Pose::Back;
  for (double k : {-1.0, 1.0}) {
    Open(cr, {50 + 6 * k, 74, 50 + 7 * k, 90});
    Rod(cr, Trousers, 8);
    Ellipse(cr, 50 + 9 * k, 93, 6, 3.2);
    Fill(cr, 0x4a3a3a);
  }
  Box(cr, 38, 68, 24, 10, 4);
  Fill(cr, Trousers);
  // Arms.
  for (double k : {-1.0, 1.0}) {
    if (pose == Pose::ArmsUp) {
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
}

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
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {34 + 14 * k, 14, 34 + 24 * k, 26, 34 + 30 * k, 60, 34 + 22 * k, 62, 34 + 16 * k, 34});
    Fill(cr, blue);
    Open(cr, {34 + 20 * k, 22, 34 + 27 * k, 60});
    Stroke(cr, 0xffffff, 1.6);
  }
  Box(cr, 18, 12, 32, 56, 5);
  Fill(cr, blue);
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
        cairo_new_sub_path(cr);
        for (int k = 0; k < 10; ++k) {
          double r = k % 2 ? 1.2 : 2.8, a = -M_PI / 2 + k * M_PI / 5;
          cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
        }
        cairo_close_path(cr);
        Flat(cr, Yellow);
      }
  };
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {70, 40, 70 + 12 * k, 40, 70 + 13 * k, 94, 70 + 3 * k, 94});
    Fill(cr, cloth);
    Poly(cr, {70, 40, 70 + 12 * k, 40, 70 + 13 * k, 94, 70 + 3 * k, 94});
    ClipPath(cr);
    stars(56, 46, 86, 96);
    Unclip(cr);
  }
  Box(cr, 57, 36, 26, 6, 2);
  Fill(cr, Shade(cloth, -0.1));
  for (double k : {-1.0, 1.0}) {
    Poly(cr, {34 + 14 * k, 14, 34 + 24 * k, 26, 34 + 30 * k, 60, 34 + 22 * k, 62, 34 + 16 * k, 34});
    Fill(cr, cloth);
  }
  Box(cr, 18, 12, 32, 58, 5);
  Fill(cr, cloth);
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
  cairo_path_t* shape = cairo_copy_path(cr);
  Fill(cr, pink);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  ClipPath(cr);
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
  cairo_path_t* shape = cairo_copy_path(cr);
  Fill(cr, red);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  ClipPath(cr);
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

void HairClip(cairo_t* cr) {
  Push(cr, 50, 56, -0.35);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -44, 0);
  cairo_curve_to(cr, -40, -10, 30, -12, 44, 0);
  cairo_curve_to(cr, 30, 10, -40, 10, -44, 0);
  cairo_close_path(cr);
  Fill(cr, Steel);
  Ellipse(cr, 6, 0, 26, 3);
  Flat(cr, DarkSteel, 0.6);
  Pop(cr);
  // A bow on it.
  const unsigned pink = 0xff6fae;
  for (double k : {-1.0, 1.0}) {
    Blob(cr, {50, 50, 50 + 20 * k, 32, 50 + 30 * k, 42, 50 + 26 * k, 62, 50 + 14 * k, 60});
    Fill(cr, pink);
    Blob(cr, {50, 52, 50 + 10 * k, 70, 50 + 16 * k, 80, 50 + 6 * k, 80});
    Fill(cr, Shade(pink, -0.1));
  }
  Circle(cr, 50, 50, 7);
  Fill(cr, Shade(pink, 0.15));
  for (double k : {-1.0, 1.0}) {
    Circle(cr, 50 + 20 * k, 46, 2);
    Flat(cr, 0xffffff, 0.8);
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
  Fill(cr, Red);
  Box(cr, 30, 34, 36, 34, 3);
  ClipPath(cr);
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

}  // namespace

Named BodyDrawings() {
  return {{"belly", Belly},       {"back", Back},         {"side", Side},   {"neck", Neck},
          {"forehead", Forehead}, {"tracksuit", Tracksuit}, {"belt", Belt}, {"black-belt", BlackBelt}, {"pyjamas", Pyjamas},
          {"tights", Tights},     {"skirt", Skirt},       {"hair-clip", HairClip}, {"patch", Patch}};
}

}  // namespace datagen::words::draw
