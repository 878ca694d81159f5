#include "skin/win32/skin_radio_button.hpp"

#include <commctrl.h>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin::win32 {

namespace {

// Messages after which the button has drawn itself (its glyph included) without a WM_PAINT.
bool RedrawsItself(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool TSkinRadioButton::PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!RedrawsItself(message)) return false;
    result = DefSubclassProc(Window(), message, wParam, lParam);
    if (message == WM_PRINTCLIENT) {
        PaintGlyph(reinterpret_cast<HDC>(wParam));  // printed into the asker's device context
    } else if (IsWindowVisible(Window())) {
        const platform::TWindowDC dc(Window());
        if (dc.get()) PaintGlyph(dc.get());
    }
    return true;
}

void TSkinRadioButton::PaintGlyph(HDC dc) const {
    RECT client{};
    GetClientRect(Window(), &client);
    platform::TGdiCanvas canvas(dc);
    const auto style = GetWindowLongPtrA(Window(), GWL_STYLE);
    TRadioGlyphPainter(Context().Skin, Context().Bitmaps)
        .Paint(canvas, {client.left, client.top, client.right, client.bottom},
               SendMessageA(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED, IsWindowEnabled(Window()) != FALSE,
               (style & BS_LEFTTEXT) != 0);
}

}  // namespace tips::skin::win32
