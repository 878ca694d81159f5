// Finding tips in the main window: the search box follows the sort order the radio group chooses.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/form1.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "main_window_fixture.hpp"
#include "widgets/win32/application.hpp"

namespace {

using tips::app::TForm1;
using tips::widgets::TOwnedWindow;
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
    static void ClickTitle(TForm1& form, int column) {
        const auto rect = form.DBGrid1.Core().Geometry().TitleRect(column);
        const LPARAM at = MAKELPARAM((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONUP, 0, at);
    }
    // Keys and characters go where the focus is, as the keyboard's would.
    static void Key(WORD key) { SendMessageA(GetFocus(), WM_KEYDOWN, key, 1); }
    static void Type(const std::string& text) {
        for (const char c : text) SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    static std::vector<std::string> Titles(TForm1& form) {
        std::vector<std::string> titles;
        for (form.tbTrucos.First(); !form.tbTrucos.Eof(); form.tbTrucos.Next()) titles.push_back(Title(form));
        return titles;
    }
};

TEST_F(Browsing, TypingFindsTheFirstTitleBeginningWithTheTextInTitleOrder) {
    TOwnedWindow<TForm1> form(Executable());
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
    TOwnedWindow<TForm1> form(Executable());
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
    TOwnedWindow<TForm1> form(Executable());
    SendMessageA(form.radio1.ButtonHandle(1), WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(form.radio1.ItemIndex(), 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Categoria");
}

TEST_F(Browsing, TheGridShowsTheTipsUnderTheirTitles) {
    TOwnedWindow<TForm1> form(Executable());
    ASSERT_EQ(form.DBGrid1.Columns().Count(), 2);
    EXPECT_EQ(form.DBGrid1.Columns()[0].Title(), "Categoria");
    EXPECT_EQ(form.DBGrid1.Columns()[1].Title(), "T\xEDtulo");
    EXPECT_EQ(form.DBGrid1.Columns()[0].Width(), 68);
    EXPECT_EQ(form.DBGrid1.Columns()[1].Width(), 190);
    EXPECT_EQ(form.DBGrid1.Core().CellText(0, 1), "Arrays");
    EXPECT_EQ(form.DBGrid1.Core().CellText(1, 1), "Bucles");
}

TEST_F(Browsing, ClickingTheTitleColumnAtStartDoesNotSortAgainButWritesTheNote) {
    TOwnedWindow<TForm1> form(Executable());
    form.tbTrucos.Last();
    form.tbTrucos.Edit();
    form.tbTrucosFields.Categoria->SetAsString("Zonas");
    ClickTitle(form, 1);
    // Sorting again would have posted the pending change first.
    EXPECT_EQ(form.tbTrucos.State(), tips::store::TDataSetState::dsEdit);
    EXPECT_EQ(Title(form), "Zona");
    EXPECT_EQ(form.StatusBar1.PanelText(0), "Ordenado por T\xEDtulo");
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 1);
    EXPECT_EQ(form.radio1.ItemIndex(), 1);
}

TEST_F(Browsing, ClickingTheCategoryTitleSortsByCategoryEverywhere) {
    TOwnedWindow<TForm1> form(Executable());
    ClickTitle(form, 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Categoria");
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 0);
    EXPECT_EQ(form.radio1.ItemIndex(), 0);
    EXPECT_EQ(form.StatusBar1.PanelText(0), "Ordenado por Categoria");
    EXPECT_EQ(Titles(form), (std::vector<std::string>{"Zona", "Bucles", "buscar", "Arrays"}));

    // The radio group changes the sort but neither the note nor the cell cursor.
    SendMessageA(form.radio1.ButtonHandle(1), BM_CLICK, 0, 0);
    EXPECT_EQ(form.tbTrucos.SortedField(), "Descripcion");
    EXPECT_EQ(form.StatusBar1.PanelText(0), "Ordenado por Categoria");
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 0);
}

TEST_F(Browsing, TabInTheCategoryCellMovesToTheTitleAndInTheTitleCellIsTakenFromTheGrid) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.DBGrid1.SetFocus();
    Key(VK_TAB);
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 1);
    EXPECT_EQ(Title(form), "Arrays");
    // In the title column the window clears the key: the grid does not go on to the next row.
    Key(VK_TAB);
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 1);
    EXPECT_EQ(Title(form), "Arrays");
}

TEST_F(Browsing, ANewRowTypedInTheGridAndLeftPendingIsNotSaved) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.DBGrid1.SetFocus();
        form.tbTrucos.Last();
        Key(VK_DOWN);   // appends below the last row
        EXPECT_EQ(form.tbTrucos.State(), tips::store::TDataSetState::dsInsert);
        Type("Nuevo");
        EXPECT_EQ(form.tbTrucos.State(), tips::store::TDataSetState::dsInsert);
    }
    tips::store::TMemoryTable reread("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(reread);
    EXPECT_TRUE(reread.LoadFromFile(TipsFile()).complete);
    EXPECT_EQ(reread.RecordCount(), 4);
    EXPECT_FALSE(reread.Locate("Categoria", std::string("Nuevo"), {}));
    EXPECT_EQ(fields.Categoria->AsString(), "Matrices");
}

TEST_F(Browsing, LeavingAFilledNewRowPostsItIntoItsPlace) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.DBGrid1.SetFocus();
    form.tbTrucos.Last();
    Key(VK_DOWN);
    Type("Varios");
    Key(VK_TAB);
    Type("Colecciones");
    Key(VK_UP);
    EXPECT_EQ(form.tbTrucos.State(), tips::store::TDataSetState::dsBrowse);
    EXPECT_EQ(Titles(form), (std::vector<std::string>{"Arrays", "Bucles", "buscar", "Colecciones", "Zona"}));
}

}  // namespace
