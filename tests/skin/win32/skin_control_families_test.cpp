// Panels, speed buttons, the status bar and the grid of our own forms on the embedded skin's ButtonFace (204, 204, 204): the colour
// seen on the screen while skinned, a Tag that DisableTag excludes keeping the ordinary look, and
// the control's own colour back once the companions are gone.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "../embedded_model_support.hpp"
#include "platform/font.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_font.hpp"
#include "skin/skin_source_properties.hpp"
#include "skin/speed_button_skin.hpp"
#include "skin/status_bar_painter.hpp"
#include "skin/win32/skin_status_bar.hpp"
#include "skin/win32/skin_form_controls.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/db_grid.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/panel.hpp"
#include "widgets/win32/speed_button.hpp"
#include "widgets/win32/status_bar.hpp"
#include "window_pixels.hpp"

namespace {

using namespace tips;
using namespace tips::skin;
using namespace tips::skin::win32;
using namespace tips::widgets;

constexpr Rgb kSkinFace{204, 204, 204};

class TFamiliesForm : public TForm {
public:
    explicit TFamiliesForm(int panelTag) {
        panel.Tag = panelTag;
        panel.BevelOuter = TPanelBevel::bvNone;
        panel.SetBounds(0, 0, 120, 30);
        grid.SetBounds(0, 40, 160, 80);
        TFormLayout layout;
        layout.className = "TSkinFamiliesProbe";
        layout.caption = "Skinned families";
        layout.width = 240;
        layout.height = 180;
        CreateForm(layout);
    }
    TPanel panel{this};
    TDBGrid grid{this};
};

Rgb ClientPixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    Application().ProcessMessages();
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT outer{};
    GetWindowRect(window, &outer);
    const tips::skin::testing::TWindowPixels pixels(window);
    return pixels.At(x + origin.x - outer.left, y + origin.y - outer.top);
}

Rgb SystemFace() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

struct TTagCase {
    int Tag;
    bool Skinned;
};

class SkinFamiliesByTag : public ::testing::TestWithParam<TTagCase> {};

TEST_P(SkinFamiliesByTag, APanelTakesTheSkinsButtonFaceUnlessItsTagExcludesItAndGetsItsOwnBack) {
    ASSERT_NE(SystemFace(), kSkinFace) << "the system face must differ for the test to tell them apart";
    TOwnedWindow<TFamiliesForm> form(GetParam().Tag);
    ShowWindow(form.Handle(), SW_SHOW);
    Application().ProcessMessages();
    ASSERT_EQ(ClientPixel(form.panel.Handle(), 60, 15), SystemFace());

    TSkinBitmapCache bitmaps;
    const TSkinSourceProperties properties;
    {
        TSkinFormControls controls(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        controls.AttachForm(form);
        EXPECT_EQ(controls.Skins(form.panel.Handle()), GetParam().Skinned);
        EXPECT_EQ(ClientPixel(form.panel.Handle(), 60, 15), GetParam().Skinned ? kSkinFace : SystemFace());
    }
    EXPECT_EQ(form.panel.Color, platform::clBtnFace);
    EXPECT_EQ(ClientPixel(form.panel.Handle(), 60, 15), SystemFace());
}

INSTANTIATE_TEST_SUITE_P(Tags, SkinFamiliesByTag,
                         ::testing::Values(TTagCase{0, true}, TTagCase{-1, true}, TTagCase{99, false},
                                           TTagCase{199, false}, TTagCase{100, true}));

TEST(SkinFamilies, TheGridsFixedCellsTakeTheSkinsButtonFaceWhileSkinned) {
    TOwnedWindow<TFamiliesForm> form(0);
    ShowWindow(form.Handle(), SW_SHOW);
    Application().ProcessMessages();
    const int x = 4;
    const int y = 8;  // inside the title row's indicator cell, clear of its edges
    ASSERT_EQ(ClientPixel(form.grid.Handle(), x, y), SystemFace());

    TSkinBitmapCache bitmaps;
    const TSkinSourceProperties properties;
    {
        TSkinFormControls controls(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        controls.AttachForm(form);
        EXPECT_TRUE(controls.Skins(form.grid.Handle()));
        EXPECT_EQ(ClientPixel(form.grid.Handle(), x, y), kSkinFace);
    }
    EXPECT_EQ(form.grid.FixedColor, platform::clBtnFace);
    EXPECT_EQ(ClientPixel(form.grid.Handle(), x, y), SystemFace());
}

TEST(SkinFamilies, AGridWhoseSwitchIsOffKeepsItsFixedColour) {
    TOwnedWindow<TFamiliesForm> form(0);
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
    properties.SkinControls.Exclude(xcScrollbar);
    TSkinFormControls controls(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
    controls.AttachForm(form);
    EXPECT_FALSE(controls.Skins(form.grid.Handle()));
    EXPECT_EQ(form.grid.FixedColor, platform::clBtnFace);
}

}  // namespace

namespace {

// The speed button of a toolbar panel, frame for frame as the skin draws it in memory.
class TSpeedForm : public TForm {
public:
    TSpeedForm() {
        bar.SetBounds(0, 0, 200, 30);
        button.SetBounds(4, 3, 24, 24);
        TFormLayout layout;
        layout.className = "TSkinSpeedProbe";
        layout.caption = "Skinned speed button";
        layout.width = 240;
        layout.height = 120;
        CreateForm(layout);
    }
    TPanel bar{this};
    TSpeedButton button{&bar};
};

std::vector<Rgb> ButtonPixels(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Application().ProcessMessages();
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT outer{};
    GetWindowRect(window, &outer);
    const tips::skin::testing::TWindowPixels pixels(window);
    std::vector<Rgb> result;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) result.push_back(pixels.At(x + origin.x - outer.left, y + origin.y - outer.top));
    }
    return result;
}

std::vector<Rgb> SpeedSkinPixels(const TSkinSpeedButtonState& state, TSkinBitmapCache& bitmaps, int width, int height) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    {
        platform::TGdiCanvas canvas(dc);
        const platform::TPlainFont font(platform::DescribeFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
        TSkinSpeedButtonLook look;
        look.State = state;
        EXPECT_TRUE(TSpeedButtonSkin(tips::skin::testing::EmbeddedModel(), bitmaps).Paint(canvas, {width, height}, "", look, font));
    }
    std::vector<Rgb> result;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            result.push_back({GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return result;
}

TEST(SkinSpeedButton, ShowsTheSkinsFrameForNormalPressedAndDisabledAndItsOwnLookAfterDetach) {
    TOwnedWindow<TSpeedForm> form;
    ShowWindow(form.Handle(), SW_SHOW);
    Application().ProcessMessages();
    const HWND button = form.button.Handle();
    const std::vector<Rgb> own = ButtonPixels(button);
    TSkinBitmapCache bitmaps;
    const TSkinSourceProperties properties;
    {
        TSkinFormControls controls(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        controls.AttachForm(form);
        ASSERT_TRUE(controls.Skins(button));
        EXPECT_EQ(ButtonPixels(button), SpeedSkinPixels({}, bitmaps, 24, 24)) << "normal";

        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
        EXPECT_EQ(ButtonPixels(button), SpeedSkinPixels({true, false, false, true}, bitmaps, 24, 24)) << "pressed";
        if (GetCapture()) ReleaseCapture();
        Application().ProcessMessages();

        EnableWindow(button, FALSE);
        EXPECT_EQ(ButtonPixels(button), SpeedSkinPixels({false, false, false, false}, bitmaps, 24, 24)) << "disabled";
        EnableWindow(button, TRUE);
        EXPECT_NE(SpeedSkinPixels({}, bitmaps, 24, 24), SpeedSkinPixels({true, false, false, true}, bitmaps, 24, 24))
            << "the states must differ for the test to tell them apart";
    }
    EXPECT_EQ(ButtonPixels(button), own);
}

}  // namespace

namespace {

class TStatusForm : public TForm {
public:
    TStatusForm() {
        bar.SetBounds(0, 60, 300, 22);
        bar.SetPanelWidths({90, 120, 0});
        bar.SetPanelText(0, "Trucos: 12");
        bar.SetPanelText(1, "Visual Basic");
        TFormLayout layout;
        layout.className = "TSkinStatusProbe";
        layout.caption = "Skinned status bar";
        layout.width = 320;
        layout.height = 100;
        CreateForm(layout);
    }
    TStatusBar bar{this};
};

TEST(SkinStatusBar, ReadsThePanelsTheBarHoldsAndShowsThemAsTheSkinDrawsThem) {
    TOwnedWindow<TStatusForm> form;
    ShowWindow(form.Handle(), SW_SHOW);
    Application().ProcessMessages();
    const HWND bar = form.bar.Handle();

    const std::vector<TStatusPanel> panels = TSkinStatusBar::Panels(bar);
    ASSERT_EQ(panels.size(), 3u);
    const struct {
        const char* Text;
        int Width;
    } expected[] = {{"Trucos: 12", 90}, {"Visual Basic", 120}, {"", 0}};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        EXPECT_EQ(panels[i].Text, expected[i].Text) << i;
        EXPECT_EQ(panels[i].Width, expected[i].Width) << i;
        EXPECT_EQ(panels[i].Bevel, TStatusPanelBevel::pbLowered) << i;
    }
    const int gripSize = std::min(GetSystemMetrics(SM_CXVSCROLL), 22);
    EXPECT_EQ(TSkinStatusBar::GripRect(bar), (TViewRect{300 - gripSize, 22 - gripSize, 300, 22}));

    const std::vector<Rgb> own = ButtonPixels(bar);
    TSkinBitmapCache bitmaps;
    const TSkinSourceProperties properties;
    {
        TSkinFormControls controls(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        controls.AttachForm(form);
        ASSERT_TRUE(controls.Skins(bar));
        const std::vector<Rgb> skinned = ButtonPixels(bar);
        // The skin's picture of the same panels, drawn in memory with the bar's font.
        const HDC screen = GetDC(nullptr);
        const HDC dc = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 22);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        {
            platform::TGdiCanvas canvas(dc);
            const auto font = reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0));
            const platform::TPlainFont plain(
                platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
            TStatusBarPainter(tips::skin::testing::EmbeddedModel(), bitmaps)
                .Paint(canvas, {0, 0, 300, 22}, {{"Trucos: 12", 90}, {"Visual Basic", 120}, {"", 0}}, "", plain,
                       TViewRect{300 - gripSize, 22 - gripSize, 300, 22});
        }
        int differences = 0;
        for (int y = 0; y < 22; ++y) {
            for (int x = 0; x < 300; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                differences += skinned[static_cast<std::size_t>(y * 300 + x)] != Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(differences, 0);
        EXPECT_NE(skinned, own);
    }
    EXPECT_EQ(ButtonPixels(bar), own);
}

}  // namespace
