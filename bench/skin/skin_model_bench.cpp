// The whole skin load, from the stored SkinStream property to the model, against its parts and against
// copying the decoded bytes (the plain operation it competes with).

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/embedded_skin.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_source.hpp"
#include "skin/skin_stream.hpp"

namespace {

using namespace tips::skin;

std::vector<std::uint8_t> DecodedEmbedded() { return DecodeSkinFile(ReadSkinStream(EmbeddedSkinStream()).skinFile); }

// Everything TSkinSource does when the main window reads its layout.
void BM_LoadEmbeddedSkin(benchmark::State& state) {
    for (auto _ : state) {
        TSkinSource source;
        source.ReadSkinStream(EmbeddedSkinStream());
        if (!source.SkinLoaded()) state.SkipWithError("the embedded skin did not load");
        benchmark::DoNotOptimize(source.SkinData());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(DecodedEmbedded().size()));
}
BENCHMARK(BM_LoadEmbeddedSkin)->Unit(benchmark::kMillisecond);

// The part after decoding: opening the archive, reading the INI text and decoding the 40 bitmaps.
void BM_ModelFromDecodedArchive(benchmark::State& state) {
    const std::vector<std::uint8_t> decoded = DecodedEmbedded();
    for (auto _ : state) {
        const SkinArchive archive(decoded);
        const TSkinData model = ReadSkinModel(archive);
        benchmark::DoNotOptimize(model.SysButtons.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(decoded.size()));
}
BENCHMARK(BM_ModelFromDecodedArchive)->Unit(benchmark::kMillisecond);

// Baseline: copying the decoded bytes once.
void BM_CopyDecodedBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> decoded = DecodedEmbedded();
    std::vector<std::uint8_t> target(decoded.size());
    for (auto _ : state) {
        std::memcpy(target.data(), decoded.data(), decoded.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(decoded.size()));
}
BENCHMARK(BM_CopyDecodedBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
