#pragma once
// The options of a data grid, a set of flags. A new grid has all of them but dgAlwaysShowSelection.

namespace tips::widgets {

enum TDBGridOption : unsigned {
    dgEditing = 1u << 0,              // cells can be edited, Insert and Down on the last row add records
    dgTitles = 1u << 2,               // the title row
    dgIndicator = 1u << 3,            // the indicator column left of the cells
    dgColumnResize = 1u << 4,         // columns are resized by dragging a title's right edge
    dgColLines = 1u << 5,             // lines between columns
    dgRowLines = 1u << 6,             // lines between rows
    dgTabs = 1u << 7,                 // Tab and Shift+Tab move between cells instead of controls
    dgAlwaysShowSelection = 1u << 9,  // the current cell stays highlighted without the focus
    dgConfirmDelete = 1u << 10,       // kept in the default set; the grid deletes nothing itself (the menu does)
    dgCancelOnExit = 1u << 11,        // leaving the grid cancels an untouched new row
};

using TDBGridOptions = unsigned;

inline constexpr TDBGridOptions kDefaultDBGridOptions = dgEditing | dgTitles | dgIndicator | dgColumnResize |
                                                        dgColLines | dgRowLines | dgTabs | dgConfirmDelete |
                                                        dgCancelOnExit;

}  // namespace tips::widgets
