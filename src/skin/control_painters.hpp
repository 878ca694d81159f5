#pragma once
// Painters of the control families the program skins: push buttons (and the element under speed and
// toolbar buttons), the radio glyph, and the group box frame. Each draws one control on a canvas at
// the control's own coordinates.

#include <optional>
#include <string_view>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/button_states.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

// The Buttons element frame over `rect` (nine-slice, Trans and Tile honoured). False without an image.
bool PaintButtonElement(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinButtonElement& buttons,
                        int frame, const TViewRect& rect);

class TPushButtonPainter {
public:
    TPushButtonPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}
    // ButtonFace, the element frame for the state, then the caption centred in the state's colour.
    // Draws nothing (false) without a Buttons image, leaving the button its own look.
    bool Paint(platform::TCanvas& canvas, const TViewRect& rect, std::string_view caption, const TButtonState& state,
               const platform::TFont& font) const;

private:
    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

class TRadioGlyphPainter {
public:
    TRadioGlyphPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}
    // Clears the glyph square with ButtonFace and draws the frame for the state there.
    bool Paint(platform::TCanvas& canvas, const TViewRect& control, bool checked, bool enabled, bool rightButton) const;

private:
    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

// The group box: the control framed twice in ButtonFace, a rounded frame (5 x 5 corners) in the
// ButtonShadow colour from half the height of "0" less one down to the bottom, and the caption at x + 9
// on ButtonFace.
class TGroupBoxPainter {
public:
    explicit TGroupBoxPainter(const TSkinData& skin) : skin_(skin) {}
    void Paint(platform::TCanvas& canvas, const TViewRect& rect, std::string_view caption,
               const platform::TFont& font) const;

private:
    const TSkinData& skin_;
};

// A skinned toolbar's button, from its custom-draw flags: the Buttons frame for the state over the
// button's bounds. Answers the caption colour when the skin defines one for the state (the toolbar
// then draws glyph and caption on top).
std::optional<TColor> PaintToolbarButton(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinData& skin,
                                         const TToolbarDrawFlags& flags, const TViewRect& rect);

// The edit box's border: a 1-pixel ButtonShadow frame around the window and a 1-pixel frame in the
// edit's own background colour inside it, in place of the 3-D border.
void PaintEditBorder(platform::TCanvas& canvas, const TSkinData& skin, const TViewRect& window, TColor editColour);

}  // namespace tips::skin
