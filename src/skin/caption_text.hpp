#pragma once
// The title bar's text: always the same two blanks and " Sistemas Quorvel", whatever the window's
// caption says (the caption still names the window in the task bar), placed by the skin's caption
// settings and cut with an ellipsis where the title bar is too narrow for it.

#include <optional>
#include <string>
#include <string_view>

#include "platform/canvas_text_box.hpp"
#include "platform/view_geometry.hpp"
#include "skin/frame_window.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;
using platform::TViewSize;

inline constexpr std::string_view kCaptionPrefix = "  ";
inline constexpr std::string_view kCaptionSuffix = " Sistemas Quorvel";

// What is measured to size the text box: prefix, a blank and suffix (four blanks before the name).
std::string CaptionMeasuredText();
// What is drawn: prefix and suffix (three blanks before the name).
std::string CaptionDrawnText();

struct TCaptionTextLayout {
    TViewRect Box;       // the text box, kept for buttons placed beside it and for the text-back image
    TViewRect TextRect;  // the box less the text-back ends: where the text is drawn
    platform::TTextFormat Format = 0;
};

// Lays the text out in the title bar `caption` (window coordinates, its top the window's top) for a
// measured size of CaptionMeasuredText(). `buttonsLeft` is the leftmost left edge of the visible
// right-aligned title-bar buttons: a popup-style window clips its text 5 pixels short of it (other
// windows clip at the skin's TextRightClip).
TCaptionTextLayout LayoutCaptionText(const TSkinTitleElement& settings, const TViewRect& caption, TViewSize measured,
                                     const TFrameWindowTraits& traits, std::optional<int> buttonsLeft = std::nullopt);

// The caption text colour for the window's activation.
platform::TColor CaptionTextColour(const TSkinColours& colours, bool active);

}  // namespace tips::skin
