#pragma once
// Where a data grid draws what: the title row, the indicator column, the columns with their widths,
// the lines between rows and columns, the row height taken from the font, the rectangles of cells and
// titles, and which part of the grid a point falls on. Rectangles are the cells' insides; a line, when
// shown, is the pixel column right of a cell and the pixel row below it.

#include "platform/view_port.hpp"
#include "widgets/db_grid_options.hpp"

namespace tips::widgets {

class TDBGridColumns;

enum class TGridArea { None, TitleIndicator, Title, Indicator, Cell };

struct TGridHit {
    TGridArea Area = TGridArea::None;
    int Column = -1;   // for titles and cells
    int Offset = -1;   // visible row, 0 = the top row under the titles; for indicators and cells
    friend bool operator==(const TGridHit&, const TGridHit&) = default;
};

class TDBGridGeometry {
public:
    static constexpr int kIndicatorWidth = 11;
    static constexpr int kLineWidth = 1;
    static constexpr int kResizeMargin = 2;   // pixels either side of a title's right edge that grab it
    static constexpr int kTextIndent = 2;     // a cell's text starts this far right of and below its corner

    explicit TDBGridGeometry(const TDBGridColumns& columns) : columns_(columns) {}

    void SetOptions(TDBGridOptions options) { options_ = options; }
    // Heights in pixels of a line of text in the cells' font and in the titles' font.
    void SetTextHeights(int cellText, int titleText);
    void SetClientSize(platform::TViewSize size) { clientSize_ = size; }
    platform::TViewSize ClientSize() const { return clientSize_; }

    int RowHeight() const;       // a row with its line
    int TitleHeight() const;     // the title row with its line; 0 without titles
    int IndicatorWidth() const;  // the indicator column with its line; 0 without it
    // Whole rows that fit under the titles (at least one), and rows that are at least partly seen.
    int VisibleRowCount() const;
    int PaintedRowCount() const;

    int ColumnLeft(int column) const;
    // The right edge of the last column's line: right of it the grid is empty.
    int ColumnsRight() const;
    platform::TViewRect TitleRect(int column) const;
    platform::TViewRect TitleIndicatorRect() const;
    platform::TViewRect CellRect(int offset, int column) const;
    platform::TViewRect IndicatorRect(int offset) const;

    TGridHit HitTest(int x, int y) const;
    // The column whose title's right edge is at x (within kResizeMargin), or -1.
    int ColumnEdgeAt(int x, int y) const;

private:
    int ColLine() const { return (options_ & dgColLines) ? kLineWidth : 0; }
    int RowLine() const { return (options_ & dgRowLines) ? kLineWidth : 0; }
    int RowTop(int offset) const { return TitleHeight() + offset * RowHeight(); }

    const TDBGridColumns& columns_;
    TDBGridOptions options_ = kDefaultDBGridOptions;
    int cellTextHeight_ = 13;
    int titleTextHeight_ = 13;
    platform::TViewSize clientSize_;
};

}  // namespace tips::widgets
