#pragma once
// The colours the skin model names, on top of the shared colour type: 0x00BBGGRR for a direct colour,
// 0x80000000 + n for system colour n (resolved when drawn).

#include "platform/color.hpp"

namespace tips::skin {

using platform::TColor;
using platform::clBlack;
using platform::clBtnFace;
using platform::clHighlight;
using platform::clHighlightText;
using platform::clWhite;
using platform::clWindowText;

constexpr TColor SystemColour(int index) { return platform::clSystemColor + static_cast<TColor>(index); }
constexpr TColor RgbColour(int r, int g, int b) {
    return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8) | (static_cast<TColor>(b & 0xFF) << 16);
}

inline constexpr TColor clScrollBar = SystemColour(0);
inline constexpr TColor clMenu = SystemColour(4);
inline constexpr TColor clMenuText = SystemColour(7);
inline constexpr TColor clCaptionText = SystemColour(9);
inline constexpr TColor clBtnShadow = SystemColour(16);
inline constexpr TColor clBtnText = SystemColour(18);
inline constexpr TColor clInactiveCaptionText = SystemColour(19);
inline constexpr TColor clBtnHighlight = SystemColour(20);
inline constexpr TColor cl3DDkShadow = SystemColour(21);

}  // namespace tips::skin
