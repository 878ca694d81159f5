#include "widgets/speed_button_painter.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "platform/recording_canvas.hpp"

namespace tips::widgets {
namespace {

using platform::TBitmapCall;
using platform::TCanvasCall;
using platform::TEdgeCall;
using platform::TFillCall;
using platform::TViewRect;

constexpr platform::TColor kMagenta = 0xFF00FF;

// 32 x 16: two images side by side, magenta at the bottom-left corner.
platform::TBitmap TwoImages() {
    platform::TBitmap glyph("print", 32, 16, 0x808080);
    glyph.Set(0, 15, kMagenta);
    return glyph;
}

struct TButtonCase {
    TButtonLook edge;
    bool enabled;
    int numGlyphs;
    std::optional<platform::TEdgeBorders> border;
    TViewRect source;
    platform::TViewPoint at;
};

class SpeedButtonPicture : public ::testing::TestWithParam<TButtonCase> {};

TEST_P(SpeedButtonPicture, FaceEdgeAndTheStatesImageInItsPlace) {
    const TButtonCase& c = GetParam();
    const platform::TBitmap glyph = TwoImages();
    platform::TRecordingCanvas canvas;
    PaintSpeedButton(canvas, {24, 24}, {c.edge, c.enabled, &glyph, c.numGlyphs});
    std::vector<TCanvasCall> expected{TFillCall{{0, 0, 24, 24}, platform::clBtnFace}};
    if (c.border) expected.push_back(TEdgeCall{{0, 0, 24, 24}, *c.border, platform::bfRect});
    const int width = c.source.Right - c.source.Left;
    expected.push_back(TBitmapCall{"print", c.source, {c.at.X, c.at.Y, c.at.X + width, c.at.Y + 16}, kMagenta});
    EXPECT_EQ(canvas.Calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, SpeedButtonPicture,
    ::testing::Values(
        TButtonCase{TButtonLook::blFlat, true, 2, std::nullopt, {0, 0, 16, 16}, {4, 4}},
        TButtonCase{TButtonLook::blRaised, true, 2, platform::bdrRaisedInner, {0, 0, 16, 16}, {4, 4}},
        // Pressed wants image 2; a two-image glyph has none, so the normal one, one pixel down and right.
        TButtonCase{TButtonLook::blSunken, true, 2, platform::bdrSunkenOuter, {0, 0, 16, 16}, {5, 5}},
        TButtonCase{TButtonLook::blFlat, false, 2, std::nullopt, {16, 0, 32, 16}, {4, 4}},
        // One image: the whole strip, wider than the button, centred with its odd pixel before it.
        TButtonCase{TButtonLook::blFlat, false, 1, std::nullopt, {0, 0, 32, 16}, {-3, 4}},
        TButtonCase{TButtonLook::blSunken, true, 3, platform::bdrSunkenOuter, {20, 0, 30, 16}, {8, 5}}));

TEST(SpeedButtonPainter, WithoutAGlyphOrWithImagesNarrowerThanAPixelOnlyTheFaceAndEdge) {
    platform::TRecordingCanvas canvas;
    PaintSpeedButton(canvas, {24, 22}, {TButtonLook::blRaised, true, nullptr, 1});
    const std::vector<TCanvasCall> faceAndEdge{TFillCall{{0, 0, 24, 22}, platform::clBtnFace},
                                               TEdgeCall{{0, 0, 24, 22}, platform::bdrRaisedInner, platform::bfRect}};
    EXPECT_EQ(canvas.Calls(), faceAndEdge);
    canvas.Clear();
    const platform::TBitmap narrow("narrow", 3, 16);
    PaintSpeedButton(canvas, {24, 22}, {TButtonLook::blRaised, true, &narrow, 4});
    EXPECT_EQ(canvas.Calls(), faceAndEdge);
    canvas.Clear();
    const platform::TBitmap empty;
    PaintSpeedButton(canvas, {24, 22}, {TButtonLook::blRaised, true, &empty, 1});
    EXPECT_EQ(canvas.Calls(), faceAndEdge);
}

}  // namespace
}  // namespace tips::widgets
