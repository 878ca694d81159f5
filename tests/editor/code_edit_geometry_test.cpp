// Coordinates, clamping of the view and the caret, pixel conversion, scroll bars, wheel and caret shape.

#include <functional>
#include <sstream>
#include <string>

#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

using platform::TScrollArrows;
using platform::TScrollBarKind;

class GeometryTest : public EditorFixture {};

struct ColumnCase {
    const char* line;
    int tabWidth;
    int charColumn;
    int displayColumn;
};

class ColumnConversionTest : public EditorFixture, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnConversionTest, CharToDisplayAndBack) {
    const ColumnCase& c = GetParam();
    Load(std::string(c.line) + "\r\n");
    editor_.SetTabWidth(c.tabWidth);
    EXPECT_EQ(editor_.CharToDisplayColumn(1, c.charColumn), c.displayColumn);
    EXPECT_EQ(editor_.DisplayToCharColumn(1, c.displayColumn), c.charColumn);
}

INSTANTIATE_TEST_SUITE_P(Tabs, ColumnConversionTest,
                         ::testing::Values(ColumnCase{"abc", 4, 1, 1}, ColumnCase{"abc", 4, 4, 4},
                                           ColumnCase{"a\tb", 4, 3, 5},  // after the tab: next stop
                                           ColumnCase{"a\tb", 4, 4, 6}, ColumnCase{"\t\tx", 8, 3, 17},
                                           ColumnCase{"ab", 4, 6, 6},  // past the end: one cell each
                                           ColumnCase{"a\tb", 1, 3, 3}));

TEST_F(GeometryTest, DisplayColumnInsideATabMapsToTheTab) {
    Load("a\tb\r\n");
    editor_.SetTabWidth(4);
    EXPECT_EQ(editor_.DisplayToCharColumn(1, 3), 2);
    EXPECT_EQ(editor_.DisplayToCharColumn(1, 4), 2);
    EXPECT_EQ(editor_.DisplayToCharColumn(1, 5), 3);
}

TEST_F(GeometryTest, LinesBeyondTheTextKeepTheirColumn) {
    Load("a\tb\r\n");
    EXPECT_EQ(editor_.CharToDisplayColumn(5, 3), 3);
    EXPECT_EQ(editor_.DisplayToCharColumn(5, 9), 9);
}

TEST_F(GeometryTest, SettersClamp) {
    editor_.SetTabWidth(0);
    EXPECT_EQ(editor_.TabWidth(), 1);
    EXPECT_EQ(editor_.Lines().TabWidth(), 1);
    editor_.SetTabWidth(1000);
    EXPECT_EQ(editor_.TabWidth(), 256);
    editor_.SetMaxLeftChar(100000);
    EXPECT_EQ(editor_.MaxLeftChar(), 32767);
    editor_.SetMaxLeftChar(0);
    EXPECT_EQ(editor_.MaxLeftChar(), 1);
    editor_.SetMaxUndo(10);
    editor_.SetMaxUndo(-5);
    EXPECT_EQ(editor_.MaxUndo(), 10);
}

TEST_F(GeometryTest, MetricsComeFromTheCellAndClient) {
    EXPECT_EQ(editor_.TextColumnWidth(), 8);
    EXPECT_EQ(editor_.TextRowHeight(), 16);
    EXPECT_EQ(editor_.VisibleColumns(), 80);
    EXPECT_EQ(editor_.VisibleLines(), 25);
    EXPECT_EQ(editor_.TextOriginX(), kGutter + 2);
    editor_.SetExtraLineSpacing(4);
    EXPECT_EQ(editor_.TextRowHeight(), 20);
    EXPECT_EQ(editor_.VisibleLines(), 20);
}

TEST_F(GeometryTest, CaretInAnEmptyBufferStaysOnLineOne) {
    editor_.SetCaretPoint({7, 3});
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{7, 1}));
    editor_.SetOptions(editor_.Options().Without(eoScrollPastEol));
    editor_.SetCaretPoint({7, 3});
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1, 1}));
}

TEST_F(GeometryTest, CaretMayStandPastTheEndOnlyWithScrollPastEol) {
    Load("abc\r\n");
    editor_.SetCaretPoint({5000, 1});
    EXPECT_EQ(editor_.CaretColumn(), 1024);
    editor_.SetOptions(editor_.Options().Without(eoScrollPastEol));
    EXPECT_EQ(editor_.CaretColumn(), 4);  // switching the option off clamps the caret
    editor_.SetCaretPoint({10, 1});
    EXPECT_EQ(editor_.CaretColumn(), 4);
}

TEST_F(GeometryTest, FirstVisibleLineStopsAtTheLastFullPage) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    editor_.SetFirstVisibleLine(1000);
    EXPECT_EQ(editor_.FirstVisibleLine(), 100 - 25 + 1);
    editor_.SetFirstVisibleLine(-4);
    EXPECT_EQ(editor_.FirstVisibleLine(), 1);
    editor_.SetOptions(editor_.Options().With(eoScrollPastEof));
    editor_.SetFirstVisibleLine(1000);
    EXPECT_EQ(editor_.FirstVisibleLine(), 100);
}

TEST_F(GeometryTest, AShortTextNeverScrolls) {
    Load("a\r\nb\r\n");
    editor_.SetFirstVisibleLine(2);
    EXPECT_EQ(editor_.FirstVisibleLine(), 1);
}

TEST_F(GeometryTest, SmallScrollsMovePixelsLargeOnesRepaint) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    view_.ClearRecords();
    editor_.SetFirstVisibleLine(4);
    ASSERT_EQ(view_.PixelScrolls().size(), 1u);
    EXPECT_EQ(view_.PixelScrolls()[0], -3 * 16);
    editor_.SetFirstVisibleLine(60);
    EXPECT_EQ(view_.PixelScrolls().size(), 1u);
    EXPECT_FALSE(view_.Invalidated().empty());
}

TEST_F(GeometryTest, VerticalBarIsScaledAbove32767Lines) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "x\r\n";
    Load(text);
    const auto* info = view_.ScrollInfo(TScrollBarKind::Vertical);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Min, 0);
    EXPECT_EQ(info->Max, 32767);
    EXPECT_EQ(info->Page, 20);  // 32767 * 25 / 40000 = 20.48
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbPosition, 16384);
    // (40000 + 25 - 1) * 16384 / 32767 = 20012.6
    EXPECT_EQ(editor_.FirstVisibleLine(), 20013);
    EXPECT_EQ(view_.ScrollInfo(TScrollBarKind::Vertical)->Position, 16394);  // 32767 * 20013 / 40000
}

TEST_F(GeometryTest, VerticalBarIsPlainUpTo32767Lines) {
    std::string text;
    for (int i = 0; i < 30000; ++i) text += "x\r\n";
    Load(text);
    const auto* info = view_.ScrollInfo(TScrollBarKind::Vertical);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Min, 1);
    EXPECT_EQ(info->Max, 30000);
    EXPECT_EQ(info->Page, 25);
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbTrack, 500);
    EXPECT_EQ(editor_.FirstVisibleLine(), 500);
}

TEST_F(GeometryTest, ScrollArrowsFollowTheView) {
    Load("a\r\nb\r\n");
    EXPECT_EQ(view_.Arrows(TScrollBarKind::Vertical), TScrollArrows::DisableBoth);
    editor_.SetOptions(editor_.Options().With(eoDisableScrollArrows));
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    EXPECT_EQ(view_.Arrows(TScrollBarKind::Vertical), TScrollArrows::DisableFirst);
    editor_.SetFirstVisibleLine(76);
    EXPECT_EQ(view_.Arrows(TScrollBarKind::Vertical), TScrollArrows::DisableLast);
}

TEST_F(GeometryTest, HorizontalBarRangeFollowsScrollPastEol) {
    Load("abcdef\r\n");
    EXPECT_EQ(view_.ScrollInfo(TScrollBarKind::Horizontal)->Max, 1024);
    editor_.SetOptions(editor_.Options().Without(eoScrollPastEol));
    editor_.RefreshScrollBars();
    EXPECT_EQ(view_.ScrollInfo(TScrollBarKind::Horizontal)->Max, 6);
}

TEST_F(GeometryTest, PixelToTextRoundsToTheNearestCellBoundary) {
    Load("abcdef\r\na\tb\r\n");
    editor_.SetTabWidth(4);
    const int x0 = kGutter + 2;
    EXPECT_EQ(editor_.PixelToTextPoint(x0 + 3, 0), (TPoint{1, 1}));
    EXPECT_EQ(editor_.PixelToTextPoint(x0 + 4, 0), (TPoint{2, 1}));  // the middle of the first cell
    EXPECT_EQ(editor_.PixelToTextPoint(x0 + 8 * 2, 16), (TPoint{2, 2}));  // a cell of the tab
    EXPECT_EQ(editor_.PixelToTextPoint(x0, 25 * 16 + 40), (TPoint{1, 25}));  // below the window: last row
}

TEST_F(GeometryTest, TextPointToPixelUsesDisplayColumns) {
    Load("a\tb\r\n");
    editor_.SetTabWidth(4);
    EXPECT_EQ(editor_.TextPointToPixel({3, 1}), (TPoint{kGutter + 2 + 4 * 8, 0}));
}

TEST_F(GeometryTest, WheelNotchesAccumulate) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    editor_.SetFirstVisibleLine(50);
    editor_.MouseWheel(-60, false, 3);
    EXPECT_EQ(editor_.FirstVisibleLine(), 50);
    editor_.MouseWheel(-60, false, 3);
    EXPECT_EQ(editor_.FirstVisibleLine(), 53);
    editor_.MouseWheel(120, true, 3);  // Ctrl: a page
    EXPECT_EQ(editor_.FirstVisibleLine(), 28);
    editor_.MouseWheel(-120, false, -1);  // the system's page setting
    EXPECT_EQ(editor_.FirstVisibleLine(), 53);
}

TEST_F(GeometryTest, CaretShapes) {
    Load("abc\r\n");
    EXPECT_EQ(view_.CaretState().Width, 2);
    EXPECT_EQ(view_.CaretState().Height, 14);
    editor_.SetInsertMode(false);
    EXPECT_EQ(view_.CaretState().Width, 8);
    EXPECT_EQ(view_.CaretState().Height, 14);
    editor_.SetOverwriteCaret(TCodeEditCaretType::ctHalfBlock);
    EXPECT_EQ(editor_.CurrentCaretShape().Height, 7);
    EXPECT_EQ(editor_.CurrentCaretShape().OffsetY, 7);
    editor_.SetOverwriteCaret(TCodeEditCaretType::ctHorizontalLine);
    EXPECT_EQ(editor_.CurrentCaretShape().Height, 2);
    EXPECT_EQ(editor_.CurrentCaretShape().OffsetY, 14);
}

TEST_F(GeometryTest, CaretIsPlacedAtItsPixelAndHiddenOutsideTheText) {
    Load("abc\r\n");
    editor_.SetCaretPoint({3, 1});
    EXPECT_EQ(view_.CaretState().X, kGutter + 2 + 2 * 8 - 1);
    EXPECT_EQ(view_.CaretState().Y, 1);
    EXPECT_TRUE(view_.CaretState().Shown);
    editor_.SetFirstVisibleColumn(10);
    editor_.PlaceCaret();
    EXPECT_FALSE(view_.CaretState().Shown);
}

TEST_F(GeometryTest, StatusIsReportedOnceAtTheEndOfADeferral) {
    Load("abc\r\ndef\r\n");
    int reports = 0;
    editor_.OnStatusChange = [&](TCustomCodeEdit&, TCodeStatusChanges changes) {
        ++reports;
        reported_ = changes;
    };
    editor_.BeginDeferral();
    editor_.SetCaretPoint({2, 1});
    editor_.SetCaretPoint({3, 2});
    EXPECT_EQ(reports, 0);
    editor_.EndDeferral();
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(reported_, snCaretColumn | snCaretLine);
}

TEST_F(GeometryTest, ClearingTheTextReportsAllWithTheNextChange) {
    Load("abc\r\n");
    reported_ = 0;
    editor_.Lines().Clear();
    EXPECT_EQ(reported_, 0);
    EXPECT_NE(editor_.PendingStatus() & snAll, 0);
    editor_.SetInsertMode(false);
    EXPECT_EQ(reported_, snAll | snInsertMode);
}

// --- the first visible column's upper bound ---

struct FirstColumnCase {
    const char* name;
    bool pastEol;
    int maxLeftChar;
    const char* line;
    int requested;
    int expected;
};

class FirstColumnClampTest : public EditorFixture, public ::testing::WithParamInterface<FirstColumnCase> {};

// The last full window of 80 columns ends at MaxLeftChar (eoScrollPastEol) or at the longest line.
TEST_P(FirstColumnClampTest, StopsWhereTheLastWindowEnds) {
    const FirstColumnCase& c = GetParam();
    editor_.SetOptions(c.pastEol ? kDefaultCodeEditorOptions : kDefaultCodeEditorOptions.Without(eoScrollPastEol));
    editor_.SetMaxLeftChar(c.maxLeftChar);
    Load(std::string("short\r\n") + c.line + "\r\n");
    editor_.SetFirstVisibleColumn(c.requested);
    EXPECT_EQ(editor_.FirstVisibleColumn(), c.expected);
    EXPECT_EQ(editor_.TextOriginX(), kGutter + 2 - (c.expected - 1) * 8);
}

const std::string kLine200(200, 'x');
const std::string kTabbedLine = "\t\t" + std::string(100, 'x');  // 116 columns wide

INSTANTIATE_TEST_SUITE_P(
    Bounds, FirstColumnClampTest,
    ::testing::Values(FirstColumnCase{"MaxLeftChar", true, 1024, "x", 2000, 1024 - 80 + 1},
                      FirstColumnCase{"MaxLeftCharExactly", true, 1024, "x", 945, 945},
                      FirstColumnCase{"MaxLeftCharNarrowerThanTheWindow", true, 50, "x", 30, 1},
                      FirstColumnCase{"LongestLine", false, 1024, kLine200.c_str(), 500, 200 - 80 + 1},
                      FirstColumnCase{"LongestLineCountsTabCells", false, 1024, kTabbedLine.c_str(), 500, 116 - 80 + 1},
                      FirstColumnCase{"LinesFitTheWindow", false, 1024, "abc", 30, 1},
                      FirstColumnCase{"BelowOne", true, 1024, "x", -3, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// --- what a change of the option set re-applies ---

TEST_F(GeometryTest, SameOptionSetChangesNothing) {
    Load("abc\r\n");
    view_.ClearRecords();
    editor_.SetOptions(editor_.Options());
    EXPECT_TRUE(view_.Invalidated().empty());
    EXPECT_EQ(reported_, 0);
}

TEST_F(GeometryTest, SwitchingScrollPastEolOffClampsTheCaretAndBringsTheViewBack) {
    Load("abc\r\n" + std::string(200, 'x') + "\r\n");
    editor_.SetCaretPoint({600, 1});
    ASSERT_EQ(editor_.FirstVisibleColumn(), 600 - 80 + 1);
    editor_.SetOptions(editor_.Options().Without(eoScrollPastEol));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{4, 1}));
    EXPECT_EQ(editor_.FirstVisibleColumn(), 4);  // made visible: the caret column is the first one shown
}

TEST_F(GeometryTest, SwitchingScrollPastEofOffLeavesTheViewUntilTheNextClamp) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    editor_.SetOptions(editor_.Options().With(eoScrollPastEof));
    editor_.SetFirstVisibleLine(95);
    // The old set is the one re-applied, and it allowed line 95 at the top.
    editor_.SetOptions(editor_.Options().Without(eoScrollPastEof));
    EXPECT_EQ(editor_.FirstVisibleLine(), 95);
    editor_.Resized();
    EXPECT_EQ(editor_.FirstVisibleLine(), 76);
}

TEST_F(GeometryTest, SwitchingScrollPastEofOnDoesNotMoveTheView) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x\r\n";
    Load(text);
    editor_.SetFirstVisibleLine(76);
    editor_.SetOptions(editor_.Options().With(eoScrollPastEof));
    EXPECT_EQ(editor_.FirstVisibleLine(), 76);
    editor_.SetFirstVisibleLine(100);
    EXPECT_EQ(editor_.FirstVisibleLine(), 100);
}

TEST_F(GeometryTest, ShowSpecialCharsRepaintsOtherOptionsDoNot) {
    Load("a b\r\n");
    view_.ClearRecords();
    editor_.SetOptions(editor_.Options().With(eoEnhanceHomeKey).Without(eoAutoIndent));
    EXPECT_TRUE(view_.Invalidated().empty());
    editor_.SetOptions(editor_.Options().With(eoShowSpecialChars));
    EXPECT_FALSE(view_.Invalidated().empty());
    view_.ClearRecords();
    editor_.SetOptions(editor_.Options().Without(eoShowSpecialChars));
    EXPECT_FALSE(view_.Invalidated().empty());
}

TEST_F(GeometryTest, DropFilesOptionTellsTheWindowToTakeDroppedFiles) {
    EXPECT_FALSE(view_.AcceptsDroppedFiles());
    editor_.SetOptions(editor_.Options().With(eoDropFiles));
    EXPECT_TRUE(view_.AcceptsDroppedFiles());
    editor_.SetOptions(editor_.Options().With(eoNoCaret));
    EXPECT_TRUE(view_.AcceptsDroppedFiles());
    editor_.SetOptions(editor_.Options().Without(eoDropFiles));
    EXPECT_FALSE(view_.AcceptsDroppedFiles());
}

TEST(GeometryWindowTest, DropFilesSetBeforeTheWindowIsAppliedWhenItIsAttached) {
    TCustomCodeEdit editor;
    editor.SetOptions(editor.Options().With(eoDropFiles));
    platform::TMemoryViewPort view({400, 300}, {8, 16});
    editor.AttachView(&view, &view);
    EXPECT_TRUE(view.AcceptsDroppedFiles());
}

// --- metrics without a window ---

// A layout on a device that has no window (a printer's metrics): the cell is measured, but nothing
// that needs a window is computed or asked for, whatever runs.
TEST(GeometryWindowTest, MetricsWithoutAWindowMeasureTheCellOnly) {
    TCustomCodeEdit editor;
    platform::TMemoryViewMetrics printer({2000, 3000}, {30, 50});
    editor.AttachView(&printer, nullptr);
    EXPECT_EQ(editor.TextColumnWidth(), 30);
    EXPECT_EQ(editor.TextRowHeight(), 50);
    EXPECT_EQ(editor.VisibleLines(), 0);

    std::istringstream text("one\r\ntwo\r\nthree\r\n");
    editor.Lines().LoadFromStream(text);
    editor.SetCaretPoint({3, 2});
    editor.KeyPress('x');
    editor.SetOptions(editor.Options().With(eoDropFiles));
    editor.VerticalScroll(TCustomCodeEdit::sbThumbTrack, 2);
    editor.FocusReceived();
    editor.FocusLost();
    EXPECT_EQ(editor.Lines().Get(1), "twxo");
    EXPECT_EQ(editor.VisibleLines(), 0);
}

// Window services given without metrics are not used: there is no layout to serve.
TEST(GeometryWindowTest, WindowWithoutMetricsIsIgnored) {
    TCustomCodeEdit editor;
    platform::TMemoryViewPort view({400, 300}, {8, 16});
    editor.SetOptions(editor.Options().With(eoDropFiles));
    editor.AttachView(nullptr, &view);
    EXPECT_FALSE(view.AcceptsDroppedFiles());
    editor.FocusReceived();
    EXPECT_FALSE(view.CaretState().Created);
}

// --- eoAutoSizeMaxLeftChar ---

struct AutoSizeCase {
    const char* name;
    bool option;
    int maxLeftChar;
    std::function<void(TCodeEditStringList&)> change;
    int expected;
};

class AutoSizeMaxLeftCharTest : public EditorFixture, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(AutoSizeMaxLeftCharTest, GrowsToFitAddedAndChangedLines) {
    const AutoSizeCase& c = GetParam();
    Load("abc\r\ndef\r\n");
    if (c.option) editor_.SetOptions(editor_.Options().With(eoAutoSizeMaxLeftChar));
    editor_.SetMaxLeftChar(c.maxLeftChar);
    c.change(editor_.Lines());
    EXPECT_EQ(editor_.MaxLeftChar(), c.expected);
}

std::string Chars(int n) { return std::string(static_cast<std::size_t>(n), 'x'); }

// An added or inserted line needs its length + 1; a replaced line of length + 1 >= MaxLeftChar gets length + 2.
INSTANTIATE_TEST_SUITE_P(
    Changes, AutoSizeMaxLeftCharTest,
    ::testing::Values(
        AutoSizeCase{"AddedLonger", true, 10, [](TCodeEditStringList& l) { l.Add(Chars(30)); }, 31},
        AutoSizeCase{"AddedOneShort", true, 10, [](TCodeEditStringList& l) { l.Add(Chars(9)); }, 10},
        AutoSizeCase{"AddedExactly", true, 10, [](TCodeEditStringList& l) { l.Add(Chars(10)); }, 11},
        AutoSizeCase{"Inserted", true, 10, [](TCodeEditStringList& l) { l.Insert(1, Chars(30)); }, 31},
        AutoSizeCase{"ReplacedReachingTheLimit", true, 10, [](TCodeEditStringList& l) { l.Put(0, Chars(9)); }, 11},
        AutoSizeCase{"ReplacedBelowTheLimit", true, 10, [](TCodeEditStringList& l) { l.Put(0, Chars(8)); }, 10},
        AutoSizeCase{"ReplacedLonger", true, 10, [](TCodeEditStringList& l) { l.Put(0, Chars(30)); }, 32},
        AutoSizeCase{"Loaded", true, 10,
                     [](TCodeEditStringList& l) {
                         std::istringstream stream("a\r\n" + Chars(2000) + "\r\nb\r\n");
                         l.LoadFromStream(stream);
                     },
                     2001},
        AutoSizeCase{"NeverPastTheLimit", true, 10, [](TCodeEditStringList& l) { l.Add(Chars(40000)); }, 32767},
        AutoSizeCase{"DeletedLinesShrinkNothing", true, 500, [](TCodeEditStringList& l) { l.Delete(0); }, 500},
        // Without the option the limit only grows as far as a line needs to be reached.
        AutoSizeCase{"OptionOffAdded", false, 10, [](TCodeEditStringList& l) { l.Add(Chars(30)); }, 31},
        AutoSizeCase{"OptionOffReplaced", false, 10, [](TCodeEditStringList& l) { l.Put(0, Chars(30)); }, 31},
        AutoSizeCase{"OptionOffReplacedReachingTheLimit", false, 10, [](TCodeEditStringList& l) { l.Put(0, Chars(9)); }, 10}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// --- clearing the text ---

TEST_F(GeometryTest, ClearingTheTextPutsViewCaretAndSelectionBackAtTheStart) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += std::string(300, 'x') + "\r\n";
    Load(text);
    editor_.SetCaretPoint({250, 60});
    editor_.SetSelExtent({200, 70});
    editor_.SetFirstVisibleLine(50);
    ASSERT_NE(editor_.FirstVisibleColumn(), 1);
    editor_.Lines().Clear();
    EXPECT_EQ(editor_.FirstVisibleLine(), 1);
    EXPECT_EQ(editor_.FirstVisibleColumn(), 1);
    EXPECT_EQ(editor_.TextOriginX(), kGutter + 2);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1, 1}));
    EXPECT_EQ(editor_.SelAnchor(), (TPoint{1, 1}));
    EXPECT_EQ(editor_.SelExtent(), (TPoint{1, 1}));
    EXPECT_EQ(view_.ScrollInfo(TScrollBarKind::Vertical)->Position, 1);
    EXPECT_EQ(view_.ScrollInfo(TScrollBarKind::Horizontal)->Position, 1);
}

TEST_F(GeometryTest, LoadingAnotherTextShowsItFromTheTop) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += std::string(300, 'x') + "\r\n";
    Load(text);
    editor_.SetCaretPoint({250, 90});
    Load(text);
    EXPECT_EQ(editor_.FirstVisibleLine(), 1);
    EXPECT_EQ(editor_.FirstVisibleColumn(), 1);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1, 1}));
}

// --- the mouse cursor ---

struct CursorCase {
    const char* name;
    int x;  // client pixels
    int y;
    bool dragDrop;
    TCustomCodeEdit::TCursorKind expected;
};

class CursorShapeTest : public EditorFixture, public ::testing::WithParamInterface<CursorCase> {};

// Line 1 "abcdef" with "bcd" selected; line 2 "a", a tab of 3 cells and "b". Cells are 8 pixels wide.
TEST_P(CursorShapeTest, ArrowOnlyOverADraggableSelection) {
    const CursorCase& c = GetParam();
    Load("abcdef\r\na\tb\r\n");
    editor_.SetTabWidth(4);
    editor_.SetOptions(c.dragDrop ? kDefaultCodeEditorOptions : kDefaultCodeEditorOptions.Without(eoDragDropEditing));
    editor_.SetSelAnchor({2, 1});
    editor_.SetSelExtent({5, 1});
    EXPECT_EQ(editor_.CursorAt(c.x, c.y), c.expected);
}

using K = TCustomCodeEdit::TCursorKind;
constexpr int kCell1 = kGutter + 2;

INSTANTIATE_TEST_SUITE_P(
    Points, CursorShapeTest,
    ::testing::Values(CursorCase{"Gutter", 5, 3, true, K::Gutter},
                      CursorCase{"GutterWithoutDragDrop", kGutter - 1, 3, false, K::Gutter},
                      CursorCase{"MarginBeforeTheText", kGutter, 3, true, K::Control},
                      CursorCase{"UnselectedCell", kCell1 + 7, 3, true, K::Control},
                      CursorCase{"FirstSelectedCell", kCell1 + 8, 3, true, K::Arrow},
                      CursorCase{"RightHalfOfTheLastSelectedCell", kCell1 + 3 * 8 + 7, 3, true, K::Arrow},
                      CursorCase{"CellAfterTheSelection", kCell1 + 4 * 8, 3, true, K::Control},
                      CursorCase{"SelectionWithoutDragDrop", kCell1 + 8, 3, false, K::Control},
                      CursorCase{"OtherLine", kCell1 + 8, 16 + 3, true, K::Control}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(GeometryTest, CursorOverATabsCellsIsTheTabsPlace) {
    Load("a\tb\r\n");
    editor_.SetTabWidth(4);
    editor_.SetSelAnchor({2, 1});
    editor_.SetSelExtent({3, 1});  // the tab: cells 2 to 4
    EXPECT_EQ(editor_.CursorAt(kCell1 + 3 * 8 + 2, 0), TCustomCodeEdit::TCursorKind::Arrow);
    EXPECT_EQ(editor_.CursorAt(kCell1 + 4 * 8 + 2, 0), TCustomCodeEdit::TCursorKind::Control);
}

TEST_F(GeometryTest, CursorFollowsTheScrolledView) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += std::string(200, 'x') + "\r\n";
    Load(text);
    editor_.SetSelAnchor({10, 41});
    editor_.SetSelExtent({12, 41});
    editor_.SetFirstVisibleColumn(10);
    editor_.SetFirstVisibleLine(40);
    EXPECT_EQ(editor_.CursorAt(kCell1 + 2, 16 + 2), TCustomCodeEdit::TCursorKind::Arrow);
    EXPECT_EQ(editor_.CursorAt(kCell1 + 2, 2), TCustomCodeEdit::TCursorKind::Control);
    EXPECT_EQ(editor_.CursorAt(kCell1 + 2 * 8 + 2, 16 + 2), TCustomCodeEdit::TCursorKind::Control);
}

}  // namespace
}  // namespace tips::editor::testing
