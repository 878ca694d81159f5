#pragma once
// A speed button drawn from the skin's Buttons frames (normal, hot, pressed, disabled) with its glyph
// cell and caption on top. The button keeps its own mouse handling and tells us its look.

#include "platform/bitmap.hpp"
#include "skin/speed_button_skin.hpp"
#include "skin/win32/skin_control.hpp"

namespace tips::widgets {
class TSpeedButton;
}

namespace tips::skin::win32 {

class TSkinSpeedButton final : public TSkinControl {
public:
    TSkinSpeedButton(widgets::TSpeedButton& button, TSkinContext context);

    // What the next paint shows.
    TSkinSpeedButtonState State() const;

private:
    void Paint(platform::TCanvas& canvas, const RECT& client, HWND window) override;

    widgets::TSpeedButton& button_;
};

}  // namespace tips::skin::win32
