#include "app/win32/form2.hpp"

namespace tips::app {

TForm2::TForm2() {
    widgets::TFormLayout layout;
    layout.className = "TForm2";
    layout.caption = "Acerca de Tolvanec para Visual Basic";
    layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    layout.width = 439;
    layout.height = 347;
    layout.outerSize = true;
    layout.centerOnScreen = true;
    CreateForm(layout);
}

}  // namespace tips::app
