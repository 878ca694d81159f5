#include "widgets/win32/bevel.hpp"

#include <utility>

namespace tips::widgets {

namespace {

using platform::TCanvas;
using platform::TColor;
using platform::TViewRect;

// The outline of `rect` (its last row and column included): the left and top sides in `topLeft`, the
// right and bottom ones in `bottomRight`.
void BevelRect(TCanvas& canvas, const TViewRect& rect, TColor topLeft, TColor bottomRight) {
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    canvas.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, topLeft);
    canvas.FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, topLeft);
    canvas.FillRect({right, rect.Top, rect.Right, rect.Bottom}, bottomRight);
    canvas.FillRect({rect.Left, bottom, rect.Right, rect.Bottom}, bottomRight);
}

}  // namespace

void TBevel::SetShape(TBevelShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    if (style == style_) return;
    style_ = style;
    Invalidate();
}

void TBevel::Paint(TCanvas& canvas) {
    // Lowered: shadow above and to the left, light below and to the right; raised the other way round.
    TColor dark = platform::clBtnShadow, light = platform::clBtnHighlight;
    if (style_ == TBevelStyle::bsRaised) std::swap(dark, light);
    const int w = Width(), h = Height();
    switch (shape_) {
        case TBevelShape::bsBox:
            BevelRect(canvas, {0, 0, w, h}, dark, light);
            break;
        case TBevelShape::bsFrame:
            // An etched groove (or ridge): two outlines one pixel apart.
            BevelRect(canvas, {1, 1, w, h}, light, light);
            BevelRect(canvas, {0, 0, w - 1, h - 1}, dark, dark);
            break;
        case TBevelShape::bsTopLine:
            canvas.FillRect({0, 0, w, 1}, dark);
            canvas.FillRect({0, 1, w, 2}, light);
            break;
        case TBevelShape::bsBottomLine:
            canvas.FillRect({0, h - 2, w, h - 1}, dark);
            canvas.FillRect({0, h - 1, w, h}, light);
            break;
        case TBevelShape::bsLeftLine:
            canvas.FillRect({0, 0, 1, h}, dark);
            canvas.FillRect({1, 0, 2, h}, light);
            break;
        case TBevelShape::bsRightLine:
            canvas.FillRect({w - 2, 0, w - 1, h}, dark);
            canvas.FillRect({w - 1, 0, w, h}, light);
            break;
        case TBevelShape::bsSpacer:
            break;
    }
}

}  // namespace tips::widgets
