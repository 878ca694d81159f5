#include "widgets/db_grid_columns.hpp"

#include <gtest/gtest.h>

#include "db_grid_test_support.hpp"

namespace tips::widgets {
namespace {

using testing::TGridOnTips;

TEST(GridColumns, TakeTheirTitlesFromTheFieldsUnlessGivenOne) {
    TGridOnTips fixture({});
    EXPECT_EQ(fixture.grid.Columns()[0].Title(), "Categoria");
    EXPECT_EQ(fixture.grid.Columns()[1].Title(), "T\xEDtulo");
    fixture.grid.Columns()[0].SetTitle("Cat.");
    EXPECT_EQ(fixture.grid.Columns()[0].Title(), "Cat.");
}

TEST(GridColumns, FindTheirFieldsOnlyInAnOpenTable) {
    TGridOnTips fixture({});
    EXPECT_EQ(fixture.grid.Columns()[1].Field(), fixture.fields.Descripcion);
    fixture.table.Close();
    EXPECT_EQ(fixture.grid.Columns()[1].Field(), nullptr);
    EXPECT_EQ(fixture.grid.Columns()[1].Title(), "Descripcion");   // the field name while closed
    fixture.table.Open();
    EXPECT_EQ(fixture.grid.Columns()[1].Field(), fixture.fields.Descripcion);
}

TEST(GridColumns, AColumnOfAnUnknownFieldShowsNothing) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    fixture.grid.Columns().Add("Autor", 50);
    fixture.grid.ColumnsChanged();
    EXPECT_EQ(fixture.grid.Columns()[2].Field(), nullptr);
    EXPECT_EQ(fixture.grid.CellText(0, 2), "");
    fixture.grid.SetSelectedIndex(2);
    EXPECT_FALSE(fixture.grid.OpenEditor());
}

TEST(GridColumns, KeepNoNegativeWidth) {
    TDBGridColumns columns;
    auto& column = columns.Add("Categoria", -5);
    EXPECT_EQ(column.Width(), 0);
    column.SetWidth(-1);
    EXPECT_EQ(column.Width(), 0);
    EXPECT_EQ(columns.Add("Descripcion").Width(), kDefaultColumnWidth);
    EXPECT_EQ(columns[1].Index(), 1);
}

}  // namespace
}  // namespace tips::widgets
