#include "skin/nine_slice.hpp"

#include <algorithm>
#include <array>

namespace tips::skin {
namespace {

// One part of an axis: where it comes from in the bitmap and where it goes on the target.
struct Segment {
    int SourceStart = 0;
    int SourceLength = 0;
    int DestStart = 0;
    int DestLength = 0;
    bool Tiled = false;
};

// The three parts of one axis (some possibly empty), or one stretched part when the margins drop.
std::array<Segment, 3> SplitAxis(int sourceStart, int sourceLength, int destStart, int destLength, int low,
                                 int high, bool tileMiddle) {
    low = std::max(low, 0);
    high = std::max(high, 0);
    const int sourceMiddle = sourceLength - low - high;
    const int destMiddle = destLength - low - high;
    // Margins drop where they do not fit the target or the frame, or leave nothing to fill a middle with.
    if (destMiddle < 0 || sourceMiddle < 0 || (sourceMiddle == 0 && destMiddle > 0)) {
        return {Segment{sourceStart, sourceLength, destStart, destLength, false}, Segment{}, Segment{}};
    }
    return {Segment{sourceStart, low, destStart, low, false},
            Segment{sourceStart + low, sourceMiddle, destStart + low, destMiddle, tileMiddle},
            Segment{sourceStart + low + sourceMiddle, high, destStart + low + destMiddle, high, false}};
}

bool Usable(const platform::TBitmap& bitmap, const TNineSlice& slice, const TViewRect& dest) {
    return !dest.IsEmpty() && !slice.Frame.IsEmpty() && bitmap.Holds(slice.Frame);
}

std::array<Segment, 3> Columns(const TNineSlice& slice, const TViewRect& dest) {
    return SplitAxis(slice.Frame.Left, slice.Frame.Right - slice.Frame.Left, dest.Left, dest.Right - dest.Left,
                     slice.Margins.Left, slice.Margins.Right, slice.Middle == TSliceFill::Tile);
}

std::array<Segment, 3> Rows(const TNineSlice& slice, const TViewRect& dest) {
    return SplitAxis(slice.Frame.Top, slice.Frame.Bottom - slice.Frame.Top, dest.Top, dest.Bottom - dest.Top,
                     slice.Margins.Top, slice.Margins.Bottom, slice.Middle == TSliceFill::Tile);
}

// The pieces of one axis as drawn: a stretched segment is one piece, a tiled one a piece per tile,
// the last cut short.
template <typename Visit>
void ForEachPiece(const Segment& segment, Visit&& visit) {
    if (segment.DestLength <= 0 || segment.SourceLength <= 0) return;
    if (!segment.Tiled) {
        visit(segment.SourceStart, segment.SourceLength, segment.DestStart, segment.DestLength);
        return;
    }
    for (int offset = 0; offset < segment.DestLength; offset += segment.SourceLength) {
        const int length = std::min(segment.SourceLength, segment.DestLength - offset);
        visit(segment.SourceStart, length, segment.DestStart + offset, length);
    }
}

std::optional<int> MapOnAxis(const std::array<Segment, 3>& segments, int at) {
    for (const Segment& segment : segments) {
        if (segment.DestLength <= 0 || at < segment.DestStart || at >= segment.DestStart + segment.DestLength) continue;
        const int offset = at - segment.DestStart;
        if (segment.Tiled) return segment.SourceStart + offset % segment.SourceLength;
        return segment.SourceStart + offset * segment.SourceLength / segment.DestLength;
    }
    return std::nullopt;
}

}  // namespace

TSliceMargins ElementMargins(const TSkinElement& element) {
    return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

std::optional<TNineSlice> SliceOf(const Image& image, int frameCount, int frameNumber, const TSliceMargins& margins,
                                  TSliceFill middle, bool transparent, FrameLayout layout) {
    if (image.Empty()) return std::nullopt;
    const FrameRect frame = FrameOf(image, frameCount, frameNumber - 1, layout);
    if (frame.Empty()) return std::nullopt;
    TNineSlice slice;
    slice.Frame = {frame.x, frame.y, frame.x + frame.width, frame.y + frame.height};
    slice.Margins = margins;
    slice.Middle = middle;
    if (transparent) slice.Transparent = kMagenta;
    return slice;
}

std::optional<TNineSlice> ElementSlice(const TSkinElement& element, int frameNumber, FrameLayout layout) {
    return SliceOf(element.Bitmap, element.FrameCount, frameNumber, ElementMargins(element),
                   element.Tile == 1 ? TSliceFill::Tile : TSliceFill::Stretch, element.Trans == 1, layout);
}

bool DrawNineSlice(platform::TCanvas& canvas, const platform::TBitmap& bitmap, const TNineSlice& slice,
                   const TViewRect& dest) {
    if (!Usable(bitmap, slice, dest)) return false;
    const auto columns = Columns(slice, dest);
    const auto rows = Rows(slice, dest);
    for (const Segment& row : rows) {
        for (const Segment& column : columns) {
            ForEachPiece(row, [&](int sourceY, int sourceHeight, int destY, int destHeight) {
                ForEachPiece(column, [&](int sourceX, int sourceWidth, int destX, int destWidth) {
                    canvas.DrawBitmap(bitmap, {sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight},
                                      TViewRect{destX, destY, destX + destWidth, destY + destHeight}, slice.Transparent);
                });
            });
        }
    }
    return true;
}

std::optional<TViewPoint> NineSliceSourcePixel(const TNineSlice& slice, const TViewRect& dest, TViewPoint at) {
    if (dest.IsEmpty() || slice.Frame.IsEmpty()) return std::nullopt;
    const auto x = MapOnAxis(Columns(slice, dest), at.X);
    const auto y = MapOnAxis(Rows(slice, dest), at.Y);
    if (!x || !y) return std::nullopt;
    return TViewPoint{*x, *y};
}

}  // namespace tips::skin
