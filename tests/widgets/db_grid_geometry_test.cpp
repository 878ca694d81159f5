#include "widgets/db_grid_geometry.hpp"

#include <gtest/gtest.h>

#include "widgets/db_grid_columns.hpp"

namespace tips::widgets {
namespace {

using platform::TViewRect;

// The main window's grid: "Categoria" 68 and "Descripcion" 190 wide, MS Sans Serif 8 point (13 pixels
// of text), 300 x 348.
class GridGeometry : public ::testing::Test {
protected:
    GridGeometry() {
        columns.Add("Categoria", 68);
        columns.Add("Descripcion", 190);
        geometry.SetTextHeights(13, 13);
        geometry.SetClientSize({300, 348});
    }
    TDBGridColumns columns;
    TDBGridGeometry geometry{columns};
};

TEST_F(GridGeometry, RowHeightsComeFromTheFonts) {
    EXPECT_EQ(geometry.RowHeight(), 17);
    EXPECT_EQ(geometry.TitleHeight(), 18);
    geometry.SetTextHeights(16, 11);
    EXPECT_EQ(geometry.RowHeight(), 20);
    EXPECT_EQ(geometry.TitleHeight(), 16);
    EXPECT_EQ(geometry.VisibleRowCount(), (348 - 16) / 20);
}

TEST_F(GridGeometry, LaysOutIndicatorColumnsAndLines) {
    EXPECT_EQ(geometry.IndicatorWidth(), 12);
    EXPECT_EQ(geometry.ColumnLeft(0), 12);
    EXPECT_EQ(geometry.ColumnLeft(1), 81);
    EXPECT_EQ(geometry.ColumnsRight(), 272);
    EXPECT_EQ(geometry.TitleRect(1), (TViewRect{81, 0, 271, 17}));
    EXPECT_EQ(geometry.TitleIndicatorRect(), (TViewRect{0, 0, 11, 17}));
    EXPECT_EQ(geometry.CellRect(0, 0), (TViewRect{12, 18, 80, 34}));
    EXPECT_EQ(geometry.CellRect(2, 1), (TViewRect{81, 52, 271, 68}));
    EXPECT_EQ(geometry.IndicatorRect(1), (TViewRect{0, 35, 11, 51}));
    EXPECT_EQ(geometry.VisibleRowCount(), (348 - 18) / 17);
    EXPECT_EQ(geometry.PaintedRowCount(), (348 - 18) / 17 + 1);
}

TEST_F(GridGeometry, WithoutTitlesIndicatorAndLinesTheCellsStartAtTheCorner) {
    geometry.SetOptions(dgEditing | dgTabs);
    EXPECT_EQ(geometry.TitleHeight(), 0);
    EXPECT_EQ(geometry.IndicatorWidth(), 0);
    EXPECT_EQ(geometry.RowHeight(), 16);
    EXPECT_EQ(geometry.CellRect(1, 1), (TViewRect{68, 16, 258, 32}));
}

struct THitCase {
    const char* name;
    int x, y;
    TGridHit hit;
};

class GridHitTest : public GridGeometry, public ::testing::WithParamInterface<THitCase> {};

TEST_P(GridHitTest, FindsThePartUnderAPoint) {
    const auto& c = GetParam();
    EXPECT_EQ(geometry.HitTest(c.x, c.y), c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Points, GridHitTest,
    ::testing::Values(THitCase{"TopLeftCorner", 0, 0, {TGridArea::TitleIndicator, -1, -1}},
                      THitCase{"FirstTitle", 12, 0, {TGridArea::Title, 0, -1}},
                      THitCase{"LineRightOfTheFirstTitle", 80, 17, {TGridArea::Title, 0, -1}},
                      THitCase{"SecondTitle", 81, 10, {TGridArea::Title, 1, -1}},
                      THitCase{"IndicatorOfTheFirstRow", 5, 18, {TGridArea::Indicator, -1, 0}},
                      THitCase{"FirstCell", 12, 18, {TGridArea::Cell, 0, 0}},
                      THitCase{"LineBelowTheFirstRow", 100, 34, {TGridArea::Cell, 1, 0}},
                      THitCase{"SecondRow", 100, 35, {TGridArea::Cell, 1, 1}},
                      THitCase{"RightOfTheColumns", 272, 40, {}},
                      THitCase{"OutsideTheWindow", 10, 348, {}},
                      THitCase{"LeftOfTheWindow", -1, 40, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridGeometry, ATitlesRightEdgeCanBeGrabbedTwoPixelsEitherSide) {
    EXPECT_EQ(geometry.ColumnEdgeAt(78, 5), 0);
    EXPECT_EQ(geometry.ColumnEdgeAt(82, 5), 0);
    EXPECT_EQ(geometry.ColumnEdgeAt(83, 5), -1);
    EXPECT_EQ(geometry.ColumnEdgeAt(271, 5), 1);
    EXPECT_EQ(geometry.ColumnEdgeAt(80, 20), -1);   // only in the title row
    geometry.SetOptions(kDefaultDBGridOptions & ~dgColumnResize);
    EXPECT_EQ(geometry.ColumnEdgeAt(80, 5), -1);
}

}  // namespace
}  // namespace tips::widgets
