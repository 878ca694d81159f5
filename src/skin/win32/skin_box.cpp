#include "skin/win32/skin_box.hpp"

namespace tips::skin::win32 {

TSkinBox::TSkinBox(HWND window, TSkinContext context, platform::TColor* colour)
    : TSkinControl(window, context), colour_(colour) {
    if (colour_) saved_ = *colour_;
    Refresh();
}

// A control whose window is gone may be gone itself: its colour slot is left alone then.
TSkinBox::~TSkinBox() {
    if (colour_ && Alive()) *colour_ = saved_;
}

void TSkinBox::Refresh() {
    if (colour_ && Alive()) *colour_ = Context().Skin.Colours.ButtonFace;
    Redraw();
}

}  // namespace tips::skin::win32
