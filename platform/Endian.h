// Little-endian integers in byte buffers and streams: the byte order of
// every file format the program reads and writes.
#pragma once
#include <cstdint>

#include "platform/Classes.h"

inline std::uint16_t GetLe16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

inline std::uint32_t GetLe32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

inline void PutLe16(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
}

inline void PutLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

// A signed 32-bit value from the stream's position; false when fewer than 4 bytes are left.
inline bool ReadLe32(TStream* stream, std::int32_t& value) {
  std::uint8_t b[4];
  if (stream->Read(b, 4) != 4) return false;
  value = std::int32_t(GetLe32(b));
  return true;
}
