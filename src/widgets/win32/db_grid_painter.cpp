#include "widgets/win32/db_grid_painter.hpp"

#include <string>

#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

using platform::TBrushHandle;
using platform::TPenHandle;
using platform::TSelectObject;

namespace {

constexpr int kTextIndent = TDBGridGeometry::kTextIndent;
constexpr COLORREF kCellLineColour = 0xC0C0C0;   // silver, seen on any window colour

RECT ToRect(const platform::TViewRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    const TBrushHandle brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

// The text from two pixels in, clipped to the cell, over the cell's background.
void CellText(HDC dc, const RECT& rect, const std::string& text, COLORREF back, COLORREF fore) {
    SetBkColor(dc, back);
    SetTextColor(dc, fore);
    ExtTextOutA(dc, rect.left + kTextIndent, rect.top + kTextIndent, ETO_OPAQUE | ETO_CLIPPED, &rect, text.data(),
                static_cast<UINT>(text.size()), nullptr);
}

void RaisedEdge(HDC dc, RECT rect) { DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT); }

}  // namespace

void TDBGridPainter::Paint(HDC dc, SIZE size) const {
    Fill(dc, RECT{0, 0, size.cx, size.cy}, GetSysColor(COLOR_WINDOW));
    if (grid_.Columns().Count() == 0 && !(grid_.Options() & dgIndicator)) return;
    if (grid_.Options() & dgTitles) PaintTitles(dc);
    const auto& rows = grid_.Rows();
    const int painted = grid_.Geometry().PaintedRowCount();
    for (int offset = 0; offset < painted; ++offset) {
        const int row = rows.RowAt(offset);
        if (row < 0) break;
        PaintRow(dc, offset, row);
    }
}

void TDBGridPainter::PaintTitles(HDC dc) const {
    const auto& geometry = grid_.Geometry();
    if (grid_.Options() & dgIndicator) PaintFixedCell(dc, ToRect(geometry.TitleIndicatorRect()));
    const TSelectObject font(dc, titleFont_);
    for (int column = 0; column < grid_.Columns().Count(); ++column) {
        const RECT rect = ToRect(geometry.TitleRect(column));
        if (rect.right <= rect.left) continue;
        CellText(dc, rect, grid_.Columns()[column].Title(), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));
        RaisedEdge(dc, rect);
        PaintLines(dc, rect, GetSysColor(COLOR_3DDKSHADOW));
    }
}

void TDBGridPainter::PaintRow(HDC dc, int offset, int row) const {
    const auto& geometry = grid_.Geometry();
    if (grid_.Options() & dgIndicator) {
        const RECT rect = ToRect(geometry.IndicatorRect(offset));
        PaintFixedCell(dc, rect);
        PaintIndicator(dc, rect, grid_.Indicator(row));
    }
    const bool current = row == grid_.Rows().ActiveRow();
    const bool showSelection =
        (grid_.Focused() || (grid_.Options() & dgAlwaysShowSelection)) && !grid_.CellEditor().IsOpen();
    const TSelectObject font(dc, cellFont_);
    for (int column = 0; column < grid_.Columns().Count(); ++column) {
        const RECT rect = ToRect(geometry.CellRect(offset, column));
        if (rect.right <= rect.left) continue;
        const bool selected = current && column == grid_.SelectedIndex() && showSelection;
        CellText(dc, rect, grid_.CellText(row, column), GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW),
                 GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        PaintLines(dc, rect, kCellLineColour);
    }
}

void TDBGridPainter::PaintFixedCell(HDC dc, const RECT& rect) const {
    Fill(dc, rect, GetSysColor(COLOR_BTNFACE));
    RaisedEdge(dc, rect);
    PaintLines(dc, rect, GetSysColor(COLOR_3DDKSHADOW));
}

// The line right of a cell and the line below it, as the options ask.
void TDBGridPainter::PaintLines(HDC dc, const RECT& rect, COLORREF colour) const {
    const auto options = grid_.Options();
    const int width = TDBGridGeometry::kLineWidth;
    if (options & dgColLines) Fill(dc, RECT{rect.right, rect.top, rect.right + width, rect.bottom + width}, colour);
    if (options & dgRowLines) Fill(dc, RECT{rect.left, rect.bottom, rect.right + width, rect.bottom + width}, colour);
}

void TDBGridPainter::PaintIndicator(HDC dc, const RECT& rect, TRowIndicator mark) {
    if (mark == TRowIndicator::None) return;
    const COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TBrushHandle brush(CreateSolidBrush(colour));
    const TSelectObject selectPen(dc, pen.get());
    const TSelectObject selectBrush(dc, brush.get());
    auto line = [dc](int x1, int y1, int x2, int y2) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    };
    switch (mark) {
        case TRowIndicator::Current: {
            const POINT triangle[] = {{cx - 2, cy - 4}, {cx - 2, cy + 4}, {cx + 2, cy}};
            Polygon(dc, triangle, 3);
            break;
        }
        case TRowIndicator::Editing:
            line(cx - 2, cy - 5, cx + 3, cy - 5);
            line(cx, cy - 5, cx, cy + 5);
            line(cx - 2, cy + 5, cx + 3, cy + 5);
            break;
        case TRowIndicator::Inserting:
            line(cx, cy - 4, cx, cy + 5);
            line(cx - 4, cy, cx + 5, cy);
            line(cx - 3, cy - 3, cx + 4, cy + 4);
            line(cx + 3, cy - 3, cx - 4, cy + 4);
            break;
        case TRowIndicator::None: break;
    }
}

}  // namespace tips::widgets
