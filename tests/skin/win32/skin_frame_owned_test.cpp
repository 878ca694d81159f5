// Which styles the skinned frame takes from a window so that the system draws no caption parts of its
// own: an owned window (the about box, the preview, message boxes) keeps its caption and loses only
// its system menu and caption boxes, any other window loses the caption; both get them back.

#include "skin/win32/skin_form.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "../embedded_model_support.hpp"
#include "window_pixels.hpp"
#include "message_pump.hpp"

namespace {

using namespace tips::skin;
using tips::skin::testing::TWindowPixels;
using tips::skin::win32::TSkinContext;
using tips::skin::win32::TSkinForm;

constexpr LONG_PTR kStyle = WS_OVERLAPPEDWINDOW;

using tips::skin::testing::Pump;

HWND MakeWindow(HWND owner, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SkinFrameOwnedTestWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, kStyle, FALSE, 0);
    return CreateWindowExA(0, "SkinFrameOwnedTestWindow", "Acerca de", kStyle, 60, 60, rect.right - rect.left,
                           rect.bottom - rect.top, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

class SkinFrameStyles : public ::testing::Test {
protected:
    void TearDown() override {
        form_.reset();
        if (window_) DestroyWindow(window_);
        if (owner_) DestroyWindow(owner_);
    }
    void Attach(bool owned) {
        if (owned) owner_ = MakeWindow(nullptr, 300, 200);
        window_ = MakeWindow(owner_, kClientWidth, kClientHeight);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        SetActiveWindow(window_);
        Pump();
        form_.emplace(window_, TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps_, properties_});
        ASSERT_TRUE(form_->Attached());
        Pump();
    }
    LONG_PTR Style() const { return GetWindowLongPtrA(window_, GWL_STYLE); }
    SIZE ClientSize() const {
        RECT client{};
        GetClientRect(window_, &client);
        return {client.right, client.bottom};
    }

    static constexpr int kClientWidth = 360;
    static constexpr int kClientHeight = 180;
    TSkinBitmapCache bitmaps_;
    TSkinSourceProperties properties_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    std::optional<TSkinForm> form_;
};

TEST_F(SkinFrameStyles, OwnedWindowsLoseOnlyTheirBoxesAndOthersTheirCaptionBothGetThemBack) {
    struct TCase {
        bool owned;
        LONG_PTR removed;
        LONG_PTR kept;
    } const cases[] = {
        {true, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_CAPTION | WS_THICKFRAME},
        {false, WS_CAPTION, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
    };
    for (const TCase& c : cases) {
        Attach(c.owned);
        const LONG_PTR before = kStyle;
        EXPECT_EQ(Style() & c.removed, 0) << c.owned;
        EXPECT_EQ(Style() & c.kept, c.kept) << c.owned;
        EXPECT_EQ(ClientSize().cx, kClientWidth) << c.owned;
        EXPECT_EQ(ClientSize().cy, kClientHeight) << c.owned;
        // The frame still offers the buttons the window's own styles ask for.
        EXPECT_GE(form_->Geometry().Buttons.size(), 3u) << c.owned;
        form_.reset();
        EXPECT_EQ(Style() & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
                  before & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))
            << c.owned;
        EXPECT_EQ(ClientSize().cx, kClientWidth) << c.owned;
        EXPECT_EQ(ClientSize().cy, kClientHeight) << c.owned;
        TearDown();
        window_ = owner_ = nullptr;
    }
}

TEST_F(SkinFrameStyles, OwnedWindowsCaptionStaysTheSkinsThroughTextAndActivationChanges) {
    Attach(true);
    const TFrameLayout layout = form_->Geometry().Layout;
    const auto caption = [&] {
        const TWindowPixels pixels(window_);
        std::vector<Rgb> row;
        for (int y = layout.Caption.Top; y < layout.Caption.Bottom; ++y)
            for (int x = layout.Caption.Left; x < layout.Caption.Right; ++x) row.push_back(pixels.At(x, y));
        return row;
    };
    SendMessageA(window_, WM_NCACTIVATE, TRUE, 0);
    const std::vector<Rgb> skinned = caption();
    SetWindowTextA(window_, "Un texto que el sistema pintaria en su barra");
    SendMessageA(window_, WM_NCACTIVATE, FALSE, 0);
    const std::vector<Rgb> inactive = caption();
    SendMessageA(window_, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_TRUE(caption() == skinned);
    // The inactive frame is a different picture, so the comparison can see a change.
    EXPECT_FALSE(inactive == skinned);
}

}  // namespace
