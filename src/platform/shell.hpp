#pragma once
// The shell: opens a web address, a "mailto:" address or a document with the handler the system has
// for it (on Windows ShellExecuteA with the default verb). Each build has its own port; a program or
// a test may install another, so that no test ever starts a browser.

#include <cstdint>
#include <string_view>

namespace tips::platform {

// A window as the platform knows it (an HWND on Windows); 0 for none.
using TWindowId = std::uintptr_t;

// ShellExecute's "no application is associated" value: what a build without a shell answers.
inline constexpr std::intptr_t kShellNoAssociation = 31;

class TShellPort {
public:
    virtual ~TShellPort() = default;
    // Opens `target` exactly as given; `owner` is the window the shell's own messages belong to.
    // Answers the shell's value: above 32 when it opened, an error code of 32 or less when not.
    virtual std::intptr_t Open(std::string_view target, TWindowId owner) = 0;
};

// The build's own port (defined with the build's platform implementation).
TShellPort& DefaultShellPort();

inline TShellPort*& InstalledShellPort() {
    static TShellPort* port = nullptr;
    return port;
}
// The port in use: the installed one, else the default. Installing nullptr brings the default back;
// an installed port must outlive its installation.
inline TShellPort& ShellPort() {
    TShellPort* installed = InstalledShellPort();
    return installed != nullptr ? *installed : DefaultShellPort();
}
inline void SetShellPort(TShellPort* port) { InstalledShellPort() = port; }

}  // namespace tips::platform
