// TForm::ShowModal: a form shown above the thread's other windows, which take no input until it closes.

#include <stdexcept>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"

namespace tips::widgets {
namespace {

// Disables the thread's other enabled top-level windows until Restore, or the end of the scope.
class TWindowsDisabled {
public:
    explicit TWindowsDisabled(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &TWindowsDisabled::Visit, reinterpret_cast<LPARAM>(this));
        for (const HWND window : disabled_) EnableWindow(window, FALSE);
    }
    ~TWindowsDisabled() { Restore(); }
    TWindowsDisabled(const TWindowsDisabled&) = delete;
    TWindowsDisabled& operator=(const TWindowsDisabled&) = delete;

    void Restore() {
        for (const HWND window : disabled_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
        disabled_.clear();
    }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        auto* disabled = reinterpret_cast<TWindowsDisabled*>(self);
        if (window != disabled->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            disabled->disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> disabled_;
};

// One modal showing: the form is modal and shown, the others disabled, until the scope ends. The others
// take input again before the form goes, so that the activation returns to one of them.
class TModalShowing {
public:
    TModalShowing(HWND form, bool& modal) : form_(form), modal_(modal), others_(form) {
        modal_ = true;
        ShowWindow(form_, SW_SHOW);
        SetForegroundWindow(form_);
        SetActiveWindow(form_);
    }
    ~TModalShowing() {
        others_.Restore();
        ShowWindow(form_, SW_HIDE);
        modal_ = false;
    }
    TModalShowing(const TModalShowing&) = delete;
    TModalShowing& operator=(const TModalShowing&) = delete;

private:
    HWND form_;
    bool& modal_;
    TWindowsDisabled others_;
};

}  // namespace

int TForm::ShowModal() {
    HandleNeeded();
    if (modal_ || IsWindowVisible(Handle())) throw std::logic_error("Cannot make a visible window modal");
    const HWND active = GetActiveWindow();
    modalResult_ = mrNone;
    // Every showing starts from the first tab stop, as the first one did.
    lastFocus_ = nullptr;
    if (centerOnScreen_) {
        RECT frame{};
        GetWindowRect(Handle(), &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    {
        const TModalShowing showing(Handle(), modal_);
        auto& application = Application();
        while (modalResult_ == mrNone && IsWindowVisible(Handle()) && !application.Terminated() &&
               application.HandleMessage()) {
        }
    }
    if (active && IsWindow(active)) SetActiveWindow(active);
    return modalResult_;
}

void TForm::Close() {
    if (HandleAllocated()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

}  // namespace tips::widgets
