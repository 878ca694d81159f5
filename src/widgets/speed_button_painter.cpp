#include "widgets/speed_button_painter.hpp"

namespace tips::widgets {

void PaintSpeedButton(platform::TCanvas& canvas, platform::TViewSize client, const TSpeedButtonLook& look) {
    const platform::TViewRect rect{0, 0, client.Width, client.Height};
    canvas.FillRect(rect, platform::clBtnFace);
    switch (look.Edge) {
        case TButtonLook::blRaised: canvas.DrawEdge(rect, platform::bdrRaisedInner); break;
        case TButtonLook::blSunken: canvas.DrawEdge(rect, platform::bdrSunkenOuter); break;
        case TButtonLook::blFlat: break;
    }

    const platform::TBitmap* glyph = look.Glyph;
    if (!glyph || glyph->Empty() || look.NumGlyphs < 1) return;
    const int width = glyph->Width() / look.NumGlyphs;
    const int height = glyph->Height();
    if (width <= 0) return;
    const bool sunken = look.Edge == TButtonLook::blSunken;
    const int index = GlyphImageIndex(look.NumGlyphs, look.Enabled, sunken);
    const platform::TViewRect place = GlyphPlacement(client, {width, height}, sunken);
    canvas.DrawBitmap(*glyph, {index * width, 0, index * width + width, height}, platform::TViewPoint{place.Left, place.Top},
                      glyph->At(0, height - 1));
}

}  // namespace tips::widgets
