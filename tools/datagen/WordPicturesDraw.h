// The little kit the word drawings are made with: shapes in a 100 x 100 box,
// filled with flat colours under a gentle light from the upper left and
// edged with the program's soft dark outline.
#pragma once
#include <cairo.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tools/datagen/WordPictures.h"

namespace datagen::words::draw {

constexpr unsigned Ink = 0x3b2f2f;  // the outline colour
constexpr double Line = 1.0;        // the usual outline width, in box units

// Colours the drawings share.
constexpr unsigned Wood = 0xc98b4f, DarkWood = 0x9a6434, LightWood = 0xe2b37a;
constexpr unsigned Grass = 0x7ccd5a, DarkGrass = 0x4fa83d, Leaf = 0x5cb85c;
constexpr unsigned Pink = 0xff7eb6, Yellow = 0xffd23f, Purple = 0xb28dff, Orange = 0xff9f43, Red = 0xff5e57,
                   Teal = 0x2ec4b6, Sky = 0x8fd3ff, Blue = 0x5b9bf0;
constexpr unsigned White = 0xf7f4ef, Steel = 0xb8c4cc, DarkSteel = 0x7d8b95, Cream = 0xfff1d0;
constexpr unsigned Skin = 0xffcc9e, Hair = 0x8a5a36;

// rgb moved towards white (t > 0) or black (t < 0) by |t|.
unsigned Shade(unsigned rgb, double t);
unsigned Mix(unsigned a, unsigned b, double t);

// Paths (added to the current path).
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void Circle(cairo_t* cr, double cx, double cy, double r);
void Box(cairo_t* cr, double x, double y, double w, double h, double r = 0);
void Poly(cairo_t* cr, std::initializer_list<double> xy);  // closed
void Open(cairo_t* cr, std::initializer_list<double> xy);  // not closed
// A star of the given points, tip up, between the outer and inner radius.
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points = 5);
// A wall of red bricks filling the box: courses of the given height, each
// brick brick units long, every other course shifted by half a brick.
void BrickWall(cairo_t* cr, double x, double y, double w, double h, double course, double brick, double r = 1);
// A heart, its point down, about size wide, centred on (cx, cy).
void Heart(cairo_t* cr, double cx, double cy, double size);
// A closed smooth shape through the points (a Catmull-Rom loop).
void Blob(cairo_t* cr, std::initializer_list<double> xy);
void Blob(cairo_t* cr, const std::vector<double>& xy);
// An open smooth curve through the points.
void Curve(cairo_t* cr, std::initializer_list<double> xy);

// An upright cylinder (a disc when low): its side, then its top ellipse,
// centred at (cx, top), ry the ellipse's half-height.
void Cylinder(cairo_t* cr, double cx, double top, double rx, double ry, double height, unsigned topRgb, unsigned sideRgb);
// Clips to the current path (which it uses up) until Unclip, which draws the
// outline again over what was painted inside.
void ClipPath(cairo_t* cr);
// Fills the current path as Fill does, then clips to it as ClipPath does.
void FillAndClip(cairo_t* cr, unsigned rgb, double outline = Line);
void Unclip(cairo_t* cr);

// Painting the current path (each clears it).
// Shaded fill and outline.
void Fill(cairo_t* cr, unsigned rgb, double outline = Line);
// Plain fill, no outline.
void Flat(cairo_t* cr, unsigned rgb, double alpha = 1);
// Plain line.
void Stroke(cairo_t* cr, unsigned rgb, double width, double alpha = 1);
// A thick line with an outline round it (a stick, a rope, a wire).
void Rod(cairo_t* cr, unsigned rgb, double width, double outline = Line);
// The outline alone.
void Edge(cairo_t* cr, double width = Line);

// A little flower of five round petals at r from (x, y) round a centre;
// outline 0 paints them flat.
void Blossom(cairo_t* cr, double x, double y, double r, unsigned petals, unsigned centre, double outline = 0.6);

// A face's dark round eyes (radius eyeR, at cx -/+ eyeDx on the line eyeY)
// and its pink cheeks (cheekR at cx -/+ cheekDx on cheekY, as opaque as given).
void EyesAndCheeks(cairo_t* cr, double cx, double eyeY, double eyeDx, double eyeR, double cheekY, double cheekDx,
                   double cheekR, double cheekAlpha = 0.7);

// A soft white gleam (an ellipse).
void Gleam(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0, double alpha = 0.45);
// The drawing's ground: a soft shadow ellipse under a standing thing.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry = 3);

// Tufts of grass standing on the line y, from x to x.
void GrassTufts(cairo_t* cr, double y, double from, double to);

// A fat red arrow whose tip is at (x, y), coming from the given angle
// (radians; 0 from the right).
void Pointer(cairo_t* cr, double x, double y, double from, double length = 22);
// A soft yellow glow round a part that a picture is about.
void Glow(cairo_t* cr, double cx, double cy, double rx, double ry);

// A round brass knob.
void Knob(cairo_t* cr, double x, double y, double r = 2.2);
// A spoked wheel centred at (x, y).
void Wheel(cairo_t* cr, double x, double y, double r, unsigned rim, unsigned hub, int spokes = 8);
// A leaf: a pointed oval from (x, y) along the angle, with its middle vein.
void LeafAt(cairo_t* cr, double x, double y, double angle, double length, double width, unsigned rgb = Leaf,
            unsigned vein = 0);
// A lobed leaf (oak, currant) round (x, y).
void LobedLeaf(cairo_t* cr, double x, double y, double angle, double size, int lobes, unsigned rgb = Leaf);

// Saves the state and moves/rotates/scales the box (undone by Pop).
void Push(cairo_t* cr, double dx, double dy, double angle = 0, double scale = 1);
void Pop(cairo_t* cr);

// The drawings of each group, by name.
using Named = std::vector<std::pair<std::string, Drawing>>;
Named FurnitureDrawings();
Named HouseDrawings();
Named OutdoorsDrawings();
Named KitchenDrawings();
Named WashingDrawings();
Named ToolsDrawings();
Named ToysDrawings();
Named SchoolDrawings();
Named FoodDrawings();
Named PlantsDrawings();
Named ClothesDrawings();
Named BodyDrawings();
Named CreatureDrawings();
Named SceneDrawings();

}  // namespace datagen::words::draw
