#pragma once
// One display attribute of a highlighter: background, text colour and font style.

#include <functional>
#include <string>
#include <utility>

#include "platform/color.hpp"

namespace tips::highlight {

using platform::clNone;
using platform::TColor;
using platform::TFontStyles;

class TCodeHighlighterAttributes {
public:
    using ChangeHandler = std::function<void(TCodeHighlighterAttributes& sender)>;

    explicit TCodeHighlighterAttributes(std::string name) : name_(std::move(name)) {}
    TCodeHighlighterAttributes(const TCodeHighlighterAttributes&) = delete;
    TCodeHighlighterAttributes& operator=(const TCodeHighlighterAttributes&) = delete;

    const std::string& Name() const { return name_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    TFontStyles Style() const { return style_; }

    // Each setter does nothing when the value is unchanged, else stores it and calls OnChange.
    void SetBackground(TColor value);
    void SetForeground(TColor value);
    void SetStyle(TFontStyles value);

    // Copies the colours and the style (not the name) through the setters.
    void Assign(const TCodeHighlighterAttributes& source);

    // Takes the current values as the defaults that decide what the form data stores.
    void SaveDefaults();
    bool IsBackgroundStored() const { return background_ != defaultBackground_; }
    bool IsForegroundStored() const { return foreground_ != defaultForeground_; }
    bool IsStyleStored() const { return style_ != defaultStyle_; }

    void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }

private:
    void Changed();

    const std::string name_;
    TColor background_ = clNone;
    TColor foreground_ = clNone;
    TFontStyles style_;
    TColor defaultBackground_ = clNone;
    TColor defaultForeground_ = clNone;
    TFontStyles defaultStyle_;
    ChangeHandler onChange_;
};

}  // namespace tips::highlight
