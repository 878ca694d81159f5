// The picture: drawn from its top-left and cut at its bounds; with AutoSize it takes the bitmap's size.

#include "widgets/win32/image.hpp"

#include <gtest/gtest.h>

#include <utility>

#include "graphic_probe_form.hpp"
#include "win32/client_capture.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using tips::platform::TBitmap;
using tips::platform::TViewRect;

// Red, with a blue pixel at each corner.
TBitmap Marked(int width, int height) {
    TBitmap bitmap("marked", width, height, tips::platform::RgbColor(200, 0, 0));
    const std::pair<int, int> corners[] = {{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}};
    for (const auto& [x, y] : corners) bitmap.Set(x, y, tips::platform::RgbColor(0, 0, 200));
    return bitmap;
}

TEST(Image, TakesTheBitmapsSizeOnlyWithAutoSize) {
    tips::widgets::TOwnedWindow<tips_test::TGraphicProbeForm> form;
    TImage image(&form);
    image.SetBounds(5, 6, 20, 20);
    image.SetPicture(Marked(30, 12));
    EXPECT_EQ(image.BoundsRect(), (TViewRect{5, 6, 25, 26}));
    image.SetAutoSize(true);
    EXPECT_EQ(image.BoundsRect(), (TViewRect{5, 6, 35, 18}));
    image.SetPicture(Marked(8, 9));
    EXPECT_EQ(image.BoundsRect(), (TViewRect{5, 6, 13, 15}));
}

TEST(Image, DrawsFromItsTopLeftAndIsCutAtItsBounds) {
    tips::widgets::TOwnedWindow<tips_test::TGraphicProbeForm> form;
    TImage image(&form);
    image.SetBounds(10, 20, 30, 12);
    image.SetPicture(Marked(30, 12));
    form.Show();
    {
        const tips_test::TClientCapture shown(form.Handle());
        EXPECT_EQ(shown.At(10, 20), RGB(0, 0, 200));
        EXPECT_EQ(shown.At(39, 31), RGB(0, 0, 200));
        EXPECT_EQ(shown.At(20, 25), RGB(200, 0, 0));
        EXPECT_EQ(shown.At(40, 25), GetSysColor(COLOR_BTNFACE));
    }
    // Smaller than the bitmap: its right part is cut off, the parent shows beyond.
    image.SetBounds(10, 20, 15, 12);
    {
        const tips_test::TClientCapture shown(form.Handle());
        EXPECT_EQ(shown.At(24, 20), RGB(200, 0, 0));
        EXPECT_EQ(shown.At(25, 20), GetSysColor(COLOR_BTNFACE));
    }
}

}  // namespace
