#pragma once
// How a flat toolbar button looks: the button face, a raised edge under the mouse or a sunken one
// while pressed, and its glyph's image for the state, centred (one pixel down and right while sunken)
// with the glyph's transparent colour letting the face show.

#include "platform/canvas.hpp"
#include "widgets/speed_button_state.hpp"

namespace tips::widgets {

struct TSpeedButtonLook {
    TButtonLook Edge = TButtonLook::blFlat;
    bool Enabled = true;
    // `NumGlyphs` images of equal width side by side (normal, disabled, pressed); the colour of the
    // bottom-left pixel is transparent. An empty glyph draws none.
    const platform::TBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
};

void PaintSpeedButton(platform::TCanvas& canvas, platform::TViewSize client, const TSpeedButtonLook& look);

}  // namespace tips::widgets
