#pragma once
// A clipboard held in memory, for tests and tipstool. It keeps the rules of the system one
// (data only while open, formats numbered by name) and can be told to fail.

#include <map>
#include <string>

#include "platform/clipboard.hpp"

namespace tips::editor {

class TMemoryClipboard final : public platform::TClipboard {
public:
    static constexpr platform::TClipboardFormat kTextFormat = 1;

    platform::TClipboardFormat TextFormat() const override { return kTextFormat; }
    platform::TClipboardFormat RegisterFormat(std::string_view name) override;
    bool HasFormat(platform::TClipboardFormat format) const override;
    bool Open() override;
    void Close() override;
    bool Clear() override;
    bool SetData(platform::TClipboardFormat format, std::string_view bytes) override;
    std::optional<std::string> GetData(platform::TClipboardFormat format) override;

    bool IsOpen() const { return open_; }
    // Number of times data was stored since the start; lets a caller see that nothing was touched.
    int StoreCount() const { return storeCount_; }

    // Faults to provoke: opening fails, or storing or reading one format fails (0: none).
    void SetFailOpen(bool fail) { failOpen_ = fail; }
    void SetFailSetData(platform::TClipboardFormat format) { failSetData_ = format; }
    void SetFailGetData(platform::TClipboardFormat format) { failGetData_ = format; }

private:
    std::map<std::string, platform::TClipboardFormat, std::less<>> registered_;
    std::map<platform::TClipboardFormat, std::string> data_;
    bool open_ = false;
    int storeCount_ = 0;
    bool failOpen_ = false;
    platform::TClipboardFormat failSetData_ = 0;
    platform::TClipboardFormat failGetData_ = 0;
};

}  // namespace tips::editor
