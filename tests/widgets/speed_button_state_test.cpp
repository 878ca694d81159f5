#include "widgets/speed_button_state.hpp"

#include <gtest/gtest.h>

namespace {

using tips::platform::TViewRect;
using tips::platform::TViewSize;
using tips::widgets::GlyphImageIndex;
using tips::widgets::GlyphPlacement;
using tips::widgets::TButtonLook;
using tips::widgets::TSpeedButtonState;

TEST(SpeedButtonClick, FiresOnceForAPressReleasedInside) {
    TSpeedButtonState button;
    button.MouseMove(true);
    EXPECT_TRUE(button.MouseDown(true));
    EXPECT_TRUE(button.MouseUp(true));
    EXPECT_FALSE(button.MouseUp(true));   // a second release without a press
    EXPECT_FALSE(button.Pressed());
}

TEST(SpeedButtonClick, FollowsThePointerOutAndBackWhilePressed) {
    TSpeedButtonState button;
    ASSERT_TRUE(button.MouseDown(true));
    button.MouseMove(false);
    button.MouseLeave();   // the button keeps the capture, so this changes nothing
    EXPECT_EQ(button.Look(), TButtonLook::blFlat);
    EXPECT_FALSE(button.MouseUp(false));

    ASSERT_TRUE(button.MouseDown(true));
    button.MouseMove(false);
    button.MouseMove(true);
    EXPECT_EQ(button.Look(), TButtonLook::blSunken);
    EXPECT_TRUE(button.MouseUp(true));
}

TEST(SpeedButtonClick, NeedsThePressToStartOnTheButton) {
    TSpeedButtonState button;
    EXPECT_FALSE(button.MouseDown(false));
    button.MouseMove(true);
    EXPECT_FALSE(button.MouseUp(true));
}

TEST(SpeedButtonClick, LostCaptureCancelsThePress) {
    TSpeedButtonState button;
    ASSERT_TRUE(button.MouseDown(true));
    button.CancelPress();
    EXPECT_FALSE(button.MouseUp(true));
}

TEST(SpeedButtonClick, DisabledButtonTakesNoPressAndDisablingDropsOne) {
    TSpeedButtonState button;
    button.SetEnabled(false);
    button.MouseMove(true);
    EXPECT_FALSE(button.Hovered());
    EXPECT_FALSE(button.MouseDown(true));
    EXPECT_FALSE(button.MouseUp(true));

    button.SetEnabled(true);
    ASSERT_TRUE(button.MouseDown(true));
    button.SetEnabled(false);
    button.SetEnabled(true);
    EXPECT_FALSE(button.MouseUp(true));
}

struct TLookCase {
    const char* name;
    bool enabled;
    bool pressed;
    bool inside;
    TButtonLook look;
};

class SpeedButtonLook : public ::testing::TestWithParam<TLookCase> {};

TEST_P(SpeedButtonLook, FollowsHoverAndPress) {
    const auto& c = GetParam();
    TSpeedButtonState button;
    if (c.pressed) {
        ASSERT_TRUE(button.MouseDown(true));
    }
    button.MouseMove(c.inside);
    if (!c.inside) button.MouseLeave();
    button.SetEnabled(c.enabled);
    EXPECT_EQ(button.Look(), c.look);
}

INSTANTIATE_TEST_SUITE_P(States, SpeedButtonLook,
                         ::testing::Values(TLookCase{"idle", true, false, false, TButtonLook::blFlat},
                                           TLookCase{"hovered", true, false, true, TButtonLook::blRaised},
                                           TLookCase{"pressed", true, true, true, TButtonLook::blSunken},
                                           TLookCase{"pressedOutside", true, true, false, TButtonLook::blFlat},
                                           TLookCase{"disabledHovered", false, false, true, TButtonLook::blFlat},
                                           TLookCase{"disabledPressed", false, true, true, TButtonLook::blFlat}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SpeedButtonLook, RaisedAgainAfterAClickAndFlatOnceTheMouseLeaves) {
    TSpeedButtonState button;
    ASSERT_TRUE(button.MouseDown(true));
    ASSERT_TRUE(button.MouseUp(true));
    EXPECT_EQ(button.Look(), TButtonLook::blRaised);
    button.MouseLeave();
    EXPECT_EQ(button.Look(), TButtonLook::blFlat);
}

struct TImageCase {
    int numGlyphs;
    bool enabled;
    bool sunken;
    int index;
};

class GlyphImage : public ::testing::TestWithParam<TImageCase> {};

TEST_P(GlyphImage, PicksTheStateImageOrFallsBackToTheNormalOne) {
    const auto& c = GetParam();
    EXPECT_EQ(GlyphImageIndex(c.numGlyphs, c.enabled, c.sunken), c.index);
}

INSTANTIATE_TEST_SUITE_P(Images, GlyphImage,
                         ::testing::Values(TImageCase{2, true, false, 0}, TImageCase{2, false, false, 1},
                                           TImageCase{2, true, true, 0}, TImageCase{1, false, false, 0},
                                           TImageCase{3, true, true, 2}, TImageCase{4, false, true, 1},
                                           TImageCase{0, false, false, 0}));

struct TPlacementCase {
    TViewSize client;
    TViewSize image;
    bool sunken;
    TViewRect expected;
};

class GlyphPlace : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(GlyphPlace, CentresTheImageAndShiftsItWhenSunken) {
    const auto& c = GetParam();
    EXPECT_EQ(GlyphPlacement(c.client, c.image, c.sunken), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, GlyphPlace,
    ::testing::Values(TPlacementCase{{25, 25}, {16, 16}, false, {5, 5, 21, 21}},
                      TPlacementCase{{25, 25}, {16, 16}, true, {6, 6, 22, 22}},
                      TPlacementCase{{24, 20}, {16, 16}, false, {4, 2, 20, 18}},
                      TPlacementCase{{16, 16}, {16, 16}, false, {0, 0, 16, 16}},
                      TPlacementCase{{10, 10}, {16, 16}, false, {-2, -2, 14, 14}}));

}  // namespace
