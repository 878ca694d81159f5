#pragma once
// How a splitter bar looks: its edge, its fill, and the grip button with its dots and arrows, drawn
// on a canvas in the panel's client coordinates.

#include "platform/canvas.hpp"
#include "platform/view_geometry.hpp"
#include "widgets/splitter_bar.hpp"

namespace tips::widgets {

// Paints `bar` inside `barRect` and returns where its grip button is (empty for a bar without one;
// the bar keeps it for clicks and hover). `background` fills a transparent bar instead of its Color.
platform::TViewRect PaintSplitterBar(platform::TCanvas& canvas, const TExtSplitterBarItem& bar,
                                     const platform::TViewRect& barRect, platform::TColor background);

}  // namespace tips::widgets
