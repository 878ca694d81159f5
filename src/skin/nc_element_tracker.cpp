#include "skin/nc_element_tracker.hpp"

namespace tips::skin {
namespace {

std::optional<TNcElement> ElementOf(const TFrameHit& hit) {
    if (hit.Part == TFramePart::TitleButton || hit.Part == TFramePart::MenuItem) return TNcElement{hit.Part, hit.Index};
    return std::nullopt;
}

}  // namespace

std::vector<TNcChange> TNcElementTracker::Reset() {
    std::vector<TNcChange> changes;
    if (current_ && state_ != TNcState::Normal) changes.push_back({*current_, TNcState::Normal});
    current_.reset();
    state_ = TNcState::Normal;
    return changes;
}

std::vector<TNcChange> TNcElementTracker::Move(const TFrameHit& hit, bool active) {
    if (!active) return {};
    const auto element = ElementOf(hit);
    if (element == current_) {
        if (!element || state_ != TNcState::Normal) return {};
    }
    // A pressed element stays pressed while the mouse is over it; another element takes over the hover.
    std::vector<TNcChange> changes = Reset();
    if (element) {
        current_ = element;
        state_ = TNcState::Hover;
        changes.push_back({*element, TNcState::Hover});
    }
    return changes;
}

std::vector<TNcChange> TNcElementTracker::Press(const TFrameHit& hit) {
    const auto element = ElementOf(hit);
    if (!element) return {};
    std::vector<TNcChange> changes;
    if (current_ != element) changes = Reset();
    current_ = element;
    state_ = TNcState::Pressed;
    changes.push_back({*element, TNcState::Pressed});
    return changes;
}

std::vector<TNcChange> TNcElementTracker::Release(const TFrameHit& hit, std::optional<int>& clickedButton) {
    clickedButton.reset();
    const auto element = ElementOf(hit);
    if (!current_ || state_ != TNcState::Pressed) return {};
    if (element == current_ && current_->Part == TFramePart::TitleButton) {
        state_ = TNcState::Hover;
        clickedButton = current_->Index;
        return {{*current_, TNcState::Hover}};
    }
    return Reset();
}

std::vector<TNcChange> TNcElementTracker::Left() { return Reset(); }

bool KeyMenuSwallowed(char key, bool inMenuMode, bool mouseCaptured, bool acceleratorOfAnItem) {
    if (inMenuMode || mouseCaptured) return false;
    if (key == ' ' || key == '-') return false;
    return key == 0 || acceleratorOfAnItem;
}

}  // namespace tips::skin
