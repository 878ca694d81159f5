#include "print/code_edit_print_form.hpp"

namespace tips::print {

TPrintFont CodeEditPrint1Font() {
    return TPrintFont({"Arial", -13, {}, platform::kAnsiCharSet, platform::TFontPitch::fpDefault}, platform::clWindowText);
}

void ConfigureCodeEditPrint1(TCodeEditPrint& engine, highlight::TCodeCustomHighlighter* highlighter) {
    engine.SetCopies(1);
    engine.SetFont(CodeEditPrint1Font());
    engine.SetColors(true);
    engine.SetHighlighter(highlighter);
    engine.SetTabWidth(8);
    engine.SetColor(platform::clWhite);

    TCodeEditPrintMargins& margins = engine.Margins();
    margins.SetUnitSystem(TUnitSystem::usMM);
    margins.SetLeft(25);
    margins.SetRight(15);
    margins.SetTop(25);
    margins.SetBottom(25);
    margins.SetHeader(15);
    margins.SetFooter(15);
    margins.SetLeftHFTextIndent(2);
    margins.SetRightHFTextIndent(2);
    margins.SetHFInternalMargin(0.5);
    margins.SetMirrorMargins(false);

    const TPrintFont hfFont({"Arial", -13, {}, platform::kDefaultCharSet, platform::TFontPitch::fpDefault},
                            platform::clBlack);
    engine.Header().SetDefaultFont(hfFont);
    engine.Footer().SetDefaultFont(hfFont);
    engine.Footer().SetFrameTypes(ftLine | ftShaded);
}

}  // namespace tips::print
