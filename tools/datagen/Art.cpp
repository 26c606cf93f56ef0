#include "tools/datagen/Art.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <map>
#include <stdexcept>

namespace datagen {

Art::Art(int width, int height) : w_(width), h_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo: cannot make a picture");
}

Art::~Art() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::unique_ptr<TBitmap> Art::Over(TColor background) const {
  cairo_surface_flush(surface_);
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w_, h_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  const int bg[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
  for (int y = 0; y < h_; ++y) {
    const std::uint32_t* src = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    std::uint8_t* dst = b->ScanLine(y);
    for (int x = 0; x < w_; ++x) {
      // cairo keeps colour premultiplied by alpha: result = c + bg * (1 - a).
      std::uint32_t p = src[x];
      int a = int(p >> 24);
      int c[3] = {int(p & 255), int((p >> 8) & 255), int((p >> 16) & 255)};
      for (int k = 0; k < 3; ++k) dst[3 * x + k] = std::uint8_t(std::min(255, c[k] + (bg[k] * (255 - a) + 127) / 255));
    }
  }
  return b;
}

std::unique_ptr<TBitmap> Art::AlphaMask() const {
  cairo_surface_flush(surface_);
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w_, h_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < h_; ++y) {
    const std::uint32_t* src = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    std::uint8_t* dst = b->ScanLine(y);
    for (int x = 0; x < w_; ++x) dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = std::uint8_t(src[x] >> 24);
  }
  return b;
}

void Art::Binarize(int threshold) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < h_; ++y) {
    std::uint32_t* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < w_; ++x) {
      std::uint32_t p = row[x];
      int a = int(p >> 24);
      if (a >= threshold) {
        // Un-premultiply to full opacity.
        int r = a ? std::min(255, int((p >> 16) & 255) * 255 / a) : 0;
        int g = a ? std::min(255, int((p >> 8) & 255) * 255 / a) : 0;
        int bl = a ? std::min(255, int(p & 255) * 255 / a) : 0;
        row[x] = 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(bl);
      } else {
        row[x] = 0;
      }
    }
  }
  cairo_surface_mark_dirty(surface_);
}

std::string FontFile(Face f) {
  const std::string dejavu = "/usr/share/fonts/truetype/dejavu/";
  switch (f) {
    case Face::Sans: return dejavu + "DejaVuSans.ttf";
    case Face::SansBold: return dejavu + "DejaVuSans-Bold.ttf";
    case Face::Condensed: return dejavu + "DejaVuSansCondensed.ttf";
    case Face::CondensedBold: return dejavu + "DejaVuSansCondensed-Bold.ttf";
    case Face::Serif: return dejavu + "DejaVuSerif.ttf";
    case Face::SerifBold: return dejavu + "DejaVuSerif-Bold.ttf";
    case Face::Emoji: return "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
  }
  return {};
}

namespace {
struct ThreadFaces {
  FT_Library lib = nullptr;
  std::map<Face, cairo_font_face_t*> faces;
  ~ThreadFaces() {
    for (auto& [k, f] : faces) cairo_font_face_destroy(f);
    // The FreeType faces belong to cairo's font faces; the library stays for them.
  }
};
thread_local ThreadFaces t_faces;
}  // namespace

cairo_font_face_t* FontFace(Face f) {
  auto it = t_faces.faces.find(f);
  if (it != t_faces.faces.end()) return it->second;
  if (!t_faces.lib && FT_Init_FreeType(&t_faces.lib) != 0) throw std::runtime_error("FreeType does not start");
  FT_Face face;
  std::string file = FontFile(f);
  if (FT_New_Face(t_faces.lib, file.c_str(), 0, &face) != 0) throw std::runtime_error("missing font " + file);
  cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, f == Face::Emoji ? FT_LOAD_COLOR : 0);
  static const cairo_user_data_key_t key{};
  cairo_font_face_set_user_data(cf, &key, face, [](void* p) { FT_Done_Face(static_cast<FT_Face>(p)); });
  t_faces.faces[f] = cf;
  return cf;
}

void TextSize(cairo_t* cr, Face face, double size, const std::string& utf8, double& w, double& h) {
  cairo_save(cr);
  cairo_set_font_face(cr, FontFace(face));
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  cairo_restore(cr);
  w = e.width;
  h = e.height;
}

void CentredText(cairo_t* cr, Face face, double size, const std::string& utf8, double cx, double cy) {
  cairo_save(cr);
  cairo_set_font_face(cr, FontFace(face));
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  cairo_show_text(cr, utf8.c_str());
  cairo_restore(cr);
}

void DrawEmoji(cairo_t* cr, const std::string& sequence, double cx, double cy, double size) {
  // The font has no glyph for the emoji presentation selector (U+FE0F), and
  // with it the whole sequence may draw nothing: leave it out.
  std::string utf8;
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    if (sequence.compare(i, 3, "\xEF\xB8\x8F") == 0) {
      i += 2;
      continue;
    }
    utf8 += sequence[i];
  }
  // The colour emoji come as one bitmap size; draw at that size and scale.
  const double native = 109;
  cairo_save(cr);
  cairo_set_font_face(cr, FontFace(Face::Emoji));
  cairo_set_font_size(cr, native);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  double side = std::max(e.width, e.height);
  if (side <= 0) {
    cairo_restore(cr);
    return;
  }
  double k = size / side;
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, k, k);
  cairo_move_to(cr, -e.width / 2 - e.x_bearing, -e.height / 2 - e.y_bearing);
  cairo_show_text(cr, utf8.c_str());
  cairo_restore(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void SetColor(cairo_t* cr, unsigned rgb, double alpha) {
  cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha);
}

}  // namespace datagen
