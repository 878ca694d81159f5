// Painting the editor on the recording canvas: a full 60-line, 100-column view, and what a window
// repaints after one keystroke and after a one-line scroll, each at 1,000 and 100,000 lines side by
// side. The cost must follow the visible lines, not the length of the text.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "editor/code_edit_painter.hpp"
#include "editor/custom_code_edit.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "vb_sample_text.hpp"

namespace {

using namespace tips::editor;
using tips::platform::TViewRect;

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;
constexpr int kGutterAllowance = 60;
constexpr int kVisibleLines = 60;
constexpr int kVisibleColumns = 100;

// An editor in a 60-line, 100-column in-memory window with the Visual Basic highlighter, line
// numbers in the gutter, and the given text loaded.
struct Rig {
    tips::highlight::TVBHighlighter highlighter;
    tips::platform::TMemoryViewPort view{
        {kGutterAllowance + kVisibleColumns * kCellWidth, kVisibleLines * kCellHeight}, {kCellWidth, kCellHeight}};
    TCustomCodeEdit editor;
    TCodeEditPainter painter{editor};
    tips::platform::TRecordingCanvas canvas;

    explicit Rig(int lines) {
        editor.Gutter().SetShowLineNumbers(true);
        editor.Gutter().SetAutoSize(true);
        editor.SetHighlighter(&highlighter);
        editor.AttachView(&view, &view);
        std::istringstream stream(tips::bench::PaintBenchText(lines));
        editor.Lines().LoadFromStream(stream);
        editor.ClearUndo();
        editor.SetCaretPoint({5, lines / 2});
        view.ClearRecords();
    }

    TViewRect Client() const {
        const auto size = view.ClientSize();
        return {0, 0, size.Width, size.Height};
    }

    // Paints what the editor marked for repainting since the last call, as a window's paint would:
    // one paint of the union of the marked rectangles, plus the band a pixel scroll uncovered.
    void PaintMarked() {
        TViewRect dirty{};
        const auto grow = [&dirty](const TViewRect& rect) {
            if (dirty.IsEmpty()) {
                dirty = rect;
                return;
            }
            dirty = {std::min(dirty.Left, rect.Left), std::min(dirty.Top, rect.Top), std::max(dirty.Right, rect.Right),
                     std::max(dirty.Bottom, rect.Bottom)};
        };
        for (const TViewRect& rect : view.Invalidated()) grow(rect);
        const TViewRect client = Client();
        for (const int dy : view.PixelScrolls()) {
            grow(dy < 0 ? TViewRect{client.Left, client.Bottom + dy, client.Right, client.Bottom}
                        : TViewRect{client.Left, client.Top, client.Right, client.Top + dy});
        }
        view.ClearRecords();
        canvas.Clear();
        if (!dirty.IsEmpty()) painter.Paint(canvas, dirty);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }
};

// The whole view, as after the window was uncovered.
void BM_PaintFullView(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    rig.editor.SetFirstVisibleLine(static_cast<int>(state.range(0)) / 2 - kVisibleLines / 2);
    const TViewRect client = rig.Client();
    for (auto _ : state) {
        rig.canvas.Clear();
        rig.painter.Paint(rig.canvas, client);
        benchmark::DoNotOptimize(rig.canvas.Calls().data());
    }
    state.counters["calls"] = static_cast<double>(rig.canvas.Calls().size());
}
BENCHMARK(BM_PaintFullView)->Arg(1000)->Arg(100000);

// One typed character and the repaint it asks for; the line is reset now and then so that it stays short.
void BM_PaintAfterKeystroke(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Rig rig(lines);
    rig.editor.SetFirstVisibleLine(lines / 2 - kVisibleLines / 2);
    rig.PaintMarked();
    const int middle = lines / 2;
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 64 == 0) {
            state.PauseTiming();
            rig.editor.Lines().Put(middle - 1, "    If value Then");
            rig.editor.SetCaretPoint({5, middle});
            rig.PaintMarked();
            state.ResumeTiming();
        }
        rig.editor.KeyPress('q');
        rig.PaintMarked();
    }
    state.counters["calls"] = static_cast<double>(rig.canvas.Calls().size());
}
BENCHMARK(BM_PaintAfterKeystroke)->Arg(1000)->Arg(100000);

// Scrolling one line down and the repaint of the uncovered row; back to the top now and then.
void BM_PaintAfterOneLineScroll(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Rig rig(lines);
    const int start = lines / 2 - kVisibleLines;
    rig.editor.SetFirstVisibleLine(start);
    rig.PaintMarked();
    for (auto _ : state) {
        if (rig.editor.FirstVisibleLine() >= start + kVisibleLines) {
            state.PauseTiming();
            rig.editor.SetFirstVisibleLine(start);
            rig.PaintMarked();
            state.ResumeTiming();
        }
        rig.editor.SetFirstVisibleLine(rig.editor.FirstVisibleLine() + 1);
        rig.PaintMarked();
    }
    state.counters["calls"] = static_cast<double>(rig.canvas.Calls().size());
}
BENCHMARK(BM_PaintAfterOneLineScroll)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
