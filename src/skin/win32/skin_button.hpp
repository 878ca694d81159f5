#pragma once
// A push button drawn from the skin's Buttons frames: pressed while the mouse or Space holds it, hot
// under the cursor, focused, disabled. Its press and release are its own: a release clicks only when
// it ends a press over the button, and the click reaches the parent as the button's BN_CLICKED.

#include "skin/button_states.hpp"
#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinButton final : public TSkinControl {
public:
    TSkinButton(HWND button, TSkinContext context) : TSkinControl(button, context) {}

    // What the next paint shows.
    TButtonState State() const;

private:
    bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(platform::TCanvas& canvas, const RECT& client, HWND window) override;
    void MouseLeft() override;
    bool Hot() const override { return tracker_.Hot(); }

    bool Inside(LPARAM lParam) const;
    void Release(bool inside);

    TPushButtonTracker tracker_;
    bool mousePress_ = false;  // the press is the mouse's (else the Space key's)
};

}  // namespace tips::skin::win32
