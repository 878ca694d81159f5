#include "platform/canvas_geometry.hpp"

#include <gtest/gtest.h>

namespace tips::platform {
namespace {

TEST(CanvasMapping, IdentityLeavesPointsAndOriginsOnlyMoveThem) {
    EXPECT_EQ(kIdentityMapping.ToDevice({-7, 12}), (TViewPoint{-7, 12}));
    TMapping moved;
    moved.WindowOrigin = {10, 20};
    moved.ViewportOrigin = {3, 4};
    EXPECT_TRUE(moved.Unscaled());
    EXPECT_EQ(moved.ToDevice({10, 20}), (TViewPoint{3, 4}));
    EXPECT_EQ(moved.ToDevice({0, 0}), (TViewPoint{-7, -16}));
}

// A printer page of 4961 x 7016 pixels shown 351 pixels high and 248 wide, its printable corner
// 100 printer pixels in, on a sheet whose left top is at (171, 12).
TEST(CanvasMapping, ScalesPrinterPixelsOntoTheSheetRoundingToTheNearestPixel) {
    TMapping preview;
    preview.WindowExtent = {4961, 7016};
    preview.ViewportExtent = {248, 351};
    preview.ViewportOrigin = {171 + 5, 12 + 5};
    EXPECT_FALSE(preview.Unscaled());
    EXPECT_EQ(preview.ToDevice({0, 0}), (TViewPoint{176, 17}));
    EXPECT_EQ(preview.ToDevice({4961, 7016}), (TViewPoint{176 + 248, 17 + 351}));
    // 2480 * 248 / 4961 = 123.97: rounds up; 1000 * 351 / 7016 = 50.03: rounds down.
    EXPECT_EQ(preview.ToDevice({2480, 1000}), (TViewPoint{176 + 124, 17 + 50}));
}

TEST(CanvasMapping, RoundsHalvesAwayFromZeroOnBothSides) {
    TMapping half;
    half.WindowExtent = {2, 2};
    half.ViewportExtent = {1, 1};
    EXPECT_EQ(half.ToDevice({1, 3}), (TViewPoint{1, 2}));
    EXPECT_EQ(half.ToDevice({-1, -3}), (TViewPoint{-1, -2}));
    TMapping flipped;
    flipped.WindowExtent = {1, -1};  // y grows upward
    flipped.ViewportOrigin = {0, 100};
    EXPECT_EQ(flipped.ToDevice({5, 30}), (TViewPoint{5, 70}));
}

TEST(CanvasMapping, AnExtentOfZeroIsRefused) {
    EXPECT_NO_THROW(kIdentityMapping.Validate());
    for (const TViewSize zero : {TViewSize{0, 1}, TViewSize{1, 0}}) {
        TMapping window;
        window.WindowExtent = zero;
        EXPECT_THROW(window.Validate(), std::invalid_argument);
        TMapping viewport;
        viewport.ViewportExtent = zero;
        EXPECT_THROW(viewport.Validate(), std::invalid_argument);
    }
}

}  // namespace
}  // namespace tips::platform
