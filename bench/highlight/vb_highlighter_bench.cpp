// Scanning 10 MB of generated Visual Basic: a full token scan and RecomputeAllRanges over the line
// buffer, each beside a plain pass over the same bytes (finding the line breaks) measured in the same run.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "editor/highlighter_ranges.hpp"
#include "editor/line_buffer.hpp"
#include "highlight/vb_highlighter.hpp"
#include "plain_operations.hpp"

namespace {

using tips_bench::CountLineBreaks;

constexpr std::size_t kTextBytes = 10u << 20;

// Deterministic, varied Visual Basic: declarations, loops, strings with doubled quotes, dates, numbers,
// comments of both kinds, and indentation with blanks and tabs.
std::string GenerateVisualBasic(std::size_t bytes) {
    static const char* const templates[] = {
        "Dim %s As Integer",
        "Private Function %s(ByVal a As Long, ByRef b As String) As Boolean",
        "\tIf %s <> 0 And Len(s$) >= 10 Then",
        "\t\t%s = \"He said \"\"hola\"\" to \" & Name & vbCrLf",
        "    For i = 1 To 100 Step 2: %s = %s + 1.5E10 * i: Next i",
        "    ' %s keeps the running total of the selected rows",
        "Rem %s was written for the old version",
        "    %s = #1/2/2003# + DateSerial(2003, 2, 1)",
        "    Call MsgBox(\"Value: \" & CStr(%s), vbInformation, App.Title)",
        "\tSelect Case %s: Case 1, 2, 3: Exit Sub: End Select",
        "End If",
        "",
        "    Set %s = CreateObject(\"Scripting.FileSystemObject\") ' late binding",
        "    %s = &HFF + (x * 2) / 3 - y ^ 2 Mod 7",
    };
    static const char* const names[] = {"total",  "nCount", "strName", "frmMain", "lngIndex", "rsTrucos",
                                        "sBuffer", "iRow",   "dblRate", "Contador", "m_bDirty", "objFile"};
    std::string text;
    text.reserve(bytes + 256);
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    while (text.size() < bytes) {
        const std::string_view pattern = templates[next() % std::size(templates)];
        const std::string_view name = names[next() % std::size(names)];
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
                text += name;
                ++i;
            } else {
                text += pattern[i];
            }
        }
        text += "\r\n";
    }
    return text;
}

const std::string& Text() {
    static const std::string text = GenerateVisualBasic(kTextBytes);
    return text;
}

const std::vector<std::string_view>& Lines() {
    static const std::vector<std::string_view> lines = [] {
        std::vector<std::string_view> out;
        const std::string_view text = Text();
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = text.find("\r\n", pos);
            out.push_back(text.substr(pos, end - pos));
            pos = end + 2;
        }
        return out;
    }();
    return lines;
}

// Seconds per plain pass over the text, measured once per run.
double PlainPassSeconds() {
    static const double seconds = [] {
        constexpr int rounds = 20;
        const auto start = std::chrono::steady_clock::now();
        std::size_t sink = 0;
        for (int i = 0; i < rounds; ++i) sink += CountLineBreaks(Text());
        benchmark::DoNotOptimize(sink);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
    }();
    return seconds;
}

// Bytes per second, and how many plain passes over the same bytes one iteration costs (wall-clock both).
void ReportAgainstPlainPass(benchmark::State& state, std::chrono::steady_clock::time_point start) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
    state.counters["x_plain_pass"] = seconds / static_cast<double>(state.iterations()) / PlainPassSeconds();
}

void BM_PlainPass(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CountLineBreaks(Text()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

void BM_VBTokenScan(benchmark::State& state) {
    tips::highlight::TVBHighlighter highlighter;
    const auto& lines = Lines();
    PlainPassSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::size_t tokens = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            highlighter.BeginLine(lines[i], static_cast<int>(i));
            for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
                tokens += static_cast<std::size_t>(highlighter.TokenKindCode()) + highlighter.TokenView().size();
            }
        }
        benchmark::DoNotOptimize(tokens);
    }
    ReportAgainstPlainPass(state, start);
}
BENCHMARK(BM_VBTokenScan)->Unit(benchmark::kMillisecond);

void BM_RecomputeAllRanges(benchmark::State& state) {
    tips::editor::TCodeEditStringList lines;
    std::istringstream in(Text());
    lines.LoadFromStream(in);
    tips::highlight::TVBHighlighter highlighter;
    PlainPassSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) tips::editor::RecomputeAllRanges(highlighter, lines);
    ReportAgainstPlainPass(state, start);
    state.counters["lines"] = static_cast<double>(lines.Count());
}
BENCHMARK(BM_RecomputeAllRanges)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
