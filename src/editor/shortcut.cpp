#include "editor/shortcut.hpp"

#include <array>

#include "base/text_case.hpp"

// Key and modifier names are ASCII words of the script syntax, so they are matched with the ASCII
// case rule: a byte above 0x7F never names a key, whatever letter it is in Windows-1252.

namespace tips::editor {
namespace {

struct NamedKey {
    TVirtualKey key;
    std::string_view name;
};

// Preferred spelling first where a key has several.
constexpr std::array<NamedKey, 17> kNamedKeys{{
    {vkBack, "Backspace"},
    {vkTab, "Tab"},
    {vkReturn, "Enter"},
    {vkReturn, "Return"},
    {vkEscape, "Esc"},
    {vkEscape, "Escape"},
    {vkSpace, "Space"},
    {vkPrior, "PageUp"},
    {vkNext, "PageDown"},
    {vkEnd, "End"},
    {vkHome, "Home"},
    {vkLeft, "Left"},
    {vkUp, "Up"},
    {vkRight, "Right"},
    {vkDown, "Down"},
    {vkInsert, "Insert"},
    {vkDelete, "Delete"},
}};

}  // namespace

std::string KeyName(TVirtualKey key) {
    for (const auto& named : kNamedKeys) {
        if (named.key == key) return std::string(named.name);
    }
    if ((key >= vk0 && key <= vk0 + 9) || (key >= vkA && key < vkA + 26)) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= vkF1 && key < vkF1 + 24) {
        std::string name(1, 'F');
        name.append(std::to_string(key - vkF1 + 1));
        return name;
    }
    return std::to_string(key);
}

std::optional<TVirtualKey> KeyFromName(std::string_view name) {
    for (const auto& named : kNamedKeys) {
        if (base::EqualsIgnoreCaseAscii(named.name, name)) return named.key;
    }
    if (name.empty()) return std::nullopt;
    if (name.size() == 1) {
        const auto c = static_cast<unsigned char>(base::UpperCharAscii(name[0]));
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return TVirtualKey{c};
        return std::nullopt;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (const char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 24 && name[1] != '0') return static_cast<TVirtualKey>(vkF1 + n - 1);
    }
    return std::nullopt;
}

std::string ShortCutToText(TShortCut shortCut) {
    if (shortCut == 0) return {};
    std::string text;
    if (shortCut & kShortCutCtrl) text += "Ctrl+";
    if (shortCut & kShortCutShift) text += "Shift+";
    if (shortCut & kShortCutAlt) text += "Alt+";
    text.append(KeyName(ShortCutKey(shortCut)));
    return text;
}

std::optional<TShortCut> TextToShortCut(std::string_view text) {
    TShiftState shift = 0;
    for (;;) {
        const auto plus = text.find('+');
        // A lone "+" at the end would be an empty key name; a key name never contains '+'.
        if (plus == std::string_view::npos || plus + 1 == text.size()) break;
        const auto modifier = text.substr(0, plus);
        if (base::EqualsIgnoreCaseAscii(modifier, "Ctrl")) {
            shift |= ssCtrl;
        } else if (base::EqualsIgnoreCaseAscii(modifier, "Shift")) {
            shift |= ssShift;
        } else if (base::EqualsIgnoreCaseAscii(modifier, "Alt")) {
            shift |= ssAlt;
        } else {
            return std::nullopt;
        }
        text.remove_prefix(plus + 1);
    }
    const auto key = KeyFromName(text);
    if (!key) return std::nullopt;
    return ShortCut(*key, shift);
}

}  // namespace tips::editor
