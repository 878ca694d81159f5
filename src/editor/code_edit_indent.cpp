// Tab and shift-tab, block indent and unindent, the case commands and bracket matching.

#include <algorithm>

#include "base/scoped_value.hpp"
#include "base/text_case.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/edit_scopes.hpp"

namespace tips::editor {

namespace {

bool IsBlankChar(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

}  // namespace

bool TCustomCodeEdit::SelectionIsBlock() const {
    if (!HasSelection()) return false;
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    return s.Y != e.Y || (s.X == 1 && e.X > static_cast<int>(LineText(caretY_).size()));
}

// --- tab and shift-tab ---

void TCustomCodeEdit::Tab() {
    if (readOnly_) return;
    if (Has(eoTabIndent) && SelectionIsBlock()) {
        if (selAnchor_.Y == selExtent_.Y) {
            if (selAnchor_.X < selExtent_.X) selAnchor_.X = 1; else selExtent_.X = 1;
        }
        BlockIndent();
        return;
    }
    const int display = CharToDisplayColumn(caretY_, caretX_);
    int n = 0;
    if (Has(eoSmartTabs) && caretY_ > 1 && caretY_ <= lines_->Count()) {
        for (int y = caretY_ - 1; y >= 1 && n == 0; --y) {
            const std::string& line = LineText(y);
            const int length = static_cast<int>(line.size());
            const int c = DisplayToCharColumn(y, display);
            if (length < c) continue;
            int i = c;
            while (i <= length && !IsBlankChar(line[static_cast<std::size_t>(i - 1)])) ++i;
            while (i <= length && IsBlankChar(line[static_cast<std::size_t>(i - 1)])) ++i;
            n = i - c;
            break;
        }
    }
    if (n == 0) n = Has(eoTabsToSpaces) ? tabWidth_ - (caretX_ - 1) % tabWidth_ : tabWidth_;

    std::string inserted;
    if (Has(eoTabsToSpaces)) {
        inserted.assign(static_cast<std::size_t>(n), ' ');
    } else if (Has(eoSmartTabs)) {
        int cell = display - 1;
        const int target = cell + n;
        const int nextStop = (cell / tabWidth_ + 1) * tabWidth_;
        if (nextStop <= target) {
            inserted += '\t';
            cell = nextStop;
            while (cell + tabWidth_ <= target) {
                inserted += '\t';
                cell += tabWidth_;
            }
        }
        inserted.append(static_cast<std::size_t>(target - cell), ' ');
    } else {
        inserted = "\t";
    }

    TDeferral deferral(*this);
    const int oldColumn = caretX_;
    {
        TUndoBlock block(undo_);
        if (HasSelection()) {
            Record(ukDelete, selAnchor_, selExtent_, DeletedText(), selectionMode_);
            SetSelText({});
        }
        // The blanks go in as a stream: in line mode they would otherwise be recorded as whole
        // lines, and undoing them would take the caret line with them.
        // Past the end of the line the blanks follow padding up to the caret; the record starts
        // where the line ended, so that undo takes the padding away with them.
        TPoint from = CaretPoint();
        if (from.Y <= lines_->Count()) from.X = std::min(from.X, static_cast<int>(LineText(from.Y).size()) + 1);
        ReplaceSelectionText(smNormal, inserted, true);
        Record(ukInsert, from, CaretPoint(), {}, smNormal);
    }
    const TCodeEditorOptions saved = options_;
    options_ = options_.With(eoScrollPastEol);
    SetCaretPointEx(false, {oldColumn + static_cast<int>(inserted.size()), caretY_});
    options_ = saved;
    ScrollToCaret();
}

void TCustomCodeEdit::ShiftTab() {
    if (readOnly_) return;
    if (Has(eoTabIndent) && SelectionIsBlock()) {
        BlockUnindent();
        return;
    }
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    int x = caretX_;
    if (Has(eoSmartTabs) && caretX_ > 1) {
        for (int y = caretY_ - 1; y >= 1; --y) {
            const std::string& above = LineText(y);
            if (static_cast<int>(above.size()) < caretX_ - 1) continue;
            int i = caretX_ - 1;
            while (i > 1 && above[static_cast<std::size_t>(i - 1)] == ' ') --i;
            while (i > 1 && above[static_cast<std::size_t>(i - 1)] != ' ') --i;
            x = i;
            break;
        }
        // Shift-tab only takes blanks away: never the caret line's own text between x and the caret.
        for (int i = caretX_ - 1; i >= x; --i) {
            if (i <= length && line[static_cast<std::size_t>(i - 1)] != ' ') {
                x = i + 1;
                break;
            }
        }
    }
    if (x == caretX_) {
        const int stop = std::max((caretX_ - 2) / tabWidth_ * tabWidth_ + 1, 1);
        while (x > stop && (x - 1 > length || line[static_cast<std::size_t>(x - 2)] == ' ')) --x;
    }
    if (x == caretX_) return;
    TDeferral deferral(*this);
    const TPoint caret = CaretPoint();
    {
        const base::TScopedValue mode(selectionMode_, smNormal);
        TOptionOff selecting(options_, eoNoSelection);
        SetSelAnchor({x, caretY_});
        SetSelExtent(caret);
        // Recorded even when only virtual space was crossed, as backspace records its caret move.
        Record(ukForwardDelete, {x, caretY_}, caret, SelText(), smNormal);
        SetSelText({});
    }
    SetSelAnchor({x, caretY_});
    SetCaretPoint({x, caretY_});
}

// --- block indent and unindent ---

void TCustomCodeEdit::BlockIndent() {
    if (readOnly_ || !HasSelection()) return;
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    const bool anchorFirst = selAnchor_ == s;
    const int lastLine = e.X == 1 && e.Y > s.Y ? e.Y - 1 : e.Y;
    const std::string indent = Has(eoTabsToSpaces) ? std::string(static_cast<std::size_t>(tabWidth_), ' ') : "\t";
    const int indentLength = static_cast<int>(indent.size());
    std::string block;
    for (int y = s.Y; y <= lastLine; ++y) {
        if (y != s.Y) block += "\r\n";
        block += indent;
    }
    const TCodeSelectionMode savedMode = selectionMode_;
    const TPoint caret = CaretPoint();
    // An end in column 1 stays there: its line was not indented.
    const TPoint newStart{s.X + indentLength, s.Y};
    const TPoint newEnd{e.X == 1 && e.Y > s.Y ? 1 : e.X + indentLength, e.Y};
    TDeferral deferral(*this);
    {
        TUndoBlock undoBlock(undo_);
        Record(ukIndent, s, e, {}, smColumn);
        InsertColumnBlock({1, s.Y}, {1, lastLine}, block, true);
        Record(ukIndent, newStart, newEnd, {}, smColumn);
    }
    selectionMode_ = savedMode;
    const int caretColumn = e.X == 1 ? 1 : caret.X + (Has(eoTabsToSpaces) ? tabWidth_ : 1);
    SetCaretPoint({caretColumn, caret.Y});
    SetSelAnchor(anchorFirst ? newStart : newEnd);
    SetSelExtent(anchorFirst ? newEnd : newStart);
}

void TCustomCodeEdit::BlockUnindent() {
    if (readOnly_ || !HasSelection()) return;
    const TPoint s = SelectionStart();
    const TPoint e = SelectionEnd();
    const bool anchorFirst = selAnchor_ == s;
    const int lastLine = e.X == 1 && e.Y > s.Y ? e.Y - 1 : e.Y;
    std::vector<std::string> prefixes;
    bool any = false;
    for (int y = s.Y; y <= lastLine; ++y) {
        const std::string& line = LineText(y);
        std::size_t i = 0;
        if (!line.empty() && line[0] == '\t') {
            i = 1;
        } else {
            while (i < line.size() && i < static_cast<std::size_t>(tabWidth_) && line[i] == ' ') ++i;
            if (i < line.size() && i < static_cast<std::size_t>(tabWidth_) && line[i] == '\t') ++i;
        }
        prefixes.push_back(line.substr(0, i));
        any = any || i > 0;
    }
    if (!any) return;
    const TCodeSelectionMode savedMode = selectionMode_;
    const TPoint caret = CaretPoint();
    TDeferral deferral(*this);
    std::string joined;
    int firstLength = 0;
    int lastLength = 0;
    {
        TLinesUpdate update(*lines_);
        for (int y = s.Y; y <= lastLine; ++y) {
            const std::string& prefix = prefixes[static_cast<std::size_t>(y - s.Y)];
            if (y != s.Y) joined += "\r\n";
            joined += prefix;
            if (prefix.empty()) continue;
            if (firstLength == 0) firstLength = static_cast<int>(prefix.size());
            lastLength = static_cast<int>(prefix.size());
            lines_->Put(y - 1, LineText(y).substr(prefix.size()));
        }
        update.Close();
    }
    Record(ukUnindent, s, e, joined, smColumn);
    selectionMode_ = savedMode;
    int caretColumn = caret.X;
    if (caret.X != 1 && caret.Y >= s.Y && caret.Y <= lastLine) {
        caretColumn -= static_cast<int>(prefixes[static_cast<std::size_t>(caret.Y - s.Y)].size());
    }
    const TPoint newStart{s.X - firstLength, s.Y};
    const TPoint newEnd{e.X == 1 && e.Y > s.Y ? 1 : e.X - lastLength, e.Y};
    SetCaretPoint({caretColumn, caret.Y});
    SetSelAnchor(anchorFirst ? newStart : newEnd);
    SetSelExtent(anchorFirst ? newEnd : newStart);
}

// --- case commands ---

void TCustomCodeEdit::ChangeCase(TCodeEditorCommand command) {
    if (readOnly_) return;
    TDeferral deferral(*this);
    const TPoint caret = CaretPoint();
    if (command != ecToggleCase) {
        const int start = WordStart();
        const int end = WordEnd();
        if (end <= start) return;
        const std::string word = LineText(caretY_).substr(static_cast<std::size_t>(start - 1),
                                                          static_cast<std::size_t>(end - start));
        std::string converted = command == ecUpperCase ? base::UpperCase1252(word)
                                : command == ecLowerCase ? base::LowerCase1252(word)
                                                         : base::UpperCase1252(word.substr(0, 1)) + base::LowerCase1252(word.substr(1));
        {
            // The word is replaced as a stream whatever the selection mode, so no other text goes with it.
            const base::TScopedValue mode(selectionMode_, smNormal);
            TOptionOff selecting(options_, eoNoSelection);
            SetSelAnchor({start, caretY_});
            SetSelExtent({end, caretY_});
            ReplaceSelectionUndoable(converted);
        }
        SetCaretPoint(caret);
        SetSelAnchor(caret);
        return;
    }
    if (HasSelection()) {
        const TPoint anchor = selAnchor_;
        const TPoint extent = selExtent_;
        ReplaceSelectionUndoable(base::ToggleCase1252(SelText()));
        SetCaretPoint(caret);
        SetSelAnchor(anchor);
        SetSelExtent(extent);
        return;
    }
    if (caretX_ > static_cast<int>(LineText(caretY_).size())) return;
    {
        const base::TScopedValue mode(selectionMode_, smNormal);
        TOptionOff selecting(options_, eoNoSelection);
        SetSelAnchor(caret);
        SetSelExtent({caret.X + 1, caret.Y});
        ReplaceSelectionUndoable(base::ToggleCase1252(SelText()));
    }
    SetCaretPoint(caret);
    SetSelAnchor(caret);
}

// --- brackets ---

namespace {

constexpr char kBrackets[] = "()[]{}<>";

int BracketIndex(char c) {
    for (int i = 0; i < 8; ++i) {
        if (kBrackets[i] == c) return i;
    }
    return -1;
}

}  // namespace

TPoint TCustomCodeEdit::FindBracketPartner() const {
    const std::string& caretLine = LineText(caretY_);
    if (caretX_ < 1 || caretX_ > static_cast<int>(caretLine.size())) return {0, 0};
    const int index = BracketIndex(caretLine[static_cast<std::size_t>(caretX_ - 1)]);
    if (index < 0) return {0, 0};
    const char same = kBrackets[index];
    const char partner = kBrackets[index % 2 == 0 ? index + 1 : index - 1];
    const bool forward = index % 2 == 0;
    int depth = 0;
    int y = caretY_;
    int x = caretX_;
    std::vector<bool> ignored = IgnoredColumns(y);
    while (true) {
        x += forward ? 1 : -1;
        const std::string& line = LineText(y);
        if (x < 1 || x > static_cast<int>(line.size())) {
            y += forward ? 1 : -1;
            if (y < 1 || y > lines_->Count()) return {0, 0};
            ignored = IgnoredColumns(y);
            x = forward ? 0 : static_cast<int>(LineText(y).size()) + 1;
            continue;
        }
        const char c = line[static_cast<std::size_t>(x - 1)];
        if (c != same && c != partner) continue;
        if (!ignored.empty() && ignored[static_cast<std::size_t>(x - 1)]) continue;
        if (c == same) {
            ++depth;
        } else if (depth == 0) {
            return {x, y};
        } else {
            --depth;
        }
    }
}

void TCustomCodeEdit::MatchBracket() {
    const TPoint partner = FindBracketPartner();
    if (partner.X > 0) SetCaretPoint(partner);
}

}  // namespace tips::editor
