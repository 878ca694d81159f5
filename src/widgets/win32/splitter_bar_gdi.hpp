#pragma once
// Draws a splitter bar's picture with GDI on a device context in the panel's client coordinates.

#include <windows.h>

#include "widgets/splitter_bar_painter.hpp"

namespace tips::widgets {

// A stored colour as GDI takes it: system colours resolved now.
COLORREF ColorToRgb(platform::TColor color);

void DrawSplitterBar(HDC dc, const TSplitterBarPicture& picture);

}  // namespace tips::widgets
