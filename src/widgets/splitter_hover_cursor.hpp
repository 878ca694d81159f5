#pragma once
// The mouse over a splitter panel when no button is held: which grip button is hot, and which cursor
// the panel shows at the last hit-tested point.

#include "widgets/splitter_layout.hpp"

namespace tips::widgets {

enum class TSplitterCursor {
    Default,          // the window's own cursor
    Arrow,            // over a grip button
    SplitHorizontal,  // over a vertical bar: the panes to the left and right move
    SplitVertical,    // over a horizontal bar
    Cross             // over two crossing bars
};

class TExtSplitterHover {
public:
    explicit TExtSplitterHover(TExtSplitterLayout& layout) : layout_(layout) {}

    // The mouse moved over the panel without dragging: a bar is hot while the mouse is on its grip
    // button. A change of hot lays the panel out again.
    void MouseMove(TSplitterPoint point);
    // The mouse left the panel: nothing is hot any more.
    void MouseLeave();

    // Remembers where the last hit test was, in client coordinates.
    void SetHitPoint(TSplitterPoint point) { hitPoint_ = point; }
    TSplitterPoint HitPoint() const { return hitPoint_; }
    // The cursor for the remembered point; forgets the point.
    TSplitterCursor TakeCursor();

private:
    TExtSplitterLayout& layout_;
    TSplitterPoint hitPoint_{-1, -1};
};

}  // namespace tips::widgets
