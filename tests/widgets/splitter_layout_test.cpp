#include "widgets/splitter_layout.hpp"

#include <gtest/gtest.h>

#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using platform::TViewRect;
using testing::TMainWindowSplitter;
using testing::TRecordingSplitterWindow;

TEST(SplitterLayout, StoredPanelGivesTheLeftPane304Pixels) {
    TMainWindowSplitter panel;
    EXPECT_EQ(panel.Bar().Extent(), 677);
    EXPECT_EQ(panel.Bar().Position(), 304);
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    EXPECT_EQ(panel.layout.BarRect(0), (TViewRect{304, 0, 314, 392}));
    ASSERT_EQ(panel.window.panes.size(), 2u);
    EXPECT_EQ(panel.window.panes[0], (TSplitterPanePlacement{0, {0, 0, 304, 392}}));
    EXPECT_EQ(panel.window.panes[1], (TSplitterPanePlacement{1, {314, 0, 687, 392}}));
}

TEST(SplitterLayout, ResizeKeepsThePercentage) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({1000, 392});
    EXPECT_EQ(panel.LeftPaneWidth(), 445);  // 45 * 990 div 100
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    panel.layout.SetClientSize({687, 392});
    EXPECT_EQ(panel.LeftPaneWidth(), 304);
}

TEST(SplitterLayout, NothingIsLaidOutWhileLoadingOrUpdating) {
    TRecordingSplitterWindow window;
    TExtSplitterLayout layout(&window);
    layout.BeginLoading();
    layout.AddPane();
    layout.AddPane();
    layout.Bar(0).SetPosition(304);
    layout.SetClientSize({687, 392});
    EXPECT_EQ(window.placeCount, 0);
    EXPECT_EQ(layout.Bar(0).PosPercent(), 50);  // no extent yet to take a percentage of
    layout.EndLoading();
    EXPECT_EQ(window.placeCount, 1);
    EXPECT_EQ(layout.Bar(0).Position(), 50 * 684 / 100);  // the stored percentage wins

    layout.BeginUpdate();
    layout.BeginUpdate();
    layout.SetClientSize({1000, 392});
    layout.EndUpdate();
    EXPECT_EQ(window.placeCount, 1);
    layout.EndUpdate();
    EXPECT_EQ(window.placeCount, 2);
    EXPECT_EQ(layout.Bar(0).Position(), 50 * 997 / 100);
}

struct TPlacementCase {
    TExtSplitterOrientation orientation;
    int bevel;
    platform::TViewSize client;
    int percent;
    TViewRect bar;
    TViewRect pane0;
    TViewRect pane1;
};

class SplitterPlacement : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(SplitterPlacement, PlacesBarAndPanesInsideTheBevel) {
    const TPlacementCase& c = GetParam();
    TRecordingSplitterWindow window;
    TExtSplitterLayout layout(&window);
    layout.BeginLoading();
    layout.AddPane();
    layout.AddPane();
    layout.SetOrientation(c.orientation);
    layout.SetBevelWidth(c.bevel);
    layout.Bar(0).SetWidth(10);
    layout.Bar(0).SetPosPercent(c.percent);
    layout.SetClientSize(c.client);
    layout.EndLoading();
    EXPECT_EQ(layout.BarRect(0), c.bar);
    ASSERT_EQ(window.panes.size(), 2u);
    EXPECT_EQ(window.panes[0].Bounds, c.pane0);
    EXPECT_EQ(window.panes[1].Bounds, c.pane1);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, SplitterPlacement,
    ::testing::Values(
        // vertical bars: extent 200 - 4 - 10 = 186, 30 % -> 55
        TPlacementCase{TExtSplitterOrientation::spVertRight, 2, {200, 100}, 30, {57, 2, 67, 98}, {2, 2, 57, 98}, {67, 2, 198, 98}},
        TPlacementCase{TExtSplitterOrientation::spVertLeft, 2, {200, 100}, 30, {57, 2, 67, 98}, {2, 2, 57, 98}, {67, 2, 198, 98}},
        // horizontal bars: extent 100 - 4 - 10 = 86, 30 % -> 25
        TPlacementCase{TExtSplitterOrientation::spHorzDown, 2, {200, 100}, 30, {2, 27, 198, 37}, {2, 2, 198, 27}, {2, 37, 198, 98}},
        TPlacementCase{TExtSplitterOrientation::spHorzUp, 0, {200, 100}, 100, {0, 90, 200, 100}, {0, 0, 200, 90}, {0, 100, 200, 100}},
        TPlacementCase{TExtSplitterOrientation::spVertRight, 0, {687, 392}, 0, {0, 0, 10, 392}, {0, 0, 0, 392}, {10, 0, 687, 392}}));

TEST(SplitterLayout, LimitsHoldThePositionWithinMinAndExtentMinusMax) {
    TMainWindowSplitter panel;
    panel.Bar().SetMin(320);
    EXPECT_EQ(panel.Bar().Position(), 320);
    EXPECT_EQ(panel.Bar().PosPercent(), 45);  // the limit holds the bar, the percentage stays
    // Changing a limit takes the percentage from where the bar is: 320 of 677 is 47 %.
    panel.Bar().SetMin(0);
    EXPECT_EQ(panel.Bar().PosPercent(), 47);
    EXPECT_EQ(panel.Bar().Position(), 47 * 677 / 100);
    panel.Bar().SetMax(400);
    EXPECT_EQ(panel.Bar().Position(), 277);
    panel.Bar().SetMax(0);
    EXPECT_EQ(panel.Bar().PosPercent(), 41);  // 277 of 677
    EXPECT_EQ(panel.Bar().Position(), 277);
}

TEST(SplitterLayout, BarWithoutRoomKeepsPositionAndPercent) {
    TMainWindowSplitter panel;
    panel.layout.SetClientSize({10, 392});
    EXPECT_EQ(panel.Bar().Extent(), 0);
    EXPECT_EQ(panel.Bar().Position(), 304);
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    panel.Bar().SetPosition(100);  // no extent to take a percentage of
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    // The panes stay inside the panel instead of turning inside out.
    EXPECT_EQ(panel.window.panes[0].Bounds, (TViewRect{0, 0, 10, 392}));
    EXPECT_EQ(panel.window.panes[1].Bounds, (TViewRect{10, 0, 10, 392}));
}

TEST(SplitterLayout, OneVisiblePaneFillsThePanelAndHasNoBar) {
    TMainWindowSplitter panel;
    panel.layout.SetPaneVisible(0, false);
    EXPECT_EQ(panel.layout.BarCount(), 0);
    EXPECT_TRUE(panel.layout.BarRect(0).IsEmpty());
    ASSERT_EQ(panel.window.panes.size(), 1u);
    EXPECT_EQ(panel.window.panes[0], (TSplitterPanePlacement{1, {0, 0, 687, 392}}));
    panel.layout.SetPaneVisible(0, true);
    EXPECT_EQ(panel.layout.BarCount(), 1);
    EXPECT_EQ(panel.LeftPaneWidth(), 304);
}

TEST(SplitterLayout, HoldsAtMostFourPanesWithOneBarPerBoundary) {
    TExtSplitterLayout layout;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(layout.AddPane(), i);
    EXPECT_EQ(layout.AddPane(), -1);
    EXPECT_EQ(layout.PaneCount(), 4);
    EXPECT_EQ(layout.BarItemCount(), 3);
    layout.SetOrientation(TExtSplitterOrientation::spCross);
    EXPECT_EQ(layout.Orientation(), TExtSplitterOrientation::spCross);
    layout.RemovePane(1);
    EXPECT_EQ(layout.PaneCount(), 3);
    EXPECT_EQ(layout.BarItemCount(), 2);
    EXPECT_EQ(layout.Orientation(), TExtSplitterOrientation::spVertRight);
    // Crossing bars need four panes.
    layout.SetOrientation(TExtSplitterOrientation::spCross);
    EXPECT_EQ(layout.Orientation(), TExtSplitterOrientation::spVertRight);
}

TEST(SplitterLayout, HidingAPaneEndsCrossingBars) {
    TExtSplitterLayout layout;
    for (int i = 0; i < 4; ++i) layout.AddPane();
    layout.SetOrientation(TExtSplitterOrientation::spCross);
    layout.SetPaneVisible(3, false);
    EXPECT_EQ(layout.Orientation(), TExtSplitterOrientation::spVertRight);
    EXPECT_EQ(layout.VisiblePaneCount(), 3);
    EXPECT_EQ(layout.NthVisiblePane(2), 2);
    EXPECT_EQ(layout.NthVisiblePane(3), -1);
}

TEST(SplitterLayout, ColourAndLockRepaintOnlyTheBar) {
    TMainWindowSplitter panel;
    const int placed = panel.window.placeCount;
    panel.Bar().SetColor(platform::clWhite);
    panel.Bar().SetLocked(true);
    EXPECT_EQ(panel.window.placeCount, placed);
    EXPECT_EQ(panel.window.barRepaints, (std::vector<TViewRect>(2, TViewRect{304, 0, 314, 392})));
    panel.Bar().SetResizeColor(platform::clWhite);
    EXPECT_EQ(panel.window.placeCount, placed + 1);
}

}  // namespace
}  // namespace tips::widgets
