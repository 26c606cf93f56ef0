// The drawing kit of the vines, truck and flowers pictures: one palette,
// outlines, gradients, smooth curves and the scenery they share (sky,
// clouds, sun, hills, grass, daisies, trees, leaflets), drawn on the
// 1280 x 960 grid.
#pragma once
#include <memory>
#include <vector>

#include "tools/datagen/Art.h"

namespace datagen::gameart {

// ---- palette ----
constexpr unsigned kInk = 0x3b2f2f;  // outlines, at 80 %
constexpr unsigned kSkyTop = 0x8fd3ff, kSkyLow = 0xe8f7ff;
constexpr unsigned kGrass = 0x7ccd5a, kGrassDark = 0x4fa83d, kGrassFar = 0xa6e08a;
constexpr unsigned kWood = 0xc98b4f, kWoodDark = 0x9a6234;
constexpr unsigned kPink = 0xff7eb6, kYellow = 0xffd23f, kPurple = 0xb28dff, kOrange = 0xff9f43, kRed = 0xff5e57,
                   kTeal = 0x2ec4b6;
constexpr unsigned kCream = 0xfff6dc;

struct P {
  double x, y;
};

// A repeatable number in [0, 1) for scenery details.
double Noise(unsigned a, unsigned b = 0);
void Ink(cairo_t* cr, double width, double alpha = 0.8);
// Fills the current path and outlines it.
void FillInk(cairo_t* cr, unsigned fill, double width);
// Fills a path made of overlapping parts with one outline round the whole:
// the outline is stroked twice as wide first and the fill covers its inner half.
void FillUnionInk(cairo_t* cr, double width, double alpha = 0.8);
void VerticalGradient(cairo_t* cr, double y0, double y1, unsigned c0, unsigned c1);
// A smooth curve through the points (Catmull-Rom turned into Bezier pieces).
void SmoothThrough(cairo_t* cr, const std::vector<P>& p, bool moveFirst = true);
void Sky(cairo_t* cr, double w, double h);
// A soft white cloud about 2.6 s wide, centred at (cx, cy).
void Cloud(cairo_t* cr, double cx, double cy, double s);
// A warm, smiling sun.
void Sun(cairo_t* cr, double cx, double cy, double r);
// Rolling ground from the wavy line at baseY down to the bottom.
void Hill(cairo_t* cr, double w, double h, double baseY, double amp, double waves, double phase, unsigned top,
          unsigned bottom);
// A few blades of grass rising from (x, y).
void GrassTuft(cairo_t* cr, double x, double y, double h, unsigned colour, unsigned seed);
void Daisy(cairo_t* cr, double x, double y, double r, unsigned petals);
// A round tree standing on groundY.
void RoundTree(cairo_t* cr, double x, double groundY, double s, unsigned crown);
// A little leaf shape along a vine or stem: base at (x, y), pointing at angle a.
void Leaflet(cairo_t* cr, double x, double y, double a, double len, unsigned colour);
// The art picture scaled from the 1280 x 960 grid.
std::unique_ptr<Art> Canvas(int w, int h, double sx, double sy);

}  // namespace datagen::gameart
