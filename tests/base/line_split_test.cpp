#include "base/line_split.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tips::base {
namespace {

using Lines = std::vector<std::string>;

Lines Split(std::string_view text, TFinalBreak finalBreak) {
    const auto views = SplitLines(text, finalBreak);
    return {views.begin(), views.end()};
}

struct SplitCase {
    std::string text;
    Lines closing;   // TFinalBreak::ClosesLastLine
    Lines starting;  // TFinalBreak::StartsEmptyLine
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << testing::PrintToString(c.text); }

class LineSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(LineSplit, ByEitherRuleForTheFinalBreak) {
    EXPECT_EQ(Split(GetParam().text, TFinalBreak::ClosesLastLine), GetParam().closing);
    EXPECT_EQ(Split(GetParam().text, TFinalBreak::StartsEmptyLine), GetParam().starting);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, LineSplit,
    testing::Values(SplitCase{"", {}, {""}}, SplitCase{"a", {"a"}, {"a"}},
                    SplitCase{"a\rb", {"a", "b"}, {"a", "b"}}, SplitCase{"a\nb", {"a", "b"}, {"a", "b"}},
                    SplitCase{"a\r\nb", {"a", "b"}, {"a", "b"}},
                    // LF CR is two breaks, CR CR LF too.
                    SplitCase{"a\n\rb", {"a", "", "b"}, {"a", "", "b"}},
                    SplitCase{"a\r\r\nb", {"a", "", "b"}, {"a", "", "b"}},
                    // The final break: closes the line, or starts an empty one.
                    SplitCase{"a\r\n", {"a"}, {"a", ""}}, SplitCase{"a\r", {"a"}, {"a", ""}},
                    SplitCase{"a\n", {"a"}, {"a", ""}}, SplitCase{"\r\n", {""}, {"", ""}},
                    SplitCase{"a\r\n\r\n", {"a", ""}, {"a", "", ""}},
                    // A NUL is an ordinary character here.
                    SplitCase{std::string("a\0b\n", 4), {std::string("a\0b", 3)}, {std::string("a\0b", 3), ""}}));

struct ScannedLine {
    std::string text;
    std::string lineBreak;
    friend bool operator==(const ScannedLine&, const ScannedLine&) = default;
};

std::vector<ScannedLine> Scan(std::string_view text, TNulByte nul) {
    std::vector<ScannedLine> lines;
    TLineScanner scanner(text, nul);
    while (!scanner.AtEnd()) {
        const TTextLine line = scanner.Next();
        lines.push_back({std::string(line.text), std::string(line.lineBreak)});
    }
    return lines;
}

TEST(LineScanner, TellsTheBreakThatEndedEachLine) {
    EXPECT_EQ(Scan("x\r\ny\rz\nw", TNulByte::IsText),
              (std::vector<ScannedLine>{{"x", "\r\n"}, {"y", "\r"}, {"z", "\n"}, {"w", ""}}));
    // A break at the very end starts no further line.
    EXPECT_EQ(Scan("x\n", TNulByte::IsText), (std::vector<ScannedLine>{{"x", "\n"}}));
    EXPECT_TRUE(Scan("", TNulByte::IsText).empty());
}

TEST(LineScanner, ANulEndsALineOnItsOwnWhenAsked) {
    const std::string text("a\0b\0\r\nc\r\0", 9);
    EXPECT_EQ(Scan(text, TNulByte::EndsLine),
              (std::vector<ScannedLine>{{"a", std::string(1, '\0')},
                                        {"b", std::string(1, '\0')},
                                        {"", "\r\n"},
                                        {"c", "\r"},
                                        {"", std::string(1, '\0')}}));
    EXPECT_EQ(Scan(text, TNulByte::IsText),
              (std::vector<ScannedLine>{{std::string("a\0b\0", 4), "\r\n"}, {"c", "\r"}, {std::string(1, '\0'), ""}}));
}

}  // namespace
}  // namespace tips::base
