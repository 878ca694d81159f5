#include "editor/fonts_info_manager.hpp"

#include <algorithm>

namespace tips::editor {

TFontsInfoManager& TFontsInfoManager::Instance() {
    static TFontsInfoManager manager;
    return manager;
}

platform::TFontDescription TFontsInfoManager::KeyOf(const platform::TFontDescription& font) {
    platform::TFontDescription key = font;
    key.Style = font.Style.Contains(platform::fsBold) ? platform::TFontStyles(platform::fsBold) : platform::TFontStyles{};
    // The face as a C string would hold it: nothing after a terminating zero counts.
    if (const auto zero = key.Face.find('\0'); zero != std::string::npos) key.Face.resize(zero);
    return key;
}

TFontsInfo& TFontsInfoManager::Acquire(const platform::TFontDescription& font) {
    const platform::TFontDescription key = KeyOf(font);
    for (const auto& record : records_) {
        if (record->Key == key) {
            ++record->RefCount;
            return *record;
        }
    }
    auto record = std::make_unique<TFontsInfo>();
    record->RefCount = 1;
    record->BaseFont = font;
    record->Key = key;
    records_.push_back(std::move(record));
    return *records_.back();
}

void TFontsInfoManager::Release(TFontsInfo& info) {
    if (info.RefCount >= 2) {
        --info.RefCount;
        return;
    }
    std::erase_if(records_, [&info](const std::unique_ptr<TFontsInfo>& record) { return record.get() == &info; });
}

void TFontsInfoManager::UnlockHandles(TFontsInfo& info) {
    --info.LockCount;
    if (info.LockCount != 0) return;
    for (TFontStyleEntry& entry : info.Styles) entry = TFontStyleEntry{};
}

}  // namespace tips::editor
