#include "editor/undo_list.hpp"

#include <gtest/gtest.h>

namespace tips::editor {
namespace {

void Record(TCodeEditUndoList& list, TCodeEditUndoKind kind = ukInsert) {
    list.RecordChange(kind, TPoint{1, 1}, TPoint{2, 1}, "", smNormal);
}

TEST(UndoList, RecordsOutsideABlockGetConsecutiveNumbersAndInsideOneShareOne) {
    TCodeEditUndoList list;
    Record(list);
    Record(list);
    {
        TUndoBlock outer(list);
        Record(list);
        {
            TUndoBlock inner(list);  // nesting keeps the outer number
            Record(list);
        }
        Record(list);
    }
    Record(list);
    ASSERT_EQ(list.ItemCount(), 6);
    EXPECT_EQ(list.Items(0).ChangeNumber, 1);
    EXPECT_EQ(list.Items(1).ChangeNumber, 2);
    EXPECT_EQ(list.Items(2).ChangeNumber, 3);
    EXPECT_EQ(list.Items(3).ChangeNumber, 3);
    EXPECT_EQ(list.Items(4).ChangeNumber, 3);
    EXPECT_EQ(list.Items(5).ChangeNumber, 4);
    EXPECT_EQ(list.BlockCount(), 0);
    list.CloseBlock();  // unbalanced close is ignored
    EXPECT_EQ(list.BlockCount(), 0);
    EXPECT_EQ(list.NextChangeNumber(), 5);
}

TEST(UndoList, KeepsTheFieldsOfARecordAndPopsNewestFirst) {
    TCodeEditUndoList list;
    EXPECT_EQ(list.TopChangeKind(), ukNone);
    EXPECT_FALSE(list.Pop());
    EXPECT_EQ(list.Peek(), nullptr);
    list.RecordChange(ukDelete, TPoint{3, 4}, TPoint{5, 6}, "ab\r\ncd", smColumn);
    list.RecordChange(ukPadding, TPoint{7, 1}, TPoint{4, 1}, "", smNormal);
    EXPECT_EQ(list.TopChangeKind(), ukPadding);
    list.Pop();
    const auto item = list.Pop();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->ChangeKind, ukDelete);
    EXPECT_EQ(item->SelectionMode, smColumn);
    EXPECT_EQ(item->Start, (TPoint{3, 4}));
    EXPECT_EQ(item->End, (TPoint{5, 6}));
    EXPECT_EQ(item->Text, "ab\r\ncd");
    EXPECT_FALSE(list.CanUndo());
}

TEST(UndoList, LockedListDiscardsRecordsAndFiresNothing) {
    TCodeEditUndoList list;
    int added = 0;
    list.SetAddedHandler([&](TCodeEditUndoList&) { ++added; });
    list.Lock();
    list.Lock();
    Record(list);
    list.Unlock();
    Record(list);
    EXPECT_EQ(list.ItemCount(), 0);
    list.Unlock();
    list.Unlock();  // not below zero
    Record(list);
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(added, 1);
}

TEST(UndoList, GroupBreakNeverStartsAListNorFollowsAnotherAndFiresNothing) {
    TCodeEditUndoList list;
    int added = 0;
    list.SetAddedHandler([&](TCodeEditUndoList&) { ++added; });
    list.RecordGroupBreak();
    EXPECT_EQ(list.ItemCount(), 0);
    Record(list);
    list.RecordGroupBreak();
    list.RecordGroupBreak();
    ASSERT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.TopChangeKind(), ukGroupBreak);
    EXPECT_EQ(list.Items(1).Start, (TPoint{0, 0}));
    EXPECT_EQ(added, 1);
}

TEST(UndoList, SizeLimitDropsTheOldestAndMakesFullUndoImpossible) {
    TCodeEditUndoList list;
    int added = 0;
    list.SetAddedHandler([&](TCodeEditUndoList&) { ++added; });
    list.SetMaxUndo(3);
    for (int i = 0; i < 3; ++i) Record(list);
    EXPECT_FALSE(list.FullUndoImpossible());
    Record(list, ukDelete);
    ASSERT_EQ(list.ItemCount(), 3);
    EXPECT_TRUE(list.FullUndoImpossible());
    EXPECT_EQ(list.Items(0).ChangeNumber, 2);
    EXPECT_EQ(list.TopChangeKind(), ukDelete);
    EXPECT_EQ(added, 4);

    list.SetMaxUndo(1);  // lowering drops at once
    ASSERT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.TopChangeKind(), ukDelete);

    list.Clear();
    EXPECT_FALSE(list.FullUndoImpossible());
    list.SetMaxUndo(-5);
    EXPECT_EQ(list.MaxUndo(), 0);
    Record(list);  // dropped at once, still reported
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_TRUE(list.FullUndoImpossible());
    EXPECT_EQ(added, 5);
}

TEST(UndoList, DefaultLimitIs1024) {
    TCodeEditUndoList list;
    EXPECT_EQ(list.MaxUndo(), 1024);
    for (int i = 0; i < 1025; ++i) Record(list);
    EXPECT_EQ(list.ItemCount(), 1024);
    EXPECT_TRUE(list.FullUndoImpossible());
}

}  // namespace
}  // namespace tips::editor
