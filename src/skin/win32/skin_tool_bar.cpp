#include "skin/win32/skin_tool_bar.hpp"

#include <commctrl.h>

#include <cstring>

#include "platform/system_colors.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_system_colors.hpp"
#include "skin/button_states.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin::win32 {

namespace {

bool IsToolbar(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, static_cast<int>(sizeof name));
    return std::strcmp(name, TOOLBARCLASSNAMEA) == 0;
}

TToolbarDrawFlags FlagsOf(UINT state) {
    TToolbarDrawFlags flags;
    flags.Selected = (state & (CDIS_SELECTED | CDIS_CHECKED)) != 0;
    flags.Focused = (state & CDIS_FOCUS) != 0;
    flags.Hot = (state & CDIS_HOT) != 0;
    flags.Grayed = (state & CDIS_GRAYED) != 0;
    flags.Disabled = (state & CDIS_DISABLED) != 0;
    return flags;
}

}  // namespace

TSkinToolBar::TSkinToolBar(HWND holder, TSkinContext context) : TSkinControl(holder, context) { RedrawToolbars(); }

TSkinToolBar::~TSkinToolBar() {
    if (Alive()) RedrawToolbars();
}

void TSkinToolBar::Refresh() {
    TSkinControl::Refresh();
    RedrawToolbars();
}

void TSkinToolBar::RedrawToolbars() const {
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsToolbar(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

bool TSkinToolBar::PreFilter(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || header->code != NM_CUSTOMDRAW || !IsToolbar(header->hwndFrom)) return false;
    result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
    return true;
}

LRESULT TSkinToolBar::CustomDraw(NMCUSTOMDRAW& draw) const {
    const TViewRect rect{draw.rc.left, draw.rc.top, draw.rc.right, draw.rc.bottom};
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: {
        platform::TGdiCanvas canvas(draw.hdc);
        canvas.FillRect(rect, Context().Skin.Colours.ButtonFace);
        return CDRF_NOTIFYITEMDRAW;
    }
    case CDDS_ITEMPREPAINT: {
        const TToolbarDrawFlags flags = FlagsOf(draw.uItemState);
        std::optional<TColor> text;
        {
            platform::TGdiCanvas canvas(draw.hdc);
            text = PaintToolbarButton(canvas, Context().Bitmaps, Context().Skin, flags, rect);
        }
        auto& toolbarDraw = reinterpret_cast<NMTBCUSTOMDRAW&>(draw);
        if (text) toolbarDraw.clrText = static_cast<COLORREF>(platform::ResolveColor(*text, platform::GdiSystemColors()));
        return TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | (text ? TBCDRF_USECDCOLORS : 0);
    }
    default:
        return CDRF_DODEFAULT;
    }
}

}  // namespace tips::skin::win32
