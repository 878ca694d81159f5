// The tips store against the plain operations it competes with: loading and saving a 100,000-tip file
// (about 60 MB) against reading and writing the same bytes raw, a full sort of 100,000 titles, and a
// Locate that scans 100,000 records.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "tip_code_text.hpp"

namespace {

using tips::store::TMemoryTable;
namespace fs = std::filesystem;

constexpr int kTips = 100000;

std::string Title(std::mt19937& random) {
    static const char* kWords[] = {"Arrays", "bucles", "Cadenas", "eventos", "API", "Ventanas", "ficheros", "Registro"};
    return std::string(kWords[random() % 8]) + " " + std::to_string(random() % 100000);
}

// One generated table and its file image, shared by every benchmark.
struct TCorpus {
    TCorpus() {
        std::mt19937 random(42);
        TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        auto fields = tips::store::CreateTipsFields(table);
        table.Open();
        for (int i = 0; i < kTips; ++i) {
            table.Append();
            fields.Categoria->SetAsString(std::string("Cat ") + std::to_string(random() % 50));
            fields.Descripcion->SetAsString(Title(random));
            fields.Truco->SetAsString(tips_bench::TipCodeText(random));
            table.Post();
        }
        image = table.SaveToBytes();
        path = (fs::temp_directory_path() / "store_bench_trucos.dat").string();
        rawPath = (fs::temp_directory_path() / "store_bench_raw.dat").string();
        std::ofstream(path, std::ios::binary).write(image.data(), static_cast<std::streamsize>(image.size()));
    }
    ~TCorpus() {
        std::error_code error;
        fs::remove(path, error);
        fs::remove(rawPath, error);
    }
    std::string image;
    std::string path;
    std::string rawPath;
};

TCorpus& Corpus() {
    static TCorpus corpus;
    return corpus;
}

std::string ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(fs::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <class F>
double SecondsOf(F&& work, int repeats = 3) {
    double best = 1e30;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void BM_LoadFromFile(benchmark::State& state) {
    auto& corpus = Corpus();
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    tips::store::CreateTipsFields(table);
    const double raw = SecondsOf([&] { benchmark::DoNotOptimize(ReadRaw(corpus.path)); });
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(table.LoadFromFile(corpus.path));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * corpus.image.size()));
    // Raw read time over load time: 1 is as fast as raw I/O, 0.5 half as fast.
    state.counters["speed_vs_raw"] = raw / (total / static_cast<double>(state.iterations()));
    state.counters["records"] = table.RecordCount();
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveToFile(benchmark::State& state) {
    auto& corpus = Corpus();
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    tips::store::CreateTipsFields(table);
    table.LoadFromFile(corpus.path);
    // Every timed raw write replaces a file of the same size, as every save does (freeing the old file's
    // blocks is part of both): the first, untimed write makes it.
    WriteRaw(corpus.rawPath, corpus.image);
    const double raw = SecondsOf([&] { WriteRaw(corpus.rawPath, corpus.image); });
    // The least a save that never leaves a half-written file can do: write a new file beside the old one
    // and rename it over it (on ext4 the rename also starts the new file's write-back).
    const std::string besidePath = corpus.rawPath + ".new";
    const double rawReplace = SecondsOf([&] {
        WriteRaw(besidePath, corpus.image);
        fs::rename(besidePath, corpus.rawPath);
    });
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        table.SaveToFile(corpus.path);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * corpus.image.size()));
    state.counters["speed_vs_raw"] = raw / (total / static_cast<double>(state.iterations()));
    state.counters["speed_vs_raw_replace"] = rawReplace / (total / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// Full sort of 100,000 titles by the locale collation, against sorting the same titles as plain strings
// with the same collator (no table around them).
void BM_FullSortByTitle(benchmark::State& state) {
    auto& corpus = Corpus();
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    auto fields = tips::store::CreateTipsFields(table);
    table.LoadFromFile(corpus.path);
    std::vector<std::string> titles;
    for (int i = 0; i < table.RecordCount(); ++i) titles.push_back(*table.StoredValue(i, *fields.Descripcion));
    const auto& collator = tips::platform::UserDefaultCollator();
    const double plain = SecondsOf([&] {
        auto copy = titles;
        std::sort(copy.begin(), copy.end(), [&](const auto& a, const auto& b) { return collator.Compare(a, b, false) < 0; });
    }, 1);
    double total = 0;
    bool byTitle = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        table.SetSortedField(byTitle ? "Categoria" : "Descripcion");   // alternate, so every round sorts
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        byTitle = !byTitle;
    }
    state.counters["speed_vs_plain_sort"] = plain / (total / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FullSortByTitle)->Unit(benchmark::kMillisecond)->Iterations(3);

// Locate as the search box calls it, for a key that only the last record in table order matches, against
// a plain loop over the same titles with the same prefix test.
void BM_LocateScan(benchmark::State& state) {
    auto& corpus = Corpus();
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    auto fields = tips::store::CreateTipsFields(table);
    table.LoadFromFile(corpus.path);
    table.Last();
    table.Edit();
    fields.Descripcion->SetAsString("Zzz ultimo");
    table.Post();
    const auto options = tips::store::TLocateOption::loCaseInsensitive | tips::store::TLocateOption::loPartialKey;
    std::vector<std::string> titles;
    for (int i = 0; i < table.RecordCount(); ++i) titles.push_back(*table.StoredValue(i, *fields.Descripcion));
    const auto& collator = tips::platform::UserDefaultCollator();
    const double plain = SecondsOf([&] {
        for (const auto& title : titles) {
            if (title.size() > 3 && collator.Compare(std::string_view(title).substr(0, 3), "zzz", true) == 0) break;
        }
    });
    double total = 0;
    for (auto _ : state) {
        table.First();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(table.Locate("Descripcion", std::string("zzz"), options));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["speed_vs_plain_scan"] = plain / (total / static_cast<double>(state.iterations()));
    state.counters["found_recno"] = table.RecNo();
}
BENCHMARK(BM_LocateScan)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
