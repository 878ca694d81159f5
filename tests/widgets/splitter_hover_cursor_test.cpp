#include "widgets/splitter_hover_cursor.hpp"

#include <gtest/gtest.h>

#include <string>

#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using testing::TMainWindowSplitter;

TEST(SplitterHover, GripIsHotWhileTheMouseIsOnIt) {
    TMainWindowSplitter panel;
    const int repaints = panel.window.panelRepaints;
    panel.hover.MouseMove({306, 180});
    EXPECT_TRUE(panel.Bar().Hot());
    EXPECT_EQ(panel.window.panelRepaints, repaints + 1);
    panel.hover.MouseMove({307, 181});  // no change, no relayout
    EXPECT_EQ(panel.window.panelRepaints, repaints + 1);
    panel.hover.MouseMove({306, 221});  // just below the button
    EXPECT_FALSE(panel.Bar().Hot());
    panel.hover.MouseMove({313, 171});
    EXPECT_TRUE(panel.Bar().Hot());
    panel.hover.MouseLeave();
    EXPECT_FALSE(panel.Bar().Hot());
}

TEST(SplitterHover, NothingIsHotBeforeTheBarWasPainted) {
    testing::TRecordingSplitterWindow window;
    TExtSplitterLayout layout(&window);
    layout.AddPane();
    layout.AddPane();
    TExtSplitterHover hover(layout);
    layout.Bar(0).SetResizeButtonStyle(TExtResizeButtonStyle::rbsGripOnly);
    hover.MouseMove({layout.BarRect(0).Left + 1, 50});
    EXPECT_FALSE(layout.Bar(0).Hot());
}

struct TCursorCase {
    const char* name;
    TSplitterPoint point;
    TExtResizeButtonStyle style;
    bool locked;
    TSplitterCursor cursor;
};

class SplitterCursor : public ::testing::TestWithParam<TCursorCase> {};

TEST_P(SplitterCursor, FollowsTheBarAndItsGrip) {
    const TCursorCase& c = GetParam();
    TMainWindowSplitter panel;
    panel.Bar().SetResizeButtonStyle(c.style);
    panel.Bar().SetLocked(c.locked);
    panel.Paint();
    panel.hover.SetHitPoint(c.point);
    EXPECT_EQ(panel.hover.TakeCursor(), c.cursor);
    EXPECT_EQ(panel.hover.HitPoint(), (TSplitterPoint{-1, -1}));
    EXPECT_EQ(panel.hover.TakeCursor(), TSplitterCursor::Default);  // the point is used once
}

INSTANTIATE_TEST_SUITE_P(
    Points, SplitterCursor,
    ::testing::Values(
        TCursorCase{"BarOutsideGrip", {308, 100}, TExtResizeButtonStyle::rbsGripWithArrows, false, TSplitterCursor::SplitHorizontal},
        TCursorCase{"Grip", {308, 195}, TExtResizeButtonStyle::rbsGripWithArrows, false, TSplitterCursor::Arrow},
        TCursorCase{"FlatGrip", {304, 171}, TExtResizeButtonStyle::rbsFlatGripOnly, false, TSplitterCursor::Arrow},
        TCursorCase{"NoButtonWhereGripWouldBe", {308, 195}, TExtResizeButtonStyle::rbsNoButton, false, TSplitterCursor::SplitHorizontal},
        TCursorCase{"LeftPane", {303, 195}, TExtResizeButtonStyle::rbsGripWithArrows, false, TSplitterCursor::Default},
        TCursorCase{"RightPane", {314, 100}, TExtResizeButtonStyle::rbsGripWithArrows, false, TSplitterCursor::Default},
        TCursorCase{"LockedBar", {308, 100}, TExtResizeButtonStyle::rbsGripWithArrows, true, TSplitterCursor::Default},
        TCursorCase{"LockedGrip", {308, 195}, TExtResizeButtonStyle::rbsGripWithArrows, true, TSplitterCursor::Default}),
    [](const ::testing::TestParamInfo<TCursorCase>& param) { return std::string(param.param.name); });

TEST(SplitterCursorHorizontal, HorizontalBarShowsTheVerticalSplitCursor) {
    TMainWindowSplitter panel;
    panel.layout.SetOrientation(TExtSplitterOrientation::spHorzDown);
    // extent 392 - 10 = 382, 45 % -> 171: the bar covers y = 171 to 180
    panel.hover.SetHitPoint({10, 175});
    EXPECT_EQ(panel.hover.TakeCursor(), TSplitterCursor::SplitVertical);
}

}  // namespace
}  // namespace tips::widgets
