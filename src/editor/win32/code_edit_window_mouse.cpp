// TCodeEditWindow: mouse messages to the editor's mouse, and the drag of a selection from this window
// over editor windows until it is dropped or given up.

#include "editor/win32/code_edit_window.hpp"

#include "editor/win32/drag_cursors.hpp"
#include "widgets/win32/db_grid_cell_edit.hpp"

namespace tips::editor {

namespace {

// The keys a mouse message says were down, and Alt, which it does not say.
TShiftState ShiftOf(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

// Ends the source's part of a drag however the drop goes.
class TDragEnd {
public:
    explicit TDragEnd(TCodeEditMouse& mouse) : mouse_(mouse) {}
    TDragEnd(const TDragEnd&) = delete;
    TDragEnd& operator=(const TDragEnd&) = delete;
    ~TDragEnd() { mouse_.DragEnded(); }

private:
    TCodeEditMouse& mouse_;
};

}  // namespace

TCodeEditWindow* TCodeEditWindow::AtScreenPoint(POINT screen) {
    const HWND hwnd = WindowFromPoint(screen);
    auto* window = dynamic_cast<TCodeEditWindow*>(widgets::TWindow::FromHandle(hwnd));
    if (window == nullptr || window->destroying_) return nullptr;
    POINT client = screen;
    ScreenToClient(hwnd, &client);
    RECT area{};
    GetClientRect(hwnd, &area);
    return PtInRect(&area, client) ? window : nullptr;
}

bool TCodeEditWindow::HandleMouse(UINT message, WPARAM wParam, int x, int y) {
    const TShiftState shift = ShiftOf(wParam);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            // The focus first, so that what entering the editor does (a post that reloads the text)
            // is over before the press places the caret; a focus that was refused ends the press.
            if (!Focused()) {
                SetFocus();
                if (!Focused()) return true;
            }
            const TMouseButton button = message == WM_LBUTTONDOWN                                 ? TMouseButton::mbLeft
                                        : (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) ? TMouseButton::mbRight
                                                                                                    : TMouseButton::mbMiddle;
            mouse_.MouseDown(button, shift, x, y);
            return true;
        }
        case WM_LBUTTONDBLCLK:
            mouse_.DoubleClick(x, y);
            return true;
        case WM_MOUSEMOVE:
            lastMouse_ = {x, y};
            if (dragging_) {
                DragMove({x, y});
            } else {
                mouse_.MouseMove(shift, (wParam & MK_LBUTTON) != 0, x, y);
            }
            return true;
        case WM_LBUTTONUP:
            if (dragging_) {
                DragFinish({x, y}, true, shift);
            } else {
                mouse_.MouseUp(TMouseButton::mbLeft, shift, x, y);
            }
            return true;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (!dragging_) {
                mouse_.MouseUp(message == WM_RBUTTONUP ? TMouseButton::mbRight : TMouseButton::mbMiddle, shift, x, y);
            }
            return false;  // the default handling turns a right release into WM_CONTEXTMENU
        default:
            return false;
    }
}

void TCodeEditWindow::CaptureTaken() {
    if (dragging_) DragFinish({}, false, 0);
    mouse_.CaptureLost();
}

// ---- Dragging a selection -----------------------------------------------------------------------

void TCodeEditWindow::StartDrag() {
    dragging_ = true;
    dragTarget_ = nullptr;
    dragAccepted_ = false;
    DragMove(lastMouse_);
}

void TCodeEditWindow::DragMove(POINT client) {
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    TCodeEditWindow* target = AtScreenPoint(screen);
    if (target != dragTarget_) {
        if (dragTarget_ != nullptr) dragTarget_->mouse_.DragLeave();
        dragTarget_ = target;
    }
    dragAccepted_ = false;
    if (target != nullptr) {
        POINT at = screen;
        ScreenToClient(target->Handle(), &at);
        dragAccepted_ = target->mouse_.DragOver(editor_, at.x, at.y);
    }
    RefreshDragCursor();
}

void TCodeEditWindow::DragFinish(POINT client, bool drop, TShiftState shift) {
    if (!dragging_) return;
    dragging_ = false;
    TCodeEditWindow* const previous = dragTarget_;
    dragTarget_ = nullptr;
    dragAccepted_ = false;
    const TDragEnd end(mouse_);
    TCodeEditWindow* target = nullptr;
    POINT at{};
    if (drop && !destroying_) {
        POINT screen = client;
        ClientToScreen(Handle(), &screen);
        target = AtScreenPoint(screen);
        if (target != nullptr) {
            at = screen;
            ScreenToClient(target->Handle(), &at);
        }
    }
    if (previous != nullptr && previous != target) previous->mouse_.DragLeave();
    if (target == nullptr) return;
    if (target->mouse_.DragOver(editor_, at.x, at.y)) {
        target->mouse_.DragDrop(editor_, at.x, at.y, shift);
    } else {
        target->mouse_.DragLeave();
    }
    SetCursorShape();
}

void TCodeEditWindow::RefreshDragCursor() {
    if (!dragAccepted_) {
        SetCursor(LoadCursor(nullptr, IDC_NO));
        return;
    }
    SetCursor(DragCursor(GetKeyState(VK_CONTROL) < 0 ? TDragCursor::Copy : TDragCursor::Move));
}

}  // namespace tips::editor
