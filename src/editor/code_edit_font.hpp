#pragma once
// The editor's published painting values: a font as the editor and its gutter publish it (what the
// font is, and the colour text is drawn in), and the selection colours.

#include <functional>

#include "platform/color.hpp"
#include "platform/font.hpp"

namespace tips::editor {

struct TCodeEditFont {
    platform::TFontDescription Description;
    platform::TColor Color = platform::clWindowText;
    friend bool operator==(const TCodeEditFont&, const TCodeEditFont&) = default;
};

// Courier New, 10 points (13 pixels at 96 pixels per inch), fixed pitch: the editor's own font.
inline TCodeEditFont DefaultCodeEditFont() {
    return {{"Courier New", -13, {}, platform::kDefaultCharSet, platform::TFontPitch::fpFixed}, platform::clWindowText};
}

// Terminal, 8 points, no style: the gutter's line numbers until a form says otherwise.
inline TCodeEditFont DefaultGutterFont() {
    return {{"Terminal", -11, {}, platform::kDefaultCharSet, platform::TFontPitch::fpDefault}, platform::clWindowText};
}

// The selection's colours; a change calls OnChange (the editor repaints).
class TCodeSelectedColor {
public:
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    platform::TColor Background() const { return background_; }
    void SetBackground(platform::TColor value) { Set(background_, value); }
    platform::TColor Foreground() const { return foreground_; }
    void SetForeground(platform::TColor value) { Set(foreground_, value); }

private:
    void Set(platform::TColor& field, platform::TColor value) {
        if (field == value) return;
        field = value;
        if (onChange_) onChange_();
    }

    platform::TColor background_ = platform::clHighlight;
    platform::TColor foreground_ = platform::clHighlightText;
    std::function<void()> onChange_;
};

}  // namespace tips::editor
