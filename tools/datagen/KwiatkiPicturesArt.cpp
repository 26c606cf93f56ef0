#include "tools/datagen/KwiatkiPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "games/Fmkwiatki/KwiatkiLayout.h"
#include "tools/datagen/GamePicturesArt.h"

namespace datagen::flowers {

using namespace gamepictures;
using namespace gameart;

namespace {

struct FlowerLook {
  int petals;
  double turn;
  unsigned colour, dark;
};
const FlowerLook kFlowerLooks[8] = {
    {8, 0.0, kPink, 0xe0559a},   {6, 0.3, kYellow, 0xf0b000}, {7, 0.1, kPurple, 0x8c62e8},
    {8, 0.2, kOrange, 0xe87d1a}, {6, 0.0, kRed, 0xd93c36},    {7, 0.4, kTeal, 0x1f9c90},
    {8, 0.1, kYellow, 0xf0b000}, {6, 0.2, kPink, 0xe0559a},
};

// The flower shape in a square of the given side at (x, y): a round heart
// with petals reaching the square's edges.
void FlowerShape(cairo_t* cr, const FlowerLook& look, double x, double y, double side, double grow) {
  double c = side / 2, R = side * 0.5 * grow;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + c, y + c, R * 0.64, 0, 2 * M_PI);
  for (int i = 0; i < look.petals; ++i) {
    double a = look.turn + i * 2 * M_PI / look.petals;
    double d = R * 0.6, pr = R * (look.petals > 7 ? 0.37 : look.petals > 6 ? 0.4 : 0.42);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + c + std::cos(a) * d, y + c + std::sin(a) * d, pr, 0, 2 * M_PI);
  }
}

}  // namespace

std::unique_ptr<Art> FlowersBackground(int si) {
  const ArtSetInfo& a = kSets[si];
  const double k = a.k;
  const int h = si == 2 ? kFlowersScene128.h : a.height;
  auto art = Canvas(a.width, h, k, k);
  cairo_t* cr = art->cr();
  const kwiatki::Layout f = kwiatki::LayoutFor(DisplayOf(si), kMarkerPlate[si].w, kMarkerPlate[si].h);
  const double H = h / k;  // design height: 960, or 1024 below the stop button of the tallest screens

  Sky(cr, 1280, 640);
  Sun(cr, 44, 44, 46);
  Cloud(cr, 680, 80, 38);
  Cloud(cr, 1230, 300, 30);
  Cloud(cr, 300, 330, 26);
  Hill(cr, 1280, H, 470, 26, 1.2, 0.8, kGrassFar, 0x96d67a);
  Hill(cr, 1280, H, 600, 18, 0.9, 2.2, kGrass, kGrassDark);
  // The buttons' column at the right stays plain grass.
  for (int i = 0; i < 26; ++i) GrassTuft(cr, Noise(i, 40) * 1120, 620 + Noise(i, 41) * 330, 22, kGrassDark, 600 + i);
  for (int i = 0; i < 22; ++i) {
    double x = 10 + Noise(i, 42) * 1100, y = 860 + Noise(i, 43) * 90;
    Daisy(cr, x, y, 8 + Noise(i, 44) * 4, i % 3 ? 0xffffff : kPurple);
  }

  // Stems and leaves from the ground up to each flower; the lower flowers
  // are drawn later, so their stems and heads stand in front.
  int order[8] = {7, 1, 0, 6, 5, 2, 3, 4};
  for (int k8 : order) {
    double side = kFlowerSide[si][k8] / k;
    double fx = f.flowers[k8].x / k, fy = f.flowers[k8].y / k;
    double cx = fx + side / 2, bottom = fy + side * 0.9;
    double ground = std::max(bottom + 60, 640.0 + 20 * Noise(k8, 50));
    double sway = (Noise(k8, 51) - 0.5) * 40;
    auto stem = [&]() {
      cairo_move_to(cr, cx, bottom - 10);
      cairo_curve_to(cr, cx + sway, bottom + (ground - bottom) * 0.4, cx - sway, bottom + (ground - bottom) * 0.7,
                     cx + sway * 0.5, ground);
    };
    stem();
    SetColor(cr, kInk, 0.8);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    stem();
    SetColor(cr, 0x4fa83d);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    double ly = bottom + (ground - bottom) * 0.55;
    Leaflet(cr, cx + sway * 0.1, ly, -0.5, 54, kGrass);
    Leaflet(cr, cx + sway * 0.1, ly + 18, M_PI + 0.45, 46, 0x6cc24a);

    const FlowerLook& look = kFlowerLooks[k8];
    double rim = 7;
    double grow = (side + 2 * rim) / side;
    FlowerShape(cr, look, fx, fy, side, grow);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, fy + side / 2, side * 0.1, cx, fy + side / 2, side * 0.56);
    unsigned c0 = 0xfffbe8, c1 = look.colour;
    cairo_pattern_add_color_stop_rgb(g, 0, ((c0 >> 16) & 255) / 255.0, ((c0 >> 8) & 255) / 255.0, (c0 & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.55, ((c1 >> 16) & 255) / 255.0, ((c1 >> 8) & 255) / 255.0,
                                     (c1 & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, ((look.dark >> 16) & 255) / 255.0, ((look.dark >> 8) & 255) / 255.0,
                                     (look.dark & 255) / 255.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    FillUnionInk(cr, 3.2);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
  }

  // Home slots: light stepping stones where the sound labels wait.
  cairo_identity_matrix(cr);
  Size plate = kMarkerPlate[si];
  for (int i = 0; i < 8; ++i) {
    double w = plate.w - 2 * std::max(1.0, k * 2), h = plate.h - 2 * std::max(1.0, k * 2);
    double x = f.slots[i].x - w / 2, y = f.slots[i].y - h / 2;
    RoundedRect(cr, x + 2 * k, y + 4 * k, w, h, h * 0.45);
    SetColor(cr, 0x3f8a33, 0.45);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, h * 0.45);
    VerticalGradient(cr, y, y + h, 0xfffaf0, 0xf1e2c4);
    cairo_fill_preserve(cr);
    Ink(cr, std::max(1.5, 2.6 * k), 0.7);
  }
  return art;
}

std::unique_ptr<Art> FlowerMask(int si, int k) {
  int side = kFlowerSide[si][k];
  auto art = std::make_unique<Art>(side, side);
  cairo_set_fill_rule(art->cr(), CAIRO_FILL_RULE_WINDING);
  FlowerShape(art->cr(), kFlowerLooks[k], 0, 0, side, 0.985);
  SetColor(art->cr(), 0xffffff);
  cairo_fill(art->cr());
  return art;
}

std::unique_ptr<Art> MarkerPlate(int si) {
  Size s = kMarkerPlate[si];
  auto art = Canvas(s.w, s.h, s.w / 96.0, s.h / 56.0);
  cairo_t* cr = art->cr();
  RoundedRect(cr, 2, 2, 92, 52, 16);
  VerticalGradient(cr, 2, 54, 0xffe680, 0xffc928);
  cairo_fill_preserve(cr);
  Ink(cr, 3);
  RoundedRect(cr, 10, 6, 76, 10, 5);
  SetColor(cr, 0xffffff, 0.45);
  cairo_fill(cr);
  return art;
}

std::unique_ptr<Art> Smile(int si) {
  Size s = kSmile[si];
  auto art = Canvas(s.w, s.h, s.w / 48.0, s.h / 48.0);
  cairo_t* cr = art->cr();
  cairo_arc(cr, 24, 24, 21.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(18, 16, 2, 24, 24, 22);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.95, 0.6);
  cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.72, 0.16);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  Ink(cr, 2.6);
  SetColor(cr, kInk, 0.9);
  for (double x : {17.0, 31.0}) {
    cairo_save(cr);
    cairo_translate(cr, x, 19);
    cairo_scale(cr, 1, 1.45);
    cairo_arc(cr, 0, 0, 2.6, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  cairo_arc(cr, 24, 25, 10.5, M_PI * 0.18, M_PI * 0.82);
  Ink(cr, 2.8, 0.9);
  SetColor(cr, kPink, 0.55);
  for (double x : {12.5, 35.5}) {
    cairo_arc(cr, x, 28, 3.6, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  return art;
}

}  // namespace datagen::flowers
