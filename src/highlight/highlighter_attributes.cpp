#include "highlight/highlighter_attributes.hpp"

namespace tips::highlight {

void TCodeHighlighterAttributes::Changed() {
    if (onChange_) onChange_(*this);
}

void TCodeHighlighterAttributes::SetBackground(TColor value) {
    if (value == background_) return;
    background_ = value;
    Changed();
}

void TCodeHighlighterAttributes::SetForeground(TColor value) {
    if (value == foreground_) return;
    foreground_ = value;
    Changed();
}

void TCodeHighlighterAttributes::SetStyle(TFontStyles value) {
    if (value == style_) return;
    style_ = value;
    Changed();
}

void TCodeHighlighterAttributes::Assign(const TCodeHighlighterAttributes& source) {
    SetBackground(source.background_);
    SetForeground(source.foreground_);
    SetStyle(source.style_);
}

void TCodeHighlighterAttributes::SaveDefaults() {
    defaultBackground_ = background_;
    defaultForeground_ = foreground_;
    defaultStyle_ = style_;
}

}  // namespace tips::highlight
