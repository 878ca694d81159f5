// The real tips.exe started beside a tips file in trouble: what it leaves on disk and what the user sees.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "main_window_fixture.hpp"
#include "platform/collator.hpp"
#include "running_program.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

using tips_test::Read;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A visible main window of the given process, now.
bool ShowsMainWindow(DWORD processId) {
    tips_test::FindMainWindow search{processId};
    EnumWindows(&tips_test::MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

class ProgramFaults : public tips_test::ProgramFolder {
protected:
    void TearDown() override {
        for (const std::string& extra : {TipsFile(), TipsFile() + ".bak", TipsFile() + ".~0.tmp", TipsFile() + ".~1.tmp"}) {
            SetFileAttributesA(extra.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(extra.c_str());
        }
        tips_test::ProgramFolder::TearDown();
    }

    // A small file of two tips, as the program writes it.
    static std::string TwoTips() {
        tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        const auto fields = tips::store::CreateTipsFields(table);
        table.Open();
        for (const char* title : {"Abrir un fichero", "Bucles For"}) {
            table.Append();
            fields.Categoria->SetAsString("General");
            fields.Descripcion->SetAsString(title);
            fields.Truco->SetAsString(std::string("' ") + title);
            table.Post();
        }
        return table.SaveToBytes();
    }

    void Write(const std::string& bytes) const { std::ofstream(TipsFile(), std::ios::binary) << bytes; }
};

// The second copy hands over and quits: it neither reads the file (a damaged one would get a backup at
// exit) nor writes it, and shows no window of its own, not even an error box over a read-only file.
TEST_F(ProgramFaults, ASecondCopyNeverTouchesTheFileNorShowsAWindow) {
    Write(TwoTips());
    const tips_test::TRunningProgram first(Executable(), dir_);
    ASSERT_NE(first.WaitForMainWindow(), nullptr);

    // Under the running copy's feet the file becomes damaged and read-only.
    const std::string whole = TwoTips();
    const std::string cut = whole.substr(0, whole.size() - 5);
    Write(cut);
    ASSERT_TRUE(SetFileAttributesA(TipsFile().c_str(), FILE_ATTRIBUTE_READONLY));

    const tips_test::TRunningProgram second(Executable(), dir_);
    ASSERT_TRUE(second.Started());
    bool shown = false;
    for (int tries = 0; tries < 600 && second.Running(); ++tries) {
        shown = shown || ShowsMainWindow(second.ProcessId());
        Sleep(50);
    }
    ASSERT_TRUE(second.WaitForExit(1000)) << "the second copy did not end by itself (a box waiting?)";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(shown) << "the second copy showed its main window";
    EXPECT_EQ(Read(TipsFile()), cut);
    EXPECT_FALSE(Exists(TipsFile() + ".bak")) << "the second copy read the file and kept a backup";
    EXPECT_TRUE(first.Running());
}

// A save killed midway left its temporary file: the next start clears it and the tips file stays as the
// last complete save wrote it.
TEST_F(ProgramFaults, AStartClearsTheTemporaryFileOfAnInterruptedSave) {
    const std::string whole = TwoTips();
    Write(whole);
    std::ofstream(TipsFile() + ".~0.tmp", std::ios::binary) << whole.substr(0, 20);
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(Exists(TipsFile() + ".~0.tmp")) << "the leftover was still there with the window up";
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(copy.WaitForExit(30000));
    EXPECT_EQ(Read(TipsFile()), whole);
    EXPECT_FALSE(Exists(TipsFile() + ".~0.tmp"));
}

}  // namespace
