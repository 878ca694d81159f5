#pragma once
// The glyphs of the main window's toolbar buttons as the build embeds them (library
// tips_glyphs_embedded, painted by assets/glyphs).

#include <cstddef>
#include <cstdint>
#include <span>

namespace tips::app {

enum class TToolbarGlyph { tgPrint, tgCut, tgCopy, tgPaste };

// A 24-bit bitmap file of 32 x 16 pixels: the normal image, then the disabled one beside it (a glyph
// with two images). Magenta, the colour of the bottom-left pixel, is transparent.
std::span<const std::uint8_t> ToolbarGlyphBitmap(TToolbarGlyph glyph);

}  // namespace tips::app
