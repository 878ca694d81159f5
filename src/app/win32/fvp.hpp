#pragma once
// The print preview window: created hidden at start-up, shown modally by the print command.

#include "widgets/win32/form.hpp"

namespace tips::app {

class Tfvp : public widgets::TForm {
public:
    Tfvp();
};

}  // namespace tips::app
