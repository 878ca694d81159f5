#include "widgets/db_grid_geometry.hpp"

#include <algorithm>
#include <cstdlib>

#include "widgets/db_grid_columns.hpp"

namespace tips::widgets {

using platform::TViewRect;

void TDBGridGeometry::SetTextHeights(int cellText, int titleText) {
    cellTextHeight_ = std::max(1, cellText);
    titleTextHeight_ = std::max(1, titleText);
}

int TDBGridGeometry::RowHeight() const { return cellTextHeight_ + 3 + RowLine(); }

int TDBGridGeometry::TitleHeight() const {
    return (options_ & dgTitles) ? titleTextHeight_ + 4 + RowLine() : 0;
}

int TDBGridGeometry::IndicatorWidth() const { return (options_ & dgIndicator) ? kIndicatorWidth + ColLine() : 0; }

int TDBGridGeometry::VisibleRowCount() const {
    return std::max(1, (clientSize_.Height - TitleHeight()) / RowHeight());
}

int TDBGridGeometry::PaintedRowCount() const {
    const int height = std::max(0, clientSize_.Height - TitleHeight());
    return std::max(1, (height + RowHeight() - 1) / RowHeight());
}

int TDBGridGeometry::ColumnLeft(int column) const {
    int left = IndicatorWidth();
    for (int i = 0; i < column && i < columns_.Count(); ++i) left += columns_[i].Width() + ColLine();
    return left;
}

int TDBGridGeometry::ColumnsRight() const { return ColumnLeft(columns_.Count()); }

TViewRect TDBGridGeometry::TitleRect(int column) const {
    const int left = ColumnLeft(column);
    return {left, 0, left + columns_[column].Width(), TitleHeight() - RowLine()};
}

TViewRect TDBGridGeometry::TitleIndicatorRect() const {
    return {0, 0, IndicatorWidth() - ColLine(), TitleHeight() - RowLine()};
}

TViewRect TDBGridGeometry::CellRect(int offset, int column) const {
    const int left = ColumnLeft(column);
    const int top = RowTop(offset);
    return {left, top, left + columns_[column].Width(), top + RowHeight() - RowLine()};
}

TViewRect TDBGridGeometry::IndicatorRect(int offset) const {
    const int top = RowTop(offset);
    return {0, top, IndicatorWidth() - ColLine(), top + RowHeight() - RowLine()};
}

TGridHit TDBGridGeometry::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= clientSize_.Width || y >= clientSize_.Height) return {};
    int column = -1;
    if (x >= IndicatorWidth()) {
        for (int i = 0; i < columns_.Count(); ++i) {
            if (x < ColumnLeft(i + 1)) {
                column = i;
                break;
            }
        }
        if (column < 0) return {};
    }
    if (y < TitleHeight()) {
        return column < 0 ? TGridHit{TGridArea::TitleIndicator, -1, -1} : TGridHit{TGridArea::Title, column, -1};
    }
    const int offset = (y - TitleHeight()) / RowHeight();
    return column < 0 ? TGridHit{TGridArea::Indicator, -1, offset} : TGridHit{TGridArea::Cell, column, offset};
}

int TDBGridGeometry::ColumnEdgeAt(int x, int y) const {
    if (!(options_ & dgColumnResize) || y < 0 || y >= TitleHeight()) return -1;
    for (int i = 0; i < columns_.Count(); ++i) {
        const int edge = ColumnLeft(i) + columns_[i].Width();
        if (std::abs(x - edge) <= kResizeMargin) return i;
    }
    return -1;
}

}  // namespace tips::widgets
