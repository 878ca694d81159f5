#pragma once
// The skinned window's system menu: Restore, Maximize, Minimize and Close for its boxes and state,
// shown at a point; asked for again within the double-click time, the window is closed instead.

#include <windows.h>

#include "skin/frame_window.hpp"
#include "skin/system_menu.hpp"

namespace tips::skin::win32 {

class TSkinSystemMenu {
public:
    explicit TSkinSystemMenu(HWND window) : window_(window) {}

    // A right press on the caption or the icon button at `screen`. Returns once the menu is closed;
    // the chosen command is posted to the window.
    void Request(POINT screen, const TFrameWindowTraits& traits, const TFrameWindowState& state);

private:
    HWND window_;
    TSystemMenuRequests requests_;
};

}  // namespace tips::skin::win32
