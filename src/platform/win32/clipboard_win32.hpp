#pragma once
// The Windows clipboard behind the portable clipboard interface.

#include <windows.h>

#include "platform/clipboard.hpp"

namespace tips::platform {

class TWin32Clipboard final : public TClipboard {
public:
    // `owner` becomes the clipboard owner after Clear; null ties the clipboard to the task.
    explicit TWin32Clipboard(HWND owner = nullptr) : owner_(owner) {}

    TClipboardFormat TextFormat() const override { return CF_TEXT; }
    TClipboardFormat RegisterFormat(std::string_view name) override;
    bool HasFormat(TClipboardFormat format) const override;
    bool Open() override;
    void Close() override;
    bool Clear() override;
    bool SetData(TClipboardFormat format, std::string_view bytes) override;
    std::optional<std::string> GetData(TClipboardFormat format) override;

private:
    HWND owner_;
};

}  // namespace tips::platform
