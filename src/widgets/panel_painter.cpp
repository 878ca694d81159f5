#include "widgets/panel_painter.hpp"

namespace tips::widgets {

void PaintPanel(platform::TCanvas& canvas, platform::TViewSize client, TPanelBevel bevel) {
    const platform::TViewRect rect{0, 0, client.Width, client.Height};
    canvas.FillRect(rect, platform::clBtnFace);
    if (bevel == TPanelBevel::bvNone) return;
    canvas.DrawEdge(rect, bevel == TPanelBevel::bvRaised ? platform::bdrRaisedInner : platform::bdrSunkenOuter);
}

}  // namespace tips::widgets
