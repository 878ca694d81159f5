#include "widgets/shortcut.hpp"

#include <array>
#include <utility>

namespace tips::widgets {
namespace {

// Names of the non-character keys a shortcut can use, as a Spanish keyboard labels them.
std::string KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
    static constexpr std::array<std::pair<unsigned, const char*>, 16> kNames{{
        {0x08, "Retroceso"}, {0x09, "Tab"}, {0x0D, "Entrar"}, {0x1B, "Esc"},
        {0x20, "Barra espaciadora"}, {0x21, "Re P\xE1g"}, {0x22, "Av P\xE1g"}, {0x23, "Fin"},
        {0x24, "Inicio"}, {0x25, "Izquierda"}, {0x26, "Arriba"}, {0x27, "Derecha"},
        {0x28, "Abajo"}, {0x2D, "Insert"}, {0x2E, "Supr"}, {0x13, "Pausa"},
    }};
    for (const auto& [code, name] : kNames) {
        if (code == key) return name;
    }
    return {};
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(shortCut & 0xFFu);
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

}  // namespace tips::widgets
