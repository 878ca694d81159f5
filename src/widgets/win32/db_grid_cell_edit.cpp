#include "widgets/win32/db_grid_cell_edit.hpp"

#include "widgets/db_grid_geometry.hpp"

namespace tips::widgets {

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TDBGridCellEdit::~TDBGridCellEdit() { DestroyHandle(); }

void TDBGridCellEdit::CreateIn(HWND grid, HFONT font) {
    if (HandleAllocated()) return;
    TWindowParams params;
    params.systemClass = "EDIT";
    params.style = WS_CHILD | ES_AUTOHSCROLL | ES_LEFT;
    params.left = 0;
    params.top = 0;
    params.width = 0;
    params.height = 0;
    params.parent = grid;
    CreateHandle(params);
    SetFont(font);
}

void TDBGridCellEdit::SetFont(HFONT font) {
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The text starts as far in from the cell's edge as the grid draws it.
    constexpr int indent = TDBGridGeometry::kTextIndent;
    SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(indent, indent));
}

void TDBGridCellEdit::Show(const RECT& cell, const std::string& text, int maxLength, bool selectAll, bool takeFocus) {
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength > 0 ? maxLength : 0x7FFFFFFE), 0);
    if (EditText() != text) {
        SetEditText(text);
        const auto end = static_cast<WPARAM>(text.size());
        if (selectAll) {
            SendMessageA(Handle(), EM_SETSEL, 0, -1);
        } else {
            SendMessageA(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
        }
    }
    SetWindowPos(Handle(), HWND_TOP, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (takeFocus && GetFocus() != Handle()) SetFocus(Handle());
}

void TDBGridCellEdit::Hide() {
    if (!Showing()) return;
    const bool hadFocus = GetFocus() == Handle();
    ShowWindow(Handle(), SW_HIDE);
    if (hadFocus) SetFocus(GetParent(Handle()));
}

bool TDBGridCellEdit::Showing() const { return HandleAllocated() && IsWindowVisible(Handle()); }

void TDBGridCellEdit::SetEditText(const std::string& text) {
    if (!HandleAllocated()) return;
    settingText_ = true;
    SetText(text);
    settingText_ = false;
}

bool TDBGridCellEdit::IsGridKey(WORD key, TShiftState shift) {
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_F2: return true;
        case VK_INSERT: return shift == 0;   // Shift+Insert and Ctrl+Insert are the clipboard's
        case VK_HOME:
        case VK_END: return (shift & ssCtrl) != 0;
        default: return false;
    }
}

LRESULT TDBGridCellEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = TWindow::WndProc(message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTCHARS;
            if (owner_.CellEditWantsTab()) code |= DLGC_WANTTAB;
            return code;
        }
        case WM_KEYDOWN: {
            const auto key = static_cast<WORD>(wParam);
            const auto shift = KeyboardShiftState();
            if (IsGridKey(key, shift)) {
                owner_.CellEditKeyDown(key, shift);
                return 0;
            }
            break;
        }
        case WM_CHAR:
            // Tab, Enter and Esc were keys of the grid; the box would only beep at them.
            if (wParam == '\t' || wParam == '\r' || wParam == '\n' || wParam == 0x1B) return 0;
            break;
        case WM_SETFOCUS: {
            const LRESULT result = TWindow::WndProc(message, wParam, lParam);
            owner_.CellEditFocusChanged(true, reinterpret_cast<HWND>(wParam));
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = TWindow::WndProc(message, wParam, lParam);
            owner_.CellEditFocusChanged(false, reinterpret_cast<HWND>(wParam));
            return result;
        }
        default:
            break;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
