#pragma once
// A top-level form: its window is made from a layout, then its controls' windows, its components are
// loaded, and only then does its creation handler run; its destroy handler runs before any of its
// components go away. It moves the focus with Tab and Shift+Tab for controls that do not take Tab.

#include <windows.h>

#include <string>

#include "platform/win32/gdi_object.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/main_menu.hpp"

namespace tips::widgets {

struct TFormLayout {
    std::string className;
    std::string caption;
    int width = 0;  // of the client area, or of the whole window with outerSize
    int height = 0;
    bool outerSize = false;
    bool centerOnScreen = false;
    std::string fontName = "MS Sans Serif";
    int fontHeight = -11;  // negative: character height in pixels
    DWORD style = WS_OVERLAPPEDWINDOW;
    TMainMenu* menu = nullptr;  // the menu bar, kept alive by the form's owner
};

class TForm : public TWinControl {
public:
    TForm() : TWinControl(nullptr) {}

    bool PreTranslateMessage(const MSG& message) override;

    // Moves the focus to the next (or previous) tab stop after the focused control, wrapping round.
    void SelectNext(bool forward);

protected:
    // Makes the (hidden) window and its controls, runs LayoutLoaded and then FormCreate.
    void CreateForm(const TFormLayout& layout);

    virtual void FormCreate() {}

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The control that had the focus when the form was last deactivated, to give it back.
    void RememberFocus();
    void RestoreFocus();

    TMainMenu* menu_ = nullptr;
    HWND lastFocus_ = nullptr;
    platform::TFontHandle font_;
};

}  // namespace tips::widgets
