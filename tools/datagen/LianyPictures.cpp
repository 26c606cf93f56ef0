// Generates the pictures of the vines game in the three art sets and checks them
// through the program's loaders against the places the window gives them.
#include "tools/datagen/LianyPictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "games/Fmliany/LianyLayout.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace gamepictures;
using namespace vines;

std::vector<Item> Items() {
  std::vector<Item> items;
  for (int si = 0; si < 3; ++si) {
    Size art{kSets[si].width, kSets[si].height};
    auto add = [&](std::string path, Kind kind, Size size, DrawItem draw) {
      items.push_back(Item{std::move(path), kind, si, size, std::move(draw)});
    };
    add(Back(si, "_liaT.xji"), Kind::Background, si == 2 ? kVinesScene128 : art, [si] { return VinesBackground(si); });
    add(Piece(si, "_lia_ll"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, false, false); });
    add(Piece(si, "_lia_lr"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, true, false); });
    add(Piece(si, "_lia_lsl"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, false, true); });
    add(Piece(si, "_lia_lsr"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, true, true); });
    add(Piece(si, "_lia_lwlM.xji"), Kind::Mask, kLeafWindow[si], [si] { return LeafWindowMask(si); });
    add(Piece(si, "_lia_lwrM.xji"), Kind::Mask, kLeafWindow[si], [si] { return LeafWindowMask(si); });
    add(Piece(si, "_lia_liciM.xji"), Kind::Mask, kCutMark[si], [si] { return CutMarkMask(si); });
    add(Piece(si, "_lia_kwiM.xji"), Kind::Mask, kTitleWindow[si], [si] { return TitleWindowMask(si); });
    add(Piece(si, "_lia_pspM.xji"), Kind::Mask, kForegroundPatch[si], [si] { return ForegroundPatchMask(si); });
  }
  return items;
}

// The texts the window writes onto these pictures (code page 1250).
const char* const kTitleTexts[] = {"D\x8F\nDZI", "\xAF\nRZ", "\x8C\nSI", "\xC6\nCI", "D\xAF", "DZ", "GI"};

void CheckVines(const Tree& tree, int si, const LoadedItems& items, Problems& p) {
  const CDisplay& d = DisplayOf(si);
  const liany::Layout v = liany::LayoutFor(d);
  const char* set = kSets[si].pieces;
  const Loaded* leaves[4] = {items.Get(Piece(si, "_lia_ll")), items.Get(Piece(si, "_lia_lr")),
                             items.Get(Piece(si, "_lia_lsl")), items.Get(Piece(si, "_lia_lsr"))};
  const Loaded* winL = items.Get(Piece(si, "_lia_lwlM.xji"));
  const Loaded* winR = items.Get(Piece(si, "_lia_lwrM.xji"));
  const Loaded* title = items.Get(Piece(si, "_lia_kwiM.xji"));
  const Loaded* patch = items.Get(Piece(si, "_lia_pspM.xji"));
  const Loaded* cut = items.Get(Piece(si, "_lia_liciM.xji"));
  if (!leaves[0] || !leaves[1] || !leaves[2] || !leaves[3] || !winL || !winR || !title || !patch || !cut) return;
  TRect art = Rect(0, 0, d.ArtWidth, d.ArtHeight);
  const TRect buttons[4] = {ButtonRoom(v.stop), ButtonRoom(v.help), ButtonRoom(v.next), ButtonRoom(v.previous)};

  // Every use of a leaf takes the plain leaf's size, so lit leaves match it.
  for (int i = 2; i < 4; ++i)
    if (leaves[i]->Width() != leaves[i - 2]->Width() || leaves[i]->Height() != leaves[i - 2]->Height())
      p.Addf("%s vines: a lit leaf differs in size from the plain one", set);
  int w = leaves[0]->Width(), h = leaves[0]->Height();

  // The word picture is composed into the leaf through the window mask: the
  // window lies inside the leaf and the leaf is opaque under it.
  for (int i = 0; i < 4; ++i) {
    bool right = i % 2 == 1;
    const Loaded* win = right ? winR : winL;
    TPoint off = right ? v.windowRight : v.windowLeft;
    TRect wr = Bounds(off.x, off.y, win->Width(), win->Height());
    if (!Inside(wr, Rect(0, 0, leaves[i]->Width(), leaves[i]->Height()))) {
      p.Addf("%s vines: picture window %s outside leaf %d", set, checks::Describe(wr).c_str(), i);
      continue;
    }
    int thin = 0;
    for (int y = 0; y < win->Height(); ++y)
      for (int x = 0; x < win->Width(); ++x)
        if (win->Alpha(x, y) > 8 && leaves[i]->Alpha(off.x + x, off.y + y) < 240) ++thin;
    if (thin) p.Addf("%s vines: leaf %d is see-through at %d pixels of its picture window", set, i, thin);
  }

  // Leaves at the ten anchors: inside the art, clear of each other (a leaf is
  // redrawn alone from the background) and of the buttons.
  std::vector<TRect> at;
  for (const TPoint& a : v.anchors) at.push_back(Bounds(a.x, a.y, w, h));
  for (size_t i = 0; i < at.size(); ++i) {
    if (!Inside(at[i], art)) p.Addf("%s vines: leaf at anchor %d leaves the art area", set, int(i));
    for (size_t j = i + 1; j < at.size(); ++j)
      if (checks::Overlap(at[i], at[j])) p.Addf("%s vines: leaves at anchors %d and %d overlap", set, int(i), int(j));
    for (const TRect& b : buttons)
      if (checks::Overlap(at[i], b)) p.Addf("%s vines: leaf at anchor %d covers a button", set, int(i));
  }
  // The cut mark stays in the art area at every anchor.
  for (const TPoint& a : v.anchors)
    if (!Inside(Bounds(a.x + v.cutMark.x, a.y + v.cutMark.y, cut->Width(), cut->Height()), art))
      p.Addf("%s vines: the cut mark leaves the art area", set);

  // The row of collected leaves (3, 4 or 5 correct leaves a task) grows left
  // from collectBase: inside the art, clear of the title window.
  TRect titleRect = Bounds(v.title.x, v.title.y, title->Width(), title->Height());
  for (int k = 3; k <= 5; ++k) {
    int right = v.collect.x + (w * (k - 2)) / 2;
    TRect row = Rect(right - (k - 1) * w, v.collect.y, right + w, v.collect.y + h);
    if (!Inside(row, art))
      p.Addf("%s vines: the row of %d collected leaves %s leaves the art area", set, k, checks::Describe(row).c_str());
    if (checks::Overlap(row, titleRect)) p.Addf("%s vines: the row of %d collected leaves covers the title", set, k);
  }
  // The title window: inside the art, clear of leaves and buttons.
  if (!Inside(titleRect, art))
    p.Addf("%s vines: title window %s leaves the art area", set, checks::Describe(titleRect).c_str());
  for (size_t i = 0; i < at.size(); ++i)
    if (checks::Overlap(titleRect, at[i])) p.Addf("%s vines: title window covers the leaf at anchor %d", set, int(i));
  for (const TRect& b : buttons)
    if (checks::Overlap(titleRect, b)) p.Addf("%s vines: title window covers a button", set);
  // The foreground patch is copied from the background: it must lie inside it.
  if (!Inside(Bounds(v.foreground.x, v.foreground.y, patch->Width(), patch->Height()), art))
    p.Addf("%s vines: the foreground patch leaves the art area", set);

  // The phoneme over the title: two lines of GameFontLiany inside the window.
  std::string fontName = std::string("Lia_") + kSets[si].pieces;
  if (auto f = Font(tree, fontName)) {
    for (const char* t : kTitleTexts) {
      Measure m = Measured(*f, t);
      if (m.w > title->Width() || m.h > title->Height())
        p.Addf("%s vines: \"%s\" in %s is %dx%d, the title window %dx%d", set, Cp1250ToUtf8(t).c_str(),
               fontName.c_str(), m.w, m.h, title->Width(), title->Height());
    }
  }
}

// The places are held to the values the window is known to give in each
// art set, so that a slip in the scaling cannot make the rest of the check
// hold the pictures to the wrong places.
void CheckPlaces(Problems& p) {
  struct Known {
    TPoint anchors[10];
    TPoint title, foreground, collect, cutMark, windowLeft, windowRight;
  };
  static const Known known[3] = {
      {{{206, 28},
        {189, 180},
        {356, 42},
        {341, 224},
        {474, 7},
        {503, 280},
        {307, 127},
        {459, 149},
        {591, 66},
        {606, 192}},
       {82, 295},
       {187, 562},
       {490, 480},
       {-8, 73},
       {10, 4},
       {16, 4}},
      {{{264, 36},
        {242, 231},
        {455, 54},
        {437, 287},
        {607, 9},
        {643, 359},
        {393, 163},
        {588, 191},
        {757, 85},
        {776, 247}},
       {105, 378},
       {240, 720},
       {628, 614},
       {-10, 93},
       {13, 5},
       {21, 5}},
      {{{330, 45},
        {303, 288},
        {569, 67},
        {546, 358},
        {759, 11},
        {804, 448},
        {492, 204},
        {735, 239},
        {946, 106},
        {970, 308}},
       {132, 473},
       {300, 900},
       {785, 768},
       {-13, 117},
       {16, 6},
       {26, 6}},
  };
  for (int si = 0; si < 3; ++si) {
    const liany::Layout v = liany::LayoutFor(DisplayOf(si));
    const Known& k = known[si];
    bool same = v.title == k.title && v.foreground == k.foreground && v.collect == k.collect &&
                v.cutMark == k.cutMark && v.windowLeft == k.windowLeft && v.windowRight == k.windowRight;
    for (int i = 0; i < 10; ++i) same = same && v.anchors[std::size_t(i)] == k.anchors[i];
    if (!same) p.Addf("art set %d: the places computed for the vines differ from the window's own", kSets[si].set);
  }
}

void Check(const Tree& tree, const LoadedItems& loaded, Problems& p) {
  CheckPlaces(p);
  for (int si = 0; si < 3; ++si) CheckVines(tree, si, loaded, p);
}

}  // namespace

Module LianyPicturesModule() { return ItemsModule("liany", Items, Check); }

}  // namespace datagen
