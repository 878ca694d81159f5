// Painting from the skin on the recording canvas: the main window's whole frame and the grid's
// vertical scroll bar, each against filling the same rectangles with plain colour on the same canvas
// (the operation an unskinned frame or bar amounts to), reported as a ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "platform/recording_canvas.hpp"
#include "skin/embedded_skin.hpp"
#include "skin/frame_painter.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/scroll_bar_painter.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_stream.hpp"
#include "plain_operations.hpp"

namespace {

using tips_bench::BestSeconds;

using namespace tips::skin;
using Clock = std::chrono::steady_clock;

const TSkinData& Model() {
    static const TSkinData model =
        ReadSkinModel(SkinArchive(DecodeSkinFile(ReadSkinStream(EmbeddedSkinStream()).skinFile)));
    return model;
}

TFrameScene MainWindow() {
    TFrameScene scene;
    scene.Size = {800, 600};
    scene.Traits.HasMenu = true;
    scene.MenuBarHeight = 19;
    scene.MenuItems = {{"&Archivo", true}, {"&Edici\xF3n", true}, {"A&yuda", true}};
    return scene;
}

void BM_PaintMainWindowFrame(benchmark::State& state) {
    TSkinBitmapCache bitmaps;
    const TSkinFramePainter painter(Model(), bitmaps);
    const tips::platform::TPlainFont title({"Tahoma", -13, tips::platform::TFontStyles(tips::platform::fsBold)});
    const tips::platform::TPlainFont menu({"Tahoma", -11, {}});
    const TFrameScene scene = MainWindow();
    tips::platform::TRecordingCanvas canvas;
    const TFrameLayout layout = LayoutFrame(FrameMetricsOf(Model(), scene.Traits, scene.MenuBarHeight), scene.Size);
    const double plain = BestSeconds([&] {
        canvas.Clear();
        for (const auto& rect : {layout.Left, layout.Right, layout.Bottom, layout.Caption, layout.MenuBar})
            canvas.FillRect(rect, Model().Colours.ButtonFace);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }, 200);
    const auto start = Clock::now();
    for (auto _ : state) {
        canvas.Clear();
        painter.Paint(canvas, scene, title, menu);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }
    const double each = std::chrono::duration<double>(Clock::now() - start).count() / static_cast<double>(state.iterations());
    state.counters["calls"] = static_cast<double>(canvas.Calls().size());
    // Skinned frame over five plain fills of its pieces' rectangles.
    state.counters["x_plain_fills"] = each / plain;
}
BENCHMARK(BM_PaintMainWindowFrame)->Unit(benchmark::kMicrosecond);

void BM_PaintGridVerticalScrollBar(benchmark::State& state) {
    TSkinBitmapCache bitmaps;
    const TScrollBarPainter painter(Model(), bitmaps);
    const TViewRect bar{560, 0, 576, 420};
    const TScrollBarParts parts = LayoutScrollBar(TScrollOrientation::Vertical, bar, 16, {0, 499, 20, 120});
    tips::platform::TRecordingCanvas canvas;
    const double plain = BestSeconds([&] {
        canvas.Clear();
        canvas.FillRect(parts.FirstArrow, Model().Colours.ButtonFace);
        canvas.FillRect(parts.Track, Model().Colours.Scrollbar);
        canvas.FillRect(parts.Thumb, Model().Colours.ButtonFace);
        canvas.FillRect(parts.SecondArrow, Model().Colours.ButtonFace);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }, 200);
    const auto start = Clock::now();
    for (auto _ : state) {
        canvas.Clear();
        painter.Paint(canvas, TScrollOrientation::Vertical, parts);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }
    const double each = std::chrono::duration<double>(Clock::now() - start).count() / static_cast<double>(state.iterations());
    state.counters["calls"] = static_cast<double>(canvas.Calls().size());
    // Skinned bar over four plain fills of its arrows, track and thumb.
    state.counters["x_plain_fills"] = each / plain;
}
BENCHMARK(BM_PaintGridVerticalScrollBar)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
