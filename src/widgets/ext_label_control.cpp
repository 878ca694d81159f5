#include "widgets/ext_label_control.hpp"

namespace tips::widgets {

void TExtBaseControl::SetBounds(int left, int top, int width, int height) {
    const platform::TViewRect bounds{left, top, left + width, top + height};
    if (bounds == bounds_) return;
    bounds_ = bounds;
    BoundsChanged();
}

void TExtBaseControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
}

void TExtBaseControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Changed();
}

void TExtBaseControl::SetCursor(TExtCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    CursorChanged();
}

void TExtBaseControl::EndLoading() {
    if (!loading_) return;
    loading_ = false;
    Loaded();
}

void TExtBaseControl::Click() {
    if (OnClick) OnClick(*this);
}

void TExtBaseGraphicControl::SetColor(platform::TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

}  // namespace tips::widgets
