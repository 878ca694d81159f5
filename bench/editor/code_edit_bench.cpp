// Typing into the editor: 10,000 characters at the end and in the middle of a 100,000-line text,
// and the cost of one keystroke at 1,000 and at 100,000 lines side by side. The baseline is the
// plain string insertion a keystroke has to do anyway.

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "editor/custom_code_edit.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/memory_view_port.hpp"

namespace {

using namespace tips::editor;

std::string MakeText(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "    Dim value" + std::to_string(i) + " As Long ' counter\r\n";
    return text;
}

// An editor in an in-memory window with the Visual Basic highlighter and the given text loaded.
struct Rig {
    tips::highlight::TVBHighlighter highlighter;
    tips::platform::TMemoryViewPort view{{32 + 80 * 8, 25 * 16}, {8, 16}};
    TCustomCodeEdit editor;

    explicit Rig(const std::string& text) {
        editor.SetHighlighter(&highlighter);
        editor.AttachView(&view, &view);
        std::istringstream stream(text);
        editor.Lines().LoadFromStream(stream);
        editor.ClearUndo();
    }
};

void TypeChars(TCustomCodeEdit& editor, int count) {
    for (int i = 0; i < count; ++i) editor.KeyPress(static_cast<char>('a' + i % 26));
}

// Typing 10,000 characters into a 100,000-line text at `caret`; building and freeing the editor
// are not timed.
void TypeIntoLargeText(benchmark::State& state, TPoint caret) {
    const std::string text = MakeText(100000);
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<Rig>(text);
        rig->editor.SetCaretPoint(caret);
        state.ResumeTiming();
        TypeChars(rig->editor, 10000);
        state.PauseTiming();
        rig.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

void BM_Type10000AtEnd(benchmark::State& state) { TypeIntoLargeText(state, {1, 100000}); }
BENCHMARK(BM_Type10000AtEnd)->Unit(benchmark::kMillisecond);

void BM_Type10000InMiddle(benchmark::State& state) { TypeIntoLargeText(state, {5, 50000}); }
BENCHMARK(BM_Type10000InMiddle)->Unit(benchmark::kMillisecond);

// One keystroke in the middle of a text of state.range(0) lines; the line is reset now and then so
// that it stays short.
void BM_Keystroke(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Rig rig(MakeText(lines));
    const int middle = lines / 2;
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 64 == 0) {
            state.PauseTiming();
            rig.editor.Lines().Put(middle - 1, "    Dim x As Long");
            rig.editor.SetCaretPoint({5, middle});
            state.ResumeTiming();
        }
        rig.editor.KeyPress('q');
    }
}
BENCHMARK(BM_Keystroke)->Arg(1000)->Arg(100000);

// The baseline: inserting one character into a line of the same size.
void BM_KeystrokeBaseline(benchmark::State& state) {
    std::string line = "    Dim value50000 As Long ' counter";
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 64 == 0) line = "    Dim value50000 As Long ' counter";
        line.insert(4, 1, 'q');
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(BM_KeystrokeBaseline);

}  // namespace

BENCHMARK_MAIN();
