#pragma once
// TCodeEditPrintMargins: the margins of a printed page, kept in millimetres and shown in a unit of
// choice, and their device values for one page (printer pixels from the printable area's top-left).

#include "platform/canvas.hpp"
#include "print/printer_info.hpp"

namespace tips::print {

enum class TUnitSystem : int { usMM = 0, usCM = 1, usInch = 2, muThousandthsOfInches = 3 };

double ToMillimetres(double value, TUnitSystem unit);
double FromMillimetres(double mm, TUnitSystem unit);

// What ComputeDeviceMargins works out for one page.
struct TDeviceMargins {
    int DevLeft = 0;
    int DevRight = 0;
    int DevTop = 0;
    int DevBottom = 0;
    int DevHeader = 0;  // the header's base line
    int DevFooter = 0;  // the footer's top line
    int DevHFLeft = 0;
    int DevHFRight = 0;
    int DevHFInternal = 0;
    int DevGutter = 0;
    friend bool operator==(const TDeviceMargins&, const TDeviceMargins&) = default;
};

// The line-number column of a page: whether numbers are printed, where, and the largest one.
struct TLineNumberColumn {
    bool LineNumbers = false;
    bool InMargin = false;
    int Largest = 0;
};

class TCodeEditPrintMargins {
public:
    TUnitSystem UnitSystem() const { return unit_; }
    // Lengths already stored keep their millimetres; only how they are shown changes.
    void SetUnitSystem(TUnitSystem unit) { unit_ = unit; }

    double Left() const { return Shown(left_); }
    void SetLeft(double value) { left_ = Stored(value); }
    double Right() const { return Shown(right_); }
    void SetRight(double value) { right_ = Stored(value); }
    double Top() const { return Shown(top_); }
    void SetTop(double value) { top_ = Stored(value); }
    double Bottom() const { return Shown(bottom_); }
    void SetBottom(double value) { bottom_ = Stored(value); }
    double Header() const { return Shown(header_); }
    void SetHeader(double value) { header_ = Stored(value); }
    double Footer() const { return Shown(footer_); }
    void SetFooter(double value) { footer_ = Stored(value); }
    double LeftHFTextIndent() const { return Shown(leftHFTextIndent_); }
    void SetLeftHFTextIndent(double value) { leftHFTextIndent_ = Stored(value); }
    double RightHFTextIndent() const { return Shown(rightHFTextIndent_); }
    void SetRightHFTextIndent(double value) { rightHFTextIndent_ = Stored(value); }
    double HFInternalMargin() const { return Shown(hfInternalMargin_); }
    void SetHFInternalMargin(double value) { hfInternalMargin_ = Stored(value); }
    double Gutter() const { return Shown(gutter_); }
    void SetGutter(double value) { gutter_ = Stored(value); }
    bool MirrorMargins() const { return mirrorMargins_; }
    void SetMirrorMargins(bool value) { mirrorMargins_ = value; }

    // The device values of page `page` (1-based): mirrored on even pages when MirrorMargins is on;
    // with line numbers in a column, the text starts right of the largest number and ": " in the
    // canvas's current font.
    void ComputeDeviceMargins(const platform::TCanvas& canvas, int page, const TLineNumberColumn& numbers,
                              TCodeEditPrinterInfo& printer);
    const TDeviceMargins& Device() const { return device_; }

    // Copies the lengths, MirrorMargins and the unit (the device values stay).
    void Assign(const TCodeEditPrintMargins& source);

private:
    double Shown(double mm) const { return FromMillimetres(mm, unit_); }
    double Stored(double value) const { return ToMillimetres(value, unit_); }

    TUnitSystem unit_ = TUnitSystem::usMM;
    double left_ = 25;
    double right_ = 15;
    double top_ = 25;
    double bottom_ = 25;
    double header_ = 15;
    double footer_ = 15;
    double leftHFTextIndent_ = 2;
    double rightHFTextIndent_ = 2;
    double hfInternalMargin_ = 0.5;
    double gutter_ = 0;
    bool mirrorMargins_ = false;
    TDeviceMargins device_;
};

}  // namespace tips::print
