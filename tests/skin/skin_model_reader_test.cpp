#include "skin/skin_model_reader.hpp"

#include <gtest/gtest.h>

#include "skin_model_test_support.hpp"

namespace tips::skin {
namespace {

using testing::PositionImage;
using testing::SkinFixture;

TEST(SkinModelImages, DirectoryPartIsDroppedAndUpperCaseExtensionGivesNoImage) {
    SkinFixture skin;
    skin.Entry("frame-top.bmp", PositionImage(12, 8)).Entry("frame-left.bmp", PositionImage(6, 10));
    const TSkinData data = skin.Read(
        "[Personality]\r\n"
        "Top=c:\\skins\\blue\\frame-top.bmp\r\n"
        "Left=frame-left.BMP\r\n"
        "Right=skins\\missing.bmp\r\n");
    EXPECT_EQ(data.Top.Bitmap, PositionImage(12, 8));
    EXPECT_TRUE(data.Left.Bitmap.Empty()) << "the archive has frame-left.bmp, but the value's extension is upper case";
    EXPECT_TRUE(data.Right.Bitmap.Empty());
}

TEST(SkinModelImages, DamagedBitmapLeavesTheImageEmpty) {
    SkinFixture skin;
    skin.RawEntry("frame-top.bmp", {'B', 'M', 1, 2, 3});
    const TSkinData data = skin.Read("[Personality]\nTop=frame-top.bmp\n");
    EXPECT_TRUE(data.Top.Bitmap.Empty());
}

TEST(SkinModelBorder, PiecesTakeTheirMarginsAndDefaults) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Personality]\n"
        "LeftTopHeight=4\nLeftBotHeight=5\nLeftFrame=2\nLeftStretch=0\nLeftTrans=0\n"
        "TopTopHeight=28\nTopBotHeight=75\n");
    // Left and Right: fixed top and bottom heights.
    EXPECT_EQ(data.Left.TopHeight, 4);
    EXPECT_EQ(data.Left.BottomHeight, 5);
    EXPECT_EQ(data.Left.LeftWidth, 0);
    EXPECT_EQ(data.Left.RightWidth, 0);
    EXPECT_EQ(data.Left.FrameCount, 2);
    EXPECT_EQ(data.Left.Stretch, 0);
    EXPECT_EQ(data.Left.Tile, 1);
    EXPECT_EQ(data.Left.Trans, 0);
    // Top and Bottom: the same keys are fixed left and right widths.
    EXPECT_EQ(data.Top.LeftWidth, 28);
    EXPECT_EQ(data.Top.RightWidth, 75);
    EXPECT_EQ(data.Top.TopHeight, 0);
    EXPECT_EQ(data.Top.BottomHeight, 0);
    // Missing keys: one frame, stretched, transparent.
    for (const TSkinBorderElement* piece : {&data.Top, &data.Right, &data.Bottom}) {
        EXPECT_EQ(piece->FrameCount, 1) << piece->Name;
        EXPECT_EQ(piece->Stretch, 1) << piece->Name;
        EXPECT_EQ(piece->Tile, 0) << piece->Name;
        EXPECT_EQ(piece->Trans, 1) << piece->Name;
    }
}

TEST(SkinModelColours, MissingKeysTakeTheirDefaultsAndMenubarFollowsButtonFace) {
    SkinFixture skin;
    const TSkinData plain = skin.Read("[Colours]\n");
    EXPECT_EQ(plain.Colours.ButtonFace, clBtnFace);
    EXPECT_EQ(plain.Colours.Menubar, clBtnFace);
    EXPECT_EQ(plain.Colours.Scrollbar, clScrollBar);
    EXPECT_EQ(plain.Colours.Buttonlight, clBtnHighlight);
    EXPECT_EQ(plain.Colours.ButtonDkShadow, cl3DDkShadow);
    EXPECT_EQ(plain.Colours.MenuBarText, clMenuText);
    EXPECT_EQ(plain.Colours.TitleTextNoActive, clInactiveCaptionText);
    EXPECT_EQ(plain.BackgroundBrush, clBtnFace);

    const TSkinData coloured = skin.Read("[colours]\nbuttonface=10,20,30\nHilight=152 99 0\n");
    EXPECT_EQ(coloured.Colours.ButtonFace, RgbColour(10, 20, 30));
    EXPECT_EQ(coloured.Colours.Menubar, RgbColour(10, 20, 30)) << "Menubar defaults to the ButtonFace read";
    EXPECT_EQ(coloured.Colours.Hilight, 0x006398u);
    EXPECT_EQ(coloured.BackgroundBrush, RgbColour(10, 20, 30));
}

TEST(SkinModelColours, PaletteListsColourSectionsInFileOrderExceptColours) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Colour1]\ncolor=255 255 255\n"
        "[Colours]\nButtonText=1 2 3\n"
        "[colourful]\n"
        "[COLOUR0]\nCOLOR=0 0 0\n"
        "[MyColour]\ncolor=9 9 9\n");
    ASSERT_EQ(data.Palette.size(), 3u);
    EXPECT_EQ(data.Palette[0], clWhite);
    EXPECT_EQ(data.Palette[1], clWindowText) << "a palette section without `color`";
    EXPECT_EQ(data.Palette[2], clBlack);
}

TEST(SkinModelElements, TextColoursDefaultToTheSkinsButtonText) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Colours]\nButtonText=1 2 3\n"
        "[Buttons]\nNormalColour2=255 255 255\n"
        "[MenuItem]\nImage=menu-item.bmp\n");
    EXPECT_EQ(data.Buttons.NormalColour2, clWhite);
    EXPECT_EQ(data.Buttons.MouseOverColour2, RgbColour(1, 2, 3));
    EXPECT_TRUE(data.Buttons.HasNormalColour2);
    EXPECT_FALSE(data.Buttons.HasMouseOverColour2);
    EXPECT_FALSE(data.Buttons.HasPressedColour2);
    ASSERT_TRUE(data.MenuItem);
    EXPECT_EQ(data.MenuItem->PressedColour2, RgbColour(1, 2, 3));
    EXPECT_EQ(data.MenuItem->NormalColour, -1);
}

TEST(SkinModelButtons, PushButtonsHaveFiveFramesAndGlyphCountsComeFromTheImages) {
    struct Case {
        int width, height, given, expected;
    };
    const Case cases[] = {
        {56, 14, 0, 4},   // 56 div 13
        {130, 14, 0, 10},  // 130 div 13
        {96, 16, 0, 6},   // height 16: div 16
        {20, 14, 0, 4},   // at least 4
        {56, 14, 7, 7},   // a given count is kept
    };
    for (const Case& c : cases) {
        SkinFixture skin;
        skin.Entry("check.bmp", PositionImage(c.width, c.height)).Entry("radio.bmp", PositionImage(c.width, c.height));
        const std::string given = std::to_string(c.given);
        const TSkinData data = skin.Read("[Buttons]\nCheckButton=check.bmp\nRadioButton=radio.bmp\nCheckButtonFrame=" +
                                         given + "\nRadioButtonFrame=" + given + "\n");
        EXPECT_EQ(data.Buttons.CheckButtonFrame, c.expected) << c.width << "x" << c.height << " given " << c.given;
        EXPECT_EQ(data.Buttons.RadioButtonFrame, c.expected) << c.width << "x" << c.height << " given " << c.given;
        EXPECT_EQ(data.Buttons.FrameCount, 5);
    }
    const TSkinData none = SkinFixture().Read("[Buttons]\n");
    EXPECT_EQ(none.Buttons.CheckButtonFrame, 4) << "no image still gives the minimum";
}

TEST(SkinModelButtons, ReadsMarginsFlagsAndPaletteIndexes) {
    SkinFixture skin;
    skin.Entry("buttons.bmp", PositionImage(230, 46));
    const TSkinData data = skin.Read(
        "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=9\nRightWidth=8\nTopHeight=10\nBottomHeight=11\n"
        "Trans=1\nTile=2\nNormalColour=1\nMouseOverColour=0\n");
    EXPECT_EQ(data.Buttons.Bitmap.Width(), 230);
    EXPECT_EQ(data.Buttons.LeftWidth, 9);
    EXPECT_EQ(data.Buttons.RightWidth, 8);
    EXPECT_EQ(data.Buttons.TopHeight, 10);
    EXPECT_EQ(data.Buttons.BottomHeight, 11);
    EXPECT_EQ(data.Buttons.Trans, 1);
    EXPECT_EQ(data.Buttons.Tile, 0) << "Tile above 1 means stretch";
    EXPECT_EQ(data.Buttons.NormalColour, 1);
    EXPECT_EQ(data.Buttons.MouseOverColour, 0);
    EXPECT_EQ(data.Buttons.PressedColour, -1);
}

TEST(SkinModelCaption, TextColourNeedsAllThreePartsAndFontHeightDefaultsTo14) {
    SkinFixture skin;
    const TSkinData data = skin.Read(
        "[Personality]\nTextShift=15\nTextAlignment=2\nTXTBackleft=11\n"
        "ActiveTextR=255\nActiveTextG=128\nActiveTextB=0\n"
        "InActiveTextR=255\nInActiveTextG=255\n");
    EXPECT_EQ(data.Caption.TextShift, 15);
    EXPECT_EQ(data.Caption.TextAlignment, 2);
    EXPECT_EQ(data.Caption.TXTBackleft, 11);
    EXPECT_EQ(data.Caption.TXTBackRight, 0);
    EXPECT_EQ(data.Caption.FontHeight, 14);
    EXPECT_EQ(data.Caption.FrameCount, 2);
    ASSERT_TRUE(data.Caption.ActiveTextColour);
    EXPECT_EQ(*data.Caption.ActiveTextColour, RgbColour(255, 128, 0));
    EXPECT_FALSE(data.Caption.InActiveTextColour) << "blue is missing";

    const TSkinData fonts = skin.Read("[Fonts]\nFontHeight=18\n[Personality]\nActiveTextR=-1\n");
    EXPECT_EQ(fonts.Caption.FontHeight, 18);
    EXPECT_FALSE(fonts.Caption.ActiveTextColour);
}

TEST(SkinModelMenuBar, FixedEndsDefaultToOnePixelAndTwoFrames) {
    SkinFixture skin;
    const TSkinData plain = skin.Read("[Personality]\n");
    EXPECT_EQ(plain.MenuBar.LeftWidth, 1);
    EXPECT_EQ(plain.MenuBar.RightWidth, 1);
    EXPECT_EQ(plain.MenuBar.Tile, 0);
    EXPECT_EQ(plain.MenuBar.FrameCount, 2);
    const TSkinData set = skin.Read("[Personality]\nTileMenu=1\nTileLeftMenu=3\nTileRightMenu=4\n");
    EXPECT_EQ(set.MenuBar.Tile, 1);
    EXPECT_EQ(set.MenuBar.LeftWidth, 3);
    EXPECT_EQ(set.MenuBar.RightWidth, 4);
    EXPECT_EQ(set.MenuBar.TopHeight, 0);
}

TEST(SkinModelProgress, ReadsBothImagesStyleAndTwoFrames) {
    SkinFixture skin;
    skin.Entry("bar.bmp", PositionImage(20, 5)).Entry("chunk.bmp", PositionImage(4, 5));
    const TSkinData data =
        skin.Read("[Progress]\nBitmap=bar.bmp\nChunk=chunk.bmp\nStyle=3\nLeftWidth=2\nBottomHeight=6\nTile=1\n");
    EXPECT_EQ(data.Progress.Bitmap.Width(), 20);
    EXPECT_EQ(data.Progress.Bitmap2.Width(), 4);
    EXPECT_EQ(data.Progress.Style, 3);
    EXPECT_EQ(data.Progress.LeftWidth, 2);
    EXPECT_EQ(data.Progress.BottomHeight, 6);
    EXPECT_EQ(data.Progress.Tile, 1);
    EXPECT_EQ(data.Progress.FrameCount, 2);
}

}  // namespace
}  // namespace tips::skin
