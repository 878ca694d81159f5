#include "widgets/splitter_drag.hpp"

#include <cstdlib>

namespace tips::widgets {

using platform::TViewRect;

namespace {

int& Along(TSplitterPoint& point, const TExtSplitterBarItem& bar) { return bar.Horizontal() ? point.Y : point.X; }
int Along(const TSplitterPoint& point, const TExtSplitterBarItem& bar) { return bar.Horizontal() ? point.Y : point.X; }

}  // namespace

TViewRect TExtSplitterDrag::GhostRect(int index) const {
    const TExtSplitterBarItem& bar = layout_.Bar(index);
    TViewRect ghost = layout_.BarRect(index);
    const int start = layout_.BevelWidth() + bar.DragPosition();
    if (bar.Horizontal()) {
        ghost.Top = start;
        ghost.Bottom = start + bar.Width();
    } else {
        ghost.Left = start;
        ghost.Right = start + bar.Width();
    }
    return ghost;
}

void TExtSplitterDrag::InvertGhosts() {
    if (!Ghost()) return;
    for (int i = 0; i < layout_.BarCount(); ++i) {
        if (layout_.Bar(i).Dragging()) port_.InvertGhost(GhostRect(i));
    }
}

void TExtSplitterDrag::MouseDown(TSplitterPoint point) {
    port_.CaptureMouse();
    pressPoint_ = currentPoint_ = point;
    for (int i = 0; i < layout_.BarCount(); ++i) {
        TExtSplitterBarItem& bar = layout_.Bar(i);
        if (bar.Locked() || !Contains(layout_.BarRect(i), point)) continue;
        dragging_ = true;
        draggedBar_ = i;
        bar.SetDragging(true);
        bar.SetMoved(false);
        if (Ghost()) bar.SetDragPosition(bar.Position());
    }
    if (dragging_) InvertGhosts();
}

void TExtSplitterDrag::MouseMove(TSplitterPoint point) {
    if (!dragging_) return;
    // Hold the point where every dragged bar stays within its limits; from there the bar answers at
    // once when the mouse turns back.
    const TSplitterPoint old = currentPoint_;
    TSplitterPoint limited = point;
    for (int i = 0; i < layout_.BarCount(); ++i) {
        const TExtSplitterBarItem& bar = layout_.Bar(i);
        if (!bar.Dragging()) continue;
        const int c = Ghost() ? bar.DragPosition() : bar.Position();
        const int from = Along(old, bar);
        int& to = Along(limited, bar);
        if (c + (to - from) < bar.Min()) to = from + bar.Min() - c;
        if (c + (to - from) > bar.Extent() - bar.Max()) to = from + bar.Extent() - bar.Max() - c;
    }
    currentPoint_ = limited;

    for (int i = 0; i < layout_.BarCount(); ++i) {
        TExtSplitterBarItem& bar = layout_.Bar(i);
        if (!bar.Dragging()) continue;
        const int delta = Along(limited, bar) - Along(old, bar);
        if (Ghost()) {
            port_.InvertGhost(GhostRect(i));
            bar.SetDragPosition(bar.DragPosition() + delta);
            port_.InvertGhost(GhostRect(i));
        } else {
            bar.SetPosition(bar.Position() + delta);
        }
        bar.SetMoved(true);
    }
}

void TExtSplitterDrag::MouseUp(TSplitterPoint point) {
    if (dragging_) {
        InvertGhosts();
        dragging_ = false;
        for (int i = 0; i < layout_.BarCount(); ++i) {
            TExtSplitterBarItem& bar = layout_.Bar(i);
            if (!bar.Dragging()) continue;
            const bool onGrip = Contains(bar.GripButtonRect(), point);
            if (Ghost() && std::abs(bar.DragPosition() - bar.Position()) <= kClickSlack && onGrip) {
                bar.SetDragging(false);
                bar.SetMoved(false);
                bar.Toggle();
                continue;
            }
            // Still as a dragged bar, so the exact pixel position is kept until the next relayout.
            if (Ghost()) bar.SetPosition(bar.DragPosition());
            bar.SetDragging(false);
            if (onGrip && !bar.Moved()) bar.Toggle();
            if (layout_.OnSplitChange) layout_.OnSplitChange(i);
            bar.SetMoved(false);
        }
        draggedBar_ = -1;
        layout_.PlacePanes();
    }
    port_.ReleaseMouse();
}

void TExtSplitterDrag::Cancel() {
    if (!dragging_) return;
    InvertGhosts();
    dragging_ = false;
    draggedBar_ = -1;
    for (int i = 0; i < layout_.BarCount(); ++i) {
        TExtSplitterBarItem& bar = layout_.Bar(i);
        bar.SetDragging(false);
        bar.SetMoved(false);
    }
}

}  // namespace tips::widgets
