// The skinned frame on a real window: the client area it leaves and keeps, what each point of the frame
// answers, the title-bar buttons' pixels in their states, and the buttons answering the mouse.

#include "skin/win32/skin_form.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "../embedded_model_support.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/title_buttons.hpp"
#include "window_pixels.hpp"

namespace {

using namespace tips::skin;
using tips::skin::win32::TSkinContext;
using tips::skin::win32::TSkinForm;

const TSkinData& Model() { return tips::skin::testing::EmbeddedModel(); }

int closeRequests = 0;

LRESULT CALLBACK TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The close query: counted and refused, so the window stays for the next check.
    if (message == WM_CLOSE) {
        ++closeRequests;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Pump() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

using tips::skin::testing::TWindowPixels;

class SkinFrame : public ::testing::Test {
protected:
    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 240;

    void SetUp() override {
        closeRequests = 0;
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = TestProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SkinFrameTestWindow";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.style = CS_DBLCLKS;
        RegisterClassW(&windowClass);
        RECT rect{0, 0, kClientWidth, kClientHeight};
        AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        window_ = CreateWindowExW(0, L"SkinFrameTestWindow", L"Caption the frame ignores", WS_OVERLAPPEDWINDOW, 40, 40,
                                  rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
        SetActiveWindow(window_);
        Pump();
        form_.emplace(window_, TSkinContext{Model(), bitmaps_, properties_});
        ASSERT_TRUE(form_->Attached());
        Pump();
    }
    void TearDown() override {
        form_.reset();
        if (window_) DestroyWindow(window_);
    }

    SIZE ClientSize() const {
        RECT client{};
        GetClientRect(window_, &client);
        return {client.right, client.bottom};
    }
    POINT ToScreen(TViewPoint inWindow) const {
        RECT rect{};
        GetWindowRect(window_, &rect);
        return {rect.left + inWindow.X, rect.top + inWindow.Y};
    }
    LRESULT HitTest(TViewPoint inWindow) const {
        const POINT at = ToScreen(inWindow);
        return SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    }
    static TViewPoint Centre(const TViewRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
    std::optional<TTitleButton> ButtonFor(int action) const {
        for (const TTitleButton& button : form_->Geometry().Buttons)
            if (Model().SysButtons.at(static_cast<std::size_t>(button.Element)).Action == action)
                return button;
        return std::nullopt;
    }
    // A left press on the frame at `inWindow`, then the release at `releaseAt` (window coordinates),
    // as the system delivers them: the press non-client, the release to the capturing window.
    void Click(TViewPoint inWindow, std::optional<TViewPoint> releaseAt = std::nullopt) {
        const POINT down = ToScreen(inWindow);
        const LRESULT hit = SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(down.x, down.y));
        SendMessageW(window_, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(down.x, down.y));
        POINT up = ToScreen(releaseAt.value_or(inWindow));
        ScreenToClient(window_, &up);
        SendMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        Pump();
    }
    // Pixels of the button's rectangle that differ from its image's frame `frame` (magenta skipped).
    int Mismatches(const TTitleButton& button, int frame) const {
        const TSkinSysButtonElement& element =
            Model().SysButtons.at(static_cast<std::size_t>(button.Element));
        const int frameWidth = element.Bitmap.Width() / element.FrameCount;
        const TWindowPixels pixels(window_);
        int mismatches = 0;
        for (int y = 0; y < button.Rect.Bottom - button.Rect.Top; ++y)
            for (int x = 0; x < button.Rect.Right - button.Rect.Left; ++x) {
                const Rgb expected = element.Bitmap.At((frame - 1) * frameWidth + x, y);
                if (expected == Rgb{255, 0, 255}) continue;
                if (!(pixels.At(button.Rect.Left + x, button.Rect.Top + y) == expected)) ++mismatches;
            }
        return mismatches;
    }

    TSkinBitmapCache bitmaps_;
    TSkinSourceProperties properties_;
    HWND window_ = nullptr;
    std::optional<TSkinForm> form_;
};

TEST_F(SkinFrame, KeepsTheClientSizeWhenPutOnAndTakenOff) {
    EXPECT_EQ(ClientSize().cx, kClientWidth);
    EXPECT_EQ(ClientSize().cy, kClientHeight);
    form_.reset();
    EXPECT_EQ(ClientSize().cx, kClientWidth);
    EXPECT_EQ(ClientSize().cy, kClientHeight);
    EXPECT_EQ(GetWindowLongPtrW(window_, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
}

TEST_F(SkinFrame, ClientAreaSitsInsideTheSkinBorders) {
    const TFrameMetrics& metrics = form_->Metrics();
    ASSERT_GT(metrics.Caption, 0);
    RECT window{};
    GetWindowRect(window_, &window);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    EXPECT_EQ(origin.x - window.left, metrics.Left);
    EXPECT_EQ(origin.y - window.top, metrics.Caption);
    EXPECT_EQ(window.right - (origin.x + ClientSize().cx), metrics.Right);
    EXPECT_EQ(window.bottom - (origin.y + ClientSize().cy), metrics.Bottom);
}

TEST_F(SkinFrame, HitTestAnswersForEachPartOfTheFrame) {
    const TFrameGeometry geometry = form_->Geometry();
    const TFrameLayout& layout = geometry.Layout;
    struct TCase {
        TViewPoint at;
        LRESULT expected;
    } const cases[] = {
        {Centre(layout.Client), HTCLIENT},
        {{layout.Caption.Left + 2 * (layout.Caption.Right - layout.Caption.Left) / 5, layout.Caption.Bottom - 2}, HTCAPTION},
        {{layout.Caption.Left + 40, 0}, HTTOP},
        {Centre(layout.Left), HTLEFT},
        {Centre(layout.Right), HTRIGHT},
        {Centre(layout.Bottom), HTBOTTOM},
    };
    for (const TCase& c : cases) EXPECT_EQ(HitTest(c.at), c.expected) << c.at.X << "," << c.at.Y;
    const auto close = ButtonFor(0);
    const auto maximise = ButtonFor(1);
    const auto minimise = ButtonFor(2);
    ASSERT_TRUE(close && maximise && minimise);
    EXPECT_EQ(HitTest(Centre(close->Rect)), HTCLOSE);
    EXPECT_EQ(HitTest(Centre(maximise->Rect)), HTMAXBUTTON);
    EXPECT_EQ(HitTest(Centre(minimise->Rect)), HTMINBUTTON);
}

TEST_F(SkinFrame, CloseButtonRunsTheCloseQueryOnlyWhenReleasedOverIt) {
    const auto close = ButtonFor(0);
    ASSERT_TRUE(close);
    Click(Centre(close->Rect), Centre(form_->Geometry().Layout.Client));
    EXPECT_EQ(closeRequests, 0);
    Click(Centre(close->Rect));
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(SkinFrame, MaximiseShowsRestoreInTheSamePlaceAndRestoreGoesBack) {
    const auto maximise = ButtonFor(1);
    ASSERT_TRUE(maximise);
    Click(Centre(maximise->Rect));
    ASSERT_TRUE(IsZoomed(window_));
    const std::vector<TTitleButton> buttons = form_->Geometry().Buttons;
    const TTitleButton* restore = nullptr;
    for (const TTitleButton& button : buttons)
        if (TitleButtonCommand(Model().SysButtons.at(static_cast<std::size_t>(button.Element)).Action,
                               TWindowShow::Maximised) == TTitleCommand::Restore)
            restore = &button;
    ASSERT_NE(restore, nullptr);
    RECT window{};
    GetWindowRect(window_, &window);
    // Right-aligned: the same distance from the right edge as maximise had.
    EXPECT_EQ((window.right - window.left) - restore->Rect.Right,
              (kClientWidth + form_->Metrics().Left + form_->Metrics().Right) - maximise->Rect.Right);
    EXPECT_EQ(HitTest(Centre(restore->Rect)), HTMAXBUTTON);
    Click(Centre(restore->Rect));
    EXPECT_FALSE(IsZoomed(window_));
    EXPECT_EQ(ClientSize().cx, kClientWidth);
    EXPECT_EQ(ClientSize().cy, kClientHeight);
}

TEST_F(SkinFrame, MinimiseButtonMinimises) {
    const auto minimise = ButtonFor(2);
    ASSERT_TRUE(minimise);
    Click(Centre(minimise->Rect));
    EXPECT_TRUE(IsIconic(window_));
}

TEST_F(SkinFrame, ButtonDrawsTheFrameOfItsState) {
    const auto close = ButtonFor(0);
    ASSERT_TRUE(close);
    const TSkinSysButtonElement& element =
        Model().SysButtons.at(static_cast<std::size_t>(close->Element));
    ASSERT_GE(element.FrameCount, 3);
    EXPECT_EQ(Mismatches(*close, 1), 0);
    const POINT over = ToScreen(Centre(close->Rect));
    SendMessageW(window_, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(Mismatches(*close, 3), 0);
    EXPECT_GT(Mismatches(*close, 1), 0);
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(Mismatches(*close, 2), 0);
    ReleaseCapture();
    SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
    if (element.FrameCount >= 4) {
        EXPECT_EQ(Mismatches(*close, 4), 0);
    }
    SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(Mismatches(*close, 1), 0);
}

// Ends the menu the system shows modally as soon as it is up, counting the times it was.
int menusShown = 0;
void CALLBACK EndShownMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (FindWindowW(L"#32768", nullptr) && IsWindowVisible(FindWindowW(L"#32768", nullptr))) {
        ++menusShown;
        EndMenu();
    }
}

TEST_F(SkinFrame, RightPressOnTheCaptionShowsTheSystemMenuAndASecondOneSoonAfterCloses) {
    menusShown = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndShownMenu);
    const TFrameLayout layout = form_->Geometry().Layout;
    const POINT at = ToScreen({layout.Caption.Left + (layout.Caption.Right - layout.Caption.Left) / 3, layout.Caption.Bottom - 3});
    ASSERT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCAPTION);
    SendMessageW(window_, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(closeRequests, 0);
    SendMessageW(window_, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(closeRequests, 1);
    KillTimer(nullptr, timer);
}

}  // namespace
