// The text drawer, its font stock and the shared fonts info records, measured on a recording screen
// (cells half as wide as the font is high, one pixel wider in bold) and drawn on a recording canvas.

#include <gtest/gtest.h>

#include <string>

#include "editor/font_stock.hpp"
#include "editor/fonts_info_manager.hpp"
#include "editor/text_drawer.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::editor {
namespace {

using platform::fsBold;
using platform::fsItalic;
using platform::fsUnderline;
using platform::TFontDescription;
using platform::TFontStyles;

TFontDescription Courier(TFontStyles style = {}) {
    return {"Courier New", -13, style, platform::kDefaultCharSet, platform::TFontPitch::fpFixed};
}

class TextDrawerTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetScreenCanvasPort(&screen_); }
    void TearDown() override { platform::SetScreenCanvasPort(nullptr); }

    platform::TRecordingScreenCanvasPort screen_;
};

TEST_F(TextDrawerTest, FontsDifferingOnlyInItalicUnderlineOrStrikeOutShareOneRecordButWeightsDoNot) {
    const int before = TFontsInfoManager::Instance().RecordCount();
    TTextDrawer plain(fsBold, Courier());
    TTextDrawer italic(fsBold, Courier(fsItalic));
    TTextDrawer underlined(fsBold, Courier(TFontStyles(fsItalic) | fsUnderline | platform::fsStrikeOut));
    TTextDrawer bold(fsBold, Courier(fsBold));

    EXPECT_EQ(plain.Stock().FontsInfo(), italic.Stock().FontsInfo());
    EXPECT_EQ(plain.Stock().FontsInfo(), underlined.Stock().FontsInfo());
    EXPECT_NE(plain.Stock().FontsInfo(), bold.Stock().FontsInfo());
    EXPECT_EQ(plain.Stock().FontsInfo()->RefCount, 3);
    EXPECT_EQ(plain.Stock().FontsInfo()->LockCount, 3);
    EXPECT_EQ(TFontsInfoManager::Instance().RecordCount(), before + 2);
    // The key keeps the weight but none of the three flags.
    EXPECT_EQ(plain.Stock().BaseDescription(), Courier());
    EXPECT_EQ(bold.Stock().BaseDescription(), Courier(fsBold));
}

TEST_F(TextDrawerTest, SettingTheSameBaseFontTwiceKeepsTheRecordAndItsCount) {
    TTextDrawer drawer(fsBold, Courier());
    const TFontsInfo* record = drawer.Stock().FontsInfo();
    const int count = record->RefCount;
    drawer.SetBaseFont(Courier());
    drawer.SetBaseFont(Courier(fsUnderline));  // the same key as well
    EXPECT_EQ(drawer.Stock().FontsInfo(), record);
    EXPECT_EQ(record->RefCount, count);
    EXPECT_EQ(record->LockCount, 1);
}

TEST_F(TextDrawerTest, RecordsAndTheirFontsLiveAsLongAsTheirLastUser) {
    const int before = TFontsInfoManager::Instance().RecordCount();
    const TFontDescription font{"Lucida Console", -20, {}, platform::kDefaultCharSet, platform::TFontPitch::fpFixed};
    auto first = std::make_unique<TTextDrawer>(fsBold, font);
    const int made = screen_.OpenedCount();
    {
        // A second drawer of the same font makes and measures nothing: the fonts are shared.
        TTextDrawer second(fsBold, font);
        EXPECT_EQ(screen_.OpenedCount(), made);
        EXPECT_EQ(second.CellWidth(), first->CellWidth());
    }
    EXPECT_EQ(TFontsInfoManager::Instance().RecordCount(), before + 1);
    EXPECT_EQ(first->Stock().FontsInfo()->RefCount, 1);
    first.reset();
    EXPECT_EQ(TFontsInfoManager::Instance().RecordCount(), before);
    // Every measurement gave its screen canvas back.
    EXPECT_EQ(screen_.OpenNow(), 0);
    // A new drawer makes the fonts again.
    TTextDrawer again(fsBold, font);
    EXPECT_GT(screen_.OpenedCount(), made);
}

TEST_F(TextDrawerTest, ChangingTheBaseFontReleasesTheOldRecord) {
    const int before = TFontsInfoManager::Instance().RecordCount();
    TTextDrawer drawer(fsBold, Courier());
    drawer.SetBaseFont(TFontDescription{"Arial", -13, {}, platform::kAnsiCharSet, platform::TFontPitch::fpDefault});
    EXPECT_EQ(TFontsInfoManager::Instance().RecordCount(), before + 1);
    EXPECT_EQ(drawer.Stock().BaseDescription().Face, "Arial");
}

TEST_F(TextDrawerTest, TheCellIsMeasuredInTheMetricStyleWhateverStyleDraws) {
    TTextDrawer drawer(fsBold, Courier());
    // Courier New of 13 pixels: 7 wide, 8 in bold.
    EXPECT_EQ(drawer.CellWidth(), 8);
    EXPECT_EQ(drawer.CellHeight(), 13);
    ASSERT_NE(drawer.CurrentFont(), nullptr);
    EXPECT_EQ(drawer.CurrentFont()->Description().Style, TFontStyles{});

    platform::TRecordingCanvas canvas;
    drawer.StartOutput(canvas);
    drawer.DrawCells(10, 20, {{10, 20, 50, 33}, true, true}, "Abc");
    drawer.SelectStyle(fsItalic);
    drawer.DrawCells(34, 20, {{34, 20, 60, 33}, true, true}, "de");
    drawer.DrawPlain(0, 40, "fg");
    drawer.FinishOutput();

    const auto texts = canvas.CallsOf<platform::TTextCall>();
    ASSERT_EQ(texts.size(), 3U);
    // Plain text keeps the font's own spacing and has no box.
    EXPECT_TRUE(texts[2].Advances.empty());
    EXPECT_FALSE(texts[2].Box.has_value());
    EXPECT_EQ(texts[2].At, (platform::TViewPoint{0, 40}));
    EXPECT_EQ(texts[0].Font.Style, TFontStyles{});
    EXPECT_EQ(texts[0].Advances, (std::vector<int>{8, 8, 8}));
    EXPECT_EQ(texts[1].Font.Style, TFontStyles(fsItalic));
    EXPECT_EQ(texts[1].Advances, (std::vector<int>{8, 8}));
    EXPECT_EQ(texts[0].Box, (platform::TTextBox{{10, 20, 50, 33}, true, true}));
}

TEST_F(TextDrawerTest, TheAdvanceArrayGrowsToTheNextMultipleOf64AboveTheLength) {
    struct Case {
        int length;
        std::size_t capacity;
    };
    TTextDrawer drawer(fsBold, Courier());
    platform::TRecordingCanvas canvas;
    const TTextDrawerOutput output(drawer, canvas);
    EXPECT_TRUE(drawer.CellAdvances().empty());
    // Grows only when too short: after 64 entries for 63 characters, 64 characters need 128.
    for (const Case c : {Case{1, 64}, Case{63, 64}, Case{64, 128}, Case{10, 128}, Case{200, 256}}) {
        const std::string text(static_cast<std::size_t>(c.length), 'x');
        const int* before = drawer.CellAdvances().data();
        const std::size_t oldSize = drawer.CellAdvances().size();
        drawer.DrawCells(0, 0, {{0, 0, 100, 13}, true, true}, text);
        EXPECT_EQ(drawer.CellAdvances().size(), c.capacity) << c.length;
        if (oldSize == c.capacity) {
            EXPECT_EQ(drawer.CellAdvances().data(), before) << "reused for " << c.length;
        }
        for (const int advance : drawer.CellAdvances()) EXPECT_EQ(advance, 8);
        EXPECT_EQ(canvas.CallsOf<platform::TTextCall>().back().Advances.size(), static_cast<std::size_t>(c.length));
    }
}

TEST_F(TextDrawerTest, ChangingTheMetricStyleDiscardsTheAdvancesAndTheNextRunUsesTheNewWidth) {
    TTextDrawer drawer(fsBold, Courier());
    platform::TRecordingCanvas canvas;
    const TTextDrawerOutput output(drawer, canvas);
    drawer.DrawCells(0, 0, {{0, 0, 100, 13}, true, true}, "abc");
    drawer.SetMetricStyle({});
    EXPECT_TRUE(drawer.CellAdvances().empty());
    EXPECT_EQ(drawer.CellWidth(), 7);
    drawer.DrawCells(0, 0, {{0, 0, 100, 13}, true, true}, "abcd");
    EXPECT_EQ(canvas.CallsOf<platform::TTextCall>().back().Advances, (std::vector<int>{7, 7, 7, 7}));
    // The drawing font stays the one selected.
    EXPECT_EQ(canvas.CallsOf<platform::TTextCall>().back().Font.Style, TFontStyles{});
    // The same style again changes nothing.
    drawer.SetMetricStyle({});
    EXPECT_EQ(drawer.CellAdvances().size(), 64U);
}

TEST_F(TextDrawerTest, OutputNestsOnOneCanvasAndFinishWithoutStartLeavesNothing) {
    TTextDrawer drawer(fsBold, Courier());
    drawer.FinishOutput();
    EXPECT_EQ(drawer.DrawingCanvas(), nullptr);
    EXPECT_EQ(drawer.DrawingCount(), 0);

    platform::TRecordingCanvas canvas;
    drawer.StartOutput(canvas);
    drawer.StartOutput(canvas);
    EXPECT_EQ(canvas.SavedStates(), 1);
    EXPECT_EQ(drawer.DrawingCount(), 2);
    drawer.FinishOutput();
    EXPECT_EQ(drawer.DrawingCanvas(), &canvas);
    drawer.FinishOutput();
    EXPECT_EQ(drawer.DrawingCanvas(), nullptr);
    EXPECT_EQ(drawer.DrawingCount(), 0);
    EXPECT_EQ(canvas.SavedStates(), 0);
    // Drawing outside an output does nothing.
    drawer.DrawCells(0, 0, {{0, 0, 10, 10}, true, true}, "x");
    EXPECT_TRUE(canvas.CallsOf<platform::TTextCall>().empty());
}

TEST_F(TextDrawerTest, ColoursAreResolvedOnTheCanvasAndKeptBetweenOutputs) {
    TTextDrawer drawer(fsBold, Courier());
    EXPECT_EQ(drawer.TextColor(), platform::clWindowText);
    EXPECT_EQ(drawer.BackColor(), platform::clWindow);
    platform::TRecordingCanvas canvas;
    drawer.StartOutput(canvas);
    EXPECT_EQ(canvas.TextColor(), platform::clBlack);
    EXPECT_EQ(canvas.BackColor(), platform::clWhite);
    drawer.ChangeBackColor(platform::clHighlight);  // applied at once while drawing
    EXPECT_EQ(canvas.BackColor(), platform::RgbColor(0, 0, 128));
    drawer.FinishOutput();
    EXPECT_EQ(canvas.BackColor(), platform::clWhite);  // the canvas got its state back

    drawer.ChangeTextColor(platform::RgbColor(1, 2, 3));
    platform::TRecordingCanvas other;
    drawer.StartOutput(other);
    EXPECT_EQ(other.TextColor(), platform::RgbColor(1, 2, 3));
    EXPECT_EQ(other.BackColor(), platform::RgbColor(0, 0, 128));
    ASSERT_NE(drawer.CurrentFont(), nullptr);
    EXPECT_EQ(other.Font(), drawer.CurrentFont()->Description());
    drawer.FinishOutput();
}

TEST_F(TextDrawerTest, AMissingBaseFontFailsAndLeavesEverythingAsItWas) {
    TTextDrawer drawer(fsBold, Courier(fsItalic));
    drawer.ChangeTextColor(platform::RgbColor(9, 9, 9));
    const TFontsInfo* record = drawer.Stock().FontsInfo();
    const platform::TFont* font = drawer.CurrentFont();
    try {
        drawer.SetBaseFont(nullptr);
        FAIL() << "no exception";
    } catch (const ETextDrawerException& error) {
        EXPECT_STREQ(error.what(), "SetBaseFont: 'Value' must be specified.");
    }
    EXPECT_EQ(drawer.Stock().FontsInfo(), record);
    EXPECT_EQ(drawer.CurrentFont(), font);
    EXPECT_EQ(drawer.CellWidth(), 8);
    EXPECT_EQ(drawer.CellHeight(), 13);
    EXPECT_EQ(drawer.TextColor(), platform::RgbColor(9, 9, 9));

    TFontStock stock;
    EXPECT_THROW(stock.SetBaseFont(nullptr), EFontStockException);
    EXPECT_EQ(stock.FontsInfo(), nullptr);
}

TEST(FontCellTest, MeasuresFromTheWidthsOfMPlusOverhangOrFromTheAverageWidthAlone) {
    struct Case {
        bool widthsKnown;
        int overhang;
        int expectedAdvance;
    };
    // A 17-pixel font: 9 wide (the recording canvas's "M" is as wide as the average). The overhang
    // counts only with the character widths; a negative height counts as its absolute value.
    for (const Case c : {Case{true, 0, 9}, Case{true, 2, 11}, Case{false, 2, 9}}) {
        platform::TRecordingScreenCanvasPort screen(
            [c](const TFontDescription& font) {
                platform::TTextMetrics metrics = platform::TRecordingCanvas::DefaultMetrics(font);
                metrics.Overhang = c.overhang;
                metrics.Height = -metrics.Height;
                return metrics;
            },
            c.widthsKnown);
        platform::SetScreenCanvasPort(&screen);
        {
            TTextDrawer drawer({}, TFontDescription{"Fixed Test", -17, {}, 1, platform::TFontPitch::fpFixed});
            EXPECT_EQ(drawer.CellWidth(), c.expectedAdvance) << c.widthsKnown << " " << c.overhang;
            EXPECT_EQ(drawer.CellHeight(), 17);
        }
        platform::SetScreenCanvasPort(nullptr);
    }
}

}  // namespace
}  // namespace tips::editor
