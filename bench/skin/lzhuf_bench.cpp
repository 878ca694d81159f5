// LZHUF decoding speed on 4 MB of mixed data (code text, bitmap-like rows, noise, runs), beside the plain
// bit-at-a-time reference decoder on the same code (speed_vs_reference: how many times faster, both
// timed in this run) and a plain memory copy of the same output size, the ceiling of any decoder.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "skin/lzhuf_decoder.hpp"
#include "skin/lzhuf_encoder.hpp"
#include "plain_operations.hpp"
#include "reference_lzhuf_decoder.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kMixedSize = 4 * 1024 * 1024;

Bytes MixedInput() {
    static const std::string_view words[] = {"Private Sub ", "Form_Load()\r\n", "    Dim i As Integer\r\n",
                                             "End Sub\r\n", "' comentario\r\n", "MsgBox \"Hola\"\r\n"};
    std::mt19937 random(42);
    Bytes data;
    data.reserve(kMixedSize);
    while (data.size() < kMixedSize) {
        switch (random() % 4) {
            case 0:  // text
                for (int i = 0; i < 200; ++i) {
                    const auto word = words[random() % std::size(words)];
                    data.insert(data.end(), word.begin(), word.end());
                }
                break;
            case 1:  // bitmap rows: gradients with a magenta border
                for (int row = 0; row < 32; ++row) {
                    for (int x = 0; x < 64; ++x) {
                        const bool edge = x < 2 || x > 61;
                        data.insert(data.end(), {static_cast<std::uint8_t>(edge ? 255 : 150 + row),
                                                 static_cast<std::uint8_t>(edge ? 0 : 150 + row),
                                                 static_cast<std::uint8_t>(edge ? 255 : 150 + x)});
                    }
                }
                break;
            case 2:  // noise
                for (int i = 0; i < 2048; ++i) data.push_back(static_cast<std::uint8_t>(random()));
                break;
            default:  // a run
                data.insert(data.end(), 1000 + random() % 3000, static_cast<std::uint8_t>(random()));
                break;
        }
    }
    data.resize(kMixedSize);
    return data;
}

const Bytes& Mixed() {
    static const Bytes data = MixedInput();
    return data;
}

const Bytes& MixedCode() {
    static const Bytes code = tips::skin::LzhufEncode(Mixed());
    return code;
}

void BM_LzhufDecodeMixed4MB(benchmark::State& state) {
    const Bytes& code = MixedCode();
    const auto size = static_cast<std::uint32_t>(kMixedSize);
    // The reference's best of five beside this decoder's best of five, taken in turns so that a load
    // from others on the machine falls on both alike.
    double reference = 1e30;
    double fast = 1e30;
    for (int round = 0; round < 5; ++round) {
        reference = std::min(reference, tips_bench::BestSeconds([&] {
            benchmark::DoNotOptimize(tips::testing::ReferenceLzhufDecode(code, size).data());
        }, 1));
        fast = std::min(fast, tips_bench::BestSeconds([&] {
            benchmark::DoNotOptimize(tips::skin::LzhufDecode(code, size).data());
        }, 1));
    }
    for (auto _ : state) {
        auto decoded = tips::skin::LzhufDecode(code, size);
        benchmark::DoNotOptimize(decoded.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kMixedSize));
    state.counters["ratio"] = static_cast<double>(code.size()) / static_cast<double>(kMixedSize);
    state.counters["reference_MB_per_s"] = static_cast<double>(kMixedSize) / reference / 1e6;
    state.counters["speed_vs_reference"] = reference / fast;
}
BENCHMARK(BM_LzhufDecodeMixed4MB)->Unit(benchmark::kMillisecond);

void BM_ReferenceLzhufDecodeMixed4MB(benchmark::State& state) {
    const Bytes& code = MixedCode();
    for (auto _ : state) {
        auto decoded = tips::testing::ReferenceLzhufDecode(code, static_cast<std::uint32_t>(kMixedSize));
        benchmark::DoNotOptimize(decoded.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kMixedSize));
}
BENCHMARK(BM_ReferenceLzhufDecodeMixed4MB)->Unit(benchmark::kMillisecond);

void BM_MemoryCopy4MB(benchmark::State& state) {
    const Bytes& source = Mixed();
    for (auto _ : state) {
        Bytes copy(source.size());
        std::memcpy(copy.data(), source.data(), source.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kMixedSize));
}
BENCHMARK(BM_MemoryCopy4MB)->Unit(benchmark::kMillisecond);

void BM_LzhufEncodeMixed4MB(benchmark::State& state) {
    for (auto _ : state) {
        auto code = tips::skin::LzhufEncode(Mixed());
        benchmark::DoNotOptimize(code.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kMixedSize));
}
BENCHMARK(BM_LzhufEncodeMixed4MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
