#include "app/win32/fvp.hpp"

namespace tips::app {

Tfvp::Tfvp() {
    widgets::TFormLayout layout;
    layout.className = "Tfvp";
    layout.caption = "Print Preview";
    layout.width = 575;
    layout.height = 446;
    layout.outerSize = true;
    layout.centerOnScreen = true;
    CreateForm(layout);
}

}  // namespace tips::app
