// What the grid paints, on a recording canvas: titles and fixed cells, the highlighted current cell,
// the lines between cells and the indicator marks.

#include "widgets/db_grid_painter.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "db_grid_test_support.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::widgets {
namespace {

using platform::TCanvasCall;
using platform::TFillCall;
using platform::TLineCall;
using platform::TPolygonCall;
using platform::TTextCall;
using platform::TViewRect;
using testing::TGridOnTips;

const platform::TPlainFont kCellFont({"MS Sans Serif", -11, {}, platform::kDefaultCharSet, platform::TFontPitch::fpDefault});
const platform::TPlainFont kTitleFont({"Arial", -11, platform::fsBold, platform::kAnsiCharSet,
                                       platform::TFontPitch::fpVariable});

struct TPainted {
    explicit TPainted(const TDBGridCore& grid) {
        TDBGridPainter(grid, kCellFont, kTitleFont).Paint(canvas, {300, 103});
    }
    std::optional<TTextCall> Text(const std::string& text) const {
        for (const auto& call : canvas.CallsOf<TTextCall>()) {
            if (call.Text == text) return call;
        }
        return std::nullopt;
    }
    // The fills of exactly this rectangle.
    std::vector<TFillCall> FillsOf(const TViewRect& rect) const {
        std::vector<TFillCall> found;
        for (const auto& fill : canvas.CallsOf<TFillCall>()) {
            if (fill.Rect == rect) found.push_back(fill);
        }
        return found;
    }
    platform::TRecordingCanvas canvas;
};

TEST(DBGridPainter, ClearsTheClientAreaFirstAndWritesTitlesInTheTitleFontOnButtonFace) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    const TPainted painted(fixture.grid);
    ASSERT_FALSE(painted.canvas.Calls().empty());
    EXPECT_EQ(painted.canvas.Calls().front(), TCanvasCall(TFillCall{{0, 0, 300, 103}, platform::clWindow}));
    const auto title = painted.Text("Categoria");
    ASSERT_TRUE(title);
    const TViewRect rect = fixture.grid.Geometry().TitleRect(0);
    EXPECT_EQ(title->At, (platform::TViewPoint{rect.Left + 2, rect.Top + 2}));
    EXPECT_EQ(title->Font, kTitleFont.Description());
    EXPECT_EQ(title->Foreground, platform::clBtnText);
    EXPECT_EQ(title->Background, platform::clBtnFace);
    EXPECT_EQ(title->Box, (platform::TTextBox{rect, true, true}));
    const auto cell = painted.Text("Bucles");
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->Font, kCellFont.Description());
    EXPECT_EQ(cell->Background, platform::clWindow);
    EXPECT_EQ(cell->Foreground, platform::clWindowText);
    // The title row and the indicator column have a raised inner edge each.
    const auto edges = painted.canvas.CallsOf<platform::TEdgeCall>();
    EXPECT_NE(std::find(edges.begin(), edges.end(), platform::TEdgeCall{rect, platform::bdrRaisedInner, platform::bfRect}),
              edges.end());
    const TViewRect indicator = fixture.grid.Geometry().IndicatorRect(1);
    EXPECT_EQ(painted.FillsOf(indicator), (std::vector<TFillCall>{{indicator, platform::clBtnFace}}));
}

struct THighlightCase {
    bool focused;
    bool alwaysShowSelection;
    bool editorOpen;
    bool highlighted;
};

class DBGridHighlight : public ::testing::TestWithParam<THighlightCase> {};

TEST_P(DBGridHighlight, TheCurrentCellIsHighlightedWithTheFocusOrWhenAskedAndNotWhileEdited) {
    const THighlightCase& c = GetParam();
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    if (c.alwaysShowSelection) fixture.grid.SetOptions(kDefaultDBGridOptions | dgAlwaysShowSelection);
    fixture.grid.SetSelectedIndex(1);
    if (c.editorOpen) {
        fixture.Press(kKeyF2);
        ASSERT_TRUE(fixture.grid.CellEditor().IsOpen());
    }
    fixture.grid.SetFocused(c.focused);
    const TPainted painted(fixture.grid);
    const auto current = painted.Text("Arrays");
    ASSERT_TRUE(current);
    EXPECT_EQ(current->Background, c.highlighted ? platform::clHighlight : platform::clWindow);
    EXPECT_EQ(current->Foreground, c.highlighted ? platform::clHighlightText : platform::clWindowText);
    // Only that cell: the current row's other column and the other rows keep the window colours.
    for (const auto& call : painted.canvas.CallsOf<TTextCall>()) {
        if (call.Text != "Arrays") {
            EXPECT_NE(call.Background, platform::clHighlight) << call.Text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DBGridHighlight,
                         ::testing::Values(THighlightCase{true, false, false, true},
                                           THighlightCase{false, false, false, false},
                                           THighlightCase{false, true, false, true},
                                           THighlightCase{true, false, true, false},
                                           THighlightCase{false, true, true, false}));

// The marks drawn in indicator cell `offset`: a triangle, or lines relative to the cell's centre.
struct TMarks {
    std::vector<TPolygonCall> triangles;
    std::vector<TLineCall> lines;
};

TMarks MarksOf(const TDBGridCore& grid) {
    const TPainted painted(grid);
    return {painted.canvas.CallsOf<TPolygonCall>(), painted.canvas.CallsOf<TLineCall>()};
}

TEST(DBGridPainter, MarksTheCurrentRowWithATriangleAnIBeamOrAnAsterisk) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    const TViewRect rect = fixture.grid.Geometry().IndicatorRect(0);
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    auto marks = MarksOf(fixture.grid);
    ASSERT_EQ(marks.triangles.size(), 1u);
    EXPECT_EQ(marks.triangles[0], (TPolygonCall{{{cx - 2, cy - 4}, {cx - 2, cy + 4}, {cx + 2, cy}}, platform::clBtnText}));
    EXPECT_TRUE(marks.lines.empty());

    fixture.Type("x");  // editing: an I-beam of three lines
    marks = MarksOf(fixture.grid);
    EXPECT_TRUE(marks.triangles.empty());
    ASSERT_EQ(marks.lines.size(), 3u);
    EXPECT_EQ(marks.lines[1], (TLineCall{{cx, cy - 5}, {cx, cy + 5}, platform::clBtnText}));

    fixture.Press(kKeyEscape);
    fixture.Press(kKeyEscape);
    fixture.Press(kKeyInsert);  // a new record: an asterisk of four lines
    marks = MarksOf(fixture.grid);
    EXPECT_TRUE(marks.triangles.empty());
    ASSERT_EQ(marks.lines.size(), 4u);
    EXPECT_EQ(marks.lines[0], (TLineCall{{cx, cy - 4}, {cx, cy + 5}, platform::clBtnText}));
    EXPECT_EQ(marks.lines[3], (TLineCall{{cx + 3, cy - 3}, {cx - 4, cy + 4}, platform::clBtnText}));
}

TEST(DBGridPainter, NoMarksWithoutTheIndicatorColumn) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    fixture.grid.SetOptions(kDefaultDBGridOptions & ~dgIndicator);
    const auto marks = MarksOf(fixture.grid);
    EXPECT_TRUE(marks.triangles.empty());
    EXPECT_TRUE(marks.lines.empty());
}

struct TLinesCase {
    TDBGridOptions lines;
    bool right;
    bool below;
};

class DBGridLines : public ::testing::TestWithParam<TLinesCase> {};

TEST_P(DBGridLines, DrawsTheLineRightOfACellAndTheOneBelowAsTheOptionsAsk) {
    const TLinesCase& c = GetParam();
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    fixture.grid.SetOptions((kDefaultDBGridOptions & ~(dgColLines | dgRowLines)) | c.lines);
    const TPainted painted(fixture.grid);
    const TViewRect cell = fixture.grid.Geometry().CellRect(1, 0);
    const int w = TDBGridGeometry::kLineWidth;
    const TViewRect right{cell.Right, cell.Top, cell.Right + w, cell.Bottom + w};
    const TViewRect below{cell.Left, cell.Bottom, cell.Right + w, cell.Bottom + w};
    EXPECT_EQ(painted.FillsOf(right).size(), c.right ? 1u : 0u);
    EXPECT_EQ(painted.FillsOf(below).size(), c.below ? 1u : 0u);
    if (c.right) {
        EXPECT_EQ(painted.FillsOf(right)[0].Color, platform::clSilver);
    }
    // The title row's lines are dark.
    const TViewRect title = fixture.grid.Geometry().TitleRect(0);
    const TViewRect titleRight{title.Right, title.Top, title.Right + w, title.Bottom + w};
    EXPECT_EQ(painted.FillsOf(titleRight).size(), c.right ? 1u : 0u);
    if (c.right) {
        EXPECT_EQ(painted.FillsOf(titleRight)[0].Color, platform::cl3DDkShadow);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, DBGridLines,
                         ::testing::Values(TLinesCase{dgColLines | dgRowLines, true, true},
                                           TLinesCase{dgColLines, true, false}, TLinesCase{dgRowLines, false, true},
                                           TLinesCase{0, false, false}));

TEST(DBGridPainter, PaintsOnlyTheRowsThereAreAndNothingButTheBackgroundWithoutColumnsOrIndicator) {
    TGridOnTips fixture(TGridOnTips::Titles({"Arrays", "Bucles"}));
    const TPainted painted(fixture.grid);
    EXPECT_EQ(painted.canvas.CallsOf<TTextCall>().size(), 2u + 2u * 2u);  // titles, then two rows
    EXPECT_TRUE(painted.FillsOf(fixture.grid.Geometry().IndicatorRect(2)).empty());

    TDBGridCore empty;
    empty.SetOptions(kDefaultDBGridOptions & ~dgIndicator);
    empty.SetClientSize({300, 103});
    const TPainted bare(empty);
    EXPECT_EQ(bare.canvas.Calls(), std::vector<TCanvasCall>{TFillCall({{0, 0, 300, 103}, platform::clWindow})});
}

}  // namespace
}  // namespace tips::widgets
