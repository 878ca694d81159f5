#pragma once
// The skinned status bar: ButtonFace behind, each panel's edge from the StatusBarEdges element
// (lowered 1, raised 2, no bevel 3) and its text in the element's NormalColour2, the last panel
// reaching the right edge, and the size grip from ExtraImages frame 5.

#include <string>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;

enum class TStatusPanelBevel { pbLowered, pbRaised, pbNone };
enum class TStatusPanelAlignment { taLeftJustify, taRightJustify, taCenter };

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
    TStatusPanelAlignment Alignment = TStatusPanelAlignment::taLeftJustify;
    bool RightToLeft = false;  // swaps left and right alignment
};

int StatusPanelFrame(TStatusPanelBevel bevel);

// Panel rectangles side by side from the left; the last one reaches the bar's right edge.
std::vector<TViewRect> LayoutStatusPanels(const TViewRect& bar, const std::vector<TStatusPanel>& panels);

class TStatusBarPainter {
public:
    TStatusBarPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}

    // Simple text when `panels` is empty. `font` is drawn in its regular style. `grip` is the size grip's
    // rectangle, empty for none.
    void Paint(platform::TCanvas& canvas, const TViewRect& bar, const std::vector<TStatusPanel>& panels,
               const std::string& simpleText, const platform::TFont& font, const TViewRect& grip = {}) const;

private:
    void PaintPanel(platform::TCanvas& canvas, const TViewRect& rect, const TStatusPanel& panel) const;

    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

}  // namespace tips::skin
