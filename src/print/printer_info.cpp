#include "print/printer_info.hpp"

#include <cmath>

namespace tips::print {

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

platform::TPrinterCaps TCodeEditPrinterInfo::FallbackCaps() {
    // A4 (210 x 297 mm) at 300 dots per inch, with a laser printer's unprintable border.
    return {2481, 3507, 2358, 3407, 65, 50, 300, 300};
}

void TCodeEditPrinterInfo::Refresh() {
    upToDate_ = true;
    const auto printer = platform::PrinterPort().SelectedPrinter();
    const platform::TPrinterCaps caps = printer ? printer->Caps : FallbackCaps();
    values_.paperWidth = caps.PhysicalWidth;
    values_.paperHeight = caps.PhysicalHeight;
    values_.usableWidth = caps.PageWidth;
    values_.usableHeight = caps.PageHeight;
    values_.leftUnprintable = caps.OffsetX;
    values_.topUnprintable = caps.OffsetY;
    values_.rightUnprintable = caps.PhysicalWidth - caps.PageWidth - caps.OffsetX;
    values_.bottomUnprintable = caps.PhysicalHeight - caps.PageHeight - caps.OffsetY;
    values_.dotsPerInchX = caps.DotsPerInchX;
    values_.dotsPerInchY = caps.DotsPerInchY;
    values_.dotsPerMmX = static_cast<float>(caps.DotsPerInchX) / 25.4f;
    values_.dotsPerMmY = static_cast<float>(caps.DotsPerInchY) / 25.4f;
}

int TCodeEditPrinterInfo::XFromLeft(double mm) {
    const TValues& v = Read();
    return RoundHalfEven(mm * static_cast<double>(v.dotsPerMmX) - v.leftUnprintable);
}

int TCodeEditPrinterInfo::XFromRight(double mm) {
    const TValues& v = Read();
    return RoundHalfEven(mm * static_cast<double>(v.dotsPerMmX) - v.rightUnprintable);
}

int TCodeEditPrinterInfo::YFromTop(double mm) {
    const TValues& v = Read();
    return RoundHalfEven(mm * static_cast<double>(v.dotsPerMmY) - v.topUnprintable);
}

int TCodeEditPrinterInfo::YFromBottom(double mm) {
    const TValues& v = Read();
    return RoundHalfEven(mm * static_cast<double>(v.dotsPerMmY) - v.bottomUnprintable);
}

}  // namespace tips::print
