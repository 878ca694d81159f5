// Painting the editor window through GDI, run under Wine: the whole 60-line, 100-column view, and
// the repaint after one keystroke and after a one-line scroll, at 1,000 and 100,000 lines side by
// side. Each case repeats until half a second has passed and prints the mean time of one paint.
//
//   tools/wine-run build/win/wine build/win/bench/win32/gdi_paint_bench.exe

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>

#include "editor/custom_code_edit.hpp"
#include "editor/win32/code_edit_window.hpp"
#include "highlight/vb_highlighter.hpp"
#include "vb_sample_text.hpp"
#include "widgets/win32/form.hpp"

namespace {

using namespace tips;
using editor::TCustomCodeEdit;

constexpr int kVisibleLines = 60;
constexpr int kVisibleColumns = 100;

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A form holding one editor with line numbers and the Visual Basic highlighter, sized to show
// 60 lines of 100 columns.
class TBenchForm : public widgets::TForm {
public:
    explicit TBenchForm(int lines) {
        edit.Core().Gutter().SetShowLineNumbers(true);
        edit.Core().Gutter().SetAutoSize(true);
        edit.Core().SetHighlighter(&highlighter);
        edit.SetBounds(0, 0, 400, 300);
        widgets::TFormLayout layout;
        layout.className = "TGdiPaintBenchForm";
        layout.caption = "Paint bench";
        layout.width = 1200;
        layout.height = 1000;
        CreateForm(layout);
        ShowWindow(Handle(), SW_SHOW);
        std::istringstream stream(tips::bench::PaintBenchText(lines));
        edit.Core().Lines().LoadFromStream(stream);
        edit.Core().ClearUndo();
        const TCustomCodeEdit& core = edit.Core();
        edit.SetBounds(0, 0,
                       core.GutterExtent() + 2 + kVisibleColumns * core.TextColumnWidth() +
                           GetSystemMetrics(SM_CXVSCROLL) + 4,
                       kVisibleLines * core.TextRowHeight() + GetSystemMetrics(SM_CYHSCROLL) + 4);
        edit.SetFocus();
        edit.Core().SetCaretPoint({5, lines / 2});
        edit.Core().SetFirstVisibleLine(lines / 2 - kVisibleLines / 2);
        UpdateWindow(edit.Handle());
        Pump();
    }

    highlight::TVBHighlighter highlighter;
    editor::TCodeEdit edit{this};
};

// Runs `step` until half a second has passed and prints its mean time.
void Measure(const char* name, int lines, const std::function<void()>& step) {
    using clock = std::chrono::steady_clock;
    step();  // warm up: fonts made, buffers grown
    int count = 0;
    const auto start = clock::now();
    auto elapsed = clock::duration{};
    while (elapsed < std::chrono::milliseconds(500)) {
        step();
        ++count;
        elapsed = clock::now() - start;
    }
    const double micros = std::chrono::duration<double, std::micro>(elapsed).count() / count;
    std::printf("%-28s %7d lines  %10.1f us per paint  (%d paints)\n", name, lines, micros, count);
}

void BenchAt(int lines) {
    widgets::TOwnedWindow<TBenchForm> form(lines);
    const HWND editor = form.edit.Handle();
    TCustomCodeEdit& core = form.edit.Core();

    Measure("full view", lines, [editor] {
        InvalidateRect(editor, nullptr, FALSE);
        UpdateWindow(editor);
    });

    const int middle = lines / 2;
    int typed = 0;
    Measure("after one keystroke", lines, [&] {
        if (++typed % 64 == 0) {
            core.Lines().Put(middle - 1, "    If value Then");
            core.SetCaretPoint({5, middle});
            UpdateWindow(editor);
        }
        SendMessageA(editor, WM_CHAR, 'q', 1);
        UpdateWindow(editor);
    });

    const int start = lines / 2 - kVisibleLines;
    core.SetFirstVisibleLine(start);
    UpdateWindow(editor);
    Measure("after a one-line scroll", lines, [&] {
        if (core.FirstVisibleLine() >= start + kVisibleLines) {
            core.SetFirstVisibleLine(start);
            UpdateWindow(editor);
        }
        SendMessageA(editor, WM_VSCROLL, SB_LINEDOWN, 0);
        UpdateWindow(editor);
    });
}

}  // namespace

int main() {
    for (const int lines : {1000, 100000}) BenchAt(lines);
    return 0;
}
