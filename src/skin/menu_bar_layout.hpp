#pragma once
// The skinned menu bar: where its items go, which of them an Alt+letter or an arrow key picks, and
// how its background is sliced.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/view_geometry.hpp"
#include "skin/nine_slice.hpp"
#include "skin/skin_elements.hpp"

namespace tips::skin {

struct TMenuBarItem {
    std::string Caption;  // with its '&' accelerator mark
    bool Enabled = true;
};

// A caption as shown: each lone '&' taken out, "&&" shown as one '&'.
std::string CaptionWithoutPrefix(std::string_view caption);
// The accelerator character (lower case, Windows-1252) after a lone '&'; nothing without one.
std::optional<char> AcceleratorOf(std::string_view caption);

// Item rectangles in the bar's coordinates (window coordinates when `bar` is): the first starts at the
// menu bar image's fixed left end + 4 (its fixed right end + 8 from the right for right-to-left menus),
// at 12 when the bar is narrower than that start, at 6 without an image; each is its shown text's
// width + 10 wide and one pixel less high than the bar, with no gaps and no wrapping.
std::vector<TViewRect> LayoutMenuBar(const TSkinElement& menuBar, const TViewRect& bar,
                                     const std::vector<TMenuBarItem>& items,
                                     const std::function<int(std::string_view)>& textWidth, bool rightToLeft = false);

// The index of the item whose accelerator is `key` (case-insensitive), the first one when several share it.
std::optional<std::size_t> ItemForAccelerator(const std::vector<TMenuBarItem>& items, char key);
// The item Left (step -1) or Right (+1) moves to while a drop-down is open, cyclically; swapped for
// right-to-left menus.
std::size_t NeighbourItem(std::size_t current, int step, std::size_t count, bool rightToLeft = false);

// The menu bar background: frame 1 active, 2 inactive (stacked); tiled whole with TileMenu 1, else
// three parts with the fixed ends the skin gives.
std::optional<TNineSlice> MenuBarSlice(const TSkinElement& menuBar, bool active);

}  // namespace tips::skin
