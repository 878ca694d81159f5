#pragma once
// Popup menu and drop-down items drawn from the skin: their measured width and their picture (the
// menu background behind, the MenuItem element normal or selected, the caption and shortcut in the
// state's colour; separators from the element's second frame).

#include <optional>
#include <string>
#include <string_view>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;

struct TSkinMenuItem {
    std::string Caption;
    std::string ShortCut;  // its text, empty for none
    bool Separator = false;
    bool Enabled = true;
    bool Selected = false;
    bool Default = false;
    bool InMenuBar = false;
};

// The width the system is told: the measured width plus 12 (10 for items of the main menu), or 35
// without an image list, plus the MenuItem element's left margin.
int PopupItemWidth(const TSkinData& skin, int measuredWidth, bool hasImageList, bool mainMenu);

// The caption's colour: HilightText selected, MenuText otherwise; disabled in ButtonShadow, or the
// system button shadow when ButtonShadow is the MenuText colour (it would not show).
TColor PopupItemTextColour(const TSkinColours& colours, const TSkinMenuItem& item);

// What is drawn as the caption: a menu bar's empty caption (or a lone "&") becomes a blank.
std::string PopupItemCaption(const TSkinMenuItem& item);

class TPopupMenuItemPainter {
public:
    TPopupMenuItemPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}

    // `background`: the menu window's cached background, whose part at the item's place plus (3, 3) goes
    // under the item; without one the item is filled with the Menu colour.
    void Paint(platform::TCanvas& canvas, const TViewRect& rect, const TSkinMenuItem& item,
               const platform::TFont& font, const platform::TBitmap* background = nullptr) const;

private:
    void PaintSeparator(platform::TCanvas& canvas, const TViewRect& rect, bool inMenuBar) const;

    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

}  // namespace tips::skin
