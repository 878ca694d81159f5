#pragma once
// The seven 17 x 17 pictures of the print preview window's toolbar, painted from code, in the order
// of its image list: first page, previous page, next page, last page, zoom, print, close. Magenta is
// transparent.

#include <vector>

#include "skin_canvas.hpp"

namespace tips::print::glyphs {

inline constexpr int kPreviewGlyphSize = 17;
inline constexpr int kPreviewGlyphCount = 7;

// The images in image-list order, each 17 x 17.
std::vector<skin::art::SkinCanvas> paintPreviewGlyphs();

// All of them side by side: 119 x 17, the strip an image list is made from.
skin::art::SkinCanvas previewGlyphStrip();

}  // namespace tips::print::glyphs
