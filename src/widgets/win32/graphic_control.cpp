#include "widgets/win32/graphic_control.hpp"

#include "widgets/win32/control.hpp"

namespace tips::widgets {

TGraphicControl::TGraphicControl(TWinControl* parent) : parent_(parent) {
    if (parent_) parent_->AddGraphicControl(this);
}

TGraphicControl::~TGraphicControl() {
    if (!parent_) return;
    Invalidate();
    parent_->RemoveGraphicControl(this);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    const platform::TViewRect bounds{left, top, left + width, top + height};
    if (bounds == bounds_) return;
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled_ && parent_) parent_->GraphicControlDisabled(this);
    Invalidate();
}

void TGraphicControl::Invalidate() const {
    if (!parent_ || !parent_->HandleAllocated()) return;
    const RECT rect{bounds_.Left, bounds_.Top, bounds_.Right, bounds_.Bottom};
    InvalidateRect(parent_->Handle(), &rect, TRUE);
}

}  // namespace tips::widgets
