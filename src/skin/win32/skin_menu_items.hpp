#pragma once
// Menu items drawn from the skin: the menus it marks become owner-drawn (their texts kept aside), the
// owner's WM_MEASUREITEM / WM_DRAWITEM for them are answered here, and every marked menu is given back
// its own strings when restored.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.hpp"
#include "platform/color.hpp"
#include "skin/win32/skin_context.hpp"
#include "widgets/win32/popup_menu.hpp"

namespace tips::skin::win32 {

struct TOwnerDrawOptions {
    bool MainMenu = false;            // items of the menu bar's drop-downs
    bool HasImageList = false;
    const platform::TBitmap* Images = nullptr;   // cells ImageSize wide, side by side (the system menu)
    int ImageSize = 16;
    std::optional<platform::TColor> ImagesTransparent;
    std::vector<int> ImageIndex;      // per item position, -1 for none
};

class TSkinMenuItems {
public:
    explicit TSkinMenuItems(TSkinContext context);
    ~TSkinMenuItems();                            // every menu it marked is given back its own drawing
    TSkinMenuItems(const TSkinMenuItems&) = delete;
    TSkinMenuItems& operator=(const TSkinMenuItems&) = delete;

    void MakeOwnerDrawn(HMENU menu, const TOwnerDrawOptions& options = {});
    // A form's popup menu, marked only while frames and popup menus are skinned and its Tag does not
    // exclude it; true when marked.
    bool MakeFormPopupOwnerDrawn(const widgets::TPopupMenu& menu);
    void Restore(HMENU menu);
    // WM_MEASUREITEM / WM_DRAWITEM for menu items it marked: true when handled (result set).
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // One item of a marked menu, as it was before marking. Public for the popup window's painter.
    struct TItem {
        HMENU Menu = nullptr;
        UINT Position = 0;
        std::string Text;      // caption and shortcut, tab-separated, as the menu held it
        bool Separator = false;
        UINT OldType = 0;
    };

private:
    struct TMarked {
        TOwnerDrawOptions Options;
        std::vector<std::unique_ptr<TItem>> Items;
    };
    const TItem* Find(ULONG_PTR data) const;
    const TMarked* MarkedFor(const TItem& item) const;
    void Measure(MEASUREITEMSTRUCT& measure, const TItem& item, const TMarked& marked) const;
    void Draw(const DRAWITEMSTRUCT& draw, const TItem& item, const TMarked& marked) const;

    TSkinContext context_;
    std::map<HMENU, TMarked> marked_;
};

}  // namespace tips::skin::win32
