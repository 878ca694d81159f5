// The real tips.exe started beside a tips file in trouble: what it leaves on disk and what the user sees.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "app/app_texts.hpp"
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

// A message box of the given process, now (nullptr when it shows none).
HWND MessageBoxOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found = nullptr;
    } search{processId};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char className[16];
            GetClassNameA(window, className, sizeof className);
            if (owner == s->processId && std::string(className) == "#32770" && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForMessageBoxOf(DWORD processId) {
    HWND box = nullptr;
    for (int tries = 0; tries < 200 && !(box = MessageBoxOf(processId)); ++tries) Sleep(50);
    return box;
}

// All the text a box shows: its caption and the texts of its children.
std::string TextsOf(HWND box) {
    char buffer[1024];
    GetWindowTextA(box, buffer, sizeof buffer);
    std::string texts = buffer;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            char text[1024];
            GetWindowTextA(child, text, sizeof text);
            *reinterpret_cast<std::string*>(data) += std::string("\n") + text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

class ProgramFaults : public tips_test::ProgramFolder {
protected:
    void TearDown() override {
        for (const std::string& extra :
             {TipsFile(), TipsFile() + ".bak", TipsFile() + ".~0.tmp", TipsFile() + ".~1.tmp", Filler()}) {
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

    // A file of `count` tips of a few hundred bytes each, in the order and form the program writes it;
    // made once per count.
    static const std::string& Tips(int count) {
        static std::map<int, std::string> made;
        auto [at, fresh] = made.try_emplace(count);
        if (!fresh) return at->second;
        tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        const auto fields = tips::store::CreateTipsFields(table);
        table.Open();
        for (int i = 0; i < count; ++i) {
            table.Append();
            fields.Categoria->SetAsString("Categoria " + std::to_string(i % 40));
            // Numbered with leading zeros, so that the order written is the order the program sorts in.
            char title[32];
            std::snprintf(title, sizeof title, "Truco numero %06d", i);
            fields.Descripcion->SetAsString(title);
            fields.Truco->SetAsString("Private Sub Truco" + std::to_string(i) + "()\r\n    ' " + std::string(200, 'x') +
                                      "\r\nEnd Sub\r\n");
            table.Post();
        }
        at->second = table.SaveToBytes();
        return at->second;
    }

    void Write(const std::string& bytes) const { std::ofstream(TipsFile(), std::ios::binary) << bytes; }

    std::string Filler() const { return dir_ + "\\filler.bin"; }

    // Fills the folder's file system until no more than `room` bytes are left.
    void FillFolderBut(std::size_t room) const {
        ULARGE_INTEGER available{};
        ASSERT_TRUE(GetDiskFreeSpaceExA(dir_.c_str(), &available, nullptr, nullptr));
        ASSERT_GT(available.QuadPart, room);
        std::ofstream filler(Filler(), std::ios::binary);
        filler << std::string(static_cast<std::size_t>(available.QuadPart - room), '\0');
        filler.close();
        ASSERT_TRUE(GetDiskFreeSpaceExA(dir_.c_str(), &available, nullptr, nullptr));
        ASSERT_LE(available.QuadPart, room);
    }
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

// A damaged file: the user is told once, after the window is up, which file and where its original bytes
// went; the backup holds them byte for byte, and what could be read is written back at exit.
TEST_F(ProgramFaults, ADamagedFileIsBackedUpAndTheUserIsToldOnce) {
    const std::string whole = TwoTips();
    const std::string cut = whole.substr(0, whole.size() - 5);
    Write(cut);
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const HWND box = WaitForMessageBoxOf(copy.ProcessId());
    ASSERT_NE(box, nullptr) << "no notice of the damaged file";
    const std::string texts = TextsOf(box);
    EXPECT_NE(texts.find(TipsFile()), std::string::npos) << texts;
    EXPECT_NE(texts.find(TipsFile() + ".bak"), std::string::npos) << texts;
    EXPECT_EQ(Read(TipsFile() + ".bak"), cut);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 100 && MessageBoxOf(copy.ProcessId()); ++tries) Sleep(50);
    Sleep(300);
    EXPECT_EQ(MessageBoxOf(copy.ProcessId()), nullptr) << "the notice came again";
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(copy.WaitForExit(30000));
    EXPECT_EQ(Read(TipsFile() + ".bak"), cut);
    const auto saved = tips_test::ReadTips(TipsFile());
    ASSERT_TRUE(saved.has_value()) << "the file written at exit does not load whole";
    ASSERT_FALSE(saved->empty());
    EXPECT_EQ(saved->front().descripcion, "Abrir un fichero");
}

// Where the file cannot be written, closing shows one error box in the program's caption that says the
// tips were not saved and names the file; the program then ends and leaves what was there as it was.
class ProgramThatCannotSave : public ProgramFaults {
protected:
    void CloseAndExpectTheErrorBox(const tips_test::TRunningProgram& copy, HWND window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        const HWND box = WaitForMessageBoxOf(copy.ProcessId());
        ASSERT_NE(box, nullptr) << "closing showed no error box";
        char caption[256];
        GetWindowTextA(box, caption, sizeof caption);
        EXPECT_STREQ(caption, tips::app::kApplicationTitle);
        const std::string texts = TextsOf(box);
        EXPECT_NE(texts.find(tips::app::kTipsNotSavedPrefix + TipsFile()), std::string::npos) << texts;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(copy.WaitForExit(30000)) << "the program did not end after the error box";
    }
};

TEST_F(ProgramThatCannotSave, AFileThatIsAFolderIsReportedAndLeftAlone) {
    ASSERT_TRUE(CreateDirectoryA(TipsFile().c_str(), nullptr));
    const std::string inside = TipsFile() + "\\kept.txt";
    std::ofstream(inside, std::ios::binary) << "mine";
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    CloseAndExpectTheErrorBox(copy, window);
    EXPECT_EQ(Read(inside), "mine");
    DeleteFileA(inside.c_str());
    RemoveDirectoryA(TipsFile().c_str());
}

TEST_F(ProgramThatCannotSave, AReadOnlyFileIsReportedAndKeepsItsBytes) {
    const std::string whole = TwoTips();
    Write(whole);
    ASSERT_TRUE(SetFileAttributesA(TipsFile().c_str(), FILE_ATTRIBUTE_READONLY));
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    CloseAndExpectTheErrorBox(copy, window);
    EXPECT_EQ(Read(TipsFile()), whole);
    EXPECT_FALSE(Exists(TipsFile() + ".~0.tmp"));
}

// A folder too small for the temporary file of a save (a small tmpfs the test script mounts and names in
// TIPS_FULL_FOLDER; skipped without it).
TEST_F(ProgramThatCannotSave, AFullFolderKeepsTheOldFileAndTheErrorNamesIt) {
    const char* full = std::getenv("TIPS_FULL_FOLDER");
    if (!full) GTEST_SKIP() << "TIPS_FULL_FOLDER names no small folder";
    tips_test::ProgramFolder::TearDown();
    dir_ = full;
    ASSERT_TRUE(CopyFileA(TIPS_EXE, Executable().c_str(), FALSE));
    const std::string tips = Tips(4000);
    Write(tips);
    ASSERT_EQ(Read(TipsFile()), tips);
    // What is left of the folder cannot hold a second copy of the file.
    FillFolderBut(tips.size() / 2);
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    CloseAndExpectTheErrorBox(copy, window);
    DeleteFileA(Filler().c_str());
    EXPECT_EQ(Read(TipsFile()), tips);
    EXPECT_FALSE(Exists(TipsFile() + ".~0.tmp")) << "the failed save left its temporary file";
}

// A 0-byte file holds no tips and nothing to keep: the program starts without a notice and writes an
// empty collection at exit.
TEST_F(ProgramFaults, AnEmptyFileStartsAnEmptyCollection) {
    Write("");
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    Sleep(500);
    EXPECT_EQ(MessageBoxOf(copy.ProcessId()), nullptr) << TextsOf(MessageBoxOf(copy.ProcessId()));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(copy.WaitForExit(30000));
    EXPECT_FALSE(Exists(TipsFile() + ".bak"));
    const auto saved = tips_test::ReadTips(TipsFile());
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->empty());
}

// Killed with its window up, the program leaves the file as it was and the next start finds every tip.
TEST_F(ProgramFaults, KilledWhileRunningTheFileIsAsItWas) {
    const std::string whole = TwoTips();
    Write(whole);
    {
        const tips_test::TRunningProgram copy(Executable(), dir_);
        ASSERT_NE(copy.WaitForMainWindow(), nullptr);
        copy.Kill();
        ASSERT_TRUE(copy.WaitForExit(10000));
    }
    EXPECT_EQ(Read(TipsFile()), whole);
    const tips_test::TRunningProgram next(Executable(), dir_);
    const HWND window = next.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MessageBoxOf(next.ProcessId()), nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(next.WaitForExit(30000));
    EXPECT_EQ(Read(TipsFile()), whole);
}

// Killed while it writes the temporary file of its save, the program leaves the tips file whole; the
// next start clears the partial temporary file.
TEST_F(ProgramFaults, KilledWhileSavingTheFileIsAsItWas) {
    const std::string tips = Tips(100000);
    Write(tips);
    {
        const tips_test::TRunningProgram copy(Executable(), dir_);
        const HWND window = copy.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_CLOSE, 0, 0);
        bool saving = false;
        for (int tries = 0; tries < 20000 && copy.Running() && !(saving = Exists(TipsFile() + ".~0.tmp")); ++tries) {
            Sleep(1);
        }
        ASSERT_TRUE(saving) << "the save was never caught in the middle";
        copy.Kill();
        ASSERT_TRUE(copy.WaitForExit(10000));
    }
    EXPECT_TRUE(Read(TipsFile()) == tips) << "the tips file changed";
    const tips_test::TRunningProgram next(Executable(), dir_);
    const HWND window = next.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(Exists(TipsFile() + ".~0.tmp"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(next.WaitForExit(60000));
    EXPECT_TRUE(Read(TipsFile()) == tips);
}

// 100,000 tips in and out: every byte written back as it was read.
TEST_F(ProgramFaults, AHundredThousandTipsAreKeptWhole) {
    const std::string tips = Tips(100000);
    Write(tips);
    const tips_test::TRunningProgram copy(Executable(), dir_);
    const HWND window = copy.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MessageBoxOf(copy.ProcessId()), nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(copy.WaitForExit(60000));
    EXPECT_TRUE(Read(TipsFile()) == tips);
    const auto saved = tips_test::ReadTips(TipsFile());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), 100000u);
}

}  // namespace
