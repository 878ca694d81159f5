#pragma once
// The colours the skin model names, on top of the shared colour type: 0x00BBGGRR for a direct colour,
// 0x80000000 + n for system colour n (resolved when drawn).

#include "platform/color.hpp"

namespace tips::skin {

using platform::TColor;
using platform::cl3DDkShadow;
using platform::clBlack;
using platform::clBtnFace;
using platform::clBtnHighlight;
using platform::clBtnShadow;
using platform::clBtnText;
using platform::clCaptionText;
using platform::clHighlight;
using platform::clHighlightText;
using platform::clInactiveCaptionText;
using platform::clMenu;
using platform::clMenuText;
using platform::clScrollBar;
using platform::clWhite;
using platform::clWindowText;

constexpr TColor SystemColour(int index) { return platform::SystemColor(index); }
constexpr TColor RgbColour(int r, int g, int b) { return platform::RgbColor(r, g, b); }

}  // namespace tips::skin
