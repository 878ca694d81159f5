#include "widgets/splitter_bar_painter.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/recording_canvas.hpp"
#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using platform::clBlack;
using platform::clBtnFace;
using platform::clBtnShadow;
using platform::clGray;
using platform::clWhite;
using platform::TCanvasCall;
using platform::TEdgeCall;
using platform::TFillCall;
using platform::TFrameCall;
using platform::TLineCall;
using platform::TPatternCall;
using platform::TPixelCall;
using platform::TPolygonCall;
using platform::TViewPoint;
using platform::TViewRect;
using testing::TMainWindowSplitter;

std::vector<TCanvasCall> Dots(int x, int firstY, int count, int pitch) {
    std::vector<TCanvasCall> calls;
    for (int i = 0; i < count; ++i) {
        const int y = firstY + i * pitch;
        calls.push_back(TFillCall{{x, y, x + 2, y + 2}, clBtnShadow});
        calls.push_back(TPixelCall{{x, y}, clWhite});
    }
    return calls;
}

TPolygonCall Arrow(TViewPoint tip, TViewPoint base1, TViewPoint base2) { return {{tip, base1, base2}, clBlack}; }

template <typename Call>
std::vector<Call> CallsOf(const std::vector<TCanvasCall>& calls) {
    std::vector<Call> found;
    for (const TCanvasCall& call : calls) {
        if (const Call* typed = std::get_if<Call>(&call)) found.push_back(*typed);
    }
    return found;
}

TEST(SplitterBarPainter, StoredBarIsARaisedGripWithEightDotsAndLeftArrows) {
    TMainWindowSplitter panel;
    const auto calls = panel.Paint();
    std::vector<TCanvasCall> expected{
        TFillCall{{304, 0, 314, 392}, clBtnFace},
        TFillCall{{304, 171, 314, 221}, clBtnFace},
        TFrameCall{{304, 171, 314, 221}, clGray},
        TLineCall{{305, 219}, {305, 172}, clWhite},
        TLineCall{{305, 172}, {313, 172}, clWhite},
    };
    // The button shrinks to (307, 174, 311, 218); dots at x = 308 from y = 182 while y < 214.
    const auto dots = Dots(308, 182, 8, 4);
    expected.insert(expected.end(), dots.begin(), dots.end());
    expected.push_back(Arrow({308, 176}, {310, 174}, {310, 178}));
    expected.push_back(Arrow({308, 216}, {310, 218}, {310, 214}));
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(panel.Bar().GripButtonRect(), (TViewRect{304, 171, 314, 221}));
}

TEST(SplitterBarPainter, HotRaisedGripIsDarkenedAfterItsFrame) {
    TMainWindowSplitter panel;
    panel.hover.MouseMove({308, 195});
    const auto calls = panel.Paint();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[5], TCanvasCall(TPatternCall{{304, 171, 314, 221}, platform::kCheckerPattern}));
    EXPECT_EQ(CallsOf<TPixelCall>(calls).size(), 8u);  // the dots stay light on top
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
    const auto calls = panel.Paint();
    EXPECT_EQ(CallsOf<TFrameCall>(calls).size(), c.frame ? 1u : 0u);
    EXPECT_EQ(CallsOf<TLineCall>(calls).size(), c.frame ? 2u : 0u);
    EXPECT_EQ(CallsOf<TPatternCall>(calls).size(), c.darkened ? 1u : 0u);
    EXPECT_EQ(CallsOf<TPolygonCall>(calls).size(), c.arrows ? 2u : 0u);
    EXPECT_EQ(CallsOf<TPixelCall>(calls).size(), 8u);
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
    auto arrows = CallsOf<TPolygonCall>(panel.Paint());
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0], Arrow({4, 176}, {2, 174}, {2, 178}));
    EXPECT_EQ(arrows[1], Arrow({4, 216}, {2, 218}, {2, 214}));

    panel.Bar().Toggle();
    panel.Bar().SetResizeDirection(TExtSplitterJump::sjDnRight);  // not collapsed, jumps right
    arrows = CallsOf<TPolygonCall>(panel.Paint());
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0].Points.at(1).X, 306);
}

TEST(SplitterBarPainter, BarShorterThanTheGripClipsIt) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({687, 30});
    const auto calls = panel.Paint();
    EXPECT_EQ(panel.Bar().GripButtonRect(), (TViewRect{304, 0, 314, 30}));
    // Shrunk to (307, 3, 311, 27): dots from y = 11 while y < 23.
    const auto pixels = CallsOf<TPixelCall>(calls);
    ASSERT_EQ(pixels.size(), 3u);
    EXPECT_EQ(pixels[0].At, (TViewPoint{308, 11}));
    EXPECT_EQ(pixels[2].At, (TViewPoint{308, 19}));
}

TEST(SplitterBarPainter, VeryShortBarGetsFinerDots) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({687, 7});  // d = 7 - 2 = 5
    const auto calls = panel.Paint();
    EXPECT_EQ(panel.Bar().GripButtonRect(), (TViewRect{304, 0, 314, 7}));
    // Shrunk to (307, 3, 311, 4): no room for a dot, and shorter than d, so no arrows.
    EXPECT_TRUE(CallsOf<TPixelCall>(calls).empty());
    EXPECT_TRUE(CallsOf<TPolygonCall>(calls).empty());
}

TEST(SplitterBarPainter, HorizontalBarHasARowOfDotsAndUpArrows) {
    TMainWindowSplitter panel;
    panel.layout.SetOrientation(TExtSplitterOrientation::spHorzDown);
    panel.layout.SetClientSize({200, 100});  // extent 90, 45 % -> 40: the bar covers y = 40 to 49
    const auto calls = panel.Paint();
    EXPECT_EQ(panel.Bar().GripButtonRect(), (TViewRect{75, 40, 125, 50}));
    // Shrunk to (78, 43, 122, 47); dots on y = 45 from x = 86 while x < 118.
    const auto pixels = CallsOf<TPixelCall>(calls);
    ASSERT_EQ(pixels.size(), 8u);
    EXPECT_EQ(pixels.front().At, (TViewPoint{86, 45}));
    EXPECT_EQ(pixels.back().At, (TViewPoint{114, 45}));
    const auto arrows = CallsOf<TPolygonCall>(calls);
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0], Arrow({80, 44}, {78, 46}, {82, 46}));
    EXPECT_EQ(arrows[1], Arrow({120, 44}, {122, 46}, {118, 46}));

    panel.Bar().Toggle();  // collapsed upward: the arrows point down
    const auto down = CallsOf<TPolygonCall>(panel.Paint());
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(down[0], Arrow({80, 7}, {78, 5}, {82, 5}));  // dot row y = 5
}

TEST(SplitterBarPainter, PlainBarIsOnlyFilledAndHasNoGrip) {
    TMainWindowSplitter panel;
    panel.Bar().SetResizeButtonStyle(TExtResizeButtonStyle::rbsNoButton);
    panel.Bar().SetColor(0x123456);
    EXPECT_EQ(panel.Paint(), std::vector<TCanvasCall>{TFillCall({{304, 0, 314, 392}, 0x123456})});
    EXPECT_TRUE(panel.Bar().GripButtonRect().IsEmpty());

    panel.Bar().SetTransparent(true);
    EXPECT_EQ(panel.Paint(0x00FF00), std::vector<TCanvasCall>{TFillCall({{304, 0, 314, 392}, 0x00FF00})});
}

TEST(SplitterBarPainter, EdgeIsDrawnFirstAndTheRestInsideIt) {
    for (const auto& [style, edge] : {std::pair{TExtBarBorderStyle::lsRaised, platform::edgeRaised},
                                      std::pair{TExtBarBorderStyle::lsLowered, platform::edgeSunken}}) {
        TMainWindowSplitter panel;
        panel.Bar().SetBorderStyle(style);
        const auto calls = panel.Paint();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[0], TCanvasCall(TEdgeCall{{304, 0, 314, 392}, edge, platform::bfRect}));
        EXPECT_EQ(calls[1], TCanvasCall(TFillCall{{306, 2, 312, 390}, clBtnFace}));
        EXPECT_EQ(panel.Bar().GripButtonRect(), (TViewRect{306, 171, 312, 221}));
    }
}

TEST(SplitterBarPainter, NothingForAPanelWithOnePaneOrWhileLoading) {
    TMainWindowSplitter panel;
    panel.layout.SetPaneVisible(1, false);
    EXPECT_TRUE(panel.Paint().empty());
    EXPECT_TRUE(panel.Bar().GripButtonRect().IsEmpty());
    panel.layout.SetPaneVisible(1, true);
    panel.layout.BeginLoading();
    EXPECT_TRUE(panel.Paint().empty());
}

}  // namespace
}  // namespace tips::widgets
