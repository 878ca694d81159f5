#include "widgets/win32/panel.hpp"

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

void TPanel::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TPanel"};
    params.windowClass = &windowClass;
}

void TPanel::Paint() {
    const platform::TPaintDC dc(Handle());
    RECT rect{};
    GetClientRect(Handle(), &rect);
    {
        platform::TGdiCanvas canvas(dc.get());
        PaintPanel(canvas, {rect.right - rect.left, rect.bottom - rect.top}, BevelOuter, Color);
    }
    PaintGraphicControls(dc.get());
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            // A graphic control's own cursor comes before the panel's.
            if (LRESULT routed = 0; RouteToGraphicControl(message, wParam, lParam, routed)) return routed;
            if (Cursor && LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle()) {
                SetCursor(Cursor);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
