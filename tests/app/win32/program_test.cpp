// The real tips.exe, started as its own process beside a tips file and closed again.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "main_window_fixture.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

using tips_test::Read;

struct FindMainWindow {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
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

class Program : public ::testing::Test {
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

    // A started copy of the program; one still running when the test ends is stopped.
    class TRunningCopy {
    public:
        TRunningCopy(const std::string& executable, const std::string& directory) {
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            std::string commandLine = "\"" + executable + "\"";
            started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      directory.c_str(), &startup, &process_) != FALSE;
        }
        TRunningCopy(const TRunningCopy&) = delete;
        TRunningCopy& operator=(const TRunningCopy&) = delete;
        ~TRunningCopy() {
            if (!started_) return;
            if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }

        bool Started() const { return started_; }
        // Waits for the process to end; true when it did in time.
        bool WaitForExit(DWORD milliseconds) const {
            return started_ && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
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

    // Starts the program, waits for its main window, closes it and waits for the process to end.
    void StartAndClose() {
        const TRunningCopy copy(Executable(), dir_);
        ASSERT_TRUE(copy.Started());
        const HWND window = copy.WaitForMainWindow();
        ASSERT_NE(window, nullptr) << "the main window never showed";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(copy.WaitForExit(30000)) << "the program did not end after its window was closed";
    }

    std::string dir_;
};

TEST_F(Program, SortedTipsFileSurvivesAStartAndACloseByteIdentical) {
    tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(table);
    table.Open();
    for (const char* title : {"Abrir un fichero", "Bucles For", "Colecciones", "Edici\xF3n de texto"}) {
        table.Append();
        fields.Categoria->SetAsString("General");
        fields.Descripcion->SetAsString(title);
        fields.Truco->SetAsString("' " + std::string(title) + "\r\nDim i As Long");
        table.Post();
    }
    const std::string original = table.SaveToBytes();
    std::ofstream(TipsFile(), std::ios::binary) << original;

    StartAndClose();
    EXPECT_EQ(Read(TipsFile()), original);
}

TEST_F(Program, MissingTipsFileBecomesTheEmptyFileAtExit) {
    StartAndClose();
    EXPECT_EQ(Read(TipsFile()).size(), 67u);
}

TEST_F(Program, ASecondCopyBringsTheFirstForwardAndEndsByItself) {
    const TRunningCopy first(Executable(), dir_);
    const HWND firstWindow = first.WaitForMainWindow();
    ASSERT_NE(firstWindow, nullptr);
    ShowWindow(firstWindow, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(firstWindow));

    // The same program under a path that differs in letter case counts as the same program.
    std::string upperCase = Executable();
    for (char& c : upperCase) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const TRunningCopy second(upperCase, dir_);
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(30000)) << "the second copy did not end by itself";
    EXPECT_EQ(second.ExitCode(), 0u);

    // The first copy's main window was restored; the first copy still runs.
    EXPECT_FALSE(IsIconic(firstWindow));
    EXPECT_TRUE(first.Running());

    PostMessageA(firstWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(30000));
}

}  // namespace
