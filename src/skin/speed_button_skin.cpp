#include "skin/speed_button_skin.hpp"

#include <algorithm>

#include "skin/control_painters.hpp"

namespace tips::skin {

TGlyphCaptionPlaces PlaceGlyphAndCaption(TViewSize client, TViewSize glyph, TViewSize caption, TButtonLayout layout,
                                         int margin, int spacing) {
    const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    const int clientLength = across ? client.Width : client.Height;
    const int glyphLength = across ? glyph.Width : glyph.Height;
    const int captionLength = across ? caption.Width : caption.Height;
    if (glyphLength == 0 || captionLength == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientLength - glyphLength - captionLength) / 3;
            spacing = margin;
        } else {
            margin = (clientLength - (glyphLength + spacing + captionLength) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientLength - margin - glyphLength - captionLength) / 2;
    }
    int glyphAt = margin;
    int captionAt = margin + glyphLength + spacing;
    if (layout == TButtonLayout::blGlyphRight || layout == TButtonLayout::blGlyphBottom) {
        glyphAt = clientLength - margin - glyphLength;
        captionAt = glyphAt - spacing - captionLength;
    }
    TGlyphCaptionPlaces places;
    if (across) {
        places.Glyph = {glyphAt, (client.Height - glyph.Height + 1) / 2};
        places.Caption = {captionAt, (client.Height - caption.Height + 1) / 2};
    } else {
        places.Glyph = {(client.Width - glyph.Width + 1) / 2, glyphAt};
        places.Caption = {(client.Width - caption.Width + 1) / 2, captionAt};
    }
    return places;
}

bool TSpeedButtonSkin::Paint(platform::TCanvas& canvas, TViewSize client, std::string_view caption,
                             const TSkinSpeedButtonLook& look, const platform::TFont& font) const {
    if (skin_.Buttons.Bitmap.Empty() || client.Width <= 0 || client.Height <= 0) return false;
    const platform::TSavedCanvasState saved(canvas);
    const TViewRect rect{0, 0, client.Width, client.Height};
    const int frame = SpeedButtonFrame(look.State);
    canvas.FillRect(rect, skin_.Colours.ButtonFace);
    PaintButtonElement(canvas, bitmaps_, skin_.Buttons, frame, rect);

    canvas.SetFont(font);
    const TViewSize captionSize = caption.empty() ? TViewSize{} : canvas.TextExtent(caption);
    const int cells = std::max(look.GlyphCells, 1);
    const bool hasGlyph = look.Glyph && !look.Glyph->Empty();
    const TViewSize glyphSize = hasGlyph ? TViewSize{look.Glyph->Width() / cells, look.Glyph->Height()} : TViewSize{};
    const TGlyphCaptionPlaces places =
        PlaceGlyphAndCaption(client, glyphSize, captionSize, look.Layout, look.Margin, look.Spacing);
    if (hasGlyph && glyphSize.Width > 0) {
        const int cell = SpeedButtonGlyphCell(frame, cells) - 1;
        canvas.DrawBitmap(*look.Glyph, {cell * glyphSize.Width, 0, (cell + 1) * glyphSize.Width, glyphSize.Height},
                          places.Glyph, look.GlyphTransparent);
    }
    if (!caption.empty()) {
        if (const auto colour = SpeedButtonTextColour(skin_.Buttons, frame)) canvas.SetTextColor(*colour);
        canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
        canvas.WriteText(places.Caption, caption);
    }
    return true;
}

}  // namespace tips::skin
