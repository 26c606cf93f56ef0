// Bitmap utilities, transparent bitmaps and alpha compositing.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Graphics.h"
#include "platform/SysUtils.h"

// ---- bitmap utilities ----

// Complements the colour bytes of a 24- or 32-bit bitmap (the fourth byte of
// a 32-bit pixel is kept) or every byte of an 8-bit one; other formats are left alone.
void InvertBitmap(TBitmap* bitmap);
// Gives the bitmap the grey palette: entry i is (i, i, i).
void SetGreyPalette(TBitmap* bitmap);
// Replaces the bitmap in the slot by an 8-bit grey bitmap of its luminance.
void ToGrey8(TBitmap*& bitmap);
// Makes the bitmap an 8-bit grey bitmap of width x height filled with value.
void FillGrey8(TBitmap* bitmap, int width, int height, std::uint8_t value);
TBitmap* NewGrey8Bitmap(int width, int height, std::uint8_t value);
// A new 24-bit bitmap; its pixels are white.
TBitmap* NewBitmap24(int width, int height);
// Drops the content and makes the bitmap 24-bit of width x height.
void ResizeBitmap24(TBitmap* bitmap, int width, int height);
// ResizeBitmap24 on the bitmap in the slot, or a new one stored there.
TBitmap* EnsureBitmap24(TBitmap*& slot, int width, int height);
// Decodes a JPEG file into a new 24-bit bitmap; failures pass on as Exception.
TBitmap* NewBitmapFromJpeg(const std::string& fileName);
// The same into the caller's bitmap, which ends 24-bit.
void LoadJpegIntoBitmap(TBitmap* bitmap, const std::string& fileName);

// ---- transparent bitmaps ----

// Error codes of ETransBitmap.
constexpr std::uint8_t berrUnknown = 1;
constexpr std::uint8_t berrFileOpen = 2;
constexpr std::uint8_t berrFileCreate = 3;
constexpr std::uint8_t berrBroken = 4;
constexpr std::uint8_t berrUnknownType = 5;
constexpr std::uint8_t berrLoad = 6;
constexpr std::uint8_t berrSave = 7;
constexpr std::uint8_t berrSize = 8;
constexpr std::uint8_t berrRead = 9;
constexpr std::uint8_t berrWrite = 10;
constexpr std::uint8_t berrClose = 11;
constexpr std::uint8_t berrWidth = 12;
constexpr std::uint8_t berrHeight = 13;
constexpr std::uint8_t berrFormat = 14;
constexpr std::uint8_t berrEmpty = 15;
constexpr std::uint8_t berrBadIndex = 16;
constexpr std::uint8_t berrPixelFormat = 17;
constexpr std::uint8_t berrDifferentType = 18;

// The text of an error code ("CTransBitmap, Błąd berrLoad"), code page 1250.
std::string TransBitmapErrorText(std::uint8_t code);
// The text, followed by ", Plik: " and the file name when the name is not empty.
std::string TransBitmapErrorMessage(std::uint8_t code, const std::string& fileName);

// A picture pair that could not be loaded.
class ETransBitmap : public Exception {
 public:
  explicit ETransBitmap(std::uint8_t code);
  ETransBitmap(std::uint8_t code, const std::string& fileName);
  ETransBitmap(const ETransBitmap&) = default;

  std::uint8_t Code;
};

// Derives a colour picture (24-bit) and an alpha mask (8-bit grey) from one
// picture rendered on black and on white. False, with colour and mask
// untouched, when the renders differ in size or are not both 24-bit.
bool AlphaFromBlackWhite(TBitmap* black, TBitmap* white, TBitmap* colour, TBitmap* mask);

// A colour picture with an alpha mask of the same size, and the bitmap its
// last composition went into. The object owns all three bitmaps.
class CTransBitmap {
 public:
  CTransBitmap() = default;
  ~CTransBitmap();
  CTransBitmap(const CTransBitmap&) = delete;
  CTransBitmap& operator=(const CTransBitmap&) = delete;

  TBitmap* Cache = nullptr;   // 24-bit, Colour's size
  TBitmap* Colour = nullptr;  // 24-bit, not pre-multiplied
  TBitmap* Mask = nullptr;    // 8-bit grey: 0 transparent, 255 opaque

  // Deletes Cache, Colour and Mask.
  void Clear();
  // An independent copy of the source's Colour and Mask; the own cache goes.
  void Assign(const CTransBitmap& source);
  // Takes over the bitmap (which may be null) as the mask: made grey when it
  // is not 8-bit, and cut or widened with transparent pixels to Colour's size.
  void SetMask(TBitmap* mask);
  // A new white 24-bit Colour of the mask's size (nothing without a mask).
  void CreateColourForMask();
  // A white picture of width x height whose mask is alpha everywhere.
  void Create(int width, int height, std::uint8_t alpha);

  // Picture pairs: the render on black first, the render on white second.
  // Both raise ETransBitmap. The BMP loader empties the object first; the
  // JPEG loader keeps the old pictures when it fails.
  void LoadBlackWhiteBmp(const std::string& blackFile, const std::string& whiteFile);
  void LoadBlackWhiteJpeg(const std::string& blackFile, const std::string& whiteFile);
  // LoadBlackWhiteJpeg with its failures as a result: 0 when loaded, else the
  // error code (berrUnknown for any other Exception), what failed then said
  // on standard error.
  std::uint8_t TryLoadBlackWhiteJpeg(const std::string& blackFile, const std::string& whiteFile);

  // Blends colour through mask over the background at (bgx, bgy) into Cache,
  // which is made or resized to colour's size. Nothing is composed when an
  // operand is missing or unusable, or the mask's size is not the colour's.
  void Compose(TBitmap* colour, TBitmap* mask, TBitmap* background, int bgx, int bgy, int opacity);
  // Composes the own picture over what the canvas shows at (x, y).
  void ComposeOverCanvas(TCanvas* canvas, int x, int y, int opacity);
  // ComposeOverCanvas, then Cache drawn at (x, y); Cache deleted if asked.
  void Draw(TCanvas* canvas, int x, int y, int opacity, bool freeCache);
};

// ---- alpha compositing ----
//
// Per pixel the weight is ((m * (opacity + 1)) >> 8) + 1 (m + 1 at full
// opacity), and each channel moves from the background b toward the colour c
// by |c - b| * weight / 256, truncated toward b. Only the first three bytes
// of a pixel are read or written.

// Picture pixel (i, j) within the clip rectangle (picture coordinates) makes
// destination pixel (x + i, y + j) from background pixel (bgx + i, bgy + j).
// The background may be the destination itself at the same position.
void Composite(TBitmap* destination, int x, int y, TBitmap* colour, TBitmap* mask, const TRect* clip,
               TBitmap* background, int bgx, int bgy, int opacity);
// The same with one colour (0x00BBGGRR) over the whole mask; nothing for opacity < 1.
void TintThroughMask(TBitmap* destination, int x, int y, TBitmap* mask, TColor colour, TBitmap* background,
                     int bgx, int bgy, int opacity);

// For tests and benchmarks: the blend loops. Plain code; AVX2; AVX-512
// (with byte permutes) 16 pixels at a time on 32-bit destinations, AVX2 on
// 24-bit ones. The best the processor has are used unless fewer are asked for.
enum class BlendLoops { Plain, Avx2, Avx512 };
BlendLoops BestBlendLoops();
void UseBlendLoops(BlendLoops loops);
