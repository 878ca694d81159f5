// The editor's mouse: press, move, release, double click, auto-scroll, and drag and drop.

#include "editor/code_edit_mouse.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "editor/edit_scopes.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor {

namespace {

// ASCII letters and digits and the letters of Windows-1252.
bool Windows1252AlphaNumeric(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        case 0xAA: case 0xB5: case 0xBA:
            return true;
        default: break;
    }
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

// Signed auto-scroll speed for a pointer `offset` pixels from the start of an area `extent` pixels
// long made of `cell`-pixel cells: 0 inside, one more for every cell beyond an edge.
int ScrollSpeed(int offset, int extent, int cell) {
    if (cell <= 0) return 0;
    if (offset - extent > 0) return (offset - extent) / cell + 1;
    if (offset < 0) return -((-offset) / cell + 1);
    return 0;
}

}  // namespace

TCodeEditMouse::TCodeEditMouse(TCustomCodeEdit& editor, platform::TWindowServices& window)
    : editor_(editor), window_(window), alphaNumeric_(Windows1252AlphaNumeric) {}

TCodeEditMouse::~TCodeEditMouse() = default;

// --- press, move, release ---

void TCodeEditMouse::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const bool left = button == TMouseButton::mbLeft;
    const bool rightMoves = button == TMouseButton::mbRight && editor_.Has(eoRightMouseMovesCursor);
    if (rightMoves && editor_.HasSelection() && !editor_.SelectionContains(editor_.PixelToTextPoint(x, y))) {
        editor_.SetSelExtent(editor_.SelAnchor());
        editor_.RepaintTextLines(-1, -1);
    }
    anchorAtPress_ = editor_.SelAnchor();
    if (!left && editor_.HasSelection()) return;
    if (left) {
        selectionAtPress_ = editor_.HasSelection();
        pressX_ = x;
        pressY_ = y;
    }
    if (left || rightMoves) editor_.CaretFromPixel(x, y);
    if (left) {
        window_.CaptureMouse();
        waitingForDrag_ = false;
        if (selectionAtPress_ && editor_.Has(eoDragDropEditing) && x >= editor_.GutterExtent() + 2 &&
            editor_.SelectionMode() == smNormal && editor_.SelectionContains(editor_.CaretPoint())) {
            waitingForDrag_ = true;
        } else {
            editor_.RunCommand(ecGotoXY, 0, editor_.CaretPoint());
        }
    }
    if (!waitingForDrag_ && !doubleClicked_) {
        if ((shift & ssShift) != 0) {
            TDeferral deferral(editor_);
            editor_.SetSelAnchor(anchorAtPress_);
            editor_.SetSelExtent(editor_.CaretPoint());
        } else {
            // The mode first: a column anchor may stand in virtual space, a stream anchor may not.
            if (editor_.Has(eoAltSetsColumnMode) && editor_.SelectionMode() != smLine) {
                editor_.SetSelectionMode((shift & ssAlt) != 0 ? smColumn : smNormal);
            }
            editor_.SetSelAnchor(editor_.CaretPoint());
        }
    }
    if (x < editor_.GutterExtent()) possibleGutterClick_ = true;
    window_.TakeFocus();
}

void TCodeEditMouse::MouseMove(TShiftState, bool leftHeld, int x, int y) {
    if (waitingForDrag_ && window_.HasCapture()) {
        if (std::abs(x - pressX_) >= dragThresholdX_ || std::abs(y - pressY_) >= dragThresholdY_) {
            waitingForDrag_ = false;
            dragging_ = true;
            if (dragHost_ != nullptr) dragHost_->StartDrag();
        }
        return;
    }
    if (!leftHeld || !window_.HasCapture() || dragging_) return;
    mouseX_ = x;
    mouseY_ = y;
    const int cellWidth = editor_.TextColumnWidth();
    const int rowHeight = editor_.TextRowHeight();
    if (cellWidth <= 0 || rowHeight <= 0) return;
    const int offsetX = x - editor_.GutterExtent();
    const bool outsideX = offsetX < 0 || offsetX > editor_.VisibleColumns() * cellWidth;
    const bool outsideY = y < 0 || y > editor_.VisibleLines() * rowHeight;
    const TPoint caret = editor_.CaretPoint();
    TPoint target = editor_.PixelToTextPoint(x, y);
    if (outsideY) {
        // Same pointer column, on the caret's line.
        target = {editor_.DisplayToCharColumn(caret.Y, editor_.CharToDisplayColumn(target.Y, target.X)), caret.Y};
    }
    if (outsideX) target.X = caret.X;
    {
        TDeferral deferral(editor_);
        editor_.SetCaretPoint(target);
        editor_.SetSelExtent(editor_.CaretPoint());
    }
    UpdateAutoScroll(x, y);
}

void TCodeEditMouse::UpdateAutoScroll(int x, int y) {
    scrollSpeedX_ = ScrollSpeed(x - editor_.GutterExtent(), editor_.VisibleColumns() * editor_.TextColumnWidth(),
                                editor_.TextColumnWidth());
    scrollSpeedY_ = ScrollSpeed(y, editor_.VisibleLines() * editor_.TextRowHeight(), editor_.TextRowHeight());
    const bool run = scrollSpeedX_ != 0 || scrollSpeedY_ != 0;
    if (run && !timerRunning_) {
        window_.StartTimer(TCustomCodeEdit::kAutoScrollTimer, 100);
    } else if (!run && timerRunning_) {
        window_.StopTimer(TCustomCodeEdit::kAutoScrollTimer);
    }
    timerRunning_ = run;
}

void TCodeEditMouse::StopAutoScroll() {
    if (timerRunning_) window_.StopTimer(TCustomCodeEdit::kAutoScrollTimer);
    timerRunning_ = false;
    scrollSpeedX_ = 0;
    scrollSpeedY_ = 0;
}

void TCodeEditMouse::AutoScrollTimer(TShiftState shift) {
    if (!timerRunning_) return;
    const int rowHeight = editor_.TextRowHeight();
    if (rowHeight <= 0) return;
    TDeferral deferral(editor_);
    if (scrollSpeedX_ != 0) {
        editor_.SetFirstVisibleColumn(editor_.FirstVisibleColumn() + scrollSpeedX_);
        const int column = editor_.FirstVisibleColumn() + (scrollSpeedX_ > 0 ? editor_.VisibleColumns() : 0);
        const int top = editor_.FirstVisibleLine();
        const int line = std::max(top, std::min(mouseY_ / rowHeight + top, top + editor_.VisibleLines() - 1));
        editor_.SetCaretPoint({editor_.DisplayToCharColumn(line, column), line});
        editor_.SetSelExtent(editor_.CaretPoint());
    }
    if (scrollSpeedY_ != 0) {
        const int step = (shift & ssShift) != 0 ? scrollSpeedY_ * editor_.VisibleLines() : scrollSpeedY_;
        editor_.SetFirstVisibleLine(editor_.FirstVisibleLine() + step);
        const int line = editor_.FirstVisibleLine() + (scrollSpeedY_ > 0 ? editor_.VisibleLines() - 1 : 0);
        // The column under the pointer, or the caret's while the pointer is beside the text.
        const TPoint caret = editor_.CaretPoint();
        int column = caret.X;
        if (scrollSpeedX_ == 0) {
            const TPoint under = editor_.PixelToTextPoint(mouseX_, 0);
            column = editor_.DisplayToCharColumn(line, editor_.CharToDisplayColumn(under.Y, under.X));
        }
        editor_.SetCaretPoint({column, line});
        editor_.SetSelExtent(editor_.CaretPoint());
    }
}

void TCodeEditMouse::MouseUp(TMouseButton, TShiftState, int x, int y) {
    // Taken before the capture goes: giving it back tells the window, which ends any press.
    const bool gutterClick = possibleGutterClick_;
    const bool clickInSelection = waitingForDrag_ && !doubleClicked_;
    waitingForDrag_ = false;
    doubleClicked_ = false;
    possibleGutterClick_ = false;
    StopAutoScroll();
    window_.ReleaseMouse();
    if (gutterClick && x < editor_.GutterExtent()) {
        const int rowHeight = editor_.TextRowHeight();
        const int line = rowHeight > 0 ? y / rowHeight + editor_.FirstVisibleLine() : 0;
        if (OnGutterClick && line >= 1 && line <= editor_.LineCount()) {
            OnGutterClick(editor_, x, y, line, GutterMarkAt(line, x));
        }
    } else if (clickInSelection) {
        // The press inside the selection was a click after all.
        editor_.CaretFromPixel(x, y);
        editor_.RunCommand(ecGotoXY, 0, editor_.CaretPoint());
    }
}

void TCodeEditMouse::CaptureLost() {
    StopAutoScroll();
    waitingForDrag_ = false;
    possibleGutterClick_ = false;
}

const TCodeEditMark* TCodeEditMouse::GutterMarkAt(int line, int x) const {
    const int step = editor_.BookMarkOptions().Xoffset();
    int offset = 0;
    for (const TCodeEditMark* mark : editor_.Marks().MarksOfLine(line)) {
        if (mark == nullptr) break;
        offset += step;
        if (offset > x) return mark;
    }
    return nullptr;
}

// --- double click ---

void TCodeEditMouse::DoubleClick(int x, int) {
    if (x >= editor_.GutterExtent() + 2) {
        if (!editor_.Has(eoNoSelection)) SelectWordAtCaret();
        if (OnDblClick) OnDblClick(editor_);
        doubleClicked_ = true;
        window_.ReleaseMouse();
        return;
    }
    if (OnDblClick) OnDblClick(editor_);
}

bool TCodeEditMouse::WordChar(unsigned char c) const {
    if (c == 0) return false;
    if (const auto* highlighter = editor_.Highlighter()) return highlighter->IdentifierChars().test(c);
    return alphaNumeric_(c);
}

void TCodeEditMouse::SelectWordAtCaret() {
    const int y = editor_.CaretLine();
    const std::string& line = editor_.LineText(y);
    const int length = static_cast<int>(line.size());
    const int column = editor_.CaretColumn();
    if (column > length) {
        editor_.SetCaretPoint({length + 1, y});
        editor_.SetSelAnchor(editor_.CaretPoint());
        return;
    }
    const auto at = [&](int c) { return static_cast<unsigned char>(line[static_cast<std::size_t>(c - 1)]); };
    int end = column;
    while (end <= length && WordChar(at(end))) ++end;
    int start = column;
    while (start > 1 && WordChar(at(start - 1))) --start;
    editor_.ApplyCaretAndSelection({end, y}, {start, y}, {end, y});
    editor_.RepaintLine(y);
    editor_.NoteStatusChange(snSelection);
}

// --- drag and drop ---

bool TCodeEditMouse::DragOver(const TCustomCodeEdit&, int x, int y) {
    // A read-only editor takes nothing; the caret only follows a drag that can drop.
    if (editor_.ReadOnly()) {
        DragLeave();
        return false;
    }
    if (!dragOver_) {
        dragOver_ = true;
        caretBeforeDrag_ = editor_.CaretPoint();
    }
    editor_.CaretFromPixel(x, y);
    return true;
}

void TCodeEditMouse::DragLeave() {
    if (!dragOver_) return;
    dragOver_ = false;
    editor_.SetCaretPoint(caretBeforeDrag_);
}

bool TCodeEditMouse::InsideDropBlock(TPoint p) const {
    const TPoint start = editor_.SelectionStart();
    const TPoint end = editor_.SelectionEnd();
    const auto before = [](TPoint a, TPoint b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); };
    return !before(end, p) && !before(p, start);
}

void TCodeEditMouse::DragDrop(TCustomCodeEdit& source, int x, int y, TShiftState shift) {
    const bool wasOver = dragOver_;
    dragOver_ = false;
    if (editor_.ReadOnly() || !source.HasSelection()) {
        if (wasOver) editor_.SetCaretPoint(caretBeforeDrag_);
        return;
    }
    const bool same = &source == &editor_;
    TDeferral deferral(editor_);
    editor_.CaretFromPixel(x, y);
    TPoint p = editor_.CaretPoint();
    // Within one editor only a drop outside the block does anything; one inside leaves all as it was.
    if (same && InsideDropBlock(p)) {
        if (wasOver) editor_.SetCaretPoint(caretBeforeDrag_);
        return;
    }
    const bool move = same ? (shift & ssCtrl) == 0 : (shift & ssShift) != 0;
    editor_.TextDropping();
    TUndoBlock block(editor_.undo_);
    const std::string text = source.SelText();
    const TCodeSelectionMode mode = editor_.SelectionMode();
    if (same && move) {
        const TPoint start = editor_.SelectionStart();
        const TPoint end = editor_.SelectionEnd();
        const bool after = !(p.Y < start.Y || (p.Y == start.Y && p.X < start.X));
        editor_.Record(ukDelete, editor_.SelAnchor(), editor_.SelExtent(), editor_.DeletedText(), mode);
        {
            TUndoLock lock(editor_.undo_, editor_.redo_);
            editor_.ReplaceSelectionText(mode, {}, false);
        }
        if (after) {
            // What stood after the block on its last line now follows the block's first line's text.
            if (p.Y == end.Y) p.X -= end.X - start.X;
            p.Y -= end.Y - start.Y;
        }
    } else if (move) {
        // The other editor takes the text out through its own command path, undo and read-only rule.
        source.RunCommand(ecDeleteChar, 0, {});
    }
    const TOptionOn pastEol(editor_.options_, eoScrollPastEol);
    editor_.SetCaretPoint(p);
    editor_.SetSelAnchor(p);
    {
        TUndoLock lock(editor_.undo_, editor_.redo_);
        editor_.ReplaceSelectionUndoable(text);
    }
    editor_.Record(same ? ukDropInsert : ukInsert, p, editor_.CaretPoint(), {}, mode);
    editor_.SetSelExtent(editor_.CaretPoint());
    editor_.RunCommand(ecSelGotoXY, 0, p);
}

void TCodeEditMouse::DragEnded() {
    dragging_ = false;
    waitingForDrag_ = false;
    doubleClicked_ = false;
    possibleGutterClick_ = false;
    StopAutoScroll();
    window_.ReleaseMouse();
}

}  // namespace tips::editor
