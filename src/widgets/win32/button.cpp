#include "widgets/win32/button.hpp"

namespace tips::widgets {

TButton::TButton(TWinControl* parent) : TWinControl(parent) { SetTabStop(true); }

void TButton::SetDefault(bool isDefault) {
    if (default_ == isDefault) return;
    default_ = isDefault;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone) {
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    }
    if (OnClick) OnClick(*this);
}

void TButton::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "BUTTON";
    params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

LRESULT TButton::HandleCommand(WORD code) {
    if (code == BN_CLICKED) Click();
    return 0;
}

namespace {

bool CanPress(const TButton& button) {
    return button.HandleAllocated() && IsWindowVisible(button.Handle()) && IsWindowEnabled(button.Handle());
}

TButton* FindDefaultButton(const TWinControl& control) {
    for (TWinControl* child : control.Controls()) {
        if (auto* button = dynamic_cast<TButton*>(child); button && button->Default() && CanPress(*button)) return button;
        if (TButton* inside = FindDefaultButton(*child)) return inside;
    }
    return nullptr;
}

}  // namespace

bool PressButtonForEnter(TForm& form, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    const LRESULT wants = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    auto* button = dynamic_cast<TButton*>(TWindow::FromHandle(message.hwnd));
    if (!button || !CanPress(*button)) button = FindDefaultButton(form);
    if (!button) return false;
    button->Click();
    return true;
}

TForm* TButton::ParentForm() const {
    TWinControl* control = Parent();
    while (control && control->Parent()) control = control->Parent();
    return dynamic_cast<TForm*>(control);
}

}  // namespace tips::widgets
