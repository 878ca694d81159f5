// The skinned frame's geometry: border widths from the skin's pieces, where each piece goes for a
// window size, the client area it leaves, hit-testing and the window region.

#include "skin/frame_layout.hpp"

#include <gtest/gtest.h>

#include "embedded_model_support.hpp"
#include "skin/frame_hit_test.hpp"
#include "skin/window_region.hpp"

namespace tips::skin {
namespace {

using testing::EmbeddedModel;

TFrameWindowTraits MainWindow() {
    TFrameWindowTraits traits;
    traits.HasMenu = true;
    return traits;
}

TEST(FrameMetrics, ComeFromEachPieceDividedByItsFrames) {
    EXPECT_EQ(FrameMetricsOf(EmbeddedModel(), MainWindow(), 19), (TFrameMetrics{3, 3, 3, 26, 19}));
    TFrameWindowTraits noMenu;
    EXPECT_EQ(FrameMetricsOf(EmbeddedModel(), noMenu, 19), (TFrameMetrics{3, 3, 3, 26, 0}));
    TFrameWindowTraits mdiChild = MainWindow();
    mdiChild.Mdi = TMdiRole::Child;
    EXPECT_EQ(FrameMetricsOf(EmbeddedModel(), mdiChild, 19).MenuBar, 0) << "MDI children have no menu bar";
    TFrameWindowTraits frameless = MainWindow();
    frameless.Kind = TFrameKind::Frameless;
    EXPECT_EQ(FrameMetricsOf(EmbeddedModel(), frameless, 19), (TFrameMetrics{0, 0, 0, 0, 19}));
}

TEST(FrameMetrics, AFrameCountOfZeroCountsAsOne) {
    TSkinData skin;
    skin.Top.Bitmap = Image(10, 30);
    skin.Top.FrameCount = 0;
    skin.Left.Bitmap = Image(8, 10);
    skin.Left.FrameCount = 4;
    const TFrameMetrics m = FrameMetricsOf(skin, {}, 0);
    EXPECT_EQ(m.Caption, 30);
    EXPECT_EQ(m.Left, 2);
    EXPECT_EQ(m.Right, 0) << "no image, no border";
}

struct LayoutCase {
    const char* Name;
    TViewSize Size;
    TFrameLayout Expected;
};

class FrameLayoutCases : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FrameLayoutCases, PlacesEveryPiece) {
    const TFrameLayout layout = LayoutFrame({3, 3, 3, 26, 19}, GetParam().Size);
    const TFrameLayout& e = GetParam().Expected;
    EXPECT_EQ(layout.Left, e.Left);
    EXPECT_EQ(layout.Right, e.Right);
    EXPECT_EQ(layout.Bottom, e.Bottom);
    EXPECT_EQ(layout.Caption, e.Caption);
    EXPECT_EQ(layout.MenuBar, e.MenuBar);
    EXPECT_EQ(layout.Client, e.Client);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FrameLayoutCases,
    ::testing::Values(
        LayoutCase{"MainWindow",
                   {800, 600},
                   {{0, 0, 3, 600}, {797, 0, 800, 600}, {3, 597, 797, 600}, {3, 0, 797, 26}, {3, 26, 797, 45},
                    {3, 45, 797, 597}}},
        // Exactly the frame: an empty client area, nothing inverted.
        LayoutCase{"NoClientLeft",
                   {6, 48},
                   {{0, 0, 3, 48}, {3, 0, 6, 48}, {3, 45, 3, 48}, {3, 0, 3, 26}, {3, 26, 3, 45}, {3, 45, 3, 45}}},
        // Smaller than the frame: pieces are cut, never crossed.
        LayoutCase{"SmallerThanTheFrame",
                   {4, 10},
                   {{0, 0, 3, 10}, {3, 0, 4, 10}, {3, 10, 3, 10}, {3, 0, 3, 10}, {3, 10, 3, 10}, {3, 10, 3, 10}}},
        LayoutCase{"ZeroSize", {0, 0}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(FrameLayout, ClientRectAndWindowSizeKeepTheClientArea) {
    const TFrameMetrics m{3, 3, 3, 26, 19};
    EXPECT_EQ(ClientRectFor(m, {100, 50, 900, 650}), (TViewRect{103, 95, 897, 647}));
    EXPECT_EQ(WindowSizeFor(m, {794, 552}), (TViewSize{800, 600}));
    const TViewSize client{321, 123};
    const TViewSize window = WindowSizeFor(m, client);
    const TViewRect back = ClientRectFor(m, {0, 0, window.Width, window.Height});
    EXPECT_EQ((TViewSize{back.Right - back.Left, back.Bottom - back.Top}), client);
}

TEST(FrameLayout, FrameIsPaintedExceptFramelessAndMaximisedMdiChildren) {
    TFrameWindowTraits traits;
    EXPECT_TRUE(FramePainted(traits, {TWindowShow::Maximised, true}));
    traits.Mdi = TMdiRole::Child;
    EXPECT_TRUE(FramePainted(traits, {TWindowShow::Normal, true}));
    EXPECT_FALSE(FramePainted(traits, {TWindowShow::Maximised, true}));
    traits = {};
    traits.Kind = TFrameKind::Frameless;
    EXPECT_FALSE(FramePainted(traits, {TWindowShow::Normal, true}));
}

TEST(FrameHitTest, FindsButtonsThenMenuItemsThenAreas) {
    const TFrameLayout layout = LayoutFrame({3, 3, 3, 26, 19}, {800, 600});
    const std::vector<TTitleButton> buttons{{0, {744, 3, 762, 23}, false}, {1, {778, 3, 796, 23}, false}};
    const std::vector<TViewRect> items{{9, 26, 60, 44}, {60, 26, 120, 44}};
    struct Case {
        TViewPoint At;
        TFrameHit Expected;
    };
    const Case cases[] = {
        {{744, 3}, {TFramePart::TitleButton, 0}},  {{761, 22}, {TFramePart::TitleButton, 0}},
        {{762, 10}, {TFramePart::Caption}},         {{795, 22}, {TFramePart::TitleButton, 1}},
        {{796, 10}, {TFramePart::Caption}},         {{400, 2}, {TFramePart::TopEdge}},
        {{400, 3}, {TFramePart::Caption}},          {{400, 25}, {TFramePart::Caption}},
        {{9, 26}, {TFramePart::MenuItem, 0}},       {{119, 43}, {TFramePart::MenuItem, 1}},
        {{120, 30}, {TFramePart::MenuBar}},         {{60, 44}, {TFramePart::MenuBar}},
        {{400, 45}, {TFramePart::Client}},          {{2, 300}, {TFramePart::Left}},
        {{797, 300}, {TFramePart::Right}},          {{400, 597}, {TFramePart::Bottom}},
        {{800, 300}, {TFramePart::Outside}},        {{-1, 0}, {TFramePart::Outside}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitFrame(layout, buttons, items, c.At), c.Expected) << c.At.X << "," << c.At.Y;
    }
}

TEST(FrameHitTest, WhereTheSystemFoundNothing) {
    const TFrameMetrics m{3, 3, 3, 26, 19};
    EXPECT_EQ(AnswerForNowhere(m, {50, 3}), TNowhereAnswer::Nowhere);
    EXPECT_EQ(AnswerForNowhere(m, {50, 4}), TNowhereAnswer::Caption);
    EXPECT_EQ(AnswerForNowhere(m, {50, 26}), TNowhereAnswer::Caption);
    EXPECT_EQ(AnswerForNowhere(m, {50, 27}), TNowhereAnswer::Menu);
}

TEST(FrameMouse, MaximisedActiveWindowIsNotDraggedByItsCaption) {
    EXPECT_TRUE(CaptionPressDrags({TWindowShow::Normal, true}));
    EXPECT_FALSE(CaptionPressDrags({TWindowShow::Maximised, true}));
    EXPECT_TRUE(CaptionPressDrags({TWindowShow::Maximised, false}));
}

TEST(FrameMouse, DoubleClickMaximisesOrRestores) {
    TFrameWindowTraits traits;
    EXPECT_EQ(DoubleClickShow(traits, {TWindowShow::Normal, true}), TWindowShow::Maximised);
    EXPECT_EQ(DoubleClickShow(traits, {TWindowShow::Maximised, true}), TWindowShow::Normal);
    EXPECT_EQ(DoubleClickShow(traits, {TWindowShow::Minimised, true}), TWindowShow::Normal);
    traits.HasMaximiseBox = false;
    EXPECT_EQ(DoubleClickShow(traits, {TWindowShow::Normal, true}), std::nullopt);
    EXPECT_EQ(DoubleClickShow(traits, {TWindowShow::Maximised, true}), TWindowShow::Normal);
}

TEST(WindowRegion, WholeWindowWhenNoPieceIsTransparent) {
    const TFrameLayout layout = LayoutFrame({3, 3, 3, 26, 19}, {800, 600});
    const TWindowRegion region = WindowRegionFor(EmbeddedModel(), layout);
    EXPECT_TRUE(region.WholeWindow);
    EXPECT_TRUE(region.Rects.empty());
}

// A top piece with magenta top corners cuts them out of the region; the rest stays.
TEST(WindowRegion, CutsTheMagentaPixelsOfTransparentPieces) {
    TSkinData skin;
    skin.Top.Bitmap = Image(8, 4, Rgb{10, 20, 30});
    skin.Top.Bitmap.Set(0, 0, kTransparentColour);
    skin.Top.Bitmap.Set(1, 0, kTransparentColour);
    skin.Top.Bitmap.Set(7, 0, kTransparentColour);
    skin.Top.LeftWidth = 2;
    skin.Top.RightWidth = 2;
    skin.Top.Trans = 1;
    skin.Top.FrameCount = 1;
    skin.Left.Bitmap = Image(2, 4, Rgb{1, 1, 1});
    skin.Right.Bitmap = Image(2, 4, Rgb{1, 1, 1});
    const TFrameMetrics m = FrameMetricsOf(skin, {}, 0);
    ASSERT_EQ(m, (TFrameMetrics{2, 2, 0, 4, 0}));
    const TFrameLayout layout = LayoutFrame(m, {20, 10});
    const TWindowRegion region = WindowRegionFor(skin, layout);
    ASSERT_FALSE(region.WholeWindow);
    const auto inside = [&](int x, int y) {
        for (const TViewRect& r : region.Rects)
            if (Contains(r, {x, y})) return true;
        return false;
    };
    // The top piece spans x 2..18: its first two columns and its last are magenta in row 0.
    EXPECT_FALSE(inside(2, 0));
    EXPECT_FALSE(inside(3, 0));
    EXPECT_TRUE(inside(4, 0));
    EXPECT_TRUE(inside(16, 0));
    EXPECT_FALSE(inside(17, 0));
    EXPECT_TRUE(inside(2, 1));
    EXPECT_TRUE(inside(0, 0)) << "the opaque left piece is kept whole";
    EXPECT_TRUE(inside(10, 5)) << "the client area is always kept";
}

}  // namespace
}  // namespace tips::skin
