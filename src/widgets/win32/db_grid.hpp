#pragma once
// TDBGrid: the data grid window. It lists the records of a data source's table in rows and columns
// under a title row, marks the current row in the indicator column, edits cells in place, and moves
// through the table with the keys, the mouse and its scroll bar. The decisions are TDBGridCore's; this
// class turns messages into calls on it, paints what it says and keeps the cell editor's edit box in place.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/win32/gdi_font.hpp"
#include "widgets/db_grid_core.hpp"
#include "widgets/shortcut.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/db_grid_cell_edit.hpp"
#include "widgets/win32/window_services.hpp"

namespace tips::widgets {

class TDBGrid final : public TWinControl, private TDBGridView, private TDBGridCellEditOwner {
public:
    explicit TDBGrid(TWinControl* parent);
    ~TDBGrid() override;

    store::TDataSource* DataSource() const { return core_.DataSource(); }
    void SetDataSource(store::TDataSource* dataSource) { core_.SetDataSource(dataSource); }

    // Columns in order; the title defaults to the field's display name.
    TColumn& AddColumn(const std::string& fieldName, int width, const std::string& title = std::string());
    TDBGridColumns& Columns() { return core_.Columns(); }
    // After changing columns directly (widths, titles).
    void ColumnsChanged() { core_.ColumnsChanged(); }

    TDBGridOptions Options() const { return core_.Options(); }
    void SetOptions(TDBGridOptions options) { core_.SetOptions(options); }
    bool ReadOnly() const { return core_.ReadOnly(); }
    void SetReadOnly(bool readOnly) { core_.SetReadOnly(readOnly); }

    // The column of the cell cursor.
    int SelectedIndex() const { return core_.SelectedIndex(); }
    void SetSelectedIndex(int index) { core_.SetSelectedIndex(index); }

    // The titles' font: "MS Sans Serif" 8 point unless set. The grid makes and owns the fonts it
    // draws with: the titles' from this description, the cells' from the window's font.
    const platform::TGdiFont& TitleFont() const { return *titleFont_; }
    void SetTitleFont(const platform::TFontDescription& font);

    // The colour of the title row and the indicator column; repaint after setting it.
    platform::TColor FixedColor = platform::clBtnFace;

    // The grid's decisions and state, for whoever needs more than the above (tests, painting).
    const TDBGridCore& Core() const { return core_; }
    TDBGridCore& Core() { return core_; }
    // The in-place edit box (exists once the grid's window does).
    HWND CellEditHandle() const { return cellEdit_.Handle(); }

    // Fired for a key pressed in the grid before the grid handles it; a key set to 0 is not handled.
    // While a cell is being edited it sees the keys the edit box hands to the grid (moves between
    // cells and rows, Tab, Enter, Esc, F2, Insert), not those the box keeps (letters, Left, Right...).
    std::function<void(TDBGrid& sender, WORD& key, TShiftState shift)> OnKeyDown;
    // A click on a column title.
    std::function<void(TDBGrid& sender, TColumn& column)> OnTitleClick;

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // TDBGridView
    void GridChanged() override;
    void CellEditorChanged() override;
    // TDBGridCellEditOwner
    bool CellEditKeyDown(WORD key, TShiftState shift) override;
    void CellEditFocusChanged(bool gained, HWND other) override;
    bool CellEditWantsTab() const override;

    void DetachCore();
    bool HandleKey(WORD key, TShiftState shift);
    void MeasureFonts();
    void UpdateScrollBar();
    void Paint(HDC dc) const;
    void PaintBuffered(HDC dc, const RECT& area) const;
    void HandleScroll(WORD code);
    void EditTextChanged();
    bool Inside(HWND window) const { return window && (window == Handle() || window == cellEdit_.Handle()); }
    void Entered(HWND from);
    void Left(HWND to);

    TWin32WindowServices services_{*this};  // invalidation, focus and capture
    TDBGridCore core_;
    TDBGridCellEdit cellEdit_{*this};
    std::unique_ptr<platform::TGdiFont> titleFont_;
    std::unique_ptr<platform::TGdiFont> cellFont_;  // once the window exists
    bool hasFocus_ = false;   // the grid or its cell editor has the focus
    bool destroying_ = false;  // from WM_DESTROY on
};

}  // namespace tips::widgets
