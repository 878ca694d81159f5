#pragma once
// The about box's picture as the build embeds it (library tips_about_embedded, painted by assets/about).

#include <cstdint>
#include <span>

namespace tips::app {

// A 24-bit bitmap file of 300 x 164 pixels, every pixel opaque.
std::span<const std::uint8_t> AboutPictureBitmap();

}  // namespace tips::app
