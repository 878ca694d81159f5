#pragma once
// The settings the main window stores for its print engine CodeEditPrint1.

#include "highlight/custom_highlighter.hpp"
#include "print/code_edit_print.hpp"

namespace tips::print {

// Arial, 10 points (13 pixels at 96 pixels per inch), window text colour, ANSI character set.
TPrintFont CodeEditPrint1Font();

// Copies 1, that font, Colors on, `highlighter` (the window's VBHighlighter1), TabWidth 8, white;
// margins at their initial values in millimetres; header and footer in Arial 10 points, the footer
// framed by a rule with shading. Everything else keeps the engine's initial values.
void ConfigureCodeEditPrint1(TCodeEditPrint& engine, highlight::TCodeCustomHighlighter* highlighter);

}  // namespace tips::print
