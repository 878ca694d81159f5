#include "widgets/win32/status_bar.hpp"

#include <commctrl.h>

namespace tips::widgets {

TStatusBar::TStatusBar(TWinControl* parent) : TWinControl(parent) {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}

void TStatusBar::SetPanelWidths(std::vector<int> widths) {
    widths_ = std::move(widths);
    texts_.resize(widths_.size());
    if (HandleAllocated()) SendParts();
}

std::string TStatusBar::PanelText(int index) const {
    const std::string& text = texts_.at(static_cast<std::size_t>(index));
    if (!HandleAllocated()) return text;
    const auto length = LOWORD(SendMessageA(Handle(), SB_GETTEXTLENGTHA, static_cast<WPARAM>(index), 0));
    std::string shown(length + 1u, '\0');
    SendMessageA(Handle(), SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(shown.data()));
    shown.resize(length);
    return shown;
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    texts_.at(static_cast<std::size_t>(index)) = text;
    if (HandleAllocated()) SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = STATUSCLASSNAMEA;
    // The parent places it; the bar must not move itself to the parent's bottom edge.
    params.style |= CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() { SendParts(); }

// The bar's class repaints only what a resize uncovers, so the size grip drawn at the old right edge
// would stay there: the whole bar is drawn again at its new size.
LRESULT TStatusBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    if (message == WM_SIZE) InvalidateRect(Handle(), nullptr, TRUE);
    return result;
}

void TStatusBar::SendParts() {
    std::vector<int> rightEdges;
    int right = 0;
    for (const int width : widths_) rightEdges.push_back(right += width);
    // The last panel runs on to the right edge.
    if (!rightEdges.empty()) rightEdges.back() = -1;
    SendMessageA(Handle(), SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        SendMessageA(Handle(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(texts_[i].c_str()));
    }
}

}  // namespace tips::widgets
