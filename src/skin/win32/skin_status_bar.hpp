#pragma once
// A status bar drawn from the skin: its panels (widths, texts and bevels as the bar holds them) on
// ButtonFace with the StatusBarEdges frames, and the size grip at its right edge while it has one.

#include <vector>

#include "skin/status_bar_painter.hpp"
#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinStatusBar final : public TSkinControl {
public:
    TSkinStatusBar(HWND bar, TSkinContext context) : TSkinControl(bar, context) {}

    // The panels as the bar holds them now.
    static std::vector<TStatusPanel> Panels(HWND bar);
    // Where the size grip goes: the bottom-right square, none without the grip style or while the
    // bar's window is maximised.
    static TViewRect GripRect(HWND bar);

private:
    void Paint(platform::TCanvas& canvas, const RECT& client, HWND window) override;
};

}  // namespace tips::skin::win32
