#pragma once
// Dragging a splitter bar with the left mouse button: press on a bar, move within its limits, release.
// Without instant update an inverted ghost of the bar follows the mouse and the panes move on
// release. A release close to the start on the grip button is a click that collapses or restores.

#include "platform/view_port.hpp"
#include "widgets/splitter_layout.hpp"

namespace tips::widgets {

// What dragging asks of the window.
class TExtSplitterDragPort {
public:
    virtual ~TExtSplitterDragPort() = default;
    // Inverts a rectangle given in the panel's client coordinates on the screen; twice erases it.
    virtual void InvertGhost(const platform::TViewRect& rect) = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
};

class TExtSplitterDrag {
public:
    // A release this close to the start on the grip button counts as a click.
    static constexpr int kClickSlack = 5;

    TExtSplitterDrag(TExtSplitterLayout& layout, TExtSplitterDragPort& port) : layout_(layout), port_(port) {}

    void MouseDown(TSplitterPoint point);
    // A move with the left button held.
    void MouseMove(TSplitterPoint point);
    void MouseUp(TSplitterPoint point);
    // The mouse was taken away mid-drag (another window took the capture): the ghost goes and the bar
    // stays where it was; nothing is toggled or reported.
    void Cancel();

    bool Dragging() const { return dragging_; }
    int DraggedBar() const { return draggedBar_; }
    TSplitterPoint PressPoint() const { return pressPoint_; }
    TSplitterPoint CurrentPoint() const { return currentPoint_; }

    // The ghost of a bar at its drag position.
    platform::TViewRect GhostRect(int index) const;

private:
    void InvertGhosts();
    bool Ghost() const { return !layout_.InstantUpdate(); }

    TExtSplitterLayout& layout_;
    TExtSplitterDragPort& port_;
    bool dragging_ = false;
    int draggedBar_ = -1;
    TSplitterPoint pressPoint_{-1, -1};
    TSplitterPoint currentPoint_{-1, -1};
};

}  // namespace tips::widgets
