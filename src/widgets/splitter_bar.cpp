#include "widgets/splitter_bar.hpp"

#include <algorithm>

namespace tips::widgets {

int SplitterPercent(int position, int extent) {
    // Exact rational rounding: floating point would misjudge some halves (3 of 40 is 7.5 %).
    const long long numerator = static_cast<long long>(position) * 100;
    long long quotient = numerator / extent;
    long long remainder = numerator % extent;
    if (remainder < 0) {  // floor division for positions below zero
        quotient -= 1;
        remainder += extent;
    }
    const long long twice = remainder * 2;
    if (twice > extent || (twice == extent && quotient % 2 != 0)) quotient += 1;
    return static_cast<int>(std::clamp(quotient, 0LL, 100LL));
}

void TExtSplitterBarItem::PositionFromPercent() {
    if (extent_ == 0) return;
    int position = posPercent_ * extent_ / 100;
    if (position < min_) position = min_;
    if (position > extent_ - max_) position = extent_ - max_;
    position_ = position;
}

void TExtSplitterBarItem::PercentFromPosition() {
    if (extent_ == 0) return;
    const int percent = SplitterPercent(position_, extent_);
    // A drag that ends elsewhere forgets the collapsed state.
    if (dragging_ && oldPosition_ != -1 && percent != posPercent_) oldPosition_ = -1;
    posPercent_ = percent;
}

void TExtSplitterBarItem::Recompute() {
    if (dragging_) {
        PercentFromPosition();
    } else {
        PositionFromPercent();
    }
}

void TExtSplitterBarItem::Changed() {
    if (OnChange) OnChange(*this);
}

void TExtSplitterBarItem::LayoutChanged() {
    if (owner_) owner_->BarLayoutChanged(*this);
}

void TExtSplitterBarItem::SetPosition(int value) {
    if (value == position_) return;
    position_ = value;
    PercentFromPosition();
    Changed();
    LayoutChanged();
}

void TExtSplitterBarItem::SetPosPercent(int value) {
    value = std::clamp(value, 0, 100);
    if (value == posPercent_) return;
    posPercent_ = value;
    PositionFromPercent();
    Changed();
    LayoutChanged();
}

void TExtSplitterBarItem::SetOldPosition(int value) {
    if (value == oldPosition_) return;
    oldPosition_ = value;
    LayoutChanged();  // the arrows turn
}

void TExtSplitterBarItem::SetMin(int value) {
    if (value == min_) return;
    min_ = value;
    if (position_ == -1) {
        PositionFromPercent();
    } else {
        PercentFromPosition();
    }
    LayoutChanged();
}

void TExtSplitterBarItem::SetMax(int value) {
    if (value == max_) return;
    max_ = value;
    if (position_ == -1) {
        PositionFromPercent();
    } else {
        PercentFromPosition();
    }
    LayoutChanged();
}

void TExtSplitterBarItem::SetWidth(int value) {
    if (value == width_) return;
    width_ = value;
    if (position_ == -1) {
        PositionFromPercent();
    } else {
        PercentFromPosition();
    }
    LayoutChanged();
}

void TExtSplitterBarItem::SetColor(platform::TColor value) {
    if (value == color_) return;
    color_ = value;
    if (owner_) owner_->BarNeedsRepaint(*this);
}

void TExtSplitterBarItem::SetLocked(bool value) {
    if (value == locked_) return;
    locked_ = value;
    if (owner_) owner_->BarNeedsRepaint(*this);
}

void TExtSplitterBarItem::SetResizeColor(platform::TColor value) {
    if (value == resizeColor_) return;
    resizeColor_ = value;
    LayoutChanged();
}

void TExtSplitterBarItem::SetResizeButtonStyle(TExtResizeButtonStyle value) {
    if (value == resizeButtonStyle_) return;
    resizeButtonStyle_ = value;
    LayoutChanged();
}

void TExtSplitterBarItem::SetResizeDirection(TExtSplitterJump value) {
    if (value == resizeDirection_) return;
    resizeDirection_ = value;
    LayoutChanged();
}

void TExtSplitterBarItem::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Changed();
    LayoutChanged();
}

void TExtSplitterBarItem::SetBorderStyle(TExtBarBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    LayoutChanged();
}

void TExtSplitterBarItem::SetResizeButton(bool value) {
    if (value) SetResizeButtonStyle(TExtResizeButtonStyle::rbsFlatGripWithArrows);
}

void TExtSplitterBarItem::SetHot(bool value) {
    if (value == hot_) return;
    hot_ = value;
    LayoutChanged();
}

void TExtSplitterBarItem::Toggle() {
    if (oldPosition_ == -1) {
        const int remembered = position_;
        SetPosPercent(resizeDirection_ == TExtSplitterJump::sjUpLeft ? 0 : 100);
        SetOldPosition(remembered);
    } else {
        SetPosition(oldPosition_);
        SetOldPosition(-1);
    }
}

}  // namespace tips::widgets
