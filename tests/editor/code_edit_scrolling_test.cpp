// Scroll bars and what the editor tells the window about them, scroll messages, the scroll hint
// shown while the vertical thumb is dragged, and bringing the caret into view in the middle.

#include <functional>
#include <string>

#include "editor_fixture.hpp"

namespace tips::editor::testing {
namespace {

using platform::TScrollArrows;
using platform::TScrollBarKind;
using platform::TViewScrollInfo;

std::string Repeat(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

// --- scroll information ---

struct BarCase {
    const char* name;
    int lineCount;  // lines of `line`
    const char* line;
    TCodeEditorOptions options;
    int maxLeftChar;
    TScrollBarKind bar;
    TViewScrollInfo expected;
};

class ScrollInfoTest : public EditorFixture, public ::testing::WithParamInterface<BarCase> {};

TEST_P(ScrollInfoTest, RangePageAndPositionSetTogether) {
    const BarCase& c = GetParam();
    editor_.SetOptions(c.options);
    editor_.SetMaxLeftChar(c.maxLeftChar);
    Load(Repeat(c.line, c.lineCount));
    editor_.RefreshScrollBars();
    const TViewScrollInfo* info = view_.ScrollInfo(c.bar);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(*info, c.expected);
}

const TCodeEditorOptions kHideShow = kDefaultCodeEditorOptions.With(eoHideShowScrollbars);
const TCodeEditorOptions kHideShowNoPastEol = kHideShow.Without(eoScrollPastEol);
const TCodeEditorOptions kNoPastEol = kDefaultCodeEditorOptions.Without(eoScrollPastEol);

// A bar whose range collapses to one value gets one more, so that a hidden bar can also show
// "nothing to scroll"; otherwise the range is what the text needs.
INSTANTIATE_TEST_SUITE_P(
    Bars, ScrollInfoTest,
    ::testing::Values(
        BarCase{"VerticalOneLineHidden", 1, "x", kHideShow, 1024, TScrollBarKind::Vertical, {1, 2, 25, 1, true}},
        BarCase{"VerticalEmptyHidden", 0, "", kHideShow, 1024, TScrollBarKind::Vertical, {1, 2, 25, 1, true}},
        BarCase{"VerticalOneLineDisabled", 1, "x", kDefaultCodeEditorOptions, 1024, TScrollBarKind::Vertical,
                {1, 1, 25, 1, false}},
        BarCase{"VerticalLongHidden", 100, "x", kHideShow, 1024, TScrollBarKind::Vertical, {1, 100, 25, 1, true}},
        BarCase{"VerticalPastEofAddsAPage", 1, "x", kHideShow.With(eoScrollPastEof), 1024,
                TScrollBarKind::Vertical, {1, 25, 25, 1, true}},
        BarCase{"HorizontalLongestLine", 3, "abc", kHideShowNoPastEol, 1024, TScrollBarKind::Horizontal,
                {1, 3, 80, 1, true}},
        BarCase{"HorizontalOneCharHidden", 3, "a", kHideShowNoPastEol, 1024, TScrollBarKind::Horizontal,
                {1, 2, 80, 1, true}},
        BarCase{"HorizontalEmptyLinesHidden", 2, "", kHideShowNoPastEol, 1024, TScrollBarKind::Horizontal,
                {1, 2, 80, 1, true}},
        BarCase{"HorizontalEmptyLinesDisabled", 2, "", kNoPastEol, 1024, TScrollBarKind::Horizontal,
                {1, 1, 80, 1, false}},
        BarCase{"HorizontalTabsCountExpanded", 1, "\t\tx", kNoPastEol, 1024, TScrollBarKind::Horizontal,
                {1, 17, 80, 1, false}},
        BarCase{"HorizontalPastEolRunsToMaxLeftChar", 1, "abc", kHideShow, 1024, TScrollBarKind::Horizontal,
                {1, 1024, 80, 1, true}},
        BarCase{"HorizontalMaxLeftCharOneHidden", 1, "", kHideShow, 1, TScrollBarKind::Horizontal,
                {1, 2, 80, 1, true}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Around the 32767 limit of a scroll bar: the count that decides includes the extra page of eoScrollPastEof.
struct LimitCase {
    int lineCount;
    bool pastEof;
    TViewScrollInfo expected;
};

class ScrollLimitTest : public EditorFixture, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ScrollLimitTest, BarIsScaledOnlyPast32767) {
    const LimitCase& c = GetParam();
    if (c.pastEof) editor_.SetOptions(editor_.Options().With(eoScrollPastEof));
    Load(Repeat("x", c.lineCount));
    EXPECT_EQ(*view_.ScrollInfo(TScrollBarKind::Vertical), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Limits, ScrollLimitTest,
                         ::testing::Values(LimitCase{32767, false, {1, 32767, 25, 1, false}},
                                           LimitCase{32768, false, {0, 32767, 25, 1, false}},  // 32767*25/32768 = 24.999
                                           LimitCase{32743, true, {1, 32767, 25, 1, false}},
                                           LimitCase{32744, true, {0, 32767, 25, 1, false}}));

// --- arrows ---

struct ArrowCase {
    const char* name;
    int lineLength;
    bool disableArrows;
    int firstColumn;
    TScrollArrows expected;
};

class HorizontalArrowsTest : public EditorFixture, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(HorizontalArrowsTest, FollowTheViewAndTheOption) {
    const ArrowCase& c = GetParam();
    TCodeEditorOptions options = kNoPastEol;
    if (c.disableArrows) options = options.With(eoDisableScrollArrows);
    editor_.SetOptions(options);
    Load(std::string(static_cast<std::size_t>(c.lineLength), 'x') + "\r\n");
    editor_.SetFirstVisibleColumn(c.firstColumn);
    ASSERT_EQ(editor_.FirstVisibleColumn(), c.firstColumn);
    EXPECT_EQ(view_.Arrows(TScrollBarKind::Horizontal), c.expected);
}

// 80 visible columns.
INSTANTIATE_TEST_SUITE_P(
    Arrows, HorizontalArrowsTest,
    ::testing::Values(ArrowCase{"WiderThanTheWindow", 100, false, 1, TScrollArrows::EnableBoth},
                      ArrowCase{"WiderScrolledToTheEnd", 100, false, 21, TScrollArrows::EnableBoth},
                      ArrowCase{"FitsTheWindow", 50, false, 1, TScrollArrows::DisableBoth},
                      ArrowCase{"DisabledAtTheLeftEnd", 100, true, 1, TScrollArrows::DisableFirst},
                      ArrowCase{"DisabledInTheMiddle", 100, true, 10, TScrollArrows::EnableBoth},
                      ArrowCase{"DisabledAtTheRightEnd", 100, true, 21, TScrollArrows::DisableLast},
                      ArrowCase{"DisabledFits", 80, true, 1, TScrollArrows::DisableBoth}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// --- scroll messages ---

struct ScrollCase {
    const char* name;
    TScrollBarKind bar;
    int request;
    TCodeEditorOptions options;
    int start;
    int thumb;
    int expected;
};

// 100 lines, the first of them 200 characters long; 80 x 25 cells visible.
class ScrollMessageTest : public EditorFixture, public ::testing::WithParamInterface<ScrollCase> {
protected:
    void SetUp() override {
        Load(std::string(200, 'x') + "\r\n" + Repeat("y", 99));
        editor_.SetCaretPoint({2, 5});
    }
    int First(TScrollBarKind bar) const {
        return bar == TScrollBarKind::Vertical ? editor_.FirstVisibleLine() : editor_.FirstVisibleColumn();
    }
};

TEST_P(ScrollMessageTest, MovesTheViewNotTheCaret) {
    const ScrollCase& c = GetParam();
    editor_.SetOptions(c.options);
    if (c.bar == TScrollBarKind::Vertical) {
        editor_.SetFirstVisibleLine(c.start);
    } else {
        editor_.SetFirstVisibleColumn(c.start);
    }
    ASSERT_EQ(First(c.bar), c.start);
    view_.ClearRecords();
    if (c.bar == TScrollBarKind::Vertical) {
        editor_.VerticalScroll(c.request, c.thumb);
        EXPECT_EQ(view_.UpdateCount(), 1);  // repainted at once
    } else {
        editor_.HorizontalScroll(c.request, c.thumb);
    }
    EXPECT_EQ(First(c.bar), c.expected);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2, 5}));
}

using E = TCustomCodeEdit;
constexpr auto kV = TScrollBarKind::Vertical;
constexpr auto kH = TScrollBarKind::Horizontal;
const TCodeEditorOptions kDefault = kDefaultCodeEditorOptions;
const TCodeEditorOptions kOneLess = kDefaultCodeEditorOptions.With(eoScrollByOneLess);

INSTANTIATE_TEST_SUITE_P(
    Messages, ScrollMessageTest,
    ::testing::Values(
        ScrollCase{"LineDown", kV, E::sbLineDown, kDefault, 10, 0, 11},
        ScrollCase{"LineUp", kV, E::sbLineUp, kDefault, 10, 0, 9},
        ScrollCase{"LineUpAtTheTop", kV, E::sbLineUp, kDefault, 1, 0, 1},
        ScrollCase{"PageDown", kV, E::sbPageDown, kDefault, 10, 0, 35},
        ScrollCase{"PageDownOneLess", kV, E::sbPageDown, kOneLess, 10, 0, 34},
        ScrollCase{"PageUp", kV, E::sbPageUp, kDefault, 40, 0, 15},
        ScrollCase{"PageUpOneLess", kV, E::sbPageUp, kOneLess, 40, 0, 16},
        ScrollCase{"PageDownStopsAtTheLastPage", kV, E::sbPageDown, kDefault, 70, 0, 76},
        ScrollCase{"Top", kV, E::sbTop, kDefault, 40, 0, 1},
        ScrollCase{"BottomShowsTheLastPage", kV, E::sbBottom, kDefault, 10, 0, 76},
        ScrollCase{"BottomPastEofShowsTheLastLine", kV, E::sbBottom, kDefault.With(eoScrollPastEof), 10, 0, 100},
        ScrollCase{"ThumbTrack", kV, E::sbThumbTrack, kDefault, 10, 30, 30},
        ScrollCase{"ThumbPosition", kV, E::sbThumbPosition, kDefault, 10, 50, 50},
        ScrollCase{"EndScroll", kV, E::sbEndScroll, kDefault, 10, 50, 10},
        ScrollCase{"ColumnRight", kH, E::sbLineDown, kDefault, 10, 0, 11},
        ScrollCase{"ColumnLeft", kH, E::sbLineUp, kDefault, 10, 0, 9},
        ScrollCase{"PageRight", kH, E::sbPageDown, kDefault, 10, 0, 90},
        ScrollCase{"PageRightOneLess", kH, E::sbPageDown, kOneLess, 10, 0, 89},
        ScrollCase{"PageLeft", kH, E::sbPageUp, kDefault, 100, 0, 20},
        ScrollCase{"PageLeftOneLess", kH, E::sbPageUp, kOneLess, 100, 0, 21},
        ScrollCase{"LeftEnd", kH, E::sbTop, kDefault, 100, 0, 1},
        // The right end asks for MaxLeftChar; the last full window ends there.
        ScrollCase{"RightEnd", kH, E::sbBottom, kDefault, 10, 0, 1024 - 80 + 1},
        ScrollCase{"RightEndWithoutPastEol", kH, E::sbBottom, kNoPastEol, 10, 0, 200 - 80 + 1},
        ScrollCase{"ColumnThumb", kH, E::sbThumbTrack, kDefault, 10, 300, 300}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// --- the scroll hint ---

class ScrollHintTest : public EditorFixture {
protected:
    ScrollHintTest() {
        view_.SetHintSize({90, 20});
        view_.SetVerticalScrollArrowHeight(17);
        Load(Repeat("x", 100));
    }
};

TEST_F(ScrollHintTest, ThumbDragShowsTheNewTopLineAtTheRightUntilTheEndOfScroll) {
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbTrack, 30);
    EXPECT_TRUE(view_.HintState().Shown);
    EXPECT_EQ(view_.HintState().Text, "Top Line: 30");
    EXPECT_EQ(view_.HintMaxWidth(), 200);
    EXPECT_EQ(view_.HintState().X, view_.ClientSize().Width - 90 - 4);
    EXPECT_EQ(view_.HintState().Y, 10);
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbPosition, 90);
    EXPECT_EQ(view_.HintState().Text, "Top Line: 76");  // the line the view stopped at, not the thumb's
    editor_.VerticalScroll(TCustomCodeEdit::sbEndScroll, 0);
    EXPECT_FALSE(view_.HintState().Shown);
}

TEST_F(ScrollHintTest, OtherScrollMessagesShowNoHint) {
    for (const int request : {TCustomCodeEdit::sbLineDown, TCustomCodeEdit::sbPageDown, TCustomCodeEdit::sbBottom}) {
        editor_.VerticalScroll(request, 0);
    }
    editor_.HorizontalScroll(TCustomCodeEdit::sbThumbTrack, 40);
    EXPECT_FALSE(view_.HintState().Shown);
}

TEST_F(ScrollHintTest, NoHintWithoutTheOption) {
    editor_.SetOptions(editor_.Options().Without(eoShowScrollHint).With(eoScrollHintFollows));
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbTrack, 30);
    EXPECT_FALSE(view_.HintState().Shown);
    EXPECT_EQ(editor_.FirstVisibleLine(), 30);
}

TEST_F(ScrollHintTest, NoHintWithoutAWindow) {
    view_.SetWindowExists(false);
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbTrack, 30);
    EXPECT_FALSE(view_.HintState().Shown);
}

struct FollowCase {
    int lineCount;
    bool pastEof;
    int thumb;
    int expectedY;
};

class ScrollHintFollowsTest : public ScrollHintTest, public ::testing::WithParamInterface<FollowCase> {};

// y = arrow + round((client height - 2 arrows) * thumb / bar maximum) + hint height / 2, with a client
// 400 high, arrows 17 high and a hint 20 high.
TEST_P(ScrollHintFollowsTest, HintStandsLevelWithTheThumb) {
    const FollowCase& c = GetParam();
    TCodeEditorOptions options = editor_.Options().With(eoScrollHintFollows);
    if (c.pastEof) options = options.With(eoScrollPastEof);
    editor_.SetOptions(options);
    Load(Repeat("x", c.lineCount));
    editor_.VerticalScroll(TCustomCodeEdit::sbThumbTrack, c.thumb);
    EXPECT_TRUE(view_.HintState().Shown);
    EXPECT_EQ(view_.HintState().Y, c.expectedY);
    EXPECT_EQ(view_.HintState().X, view_.ClientSize().Width - 90 - 4);
}

INSTANTIATE_TEST_SUITE_P(Positions, ScrollHintFollowsTest,
                         ::testing::Values(FollowCase{100, false, 1, 17 + 4 + 10},       // 3.66
                                           FollowCase{100, false, 31, 17 + 113 + 10},    // 113.46
                                           FollowCase{100, false, 100, 17 + 366 + 10},
                                           FollowCase{100, true, 31, 17 + 92 + 10},      // of 124: 91.5 rounds up
                                           FollowCase{40000, false, 8192, 17 + 92 + 10}  // of 32767: 91.5
                                           ));

// --- bringing the caret into view in the middle (bookmark jumps) ---

struct MiddleCase {
    const char* name;
    int firstLine;
    int target;
    int expectedFirst;
};

class JumpToMiddleTest : public EditorFixture, public ::testing::WithParamInterface<MiddleCase> {};

TEST_P(JumpToMiddleTest, BookmarkJumpPutsTheLineInTheMiddleWhenOutOfView) {
    const MiddleCase& c = GetParam();
    Load(Repeat("line", 1000));
    editor_.PlaceBookmark(1, 2, c.target);
    editor_.SetFirstVisibleLine(c.firstLine);
    ASSERT_EQ(editor_.FirstVisibleLine(), c.firstLine);
    editor_.JumpToBookmark(1);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2, c.target}));
    EXPECT_EQ(editor_.FirstVisibleLine(), c.expectedFirst);
    EXPECT_GE(editor_.CaretLine(), editor_.FirstVisibleLine());
    EXPECT_LT(editor_.CaretLine(), editor_.FirstVisibleLine() + editor_.VisibleLines());
}

// 25 visible lines, half a window is 12.
INSTANTIATE_TEST_SUITE_P(
    Jumps, JumpToMiddleTest,
    ::testing::Values(MiddleCase{"FarBelow", 1, 500, 500 - 24 + 12},
                      MiddleCase{"OnTheBottomRow", 100, 124, 124 - 24 + 12},
                      MiddleCase{"FarAbove", 800, 100, 100 - 12 + 1},
                      MiddleCase{"OneLineAbove", 100, 99, 99 - 12 + 1},
                      MiddleCase{"NearTheTop", 500, 5, 1},
                      MiddleCase{"HalfAWindowFromTheTop", 500, 12, 1},
                      MiddleCase{"AlreadyVisible", 100, 110, 100},
                      MiddleCase{"OnTheTopRow", 100, 100, 100},
                      MiddleCase{"NearTheEnd", 1, 995, 1000 - 25 + 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace tips::editor::testing
