#include "skin/scroll_bar_painter.hpp"

#include "skin/nine_slice.hpp"

namespace tips::skin {

int ScrollArrowFrame(TScrollOrientation orientation, bool second, bool pressed) {
    const int first = orientation == TScrollOrientation::Horizontal ? 1 : 9;
    return first + (second ? 4 : 0) + (pressed ? 1 : 0);
}

void TScrollBarPainter::PaintElement(platform::TCanvas& canvas, const std::optional<TSkinElement>& element, int frame,
                                     const TViewRect& dest) const {
    if (!element || dest.IsEmpty()) return;
    const auto slice = ElementSlice(*element, frame);
    if (slice) DrawNineSlice(canvas, bitmaps_.For(element->Bitmap, element->Name), *slice, dest);
}

void TScrollBarPainter::Paint(platform::TCanvas& canvas, TScrollOrientation orientation, const TScrollBarParts& parts,
                              TScrollPress press) const {
    if (!ScrollBarSizeSane(parts.Bar)) return;
    const bool horizontal = orientation == TScrollOrientation::Horizontal;
    canvas.FillRect(parts.Bar, skin_.Colours.Scrollbar);
    PaintElement(canvas, horizontal ? skin_.HorzScroll : skin_.VertScroll, 1, parts.Track);
    PaintElement(canvas, skin_.Scrollbar, ScrollArrowFrame(orientation, false, press == TScrollPress::FirstArrow),
                 parts.FirstArrow);
    PaintElement(canvas, skin_.Scrollbar, ScrollArrowFrame(orientation, true, press == TScrollPress::SecondArrow),
                 parts.SecondArrow);
    PaintElement(canvas, horizontal ? skin_.HorzScrollThumb : skin_.VertScrollThumb,
                 press == TScrollPress::Thumb ? 2 : 1, parts.Thumb);
}

void TScrollBarPainter::PaintCorner(platform::TCanvas& canvas, const TViewRect& corner) const {
    if (!corner.IsEmpty()) canvas.FillRect(corner, skin_.Colours.ButtonFace);
}

}  // namespace tips::skin
