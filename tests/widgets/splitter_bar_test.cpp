#include "widgets/splitter_bar.hpp"

#include <gtest/gtest.h>

#include "splitter_fixture.hpp"

namespace tips::widgets {
namespace {

using testing::TMainWindowSplitter;

struct TPercentCase {
    int position;
    int extent;
    int percent;
};

class SplitterPercentRounding : public ::testing::TestWithParam<TPercentCase> {};

TEST_P(SplitterPercentRounding, RoundsHalfToEvenWithinZeroToHundred) {
    EXPECT_EQ(SplitterPercent(GetParam().position, GetParam().extent), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitterPercentRounding,
                         ::testing::Values(TPercentCase{304, 677, 45}, TPercentCase{350, 677, 52},
                                           TPercentCase{1, 8, 12},    // 12.5 -> 12
                                           TPercentCase{3, 8, 38},    // 37.5 -> 38
                                           TPercentCase{3, 40, 8},    // 7.5 -> 8, exactly
                                           TPercentCase{1, 40, 2},    // 2.5 -> 2
                                           TPercentCase{0, 677, 0}, TPercentCase{677, 677, 100},
                                           TPercentCase{900, 677, 100}, TPercentCase{-5, 100, 0}));

TEST(SplitterBar, DefaultsAreAnUnsetThinBarWithoutButton) {
    const TExtSplitterBarItem bar;
    EXPECT_EQ(bar.Position(), -1);
    EXPECT_EQ(bar.PosPercent(), 50);
    EXPECT_EQ(bar.OldPosition(), -1);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Width(), 3);
    EXPECT_EQ(bar.Color(), platform::clBtnFace);
    EXPECT_EQ(bar.ResizeColor(), platform::clBtnFace);
    EXPECT_EQ(bar.ResizeButtonStyle(), TExtResizeButtonStyle::rbsNoButton);
    EXPECT_EQ(bar.ResizeDirection(), TExtSplitterJump::sjUpLeft);
    EXPECT_FALSE(bar.Locked());
    EXPECT_FALSE(bar.Transparent());
    EXPECT_EQ(bar.BorderStyle(), TExtBarBorderStyle::lsNone);
    EXPECT_TRUE(bar.GripButtonRect().IsEmpty());
}

TEST(SplitterBar, SettingThePositionSnapsToTheWholePercentage) {
    TMainWindowSplitter panel;
    int changes = 0;
    panel.Bar().OnChange = [&changes](TExtSplitterBarItem&) { ++changes; };
    panel.Bar().SetPosition(300);
    EXPECT_EQ(panel.Bar().PosPercent(), 44);
    EXPECT_EQ(panel.Bar().Position(), 44 * 677 / 100);
    EXPECT_EQ(changes, 1);
    panel.Bar().SetPosition(panel.Bar().Position());  // unchanged: nothing happens
    panel.Bar().SetPosPercent(44);
    EXPECT_EQ(changes, 1);
    panel.Bar().SetPosPercent(60);
    EXPECT_EQ(panel.Bar().Position(), 406);
    EXPECT_EQ(changes, 2);
    panel.Bar().SetPosPercent(250);  // a percentage goes no further than 100
    EXPECT_EQ(panel.Bar().PosPercent(), 100);
    EXPECT_EQ(panel.Bar().Position(), 677);
}

TEST(SplitterBar, WidthChangeRefreshesThePercentageFromThePosition) {
    TMainWindowSplitter panel;
    panel.Bar().SetWidth(20);  // 304 of the old 677 is 45 %; the new extent is 667
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    EXPECT_EQ(panel.Bar().Position(), 45 * 667 / 100);
    EXPECT_EQ(panel.layout.BarRect(0), (platform::TViewRect{300, 0, 320, 392}));
}

TEST(SplitterBar, UnsetPositionComesFromThePercentageWhenLimitsChange) {
    TExtSplitterBarItem bar;
    bar.SetExtent(200);
    bar.SetMin(10);
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(bar.PosPercent(), 50);
}

TEST(SplitterBar, DraggedBarKeepsItsPixelAndForgetsTheCollapsedPlaceOnANewPercentage) {
    TMainWindowSplitter panel;
    panel.Bar().SetOldPosition(304);
    panel.Bar().SetDragging(true);
    panel.Bar().SetPosition(306);  // still 45 %
    EXPECT_EQ(panel.Bar().Position(), 306);
    EXPECT_EQ(panel.Bar().OldPosition(), 304);
    panel.Bar().SetPosition(350);
    EXPECT_EQ(panel.Bar().Position(), 350);
    EXPECT_EQ(panel.Bar().PosPercent(), 52);
    EXPECT_EQ(panel.Bar().OldPosition(), -1);
}

TEST(SplitterBar, TransparencyFiresOnChangeAndLegacyButtonReadsAsFlatArrows) {
    TExtSplitterBarItem bar;
    int changes = 0;
    bar.OnChange = [&changes](TExtSplitterBarItem&) { ++changes; };
    bar.SetTransparent(true);
    EXPECT_EQ(changes, 1);
    bar.SetResizeButton(false);
    EXPECT_EQ(bar.ResizeButtonStyle(), TExtResizeButtonStyle::rbsNoButton);
    bar.SetResizeButton(true);
    EXPECT_EQ(bar.ResizeButtonStyle(), TExtResizeButtonStyle::rbsFlatGripWithArrows);
}

TEST(SplitterBar, ToggleCollapsesTowardItsDirectionWithinTheLimits) {
    TMainWindowSplitter panel;
    panel.Bar().SetResizeDirection(TExtSplitterJump::sjDnRight);
    panel.Bar().SetMax(100);
    panel.Bar().Toggle();
    EXPECT_EQ(panel.Bar().PosPercent(), 100);
    EXPECT_EQ(panel.Bar().Position(), 577);
    EXPECT_EQ(panel.Bar().OldPosition(), 304);
    EXPECT_TRUE(panel.Bar().Collapsed());
    panel.Bar().Toggle();
    EXPECT_EQ(panel.Bar().Position(), 304);
    EXPECT_EQ(panel.Bar().PosPercent(), 45);
    EXPECT_FALSE(panel.Bar().Collapsed());
}

}  // namespace
}  // namespace tips::widgets
