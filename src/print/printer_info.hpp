#pragma once
// TCodeEditPrinterInfo: the selected printer's sheet, printable area and resolution, read through the
// printer port on first use and at every Refresh. Without a printer it describes an A4 sheet at 300
// dots per inch.

#include "platform/printer.hpp"

namespace tips::print {

class TCodeEditPrinterInfo {
public:
    // Reads from the port installed at the time of each refresh.
    TCodeEditPrinterInfo() = default;

    // Reads every value again from the selected printer.
    void Refresh();
    bool UpToDate() const { return upToDate_; }

    int PaperWidth() { return Read().paperWidth; }
    int PaperHeight() { return Read().paperHeight; }
    int UsableWidth() { return Read().usableWidth; }
    int UsableHeight() { return Read().usableHeight; }
    int LeftUnprintable() { return Read().leftUnprintable; }
    int TopUnprintable() { return Read().topUnprintable; }
    int RightUnprintable() { return Read().rightUnprintable; }
    int BottomUnprintable() { return Read().bottomUnprintable; }
    int DotsPerInchX() { return Read().dotsPerInchX; }
    int DotsPerInchY() { return Read().dotsPerInchY; }
    float DotsPerMmX() { return Read().dotsPerMmX; }
    float DotsPerMmY() { return Read().dotsPerMmY; }

    // Printer pixels from the printable area's edge to a length in millimetres from the sheet's edge,
    // rounded to the nearest, halves to even.
    int XFromLeft(double mm);
    int XFromRight(double mm);
    int YFromTop(double mm);
    int YFromBottom(double mm);

    // The values of a machine without a printer.
    static platform::TPrinterCaps FallbackCaps();

private:
    struct TValues {
        int paperWidth = 0;
        int paperHeight = 0;
        int usableWidth = 0;
        int usableHeight = 0;
        int leftUnprintable = 0;
        int topUnprintable = 0;
        int rightUnprintable = 0;
        int bottomUnprintable = 0;
        int dotsPerInchX = 0;
        int dotsPerInchY = 0;
        float dotsPerMmX = 0;
        float dotsPerMmY = 0;
    };

    const TValues& Read() {
        if (!upToDate_) Refresh();
        return values_;
    }

    TValues values_;
    bool upToDate_ = false;
};

}  // namespace tips::print
