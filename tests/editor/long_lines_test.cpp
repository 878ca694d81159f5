// Lines longer than the column limit: the limit grows to fit them, so that the caret reaches their
// end and edits there undo exactly; eoAutoSizeMaxLeftChar keeps its own, roomier rule.

#include <gmock/gmock.h>

#include <string>

#include "editor/memory_clipboard.hpp"
#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

using ::testing::ElementsAre;

class LongLinesTest : public EditorFixture {};

TEST_F(LongLinesTest, LoadedLineLongerThanTheLimitRaisesIt) {
    Load("short\r\n" + std::string(1500, 'a') + "\r\n");
    EXPECT_EQ(editor_.MaxLeftChar(), 1501);
    editor_.SetCaretPoint({5000, 2});
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1501, 2}));
}

TEST_F(LongLinesTest, LinesThatFitLeaveTheLimitAlone) {
    Load(std::string(1023, 'a'));
    EXPECT_EQ(editor_.MaxLeftChar(), 1024);
}

TEST_F(LongLinesTest, PastingPastTheLimitUndoesAndRedoesExactly) {
    TMemoryClipboard clipboard;
    editor_.AttachClipboard(&clipboard);
    const std::string line(700, 'b');
    Load(line);
    Run(ecSelectAll);
    Run(ecCopy);
    Run(ecLineEnd);
    Run(ecPaste);
    Run(ecPaste);
    ASSERT_THAT(Lines(), ElementsAre(std::string(2100, 'b')));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2101, 1}));
    Type("c");
    editor_.Undo();
    editor_.Undo();
    EXPECT_THAT(Lines(), ElementsAre(line));
    editor_.Redo();
    editor_.Redo();
    EXPECT_THAT(Lines(), ElementsAre(std::string(2100, 'b') + "c"));
}

TEST_F(LongLinesTest, AutoSizeKeepsTwoColumnsOfRoomAfterAChangedLine) {
    editor_.SetOptions(editor_.Options().With(eoAutoSizeMaxLeftChar));
    Load("x");
    editor_.SetCaretPoint({2, 1});
    Type(std::string(1100, 'y'));
    EXPECT_EQ(editor_.MaxLeftChar(), 1103);
}

}  // namespace
}  // namespace tips::editor::testing
