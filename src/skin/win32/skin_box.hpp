#pragma once
// A container (panel, toolbar, form) on the skin's ButtonFace: its colour is set while skinned and given
// back on detach; it keeps its own painting.

#include "platform/color.hpp"
#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinBox final : public TSkinControl {
public:
    // `colour` is the control's colour slot, or nullptr for a control without one.
    TSkinBox(HWND window, TSkinContext context, platform::TColor* colour);
    ~TSkinBox() override;

    void Refresh() override;

private:
    void Paint(platform::TCanvas& /*canvas*/, const RECT& /*client*/, HWND /*window*/) override {}
    bool PaintsClient() const override { return false; }

    platform::TColor* colour_;
    platform::TColor saved_ = platform::clNone;
};

}  // namespace tips::skin::win32
