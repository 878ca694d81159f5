// Push buttons of our own forms drawn from the embedded skin: the frame for each state as the screen
// shows it, a release outside the button not clicking, DisableTag, and the button's own look and
// behaviour back once the companions are gone.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../embedded_model_support.hpp"
#include "platform/font.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_font.hpp"
#include "skin/control_painters.hpp"
#include "skin/skin_source_properties.hpp"
#include "skin/win32/skin_form_controls.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/button.hpp"
#include "widgets/win32/form.hpp"

namespace {

using namespace tips;
using namespace tips::skin;
using namespace tips::skin::win32;
using namespace tips::widgets;

constexpr int kWidth = 75;
constexpr int kHeight = 25;

class TButtonsForm : public TForm {
public:
    TButtonsForm() {
        accept.SetBounds(8, 8, kWidth, kHeight);
        accept.SetCaption("Aceptar");
        other.SetBounds(8, 40, kWidth, kHeight);
        other.SetCaption("Otro");
        accept.OnClick = [this](TButton& sender) { clicks.push_back(sender.Caption()); };
        other.OnClick = [this](TButton& sender) { clicks.push_back(sender.Caption()); };
        TFormLayout layout;
        layout.className = "TSkinButtonsProbe";
        layout.caption = "Skinned buttons";
        layout.width = 200;
        layout.height = 120;
        CreateForm(layout);
    }
    TButton accept{this};
    TButton other{this};
    std::vector<std::string> clicks;
};

// The pixels of a window's client area, or of a picture drawn in memory.
struct TPicture {
    int Width = 0;
    int Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
    int Differences(const TPicture& other) const {
        int count = 0;
        for (std::size_t i = 0; i < Pixels.size(); ++i) count += Pixels[i] != other.Pixels[i] ? 1 : 0;
        return count;
    }
};

TPicture ReadPixels(HDC dc, int width, int height) {
    TPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.Pixels.push_back(GetPixel(dc, x, y));
    }
    return picture;
}

TPicture ScreenPicture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Application().ProcessMessages();
    RECT client{};
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    TPicture picture = ReadPixels(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    return picture;
}

// The skin's picture of a button in a state, drawn in memory with the button's font.
TPicture SkinPicture(HWND button, const std::string& caption, const TButtonState& state, TSkinBitmapCache& bitmaps) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    {
        platform::TGdiCanvas canvas(dc);
        const auto font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
        const platform::TPlainFont plain(
            platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
        const TPushButtonPainter painter(tips::skin::testing::EmbeddedModel(), bitmaps);
        EXPECT_TRUE(painter.Paint(canvas, {0, 0, kWidth, kHeight}, caption, state, plain));
    }
    TPicture picture = ReadPixels(dc, kWidth, kHeight);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y))); }

class SkinButton : public ::testing::Test {
protected:
    void SetUp() override {
        ShowWindow(form.Handle(), SW_SHOW);
        SetActiveWindow(form.Handle());
        SetFocus(form.other.Handle());
        Application().ProcessMessages();
    }
    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
        controls.reset();
        Application().ProcessMessages();
    }
    void Skin() {
        controls = std::make_unique<TSkinFormControls>(TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        controls->AttachForm(form);
    }
    TPicture Expected(const TButtonState& state, const std::string& caption = "Aceptar") {
        return SkinPicture(form.accept.Handle(), caption, state, bitmaps);
    }

    TOwnedWindow<TButtonsForm> form;
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
    std::unique_ptr<TSkinFormControls> controls;
};

struct TStateCase {
    const char* Name;
    std::function<void(TButtonsForm&)> Bring;
    TButtonState Shown;
};

TEST_F(SkinButton, TheScreenShowsTheFrameOfEachState) {
    Skin();
    const std::vector<TStateCase> cases = {
        {"normal", [](TButtonsForm&) {}, {}},
        {"focused", [](TButtonsForm& f) { SetFocus(f.accept.Handle()); }, {false, false, true, true}},
        {"hot", [](TButtonsForm& f) { SendMessageA(f.accept.Handle(), WM_MOUSEMOVE, 0, At(10, 10)); },
         {false, true, false, true}},
        {"pressed",
         [](TButtonsForm& f) { SendMessageA(f.accept.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10)); },
         {true, true, true, true}},
        {"pressed, dragged out",
         [](TButtonsForm& f) {
             SendMessageA(f.accept.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
             SendMessageA(f.accept.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(-20, 10));
         },
         {false, false, true, true}},
        {"disabled", [](TButtonsForm& f) { f.accept.SetEnabled(false); }, {false, false, false, false}},
    };
    const TPicture normal = Expected({});
    for (const TStateCase& c : cases) {
        SCOPED_TRACE(c.Name);
        form.accept.SetEnabled(true);
        SetFocus(form.other.Handle());
        SendMessageA(form.accept.Handle(), WM_MOUSEMOVE, 0, At(-50, -50));
        if (GetCapture()) ReleaseCapture();
        Application().ProcessMessages();
        c.Bring(form);
        const TPicture expected = Expected(c.Shown);
        const TPicture shown = ScreenPicture(form.accept.Handle());
        ASSERT_EQ(shown.Pixels.size(), expected.Pixels.size());
        EXPECT_EQ(shown.Differences(expected), 0);
        if (PushButtonFrame(c.Shown) != 1) {
            EXPECT_GT(shown.Differences(normal), 0);
        }
    }
}

TEST_F(SkinButton, OnlyAReleaseOverThePressedButtonClicks) {
    Skin();
    const HWND button = form.accept.Handle();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), button);
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, At(kWidth + 5, 10));
    SendMessageA(button, WM_LBUTTONUP, 0, At(kWidth + 5, 10));
    EXPECT_TRUE(form.clicks.empty());
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageA(button, WM_LBUTTONUP, 0, At(10, 10));  // no press before it
    EXPECT_TRUE(form.clicks.empty());

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, At(-5, 10));
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, At(12, 12));  // back over it
    SendMessageA(button, WM_LBUTTONUP, 0, At(12, 12));
    EXPECT_EQ(form.clicks, std::vector<std::string>{"Aceptar"});

    SetFocus(button);
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(button, WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Aceptar", "Aceptar"}));
    // A Space press the focus leaves does not click when the key comes up elsewhere.
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    SetFocus(form.other.Handle());
    SendMessageA(button, WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
    EXPECT_EQ(form.clicks.size(), 2u);
}

TEST_F(SkinButton, DisableTagKeepsTheOrdinaryLookAndOnlyItsRemainder) {
    struct TTagCase {
        int Tag;
        bool Skinned;
    };
    const TPicture skinned = Expected({}, "Otro");
    for (const TTagCase c : {TTagCase{0, true}, {99, false}, {199, false}, {-1, true}, {-99, true}}) {
        SCOPED_TRACE(c.Tag);
        form.other.Tag = c.Tag;
        SetFocus(form.accept.Handle());
        Skin();
        EXPECT_EQ(controls->Skins(form.other.Handle()), c.Skinned);
        EXPECT_TRUE(controls->Skins(form.accept.Handle()));
        const TPicture shown = ScreenPicture(form.other.Handle());
        if (c.Skinned) {
            EXPECT_EQ(shown.Differences(skinned), 0);
        } else {
            EXPECT_GT(shown.Differences(skinned), kWidth);
        }
        controls.reset();
    }
}

TEST_F(SkinButton, DetachingGivesTheButtonItsOwnLookAndClicksBack) {
    const TPicture own = ScreenPicture(form.accept.Handle());
    Skin();
    EXPECT_EQ(ScreenPicture(form.accept.Handle()).Differences(Expected({})), 0);
    EXPECT_GT(ScreenPicture(form.accept.Handle()).Differences(own), kWidth);
    controls.reset();
    EXPECT_EQ(ScreenPicture(form.accept.Handle()).Differences(own), 0);
    // The system's own button clicks again through its own procedure.
    SendMessageA(form.accept.Handle(), BM_CLICK, 0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(form.clicks, std::vector<std::string>{"Aceptar"});
}

TEST_F(SkinButton, ACompanionWhoseButtonIsDestroyedIsDropped) {
    Skin();
    EXPECT_EQ(controls->Count(), 2u);
    const HWND other = form.other.Handle();
    DestroyWindow(other);
    EXPECT_FALSE(controls->Skins(other));
    EXPECT_EQ(controls->Count(), 1u);
    controls->Refresh();
    controls->HoverTick();
    SetFocus(form.accept.Handle());
    EXPECT_EQ(ScreenPicture(form.accept.Handle()).Differences(Expected({false, false, true, true})), 0);
}

}  // namespace
