#pragma once
// A Windows push button. A click (the mouse, Space while it has the focus, or Enter as the form's
// default or focused button) first gives the form the button's modal result, when it has one, and
// then runs OnClick.

#include <functional>

#include "widgets/win32/control.hpp"
#include "widgets/win32/form.hpp"

namespace tips::widgets {

class TButton : public TWinControl {
public:
    explicit TButton(TWinControl* parent);

    // The default button is pressed by Enter wherever the focus is on its form, unless the focused
    // control takes Enter itself or is another push button; it is drawn with the thick frame.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

    // Given to the form on every click; mrNone gives nothing.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Does what a click of the user does.
    void Click();

    std::function<void(TButton& sender)> OnClick;

protected:
    void CreateParams(TWindowParams& params) override;
    LRESULT HandleCommand(WORD code) override;

private:
    TForm* ParentForm() const;

    bool default_ = false;
    int modalResult_ = mrNone;
};

// Enter on a form: presses the focused push button, or else the form's visible, enabled default
// button, unless the control the key is for takes Enter itself (answers WM_GETDLGCODE with
// DLGC_WANTALLKEYS or DLGC_WANTMESSAGE). True when a button was pressed and the key is used up.
bool PressButtonForEnter(TForm& form, const MSG& message);

}  // namespace tips::widgets
