// TSkinSource's skinning properties start at the values the main window stores.

#include "skin/skin_source_properties.hpp"

#include <gtest/gtest.h>

namespace tips::skin {
namespace {

TEST(SkinSourceProperties, Defaults) {
    const TSkinSourceProperties properties;
    EXPECT_FALSE(properties.Active);
    EXPECT_EQ(properties.DisableTag, 99);
    EXPECT_EQ(properties.SkinControls, TSkinControls::Default());
    EXPECT_EQ(properties.SkinFormtype, TSkinFormType::sfMainform);
    EXPECT_EQ(properties.Version, "1.0.0");
    EXPECT_TRUE(properties.MenuUpdate);
    EXPECT_EQ(properties.SkinClassMap, TSkinClassMap::DefaultLines());
    EXPECT_TRUE(properties.SkinsFrames());
    EXPECT_TRUE(properties.SkinsSystemMenu());
    EXPECT_TRUE(properties.SkinsPopupMenus());
}

TEST(SkinSourceProperties, MainMenuSwitchIsTheFramesMasterSwitch) {
    TSkinSourceProperties properties;
    properties.SkinControls.Exclude(xcMainMenu);
    EXPECT_FALSE(properties.SkinsFrames());
    EXPECT_TRUE(properties.SkinsPopupMenus()) << "the other switches are their own";
    properties.SkinControls.Exclude(xcSystemMenu).Exclude(xcPopupMenu);
    EXPECT_FALSE(properties.SkinsSystemMenu());
    EXPECT_FALSE(properties.SkinsPopupMenus());
}

}  // namespace
}  // namespace tips::skin
