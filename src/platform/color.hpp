#pragma once
// Colours and font styles as the windows and the printer store them.

#include <cstdint>

namespace tips::platform {

// 0x00BBGGRR is a direct colour (red in the low byte); 0x80000000 + n is system colour n, resolved when
// drawn (platform/system_colors.hpp resolves them, in one place for every canvas).
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clSystemColor = 0x80000000;

constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000) == clSystemColor; }
constexpr TColor SystemColor(int index) { return clSystemColor + static_cast<TColor>(index & 0xFF); }
constexpr TColor RgbColor(int r, int g, int b) {
    return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8) | (static_cast<TColor>(b & 0xFF) << 16);
}
constexpr int RedOf(TColor color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(TColor color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(TColor color) { return static_cast<int>((color >> 16) & 0xFF); }

// The system colours, numbered as Windows numbers them (COLOR_SCROLLBAR is 0).
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);

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
