#include "store/memory_blob_stream.hpp"

#include <gtest/gtest.h>

#include "store/database_error.hpp"
#include "store/store_texts.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using testing::TByteCollator;
using testing::TTipsTable;

class BlobStream : public ::testing::Test {
protected:
    void SetUp() override {
        tips.table.Open();
        tips.Add({"c", "t", "0123456789"});
        tips.table.DisableControls();   // no links here
        tips.table.EnableControls();
    }
    TByteCollator collator;
    TTipsTable tips{collator};
    TField& truco = *tips.fields.Truco;
};

TEST_F(BlobStream, ReadsTheWorkingBuffersMemoAndStopsAtItsEnd) {
    TMemoryBlobStream stream(truco, TBlobStreamMode::bmRead);
    EXPECT_EQ(stream.Size(), 10);
    stream.Seek(-4, TSeekOrigin::soFromEnd);
    char buffer[16] = {};
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "6789");
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 0u);
}

TEST_F(BlobStream, WriteModeEmptiesTheValueAndWritingExtendsOrReplaces) {
    tips.table.Edit();
    {
        TMemoryBlobStream stream(truco, TBlobStreamMode::bmWrite);
        EXPECT_EQ(stream.Size(), 0);
        stream.Write("abcdef", 6);
        stream.Seek(2, TSeekOrigin::soFromBeginning);
        stream.Write("XY\0Z", 4);   // a zero byte is data like any other
    }
    EXPECT_EQ(truco.AsString(), std::string("abXY\0Z", 6));
    {
        TMemoryBlobStream stream(truco, TBlobStreamMode::bmReadWrite);
        stream.Seek(1, TSeekOrigin::soFromCurrent);
        stream.Write("-", 1);
    }
    EXPECT_EQ(truco.AsString(), std::string("a-XY\0Z", 6));
    EXPECT_TRUE(tips.table.Modified());
}

TEST_F(BlobStream, WriteModesCheckTheStateAndTheFieldWithoutTablePrefix) {
    try {
        TMemoryBlobStream stream(truco, TBlobStreamMode::bmWrite);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), texts::kNotEditing);
    }
    tips.table.Edit();
    truco.SetReadOnly(true);
    try {
        TMemoryBlobStream stream(truco, TBlobStreamMode::bmReadWrite);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "El campo 'Truco' no puede ser modificado");
    }
    EXPECT_EQ(truco.AsString(), "0123456789");
}

TEST_F(BlobStream, ClosingAfterWritingNotifiesAndHandsNotificationErrorsToTheTable) {
    TDataSource source(&tips.table);
    testing::TRecordingLink link;
    link.SetDataSource(&source);
    tips.table.Edit();
    link.events.clear();
    std::string reported;
    tips.table.OnNotificationError = [&](const std::exception& e) { reported = e.what(); };
    source.OnDataChange = [](TDataSource&, const TField* field) {
        if (field) throw EDatabaseError("refused");
    };
    {
        TMemoryBlobStream reader(truco, TBlobStreamMode::bmRead);
        TMemoryBlobStream writer(truco, TBlobStreamMode::bmWrite);
        writer.Write("x", 1);
    }
    EXPECT_EQ(link.events, std::vector<std::string>{"record Truco"});
    EXPECT_EQ(reported, "refused");
}

}  // namespace
}  // namespace tips::store
