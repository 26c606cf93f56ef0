#include "tools/datagen/GamePicturesArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace datagen::gameart {

double Noise(unsigned a, unsigned b) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / 16777216.0;
}

void Ink(cairo_t* cr, double width, double alpha) {
  SetColor(cr, kInk, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void FillInk(cairo_t* cr, unsigned fill, double width) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  Ink(cr, width);
}

void FillUnionInk(cairo_t* cr, double width, double alpha) {
  SetColor(cr, kInk, alpha);
  cairo_set_line_width(cr, 2 * width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, unsigned c0, unsigned c1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  auto stop = [&](double at, unsigned c) {
    cairo_pattern_add_color_stop_rgb(g, at, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
  };
  stop(0, c0);
  stop(1, c1);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

void SmoothThrough(cairo_t* cr, const std::vector<P>& p, bool moveFirst) {
  if (p.empty()) return;
  if (moveFirst) cairo_move_to(cr, p[0].x, p[0].y);
  else cairo_line_to(cr, p[0].x, p[0].y);
  int n = int(p.size());
  for (int i = 0; i + 1 < n; ++i) {
    P p0 = p[std::max(i - 1, 0)], p1 = p[i], p2 = p[i + 1], p3 = p[std::min(i + 2, n - 1)];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
}

void Sky(cairo_t* cr, double w, double h) {
  VerticalGradient(cr, 0, h, kSkyTop, kSkyLow);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
}

void Cloud(cairo_t* cr, double cx, double cy, double s) {
  static const double puffs[][3] = {{-0.95, 0.12, 0.5}, {-0.45, -0.2, 0.66}, {0.2, -0.36, 0.78},
                                    {0.8, 0.02, 0.55}, {0.0, 0.15, 0.6}};
  auto shape = [&](double dy) {
    for (auto& c : puffs) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + c[0] * s, cy + c[1] * s + dy, c[2] * s, 0, 2 * M_PI);
    }
    RoundedRect(cr, cx - 1.35 * s, cy - 0.05 * s + dy, 2.7 * s, 0.55 * s, 0.27 * s);
  };
  shape(0.1 * s);
  SetColor(cr, 0xcfe6f5, 0.9);
  cairo_fill(cr);
  shape(0);
  SetColor(cr, 0xffffff, 0.97);
  cairo_fill(cr);
}

void Sun(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  SetColor(cr, kYellow, 0.55);
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6, da = 0.13;
    cairo_move_to(cr, cx + std::cos(a - da) * r * 1.12, cy + std::sin(a - da) * r * 1.12);
    cairo_line_to(cr, cx + std::cos(a) * r * 1.62, cy + std::sin(a) * r * 1.62);
    cairo_line_to(cr, cx + std::cos(a + da) * r * 1.12, cy + std::sin(a + da) * r * 1.12);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.96, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.8, 0.2);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  SetColor(cr, kOrange, 0.9);
  cairo_set_line_width(cr, r * 0.06);
  cairo_stroke(cr);
  // Face.
  SetColor(cr, kInk, 0.75);
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_translate(cr, cx + s * r * 0.32, cy - r * 0.12);
    cairo_scale(cr, 1, 1.4);
    cairo_arc(cr, 0, 0, r * 0.075, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy + r * 0.02, r * 0.42, M_PI * 0.2, M_PI * 0.8);
  Ink(cr, r * 0.07, 0.75);
  SetColor(cr, kPink, 0.45);
  for (int s = -1; s <= 1; s += 2) {
    cairo_arc(cr, cx + s * r * 0.55, cy + r * 0.22, r * 0.13, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void Hill(cairo_t* cr, double w, double h, double baseY, double amp, double waves, double phase, unsigned top,
          unsigned bottom) {
  std::vector<P> pts;
  int n = 24;
  for (int i = 0; i <= n; ++i) {
    double x = -40 + (w + 80) * i / n;
    pts.push_back({x, baseY - amp * std::sin(phase + waves * 2 * M_PI * i / n) -
                          amp * 0.35 * std::sin(phase * 1.7 + waves * 5.1 * M_PI * i / n)});
  }
  SmoothThrough(cr, pts);
  cairo_line_to(cr, w + 40, h + 40);
  cairo_line_to(cr, -40, h + 40);
  cairo_close_path(cr);
  VerticalGradient(cr, baseY - amp, std::min(h, baseY + 260), top, bottom);
  cairo_fill_preserve(cr);
  cairo_new_path(cr);
  SmoothThrough(cr, pts);
  Ink(cr, 2.5, 0.25);
}

void GrassTuft(cairo_t* cr, double x, double y, double h, unsigned colour, unsigned seed) {
  int blades = 3 + int(Noise(seed, 1) * 3);
  for (int i = 0; i < blades; ++i) {
    double dx = (i - (blades - 1) / 2.0) * h * 0.16;
    double lean = (Noise(seed, 10 + i) - 0.5) * h * 0.8;
    double bh = h * (0.6 + 0.4 * Noise(seed, 20 + i));
    double bw = h * 0.09;
    cairo_move_to(cr, x + dx - bw, y);
    cairo_curve_to(cr, x + dx - bw, y - bh * 0.5, x + dx + lean * 0.5, y - bh * 0.8, x + dx + lean, y - bh);
    cairo_curve_to(cr, x + dx + lean * 0.5 + bw * 0.3, y - bh * 0.7, x + dx + bw, y - bh * 0.4, x + dx + bw, y);
    cairo_close_path(cr);
  }
  SetColor(cr, colour);
  cairo_fill_preserve(cr);
  Ink(cr, 1.2, 0.35);
}

void Daisy(cairo_t* cr, double x, double y, double r, unsigned petals) {
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3;
    cairo_save(cr);
    cairo_translate(cr, x + std::cos(a) * r * 0.62, y + std::sin(a) * r * 0.62);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, r * 0.45, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  FillUnionInk(cr, 1.1, 0.5);
  SetColor(cr, petals);
  cairo_fill(cr);
  cairo_arc(cr, x, y, r * 0.32, 0, 2 * M_PI);
  FillInk(cr, kYellow, 1.0);
}

void RoundTree(cairo_t* cr, double x, double groundY, double s, unsigned crown) {
  cairo_rectangle(cr, x - 0.12 * s, groundY - 0.9 * s, 0.24 * s, 0.9 * s);
  FillInk(cr, kWood, 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, groundY - 1.2 * s, 0.55 * s, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x - 0.35 * s, groundY - 0.95 * s, 0.38 * s, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + 0.36 * s, groundY - 0.98 * s, 0.4 * s, 0, 2 * M_PI);
  FillUnionInk(cr, 2, 0.55);
  SetColor(cr, crown);
  cairo_fill(cr);
}

void Leaflet(cairo_t* cr, double x, double y, double a, double len, unsigned colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.38, len * 0.75, -len * 0.32, len, 0);
  cairo_curve_to(cr, len * 0.75, len * 0.32, len * 0.3, len * 0.38, 0, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColor(cr, colour);
  cairo_fill_preserve(cr);
  Ink(cr, 1.6, 0.6);
}

std::unique_ptr<Art> Canvas(int w, int h, double sx, double sy) {
  auto art = std::make_unique<Art>(w, h);
  cairo_scale(art->cr(), sx, sy);
  return art;
}

}  // namespace datagen::gameart
