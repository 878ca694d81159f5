// Keys and typing in the grid, against a real tips table: what each sequence leaves in the table and
// what the grid shows.

#include <gtest/gtest.h>

#include <ostream>

#include "db_grid_test_support.hpp"
#include "store/data_set_state.hpp"

namespace tips::widgets {
namespace {

using store::TDataSetState;
using testing::TGridOnTips;

const std::vector<std::string> kThree = {"Arrays", "Bucles", "Eventos"};

// Runs a script: "type:TEXT", "row:N" (the table moves to record N), "col:N" (SelectedIndex),
// "exit" (the focus goes elsewhere), or a key: Up Down PgUp PgDn Tab S-Tab Esc Enter F2 Ins Left Right
// Home End C-Home C-End.
void RunScript(TGridOnTips& fixture, const std::vector<std::string>& script) {
    for (const auto& step : script) {
        if (step.rfind("type:", 0) == 0) {
            fixture.Type(step.substr(5));
        } else if (step.rfind("row:", 0) == 0) {
            fixture.GoToRecord(std::stoi(step.substr(4)));
        } else if (step.rfind("col:", 0) == 0) {
            fixture.grid.SetSelectedIndex(std::stoi(step.substr(4)));
        } else if (step == "exit") {
            fixture.grid.Exit();
        } else {
            static const std::vector<std::tuple<std::string, TGridKey, TShiftState>> keys = {
                {"Up", kKeyUp, 0},       {"Down", kKeyDown, 0},        {"PgUp", kKeyPageUp, 0},
                {"PgDn", kKeyPageDown, 0}, {"Tab", kKeyTab, 0},          {"S-Tab", kKeyTab, ssShift},
                {"Esc", kKeyEscape, 0},  {"Enter", kKeyReturn, 0},     {"F2", kKeyF2, 0},
                {"Ins", kKeyInsert, 0},  {"Left", kKeyLeft, 0},        {"Right", kKeyRight, 0},
                {"Home", kKeyHome, 0},   {"End", kKeyEnd, 0},          {"C-Home", kKeyHome, ssCtrl},
                {"C-End", kKeyEnd, ssCtrl}};
            const auto found = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return std::get<0>(k) == step; });
            ASSERT_NE(found, keys.end()) << step;
            EXPECT_TRUE(fixture.Press(std::get<1>(*found), std::get<2>(*found))) << step;
        }
    }
}

struct TKeyCase {
    const char* name;
    std::vector<std::string> titles;
    std::vector<std::string> script;
    TDataSetState state;
    std::vector<std::string> stored;   // titles in table order
    std::vector<std::string> shown;    // the title column, row by row
    int activeRow;
    int selectedIndex;
    bool editorOpen;
};

std::ostream& operator<<(std::ostream& out, const TKeyCase& c) { return out << c.name; }

class GridKeys : public ::testing::TestWithParam<TKeyCase> {};

TEST_P(GridKeys, LeaveTheTableAndTheRowsAsExpected) {
    const auto& c = GetParam();
    TGridOnTips fixture(TGridOnTips::Titles(c.titles));
    RunScript(fixture, c.script);
    EXPECT_EQ(fixture.table.State(), c.state);
    EXPECT_EQ(fixture.StoredTitles(), c.stored);
    std::vector<std::string> shown;
    for (int row = 0; row < fixture.grid.Rows().RowCount(); ++row) shown.push_back(fixture.ShownTitle(row));
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(fixture.ActiveRow(), c.activeRow);
    EXPECT_EQ(fixture.grid.SelectedIndex(), c.selectedIndex);
    EXPECT_EQ(fixture.grid.CellEditor().IsOpen(), c.editorOpen);
}

constexpr auto dsBrowse = TDataSetState::dsBrowse;
constexpr auto dsEdit = TDataSetState::dsEdit;
constexpr auto dsInsert = TDataSetState::dsInsert;

INSTANTIATE_TEST_SUITE_P(
    Editing, GridKeys,
    ::testing::Values(
        TKeyCase{"TypingEditsTheCurrentRecord", kThree, {"row:1", "col:1", "type:Bx"}, dsEdit, kThree,
                 {"Arrays", "Bx", "Eventos"}, 1, 1, true},
        TKeyCase{"F2OpensTheEditorWithoutEditing", kThree, {"row:1", "col:1", "F2"}, dsBrowse, kThree, kThree, 1, 1, true},
        TKeyCase{"TypingIntoTheEmptyRowInserts", {}, {"col:1", "type:Nuevo"}, dsInsert, {}, {"Nuevo"}, 0, 1, true},
        TKeyCase{"EnterWritesTheCellWithoutPosting", kThree, {"row:1", "col:1", "type:Zeta", "Enter"}, dsEdit, kThree,
                 {"Arrays", "Zeta", "Eventos"}, 1, 1, false},
        TKeyCase{"EnterOpensAClosedEditor", kThree, {"Enter"}, dsBrowse, kThree, kThree, 0, 0, true},
        TKeyCase{"EscUndoesTheTyping", kThree, {"row:1", "col:1", "type:Zeta", "Esc"}, dsEdit, kThree, kThree, 1, 1, false},
        TKeyCase{"SecondEscCancelsTheEdit", kThree, {"row:1", "col:1", "type:Zeta", "Esc", "Esc"}, dsBrowse, kThree,
                 kThree, 1, 1, false},
        TKeyCase{"EscCancelsAWrittenCell", kThree, {"row:1", "col:1", "type:Zeta", "Enter", "Esc"}, dsBrowse, kThree,
                 kThree, 1, 1, false},
        TKeyCase{"EscRemovesANewRow", kThree, {"row:1", "Ins", "Esc"}, dsBrowse, kThree, kThree, 1, 0, false}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Rows, GridKeys,
    ::testing::Values(
        TKeyCase{"DownPostsAChangedRecord", kThree, {"col:1", "type:Antes", "Down"}, dsBrowse,
                 {"Antes", "Bucles", "Eventos"}, {"Antes", "Bucles", "Eventos"}, 1, 1, false},
        TKeyCase{"DownCancelsAnUnchangedEdit", kThree, {"col:1", "type:X", "Esc", "Down"}, dsBrowse, kThree, kThree, 1, 1,
                 false},
        TKeyCase{"DownOnTheLastRowAppends", kThree, {"row:2", "Down"}, dsInsert, kThree,
                 {"Arrays", "Bucles", "Eventos", ""}, 3, 0, false},
        TKeyCase{"DownOnAnUntouchedNewRowStays", kThree, {"row:2", "Down", "Down"}, dsInsert, kThree,
                 {"Arrays", "Bucles", "Eventos", ""}, 3, 0, false},
        TKeyCase{"UpCancelsAnUntouchedNewRow", kThree, {"row:2", "Down", "Up"}, dsBrowse, kThree, kThree, 2, 0, false},
        TKeyCase{"UpLeavesAnUntouchedInsertedRowForTheRowAbove", kThree, {"row:2", "Ins", "Up"}, dsBrowse, kThree, kThree,
                 1, 0, false},
        TKeyCase{"DownCancelsAnUntouchedInsertedRow", kThree, {"row:1", "Ins", "Down"}, dsBrowse, kThree, kThree, 1, 0,
                 false},
        TKeyCase{"InsertStartsARowBeforeTheCurrent", kThree, {"row:1", "Ins"}, dsInsert, kThree,
                 {"Arrays", "", "Bucles", "Eventos"}, 1, 0, false},
        TKeyCase{"AnInsertedRowIsPostedInItsPlace", kThree, {"row:2", "Ins", "col:1", "type:Cadenas", "Down"}, dsBrowse,
                 {"Arrays", "Bucles", "Cadenas", "Eventos"}, {"Arrays", "Bucles", "Cadenas", "Eventos"}, 3, 1, false},
        TKeyCase{"AnAppendedRowIsPostedInItsPlace", kThree, {"row:2", "Down", "col:1", "type:Azar", "Up"}, dsBrowse,
                 {"Arrays", "Azar", "Bucles", "Eventos"}, {"Arrays", "Azar", "Bucles", "Eventos"}, 0, 1, false},
        TKeyCase{"DownOnTheEmptyTableStartsARecord", {}, {"Down"}, dsInsert, {}, {""}, 0, 0, false},
        TKeyCase{"UpOnTheFirstRowStays", kThree, {"Up"}, dsBrowse, kThree, kThree, 0, 0, false},
        TKeyCase{"PageDownMovesByTheWholeRows", {"a", "b", "c", "d", "e", "f", "g", "h"}, {"PgDn"}, dsBrowse,
                 {"a", "b", "c", "d", "e", "f", "g", "h"}, {"a", "b", "c", "d", "e", "f", "g", "h"}, 5, 0, false},
        TKeyCase{"PageUpStopsAtTheFirstRow", {"a", "b", "c", "d", "e", "f", "g", "h"}, {"row:3", "PgUp"}, dsBrowse,
                 {"a", "b", "c", "d", "e", "f", "g", "h"}, {"a", "b", "c", "d", "e", "f", "g", "h"}, 0, 0, false},
        TKeyCase{"CtrlEndAndCtrlHomeGoToTheLastAndFirstRecord", kThree, {"C-End"}, dsBrowse, kThree, kThree, 2, 0, false},
        TKeyCase{"CtrlHomeGoesToTheFirstRecord", kThree, {"row:2", "C-Home"}, dsBrowse, kThree, kThree, 0, 0, false}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Columns, GridKeys,
    ::testing::Values(
        TKeyCase{"TabMovesToTheNextColumn", kThree, {"Tab"}, dsBrowse, kThree, kThree, 0, 1, false},
        TKeyCase{"TabInTheLastColumnGoesToTheNextRow", kThree, {"col:1", "Tab"}, dsBrowse, kThree, kThree, 1, 0, false},
        TKeyCase{"ShiftTabInTheFirstColumnGoesToThePreviousRow", kThree, {"row:1", "S-Tab"}, dsBrowse, kThree, kThree, 0,
                 1, false},
        TKeyCase{"ShiftTabMovesToThePreviousColumn", kThree, {"col:1", "S-Tab"}, dsBrowse, kThree, kThree, 0, 0, false},
        TKeyCase{"ShiftTabInTheFirstCellStays", kThree, {"S-Tab"}, dsBrowse, kThree, kThree, 0, 0, false},
        TKeyCase{"TabInTheLastCellAppends", kThree, {"row:2", "col:1", "Tab"}, dsInsert, kThree,
                 {"Arrays", "Bucles", "Eventos", ""}, 3, 0, false},
        TKeyCase{"TabWritesTheCellAndKeepsEditing", kThree, {"row:1", "type:Cat", "Tab"}, dsEdit, kThree, kThree, 1, 1,
                 false},
        TKeyCase{"TabInTheLastColumnPostsAndMoves", kThree, {"col:1", "type:Zorro", "Tab"}, dsInsert,
                 {"Bucles", "Eventos", "Zorro"}, {"Bucles", "Eventos", "Zorro", ""}, 3, 0, false},
        TKeyCase{"LeftAndRightMoveBetweenColumns", kThree, {"Right", "Right", "Left"}, dsBrowse, kThree, kThree, 0, 0,
                 false},
        TKeyCase{"EndAndHomeGoToTheLastAndFirstColumn", kThree, {"End"}, dsBrowse, kThree, kThree, 0, 1, false},
        TKeyCase{"HomeGoesToTheFirstColumn", kThree, {"col:1", "Home"}, dsBrowse, kThree, kThree, 0, 0, false}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Leaving, GridKeys,
    ::testing::Values(
        TKeyCase{"LeavingCancelsAnUntouchedNewRow", kThree, {"row:2", "Down", "exit"}, dsBrowse, kThree, kThree, 2, 0,
                 false},
        TKeyCase{"LeavingCancelsAnUntouchedInsertedRow", kThree, {"row:1", "Ins", "exit"}, dsBrowse, kThree, kThree, 1, 0,
                 false},
        TKeyCase{"LeavingWritesTheCellAndKeepsInserting", kThree, {"row:2", "Down", "col:1", "type:Nuevo", "exit"},
                 dsInsert, kThree, {"Arrays", "Bucles", "Eventos", "Nuevo"}, 3, 1, false},
        TKeyCase{"LeavingWritesTheCellAndKeepsEditing", kThree, {"row:1", "col:1", "type:Otro", "exit"}, dsEdit, kThree,
                 {"Arrays", "Otro", "Eventos"}, 1, 1, false}),
    [](const auto& param) { return std::string(param.param.name); });

// ---- Details the table above does not show ---------------------------------------------------------

TEST(GridTyping, TheFirstCharacterReplacesTheCellAndTheRestAppend) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.grid.SetSelectedIndex(1);
    fixture.Type("Xy");
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "Xy");
    fixture.Type("\b");
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "X");
    // The field keeps its value until the cell is written.
    EXPECT_EQ(fixture.fields.Descripcion->AsString(), "Arrays");
}

TEST(GridTyping, F2ThenTypingReplacesTheSelectedText) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.grid.SetSelectedIndex(1);
    fixture.Press(kKeyF2);
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "Arrays");
    EXPECT_TRUE(fixture.grid.CellEditor().AllSelected());
    fixture.Type("Q");
    EXPECT_EQ(fixture.grid.CellEditor().Text(), "Q");
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsEdit);
}

TEST(GridTyping, TheCellEditorTakesNoMoreThanTheFieldSize) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.Type(std::string(25, 'c'));   // the category column: 20 characters
    EXPECT_EQ(fixture.grid.CellEditor().MaxLength(), 20);
    EXPECT_EQ(fixture.grid.CellEditor().Text(), std::string(20, 'c'));
    // An edit box that held more is told to show the kept text.
    EXPECT_FALSE(fixture.grid.EditorTextChanged(std::string(21, 'd')));
    EXPECT_EQ(fixture.grid.CellEditor().Text(), std::string(20, 'd'));
    fixture.grid.SetSelectedIndex(1);
    fixture.Press(kKeyF2);
    EXPECT_EQ(fixture.grid.CellEditor().MaxLength(), 40);
}

TEST(GridTyping, EnterWritesAnEmptiedCellAsNull) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.Type("x\b");
    fixture.Press(kKeyReturn);
    EXPECT_TRUE(fixture.fields.Categoria->IsNull());
    fixture.Press(kKeyDown);
    EXPECT_FALSE(fixture.table.StoredValue(0, *fixture.fields.Categoria).has_value());
}

TEST(GridTyping, TabWritesTheCellIntoItsField) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.Type("Bucles y mas");
    fixture.Press(kKeyTab);
    EXPECT_EQ(fixture.fields.Categoria->AsString(), "Bucles y mas");
    EXPECT_EQ(fixture.table.StoredValue(0, *fixture.fields.Categoria), "Cat");
    EXPECT_TRUE(fixture.table.Modified());
}

TEST(GridTyping, ANewRowTypedIntoIsPostedWithBothCells) {
    TGridOnTips fixture({});
    fixture.Type("Arrays");
    fixture.Press(kKeyTab);
    fixture.Type("Redimensionar");
    fixture.Press(kKeyDown);   // posts, and as the last row starts the next new one
    EXPECT_EQ(fixture.table.RecordCount(), 1);
    EXPECT_EQ(fixture.table.StoredValue(0, *fixture.fields.Categoria), "Arrays");
    EXPECT_EQ(fixture.table.StoredValue(0, *fixture.fields.Descripcion), "Redimensionar");
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(fixture.ActiveRow(), 1);
}

TEST(GridTyping, AReadOnlyTableOpensNoEditorAndAddsNoRows) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.table.SetReadOnly(true);
    fixture.Type("x");
    fixture.Press(kKeyF2);
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
    fixture.GoToRecord(2);
    fixture.Press(kKeyDown);
    fixture.Press(kKeyInsert);
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(fixture.ActiveRow(), 2);
}

TEST(GridTyping, WithoutEditingInTheOptionsTheGridOnlyBrowses) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.grid.SetOptions(kDefaultDBGridOptions & ~dgEditing);
    fixture.Type("x");
    fixture.GoToRecord(2);
    fixture.Press(kKeyDown);
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(fixture.table.RecordCount(), 3);
}

TEST(GridLeaving, WithoutCancelOnExitAnUntouchedNewRowStays) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.grid.SetOptions(kDefaultDBGridOptions & ~dgCancelOnExit);
    fixture.Press(kKeyInsert);
    fixture.grid.Exit();
    EXPECT_EQ(fixture.table.State(), TDataSetState::dsInsert);
}

TEST(GridKeysLeftAlone, AreReportedAsNotHandled) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    EXPECT_FALSE(fixture.Press(kKeyDelete, ssCtrl));   // the menu's
    EXPECT_FALSE(fixture.Press(kKeyInsert, ssCtrl));   // the clipboard's
    EXPECT_EQ(fixture.table.RecordCount(), 3);
    fixture.grid.SetOptions(kDefaultDBGridOptions & ~dgTabs);
    EXPECT_FALSE(fixture.Press(kKeyTab));              // the form moves the focus
    fixture.grid.SetOptions(kDefaultDBGridOptions);
    fixture.Press(kKeyF2);
    // With the cell editor open, the caret keys are the edit box's.
    for (const TGridKey key : {kKeyLeft, kKeyRight, kKeyHome, kKeyEnd}) EXPECT_FALSE(fixture.Press(key)) << key;
    EXPECT_EQ(fixture.grid.SelectedIndex(), 0);
}

TEST(GridKeysLeftAlone, NothingHappensWithoutAnOpenTable) {
    TGridOnTips fixture(TGridOnTips::Titles(kThree));
    fixture.table.Close();
    EXPECT_FALSE(fixture.Press(kKeyDown));
    fixture.Type("x");
    EXPECT_FALSE(fixture.grid.CellEditor().IsOpen());
    EXPECT_EQ(fixture.grid.CellText(0, 1), "");
}

}  // namespace
}  // namespace tips::widgets
