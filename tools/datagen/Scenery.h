// The program's common scenery, drawn with cairo: sky, sun, clouds, grass
// hills, flowers, trees, wooden frames and light plates, in one palette.
//
// Scenes are designed once at 1280 pixels wide (art set 16) and drawn into
// every art set through a scale: Stage sets it up, so the same design comes
// out at 800x600, 1024x768 and 1280x960 (or 1280x1024). Functions take
// coordinates in the units of the current cairo transformation; with a
// Stage they are design pixels.
#pragma once
#include <cairo.h>

#include <cstdint>

namespace datagen::scenery {

// ---- palette (0xRRGGBB) ----
constexpr unsigned kSkyTop = 0x8fd3ff;
constexpr unsigned kSkyBottom = 0xe8f7ff;
constexpr unsigned kGrassLight = 0x7ccd5a;
constexpr unsigned kGrassDark = 0x4fa83d;
constexpr unsigned kWood = 0xc98b4f;
constexpr unsigned kWoodDark = 0x9c6535;
constexpr unsigned kOutline = 0x3b2f2f;
constexpr double kOutlineAlpha = 0.8;
constexpr unsigned kText = 0x2d2a32;
constexpr unsigned kCream = 0xfff8ec;
constexpr unsigned kPink = 0xff7eb6;
constexpr unsigned kYellow = 0xffd23f;
constexpr unsigned kPurple = 0xb28dff;
constexpr unsigned kOrange = 0xff9f43;
constexpr unsigned kRed = 0xff5e57;
constexpr unsigned kTeal = 0x2ec4b6;
// Petal colours, in the order decorations cycle through them.
constexpr unsigned kPetals[5] = {kPink, kYellow, kPurple, kOrange, kRed};

// The design width every scene is drawn at before scaling.
constexpr double kDesignWidth = 1280;
// The usual outline width in design pixels (about 2 px at 800x600).
constexpr double kLine = 3;

// A small deterministic generator for placing decorations, so that every
// run and every art set draws the same scene.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
  double Next();  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_;
};

// Scales cairo so that design pixels (kDesignWidth wide) fill a picture of
// the given pixel width; restores the transformation when it ends.
class Stage {
 public:
  Stage(cairo_t* cr, int pixelWidth);
  ~Stage();
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;
  // Design pixels per picture pixel and back.
  double Scale() const { return k_; }
  double ToDesign(double pixels) const { return pixels / k_; }

 private:
  cairo_t* cr_;
  double k_;
};

// ---- building blocks ----

// Strokes the current path in the outline colour (keeps the path).
void StrokeOutline(cairo_t* cr, double width = kLine, double alpha = kOutlineAlpha);
// Fills the current path with a colour, then outlines it; the path is consumed.
void FillOutlined(cairo_t* cr, unsigned rgb, double width = kLine, double fillAlpha = 1.0);
// A soft shadow under a rounded rectangle: a few widening translucent layers.
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double spread, double alpha = 0.18);

// ---- scenery ----

// The sky: a vertical gradient over (0, 0, w, h), light at the horizon.
void Sky(cairo_t* cr, double w, double h, double horizon);
// A warm sun with rays; with a face it smiles (the wait picture).
void Sun(cairo_t* cr, double cx, double cy, double r, bool face = false);
// The sun's two layers, for a sun in front of something its glow stays behind:
// the soft glow (to 2.1 r) and the disc with its rays (to 1.62 r).
void SunGlow(cairo_t* cr, double cx, double cy, double r);
void SunDisc(cairo_t* cr, double cx, double cy, double r, bool face = false);
// A soft white cloud about `width` wide, centred at (cx, cy).
void Cloud(cairo_t* cr, double cx, double cy, double width);
// Two rows of rolling grass hills from about `top` down to `bottom`, over
// the width w; the dice vary their waves.
void Hills(cairo_t* cr, double w, double top, double bottom, Dice& dice);
// A meadow flower on a short stem; the head has radius r.
void Flower(cairo_t* cr, double cx, double cy, double r, unsigned petals);
// A tuft of grass blades standing on (cx, groundY).
void GrassTuft(cairo_t* cr, double cx, double groundY, double size);
// A round leafy tree standing on (x, groundY), about `height` tall.
void AppleTree(cairo_t* cr, double x, double groundY, double height);
// Scatters n flowers and tufts over the rectangle (x, y, w, h).
void FlowerBed(cairo_t* cr, double x, double y, double w, double h, int n, Dice& dice, double size = 14);

// ---- frames and plates ----

// A wooden frame of the given thickness around the inner rectangle
// (x, y, w, h), whose inside is filled with the mat colour; the inner corners
// are rounded with radius / 2.
void WoodenFrame(cairo_t* cr, double x, double y, double w, double h, double thickness, double radius,
                 unsigned mat = 0xfffdf6);
// A wooden plank (a shelf or a table edge) with rounded ends.
void Plank(cairo_t* cr, double x, double y, double w, double h);
// A light rounded plate with a soft shadow and an outline.
void Plate(cairo_t* cr, double x, double y, double w, double h, double r, unsigned fill = kCream, double alpha = 1.0,
           double lineAlpha = 0.55);
// A rounded square plate under a small icon, such as a toggle's.
void IconPlate(cairo_t* cr, double x, double y, double size, unsigned fill);

}  // namespace datagen::scenery
