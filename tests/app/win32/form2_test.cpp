// The about box: its window and components as designed, its picture on screen, and the keys and
// clicks that close it (Enter, Space on "Aceptar", a click, the close box; not Esc), the same on every
// showing.

#include "app/win32/form2.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/about_picture.hpp"
#include "app/about_texts.hpp"
#include "app/app_texts.hpp"
#include "platform/shell.hpp"
#include "skin/bitmap.hpp"
#include "widgets/win32/application.hpp"
#include "win32/client_capture.hpp"
#include "win32/modal_script.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using tips::app::TForm2;
using tips::platform::TViewRect;
using tips_test::PostKey;
using tips_test::TClientCapture;
using tips_test::TModalScript;

constexpr int kRescued = 77;

// Records what the box asks the shell to open instead of opening it.
class TRecordingShell final : public tips::platform::TShellPort {
public:
    TRecordingShell() { tips::platform::SetShellPort(this); }
    ~TRecordingShell() override { tips::platform::SetShellPort(nullptr); }
    std::intptr_t Open(std::string_view target, tips::platform::TWindowId owner) override {
        targets.emplace_back(target);
        owners.push_back(owner);
        return 42;
    }
    std::vector<std::string> targets;
    std::vector<tips::platform::TWindowId> owners;
};

// A left click at a point of the box's client area, as the mouse sends it.
void ClickAt(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::string BesideTheExecutable(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

class AboutBox : public ::testing::Test {
protected:
    // Shows the box modally with the script running; answers the modal result.
    int Show(std::vector<TModalScript::TStep> steps) {
        TModalScript script(std::move(steps), [this] { form2.SetModalResult(kRescued); });
        const int result = form2.ShowModal();
        EXPECT_FALSE(script.Rescued()) << "the box did not close by itself";
        stepsRun = script.StepsRun();
        return result;
    }
    HWND Handle() const { return form2.Handle(); }

    TOwnedWindow<TForm2> form2;
    std::size_t stepsRun = 0;
};

TEST_F(AboutBox, IsAHiddenFixedWindowOfTheGivenOuterSizeCaptionColourAndFont) {
    EXPECT_FALSE(IsWindowVisible(Handle()));
    char caption[128]{};
    GetWindowTextA(Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Acerca de Tolvanec para Visual Basic");
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    EXPECT_EQ(frame.right - frame.left, 439);
    EXPECT_EQ(frame.bottom - frame.top, 347);
    const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0) << "the close box";
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(GetClassLongPtrA(Handle(), GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(form2.Font(), sizeof font, &font), 0);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -11);
}

TEST_F(AboutBox, PlacesEveryComponentAsDesigned) {
    struct TPlace {
        std::string name;
        TViewRect bounds;
    };
    const auto at = [](int left, int top, int width, int height) { return TViewRect{left, top, left + width, top + height}; };
    const TPlace expected[] = {
        {"Bevel2", at(4, 12, 421, 301)},  {"Imagen", at(56, 24, 300, 164)}, {"Label1", at(41, 192, 332, 16)},
        {"Label3", at(44, 208, 326, 16)}, {"Button1", at(181, 284, 75, 25)},
    };
    std::vector<TPlace> actual;
    for (const TGraphicControl* control : form2.GraphicControls()) {
        if (!control->Name.empty()) actual.push_back({control->Name, control->BoundsRect()});
    }
    actual.push_back({form2.Button1.Name, form2.Button1.BoundsRect()});
    ASSERT_EQ(actual.size(), std::size(expected));
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].bounds, expected[i].bounds) << expected[i].name;
    }
}

TEST_F(AboutBox, ShowsItsTextsInTheirFonts) {
    const tips::platform::TFontDescription bold10{"MS Sans Serif", -13, tips::platform::fsBold};
    EXPECT_EQ(form2.Label1.Caption(), "Tolvanec para vb6 v 1.29");
    EXPECT_EQ(form2.Label3.Caption(), "Copyright \xA9 2026 Tolvanec Software");
    for (const TLabel* label : {&form2.Label1, &form2.Label3}) {
        EXPECT_EQ(label->Font(), bold10) << label->Name;
        EXPECT_EQ(label->FontColor(), tips::platform::clBlack) << label->Name;
        EXPECT_EQ(label->Alignment(), TAlignment::taCenter) << label->Name;
    }
    EXPECT_EQ(form2.Bevel2.Shape(), TBevelShape::bsBox);
    EXPECT_EQ(form2.Bevel2.Style(), TBevelStyle::bsLowered);
    EXPECT_EQ(form2.Button1.Caption(), "Aceptar");
    EXPECT_TRUE(form2.Button1.Default());
    EXPECT_EQ(form2.Button1.ModalResult(), mrOk);
    EXPECT_EQ(form2.Button1.TabOrder(), 0);
}

// The five lines of the links: three plain, two links whose captions are the main window's addresses
// and whose targets are those as web addresses.
TEST_F(AboutBox, CarriesTheTwoLinksAndTheirPlainLines) {
    using tips::platform::TFontStyles;
    struct TLine {
        const TExtSimpleLabel* label;
        std::string name;
        int left, top;
        std::string caption;
        TExtJumpModes mode;
        std::string jump;
    };
    const TLine lines[] = {
        {&form2.ExtSimpleLabel2, "ExtSimpleLabel2", 104, 232, "Pueden encontrarnos en internet en", TExtJumpModes::jmNone, ""},
        {&form2.ExtSimpleLabel1, "ExtSimpleLabel1", 48, 248, tips::app::kMakerAddress, TExtJumpModes::jmInternet,
         std::string("http://") + tips::app::kMakerAddress},
        {&form2.ExtSimpleLabel3, "ExtSimpleLabel3", 232, 248, "Portal para programadores.", TExtJumpModes::jmNone, ""},
        {&form2.ExtSimpleLabel4, "ExtSimpleLabel4", 48, 264, tips::app::kPortalAddress, TExtJumpModes::jmInternet,
         std::string("http://") + tips::app::kPortalAddress},
        {&form2.ExtSimpleLabel5, "ExtSimpleLabel5", 232, 264, "Portal Educativo.", TExtJumpModes::jmNone, ""},
    };
    for (const TLine& line : lines) {
        const TExtSimpleLabel& label = *line.label;
        SCOPED_TRACE(line.name);
        EXPECT_EQ(label.Name, line.name);
        EXPECT_EQ(label.Left(), line.left);
        EXPECT_EQ(label.Top(), line.top);
        // Auto-sized to its text, one line of 8 point type.
        EXPECT_GT(label.Width(), 30);
        EXPECT_GE(label.Height(), 11);
        EXPECT_LE(label.Height(), 16);
        EXPECT_EQ(label.Control().BoundsRect(), label.BoundsRect());
        EXPECT_EQ(label.Caption(), line.caption);
        EXPECT_EQ(label.JumpMode(), line.mode);
        EXPECT_EQ(label.Jump(), line.jump);
        EXPECT_EQ(label.Options(), 0);
        EXPECT_EQ(label.Font().Description.Face, "MS Sans Serif");
        EXPECT_EQ(label.Font().Description.Height, -11);
        const bool link = line.mode == TExtJumpModes::jmInternet;
        EXPECT_EQ(label.Font().Description.Style,
                  link ? TFontStyles(tips::platform::fsBold) | tips::platform::fsUnderline : TFontStyles(tips::platform::fsBold));
        EXPECT_EQ(label.Font().Color, link ? tips::platform::clBlue : tips::platform::clBlack);
        EXPECT_EQ(label.Control().Cursor() != nullptr, link);
    }
}

// A click on a link hands its exact web address to the shell, owned by the application's window, and
// leaves the box open; a click on a plain line opens nothing.
TEST_F(AboutBox, AClickOnALinkOpensItsAddress) {
    TRecordingShell shell;
    bool openAfterClicks = false;
    const auto inside = [](const TExtSimpleLabel& label) {
        return POINT{label.Left() + 4, label.Top() + label.Height() / 2};
    };
    EXPECT_EQ(Show({[&] {
                        const POINT at = inside(form2.ExtSimpleLabel1);
                        ClickAt(Handle(), at.x, at.y);
                    },
                    [&] {
                        const POINT at = inside(form2.ExtSimpleLabel3);
                        ClickAt(Handle(), at.x, at.y);
                    },
                    [&] {
                        const POINT at = inside(form2.ExtSimpleLabel4);
                        ClickAt(Handle(), at.x, at.y);
                    },
                    [&] {
                        openAfterClicks = IsWindowVisible(Handle()) != FALSE;
                        PostKey(GetFocus(), VK_RETURN);
                    }}),
              mrOk);
    EXPECT_EQ(shell.targets, (std::vector<std::string>{"http://www.tolvanec.example", "http://www.aula-vb.example"}));
    EXPECT_EQ(shell.owners, (std::vector<tips::platform::TWindowId>(
                                2, reinterpret_cast<tips::platform::TWindowId>(Application().Handle()))));
    EXPECT_TRUE(openAfterClicks);
}

// "Aceptar" is the only focusable control: it has the focus when the box opens, and Enter closes the
// box at once (the loop ends on that key, before the script's next step).
TEST_F(AboutBox, EnterClosesItAtOnce) {
    HWND focus = nullptr;
    EXPECT_EQ(Show({[&] {
                        focus = GetFocus();
                        PostKey(focus, VK_RETURN);
                    },
                    [] {}}),
              mrOk);
    EXPECT_EQ(focus, form2.Button1.Handle());
    EXPECT_EQ(stepsRun, 1u);
    EXPECT_FALSE(IsWindowVisible(Handle()));
    EXPECT_TRUE(IsWindow(Handle()));
}

TEST_F(AboutBox, SpaceOnAceptarOrAClickOnItClosesIt) {
    EXPECT_EQ(Show({[&] { PostKey(GetFocus(), VK_SPACE); }}), mrOk);
    EXPECT_EQ(Show({[&] {
                  PostMessageA(form2.Button1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
                  PostMessageA(form2.Button1.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 12));
              }}),
              mrOk);
}

// There is no cancel button: Esc leaves the box open, the close box closes it.
TEST_F(AboutBox, EscLeavesItOpenAndTheCloseBoxClosesIt) {
    bool openAfterEsc = false;
    EXPECT_EQ(Show({[&] { PostKey(GetFocus(), VK_ESCAPE); }, [&] { PostKey(Handle(), VK_ESCAPE); },
                    [&] {
                        openAfterEsc = IsWindowVisible(Handle()) != FALSE;
                        PostMessageA(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                    }}),
              mrCancel);
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ(stepsRun, 3u);
    EXPECT_TRUE(IsWindow(Handle()));
}

// Each showing is centred and shows the same pixels with the focus on "Aceptar", even after the box
// was moved and the focus left on it.
TEST_F(AboutBox, OpensUnchangedTheSecondTime) {
    struct TShowing {
        RECT frame{};
        HWND focus = nullptr;
        std::vector<TClientCapture> capture;
    };
    const auto look = [this](TShowing& showing) {
        return [this, &showing] {
            GetWindowRect(Handle(), &showing.frame);
            showing.focus = GetFocus();
            showing.capture.emplace_back(Handle());
            PostKey(GetFocus(), VK_RETURN);
        };
    };
    TShowing first, second;
    ASSERT_EQ(Show({look(first)}), mrOk);
    SetWindowPos(Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(Show({look(second)}), mrOk);
    EXPECT_EQ(first.frame.left, (GetSystemMetrics(SM_CXSCREEN) - 439) / 2);
    EXPECT_EQ(first.frame.top, (GetSystemMetrics(SM_CYSCREEN) - 347) / 2);
    EXPECT_TRUE(EqualRect(&first.frame, &second.frame));
    EXPECT_EQ(first.focus, form2.Button1.Handle());
    EXPECT_EQ(second.focus, form2.Button1.Handle());
    ASSERT_EQ(first.capture.size(), 1u);
    ASSERT_EQ(second.capture.size(), 1u);
    EXPECT_TRUE(first.capture[0] == second.capture[0]);
}

// What the box shows: the picture pixel for pixel at 56, 24, the sunken bevel's edges, and the two
// title lines in black, centred in their bounds. The capture is also written beside the executable
// (about_box.bmp), to look at.
TEST_F(AboutBox, DrawsThePictureTheBevelAndTheCentredTitles) {
    std::vector<TClientCapture> captures;
    Show({[&] {
        captures.emplace_back(Handle());
        PostKey(GetFocus(), VK_RETURN);
    }});
    ASSERT_EQ(captures.size(), 1u);
    const TClientCapture& shown = captures[0];
    shown.Save(BesideTheExecutable("about_box.bmp"));

    const tips::skin::Image picture = tips::skin::ReadBitmap(tips::app::AboutPictureBitmap());
    int wrong = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const auto c = picture.At(x, y);
            if (shown.At(56 + x, 24 + y) != RGB(c.r, c.g, c.b)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of the picture not shown at 56, 24";
    EXPECT_EQ(shown.At(55, 100), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shown.At(356, 100), GetSysColor(COLOR_BTNFACE));

    // Lowered: shadow along the top and left, light along the bottom and right.
    EXPECT_EQ(shown.At(4, 150), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shown.At(200, 12), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shown.At(424, 150), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shown.At(200, 312), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shown.At(5, 150), GetSysColor(COLOR_BTNFACE));

    for (const TLabel* label : {&form2.Label1, &form2.Label3}) {
        const TViewRect b = label->BoundsRect();
        int left = b.Right, right = b.Left - 1;
        for (int y = b.Top; y < b.Bottom; ++y) {
            for (int x = b.Left; x < b.Right; ++x) {
                if (shown.At(x, y) != RGB(0, 0, 0)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_LE(left, right) << label->Name << " shows no black text";
        EXPECT_GT(right - left, 100) << label->Name;
        EXPECT_NEAR(left - b.Left, b.Right - 1 - right, 3) << label->Name << " is not centred";
    }
}

}  // namespace
