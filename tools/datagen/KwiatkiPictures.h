// The flowers pictures in the three art sets (index 0, 1, 2 = art set 2, 4,
// 16): the sizes drawn and the drawings, one design laid out on the
// 1280 x 960 grid and scaled, with the flowers and home slots drawn at the
// pixels the program places them at.
#pragma once
#include <memory>

#include "tools/datagen/Art.h"
#include "tools/datagen/GamePictures.h"

namespace datagen::flowers {

using gamepictures::Size;

// Square flower shapes, flower k = file k + 1.
constexpr int kFlowerSide[3][8] = {
    {100, 109, 106, 106, 110, 115, 118, 119},
    {128, 139, 136, 136, 141, 147, 150, 152},
    {160, 174, 170, 170, 176, 184, 188, 190},
};
constexpr Size kMarkerPlate[3] = {{60, 35}, {76, 44}, {96, 56}};
constexpr Size kSmile[3] = {{30, 30}, {38, 38}, {48, 48}};
// "R8_kwiT": as tall as the game area of a 1280 x 1024 screen, whose stop
// button stands 30 px lower, below the 960 rows of the art.
constexpr Size kFlowersScene128 = {1280, 1024};

std::unique_ptr<Art> FlowersBackground(int si);
std::unique_ptr<Art> FlowerMask(int si, int k);
std::unique_ptr<Art> MarkerPlate(int si);
std::unique_ptr<Art> Smile(int si);

}  // namespace datagen::flowers
