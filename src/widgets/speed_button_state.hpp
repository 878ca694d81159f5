#pragma once
// The mouse side of a flat toolbar button, apart from any window: hover, press, the click on release
// inside, and which of its glyph's images to draw where. The button window feeds it what the mouse does
// and draws what it says.

#include "platform/view_port.hpp"

namespace tips::widgets {

// How the button's edge is drawn: none, raised under the mouse, sunken while pressed.
enum class TButtonLook { blFlat, blRaised, blSunken };

class TSpeedButtonState {
public:
    bool Enabled() const { return enabled_; }
    // Disabling forgets the hover and drops a press, so nothing clicks later.
    void SetEnabled(bool enabled);

    bool Hovered() const { return hovered_; }
    bool Pressed() const { return pressed_; }

    // The pointer moved; `inside` tells whether it is over the button (while pressed, the button
    // follows it outside too).
    void MouseMove(bool inside);
    void MouseLeave();
    // The left button went down. Returns true when the button takes the press (and should capture the
    // mouse): only when enabled and inside.
    bool MouseDown(bool inside);
    // The left button came up. Returns true when this is a click: a press that ends inside.
    bool MouseUp(bool inside);
    // The press ended without a release (the capture went elsewhere): no click.
    void CancelPress();

    TButtonLook Look() const;

private:
    bool enabled_ = true;
    bool hovered_ = false;
    bool pressed_ = false;
};

// Which image of a glyph holding `numGlyphs` images side by side to draw: 0 normal, 1 disabled,
// 2 pressed. An image the glyph does not have falls back to the normal one.
int GlyphImageIndex(int numGlyphs, bool enabled, bool sunken);

// Where a glyph image goes in the button's client area: centred (an odd spare pixel goes before the
// image), and one pixel down and to the right while the button is sunken.
platform::TViewRect GlyphPlacement(platform::TViewSize client, platform::TViewSize image, bool sunken);

}  // namespace tips::widgets
