#include "widgets/splitter_drag.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using platform::TViewRect;
using testing::TMainWindowSplitter;

// Every ghost drawn was drawn a second time at the same place, so none is left on the screen.
bool AllGhostsErased(const std::vector<TViewRect>& ghosts) {
    std::map<std::tuple<int, int, int, int>, int> count;
    for (const TViewRect& r : ghosts) ++count[{r.Left, r.Top, r.Right, r.Bottom}];
    return std::all_of(count.begin(), count.end(), [](const auto& entry) { return entry.second % 2 == 0; });
}

class SplitterDrag : public ::testing::Test {
protected:
    void SetUp() override {
        panel.layout.OnSplitChange = [this](int bar) { splitChanges.push_back(bar); };
    }
    TExtSplitterBarItem& Bar() { return panel.Bar(); }
    TViewRect LastGhost() const { return panel.window.ghosts.back(); }

    TMainWindowSplitter panel;
    std::vector<int> splitChanges;
};

TEST_F(SplitterDrag, GhostFollowsTheMouseAndPanesMoveOnRelease) {
    panel.drag.MouseDown({308, 100});
    EXPECT_TRUE(panel.window.captured);
    EXPECT_TRUE(panel.drag.Dragging());
    EXPECT_EQ(LastGhost(), (TViewRect{304, 0, 314, 392}));
    const int placed = panel.window.placeCount;
    panel.drag.MouseMove({350, 120});
    EXPECT_EQ(LastGhost(), (TViewRect{346, 0, 356, 392}));
    EXPECT_EQ(panel.window.placeCount, placed);  // the panes wait for the release
    EXPECT_EQ(Bar().Position(), 304);
    panel.drag.MouseUp({350, 120});
    EXPECT_FALSE(panel.drag.Dragging());
    EXPECT_FALSE(panel.window.captured);
    EXPECT_TRUE(AllGhostsErased(panel.window.ghosts));
    EXPECT_EQ(Bar().Position(), 346);  // the exact pixel, not a whole percentage
    EXPECT_EQ(Bar().PosPercent(), 51);
    EXPECT_EQ(panel.LeftPaneWidth(), 346);
    EXPECT_EQ(splitChanges, std::vector<int>{0});
}

TEST_F(SplitterDrag, ACancelledDragErasesTheGhostAndLeavesTheBar) {
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({400, 100});
    panel.drag.Cancel();
    EXPECT_FALSE(panel.drag.Dragging());
    EXPECT_FALSE(Bar().Dragging());
    EXPECT_TRUE(AllGhostsErased(panel.window.ghosts));
    EXPECT_EQ(Bar().Position(), 304);
    EXPECT_TRUE(splitChanges.empty());
    // A release that still arrives afterwards changes nothing.
    const auto ghosts = panel.window.ghosts.size();
    panel.drag.MouseUp({400, 100});
    EXPECT_EQ(panel.window.ghosts.size(), ghosts);
    EXPECT_EQ(Bar().Position(), 304);
}

TEST_F(SplitterDrag, StopsAtBothEdgesAndAnswersAtOnceWhenTheMouseTurnsBack) {
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({-200, 100});
    EXPECT_EQ(Bar().DragPosition(), 0);
    EXPECT_EQ(LastGhost(), (TViewRect{0, 0, 10, 392}));
    EXPECT_EQ(panel.drag.CurrentPoint().X, 4);
    panel.drag.MouseMove({10, 100});
    EXPECT_EQ(Bar().DragPosition(), 6);

    panel.drag.MouseMove({2000, 100});
    EXPECT_EQ(Bar().DragPosition(), 677);
    EXPECT_EQ(LastGhost(), (TViewRect{677, 0, 687, 392}));
    panel.drag.MouseMove({1990, 100});  // still beyond the end
    EXPECT_EQ(Bar().DragPosition(), 677);
    panel.drag.MouseMove({671, 100});
    EXPECT_EQ(Bar().DragPosition(), 667);
    panel.drag.MouseMove({3000, 100});
    panel.drag.MouseUp({3000, 100});
    EXPECT_EQ(Bar().Position(), 677);
    EXPECT_EQ(Bar().PosPercent(), 100);
    EXPECT_EQ(panel.window.panes[1].Bounds, (TViewRect{687, 0, 687, 392}));  // the right pane is 0 wide
    EXPECT_TRUE(AllGhostsErased(panel.window.ghosts));
}

TEST_F(SplitterDrag, LimitsAreMinAndExtentMinusMax) {
    Bar().SetMin(100);
    Bar().SetMax(200);
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({0, 100});
    EXPECT_EQ(Bar().DragPosition(), 100);
    panel.drag.MouseMove({687, 100});
    EXPECT_EQ(Bar().DragPosition(), 477);
}

TEST_F(SplitterDrag, GripClickCollapsesAndASecondClickRestoresSnappedToItsPercentage) {
    // First a drag to a pixel that is no whole percentage.
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({354, 100});
    panel.drag.MouseUp({354, 100});
    ASSERT_EQ(Bar().Position(), 350);
    ASSERT_EQ(Bar().PosPercent(), 52);
    panel.Paint();
    ASSERT_EQ(Bar().GripButtonRect(), (TViewRect{350, 171, 360, 221}));
    splitChanges.clear();

    panel.drag.MouseDown({352, 195});
    panel.drag.MouseMove({355, 196});  // within 5 pixels: still a click
    panel.drag.MouseUp({355, 196});
    EXPECT_EQ(Bar().PosPercent(), 0);
    EXPECT_EQ(Bar().Position(), 0);
    EXPECT_EQ(Bar().OldPosition(), 350);
    EXPECT_EQ(panel.LeftPaneWidth(), 0);
    EXPECT_TRUE(splitChanges.empty());
    EXPECT_TRUE(AllGhostsErased(panel.window.ghosts));

    panel.Paint();
    panel.drag.MouseDown({4, 195});
    panel.drag.MouseUp({4, 195});
    EXPECT_EQ(Bar().OldPosition(), -1);
    EXPECT_EQ(Bar().PosPercent(), 52);
    EXPECT_EQ(Bar().Position(), 352);  // 52 * 677 div 100
    EXPECT_TRUE(splitChanges.empty());
}

TEST_F(SplitterDrag, ReleaseOnTheGripAfterMoreThanFivePixelsIsADrag) {
    panel.drag.MouseDown({305, 195});
    panel.drag.MouseMove({311, 195});
    panel.drag.MouseUp({311, 195});
    EXPECT_EQ(Bar().Position(), 310);
    EXPECT_EQ(Bar().OldPosition(), -1);
    EXPECT_EQ(splitChanges, std::vector<int>{0});
}

TEST_F(SplitterDrag, ShortReleaseOffTheGripIsADragToThatPixel) {
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({310, 100});
    panel.drag.MouseUp({310, 100});
    EXPECT_EQ(Bar().Position(), 306);
    EXPECT_FALSE(Bar().Collapsed());
    EXPECT_EQ(splitChanges, std::vector<int>{0});
}

TEST_F(SplitterDrag, ExactPixelHoldsUntilTheNextRelayout) {
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({354, 100});
    panel.drag.MouseUp({354, 100});
    EXPECT_EQ(Bar().Position(), 350);
    panel.layout.SetClientSize({687, 392});  // the same size, laid out again
    EXPECT_EQ(Bar().Position(), 352);
    EXPECT_EQ(panel.LeftPaneWidth(), 352);
}

TEST_F(SplitterDrag, HoveringTheGripAfterAnExactDragSnapsTheBar) {
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({354, 100});
    panel.drag.MouseUp({354, 100});
    panel.Paint();
    panel.hover.MouseMove({352, 195});
    EXPECT_TRUE(Bar().Hot());
    EXPECT_EQ(Bar().Position(), 352);
}

TEST_F(SplitterDrag, PressOffTheBarOrOnALockedBarDoesNotDrag) {
    panel.drag.MouseDown({100, 100});
    EXPECT_TRUE(panel.window.captured);
    EXPECT_FALSE(panel.drag.Dragging());
    panel.drag.MouseMove({150, 100});
    panel.drag.MouseUp({150, 100});
    EXPECT_FALSE(panel.window.captured);
    Bar().SetLocked(true);
    panel.drag.MouseDown({308, 100});
    EXPECT_FALSE(panel.drag.Dragging());
    panel.drag.MouseUp({308, 100});
    EXPECT_EQ(Bar().Position(), 304);
    EXPECT_TRUE(panel.window.ghosts.empty());
    EXPECT_TRUE(splitChanges.empty());
}

TEST_F(SplitterDrag, InstantUpdateMovesThePanesWhileDragging) {
    panel.layout.SetInstantUpdate(true);
    panel.drag.MouseDown({308, 100});
    panel.drag.MouseMove({358, 100});
    EXPECT_EQ(Bar().Position(), 354);
    EXPECT_EQ(panel.LeftPaneWidth(), 354);
    panel.drag.MouseMove({-50, 100});
    EXPECT_EQ(Bar().Position(), 0);
    panel.drag.MouseMove({20, 100});
    EXPECT_EQ(Bar().Position(), 16);
    panel.drag.MouseUp({20, 100});
    EXPECT_EQ(Bar().Position(), 16);
    EXPECT_TRUE(panel.window.ghosts.empty());
    EXPECT_EQ(splitChanges, std::vector<int>{0});
}

TEST_F(SplitterDrag, InstantUpdateTogglesOnlyOnAGripClickWithoutMoving) {
    panel.layout.SetInstantUpdate(true);
    panel.drag.MouseDown({308, 195});
    panel.drag.MouseMove({309, 195});
    panel.drag.MouseMove({308, 195});
    panel.drag.MouseUp({308, 195});
    EXPECT_FALSE(Bar().Collapsed());
    panel.Paint();
    panel.drag.MouseDown({308, 195});
    panel.drag.MouseUp({308, 195});
    EXPECT_TRUE(Bar().Collapsed());
    EXPECT_EQ(Bar().Position(), 0);
    EXPECT_EQ(splitChanges, (std::vector<int>{0, 0}));  // the instant click still ends a drag
}

}  // namespace
}  // namespace tips::widgets
