#pragma once
// A popup menu window ("#32768") skinned while it lives: its background made once from the skin and
// kept, printed under the items, and its border copied onto the frame from that background.

#include <windows.h>

#include <memory>
#include <optional>

#include "platform/bitmap.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/window_subclass.hpp"

namespace tips::skin::win32 {

class TSkinPopupMenu {
public:
    TSkinPopupMenu(HWND menuWindow, TSkinContext context, bool fromMenuBar);
    ~TSkinPopupMenu();
    TSkinPopupMenu(const TSkinPopupMenu&) = delete;
    TSkinPopupMenu& operator=(const TSkinPopupMenu&) = delete;

    // The cached background, once the window had a size; nothing before or without a MenuBackground.
    const platform::TBitmap* Background() const { return background_ ? &*background_ : nullptr; }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next);
    void MakeBackground();

    HWND window_;
    TSkinContext context_;
    bool fromMenuBar_;
    std::optional<platform::TBitmap> background_;
    std::unique_ptr<TWindowSubclass> hold_;
};

}  // namespace tips::skin::win32
