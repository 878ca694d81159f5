// Two copies of a small program with the single-instance guard, one after the other.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "widgets/win32/ext_application.hpp"

namespace {

using namespace std::chrono_literals;

constexpr DWORD kStartTimeoutMs = 30000;
constexpr WPARAM kEndedByTest = 3;

std::string Directory(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string ProbePath() { return Directory(tips::widgets::ExecutablePath()) + "\\one_instance_probe.exe"; }

std::string TempDirectory() {
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// A unique title per test run, so a copy left over from another run cannot answer.
std::string UniqueTitle(const char* what) {
    return std::string("Tolvanec probe ") + what + " " + std::to_string(GetCurrentProcessId()) + " " +
           std::to_string(GetTickCount());
}

class TProbe {
public:
    TProbe(const std::string& exe, const std::string& title, const std::string& report) : report_(report) {
        DeleteFileA(report.c_str());
        std::string command = "\"" + exe + "\" \"" + title + "\" \"" + report + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_) != 0;
    }
    ~TProbe() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            PostThreadMessageA(process_.dwThreadId, WM_QUIT, kEndedByTest, 0);
            if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        DeleteFileA(report_.c_str());
    }
    TProbe(const TProbe&) = delete;
    TProbe& operator=(const TProbe&) = delete;

    bool Started() const { return started_; }
    bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    bool WaitForExit(DWORD milliseconds) const {
        return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    // Ends a running copy the way only the test does: its loop returns 3.
    void EndByTest() const { PostThreadMessageA(process_.dwThreadId, WM_QUIT, kEndedByTest, 0); }

    // The report the probe writes once its component is loaded: "previous=0" or "previous=1".
    std::string WaitForReport() const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kStartTimeoutMs) {
            std::ifstream file(report_);
            std::string line;
            if (file && std::getline(file, line)) return line;
            std::this_thread::sleep_for(20ms);
        }
        return "no report";
    }

private:
    std::string report_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

HWND WaitForApplicationWindow(const std::string& title) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartTimeoutMs) {
        if (const HWND found = FindWindowA("TApplication", title.c_str())) return found;
        std::this_thread::sleep_for(20ms);
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

TEST(ExtApplication, HoldsTheMutexNamedAfterThisExecutable) {
    const tips::widgets::TExtApplication& application = tips::widgets::ExtApplication();
    EXPECT_FALSE(application.PreviousInstance());
    ASSERT_NE(application.Mutex(), nullptr);
    const std::string name = tips::widgets::OneInstanceMutexName(tips::widgets::ExecutablePath());
    EXPECT_EQ(name, "WIDGETS_WIN32_TESTS.EXE");
    const HANDLE again = CreateMutexA(nullptr, FALSE, name.c_str());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(again);
}

TEST(OneInstance, SecondCopyRestoresTheMinimisedFirstAndQuitsByItself) {
    const std::string title = UniqueTitle("restore");
    const std::string temp = TempDirectory();
    TProbe first(ProbePath(), title, temp + "probe_first.txt");
    ASSERT_TRUE(first.Started());
    EXPECT_EQ(first.WaitForReport(), "previous=0");
    const HWND firstWindow = WaitForApplicationWindow(title);
    ASSERT_NE(firstWindow, nullptr);
    ShowWindow(firstWindow, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(firstWindow));

    TProbe second(ProbePath(), title, temp + "probe_second.txt");
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForExit(kStartTimeoutMs));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.WaitForReport(), "previous=1");
    EXPECT_FALSE(IsIconic(firstWindow));
    // The first copy runs on, still findable by its title.
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(WindowText(firstWindow), title);
    EXPECT_EQ(FindWindowA("TApplication", title.c_str()), firstWindow);

    first.EndByTest();
    ASSERT_TRUE(first.WaitForExit(kStartTimeoutMs));
    EXPECT_EQ(first.ExitCode(), kEndedByTest);
}

TEST(OneInstance, SecondCopyBringsTheFirstForwardAndQuits) {
    const std::string title = UniqueTitle("forward");
    const std::string temp = TempDirectory();
    TProbe first(ProbePath(), title, temp + "probe_first.txt");
    ASSERT_TRUE(first.Started());
    ASSERT_EQ(first.WaitForReport(), "previous=0");
    const HWND firstWindow = WaitForApplicationWindow(title);
    ASSERT_NE(firstWindow, nullptr);
    // Another window in front of it first.
    const HWND front = CreateWindowExA(0, "STATIC", "in front", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(front, nullptr);
    SetForegroundWindow(front);
    ASSERT_EQ(GetForegroundWindow(), front);

    TProbe second(ProbePath(), title, temp + "probe_second.txt");
    ASSERT_TRUE(second.WaitForExit(kStartTimeoutMs));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.WaitForReport(), "previous=1");
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(GetForegroundWindow(), firstWindow);
    DestroyWindow(front);
}

TEST(OneInstance, SameFileNameElsewhereIsTheSameProgramAndAnotherNameIsNot) {
    const std::string title = UniqueTitle("names");
    const std::string temp = TempDirectory();
    const std::string otherDirectory = temp + "tips_probe_copy";
    CreateDirectoryA(otherDirectory.c_str(), nullptr);
    const std::string sameName = otherDirectory + "\\ONE_INSTANCE_PROBE.EXE";
    const std::string otherName = otherDirectory + "\\one_instance_probe_2.exe";
    ASSERT_TRUE(CopyFileA(ProbePath().c_str(), sameName.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ProbePath().c_str(), otherName.c_str(), FALSE));

    TProbe first(ProbePath(), title, temp + "probe_first.txt");
    ASSERT_EQ(first.WaitForReport(), "previous=0");
    ASSERT_NE(WaitForApplicationWindow(title), nullptr);
    {
        TProbe copy(sameName, title + " copy", temp + "probe_copy.txt");
        ASSERT_TRUE(copy.WaitForExit(kStartTimeoutMs));
        EXPECT_EQ(copy.ExitCode(), 0u);
        EXPECT_EQ(copy.WaitForReport(), "previous=1");
    }
    {
        const std::string otherTitle = title + " other";
        TProbe other(otherName, otherTitle, temp + "probe_other.txt");
        EXPECT_EQ(other.WaitForReport(), "previous=0");
        ASSERT_NE(WaitForApplicationWindow(otherTitle), nullptr);
        EXPECT_TRUE(other.Running());
        other.EndByTest();
        ASSERT_TRUE(other.WaitForExit(kStartTimeoutMs));
        EXPECT_EQ(other.ExitCode(), kEndedByTest);  // it ran until told, not stopped by the guard
    }
    EXPECT_TRUE(first.Running());
    first.EndByTest();
    ASSERT_TRUE(first.WaitForExit(kStartTimeoutMs));
    DeleteFileA(sameName.c_str());
    DeleteFileA(otherName.c_str());
    RemoveDirectoryA(otherDirectory.c_str());
}

}  // namespace
