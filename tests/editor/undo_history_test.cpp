#include "editor/undo_history.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tips::editor {
namespace {

// Stands in for the editor: each applied record is logged by its text and its reverse record
// is put on the other list, as the editor's replay does.
class UndoHistoryTest : public testing::Test {
protected:
    void Edit(TCodeEditUndoKind kind, const std::string& text) {
        history.UndoList().RecordChange(kind, TPoint{1, 1}, TPoint{2, 1}, text, smNormal);
    }

    bool Undo(bool groupUndo = true) {
        return history.Undo(groupUndo, [&](TCodeEditUndoItem item) {
            applied.push_back(item.Text);
            history.RedoList().RecordChange(item.ChangeKind, item.Start, item.End, item.Text, item.SelectionMode);
        });
    }

    bool Redo(bool groupUndo = true) {
        return history.Redo(groupUndo, [&](TCodeEditUndoItem item) {
            applied.push_back(item.Text);
            EXPECT_TRUE(history.ReplayingRedo());
            history.UndoList().RecordChange(item.ChangeKind, item.Start, item.End, item.Text, item.SelectionMode);
        });
    }

    std::vector<std::string> TakeApplied() { return std::exchange(applied, {}); }

    TCodeEditUndoHistory history;
    std::vector<std::string> applied;
};

using Texts = std::vector<std::string>;

TEST_F(UndoHistoryTest, LikeChangesUndoTogetherUntilAGroupBreakOrAnotherKind) {
    Edit(ukInsert, "a");
    Edit(ukInsert, "b");
    history.UndoList().RecordGroupBreak();  // a caret move
    Edit(ukInsert, "c");
    Edit(ukPadding, "pad");
    Edit(ukInsert, "d");
    Edit(ukInsert, "e");

    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"e", "d"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"pad"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"c"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"b", "a"}));
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(TakeApplied().empty());

    // Redo replays the same steps in reverse order.
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"a", "b"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"c"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"pad"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"d", "e"}));
    EXPECT_FALSE(Redo());
}

TEST_F(UndoHistoryTest, GroupingByKindNeverEndsAStepInsideAnotherBlock) {
    // Two replaced selections in a row: deletion and insertion each, one block each.
    for (const char* name : {"1", "2"}) {
        TUndoBlock block(history.UndoList());
        Edit(ukDelete, std::string("old") + name);
        Edit(ukInsert, std::string("new") + name);
    }
    // A replaced selection and then a typed character.
    {
        TUndoBlock block(history.UndoList());
        Edit(ukDelete, "old3");
        Edit(ukInsert, "new3");
    }
    Edit(ukInsert, "typed");

    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"typed"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"new3", "old3"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"new2", "old2"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"new1", "old1"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"old1", "new1"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"old2", "new2"}));
}

TEST_F(UndoHistoryTest, TypedTextPastTheLineEndUndoesBeforeItsPadding) {
    {
        TUndoBlock block(history.UndoList());
        Edit(ukPadding, "pad");
        Edit(ukInsert, "x");
    }
    Edit(ukInsert, "y");
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"y", "x"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"pad"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"pad"}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied(), (Texts{"x", "y"}));
}

TEST_F(UndoHistoryTest, WithoutGroupUndoOnlyOneBlockUndoesAtATime) {
    Edit(ukInsert, "a");
    Edit(ukInsert, "b");
    {
        TUndoBlock block(history.UndoList());
        Edit(ukDelete, "sel");
        Edit(ukInsert, "x");
    }
    ASSERT_TRUE(Undo(false));
    EXPECT_EQ(TakeApplied(), (Texts{"x", "sel"}));
    ASSERT_TRUE(Undo(false));
    EXPECT_EQ(TakeApplied(), (Texts{"b"}));
    // The block's reverse records share one number, so it redoes as one step too.
    ASSERT_TRUE(Redo(false));
    EXPECT_EQ(TakeApplied(), (Texts{"b"}));
    ASSERT_TRUE(Redo(false));
    EXPECT_EQ(TakeApplied(), (Texts{"sel", "x"}));
}

TEST_F(UndoHistoryTest, IndentRecordsNeverGroupByKind) {
    for (const char* name : {"i1", "i2"}) {
        TUndoBlock block(history.UndoList());
        Edit(ukIndent, std::string(name) + "-before");
        Edit(ukIndent, std::string(name) + "-after");
    }
    Edit(ukUnindent, "u1");
    Edit(ukUnindent, "u2");
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"u2"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"u1"}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeApplied(), (Texts{"i2-after", "i2-before"}));
}

TEST_F(UndoHistoryTest, GroupBreaksMoveToTheOtherListWithoutEverDoubling) {
    Edit(ukInsert, "a");
    history.UndoList().RecordGroupBreak();
    Edit(ukInsert, "b");
    history.UndoList().RecordGroupBreak();
    ASSERT_TRUE(Undo());
    // The top break is dropped; the redo list was empty, so no break went there first.
    const auto& redo = history.RedoList();
    ASSERT_EQ(redo.ItemCount(), 2);
    EXPECT_EQ(redo.Items(0).Text, "b");
    EXPECT_EQ(redo.Items(1).ChangeKind, ukGroupBreak);
    EXPECT_EQ(history.UndoList().TopChangeKind(), ukInsert);
    ASSERT_TRUE(Undo());
    ASSERT_EQ(redo.ItemCount(), 3);
    EXPECT_EQ(redo.Items(2).Text, "a");
    EXPECT_FALSE(history.UndoList().CanUndo());
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeApplied().back(), "a");
    EXPECT_EQ(history.UndoList().TopChangeKind(), ukGroupBreak);
}

TEST_F(UndoHistoryTest, ModifiedFollowsTheUndoListAndANewEditDiscardsRedo) {
    int modifiedChanges = 0;
    int changes = 0;
    history.SetOnModifiedChange([&] { ++modifiedChanges; });
    history.SetOnChange([&] { ++changes; });
    Edit(ukInsert, "a");
    Edit(ukInsert, "b");
    EXPECT_TRUE(history.Modified());
    EXPECT_EQ(modifiedChanges, 1);
    EXPECT_EQ(changes, 2);

    ASSERT_TRUE(Undo());
    EXPECT_FALSE(history.Modified());
    EXPECT_EQ(modifiedChanges, 2);
    EXPECT_EQ(history.RedoList().ItemCount(), 2);

    ASSERT_TRUE(Redo());  // replayed records keep the rest of the redo list
    EXPECT_TRUE(history.Modified());
    ASSERT_TRUE(Undo());
    history.UndoList().RecordGroupBreak();  // nothing on the undo list: no break, redo kept
    EXPECT_EQ(history.RedoList().ItemCount(), 2);

    Edit(ukInsert, "c");
    EXPECT_TRUE(history.Modified());
    EXPECT_EQ(history.RedoList().ItemCount(), 0);
}

TEST_F(UndoHistoryTest, ModifiedStaysOnOnceRecordsWereDroppedForTheLimit) {
    history.SetMaxUndo(0);
    EXPECT_EQ(history.MaxUndo(), 0);
    EXPECT_EQ(history.RedoList().MaxUndo(), 0);
    Edit(ukInsert, "a");
    EXPECT_TRUE(history.Modified());
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(history.Modified());

    history.SetMaxUndo(-1);  // ignored
    EXPECT_EQ(history.MaxUndo(), 0);

    history.SetMaxUndo(2);
    history.ClearUndo();
    history.SetModified(false);
    for (const char* text : {"a", "b", "c"}) {
        Edit(ukInsert, text);
        history.UndoList().RecordGroupBreak();
    }
    while (Undo()) {}
    EXPECT_EQ(TakeApplied(), (Texts{"c"}));  // "a" dropped, and "b" with the break before "c"
    EXPECT_TRUE(history.Modified());
}

TEST_F(UndoHistoryTest, SuspendedHistoryRecordsNothing) {
    {
        TUndoSuspension suspended(history);
        Edit(ukInsert, "a");
        history.RedoList().RecordChange(ukInsert, TPoint{1, 1}, TPoint{1, 1}, "", smNormal);
    }
    EXPECT_FALSE(history.UndoList().CanUndo());
    EXPECT_FALSE(history.RedoList().CanUndo());
    EXPECT_FALSE(history.Modified());
    Edit(ukInsert, "b");
    EXPECT_TRUE(history.UndoList().CanUndo());
}

TEST_F(UndoHistoryTest, AFailingReplayStillRestoresTheOtherListsBlockNumber) {
    Edit(ukInsert, "a");
    history.RedoList().SetBlockChangeNumber(0);
    EXPECT_THROW(history.Undo(true, [](TCodeEditUndoItem) { throw std::runtime_error("replay failed"); }),
                 std::runtime_error);
    EXPECT_EQ(history.RedoList().BlockChangeNumber(), 0);
    Edit(ukInsert, "b");
    ASSERT_TRUE(Undo());
    history.UndoList().SetBlockChangeNumber(0);
    EXPECT_THROW(history.Redo(true, [](TCodeEditUndoItem) { throw std::runtime_error("replay failed"); }),
                 std::runtime_error);
    EXPECT_EQ(history.UndoList().BlockChangeNumber(), 0);
    EXPECT_FALSE(history.ReplayingRedo());
}

TEST_F(UndoHistoryTest, SetModifiedReportsOnlyRealChanges) {
    int modifiedChanges = 0;
    history.SetOnModifiedChange([&] { ++modifiedChanges; });
    history.SetModified(false);
    EXPECT_EQ(modifiedChanges, 0);
    history.SetModified(true);
    history.SetModified(true);
    EXPECT_EQ(modifiedChanges, 1);
}

}  // namespace
}  // namespace tips::editor
