#include "widgets/splitter_bar_painter.hpp"

#include <algorithm>

namespace tips::widgets {

using platform::TViewRect;

namespace {

constexpr int kGripLength = 50;
constexpr int kEdgeWidth = 2;

int WidthOf(const TViewRect& r) { return r.Right - r.Left; }
int HeightOf(const TViewRect& r) { return r.Bottom - r.Top; }

bool Raised(TExtResizeButtonStyle style) {
    return style == TExtResizeButtonStyle::rbsGripOnly || style == TExtResizeButtonStyle::rbsGripWithArrows;
}

bool WithArrows(TExtResizeButtonStyle style) {
    return style == TExtResizeButtonStyle::rbsGripWithArrows || style == TExtResizeButtonStyle::rbsFlatGripWithArrows;
}

TViewRect GripButtonIn(const TViewRect& bar, bool horizontal) {
    TViewRect grip = bar;
    if (horizontal) {
        grip.Left = bar.Left + WidthOf(bar) / 2 - kGripLength / 2;
        grip.Right = grip.Left + kGripLength;
    } else {
        grip.Top = bar.Top + HeightOf(bar) / 2 - kGripLength / 2;
        grip.Bottom = grip.Top + kGripLength;
    }
    grip.Left = std::max(grip.Left, bar.Left);
    grip.Top = std::max(grip.Top, bar.Top);
    grip.Right = std::min(grip.Right, bar.Right);
    grip.Bottom = std::min(grip.Bottom, bar.Bottom);
    return grip;
}

// Spacing of the grip's dots, from the height of the bar as it was after its edge.
int DotPitch(const TViewRect& bar) {
    const int height = HeightOf(bar);
    if (height - 4 >= 4) return 4;
    return height > 2 ? height - 2 : 1;
}

void AddArrows(std::vector<TSplitterPaintOp>& ops, const TExtSplitterBarItem& bar, const TViewRect& b, int x, int y,
               int d) {
    const bool towardStart = (bar.ResizeDirection() == TExtSplitterJump::sjUpLeft) != bar.Collapsed();
    const int half = d / 2;
    if (bar.Horizontal()) {
        if (towardStart) {  // pointing up
            ops.push_back(TSplitterTriangleOp{{b.Left + half, y - half + 1}, {b.Left, y + 1}, {b.Left + d, y + 1}, platform::clBlack});
            ops.push_back(TSplitterTriangleOp{{b.Right - half, y - half + 1}, {b.Right, y + 1}, {b.Right - d, y + 1}, platform::clBlack});
        } else {  // pointing down
            ops.push_back(TSplitterTriangleOp{{b.Left + half, y + half}, {b.Left, y}, {b.Left + d, y}, platform::clBlack});
            ops.push_back(TSplitterTriangleOp{{b.Right - half, y + half}, {b.Right, y}, {b.Right - d, y}, platform::clBlack});
        }
    } else {
        const int baseX = towardStart ? x + half : x - half;  // left-pointing or right-pointing
        ops.push_back(TSplitterTriangleOp{{x, b.Top + half}, {baseX, b.Top}, {baseX, b.Top + d}, platform::clBlack});
        ops.push_back(TSplitterTriangleOp{{x, b.Bottom - half}, {baseX, b.Bottom}, {baseX, b.Bottom - d}, platform::clBlack});
    }
}

}  // namespace

TSplitterBarPicture PaintSplitterBar(const TExtSplitterBarItem& bar, const TViewRect& barRect,
                                     platform::TColor background) {
    TSplitterBarPicture picture;
    auto& ops = picture.Ops;

    TViewRect rect = barRect;
    if (bar.BorderStyle() != TExtBarBorderStyle::lsNone) {
        ops.push_back(TSplitterEdgeOp{rect, bar.BorderStyle()});
        rect = {rect.Left + kEdgeWidth, rect.Top + kEdgeWidth, rect.Right - kEdgeWidth, rect.Bottom - kEdgeWidth};
    }
    const TViewRect afterEdge = rect;
    if (!rect.IsEmpty()) ops.push_back(TSplitterFillOp{rect, bar.Transparent() ? background : bar.Color()});

    const TExtResizeButtonStyle style = bar.ResizeButtonStyle();
    if (style == TExtResizeButtonStyle::rbsNoButton || rect.IsEmpty()) return picture;

    TViewRect button = GripButtonIn(rect, bar.Horizontal());
    picture.GripButton = button;
    ops.push_back(TSplitterFillOp{button, bar.ResizeColor()});
    if (Raised(style) || bar.Hot()) {
        ops.push_back(TSplitterFrameOp{button, kGripFrameGray});
        ops.push_back(TSplitterLineOp{{button.Left + 1, button.Bottom - 2}, {button.Left + 1, button.Top + 1}, platform::clWhite});
        ops.push_back(TSplitterLineOp{{button.Left + 1, button.Top + 1}, {button.Right - 1, button.Top + 1}, platform::clWhite});
        if (Raised(style) && bar.Hot()) ops.push_back(TSplitterCheckerAndOp{button});
    }

    const int d = DotPitch(afterEdge);
    const int across = bar.Horizontal() ? HeightOf(button) : WidthOf(button);
    if (across >= 6) button = {button.Left + 3, button.Top + 3, button.Right - 3, button.Bottom - 3};

    const auto addDot = [&ops](int x, int y) {
        ops.push_back(TSplitterFillOp{{x, y, x + 2, y + 2}, clBtnShadow});
        ops.push_back(TSplitterPixelOp{{x, y}, platform::clWhite});
    };
    const int x = button.Left + WidthOf(button) / 2 - 1;
    const int y = button.Top + HeightOf(button) / 2;
    if (bar.Horizontal()) {
        for (int dotX = button.Left + 2 * d; dotX < button.Right - d; dotX += d) addDot(dotX, y);
    } else {
        for (int dotY = button.Top + 2 * d; dotY < button.Bottom - d; dotY += d) addDot(x, dotY);
    }

    const int length = bar.Horizontal() ? WidthOf(button) : HeightOf(button);
    if (WithArrows(style) && length >= d) AddArrows(ops, bar, button, x, y, d);
    return picture;
}

}  // namespace tips::widgets
