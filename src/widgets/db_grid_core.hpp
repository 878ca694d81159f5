#pragma once
// TDBGridCore: everything a data grid decides, without a window. It follows a table through a data
// source (its rows, the current record, the state), keeps the cell cursor (current row and column), owns
// the cell editor's state, and turns keys, typing, clicks, scrolling and the loss of the focus into table
// operations: edit on the first change of a cell, write a cell into its field, post or cancel when
// another row is chosen, append below the last row, insert, cancel. The window paints from it and shows
// the cell editor where it says.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/view_port.hpp"
#include "store/data_source.hpp"
#include "widgets/db_grid_cell_editor.hpp"
#include "widgets/db_grid_columns.hpp"
#include "widgets/db_grid_geometry.hpp"
#include "widgets/db_grid_keys.hpp"
#include "widgets/db_grid_options.hpp"
#include "widgets/db_grid_rows.hpp"
#include "widgets/shortcut.hpp"

namespace tips::store {
class TField;
class TMemoryTable;
}  // namespace tips::store

namespace tips::widgets {

// What the grid asks of its window.
class TDBGridView {
public:
    virtual ~TDBGridView() = default;
    // Something shown changed: repaint (rows, cell cursor, indicator, scroll bar).
    virtual void GridChanged() {}
    // The cell editor opened, closed, moved or got a new text from the field.
    virtual void CellEditorChanged() {}
};

// The mark in the indicator column of a row.
enum class TRowIndicator { None, Current, Editing, Inserting };

enum class TGridScroll { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

class TDBGridCore {
public:
    explicit TDBGridCore(TDBGridView* view = nullptr);
    TDBGridCore(const TDBGridCore&) = delete;
    TDBGridCore& operator=(const TDBGridCore&) = delete;
    ~TDBGridCore();

    void SetView(TDBGridView* view) { view_ = view; }

    // The data.
    store::TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(store::TDataSource* dataSource);
    store::TMemoryTable* DataSet() const { return link_.DataSet(); }
    bool Active() const { return link_.Active(); }
    bool ReadOnly() const { return link_.ReadOnly(); }
    void SetReadOnly(bool readOnly) { link_.SetReadOnly(readOnly); }

    // Columns: add or change them, then call ColumnsChanged.
    TDBGridColumns& Columns() { return columns_; }
    const TDBGridColumns& Columns() const { return columns_; }
    void ColumnsChanged();

    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);

    // The window: its client size and the heights of the cells' and the titles' text.
    void SetClientSize(platform::TViewSize size);
    void SetTextHeights(int cellText, int titleText);
    const TDBGridGeometry& Geometry() const { return geometry_; }
    const TDBGridRows& Rows() const { return rows_; }
    const TDBGridCellEditor& CellEditor() const { return editor_; }

    // The column of the cell cursor. Setting it writes a changed cell into its field first.
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    store::TField* SelectedField() const;

    // What a row shows: the text of a cell (empty for null), the indicator mark, whether it is the new row.
    std::string CellText(int row, int column) const;
    TRowIndicator Indicator(int row) const;
    // The record a row shows, as an index in table order; nothing for the new row and below the records.
    std::optional<int> RecordIndexAt(int row) const;
    platform::TViewRect CellEditorRect() const;
    platform::TViewScrollInfo ScrollInfo() const;

    // The cell editor: open it on the current cell when the field may be changed.
    bool CanEditModify() const;
    bool OpenEditor();
    // The edit box's text changed. The first change starts editing the record (inserting on an empty
    // table); answers false when the change is refused and the box must show CellEditor().Text() again.
    bool EditorTextChanged(std::string_view text);

    // Input (db_grid_keys.cpp): a key pressed in the grid or passed on by the cell editor, answering
    // whether the grid used it; a character typed while the cell editor is closed (or typed into it, for
    // callers without an edit box).
    bool KeyDown(TGridKey key, TShiftState shift);
    void KeyPress(char c);

    // Mouse. `hadFocus`: the grid had the focus before this click (a click on the current cell then opens
    // the cell editor).
    void MouseDown(int x, int y, bool hadFocus);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    // The press ended elsewhere (the window lost the mouse): no title click and no resizing follow.
    void CancelMouse();
    bool Resizing() const { return resizingColumn_ >= 0; }
    void Scroll(TGridScroll code, int position = 0);
    void MouseWheel(int notches);   // positive: away from the user, towards the first record

    // Focus.
    bool Focused() const { return focused_; }
    void SetFocused(bool focused);
    // The focus went to another control: an untouched new row is cancelled, otherwise the cell editor's
    // text is written into its field and the record stays in edit or insert state.
    void Exit();

    // A click on a column's title (the button was pressed and released on the same title).
    std::function<void(int column)> OnTitleClick;

private:
    class TGridDataLink final : public store::TDataLink {
    public:
        explicit TGridDataLink(TDBGridCore& grid) : grid_(grid) {}

    protected:
        void ActiveChanged() override { grid_.LinkActiveChanged(); }
        void EditingChanged() override { grid_.Changed(); }
        void DataSetChanged(store::TResyncMode mode) override { grid_.LinkDataSetChanged(mode == store::TResyncMode::rmCenter); }
        void DataSetScrolled(int) override { grid_.LinkDataSetChanged(false); }
        void RecordChanged(const store::TField* field) override { grid_.LinkRecordChanged(field); }
        void UpdateData() override { grid_.WriteEditorText(); }

    private:
        TDBGridCore& grid_;
    };

    void LinkActiveChanged();
    void LinkDataSetChanged(bool centre);
    void LinkRecordChanged(const store::TField* field);
    void SyncRows(bool centre);
    void Changed();
    void EditorChanged();

    void CloseEditor();
    void WriteEditorText();
    std::string FieldText() const;   // of the current cell's field in the working buffer
    bool InsertingUntouched() const;
    bool Appending() const;          // the new row stands after the last record
    bool CanAppend() const;

    // Row steps of the keys (db_grid_keys.cpp); each answers whether the current row changed.
    bool NextRow();
    bool PriorRow();
    void MoveToRow(int row);
    void HandleEscape();
    void HandleReturn();

    TGridDataLink link_{*this};
    TDBGridView* view_;
    TDBGridColumns columns_;
    TDBGridGeometry geometry_{columns_};
    TDBGridRows rows_;
    TDBGridCellEditor editor_;
    TDBGridOptions options_ = kDefaultDBGridOptions;
    int selectedIndex_ = 0;
    bool focused_ = false;
    int pressedTitle_ = -1;
    int resizingColumn_ = -1;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
    bool startingEdit_ = false;   // the grid itself is putting the table into edit or insert state
    bool writing_ = false;        // the grid itself is writing a cell into its field
};

}  // namespace tips::widgets
