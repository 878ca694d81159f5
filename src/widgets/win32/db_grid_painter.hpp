#pragma once
// Draws a data grid as its core lays it out: the title row and the indicator column in button-face
// colours with a raised edge, the cells in window colours with their texts, the current cell highlighted
// while the grid has the focus, the lines between cells, and the indicator marks: a triangle on the
// current row, an I-beam while it is edited, an asterisk while it is a new record.

#include <windows.h>

#include "widgets/db_grid_core.hpp"

namespace tips::widgets {

class TDBGridPainter {
public:
    TDBGridPainter(const TDBGridCore& grid, HFONT cellFont, HFONT titleFont)
        : grid_(grid), cellFont_(cellFont), titleFont_(titleFont) {}

    // Paints the whole client area of `size` into `dc`.
    void Paint(HDC dc, SIZE size) const;

private:
    void PaintTitles(HDC dc) const;
    void PaintRow(HDC dc, int offset, int row) const;
    void PaintFixedCell(HDC dc, const RECT& rect) const;
    void PaintLines(HDC dc, const RECT& rect, COLORREF colour) const;
    static void PaintIndicator(HDC dc, const RECT& rect, TRowIndicator mark);

    const TDBGridCore& grid_;
    HFONT cellFont_;
    HFONT titleFont_;
};

}  // namespace tips::widgets
