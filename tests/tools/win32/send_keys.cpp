// send_keys CHORD...: presses each chord on the keyboard of the current desktop, in turn, as a user would,
// a moment apart. A chord is keys joined by '+', pressed in order and released in reverse: modifiers
// (alt, ctrl, shift), named keys (enter, esc, tab, space, up, down, left, right, home, end, delete, f1..f12)
// or one letter or digit. Used to look at the running program in states that only the keyboard reaches.

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

WORD KeyOf(const std::string& name) {
    static const std::map<std::string, WORD> named = {
        {"alt", VK_MENU},    {"ctrl", VK_CONTROL}, {"shift", VK_SHIFT}, {"enter", VK_RETURN}, {"esc", VK_ESCAPE},
        {"tab", VK_TAB},     {"space", VK_SPACE},  {"up", VK_UP},       {"down", VK_DOWN},    {"left", VK_LEFT},
        {"right", VK_RIGHT}, {"home", VK_HOME},    {"end", VK_END},     {"delete", VK_DELETE}};
    if (const auto found = named.find(name); found != named.end()) return found->second;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    if (name.size() >= 2 && name[0] == 'f') {
        const int number = std::atoi(name.c_str() + 1);
        if (number >= 1 && number <= 12) return static_cast<WORD>(VK_F1 + number - 1);
    }
    return 0;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: send_keys CHORD...  (e.g. alt+a down enter)\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        std::vector<WORD> keys;
        std::stringstream chord(argv[i]);
        for (std::string name; std::getline(chord, name, '+');) {
            const WORD key = KeyOf(name);
            if (key == 0) {
                std::fprintf(stderr, "send_keys: unknown key '%s'\n", name.c_str());
                return 2;
            }
            keys.push_back(key);
        }
        std::vector<INPUT> inputs;
        for (const WORD key : keys) inputs.push_back(KeyInput(key, false));
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) inputs.push_back(KeyInput(*key, true));
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Sleep(300);
    }
    return 0;
}
