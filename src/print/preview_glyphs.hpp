#pragma once
// The print preview window's toolbar images as the build embeds them (library
// tips_preview_glyphs_embedded, painted by assets/preview).

#include <cstdint>
#include <span>

namespace tips::print {

inline constexpr int kPreviewGlyphSize = 17;
inline constexpr int kPreviewGlyphCount = 7;

// A 24-bit bitmap file of 119 x 17 pixels: the seven images side by side in image-list order (first,
// previous, next, last, zoom, print, close). Magenta is transparent.
std::span<const std::uint8_t> PreviewGlyphStrip();

}  // namespace tips::print
