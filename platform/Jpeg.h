// JPEG pictures, decoded and encoded with libjpeg-turbo.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Graphics.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  // Decode by content, whatever the file is called. Colour pictures become
  // 24-bit, one-component pictures 8-bit with the grey palette. A file that
  // cannot be opened raises EFOpenError, one larger than kMaxPictureFileBytes
  // EReadError; data that is not a readable JPEG raises EJPEG. After a failure
  // the image is empty.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(TStream* stream);  // from the current position to the end
  void LoadFromMemory(const std::uint8_t* data, std::size_t size, int minWidth = 0, int minHeight = 0);
  // With a size given, a picture that libjpeg can reduce exactly (by 1/8 to
  // 7/8) to no less than minWidth x minHeight is decoded at the smallest
  // such scale, for a caller that resamples it to that size anyway.

  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  bool Grayscale() const { return bitmap_.PixelFormat() == pf8bit; }
  void DrawOn(TCanvas& canvas, int x, int y) const override;
  void Assign(const TPersistent* source) override;

  const TBitmap& Bitmap() const { return bitmap_; }
  // Hands the picture over to target without copying it; the image is empty afterwards.
  void TakeBitmap(TBitmap* target);

 private:
  TBitmap bitmap_;
};

// Encodes an 8-, 24- or 32-bit bitmap. With fullChroma the colour is not
// subsampled, so sharp colour edges (and alpha derived from two renders) survive.
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality, bool fullChroma);
