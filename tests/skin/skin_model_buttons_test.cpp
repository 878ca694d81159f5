// Title-bar buttons, the child-window control buttons and the generic elements of the skin model.

#include <gtest/gtest.h>

#include "skin/frame_strip.hpp"
#include "skin_model_test_support.hpp"

namespace tips::skin {
namespace {

using testing::PositionImage;
using testing::SkinFixture;

std::vector<std::string> Names(const std::vector<TSkinSysButtonElement>& buttons) {
    std::vector<std::string> names;
    for (const auto& b : buttons) names.push_back(b.Name);
    return names;
}

TEST(SkinModelSysButtons, OnlyButtonSectionsBecomeButtonsAndHiddenUnusedOnesAreSkipped) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Buttons]\n[Button]\nAction=1\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
        "[Button0]\nAction=2\n"
        "[button5]\nAction=-1\nVisibility=5\n"  // unused and hidden: skipped
        "[Button6]\nAction=-1\n"                // unused but Visibility 0: kept, never shown
        "[ButtonsExtra]\nAction=0\n"
        "[MyButton]\nAction=0\n");
    ASSERT_EQ(data.SysButtons.size(), 6u) << "three named buttons plus the three child-window controls";
    EXPECT_EQ(Names(data.SysButtons),
              (std::vector<std::string>{"Button0", "Button6", "ButtonsExtra", "MDICONTROLS", "MDICONTROLS", "MDICONTROLS"}));
    EXPECT_EQ(data.SysButtons[0].Visibility1, 0);
    EXPECT_EQ(data.SysButtons[1].Visibility1, -1) << "Action -1 defaults Visibility1 to -1";
    EXPECT_EQ(data.SysButtons[0].CombineOp, -1);
}

TEST(SkinModelSysButtons, KeysAreReadWithTheirValues) {
    SkinFixture skin;
    skin.Entry("titlebar-min.bmp", PositionImage(108, 20));
    const TSkinData data = skin.Read(
        "[Button0]\nAction=2\nAlign=1\nXcoord=56\nYcoord=3\nVisibility=8\nVisibility1=6\nCombineOp=2\n"
        "ButtonImage=titlebar-min.bmp\n");
    const TSkinSysButtonElement& b = data.SysButtons.at(0);
    EXPECT_EQ(b.Action, 2);
    EXPECT_EQ(b.Align, 1);
    EXPECT_EQ(b.Xcoord, 56);
    EXPECT_EQ(b.Ycoord, 3);
    EXPECT_EQ(b.Visibility, 8);
    EXPECT_EQ(b.Visibility1, 6);
    EXPECT_EQ(b.CombineOp, 2);
    EXPECT_EQ(b.Bitmap, PositionImage(108, 20));
    EXPECT_EQ(b.FrameCount, 6);
}

struct FrameCase {
    int width, height;
    const char* extra;  // more keys of the section, ahead of ButtonImage (the first of a key wins)
    int expected;
};

class SysButtonFrameCount : public ::testing::TestWithParam<FrameCase> {};

TEST_P(SysButtonFrameCount, ZeroBecomesThreeUpToRatio3Point8ElseSix) {
    const FrameCase& c = GetParam();
    SkinFixture skin;
    skin.Entry("b.bmp", PositionImage(c.width, c.height));
    const TSkinData data = skin.Read(std::string("[Button1]\n") + c.extra + "ButtonImage=b.bmp\n");
    EXPECT_EQ(data.SysButtons.at(0).FrameCount, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Images, SysButtonFrameCount,
                         ::testing::Values(FrameCase{108, 20, "", 6}, FrameCase{54, 20, "", 3},
                                           FrameCase{76, 20, "", 3},   // exactly 3.8
                                           FrameCase{77, 20, "", 6},   // just above
                                           FrameCase{54, 20, "frame=0\n", 3}, FrameCase{54, 20, "frame=4\n", 4},
                                           FrameCase{54, 20, "frame=-2\n", 3},
                                           FrameCase{54, 20, "Action=-3\n", 6},  // negative action
                                           FrameCase{54, 20, "ButtonImage=none.bmp\n", 6}));

TEST(SkinModelSysButtons, IconButtonsDropTheirImage) {
    SkinFixture skin;
    skin.Entry("b.bmp", PositionImage(54, 20));
    const TSkinData data = skin.Read(
        "[Button3]\nAction=3\nButtonImage=b.bmp\n"
        "[Button11]\nAction=11\nButtonImage=b.bmp\n"
        "[Button12]\nAction=12\nButtonImage=b.bmp\n"
        "[Button13]\nAction=3\nAlign=0\nXcoord=7\nYcoord=5\nButtonImage=0\n");
    EXPECT_TRUE(data.SysButtons.at(0).Bitmap.Empty());
    EXPECT_EQ(data.SysButtons.at(0).FrameCount, 3) << "counted from the image before it was dropped";
    EXPECT_TRUE(data.SysButtons.at(1).Bitmap.Empty());
    EXPECT_FALSE(data.SysButtons.at(2).Bitmap.Empty()) << "action 12 keeps its image";
    const TSkinSysButtonElement& icon = data.SysButtons.at(3);
    EXPECT_TRUE(icon.Bitmap.Empty());
    EXPECT_EQ(icon.FrameCount, 6);
    EXPECT_EQ(icon.Xcoord, 7);
    EXPECT_EQ(icon.Ycoord, 5);
}

TEST(SkinModelSysButtons, ChildWindowControlsTakeFourColumnsEachOfTheMdiImage) {
    SkinFixture skin;
    const Image strip = PositionImage(180, 14);
    skin.Entry("mdi-buttons.bmp", strip);
    const TSkinData data = skin.Read("[MDICONTROLS]\nImage=skins\\mdi-buttons.bmp\n");
    ASSERT_EQ(data.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TSkinSysButtonElement& b = data.SysButtons[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.Action, 7 + i);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.Xcoord, 19 * (3 - i)) << "(column width 15 + 4) x (3 - i)";
        EXPECT_EQ(b.Bitmap, Crop(strip, 60 * i, 0, 60, 14));
        EXPECT_EQ(b.Bitmap.At(0, 0).r, 60 * i) << "first pixel comes from column 4i";
    }
}

TEST(SkinModelSysButtons, ChildWindowControlsExistWithoutAnImage) {
    const TSkinData data = SkinFixture().Read("");
    ASSERT_EQ(data.SysButtons.size(), 3u);
    EXPECT_TRUE(data.SysButtons[0].Bitmap.Empty());
    EXPECT_EQ(data.SysButtons[0].Xcoord, 12);
}

TEST(SkinModelGeneric, PresentOnlyWhenTheSectionNamesAnImage) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Toolbars]\nLeftWidth=7\n"            // no Image key: absent
        "[SunkEdge]\nImage=\n"                 // empty: absent
        "[Headerbar]\nImage=LIST-TAB.BMP\n"  // named but unusable: present, no image
        "[Scrollbar]\nImage=missing.bmp\nTile=1\n");
    EXPECT_FALSE(data.Toolbars);
    EXPECT_FALSE(data.SunkEdge);
    ASSERT_TRUE(data.Headerbar);
    EXPECT_TRUE(data.Headerbar->Bitmap.Empty());
    ASSERT_TRUE(data.Scrollbar);
    EXPECT_EQ(data.Scrollbar->Tile, 1);
    EXPECT_EQ(data.GenericElements().size(), 2u);
    EXPECT_EQ(data.GenericElement("scrollbar"), &*data.Scrollbar);
    EXPECT_EQ(data.GenericElement("Toolbars"), nullptr);
}

TEST(SkinModelGeneric, FrameCountsAreSetAfterReading) {
    std::string ini;
    for (const char* name : {"GroupBoxEdge", "GroupBox", "Toolbars", "Tabs", "StatusBarEdges", "ComboButton", "SunkEdge",
                             "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
                             "VertScroll", "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz",
                             "Trackbar.ThumbVert", "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp",
                             "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert"})
        ini += std::string("[") + name + "]\nImage=x.bmp\nFrameCount=9\n";
    ini += "[VertScrollThumb]\n";  // a duplicate section does not override the first
    const TSkinData data = SkinFixture().Read(ini);
    const std::pair<const char*, int> expected[] = {
        {"GroupBoxEdge", 2},       {"GroupBox", 1},           {"Toolbars", 5},           {"Tabs", 5},
        {"StatusBarEdges", 3},     {"ComboButton", 4},        {"SunkEdge", 4},           {"ExtraImages", 5},
        {"Headerbar", 5},          {"MenuItem", 5},           {"MenuBackground", 1},     {"Scrollbar", 23},
        {"HorzScroll", 4},         {"VertScroll", 4},         {"HorzScrollThumb", 9},    {"VertScrollThumb", 9},
        {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5}, {"Trackbar.ThumbRight", 5},
        {"Trackbar.ThumbUp", 5},   {"Trackbar.ThumbDown", 5}, {"UpDown.Horz", 8},        {"UpDown.Vert", 8},
    };
    ASSERT_EQ(data.GenericElements().size(), std::size(expected));
    for (const auto& [name, frames] : expected) {
        const TSkinElement* e = data.GenericElement(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->FrameCount, frames) << name;
    }
    const TSkinData thumbs = SkinFixture().Read("[HorzScrollThumb]\nImage=x.bmp\n");
    EXPECT_EQ(thumbs.HorzScrollThumb->FrameCount, 3) << "FrameCount defaults to 3";
}

TEST(SkinModelGeneric, GenericKeysAndSecondImages) {
    SkinFixture skin;
    skin.Entry("page-tabs.bmp", PositionImage(130, 20))
        .Entry("page-border.bmp", PositionImage(12, 12))
        .Entry("glyphs.bmp", PositionImage(32, 8));
    const TSkinData data = skin.Read(
        "[Tabs]\nImage=page-tabs.bmp\nBorder=page-border.bmp\nLeftWidth=10\nRightWidth=11\nTopHeight=12\n"
        "BottomHeight=9\nTrans=1\nTile=1\nStyle=2\nNormalColour=1\nPressedColour=0\nNormalColour2=255 255 255\n"
        "[GroupBox]\nImage=g.bmp\nBackgroundAlignment=1\nBackgroundLeftShift=2\nBackgroundRightShift=3\n"
        "[UpDown.Vert]\nImage=u.bmp\nGlyphImage=glyphs.bmp\n");
    ASSERT_TRUE(data.Tabs);
    EXPECT_EQ(data.Tabs->Bitmap.Width(), 130);
    EXPECT_EQ(data.Tabs->Bitmap2.Width(), 12);
    EXPECT_EQ(data.Tabs->LeftWidth, 10);
    EXPECT_EQ(data.Tabs->RightWidth, 11);
    EXPECT_EQ(data.Tabs->TopHeight, 12);
    EXPECT_EQ(data.Tabs->BottomHeight, 9);
    EXPECT_EQ(data.Tabs->Trans, 1);
    EXPECT_EQ(data.Tabs->Tile, 1);
    EXPECT_EQ(data.Tabs->Style, 2);
    EXPECT_EQ(data.Tabs->NormalColour, 1);
    EXPECT_EQ(data.Tabs->MouseOverColour, -1);
    EXPECT_EQ(data.Tabs->PressedColour, 0);
    EXPECT_EQ(data.Tabs->NormalColour2, clWhite);
    ASSERT_TRUE(data.GroupBox);
    EXPECT_EQ(data.GroupBox->BackgroundAlignment, 1);
    EXPECT_EQ(data.GroupBox->BackgroundLeftShift, 2);
    EXPECT_EQ(data.GroupBox->BackgroundRightShift, 3);
    ASSERT_TRUE(data.UpDownVert);
    EXPECT_EQ(data.UpDownVert->Bitmap2.Width(), 32);
}

TEST(SkinModelGeneric, ComboButtonGetsAMirroredCopyOnlyWhenItHasAnImage) {
    SkinFixture skin;
    const Image button = PositionImage(72, 21);
    skin.Entry("combo-button.bmp", button).Entry("other.bmp", PositionImage(5, 5));
    const TSkinData data = skin.Read("[ComboButton]\nImage=combo-button.bmp\nBorder=other.bmp\n");
    ASSERT_TRUE(data.ComboButton);
    EXPECT_EQ(data.ComboButton->Bitmap, button);
    ASSERT_EQ(data.ComboButton->Bitmap2.Width(), 72);
    EXPECT_EQ(data.ComboButton->Bitmap2.At(0, 3), button.At(71, 3));
    EXPECT_EQ(data.ComboButton->Bitmap2.At(71, 20), button.At(0, 20));

    const TSkinData missing = skin.Read("[ComboButton]\nImage=none.bmp\n");
    ASSERT_TRUE(missing.ComboButton);
    EXPECT_TRUE(missing.ComboButton->Bitmap2.Empty());
}

}  // namespace
}  // namespace tips::skin
