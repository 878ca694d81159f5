#pragma once
// The about box's picture, painted from code: the product's name over a deep blue ramp, a light bulb
// for the tips, and a little code window with Visual Basic keywords coloured as the editor shows them.

#include <string_view>
#include <vector>

#include "skin_canvas.hpp"

namespace tips::app::about {

using skin::Rgb;
using skin::art::SkinCanvas;

inline constexpr int kPictureWidth = 300;
inline constexpr int kPictureHeight = 164;

inline constexpr std::string_view kProductName = "Tolvanec";
inline constexpr std::string_view kProductSubtitle = "para vb6";

// The whole picture, every pixel opaque.
SkinCanvas paintAboutPicture();

// The colour the code window gives each character of a line of Visual Basic: keywords, comments and
// string literals apart from the rest (blanks included, so the result is as long as the line).
std::vector<Rgb> codeColours(std::string_view line);

}  // namespace tips::app::about
