#pragma once
// Colours and font styles as the windows and the printer store them.

#include <cstdint>

namespace tips::platform {

// 0x00BBGGRR is a direct colour (red in the low byte); 0x80000000 + n is system colour n, resolved when drawn.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clWindow = clSystemColor + 5;
inline constexpr TColor clWindowText = clSystemColor + 8;
inline constexpr TColor clHighlight = clSystemColor + 13;
inline constexpr TColor clHighlightText = clSystemColor + 14;
inline constexpr TColor clBtnFace = clSystemColor + 15;

// A set of font styles, one bit each.
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(TFontStyle style) : bits_(style) {}  // NOLINT: a single style reads as a set
    static constexpr TFontStyles FromBits(std::uint8_t bits) { return TFontStyles(bits & 0x0F); }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Contains(TFontStyle style) const { return (bits_ & style) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TFontStyles operator|(TFontStyles other) const { return TFontStyles(bits_ | other.bits_); }
    constexpr bool operator==(const TFontStyles&) const = default;

private:
    constexpr explicit TFontStyles(int bits) : bits_(static_cast<std::uint8_t>(bits)) {}
    std::uint8_t bits_ = 0;
};

}  // namespace tips::platform
