#pragma once
// A plain container: button-face background, optionally a raised or lowered one-pixel bevel (drawn
// by PaintPanel).

#include "widgets/panel_painter.hpp"
#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TPanel : public TWinControl {
public:
    explicit TPanel(TWinControl* parent) : TWinControl(parent) {}

    TPanelBevel BevelOuter = TPanelBevel::bvRaised;
    platform::TColor Color = platform::clBtnFace;  // the background; set it before a repaint
    HCURSOR Cursor = nullptr;   // the mouse cursor over the panel; the arrow when null

protected:
    void CreateParams(TWindowParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
};

}  // namespace tips::widgets
