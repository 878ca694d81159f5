#pragma once
// A radio button that keeps its own painting of the caption and focus, with its glyph square drawn
// over from the skin's radio image (checked, enabled) after every picture the button makes of itself.

#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinRadioButton final : public TSkinControl {
public:
    TSkinRadioButton(HWND button, TSkinContext context) : TSkinControl(button, context) {}

private:
    bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(platform::TCanvas& /*canvas*/, const RECT& /*client*/, HWND /*window*/) override {}
    bool PaintsClient() const override { return false; }

    void PaintGlyph(HDC dc) const;
};

}  // namespace tips::skin::win32
