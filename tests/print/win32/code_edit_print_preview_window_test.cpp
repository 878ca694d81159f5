// The print preview control's window: the small page outline without an engine, the scroll bars of
// each scale, paging and the scroll hint from the vertical bar on the whole page, scrolling by the
// bars at a percentage, and the mouse presses it reports.

#include "print/win32/code_edit_print_preview_window.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../print_test_support.hpp"
#include "highlight/vb_highlighter.hpp"
#include "print/code_edit_print_form.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/scroll_hint.hpp"
#include "win32/client_capture.hpp"

namespace {

using namespace tips::widgets;
using tips::print::TCodeEditPrintPreviewWindow;
using tips::print::TCodePreviewScale;
using tips_test::TClientCapture;

class THostForm : public TForm {
public:
    THostForm() {
        preview.Name = "CodeEditPrintPreview";
        TFormLayout layout;
        layout.className = "TPreviewHostForm";
        layout.caption = "Preview host";
        // The preview's client area is 567 x 377 inside its edge and beside its vertical bar.
        layout.width = 567 + 4 + GetSystemMetrics(SM_CXVSCROLL);
        layout.height = 377 + 4;
        CreateForm(layout);
    }
    TCodeEditPrintPreviewWindow preview{this};
};

SCROLLINFO ScrollInfoOf(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class PreviewControl : public ::testing::Test {
protected:
    PreviewControl() {
        tips::print::ConfigureCodeEditPrint1(engine, &highlighter);
        std::string text;
        for (int i = 1; i <= 150; ++i) text += "Dim x" + std::to_string(i) + " ' line\r\n";
        engine.Lines().SetText(text);
        ShowWindow(form.Handle(), SW_SHOW);
        Pump();
    }
    HWND Handle() const { return form.preview.Handle(); }
    tips::print::TCodeEditPrintPreview& Core() { return form.preview.Preview(); }
    void Link() {
        Core().SetCodeEditPrint(&engine);
        form.preview.RefreshLayout();
    }

    tips::testing::TFakePrinterPort printer{std::nullopt};
    tips::highlight::TVBHighlighter highlighter;
    tips::print::TCodeEditPrint engine;
    TOwnedWindow<THostForm> form;
};

TEST_F(PreviewControl, WithoutAnEngineShowsOnlyTheSmallPageOutline) {
    InvalidateRect(Handle(), nullptr, FALSE);
    const TClientCapture picture(Handle());
    const COLORREF grey = GetSysColor(COLOR_APPWORKSPACE);
    EXPECT_EQ(picture.At(12, 12), RGB(0, 0, 0));
    EXPECT_EQ(picture.At(41, 54), RGB(0, 0, 0));
    EXPECT_EQ(picture.At(27, 33), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(43, 56), grey);
    EXPECT_EQ(picture.At(300, 200), grey);
}

TEST_F(PreviewControl, TheWholePageFitsTheWindowAndItsBarPagesThroughTheDocument) {
    Core().SetScaleMode(TCodePreviewScale::pscWholePage);
    Link();
    SIZE client = form.preview.ClientSize();
    ASSERT_EQ(client.cx, 567);
    ASSERT_EQ(client.cy, 377);
    EXPECT_EQ(Core().SheetHeight(), 351);
    EXPECT_EQ(Core().SheetWidth(), 248);
    EXPECT_EQ(Core().SheetLeft(), 12 + (567 - 248 - 26) / 2);
    const int pages = engine.PageCount();
    ASSERT_EQ(pages, 3);
    // No horizontal bar; the vertical one ranges over the pages.
    EXPECT_EQ(GetWindowLongA(Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    SCROLLINFO vertical = ScrollInfoOf(Handle(), SB_VERT);
    EXPECT_EQ(vertical.nMin, 1);
    EXPECT_EQ(vertical.nMax, pages);
    EXPECT_EQ(vertical.nPage, 1u);
    EXPECT_EQ(vertical.nPos, 1);

    std::vector<int> events;
    Core().OnPreviewPage = [&](tips::print::TCodeEditPrintPreview&, int page) { events.push_back(page); };
    SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);  // stays on the last page
    SendMessageA(Handle(), WM_VSCROLL, SB_TOP, 0);
    SendMessageA(Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageA(Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(events, (std::vector<int>{2, 3, 3, 1, 3, 2}));
    EXPECT_EQ(ScrollInfoOf(Handle(), SB_VERT).nPos, 2);
    // The horizontal bar and the wheel do nothing here.
    SendMessageA(Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    SendMessageA(Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(Core().ScrollX(), 0);
    EXPECT_EQ(Core().ScrollY(), 0);
    EXPECT_EQ(Core().CurrentPage(), 2);
}

TEST_F(PreviewControl, DraggingThePageThumbShowsThePageInTheHintUntilTheScrollEnds) {
    Core().SetScaleMode(TCodePreviewScale::pscWholePage);
    Link();
    // The thumb is where the bar says; dragging it to page 3.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = 3;
    SetScrollInfo(Handle(), SB_VERT, &info, FALSE);
    // Outside a real drag the bar's track position is the thumb's position, which the control reads.
    SendMessageA(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), 0);
    const HWND hint = ScrollHint().Handle();
    EXPECT_EQ(Core().CurrentPage(), 3);
    {
        EXPECT_TRUE(IsWindowVisible(hint));
        char text[64]{};
        GetWindowTextA(hint, text, sizeof text);
        EXPECT_STREQ(text, "Page: 3");
        RECT hintRect{};
        GetWindowRect(hint, &hintRect);
        RECT control{};
        GetClientRect(Handle(), &control);
        MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&control), 2);
        EXPECT_EQ(hintRect.right, control.right - 4);
        EXPECT_EQ(hintRect.top, control.top + 10);
    }
    SendMessageA(Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(PreviewControl, AtAPercentageBothBarsScrollTheSheet) {
    Link();
    Core().SetScalePercent(200);
    ASSERT_EQ(Core().ScaleMode(), TCodePreviewScale::pscUserScaled);
    const SIZE client = form.preview.ClientSize();
    SCROLLINFO horizontal = ScrollInfoOf(Handle(), SB_HORZ);
    EXPECT_EQ(horizontal.nMax, Core().ExtentWidth());
    EXPECT_EQ(horizontal.nPage, static_cast<UINT>(client.cx));
    SCROLLINFO vertical = ScrollInfoOf(Handle(), SB_VERT);
    EXPECT_EQ(vertical.nMax, Core().ExtentHeight());
    EXPECT_EQ(vertical.nPage, static_cast<UINT>(client.cy));

    SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Core().ScrollY(), -(client.cy / 10));
    SendMessageA(Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Core().ScrollY(), -(client.cy / 10) - client.cy / 2);
    EXPECT_EQ(ScrollInfoOf(Handle(), SB_VERT).nPos, client.cy / 10 + client.cy / 2);
    SendMessageA(Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Core().ScrollY(), client.cy - Core().ExtentHeight());
    SendMessageA(Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Core().ScrollX(), -(client.cx / 2));
    SendMessageA(Handle(), WM_HSCROLL, SB_TOP, 0);
    EXPECT_EQ(Core().ScrollX(), 0);
    // The page shown follows: the sheet's left border moved back to its margin.
    InvalidateRect(Handle(), nullptr, FALSE);
    const TClientCapture picture(Handle());
    EXPECT_EQ(picture.At(12, client.cy / 2), RGB(0, 0, 0));
}

// A scroll moves the pixels already shown and paints only the band uncovered: the result must be the
// picture a full repaint gives.
TEST_F(PreviewControl, ScrollingByALineShowsWhatAFullRepaintShows) {
    Link();
    Core().SetScalePercent(100);
    UpdateWindow(Handle());
    for (const WORD code : {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP}) {
        SendMessageA(Handle(), WM_VSCROLL, code, 0);
        UpdateWindow(Handle());
        const TClientCapture scrolled(Handle());
        InvalidateRect(Handle(), nullptr, FALSE);
        const TClientCapture repainted(Handle());
        EXPECT_TRUE(scrolled == repainted) << "after scroll code " << code << " to " << Core().ScrollY();
    }
    EXPECT_LT(Core().ScrollY(), 0);
}

TEST_F(PreviewControl, ABorderStyleChangeMakesTheWindowAgain) {
    Link();
    const HWND before = Handle();
    EXPECT_NE(GetWindowLongA(before, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    form.preview.SetBorderStyle(tips::print::TPreviewBorderStyle::bsNone);
    ASSERT_TRUE(form.preview.HandleAllocated());
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    // Placed again filling the form, now without the edge, and still showing the engine's page.
    const SIZE client = form.preview.ClientSize();
    const int horizontalBar = (GetWindowLongA(Handle(), GWL_STYLE) & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    EXPECT_EQ(client.cx, 567 + 4);
    EXPECT_EQ(client.cy, 377 + 4 - horizontalBar);
    EXPECT_EQ(Core().CodeEditPrint(), &engine);
    EXPECT_EQ(Core().SheetWidth(), 794);
}

TEST_F(PreviewControl, ReportsEachMouseButtonPressedWithItsPoint) {
    struct Press {
        TMouseButton button;
        int x;
        int y;
    };
    std::vector<Press> presses;
    form.preview.OnMouseDown = [&](TCodeEditPrintPreviewWindow&, TMouseButton button, TShiftState, int x, int y) {
        presses.push_back({button, x, y});
    };
    SendMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    SendMessageA(Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
    SendMessageA(Handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(50, 60));
    SendMessageA(Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(70, 80));
    ASSERT_EQ(presses.size(), 4u);
    EXPECT_EQ(presses[0].button, TMouseButton::mbLeft);
    EXPECT_EQ(presses[1].button, TMouseButton::mbRight);
    EXPECT_EQ(presses[2].button, TMouseButton::mbMiddle);
    EXPECT_EQ(presses[3].button, TMouseButton::mbLeft);
    EXPECT_EQ(presses[1].x, 30);
    EXPECT_EQ(presses[1].y, 40);
    EXPECT_EQ(GetFocus(), Handle());
}

}  // namespace
