// The link label's decisions without a window: its defaults, the link look by jump mode, the pressed
// colour, the legacy jump flag, what a click opens (through a fake shell), painting and auto-size on the
// recording canvas (cells of 6 x 11 for the 8-point font, 7 x 11 in bold).

#include "widgets/ext_simple_label.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_shell_port.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::widgets {
namespace {

using platform::TTextBoxCall;
using tips_test::TFakeShellPort;

constexpr platform::TWindowId kOwner = 0x1234;

// The label with its platform side replaced by counters.
class TProbeLabel final : public TExtCustomSimpleLabel {
public:
    int changes = 0;
    int clicks = 0;
    TProbeLabel() {
        OnClick = [this](TExtBaseControl& sender) {
            EXPECT_EQ(&sender, this);
            ++clicks;
        };
    }
    bool Underlined() const { return Font().Description.Style.Contains(platform::fsUnderline); }
    platform::TColor Colour() const { return Font().Color; }

    std::vector<TTextBoxCall> Painted() {
        platform::TRecordingCanvas canvas;
        Paint(canvas);
        paintCalls = canvas.Calls();
        return canvas.CallsOf<TTextBoxCall>();
    }
    std::vector<platform::TCanvasCall> paintCalls;

protected:
    void Changed() override { ++changes; }
    platform::TWindowId ShellOwner() const override { return kOwner; }
};

// Labels measure on a recording screen in every build (the Windows build's own screen is GDI's).
class ExtSimpleLabel : public ::testing::Test {
    platform::TRecordingScreenCanvasPort screen_;
    const platform::TScreenCanvasPortInstalled installed_{screen_};
};

TExtFont BoldFont(platform::TColor color = platform::clBlack) {
    TExtFont font;
    font.Description.Style = platform::fsBold;
    font.Color = color;
    return font;
}

TEST_F(ExtSimpleLabel, DefaultsAreAPlainTopLeftSingleLineTransparentAutoSizedLabel) {
    TProbeLabel label;
    EXPECT_EQ(label.Jump(), "");
    EXPECT_EQ(label.JumpMode(), TExtJumpModes::jmNone);
    EXPECT_EQ(label.ActiveColor(), platform::RgbColor(128, 0, 128));
    EXPECT_EQ(label.InActiveColor(), platform::RgbColor(0, 0, 255));
    EXPECT_TRUE(label.JumpUnderline());
    EXPECT_EQ(label.Options(), 0);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(label.Alignment(), TExtAlignment::agTopLeft);
    EXPECT_FALSE(label.MultiLine());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.Cursor(), TExtCursor::crDefault);
    EXPECT_EQ(label.PressedCount(), 0);
    EXPECT_FALSE(label.UseAsJump());
    EXPECT_EQ(label.TextFormat(), platform::tfExpandTabs | platform::tfWordBreak | platform::tfSingleLine);
}

TEST_F(ExtSimpleLabel, EveryLinkModeAppliesTheLinkLookAndNoneTakesItAway) {
    for (const TExtJumpModes mode : {TExtJumpModes::jmInternet, TExtJumpModes::jmApplication, TExtJumpModes::jmCustom}) {
        TProbeLabel label;
        label.SetFont(BoldFont(platform::clBlack));
        label.SetJumpMode(mode);
        EXPECT_EQ(label.Colour(), platform::clBlue);
        EXPECT_TRUE(label.Underlined());
        EXPECT_TRUE(label.Font().Description.Style.Contains(platform::fsBold));
        EXPECT_EQ(label.Cursor(), TExtCursor::crHandPoint);
        label.SetJumpMode(TExtJumpModes::jmNone);
        EXPECT_EQ(label.Colour(), platform::clBlack);
        EXPECT_FALSE(label.Underlined());
        EXPECT_TRUE(label.Font().Description.Style.Contains(platform::fsBold));
        EXPECT_EQ(label.Cursor(), TExtCursor::crDefault);
    }
}

TEST_F(ExtSimpleLabel, WithoutJumpUnderlineTheFontsUnderlineIsLeftAlone) {
    TProbeLabel label;
    label.SetJumpUnderline(false);
    label.SetJumpMode(TExtJumpModes::jmInternet);
    EXPECT_FALSE(label.Underlined());
    TExtFont underlined = label.Font();
    underlined.Description.Style = platform::fsUnderline;
    label.SetFont(underlined);
    label.SetJumpMode(TExtJumpModes::jmNone);
    EXPECT_TRUE(label.Underlined());
    EXPECT_EQ(label.Colour(), platform::clBlack);
}

TEST_F(ExtSimpleLabel, WhileLoadingNoneChangesNothingButALinkModeStillLooksLikeOne) {
    TProbeLabel label;
    label.BeginLoading();
    label.SetJumpMode(TExtJumpModes::jmInternet);
    EXPECT_EQ(label.Colour(), platform::clBlue);
    EXPECT_TRUE(label.Underlined());
    EXPECT_EQ(label.Cursor(), TExtCursor::crHandPoint);
    label.SetJumpMode(TExtJumpModes::jmNone);
    EXPECT_EQ(label.Colour(), platform::clBlue);
    EXPECT_TRUE(label.Underlined());
    EXPECT_EQ(label.Cursor(), TExtCursor::crHandPoint);
    label.EndLoading();
    EXPECT_EQ(label.JumpMode(), TExtJumpModes::jmNone);
    EXPECT_EQ(label.Colour(), platform::clBlue);
}

TEST_F(ExtSimpleLabel, ThePressTurnsALinkActiveForGoodUntilTheLookIsAppliedAgain) {
    TProbeLabel label;
    label.SetJumpMode(TExtJumpModes::jmInternet);
    label.MouseDown(TMouseButton::mbRight, 1, 1);
    EXPECT_EQ(label.PressedCount(), 0);
    EXPECT_EQ(label.Colour(), platform::clBlue);
    const int before = label.changes;
    label.MouseDown(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(label.PressedCount(), 1);
    EXPECT_EQ(label.Colour(), platform::clPurple);
    EXPECT_GT(label.changes, before);  // repainted in its new colour
    label.MouseUp(TMouseButton::mbLeft, 1, 1);
    label.MouseDown(TMouseButton::mbLeft, 1, 1);
    label.MouseUp(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(label.PressedCount(), 2);
    EXPECT_EQ(label.Colour(), platform::clPurple);
    // The same mode again changes nothing; another link mode starts afresh.
    label.SetJumpMode(TExtJumpModes::jmInternet);
    EXPECT_EQ(label.PressedCount(), 2);
    label.SetJumpMode(TExtJumpModes::jmApplication);
    EXPECT_EQ(label.PressedCount(), 0);
    EXPECT_EQ(label.Colour(), platform::clBlue);

    TProbeLabel plain;
    plain.SetFont(BoldFont(platform::clBlack));
    plain.MouseDown(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(plain.PressedCount(), 0);
    EXPECT_EQ(plain.Colour(), platform::clBlack);
}

TEST_F(ExtSimpleLabel, ColourSettersOnlyStoreUnlessTheLegacyFlagIsSet) {
    TProbeLabel label;
    label.SetJumpMode(TExtJumpModes::jmInternet);
    label.SetInActiveColor(platform::RgbColor(0, 128, 0));
    label.SetActiveColor(platform::RgbColor(255, 0, 0));
    EXPECT_EQ(label.Colour(), platform::clBlue);
    EXPECT_EQ(label.InActiveColor(), platform::RgbColor(0, 128, 0));
}

TEST_F(ExtSimpleLabel, TheLegacyFlagMakesAnInternetLinkAfterLoadingThatReturnsToItsColourOnRelease) {
    TProbeLabel label;
    label.BeginLoading();
    label.ReadUseAsJump(true);
    EXPECT_EQ(label.JumpMode(), TExtJumpModes::jmNone);
    label.EndLoading();
    EXPECT_EQ(label.JumpMode(), TExtJumpModes::jmInternet);
    EXPECT_EQ(label.Colour(), platform::clBlue);
    EXPECT_EQ(label.Cursor(), TExtCursor::crHandPoint);
    label.MouseDown(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(label.Colour(), platform::clPurple);
    label.MouseUp(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(label.Colour(), platform::clBlue);
    // With the flag the colour and underline setters show at once; ActiveColor still only stores.
    label.SetInActiveColor(platform::RgbColor(0, 128, 0));
    EXPECT_EQ(label.Colour(), platform::RgbColor(0, 128, 0));
    label.SetActiveColor(platform::RgbColor(255, 0, 0));
    EXPECT_EQ(label.Colour(), platform::RgbColor(0, 128, 0));
    label.SetJumpUnderline(false);
    EXPECT_FALSE(label.Underlined());
    label.SetJumpUnderline(true);
    EXPECT_TRUE(label.Underlined());
}

struct TClickCase {
    const char* name;
    TExtJumpModes mode;
    std::string jump;
    std::string caption;
    std::intptr_t shellResult;
    std::vector<std::string> opened;
    int clicks;  // OnClick calls
    bool enabledAfter;
    TExtJumpModes modeAfter;
};

class ExtSimpleLabelClick : public ::testing::TestWithParam<TClickCase> {};

TEST_P(ExtSimpleLabelClick, OpensItsTargetOrRunsOnClick) {
    const TClickCase& c = GetParam();
    TFakeShellPort shell(c.shellResult);
    TProbeLabel label;
    label.SetCaption(c.caption);
    label.SetJump(c.jump);
    label.SetJumpMode(c.mode);
    label.MouseDown(TMouseButton::mbLeft, 1, 1);
    label.MouseUp(TMouseButton::mbLeft, 1, 1);
    label.Click();
    EXPECT_EQ(shell.Targets(), c.opened);
    for (const auto& request : shell.requests) EXPECT_EQ(request.Owner, kOwner);
    EXPECT_EQ(label.clicks, c.clicks);
    EXPECT_EQ(label.Enabled(), c.enabledAfter);
    EXPECT_EQ(label.JumpMode(), c.modeAfter);
}

using enum TExtJumpModes;
INSTANTIATE_TEST_SUITE_P(
    Cases, ExtSimpleLabelClick,
    ::testing::Values(
        TClickCase{"InternetOpensTheJump", jmInternet, "http://www.tolvanec.example", "www.tolvanec.example", 42,
                   {"http://www.tolvanec.example"}, 0, true, jmInternet},
        TClickCase{"BlanksAroundTheJumpArePassedOn", jmInternet, "  http://www.tolvanec.example ", "x", 42,
                   {"  http://www.tolvanec.example "}, 0, true, jmInternet},
        TClickCase{"AnEmptyJumpOpensTheCaption", jmInternet, "", "www.tolvanec.example", 42, {"www.tolvanec.example"},
                   0, true, jmInternet},
        TClickCase{"ABlankJumpOpensTheCaption", jmInternet, " \t ", "www.tolvanec.example", 42,
                   {"www.tolvanec.example"}, 0, true, jmInternet},
        TClickCase{"ACaptionWithAnAtIsMailed", jmInternet, "  ", "soporte@tolvanec.example", 42,
                   {"mailto:soporte@tolvanec.example"}, 0, true, jmInternet},
        TClickCase{"TheWholeCaptionIsMailed", jmInternet, "", " Escribanos: a@b.example ", 42,
                   {"mailto: Escribanos: a@b.example "}, 0, true, jmInternet},
        TClickCase{"AJumpWinsOverAnAt", jmInternet, "http://a.example", "a@b.example", 42, {"http://a.example"}, 0,
                   true, jmInternet},
        TClickCase{"ApplicationHasNoMailRule", jmApplication, "", "a@b.example", 42, {"a@b.example"}, 0, true,
                   jmApplication},
        TClickCase{"ApplicationIgnoresAFailure", jmApplication, "notepad.exe", "x", 2, {"notepad.exe"}, 0, true,
                   jmApplication},
        TClickCase{"ThirtyTwoIsAFailureThatDisablesTheLink", jmInternet, "http://a.example", "x", 32,
                   {"http://a.example"}, 0, false, jmNone},
        TClickCase{"AnErrorCodeDisablesTheLink", jmInternet, "http://a.example", "x", 2, {"http://a.example"}, 0,
                   false, jmNone},
        TClickCase{"ThirtyThreeIsSuccess", jmInternet, "http://a.example", "x", 33, {"http://a.example"}, 0, true,
                   jmInternet},
        TClickCase{"NoneRunsOnClick", jmNone, "http://a.example", "x", 42, {}, 1, true, jmNone},
        TClickCase{"CustomRunsOnClick", jmCustom, "http://a.example", "x", 42, {}, 1, true, jmCustom}),
    [](const ::testing::TestParamInfo<TClickCase>& param) { return std::string(param.param.name); });

TEST_F(ExtSimpleLabel, AFailedLinkKeepsItsColoursAndCursorAndClicksNoMore) {
    TFakeShellPort shell(0);
    TProbeLabel label;
    label.SetCaption("www.tolvanec.example");
    label.SetJumpMode(TExtJumpModes::jmInternet);
    label.MouseDown(TMouseButton::mbLeft, 1, 1);
    label.Click();
    EXPECT_FALSE(label.Enabled());
    EXPECT_EQ(label.Colour(), platform::clPurple);
    EXPECT_TRUE(label.Underlined());
    EXPECT_EQ(label.Cursor(), TExtCursor::crHandPoint);
    // Were a click to reach it still, it is now a plain label: the shell is not asked again.
    label.Click();
    EXPECT_EQ(shell.requests.size(), 1U);
}

TEST_F(ExtSimpleLabel, PaintsItsCaptionWithTheFlagsOfItsPropertiesInItsFont) {
    TProbeLabel label;
    label.SetAutoSize(false);
    label.SetBounds(10, 20, 100, 30);
    label.SetCaption("Portal &Educativo.");
    label.SetFont(BoldFont(platform::clBlack));
    label.SetJumpMode(TExtJumpModes::jmInternet);
    auto painted = label.Painted();
    ASSERT_EQ(painted.size(), 1U);
    EXPECT_EQ(painted[0].Rect, (platform::TViewRect{0, 0, 100, 30}));
    EXPECT_EQ(painted[0].Text, "Portal &Educativo.");
    EXPECT_EQ(painted[0].Foreground, platform::clBlue);
    EXPECT_EQ(painted[0].Mode, platform::TBackgroundMode::bmTransparent);
    EXPECT_EQ(painted[0].Font.Style, platform::TFontStyles(platform::fsBold) | platform::fsUnderline);
    EXPECT_TRUE(std::holds_alternative<platform::TSaveStateCall>(label.paintCalls.front()));  // no fill: transparent

    using namespace platform;
    struct TFlags {
        TExtAlignment alignment;
        TTextFormat expected;
    };
    for (const TFlags& f : {TFlags{TExtAlignment::agTopLeft, 0}, TFlags{TExtAlignment::agTopCenter, tfCenter},
                            TFlags{TExtAlignment::agTopRight, tfRight}, TFlags{TExtAlignment::agCenterLeft, tfVCenter},
                            TFlags{TExtAlignment::agCenter, tfCenter | tfVCenter},
                            TFlags{TExtAlignment::agCenterRight, tfRight | tfVCenter},
                            TFlags{TExtAlignment::agBottomLeft, tfBottom},
                            TFlags{TExtAlignment::agBottomCenter, tfCenter | tfBottom},
                            TFlags{TExtAlignment::agBottomRight, tfRight | tfBottom}}) {
        label.SetAlignment(f.alignment);
        EXPECT_EQ(label.Painted().at(0).Format, tfExpandTabs | tfWordBreak | tfSingleLine | f.expected);
    }
    label.SetAlignment(TExtAlignment::agTopLeft);
    label.SetShowAccelChar(false);
    label.SetOptions(loPathEllipsis | loEndEllipsis | loEditControl);
    EXPECT_EQ(label.Painted().at(0).Format, tfExpandTabs | tfWordBreak | tfSingleLine | tfNoPrefix | tfPathEllipsis |
                                                 tfEndEllipsis | tfEditControl);
    label.SetOptions(0);
    label.SetMultiLine(true);
    EXPECT_EQ(label.Painted().at(0).Format, tfExpandTabs | tfWordBreak | tfNoPrefix);

    label.SetTransparent(false);
    label.SetColor(clWindow);
    label.Painted();
    EXPECT_EQ(label.paintCalls.front(), TCanvasCall(TFillCall{{0, 0, 100, 30}, clWindow}));
}

TEST_F(ExtSimpleLabel, SeveralLinesPlacedLowerAreMeasuredAndMovedDown) {
    TProbeLabel label;
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 40, 50);
    label.SetCaption("uno dos tres");  // three lines of 11 in 40 pixels
    label.SetMultiLine(true);
    label.SetAlignment(TExtAlignment::agBottomRight);
    auto painted = label.Painted();
    ASSERT_EQ(painted.size(), 1U);
    EXPECT_EQ(painted[0].Rect, (platform::TViewRect{0, 17, 40, 50}));
    EXPECT_EQ(painted[0].Format, platform::tfExpandTabs | platform::tfWordBreak | platform::tfRight);
    label.SetAlignment(TExtAlignment::agCenter);
    EXPECT_EQ(label.Painted().at(0).Rect, (platform::TViewRect{0, 8, 40, 41}));
}

TEST_F(ExtSimpleLabel, DisabledItIsEmbossedAndWhileLoadingNotPaintedAtAll) {
    TProbeLabel label;
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 80, 15);
    label.SetCaption("Aceptar");
    label.SetEnabled(false);
    auto painted = label.Painted();
    ASSERT_EQ(painted.size(), 2U);
    EXPECT_EQ(painted[0].Foreground, platform::clBtnHighlight);
    EXPECT_EQ(painted[0].Rect, (platform::TViewRect{1, 1, 81, 16}));
    EXPECT_EQ(painted[1].Foreground, platform::clBtnShadow);
    EXPECT_EQ(painted[1].Rect, (platform::TViewRect{0, 0, 80, 15}));
    label.BeginLoading();
    label.Painted();
    EXPECT_TRUE(label.paintCalls.empty());
}

TEST_F(ExtSimpleLabel, AutoSizeTakesTheMeasuredTextKeepingLeftAndTop) {
    TProbeLabel label;
    label.SetBounds(48, 248, 119, 15);
    label.SetCaption("www.tolvanec.example");  // 20 characters of 6
    EXPECT_EQ(label.BoundsRect(), (platform::TViewRect{48, 248, 168, 259}));
    label.SetFont(BoldFont());
    EXPECT_EQ(label.Width(), 140);
    label.SetCaption("");  // a blank's width, a line's height
    EXPECT_EQ(label.BoundsRect(), (platform::TViewRect{48, 248, 55, 259}));
    label.SetCaption("&");
    EXPECT_EQ(label.Width(), 7);
    label.SetShowAccelChar(false);
    EXPECT_EQ(label.Width(), 7);
    label.SetCaption("A&&B");
    EXPECT_EQ(label.Width(), 28);
    label.SetShowAccelChar(true);
    EXPECT_EQ(label.Width(), 21);

    // Several lines break at the label's width.
    label.SetCaption("uno dos tres");
    label.SetBounds(0, 0, 40, 11);
    label.SetMultiLine(true);
    EXPECT_EQ(label.BoundsRect(), (platform::TViewRect{0, 0, 28, 33}));

    TProbeLabel fixed;
    fixed.SetAutoSize(false);
    fixed.SetBounds(1, 2, 30, 40);
    fixed.SetCaption("una etiqueta larga");
    EXPECT_EQ(fixed.BoundsRect(), (platform::TViewRect{1, 2, 31, 42}));
    fixed.SetAutoSize(true);
    EXPECT_EQ(fixed.BoundsRect(), (platform::TViewRect{1, 2, 109, 13}));
}

TEST_F(ExtSimpleLabel, WhileLoadingAutoSizeWaitsForTheEnd) {
    TProbeLabel label;
    label.BeginLoading();
    label.SetBounds(104, 232, 207, 15);
    label.SetCaption("Pueden encontrarnos en internet en");
    EXPECT_EQ(label.BoundsRect(), (platform::TViewRect{104, 232, 311, 247}));
    label.EndLoading();
    EXPECT_EQ(label.BoundsRect(), (platform::TViewRect{104, 232, 104 + 34 * 6, 243}));
}

}  // namespace
}  // namespace tips::widgets
