#include "widgets/win32/ext_application.hpp"

#include <vector>

#include "widgets/win32/application.hpp"

namespace tips::widgets {

TExtApplication::TExtApplication(const std::string& mutexName)
    : mutex_(CreateMutexA(nullptr, FALSE, mutexName.c_str())) {
    // Read the error at once: nothing may run between the creation and this check.
    const DWORD error = GetLastError();
    previousInstance_ = mutex_ && error == ERROR_ALREADY_EXISTS;
}

std::string ExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

TExtApplication& ExtApplication() {
    static TExtApplication application(OneInstanceMutexName(ExecutablePath()));
    return application;
}

void ActivatePreviousInstance() {
    if (!ExtApplication().PreviousInstance()) return;
    TApplication& application = Application();
    const std::string title = application.Title();
    application.SetTitle("");
    const HWND previous = FindWindowA(TApplication::kWindowClass, title.c_str());
    if (!previous) return;
    if (IsIconic(previous)) {
        ShowWindow(previous, SW_RESTORE);
    } else {
        SetForegroundWindow(previous);
    }
}

namespace {

class TProcessOneInstanceHost final : public TExtOneInstanceHost {
public:
    bool PreviousInstance() const override { return ExtApplication().PreviousInstance(); }
    std::string ApplicationTitle() const override { return Application().Title(); }
    void ShowInformation(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), "Information", MB_ICONINFORMATION | MB_OK | MB_TASKMODAL);
    }
    void ActivatePrevious() override { ActivatePreviousInstance(); }
    void Terminate() override { Application().Terminate(); }
};

}  // namespace

TExtOneInstanceHost& ProcessOneInstanceHost() {
    static TProcessOneInstanceHost host;
    return host;
}

}  // namespace tips::widgets
