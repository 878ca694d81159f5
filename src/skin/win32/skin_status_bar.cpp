#include "skin/win32/skin_status_bar.hpp"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/font.hpp"
#include "platform/win32/gdi_font.hpp"

namespace tips::skin::win32 {

std::vector<TStatusPanel> TSkinStatusBar::Panels(HWND bar) {
    const auto count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    std::vector<int> rights(static_cast<std::size_t>(count > 0 ? count : 0));
    if (!rights.empty()) SendMessageA(bar, SB_GETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    std::vector<TStatusPanel> panels;
    int left = 0;
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<std::size_t>(LOWORD(length)) + 1u, '\0');
        const LRESULT answer = SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(LOWORD(length));
        TStatusPanel panel;
        panel.Text = text;
        const int right = rights[static_cast<std::size_t>(i)];
        panel.Width = right < 0 ? 0 : right - left;  // the last one reaches the edge anyway
        left = right;
        const WORD type = HIWORD(answer);
        panel.Bevel = (type & SBT_NOBORDERS) ? TStatusPanelBevel::pbNone
                      : (type & SBT_POPOUT)  ? TStatusPanelBevel::pbRaised
                                             : TStatusPanelBevel::pbLowered;
        panels.push_back(panel);
    }
    return panels;
}

TViewRect TSkinStatusBar::GripRect(HWND bar) {
    if ((GetWindowLongPtrA(bar, GWL_STYLE) & SBARS_SIZEGRIP) == 0) return {};
    if (IsZoomed(GetAncestor(bar, GA_ROOT))) return {};
    RECT client{};
    GetClientRect(bar, &client);
    const int size = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.bottom);
    return {client.right - size, client.bottom - size, client.right, client.bottom};
}

void TSkinStatusBar::Paint(platform::TCanvas& canvas, const RECT& client, HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    const platform::TPlainFont plain(
        platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    const TStatusBarPainter painter(Context().Skin, Context().Bitmaps);
    const bool simple = SendMessageA(window, SB_ISSIMPLE, 0, 0) != 0;
    std::string simpleText;
    if (simple) {
        simpleText.resize(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1u);
        simpleText.resize(static_cast<std::size_t>(
            GetWindowTextA(window, simpleText.data(), static_cast<int>(simpleText.size()))));
    }
    painter.Paint(canvas, {client.left, client.top, client.right, client.bottom},
                  simple ? std::vector<TStatusPanel>{} : Panels(window), simpleText, plain, GripRect(window));
}

}  // namespace tips::skin::win32
