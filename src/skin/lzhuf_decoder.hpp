#pragma once
// LZHUF decoding: a code stream back into the bytes it stands for, and the skin file wrapper
// (u32 little-endian decoded size, then the code).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tips::skin {

// How many zero bytes past the end of the code the decoder supplies before it calls the code truncated.
// A well-formed code never needs them; a writer that drops its last partial byte needs at most two.
inline constexpr std::size_t kLzhufBytesPastEnd = 8;

// Decodes until `decodedSize` bytes have been produced (a match that would run past it is cut).
// Bits are read most significant first; past the end of `code` they are zeros, up to
// kLzhufBytesPastEnd bytes' worth, after which ESkinFormatError is thrown: that bounds the work and the
// memory a short code with an absurd stated size can demand.
std::vector<std::uint8_t> LzhufDecode(std::span<const std::uint8_t> code, std::uint32_t decodedSize);

// Decodes a skin file: the first four bytes give the decoded size, the rest is the code.
// Throws ESkinFormatError when the file is shorter than its size field.
std::vector<std::uint8_t> DecodeSkinFile(std::span<const std::uint8_t> file);

}  // namespace tips::skin
