#include "tools/datagen/SceneryChecks.h"

#include <algorithm>

#include "platform/SysUtils.h"
#include "toolkit/Loadcorrectbitmap.h"

namespace datagen::checks {

namespace {
std::string Size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
std::string Text(const Exception& e) { return Cp1250ToUtf8(e.Message); }
}  // namespace

CDisplay DisplayFor(int screenWidth, int screenHeight) {
  CDisplay d = Display;
  d.SelectMode(screenWidth, screenHeight);
  return d;
}

std::unique_ptr<TBitmap> Jpeg(const Tree& tree, const std::string& path, int width, int height, Problems& out) {
  std::unique_ptr<TBitmap> b;
  try {
    b.reset(NewBitmapFromJpeg(tree.Native(path)));
  } catch (const Exception& e) {
    out.push_back(path + ": does not load: " + Text(e));
    return nullptr;
  }
  if (b->PixelFormat() != pf24bit) {
    out.push_back(path + ": not 24-bit colour");
    return nullptr;
  }
  if (b->Width() != width || b->Height() != height) {
    out.push_back(path + ": " + Size(b->Width(), b->Height()) + ", wanted " + Size(width, height));
    return nullptr;
  }
  return b;
}

std::unique_ptr<TBitmap> GreyMask(const Tree& tree, const std::string& path, int width, int height, Problems& out) {
  auto b = Jpeg(tree, path, width, height, out);
  if (!b) return nullptr;
  for (int y = 0; y < b->Height(); ++y) {
    const std::uint8_t* row = b->ScanLine(y);
    for (int x = 0; x < b->Width(); ++x) {
      const std::uint8_t* p = row + 3 * x;
      if (p[0] != p[1] || p[1] != p[2]) {
        out.push_back(path + ": not grey at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
        return nullptr;
      }
    }
  }
  return b;
}

int Grey(const TBitmap& mask, int x, int y) { return mask.ScanLine(y)[3 * x]; }

namespace {
std::unique_ptr<CTransBitmap> Pair(const Tree& tree, const std::string& base, const char* ext, bool jpeg,
                                   Problems& out) {
  auto t = std::make_unique<CTransBitmap>();
  std::string black = tree.Native(base + "B" + ext), white = tree.Native(base + "W" + ext);
  try {
    if (jpeg)
      t->LoadBlackWhiteJpeg(black, white);
    else
      t->LoadBlackWhiteBmp(black, white);
  } catch (const Exception& e) {
    out.push_back(base + "B/W" + ext + ": pair does not load: " + Text(e));
    return nullptr;
  }
  if (!t->Colour || !t->Mask || t->Colour->Width() == 0 || t->Colour->Height() == 0) {
    out.push_back(base + "B/W" + ext + ": pair is empty");
    return nullptr;
  }
  return t;
}
}  // namespace

std::unique_ptr<CTransBitmap> JpegPair(const Tree& tree, const std::string& base, Problems& out) {
  return Pair(tree, base, ".xji", true, out);
}

std::unique_ptr<CTransBitmap> BmpPair(const Tree& tree, const std::string& base, Problems& out) {
  return Pair(tree, base, ".xbi", false, out);
}

int Alpha(const CTransBitmap& pair, int x, int y) { return pair.Mask->ScanLine(y)[x]; }

void ExpectAlpha(const CTransBitmap& pair, const std::string& what, int x, int y, int lo, int hi, Problems& out) {
  if (x < 0 || y < 0 || x >= pair.Mask->Width() || y >= pair.Mask->Height()) {
    out.push_back(what + ": point (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the picture");
    return;
  }
  int a = Alpha(pair, x, y);
  if (a < lo || a > hi)
    out.push_back(what + ": alpha " + std::to_string(a) + " at (" + std::to_string(x) + ", " + std::to_string(y) +
                  "), wanted " + std::to_string(lo) + ".." + std::to_string(hi));
}

void Background(const Tree& tree, const std::string& path, int screenWidth, int screenHeight, Problems& out) {
  CDisplay d = DisplayFor(screenWidth, screenHeight);
  std::string where = path + " on " + Size(screenWidth, screenHeight);
  std::unique_ptr<TBitmap> picture;
  try {
    picture.reset(NewBitmapFromJpeg(tree.Native(path)));
  } catch (const Exception& e) {
    out.push_back(where + ": does not load: " + Text(e));
    return;
  }
  if (picture->Width() < d.ArtWidth || picture->Height() < d.ArtHeight) {
    out.push_back(where + ": " + Size(picture->Width(), picture->Height()) + " does not cover the " +
                  Size(d.ArtWidth, d.ArtHeight) + " art");
    return;
  }
  TBitmap target;
  try {
    d.LoadBackground(&target, tree.Native(path));
  } catch (const Exception& e) {
    out.push_back(where + ": LoadBackground fails: " + Text(e));
    return;
  }
  if (target.Width() != screenWidth || target.Height() != screenHeight || target.PixelFormat() != pf24bit) {
    out.push_back(where + ": LoadBackground gives a wrong bitmap");
    return;
  }
  // The picture's corners land on the corners of the art, at the game area's origin.
  const int gx = d.GameArea.left, gy = d.GameArea.top, gw = d.ArtWidth, gh = d.ArtHeight;
  const int corners[4][2] = {{0, 0}, {gw - 1, 0}, {0, gh - 1}, {gw - 1, gh - 1}};
  for (const auto& c : corners)
    if (target.PixelColor(gx + c[0], gy + c[1]) != picture->PixelColor(c[0], c[1])) {
      out.push_back(where + ": LoadBackground does not place the picture at the game area");
      return;
    }
}

bool Overlap(const TRect& a, const TRect& b) { return !IntersectRects(a, b).IsEmpty(); }

std::string Describe(const TRect& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

}  // namespace datagen::checks
