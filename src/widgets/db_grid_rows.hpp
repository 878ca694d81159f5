#pragma once
// The window of rows a data grid shows: how many rows there are (the records, plus the new record while
// one is being inserted, and at least one row, so an empty table shows one empty row), which of them is
// the current row, how many fit into the grid and which is at the top. The current row is kept in view;
// after a jump (a search, a bookmark, a new order) it is shown in the middle row.

namespace tips::widgets {

class TDBGridRows {
public:
    int RowCount() const { return rowCount_; }
    int ActiveRow() const { return activeRow_; }
    int TopRow() const { return topRow_; }
    int VisibleRowCount() const { return visibleRowCount_; }
    // The row shown at visible position `offset` (0 = top), or -1 below the last row.
    int RowAt(int offset) const;
    bool IsVisible(int row) const { return row >= topRow_ && row < topRow_ + visibleRowCount_; }

    // How many whole rows fit (at least one); the current row stays in view.
    void SetVisibleRowCount(int count);
    // The records changed or the cursor moved: `centre` brings the current row to the middle row,
    // otherwise the top row stays unless the current row would leave the window.
    void Update(int rowCount, int activeRow, bool centre);
    // Scrolls without moving the current row (which may leave the window until the next Update).
    void ScrollTo(int topRow);

private:
    void Clamp();

    int rowCount_ = 1;
    int activeRow_ = 0;
    int topRow_ = 0;
    int visibleRowCount_ = 1;
};

}  // namespace tips::widgets
