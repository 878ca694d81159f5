#pragma once
// What a layout needs to know about the device it lays text out on: the size of the area and the
// size of a character cell, in that device's pixels. A window answers for its client area and screen
// font; a printer can answer for a page and its own resolution without any window behind it.

#include "platform/color.hpp"
#include "platform/view_geometry.hpp"

namespace tips::platform {

class TViewMetrics {
public:
    virtual ~TViewMetrics() = default;

    virtual TViewSize ClientSize() const = 0;
    // Advance and height in device pixels of one character cell of the layout's font in the given style.
    virtual TViewSize CharacterCell(TFontStyles style) const = 0;
};

}  // namespace tips::platform
