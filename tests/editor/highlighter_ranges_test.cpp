#include "editor/highlighter_ranges.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "char_scan_highlighter.hpp"

namespace {

using tips::editor::NotScannedRange;
using tips::editor::PropagateRanges;
using tips::editor::RangesAfterLineReplaced;
using tips::editor::RangesAfterLinesChanged;
using tips::editor::RecomputeAllRanges;
using tips::editor::TCodeEditStringList;
using tips::editor::TCodeEditStringListListener;
using tips::highlight::StandardAttributeKind;
using tips::highlight::TCodeHighlighterAttributes;
using tips::highlight::TCodeRange;
using ::testing::ElementsAre;

// The range is the depth of open parentheses; `constantRange` makes it always 0 instead.
// The cleared range is 100 so that it is told apart from a stored 0.
class ParenHighlighter : public tips::testing::TCharScanHighlighter {
public:
    explicit ParenHighlighter(bool constantRange = false) : constant_(constantRange) {}
    TCodeHighlighterAttributes* StandardAttribute(StandardAttributeKind) const override { return nullptr; }
    void BeginLine(std::string_view text, int lineIndex) override {
        scanned.push_back(lineIndex);
        TCharScanHighlighter::BeginLine(text, lineIndex);
    }
    int TokenKindCode() const override { return 0; }
    TCodeHighlighterAttributes* TokenAttributes() const override { return nullptr; }
    TCodeRange CurrentRange() const override { return constant_ ? 0 : depth_; }
    void RestoreRange(TCodeRange range) override { depth_ = range; }
    void ClearRange() override { depth_ = 100; }

    std::vector<int> scanned;

private:
    void Scan(char c) override {
        if (c == '(') ++depth_;
        if (c == ')') --depth_;
    }
    bool constant_;
    TCodeRange depth_ = 0;
};

struct UpdateCounter : TCodeEditStringListListener {
    int begins = 0;
    int ends = 0;
    void OnUpdateBegin() override { ++begins; }
    void OnUpdateEnd() override { ++ends; }
};

std::vector<TCodeRange> Ranges(const TCodeEditStringList& lines) {
    std::vector<TCodeRange> out;
    for (int i = 0; i < lines.Count(); ++i) out.push_back(lines.LineRange(i));
    return out;
}

class HighlighterRanges : public ::testing::Test {
protected:
    void Load(std::initializer_list<const char*> texts) {
        for (const char* text : texts) lines.Add(text);
        RecomputeAllRanges(highlighter, lines);
        highlighter.scanned.clear();
    }
    TCodeEditStringList lines;
    ParenHighlighter highlighter;
};

TEST_F(HighlighterRanges, RecomputeAllStoresEachLinesStartingStateInOneUpdate) {
    UpdateCounter counter;
    lines.Add("a(");
    lines.Add("((b");
    lines.Add(")");
    lines.SetListener(&counter);
    RecomputeAllRanges(highlighter, lines);
    EXPECT_THAT(Ranges(lines), ElementsAre(100, 101, 103));
    EXPECT_THAT(highlighter.scanned, ElementsAre(0, 1, 2));
    EXPECT_EQ(counter.begins, 1);
    EXPECT_EQ(counter.ends, 1);
}

TEST_F(HighlighterRanges, RecomputeAllOnAnEmptyBufferStoresAndScansNothing) {
    UpdateCounter counter;
    lines.SetListener(&counter);
    RecomputeAllRanges(highlighter, lines);
    EXPECT_TRUE(highlighter.scanned.empty());
    EXPECT_EQ(counter.begins, 0);
}

TEST_F(HighlighterRanges, OneLineBufferGetsTheClearedRange) {
    Load({"(("});
    EXPECT_THAT(Ranges(lines), ElementsAre(100));
}

TEST_F(HighlighterRanges, PropagateStopsWhereTheStoredStateAgrees) {
    Load({"a", "b", "c", "d"});
    lines.Put(1, "(");  // line 2 onwards now starts one level deeper
    highlighter.RestoreRange(lines.LineRange(1));
    EXPECT_EQ(PropagateRanges(highlighter, lines, 1), 3);
    EXPECT_THAT(Ranges(lines), ElementsAre(100, 100, 101, 101));
    highlighter.scanned.clear();
    lines.Put(2, ")");  // closes it again: line 3 goes back to 100, and that is the end
    EXPECT_EQ(RangesAfterLineReplaced(highlighter, lines, 2), 3);
    EXPECT_THAT(Ranges(lines), ElementsAre(100, 100, 101, 100));
    EXPECT_THAT(highlighter.scanned, ElementsAre(2, 3));
}

TEST_F(HighlighterRanges, PropagateFromTheLastLineScansNothing) {
    Load({"a", "b"});
    EXPECT_EQ(PropagateRanges(highlighter, lines, 1), 1);
    EXPECT_EQ(PropagateRanges(highlighter, lines, 5), 5);
    EXPECT_TRUE(highlighter.scanned.empty());
}

TEST_F(HighlighterRanges, ReplacingALineWithAConstantRangeRescansOnlyThatLine) {
    ParenHighlighter constant(true);
    lines.Add("a");
    lines.Add("b");
    lines.Add("c");
    RecomputeAllRanges(constant, lines);
    constant.scanned.clear();
    lines.Put(0, "x");
    EXPECT_EQ(RangesAfterLineReplaced(constant, lines, 0), 0);
    EXPECT_THAT(constant.scanned, ElementsAre(0));
}

TEST_F(HighlighterRanges, InsertedLinesAreRescannedUpToTheFirstAgreeingLine) {
    ParenHighlighter constant(true);
    lines.Add("a");
    lines.Add("b");
    RecomputeAllRanges(constant, lines);
    constant.scanned.clear();
    lines.Insert(1, "new1");
    lines.Insert(2, "new2");
    EXPECT_EQ(lines.LineRange(1), NotScannedRange);
    EXPECT_EQ(RangesAfterLinesChanged(constant, lines, 1), 2);
    EXPECT_THAT(constant.scanned, ElementsAre(0, 1, 2));
    EXPECT_THAT(Ranges(lines), ElementsAre(0, 0, 0, 0));
}

TEST_F(HighlighterRanges, AChangeAtTheTopStartsFromTheClearedRange) {
    Load({"(", "a", "b"});
    lines.Delete(0);
    EXPECT_EQ(RangesAfterLinesChanged(highlighter, lines, 0), 1);
    EXPECT_THAT(Ranges(lines), ElementsAre(100, 100));
}

TEST_F(HighlighterRanges, DeletingTheLastLinesScansNothingAfterThem) {
    Load({"(", "a", "b"});
    lines.RemoveLines(1, 2);
    EXPECT_EQ(RangesAfterLinesChanged(highlighter, lines, 1), 0);
    EXPECT_TRUE(highlighter.scanned.empty());
    lines.Clear();
    EXPECT_EQ(RangesAfterLinesChanged(highlighter, lines, 0), 0);
    EXPECT_TRUE(highlighter.scanned.empty());
}

TEST_F(HighlighterRanges, RangesMatchAFullRecomputeAfterEveryKindOfEdit) {
    Load({"((", "a)", "b", ")", "c"});
    lines.Insert(2, "(");
    RangesAfterLinesChanged(highlighter, lines, 2);
    lines.Put(0, "x");
    RangesAfterLineReplaced(highlighter, lines, 0);
    lines.Delete(3);
    RangesAfterLinesChanged(highlighter, lines, 3);
    const auto incremental = Ranges(lines);
    RecomputeAllRanges(highlighter, lines);
    EXPECT_EQ(incremental, Ranges(lines));
}

}  // namespace
