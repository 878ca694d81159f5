#include "widgets/win32/label.hpp"

#include "platform/canvas.hpp"
#include "platform/canvas_text_box.hpp"

namespace tips::widgets {

void TLabel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Invalidate();
}

void TLabel::SetFont(const platform::TFontDescription& font) {
    if (font == font_) return;
    font_ = font;
    Invalidate();
}

void TLabel::SetFontColor(platform::TColor color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetColor(platform::TColor color) {
    if (color == color_) return;
    color_ = color;
    Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

platform::TTextFormat TLabel::TextFormat() const {
    platform::TTextFormat format = platform::tfExpandTabs;
    switch (alignment_) {
        case TAlignment::taLeftJustify: format |= platform::tfLeft; break;
        case TAlignment::taRightJustify: format |= platform::tfRight; break;
        case TAlignment::taCenter: format |= platform::tfCenter; break;
    }
    return format;
}

void TLabel::Paint(platform::TCanvas& canvas) {
    if (!transparent_) canvas.FillRect(ClientRect(), color_);
    // The font goes after the canvas state in which it was selected.
    const auto font = canvas.Fonts().MakeFont(font_);
    const platform::TSavedCanvasState saved(canvas);
    canvas.SetFont(*font);
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    if (Enabled()) {
        canvas.SetTextColor(fontColor_);
        canvas.DrawTextBox(ClientRect(), caption_, TextFormat());
        return;
    }
    // Disabled: embossed, a light copy one pixel down and to the right under the shadow-coloured text.
    const platform::TViewRect client = ClientRect();
    canvas.SetTextColor(platform::clBtnHighlight);
    canvas.DrawTextBox({client.Left + 1, client.Top + 1, client.Right + 1, client.Bottom + 1}, caption_, TextFormat());
    canvas.SetTextColor(platform::clBtnShadow);
    canvas.DrawTextBox(client, caption_, TextFormat());
}

}  // namespace tips::widgets
