#pragma once
// A plain label: a windowless text in its own font and colour, placed in its bounds by its alignment,
// on the parent's colour (or on whatever the parent painted, when transparent).

#include <string>

#include "platform/canvas_text_box.hpp"
#include "platform/color.hpp"
#include "platform/font.hpp"
#include "widgets/win32/graphic_control.hpp"

namespace tips::widgets {

enum class TAlignment : unsigned char { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TWinControl* parent) : TGraphicControl(parent) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Face, height and style of the text.
    const platform::TFontDescription& Font() const { return font_; }
    void SetFont(const platform::TFontDescription& font);
    platform::TColor FontColor() const { return fontColor_; }
    void SetFontColor(platform::TColor color);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    // The background: filled with Color unless transparent.
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // The text flags the label draws with: tabs expanded, lines broken only at line ends, the alignment.
    platform::TTextFormat TextFormat() const;

protected:
    void Paint(platform::TCanvas& canvas) override;

private:
    std::string caption_;
    platform::TFontDescription font_{"MS Sans Serif", -11, {}};
    platform::TColor fontColor_ = platform::clWindowText;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    platform::TColor color_ = platform::clBtnFace;
    bool transparent_ = false;
};

}  // namespace tips::widgets
