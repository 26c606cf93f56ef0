#include "tools/datagen/Scenery.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/Art.h"

namespace datagen::scenery {

namespace {

// A colour between two colours (t = 0 gives a, 1 gives b).
unsigned Mix(unsigned a, unsigned b, double t) {
  unsigned out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    double ca = (a >> shift) & 255, cb = (b >> shift) & 255;
    out |= unsigned(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

void AddStop(cairo_pattern_t* p, double offset, unsigned rgb, double alpha = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, offset, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                                    (rgb & 255) / 255.0, alpha);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

// Fills the union of the current sub-paths with a soft outline around the
// union only: the outline is stroked at double width first and the fill
// then covers its inner half and every inner seam.
void FillUnion(cairo_t* cr, cairo_pattern_t* fill, unsigned line, double lineWidth, double lineAlpha) {
  cairo_path_t* path = cairo_copy_path(cr);
  SetColor(cr, line, lineAlpha);
  cairo_set_line_width(cr, 2 * lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_path_destroy(path);
}

}  // namespace

double Dice::Next() {
  // xorshift32: good enough to scatter flowers.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ >> 8) / 16777216.0;
}

Stage::Stage(cairo_t* cr, int pixelWidth) : cr_(cr), k_(pixelWidth / kDesignWidth) {
  cairo_save(cr_);
  cairo_scale(cr_, k_, k_);
}

Stage::~Stage() { cairo_restore(cr_); }

void StrokeOutline(cairo_t* cr, double width, double alpha) {
  SetColor(cr, kOutline, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
}

void FillOutlined(cairo_t* cr, unsigned rgb, double width, double fillAlpha) {
  SetColor(cr, rgb, fillAlpha);
  cairo_fill_preserve(cr);
  StrokeOutline(cr, width);
  cairo_new_path(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double spread, double alpha) {
  const int layers = 4;
  for (int i = layers; i >= 1; --i) {
    double g = spread * i / layers;
    RoundedRect(cr, x - g, y - g, w + 2 * g, h + 2 * g, r + g);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha / layers);
    cairo_fill(cr);
  }
}

void Sky(cairo_t* cr, double w, double h, double horizon) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, std::max(1.0, horizon));
  AddStop(p, 0, kSkyTop);
  AddStop(p, 1, kSkyBottom);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Sun(cairo_t* cr, double cx, double cy, double r, bool face) {
  SunGlow(cr, cx, cy, r);
  SunDisc(cr, cx, cy, r, face);
}

void SunGlow(cairo_t* cr, double cx, double cy, double r) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.9, cx, cy, r * 2.1);
  AddStop(glow, 0, 0xfff1a8, 0.55);
  AddStop(glow, 1, 0xfff1a8, 0.0);
  Circle(cr, cx, cy, r * 2.1);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

void SunDisc(cairo_t* cr, double cx, double cy, double r, bool face) {
  cairo_save(cr);
  // Rays: rounded wedges between the disc and 1.6 r.
  const int rays = 12;
  double line = std::max(1.5, std::min(kLine, r * 0.05));
  for (int i = 0; i < rays; ++i) {
    double a = 2 * M_PI * i / rays - M_PI / 2;
    double half = 0.12;
    double inner = r * 1.1, outer = (i % 2 ? 1.45 : 1.62) * r;
    cairo_move_to(cr, cx + inner * std::cos(a - half), cy + inner * std::sin(a - half));
    cairo_line_to(cr, cx + outer * std::cos(a), cy + outer * std::sin(a));
    cairo_line_to(cr, cx + inner * std::cos(a + half), cy + inner * std::sin(a + half));
    cairo_close_path(cr);
    SetColor(cr, 0xffc53d);
    cairo_fill_preserve(cr);
    StrokeOutline(cr, line * 0.8, 0.6);
    cairo_new_path(cr);
  }
  // Disc.
  cairo_pattern_t* disc = cairo_pattern_create_radial(cx - 0.35 * r, cy - 0.35 * r, r * 0.1, cx, cy, r);
  AddStop(disc, 0, 0xfff6b8);
  AddStop(disc, 0.55, kYellow);
  AddStop(disc, 1, 0xffb52e);
  Circle(cr, cx, cy, r);
  cairo_set_source(cr, disc);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(disc);
  StrokeOutline(cr, line);
  cairo_new_path(cr);
  if (face) {
    // Cheeks, eyes with a glint, and a wide smile.
    for (int s = -1; s <= 1; s += 2) {
      Circle(cr, cx + s * 0.56 * r, cy + 0.2 * r, 0.15 * r);
      SetColor(cr, kPink, 0.5);
      cairo_fill(cr);
      cairo_save(cr);
      cairo_translate(cr, cx + s * 0.32 * r, cy - 0.14 * r);
      cairo_scale(cr, 0.085 * r, 0.125 * r);
      Circle(cr, 0, 0, 1);
      cairo_restore(cr);
      SetColor(cr, kText);
      cairo_fill(cr);
      Circle(cr, cx + s * 0.32 * r + 0.03 * r, cy - 0.19 * r, 0.03 * r);
      SetColor(cr, 0xffffff);
      cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + 0.02 * r, 0.42 * r, 0.18 * M_PI, 0.82 * M_PI);
    SetColor(cr, kText);
    cairo_set_line_width(cr, 0.075 * r);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Cloud(cairo_t* cr, double cx, double cy, double w) {
  cairo_save(cr);
  Circle(cr, cx - 0.30 * w, cy + 0.06 * w, 0.14 * w);
  Circle(cr, cx - 0.10 * w, cy - 0.04 * w, 0.24 * w);
  Circle(cr, cx + 0.15 * w, cy + 0.00 * w, 0.20 * w);
  Circle(cr, cx + 0.34 * w, cy + 0.08 * w, 0.12 * w);
  cairo_new_sub_path(cr);
  cairo_rectangle(cr, cx - 0.30 * w, cy + 0.06 * w, 0.64 * w, 0.14 * w);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - 0.28 * w, 0, cy + 0.2 * w);
  AddStop(p, 0, 0xffffff);
  AddStop(p, 0.6, 0xfbfdff);
  AddStop(p, 1, 0xe3f0fb);
  FillUnion(cr, p, 0x6f9cc0, 1.6, 0.35);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

namespace {
// A wavy hill line: y at x for a row of hills.
struct HillLine {
  double base, amp, f1, f2, p1, p2;
  double At(double x) const { return base - amp * (0.65 * std::sin(f1 * x + p1) + 0.35 * std::sin(f2 * x + p2)); }
};

void HillRow(cairo_t* cr, double w, double bottom, const HillLine& line, unsigned top, unsigned low) {
  const double step = 6;
  auto trace = [&] {
    cairo_move_to(cr, -20, line.At(-20));
    for (double x = -20 + step; x < w + 20 + step; x += step) cairo_line_to(cr, x, line.At(x));
  };
  trace();
  cairo_line_to(cr, w + 20, bottom + 20);
  cairo_line_to(cr, -20, bottom + 20);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, line.base - line.amp, 0, bottom);
  AddStop(p, 0, top);
  AddStop(p, 1, low);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  trace();
  StrokeOutline(cr, kLine, 0.7);
  cairo_new_path(cr);
}
}  // namespace

void Hills(cairo_t* cr, double w, double top, double bottom, Dice& dice) {
  double h = bottom - top;
  HillLine back{
      top + 0.22 * h,      std::min(0.2 * h, 40.0), 2 * M_PI / dice.Range(520, 640), 2 * M_PI / dice.Range(230, 300),
      dice.Range(0, 6.28), dice.Range(0, 6.28)};
  HillLine front{top + std::min(0.55 * h, 130.0), std::min(0.16 * h, 34.0), 2 * M_PI / dice.Range(600, 760),
                 2 * M_PI / dice.Range(260, 340), dice.Range(0, 6.28),      dice.Range(0, 6.28)};
  HillRow(cr, w, bottom, back, Mix(kGrassLight, 0xffffff, 0.25), kGrassLight);
  HillRow(cr, w, bottom, front, Mix(kGrassLight, kGrassDark, 0.35), kGrassDark);
}

void Flower(cairo_t* cr, double cx, double cy, double r, unsigned petals) {
  cairo_save(cr);
  double line = std::max(1.2, std::min(2.2, r * 0.14));
  // Stem and a leaf.
  cairo_move_to(cr, cx, cy);
  cairo_curve_to(cr, cx - 0.2 * r, cy + 0.9 * r, cx + 0.15 * r, cy + 1.6 * r, cx, cy + 2.3 * r);
  SetColor(cr, 0x3f8f33);
  cairo_set_line_width(cr, std::max(1.5, 0.22 * r));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx + 0.35 * r, cy + 1.45 * r);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 0.42 * r, 0.2 * r);
  Circle(cr, 0, 0, 1);
  cairo_restore(cr);
  FillOutlined(cr, 0x5cb848, line * 0.8);
  // Petals.
  for (int i = 0; i < 5; ++i) {
    double a = 2 * M_PI * i / 5 - M_PI / 2;
    Circle(cr, cx + 0.6 * r * std::cos(a), cy + 0.6 * r * std::sin(a), 0.48 * r);
  }
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r * 1.1);
  AddStop(p, 0, Mix(petals, 0xffffff, 0.35));
  AddStop(p, 1, petals);
  FillUnion(cr, p, kOutline, line, 0.7);
  cairo_pattern_destroy(p);
  Circle(cr, cx, cy, 0.34 * r);
  FillOutlined(cr, petals == kYellow ? kOrange : kYellow, line);
  cairo_restore(cr);
}

void GrassTuft(cairo_t* cr, double cx, double groundY, double size) {
  cairo_save(cr);
  const double lean[5] = {-0.5, -0.22, 0.0, 0.25, 0.5};
  const double tall[5] = {0.6, 0.85, 1.0, 0.8, 0.55};
  for (int i = 0; i < 5; ++i) {
    double bx = cx + (i - 2) * 0.16 * size;
    double tx = bx + lean[i] * size * 0.7, ty = groundY - tall[i] * size;
    cairo_move_to(cr, bx - 0.08 * size, groundY);
    cairo_curve_to(cr, bx - 0.05 * size, groundY - 0.35 * size, tx - 0.1 * (tx - bx), ty + 0.3 * size, tx, ty);
    cairo_curve_to(cr, tx - 0.3 * (tx - bx), ty + 0.3 * size, bx + 0.06 * size, groundY - 0.3 * size, bx + 0.08 * size,
                   groundY);
    cairo_close_path(cr);
  }
  SetColor(cr, 0x62bd4a);
  cairo_fill_preserve(cr);
  StrokeOutline(cr, 1.2, 0.45);
  cairo_new_path(cr);
  cairo_restore(cr);
}

void AppleTree(cairo_t* cr, double x, double groundY, double height) {
  cairo_save(cr);
  double h = height;
  // Trunk, a little wider at the foot.
  cairo_move_to(cr, x - 0.09 * h, groundY);
  cairo_curve_to(cr, x - 0.06 * h, groundY - 0.15 * h, x - 0.06 * h, groundY - 0.35 * h, x - 0.055 * h,
                 groundY - 0.5 * h);
  cairo_line_to(cr, x + 0.055 * h, groundY - 0.5 * h);
  cairo_curve_to(cr, x + 0.06 * h, groundY - 0.35 * h, x + 0.06 * h, groundY - 0.15 * h, x + 0.09 * h, groundY);
  cairo_close_path(cr);
  FillOutlined(cr, 0xa8703f);
  // Crown.
  Circle(cr, x, groundY - 0.66 * h, 0.26 * h);
  Circle(cr, x - 0.2 * h, groundY - 0.54 * h, 0.18 * h);
  Circle(cr, x + 0.21 * h, groundY - 0.56 * h, 0.19 * h);
  Circle(cr, x - 0.1 * h, groundY - 0.82 * h, 0.17 * h);
  Circle(cr, x + 0.12 * h, groundY - 0.8 * h, 0.16 * h);
  cairo_pattern_t* p =
      cairo_pattern_create_radial(x - 0.12 * h, groundY - 0.85 * h, 0.02 * h, x, groundY - 0.62 * h, 0.45 * h);
  AddStop(p, 0, 0x9fe07c);
  AddStop(p, 1, 0x48a83a);
  FillUnion(cr, p, kOutline, kLine, kOutlineAlpha);
  cairo_pattern_destroy(p);
  // Apples.
  const double apples[4][2] = {{-0.16, -0.6}, {0.14, -0.7}, {0.02, -0.5}, {0.24, -0.55}};
  for (const auto& a : apples) {
    Circle(cr, x + a[0] * h, groundY + a[1] * h, 0.035 * h);
    FillOutlined(cr, kRed, std::min(kLine, 0.012 * h));
  }
  cairo_restore(cr);
}

void FlowerBed(cairo_t* cr, double x, double y, double w, double h, int n, Dice& dice, double size) {
  struct Item {
    double x, y, r;
    bool tuft;
    unsigned colour;
  };
  std::vector<Item> items;
  for (int i = 0; i < n; ++i) {
    Item it{x + dice.Next() * w, y + dice.Next() * h, size * dice.Range(0.8, 1.2), dice.Next() < 0.3, kPetals[i % 5]};
    items.push_back(it);
  }
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.y < b.y; });
  for (const auto& it : items) {
    if (it.tuft)
      GrassTuft(cr, it.x, it.y + it.r * 2, it.r * 2);
    else
      Flower(cr, it.x, it.y, it.r, it.colour);
  }
}

void WoodenFrame(cairo_t* cr, double x, double y, double w, double h, double t, double radius, unsigned mat) {
  cairo_save(cr);
  SoftShadow(cr, x - t, y - t + 5, w + 2 * t, h + 2 * t, radius + t * 0.5, 9, 0.16);
  RoundedRect(cr, x - 1, y - 1, w + 2, h + 2, radius * 0.5);
  SetColor(cr, mat);
  cairo_fill(cr);
  auto ring = [&] {
    RoundedRect(cr, x - t, y - t, w + 2 * t, h + 2 * t, radius + t * 0.5);
    RoundedRect(cr, x, y, w, h, radius * 0.5);
  };
  ring();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y - t, 0, y + h + t);
  AddStop(p, 0, Mix(kWood, 0xffffff, 0.2));
  AddStop(p, 1, Mix(kWood, kWoodDark, 0.35));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  // Moulding: a light bevel near the outside, a darker groove near the inside.
  cairo_clip(cr);
  RoundedRect(cr, x - 0.7 * t, y - 0.7 * t, w + 1.4 * t, h + 1.4 * t, radius + t * 0.35);
  SetColor(cr, 0xffffff, 0.35);
  cairo_set_line_width(cr, std::max(1.5, 0.14 * t));
  cairo_stroke(cr);
  RoundedRect(cr, x - 0.3 * t, y - 0.3 * t, w + 0.6 * t, h + 0.6 * t, radius * 0.6 + t * 0.15);
  SetColor(cr, kWoodDark, 0.45);
  cairo_set_line_width(cr, std::max(1.2, 0.1 * t));
  cairo_stroke(cr);
  cairo_reset_clip(cr);
  ring();
  StrokeOutline(cr);
  cairo_new_path(cr);
  cairo_restore(cr);
}

void Plank(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, h * 0.35);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(p, 0, Mix(kWood, 0xffffff, 0.25));
  AddStop(p, 1, Mix(kWood, kWoodDark, 0.3));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_clip_preserve(cr);
  StrokeOutline(cr);
  cairo_new_path(cr);
  // Grain.
  SetColor(cr, kWoodDark, 0.35);
  cairo_set_line_width(cr, std::max(1.0, h * 0.06));
  for (int i = 1; i <= 2; ++i) {
    double gy = y + h * i / 3.2;
    cairo_move_to(cr, x, gy);
    for (double gx = x; gx <= x + w; gx += 40) cairo_line_to(cr, gx, gy + std::sin(gx * 0.013 + i) * h * 0.06);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Plate(cairo_t* cr, double x, double y, double w, double h, double r, unsigned fill, double alpha,
           double lineAlpha) {
  cairo_save(cr);
  SoftShadow(cr, x, y + 4, w, h, r, 8, 0.14);
  RoundedRect(cr, x, y, w, h, r);
  SetColor(cr, fill, alpha);
  cairo_fill_preserve(cr);
  StrokeOutline(cr, kLine, lineAlpha);
  cairo_new_path(cr);
  cairo_restore(cr);
}

void IconPlate(cairo_t* cr, double x, double y, double size, unsigned fill) {
  cairo_save(cr);
  RoundedRect(cr, x, y, size, size, size * 0.24);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + size);
  AddStop(p, 0, Mix(fill, 0xffffff, 0.55));
  AddStop(p, 1, fill);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  StrokeOutline(cr, std::max(1.5, size * 0.045));
  cairo_new_path(cr);
  cairo_restore(cr);
}

}  // namespace datagen::scenery
