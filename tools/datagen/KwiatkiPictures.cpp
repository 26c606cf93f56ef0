// Generates the pictures of the flowers game in the three art sets and checks them
// through the program's loaders against the places the window gives them.
#include "tools/datagen/KwiatkiPictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "games/Fmkwiatki/KwiatkiLayout.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace gamepictures;
using namespace flowers;

std::vector<Item> Items() {
  std::vector<Item> items;
  for (int si = 0; si < 3; ++si) {
    Size art{kSets[si].width, kSets[si].height};
    auto add = [&](std::string path, Kind kind, Size size, DrawItem draw) {
      items.push_back(Item{std::move(path), kind, si, size, std::move(draw)});
    };
    add(Back(si, "_kwiT.xji"), Kind::Background, si == 2 ? kFlowersScene128 : art,
        [si] { return FlowersBackground(si); });
    for (int k = 0; k < 8; ++k) {
      int side = kFlowerSide[si][k];
      add(Piece(si, "_kwi_mk" + std::to_string(k + 1) + ".xji"), Kind::Mask, {side, side},
          [si, k] { return FlowerMask(si, k); });
    }
    add(Piece(si, "_kwi_podg"), Kind::JpegPair, kMarkerPlate[si], [si] { return MarkerPlate(si); });
    add(Piece(si, "_kwi_usm"), Kind::BmpPair, kSmile[si], [si] { return Smile(si); });
  }
  return items;
}

// The texts the window writes onto these pictures (code page 1250).
const char* const kMarkerTexts[] = {"DZI", "D\xAF", "D\x8F", "DZ", "SZ", "CZ", "RZ", "\xAF", "\x8F", "ZI", "SI",
                                    "GI",  "KI",   "FI",   "WI", "PI", "BI", "W",  "M"};

void CheckFlowers(const Tree& tree, int si, const LoadedItems& items,
                  Problems& p) {
  const char* set = kSets[si].pieces;
  const Loaded* plate = items.Get(Piece(si, "_kwi_podg"));
  const Loaded* smile = items.Get(Piece(si, "_kwi_usm"));
  const Loaded* masks[8];
  for (int k = 0; k < 8; ++k)
    if (!(masks[k] = items.Get(Piece(si, "_kwi_mk" + std::to_string(k + 1) + ".xji")))) return;
  if (!plate || !smile) return;

  for (bool class128 : {false, true}) {
    if (class128 && kSets[si].set != 16) continue;
    const CDisplay d = class128 ? checks::DisplayFor(1280, 1024) : DisplayOf(si);
    const kwiatki::Layout f = kwiatki::LayoutFor(d, plate->Width(), plate->Height());
    TRect art = Rect(0, 0, d.ArtWidth, d.ArtHeight);
    std::vector<TRect> plates, flowers;
    for (const TPoint& s : f.slots)
      plates.push_back(Bounds(s.x - plate->Width() / 2, s.y - plate->Height() / 2, plate->Width(), plate->Height()));
    for (int k = 0; k < 8; ++k)
      flowers.push_back(Bounds(f.flowers[k].x, f.flowers[k].y, masks[k]->Width(), masks[k]->Height()));
    for (int k = 0; k < 8; ++k) {
      for (TPoint b : {f.next, f.previous, f.help, f.stop}) {
        if (checks::Overlap(flowers[size_t(k)], ButtonRoom(b)))
          p.Addf("%s flowers: flower %d covers a button%s", set, k + 1, class128 ? " (1280 x 1024)" : "");
        for (int l = 0; l < 3; ++l) {
          const TPoint c = f.landing[l][k];
          const TRect landed = Bounds(c.x - plate->Width() / 2, c.y - plate->Height() / 2, plate->Width(), plate->Height());
          if (checks::Overlap(landed, ButtonRoom(b)))
            p.Addf("%s flowers: a plate landed on flower %d in layout %d covers a button%s", set, k + 1, l,
                   class128 ? " (1280 x 1024)" : "");
        }
      }
    }
    if (class128) continue;  // the rest does not depend on the screen class
    for (int k = 0; k < 8; ++k) {
      // A flower holds the places where markers land on it, in all three layouts.
      for (int l = 0; l < 3; ++l)
        if (!flowers[size_t(k)].Contains(f.landing[l][k].x, f.landing[l][k].y))
          p.Addf("%s flowers: flower %d %s misses its landing point (%d,%d) of layout %d", set, k + 1,
                 checks::Describe(flowers[size_t(k)]).c_str(), f.landing[l][k].x, f.landing[l][k].y, l);
      if (!Inside(flowers[size_t(k)], art)) p.Addf("%s flowers: flower %d leaves the art area", set, k + 1);
      for (int j = k + 1; j < 8; ++j)
        if (checks::Overlap(flowers[size_t(k)], flowers[size_t(j)]))
          p.Addf("%s flowers: flowers %d and %d overlap", set, k + 1, j + 1);
      for (int s = 0; s < 8; ++s)
        if (checks::Overlap(flowers[size_t(k)], plates[size_t(s)]))
          p.Addf("%s flowers: flower %d covers home slot %d", set, k + 1, s);
    }
    // A hovered marker's plate is restored alone: plates of two slots must
    // not overlap. Smiles jitter by 2 pixels round each slot.
    for (int s = 0; s < 8; ++s) {
      if (!Inside(plates[size_t(s)], art)) p.Addf("%s flowers: the plate of slot %d leaves the art area", set, s);
      for (int j = s + 1; j < 8; ++j) {
        if (checks::Overlap(plates[size_t(s)], plates[size_t(j)]))
          p.Addf("%s flowers: plates of home slots %d and %d overlap", set, s, j);
        TRect a = Bounds(f.slots[s].x - smile->Width() / 2 - 2, f.slots[s].y - smile->Height() / 2 - 2,
                         smile->Width() + 4, smile->Height() + 4);
        TRect b = Bounds(f.slots[j].x - smile->Width() / 2 - 2, f.slots[j].y - smile->Height() / 2 - 2,
                         smile->Width() + 4, smile->Height() + 4);
        if (checks::Overlap(a, b)) p.Addf("%s flowers: smiles of home slots %d and %d overlap", set, s, j);
      }
    }
  }

  // The label is drawn on the plate's middle: solid there, and (with the
  // font set) the longest labels fit.
  TRect middle = Rect(plate->Width() / 6, plate->Height() / 5, plate->Width() - plate->Width() / 6,
                      plate->Height() - plate->Height() / 5);
  if (MinAlpha(*plate, middle) < 250) p.Addf("%s flowers: the marker plate is not solid in its middle", set);
  std::string fontName = std::string("Kwi_") + kSets[si].pieces;
  if (auto font = Font(tree, fontName)) {
    for (const char* t : kMarkerTexts) {
      Measure m = Measured(*font, t);
      if (m.w > plate->Width() - 4 || m.h > plate->Height())
        p.Addf("%s flowers: \"%s\" in %s is %dx%d, the plate %dx%d", set, Cp1250ToUtf8(t).c_str(), fontName.c_str(),
               m.w, m.h, plate->Width(), plate->Height());
    }
  }
}

void Check(const Tree& tree, const LoadedItems& loaded, Problems& p) {
  for (int si = 0; si < 3; ++si) CheckFlowers(tree, si, loaded, p);
}

}  // namespace

Module KwiatkiPicturesModule() { return ItemsModule("kwiatki", Items, Check); }

}  // namespace datagen
