#pragma once
// The layout of the stored `SkinStream` property: a u32 little-endian length n, then the n bytes of a
// skin file (n = 0: no skin). Written back the same way.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tips::skin {

struct SkinStreamView {
    std::span<const std::uint8_t> skinFile;  // inside the bytes given to ReadSkinStream
    std::size_t consumed = 0;                 // 4 + n
};

// Reads the property from the front of `bytes` (more may follow). Throws ESkinFormatError when the
// length field or the n bytes it announces are not all there.
SkinStreamView ReadSkinStream(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> skinFile);

}  // namespace tips::skin
