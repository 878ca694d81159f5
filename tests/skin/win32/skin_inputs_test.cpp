// The radio group with its buttons, the edit box and the toolbar of our own forms, as the embedded skin
// draws them: the group's rounded ButtonShadow frame with its caption on ButtonFace, each radio glyph
// pixel for pixel from the skin's radio image for its state, the edit's one-pixel ButtonShadow border,
// the toolbar's buttons on the Buttons frame; and their own looks back once the companions are gone.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "../embedded_model_support.hpp"
#include "platform/color.hpp"
#include "platform/system_colors.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "platform/win32/gdi_system_colors.hpp"
#include "skin/button_states.hpp"
#include "skin/control_painters.hpp"
#include "skin/skin_source_properties.hpp"
#include "skin/win32/skin_form_controls.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/radio_group.hpp"
#include "widgets/win32/tool_bar.hpp"
#include "window_pixels.hpp"

namespace {

using namespace tips;
using namespace tips::skin;
using namespace tips::skin::win32;
using namespace tips::widgets;

Rgb ToRgb(platform::TColor colour) {
    const platform::TColor direct = platform::ResolveColor(colour, platform::GdiSystemColors());
    return {static_cast<std::uint8_t>(platform::RedOf(direct)), static_cast<std::uint8_t>(platform::GreenOf(direct)),
            static_cast<std::uint8_t>(platform::BlueOf(direct))};
}

const TSkinData& EmbeddedSkin() { return tips::skin::testing::EmbeddedModel(); }

class TInputsForm : public TForm {
public:
    TInputsForm() {
        radio.SetBounds(10, 50, 160, 70);
        radio.SetCaption("Buscar por");
        radio.SetItems({"Categoria", "Titulo"});
        radio.SetItemIndex(0);
        edit.SetBounds(10, 130, 160, 24);
        bar.SetBounds(0, 0, 240, 36);  // a toolbar sits at the top
        bar.SetButtonSize(40, 30);  // wide of the image cell a toolbar without images fills
        TToolButton button;
        button.Name = "first";
        bar.AddButton(button);
        button.Name = "second";
        bar.AddButton(button);
        TFormLayout layout;
        layout.className = "TSkinInputsProbe";
        layout.caption = "Skinned inputs";
        layout.width = 260;
        layout.height = 220;
        CreateForm(layout);
    }
    TRadioGroup radio{this};
    TEdit edit{this};
    TToolBar bar{this};
};

// The window's pixels after it and its children painted, read back from the screen.
tips::skin::testing::TWindowPixels Painted(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Application().ProcessMessages();
    return tips::skin::testing::TWindowPixels(window);
}

// A client point of `window` in its window rectangle's coordinates.
POINT InWindow(HWND window, int x, int y) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT outer{};
    GetWindowRect(window, &outer);
    return {x + origin.x - outer.left, y + origin.y - outer.top};
}

class SkinnedInputs : public ::testing::Test {
protected:
    void SetUp() override {
        ShowWindow(form_.Handle(), SW_SHOW);
        Application().ProcessMessages();
    }
    void Attach() {
        controls_.emplace(TSkinContext{EmbeddedSkin(), bitmaps_, properties_});
        controls_->AttachForm(form_);
    }
    void Detach() { controls_.reset(); }

    // How many of the radio image's opaque pixels for the state show at the button's glyph square.
    struct TGlyphMatch {
        int Opaque = 0;
        int Same = 0;
    };
    TGlyphMatch GlyphMatch(int item, bool checked) {
        const HWND button = form_.radio.ButtonHandle(item);
        const Image& image = EmbeddedSkin().Buttons.RadioButton;
        const int frames = std::max(EmbeddedSkin().Buttons.RadioButtonFrame, 1);
        const int width = image.Width() / frames;
        RECT client{};
        GetClientRect(button, &client);
        const TViewRect glyph = RadioGlyphRect({0, 0, client.right, client.bottom}, width, image.Height(), false);
        const int frame = RadioButtonFrame(checked, true, frames) - 1;
        const auto pixels = Painted(button);
        TGlyphMatch match;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < width; ++x) {
                const Rgb expected = image.At(frame * width + x, y);
                if (expected == kTransparentColour) continue;
                ++match.Opaque;
                const POINT at = InWindow(button, glyph.Left + x, glyph.Top + y);
                match.Same += pixels.At(at.x, at.y) == expected;
            }
        }
        return match;
    }

    TOwnedWindow<TInputsForm> form_;
    TSkinBitmapCache bitmaps_;
    const TSkinSourceProperties properties_;
    std::optional<TSkinFormControls> controls_;
};

TEST_F(SkinnedInputs, TheRadioGroupShowsARoundedShadowFrameWithItsCaptionOnButtonFace) {
    const HWND group = form_.radio.Handle();
    const Rgb shadow = ToRgb(EmbeddedSkin().Colours.ButtonShadow);
    const Rgb face = ToRgb(EmbeddedSkin().Colours.ButtonFace);
    ASSERT_NE(face, ToRgb(platform::clBtnFace)) << "the skin's face must differ from the system's to be told apart";
    Attach();
    ASSERT_TRUE(controls_->Skins(group));
    RECT client{};
    GetClientRect(group, &client);
    TEXTMETRICA metrics{};
    {
        const platform::TWindowDC dc(group);
        const platform::TSelectObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(group, WM_GETFONT, 0, 0)));
        SIZE zero{};
        GetTextExtentPoint32A(dc.get(), "0", 1, &zero);
        metrics.tmHeight = zero.cy;
    }
    const int top = metrics.tmHeight / 2 - 1;
    const auto pixels = Painted(group);
    const auto at = [&](int x, int y) {
        const POINT p = InWindow(group, x, y);
        return pixels.At(p.x, p.y);
    };
    const int middle = (top + client.bottom) / 2;
    EXPECT_EQ(at(0, middle), shadow) << "left edge";
    EXPECT_EQ(at(client.right - 1, middle), shadow) << "right edge";
    EXPECT_EQ(at(client.right / 2, client.bottom - 1), shadow) << "bottom edge";
    EXPECT_EQ(at(client.right - 8, top), shadow) << "top edge right of the caption";
    EXPECT_NE(at(0, top), shadow) << "a rounded corner leaves the corner pixel";
    EXPECT_NE(at(client.right - 1, client.bottom - 1), shadow) << "a rounded corner leaves the corner pixel";
    EXPECT_EQ(at(2, middle), face) << "inside the frame";
    // The caption interrupts the top edge: only its text and the face show from x = 9 on.
    int shadowUnderCaption = 0;
    for (int x = 9; x < 40; ++x) shadowUnderCaption += at(x, top) == shadow;
    EXPECT_EQ(shadowUnderCaption, 0);

    Detach();
    EXPECT_NE(Painted(group).At(InWindow(group, 2, middle).x, InWindow(group, 2, middle).y), face);
}

TEST_F(SkinnedInputs, EachRadioButtonShowsTheSkinsGlyphForItsStateAlsoAfterTheSelectionMoves) {
    const Image& image = EmbeddedSkin().Buttons.RadioButton;
    ASSERT_FALSE(image.Empty());
    Attach();
    for (int item : {0, 1}) ASSERT_TRUE(controls_->Skins(form_.radio.ButtonHandle(item)));

    const auto checked = GlyphMatch(0, true);
    ASSERT_GT(checked.Opaque, 20);
    EXPECT_EQ(checked.Same, checked.Opaque) << "the checked button";
    const auto unchecked = GlyphMatch(1, false);
    EXPECT_EQ(unchecked.Same, unchecked.Opaque) << "the unchecked button";

    // The buttons redraw themselves when the selection moves; the skin's glyph goes over that at once.
    form_.radio.SetItemIndex(1);
    Application().ProcessMessages();
    EXPECT_EQ(GlyphMatch(1, true).Same, GlyphMatch(1, true).Opaque) << "newly checked";
    EXPECT_EQ(GlyphMatch(0, false).Same, GlyphMatch(0, false).Opaque) << "newly unchecked";

    // Behind the caption the button clears with the skin's face, as its group asks.
    const HWND button = form_.radio.ButtonHandle(0);
    RECT client{};
    GetClientRect(button, &client);
    const POINT blank = InWindow(button, client.right - 2, 1);
    EXPECT_EQ(Painted(button).At(blank.x, blank.y), ToRgb(EmbeddedSkin().Colours.ButtonFace));

    Detach();
    const auto own = GlyphMatch(1, true);
    EXPECT_LT(own.Same, own.Opaque) << "the button's own glyph is back";
}

TEST_F(SkinnedInputs, TheEditBoxHasAOnePixelShadowBorderAndItsOwnBackgroundInsideIt) {
    const HWND edit = form_.edit.Handle();
    const Rgb shadow = ToRgb(EmbeddedSkin().Colours.ButtonShadow);
    const Rgb window = ToRgb(platform::clWindow);
    RECT outer{};
    GetWindowRect(edit, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const auto border = [&](const tips::skin::testing::TWindowPixels& pixels, int inset, Rgb colour) {
        return pixels.OutlineCount({inset, inset, width - inset, height - inset}, colour);
    };
    const int ring0 = 2 * width + 2 * height - 4;
    const int ring1 = 2 * (width - 2) + 2 * (height - 2) - 4;
    ASSERT_LT(border(Painted(edit), 1, window), ring1) << "the system's border must differ to be told apart";

    Attach();
    ASSERT_TRUE(controls_->Skins(edit));
    const auto skinned = Painted(edit);
    EXPECT_EQ(border(skinned, 0, shadow), ring0);
    EXPECT_EQ(border(skinned, 1, window), ring1);
    // Taking the focus does not bring the system's border back.
    SetFocus(edit);
    Application().ProcessMessages();
    EXPECT_EQ(border(tips::skin::testing::TWindowPixels(edit), 1, window), ring1);

    Detach();
    EXPECT_LT(border(Painted(edit), 1, window), ring1);
}

// The toolbar's buttons as the skin's Buttons element draws them over ButtonFace, in memory.
std::vector<Rgb> ToolbarButtonPixels(int width, int height) {
    const platform::TWindowDC screen(nullptr);
    const platform::TMemoryDC memory(screen.get());
    const platform::TBitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const platform::TSelectObject selected(memory.get(), bitmap.get());
    {
        platform::TGdiCanvas canvas(memory.get());
        TSkinBitmapCache bitmaps;
        canvas.FillRect({0, 0, width, height}, EmbeddedSkin().Colours.ButtonFace);
        PaintToolbarButton(canvas, bitmaps, EmbeddedSkin(), TToolbarDrawFlags{}, {0, 0, width, height});
    }
    std::vector<Rgb> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(memory.get(), x, y);
            pixels.push_back({GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    return pixels;
}

// Where two pictures of the same size differ: how many pixels, and the first as "x,y".
std::string Differences(const std::vector<Rgb>& seen, const std::vector<Rgb>& expected, int width) {
    int count = 0;
    std::string first;
    for (std::size_t i = 0; i < seen.size() && i < expected.size(); ++i) {
        if (seen[i] == expected[i]) continue;
        if (count++ == 0) {
            first = std::to_string(static_cast<int>(i) % width) + "," + std::to_string(static_cast<int>(i) / width) +
                    " (" + std::to_string(seen[i].r) + " " + std::to_string(seen[i].g) + " " + std::to_string(seen[i].b) +
                    " for " + std::to_string(expected[i].r) + " " + std::to_string(expected[i].g) + " " +
                    std::to_string(expected[i].b) + ")";
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels, first at " + first;
}

TEST_F(SkinnedInputs, TheToolbarsButtonsStandOnTheSkinsButtonsFrameOverButtonFace) {
    const HWND toolbar = form_.bar.ToolbarHandle();
    const RECT first = [&] {
        RECT r{};
        SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }();
    ASSERT_GT(first.right - first.left, 4);
    const int width = first.right - first.left;
    const int height = first.bottom - first.top;
    // The button's edge, four pixels deep: the frame's border shows there; the middle is left to the
    // glyph the toolbar draws on top.
    const auto Rim = [&](const std::vector<Rgb>& whole) {
        std::vector<Rgb> rim = whole;
        for (int y = 4; y < height - 4; ++y) {
            for (int x = 4; x < width - 4; ++x) rim[static_cast<std::size_t>(y * width + x)] = {};
        }
        return rim;
    };
    const auto onScreen = [&] {
        const auto pixels = Painted(toolbar);
        std::vector<Rgb> result;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const POINT at = InWindow(toolbar, first.left + x, first.top + y);
                result.push_back(pixels.At(at.x, at.y));
            }
        }
        return Rim(result);
    };
    // Move the cursor away, so no button is hot.
    SetCursorPos(0, 0);
    const auto expected = Rim(ToolbarButtonPixels(width, height));
    ASSERT_NE(Differences(onScreen(), expected, width), "");

    Attach();
    ASSERT_TRUE(controls_->Skins(form_.bar.Handle()));
    EXPECT_EQ(Differences(onScreen(), expected, width), "");
    RECT client{};
    GetClientRect(toolbar, &client);
    const POINT beyond = InWindow(toolbar, client.right - 3, client.bottom / 2);
    EXPECT_EQ(Painted(toolbar).At(beyond.x, beyond.y), ToRgb(EmbeddedSkin().Colours.ButtonFace)) << "right of the buttons";

    Detach();
    EXPECT_NE(Differences(onScreen(), expected, width), "");
}

}  // namespace
