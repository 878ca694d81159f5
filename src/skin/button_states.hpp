#pragma once
// Which frame of the skin's button images a button draws for its state, and its caption colour:
// push buttons, speed buttons (and their glyph cell), toolbar buttons, check boxes and radio buttons.

#include <optional>

#include "platform/view_geometry.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;

struct TButtonState {
    bool Pressed = false;
    bool Hot = false;
    bool Focused = false;
    bool Enabled = true;
};

// Frames of the 5-frame Buttons image: 3 disabled, 2 pressed, 4 focused or hot, else 1.
int PushButtonFrame(const TButtonState& state);
// The caption colour for that frame: NormalColour2 (1), MouseOverColour2 (4), PressedColour2 (2), the
// system button shadow when disabled.
TColor PushButtonTextColour(const TSkinButtonElement& buttons, int frame);

// A speed button: 3 disabled, 2 pressed or down, 4 hot, else 1.
struct TSkinSpeedButtonState {
    bool Pressed = false;
    bool Down = false;
    bool Hot = false;
    bool Enabled = true;
};
int SpeedButtonFrame(const TSkinSpeedButtonState& state);
// The glyph cell (from 1): 1 normal and hot, 2 disabled, 3 pressed; 1 when the glyph has fewer cells.
int SpeedButtonGlyphCell(int frame, int glyphCells);
// The caption colour when the skin defines one for the state (or the button is disabled); nothing
// leaves the font's own colour.
std::optional<TColor> SpeedButtonTextColour(const TSkinButtonElement& buttons, int frame);

// A toolbar button's custom-draw flags: 2 selected, 4 focused or hot, 3 grayed or disabled, else 1.
struct TToolbarDrawFlags {
    bool Selected = false;
    bool Focused = false;
    bool Hot = false;
    bool Grayed = false;
    bool Disabled = false;
};
int ToolbarButtonFrame(const TToolbarDrawFlags& flags);

enum class TCheckState { Unchecked, Checked, Grayed };
// Check-box image frames: 1 unchecked, 2 checked, 4 grayed, two further when disabled; frames the
// image lacks fall back to the enabled ones, then to 1.
int CheckBoxFrame(TCheckState state, bool enabled, int frameCount);
// Radio-button image frames: 1 unchecked, 2 checked, two further when disabled.
int RadioButtonFrame(bool checked, bool enabled, int frameCount);

// Where a radio glyph goes in its control: vertically centred, at the left edge (right edge with the
// right-button style), centred in 14 pixels when it is narrower than 15.
TViewRect RadioGlyphRect(const TViewRect& control, int glyphWidth, int glyphHeight, bool rightButton);

// A push button's mouse and Space key: a release clicks only when it ends a press over the button.
class TPushButtonTracker {
public:
    void Press() { pressed_ = true; }
    // Whether this release clicks.
    bool Release(bool inside);
    // The mouse left the button: neither hot nor pressed any more.
    void Leave() {
        pressed_ = false;
        hot_ = false;
    }
    void Enter(bool enabled) { hot_ = enabled; }
    bool Pressed() const { return pressed_; }
    bool Hot() const { return hot_; }

private:
    bool pressed_ = false;
    bool hot_ = false;
};

}  // namespace tips::skin
