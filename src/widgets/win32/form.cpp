#include "widgets/win32/form.hpp"

#include <algorithm>
#include <exception>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/button.hpp"

namespace tips::widgets {

void TForm::CreateForm(const TFormLayout& layout) {
    RECT frame{0, 0, layout.width, layout.height};
    if (!layout.outerSize) AdjustWindowRectEx(&frame, layout.style, layout.menu != nullptr, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    windowClass_ = TWindowClass{layout.className};
    TWindowParams params;
    params.windowClass = &windowClass_;
    params.text = layout.caption;
    params.style = layout.style | WS_CLIPCHILDREN;
    params.width = width;
    params.height = height;
    menu_ = layout.menu;
    centerOnScreen_ = layout.centerOnScreen;
    if (menu_) params.menuOrId = menu_->Handle();
    if (layout.centerOnScreen) {
        params.left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        params.top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    font_.reset(CreateFontA(layout.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            layout.fontName.c_str()));
    SetFont(font_.get());
    CreateHandle(params);
    try {
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        CreateChildHandles();
        LayoutLoaded();
        FormCreate();
    } catch (...) {
        // The form's object will not be whole to destroy its window: it goes now, without the destroy
        // handler, whose creation handler did not finish.
        DestroyHandle();
        throw;
    }
    created_ = true;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                RememberFocus();
            } else {
                RestoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_CLOSE:
            // A modal form is hidden by its loop, not destroyed.
            if (modal_) {
                if (modalResult_ == mrNone) modalResult_ = mrCancel;
                return 0;
            }
            break;
        case WM_DESTROY:
            try {
                if (created_) FormDestroy();
            } catch (const std::exception& error) {
                Application().HandleException(error);
            }
            // The menu object frees its own menu.
            if (menu_) SetMenu(Handle(), nullptr);
            break;
        default:
            break;
    }
    if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0 && menu_) {
        if (TMenuItem* item = menu_->FromCommand(LOWORD(wParam)); item && item->OnClick) {
            item->OnClick(*item);
            return 0;
        }
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void TForm::RememberFocus() {
    const HWND focus = GetFocus();
    if (focus && focus != Handle() && IsChild(Handle(), focus)) lastFocus_ = focus;
}

void TForm::RestoreFocus() {
    // A form disabled behind a modal window (a message box it owns) keeps no focus of its own: the
    // modal window has it, and a control of the form that took it would run its enter handling.
    if (!IsWindowEnabled(Handle())) return;
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
        IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return;
    }
    std::vector<TWinControl*> stops;
    CollectTabStops(stops);
    if (!stops.empty()) stops.front()->SetFocus();
}

bool TForm::PreTranslateMessage(const MSG& message) {
    if (RunShortCut(message)) return true;
    if (PressButtonForEnter(*this, message)) return true;
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    const LRESULT wants = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
    SelectNext(GetKeyState(VK_SHIFT) >= 0);
    return true;
}

// The menu's shortcuts come before the focused control's own keys: a key that is one runs its item and
// is consumed, so the control sees neither the key nor its character.
bool TForm::RunShortCut(const MSG& message) {
    if (!menu_ || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) return false;
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    TMenuItem* item = menu_->FindShortCut(ShortCut(static_cast<TVirtualKey>(message.wParam), shift));
    if (!item || !item->OnClick) return false;
    // Outside any window procedure here: what the handler raises goes to the error box as it would there.
    try {
        item->OnClick(*item);
    } catch (const std::exception& error) {
        Application().HandleException(error);
    }
    return true;
}

void TForm::SelectNext(bool forward) {
    std::vector<TWinControl*> stops;
    CollectTabStops(stops);
    if (stops.empty()) return;
    // The stop that holds the focus: the focused control itself or the control a focused inner window
    // (an in-place editor) belongs to.
    const TWinControl* focused = FindControl(GetFocus());
    while (focused && std::find(stops.begin(), stops.end(), focused) == stops.end()) focused = focused->Parent();
    const auto at = std::find(stops.begin(), stops.end(), focused);
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = at == stops.end() ? (forward ? -1 : count) : at - stops.begin();
    index = ((forward ? index + 1 : index - 1) % count + count) % count;
    stops[static_cast<std::size_t>(index)]->SetFocus();
}

}  // namespace tips::widgets
