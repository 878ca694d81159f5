// The editor's mouse on an in-memory window: press, Shift+click, drag selection and auto-scroll,
// double click, the gutter click, Alt+drag column mode, and drag and drop within and between editors.

#include "editor/code_edit_mouse.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "editor_fixture.hpp"
#include "highlight/vb_highlighter.hpp"

namespace tips::editor {
namespace {

using testing::EditorFixture;
using testing::kGutter;

constexpr int kCell = 8;
constexpr int kRow = 16;

// Client pixels of the boundary before logical column x of line y (no tabs, no scrolling): a press
// there puts the caret right there.
int XOf(int column) { return kGutter + 2 + (column - 1) * kCell; }
int YOf(int line) { return (line - 1) * kRow + kRow / 2; }

class RecordingDragHost : public TCodeEditDragHost {
public:
    void StartDrag() override { ++started; }
    int started = 0;
};

class MouseTest : public EditorFixture {
protected:
    MouseTest() { mouse_.SetDragHost(&host_); }

    void Click(int column, int line, TShiftState shift = 0) {
        mouse_.MouseDown(TMouseButton::mbLeft, shift, XOf(column), YOf(line));
        mouse_.MouseUp(TMouseButton::mbLeft, shift, XOf(column), YOf(line));
    }
    void Press(int column, int line, TShiftState shift = 0) {
        mouse_.MouseDown(TMouseButton::mbLeft, shift, XOf(column), YOf(line));
    }
    void MoveTo(int x, int y, TShiftState shift = 0) { mouse_.MouseMove(shift, true, x, y); }
    void ReleaseAt(int column, int line, TShiftState shift = 0) {
        mouse_.MouseUp(TMouseButton::mbLeft, shift, XOf(column), YOf(line));
    }
    // The selection as (anchor, extent).
    std::pair<TPoint, TPoint> Selection() const { return {editor_.SelAnchor(), editor_.SelExtent()}; }

    RecordingDragHost host_;
    TCodeEditMouse mouse_{editor_, view_};
};

// ---- Press, Shift+click, release --------------------------------------------------------------------

TEST_F(MouseTest, APressPutsTheCaretAtTheNearestBoundaryAndDropsTheSelection) {
    Load("Dim abc As Long\r\nx = 1\r\n");
    editor_.ApplyCaretAndSelection({6, 2}, {1, 2}, {6, 2});
    // The right half of a cell puts the caret after its character.
    mouse_.MouseDown(TMouseButton::mbLeft, 0, XOf(5) + kCell / 2, YOf(1));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{6, 1}));
    EXPECT_FALSE(editor_.HasSelection());
    EXPECT_TRUE(view_.HasCapture());
    mouse_.MouseUp(TMouseButton::mbLeft, 0, XOf(5) + kCell / 2, YOf(1));
    EXPECT_FALSE(view_.HasCapture());
    mouse_.MouseDown(TMouseButton::mbLeft, 0, XOf(3) + kCell / 2 - 1, YOf(2));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{3, 2}));
}

TEST_F(MouseTest, APressEndsTheUndoGroupOfTheTyping) {
    Load("");
    Type("ab");
    Click(3, 1);
    Type("c");
    Run(ecUndo);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab"}));
}

TEST_F(MouseTest, ShiftClickSelectsFromTheAnchorBeforeThePress) {
    Load("first line\r\nsecond line\r\nthird line\r\n");
    Click(3, 1);
    Click(5, 2, ssShift);
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{3, 1}, {5, 2}}));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{5, 2}));
    // A second Shift+click moves the same selection's end, from the same anchor.
    Click(2, 3, ssShift);
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{3, 1}, {2, 3}}));
    EXPECT_EQ(editor_.SelText(), "rst line\r\nsecond line\r\nt");
}

TEST_F(MouseTest, RightAndMiddleButtonsLeaveTheCaretUnlessTheOptionSaysSo) {
    Load("abcdef\r\n");
    Click(2, 1);
    mouse_.MouseDown(TMouseButton::mbRight, 0, XOf(5), YOf(1));
    mouse_.MouseUp(TMouseButton::mbRight, 0, XOf(5), YOf(1));
    mouse_.MouseDown(TMouseButton::mbMiddle, 0, XOf(6), YOf(1));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2, 1}));
    editor_.SetOptions(editor_.Options().With(eoRightMouseMovesCursor));
    // Inside the selection a right click keeps it; outside it drops it and moves the caret.
    editor_.ApplyCaretAndSelection({4, 1}, {2, 1}, {4, 1});
    mouse_.MouseDown(TMouseButton::mbRight, 0, XOf(3), YOf(1));
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{2, 1}, {4, 1}}));
    mouse_.MouseDown(TMouseButton::mbRight, 0, XOf(6), YOf(1));
    EXPECT_FALSE(editor_.HasSelection());
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{6, 1}));
}

// ---- Drag selection and auto-scroll -----------------------------------------------------------

TEST_F(MouseTest, DraggingWithTheButtonHeldSelectsFromThePress) {
    Load("first line\r\nsecond line\r\n");
    Press(3, 1);
    MoveTo(XOf(5), YOf(2));
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{3, 1}, {5, 2}}));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{5, 2}));
    ReleaseAt(5, 2);
    // Without the capture (after the release) or without the button, moves select nothing.
    MoveTo(XOf(1), YOf(1));
    mouse_.MouseMove(0, false, XOf(1), YOf(1));
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{3, 1}, {5, 2}}));
}

TEST_F(MouseTest, BesideTheTextTheSelectionKeepsTheCaretsColumnOrLine) {
    Load(std::string(200, 'x') + "\r\nsecond\r\nthird\r\n");
    Press(3, 2);
    MoveTo(kGutter + 2 + 80 * kCell + 20, YOf(3));  // right of the text area, on line 3
    EXPECT_EQ(editor_.SelExtent(), (TPoint{3, 3}));
    MoveTo(XOf(5), -5);  // above it, in column 5
    EXPECT_EQ(editor_.SelExtent(), (TPoint{5, 3}));
}

struct SpeedCase {
    int x;
    int y;
    int horizontal;
    int vertical;
};

class AutoScrollSpeedTest : public MouseTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(AutoScrollSpeedTest, OneStepMoreForEveryCellBeyondTheTextArea) {
    Load(std::string(300, 'x') + "\r\n" + std::string(100, '\n'));
    editor_.SetFirstVisibleLine(20);
    editor_.SetFirstVisibleColumn(20);
    Press(5, 5);
    MoveTo(GetParam().x, GetParam().y);
    EXPECT_EQ(mouse_.HorizontalSpeed(), GetParam().horizontal);
    EXPECT_EQ(mouse_.VerticalSpeed(), GetParam().vertical);
    const bool scrolling = GetParam().horizontal != 0 || GetParam().vertical != 0;
    EXPECT_EQ(view_.TimerRunning(TCustomCodeEdit::kAutoScrollTimer), scrolling);
    if (scrolling) {
        EXPECT_EQ(view_.TimerInterval(TCustomCodeEdit::kAutoScrollTimer), 100);
    }
}

// The text area: x from the gutter's 30 to 30 + 80 * 8 = 670, y from 0 to 25 * 16 = 400.
INSTANTIATE_TEST_SUITE_P(Edges, AutoScrollSpeedTest,
                         ::testing::Values(SpeedCase{100, 200, 0, 0}, SpeedCase{100, 400, 0, 0},
                                           SpeedCase{100, 401, 0, 1}, SpeedCase{100, 416, 0, 2},
                                           SpeedCase{100, -1, 0, -1}, SpeedCase{100, -16, 0, -2},
                                           SpeedCase{670, 200, 0, 0}, SpeedCase{671, 200, 1, 0},
                                           SpeedCase{29, 200, -1, 0}, SpeedCase{671, 401, 1, 1}));

TEST_F(MouseTest, TheTimerScrollsAndTheSelectionFollowsToTheEdgeOfTheView) {
    Load(std::string(200, '\n'));
    editor_.Lines().Put(0, "top line");
    Press(2, 1);
    MoveTo(XOf(4), 25 * kRow + 2 * kRow);  // two rows below the view: speed 3
    ASSERT_EQ(mouse_.VerticalSpeed(), 3);
    mouse_.AutoScrollTimer(0);
    EXPECT_EQ(editor_.FirstVisibleLine(), 4);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{4, 4 + 25 - 1}));
    EXPECT_EQ(editor_.SelAnchor(), (TPoint{2, 1}));
    EXPECT_EQ(editor_.SelExtent(), (TPoint{1, 28}));  // a stream ends at most at its line's end
    // Shift scrolls a window's height per step.
    mouse_.AutoScrollTimer(ssShift);
    EXPECT_EQ(editor_.FirstVisibleLine(), 4 + 3 * 25);
    ReleaseAt(4, 1);
    EXPECT_FALSE(view_.TimerRunning(TCustomCodeEdit::kAutoScrollTimer));
    const int top = editor_.FirstVisibleLine();
    mouse_.AutoScrollTimer(0);  // a tick already queued changes nothing
    EXPECT_EQ(editor_.FirstVisibleLine(), top);
}

TEST_F(MouseTest, TheTimerScrollsSidewaysWithTheCaretAtTheViewsEdge) {
    Load(std::string(300, 'x') + "\r\n");
    Press(10, 1);
    MoveTo(kGutter + 80 * kCell + 1, YOf(1));  // just right of the text area: speed 1
    ASSERT_EQ(mouse_.HorizontalSpeed(), 1);
    mouse_.AutoScrollTimer(0);
    EXPECT_EQ(editor_.FirstVisibleColumn(), 2);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{2 + 80, 1}));
    EXPECT_EQ(editor_.SelExtent(), editor_.CaretPoint());
    MoveTo(kGutter - 1, YOf(1));  // over the gutter: back to the left
    mouse_.AutoScrollTimer(0);
    EXPECT_EQ(editor_.FirstVisibleColumn(), 1);
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{1, 1}));
}

// ---- Double click -------------------------------------------------------------------------------

struct WordCase {
    const char* line;
    int column;  // of the first click
    bool highlighter;
    TPoint anchor;
    TPoint extent;
};

class DoubleClickTest : public MouseTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(DoubleClickTest, SelectsTheWordAtTheCaret) {
    highlight::TVBHighlighter vb;
    if (GetParam().highlighter) editor_.SetHighlighter(&vb);
    Load(std::string(GetParam().line) + "\r\nnext\r\n");
    int clicks = 0;
    mouse_.OnDblClick = [&](TCustomCodeEdit&) { ++clicks; };
    Click(GetParam().column, 1);
    mouse_.DoubleClick(XOf(GetParam().column), YOf(1));
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{GetParam().anchor, GetParam().extent}));
    EXPECT_EQ(editor_.CaretPoint(), GetParam().extent);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(mouse_.DoubleClicked());
    ReleaseAt(GetParam().column, 1);
    EXPECT_FALSE(mouse_.DoubleClicked());
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{GetParam().anchor, GetParam().extent}));
    editor_.SetHighlighter(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Words, DoubleClickTest,
    ::testing::Values(WordCase{"Dim abc As Long", 6, false, {5, 1}, {8, 1}},
                      WordCase{"Dim abc As Long", 1, false, {1, 1}, {4, 1}},      // the first word from column 1
                      WordCase{"Dim abc As Long", 15, false, {12, 1}, {16, 1}},   // the last word to the end
                      WordCase{"Dim abc", 12, false, {8, 1}, {8, 1}},             // past the end: the caret only
                      WordCase{"x = a_b + 1", 5, false, {5, 1}, {6, 1}},          // '_' is no letter
                      WordCase{"x = a_b + 1", 5, true, {5, 1}, {8, 1}},           // but is in a VB name
                      WordCase{"a, b", 3, false, {3, 1}, {3, 1}},                 // a blank after no word: nothing
                      WordCase{"a, b", 2, false, {1, 1}, {2, 1}}));               // a separator: the word before it

TEST_F(MouseTest, ADoubleClickInTheGutterOrWithoutSelectionSelectsNothing) {
    Load("Dim abc\r\n");
    int clicks = 0;
    mouse_.OnDblClick = [&](TCustomCodeEdit&) { ++clicks; };
    Click(6, 1);
    mouse_.DoubleClick(kGutter + 1, YOf(1));
    EXPECT_FALSE(editor_.HasSelection());
    editor_.SetOptions(editor_.Options().With(eoNoSelection));
    mouse_.DoubleClick(XOf(6), YOf(1));
    EXPECT_FALSE(editor_.HasSelection());
    EXPECT_EQ(clicks, 2);
}

// ---- Gutter click -------------------------------------------------------------------------------

TEST_F(MouseTest, AClickInTheGutterReportsTheLineAndTheMarkUnderThePointer) {
    Load("one\r\ntwo\r\nthree\r\n");
    editor_.PlaceBookmark(1, 1, 2);
    struct Report {
        int line;
        const TCodeEditMark* mark;
    };
    std::vector<Report> reports;
    mouse_.OnGutterClick = [&](TCustomCodeEdit&, int, int, int line, const TCodeEditMark* mark) {
        reports.push_back({line, mark});
    };
    mouse_.MouseDown(TMouseButton::mbLeft, 0, 3, YOf(2));
    mouse_.MouseUp(TMouseButton::mbLeft, 0, 3, YOf(2));
    mouse_.MouseDown(TMouseButton::mbLeft, 0, 20, YOf(2));  // beyond the first glyph (12 pixels)
    mouse_.MouseUp(TMouseButton::mbLeft, 0, 20, YOf(2));
    mouse_.MouseDown(TMouseButton::mbLeft, 0, 3, YOf(3));
    mouse_.MouseUp(TMouseButton::mbLeft, 0, XOf(2), YOf(3));  // released over the text: no click
    mouse_.MouseDown(TMouseButton::mbLeft, 0, 3, YOf(20));     // below the text: no line
    mouse_.MouseUp(TMouseButton::mbLeft, 0, 3, YOf(20));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].line, 2);
    EXPECT_EQ(reports[0].mark, editor_.Bookmark(1));
    EXPECT_EQ(reports[1].line, 2);
    EXPECT_EQ(reports[1].mark, nullptr);
    EXPECT_FALSE(mouse_.PossibleGutterClick());
}

// ---- Alt+drag column mode -----------------------------------------------------------------------

TEST_F(MouseTest, WithTheOptionAltDragSelectsAColumnAndAPlainPressGoesBackToStreams) {
    Load("abcdef\r\nab\r\nabcdef\r\n");
    Press(2, 1, ssAlt);
    MoveTo(XOf(5), YOf(3), ssAlt);
    ReleaseAt(5, 3, ssAlt);
    EXPECT_EQ(editor_.SelectionMode(), smNormal);  // the option is off by default
    editor_.SetOptions(editor_.Options().With(eoAltSetsColumnMode));
    Click(1, 1);
    Press(2, 1, ssAlt);
    MoveTo(XOf(5), YOf(3), ssAlt);
    ReleaseAt(5, 3, ssAlt);
    EXPECT_EQ(editor_.SelectionMode(), smColumn);
    EXPECT_EQ(editor_.SelText(), "bcd\r\nb\r\nbcd");
    Click(1, 1);
    EXPECT_EQ(editor_.SelectionMode(), smNormal);
    // Line mode is the user's choice and stays.
    editor_.SetSelectionMode(smLine);
    Click(1, 2, ssAlt);
    EXPECT_EQ(editor_.SelectionMode(), smLine);
}

// ---- Drag and drop within one editor ------------------------------------------------------------

TEST_F(MouseTest, APressInsideTheSelectionWaitsForADragAndIsAClickWhenReleased) {
    Load("Dim abc As Long\r\n");
    editor_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    Press(6, 1);
    EXPECT_TRUE(mouse_.WaitingForDrag());
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{5, 1}, {8, 1}}));
    ReleaseAt(7, 1);
    EXPECT_FALSE(mouse_.WaitingForDrag());
    EXPECT_FALSE(editor_.HasSelection());
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{7, 1}));
    EXPECT_EQ(host_.started, 0);
}

TEST_F(MouseTest, TheDragStartsOnceThePointerLeavesTheDragRectangle) {
    Load("Dim abc As Long\r\n");
    mouse_.SetDragThreshold(4, 4);
    editor_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    Press(6, 1);
    MoveTo(XOf(6) + 3, YOf(1) + 3);
    EXPECT_EQ(host_.started, 0);
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{5, 1}, {8, 1}}));  // no selecting meanwhile
    MoveTo(XOf(6) + 4, YOf(1));
    EXPECT_EQ(host_.started, 1);
    EXPECT_TRUE(mouse_.Dragging());
    MoveTo(XOf(12), YOf(1));  // the window now drags: the selection stays
    EXPECT_EQ(host_.started, 1);
    EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{5, 1}, {8, 1}}));
    // No drag from outside the selection, in column mode, or without the option.
    for (const auto setup : {0, 1, 2}) {
        mouse_.DragEnded();
        editor_.SetSelectionMode(setup == 1 ? smColumn : smNormal);
        editor_.SetOptions(setup == 2 ? editor_.Options().Without(eoDragDropEditing)
                                      : editor_.Options().With(eoDragDropEditing));
        editor_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
        Press(setup == 0 ? 2 : 6, 1);
        EXPECT_FALSE(mouse_.WaitingForDrag()) << setup;
    }
}

struct DropCase {
    const char* text;
    TPoint anchor;  // of the dragged selection
    TPoint extent;
    TPoint drop;
    TShiftState shift;
    const char* after;
    TPoint caret;        // at the drop point
    TPoint selectedEnd;  // the dropped text's other end
};

class DropWithinTest : public MouseTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropWithinTest, MovesOrCopiesTheBlockAndSelectsItWhereItLanded) {
    Load(GetParam().text);
    editor_.ApplyCaretAndSelection(GetParam().extent, GetParam().anchor, GetParam().extent);
    const TPoint drop = GetParam().drop;
    ASSERT_TRUE(mouse_.DragOver(editor_, XOf(drop.X), YOf(drop.Y)));
    mouse_.DragDrop(editor_, XOf(drop.X), YOf(drop.Y), GetParam().shift);
    std::string joined;
    for (const auto& line : Lines()) joined += line + "|";
    EXPECT_EQ(joined, GetParam().after);
    EXPECT_EQ(editor_.CaretPoint(), GetParam().caret);
    EXPECT_EQ(editor_.SelExtent(), GetParam().caret);
    EXPECT_EQ(editor_.SelAnchor(), GetParam().selectedEnd);
    // One undo puts the text back as it was.
    Run(ecUndo);
    joined.clear();
    for (const auto& line : Lines()) joined += line + "|";
    std::string before = GetParam().text;
    for (std::size_t at; (at = before.find("\r\n")) != std::string::npos;) before.replace(at, 2, "|");
    EXPECT_EQ(joined, before);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, DropWithinTest,
    ::testing::Values(
        // "abc" of line 1 moved after "Long" on the same line.
        DropCase{"Dim abc As Long\r\n", {5, 1}, {8, 1}, {16, 1}, 0, "Dim  As Longabc|", {13, 1}, {16, 1}},
        // Moved before the selection.
        // (the line left behind loses its trailing blank, as every joined line does)
        DropCase{"Dim abc As Long\r\n", {12, 1}, {16, 1}, {1, 1}, 0, "LongDim abc As|", {1, 1}, {5, 1}},
        // Copied with Ctrl.
        DropCase{"Dim abc As Long\r\n", {5, 1}, {8, 1}, {16, 1}, ssCtrl, "Dim abc As Longabc|", {16, 1}, {19, 1}},
        // A block over two lines that starts inside its line, dropped later on its own last line: the
        // joined line keeps the first line's start before what followed the block.
        DropCase{"ab12\r\n34cd ef\r\n", {3, 1}, {3, 2}, {6, 2}, 0, "abcd 12|34ef|", {6, 1}, {3, 2}},
        // Dropped on a line below the block: only the lines move up.
        DropCase{"x12\r\n3y\r\nzz\r\n", {2, 1}, {2, 2}, {2, 3}, 0, "xy|z12|3z|", {2, 2}, {2, 3}}));

TEST_F(MouseTest, DroppingTheBlockOnItselfChangesNothing) {
    Load("Dim abc As Long\r\n");
    editor_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    const int undoItems = editor_.UndoList().ItemCount();
    for (const int column : {5, 6, 8}) {
        mouse_.DragOver(editor_, XOf(column), YOf(1));
        mouse_.DragDrop(editor_, XOf(column), YOf(1), 0);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"Dim abc As Long"})) << column;
        EXPECT_EQ(editor_.UndoList().ItemCount(), undoItems);
        EXPECT_EQ(Selection(), (std::pair<TPoint, TPoint>{{5, 1}, {8, 1}}));
        EXPECT_EQ(editor_.CaretPoint(), (TPoint{8, 1}));
    }
}

TEST_F(MouseTest, TheCaretFollowsADragAndGoesBackWhenItLeaves) {
    Load("Dim abc As Long\r\nsecond\r\n");
    editor_.SetCaretPoint({3, 1});
    ASSERT_TRUE(mouse_.DragOver(editor_, XOf(4), YOf(2)));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{4, 2}));
    mouse_.DragOver(editor_, XOf(6), YOf(2));
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{6, 2}));
    mouse_.DragLeave();
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{3, 1}));
}

// ---- Drag and drop between two editors ----------------------------------------------------------

class TwoEditorsTest : public MouseTest {
protected:
    TwoEditorsTest() { source_.AttachView(&sourceView_, &sourceView_); }

    void LoadSource(const std::string& text) {
        std::istringstream stream(text);
        source_.Lines().LoadFromStream(stream);
        source_.ClearUndo();
    }
    std::string SourceText() const {
        std::string text;
        for (int i = 0; i < source_.LineCount(); ++i) text += source_.Lines().Get(i) + "|";
        return text;
    }

    platform::TMemoryViewPort sourceView_{{kGutter + 2 + 80 * 8, 25 * 16}, {8, 16}};
    TCustomCodeEdit source_;
};

TEST_F(TwoEditorsTest, ADropCopiesAndWithShiftMovesAndEachEditorUndoesItsOwnPart) {
    Load("target\r\n");
    LoadSource("Dim abc\r\n");
    source_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    ASSERT_TRUE(mouse_.DragOver(source_, XOf(7), YOf(1)));
    mouse_.DragDrop(source_, XOf(7), YOf(1), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"targetabc"}));
    EXPECT_EQ(SourceText(), "Dim abc|");
    EXPECT_EQ(editor_.SelText(), "abc");
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{7, 1}));
    mouse_.DragDrop(source_, XOf(1), YOf(1), ssShift);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abctargetabc"}));
    EXPECT_EQ(SourceText(), "Dim|");  // trimmed, as every joined line
    source_.RunCommand(ecUndo, 0, {});
    EXPECT_EQ(SourceText(), "Dim abc|");
    Run(ecUndo);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"targetabc"}));
}

TEST_F(TwoEditorsTest, AReadOnlyTargetRefusesTheDragAndAReadOnlySourceGivesACopy) {
    Load("target\r\n");
    LoadSource("Dim abc\r\n");
    source_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    editor_.SetReadOnly(true);
    const TPoint caret = editor_.CaretPoint();
    EXPECT_FALSE(mouse_.DragOver(source_, XOf(7), YOf(1)));
    EXPECT_EQ(editor_.CaretPoint(), caret);
    mouse_.DragDrop(source_, XOf(7), YOf(1), ssShift);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"target"}));
    EXPECT_EQ(SourceText(), "Dim abc|");
    editor_.SetReadOnly(false);
    source_.SetReadOnly(true);
    mouse_.DragDrop(source_, XOf(7), YOf(1), ssShift);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"targetabc"}));
    EXPECT_EQ(SourceText(), "Dim abc|");
}

TEST_F(TwoEditorsTest, TheTargetIsToldBeforeTheDropEditsIt) {
    struct TNotedEditor : TCustomCodeEdit {
        void TextDropping() override { textAtNotice = Lines().Count() > 0 ? Lines().Get(0) : std::string(); ++notices; }
        std::string textAtNotice;
        int notices = 0;
    };
    TNotedEditor target;
    platform::TMemoryViewPort view{{kGutter + 2 + 80 * 8, 25 * 16}, {8, 16}};
    target.AttachView(&view, &view);
    std::istringstream stream("target\r\n");
    target.Lines().LoadFromStream(stream);
    TCodeEditMouse targetMouse(target, view);
    LoadSource("Dim abc\r\n");
    source_.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    targetMouse.DragDrop(source_, XOf(7), YOf(1), 0);
    EXPECT_EQ(target.notices, 1);
    EXPECT_EQ(target.textAtNotice, "target");
    EXPECT_EQ(target.Lines().Get(0), "targetabc");
    // Nothing to drop: no notice.
    source_.SetSelAnchor(source_.CaretPoint());
    targetMouse.DragDrop(source_, XOf(1), YOf(1), 0);
    EXPECT_EQ(target.notices, 1);
}

}  // namespace
}  // namespace tips::editor
