#include "widgets/win32/control.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"

namespace {

using tips::platform::TViewRect;
using namespace tips::widgets;

// A Windows edit box that counts the change notifications it is handed by its parent.
class TProbeEdit final : public TWinControl {
public:
    explicit TProbeEdit(TWinControl* parent, int tabOrder) : TWinControl(parent) {
        SetTabStop(true);
        SetTabOrder(tabOrder);
    }
    int changes = 0;

protected:
    void CreateParams(TWindowParams& params) override {
        TWinControl::CreateParams(params);
        params.systemClass = "EDIT";
        params.style |= ES_AUTOHSCROLL;
    }
    LRESULT HandleCommand(WORD code) override {
        if (code == EN_CHANGE) ++changes;
        return 0;
    }
};

// A control that takes Tab itself, as the grid and the code editor do.
class TTabEater final : public TWinControl {
public:
    using TWinControl::TWinControl;
    int tabs = 0;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETDLGCODE) return DLGC_WANTTAB;
        if (message == WM_KEYDOWN && wParam == VK_TAB) ++tabs;
        return TWinControl::WndProc(message, wParam, lParam);
    }
};

class TProbeForm : public TForm {
public:
    TProbeForm() {
        area.SetAlign(TAlign::alBottom);
        area.SetAnchors(kAllAnchors);
        area.SetBounds(0, 40, 300, 160);
        first.SetBounds(10, 10, 200, 21);
        first.SetAnchors(akLeft | akTop | akRight);
        second.SetBounds(10, 40, 100, 21);
        third.SetBounds(10, 70, 100, 21);
        eater.SetBounds(10, 100, 100, 21);
        eater.SetTabStop(true);
        eater.SetTabOrder(3);
        TFormLayout layout;
        layout.className = "TControlProbeForm";
        layout.caption = "Probe";
        layout.width = 300;
        layout.height = 200;
        CreateForm(layout);
    }
    TWinControl area{this};
    TProbeEdit third{&area, 2};
    TProbeEdit first{&area, 0};
    TProbeEdit second{&area, 1};
    TTabEater eater{&area};
};

void Resize(TForm& form, int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE)), FALSE, 0);
    SetWindowPos(form.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PressTab(HWND target, bool shift) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(target, WM_KEYDOWN, VK_TAB, 1);
    Application().ProcessMessages();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

TEST(WinControl, PlacesChildrenAsDesignedAndFollowsTheWindowsSize) {
    TOwnedWindow<TProbeForm> form;
    EXPECT_EQ(form.area.BoundsRect(), (TViewRect{0, 40, 300, 200}));
    EXPECT_EQ(form.first.BoundsRect(), (TViewRect{10, 10, 210, 31}));

    Resize(form, 500, 300);
    EXPECT_EQ(form.area.BoundsRect(), (TViewRect{0, 40, 500, 300}));
    EXPECT_EQ(form.first.BoundsRect(), (TViewRect{10, 10, 410, 31}));   // anchored on the right: stretches
    EXPECT_EQ(form.second.BoundsRect(), (TViewRect{10, 40, 110, 61}));  // anchored left and top: stays

    Resize(form, 300, 200);
    EXPECT_EQ(form.first.BoundsRect(), (TViewRect{10, 10, 210, 31}));
}

TEST(WinControl, HandsAChildsNotificationsToIt) {
    TOwnedWindow<TProbeForm> form;
    SetWindowTextA(form.second.Handle(), "abc");
    EXPECT_EQ(form.second.changes, 1);
    EXPECT_EQ(form.first.changes, 0);
    EXPECT_EQ(form.second.Caption(), "abc");
}

TEST(Form, TabAndShiftTabFollowTheTabOrderAndWrap) {
    TOwnedWindow<TProbeForm> form;
    ShowWindow(form.Handle(), SW_SHOW);
    form.first.SetFocus();
    PressTab(form.first.Handle(), false);
    EXPECT_TRUE(form.second.Focused());
    PressTab(form.second.Handle(), false);
    EXPECT_TRUE(form.third.Focused());
    PressTab(form.third.Handle(), false);
    EXPECT_TRUE(form.eater.Focused());

    // A control that wants Tab keeps the key; the focus stays.
    PressTab(form.eater.Handle(), false);
    EXPECT_TRUE(form.eater.Focused());
    EXPECT_EQ(form.eater.tabs, 1);

    form.first.SetFocus();
    PressTab(form.first.Handle(), true);
    EXPECT_TRUE(form.eater.Focused());   // backwards from the first wraps to the last
}

TEST(WinControl, AHiddenControlIsSkippedByTab) {
    TOwnedWindow<TProbeForm> form;
    ShowWindow(form.Handle(), SW_SHOW);
    form.second.SetVisible(false);
    form.first.SetFocus();
    PressTab(form.first.Handle(), false);
    EXPECT_TRUE(form.third.Focused());
}

}  // namespace
