#pragma once
// How a plain container panel looks: the button face, optionally within a one-pixel raised or
// lowered bevel.

#include "platform/canvas.hpp"

namespace tips::widgets {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

void PaintPanel(platform::TCanvas& canvas, platform::TViewSize client, TPanelBevel bevel);

}  // namespace tips::widgets
