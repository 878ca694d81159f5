#include "widgets/ext_base_label.hpp"

#include <memory>

#include "platform/screen_canvas.hpp"

namespace tips::widgets {

namespace {

using namespace platform;

constexpr TTextFormat kAlignmentFlags[] = {
    tfTop | tfLeft,     tfTop | tfCenter,     tfTop | tfRight,     tfVCenter | tfLeft, tfVCenter | tfCenter,
    tfVCenter | tfRight, tfBottom | tfLeft, tfBottom | tfCenter, tfBottom | tfRight,
};
constexpr TTextFormat kVerticalFlags = tfVCenter | tfBottom;

// An empty caption, or a lone accelerator mark, measures as a blank so the label keeps a line's height.
std::string MeasuredText(const std::string& caption, bool showAccelChar) {
    if (caption.empty() || (showAccelChar && caption == "&")) return caption + " ";
    return caption;
}

}  // namespace

void TExtBaseLabel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    TextChanged();
}

void TExtBaseLabel::SetFont(const TExtFont& font) {
    if (font == font_) return;
    font_ = font;
    TextChanged();
}

void TExtBaseLabel::SetAlignment(TExtAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Changed();
}

void TExtBaseLabel::SetMultiLine(bool multiLine) {
    if (multiLine == multiLine_) return;
    multiLine_ = multiLine;
    TextChanged();
}

void TExtBaseLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_) return;
    showAccelChar_ = show;
    TextChanged();
}

void TExtBaseLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TExtBaseLabel::SetOptions(TExtLabelOptions options) {
    if (options == options_) return;
    options_ = options;
    TextChanged();
}

void TExtBaseLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    AdjustBounds();
}

void TExtBaseLabel::SetFontColor(TColor color) {
    if (color == font_.Color) return;
    font_.Color = color;
    Changed();
}

void TExtBaseLabel::SetFontUnderline(bool underline) {
    const std::uint8_t bits = font_.Description.Style.Bits();
    const auto style = TFontStyles::FromBits(
        static_cast<std::uint8_t>(underline ? (bits | fsUnderline) : (bits & ~std::uint8_t{fsUnderline})));
    if (style == font_.Description.Style) return;
    font_.Description.Style = style;
    TextChanged();
}

TTextFormat TExtBaseLabel::TextFormat() const {
    TTextFormat format = tfExpandTabs | tfWordBreak | kAlignmentFlags[static_cast<int>(alignment_)];
    if (!multiLine_) format |= tfSingleLine;
    if (!showAccelChar_) format |= tfNoPrefix;
    if (options_ & loPathEllipsis) format |= tfPathEllipsis;
    if (options_ & loEndEllipsis) format |= tfEndEllipsis;
    if (options_ & loEditControl) format |= tfEditControl;
    return format;
}

void TExtBaseLabel::Paint(TCanvas& canvas) {
    if (Loading()) return;
    const TViewRect client = ClientRect();
    if (!transparent_) canvas.FillRect(client, Color());
    const std::unique_ptr<TFont> font = canvas.Fonts().MakeFont(font_.Description);
    const TSavedCanvasState saved(canvas);
    canvas.SetFont(*font);
    canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
    TTextFormat format = TextFormat();
    TViewRect rect = client;
    if (multiLine_ && (format & kVerticalFlags)) {
        // Text boxes place only single lines vertically: place the measured block here.
        format &= ~kVerticalFlags;
        const TViewRect text = canvas.MeasureTextBox(client, caption_, format);
        const int height = text.Bottom - text.Top;
        const int room = client.Bottom - client.Top - height;
        rect.Top = (kAlignmentFlags[static_cast<int>(alignment_)] & tfBottom) ? room : room / 2;
        rect.Bottom = rect.Top + height;
    }
    if (!Enabled()) {
        // Embossed: a light copy one pixel down and right, the shadow colour over it.
        canvas.SetTextColor(clBtnHighlight);
        canvas.DrawTextBox({rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1}, caption_, format);
        canvas.SetTextColor(clBtnShadow);
    } else {
        canvas.SetTextColor(font_.Color);
    }
    canvas.DrawTextBox(rect, caption_, format);
}

void TExtBaseLabel::Loaded() { AdjustBounds(); }

void TExtBaseLabel::AdjustBounds() {
    if (!autoSize_ || Loading()) return;
    const std::unique_ptr<TScreenCanvas> screen = ScreenCanvasPort().OpenScreenCanvas();
    TCanvas& canvas = screen->Canvas();
    const std::unique_ptr<TFont> font = canvas.Fonts().MakeFont(font_.Description);
    const TSavedCanvasState saved(canvas);
    canvas.SetFont(*font);
    const TViewRect measured =
        canvas.MeasureTextBox(ClientRect(), MeasuredText(caption_, showAccelChar_), TextFormat() & ~kVerticalFlags);
    SetBounds(Left(), Top(), measured.Right - measured.Left, measured.Bottom - measured.Top);
}

void TExtBaseLabel::TextChanged() {
    Changed();
    AdjustBounds();
}

}  // namespace tips::widgets
