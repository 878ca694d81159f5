#include "skin/win32/skin_edit.hpp"

#include <commctrl.h>

#include "platform/color.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin::win32 {

namespace {

void RedrawFrame(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE); }

}  // namespace

TSkinEdit::TSkinEdit(HWND edit, TSkinContext context) : TSkinControl(edit, context) { RedrawFrame(edit); }

// The system border comes back with the next frame paint, once the hold has let go.
TSkinEdit::~TSkinEdit() {
    if (Alive()) RedrawFrame(Window());
}

void TSkinEdit::Refresh() {
    TSkinControl::Refresh();
    RedrawFrame(Window());
}

bool TSkinEdit::PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        // The system draws its border (and any scroll bar) first; ours goes over the border.
        result = DefSubclassProc(Window(), message, wParam, lParam);
        PaintBorder();
        return true;
    default:
        return false;
    }
}

void TSkinEdit::PaintBorder() const {
    const platform::TWholeWindowDC dc(Window());
    if (!dc.get()) return;
    RECT outer{};
    GetWindowRect(Window(), &outer);
    platform::TGdiCanvas canvas(dc.get());
    const platform::TColor background = IsWindowEnabled(Window()) ? platform::clWindow : platform::clBtnFace;
    PaintEditBorder(canvas, Context().Skin, {0, 0, outer.right - outer.left, outer.bottom - outer.top}, background);
}

}  // namespace tips::skin::win32
