// The print engine on the recording canvas with the main window's settings: laying a text out into
// pages at 10,000 and 100,000 lines (the time per line must not grow with the text), each beside a
// plain pass over the same bytes; and drawing one page from the middle of the long text, beside the
// highlighter's scan of that page's lines alone.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>
#include <string_view>

#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "platform/printer.hpp"
#include "platform/recording_canvas.hpp"
#include "print/code_edit_print.hpp"
#include "print/code_edit_print_form.hpp"
#include "vb_sample_text.hpp"
#include "plain_operations.hpp"

namespace {

using tips_bench::BestSeconds;
using tips_bench::CountLineBreaks;

using Clock = std::chrono::steady_clock;

// The main window's engine on the fallback A4 page, measured by the canvas's own rule (Arial 10
// points at 300 dots per inch: cells of 21 x 42, 95 to a row, so most lines of the text wrap once).
struct Rig {
    tips::highlight::TVBHighlighter highlighter;
    tips::print::TCodeEditPrint engine;
    tips::platform::TRecordingCanvas canvas;
    std::string text;

    explicit Rig(int lines) : text(tips::bench::PaintBenchText(lines)) {
        tips::highlight::ConfigureVBHighlighter1(highlighter);
        tips::print::ConfigureCodeEditPrint1(engine, &highlighter);
        engine.SetClock([] { return tips::print::TDateTimeTexts{"11/12/2026", "04:00:00"}; });
        engine.Lines().SetText(text);
        engine.LayOutPages(canvas);
    }
};

// The whole layout after a change of the text: the highlighter's ranges and the pages.
void BM_LayOutPages(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Rig rig(lines);
    const std::string first = rig.engine.Lines().Get(0);
    const double plain = BestSeconds([&] { benchmark::DoNotOptimize(CountLineBreaks(rig.text)); }, 20);
    double total = 0;
    for (auto _ : state) {
        rig.engine.Lines().Put(0, first);  // marks the ranges and the pages stale
        const auto start = Clock::now();
        rig.engine.LayOutPages(rig.canvas);
        total += std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(rig.engine.PageCount());
    }
    const double each = total / static_cast<double>(state.iterations());
    state.counters["pages"] = rig.engine.PageCount();
    state.counters["ns_per_line"] = each * 1e9 / lines;
    // Layout time over one memchr pass finding the same text's line breaks.
    state.counters["x_plain_pass"] = each / plain;
}
BENCHMARK(BM_LayOutPages)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The pages alone: the text is unchanged, so the highlighter's ranges are kept from the last layout.
void BM_LayOutPagesRangesKept(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Rig rig(lines);
    const double plain = BestSeconds([&] { benchmark::DoNotOptimize(CountLineBreaks(rig.text)); }, 20);
    const auto start = Clock::now();
    for (auto _ : state) {
        rig.engine.LayOutPages(rig.canvas);
        benchmark::DoNotOptimize(rig.engine.PageCount());
    }
    const double each = std::chrono::duration<double>(Clock::now() - start).count() / static_cast<double>(state.iterations());
    state.counters["ns_per_line"] = each * 1e9 / lines;
    state.counters["x_plain_pass"] = each / plain;
}
BENCHMARK(BM_LayOutPagesRangesKept)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One page from the middle of the 100,000-line text, drawn on a cleared recording canvas.
void BM_RenderPage(benchmark::State& state) {
    Rig rig(100000);
    const int page = rig.engine.PageCount() / 2;
    const auto& starts = rig.engine.PageStarts();
    const int first = starts[static_cast<std::size_t>(page - 1)];
    const int end = starts[static_cast<std::size_t>(page)];
    // The plain work inside a page: scanning its lines with the highlighter.
    const double scan = BestSeconds([&] {
        std::size_t tokens = 0;
        for (int i = first; i < end; ++i) {
            rig.highlighter.BeginLine(rig.engine.Lines().Get(i), i);
            for (; !rig.highlighter.AtLineEnd(); rig.highlighter.NextToken()) ++tokens;
        }
        benchmark::DoNotOptimize(tokens);
    }, 20);
    double total = 0;
    for (auto _ : state) {
        rig.canvas.Clear();
        const auto start = Clock::now();
        rig.engine.RenderPage(rig.canvas, page);
        total += std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(rig.canvas.Calls().data());
    }
    state.counters["lines"] = end - first;
    state.counters["calls"] = static_cast<double>(rig.canvas.Calls().size());
    // Drawing time over the highlighter's scan of the same lines.
    state.counters["x_scan"] = total / static_cast<double>(state.iterations()) / scan;
}
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
