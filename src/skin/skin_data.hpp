#pragma once
// The skin model: everything the frame and control skinning draw from, read once per load.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/skin_colours.hpp"
#include "skin/skin_elements.hpp"

namespace tips::skin {

// [Colours], each with the default it takes when the key is missing.
struct TSkinColours {
    TColor WindowText = clWindowText;
    TColor ButtonFace = clBtnFace;
    TColor Scrollbar = clScrollBar;
    TColor HilightText = clHighlightText;
    TColor Hilight = clHighlight;
    TColor Menubar = clBtnFace;  // the reader defaults it to the ButtonFace it found
    TColor Menu = clMenu;
    TColor MenuText = clMenuText;
    TColor ButtonText = clBtnText;
    TColor ButtonHilight = clBtnHighlight;
    TColor Buttonlight = clBtnHighlight;
    TColor ButtonShadow = clBtnShadow;
    TColor ButtonDkShadow = cl3DDkShadow;
    TColor MenuBarText = clMenuText;
    TColor TitleTextActive = clCaptionText;
    TColor TitleTextNoActive = clInactiveCaptionText;
};

struct TSkinData {
    std::string SkinName;

    // Window border pieces.
    TSkinBorderElement Left;
    TSkinBorderElement Right;
    TSkinBorderElement Top;
    TSkinBorderElement Bottom;

    TSkinColours Colours;
    std::vector<TColor> Palette;  // the Colour... sections in file order

    // Title-bar buttons in section order, then the three child-window control buttons.
    std::vector<TSkinSysButtonElement> SysButtons;

    TSkinButtonElement Buttons;
    TSkinTitleElement Caption;
    TSkinBorderElement Progress;
    TSkinElement MenuBar;

    // Elements present only when their section names an image.
    std::optional<TSkinElement> GroupBoxEdge;
    std::optional<TSkinBoxLabelElement> GroupBox;
    std::optional<TSkinElement> Toolbars;
    std::optional<TSkinBorderElement> Tabs;
    std::optional<TSkinElement> StatusBarEdges;
    std::optional<TSkinBorderElement> ComboButton;
    std::optional<TSkinElement> SunkEdge;
    std::optional<TSkinElement> ExtraImages;
    std::optional<TSkinElement> Headerbar;
    std::optional<TSkinElement> MenuItem;
    std::optional<TSkinElement> MenuBackground;
    std::optional<TSkinElement> Scrollbar;
    std::optional<TSkinElement> HorzScroll;
    std::optional<TSkinElement> VertScroll;
    std::optional<TSkinElement> HorzScrollThumb;
    std::optional<TSkinElement> VertScrollThumb;
    std::optional<TSkinElement> TrackbarThumbHorz;
    std::optional<TSkinElement> TrackbarThumbVert;
    std::optional<TSkinElement> TrackbarThumbLeft;
    std::optional<TSkinElement> TrackbarThumbRight;
    std::optional<TSkinElement> TrackbarThumbUp;
    std::optional<TSkinElement> TrackbarThumbDown;
    std::optional<TSkinBorderElement> UpDownHorz;
    std::optional<TSkinBorderElement> UpDownVert;

    // Colour of the solid brush that fills backgrounds (the ButtonFace colour).
    TColor BackgroundBrush = clBtnFace;

    // The optional elements above that are present, by section name, in reading order.
    std::vector<std::pair<std::string, const TSkinElement*>> GenericElements() const;
    // One of them by section name (case-insensitive); nothing when absent.
    const TSkinElement* GenericElement(std::string_view sectionName) const;
};

}  // namespace tips::skin
