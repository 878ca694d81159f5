// soak_driver SECONDS SEED: drives the running tips.exe from outside with random but valid user input
// for SECONDS, then closes it. The input is a function of SEED alone, so a run is replayed by giving the
// same seed; each action is printed as it is taken. Between actions the main window must answer within a
// second. Boxes and windows the input opens (the about box, the preview, questions) are closed with the
// keys a user would press. Tips are never deleted and titles never typed over, so every tip of the file
// must still be there after the run. Exit codes: 0 done and closed, 1 hung or gone, 2 usage.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindMainWindow() {
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (const HWND window = FindWindowA("TForm1", nullptr); window && IsWindowVisible(window)) return window;
        Sleep(100);
    }
    return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::string& className) {
    struct TSearch {
        std::string name;
        std::vector<HWND> found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) {
            auto* s = reinterpret_cast<TSearch*>(data);
            if (ClassOf(child) == s->name && IsWindowVisible(child)) s->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Keys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    for (const WORD key : chord) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Click(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

// The window of the program's thread that has the keyboard focus now.
HWND FocusOf(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Waits up to a second for a click to have given `window` the focus: input sent is handled in its turn.
bool FocusReaches(HWND main, HWND window) {
    for (int wait = 0; wait < 100; ++wait) {
        if (FocusOf(main) == window) return true;
        Sleep(10);
    }
    return false;
}

// A window of the program over the main one (a box, the about box, the preview): closed as a user would.
bool CloseWhatIsOver(HWND main) {
    const HWND front = GetForegroundWindow();
    if (!front || front == main) return false;
    DWORD process = 0, mainProcess = 0;
    GetWindowThreadProcessId(front, &process);
    GetWindowThreadProcessId(main, &mainProcess);
    if (process != mainProcess) return false;
    const std::string name = ClassOf(front);
    std::printf("close %s\n", name.c_str());
    if (name == "Tfvp") {
        PostMessageA(front, WM_CLOSE, 0, 0);
    } else {
        Keys({VK_RETURN});  // the about box's "Aceptar", a box's default answer
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: soak_driver SECONDS SEED\n");
        return 2;
    }
    const DWORD seconds = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const HWND main = FindMainWindow();
    if (!main) {
        std::printf("no main window\n");
        return 1;
    }
    std::mt19937 random(seed);
    const auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    const char* const words[] = {"Dim ", "x ", "= ", "1", "If ", "Then", "End If", "' nota", "\"texto\"", "ab"};
    const DWORD start = GetTickCount();
    long actions = 0;
    while (GetTickCount() - start < seconds * 1000) {
        if (!IsWindow(main) || !Answers(main)) {
            std::printf("the main window stopped answering after %ld actions\n", actions);
            return 1;
        }
        if (CloseWhatIsOver(main)) {
            Sleep(150);
            continue;
        }
        SetForegroundWindow(main);
        ++actions;
        const int action = pick(12);
        const std::vector<HWND> grids = ChildrenOfClass(main, "TDBGrid");
        const std::vector<HWND> editors = ChildrenOfClass(main, "TCodeEdit");
        // The search box, not the grid's cell editor, which is an edit control too.
        std::vector<HWND> edits = ChildrenOfClass(main, "Edit");
        std::erase_if(edits, [](HWND edit) { return ClassOf(GetParent(edit)) == "TDBGrid"; });
        RECT rect{};
        switch (action) {
            case 0:
            case 1:  // a row of the grid
                if (grids.empty()) break;
                GetClientRect(grids[0], &rect);
                std::printf("click grid\n");
                Click(grids[0], 20 + pick(std::max(1, static_cast<int>(rect.right) - 40)),
                      20 + pick(std::max(1, static_cast<int>(rect.bottom) - 40)));
                break;
            case 2:  // moving in the grid
                if (grids.empty()) break;
                GetClientRect(grids[0], &rect);
                std::printf("grid keys\n");
                Click(grids[0], 20, 20 + pick(std::max(1, static_cast<int>(rect.bottom) - 40)));
                Keys({static_cast<WORD>(pick(2) ? VK_DOWN : VK_UP)});
                break;
            case 3:
            case 4:
            case 5: {  // typing code
                if (editors.empty()) break;
                GetClientRect(editors[0], &rect);
                std::printf("type code\n");
                Click(editors[0], 40 + pick(std::max(1, static_cast<int>(rect.right) - 60)),
                      5 + pick(std::max(1, static_cast<int>(rect.bottom) - 20)));
                // Code is typed into the code editor only: keys that would land elsewhere (a box that has
                // just come up, the grid's cell editor) would edit what this action does not mean to.
                if (!FocusReaches(main, editors[0])) {
                    const HWND focus = FocusOf(main);
                    std::printf("  the focus is on %s, not the code: nothing typed\n", focus ? ClassOf(focus).c_str() : "nothing");
                    break;
                }
                for (const char c : std::string(words[pick(10)])) {
                    const SHORT scan = VkKeyScanA(c);
                    if (scan == -1) continue;
                    if (scan & 0x100) Keys({VK_SHIFT, static_cast<WORD>(scan & 0xFF)});
                    else Keys({static_cast<WORD>(scan & 0xFF)});
                }
                if (pick(3) == 0) Keys({VK_RETURN});
                break;
            }
            case 6:  // undo and redo in the editor
                if (editors.empty()) break;
                std::printf("undo\n");
                Keys({VK_CONTROL, 'Z'});
                break;
            case 7: {  // the search box
                if (edits.empty()) break;
                GetClientRect(edits[0], &rect);
                std::printf("search\n");
                Click(edits[0], 5, rect.bottom / 2);
                if (!FocusReaches(main, edits[0])) {
                    const HWND focus = FocusOf(main);
                    std::printf("  the focus is on %s, not the search box: nothing typed\n", focus ? ClassOf(focus).c_str() : "nothing");
                    break;
                }
                Keys({VK_CONTROL, 'A'});
                const char letter = static_cast<char>('A' + pick(26));
                Keys({static_cast<WORD>(letter)});
                if (pick(2)) Keys({VK_BACK});
                break;
            }
            case 8:  // sorted by category or title
                std::printf("sort\n");
                for (const HWND button : ChildrenOfClass(main, "Button")) {
                    if (pick(2)) {
                        GetClientRect(button, &rect);
                        Click(button, 6, rect.bottom / 2);
                        break;
                    }
                }
                break;
            case 9:  // the about box, from the menu
                std::printf("about\n");
                for (const WORD key : {VK_MENU, VK_RIGHT, VK_RIGHT, VK_RETURN, VK_RETURN}) {
                    Keys({key});
                    Sleep(100);
                }
                break;
            case 10:  // the preview, from the toolbar's print button (the first speed button)
                std::printf("preview\n");
                if (const auto buttons = ChildrenOfClass(main, "TSpeedButton"); !buttons.empty()) {
                    GetClientRect(buttons[0], &rect);
                    Click(buttons[0], rect.right / 2, rect.bottom / 2);
                }
                break;
            default:  // the cursor keys in the code
                if (editors.empty()) break;
                std::printf("code keys\n");
                Keys({static_cast<WORD>(VK_LEFT + pick(4))});
                break;
        }
        Sleep(60 + pick(120));
    }
    std::printf("%ld actions; closing\n", actions);
    while (CloseWhatIsOver(main)) Sleep(300);
    PostMessageA(main, WM_CLOSE, 0, 0);
    for (int wait = 0; wait < 100 && IsWindow(main); ++wait) {
        CloseWhatIsOver(main);  // the question about a tip being edited
        Sleep(200);
    }
    if (IsWindow(main)) {
        std::printf("the main window did not close\n");
        return 1;
    }
    return 0;
}
