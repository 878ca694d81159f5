// Margins: the lengths in each unit, their device values on the A4 fallback page, mirroring with a
// gutter, the line-number column, and copying.

#include <gtest/gtest.h>

#include "platform/recording_canvas.hpp"
#include "print/print_margins.hpp"
#include "print_test_support.hpp"

namespace {

using tips::print::TCodeEditPrintMargins;
using tips::print::TUnitSystem;

TEST(PrintMargins, TheInitialMarginsOnTheFallbackPage) {
    tips::testing::TFakePrinterPort port(std::nullopt);
    tips::print::TCodeEditPrinterInfo info;
    TCodeEditPrintMargins margins;
    tips::platform::TRecordingCanvas canvas;
    margins.ComputeDeviceMargins(canvas, 1, {}, info);
    const auto& d = margins.Device();
    EXPECT_EQ(d.DevLeft, 230);    // round(25 * 300 / 25.4 - 65)
    EXPECT_EQ(d.DevTop, 245);     // round(25 * 300 / 25.4 - 50)
    EXPECT_EQ(d.DevRight, 2239);  // 2358 - round(15 * 300 / 25.4 - 58)
    EXPECT_EQ(d.DevBottom, 3162); // 3407 - round(25 * 300 / 25.4 - 50)
    EXPECT_EQ(d.DevHeader, 127);  // round(15 * 300 / 25.4 - 50)
    EXPECT_EQ(d.DevFooter, 3407 - 127);
    EXPECT_EQ(d.DevHFInternal, 6);  // round(0.5 * 11.81)
    EXPECT_EQ(d.DevGutter, 0);
    EXPECT_EQ(d.DevHFLeft, 230 + 24);  // round(2 * 11.81) = 24
    EXPECT_EQ(d.DevHFRight, 2239 - 24);
}

// Setting in one unit and reading in another goes through millimetres.
struct TUnitCase {
    TUnitSystem setIn;
    double value;
    double mm;
    TUnitSystem readIn;
    double read;
};

class PrintMarginsUnits : public ::testing::TestWithParam<TUnitCase> {};

TEST_P(PrintMarginsUnits, StoresMillimetresAndShowsTheCurrentUnit) {
    const TUnitCase& c = GetParam();
    TCodeEditPrintMargins margins;
    margins.SetUnitSystem(c.setIn);
    margins.SetLeft(c.value);
    margins.SetGutter(c.value);
    margins.SetUnitSystem(TUnitSystem::usMM);
    EXPECT_DOUBLE_EQ(margins.Left(), c.mm);
    EXPECT_DOUBLE_EQ(margins.Gutter(), c.mm);
    margins.SetUnitSystem(c.readIn);
    EXPECT_DOUBLE_EQ(margins.Left(), c.read);
    EXPECT_DOUBLE_EQ(margins.Right(), tips::print::FromMillimetres(15, c.readIn));  // untouched, shown anew
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintMarginsUnits,
                         ::testing::Values(TUnitCase{TUnitSystem::usInch, 1, 25.4, TUnitSystem::usCM, 2.54},
                                           TUnitCase{TUnitSystem::usCM, 2.5, 25, TUnitSystem::usMM, 25},
                                           TUnitCase{TUnitSystem::muThousandthsOfInches, 1000, 25.4, TUnitSystem::usInch, 1},
                                           TUnitCase{TUnitSystem::usMM, 50.8, 50.8, TUnitSystem::muThousandthsOfInches, 2000},
                                           TUnitCase{TUnitSystem::usMM, -5, -5, TUnitSystem::usCM, -0.5}));

TEST(PrintMargins, InitialValuesInMillimetres) {
    const TCodeEditPrintMargins m;
    EXPECT_EQ(m.UnitSystem(), TUnitSystem::usMM);
    EXPECT_DOUBLE_EQ(m.Left(), 25);
    EXPECT_DOUBLE_EQ(m.Right(), 15);
    EXPECT_DOUBLE_EQ(m.Top(), 25);
    EXPECT_DOUBLE_EQ(m.Bottom(), 25);
    EXPECT_DOUBLE_EQ(m.Header(), 15);
    EXPECT_DOUBLE_EQ(m.Footer(), 15);
    EXPECT_DOUBLE_EQ(m.LeftHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.RightHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.HFInternalMargin(), 0.5);
    EXPECT_DOUBLE_EQ(m.Gutter(), 0);
    EXPECT_FALSE(m.MirrorMargins());
}

// With mirroring and a 10 mm gutter the gutter is on the left of odd pages and the right of even ones.
struct TMirrorCase {
    bool mirror;
    int page;
    int devLeft;
    int devRight;
};

class PrintMarginsMirror : public ::testing::TestWithParam<TMirrorCase> {};

TEST_P(PrintMarginsMirror, PutsTheGutterOnTheInnerSide) {
    tips::testing::TFakePrinterPort port(std::nullopt);
    tips::print::TCodeEditPrinterInfo info;
    TCodeEditPrintMargins margins;
    margins.SetGutter(10);
    margins.SetMirrorMargins(GetParam().mirror);
    tips::platform::TRecordingCanvas canvas;
    margins.ComputeDeviceMargins(canvas, GetParam().page, {}, info);
    EXPECT_EQ(margins.Device().DevLeft, GetParam().devLeft);
    EXPECT_EQ(margins.Device().DevRight, GetParam().devRight);
    EXPECT_EQ(margins.Device().DevGutter, 118);  // round(10 * 11.81)
    EXPECT_EQ(margins.Device().DevTop, 245);     // up and down never mirror
}

// 35 mm: round(413.39 - 65) = 348 from the left; 2358 - round(413.39 - 58) = 2003 from the right.
// 15 mm: round(177.17 - 65) = 112 from the left; 2239 from the right as on odd pages.
INSTANTIATE_TEST_SUITE_P(Cases, PrintMarginsMirror,
                         ::testing::Values(TMirrorCase{true, 1, 348, 2239}, TMirrorCase{true, 2, 112, 2003},
                                           TMirrorCase{true, 3, 348, 2239}, TMirrorCase{true, 4, 112, 2003},
                                           TMirrorCase{false, 2, 348, 2239}));

TEST(PrintMargins, LineNumbersInAColumnMoveTheTextAndTheHeaderRight) {
    tips::testing::TFakePrinterPort port(std::nullopt);
    tips::print::TCodeEditPrinterInfo info;
    TCodeEditPrintMargins margins;
    tips::platform::TRecordingCanvas canvas;
    canvas.SetMetricsRule(tips::testing::CellRule(20, 40));
    // "1234: " is six cells of 20.
    margins.ComputeDeviceMargins(canvas, 1, {true, false, 1234}, info);
    EXPECT_EQ(margins.Device().DevLeft, 230 + 120);
    EXPECT_EQ(margins.Device().DevHFLeft, 230 + 120 + 24);
    margins.ComputeDeviceMargins(canvas, 1, {true, true, 1234}, info);
    EXPECT_EQ(margins.Device().DevLeft, 230);
    margins.ComputeDeviceMargins(canvas, 1, {false, false, 1234}, info);
    EXPECT_EQ(margins.Device().DevLeft, 230);
}

TEST(PrintMargins, AMarginInsideTheUnprintableBorderIsNegativeWithoutError) {
    tips::testing::TFakePrinterPort port(std::nullopt);
    tips::print::TCodeEditPrinterInfo info;
    TCodeEditPrintMargins margins;
    margins.SetLeft(2);   // 23.6 dots against a border of 65
    margins.SetTop(0);
    margins.SetRight(1);  // 11.8 against 58
    tips::platform::TRecordingCanvas canvas;
    margins.ComputeDeviceMargins(canvas, 1, {}, info);
    EXPECT_EQ(margins.Device().DevLeft, -41);
    EXPECT_EQ(margins.Device().DevTop, -50);
    EXPECT_EQ(margins.Device().DevRight, 2358 + 46);
}

TEST(PrintMargins, AssignCopiesTheLengthsTheMirrorAndTheUnit) {
    TCodeEditPrintMargins source;
    source.SetUnitSystem(TUnitSystem::usCM);
    source.SetLeft(1);
    source.SetRight(2);
    source.SetTop(3);
    source.SetBottom(4);
    source.SetHeader(5);
    source.SetFooter(6);
    source.SetLeftHFTextIndent(0.7);
    source.SetRightHFTextIndent(0.8);
    source.SetHFInternalMargin(0.9);
    source.SetGutter(1.1);
    source.SetMirrorMargins(true);
    TCodeEditPrintMargins copy;
    copy.Assign(source);
    EXPECT_EQ(copy.UnitSystem(), TUnitSystem::usCM);
    EXPECT_TRUE(copy.MirrorMargins());
    copy.SetUnitSystem(TUnitSystem::usMM);
    EXPECT_DOUBLE_EQ(copy.Left(), 10);
    EXPECT_DOUBLE_EQ(copy.Right(), 20);
    EXPECT_DOUBLE_EQ(copy.Top(), 30);
    EXPECT_DOUBLE_EQ(copy.Bottom(), 40);
    EXPECT_DOUBLE_EQ(copy.Header(), 50);
    EXPECT_DOUBLE_EQ(copy.Footer(), 60);
    EXPECT_DOUBLE_EQ(copy.LeftHFTextIndent(), 7);
    EXPECT_DOUBLE_EQ(copy.RightHFTextIndent(), 8);
    EXPECT_DOUBLE_EQ(copy.HFInternalMargin(), 9);
    EXPECT_DOUBLE_EQ(copy.Gutter(), 11);
}

}  // namespace
