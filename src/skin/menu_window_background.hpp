#pragma once
// The background of a skinned popup menu window: the MenuBackground element over the whole window
// (kept as the menu's cached background), the area the system paints the items in, and the copies
// that put the cached background's 3-pixel border onto the window's frame.

#include <vector>

#include "platform/canvas.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;
using platform::TViewSize;

inline constexpr int kMenuBorder = 3;

// Draws the background over (0, 0, size); false (nothing drawn) without a MenuBackground image.
bool PaintMenuBackground(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinData& skin, TViewSize size);

// The window inset by the border: where the items are painted, clipped.
TViewRect MenuItemsArea(TViewSize size);

struct TBorderCopy {
    TViewRect Source;  // in the cached background
    TViewRect Dest;    // in the window
    friend bool operator==(const TBorderCopy&, const TBorderCopy&) = default;
};
// The top and bottom strips copied as they are, the left and right strips stretched to the window's
// height, from a cached background of `cached` size onto a window of `window` size. Nothing when either
// is too small for the border.
std::vector<TBorderCopy> MenuBorderCopies(TViewSize cached, TViewSize window);

}  // namespace tips::skin
