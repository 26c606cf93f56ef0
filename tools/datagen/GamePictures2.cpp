// Generates the pictures of the vines, truck and flowers games in the three
// art sets, and checks them through the program's loaders against the
// places the game windows give them.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/Loadcorrectbitmap.h"
#include "tools/datagen/GamePictures2Art.h"
#include "tools/datagen/GamePictures2Layout.h"
#include "tools/datagen/Modules.h"

namespace datagen {

namespace {

using namespace games2;

const std::string kFolder = "Data\\Intf\\Spec\\";

std::string Piece(int si, const std::string& name) { return kFolder + kSets[si].pieces + name; }
std::string Back(int si, const std::string& name) { return kFolder + kSets[si].backgrounds + name; }

enum class Kind { Background, Mask, JpegPair, BmpPair };

// One picture file (or pair) of the module: its program path (without "B"/"W"
// and extension for pairs), its kind, its size and how to draw it.
struct Item {
  std::string path;
  Kind kind;
  int si;
  Size size;
  std::function<std::unique_ptr<Art>()> draw;
};

std::vector<Item> Items() {
  std::vector<Item> items;
  for (int si = 0; si < 3; ++si) {
    Size art{kSets[si].width, kSets[si].height};
    auto add = [&](std::string path, Kind kind, Size size, std::function<std::unique_ptr<Art>()> draw) {
      items.push_back(Item{std::move(path), kind, si, size, std::move(draw)});
    };
    // Vines.
    add(Back(si, "_liaT.xji"), Kind::Background, art, [si] { return VinesBackground(si); });
    add(Piece(si, "_lia_ll"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, false, false); });
    add(Piece(si, "_lia_lr"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, true, false); });
    add(Piece(si, "_lia_lsl"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, false, true); });
    add(Piece(si, "_lia_lsr"), Kind::JpegPair, kLeaf[si], [si] { return Leaf(si, true, true); });
    add(Piece(si, "_lia_lwlM.xji"), Kind::Mask, kLeafWindow[si], [si] { return LeafWindowMask(si); });
    add(Piece(si, "_lia_lwrM.xji"), Kind::Mask, kLeafWindow[si], [si] { return LeafWindowMask(si); });
    add(Piece(si, "_lia_liciM.xji"), Kind::Mask, kCutMark[si], [si] { return CutMarkMask(si); });
    add(Piece(si, "_lia_kwiM.xji"), Kind::Mask, kTitleWindow[si], [si] { return TitleWindowMask(si); });
    add(Piece(si, "_lia_pspM.xji"), Kind::Mask, kForegroundPatch[si], [si] { return ForegroundPatchMask(si); });
    // Truck: the art-set-16 scene is as tall as the game area of a 1280 x 1024 screen.
    add(Back(si, "_cieT.xji"), Kind::Background, si == 2 ? kTruckScene128 : art,
        [si] { return TruckBackground(si, si == 2); });
    add(Piece(si, "_cie_sam"), Kind::BmpPair, kPlane[si], [si] { return Plane(si); });
    add(Piece(si, "_cie_chmM.xji"), Kind::Mask, kBanner[si], [si] { return BannerMask(si); });
    add(Piece(si, "_cie_cie"), Kind::JpegPair, kTruck[si], [si] { return Truck(si); });
    add(Piece(si, "_cie_spa"), Kind::JpegPair, kParachute[si], [si] { return Parachute(si); });
    add(Piece(si, "_cie_pac"), Kind::JpegPair, kBox[si], [si] { return ParcelBox(si); });
    // Flowers.
    add(Back(si, "_kwiT.xji"), Kind::Background, art, [si] { return FlowersBackground(si); });
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

void Generate(Tree& tree) {
  std::vector<Item> items = Items();
  ParallelFor(int(items.size()), [&](int i) {
    const Item& it = items[size_t(i)];
    std::unique_ptr<Art> art = it.draw();
    switch (it.kind) {
      case Kind::Background: tree.Jpeg(it.path, *art->Over(clWhite), 92); break;
      case Kind::Mask: tree.Jpeg(it.path, *art->AlphaMask(), 100); break;
      case Kind::JpegPair:
        // Full quality keeps the two renders' noise, and so the alpha's, small.
        tree.Jpeg(it.path + "B.xji", *art->OnBlack(), 100);
        tree.Jpeg(it.path + "W.xji", *art->OnWhite(), 100);
        break;
      case Kind::BmpPair: tree.BmpPair(it.path, *art); break;
    }
  });
}

// ---------------------------------------------------------------------------
// Checking

struct Problems {
  std::vector<std::string> list;
  void Add(const std::string& s) { list.push_back(s); }
  template <class... A>
  void Addf(const char* fmt, A... a) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, a...);
    list.emplace_back(buf);
  }
};

std::string Str(const TRect& r) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "(%d,%d)-(%d,%d)", r.left, r.top, r.right, r.bottom);
  return buf;
}

bool Overlap(const TRect& a, const TRect& b) { return !IntersectRects(a, b).IsEmpty(); }
bool Inside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// A loaded picture: a mask or background as a 24-bit bitmap, or a pair.
struct Loaded {
  std::unique_ptr<TBitmap> bitmap;
  std::unique_ptr<CTransBitmap> pair;
  int Width() const { return bitmap ? bitmap->Width() : pair && pair->Colour ? pair->Colour->Width() : 0; }
  int Height() const { return bitmap ? bitmap->Height() : pair && pair->Colour ? pair->Colour->Height() : 0; }
  // The mask value (first byte of a mask file, alpha of a pair).
  int Alpha(int x, int y) const {
    if (bitmap) return bitmap->ScanLine(y)[3 * x];
    return pair->Mask->ScanLine(y)[x];
  }
};

int Blue(const TBitmap& b, int x, int y) { return b.ScanLine(y)[3 * x]; }

// Loads a file (or pair) through the program's own loaders and checks its
// format and size. Null when it cannot be used.
std::unique_ptr<Loaded> Load(const Tree& tree, const Item& it, Problems& p) {
  auto out = std::make_unique<Loaded>();
  std::string name = it.path;
  try {
    if (it.kind == Kind::Background || it.kind == Kind::Mask) {
      out->bitmap.reset(NewBitmapFromJpeg(tree.Native(it.path)));
      if (out->bitmap->PixelFormat() != pf24bit) {
        p.Add(name + ": not 24-bit");
        return nullptr;
      }
    } else {
      out->pair = std::make_unique<CTransBitmap>();
      std::string ext = it.kind == Kind::JpegPair ? ".xji" : ".xbi";
      name = it.path + "B/W" + ext;
      if (it.kind == Kind::JpegPair)
        out->pair->LoadBlackWhiteJpeg(tree.Native(it.path + "B" + ext), tree.Native(it.path + "W" + ext));
      else
        out->pair->LoadBlackWhiteBmp(tree.Native(it.path + "B" + ext), tree.Native(it.path + "W" + ext));
      const CTransBitmap& t = *out->pair;
      if (!t.Colour || !t.Mask || t.Colour->PixelFormat() != pf24bit || t.Mask->PixelFormat() != pf8bit ||
          t.Colour->Width() != t.Mask->Width() || t.Colour->Height() != t.Mask->Height()) {
        p.Add(name + ": the pair does not load as colour and mask of one size");
        return nullptr;
      }
    }
  } catch (const Exception& e) {
    p.Add(name + ": " + Cp1250ToUtf8(e.Message));
    return nullptr;
  }
  if (out->Width() != it.size.w || out->Height() != it.size.h) {
    p.Addf("%s: %dx%d, should be %dx%d", name.c_str(), out->Width(), out->Height(), it.size.w, it.size.h);
    return nullptr;
  }
  if (it.kind == Kind::Mask) {
    // Masks are grey: the program reads the first byte only.
    const TBitmap& b = *out->bitmap;
    int worst = 0;
    for (int y = 0; y < b.Height(); ++y) {
      const std::uint8_t* row = b.ScanLine(y);
      for (int x = 0; x < b.Width(); ++x)
        worst = std::max({worst, std::abs(row[3 * x] - row[3 * x + 1]), std::abs(row[3 * x + 1] - row[3 * x + 2])});
    }
    if (worst > 3) p.Addf("%s: not grey (channels differ by %d)", name.c_str(), worst);
  }
  return out;
}

// Holds the loaded alpha (or mask) to what was drawn: opaque where the
// drawing is opaque, transparent where it is transparent. JPEG leaves a
// little noise beside edges, so pixels next to an edge get a looser bound.
void CompareWithDrawing(const Item& it, const Loaded& l, Problems& p) {
  std::unique_ptr<Art> art = it.draw();
  std::unique_ptr<TBitmap> alpha = art->AlphaMask();
  const int w = l.Width(), h = l.Height();
  // Distance to the nearest pixel of another kind (0 / partial / 255), capped at 3.
  auto kind = [&](int x, int y) {
    int a = Blue(*alpha, x, y);
    return a == 0 ? 0 : a == 255 ? 2 : 1;
  };
  auto nearEdge = [&](int x, int y) {
    int k = kind(x, y);
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) {
        int xx = x + dx, yy = y + dy;
        if (xx >= 0 && yy >= 0 && xx < w && yy < h && kind(xx, yy) != k) return true;
      }
    return false;
  };
  int lost = 0, leaked = 0, firstX = -1, firstY = -1, opaque = 0, worst = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int want = Blue(*alpha, x, y), got = l.Alpha(x, y);
      if (want != 0 && want != 255) continue;
      if (want == 255) ++opaque;
      int slack = nearEdge(x, y) ? 20 : 5;
      if (std::abs(got - want) > slack) {
        (want == 255 ? lost : leaked)++;
        worst = std::max(worst, std::abs(got - want));
        if (firstX < 0) firstX = x, firstY = y;
      }
    }
  if (lost || leaked)
    p.Addf("%s: %d opaque pixels load see-through and %d transparent ones load visible (first at %d,%d, off by %d)",
           it.path.c_str(), lost, leaked, firstX, firstY, worst);
  if (opaque == 0) p.Add(it.path + ": nothing opaque in it");
}

// Mean luminance of a rectangle of a colour picture.
double MeanLuminance(const TBitmap& b, const TRect& r) {
  double sum = 0;
  int n = 0;
  for (int y = std::max(0, r.top); y < std::min(b.Height(), r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(b.Width(), r.right); ++x) {
      const std::uint8_t* q = b.ScanLine(y) + 3 * x;
      sum += 0.11 * q[0] + 0.59 * q[1] + 0.3 * q[2];
      ++n;
    }
  return n ? sum / n : 0;
}

// The least alpha (or mask value) over a rectangle.
int MinAlpha(const Loaded& l, const TRect& r) {
  int m = 255;
  for (int y = std::max(0, r.top); y < std::min(l.Height(), r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(l.Width(), r.right); ++x) m = std::min(m, l.Alpha(x, y));
  return m;
}

// A bitmap font of the font set, when the set has been generated.
std::unique_ptr<CTransFont> Font(const Tree& tree, const std::string& name) {
  std::string file = tree.Native(kFolder + "tw5cz.tfs");
  if (!FileExists(file)) return nullptr;
  auto f = std::make_unique<CTransFont>();
  if (!f->LoadFromSet(file, name)) return nullptr;
  return f;
}

struct Measure {
  int w = 0, h = 0;
};
Measure Measured(const CTransFont& f, const std::string& text) {
  Measure m;
  f.MeasureText(text, &m.w, &m.h);
  return m;
}

// The texts the games write onto these pictures (code page 1250).
const char* const kTitleTexts[] = {"D\x8F\nDZI", "\xAF\nRZ", "\x8C\nSI", "\xC6\nCI", "D\xAF", "DZ", "GI"};
const char* const kMarkerTexts[] = {"DZI", "D\xAF", "D\x8F", "DZ", "SZ", "CZ", "RZ", "\xAF", "\x8F", "ZI", "SI",
                                    "GI",  "KI",   "FI",   "WI", "PI", "BI", "W",  "M"};
const char* const kCaption = "Wybierz obrazki z g\xB3osk\xB9:";
const char* const kLongestNames = "\xAF/RZ,\x8F/ZI,\xC6/CI,D\x8F/DZI";  // four sounds, spaces already dropped

using Pictures = std::vector<std::unique_ptr<Loaded>>;

void CheckVines(const Tree& tree, int si, const std::function<const Loaded*(const std::string&)>& get, Problems& p) {
  ArtScale d = DisplayFor(kSets[si].set);
  VinesPlaces v = VinesPlacesFor(d);
  const char* set = kSets[si].pieces;
  const Loaded* leaves[4] = {get(Piece(si, "_lia_ll")), get(Piece(si, "_lia_lr")), get(Piece(si, "_lia_lsl")),
                             get(Piece(si, "_lia_lsr"))};
  const Loaded* winL = get(Piece(si, "_lia_lwlM.xji"));
  const Loaded* winR = get(Piece(si, "_lia_lwrM.xji"));
  const Loaded* title = get(Piece(si, "_lia_kwiM.xji"));
  const Loaded* patch = get(Piece(si, "_lia_pspM.xji"));
  const Loaded* cut = get(Piece(si, "_lia_liciM.xji"));
  if (!leaves[0] || !leaves[1] || !leaves[2] || !leaves[3] || !winL || !winR || !title || !patch || !cut) return;
  TRect art = Rect(0, 0, d.ArtWidth, d.ArtHeight);

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
      p.Addf("%s vines: picture window %s outside leaf %d", set, Str(wr).c_str(), i);
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
      if (Overlap(at[i], at[j])) p.Addf("%s vines: leaves at anchors %d and %d overlap", set, int(i), int(j));
    for (const TRect& b : v.buttons)
      if (Overlap(at[i], b)) p.Addf("%s vines: leaf at anchor %d covers a button", set, int(i));
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
    if (!Inside(row, art)) p.Addf("%s vines: the row of %d collected leaves %s leaves the art area", set, k, Str(row).c_str());
    if (Overlap(row, titleRect)) p.Addf("%s vines: the row of %d collected leaves covers the title", set, k);
  }
  // The title window: inside the art, clear of leaves and buttons.
  if (!Inside(titleRect, art)) p.Addf("%s vines: title window %s leaves the art area", set, Str(titleRect).c_str());
  for (size_t i = 0; i < at.size(); ++i)
    if (Overlap(titleRect, at[i])) p.Addf("%s vines: title window covers the leaf at anchor %d", set, int(i));
  for (const TRect& b : v.buttons)
    if (Overlap(titleRect, b)) p.Addf("%s vines: title window covers a button", set);
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

void CheckTruck(const Tree& tree, int si, const std::function<const Loaded*(const std::string&)>& get, Problems& p) {
  ArtScale d = DisplayFor(kSets[si].set);
  TruckPlaces t = TruckPlacesFor(d);
  const char* set = kSets[si].pieces;
  const Loaded* plane = get(Piece(si, "_cie_sam"));
  const Loaded* banner = get(Piece(si, "_cie_chmM.xji"));
  const Loaded* truck = get(Piece(si, "_cie_cie"));
  const Loaded* chute = get(Piece(si, "_cie_spa"));
  const Loaded* box = get(Piece(si, "_cie_pac"));
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
    p.Addf("%s truck: the banner text %s does not fit the banner", set, Str(text).c_str());
  else if (MinAlpha(*banner, text) < 250)
    p.Addf("%s truck: the cloud is not solid under the banner text %s", set, Str(text).c_str());

  // The truck: on the road inside the art, text on a dark panel inside it.
  if (t.truckY + truck->Height() > d.ArtHeight)
    p.Addf("%s truck: the truck reaches row %d, below the art", set, t.truckY + truck->Height());
  TRect panel = Rect(t.truckText.x - namesWidth / 2, t.truckText.y - line / 2, t.truckText.x + (namesWidth + 1) / 2,
                     t.truckText.y + (line + 1) / 2);
  if (!Inside(panel, Rect(0, 0, truck->Width(), truck->Height()))) {
    p.Addf("%s truck: the truck text %s does not fit the truck", set, Str(panel).c_str());
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
  for (const TRect& b : t.buttons)
    if (Overlap(parked, b)) p.Addf("%s truck: the parked truck covers a button", set);

  // Parcels: the parachute spans no more than the box; the face is a window
  // in an opaque frame.
  if (chute->Width() > box->Width())
    p.Addf("%s truck: the parachute (%d wide) is wider than the box (%d)", set, chute->Width(), box->Width());
  if (box->Width() + 2 * d.Scale(16, 30) >= (t.dropRight - t.dropLeft) / 2)
    p.Addf("%s truck: a swinging parcel is too wide for the drop area", set);
  const TRect& f = t.face;
  if (!Inside(Rect(f.left - 2, f.top - 2, f.right + 2, f.bottom + 2), Rect(0, 0, box->Width(), box->Height()))) {
    p.Addf("%s truck: the face %s does not lie inside the box", set, Str(f).c_str());
  } else {
    // The window's rounded corners belong to the frame; its edge may blur.
    int corner = d.ScaleRounded(16, 14);
    int seen = 0;
    for (int y = f.top + 2; y < f.bottom - 2; ++y)
      for (int x = f.left + 2; x < f.right - 2; ++x) {
        bool inCorner = (x < f.left + corner || x >= f.right - corner) && (y < f.top + corner || y >= f.bottom - corner);
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

void CheckFlowers(const Tree& tree, int si, const std::function<const Loaded*(const std::string&)>& get,
                  Problems& p) {
  const char* set = kSets[si].pieces;
  const Loaded* plate = get(Piece(si, "_kwi_podg"));
  const Loaded* smile = get(Piece(si, "_kwi_usm"));
  const Loaded* masks[8];
  for (int k = 0; k < 8; ++k)
    if (!(masks[k] = get(Piece(si, "_kwi_mk" + std::to_string(k + 1) + ".xji")))) return;
  if (!plate || !smile) return;

  for (bool class128 : {false, true}) {
    if (class128 && kSets[si].set != 16) continue;
    ArtScale d = DisplayFor(kSets[si].set);
    FlowersPlaces f = FlowersPlacesFor(d, class128);
    TRect art = Rect(0, 0, d.ArtWidth, d.ArtHeight);
    std::vector<TRect> plates, flowers;
    for (const TPoint& s : f.slots)
      plates.push_back(Bounds(s.x - plate->Width() / 2, s.y - plate->Height() / 2, plate->Width(), plate->Height()));
    for (int k = 0; k < 8; ++k)
      flowers.push_back(Bounds(f.flowers[k].x, f.flowers[k].y, masks[k]->Width(), masks[k]->Height()));
    for (int k = 0; k < 8; ++k) {
      for (const TRect& b : f.buttons)
        if (Overlap(flowers[size_t(k)], b))
          p.Addf("%s flowers: flower %d covers a button%s", set, k + 1, class128 ? " (1280 x 1024)" : "");
    }
    if (class128) continue;  // the rest does not depend on the screen class
    for (int k = 0; k < 8; ++k) {
      // A flower holds the places where markers land on it, in all three layouts.
      for (int l = 0; l < 3; ++l)
        if (!flowers[size_t(k)].Contains(f.landing[l][k].x, f.landing[l][k].y))
          p.Addf("%s flowers: flower %d %s misses its landing point (%d,%d) of layout %d", set, k + 1,
                 Str(flowers[size_t(k)]).c_str(), f.landing[l][k].x, f.landing[l][k].y, l);
      if (!Inside(flowers[size_t(k)], art)) p.Addf("%s flowers: flower %d leaves the art area", set, k + 1);
      for (int j = k + 1; j < 8; ++j)
        if (Overlap(flowers[size_t(k)], flowers[size_t(j)]))
          p.Addf("%s flowers: flowers %d and %d overlap", set, k + 1, j + 1);
      for (int s = 0; s < 8; ++s)
        if (Overlap(flowers[size_t(k)], plates[size_t(s)]))
          p.Addf("%s flowers: flower %d covers home slot %d", set, k + 1, s);
    }
    // A hovered marker's plate is restored alone: plates of two slots must
    // not overlap. Smiles jitter by 2 pixels round each slot.
    for (int s = 0; s < 8; ++s) {
      if (!Inside(plates[size_t(s)], art)) p.Addf("%s flowers: the plate of slot %d leaves the art area", set, s);
      for (int j = s + 1; j < 8; ++j) {
        if (Overlap(plates[size_t(s)], plates[size_t(j)]))
          p.Addf("%s flowers: plates of home slots %d and %d overlap", set, s, j);
        TRect a = Bounds(f.slots[s].x - smile->Width() / 2 - 2, f.slots[s].y - smile->Height() / 2 - 2,
                         smile->Width() + 4, smile->Height() + 4);
        TRect b = Bounds(f.slots[j].x - smile->Width() / 2 - 2, f.slots[j].y - smile->Height() / 2 - 2,
                         smile->Width() + 4, smile->Height() + 4);
        if (Overlap(a, b)) p.Addf("%s flowers: smiles of home slots %d and %d overlap", set, s, j);
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

// The places above are computed the way the game windows compute them; hold
// them to the values the windows are known to give in each art set, so that
// a slip in the scaling cannot make the rest of the check hold the pictures
// to the wrong places.
void CheckPlaces(Problems& p) {
  struct Known {
    TPoint anchors[10];
    TPoint title, foreground, collect, cutMark, windowLeft, windowRight;
    int truckY, stopX;
    TPoint text, load, names;
    TRect face;
  };
  static const Known known[3] = {
      {{{206, 28}, {189, 180}, {356, 42}, {341, 224}, {474, 7}, {503, 280}, {307, 127}, {459, 149}, {591, 66}, {606, 192}},
       {82, 295}, {187, 562}, {490, 480}, {-8, 73}, {10, 4}, {16, 4},
       432, 18, {190, 56}, {151, 33}, {214, 21}, {15, 5, 95, 89}},
      {{{264, 36}, {242, 231}, {455, 54}, {437, 287}, {607, 9}, {643, 359}, {393, 163}, {588, 191}, {757, 85}, {776, 247}},
       {105, 378}, {240, 720}, {628, 614}, {-10, 93}, {13, 5}, {21, 5},
       553, 24, {243, 72}, {193, 43}, {274, 27}, {19, 6, 122, 114}},
      {{{330, 45}, {303, 288}, {569, 67}, {546, 358}, {759, 11}, {804, 448}, {492, 204}, {735, 239}, {946, 106}, {970, 308}},
       {132, 473}, {300, 900}, {785, 768}, {-13, 117}, {16, 6}, {26, 6},
       692, 30, {304, 90}, {242, 54}, {343, 34}, {24, 8, 152, 142}},
  };
  for (int si = 0; si < 3; ++si) {
    ArtScale d = DisplayFor(kSets[si].set);
    VinesPlaces v = VinesPlacesFor(d);
    TruckPlaces t = TruckPlacesFor(d);
    const Known& k = known[si];
    bool same = v.title == k.title && v.foreground == k.foreground && v.collect == k.collect &&
                v.cutMark == k.cutMark && v.windowLeft == k.windowLeft && v.windowRight == k.windowRight &&
                t.truckY == k.truckY && t.truckStopX == k.stopX && t.truckText == k.text && t.loadPoint == k.load &&
                t.names == k.names && t.face == k.face;
    for (int i = 0; i < 10; ++i) same = same && v.anchors[i] == k.anchors[i];
    if (!same) p.Addf("art set %d: the places computed for the games differ from the games' own", kSets[si].set);
  }
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<Item> items = Items();
  std::vector<Problems> found(items.size());
  Pictures loaded(items.size());
  ParallelFor(int(items.size()), [&](int i) {
    const Item& it = items[size_t(i)];
    loaded[size_t(i)] = Load(tree, it, found[size_t(i)]);
    if (loaded[size_t(i)] && it.kind != Kind::Background) CompareWithDrawing(it, *loaded[size_t(i)], found[size_t(i)]);
  });
  Problems p;
  CheckPlaces(p);
  for (auto& f : found) p.list.insert(p.list.end(), f.list.begin(), f.list.end());
  for (int si = 0; si < 3; ++si) {
    auto get = [&](const std::string& path) -> const Loaded* {
      for (size_t i = 0; i < items.size(); ++i)
        if (items[i].path == path) return loaded[i].get();
      return nullptr;
    };
    CheckVines(tree, si, get, p);
    CheckTruck(tree, si, get, p);
    CheckFlowers(tree, si, get, p);
  }
  return p.list;
}

}  // namespace

Module GamePictures2Module() { return Module{"games2", Generate, Check}; }

}  // namespace datagen
