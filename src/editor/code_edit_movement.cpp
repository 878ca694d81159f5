// Caret movement commands, scrolling commands, and the word rules they use.

#include <algorithm>
#include <cstdint>

#include "editor/custom_code_edit.hpp"

namespace tips::editor {

namespace {

unsigned char At(const std::string& line, int column) {
    return static_cast<unsigned char>(line[static_cast<std::size_t>(column - 1)]);
}

}  // namespace

void TCustomCodeEdit::MoveCaretCommand(TCodeEditorCommand command, const TCommandData& data) {
    const bool extend = command >= ecSelLeft && command <= ecSelGotoXY;
    const TCodeEditorCommand base = extend ? static_cast<TCodeEditorCommand>(command - 100) : command;
    const TPoint caret = CaretPoint();
    const bool repaintNow = WindowExists();
    switch (base) {
        case ecLeft: StepCaretColumns(-1, extend); break;
        case ecRight: StepCaretColumns(1, extend); break;
        case ecUp:
        case ecDown:
            StepCaretLines(base == ecUp ? -1 : 1, extend);
            if (repaintNow) window_->UpdateNow();
            break;
        case ecWordLeft: StepCaretAndSelection(caret, PrevWordPosition(), extend); break;
        case ecWordRight: StepCaretAndSelection(caret, NextWordPosition(), extend); break;
        case ecLineStart: StepCaretAndSelection(caret, {HomeColumn(), caretY_}, extend); break;
        case ecLineEnd: StepCaretAndSelection(caret, LineEndPoint(caretY_), extend); break;
        case ecPageUp:
        case ecPageDown: {
            int k = visibleLines_;
            if (Has(eoHalfPageScroll)) k /= 2;
            if (Has(eoScrollByOneLess)) k -= 1;
            if (base == ecPageUp) k = -k;
            SetFirstVisibleLine(firstVisibleLine_ + k);
            StepCaretLines(k, extend);
            if (repaintNow) window_->UpdateNow();
            break;
        }
        case ecPageLeft: StepCaretColumns(-visibleColumns_, extend); break;
        case ecPageRight: StepCaretColumns(visibleColumns_, extend); break;
        case ecPageTop:
        case ecPageBottom: {
            const int line = base == ecPageTop ? firstVisibleLine_ : firstVisibleLine_ + visibleLines_ - 1;
            StepCaretAndSelection(caret, {caretX_, line}, extend);
            if (repaintNow) window_->UpdateNow();
            break;
        }
        case ecEditorTop:
        case ecEditorBottom: {
            const TPoint target =
                base == ecEditorTop || lines_->Count() == 0 ? TPoint{1, 1} : LineEndPoint(lines_->Count());
            StepCaretAndSelection(caret, target, extend);
            if (repaintNow) window_->UpdateNow();
            break;
        }
        case ecGotoXY:
            if (const auto* point = std::get_if<TPoint>(&data)) {
                StepCaretAndSelection(caret, *point, extend);
                if (repaintNow) window_->UpdateNow();
            }
            break;
        default: break;
    }
}

void TCustomCodeEdit::StepCaretColumns(int dx, bool extend) {
    TPoint target = CaretPoint();
    if (Has(eoScrollPastEol)) {
        target.X = std::max(1, caretX_ + dx);
    } else {
        const int length = static_cast<int>(LineText(caretY_).size());
        if (dx < 0 && caretX_ == 1 && caretY_ > 1) {
            target = LineEndPoint(caretY_ - 1);
        } else if (dx > 0 && caretX_ > length && caretY_ < lines_->Count()) {
            target = {1, caretY_ + 1};
        } else {
            target.X = std::max(1, caretX_ + dx);
            if (dx > 0) target.X = std::min(target.X, length + 1);
        }
    }
    StepCaretAndSelection(CaretPoint(), target, extend);
}

void TCustomCodeEdit::StepCaretLines(int dy, bool extend) {
    int displayColumn = CharToDisplayColumn(caretY_, caretX_);
    const std::int64_t wanted = static_cast<std::int64_t>(caretY_) + dy;
    const int line = static_cast<int>(std::clamp<std::int64_t>(wanted, 1, std::max(1, lines_->Count())));
    if (line != caretY_ && Has(eoKeepCaretX)) displayColumn = preferredColumn_;
    const int column = DisplayToCharColumn(line, displayColumn);
    const int preferred = preferredColumn_;
    StepCaretAndSelection(CaretPoint(), {column, line}, extend);
    preferredColumn_ = preferred;
}

void TCustomCodeEdit::ScrollCommand(TCodeEditorCommand command) {
    switch (command) {
        case ecScrollUp:
        case ecScrollDown: {
            const int lastVisible = firstVisibleLine_ + visibleLines_ - 1;
            if (caretY_ < firstVisibleLine_ || caretY_ > lastVisible) {
                ScrollToCaret();
                break;
            }
            SetFirstVisibleLine(firstVisibleLine_ + (command == ecScrollUp ? -1 : 1));
            const int newLast = firstVisibleLine_ + visibleLines_ - 1;
            if (caretY_ > newLast) {
                StepCaretLines(newLast - caretY_, false);
            } else if (caretY_ < firstVisibleLine_) {
                StepCaretLines(firstVisibleLine_ - caretY_, false);
            }
            ScrollToCaret();
            if (WindowExists()) window_->UpdateNow();
            break;
        }
        case ecScrollLeft: SetFirstVisibleColumn(firstVisibleColumn_ - 1); break;
        case ecScrollRight: SetFirstVisibleColumn(firstVisibleColumn_ + 1); break;
        default: break;
    }
}

int TCustomCodeEdit::HomeColumn() const {
    if (!Has(eoEnhanceHomeKey)) return 1;
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    int blanks = 0;
    while (blanks < length - 1 && (line[static_cast<std::size_t>(blanks)] == ' ' ||
                                   line[static_cast<std::size_t>(blanks)] == '\t')) {
        ++blanks;
    }
    return blanks < caretX_ - 1 || caretX_ == 1 ? blanks + 1 : 1;
}

// --- word rules ---

TPoint TCustomCodeEdit::NextWordPosition() const {
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    if (caretX_ < length) {
        int x = caretX_;
        if (IsIdentChar(At(line, x))) {
            while (x <= length && !IsSeparator(At(line, x))) ++x;
            if (x > length) return {length + 1, caretY_};
        }
        while (x <= length && !IsIdentChar(At(line, x))) ++x;
        return {x > length ? length + 1 : x, caretY_};
    }
    if (caretY_ >= lines_->Count()) return CaretPoint();
    const std::string& next = LineText(caretY_ + 1);
    const int nextLength = static_cast<int>(next.size());
    int x = 1;
    while (x <= nextLength && !IsIdentChar(At(next, x))) ++x;
    return {x > nextLength ? 1 : x, caretY_ + 1};
}

TPoint TCustomCodeEdit::PrevWordPosition() const {
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    int x = std::min(caretX_, length + 1);
    if (x > 1) {
        while (x > 1 && !IsIdentChar(At(line, x - 1))) --x;
        if (x > 1) {
            while (x > 1 && IsIdentChar(At(line, x - 1))) --x;
            return {x, caretY_};
        }
        return caretY_ > 1 ? LineEndPoint(caretY_ - 1) : TPoint{1, caretY_};
    }
    return caretY_ > 1 ? LineEndPoint(caretY_ - 1) : TPoint{1, caretY_};
}

int TCustomCodeEdit::WordStart() const {
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    int x = caretX_;
    if (x < 2 || x - 1 > length || IsSeparator(At(line, x - 1))) return caretX_;
    while (x > 1 && !IsSeparator(At(line, x - 1))) --x;
    return x;
}

int TCustomCodeEdit::WordEnd() const {
    const std::string& line = LineText(caretY_);
    const int length = static_cast<int>(line.size());
    int x = caretX_;
    while (x <= length && !IsSeparator(At(line, x))) ++x;
    return x;
}

}  // namespace tips::editor
