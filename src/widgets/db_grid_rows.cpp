#include "widgets/db_grid_rows.hpp"

#include <algorithm>

namespace tips::widgets {

int TDBGridRows::RowAt(int offset) const {
    const int row = topRow_ + offset;
    return offset >= 0 && row < rowCount_ ? row : -1;
}

void TDBGridRows::SetVisibleRowCount(int count) {
    visibleRowCount_ = std::max(1, count);
    Update(rowCount_, activeRow_, false);
}

void TDBGridRows::Update(int rowCount, int activeRow, bool centre) {
    rowCount_ = std::max(1, rowCount);
    activeRow_ = std::clamp(activeRow, 0, rowCount_ - 1);
    if (centre) {
        topRow_ = activeRow_ - (visibleRowCount_ - 1) / 2;
    } else if (activeRow_ < topRow_) {
        topRow_ = activeRow_;
    } else if (activeRow_ >= topRow_ + visibleRowCount_) {
        topRow_ = activeRow_ - visibleRowCount_ + 1;
    }
    Clamp();
}

void TDBGridRows::ScrollTo(int topRow) {
    topRow_ = topRow;
    Clamp();
}

void TDBGridRows::Clamp() {
    // No empty space below the last row while there are rows above the window.
    topRow_ = std::clamp(topRow_, 0, std::max(0, rowCount_ - visibleRowCount_));
}

}  // namespace tips::widgets
