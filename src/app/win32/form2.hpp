#pragma once
// The about box: created hidden at start-up, shown modally by the about command.

#include "widgets/win32/form.hpp"

namespace tips::app {

class TForm2 : public widgets::TForm {
public:
    TForm2();
};

}  // namespace tips::app
