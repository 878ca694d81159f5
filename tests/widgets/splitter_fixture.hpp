#pragma once
// A splitter panel core with a window that records what it was asked to do, set up as the main
// window stores its panel: two panes, one bar at 304 / 45 %, 10 wide, grip with arrows, no bevel.

#include <vector>

#include "platform/recording_canvas.hpp"
#include "widgets/splitter_drag.hpp"
#include "widgets/splitter_hover_cursor.hpp"
#include "widgets/splitter_layout.hpp"

namespace tips::widgets::testing {

class TRecordingSplitterWindow final : public TExtSplitterView, public TExtSplitterDragPort {
public:
    void PlacePanes(const std::vector<TSplitterPanePlacement>& placements) override {
        panes = placements;
        ++placeCount;
    }
    void InvalidatePanel() override { ++panelRepaints; }
    void InvalidateBar(const platform::TViewRect& rect) override { barRepaints.push_back(rect); }
    void InvertGhost(const platform::TViewRect& rect) override { ghosts.push_back(rect); }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }

    std::vector<TSplitterPanePlacement> panes;
    int placeCount = 0;
    int panelRepaints = 0;
    std::vector<platform::TViewRect> barRepaints;
    std::vector<platform::TViewRect> ghosts;
    bool captured = false;
};

struct TMainWindowSplitter {
    TMainWindowSplitter() {
        layout.BeginLoading();
        layout.AddPane();
        layout.AddPane();
        TExtSplitterBarItem& bar = layout.Bar(0);
        bar.SetOldPosition(-1);
        bar.SetPosition(304);
        bar.SetPosPercent(45);
        bar.SetResizeButtonStyle(TExtResizeButtonStyle::rbsGripWithArrows);
        bar.SetWidth(10);
        layout.SetClientSize({687, 392});
        layout.EndLoading();
        Paint();  // the grip button is known once painted
    }
    TExtSplitterBarItem& Bar() { return layout.Bar(0); }
    // What painting bar 0 draws, as the panel's paint would.
    std::vector<platform::TCanvasCall> Paint(platform::TColor background = platform::clBtnFace) {
        platform::TRecordingCanvas canvas;
        layout.PaintBar(canvas, 0, background);
        return canvas.Calls();
    }
    int LeftPaneWidth() const { return window.panes.at(0).Bounds.Right - window.panes.at(0).Bounds.Left; }

    TRecordingSplitterWindow window;
    TExtSplitterLayout layout{&window};
    TExtSplitterDrag drag{layout, window};
    TExtSplitterHover hover{layout};
};

}  // namespace tips::widgets::testing
