// The nine-slice routine: which parts of a frame go where for every kind of target, with the
// transparent colour handed to the canvas, and the pixel mapping the window region is cut by.

#include "skin/nine_slice.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::skin {
namespace {

using platform::TBitmapCall;
using platform::TRecordingCanvas;

struct Piece {
    TViewRect Source;
    TViewRect Dest;
    friend bool operator==(const Piece&, const Piece&) = default;
};

void PrintTo(const Piece& piece, std::ostream* out) {
    *out << "{" << piece.Source.Left << "," << piece.Source.Top << "," << piece.Source.Right << ","
         << piece.Source.Bottom << " -> " << piece.Dest.Left << "," << piece.Dest.Top << "," << piece.Dest.Right
         << "," << piece.Dest.Bottom << "}";
}

// The pieces drawn, in reading order of their places (the order of the calls is no concern).
std::vector<Piece> Pieces(const TRecordingCanvas& canvas) {
    std::vector<Piece> pieces;
    for (const TBitmapCall& call : canvas.CallsOf<TBitmapCall>()) pieces.push_back({call.Source, call.Dest});
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.Dest.Top != b.Dest.Top ? a.Dest.Top < b.Dest.Top : a.Dest.Left < b.Dest.Left;
    });
    return pieces;
}

// A strip of three 10 x 6 frames side by side.
const platform::TBitmap kStrip("strip", 30, 6);

TNineSlice SecondFrame(TSliceMargins margins, TSliceFill fill) {
    return TNineSlice{{10, 0, 20, 6}, margins, fill, std::nullopt};
}

struct SliceCase {
    const char* Name;
    TNineSlice Slice;
    TViewRect Dest;
    std::vector<Piece> Expected;
};

class NineSliceLayout : public ::testing::TestWithParam<SliceCase> {};

TEST_P(NineSliceLayout, DrawsEachPartWhereItBelongs) {
    TRecordingCanvas canvas;
    const SliceCase& c = GetParam();
    EXPECT_EQ(DrawNineSlice(canvas, kStrip, c.Slice, c.Dest), !c.Expected.empty());
    EXPECT_EQ(Pieces(canvas), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NineSliceLayout,
    ::testing::Values(
        // Corners at their size, edges and centre stretched to fill a 16 x 10 target.
        SliceCase{"Stretched",
                  SecondFrame({2, 1, 3, 2}, TSliceFill::Stretch),
                  {100, 50, 116, 60},
                  {{{10, 0, 12, 1}, {100, 50, 102, 51}},
                   {{12, 0, 17, 1}, {102, 50, 113, 51}},
                   {{17, 0, 20, 1}, {113, 50, 116, 51}},
                   {{10, 1, 12, 4}, {100, 51, 102, 58}},
                   {{12, 1, 17, 4}, {102, 51, 113, 58}},
                   {{17, 1, 20, 4}, {113, 51, 116, 58}},
                   {{10, 4, 12, 6}, {100, 58, 102, 60}},
                   {{12, 4, 17, 6}, {102, 58, 113, 60}},
                   {{17, 4, 20, 6}, {113, 58, 116, 60}}}},
        // Tiled: the 5-pixel middle repeats, the last tile cut short; rows likewise.
        SliceCase{"Tiled",
                  SecondFrame({2, 0, 3, 0}, TSliceFill::Tile),
                  {0, 0, 17, 8},
                  {{{10, 0, 12, 6}, {0, 0, 2, 6}},
                   {{12, 0, 17, 6}, {2, 0, 7, 6}},
                   {{12, 0, 17, 6}, {7, 0, 12, 6}},
                   {{12, 0, 14, 6}, {12, 0, 14, 6}},
                   {{17, 0, 20, 6}, {14, 0, 17, 6}},
                   {{10, 0, 12, 2}, {0, 6, 2, 8}},
                   {{12, 0, 17, 2}, {2, 6, 7, 8}},
                   {{12, 0, 17, 2}, {7, 6, 12, 8}},
                   {{12, 0, 14, 2}, {12, 6, 14, 8}},
                   {{17, 0, 20, 2}, {14, 6, 17, 8}}}},
        // Exactly the margins' width: the middle column is empty and not drawn.
        SliceCase{"TargetAsWideAsTheMargins",
                  SecondFrame({2, 0, 3, 0}, TSliceFill::Stretch),
                  {0, 0, 5, 6},
                  {{{10, 0, 12, 6}, {0, 0, 2, 6}}, {{17, 0, 20, 6}, {2, 0, 5, 6}}}},
        // Narrower than the margins: that axis drops them and the whole frame is squeezed in; the
        // other axis keeps its own.
        SliceCase{"NarrowerThanTheMargins",
                  SecondFrame({2, 1, 3, 2}, TSliceFill::Tile),
                  {0, 0, 4, 9},
                  {{{10, 0, 20, 1}, {0, 0, 4, 1}},
                   {{10, 1, 20, 4}, {0, 1, 4, 4}},
                   {{10, 1, 20, 4}, {0, 4, 4, 7}},
                   {{10, 4, 20, 6}, {0, 7, 4, 9}}}},
        // Margins wider than the frame itself cannot be cut from it: stretched whole.
        SliceCase{"MarginsWiderThanTheFrame",
                  SecondFrame({6, 0, 6, 0}, TSliceFill::Stretch),
                  {0, 0, 40, 6},
                  {{{10, 0, 20, 6}, {0, 0, 40, 6}}}},
        // A frame that is all margin cannot fill a wider target's middle: stretched whole.
        SliceCase{"NoMiddleToFillWith",
                  SecondFrame({5, 0, 5, 0}, TSliceFill::Tile),
                  {0, 0, 30, 6},
                  {{{10, 0, 20, 6}, {0, 0, 30, 6}}}},
        SliceCase{"EmptyTarget", SecondFrame({2, 1, 3, 2}, TSliceFill::Stretch), {5, 5, 5, 20}, {}},
        SliceCase{"InvertedTarget", SecondFrame({2, 1, 3, 2}, TSliceFill::Stretch), {9, 9, 3, 3}, {}},
        SliceCase{"FrameOutsideTheBitmap", TNineSlice{{25, 0, 35, 6}, {}, TSliceFill::Stretch, std::nullopt},
                  {0, 0, 10, 6}, {}}),
    [](const auto& test) { return std::string(test.param.Name); });

// Rows tile as columns do: the last tile of the middle rows is cut short above the bottom margin.
TEST(NineSlice, LastRowTileIsCutShort) {
    TRecordingCanvas canvas;
    DrawNineSlice(canvas, kStrip, SecondFrame({0, 1, 0, 2}, TSliceFill::Tile), {0, 0, 10, 8});
    EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{{10, 0, 20, 1}, {0, 0, 10, 1}},
                                                  {{10, 1, 20, 4}, {0, 1, 10, 4}},
                                                  {{10, 1, 20, 3}, {0, 4, 10, 6}},
                                                  {{10, 4, 20, 6}, {0, 6, 10, 8}}}));
}

TEST(NineSlice, HandsTheTransparentColourToEveryDraw) {
    TRecordingCanvas canvas;
    TNineSlice slice = SecondFrame({2, 1, 3, 2}, TSliceFill::Tile);
    slice.Transparent = kMagenta;
    DrawNineSlice(canvas, kStrip, slice, {0, 0, 30, 20});
    const auto calls = canvas.CallsOf<TBitmapCall>();
    ASSERT_FALSE(calls.empty());
    for (const TBitmapCall& call : calls) {
        EXPECT_EQ(call.Transparent, platform::RgbColor(255, 0, 255));
        EXPECT_EQ(call.Name, "strip");
    }
}

TEST(NineSlice, SliceOfAnElementPicksItsFrameAndSettings) {
    TSkinElement element;
    element.Bitmap = Image(50, 8);
    element.FrameCount = 5;
    element.LeftWidth = 3;
    element.RightWidth = 2;
    element.TopHeight = 1;
    element.BottomHeight = 1;
    element.Tile = 1;
    element.Trans = 1;
    const auto fourth = ElementSlice(element, 4);
    ASSERT_TRUE(fourth);
    EXPECT_EQ(fourth->Frame, (TViewRect{30, 0, 40, 8}));
    EXPECT_EQ(fourth->Margins, (TSliceMargins{3, 1, 2, 1}));
    EXPECT_EQ(fourth->Middle, TSliceFill::Tile);
    EXPECT_EQ(fourth->Transparent, kMagenta);

    element.Trans = 0;
    element.Tile = 0;
    const auto first = ElementSlice(element, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Middle, TSliceFill::Stretch);
    EXPECT_FALSE(first->Transparent);

    EXPECT_FALSE(ElementSlice(element, 0)) << "frames count from 1";
    EXPECT_FALSE(ElementSlice(element, 6)) << "beyond the last frame";
    const auto stacked = SliceOf(Image(10, 40), 2, 2, {}, TSliceFill::Stretch, false, FrameLayout::Stacked);
    ASSERT_TRUE(stacked);
    EXPECT_EQ(stacked->Frame, (TViewRect{0, 20, 10, 40}));
    EXPECT_FALSE(ElementSlice(TSkinElement{}, 1)) << "no image";
}

// The pixel mapping agrees with the pieces drawn: each target pixel maps into the piece covering it.
TEST(NineSlice, SourcePixelAgreesWithTheDrawnPieces) {
    for (const TSliceFill fill : {TSliceFill::Stretch, TSliceFill::Tile}) {
        const TNineSlice slice = SecondFrame({2, 1, 3, 2}, fill);
        const TViewRect dest{4, 7, 27, 22};
        TRecordingCanvas canvas;
        DrawNineSlice(canvas, kStrip, slice, dest);
        const auto pieces = Pieces(canvas);
        for (int y = dest.Top; y < dest.Bottom; ++y) {
            for (int x = dest.Left; x < dest.Right; ++x) {
                const auto source = NineSliceSourcePixel(slice, dest, {x, y});
                ASSERT_TRUE(source);
                const auto covering = std::find_if(pieces.begin(), pieces.end(), [&](const Piece& p) {
                    return x >= p.Dest.Left && x < p.Dest.Right && y >= p.Dest.Top && y < p.Dest.Bottom;
                });
                ASSERT_NE(covering, pieces.end());
                EXPECT_GE(source->X, covering->Source.Left);
                EXPECT_LT(source->X, covering->Source.Right);
                EXPECT_GE(source->Y, covering->Source.Top);
                EXPECT_LT(source->Y, covering->Source.Bottom);
            }
        }
        EXPECT_FALSE(NineSliceSourcePixel(slice, dest, {dest.Right, dest.Top}));
    }
}

}  // namespace
}  // namespace tips::skin
