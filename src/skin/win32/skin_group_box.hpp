#pragma once
// A group box (the radio group's frame) drawn from the skin: ButtonFace inside, the rounded frame in
// ButtonShadow and the caption on ButtonFace; the buttons inside it get the same face behind their text.

#include "platform/win32/gdi_object.hpp"
#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinGroupBox final : public TSkinControl {
public:
    TSkinGroupBox(HWND box, TSkinContext context);

    void Refresh() override;

private:
    bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(platform::TCanvas& canvas, const RECT& client, HWND window) override;

    platform::TBrushHandle face_;  // what the buttons inside clear their text with
};

}  // namespace tips::skin::win32
