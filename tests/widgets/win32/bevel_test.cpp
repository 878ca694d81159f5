// The bevel's shapes in the system's button colours: which edge is dark and which light, lowered and
// raised, and nothing drawn inside.

#include "widgets/win32/bevel.hpp"

#include <gtest/gtest.h>

#include "graphic_probe_form.hpp"
#include "win32/client_capture.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;

enum TShade { kDark, kLight, kFace };

struct TBevelCase {
    TBevelShape shape;
    TBevelStyle style;
    // The bevel is at 10, 10, 60 x 40: the pixels of its left, top, right and bottom edges half-way
    // along them, one pixel in from the left, and its middle.
    TShade left, top, right, bottom, besideLeft, middle;
};

const TBevelCase kCases[] = {
    {TBevelShape::bsBox, TBevelStyle::bsLowered, kDark, kDark, kLight, kLight, kFace, kFace},
    {TBevelShape::bsBox, TBevelStyle::bsRaised, kLight, kLight, kDark, kDark, kFace, kFace},
    // An etched groove: dark outline, then a light one a pixel further in and down.
    {TBevelShape::bsFrame, TBevelStyle::bsLowered, kDark, kDark, kLight, kLight, kLight, kFace},
    {TBevelShape::bsFrame, TBevelStyle::bsRaised, kLight, kLight, kDark, kDark, kDark, kFace},
    {TBevelShape::bsTopLine, TBevelStyle::bsLowered, kFace, kDark, kFace, kFace, kFace, kFace},
    {TBevelShape::bsLeftLine, TBevelStyle::bsLowered, kDark, kFace, kFace, kFace, kLight, kFace},
    {TBevelShape::bsRightLine, TBevelStyle::bsRaised, kFace, kFace, kDark, kFace, kFace, kFace},
    {TBevelShape::bsBottomLine, TBevelStyle::bsLowered, kFace, kFace, kFace, kLight, kFace, kFace},
    {TBevelShape::bsSpacer, TBevelStyle::bsLowered, kFace, kFace, kFace, kFace, kFace, kFace},
};

COLORREF ColourOf(TShade shade) {
    switch (shade) {
        case kDark: return GetSysColor(COLOR_BTNSHADOW);
        case kLight: return GetSysColor(COLOR_BTNHIGHLIGHT);
        case kFace: break;
    }
    return GetSysColor(COLOR_BTNFACE);
}

TEST(Bevel, DrawsItsShapeInTheButtonColours) {
    tips::widgets::TOwnedWindow<tips_test::TGraphicProbeForm> form;
    TBevel bevel(&form);
    bevel.SetBounds(10, 10, 60, 40);
    form.Show();
    EXPECT_EQ(bevel.Shape(), TBevelShape::bsBox);
    EXPECT_EQ(bevel.Style(), TBevelStyle::bsLowered);
    for (const TBevelCase& test : kCases) {
        bevel.SetShape(test.shape);
        bevel.SetStyle(test.style);
        const tips_test::TClientCapture shown(form.Handle());
        SCOPED_TRACE(::testing::Message() << "shape " << static_cast<int>(test.shape) << " style "
                                          << static_cast<int>(test.style));
        EXPECT_EQ(shown.At(10, 30), ColourOf(test.left));
        EXPECT_EQ(shown.At(40, 10), ColourOf(test.top));
        EXPECT_EQ(shown.At(69, 30), ColourOf(test.right));
        EXPECT_EQ(shown.At(40, 49), ColourOf(test.bottom));
        EXPECT_EQ(shown.At(11, 30), ColourOf(test.besideLeft));
        EXPECT_EQ(shown.At(40, 30), ColourOf(test.middle));
        // Nothing beyond its bounds.
        EXPECT_EQ(shown.At(9, 30), ColourOf(kFace));
        EXPECT_EQ(shown.At(70, 30), ColourOf(kFace));
    }
}

}  // namespace
