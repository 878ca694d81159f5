#pragma once
// The process's application object: the hidden top-level window whose text is the application title
// (another copy of the program finds us by it), the message loop, and the error box.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "widgets/win32/window.hpp"

namespace tips::widgets {

class TApplication final : public TWindow {
public:
    static constexpr const char* kWindowClass = "TApplication";

    TApplication();
    ~TApplication() override;

    std::string Title() const { return Text(); }
    void SetTitle(const std::string& title) { SetText(title); }

    // The window that closing ends the application; shown when the loop starts.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_; }

    // Shows the main window and dispatches messages until the main window is closed or Terminate is
    // called. Returns the quit code.
    int Run();

    // Dispatches the messages waiting in the queue and returns; false once a quit message was taken.
    bool ProcessMessages();
    // Waits for one message and dispatches it; false when it was the quit message (the loop then ends).
    bool HandleMessage();

    // Asks the loop to end: posts a quit message with exit code 0.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Shows an error box: stop icon, OK, the application title as caption, the message with its full stop.
    void ShowException(const std::exception& error) const;
    void HandleException(const std::exception& error) const { ShowException(error); }

    // Replaces the error box, e.g. to record what it would show instead of waiting for a click.
    using TErrorBox = std::function<void(const std::string& text, const std::string& caption)>;
    void SetErrorBox(TErrorBox errorBox) { errorBox_ = std::move(errorBox); }

    // Asks the user through a Windows message box owned by `owner` (MessageBoxA's style flags) and
    // answers the button pressed (IDYES, IDNO, ...).
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) const;
    // Replaces the message boxes, e.g. to record the questions and answer them without waiting for a click.
    using TMessageBox = std::function<int(const std::string& text, const std::string& caption, UINT flags)>;
    void SetMessageBox(TMessageBox messageBox) { messageBox_ = std::move(messageBox); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool DispatchOne(MSG& message);
    void BringMainWindowForward() const;

    TErrorBox errorBox_;
    TMessageBox messageBox_;
    HWND mainWindow_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
};

// The one application object of the process, created on first use.
TApplication& Application();

}  // namespace tips::widgets
