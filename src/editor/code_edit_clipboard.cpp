// Copy, cut and paste through the clipboard port: plain text plus the private format that carries
// the selection mode.

#include <algorithm>

#include "base/scoped_value.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/edit_scopes.hpp"
#include "editor/clipboard_transfer.hpp"
#include "editor/editor_errors.hpp"

namespace tips::editor {

void TCustomCodeEdit::CopyToClipboard() {
    if (!HasSelection() || clipboard_ == nullptr) return;
    const std::string text = SelText();
    if (text.empty()) return;
    WriteCodeEditClipboard(*clipboard_, text, selectionMode_);
}

void TCustomCodeEdit::CutToClipboard() {
    if (readOnly_ || !HasSelection()) return;
    CopyToClipboard();
    Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
    TUndoLock lock(undo_, redo_);
    ReplaceSelectionUndoable({});
}

void TCustomCodeEdit::PasteFromClipboard() {
    if (readOnly_ || clipboard_ == nullptr) return;
    const std::optional<TCodeEditClipboardData> data = ReadCodeEditClipboard(*clipboard_, selectionMode_);
    if (!data) return;
    TDeferral deferral(*this);
    {
        TUndoBlock block(undo_);
        const base::TScopedValue pasting(pasteRunning_, true);
        TPoint start = CaretPoint();
        if (HasSelection()) {
            Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
            start = SelectionStart();
            selExtent_ = SelectionEnd();
            selAnchor_ = start;
            if (selectionMode_ == smLine) start.X = 1;
            // A rectangle's text goes in at its top-left corner, where its rows were; the deletion
            // alone would leave the caret on the extent's line, below where the paste record starts.
            if (selectionMode_ == smColumn) start = {std::min(selAnchor_.X, selExtent_.X), selAnchor_.Y};
            // The selection goes in its own mode, as recorded; the text then comes in the paste mode.
            ReplaceSelectionText(selectionMode_, {}, false);
            SetCaretPointEx(false, start);
        }
        // Past the end of its line a stream goes in after blanks up to the caret: the record starts
        // where the line ended, so that undo takes them away with the text, trimmed or not.
        if (data->Mode == smNormal && start.Y <= lines_->Count()) {
            start.X = std::min(start.X, static_cast<int>(LineText(start.Y).size()) + 1);
        }
        ReplaceSelectionText(data->Mode, data->Text, true);
        const TPoint end = CaretPoint();
        switch (data->Mode) {
            case smNormal: Record(ukPaste, start, end, {}, smNormal); break;
            case smLine:
                if (end.X == 1) {
                    // Whole lines up to the one before the caret; two columns at least, so that a
                    // one-line block is still a selection when it is undone.
                    Record(ukPaste, {1, start.Y}, {std::max(visibleColumns_, 2), end.Y - 1}, {}, smLine);
                } else {
                    Record(ukPaste, {1, start.Y}, end, {}, smNormal);
                }
                break;
            case smColumn:  // the rows recorded themselves; the caret goes below the block
                SetCaretPoint({std::min(start.X, end.X), std::max(start.Y, end.Y) + 1});
                break;
        }
    }
    ScrollToCaret();
    NoteStatusChange(snSelection);
}

}  // namespace tips::editor
