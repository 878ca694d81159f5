// The main window with many tips, run under Wine:
// - start-up to the first painted window in fresh processes (medians of five): a bare window, the main
//   window with 50 tips and with 100,000 tips;
// - with 100,000 tips: a keystroke in the search box until the grid has moved and painted, a click on a
//   column title until the grid is sorted and painted (means), and the peak memory of the process
//   against the size of the file.
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

namespace {

using namespace tips;
namespace fs = std::filesystem;

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

DWORD MicrosSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<DWORD>((ticks(now) - ticks(created)) / 10);
}

fs::path FolderFor(int tips) { return fs::temp_directory_path() / ("window_bench_" + std::to_string(tips)); }

// A folder with a trucos.dat of `count` tips of plausible sizes, made once.
void MakeTipsFolder(int count) {
    const fs::path folder = FolderFor(count);
    if (fs::exists(folder / "trucos.dat")) return;
    fs::create_directories(folder);
    store::TMemoryTable table("tbTrucos", platform::UserDefaultCollator());
    const auto fields = store::CreateTipsFields(table);
    table.Open();
    std::mt19937 random(7);
    const char* const categories[] = {"API", "Archivos", "Cadenas", "Controles", "Fechas", "Formularios", "Registro"};
    for (int i = 0; i < count; ++i) {
        table.Append();
        fields.Categoria->SetAsString(categories[random() % 7]);
        std::string title;
        for (int letter = 0; letter < 8 + static_cast<int>(random() % 20); ++letter)
            title += static_cast<char>(letter == 0 ? 'A' + random() % 26 : 'a' + random() % 26);
        fields.Descripcion->SetAsString(title);
        std::string code;
        for (int line = 0; line < 5 + static_cast<int>(random() % 20); ++line) code += "    Dim x As Integer ' nota\r\n";
        fields.Truco->SetAsString(code);
        table.Post();
    }
    table.SaveToFile((folder / "trucos.dat").string());
}

struct TMainWindow {
    explicit TMainWindow(int tips) : form((FolderFor(tips) / "tips.exe").string()) {
        ShowWindow(form.Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(form.Handle());
        UpdateWindow(form.Handle());
        Pump();
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
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
    return static_cast<int>(MicrosSinceProcessStart());
}

int StartMain(int tips) {
    const TMainWindow window(tips);
    return static_cast<int>(MicrosSinceProcessStart());
}

int RunChild(const std::string& mode) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" " + mode;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

double MedianMs(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2] / 1000.0;
}

template <typename Step>
double MeanMs(int repeats, Step step) {
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    for (int i = 0; i < repeats; ++i) step(i);
    return std::chrono::duration<double, std::milli>(clock::now() - start).count() / repeats;
}

void BenchWithManyTips() {
    TMainWindow window(100000);
    app::TForm1& form = window.form;
    const HWND grid = form.DBGrid1.Handle();
    const HWND search = form.Edit1.Handle();
    std::printf("with 100,000 tips:\n");
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
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    const double file = static_cast<double>(fs::file_size(FolderFor(100000) / "trucos.dat"));
    std::printf("  %-44s %8.1f MB  (file %.1f MB, %.2fx)\n", "peak working set", counters.PeakWorkingSetSize / 1e6,
                file / 1e6, static_cast<double>(counters.PeakWorkingSetSize) / file);
}

}  // namespace

int main(int argc, char** argv) {
    widgets::Application().SetErrorBox([](const std::string&, const std::string&) {});
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare") return StartBare();
    if (mode == "--main-50") return StartMain(50);
    if (mode == "--main-100000") return StartMain(100000);
    if (mode == "--many") {
        BenchWithManyTips();
        return 0;
    }
    MakeTipsFolder(50);
    MakeTipsFolder(100000);
    std::vector<int> bare, few, many;
    for (int round = 0; round < 5; ++round) {
        bare.push_back(RunChild("--bare"));
        few.push_back(RunChild("--main-50"));
        many.push_back(RunChild("--main-100000"));
    }
    std::printf("start-up to the first painted window, median of 5 fresh processes:\n");
    std::printf("  %-44s %8.1f ms\n", "bare window", MedianMs(bare));
    std::printf("  %-44s %8.1f ms\n", "main window, 50 tips", MedianMs(few));
    std::printf("  %-44s %8.1f ms\n", "main window, 100,000 tips", MedianMs(many));
    std::fflush(stdout);
    RunChild("--many");
    return 0;
}
