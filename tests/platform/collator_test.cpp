#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

struct PlainCase {
    std::string a;
    std::string b;
    bool plainlyUnequal;
};

class PlainlyUnequalCases : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainlyUnequalCases, DecidesOnlyAtDifferentLettersOrDigits) {
    const auto& c = GetParam();
    const auto& collator = UserDefaultCollator();
    EXPECT_EQ(collator.PlainlyUnequal(c.a, c.b), c.plainlyUnequal) << "'" << c.a << "' vs '" << c.b << "'";
    EXPECT_EQ(collator.PlainlyUnequal(c.b, c.a), c.plainlyUnequal) << "'" << c.b << "' vs '" << c.a << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainlyUnequalCases,
    ::testing::Values(PlainCase{"Abrir", "abrx", true}, PlainCase{"Redondear a", "redondear b", true},
                      PlainCase{"a9", "A0", true},
                      // The same text but for case, or a prefix of the other: the collator decides.
                      PlainCase{"Abrir", "aBRIR", false}, PlainCase{"ab", "abc", false}, PlainCase{"", "a", false},
                      // Punctuation, spaces, controls and accented letters can be ignored or expand.
                      PlainCase{"co-op", "coop", false}, PlainCase{"a b", "ab ", false},
                      PlainCase{"a\x01" "b", "ab\x01", false}, PlainCase{"\xE6" "x", "aex", false},
                      PlainCase{"\xB9", "1", false}, PlainCase{"\xC1rbol", "arbol", false},
                      // A text ends at its first zero byte.
                      PlainCase{std::string("a\0x", 3), std::string("a\0y", 3), false}));

// A collator that orders 'w' as 'v' (as older Swedish and Finnish rules did, the two told apart only as
// case is): the bytes must not decide between those two, and still decide between others.
class TVAsWCollator final : public tips::platform::TCollator {
public:
    int Compare(std::string_view a, std::string_view b, bool ignoreCase) const override {
        return Folded(a, ignoreCase).compare(Folded(b, ignoreCase));
    }
    std::string SortKey(std::string_view text, bool ignoreCase) const override { return Folded(text, ignoreCase); }

private:
    static std::string Folded(std::string_view text, bool ignoreCase) {
        std::string folded(text.substr(0, text.find('\0')));
        for (char& c : folded) {
            if (ignoreCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (ignoreCase && (c == 'w' || c == 'W')) c = c == 'w' ? 'v' : 'V';
        }
        return folded;
    }
};

TEST(PlainlyUnequal, LeavesToTheCollatorTheLettersItDoesNotTellApart) {
    const TVAsWCollator collator;
    ASSERT_EQ(collator.Compare("Vaso", "waso", true), 0);
    EXPECT_FALSE(collator.PlainlyUnequal("Vaso", "waso"));
    EXPECT_FALSE(collator.PlainlyUnequal("xw", "xv"));
    EXPECT_TRUE(collator.PlainlyUnequal("Vaso", "xaso"));
    EXPECT_TRUE(collator.PlainlyUnequal("vaso", "vas0"));
}

// Whatever the bytes decide must be what the platform's collator answers, on texts made of the
// characters collations treat specially: case, accents, ligatures, ignorable controls and punctuation.
TEST(PlainlyUnequalAgainstTheCollator, NeverCallsUnequalWhatTheCollatorFindsEqual) {
    const auto& collator = UserDefaultCollator();
    const std::string alphabet = std::string("aAbBcChHlLsSeE09 -'.\x01\xE1\xC1\xF1\xD1\xDF\xE6\xAA\xB9") + '\0';
    std::mt19937 random(20261211);
    const auto pick = [&] { return alphabet[random() % alphabet.size()]; };
    int decided = 0;
    int undecided = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string a;
        for (auto length = random() % 6; length > 0; --length) a += pick();
        // A near copy of `a`, one or two characters changed, added or taken out, so that the two share a
        // prefix as a title and a typed key do.
        std::string b = a;
        for (auto edits = 1 + random() % 2; edits > 0; --edits) {
            const auto at = b.empty() ? 0 : random() % (b.size() + 1);
            switch (random() % 3) {
                case 0: if (at < b.size()) b[at] = pick(); break;
                case 1: b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), pick()); break;
                default: if (at < b.size()) b.erase(at, 1); break;
            }
        }
        if (!collator.PlainlyUnequal(a, b)) {
            ++undecided;
            continue;
        }
        ++decided;
        for (const bool ignoreCase : {false, true}) {
            EXPECT_NE(collator.Compare(a, b, ignoreCase), 0) << "'" << a << "' vs '" << b << "' ignoreCase " << ignoreCase;
        }
    }
    // Both answers must have come up often for the comparison to mean anything.
    EXPECT_GT(decided, 2000);
    EXPECT_GT(undecided, 2000);
}

}  // namespace
