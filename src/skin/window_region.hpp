#pragma once
// The window region of a skinned window: the whole window when no border piece is drawn with
// transparency (the embedded skin), otherwise the window less the magenta pixels of its transparent
// pieces, with the client area and the menu bar always kept.

#include <vector>

#include "platform/view_geometry.hpp"
#include <optional>

#include "skin/frame_layout.hpp"
#include "skin/nine_slice.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

struct TWindowRegion {
    bool WholeWindow = true;
    std::vector<TViewRect> Rects;  // their union, when not the whole window; rows of opaque runs
};

// The slice a border piece draws in a window of the given activation (frame 1 active or with one
// frame, else 2; Top and Bottom stack their frames).
std::optional<TNineSlice> BorderPieceSlice(const TSkinBorderElement& piece, bool vertical, bool active);

// Also the bottom piece counts: a magenta bottom edge is as visible as a magenta side.
TWindowRegion WindowRegionFor(const TSkinData& skin, const TFrameLayout& layout);

}  // namespace tips::skin
