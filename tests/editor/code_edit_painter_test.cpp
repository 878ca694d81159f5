// The painter's seams that editor scripts cannot reach: the paint events, the caret around a paint
// (also when painting fails), special line colours, the shared bookmark bitmap and an image list.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "editor/code_edit_painter.hpp"
#include "editor/custom_code_edit.hpp"
#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/image_list.hpp"
#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::editor {
namespace {

using platform::TBitmapCall;
using platform::TTextCall;

// Fixed-pitch fonts measure 8 x 16 in every style, as the view's cell.
platform::TTextMetrics FixedCells(const platform::TFontDescription& font) {
    if (font.Pitch != platform::TFontPitch::fpFixed) return platform::TRecordingCanvas::DefaultMetrics(font);
    platform::TTextMetrics metrics;
    metrics.Height = 16;
    metrics.AverageCharWidth = 8;
    metrics.MaxCharWidth = 8;
    return metrics;
}

class TScreen {
public:
    TScreen() { platform::SetScreenCanvasPort(&port_); }
    ~TScreen() { platform::SetScreenCanvasPort(nullptr); }

private:
    platform::TRecordingScreenCanvasPort port_{FixedCells};
};

class TestImages final : public platform::TImageList {
public:
    int Count() const override { return 3; }
    void Draw(platform::TCanvas& canvas, int index, platform::TViewPoint at) const override {
        canvas.DrawBitmap(bitmap_, {index * 4, 0, index * 4 + 4, 4}, at);
    }

private:
    platform::TBitmap bitmap_{"images", 12, 4};
};

class PainterTest : public ::testing::Test {
protected:
    PainterTest() {
        editor_.AttachView(&view_, &view_);
        editor_.FocusReceived();
    }

    std::vector<platform::TCanvasCall> Paint() {
        platform::TRecordingCanvas canvas;
        canvas.SetMetricsRule(FixedCells);
        painter_.Paint(canvas, {0, 0, 192, 64});
        return canvas.Calls();
    }
    template <typename T>
    std::vector<T> PaintCalls() {
        std::vector<T> found;
        for (const auto& call : Paint()) {
            if (const T* typed = std::get_if<T>(&call)) found.push_back(*typed);
        }
        return found;
    }

    TScreen screen_;
    platform::TMemoryViewPort view_{{2 + 30 + 20 * 8, 4 * 16}, {8, 16}};
    TCustomCodeEdit editor_;
    TCodeEditPainter painter_{editor_};
};

TEST_F(PainterTest, EventsRunAfterThePaintWithTheCaretHiddenAndTheCaretComesBack) {
    editor_.Lines().Add("abc");
    ASSERT_TRUE(view_.CaretState().Shown);
    std::vector<std::string> seen;
    editor_.OnPaint = [&](TCustomCodeEdit& sender, platform::TCanvas& canvas) {
        EXPECT_EQ(&sender, &editor_);
        const auto& recording = dynamic_cast<platform::TRecordingCanvas&>(canvas);
        EXPECT_EQ(recording.Font(), editor_.Font().Description);
        EXPECT_EQ(recording.BackColor(), editor_.Color());
        seen.push_back(view_.CaretState().Shown ? "paint, caret shown" : "paint");
    };
    editor_.OnPaintTransient = [&](TCustomCodeEdit&, platform::TCanvas&, TTransientType type) {
        EXPECT_EQ(type, ttAfter);
        seen.push_back(view_.CaretState().Shown ? "transient, caret shown" : "transient");
    };
    Paint();
    EXPECT_EQ(seen, (std::vector<std::string>{"paint", "transient"}));
    EXPECT_TRUE(view_.CaretState().Shown);
}

TEST_F(PainterTest, TheCaretIsPlacedAgainWhenPaintingFails) {
    editor_.Lines().Add("abc");
    editor_.OnSpecialLineColors = [](TCustomCodeEdit&, int, bool&, platform::TColor&, platform::TColor&) {
        throw std::runtime_error("handler failed");
    };
    platform::TRecordingCanvas canvas;
    EXPECT_THROW(painter_.Paint(canvas, {0, 0, 192, 64}), std::runtime_error);
    EXPECT_TRUE(view_.CaretState().Shown);
    // The drawer gave the canvas back its state.
    EXPECT_EQ(canvas.SavedStates(), 0);
    EXPECT_EQ(editor_.TextDrawer().DrawingCount(), 0);
}

TEST_F(PainterTest, ASpecialLineUsesItsColoursAndInvertsThemForTheSelection) {
    editor_.SetHighlighter(nullptr);
    editor_.Lines().Add("one");
    editor_.Lines().Add("two");
    constexpr platform::TColor kRed = platform::RgbColor(255, 0, 0);
    constexpr platform::TColor kBlue = platform::RgbColor(0, 0, 255);
    std::vector<int> asked;
    editor_.OnSpecialLineColors = [&](TCustomCodeEdit&, int line, bool& special, platform::TColor& fg, platform::TColor& bg) {
        asked.push_back(line);
        EXPECT_EQ(fg, editor_.Font().Color);
        EXPECT_EQ(bg, editor_.LineBackground());
        if (line != 2) return;
        special = true;
        fg = kRed;
        bg = kBlue;
    };
    editor_.SetSelAnchor({2, 2});
    editor_.SetSelExtent({3, 2});
    const auto texts = PaintCalls<TTextCall>();
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
    // Line 2 (y 16): columns 1..2 and 3.. in the line's colours (each cut at its rectangle), then
    // column 2 selected with the two colours swapped.
    std::vector<TTextCall> line2;
    for (const auto& text : texts) {
        if (text.At.Y == 16) line2.push_back(text);
    }
    ASSERT_EQ(line2.size(), 3U);
    EXPECT_EQ(line2[0].Text, "tw");
    EXPECT_EQ(line2[0].Box->Rect, (platform::TViewRect{32, 16, 40, 32}));
    EXPECT_EQ(line2[1].Text, "o");
    EXPECT_EQ(line2[1].Box->Rect, (platform::TViewRect{48, 16, 192, 32}));
    EXPECT_EQ(line2[0].Foreground, kRed);
    EXPECT_EQ(line2[0].Background, kBlue);
    EXPECT_EQ(line2[2].Box->Rect, (platform::TViewRect{40, 16, 48, 32}));
    EXPECT_EQ(line2[2].Foreground, kBlue);
    EXPECT_EQ(line2[2].Background, kRed);
}

TEST_F(PainterTest, EditorsShareOneBookmarkBitmapMadeOnTheFirstBookmarkDrawn) {
    const int before = TCodeInternalImage::UseCount();
    editor_.Lines().Add("abc");
    Paint();
    EXPECT_EQ(TCodeInternalImage::UseCount(), before);  // no bookmark yet, no bitmap
    editor_.PlaceBookmark(3, 1, 1);
    const auto glyphs = PaintCalls<TBitmapCall>();
    ASSERT_EQ(glyphs.size(), 1U);
    EXPECT_EQ(glyphs[0].Name, "CodeEditInternalImages");
    EXPECT_EQ(glyphs[0].Source, (platform::TViewRect{33, 0, 44, 14}));
    EXPECT_EQ(glyphs[0].Dest, (platform::TViewRect{2, 1, 13, 15}));
    EXPECT_EQ(TCodeInternalImage::UseCount(), before + 1);
    {
        TCustomCodeEdit other;
        EXPECT_EQ(&other.InternalImage().Bitmap(), &editor_.InternalImage().Bitmap());
        EXPECT_EQ(TCodeInternalImage::UseCount(), before + 2);
    }
    EXPECT_EQ(TCodeInternalImage::UseCount(), before + 1);
}

TEST_F(PainterTest, WithAnImageListBookmarksComeFirstAndOtherMarksStepRightOfThem) {
    const TestImages images;
    editor_.BookMarkOptions().SetBookmarkImages(&images);
    editor_.Lines().Add("abc");
    editor_.Lines().Add("def");
    auto plain = std::make_unique<TCodeEditMark>();
    plain->SetLine(1);
    plain->SetImageIndex(2);
    plain->SetVisible(true);
    editor_.MarkList().Add(std::move(plain));
    auto outside = std::make_unique<TCodeEditMark>();
    outside->SetLine(2);
    outside->SetImageIndex(3);  // the list has no image 3
    outside->SetVisible(true);
    editor_.MarkList().Add(std::move(outside));
    editor_.PlaceBookmark(1, 1, 1);

    const auto drawn = PaintCalls<TBitmapCall>();
    ASSERT_EQ(drawn.size(), 2U);
    // First pass: the bookmark at the left margin; second pass: the mark one step to the right.
    EXPECT_EQ(drawn[0].Source, (platform::TViewRect{4, 0, 8, 4}));
    EXPECT_EQ(drawn[0].Dest.Left, 2);
    EXPECT_EQ(drawn[1].Source, (platform::TViewRect{8, 0, 12, 4}));
    EXPECT_EQ(drawn[1].Dest.Left, 2 + 12);

    editor_.BookMarkOptions().SetDrawBookmarksFirst(false);
    const auto reversed = PaintCalls<TBitmapCall>();
    ASSERT_EQ(reversed.size(), 2U);
    EXPECT_EQ(reversed[0].Source, (platform::TViewRect{8, 0, 12, 4}));
    EXPECT_EQ(reversed[0].Dest.Left, 2);
    EXPECT_EQ(reversed[1].Source, (platform::TViewRect{4, 0, 8, 4}));
    EXPECT_EQ(reversed[1].Dest.Left, 2 + 12);
}


// A special line paints in its own colours; with eoSpecialLineDefaultFg its tokens keep their
// foregrounds on the special background, and runs no longer merge across colours.
TEST_F(PainterTest, SpecialLinesKeepTokenForegroundsOnlyWithSpecialLineDefaultFg) {
    highlight::TVBHighlighter highlighter;
    highlight::ConfigureVBHighlighter1(highlighter);
    editor_.SetHighlighter(&highlighter);
    editor_.Lines().Add("If x = 7");
    constexpr platform::TColor kRed = platform::RgbColor(255, 0, 0);
    constexpr platform::TColor kBlue = platform::RgbColor(0, 0, 255);
    editor_.OnSpecialLineColors = [&](TCustomCodeEdit&, int, bool& special, platform::TColor& fg, platform::TColor& bg) {
        special = true;
        fg = kRed;
        bg = kBlue;
    };
    const auto runs = [&] {
        std::vector<std::pair<std::string, platform::TColor>> found;
        for (const auto& text : PaintCalls<TTextCall>()) {
            if (!text.Text.empty()) {
                EXPECT_EQ(text.Background, kBlue) << text.Text;
                found.emplace_back(text.Text, text.Foreground);
            }
        }
        return found;
    };
    // Style still splits runs (bold "If " from the rest); colours do not.
    using Runs = std::vector<std::pair<std::string, platform::TColor>>;
    EXPECT_EQ(runs(), (Runs{{"If ", kRed}, {"x = 7", kRed}}));

    editor_.SetOptions(editor_.Options().With(eoSpecialLineDefaultFg));
    const auto* key = highlighter.StandardAttribute(highlight::StandardAttributeKind::Keyword);
    const auto* symbol = highlighter.StandardAttribute(highlight::StandardAttributeKind::Symbol);
    platform::TColor number = 0;
    for (const auto& stored : highlight::VBHighlighter1Properties()) {
        if (stored.path == "NumberAttri.Foreground") number = static_cast<platform::TColor>(std::get<std::int64_t>(stored.value));
    }
    // The identifier has no colour of its own: the editor font's window-text colour, resolved.
    EXPECT_EQ(runs(), (Runs{{"If ", key->Foreground()}, {"x ", platform::clBlack}, {"= ", symbol->Foreground()}, {"7", number}}));
    editor_.SetHighlighter(nullptr);
}

// Every pixel of the clip is painted: by fills, opaque text boxes or the gutter's separator lines,
// whatever the text, the scroll position, the selection and the clip's odd edges.
TEST_F(PainterTest, EveryPixelOfTheClipIsPainted) {
    struct Case {
        const char* name;
        bool highlighter;
        bool numbers;
        bool special;
        TCodeSelectionMode mode;
        TPoint anchor;
        TPoint extent;
        int firstColumn;
        platform::TViewRect clip;
    };
    const Case cases[] = {
        {"plain, whole view", false, false, false, smNormal, {1, 1}, {1, 1}, 1, {0, 0, 192, 64}},
        {"plain, odd clip", false, true, false, smNormal, {2, 1}, {3, 2}, 1, {5, 3, 117, 61}},
        {"highlighted, normal selection", true, true, false, smNormal, {4, 1}, {2, 3}, 1, {0, 0, 192, 64}},
        {"highlighted, column selection, scrolled", true, false, true, smColumn, {9, 1}, {3, 2}, 3, {37, 5, 150, 50}},
        {"highlighted, line selection", true, true, true, smLine, {1, 2}, {1, 3}, 1, {29, 0, 192, 64}},
        {"selection past the line ends", true, true, false, smColumn, {6, 1}, {18, 3}, 1, {0, 17, 191, 63}},
        {"scrolled past short lines", false, false, true, smNormal, {1, 1}, {4, 2}, 6, {31, 1, 190, 62}},
    };
    highlight::TVBHighlighter highlighter;
    editor_.Lines().Add("If x Then y = \"ab\" ' note");
    editor_.Lines().Add("\tz = 7\t+ 1");
    editor_.Lines().Add("");
    for (const Case& c : cases) {
        editor_.SetHighlighter(c.highlighter ? &highlighter : nullptr);
        editor_.Gutter().SetShowLineNumbers(c.numbers);
        editor_.SetOptions(c.special ? editor_.Options().With(eoShowSpecialChars)
                                     : editor_.Options().Without(eoShowSpecialChars));
        editor_.SetSelectionMode(c.mode);
        editor_.SetSelAnchor(c.anchor);
        editor_.SetSelExtent(c.extent);
        editor_.SetFirstVisibleColumn(c.firstColumn);
        ASSERT_EQ(editor_.FirstVisibleColumn(), c.firstColumn) << c.name;

        platform::TRecordingCanvas canvas;
        canvas.SetMetricsRule(FixedCells);
        painter_.Paint(canvas, c.clip);
        std::vector<std::vector<bool>> painted(64, std::vector<bool>(192, false));
        const auto cover = [&](const platform::TViewRect& r) {
            for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, 64); ++y) {
                for (int x = std::max(r.Left, 0); x < std::min(r.Right, 192); ++x) painted[y][x] = true;
            }
        };
        for (const auto& call : canvas.Calls()) {
            if (const auto* fill = std::get_if<platform::TFillCall>(&call)) cover(fill->Rect);
            if (const auto* text = std::get_if<TTextCall>(&call); text != nullptr && text->Box && text->Box->Opaque) {
                cover(text->Box->Rect);
            }
            if (const auto* line = std::get_if<platform::TLineCall>(&call); line != nullptr && line->From.X < 30) {
                cover({line->From.X, line->From.Y, line->From.X + 1, line->To.Y});
            }
        }
        int missing = 0;
        for (int y = c.clip.Top; y < c.clip.Bottom; ++y) {
            for (int x = c.clip.Left; x < c.clip.Right; ++x) missing += painted[y][x] ? 0 : 1;
        }
        EXPECT_EQ(missing, 0) << c.name;
    }
    editor_.SetHighlighter(nullptr);
}

}  // namespace
}  // namespace tips::editor
