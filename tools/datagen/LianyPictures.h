// The vines pictures in the three art sets (index 0, 1, 2 = art set 2, 4,
// 16): the sizes drawn and the drawings, one design laid out on the
// 1280 x 960 grid and scaled, with the parts the program places by exact
// pixels (picture windows, title) drawn at those pixels.
#pragma once
#include <memory>

#include "tools/datagen/Art.h"
#include "tools/datagen/GamePictures.h"

namespace datagen::vines {

using gamepictures::Size;

constexpr Size kLeaf[3] = {{115, 85}, {147, 109}, {184, 136}};          // all four leaf shapes
constexpr Size kLeafWindow[3] = {{75, 75}, {96, 96}, {120, 120}};       // word picture on a leaf
constexpr Size kCutMark[3] = {{20, 12}, {25, 16}, {32, 20}};
constexpr Size kTitleWindow[3] = {{150, 150}, {192, 192}, {240, 240}};  // title picture
constexpr Size kForegroundPatch[3] = {{612, 37}, {784, 48}, {980, 60}};
// "R8_liaT": the art-set-16 background, as tall as the game area of a 1280 x 1024 screen.
constexpr Size kVinesScene128 = {1280, 1024};

std::unique_ptr<Art> VinesBackground(int si);
std::unique_ptr<Art> Leaf(int si, bool right, bool lit);
std::unique_ptr<Art> LeafWindowMask(int si);
std::unique_ptr<Art> CutMarkMask(int si);
std::unique_ptr<Art> TitleWindowMask(int si);
std::unique_ptr<Art> ForegroundPatchMask(int si);

}  // namespace datagen::vines
