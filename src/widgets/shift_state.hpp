#pragma once
// The modifier keys held with a key or a mouse button: the base library's set.

#include "base/shortcut.hpp"

namespace tips::widgets {

using namespace base::keyboard;

}  // namespace tips::widgets
