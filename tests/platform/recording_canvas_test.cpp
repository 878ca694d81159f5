#include "platform/recording_canvas.hpp"

#include <gtest/gtest.h>

#include <array>

namespace tips::platform {
namespace {

const TFontDescription kCourier{"Courier New", -13, fsBold, kAnsiCharSet, TFontPitch::fpFixed};

TEST(RecordingCanvas, KeepsTheCallsInOrderAsComparableValues) {
    TRecordingCanvas canvas;
    const std::array<TViewPoint, 3> triangle{{{1, 1}, {1, 9}, {5, 5}}};
    canvas.FillRect({0, 0, 10, 10}, clBtnFace);
    canvas.FrameRect({0, 0, 10, 10}, clGray);
    canvas.Line({1, 8}, {1, 1}, clWhite);
    canvas.Polyline(triangle, clBlack);
    canvas.Polygon(triangle, clBtnText);
    canvas.DrawEdge({0, 0, 10, 10}, bdrRaisedInner);
    canvas.SetPixel({3, 4}, clWhite);
    canvas.InvertRect({2, 2, 4, 4});
    canvas.AndPattern({0, 0, 8, 8}, kCheckerPattern);
    canvas.DrawBitmap(TBitmap("glyph", 32, 16), {16, 0, 32, 16}, TViewPoint{4, 5}, 0xFF00FF);
    const std::vector<TCanvasCall> expected{
        TFillCall{{0, 0, 10, 10}, clBtnFace},
        TFrameCall{{0, 0, 10, 10}, clGray},
        TLineCall{{1, 8}, {1, 1}, clWhite},
        TPolylineCall{{{1, 1}, {1, 9}, {5, 5}}, clBlack},
        TPolygonCall{{{1, 1}, {1, 9}, {5, 5}}, clBtnText},
        TEdgeCall{{0, 0, 10, 10}, bdrRaisedInner, bfRect},
        TPixelCall{{3, 4}, clWhite},
        TInvertCall{{2, 2, 4, 4}},
        TPatternCall{{0, 0, 8, 8}, kCheckerPattern},
        TBitmapCall{"glyph", {16, 0, 32, 16}, {4, 5, 20, 21}, 0xFF00FF},
    };
    EXPECT_EQ(canvas.Calls(), expected);
    canvas.Clear();
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(RecordingCanvas, TextRunsCarryTheStateTheyWereWrittenIn) {
    TRecordingCanvas canvas;
    const TPlainFont font(kCourier);
    canvas.WriteText({1, 2}, "ab");  // the defaults
    canvas.SetFont(font);
    canvas.SetTextColor(clWindowText);
    canvas.SetBackColor(clWindow);
    canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
    canvas.SetCharacterExtra(1);
    const TTextBox box{{0, 0, 50, 15}, true, true};
    canvas.WriteText({3, 4}, "Dim", {}, box);
    canvas.SetTextColor(0x0000FF);  // after the run: not in it
    const auto runs = canvas.CallsOf<TTextCall>();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (TTextCall{{1, 2}, "ab", TRecordingCanvas::DefaultFont(), clBlack, clWhite, TBackgroundMode::bmOpaque, 0, {}, {}}));
    EXPECT_EQ(runs[1], (TTextCall{{3, 4}, "Dim", kCourier, clWindowText, clWindow, TBackgroundMode::bmTransparent, 1, {}, box}));
}

TEST(RecordingCanvas, KeepsOneAdvancePerCharacterAndRefusesTooFew) {
    TRecordingCanvas canvas;
    const std::vector<int> advances(64, 8);  // a drawer's array is longer than its run
    canvas.WriteText({0, 0}, "End If", advances);
    EXPECT_EQ(canvas.CallsOf<TTextCall>().at(0).Advances, std::vector<int>(6, 8));
    const std::array<int, 2> two{8, 8};
    EXPECT_THROW(canvas.WriteText({0, 0}, "abc", two), std::invalid_argument);
    EXPECT_EQ(canvas.CallsOf<TTextCall>().size(), 1u);
}

TEST(RecordingCanvas, RestoreBringsBackTheSavedStateAndAnUnmatchedOneDoesNothing) {
    TRecordingCanvas canvas;
    const TPlainFont font(kCourier);
    canvas.SetTextColor(clHighlightText);
    {
        const TSavedCanvasState saved(canvas);
        canvas.SetFont(font);
        canvas.SetTextColor(clWindowText);
        canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
        TMapping scaled;
        scaled.WindowExtent = {10, 10};
        canvas.SetMapping(scaled);
        EXPECT_EQ(canvas.SavedStates(), 1);
    }
    EXPECT_EQ(canvas.TextColor(), clHighlightText);
    EXPECT_EQ(canvas.Font().Face, "System");
    EXPECT_EQ(canvas.BackgroundMode(), TBackgroundMode::bmOpaque);
    EXPECT_EQ(canvas.Mapping(), kIdentityMapping);
    EXPECT_EQ(canvas.SavedStates(), 0);
    canvas.RestoreState();
    EXPECT_EQ(canvas.TextColor(), clHighlightText);
    EXPECT_EQ(canvas.Calls().size(), 3u);  // save, mapping, restore: the unmatched restore is not kept
}

TEST(RecordingCanvas, ClipScopeIsSaveClipAndRestore) {
    TRecordingCanvas canvas;
    {
        const TCanvasClip clip(canvas, {0, 0, 100, 50});
        canvas.ExcludeClip({10, 10, 20, 20});
        canvas.FillRect({0, 0, 200, 200}, clWhite);
    }
    const std::vector<TCanvasCall> expected{TSaveStateCall{}, TIntersectClipCall{{0, 0, 100, 50}},
                                            TExcludeClipCall{{10, 10, 20, 20}}, TFillCall{{0, 0, 200, 200}, clWhite},
                                            TRestoreStateCall{}};
    EXPECT_EQ(canvas.Calls(), expected);
}

TEST(RecordingCanvas, RefusesAMappingWithAnExtentOfZero) {
    TRecordingCanvas canvas;
    TMapping flat;
    flat.ViewportExtent = {100, 0};
    EXPECT_THROW(canvas.SetMapping(flat), std::invalid_argument);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(canvas.Mapping(), kIdentityMapping);
}

TEST(RecordingCanvas, MeasuresFontsByAFixedRuleBoldOnePixelWider) {
    TRecordingCanvas canvas;
    const TPlainFont normal({"Courier New", -13, {}, kAnsiCharSet, TFontPitch::fpFixed});
    const TPlainFont bold(kCourier);
    canvas.SetFont(normal);
    EXPECT_EQ(canvas.TextMetrics().AverageCharWidth, 7);
    EXPECT_EQ(canvas.TextMetrics().Height, 13);
    EXPECT_EQ(canvas.TextExtent("Dim x"), (TViewSize{35, 13}));
    canvas.SetFont(bold);
    EXPECT_EQ(canvas.CharWidths('M'), (TCharWidths{0, 8, 0}));
    canvas.SetCharacterExtra(2);
    EXPECT_EQ(canvas.TextExtent("ab"), (TViewSize{20, 13}));
    EXPECT_EQ(canvas.TextExtent(""), (TViewSize{0, 13}));
}

TEST(RecordingCanvas, TakesTheTestsOwnMetricsAndCanHideCharacterWidths) {
    TRecordingCanvas canvas;
    canvas.SetMetricsRule([](const TFontDescription& font) {
        TTextMetrics metrics;
        metrics.Height = 15;
        metrics.AverageCharWidth = font.Style.Contains(fsItalic) ? 9 : 8;
        metrics.ExternalLeading = 1;
        return metrics;
    });
    const TPlainFont italic({"Arial", -13, fsItalic, kAnsiCharSet, TFontPitch::fpDefault});
    canvas.SetFont(italic);
    EXPECT_EQ(canvas.TextMetrics().ExternalLeading, 1);
    EXPECT_EQ(canvas.TextExtent("abc").Width, 27);
    canvas.SetCharWidthsKnown(false);
    EXPECT_FALSE(canvas.CharWidths('M').has_value());
}

TEST(RecordingCanvas, ResolvesSystemColoursWithTheClassicSchemeAndMakesPlainFonts) {
    TRecordingCanvas canvas;
    EXPECT_EQ(canvas.Resolve(clBtnFace), clSilver);
    EXPECT_EQ(canvas.Resolve(0x123456), 0x123456u);
    const auto font = canvas.Fonts().MakeFont(kCourier);
    EXPECT_EQ(font->Description(), kCourier);
}

TEST(CanvasCalls, DescribeNamesTheCallAndItsFields) {
    EXPECT_EQ(Describe(TFillCall{{0, 1, 2, 3}, clBtnFace}), "fill 0 1 2 3 0x8000000F");
    EXPECT_EQ(Describe(TPatternCall{{0, 0, 8, 8}, kCheckerPattern}), "pattern 0 0 8 8 AA 55 AA 55 AA 55 AA 55");
    EXPECT_EQ(Describe(TBitmapCall{"glyph", {0, 0, 16, 16}, {4, 5, 20, 21}, 0xFF00FF}),
              "bitmap \"glyph\" from 0 0 16 16 to 4 5 20 21 transparent 0xFF00FF");
    EXPECT_EQ(Describe(TTextCall{{2, 3}, "a\"b", kCourier, clBlack, clWindow, TBackgroundMode::bmOpaque, 0, {8, 8, 8},
                                 TTextBox{{0, 0, 9, 9}, true, true}}),
              "text 2 3 \"a\\\"b\" font \"Courier New\" -13 style=1 fg 0x000000 bg 0x80000005 opaque advances 8 8 8 "
              "box 0 0 9 9 filled clipped");
    EXPECT_EQ(Describe(TRestoreStateCall{}), "restore");
    EXPECT_EQ(CallName(TExcludeClipCall{}), "exclude-clip");
}

}  // namespace
}  // namespace tips::platform
