#include "widgets/speed_button_state.hpp"

namespace tips::widgets {

void TSpeedButtonState::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) {
        hovered_ = false;
        pressed_ = false;
    }
}

void TSpeedButtonState::MouseMove(bool inside) {
    if (enabled_) hovered_ = inside;
}

void TSpeedButtonState::MouseLeave() {
    // While pressed the button holds the capture and follows the pointer through MouseMove.
    if (!pressed_) hovered_ = false;
}

bool TSpeedButtonState::MouseDown(bool inside) {
    if (!enabled_ || !inside) return false;
    hovered_ = true;
    pressed_ = true;
    return true;
}

bool TSpeedButtonState::MouseUp(bool inside) {
    const bool click = pressed_ && inside && enabled_;
    pressed_ = false;
    hovered_ = enabled_ && inside;
    return click;
}

void TSpeedButtonState::CancelPress() { pressed_ = false; }

TButtonLook TSpeedButtonState::Look() const {
    if (!enabled_) return TButtonLook::blFlat;
    if (pressed_) return hovered_ ? TButtonLook::blSunken : TButtonLook::blFlat;
    return hovered_ ? TButtonLook::blRaised : TButtonLook::blFlat;
}

int GlyphImageIndex(int numGlyphs, bool enabled, bool sunken) {
    const int wanted = !enabled ? 1 : sunken ? 2 : 0;
    return wanted < numGlyphs ? wanted : 0;
}

platform::TViewRect GlyphPlacement(platform::TViewSize client, platform::TViewSize image, bool sunken) {
    const int offset = sunken ? 1 : 0;
    const int left = (client.Width - image.Width + 1) / 2 + offset;
    const int top = (client.Height - image.Height + 1) / 2 + offset;
    return {left, top, left + image.Width, top + image.Height};
}

}  // namespace tips::widgets
