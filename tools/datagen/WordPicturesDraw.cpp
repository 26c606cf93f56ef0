// The drawing kit and the register of the word drawings.
#include "tools/datagen/WordPicturesDraw.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace datagen::words {

namespace {

const std::map<std::string, Drawing>& Register() {
  static const std::map<std::string, Drawing> all = [] {
    std::map<std::string, Drawing> m;
    for (const auto& group : {draw::FurnitureDrawings(), draw::HouseDrawings(), draw::OutdoorsDrawings(), draw::KitchenDrawings(),
                              draw::WashingDrawings(), draw::ToolsDrawings(), draw::ToysDrawings(), draw::SchoolDrawings(),
                              draw::FoodDrawings(), draw::PlantsDrawings(), draw::ClothesDrawings(), draw::BodyDrawings(),
                              draw::CreatureDrawings(), draw::SceneDrawings()})
      for (const auto& [name, d] : group) m.emplace(name, d);
    return m;
  }();
  return all;
}

}  // namespace

Drawing FindDrawing(const std::string& name) {
  auto it = Register().find(name);
  return it == Register().end() ? nullptr : it->second;
}

std::vector<std::string> DrawingNames() {
  std::vector<std::string> names;
  for (const auto& item : Register()) names.push_back(item.first);
  return names;
}

}  // namespace datagen::words

namespace datagen::words::draw {

namespace {

void Rgb(cairo_t* cr, unsigned rgb, double alpha = 1) {
  cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha);
}

void Stop(cairo_pattern_t* p, double at, unsigned rgb) {
  cairo_pattern_add_color_stop_rgb(p, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0);
}

std::vector<double> Points(std::initializer_list<double> xy) { return std::vector<double>(xy); }

}  // namespace

unsigned Mix(unsigned a, unsigned b, double t) {
  unsigned out = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    double x = (a >> shift) & 255, y = (b >> shift) & 255;
    out |= unsigned(std::clamp(x + (y - x) * t + 0.5, 0.0, 255.0)) << shift;
  }
  return out;
}

unsigned Shade(unsigned rgb, double t) { return t >= 0 ? Mix(rgb, 0xffffff, t) : Mix(rgb, 0x000000, -t); }

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_close_path(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) { Ellipse(cr, cx, cy, r, r); }

void Box(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  if (r <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  r = std::min({r, w / 2, h / 2});
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Open(cairo_t* cr, std::initializer_list<double> xy) {
  std::vector<double> p = Points(xy);
  cairo_new_sub_path(cr);
  for (std::size_t i = 0; i + 1 < p.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
}

void Poly(cairo_t* cr, std::initializer_list<double> xy) {
  Open(cr, xy);
  cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
  cairo_new_sub_path(cr);
  for (int k = 0; k < 2 * points; ++k) {
    const double r = k % 2 ? inner : outer, a = -M_PI / 2 + k * M_PI / points;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void BrickWall(cairo_t* cr, double x, double y, double w, double h, double course, double brick, double r) {
  const unsigned mortar = 0xb86a4c;
  Box(cr, x, y, w, h, r);
  FillAndClip(cr, 0xd98a6a, 0);
  for (int row = 0; y + course * row < y + h; ++row) {
    const double top = y + course * row;
    Open(cr, {x, top, x + w, top});
    Stroke(cr, mortar, 0.8);
    for (double joint = x + (row % 2 ? 0 : brick / 2); joint < x + w; joint += brick) {
      Open(cr, {joint, top, joint, top + course});
      Stroke(cr, mortar, 0.8);
    }
  }
  Unclip(cr);
}

void Heart(cairo_t* cr, double cx, double cy, double size) {
  const double s = size / 2;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + 0.5 * s);
  cairo_curve_to(cr, cx - s, cy - 0.1 * s, cx - 0.5 * s, cy - 0.9 * s, cx, cy - 0.3 * s);
  cairo_curve_to(cr, cx + 0.5 * s, cy - 0.9 * s, cx + s, cy - 0.1 * s, cx, cy + 0.5 * s);
  cairo_close_path(cr);
}

namespace {

// Catmull-Rom through p (pairs), as Bezier segments; closed or open.
void Spline(cairo_t* cr, const std::vector<double>& p, bool closed) {
  const std::size_t n = p.size() / 2;
  if (n < 2) return;
  auto at = [&](long i, int k) {
    if (closed) i = (i % long(n) + long(n)) % long(n);
    else i = std::clamp(i, 0L, long(n) - 1);
    return p[std::size_t(i) * 2 + std::size_t(k)];
  };
  cairo_new_sub_path(cr);
  cairo_move_to(cr, p[0], p[1]);
  const long segments = closed ? long(n) : long(n) - 1;
  for (long i = 0; i < segments; ++i) {
    double c1x = at(i, 0) + (at(i + 1, 0) - at(i - 1, 0)) / 6, c1y = at(i, 1) + (at(i + 1, 1) - at(i - 1, 1)) / 6;
    double c2x = at(i + 1, 0) - (at(i + 2, 0) - at(i, 0)) / 6, c2y = at(i + 1, 1) - (at(i + 2, 1) - at(i, 1)) / 6;
    cairo_curve_to(cr, c1x, c1y, c2x, c2y, at(i + 1, 0), at(i + 1, 1));
  }
  if (closed) cairo_close_path(cr);
}

}  // namespace

void Blob(cairo_t* cr, std::initializer_list<double> xy) { Spline(cr, Points(xy), true); }
void Blob(cairo_t* cr, const std::vector<double>& xy) { Spline(cr, xy, true); }
void Curve(cairo_t* cr, std::initializer_list<double> xy) { Spline(cr, Points(xy), false); }

void Cylinder(cairo_t* cr, double cx, double top, double rx, double ry, double height, unsigned topRgb, unsigned sideRgb) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx - rx, top);
  cairo_line_to(cr, cx - rx, top + height);
  cairo_save(cr);
  cairo_translate(cr, cx, top + height);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
  cairo_restore(cr);
  cairo_line_to(cr, cx + rx, top);
  cairo_save(cr);
  cairo_translate(cr, cx, top);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  cairo_close_path(cr);
  Fill(cr, sideRgb);
  Ellipse(cr, cx, top, rx, ry);
  Fill(cr, topRgb);
}

namespace {
thread_local std::vector<cairo_path_t*> clipped;
}

void ClipPath(cairo_t* cr) {
  clipped.push_back(cairo_copy_path(cr));
  cairo_save(cr);
  cairo_clip(cr);
}

void FillAndClip(cairo_t* cr, unsigned rgb, double outline) {
  cairo_path_t* path = cairo_copy_path(cr);
  Fill(cr, rgb, outline);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
  ClipPath(cr);
}

void Unclip(cairo_t* cr) {
  cairo_restore(cr);
  if (clipped.empty()) return;
  cairo_new_path(cr);
  cairo_append_path(cr, clipped.back());
  cairo_path_destroy(clipped.back());
  clipped.pop_back();
  Edge(cr);
}

void Fill(cairo_t* cr, unsigned rgb, double outline) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x0 + (x1 - x0) * 0.45, y1);
  Stop(p, 0, Shade(rgb, 0.16));
  Stop(p, 0.55, rgb);
  Stop(p, 1, Shade(rgb, -0.12));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  if (outline > 0) Edge(cr, outline);
  cairo_new_path(cr);
}

void Flat(cairo_t* cr, unsigned rgb, double alpha) {
  Rgb(cr, rgb, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, unsigned rgb, double width, double alpha) {
  Rgb(cr, rgb, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Rod(cairo_t* cr, unsigned rgb, double width, double outline) {
  Rgb(cr, Ink, 0.8);
  cairo_set_line_width(cr, width + 2 * outline);
  cairo_stroke_preserve(cr);
  Rgb(cr, rgb);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Edge(cairo_t* cr, double width) {
  Rgb(cr, Ink, 0.8);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Blossom(cairo_t* cr, double x, double y, double r, unsigned petals, unsigned centre, double outline) {
  auto paint = [&](unsigned rgb) {
    if (outline > 0) Fill(cr, rgb, outline);
    else Flat(cr, rgb);
  };
  for (int k = 0; k < 5; ++k) {
    const double a = k * 2 * M_PI / 5;
    Circle(cr, x + r * std::cos(a), y + r * std::sin(a), 0.78 * r);
    paint(petals);
  }
  Circle(cr, x, y, 0.57 * r);
  paint(centre);
}

void Gleam(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha) {
  Push(cr, cx, cy, angle);
  Ellipse(cr, 0, 0, rx, ry);
  Pop(cr);
  Rgb(cr, 0xffffff, alpha);
  cairo_fill(cr);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
  Ellipse(cr, cx, cy, rx, ry);
  Rgb(cr, Ink, 0.18);
  cairo_fill(cr);
}

void GrassTufts(cairo_t* cr, double y, double from, double to) {
  for (double x = from; x <= to; x += 9) {
    Poly(cr, {x - 5, y, x - 3, y - 7, x - 1, y - 2, x + 1, y - 9, x + 3, y - 2, x + 5, y - 6, x + 6, y});
    Fill(cr, Grass, 0.7);
  }
}

void Pointer(cairo_t* cr, double x, double y, double from, double length) {
  Push(cr, x, y, from);
  Poly(cr, {0, 0, 10, -8, 10, -3.5, length, -3.5, length, 3.5, 10, 3.5, 10, 8});
  Pop(cr);
  Fill(cr, Red);
}

void EyesAndCheeks(cairo_t* cr, double cx, double eyeY, double eyeDx, double eyeR, double cheekY, double cheekDx,
                   double cheekR, double cheekAlpha) {
  for (double k : {-1.0, 1.0}) {
    Circle(cr, cx + eyeDx * k, eyeY, eyeR);
    Flat(cr, 0x2d2a32);
    Circle(cr, cx + cheekDx * k, cheekY, cheekR);
    Flat(cr, 0xff9aa2, cheekAlpha);
  }
}

void Glow(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.93, 0.45, 0.85);
  cairo_pattern_add_color_stop_rgba(p, 0.6, 1, 0.9, 0.35, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.9, 0.35, 0);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(p);
}

void Knob(cairo_t* cr, double x, double y, double r) {
  Circle(cr, x, y, r);
  Fill(cr, 0xf2c14e, 0.7);
}

void Wheel(cairo_t* cr, double x, double y, double r, unsigned rim, unsigned hub, int spokes) {
  Circle(cr, x, y, r);
  Fill(cr, rim);
  Circle(cr, x, y, r * 0.78);
  Fill(cr, Shade(rim, 0.45), 0.8);
  for (int k = 0; k < spokes; ++k) {
    double a = k * 2 * M_PI / spokes;
    Open(cr, {x, y, x + r * 0.78 * std::cos(a), y + r * 0.78 * std::sin(a)});
    Rod(cr, rim, r * 0.07 + 0.6, 0.5);
  }
  Circle(cr, x, y, r * 0.2);
  Fill(cr, hub, 0.8);
}

void LeafAt(cairo_t* cr, double x, double y, double angle, double length, double width, unsigned rgb,
            unsigned vein) {
  Push(cr, x, y, angle);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -width, length * 0.75, -width * 0.9, length, 0);
  cairo_curve_to(cr, length * 0.75, width * 0.9, length * 0.3, width, 0, 0);
  cairo_close_path(cr);
  Fill(cr, rgb, 0.8);
  Open(cr, {length * 0.08, 0, length * 0.85, 0});
  Stroke(cr, vein ? vein : Shade(rgb, -0.3), 0.7, 0.8);
  Pop(cr);
}

void LobedLeaf(cairo_t* cr, double x, double y, double angle, double size, int lobes, unsigned rgb) {
  Push(cr, x, y, angle, size / 20);
  cairo_new_sub_path(cr);
  const int n = lobes * 2;
  for (int k = 0; k <= n; ++k) {
    double a = -M_PI / 2 + M_PI * k / n * 2 * 0.999;
    double r = k % 2 ? 13 : 20;
    double px = r * std::cos(a) * 0.75, py = r * std::sin(a) - 2;
    if (k == 0) cairo_move_to(cr, px, py);
    else {
      double pa = -M_PI / 2 + M_PI * (k - 0.5) / n * 2, pr = k % 2 ? 22 : 15;
      cairo_curve_to(cr, pr * std::cos(pa) * 0.75, pr * std::sin(pa) - 2, pr * std::cos(pa) * 0.75, pr * std::sin(pa) - 2, px,
                     py);
    }
  }
  cairo_close_path(cr);
  Fill(cr, rgb, 0.9 * 20 / size);
  Open(cr, {0, 14, 0, -14});
  Stroke(cr, Shade(rgb, -0.3), 0.8 * 20 / size, 0.8);
  Pop(cr);
}

void Push(cairo_t* cr, double dx, double dy, double angle, double scale) {
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  if (angle != 0) cairo_rotate(cr, angle);
  if (scale != 1) cairo_scale(cr, scale, scale);
}

void Pop(cairo_t* cr) { cairo_restore(cr); }

}  // namespace datagen::words::draw
