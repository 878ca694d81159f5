#pragma once
// A flat toolbar button: draws its glyph (the disabled image while disabled), raises its edge under the
// mouse and sinks it while pressed, clicks when the mouse is released over it, shows its hint in a
// tooltip, and never takes the keyboard focus.

#include <windows.h>

#include <functional>
#include <string>

#include "platform/bitmap.hpp"
#include "skin/bitmap.hpp"
#include "widgets/speed_button_state.hpp"
#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TSpeedButton : public TWinControl {
public:
    explicit TSpeedButton(TWinControl* parent);
    ~TSpeedButton() override;

    // The glyph: NumGlyphs images of equal width side by side (normal, disabled, pressed). The colour
    // of its bottom-left pixel is transparent.
    void SetGlyph(const skin::Image& glyph);
    const skin::Image& Glyph() const { return glyph_; }
    void SetNumGlyphs(int count);  // clamped to 1..4; 1 by default
    int NumGlyphs() const { return numGlyphs_; }

    // The text of the tooltip shown while the mouse rests on the button; none while empty.
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }
    void SetShowHint(bool show);
    bool ShowHint() const { return showHint_; }

    TButtonLook Look() const { return state_.Look(); }
    // The tooltip window while the button's window exists and has a hint to show.
    HWND TooltipHandle() const { return tooltip_; }

    std::function<void(TSpeedButton& sender)> OnClick;

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool PointInside(LPARAM lParam) const;
    void Changed();   // repaint when the look may have changed
    void Paint(HDC dc) const;
    void UpdateTooltip();
    void DestroyTooltip();

    skin::Image glyph_;
    platform::TBitmap bitmap_;  // the glyph as the canvas takes it
    int numGlyphs_ = 1;
    std::string hint_;
    bool showHint_ = true;
    TSpeedButtonState state_;
    bool trackingLeave_ = false;
    HWND tooltip_ = nullptr;
};

}  // namespace tips::widgets
