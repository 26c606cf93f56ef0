#include "tools/datagen/CiezarowkaPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "tools/datagen/GamePicturesArt.h"

namespace datagen::truck {

using namespace gamepictures;
using namespace gameart;

std::unique_ptr<Art> TruckBackground(int si, bool tall) {
  const ArtSetInfo& a = kSets[si];
  const double k = a.k;
  int h = tall ? kTruckScene128.h : a.height;
  auto art = Canvas(a.width, h, k, k);
  cairo_t* cr = art->cr();
  double H = h / k;  // design height (960, or 1024 for the tall scene)

  Sky(cr, 1280, 760);
  Sun(cr, 1150, 250, 52);
  Cloud(cr, 520, 300, 42);
  Cloud(cr, 880, 380, 32);
  Cloud(cr, 180, 420, 30);
  Hill(cr, 1280, H, 600, 30, 1.1, 1.0, kGrassFar, 0x96d67a);
  for (int i = 0; i < 6; ++i) RoundTree(cr, 260 + i * 190 + Noise(i, 30) * 60, 640 + Noise(i, 31) * 20, 44, 0x6cc24a);
  Hill(cr, 1280, H, 720, 14, 0.8, 2.6, kGrass, kGrassDark);
  for (int i = 0; i < 14; ++i)
    Daisy(cr, 120 + Noise(i, 33) * 1120, 780 + Noise(i, 34) * 60, 7, i % 3 ? 0xffffff : kPink);
  for (int i = 0; i < 16; ++i) GrassTuft(cr, Noise(i, 35) * 1280, 770 + Noise(i, 36) * 90, 20, kGrassDark, 400 + i);

  // The road the truck stands on; its wheels touch it at about 948.
  double top = 876, bottom = 992;
  cairo_rectangle(cr, -10, top, 1300, bottom - top);
  VerticalGradient(cr, top, bottom, 0x8a92a3, 0x727a8c);
  cairo_fill(cr);
  cairo_rectangle(cr, -10, top - 6, 1300, 8);
  SetColor(cr, 0xd9dde5);
  cairo_fill_preserve(cr);
  Ink(cr, 2, 0.6);
  cairo_rectangle(cr, -10, bottom - 2, 1300, 8);
  SetColor(cr, 0xd9dde5);
  cairo_fill_preserve(cr);
  Ink(cr, 2, 0.6);
  for (int i = 0; i < 12; ++i) {
    RoundedRect(cr, 20 + i * 120, 912, 64, 8, 4);
    SetColor(cr, 0xffffff, 0.85);
    cairo_fill(cr);
  }
  // The verge below the road (seen on the tallest screens).
  cairo_rectangle(cr, -10, bottom + 6, 1300, 200);
  VerticalGradient(cr, bottom, bottom + 60, kGrass, kGrassDark);
  cairo_fill(cr);
  for (int i = 0; i < 14; ++i) GrassTuft(cr, 40 + i * 92, bottom + 40, 20, 0x5cb548, 500 + i);
  return art;
}

std::unique_ptr<Art> Plane(int si) {
  Size s = kPlane[si];
  auto art = Canvas(s.w, s.h, s.w / 200.0, s.h / 110.0);
  cairo_t* cr = art->cr();
  // Tow rope from the banner to the tail.
  cairo_move_to(cr, 0, 66);
  cairo_curve_to(cr, 12, 68, 22, 64, 34, 60);
  SetColor(cr, kInk, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // Lower wing behind the body, struts, upper wing.
  RoundedRect(cr, 78, 64, 78, 14, 7);
  FillInk(cr, 0xe0443d, 2.5);
  // Tail fin and tail plane.
  cairo_move_to(cr, 30, 56);
  cairo_curve_to(cr, 24, 40, 24, 16, 36, 10);
  cairo_curve_to(cr, 48, 14, 58, 36, 70, 50);
  cairo_close_path(cr);
  FillInk(cr, kRed, 2.5);
  // Body.
  cairo_move_to(cr, 28, 56);
  cairo_curve_to(cr, 60, 36, 120, 34, 170, 40);
  cairo_curve_to(cr, 184, 44, 186, 76, 172, 80);
  cairo_curve_to(cr, 120, 88, 62, 84, 28, 66);
  cairo_close_path(cr);
  VerticalGradient(cr, 36, 86, 0xffe27a, 0xffbf1f);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  RoundedRect(cr, 22, 56, 36, 10, 5);
  FillInk(cr, kRed, 2);
  // Struts and upper wing.
  cairo_move_to(cr, 100, 40);
  cairo_line_to(cr, 96, 22);
  cairo_move_to(cr, 138, 40);
  cairo_line_to(cr, 142, 22);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, 70, 12, 100, 14, 7);
  FillInk(cr, kRed, 2.5);
  // Pilot with a cap, and the windscreen.
  cairo_arc(cr, 114, 38, 12, 0, 2 * M_PI);
  FillInk(cr, 0xffd9b3, 2);
  cairo_arc(cr, 114, 36, 12, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  FillInk(cr, 0x7a4a2a, 2);
  RoundedRect(cr, 104, 33, 20, 6, 3);
  FillInk(cr, kTeal, 1.5);
  cairo_move_to(cr, 130, 44);
  cairo_line_to(cr, 136, 30);
  cairo_line_to(cr, 142, 44);
  cairo_close_path(cr);
  SetColor(cr, 0xbfe9ff, 0.9);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  // Stripe, wheel, nose and propeller.
  cairo_move_to(cr, 60, 62);
  cairo_curve_to(cr, 100, 66, 140, 66, 176, 62);
  SetColor(cr, kRed, 0.9);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, 120, 84);
  cairo_line_to(cr, 124, 96);
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, 125, 99, 8, 0, 2 * M_PI);
  FillInk(cr, 0x4a4a55, 2);
  cairo_arc(cr, 178, 60, 11, 0, 2 * M_PI);
  FillInk(cr, kOrange, 2.5);
  cairo_save(cr);
  cairo_translate(cr, 190, 60);
  cairo_scale(cr, 6, 46);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, 0xd8dce6, 0.6);
  cairo_fill_preserve(cr);
  Ink(cr, 1.5, 0.5);
  cairo_arc(cr, 190, 60, 4, 0, 2 * M_PI);
  FillInk(cr, 0x6b6b78, 1.5);
  return art;
}

std::unique_ptr<Art> BannerMask(int si) {
  // A long cloud; the program paints it white and writes into it.
  Size s = kBanner[si];
  auto art = Canvas(s.w, s.h, s.w / 700.0, s.h / 130.0);
  cairo_t* cr = art->cr();
  RoundedRect(cr, 8, 24, 684, 84, 42);
  // Puffs of different sizes along the top, smaller ones below.
  static const double puffs[][3] = {{58, 44, 34},  {120, 42, 38}, {196, 38, 30}, {262, 43, 40}, {340, 38, 30},
                                    {404, 40, 36}, {476, 36, 28}, {540, 40, 36}, {612, 42, 32}, {96, 100, 24},
                                    {190, 105, 20}, {296, 99, 26}, {420, 105, 20}, {528, 101, 24}, {640, 96, 22}};
  for (auto& c : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c[0], c[1], c[2], 0, 2 * M_PI);
  }
  // A soft edge, then the solid cloud.
  SetColor(cr, 0xffffff, 0.3);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColor(cr, 0xffffff);
  cairo_fill(cr);
  return art;
}

std::unique_ptr<Art> Truck(int si) {
  Size s = kTruck[si];
  auto art = Canvas(s.w, s.h, s.w / 620.0, s.h / 260.0);
  cairo_t* cr = art->cr();
  // Parcels already on board, peeking over the side.
  static const double load[][3] = {{40, 30, 44}, {86, 20, 54}, {150, 34, 40}, {360, 26, 48}, {400, 36, 36}};
  for (auto& b : load) {
    RoundedRect(cr, b[0], b[1], b[2], 64 - b[1] + 10, 4);
    FillInk(cr, 0xd9a066, 2.5);
    cairo_move_to(cr, b[0] + b[2] / 2, b[1]);
    cairo_line_to(cr, b[0] + b[2] / 2, 64);
    SetColor(cr, 0xf3d3a1, 0.9);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  // Chassis.
  RoundedRect(cr, 10, 196, 600, 26, 8);
  FillInk(cr, 0x4a4a55, 3);
  // The cargo body: dark side panel with light planks' edges; the text goes on it.
  RoundedRect(cr, 8, 56, 432, 146, 10);
  VerticalGradient(cr, 56, 202, 0x2f6b78, 0x204d58);
  cairo_fill_preserve(cr);
  Ink(cr, 3.5);
  for (double y : {148.0, 174.0}) {
    cairo_move_to(cr, 18, y);
    cairo_line_to(cr, 430, y);
  }
  SetColor(cr, 0x3f8191, 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // A darker sign board where the game writes the sounds (centred at 304, 90).
  RoundedRect(cr, 172, 70, 264, 42, 12);
  SetColor(cr, 0x17404a);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x5aa3b3, 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // The rim of the open body, where caught parcels drop in.
  RoundedRect(cr, 2, 52, 444, 16, 7);
  FillInk(cr, kWood, 3);
  // Cab.
  cairo_move_to(cr, 446, 206);
  cairo_line_to(cr, 446, 84);
  cairo_curve_to(cr, 446, 72, 454, 66, 466, 66);
  cairo_line_to(cr, 540, 66);
  cairo_curve_to(cr, 556, 66, 564, 74, 570, 88);
  cairo_line_to(cr, 592, 134);
  cairo_curve_to(cr, 608, 138, 612, 146, 612, 160);
  cairo_line_to(cr, 612, 206);
  cairo_close_path(cr);
  VerticalGradient(cr, 66, 206, 0xff7a6e, 0xe8473f);
  cairo_fill_preserve(cr);
  Ink(cr, 3.5);
  cairo_move_to(cr, 476, 82);
  cairo_line_to(cr, 536, 82);
  cairo_curve_to(cr, 546, 82, 552, 88, 556, 96);
  cairo_line_to(cr, 574, 134);
  cairo_line_to(cr, 476, 134);
  cairo_close_path(cr);
  VerticalGradient(cr, 82, 134, 0xdff4ff, 0xa9dcf5);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  cairo_move_to(cr, 482, 92);
  cairo_line_to(cr, 500, 92);
  cairo_line_to(cr, 490, 124);
  SetColor(cr, 0xffffff, 0.7);
  cairo_fill(cr);
  RoundedRect(cr, 488, 150, 22, 6, 3);
  FillInk(cr, 0x4a4a55, 1.5);
  // Headlight and bumper.
  RoundedRect(cr, 598, 150, 14, 18, 5);
  FillInk(cr, kYellow, 2);
  RoundedRect(cr, 590, 196, 26, 14, 6);
  FillInk(cr, 0xb8bcc8, 2.5);
  // Wheels.
  for (double x : {104.0, 196.0, 520.0}) {
    cairo_arc(cr, x, 222, 33, 0, 2 * M_PI);
    FillInk(cr, 0x3a3640, 3);
    cairo_arc(cr, x, 222, 15, 0, 2 * M_PI);
    FillInk(cr, 0xc9ced8, 2.5);
    cairo_arc(cr, x, 222, 5, 0, 2 * M_PI);
    SetColor(cr, 0x6b6b78);
    cairo_fill(cr);
  }
  // Wheel arches.
  for (double x : {104.0, 196.0, 520.0}) {
    cairo_arc(cr, x, 222, 40, M_PI * 1.12, M_PI * 1.88);
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  return art;
}

std::unique_ptr<Art> Parachute(int si) {
  Size s = kParachute[si];
  auto art = Canvas(s.w, s.h, s.w / 168.0, s.h / 108.0);
  cairo_t* cr = art->cr();
  // Lines from the canopy's rim to the box's top corners.
  static const double rimX[] = {6, 32, 58, 110, 136, 162};
  for (double x : rimX) {
    cairo_move_to(cr, x, 62);
    cairo_line_to(cr, x < 84 ? 12 : 156, 107);
  }
  SetColor(cr, kInk, 0.75);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  // The canopy: six gores of alternating colours between curved seams,
  // each gore's hem bulging down a little.
  const double topX = 84, topY = 2, hemY = 60;
  auto seam = [&](double x) {  // from the top down to the hem at x
    cairo_curve_to(cr, topX + (x - topX) * 0.56, topY, x, hemY - (hemY - topY) * 0.56, x, hemY);
  };
  auto seamUp = [&](double x) {  // from the hem at x back to the top
    cairo_curve_to(cr, x, hemY - (hemY - topY) * 0.56, topX + (x - topX) * 0.56, topY, topX, topY);
  };
  static const unsigned gores[] = {kRed, 0xfff4ea, kYellow, 0xfff4ea, kRed, 0xfff4ea};
  for (int i = 0; i < 6; ++i) {
    double xa = 6 + i * 26, xb = 6 + (i + 1) * 26;
    cairo_move_to(cr, topX, topY);
    seam(xa);
    cairo_curve_to(cr, xa + 6, hemY + 8, xb - 6, hemY + 8, xb, hemY);
    seamUp(xb);
    cairo_close_path(cr);
    SetColor(cr, gores[i]);
    cairo_fill(cr);
  }
  // Outline: the dome and the hem.
  cairo_move_to(cr, topX, topY);
  seam(6);
  for (int i = 0; i < 6; ++i) {
    double xa = 6 + i * 26, xb = 6 + (i + 1) * 26;
    cairo_curve_to(cr, xa + 6, hemY + 8, xb - 6, hemY + 8, xb, hemY);
  }
  seamUp(162);
  cairo_close_path(cr);
  Ink(cr, 3);
  for (int i = 1; i < 6; ++i) {
    cairo_move_to(cr, topX, topY);
    seam(6 + i * 26);
  }
  Ink(cr, 1.6, 0.45);
  // A light shine on the dome.
  cairo_move_to(cr, 40, 20);
  cairo_curve_to(cr, 52, 10, 66, 6, 76, 6);
  SetColor(cr, 0xffffff, 0.6);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  return art;
}

std::unique_ptr<Art> ParcelBox(int si) {
  Size s = kBox[si];
  double sx = s.w / 176.0, sy = s.h / 160.0;
  auto art = Canvas(s.w, s.h, sx, sy);
  cairo_t* cr = art->cr();
  TRect face = ciezarowka::LayoutFor(DisplayOf(si)).face;
  RoundedRect(cr, 2.5, 1.5, 171, 157, 12);
  VerticalGradient(cr, 0, 160, 0xe3ad70, 0xc98b4f);
  cairo_fill_preserve(cr);
  Ink(cr, 3.2);
  // Parcel tape over the top and bottom edges.
  for (double y : {1.5, 144.0}) {
    cairo_rectangle(cr, 74, y, 28, y < 10 ? 8 : 13);
    SetColor(cr, 0xf6ddb0);
    cairo_fill(cr);
  }
  // Corner marks.
  for (double x : {11.0, 165.0})
    for (double y : {14.0, 138.0}) {
      cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
      SetColor(cr, kWoodDark, 0.9);
      cairo_fill(cr);
    }
  // The window: a dark bevel round the face, then the face itself cut out.
  cairo_identity_matrix(cr);
  double r = 10 * sx;
  double bevel = std::max(2.0, 3.5 * sx);
  RoundedRect(cr, face.left - bevel, face.top - bevel, face.Width() + 2 * bevel, face.Height() + 2 * bevel, r + bevel);
  SetColor(cr, 0x8c5a2e);
  cairo_fill(cr);
  RoundedRect(cr, face.left, face.top, face.Width(), face.Height(), r);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  return art;
}

}  // namespace datagen::truck
