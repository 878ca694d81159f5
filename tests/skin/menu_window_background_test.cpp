// A popup menu window's skinned background, its items' area and its border copied from the cache.

#include "skin/menu_window_background.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::skin {
namespace {

TEST(MenuWindowBackground, CoversTheWholeWindowFromTheElement) {
    TSkinBitmapCache bitmaps;
    platform::TRecordingCanvas canvas;
    ASSERT_TRUE(PaintMenuBackground(canvas, bitmaps, testing::EmbeddedModel(), {150, 300}));
    int covered = 0;
    for (const auto& call : canvas.CallsOf<platform::TBitmapCall>()) {
        EXPECT_EQ(call.Name, "MenuBackground");
        EXPECT_GE(call.Dest.Left, 0);
        EXPECT_LE(call.Dest.Right, 150);
        EXPECT_LE(call.Dest.Bottom, 300);
        covered += (call.Dest.Right - call.Dest.Left) * (call.Dest.Bottom - call.Dest.Top);
    }
    EXPECT_EQ(covered, 150 * 300) << "every pixel once";
    TSkinData none = testing::EmbeddedModel();
    none.MenuBackground.reset();
    platform::TRecordingCanvas empty;
    EXPECT_FALSE(PaintMenuBackground(empty, bitmaps, none, {150, 300}));
    EXPECT_TRUE(empty.Calls().empty());
}

TEST(MenuWindowBackground, ItemsAreaAndBorderCopies) {
    EXPECT_EQ(MenuItemsArea({150, 300}), (TViewRect{3, 3, 147, 297}));
    EXPECT_TRUE(MenuItemsArea({4, 4}).IsEmpty());
    EXPECT_EQ(MenuBorderCopies({150, 300}, {150, 300}),
              (std::vector<TBorderCopy>{{{0, 0, 150, 3}, {0, 0, 150, 3}},
                                        {{0, 297, 150, 300}, {0, 297, 150, 300}},
                                        {{0, 3, 3, 297}, {0, 3, 3, 297}},
                                        {{147, 3, 150, 297}, {147, 3, 150, 297}}}));
    const auto grown = MenuBorderCopies({150, 300}, {150, 400});
    ASSERT_EQ(grown.size(), 4u);
    EXPECT_EQ(grown[1].Dest, (TViewRect{0, 397, 150, 400}));
    EXPECT_EQ(grown[2].Source, (TViewRect{0, 3, 3, 297}));
    EXPECT_EQ(grown[2].Dest, (TViewRect{0, 3, 3, 397})) << "the sides stretched";
    EXPECT_TRUE(MenuBorderCopies({5, 300}, {150, 300}).empty());
    EXPECT_EQ(MenuBorderCopies({150, 6}, {150, 6}).size(), 2u) << "no side strips left between top and bottom";
}

}  // namespace
}  // namespace tips::skin
