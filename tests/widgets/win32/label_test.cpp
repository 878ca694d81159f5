// The plain label: its text placed by its alignment, its background filled unless transparent, and the
// embossed look while disabled.

#include "widgets/win32/label.hpp"

#include <gtest/gtest.h>

#include "graphic_probe_form.hpp"
#include "win32/client_capture.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;

constexpr COLORREF kInk = RGB(0, 0, 0);

// The first and last columns of the label's bounds holding a pixel of `colour`; -1, -1 for none.
std::pair<int, int> InkColumns(const tips_test::TClientCapture& shown, const TLabel& label, COLORREF colour) {
    const auto b = label.BoundsRect();
    int first = -1, last = -1;
    for (int x = b.Left; x < b.Right; ++x) {
        for (int y = b.Top; y < b.Bottom; ++y) {
            if (shown.At(x, y) != colour) continue;
            if (first < 0) first = x;
            last = x;
            break;
        }
    }
    return {first, last};
}

class Label : public ::testing::Test {
protected:
    void SetUp() override {
        label.SetBounds(10, 10, 180, 16);
        label.SetCaption("Tolvanec");
        label.SetFont({"MS Sans Serif", -13, tips::platform::fsBold});
        label.SetFontColor(tips::platform::clBlack);
        form.Show();
    }
    tips::widgets::TOwnedWindow<tips_test::TGraphicProbeForm> form;
    TLabel label{&form};
};

TEST_F(Label, PlacesItsTextByItsAlignment) {
    const auto columns = [this](TAlignment alignment) {
        label.SetAlignment(alignment);
        return InkColumns(tips_test::TClientCapture(form.Handle()), label, kInk);
    };
    const auto [leftFirst, leftLast] = columns(TAlignment::taLeftJustify);
    const auto [centreFirst, centreLast] = columns(TAlignment::taCenter);
    const auto [rightFirst, rightLast] = columns(TAlignment::taRightJustify);
    ASSERT_GE(leftFirst, 10);
    const int textWidth = leftLast - leftFirst;
    EXPECT_GT(textWidth, 30);
    EXPECT_LE(leftFirst, 12);
    EXPECT_GE(rightLast, 186);
    EXPECT_NEAR(centreFirst - 10, 189 - centreLast, 2);
    EXPECT_EQ(centreLast - centreFirst, textWidth);
    EXPECT_EQ(rightLast - rightFirst, textWidth);
}

TEST_F(Label, FillsItsColourUnlessTransparent) {
    label.SetColor(tips::platform::RgbColor(0, 160, 0));
    EXPECT_EQ(tips_test::TClientCapture(form.Handle()).At(185, 12), RGB(0, 160, 0));
    label.SetTransparent(true);
    EXPECT_EQ(tips_test::TClientCapture(form.Handle()).At(185, 12), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Label, IsEmbossedWhileDisabled) {
    label.SetEnabled(false);
    const tips_test::TClientCapture shown(form.Handle());
    EXPECT_EQ(InkColumns(shown, label, kInk).first, -1);
    EXPECT_GE(InkColumns(shown, label, GetSysColor(COLOR_BTNSHADOW)).first, 10);
    EXPECT_GE(InkColumns(shown, label, GetSysColor(COLOR_BTNHIGHLIGHT)).first, 11);
}

}  // namespace
