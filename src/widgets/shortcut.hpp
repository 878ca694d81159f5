#pragma once
// Keyboard shortcuts as 16-bit values: the virtual-key code in the low byte plus 0x2000 for Shift,
// 0x4000 for Ctrl and 0x8000 for Alt (16474 is Ctrl+Z).

#include <cstdint>
#include <string>

namespace tips::widgets {

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(unsigned virtualKey, TShortCut modifiers) {
    return static_cast<TShortCut>((virtualKey & 0xFFu) | modifiers);
}

// The text a menu shows beside an item: modifier prefixes ("Ctrl+") and the key's name, a letter or
// digit as itself and the other keys by their Spanish names ("Supr" for Delete). Empty for no shortcut.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace tips::widgets
