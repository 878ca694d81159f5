#include "widgets/db_grid_cell_editor.hpp"

#include <gtest/gtest.h>

namespace tips::widgets {
namespace {

TEST(GridCellEditor, OpensUnmodifiedWithTheWholeTextSelected) {
    TDBGridCellEditor editor;
    EXPECT_FALSE(editor.IsOpen());
    editor.Open("Bucles", 40);
    EXPECT_TRUE(editor.IsOpen());
    EXPECT_FALSE(editor.Modified());
    EXPECT_TRUE(editor.AllSelected());
    EXPECT_EQ(editor.Typed('x'), "x");
    EXPECT_EQ(editor.Typed('\b'), "");
}

TEST(GridCellEditor, AChangeMarksItModifiedAndIsCutToTheLimit) {
    TDBGridCellEditor editor;
    editor.Open("ab", 4);
    EXPECT_FALSE(editor.Change("ab"));
    EXPECT_FALSE(editor.Modified());
    EXPECT_TRUE(editor.Change("abcdef"));
    EXPECT_EQ(editor.Text(), "abcd");
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.Typed('e'), "abcd");   // full
    EXPECT_EQ(editor.Typed('\b'), "abc");
}

TEST(GridCellEditor, ResetAndWriteForgetTheChange) {
    TDBGridCellEditor editor;
    editor.Open("ab", 0);
    editor.Change(std::string(300, 'z'));   // no limit
    EXPECT_EQ(editor.Text().size(), 300u);
    editor.Written();
    EXPECT_FALSE(editor.Modified());
    editor.Change("q");
    editor.Reset("ab");
    EXPECT_EQ(editor.Text(), "ab");
    EXPECT_FALSE(editor.Modified());
    editor.Close();
    EXPECT_FALSE(editor.IsOpen());
}

}  // namespace
}  // namespace tips::widgets
