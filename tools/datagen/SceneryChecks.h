// Checks of generated pictures through the program's own loaders: JPEG and
// BMP pictures, grey masks, black/white picture pairs and window backgrounds.
// Every function adds what it finds wrong to a list of problems and returns
// null or false when the picture could not be used at all.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransbitmap.h"
#include "tools/datagen/Tree.h"

namespace datagen::checks {

using Problems = std::vector<std::string>;

// The display as the program would set it up on a screen of w x h.
CDisplay DisplayFor(int screenWidth, int screenHeight);

// A ".xji" picture through NewBitmapFromJpeg: 24-bit colour, of the size given.
std::unique_ptr<TBitmap> Jpeg(const Tree& tree, const std::string& path, int width, int height, Problems& out);
// A grey mask: a colour JPEG of the size given whose pixels are all grey.
std::unique_ptr<TBitmap> GreyMask(const Tree& tree, const std::string& path, int width, int height, Problems& out);
// The grey level of a mask pixel as the program reads it (the first byte).
int Grey(const TBitmap& mask, int x, int y);

// A picture pair through CTransBitmap::LoadBlackWhiteJpeg (base + "B.xji",
// base + "W.xji") or LoadBlackWhiteBmp (".xbi"); null when it does not load.
std::unique_ptr<CTransBitmap> JpegPair(const Tree& tree, const std::string& base, Problems& out);
std::unique_ptr<CTransBitmap> BmpPair(const Tree& tree, const std::string& base, Problems& out);
// The alpha of a loaded pair at a pixel.
int Alpha(const CTransBitmap& pair, int x, int y);
// Adds a problem unless the alpha at (x, y) lies within [lo, hi].
void ExpectAlpha(const CTransBitmap& pair, const std::string& what, int x, int y, int lo, int hi, Problems& out);

// Loads a window background through CDisplay::LoadBackground on a screen of
// w x h and checks that it covers the art (in the 1280x1024 game area the
// art fills the top 960 rows).
void Background(const Tree& tree, const std::string& path, int screenWidth, int screenHeight, Problems& out);

// Whether two rectangles share a pixel.
bool Overlap(const TRect& a, const TRect& b);
std::string Describe(const TRect& r);

}  // namespace datagen::checks
