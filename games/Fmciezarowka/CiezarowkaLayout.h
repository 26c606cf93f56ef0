// Where the truck window puts its pieces, in game-area pixels (the window
// adds the game area's origin). The window, the data generator and the
// tests all take the places from here.
#pragma once
#include "platform/Types.h"
#include "toolkit/Cdisplay.h"

namespace ciezarowka {

struct Layout {
  int truckY = 0, truckStopX = 0;
  TPoint truckText;     // centre of the text, relative to the truck
  TPoint loadPoint;     // relative to the truck
  int planeY = 0;
  int bannerOverlap = 0;  // the banner's right edge lies this far right of the plane's left edge
  TPoint caption;       // "Wybierz obrazki z głoską:" in the banner
  TPoint names;         // the sound names in the banner
  int namesWidth = 0;   // width of the names before the program drops the spaces
  TRect face;           // the parcel box's picture window
  int dropLeft = 0, dropRight = 0;
  TPoint stop, help;    // button top-lefts
};

inline Layout LayoutFor(const CDisplay& d) {
  Layout l;
  l.truckY = d.Scale(16, 692);
  l.truckStopX = d.Scale(16, 30);
  l.truckText = {d.Scale(16, 304), d.Scale(16, 90)};
  l.loadPoint = {d.Scale(16, 242), d.Scale(16, 54)};
  l.planeY = d.Scale(16, 10);
  l.bannerOverlap = d.Scale(16, 12);
  l.caption = {d.Scale(16, 30), d.Scale(16, 34)};
  l.names = {d.Scale(16, 343), d.Scale(16, 34)};
  l.namesWidth = d.Scale(16, 240);
  l.face = Rect(d.ScaleRounded(16, 24), d.ScaleRounded(16, 8), d.ScaleRounded(16, 152), d.ScaleRounded(16, 142));
  l.dropLeft = d.Scale(16, 320);
  l.dropRight = d.ArtWidth - 4;
  const bool small = d.ArtSet == 2;
  l.stop = {18, small ? 364 : d.Scale(2, 378)};
  l.help = {15, small ? 288 : d.Scale(2, 310)};
  return l;
}

}  // namespace ciezarowka
