#pragma once
// A key press as Windows delivers it: the key-down (key and modifiers) and the character message
// the keyboard layout turns it into, if any. Used to drive the editor the way its window would.

#include <optional>
#include <string_view>

#include "editor/shortcut.hpp"

namespace tips::editor {

struct TKeyPress {
    TVirtualKey Key = 0;
    TShiftState Shift = 0;
    std::optional<char> Character;  // the character message that follows the key-down
};

// The character a US keyboard layout produces for a key with modifiers: letters, digits and
// their shifted symbols, Space, Enter (CR, or LF with Ctrl), Tab, Backspace (DEL with Ctrl),
// Escape, and the control characters of Ctrl+letter. Alt combinations produce system characters,
// which are not character messages, so they yield nothing.
std::optional<char> CharacterForKey(TVirtualKey key, TShiftState shift);

// "Ctrl+Shift+Left", "Alt+Backspace", "A", "Shift+Tab", "F2": the key-down and its character.
std::optional<TKeyPress> ParseKeyPress(std::string_view name);

}  // namespace tips::editor
