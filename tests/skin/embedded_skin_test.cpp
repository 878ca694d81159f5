// Our own skin as the build embeds it: the stored property, the archive and the model it gives.

#include "skin/embedded_skin.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "skin/bitmap.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_source.hpp"
#include "skin/skin_stream.hpp"

namespace tips::skin {
namespace {

SkinArchive OpenEmbedded() { return SkinArchive(DecodeSkinFile(ReadSkinStream(EmbeddedSkinStream()).skinFile)); }

const TSkinData& EmbeddedModel() {
    static const TSkinData model = ReadSkinModel(OpenEmbedded());
    return model;
}

TEST(EmbeddedSkin, StoredPropertyIsLengthThenTheWholeSkinFile) {
    const auto stream = EmbeddedSkinStream();
    const SkinStreamView view = ReadSkinStream(stream);
    EXPECT_EQ(view.consumed, stream.size()) << "nothing after the skin file";
    EXPECT_GT(view.skinFile.size(), 4u);
}

TEST(EmbeddedSkin, DecodesToTheArchiveWhoseSizesAddUp) {
    const SkinArchive archive = OpenEmbedded();
    EXPECT_EQ(archive.Size(), 391139u);
    EXPECT_EQ(archive.Version(), 20000u);
    EXPECT_EQ(archive.NameListLength(), 738u);
    ASSERT_EQ(archive.Entries().size(), 41u);
    std::size_t entryBytes = 0;
    for (const auto& entry : archive.Entries()) entryBytes += entry.size;
    EXPECT_EQ(archive.DataOffset(), 16u + 738u + 41u * 4u);
    EXPECT_EQ(archive.DataOffset() + entryBytes, archive.Size());
    EXPECT_EQ(archive.TrailingBytes(), 0u);
}

TEST(EmbeddedSkin, HoldsTheFortyBitmapsWithTheirPixelSizesAndOneIniText) {
    const std::map<std::string, std::pair<int, int>> expected = {
        {"frame-top.bmp", {190, 52}},        {"scrollbar-arrows.bmp", {368, 16}}, {"frame-bottom.bmp", {232, 6}},
        {"scrollbar-hback.bmp", {64, 16}},   {"frame-left.bmp", {6, 142}},        {"scrollbar-vback.bmp", {64, 16}},
        {"frame-right.bmp", {6, 142}},       {"scrollbar-hbar.bmp", {48, 16}},    {"menu-bar.bmp", {70, 38}},
        {"scrollbar-vbar.bmp", {48, 16}},    {"background-dialog.bmp", {32, 32}}, {"mdi-buttons.bmp", {180, 14}},
        {"buttons.bmp", {230, 46}},          {"groupbox-tab.bmp", {47, 15}},      {"checkbox.bmp", {56, 14}},
        {"toolbars.bmp", {230, 46}},         {"radiobutton.bmp", {56, 14}},       {"menu-buttons.bmp", {245, 20}},
        {"progressbar.bmp", {182, 13}},      {"titlebar-min.bmp", {108, 20}},     {"groupbox-border.bmp", {50, 25}},
        {"titlebar-max.bmp", {108, 20}},     {"page-border.bmp", {12, 12}},       {"titlebar-close.bmp", {108, 20}},
        {"page-tabs.bmp", {130, 20}},        {"titlebar-help.bmp", {108, 20}},    {"statusbar.bmp", {96, 20}},
        {"titlebar-restore.bmp", {108, 20}}, {"combo-button.bmp", {72, 21}},      {"titlebar-lock.bmp", {108, 20}},
        {"combo-border.bmp", {40, 9}},       {"titlebar-unlock.bmp", {108, 20}},  {"combo-arrows.bmp", {80, 16}},
        {"titlebar-rollup.bmp", {108, 20}},  {"list-tab.bmp", {190, 27}},         {"titlebar-unroll.bmp", {108, 20}},
        {"menu-item.bmp", {620, 19}},        {"titlebar-winmenu.bmp", {108, 20}}, {"menu-back.bmp", {128, 128}},
        {"titlebar-icon.bmp", {96, 16}},
    };
    ASSERT_EQ(expected.size(), 40u);
    const SkinArchive archive = OpenEmbedded();
    std::map<std::string, std::pair<int, int>> found;
    for (const auto& entry : archive.Entries()) {
        if (entry.name.ends_with(".bmp")) {
            const Image image = ReadBitmap(archive.Data(entry));
            found[entry.name] = {image.Width(), image.Height()};
            const std::size_t row = (static_cast<std::size_t>(image.Width()) * 3 + 3) / 4 * 4;
            EXPECT_EQ(entry.size, 54 + row * static_cast<std::size_t>(image.Height())) << entry.name;
        }
    }
    EXPECT_EQ(found, expected);
    const SkinArchiveEntry* ini = archive.FindIni();
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(ini->size, 12353u);
    const std::string_view text = archive.Text(*ini);
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 825u);
}

// Pictures drawn without transparency must not show magenta; drawn with it, their corners do.
TEST(EmbeddedSkin, MagentaOnlyWhereTransparencyIsMeant) {
    const TSkinData& skin = EmbeddedModel();
    auto hasMagenta = [](const Image& image) {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if (image.At(x, y) == kTransparentColour) return true;
        return false;
    };
    for (const TSkinElement* opaque : std::initializer_list<const TSkinElement*>{
             &skin.Left, &skin.Right, &skin.Top, &skin.Bottom, &skin.MenuBar, &skin.Progress, &*skin.Toolbars,
             &*skin.Headerbar, &*skin.StatusBarEdges, &*skin.ComboButton, &*skin.SunkEdge, &*skin.GroupBox,
             &*skin.Scrollbar}) {
        EXPECT_EQ(opaque->Trans, 0) << opaque->Name;
        EXPECT_FALSE(hasMagenta(opaque->Bitmap)) << opaque->Name;
    }
    for (const auto& button : skin.SysButtons) {
        if (button.Bitmap.Empty()) continue;
        const int frameWidth = button.Bitmap.Width() / button.FrameCount;
        for (int frame = 0; frame < button.FrameCount; ++frame)
            EXPECT_EQ(button.Bitmap.At(frame * frameWidth, 0), kTransparentColour) << button.Name << " frame " << frame;
    }
    EXPECT_EQ(skin.Buttons.Bitmap.At(0, 0), kTransparentColour);
    EXPECT_EQ(skin.MenuItem->Bitmap.At(10, 10), kTransparentColour) << "normal menu items show the background";
}

TEST(EmbeddedSkin, ModelCarriesTheFrameAndCaptionValues) {
    const TSkinData& skin = EmbeddedModel();
    EXPECT_EQ(skin.Top.LeftWidth, 28);
    EXPECT_EQ(skin.Top.RightWidth, 75);
    EXPECT_EQ(skin.Bottom.LeftWidth, 1);
    EXPECT_EQ(skin.Bottom.RightWidth, 1);
    for (const TSkinBorderElement* side : {&skin.Left, &skin.Right}) {
        EXPECT_EQ(side->TopHeight, 4);
        EXPECT_EQ(side->BottomHeight, 4);
    }
    for (const TSkinBorderElement* piece : {&skin.Left, &skin.Right, &skin.Top, &skin.Bottom}) {
        EXPECT_EQ(piece->FrameCount, 2) << piece->Name;
        EXPECT_EQ(piece->Stretch, piece == &skin.Top ? 1 : 0) << piece->Name;
        EXPECT_EQ(piece->Trans, 0) << piece->Name;
    }
    // The frame metrics the window frame derives: C 26, L 3, R 3, B 3.
    EXPECT_EQ(skin.Top.Bitmap.Height() / skin.Top.FrameCount, 26);
    EXPECT_EQ(skin.Left.Bitmap.Width() / skin.Left.FrameCount, 3);
    EXPECT_EQ(skin.Right.Bitmap.Width() / skin.Right.FrameCount, 3);
    EXPECT_EQ(skin.Bottom.Bitmap.Height() / skin.Bottom.FrameCount, 3);

    const TSkinTitleElement& c = skin.Caption;
    EXPECT_TRUE(c.Bitmap.Empty()) << "titlebar-textback.bmp is not in the archive";
    EXPECT_EQ(c.TextShift, 15);
    EXPECT_EQ(c.TextShiftVert, 1);
    EXPECT_EQ(c.TextRightClip, 73);
    EXPECT_EQ(c.TextAlignment, 0);
    EXPECT_EQ(c.Textbackground, 1);
    EXPECT_EQ(c.TXTBackleft, 11);
    EXPECT_EQ(c.TXTBackRight, 11);
    EXPECT_EQ(c.FontHeight, 18);
    EXPECT_EQ(c.ActiveTextColour, clWhite);
    EXPECT_EQ(c.InActiveTextColour, clWhite);

    EXPECT_EQ(skin.MenuBar.Bitmap.Width(), 70);
    EXPECT_EQ(skin.MenuBar.Tile, 0);
    EXPECT_EQ(skin.MenuBar.LeftWidth, 3);
    EXPECT_EQ(skin.MenuBar.RightWidth, 3);
}

TEST(EmbeddedSkin, ModelCarriesTheColoursAndPalette) {
    const TSkinColours& c = EmbeddedModel().Colours;
    EXPECT_EQ(c.WindowText, RgbColour(0, 0, 0));
    EXPECT_EQ(c.ButtonFace, RgbColour(204, 204, 204));
    EXPECT_EQ(c.Scrollbar, RgbColour(51, 51, 51));
    EXPECT_EQ(c.HilightText, RgbColour(255, 255, 255));
    EXPECT_EQ(c.Hilight, RgbColour(152, 99, 0));
    EXPECT_EQ(c.Menubar, RgbColour(204, 204, 204));
    EXPECT_EQ(c.Menu, RgbColour(204, 204, 204));
    EXPECT_EQ(c.MenuText, RgbColour(0, 0, 0));
    EXPECT_EQ(c.ButtonText, RgbColour(0, 0, 0));
    EXPECT_EQ(c.ButtonHilight, RgbColour(221, 221, 221));
    EXPECT_EQ(c.Buttonlight, RgbColour(255, 255, 255));
    EXPECT_EQ(c.ButtonShadow, RgbColour(153, 153, 153));
    EXPECT_EQ(c.ButtonDkShadow, RgbColour(102, 102, 102));
    EXPECT_EQ(c.MenuBarText, RgbColour(255, 255, 255));
    EXPECT_EQ(c.TitleTextActive, RgbColour(255, 255, 255));
    EXPECT_EQ(c.TitleTextNoActive, RgbColour(255, 255, 255));
    EXPECT_EQ(EmbeddedModel().Palette, (std::vector<TColor>{clBlack, clWhite, RgbColour(127, 127, 127)}));
    EXPECT_EQ(EmbeddedModel().BackgroundBrush, RgbColour(204, 204, 204));
}

TEST(EmbeddedSkin, ModelCarriesTheTitleBarButtons) {
    struct Expected {
        const char* name;
        int action, align, x, y, visibility, visibility1;
        bool image;
    };
    const Expected expected[] = {
        {"Button0", 2, 1, 56, 3, 8, 6, true},    {"Button2", 1, 1, 39, 3, 2, 6, true},
        {"Button3", 0, 1, 22, 3, 0, 0, true},    {"Button7", 1, 1, 39, 3, 1, 6, true},
        {"Button13", 3, 0, 7, 5, 0, 0, false},   {"MDICONTROLS", 7, 100, 57, 0, 100, 100, true},
        {"MDICONTROLS", 8, 100, 38, 0, 100, 100, true}, {"MDICONTROLS", 9, 100, 19, 0, 100, 100, true},
    };
    const auto& buttons = EmbeddedModel().SysButtons;
    ASSERT_EQ(buttons.size(), std::size(expected));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Expected& e = expected[i];
        const TSkinSysButtonElement& b = buttons[i];
        EXPECT_EQ(b.Name, e.name);
        EXPECT_EQ(b.Action, e.action) << e.name;
        EXPECT_EQ(b.Align, e.align) << e.name;
        EXPECT_EQ(b.Xcoord, e.x) << e.name;
        EXPECT_EQ(b.Ycoord, e.y) << e.name;
        EXPECT_EQ(b.Visibility, e.visibility) << e.name;
        EXPECT_EQ(b.Visibility1, e.visibility1) << e.name;
        EXPECT_EQ(!b.Bitmap.Empty(), e.image) << e.name;
        if (i < 4) {
            EXPECT_EQ(b.FrameCount, 6) << e.name;
            EXPECT_EQ(b.Bitmap.Width() / b.FrameCount, 18) << e.name;
            EXPECT_EQ(b.Bitmap.Height(), 20) << e.name;
        }
    }
    EXPECT_EQ(buttons[5].Bitmap.Width(), 60) << "four 15-pixel columns";
}

TEST(EmbeddedSkin, ModelCarriesTheButtonsSection) {
    const TSkinButtonElement& b = EmbeddedModel().Buttons;
    EXPECT_EQ(b.Bitmap.Width(), 230);
    EXPECT_EQ(b.CheckButton.Width(), 56);
    EXPECT_EQ(b.RadioButton.Width(), 56);
    EXPECT_EQ(b.LeftWidth, 9);
    EXPECT_EQ(b.RightWidth, 9);
    EXPECT_EQ(b.TopHeight, 10);
    EXPECT_EQ(b.BottomHeight, 10);
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Tile, 1);
    EXPECT_EQ(b.NormalColour, 1);
    EXPECT_EQ(b.MouseOverColour, 0);
    EXPECT_EQ(b.PressedColour, 0);
    EXPECT_EQ(b.NormalColour2, clWhite);
    EXPECT_EQ(b.MouseOverColour2, clBlack);
    EXPECT_EQ(b.PressedColour2, clBlack);
    EXPECT_TRUE(b.HasNormalColour2 && b.HasMouseOverColour2 && b.HasPressedColour2);
    EXPECT_EQ(b.CheckButtonFrame, 4);
    EXPECT_EQ(b.RadioButtonFrame, 4);
    EXPECT_EQ(b.FrameCount, 5);
}

TEST(EmbeddedSkin, ModelCarriesTheGenericElements) {
    struct Expected {
        const char* name;
        int width, left, right, top, bottom, trans, tile, frames;
    };
    const Expected expected[] = {
        {"GroupBoxEdge", 50, 4, 4, 16, 4, 1, 1, 2},   {"GroupBox", 47, 11, 11, 7, 7, 0, 1, 1},
        {"Toolbars", 230, 7, 8, 6, 6, 0, 1, 5},       {"Tabs", 130, 10, 10, 10, 9, 1, 1, 5},
        {"StatusBarEdges", 96, 0, 0, 1, 0, 0, 0, 3},  {"ComboButton", 72, 2, 10, 10, 10, 0, 1, 4},
        {"SunkEdge", 40, 2, 2, 2, 2, 0, 1, 4},        {"ExtraImages", 80, 0, 0, 0, 0, 1, 0, 5},
        {"Headerbar", 190, 8, 8, 8, 8, 0, 1, 5},      {"MenuItem", 620, 6, 6, 13, 5, 1, 1, 5},
        {"MenuBackground", 128, 17, 12, 12, 12, 1, 1, 1}, {"Scrollbar", 368, 0, 0, 0, 0, 0, 0, 23},
        {"HorzScroll", 64, 4, 4, 7, 7, 1, 1, 4},      {"VertScroll", 64, 7, 7, 4, 4, 1, 1, 4},
        {"HorzScrollThumb", 48, 4, 4, 8, 7, 1, 1, 3}, {"VertScrollThumb", 48, 8, 7, 4, 4, 1, 1, 3},
    };
    const TSkinData& skin = EmbeddedModel();
    ASSERT_EQ(skin.GenericElements().size(), std::size(expected)) << "no trackbar thumbs, no up-down elements";
    for (const Expected& e : expected) {
        const TSkinElement* element = skin.GenericElement(e.name);
        ASSERT_NE(element, nullptr) << e.name;
        EXPECT_EQ(element->Bitmap.Width(), e.width) << e.name;
        EXPECT_EQ(element->LeftWidth, e.left) << e.name;
        EXPECT_EQ(element->RightWidth, e.right) << e.name;
        EXPECT_EQ(element->TopHeight, e.top) << e.name;
        EXPECT_EQ(element->BottomHeight, e.bottom) << e.name;
        EXPECT_EQ(element->Trans, e.trans) << e.name;
        EXPECT_EQ(element->Tile, e.tile) << e.name;
        EXPECT_EQ(element->FrameCount, e.frames) << e.name;
    }
    EXPECT_EQ(skin.GroupBox->NormalColour, 1);
    EXPECT_EQ(skin.Tabs->NormalColour, 1);
    EXPECT_EQ(skin.Tabs->PressedColour, 0);
    EXPECT_EQ(skin.Tabs->NormalColour2, clWhite);
    EXPECT_EQ(skin.Tabs->Bitmap2.Width(), 12);
    EXPECT_EQ(skin.MenuItem->NormalColour, 0);
    EXPECT_EQ(skin.MenuItem->MouseOverColour, 1);
    EXPECT_EQ(skin.MenuItem->PressedColour, 1);
    EXPECT_EQ(skin.ComboButton->Bitmap2, MirrorLeftRight(skin.ComboButton->Bitmap));
    const TSkinBorderElement& p = skin.Progress;
    EXPECT_EQ(p.Bitmap.Width(), 182);
    EXPECT_TRUE(p.Bitmap2.Empty());
    EXPECT_EQ(p.LeftWidth, 2);
    EXPECT_EQ(p.RightWidth, 2);
    EXPECT_EQ(p.TopHeight, 6);
    EXPECT_EQ(p.BottomHeight, 6);
    EXPECT_EQ(p.Trans, 0);
    EXPECT_EQ(p.Tile, 1);
}

TEST(EmbeddedSkin, SkinSourceLoadsItFromTheStoredProperty) {
    TSkinSource source;
    int messages = 0;
    source.OnShowMessage = [&](const std::string&) { ++messages; };
    source.ReadSkinStream(EmbeddedSkinStream());
    ASSERT_TRUE(source.SkinLoaded()) << source.LastError();
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(source.SkinData()->Colours.ButtonFace, RgbColour(204, 204, 204));
    const auto stored = EmbeddedSkinStream();
    EXPECT_EQ(source.WriteSkinStream(), std::vector<std::uint8_t>(stored.begin(), stored.end()));
}

}  // namespace
}  // namespace tips::skin
