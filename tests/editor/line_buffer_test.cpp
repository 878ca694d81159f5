#include "editor/line_buffer.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using tips::editor::ECodeEditStringList;
using tips::editor::NotScannedRange;
using tips::editor::TCodeEditStringList;
using tips::editor::TCodeEditStringListListener;
using tips::editor::TLineBreakStyle;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Writes every notification as one short string, in order.
class RecordingListener : public TCodeEditStringListListener {
public:
    std::vector<std::string> events;
    void OnUpdateBegin() override { events.push_back("begin"); }
    void OnUpdateEnd() override { events.push_back("end"); }
    void OnLinesAdded(int index, const std::string& text) override {
        events.push_back("added " + std::to_string(index) + " " + text);
    }
    void OnLineInserted(int index, const std::string& text) override {
        events.push_back("inserted " + std::to_string(index) + " " + text);
    }
    void OnLinesDeleted(int index) override { events.push_back("deleted " + std::to_string(index)); }
    void OnLineReplaced(int index, const std::string& text) override {
        events.push_back("replaced " + std::to_string(index) + " " + text);
    }
    void OnLinesCleared() override { events.push_back("cleared"); }
};

class LineBuffer : public ::testing::Test {
protected:
    void Fill(std::initializer_list<const char*> texts) {
        for (const char* text : texts) lines.Add(text);
        listener.events.clear();
    }
    std::vector<std::string> All() const {
        std::vector<std::string> out;
        for (int i = 0; i < lines.Count(); ++i) out.push_back(lines.Get(i));
        return out;
    }

    TCodeEditStringList lines;
    RecordingListener listener;
    void SetUp() override { lines.SetListener(&listener); }
};

// --- writes and their notifications ---

TEST_F(LineBuffer, EachWriteIsItsOwnUpdateWithOneLineNotification) {
    lines.Add("a");
    lines.Insert(0, "b");
    lines.Put(1, "c");
    lines.Delete(0);
    EXPECT_THAT(listener.events, ElementsAre("begin", "added 0 a", "end", "begin", "inserted 0 b", "end", "begin",
                                             "replaced 1 c", "end", "begin", "deleted 0", "end"));
    EXPECT_THAT(All(), ElementsAre("c"));
}

TEST_F(LineBuffer, AnOpenUpdateHoldsBackBeginAndEndUntilTheOutermostEnd) {
    lines.BeginLinesUpdate();
    lines.BeginLinesUpdate();
    lines.Add("a");
    lines.EndLinesUpdate();
    lines.Add("b");
    EXPECT_THAT(listener.events, ElementsAre("begin", "added 0 a", "added 1 b"));
    lines.EndLinesUpdate();
    EXPECT_EQ(listener.events.back(), "end");
    EXPECT_EQ(lines.UpdateCount(), 0);
}

TEST_F(LineBuffer, PutAtCountAppendsAndReportsAnAddition) {
    Fill({"a"});
    lines.Put(1, "b");
    EXPECT_THAT(listener.events, ElementsAre("begin", "added 1 b", "end"));
    TCodeEditStringList empty;
    empty.Put(0, "x");
    EXPECT_EQ(empty.Count(), 1);
}

TEST_F(LineBuffer, PutOfAnotherLineOfTheSameBufferIsSafe) {
    Fill({"first", "second"});
    for (int i = 0; i < 40; ++i) lines.Add(lines.Get(0));  // grows the array while reading from it
    lines.Insert(0, lines.Get(1));
    lines.Put(2, lines.Get(0));
    EXPECT_EQ(lines.Get(0), "second");
    EXPECT_EQ(lines.Get(2), "second");
    EXPECT_EQ(lines.Get(lines.Count() - 1), "first");
}

TEST_F(LineBuffer, RemoveLinesFiresItsDeletionAfterItsUpdate) {
    Fill({"a", "b", "c", "d"});
    lines.RemoveLines(1, 2);
    EXPECT_THAT(listener.events, ElementsAre("begin", "end", "deleted 1"));
    EXPECT_THAT(All(), ElementsAre("a", "d"));
    listener.events.clear();
    lines.RemoveLines(0, 0);
    EXPECT_THAT(listener.events, IsEmpty());
}

TEST_F(LineBuffer, RemoveLinesPastTheEndStopsAtTheLastLine) {
    Fill({"a", "b", "c"});
    lines.RemoveLines(1, 10);
    EXPECT_THAT(All(), ElementsAre("a"));
}

TEST_F(LineBuffer, InsertEmptyLinesWritesValidPlaceholdersAndOneAddition) {
    Fill({"a", "b"});
    lines.InsertEmptyLines(1, 3);
    EXPECT_THAT(listener.events, ElementsAre("begin", "added 1 ", "end"));
    EXPECT_THAT(All(), ElementsAre("a", "", "", "", "b"));
    EXPECT_EQ(lines.Capacity(), 5);
    EXPECT_EQ(lines.LineRange(2), 0u);
    EXPECT_EQ(lines.LineRange(4), NotScannedRange);
    listener.events.clear();
    lines.InsertEmptyLines(0, 0);
    EXPECT_THAT(listener.events, IsEmpty());
}

TEST_F(LineBuffer, ClearReportsOnlyWhenThereWereLines) {
    lines.Clear();
    EXPECT_THAT(listener.events, IsEmpty());
    Fill({"a"});
    lines.Clear();
    EXPECT_THAT(listener.events, ElementsAre("begin", "cleared", "end"));
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Capacity(), 0);
}

TEST_F(LineBuffer, ExchangeSwapsWholeRecordsWithoutALineNotification) {
    Fill({"short", "the longest"});
    int object = 0;
    lines.SetLineObject(0, &object);
    lines.SetLineRange(0, 7);
    EXPECT_EQ(lines.LongestLineLength(), 11);
    listener.events.clear();
    lines.Exchange(0, 1);
    EXPECT_THAT(listener.events, ElementsAre("begin", "end"));
    EXPECT_THAT(All(), ElementsAre("the longest", "short"));
    EXPECT_EQ(lines.GetLineObject(1), &object);
    EXPECT_EQ(lines.LineRange(1), 7u);
    EXPECT_EQ(lines.LongestLineLength(), 11);
    lines.Put(1, "a much longer line than before");  // the cache followed the line to index 0
    EXPECT_EQ(lines.LongestLineLength(), 30);
}

TEST_F(LineBuffer, LineRangeSetIsBracketedByAnUpdate) {
    Fill({"a"});
    EXPECT_EQ(lines.LineRange(0), NotScannedRange);
    lines.SetLineRange(0, 3);
    EXPECT_THAT(listener.events, ElementsAre("begin", "end"));
    EXPECT_EQ(lines.LineRange(0), 3u);
}

TEST_F(LineBuffer, ASubscriberThatThrowsLeavesTheUpdateCountBalanced) {
    struct Throwing : TCodeEditStringListListener {
        void OnLinesAdded(int, const std::string&) override { throw std::runtime_error("boom"); }
    } throwing;
    lines.SetListener(&throwing);
    EXPECT_THROW(lines.Add("a"), std::runtime_error);
    EXPECT_EQ(lines.UpdateCount(), 0);
}

// --- index checks ---

TEST_F(LineBuffer, ReadsOutsideTheRangeGiveEmptyValues) {
    Fill({"a"});
    EXPECT_EQ(lines.Get(-1), "");
    EXPECT_EQ(lines.Get(1), "");
    EXPECT_EQ(lines.GetLineObject(5), nullptr);
    EXPECT_EQ(lines.LineRange(-1), 0u);
    EXPECT_EQ(lines.ExpandedLine(1), "");
}

struct BadWrite {
    const char* name;
    void (*write)(TCodeEditStringList&);
    int index;
};

class LineBufferBadIndex : public ::testing::TestWithParam<BadWrite> {};

TEST_P(LineBufferBadIndex, RaisesNamingTheIndexAndChangesNothing) {
    TCodeEditStringList lines;
    lines.Add("a");
    lines.Add("b");
    RecordingListener listener;
    lines.SetListener(&listener);
    try {
        GetParam().write(lines);
        FAIL() << "no error raised";
    } catch (const ECodeEditStringList& error) {
        EXPECT_EQ(std::string(error.what()), "Invalid stringlist index " + std::to_string(GetParam().index));
    }
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Get(0), "a");
    EXPECT_EQ(lines.Get(1), "b");
    EXPECT_THAT(listener.events, IsEmpty());
    EXPECT_EQ(lines.UpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, LineBufferBadIndex,
    ::testing::Values(BadWrite{"DeleteAtCount", [](TCodeEditStringList& l) { l.Delete(2); }, 2},
                      BadWrite{"DeleteNegative", [](TCodeEditStringList& l) { l.Delete(-1); }, -1},
                      BadWrite{"PutPastCount", [](TCodeEditStringList& l) { l.Put(3, "x"); }, 3},
                      BadWrite{"PutNegative", [](TCodeEditStringList& l) { l.Put(-1, "x"); }, -1},
                      BadWrite{"InsertPastCount", [](TCodeEditStringList& l) { l.Insert(3, "x"); }, 3},
                      BadWrite{"ExchangeSecond", [](TCodeEditStringList& l) { l.Exchange(0, 2); }, 2},
                      BadWrite{"SetLineObject", [](TCodeEditStringList& l) { l.SetLineObject(2, nullptr); }, 2},
                      BadWrite{"SetLineRange", [](TCodeEditStringList& l) { l.SetLineRange(2, 0); }, 2},
                      BadWrite{"RemoveLinesPastCount", [](TCodeEditStringList& l) { l.RemoveLines(3, 1); }, 3},
                      BadWrite{"InsertEmptyLines", [](TCodeEditStringList& l) { l.InsertEmptyLines(4, 1); }, 4}),
    [](const auto& param) { return std::string(param.param.name); });

// --- growth ---

TEST_F(LineBuffer, CapacityGrowsBySixteenThenByAQuarter) {
    std::vector<int> capacities;
    for (int i = 0; i < 100; ++i) {
        lines.Add("x");
        if (capacities.empty() || capacities.back() != lines.Capacity()) capacities.push_back(lines.Capacity());
    }
    EXPECT_THAT(capacities, ElementsAre(16, 32, 48, 64, 80, 100));
}

TEST_F(LineBuffer, AppendLinesRoundsCapacityAndReportsOnce) {
    Fill({"a"});
    TCodeEditStringList source;
    int object = 0;
    for (int i = 0; i < 20; ++i) source.Add(std::string(1, 's').append(std::to_string(i)));
    source.SetLineObject(3, &object);
    source.SetLineRange(3, 9);
    lines.AppendLines(source);
    EXPECT_THAT(listener.events, ElementsAre("begin", "added 1 ", "end"));
    EXPECT_EQ(lines.Count(), 21);
    EXPECT_EQ(lines.Capacity(), 32);  // (21 + 15) rounded down to a multiple of 16
    EXPECT_EQ(lines.Get(4), "s3");
    EXPECT_EQ(lines.GetLineObject(4), &object);
    EXPECT_EQ(lines.LineRange(4), NotScannedRange);
}

TEST_F(LineBuffer, AppendingABufferToItselfDoublesIt) {
    Fill({"a", "b"});
    lines.AppendLines(lines);
    EXPECT_THAT(All(), ElementsAre("a", "b", "a", "b"));
}

TEST_F(LineBuffer, CapacityIsNeverSetBelowTheLineCount) {
    Fill({"a", "b", "c"});
    lines.SetCapacity(1);
    EXPECT_EQ(lines.Capacity(), 3);
    EXPECT_THAT(All(), ElementsAre("a", "b", "c"));
    lines.SetCapacity(50);
    EXPECT_EQ(lines.Capacity(), 50);
}

// --- tab expansion and the longest line ---

struct ExpandCase {
    const char* text;
    int tabWidth;
    const char* expanded;
};

class LineBufferExpand : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(LineBufferExpand, ExpandsTabsToTheNextStop) {
    TCodeEditStringList lines;
    lines.SetTabWidth(GetParam().tabWidth);
    lines.Add(GetParam().text);
    const std::string expanded = lines.ExpandedLine(0);
    EXPECT_EQ(expanded, GetParam().expanded);
    EXPECT_EQ(lines.LongestLineLength(), static_cast<int>(expanded.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, LineBufferExpand,
                         ::testing::Values(ExpandCase{"a\tb", 4, "a\t\t\tb"}, ExpandCase{"a\tb", 1, "a b"},
                                           ExpandCase{"\t", 8, "\t\t\t\t\t\t\t\t"}, ExpandCase{"abcd\tx", 4, "abcd\t\t\t\tx"},
                                           ExpandCase{"ab\t\tc", 3, "ab\t\t\t\tc"}, ExpandCase{"a\tb", 5, "a\t\t\t\tb"},
                                           ExpandCase{"plain", 8, "plain"}, ExpandCase{"", 8, ""}));

TEST_F(LineBuffer, TabWidthChangeRecomputesCachedLengths) {
    Fill({"\tx", "abcdef"});
    EXPECT_EQ(lines.LongestLineLength(), 9);
    lines.SetTabWidth(2);
    EXPECT_EQ(lines.LongestLineLength(), 6);
    EXPECT_EQ(lines.ExpandedLine(0), "\t\tx");
    lines.SetTabWidth(0);  // a width below 1 is taken as 1
    EXPECT_EQ(lines.TabWidth(), 1);
    EXPECT_EQ(lines.ExpandedLine(0), " x");
}

TEST_F(LineBuffer, LongestLineOfEmptyLinesIsZero) {
    Fill({"", "", ""});
    EXPECT_EQ(lines.LongestLineLength(), 0);
    lines.Put(1, "abc");
    lines.Put(2, "xyz");
    EXPECT_EQ(lines.LongestLineLength(), 3);
}

TEST_F(LineBuffer, LongestLineFollowsEdits) {
    Fill({"abc", "abcdef"});
    EXPECT_EQ(lines.LongestLineLength(), 6);
    lines.Delete(1);
    EXPECT_EQ(lines.LongestLineLength(), 3);
    lines.Insert(0, "\t\t");
    EXPECT_EQ(lines.LongestLineLength(), 16);
    lines.Clear();
    EXPECT_EQ(lines.LongestLineLength(), 0);
}

TEST_F(LineBuffer, LongestLineOfTwoEquallyLongLinesIsTheFirst) {
    Fill({"ab", "abcde", "x", "edcba", "abc"});
    EXPECT_EQ(lines.CachedLongestLine(), -1);
    EXPECT_EQ(lines.LongestLineLength(), 5);
    EXPECT_EQ(lines.CachedLongestLine(), 1);
    // The cache follows its line through an exchange; the other long line does not take over.
    lines.Exchange(1, 4);
    EXPECT_EQ(lines.CachedLongestLine(), 4);
    lines.Exchange(0, 3);
    EXPECT_EQ(lines.CachedLongestLine(), 4);
    // Measured again, the first of the two wins again.
    lines.Put(2, "y");
    EXPECT_EQ(lines.CachedLongestLine(), -1);
    EXPECT_EQ(lines.LongestLineLength(), 5);
    EXPECT_EQ(lines.CachedLongestLine(), 0);
}

TEST_F(LineBuffer, LongestLineOfEmptyLinesStaysUnknown) {
    Fill({"", ""});
    EXPECT_EQ(lines.LongestLineLength(), 0);
    EXPECT_EQ(lines.CachedLongestLine(), -1);
}

TEST_F(LineBuffer, LongestLineIsMeasuredAgainAfterEveryKindOfInsertion) {
    Fill({"abcdef", "ab"});
    ASSERT_EQ(lines.LongestLineLength(), 6);
    // A placeholder now stands where the cached line was.
    lines.InsertEmptyLines(0, 2);
    EXPECT_EQ(lines.LongestLineLength(), 6);
    EXPECT_EQ(lines.CachedLongestLine(), 2);
    lines.Insert(0, "x");
    EXPECT_EQ(lines.CachedLongestLine(), -1);
    EXPECT_EQ(lines.LongestLineLength(), 6);
    lines.AppendLines(std::vector<std::string>{"1234567"});
    EXPECT_EQ(lines.LongestLineLength(), 7);
    lines.RemoveLines(0, 4);
    EXPECT_EQ(lines.LongestLineLength(), 7);
    EXPECT_EQ(lines.CachedLongestLine(), 1);
}

// --- whole text ---

TEST_F(LineBuffer, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(lines.Text(), "");
    Fill({"a", "", "b"});
    EXPECT_EQ(lines.Text(), "a\r\n\r\nb\r\n");
}

struct SetTextCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class LineBufferSetText : public ::testing::TestWithParam<SetTextCase> {};

TEST_P(LineBufferSetText, SplitsAtEveryKindOfBreak) {
    TCodeEditStringList lines;
    lines.Add("old");
    lines.SetText(GetParam().text);
    std::vector<std::string> got;
    for (int i = 0; i < lines.Count(); ++i) got.push_back(lines.Get(i));
    EXPECT_EQ(got, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBufferSetText,
    ::testing::Values(SetTextCase{"Empty", "", {}}, SetTextCase{"NoBreak", "a", {"a"}},
                      SetTextCase{"TrailingBreak", "a\r\n", {"a"}},
                      SetTextCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                      SetTextCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      SetTextCase{"BlankLines", "\r\n\r\n", {"", ""}},
                      SetTextCase{"NulEndsTheText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LineBuffer, SetTextIsOneUpdateWithAClearAndOneAdditionPerLine) {
    Fill({"old"});
    lines.SetText("a\nb");
    EXPECT_THAT(listener.events, ElementsAre("begin", "cleared", "added 0 a", "added 1 b", "end"));
}

// --- streams ---

struct LoadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    TLineBreakStyle style;
    std::string saved;
};

class LineBufferLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LineBufferLoad, CutsLinesDetectsTheStyleAndSavesBack) {
    const auto& c = GetParam();
    TCodeEditStringList lines;
    lines.SetLineBreakStyle(TLineBreakStyle::Mac);  // a load always decides the style afresh
    std::istringstream in(c.bytes);
    lines.LoadFromStream(in);
    std::vector<std::string> got;
    for (int i = 0; i < lines.Count(); ++i) got.push_back(lines.Get(i));
    EXPECT_EQ(got, c.lines);
    EXPECT_EQ(lines.LineBreakStyle(), c.style);
    std::ostringstream out;
    lines.SaveToStream(out);
    EXPECT_EQ(out.str(), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBufferLoad,
    ::testing::Values(LoadCase{"Unix", "x\ny", {"x", "y"}, TLineBreakStyle::Unix, "x\ny\n"},
                      LoadCase{"Mac", "x\ry", {"x", "y"}, TLineBreakStyle::Mac, "x\ry\r"},
                      LoadCase{"NoBreak", "x", {"x"}, TLineBreakStyle::DOS, "x\r\n"},
                      LoadCase{"Empty", "", {}, TLineBreakStyle::DOS, ""},
                      LoadCase{"Dos", "a\r\n\r\n", {"a", ""}, TLineBreakStyle::DOS, "a\r\n\r\n"},
                      LoadCase{"MixedIsDos", "a\nb\rc", {"a", "b", "c"}, TLineBreakStyle::DOS, "a\r\nb\r\nc\r\n"},
                      LoadCase{"Nul", std::string("ab\0cd\n", 6), {"ab", "cd"}, TLineBreakStyle::Unix, "ab\ncd\n"},
                      LoadCase{"NulAfterBreak", std::string("a\n\0b", 4), {"a", "", "b"}, TLineBreakStyle::Unix,
                               "a\n\nb\n"},
                      LoadCase{"CrCrLf", "x\r\r\ny", {"x", "", "y"}, TLineBreakStyle::DOS, "x\r\n\r\ny\r\n"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LineBuffer, LoadReadsFromTheStartOfTheStreamAndIsOneUpdate) {
    Fill({"old"});
    std::istringstream in("a\nb");
    in.get();  // a consumer moved the position; the load still reads everything
    lines.LoadFromStream(in);
    EXPECT_THAT(listener.events, ElementsAre("begin", "cleared", "added 0 a", "added 1 b", "end"));
}

TEST_F(LineBuffer, SavingWithoutTheFinalBreakOmitsOnlyTheLastOne) {
    Fill({"a", "b"});
    lines.SetBreakAfterLastLine(false);
    std::ostringstream out;
    lines.SaveToStream(out);
    EXPECT_EQ(out.str(), "a\r\nb");
}

TEST_F(LineBuffer, LoadedLinesStartUnscanned) {
    std::istringstream in("a\nb");
    lines.LoadFromStream(in);
    EXPECT_EQ(lines.LineRange(0), NotScannedRange);
    EXPECT_EQ(lines.LineRange(1), NotScannedRange);
}

}  // namespace
