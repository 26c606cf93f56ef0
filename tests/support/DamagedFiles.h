// Files made damaged on purpose, for the tests of what the program refuses.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace testsupport {

// A JPEG's bytes with the size in its frame header changed.
inline std::vector<std::uint8_t> JpegDeclaringSize(std::vector<std::uint8_t> jpeg, int w, int h) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = std::uint8_t(h >> 8);
      jpeg[i + 6] = std::uint8_t(h);
      jpeg[i + 7] = std::uint8_t(w >> 8);
      jpeg[i + 8] = std::uint8_t(w);
      return jpeg;
    }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

}  // namespace testsupport
