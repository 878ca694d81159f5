// The grid following its table: what rows show, which row is current and in view, the mouse, the
// scroll bar, and the table's own changes under an open cell editor.

#include "widgets/db_grid_core.hpp"

#include <gtest/gtest.h>

#include "db_grid_test_support.hpp"

namespace tips::widgets {
namespace {

using store::TDataSetState;
using store::TLocateOption;
using testing::kGridRows;
using testing::kRowHeight;
using testing::kTitleHeight;
using testing::TGridOnTips;

std::vector<std::string> Letters(int count) {
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) titles.push_back(std::string("T") + static_cast<char>('a' + i));
    return titles;
}

// The middle of a cell of the visible row `offset`.
int CellX(int column) { return column == 0 ? 12 + 34 : 81 + 95; }
int CellY(int offset) { return kTitleHeight + offset * kRowHeight + kRowHeight / 2; }

// ---- What the rows show ------------------------------------------------------------------------------

TEST(GridRows, ANullValueShowsAsAnEmptyCell) {
    TGridOnTips fixture({{std::nullopt, "Sin categoria"}, {"Cat", std::nullopt}}, false);
    EXPECT_EQ(fixture.grid.CellText(0, 0), "");
    EXPECT_EQ(fixture.grid.CellText(0, 1), "Sin categoria");
    EXPECT_EQ(fixture.grid.CellText(1, 0), "Cat");
    EXPECT_EQ(fixture.grid.CellText(1, 1), "");
}

TEST(GridRows, AnEmptyTableShowsOneEmptyRow) {
    TGridOnTips fixture({});
    EXPECT_EQ(fixture.grid.Rows().RowCount(), 1);
    EXPECT_EQ(fixture.grid.CellText(0, 0), "");
    EXPECT_FALSE(fixture.grid.RecordIndexAt(0).has_value());
}

TEST(GridRows, TheIndicatorMarksTheCurrentRowByState) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    EXPECT_EQ(fixture.grid.Indicator(0), TRowIndicator::Current);
    EXPECT_EQ(fixture.grid.Indicator(1), TRowIndicator::None);
    fixture.Type("x");
    EXPECT_EQ(fixture.grid.Indicator(0), TRowIndicator::Editing);
    fixture.Press(kKeyEscape);
    fixture.Press(kKeyEscape);
    fixture.Press(kKeyInsert);
    EXPECT_EQ(fixture.grid.Indicator(0), TRowIndicator::Inserting);
    EXPECT_EQ(fixture.grid.Indicator(1), TRowIndicator::None);
}

TEST(GridRows, RowsBelowAnInsertedRowShowTheRecordsShiftedByOne) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles", "Eventos"}));
    fixture.GoToRecord(1);
    fixture.Press(kKeyInsert);
    EXPECT_EQ(fixture.grid.RecordIndexAt(0), 0);
    EXPECT_FALSE(fixture.grid.RecordIndexAt(1).has_value());
    EXPECT_EQ(fixture.grid.RecordIndexAt(2), 1);
    EXPECT_EQ(fixture.grid.RecordIndexAt(3), 2);
    EXPECT_FALSE(fixture.grid.RecordIndexAt(4).has_value());
}

// ---- The current row stays in view --------------------------------------------------------------------

TEST(GridFollows, APostedRecordToItsSortedPlace) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.GoToRecord(1);
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Zz");
    fixture.Press(kKeyReturn);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 0);
    fixture.table.Post();   // as entering the code editor does
    EXPECT_EQ(fixture.StoredTitles().back(), "Zz");
    EXPECT_EQ(fixture.ActiveRow(), 19);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 19 - kGridRows + 1);
    EXPECT_EQ(fixture.ShownTitle(fixture.ActiveRow()), "Zz");
    EXPECT_EQ(fixture.fields.Descripcion->AsString(), "Zz");
}

TEST(GridFollows, ARecordMovedUpByTheDownKeyAndThenMovesOnFromIt) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.GoToRecord(18);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 14);
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Tc2");   // sorts between Tc and Td
    fixture.Press(kKeyDown);
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(fixture.StoredTitles()[3], "Tc2");
    EXPECT_EQ(fixture.ActiveRow(), 4);
    EXPECT_EQ(fixture.ShownTitle(4), "Td");
    EXPECT_TRUE(fixture.grid.Rows().IsVisible(4));
}

TEST(GridFollows, ASearchShowsTheFoundRecordInTheMiddleRow) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    ASSERT_TRUE(fixture.table.Locate("Descripcion", std::string("tk"), store::LocateOptions({TLocateOption::loCaseInsensitive})));
    EXPECT_EQ(fixture.ActiveRow(), 10);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 10 - (kGridRows - 1) / 2);
    // Near the end the window stays full instead.
    ASSERT_TRUE(fixture.table.Locate("Descripcion", std::string("Ts"), {}));
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 20 - kGridRows);
}

TEST(GridFollows, AStepBelowTheWindowScrollsByOneRow) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    for (int i = 0; i < kGridRows; ++i) fixture.Press(kKeyDown);
    EXPECT_EQ(fixture.ActiveRow(), kGridRows);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 1);
    fixture.Press(kKeyUp);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 1);
}

TEST(GridFollows, AnAppendedRowBelowTheWindow) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(5)));
    fixture.GoToRecord(4);
    fixture.Press(kKeyDown);
    EXPECT_EQ(fixture.grid.Rows().RowCount(), 6);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 1);
    fixture.Press(kKeyUp);   // cancels it: the rows fit again
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 0);
}

TEST(GridFollows, AnotherTableThroughTheDataSource) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.GoToRecord(15);
    TGridOnTips other(TGridOnTips::Titles({"Uno"}));
    fixture.source.SetDataSet(&other.table);
    EXPECT_EQ(fixture.grid.Rows().RowCount(), 1);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 0);
    EXPECT_EQ(fixture.grid.Columns()[1].Field(), other.fields.Descripcion);
    EXPECT_EQ(fixture.ShownTitle(0), "Uno");
}

// ---- The table changes under an open cell editor ------------------------------------------------------

TEST(GridEditorAndTable, APostFromElsewhereWritesTheTypedCellFirst) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Zeta");
    fixture.table.Post();
    EXPECT_EQ(fixture.StoredTitles(), (std::vector<std::string>{"Bucles", "Zeta"}));
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
    EXPECT_EQ(fixture.ActiveRow(), 1);
}

TEST(GridEditorAndTable, AnUnchangedEditorReloadsWhenItsFieldChangesElsewhere) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    fixture.grid.SetSelectedIndex(1);
    fixture.Press(kKeyF2);
    fixture.table.Edit();
    fixture.fields.Descripcion->SetAsString("Cambiado");
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "Cambiado");
    EXPECT_TRUE(fixture.grid.CellEditor().IsOpen());
    fixture.fields.Categoria->SetAsString("Otra");   // not the cell's field
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "Cambiado");
}

TEST(GridEditorAndTable, ASearchWhileTypingPostsTheTypedCell) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles", "Eventos"}));
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Zorro");
    ASSERT_TRUE(fixture.table.Locate("Descripcion", std::string("b"),
                                     store::LocateOptions({TLocateOption::loCaseInsensitive, TLocateOption::loPartialKey})));
    EXPECT_EQ(fixture.StoredTitles(), (std::vector<std::string>{"Bucles", "Eventos", "Zorro"}));
    EXPECT_EQ(fixture.ActiveRow(), 0);
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
}

// ---- Mouse -----------------------------------------------------------------------------------------

TEST(GridMouse, AClickOnAnotherRowMovesTheCellCursorThere) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles", "Eventos"}));
    fixture.grid.MouseDown(CellX(1), CellY(2), true);
    fixture.grid.MouseUp(CellX(1), CellY(2));
    EXPECT_EQ(fixture.ActiveRow(), 2);
    EXPECT_EQ(fixture.grid.SelectedIndex(), 1);
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
    // A second click on the current cell opens the cell editor.
    fixture.grid.MouseDown(CellX(1), CellY(2), true);
    EXPECT_TRUE(fixture.grid.CellEditor().IsOpen());
}

TEST(GridMouse, TheFirstClickIntoAnUnfocusedGridOnlyFocuses) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    fixture.grid.MouseDown(CellX(0), CellY(0), false);
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
}

TEST(GridMouse, AClickBelowTheRowsDoesNothing) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    fixture.grid.MouseDown(CellX(1), CellY(3), true);
    EXPECT_EQ(fixture.ActiveRow(), 0);
    EXPECT_EQ(fixture.grid.SelectedIndex(), 0);
}

TEST(GridMouse, AClickGoesToTheClickedRecordEvenWhenPostingMovedRows) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles", "Eventos", "Ventanas"}));
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Dibujo");   // Arrays becomes Dibujo: it moves after Bucles when posted
    fixture.grid.MouseDown(CellX(1), CellY(2), true);   // the row that shows Eventos
    EXPECT_EQ(fixture.StoredTitles(), (std::vector<std::string>{"Bucles", "Dibujo", "Eventos", "Ventanas"}));
    EXPECT_EQ(fixture.fields.Descripcion->AsString(), "Eventos");
}

TEST(GridMouse, AClickAboveAnUntouchedNewRowCancelsItAndLandsOnTheClickedRecord) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles", "Eventos"}));
    fixture.GoToRecord(1);
    fixture.Press(kKeyInsert);   // the new row stands at row 1, Bucles at row 2
    fixture.grid.MouseDown(CellX(0), CellY(2), true);
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(fixture.fields.Descripcion->AsString(), "Bucles");
}

TEST(GridMouse, ATitleClickIsReportedWhenReleasedOnTheSameTitle) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    std::vector<int> clicked;
    fixture.grid.OnTitleClick = [&](int column) { clicked.push_back(column); };
    fixture.grid.MouseDown(CellX(1), 5, true);
    fixture.grid.MouseUp(CellX(1), 6);
    fixture.grid.MouseDown(CellX(0), 5, true);
    fixture.grid.MouseUp(CellX(1), 5);   // released on another title
    fixture.grid.MouseDown(CellX(0), 5, true);
    fixture.grid.MouseUp(CellX(0), CellY(0));   // released on a cell
    EXPECT_EQ(clicked, std::vector<int>{1});
    EXPECT_EQ(fixture.grid.SelectedIndex(), 0);   // the click itself does not move the cell cursor
}

TEST(GridMouse, APressThatLostTheMouseIsNoClickAndNoResizing) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    std::vector<int> clicked;
    fixture.grid.OnTitleClick = [&](int column) { clicked.push_back(column); };
    fixture.grid.MouseDown(CellX(1), 5, true);
    fixture.grid.CancelMouse();
    fixture.grid.MouseUp(CellX(1), 5);
    EXPECT_TRUE(clicked.empty());

    const int edge = fixture.grid.Geometry().ColumnLeft(1) - 1;
    fixture.grid.MouseDown(edge, 5, true);
    ASSERT_TRUE(fixture.grid.Resizing());
    fixture.grid.CancelMouse();
    EXPECT_FALSE(fixture.grid.Resizing());
}

TEST(GridMouse, DraggingATitlesRightEdgeResizesTheColumn) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    std::vector<int> clicked;
    fixture.grid.OnTitleClick = [&](int column) { clicked.push_back(column); };
    const int edge = 12 + 68;
    fixture.grid.MouseDown(edge + 1, 5, true);
    EXPECT_TRUE(fixture.grid.Resizing());
    fixture.grid.MouseMove(edge + 31, 5);
    fixture.grid.MouseUp(edge + 31, 5);
    EXPECT_EQ(fixture.grid.Columns()[0].Width(), 98);
    EXPECT_FALSE(fixture.grid.Resizing());
    EXPECT_TRUE(clicked.empty());
    fixture.grid.SetOptions(kDefaultDBGridOptions & ~dgColumnResize);
    fixture.grid.MouseDown(12 + 98, 5, true);
    EXPECT_FALSE(fixture.grid.Resizing());
}

// ---- Scroll bar and wheel -------------------------------------------------------------------------

TEST(GridScrollBar, ShowsTheWindowOverTheRows) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.GoToRecord(12);
    const auto info = fixture.grid.ScrollInfo();
    EXPECT_EQ(info.Min, 0);
    EXPECT_EQ(info.Max, 19);
    EXPECT_EQ(info.Page, kGridRows);
    EXPECT_EQ(info.Position, 12 - kGridRows + 1);
}

TEST(GridScrollBar, TheThumbMovesTheWindowAndTheCurrentRecordKeepsItsPlaceInIt) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.GoToRecord(2);
    fixture.grid.Scroll(TGridScroll::Thumb, 10);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 10);
    EXPECT_EQ(fixture.ActiveRow(), 12);
    fixture.grid.Scroll(TGridScroll::Thumb, 99);
    EXPECT_EQ(fixture.grid.Rows().TopRow(), 15);
    EXPECT_EQ(fixture.ActiveRow(), 17);
}

TEST(GridScrollBar, ArrowsAndPagesMoveTheCurrentRecord) {
    TGridOnTips fixture(TGridOnTips::Titles(Letters(20)));
    fixture.grid.Scroll(TGridScroll::PageDown);
    EXPECT_EQ(fixture.ActiveRow(), kGridRows);
    fixture.grid.Scroll(TGridScroll::LineDown);
    EXPECT_EQ(fixture.ActiveRow(), kGridRows + 1);
    fixture.grid.Scroll(TGridScroll::Bottom);
    EXPECT_EQ(fixture.ActiveRow(), 19);
    fixture.grid.Scroll(TGridScroll::LineDown);   // the scroll bar never adds a record
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsBrowse);
    fixture.grid.MouseWheel(2);
    EXPECT_EQ(fixture.ActiveRow(), 17);
    fixture.grid.Scroll(TGridScroll::Top);
    EXPECT_EQ(fixture.ActiveRow(), 0);
}

TEST(GridFocus, IsShownOnlyWhileTheGridHasIt) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays"}));
    struct TCountingView final : TDBGridView {
        void GridChanged() override { ++changes; }
        int changes = 0;
    } view;
    fixture.grid.SetView(&view);
    fixture.grid.SetFocused(false);
    fixture.grid.SetFocused(false);
    EXPECT_FALSE(fixture.grid.Focused());
    EXPECT_EQ(view.changes, 1);
    fixture.grid.SetView(nullptr);
}

}  // namespace
}  // namespace tips::widgets
