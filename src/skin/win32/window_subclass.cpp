#include "skin/win32/window_subclass.hpp"

#include <commctrl.h>

#include <exception>
#include <utility>

namespace tips::skin::win32 {

TWindowSubclass::TWindowSubclass(HWND window, THandler handler, std::function<void()> onDestroyed)
    : window_(window), handler_(std::move(handler)), onDestroyed_(std::move(onDestroyed)) {
    attached_ = window_ && SetWindowSubclass(window_, &TWindowSubclass::Procedure, reinterpret_cast<UINT_PTR>(this),
                                             reinterpret_cast<DWORD_PTR>(this));
}

TWindowSubclass::~TWindowSubclass() { Release(); }

void TWindowSubclass::Release() {
    if (!attached_) return;
    RemoveWindowSubclass(window_, &TWindowSubclass::Procedure, reinterpret_cast<UINT_PTR>(this));
    attached_ = false;
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
    auto* self = reinterpret_cast<TWindowSubclass*>(data);
    const TNext next = [window](UINT m, WPARAM w, LPARAM l) { return DefSubclassProc(window, m, w, l); };
    if (message == WM_NCDESTROY) {
        // The window's own procedure still sees its last message; then the hold ends with it.
        const LRESULT result = next(message, wParam, lParam);
        self->Release();
        if (self->onDestroyed_) self->onDestroyed_();
        return result;
    }
    try {
        return self->handler_(message, wParam, lParam, next);
    } catch (const std::exception&) {
        // A failed skin step keeps the window's previous look; the window itself goes on working.
    } catch (...) {
    }
    return next(message, wParam, lParam);
}

}  // namespace tips::skin::win32
