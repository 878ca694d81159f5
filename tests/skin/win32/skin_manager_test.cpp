// The skin manager on the thread's real windows: a window is skinned when activated, a form with Tag 99
// and child windows keep the system's frame, and a destroyed window's frame is let go.

#include "skin/win32/skin_manager.hpp"

#include <gtest/gtest.h>

#include "../embedded_model_support.hpp"
#include "widgets/win32/form.hpp"

namespace {

using namespace tips::skin;
using tips::skin::win32::TSkinManager;

void Pump(int rounds = 3) {
    MSG message;
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

class TTaggedForm : public tips::widgets::TForm {
public:
    explicit TTaggedForm(int tag) {
        Tag = tag;
        tips::widgets::TFormLayout layout;
        layout.className = "TSkinManagerProbe";
        layout.caption = "Probe";
        layout.width = 300;
        layout.height = 160;
        CreateForm(layout);
    }
};

bool HasSystemCaption(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }

void Activate(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Pump();
}

TEST(SkinManager, SkinsAFormWhenItIsActivatedAndLeavesTag99Alone) {
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), {});
    struct TCase {
        int tag;
        bool skinned;
    } const cases[] = {{0, true}, {99, false}, {98, true}, {-99, true}};
    for (const TCase& c : cases) {
        tips::widgets::TOwnedWindow<TTaggedForm> form(c.tag);
        EXPECT_FALSE(manager.Skinned(form.Handle())) << c.tag;
        Activate(form.Handle());
        EXPECT_EQ(manager.Skinned(form.Handle()), c.skinned) << c.tag;
        EXPECT_EQ(HasSystemCaption(form.Handle()), !c.skinned) << c.tag;
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 300) << c.tag;
        EXPECT_EQ(client.bottom, 160) << c.tag;
    }
}

TEST(SkinManager, LetsGoOfAWindowThatIsDestroyed) {
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), {});
    {
        tips::widgets::TOwnedWindow<TTaggedForm> form(0);
        Activate(form.Handle());
        ASSERT_TRUE(manager.Skinned(form.Handle()));
        EXPECT_EQ(manager.SkinnedCount(), 1u);
    }
    Pump();
    EXPECT_EQ(manager.SkinnedCount(), 0u);
}

TEST(SkinManager, OffersNothingWhenSwitchedOff) {
    TSkinChoiceRules off;
    off.ManagerOn = false;
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), off);
    tips::widgets::TOwnedWindow<TTaggedForm> form(0);
    Activate(form.Handle());
    EXPECT_FALSE(manager.Skinned(form.Handle()));
    EXPECT_TRUE(HasSystemCaption(form.Handle()));
}

TEST(SkinManager, AChildWindowIsNeverSkinned) {
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), {});
    tips::widgets::TOwnedWindow<TTaggedForm> form(0);
    Activate(form.Handle());
    const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, 0, 80, 40,
                                       form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(manager.Offer(child));
    EXPECT_TRUE(HasSystemCaption(child));
    DestroyWindow(child);
}

// The takeover moves the frame and the client area several times with redrawing switched off: a shown
// window must come out shown and painted whole, children too, and a hidden one must stay hidden.
TEST(SkinManager, TakingAWindowOverKeepsItShownOrHiddenAndRepaintsItWhole) {
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), {});
    for (const bool shown : {true, false}) {
        tips::widgets::TOwnedWindow<TTaggedForm> form(0);
        const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 40, form.Handle(),
                                           nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(child, nullptr);
        if (shown) ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(form.Handle());
        UpdateWindow(child);
        ASSERT_FALSE(GetUpdateRect(child, nullptr, FALSE));
        ASSERT_TRUE(manager.Offer(form.Handle())) << shown;
        EXPECT_EQ(IsWindowVisible(form.Handle()) != FALSE, shown);
        EXPECT_EQ((GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_VISIBLE) != 0, shown);
        // Shown: everything waits to be painted again, once.
        EXPECT_EQ(GetUpdateRect(form.Handle(), nullptr, FALSE) != FALSE, shown);
        EXPECT_EQ(GetUpdateRect(child, nullptr, FALSE) != FALSE, shown);
        DestroyWindow(child);
    }
}

TEST(SkinManager, OnlyOnePerProcess) {
    TSkinManager manager(tips::skin::testing::EmbeddedModel(), {});
    EXPECT_THROW(TSkinManager(tips::skin::testing::EmbeddedModel(), {}), std::logic_error);
}

}  // namespace
