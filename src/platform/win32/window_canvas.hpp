#pragma once
// A canvas on a window's device context (the screen's for nullptr), for drawing or measuring outside
// a paint: the context is released when the canvas ends.

#include <windows.h>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::platform {

class TWindowCanvas {
public:
    explicit TWindowCanvas(HWND window) : dc_(window), canvas_(dc_.get()) {}

    TGdiCanvas& Canvas() { return canvas_; }

private:
    // The context first: the canvas restores its state before the context is released.
    TWindowDC dc_;
    TGdiCanvas canvas_;
};

}  // namespace tips::platform
