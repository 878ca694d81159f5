#pragma once
// What the Windows benches share: running the message queue dry, showing a window until it has painted,
// the time since this process began, and running this program again in a fresh process that reports
// one figure as its exit code.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tips_bench {

inline void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Shows `window` in front and returns once it and its frame have painted.
inline void ShowAndPaint(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    UpdateWindow(window);
    Pump();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

inline int MicrosSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<int>((ticks(now) - ticks(created)) / 10);
}

// Runs this program again with `mode` and returns what it reports (its exit code), or -1 when it
// cannot start.
inline int RunChild(const std::string& mode) {
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

// The median of microsecond figures, in milliseconds.
inline double MedianMs(std::vector<int> micros) {
    std::sort(micros.begin(), micros.end());
    return micros[micros.size() / 2] / 1000.0;
}

}  // namespace tips_bench
