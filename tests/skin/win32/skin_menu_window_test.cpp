// A popup menu window skinned while it lives: its background printed from the skin and kept, and its
// border copied onto the frame from that background.

#include "skin/win32/skin_popup_menu.hpp"

#include <gtest/gtest.h>

#include "../embedded_model_support.hpp"
#include "skin/nine_slice.hpp"

namespace tips::skin::win32 {
namespace {

using tips::skin::testing::EmbeddedModel;

constexpr int kWidth = 140;
constexpr int kHeight = 90;
constexpr COLORREF kMarker = RGB(1, 2, 3);

// A bare popup standing in for the menu window: it paints nothing of its own when printed.
HWND MakeMenuLikeWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TipsSkinMenuWindowTest";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TipsSkinMenuWindowTest", L"", WS_POPUP | WS_VISIBLE, 10, 10, kWidth,
                           kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class TMenuLikeWindow {
public:
    TMenuLikeWindow() : window_(MakeMenuLikeWindow()) {}
    ~TMenuLikeWindow() { DestroyWindow(window_); }
    TMenuLikeWindow(const TMenuLikeWindow&) = delete;
    TMenuLikeWindow& operator=(const TMenuLikeWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

// A memory picture of the window's size filled with the marker colour.
class TMemoryPicture {
public:
    TMemoryPicture() {
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kWidth, kHeight);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        const HBRUSH brush = CreateSolidBrush(kMarker);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~TMemoryPicture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TMemoryPicture(const TMemoryPicture&) = delete;
    TMemoryPicture& operator=(const TMemoryPicture&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Pixels of the top-left corner piece (its fixed margins) that differ from the element's frame 1.
int CornerDifferences(HDC dc, const TSkinElement& element) {
    const auto slice = ElementSlice(element, 1);
    if (!slice) return -1;
    int differences = 0;
    for (int y = 0; y < element.TopHeight; ++y)
        for (int x = 0; x < element.LeftWidth; ++x) {
            const Rgb pixel = element.Bitmap.At(slice->Frame.Left + x, slice->Frame.Top + y);
            if (element.Trans == 1 && pixel.r == 255 && pixel.g == 0 && pixel.b == 255) continue;
            if (GetPixel(dc, x, y) != RGB(pixel.r, pixel.g, pixel.b)) ++differences;
        }
    return differences;
}

class SkinMenuWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.MenuBackground);
        ASSERT_GE(skin.MenuBackground->LeftWidth, 3);
        ASSERT_GE(skin.MenuBackground->TopHeight, 3);
    }
    const TSkinData& skin = EmbeddedModel();
    TSkinBitmapCache bitmaps;
    TSkinSourceProperties properties;
    TMenuLikeWindow window;
};

TEST_F(SkinMenuWindow, PrintingTheClientDrawsAndKeepsTheSkinBackground) {
    TSkinPopupMenu menu(window.get(), {skin, bitmaps, properties}, false);
    EXPECT_EQ(menu.Background(), nullptr);
    TMemoryPicture picture;
    SendMessageW(window.get(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.get()), PRF_CLIENT);
    EXPECT_EQ(CornerDifferences(picture.get(), *skin.MenuBackground), 0);
    EXPECT_NE(GetPixel(picture.get(), kWidth - 1, kHeight - 1), kMarker);
    ASSERT_NE(menu.Background(), nullptr);
    EXPECT_EQ(menu.Background()->Width(), kWidth);
    EXPECT_EQ(menu.Background()->Height(), kHeight);
    // The kept picture is what was printed.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{kWidth / 2, kHeight / 2}, std::pair{kWidth - 1, 1}})
        EXPECT_EQ(menu.Background()->At(x, y), GetPixel(picture.get(), x, y)) << x << "," << y;
}

TEST_F(SkinMenuWindow, FramePaintCopiesTheBorderFromTheKeptBackground) {
    TSkinPopupMenu menu(window.get(), {skin, bitmaps, properties}, true);
    TMemoryPicture picture;
    SendMessageW(window.get(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.get()), PRF_CLIENT);
    ASSERT_NE(menu.Background(), nullptr);
    SendMessageW(window.get(), WM_NCPAINT, 1, 0);
    const HDC dc = GetWindowDC(window.get());
    int differences = 0;
    for (int i = 0; i < 3; ++i)
        for (int along = 0; along < kWidth; along += 7) {
            if (GetPixel(dc, along, i) != menu.Background()->At(along, i)) ++differences;
            if (GetPixel(dc, along, kHeight - 1 - i) != menu.Background()->At(along, kHeight - 1 - i)) ++differences;
        }
    ReleaseDC(window.get(), dc);
    EXPECT_EQ(differences, 0);
}

TEST_F(SkinMenuWindow, WithoutABackgroundImageTheSystemPaintsAlone) {
    TSkinData bare = skin;
    bare.MenuBackground.reset();
    TSkinPopupMenu menu(window.get(), {bare, bitmaps, properties}, false);
    TMemoryPicture picture;
    SendMessageW(window.get(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.get()), PRF_CLIENT);
    EXPECT_EQ(menu.Background(), nullptr);
    EXPECT_GT(CornerDifferences(picture.get(), *skin.MenuBackground), 0);
}

}  // namespace
}  // namespace tips::skin::win32
