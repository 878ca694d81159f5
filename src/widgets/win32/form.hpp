#pragma once
// A top-level form: its window is made from a layout, then its controls' windows, its components are
// loaded, and only then does its creation handler run. A form is made as TOwnedWindow<TTheForm>, so
// its window goes first when it is destroyed: its destroy handler and the WM_DESTROY handling of every
// control in it run before any of its components go away. It moves the focus with Tab and Shift+Tab
// for controls that do not take Tab, and gives the menu's shortcuts precedence over every control's keys.

#include <windows.h>

#include <string>

#include "platform/win32/gdi_object.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/main_menu.hpp"

namespace tips::widgets {

// Modal results: which way a modal form was closed.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

struct TFormLayout {
    std::string className;  // a class of ours with the default description (TWindowClass)
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

    // Shows the form modally, centred on the screen, with the thread's other windows disabled, and runs
    // the application's loop until a modal result is set, the form is hidden or closed, or the application
    // ends; then gives the other windows back their input and returns the modal result (mrCancel when
    // closed, mrNone when the application ended). form_modal.cpp.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    // A result other than mrNone ends the modal loop.
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    // Closes the form as its close box does; a modal form ends its loop, keeping a result already set.
    void Close();

protected:
    // Makes the (hidden) window and its controls, runs LayoutLoaded and then FormCreate.
    void CreateForm(const TFormLayout& layout);

    virtual void FormCreate() {}
    // Runs on WM_DESTROY after a FormCreate that finished, while the form, its components and its
    // controls' windows are all there. What it raises is shown in the error box; the window goes on
    // being destroyed.
    virtual void FormDestroy() {}

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Pure again so that only TOwnedWindow<TTheForm> is a concrete form.
    void OwnerDestroysWindowFirst() override = 0;

private:
    // Runs the menu item whose shortcut the key message is; true when there was one.
    bool RunShortCut(const MSG& message);
    // The control that had the focus when the form was last deactivated, to give it back.
    void RememberFocus();
    void RestoreFocus();

    TWindowClass windowClass_;
    bool created_ = false;  // FormCreate finished: FormDestroy is due
    TMainMenu* menu_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool centerOnScreen_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    platform::TFontHandle font_;
};

}  // namespace tips::widgets
