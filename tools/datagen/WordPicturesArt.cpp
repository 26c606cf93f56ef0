// Drawing the word pictures: a calm pastel background, the word's emoji (with
// their ligatures, so that sequences such as "farmer" come out as one
// picture) or drawings of ours, or, for a word nothing fits, a soft
// geometric motif.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <stdexcept>

#include "platform/Jpeg.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdataencryption.h"
#include "tools/datagen/Art.h"
#include "tools/datagen/WordPictures.h"

namespace datagen::words {

// ---- emoji glyphs ----

namespace {

// The colour emoji font's character map and its ligature lookups (GSUB
// lookup type 4, also inside extension lookups), read once.
class EmojiFont {
 public:
  static EmojiFont& Get() {
    static EmojiFont font;
    return font;
  }

  unsigned Glyph(const std::u32string& sequence) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<unsigned> run;
    for (char32_t c : sequence) {
      if (c == 0xFE0F) continue;  // the emoji presentation is the font's only one
      unsigned g = FT_Get_Char_Index(face_, FT_ULong(c));
      if (g == 0) return 0;
      run.push_back(g);
    }
    if (run.empty()) return 0;
    for (std::size_t lookup : ligatureTables_) Ligate(lookup, run);
    return run.size() == 1 ? run[0] : 0;
  }

 private:
  EmojiFont() {
    if (FT_Init_FreeType(&lib_) != 0) throw std::runtime_error("FreeType does not start");
    std::string file = FontFile(Face::Emoji);
    if (FT_New_Face(lib_, file.c_str(), 0, &face_) != 0) throw std::runtime_error("missing font " + file);
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face_, TTAG_GSUB, 0, nullptr, &length) == 0 && length > 0) {
      gsub_.resize(length);
      if (FT_Load_Sfnt_Table(face_, TTAG_GSUB, 0, gsub_.data(), &length) != 0) gsub_.clear();
    }
    FindLigatureTables();
  }
  ~EmojiFont() {
    FT_Done_Face(face_);
    FT_Done_FreeType(lib_);
  }

  unsigned U16(std::size_t at) const { return at + 2 <= gsub_.size() ? unsigned(gsub_[at] << 8 | gsub_[at + 1]) : 0; }
  std::size_t U32(std::size_t at) const { return std::size_t(U16(at)) << 16 | U16(at + 2); }

  // The ligature substitution subtables, in lookup order.
  void FindLigatureTables() {
    if (gsub_.size() < 10) return;
    std::size_t lookupList = U16(8);
    unsigned lookups = U16(lookupList);
    for (unsigned i = 0; i < lookups; ++i) {
      std::size_t lookup = lookupList + U16(lookupList + 2 + 2 * i);
      unsigned type = U16(lookup), subtables = U16(lookup + 4);
      for (unsigned s = 0; s < subtables; ++s) {
        std::size_t sub = lookup + U16(lookup + 6 + 2 * s);
        unsigned subType = type;
        if (type == 7) {  // extension: the real type and a 32-bit offset
          subType = U16(sub + 2);
          sub += U32(sub + 4);
        }
        if (subType == 4 && U16(sub) == 1) ligatureTables_.push_back(sub);
      }
    }
  }

  // The index of a glyph in a coverage table, or -1.
  int Coverage(std::size_t table, unsigned glyph) const {
    unsigned format = U16(table), n = U16(table + 2);
    for (unsigned i = 0; i < n; ++i) {
      if (format == 1) {
        if (U16(table + 4 + 2 * i) == glyph) return int(i);
      } else {
        std::size_t r = table + 4 + 6 * i;
        if (glyph >= U16(r) && glyph <= U16(r + 2)) return int(U16(r + 4) + glyph - U16(r));
      }
    }
    return -1;
  }

  // Replaces, left to right, the longest component runs the subtable knows.
  void Ligate(std::size_t sub, std::vector<unsigned>& run) const {
    std::size_t coverage = sub + U16(sub + 2);
    unsigned sets = U16(sub + 4);
    for (std::size_t i = 0; i < run.size(); ++i) {
      int c = Coverage(coverage, run[i]);
      if (c < 0 || unsigned(c) >= sets) continue;
      std::size_t set = sub + U16(sub + 6 + 2 * unsigned(c));
      unsigned best = 0, bestLength = 0;
      for (unsigned k = 0, n = U16(set); k < n; ++k) {
        std::size_t lig = set + U16(set + 2 + 2 * k);
        unsigned components = U16(lig + 2);
        if (components <= bestLength || i + components > run.size()) continue;
        bool match = true;
        for (unsigned j = 1; j < components && match; ++j) match = U16(lig + 4 + 2 * (j - 1)) == run[i + j];
        if (match) {
          best = U16(lig);
          bestLength = components;
        }
      }
      if (bestLength > 0) {
        run[i] = best;
        run.erase(run.begin() + std::ptrdiff_t(i) + 1, run.begin() + std::ptrdiff_t(i + bestLength));
      }
    }
  }

  std::mutex mutex_;
  FT_Library lib_ = nullptr;
  FT_Face face_ = nullptr;
  std::vector<std::uint8_t> gsub_;
  std::vector<std::size_t> ligatureTables_;
};

}  // namespace

unsigned EmojiGlyph(const std::u32string& sequence) { return EmojiFont::Get().Glyph(sequence); }

// ---- colours ----

namespace {

struct Rgb {
  double r, g, b;
};

Rgb Hsl(double h, double s, double l) {
  h = std::fmod(std::fmod(h, 360) + 360, 360) / 60;
  double c = (1 - std::fabs(2 * l - 1)) * s, x = c * (1 - std::fabs(std::fmod(h, 2) - 1)), m = l - c / 2;
  Rgb v{0, 0, 0};
  switch (int(h)) {
    case 0: v = {c, x, 0}; break;
    case 1: v = {x, c, 0}; break;
    case 2: v = {0, c, x}; break;
    case 3: v = {0, x, c}; break;
    case 4: v = {x, 0, c}; break;
    default: v = {c, 0, x}; break;
  }
  return {v.r + m, v.g + m, v.b + m};
}

void Source(cairo_t* cr, Rgb c, double alpha = 1) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }
void Stop(cairo_pattern_t* p, double at, Rgb c, double alpha = 1) {
  cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, alpha);
}

// Hue (degrees), saturation and value of a colour in 0..1.
void ToHsv(double r, double g, double b, double& h, double& s, double& v) {
  double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
  v = mx;
  s = mx > 0 ? d / mx : 0;
  if (d <= 0) h = 0;
  else if (mx == r) h = 60 * std::fmod((g - b) / d + 6, 6);
  else if (mx == g) h = 60 * ((b - r) / d + 2);
  else h = 60 * ((r - g) / d + 4);
}

void FromHsv(double h, double s, double v, double& r, double& g, double& b) {
  h = std::fmod(std::fmod(h, 360) + 360, 360) / 60;
  double c = v * s, x = c * (1 - std::fabs(std::fmod(h, 2) - 1)), m = v - c;
  double t[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
  int i = std::min(5, int(h));
  r = t[i][0] + m;
  g = t[i][1] + m;
  b = t[i][2] + m;
}

// A small stable hash of a key, for choices that vary from word to word.
std::uint32_t Hash(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : s) h = (h ^ c) * 16777619u;
  return h ^ (h >> 15);
}

double HueDistance(double a, double b) {
  double d = std::fabs(std::fmod(a - b + 540, 360) - 180);
  return d;
}

}  // namespace

// ---- one emoji or drawing as a picture ----

namespace {

// Pixels per unit of a drawing's 100 x 100 box.
constexpr double DrawingScale = 3;

// One subject, cut to its ink, straight or recoloured: an emoji glyph drawn at
// the font's own bitmap size, or one of our drawings drawn at DrawingScale.
class SubjectPicture {
 public:
  SubjectPicture(Drawing drawing, Tint tint) {
    // The canvas leaves a margin round the box: what stands a little over
    // its edge is kept, and the cut to the ink centres the subject anyway.
    const int full = int((100 + 2 * DrawingMargin) * DrawingScale);
    cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, full, full);
    cairo_t* cr = cairo_create(canvas);
    cairo_scale(cr, DrawingScale, DrawingScale);
    cairo_translate(cr, DrawingMargin, DrawingMargin);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    drawing(cr);
    cairo_destroy(cr);
    cairo_surface_flush(canvas);
    // The ink's box, with a pixel to spare.
    const unsigned char* data = cairo_image_surface_get_data(canvas);
    const int stride = cairo_image_surface_get_stride(canvas);
    int x0 = full, y0 = full, x1 = -1, y1 = -1;
    for (int y = 0; y < full; ++y) {
      const std::uint32_t* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 0; x < full; ++x)
        if (row[x] >> 24) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
          y1 = std::max(y1, y);
        }
    }
    if (x1 < 0) x0 = y0 = x1 = y1 = 0;
    x0 = std::max(0, x0 - 1);
    y0 = std::max(0, y0 - 1);
    w_ = std::min(full, x1 + 2) - x0;
    h_ = std::min(full, y1 + 2) - y0;
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w_, h_);
    cairo_t* cut = cairo_create(surface_);
    cairo_set_source_surface(cut, canvas, -x0, -y0);
    cairo_paint(cut);
    cairo_destroy(cut);
    cairo_surface_destroy(canvas);
    cairo_surface_flush(surface_);
    if (tint != Tint::None) Recolour(tint);
  }

  SubjectPicture(unsigned glyph, Tint tint) {
    const double native = 109;
    cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* pc = cairo_create(probe);
    cairo_set_font_face(pc, FontFace(Face::Emoji));
    cairo_set_font_size(pc, native);
    cairo_glyph_t g{glyph, 0, 0};
    cairo_text_extents_t e;
    cairo_glyph_extents(pc, &g, 1, &e);
    cairo_destroy(pc);
    cairo_surface_destroy(probe);
    w_ = std::max(1, int(std::ceil(e.width)) + 2);
    h_ = std::max(1, int(std::ceil(e.height)) + 2);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w_, h_);
    cairo_t* cr = cairo_create(surface_);
    cairo_set_font_face(cr, FontFace(Face::Emoji));
    cairo_set_font_size(cr, native);
    g.x = 1 - e.x_bearing;
    g.y = 1 - e.y_bearing;
    cairo_show_glyphs(cr, &g, 1);
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
    if (tint != Tint::None) Recolour(tint);
  }
  ~SubjectPicture() { cairo_surface_destroy(surface_); }
  SubjectPicture(const SubjectPicture&) = delete;
  SubjectPicture& operator=(const SubjectPicture&) = delete;

  int Width() const { return w_; }
  int Height() const { return h_; }
  cairo_surface_t* Surface() const { return surface_; }

  // The picture's main hue, weighted by saturation and opacity; false when
  // it is mostly grey.
  bool MainHue(double& hue) const {
    double x = 0, y = 0, weight = 0, total = 0;
    ForEachPixel([&](double r, double g, double b, double a) {
      double h, s, v;
      ToHsv(r, g, b, h, s, v);
      double w = a * s * v;
      x += w * std::cos(h * M_PI / 180);
      y += w * std::sin(h * M_PI / 180);
      weight += w;
      total += a;
      return false;
    });
    if (total <= 0 || weight < 0.15 * total) return false;
    hue = std::fmod(std::atan2(y, x) * 180 / M_PI + 360, 360);
    return true;
  }

  // The mean lightness of the visible pixels, 0..1.
  double MeanLightness() const {
    double sum = 0, total = 0;
    ForEachPixel([&](double r, double g, double b, double a) {
      sum += a * (0.30 * r + 0.59 * g + 0.11 * b);
      total += a;
      return false;
    });
    return total > 0 ? sum / total : 0;
  }

 private:
  // Calls fn(r, g, b, a) (straight colour, 0..1) on every visible pixel; when
  // fn returns true the (changed) colour is written back.
  template <typename Fn>
  void ForEachPixel(Fn fn) const {
    unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h_; ++y) {
      std::uint32_t* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
      for (int x = 0; x < w_; ++x) {
        std::uint32_t p = row[x];
        int a = int(p >> 24);
        if (a == 0) continue;
        double r = double((p >> 16) & 255) / a, g = double((p >> 8) & 255) / a, b = double(p & 255) / a;
        if (!fn(r, g, b, a / 255.0)) continue;
        auto pm = [a](double c) { return std::uint32_t(std::clamp(c, 0.0, 1.0) * a + 0.5); };
        row[x] = std::uint32_t(a) << 24 | pm(r) << 16 | pm(g) << 8 | pm(b);
      }
    }
  }

  void Recolour(Tint tint) {
    if (tint == Tint::Grey || tint == Tint::White || tint == Tint::Cauli) {
      const double floor = tint == Tint::Grey ? 0.25 : tint == Tint::White ? 0.62 : 0.68;
      const Rgb cast = tint == Tint::Cauli ? Rgb{1.0, 0.97, 0.86} : Rgb{1.0, 1.0, 1.0};
      ForEachPixel([&](double& r, double& g, double& b, double) {
        double l = floor + (1 - floor) * (0.30 * r + 0.59 * g + 0.11 * b);
        r = l * cast.r;
        g = l * cast.g;
        b = l * cast.b;
        return true;
      });
      cairo_surface_mark_dirty(surface_);
      return;
    }
    // The other tints move the picture's main colour (and colours near it)
    // to a new hue, leaving the rest (leaves, stalks) as they are.
    double target = 0, sat = 1, val = 1, lift = 0;
    switch (tint) {
      case Tint::Red: target = 356; sat = 1.1; val = 1.15; lift = 0.1; break;
      case Tint::Rowan: target = 10; sat = 1.1; val = 1.2; lift = 0.2; break;
      case Tint::Brown: target = 28; sat = 0.75; val = 0.85; break;
      default: return;
    }
    double main = 0;
    if (!MainHue(main)) return;
    ForEachPixel([&](double& r, double& g, double& b, double) {
      double h, s, v;
      ToHsv(r, g, b, h, s, v);
      if (s < 0.12 || HueDistance(h, main) > 45) return false;
      FromHsv(target + (h - main) * 0.3, std::min(1.0, s * sat), std::min(1.0, v * val + lift), r, g, b);
      return true;
    });
    cairo_surface_mark_dirty(surface_);
  }

  int w_, h_;
  cairo_surface_t* surface_;
};

}  // namespace

InkBox DrawingInk(Drawing d) {
  // Drawn at 2 pixels a unit, with room beyond the canvas to see what overruns it.
  const double scale = 2, margin = DrawingMargin + 10;
  const int full = int((100 + 2 * margin) * scale);
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, full, full);
  cairo_t* cr = cairo_create(canvas);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, margin, margin);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  d(cr);
  cairo_destroy(cr);
  cairo_surface_flush(canvas);
  const unsigned char* data = cairo_image_surface_get_data(canvas);
  const int stride = cairo_image_surface_get_stride(canvas);
  InkBox box;
  int x0 = full, y0 = full, x1 = -1, y1 = -1;
  for (int y = 0; y < full; ++y) {
    const std::uint32_t* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < full; ++x)
      if ((row[x] >> 24) > 8) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
  }
  cairo_surface_destroy(canvas);
  if (x1 < 0) return box;
  box.empty = false;
  box.x0 = x0 / scale - margin;
  box.y0 = y0 / scale - margin;
  box.x1 = (x1 + 1) / scale - margin;
  box.y1 = (y1 + 1) / scale - margin;
  return box;
}

std::string DrawingInkProblem(Drawing d) {
  const InkBox ink = DrawingInk(d);
  if (ink.empty) return "draws nothing";
  // The ink's larger side is scaled to the picture's size, and the outline
  // width with it: about 100 units give the usual 2-3 pixels.
  const double side = std::max(ink.x1 - ink.x0, ink.y1 - ink.y0);
  if (side < MinDrawingSide) return "is too small: its outlines come out too thick";
  if (side > MaxDrawingSide) return "is too large: its outlines come out too thin";
  if (ink.x0 < -DrawingMargin || ink.y0 < -DrawingMargin || ink.x1 > 100 + DrawingMargin || ink.y1 > 100 + DrawingMargin)
    return "runs off its canvas";
  return "";
}

namespace {

// The soft shadow of a picture: its alpha blurred, as an A8 surface with a
// margin of pad pixels on each side.
cairo_surface_t* SoftShadow(const SubjectPicture& pic, int pad) {
  int w = pic.Width() + 2 * pad, h = pic.Height() + 2 * pad;
  std::vector<float> a(std::size_t(w) * h, 0.f), t(a.size());
  const unsigned char* src = cairo_image_surface_get_data(pic.Surface());
  int stride = cairo_image_surface_get_stride(pic.Surface());
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x)
      a[std::size_t(y + pad) * w + x + pad] = float(reinterpret_cast<const std::uint32_t*>(src + y * stride)[x] >> 24);
  // Two box blurs, each a running sum across the rows and then down the
  // columns; the edges repeat the outermost pixel.
  const int r = std::max(1, pad / 2);
  const double share = 1.0 / (2 * r + 1);
  std::vector<double> columns(std::size_t(w), 0.0);
  for (int pass = 0; pass < 2; ++pass) {
    for (int y = 0; y < h; ++y) {
      const float* row = &a[std::size_t(y) * w];
      double sum = 0;
      for (int k = -r; k <= r; ++k) sum += row[std::clamp(k, 0, w - 1)];
      for (int x = 0; x < w; ++x) {
        t[std::size_t(y) * w + x] = float(sum * share);
        sum += row[std::min(x + r + 1, w - 1)] - row[std::max(x - r, 0)];
      }
    }
    auto rowOf = [&](int y) { return &t[std::size_t(std::clamp(y, 0, h - 1)) * w]; };
    std::fill(columns.begin(), columns.end(), 0.0);
    for (int k = -r; k <= r; ++k)
      for (int x = 0; x < w; ++x) columns[std::size_t(x)] += rowOf(k)[x];
    for (int y = 0; y < h; ++y) {
      const float *in = rowOf(y + r + 1), *out = rowOf(y - r);
      for (int x = 0; x < w; ++x) {
        a[std::size_t(y) * w + x] = float(columns[std::size_t(x)] * share);
        columns[std::size_t(x)] += in[x] - out[x];
      }
    }
  }
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  unsigned char* dst = cairo_image_surface_get_data(out);
  int ds = cairo_image_surface_get_stride(out);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) dst[y * ds + x] = static_cast<unsigned char>(std::clamp(a[std::size_t(y) * w + x], 0.f, 255.f));
  cairo_surface_mark_dirty(out);
  return out;
}

// Draws a picture so that its larger side is size, centred at (cx, cy), over a soft shadow.
void DrawSubjectPicture(cairo_t* cr, const SubjectPicture& pic, double cx, double cy, double size) {
  double k = size / std::max(pic.Width(), pic.Height());
  const int pad = 8;
  cairo_surface_t* shadow = SoftShadow(pic, pad);
  cairo_save(cr);
  cairo_translate(cr, cx, cy + size * 0.035);
  cairo_scale(cr, k, k);
  cairo_set_source_rgba(cr, 0x3b / 255.0, 0x2f / 255.0, 0x2f / 255.0, 0.22);
  cairo_mask_surface(cr, shadow, -pic.Width() / 2.0 - pad, -pic.Height() / 2.0 - pad);
  cairo_restore(cr);
  cairo_surface_destroy(shadow);

  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, k, k);
  cairo_set_source_surface(cr, pic.Surface(), -pic.Width() / 2.0, -pic.Height() / 2.0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
  cairo_paint(cr);
  cairo_restore(cr);
}

// ---- composition ----

struct Place {
  double dx, dy, size;  // centre offset and size, in units of the whole
};

// Where the pictures of one composition go, in the order they are drawn.
std::vector<Place> Places(Layout layout, std::size_t n) {
  switch (layout) {
    case Layout::One: return {{0, 0, 1}};
    case Layout::Badge: return {{-0.07, -0.07, 0.84}, {0.29, 0.29, 0.44}};
    case Layout::Stack: return {{0, -0.19, 0.6}, {0, 0.22, 0.62}};
    case Layout::Pyramid: return {{0, -0.22, 0.52}, {-0.25, 0.2, 0.52}, {0.25, 0.2, 0.52}};
    case Layout::Row:
      if (n == 2) return {{-0.26, 0, 0.54}, {0.26, 0, 0.54}};
      return {{-0.34, 0, 0.38}, {0, 0, 0.38}, {0.34, 0, 0.38}};
  }
  return {{0, 0, 1}};
}

// Where the copies of a composition go: centre and size in pixels, back to front.
std::vector<Place> Copies(int count) {
  switch (count) {
    case 2: return {{143, 178, 170}, {257, 222, 170}};
    case 3: return {{135, 160, 150}, {265, 160, 150}, {200, 245, 150}};
    default: return {{200, 200, 262}};
  }
}

// ---- backgrounds and the motif ----

// A light subject (white, pale grey) gets a deeper background and no card.
void Background(cairo_t* cr, const std::string& key, double hue, bool lightSubject) {
  const std::uint32_t h = Hash(key);
  const double S = PictureSize;
  const int style = lightSubject ? int(h % 2) : int(h % 3);
  const double top = lightSubject ? 0.84 : 0.94, bottom = lightSubject ? 0.72 : 0.84;
  const double shift = double(int((h >> 8) % 41) - 20);  // a second hue near the first
  cairo_pattern_t* p;
  if (style == 1) {
    p = cairo_pattern_create_radial(S / 2, S * 0.45, S * 0.05, S / 2, S / 2, S * 0.75);
    Stop(p, 0, Hsl(hue, 0.6, top + 0.02));
    Stop(p, 1, Hsl(hue + shift, 0.5, bottom));
  } else {
    p = cairo_pattern_create_linear(0, 0, S * 0.3, S);
    Stop(p, 0, Hsl(hue, 0.6, top));
    Stop(p, 1, Hsl(hue + shift, 0.5, bottom));
  }
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);

  if (style == 2) {  // a rounded card, lighter, with a soft edge
    const double m = 26, r = 46;
    for (int i = 3; i >= 1; --i) {
      RoundedRect(cr, m, m + 2 * i, S - 2 * m, S - 2 * m, r);
      cairo_set_source_rgba(cr, 0x3b / 255.0, 0x2f / 255.0, 0x2f / 255.0, 0.035);
      cairo_fill(cr);
    }
    RoundedRect(cr, m, m, S - 2 * m, S - 2 * m, r);
    Source(cr, Hsl(hue + shift / 2, 0.65, 0.965));
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0x3b / 255.0, 0x2f / 255.0, 0x2f / 255.0, 0.16);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  } else {  // a few faint bubbles near the corners, away from the subject
    for (int i = 0; i < 4; ++i) {
      std::uint32_t b = Hash(key + char('a' + i));
      double x = (i % 2 ? S - 32 : 32) + double(int(b % 21) - 10);
      double y = (i / 2 ? S - 32 : 32) + double(int((b >> 6) % 21) - 10);
      double r = 8 + double(b >> 12 & 15);
      cairo_arc(cr, x, y, r, 0, 2 * M_PI);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
      cairo_fill(cr);
    }
  }
}

void Outline(cairo_t* cr, double width = 2.5) {
  cairo_set_source_rgba(cr, 0x3b / 255.0, 0x2f / 255.0, 0x2f / 255.0, 0.8);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A soft geometric motif for a word no emoji shows: nested diamonds, a set
// of shapes or three overlapping circles, in the program's gentle colours.
void Motif(cairo_t* cr, const std::string& key) {
  static const unsigned palette[] = {0xff7eb6, 0xffd23f, 0xb28dff, 0xff9f43, 0x2ec4b6, 0xff5e57, 0x8fd3ff, 0x7ccd5a};
  const std::uint32_t h = Hash(key + "#motif");
  auto colour = [&](int i) { return palette[(h / 7 + unsigned(i) * 3) % 8]; };
  const double c = PictureSize / 2.0;
  switch (h % 3) {
    case 0:  // nested diamonds
      for (int i = 0; i < 3; ++i) {
        double s = 190 - 55 * i;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, M_PI / 4);
        RoundedRect(cr, -s / 2, -s / 2, s, s, s * 0.18);
        cairo_restore(cr);
        SetColor(cr, colour(i), 0.9);
        cairo_fill_preserve(cr);
        Outline(cr);
      }
      break;
    case 1: {  // a circle, a triangle and a square, like a child's set of shapes
      cairo_arc(cr, c - 52, c - 40, 62, 0, 2 * M_PI);
      SetColor(cr, colour(0), 0.9);
      cairo_fill_preserve(cr);
      Outline(cr);
      cairo_save(cr);
      cairo_translate(cr, c + 60, c - 30);
      cairo_rotate(cr, 0.2);
      cairo_move_to(cr, 0, -72);
      cairo_line_to(cr, 66, 46);
      cairo_line_to(cr, -66, 46);
      cairo_close_path(cr);
      cairo_restore(cr);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      SetColor(cr, colour(1), 0.9);
      cairo_fill_preserve(cr);
      Outline(cr);
      cairo_save(cr);
      cairo_translate(cr, c + 4, c + 62);
      cairo_rotate(cr, -0.15);
      RoundedRect(cr, -58, -58, 116, 116, 18);
      cairo_restore(cr);
      SetColor(cr, colour(2), 0.9);
      cairo_fill_preserve(cr);
      Outline(cr);
      break;
    }
    default:  // three overlapping circles
      for (int i = 0; i < 3; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / 3;
        cairo_arc(cr, c + 46 * std::cos(a), c + 46 * std::sin(a), 74, 0, 2 * M_PI);
        SetColor(cr, colour(i), 0.55);
        cairo_fill_preserve(cr);
        Outline(cr);
      }
      break;
  }
}

}  // namespace

void DrawPicture(cairo_t* cr, const Entry& e) {
  std::vector<std::unique_ptr<SubjectPicture>> pics;
  for (const Subject& p : e.pictures) {
    if (!p.drawing.empty()) {
      Drawing d = FindDrawing(p.drawing);
      if (!d) throw std::runtime_error("words: no drawing " + p.drawing + " for " + e.key);
      pics.push_back(std::make_unique<SubjectPicture>(d, e.tint));
      continue;
    }
    unsigned g = EmojiGlyph(p.emoji);
    if (g == 0) throw std::runtime_error("words: no emoji glyph for " + e.key + " (" + Utf8(p.emoji) + ")");
    pics.push_back(std::make_unique<SubjectPicture>(g, e.tint));
  }
  // The background's hue: the one given, or one well away from the picture's
  // own colour so that the subject stands out; varied from word to word.
  double hue = e.hue;
  if (hue < 0) {
    const std::uint32_t h = Hash(e.key);
    double main;
    if (!pics.empty() && pics[0]->MainHue(main)) hue = main + 150 + double(h % 61);
    else hue = double(h % 360);
  }
  Background(cr, e.key, hue, !pics.empty() && pics[0]->MeanLightness() > 0.75);
  if (pics.empty()) {
    Motif(cr, e.key);
    return;
  }
  const std::vector<Place> places = Places(e.layout, pics.size());
  for (const Place& copy : Copies(e.count))
    for (std::size_t i = 0; i < pics.size() && i < places.size(); ++i)
      DrawSubjectPicture(cr, *pics[i], copy.dx + places[i].dx * copy.size, copy.dy + places[i].dy * copy.size,
                       places[i].size * copy.size);
}

std::unique_ptr<TBitmap> RenderPicture(const Entry& e) {
  Art art(PictureSize, PictureSize);
  DrawPicture(art.cr(), e);
  return art.Over(clWhite);
}

std::vector<std::uint8_t> PictureFile(const Entry& e) {
  std::vector<std::uint8_t> bytes = EncodeJpeg(*RenderPicture(e), JpegQuality, false);
  ScrambleWithKey(ScrambleKeyOfFile(PicturePath(e.key)), bytes.data(), std::int64_t(bytes.size()));
  return bytes;
}

std::string PicturePath(const std::string& key) { return WordPicturePath(key); }

}  // namespace datagen::words
