#pragma once
// The one nine-slice drawing routine of the skin: a frame of an element image cut into fixed corners,
// edges and a centre, laid onto any rectangle of a canvas. The frame, the menus and every control
// family draw their elements through it.
//
// Along each axis the image splits into a fixed start, a middle and a fixed end. The fixed parts keep
// their size; the middle is stretched or tiled to fill what is left. When the target (or the frame
// itself) is too short for both fixed parts, that axis drops its margins and the whole frame is
// stretched along it, so a small target still shows the whole picture rather than a torn one.

#include <optional>

#include "platform/bitmap.hpp"
#include "platform/canvas.hpp"
#include "skin/frame_strip.hpp"
#include "skin/skin_elements.hpp"

namespace tips::skin {

using platform::TViewPoint;
using platform::TViewRect;

struct TSliceMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TSliceMargins&, const TSliceMargins&) = default;
};

enum class TSliceFill { Stretch, Tile };

struct TNineSlice {
    TViewRect Frame;        // the frame's part of the bitmap
    TSliceMargins Margins;  // fixed parts, from the frame's edges
    TSliceFill Middle = TSliceFill::Stretch;  // the edges along their length and the centre
    std::optional<platform::TColor> Transparent;
    friend bool operator==(const TNineSlice&, const TNineSlice&) = default;
};

// Magenta, as the canvas takes it.
inline constexpr platform::TColor kMagenta = platform::RgbColor(255, 0, 255);

// The slice of frame `frameNumber` (from 1, as the skin numbers frames) of `image` holding
// `frameCount` frames, with the element's margins, its Tile setting and magenta transparent when
// Trans is 1. Nothing when the image is empty or the frame is out of range.
std::optional<TNineSlice> SliceOf(const Image& image, int frameCount, int frameNumber, const TSliceMargins& margins,
                                  TSliceFill middle, bool transparent, FrameLayout layout = FrameLayout::SideBySide);
// The same for an element's own image, frame count and settings.
std::optional<TNineSlice> ElementSlice(const TSkinElement& element, int frameNumber,
                                       FrameLayout layout = FrameLayout::SideBySide);
TSliceMargins ElementMargins(const TSkinElement& element);

// Draws `slice` of `bitmap` onto `dest`. Draws nothing (and answers false) for an empty target or
// frame, or a frame that does not lie inside the bitmap.
bool DrawNineSlice(platform::TCanvas& canvas, const platform::TBitmap& bitmap, const TNineSlice& slice,
                   const TViewRect& dest);

// The bitmap pixel that DrawNineSlice puts at `at` (a point of `dest`); nothing outside `dest` or when
// nothing would be drawn. The window region is cut from it.
std::optional<TViewPoint> NineSliceSourcePixel(const TNineSlice& slice, const TViewRect& dest, TViewPoint at);

}  // namespace tips::skin
