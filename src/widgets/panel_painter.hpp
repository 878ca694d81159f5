#pragma once
// How a plain container panel looks: its colour (the button face unless set), optionally within a one-pixel raised or
// lowered bevel.

#include "platform/canvas.hpp"

namespace tips::widgets {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

void PaintPanel(platform::TCanvas& canvas, platform::TViewSize client, TPanelBevel bevel,
                platform::TColor color = platform::clBtnFace);

}  // namespace tips::widgets
