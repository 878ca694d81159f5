#pragma once
// The modifier keys held with a key or a mouse button.

namespace tips::widgets {

enum TShiftKind : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

}  // namespace tips::widgets
