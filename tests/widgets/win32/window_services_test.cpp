// The window services on one of our windows: what each call does to the real window, and that
// nothing happens before the window exists or after it is gone.

#include "widgets/win32/window_services.hpp"

#include <gtest/gtest.h>

#include <string>

#include "widgets/win32/application.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/form.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using tips::platform::TScrollArrows;
using tips::platform::TScrollBarKind;
using tips::platform::TViewRect;
using tips::platform::TViewScrollInfo;

// A child window with both scroll bars that counts what it is sent.
class TServedControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    int paints = 0;
    int framePaints = 0;
    int erases = 0;
    int timerTicks = 0;
    UINT_PTR lastTimer = 0;

protected:
    void CreateParams(TWindowParams& params) override {
        TWinControl::CreateParams(params);
        static const TWindowClass windowClass{"TServedControl"};
        params.windowClass = &windowClass;
        params.style |= WS_HSCROLL | WS_VSCROLL;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_PAINT: {
                ++paints;
                PAINTSTRUCT paint{};
                BeginPaint(Handle(), &paint);
                EndPaint(Handle(), &paint);
                return 0;
            }
            case WM_ERASEBKGND:
                ++erases;
                break;
            case WM_NCPAINT:
                ++framePaints;
                break;
            case WM_TIMER:
                ++timerTicks;
                lastTimer = wParam;
                return 0;
            default:
                break;
        }
        return TWinControl::WndProc(message, wParam, lParam);
    }
};

class TServicesForm : public TForm {
public:
    TServicesForm() {
        control.SetBounds(10, 10, 200, 150);
        other.SetBounds(220, 10, 50, 50);
        TFormLayout layout;
        layout.className = "TServicesForm";
        layout.caption = "Services";
        layout.width = 300;
        layout.height = 200;
        CreateForm(layout);
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
    }
    TServedControl control{this};
    TServedControl other{this};
};

RECT UpdateRect(HWND window) {
    RECT rect{};
    GetUpdateRect(window, &rect, FALSE);
    return rect;
}

bool SameRect(const RECT& a, const TViewRect& b) {
    return a.left == b.Left && a.top == b.Top && a.right == b.Right && a.bottom == b.Bottom;
}

class WindowServices : public ::testing::Test {
protected:
    TOwnedWindow<TServicesForm> form;
    TWin32WindowServices services{form.control};
    HWND handle = form.control.Handle();
};

TEST_F(WindowServices, ScrollInformationReachesTheBarAndAnUnneededBarHidesOnlyWhenAsked) {
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 40, false});
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(handle, SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMin, 1);
    EXPECT_EQ(scroll.nMax, 100);
    EXPECT_EQ(scroll.nPage, 25u);
    EXPECT_EQ(scroll.nPos, 40);

    // The page covers the range: kept (disabled) by default, hidden when the control says so.
    services.SetScrollInfo(TScrollBarKind::Horizontal, TViewScrollInfo{1, 10, 20, 1, false});
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_STYLE) & WS_HSCROLL);
    services.SetScrollInfo(TScrollBarKind::Horizontal, TViewScrollInfo{1, 10, 20, 1, true});
    EXPECT_FALSE(GetWindowLongPtrA(handle, GWL_STYLE) & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_STYLE) & WS_VSCROLL);
}

// A control sets its bars after every keystroke; only a change reaches the bar (each call redraws it).
// Each change of a bar is drawn through the window's own frame paint, where a skin paints over the
// standard bars: once for the changes of the message at hand, the client area left alone; a repeated
// call paints nothing.
TEST_F(WindowServices, ABarChangeRepaintsTheFrameOnceThroughTheWindowsOwnFramePaint) {
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 40, false});
    services.SetScrollInfo(TScrollBarKind::Horizontal, TViewScrollInfo{1, 100, 25, 6, false});
    Application().ProcessMessages();
    int seen = form.control.framePaints;
    const int paints = form.control.paints;
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 41, false});
    services.EnableScrollArrows(TScrollBarKind::Vertical, TScrollArrows::DisableFirst);
    services.SetScrollInfo(TScrollBarKind::Horizontal, TViewScrollInfo{1, 100, 25, 7, false});
    Application().ProcessMessages();
    EXPECT_EQ(form.control.framePaints, seen + 1) << "three changes, one frame paint";
    EXPECT_EQ(form.control.paints, paints);
    seen = form.control.framePaints;
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 41, false});
    Application().ProcessMessages();
    EXPECT_EQ(form.control.framePaints, seen) << "the same again";
}

TEST_F(WindowServices, ScrollInformationRepeatedIsNotPassedOnAgain) {
    const TViewScrollInfo info{1, 100, 25, 40, false};
    services.SetScrollInfo(TScrollBarKind::Vertical, info);
    SetScrollPos(handle, SB_VERT, 70, FALSE);
    services.SetScrollInfo(TScrollBarKind::Vertical, info);
    EXPECT_EQ(GetScrollPos(handle, SB_VERT), 70);
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 41, false});
    EXPECT_EQ(GetScrollPos(handle, SB_VERT), 41);

    // New scroll information may change what the arrows show: the same arrows are set again after it.
    services.EnableScrollArrows(TScrollBarKind::Vertical, TScrollArrows::DisableBoth);
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 200, 25, 41, false});
    EnableScrollBar(handle, SB_VERT, ESB_ENABLE_BOTH);
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 300, 25, 41, false});
    services.EnableScrollArrows(TScrollBarKind::Vertical, TScrollArrows::DisableBoth);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(handle, OBJID_VSCROLL, &bar));
    EXPECT_NE(bar.rgstate[1] & STATE_SYSTEM_UNAVAILABLE, 0u);
    EXPECT_NE(bar.rgstate[5] & STATE_SYSTEM_UNAVAILABLE, 0u);
}

struct ArrowCase {
    TScrollArrows arrows;
    bool firstEnabled;
    bool lastEnabled;
};

class WindowServicesArrows : public WindowServices, public ::testing::WithParamInterface<ArrowCase> {};

// Each state is set from the one before (all disabled), as a control does while it scrolls.
TEST_P(WindowServicesArrows, EnableTheArrowsAsAsked) {
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 100, 25, 40, false});
    services.EnableScrollArrows(TScrollBarKind::Vertical, TScrollArrows::DisableBoth);
    services.EnableScrollArrows(TScrollBarKind::Vertical, GetParam().arrows);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(handle, OBJID_VSCROLL, &info));
    // rgstate[1] is the up (first) arrow, rgstate[5] the down (last) one.
    EXPECT_EQ((info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) == 0, GetParam().firstEnabled);
    EXPECT_EQ((info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) == 0, GetParam().lastEnabled);
}

INSTANTIATE_TEST_SUITE_P(States, WindowServicesArrows,
                         ::testing::Values(ArrowCase{TScrollArrows::EnableBoth, true, true},
                                           ArrowCase{TScrollArrows::DisableBoth, false, false},
                                           ArrowCase{TScrollArrows::DisableFirst, false, true},
                                           ArrowCase{TScrollArrows::DisableLast, true, false}));

TEST_F(WindowServices, InvalidatesWithoutErasingAndPaintsAtOnceWhenAsked) {
    Application().ProcessMessages();
    form.control.erases = 0;
    const int paints = form.control.paints;
    services.Invalidate({5, 6, 50, 60});
    EXPECT_TRUE(SameRect(UpdateRect(handle), {5, 6, 50, 60}));
    services.Invalidate({0, 0, 0, 10});  // empty: nothing
    EXPECT_TRUE(SameRect(UpdateRect(handle), {5, 6, 50, 60}));

    services.UpdateNow();
    EXPECT_EQ(form.control.paints, paints + 1);
    EXPECT_EQ(form.control.erases, 0);
    EXPECT_TRUE(SameRect(UpdateRect(handle), {0, 0, 0, 0}));
}

TEST_F(WindowServices, AWindowThatLeavesPixelsToItsBackgroundHasItErased) {
    TWin32WindowServices erasing(form.control, TWin32WindowServices::TErase::Yes);
    Application().ProcessMessages();
    form.control.erases = 0;
    erasing.Invalidate({5, 6, 50, 60});
    erasing.UpdateNow();
    EXPECT_EQ(form.control.erases, 1);
}

TEST_F(WindowServices, APixelScrollLeavesTheUncoveredBandToRepaint) {
    Application().ProcessMessages();
    RECT client{};
    GetClientRect(handle, &client);
    const TViewRect all{0, 0, client.right, client.bottom};
    services.ScrollPixels(-16, all);  // up by one row of 16 pixels
    EXPECT_TRUE(SameRect(UpdateRect(handle), {0, client.bottom - 16, client.right, client.bottom}));
    services.UpdateNow();
    services.ScrollPixels(16, all);
    EXPECT_TRUE(SameRect(UpdateRect(handle), {0, 0, client.right, 16}));
}

TEST_F(WindowServices, FocusAndCaret) {
    services.TakeFocus();
    EXPECT_TRUE(services.HasFocus());
    EXPECT_EQ(GetFocus(), handle);

    services.CreateCaret(2, 14);
    services.MoveCaret(33, 17);
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 33);
    EXPECT_EQ(caret.y, 17);
    services.ShowCaret();
    services.HideCaret();
    services.DestroyCaret();

    SetFocus(form.other.Handle());
    EXPECT_FALSE(services.HasFocus());
}

TEST_F(WindowServices, CaptureIsTakenAndGivenBackOnlyByItsHolder) {
    services.CaptureMouse();
    EXPECT_TRUE(services.HasCapture());
    EXPECT_EQ(GetCapture(), handle);
    services.ReleaseMouse();
    EXPECT_FALSE(services.HasCapture());
    EXPECT_EQ(GetCapture(), nullptr);

    // Another window holds the mouse: releasing here leaves it alone.
    SetCapture(form.other.Handle());
    services.ReleaseMouse();
    EXPECT_EQ(GetCapture(), form.other.Handle());
    ReleaseCapture();
}

TEST_F(WindowServices, TimersTickUntilStopped) {
    services.StartTimer(7, 10);
    const DWORD start = GetTickCount();
    while (form.control.timerTicks == 0 && GetTickCount() - start < 2000) {
        Application().ProcessMessages();
        Sleep(5);
    }
    EXPECT_GT(form.control.timerTicks, 0);
    EXPECT_EQ(form.control.lastTimer, 7u);

    services.StopTimer(7);
    Application().ProcessMessages();
    const int ticks = form.control.timerTicks;
    Sleep(60);
    Application().ProcessMessages();
    EXPECT_EQ(form.control.timerTicks, ticks);
}

TEST_F(WindowServices, TheScrollHintIsMeasuredWithinItsWidthAndShownBesideTheControl) {
    const auto size = services.HintSize("Top Line: 12", 200);
    EXPECT_GT(size.Width, 0);
    EXPECT_LE(size.Width, 200);
    EXPECT_GT(size.Height, 0);
    // A longer text than fits wraps: narrower than asked, taller than one line.
    const auto wrapped = services.HintSize("Top Line: 12 Top Line: 12 Top Line: 12 Top Line: 12", 60);
    EXPECT_LE(wrapped.Width, 60);
    EXPECT_GT(wrapped.Height, size.Height);

    services.HintSize("Top Line: 12", 200);
    services.ShowHint("Top Line: 12", 100, 10);
    const HWND hint = FindWindowA("TScrollHint", nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(IsWindowVisible(hint));
    EXPECT_EQ(GetWindow(hint, GW_OWNER), Application().Handle());
    RECT placed{};
    GetWindowRect(hint, &placed);
    POINT expected{100, 10};
    ClientToScreen(handle, &expected);
    EXPECT_EQ(placed.left, expected.x);
    EXPECT_EQ(placed.top, expected.y);
    EXPECT_EQ(placed.right - placed.left, size.Width);
    EXPECT_EQ(placed.bottom - placed.top, size.Height);
    char text[64] = {};
    GetWindowTextA(hint, text, sizeof text);
    EXPECT_STREQ(text, "Top Line: 12");
    EXPECT_NE(GetFocus(), hint);

    services.HideHint();
    EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(WindowServices, DroppedFilesAreAcceptedAndRefused) {
    services.AcceptDroppedFiles(true);
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    services.AcceptDroppedFiles(false);
    EXPECT_FALSE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST(WindowServicesWithoutAWindow, DoNothingBeforeTheWindowIsMadeAndAfterItGoes) {
    TOwnedWindow<TServicesForm> form;
    TServedControl late{&form};  // its window is not made yet
    TWin32WindowServices services(late);
    EXPECT_FALSE(services.WindowExists());
    services.SetScrollInfo(TScrollBarKind::Vertical, TViewScrollInfo{1, 10, 2, 1, false});
    services.Invalidate({0, 0, 10, 10});
    services.TakeFocus();
    services.CaptureMouse();
    services.StartTimer(1, 10);
    services.ShowHint("x", 0, 0);
    EXPECT_FALSE(services.HasFocus());
    EXPECT_FALSE(services.HasCapture());
    EXPECT_EQ(GetCapture(), nullptr);

    late.HandleNeeded();
    EXPECT_TRUE(services.WindowExists());  // follows the window as it is made
    late.DestroyHandle();
    EXPECT_FALSE(services.WindowExists());
    services.CaptureMouse();
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
