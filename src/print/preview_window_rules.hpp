#pragma once
// What the print preview window decides on its own, apart from its controls: the zoom by mouse
// button and by the zoom menu's tags, the status text of the page, and the print action's hint.

#include <optional>
#include <string>

#include "print/print_preview.hpp"

namespace tips::print {

// The zoom menu's tags: the whole page, the page width; any other tag is a percentage.
inline constexpr int kZoomTagWholePage = -1;
inline constexpr int kZoomTagPageWidth = -2;

// Left button: the whole page becomes 100 %, else the percentage doubles up to 400 %. Any other
// button halves it, down to 25 %. Each shows the page at a percentage.
void ZoomByMouse(TCodeEditPrintPreview& preview, bool leftButton);
void ZoomByMenuTag(TCodeEditPrintPreview& preview, int tag);

// " Page: 3".
std::string PreviewPageStatus(int page);

// "Print|Print the document", or with a printer "Print (NAME)|Print the document on NAME".
std::string PrintActionHint(const std::optional<std::string>& printerName);

}  // namespace tips::print
