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

    PROCESS_INFORMATION Start() const {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::string commandLine = "\"" + Executable() + "\"";
        EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(),
                                   &startup, &process));
        return process;
    }

    static HWND WaitForMainWindow(const PROCESS_INFORMATION& process) {
        FindMainWindow search{process.dwProcessId};
        for (int tries = 0; tries < 300 && !search.found; ++tries) {
            EnumWindows(&MatchMainWindow, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(50);
        }
        return search.found;
    }

    // Starts the program, waits for its main window, closes it and waits for the process to end.
    void StartAndClose() {
        const PROCESS_INFORMATION process = Start();
        const HWND window = WaitForMainWindow(process);
        EXPECT_NE(window, nullptr) << "the main window never showed";
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        const DWORD waited = WaitForSingleObject(process.hProcess, window ? 30000 : 0);
        if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
        EXPECT_EQ(waited, WAIT_OBJECT_0) << "the program did not end after its window was closed";
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
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
    const PROCESS_INFORMATION first = Start();
    const HWND firstWindow = WaitForMainWindow(first);
    ASSERT_NE(firstWindow, nullptr);
    ShowWindow(firstWindow, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(firstWindow));

    // The same program under a path that differs in letter case counts as the same program.
    std::string upperCase = Executable();
    for (char& c : upperCase) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    std::string commandLine = "\"" + upperCase + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(),
                               &startup, &second));
    const DWORD waited = WaitForSingleObject(second.hProcess, 30000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(second.hProcess, 1);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the second copy did not end by itself";
    DWORD exitCode = 1;
    GetExitCodeProcess(second.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    // The first copy's main window was restored; the first copy still runs.
    EXPECT_FALSE(IsIconic(firstWindow));
    EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    PostMessageA(firstWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(first.hProcess, 30000), WAIT_OBJECT_0);
    for (const PROCESS_INFORMATION& process : {first, second}) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace
