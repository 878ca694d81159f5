#pragma once
// How a splitter bar looks, as a list of drawing primitives in the panel's client coordinates, in the
// order they are drawn. The window draws them with GDI; tests read them.

#include <variant>
#include <vector>

#include "platform/color.hpp"
#include "platform/view_port.hpp"
#include "widgets/splitter_bar.hpp"

namespace tips::widgets {

inline constexpr platform::TColor clBtnShadow = platform::clSystemColor + 16;
inline constexpr platform::TColor kGripFrameGray = 0x808080;

// The Windows edge of the bar's BorderStyle round `Bounds`.
struct TSplitterEdgeOp {
    platform::TViewRect Bounds;
    TExtBarBorderStyle Style = TExtBarBorderStyle::lsNone;
    friend bool operator==(const TSplitterEdgeOp&, const TSplitterEdgeOp&) = default;
};
struct TSplitterFillOp {
    platform::TViewRect Bounds;
    platform::TColor Color = 0;
    friend bool operator==(const TSplitterFillOp&, const TSplitterFillOp&) = default;
};
// A one-pixel outline just inside `Bounds`.
struct TSplitterFrameOp {
    platform::TViewRect Bounds;
    platform::TColor Color = 0;
    friend bool operator==(const TSplitterFrameOp&, const TSplitterFrameOp&) = default;
};
// A one-pixel line from `From` up to but excluding `To`.
struct TSplitterLineOp {
    TSplitterPoint From;
    TSplitterPoint To;
    platform::TColor Color = 0;
    friend bool operator==(const TSplitterLineOp&, const TSplitterLineOp&) = default;
};
// Destination AND an 8 x 8 checkerboard: white where x and y have the same parity, black elsewhere
// (pattern aligned to the client origin), so every other pixel turns black.
struct TSplitterCheckerAndOp {
    platform::TViewRect Bounds;
    friend bool operator==(const TSplitterCheckerAndOp&, const TSplitterCheckerAndOp&) = default;
};
struct TSplitterPixelOp {
    TSplitterPoint At;
    platform::TColor Color = 0;
    friend bool operator==(const TSplitterPixelOp&, const TSplitterPixelOp&) = default;
};
// A triangle filled and outlined in `Color`, its edges included.
struct TSplitterTriangleOp {
    TSplitterPoint Tip;
    TSplitterPoint Base1;
    TSplitterPoint Base2;
    platform::TColor Color = 0;
    friend bool operator==(const TSplitterTriangleOp&, const TSplitterTriangleOp&) = default;
};

using TSplitterPaintOp = std::variant<TSplitterEdgeOp, TSplitterFillOp, TSplitterFrameOp, TSplitterLineOp,
                                      TSplitterCheckerAndOp, TSplitterPixelOp, TSplitterTriangleOp>;

struct TSplitterBarPicture {
    std::vector<TSplitterPaintOp> Ops;
    // Where the grip button is (empty for a bar without one); the bar keeps it for clicks and hover.
    platform::TViewRect GripButton;
};

// The picture of `bar` inside `barRect`. `background` fills a transparent bar instead of its Color.
TSplitterBarPicture PaintSplitterBar(const TExtSplitterBarItem& bar, const platform::TViewRect& barRect,
                                     platform::TColor background);

}  // namespace tips::widgets
