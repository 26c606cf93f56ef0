// The keystream scrambler of the word-picture files.
//
// The key is compressed once with the MD5 compression function (one block,
// no padding) into four 32-bit words; the words, stepped by fixed constants
// after every 16 bytes, are combined with the data by exclusive-or. Applying
// the scrambler twice with the same key restores the data.
#pragma once
#include <array>
#include <cstdint>
#include <string>

using Md5State = std::array<std::uint32_t, 4>;
using Md5Block = std::array<std::uint32_t, 16>;

// The left rotation the file format is built on: the bits shifted in from the
// right are those of an arithmetic right shift, so a value with its top bit
// set gets ones in bits s..31. Unsigned operations only.
struct ArithmeticRotation {
  static constexpr std::uint32_t Rotl(std::uint32_t x, int s) {
    std::uint32_t r = (x << s) | (x >> (32 - s));
    if (x & 0x80000000u) r |= ~(0xFFFFFFFFu >> (32 - s));
    return r;
  }
};

// The ordinary rotation (plain MD5); used to check the round constants.
struct TrueRotation {
  static constexpr std::uint32_t Rotl(std::uint32_t x, int s) { return (x << s) | (x >> (32 - s)); }
};

// One MD5 compression of block into state (the result is added into state).
template <class Rotation>
void MD5TransformWith(Md5State& state, const Md5Block& block);
extern template void MD5TransformWith<ArithmeticRotation>(Md5State&, const Md5Block&);
extern template void MD5TransformWith<TrueRotation>(Md5State&, const Md5Block&);

// The compression the scrambler uses.
void MD5Transform(Md5State& state, const Md5Block& block);

// The keystream state for a key, before the first 16 bytes: the initial MD5
// values compressed once with the key block (the first 30 UTF-16 units of the
// key, zero-filled, and the key's full length in units in the last word).
Md5State KeystreamStart(const std::u16string& key);

// Scrambles or unscrambles length bytes of buffer in place; a length of 0 or
// less changes nothing.
void EncodeDecodeBuffor(const std::u16string& key, std::uint8_t* buffer, std::int32_t length);
// The same for buffers of any size (the keystream just goes on).
void EncodeDecodeBytes(const std::u16string& key, std::uint8_t* buffer, std::int64_t length);
