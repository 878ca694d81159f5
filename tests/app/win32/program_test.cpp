// The real tips.exe, started as its own process beside a tips file and closed again.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "main_window_fixture.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "running_program.hpp"

namespace {

using tips_test::Read;

class Program : public tips_test::ProgramFolder {
protected:
    // Starts the program, waits for its main window, closes it and waits for the process to end.
    void StartAndClose() {
        const tips_test::TRunningProgram copy(Executable(), dir_);
        ASSERT_TRUE(copy.Started());
        const HWND window = copy.WaitForMainWindow();
        ASSERT_NE(window, nullptr) << "the main window never showed";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(copy.WaitForExit(30000)) << "the program did not end after its window was closed";
    }
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
    const tips_test::TRunningProgram first(Executable(), dir_);
    const HWND firstWindow = first.WaitForMainWindow();
    ASSERT_NE(firstWindow, nullptr);
    ShowWindow(firstWindow, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(firstWindow));

    // The same program under a path that differs in letter case counts as the same program.
    std::string upperCase = Executable();
    for (char& c : upperCase) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const tips_test::TRunningProgram second(upperCase, dir_);
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
