// The Windows shell: ShellExecuteA with the default verb, no parameters, no directory, shown normally.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/shell.hpp"

namespace tips::platform {

namespace {

class TWin32ShellPort final : public TShellPort {
public:
    std::intptr_t Open(std::string_view target, TWindowId owner) override {
        const std::string text(target);  // ShellExecuteA wants it ended by a zero
        const HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, text.c_str(), nullptr,
                                               nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<std::intptr_t>(result);
    }
};

}  // namespace

TShellPort& DefaultShellPort() {
    static TWin32ShellPort port;
    return port;
}

}  // namespace tips::platform
