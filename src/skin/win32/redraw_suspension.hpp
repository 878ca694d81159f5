#pragma once
// Redrawing of a visible window and its children switched off for a scope and the whole window painted
// once at its end. Taking a window over moves its frame and its client area several times (the menu
// taken, the caption styles changed, the client size kept); painting after each move cost more than
// the rest of the takeover together. A window that is not visible is left alone: switching redrawing
// back on would show it.

#include <windows.h>

namespace tips::skin::win32 {

class TRedrawSuspension {
public:
    explicit TRedrawSuspension(HWND window) : window_(IsWindowVisible(window) ? window : nullptr) {
        if (window_) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~TRedrawSuspension() {
        if (!window_ || !IsWindow(window_)) return;
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    TRedrawSuspension(const TRedrawSuspension&) = delete;
    TRedrawSuspension& operator=(const TRedrawSuspension&) = delete;

private:
    HWND window_;
};

}  // namespace tips::skin::win32
