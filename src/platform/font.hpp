#pragma once
// Fonts: a description (what a component stores: face, pixel height, style, character set, pitch),
// and the font object a factory makes from it. A font object is owned by whoever made it (a
// unique_ptr); a canvas only refers to the font selected into it, so a selected font must outlive
// the canvas, or the canvas state in which it was selected.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/color.hpp"

namespace tips::platform {

// Character sets as Windows numbers them.
inline constexpr std::uint8_t kAnsiCharSet = 0;
inline constexpr std::uint8_t kDefaultCharSet = 1;
inline constexpr std::uint8_t kSymbolCharSet = 2;
inline constexpr std::uint8_t kOemCharSet = 255;

enum class TFontPitch : std::uint8_t { fpDefault, fpFixed, fpVariable };

struct TFontDescription {
    std::string Face;
    // In pixels of the device drawn on: negative is the character height (-13 at 96 pixels per inch
    // is 10 point), positive the cell height, 0 the device's default size.
    int Height = 0;
    // fsBold makes the weight 700, otherwise it is 400.
    TFontStyles Style;
    std::uint8_t CharSet = kDefaultCharSet;
    TFontPitch Pitch = TFontPitch::fpDefault;

    friend bool operator==(const TFontDescription&, const TFontDescription&) = default;
};

// What a canvas measures of its selected font, in logical units (as GetTextMetrics reports them).
struct TTextMetrics {
    int Height = 0;
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AverageCharWidth = 0;
    int MaxCharWidth = 0;
    int Overhang = 0;
    friend bool operator==(const TTextMetrics&, const TTextMetrics&) = default;
};

// The A, B and C spacing of one character: space before, the ink, space after.
struct TCharWidths {
    int A = 0;
    int B = 0;
    int C = 0;
    friend bool operator==(const TCharWidths&, const TCharWidths&) = default;
};

class TFont {
public:
    virtual ~TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const TFontDescription& Description() const { return description_; }

protected:
    explicit TFont(TFontDescription description) : description_(std::move(description)) {}

private:
    TFontDescription description_;
};

// A font known only by its description. A recording canvas takes it as it is; a GDI canvas makes a
// device font from the description when it is selected, and keeps that until the canvas ends.
class TPlainFont final : public TFont {
public:
    explicit TPlainFont(TFontDescription description) : TFont(std::move(description)) {}
};

// Makes the fonts of one kind of canvas (each canvas names its factory through TCanvas::Fonts).
class TFontFactory {
public:
    virtual ~TFontFactory() = default;
    virtual std::unique_ptr<TFont> MakeFont(const TFontDescription& description) const = 0;
};

class TPlainFontFactory final : public TFontFactory {
public:
    std::unique_ptr<TFont> MakeFont(const TFontDescription& description) const override {
        return std::make_unique<TPlainFont>(description);
    }
};

}  // namespace tips::platform
