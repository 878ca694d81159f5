// Construction, published properties, the update deferral, status reports and the reactions to the
// line buffer's notifications.

#include "editor/custom_code_edit.hpp"

#include <algorithm>

#include "editor/edit_scopes.hpp"
#include "editor/highlighter_ranges.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor {

TCustomCodeEdit::TCustomCodeEdit() : lines_(std::make_unique<TCodeEditStringList>()) {
    lines_->SetListener(this);
    lines_->SetTabWidth(tabWidth_);
    history_.SetOnChange([this] {
        TextChanged();
        if (OnChange) OnChange(*this);
    });
    history_.SetOnModifiedChange([this] { NoteStatusChange(snModified); });
    keystrokes_.LoadDefaultKeys();
    RefreshIdentChars();
    marks_.SetOnChange([this] { RepaintGutter(); });
    marks_.SetOnRepaintRows([this](std::int32_t first, std::int32_t last) { RepaintGutterLines(first, last); });
    bookmarks_.Options().SetOnChange([this] { RepaintGutter(); });
    gutter_.SetOnChange([this] { ApplyGutterChange(); });
    gutterExtent_ = gutter_.Width();
    textOriginX_ = gutterExtent_ + 2;
    drawer_ = std::make_unique<TTextDrawer>(platform::fsBold, font_.Description);
    selectedColor_.SetOnChange([this] { RepaintAll(); });
}

TCustomCodeEdit::~TCustomCodeEdit() {
    lines_->SetListener(nullptr);
    SetHighlighter(nullptr);
}

void TCustomCodeEdit::AttachView(platform::TViewMetrics* metrics, platform::TWindowServices* window) {
    metrics_ = metrics;
    window_ = metrics != nullptr ? window : nullptr;
    if (metrics_ == nullptr) return;
    if (Has(eoDropFiles) && WindowExists()) window_->AcceptDroppedFiles(true);
    MeasureCell();
    RecomputeWindowMetrics(true);
}

void TCustomCodeEdit::LayoutLoaded() {
    ApplyGutterChange();
    RefreshScrollBars();
}

void TCustomCodeEdit::FocusReceived() {
    RunCommand(ecGotFocus, 0, {});
    CreateCaretShape();
    if (hideSelection_ && HasSelection()) RepaintAll();
    Entered();
}

void TCustomCodeEdit::FocusLost() {
    Leaving();
    RunCommand(ecLostFocus, 0, {});
    if (!Focused() && window_ != nullptr) {
        window_->HideCaret();
        window_->DestroyCaret();
        caretShown_ = false;
        if (hideSelection_ && HasSelection()) RepaintAll();
    }
}

// --- published properties ---

void TCustomCodeEdit::SetInsertMode(bool value) {
    if (insertMode_ == value) return;
    insertMode_ = value;
    CreateCaretShape();
    NoteStatusChange(snInsertMode);
}

void TCustomCodeEdit::SetReadOnly(bool value) {
    if (readOnly_ == value) return;
    readOnly_ = value;
    NoteStatusChange(snReadOnly);
}

void TCustomCodeEdit::SetTabWidth(int value) {
    value = std::clamp(value, 1, 256);
    if (tabWidth_ == value) return;
    tabWidth_ = value;
    lines_->SetTabWidth(value);
    RepaintAll();
}

void TCustomCodeEdit::SetMaxLeftChar(int value) {
    value = std::clamp(value, 1, kMaxLeftCharLimit);
    if (maxLeftChar_ == value) return;
    maxLeftChar_ = value;
    RepaintAll();
}

int TCustomCodeEdit::MaxUndo() const { return history_.MaxUndo(); }

void TCustomCodeEdit::SetMaxUndo(int value) { history_.SetMaxUndo(value); }

void TCustomCodeEdit::SetRightEdge(int value) {
    if (rightEdge_ == value) return;
    rightEdge_ = value;
    RepaintAll();
}

void TCustomCodeEdit::SetExtraLineSpacing(int value) {
    if (extraLineSpacing_ == value) return;
    extraLineSpacing_ = value;
    MeasureCell();
    RecomputeWindowMetrics(true);
}

void TCustomCodeEdit::SetHideSelection(bool value) {
    if (hideSelection_ == value) return;
    hideSelection_ = value;
    RepaintAll();
}

void TCustomCodeEdit::SetInsertCaret(TCodeEditCaretType value) {
    if (insertCaret_ == value) return;
    insertCaret_ = value;
    CreateCaretShape();
}

void TCustomCodeEdit::SetOverwriteCaret(TCodeEditCaretType value) {
    if (overwriteCaret_ == value) return;
    overwriteCaret_ = value;
    CreateCaretShape();
}

void TCustomCodeEdit::SetScrollBars(TScrollStyle value) {
    if (scrollBars_ == value) return;
    scrollBars_ = value;
    RefreshScrollBars();
    RepaintAll();
}

void TCustomCodeEdit::SetOptions(TCodeEditorOptions value) {
    if (options_ == value) return;
    // The old set decides how far the view may stand before the change.
    if (!Has(eoScrollPastEol)) SetFirstVisibleColumn(firstVisibleColumn_);
    if (!Has(eoScrollPastEof)) SetFirstVisibleLine(firstVisibleLine_);
    const bool specialCharsChanged =
        options_.Contains(eoShowSpecialChars) != value.Contains(eoShowSpecialChars);
    const bool dropFilesChanged = options_.Contains(eoDropFiles) != value.Contains(eoDropFiles);
    options_ = value;
    if (!Has(eoScrollPastEol)) SetCaretColumn(caretX_);
    if (dropFilesChanged && WindowExists()) window_->AcceptDroppedFiles(Has(eoDropFiles));
    if (specialCharsChanged) RepaintAll();
}

void TCustomCodeEdit::SetSelectionMode(TCodeSelectionMode mode) {
    if (selectionMode_ == mode) return;
    selectionMode_ = mode;
    // A column selection may reach past line ends; a normal one stops at them, and the edits on
    // it count on that (undo would put the text back after blanks that were never there).
    selAnchor_ = ClampForSelection(selAnchor_);
    selExtent_ = ClampForSelection(selExtent_);
    if (HasSelection()) RepaintAll();
    NoteStatusChange(snSelection);
}

void TCustomCodeEdit::SetKeystrokes(const TCodeEditKeyStrokes* table) {
    if (table == nullptr) {
        keystrokes_.Clear();
    } else {
        keystrokes_.Assign(*table);
    }
}

void TCustomCodeEdit::SetModified(bool value) { history_.SetModified(value); }

// --- deferral and status ---

void TCustomCodeEdit::EndDeferral() {
    if (deferCount_ > 0) --deferCount_;
    if (deferCount_ != 0) return;
    if (WindowExists()) {
        if (scrollBarsChanged_) RefreshScrollBars();
        if (caretChanged_) PlaceCaret();
    }
    if (pendingStatus_ != 0 && OnStatusChange) {
        const TCodeStatusChanges changes = pendingStatus_;
        pendingStatus_ = 0;
        OnStatusChange(*this, changes);
    }
}

void TCustomCodeEdit::NoteStatusChange(TCodeStatusChanges changes) {
    pendingStatus_ = static_cast<TCodeStatusChanges>(pendingStatus_ | changes);
    if (deferCount_ == 0 && OnStatusChange) {
        const TCodeStatusChanges report = pendingStatus_;
        pendingStatus_ = 0;
        OnStatusChange(*this, report);
    }
}

// --- repainting ---

void TCustomCodeEdit::Invalidate(const platform::TViewRect& rect) {
    if (!WindowExists() || rect.IsEmpty()) return;
    if (!linesChanging_) {
        window_->Invalidate(rect);
        return;
    }
    if (pendingRepaint_.IsEmpty()) {
        pendingRepaint_ = rect;
    } else {
        pendingRepaint_.Left = std::min(pendingRepaint_.Left, rect.Left);
        pendingRepaint_.Top = std::min(pendingRepaint_.Top, rect.Top);
        pendingRepaint_.Right = std::max(pendingRepaint_.Right, rect.Right);
        pendingRepaint_.Bottom = std::max(pendingRepaint_.Bottom, rect.Bottom);
    }
}

void TCustomCodeEdit::RepaintTextLines(int first, int last) {
    if (!WindowExists()) return;
    const auto client = metrics_->ClientSize();
    if (first == -1 && last == -1) {
        Invalidate({gutterExtent_, 0, client.Width, client.Height});
        return;
    }
    if (first > last) std::swap(first, last);
    first = std::max(first, firstVisibleLine_);
    last = std::min(last, firstVisibleLine_ + visibleLines_);
    if (last < first) return;
    Invalidate({gutterExtent_, (first - firstVisibleLine_) * textRowHeight_, client.Width,
                (last - firstVisibleLine_ + 1) * textRowHeight_});
}

void TCustomCodeEdit::RepaintGutterLines(int first, int last) {
    if (!WindowExists()) return;
    const auto client = metrics_->ClientSize();
    if (first == -1 && last == -1) {
        Invalidate({0, 0, gutterExtent_, client.Height});
        return;
    }
    if (first > last) std::swap(first, last);
    first = std::max(first, firstVisibleLine_);
    last = std::min(last, firstVisibleLine_ + visibleLines_);
    if (last < first) return;
    Invalidate({0, (first - firstVisibleLine_) * textRowHeight_, gutterExtent_,
                (last - firstVisibleLine_ + 1) * textRowHeight_});
}

void TCustomCodeEdit::RepaintAll() {
    if (!WindowExists()) return;
    const auto client = metrics_->ClientSize();
    Invalidate({0, 0, client.Width, client.Height});
}

// --- reactions to the line buffer ---

void TCustomCodeEdit::OnUpdateBegin() { linesChanging_ = true; }

void TCustomCodeEdit::OnUpdateEnd() {
    linesChanging_ = false;
    if (WindowExists()) RefreshScrollBars();
    // The selection collapses onto the caret after every change, window or not: a selection left
    // standing over lines that may be gone would point outside the text.
    SetSelAnchor(CaretPoint());
    if (!pendingRepaint_.IsEmpty()) {
        const auto rect = pendingRepaint_;
        pendingRepaint_ = {};
        Invalidate(rect);
    }
    // A line count with more digits widens the gutter (through its change notification).
    if (gutter_.ShowLineNumbers() && gutter_.AutoSize()) gutter_.FitDigitCount(lines_->Count());
    if (!Has(eoScrollPastEof)) SetFirstVisibleLine(firstVisibleLine_);
}

void TCustomCodeEdit::RescanFrom(int index) {
    if (highlighter_ != nullptr) RangesAfterLinesChanged(*highlighter_, *lines_, index);
}

// With eoAutoSizeMaxLeftChar the limit follows added and changed lines, `room` columns past their
// end. Without it the limit still grows for a line that would not fit: neither caret nor selection
// could reach the text past it, and edits there could not be undone.
void TCustomCodeEdit::FitMaxLeftChar(const std::string& text, int room) {
    const int end = static_cast<int>(std::min<std::size_t>(text.size(), kMaxLeftCharLimit)) + 1;
    if (Has(eoAutoSizeMaxLeftChar)) {
        if (end + room - 1 > maxLeftChar_) SetMaxLeftChar(end + room - 1);
    } else if (end > maxLeftChar_) {
        SetMaxLeftChar(end);
    }
}

void TCustomCodeEdit::OnLinesAdded(int index, const std::string& text) {
    RescanFrom(index);
    RepaintTextLines(index + 1, std::max(index + 1, lines_->Count()));
    RepaintGutterLines(index + 1, std::max(index + 1, lines_->Count()));
    FitMaxLeftChar(text, 1);
}

void TCustomCodeEdit::OnLineInserted(int index, const std::string& text) {
    RescanFrom(index);
    RepaintTextLines(index + 1, firstVisibleLine_ + visibleLines_);
    RepaintGutterLines(index + 1, firstVisibleLine_ + visibleLines_);
    FitMaxLeftChar(text, 1);
}

void TCustomCodeEdit::OnLinesDeleted(int index) {
    RescanFrom(index);
    RepaintTextLines(index + 1, std::max(index + 1, lines_->Count()));
    RepaintGutterLines(index + 1, std::max(index + 1, lines_->Count()));
}

void TCustomCodeEdit::OnLineReplaced(int index, const std::string& text) {
    int last = index;
    if (highlighter_ != nullptr) last = RangesAfterLineReplaced(*highlighter_, *lines_, index);
    RepaintTextLines(index + 1, last + 1);
    FitMaxLeftChar(text, 2);
}

void TCustomCodeEdit::OnLinesCleared() {
    undo_.Clear();
    redo_.Clear();
    pendingRepaint_ = {};
    RepaintAll();
    selAnchor_ = selExtent_ = TPoint{1, 1};
    caretX_ = caretY_ = 1;
    preferredColumn_ = 1;
    firstVisibleLine_ = 1;
    firstVisibleColumn_ = 1;
    textOriginX_ = gutterExtent_ + 2;
    pendingStatus_ = static_cast<TCodeStatusChanges>(pendingStatus_ | snAll);
}

}  // namespace tips::editor
