// The skin's cost on Windows, run under Wine:
// - start-up: from process start to the first painted window, for a bare window, the same window
//   skinned from the embedded skin (decoding it included) and the real main window, each in fresh
//   processes, interleaved, medians of seven;
// - painting the skinned frame of a main-window-sized form and the skinned scroll bar of a grid-sized
//   child, each repeated for half a second (mean per paint).
//
//   tools/wine-run build/win/wine build/win/bench/win32/skin_bench.exe

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/form1.hpp"
#include "skin/embedded_skin.hpp"
#include "skin/skin_source.hpp"
#include "skin/win32/skin_activation.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/skin_scroll_bar.hpp"
#include "widgets/win32/form.hpp"
#include "win32/bench_process.hpp"

namespace {

using namespace tips;
using tips_bench::MedianMs;
using tips_bench::MicrosSinceProcessStart;
using tips_bench::RunChild;
using tips_bench::ShowAndPaint;

// The main window's size, without its controls.
class TBareForm : public widgets::TForm {
public:
    TBareForm() {
        widgets::TFormLayout layout;
        layout.className = "TSkinBenchForm";
        layout.caption = "Skin bench";
        layout.width = 687;
        layout.height = 443;
        CreateForm(layout);
    }
};

skin::TSkinSource EmbeddedSource() {
    skin::TSkinSource source;
    source.Properties.Active = true;
    source.ReadSkinStream(skin::EmbeddedSkinStream());
    return source;
}

int StartBare() {
    widgets::TOwnedWindow<TBareForm> form;
    ShowAndPaint(form.Handle());
    return MicrosSinceProcessStart();
}

int StartSkinned() {
    skin::TSkinSource source = EmbeddedSource();
    skin::win32::TSkinActivation activation(source);
    widgets::TOwnedWindow<TBareForm> form;
    ShowAndPaint(form.Handle());
    return activation.Manager() && activation.Manager()->Skinned(form.Handle()) ? MicrosSinceProcessStart()
                                                                                : -1;
}

int StartMainWindow() {
    // An empty folder of its own: no tips file to read, none written beside the bench.
    const auto folder = std::filesystem::temp_directory_path() / ("skin_bench_" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    int micros = 0;
    {
        widgets::TOwnedWindow<app::TForm1> form((folder / "tips.exe").string());
        ShowAndPaint(form.Handle());
        micros = MicrosSinceProcessStart();
    }
    std::filesystem::remove_all(folder);
    return micros;
}

void BenchStartUp() {
    const char* const modes[] = {"--bare", "--skinned", "--main-window"};
    std::vector<int> times[3];
    for (int round = 0; round < 7; ++round)
        for (int mode = 0; mode < 3; ++mode) times[mode].push_back(RunChild(modes[mode]));
    const double bare = MedianMs(times[0]);
    std::printf("start-up to first paint, median of 7 fresh processes:\n");
    std::printf("  %-34s %8.1f ms\n", "bare window", bare);
    std::printf("  %-34s %8.1f ms  (%.2fx the bare window)\n", "the same window, skinned", MedianMs(times[1]),
                MedianMs(times[1]) / bare);
    std::printf("  %-34s %8.1f ms  (%.2fx the bare window)\n", "main window, skinned, no tips", MedianMs(times[2]),
                MedianMs(times[2]) / bare);
}

// Runs `step` until half a second has passed and prints its mean time.
void Measure(const char* name, const std::function<void()>& step) {
    using clock = std::chrono::steady_clock;
    step();
    int count = 0;
    const auto start = clock::now();
    auto elapsed = clock::duration{};
    while (elapsed < std::chrono::milliseconds(500)) {
        step();
        ++count;
        elapsed = clock::now() - start;
    }
    const double micros = std::chrono::duration<double, std::micro>(elapsed).count() / count;
    std::printf("  %-34s %8.1f us per paint  (%d paints)\n", name, micros, count);
}

// A grid-sized child of `parent` with a vertical scroll bar.
HWND MakeGridSizedChild(HWND parent) {
    const HWND child = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 40, 280,
                                       330, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 999, 20, 400, 0};
    SetScrollInfo(child, SB_VERT, &info, TRUE);
    return child;
}

void PaintFrames(const char* frame, const char* scrollBar, HWND form, HWND child) {
    Measure(frame, [&] {
        RedrawWindow(form, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
    });
    Measure(scrollBar, [&] {
        RedrawWindow(child, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
    });
}

void BenchPaint() {
    std::printf("frame and scroll bar painting through GDI, mean of half a second:\n");
    {
        // The baseline: the system's own frame and scroll bar, before any skin serves the thread.
        widgets::TOwnedWindow<TBareForm> form;
        ShowAndPaint(form.Handle());
        PaintFrames("system frame (687 x 443)", "system scroll bar (330 high)", form.Handle(),
                    MakeGridSizedChild(form.Handle()));
    }
    skin::TSkinSource source = EmbeddedSource();
    skin::win32::TSkinActivation activation(source);
    widgets::TOwnedWindow<TBareForm> form;
    ShowAndPaint(form.Handle());
    if (!activation.Manager() || !activation.Manager()->Skinned(form.Handle())) {
        std::printf("  the form was not skinned\n");
        return;
    }
    const HWND child = MakeGridSizedChild(form.Handle());
    skin::TSkinBitmapCache bitmaps;
    const skin::win32::TSkinScrollBar scrollBar(child, {*source.SkinData(), bitmaps, source.Properties});
    PaintFrames("skinned frame (687 x 443)", "skinned scroll bar (330 high)", form.Handle(), child);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare") return StartBare();
    if (mode == "--skinned") return StartSkinned();
    if (mode == "--main-window") return StartMainWindow();
    BenchStartUp();
    BenchPaint();
    return 0;
}
