// The preview's sheet at each scale, its scroll bars, scrolling and the wheel, paging, and what it
// paints, on an in-memory window with an engine on the fallback A4 page (2481 x 3507 at 300 dpi).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/canvas_calls.hpp"
#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "print/print_preview.hpp"
#include "print_test_support.hpp"

namespace {

using namespace tips::print;
using tips::platform::TScrollBarKind;
using tips::platform::TViewScrollInfo;

class PrintPreviewTest : public ::testing::Test {
protected:
    PrintPreviewTest() {
        canvas.SetMetricsRule(tips::testing::CellRule(20, 40));
        engine.SetLines(std::vector<std::string>(72 * 3, "x"));  // three pages
        preview.OnPreviewPage = [this](TCodeEditPrintPreview&, int page) { pages.push_back(page); };
        preview.OnScaleChange = [this](TCodeEditPrintPreview&) { ++scaleChanges; };
    }
    void Attach() {
        preview.SetCodeEditPrint(&engine);
        preview.RefreshLayout(canvas);
        pages.clear();
        scaleChanges = 0;
    }

    tips::testing::TFakePrinterPort port{std::nullopt};
    tips::platform::TMemoryViewPort view{{567, 377}, {8, 16}};
    tips::platform::TRecordingCanvas canvas;
    TCodeEditPrint engine;
    TCodeEditPrintPreview preview{view, view};
    std::vector<int> pages;
    int scaleChanges = 0;
};

TEST_F(PrintPreviewTest, TheWholePageFitsTheWindowCentredAcross) {
    preview.SetScaleMode(TCodePreviewScale::pscWholePage);
    Attach();
    EXPECT_EQ(preview.SheetHeight(), 351);
    EXPECT_EQ(preview.SheetWidth(), 248);  // 351 * 2481 / 3507
    EXPECT_EQ(preview.SheetLeft(), 12 + (567 - 274) / 2);
    EXPECT_EQ(preview.SheetTop(), 12);
    EXPECT_EQ(engine.PageCount(), 3);
}

TEST_F(PrintPreviewTest, OneHundredPercentIsThePagesRealSizeOnTheScreen) {
    Attach();
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscUserScaled);
    EXPECT_EQ(preview.SheetWidth(), 794);
    EXPECT_EQ(preview.SheetHeight(), 1122);
    EXPECT_EQ(preview.ExtentWidth(), 820);
    EXPECT_EQ(preview.SheetLeft(), 12);  // wider than the window: no centring
    preview.SetScalePercent(50);
    EXPECT_EQ(preview.SheetWidth(), 397);
    EXPECT_EQ(preview.SheetLeft(), 12 + (567 - 423) / 2);
    preview.SetScreenPixelsPerInch(120, 120);
    preview.SetScalePercent(100);
    EXPECT_EQ(preview.SheetWidth(), 992);  // 2481 * 120 / 300
}

TEST_F(PrintPreviewTest, PageWidthFitsTheWidthAndKeepsTheAspect) {
    Attach();
    preview.SetScaleMode(TCodePreviewScale::pscPageWidth);
    EXPECT_EQ(preview.SheetWidth(), 541);
    EXPECT_EQ(preview.SheetHeight(), 765);  // 541 * 3507 / 2481 = 764.7
    EXPECT_EQ(scaleChanges, 1);
}

TEST_F(PrintPreviewTest, TheSamePercentInWholePageModeSwitchesToThatPercentAndTellsTwice) {
    preview.SetScaleMode(TCodePreviewScale::pscWholePage);
    Attach();
    preview.SetScalePercent(100);
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscUserScaled);
    EXPECT_EQ(preview.ScalePercent(), 100);
    EXPECT_EQ(preview.SheetWidth(), 794);
    EXPECT_EQ(scaleChanges, 2);
    preview.SetScalePercent(200);
    EXPECT_EQ(scaleChanges, 3);
    EXPECT_EQ(preview.SheetWidth(), 1588);
}

TEST_F(PrintPreviewTest, RefreshKeepsTheScaleAndReportsThePage) {
    Attach();
    preview.SetScalePercent(200);
    preview.GoLastPage();
    pages.clear();
    engine.SetLines({"x"});
    preview.RefreshLayout(canvas);
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscUserScaled);
    EXPECT_EQ(preview.ScalePercent(), 200);
    EXPECT_EQ(preview.SheetWidth(), 1588);
    EXPECT_EQ(engine.PageCount(), 1);
    EXPECT_EQ(pages, (std::vector<int>{3}));
}

// The bars each mode shows.
struct TBarsCase {
    TCodePreviewScale mode;
    TViewScrollInfo horizontal;
    TViewScrollInfo vertical;
};

class PrintPreviewBars : public PrintPreviewTest, public ::testing::WithParamInterface<TBarsCase> {};

TEST_P(PrintPreviewBars, FollowTheMode) {
    Attach();
    preview.GoNextPage();
    preview.SetScaleMode(GetParam().mode);
    ASSERT_NE(view.ScrollInfo(TScrollBarKind::Horizontal), nullptr);
    EXPECT_EQ(*view.ScrollInfo(TScrollBarKind::Horizontal), GetParam().horizontal);
    EXPECT_EQ(*view.ScrollInfo(TScrollBarKind::Vertical), GetParam().vertical);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintPreviewBars,
                         ::testing::Values(TBarsCase{TCodePreviewScale::pscWholePage, {0, 0, 0, 0, true}, {1, 3, 1, 2}},
                                           TBarsCase{TCodePreviewScale::pscPageWidth, {0, 0, 0, 0, true}, {0, 765 + 26, 377, 0}}));

TEST_F(PrintPreviewTest, UserScaledHasBothBars) {
    Attach();
    EXPECT_EQ(*view.ScrollInfo(TScrollBarKind::Horizontal), (TViewScrollInfo{0, 820, 567, 0}));
    EXPECT_EQ(*view.ScrollInfo(TScrollBarKind::Vertical), (TViewScrollInfo{0, 1148, 377, 0}));
    preview.HorizontalScroll(TPreviewScrollAction::PageDown);
    EXPECT_EQ(preview.ScrollX(), -253);  // (567 - 820) at most
    EXPECT_EQ(view.ScrollInfo(TScrollBarKind::Horizontal)->Position, 253);
}

// Scroll actions at 100 %: a client of 377 high over an extent of 1148.
struct TScrollCase {
    TPreviewScrollAction action;
    int thumb;
    int from;
    int to;
};

class PrintPreviewScroll : public PrintPreviewTest, public ::testing::WithParamInterface<TScrollCase> {};

TEST_P(PrintPreviewScroll, MovesAndStopsAtTheEnds) {
    Attach();
    preview.VerticalScroll(TPreviewScrollAction::ThumbPosition, -GetParam().from);
    ASSERT_EQ(preview.ScrollY(), GetParam().from);
    preview.VerticalScroll(GetParam().action, GetParam().thumb);
    EXPECT_EQ(preview.ScrollY(), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintPreviewScroll,
                         ::testing::Values(TScrollCase{TPreviewScrollAction::LineDown, 0, 0, -37},
                                           TScrollCase{TPreviewScrollAction::LineUp, 0, -100, -63},
                                           TScrollCase{TPreviewScrollAction::LineUp, 0, -20, 0},
                                           TScrollCase{TPreviewScrollAction::PageDown, 0, -600, -771},
                                           TScrollCase{TPreviewScrollAction::PageUp, 0, -600, -412},
                                           TScrollCase{TPreviewScrollAction::ThumbTrack, 500, 0, -500},
                                           TScrollCase{TPreviewScrollAction::Top, 0, -500, 0},
                                           TScrollCase{TPreviewScrollAction::Bottom, 0, 0, -771}));

TEST_F(PrintPreviewTest, TheWheelScrollsAFullNotchAtATime) {
    Attach();
    preview.MouseWheel(-60);
    EXPECT_EQ(preview.ScrollY(), 0);
    preview.MouseWheel(-60);
    EXPECT_EQ(preview.ScrollY(), -120);
    EXPECT_EQ(view.PixelScrolls(), (std::vector<int>{-120}));
    preview.MouseWheel(-250);  // two notches, 10 left over
    EXPECT_EQ(preview.ScrollY(), -360);
    preview.MouseWheel(130);  // with the 10 left over, one notch back up
    EXPECT_EQ(preview.ScrollY(), -240);
}

TEST_F(PrintPreviewTest, InWholePageModeTheVerticalBarPagesAndTheWheelAndHorizontalBarDoNothing) {
    preview.SetScaleMode(TCodePreviewScale::pscWholePage);
    Attach();
    view.SetHintSize({60, 18});
    preview.MouseWheel(-240);
    preview.HorizontalScroll(TPreviewScrollAction::PageDown);
    EXPECT_EQ(preview.ScrollX(), 0);
    EXPECT_EQ(preview.ScrollY(), 0);
    EXPECT_TRUE(pages.empty());
    preview.VerticalScroll(TPreviewScrollAction::LineDown);
    preview.VerticalScroll(TPreviewScrollAction::PageDown);
    preview.VerticalScroll(TPreviewScrollAction::PageDown);
    preview.VerticalScroll(TPreviewScrollAction::LineUp);
    preview.VerticalScroll(TPreviewScrollAction::Top);
    preview.VerticalScroll(TPreviewScrollAction::Bottom);
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 3, 2, 1, 3}));
    preview.VerticalScroll(TPreviewScrollAction::ThumbTrack, 2);
    EXPECT_TRUE(view.HintState().Shown);
    EXPECT_EQ(view.HintState().Text, "Page: 2");
    EXPECT_EQ(view.HintState().X, 567 - 4 - 60);
    EXPECT_EQ(view.HintState().Y, 10);
    EXPECT_EQ(view.HintMaxWidth(), 200);
    preview.VerticalScroll(TPreviewScrollAction::EndScroll);
    EXPECT_FALSE(view.HintState().Shown);
    EXPECT_EQ(preview.CurrentPage(), 2);
    EXPECT_EQ(view.ScrollInfo(TScrollBarKind::Vertical)->Position, 2);
}

TEST_F(PrintPreviewTest, PagingStaysWithinTheDocumentAndReportsEveryMove) {
    Attach();
    preview.GoPreviousPage();
    preview.GoLastPage();
    preview.GoNextPage();
    preview.GoFirstPage();
    preview.GoNextPage();
    EXPECT_EQ(pages, (std::vector<int>{1, 3, 3, 1, 2}));
    EXPECT_EQ(preview.CurrentPage(), 2);
}

TEST_F(PrintPreviewTest, WithoutAnEngineOnlyASmallPageOutlineShows) {
    preview.Paint(canvas, {0, 0, 567, 377});
    using tips::platform::TFillCall;
    using tips::platform::TFrameCall;
    EXPECT_EQ(canvas.CallsOf<TFillCall>(), (std::vector<TFillCall>{{{0, 0, 567, 377}, tips::platform::clAppWorkSpace},
                                                                     {{12, 12, 42, 55}, tips::platform::clWhite}}));
    EXPECT_EQ(canvas.CallsOf<TFrameCall>(), (std::vector<TFrameCall>{{{12, 12, 42, 55}, tips::platform::clBlack}}));
    preview.GoPreviousPage();
    EXPECT_EQ(preview.CurrentPage(), 1);
}

TEST_F(PrintPreviewTest, ADestroyedEngineIsDroppedAndAGonePreviewIsNotTold) {
    {
        TCodeEditPrint gone;
        preview.SetCodeEditPrint(&gone);
        preview.SetCodeEditPrint(&engine);
        preview.SetCodeEditPrint(&gone);
    }
    EXPECT_EQ(preview.CodeEditPrint(), nullptr);
    int told = 0;
    {
        TCodeEditPrint shared;
        {
            TCodeEditPrintPreview other{view, view};
            other.SetCodeEditPrint(&shared);
        }
        preview.SetCodeEditPrint(&shared);
        shared.AddFreeNotification(&told, [&told] { ++told; });
    }
    // (The address sanitizer build sees a call into the preview that went away.)
    EXPECT_EQ(told, 1);
    EXPECT_EQ(preview.CodeEditPrint(), nullptr);
}

TEST_F(PrintPreviewTest, PaintsTheSheetItsShadowAndThePageMappedOntoIt) {
    preview.SetScaleMode(TCodePreviewScale::pscWholePage);
    Attach();
    canvas.Clear();
    preview.Paint(canvas, {0, 0, 567, 377});
    const int left = preview.SheetLeft();
    const int top = 12;
    const int right = left + 248;
    const int bottom = top + 351;
    using namespace tips::platform;
    const auto& calls = canvas.Calls();
    std::vector<TCanvasCall> head(calls.begin(), calls.begin() + 12);
    const std::vector<TCanvasCall> expected{
        TSaveStateCall{},
        TSaveStateCall{},
        TExcludeClipCall{{left, top, right + 1, bottom + 1}},
        TFillCall{{0, 0, 567, 377}, clAppWorkSpace},
        TPolylineCall{{{left + 1, bottom + 1}, {right + 1, bottom + 1}, {right + 1, top + 1}}, 0x808080},
        TPolylineCall{{{left + 2, bottom + 2}, {right + 2, bottom + 2}, {right + 2, top + 2}}, 0x808080},
        TRestoreStateCall{},
        TIntersectClipCall{{left, top, right + 1, bottom + 1}},
        TFillCall{{left, top, right + 1, bottom + 1}, clWhite},
        TFrameCall{{left, top, right + 1, bottom + 1}, clBlack},
        TMappingCall{TMapping{{0, 0}, {2481, 3507}, {left + 6, top + 5}, {248, 351}}},  // 65 * 248 / 2481, 50 * 351 / 3507
        TIntersectClipCall{{0, 0, 2358, 3407}},
    };
    EXPECT_EQ(head, expected);
    // Then the engine draws page 1 in printer pixels.
    const auto fills = canvas.CallsOf<TFillCall>();
    EXPECT_EQ(fills[2], (TFillCall{{230, 245, 2239, 3162}, clWhite}));
    EXPECT_EQ(canvas.CallsOf<TTextCall>().size(), 72u);
    EXPECT_EQ(canvas.SavedStates(), 0);
}

}  // namespace
