#pragma once
// The real tips.exe started as a process of its own, and its windows found from outside it.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tips_test {

struct FindMainWindow {
    DWORD processId;
    HWND found = nullptr;
};

inline BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<FindMainWindow*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32];
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "TForm1" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A started copy of the program; one still running when the test ends is stopped.
class TRunningProgram {
public:
    TRunningProgram(const std::string& executable, const std::string& directory) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + executable + "\"";
        started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  directory.c_str(), &startup, &process_) != FALSE;
    }
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;
    ~TRunningProgram() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool Started() const { return started_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The program's one user-interface thread.
    DWORD ThreadId() const { return process_.dwThreadId; }
    // Waits for the process to end; true when it did in time.
    bool WaitForExit(DWORD milliseconds) const {
        return started_ && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    // Ends the process at once, as the task manager would.
    void Kill() const {
        if (started_) TerminateProcess(process_.hProcess, 9);
    }
    bool Running() const { return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    HWND WaitForMainWindow() const {
        FindMainWindow search{process_.dwProcessId};
        for (int tries = 0; started_ && tries < 300 && !search.found; ++tries) {
            EnumWindows(&MatchMainWindow, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(50);
        }
        return search.found;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// A folder of its own holding a copy of the program, for the test's name; trucos.dat beside it.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "tips-program-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        DeleteFileA(TipsFile().c_str());
        ASSERT_TRUE(CopyFileA(TIPS_EXE, Executable().c_str(), FALSE));
    }
    void TearDown() override {
        DeleteFileA(TipsFile().c_str());
        DeleteFileA(Executable().c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string Executable() const { return dir_ + "\\tips.exe"; }
    std::string TipsFile() const { return dir_ + "\\trucos.dat"; }

    std::string dir_;
};

}  // namespace tips_test
