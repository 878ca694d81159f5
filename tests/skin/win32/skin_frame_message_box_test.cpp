// A message box under the skinned frame is widened when its caption would not fit the skin's title
// bar, its children moved right by half the extra width; one whose caption fits keeps its width.

#include "skin/win32/skin_form.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../embedded_model_support.hpp"
#include "message_pump.hpp"

namespace {

using namespace tips::skin;
using tips::skin::win32::TSkinContext;
using tips::skin::win32::TSkinForm;

using tips::skin::testing::Pump;

int WidthOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int LeftInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

TEST(SkinFrameMessageBox, WidenedOnlyWhenTheCaptionDoesNotFitChildrenKeptCentred) {
    struct TCase {
        std::string caption;
        bool widened;
    } const cases[] = {
        {"Tips", false},
        {std::string(70, 'M'), true},
    };
    for (const TCase& c : cases) {
        const HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", c.caption.c_str(),
                                         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50, 200, 120, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(box, nullptr);
        const HWND button = CreateWindowExA(0, "BUTTON", "Aceptar", WS_CHILD | WS_VISIBLE, 60, 50, 70, 24, box,
                                            nullptr, GetModuleHandleA(nullptr), nullptr);
        SetActiveWindow(box);
        Pump();
        const int buttonLeft = LeftInParent(button);
        RECT client{};
        GetClientRect(box, &client);
        TSkinBitmapCache bitmaps;
        TSkinSourceProperties properties;
        std::optional<TSkinForm> form;
        form.emplace(box, TSkinContext{tips::skin::testing::EmbeddedModel(), bitmaps, properties});
        ASSERT_TRUE(form->Attached());
        Pump();
        // The frame is put on keeping the client width: what is wider than that came from the caption.
        const int framed = client.right + form->Metrics().Left + form->Metrics().Right;
        const int extra = WidthOf(box) - framed;
        if (c.widened) {
            EXPECT_GT(extra, 100) << c.caption;
            EXPECT_EQ(LeftInParent(button) - buttonLeft, extra / 2) << c.caption;
        } else {
            EXPECT_EQ(extra, 0) << c.caption;
            EXPECT_EQ(LeftInParent(button), buttonLeft) << c.caption;
        }
        form.reset();
        DestroyWindow(box);
    }
}

}  // namespace
