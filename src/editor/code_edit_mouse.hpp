#pragma once
// What the mouse does in the code editor: placing the caret, Shift+click and drag selection with the
// auto-scroll timer beyond the text area, double-click word selection, the gutter click, Alt+drag
// column mode, and drag-and-drop editing within one editor and between two. The window forwards its
// mouse messages and its drag-and-drop traffic here; everything here is portable and runs on the
// editor's window services.

#include <functional>

#include "base/shortcut.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/marks.hpp"
#include "platform/window_services.hpp"

namespace tips::editor {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The window side of a drag: the mouse asks it to start dragging the selection; the window then tracks
// the pointer over editors and reports back through DragOver / DragLeave / DragDrop and DragEnded.
class TCodeEditDragHost {
public:
    virtual ~TCodeEditDragHost() = default;
    virtual void StartDrag() = 0;
};

using TGutterClickEvent =
    std::function<void(TCustomCodeEdit& sender, int x, int y, int line, const TCodeEditMark* mark)>;

class TCodeEditMouse {
public:
    TCodeEditMouse(TCustomCodeEdit& editor, platform::TWindowServices& window);
    TCodeEditMouse(const TCodeEditMouse&) = delete;
    TCodeEditMouse& operator=(const TCodeEditMouse&) = delete;
    ~TCodeEditMouse();

    TCustomCodeEdit& Editor() { return editor_; }

    void SetDragHost(TCodeEditDragHost* host) { dragHost_ = host; }
    // How far the pointer must move from the press before a drag starts (the system's drag rectangle).
    void SetDragThreshold(int dx, int dy) {
        dragThresholdX_ = dx;
        dragThresholdY_ = dy;
    }
    // The letters and digits of the platform's code page: a double click without a highlighter selects a
    // run of them. The default knows ASCII and the Windows-1252 letters.
    void SetAlphaNumericTest(std::function<bool(unsigned char)> test) { alphaNumeric_ = std::move(test); }

    // --- the window's mouse messages (client pixels) ---
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, bool leftHeld, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void DoubleClick(int x, int y);
    // The auto-scroll timer (TCustomCodeEdit::kAutoScrollTimer) fired.
    void AutoScrollTimer(TShiftState shift);
    // The window lost the mouse to someone else: selecting (or waiting for a drag) is over.
    void CaptureLost();

    // --- drag and drop: this editor as the target ---
    // A drag of `source`'s selection is over the point: whether a drop here would be taken. The caret
    // follows the pointer while it is.
    bool DragOver(const TCustomCodeEdit& source, int x, int y);
    // The drag left this editor (or ended elsewhere): the caret goes back where it was.
    void DragLeave();
    // The selection of `source` dropped at the point: moved or copied here (Ctrl copies within one
    // editor; Shift moves between two).
    void DragDrop(TCustomCodeEdit& source, int x, int y, TShiftState shift);
    // --- this editor as the source: the drag it started is over, dropped or not ---
    void DragEnded();

    // --- state ---
    bool WaitingForDrag() const { return waitingForDrag_; }
    bool Dragging() const { return dragging_; }
    bool DoubleClicked() const { return doubleClicked_; }
    bool PossibleGutterClick() const { return possibleGutterClick_; }
    int HorizontalSpeed() const { return scrollSpeedX_; }
    int VerticalSpeed() const { return scrollSpeedY_; }

    // --- events ---
    TGutterClickEvent OnGutterClick;
    TNotifyEvent OnDblClick;

private:
    void UpdateAutoScroll(int x, int y);
    void StopAutoScroll();
    void SelectWordAtCaret();
    bool WordChar(unsigned char c) const;
    const TCodeEditMark* GutterMarkAt(int line, int x) const;
    bool InsideDropBlock(TPoint p) const;

    TCustomCodeEdit& editor_;
    platform::TWindowServices& window_;
    TCodeEditDragHost* dragHost_ = nullptr;
    std::function<bool(unsigned char)> alphaNumeric_;
    int dragThresholdX_ = 4;
    int dragThresholdY_ = 4;

    // Press state.
    bool doubleClicked_ = false;
    bool possibleGutterClick_ = false;
    bool waitingForDrag_ = false;
    bool dragging_ = false;
    bool selectionAtPress_ = false;
    int pressX_ = 0;
    int pressY_ = 0;
    TPoint anchorAtPress_{1, 1};
    // Where the pointer was last seen while selecting; the auto-scroll works from there.
    int mouseX_ = 0;
    int mouseY_ = 0;
    int scrollSpeedX_ = 0;
    int scrollSpeedY_ = 0;
    bool timerRunning_ = false;

    // As a drop target: the caret before the drag came over, to give back when it leaves.
    bool dragOver_ = false;
    TPoint caretBeforeDrag_{1, 1};
};

}  // namespace tips::editor
