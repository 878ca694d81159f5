// The print engine on the fallback A4 page with fonts of 20 x 40 cells: text area 230..2239 by
// 245..3162, so rows of 100 cells (2000 pixels) and 72 rows a page.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"
#include "print/code_edit_print.hpp"
#include "print/code_edit_print_form.hpp"
#include "print_test_support.hpp"

namespace {

using namespace tips::print;
using tips::platform::TFillCall;
using tips::platform::TRecordingCanvas;
using tips::platform::TTextCall;
using tips::platform::TViewPoint;

constexpr int kLeft = 230;
constexpr int kTop = 245;
constexpr int kCell = 20;
constexpr int kRow = 40;

std::vector<std::string> Repeat(const std::string& line, int count) { return std::vector<std::string>(static_cast<std::size_t>(count), line); }

class CodeEditPrintTest : public ::testing::Test {
protected:
    CodeEditPrintTest() {
        tips::highlight::ConfigureVBHighlighter1(vb);
        ConfigureCodeEditPrint1(engine, &vb);
        engine.SetClock([] { return TDateTimeTexts{"D", "T"}; });
        canvas.SetMetricsRule(tips::testing::CellRule(kCell, kRow));
    }

    // Lays out, then draws one page and returns its text runs.
    std::vector<TTextCall> Page(int page) {
        engine.LayOutPages(canvas);
        canvas.Clear();
        engine.RenderPage(canvas, page);
        return canvas.CallsOf<TTextCall>();
    }

    tips::testing::TFakePrinterPort port{std::nullopt, tips::testing::CellRule(kCell, kRow)};
    tips::highlight::TVBHighlighter vb;
    TCodeEditPrint engine;
    TRecordingCanvas canvas;
};

TEST_F(CodeEditPrintTest, RowsOfCellsOnTheFallbackPage) {
    engine.SetLines({"a"});
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.CellAdvance(), kCell);
    EXPECT_EQ(engine.RowChars(), 100);  // 100 W are 2000 < 2009; 101 are not
    EXPECT_EQ(engine.RowWidth(), 2000);
    EXPECT_EQ(engine.RowHeight(), kRow);
    // Measured at the printer's resolution, the font keeps its 10 points.
    EXPECT_EQ(engine.Font().PixelsPerInch(), 300);
    EXPECT_EQ(engine.Font().Size(), 10);
    EXPECT_EQ(engine.Font().Description().Height, -42);
}

// (3162 - 245) div 40 = 72 short lines fit on a page.
struct TPagesCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<int> starts;
};

class CodeEditPrintPages : public CodeEditPrintTest, public ::testing::WithParamInterface<TPagesCase> {};

TEST_P(CodeEditPrintPages, SplitBetweenLinesAtTheBottomMargin) {
    engine.SetLines(GetParam().lines);
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.PageStarts(), GetParam().starts) << GetParam().name;
    EXPECT_EQ(engine.PageCount(), static_cast<int>(GetParam().starts.size())) << GetParam().name;
}

std::vector<std::string> WithWrappedLineAt(int at, int total) {
    std::vector<std::string> lines = Repeat("x = 1", total);
    lines[static_cast<std::size_t>(at)] = std::string(250, 'w');  // three rows
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeEditPrintPages,
    ::testing::Values(TPagesCase{"no text", {}, {0}},
                      TPagesCase{"a page full", Repeat("x = 1", 72), {0}},
                      TPagesCase{"one line more", Repeat("x = 1", 73), {0, 72}},
                      TPagesCase{"two pages and one line", Repeat("", 145), {0, 72, 144}},
                      // Line 70 takes rows 71 to 73, below the margin: its rows stay together.
                      TPagesCase{"a wrapped line runs over the margin", WithWrappedLineAt(70, 80), {0, 71}},
                      // Line 72 would start below the last row: it goes to the next page whole.
                      TPagesCase{"a wrapped line moves whole", WithWrappedLineAt(72, 80), {0, 72}}));

TEST_F(CodeEditPrintTest, ARowTallerThanThePageGetsAPageOfItsOwnWithoutAnEmptyOneFirst) {
    canvas.SetMetricsRule(tips::testing::CellRule(kCell, 3000));
    engine.SetLines({"a", "b", "c"});
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.PageStarts(), (std::vector<int>{0, 1, 2}));
}

TEST_F(CodeEditPrintTest, KeywordsCommentsAndIdentifiersInTheHighlighterColours) {
    engine.SetLines({"Dim x ' note"});
    const auto texts = Page(1);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].Text, "Dim");
    EXPECT_TRUE(texts[0].Font.Style.Contains(tips::platform::fsBold));
    EXPECT_EQ(texts[0].Foreground, 0xD0391Au);
    EXPECT_EQ(texts[0].Background, tips::platform::clWhite);
    EXPECT_EQ(texts[2].Text, "x");
    EXPECT_TRUE(texts[2].Font.Style.Empty());
    EXPECT_EQ(texts[2].Foreground, tips::platform::clBlack);  // the font's window-text colour, resolved
    EXPECT_EQ(texts[2].Background, tips::platform::clWhite);
    EXPECT_EQ(texts[4].Text, "' note");
    EXPECT_TRUE(texts[4].Font.Style.Contains(tips::platform::fsItalic));
    EXPECT_EQ(texts[4].Foreground, 0x658640u);
    EXPECT_EQ(texts[4].Background, 0xDAFEE2u);
    EXPECT_EQ(texts[4].Mode, tips::platform::TBackgroundMode::bmOpaque);
    // Every character one cell apart, each token at its own cell.
    EXPECT_EQ(texts[4].At, (TViewPoint{kLeft + 6 * kCell, kTop}));
    EXPECT_EQ(texts[4].Advances, std::vector<int>(6, kCell));
    EXPECT_EQ(texts[0].Font.Face, "Arial");
    EXPECT_EQ(texts[0].Font.Height, -42);
}

TEST_F(CodeEditPrintTest, WithoutColorsOnlyTheStylesShow) {
    engine.SetColors(false);
    engine.SetLines({"Dim x ' note"});
    for (const TTextCall& text : Page(1)) {
        EXPECT_EQ(text.Foreground, tips::platform::clBlack) << text.Text;
        EXPECT_EQ(text.Background, tips::platform::clWhite) << text.Text;
    }
    EXPECT_TRUE(Page(1)[4].Font.Style.Contains(tips::platform::fsItalic));
}

TEST_F(CodeEditPrintTest, WithoutTheHighlighterLinesAreWrittenInTheFontsOwnSpacing) {
    engine.SetHighlight(false);
    engine.SetLines({"Dim x ' note", std::string(150, 'q')});
    const auto texts = Page(1);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "Dim x ' note");
    EXPECT_TRUE(texts[0].Advances.empty());
    EXPECT_TRUE(texts[0].Font.Style.Empty());
    EXPECT_EQ(texts[1].Text, std::string(100, 'q'));
    EXPECT_EQ(texts[2].Text, std::string(50, 'q'));
    EXPECT_EQ(texts[2].At, (TViewPoint{kLeft, kTop + 2 * kRow}));
    // Without wrapping the rest of a long line is cut.
    engine.SetWrap(false);
    const auto cut = Page(1);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[1].Text, std::string(100, 'q'));
}

// Joins the text runs of a page into rows by their y, each at its cell.
std::vector<std::string> Rows(const std::vector<TTextCall>& texts) {
    std::vector<std::string> rows;
    for (const TTextCall& text : texts) {
        EXPECT_EQ((text.At.X - kLeft) % kCell, 0) << "run '" << text.Text << "' off its cell";
        EXPECT_EQ((text.At.Y - kTop) % kRow, 0) << "run '" << text.Text << "' off its row";
        const auto row = static_cast<std::size_t>((text.At.Y - kTop) / kRow);
        if (rows.size() <= row) rows.resize(row + 1);
        const auto column = static_cast<std::size_t>((text.At.X - kLeft) / kCell);
        EXPECT_EQ(rows[row].size(), column) << "run '" << text.Text << "' leaves a gap or overlaps";
        rows[row] += text.Text;
    }
    return rows;
}

TEST_F(CodeEditPrintTest, ALongLineWrapsAfterTheLastBlankWithinARow) {
    std::string line = "    MsgBox";
    while (line.size() < 230) line += " \"palabra\" & nombre";
    engine.SetLines({line, "End Sub"});
    engine.LayOutPages(canvas);
    std::vector<std::string> expected;
    for (const TLineRow& row : engine.RowsOf(0)) {
        expected.push_back(line.substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(row.Length)));
    }
    ASSERT_EQ(expected.size(), 3u);
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) EXPECT_EQ(expected[i].back(), ' ') << i;
    expected.push_back("End Sub");
    // Strings and blanks cut across rows; every continuation row starts at the left margin.
    EXPECT_EQ(Rows(Page(1)), expected);
}

TEST_F(CodeEditPrintTest, OneTokenOverSeveralBreaksIsCutAtEach) {
    std::string comment = "x = 1 '";
    while (comment.size() < 260) comment += " una nota larga";
    engine.SetLines({comment});
    engine.LayOutPages(canvas);
    std::vector<std::string> expected;
    for (const TLineRow& row : engine.RowsOf(0)) {
        expected.push_back(comment.substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(row.Length)));
    }
    ASSERT_EQ(expected.size(), 3u);
    const auto texts = Page(1);
    EXPECT_EQ(Rows(texts), expected);
    // Every piece of the comment keeps its colours.
    ASSERT_EQ(texts.size(), 6u + 3u);
    for (std::size_t i = 6; i < texts.size(); ++i) EXPECT_EQ(texts[i].Background, 0xDAFEE2u) << i;
}

TEST_F(CodeEditPrintTest, ALineWithoutBreakCharactersIsCutIntoFullRows) {
    engine.SetLines({std::string(300, 'x'), "y"});
    const auto texts = Page(1);
    EXPECT_EQ(Rows(texts), (std::vector<std::string>{std::string(100, 'x'), std::string(100, 'x'), std::string(100, 'x'), "y"}));
    EXPECT_EQ(texts.back().At, (TViewPoint{kLeft, kTop + 3 * kRow}));
}

TEST_F(CodeEditPrintTest, ATokenLongerThan1024CharactersKeepsOneCellPerCharacter) {
    engine.SetWrap(false);
    engine.SetLines({std::string(2500, 'z')});
    const auto texts = Page(1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Advances, std::vector<int>(2500, kCell));
}

TEST_F(CodeEditPrintTest, TabsAssignedAreExpandedAndTabsSetAsTextTakeOneCell) {
    engine.SetLines({"a\tb"});
    EXPECT_EQ(engine.Lines().Get(0), "a       b");
    EXPECT_EQ(Page(1).back().At.X, kLeft + 8 * kCell);
    engine.Lines().SetText("a\tb\r\n");
    EXPECT_EQ(engine.Lines().Get(0), "a\tb");
    const auto texts = Page(1);
    EXPECT_EQ(texts.back().Text, "b");
    EXPECT_EQ(texts.back().At.X, kLeft + 2 * kCell);
}

// Line numbers: a column as wide as the largest number and ": " (with the offset), or in the margin.
struct TNumbersCase {
    bool inMargin;
    int offset;
    int devLeft;
    const char* first;
};

class CodeEditPrintNumbers : public CodeEditPrintTest, public ::testing::WithParamInterface<TNumbersCase> {};

TEST_P(CodeEditPrintNumbers, StandLeftOfTheText) {
    engine.SetLineNumbers(true);
    engine.SetLineNumbersInMargin(GetParam().inMargin);
    engine.SetLineOffset(GetParam().offset);
    engine.SetLines(Repeat("Dim x", 12));
    const auto texts = Page(1);
    EXPECT_EQ(engine.Margins().Device().DevLeft, GetParam().devLeft);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].Text, GetParam().first);
    const int width = static_cast<int>(std::string(GetParam().first).size()) * kCell;
    EXPECT_EQ(texts[0].At, (TViewPoint{GetParam().devLeft - width, kTop}));
    EXPECT_EQ(texts[0].Foreground, tips::platform::clBlack);
    EXPECT_TRUE(texts[0].Font.Style.Empty());
    EXPECT_EQ(texts[1].Text, "Dim");
    EXPECT_EQ(texts[1].At.X, GetParam().devLeft);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodeEditPrintNumbers,
                         ::testing::Values(TNumbersCase{false, 0, kLeft + 4 * kCell, "1: "},       // "12: "
                                           TNumbersCase{false, 990, kLeft + 6 * kCell, "991: "},  // "1002: "
                                           TNumbersCase{true, 0, kLeft, "1: "}));

TEST_F(CodeEditPrintTest, APageFillsItsOwnTextAreaAndDrawsItsOwnLines) {
    engine.Margins().SetMirrorMargins(true);
    engine.Margins().SetGutter(10);
    engine.SetLines(Repeat("x", 100));
    std::vector<std::pair<int, int>> printed;
    engine.OnPrintLine = [&](TCodeEditPrint&, int line, int page) { printed.emplace_back(line, page); };
    engine.LayOutPages(canvas);
    canvas.Clear();
    engine.RenderPage(canvas, 2);
    // Page 2's mirrored area, not page 1's.
    const auto fills = canvas.CallsOf<TFillCall>();
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0], (TFillCall{{112, kTop, 2003, 3162}, tips::platform::clWhite}));
    ASSERT_EQ(printed.size(), 28u);
    EXPECT_EQ(printed.front(), (std::pair<int, int>{73, 2}));
    EXPECT_EQ(printed.back(), (std::pair<int, int>{100, 2}));
    EXPECT_EQ(canvas.CallsOf<TTextCall>().front().At, (TViewPoint{112, kTop}));
    // A page past the end draws its area and no line.
    canvas.Clear();
    engine.RenderPage(canvas, 3);
    EXPECT_TRUE(canvas.CallsOf<TTextCall>().empty());
    EXPECT_EQ(canvas.CallsOf<TFillCall>().size(), 1u);
}

TEST_F(CodeEditPrintTest, AnEmptyTextHasOnePageWithTheAreaAndTheHeaderAndFooterOnly) {
    engine.Header().Add("$PAGENUM$/$PAGECOUNT$", nullptr, TAlignment::taCenter, 1);
    engine.SetPageOffset(10);
    const auto texts = Page(1);
    EXPECT_EQ(engine.PageCount(), 1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "11/1");
    // The footer has a rule and shading but no items: nothing of it shows.
    EXPECT_EQ(canvas.CallsOf<TFillCall>().size(), 1u);
    EXPECT_EQ(canvas.CallsOf<tips::platform::TLineCall>().size(), 1u);  // the header's rule only
}

TEST_F(CodeEditPrintTest, HeaderAndFooterGoAroundTheLinesAndMirrorByThePageWithItsOffset) {
    engine.Header().SetMirrorPosition(true);
    engine.Header().Add("H$PAGENUM$", nullptr, TAlignment::taLeftJustify, 1);
    engine.Footer().Add("F", nullptr, TAlignment::taLeftJustify, 1);
    engine.SetPageOffset(1);
    engine.SetLines({"x"});
    auto texts = Page(1);
    ASSERT_EQ(texts.size(), 3u);
    // Page 1 is page 2 to the header: its left item goes to the right.
    EXPECT_EQ(texts[0].Text, "H2");
    EXPECT_EQ(texts[0].At.X, engine.Margins().Device().DevHFRight - 2 * kCell);
    EXPECT_EQ(texts[1].Text, "x");
    EXPECT_EQ(texts[2].Text, "F");
    EXPECT_EQ(texts[2].At.X, engine.Margins().Device().DevHFLeft);
    engine.SetPageOffset(0);
    texts = Page(1);
    EXPECT_EQ(texts[0].Text, "H1");
    EXPECT_EQ(texts[0].At.X, engine.Margins().Device().DevHFLeft);
}

TEST_F(CodeEditPrintTest, EveryLayoutReadsTheSelectedPrinterAgain) {
    engine.SetLines({"x"});
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.Margins().Device().DevLeft, kLeft);
    port.Select(tips::testing::LetterPrinter());
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.Margins().Device().DevLeft, 220);
    EXPECT_EQ(engine.Margins().Device().DevBottom, 2930);
    EXPECT_EQ(engine.RowChars(), 103);
}

TEST_F(CodeEditPrintTest, SelectedOnlyShowsPagesWithoutTextAndPrintsNothing) {
    port.Select(tips::testing::LetterPrinter());
    engine.SetSelectedOnly(true);
    engine.SetLines(Repeat("Dim x", 80));
    EXPECT_TRUE(Page(1).empty());
    EXPECT_EQ(engine.PageCount(), 2);
    engine.PrintDocument();
    EXPECT_TRUE(port.log.empty());
}

TEST_F(CodeEditPrintTest, ANarrowTextAreaStillEnds) {
    canvas.SetMetricsRule(tips::testing::CellRule(3000, kRow));  // not one W fits
    engine.SetLines({"ab cd", std::string(200, 'x')});
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.RowChars(), 0);
    EXPECT_EQ(engine.RowsOf(0).size(), 5u);
    EXPECT_EQ(engine.RowsOf(1).size(), 200u);
    EXPECT_EQ(engine.PageCount(), 1);  // both start on the first page; their rows stay with them
}

TEST_F(CodeEditPrintTest, AFontWithoutWidthStillEnds) {
    canvas.SetMetricsRule(tips::testing::CellRule(0, kRow));
    engine.SetLines({"ab cd"});
    engine.LayOutPages(canvas);
    EXPECT_EQ(engine.RowChars(), 2009);
    EXPECT_EQ(engine.PageCount(), 1);
}

// A highlighter whose state runs over lines: characters inside { } are bold.
class TBraceHighlighter final : public tips::highlight::TCodeCustomHighlighter {
public:
    TBraceHighlighter() : inside_("Inside") {
        inside_.SetStyle(tips::platform::fsBold);
    }
    tips::highlight::TCodeHighlighterAttributes* StandardAttribute(tips::highlight::StandardAttributeKind) const override {
        return nullptr;
    }
    void BeginLine(std::string_view text, int) override {
        text_ = text;
        pos_ = 0;
        Scan();
    }
    bool AtLineEnd() const override { return pos_ >= text_.size(); }
    void NextToken() override {
        ++pos_;
        Scan();
    }
    std::string TokenText() const override { return std::string(text_.substr(pos_, 1)); }
    int TokenStart() const override { return static_cast<int>(pos_); }
    int TokenKindCode() const override { return tokenInside_ ? 1 : 0; }
    tips::highlight::TCodeHighlighterAttributes* TokenAttributes() const override {
        return tokenInside_ ? const_cast<tips::highlight::TCodeHighlighterAttributes*>(&inside_) : nullptr;
    }
    tips::highlight::TCodeRange CurrentRange() const override { return open_ ? 1 : 0; }
    void RestoreRange(tips::highlight::TCodeRange range) override { open_ = range == 1; }
    void ClearRange() override { open_ = false; }

private:
    void Scan() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == '{') open_ = true;
        tokenInside_ = open_;
        if (text_[pos_] == '}') open_ = false;
    }
    tips::highlight::TCodeHighlighterAttributes inside_;
    std::string_view text_;
    std::size_t pos_ = 0;
    bool open_ = false;
    bool tokenInside_ = false;
};

TEST_F(CodeEditPrintTest, RangesCarryStateOverLinesAndFollowTextChangedInTheList) {
    TBraceHighlighter braces;
    engine.SetHighlighter(&braces);
    engine.Lines().SetText("a{b\r\nc}d\r\ne");
    auto texts = Page(1);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_TRUE(texts[0].Font.Style.Empty());                             // a
    EXPECT_TRUE(texts[3].Font.Style.Contains(tips::platform::fsBold));  // c, inside since line 1
    EXPECT_TRUE(texts[5].Font.Style.Empty());                             // d
    // New text through the list: its ranges are computed anew at the next layout.
    engine.Lines().SetText("a\r\nc}d\r\ne");
    texts = Page(1);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_TRUE(texts[1].Font.Style.Empty());  // c
    engine.SetHighlighter(nullptr);
}

TEST_F(CodeEditPrintTest, ADestroyedHighlighterIsDropped) {
    {
        TBraceHighlighter braces;
        engine.SetHighlighter(&braces);
    }
    EXPECT_EQ(engine.Highlighter(), nullptr);
    engine.SetLines({"Dim x"});
    EXPECT_EQ(Page(1).size(), 1u);  // plain text
}

TEST(CodeEditPrintFreeNotification, TellsEachRegisteredUserOnce) {
    int a = 0;
    int b = 0;
    {
        TCodeEditPrint engine;
        engine.AddFreeNotification(&a, [&a] { ++a; });
        engine.AddFreeNotification(&b, [&b] { ++b; });
        engine.AddFreeNotification(&a, [&a] { ++a; });  // replaces the first
        engine.RemoveFreeNotification(&b);
    }
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
}

TEST_F(CodeEditPrintTest, CountPagesLaysOutOnTheScreenOnlyWhenStale) {
    tips::platform::TRecordingScreenCanvasPort screen(tips::testing::CellRule(kCell, kRow));
    tips::platform::SetScreenCanvasPort(&screen);
    engine.SetLines(Repeat("x", 73));
    EXPECT_EQ(engine.CountPages(), 2);
    EXPECT_EQ(engine.CountPages(), 2);
    EXPECT_EQ(screen.OpenedCount(), 1);
    engine.Lines().Add("y");
    EXPECT_EQ(engine.CountPages(), 2);
    EXPECT_EQ(screen.OpenedCount(), 2);
    engine.SetFont(CodeEditPrint1Font());
    EXPECT_EQ(engine.CountPages(), 2);
    EXPECT_EQ(screen.OpenedCount(), 3);
    EXPECT_EQ(screen.OpenNow(), 0);
    tips::platform::SetScreenCanvasPort(nullptr);
}

TEST_F(CodeEditPrintTest, CopiesPrintThePageRangeAgainWithASheetBetweenEachPage) {
    port.Select(tips::testing::LetterPrinter());
    engine.SetCopies(2);
    engine.SetTitle("Abrir");
    engine.OnPrintStatus = [this](TCodeEditPrint&, TCodePrintStatus status, int page, bool&) {
        port.log.push_back("status " + std::to_string(static_cast<int>(status)) + " " + std::to_string(page));
    };
    // Letter: 2400 x 3150 printable at 75; text from 220 to 2930 is 67 rows of 40.
    engine.SetLines(Repeat("x", 67 * 2 + 1));
    engine.PrintDocument();
    EXPECT_EQ(engine.PageCount(), 3);
    EXPECT_EQ(port.log, (std::vector<std::string>{"begin Abrir", "status 0 1", "status 1 1", "new page", "status 1 2",
                                                  "new page", "status 1 3", "new page", "status 1 1", "new page",
                                                  "status 1 2", "new page", "status 1 3", "status 2 3", "end"}));
    // The printer's canvas got the pages, at the printer's resolution.
    EXPECT_EQ(port.canvas->CallsOf<TFillCall>().size(), 6u);
    EXPECT_EQ(port.canvas->CallsOf<TTextCall>().size(), (67u * 2 + 1) * 2);
}

TEST_F(CodeEditPrintTest, APageRangeAndTheJobName) {
    port.Select(tips::testing::LetterPrinter());
    engine.SetTitle("Abrir");
    engine.SetDocTitle("Job");
    engine.SetLines(Repeat("x", 67 * 3));
    engine.OnPrintStatus = [this](TCodeEditPrint&, TCodePrintStatus status, int page, bool&) {
        port.log.push_back("status " + std::to_string(static_cast<int>(status)) + " " + std::to_string(page));
    };
    engine.PrintPageRange(2, 3);
    EXPECT_EQ(port.log, (std::vector<std::string>{"begin Job", "status 0 2", "status 1 2", "new page", "status 1 3",
                                                  "status 2 3", "end"}));
}

TEST_F(CodeEditPrintTest, AbortingFromTheStatusEventDropsTheJob) {
    port.Select(tips::testing::LetterPrinter());
    engine.SetLines(Repeat("x", 67 * 3));
    engine.OnPrintStatus = [this](TCodeEditPrint&, TCodePrintStatus status, int page, bool& abort) {
        port.log.push_back("status " + std::to_string(static_cast<int>(status)) + " " + std::to_string(page));
        abort = status == TCodePrintStatus::psNewPage && page == 2;
    };
    engine.PrintDocument();
    EXPECT_EQ(port.log, (std::vector<std::string>{"begin ", "status 0 1", "status 1 1", "new page", "status 1 2", "abort"}));
}

TEST_F(CodeEditPrintTest, PrintingWithoutAPrinterFailsAndLeavesThePreviewWorking) {
    engine.SetLines({"Dim x"});
    try {
        engine.PrintDocument();
        FAIL() << "printed without a printer";
    } catch (const tips::platform::EPrinterError& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
    EXPECT_EQ(Page(1).size(), 3u);
    EXPECT_EQ(engine.Font().PixelsPerInch(), 300);
}

}  // namespace
