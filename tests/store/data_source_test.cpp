// The data source's state mirror and event relay, and the field link a bound control uses.

#include "store/data_source.hpp"

#include <gtest/gtest.h>

#include "store/database_error.hpp"
#include "store/field_data_link.hpp"
#include "store/memory_blob_stream.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using testing::TByteCollator;
using testing::TRecordingLink;
using testing::TTipsTable;

TEST(DataSource, MirrorsTheStateAndPassesEventsOn) {
    TByteCollator collator;
    TTipsTable tips(collator);
    TDataSource source(&tips.table);
    std::vector<TDataSetState> states;
    source.OnStateChange = [&](TDataSource& s) { states.push_back(s.State()); };
    TRecordingLink link;
    link.SetDataSource(&source);
    EXPECT_EQ(source.State(), TDataSetState::dsInactive);
    EXPECT_FALSE(link.Active());

    tips.table.Open();
    EXPECT_TRUE(link.Active());
    tips.table.Append();
    EXPECT_EQ(source.State(), TDataSetState::dsInsert);
    tips.table.Cancel();
    tips.table.Close();
    EXPECT_EQ(states, (std::vector<TDataSetState>{TDataSetState::dsBrowse, TDataSetState::dsInsert,
                                                  TDataSetState::dsBrowse, TDataSetState::dsInactive}));
    EXPECT_EQ(link.events.front(), "active");
    EXPECT_EQ(link.events.back(), "state");
    EXPECT_FALSE(link.Active());
}

TEST(DataSource, AutoEditDecidesWhetherALinkMayStartEditing) {
    TByteCollator collator;
    TTipsTable tips(collator);
    tips.table.Open();
    tips.AddTitles({"a"});
    TDataSource source(&tips.table);
    TRecordingLink link;
    link.SetDataSource(&source);
    source.SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(tips.table.State(), TDataSetState::dsBrowse);
    source.SetAutoEdit(true);
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(tips.table.State(), TDataSetState::dsEdit);
    link.SetReadOnly(true);
    EXPECT_FALSE(link.Editing());   // a read-only link never edits
}

TEST(DataSource, LinksAreCutWhenTheDataSourceOrTheTableGoesAway) {
    TByteCollator collator;
    TRecordingLink link;
    {
        auto tips = std::make_unique<TTipsTable>(collator);
        tips->table.Open();
        TDataSource source(&tips->table);
        link.SetDataSource(&source);
        EXPECT_TRUE(link.Active());
        tips.reset();
        EXPECT_EQ(source.DataSet(), nullptr);
        EXPECT_FALSE(link.Active());
    }
    EXPECT_EQ(link.DataSource(), nullptr);
}

// ---- Field link as the code editor uses it ---------------------------------------------------------

class FieldLink : public ::testing::Test {
protected:
    void SetUp() override {
        tips.table.Open();
        tips.Add({"API", "Beep", "Beep\r\n"});
        tips.Add({"API", "Sleep", "Sleep 10\r\n"});
        tips.table.First();
        link.SetFieldName("Truco");
        link.OnDataChange = [&] {
            ++loads;
            control = link.Field() ? link.Field()->AsString() : "";
        };
        link.OnUpdateData = [&] {
            TMemoryBlobStream stream(*link.Field(), TBlobStreamMode::bmWrite);
            stream.Write(control.data(), control.size());
        };
        link.OnEditingChange = [&] { ++editingChanges; };
        link.SetDataSource(&source);
    }

    TByteCollator collator;
    TTipsTable tips{collator};
    TDataSource source{&tips.table};
    TFieldDataLink link;
    std::string control;   // the text shown by the control
    int loads = 0;
    int editingChanges = 0;
};

TEST_F(FieldLink, LoadsTheCurrentRecordsValueAndFollowsTheCursor) {
    EXPECT_EQ(link.Field(), tips.fields.Truco);
    EXPECT_EQ(control, "Beep\r\n");
    tips.table.Next();
    EXPECT_EQ(control, "Sleep 10\r\n");
    tips.table.Close();
    EXPECT_EQ(link.Field(), nullptr);
    EXPECT_EQ(control, "");
}

TEST_F(FieldLink, ReloadsOnlyForItsOwnFieldOrTheWholeRecord) {
    tips.table.Edit();
    const int before = loads;
    tips.fields.Descripcion->SetAsString("other");
    EXPECT_EQ(loads, before);
    tips.fields.Truco->SetAsString("x");
    EXPECT_EQ(loads, before + 1);
}

TEST_F(FieldLink, ModifiedValueIsWrittenBackOnPostAndStored) {
    EXPECT_TRUE(link.EditField());
    EXPECT_EQ(editingChanges, 1);
    control = "Beep 2\r\n";
    link.Modified(true);
    tips.table.Post();
    EXPECT_FALSE(link.Modified());
    EXPECT_EQ(tips.table.StoredValue(0, *tips.fields.Truco), "Beep 2\r\n");
    EXPECT_EQ(control, "Beep 2\r\n");   // reloaded after the post
}

TEST_F(FieldLink, UnmodifiedLinkWritesNothingAndTheEditIsCancelledByTheBrowseCheck) {
    link.EditField();
    control = "typed but not marked";
    tips.table.Next();
    EXPECT_EQ(tips.table.StoredValue(0, *tips.fields.Truco), "Beep\r\n");
    EXPECT_EQ(tips.table.State(), TDataSetState::dsBrowse);
}

TEST_F(FieldLink, WritingBackInBrowseStateFailsWithoutTheTablePrefix) {
    control = "changed";
    link.Modified(true);
    try {
        link.UpdateRecord();
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "La fuente de datos no est\xE1 en modo edici\xF3n o inserci\xF3n");
    }
}

TEST_F(FieldLink, ReadOnlyLinkOrFieldCannotStartEditing) {
    link.SetReadOnly(true);
    EXPECT_FALSE(link.EditField());
    link.SetReadOnly(false);
    tips.fields.Truco->SetReadOnly(true);
    EXPECT_FALSE(link.EditField());
    EXPECT_EQ(tips.table.State(), TDataSetState::dsBrowse);
}

TEST_F(FieldLink, ResetReloadsTheFieldAndForgetsTheChanges) {
    link.EditField();
    control = "scratch";
    link.Modified(true);
    link.Reset();
    EXPECT_EQ(control, "Beep\r\n");
    EXPECT_FALSE(link.Modified());
    EXPECT_EQ(tips.table.State(), TDataSetState::dsEdit);
}

TEST_F(FieldLink, EditingOnAnEmptyTableStartsANewRecord) {
    while (!tips.table.IsEmpty()) tips.table.Delete();
    EXPECT_TRUE(link.EditField());
    EXPECT_EQ(tips.table.State(), TDataSetState::dsInsert);
}

}  // namespace
}  // namespace tips::store
