// TDBGridCore: the link to the table, the rows and the cell cursor, the cell editor, the mouse and the
// focus. The keys are in db_grid_keys.cpp.

#include "widgets/db_grid_core.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

#include "base/scoped_value.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"

namespace tips::widgets {

using store::TDataSetState;

namespace {

bool IsEditState(TDataSetState state) { return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert; }

}  // namespace

TDBGridCore::TDBGridCore(TDBGridView* view) : view_(view) { geometry_.SetOptions(options_); }

TDBGridCore::~TDBGridCore() { link_.SetDataSource(nullptr); }

// ---- The data ------------------------------------------------------------------------------------

void TDBGridCore::SetDataSource(store::TDataSource* dataSource) {
    if (dataSource == link_.DataSource()) return;
    CloseEditor();
    link_.SetDataSource(dataSource);
    // The link reports a change of activity only; another open table needs the same fresh start.
    LinkActiveChanged();
}

void TDBGridCore::LinkActiveChanged() {
    CloseEditor();
    columns_.Resolve(Active() ? DataSet() : nullptr);
    rows_.ScrollTo(0);
    SyncRows(false);
    Changed();
}

void TDBGridCore::LinkDataSetChanged(bool centre) {
    // The grid's own start of an edit re-reads the rows under the open cell editor; anything else that
    // re-reads or moves them leaves the cell.
    if (!startingEdit_) CloseEditor();
    columns_.Resolve(Active() ? DataSet() : nullptr);   // the data source may have another table now
    SyncRows(centre);
    Changed();
}

void TDBGridCore::LinkRecordChanged(const store::TField* field) {
    if (!writing_ && !startingEdit_ && editor_.IsOpen() && (!field || field == SelectedField())) {
        editor_.Reset(FieldText());
        EditorChanged();
    }
    Changed();
}

void TDBGridCore::SyncRows(bool centre) {
    const auto* table = DataSet();
    if (!Active() || !table) {
        rows_.Update(1, 0, false);
        return;
    }
    const bool inserting = table->State() == TDataSetState::dsInsert;
    rows_.Update(table->RecordCount() + (inserting ? 1 : 0), std::max(0, table->ActiveRowIndex()), centre);
}

void TDBGridCore::Changed() {
    if (view_) view_->GridChanged();
}

void TDBGridCore::EditorChanged() {
    if (view_) view_->CellEditorChanged();
}

void TDBGridCore::ColumnsChanged() {
    columns_.Resolve(Active() ? DataSet() : nullptr);
    selectedIndex_ = std::clamp(selectedIndex_, 0, std::max(0, columns_.Count() - 1));
    if (editor_.IsOpen()) EditorChanged();
    Changed();
}

void TDBGridCore::SetOptions(TDBGridOptions options) {
    if (options == options_) return;
    options_ = options;
    geometry_.SetOptions(options);
    rows_.SetVisibleRowCount(geometry_.VisibleRowCount());
    if (!(options_ & dgEditing)) CloseEditor();
    if (editor_.IsOpen()) EditorChanged();
    Changed();
}

void TDBGridCore::SetClientSize(platform::TViewSize size) {
    geometry_.SetClientSize(size);
    rows_.SetVisibleRowCount(geometry_.VisibleRowCount());
    if (editor_.IsOpen()) EditorChanged();
    Changed();
}

void TDBGridCore::SetTextHeights(int cellText, int titleText) {
    geometry_.SetTextHeights(cellText, titleText);
    rows_.SetVisibleRowCount(geometry_.VisibleRowCount());
    if (editor_.IsOpen()) EditorChanged();
    Changed();
}

// ---- Cell cursor and what the rows show -------------------------------------------------------------

void TDBGridCore::SetSelectedIndex(int index) {
    if (index < 0 || index >= columns_.Count() || index == selectedIndex_) return;
    WriteEditorText();
    CloseEditor();
    selectedIndex_ = index;
    Changed();
}

store::TField* TDBGridCore::SelectedField() const {
    return selectedIndex_ < columns_.Count() ? columns_[selectedIndex_].Field() : nullptr;
}

std::optional<int> TDBGridCore::RecordIndexAt(int row) const {
    const auto* table = DataSet();
    if (!Active() || !table) return std::nullopt;
    if (table->State() == TDataSetState::dsInsert) {
        const int newRow = table->ActiveRowIndex();
        if (row == newRow) return std::nullopt;
        if (row > newRow) --row;
    }
    if (row < 0 || row >= table->RecordCount()) return std::nullopt;
    return row;
}

std::string TDBGridCore::CellText(int row, int column) const {
    const auto* table = DataSet();
    if (!Active() || !table || column < 0 || column >= columns_.Count()) return {};
    const auto* field = columns_[column].Field();
    if (!field) return {};
    const bool current = row == rows_.ActiveRow();
    if (current && column == selectedIndex_ && editor_.IsOpen()) return editor_.Text();
    // The current record being edited shows its working values.
    if (current && IsEditState(table->State())) return field->AsString();
    const auto index = RecordIndexAt(row);
    if (!index) return {};
    return table->StoredValue(*index, *field).value_or(std::string());
}

TRowIndicator TDBGridCore::Indicator(int row) const {
    const auto* table = DataSet();
    if (!Active() || !table || row != rows_.ActiveRow()) return TRowIndicator::None;
    switch (table->State()) {
        case TDataSetState::dsEdit: return TRowIndicator::Editing;
        case TDataSetState::dsInsert: return TRowIndicator::Inserting;
        default: return TRowIndicator::Current;
    }
}

platform::TViewRect TDBGridCore::CellEditorRect() const {
    if (columns_.Count() == 0) return {};
    return geometry_.CellRect(rows_.ActiveRow() - rows_.TopRow(), selectedIndex_);
}

platform::TViewScrollInfo TDBGridCore::ScrollInfo() const {
    platform::TViewScrollInfo info;
    info.Min = 0;
    info.Max = rows_.RowCount() - 1;
    info.Page = rows_.VisibleRowCount();
    info.Position = rows_.TopRow();
    return info;
}

// ---- The cell editor -----------------------------------------------------------------------------

bool TDBGridCore::CanEditModify() const {
    const auto* field = SelectedField();
    return Active() && (options_ & dgEditing) && !link_.ReadOnly() && field && field->CanModify();
}

std::string TDBGridCore::FieldText() const {
    const auto* field = SelectedField();
    return field ? field->AsString() : std::string();
}

bool TDBGridCore::OpenEditor() {
    if (editor_.IsOpen()) return true;
    if (!CanEditModify()) return false;
    const auto* field = SelectedField();
    editor_.Open(FieldText(), field->IsBlob() ? 0 : field->Size());
    EditorChanged();
    Changed();
    return true;
}

void TDBGridCore::CloseEditor() {
    if (!editor_.IsOpen()) return;
    editor_.Close();
    EditorChanged();
}

bool TDBGridCore::EditorTextChanged(std::string_view text) {
    if (!editor_.IsOpen()) return false;
    std::string_view kept = text;
    if (editor_.MaxLength() > 0) kept = kept.substr(0, static_cast<std::size_t>(editor_.MaxLength()));
    if (kept == editor_.Text()) return kept.size() == text.size();
    if (!link_.Editing()) {
        // The first change puts the table into edit state (insert state on an empty table).
        if (!CanEditModify()) return false;
        {
            const base::TScopedValue starting(startingEdit_, true);
            link_.Edit();
        }
        if (!link_.Editing()) return false;
    }
    editor_.Change(kept);
    Changed();
    return kept.size() == text.size();
}

void TDBGridCore::WriteEditorText() {
    if (!editor_.IsOpen() || !editor_.Modified()) return;
    auto* field = SelectedField();
    if (!field || !link_.Editing()) return;
    const base::TScopedValue writing(writing_, true);
    const std::string text = editor_.Text();
    if (text.empty()) {
        field->Clear();
    } else {
        field->SetAsString(text);
    }
    editor_.Written();
    Changed();
}

// ---- States of the current record -------------------------------------------------------------------

bool TDBGridCore::InsertingUntouched() const {
    const auto* table = DataSet();
    return Active() && table && table->State() == TDataSetState::dsInsert && !table->Modified() && !editor_.Modified();
}

bool TDBGridCore::Appending() const {
    const auto* table = DataSet();
    return table && table->State() == TDataSetState::dsInsert && table->ActiveRowIndex() >= table->RecordCount();
}

bool TDBGridCore::CanAppend() const {
    const auto* table = DataSet();
    return Active() && table && (options_ & dgEditing) && !link_.ReadOnly() && table->CanModify();
}

// ---- Mouse ---------------------------------------------------------------------------------------

namespace {

std::optional<std::int32_t> RecordIdAt(const store::TMemoryTable& table, int index) {
    const auto text = table.StoredValue(index, table.Fields(0));
    if (!text) return std::nullopt;
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), id);
    if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
    return id;
}

int IndexOfRecordId(const store::TMemoryTable& table, std::int32_t id) {
    for (int index = 0; index < table.RecordCount(); ++index) {
        if (RecordIdAt(table, index) == id) return index;
    }
    return -1;
}

}  // namespace

void TDBGridCore::MoveToRow(int row) {
    auto* table = DataSet();
    const auto target = RecordIndexAt(row);
    if (!table || !target) return;
    // Posting the pending record may move it and shift the rows: go to the record that was clicked.
    const auto id = RecordIdAt(*table, *target);
    const int distance = row - rows_.ActiveRow();
    table->CheckBrowseMode();
    const int index = id ? IndexOfRecordId(*table, *id) : -1;
    if (index >= 0) {
        table->MoveBy(index - (table->RecNo() - 1));
    } else {
        table->MoveBy(distance);
    }
}

void TDBGridCore::MouseDown(int x, int y, bool hadFocus) {
    pressedTitle_ = -1;
    const int edge = geometry_.ColumnEdgeAt(x, y);
    if (edge >= 0) {
        resizingColumn_ = edge;
        resizeStartX_ = x;
        resizeStartWidth_ = columns_[edge].Width();
        return;
    }
    const auto hit = geometry_.HitTest(x, y);
    if (hit.Area == TGridArea::Title) {
        pressedTitle_ = hit.Column;
        return;
    }
    if ((hit.Area != TGridArea::Cell && hit.Area != TGridArea::Indicator) || !Active()) return;
    const int row = rows_.TopRow() + hit.Offset;
    if (row >= rows_.RowCount()) return;
    if (row != rows_.ActiveRow()) {
        MoveToRow(row);
    } else if (hit.Area == TGridArea::Cell && hit.Column == selectedIndex_ && hadFocus) {
        OpenEditor();
    }
    if (hit.Area == TGridArea::Cell) SetSelectedIndex(hit.Column);
}

void TDBGridCore::MouseMove(int x, int) {
    if (resizingColumn_ < 0) return;
    columns_[resizingColumn_].SetWidth(std::max(1, resizeStartWidth_ + x - resizeStartX_));
    if (editor_.IsOpen()) EditorChanged();
    Changed();
}

void TDBGridCore::MouseUp(int x, int y) {
    if (resizingColumn_ >= 0) {
        resizingColumn_ = -1;
        return;
    }
    const int pressed = std::exchange(pressedTitle_, -1);
    if (pressed < 0) return;
    const auto hit = geometry_.HitTest(x, y);
    if (hit.Area == TGridArea::Title && hit.Column == pressed && OnTitleClick) OnTitleClick(pressed);
}

void TDBGridCore::CancelMouse() {
    pressedTitle_ = -1;
    resizingColumn_ = -1;
}

void TDBGridCore::Scroll(TGridScroll code, int position) {
    auto* table = DataSet();
    if (!Active() || !table) return;
    switch (code) {
        case TGridScroll::LineUp: PriorRow(); break;
        case TGridScroll::LineDown: table->MoveBy(1); break;
        case TGridScroll::PageUp: table->MoveBy(-rows_.VisibleRowCount()); break;
        case TGridScroll::PageDown: table->MoveBy(rows_.VisibleRowCount()); break;
        case TGridScroll::Top: table->First(); break;
        case TGridScroll::Bottom: table->Last(); break;
        case TGridScroll::Thumb: {
            // The window moves to the thumb; the current record keeps its place in the window.
            const int offset = rows_.ActiveRow() - rows_.TopRow();
            table->CheckBrowseMode();
            if (table->IsEmpty()) break;
            rows_.ScrollTo(position);
            const int target = std::clamp(rows_.TopRow() + offset, 0, table->RecordCount() - 1);
            table->MoveBy(target - (table->RecNo() - 1));
            Changed();
            break;
        }
    }
}

void TDBGridCore::MouseWheel(int notches) {
    auto* table = DataSet();
    if (Active() && table && notches != 0) table->MoveBy(-notches);
}

// ---- Focus ---------------------------------------------------------------------------------------

void TDBGridCore::SetFocused(bool focused) {
    if (focused == focused_) return;
    focused_ = focused;
    Changed();
}

void TDBGridCore::Exit() {
    auto* table = DataSet();
    if (Active() && table) {
        if ((options_ & dgCancelOnExit) && InsertingUntouched()) {
            table->Cancel();
        } else {
            WriteEditorText();
        }
    }
    CloseEditor();
}

}  // namespace tips::widgets
