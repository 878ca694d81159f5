// The frame painter draws what the layout decided, from the embedded skin: a golden of the recorded
// calls for a small main window, and the rules that pick a picture (inactive frames, button states,
// the menu bar's hot item, no frame for frameless windows).

#include "skin/frame_painter.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::skin {
namespace {

using platform::TBitmapCall;
using platform::TRecordingCanvas;
using testing::EmbeddedModel;

const platform::TPlainFont kTitleFont({"Tahoma", -13, platform::TFontStyles(platform::fsBold)});
const platform::TPlainFont kMenuFont({"Tahoma", -11, {}});

TFrameScene MainWindowScene(TViewSize size) {
    TFrameScene scene;
    scene.Size = size;
    scene.Traits.HasMenu = true;
    scene.MenuBarHeight = 19;
    scene.MenuItems = {{"&Archivo", true}, {"&Ayuda", false}};
    return scene;
}

std::vector<std::string> Painted(const TFrameScene& scene) {
    TSkinBitmapCache bitmaps;
    const TSkinFramePainter painter(EmbeddedModel(), bitmaps);
    TRecordingCanvas canvas;
    painter.Paint(canvas, scene, kTitleFont, kMenuFont);
    std::vector<std::string> lines;
    for (const auto& call : canvas.Calls()) lines.push_back(platform::Describe(call));
    return lines;
}

TEST(FramePainter, GoldenSmallMainWindow) {
    // Left and right: 4 fixed rows at each end, the middle tiled; bottom: 1 fixed column at each end,
    // the middle tiled (its last tile cut); top: 28 and 75 fixed columns, the middle stretched; the
    // text 29 pixels in, clipped 73 + 11 short of the bar's end; the buttons at W - 56, W - 39 and
    // W - 22 (no icon given, so no icon button); the menu bar's items from x = 3 + 3 + 4, the disabled
    // one in the button-shadow colour.
    const std::vector<std::string> golden = {
        "save",
        "restore",
        "save",
        "bitmap \"Left\" from 0 0 3 4 to 0 0 3 4",
        "bitmap \"Left\" from 0 4 3 76 to 0 4 3 76",
        "bitmap \"Left\" from 0 138 3 142 to 0 76 3 80",
        "bitmap \"Right\" from 0 0 3 4 to 237 0 240 4",
        "bitmap \"Right\" from 0 4 3 76 to 237 4 240 76",
        "bitmap \"Right\" from 0 138 3 142 to 237 76 240 80",
        "bitmap \"Bottom\" from 0 0 1 3 to 3 77 4 80",
        "bitmap \"Bottom\" from 1 0 231 3 to 4 77 234 80",
        "bitmap \"Bottom\" from 1 0 3 3 to 234 77 236 80",
        "bitmap \"Bottom\" from 231 0 232 3 to 236 77 237 80",
        "bitmap \"Top\" from 0 0 28 26 to 3 0 31 26",
        "bitmap \"Top\" from 28 0 115 26 to 31 0 162 26",
        "bitmap \"Top\" from 115 0 190 26 to 162 0 237 26",
        "save",
        "clip 3 0 237 26",
        "text-box 29 6 153 19 \"   Sistemas Quorvel\" format 0x8820 font \"Tahoma\" -13 style=1 fg 0xFFFFFF bg 0xFFFFFF transparent",
        "restore",
        "bitmap \"Button0\" from 0 0 18 20 to 184 3 202 23 transparent 0xFF00FF",
        "bitmap \"Button2\" from 0 0 18 20 to 201 3 219 23 transparent 0xFF00FF",
        "bitmap \"Button3\" from 0 0 18 20 to 218 3 236 23 transparent 0xFF00FF",
        "save",
        "bitmap \"MenuBar\" from 0 0 3 19 to 3 26 6 45",
        "bitmap \"MenuBar\" from 3 0 67 19 to 6 26 234 45",
        "bitmap \"MenuBar\" from 67 0 70 19 to 234 26 237 45",
        "text-box 10 26 62 44 \"&Archivo\" format 0x0025 font \"Tahoma\" -11 style=0 fg 0xFFFFFF bg 0xFFFFFF transparent",
        "text-box 62 26 102 44 \"&Ayuda\" format 0x0025 font \"Tahoma\" -11 style=0 fg 0x80000010 bg 0xFFFFFF transparent",
        "restore",
        "restore",
    };
    EXPECT_EQ(Painted(MainWindowScene({240, 80})), golden);
}

// The bitmap calls drawing the named element, as (source, dest) pairs.
std::vector<TBitmapCall> Drawn(const TFrameScene& scene, const std::string& name) {
    TSkinBitmapCache bitmaps;
    const TSkinFramePainter painter(EmbeddedModel(), bitmaps);
    TRecordingCanvas canvas;
    painter.Paint(canvas, scene, kTitleFont, kMenuFont);
    std::vector<TBitmapCall> found;
    for (const TBitmapCall& call : canvas.CallsOf<TBitmapCall>())
        if (call.Name == name) found.push_back(call);
    return found;
}

TEST(FramePainter, InactiveWindowDrawsSecondFramesAndButtonFrameFour) {
    TFrameScene scene = MainWindowScene({400, 300});
    scene.State.Active = false;
    struct Case {
        const char* Element;
        TViewRect FirstSource;
    };
    const Case cases[] = {
        {"Left", {3, 0, 6, 4}},         // side by side: the second 3-pixel column
        {"Right", {3, 0, 6, 4}},
        {"Top", {0, 26, 28, 52}},       // stacked: the lower half
        {"Bottom", {0, 3, 1, 6}},
        {"MenuBar", {0, 19, 3, 38}},
        {"Button3", {54, 0, 72, 20}},   // frame 4 of 6
    };
    for (const Case& c : cases) {
        const auto calls = Drawn(scene, c.Element);
        ASSERT_FALSE(calls.empty()) << c.Element;
        EXPECT_EQ(calls.front().Source, c.FirstSource) << c.Element;
    }
}

TEST(FramePainter, MaximisedWindowDrawsRestoreWhereMaximiseWas) {
    TFrameScene scene = MainWindowScene({800, 600});
    const auto maximise = Drawn(scene, "Button2");
    ASSERT_EQ(maximise.size(), 1u);
    EXPECT_TRUE(Drawn(scene, "Button7").empty());
    scene.State.Show = TWindowShow::Maximised;
    const auto restore = Drawn(scene, "Button7");
    ASSERT_EQ(restore.size(), 1u);
    EXPECT_EQ(restore[0].Dest, maximise[0].Dest);
    EXPECT_EQ(restore[0].Dest, (TViewRect{761, 3, 779, 23}));
    EXPECT_TRUE(Drawn(scene, "Button2").empty());
}

TEST(FramePainter, CurrentButtonDrawsItsState) {
    TFrameScene scene = MainWindowScene({400, 300});
    const auto& buttons = EmbeddedModel().SysButtons;
    const auto close = std::find_if(buttons.begin(), buttons.end(), [](const auto& b) { return b.Action == 0; });
    ASSERT_NE(close, buttons.end());
    scene.CurrentButton = static_cast<int>(close - buttons.begin());
    const std::pair<TNcState, int> cases[] = {{TNcState::Normal, 0}, {TNcState::Pressed, 18}, {TNcState::Hover, 36}};
    for (const auto& [state, sourceLeft] : cases) {
        scene.CurrentState = state;
        const auto calls = Drawn(scene, "Button3");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].Source.Left, sourceLeft);
        EXPECT_EQ(calls[0].Dest, (TViewRect{378, 3, 396, 23}));
        EXPECT_EQ(Drawn(scene, "Button0").at(0).Source.Left, 0) << "the other buttons stay normal";
    }
}

TEST(FramePainter, HotMenuItemIsFramedInButtonHilight) {
    TFrameScene scene = MainWindowScene({400, 300});
    scene.CurrentMenuItem = 1;
    scene.CurrentState = TNcState::Hover;
    TSkinBitmapCache bitmaps;
    const TSkinFramePainter painter(EmbeddedModel(), bitmaps);
    TRecordingCanvas canvas;
    painter.Paint(canvas, scene, kTitleFont, kMenuFont);
    const auto frames = canvas.CallsOf<platform::TFrameCall>();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Rect, (TViewRect{62, 26, 102, 44}));
    EXPECT_EQ(frames[0].Color, EmbeddedModel().Colours.ButtonHilight);
}

TEST(FramePainter, IconButtonShowsTheWindowIconOnMagenta) {
    TFrameScene scene = MainWindowScene({400, 300});
    const platform::TBitmap icon("icon", 16, 16);
    scene.Icon = &icon;
    const auto calls = Drawn(scene, "icon");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Dest, (TViewRect{7, 5, 23, 21}));
    EXPECT_EQ(calls[0].Transparent, kMagenta);
}

TEST(FramePainter, FramelessWindowsAndMaximisedMdiChildrenDrawNothing) {
    TFrameScene frameless = MainWindowScene({400, 300});
    frameless.Traits.Kind = TFrameKind::Frameless;
    EXPECT_TRUE(Painted(frameless).empty());
    TFrameScene child = MainWindowScene({400, 300});
    child.Traits.Mdi = TMdiRole::Child;
    child.State.Show = TWindowShow::Maximised;
    EXPECT_TRUE(Painted(child).empty());
}

TEST(FramePainter, MenuBarWithoutAnImageIsFilledWithTheMenubarColour) {
    TSkinData skin = EmbeddedModel();
    skin.MenuBar.Bitmap = Image();
    TSkinBitmapCache bitmaps;
    const TMenuBarPainter painter(skin, bitmaps);
    TRecordingCanvas canvas;
    TMenuBarScene scene{{3, 26, 397, 45}, {{"&Archivo", true}}, {{9, 26, 61, 44}}, true, std::nullopt, TNcState::Normal};
    painter.Paint(canvas, scene, kMenuFont);
    const auto fills = canvas.CallsOf<platform::TFillCall>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Rect, scene.Bar);
    EXPECT_EQ(fills[0].Color, skin.Colours.Menubar);
    EXPECT_TRUE(canvas.CallsOf<TBitmapCall>().empty());
}

}  // namespace
}  // namespace tips::skin
