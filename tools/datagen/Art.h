// Drawing for the data generator: a cairo picture with transparency, and
// the ways the program's picture files are made from it.
#pragma once
#include <cairo.h>

#include <memory>
#include <string>

#include "platform/Graphics.h"

namespace datagen {

// A picture with straight alpha, drawn with cairo.
class Art {
 public:
  Art(int width, int height);
  ~Art();
  Art(const Art&) = delete;
  Art& operator=(const Art&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return w_; }
  int Height() const { return h_; }

  // The picture over a solid colour (24-bit).
  std::unique_ptr<TBitmap> Over(TColor background) const;
  // The two renders of a transparent picture: on black and on white. Fully
  // opaque pixels are identical in both; alpha is what differs.
  std::unique_ptr<TBitmap> OnBlack() const { return Over(clBlack); }
  std::unique_ptr<TBitmap> OnWhite() const { return Over(clWhite); }
  // The alpha as a grey picture, white where opaque (24-bit).
  std::unique_ptr<TBitmap> AlphaMask() const;
  // Alpha 0 or 255 only: opaque from the given alpha on.
  void Binarize(int threshold = 128);

 private:
  int w_, h_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Fonts for drawing text and emoji with cairo; each thread gets its own faces.
enum class Face { Sans, SansBold, Condensed, CondensedBold, Serif, SerifBold, Emoji };
cairo_font_face_t* FontFace(Face f);
// The file behind a face (for FreeType users).
std::string FontFile(Face f);

// Text centred at (cx, cy), in the current source colour, at the given size.
void CentredText(cairo_t* cr, Face face, double size, const std::string& utf8, double cx, double cy);
// The width and height of text's ink at a size.
void TextSize(cairo_t* cr, Face face, double size, const std::string& utf8, double& w, double& h);
// One emoji (UTF-8 sequence) scaled so its box fits size x size, centred at (cx, cy).
void DrawEmoji(cairo_t* cr, const std::string& utf8, double cx, double cy, double size);

// Shapes and colours.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void SetColor(cairo_t* cr, unsigned rgb, double alpha = 1.0);  // 0xRRGGBB

}  // namespace datagen
