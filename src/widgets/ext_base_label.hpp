#pragma once
// TExtBaseLabel: a windowless text label. It draws its caption in its font through the canvas's text
// boxes (expanded tabs, word breaks, its alignment, one line unless MultiLine, accelerator marks unless
// ShowAccelChar is off, its extra options), disabled in the embossed look, and with AutoSize takes the
// size its text needs, keeping its left and top.

#include <cstdint>
#include <string>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "widgets/ext_label_control.hpp"

namespace tips::widgets {

enum class TExtAlignment : std::uint8_t {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight
};

// Extra text-drawing flags, a set.
using TExtLabelOptions = std::uint8_t;
inline constexpr TExtLabelOptions loPathEllipsis = 1;
inline constexpr TExtLabelOptions loEndEllipsis = 2;
inline constexpr TExtLabelOptions loEditControl = 4;

// A label's font: what the canvas makes it from, and its colour.
struct TExtFont {
    platform::TFontDescription Description{"MS Sans Serif", -11, {}, platform::kDefaultCharSet,
                                           platform::TFontPitch::fpDefault};
    platform::TColor Color = platform::clWindowText;
    friend bool operator==(const TExtFont&, const TExtFont&) = default;
};

class TExtBaseLabel : public TExtBaseGraphicControl {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const TExtFont& Font() const { return font_; }
    void SetFont(const TExtFont& font);

    TExtAlignment Alignment() const { return alignment_; }
    void SetAlignment(TExtAlignment alignment);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TExtLabelOptions Options() const { return options_; }
    void SetOptions(TExtLabelOptions options);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // The text flags the caption is drawn and measured with.
    platform::TTextFormat TextFormat() const;

    void Paint(platform::TCanvas& canvas) override;

protected:
    void Loaded() override;
    // Font changes that the label makes itself (link colours, underline), shown at once.
    void SetFontColor(platform::TColor color);
    void SetFontUnderline(bool underline);
    // Takes the size the caption needs, when AutoSize is on and the layout is not being read.
    void AdjustBounds();

private:
    void TextChanged();  // repaint, and resize when auto-sizing

    std::string caption_;
    TExtFont font_;
    TExtAlignment alignment_ = TExtAlignment::agTopLeft;
    bool multiLine_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = true;
    TExtLabelOptions options_ = 0;
    bool autoSize_ = true;
};

}  // namespace tips::widgets
