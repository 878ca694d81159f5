#pragma once
// The pieces of a skinned scroll bar for its range, page and position: two arrows, the track between
// them and the thumb, placed as the system places them.

#include "platform/view_geometry.hpp"

namespace tips::skin {

using platform::TViewRect;

enum class TScrollOrientation { Horizontal, Vertical };

struct TScrollRange {
    int Min = 0;
    int Max = 100;
    int Page = 0;
    int Pos = 0;
};

struct TScrollBarParts {
    TViewRect Bar;
    TViewRect FirstArrow;   // left or up
    TViewRect SecondArrow;  // right or down
    TViewRect Track;        // between the arrows
    TViewRect Thumb;        // empty when there is none
};

// Bars of 10000 pixels or more are not skinned (a window in the middle of being laid out).
bool ScrollBarSizeSane(const TViewRect& bar);

// Each arrow is `arrowLength` long, or half the bar when the bar is shorter than two arrows. The thumb
// shows only when the range exceeds the page: its length is the track's share of the page (at least
// `minThumb`, the arrow length with no page), its place the position's share of what is left; no thumb
// when it does not fit the track.
TScrollBarParts LayoutScrollBar(TScrollOrientation orientation, const TViewRect& bar, int arrowLength,
                                const TScrollRange& range, int minThumb = 8);

}  // namespace tips::skin
