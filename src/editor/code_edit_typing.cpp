// Typing: characters and input-method strings, line breaks, and the deletion commands.

#include <algorithm>

#include "editor/custom_code_edit.hpp"
#include "editor/edit_scopes.hpp"

namespace tips::editor {

namespace {

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

}  // namespace

int TCustomCodeEdit::LeadingWhite(const std::string& line, bool tabWeighted) const {
    if (!Has(eoAutoIndent)) return 0;
    int width = 0;
    for (const char c : line) {
        if (!IsBlank(c)) break;
        width += c == '\t' && tabWeighted ? tabWidth_ : 1;
    }
    return width;
}

std::string TCustomCodeEdit::IndentString(int columns) const {
    if (columns <= 0) return {};
    if (Has(eoTabsToSpaces) || columns < tabWidth_) return std::string(static_cast<std::size_t>(columns), ' ');
    return std::string(static_cast<std::size_t>(columns / tabWidth_), '\t') +
           std::string(static_cast<std::size_t>(columns % tabWidth_), ' ');
}

// --- characters ---

// Typed text over a selection: the deletion and the insertion, as one undo step.
void TCustomCodeEdit::ReplaceSelectionTyped(const std::string& text) {
    TUndoBlock block(undo_);
    Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
    // The text goes where the deletion left the caret: the selection start, column 1 of it in
    // line mode, and the left column on the extent's line in column mode. No column row records:
    // the ukInsert below covers the text. A column that lies past the end of a short line pads
    // it with blanks first; the record starts where the line ended, so that undo takes the
    // padding away with the text: left behind, the blanks would end up inside a line once an
    // earlier line break is undone, and shift what later records address by column.
    ReplaceSelectionText(selectionMode_, {}, false);
    TPoint start = CaretPoint();
    start.X = std::min(start.X, static_cast<int>(LineText(start.Y).size()) + 1);
    ReplaceSelectionText(selectionMode_, text, false);
    Record(ukInsert, start, selExtent_, {}, smNormal);
}

void TCustomCodeEdit::InsertCharacter(char ch) {
    const auto code = static_cast<unsigned char>(ch);
    if (code < 32 || code == 127 || readOnly_) return;
    if (HasSelection()) {
        ReplaceSelectionTyped(std::string(1, ch));
        return;
    }
    TOptionOn pastEol(options_, eoScrollPastEol);
    std::string line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    const TPoint before = CaretPoint();
    if (!insertMode_ && caretX_ <= length) {
        const auto at = static_cast<std::size_t>(caretX_ - 1);
        const std::string replaced = line.substr(at, 1);
        line[at] = ch;
        SetCaretPoint({before.X + 1, before.Y});
        StoreLine(caretY_, line);
        Record(ukInsert, before, {before.X + 1, before.Y}, replaced, smNormal);
    } else {
        // Inserting, or overwriting past the end of the line where there is nothing to replace:
        // the line is padded up to the caret and the padding is recorded on its own, so that
        // undo takes it away again (an indent string of tabs is shorter than the columns it fills).
        std::string pad;
        if (length < caretX_ - 1) {
            const int columns = caretX_ - length - 1;
            pad = length > 0 ? std::string(static_cast<std::size_t>(columns), ' ') : IndentString(columns);
        }
        line += pad;
        const int at = std::min(caretX_ - 1, static_cast<int>(line.size()));
        line.insert(static_cast<std::size_t>(at), 1, ch);
        const TPoint typed{at + 1, caretY_};
        const TPoint after{at + 2, caretY_};
        SetCaretPoint(after);
        StoreLine(caretY_, line);
        if (!pad.empty()) {
            TUndoBlock block(undo_);
            Record(ukPadding, typed, {length + 1, caretY_}, {}, smNormal);
            Record(ukInsert, typed, after, {}, smNormal);
        } else {
            Record(ukInsert, typed, after, {}, smNormal);
        }
    }
    if (CharToDisplayColumn(caretY_, caretX_) >= firstVisibleColumn_ + visibleColumns_) {
        SetFirstVisibleColumn(firstVisibleColumn_ + std::min(25, visibleColumns_ - 1));
    }
}

void TCustomCodeEdit::InsertImeString(const std::string& text) {
    if (readOnly_ || text.empty()) return;
    if (HasSelection()) {
        ReplaceSelectionTyped(text);
        RepaintTextLines(-1, -1);
        return;
    }
    TOptionOn pastEol(options_, eoScrollPastEol);
    std::string line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    // Padding reaches the caret column and no further: one more blank would be left behind the
    // string, outside what undo takes away. The padding is recorded like typed padding.
    const int padding = std::max(caretX_ - 1 - length, 0);
    line.append(static_cast<std::size_t>(padding), ' ');
    const TPoint before = CaretPoint();
    const auto at = static_cast<std::size_t>(caretX_ - 1);
    std::string replaced;
    if (!insertMode_) {
        replaced = line.substr(at, text.size());
        line.erase(at, text.size());
    }
    line.insert(at, text);
    const TPoint after{before.X + static_cast<int>(text.size()), before.Y};
    SetCaretPoint(after);
    StoreLine(caretY_, line);
    if (padding > 0) {
        TUndoBlock block(undo_);
        Record(ukPadding, before, {length + 1, caretY_}, {}, smNormal);
        Record(ukInsert, before, after, replaced, smNormal);
    } else {
        Record(ukInsert, before, after, replaced, smNormal);
    }
    if (CharToDisplayColumn(caretY_, caretX_) >= firstVisibleColumn_ + visibleColumns_) {
        SetFirstVisibleColumn(firstVisibleColumn_ + std::min(25, visibleColumns_ - 1));
    }
}

// --- line breaks ---

// The record keeps the caret before the break and where the command left it, so that redo can
// tell an inserted line (the caret stayed) from a line break and run the same command again.
void TCustomCodeEdit::LineBreak(bool moveCaret) {
    if (readOnly_) return;
    TDeferral deferral(*this);
    if (HasSelection()) {
        Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
        SetSelText({});
    }
    TLinesUpdate update(*lines_);
    const TPoint caret = CaretPoint();
    const std::string line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    const auto caretAfter = [&](TPoint moved) { return moveCaret ? moved : caret; };
    TPoint newCaret = caret;
    int marksLine = caret.Y + 1;
    if (length > 0 && caret.X <= length && caret.X > 1) {
        const std::string left = line.substr(0, static_cast<std::size_t>(caret.X - 1));
        const std::string rest = line.substr(static_cast<std::size_t>(caret.X - 1));
        const std::string indent = IndentString(LeadingWhite(left, true));
        StoreLine(caret.Y, left);
        lines_->Insert(caret.Y, indent + rest);
        newCaret = caretAfter({static_cast<int>(indent.size()) + 1, caret.Y + 1});
        Record(ukLineBreak, caret, newCaret, rest, smNormal);
    } else if (length > 0 && caret.X == 1) {
        lines_->Insert(caret.Y - 1, {});
        newCaret = caretAfter({1, caret.Y + 1});
        Record(ukLineBreak, caret, newCaret, line, smNormal);
        marksLine = caret.Y;
    } else if (length > 0) {
        const int k = LeadingWhite(line, false);
        newCaret = caretAfter({k + 1, caret.Y + 1});
        Record(ukLineBreak, caret, newCaret, {}, smNormal);
        lines_->Insert(caret.Y, {});
        if (moveCaret) lines_->Put(caret.Y, line.substr(0, static_cast<std::size_t>(k)));
    } else {
        if (lines_->Count() == 0) lines_->Add({});
        int k = 0;
        if (Has(eoAutoIndent)) {
            for (int y = caret.Y; y >= 1; --y) {
                if (!LineText(y).empty()) {
                    k = LeadingWhite(LineText(y), true);
                    break;
                }
            }
        }
        newCaret = caretAfter({k + 1, caret.Y + 1});
        Record(ukLineBreak, caret, newCaret, {}, smNormal);
        lines_->Insert(caret.Y - 1, {});
    }
    LinesInserted(marksLine, 1);
    if (moveCaret) SetCaretPoint(newCaret);
    update.Close();
    SetSelAnchor(CaretPoint());
    ScrollToCaret();
    preferredColumn_ = CharToDisplayColumn(caretY_, caretX_);
}

// --- deletions ---

void TCustomCodeEdit::DeleteSelectionRecorded() {
    if (PointBefore(selAnchor_, selExtent_)) {
        Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
    } else {
        Record(ukForwardDelete, selExtent_, selAnchor_, DeletedText(), selectionMode_);
    }
    SetSelText({});
}

int TCustomCodeEdit::SmartUnindentLevel(int y, int width) const {
    for (int above = y - 1; above >= 1; --above) {
        const int level = LeadingWhite(LineText(above), false);
        if (level < width) return level;
    }
    return 0;
}

void TCustomCodeEdit::DeleteLastChar() {
    if (readOnly_) return;
    if (HasSelection()) {
        DeleteSelectionRecorded();
        return;
    }
    TDeferral deferral(*this);
    const TPoint before = CaretPoint();
    std::string line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    const int x = caretX_;
    const int y = caretY_;
    std::string deleted;
    if (x > length + 1) {
        TOptionOn pastEol(options_, eoScrollPastEol);
        if (!Has(eoSmartTabDelete)) {
            SetCaretPoint({x - 1, y});
        } else if (length > 0) {
            SetCaretPoint({length + 1, y});
        } else {
            SetCaretPoint({SmartUnindentLevel(y, x - 1) + 1, y});
        }
    } else if (x == 1) {
        if (y == 1) return;
        const std::string previous = LineText(y - 1);
        TLinesUpdate update(*lines_);
        SetCaretPoint(LineEndPoint(y - 1));
        lines_->Delete(y - 1);
        LinesDeleted(y - 1, 1);
        lines_->Put(y - 2, previous + TrimTrailing(line));
        deleted = "\r\n";
        update.Close();
    } else {
        const int white = LeadingWhite(line, false);
        const auto before1 = static_cast<std::size_t>(x - 2);
        if (!IsBlank(line[before1]) || x - 1 != white) {
            deleted = line.substr(before1, 1);
            line.erase(before1, 1);
            SetCaretPoint({x - 1, y});
            StoreLine(y, line);
        } else if (Has(eoSmartTabDelete)) {
            // The characters go from the end of the indent, just before the caret, where the undo
            // record says they were; taken from its start, a tab after spaces would stay put and
            // undo would put the spaces back after it.
            const int remove = white - SmartUnindentLevel(y, white);
            const auto from = static_cast<std::size_t>(white - remove);
            deleted = line.substr(from, static_cast<std::size_t>(remove));
            line.erase(from, static_cast<std::size_t>(remove));
            SetCaretPoint({x - remove, y});
            StoreLine(y, line);
        } else {
            // Back to the previous tab stop, stopping early at a tab.
            int cells = (CharToDisplayColumn(y, x) - 1) % tabWidth_;
            if (cells == 0) cells = tabWidth_;
            int remove = 0;
            while (cells > 0 && remove < x - 1) {
                const char c = line[static_cast<std::size_t>(x - 2 - remove)];
                if (c == '\t') {
                    if (remove == 0) remove = 1;
                    break;
                }
                ++remove;
                --cells;
            }
            deleted = line.substr(static_cast<std::size_t>(x - 1 - remove), static_cast<std::size_t>(remove));
            line.erase(static_cast<std::size_t>(x - 1 - remove), static_cast<std::size_t>(remove));
            SetCaretPoint({x - remove, y});
            StoreLine(y, line);
        }
    }
    if (CaretPoint() != before) Record(ukQuietDelete, CaretPoint(), before, deleted, smNormal);
    ScrollToCaret();
}

void TCustomCodeEdit::DeleteChar() {
    if (readOnly_) return;
    if (HasSelection()) {
        DeleteSelectionRecorded();
        return;
    }
    preferredColumn_ = CharToDisplayColumn(caretY_, caretX_);
    std::string line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    const TPoint caret = CaretPoint();
    if (caretX_ <= length) {
        const std::string deleted = line.substr(static_cast<std::size_t>(caretX_ - 1), 1);
        line.erase(static_cast<std::size_t>(caretX_ - 1), 1);
        StoreLine(caretY_, line);
        Record(ukQuietForwardDelete, caret, {caret.X + 1, caret.Y}, deleted, smNormal);
    } else if (caretY_ < lines_->Count()) {
        TLinesUpdate update(*lines_);
        line.resize(static_cast<std::size_t>(caretX_ - 1), ' ');
        StoreLine(caretY_, line + LineText(caretY_ + 1));
        lines_->Delete(caretY_);
        LinesDeleted(caretY_, 1);
        update.Close();
        // Joining from past the end padded the line up to the caret: recorded ahead of the join,
        // the padding is undone after the line break comes back, and goes too.
        TUndoBlock block(undo_);
        if (length < caretX_ - 1) Record(ukPadding, caret, {length + 1, caret.Y}, {}, smNormal);
        Record(ukQuietForwardDelete, caret, {1, caret.Y + 1}, "\r\n", smNormal);
    }
}

void TCustomCodeEdit::DeleteToTarget(TCodeEditorCommand command) {
    if (readOnly_) return;
    const bool forward = command == ecDeleteWord || command == ecDeleteEOL;
    const int length = static_cast<int>(LineText(caretY_).size());
    if (command == ecDeleteWord && caretX_ > length + 1) SetCaretPoint({length + 1, caretY_});
    TPoint target;
    switch (command) {
        case ecDeleteWord: target = NextWordPosition(); break;
        case ecDeleteEOL: target = {length + 1, caretY_}; break;
        case ecDeleteLastWord: target = PrevWordPosition(); break;
        default: target = {1, caretY_}; break;
    }
    const TPoint caret = CaretPoint();
    if (target == caret) return;
    TDeferral deferral(*this);
    const TCodeSelectionMode savedMode = selectionMode_;
    selectionMode_ = smNormal;
    TOptionOff selecting(options_, eoNoSelection);  // the range is selected to delete it, whatever the user may select
    SetSelAnchor(caret);
    SetSelExtent(target);
    const std::string text = SelText();
    // Recorded also when only virtual space lay between caret and target, as backspace records
    // its caret move there.
    if (forward) {
        Record(ukQuietForwardDelete, caret, target, text, smNormal);
    } else {
        Record(ukQuietDelete, target, caret, text, smNormal);
    }
    if (!text.empty()) {
        SetSelText({});
    } else {
        SetSelAnchor(caret);
    }
    selectionMode_ = savedMode;
    SetCaretPoint(forward ? caret : target);
}

void TCustomCodeEdit::DeleteLine() {
    if (readOnly_ || lines_->Count() == 0 || (lines_->Count() == 1 && LineText(1).empty())) return;
    TDeferral deferral(*this);
    SetSelAnchor(CaretPoint());
    const int y = caretY_;
    const std::string line = LineText(y);
    // The record spans the whole line, up to the start of the next (which the last line does not
    // have): undo selects the line it puts back, and redo knows the record by that end and deletes
    // the line again.
    const TPoint lineStart{1, y};
    const TPoint nextLineStart{1, y + 1};
    if (lines_->Count() == 1) {
        Record(ukForwardDelete, lineStart, nextLineStart, line, smNormal);
        lines_->Put(0, {});
    } else {
        Record(ukForwardDelete, lineStart, nextLineStart, y == lines_->Count() ? line : line + "\r\n", smNormal);
        lines_->Delete(y - 1);
    }
    LinesDeleted(y - 1, 1);
    SetCaretPoint({1, y});
}

void TCustomCodeEdit::ClearAll() {
    if (readOnly_) return;
    lines_->Clear();
    marks_.Clear();
    undo_.Clear();
    SetModified(false);
}

}  // namespace tips::editor
