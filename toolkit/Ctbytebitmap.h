// Coverage masks: one byte per pixel saying how strongly a solid colour
// covers it. They are the glyphs of the bitmap fonts.
//
// Two stream formats, all integers 32-bit little-endian:
//   "TBB1" width height, then width x height raw bytes;
//   "TBBs" width height S, then S bytes of run-length packed 7-bit levels.
#pragma once
#include <cstdint>

#include "platform/Classes.h"
#include "platform/Graphics.h"

class CTByteBitmap {
 public:
  // Most pixels a mask may have, and the largest side and packed size a stream may give.
  static constexpr std::int64_t MaxPixels = 8388608;
  static constexpr std::int32_t MaxSide = 100000;
  static constexpr std::int32_t MaxPacked = 8388608;

  CTByteBitmap() = default;
  ~CTByteBitmap() { Clear(); }
  CTByteBitmap(const CTByteBitmap&) = delete;
  CTByteBitmap& operator=(const CTByteBitmap&) = delete;

  int Width() const { return width; }
  int Height() const { return height; }
  // Row-major, top row first; null when the mask is empty.
  std::uint8_t* Pixels() { return pixels; }
  const std::uint8_t* Pixels() const { return pixels; }

  // Sets the size keeping the overlapping content; new pixels are 0. A size
  // above MaxPixels leaves the mask unchanged; a side below 1 empties it.
  void Resize(int width, int height);
  void Clear();

  // Reads one mask in either format from the stream's position, of at most
  // maxWidth x maxHeight. The mask is made only once the stream is known to
  // hold its data: raw pixels one byte each, the packed bytes the header
  // gives, and no more pixels than those can make (a run of two bytes makes
  // at most 258). Every fault gives false; exceptions of the stream itself pass on.
  bool LoadFromStream(TStream* stream, int maxWidth = MaxSide, int maxHeight = MaxSide);
  // The rest of a "TBBs" mask, after its magic.
  bool LoadPacked(TStream* stream, int maxWidth = MaxSide, int maxHeight = MaxSide);
  // Widens 7-bit levels in place: v becomes 2v, and 127 becomes 255.
  void ExpandLevels();

  // Blends the colour through the mask onto a 24- or 32-bit target with the
  // mask's top-left pixel at (x, y), clipped to clip (right and bottom
  // exclusive) and to the target. A target in the device format becomes
  // 24-bit first; any other format is left alone, with a beep (2000 Hz, 10 ms).
  void DrawMask(TBitmap* target, int x, int y, TColor colour, const TRect* clip, int opacity) const;

 private:
  static bool ReadSize(TStream* stream, int maxWidth, int maxHeight, std::int32_t& w, std::int32_t& h);

  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint8_t* pixels = nullptr;
};
