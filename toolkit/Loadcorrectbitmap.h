// Reading BMP picture files (".xbi").
#pragma once
#include <cstdint>
#include <string>

#include "platform/Graphics.h"

// Rewrites the image-size field of a 24-bit BMP held in memory to the true
// size of its pixel rows. Only a well-formed uncompressed 24-bit header that
// lies wholly inside the buffer is touched, and only with a size that fits.
void FixBmpSizeImage(std::uint8_t* buffer, std::int64_t size);

// Reads a BMP file into the bitmap. A missing file raises EFOpenError, an
// unreadable one EInvalidGraphic; the bitmap is then unchanged.
void LoadCorrectBitmap(TBitmap* bitmap, const std::string& fileName);
