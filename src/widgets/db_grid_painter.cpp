#include "widgets/db_grid_painter.hpp"

#include <array>
#include <string>

namespace tips::widgets {

using platform::TCanvas;
using platform::TColor;
using platform::TViewPoint;
using platform::TViewRect;

namespace {

constexpr int kTextIndent = TDBGridGeometry::kTextIndent;
constexpr TColor kCellLineColor = platform::clSilver;  // seen on any window colour

// The text from two pixels in, clipped to the cell, over the cell's background.
void CellText(TCanvas& canvas, const TViewRect& rect, const std::string& text, TColor back, TColor fore) {
    canvas.SetBackColor(back);
    canvas.SetTextColor(fore);
    canvas.WriteText({rect.Left + kTextIndent, rect.Top + kTextIndent}, text, {}, platform::TTextBox{rect, true, true});
}

void RaisedEdge(TCanvas& canvas, const TViewRect& rect) { canvas.DrawEdge(rect, platform::bdrRaisedInner); }

}  // namespace

void TDBGridPainter::Paint(TCanvas& canvas, platform::TViewSize size) const {
    canvas.FillRect({0, 0, size.Width, size.Height}, platform::clWindow);
    if (grid_.Columns().Count() == 0 && !(grid_.Options() & dgIndicator)) return;
    if (grid_.Options() & dgTitles) PaintTitles(canvas);
    const auto& rows = grid_.Rows();
    const int painted = grid_.Geometry().PaintedRowCount();
    for (int offset = 0; offset < painted; ++offset) {
        const int row = rows.RowAt(offset);
        if (row < 0) break;
        PaintRow(canvas, offset, row);
    }
}

void TDBGridPainter::PaintTitles(TCanvas& canvas) const {
    const auto& geometry = grid_.Geometry();
    if (grid_.Options() & dgIndicator) PaintFixedCell(canvas, geometry.TitleIndicatorRect());
    canvas.SetFont(titleFont_);
    for (int column = 0; column < grid_.Columns().Count(); ++column) {
        const TViewRect rect = geometry.TitleRect(column);
        if (rect.Right <= rect.Left) continue;
        CellText(canvas, rect, grid_.Columns()[column].Title(), platform::clBtnFace, platform::clBtnText);
        RaisedEdge(canvas, rect);
        PaintLines(canvas, rect, platform::cl3DDkShadow);
    }
}

void TDBGridPainter::PaintRow(TCanvas& canvas, int offset, int row) const {
    const auto& geometry = grid_.Geometry();
    if (grid_.Options() & dgIndicator) {
        const TViewRect rect = geometry.IndicatorRect(offset);
        PaintFixedCell(canvas, rect);
        PaintIndicator(canvas, rect, grid_.Indicator(row));
    }
    const bool current = row == grid_.Rows().ActiveRow();
    const bool showSelection =
        (grid_.Focused() || (grid_.Options() & dgAlwaysShowSelection)) && !grid_.CellEditor().IsOpen();
    canvas.SetFont(cellFont_);
    for (int column = 0; column < grid_.Columns().Count(); ++column) {
        const TViewRect rect = geometry.CellRect(offset, column);
        if (rect.Right <= rect.Left) continue;
        const bool selected = current && column == grid_.SelectedIndex() && showSelection;
        CellText(canvas, rect, grid_.CellText(row, column), selected ? platform::clHighlight : platform::clWindow,
                 selected ? platform::clHighlightText : platform::clWindowText);
        PaintLines(canvas, rect, kCellLineColor);
    }
}

void TDBGridPainter::PaintFixedCell(TCanvas& canvas, const TViewRect& rect) const {
    canvas.FillRect(rect, fixedColor_);
    RaisedEdge(canvas, rect);
    PaintLines(canvas, rect, platform::cl3DDkShadow);
}

// The line right of a cell and the line below it, as the options ask.
void TDBGridPainter::PaintLines(TCanvas& canvas, const TViewRect& rect, TColor color) const {
    const auto options = grid_.Options();
    const int width = TDBGridGeometry::kLineWidth;
    if (options & dgColLines) canvas.FillRect({rect.Right, rect.Top, rect.Right + width, rect.Bottom + width}, color);
    if (options & dgRowLines) canvas.FillRect({rect.Left, rect.Bottom, rect.Right + width, rect.Bottom + width}, color);
}

void TDBGridPainter::PaintIndicator(TCanvas& canvas, const TViewRect& rect, TRowIndicator mark) {
    constexpr TColor ink = platform::clBtnText;
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    const auto line = [&canvas](int x1, int y1, int x2, int y2) { canvas.Line({x1, y1}, {x2, y2}, ink); };
    switch (mark) {
        case TRowIndicator::Current: {
            const std::array<TViewPoint, 3> triangle{{{cx - 2, cy - 4}, {cx - 2, cy + 4}, {cx + 2, cy}}};
            canvas.Polygon(triangle, ink);
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
