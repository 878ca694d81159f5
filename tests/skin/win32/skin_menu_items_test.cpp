// Menu items drawn from the skin: marked owner-drawn with their texts kept, measured by the width rule,
// the selected item framed by the skin's picture, and their own strings given back on restore.

#include "skin/win32/skin_menu_items.hpp"

#include <gtest/gtest.h>

#include <string>

#include "../embedded_model_support.hpp"
#include "skin/nine_slice.hpp"

namespace tips::skin::win32 {
namespace {

using tips::skin::testing::EmbeddedModel;

// An owned popup menu: "&Abrir<tab>Ctrl+A", a separator, a disabled "&Cerrar".
class TMenuHold {
public:
    TMenuHold() : menu_(CreatePopupMenu()) {
        AppendMenuW(menu_, MF_STRING, 101, L"&Abrir\tCtrl+A");
        AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu_, MF_STRING | MF_GRAYED, 103, L"&Cerrar");
    }
    ~TMenuHold() { DestroyMenu(menu_); }
    TMenuHold(const TMenuHold&) = delete;
    TMenuHold& operator=(const TMenuHold&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

MENUITEMINFOW InfoOf(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
}

std::wstring TextOf(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

class SkinMenuItems : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skin.MenuItem); }

    // The width the owner is told for the item at `position` under `options`.
    UINT MeasuredWidth(const TOwnerDrawOptions& options, UINT position) {
        TSkinMenuItems items({skin, bitmaps, properties});
        TMenuHold menu;
        items.MakeOwnerDrawn(menu.get(), options);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = InfoOf(menu.get(), position).wID;
        measure.itemData = InfoOf(menu.get(), position).dwItemData;
        LRESULT result = 0;
        EXPECT_TRUE(items.HandleMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
        return measure.itemWidth;
    }

    const TSkinData& skin = EmbeddedModel();
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
};

TEST_F(SkinMenuItems, MarkingMakesEveryItemOwnerDrawnKeepingCommands) {
    TSkinMenuItems items({skin, bitmaps, properties});
    TMenuHold menu;
    items.MakeOwnerDrawn(menu.get());
    for (UINT position = 0; position < 3; ++position) {
        const MENUITEMINFOW info = InfoOf(menu.get(), position);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << position;
        EXPECT_NE(info.dwItemData, 0u) << position;
    }
    EXPECT_EQ(InfoOf(menu.get(), 0).wID, 101u);
    EXPECT_EQ(InfoOf(menu.get(), 2).wID, 103u);
    EXPECT_TRUE(InfoOf(menu.get(), 1).fType & MFT_SEPARATOR);
}

TEST_F(SkinMenuItems, RestoringGivesTheItemsTheirTextBack) {
    TSkinMenuItems items({skin, bitmaps, properties});
    TMenuHold menu;
    items.MakeOwnerDrawn(menu.get());
    items.Restore(menu.get());
    EXPECT_EQ(TextOf(menu.get(), 0), L"&Abrir\tCtrl+A");
    EXPECT_EQ(TextOf(menu.get(), 2), L"&Cerrar");
    for (UINT position = 0; position < 3; ++position)
        EXPECT_FALSE(InfoOf(menu.get(), position).fType & MFT_OWNERDRAW) << position;
    EXPECT_TRUE(InfoOf(menu.get(), 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuState(menu.get(), 2, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    // Messages for the items are no longer answered.
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    LRESULT result = 0;
    EXPECT_FALSE(items.HandleMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
}

TEST_F(SkinMenuItems, EndingTheObjectRestoresEveryMarkedMenu) {
    TMenuHold menu;
    {
        TSkinMenuItems items({skin, bitmaps, properties});
        items.MakeOwnerDrawn(menu.get());
    }
    EXPECT_EQ(TextOf(menu.get(), 0), L"&Abrir\tCtrl+A");
    EXPECT_FALSE(InfoOf(menu.get(), 0).fType & MFT_OWNERDRAW);
}

TEST_F(SkinMenuItems, WidthFollowsTheImageListAndMainMenuRule) {
    const UINT plain = MeasuredWidth({}, 0);
    TOwnerDrawOptions images;
    images.HasImageList = true;
    TOwnerDrawOptions mainImages = images;
    mainImages.MainMenu = true;
    TOwnerDrawOptions mainPlain;
    mainPlain.MainMenu = true;
    // 35 without an image list, 12 with one, 10 for the main menu's items with one.
    EXPECT_EQ(plain - MeasuredWidth(images, 0), 23u);
    EXPECT_EQ(MeasuredWidth(images, 0) - MeasuredWidth(mainImages, 0), 2u);
    EXPECT_EQ(MeasuredWidth(mainPlain, 0), plain);
    // The caption and shortcut are measured: wider than the rule's extra alone.
    EXPECT_GT(plain, static_cast<UINT>(35 + skin.MenuItem->LeftWidth + 40));
    // A separator is measured with no text.
    EXPECT_EQ(MeasuredWidth({}, 1), static_cast<UINT>(35 + skin.MenuItem->LeftWidth));
}

// Draws item `position` selected or not on a white bitmap and counts the pixels of its left margin
// that differ from frame `frame` of the MenuItem picture (magenta ones skipped).
int LeftEdgeDifferences(TSkinMenuItems& items, HMENU menu, UINT position, bool selected, int frame,
                        const TSkinElement& element) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 40);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const auto slice = ElementSlice(element, frame);
    const int height = slice ? slice->Frame.Bottom - slice->Frame.Top : 0;
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = dc;
    draw.rcItem = {0, 0, 150, height};
    draw.itemState = selected ? ODS_SELECTED : 0;
    draw.itemData = InfoOf(menu, position).dwItemData;
    LRESULT result = 0;
    int differences = -1;
    if (slice && items.HandleMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result)) {
        differences = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < element.LeftWidth; ++x) {
                const Rgb pixel = element.Bitmap.At(slice->Frame.Left + x, slice->Frame.Top + y);
                if (element.Trans == 1 && pixel.r == 255 && pixel.g == 0 && pixel.b == 255) continue;
                if (GetPixel(dc, x, y) != RGB(pixel.r, pixel.g, pixel.b)) ++differences;
            }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return differences;
}

TEST_F(SkinMenuItems, SelectedItemIsFramedByTheSelectedPicture) {
    ASSERT_GT(skin.MenuItem->LeftWidth, 0);
    TSkinMenuItems items({skin, bitmaps, properties});
    TMenuHold menu;
    items.MakeOwnerDrawn(menu.get());
    EXPECT_EQ(LeftEdgeDifferences(items, menu.get(), 0, true, 4, *skin.MenuItem), 0);
    EXPECT_EQ(LeftEdgeDifferences(items, menu.get(), 0, false, 1, *skin.MenuItem), 0);
    // The two pictures differ, so the item's state picks one.
    EXPECT_GT(LeftEdgeDifferences(items, menu.get(), 0, false, 4, *skin.MenuItem), 0);
}

TEST_F(SkinMenuItems, MenusItDidNotMarkAreLeftToTheirOwner) {
    TSkinMenuItems items({skin, bitmaps, properties});
    TMenuHold menu;
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = 12345;
    LRESULT result = 0;
    EXPECT_FALSE(items.HandleMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
    items.Restore(menu.get());  // not marked: nothing happens
    EXPECT_EQ(TextOf(menu.get(), 0), L"&Abrir\tCtrl+A");
}

struct TFormPopupCase {
    const char* Name;
    int Tag;
    bool PopupSwitch;
    bool Marked;
};

class FormPopupMenu : public ::testing::TestWithParam<TFormPopupCase> {};

// A Tag of 99 or 199 leaves the menu alone (Tag mod 100 against DisableTag), -1 does not; without
// the popup-menu switch no menu is marked.
TEST_P(FormPopupMenu, TagAndSwitchDecide) {
    const TSkinData& skin = EmbeddedModel();
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
    if (!GetParam().PopupSwitch) properties.SkinControls.Exclude(xcPopupMenu);
    TSkinMenuItems items({skin, bitmaps, properties});
    widgets::TPopupMenu menu({{"Zoom100", "100 %", 0, {}}, {"Zoom50", "50 %", 0, {}}});
    menu.Tag = GetParam().Tag;
    EXPECT_EQ(items.MakeFormPopupOwnerDrawn(menu), GetParam().Marked);
    EXPECT_EQ((InfoOf(menu.Handle(), 0).fType & MFT_OWNERDRAW) != 0, GetParam().Marked);
}

INSTANTIATE_TEST_SUITE_P(Rules, FormPopupMenu,
                         ::testing::Values(TFormPopupCase{"Plain", 0, true, true},
                                           TFormPopupCase{"Tag99", 99, true, false},
                                           TFormPopupCase{"Tag199", 199, true, false},
                                           TFormPopupCase{"TagMinus1", -1, true, true},
                                           TFormPopupCase{"SwitchOff", 0, false, false}),
                         [](const auto& testCase) { return std::string(testCase.param.Name); });

}  // namespace
}  // namespace tips::skin::win32
