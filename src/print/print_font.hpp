#pragma once
// A font as the printing components keep it: a description whose height is in pixels of a stated
// resolution, and a colour. Moving it to another resolution keeps its point size, so text measured
// at the printer's resolution on any canvas is as large as it will be on paper.

#include <utility>

#include "platform/color.hpp"
#include "platform/font.hpp"

namespace tips::print {

// Windows' MulDiv: a * b / c rounded to the nearest integer, halves away from zero; -1 for c of 0.
int MulDiv(int a, int b, int c);

inline constexpr int kDesignPixelsPerInch = 96;

class TPrintFont {
public:
    TPrintFont() = default;
    TPrintFont(platform::TFontDescription description, platform::TColor color,
               int pixelsPerInch = kDesignPixelsPerInch)
        : description_(std::move(description)), color_(color), pixelsPerInch_(pixelsPerInch) {}

    // Height in pixels at PixelsPerInch: negative is the character height, positive the cell height.
    const platform::TFontDescription& Description() const { return description_; }
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color) { color_ = color; }
    void SetStyle(platform::TFontStyles style) { description_.Style = style; }
    int PixelsPerInch() const { return pixelsPerInch_; }

    // Points, from the height (rounded, as a font dialog shows them).
    int Size() const;
    // Keeps the point size; the height becomes that size at the new resolution.
    void SetPixelsPerInch(int pixelsPerInch);
    // The description at another resolution, this font unchanged.
    platform::TFontDescription At(int pixelsPerInch) const;

    friend bool operator==(const TPrintFont&, const TPrintFont&) = default;

private:
    platform::TFontDescription description_{"MS Sans Serif", -11, {}, platform::kDefaultCharSet,
                                            platform::TFontPitch::fpDefault};
    platform::TColor color_ = platform::clWindowText;
    int pixelsPerInch_ = kDesignPixelsPerInch;
};

}  // namespace tips::print
