#pragma once
// The editor's names of keys and the text form of shortcuts, as editor scripts write them. The key,
// modifier and shortcut values themselves are the base library's.

#include <optional>
#include <string>
#include <string_view>

#include "base/shortcut.hpp"

namespace tips::editor {

using namespace base::keyboard;

// Name of a key ("Enter", "PageDown", "A", "F2"), or its decimal code when it has no name.
std::string KeyName(TVirtualKey key);

// A key by name, case-insensitive; nothing for an unknown name.
std::optional<TVirtualKey> KeyFromName(std::string_view name);

// "Ctrl+Shift+Left" style text of a shortcut (modifiers in the order Ctrl, Shift, Alt); "" for 0.
std::string ShortCutToText(TShortCut shortCut);

// Parses "Ctrl+Shift+Left", "Alt+Backspace", "A", "F2": modifiers in any order, then one key.
std::optional<TShortCut> TextToShortCut(std::string_view text);

}  // namespace tips::editor
