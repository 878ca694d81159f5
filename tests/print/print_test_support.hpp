#pragma once
// What the printing tests share: a printer port whose selected printer and jobs a test sets and
// reads, installed for a scope; and a metric rule of fixed cells for every font.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::testing {

// Every font, whatever its face, height or style, in cells of `width` by `height`.
inline platform::TRecordingCanvas::TMetricsRule CellRule(int width, int height) {
    return [width, height](const platform::TFontDescription&) {
        return platform::TRecordingCanvas::CellMetrics(width, height);
    };
}

// A printer that draws on a recording canvas and logs its job: "begin TITLE", "new page", "end",
// "abort"; the canvas keeps what every sheet drew.
class TFakePrinterPort final : public platform::TPrinterPort {
public:
    explicit TFakePrinterPort(std::optional<platform::TSelectedPrinter> printer,
                              platform::TRecordingCanvas::TMetricsRule rule = platform::TRecordingCanvas::DefaultMetrics)
        : printer_(std::move(printer)), rule_(std::move(rule)) {
        platform::SetPrinterPort(this);
    }
    ~TFakePrinterPort() override { platform::SetPrinterPort(nullptr); }
    TFakePrinterPort(const TFakePrinterPort&) = delete;
    TFakePrinterPort& operator=(const TFakePrinterPort&) = delete;

    void Select(std::optional<platform::TSelectedPrinter> printer) { printer_ = std::move(printer); }
    std::optional<platform::TSelectedPrinter> SelectedPrinter() override { return printer_; }

    std::unique_ptr<platform::TPrinterDocument> BeginDocument(std::string_view title) override {
        if (!printer_) throw platform::EPrinterError(std::string(platform::kNoDefaultPrinterText));
        log.push_back("begin " + std::string(title));
        canvas = std::make_unique<platform::TRecordingCanvas>();
        canvas->SetMetricsRule(rule_);
        return std::make_unique<TDocument>(*this);
    }

    std::vector<std::string> log;
    std::unique_ptr<platform::TRecordingCanvas> canvas;

private:
    class TDocument final : public platform::TPrinterDocument {
    public:
        explicit TDocument(TFakePrinterPort& port) : port_(port) {}
        ~TDocument() override {
            if (!done_) port_.log.push_back("abort");
        }
        TDocument(const TDocument&) = delete;
        TDocument& operator=(const TDocument&) = delete;
        platform::TCanvas& Canvas() override { return *port_.canvas; }
        void NewPage() override { port_.log.push_back("new page"); }
        void EndDocument() override {
            done_ = true;
            port_.log.push_back("end");
        }
        void Abort() override {
            done_ = true;
            port_.log.push_back("abort");
        }

    private:
        TFakePrinterPort& port_;
        bool done_ = false;
    };

    std::optional<platform::TSelectedPrinter> printer_;
    platform::TRecordingCanvas::TMetricsRule rule_;
};

// Letter at 300 dots per inch with a quarter-inch border, as a print queue under Wine reports it.
inline platform::TSelectedPrinter LetterPrinter() {
    return {"Letter PDF", {2550, 3300, 2400, 3150, 75, 75, 300, 300}};
}

}  // namespace tips::testing
