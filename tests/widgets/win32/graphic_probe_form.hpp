#pragma once
// A shown form of a given client size for the windowless controls' tests, which read its pixels back.

#include <windows.h>

#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"

namespace tips_test {

class TGraphicProbeForm : public tips::widgets::TForm {
public:
    TGraphicProbeForm() {
        tips::widgets::TFormLayout layout;
        layout.className = "TWindowlessProbeForm";
        layout.caption = "Probe";
        layout.style = WS_POPUP;
        layout.width = 200;
        layout.height = 100;
        CreateForm(layout);
    }
    void Show() {
        SetWindowPos(Handle(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        tips::widgets::Application().ProcessMessages();
    }
};

}  // namespace tips_test
