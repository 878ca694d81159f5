#pragma once
// Draws a skinned scroll bar over a control's standard one: the skin's Scrollbar colour, the track
// element between the arrows, the arrows from the Scrollbar strip and the thumb element.

#include "platform/canvas.hpp"
#include "skin/scroll_bar_layout.hpp"
#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

// The part being pressed (an arrow) or dragged (the thumb).
enum class TScrollPress { None, FirstArrow, SecondArrow, Thumb };

// Frames (from 1) of the 23-frame arrow strip: left 1, right 5, up 9, down 13, each one more pressed.
int ScrollArrowFrame(TScrollOrientation orientation, bool second, bool pressed);

class TScrollBarPainter {
public:
    TScrollBarPainter(const TSkinData& skin, TSkinBitmapCache& bitmaps) : skin_(skin), bitmaps_(bitmaps) {}

    // Nothing for a bar that is not sane in size.
    void Paint(platform::TCanvas& canvas, TScrollOrientation orientation, const TScrollBarParts& parts,
               TScrollPress press = TScrollPress::None) const;
    // The box where a horizontal and a vertical bar meet.
    void PaintCorner(platform::TCanvas& canvas, const TViewRect& corner) const;

private:
    void PaintElement(platform::TCanvas& canvas, const std::optional<TSkinElement>& element, int frame,
                      const TViewRect& dest) const;

    const TSkinData& skin_;
    TSkinBitmapCache& bitmaps_;
};

}  // namespace tips::skin
