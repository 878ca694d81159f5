#include "skin/win32/skin_group_box.hpp"

#include <string>

#include "platform/font.hpp"
#include "platform/system_colors.hpp"
#include "platform/win32/gdi_font.hpp"
#include "platform/win32/gdi_system_colors.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin::win32 {

namespace {

COLORREF Direct(platform::TColor colour) {
    return static_cast<COLORREF>(platform::ResolveColor(colour, platform::GdiSystemColors()));
}

}  // namespace

TSkinGroupBox::TSkinGroupBox(HWND box, TSkinContext context) : TSkinControl(box, context) { Refresh(); }

void TSkinGroupBox::Refresh() {
    face_.reset(CreateSolidBrush(Direct(Context().Skin.Colours.ButtonFace)));
    Redraw();
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        InvalidateRect(child, nullptr, TRUE);
    }
}

// The buttons inside ask their parent, this box, what to clear their text with.
bool TSkinGroupBox::PreFilter(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, Direct(Context().Skin.Colours.ButtonFace));
    SetTextColor(dc, Direct(Context().Skin.Colours.ButtonText));
    result = reinterpret_cast<LRESULT>(face_.get());
    return true;
}

void TSkinGroupBox::Paint(platform::TCanvas& canvas, const RECT& client, HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    const platform::TPlainFont plain(
        platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    const TViewRect rect{client.left, client.top, client.right, client.bottom};
    canvas.FillRect(rect, Context().Skin.Colours.ButtonFace);
    TGroupBoxPainter(Context().Skin).Paint(canvas, rect, WindowText(window), plain);
}

}  // namespace tips::skin::win32
