#pragma once
// A bitmap the size of a window's client area with a memory device context to draw it in: a window
// paints there and copies the result at once, so the screen never shows a half-drawn picture.

#include <windows.h>

#include <optional>

#include "platform/view_geometry.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::platform {

class TDoubleBuffer {
public:
    // An empty size makes a buffer with nothing to draw on (Usable() is false).
    TDoubleBuffer(HDC target, TViewSize size)
        : dc_(target), bitmap_(size.Width > 0 && size.Height > 0
                                   ? CreateCompatibleBitmap(target, size.Width, size.Height)
                                   : nullptr) {
        if (bitmap_) selected_.emplace(dc_.get(), bitmap_.get());
    }
    TDoubleBuffer(const TDoubleBuffer&) = delete;
    TDoubleBuffer& operator=(const TDoubleBuffer&) = delete;

    bool Usable() const { return dc_.get() && bitmap_; }
    HDC get() const { return dc_.get(); }

    // Copies `area` of the buffer to the same place on `target`.
    void CopyTo(HDC target, const TViewRect& area) const {
        BitBlt(target, area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top, dc_.get(), area.Left,
               area.Top, SRCCOPY);
    }

private:
    // Declared in this order so the bitmap is deselected before it is deleted, and both before the DC.
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    std::optional<TSelectObject> selected_;
};

}  // namespace tips::platform
