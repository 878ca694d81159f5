#pragma once
// The about box: names the product and its version, carries the maker's copyright line and two links.
// Created hidden at start-up and shown modally by the about command; it keeps no data.

#include "widgets/win32/bevel.hpp"
#include "widgets/win32/button.hpp"
#include "widgets/win32/ext_simple_label.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/image.hpp"
#include "widgets/win32/label.hpp"

namespace tips::app {

class TForm2 : public widgets::TForm {
public:
    TForm2();

    // The window's components, by their names; the windowless ones are painted in this order.
    widgets::TBevel Bevel2{this};
    widgets::TImage Imagen{this};
    widgets::TLabel Label1{this};
    widgets::TLabel Label3{this};
    widgets::TExtSimpleLabel ExtSimpleLabel2{this};
    widgets::TExtSimpleLabel ExtSimpleLabel1{this};  // the maker's web site
    widgets::TExtSimpleLabel ExtSimpleLabel3{this};
    widgets::TExtSimpleLabel ExtSimpleLabel4{this};  // the partner educational portal
    widgets::TExtSimpleLabel ExtSimpleLabel5{this};
    widgets::TButton Button1{this};

    // Closes the box.
    void Button1Click(widgets::TButton& sender);
};

}  // namespace tips::app
