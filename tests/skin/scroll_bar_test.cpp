// Skinned scroll bars: the pieces for a range, page and position, and what the painter draws for them.

#include "skin/scroll_bar_layout.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/nine_slice.hpp"
#include "skin/scroll_bar_painter.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

struct ThumbCase {
    const char* Name;
    TScrollRange Range;
    TViewRect Thumb;
};

class ScrollThumb : public ::testing::TestWithParam<ThumbCase> {};

// A vertical bar 16 wide and 216 high: 16-pixel arrows and a 184-pixel track from y 16.
TEST_P(ScrollThumb, SitsWhereThePositionSays) {
    const TScrollBarParts parts =
        LayoutScrollBar(TScrollOrientation::Vertical, {100, 0, 116, 216}, 16, GetParam().Range);
    EXPECT_EQ(parts.FirstArrow, (TViewRect{100, 0, 116, 16}));
    EXPECT_EQ(parts.SecondArrow, (TViewRect{100, 200, 116, 216}));
    EXPECT_EQ(parts.Track, (TViewRect{100, 16, 116, 200}));
    EXPECT_EQ(parts.Thumb, GetParam().Thumb);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ScrollThumb,
    ::testing::Values(ThumbCase{"Top", {0, 99, 25, 0}, {100, 16, 116, 62}},
                      ThumbCase{"Bottom", {0, 99, 25, 75}, {100, 154, 116, 200}},
                      ThumbCase{"Middle", {0, 99, 25, 37}, {100, 84, 116, 130}},
                      ThumbCase{"PastTheEndIsClamped", {0, 99, 25, 500}, {100, 154, 116, 200}},
                      ThumbCase{"BeforeTheStartIsClamped", {10, 109, 25, 0}, {100, 16, 116, 62}},
                      ThumbCase{"TinyPageKeepsTheMinimum", {0, 9999, 1, 0}, {100, 16, 116, 24}},
                      ThumbCase{"NoPageIsArrowLong", {0, 10, 0, 10}, {100, 184, 116, 200}},
                      ThumbCase{"PageHoldsEverything", {0, 99, 100, 0}, {}},
                      ThumbCase{"EmptyRange", {5, 4, 0, 0}, {}}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(ScrollBarLayout, ShortBarsHalveTheArrowsAndLoseTheThumb) {
    const TScrollBarParts parts = LayoutScrollBar(TScrollOrientation::Horizontal, {0, 50, 20, 66}, 16, {0, 99, 10, 0});
    EXPECT_EQ(parts.FirstArrow, (TViewRect{0, 50, 10, 66}));
    EXPECT_EQ(parts.SecondArrow, (TViewRect{10, 50, 20, 66}));
    EXPECT_TRUE(parts.Track.IsEmpty());
    EXPECT_TRUE(parts.Thumb.IsEmpty());
    const TScrollBarParts roomless = LayoutScrollBar(TScrollOrientation::Horizontal, {0, 0, 38, 16}, 16, {0, 99, 10, 0});
    EXPECT_TRUE(roomless.Thumb.IsEmpty()) << "a 6-pixel track cannot hold an 8-pixel thumb";
    EXPECT_TRUE(LayoutScrollBar(TScrollOrientation::Vertical, {}, 16, {}).FirstArrow.IsEmpty());
}

TEST(ScrollBarLayout, SaneSizes) {
    EXPECT_TRUE(ScrollBarSizeSane({0, 0, 16, 9999}));
    EXPECT_FALSE(ScrollBarSizeSane({0, 0, 16, 10000}));
    EXPECT_FALSE(ScrollBarSizeSane({0, 0, 0, 100}));
}

TEST(ScrollBarPainter, ArrowFrames) {
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Horizontal, false, false), 1);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Horizontal, false, true), 2);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Horizontal, true, false), 5);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Horizontal, true, true), 6);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Vertical, false, false), 9);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Vertical, false, true), 10);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Vertical, true, false), 13);
    EXPECT_EQ(ScrollArrowFrame(TScrollOrientation::Vertical, true, true), 14);
}

// The grid's vertical bar from the embedded skin: background, track, both arrows, the thumb.
TEST(ScrollBarPainter, VerticalBarFromTheEmbeddedSkin) {
    TSkinBitmapCache bitmaps;
    const TScrollBarPainter painter(EmbeddedModel(), bitmaps);
    const TScrollBarParts parts = LayoutScrollBar(TScrollOrientation::Vertical, {100, 0, 116, 216}, 16, {0, 99, 25, 37});
    for (const TScrollPress press : {TScrollPress::None, TScrollPress::SecondArrow, TScrollPress::Thumb}) {
        platform::TRecordingCanvas canvas;
        painter.Paint(canvas, TScrollOrientation::Vertical, parts, press);
        const auto fills = canvas.CallsOf<platform::TFillCall>();
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].Rect, parts.Bar);
        EXPECT_EQ(fills[0].Color, EmbeddedModel().Colours.Scrollbar);
        std::map<std::string, std::vector<platform::TBitmapCall>> byElement;
        for (const auto& call : canvas.CallsOf<platform::TBitmapCall>()) byElement[call.Name].push_back(call);
        ASSERT_EQ(byElement["Scrollbar"].size(), 2u);
        EXPECT_EQ(byElement["Scrollbar"][0].Source, (TViewRect{8 * 16, 0, 9 * 16, 16})) << "up arrow, frame 9";
        EXPECT_EQ(byElement["Scrollbar"][0].Dest, parts.FirstArrow);
        const int down = press == TScrollPress::SecondArrow ? 13 : 12;
        EXPECT_EQ(byElement["Scrollbar"][1].Source, (TViewRect{down * 16, 0, down * 16 + 16, 16}));
        EXPECT_EQ(byElement["Scrollbar"][1].Dest, parts.SecondArrow);
        ASSERT_FALSE(byElement["VertScroll"].empty());
        for (const auto& call : byElement["VertScroll"]) {
            EXPECT_LT(call.Source.Right, 64 / 4 + 1) << "track frame 1 of 4";
            EXPECT_GE(call.Dest.Top, parts.Track.Top);
            EXPECT_LE(call.Dest.Bottom, parts.Track.Bottom);
        }
        ASSERT_FALSE(byElement["VertScrollThumb"].empty());
        const int thumbFrame = press == TScrollPress::Thumb ? 1 : 0;
        for (const auto& call : byElement["VertScrollThumb"]) {
            EXPECT_GE(call.Source.Left, thumbFrame * 16);
            EXPECT_LE(call.Source.Right, thumbFrame * 16 + 16);
            EXPECT_GE(call.Dest.Top, parts.Thumb.Top);
            EXPECT_LE(call.Dest.Bottom, parts.Thumb.Bottom);
            EXPECT_EQ(call.Transparent, kMagenta);
        }
    }
}

TEST(ScrollBarPainter, InsaneBarsAndTheCorner) {
    TSkinBitmapCache bitmaps;
    const TScrollBarPainter painter(EmbeddedModel(), bitmaps);
    platform::TRecordingCanvas canvas;
    painter.Paint(canvas, TScrollOrientation::Vertical,
                  LayoutScrollBar(TScrollOrientation::Vertical, {0, 0, 16, 20000}, 16, {}));
    EXPECT_TRUE(canvas.Calls().empty());
    painter.PaintCorner(canvas, {200, 200, 216, 216});
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(std::get<platform::TFillCall>(canvas.Calls()[0]).Color, platform::RgbColor(204, 204, 204));
}

}  // namespace
}  // namespace tips::skin
