// The truck pictures in the three art sets (index 0, 1, 2 = art set 2, 4,
// 16): the sizes drawn and the drawings, one design laid out on the
// 1280 x 960 grid and scaled, with the parcel's face drawn at the pixels the
// program places the word picture at.
#pragma once
#include <memory>

#include "tools/datagen/Art.h"
#include "tools/datagen/GamePictures.h"

namespace datagen::truck {

using gamepictures::Size;

constexpr Size kPlane[3] = {{125, 69}, {160, 88}, {200, 110}};
constexpr Size kBanner[3] = {{438, 81}, {560, 104}, {700, 130}};
constexpr Size kTruck[3] = {{388, 163}, {496, 208}, {620, 260}};
constexpr Size kParachute[3] = {{105, 68}, {134, 86}, {168, 108}};
constexpr Size kBox[3] = {{110, 100}, {141, 128}, {176, 160}};
constexpr Size kTruckScene128 = {1280, 1024};  // "R8_cieT": the scene of a 1280 x 1024 screen

// The background is 1280 x 1024 when tall is set (art set 16 only).
std::unique_ptr<Art> TruckBackground(int si, bool tall);
std::unique_ptr<Art> Plane(int si);
std::unique_ptr<Art> BannerMask(int si);
std::unique_ptr<Art> Truck(int si);
std::unique_ptr<Art> Parachute(int si);
std::unique_ptr<Art> ParcelBox(int si);

}  // namespace datagen::truck
