// The selection and its three modes, the selected text, and the replacement primitive every edit
// goes through.

#include <algorithm>

#include "base/line_split.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/edit_scopes.hpp"

namespace tips::editor {

namespace {

// The pieces of a text put in at the caret: n breaks give n + 1 pieces, the last one going in front of
// what followed the caret.
std::vector<std::string> SplitLines(const std::string& text) {
    const auto pieces = base::SplitLines(text, base::TFinalBreak::StartsEmptyLine);
    return {pieces.begin(), pieces.end()};
}

// Characters [from, to) of a line, 1-based columns, cut to what the line has.
std::string ColumnsOf(const std::string& line, int from, int to) {
    const auto size = static_cast<int>(line.size());
    const int first = std::clamp(from - 1, 0, size);
    const int last = std::clamp(to - 1, first, size);
    return line.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
}

}  // namespace

// --- small text helpers shared by the editing files ---

std::string TCustomCodeEdit::TrimTrailing(std::string text) const {
    if (Has(eoTrimTrailingSpaces)) {
        const auto end = text.find_last_not_of(' ');
        text.erase(end == std::string::npos ? 0 : end + 1);
    }
    return text;
}

void TCustomCodeEdit::StoreLine(int y, const std::string& text) { lines_->Put(y - 1, TrimTrailing(text)); }

// --- selection primitives ---

TPoint TCustomCodeEdit::SelectionStart() const {
    return PointBefore(selExtent_, selAnchor_) ? selExtent_ : selAnchor_;
}

TPoint TCustomCodeEdit::SelectionEnd() const {
    return PointBefore(selExtent_, selAnchor_) ? selAnchor_ : selExtent_;
}

bool TCustomCodeEdit::HasSelection() const {
    return selAnchor_.X != selExtent_.X || (selAnchor_.Y != selExtent_.Y && selectionMode_ != smColumn);
}

TPoint TCustomCodeEdit::ClampForSelection(TPoint p) const {
    p.X = std::clamp(p.X, 1, maxLeftChar_);
    p.Y = std::max(std::min(p.Y, lines_->Count()), 1);
    if (selectionMode_ == smNormal) {
        const int length = p.Y <= lines_->Count() ? static_cast<int>(LineText(p.Y).size()) : 0;
        p.X = std::min(p.X, length + 1);
    }
    return p;
}

void TCustomCodeEdit::SetSelAnchor(TPoint point) {
    const TPoint p = ClampForSelection(point);
    const bool hadSelection = HasSelection();
    if (hadSelection) {
        RepaintTextLines(std::min({selAnchor_.Y, selExtent_.Y, p.Y}), std::max({selAnchor_.Y, selExtent_.Y, p.Y}));
    }
    const bool changed = selAnchor_ != p || selExtent_ != p;
    selAnchor_ = selExtent_ = p;
    if (changed || hadSelection) NoteStatusChange(snSelection);
}

void TCustomCodeEdit::SetSelExtent(TPoint point) {
    if (Has(eoNoSelection)) return;
    const TPoint p = ClampForSelection(point);
    if (p == selExtent_) return;
    if (selectionMode_ == smColumn && p.X != selExtent_.X) {
        RepaintTextLines(std::min({selAnchor_.Y, selExtent_.Y, p.Y}), std::max({selAnchor_.Y, selExtent_.Y, p.Y}));
    } else if (!(selectionMode_ == smColumn && p.X == selAnchor_.X)) {
        RepaintTextLines(selExtent_.Y, p.Y);
    }
    selExtent_ = p;
    NoteStatusChange(snSelection);
}

void TCustomCodeEdit::ApplyCaretAndSelection(TPoint caret, TPoint begin, TPoint end) {
    TDeferral deferral(*this);
    SetCaretPoint(caret);
    SetSelAnchor(begin);
    SetSelExtent(end);
}

void TCustomCodeEdit::StepCaretAndSelection(TPoint from, TPoint to, bool extend) {
    TDeferral deferral(*this);
    if (Has(eoGroupUndo)) undo_.RecordGroupBreak();
    if (extend) {
        if (!HasSelection()) SetSelAnchor(from);
        SetSelExtent(to);
    } else {
        SetSelAnchor(to);
    }
    SetCaretPoint(to);
}

void TCustomCodeEdit::SelectAll() {
    TDeferral deferral(*this);
    const TPoint end = lines_->Count() == 0 ? TPoint{1, 1} : LineEndPoint(lines_->Count());
    SetCaretPoint(end);
    SetSelAnchor({1, 1});
    SetSelExtent(end);
    NoteStatusChange(snSelection);
}

bool TCustomCodeEdit::SelectionContains(TPoint point) const {
    if (!HasSelection()) return false;
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    if (point.Y < s.Y || point.Y > e.Y) return false;
    switch (selectionMode_) {
        case smLine: return true;
        case smColumn:
            return point.X >= std::min(selAnchor_.X, selExtent_.X) && point.X < std::max(selAnchor_.X, selExtent_.X);
        case smNormal: break;
    }
    return !PointBefore(point, s) && PointBefore(point, e);
}

std::string TCustomCodeEdit::SelText() const { return SelectedText(!Has(eoTrimTrailingSpaces)); }

std::string TCustomCodeEdit::DeletedText() const { return SelectedText(false); }

std::string TCustomCodeEdit::SelectedText(bool padColumnRows) const {
    if (!HasSelection()) return {};
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    std::string result;
    switch (selectionMode_) {
        case smNormal:
            if (s.Y == e.Y) return ColumnsOf(LineText(s.Y), s.X, e.X);
            result = ColumnsOf(LineText(s.Y), s.X, static_cast<int>(LineText(s.Y).size()) + 1) + "\r\n";
            for (int y = s.Y + 1; y < e.Y; ++y) result += LineText(y) + "\r\n";
            result += ColumnsOf(LineText(e.Y), 1, e.X);
            return result;
        case smLine:
            for (int y = s.Y; y <= e.Y; ++y) {
                result += LineText(y);
                if (y != lines_->Count()) result += "\r\n";
            }
            return result;
        case smColumn: {
            const int c1 = std::min(selAnchor_.X, selExtent_.X);
            const int c2 = std::max(selAnchor_.X, selExtent_.X);
            for (int y = s.Y; y <= e.Y; ++y) {
                std::string part = ColumnsOf(LineText(y), c1, c2);
                if (padColumnRows) part.resize(static_cast<std::size_t>(c2 - c1), ' ');
                result += part;
                if (y != e.Y) result += "\r\n";
            }
            return result;
        }
    }
    return result;
}

void TCustomCodeEdit::SetSelText(const std::string& text) {
    if (readOnly_) return;
    ReplaceSelectionText(selectionMode_, text, true);
}

void TCustomCodeEdit::ReplaceSelectionUndoable(const std::string& text) {
    TUndoBlock block(undo_);
    if (HasSelection()) Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
    if (selectionMode_ == smColumn) {
        ReplaceColumnsUndoable(text);
        return;
    }
    const TPoint start = SelectionStart();
    selExtent_ = SelectionEnd();
    selAnchor_ = start;
    {
        TUndoLock lock(undo_, redo_);
        ReplaceSelectionText(selectionMode_, text, true);
    }
    if (selectionMode_ == smLine) {
        // Whole lines went in before the start line and a last piece without a break was put in
        // front of the line after them: what was inserted is the stream from column 1 of the
        // start line to the caret, and only that may go again on undo.
        Record(ukInsert, {1, start.Y}, CaretPoint(), {}, smNormal);
        return;
    }
    Record(ukInsert, start, CaretPoint(), {}, selectionMode_);
}

void TCustomCodeEdit::ReplaceColumnsUndoable(const std::string& text) {
    // The deletion leaves the caret on the extent's line; the new rows go in from the top line of
    // the rectangle, where the old ones were. Rows may differ in length, so each records itself
    // (and lines added below the text are recorded too): undone in reverse, they leave exactly
    // the text the recorded deletion then puts back.
    const int top = std::min(selAnchor_.Y, selExtent_.Y);
    const int left = std::min(selAnchor_.X, selExtent_.X);
    {
        TUndoLock lock(undo_, redo_);
        ReplaceSelectionText(smColumn, {}, false);
    }
    SetCaretPointEx(false, {left, top});
    ReplaceSelectionText(smColumn, text, true);
}

void TCustomCodeEdit::InsertColumnBlock(TPoint begin, TPoint end, const std::string& text, bool recording) {
    ApplyCaretAndSelection(begin, begin, end);
    selectionMode_ = smColumn;
    ReplaceSelectionText(smColumn, text, recording);
    NoteStatusChange(snSelection);
}

// --- the replacement primitive ---

int TCustomCodeEdit::ReplaceSelectionText(TCodeSelectionMode mode, const std::string& text, bool recordColumnRows) {
    TDeferral deferral(*this);
    TLinesUpdate update(*lines_);
    if (HasSelection()) DeleteSelectionForReplace(mode);
    int lastSegment = 0;
    if (!text.empty()) lastSegment = InsertTextForReplace(mode, text, recordColumnRows);
    if (caretY_ < 1) caretY_ = 1;
    update.Close();
    return lastSegment;
}

void TCustomCodeEdit::DeleteSelectionForReplace(TCodeSelectionMode mode) {
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    switch (mode) {
        case smNormal: {
            std::string joined = ColumnsOf(LineText(s.Y), 1, s.X) + ColumnsOf(LineText(e.Y), e.X, INT32_MAX);
            if (e.Y > s.Y) lines_->RemoveLines(s.Y, e.Y - s.Y);
            if (Has(eoScrollPastEol) && Has(eoTrimTrailingSpaces)) joined = TrimTrailing(joined);
            lines_->Put(s.Y - 1, joined);
            SetCaretPointEx(false, s);
            if (e.Y > s.Y) LinesDeleted(s.Y, e.Y - s.Y);
            break;
        }
        case smLine:
            if (e.Y >= lines_->Count()) {
                lines_->Put(e.Y - 1, {});
                if (e.Y > s.Y) lines_->RemoveLines(s.Y - 1, e.Y - s.Y);
            } else {
                lines_->RemoveLines(s.Y - 1, e.Y - s.Y + 1);
            }
            SetCaretPointEx(false, {1, s.Y});
            LinesDeleted(s.Y, e.Y - s.Y + 1);
            break;
        case smColumn: {
            const int c1 = std::min(selAnchor_.X, selExtent_.X);
            const int c2 = std::max(selAnchor_.X, selExtent_.X);
            const int extentLine = selExtent_.Y;
            for (int y = s.Y; y <= e.Y; ++y) {
                std::string line = LineText(y);
                if (static_cast<int>(line.size()) < c1) continue;
                line.erase(static_cast<std::size_t>(c1 - 1), static_cast<std::size_t>(c2 - c1));
                StoreLine(y, line);
            }
            SetCaretPointEx(false, {c1, extentLine});
            break;
        }
    }
}

int TCustomCodeEdit::InsertTextForReplace(TCodeSelectionMode mode, const std::string& text, bool recordRows) {
    const std::vector<std::string> parts = SplitLines(text);
    const int breaks = static_cast<int>(parts.size()) - 1;
    const int startLine = caretY_;
    TPoint caret = CaretPoint();
    int insertedLines = 0;
    int insertedAt = startLine;
    int lastSegment = 0;
    switch (mode) {
        case smNormal: {
            const std::string& line = LineText(caretY_);
            std::string left = ColumnsOf(line, 1, caretX_);
            left.resize(static_cast<std::size_t>(caretX_ - 1), ' ');
            const std::string right = ColumnsOf(line, caretX_, INT32_MAX);
            const int rightLength = static_cast<int>(TrimTrailing(right).size());
            if (breaks == 0) {
                StoreLine(caretY_, left + text + right);
                caret.X = static_cast<int>(LineText(caretY_).size()) - rightLength + 1;
            } else {
                StoreLine(caretY_, left + parts[0]);
                lines_->InsertEmptyLines(caretY_, breaks);
                for (int k = 1; k <= breaks; ++k) {
                    StoreLine(caretY_ + k, k == breaks ? parts[static_cast<std::size_t>(k)] + right
                                                       : parts[static_cast<std::size_t>(k)]);
                }
                caret = {static_cast<int>(LineText(caretY_ + breaks).size()) - rightLength + 1, caretY_ + breaks};
                insertedLines = breaks;
            }
            NoteStatusChange(snCaretColumn);
            break;
        }
        case smLine: {
            // The whole lines go in before the caret line as one block: inserted one by one,
            // each would move every later line again. They are stored like every other line:
            // kept untrimmed, their blanks would not come back when a redo puts the paste in
            // again as a stream, which is how its record replays it.
            const int at = std::min(caretY_ - 1, lines_->Count());
            if (breaks > 0) {
                lines_->InsertEmptyLines(at, breaks);
                for (int k = 0; k < breaks; ++k) lines_->Put(at + k, TrimTrailing(parts[static_cast<std::size_t>(k)]));
            }
            const int y = caretY_ + breaks;
            const std::string& last = parts.back();
            if (y <= lines_->Count()) {
                StoreLine(y, last + LineText(y));
            } else {
                lines_->Add(TrimTrailing(last));
                ++insertedLines;
            }
            insertedLines += breaks;
            caret = {static_cast<int>(last.size()) + 1, y};
            NoteStatusChange(snCaretColumn);
            break;
        }
        case smColumn: {
            const int column = caretX_;
            int y = caretY_;
            int lastNonEmpty = 0;
            // Rows beyond the last line add lines. Recorded ahead of the rows, this record is
            // undone after them and takes the added lines away again, so undo restores the text.
            // It ends where the last added line will end, so that its redo leaves the caret there.
            const int oldCount = lines_->Count();
            const int added = caretY_ + breaks - oldCount;
            if (added > 0 && (recordRows || pasteRunning_)) {
                const TPoint from = oldCount == 0 ? TPoint{1, 1} : LineEndPoint(oldCount);
                const int lastLength = column - 1 + static_cast<int>(parts.back().size());
                Record(ukPaste, from, {lastLength + 1, oldCount + added}, {}, smNormal);
            }
            for (const std::string& segment : parts) {
                int rowStart = column;
                if (y > lines_->Count()) {
                    if (insertedLines == 0) insertedAt = y;
                    // Stored like every other row: kept untrimmed, a row of blanks would come back
                    // trimmed when a redo puts the added lines in again as a stream.
                    lines_->Add(TrimTrailing(std::string(static_cast<std::size_t>(column - 1), ' ') + segment));
                    ++insertedLines;
                } else if (!segment.empty()) {
                    // An empty row changes nothing: padding it would leave blanks nobody typed.
                    std::string line = LineText(y);
                    // A padded row's record starts where the line ended, so that undo takes the
                    // blanks away with the segment, trimmed or not.
                    rowStart = std::min(column, static_cast<int>(line.size()) + 1);
                    if (static_cast<int>(line.size()) < column - 1) line.resize(static_cast<std::size_t>(column - 1), ' ');
                    line.insert(static_cast<std::size_t>(column - 1), segment);
                    StoreLine(y, line);
                }
                if (!segment.empty()) {
                    // A row is a rectangle one line high whatever the editor's mode: recorded in
                    // line mode, its undo would take the whole line away.
                    if (recordRows || pasteRunning_) {
                        Record(ukPaste, {rowStart, y}, {column + static_cast<int>(segment.size()), y}, {}, smColumn);
                    }
                    lastNonEmpty = static_cast<int>(segment.size());
                }
                lastSegment = static_cast<int>(segment.size());
                ++y;
            }
            caret = {column + lastNonEmpty, caretY_ + breaks};
            break;
        }
    }
    if (insertedLines > 0) LinesInserted(insertedAt, insertedLines);
    SetCaretPoint(caret);
    return lastSegment;
}

}  // namespace tips::editor
