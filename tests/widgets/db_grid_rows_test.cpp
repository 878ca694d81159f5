#include "widgets/db_grid_rows.hpp"

#include <gtest/gtest.h>

namespace tips::widgets {
namespace {

struct TRowsCase {
    const char* name;
    int rowCount, activeRow, topBefore;
    bool centre;
    int topAfter;
};

class GridRowWindow : public ::testing::TestWithParam<TRowsCase> {};

TEST_P(GridRowWindow, KeepsTheCurrentRowInView) {
    const auto& c = GetParam();
    TDBGridRows rows;
    rows.SetVisibleRowCount(5);
    rows.Update(100, 50, false);
    rows.ScrollTo(c.topBefore);
    rows.Update(c.rowCount, c.activeRow, c.centre);
    EXPECT_EQ(rows.TopRow(), c.topAfter);
    EXPECT_TRUE(rows.IsVisible(rows.ActiveRow()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridRowWindow,
    ::testing::Values(TRowsCase{"InsideStays", 100, 12, 10, false, 10},
                      TRowsCase{"OneBelowScrollsOne", 100, 15, 10, false, 11},
                      TRowsCase{"FarBelowBecomesTheBottomRow", 100, 40, 10, false, 36},
                      TRowsCase{"AboveBecomesTheTopRow", 100, 3, 10, false, 3},
                      TRowsCase{"CentredInTheMiddleRow", 100, 40, 10, true, 38},
                      TRowsCase{"CentredNearTheStartStaysAtTheStart", 100, 1, 10, true, 0},
                      TRowsCase{"CentredNearTheEndKeepsTheWindowFull", 100, 98, 10, true, 95},
                      TRowsCase{"FewerRowsThanTheWindow", 3, 2, 10, false, 0},
                      TRowsCase{"ShrunkRowsPullTheWindowUp", 12, 11, 10, false, 7}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(GridRowWindow, AlwaysHasOneRowAndOneVisibleRow) {
    TDBGridRows rows;
    rows.SetVisibleRowCount(0);
    rows.Update(0, -1, true);
    EXPECT_EQ(rows.VisibleRowCount(), 1);
    EXPECT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(rows.ActiveRow(), 0);
    EXPECT_EQ(rows.RowAt(0), 0);
    EXPECT_EQ(rows.RowAt(1), -1);
}

TEST(GridRowWindow, AnEvenWindowCentresOnTheUpperMiddleRow) {
    TDBGridRows rows;
    rows.SetVisibleRowCount(4);
    rows.Update(100, 50, true);
    EXPECT_EQ(rows.TopRow(), 49);
}

TEST(GridRowWindow, ShrinkingTheWindowKeepsTheCurrentRowInView) {
    TDBGridRows rows;
    rows.SetVisibleRowCount(10);
    rows.Update(100, 9, false);
    rows.SetVisibleRowCount(4);
    EXPECT_EQ(rows.TopRow(), 6);
    EXPECT_EQ(rows.RowAt(3), 9);
}

}  // namespace
}  // namespace tips::widgets
