// Sizes and places of the vines, truck and flowers pictures in the three art
// sets: the sizes the generator draws, and the places the game windows put
// them (computed by the display's scaling rules), which the check holds the
// sizes against.
#pragma once
#include <string>
#include <vector>

#include "platform/Types.h"

namespace datagen::games2 {

struct Size {
  int w, h;
};

// Index 0, 1, 2 = art set 2 (800 x 600), 4 (1024 x 768), 16 (1280 x 960).
struct ArtSetInfo {
  int set;
  const char* pieces;       // prefix of game pieces, sprites and masks
  const char* backgrounds;  // prefix of game backgrounds
  int width, height;        // art size
  double k;                 // art size / 1280 x 960
};
extern const ArtSetInfo kSets[3];

// The display's view of one art set: its art size and the conversion of
// design values from another art set, truncating (Scale) or rounding
// (ScaleRounded), by the same table as the program's display.
struct ArtScale {
  int ArtSet = 16;
  int ArtWidth = 1280, ArtHeight = 960;
  int Scale(int from, int v) const;
  int ScaleRounded(int from, int v) const;
};
ArtScale DisplayFor(int set);

// ---- sizes drawn (art set 2, 4, 16) ----

// Vines.
constexpr Size kLeaf[3] = {{115, 85}, {147, 109}, {184, 136}};          // all four leaf shapes
constexpr Size kLeafWindow[3] = {{75, 75}, {96, 96}, {120, 120}};       // word picture on a leaf
constexpr Size kCutMark[3] = {{20, 12}, {25, 16}, {32, 20}};
constexpr Size kTitleWindow[3] = {{150, 150}, {192, 192}, {240, 240}};  // title picture
constexpr Size kForegroundPatch[3] = {{612, 37}, {784, 48}, {980, 60}};

// Truck.
constexpr Size kPlane[3] = {{125, 69}, {160, 88}, {200, 110}};
constexpr Size kBanner[3] = {{438, 81}, {560, 104}, {700, 130}};
constexpr Size kTruck[3] = {{388, 163}, {496, 208}, {620, 260}};
constexpr Size kParachute[3] = {{105, 68}, {134, 86}, {168, 108}};
constexpr Size kBox[3] = {{110, 100}, {141, 128}, {176, 160}};
constexpr Size kTruckScene128 = {1280, 1024};  // "R8_cieT": the scene of a 1280 x 1024 screen

// Flowers: square flower shapes, flower k = file k + 1.
constexpr int kFlowerSide[3][8] = {
    {100, 109, 106, 106, 110, 115, 118, 119},
    {128, 139, 136, 136, 141, 147, 150, 152},
    {160, 174, 170, 170, 176, 184, 188, 190},
};
constexpr Size kMarkerPlate[3] = {{60, 35}, {76, 44}, {96, 56}};
constexpr Size kSmile[3] = {{30, 30}, {38, 38}, {48, 48}};

// Picture buttons are placed by the program; this is the room they take.
constexpr Size kButton = {54, 66};

// ---- places (game-area pixels, as the windows compute them) ----

struct VinesPlaces {
  TPoint anchors[10];  // top-left of leaf i; 0-5 left shape, 6-9 right shape
  TPoint windowLeft, windowRight;  // picture window inside a left / right leaf
  TPoint title;        // top-left of the title window
  TPoint foreground;   // top-left of the foreground patch
  TPoint collect;      // reference point of the row of collected leaves
  TPoint cutMark;      // cut mark relative to its leaf
  std::vector<TRect> buttons;
};
VinesPlaces VinesPlacesFor(const ArtScale& d);

struct TruckPlaces {
  int truckY, truckStopX;
  TPoint truckText;     // centre of the text, relative to the truck
  TPoint loadPoint;     // relative to the truck
  int planeY;
  int bannerOverlap;    // the banner's right edge lies this far right of the plane's left edge
  TPoint caption;       // "Wybierz obrazki z głoską:" in the banner
  TPoint names;         // the sound names in the banner
  int namesWidth;       // width of the names before the program drops the spaces
  TRect face;           // the parcel box's picture window
  int dropLeft, dropRight;
  std::vector<TRect> buttons;
};
TruckPlaces TruckPlacesFor(const ArtScale& d);

struct FlowersPlaces {
  TPoint flowers[8];     // top-left of flower k
  TPoint slots[8];       // centre of home slot k
  TPoint landing[3][8];  // centre of a marker landed on flower k, per layout
  std::vector<TRect> buttons;  // of both screen classes in art set 16
};
FlowersPlaces FlowersPlacesFor(const ArtScale& d, bool class128 = false);

}  // namespace datagen::games2
