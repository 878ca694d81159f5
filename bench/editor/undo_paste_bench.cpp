// One undo and one redo of a 10,000-line paste (as a stream and as whole lines), beside a plain
// copy of the same bytes measured in the same run. Each iteration starts from an empty editor with
// the text pasted into it; the text must be back after the redo.

#include <benchmark/benchmark.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "editor/custom_code_edit.hpp"
#include "editor/memory_clipboard.hpp"
#include "editor/clipboard_transfer.hpp"
#include "platform/memory_view_port.hpp"

namespace {

using namespace tips::editor;

constexpr int kPastedLines = 10000;

std::string PastedText() {
    std::string text;
    for (int i = 0; i < kPastedLines; ++i) {
        text += "    Call Procedimiento" + std::to_string(i) + "(nValor, \"texto\") ' comentario";
        if (i + 1 < kPastedLines) text += "\r\n";
    }
    return text;
}

// An editor of 80 x 25 cells with the text on its clipboard in the given mode.
class PasteFixture {
public:
    explicit PasteFixture(TCodeSelectionMode mode) : view_({32 + 80 * 8, 25 * 16}, {8, 16}) {
        editor_.AttachView(&view_, &view_);
        editor_.AttachClipboard(&clipboard_);
        WriteCodeEditClipboard(clipboard_, text_, mode);
    }

    void Reset() {
        std::istringstream empty("");
        editor_.Lines().LoadFromStream(empty);
        editor_.ClearUndo();
        editor_.SetModified(false);
        editor_.RunCommand(ecPaste, 0, {});
    }

    TCustomCodeEdit& Editor() { return editor_; }

    // Whether the editor holds exactly the pasted text (line mode adds the empty last line).
    bool HoldsPastedText() const {
        std::string text;
        for (int i = 0; i < editor_.LineCount(); ++i) {
            if (i > 0) text += "\r\n";
            text += editor_.Lines().Get(i);
        }
        return text == text_ || text == text_ + "\r\n";
    }
    std::size_t Bytes() const { return text_.size(); }

private:
    tips::platform::TMemoryViewPort view_;
    TMemoryClipboard clipboard_;
    TCustomCodeEdit editor_;
    std::string text_ = PastedText();
};

void UndoRedoPaste(benchmark::State& state, TCodeSelectionMode mode) {
    PasteFixture fixture(mode);
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Reset();
        state.ResumeTiming();
        fixture.Editor().Undo();
        fixture.Editor().Redo();
    }
    if (!fixture.HoldsPastedText()) state.SkipWithError("undo and redo did not restore the paste");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fixture.Bytes()) * 2);
}

void BM_UndoRedoPasteNormal(benchmark::State& state) { UndoRedoPaste(state, smNormal); }
void BM_UndoRedoPasteLines(benchmark::State& state) { UndoRedoPaste(state, smLine); }

// The plain operation to compare with: copying the pasted bytes twice (once out, once back).
void BM_CopyPastedBytes(benchmark::State& state) {
    const std::string text = PastedText();
    std::vector<char> buffer(text.size());
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.data(), text.size());
        benchmark::DoNotOptimize(buffer.data());
        std::memcpy(buffer.data(), text.data(), text.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()) * 2);
}

}  // namespace

BENCHMARK(BM_UndoRedoPasteNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoPasteLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPastedBytes)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
