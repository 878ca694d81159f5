#pragma once
// One skin object's hold on a window it did not make: its handler sees every message first and decides
// whether, and when, the window's own procedure runs. Several holds on one window chain in the order
// they were taken and may be let go in any order (the common controls' subclass chain keeps them).
//
// The handler must not throw into Windows: what it lets through is swallowed here, so a skin that fails
// to draw leaves the window its previous look instead of ending the program.

#include <windows.h>

#include <functional>

namespace tips::skin::win32 {

class TWindowSubclass {
public:
    // Runs the window's own procedure (and any hold taken before this one) for a message.
    using TNext = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;
    using THandler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam, const TNext& next)>;

    // Takes hold of `window`; `onDestroyed` runs once the window is gone (at WM_NCDESTROY, after its own
    // procedure), when the hold has already been let go.
    TWindowSubclass(HWND window, THandler handler, std::function<void()> onDestroyed = {});
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    HWND Window() const { return window_; }
    // False when the hold could not be taken or the window is gone.
    bool Attached() const { return attached_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void Release();

    HWND window_;
    THandler handler_;
    std::function<void()> onDestroyed_;
    bool attached_ = false;
};

}  // namespace tips::skin::win32
