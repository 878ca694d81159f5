// The title bar: its buttons (which show, where, which frame each draws, what a release does) and
// the fixed title text (where it starts, where it is cut with an ellipsis).

#include "skin/title_buttons.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "embedded_model_support.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/caption_text.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

const TFrameMetrics kMetrics{3, 3, 3, 26, 19};

// The laid-out buttons by their action, for a window 800 wide.
std::vector<std::pair<int, TViewRect>> ButtonsFor(const TFrameWindowTraits& traits, const TFrameWindowState& state,
                                                  int width = 800) {
    const auto buttons = LayoutTitleButtons(EmbeddedModel(), traits, state, kMetrics, width, {18, 0, 200, 18});
    std::vector<std::pair<int, TViewRect>> found;
    for (const TTitleButton& b : buttons) found.emplace_back(EmbeddedModel().SysButtons[b.Element].Action, b.Rect);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.second.Left < b.second.Left; });
    return found;
}

using Buttons = std::vector<std::pair<int, TViewRect>>;

TEST(TitleButtons, EmbeddedSkinPlacesIconMinimiseMaximiseClose) {
    EXPECT_EQ(ButtonsFor({}, {}), (Buttons{{3, {7, 5, 23, 21}},
                                           {2, {744, 3, 762, 23}},
                                           {1, {761, 3, 779, 23}},
                                           {0, {778, 3, 796, 23}}}));
}

TEST(TitleButtons, MaximisedShowsRestoreWhereMaximiseWas) {
    const auto normal = LayoutTitleButtons(EmbeddedModel(), {}, {}, kMetrics, 800, {});
    const auto maximised = LayoutTitleButtons(EmbeddedModel(), {}, {TWindowShow::Maximised, true}, kMetrics, 800, {});
    const auto find = [](const std::vector<TTitleButton>& buttons, int visibility) -> std::optional<TViewRect> {
        for (const TTitleButton& b : buttons)
            if (EmbeddedModel().SysButtons[b.Element].Action == 1 &&
                EmbeddedModel().SysButtons[b.Element].Visibility == visibility)
                return b.Rect;
        return std::nullopt;
    };
    ASSERT_TRUE(find(normal, 2)) << "maximise shows in a normal window";
    EXPECT_FALSE(find(normal, 1)) << "restore does not";
    ASSERT_TRUE(find(maximised, 1)) << "restore shows in a maximised window";
    EXPECT_FALSE(find(maximised, 2)) << "maximise does not";
    EXPECT_EQ(*find(normal, 2), *find(maximised, 1));
    EXPECT_EQ(maximised.size(), normal.size());
}

TEST(TitleButtons, BoxesAndSystemMenuDecideWhichShow) {
    struct Case {
        const char* Name;
        TFrameWindowTraits Traits;
        std::vector<int> Actions;  // left to right
    };
    TFrameWindowTraits noMax;
    noMax.HasMaximiseBox = false;
    TFrameWindowTraits noMin;
    noMin.HasMinimiseBox = false;
    TFrameWindowTraits noBoxes;
    noBoxes.HasMaximiseBox = noBoxes.HasMinimiseBox = false;
    TFrameWindowTraits noSysMenu;
    noSysMenu.HasSystemMenu = false;
    TFrameWindowTraits other;
    other.Kind = TFrameKind::Other;
    const Case cases[] = {
        {"no maximise box: minimise still shows, its own condition needing a maximise box", noMax, {3, 0}},
        {"no minimise box", noMin, {3, 1, 0}},
        {"a dialog", noBoxes, {3, 0}},
        {"no system menu: no close, no minimise (its Visibility asks for one), maximise stays", noSysMenu, {3, 1}},
        {"neither plain nor frameless: only the boxes' buttons", other, {2, 1}},
    };
    for (const Case& c : cases) {
        std::vector<int> actions;
        for (const auto& [action, rect] : ButtonsFor(c.Traits, {})) actions.push_back(action);
        EXPECT_EQ(actions, c.Actions) << c.Name;
    }
}

TEST(TitleButtons, VisibilityCodes) {
    TSkinSysButtonElement button;
    button.Action = 5;
    const auto visible = [&](int v, int v1, TFrameWindowState state, TFrameWindowTraits traits = {}) {
        button.Visibility = v;
        button.Visibility1 = v1;
        return TitleButtonVisible(button, traits, state, kMetrics);
    };
    EXPECT_TRUE(visible(3, 0, {TWindowShow::Normal, true}));
    EXPECT_FALSE(visible(3, 0, {TWindowShow::Normal, false}));
    EXPECT_TRUE(visible(4, 4, {TWindowShow::Normal, false}));
    EXPECT_FALSE(visible(0, 3, {TWindowShow::Normal, false}));
    EXPECT_TRUE(visible(200, 2000, {}));
    EXPECT_FALSE(visible(5, 0, {}));
    EXPECT_FALSE(visible(0, -1, {}));
    EXPECT_FALSE(visible(100, 100, {})) << "child-window controls only for an MDI frame with a maximised child";
    TFrameWindowTraits mdi;
    mdi.Mdi = TMdiRole::Frame;
    mdi.MdiChildMaximised = true;
    EXPECT_TRUE(visible(100, 100, {}, mdi));
    EXPECT_TRUE(visible(9, 7, {}, TFrameWindowTraits{TFrameKind::Plain, TMdiRole::None, true, false, false}));
}

TEST(TitleButtons, FrameForEachLook) {
    TSkinSysButtonElement six;
    six.FrameCount = 6;
    TSkinSysButtonElement three;
    three.FrameCount = 3;
    TSkinSysButtonElement mdi;
    mdi.FrameCount = 4;
    mdi.Align = 100;
    TSkinSysButtonElement icon;
    icon.Action = 3;
    icon.FrameCount = 6;
    struct Case {
        const TSkinSysButtonElement& Button;
        TTitleButtonLook Look;
        int Frame;
    };
    const Case cases[] = {
        {six, {TNcState::Normal, true, true}, 1},   {six, {TNcState::Pressed, true, true}, 2},
        {six, {TNcState::Hover, true, true}, 3},    {six, {TNcState::Normal, false, true}, 4},
        {six, {TNcState::Hover, false, true}, 4},   {six, {TNcState::Normal, true, false}, 5},
        {three, {TNcState::Normal, false, true}, 1}, {three, {TNcState::Hover, true, true}, 3},
        {three, {TNcState::Normal, true, false}, 1}, {mdi, {TNcState::Hover, true, true}, 4},
        {mdi, {TNcState::Pressed, true, true}, 2},  {icon, {TNcState::Pressed, false, false}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleButtonFrame(c.Button, c.Look), c.Frame)
            << "frames " << c.Button.FrameCount << " state " << static_cast<int>(c.Look.State) << " active "
            << c.Look.Active << " enabled " << c.Look.Enabled;
    }
}

TEST(TitleButtons, ReleaseCommands) {
    struct Case {
        int Action;
        TWindowShow Show;
        TTitleCommand Command;
        TWindowShow After;
    };
    const Case cases[] = {
        {0, TWindowShow::Normal, TTitleCommand::Close, TWindowShow::Normal},
        {1, TWindowShow::Normal, TTitleCommand::Maximise, TWindowShow::Maximised},
        {1, TWindowShow::Maximised, TTitleCommand::Restore, TWindowShow::Normal},
        {22, TWindowShow::Normal, TTitleCommand::Maximise, TWindowShow::Maximised},
        {2, TWindowShow::Normal, TTitleCommand::Minimise, TWindowShow::Minimised},
        {2, TWindowShow::Maximised, TTitleCommand::Minimise, TWindowShow::Minimised},
        {23, TWindowShow::Minimised, TTitleCommand::Restore, TWindowShow::Normal},
        {3, TWindowShow::Normal, TTitleCommand::SystemMenu, TWindowShow::Normal},
        {11, TWindowShow::Normal, TTitleCommand::SystemMenu, TWindowShow::Normal},
        {12, TWindowShow::Normal, TTitleCommand::SystemMenu, TWindowShow::Normal},
        {7, TWindowShow::Normal, TTitleCommand::MdiMinimise, TWindowShow::Normal},
        {61, TWindowShow::Normal, TTitleCommand::MdiRestore, TWindowShow::Normal},
        {9, TWindowShow::Normal, TTitleCommand::MdiClose, TWindowShow::Normal},
        {4, TWindowShow::Normal, TTitleCommand::Unknown, TWindowShow::Normal},
        {-1, TWindowShow::Maximised, TTitleCommand::Unknown, TWindowShow::Maximised},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleButtonCommand(c.Action, c.Show), c.Command) << c.Action;
        EXPECT_EQ(ShowAfter(TitleButtonCommand(c.Action, c.Show), c.Show), c.After) << c.Action;
    }
}

// ---- The title text ----------------------------------------------------------------------------

TEST(CaptionText, IsTheFixedTextWhateverTheCaption) {
    EXPECT_EQ(CaptionDrawnText(), "   Sistemas Quorvel");
    EXPECT_EQ(CaptionMeasuredText(), "    Sistemas Quorvel");
}

// With the embedded skin the text starts 29 pixels in (3 border + 15 shift + 11 text-back end), is
// centred in the 26-pixel bar and stops 73 + 11 pixels short of the bar's right end.
TEST(CaptionText, EmbeddedSkinPlacesTheText) {
    const TSkinTitleElement& caption = EmbeddedModel().Caption;
    const TCaptionTextLayout layout = LayoutCaptionText(caption, {3, 0, 797, 26}, {160, 16}, {});
    EXPECT_EQ(layout.Box, (TViewRect{18, 5, 200, 21}));
    EXPECT_EQ(layout.TextRect, (TViewRect{29, 5, 189, 21}));
    EXPECT_NE(layout.Format & platform::tfEndEllipsis, 0u);
    EXPECT_NE(layout.Format & platform::tfSingleLine, 0u);

    const TCaptionTextLayout narrow = LayoutCaptionText(caption, {3, 0, 197, 26}, {160, 16}, {});
    EXPECT_EQ(narrow.Box.Right, 197 - 73) << "clipped by TextRightClip";
    EXPECT_EQ(narrow.TextRect, (TViewRect{29, 5, 124 - 11, 21}));

    const TCaptionTextLayout tiny = LayoutCaptionText(caption, {3, 0, 60, 26}, {160, 16}, {});
    EXPECT_TRUE(tiny.TextRect.IsEmpty()) << "no room left: nothing to draw, nothing inverted";
    EXPECT_LE(tiny.Box.Left, tiny.Box.Right);
}

TEST(CaptionText, NarrowTitleBarCutsTheTextWithAnEllipsis) {
    platform::TRecordingCanvas canvas;
    const TSkinTitleElement& caption = EmbeddedModel().Caption;
    const TViewSize measured = canvas.TextExtent(CaptionMeasuredText());
    const auto drawn = [&](int windowWidth) {
        const TCaptionTextLayout layout = LayoutCaptionText(caption, {3, 0, windowWidth - 3, 26}, measured, {});
        const auto text = canvas.LayoutText(layout.TextRect, CaptionDrawnText(), layout.Format);
        return text.Lines.empty() ? std::string() : text.Lines.front().Text;
    };
    EXPECT_EQ(drawn(800), "   Sistemas Quorvel");
    // The text needs 19 cells of 8 pixels; the box keeps 29 pixels at the left and 3 + 73 + 11 at the right.
    EXPECT_EQ(drawn(29 + 19 * 8 + 87), "   Sistemas Quorvel");
    const std::string cut = drawn(29 + 19 * 8 + 86);
    EXPECT_NE(cut, "   Sistemas Quorvel");
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
}

TEST(CaptionText, AlignmentAndRightToLeft) {
    TSkinTitleElement caption;
    caption.TextShift = 10;
    caption.TextRightClip = 20;
    caption.TXTBackleft = 2;
    caption.TXTBackRight = 3;
    caption.TextShiftVert = 3;
    const TViewRect bar{0, 0, 300, 30};
    EXPECT_EQ(LayoutCaptionText(caption, bar, {100, 10}, {}).Box, (TViewRect{10, 11, 115, 21}));
    caption.TextAlignment = 1;
    EXPECT_EQ(LayoutCaptionText(caption, bar, {100, 10}, {}).Box.Left, (300 - 105) / 2);
    caption.TextAlignment = 2;
    EXPECT_EQ(LayoutCaptionText(caption, bar, {100, 10}, {}).Box, (TViewRect{175, 11, 280, 21}));
    caption.TextAlignment = 0;
    TFrameWindowTraits rtl;
    rtl.RightToLeft = true;
    const TCaptionTextLayout right = LayoutCaptionText(caption, bar, {100, 10}, rtl);
    EXPECT_EQ(right.Box.Left, 175) << "right-to-left windows always align right";
    EXPECT_NE(right.Format & platform::tfRight, 0u);
}

TEST(CaptionText, PopupWindowsStopShortOfTheirButtons) {
    TSkinTitleElement caption;
    caption.TextRightClip = 73;
    TFrameWindowTraits popup;
    popup.PopupStyle = true;
    const TViewRect bar{3, 0, 297, 26};
    EXPECT_EQ(LayoutCaptionText(caption, bar, {400, 16}, popup, 250).Box.Right, 245);
    EXPECT_EQ(LayoutCaptionText(caption, bar, {100, 16}, popup, 250).Box.Right, 103) << "a short text is left as it is";
    EXPECT_EQ(LayoutCaptionText(caption, bar, {400, 16}, popup).Box.Right, 297 - 73) << "no buttons: TextRightClip";
    const auto buttons = LayoutTitleButtons(EmbeddedModel(), {}, {}, kMetrics, 800, {});
    EXPECT_EQ(RightButtonsLeft(EmbeddedModel(), buttons), 744) << "the leftmost of the right-aligned buttons";
}

}  // namespace
}  // namespace tips::skin
