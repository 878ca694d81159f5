// Our embedded skin: decoding its LZHUF stream, and the whole load from the stored property to the
// skin model, beside a memory copy of the decoded size.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "skin/embedded_skin.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_source.hpp"
#include "skin/skin_stream.hpp"

namespace {

using tips::skin::EmbeddedSkinStream;

void BM_DecodeEmbeddedSkin(benchmark::State& state) {
    const auto skinFile = tips::skin::ReadSkinStream(EmbeddedSkinStream()).skinFile;
    std::size_t decodedSize = 0;
    for (auto _ : state) {
        auto decoded = tips::skin::DecodeSkinFile(skinFile);
        decodedSize = decoded.size();
        benchmark::DoNotOptimize(decoded.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * decodedSize));
    state.counters["decoded"] = static_cast<double>(decodedSize);
    state.counters["coded"] = static_cast<double>(skinFile.size());
}
BENCHMARK(BM_DecodeEmbeddedSkin)->Unit(benchmark::kMillisecond);

void BM_LoadEmbeddedSkinToModel(benchmark::State& state) {
    for (auto _ : state) {
        tips::skin::TSkinSource source;
        source.ReadSkinStream(EmbeddedSkinStream());
        if (!source.SkinLoaded() && !source.LoadSkin()) throw std::runtime_error(source.LastError());
        benchmark::DoNotOptimize(source.SkinData());
    }
}
BENCHMARK(BM_LoadEmbeddedSkinToModel)->Unit(benchmark::kMillisecond);

void BM_MemoryCopyDecodedSize(benchmark::State& state) {
    const std::vector<std::uint8_t> source(391139, 0x5A);
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(source.size());
        std::memcpy(copy.data(), source.data(), source.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_MemoryCopyDecodedSize)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
