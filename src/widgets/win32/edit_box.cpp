#include "widgets/win32/edit_box.hpp"

namespace tips::widgets {

TEdit::TEdit(TWinControl* parent) : TWinControl(parent) { SetTabStop(true); }

void TEdit::SetMaxLength(int maxLength) {
    maxLength_ = maxLength;
    if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void TEdit::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "EDIT";
    params.style |= ES_AUTOHSCROLL;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
    // A zero limit would mean the control's small default; no limit is asked for explicitly.
    SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_ > 0 ? maxLength_ : 0x7FFFFFFE), 0);
}

LRESULT TEdit::HandleCommand(WORD code) {
    if (code == EN_CHANGE && OnChange) OnChange(*this);
    return 0;
}

}  // namespace tips::widgets
