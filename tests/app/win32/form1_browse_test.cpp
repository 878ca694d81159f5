// Finding tips in the main window: the search box follows the sort order the radio group chooses.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/win32/form1.hpp"
#include "main_window_fixture.hpp"
#include "widgets/win32/application.hpp"

namespace {

using tips::app::TForm1;
using tips_test::FileWith;
using tips_test::MainWindow;
using tips_test::Write;

class Browsing : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        Write(TipsFile(), FileWith({{"Matrices", "Arrays"}, {"Cadenas", "buscar"}, {"Bucles", "Bucles"},
                                    {"Archivos", "Zona"}}));
    }
    static std::string Title(TForm1& form) { return form.tbTrucosFields.Descripcion->AsString(); }
    static std::string Category(TForm1& form) { return form.tbTrucosFields.Categoria->AsString(); }
    static void TypeInto(HWND edit, const std::string& text) {
        for (const char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
};

TEST_F(Browsing, TypingFindsTheFirstTitleBeginningWithTheTextInTitleOrder) {
    TForm1 form(Executable());
    TypeInto(form.Edit1.Handle(), "b");
    EXPECT_EQ(Title(form), "Bucles");   // before "buscar": the order is case-sensitive
    TypeInto(form.Edit1.Handle(), "z");
    EXPECT_EQ(Title(form), "Bucles");   // nothing begins with "bz": nothing moves
    TypeInto(form.Edit1.Handle(), "\b\b");
    EXPECT_EQ(form.Edit1.Text(), "");
    EXPECT_EQ(Title(form), "Bucles");   // an emptied box leaves the tip where it is
    TypeInto(form.Edit1.Handle(), "BUS");
    EXPECT_EQ(Title(form), "buscar");
}

TEST_F(Browsing, TheRadioGroupChoosesTheSortAndWhatTheSearchMatches) {
    TForm1 form(Executable());
    EXPECT_EQ(form.radio1.ItemIndex(), 1);
    EXPECT_EQ(SendMessageA(form.radio1.ButtonHandle(1), BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageA(form.radio1.ButtonHandle(0), BM_CLICK, 0, 0);
    EXPECT_EQ(form.radio1.ItemIndex(), 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Categoria");
    TypeInto(form.Edit1.Handle(), "ca");
    EXPECT_EQ(Category(form), "Cadenas");
    EXPECT_EQ(form.StatusBar1.PanelText(0), "");   // only a title click writes the note

    SendMessageA(form.radio1.ButtonHandle(1), BM_CLICK, 0, 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Descripcion");
    EXPECT_EQ(Category(form), "Cadenas");   // changing the sort does not search again
}

TEST_F(Browsing, ArrowKeysMoveTheRadioSelection) {
    TForm1 form(Executable());
    SendMessageA(form.radio1.ButtonHandle(1), WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(form.radio1.ItemIndex(), 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Categoria");
}

}  // namespace
