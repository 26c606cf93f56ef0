// Bitmaps and canvases.
//
// A bitmap keeps its pixels in memory, rows top-down and padded to 4 bytes,
// reached through ScanLine. 24-bit pixels are B,G,R; 32-bit pixels B,G,R,X;
// 8-bit pixels are palette indices. A new bitmap reports pfDevice and is
// stored as 32 bits per pixel.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle { bsSolid, bsClear };

// Raster operations honoured by Draw and CopyRect.
using TCopyMode = std::uint32_t;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;  // destination OR source
constexpr TCopyMode cmSrcAnd = 0x008800C6;    // destination AND source
constexpr TCopyMode cmSrcInvert = 0x00660046; // destination XOR source
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

struct TPaletteEntry {
  std::uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
};

struct TLogPalette {
  std::uint16_t palVersion = 0x300;
  std::uint16_t palNumEntries = 0;
  TPaletteEntry palPalEntry[256];
};

// A palette object; a bitmap given one owns it.
struct TPaletteObject {
  std::vector<TPaletteEntry> entries;
};
using HPALETTE = TPaletteObject*;
HPALETTE CreatePalette(const TLogPalette* lp);
void DeletePalette(HPALETTE p);
// The grey palette of 8-bit pictures: entry i is (i, i, i).
HPALETTE NewGreyPalette();

int BitsPerPixel(TPixelFormat pf);

class TCanvas;

// Something that can be drawn on a canvas.
class TGraphic : public TPersistent {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  virtual void DrawOn(TCanvas& canvas, int x, int y) const = 0;
};

class TJPEGImage;

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Size changes keep the top-left content; new area takes the canvas brush
  // colour (white unless it was changed). A width or height of 0 drops the content.
  void SetWidth(int w) { SetSize(w, height_); }
  void SetHeight(int h) { SetSize(width_, h); }
  void SetSize(int w, int h);

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat pf);  // converts the pixels
  TBitmapHandleType HandleType() const { return handleType_; }
  void SetHandleType(TBitmapHandleType t) { handleType_ = t; }

  HPALETTE Palette() const { return palette_.get(); }
  void SetPalette(HPALETTE p);  // takes ownership

  std::uint8_t* ScanLine(int y);  // row y, 0 is the top; raises for a row outside the bitmap
  const std::uint8_t* ScanLine(int y) const;
  int RowBytes() const { return stride_; }

  TCanvas* Canvas();

  void Assign(const TPersistent* source) override;  // TBitmap (deep copy) or TJPEGImage
  // Trades pictures (pixels, size, format, palette) with another bitmap, copying nothing;
  // each keeps its own canvas.
  void Exchange(TBitmap& other);
  void DrawOn(TCanvas& canvas, int x, int y) const override;

  // BMP files. Reading checks every size against the data it has; nothing in
  // the header is trusted. Raises EInvalidGraphic for anything it cannot read.
  void LoadFromStream(TStream* stream);  // from the current position to the end
  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  // At most kMaxPictureFileBytes, checked before reading (EReadError).
  void LoadFromFile(const std::string& fileName);
  // Writes 8-, 24- or 32-bit BMP (other formats as 24-bit), bottom-up.
  void SaveToStream(TStream* stream) const;
  void SaveToFile(const std::string& fileName) const;

  // The colour of one pixel as a TColor, decoded from any format (for checks and tests).
  TColor PixelColor(int x, int y) const;

 private:
  friend class TCanvas;
  void Reallocate(int w, int h, TPixelFormat pf, bool keep, TColor fill);
  TColor FillColor() const;

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  TBitmapHandleType handleType_ = bmDDB;
  std::vector<std::uint8_t> bits_;
  std::unique_ptr<TPaletteObject> palette_;
  std::unique_ptr<TCanvas> canvas_;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
};

// Draws on one bitmap: a bitmap's own canvas, or the retained surface of a window.
class TCanvas : public TObject {
 public:
  explicit TCanvas(TBitmap* surface) : surface_(surface) {}

  TBrush Brush;
  TPen Pen;
  TCopyMode CopyMode = cmSrcCopy;

  TBitmap* Surface() const { return surface_; }

  // A canvas may be a view of part of its surface: coordinates are moved by
  // the origin and drawing is limited to the clip rectangle (in surface
  // coordinates). Child controls draw on their window this way, and painting
  // is limited to the part of a window that needs it.
  void SetOrigin(TPoint origin) { origin_ = origin; }
  TPoint Origin() const { return origin_; }
  void SetClipRect(const TRect& clip) { clip_ = clip; clipped_ = true; }
  void ResetClip() { clipped_ = false; }
  // The rectangle given to SetClipRect, while it is in force.
  bool HasClipRect() const { return clipped_; }
  const TRect& SurfaceClipRect() const { return clip_; }
  // The clip in canvas coordinates (the whole surface when not clipped).
  TRect ClipRect() const;

  // An opaque copy of the whole graphic with its top-left at (x, y), in CopyMode.
  void Draw(int x, int y, const TGraphic* graphic);
  // Copies source rectangle to destination rectangle in CopyMode, stretching
  // when the sizes differ. Both are clipped: nothing outside either bitmap is
  // read or written, and destination pixels whose source lies outside stay as they were.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);  // the end point itself is not drawn
  TPoint PenPos() const { return penPos_; }

  TColor GetPixel(int x, int y) const;  // -1 outside the surface
  void SetPixel(int x, int y, TColor c);

  // Told about every rectangle (in surface coordinates) that a drawing call
  // may have changed; window surfaces use it to bring the screen up to date.
  std::function<void(const TRect&)> OnChange;

  // Copies between bitmaps, shared by Draw and CopyRect. Writes only inside
  // dstClip (when given) and the destination; reads only inside the source.
  static void Blit(TBitmap* dst, const TRect& dstRect, const TBitmap* src, const TRect& srcRect, TCopyMode mode,
                   const TRect* dstClip = nullptr);

 private:
  void Changed(const TRect& surfaceRect);
  TRect SurfaceClip() const;  // clip rectangle and surface bounds, in surface coordinates

  TBitmap* surface_;
  TPoint penPos_{};
  TPoint origin_{};
  TRect clip_{};
  bool clipped_ = false;
};
