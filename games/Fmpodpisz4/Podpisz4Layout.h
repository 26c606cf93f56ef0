// Where the label-it window puts its pieces, in game-area pixels (the window
// adds the game area's origin): the word picture, the four buttons on the
// right, the drag board below the picture and, in board pixels, the slot
// row and the band the pool is scattered over. The window, the data
// generator and the tests all take the places from here.
#pragma once
#include <array>

#include "platform/Types.h"
#include "toolkit/Cdisplay.h"

namespace podpisz4 {

// The buttons, top to bottom.
enum Button { kStop, kHelp, kNext, kPrevious };

struct Layout {
  TPoint picture;                 // top-left of the word picture; its size is the picture mask's
  std::array<TPoint, 4> buttons;  // top-lefts, by Button
  TRect board;                    // the drag board: below the picture, the game area's full width
  int slotRowTop = 0;             // board pixels
  TRect poolBand;                 // board pixels
};

// The word picture's top-left in each art set's own pixels.
inline TPoint PictureOrigin(int artSet) {
  switch (artSet) {
    case 2: return {273, 171};
    case 4: return {350, 218};
    default: return {437, 273};
  }
}

// buttonHeights by Button: "pomoc", "nast" and "pop" each stand a gap below
// the bottom of the button above.
inline Layout LayoutFor(const CDisplay& d, const std::array<int, 4>& buttonHeights) {
  auto s = [&d](int v) { return d.Scale(4, v); };
  Layout l;
  l.picture = PictureOrigin(d.ArtSet);
  l.buttons[kStop] = {s(956), s(18)};
  constexpr int gapAbove[4] = {0, 15, 35, 15};
  for (int i = kHelp; i <= kPrevious; ++i)
    l.buttons[std::size_t(i)] = {s(952), l.buttons[std::size_t(i - 1)].y + buttonHeights[std::size_t(i - 1)] +
                                             s(gapAbove[i])};
  l.board = Rect(0, s(505), d.GameArea.width, d.GameArea.height);
  l.slotRowTop = s(40);
  const int margin = d.Scale(16, 16), bottom = l.board.Height() - s(20);
  l.poolBand = Rect(margin, bottom - s(110), l.board.Width() - margin, bottom);
  return l;
}

}  // namespace podpisz4
