// Scroll commands with the caret outside the window (the scroll bar moved the view, not the
// caret); scripts cover the commands with the caret inside it.

#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

class ScrollCommandTest : public EditorFixture {
protected:
    ScrollCommandTest() {
        std::string text;
        for (int i = 1; i <= 60; ++i) text += "line\r\n";
        Load(text);
    }
};

struct OutsideCase {
    TCodeEditorCommand command;
    int caretLine;
    int firstLine;          // where the scroll bar left the view
    int expectedFirstLine;  // the caret made visible, the view not scrolled one line further
};

class ScrollWithCaretOutside : public ScrollCommandTest, public ::testing::WithParamInterface<OutsideCase> {};

TEST_P(ScrollWithCaretOutside, OnlyBringsTheCaretBackIntoView) {
    const OutsideCase& c = GetParam();
    editor_.SetCaretPoint({3, c.caretLine});
    editor_.SetFirstVisibleLine(c.firstLine);
    Run(c.command);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{3, c.caretLine}));
    EXPECT_EQ(editor_.FirstVisibleLine(), c.expectedFirstLine);
}

// 25 visible lines: a caret above the view becomes its top line, one below it its bottom line,
// whichever way the command scrolls.
INSTANTIATE_TEST_SUITE_P(AboveAndBelow, ScrollWithCaretOutside,
                         ::testing::Values(OutsideCase{ecScrollDown, 5, 20, 5}, OutsideCase{ecScrollUp, 5, 20, 5},
                                           OutsideCase{ecScrollDown, 40, 1, 16},
                                           OutsideCase{ecScrollUp, 40, 1, 16}));

TEST_F(ScrollCommandTest, AtTheEndsTheViewStaysAndSoDoesTheCaret) {
    editor_.SetCaretPoint({3, 1});
    Run(ecScrollUp);
    EXPECT_EQ(editor_.FirstVisibleLine(), 1);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{3, 1}));
    editor_.SetCaretPoint({3, 60});
    Run(ecScrollDown);
    EXPECT_EQ(editor_.FirstVisibleLine(), 36);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{3, 60}));
}

}  // namespace
}  // namespace tips::editor::testing
