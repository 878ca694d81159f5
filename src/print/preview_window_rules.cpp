#include "print/preview_window_rules.hpp"

#include <algorithm>

namespace tips::print {

void ZoomByMouse(TCodeEditPrintPreview& preview, bool leftButton) {
    if (!leftButton) {
        preview.SetScalePercent(std::max(preview.ScalePercent() / 2, 25));
    } else if (preview.ScaleMode() == TCodePreviewScale::pscWholePage) {
        preview.SetScalePercent(100);
    } else {
        preview.SetScalePercent(std::min(preview.ScalePercent() * 2, 400));
    }
}

void ZoomByMenuTag(TCodeEditPrintPreview& preview, int tag) {
    if (tag == kZoomTagPageWidth) {
        preview.SetScaleMode(TCodePreviewScale::pscPageWidth);
    } else if (tag == kZoomTagWholePage) {
        preview.SetScaleMode(TCodePreviewScale::pscWholePage);
    } else {
        preview.SetScalePercent(tag);
    }
}

std::string PreviewPageStatus(int page) { return " Page: " + std::to_string(page); }

std::string PrintActionHint(const std::optional<std::string>& printerName) {
    if (!printerName) return "Print|Print the document";
    return "Print (" + *printerName + ")|Print the document on " + *printerName;
}

}  // namespace tips::print
