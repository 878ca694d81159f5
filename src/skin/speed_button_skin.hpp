#pragma once
// The skinned speed button: ButtonFace, the Buttons element frame for its state (magenta
// transparent), then its glyph cell and caption placed by the button's Layout, Margin and Spacing.

#include <string_view>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/button_states.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewPoint;
using platform::TViewSize;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TGlyphCaptionPlaces {
    TViewPoint Glyph;
    TViewPoint Caption;
};

// Margin -1 centres glyph and caption together; Spacing -1 spreads them evenly (with Margin -1 the
// margins and the gap are equal). The axis across the layout is centred. A missing glyph or caption
// leaves no gap.
TGlyphCaptionPlaces PlaceGlyphAndCaption(TViewSize client, TViewSize glyph, TViewSize caption, TButtonLayout layout,
                                         int margin, int spacing);

struct TSkinSpeedButtonLook {
    TSkinSpeedButtonState State;
    const platform::TBitmap* Glyph = nullptr;  // `GlyphCells` equal cells side by side
    int GlyphCells = 1;
    std::optional<platform::TColor> GlyphTransparent;  // the glyph's transparent colour
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;
};

class TSpeedButtonSkin {
public:
    TSpeedButtonSkin(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}
    // False (nothing drawn) without a Buttons image.
    bool Paint(platform::TCanvas& canvas, TViewSize client, std::string_view caption, const TSkinSpeedButtonLook& look,
               const platform::TFont& font) const;

private:
    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

}  // namespace tips::skin
