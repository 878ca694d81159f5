// The Windows printer port: the spooler's default printer, its device's capabilities, and jobs drawn
// through a GDI canvas on a printer device context.

#include <windows.h>
#include <winspool.h>

#include <optional>
#include <string>

#include "platform/printer.hpp"
#include "platform/win32/gdi_canvas.hpp"

namespace tips::platform {

namespace {

constexpr const char* kInvalidPrinterText = "Printer selected is not valid";
constexpr const char* kJobFailedText = "The printer did not accept the print job";

// The spooler's default printer; nothing when no printer is the default. Asking the spooler (not the
// profile's [windows] device= line) also has it read the installed printers first.
std::optional<std::string> DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size == 0) return std::nullopt;
    std::string name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size)) return std::nullopt;
    name.resize(name.find('\0'));
    if (name.empty()) return std::nullopt;
    return name;
}

// A printer's device context, deleted on exit.
class TPrinterDC {
public:
    explicit TPrinterDC(const std::string& name) : dc_(CreateDCA("WINSPOOL", name.c_str(), nullptr, nullptr)) {}
    TPrinterDC(const TPrinterDC&) = delete;
    TPrinterDC& operator=(const TPrinterDC&) = delete;
    ~TPrinterDC() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A job from StartDoc to EndDoc (or AbortDoc), one StartPage/EndPage pair a sheet. The canvas lives
// across sheets: page boundaries keep the context's state on Windows NT and later.
class TGdiPrinterDocument final : public TPrinterDocument {
public:
    TGdiPrinterDocument(const std::string& printer, std::string_view title) : dc_(printer) {
        if (dc_.get() == nullptr) throw EPrinterError(kInvalidPrinterText);
        const std::string name(title);
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        if (StartDocA(dc_.get(), &info) <= 0) throw EPrinterError(kJobFailedText);
        if (StartPage(dc_.get()) <= 0) {
            AbortDoc(dc_.get());
            throw EPrinterError(kJobFailedText);
        }
        canvas_.emplace(dc_.get());
    }
    TGdiPrinterDocument(const TGdiPrinterDocument&) = delete;
    TGdiPrinterDocument& operator=(const TGdiPrinterDocument&) = delete;
    ~TGdiPrinterDocument() override {
        if (!done_) Abort();
    }

    TCanvas& Canvas() override { return *canvas_; }

    void NewPage() override {
        if (EndPage(dc_.get()) <= 0 || StartPage(dc_.get()) <= 0) throw EPrinterError(kJobFailedText);
    }

    void EndDocument() override {
        done_ = true;
        canvas_.reset();
        const bool ended = EndPage(dc_.get()) > 0;
        if (EndDoc(dc_.get()) <= 0 || !ended) throw EPrinterError(kJobFailedText);
    }

    void Abort() override {
        done_ = true;
        canvas_.reset();
        AbortDoc(dc_.get());
    }

private:
    TPrinterDC dc_;
    // Made after the job started, gone before it ends.
    std::optional<TGdiCanvas> canvas_;
    bool done_ = false;
};

class TGdiPrinterPort final : public TPrinterPort {
public:
    std::optional<TSelectedPrinter> SelectedPrinter() override {
        const auto name = DefaultPrinterName();
        if (!name) return std::nullopt;
        const TPrinterDC dc(*name);
        if (dc.get() == nullptr) return std::nullopt;
        const HDC h = dc.get();
        TPrinterCaps caps{GetDeviceCaps(h, PHYSICALWIDTH), GetDeviceCaps(h, PHYSICALHEIGHT), GetDeviceCaps(h, HORZRES),
                          GetDeviceCaps(h, VERTRES),       GetDeviceCaps(h, PHYSICALOFFSETX), GetDeviceCaps(h, PHYSICALOFFSETY),
                          GetDeviceCaps(h, LOGPIXELSX),    GetDeviceCaps(h, LOGPIXELSY)};
        // A device that reports no resolution cannot lay a page out.
        if (caps.DotsPerInchX <= 0 || caps.DotsPerInchY <= 0 || caps.PhysicalWidth <= 0 || caps.PhysicalHeight <= 0) {
            return std::nullopt;
        }
        return TSelectedPrinter{*name, caps};
    }

    std::unique_ptr<TPrinterDocument> BeginDocument(std::string_view title) override {
        const auto name = DefaultPrinterName();
        if (!name) throw EPrinterError(std::string(kNoDefaultPrinterText));
        return std::make_unique<TGdiPrinterDocument>(*name, title);
    }
};

}  // namespace

TPrinterPort& DefaultPrinterPort() {
    static TGdiPrinterPort port;
    return port;
}

}  // namespace tips::platform
