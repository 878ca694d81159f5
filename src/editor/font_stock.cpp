#include "editor/font_stock.hpp"

#include <cstdlib>

namespace tips::editor {

namespace {

constexpr const char* kMissingFont = "SetBaseFont: 'Value' must be specified.";

}  // namespace

platform::TCanvas& TScreenContextUse::Enter() {
    if (useCount_ == 0) screen_ = platform::ScreenCanvasPort().OpenScreenCanvas();
    ++useCount_;
    return screen_->Canvas();
}

void TScreenContextUse::Leave() {
    if (useCount_ == 0) return;
    if (--useCount_ == 0) screen_.reset();
}

platform::TViewSize MeasureCellOf(const platform::TCanvas& canvas) {
    const platform::TTextMetrics metrics = canvas.TextMetrics();
    platform::TCharWidths widths{0, metrics.AverageCharWidth, 0};
    int overhang = 0;
    if (const auto known = canvas.CharWidths('M')) {
        widths = *known;
        overhang = metrics.Overhang;
    }
    return {widths.A + widths.B + widths.C + overhang, std::abs(metrics.Height)};
}

TFontStock::~TFontStock() { ReleaseInfo(); }

void TFontStock::ReleaseInfo() {
    if (info_ == nullptr) return;
    TFontsInfoManager& manager = TFontsInfoManager::Instance();
    if (usingHandles_) manager.UnlockHandles(*info_);
    usingHandles_ = false;
    manager.Release(*info_);
    info_ = nullptr;
    entry_ = nullptr;
}

void TFontStock::SetBaseFont(const platform::TFontDescription* font) {
    if (font == nullptr) throw EFontStockException(kMissingFont);
    TFontsInfoManager& manager = TFontsInfoManager::Instance();
    TFontsInfo& info = manager.Acquire(*font);
    if (&info == info_) {
        manager.Release(info);
        return;
    }
    ReleaseInfo();
    info_ = &info;
    baseDescription_ = info.Key;
    SelectStyle(font->Style);
}

void TFontStock::SelectStyle(platform::TFontStyles style) {
    if (info_ == nullptr) return;
    if (!usingHandles_) {
        TFontsInfoManager::Instance().LockHandles(*info_);
        usingHandles_ = true;
    }
    const int code = style.Bits();
    TFontStyleEntry& entry = info_->Styles[static_cast<std::size_t>(code)];
    if (&entry == entry_) return;
    entry_ = &entry;
    if (!entry.Font) MakeFont(code, entry);
}

void TFontStock::MakeFont(int code, TFontStyleEntry& entry) {
    platform::TFontDescription description = baseDescription_;
    description.Style = platform::TFontStyles::FromBits(static_cast<std::uint8_t>(code));
    platform::TCanvas& canvas = screen_.Enter();
    try {
        entry.Font = canvas.Fonts().MakeFont(description);
        const platform::TSavedCanvasState saved(canvas);
        canvas.SetFont(*entry.Font);
        const platform::TViewSize cell = MeasureCellOf(canvas);
        entry.Advance = cell.Width;
        entry.Height = cell.Height;
    } catch (...) {
        screen_.Leave();
        throw;
    }
    screen_.Leave();
}

}  // namespace tips::editor
