#pragma once
// The selected printer, as printing sees it: its name, what its device reports about the page (size,
// printable area and its offsets, resolution) and a document to draw pages on. "No printer" is an
// answer, not an error: page geometry falls back to a default page, and only beginning a document
// fails. Each build has its own port (the printer devices on Windows, none elsewhere); a program or
// a test may install another, as with the screen canvas (platform/screen_canvas.hpp).

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/canvas.hpp"

namespace tips::platform {

// What the printer's device reports, in its pixels.
struct TPrinterCaps {
    int PhysicalWidth = 0;   // the sheet
    int PhysicalHeight = 0;
    int PageWidth = 0;  // the printable area
    int PageHeight = 0;
    int OffsetX = 0;  // the printable area's top-left from the sheet's
    int OffsetY = 0;
    int DotsPerInchX = 0;
    int DotsPerInchY = 0;
    friend bool operator==(const TPrinterCaps&, const TPrinterCaps&) = default;
};

struct TSelectedPrinter {
    std::string Name;
    TPrinterCaps Caps;
};

// Printing failed: no printer, or the device refused the job.
class EPrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A print job in progress. Its canvas draws in device pixels with the origin at the printable area's
// top-left. Destroying a document that was neither ended nor aborted aborts it.
class TPrinterDocument {
public:
    virtual ~TPrinterDocument() = default;
    virtual TCanvas& Canvas() = 0;
    // Ends the current sheet and starts the next.
    virtual void NewPage() = 0;
    // Ends the last sheet and hands the job to the spooler.
    virtual void EndDocument() = 0;
    // Drops the job; nothing more is printed.
    virtual void Abort() = 0;
};

class TPrinterPort {
public:
    virtual ~TPrinterPort() = default;
    // The printer jobs go to, read anew on every call; nothing when none is installed.
    virtual std::optional<TSelectedPrinter> SelectedPrinter() = 0;
    // Starts a job named `title` on the selected printer; throws EPrinterError when there is none or
    // the device refuses.
    virtual std::unique_ptr<TPrinterDocument> BeginDocument(std::string_view title) = 0;
};

// The message of a job begun without a printer.
inline constexpr std::string_view kNoDefaultPrinterText = "There is no default printer currently selected";

// A machine with no printer installed.
class TNoPrinterPort final : public TPrinterPort {
public:
    std::optional<TSelectedPrinter> SelectedPrinter() override { return std::nullopt; }
    std::unique_ptr<TPrinterDocument> BeginDocument(std::string_view) override {
        throw EPrinterError(std::string(kNoDefaultPrinterText));
    }
};

// The build's own port (defined with the build's platform implementation).
TPrinterPort& DefaultPrinterPort();

inline TPrinterPort*& InstalledPrinterPort() {
    static TPrinterPort* port = nullptr;
    return port;
}
// The port printing uses: the installed one, else the default. Installing nullptr brings the default
// back. The installed port must outlive every use of it.
inline TPrinterPort& PrinterPort() {
    TPrinterPort* installed = InstalledPrinterPort();
    return installed != nullptr ? *installed : DefaultPrinterPort();
}
inline void SetPrinterPort(TPrinterPort* port) { InstalledPrinterPort() = port; }

}  // namespace tips::platform
