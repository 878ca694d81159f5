// The editor's painting properties: the font rule, the cell measured by the text drawer, what each
// colour change repaints, the line background, and a bookmark image list that goes away.

#include <gtest/gtest.h>

#include <memory>

#include "editor/custom_code_edit.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/image_list.hpp"
#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::editor {
namespace {

using platform::TViewRect;
using platform::TViewSize;

// Fixed-pitch fonts: cells half as wide as high (one wider in bold), italic one pixel taller;
// other fonts have characters of unequal widths.
platform::TTextMetrics ScreenMetrics(const platform::TFontDescription& font) {
    platform::TTextMetrics metrics = platform::TRecordingCanvas::DefaultMetrics(font);
    if (font.Style.Contains(platform::fsItalic)) metrics.Height += 1;
    if (font.Pitch != platform::TFontPitch::fpFixed) metrics.MaxCharWidth = metrics.AverageCharWidth * 2;
    return metrics;
}

// A window whose metrics answer with the editor's own measuring, as the real window does.
class TMeasuringPort final : public platform::TMemoryWindowServices, public platform::TViewMetrics {
public:
    TViewSize ClientSize() const override { return {400, 160}; }
    TViewSize CharacterCell(platform::TFontStyles style) const override { return editor->MeasuredCell(style); }
    TCustomCodeEdit* editor = nullptr;
};

class TCountingImages final : public platform::TImageList {
public:
    int Count() const override { return 4; }
    void Draw(platform::TCanvas&, int, platform::TViewPoint) const override {}
};

class PaintPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetScreenCanvasPort(&screen_);
        editor_ = std::make_unique<TCustomCodeEdit>();
        port_.editor = editor_.get();
        editor_->AttachView(&port_, &port_);
        port_.ClearRecords();
    }
    void TearDown() override {
        editor_.reset();
        platform::SetScreenCanvasPort(nullptr);
    }

    platform::TRecordingScreenCanvasPort screen_{ScreenMetrics};
    TMeasuringPort port_;
    std::unique_ptr<TCustomCodeEdit> editor_;
};

TEST_F(PaintPropertiesTest, TheCellFollowsTheFontAsTheDrawerMeasuresIt) {
    // Courier New 10 points without highlighter: 7 x 13.
    EXPECT_EQ(editor_->TextColumnWidth(), 7);
    EXPECT_EQ(editor_->TextRowHeight(), 13);
    EXPECT_EQ(editor_->MeasuredCell(platform::fsBold), (TViewSize{8, 13}));
    EXPECT_EQ(editor_->MeasuredCell(platform::fsItalic), (TViewSize{7, 14}));

    // A bold italic font: the column from the bold cell, the row from the italic one.
    TCodeEditFont font = editor_->Font();
    font.Description.Height = -20;
    font.Description.Style = platform::TFontStyles(platform::fsBold) | platform::fsItalic;
    editor_->SetFont(font);
    EXPECT_EQ(editor_->TextColumnWidth(), 11);
    EXPECT_EQ(editor_->TextRowHeight(), 21);
    EXPECT_EQ(editor_->VisibleColumns(), (400 - editor_->GutterExtent() - 2) / 11);
    // The drawer ends on the cell the text is laid out by.
    EXPECT_EQ(editor_->TextDrawer().CellWidth(), 11);
}

TEST_F(PaintPropertiesTest, AProportionalFontLendsOnlyItsSizeStyleAndColour) {
    const TCodeEditFont arial{{"Arial", -16, platform::fsBold, platform::kAnsiCharSet, platform::TFontPitch::fpVariable},
                              platform::RgbColor(1, 2, 3)};
    editor_->SetFont(arial);
    const TCodeEditFont& font = editor_->Font();
    EXPECT_EQ(font.Description.Face, "Courier New");
    EXPECT_EQ(font.Description.Height, -16);
    EXPECT_EQ(font.Description.Style, platform::TFontStyles(platform::fsBold));
    EXPECT_EQ(font.Description.Pitch, platform::TFontPitch::fpFixed);
    EXPECT_EQ(font.Description.CharSet, platform::kDefaultCharSet);
    EXPECT_EQ(font.Color, platform::RgbColor(1, 2, 3));

    const TCodeEditFont lucida{{"Lucida Console", -12, {}, platform::kAnsiCharSet, platform::TFontPitch::fpFixed},
                               platform::clBlack};
    editor_->SetFont(lucida);
    EXPECT_EQ(editor_->Font(), lucida);
}

TEST_F(PaintPropertiesTest, ColourChangesRepaintWhatTheyChange) {
    editor_->SetRightEdgeColor(platform::clSilver);  // unchanged
    EXPECT_TRUE(port_.Invalidated().empty());

    // Right edge after column 80: x = 80 * 7 + 32; the strip of the line and the pixel left of it.
    editor_->SetRightEdgeColor(platform::RgbColor(255, 0, 0));
    ASSERT_EQ(port_.Invalidated().size(), 1U);
    EXPECT_EQ(port_.Invalidated()[0], (TViewRect{80 * 7 + 32 - 1, 0, 80 * 7 + 32 + 1, 160}));

    port_.ClearRecords();
    editor_->SelectedColor().SetBackground(platform::RgbColor(0, 255, 0));
    editor_->SelectedColor().SetForeground(platform::clHighlightText);  // unchanged
    editor_->SetColor(platform::RgbColor(0, 0, 255));
    ASSERT_EQ(port_.Invalidated().size(), 2U);
    EXPECT_EQ(port_.Invalidated()[0], (TViewRect{0, 0, 400, 160}));
    EXPECT_EQ(port_.Invalidated()[1], (TViewRect{0, 0, 400, 160}));

    // A new gutter font repaints the gutter (its width follows the text's cell, not the font).
    port_.ClearRecords();
    TCodeEditFont gutterFont = editor_->Gutter().Font();
    gutterFont.Color = platform::clBlack;
    editor_->Gutter().SetFont(gutterFont);
    ASSERT_EQ(port_.Invalidated().size(), 1U);
    EXPECT_EQ(port_.Invalidated()[0], (TViewRect{0, 0, editor_->GutterExtent(), 160}));
}

TEST_F(PaintPropertiesTest, TheLineBackgroundIsTheWhitespaceBackgroundWhenItHasOne) {
    editor_->SetColor(platform::RgbColor(9, 9, 9));
    EXPECT_EQ(editor_->LineBackground(), platform::RgbColor(9, 9, 9));
    highlight::TVBHighlighter highlighter;
    editor_->SetHighlighter(&highlighter);
    EXPECT_EQ(editor_->LineBackground(), platform::RgbColor(9, 9, 9));  // the whitespace has none
    highlighter.StandardAttribute(highlight::StandardAttributeKind::Whitespace)->SetBackground(platform::clSilver);
    EXPECT_EQ(editor_->LineBackground(), platform::clSilver);
    highlighter.SetEnabled(false);
    EXPECT_EQ(editor_->LineBackground(), platform::clSilver);
    editor_->SetHighlighter(nullptr);
}

TEST_F(PaintPropertiesTest, ADestroyedImageListIsDroppedAndTheGutterRepainted) {
    auto images = std::make_unique<TCountingImages>();
    editor_->BookMarkOptions().SetBookmarkImages(images.get());
    port_.ClearRecords();
    images.reset();
    EXPECT_EQ(editor_->BookMarkOptions().BookmarkImages(), nullptr);
    ASSERT_EQ(port_.Invalidated().size(), 1U);
    EXPECT_EQ(port_.Invalidated()[0], (TViewRect{0, 0, editor_->GutterExtent(), 160}));

    // An editor that goes first leaves the list nothing to tell.
    TCountingImages kept;
    {
        TCustomCodeEdit other;
        other.BookMarkOptions().SetBookmarkImages(&kept);
    }
}

}  // namespace
}  // namespace tips::editor
