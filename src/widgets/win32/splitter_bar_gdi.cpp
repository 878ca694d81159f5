#include "widgets/win32/splitter_bar_gdi.hpp"

#include <type_traits>

#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

using platform::TBitmapHandle;
using platform::TBrushHandle;
using platform::TPenHandle;
using platform::TSelectObject;

COLORREF ColorToRgb(platform::TColor color) {
    if (color & platform::clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

namespace {

constexpr DWORD kPatAnd = 0xA000C9;

RECT ToRect(const platform::TViewRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

struct TOpDrawer {
    HDC dc;

    void operator()(const TSplitterEdgeOp& op) const {
        RECT rect = ToRect(op.Bounds);
        DrawEdge(dc, &rect, op.Style == TExtBarBorderStyle::lsRaised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
    void operator()(const TSplitterFillOp& op) const {
        const TBrushHandle brush(CreateSolidBrush(ColorToRgb(op.Color)));
        const RECT rect = ToRect(op.Bounds);
        FillRect(dc, &rect, brush.get());
    }
    void operator()(const TSplitterFrameOp& op) const {
        const TBrushHandle brush(CreateSolidBrush(ColorToRgb(op.Color)));
        const RECT rect = ToRect(op.Bounds);
        FrameRect(dc, &rect, brush.get());
    }
    void operator()(const TSplitterLineOp& op) const {
        const TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRgb(op.Color)));
        const TSelectObject selected(dc, pen.get());
        MoveToEx(dc, op.From.X, op.From.Y, nullptr);
        LineTo(dc, op.To.X, op.To.Y);
    }
    void operator()(const TSplitterCheckerAndOp& op) const {
        // Monochrome pattern: set bits take the background colour (white), clear bits the text colour.
        static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        const TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, rows));
        const TBrushHandle brush(CreatePatternBrush(pattern.get()));
        const TSelectObject selected(dc, brush.get());
        const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
        PatBlt(dc, op.Bounds.Left, op.Bounds.Top, op.Bounds.Right - op.Bounds.Left, op.Bounds.Bottom - op.Bounds.Top,
               kPatAnd);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
    void operator()(const TSplitterPixelOp& op) const { SetPixelV(dc, op.At.X, op.At.Y, ColorToRgb(op.Color)); }
    void operator()(const TSplitterTriangleOp& op) const {
        const COLORREF color = ColorToRgb(op.Color);
        const TPenHandle pen(CreatePen(PS_SOLID, 1, color));
        const TBrushHandle brush(CreateSolidBrush(color));
        const TSelectObject selectedPen(dc, pen.get());
        const TSelectObject selectedBrush(dc, brush.get());
        const POINT points[3] = {{op.Tip.X, op.Tip.Y}, {op.Base1.X, op.Base1.Y}, {op.Base2.X, op.Base2.Y}};
        Polygon(dc, points, 3);
    }
};

}  // namespace

void DrawSplitterBar(HDC dc, const TSplitterBarPicture& picture) {
    const TOpDrawer drawer{dc};
    for (const TSplitterPaintOp& op : picture.Ops) std::visit(drawer, op);
}

}  // namespace tips::widgets
