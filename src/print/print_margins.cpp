#include "print/print_margins.hpp"

#include <cmath>
#include <string>

namespace tips::print {

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

double ToMillimetres(double value, TUnitSystem unit) {
    switch (unit) {
        case TUnitSystem::usMM: return value;
        case TUnitSystem::usCM: return value * 10;
        case TUnitSystem::usInch: return value * 25.4;
        case TUnitSystem::muThousandthsOfInches: return value * 25.4 / 1000;
    }
    return value;
}

double FromMillimetres(double mm, TUnitSystem unit) {
    switch (unit) {
        case TUnitSystem::usMM: return mm;
        case TUnitSystem::usCM: return mm / 10;
        case TUnitSystem::usInch: return mm / 25.4;
        case TUnitSystem::muThousandthsOfInches: return mm * 1000 / 25.4;
    }
    return mm;
}

void TCodeEditPrintMargins::ComputeDeviceMargins(const platform::TCanvas& canvas, int page,
                                                 const TLineNumberColumn& numbers, TCodeEditPrinterInfo& printer) {
    TDeviceMargins& d = device_;
    if (!mirrorMargins_ || page % 2 != 0) {
        d.DevLeft = printer.XFromLeft(left_ + gutter_);
        d.DevRight = printer.UsableWidth() - printer.XFromRight(right_);
    } else {
        d.DevLeft = printer.XFromLeft(right_);
        d.DevRight = printer.UsableWidth() - printer.XFromRight(left_ + gutter_);
    }
    if (numbers.LineNumbers && !numbers.InMargin) {
        d.DevLeft += canvas.TextExtent(std::to_string(numbers.Largest) + ": ").Width;
    }
    d.DevTop = printer.YFromTop(top_);
    d.DevBottom = printer.UsableHeight() - printer.YFromBottom(bottom_);
    d.DevHeader = printer.YFromTop(header_);
    d.DevFooter = printer.UsableHeight() - printer.YFromBottom(footer_);
    const double perMmX = printer.DotsPerMmX();
    const double perMmY = printer.DotsPerMmY();
    d.DevHFInternal = RoundHalfEven(perMmY * hfInternalMargin_);
    d.DevGutter = RoundHalfEven(perMmX * gutter_);
    d.DevHFRight = d.DevRight - RoundHalfEven(perMmX * rightHFTextIndent_);
    d.DevHFLeft = RoundHalfEven(perMmX * leftHFTextIndent_) + d.DevLeft;
}

void TCodeEditPrintMargins::Assign(const TCodeEditPrintMargins& source) {
    unit_ = source.unit_;
    left_ = source.left_;
    right_ = source.right_;
    top_ = source.top_;
    bottom_ = source.bottom_;
    header_ = source.header_;
    footer_ = source.footer_;
    leftHFTextIndent_ = source.leftHFTextIndent_;
    rightHFTextIndent_ = source.rightHFTextIndent_;
    hfInternalMargin_ = source.hfInternalMargin_;
    gutter_ = source.gutter_;
    mirrorMargins_ = source.mirrorMargins_;
}

}  // namespace tips::print
