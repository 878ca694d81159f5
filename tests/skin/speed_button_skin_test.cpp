// The skinned speed button: glyph and caption places by layout, margin and spacing, and the frame and
// glyph cell drawn for each state.

#include "skin/speed_button_skin.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/nine_slice.hpp"

namespace tips::skin {
namespace {

TEST(SpeedButtonPlaces, ByLayoutMarginAndSpacing) {
    const TViewSize client{100, 40};
    const TViewSize glyph{16, 16};
    const TViewSize text{30, 12};
    struct Case {
        const char* Name;
        TButtonLayout Layout;
        int Margin;
        int Spacing;
        TViewSize Glyph;
        TViewSize Caption;
        TViewPoint GlyphAt;
        TViewPoint CaptionAt;
    };
    const Case cases[] = {
        // 16 + 4 + 30 = 50 centred in 100: margin 25.
        {"centred left", TButtonLayout::blGlyphLeft, -1, 4, glyph, text, {25, 12}, {45, 14}},
        {"centred right", TButtonLayout::blGlyphRight, -1, 4, glyph, text, {100 - 25 - 16, 12}, {59 - 4 - 30, 14}},
        {"even spread", TButtonLayout::blGlyphLeft, -1, -1, glyph, text, {18, 12}, {18 + 16 + 18, 14}},
        {"fixed margin", TButtonLayout::blGlyphLeft, 5, 4, glyph, text, {5, 12}, {25, 14}},
        {"fixed margin, spread", TButtonLayout::blGlyphLeft, 5, -1, glyph, text, {5, 12}, {5 + 16 + 24, 14}},
        {"glyph on top", TButtonLayout::blGlyphTop, -1, 2, glyph, text, {42, 5}, {35, 23}},
        {"glyph below", TButtonLayout::blGlyphBottom, 3, 2, glyph, text, {42, 21}, {35, 7}},
        {"glyph only, centred", TButtonLayout::blGlyphLeft, -1, 4, glyph, {}, {42, 12}, {58, 20}},
    };
    for (const Case& c : cases) {
        const TGlyphCaptionPlaces places = PlaceGlyphAndCaption(client, c.Glyph, c.Caption, c.Layout, c.Margin, c.Spacing);
        EXPECT_EQ(places.Glyph, c.GlyphAt) << c.Name;
        EXPECT_EQ(places.Caption, c.CaptionAt) << c.Name;
    }
}

TEST(SpeedButtonSkin, FrameAndGlyphCellForEachState) {
    TSkinBitmapCache bitmaps;
    const TSpeedButtonSkin painter(testing::EmbeddedModel(), bitmaps);
    const platform::TBitmap glyph("glyph", 64, 16);  // four 16 x 16 cells
    const platform::TPlainFont font({"Tahoma", -11, {}});
    struct Case {
        TSkinSpeedButtonState State;
        int Frame;
        int Cell;
    };
    const Case cases[] = {
        {{}, 1, 1},
        {{false, false, true, true}, 4, 1},
        {{true, false, false, true}, 2, 3},
        {{false, true, false, true}, 2, 3},
        {{false, false, true, false}, 3, 2},
    };
    const int frameWidth = 230 / 5;
    for (const Case& c : cases) {
        platform::TRecordingCanvas canvas;
        TSkinSpeedButtonLook look;
        look.State = c.State;
        look.Glyph = &glyph;
        look.GlyphCells = 4;
        look.GlyphTransparent = platform::RgbColor(0, 128, 128);
        ASSERT_TRUE(painter.Paint(canvas, {25, 25}, "", look, font));
        std::vector<platform::TBitmapCall> element;
        std::vector<platform::TBitmapCall> glyphs;
        for (const auto& call : canvas.CallsOf<platform::TBitmapCall>()) (call.Name == "glyph" ? glyphs : element).push_back(call);
        ASSERT_FALSE(element.empty());
        for (const auto& call : element) {
            EXPECT_GE(call.Source.Left, (c.Frame - 1) * frameWidth) << c.Frame;
            EXPECT_LE(call.Source.Right, c.Frame * frameWidth) << c.Frame;
            EXPECT_EQ(call.Transparent, kMagenta);
        }
        ASSERT_EQ(glyphs.size(), 1u);
        EXPECT_EQ(glyphs[0].Source, (TViewRect{(c.Cell - 1) * 16, 0, c.Cell * 16, 16})) << c.Cell;
        EXPECT_EQ(glyphs[0].Dest, (TViewRect{5, 5, 21, 21})) << "centred";
        EXPECT_EQ(glyphs[0].Transparent, platform::RgbColor(0, 128, 128));
        EXPECT_TRUE(canvas.CallsOf<platform::TTextCall>().empty()) << "no caption";
    }
    // A one-cell glyph draws its only cell whatever the state.
    platform::TRecordingCanvas canvas;
    const platform::TBitmap single("single", 16, 16);
    TSkinSpeedButtonLook pressed;
    pressed.State.Pressed = true;
    pressed.Glyph = &single;
    painter.Paint(canvas, {25, 25}, "", pressed, font);
    EXPECT_EQ(canvas.CallsOf<platform::TBitmapCall>().back().Source, (TViewRect{0, 0, 16, 16}));
}

}  // namespace
}  // namespace tips::skin
