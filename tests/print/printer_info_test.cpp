// The printer's page as printing reads it: the A4 fallback without a printer, the selected printer's
// values and what follows from them, refreshing, and the millimetre conversions.

#include <gtest/gtest.h>

#include "print/printer_info.hpp"
#include "print_test_support.hpp"

namespace {

using tips::print::TCodeEditPrinterInfo;
using tips::testing::TFakePrinterPort;

TEST(PrinterInfo, WithoutAPrinterDescribesA4At300Dpi) {
    TFakePrinterPort port(std::nullopt);
    TCodeEditPrinterInfo info;
    EXPECT_FALSE(info.UpToDate());
    EXPECT_EQ(info.PaperWidth(), 2481);
    EXPECT_TRUE(info.UpToDate());  // the first read refreshed everything
    EXPECT_EQ(info.PaperHeight(), 3507);
    EXPECT_EQ(info.UsableWidth(), 2358);
    EXPECT_EQ(info.UsableHeight(), 3407);
    EXPECT_EQ(info.LeftUnprintable(), 65);
    EXPECT_EQ(info.TopUnprintable(), 50);
    EXPECT_EQ(info.RightUnprintable(), 58);
    EXPECT_EQ(info.BottomUnprintable(), 50);
    EXPECT_EQ(info.DotsPerInchX(), 300);
    EXPECT_EQ(info.DotsPerInchY(), 300);
    EXPECT_FLOAT_EQ(info.DotsPerMmX(), 300.0f / 25.4f);
    EXPECT_FLOAT_EQ(info.DotsPerMmY(), 300.0f / 25.4f);
}

#if !defined(_WIN32)
// On Windows the default port asks the machine's printers; natively there are none.
TEST(PrinterInfo, TheNativeBuildHasNoPrinter) {
    EXPECT_FALSE(tips::platform::PrinterPort().SelectedPrinter().has_value());
    EXPECT_THROW(tips::platform::PrinterPort().BeginDocument("x"), tips::platform::EPrinterError);
    TCodeEditPrinterInfo info;
    EXPECT_EQ(info.PaperWidth(), 2481);
}
#endif

TEST(PrinterInfo, ReadsTheSelectedPrinterAndDerivesTheFarBorders) {
    // An uneven border and different resolutions across and down.
    TFakePrinterPort port(tips::platform::TSelectedPrinter{"P", {5100, 3300, 4900, 3200, 60, 40, 600, 300}});
    TCodeEditPrinterInfo info;
    EXPECT_EQ(info.PaperWidth(), 5100);
    EXPECT_EQ(info.UsableHeight(), 3200);
    EXPECT_EQ(info.RightUnprintable(), 5100 - 4900 - 60);
    EXPECT_EQ(info.BottomUnprintable(), 3300 - 3200 - 40);
    EXPECT_FLOAT_EQ(info.DotsPerMmX(), 600.0f / 25.4f);
    EXPECT_FLOAT_EQ(info.DotsPerMmY(), 300.0f / 25.4f);
}

TEST(PrinterInfo, AnotherPrinterShowsOnlyAfterTheNextRefresh) {
    TFakePrinterPort port(std::nullopt);
    TCodeEditPrinterInfo info;
    EXPECT_EQ(info.PaperWidth(), 2481);
    port.Select(tips::testing::LetterPrinter());
    EXPECT_EQ(info.PaperWidth(), 2481);
    info.Refresh();
    EXPECT_EQ(info.PaperWidth(), 2550);
    EXPECT_EQ(info.LeftUnprintable(), 75);
    port.Select(std::nullopt);
    info.Refresh();
    EXPECT_EQ(info.PaperWidth(), 2481);
}

// 254 dots per inch make exactly 10 dots per millimetre, so halves can be seen rounding.
struct TConversionCase {
    double mm;
    int fromLeft, fromRight, fromTop, fromBottom;
};

class PrinterInfoConversion : public ::testing::TestWithParam<TConversionCase> {};

TEST_P(PrinterInfoConversion, SubtractsTheBorderAndRoundsHalvesToEven) {
    // Borders: left 3, right 5 (100 - 92 - 3), top 0, bottom 2 (100 - 98 - 0).
    TFakePrinterPort port(tips::platform::TSelectedPrinter{"P", {100, 100, 92, 98, 3, 0, 254, 254}});
    TCodeEditPrinterInfo info;
    ASSERT_EQ(info.DotsPerMmX(), 10.0f);
    const TConversionCase& c = GetParam();
    EXPECT_EQ(info.XFromLeft(c.mm), c.fromLeft);
    EXPECT_EQ(info.XFromRight(c.mm), c.fromRight);
    EXPECT_EQ(info.YFromTop(c.mm), c.fromTop);
    EXPECT_EQ(info.YFromBottom(c.mm), c.fromBottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterInfoConversion,
                         ::testing::Values(TConversionCase{0.25, 0, -2, 2, 0},    // 2.5 - 3 = -0.5 -> 0; 2.5 -> 2; 0.5 -> 0
                                           TConversionCase{0.75, 4, 2, 8, 6},      // 4.5 -> 4; 2.5 -> 2; 7.5 -> 8; 5.5 -> 6
                                           TConversionCase{1.25, 10, 8, 12, 10},   // 9.5 -> 10; 7.5 -> 8; 12.5 -> 12; 10.5 -> 10
                                           TConversionCase{0, -3, -5, 0, -2},      // a margin inside the border is negative
                                           TConversionCase{20, 197, 195, 200, 198}));

}  // namespace
