#pragma once
// One text drawer's fonts: the shared record of its base font (TFontsInfoManager) and the style
// currently chosen from it. A style's font is made and measured the first time any stock in the
// process asks for it; measuring opens the screen canvas, shared by nested measurements through a
// use count and closed when the count returns to 0.

#include <memory>
#include <stdexcept>
#include <string>

#include "editor/fonts_info_manager.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::editor {

class EFontStockException : public std::runtime_error {
public:
    explicit EFontStockException(const std::string& message) : std::runtime_error(message) {}
};

// The screen canvas while somebody measures: opened by the first Enter, closed by the last Leave.
class TScreenContextUse {
public:
    platform::TCanvas& Enter();
    void Leave();
    int UseCount() const { return useCount_; }

private:
    std::unique_ptr<platform::TScreenCanvas> screen_;
    int useCount_ = 0;
};

class TFontStock {
public:
    TFontStock() = default;
    ~TFontStock();
    TFontStock(const TFontStock&) = delete;
    TFontStock& operator=(const TFontStock&) = delete;

    // Throws EFontStockException for no font and changes nothing then.
    void SetBaseFont(const platform::TFontDescription* font);
    void SelectStyle(platform::TFontStyles style);

    // Of the current style.
    int CharAdvance() const { return entry_ != nullptr ? entry_->Advance : 0; }
    int CharHeight() const { return entry_ != nullptr ? entry_->Height : 0; }
    const platform::TFont* FontHandle() const { return entry_ != nullptr ? entry_->Font.get() : nullptr; }

    const TFontsInfo* FontsInfo() const { return info_; }
    bool UsingHandles() const { return usingHandles_; }
    const platform::TFontDescription& BaseDescription() const { return baseDescription_; }
    int ScreenUseCount() const { return screen_.UseCount(); }

private:
    void ReleaseInfo();
    void MakeFont(int code, TFontStyleEntry& entry);

    TFontsInfo* info_ = nullptr;
    bool usingHandles_ = false;
    TFontStyleEntry* entry_ = nullptr;
    platform::TFontDescription baseDescription_;
    TScreenContextUse screen_;
};

// Measures the font selected into `canvas` as the cell of a fixed grid: the advance of "M" from its
// A, B and C widths plus the overhang (the average width when the widths are unknown), and the
// absolute height.
platform::TViewSize MeasureCellOf(const platform::TCanvas& canvas);

}  // namespace tips::editor
