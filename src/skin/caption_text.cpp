#include "skin/caption_text.hpp"

#include <algorithm>

namespace tips::skin {

std::string CaptionMeasuredText() {
    std::string text(kCaptionPrefix);
    text += ' ';
    text += kCaptionSuffix;
    return text;
}

std::string CaptionDrawnText() {
    std::string text(kCaptionPrefix);
    text += kCaptionSuffix;
    return text;
}

TCaptionTextLayout LayoutCaptionText(const TSkinTitleElement& settings, const TViewRect& caption, TViewSize measured,
                                     const TFrameWindowTraits& traits, std::optional<int> buttonsLeft) {
    const int captionWidth = caption.Right - caption.Left;
    const int captionHeight = caption.Bottom - caption.Top;
    const int boxWidth = measured.Width + settings.TXTBackleft + settings.TXTBackRight;

    int shift = settings.TextShift;
    const int alignment = traits.RightToLeft ? 2 : settings.TextAlignment;
    if (alignment == 1) shift = (captionWidth - boxWidth) / 2;
    else if (alignment == 2) shift = captionWidth - settings.TextRightClip - boxWidth;
    const int shiftDown = (captionHeight - measured.Height) / 2 + settings.TextShiftVert / 2;

    TViewRect box{caption.Left + shift, caption.Top + shiftDown, caption.Left + shift + boxWidth,
                  caption.Top + shiftDown + measured.Height};
    // Popup windows have no room kept for buttons by TextRightClip: they stop short of the buttons.
    const int limit = traits.PopupStyle && buttonsLeft ? *buttonsLeft - 5 : caption.Right - settings.TextRightClip;
    box.Right = std::max(box.Left, std::min(box.Right, limit));

    TCaptionTextLayout layout;
    layout.Box = box;
    layout.TextRect = {box.Left + settings.TXTBackleft, box.Top,
                       std::max(box.Left + settings.TXTBackleft, box.Right - settings.TXTBackRight), box.Bottom};
    layout.Format = platform::tfSingleLine | platform::tfEndEllipsis | platform::tfNoPrefix |
                    (traits.RightToLeft ? platform::tfRight : platform::tfLeft);
    return layout;
}

platform::TColor CaptionTextColour(const TSkinColours& colours, bool active) {
    return active ? colours.TitleTextActive : colours.TitleTextNoActive;
}

}  // namespace tips::skin
