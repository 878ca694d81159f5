#pragma once
// The standard scroll bars of a control painted over from the skin: after the control sizes, paints
// its frame or prints itself, and after it scrolls (never while the scroll message runs, when the
// system is still drawing its own). Presses on the arrows and the thumb show the pressed frames.

#include <windows.h>

#include <memory>

#include "skin/scroll_bar_painter.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/window_subclass.hpp"

namespace tips::skin::win32 {

class TSkinScrollBar {
public:
    TSkinScrollBar(HWND control, TSkinContext context, bool pressHandling = true);
    ~TSkinScrollBar();
    TSkinScrollBar(const TSkinScrollBar&) = delete;
    TSkinScrollBar& operator=(const TSkinScrollBar&) = delete;

    // Paints both bars and the corner again from the skin.
    void Refresh();

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next);
    LRESULT PressBar(UINT hit, LPARAM lParam, const TWindowSubclass::TNext& next, UINT message, WPARAM wParam);
    void Paint();

    HWND control_;
    TSkinContext context_;
    bool pressHandling_;
    int busy_ = 0;  // nested scroll messages running
    TScrollPress press_ = TScrollPress::None;
    bool pressVertical_ = false;
    std::unique_ptr<TWindowSubclass> hold_;
};

}  // namespace tips::skin::win32
