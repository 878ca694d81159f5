#include "editor/memory_clipboard.hpp"

namespace tips::editor {
namespace {

// Registered formats are numbered from here up, as the system numbers them.
constexpr platform::TClipboardFormat kFirstRegisteredFormat = 0xC000;

}  // namespace

platform::TClipboardFormat TMemoryClipboard::RegisterFormat(std::string_view name) {
    if (name.empty()) return 0;
    if (const auto it = registered_.find(name); it != registered_.end()) return it->second;
    const auto format = static_cast<platform::TClipboardFormat>(kFirstRegisteredFormat + registered_.size());
    registered_.emplace(std::string(name), format);
    return format;
}

bool TMemoryClipboard::HasFormat(platform::TClipboardFormat format) const { return data_.contains(format); }

bool TMemoryClipboard::Open() {
    if (open_ || failOpen_) return false;
    open_ = true;
    return true;
}

void TMemoryClipboard::Close() { open_ = false; }

bool TMemoryClipboard::Clear() {
    if (!open_) return false;
    data_.clear();
    return true;
}

bool TMemoryClipboard::SetData(platform::TClipboardFormat format, std::string_view bytes) {
    if (!open_ || format == 0 || format == failSetData_) return false;
    data_[format] = std::string(bytes);
    ++storeCount_;
    return true;
}

std::optional<std::string> TMemoryClipboard::GetData(platform::TClipboardFormat format) {
    if (!open_ || format == failGetData_) return std::nullopt;
    const auto it = data_.find(format);
    if (it == data_.end()) return std::nullopt;
    return it->second;
}

}  // namespace tips::editor
