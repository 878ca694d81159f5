#include "widgets/win32/speed_button.hpp"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/gdi_object.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/panel.hpp"

namespace {

using namespace tips::widgets;
using tips::skin::Image;
using tips::skin::Rgb;

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kRed{200, 0, 0};
constexpr Rgb kBlue{0, 0, 200};
constexpr Rgb kGrey{128, 128, 128};

// Two 16 x 16 images on magenta: the normal one has a red square at (2, 2)-(5, 5) and a blue pixel at
// (10, 10); the disabled one a grey square in the same place.
Image TwoImageGlyph() {
    Image glyph(32, 16, kMagenta);
    for (int y = 2; y < 6; ++y) {
        for (int x = 2; x < 6; ++x) {
            glyph.Set(x, y, kRed);
            glyph.Set(16 + x, y, kGrey);
        }
    }
    glyph.Set(10, 10, kBlue);
    return glyph;
}

COLORREF Colour(Rgb c) { return RGB(c.r, c.g, c.b); }

// A toolbar of one 25 x 25 button, as the main window has, beside an edit box that holds the focus.
class TButtonForm : public TForm {
public:
    TButtonForm() {
        toolbar.BevelOuter = TPanelBevel::bvNone;
        toolbar.SetBounds(8, 0, 121, 27);
        button.SetBounds(6, 2, 25, 25);
        button.SetGlyph(TwoImageGlyph());
        button.SetNumGlyphs(2);
        button.SetHint("Imprimir");
        button.OnClick = [this](TSpeedButton& sender) { clicks.push_back(&sender); };
        edit.SetBounds(8, 40, 100, 21);
        edit.SetTabStop(true);
        TFormLayout layout;
        layout.className = "TSpeedButtonProbeForm";
        layout.caption = "Probe";
        layout.width = 200;
        layout.height = 100;
        CreateForm(layout);
        ShowWindow(Handle(), SW_SHOW);
        edit.SetFocus();
    }
    TPanel toolbar{this};
    TSpeedButton button{&toolbar};
    TEdit edit{this};
    std::vector<TSpeedButton*> clicks;
};

// The button's picture as WM_PRINTCLIENT paints it into a 32-bit memory bitmap.
class TButtonPicture {
public:
    explicit TButtonPicture(const TSpeedButton& button)
        : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = button.Width();
        info.bmiHeader.biHeight = -button.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const tips::platform::TSelectObject select(dc_, bitmap_.get());
        SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
        for (int y = 0; y < button.Height(); ++y) {
            pixels_.emplace_back();
            for (int x = 0; x < button.Width(); ++x) pixels_.back().push_back(GetPixel(dc_, x, y));
        }
    }
    TButtonPicture(const TButtonPicture&) = delete;
    TButtonPicture& operator=(const TButtonPicture&) = delete;
    ~TButtonPicture() { DeleteDC(dc_); }

    COLORREF At(int x, int y) const { return pixels_.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x)); }

private:
    HDC dc_;
    tips::platform::TBitmapHandle bitmap_;
    std::vector<std::vector<COLORREF>> pixels_;
};

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

void Press(TSpeedButton& button, int x, int y) { SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y)); }
void Move(TSpeedButton& button, int x, int y) { SendMessageA(button.Handle(), WM_MOUSEMOVE, MK_LBUTTON, Point(x, y)); }
void Release(TSpeedButton& button, int x, int y) { SendMessageA(button.Handle(), WM_LBUTTONUP, 0, Point(x, y)); }

std::string TooltipText(HWND tooltip, HWND tool) {
    char text[80] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST(SpeedButton, ClicksOnceOnAReleaseInsideAndLeavesTheFocusAlone) {
    TOwnedWindow<TButtonForm> form;
    ASSERT_TRUE(form.edit.Focused());
    Press(form.button, 12, 12);
    EXPECT_EQ(form.button.Look(), TButtonLook::blSunken);
    EXPECT_EQ(GetCapture(), form.button.Handle());
    EXPECT_TRUE(form.clicks.empty());
    Release(form.button, 12, 12);
    ASSERT_EQ(form.clicks.size(), 1u);
    EXPECT_EQ(form.clicks[0], &form.button);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(form.edit.Focused());
    EXPECT_FALSE(form.button.TabStop());
}

TEST(SpeedButton, ReleaseOutsideOrLostCaptureDoesNotClick) {
    TOwnedWindow<TButtonForm> form;
    Press(form.button, 12, 12);
    Move(form.button, 30, 12);
    EXPECT_EQ(form.button.Look(), TButtonLook::blFlat);
    Release(form.button, -3, 12);   // left of the button: a negative coordinate
    EXPECT_TRUE(form.clicks.empty());

    Press(form.button, 12, 12);
    ReleaseCapture();
    Release(form.button, 12, 12);
    EXPECT_TRUE(form.clicks.empty());
}

TEST(SpeedButton, DisabledButtonDoesNotClick) {
    TOwnedWindow<TButtonForm> form;
    form.button.SetEnabled(false);
    Press(form.button, 12, 12);
    Release(form.button, 12, 12);
    EXPECT_TRUE(form.clicks.empty());
    EXPECT_EQ(form.button.Look(), TButtonLook::blFlat);

    form.button.SetEnabled(true);
    Press(form.button, 12, 12);
    Release(form.button, 12, 12);
    EXPECT_EQ(form.clicks.size(), 1u);
}

// Disabled in the layout, before its window exists: the window is made disabled and the button knows it.
class TDisabledButtonForm : public TForm {
public:
    TDisabledButtonForm() {
        button.SetBounds(0, 0, 25, 25);
        button.SetGlyph(TwoImageGlyph());
        button.SetNumGlyphs(2);
        button.SetEnabled(false);
        button.OnClick = [this](TSpeedButton&) { ++clicks; };
        TFormLayout layout;
        layout.className = "TDisabledButtonProbeForm";
        layout.width = 100;
        layout.height = 100;
        CreateForm(layout);
    }
    TSpeedButton button{this};
    int clicks = 0;
};

TEST(SpeedButton, DisabledBeforeItsWindowExistsStaysDisabled) {
    TOwnedWindow<TDisabledButtonForm> form;
    EXPECT_FALSE(IsWindowEnabled(form.button.Handle()));
    Press(form.button, 12, 12);
    Release(form.button, 12, 12);
    EXPECT_EQ(form.clicks, 0);
    EXPECT_EQ(TButtonPicture(form.button).At(5 + 2, 5 + 2), Colour(kGrey));
}

TEST(SpeedButton, GivesTheFocusBackWhenItIsSetOnIt) {
    TOwnedWindow<TButtonForm> form;
    form.button.SetFocus();
    EXPECT_TRUE(form.edit.Focused());
}

// The 16 x 16 image sits at (5, 5) in the 25 x 25 button; magenta shows the button face.
TEST(SpeedButtonPaint, DrawsTheNormalImageFlatOnTheFace) {
    TOwnedWindow<TButtonForm> form;
    const TButtonPicture picture(form.button);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(picture.At(5 + 2, 5 + 2), Colour(kRed));
    EXPECT_EQ(picture.At(5 + 5, 5 + 5), Colour(kRed));
    EXPECT_EQ(picture.At(5 + 10, 5 + 10), Colour(kBlue));
    EXPECT_EQ(picture.At(5 + 6, 5 + 6), face);   // transparent
    EXPECT_EQ(picture.At(5, 5 + 15), face);      // the transparent bottom-left pixel
    EXPECT_EQ(picture.At(0, 0), face);           // no edge
    EXPECT_EQ(picture.At(24, 24), face);
}

TEST(SpeedButtonPaint, RaisesTheEdgeUnderTheMouseAndFlattensItWhenTheMouseLeaves) {
    TOwnedWindow<TButtonForm> form;
    SendMessageA(form.button.Handle(), WM_MOUSEMOVE, 0, Point(12, 12));
    EXPECT_EQ(form.button.Look(), TButtonLook::blRaised);
    {
        const TButtonPicture picture(form.button);
        EXPECT_EQ(picture.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(picture.At(24, 24), GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(picture.At(5 + 2, 5 + 2), Colour(kRed));
    }
    SendMessageA(form.button.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.button.Look(), TButtonLook::blFlat);
    EXPECT_EQ(TButtonPicture(form.button).At(0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST(SpeedButtonPaint, SinksTheEdgeAndShiftsTheImageWhilePressed) {
    TOwnedWindow<TButtonForm> form;
    Press(form.button, 12, 12);
    const TButtonPicture picture(form.button);
    EXPECT_EQ(picture.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(24, 24), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(6 + 2, 6 + 2), Colour(kRed));
    EXPECT_EQ(picture.At(6 + 10, 6 + 10), Colour(kBlue));
    EXPECT_EQ(picture.At(5 + 10, 5 + 10), GetSysColor(COLOR_BTNFACE));
    Release(form.button, 12, 12);
}

TEST(SpeedButtonPaint, DrawsTheDisabledImageWhileDisabled) {
    TOwnedWindow<TButtonForm> form;
    form.button.SetEnabled(false);
    const TButtonPicture picture(form.button);
    EXPECT_EQ(picture.At(5 + 2, 5 + 2), Colour(kGrey));
    EXPECT_EQ(picture.At(5 + 10, 5 + 10), GetSysColor(COLOR_BTNFACE));
}

TEST(SpeedButtonPaint, WithOneImageDrawsItAlsoWhenDisabled) {
    TOwnedWindow<TButtonForm> form;
    form.button.SetNumGlyphs(1);   // the whole 32-pixel strip is one image now, at (-3, 5)
    form.button.SetEnabled(false);
    const TButtonPicture picture(form.button);
    EXPECT_EQ(picture.At(-3 + 5, 5 + 5), Colour(kRed));
    EXPECT_EQ(picture.At(-3 + 18, 5 + 2), Colour(kGrey));
}

TEST(SpeedButtonHint, ShowsTheHintInATooltipThatFollowsItsText) {
    TOwnedWindow<TButtonForm> form;
    const HWND tooltip = form.button.TooltipHandle();
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TooltipText(tooltip, form.button.Handle()), "Imprimir");

    form.button.SetHint("Cortar");
    EXPECT_EQ(form.button.TooltipHandle(), tooltip);
    EXPECT_EQ(TooltipText(tooltip, form.button.Handle()), "Cortar");

    form.button.SetHint("");
    EXPECT_EQ(form.button.TooltipHandle(), nullptr);
    EXPECT_FALSE(IsWindow(tooltip));
}

TEST(SpeedButtonHint, NoTooltipWhileHintsAreOff) {
    TOwnedWindow<TButtonForm> form;
    form.button.SetShowHint(false);
    EXPECT_EQ(form.button.TooltipHandle(), nullptr);
    form.button.SetShowHint(true);
    ASSERT_NE(form.button.TooltipHandle(), nullptr);
    EXPECT_EQ(TooltipText(form.button.TooltipHandle(), form.button.Handle()), "Imprimir");
}

}  // namespace
