#include "store/memory_table.hpp"

#include <gtest/gtest.h>

#include "store/database_error.hpp"
#include "store/store_texts.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using testing::TByteCollator;
using testing::TTip;
using testing::TTipsTable;

class MemoryTable : public ::testing::Test {
protected:
    void SetUp() override { tips.table.Open(); }
    void AddFive() { tips.AddTitles({"t1", "t2", "t3", "t4", "t5"}); }
    std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const EDatabaseError& error) {
            return error.what();
        }
        return "no error";
    }

    TByteCollator collator;
    TTipsTable tips{collator};
    TMemoryTable& table = tips.table;
};

TEST_F(MemoryTable, HasTheHiddenRecordIdAsFieldZeroAndTheTipsLayout) {
    ASSERT_EQ(table.FieldCount(), 4);
    const auto& recId = table.Fields(0);
    EXPECT_EQ(recId.FieldName(), "RecId");
    EXPECT_FALSE(recId.Visible());
    EXPECT_EQ(recId.FieldKind(), TFieldKind::fkCalculated);
    EXPECT_EQ(&table.FieldByName("descripcion"), tips.fields.Descripcion);
    // Presence byte plus data: RecId at 0, Categoria at 5, Descripcion at 27; the memo lives outside.
    EXPECT_EQ(recId.Offset(), 0);
    EXPECT_EQ(tips.fields.Categoria->Offset(), 5);
    EXPECT_EQ(tips.fields.Descripcion->Offset(), 27);
    EXPECT_EQ(tips.fields.Truco->Offset(), -1);
    EXPECT_EQ(tips.fields.Truco->MemoSlot(), 0);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
}

TEST(MemoryTableOpen, RefusesUnsupportedFieldKinds) {
    TByteCollator collator;
    TMemoryTable table("tbTrucos", collator);
    table.AddField<TField>("Raw", TFieldType::ftBytes, 8);
    try {
        table.Open();
        FAIL() << "opened";
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Unsupported field type: Raw");
    }
    EXPECT_FALSE(table.Active());
}

TEST_F(MemoryTable, EmptyTableEditStartsANewRecordAndDeleteFails) {
    table.Edit();
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    table.Cancel();
    EXPECT_EQ(ErrorOf([&] { table.Delete(); }), std::string("tbTrucos: ") + texts::kEmptyDataSet);
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.RecNo(), 0);
}

TEST_F(MemoryTable, AppendPostWithNothingTypedStoresANullRecordWithTheNextId) {
    AddFive();
    table.Append();
    table.Post();
    ASSERT_EQ(table.RecordCount(), 6);
    EXPECT_EQ(tips.Tips().back(), (TTip{std::nullopt, std::nullopt, ""}));
    EXPECT_EQ(tips.Ids().back(), 6);
    EXPECT_EQ(table.RecNo(), 6);
    EXPECT_EQ(table.GetBookmark(), 6);
}

TEST_F(MemoryTable, AppendCancelLeavesRecordsAndIdCounterAlone) {
    AddFive();
    table.Append();
    tips.fields.Descripcion->SetAsString("dropped");
    table.Cancel();
    EXPECT_EQ(tips.Titles(), (std::vector<std::string>{"t1", "t2", "t3", "t4", "t5"}));
    tips.AddTitles({"t6"});
    EXPECT_EQ(tips.Ids().back(), 6);
}

TEST_F(MemoryTable, InsertStoresBeforeTheCurrentRecordAndBookmarksFollowTheirRecords) {
    AddFive();
    table.SetRecNo(3);
    const auto third = table.GetBookmark();
    table.Insert();
    tips.fields.Descripcion->SetAsString("new");
    table.Post();
    EXPECT_EQ(tips.Titles(), (std::vector<std::string>{"t1", "t2", "new", "t3", "t4", "t5"}));
    EXPECT_EQ(tips.Ids()[2], 6);
    EXPECT_EQ(table.RecNo(), 3);
    table.GotoBookmark(third);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "t3");
}

TEST_F(MemoryTable, DeleteMakesTheFollowingOrTheNewLastRecordCurrent) {
    AddFive();
    table.SetRecNo(2);
    table.Delete();
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "t3");
    table.Last();
    table.Delete();
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "t4");
    EXPECT_EQ(table.RecNo(), 3);
    while (!table.IsEmpty()) table.Delete();
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_TRUE(tips.fields.Descripcion->IsNull());
}

TEST_F(MemoryTable, DeletingNeverLowersTheIdCounter) {
    AddFive();
    table.SetRecNo(3);
    table.Delete();
    tips.AddTitles({"t6"});
    EXPECT_EQ(tips.Ids(), (std::vector<int>{1, 2, 4, 5, 6}));
}

TEST_F(MemoryTable, DeleteWhileInsertingCancelsAndWhileEditingDropsTheChanges) {
    AddFive();
    table.Insert();
    table.Delete();
    EXPECT_EQ(table.RecordCount(), 5);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    table.First();
    table.Edit();
    tips.fields.Descripcion->SetAsString("changed");
    table.Delete();
    EXPECT_EQ(tips.Titles(), (std::vector<std::string>{"t2", "t3", "t4", "t5"}));
}

TEST_F(MemoryTable, StringsAreCutToTheFieldSizeAndCancelRestoresTheStoredValues) {
    AddFive();
    table.First();
    table.Edit();
    tips.fields.Categoria->SetAsString("1234567890123456789012345");
    EXPECT_EQ(tips.fields.Categoria->AsString(), "12345678901234567890");
    tips.fields.Truco->SetAsString("code");
    table.Cancel();
    EXPECT_TRUE(tips.fields.Categoria->IsNull());
    EXPECT_EQ(tips.fields.Truco->AsString(), "");
    table.Edit();
    tips.fields.Categoria->SetAsString("1234567890123456789012345");
    table.Post();
    EXPECT_EQ(tips.Tips()[0].categoria, "12345678901234567890");
}

TEST_F(MemoryTable, WritesOutsideEditingAndPostsInBrowseFailWithThePrefixedMessage) {
    AddFive();
    const std::string expected = std::string("tbTrucos: ") + texts::kNotEditing;
    EXPECT_EQ(ErrorOf([&] { tips.fields.Descripcion->SetAsString("x"); }), expected);
    EXPECT_EQ(ErrorOf([&] { tips.fields.Truco->SetAsString("x"); }), expected);
    EXPECT_EQ(ErrorOf([&] { table.Post(); }), expected);
    EXPECT_EQ(tips.Titles()[0], "t1");
}

TEST_F(MemoryTable, ReadOnlyTableRefusesEditInsertAndAppend) {
    AddFive();
    table.SetReadOnly(true);
    const std::string expected = std::string("tbTrucos: ") + texts::kReadOnlyDataSet;
    EXPECT_EQ(ErrorOf([&] { table.Edit(); }), expected);
    EXPECT_EQ(ErrorOf([&] { table.Insert(); }), expected);
    EXPECT_EQ(ErrorOf([&] { table.Append(); }), expected);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecordCount(), 5);
}

TEST_F(MemoryTable, ClosedTableRefusesOperationsThatNeedRecords) {
    AddFive();
    table.Close();
    EXPECT_EQ(table.RecordCount(), 0);
    const std::string expected = std::string("tbTrucos: ") + texts::kClosedDataSet;
    for (const auto& action : std::vector<std::function<void()>>{
             [&] { table.Append(); }, [&] { table.Edit(); }, [&] { table.Delete(); }, [&] { table.Next(); },
             [&] { table.SetRecNo(1); }, [&] { table.Locate("Descripcion", "t1", {}); }}) {
        EXPECT_EQ(ErrorOf(action), expected);
    }
    table.Open();
    EXPECT_TRUE(table.IsEmpty());
    tips.AddTitles({"again"});
    EXPECT_EQ(tips.Ids(), std::vector<int>{1});   // ids restart with the records
}

TEST_F(MemoryTable, FetchingTheCurrentRecordWithCheckingFailsWhenThereIsNone) {
    EXPECT_EQ(ErrorOf([&] { table.CheckCurrentRecord(); }), std::string(texts::kNoRecords));
    AddFive();
    EXPECT_NO_THROW(table.CheckCurrentRecord());
}

TEST_F(MemoryTable, NavigationStopsAtBothEnds) {
    AddFive();
    table.First();
    EXPECT_TRUE(table.Bof());
    table.Prior();
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(table.RecNo(), 1);
    table.Next();
    EXPECT_FALSE(table.Bof());
    EXPECT_EQ(table.MoveBy(10), 3);
    EXPECT_TRUE(table.Eof());
    table.Next();
    EXPECT_EQ(table.RecNo(), 5);
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "t5");
    table.SetRecNo(0);
    table.SetRecNo(6);
    EXPECT_EQ(table.RecNo(), 5);   // out of range numbers are ignored
}

TEST_F(MemoryTable, BookmarksCompareAsStated) {
    AddFive();
    EXPECT_EQ(table.CompareBookmarks(std::nullopt, std::nullopt), 0);
    EXPECT_EQ(table.CompareBookmarks(std::nullopt, 1), 1);
    EXPECT_EQ(table.CompareBookmarks(1, std::nullopt), -1);
    EXPECT_EQ(table.CompareBookmarks(2, 2), 0);
    EXPECT_EQ(table.CompareBookmarks(4, 2), 1);
    EXPECT_EQ(table.CompareBookmarks(2, 4), -1);
    EXPECT_FALSE(table.BookmarkValid(9));
    EXPECT_FALSE(table.BookmarkValid(std::nullopt));
    EXPECT_TRUE(table.BookmarkValid(5));
    try {
        table.GotoBookmark(9);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Bookmark not found");
    }
    // With a sorted field the positions decide: descending titles put id 5 first.
    table.SetSortOptions(SortOptions({TMemorySortOption::soDesc}));
    table.SetSortedField("Descripcion");
    EXPECT_EQ(table.CompareBookmarks(5, 1), -1);
}

// ---- Notifications --------------------------------------------------------------------------------

class MemoryTableEvents : public MemoryTable {
protected:
    void SetUp() override {
        MemoryTable::SetUp();
        AddFive();
        dataSource.SetDataSet(&table);
        link.SetDataSource(&dataSource);
        link.events.clear();
    }
    TDataSource dataSource;
    testing::TRecordingLink link;
};

TEST_F(MemoryTableEvents, TransitionsNotifyInTheStatedOrder) {
    table.Edit();
    EXPECT_EQ(link.events, (std::vector<std::string>{"editing", "state", "record *"}));
    link.events.clear();
    tips.fields.Descripcion->SetAsString("x");
    EXPECT_EQ(link.events, (std::vector<std::string>{"record Descripcion"}));
    link.events.clear();
    table.Post();
    EXPECT_EQ(link.events, (std::vector<std::string>{"update", "not editing", "state", "changed"}));
    link.events.clear();
    table.Append();
    EXPECT_EQ(link.events, (std::vector<std::string>{"editing", "state", "changed"}));
    link.events.clear();
    table.Cancel();
    EXPECT_EQ(link.events, (std::vector<std::string>{"not editing", "state", "changed"}));
    link.events.clear();
    table.Delete();
    EXPECT_EQ(link.events, (std::vector<std::string>{"changed"}));
    link.events.clear();
    table.Prior();
    table.SetRecNo(1);
    EXPECT_EQ(link.events, (std::vector<std::string>{"scrolled -1", "changed centred"}));
}

TEST_F(MemoryTableEvents, BrowseModeCheckPostsWhatTheControlsWroteAndCancelsOtherwise) {
    table.SetRecNo(2);
    table.Edit();
    link.onUpdateData = [&] { tips.fields.Descripcion->SetAsString("from control"); };
    table.SetRecNo(4);
    EXPECT_EQ(tips.Titles()[1], "from control");
    EXPECT_EQ(table.RecNo(), 4);

    link.onUpdateData = nullptr;
    table.Append();
    link.events.clear();
    table.SetRecNo(1);   // the untouched new record is cancelled
    EXPECT_EQ(table.RecordCount(), 5);
    EXPECT_EQ(link.events, (std::vector<std::string>{"update", "not editing", "state", "changed", "changed centred"}));
}

TEST_F(MemoryTableEvents, EveryStateChangeClearsTheModifiedMark) {
    table.Edit();
    tips.fields.Descripcion->SetAsString("x");
    EXPECT_TRUE(table.Modified());
    table.Post();
    EXPECT_FALSE(table.Modified());
}

TEST_F(MemoryTableEvents, SuspendedControlsHearOnceWhenResumed) {
    table.DisableControls();
    table.Edit();
    tips.fields.Descripcion->SetAsString("quiet");
    table.Post();
    table.Next();
    EXPECT_TRUE(link.events.empty());
    table.EnableControls();
    EXPECT_EQ(link.events, (std::vector<std::string>{"changed"}));
}

}  // namespace
}  // namespace tips::store
