// Skinned scroll bars on a live window: the skin's arrows, track, thumb and corner box at their places,
// and a control that still scrolls by click and by keys under the skin.

#include "skin/win32/skin_scroll_bar.hpp"

#include <gtest/gtest.h>

#include <string>

#include "../embedded_model_support.hpp"
#include "skin/nine_slice.hpp"

namespace tips::skin::win32 {
namespace {

using tips::skin::testing::EmbeddedModel;

constexpr int kRange = 100;
constexpr int kPage = 10;

// A control with both standard bars that scrolls its vertical one by line, page and key.
LRESULT CALLBACK ScrollingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto moveBy = [window](int delta) {
        SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
        GetScrollInfo(window, SB_VERT, &info);
        info.nPos += delta;
        SetScrollInfo(window, SB_VERT, &info, TRUE);
    };
    switch (message) {
        case WM_VSCROLL:
            if (LOWORD(wParam) == SB_LINEDOWN) moveBy(1);
            if (LOWORD(wParam) == SB_LINEUP) moveBy(-1);
            if (LOWORD(wParam) == SB_PAGEDOWN) moveBy(kPage);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_NEXT) moveBy(kPage);
            if (wParam == VK_END) moveBy(kRange);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

class TScrollingWindow {
public:
    TScrollingWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ScrollingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TipsSkinScrollTest";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, L"TipsSkinScrollTest", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                                  240, 260, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const int bar : {SB_VERT, SB_HORZ}) {
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, kRange - 1, kPage, 0, 0};
            SetScrollInfo(window_, bar, &info, TRUE);
        }
        UpdateWindow(window_);
    }
    ~TScrollingWindow() { DestroyWindow(window_); }
    TScrollingWindow(const TScrollingWindow&) = delete;
    TScrollingWindow& operator=(const TScrollingWindow&) = delete;

    HWND get() const { return window_; }
    int Position() const { return GetScrollPos(window_, SB_VERT); }

private:
    HWND window_;
};

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The vertical bar's place in window coordinates, and its thumb as the system reports it.
struct TVerticalBar {
    RECT Bar{};
    int ThumbTop = 0;
    int ThumbBottom = 0;
};

TVerticalBar VerticalBarOf(HWND window) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, OBJID_VSCROLL, &info);
    RECT place{};
    GetWindowRect(window, &place);
    TVerticalBar bar;
    bar.Bar = {info.rcScrollBar.left - place.left, info.rcScrollBar.top - place.top,
               info.rcScrollBar.right - place.left, info.rcScrollBar.bottom - place.top};
    bar.ThumbTop = bar.Bar.top + info.xyThumbTop;
    bar.ThumbBottom = bar.Bar.top + info.xyThumbBottom;
    return bar;
}

COLORREF Skin(const Rgb& pixel) { return RGB(pixel.r, pixel.g, pixel.b); }
bool Magenta(const Rgb& pixel) { return pixel.r == 255 && pixel.g == 0 && pixel.b == 255; }

// Counts the pixels of a window area that differ from the same-sized frame of the element (magenta
// pixels of transparent elements are not compared); -1 when the sizes do not match.
int DifferencesFromFrame(HDC dc, int left, int top, const TSkinElement& element, int frame, int rows = -1,
                         int frameRow = 0) {
    const auto slice = ElementSlice(element, frame);
    if (!slice) return -1;
    const int width = slice->Frame.Right - slice->Frame.Left;
    const int height = rows < 0 ? slice->Frame.Bottom - slice->Frame.Top : rows;
    int differences = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb pixel = element.Bitmap.At(slice->Frame.Left + x, slice->Frame.Top + frameRow + y);
            if (element.Trans == 1 && Magenta(pixel)) continue;
            if (GetPixel(dc, left + x, top + y) != Skin(pixel)) ++differences;
        }
    return differences;
}

// The bars at the skin's own 16 pixels for the test (for this session only), so that the pictures are
// compared unstretched.
class TSixteenPixelBars {
public:
    TSixteenPixelBars() {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSW changed = saved_;
        changed.iScrollWidth = 16;
        changed.iScrollHeight = 16;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof changed, &changed, 0);
    }
    ~TSixteenPixelBars() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
    TSixteenPixelBars(const TSixteenPixelBars&) = delete;
    TSixteenPixelBars& operator=(const TSixteenPixelBars&) = delete;

private:
    NONCLIENTMETRICSW saved_{};
};

class SkinScrollBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.Scrollbar && skin.VertScrollThumb && skin.VertScroll);
        ASSERT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
        ASSERT_EQ(GetSystemMetrics(SM_CYVSCROLL), 16);
    }
    TSixteenPixelBars sixteen;
    const TSkinData& skin = EmbeddedModel();
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
    TScrollingWindow window;
};

struct TWindowDCHold {
    explicit TWindowDCHold(HWND w) : window(w), dc(GetWindowDC(w)) {}
    ~TWindowDCHold() { ReleaseDC(window, dc); }
    TWindowDCHold(const TWindowDCHold&) = delete;
    TWindowDCHold& operator=(const TWindowDCHold&) = delete;
    HWND window;
    HDC dc;
};

TEST_F(SkinScrollBar, ArrowsThumbAndCornerComeFromTheSkin) {
    TSkinScrollBar bar(window.get(), {skin, bitmaps, properties});
    Pump();
    const TVerticalBar place = VerticalBarOf(window.get());
    TWindowDCHold dc(window.get());
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.top, *skin.Scrollbar, 9), 0) << "up arrow";
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.bottom - 16, *skin.Scrollbar, 13), 0)
        << "down arrow";
    // The thumb's fixed top rows at the top the system gives it.
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.ThumbTop, *skin.VertScrollThumb, 1,
                                   skin.VertScrollThumb->TopHeight),
              0)
        << "thumb";
    // The corner box between the two bars.
    EXPECT_EQ(GetPixel(dc.dc, place.Bar.left + 8, place.Bar.bottom + 8), RGB(204, 204, 204));
}

// A bar changed from outside its window's messages (the editor's bars when another tip is shown): set
// without the system's redraw and repainted through the window's frame paint, as our windows do it, the
// skin's picture stays; the system's own redraw would paint over it.
TEST_F(SkinScrollBar, ABarChangedAndRepaintedThroughTheFramePaintKeepsTheSkin) {
    TSkinScrollBar bar(window.get(), {skin, bitmaps, properties});
    Pump();
    const TVerticalBar before = VerticalBarOf(window.get());
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 60, 0};
    SetScrollInfo(window.get(), SB_VERT, &info, FALSE);
    EnableScrollBar(window.get(), SB_VERT, ESB_ENABLE_BOTH);
    SendMessageW(window.get(), WM_NCPAINT, 1, 0);
    const TVerticalBar place = VerticalBarOf(window.get());
    ASSERT_GT(place.ThumbTop, before.ThumbTop) << "the thumb moved";
    TWindowDCHold dc(window.get());
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.top, *skin.Scrollbar, 9), 0) << "up arrow";
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.ThumbTop, *skin.VertScrollThumb, 1,
                                   skin.VertScrollThumb->TopHeight),
              0)
        << "thumb at its new place";

    SetScrollInfo(window.get(), SB_VERT, &info, TRUE);  // the system's redraw, behind the skin's back
    EXPECT_GT(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.top, *skin.Scrollbar, 9), 0);
}

TEST_F(SkinScrollBar, WithoutTheSkinTheSystemArrowStays) {
    // The same place drawn by the system alone does not look like the skin's arrow: the check above
    // would catch a bar left unpainted.
    const TVerticalBar place = VerticalBarOf(window.get());
    TWindowDCHold dc(window.get());
    EXPECT_GT(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.top, *skin.Scrollbar, 9), 0);
}

TEST_F(SkinScrollBar, ScrollsByKeysAndTheThumbFollows) {
    TSkinScrollBar bar(window.get(), {skin, bitmaps, properties});
    Pump();
    const TVerticalBar before = VerticalBarOf(window.get());
    SendMessageW(window.get(), WM_KEYDOWN, VK_END, 0);
    Pump();
    EXPECT_EQ(window.Position(), kRange - kPage);
    const TVerticalBar after = VerticalBarOf(window.get());
    ASSERT_GT(after.ThumbTop, before.ThumbBottom);
    TWindowDCHold dc(window.get());
    EXPECT_EQ(DifferencesFromFrame(dc.dc, after.Bar.left, after.ThumbTop, *skin.VertScrollThumb, 1,
                                   skin.VertScrollThumb->TopHeight),
              0);
    // Where the thumb was, the system's thumb is gone and the skin's track shows no thumb top.
    EXPECT_GT(DifferencesFromFrame(dc.dc, before.Bar.left, before.ThumbTop, *skin.VertScrollThumb, 1,
                                   skin.VertScrollThumb->TopHeight),
              0);
}

TEST_F(SkinScrollBar, ScrollsByClickOnTheArrowAndShowsItReleased) {
    TSkinScrollBar bar(window.get(), {skin, bitmaps, properties});
    Pump();
    const TVerticalBar place = VerticalBarOf(window.get());
    RECT screen{};
    GetWindowRect(window.get(), &screen);
    const int x = screen.left + place.Bar.left + 8;
    const int y = screen.top + place.Bar.bottom - 8;
    SetCursorPos(x, y);
    // The release is waiting when the system's tracking starts, so the press scrolls once and ends.
    PostMessageW(window.get(), WM_LBUTTONUP, 0, MAKELPARAM(x - screen.left, y - screen.top));
    SendMessageW(window.get(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(x, y));
    Pump();
    EXPECT_GE(window.Position(), 1);
    TWindowDCHold dc(window.get());
    EXPECT_EQ(DifferencesFromFrame(dc.dc, place.Bar.left, place.Bar.bottom - 16, *skin.Scrollbar, 13), 0);
}

}  // namespace
}  // namespace tips::skin::win32
