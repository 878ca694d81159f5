#include "skin/popup_menu_item.hpp"

#include <algorithm>

#include "skin/nine_slice.hpp"

namespace tips::skin {

int PopupItemWidth(const TSkinData& skin, int measuredWidth, bool hasImageList, bool mainMenu) {
    const int extra = hasImageList ? (mainMenu ? 10 : 12) : 35;
    return measuredWidth + extra + (skin.MenuItem ? skin.MenuItem->LeftWidth : 0);
}

TColor PopupItemTextColour(const TSkinColours& colours, const TSkinMenuItem& item) {
    if (!item.Enabled) return colours.ButtonShadow == colours.MenuText ? platform::clBtnShadow : colours.ButtonShadow;
    return item.Selected ? colours.HilightText : colours.MenuText;
}

std::string PopupItemCaption(const TSkinMenuItem& item) {
    if (item.InMenuBar && (item.Caption.empty() || item.Caption == "&")) return " ";
    return item.Caption;
}

void TPopupMenuItemPainter::PaintSeparator(platform::TCanvas& canvas, const TViewRect& rect, bool inMenuBar) const {
    if (inMenuBar) {
        canvas.DrawEdge({rect.Left, rect.Top + 4, rect.Right, rect.Bottom}, platform::bdrSunkenOuter | platform::bdrRaisedInner,
                        platform::bfTop);
        return;
    }
    if (!skin_.MenuItem) return;
    const TSkinElement& element = *skin_.MenuItem;
    const auto frame = SliceOf(element.Bitmap, element.FrameCount, 2, {}, TSliceFill::Stretch, true);
    if (!frame) return;
    // The middle strip of the second frame, between its fixed ends, across the item's middle part.
    TNineSlice strip = *frame;
    strip.Frame.Left += element.LeftWidth;
    strip.Frame.Right -= element.RightWidth;
    const TViewRect dest{rect.Left + element.LeftWidth, rect.Top, rect.Right - element.RightWidth, rect.Bottom};
    if (!strip.Frame.IsEmpty()) DrawNineSlice(canvas, bitmaps_.For(element.Bitmap, element.Name), strip, dest);
}

void TPopupMenuItemPainter::Paint(platform::TCanvas& canvas, const TViewRect& rect, const TSkinMenuItem& item,
                                  const platform::TFont& font, const platform::TBitmap* background) const {
    if (rect.IsEmpty()) return;
    const platform::TSavedCanvasState saved(canvas);
    const TViewRect source{rect.Left + 3, rect.Top + 3, rect.Right + 3, rect.Bottom + 3};
    if (background && background->Holds(source)) canvas.DrawBitmap(*background, source, rect);
    else canvas.FillRect(rect, skin_.MenuItem || !item.Selected ? skin_.Colours.Menu : skin_.Colours.Hilight);
    if (item.Separator) {
        PaintSeparator(canvas, rect, item.InMenuBar);
        return;
    }
    if (skin_.MenuItem) {
        const auto slice = ElementSlice(*skin_.MenuItem, item.Selected ? 4 : 1);
        if (slice) DrawNineSlice(canvas, bitmaps_.For(skin_.MenuItem->Bitmap, skin_.MenuItem->Name), *slice, rect);
    }
    platform::TFontDescription description = font.Description();
    if (item.Default) description.Style = description.Style | platform::TFontStyles(platform::fsBold);
    const auto itemFont = canvas.Fonts().MakeFont(description);
    canvas.SetFont(*itemFont);
    canvas.SetTextColor(PopupItemTextColour(skin_.Colours, item));
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    const int left = rect.Left + (skin_.MenuItem ? skin_.MenuItem->LeftWidth : 0) + 18;
    const TViewRect text{left, rect.Top, std::max(left, rect.Right - 8), rect.Bottom};
    canvas.DrawTextBox(text, PopupItemCaption(item), platform::tfLeft | platform::tfVCenter | platform::tfSingleLine);
    if (!item.ShortCut.empty()) {
        canvas.DrawTextBox(text, item.ShortCut,
                           platform::tfRight | platform::tfVCenter | platform::tfSingleLine | platform::tfNoPrefix);
    }
}

}  // namespace tips::skin
