// The main window's controls at their designed places, and how they follow the window's size.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/win32/form1.hpp"
#include "main_window_fixture.hpp"
#include "widgets/win32/application.hpp"

namespace {

using tips::app::TForm1;
using tips::widgets::TOwnedWindow;
using tips::platform::TViewRect;
using tips_test::MainWindow;

using Layout = MainWindow;

TViewRect ClientRect(const tips::widgets::TWinControl& control) {
    RECT rect{};
    GetClientRect(control.Handle(), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void ResizeClient(TForm1& form, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE)), TRUE, 0);
    SetWindowPos(form.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(Layout, EveryControlStandsWhereItWasDesigned) {
    TOwnedWindow<TForm1> form(Executable());
    EXPECT_EQ(form.PnlToolbar.BoundsRect(), (TViewRect{8, -2, 129, 25}));
    EXPECT_EQ(form.BtnPrint.BoundsRect(), (TViewRect{6, 2, 31, 27}));
    EXPECT_EQ(form.BtnCut.BoundsRect(), (TViewRect{39, 2, 64, 27}));
    EXPECT_EQ(form.BtnCopy.BoundsRect(), (TViewRect{64, 2, 89, 27}));
    EXPECT_EQ(form.BtnPaste.BoundsRect(), (TViewRect{89, 2, 114, 27}));
    EXPECT_EQ(form.BtnCut.Hint(), "Cortar");
    EXPECT_EQ(form.PnlSplitter.BoundsRect(), (TViewRect{0, 0, 6, 32}));
    EXPECT_EQ(form.StatusBar1.BoundsRect(), (TViewRect{0, 424, 687, 443}));
    EXPECT_EQ(form.ExtSplitterPanel1.BoundsRect(), (TViewRect{0, 32, 687, 424}));

    // The bar at 45 % of 677 pixels: the left pane 304 wide, the bar 10, the right pane the rest.
    EXPECT_EQ(form.ExtSplitterPane1.BoundsRect(), (TViewRect{0, 0, 304, 392}));
    EXPECT_EQ(ClientRect(form.ExtSplitterPane1), (TViewRect{0, 0, 300, 388}));
    EXPECT_EQ(form.ExtSplitterPane2.BoundsRect(), (TViewRect{314, 0, 687, 392}));
    EXPECT_EQ(ClientRect(form.ExtSplitterPane2), (TViewRect{0, 0, 369, 388}));

    EXPECT_EQ(form.radio1.BoundsRect(), (TViewRect{0, 0, 129, 33}));
    EXPECT_EQ(form.Edit1.BoundsRect(), (TViewRect{134, 9, 295, 30}));
    EXPECT_EQ(form.DBGrid1.BoundsRect(), (TViewRect{0, 40, 300, 388}));
}

TEST_F(Layout, TheWorkingAreaAndItsPanesFollowTheWindowInProportion) {
    TOwnedWindow<TForm1> form(Executable());
    ResizeClient(form, 1000, 600);
    EXPECT_EQ(form.StatusBar1.BoundsRect(), (TViewRect{0, 581, 1000, 600}));
    EXPECT_EQ(form.ExtSplitterPanel1.BoundsRect(), (TViewRect{0, 32, 1000, 581}));
    EXPECT_EQ(form.PnlToolbar.BoundsRect(), (TViewRect{8, -2, 129, 25}));
    // 45 % of 990 pixels.
    EXPECT_EQ(form.ExtSplitterPane1.BoundsRect(), (TViewRect{0, 0, 445, 549}));
    EXPECT_EQ(form.ExtSplitterPane2.BoundsRect(), (TViewRect{455, 0, 1000, 549}));
    // Inside the left pane (client 441 x 545) the search box stretches and the grid fills the rest.
    EXPECT_EQ(form.radio1.BoundsRect(), (TViewRect{0, 0, 129, 33}));
    EXPECT_EQ(form.Edit1.BoundsRect(), (TViewRect{134, 9, 436, 30}));
    EXPECT_EQ(form.DBGrid1.BoundsRect(), (TViewRect{0, 40, 441, 545}));

    ResizeClient(form, 687, 443);
    EXPECT_EQ(form.ExtSplitterPane1.BoundsRect(), (TViewRect{0, 0, 304, 392}));
    EXPECT_EQ(form.DBGrid1.BoundsRect(), (TViewRect{0, 40, 300, 388}));
}

TEST_F(Layout, TheTabOrderRunsFromTheGridToTheRadioGroupAndTheSearchBox) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.DBGrid1.SetFocus();
    form.SelectNext(true);   // the grid keeps Tab for itself; this is where the next stop lies
    EXPECT_EQ(GetFocus(), form.radio1.ButtonHandle(1));   // the selected item
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);     // a radio button leaves Tab to the form
    tips::widgets::Application().ProcessMessages();
    EXPECT_TRUE(form.Edit1.Focused());
    form.SelectNext(false);
    EXPECT_EQ(GetFocus(), form.radio1.ButtonHandle(1));
}

TEST_F(Layout, TheFocusStartsInTheGridAndComesBackWhereItWasAfterAnotherWindow) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    SetActiveWindow(form.Handle());
    EXPECT_TRUE(form.DBGrid1.Focused());

    form.Edit1.SetFocus();
    const HWND other = CreateWindowExA(0, "STATIC", "otra", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(other);
    ASSERT_NE(GetFocus(), form.Edit1.Handle());
    SetActiveWindow(form.Handle());
    EXPECT_TRUE(form.Edit1.Focused());
    DestroyWindow(other);
}

TEST_F(Layout, ToolbarButtonsStayOurControlsThoughTheirTooltipsSubclassThem) {
    TOwnedWindow<TForm1> form(Executable());
    EXPECT_EQ(tips::widgets::TWinControl::FindControl(form.BtnPaste.Handle()), &form.BtnPaste);
    EXPECT_EQ(tips::widgets::TWinControl::FindControl(form.Edit1.Handle()), &form.Edit1);
}

TEST_F(Layout, TheStatusBarHasItsTwoPanelsEmpty) {
    TOwnedWindow<TForm1> form(Executable());
    ASSERT_EQ(form.StatusBar1.PanelCount(), 2);
    int edges[2]{};
    ASSERT_EQ(SendMessageA(form.StatusBar1.Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(form.StatusBar1.PanelText(0), "");
}

TEST_F(Layout, TheMenuBarHoldsTheThreeMenusWithTheirShortcutTexts) {
    TOwnedWindow<TForm1> form(Executable());
    const HMENU bar = GetMenu(form.Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    char text[64]{};
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Edici\xF3n");
    const HMENU edicion = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(edicion), 10);
    GetMenuStringA(edicion, 6, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Borrar\tCtrl+Supr");
    GetMenuStringA(edicion, 9, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Rehacer");
    ASSERT_NE(form.MainMenu1.Find("Deshacer2"), nullptr);
    EXPECT_EQ(form.MainMenu1.Find("Deshacer2")->ShortCut, 16474);
}

}  // namespace
