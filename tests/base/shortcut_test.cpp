#include "base/shortcut.hpp"

#include <gtest/gtest.h>

namespace tips::base::keyboard {
namespace {

TEST(ShortCut, TheMenuShortcutsFromTheirPieces) {
    EXPECT_EQ(ShortCut('X', ssCtrl), 16472);
    EXPECT_EQ(ShortCut('X', ssCtrl), kShortCutCtrl + 'X');
    EXPECT_EQ(ShortCut('C', ssCtrl), 16451);
    EXPECT_EQ(ShortCut('V', ssCtrl), 16470);
    EXPECT_EQ(ShortCut('A', ssCtrl), 16449);
    EXPECT_EQ(ShortCut(vkDelete, ssCtrl), 16430);
    EXPECT_EQ(ShortCut('Z', ssCtrl), 16474);
    EXPECT_EQ(ShortCut(vkF1 + 1), 113);
}

TEST(ShortCut, EveryModifierSetSurvivesTheRoundTrip) {
    for (unsigned shift = 0; shift < 8; ++shift) {
        const auto state = static_cast<TShiftState>(shift);
        const TShortCut value = ShortCut(vkHome, state);
        EXPECT_EQ(ShortCutKey(value), vkHome) << shift;
        EXPECT_EQ(ShortCutShift(value), state) << shift;
    }
    EXPECT_EQ(ShortCut(vkBack, ssShift | ssCtrl | ssAlt), kShortCutShift | kShortCutCtrl | kShortCutAlt | vkBack);
}

TEST(ShortCut, AKeyOutsideTheLowByteHasNoShortcut) {
    EXPECT_EQ(ShortCut(0xFF, ssAlt), kShortCutAlt | 0xFF);
    EXPECT_EQ(ShortCut(0x100, ssCtrl), 0);
}

}  // namespace
}  // namespace tips::base::keyboard
