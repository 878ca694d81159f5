#pragma once
// Draws the skinned menu bar: its background from the skin's menu bar image (or the Menubar colour
// without one) and each item normal, hot or pressed.

#include <optional>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/menu_bar_layout.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"
#include "skin/title_buttons.hpp"

namespace tips::skin {

struct TMenuBarScene {
    TViewRect Bar;
    std::vector<TMenuBarItem> Items;
    std::vector<TViewRect> ItemRects;  // from LayoutMenuBar
    bool Active = true;
    std::optional<std::size_t> Current;  // the hot or pressed item
    TNcState CurrentState = TNcState::Normal;
};

class TMenuBarPainter {
public:
    TMenuBarPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}

    // The whole bar in `font` (drawn in its regular style).
    void Paint(platform::TCanvas& canvas, const TMenuBarScene& scene, const platform::TFont& font) const;
    // One item over its own piece of the background.
    void PaintItem(platform::TCanvas& canvas, const TMenuBarScene& scene, std::size_t item,
                   const platform::TFont& font) const;

private:
    void PaintBackground(platform::TCanvas& canvas, const TViewRect& bar, bool active) const;
    void PaintCaption(platform::TCanvas& canvas, const TMenuBarScene& scene, std::size_t item) const;

    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

}  // namespace tips::skin
