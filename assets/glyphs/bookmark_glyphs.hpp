#pragma once
// The editor's built-in bookmark glyphs: ten raised light-grey tiles of 11 x 14 pixels side by side,
// tile i showing the digit i in black. Painted here from code; the editor loads the bitmap once per
// process.

#include "platform/bitmap.hpp"

namespace tips::glyphs {

inline constexpr int kBookmarkGlyphCount = 10;
inline constexpr int kBookmarkGlyphWidth = 11;
inline constexpr int kBookmarkGlyphHeight = 14;
inline constexpr const char* kBookmarkGlyphsName = "CodeEditInternalImages";

// 110 x 14 pixels named "CodeEditInternalImages".
platform::TBitmap PaintBookmarkGlyphs();

}  // namespace tips::glyphs
