#include "widgets/win32/panel.hpp"

namespace tips::widgets {

void TPanel::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    params.className = "TPanel";
}

void TPanel::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT rect{};
    GetClientRect(Handle(), &rect);
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    if (BevelOuter != TPanelBevel::bvNone) {
        DrawEdge(dc, &rect, BevelOuter == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    }
    EndPaint(Handle(), &paint);
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
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
