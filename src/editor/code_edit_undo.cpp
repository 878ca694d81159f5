// Undo and redo: how each recorded change is replayed on the text. The history beside the lists
// decides which records one step takes, and keeps Modified and OnChange.

#include "editor/custom_code_edit.hpp"
#include "editor/edit_scopes.hpp"

namespace tips::editor {

namespace {

// The replay state of one record: its selection mode, eoScrollPastEol on and eoNoSelection off (a
// replay selects the text it replaces), all restored after.
class TReplayScope {
public:
    TReplayScope(TCodeSelectionMode& mode, TCodeSelectionMode recordMode, TCodeEditorOptions& options)
        : mode_(mode), savedMode_(mode), options_(options), savedOptions_(options) {
        mode_ = recordMode;
        options_ = options_.With(eoScrollPastEol).Without(eoNoSelection);
    }
    TReplayScope(const TReplayScope&) = delete;
    TReplayScope& operator=(const TReplayScope&) = delete;
    ~TReplayScope() {
        mode_ = savedMode_;
        options_ = savedOptions_;
    }

private:
    TCodeSelectionMode& mode_;
    TCodeSelectionMode savedMode_;
    TCodeEditorOptions& options_;
    TCodeEditorOptions savedOptions_;
};

bool IsForward(TCodeEditUndoKind kind) { return kind == ukForwardDelete || kind == ukQuietForwardDelete; }

// A deleted line runs from its start to the start of the next line. No selection deleted with its
// anchor after its end is recorded that way round.
bool IsDeletedLine(const TCodeEditUndoItem& item) {
    return item.ChangeKind == ukForwardDelete && item.SelectionMode == smNormal && item.Start.X == 1 &&
           item.End.X == 1 && item.End.Y == item.Start.Y + 1;
}

}  // namespace

bool TCustomCodeEdit::CanUndo() const { return !readOnly_ && undo_.ItemCount() > 0; }

bool TCustomCodeEdit::CanRedo() const { return !readOnly_ && redo_.ItemCount() > 0; }

void TCustomCodeEdit::ClearUndo() { history_.ClearUndo(); }

void TCustomCodeEdit::Undo() {
    if (readOnly_) return;
    history_.Undo(Has(eoGroupUndo), [this](const TCodeEditUndoItem& item) { UndoOneChange(item); });
    ClampSelectionToMode();
}

void TCustomCodeEdit::Redo() {
    if (readOnly_) return;
    history_.Redo(Has(eoGroupUndo), [this](const TCodeEditUndoItem& item) { RedoOneChange(item); });
    ClampSelectionToMode();
}

// A record replays in its own selection mode, and the selection it leaves (a column block put
// back) may reach past line ends. Read in the editor's mode again, a normal selection stops at
// them, as after a mode switch: a deletion of it would record its start in virtual space, and its
// undo would put the text back after blanks that were never there.
void TCustomCodeEdit::ClampSelectionToMode() {
    selAnchor_ = ClampForSelection(selAnchor_);
    selExtent_ = ClampForSelection(selExtent_);
}

void TCustomCodeEdit::UndoOneChange(const TCodeEditUndoItem& item) {
    const TCodeSelectionMode mode = item.SelectionMode;
    const TPoint s = item.Start;
    const TPoint e = item.End;
    const std::string& t = item.Text;
    TDeferral deferral(*this);
    TReplayScope scope(selectionMode_, mode, options_);
    // Undo gives back the text as it was: the records hold its blanks, and lines stored trimmed
    // now would lose those of them that end a line (a deleted line of blanks, the blanks before a
    // joined line's end), and a redo would then replay its columns on a different text.
    const TOptionOff untrimmed(options_, eoTrimTrailingSpaces);
    switch (item.ChangeKind) {
        case ukInsert:
        case ukPaste:
        case ukDropInsert:
        case ukPadding: {
            // Inserting a break stores the part before it trimmed: put those blanks back before
            // the join, or undo would pull the next line's text onto them. Within one line there
            // is no join, and blanks trimmed there were the inserted text's own.
            if (mode == smNormal && s.Y != e.Y) PadLineForReplay(PointBefore(e, s) ? e : s);
            ApplyCaretAndSelection(s, s, e);
            redo_.RecordChange(item.ChangeKind, s, e, DeletedText(), mode);
            ReplaceSelectionText(mode, t, false);
            // Text typed over in overwrite mode came back: redo must take it away again before
            // it puts the typed text in. Redo replays this deletion first (it is on top).
            if (!t.empty()) redo_.RecordChange(ukDelete, s, CaretPoint(), t, mode);
            SetCaretPoint(s);
            break;
        }
        case ukLineBreak: {
            SetCaretPoint(s);
            redo_.RecordChange(ukLineBreak, s, e, {}, mode);
            std::string line = LineText(caretY_);
            // A break inside the line stored its left part trimmed; padding back to the caret
            // restores those spaces whatever the moved text starts with, so undo gives back the
            // line as it was. A break past the end (nothing moved) left the line alone: no padding.
            if (!t.empty() && static_cast<int>(line.size()) < caretX_ - 1) {
                line.resize(static_cast<std::size_t>(caretX_ - 1), ' ');
            }
            TLinesUpdate update(*lines_);
            if (s.Y < lines_->Count()) lines_->Delete(s.Y);
            SetCaretPoint(s);
            StoreLine(caretY_, line + t);
            LinesDeleted(caretY_, 1);
            update.Close();
            break;
        }
        case ukIndent:
            redo_.RecordChange(ukIndent, s, e, t, mode);
            ApplyCaretAndSelection(e, s, e);
            break;
        case ukUnindent:
            redo_.RecordChange(ukUnindent, s, e, t, mode);
            InsertColumnBlock({1, s.Y}, {1, e.Y}, t, false);
            ApplyCaretAndSelection(s, s, e);
            break;
        case ukDelete:
        case ukForwardDelete:
        case ukQuietDelete:
        case ukQuietForwardDelete: {
            const TPoint p = mode == smColumn ? TPoint{std::min(s.X, e.X), std::min(s.Y, e.Y)}
                                              : (PointBefore(e, s) ? e : s);
            if (IsForward(item.ChangeKind) && p.Y > lines_->Count()) {
                SetCaretPoint({1, lines_->Count()});
                lines_->Add({});
            }
            ApplyCaretAndSelection(p, p, p);
            ReplaceSelectionText(mode, t, false);
            const TPoint q = IsForward(item.ChangeKind) ? s : e;
            SetCaretPoint(q);
            if (item.ChangeKind == ukDelete || item.ChangeKind == ukForwardDelete) {
                SetSelAnchor(s);
                SetSelExtent(e);
            }
            redo_.RecordChange(item.ChangeKind, s, e, {}, mode);
            ScrollToCaret();
            break;
        }
        default: break;
    }
}

// Pads the line of `start` with blanks up to the column before it, without a record: a replay
// that joins lines there must find the text where the recorded change left it.
void TCustomCodeEdit::PadLineForReplay(TPoint start) {
    if (start.Y < 1 || start.Y > lines_->Count()) return;
    std::string line = LineText(start.Y);
    if (static_cast<int>(line.size()) >= start.X - 1) return;
    line.resize(static_cast<std::size_t>(start.X - 1), ' ');
    lines_->Put(start.Y - 1, line);
}

void TCustomCodeEdit::RedoOneChange(const TCodeEditUndoItem& item) {
    const TCodeSelectionMode mode = item.SelectionMode;
    const TPoint s = item.Start;
    const TPoint e = item.End;
    const std::string& t = item.Text;
    TDeferral deferral(*this);
    TReplayScope scope(selectionMode_, mode, options_);
    switch (item.ChangeKind) {
        case ukInsert:
        case ukPaste:
        case ukDropInsert:
            ApplyCaretAndSelection(s, s, s);
            ReplaceSelectionText(mode, t, false);
            SetCaretPoint(e);
            undo_.RecordChange(item.ChangeKind, s, e, DeletedText(), mode);
            if (item.ChangeKind == ukDropInsert) {
                SetSelAnchor(s);
                SetSelExtent(e);
            }
            break;
        case ukDelete:
        case ukForwardDelete:
        case ukQuietDelete:
        case ukQuietForwardDelete:
            if (IsDeletedLine(item)) {
                // Selecting up to the next line's start cannot take away the last line; the command
                // can, and records itself again.
                ApplyCaretAndSelection(s, s, s);
                RunCommand(ecDeleteLine, 0, {});
                break;
            }
            // The deletion started past the end of its line (a join that padded the line): pad it
            // again, so that the selection starts where the original one did. A deletion within
            // one line past its end took nothing (a step over virtual space): padding would stay.
            if (mode == smNormal && e.Y > s.Y) PadLineForReplay(s);
            ApplyCaretAndSelection(s, s, e);
            undo_.RecordChange(item.ChangeKind, s, e, DeletedText(), mode);
            ReplaceSelectionText(mode, {}, false);
            SetCaretPoint(s);
            break;
        case ukLineBreak:
            // Without a selection: the record before may have left one (an indent, a drop), and
            // the command would delete it first.
            ApplyCaretAndSelection(s, s, s);
            RunCommand(e == s ? ecInsertLine : ecLineBreak, '\r', {});
            break;
        case ukIndent:
            undo_.RecordChange(ukIndent, s, e, t, mode);
            ApplyCaretAndSelection(e, s, e);
            break;
        case ukUnindent: {
            undo_.RecordChange(ukUnindent, s, e, t, smColumn);
            TLinesUpdate update(*lines_);
            std::size_t from = 0;
            int y = s.Y;
            int lastLength = 0;
            while (from <= t.size()) {
                const std::size_t to = std::min(t.find("\r\n", from), t.size());
                const int length = static_cast<int>(to - from);
                if (length > 0 && y <= lines_->Count()) lines_->Put(y - 1, LineText(y).substr(std::min<std::size_t>(static_cast<std::size_t>(length), LineText(y).size())));
                lastLength = length;
                ++y;
                from = to + 2;
            }
            update.Close();
            const TPoint start{s.X - tabWidth_, s.Y};
            ApplyCaretAndSelection(start, start, {e.X - lastLength, e.Y});
            break;
        }
        case ukPadding:
            undo_.RecordChange(ukPadding, s, e, {}, mode);
            ApplyCaretAndSelection(e, e, e);
            ReplaceSelectionText(mode, t, false);
            SetCaretPoint(s);
            break;
        default: break;
    }
}

}  // namespace tips::editor
