#pragma once
// LZHUF encoding, for the build that packs the skin: LZSS over a 4096-byte ring buffer (matches found
// with a binary search tree per position) with the literals and match lengths coded by the adaptive
// Huffman tree and the match positions by the fixed position tables. LzhufDecode reverses it.

#include <cstdint>
#include <span>
#include <vector>

namespace tips::skin {

// The code stream for `data` (its last byte padded with zero bits).
std::vector<std::uint8_t> LzhufEncode(std::span<const std::uint8_t> data);

// A skin file: the u32 little-endian size of `data`, then its code. Throws std::length_error when
// `data` does not fit a u32 size.
std::vector<std::uint8_t> EncodeSkinFile(std::span<const std::uint8_t> data);

}  // namespace tips::skin
