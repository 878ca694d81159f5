#include "skin/window_region.hpp"

#include "skin/nine_slice.hpp"

namespace tips::skin {
namespace {

// The opaque runs of one piece drawn onto `dest`, row by row.
void AddOpaqueRuns(const TSkinBorderElement& piece, const TNineSlice& slice, const TViewRect& dest,
                   std::vector<TViewRect>& rects) {
    for (int y = dest.Top; y < dest.Bottom; ++y) {
        int runStart = -1;
        for (int x = dest.Left; x <= dest.Right; ++x) {
            bool opaque = false;
            if (x < dest.Right) {
                const auto source = NineSliceSourcePixel(slice, dest, {x, y});
                opaque = !source || !(piece.Bitmap.At(source->X, source->Y) == kTransparentColour);
            }
            if (opaque && runStart < 0) runStart = x;
            if (!opaque && runStart >= 0) {
                rects.push_back({runStart, y, x, y + 1});
                runStart = -1;
            }
        }
    }
}

}  // namespace

std::optional<TNineSlice> BorderPieceSlice(const TSkinBorderElement& piece, bool vertical, bool active) {
    const int frame = active || piece.FrameCount <= 1 ? 1 : 2;
    return ElementSlice(piece, frame, vertical ? FrameLayout::SideBySide : FrameLayout::Stacked);
}

TWindowRegion WindowRegionFor(const TSkinData& skin, const TFrameLayout& layout) {
    struct Piece {
        const TSkinBorderElement& Element;
        bool Vertical;
        TViewRect Dest;
    };
    const Piece pieces[] = {{skin.Left, true, layout.Left},
                            {skin.Right, true, layout.Right},
                            {skin.Top, false, layout.Caption},
                            {skin.Bottom, false, layout.Bottom}};
    TWindowRegion region;
    for (const Piece& piece : pieces) {
        if (piece.Element.Trans == 1 && !piece.Element.Bitmap.Empty()) region.WholeWindow = false;
    }
    if (region.WholeWindow) return region;
    for (const Piece& piece : pieces) {
        if (piece.Dest.IsEmpty()) continue;
        const auto slice = BorderPieceSlice(piece.Element, piece.Vertical, true);
        if (piece.Element.Trans != 1 || !slice) region.Rects.push_back(piece.Dest);
        else AddOpaqueRuns(piece.Element, *slice, piece.Dest, region.Rects);
    }
    if (!layout.MenuBar.IsEmpty()) region.Rects.push_back(layout.MenuBar);
    if (!layout.Client.IsEmpty()) region.Rects.push_back(layout.Client);
    return region;
}

}  // namespace tips::skin
