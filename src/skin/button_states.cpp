#include "skin/button_states.hpp"

#include <algorithm>

namespace tips::skin {

int PushButtonFrame(const TButtonState& state) {
    if (!state.Enabled) return 3;
    if (state.Pressed) return 2;
    if (state.Focused || state.Hot) return 4;
    return 1;
}

TColor PushButtonTextColour(const TSkinButtonElement& buttons, int frame) {
    switch (frame) {
    case 1: return buttons.NormalColour2;
    case 2: return buttons.PressedColour2;
    case 3: return platform::clBtnShadow;
    case 4: return buttons.MouseOverColour2;
    default: return buttons.NormalColour2;
    }
}

int SpeedButtonFrame(const TSkinSpeedButtonState& state) {
    if (!state.Enabled) return 3;
    if (state.Pressed || state.Down) return 2;
    if (state.Hot) return 4;
    return 1;
}

int SpeedButtonGlyphCell(int frame, int glyphCells) {
    int cell = 1;
    if (frame == 3) cell = 2;
    else if (frame == 2) cell = 3;
    return cell <= glyphCells ? cell : 1;
}

std::optional<TColor> SpeedButtonTextColour(const TSkinButtonElement& buttons, int frame) {
    switch (frame) {
    case 1: return buttons.HasNormalColour2 ? std::optional(buttons.NormalColour2) : std::nullopt;
    case 2: return buttons.HasPressedColour2 ? std::optional(buttons.PressedColour2) : std::nullopt;
    case 3: return platform::clBtnShadow;
    case 4: return buttons.HasMouseOverColour2 ? std::optional(buttons.MouseOverColour2) : std::nullopt;
    default: return std::nullopt;
    }
}

int ToolbarButtonFrame(const TToolbarDrawFlags& flags) {
    if (flags.Selected) return 2;
    if (flags.Focused || flags.Hot) return 4;
    if (flags.Grayed || flags.Disabled) return 3;
    return 1;
}

int CheckBoxFrame(TCheckState state, bool enabled, int frameCount) {
    int frame = state == TCheckState::Checked ? 2 : state == TCheckState::Grayed ? 4 : 1;
    if (!enabled && frame + 2 <= frameCount) frame += 2;
    return frame <= frameCount ? frame : 1;
}

int RadioButtonFrame(bool checked, bool enabled, int frameCount) {
    int frame = checked ? 2 : 1;
    if (!enabled && frame + 2 <= frameCount) frame += 2;
    return frame <= frameCount ? frame : 1;
}

TViewRect RadioGlyphRect(const TViewRect& control, int glyphWidth, int glyphHeight, bool rightButton) {
    const int top = control.Top + (control.Bottom - control.Top - glyphHeight) / 2;
    const int cell = glyphWidth < 15 ? 14 : glyphWidth;
    const int cellLeft = rightButton ? control.Right - cell : control.Left;
    const int left = cellLeft + (cell - glyphWidth) / 2;
    return {left, top, left + glyphWidth, top + glyphHeight};
}

bool TPushButtonTracker::Release(bool inside) {
    const bool click = pressed_ && inside;
    pressed_ = false;
    return click;
}

}  // namespace tips::skin
