#pragma once
// An edit box whose 3-D border is replaced by the skin's: a 1-pixel ButtonShadow frame around the
// window with a 1-pixel frame of the edit's own background inside it. The text area stays the edit's.

#include "skin/win32/skin_control.hpp"

namespace tips::skin::win32 {

class TSkinEdit final : public TSkinControl {
public:
    TSkinEdit(HWND edit, TSkinContext context);
    ~TSkinEdit() override;

    void Refresh() override;

private:
    bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(platform::TCanvas& /*canvas*/, const RECT& /*client*/, HWND /*window*/) override {}
    bool PaintsClient() const override { return false; }

    void PaintBorder() const;
};

}  // namespace tips::skin::win32
