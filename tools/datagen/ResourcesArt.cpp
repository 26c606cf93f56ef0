// Drawing of the resource library pictures: letter tiles, picture buttons,
// the scroll knob, the main window's toggles and the two cursors.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/Resources.h"

namespace datagen::res {

namespace {

// The palette of the whole program.
constexpr unsigned kInk = 0x2d2a32;       // text
constexpr unsigned kOutline = 0x3b2f2f;   // soft outlines, at kOutlineAlpha
constexpr double kOutlineAlpha = 0.8;
constexpr unsigned kRedInk = 0xd62828;    // marked segments: a deeper red than kRed, readable on cream
constexpr unsigned kRed = 0xff5e57;
constexpr unsigned kGreen = 0x7ccd5a;
constexpr unsigned kDarkGreen = 0x4fa83d;
constexpr unsigned kTeal = 0x2ec4b6;
constexpr unsigned kOrange = 0xff9f43;
constexpr unsigned kPurple = 0xb28dff;
constexpr unsigned kPink = 0xff7eb6;
constexpr unsigned kYellow = 0xffd23f;
constexpr unsigned kWood = 0xc98b4f;
// The light panel of the main window on which its toggles stand; each
// toggle carries it around its plate.
constexpr unsigned kPanel = 0xfff9ed;

constexpr double kPi = 3.14159265358979323846;

unsigned Mix(unsigned a, unsigned b, double t) {
  auto ch = [&](int shift) {
    double v = ((a >> shift) & 255) * (1 - t) + ((b >> shift) & 255) * t;
    return unsigned(std::lround(v)) << shift;
  };
  return ch(16) | ch(8) | ch(0);
}
unsigned Lighten(unsigned c, double t) { return Mix(c, 0xffffff, t); }
unsigned Darken(unsigned c, double t) { return Mix(c, 0x000000, t); }

void AddStop(cairo_pattern_t* p, double at, unsigned rgb, double alpha = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0,
                                    alpha);
}

// Fills the current path with a vertical gradient, keeping the path.
void FillVertical(cairo_t* cr, double y0, double y1, unsigned top, unsigned bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStop(p, 0, top);
  AddStop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void StrokeOutline(cairo_t* cr, double width, double alpha = kOutlineAlpha) {
  SetColor(cr, kOutline, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

struct Ink {
  double x, y, w, h;  // bearing and size of the ink at the measured size
};

Ink Measure(cairo_t* cr, Face face, double size, const std::string& utf8) {
  cairo_save(cr);
  cairo_set_font_face(cr, FontFace(face));
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  cairo_restore(cr);
  return {e.x_bearing, e.y_bearing, e.width, e.height};
}

// The largest size up to maxSize at which the text's ink fits maxW wide.
double FitWidth(cairo_t* cr, Face face, const std::string& utf8, double maxW, double maxSize) {
  Ink ink = Measure(cr, face, 100, utf8);
  if (ink.w <= 0) return maxSize;
  return std::min(maxSize, 100 * maxW / ink.w);
}

// Text with its ink centred horizontally on cx and its baseline at y.
void BaselineText(cairo_t* cr, Face face, double size, const std::string& utf8, double cx, double baseline,
                  double squeeze = 1.0) {
  Ink ink = Measure(cr, face, size, utf8);
  cairo_save(cr);
  cairo_set_font_face(cr, FontFace(face));
  cairo_set_font_size(cr, size);
  cairo_translate(cr, cx, baseline);
  cairo_scale(cr, squeeze, 1.0);
  cairo_move_to(cr, -ink.x - ink.w / 2, 0);
  cairo_show_text(cr, utf8.c_str());
  cairo_restore(cr);
  cairo_new_path(cr);
}

// Capital-letter text centred on (cx, cy) by the cap height, so labels with
// and without accents or descenders sit alike.
void CapsText(cairo_t* cr, Face face, double size, const std::string& utf8, double cx, double cy) {
  Ink cap = Measure(cr, face, size, "H");
  BaselineText(cr, face, size, utf8, cx, cy - cap.y / 2);
}

int CodePoints(const std::string& utf8) {
  int n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

std::uint32_t Hash(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : s) h = (h ^ c) * 16777619u;
  return h;
}

// ---- letter tiles ----

struct TileBox {
  double frame, textW, textH;
};

TileBox TileGeometry(Size tile) {
  double frame = std::max(2.0, std::round(tile.w * 0.065));
  double pad = tile.w * 0.06;
  return {frame, tile.w - 2 * frame - 2 * pad, tile.h - 2 * frame - 2 * pad};
}

std::vector<std::string> PlainTexts() {
  std::vector<std::string> texts;
  for (const auto& n : TileNames())
    if (!IsRedTile(n)) texts.push_back(TileText(n));
  return texts;
}

}  // namespace

TileFit FitTileText(Size tile) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(s);
  TileBox box = TileGeometry(tile);
  // One size for every tile of the set: the widest of the one- and
  // two-letter segments sets it; the three-letter "dzi" is narrowed instead.
  double size = 1000;
  double top = 0, bottom = 0;
  for (const auto& t : PlainTexts()) {
    Ink ink = Measure(cr, Face::SansBold, 100, t);
    if (CodePoints(t) <= 2) size = std::min(size, 100 * box.textW / ink.w);
    top = std::min(top, ink.y);
    bottom = std::max(bottom, ink.y + ink.h);
  }
  // All letters share one baseline; ascenders, accents and descenders fit.
  size = std::min(size, 100 * box.textH / (bottom - top));
  double baseline = tile.h / 2.0 - (top + bottom) / 2 * size / 100;
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return {size, baseline};
}

void DrawTile(Art& art, const TileFit& fit, const std::string& utf8, bool red) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  const TileBox box = TileGeometry({art.Width(), art.Height()});
  const double f = box.frame;

  // The wooden rim fills the whole rectangle: the tile is drawn opaque.
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, 0xdba56c, 0xb07038);
  cairo_new_path(cr);
  // The rim's bevel: light above and left, dark below and right.
  cairo_set_line_width(cr, 1);
  SetColor(cr, 0xffffff, 0.45);
  cairo_move_to(cr, 0.5, h - 0.5);
  cairo_line_to(cr, 0.5, 0.5);
  cairo_line_to(cr, w - 0.5, 0.5);
  cairo_stroke(cr);
  SetColor(cr, 0x5a3210, 0.45);
  cairo_move_to(cr, w - 0.5, 0.5);
  cairo_line_to(cr, w - 0.5, h - 0.5);
  cairo_line_to(cr, 0.5, h - 0.5);
  cairo_stroke(cr);

  // The light face with a soft edge and a faint grain.
  RoundedRect(cr, f, f, w - 2 * f, h - 2 * f, w * 0.11);
  FillVertical(cr, f, h - f, 0xfff6e0, 0xf6dfb2);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  std::uint32_t seed = Hash(utf8);
  cairo_set_line_width(cr, std::max(1.0, w / 46));
  for (int i = 0; i < 4; ++i) {
    seed = seed * 1103515245u + 12345u;
    double y = f + (h - 2 * f) * (0.15 + 0.23 * i) + ((seed >> 16) % 7) - 3;
    double amp = 1.5 + ((seed >> 8) % 3);
    SetColor(cr, 0xd9ad6a, 0.28);
    cairo_move_to(cr, f, y);
    cairo_curve_to(cr, w * 0.35, y - amp, w * 0.65, y + amp, w - f, y - amp / 2);
    cairo_stroke(cr);
  }
  // Inner shadow along the face's lower and right edges.
  RoundedRect(cr, f, f, w - 2 * f, h - 2 * f, w * 0.11);
  cairo_set_line_width(cr, 2);
  SetColor(cr, 0x9a6430, 0.35);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  RoundedRect(cr, f - 0.5, f - 0.5, w - 2 * f + 1, h - 2 * f + 1, w * 0.11);
  SetColor(cr, 0x7a4a1e, 0.55);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  // The segment.
  Ink ink = Measure(cr, Face::SansBold, fit.fontSize, utf8);
  double squeeze = ink.w > box.textW ? box.textW / ink.w : 1.0;
  SetColor(cr, red ? kRedInk : kInk);
  BaselineText(cr, Face::SansBold, fit.fontSize, utf8, w / 2, fit.baseline, squeeze);
}

// ---- picture buttons ----

namespace {

// The button's plate, over the whole picture. The scroll arrows' plates are
// square: the track runs right beside them, and a corner left clear there
// would take the arrow's clicks unseen. Their plate is the whole picture, its
// outline half inside.
void PlatePath(cairo_t* cr, const Art& art, const std::string& base, double& top, double& bottom) {
  if (base == "up" || base == "down") {
    top = 0;
    bottom = art.Height();
    cairo_rectangle(cr, 0, 0, art.Width(), bottom);
    return;
  }
  top = 1.5;
  bottom = art.Height() - 1.5;
  RoundedRect(cr, 1.5, top, art.Width() - 3, bottom - top, 13);
}

void Octagon(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 8; ++i) {
    double a = kPi / 8 + i * kPi / 4;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

// A filled shape with the soft outline; the path is consumed.
void FillOutlined(cairo_t* cr, unsigned top, unsigned bottom, double y0, double y1, double line = 2.0) {
  FillVertical(cr, y0, y1, top, bottom);
  StrokeOutline(cr, line);
}

// An arrow pointing in the direction (dx, dy) (one of the four), centred on (cx, cy).
void Arrow(cairo_t* cr, double cx, double cy, int dx, int dy, double len, double thick, unsigned colour) {
  // Drawn pointing right, then turned.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, std::atan2(dy, dx));
  const double head = len * 0.5, half = len / 2;
  cairo_move_to(cr, -half, -thick / 2);
  cairo_line_to(cr, half - head, -thick / 2);
  cairo_line_to(cr, half - head, -thick * 1.35);
  cairo_line_to(cr, half, 0);
  cairo_line_to(cr, half - head, thick * 1.35);
  cairo_line_to(cr, half - head, thick / 2);
  cairo_line_to(cr, -half, thick / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
  FillOutlined(cr, Lighten(colour, 0.25), Darken(colour, 0.08), cy - thick * 1.4, cy + thick * 1.4);
}

void PlayTriangle(cairo_t* cr, double cx, double cy, double r) {
  cairo_move_to(cr, cx - r * 0.55, cy - r);
  cairo_line_to(cr, cx + r * 0.95, cy);
  cairo_line_to(cr, cx - r * 0.55, cy + r);
  cairo_close_path(cr);
  FillOutlined(cr, Lighten(kGreen, 0.2), kDarkGreen, cy - r, cy + r);
}

void Note(cairo_t* cr, double x, double y, double s) {
  // A quaver: the head at (x, y), the stem up the right side, the flag.
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_save(cr);
  cairo_rotate(cr, -0.45);
  cairo_scale(cr, 1.35, 1.0);
  cairo_arc(cr, 0, 0, 2.6, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_rectangle(cr, 2.3, -12, 1.6, 12);
  cairo_move_to(cr, 3.9, -12);
  cairo_curve_to(cr, 5.5, -8.5, 9, -8, 7.5, -3.5);
  cairo_curve_to(cr, 7.8, -7, 5.5, -7.5, 3.9, -8.5);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColor(cr, kInk);
  cairo_fill(cr);
}

void Icon(cairo_t* cr, const std::string& base, double cx, double cy) {
  if (base == "stop") {
    Octagon(cr, cx, cy, 15.5);
    FillOutlined(cr, Lighten(kRed, 0.15), Darken(kRed, 0.12), cy - 15, cy + 15);
    SetColor(cr, 0xffffff);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx - 6, cy - 6);
    cairo_line_to(cr, cx + 6, cy + 6);
    cairo_move_to(cr, cx + 6, cy - 6);
    cairo_line_to(cr, cx - 6, cy + 6);
    cairo_stroke(cr);
  } else if (base == "start") {
    PlayTriangle(cr, cx + 1, cy, 14);
  } else if (base == "pomoc" || base == "oprogramie") {
    bool help = base == "pomoc";
    unsigned c = help ? kTeal : kPurple;
    cairo_arc(cr, cx, cy, 15, 0, 2 * kPi);
    FillOutlined(cr, Lighten(c, 0.2), Darken(c, 0.1), cy - 15, cy + 15);
    SetColor(cr, 0xffffff);
    if (help) {
      CentredText(cr, Face::SansBold, 23, "?", cx, cy);
    } else {
      cairo_arc(cr, cx, cy - 7.5, 2.6, 0, 2 * kPi);
      cairo_fill(cr);
      RoundedRect(cr, cx - 2.4, cy - 2.5, 4.8, 12.5, 1.5);
      cairo_fill(cr);
    }
  } else if (base == "nast") {
    Arrow(cr, cx, cy, 1, 0, 32, 8, kOrange);
  } else if (base == "pop") {
    Arrow(cr, cx, cy, -1, 0, 32, 8, kOrange);
  } else if (base == "powiedz") {
    // A loudspeaker with sound waves.
    const double x = cx - 13;
    cairo_move_to(cr, x, cy - 5);
    cairo_line_to(cr, x + 6, cy - 5);
    cairo_line_to(cr, x + 14, cy - 12);
    cairo_line_to(cr, x + 14, cy + 12);
    cairo_line_to(cr, x + 6, cy + 5);
    cairo_line_to(cr, x, cy + 5);
    cairo_close_path(cr);
    FillOutlined(cr, Lighten(kPink, 0.2), Darken(kPink, 0.1), cy - 12, cy + 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.6);
    SetColor(cr, kInk, 0.85);
    for (int i = 0; i < 3; ++i) {
      double r = 5 + 4.5 * i;
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 13, cy, r, -0.75, 0.75);
    }
    cairo_stroke(cr);
  } else if (base == "wyjdz") {
    // A door standing open onto the dark, and the way out.
    const double l = cx - 12, t = cy - 16, r = cx + 6, b = cy + 16;
    cairo_rectangle(cr, l, t, r - l, b - t);
    SetColor(cr, 0x3a2e40);
    cairo_fill_preserve(cr);
    StrokeOutline(cr, 2);
    cairo_move_to(cr, l, t);
    cairo_line_to(cr, l + 11, t + 4);
    cairo_line_to(cr, l + 11, b + 2);
    cairo_line_to(cr, l, b);
    cairo_close_path(cr);
    FillOutlined(cr, Lighten(kWood, 0.15), Darken(kWood, 0.1), t, b);
    cairo_arc(cr, l + 8.5, cy + 1, 1.6, 0, 2 * kPi);
    SetColor(cr, kYellow);
    cairo_fill(cr);
    Arrow(cr, cx + 9, cy + 1, 1, 0, 18, 5, kGreen);
  } else if (base == "rrec") {
    cairo_arc(cr, cx, cy, 13, 0, 2 * kPi);
    FillOutlined(cr, 0xff6a5e, 0xe0302a, cy - 13, cy + 13);
    cairo_arc(cr, cx - 4.5, cy - 4.5, 3.5, 0, 2 * kPi);
    SetColor(cr, 0xffffff, 0.7);
    cairo_fill(cr);
  } else if (base == "rodtworz") {
    PlayTriangle(cr, cx + 4, cy + 3, 12);
    Note(cr, cx - 12, cy - 4, 1.0);
  } else if (base == "rstop") {
    RoundedRect(cr, cx - 11, cy - 11, 22, 22, 3);
    FillOutlined(cr, 0x4a4552, kInk, cy - 11, cy + 11);
  } else if (base == "up") {
    Arrow(cr, cx, cy, 0, -1, 20, 7, kTeal);
  } else if (base == "down") {
    Arrow(cr, cx, cy, 0, 1, 20, 7, kTeal);
  }
}

}  // namespace

void DrawButton(Art& art, const std::string& base, ButtonState state) {
  cairo_t* cr = art.cr();
  double top, bottom;
  PlatePath(cr, art, base, top, bottom);
  switch (state) {
    case ButtonState::Normal: FillVertical(cr, top, bottom, 0xfffbf2, 0xffe2b0); break;
    case ButtonState::Hover: FillVertical(cr, top, bottom, 0xfffbd6, kYellow); break;
    case ButtonState::Pressed: FillVertical(cr, top, bottom, 0xe9c98c, 0xfbe6bf); break;
  }
  StrokeOutline(cr, 2.5);
  const double w = art.Width();
  if (state != ButtonState::Pressed) {
    // Gloss on the upper half.
    RoundedRect(cr, 5, top + 3, w - 10, (bottom - top) * 0.38, 9);
    SetColor(cr, 0xffffff, state == ButtonState::Hover ? 0.6 : 0.45);
    cairo_fill(cr);
  } else {
    // Pressed in: a shadow under the upper edge.
    cairo_save(cr);
    PlatePath(cr, art, base, top, bottom);
    cairo_clip(cr);
    PlatePath(cr, art, base, top, bottom);
    cairo_translate(cr, 0, 3);
    SetColor(cr, 0x7a5a2a, 0.35);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  double shift = state == ButtonState::Pressed ? 1.5 : 0;
  // The icons are drawn at a 32 px design size; the tall buttons show them larger.
  const double cx = w / 2, cy = (top + bottom) / 2, scale = base == "up" || base == "down" ? 1.0 : 1.15;
  cairo_save(cr);
  cairo_translate(cr, cx + shift / 2, cy + shift);
  cairo_scale(cr, scale, scale);
  Icon(cr, base, 0, 0);
  cairo_restore(cr);
}

void DrawKnob(Art& art) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, (h - 3) / 2);
  FillVertical(cr, 1.5, h - 1.5, Lighten(kTeal, 0.45), kTeal);
  StrokeOutline(cr, 2.5);
  RoundedRect(cr, 6, 4, w - 12, h * 0.3, h * 0.15);
  SetColor(cr, 0xffffff, 0.45);
  cairo_fill(cr);
  // Grip.
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, Darken(kTeal, 0.4), 0.8);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, w / 2 + 6 * i, h * 0.32);
    cairo_line_to(cr, w / 2 + 6 * i, h * 0.68);
  }
  cairo_stroke(cr);
}

// ---- toggles ----

namespace {

void Panel(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, 0, 0, w, h);
  SetColor(cr, kPanel);
  cairo_fill(cr);
}

// The rounded plate of a toggle; off is a quiet grey, on a lit yellow.
void TogglePlate(cairo_t* cr, double w, double h, bool on) {
  const double r = h * 0.28, line = std::max(2.0, h / 20);
  RoundedRect(cr, 2, 2, w - 4, h - 4, r);
  if (on) {
    FillVertical(cr, 2, h - 2, 0xfff6b8, kYellow);
    StrokeOutline(cr, line);
    RoundedRect(cr, 5, 4, w - 10, (h - 8) * 0.4, r * 0.7);
    SetColor(cr, 0xffffff, 0.5);
    cairo_fill(cr);
  } else {
    FillVertical(cr, 2, h - 2, 0xf4f3f1, 0xd3d1cf);
    StrokeOutline(cr, line, 0.45);
  }
}

// The round green tick in the plate's top right corner that marks "on".
void TickBadge(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  FillOutlined(cr, Lighten(kGreen, 0.15), kDarkGreen, cy - r, cy + r, std::max(1.2, r / 5));
  cairo_set_line_width(cr, std::max(1.6, r * 0.34));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, 0xffffff);
  cairo_move_to(cr, cx - r * 0.5, cy + r * 0.02);
  cairo_line_to(cr, cx - r * 0.12, cy + r * 0.42);
  cairo_line_to(cr, cx + r * 0.52, cy - r * 0.38);
  cairo_stroke(cr);
}

void LabelColour(cairo_t* cr, bool on) { SetColor(cr, on ? kInk : 0x6b6570); }

}  // namespace

void DrawSoundToggle(Art& art, const std::string& label, bool on) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Panel(cr, w, h);
  TogglePlate(cr, w, h, on);
  const Face face = Face::CondensedBold;
  const double maxW = w - 12;
  double size = FitWidth(cr, face, label, maxW, h * 0.46);
  LabelColour(cr, on);
  std::size_t slash = label.find('/');
  if (size >= h * 0.36 || slash == std::string::npos) {
    CapsText(cr, face, size, label, w / 2, h / 2 + h * 0.04);
  } else {
    // "DŹ/DZI": the letter above its spelling before i, each line larger
    // than the whole would be on one.
    std::string a = label.substr(0, slash), b = label.substr(slash + 1);
    const double cap1 = -Measure(cr, face, 100, "H").y / 100;  // cap height per unit of size
    size = std::min({FitWidth(cr, face, a, maxW, 100), FitWidth(cr, face, b, maxW, 100), (h - 9) / (2.55 * cap1)});
    const double cap = cap1 * size, top = h / 2 - 1.275 * cap + h * 0.02;
    BaselineText(cr, face, size, a, w / 2, top + 1.25 * cap);
    BaselineText(cr, face, size, b, w / 2, top + 2.55 * cap);
  }
  if (on) TickBadge(cr, w - h * 0.2, h * 0.2, h * 0.15);
}

void DrawChoiceToggle(Art& art, ToggleGroup group, int index, const std::string& label, bool on) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Panel(cr, w, h);
  TogglePlate(cr, w, h, on);
  // Pictogram on the left: a word of three boxes with the position lit, or
  // one to three bars for the amount.
  const double px = h * 0.28, pw = h * 0.72, ph = h * 0.36, cy = h / 2;
  const unsigned lit = group == ToggleGroup::Position ? kTeal : kOrange;
  const unsigned dim = on ? 0xfff3c4 : 0xeeeeee;
  const double line = std::max(1.2, h / 32);
  for (int i = 0; i < 3; ++i) {
    double bw = pw / 3 - 2;
    double x = px + i * (pw / 3);
    bool filled = group == ToggleGroup::Position ? i == index : i <= index;
    double bh = group == ToggleGroup::Position ? ph * 0.7 : ph * (0.45 + 0.3 * i);
    double y = group == ToggleGroup::Position ? cy - bh / 2 : cy + ph / 2 - bh;
    RoundedRect(cr, x, y, bw, bh, bw * 0.25);
    unsigned c = filled ? (on ? lit : 0xa9a6a3) : dim;
    FillVertical(cr, y, y + bh, Lighten(c, 0.15), c);
    StrokeOutline(cr, line, on ? kOutlineAlpha : 0.45);
  }
  const double textLeft = px + pw + h * 0.1, textRight = w - h * 0.16;
  const Face face = Face::CondensedBold;
  double size = FitWidth(cr, face, label, textRight - textLeft, h * 0.42);
  LabelColour(cr, on);
  Ink x = Measure(cr, face, size, "x");
  BaselineText(cr, face, size, label, (textLeft + textRight) / 2, cy - x.y / 2);
  if (on) TickBadge(cr, w - h * 0.2, h * 0.2, h * 0.13);
}

void DrawTabToggle(Art& art, int tab, const std::string& label, bool on) {
  static const unsigned hues[6] = {kTeal, kGreen, kPink, kPurple, kOrange, kRed};
  static const char* const emoji[6] = {"\u270F", "\U0001F33F", "\U0001F33C",
                                       "\U0001F914",   "\U0001F69A", "\U0001F3A4"};
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  const unsigned hue = hues[(tab - 1) % 6];
  Panel(cr, w, h);
  // A tab: rounded above, square below. The chosen one stands higher and
  // bright in its colour; the others are lower and muted.
  const double top = on ? 1.5 : h * 0.12, r = h * 0.3, line = std::max(2.0, h / 22);
  cairo_move_to(cr, 1.5, h + 2);
  cairo_line_to(cr, 1.5, top + r);
  cairo_arc(cr, 1.5 + r, top + r, r, kPi, 1.5 * kPi);
  cairo_arc(cr, w - 1.5 - r, top + r, r, 1.5 * kPi, 2 * kPi);
  cairo_line_to(cr, w - 1.5, h + 2);
  cairo_close_path(cr);
  if (on)
    FillVertical(cr, top, h, Lighten(hue, 0.6), Lighten(hue, 0.15));
  else
    FillVertical(cr, top, h, Mix(Lighten(hue, 0.75), 0xd8d8d8, 0.6), Mix(Lighten(hue, 0.45), 0xbdbdbd, 0.65));
  StrokeOutline(cr, line, on ? kOutlineAlpha : 0.5);
  if (on) {
    RoundedRect(cr, 5, top + 3, w - 10, (h - top) * 0.32, r * 0.6);
    SetColor(cr, 0xffffff, 0.45);
    cairo_fill(cr);
  }
  // Icon and label have the same size and place in both states; only
  // their height follows the tab.
  const double face_h = h * 0.88;
  const double midY = (top + h) / 2 + (on ? 0 : 1);
  const double icon = face_h * 0.62;
  const double iconX = 4 + h * 0.12 + icon / 2;
  {
    // The emoji is drawn on a picture of its own and laid on faded when off.
    Art glyph(int(std::ceil(icon)) + 4, int(std::ceil(icon)) + 4);
    DrawEmoji(glyph.cr(), emoji[(tab - 1) % 6], glyph.Width() / 2.0, glyph.Height() / 2.0, icon);
    cairo_surface_flush(glyph.Surface());
    cairo_set_source_surface(cr, glyph.Surface(), iconX - glyph.Width() / 2.0, midY - glyph.Height() / 2.0);
    cairo_paint_with_alpha(cr, on ? 1.0 : 0.7);
  }

  // The label, on two lines when one would be too small.
  const double textLeft = iconX + icon / 2 + h * 0.14, textRight = w - h * 0.14;
  const double maxW = textRight - textLeft, cx = (textLeft + textRight) / 2;
  const Face face = Face::CondensedBold;
  double one = FitWidth(cr, face, label, maxW, face_h * 0.36);
  LabelColour(cr, on);
  std::size_t space = label.find(' ', label.size() / 3);
  if (one >= face_h * 0.27 || space == std::string::npos) {
    Ink x = Measure(cr, face, one, "x");
    BaselineText(cr, face, one, label, cx, midY - x.y / 2);
  } else {
    std::string a = label.substr(0, space), b = label.substr(space + 1);
    double size = std::min(FitWidth(cr, face, a, maxW, face_h * 0.32), FitWidth(cr, face, b, maxW, face_h * 0.32));
    Ink cap = Measure(cr, face, size, "H");
    double gap = -cap.y * 0.35;
    BaselineText(cr, face, size, a, cx, midY - gap / 2);
    BaselineText(cr, face, size, b, cx, midY - gap / 2 - cap.y + gap);
  }
}

void DrawCheckBox(Art& art, bool on) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Panel(cr, w, h);
  const double m = w * 0.14;
  RoundedRect(cr, m, m, w - 2 * m, h - 2 * m, w * 0.14);
  if (on)
    FillVertical(cr, m, h - m, 0xf4ffe9, 0xd4f5bf);
  else
    FillVertical(cr, m, h - m, 0xffffff, 0xeeeeee);
  StrokeOutline(cr, 2.5);
  if (on) {
    // The tick overhangs the box a little, as if drawn by hand.
    cairo_move_to(cr, w * 0.26, h * 0.5);
    cairo_line_to(cr, w * 0.44, h * 0.7);
    cairo_line_to(cr, w * 0.8, h * 0.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, kOutline, kOutlineAlpha);
    cairo_set_line_width(cr, w * 0.17);
    cairo_stroke_preserve(cr);
    SetColor(cr, kDarkGreen);
    cairo_set_line_width(cr, w * 0.1);
    cairo_stroke(cr);
  }
}

// ---- cursors ----

void DrawHandCursor(Art& art, int hotX, int hotY) {
  cairo_t* cr = art.cr();
  // A white glove pointing up, the index fingertip on the hot spot. All parts
  // are first stroked wide in the outline colour, then filled, so only the
  // outer outline remains.
  const double fx = hotX + 0.5, top = hotY + 1.2, half = 3.0;
  auto shape = [&] {
    // Index finger.
    cairo_new_sub_path(cr);
    cairo_arc(cr, fx, top + half, half, kPi, 2 * kPi);
    cairo_line_to(cr, fx + half, 17);
    cairo_line_to(cr, fx - half, 17);
    cairo_close_path(cr);
    // Folded fingers: three knuckles to the right.
    for (int i = 0; i < 3; ++i) {
      double kx = fx + half + 2.6 + 5.2 * i, ky = 13.5 + 0.6 * i;
      cairo_new_sub_path(cr);
      cairo_arc(cr, kx, ky + 2.6, 2.6, kPi, 2 * kPi);
      cairo_line_to(cr, kx + 2.6, 20);
      cairo_line_to(cr, kx - 2.6, 20);
      cairo_close_path(cr);
    }
    // Palm and wrist.
    RoundedRect(cr, fx - half - 0.5, 15, 21, 12, 4);
    cairo_rectangle(cr, fx - 0.5, 25, 14, 5.5);
    // Thumb, lying along the palm's left side.
    cairo_save(cr);
    cairo_translate(cr, fx - half - 1.5, 19.5);
    cairo_rotate(cr, -0.75);
    RoundedRect(cr, -4, -2.6, 10, 5.2, 2.6);
    cairo_restore(cr);
  };
  shape();
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  shape();
  SetColor(cr, 0xffffff);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(cr);
  // Creases between the folded fingers and the cuff.
  SetColor(cr, kInk, 0.8);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 2; ++i) {
    double x = fx + half + 5.2 + 5.2 * i + 0.5;
    cairo_move_to(cr, x, 15.5 + 0.6 * i);
    cairo_line_to(cr, x, 19);
  }
  cairo_move_to(cr, fx + half + 0.5, 15.5);
  cairo_line_to(cr, fx + half + 0.5, 19);
  // The thumb's edge along the palm.
  cairo_move_to(cr, fx - half + 0.5, 18);
  cairo_line_to(cr, fx - 0.5, 22);
  cairo_stroke(cr);
  cairo_rectangle(cr, fx - 0.5, 25.5, 14, 5);
  SetColor(cr, kTeal);
  cairo_fill_preserve(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void DrawShearsCursor(Art& art, int hotX, int hotY) {
  cairo_t* cr = art.cr();
  // Closed garden shears lying diagonally: blade tips at the hot spot, pivot
  // in the middle, red handles towards the bottom right.
  const double tx = hotX + 0.5, ty = hotY + 0.5;
  cairo_save(cr);
  cairo_translate(cr, tx, ty);
  cairo_rotate(cr, kPi / 4);  // x now runs from the tips towards the handles
  const double pivot = 15.5;
  auto blade = [&](double side) {
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, side * 3.2, 10, side * 4.6, pivot + 2, side * 3.0);
    cairo_line_to(cr, pivot + 2, 0);
    cairo_close_path(cr);
  };
  auto handle = [&](double side) {
    cairo_move_to(cr, pivot - 1, side * 0.8);
    cairo_curve_to(cr, pivot + 5, side * 1.0, pivot + 9, side * 4.5, pivot + 17, side * 6.0);
    cairo_line_to(cr, pivot + 17, side * 2.5);
    cairo_curve_to(cr, pivot + 10, side * 1.5, pivot + 5, side * -0.8, pivot - 1, side * -0.8);
    cairo_close_path(cr);
  };
  // Outline first, wide, then the fills.
  for (double side : {-1.0, 1.0}) {
    blade(side);
    handle(side);
  }
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  for (double side : {-1.0, 1.0}) {
    handle(side);
    SetColor(cr, side < 0 ? kRed : Darken(kRed, 0.12));
    cairo_fill(cr);
    blade(side);
    SetColor(cr, side < 0 ? 0xe4eaf0 : 0xb9c3cc);
    cairo_fill(cr);
  }
  // The cutting edge between the blades and the pivot screw.
  SetColor(cr, kInk, 0.9);
  cairo_set_line_width(cr, 0.9);
  cairo_move_to(cr, 1.2, 0);
  cairo_line_to(cr, pivot, 0);
  cairo_stroke(cr);
  cairo_arc(cr, pivot, 0, 2.2, 0, 2 * kPi);
  SetColor(cr, kYellow);
  cairo_fill_preserve(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace datagen::res
