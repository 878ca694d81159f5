#pragma once
// The fonts of the text drawers, shared across the process: one record per base font (its
// description with italic, underline and strike-out cleared; the weight counts), holding for each of
// the 16 style combinations the font made for it and its measured cell. Font stocks acquire and
// release records (a reference count) and lock a record's fonts while they use them (a lock count);
// the fonts are made on demand and deleted when the last lock goes.

#include <array>
#include <memory>
#include <vector>

#include "platform/font.hpp"

namespace tips::editor {

inline constexpr int kFontStyleEntries = 17;

struct TFontStyleEntry {
    std::unique_ptr<platform::TFont> Font;  // null until made
    int Advance = 0;
    int Height = 0;
};

struct TFontsInfo {
    int RefCount = 0;
    int LockCount = 0;
    platform::TFontDescription BaseFont;  // as given by the first acquirer
    platform::TFontDescription Key;       // the base font without italic, underline, strike-out
    std::array<TFontStyleEntry, kFontStyleEntries> Styles;
};

class TFontsInfoManager {
public:
    // The process's manager, made on first use.
    static TFontsInfoManager& Instance();

    TFontsInfoManager() = default;
    TFontsInfoManager(const TFontsInfoManager&) = delete;
    TFontsInfoManager& operator=(const TFontsInfoManager&) = delete;

    // The record of `font`'s key, made when there is none; its reference count goes up by one.
    TFontsInfo& Acquire(const platform::TFontDescription& font);
    // Lowers the reference count; the last release frees the record.
    void Release(TFontsInfo& info);
    void LockHandles(TFontsInfo& info) { ++info.LockCount; }
    // The last unlock deletes the record's fonts, so that they are made and measured again.
    void UnlockHandles(TFontsInfo& info);

    int RecordCount() const { return static_cast<int>(records_.size()); }

    static platform::TFontDescription KeyOf(const platform::TFontDescription& font);

private:
    std::vector<std::unique_ptr<TFontsInfo>> records_;
};

}  // namespace tips::editor
