// The main window's commands: the menu and toolbar, the menu's shortcuts before every control's own
// keys, and the question asked when the window closes or the user leaves with a tip still pending.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/win32/form1.hpp"
#include "main_window_fixture.hpp"
#include "widgets/win32/application.hpp"
#include "win32/clipboard_text.hpp"
#include "win32/keys_held.hpp"

namespace {

using tips::app::TForm1;
using tips::store::TDataSetState;
using tips::widgets::Application;
using tips::widgets::TOwnedWindow;
using tips_test::ClipboardText;
using tips_test::FileWith;
using tips_test::MainWindow;
using tips_test::SetClipboardText;
using tips_test::TKeysHeld;
using tips_test::Write;

constexpr const char* kAbrirCode = "Open \"a.txt\" For Input As #1\r\nClose #1\r\n";
// The same code as a selection of all of it holds it: no line break after the last line.
constexpr const char* kAbrirSelected = "Open \"a.txt\" For Input As #1\r\nClose #1";

std::string WindowText(HWND window) {
    char text[256]{};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Whether the application was asked to end; takes the request out of the queue again.
bool QuitRequested() {
    MSG message;
    bool requested = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) requested = true;
    return requested;
}

class Commands : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        Write(TipsFile(), FileWith({{"Ficheros", "Abrir", kAbrirCode},
                                    {"Control", "Bucles", "For i = 1 To 10\r\nNext i\r\n"},
                                    {"Cadenas", "Mayusculas", "s = UCase(s)\r\n"}}));
    }

    // A key as the keyboard gives it: posted to the focused window with the modifiers held, and taken
    // through the application's own loop, which makes its character.
    static void Press(WORD key, std::initializer_list<int> held = {}) {
        TKeysHeld keys(held);
        const HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        Application().ProcessMessages();
    }
    static void Type(const std::string& text) {
        for (const char c : text) SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    static void Click(TForm1& form, const char* itemName) {
        tips::widgets::TMenuItem* item = form.MainMenu1.Find(itemName);
        ASSERT_NE(item, nullptr) << itemName;
        item->OnClick(*item);
    }
    // The user closes the window and the application's loop takes what that posted.
    static void Close(TForm1& form) { SendMessageA(form.Handle(), WM_CLOSE, 0, 0); }

    static std::string Code(TForm1& form) { return form.Codigo.Core().Lines().Text(); }
    static std::string Title(TForm1& form) { return form.tbTrucosFields.Descripcion->AsString(); }

    // The saved tips as "category/title" in file order ({"?"} when the file does not load).
    std::vector<std::string> SavedTips() const {
        const auto tips = tips_test::ReadTips(TipsFile());
        if (!tips) return {"?"};
        std::vector<std::string> names;
        for (const tips_test::TTip& tip : *tips) names.push_back(tip.categoria + "/" + tip.descripcion);
        return names;
    }
    std::string SavedCode(const std::string& title) const { return tips_test::SavedCode(TipsFile(), title); }
};

// ---- Shortcuts come first ------------------------------------------------------------------------

TEST_F(Commands, CtrlVInTheSearchBoxPastesIntoTheCodeEditorAndRunsNoSearch) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    SetClipboardText("Beep ");
    form.Edit1.SetFocus();
    Press('V', {VK_CONTROL});
    EXPECT_EQ(form.Edit1.Text(), "");
    EXPECT_EQ(GetFocus(), form.Edit1.Handle());
    EXPECT_EQ(Title(form), "Abrir");
    EXPECT_EQ(Code(form), std::string("Beep ") + kAbrirCode);
    EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
    // Keys that are no shortcut reach the box as before: its character searches.
    Press('M');
    EXPECT_EQ(form.Edit1.Text(), "m");
    EXPECT_EQ(Title(form), "Mayusculas");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(Commands, CtrlDeleteInTheCodeEditorDeletesTheWholeTipWithoutAQuestion) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Press(VK_DELETE, {VK_CONTROL});
        EXPECT_EQ(form.tbTrucos.RecordCount(), 2);
        EXPECT_EQ(Title(form), "Bucles");
        EXPECT_EQ(Code(form), "For i = 1 To 10\r\nNext i\r\n");
        EXPECT_EQ(GetFocus(), form.Codigo.Handle());
        Close(form);
    }
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(SavedTips(), (std::vector<std::string>{"Control/Bucles", "Cadenas/Mayusculas"}));
}

TEST_F(Commands, CtrlZInTheGridsCellEditorUndoesInTheCodeEditorAndLeavesTheCellAlone) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.DBGrid1.SetFocus();
    Press(VK_F2);   // the cell editor opens on the category
    const HWND cell = GetFocus();
    ASSERT_EQ(cell, form.DBGrid1.CellEditHandle());
    SetClipboardText("Beep ");
    Press('V', {VK_CONTROL});   // pasted into the code, the cell keeps the focus
    ASSERT_EQ(Code(form), std::string("Beep ") + kAbrirCode);
    Press(VK_END);
    Type("2");
    ASSERT_EQ(WindowText(cell), "Ficheros2");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Code(form), kAbrirCode);
    EXPECT_EQ(WindowText(cell), "Ficheros2");
    EXPECT_EQ(GetFocus(), cell);
}

// Ctrl+A from each control the user can be in selects the whole code, and the focus stays put.
TEST_F(Commands, CtrlASelectsAllTheCodeWhateverHasTheFocus) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    struct TCase {
        const char* where;
        std::function<HWND()> focus;
    };
    const std::vector<TCase> cases = {
        {"grid", [&] { form.DBGrid1.SetFocus(); return form.DBGrid1.Handle(); }},
        {"cell editor", [&] { form.DBGrid1.SetFocus(); Press(VK_F2); return form.DBGrid1.CellEditHandle(); }},
        {"search box", [&] { form.Edit1.SetFocus(); return form.Edit1.Handle(); }},
        {"radio group", [&] { ::SetFocus(form.radio1.ButtonHandle(1)); return form.radio1.ButtonHandle(1); }},
        {"code editor", [&] { form.Codigo.SetFocus(); return form.Codigo.Handle(); }},
    };
    for (const TCase& c : cases) {
        form.Codigo.Core().ApplyCaretAndSelection({1, 1}, {1, 1}, {1, 1});   // no selection
        ASSERT_FALSE(form.Codigo.Core().HasSelection()) << c.where;
        const HWND focused = c.focus();
        ASSERT_EQ(GetFocus(), focused) << c.where;
        Press('A', {VK_CONTROL});
        EXPECT_EQ(form.Codigo.Core().SelText(), kAbrirSelected) << c.where;
        EXPECT_EQ(GetFocus(), focused) << c.where;
        EXPECT_EQ(form.Edit1.Text(), "") << c.where;
        EXPECT_EQ(form.radio1.ItemIndex(), 1) << c.where;
    }
}

// ---- The editing commands of the menu and the toolbar ------------------------------------------------

TEST_F(Commands, ClipboardAndUndoCommandsActOnTheCodeEditorAndLeaveTheFocusWhereItIs) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.Edit1.SetFocus();
    Click(form, "PegarTodo1");
    SetClipboardText("-");
    SendMessageA(form.BtnCopy.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(form.BtnCopy.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(ClipboardText(), kAbrirSelected);
    EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);   // copying changes nothing

    SetClipboardText("-");
    Click(form, "Cortar1");
    EXPECT_EQ(ClipboardText(), kAbrirSelected);
    EXPECT_EQ(Code(form), "\r\n");   // one empty line left
    EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);

    Click(form, "Deshacer2");
    EXPECT_EQ(Code(form), kAbrirCode);
    Click(form, "Rehacer2");
    EXPECT_EQ(Code(form), "\r\n");

    SetClipboardText("Beep");
    SendMessageA(form.BtnPaste.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(form.BtnPaste.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Code(form), "Beep\r\n");
    Click(form, "Copiar1");   // nothing selected: the clipboard keeps its text
    EXPECT_EQ(ClipboardText(), "Beep");
    EXPECT_EQ(GetFocus(), form.Edit1.Handle());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(Commands, PasteOnABrowsedTipIsStoredWithItAndLeavingTheEditorRaisesNothing) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.DBGrid1.SetFocus();
        SetClipboardText("' Abre\r\n");
        Click(form, "Pegar1");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
        form.Codigo.SetFocus();
        form.DBGrid1.SetFocus();
        Press(VK_DOWN);   // the next tip: the pasted code is stored
        EXPECT_EQ(Title(form), "Bucles");
        Close(form);
    }
    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(SavedCode("Abrir"), std::string("' Abre\r\n") + kAbrirCode);
}

TEST_F(Commands, NewTwiceStartsOneEmptyTipInTheGridsCategoryAndGainsNothing) {
    {
        TOwnedWindow<TForm1> form(Executable());
        ShowWindow(form.Handle(), SW_SHOW);
        form.Codigo.SetFocus();
        Click(form, "Nuevo1");
        Click(form, "Nuevo1");
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsInsert);
        EXPECT_EQ(form.tbTrucos.RecordCount(), 3);
        EXPECT_EQ(GetFocus(), form.DBGrid1.Handle());
        EXPECT_EQ(form.DBGrid1.SelectedIndex(), 0);
        EXPECT_EQ(Code(form), "");
        Type("Varios");   // the category of the new row
        Click(form, "Borrar1");   // drops the new row
        EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
        EXPECT_EQ(form.tbTrucos.RecordCount(), 3);
        Close(form);
    }
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(SavedTips(), (std::vector<std::string>{"Ficheros/Abrir", "Control/Bucles", "Cadenas/Mayusculas"}));
}

TEST_F(Commands, DeleteOnAnEmptyTableShowsTheTablesErrorFromTheMenuAndFromItsShortcut) {
    Write(TipsFile(), FileWith(std::vector<tips_test::TTip>{}));
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    const std::string expected = "tbTrucos: No puede ejecutarse esta operaci\xF3n en una fuente de datos vac\xED" "a.";
    // The menu's command arrives as a WM_COMMAND of the window (the skinned frame draws the menu bar
    // itself, so the window has no menu of its own to ask).
    const UINT id = GetMenuItemID(GetSubMenu(form.MainMenu1.Handle(), 1), 6);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    form.Edit1.SetFocus();
    Press(VK_DELETE, {VK_CONTROL});
    ASSERT_EQ(boxes_.size(), 2u);
    for (const auto& [text, caption] : boxes_) {
        EXPECT_EQ(text, expected);
        EXPECT_EQ(caption, tips::app::kApplicationTitle);
    }
}

// ---- Closing and leaving with a tip pending ------------------------------------------------------------

TEST_F(Commands, ClosingAfterTypingACategoryInANewRowAsksAndStoresOrDropsTheTip) {
    for (const int answer : {IDYES, IDNO}) {
        Write(TipsFile(), FileWith({"Abrir"}));
        questions_.clear();
        answer_ = answer;
        {
            TOwnedWindow<TForm1> form(Executable());
            ShowWindow(form.Handle(), SW_SHOW);
            Click(form, "Nuevo1");
            Type("Varios");
            Close(form);
            EXPECT_TRUE(QuitRequested());
            EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsBrowse);
        }
        ASSERT_EQ(questions_.size(), 1u);
        EXPECT_EQ(questions_[0].text, "Guardar los cambios");
        EXPECT_EQ(questions_[0].caption, "Confirmar");
        EXPECT_EQ(questions_[0].flags, 0x1024u);
        const std::vector<std::string> stored =
            answer == IDYES ? std::vector<std::string>{"Varios/", "Ficheros/Abrir"} : std::vector<std::string>{"Ficheros/Abrir"};
        EXPECT_EQ(SavedTips(), stored) << (answer == IDYES ? "Yes" : "No");
    }
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(Commands, ClosingWithNothingPendingAsksNothing) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.Codigo.SetFocus();
    Close(form);
    EXPECT_TRUE(QuitRequested());
    EXPECT_TRUE(questions_.empty());
}

TEST_F(Commands, AStoreThatFailsOnClosingShowsItsErrorAndKeepsTheWindowOpen) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    form.Codigo.SetFocus();
    Type("Beep ");
    form.tbTrucosFields.Truco->SetReadOnly(true);   // the editor cannot write its code into the tip
    Close(form);
    EXPECT_EQ(questions_.size(), 1u);
    EXPECT_FALSE(QuitRequested());
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_EQ(form.tbTrucos.State(), TDataSetState::dsEdit);
    // The editor cannot write its code when the question takes the focus either: the same error.
    ASSERT_FALSE(boxes_.empty());
    for (const auto& [text, caption] : boxes_) EXPECT_EQ(text, "El campo 'Truco' no puede ser modificado.");
    form.tbTrucosFields.Truco->SetReadOnly(false);
    form.tbTrucos.Cancel();
}

// Leaving through the menu would drop what was typed without a word: it asks as closing does.
TEST_F(Commands, LeavingAfterTypingCodeAsksAndStoresOrDropsIt) {
    for (const int answer : {IDYES, IDNO}) {
        Write(TipsFile(), FileWith({{"Ficheros", "Abrir", kAbrirCode}}));
        questions_.clear();
        answer_ = answer;
        {
            TOwnedWindow<TForm1> form(Executable());
            ShowWindow(form.Handle(), SW_SHOW);
            form.Codigo.SetFocus();
            Type("Beep ");
            Click(form, "Salir1");
            EXPECT_TRUE(QuitRequested());
        }
        ASSERT_EQ(questions_.size(), 1u);
        EXPECT_EQ(questions_[0].text, "Guardar los cambios");
        EXPECT_EQ(questions_[0].flags, 0x1024u);
        EXPECT_EQ(SavedCode("Abrir"), answer == IDYES ? std::string("Beep ") + kAbrirCode : kAbrirCode);
    }
}

TEST_F(Commands, LeavingWithNothingPendingAsksNothing) {
    TOwnedWindow<TForm1> form(Executable());
    ShowWindow(form.Handle(), SW_SHOW);
    Click(form, "Salir1");
    EXPECT_TRUE(QuitRequested());
    EXPECT_TRUE(questions_.empty());
}

}  // namespace
