// The code editor Codigo on the main window: how it is set up, the way into it from the grid, and that
// code typed into a tip reaches trucos.dat whichever way the user leaves the tip.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/form1.hpp"
#include "editor/main_window_keys.hpp"
#include "main_window_fixture.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

using tips::app::TForm1;
using tips::store::TDataSetState;
using tips::widgets::TOwnedWindow;
using tips_test::FileWith;
using tips_test::MainWindow;
using tips_test::Write;

class CodeEditor : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        Write(TipsFile(), FileWith({{"Ficheros", "Abrir", "Open \"a.txt\" For Input As #1\r\nClose #1\r\n"},
                                    {"Control", "Bucles", "For i = 1 To 10\r\nNext i\r\n"},
                                    {"Cadenas", "Mayusculas", "s = UCase(s)\r\n"}}));
    }

    // Keys and characters go where the focus is, as the keyboard's would; Enter is a key and its character.
    static void Key(WORD key) { SendMessageA(GetFocus(), WM_KEYDOWN, key, 1); }
    static void Type(const std::string& text) {
        for (const char c : text) {
            if (c == '\r') Key(VK_RETURN);
            SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
    static void ClickRow(TForm1& form, int offset) {
        const auto rect = form.DBGrid1.Core().Geometry().CellRect(offset, 1);
        const LPARAM at = MAKELPARAM((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONUP, 0, at);
    }
    static void ClickTitle(TForm1& form, int column) {
        const auto rect = form.DBGrid1.Core().Geometry().TitleRect(column);
        const LPARAM at = MAKELPARAM((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(form.DBGrid1.Handle(), WM_LBUTTONUP, 0, at);
    }
    // The user closes the window; the quit request it posts is taken out of this thread's queue again.
    static void Close(TForm1& form) {
        SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    static std::string Code(TForm1& form) { return form.Codigo.Core().Lines().Text(); }
    static std::string Title(TForm1& form) { return form.tbTrucosFields.Descripcion->AsString(); }

    // The code of the tip with this title in the saved file ("?" when the file has no such tip).
    std::string SavedCode(const std::string& title) const { return tips_test::SavedCode(TipsFile(), title); }
};

TEST_F(CodeEditor, CodigoFillsTheRightPaneBoundToTheTipsCodeWithItsStoredSettings) {
    TOwnedWindow<TForm1> form(Executable());
    auto& code = form.Codigo.Core();
    EXPECT_EQ(GetParent(form.Codigo.Handle()), form.ExtSplitterPane2.Handle());
    RECT pane{};
    RECT editor{};
    GetClientRect(form.ExtSplitterPane2.Handle(), &pane);
    GetWindowRect(form.Codigo.Handle(), &editor);
    EXPECT_EQ(editor.right - editor.left, pane.right);
    EXPECT_EQ(editor.bottom - editor.top, pane.bottom);

    EXPECT_EQ(code.DataSource(), &form.dsTrucos);
    EXPECT_EQ(code.DataField(), "Truco");
    EXPECT_EQ(code.Field(), form.tbTrucosFields.Truco);
    EXPECT_EQ(code.Highlighter(), &form.VBHighlighter1);
    EXPECT_EQ(code.Font().Description.Face, "Courier New");
    EXPECT_EQ(code.Font().Description.Height, -13);
    EXPECT_EQ(code.Font().Description.Style, tips::platform::fsBold);
    EXPECT_EQ(code.Font().Color, tips::platform::clBlack);
    EXPECT_TRUE(code.Gutter().AutoSize());
    EXPECT_TRUE(code.Gutter().ShowLineNumbers());
    EXPECT_EQ(code.Gutter().Width(), 20);
    EXPECT_EQ(code.Gutter().Font().Description.Face, "Arial");
    EXPECT_EQ(code.Gutter().Font().Description.Height, -13);
    EXPECT_TRUE(code.Gutter().Font().Description.Style.Empty());
    tips::editor::TCodeEditKeyStrokes stored;
    tips::editor::LoadMainWindowKeys(stored);
    EXPECT_EQ(code.Keystrokes().Count(), stored.Count());
    EXPECT_EQ(code.TabWidth(), 8);
    EXPECT_FALSE(code.WantTabs());
    EXPECT_EQ(code.RightEdge(), 80);
    // The first tip in title order shows, as read.
    EXPECT_EQ(Code(form), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(CodeEditor, CodeTypedIntoATipIsInTheFileAfterMovingToAnotherRowAndClosing) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        ASSERT_EQ(GetFocus(), form.Codigo.Handle());
        Type("' Lee el archivo\r");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
        EXPECT_EQ(Code(form), "' Lee el archivo\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
        ClickRow(form, 1);
        EXPECT_EQ(Title(form), "Bucles");
        EXPECT_EQ(Code(form), "For i = 1 To 10\r\nNext i\r\n");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
        Close(form);
    }
    EXPECT_EQ(SavedCode("Abrir"), "' Lee el archivo\r\nOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(SavedCode("Bucles"), "For i = 1 To 10\r\nNext i\r\n");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(CodeEditor, CodeTypedAndLeftForTheGridIsInTheFileAfterClosing) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Type("Beep ");
        form.DBGrid1.SetFocus();
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);   // written into the tip, not yet stored
        Close(form);
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
    }
    EXPECT_EQ(SavedCode("Abrir"), "Beep Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(CodeEditor, ClosingWithTheFocusInTheEditorStoresWhatWasTyped) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Type("Beep ");
        Close(form);
    }
    EXPECT_EQ(SavedCode("Abrir"), "Beep Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(CodeEditor, SearchingAndClickingATitleStoreTheCodeFirst) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Type("a");
        form.Edit1.SetFocus();
        Type("may");
        EXPECT_EQ(Title(form), "Mayusculas");
        EXPECT_EQ(Code(form), "s = UCase(s)\r\n");
        form.Codigo.SetFocus();
        Type("b");
        ClickTitle(form, 0);   // sorts by category: the pending tip is stored first
        EXPECT_EQ(form.tbTrucos.SortedField(), "Categoria");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
        Close(form);
    }
    EXPECT_EQ(SavedCode("Abrir"), "aOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(SavedCode("Mayusculas"), "bs = UCase(s)\r\n");
}

TEST_F(CodeEditor, TabInTheTitleOfANewRowPostsItOnEnteringTheEditorAndTheCodeIsStoredWithIt) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.DBGrid1.SetFocus();
        form.tbTrucos.Last();
        Key(VK_DOWN);   // a new row at the end
        Type("Varios");
        Key(VK_TAB);
        Type("Colecciones");
        Key(VK_TAB);    // in the title column: on to the code
        EXPECT_EQ(GetFocus(), form.Codigo.Handle());
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);   // posted on entering the editor
        EXPECT_EQ(Title(form), "Colecciones");
        EXPECT_EQ(form.Codigo.Core().LineCount(), 0);
        Type("Dim c As New Collection");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
        ClickRow(form, 0);
        Close(form);
    }
    EXPECT_EQ(SavedCode("Colecciones"), "Dim c As New Collection\r\n");
}

TEST_F(CodeEditor, ShiftTabInTheTitleColumnAlsoGoesToTheEditorAndTabInTheCategoryDoesNot) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.DBGrid1.SetFocus();
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), form.DBGrid1.Handle());
    EXPECT_EQ(form.DBGrid1.SelectedIndex(), 1);
    // Shift is not looked at.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), form.Codigo.Handle());
    EXPECT_EQ(Title(form), "Abrir");
}

TEST_F(CodeEditor, EscInTheEditorGivesTheStoredCodeBack) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Type("xyz");
        Key(VK_ESCAPE);
        SendMessageA(GetFocus(), WM_CHAR, 27, 1);
        EXPECT_EQ(Code(form), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
        Close(form);
    }
    EXPECT_EQ(SavedCode("Abrir"), "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
}

TEST_F(CodeEditor, CodeThatCannotBeWrittenBackKeepsTheFocusAndShowsWhy) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.dsTrucos.SetAutoEdit(false);   // typing then changes the text without starting an edit
    form.Codigo.SetFocus();
    Type("x");
    EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
    form.DBGrid1.SetFocus();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].first, "La fuente de datos no est\xE1 en modo edici\xF3n o inserci\xF3n.");
    EXPECT_EQ(GetFocus(), form.Codigo.Handle());
    EXPECT_EQ(Code(form), "xOpen \"a.txt\" For Input As #1\r\nClose #1\r\n");
    // Esc drops the change; then the focus may go.
    SendMessageA(GetFocus(), WM_CHAR, 27, 1);
    form.DBGrid1.SetFocus();
    EXPECT_EQ(GetFocus(), form.DBGrid1.Handle());
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(CodeEditor, TypingIntoAnEmptyTableStartsATip) {
    Write(TipsFile(), FileWith(std::vector<tips_test::TTip>{}));
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);   // entering alone starts nothing
        Type("B");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsInsert);
        EXPECT_EQ(Code(form), "B\r\n");
        Type("eep");
        Close(form);
    }
    EXPECT_EQ(SavedCode(""), "Beep\r\n");
}

}  // namespace
