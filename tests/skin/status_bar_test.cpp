// The skinned status bar's panels and the edit box's border.

#include "skin/status_bar_painter.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/control_painters.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

const platform::TPlainFont kFont({"Tahoma", -11, platform::TFontStyles(platform::fsBold)});

TEST(StatusBar, PanelsSideBySideTheLastToTheRightEdge) {
    const std::vector<TStatusPanel> panels{{"a", 100}, {"b", 50}, {"c", 10}};
    EXPECT_EQ(LayoutStatusPanels({0, 400, 300, 420}, panels),
              (std::vector<TViewRect>{{0, 400, 100, 420}, {100, 400, 150, 420}, {150, 400, 300, 420}}));
    EXPECT_EQ(LayoutStatusPanels({0, 0, 120, 20}, panels),
              (std::vector<TViewRect>{{0, 0, 100, 20}, {100, 0, 120, 20}, {120, 0, 120, 20}}))
        << "panels past the right edge are cut, never inverted";
    EXPECT_TRUE(LayoutStatusPanels({0, 0, 120, 20}, {}).empty());
    EXPECT_EQ(StatusPanelFrame(TStatusPanelBevel::pbLowered), 1);
    EXPECT_EQ(StatusPanelFrame(TStatusPanelBevel::pbRaised), 2);
    EXPECT_EQ(StatusPanelFrame(TStatusPanelBevel::pbNone), 3);
}

TEST(StatusBar, DrawnFromTheEmbeddedSkin) {
    TSkinBitmapCache bitmaps;
    const TStatusBarPainter painter(EmbeddedModel(), bitmaps);
    platform::TRecordingCanvas canvas;
    TStatusPanel right{"12 trucos", 80, TStatusPanelBevel::pbRaised, TStatusPanelAlignment::taRightJustify};
    TStatusPanel rtl{"x", 50, TStatusPanelBevel::pbLowered, TStatusPanelAlignment::taRightJustify, true};
    painter.Paint(canvas, {0, 0, 300, 20}, {right, rtl}, "", kFont, {284, 4, 300, 20});
    const auto fills = canvas.CallsOf<platform::TFillCall>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Color, platform::RgbColor(204, 204, 204));
    const int frameWidth = 96 / 3;
    std::vector<platform::TBitmapCall> edges;
    std::vector<platform::TBitmapCall> grip;
    for (const auto& call : canvas.CallsOf<platform::TBitmapCall>()) (call.Name == "StatusBarEdges" ? edges : grip).push_back(call);
    ASSERT_FALSE(edges.empty());
    EXPECT_GE(edges.front().Source.Left, frameWidth) << "raised: frame 2";
    EXPECT_LT(edges.back().Source.Right, frameWidth + 1) << "lowered: frame 1";
    EXPECT_EQ(edges.back().Dest.Right, 300) << "the last panel reaches the right edge";
    ASSERT_FALSE(grip.empty());
    EXPECT_EQ(grip.front().Name, "ExtraImages");
    const auto texts = canvas.CallsOf<platform::TTextBoxCall>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].Format & platform::tfRight, 0u);
    EXPECT_EQ(texts[1].Format & platform::tfRight, 0u) << "right-to-left swaps right for left";
    EXPECT_TRUE(texts[0].Font.Style == platform::TFontStyles()) << "regular style";
    EXPECT_EQ(texts[0].Foreground, EmbeddedModel().StatusBarEdges->NormalColour2);
}

TEST(StatusBar, SimpleTextAndNoImage) {
    TSkinData skin = EmbeddedModel();
    skin.StatusBarEdges.reset();
    TSkinBitmapCache bitmaps;
    platform::TRecordingCanvas canvas;
    TStatusBarPainter(skin, bitmaps).Paint(canvas, {0, 0, 300, 20}, {{"a", 100}}, "", kFont);
    EXPECT_EQ(canvas.CallsOf<platform::TEdgeCall>().size(), 1u) << "the plain panel drawing";
    platform::TRecordingCanvas simple;
    TStatusBarPainter(EmbeddedModel(), bitmaps).Paint(simple, {0, 0, 300, 20}, {}, "Listo", kFont);
    const auto texts = simple.CallsOf<platform::TTextBoxCall>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "Listo");
}

TEST(EditBorder, ShadowOutsideBackgroundInside) {
    platform::TRecordingCanvas canvas;
    PaintEditBorder(canvas, EmbeddedModel(), {0, 0, 120, 21}, platform::clWhite);
    const auto frames = canvas.CallsOf<platform::TFrameCall>();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (platform::TFrameCall{{0, 0, 120, 21}, platform::RgbColor(153, 153, 153)}));
    EXPECT_EQ(frames[1], (platform::TFrameCall{{1, 1, 119, 20}, platform::clWhite}));
    platform::TRecordingCanvas tiny;
    PaintEditBorder(tiny, EmbeddedModel(), {0, 0, 2, 2}, platform::clWhite);
    EXPECT_EQ(tiny.CallsOf<platform::TFrameCall>().size(), 1u);
}

}  // namespace
}  // namespace tips::skin
