// Ordering by the sorted field, repositioning after a post, and Locate.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/collator.hpp"
#include "store/database_error.hpp"
#include "store/memory_table.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

using testing::TByteCollator;
using testing::TTip;
using testing::TTipsTable;
using Titles = std::vector<std::string>;

const auto kSearchBox = TLocateOption::loCaseInsensitive | TLocateOption::loPartialKey;

class SortedTable : public ::testing::Test {
protected:
    void SetUp() override { tips.table.Open(); }
    void EditTitleAt(int recNo, const std::string& title) {
        table.SetRecNo(recNo);
        table.Edit();
        tips.fields.Descripcion->SetAsString(title);
        table.Post();
    }

    TByteCollator collator;
    TTipsTable tips{collator};
    TMemoryTable& table = tips.table;
};

TEST(SortWithLocaleCollation, OrdersByThePlatformCollationNotByBytes) {
    TTipsTable tips(platform::UserDefaultCollator());
    tips.table.Open();
    tips.AddTitles({"b", "B", "a"});
    tips.table.SetSortedField("Descripcion");
    EXPECT_EQ(tips.Titles(), (Titles{"a", "b", "B"}));
}

// The sort goes through collation keys; the order must be the one the collator's own comparison gives,
// ties by id, for every option set.
TEST(SortWithLocaleCollation, KeyOrderIsTheComparerOrderForEveryOption) {
    const auto& collator = platform::UserDefaultCollator();
    const Titles titles{"Edici\xF3n", "edicion", "EDICI\xD3N", "Edicion", "co-op", "coop", "co op", "Coop",
                        "\xE1rbol", "arbol", "Arbol", "zeta", "", "a", "A", "a.b", "ab", "a'b", "\xF1u", "nu",
                        "Nu", "\xD1u", "same", "same", "10", "9", "_x", "x_"};
    for (const bool ignoreCase : {false, true}) {
        for (const bool descending : {false, true}) {
            TTipsTable tips(collator);
            tips.table.Open();
            tips.AddTitles(titles);
            TMemorySortOptions options;
            if (ignoreCase) options.bits |= static_cast<unsigned>(TMemorySortOption::soCaseInsensitive);
            if (descending) options.bits |= static_cast<unsigned>(TMemorySortOption::soDesc);
            tips.table.SetSortOptions(options);
            tips.table.SetSortedField("Descripcion");

            std::vector<int> expected(titles.size());
            for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<int>(i) + 1;
            std::sort(expected.begin(), expected.end(), [&](int a, int b) {
                int result = collator.Compare(titles[static_cast<std::size_t>(a - 1)],
                                              titles[static_cast<std::size_t>(b - 1)], ignoreCase);
                result = (result > 0) - (result < 0);
                if (result == 0) result = a < b ? -1 : 1;
                return descending ? result > 0 : result < 0;
            });
            EXPECT_EQ(tips.Ids(), expected) << "ignoreCase " << ignoreCase << " descending " << descending;
        }
    }
}

TEST_F(SortedTable, EqualValuesKeepTheOrderOfTheirIdsAndDescendingReversesBoth) {
    tips.Add({"x", "same", "first"});
    tips.Add({"y", "other", ""});
    tips.Add({"z", "same", "second"});
    table.SetSortedField("Descripcion");
    EXPECT_EQ(tips.Ids(), (std::vector<int>{2, 1, 3}));
    table.SetSortOptions(SortOptions({TMemorySortOption::soDesc}));
    EXPECT_EQ(tips.Ids(), (std::vector<int>{3, 1, 2}));
}

TEST_F(SortedTable, NullsSortAsEmptyStrings) {
    tips.Add({std::nullopt, "b", ""});
    tips.Add({std::nullopt, std::nullopt, ""});
    tips.Add({std::nullopt, "a", ""});
    table.SetSortedField("Descripcion");
    EXPECT_EQ(tips.Ids(), (std::vector<int>{2, 3, 1}));
}

TEST_F(SortedTable, CaseInsensitiveOptionComparesIgnoringCase) {
    tips.AddTitles({"b", "A", "a", "B"});
    table.SetSortOptions(SortOptions({TMemorySortOption::soCaseInsensitive}));
    table.SetSortedField("Descripcion");
    EXPECT_EQ(tips.Titles(), (Titles{"A", "a", "b", "B"}));   // ties by id
}

TEST_F(SortedTable, SortKeepsTheRecordNumberAndUnknownOrMemoFieldsLeaveTheOrder) {
    tips.AddTitles({"c", "a", "b"});
    table.SetRecNo(2);
    table.SetSortedField("Descripcion");
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "b");
    table.SetSortedField("Nothing");
    table.SetSortedField("Truco");
    EXPECT_EQ(tips.Titles(), (Titles{"a", "b", "c"}));
    // No sorted field now: a post does not reposition.
    EditTitleAt(1, "z");
    EXPECT_EQ(tips.Titles(), (Titles{"z", "b", "c"}));
}

TEST_F(SortedTable, SameNameOnlyResolvesAgainButADifferentSpellingSortsAgain) {
    tips.AddTitles({"Arrays", "Bucles", "Eventos"});
    table.SetSortedField("Descripcion");
    EditTitleAt(3, "Arrays");   // moving up, it goes in front of the equal title, against id order
    EXPECT_EQ(tips.Ids(), (std::vector<int>{3, 1, 2}));
    EditTitleAt(1, "Arrays");   // unchanged value: no move
    table.Append();
    tips.fields.Descripcion->SetAsString("Arrays");
    table.Post();   // in front of the first Arrays
    EXPECT_EQ(tips.Ids(), (std::vector<int>{4, 3, 1, 2}));
    table.SetSortedField("Descripcion");
    EXPECT_EQ(tips.Ids(), (std::vector<int>{4, 3, 1, 2}));
    table.SetSortedField("descripcion");
    EXPECT_EQ(tips.Ids(), (std::vector<int>{1, 3, 4, 2}));
}

struct RepositionCase {
    std::string newTitle;
    Titles expected;
    int expectedRecNo;
};

class Reposition : public SortedTable, public ::testing::WithParamInterface<RepositionCase> {};

TEST_P(Reposition, EditedRecordMovesToItsPlaceAndStaysCurrent) {
    tips.AddTitles({"Arrays", "Bucles", "Eventos"});
    table.SetSortedField("Descripcion");
    EditTitleAt(2, GetParam().newTitle);
    EXPECT_EQ(tips.Titles(), GetParam().expected);
    EXPECT_EQ(table.RecNo(), GetParam().expectedRecNo);
    EXPECT_EQ(tips.fields.Descripcion->AsString(), GetParam().newTitle);
}

INSTANTIATE_TEST_SUITE_P(Titles, Reposition,
                         ::testing::Values(RepositionCase{"Cadenas", {"Arrays", "Cadenas", "Eventos"}, 2},
                                           RepositionCase{"Ventanas", {"Arrays", "Eventos", "Ventanas"}, 3},
                                           RepositionCase{"Arrays", {"Arrays", "Arrays", "Eventos"}, 2},
                                           RepositionCase{"Aa", {"Aa", "Arrays", "Eventos"}, 1}));

TEST_F(SortedTable, AppendedEqualTitleGoesInFrontOfTheFirstEqualUnlessItIsLast) {
    tips.AddTitles({"a", "m", "z"});
    table.SetSortedField("Descripcion");
    tips.AddTitles({"m"});
    EXPECT_EQ(tips.Ids(), (std::vector<int>{1, 4, 2, 3}));
    tips.AddTitles({"z"});
    EXPECT_EQ(tips.Ids(), (std::vector<int>{1, 4, 2, 3, 5}));
}

TEST_F(SortedTable, PostRepositionsWithABinarySearchNotAFullSort) {
    std::vector<std::string> titles;
    for (int i = 0; i < 4096; ++i) titles.push_back(std::to_string(100000 + i * 2));
    tips.AddTitles(titles);
    table.SetSortedField("Descripcion");
    collator.calls = 0;
    tips.AddTitles({"100001"});
    EXPECT_LE(collator.calls, 30);   // about log2(4096) comparisons, not n log n
    EXPECT_EQ(tips.Titles()[1], "100001");
    collator.calls = 0;
    EditTitleAt(2, "999999");
    EXPECT_LE(collator.calls, 30);
    EXPECT_EQ(tips.Titles().back(), "999999");
}

// ---- Locate ---------------------------------------------------------------------------------------

TEST_F(SortedTable, LocateFindsTheFirstMatchInTableOrder) {
    tips.AddTitles({"Botones", "buscar", "Bucles"});
    table.SetSortedField("Descripcion");   // byte order: Botones, Bucles, buscar
    EXPECT_TRUE(table.Locate("Descripcion", "bu", kSearchBox));
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "Bucles");
    table.SetSortOptions(SortOptions({TMemorySortOption::soDesc}));
    EXPECT_TRUE(table.Locate("Descripcion", "bu", kSearchBox));
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "buscar");
}

struct LocateCase {
    std::string key;
    TLocateOptions options;
    std::optional<std::string> found;
};

class LocateKeys : public SortedTable, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateKeys, MatchAsTheOptionsSay) {
    tips.AddTitles({"Bucles", "Arrays", "Cadenas"});
    table.SetRecNo(3);
    const bool found = table.Locate("Descripcion", GetParam().key, GetParam().options);
    EXPECT_EQ(found, GetParam().found.has_value());
    EXPECT_EQ(tips.fields.Descripcion->AsString(), GetParam().found.value_or("Cadenas"));   // no match: stays
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LocateKeys,
    ::testing::Values(LocateCase{"Arrays", {}, "Arrays"}, LocateCase{"Arrays", kSearchBox, "Arrays"},
                      LocateCase{"ARRAYS", LocateOptions({TLocateOption::loCaseInsensitive}), "Arrays"},
                      LocateCase{"ARRAYS", {}, std::nullopt}, LocateCase{"Arr", {}, std::nullopt},
                      LocateCase{"Arr", LocateOptions({TLocateOption::loPartialKey}), "Arrays"},
                      LocateCase{"arr", LocateOptions({TLocateOption::loPartialKey}), std::nullopt},
                      LocateCase{"ArraysX", kSearchBox, std::nullopt},
                      LocateCase{"", kSearchBox, std::nullopt},
                      LocateCase{std::string(41, 'A'), kSearchBox, std::nullopt}));

TEST_F(SortedTable, LocateNullKeyMatchesOnlyNullValues) {
    tips.Add({"cat", "one", ""});
    tips.Add({std::nullopt, "two", ""});
    table.First();
    EXPECT_TRUE(table.Locate("Categoria", std::nullopt, kSearchBox));
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "two");
    EXPECT_TRUE(table.Locate("Categoria;Descripcion", {std::string("cat"), std::string("one")}, {}));
    EXPECT_EQ(tips.fields.Descripcion->AsString(), "one");
    EXPECT_FALSE(table.Locate("Categoria;Descripcion", {std::string("cat"), std::string("two")}, {}));
}

TEST_F(SortedTable, LocateOnAnEmptyTableAnswersFalseWithoutPosting) {
    table.Append();
    tips.fields.Descripcion->SetAsString("pending");
    EXPECT_FALSE(table.Locate("Descripcion", "pending", kSearchBox));
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
}

TEST_F(SortedTable, LocateNamingAnUnknownFieldFails) {
    tips.AddTitles({"a"});
    try {
        table.Locate("Autor", "a", kSearchBox);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "tbTrucos: Campo 'Autor' no encontrado");
    }
}

TEST_F(SortedTable, LocatePostsAPendingEditFirstWhichMayMoveTheRecord) {
    tips.AddTitles({"Arrays", "Bucles", "Eventos"});
    table.SetSortedField("Descripcion");
    table.SetRecNo(1);
    table.Edit();
    tips.fields.Descripcion->SetAsString("Zeta");
    EXPECT_TRUE(table.Locate("Descripcion", "ze", kSearchBox));
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(tips.Titles(), (Titles{"Bucles", "Eventos", "Zeta"}));
    EXPECT_EQ(table.RecNo(), 3);
}

TEST_F(SortedTable, SortingWhileEditingStoresTheEditFirst) {
    tips.AddTitles({"c", "a", "b"});
    table.SetRecNo(1);
    table.Edit();
    tips.fields.Descripcion->SetAsString("d");
    table.SetSortedField("Descripcion");
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(tips.Titles(), (Titles{"a", "b", "d"}));
}

}  // namespace
}  // namespace tips::store
