// The preview window's own rules: zooming by mouse and by the zoom menu, the page status, the hint.

#include <gtest/gtest.h>

#include <vector>

#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "print/preview_window_rules.hpp"
#include "print_test_support.hpp"

namespace {

using namespace tips::print;

class PreviewWindowRules : public ::testing::Test {
protected:
    PreviewWindowRules() {
        preview.SetCodeEditPrint(&engine);
        preview.SetScaleMode(TCodePreviewScale::pscWholePage);
        preview.RefreshLayout(canvas);
    }
    // The percentages after each click, left (true) or not.
    std::vector<int> Clicks(const std::vector<bool>& buttons) {
        std::vector<int> seen;
        for (const bool left : buttons) {
            ZoomByMouse(preview, left);
            EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscUserScaled);
            seen.push_back(preview.ScalePercent());
        }
        return seen;
    }

    tips::testing::TFakePrinterPort port{std::nullopt};
    tips::platform::TMemoryViewPort view{{567, 377}, {8, 16}};
    tips::platform::TRecordingCanvas canvas;
    TCodeEditPrint engine;
    TCodeEditPrintPreview preview{view, view};
};

TEST_F(PreviewWindowRules, LeftClicksGoFromTheWholePageTo100ThenDoubleUpTo400) {
    EXPECT_EQ(Clicks({true, true, true, true}), (std::vector<int>{100, 200, 400, 400}));
}

TEST_F(PreviewWindowRules, OtherClicksHalveDownTo25) {
    EXPECT_EQ(Clicks({true, false, false, false}), (std::vector<int>{100, 50, 25, 25}));
}

TEST_F(PreviewWindowRules, ARightClickOnTheWholePageHalvesTheLastPercentage) {
    ZoomByMenuTag(preview, 400);
    ZoomByMenuTag(preview, kZoomTagWholePage);
    EXPECT_EQ(Clicks({false}), (std::vector<int>{200}));
}

TEST_F(PreviewWindowRules, TheZoomMenuTags) {
    ZoomByMenuTag(preview, kZoomTagPageWidth);
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscPageWidth);
    ZoomByMenuTag(preview, 25);
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscUserScaled);
    EXPECT_EQ(preview.ScalePercent(), 25);
    ZoomByMenuTag(preview, kZoomTagWholePage);
    EXPECT_EQ(preview.ScaleMode(), TCodePreviewScale::pscWholePage);
}

TEST(PreviewWindowTexts, PageStatusAndPrintHint) {
    EXPECT_EQ(PreviewPageStatus(1), " Page: 1");
    EXPECT_EQ(PreviewPageStatus(12), " Page: 12");
    EXPECT_EQ(PrintActionHint(std::nullopt), "Print|Print the document");
    EXPECT_EQ(PrintActionHint("Letter PDF"), "Print (Letter PDF)|Print the document on Letter PDF");
}

}  // namespace
