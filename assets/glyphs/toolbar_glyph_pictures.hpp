#pragma once
// The pictures of the main window's four toolbar buttons, painted from code. Each button's glyph holds
// two 16 x 16 images side by side: the normal one and the disabled one, a grey embossed copy of it.
// Magenta is transparent, and the bottom-left pixel of every image is magenta, since the button takes
// its transparent colour from there.

#include <string>
#include <vector>

#include "skin_canvas.hpp"

namespace tips::app::glyphs {

using skin::Rgb;
using skin::art::SkinCanvas;

inline constexpr int kGlyphSize = 16;
inline constexpr Rgb kEmbossHighlight{255, 255, 255};
inline constexpr Rgb kEmbossShadow{128, 128, 128};

struct ToolbarGlyphPicture {
    std::string name;    // "print", "cut", "copy", "paste"
    SkinCanvas normal;   // 16 x 16
};

// The four normal images, in the order of the buttons on the toolbar.
std::vector<ToolbarGlyphPicture> paintToolbarGlyphs();

// Whether a pixel of a normal image is ink: dark enough to leave a trace in the disabled image.
bool isInk(Rgb colour);

// The disabled image: every ink pixel becomes shadow grey over a white copy one pixel down and to the
// right; everything else turns transparent.
SkinCanvas embossedImage(const SkinCanvas& normal);

// The normal image, then the disabled one beside it: 32 x 16.
SkinCanvas twoImageGlyph(const SkinCanvas& normal);

}  // namespace tips::app::glyphs
