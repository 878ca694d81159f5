#pragma once
// Draws a data grid as its core lays it out: the title row and the indicator column in button-face
// colours with a raised edge, the cells in window colours with their texts, the current cell
// highlighted while the grid has the focus (or always, with dgAlwaysShowSelection) unless its
// editor is open, the lines between cells as the options ask, and the indicator marks: a triangle
// on the current row, an I-beam while it is edited, an asterisk while it is a new record.

#include "platform/canvas.hpp"
#include "widgets/db_grid_core.hpp"

namespace tips::widgets {

class TDBGridPainter {
public:
    // The fonts must outlive the painter (and the canvas it paints on).
    // `fixedColor` fills the title row and the indicator column.
    TDBGridPainter(const TDBGridCore& grid, const platform::TFont& cellFont, const platform::TFont& titleFont,
                   platform::TColor fixedColor = platform::clBtnFace)
        : grid_(grid), cellFont_(cellFont), titleFont_(titleFont), fixedColor_(fixedColor) {}

    // Paints the whole client area of `size`.
    void Paint(platform::TCanvas& canvas, platform::TViewSize size) const;

private:
    void PaintTitles(platform::TCanvas& canvas) const;
    void PaintRow(platform::TCanvas& canvas, int offset, int row) const;
    void PaintFixedCell(platform::TCanvas& canvas, const platform::TViewRect& rect) const;
    void PaintLines(platform::TCanvas& canvas, const platform::TViewRect& rect, platform::TColor color) const;
    static void PaintIndicator(platform::TCanvas& canvas, const platform::TViewRect& rect, TRowIndicator mark);

    const TDBGridCore& grid_;
    const platform::TFont& cellFont_;
    const platform::TFont& titleFont_;
    platform::TColor fixedColor_;
};

}  // namespace tips::widgets
