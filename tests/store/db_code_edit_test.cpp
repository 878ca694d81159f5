// The code editor bound to the "Truco" memo of the tips table: what it shows, when it starts an edit,
// when it writes back, Esc, and that no typed code is lost on the ways out of a tip.

#include "store/db_code_edit.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/code_edit_mouse.hpp"
#include "editor/editor_commands.hpp"
#include "editor/memory_clipboard.hpp"
#include "platform/memory_view_port.hpp"
#include "store/blob_stream_buffer.hpp"
#include "store/data_source.hpp"
#include "store/database_error.hpp"
#include "store/memory_blob_stream.hpp"
#include "store/store_texts.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using editor::TCodeEditorCommand;
using testing::TByteCollator;
using testing::TTip;
using testing::TTipsTable;

// Three tips in title order; Bucles' code has no final line break.
const std::vector<TTip> kTips = {
    {"Ficheros", "Abrir", "Open \"a.txt\" For Input As #1\r\nClose #1\r\n"},
    {"Control", "Bucles", "For i = 1 To 10\r\nNext i"},
    {"Cadenas", "Mayusculas", "s = UCase(s)\r\n"},
};

void TypeInto(editor::TCustomCodeEdit& editor, const std::string& text) {
    for (const char c : text) {
        if (c == '\r') {
            editor.RunCommand(editor::ecLineBreak, 0, {});
        } else {
            editor.KeyPress(c);
        }
    }
}

class BoundEditor : public ::testing::Test {
protected:
    BoundEditor() : tips_(collator_), view_({400, 300}, {8, 16}) {}

    // Opens the table sorted by title with `tips`, then binds the editor to it, as the main window does.
    void Start(const std::vector<TTip>& tips = kTips) {
        tips_.table.Open();
        for (const auto& tip : tips) tips_.Add(tip);
        tips_.table.SetSortedField("Descripcion");
        tips_.table.First();
        editor_.AttachView(&view_, &view_);
        editor_.SetDataSource(&source_);
        editor_.SetDataField("Truco");
    }

    std::string Text() const { return editor_.Lines().Text(); }
    std::string Title() const { return tips_.fields.Descripcion->AsString(); }
    TDataSetState State() const { return tips_.table.State(); }
    std::string StoredCode(int index) const { return tips_.table.StoredValue(index, *tips_.fields.Truco).value_or(""); }
    std::string WorkingCode() const { return tips_.fields.Truco->AsString(); }

    // Characters as typed; a carriage return is the Enter key's line break.
    void Type(const std::string& text) { TypeInto(editor_, text); }
    void Run(TCodeEditorCommand command) { editor_.RunCommand(command, 0, {}); }
    void Escape() { editor_.KeyPress('\x1B'); }
    void Leave() {
        view_.SetFocus(false);
        editor_.FocusLost();
    }
    void Enter() {
        view_.SetFocus(true);
        editor_.FocusReceived();
    }

    TByteCollator collator_;
    TTipsTable tips_;
    TDataSource source_{&tips_.table};
    platform::TMemoryViewPort view_;
    TCustomDBCodeEdit editor_;
};

// ---- What the editor shows --------------------------------------------------------------------

TEST_F(BoundEditor, ShowsTheCurrentTipsCodeAndFollowsEveryMove) {
    Start();
    EXPECT_EQ(editor_.Field(), tips_.fields.Truco);
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    tips_.table.Next();
    EXPECT_EQ(Text(), "For i = 1 To 10\r\nNext i\r\n");
    tips_.table.SetRecNo(3);
    EXPECT_EQ(Text(), "s = UCase(s)\r\n");
    tips_.table.Locate("Descripcion", std::string("ab"), TLocateOption::loCaseInsensitive | TLocateOption::loPartialKey);
    EXPECT_EQ(Title(), "Abrir");
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    tips_.table.Last();
    EXPECT_EQ(Title(), "Mayusculas");
    EXPECT_EQ(Text(), "s = UCase(s)\r\n");
}

TEST_F(BoundEditor, EachLoadClearsModifiedAndBothUndoListsAndPutsTheCaretAtTheStart) {
    Start();
    Type("x");
    Run(editor::ecUndo);
    ASSERT_TRUE(editor_.CanRedo());
    Type("yz");
    ASSERT_TRUE(editor_.Modified());
    tips_.table.Next();
    EXPECT_FALSE(editor_.Modified());
    EXPECT_FALSE(editor_.CanUndo());
    EXPECT_FALSE(editor_.CanRedo());
    EXPECT_EQ(editor_.CaretPoint(), (editor::TPoint{1, 1}));
    // Undo right after moving to another tip does nothing.
    Run(editor::ecUndo);
    EXPECT_EQ(Text(), "For i = 1 To 10\r\nNext i\r\n");
}

TEST_F(BoundEditor, AnEmptyMemoAClosedTableAndAnUnknownFieldShowNothing) {
    Start({{"c", "Vacio", ""}, {"c", "Zeta", "Beep"}});
    EXPECT_EQ(editor_.LineCount(), 0);
    tips_.table.Next();
    EXPECT_EQ(Text(), "Beep\r\n");
    editor_.SetDataField("NoSuchField");
    EXPECT_EQ(editor_.Field(), nullptr);
    EXPECT_EQ(editor_.LineCount(), 0);
    editor_.SetDataField("Truco");
    EXPECT_EQ(Text(), "Beep\r\n");
    tips_.table.Close();
    EXPECT_EQ(editor_.Field(), nullptr);
    EXPECT_EQ(editor_.LineCount(), 0);
}

TEST_F(BoundEditor, OnLoadDataFollowsEveryLoadFromTheFieldButNotASkippedOne) {
    Start();
    int loads = 0;
    editor_.OnLoadData = [&](editor::TCustomCodeEdit& sender) {
        EXPECT_EQ(&sender, &editor_);
        ++loads;
    };
    tips_.table.Next();
    EXPECT_EQ(loads, 1);
    Type("x");   // the edit's record change is skipped
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(State(), TDataSetState::dsEdit);
}

TEST_F(BoundEditor, AnInvalidOperationWhileLoadingShowsItsMessageInParentheses) {
    Start();
    source_.SetAutoEdit(false);
    Type("x");   // Modified: clearing it on the next load reports a status change
    bool fail = true;
    editor_.OnStatusChange = [&](editor::TCustomCodeEdit&, editor::TCodeStatusChanges) {
        if (fail) {
            fail = false;
            throw EInvalidOperation("Canvas does not allow drawing");
        }
    };
    tips_.table.Next();
    EXPECT_EQ(Text(), "(Canvas does not allow drawing)\r\n");
    // Other errors are not the load's to hide.
    Type("y");
    editor_.OnStatusChange = [](editor::TCustomCodeEdit&, editor::TCodeStatusChanges) {
        throw EDatabaseError("tbTrucos: broken");
    };
    EXPECT_THROW(tips_.table.Next(), EDatabaseError);
}

TEST_F(BoundEditor, TheDataSourceGoingAwayCutsTheLinkAndEmptiesTheEditor) {
    Start();
    {
        TDataSource other(&tips_.table);
        editor_.SetDataSource(&other);
        EXPECT_EQ(editor_.DataSource(), &other);
        EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    }
    EXPECT_EQ(editor_.DataSource(), nullptr);
    EXPECT_EQ(editor_.Field(), nullptr);
    EXPECT_EQ(editor_.LineCount(), 0);
}

TEST_F(BoundEditor, ASecondOpenTableResolvesTheFieldInThatTable) {
    Start();
    TTipsTable second(collator_);
    second.table.Open();
    second.Add({"c", "Otra", "Beep"});
    TDataSource secondSource(&second.table);
    editor_.SetDataSource(&secondSource);
    EXPECT_EQ(editor_.Field(), second.fields.Truco);
    EXPECT_EQ(Text(), "Beep\r\n");
    Type("x");
    EXPECT_EQ(second.table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
}

// ---- Starting to edit ------------------------------------------------------------------------

TEST_F(BoundEditor, TheFirstTypedCharacterStartsAnEditWithoutMovingTheCaretOrLosingTheCharacter) {
    Start();
    Run(editor::ecDown);
    Run(editor::ecLineEnd);
    const auto caret = editor_.CaretPoint();
    Type("!");
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1!\r\n");
    EXPECT_EQ(editor_.CaretPoint(), (editor::TPoint{caret.X + 1, caret.Y}));
    EXPECT_TRUE(editor_.DataLink().Modified());
    // Nothing is written into the record before the write-back.
    EXPECT_EQ(WorkingCode(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, TypingIntoAnEmptyTableStartsANewRecordAndShowsTheCharacter) {
    Start({});
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    Type("B");
    EXPECT_EQ(State(), TDataSetState::dsInsert);
    EXPECT_EQ(Text(), "B\r\n");
    Type("eep");
    tips_.table.Post();
    ASSERT_EQ(tips_.table.RecordCount(), 1);
    EXPECT_EQ(StoredCode(0), "Beep\r\n");
    EXPECT_EQ(Text(), "Beep\r\n");
}

struct CommandCase {
    const char* name;
    TCodeEditorCommand command;
    bool edits;
};

class CommandsThatEdit : public BoundEditor, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandsThatEdit, OnlyCommandsThatMayChangeTheTextStartAnEdit) {
    Start();
    editor_.SelectAll();
    Run(GetParam().command);
    EXPECT_EQ(State(), GetParam().edits ? TDataSetState::dsEdit : TDataSetState::dsBrowse);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandsThatEdit,
    ::testing::Values(CommandCase{"DeleteLastChar", editor::ecDeleteLastChar, true},
                      CommandCase{"DeleteChar", editor::ecDeleteChar, true},
                      CommandCase{"LineBreak", editor::ecLineBreak, true}, CommandCase{"Undo", editor::ecUndo, true},
                      CommandCase{"Redo", editor::ecRedo, true}, CommandCase{"Cut", editor::ecCut, true},
                      CommandCase{"Paste", editor::ecPaste, true},
                      CommandCase{"BlockIndent", editor::ecBlockIndent, true},
                      CommandCase{"Tab", editor::ecTab, true}, CommandCase{"ShiftTab", editor::ecShiftTab, true},
                      CommandCase{"UpperCase", editor::ecUpperCase, true},
                      CommandCase{"Copy", editor::ecCopy, false}, CommandCase{"SelectAll", editor::ecSelectAll, false},
                      CommandCase{"Down", editor::ecDown, false}, CommandCase{"SelRight", editor::ecSelRight, false},
                      CommandCase{"SetMarker", editor::ecSetMarker0, false},
                      CommandCase{"ToggleMode", editor::ecToggleMode, false},
                      CommandCase{"ColumnSelect", editor::ecColumnSelect, false},
                      CommandCase{"ScrollDown", editor::ecScrollDown, false},
                      CommandCase{"GotFocus", editor::ecGotFocus, false},
                      CommandCase{"LostFocus", editor::ecLostFocus, false}),
    [](const ::testing::TestParamInfo<CommandCase>& param) { return param.param.name; });

TEST_F(BoundEditor, FocusComingAndGoingNeverStartsAnEditNorAddsARecordToAnEmptyTable) {
    Start({});
    Enter();
    Leave();
    Enter();
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    EXPECT_EQ(tips_.table.RecordCount(), 0);
}

TEST_F(BoundEditor, AReadOnlyLinkMakesTheEditorReadOnlyAndNeverEdits) {
    Start();
    editor_.SetReadOnly(true);
    EXPECT_TRUE(editor_.ReadOnly());
    EXPECT_TRUE(editor_.DataLink().ReadOnly());
    EXPECT_TRUE(static_cast<editor::TCustomCodeEdit&>(editor_).ReadOnly());
    Type("x");
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    editor_.SetReadOnly(false);
    EXPECT_FALSE(static_cast<editor::TCustomCodeEdit&>(editor_).ReadOnly());
    Type("x");
    EXPECT_EQ(State(), TDataSetState::dsEdit);
}

TEST_F(BoundEditor, WithoutAutoEditTheCommandStillRunsButTheTableStaysBrowsing) {
    Start();
    source_.SetAutoEdit(false);
    Type("x");
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Text(), "xOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, DroppedTextAsksForAnEditFirst) {
    Start();
    editor_.TextDropping();
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, TextDraggedInFromAnotherEditorStartsAnEditAndIsStored) {
    Start();
    platform::TMemoryViewPort otherView({400, 300}, {8, 16});
    editor::TCustomCodeEdit other;
    other.AttachView(&otherView, &otherView);
    other.Lines().SetText("Beep");
    other.SelectAll();
    editor::TCodeEditMouse mouse(editor_, view_);
    const auto at = editor_.TextPointToPixel({1, 2});
    mouse.DragDrop(other, at.X, at.Y, 0);
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nBeepClose #1\r\n");
    tips_.table.Next();
    EXPECT_EQ(StoredCode(0), "Open \"a.txt\" For Input As #1\r\nBeepClose #1\r\n");
}

TEST_F(BoundEditor, TextDraggedOutAndMovedStartsAnEditOfTheSourceTip) {
    Start();
    platform::TMemoryViewPort otherView({400, 300}, {8, 16});
    editor::TCustomCodeEdit other;
    other.AttachView(&otherView, &otherView);
    editor::TCodeEditMouse otherMouse(other, otherView);
    editor_.SetCaretPoint({1, 2});
    editor_.SetSelAnchor({1, 2});
    editor_.SetSelExtent({6, 2});   // "Close"
    const auto at = other.TextPointToPixel({1, 1});
    otherMouse.DragDrop(editor_, at.X, at.Y, base::keyboard::ssShift);   // Shift moves between editors
    EXPECT_EQ(other.Lines().Text(), "Close\r\n");
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    tips_.table.Post();
    EXPECT_EQ(StoredCode(0), "Open \"a.txt\" For Input As #1\r\n #1\r\n");
}

TEST_F(BoundEditor, ChangesMadeByMethodsMarkTheLinkButStartNoEdit) {
    Start();
    editor::TMemoryClipboard clipboard;
    clipboard.Open();
    clipboard.SetData(clipboard.TextFormat(), "Beep ");
    clipboard.Close();
    editor_.AttachClipboard(&clipboard);
    editor_.PasteFromClipboard();
    EXPECT_EQ(Text(), "Beep Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_TRUE(editor_.DataLink().Modified());
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    // Through the command path the same paste starts the edit.
    Run(editor::ecPaste);
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(Text(), "Beep Beep Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, TheChangeHookMarksTheLinkBeforeTheOwnChangeHandlerRuns) {
    Start();
    std::vector<bool> markedWhenCalled;
    editor_.OnChange = [&](editor::TCustomCodeEdit&) { markedWhenCalled.push_back(editor_.DataLink().Modified()); };
    Type("x");
    EXPECT_EQ(markedWhenCalled, std::vector<bool>{true});
}

// ---- Writing back -----------------------------------------------------------------------------

TEST_F(BoundEditor, LeavingTheEditorWritesTheCodeIntoTheRecordWithoutStoringIt) {
    Start();
    Enter();
    Type("' ok\r");
    Leave();
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(WorkingCode(), "' ok\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(StoredCode(0), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_FALSE(editor_.DataLink().Modified());
    tips_.table.Post();
    EXPECT_EQ(StoredCode(0), "' ok\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(Text(), "' ok\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, EveryPostWritesBackWhatWasTypedWhileTheEditorHasTheFocus) {
    Start();
    Enter();
    Type("x");
    tips_.table.Post();
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    EXPECT_EQ(StoredCode(0), "xOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_FALSE(editor_.CanUndo());   // the reload after the post
}

TEST_F(BoundEditor, AFinalLineBreakIsAddedOnlyToCodeThatWasEdited) {
    Start();
    tips_.table.Next();   // Bucles: no break after "Next i"
    tips_.table.Edit();
    tips_.fields.Categoria->SetAsString("Bucles");
    tips_.table.Post();   // the code was not edited: stored as it was read
    EXPECT_EQ(StoredCode(1), "For i = 1 To 10\r\nNext i");
    Type("x");
    tips_.table.Prior();  // posts
    EXPECT_EQ(StoredCode(1), "xFor i = 1 To 10\r\nNext i\r\n");
}

TEST_F(BoundEditor, UnixLineBreaksStayUnixLineBreaks) {
    Start({{"c", "Unix", "a\nb\n"}});
    Type("x");
    tips_.table.Post();
    EXPECT_EQ(StoredCode(0), "xa\nb\n");
}

TEST_F(BoundEditor, CodeEmptiedToNothingIsStoredEmpty) {
    Start();
    Run(editor::ecClearAll);
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_EQ(editor_.LineCount(), 0);
    tips_.table.Next();   // the browse-mode check must see a change and post, not cancel
    EXPECT_EQ(StoredCode(0), "");
}

TEST_F(BoundEditor, WritingBackWhileBrowsingFailsKeepsTheFocusAndEscGivesTheStoredCodeBack) {
    Start();
    source_.SetAutoEdit(false);
    Enter();
    Type("x");
    view_.SetFocus(false);
    try {
        editor_.FocusLost();
        FAIL() << "the write-back must fail outside edit and insert state";
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), texts::kNotEditing);   // no table-name prefix
    }
    EXPECT_TRUE(view_.HasFocus());
    EXPECT_TRUE(editor_.DataLink().Modified());
    Escape();
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_FALSE(editor_.DataLink().Modified());
    EXPECT_NO_THROW(Leave());
}

// ---- Esc ---------------------------------------------------------------------------------------

TEST_F(BoundEditor, EscGivesBackTheStoredCodeAndTheTableStaysInEdit) {
    Start();
    Enter();
    Type("xyz");
    Escape();
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    EXPECT_FALSE(editor_.DataLink().Modified());
    EXPECT_FALSE(editor_.CanUndo());
    // Leaving the row later cancels the unchanged record.
    Leave();
    tips_.table.Next();
    EXPECT_EQ(StoredCode(0), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(Text(), "For i = 1 To 10\r\nNext i\r\n");
}

TEST_F(BoundEditor, EscAfterAWriteBackGivesBackTheCodeWrittenLast) {
    Start();
    Enter();
    Type("a");
    Leave();
    Enter();   // nothing posts it here: no enter handler
    Type("b");
    Escape();
    EXPECT_EQ(Text(), "aOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, EscAlwaysGivesTheCodeBackAlsoTheSecondTime) {
    Start();
    Type("a");
    Escape();
    Type("b");
    Escape();
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    Type("c");
    tips_.table.Next();
    EXPECT_EQ(StoredCode(0), "cOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

// ---- Entering the editor ------------------------------------------------------------------------

TEST_F(BoundEditor, AnEnterHandlerThatPostsStoresARecordTypedInTheGridAndShowsItsCode) {
    Start();
    editor_.OnEnter = [&](editor::TCustomCodeEdit&) {
        if (source_.State() == TDataSetState::dsEdit || source_.State() == TDataSetState::dsInsert) {
            tips_.table.Post();
        }
    };
    tips_.table.Append();
    tips_.fields.Descripcion->SetAsString("Bases");
    EXPECT_EQ(editor_.LineCount(), 0);
    Enter();
    EXPECT_EQ(State(), TDataSetState::dsBrowse);
    EXPECT_EQ(tips_.Titles(), (std::vector<std::string>{"Abrir", "Bases", "Bucles", "Mayusculas"}));
    EXPECT_EQ(Title(), "Bases");
    // Typing code then edits the stored tip, and the next post stores the code.
    Type("Dim db");
    EXPECT_EQ(State(), TDataSetState::dsEdit);
    Leave();
    tips_.table.First();
    EXPECT_EQ(StoredCode(1), "Dim db\r\n");
}

// ---- No typed code is lost ----------------------------------------------------------------------

TEST_F(BoundEditor, CodeTypedAndLeftIsStoredByEveryWayToAnotherTip) {
    using Move = void (*)(TMemoryTable&);
    const std::vector<std::pair<const char*, Move>> moves = {
        {"next row", [](TMemoryTable& t) { t.Next(); }},
        {"record number", [](TMemoryTable& t) { t.SetRecNo(3); }},
        {"search", [](TMemoryTable& t) { t.Locate("Descripcion", std::string("may"), LocateOptions({TLocateOption::loCaseInsensitive, TLocateOption::loPartialKey})); }},
        {"sort by category", [](TMemoryTable& t) { t.SetSortedField("Categoria"); }},
        {"new tip", [](TMemoryTable& t) { t.Append(); }},
    };
    for (const auto& [name, move] : moves) {
        SCOPED_TRACE(name);
        TByteCollator collator;
        TTipsTable tips(collator);
        TDataSource source(&tips.table);
        platform::TMemoryViewPort view({400, 300}, {8, 16});
        TCustomDBCodeEdit editor;
        tips.table.Open();
        for (const auto& tip : kTips) tips.Add(tip);
        tips.table.SetSortedField("Descripcion");
        tips.table.First();
        editor.AttachView(&view, &view);
        editor.SetDataSource(&source);
        editor.SetDataField("Truco");
        TypeInto(editor, "' typed\r");
        view.SetFocus(false);
        editor.FocusLost();
        move(tips.table);
        bool found = false;
        for (int i = 0; i < tips.table.RecordCount(); ++i) {
            if (tips.table.StoredValue(i, *tips.fields.Descripcion) == "Abrir") {
                EXPECT_EQ(tips.table.StoredValue(i, *tips.fields.Truco),
                          "' typed\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
                found = true;
            }
        }
        EXPECT_TRUE(found);
    }
}

TEST_F(BoundEditor, ACancelledEditShowsTheStoredCodeAgain) {
    Start();
    Enter();
    Type("lost on purpose");
    Leave();
    tips_.table.Cancel();   // the grid's Esc
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(BoundEditor, AfterEscAndADeleteTheNextTipShowsItsOwnCodeAndKeepsIt) {
    Start();
    Type("a");
    Escape();          // a load in edit state
    tips_.table.Delete();
    EXPECT_EQ(Title(), "Bucles");
    EXPECT_EQ(Text(), "For i = 1 To 10\r\nNext i\r\n");
    Type("b");
    tips_.table.Post();
    EXPECT_EQ(StoredCode(0), "bFor i = 1 To 10\r\nNext i\r\n");
}

TEST_F(BoundEditor, LeavingAfterTheWriteBackAndCancellingInTheGridShowsTheStoredCode) {
    Start();
    Type("a");
    Leave();               // write-back: a load in edit state follows it
    tips_.table.Cancel();
    EXPECT_EQ(Text(), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    Enter();
    Type("b");
    tips_.table.Post();
    EXPECT_EQ(StoredCode(0), "bOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

// ---- The stream buffer over a memo ------------------------------------------------------------

TEST(BlobStreamBuffer, ReadsSeeksAndWritesTheMemoOfTheWorkingBuffer) {
    TByteCollator collator;
    TTipsTable tips(collator);
    tips.table.Open();
    std::string big(10000, 'a');
    big[5000] = 'b';
    tips.Add({"c", "t", big});
    {
        TMemoryBlobStream blob(*tips.fields.Truco, TBlobStreamMode::bmRead);
        TBlobStreamBuffer buffer(blob);
        std::istream in(&buffer);
        in.seekg(5000);
        EXPECT_EQ(in.get(), 'b');
        EXPECT_EQ(static_cast<long long>(in.tellg()), 5001);
        in.seekg(0, std::ios::beg);
        const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(all, big);
    }
    tips.table.Edit();
    {
        TMemoryBlobStream blob(*tips.fields.Truco, TBlobStreamMode::bmWrite);
        TBlobStreamBuffer buffer(blob);
        std::ostream out(&buffer);
        out << "Beep" << '\r' << '\n';
        out.flush();
        EXPECT_EQ(blob.Value(), "Beep\r\n");
    }
    EXPECT_TRUE(tips.table.Modified());
}

}  // namespace
}  // namespace tips::store
