// Which windows get the skinned frame and from which skin component, message boxes widened to fit
// their title text, the system menu's items and its second request, and popup menu items.

#include "skin/window_choice.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "skin/nine_slice.hpp"
#include "skin/popup_menu_item.hpp"
#include "skin/system_menu.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

TEST(WindowChoice, WhichWindowsAreSkinned) {
    const TSkinChoiceRules rules;
    struct Case {
        const char* Name;
        TWindowCandidate Window;
        bool Skinned;
    };
    TWindowCandidate form{"TForm1", false, false, false, false, false, 0};
    const auto with = [&](auto change) {
        TWindowCandidate w = form;
        change(w);
        return w;
    };
    const Case cases[] = {
        {"a plain form", form, true},
        {"a form with Tag 99 keeps the system frame", with([](auto& w) { w.FormTag = 99; }), false},
        {"Tag 199 is not 99", with([](auto& w) { w.FormTag = 199; }), true},
        {"a window without a form object", with([](auto& w) { w.FormTag.reset(); }), true},
        {"already skinned", with([](auto& w) { w.AnswersSkinned = true; }), false},
        {"already listed", with([](auto& w) { w.Listed = true; }), false},
        {"a child window", with([](auto& w) { w.ChildWindow = true; }), false},
        {"an MDI child", with([](auto& w) { w.ChildWindow = w.MdiChild = true; }), true},
        {"an empty window", with([](auto& w) { w.EmptySize = true; }), false},
        {"the application window", with([](auto& w) { w.ClassName = "TApplication"; }), false},
        {"a calendar", with([](auto& w) { w.ClassName = "SysMonthCal32"; }), false},
        {"a report form without xcReportForms", with([](auto& w) { w.ClassName = "TfrReport"; }), true},
        {"a message box", with([](auto& w) { w.ClassName = "#32770"; }), true},
    };
    for (const Case& c : cases) EXPECT_EQ(ShouldSkinWindow(c.Window, rules), c.Skinned) << c.Name;

    TSkinChoiceRules reports;
    reports.Controls.Include(xcReportForms);
    EXPECT_FALSE(ShouldSkinWindow(with([](auto& w) { w.ClassName = "TfrReport"; }), reports));
    TSkinChoiceRules bulk;
    bulk.BulkRequestRunning = true;
    EXPECT_TRUE(ShouldSkinWindow(with([](auto& w) { w.ChildWindow = true; }), bulk));
    TSkinChoiceRules off;
    off.ManagerOn = false;
    EXPECT_FALSE(ShouldSkinWindow(form, off));
    TSkinChoiceRules decided;
    decided.OnFormSkin = [](const std::string& name) { return name == "SysMonthCal32"; };
    EXPECT_TRUE(ShouldSkinWindow(with([](auto& w) { w.ClassName = "SysMonthCal32"; }), decided)) << "the event decides";
    EXPECT_FALSE(ShouldSkinWindow(form, decided));
    EXPECT_FALSE(ShouldSkinWindow(with([](auto& w) { w.FormTag = 99; }), decided)) << "Tag 99 before the event";
}

TEST(WindowChoice, ServingSkinComponent) {
    using S = TRegisteredSource;
    const std::vector<S> sources{{TSkinFormType::sfMainform, false}, {TSkinFormType::sfDialog, false},
                                 {TSkinFormType::sfOnlyThisForm, false}, {TSkinFormType::sfOnlyThisForm, true}};
    EXPECT_EQ(ServingSource(sources, "TForm1"), 3u) << "its own component first";
    const std::vector<S> noOwn(sources.begin(), sources.begin() + 3);
    EXPECT_EQ(ServingSource(noOwn, "TForm1"), 0u);
    EXPECT_EQ(ServingSource(noOwn, "#32770"), 1u);
    EXPECT_EQ(ServingSource(noOwn, "TMessageForm"), 1u);
    EXPECT_EQ(ServingSource({{TSkinFormType::sfOnlyThisForm, false}, {TSkinFormType::sfMainform, false}}, "#32770"), 1u);
    EXPECT_EQ(ServingSource({{TSkinFormType::sfDialog, false}}, "TForm1"), 0u) << "else the first";
    EXPECT_EQ(ServingSource({}, "TForm1"), std::nullopt);
}

TEST(MessageBoxWidening, WidensToFitTheCaptionAndCentresTheChildren) {
    const TFrameMetrics m{3, 3, 3, 26, 0};
    const TSkinTitleElement& caption = EmbeddedModel().Caption;  // 15 + 73 + 11 + 11 = 110 of text margins
    // (20 + 7) blanks of 4 pixels + 6 of frame + 110 = 224.
    EXPECT_EQ(WidenMessageBox(200, 20, 4, m, caption).Width, 224);
    EXPECT_EQ(WidenMessageBox(200, 20, 4, m, caption).ChildShift, 12);
    EXPECT_EQ(WidenMessageBox(224, 20, 4, m, caption).Width, 224);
    EXPECT_EQ(WidenMessageBox(224, 20, 4, m, caption).ChildShift, 0);
    EXPECT_EQ(WidenMessageBox(400, 20, 4, m, caption).Width, 400) << "never narrowed";
    EXPECT_EQ(WidenMessageBox(100, 0, 4, m, caption).Width, 144) << "an empty caption still needs its margins";
}

TEST(SystemMenu, ItemsForTheWindowsBoxesAndState) {
    const auto captions = [](const std::vector<TSystemMenuItem>& items) {
        std::vector<std::string> found;
        for (const auto& item : items) found.push_back(item.Caption + (item.Enabled ? "" : "(disabled)"));
        return found;
    };
    EXPECT_EQ(captions(SystemMenuItems({}, {})),
              (std::vector<std::string>{" Restore (disabled)", " Maximize ", " Minimize ", "", " Close "}));
    EXPECT_EQ(captions(SystemMenuItems({}, {TWindowShow::Maximised, true})),
              (std::vector<std::string>{" Restore ", " Maximize (disabled)", " Minimize ", "", " Close "}));
    TFrameWindowTraits dialog;
    dialog.HasMaximiseBox = dialog.HasMinimiseBox = false;
    EXPECT_EQ(captions(SystemMenuItems(dialog, {})), (std::vector<std::string>{" Restore (disabled)", "", " Close "}));
    EXPECT_EQ(SystemMenuItems({}, {}).back().ShortCut, 0x2073) << "Shift+F4";
    EXPECT_EQ(SystemMenuItems({}, {}).back().Image, 3);
    EXPECT_EQ(ShowForSystemCommand(TSystemCommand::Maximise, TWindowShow::Maximised), TWindowShow::Normal);
    EXPECT_EQ(ShowForSystemCommand(TSystemCommand::Maximise, TWindowShow::Normal), TWindowShow::Maximised);
    EXPECT_EQ(ShowForSystemCommand(TSystemCommand::Minimise, TWindowShow::Minimised), TWindowShow::Normal);
    EXPECT_EQ(ShowForSystemCommand(TSystemCommand::Restore, TWindowShow::Maximised), TWindowShow::Normal);
    EXPECT_EQ(ShowForSystemCommand(TSystemCommand::Close, TWindowShow::Normal), std::nullopt);
}

TEST(SystemMenu, SecondRequestWithinTheDoubleClickTimeCloses) {
    using A = TSystemMenuRequests::TAnswer;
    TSystemMenuRequests requests;
    EXPECT_EQ(requests.Request(1000, 500), A::Show);
    EXPECT_EQ(requests.Request(1500, 500), A::Close);
    EXPECT_EQ(requests.Request(1600, 500), A::Show) << "after closing, a new pair starts";
    EXPECT_EQ(requests.Request(2101, 500), A::Show) << "too late";
    EXPECT_EQ(requests.Request(2200, 500), A::Close);
}

// ---- Popup menu items ------------------------------------------------------------------------

const platform::TPlainFont kMenuFont({"Tahoma", -11, {}});

TEST(PopupMenuItems, WidthsAndColours) {
    const TSkinData& skin = EmbeddedModel();
    EXPECT_EQ(PopupItemWidth(skin, 100, true, false), 100 + 12 + 6);
    EXPECT_EQ(PopupItemWidth(skin, 100, true, true), 100 + 10 + 6);
    EXPECT_EQ(PopupItemWidth(skin, 100, false, true), 100 + 35 + 6);
    TSkinColours colours = skin.Colours;
    TSkinMenuItem item;
    EXPECT_EQ(PopupItemTextColour(colours, item), colours.MenuText);
    item.Selected = true;
    EXPECT_EQ(PopupItemTextColour(colours, item), colours.HilightText);
    item.Enabled = false;
    EXPECT_EQ(PopupItemTextColour(colours, item), platform::RgbColor(153, 153, 153));
    colours.ButtonShadow = colours.MenuText;
    EXPECT_EQ(PopupItemTextColour(colours, item), platform::clBtnShadow) << "a shadow that would not show";
    EXPECT_EQ(PopupItemCaption({"", "", false, true, false, false, true}), " ");
    EXPECT_EQ(PopupItemCaption({"&", "", false, true, false, false, true}), " ");
    EXPECT_EQ(PopupItemCaption({"&", "", false, true, false, false, false}), "&");
}

TEST(PopupMenuItems, DrawnFromTheMenuItemElement) {
    TSkinBitmapCache bitmaps;
    const TPopupMenuItemPainter painter(EmbeddedModel(), bitmaps);
    const TViewRect rect{0, 19, 150, 38};
    const int frameWidth = 620 / 5;
    for (const bool selected : {false, true}) {
        platform::TRecordingCanvas canvas;
        TSkinMenuItem item{"&Nuevo", "Ctrl+N", false, true, selected, true, false};
        painter.Paint(canvas, rect, item, kMenuFont);
        const auto fills = canvas.CallsOf<platform::TFillCall>();
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].Color, EmbeddedModel().Colours.Menu);
        const int frame = selected ? 4 : 1;
        for (const auto& call : canvas.CallsOf<platform::TBitmapCall>()) {
            EXPECT_EQ(call.Name, "MenuItem");
            EXPECT_GE(call.Source.Left, (frame - 1) * frameWidth);
            EXPECT_LE(call.Source.Right, frame * frameWidth);
            EXPECT_EQ(call.Transparent, kMagenta);
        }
        const auto texts = canvas.CallsOf<platform::TTextBoxCall>();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].Text, "&Nuevo");
        EXPECT_TRUE(texts[0].Font.Style == platform::TFontStyles(platform::fsBold)) << "default items are bold";
        EXPECT_EQ(texts[0].Foreground, selected ? EmbeddedModel().Colours.HilightText : EmbeddedModel().Colours.MenuText);
        EXPECT_EQ(texts[1].Text, "Ctrl+N");
        EXPECT_NE(texts[1].Format & platform::tfRight, 0u);
    }
}

TEST(PopupMenuItems, BackgroundAndSeparators) {
    TSkinBitmapCache bitmaps;
    const TPopupMenuItemPainter painter(EmbeddedModel(), bitmaps);
    const platform::TBitmap background("menu-background", 200, 100);
    platform::TRecordingCanvas canvas;
    painter.Paint(canvas, {0, 19, 150, 27}, {"", "", true}, kMenuFont, &background);
    const auto calls = canvas.CallsOf<platform::TBitmapCall>();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Name, "menu-background");
    EXPECT_EQ(calls[0].Source, (TViewRect{3, 22, 153, 30})) << "the item's place plus (3, 3)";
    EXPECT_EQ(calls[1].Name, "MenuItem");
    EXPECT_EQ(calls[1].Source, (TViewRect{124 + 6, 0, 248 - 6, 19})) << "frame 2's middle strip";
    EXPECT_EQ(calls[1].Dest, (TViewRect{6, 19, 144, 27}));
    EXPECT_TRUE(canvas.CallsOf<platform::TTextBoxCall>().empty());

    platform::TRecordingCanvas bar;
    painter.Paint(bar, {0, 0, 100, 19}, {"", "", true, true, false, false, true}, kMenuFont);
    const auto edges = bar.CallsOf<platform::TEdgeCall>();
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].Rect.Top, 4) << "an etched line 4 pixels below the top";
}

}  // namespace
}  // namespace tips::skin
