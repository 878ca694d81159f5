#include "widgets/splitter_bar_painter.hpp"

#include <algorithm>
#include <array>

namespace tips::widgets {

using platform::TCanvas;
using platform::TViewPoint;
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

void Triangle(TCanvas& canvas, TViewPoint tip, TViewPoint base1, TViewPoint base2) {
    const std::array<TViewPoint, 3> points{tip, base1, base2};
    canvas.Polygon(points, platform::clBlack);
}

// Two black triangles, one at each end of the button, pointing where a grip click would move the bar.
void PaintArrows(TCanvas& canvas, const TExtSplitterBarItem& bar, const TViewRect& b, int x, int y, int d) {
    const bool towardStart = (bar.ResizeDirection() == TExtSplitterJump::sjUpLeft) != bar.Collapsed();
    const int half = d / 2;
    if (bar.Horizontal()) {
        if (towardStart) {  // pointing up
            Triangle(canvas, {b.Left + half, y - half + 1}, {b.Left, y + 1}, {b.Left + d, y + 1});
            Triangle(canvas, {b.Right - half, y - half + 1}, {b.Right, y + 1}, {b.Right - d, y + 1});
        } else {  // pointing down
            Triangle(canvas, {b.Left + half, y + half}, {b.Left, y}, {b.Left + d, y});
            Triangle(canvas, {b.Right - half, y + half}, {b.Right, y}, {b.Right - d, y});
        }
    } else {
        const int baseX = towardStart ? x + half : x - half;  // left-pointing or right-pointing
        Triangle(canvas, {x, b.Top + half}, {baseX, b.Top}, {baseX, b.Top + d});
        Triangle(canvas, {x, b.Bottom - half}, {baseX, b.Bottom}, {baseX, b.Bottom - d});
    }
}

}  // namespace

TViewRect PaintSplitterBar(TCanvas& canvas, const TExtSplitterBarItem& bar, const TViewRect& barRect,
                           platform::TColor background) {
    TViewRect rect = barRect;
    if (bar.BorderStyle() != TExtBarBorderStyle::lsNone) {
        canvas.DrawEdge(rect, bar.BorderStyle() == TExtBarBorderStyle::lsRaised ? platform::edgeRaised
                                                                                 : platform::edgeSunken);
        rect = {rect.Left + kEdgeWidth, rect.Top + kEdgeWidth, rect.Right - kEdgeWidth, rect.Bottom - kEdgeWidth};
    }
    const TViewRect afterEdge = rect;
    if (!rect.IsEmpty()) canvas.FillRect(rect, bar.Transparent() ? background : bar.Color());

    const TExtResizeButtonStyle style = bar.ResizeButtonStyle();
    if (style == TExtResizeButtonStyle::rbsNoButton || rect.IsEmpty()) return {};

    TViewRect button = GripButtonIn(rect, bar.Horizontal());
    const TViewRect grip = button;
    canvas.FillRect(button, bar.ResizeColor());
    if (Raised(style) || bar.Hot()) {
        canvas.FrameRect(button, platform::clGray);
        canvas.Line({button.Left + 1, button.Bottom - 2}, {button.Left + 1, button.Top + 1}, platform::clWhite);
        canvas.Line({button.Left + 1, button.Top + 1}, {button.Right - 1, button.Top + 1}, platform::clWhite);
        if (Raised(style) && bar.Hot()) canvas.AndPattern(button, platform::kCheckerPattern);
    }

    const int d = DotPitch(afterEdge);
    const int across = bar.Horizontal() ? HeightOf(button) : WidthOf(button);
    if (across >= 6) button = {button.Left + 3, button.Top + 3, button.Right - 3, button.Bottom - 3};

    // Each dot a 2 x 2 block in the shadow colour with a light top-left pixel.
    const auto dot = [&canvas](int x, int y) {
        canvas.FillRect({x, y, x + 2, y + 2}, platform::clBtnShadow);
        canvas.SetPixel({x, y}, platform::clWhite);
    };
    const int x = button.Left + WidthOf(button) / 2 - 1;
    const int y = button.Top + HeightOf(button) / 2;
    if (bar.Horizontal()) {
        for (int dotX = button.Left + 2 * d; dotX < button.Right - d; dotX += d) dot(dotX, y);
    } else {
        for (int dotY = button.Top + 2 * d; dotY < button.Bottom - d; dotY += d) dot(x, dotY);
    }

    const int length = bar.Horizontal() ? WidthOf(button) : HeightOf(button);
    if (WithArrows(style) && length >= d) PaintArrows(canvas, bar, button, x, y, d);
    return grip;
}

}  // namespace tips::widgets
