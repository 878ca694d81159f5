// Writing and reading the tips file format.

#include "store/tips_file.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "store/database_error.hpp"
#include "store/file_io.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using testing::TByteCollator;
using testing::TTip;
using testing::TTipsTable;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) out += static_cast<char>(v);
    return out;
}

std::string Fixture(const std::string& name) { return ReadWholeFile(std::string(TIPS_TEST_DATA) + "/store/" + name); }

const std::string kTipsHeader =
    std::string("Ver") + Bytes({0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFC, 0x3F, 3, 0, 0, 0}) +
    Bytes({0x15, 0, 0, 0, 1, 0, 0x0A, 0}) + std::string("Categoria", 10) + Bytes({0x29, 0, 0, 0, 1, 0, 0x0C, 0}) +
    std::string("Descripcion", 12) + Bytes({0, 0, 0, 0, 0x0E, 0, 6, 0}) + std::string("Truco", 6);

class TipsFile : public ::testing::Test {
protected:
    void SetUp() override { tips.table.Open(); }
    TByteCollator collator;
    TTipsTable tips{collator};
    TMemoryTable& table = tips.table;
};

TEST_F(TipsFile, EmptyTableWritesTheSixtySevenHeaderBytes) {
    ASSERT_EQ(kTipsHeader.size(), 67u);
    EXPECT_EQ(table.SaveToBytes(), kTipsHeader);
}

TEST_F(TipsFile, OneTipTakesLengthPrefixedCategoryTitleAndCode) {
    tips.Add({"API", "Beep", "Beep\r\n"});
    const auto expected = kTipsHeader + Bytes({4, 0, 0, 0}) + std::string("API", 4) + Bytes({5, 0, 0, 0}) +
                          std::string("Beep", 5) + Bytes({6, 0, 0, 0}) + "Beep\r\n";
    EXPECT_EQ(table.SaveToBytes(), expected);
}

TEST_F(TipsFile, NullAndEmptyStringsWriteOneZeroByteAndReadBackAsNull) {
    tips.Add({std::nullopt, "", ""});
    const auto image = table.SaveToBytes();
    EXPECT_EQ(image.substr(67), Bytes({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    table.LoadFromBytes(image);
    EXPECT_EQ(tips.Tips(), std::vector<TTip>{TTip({std::nullopt, std::nullopt, ""})});
}

TEST_F(TipsFile, RoundTripKeepsRecordsOrderAndZeroBytesAndRenumbersIds) {
    const std::vector<TTip> written{{"b", "Zeta", std::string("a\0b\r\n\xFF", 6)}, {"a", "Alfa", ""}, {"c", "Mid", "x"}};
    for (const auto& tip : written) tips.Add(tip);
    table.SetRecNo(2);
    table.Delete();
    tips.Add({"d", "Nuevo", "y"});
    TLoadResult result = table.LoadFromBytes(table.SaveToBytes());
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(tips.Tips(), (std::vector<TTip>{written[0], written[2], {"d", "Nuevo", "y"}}));
    EXPECT_EQ(tips.Ids(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(table.RecNo(), 1);
    tips.AddTitles({"next"});
    EXPECT_EQ(tips.Ids().back(), 4);
}

TEST_F(TipsFile, FileInTitleOrderSurvivesLoadSortAndSaveByteForByte) {
    tips.Add({"b", "Alfa", "1"});
    tips.Add({"a", "Beta", "2"});
    tips.Add({"c", "Beta", "3"});
    tips.Add({std::nullopt, "Gamma", ""});
    const auto image = table.SaveToBytes();
    table.LoadFromBytes(image);
    table.Open();
    table.SetSortedField("Descripcion");
    EXPECT_EQ(table.SaveToBytes(), image);
}

TEST_F(TipsFile, SortedFileLoadsInThatOrderAndTiesFollowTheFile) {
    tips.Add({"b", "t1", ""});
    tips.Add({"a", "t2", ""});
    tips.Add({"a", "t3", ""});
    table.SetSortedField("Categoria");
    const auto image = table.SaveToBytes();
    TTipsTable next(collator);
    next.table.SetSortedField("Categoria");
    next.table.LoadFromBytes(image);
    EXPECT_EQ(next.Titles(), (std::vector<std::string>{"t2", "t3", "t1"}));
    EXPECT_EQ(next.Ids(), (std::vector<int>{1, 2, 3}));
}

TEST_F(TipsFile, TruncatedThirdRecordKeepsTheFirstTwoAndSaysItWasIncomplete) {
    const auto result = table.LoadFromBytes(Fixture("truncated_third_record.dat"));
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(tips.Tips(), (std::vector<TTip>{{"API", "Beep", "Beep\r\n"}, {"Bucles", "For Next", "For i = 1 To 10\r\nNext\r\n"}}));
}

TEST_F(TipsFile, VersionZeroFileHasNoHeaderAndNoPresenceBytes) {
    const auto result = table.LoadFromBytes(Fixture("version0.dat"));
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(tips.Tips(), (std::vector<TTip>{{std::nullopt, "Arrays", "Dim a(3)\r\n"}, {std::nullopt, "Eventos", ""}}));
}

TEST_F(TipsFile, OtherColumnLayoutMatchesByNameAndSkipsUnknownColumns) {
    const auto result = table.LoadFromBytes(Fixture("other_layout.dat"));
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(tips.Tips(), (std::vector<TTip>{{"API", "Beep", ""}, {"API", "Sleep", ""}}));
}

TEST(TipsFileZeroWidth, RecordsThatTakeNoBytesEndTheReadingInsteadOfRepeating) {
    TByteCollator collator;
    TMemoryTable table("t", collator);
    table.AddField<TIntegerField>("Orden");
    const auto result = table.LoadFromBytes(Fixture("zero_width_record.dat"));
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(TipsFile, NameLongerThan255BytesIsIncorrectDataAndLeavesTheTableOpenAndEmpty) {
    tips.AddTitles({"old"});
    TDataSource source(&table);
    testing::TRecordingLink link;
    link.SetDataSource(&source);
    link.events.clear();
    try {
        table.LoadFromBytes(Fixture("long_name.dat"));
        FAIL();
    } catch (const EReadError& error) {
        EXPECT_STREQ(error.what(), "The data is incorrect");
    }
    EXPECT_TRUE(table.Active());
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_FALSE(table.Loading());
    EXPECT_EQ(link.events, std::vector<std::string>{"changed"});   // controls resumed
    tips.AddTitles({"works"});
    EXPECT_EQ(tips.Ids(), std::vector<int>{1});
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    bool complete;
    int records;
};

class DamagedFile : public TipsFile, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFile, LoadsWhatIsCompleteAndReportsWhetherEverythingWasRead) {
    tips.AddTitles({"old"});
    const auto result = table.LoadFromBytes(GetParam().bytes);
    EXPECT_EQ(result.complete, GetParam().complete);
    EXPECT_EQ(table.RecordCount(), GetParam().records);
    EXPECT_EQ(result.records, GetParam().records);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
}

const std::string kOneTip = Bytes({4, 0, 0, 0}) + std::string("API", 4) + Bytes({5, 0, 0, 0}) + std::string("Beep", 5) +
                            Bytes({1, 0, 0, 0}) + "B";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(DamagedCase{"empty file", "", true, 0}, DamagedCase{"three stray bytes", "abc", false, 0},
                      DamagedCase{"header cut in the version", "Ver\xCD\xCC", false, 0},
                      DamagedCase{"descriptor cut short", kTipsHeader.substr(0, 40) , false, 0},
                      DamagedCase{"descriptors only", kTipsHeader, true, 0},
                      DamagedCase{"one tip", kTipsHeader + kOneTip, true, 1},
                      DamagedCase{"memo length beyond the end", kTipsHeader + kOneTip + kOneTip.substr(0, 18) + Bytes({9, 0, 0, 0}) + "x", false, 1},
                      DamagedCase{"negative string length", kTipsHeader + kOneTip + Bytes({0xFF, 0xFF, 0xFF, 0xFF}), false, 1},
                      DamagedCase{"no column matches",
                                  std::string("Ver") + Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 2, 0}) + std::string("X", 2) + Bytes({2, 0, 0, 0}) + std::string("y", 2),
                                  false, 0}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.name;
        for (auto& c : name) if (c == ' ') c = '_';
        return name;
    });

// Read from a stream a piece at a time, any file gives what the whole bytes give: the same records,
// columns and completeness, whatever the pieces' size and wherever a value is cut between them. Files:
// the damaged cases above, every cut of a small file, a larger one with bytes flipped, the fixtures.
struct TReadOutcome {
    bool complete = false;
    int records = 0;
    std::vector<std::string> columns;
    std::vector<TTip> tips;
    bool threw = false;
    friend bool operator==(const TReadOutcome&, const TReadOutcome&) = default;
};

template <typename Load>
TReadOutcome OutcomeOf(Load load) {
    TByteCollator collator;
    TTipsTable tips(collator);
    tips.table.Open();
    TReadOutcome outcome;
    try {
        const TLoadResult result = load(tips.table);
        outcome.complete = result.complete;
        outcome.records = result.records;
        for (const auto& column : result.columns) outcome.columns.push_back(column.name);
    } catch (const EReadError&) {
        outcome.threw = true;
    }
    outcome.tips = tips.Tips();
    return outcome;
}

TEST(TipsFilePieces, AnyFileReadInPiecesGivesWhatTheWholeBytesGive) {
    std::vector<std::pair<std::string, std::string>> files;
    files.emplace_back("empty", "");
    files.emplace_back("stray", "abc");
    files.emplace_back("descriptors", kTipsHeader);
    files.emplace_back("one tip", kTipsHeader + kOneTip);
    files.emplace_back("negative length", kTipsHeader + kOneTip + Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    for (const char* fixture :
         {"version0.dat", "other_layout.dat", "long_name.dat", "truncated_third_record.dat", "zero_width_record.dat"}) {
        files.emplace_back(fixture, Fixture(fixture));
    }
    TByteCollator collator;
    TTipsTable small(collator);
    small.table.Open();
    small.Add({"API", "Beep", "Beep\r\n"});
    small.Add({std::nullopt, "Sin categor\xED" "a", std::string(70, 'x')});
    small.Add({"Cadenas", std::nullopt, {}});
    const std::string smallImage = small.table.SaveToBytes();
    for (std::size_t cut = 0; cut <= smallImage.size(); ++cut) {
        files.emplace_back("cut at " + std::to_string(cut), smallImage.substr(0, cut));
    }
    TTipsTable large(collator);
    large.table.Open();
    for (int i = 0; i < 300; ++i) {
        large.Add({"Cat" + std::to_string(i % 5), "Truco " + std::to_string(i), std::string(static_cast<std::size_t>(i * 37 % 5000), 'c')});
    }
    const std::string largeImage = large.table.SaveToBytes();
    files.emplace_back("large", largeImage);
    std::mt19937 random(3);
    for (int flip = 0; flip < 30; ++flip) {
        std::string damaged = largeImage;
        damaged[random() % damaged.size()] ^= static_cast<char>(1 << (random() % 8));
        files.emplace_back("large flipped " + std::to_string(flip), damaged);
    }

    for (const auto& [name, bytes] : files) {
        const TReadOutcome whole = OutcomeOf([&](TMemoryTable& table) { return table.LoadFromBytes(bytes); });
        for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{17}, std::size_t{4096}}) {
            const TReadOutcome inPieces = OutcomeOf([&](TMemoryTable& table) {
                std::istringstream stream(bytes);
                return TTipsFileReader::Read(table, stream, piece);
            });
            EXPECT_TRUE(inPieces == whole) << name << ", pieces of " << piece;
        }
    }
}

TEST(TipsFileFixedSize, FixedSizeColumnsCarryAPresenceByteAndTheirBytes) {
    TByteCollator collator;
    TMemoryTable table("t", collator);
    auto& number = table.AddField<TIntegerField>("Numero");
    auto& small = table.AddField<TIntegerField>("Corto", TFieldType::ftSmallint);
    table.Open();
    table.Append();
    number.SetAsInteger(-2);
    table.Post();
    const auto image = table.SaveToBytes();
    const auto records = image.substr(image.size() - 8);
    EXPECT_EQ(records, Bytes({1, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0}));
    table.LoadFromBytes(image);
    EXPECT_EQ(number.AsInteger(), -2);
    EXPECT_TRUE(small.IsNull());
}

TEST(TipsFileStreams, StreamsCarryTheSameImageAndWriteErrorsAreReported) {
    TByteCollator collator;
    TTipsTable tips(collator);
    tips.table.Open();
    tips.Add({"API", "Beep", "Beep\r\n"});
    std::stringstream stream;
    tips.table.SaveToStream(stream);
    EXPECT_EQ(stream.str(), tips.table.SaveToBytes());
    TTipsTable other(collator);
    other.table.LoadFromStream(stream);
    EXPECT_EQ(other.Tips(), tips.Tips());
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    try {
        tips.table.SaveToStream(broken);
        FAIL();
    } catch (const EWriteError& error) {
        EXPECT_STREQ(error.what(), "Stream write error");
    }
}

}  // namespace
}  // namespace tips::store
