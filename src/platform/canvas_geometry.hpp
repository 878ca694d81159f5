#pragma once
// Points and the logical-to-device mapping of a canvas. Painters draw in logical units; a canvas
// turns them into device pixels by its mapping, which is the identity unless someone sets another
// (the print preview draws printer pixels scaled onto a window this way).

#include <stdexcept>

#include "platform/view_geometry.hpp"

namespace tips::platform {

struct TViewPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TViewPoint&, const TViewPoint&) = default;
};

// Per axis, as Windows' anisotropic mapping mode has it:
//   device = (logical - WindowOrigin) * ViewportExtent / WindowExtent + ViewportOrigin,
// rounded to the nearest pixel. Extents may be negative (to flip an axis) but never 0.
struct TMapping {
    TViewPoint WindowOrigin;
    TViewSize WindowExtent{1, 1};
    TViewPoint ViewportOrigin;
    TViewSize ViewportExtent{1, 1};

    // Whether logical and device units are the same size (only the origins may move).
    bool Unscaled() const { return WindowExtent == ViewportExtent; }
    TViewPoint ToDevice(TViewPoint logical) const;
    // Throws std::invalid_argument for an extent of 0.
    void Validate() const;

    friend bool operator==(const TMapping&, const TMapping&) = default;
};

// The mapping of a freshly made canvas: one logical unit is one pixel, origins at 0.
inline constexpr TMapping kIdentityMapping{};

}  // namespace tips::platform
