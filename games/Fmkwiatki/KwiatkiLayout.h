// Where the flowers window puts its pieces, in game-area pixels (the window
// adds the game area's origin). The window, the data generator and the
// tests all take the places from here.
#pragma once
#include <algorithm>
#include <array>

#include "platform/Types.h"
#include "toolkit/Cdisplay.h"

namespace kwiatki {

struct Layout {
  std::array<TPoint, 8> flowers;                // top-left of flower k
  std::array<TPoint, 8> slots;                  // centre of home slot k
  std::array<std::array<TPoint, 8>, 3> landing;  // centre of a marker landed on flower k, per layout
  TPoint next, previous, help, stop;            // button top-lefts, the column at the right edge
};

// plateWidth, plateHeight: the marker plate's size, which a landed plate
// keeps clear of the buttons with.
inline Layout LayoutFor(const CDisplay& d, int plateWidth, int plateHeight) {
  constexpr int kFlowers[8][2] = {{96, 104}, {367, 88}, {208, 291}, {404, 401},
                                  {756, 444}, {964, 368}, {784, 178}, {987, 36}};
  constexpr int kSlots[8][2] = {{300, 728}, {398, 682}, {479, 748}, {575, 684},
                                {656, 807}, {713, 683}, {871, 741}, {973, 658}};
  constexpr int kLanding[3][8][2] = {
      {{126, 123}, {526, 140}, {244, 445}, {543, 414}, {767, 567}, {1135, 486}, {821, 192}, {1109, 204}},
      {{238, 120}, {488, 227}, {211, 349}, {539, 555}, {839, 451}, {1029, 528}, {963, 297}, {1167, 98}},
      {{115, 233}, {399, 103}, {345, 306}, {418, 530}, {866, 603}, {1085, 376}, {803, 315}, {1019, 55}},
  };
  auto scaled = [&d](const int (&q)[2]) { return TPoint{d.Scale(16, q[0]), d.Scale(16, q[1])}; };
  Layout l;
  for (std::size_t k = 0; k < 8; ++k) {
    l.flowers[k] = scaled(kFlowers[k]);
    l.slots[k] = scaled(kSlots[k]);
    for (std::size_t n = 0; n < 3; ++n) l.landing[n][k] = scaled(kLanding[n][k]);
  }
  const int w = d.ArtWidth, h = d.ArtHeight, s = d.ScaleRounded(2, 7);
  int stop, help, prev, next;
  if (d.ArtSet == 2) {
    next = 300, prev = 370, help = 460, stop = 530;
  } else {
    const bool four = d.ArtSet == 4;
    stop = h - 70 + (d.ScreenClass == 128 ? 30 : 0);
    help = stop - (four ? 76 : 90);
    prev = help - (four ? 112 : 140);
    next = prev - (four ? 86 : 102);
  }
  l.next = {w - 70 - s, next};
  l.previous = {w - 70 - s, prev};
  l.help = {w - 70 - s, help};
  l.stop = {w - 68 - s, stop};
  // A landed plate level with the buttons stays left of their column (the
  // sixth flower's in layout 0 would cover the left edge of "next" at
  // 800 x 600): its landing point moves left just far enough.
  const int column = std::min({l.next.x, l.previous.x, l.help.x, l.stop.x});
  for (auto& places : l.landing)
    for (TPoint& p : places)
      if (p.y - plateHeight / 2 + plateHeight > l.next.y) p.x = std::min(p.x, column - plateWidth + plateWidth / 2);
  return l;
}

}  // namespace kwiatki
