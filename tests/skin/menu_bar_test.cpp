// The menu bar: item places, accelerators and arrow-key moves, and its background slicing.

#include "skin/menu_bar_layout.hpp"

#include <gtest/gtest.h>

namespace tips::skin {
namespace {

// Six pixels a character, as a fixed-width font would measure.
int SixEach(std::string_view text) { return static_cast<int>(text.size()) * 6; }

TSkinElement BarImage(int left, int right) {
    TSkinElement bar;
    bar.Bitmap = Image(70, 38);
    bar.FrameCount = 2;
    bar.LeftWidth = left;
    bar.RightWidth = right;
    return bar;
}

const std::vector<TMenuBarItem> kItems{{"&Archivo"}, {"&Edici\xF3n"}, {""}, {"A&&B"}};

TEST(MenuBarLayout, ItemsFollowEachOtherFromTheFixedEnd) {
    const auto rects = LayoutMenuBar(BarImage(3, 3), {3, 26, 397, 45}, kItems, SixEach);
    EXPECT_EQ(rects, (std::vector<TViewRect>{{10, 26, 62, 44}, {62, 26, 114, 44}, {114, 26, 124, 44}, {124, 26, 152, 44}}))
        << "each text + 10 wide, an empty text adding nothing; \"&&\" is one character";
}

TEST(MenuBarLayout, StartDependsOnTheImage) {
    const std::vector<TMenuBarItem> one{{"&Archivo"}};
    EXPECT_EQ(LayoutMenuBar(TSkinElement{}, {0, 0, 300, 19}, one, SixEach).at(0).Left, 6) << "no image";
    EXPECT_EQ(LayoutMenuBar(BarImage(20, 3), {0, 0, 300, 19}, one, SixEach).at(0).Left, 24);
    EXPECT_EQ(LayoutMenuBar(BarImage(20, 3), {0, 0, 23, 19}, one, SixEach).at(0).Left, 12)
        << "a bar narrower than the start";
    const auto rtl = LayoutMenuBar(BarImage(3, 5), {0, 0, 300, 19}, one, SixEach, true);
    EXPECT_EQ(rtl.at(0), (TViewRect{300 - 13 - 52, 0, 300 - 13, 18})) << "right to left: from the right end + 8";
    EXPECT_EQ(LayoutMenuBar(BarImage(3, 3), {0, 0, 300, 0}, one, SixEach).at(0).Bottom, 0) << "never inverted";
}

TEST(MenuBarLayout, CaptionsAndAccelerators) {
    EXPECT_EQ(CaptionWithoutPrefix("&Archivo"), "Archivo");
    EXPECT_EQ(CaptionWithoutPrefix("A&&B&c"), "A&Bc");
    EXPECT_EQ(CaptionWithoutPrefix("&"), "");
    EXPECT_EQ(AcceleratorOf("&Archivo"), 'a');
    EXPECT_EQ(AcceleratorOf("Edi&ci\xD3n"), 'c');
    EXPECT_EQ(AcceleratorOf("Edici&\xD3n"), '\xF3') << "lowered in Windows-1252";
    EXPECT_EQ(AcceleratorOf("A&&B"), std::nullopt);
    EXPECT_EQ(AcceleratorOf("Trailing&"), std::nullopt);
    EXPECT_EQ(ItemForAccelerator(kItems, 'E'), 1u);
    EXPECT_EQ(ItemForAccelerator(kItems, 'a'), 0u);
    EXPECT_EQ(ItemForAccelerator(kItems, 'b'), std::nullopt);
}

TEST(MenuBarLayout, ArrowKeysMoveCyclically) {
    EXPECT_EQ(NeighbourItem(0, +1, 3), 1u);
    EXPECT_EQ(NeighbourItem(2, +1, 3), 0u);
    EXPECT_EQ(NeighbourItem(0, -1, 3), 2u);
    EXPECT_EQ(NeighbourItem(0, +1, 3, true), 2u) << "swapped right to left";
    EXPECT_EQ(NeighbourItem(0, -1, 1), 0u);
    EXPECT_EQ(NeighbourItem(0, +1, 0), 0u);
}

TEST(MenuBarLayout, BackgroundSlice) {
    TSkinElement bar = BarImage(3, 4);
    const auto active = MenuBarSlice(bar, true);
    ASSERT_TRUE(active);
    EXPECT_EQ(active->Frame, (TViewRect{0, 0, 70, 19}));
    EXPECT_EQ(active->Margins, (TSliceMargins{3, 0, 4, 0}));
    EXPECT_EQ(active->Middle, TSliceFill::Stretch);
    EXPECT_EQ(MenuBarSlice(bar, false)->Frame, (TViewRect{0, 19, 70, 38}));
    bar.Tile = 1;
    const auto tiled = MenuBarSlice(bar, true);
    EXPECT_EQ(tiled->Margins, TSliceMargins{}) << "TileMenu 1 tiles the whole image";
    EXPECT_EQ(tiled->Middle, TSliceFill::Tile);
    EXPECT_FALSE(MenuBarSlice(TSkinElement{}, true));
}

}  // namespace
}  // namespace tips::skin
