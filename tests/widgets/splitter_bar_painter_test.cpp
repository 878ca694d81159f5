#include "widgets/splitter_bar_painter.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using platform::clBlack;
using platform::clBtnFace;
using platform::clWhite;
using platform::TViewRect;
using testing::TMainWindowSplitter;

std::vector<TSplitterPaintOp> Dots(int x, int firstY, int count, int pitch) {
    std::vector<TSplitterPaintOp> ops;
    for (int i = 0; i < count; ++i) {
        const int y = firstY + i * pitch;
        ops.push_back(TSplitterFillOp{{x, y, x + 2, y + 2}, clBtnShadow});
        ops.push_back(TSplitterPixelOp{{x, y}, clWhite});
    }
    return ops;
}

template <typename Op>
std::vector<Op> OpsOf(const TSplitterBarPicture& picture) {
    std::vector<Op> found;
    for (const TSplitterPaintOp& op : picture.Ops) {
        if (const Op* typed = std::get_if<Op>(&op)) found.push_back(*typed);
    }
    return found;
}

TEST(SplitterBarPainter, StoredBarIsARaisedGripWithEightDotsAndLeftArrows) {
    TMainWindowSplitter panel;
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    std::vector<TSplitterPaintOp> expected{
        TSplitterFillOp{{304, 0, 314, 392}, clBtnFace},
        TSplitterFillOp{{304, 171, 314, 221}, clBtnFace},
        TSplitterFrameOp{{304, 171, 314, 221}, 0x808080},
        TSplitterLineOp{{305, 219}, {305, 172}, clWhite},
        TSplitterLineOp{{305, 172}, {313, 172}, clWhite},
    };
    // The button shrinks to (307, 174, 311, 218); dots at x = 308 from y = 182 while y < 214.
    const auto dots = Dots(308, 182, 8, 4);
    expected.insert(expected.end(), dots.begin(), dots.end());
    expected.push_back(TSplitterTriangleOp{{308, 176}, {310, 174}, {310, 178}, clBlack});
    expected.push_back(TSplitterTriangleOp{{308, 216}, {310, 218}, {310, 214}, clBlack});
    EXPECT_EQ(picture.Ops, expected);
    EXPECT_EQ(picture.GripButton, (TViewRect{304, 171, 314, 221}));
    EXPECT_EQ(panel.Bar().GripButtonRect(), picture.GripButton);
}

TEST(SplitterBarPainter, HotRaisedGripIsDarkenedAfterItsFrame) {
    TMainWindowSplitter panel;
    panel.hover.MouseMove({308, 195});
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    ASSERT_GE(picture.Ops.size(), 6u);
    EXPECT_EQ(picture.Ops[5], TSplitterPaintOp(TSplitterCheckerAndOp{{304, 171, 314, 221}}));
    EXPECT_EQ(OpsOf<TSplitterPixelOp>(picture).size(), 8u);  // the dots stay light on top
}

struct TFlatCase {
    TExtResizeButtonStyle style;
    bool hot;
    bool frame;
    bool darkened;
    bool arrows;
};

class SplitterGripStyles : public ::testing::TestWithParam<TFlatCase> {};

TEST_P(SplitterGripStyles, FlatStylesGainTheFrameOnlyUnderTheMouse) {
    const TFlatCase& c = GetParam();
    TMainWindowSplitter panel;
    panel.Bar().SetResizeButtonStyle(c.style);
    panel.Bar().SetHot(c.hot);
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    EXPECT_EQ(OpsOf<TSplitterFrameOp>(picture).size(), c.frame ? 1u : 0u);
    EXPECT_EQ(OpsOf<TSplitterLineOp>(picture).size(), c.frame ? 2u : 0u);
    EXPECT_EQ(OpsOf<TSplitterCheckerAndOp>(picture).size(), c.darkened ? 1u : 0u);
    EXPECT_EQ(OpsOf<TSplitterTriangleOp>(picture).size(), c.arrows ? 2u : 0u);
    EXPECT_EQ(OpsOf<TSplitterPixelOp>(picture).size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Styles, SplitterGripStyles,
                         ::testing::Values(TFlatCase{TExtResizeButtonStyle::rbsGripOnly, false, true, false, false},
                                           TFlatCase{TExtResizeButtonStyle::rbsGripOnly, true, true, true, false},
                                           TFlatCase{TExtResizeButtonStyle::rbsGripWithArrows, true, true, true, true},
                                           TFlatCase{TExtResizeButtonStyle::rbsFlatGripOnly, false, false, false, false},
                                           TFlatCase{TExtResizeButtonStyle::rbsFlatGripOnly, true, true, false, false},
                                           TFlatCase{TExtResizeButtonStyle::rbsFlatGripWithArrows, false, false, false, true},
                                           TFlatCase{TExtResizeButtonStyle::rbsFlatGripWithArrows, true, true, false, true}));

TEST(SplitterBarPainter, ArrowsPointWhereAGripClickWouldMoveTheBar) {
    TMainWindowSplitter panel;
    panel.Bar().Toggle();  // collapsed to the left: the arrows point right
    auto triangles = OpsOf<TSplitterTriangleOp>(panel.layout.PaintBar(0, clBtnFace));
    ASSERT_EQ(triangles.size(), 2u);
    EXPECT_EQ(triangles[0], (TSplitterTriangleOp{{4, 176}, {2, 174}, {2, 178}, clBlack}));
    EXPECT_EQ(triangles[1], (TSplitterTriangleOp{{4, 216}, {2, 218}, {2, 214}, clBlack}));

    panel.Bar().Toggle();
    panel.Bar().SetResizeDirection(TExtSplitterJump::sjDnRight);  // not collapsed, jumps right
    triangles = OpsOf<TSplitterTriangleOp>(panel.layout.PaintBar(0, clBtnFace));
    ASSERT_EQ(triangles.size(), 2u);
    EXPECT_EQ(triangles[0].Base1.X, 306);
}

TEST(SplitterBarPainter, BarShorterThanTheGripClipsIt) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({687, 30});
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    EXPECT_EQ(picture.GripButton, (TViewRect{304, 0, 314, 30}));
    // Shrunk to (307, 3, 311, 27): dots from y = 11 while y < 23.
    const auto pixels = OpsOf<TSplitterPixelOp>(picture);
    ASSERT_EQ(pixels.size(), 3u);
    EXPECT_EQ(pixels[0].At, (TSplitterPoint{308, 11}));
    EXPECT_EQ(pixels[2].At, (TSplitterPoint{308, 19}));
}

TEST(SplitterBarPainter, VeryShortBarGetsFinerDots) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({687, 7});  // d = 7 - 2 = 5
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    EXPECT_EQ(picture.GripButton, (TViewRect{304, 0, 314, 7}));
    // Shrunk to (307, 3, 311, 4): no room for a dot, and shorter than d, so no arrows.
    EXPECT_TRUE(OpsOf<TSplitterPixelOp>(picture).empty());
    EXPECT_TRUE(OpsOf<TSplitterTriangleOp>(picture).empty());
}

TEST(SplitterBarPainter, HorizontalBarHasARowOfDotsAndUpArrows) {
    TMainWindowSplitter panel;
    panel.layout.SetOrientation(TExtSplitterOrientation::spHorzDown);
    panel.layout.SetClientSize({200, 100});  // extent 90, 45 % -> 40: the bar covers y = 40 to 49
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    EXPECT_EQ(picture.GripButton, (TViewRect{75, 40, 125, 50}));
    // Shrunk to (78, 43, 122, 47); dots on y = 45 from x = 86 while x < 118.
    const auto pixels = OpsOf<TSplitterPixelOp>(picture);
    ASSERT_EQ(pixels.size(), 8u);
    EXPECT_EQ(pixels.front().At, (TSplitterPoint{86, 45}));
    EXPECT_EQ(pixels.back().At, (TSplitterPoint{114, 45}));
    const auto triangles = OpsOf<TSplitterTriangleOp>(picture);
    ASSERT_EQ(triangles.size(), 2u);
    EXPECT_EQ(triangles[0], (TSplitterTriangleOp{{80, 44}, {78, 46}, {82, 46}, clBlack}));
    EXPECT_EQ(triangles[1], (TSplitterTriangleOp{{120, 44}, {122, 46}, {118, 46}, clBlack}));

    panel.Bar().Toggle();  // collapsed upward: the arrows point down
    const auto down = OpsOf<TSplitterTriangleOp>(panel.layout.PaintBar(0, clBtnFace));
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(down[0], (TSplitterTriangleOp{{80, 7}, {78, 5}, {82, 5}, clBlack}));  // dot row y = 5
}

TEST(SplitterBarPainter, PlainBarIsOnlyFilledAndHasNoGrip) {
    TMainWindowSplitter panel;
    panel.Bar().SetResizeButtonStyle(TExtResizeButtonStyle::rbsNoButton);
    panel.Bar().SetColor(0x123456);
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    EXPECT_EQ(picture.Ops, std::vector<TSplitterPaintOp>{TSplitterFillOp({{304, 0, 314, 392}, 0x123456})});
    EXPECT_TRUE(panel.Bar().GripButtonRect().IsEmpty());

    panel.Bar().SetTransparent(true);
    EXPECT_EQ(panel.layout.PaintBar(0, 0x00FF00).Ops,
              std::vector<TSplitterPaintOp>{TSplitterFillOp({{304, 0, 314, 392}, 0x00FF00})});
}

TEST(SplitterBarPainter, EdgeIsDrawnFirstAndTheRestInsideIt) {
    TMainWindowSplitter panel;
    panel.Bar().SetBorderStyle(TExtBarBorderStyle::lsRaised);
    const TSplitterBarPicture picture = panel.layout.PaintBar(0, clBtnFace);
    ASSERT_GE(picture.Ops.size(), 2u);
    EXPECT_EQ(picture.Ops[0], TSplitterPaintOp(TSplitterEdgeOp{{304, 0, 314, 392}, TExtBarBorderStyle::lsRaised}));
    EXPECT_EQ(picture.Ops[1], TSplitterPaintOp(TSplitterFillOp{{306, 2, 312, 390}, clBtnFace}));
    EXPECT_EQ(picture.GripButton, (TViewRect{306, 171, 312, 221}));
}

TEST(SplitterBarPainter, NothingForAPanelWithOnePaneOrWhileLoading) {
    TMainWindowSplitter panel;
    panel.layout.SetPaneVisible(1, false);
    EXPECT_TRUE(panel.layout.PaintBar(0, clBtnFace).Ops.empty());
    panel.layout.SetPaneVisible(1, true);
    panel.layout.BeginLoading();
    EXPECT_TRUE(panel.layout.PaintBar(0, clBtnFace).Ops.empty());
}

}  // namespace
}  // namespace tips::widgets
