#pragma once
// Where a container puts its children when its client area changes size. Aligned children stack against
// the edges in the order top, bottom, left, right and then fill what is left; the others keep the distances
// to the edges they are anchored to, measured when they were placed.

#include <vector>

#include "platform/view_port.hpp"

namespace tips::widgets {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors kDefaultAnchors = akLeft | akTop;
constexpr TAnchors kAllAnchors = akLeft | akTop | akRight | akBottom;

// The anchors a child gets when it is aligned: the edges it sticks to.
constexpr TAnchors AnchorsOf(TAlign align) {
    switch (align) {
        case TAlign::alTop: return akLeft | akTop | akRight;
        case TAlign::alBottom: return akLeft | akRight | akBottom;
        case TAlign::alLeft: return akLeft | akTop | akBottom;
        case TAlign::alRight: return akTop | akRight | akBottom;
        case TAlign::alClient: return kAllAnchors;
        case TAlign::alNone: break;
    }
    return kDefaultAnchors;
}

// A child as it was placed: its rectangle in a parent whose client area had the size `parent`.
struct TPlacement {
    TAlign align = TAlign::alNone;
    TAnchors anchors = kDefaultAnchors;
    platform::TViewRect bounds;
    platform::TViewSize parent;
};

// The rectangles of the children, in the order given, for a client area of size `client`.
//
// An aligned child keeps its designed thickness across the edge it sticks to, except that an anchor on
// the opposite side keeps that side's designed distance instead (a bottom-aligned area anchored at the
// top grows with the window). An unaligned child anchored on both sides of an axis stretches, one anchored
// on the far side only moves with it, and one anchored on neither keeps its centre in proportion.
std::vector<platform::TViewRect> AlignChildren(platform::TViewSize client, const std::vector<TPlacement>& children);

}  // namespace tips::widgets
