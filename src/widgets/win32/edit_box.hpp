#pragma once
// A one-line Windows edit box with a sunken edge that reports every change of its text.

#include <functional>
#include <string>

#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TEdit : public TWinControl {
public:
    explicit TEdit(TWinControl* parent);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // 0: no limit.
    void SetMaxLength(int maxLength);

    std::function<void(TEdit& sender)> OnChange;

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT HandleCommand(WORD code) override;

private:
    int maxLength_ = 0;
};

}  // namespace tips::widgets
