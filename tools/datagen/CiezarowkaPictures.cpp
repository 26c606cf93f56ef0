// Generates the pictures of the truck game in the three art sets and checks them
// through the program's loaders against the places the window gives them.
#include "tools/datagen/CiezarowkaPictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace gamepictures;
using namespace truck;

std::vector<Item> Items() {
  std::vector<Item> items;
  for (int si = 0; si < 3; ++si) {
    Size art{kSets[si].width, kSets[si].height};
    auto add = [&](std::string path, Kind kind, Size size, DrawItem draw) {
      items.push_back(Item{std::move(path), kind, si, size, std::move(draw)});
    };
    // The art-set-16 scene is as tall as the game area of a 1280 x 1024 screen.
    add(Back(si, "_cieT.xji"), Kind::Background, si == 2 ? kTruckScene128 : art,
        [si] { return TruckBackground(si, si == 2); });
    add(Piece(si, "_cie_sam"), Kind::BmpPair, kPlane[si], [si] { return Plane(si); });
    add(Piece(si, "_cie_chmM.xji"), Kind::Mask, kBanner[si], [si] { return BannerMask(si); });
    add(Piece(si, "_cie_cie"), Kind::JpegPair, kTruck[si], [si] { return Truck(si); });
    add(Piece(si, "_cie_spa"), Kind::JpegPair, kParachute[si], [si] { return Parachute(si); });
    add(Piece(si, "_cie_pac"), Kind::JpegPair, kBox[si], [si] { return ParcelBox(si); });
  }
  return items;
}

// The texts the window writes onto these pictures (code page 1250).
const char* const kCaption = "Wybierz obrazki z g\xB3osk\xB9:";
const char* const kLongestNames = "\xAF/RZ,\x8F/ZI,\xC6/CI,D\x8F/DZI";  // four sounds, spaces already dropped

void CheckTruck(const Tree& tree, int si, const LoadedItems& items, Problems& p) {
  const CDisplay& d = DisplayOf(si);
  const ciezarowka::Layout t = ciezarowka::LayoutFor(d);
  const char* set = kSets[si].pieces;
  const Loaded* plane = items.Get(Piece(si, "_cie_sam"));
  const Loaded* banner = items.Get(Piece(si, "_cie_chmM.xji"));
  const Loaded* truck = items.Get(Piece(si, "_cie_cie"));
  const Loaded* chute = items.Get(Piece(si, "_cie_spa"));
  const Loaded* box = items.Get(Piece(si, "_cie_pac"));
  if (!plane || !banner || !truck || !chute || !box) return;

  // Text sizes: the font's line height when the font set is there, else the
  // design size of the font (34 px at art set 16).
  std::string fontName = si == 0 ? "CS_h21" : si == 1 ? "CS_h27" : "CS_h34";
  auto font = Font(tree, fontName);
  int line = font ? font->LineHeight() : d.Scale(16, 34);
  int namesWidth = t.namesWidth;
  if (font) {
    // The caption ends a little before the sound names begin.
    int cw = Measured(*font, kCaption).w;
    if (t.caption.x + cw + d.Scale(16, 4) > t.names.x)
      p.Addf("%s truck: the caption is %d px wide in %s and runs into the sound names (room %d)", set, cw,
             fontName.c_str(), t.names.x - t.caption.x - d.Scale(16, 4));
    namesWidth = std::max(namesWidth, Measured(*font, kLongestNames).w);
  }

  // Plane and banner: Erase covers only the banner's height.
  if (plane->Height() > banner->Height())
    p.Addf("%s truck: the plane (%d high) is taller than the banner (%d)", set, plane->Height(), banner->Height());
  // The caption and the sound names stand on the cloud.
  TRect text = Rect(t.caption.x, t.caption.y, t.names.x + namesWidth, t.caption.y + line);
  if (!Inside(text, Rect(0, 0, banner->Width() - t.bannerOverlap, banner->Height())))
    p.Addf("%s truck: the banner text %s does not fit the banner", set, checks::Describe(text).c_str());
  else if (MinAlpha(*banner, text) < 250)
    p.Addf("%s truck: the cloud is not solid under the banner text %s", set, checks::Describe(text).c_str());

  // The truck: on the road inside the art, text on a dark panel inside it.
  if (t.truckY + truck->Height() > d.ArtHeight)
    p.Addf("%s truck: the truck reaches row %d, below the art", set, t.truckY + truck->Height());
  TRect panel = Rect(t.truckText.x - namesWidth / 2, t.truckText.y - line / 2, t.truckText.x + (namesWidth + 1) / 2,
                     t.truckText.y + (line + 1) / 2);
  if (!Inside(panel, Rect(0, 0, truck->Width(), truck->Height()))) {
    p.Addf("%s truck: the truck text %s does not fit the truck", set, checks::Describe(panel).c_str());
  } else {
    double lum = MeanLuminance(*truck->pair->Colour, panel);
    if (MinAlpha(*truck, panel) < 250 || lum > 110)
      p.Addf("%s truck: the panel under the truck text is not dark and solid (luminance %.0f)", set, lum);
  }
  if (!Rect(0, 0, truck->Width(), truck->Height()).Contains(t.loadPoint.x, t.loadPoint.y) ||
      truck->Alpha(t.loadPoint.x, t.loadPoint.y) < 250)
    p.Addf("%s truck: the load point (%d,%d) is not on the truck", set, t.loadPoint.x, t.loadPoint.y);
  // The parked truck is painted over the buttons in the clean scene.
  TRect parked = Bounds(t.truckStopX, t.truckY, truck->Width(), truck->Height());
  for (TPoint b : {t.stop, t.help})
    if (checks::Overlap(parked, ButtonRoom(b))) p.Addf("%s truck: the parked truck covers a button", set);

  // Parcels: the parachute spans no more than the box; the face is a window
  // in an opaque frame.
  if (chute->Width() > box->Width())
    p.Addf("%s truck: the parachute (%d wide) is wider than the box (%d)", set, chute->Width(), box->Width());
  if (box->Width() + 2 * d.Scale(16, 30) >= (t.dropRight - t.dropLeft) / 2)
    p.Addf("%s truck: a swinging parcel is too wide for the drop area", set);
  const TRect& f = t.face;
  if (!Inside(Rect(f.left - 2, f.top - 2, f.right + 2, f.bottom + 2), Rect(0, 0, box->Width(), box->Height()))) {
    p.Addf("%s truck: the face %s does not lie inside the box", set, checks::Describe(f).c_str());
  } else {
    // The window's rounded corners belong to the frame; its edge may blur.
    int corner = d.ScaleRounded(16, 14);
    int seen = 0;
    for (int y = f.top + 2; y < f.bottom - 2; ++y)
      for (int x = f.left + 2; x < f.right - 2; ++x) {
        bool inCorner =
            (x < f.left + corner || x >= f.right - corner) && (y < f.top + corner || y >= f.bottom - corner);
        if (!inCorner && box->Alpha(x, y) > 5) ++seen;
      }
    if (seen) p.Addf("%s truck: the box covers %d pixels inside its face", set, seen);
    int ring = 255;
    for (int y = f.top - 2; y < f.bottom + 2; ++y)
      for (int x = f.left - 2; x < f.right + 2; ++x)
        if (!f.Contains(x, y)) ring = std::min(ring, box->Alpha(x, y));
    if (ring < 250) p.Addf("%s truck: the frame round the face is not opaque (alpha %d)", set, ring);
  }
}

// The places are held to the values the window is known to give in each
// art set, so that a slip in the scaling cannot make the rest of the check
// hold the pictures to the wrong places.
void CheckPlaces(Problems& p) {
  struct Known {
    int truckY, stopX;
    TPoint text, load, names;
    TRect face;
  };
  static const Known known[3] = {
      {432, 18, {190, 56}, {151, 33}, {214, 21}, {15, 5, 95, 89}},
      {553, 24, {243, 72}, {193, 43}, {274, 27}, {19, 6, 122, 114}},
      {692, 30, {304, 90}, {242, 54}, {343, 34}, {24, 8, 152, 142}},
  };
  for (int si = 0; si < 3; ++si) {
    const ciezarowka::Layout t = ciezarowka::LayoutFor(DisplayOf(si));
    const Known& k = known[si];
    bool same = t.truckY == k.truckY && t.truckStopX == k.stopX && t.truckText == k.text && t.loadPoint == k.load &&
                t.names == k.names && t.face == k.face;
    if (!same) p.Addf("art set %d: the places computed for the truck differ from the window's own", kSets[si].set);
  }
}

void Check(const Tree& tree, const LoadedItems& loaded, Problems& p) {
  CheckPlaces(p);
  for (int si = 0; si < 3; ++si) CheckTruck(tree, si, loaded, p);
}

}  // namespace

Module CiezarowkaPicturesModule() { return ItemsModule("ciezarowka", Items, Check); }

}  // namespace datagen
