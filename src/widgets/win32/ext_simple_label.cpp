#include "widgets/win32/ext_simple_label.hpp"

#include "widgets/win32/application.hpp"

namespace tips::widgets {

TExtSimpleLabel::TExtSimpleLabel(TWinControl* parent) : view_(parent, *this) {
    // Before its form's window exists the label is part of the layout being read.
    if (parent && !parent->HandleAllocated()) BeginLoading();
}

void TExtSimpleLabel::BoundsChanged() {
    view_.SetBounds(Left(), Top(), Width(), Height());
}

void TExtSimpleLabel::CursorChanged() {
    view_.SetCursor(Cursor() == TExtCursor::crHandPoint ? LoadCursor(nullptr, IDC_HAND) : nullptr);
}

platform::TWindowId TExtSimpleLabel::ShellOwner() const {
    return reinterpret_cast<platform::TWindowId>(Application().Handle());
}

}  // namespace tips::widgets
