#pragma once
// Our own skin as the build embeds it (library tips_skin_embedded, generated from assets/skin).

#include <cstdint>
#include <span>

namespace tips::skin {

// The main window's stored `SkinStream` property: a u32 little-endian length, then the skin file
// (u32 decoded size and the LZHUF code of the archive).
std::span<const std::uint8_t> EmbeddedSkinStream();

}  // namespace tips::skin
