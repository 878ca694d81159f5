#include "skin/win32/skin_button.hpp"

#include <windowsx.h>
#include <commctrl.h>

#include <string>

#include "platform/font.hpp"
#include "platform/win32/gdi_font.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin::win32 {

TButtonState TSkinButton::State() const {
    TButtonState state;
    state.Pressed = tracker_.Pressed() && (!mousePress_ || tracker_.Hot());
    state.Hot = tracker_.Hot();
    state.Focused = GetFocus() == Window();
    state.Enabled = IsWindowEnabled(Window()) != FALSE;
    return state;
}

bool TSkinButton::Inside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(Window(), &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, at) != FALSE;
}

void TSkinButton::Release(bool inside) {
    const bool clicks = tracker_.Release(inside);
    Redraw();
    if (!clicks) return;
    const HWND parent = GetParent(Window());
    const int id = GetDlgCtrlID(Window());
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Window()));
}

void TSkinButton::MouseLeft() {
    if (!tracker_.Pressed()) tracker_.Leave();
}

bool TSkinButton::PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!IsWindowEnabled(Window())) return true;
        if (GetFocus() != Window()) SetFocus(Window());
        tracker_.Press();
        tracker_.Enter(true);
        mousePress_ = true;
        SetCapture(Window());
        Redraw();
        return true;
    case WM_MOUSEMOVE: {
        const bool inside = Inside(lParam);
        if (inside != tracker_.Hot()) {
            tracker_.Enter(inside && IsWindowEnabled(Window()));
            Redraw();
        }
        return true;
    }
    case WM_LBUTTONUP:
        if (!tracker_.Pressed() || !mousePress_) return true;
        mousePress_ = false;  // so that losing the capture here does not end the press unclicked
        if (GetCapture() == Window()) ReleaseCapture();
        Release(Inside(lParam));
        return true;
    case WM_CAPTURECHANGED:
        if (tracker_.Pressed() && mousePress_ && reinterpret_cast<HWND>(lParam) != Window()) {
            tracker_.Release(false);
            Redraw();
        }
        return true;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) return false;
        if ((lParam & (1 << 30)) == 0 && !tracker_.Pressed()) {
            tracker_.Press();
            mousePress_ = false;
            Redraw();
        }
        return true;
    case WM_KEYUP:
        if (wParam != VK_SPACE) return false;
        if (tracker_.Pressed() && !mousePress_) Release(true);
        return true;
    case WM_KILLFOCUS:
        if (tracker_.Pressed() && !mousePress_) tracker_.Release(false);
        return false;
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
        result = DefSubclassProc(Window(), message, wParam, lParam);
        Redraw();
        return true;
    default:
        return false;
    }
}

void TSkinButton::Paint(platform::TCanvas& canvas, const RECT& client, HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    const platform::TPlainFont plain(platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    const TPushButtonPainter painter(Context().Skin, Context().Bitmaps);
    const TViewRect rect{client.left, client.top, client.right, client.bottom};
    if (!painter.Paint(canvas, rect, WindowText(window), State(), plain)) {
        canvas.FillRect(rect, Context().Skin.Colours.ButtonFace);
    }
}

}  // namespace tips::skin::win32
