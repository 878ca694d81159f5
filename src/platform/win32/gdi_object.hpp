#pragma once
// Owning wrappers for GDI objects, their selection into a device context, and the device contexts
// themselves with their saved states. None can be copied; each undoes what it did when it ends.

#include <windows.h>

#include <utility>

namespace tips::platform {

// Deletes the object when it goes out of scope. Move-only.
template <typename Handle>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : handle_(handle) {}
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~TGdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TBitmapHandle = TGdiObject<HBITMAP>;

// Selects an object into a device context and restores the previous one on exit.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;
    ~TSelectObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a device context's state (objects, colours, modes, clip, mapping) and restores it on exit,
// which also deselects whatever was selected in between.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;
    ~TSavedDC() {
        if (level_ != 0) RestoreDC(dc_, level_);
    }

private:
    HDC dc_;
    int level_;
};

// A memory device context compatible with `target` (the screen's for nullptr), deleted on exit.
class TMemoryDC {
public:
    explicit TMemoryDC(HDC target) : dc_(CreateCompatibleDC(target)) {}
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    ~TMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The device context of a WM_PAINT: BeginPaint on construction, EndPaint on exit, so the window is
// validated even when painting throws.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    ~TPaintDC() { EndPaint(window_, &paint_); }

    HDC get() const { return dc_; }
    const RECT& PaintRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A window's (or, for nullptr, the screen's) device context, released on exit.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC() { ReleaseDC(window_, dc_); }

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The whole window's device context, frame and scroll bars included (GetDC reaches only the client
// area), released on exit.
class TWholeWindowDC {
public:
    explicit TWholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    TWholeWindowDC(const TWholeWindowDC&) = delete;
    TWholeWindowDC& operator=(const TWholeWindowDC&) = delete;
    ~TWholeWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace tips::platform
