#pragma once
// Draws a skinned window's frame from the skin model: the left, right and bottom pieces, the title
// bar (top piece, the fixed title text, the title-bar buttons) and the menu bar, for a window size
// and state. What goes where is decided by the layout classes; this only draws it.

#include <optional>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/font.hpp"
#include "skin/caption_text.hpp"
#include "skin/frame_layout.hpp"
#include "skin/menu_bar_painter.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/title_buttons.hpp"

namespace tips::skin {

struct TFrameScene {
    TViewSize Size;
    TFrameWindowTraits Traits;
    TFrameWindowState State;
    int MenuBarHeight = 0;  // the system's menu bar height; used when the window has a menu
    std::vector<TMenuBarItem> MenuItems;
    // The element under the mouse: a title-bar button (index into the skin's SysButtons) or a menu item.
    std::optional<int> CurrentButton;
    std::optional<std::size_t> CurrentMenuItem;
    TNcState CurrentState = TNcState::Normal;
    const platform::TBitmap* Icon = nullptr;  // the small icon on magenta, for the icon buttons
};

// Everything laid out for one scene, in window coordinates.
struct TFrameGeometry {
    TFrameMetrics Metrics;
    TFrameLayout Layout;
    TCaptionTextLayout CaptionText;
    std::vector<TTitleButton> Buttons;
    std::vector<TViewRect> MenuItemRects;
};

class TSkinFramePainter {
public:
    TSkinFramePainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps), menuBar_(skin, bitmaps) {}

    // Lays the scene out, measuring the title text in `titleFont` and the menu items in `menuFont` on
    // `canvas`.
    TFrameGeometry Layout(platform::TCanvas& canvas, const TFrameScene& scene, const platform::TFont& titleFont,
                          const platform::TFont& menuFont) const;

    // The whole frame; nothing for windows whose frame is not drawn.
    void Paint(platform::TCanvas& canvas, const TFrameScene& scene, const platform::TFont& titleFont,
               const platform::TFont& menuFont) const;

    // One title-bar button alone, after its state changed.
    void PaintButton(platform::TCanvas& canvas, const TTitleButton& button, const TTitleButtonLook& look,
                     const platform::TBitmap* icon) const;

private:
    void PaintPiece(platform::TCanvas& canvas, const TSkinBorderElement& piece, bool vertical, bool active,
                    const TViewRect& dest) const;
    void PaintCaptionText(platform::TCanvas& canvas, const TFrameScene& scene, const TFrameGeometry& geometry,
                          const platform::TFont& titleFont) const;

    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
    TMenuBarPainter menuBar_;
};

}  // namespace tips::skin
