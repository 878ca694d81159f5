#include "widgets/shortcut.hpp"

#include <array>
#include <utility>

namespace tips::widgets {
namespace {

// Names of the non-character keys a shortcut can use, as a Spanish keyboard labels them.
std::string KeyName(TVirtualKey key) {
    if ((key >= vk0 && key <= vk0 + 9) || (key >= vkA && key < vkA + 26)) return std::string(1, static_cast<char>(key));
    if (key >= vkF1 && key < vkF1 + 24) return "F" + std::to_string(key - vkF1 + 1);
    static constexpr std::array<std::pair<TVirtualKey, const char*>, 16> kNames{{
        {vkBack, "Retroceso"}, {vkTab, "Tab"}, {vkReturn, "Entrar"}, {vkEscape, "Esc"},
        {vkSpace, "Barra espaciadora"}, {vkPrior, "Re P\xE1g"}, {vkNext, "Av P\xE1g"}, {vkEnd, "Fin"},
        {vkHome, "Inicio"}, {vkLeft, "Izquierda"}, {vkUp, "Arriba"}, {vkRight, "Derecha"},
        {vkDown, "Abajo"}, {vkInsert, "Insert"}, {vkDelete, "Supr"}, {vkPause, "Pausa"},
    }};
    for (const auto& [code, name] : kNames) {
        if (code == key) return name;
    }
    return {};
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(ShortCutKey(shortCut));
    if (name.empty()) return {};
    // The menu text puts Shift before Ctrl; the editor scripts' text (editor/shortcut.cpp) puts Ctrl first.
    std::string text;
    if (shortCut & kShortCutShift) text += "Shift+";
    if (shortCut & kShortCutCtrl) text += "Ctrl+";
    if (shortCut & kShortCutAlt) text += "Alt+";
    return text + name;
}

}  // namespace tips::widgets
