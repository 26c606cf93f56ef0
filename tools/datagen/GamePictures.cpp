#include "tools/datagen/GamePictures.h"

#include <algorithm>
#include <cstdlib>

#include "platform/SysUtils.h"
#include "toolkit/Loadcorrectbitmap.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen::gamepictures {

const ArtSetInfo kSets[3] = {
    {2, "R2", "R2", 800, 600, 800.0 / 1280, {{800, 600}}},
    {4, "R3", "R3", 1024, 768, 1024.0 / 1280, {{1024, 768}}},
    {16, "R5", "R8", 1280, 960, 1.0, {{1280, 960}, {1280, 1024}}},
};

const CDisplay& DisplayOf(int si) {
  static const CDisplay d[3] = {checks::DisplayFor(800, 600), checks::DisplayFor(1024, 768),
                                checks::DisplayFor(1280, 960)};
  return d[si];
}

namespace {
const std::string kFolder = "Data\\Intf\\Spec\\";
}

std::string Piece(int si, const std::string& name) { return kFolder + kSets[si].pieces + name; }
std::string Back(int si, const std::string& name) { return kFolder + kSets[si].backgrounds + name; }

void ButtonTray(cairo_t* cr, const scenery::Stage& st, TRect r, int margin) {
  double m = margin;
  scenery::Plate(cr, st.ToDesign(r.left - m), st.ToDesign(r.top - m), st.ToDesign(r.Width() + 2 * m),
                 st.ToDesign(r.Height() + 2 * m), 18, 0xffffff, 0.6, 0.4);
}

TRect Union(const TRect* rects, int n) {
  TRect u = rects[0];
  for (int i = 1; i < n; ++i) u = UnionRects(u, rects[i]);
  return u;
}

// ---- picture items ----

namespace {
void GenerateItems(Tree& tree, const std::vector<Item>& items) {
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
}  // namespace

int Loaded::Width() const { return bitmap ? bitmap->Width() : pair && pair->Colour ? pair->Colour->Width() : 0; }
int Loaded::Height() const { return bitmap ? bitmap->Height() : pair && pair->Colour ? pair->Colour->Height() : 0; }
int Loaded::Alpha(int x, int y) const {
  if (bitmap) return bitmap->ScanLine(y)[3 * x];
  return pair->Mask->ScanLine(y)[x];
}

namespace {

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

}  // namespace

LoadedItems::LoadedItems(const Tree& tree, const std::vector<Item>& items, Problems& p)
    : loaded_(items.size()) {
  for (const Item& it : items) paths_.push_back(it.path);
  std::vector<Problems> found(items.size());
  ParallelFor(int(items.size()), [&](int i) {
    const Item& it = items[size_t(i)];
    loaded_[size_t(i)] = Load(tree, it, found[size_t(i)]);
    if (loaded_[size_t(i)] && it.kind != Kind::Background)
      CompareWithDrawing(it, *loaded_[size_t(i)], found[size_t(i)]);
  });
  for (auto& f : found) p.list.insert(p.list.end(), f.list.begin(), f.list.end());
}

const Loaded* LoadedItems::Get(const std::string& path) const {
  for (size_t i = 0; i < paths_.size(); ++i)
    if (paths_[i] == path) return loaded_[i].get();
  return nullptr;
}

Module ItemsModule(std::string name, std::vector<Item> (*items)(),
                   std::function<void(const Tree&, const LoadedItems&, Problems&)> check) {
  auto generate = [items](Tree& tree) { GenerateItems(tree, items()); };
  auto checkAll = [items, check](const Tree& tree) {
    const std::vector<Item> all = items();
    Problems p;
    LoadedItems loaded(tree, all, p);
    check(tree, loaded, p);
    return p.list;
  };
  return Module{std::move(name), generate, checkAll};
}

// ---- measures ----

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

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

int MinAlpha(const Loaded& l, const TRect& r) {
  int m = 255;
  for (int y = std::max(0, r.top); y < std::min(l.Height(), r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(l.Width(), r.right); ++x) m = std::min(m, l.Alpha(x, y));
  return m;
}

std::unique_ptr<CTransFont> Font(const Tree& tree, const std::string& name) {
  std::string file = tree.Native(kFolder + "tw5cz.tfs");
  if (!FileExists(file)) return nullptr;
  auto f = std::make_unique<CTransFont>();
  if (!f->LoadFromSet(file, name)) return nullptr;
  return f;
}

Measure Measured(const CTransFont& f, const std::string& text) {
  Measure m;
  f.MeasureText(text, &m.w, &m.h);
  return m;
}

}  // namespace datagen::gamepictures
