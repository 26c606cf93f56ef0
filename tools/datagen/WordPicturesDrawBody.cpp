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

}  // namespace

Named BodyDrawings() {
  return {
      {"belly", Belly},
      {"back", Back},
      {"side", Side},
      {"neck", Neck},
      {"forehead", Forehead},
  };
}

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

}  // namespace

}  // namespace datagen::words::draw
