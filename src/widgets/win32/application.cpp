#include "widgets/win32/application.hpp"

#include "widgets/message_text.hpp"

namespace tips::widgets {

TApplication::TApplication() {
    static const TWindowClass applicationClass{kWindowClass};
    TWindowParams params;
    params.windowClass = &applicationClass;
    // Hidden, zero-sized and top-level, as a single-instance search expects to find it.
    params.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    params.left = params.top = params.width = params.height = 0;
    CreateHandle(params);
}

// The class is final: this is the most-derived destructor, and the window goes before anything else.
TApplication::~TApplication() { DestroyHandle(); }

bool TApplication::DispatchOne(MSG& message) {
    if (message.message == WM_QUIT) {
        terminated_ = true;
        exitCode_ = static_cast<int>(message.wParam);
        return false;
    }
    if (message.hwnd) {
        if (TWindow* root = FromHandle(GetAncestor(message.hwnd, GA_ROOT)); root && root->PreTranslateMessage(message)) {
            return true;
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

bool TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!DispatchOne(message)) return false;
    }
    return !terminated_;
}

bool TApplication::HandleMessage() {
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1 || got == 0) {
        terminated_ = true;
        exitCode_ = got == 0 ? static_cast<int>(message.wParam) : 1;
        return false;
    }
    return DispatchOne(message);
}

int TApplication::Run() {
    if (mainWindow_ && !terminated_) ShowWindow(mainWindow_, SW_SHOW);
    while (!terminated_ && HandleMessage()) {
    }
    return exitCode_;
}

// Another copy of the program finds this hidden window and activates it: the user means the main window.
LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        BringMainWindowForward();
        return 0;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

void TApplication::BringMainWindowForward() const {
    if (!mainWindow_ || !IsWindow(mainWindow_) || !IsWindowVisible(mainWindow_)) return;
    if (IsIconic(mainWindow_)) ShowWindow(mainWindow_, SW_RESTORE);
    SetForegroundWindow(mainWindow_);
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ShowException(const std::exception& error) const {
    const std::string text = WithFullStop(error.what());
    const std::string caption = Title();
    if (errorBox_) {
        errorBox_(text, caption);
        return;
    }
    MessageBoxA(mainWindow_ && IsWindow(mainWindow_) ? mainWindow_ : nullptr, text.c_str(), caption.c_str(),
                MB_ICONSTOP | MB_OK);
}

int TApplication::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) const {
    if (messageBox_) return messageBox_(text, caption, flags);
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

TApplication& Application() {
    static TApplication application;
    return application;
}

}  // namespace tips::widgets
