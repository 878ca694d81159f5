#pragma once
// The current non-client element of a skinned window (a title-bar button or a menu-bar item) as the
// mouse moves, presses and releases over the frame, and the keyboard-menu rule. The window side
// repaints the elements it is told changed and runs the button action it is handed.

#include <optional>
#include <vector>

#include "skin/frame_hit_test.hpp"
#include "skin/title_buttons.hpp"

namespace tips::skin {

// An element: a laid-out title-bar button or a menu-bar item, by index.
struct TNcElement {
    TFramePart Part = TFramePart::TitleButton;  // TitleButton or MenuItem
    int Index = 0;
    friend bool operator==(const TNcElement&, const TNcElement&) = default;
};

// One element's new state, to repaint.
struct TNcChange {
    TNcElement Element;
    TNcState State = TNcState::Normal;
    friend bool operator==(const TNcChange&, const TNcChange&) = default;
};

class TNcElementTracker {
public:
    // A move over `hit` in a window of the given activation. Inactive windows track nothing.
    std::vector<TNcChange> Move(const TFrameHit& hit, bool active);
    // A left press: the element under the mouse becomes pressed (a menu item opens on its press).
    std::vector<TNcChange> Press(const TFrameHit& hit);
    // A left release: over the pressed button it returns to hover and that button is answered, so that
    // its action runs; a release elsewhere only lets the press go.
    std::vector<TNcChange> Release(const TFrameHit& hit, std::optional<int>& clickedButton);
    // The hover timer: the cursor is no longer over the current element's rectangle.
    std::vector<TNcChange> Left();

    const std::optional<TNcElement>& Current() const { return current_; }
    TNcState CurrentState() const { return state_; }

private:
    std::vector<TNcChange> Reset();

    std::optional<TNcElement> current_;
    TNcState state_ = TNcState::Normal;
};

// Which SC_KEYMENU requests the frame swallows (the item is opened through the form's Alt+letter
// handling instead): outside menu mode and without mouse capture, Alt alone or F10 (key 0), and Alt
// with the accelerator of a menu-bar item; Alt+Space and Alt+- keep their usual meaning.
bool KeyMenuSwallowed(char key, bool inMenuMode, bool mouseCaptured, bool acceleratorOfAnItem);

}  // namespace tips::skin
