// Where the vines window puts its pieces, in game-area pixels (the window
// adds the game area's origin). The window, the data generator and the
// tests all take the places from here.
#pragma once
#include <array>

#include "platform/Types.h"
#include "toolkit/Cdisplay.h"

namespace liany {

struct Layout {
  std::array<TPoint, 10> anchors;  // top-left of leaf i; 0-5 left shape, 6-9 right shape
  TPoint windowLeft, windowRight;  // picture window inside a left / right leaf
  TPoint title;                    // top-left of the title window
  TPoint foreground;               // top-left of the foreground patch
  TPoint collect;                  // reference point of the row of collected leaves
  TPoint cutMark;                  // cut mark relative to its leaf
  TPoint stop, help, next, previous;  // button top-lefts
};

inline Layout LayoutFor(const CDisplay& d) {
  // Leaf anchors as designed (art set 16); the right-shape leaves (6-9) are
  // moved left and every leaf is moved up.
  constexpr int kDesign[10][2] = {{330, 59},  {303, 302}, {569, 81},  {546, 372},  {759, 25},
                                  {804, 462}, {663, 218}, {906, 253}, {1117, 120}, {1141, 322}};
  Layout l;
  for (int i = 0; i < 10; ++i) {
    int x = d.ScaleRounded(16, kDesign[i][0]) - (i >= 6 ? d.ScaleRounded(16, 171) : 0);
    int y = d.ScaleRounded(16, kDesign[i][1]) - d.ScaleRounded(16, 14);
    l.anchors[std::size_t(i)] = {x, y};
  }
  l.windowLeft = {d.ScaleRounded(16, 16), d.ScaleRounded(16, 6)};
  l.windowRight = {d.ScaleRounded(16, 26), d.ScaleRounded(16, 6)};
  l.title = {d.Scale(16, 132), d.Scale(16, 473)};
  l.foreground = {d.Scale(16, 300), d.Scale(16, 900)};
  l.collect = {d.Scale(16, 785), d.Scale(16, 768)};
  l.cutMark = {d.Scale(16, -13), d.Scale(16, 117)};
  const int bx = d.Scale(2, 6), top30 = d.Scale(16, 30);
  l.stop = {bx + 2, 8};
  l.help = {bx, 82};
  l.next = {bx, top30 + 164};
  l.previous = {bx, top30 + 245};
  return l;
}

}  // namespace liany
