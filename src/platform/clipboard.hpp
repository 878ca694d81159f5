#pragma once
// The system clipboard as the portable code sees it: numbered formats holding bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tips::platform {

using TClipboardFormat = std::uint32_t;  // 0 is no format

class TClipboard {
public:
    virtual ~TClipboard() = default;

    // The plain 8-bit text format (bytes ending with a 0).
    virtual TClipboardFormat TextFormat() const = 0;
    // The private format registered under `name`: the same name gives the same number. 0 on failure.
    virtual TClipboardFormat RegisterFormat(std::string_view name) = 0;
    // Whether data of the format is available; needs no open clipboard.
    virtual bool HasFormat(TClipboardFormat format) const = 0;

    // Opening fails while someone else has the clipboard open. Every successful Open needs a Close.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Removes every format and makes this program the owner; needs an open clipboard.
    virtual bool Clear() = 0;
    // Stores the bytes as given under the format; needs an open clipboard.
    virtual bool SetData(TClipboardFormat format, std::string_view bytes) = 0;
    // The bytes stored under the format (possibly with padding after the data), or nothing when
    // the format is absent or cannot be read; needs an open clipboard.
    virtual std::optional<std::string> GetData(TClipboardFormat format) = 0;
};

// Keeps the clipboard open for its lifetime when opening succeeded.
class TClipboardOpener {
public:
    explicit TClipboardOpener(TClipboard& clipboard) : clipboard_(clipboard), opened_(clipboard.Open()) {}
    ~TClipboardOpener() {
        if (opened_) clipboard_.Close();
    }
    TClipboardOpener(const TClipboardOpener&) = delete;
    TClipboardOpener& operator=(const TClipboardOpener&) = delete;

    bool Opened() const { return opened_; }

private:
    TClipboard& clipboard_;
    bool opened_;
};

}  // namespace tips::platform
