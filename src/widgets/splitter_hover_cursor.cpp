#include "widgets/splitter_hover_cursor.hpp"

namespace tips::widgets {

void TExtSplitterHover::MouseMove(TSplitterPoint point) {
    for (int i = 0; i < layout_.BarCount(); ++i) {
        TExtSplitterBarItem& bar = layout_.Bar(i);
        bar.SetHot(Contains(bar.GripButtonRect(), point));
    }
}

void TExtSplitterHover::MouseLeave() {
    for (int i = 0; i < layout_.BarCount(); ++i) layout_.Bar(i).SetHot(false);
}

TSplitterCursor TExtSplitterHover::TakeCursor() {
    const TSplitterPoint point = hitPoint_;
    hitPoint_ = {-1, -1};
    int found = 0;
    int last = -1;
    for (int i = 0; i < layout_.BarCount(); ++i) {
        if (layout_.Bar(i).Locked() || !Contains(layout_.BarRect(i), point)) continue;
        ++found;
        last = i;
    }
    if (found >= 2) return TSplitterCursor::Cross;
    if (found == 0) return TSplitterCursor::Default;
    const TExtSplitterBarItem& bar = layout_.Bar(last);
    if (bar.HasGripButton() && Contains(bar.GripButtonRect(), point)) return TSplitterCursor::Arrow;
    return bar.Horizontal() ? TSplitterCursor::SplitVertical : TSplitterCursor::SplitHorizontal;
}

}  // namespace tips::widgets
