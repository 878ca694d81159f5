// The gutter's width rule and line-number text, and the editor's text area following the gutter.

#include "editor/code_gutter.hpp"

#include <gtest/gtest.h>

#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

struct NumberCase {
    int digits;
    bool leadingZeros;
    bool zeroStart;
    int line;
    const char* text;
};

class LineNumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LineNumberTextTest, RightAlignedInTheDigitPositions) {
    const NumberCase& c = GetParam();
    TCodeGutter gutter;
    gutter.SetDigitCount(c.digits);
    gutter.SetLeadingZeros(c.leadingZeros);
    gutter.SetZeroStart(c.zeroStart);
    EXPECT_EQ(gutter.LineNumberText(c.line), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineNumberTextTest,
                         ::testing::Values(NumberCase{4, false, false, 7, "   7"}, NumberCase{4, true, false, 7, "0007"},
                                           NumberCase{4, false, true, 1, "   0"}, NumberCase{4, true, true, 1, "0000"},
                                           NumberCase{2, false, false, 12345, "12345"},  // wider than the field
                                           NumberCase{3, true, false, 100, "100"}));

TEST(CodeGutter, LimitsItsValues) {
    TCodeGutter gutter;
    gutter.SetDigitCount(1);
    EXPECT_EQ(gutter.DigitCount(), 2);
    gutter.SetDigitCount(20);
    EXPECT_EQ(gutter.DigitCount(), 12);
    EXPECT_EQ(gutter.DisplayedDigitCount(), 12);
    gutter.SetLeftOffset(-3);
    gutter.SetRightOffset(-1);
    gutter.SetWidth(-5);
    EXPECT_EQ(gutter.LeftOffset(), 0);
    EXPECT_EQ(gutter.RightOffset(), 0);
    EXPECT_EQ(gutter.Width(), 0);
}

TEST(CodeGutter, WidthIsTheFixedWidthOrTheNumbersOrNothing) {
    TCodeGutter gutter;
    EXPECT_EQ(gutter.ComputedWidth(8), 30);
    gutter.SetShowLineNumbers(true);
    EXPECT_EQ(gutter.ComputedWidth(8), 16 + 2 + 4 * 8 + 2);
    gutter.SetVisible(false);
    EXPECT_EQ(gutter.ComputedWidth(8), 0);
}

TEST(CodeGutter, FitsTheDigitsOfTheLastLineNumberOnlyWhenSizingItself) {
    TCodeGutter gutter;
    int changes = 0;
    gutter.SetOnChange([&] { ++changes; });
    gutter.SetShowLineNumbers(true);
    changes = 0;
    gutter.FitDigitCount(10000);  // not auto-sized: stays at DigitCount, quietly
    EXPECT_EQ(gutter.DisplayedDigitCount(), 4);
    EXPECT_EQ(changes, 0);
    gutter.SetAutoSize(true);
    changes = 0;
    gutter.FitDigitCount(9999);
    EXPECT_EQ(gutter.DisplayedDigitCount(), 4);
    EXPECT_EQ(changes, 0);
    gutter.FitDigitCount(10000);
    EXPECT_EQ(gutter.DisplayedDigitCount(), 5);
    EXPECT_EQ(changes, 1);
    gutter.SetZeroStart(true);  // numbered from 0, the last of 10000 lines is 9999
    gutter.FitDigitCount(10000);
    EXPECT_EQ(gutter.DisplayedDigitCount(), 4);
}

TEST(CodeGutter, SettersReportOnlyRealChangesAndAssignReportsOnce) {
    TCodeGutter gutter;
    int changes = 0;
    gutter.SetOnChange([&] { ++changes; });
    gutter.SetWidth(30);
    gutter.SetDigitCount(4);
    EXPECT_EQ(changes, 0);
    TCodeGutter source;
    source.SetShowLineNumbers(true);
    source.SetAutoSize(true);
    source.SetWidth(20);
    source.SetDigitCount(6);
    gutter.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(gutter.ShowLineNumbers());
    EXPECT_EQ(gutter.Width(), 20);
    EXPECT_EQ(gutter.DisplayedDigitCount(), 6);
}

// --- the editor's text area beside the gutter (8 x 16 pixel cells) ---

class EditorGutterTest : public EditorFixture {
protected:
    // The main window's gutter: numbers shown, sized to the line count, Width 20 unused.
    void UseNumberedGutter() {
        TCodeGutter gutter;
        gutter.SetAutoSize(true);
        gutter.SetShowLineNumbers(true);
        gutter.SetWidth(20);
        editor_.SetGutter(gutter);
    }
    std::string ManyLines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "x\r\n";
        return text;
    }
};

TEST_F(EditorGutterTest, DefaultGutterIsThirtyPixelsWide) {
    EXPECT_EQ(editor_.GutterExtent(), 30);
    EXPECT_EQ(editor_.TextOriginX(), 32);
}

TEST_F(EditorGutterTest, NumberedGutterMovesTheTextOriginAndNarrowsTheVisibleColumns) {
    EXPECT_EQ(editor_.VisibleColumns(), 80);
    UseNumberedGutter();
    EXPECT_EQ(editor_.GutterExtent(), 52);
    EXPECT_EQ(editor_.TextOriginX(), 54);
    EXPECT_EQ(editor_.VisibleColumns(), (32 + 80 * 8 - 52 - 2) / 8);
    Load("abc\r\n");
    EXPECT_EQ(editor_.PixelToTextPoint(54, 0), (TPoint{1, 1}));
    EXPECT_EQ(editor_.TextPointToPixel({2, 1}).X, 62);
}

TEST_F(EditorGutterTest, GrowsByOneCellAtTenThousandLinesAndShrinksBack) {
    UseNumberedGutter();
    Load(ManyLines(9999));
    EXPECT_EQ(editor_.GutterExtent(), 52);
    editor_.SetCaretPoint({1, 9999});
    editor_.RunCommand(ecLineBreak, '\r', {});
    EXPECT_EQ(editor_.LineCount(), 10000);
    EXPECT_EQ(editor_.GutterExtent(), 60);
    EXPECT_EQ(editor_.TextOriginX(), 62 - (editor_.FirstVisibleColumn() - 1) * 8);
    editor_.Undo();
    EXPECT_EQ(editor_.LineCount(), 9999);
    EXPECT_EQ(editor_.GutterExtent(), 52);
}

TEST_F(EditorGutterTest, HiddenGutterTakesNoWidth) {
    editor_.Gutter().SetVisible(false);
    EXPECT_EQ(editor_.GutterExtent(), 0);
    EXPECT_EQ(editor_.TextOriginX(), 2);
}

TEST_F(EditorGutterTest, SettingTheSameWidthOnlyRepaintsTheGutter) {
    UseNumberedGutter();
    view_.ClearRecords();
    editor_.Gutter().SetColor(platform::clWhite);
    ASSERT_EQ(view_.Invalidated().size(), 1U);
    EXPECT_EQ(view_.Invalidated()[0], (platform::TViewRect{0, 0, 52, view_.ClientSize().Height}));
}

}  // namespace
}  // namespace tips::editor::testing
