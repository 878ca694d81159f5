#pragma once
// The text a menu shows for a keyboard shortcut. The shortcut values themselves (the virtual-key code
// in the low byte plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt) are the base library's.

#include <string>

#include "base/shortcut.hpp"

namespace tips::widgets {

using namespace base::keyboard;

// The text a menu shows beside an item: modifier prefixes ("Ctrl+") and the key's name, a letter or
// digit as itself and the other keys by their Spanish names ("Supr" for Delete). Empty for no shortcut.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace tips::widgets
