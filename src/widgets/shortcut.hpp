#pragma once
// Keys, modifier sets and shortcut values in the widgets (the base library's: the virtual-key code in
// the low byte plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt), and the text a menu shows
// for a shortcut.

#include <string>

#include "base/shortcut.hpp"

namespace tips::widgets {

using namespace base::keyboard;

// The text a menu shows beside an item: modifier prefixes ("Ctrl+") and the key's name, a letter or
// digit as itself and the other keys by their Spanish names ("Supr" for Delete). Empty for no shortcut.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace tips::widgets
