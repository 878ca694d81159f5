#pragma once
// The scroll hint: one small borderless popup per process, owned by the application's window, that
// shows a short text in the tooltip colours beside a control while its thumb is dragged.

#include <windows.h>

#include <string>

#include "platform/win32/gdi_object.hpp"
#include "platform/view_geometry.hpp"
#include "widgets/win32/window.hpp"

namespace tips::widgets {

class TScrollHint : public TWindow {
public:
    static constexpr const char* kWindowClass = "TScrollHint";

    TScrollHint();

    // The size the hint takes for the text, wrapped at maxWidth pixels at most.
    platform::TViewSize Measure(const std::string& text, int maxWidth) const;
    // Shows the text, sized as Measure says, with the hint's top-left corner at a point on the screen,
    // without taking the focus.
    void ShowAt(const std::string& text, POINT screen, int maxWidth);
    void Hide();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    platform::TFontHandle font_;  // the system's tooltip (status) font
};

// The process's hint window, created on first use.
TScrollHint& ScrollHint();

}  // namespace tips::widgets
