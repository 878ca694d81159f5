// Key presses and the character messages a US keyboard layout delivers for them.

#include "editor/key_press.hpp"

namespace tips::editor {

namespace {

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

std::optional<char> CharacterForKey(TVirtualKey key, TShiftState shift) {
    const bool withShift = (shift & ssShift) != 0;
    const bool withCtrl = (shift & ssCtrl) != 0;
    if ((shift & ssAlt) != 0) return std::nullopt;
    if (key >= vkA && key < vkA + 26) {
        if (withCtrl) return static_cast<char>(key - vkA + 1);
        return static_cast<char>(withShift ? key : key + ('a' - 'A'));
    }
    if (key >= vk0 && key <= vk0 + 9) {
        if (withCtrl) return std::nullopt;
        return withShift ? kShiftedDigits[key - vk0] : static_cast<char>(key);
    }
    switch (key) {
        case vkSpace: return ' ';
        case vkReturn: return withCtrl ? '\n' : '\r';
        case vkBack: return withCtrl ? '\x7F' : '\b';
        case vkTab: return withCtrl ? std::nullopt : std::optional<char>('\t');
        case vkEscape: return withCtrl ? std::nullopt : std::optional<char>('\x1B');
        default: return std::nullopt;
    }
}

std::optional<TKeyPress> ParseKeyPress(std::string_view name) {
    const auto shortCut = TextToShortCut(name);
    if (!shortCut || *shortCut == 0) return std::nullopt;
    TKeyPress press;
    press.Key = ShortCutKey(*shortCut);
    press.Shift = ShortCutShift(*shortCut);
    press.Character = CharacterForKey(press.Key, press.Shift);
    return press;
}

}  // namespace tips::editor
