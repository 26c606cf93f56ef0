// Checks the resource library pictures the way the program will use them:
// every name it can ask for loads through OtworzBMP, and each picture meets
// what its control needs (one size per control or tile set, binary masks,
// state pictures white outside the mask, the knob's track between the
// scroll arrows).
#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "resource/twresource.h"
#include "tools/datagen/Resources.h"
#include "toolkit/Resource.h"

namespace datagen::res {

namespace {

namespace fs = std::filesystem;

using Pictures = std::map<std::string, std::unique_ptr<TBitmap>>;

std::string SizeText(const TBitmap& b) { return std::to_string(b.Width()) + "x" + std::to_string(b.Height()); }

// The folder the built library serves its pictures from, or empty.
fs::path LibraryPictureFolder() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&twresource::OtworzBMP), &info) || !info.dli_fname) return {};
  std::error_code ec;
  fs::path lib = fs::canonical(info.dli_fname, ec);
  return ec ? fs::path() : lib.parent_path() / "Resource";
}

// Reads the tree's own picture file the way the library reads its folder:
// exact name, BMP, made 24-bit.
bool LoadFromTree(const Tree& tree, const std::string& name, TBitmap* bitmap) {
  std::ifstream f(tree.Native(ResourcePath(name)), std::ios::binary);
  if (!f) return false;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  TBytesStream stream(bytes.data(), bytes.size());
  TBitmap picture;
  picture.LoadFromStream(&stream);
  picture.SetPixelFormat(pf24bit);
  if (picture.Width() <= 0 || picture.Height() <= 0) return false;
  bitmap->Assign(&picture);
  return true;
}

// The bits per pixel written in a BMP file's header, or 0.
int FileBitCount(const Tree& tree, const std::string& name) {
  std::ifstream f(tree.Native(ResourcePath(name)), std::ios::binary);
  unsigned char header[30] = {};
  if (!f.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M') return 0;
  return header[28] | header[29] << 8;
}

std::uint32_t Pixel(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 3 * x;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
}

bool SameSize(const TBitmap& a, const TBitmap& b) { return a.Width() == b.Width() && a.Height() == b.Height(); }

class Checker {
 public:
  Checker(const Tree& tree, std::vector<std::string>& problems) : tree_(tree), problems_(problems) {}

  // Loads every name through the program's entry.
  void LoadAll() {
    for (const auto& name : AllNames()) {
      auto b = std::make_unique<TBitmap>();
      if (!OtworzBMP(name, b.get())) {
        Problem(name + ": the library does not deliver it");
        continue;
      }
      if (int bits = FileBitCount(tree_, name); bits != 24)
        Problem(name + ": " + std::to_string(bits) + "-bit file, 24-bit expected");
      pictures_[name] = std::move(b);
    }
  }

  void Tiles() {
    for (const auto& set : TileSets()) {
      // The board lays out every block by the first tile's size.
      if (set.size.w > set.limit.w || set.size.h > set.limit.h)
        Problem("tiles" + set.suffix + ": " + std::to_string(set.size.w) + "x" + std::to_string(set.size.h) +
                " exceed the board's " + std::to_string(set.limit.w) + "x" + std::to_string(set.limit.h));
      for (const auto& tile : TileNames()) {
        const TBitmap* b = Get(tile + set.suffix);
        if (!b) continue;
        if (b->Width() != set.size.w || b->Height() != set.size.h)
          Problem(tile + set.suffix + ": " + SizeText(*b) + ", the set's tiles are " + std::to_string(set.size.w) + "x" +
                  std::to_string(set.size.h));
        TileInk(tile + set.suffix, *b, IsRedTile(tile));
      }
    }
  }

  void Buttons() {
    for (const auto& base : ButtonNames()) {
      const TBitmap* mask = MaskedControl(base, {"_D", "_A", "_"});
      if (!mask) continue;
      const Size want = ButtonSize(base);
      if (mask->Width() > kButtonMaxWidth || mask->Height() > kButtonMaxHeight)
        Problem(base + ": " + SizeText(*mask) + ", buttons may be at most " + std::to_string(kButtonMaxWidth) + "x" +
                std::to_string(kButtonMaxHeight));
      else if (mask->Width() != want.w || mask->Height() != want.h)
        Problem(base + ": " + SizeText(*mask) + ", the layout expects " + std::to_string(want.w) + "x" +
                std::to_string(want.h));
    }
  }

  void Knob() {
    const TBitmap* knob = MaskedControl("scroll", {"_D"});
    const TBitmap* up = Get("up_M");
    const TBitmap* down = Get("down_M");
    if (!knob || !up || !down) return;
    if (knob->Width() > up->Width() - 8)
      Problem("scroll: " + std::to_string(knob->Width()) + " wide, the track between the arrows allows " +
              std::to_string(up->Width() - 8));
    // The arrows' plates fill their pictures: no part of an arrow that takes
    // a click is invisible, as the track beside them is.
    for (const auto& [name, mask] : {std::pair{"up_M", up}, std::pair{"down_M", down}}) {
      int clear = 0;
      for (int y = 0; y < mask->Height(); ++y)
        for (int x = 0; x < mask->Width(); ++x) clear += Pixel(*mask, x, y) == 0;
      if (clear) Problem(std::string(name) + ": " + std::to_string(clear) + " pixels of the arrow clear");
    }
  }

  void Toggles() {
    for (const auto& prefix : TogglePrefixes())
      for (const auto& family : ToggleFamilies())
        for (const auto& t : family.toggles) TogglePair(prefix + t.name, prefix == "s_" ? family.small : family.big);
    TogglePair("S_CHBUT", kCheckBoxSize);
  }

  void CursorPictures() {
    for (const auto& c : Cursors()) {
      const TBitmap* colour = Get(c.name);
      const TBitmap* mask = Get(c.name + "_M");
      if (!colour || !mask) continue;
      if (colour->Width() != kCursorSize.w || colour->Height() != kCursorSize.h || !SameSize(*colour, *mask)) {
        Problem(c.name + ": " + SizeText(*colour) + " and mask " + SizeText(*mask) + ", cursors are 32x32");
        continue;
      }
      if (!BinaryMask(c.name + "_M", *mask)) continue;
      int stray = 0;
      for (int y = 0; y < mask->Height(); ++y)
        for (int x = 0; x < mask->Width(); ++x)
          if (Pixel(*mask, x, y) == 0 && Pixel(*colour, x, y) != 0) ++stray;
      if (stray) Problem(c.name + ": " + std::to_string(stray) + " pixels not black where the mask is black");
      // The hot spot is on the cursor's tip: shown itself, nothing shown straight above it.
      if (Pixel(*mask, c.hotX, c.hotY) == 0)
        Problem(c.name + ": the hot spot (" + std::to_string(c.hotX) + ", " + std::to_string(c.hotY) +
                ") is not on the picture");
      for (int y = 0; y < c.hotY; ++y)
        if (Pixel(*mask, c.hotX, y) != 0) Problem(c.name + ": shown above its hot spot, at row " + std::to_string(y));
    }
  }

 private:
  const TBitmap* Get(const std::string& name) const {
    auto it = pictures_.find(name);
    return it == pictures_.end() ? nullptr : it->second.get();
  }

  void Problem(const std::string& p) { problems_.push_back(p); }

  bool BinaryMask(const std::string& name, const TBitmap& mask) {
    int grey = 0, opaque = 0;
    for (int y = 0; y < mask.Height(); ++y)
      for (int x = 0; x < mask.Width(); ++x) {
        std::uint32_t p = Pixel(mask, x, y);
        if (p != 0 && p != 0xFFFFFF) ++grey;
        opaque += p == 0xFFFFFF;
      }
    if (grey) Problem(name + ": " + std::to_string(grey) + " pixels neither black nor white");
    if (!opaque) Problem(name + ": shows nothing");
    return grey == 0;
  }

  // A control drawn OR-mask then AND-picture: same size everywhere, binary
  // mask, each state white where the mask is black. Returns the mask.
  const TBitmap* MaskedControl(const std::string& base, const std::vector<std::string>& states) {
    const TBitmap* mask = Get(base + "_M");
    if (!mask) return nullptr;
    bool binary = BinaryMask(base + "_M", *mask);
    for (const auto& s : states) {
      const TBitmap* b = Get(base + s);
      if (!b) continue;
      if (!SameSize(*b, *mask)) {
        Problem(base + s + ": " + SizeText(*b) + ", its mask is " + SizeText(*mask));
        continue;
      }
      if (!binary) continue;
      int leaks = 0;
      for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
          if (Pixel(*mask, x, y) == 0 && Pixel(*b, x, y) != 0xFFFFFF) ++leaks;
      if (leaks) Problem(base + s + ": " + std::to_string(leaks) + " pixels not white where the mask is black");
    }
    return mask;
  }

  void TogglePair(const std::string& base, Size expected) {
    const TBitmap* off = Get(base + "_D");
    const TBitmap* on = Get(base + "_A");
    if (!off || !on) return;
    if (!SameSize(*off, *on)) Problem(base + ": off " + SizeText(*off) + ", on " + SizeText(*on));
    if (off->Width() != expected.w || off->Height() != expected.h)
      Problem(base + "_D: " + SizeText(*off) + ", the layout expects " + std::to_string(expected.w) + "x" +
              std::to_string(expected.h));
    if (SameSize(*off, *on)) {
      int differ = 0;
      for (int y = 0; y < on->Height(); ++y)
        for (int x = 0; x < on->Width(); ++x) differ += Pixel(*off, x, y) != Pixel(*on, x, y);
      if (differ < on->Width() * on->Height() / 4) Problem(base + ": on and off hardly differ");
    }
  }

  // The segment must stand out: dark (or red) ink on the light face.
  void TileInk(const std::string& name, const TBitmap& b, bool red) {
    int ink = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) {
        std::uint32_t p = Pixel(b, x, y);
        int bl = p & 255, g = (p >> 8) & 255, r = (p >> 16) & 255;
        ink += red ? (r > 170 && g < 90 && bl < 90) : (r < 80 && g < 80 && bl < 80);
      }
    if (ink < b.Width() * b.Height() / 40) Problem(name + ": the segment hardly shows (" + std::to_string(ink) + " ink pixels)");
  }

  const Tree& tree_;
  std::vector<std::string>& problems_;
  Pictures pictures_;
};

}  // namespace

std::vector<std::string> CheckResources(const Tree& tree) {
  std::vector<std::string> problems;
  // With the tree in the build folder the built library serves it: check
  // through the library itself. Elsewhere read the tree's folder the same way.
  std::error_code ec;
  fs::path own = fs::canonical(tree.Native("resource\\Resource"), ec);
  bool library = !ec && own == LibraryPictureFolder();
  std::optional<ScopedResourceProvider> provider;
  if (!library)
    provider.emplace([&tree](const std::string& name, TBitmap* bitmap) {
      try {
        return LoadFromTree(tree, name, bitmap);
      } catch (const std::exception&) {
        return false;
      }
    });
  Checker c(tree, problems);
  c.LoadAll();
  c.Tiles();
  c.Buttons();
  c.Knob();
  c.Toggles();
  c.CursorPictures();
  return problems;
}

}  // namespace datagen::res
