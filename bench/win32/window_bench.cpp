// The main window with many tips, run under Wine:
// - start-up to the first painted window in fresh processes (medians of five): a bare window, the main
//   window with 50 tips, with 100,000 short tips (a few lines of code each) and with 100,000 tips of
//   realistic length (600 bytes of code on average);
// - with each 100,000-tip file: a keystroke in the search box until the grid has moved and painted, a
//   click on a column title until the grid is sorted and painted (means), and the peak memory of the
//   process against the size of the file, beside the process's own floor before the window is made.
//
//   tools/wine-run build/win/wine build/win/bench/win32/window_bench.exe

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/win32/form1.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"
#include "tip_code_text.hpp"
#include "win32/bench_process.hpp"

namespace {

using namespace tips;
using tips_bench::MedianMs;
using tips_bench::MicrosSinceProcessStart;
using tips_bench::Pump;
using tips_bench::RunChild;
namespace fs = std::filesystem;

// The generated tips files: how many tips and whether their code is of realistic length.
struct TTipsSet {
    const char* name;
    int count;
    bool realisticCode;
};
constexpr TTipsSet kFewTips{"50", 50, false};
constexpr TTipsSet kManyShortTips{"100000", 100000, false};
constexpr TTipsSet kManyTips{"100000-code", 100000, true};

fs::path FolderFor(const std::string& name) { return fs::temp_directory_path() / ("window_bench_" + name); }

// A folder with a trucos.dat of the set's tips, made once.
void MakeTipsFolder(const TTipsSet& set) {
    const fs::path folder = FolderFor(set.name);
    if (fs::exists(folder / "trucos.dat")) return;
    fs::create_directories(folder);
    store::TMemoryTable table("tbTrucos", platform::UserDefaultCollator());
    const auto fields = store::CreateTipsFields(table);
    table.Open();
    std::mt19937 random(7);
    const char* const categories[] = {"API", "Archivos", "Cadenas", "Controles", "Fechas", "Formularios", "Registro"};
    for (int i = 0; i < set.count; ++i) {
        table.Append();
        fields.Categoria->SetAsString(categories[random() % 7]);
        std::string title;
        for (int letter = 0; letter < 8 + static_cast<int>(random() % 20); ++letter)
            title += static_cast<char>(letter == 0 ? 'A' + random() % 26 : 'a' + random() % 26);
        fields.Descripcion->SetAsString(title);
        std::string code;
        if (set.realisticCode) {
            code = tips_bench::TipCodeText(random);
        } else {
            for (int line = 0; line < 5 + static_cast<int>(random() % 20); ++line) code += "    Dim x As Integer ' nota\r\n";
        }
        fields.Truco->SetAsString(code);
        table.Post();
    }
    table.SaveToFile((folder / "trucos.dat").string());
}

struct TMainWindow {
    explicit TMainWindow(const std::string& set) : form((FolderFor(set) / "tips.exe").string()) {
        tips_bench::ShowAndPaint(form.Handle());
    }
    widgets::TOwnedWindow<app::TForm1> form;
};

class TBareForm : public widgets::TForm {
public:
    TBareForm() {
        widgets::TFormLayout layout;
        layout.className = "TWindowBenchForm";
        layout.caption = "Window bench";
        layout.width = 687;
        layout.height = 443;
        CreateForm(layout);
    }
};

int StartBare() {
    widgets::TOwnedWindow<TBareForm> form;
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());
    Pump();
    return MicrosSinceProcessStart();
}

int StartMain(const std::string& set) {
    const TMainWindow window(set);
    return MicrosSinceProcessStart();
}

// Where a start-up's time goes: the process before the window, making it (skin, controls, tips file),
// showing and painting it.
void StartInPhases(const std::string& set) {
    const int entered = MicrosSinceProcessStart();
    widgets::TOwnedWindow<app::TForm1> form((FolderFor(set) / "tips.exe").string());
    const int made = MicrosSinceProcessStart();
    tips_bench::ShowAndPaint(form.Handle());
    const int painted = MicrosSinceProcessStart();
    std::printf("  %s tips: main() entered %.1f ms, window made %.1f ms, shown and painted %.1f ms\n", set.c_str(),
                entered / 1000.0, made / 1000.0, painted / 1000.0);
}

template <typename Step>
double MeanMs(int repeats, Step step) {
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    for (int i = 0; i < repeats; ++i) step(i);
    return std::chrono::duration<double, std::milli>(clock::now() - start).count() / repeats;
}

std::size_t WorkingSet(bool peak) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

void BenchWithManyTips(const std::string& set) {
    const std::size_t floor = WorkingSet(false);
    TMainWindow window(set);
    app::TForm1& form = window.form;
    const HWND grid = form.DBGrid1.Handle();
    const HWND search = form.Edit1.Handle();
    const double file = static_cast<double>(fs::file_size(FolderFor(set) / "trucos.dat"));
    std::printf("with the 100,000 tips of %s (file %.1f MB):\n", set.c_str(), file / 1e6);
    const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    const double keystroke = MeanMs(52, [&](int i) {
        if (i % 4 == 0) SetWindowTextA(search, "");
        SendMessageA(search, WM_CHAR, static_cast<WPARAM>(i % 4 == 0 ? 'A' + i % 26 : letters[i % 26]), 1);
        UpdateWindow(search);
        UpdateWindow(grid);
    });
    std::printf("  %-44s %8.2f ms\n", "search keystroke until the grid has painted", keystroke);
    // Clicks on the two column titles in turn (Categoria at the left, Titulo beside it).
    const double sort = MeanMs(6, [&](int i) {
        const LPARAM at = MAKELPARAM(i % 2 == 0 ? 20 : 120, 8);
        SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(grid, WM_LBUTTONUP, 0, at);
        UpdateWindow(grid);
    });
    std::printf("  %-44s %8.2f ms\n", "title click until sorted and painted", sort);
    const std::size_t peak = WorkingSet(true);
    std::printf("  %-44s %8.1f MB  (%.2fx the file)\n", "peak working set", peak / 1e6, static_cast<double>(peak) / file);
    std::printf("  %-44s %8.1f MB  (peak less floor %.2fx the file)\n", "working set before the window (floor)",
                floor / 1e6, static_cast<double>(peak - floor) / file);
}

}  // namespace

int main(int argc, char** argv) {
    widgets::Application().SetErrorBox([](const std::string&, const std::string&) {});
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::string set = argc > 2 ? argv[2] : "";
    if (mode == "--bare") return StartBare();
    if (mode == "--main") return StartMain(set);
    if (mode == "--phases") {
        StartInPhases(set);
        return 0;
    }
    if (mode == "--many") {
        BenchWithManyTips(set);
        return 0;
    }
    const TTipsSet sets[] = {kFewTips, kManyShortTips, kManyTips};
    for (const auto& each : sets) MakeTipsFolder(each);
    std::vector<int> bare;
    std::vector<int> started[3];
    for (int round = 0; round < 5; ++round) {
        bare.push_back(RunChild("--bare"));
        for (int i = 0; i < 3; ++i) started[i].push_back(RunChild(std::string("--main ") + sets[i].name));
    }
    std::printf("start-up to the first painted window, median of 5 fresh processes:\n");
    std::printf("  %-44s %8.1f ms\n", "bare window", MedianMs(bare));
    std::printf("  %-44s %8.1f ms\n", "main window, 50 tips", MedianMs(started[0]));
    std::printf("  %-44s %8.1f ms\n", "main window, 100,000 short tips", MedianMs(started[1]));
    std::printf("  %-44s %8.1f ms\n", "main window, 100,000 tips of realistic length", MedianMs(started[2]));
    std::printf("one start-up in phases, times since the process began:\n");
    std::fflush(stdout);
    for (const auto& each : sets) RunChild(std::string("--phases ") + each.name);
    RunChild(std::string("--many ") + kManyShortTips.name);
    RunChild(std::string("--many ") + kManyTips.name);
    return 0;
}
