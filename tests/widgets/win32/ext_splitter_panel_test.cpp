// The splitter panel in a real window: placement of its panes, dragging and clicking with mouse
// messages, the cursor, and the bar's pixels read back from the screen.

#include "widgets/win32/ext_splitter_panel.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "widgets/win32/ext_splitter_pane.hpp"
#include "widgets/win32/form.hpp"

namespace {

using tips::platform::TViewRect;
using namespace tips::widgets;

// The main window's working area as it stores it: panel 687 x 392, one bar at 304 / 45 %, 10 wide,
// grip with arrows, no bevel; a grid-like control anchored on all sides in the left pane.
class TSplitterForm : public TForm {
public:
    TSplitterForm() {
        panel.SetBounds(0, 0, 687, 392);
        panel.SetAlign(TAlign::alClient);
        panel.SetBevelWidth(0);
        TExtSplitterBarItem& bar = panel.Bars(0);
        bar.SetOldPosition(-1);
        bar.SetPosition(304);
        bar.SetPosPercent(45);
        bar.SetResizeButtonStyle(TExtResizeButtonStyle::rbsGripWithArrows);
        bar.SetWidth(10);
        grid.SetBounds(0, 40, 300, 348);
        grid.SetAnchors(kAllAnchors);
        panel.OnSplitChange = [this](TExtSplitterPanel& sender, int index) {
            EXPECT_EQ(&sender, &panel);
            splitChanges.push_back(index);
        };
        TFormLayout layout;
        layout.className = "TSplitterProbeForm";
        layout.caption = "Splitter";
        layout.width = 687;
        layout.height = 392;
        CreateForm(layout);
    }

    TExtSplitterPanel panel{this};
    TExtSplitterPane left{&panel};
    TExtSplitterPane right{&panel};
    TWinControl grid{&left};
    std::vector<int> splitChanges;
};

void Resize(TForm& form, int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE)), FALSE, 0);
    SetWindowPos(form.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LPARAM At(int x, int y) {
    return static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(y)) << 16) | static_cast<WORD>(x));
}

void Press(const TExtSplitterPanel& panel, int x, int y) { SendMessageA(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void Drag(const TExtSplitterPanel& panel, int x, int y) { SendMessageA(panel.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
void Release(const TExtSplitterPanel& panel, int x, int y) { SendMessageA(panel.Handle(), WM_LBUTTONUP, 0, At(x, y)); }
void Hover(const TExtSplitterPanel& panel, int x, int y) { SendMessageA(panel.Handle(), WM_MOUSEMOVE, 0, At(x, y)); }

SIZE ClientOf(const TWinControl& control) {
    RECT rect{};
    GetClientRect(control.Handle(), &rect);
    return {rect.right, rect.bottom};
}

int WidthOf(const TWinControl& control) { return control.Width(); }

// Shows the form and paints everything now, so pixels can be read back.
void ShowAndPaint(TForm& form) {
    ShowWindow(form.Handle(), SW_SHOWNA);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

COLORREF PixelAt(const TWinControl& control, int x, int y) {
    const HDC dc = GetDC(control.Handle());
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(control.Handle(), dc);
    return color;
}

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGray = RGB(128, 128, 128);

TEST(ExtSplitterPanel, StoredSettingsGiveTheLeftPane304Pixels) {
    TOwnedWindow<TSplitterForm> form;
    EXPECT_EQ(form.panel.PaneCount(), 2);
    EXPECT_EQ(form.left.PaneIndex(), 0);
    EXPECT_EQ(form.right.PaneIndex(), 1);
    EXPECT_EQ(form.panel.Bars(0).Position(), 304);
    EXPECT_EQ(form.left.BoundsRect(), (TViewRect{0, 0, 304, 392}));
    EXPECT_EQ(form.right.BoundsRect(), (TViewRect{314, 0, 687, 392}));
    // The sunken client edge takes 2 pixels on each side.
    EXPECT_EQ(ClientOf(form.left).cx, 300);
    EXPECT_EQ(ClientOf(form.left).cy, 388);
    EXPECT_EQ(ClientOf(form.right).cx, 369);
    EXPECT_EQ(form.grid.BoundsRect(), (TViewRect{0, 40, 300, 388}));
}

TEST(ExtSplitterPanel, WiderWindowKeepsThePercentageAndTheAnchoredChildFollows) {
    TOwnedWindow<TSplitterForm> form;
    Resize(form, 1000, 392);
    EXPECT_EQ(WidthOf(form.left), 445);
    EXPECT_EQ(form.right.BoundsRect(), (TViewRect{455, 0, 1000, 392}));
    EXPECT_EQ(form.grid.BoundsRect(), (TViewRect{0, 40, 441, 388}));
    Resize(form, 687, 392);
    EXPECT_EQ(WidthOf(form.left), 304);
    EXPECT_EQ(form.grid.BoundsRect(), (TViewRect{0, 40, 300, 388}));
}

TEST(ExtSplitterPanel, DragMovesThePanesOnReleaseAndStopsAtBothEdges) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    Press(form.panel, 308, 100);
    EXPECT_TRUE(form.panel.Dragging());
    EXPECT_EQ(GetCapture(), form.panel.Handle());
    Drag(form.panel, -200, 100);
    EXPECT_EQ(form.panel.Bars(0).DragPosition(), 0);
    EXPECT_EQ(WidthOf(form.left), 304);  // the ghost moves, the panes wait
    Drag(form.panel, 10, 100);
    EXPECT_EQ(form.panel.Bars(0).DragPosition(), 6);
    Drag(form.panel, 2000, 100);
    EXPECT_EQ(form.panel.Bars(0).DragPosition(), 677);
    Release(form.panel, 2000, 100);
    EXPECT_FALSE(form.panel.Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(WidthOf(form.left), 677);
    EXPECT_EQ(WidthOf(form.right), 0);
    EXPECT_EQ(form.splitChanges, std::vector<int>{0});

    Press(form.panel, 680, 100);
    Drag(form.panel, 356, 100);
    Release(form.panel, 356, 100);
    EXPECT_EQ(WidthOf(form.left), 353);  // the exact pixel...
    Resize(form, 687, 392);
    Resize(form, 687, 391);
    EXPECT_EQ(WidthOf(form.left), 52 * 677 / 100);  // ...until the next relayout
}

TEST(ExtSplitterPanel, GripClickCollapsesTheLeftPaneAndTheNextRestoresIt) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    Press(form.panel, 308, 195);
    Release(form.panel, 309, 195);
    EXPECT_EQ(form.panel.Bars(0).PosPercent(), 0);
    EXPECT_EQ(form.panel.Bars(0).Position(), 0);
    EXPECT_EQ(form.panel.Bars(0).OldPosition(), 304);
    EXPECT_EQ(WidthOf(form.left), 0);
    EXPECT_TRUE(form.splitChanges.empty());

    ShowAndPaint(form);
    // The arrows turned: now they point right, tip at x = 4, base at x = 2.
    EXPECT_EQ(PixelAt(form.panel, 2, 174), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 3, 176), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 4, 176), kBlack);
    EXPECT_NE(PixelAt(form.panel, 5, 176), kBlack);

    SendMessageA(form.panel.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(4, 195));  // a quick second click
    Release(form.panel, 4, 195);
    EXPECT_EQ(form.panel.Bars(0).OldPosition(), -1);
    EXPECT_EQ(form.panel.Bars(0).PosPercent(), 45);
    EXPECT_EQ(WidthOf(form.left), 304);
}

TEST(ExtSplitterPanel, BarShowsARaisedGripWithDotsAndLeftArrows) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(PixelAt(form.panel, 306, 100), face);  // the bar away from the grip
    // Frame round (304, 171) - (314, 221): gray outline, white inner top and left lines.
    EXPECT_EQ(PixelAt(form.panel, 304, 171), kGray);
    EXPECT_EQ(PixelAt(form.panel, 313, 220), kGray);
    EXPECT_EQ(PixelAt(form.panel, 305, 172), kWhite);
    EXPECT_EQ(PixelAt(form.panel, 312, 172), kWhite);
    EXPECT_EQ(PixelAt(form.panel, 305, 219), kWhite);
    EXPECT_EQ(PixelAt(form.panel, 306, 190), face);
    // Dots: 2 x 2 at x = 308 from y = 182 every 4 pixels, the top-left pixel white.
    for (int y = 182; y <= 210; y += 4) {
        EXPECT_EQ(PixelAt(form.panel, 308, y), kWhite) << y;
        EXPECT_EQ(PixelAt(form.panel, 309, y), shadow) << y;
        EXPECT_EQ(PixelAt(form.panel, 308, y + 1), shadow) << y;
        EXPECT_EQ(PixelAt(form.panel, 309, y + 1), shadow) << y;
        EXPECT_EQ(PixelAt(form.panel, 308, y + 2), face) << y;
    }
    // Left-pointing arrows: tip (308, 176), base x = 310 from y = 174 to 178; the same at the bottom.
    EXPECT_EQ(PixelAt(form.panel, 308, 176), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 310, 174), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 310, 178), kBlack);
    EXPECT_NE(PixelAt(form.panel, 307, 176), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 308, 216), kBlack);
    EXPECT_EQ(PixelAt(form.panel, 310, 214), kBlack);
}

TEST(ExtSplitterPanel, HoverDarkensTheGripAndShowsTheArrowCursor) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    Hover(form.panel, 308, 195);
    EXPECT_TRUE(form.panel.Bars(0).Hot());
    ShowAndPaint(form);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(PixelAt(form.panel, 306, 190), face);    // x + y even: kept
    EXPECT_EQ(PixelAt(form.panel, 306, 191), kBlack);  // odd: darkened
    EXPECT_EQ(PixelAt(form.panel, 312, 200), face);
    EXPECT_EQ(PixelAt(form.panel, 308, 182), kWhite);  // the dots are drawn on top
    Hover(form.panel, 308, 100);
    EXPECT_FALSE(form.panel.Bars(0).Hot());
    ShowAndPaint(form);
    EXPECT_EQ(PixelAt(form.panel, 306, 191), face);
}

LPCSTR CursorShape(const TExtSplitterPanel& panel, int x, int y) {
    POINT point{x, y};
    ClientToScreen(panel.Handle(), &point);
    SendMessageA(panel.Handle(), WM_NCHITTEST, 0, At(point.x, point.y));
    SetCursor(nullptr);
    SendMessageA(panel.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel.Handle()), MAKELONG(HTCLIENT, WM_MOUSEMOVE));
    const HCURSOR shown = GetCursor();
    for (LPCSTR shape : {IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_ARROW}) {
        if (shown == LoadCursorA(nullptr, shape)) return shape;
    }
    return nullptr;
}

TEST(ExtSplitterPanel, CursorSplitsOnTheBarAndIsTheArrowOnTheGrip) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    EXPECT_EQ(CursorShape(form.panel, 308, 100), IDC_SIZEWE);
    EXPECT_EQ(CursorShape(form.panel, 308, 195), IDC_ARROW);
    form.panel.Bars(0).SetLocked(true);
    EXPECT_EQ(CursorShape(form.panel, 308, 100), IDC_ARROW);  // the class cursor
    Press(form.panel, 308, 100);
    EXPECT_FALSE(form.panel.Dragging());
    Release(form.panel, 308, 100);
}

TEST(ExtSplitterPanel, ShortBarClipsTheGrip) {
    TOwnedWindow<TSplitterForm> form;
    Resize(form, 687, 30);
    ShowAndPaint(form);
    EXPECT_EQ(form.panel.Bars(0).GripButtonRect(), (TViewRect{304, 0, 314, 30}));
    EXPECT_EQ(PixelAt(form.panel, 304, 0), kGray);
    EXPECT_EQ(PixelAt(form.panel, 304, 29), kGray);
    EXPECT_EQ(PixelAt(form.panel, 308, 11), kWhite);
    EXPECT_EQ(PixelAt(form.panel, 308, 19), kWhite);
}

TEST(ExtSplitterPanel, HiddenPaneLeavesTheOtherTheWholePanel) {
    TOwnedWindow<TSplitterForm> form;
    form.panel.SetPaneVisible(0, false);
    EXPECT_EQ(form.panel.BarCount(), 0);
    EXPECT_EQ(form.right.BoundsRect(), (TViewRect{0, 0, 687, 392}));
    form.panel.SetPaneVisible(0, true);
    EXPECT_EQ(form.left.BoundsRect(), (TViewRect{0, 0, 304, 392}));
    EXPECT_EQ(form.right.BoundsRect(), (TViewRect{314, 0, 687, 392}));
}

COLORREF ScreenPixel(const TWinControl& control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control.Handle(), &point);
    const HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

TEST(ExtSplitterPanel, GhostIsTheBarInvertedOnTheScreenUntilRelease) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    const COLORREF inside = ScreenPixel(form.panel, 350, 100);
    const COLORREF outside = ScreenPixel(form.panel, 360, 100);
    const COLORREF bar = ScreenPixel(form.panel, 304, 100);
    Press(form.panel, 308, 100);
    EXPECT_EQ(ScreenPixel(form.panel, 304, 100), bar ^ 0xFFFFFF);  // first over the bar
    Drag(form.panel, 354, 100);  // the ghost covers x = 350 to 359
    EXPECT_EQ(ScreenPixel(form.panel, 350, 100), inside ^ 0xFFFFFF);
    EXPECT_EQ(ScreenPixel(form.panel, 359, 100), inside ^ 0xFFFFFF);
    EXPECT_EQ(ScreenPixel(form.panel, 360, 100), outside);
    EXPECT_EQ(ScreenPixel(form.panel, 304, 100), bar);  // erased where it was
    Release(form.panel, 354, 100);
    ShowAndPaint(form);
    // No ghost left: the bar itself is there now.
    EXPECT_EQ(ScreenPixel(form.panel, 350, 100), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ScreenPixel(form.panel, 359, 100), GetSysColor(COLOR_BTNFACE));
}

TEST(ExtSplitterPanel, LosingTheMouseMidDragErasesTheGhostAndKeepsThePanes) {
    TOwnedWindow<TSplitterForm> form;
    ShowAndPaint(form);
    const COLORREF inside = ScreenPixel(form.panel, 350, 100);
    Press(form.panel, 308, 100);
    Drag(form.panel, 354, 100);
    ASSERT_EQ(ScreenPixel(form.panel, 350, 100), inside ^ 0xFFFFFF);
    SetCapture(form.Handle());   // another window takes the mouse
    EXPECT_FALSE(form.panel.Dragging());
    EXPECT_EQ(ScreenPixel(form.panel, 350, 100), inside);
    ReleaseCapture();
    Release(form.panel, 354, 100);
    EXPECT_EQ(form.panel.Bars(0).Position(), 304);
}

}  // namespace
