#include "toolkit/Encodedecodebuffor.h"

#include <algorithm>

#include "platform/Endian.h"

namespace {

constexpr std::uint32_t kT[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

constexpr Md5State kInitial = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};

// Steps of the state after each 16 bytes, modulo 2^32.
constexpr std::uint32_t kStep0 = 0x2C6E1B47u;
constexpr std::uint32_t kStep1 = 0xD94A7F13u;  // subtracted
constexpr std::uint32_t kStep2 = 0x5B18E2A6u;
constexpr std::uint32_t kStep3 = 0x3E7C90D5u;  // subtracted

}  // namespace

template <class Rotation>
void MD5TransformWith(Md5State& state, const Md5Block& x) {
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  for (int i = 0; i < 64; ++i) {
    const int round = i / 16;
    std::uint32_t f;
    int k;
    switch (round) {
      case 0: f = (b & c) | (~b & d); k = i; break;
      case 1: f = (b & d) | (c & ~d); k = (1 + 5 * i) % 16; break;
      case 2: f = b ^ c ^ d; k = (5 + 3 * i) % 16; break;
      default: f = c ^ (b | ~d); k = (7 * i) % 16; break;
    }
    std::uint32_t sum = a + f + x[std::size_t(k)] + kT[i];
    a = d;
    d = c;
    c = b;
    b = b + Rotation::Rotl(sum, kShift[round][i % 4]);
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

template void MD5TransformWith<ArithmeticRotation>(Md5State&, const Md5Block&);
template void MD5TransformWith<TrueRotation>(Md5State&, const Md5Block&);

void MD5Transform(Md5State& state, const Md5Block& block) { MD5TransformWith<ArithmeticRotation>(state, block); }

Md5State KeystreamStart(const std::u16string& key) {
  std::uint8_t bytes[64] = {};
  const std::size_t units = std::min<std::size_t>(key.size(), 30);
  for (std::size_t i = 0; i < units; ++i) {
    bytes[2 * i] = std::uint8_t(key[i]);
    bytes[2 * i + 1] = std::uint8_t(key[i] >> 8);
  }
  PutLe32(bytes + 60, std::uint32_t(key.size()));
  Md5Block block;
  for (std::size_t i = 0; i < 16; ++i) block[i] = GetLe32(bytes + 4 * i);
  Md5State s = kInitial;
  MD5Transform(s, block);
  return s;
}

void EncodeDecodeBytes(const std::u16string& key, std::uint8_t* buffer, std::int64_t length) {
  if (length <= 0 || !buffer) return;
  Md5State s = KeystreamStart(key);
  std::uint8_t* p = buffer;
  for (std::int64_t blocks = length / 16; blocks > 0; --blocks, p += 16) {
    for (std::size_t w = 0; w < 4; ++w) PutLe32(p + 4 * w, GetLe32(p + 4 * w) ^ s[w]);
    s[0] += kStep0;
    s[1] -= kStep1;
    s[2] += kStep2;
    s[3] -= kStep3;
  }
  std::uint8_t tail[16];
  for (std::size_t w = 0; w < 4; ++w) PutLe32(tail + 4 * w, s[w]);
  for (std::int64_t i = 0; i < length % 16; ++i) p[i] ^= tail[i];
}

void EncodeDecodeBuffor(const std::u16string& key, std::uint8_t* buffer, std::int32_t length) {
  EncodeDecodeBytes(key, buffer, length);
}
