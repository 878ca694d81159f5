#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_texts.hpp"
#include "app/win32/form1.hpp"
#include "main_window_fixture.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

using tips::app::TForm1;
using tips::widgets::TOwnedWindow;
using tips_test::FileWith;
using tips_test::MainWindow;
using tips_test::Read;
using tips_test::Write;

TEST_F(MainWindow, HasItsCaptionAndClientSize) {
    TOwnedWindow<TForm1> form(Executable());
    EXPECT_EQ(form.Text(), "Tolvanec de Visual Basic 6   -   www.tolvanec.example  -   www.aula-vb.example");
    EXPECT_EQ(form.ClientSize().cx, 687);
    EXPECT_EQ(form.ClientSize().cy, 443);
    char className[64];
    GetClassNameA(form.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TForm1");
}

TEST_F(MainWindow, DecodesTheSkinItCarries) {
    TOwnedWindow<TForm1> form(Executable());
    EXPECT_TRUE(form.SkinSource1.SkinLoaded()) << form.SkinSource1.LastError();
}

TEST_F(MainWindow, OpensTheTableSortedByTitle) {
    Write(TipsFile(), FileWith({"Zona horaria", "abrir fichero", "Bucles"}));
    TOwnedWindow<TForm1> form(Executable());
    ASSERT_TRUE(form.tbTrucos.Active());
    EXPECT_EQ(form.tbTrucos.SortedField(), "Descripcion");
    ASSERT_EQ(form.tbTrucos.RecordCount(), 3);
    EXPECT_EQ(form.tbTrucos.RecNo(), 1);
    std::vector<std::string> titles;
    for (form.tbTrucos.First(); !form.tbTrucos.Eof(); form.tbTrucos.Next()) {
        titles.push_back(form.tbTrucosFields.Descripcion->AsString());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"abrir fichero", "Bucles", "Zona horaria"}));
}

TEST_F(MainWindow, MissingFileGivesAnEmptyTableAndTheEmptyFileAtExit) {
    {
        TOwnedWindow<TForm1> form(Executable());
        EXPECT_TRUE(form.tbTrucos.Active());
        EXPECT_EQ(form.tbTrucos.RecordCount(), 0);
    }
    EXPECT_EQ(Read(TipsFile()).size(), 67u);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindow, PostedChangesAreWrittenAtExitAndPendingOnesAreNot) {
    Write(TipsFile(), FileWith({"Bucles"}));
    {
        TOwnedWindow<TForm1> form(Executable());
        form.tbTrucos.Append();
        form.tbTrucosFields.Descripcion->SetAsString("Arrays");
        form.tbTrucos.Post();
        form.tbTrucos.Append();
        form.tbTrucosFields.Descripcion->SetAsString("Sin guardar");
    }
    tips::store::TMemoryTable reread("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(reread);
    EXPECT_TRUE(reread.LoadFromFile(TipsFile()).complete);
    std::vector<std::string> titles;
    for (reread.First(); !reread.Eof(); reread.Next()) titles.push_back(fields.Descripcion->AsString());
    EXPECT_EQ(titles, (std::vector<std::string>{"Arrays", "Bucles"}));
}

TEST_F(MainWindow, ADamagedFileIsToldOnceAfterStartWithTheCopyOfItsBytes) {
    const std::string whole = FileWith({"Arrays", "Bucles"});
    const std::string cut = whole.substr(0, whole.size() - 5);
    Write(TipsFile(), cut);
    {
        TOwnedWindow<TForm1> form(Executable());
        EXPECT_TRUE(questions_.empty());  // not while the window is being made
        ShowWindow(form.Handle(), SW_SHOW);
        for (int round = 0; round < 3; ++round) tips::widgets::Application().ProcessMessages();
        ASSERT_EQ(questions_.size(), 1u);
        EXPECT_EQ(questions_[0].text, tips::app::kSomeTipsUnreadPrefix + TipsFile() + "." +
                                          tips::app::kOriginalKeptPrefix + TipsFile() + ".bak.");
        EXPECT_EQ(questions_[0].caption, tips::app::kApplicationTitle);
        EXPECT_EQ(questions_[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
        EXPECT_EQ(form.tbTrucos.RecordCount(), 1);  // what could be read is there
    }
    std::ifstream backup(TipsFile() + ".bak", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(backup), std::istreambuf_iterator<char>()), cut);
    EXPECT_EQ(questions_.size(), 1u);
    DeleteFileA((TipsFile() + ".bak").c_str());
}

TEST_F(MainWindow, UnwritableFileIsReportedInTheErrorBoxAsTipsNotSaved) {
    {
        TOwnedWindow<TForm1> form(Executable());
        CreateDirectoryA(TipsFile().c_str(), nullptr);  // nothing can be written where the file should go
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].first,
              tips::app::kTipsNotSavedPrefix + TipsFile() + " (Cannot create file " + TipsFile() + ").");
    EXPECT_EQ(boxes_[0].second, tips::app::kApplicationTitle);
}

}  // namespace
