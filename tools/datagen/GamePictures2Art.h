// The drawings of the vines, truck and flowers games. Each function draws one
// picture for one art set (index 0, 1, 2 = art set 2, 4, 16): the same design,
// laid out on the 1280 x 960 grid and scaled, with the parts the program
// places by exact pixels (picture windows, the parcel's face, title, flowers,
// home slots) drawn at those pixels.
#pragma once
#include <memory>

#include "tools/datagen/Art.h"

namespace datagen::games2 {

// Vines.
std::unique_ptr<Art> VinesBackground(int si);
std::unique_ptr<Art> Leaf(int si, bool right, bool lit);
std::unique_ptr<Art> LeafWindowMask(int si);
std::unique_ptr<Art> CutMarkMask(int si);
std::unique_ptr<Art> TitleWindowMask(int si);
std::unique_ptr<Art> ForegroundPatchMask(int si);

// Truck. The background is 1280 x 1024 when tall is set (art set 16 only).
std::unique_ptr<Art> TruckBackground(int si, bool tall);
std::unique_ptr<Art> Plane(int si);
std::unique_ptr<Art> BannerMask(int si);
std::unique_ptr<Art> Truck(int si);
std::unique_ptr<Art> Parachute(int si);
std::unique_ptr<Art> ParcelBox(int si);

// Flowers.
std::unique_ptr<Art> FlowersBackground(int si);
std::unique_ptr<Art> FlowerMask(int si, int k);
std::unique_ptr<Art> MarkerPlate(int si);
std::unique_ptr<Art> Smile(int si);

}  // namespace datagen::games2
