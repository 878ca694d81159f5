// The current frame element as the mouse moves, presses and releases, and the keyboard-menu rule.

#include "skin/nc_element_tracker.hpp"

#include <gtest/gtest.h>

namespace tips::skin {
namespace {

const TFrameHit kClose{TFramePart::TitleButton, 2};
const TFrameHit kMinimise{TFramePart::TitleButton, 0};
const TFrameHit kFileMenu{TFramePart::MenuItem, 0};
const TFrameHit kCaption{TFramePart::Caption};

using Changes = std::vector<TNcChange>;

TEST(NcElementTracker, HoverMovesFromElementToElement) {
    TNcElementTracker tracker;
    EXPECT_EQ(tracker.Move(kClose, true), (Changes{{{TFramePart::TitleButton, 2}, TNcState::Hover}}));
    EXPECT_EQ(tracker.Move(kClose, true), Changes{}) << "no repaint while it stays";
    EXPECT_EQ(tracker.Move(kMinimise, true), (Changes{{{TFramePart::TitleButton, 2}, TNcState::Normal},
                                                      {{TFramePart::TitleButton, 0}, TNcState::Hover}}));
    EXPECT_EQ(tracker.Move(kFileMenu, true), (Changes{{{TFramePart::TitleButton, 0}, TNcState::Normal},
                                                      {{TFramePart::MenuItem, 0}, TNcState::Hover}}));
    EXPECT_EQ(tracker.Move(kCaption, true), (Changes{{{TFramePart::MenuItem, 0}, TNcState::Normal}}));
    EXPECT_FALSE(tracker.Current());
    EXPECT_EQ(tracker.Move(kClose, false), Changes{}) << "inactive windows track nothing";
}

TEST(NcElementTracker, ReleaseOverThePressedButtonRunsIt) {
    TNcElementTracker tracker;
    std::optional<int> clicked;
    tracker.Move(kClose, true);
    EXPECT_EQ(tracker.Press(kClose), (Changes{{{TFramePart::TitleButton, 2}, TNcState::Pressed}}));
    EXPECT_EQ(tracker.Move(kClose, true), Changes{}) << "stays pressed";
    EXPECT_EQ(tracker.Release(kClose, clicked), (Changes{{{TFramePart::TitleButton, 2}, TNcState::Hover}}));
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(tracker.CurrentState(), TNcState::Hover);
}

TEST(NcElementTracker, ReleaseElsewhereRunsNothing) {
    TNcElementTracker tracker;
    std::optional<int> clicked = 7;
    tracker.Press(kClose);
    EXPECT_EQ(tracker.Release(kMinimise, clicked), (Changes{{{TFramePart::TitleButton, 2}, TNcState::Normal}}));
    EXPECT_EQ(clicked, std::nullopt);
    tracker.Press(kClose);
    tracker.Move(kCaption, true);
    EXPECT_EQ(tracker.Release(kClose, clicked), Changes{}) << "moving off let the press go";
    EXPECT_EQ(clicked, std::nullopt);
    EXPECT_EQ(tracker.Release(kClose, clicked), Changes{}) << "no press at all";
    tracker.Press(kFileMenu);
    tracker.Release(kFileMenu, clicked);
    EXPECT_EQ(clicked, std::nullopt) << "menu items open on the press, not the release";
    EXPECT_EQ(tracker.Press(kCaption), Changes{});
}

TEST(NcElementTracker, HoverTimerResetsTheCurrentElement) {
    TNcElementTracker tracker;
    EXPECT_EQ(tracker.Left(), Changes{});
    tracker.Move(kMinimise, true);
    EXPECT_EQ(tracker.Left(), (Changes{{{TFramePart::TitleButton, 0}, TNcState::Normal}}));
    EXPECT_FALSE(tracker.Current());
}

TEST(NcElementTracker, KeyboardMenuRequests) {
    EXPECT_TRUE(KeyMenuSwallowed(0, false, false, false)) << "Alt alone or F10";
    EXPECT_TRUE(KeyMenuSwallowed('a', false, false, true));
    EXPECT_FALSE(KeyMenuSwallowed('q', false, false, false));
    EXPECT_FALSE(KeyMenuSwallowed(' ', false, false, true)) << "Alt+Space opens the system menu";
    EXPECT_FALSE(KeyMenuSwallowed('-', false, false, true));
    EXPECT_FALSE(KeyMenuSwallowed(0, true, false, false)) << "in menu mode";
    EXPECT_FALSE(KeyMenuSwallowed('a', false, true, true)) << "with the mouse captured";
}

}  // namespace
}  // namespace tips::skin
