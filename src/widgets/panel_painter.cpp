#include "widgets/panel_painter.hpp"

namespace tips::widgets {

void PaintPanel(platform::TCanvas& canvas, platform::TViewSize client, TPanelBevel bevel, platform::TColor color) {
    const platform::TViewRect rect{0, 0, client.Width, client.Height};
    canvas.FillRect(rect, color);
    if (bevel == TPanelBevel::bvNone) return;
    canvas.DrawEdge(rect, bevel == TPanelBevel::bvRaised ? platform::bdrRaisedInner : platform::bdrSunkenOuter);
}

}  // namespace tips::widgets
