#pragma once
// The buttons of the mouse, as controls are told of them.

namespace tips::widgets {

enum class TMouseButton : unsigned char { mbLeft, mbRight, mbMiddle };

}  // namespace tips::widgets
