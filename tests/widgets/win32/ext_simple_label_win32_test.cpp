// The link label on a real form: a click hands its exact address and the application's window to the
// shell port (a fake: nothing is ever started), the hand cursor over a link only, the pressed colour
// in the pixels, a failed link drawn disabled, auto-size measured with the screen's fonts.

#include "widgets/win32/ext_simple_label.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_shell_port.hpp"
#include "platform/screen_canvas.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"

namespace {

using tips::platform::TViewRect;
using tips_test::TFakeShellPort;
using namespace tips::widgets;

TExtFont AboutFont(tips::platform::TColor color, bool underlined) {
    TExtFont font;
    font.Description.Style = underlined ? tips::platform::TFontStyles(tips::platform::fsBold) | tips::platform::fsUnderline
                                        : tips::platform::TFontStyles(tips::platform::fsBold);
    font.Color = color;
    return font;
}

// Two labels as the about box has them: a link and a plain text beside it.
class TLabelForm : public TForm {
public:
    TLabelForm() {
        link.SetBounds(48, 48, 119, 15);
        link.SetCaption("www.tolvanec.example");
        link.SetJump("http://www.tolvanec.example");
        link.SetFont(AboutFont(tips::platform::clBlue, true));
        link.SetJumpMode(TExtJumpModes::jmInternet);
        plain.SetBounds(48, 80, 156, 15);
        plain.SetCaption("Portal para programadores.");
        plain.SetFont(AboutFont(tips::platform::clBlack, false));
        plain.OnClick = [this](TExtBaseControl&) { ++plainClicks; };
        TFormLayout layout;
        layout.className = "TLabelProbeForm";
        layout.caption = "Labels";
        layout.width = 300;
        layout.height = 120;
        CreateForm(layout);
    }
    TExtSimpleLabel link{this};
    TExtSimpleLabel plain{this};
    int plainClicks = 0;
};

LPARAM At(int x, int y) {
    return static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(y)) << 16) | static_cast<WORD>(x));
}

void ClickAt(const TForm& form, int x, int y) {
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(x, y));
}

void ClickOn(const TForm& form, const TExtSimpleLabel& label) { ClickAt(form, label.Left() + 3, label.Top() + 5); }

void ShowAndPaint(const TForm& form) {
    ShowWindow(form.Handle(), SW_SHOWNA);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// How many pixels of the label's rectangle on the form have the colour.
int PixelsOf(const TForm& form, const TExtSimpleLabel& label, COLORREF color) {
    const HDC dc = GetDC(form.Handle());
    int count = 0;
    for (int y = label.Top(); y < label.Top() + label.Height(); ++y) {
        for (int x = label.Left(); x < label.Left() + label.Width(); ++x) {
            if (GetPixel(dc, x, y) == color) ++count;
        }
    }
    ReleaseDC(form.Handle(), dc);
    return count;
}

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(ExtSimpleLabelWindow, AClickOnTheLinkHandsItsExactAddressAndTheApplicationsWindowToTheShell) {
    TFakeShellPort shell;
    TOwnedWindow<TLabelForm> form;
    form.link.SetJump(" http://www.tolvanec.example ");
    ClickOn(form, form.link);
    ASSERT_EQ(shell.requests.size(), 1U);
    EXPECT_EQ(shell.requests[0].Target, " http://www.tolvanec.example ");
    EXPECT_EQ(shell.requests[0].Owner, reinterpret_cast<tips::platform::TWindowId>(Application().Handle()));
    EXPECT_TRUE(form.link.Enabled());

    // A press that ends away from the link opens nothing; the plain label opens nothing and runs OnClick.
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(form.link.Left() + 3, form.link.Top() + 5));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(280, 110));
    ClickOn(form, form.plain);
    EXPECT_EQ(shell.requests.size(), 1U);
    EXPECT_EQ(form.plainClicks, 1);
}

TEST(ExtSimpleLabelWindow, ADoubleClickOpensTheLinkOnce) {
    TFakeShellPort shell;
    TOwnedWindow<TLabelForm> form;
    const LPARAM at = At(form.link.Left() + 3, form.link.Top() + 5);
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, at);
    SendMessageA(form.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(shell.Targets(), (std::vector<std::string>{"http://www.tolvanec.example"}));
    EXPECT_EQ(form.link.PressedCount(), 2);
}

TEST(ExtSimpleLabelWindow, TheHandShowsOverTheLinkOnly) {
    TOwnedWindow<TLabelForm> form;
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    auto cursorAt = [&form](int x, int y) {
        POINT point{x, y};
        ClientToScreen(form.Handle(), &point);
        SetCursorPos(point.x, point.y);
        SetCursor(nullptr);
        SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(form.link.Left() + 2, form.link.Top() + 2), hand);
    EXPECT_NE(cursorAt(form.plain.Left() + 2, form.plain.Top() + 2), hand);
    EXPECT_NE(cursorAt(5, 5), hand);
    form.link.SetJumpMode(TExtJumpModes::jmNone);
    EXPECT_NE(cursorAt(form.link.Left() + 2, form.link.Top() + 2), hand);
}

TEST(ExtSimpleLabelWindow, ThePressTurnsTheLinkPurpleOnTheScreenAndItStaysSo) {
    TFakeShellPort shell;
    TOwnedWindow<TLabelForm> form;
    ShowAndPaint(form);
    EXPECT_GT(PixelsOf(form, form.link, kBlue), 20);
    EXPECT_EQ(PixelsOf(form, form.link, kPurple), 0);
    EXPECT_GT(PixelsOf(form, form.plain, kBlack), 20);
    ClickOn(form, form.link);
    EXPECT_EQ(shell.requests.size(), 1U);
    EXPECT_EQ(form.link.PressedCount(), 1);
    EXPECT_EQ(form.link.Font().Color, tips::platform::clPurple);
    UpdateWindow(form.Handle());
    EXPECT_EQ(PixelsOf(form, form.link, kBlue), 0);
    EXPECT_GT(PixelsOf(form, form.link, kPurple), 20);
    ShowAndPaint(form);
    EXPECT_GT(PixelsOf(form, form.link, kPurple), 20);
}

TEST(ExtSimpleLabelWindow, WhenTheShellFailsTheLinkIsDrawnDisabledAndTakesNoMoreClicks) {
    TFakeShellPort shell(2);
    TOwnedWindow<TLabelForm> form;
    ShowAndPaint(form);
    ClickOn(form, form.link);
    EXPECT_FALSE(form.link.Enabled());
    EXPECT_FALSE(form.link.Control().Enabled());
    UpdateWindow(form.Handle());
    EXPECT_EQ(PixelsOf(form, form.link, kPurple), 0);
    EXPECT_GT(PixelsOf(form, form.link, GetSysColor(COLOR_BTNSHADOW)), 20);
    ClickOn(form, form.link);
    EXPECT_EQ(shell.requests.size(), 1U);
}

TEST(ExtSimpleLabelWindow, AutoSizeTakesTheTextsSizeInTheScreensFontOnceTheFormIsLoaded) {
    TOwnedWindow<TLabelForm> form;
    const auto screen = tips::platform::ScreenCanvasPort().OpenScreenCanvas();
    auto& canvas = screen->Canvas();
    const auto font = canvas.Fonts().MakeFont(form.plain.Font().Description);
    canvas.SetFont(*font);
    const auto extent = canvas.TextExtent("Portal para programadores.");
    EXPECT_EQ(form.plain.BoundsRect(), (TViewRect{48, 80, 48 + extent.Width, 80 + extent.Height}));
    EXPECT_EQ(form.plain.Control().BoundsRect(), form.plain.BoundsRect());
}

}  // namespace
