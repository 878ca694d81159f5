// tipstool print FILE [--cell WxH] [--page WxH [--dpi N] [--offset X,Y]]: lays FILE out as the main
// window's print engine CodeEditPrint1 would (the text read as the editor reads a file, set as the
// window sets it, tabs kept; the Visual Basic highlighter with the window's colours) and prints the
// layout as one JSON object: the page, the device margins of page 1, RowHeight, RowChars, the page
// count and, per page, its rows (1-based source line, 1-based start column, text).
//
// The page is the fallback A4 sheet at 300 dots per inch, or a sheet of W x H printer pixels with its
// printable area set in by the offset on every side. Text is measured on a recording canvas: with
// --cell every font has cells of W x H pixels, else the canvas's own rule (Arial 10 points at 300
// dots per inch: 21 x 42).

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "command_registry.hpp"
#include "editor/line_buffer.hpp"
#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "json_text.hpp"
#include "platform/printer.hpp"
#include "platform/recording_canvas.hpp"
#include "print/code_edit_print.hpp"
#include "print/code_edit_print_form.hpp"

namespace {

using json = nlohmann::ordered_json;

constexpr const char* kUsage = "usage: tipstool print FILE [--cell WxH] [--page WxH [--dpi N] [--offset X,Y]]\n";

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "WxH" or "X,Y", both positive unless `zeroAllowed`.
std::optional<std::pair<int, int>> ParsePair(std::string_view text, char separator, bool zeroAllowed) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) return std::nullopt;
    const auto first = ParseInt(text.substr(0, at));
    const auto second = ParseInt(text.substr(at + 1));
    const int least = zeroAllowed ? 0 : 1;
    if (!first || !second || *first < least || *second < least) return std::nullopt;
    return std::pair{*first, *second};
}

struct TOptions {
    std::string file;
    std::optional<std::pair<int, int>> cell;
    std::optional<std::pair<int, int>> page;
    int dpi = 300;
    std::pair<int, int> offset{0, 0};
    bool dpiOrOffset = false;
};

std::optional<TOptions> ParseOptions(const std::vector<std::string>& args) {
    TOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--cell" && hasValue) {
            if (!(options.cell = ParsePair(args[++i], 'x', false))) return std::nullopt;
        } else if (arg == "--page" && hasValue) {
            if (!(options.page = ParsePair(args[++i], 'x', false))) return std::nullopt;
        } else if (arg == "--dpi" && hasValue) {
            const auto dpi = ParseInt(args[++i]);
            if (!dpi || *dpi < 1) return std::nullopt;
            options.dpi = *dpi;
            options.dpiOrOffset = true;
        } else if (arg == "--offset" && hasValue) {
            const auto offset = ParsePair(args[++i], ',', true);
            if (!offset) return std::nullopt;
            options.offset = *offset;
            options.dpiOrOffset = true;
        } else if (!arg.starts_with("--") && options.file.empty()) {
            options.file = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.file.empty() || (options.dpiOrOffset && !options.page)) return std::nullopt;
    if (options.page && (2 * options.offset.first >= options.page->first || 2 * options.offset.second >= options.page->second)) {
        return std::nullopt;
    }
    return options;
}

// The sheet the options describe as the selected printer for the run, or no printer (the fallback
// page) without --page.
class TSheetPrinter final : public tips::platform::TPrinterPort {
public:
    explicit TSheetPrinter(const TOptions& o) {
        if (o.page) {
            const auto [width, height] = *o.page;
            const auto [x, y] = o.offset;
            sheet_ = {"tipstool", {width, height, width - 2 * x, height - 2 * y, x, y, o.dpi, o.dpi}};
        }
        tips::platform::SetPrinterPort(this);
    }
    ~TSheetPrinter() override { tips::platform::SetPrinterPort(nullptr); }
    TSheetPrinter(const TSheetPrinter&) = delete;
    TSheetPrinter& operator=(const TSheetPrinter&) = delete;

    std::optional<tips::platform::TSelectedPrinter> SelectedPrinter() override { return sheet_; }
    std::unique_ptr<tips::platform::TPrinterDocument> BeginDocument(std::string_view) override {
        throw tips::platform::EPrinterError("tipstool print lays out only");
    }

private:
    std::optional<tips::platform::TSelectedPrinter> sheet_;
};

json Layout(tips::print::TCodeEditPrint& engine) {
    tips::print::TCodeEditPrinterInfo& info = engine.PrinterInfo();
    const tips::print::TDeviceMargins& d = engine.Margins().Device();
    json out;
    out["Paper"] = {{"PaperWidth", info.PaperWidth()},           {"PaperHeight", info.PaperHeight()},
                    {"UsableWidth", info.UsableWidth()},         {"UsableHeight", info.UsableHeight()},
                    {"LeftUnprintable", info.LeftUnprintable()}, {"TopUnprintable", info.TopUnprintable()},
                    {"DotsPerInchX", info.DotsPerInchX()},       {"DotsPerInchY", info.DotsPerInchY()}};
    out["DevLeft"] = d.DevLeft;
    out["DevTop"] = d.DevTop;
    out["DevRight"] = d.DevRight;
    out["DevBottom"] = d.DevBottom;
    out["RowHeight"] = engine.RowHeight();
    out["RowChars"] = engine.RowChars();
    out["PageCount"] = engine.PageCount();
    json pages = json::array();
    const auto& starts = engine.PageStarts();
    const int lineCount = engine.Lines().Count();
    for (int page = 1; page <= engine.PageCount(); ++page) {
        const int first = starts[static_cast<std::size_t>(page - 1)];
        const int end = page < engine.PageCount() ? starts[static_cast<std::size_t>(page)] : lineCount;
        json rows = json::array();
        for (int i = first; i < end; ++i) {
            const std::string& line = engine.Lines().Get(i);
            for (const tips::print::TLineRow& row : engine.RowsOf(i)) {
                rows.push_back({{"Line", i + 1},
                                {"Column", row.Start + 1},
                                {"Text", tipstool::cp1252ToUtf8(std::string_view(line).substr(
                                             static_cast<std::size_t>(row.Start), static_cast<std::size_t>(row.Length)))}});
            }
        }
        pages.push_back({{"Page", page}, {"Rows", std::move(rows)}});
    }
    out["Pages"] = std::move(pages);
    return out;
}

int RunPrint(const std::vector<std::string>& args) {
    const auto options = ParseOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return tipstool::kExitUsage;
    }
    std::ifstream file(options->file, std::ios::binary);
    if (!file) {
        std::cerr << "tipstool print: cannot open " << options->file << '\n';
        return tipstool::kExitFailed;
    }
    tips::editor::TCodeEditStringList editorLines;
    editorLines.LoadFromStream(file);

    const TSheetPrinter sheet(*options);

    tips::highlight::TVBHighlighter highlighter;
    tips::highlight::ConfigureVBHighlighter1(highlighter);
    tips::print::TCodeEditPrint engine;
    tips::print::ConfigureCodeEditPrint1(engine, &highlighter);
    engine.Lines().SetText(editorLines.Text());

    tips::platform::TRecordingCanvas canvas;
    if (options->cell) {
        const auto [width, height] = *options->cell;
        canvas.SetMetricsRule([width, height](const tips::platform::TFontDescription&) {
            return tips::platform::TRecordingCanvas::CellMetrics(width, height);
        });
    }
    engine.LayOutPages(canvas);
    const json out = Layout(engine);
    std::cout << out.dump(1) << '\n';
    return std::cout ? tipstool::kExitOk : tipstool::kExitFailed;
}

const tipstool::CommandRegistrar registrar{tipstool::Command{
    "print",
    "  tipstool print FILE [--cell WxH] [--page WxH [--dpi N] [--offset X,Y]]\n"
    "                            lay FILE out as the main window prints it: margins, rows, pages (JSON)\n",
    RunPrint}};

}  // namespace
