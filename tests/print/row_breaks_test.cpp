// Where long lines are cut into rows: at the first set of break characters, else the second, else
// every row's worth of characters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/row_breaks.hpp"

namespace {

using tips::print::LineRows;
using tips::print::RowBreaks;
using tips::print::TLineRow;

struct TBreakCase {
    const char* name;
    std::string line;
    int rowChars;
    std::vector<int> breaks;
};

class RowBreaksCases : public ::testing::TestWithParam<TBreakCase> {};

TEST_P(RowBreaksCases, CutWhereTheRulesSay) {
    const TBreakCase& c = GetParam();
    EXPECT_EQ(RowBreaks(c.line, c.rowChars), c.breaks) << c.name;
    // Whatever the rule, no row is longer than a row's worth and the rows cover the line.
    std::string joined;
    for (const TLineRow& row : LineRows(c.line, c.breaks)) {
        EXPECT_LE(row.Length, std::max(c.rowChars, 1)) << c.name;
        joined += c.line.substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(row.Length));
    }
    EXPECT_EQ(joined, c.line) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowBreaksCases,
    ::testing::Values(
        TBreakCase{"short", "short", 10, {}},
        TBreakCase{"exactly a row", "abcdefghij", 10, {}},
        TBreakCase{"blank ending the row", "aaaa bbbb cccc", 10, {10}},
        TBreakCase{"last blank within the row", "aaa bbb ccc ddd eee fff", 10, {8, 16}},
        TBreakCase{"comma", "aaaaa,bbbbbbbbb", 10, {6}},
        TBreakCase{"hyphen", "aaaaaaa-bbbbbbb", 10, {8}},
        TBreakCase{"tab", "aaaa\tbbbbbbbb", 10, {5}},
        TBreakCase{"second set when the first has none", "abcdefgh).xyzwvut", 10, {10}},
        TBreakCase{"semicolon", "abcdefgh;ijklm", 10, {9}},
        TBreakCase{"a second-set row that holds none fails", "a;bcdefghijklm", 10, {10}},
        TBreakCase{"first set before the second", "a.b c.defghijk", 10, {4}},
        TBreakCase{"hard split of three rows", std::string(30, 'x'), 10, {10, 20}},
        TBreakCase{"hard split, short last row", std::string(25, 'x'), 10, {10, 20}},
        // The blank serves the first row only; the first set fails on the second row and its break is dropped.
        TBreakCase{"a set that fails later is dropped whole", "a b" + std::string(21, 'x'), 10, {10, 20}},
        TBreakCase{"the second set fails later too", "a.b" + std::string(9, 'x') + ".yyyyyyyyyyyyy", 10, {10, 20}},
        TBreakCase{"no cell fits: one character a row", "ab c", 0, {1, 2, 3}},
        TBreakCase{"one cell a row with a blank", "a b", 1, {1, 2}}));

TEST(RowBreaks, LineRowsStartAfterEachBreak) {
    EXPECT_EQ(LineRows("aaa bbb ccc", {4, 8}), (std::vector<TLineRow>{{0, 4}, {4, 4}, {8, 3}}));
    EXPECT_EQ(LineRows("", {}), (std::vector<TLineRow>{{0, 0}}));
}

TEST(RowBreaks, StaysLinearOnAVeryLongLine) {
    // A million characters with a blank every 7: every row ends at a blank.
    std::string line;
    while (line.size() < 1000000) line += "abcdef ";
    const std::vector<int> breaks = RowBreaks(line, 80);
    ASSERT_FALSE(breaks.empty());
    for (const int at : breaks) EXPECT_EQ(line[static_cast<std::size_t>(at - 1)], ' ');
    EXPECT_EQ(breaks.front(), 77);
}

}  // namespace
