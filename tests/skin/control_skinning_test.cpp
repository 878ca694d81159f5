// Control skinning decisions: button frames and colours by state, check and radio frames, the radio
// glyph's place, a push button's click, the painters of push buttons, radio glyphs and group boxes,
// and which family a control gets.

#include "skin/button_states.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/control_painters.hpp"
#include "skin/nine_slice.hpp"
#include "skin/skin_class_map.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

TEST(ButtonStates, PushButtonFrames) {
    struct Case {
        TButtonState State;
        int Frame;
    };
    const Case cases[] = {
        {{false, false, false, true}, 1}, {{true, false, false, true}, 2}, {{true, true, true, true}, 2},
        {{false, true, false, true}, 4},  {{false, false, true, true}, 4}, {{false, false, false, false}, 3},
        {{true, true, true, false}, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PushButtonFrame(c.State), c.Frame) << c.State.Pressed << c.State.Hot << c.State.Focused << c.State.Enabled;
    }
    const TSkinButtonElement& buttons = EmbeddedModel().Buttons;
    EXPECT_EQ(PushButtonTextColour(buttons, 1), platform::RgbColor(255, 255, 255));
    EXPECT_EQ(PushButtonTextColour(buttons, 2), platform::RgbColor(0, 0, 0));
    EXPECT_EQ(PushButtonTextColour(buttons, 4), platform::RgbColor(0, 0, 0));
    EXPECT_EQ(PushButtonTextColour(buttons, 3), platform::clBtnShadow);
}

TEST(ButtonStates, SpeedButtonsAndTheirGlyphCells) {
    EXPECT_EQ(SpeedButtonFrame({}), 1);
    EXPECT_EQ(SpeedButtonFrame({true, false, false, true}), 2);
    EXPECT_EQ(SpeedButtonFrame({false, true, true, true}), 2) << "down wins over hot";
    EXPECT_EQ(SpeedButtonFrame({false, false, true, true}), 4);
    EXPECT_EQ(SpeedButtonFrame({true, true, true, false}), 3);
    EXPECT_EQ(SpeedButtonGlyphCell(1, 4), 1);
    EXPECT_EQ(SpeedButtonGlyphCell(4, 4), 1);
    EXPECT_EQ(SpeedButtonGlyphCell(3, 4), 2);
    EXPECT_EQ(SpeedButtonGlyphCell(2, 4), 3);
    EXPECT_EQ(SpeedButtonGlyphCell(2, 2), 1) << "cell 1 when the glyph lacks the cell";
    EXPECT_EQ(SpeedButtonGlyphCell(3, 1), 1);

    TSkinButtonElement buttons;
    buttons.NormalColour2 = platform::RgbColor(1, 2, 3);
    EXPECT_EQ(SpeedButtonTextColour(buttons, 1), std::nullopt) << "not given by the skin";
    buttons.HasNormalColour2 = true;
    EXPECT_EQ(SpeedButtonTextColour(buttons, 1), platform::RgbColor(1, 2, 3));
    EXPECT_EQ(SpeedButtonTextColour(buttons, 3), platform::clBtnShadow);
    EXPECT_EQ(SpeedButtonTextColour(EmbeddedModel().Buttons, 4), platform::RgbColor(0, 0, 0));
}

TEST(ButtonStates, ToolbarButtonFrames) {
    EXPECT_EQ(ToolbarButtonFrame({}), 1);
    EXPECT_EQ(ToolbarButtonFrame({true, true, true, true, true}), 2);
    EXPECT_EQ(ToolbarButtonFrame({false, false, true, true, false}), 4);
    EXPECT_EQ(ToolbarButtonFrame({false, true, false, false, false}), 4);
    EXPECT_EQ(ToolbarButtonFrame({false, false, false, true, false}), 3);
    EXPECT_EQ(ToolbarButtonFrame({false, false, false, false, true}), 3);
}

TEST(ButtonStates, CheckAndRadioFrames) {
    EXPECT_EQ(CheckBoxFrame(TCheckState::Unchecked, true, 4), 1);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Checked, true, 4), 2);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Grayed, true, 4), 4);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Unchecked, false, 4), 3);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Checked, false, 4), 4);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Grayed, false, 6), 6);
    EXPECT_EQ(CheckBoxFrame(TCheckState::Grayed, false, 4), 4) << "no frame for a disabled grayed box: grayed";
    EXPECT_EQ(CheckBoxFrame(TCheckState::Checked, true, 1), 1);
    EXPECT_EQ(RadioButtonFrame(false, true, 4), 1);
    EXPECT_EQ(RadioButtonFrame(true, true, 4), 2);
    EXPECT_EQ(RadioButtonFrame(false, false, 4), 3);
    EXPECT_EQ(RadioButtonFrame(true, false, 4), 4);
    EXPECT_EQ(RadioButtonFrame(true, false, 2), 2);
}

TEST(ButtonStates, RadioGlyphPlace) {
    EXPECT_EQ(RadioGlyphRect({10, 20, 110, 40}, 14, 14, false), (TViewRect{10, 23, 24, 37}));
    EXPECT_EQ(RadioGlyphRect({10, 20, 110, 40}, 10, 10, false), (TViewRect{12, 25, 22, 35})) << "centred in 14";
    EXPECT_EQ(RadioGlyphRect({10, 20, 110, 40}, 10, 10, true), (TViewRect{98, 25, 108, 35}));
    EXPECT_EQ(RadioGlyphRect({10, 20, 110, 40}, 16, 16, false), (TViewRect{10, 22, 26, 38}));
}

TEST(ButtonStates, ReleaseOutsideTheButtonDoesNotClick) {
    TPushButtonTracker tracker;
    EXPECT_FALSE(tracker.Release(true)) << "no press before";
    tracker.Press();
    EXPECT_FALSE(tracker.Release(false));
    EXPECT_FALSE(tracker.Pressed());
    tracker.Press();
    EXPECT_TRUE(tracker.Release(true));
    tracker.Press();
    tracker.Leave();
    EXPECT_FALSE(tracker.Release(true)) << "leaving the button drops the press";
    tracker.Enter(false);
    EXPECT_FALSE(tracker.Hot()) << "a disabled button does not become hot";
    tracker.Enter(true);
    EXPECT_TRUE(tracker.Hot());
}

const platform::TPlainFont kFont({"Tahoma", -11, {}});

TEST(ControlPainters, AboutBoxButtonFromTheEmbeddedSkin) {
    TSkinBitmapCache bitmaps;
    const TPushButtonPainter painter(EmbeddedModel(), bitmaps);
    for (const auto& [state, frame] : {std::pair{TButtonState{}, 1}, std::pair{TButtonState{true, true, true, true}, 2},
                                       std::pair{TButtonState{false, true, false, true}, 4},
                                       std::pair{TButtonState{false, false, false, false}, 3}}) {
        platform::TRecordingCanvas canvas;
        ASSERT_TRUE(painter.Paint(canvas, {0, 0, 75, 25}, "Aceptar", state, kFont));
        const auto fill = canvas.CallsOf<platform::TFillCall>();
        ASSERT_EQ(fill.size(), 1u);
        EXPECT_EQ(fill[0].Color, platform::RgbColor(204, 204, 204));
        const auto bitmapsDrawn = canvas.CallsOf<platform::TBitmapCall>();
        ASSERT_FALSE(bitmapsDrawn.empty());
        const int frameWidth = 230 / 5;
        for (const auto& call : bitmapsDrawn) {
            EXPECT_GE(call.Source.Left, (frame - 1) * frameWidth) << frame;
            EXPECT_LE(call.Source.Right, frame * frameWidth) << frame;
            EXPECT_EQ(call.Transparent, kMagenta);
        }
        const auto text = canvas.CallsOf<platform::TTextBoxCall>();
        ASSERT_EQ(text.size(), 1u);
        EXPECT_EQ(text[0].Text, "Aceptar");
        EXPECT_EQ(text[0].Foreground, PushButtonTextColour(EmbeddedModel().Buttons, frame));
        EXPECT_NE(text[0].Format & platform::tfCenter, 0u);
        EXPECT_NE(text[0].Format & platform::tfVCenter, 0u);
    }
    TSkinData bare = EmbeddedModel();
    bare.Buttons.Bitmap = Image();
    platform::TRecordingCanvas canvas;
    EXPECT_FALSE(TPushButtonPainter(bare, bitmaps).Paint(canvas, {0, 0, 75, 25}, "Aceptar", {}, kFont));
    EXPECT_TRUE(canvas.Calls().empty()) << "without an image the button keeps its own look";
}

TEST(ControlPainters, RadioGlyphIsClearedThenDrawn) {
    TSkinBitmapCache bitmaps;
    const TRadioGlyphPainter painter(EmbeddedModel(), bitmaps);
    platform::TRecordingCanvas canvas;
    ASSERT_TRUE(painter.Paint(canvas, {8, 16, 100, 33}, true, true, false));
    ASSERT_EQ(canvas.Calls().size(), 2u);
    const auto& clear = std::get<platform::TFillCall>(canvas.Calls()[0]);
    const auto& glyph = std::get<platform::TBitmapCall>(canvas.Calls()[1]);
    EXPECT_EQ(clear.Rect, (TViewRect{8, 17, 22, 31}));
    EXPECT_EQ(clear.Color, platform::RgbColor(204, 204, 204));
    EXPECT_EQ(glyph.Dest, clear.Rect);
    EXPECT_EQ(glyph.Source, (TViewRect{14, 0, 28, 14})) << "checked: frame 2 of 4";
}

TEST(ControlPainters, GroupBoxRoundedFrameInButtonShadow) {
    platform::TRecordingCanvas canvas;
    TGroupBoxPainter(EmbeddedModel()).Paint(canvas, {0, 0, 120, 60}, "Buscar por", kFont);
    const auto frames = canvas.CallsOf<platform::TFrameCall>();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].Rect, (TViewRect{0, 0, 120, 60}));
    EXPECT_EQ(frames[1].Rect, (TViewRect{1, 1, 119, 59}));
    const auto outline = canvas.CallsOf<platform::TPolylineCall>();
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].Color, platform::RgbColor(153, 153, 153));
    canvas.SetFont(kFont);  // the painter put the canvas's own font back
    const int top = canvas.TextExtent("0").Height / 2 - 1;
    ASSERT_EQ(top, 4);
    EXPECT_EQ(outline[0].Points.front(), (platform::TViewPoint{2, top}));
    const auto text = canvas.CallsOf<platform::TTextCall>();
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].At, (platform::TViewPoint{9, 0}));
    EXPECT_EQ(text[0].Background, platform::RgbColor(204, 204, 204));
    EXPECT_EQ(text[0].Mode, platform::TBackgroundMode::bmOpaque);
}

TEST(ControlPainters, ToolbarButtonFrameOverItsBounds) {
    TSkinBitmapCache bitmaps;
    const int frameWidth = 230 / 5;
    const std::pair<TToolbarDrawFlags, int> cases[] = {
        {{}, 1}, {{true}, 2}, {{false, false, true}, 4}, {{false, false, false, false, true}, 3}};
    for (const auto& [flags, frame] : cases) {
        platform::TRecordingCanvas canvas;
        const auto colour = PaintToolbarButton(canvas, bitmaps, EmbeddedModel(), flags, {10, 2, 33, 24});
        EXPECT_EQ(colour, SpeedButtonTextColour(EmbeddedModel().Buttons, frame));
        const auto calls = canvas.CallsOf<platform::TBitmapCall>();
        ASSERT_FALSE(calls.empty());
        for (const auto& call : calls) {
            EXPECT_GE(call.Source.Left, (frame - 1) * frameWidth);
            EXPECT_LE(call.Source.Right, frame * frameWidth);
            EXPECT_GE(call.Dest.Left, 10);
            EXPECT_LE(call.Dest.Right, 33);
        }
    }
}

// ---- Which family a control gets -------------------------------------------------------------

TEST(SkinControlsSwitches, DefaultsAndDisableTag) {
    const TSkinControls controls = TSkinControls::Default();
    EXPECT_TRUE(controls.Has(xcMainMenu));
    EXPECT_TRUE(controls.Has(xcSystemMenu));
    EXPECT_FALSE(controls.Has(xcReportForms));
    EXPECT_TRUE(DisabledByTag(99, 99));
    EXPECT_TRUE(DisabledByTag(199, 99));
    EXPECT_FALSE(DisabledByTag(-1, 99));
    EXPECT_FALSE(DisabledByTag(-99, 99)) << "the remainder keeps the sign";
    EXPECT_FALSE(DisabledByTag(98, 99));
    EXPECT_TRUE(DisabledByTag(5, 5));
}

TEST(SkinClassMapLookup, FirstLineNamingTheClassWins) {
    const TSkinClassMap map({"TFoo=button", "tfoobar=edit", "TFOO=panel", "TBar =edit", "TLong=" + std::string(60, 'x')});
    EXPECT_EQ(map.FamilyWord("tfoo"), "button");
    EXPECT_EQ(map.FamilyWord("TFooBar"), "edit");
    EXPECT_EQ(map.FamilyWord("TFo"), std::nullopt) << "the class name must be followed by =";
    EXPECT_EQ(map.FamilyWord("TBar"), std::nullopt);
    EXPECT_EQ(map.FamilyWord("TLong")->size(), 50u);
    // Every family word of the default list maps to a family.
    const TSkinClassMap defaults;
    ASSERT_FALSE(defaults.Lines().empty());
    for (const std::string& line : defaults.Lines()) {
        const std::string name = line.substr(0, line.find('='));
        const auto word = defaults.FamilyWord(name);
        ASSERT_TRUE(word) << line;
        EXPECT_NE(MapFamilyWord(*word, TSkinControls::Default(), true).Family, TSkinFamily::None) << line;
    }
}

TEST(SkinClassMapLookup, FamilyWordsAndTheirSwitches) {
    const TSkinControls all = TSkinControls::Default();
    struct Case {
        const char* Word;
        TSkinControlType Gate;
        TSkinFamily Family;
    };
    const Case cases[] = {
        {"Combobox", xcCombo, TSkinFamily::TSkinComBox},       {"Edit", xcEdit, TSkinFamily::TSkinEdit},
        {"Radiobutton", xcRadioButton, TSkinFamily::TSkinRadioButton},
        {"Panel", xcPanel, TSkinFamily::TSkinBox},             {"trackbar", xcButton, TSkinFamily::TSkinTrackBar},
        {"button", xcButton, TSkinFamily::TSkinButton},        {"tab", xcTab, TSkinFamily::TSkinTab},
        {"progress", xcProgress, TSkinFamily::TSkinProgress},  {"scrollbar", xcScrollbar, TSkinFamily::TSkinScrollBar},
        {"Radiogroup", xcPanel, TSkinFamily::TSkinGroupBox},   {"CheckGroup", xcPanel, TSkinFamily::TSkinGroupBox},
        {"Checkbox", xcCheckBox, TSkinFamily::TSkinCheckBox},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapFamilyWord(c.Word, all, true).Family, c.Family) << c.Word;
        TSkinControls off = all;
        off.Exclude(c.Gate);
        EXPECT_EQ(MapFamilyWord(c.Word, off, true).Family, TSkinFamily::None) << c.Word << " with its switch off";
    }
    EXPECT_EQ(MapFamilyWord("tab", all, false).Family, TSkinFamily::None) << "no Tabs element";
    EXPECT_EQ(MapFamilyWord("Radiogroup", all, true).Children, TSkinFamily::TSkinRadioButton);
    EXPECT_EQ(MapFamilyWord("CheckGroup", all, true).Children, TSkinFamily::TSkinCheckBox);
    EXPECT_EQ(MapFamilyWord("Radiogroup", TSkinControls(all).Exclude(xcRadioButton), true).Children, TSkinFamily::None);
    EXPECT_TRUE(MapFamilyWord("Panel", all, true).Transparent);
    EXPECT_TRUE(MapFamilyWord("Panel", all, true).SetColour);
    EXPECT_EQ(MapFamilyWord("gizmo", all, true).Family, TSkinFamily::None);
}

TEST(SkinClassMapLookup, MappedClassIsNeverMappedFurther) {
    const TSkinClassMap map({"TMyGrid=button"});
    TControlCandidate grid{0, "TMyGrid", TControlKind::Grid, false};
    const TSkinControls noButtons = TSkinControls(TSkinControls::Default()).Exclude(xcButton);
    EXPECT_EQ(MapControl(grid, map, noButtons, 99, true).Family, TSkinFamily::None)
        << "its family's switch is off, and the grid test below is not tried";
    EXPECT_EQ(MapControl(grid, map, TSkinControls::Default(), 99, true).Family, TSkinFamily::TSkinButton);
    grid.ClassName = "TDBGrid";
    EXPECT_EQ(MapControl(grid, map, noButtons, 99, true).Family, TSkinFamily::TSkinScrollBar);
    EXPECT_TRUE(MapControl(grid, map, noButtons, 99, true).GridFixedColour);
}

// The program's own controls, as the class tests map them.
TEST(SkinClassMapLookup, TheProgramsControls) {
    const TSkinClassMap map;
    const TSkinControls all = TSkinControls::Default();
    struct Case {
        TControlCandidate Control;
        TSkinFamily Family;
    };
    const Case cases[] = {
        {{0, "TPanel", TControlKind::Panel}, TSkinFamily::TSkinBox},
        {{0, "TSpeedButton", TControlKind::SpeedButton}, TSkinFamily::TSkinSpeedButton},
        {{0, "TStatusBar", TControlKind::StatusBar}, TSkinFamily::TSkinStatusBar},
        {{0, "TRadioGroup", TControlKind::RadioGroup}, TSkinFamily::TSkinGroupBox},
        {{0, "TEdit", TControlKind::Edit}, TSkinFamily::TSkinEdit},
        {{0, "TDBGrid", TControlKind::Grid}, TSkinFamily::TSkinScrollBar},
        {{0, "TCodeEdit", TControlKind::ScrollingControl}, TSkinFamily::TSkinScrollBar},
        {{0, "TButton", TControlKind::Button}, TSkinFamily::TSkinButton},
        {{0, "TToolBar", TControlKind::ToolBar}, TSkinFamily::TSkinBox},
        {{0, "TExtSplitterPanel", TControlKind::Other}, TSkinFamily::None},
        {{0, "TLinkLabel", TControlKind::Other}, TSkinFamily::None},
        {{99, "TButton", TControlKind::Button}, TSkinFamily::None},
        {{199, "TPanel", TControlKind::Panel}, TSkinFamily::None},
        {{-1, "TButton", TControlKind::Button}, TSkinFamily::TSkinButton},
        {{0, "TButton", TControlKind::Button, true}, TSkinFamily::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapControl(c.Control, map, all, 99, true).Family, c.Family)
            << c.Control.ClassName << " tag " << c.Control.Tag;
    }
    EXPECT_EQ(MapControl({0, "TRadioGroup", TControlKind::RadioGroup}, map, all, 99, true).Children,
              TSkinFamily::TSkinRadioButton);
    EXPECT_TRUE(MapControl({0, "TPanel", TControlKind::Panel}, map, all, 99, true).PassComponentsOn);
    EXPECT_EQ(MapControl({0, "TBitBtn", TControlKind::BitButton}, map, TSkinControls(all).Exclude(xcBitBtn), 99, true).Family,
              TSkinFamily::None);
}

TEST(SkinClassMapLookup, PlainWindowChildrenByClassAndStyle) {
    struct Case {
        const char* Class;
        std::uint32_t Style;
        TSkinFamily Family;
    };
    const Case cases[] = {
        {"Button", 0x50010000, TSkinFamily::TSkinButton},       // push button with window bits
        {"button", 1, TSkinFamily::TSkinButton},                // default push button
        {"BUTTON", 2, TSkinFamily::TSkinCheckBox},              {"button", 3, TSkinFamily::TSkinCheckBox},
        {"button", 5, TSkinFamily::TSkinCheckBox},              {"button", 6, TSkinFamily::TSkinCheckBox},
        {"button", 4, TSkinFamily::TSkinRadioButton},           {"button", 9, TSkinFamily::TSkinRadioButton},
        {"button", 7, TSkinFamily::None},                       // group box
        {"button", 11, TSkinFamily::None},                      // owner-drawn
        {"button", 12, TSkinFamily::TSkinButton},               // split button
        {"ComboBox", 2, TSkinFamily::TSkinComBox},              {"combobox", 1, TSkinFamily::None},
        {"ComboBoxEx32", 0, TSkinFamily::TSkinComBox},          {"ScrollBar", 0, TSkinFamily::TSkinSizer},
        {"SysTabControl32", 0, TSkinFamily::TSkinTab},          {"SysTabControl32", 0x2000, TSkinFamily::None},
        {"Edit", 0, TSkinFamily::TSkinEdit},                    {"Static", 0, TSkinFamily::None},
    };
    for (const Case& c : cases) EXPECT_EQ(MapPlainChild(c.Class, c.Style), c.Family) << c.Class << " " << c.Style;
}

}  // namespace
}  // namespace tips::skin
