// Where the odd-one-out window puts its cards and buttons, in game-area
// pixels (the window adds the game area's origin). The window, the data
// generator and the tests all take the places from here.
#pragma once
#include <array>

#include "platform/Types.h"
#include "toolkit/Cdisplay.h"

namespace coniepasuje3 {

constexpr int kCards = 5;

struct Layout {
  std::array<TPoint, kCards> cards;       // top-left of each card picture
  std::array<TPoint, kCards> highlights;  // top-left of each card's highlight frame
  int highlightShift = 0;                 // the frames stand this far up and left of their cards
  TPoint help, stop, previous, say, next;  // button top-lefts
};

inline Layout LayoutFor(const CDisplay& d) {
  // Card top-lefts in art set 16.
  constexpr int kCardPlaces[kCards][2] = {{319, 340}, {482, 339}, {646, 340}, {809, 339}, {969, 340}};
  auto s = [&d](int v) { return d.Scale(16, v); };
  Layout l;
  l.highlightShift = s(11);
  for (int n = 0; n < kCards; ++n) {
    l.cards[std::size_t(n)] = {s(kCardPlaces[n][0]), s(kCardPlaces[n][1])};
    l.highlights[std::size_t(n)] = {l.cards[std::size_t(n)].x - l.highlightShift,
                                    l.cards[std::size_t(n)].y - l.highlightShift};
  }
  // "pomoc" and "stop" at the right edge, "pop", "powiedz" and "nast" in a
  // row under the cards.
  int stopTop, helpTop;
  if (d.ArtSet == 2) {
    stopTop = 530;
    helpTop = 460;
  } else if (d.ArtSet == 4) {
    stopTop = 768 - 70;
    helpTop = stopTop - 76;
  } else {
    stopTop = 960 - 75 + (d.ScreenClass == 128 ? 30 : 0);
    helpTop = stopTop - 90;
  }
  const int right = d.GameArea.width - d.ScaleRounded(2, 7);
  l.help = {right - 70, helpTop};
  l.stop = {right - 68, stopTop};
  l.previous = {s(540), s(762)};
  l.say = {s(668), s(762)};
  l.next = {s(796), s(762)};
  return l;
}

}  // namespace coniepasuje3
