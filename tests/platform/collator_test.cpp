#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/collator.hpp"

namespace {

using tips::platform::UserDefaultCollator;

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(Collator, OrdersByCollationNotByBytes) {
    const auto& collator = UserDefaultCollator();
    std::vector<std::string> titles{"b", "B", "a"};
    std::stable_sort(titles.begin(), titles.end(),
                     [&](const std::string& x, const std::string& y) { return collator.Compare(x, y, false) < 0; });
    // Byte order would put "B" first; a collation puts the letters together, lower case before upper.
    EXPECT_EQ(titles, (std::vector<std::string>{"a", "b", "B"}));
}

struct CompareCase {
    const char* a;
    const char* b;
    bool ignoreCase;
    int expected;
};

class CollatorCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CollatorCompare, GivesTheExpectedSign) {
    const auto& c = GetParam();
    EXPECT_EQ(Sign(UserDefaultCollator().Compare(c.a, c.b, c.ignoreCase)), c.expected) << c.a << " vs " << c.b;
}

INSTANTIATE_TEST_SUITE_P(Cases, CollatorCompare,
                         ::testing::Values(CompareCase{"abc", "abc", false, 0}, CompareCase{"abc", "ABC", true, 0},
                                           CompareCase{"abc", "ABC", false, -1}, CompareCase{"", "a", false, -1},
                                           CompareCase{"Zeta", "alfa", true, 1},
                                           // Accents stay significant when only case is ignored.
                                           CompareCase{"Edici\xF3n", "Edicion", true, 1},
                                           CompareCase{"Edici\xF3n", "EDICI\xD3N", true, 0}));

// Sort keys must order every pair exactly as Compare does, equal keys exactly where Compare says equal.
TEST(CollatorSortKey, OrdersEveryPairAsCompareDoes) {
    const auto& collator = UserDefaultCollator();
    const std::vector<std::string> texts{
        "", "a", "A", "b", "B", "ab", "aB", "Ab", "abc", "ABC", "Edici\xF3n", "Edicion", "EDICI\xD3N", "edici\xF3n",
        "\xE1rbol", "arbol", "\xC1rbol", "\xF1", "n", "N", "\xD1", "co-op", "coop", "co op", "co.op", "co'op",
        "10", "9", "1", "_", "-", "zeta", "Zeta", "\xFC", "u", "\xDF", "ss", "x"};
    for (const bool ignoreCase : {false, true}) {
        for (const auto& a : texts) {
            for (const auto& b : texts) {
                const int byCompare = Sign(collator.Compare(a, b, ignoreCase));
                const int byKey = Sign(collator.SortKey(a, ignoreCase).compare(collator.SortKey(b, ignoreCase)));
                EXPECT_EQ(byKey, byCompare) << "'" << a << "' vs '" << b << "' ignoreCase " << ignoreCase;
            }
        }
    }
}

TEST(CollatorSortKey, StopsAtTheFirstZeroByteAndTellsCaseOnlyWhenAsked) {
    const auto& collator = UserDefaultCollator();
    EXPECT_EQ(collator.SortKey(std::string("abc\0def", 7), false), collator.SortKey("abc", false));
    EXPECT_EQ(collator.SortKey("abc", true), collator.SortKey("ABC", true));
    EXPECT_NE(collator.SortKey("abc", false), collator.SortKey("ABC", false));
    EXPECT_NE(collator.SortKey("Edici\xF3n", true), collator.SortKey("Edicion", true));
}

// Compare sees what the view holds, up to a zero byte: a prefix cut out of a longer text (as a partial
// search key is matched) is that prefix, not the text it was cut from.
TEST(CollatorCompare, ComparesTheViewUpToItsFirstZeroByte) {
    const auto& collator = UserDefaultCollator();
    const std::string_view title = "Abrir un fichero";
    EXPECT_EQ(collator.Compare(title.substr(0, 5), "abrir", true), 0);
    EXPECT_LT(collator.Compare(title.substr(0, 4), "abrir", true), 0);
    EXPECT_EQ(collator.Compare(std::string("abc\0def", 7), "abc", false), 0);
    EXPECT_EQ(collator.Compare(title.substr(0, 0), "", false), 0);
    EXPECT_LT(collator.Compare(title.substr(0, 0), "a", false), 0);
}

}  // namespace
