#pragma once
// A toolbar (the common control inside our toolbar window) drawn from the skin through its custom
// draw: ButtonFace behind the buttons and each button's Buttons frame for its state, the toolbar then
// drawing glyph and caption on top, without its own edges.

#include <windows.h>
#include <commctrl.h>

#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinToolBar final : public TSkinControl {
public:
    // `holder` is our window around the toolbar: the toolbar's notifications come to it.
    TSkinToolBar(HWND holder, TSkinContext context);
    ~TSkinToolBar() override;

    void Refresh() override;

private:
    bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(platform::TCanvas& /*canvas*/, const RECT& /*client*/, HWND /*window*/) override {}
    bool PaintsClient() const override { return false; }

    LRESULT CustomDraw(NMCUSTOMDRAW& draw) const;
    void RedrawToolbars() const;
};

}  // namespace tips::skin::win32
