#include "platform/system_colors.hpp"

#include <gtest/gtest.h>

namespace tips::platform {
namespace {

// A table whose every colour tells its own number, to see which one was asked for.
class TNumberedColors final : public TSystemColors {
public:
    TColor Color(int index) const override { return 0xAB000000 | static_cast<TColor>(index * 0x010101); }
};

TEST(ResolveColor, LooksSystemColoursUpByTheirNumberAndClearsTheHighByte) {
    const TNumberedColors table;
    EXPECT_EQ(ResolveColor(clBtnFace, table), 0x0F0F0Fu);
    EXPECT_EQ(ResolveColor(clBtnShadow, table), 0x101010u);
    EXPECT_EQ(ResolveColor(clScrollBar, table), 0x000000u);
}

TEST(ResolveColor, KeepsDirectColoursAndTurnsNoColourWhite) {
    const TNumberedColors table;
    EXPECT_EQ(ResolveColor(0x123456, table), 0x123456u);
    EXPECT_EQ(ResolveColor(0x7F123456, table), 0x123456u);  // not a system colour: the low three bytes
    EXPECT_EQ(ResolveColor(clNone, table), clWhite);
}

TEST(ClassicSystemColors, GiveTheClassicButtonAndWindowColoursAndBlackForUnknownNumbers) {
    const TClassicSystemColors classic;
    EXPECT_EQ(ResolveColor(clBtnFace, classic), clSilver);
    EXPECT_EQ(ResolveColor(clBtnShadow, classic), clGray);
    EXPECT_EQ(ResolveColor(clBtnHighlight, classic), clWhite);
    EXPECT_EQ(ResolveColor(clWindow, classic), clWhite);
    EXPECT_EQ(ResolveColor(clWindowText, classic), clBlack);
    EXPECT_EQ(ResolveColor(clHighlight, classic), RgbColor(0, 0, 128));
    EXPECT_EQ(ResolveColor(clAppWorkSpace, classic), clGray);
    EXPECT_EQ(ResolveColor(clInfoBk, classic), RgbColor(255, 255, 225));
    EXPECT_EQ(classic.Color(31), clBlack);
    EXPECT_EQ(classic.Color(-1), clBlack);
}

TEST(ColorNames, AreTheWindowsNumbersAndRgbPutsRedInTheLowByte) {
    EXPECT_EQ(clBtnShadow, 0x80000010u);
    EXPECT_EQ(cl3DDkShadow, 0x80000015u);
    EXPECT_EQ(clMenuBar, 0x8000001Eu);
    EXPECT_TRUE(IsSystemColor(clWindow));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_FALSE(IsSystemColor(clWhite));
    const TColor orange = RgbColor(255, 128, 1);
    EXPECT_EQ(orange, 0x0180FFu);
    EXPECT_EQ(RedOf(orange), 255);
    EXPECT_EQ(GreenOf(orange), 128);
    EXPECT_EQ(BlueOf(orange), 1);
}

}  // namespace
}  // namespace tips::platform
