// TDBGridCore: keys and typing, and the row steps they share with the scroll bar.

#include "store/memory_table.hpp"
#include "widgets/db_grid_core.hpp"

namespace tips::widgets {

using store::TDataSetState;

bool TDBGridCore::KeyDown(TGridKey key, TShiftState shift) {
    auto* table = DataSet();
    if (!Active() || !table) return false;
    const bool ctrl = (shift & ssCtrl) != 0;
    const int lastColumn = columns_.Count() - 1;
    switch (key) {
        case kKeyUp: PriorRow(); return true;
        case kKeyDown: NextRow(); return true;
        case kKeyPageUp: table->MoveBy(-rows_.VisibleRowCount()); return true;
        case kKeyPageDown: table->MoveBy(rows_.VisibleRowCount()); return true;
        case kKeyHome:
            if (ctrl) {
                table->First();
                return true;
            }
            if (editor_.IsOpen()) return false;   // the caret's key
            SetSelectedIndex(0);
            return true;
        case kKeyEnd:
            if (ctrl) {
                table->Last();
                return true;
            }
            if (editor_.IsOpen()) return false;
            SetSelectedIndex(lastColumn);
            return true;
        case kKeyLeft:
            if (editor_.IsOpen()) return false;
            SetSelectedIndex(selectedIndex_ - 1);
            return true;
        case kKeyRight:
            if (editor_.IsOpen()) return false;
            SetSelectedIndex(selectedIndex_ + 1);
            return true;
        case kKeyTab:
            if (!(options_ & dgTabs) || (shift & (ssAlt | ssCtrl))) return false;
            if (shift & ssShift) {
                if (selectedIndex_ > 0) {
                    SetSelectedIndex(selectedIndex_ - 1);
                } else if (PriorRow()) {
                    SetSelectedIndex(lastColumn);
                }
            } else if (selectedIndex_ < lastColumn) {
                SetSelectedIndex(selectedIndex_ + 1);
            } else if (NextRow()) {
                SetSelectedIndex(0);
            }
            return true;
        case kKeyInsert:
            if (shift != 0) return false;   // Ctrl+Insert and Shift+Insert are the clipboard's
            if (CanAppend()) table->Insert();
            return true;
        case kKeyEscape: HandleEscape(); return true;
        case kKeyReturn: HandleReturn(); return true;
        case kKeyF2: OpenEditor(); return true;
        default: return false;
    }
}

void TDBGridCore::KeyPress(char c) {
    if (!Active()) return;
    const auto code = static_cast<unsigned char>(c);
    const bool backspace = c == '\b';
    if (code < 0x20 && !backspace) return;   // Enter, Esc and Tab arrive as keys
    if (!editor_.IsOpen()) {
        if (backspace || !OpenEditor()) return;
    }
    EditorTextChanged(editor_.Typed(c));
    EditorChanged();
}

void TDBGridCore::HandleEscape() {
    if (editor_.IsOpen() && editor_.Modified()) {
        // Undo the typing: the cell shows the field's value again; the record stays in its state.
        editor_.Reset(FieldText());
        CloseEditor();
        Changed();
        return;
    }
    CloseEditor();
    if (auto* table = DataSet(); table && (table->State() == TDataSetState::dsEdit || table->State() == TDataSetState::dsInsert)) {
        table->Cancel();
    }
}

void TDBGridCore::HandleReturn() {
    if (editor_.IsOpen()) {
        WriteEditorText();
        CloseEditor();
        Changed();
    } else {
        OpenEditor();
    }
}

bool TDBGridCore::NextRow() {
    auto& table = *DataSet();
    const auto state = table.State();
    if (InsertingUntouched()) {
        // An untouched new row at the end stays; one inserted above other rows goes away.
        if (Appending()) return false;
        table.Cancel();
        return true;
    }
    const int moved = table.MoveBy(1);
    if (table.Eof() && CanAppend()) {
        table.Append();
        return true;
    }
    return moved != 0 || table.State() != state;
}

bool TDBGridCore::PriorRow() {
    auto& table = *DataSet();
    const auto state = table.State();
    if (InsertingUntouched() && Appending()) {
        table.Cancel();
        return true;
    }
    const int moved = table.MoveBy(-1);
    return moved != 0 || table.State() != state;
}

}  // namespace tips::widgets
