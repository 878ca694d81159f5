#include "widgets/panel_painter.hpp"

#include <gtest/gtest.h>

#include "platform/recording_canvas.hpp"

namespace tips::widgets {
namespace {

using platform::TCanvasCall;
using platform::TEdgeCall;
using platform::TFillCall;

TEST(PanelPainter, ButtonFaceWithinTheBevelAsked) {
    const TFillCall face{{0, 0, 120, 30}, platform::clBtnFace};
    const struct {
        TPanelBevel bevel;
        std::vector<TCanvasCall> calls;
    } cases[] = {
        {TPanelBevel::bvNone, {face}},
        {TPanelBevel::bvRaised, {face, TEdgeCall{{0, 0, 120, 30}, platform::bdrRaisedInner, platform::bfRect}}},
        {TPanelBevel::bvLowered, {face, TEdgeCall{{0, 0, 120, 30}, platform::bdrSunkenOuter, platform::bfRect}}},
    };
    for (const auto& c : cases) {
        platform::TRecordingCanvas canvas;
        PaintPanel(canvas, {120, 30}, c.bevel);
        EXPECT_EQ(canvas.Calls(), c.calls) << static_cast<int>(c.bevel);
    }
}

TEST(PanelPainter, AColourGivenFillsInPlaceOfTheButtonFace) {
    const platform::TColor skinFace = platform::RgbColor(204, 204, 204);
    platform::TRecordingCanvas canvas;
    PaintPanel(canvas, {40, 20}, TPanelBevel::bvNone, skinFace);
    EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{TFillCall{{0, 0, 40, 20}, skinFace}}));
}

}  // namespace
}  // namespace tips::widgets
