// The real tips.exe driven from outside its process as a user would drive it: keys from the keyboard's
// input stream, typed characters, the menu's commands and the answers to its question, then the file
// it leaves behind.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "main_window_fixture.hpp"
#include "running_program.hpp"
#include "win32/clipboard_text.hpp"

namespace {

using tips_test::FileWith;
using tips_test::Read;
using tips_test::SetClipboardText;
using tips_test::TRunningProgram;
using tips_test::Write;

constexpr const char* kAbrirCode = "Open \"a.txt\" For Input As #1\r\nClose #1\r\n";
constexpr const char* kBuclesCode = "For i = 1 To 10\r\nNext i\r\n";

// Polls `condition` for up to ten seconds.
bool WaitUntil(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 200; ++tries) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

std::string TextOf(HWND window) {
    char text[4096]{};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64]{};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The first visible window of the class among the descendants of `parent`.
HWND VisibleChild(HWND parent, const std::string& className) {
    struct TSearch {
        std::string className;
        HWND found = nullptr;
    } search{className};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            if (ClassOf(child) != s->className || !IsWindowVisible(child)) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible top-level window of the thread by class and, when given, caption.
HWND ThreadWindow(DWORD thread, const std::string& className, const char* caption = nullptr) {
    struct TSearch {
        std::string className;
        const char* caption;
        HWND found = nullptr;
    } search{className, caption};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            if (ClassOf(window) != s->className || !IsWindowVisible(window)) return TRUE;
            char text[256]{};
            GetWindowTextA(window, text, sizeof text);
            if (s->caption && std::string(text) != s->caption) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FocusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Keys pressed together on the keyboard, in order, and released in the opposite order.
void Chord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Text typed on the keyboard, into the same input stream as the keys, so that it arrives in order.
void Type(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const auto key = static_cast<WORD>(scan & 0xFF);
        if (scan & 0x100) {
            Chord({VK_SHIFT, key});
        } else {
            Chord({key});
        }
    }
}

void Click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The menus chosen from the keyboard, as a user without a mouse does: Alt and the access key open
// "&Archivo" and its items' keys choose them; "Ayuda" has no access key and is reached with the arrows.
void ChooseNuevo() {
    Chord({VK_MENU, 'A'});
    Chord({'N'});
}
void ChooseSalir() {
    Chord({VK_MENU, 'A'});
    Chord({'S'});
}
// Closing from the keyboard: after whatever input went before it.
void CloseWithAltF4() { Chord({VK_MENU, VK_F4}); }

void ChooseAcercaDe() {
    Chord({VK_MENU});
    Chord({VK_RIGHT});
    Chord({VK_RIGHT});
    Chord({VK_RETURN});
    Chord({VK_RETURN});
}

class ProgramCommands : public tips_test::ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        original_ = FileWith({{"Ficheros", "Abrir", kAbrirCode},
                              {"Control", "Bucles", kBuclesCode},
                              {"Cadenas", "Mayusculas", "s = UCase(s)\r\n"}});
        Write(TipsFile(), original_);
    }

    // Starts the program and waits until its main window is there and in front.
    void Start() {
        program_.emplace(Executable(), dir_);
        ASSERT_TRUE(program_->Started());
        main_ = program_->WaitForMainWindow();
        ASSERT_NE(main_, nullptr) << "the main window never showed";
        thread_ = program_->ThreadId();
        SetForegroundWindow(main_);
        // Keys go to the skinned menu bar once the frame has taken the window's menu over on activation.
        ASSERT_TRUE(WaitUntil([&] { return GetMenu(main_) == nullptr; })) << "the frame was never skinned";
        // ... and while the program's thread has the keyboard.
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_ && FocusOf(thread_) != nullptr; }));
        code_ = VisibleChild(main_, "TCodeEdit");
        ASSERT_NE(code_, nullptr);
    }
    // Clicks a window of the program and waits until it has the focus.
    void FocusByClick(HWND window, int x = 5, int y = 5) {
        Click(window, x, y);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(thread_) == window; })) << ClassOf(window);
    }
    // Waits for the program's question, checks it and answers it.
    void Answer(int button) {
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = ThreadWindow(thread_, "#32770", "Confirmar")) != nullptr; }))
            << "no question was asked";
        EXPECT_NE(VisibleChild(box, "Static"), nullptr);
        bool asked = false;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM data) -> BOOL {
                if (TextOf(child) == "Guardar los cambios") *reinterpret_cast<bool*>(data) = true;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&asked));
        EXPECT_TRUE(asked);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    void WaitForExit() { EXPECT_TRUE(program_->WaitForExit(30000)) << "the program did not end"; }

    // The saved tips as "category/title/code" in file order ({"?"} when the file does not load).
    std::vector<std::string> SavedTitles() const {
        const auto tips = tips_test::ReadTips(TipsFile());
        if (!tips) return {"?"};
        std::vector<std::string> names;
        for (const tips_test::TTip& tip : *tips) names.push_back(tip.categoria + "/" + tip.descripcion + "/" + tip.truco);
        return names;
    }

    std::string original_;
    std::optional<TRunningProgram> program_;
    HWND main_ = nullptr;
    HWND code_ = nullptr;
    DWORD thread_ = 0;
};

TEST_F(ProgramCommands, CtrlVInTheSearchBoxPastesIntoTheCodeAndClosingAsksAndYesStoresIt) {
    Start();
    const HWND search = VisibleChild(main_, "Edit");
    ASSERT_NE(search, nullptr);
    FocusByClick(search);
    SetClipboardText("Beep ");
    Chord({VK_CONTROL, 'V'});
    EXPECT_TRUE(WaitUntil([&] { return TextOf(code_) == std::string("Beep ") + kAbrirCode; })) << TextOf(code_);
    EXPECT_EQ(TextOf(search), "");
    EXPECT_EQ(FocusOf(thread_), search);
    CloseWithAltF4();
    Answer(IDYES);
    WaitForExit();
    EXPECT_EQ(SavedTitles(), (std::vector<std::string>{"Ficheros/Abrir/Beep " + std::string(kAbrirCode),
                                                       "Control/Bucles/" + std::string(kBuclesCode),
                                                       "Cadenas/Mayusculas/s = UCase(s)\r\n"}));
}

TEST_F(ProgramCommands, CtrlDeleteInTheCodeEditorDeletesTheTipAndClosingAsksNothing) {
    Start();
    FocusByClick(code_, 60, 20);
    Chord({VK_CONTROL, VK_DELETE});
    EXPECT_TRUE(WaitUntil([&] { return TextOf(code_) == kBuclesCode; })) << TextOf(code_);
    CloseWithAltF4();
    WaitForExit();
    EXPECT_EQ(SavedTitles(), (std::vector<std::string>{"Control/Bucles/" + std::string(kBuclesCode),
                                                       "Cadenas/Mayusculas/s = UCase(s)\r\n"}));
}

TEST_F(ProgramCommands, CtrlZInTheCellEditorUndoesThePastedCodeAndTheCellKeepsItsText) {
    Start();
    const HWND grid = VisibleChild(main_, "TDBGrid");
    ASSERT_NE(grid, nullptr);
    FocusByClick(grid, 150, 27);   // the title of the first row, the current one
    Chord({VK_F2});
    HWND cell = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (cell = FocusOf(thread_)) != grid && cell != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(cell) == "Abrir"; })) << TextOf(cell);
    SetClipboardText("Beep ");
    Chord({VK_CONTROL, 'V'});
    ASSERT_TRUE(WaitUntil([&] { return TextOf(code_) == std::string("Beep ") + kAbrirCode; })) << TextOf(code_);
    Chord({VK_END});
    Type("2");
    Chord({VK_CONTROL, 'Z'});
    EXPECT_TRUE(WaitUntil([&] { return TextOf(code_) == kAbrirCode; })) << TextOf(code_);
    EXPECT_EQ(TextOf(cell), "Abrir2");
    CloseWithAltF4();
    Answer(IDYES);
    WaitForExit();
    EXPECT_EQ(SavedTitles().front(), "Ficheros/Abrir2/" + std::string(kAbrirCode));
}

TEST_F(ProgramCommands, NewTwiceThenACategoryAndClosingAsksYesStoresOneTipNoLeavesTheFileAsItWas) {
    for (const int answer : {IDYES, IDNO}) {
        Write(TipsFile(), original_);
        Start();
        const HWND grid = VisibleChild(main_, "TDBGrid");
        FocusByClick(grid, 150, 27);
        ChooseNuevo();
        ChooseNuevo();
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(thread_) == grid; }));
        Type("Varios");   // into the cell of the new row's category
        CloseWithAltF4();
        Answer(answer);
        WaitForExit();
        if (answer == IDYES) {
            // In title order the new tip, without a title, comes first.
            EXPECT_EQ(SavedTitles(), (std::vector<std::string>{"Varios//", "Ficheros/Abrir/" + std::string(kAbrirCode),
                                                               "Control/Bucles/" + std::string(kBuclesCode),
                                                               "Cadenas/Mayusculas/s = UCase(s)\r\n"}));
        } else {
            EXPECT_EQ(Read(TipsFile()), original_);
        }
    }
}

TEST_F(ProgramCommands, LeavingThroughTheMenuAfterTypingCodeAsksTheSameQuestion) {
    for (const int answer : {IDYES, IDNO}) {
        Write(TipsFile(), original_);
        Start();
        FocusByClick(code_, 60, 5);
        Chord({VK_CONTROL, VK_HOME});
        Type("Beep ");
        ASSERT_TRUE(WaitUntil([&] { return TextOf(code_) == std::string("Beep ") + kAbrirCode; })) << TextOf(code_);
        ChooseSalir();
        Answer(answer);
        WaitForExit();
        const std::string code = answer == IDYES ? "Beep " + std::string(kAbrirCode) : kAbrirCode;
        EXPECT_EQ(SavedTitles().front(), "Ficheros/Abrir/" + code);
    }
}

TEST_F(ProgramCommands, TheAboutBoxOpensFromTheMenuAndEnterClosesIt) {
    Start();
    ChooseAcercaDe();
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = ThreadWindow(thread_, "TForm2")) != nullptr; }));
    EXPECT_FALSE(IsWindowEnabled(main_));   // shown modally
    SetForegroundWindow(about);
    Chord({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) != FALSE; }));
    CloseWithAltF4();
    WaitForExit();
}

}  // namespace
