// The command path: key-down through the keystroke table, the character that follows, and the
// three command events.

#include "editor/key_press.hpp"
#include "editor/main_window_keys.hpp"
#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

class CommandsTest : public EditorFixture {
protected:
    CommandsTest() {
        editor_.OnCommandProcessed = [this](TCustomCodeEdit&, TCodeEditorCommand& command, char&, const TCommandData&) {
            processed_.push_back(command);
        };
    }

    // Presses a key as Windows delivers it: key-down, then its character message if it has one.
    void Press(std::string_view name) {
        const auto press = ParseKeyPress(name);
        ASSERT_TRUE(press.has_value()) << name;
        editor_.KeyDown(press->Key, press->Shift);
        if (press->Character) editor_.KeyPress(*press->Character);
    }

    std::vector<TCodeEditorCommand> processed_;
};

struct MainKeyCase {
    const char* key;
    TCodeEditorCommand command;
};

class MainWindowKeysTest : public CommandsTest, public ::testing::WithParamInterface<MainKeyCase> {};

TEST_P(MainWindowKeysTest, KeyRunsItsCommandOnce) {
    LoadMainWindowKeys(editor_.Keystrokes());
    Load("abc def\r\n");
    Press(GetParam().key);
    ASSERT_FALSE(processed_.empty());
    EXPECT_EQ(processed_.front(), GetParam().command);
    EXPECT_EQ(processed_.size(), 1u);  // the character the key produces is not typed as well
}

INSTANTIATE_TEST_SUITE_P(
    StoredTable, MainWindowKeysTest,
    ::testing::Values(MainKeyCase{"Ctrl+Backspace", ecUndo}, MainKeyCase{"Alt+Backspace", ecRedo},
                      MainKeyCase{"Shift+Backspace", ecDeleteLastWord}, MainKeyCase{"Ctrl+N", ecDeleteWord},
                      MainKeyCase{"Ctrl+T", ecBlockUnindent}, MainKeyCase{"Ctrl+Y", ecDeleteEOL},
                      MainKeyCase{"Ctrl+Shift+L", ecTab}, MainKeyCase{"Ctrl+Shift+9", ecNormalSelect},
                      MainKeyCase{"Enter", ecLineBreak}, MainKeyCase{"Tab", ecShiftTab},
                      MainKeyCase{"Ctrl+V", ecCut}, MainKeyCase{"Ctrl+Z", ecRedo}));

TEST_F(CommandsTest, EnterBreaksTheLineOnceAndItsCarriageReturnIsDropped) {
    Load("abcd\r\n");
    editor_.SetCaretPoint({3, 1});
    Press("Enter");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(processed_, (std::vector<TCodeEditorCommand>{ecLineBreak}));
}

TEST_F(CommandsTest, UnboundControlCharactersTypeNothing) {
    Load("abc\r\n");
    Press("Ctrl+Q");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(processed_, (std::vector<TCodeEditorCommand>{ecChar}));
    EXPECT_EQ(editor_.UndoList().ItemCount(), 0);
}

TEST_F(CommandsTest, ALetterTypedAfterAKeyWithoutCharacterIsNotLost) {
    Load("abc\r\n");
    Press("Shift+Insert");  // paste: a command, and no character message follows it
    Press("X");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"xabc"}));
}

TEST_F(CommandsTest, ACharacterMessageRightAfterACommandKeyIsDropped) {
    Load("abc\r\n");
    editor_.KeyDown(vkRight, 0);
    editor_.KeyPress('x');
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    editor_.KeyPress('y');
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aybc"}));
}

TEST_F(CommandsTest, AHandlerCanCancelACommandAndProcessedStillFires) {
    Load("abc\r\n");
    editor_.OnProcessCommand = [](TCustomCodeEdit&, TCodeEditorCommand& command, char&, const TCommandData&) {
        if (command == ecChar) command = ecNone;
    };
    Type("x");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(processed_, (std::vector<TCodeEditorCommand>{ecNone}));
}

TEST_F(CommandsTest, AHandlerCanChangeTheCharacter) {
    Load("abc\r\n");
    editor_.OnProcessCommand = [](TCustomCodeEdit&, TCodeEditorCommand&, char& ch, const TCommandData&) {
        if (ch == 'x') ch = 'Z';
    };
    Type("x");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Zabc"}));
}

TEST_F(CommandsTest, UserCommandsGoToTheirOwnEventAndAreNotPerformed) {
    Load("abc\r\n");
    std::vector<TCodeEditorCommand> user;
    editor_.OnProcessUserCommand = [&](TCustomCodeEdit&, TCodeEditorCommand& command, char&, const TCommandData&) {
        user.push_back(command);
    };
    bool ordinary = false;
    editor_.OnProcessCommand = [&](TCustomCodeEdit&, TCodeEditorCommand&, char&, const TCommandData&) { ordinary = true; };
    editor_.RunCommand(ecUserFirst, 0, {});
    EXPECT_EQ(user, (std::vector<TCodeEditorCommand>{ecUserFirst}));
    EXPECT_FALSE(ordinary);
    EXPECT_EQ(processed_, (std::vector<TCodeEditorCommand>{ecUserFirst}));
}

TEST_F(CommandsTest, CodesWithoutBehaviourChangeNothing) {
    Load("abc\r\n");
    editor_.SetCaretPoint({2, 1});
    for (const TCodeEditorCommand command : {ecString, ecAutoCompletion, ecContextHelp, TCodeEditorCommand{999}}) {
        editor_.RunCommand(command, 'q', {});
    }
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2, 1}));
    EXPECT_FALSE(editor_.Modified());
}

TEST_F(CommandsTest, SetMarkerUsesTheCaretOfTheKeyPress) {
    Load("a\r\nb\r\nc\r\n");
    editor_.SetCaretPoint({2, 3});
    Press("Ctrl+Shift+7");
    ASSERT_NE(editor_.Bookmark(7), nullptr);
    EXPECT_EQ(editor_.Bookmark(7)->Line(), 3);
    EXPECT_EQ(editor_.Bookmark(7)->Char(), 2);
}

TEST_F(CommandsTest, BookmarkKeysDoNothingWhenDisabled) {
    Load("a\r\nb\r\n");
    editor_.BookMarkOptions().SetEnableKeys(false);
    Press("Ctrl+Shift+1");
    EXPECT_EQ(editor_.Bookmark(1), nullptr);
    editor_.PlaceBookmark(1, 1, 2);
    Press("Ctrl+1");
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1, 1}));
}

TEST_F(CommandsTest, FocusCodesPassThroughTheCommandPath) {
    editor_.FocusReceived();
    view_.SetFocus(false);
    editor_.FocusLost();
    EXPECT_EQ(processed_, (std::vector<TCodeEditorCommand>{ecGotFocus, ecLostFocus}));
    EXPECT_FALSE(view_.CaretState().Created);
}

TEST_F(CommandsTest, InputMethodStringIsInsertedAndItsEchoDropped) {
    Load("ab\r\n");
    editor_.SetCaretPoint({2, 1});
    editor_.ImeComposition("xyz");
    Type("xyz");  // the platform also delivers the composed text as characters
    EXPECT_EQ(Lines(), (std::vector<std::string>{"axyzb"}));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{5, 1}));
    Type("q");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"axyzqb"}));
}

TEST_F(CommandsTest, InputMethodStringPastTheLineEndLeavesNoBlankBehindAndUndoesWhole) {
    Load("ab\r\n");
    editor_.SetOptions(editor_.Options().Without(eoTrimTrailingSpaces));  // a stray blank would stay
    editor_.SetCaretPoint({5, 1});
    editor_.ImeComposition("xy");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab  xy"}));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{7, 1}));
    while (editor_.CanUndo()) editor_.Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab"}));
}

// Text typed over a column selection goes in at the rectangle's left column on the extent's line;
// here that column lies past the end of the empty first line, which is padded up to it. Undo must
// take the padding away with the text: left behind, the blanks would end up in front of "abcd"
// once the line break above is undone.
struct TypedOverColumnCase {
    const char* name;
    bool inputMethod;
    std::string text;
    std::vector<std::string> typed;
};

class TypedOverColumnTest : public CommandsTest, public ::testing::WithParamInterface<TypedOverColumnCase> {};

TEST_P(TypedOverColumnTest, UndoTakesThePaddingWithTheText) {
    Load("abcd\r\n");
    editor_.SetOptions(editor_.Options().Without(eoTrimTrailingSpaces));
    Run(ecInsertLine);
    editor_.SetSelectionMode(smColumn);
    editor_.SetSelAnchor({4, 2});
    editor_.SetSelExtent({5, 1});
    if (GetParam().inputMethod) {
        editor_.ImeComposition(GetParam().text);
    } else {
        Type(GetParam().text);
    }
    EXPECT_EQ(Lines(), GetParam().typed);
    editor_.Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"", "abcd"}));
    editor_.Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcd"}));
    editor_.Redo();
    editor_.Redo();
    EXPECT_EQ(Lines(), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, TypedOverColumnTest,
    ::testing::Values(TypedOverColumnCase{"Character", false, ")", {"   )", "abc"}},
                      TypedOverColumnCase{"Blank", false, " ", {"    ", "abc"}},
                      TypedOverColumnCase{"InputMethodString", true, ")]", {"   )]", "abc"}}),
    [](const ::testing::TestParamInfo<TypedOverColumnCase>& param) { return std::string(param.param.name); });

struct ReadOnlyCase {
    TCodeEditorCommand command;
    char ch;
};

class ReadOnlyTest : public CommandsTest, public ::testing::WithParamInterface<ReadOnlyCase> {
protected:
    // Two indented lines, the caret after the blanks of the first and a selection over both.
    void Prepare() {
        Load("  AbC def\r\n  ghi\r\n");
        editor_.SetCaretPoint({3, 1});
        editor_.SetSelAnchor({3, 1});
        editor_.SetSelExtent({5, 2});
    }

    void RunCase() {
        const TCommandData data = GetParam().command == ecImeStr ? TCommandData{std::string("x")} : TCommandData{};
        editor_.RunCommand(GetParam().command, GetParam().ch, data);
    }
};

TEST_P(ReadOnlyTest, CommandChangesNothingUntilWritable) {
    Prepare();
    const std::vector<std::string> before = Lines();
    editor_.SetReadOnly(true);
    RunCase();
    EXPECT_EQ(Lines(), before);
    EXPECT_EQ(editor_.UndoList().ItemCount(), 0);
    EXPECT_FALSE(editor_.Modified());
    // The same command from the same state changes the text once the editor is writable.
    Prepare();
    editor_.SetReadOnly(false);
    RunCase();
    EXPECT_NE(Lines(), before);
}

INSTANTIATE_TEST_SUITE_P(
    TextCommands, ReadOnlyTest,
    ::testing::Values(ReadOnlyCase{ecChar, 'x'}, ReadOnlyCase{ecImeStr, 0}, ReadOnlyCase{ecLineBreak, 0},
                      ReadOnlyCase{ecInsertLine, 0}, ReadOnlyCase{ecDeleteLastChar, 0},
                      ReadOnlyCase{ecDeleteChar, 0}, ReadOnlyCase{ecDeleteWord, 0},
                      ReadOnlyCase{ecDeleteLastWord, 0}, ReadOnlyCase{ecDeleteBOL, 0}, ReadOnlyCase{ecDeleteEOL, 0},
                      ReadOnlyCase{ecDeleteLine, 0}, ReadOnlyCase{ecClearAll, 0}, ReadOnlyCase{ecTab, 0},
                      ReadOnlyCase{ecShiftTab, 0}, ReadOnlyCase{ecBlockIndent, 0}, ReadOnlyCase{ecBlockUnindent, 0},
                      ReadOnlyCase{ecUpperCase, 0}, ReadOnlyCase{ecLowerCase, 0}, ReadOnlyCase{ecTitleCase, 0},
                      ReadOnlyCase{ecToggleCase, 0}),
    [](const ::testing::TestParamInfo<ReadOnlyCase>& param) { return EditorCommandToString(param.param.command); });

TEST_F(CommandsTest, ReadOnlyRefusesUndoAndRedo) {
    Load("abc\r\n");
    editor_.SetCaretPoint({4, 1});
    Type("f");
    Run(ecUndo);
    ASSERT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    editor_.SetReadOnly(true);
    EXPECT_FALSE(editor_.CanRedo());
    Run(ecRedo);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    editor_.SetReadOnly(false);
    Run(ecRedo);
    ASSERT_EQ(Lines(), (std::vector<std::string>{"abcf"}));
    editor_.SetReadOnly(true);
    EXPECT_FALSE(editor_.CanUndo());
    Run(ecUndo);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcf"}));
    editor_.SetReadOnly(false);
    Run(ecUndo);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
}

// --- the dialog-code query ---

struct DialogCase {
    bool wantTabs;
    bool ctrl;
    bool wantTab;
};

class DialogCodesTest : public EditorFixture, public ::testing::WithParamInterface<DialogCase> {};

// Arrows and characters always stay with the editor; Tab only when WantTabs is on and Ctrl is up,
// and with Ctrl held Tab is left to the form.
TEST_P(DialogCodesTest, TabOnlyWithWantTabsAndNoCtrl) {
    const DialogCase& c = GetParam();
    editor_.SetWantTabs(c.wantTabs);
    EXPECT_EQ(editor_.DialogCodes(c.ctrl), (TCustomCodeEdit::TDialogCodes{true, true, c.wantTab}));
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogCodesTest,
                         ::testing::Values(DialogCase{false, false, false}, DialogCase{false, true, false},
                                           DialogCase{true, false, true}, DialogCase{true, true, false}));

}  // namespace
}  // namespace tips::editor::testing
