#include "widgets/control_align.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tips::platform::TViewRect;
using tips::platform::TViewSize;
using namespace tips::widgets;

// The main window's own arrangement: a status bar and a working area stacked at the bottom, a thin strip on
// the left of what remains, a toolbar placed by hand.
std::vector<TPlacement> MainWindowChildren() {
    const TViewSize designed{687, 443};
    return {
        {TAlign::alBottom, AnchorsOf(TAlign::alBottom), {0, 424, 687, 443}, designed},   // status bar
        {TAlign::alBottom, kAllAnchors, {0, 32, 687, 424}, designed},        // splitter panel
        {TAlign::alLeft, AnchorsOf(TAlign::alLeft), {0, 0, 6, 32}, designed},          // strip
        {TAlign::alNone, kDefaultAnchors, {8, -2, 129, 25}, designed},       // toolbar
    };
}

TEST(AlignChildren, KeepsTheDesignedLayoutAtTheDesignedSize) {
    const auto rects = AlignChildren({687, 443}, MainWindowChildren());
    EXPECT_EQ(rects[0], (TViewRect{0, 424, 687, 443}));
    EXPECT_EQ(rects[1], (TViewRect{0, 32, 687, 424}));
    EXPECT_EQ(rects[2], (TViewRect{0, 0, 6, 32}));
    EXPECT_EQ(rects[3], (TViewRect{8, -2, 129, 25}));
}

TEST(AlignChildren, ABottomAreaAnchoredAtTheTopGrowsWithTheWindow) {
    const auto rects = AlignChildren({1010, 600}, MainWindowChildren());
    EXPECT_EQ(rects[0], (TViewRect{0, 581, 1010, 600}));
    EXPECT_EQ(rects[1], (TViewRect{0, 32, 1010, 581}));
    EXPECT_EQ(rects[2], (TViewRect{0, 0, 6, 32}));
    EXPECT_EQ(rects[3], (TViewRect{8, -2, 129, 25}));
}

TEST(AlignChildren, AlignedChildrenNeverOverlapWhenTheWindowIsTooSmall) {
    const auto rects = AlignChildren({100, 20}, MainWindowChildren());
    EXPECT_EQ(rects[0], (TViewRect{0, 1, 100, 20}));
    EXPECT_EQ(rects[1], (TViewRect{0, 1, 100, 1}));   // squeezed to nothing, not turned inside out
    EXPECT_EQ(rects[2], (TViewRect{0, 0, 6, 1}));
}

TEST(AlignChildren, StacksEdgesBeforeFillingTheRest) {
    const TViewSize designed{200, 100};
    const std::vector<TPlacement> children{
        {TAlign::alClient, AnchorsOf(TAlign::alClient), {0, 0, 10, 10}, designed},
        {TAlign::alRight, AnchorsOf(TAlign::alRight), {0, 0, 30, 10}, designed},
        {TAlign::alTop, AnchorsOf(TAlign::alTop), {0, 0, 10, 15}, designed},
        {TAlign::alLeft, AnchorsOf(TAlign::alLeft), {0, 0, 20, 10}, designed},
    };
    const auto rects = AlignChildren({300, 120}, children);
    EXPECT_EQ(rects[2], (TViewRect{0, 0, 300, 15}));
    EXPECT_EQ(rects[3], (TViewRect{0, 15, 20, 120}));
    EXPECT_EQ(rects[1], (TViewRect{270, 15, 300, 120}));
    EXPECT_EQ(rects[0], (TViewRect{20, 15, 270, 120}));
}

struct TAnchorCase {
    const char* name;
    TAnchors anchors;
    TViewRect expected;   // for a child designed at (134, 9)-(295, 30) in 300 x 388, parent now 441 x 500
};

class AnchoredChild : public ::testing::TestWithParam<TAnchorCase> {};

TEST_P(AnchoredChild, FollowsTheEdgesItIsAnchoredTo) {
    const TPlacement child{TAlign::alNone, GetParam().anchors, {134, 9, 295, 30}, {300, 388}};
    EXPECT_EQ(AlignChildren({441, 500}, {child})[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnchoredChild,
    ::testing::Values(TAnchorCase{"LeftTop", akLeft | akTop, {134, 9, 295, 30}},
                      TAnchorCase{"LeftTopRight", akLeft | akTop | akRight, {134, 9, 436, 30}},
                      TAnchorCase{"All", kAllAnchors, {134, 9, 436, 142}},
                      TAnchorCase{"RightBottom", akRight | akBottom, {275, 121, 436, 142}},
                      // Centre 214.5 of 300 becomes 315.3 of 441: the 161-pixel child starts at 235.
                      TAnchorCase{"NoneHorizontally", akTop, {235, 9, 396, 30}}),
    [](const ::testing::TestParamInfo<TAnchorCase>& param) { return std::string(param.param.name); });

}  // namespace
