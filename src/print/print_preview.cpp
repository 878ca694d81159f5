#include "print/print_preview.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace tips::print {

namespace {

constexpr int kWheelNotch = 120;
constexpr int kHintMaxWidth = 200;
constexpr platform::TColor kShadowColor = 0x808080;

}  // namespace

TCodeEditPrintPreview::TCodeEditPrintPreview(const platform::TViewMetrics& metrics, platform::TWindowServices& window)
    : metrics_(metrics), window_(window) {}

TCodeEditPrintPreview::~TCodeEditPrintPreview() {
    if (engine_ != nullptr) engine_->RemoveFreeNotification(this);
}

void TCodeEditPrintPreview::SetCodeEditPrint(TCodeEditPrint* engine) {
    if (engine == engine_) return;
    if (engine_ != nullptr) engine_->RemoveFreeNotification(this);
    engine_ = engine;
    if (engine_ != nullptr) engine_->AddFreeNotification(this, [this] { SetCodeEditPrint(nullptr); });
    FitSheet();
    Repaint();
}

void TCodeEditPrintPreview::SetScreenPixelsPerInch(int x, int y) {
    if (x > 0) screenX_ = x;
    if (y > 0) screenY_ = y;
}

int TCodeEditPrintPreview::PageCount() const { return engine_ != nullptr ? std::max(engine_->PageCount(), 1) : 1; }

void TCodeEditPrintPreview::FitSheet() {
    if (!window_.WindowExists() || engine_ == nullptr) return;
    TCodeEditPrinterInfo& info = engine_->PrinterInfo();
    const int paperWidth = info.PaperWidth();
    const int paperHeight = info.PaperHeight();
    const platform::TViewSize client = metrics_.ClientSize();
    int width = 0;
    int height = 0;
    switch (scaleMode_) {
        case TCodePreviewScale::pscWholePage:
            width = client.Width - kExtentAllowance;
            height = client.Height - kExtentAllowance;
            if (MulDiv(height, paperWidth, paperHeight) < width) {
                width = MulDiv(height, paperWidth, paperHeight);
            } else {
                height = MulDiv(width, paperHeight, paperWidth);
            }
            break;
        case TCodePreviewScale::pscPageWidth:
            width = client.Width - kExtentAllowance;
            height = MulDiv(width, paperHeight, paperWidth);
            break;
        case TCodePreviewScale::pscUserScaled:
            width = MulDiv(MulDiv(paperWidth, screenX_, info.DotsPerInchX()), scalePercent_, 100);
            height = MulDiv(MulDiv(paperHeight, screenY_, info.DotsPerInchY()), scalePercent_, 100);
            break;
    }
    sheetWidth_ = width;
    sheetHeight_ = height;
    extentWidth_ = width + kExtentAllowance;
    extentHeight_ = height + kExtentAllowance;
    sheetLeft_ = kSheetMargin + (extentWidth_ < client.Width ? (client.Width - extentWidth_) / 2 : 0);
    sheetTop_ = kSheetMargin + (extentHeight_ < client.Height ? (client.Height - extentHeight_) / 2 : 0);
    scrollX_ = 0;
    scrollY_ = 0;
    UpdateScrollBars();
}

void TCodeEditPrintPreview::UpdateScrollBars() {
    if (!window_.WindowExists()) return;
    const platform::TViewSize client = metrics_.ClientSize();
    using platform::TScrollBarKind;
    const platform::TViewScrollInfo none{0, 0, 0, 0, true};
    const platform::TViewScrollInfo vertical{0, extentHeight_, client.Height, -scrollY_};
    switch (scaleMode_) {
        case TCodePreviewScale::pscWholePage:
            window_.SetScrollInfo(TScrollBarKind::Horizontal, none);
            window_.SetScrollInfo(TScrollBarKind::Vertical, {1, PageCount(), 1, currentPage_});
            break;
        case TCodePreviewScale::pscPageWidth:
            window_.SetScrollInfo(TScrollBarKind::Horizontal, none);
            window_.SetScrollInfo(TScrollBarKind::Vertical, vertical);
            break;
        case TCodePreviewScale::pscUserScaled:
            window_.SetScrollInfo(TScrollBarKind::Horizontal, {0, extentWidth_, client.Width, -scrollX_});
            window_.SetScrollInfo(TScrollBarKind::Vertical, vertical);
            break;
    }
}

void TCodeEditPrintPreview::ResetScroll() {
    scrollX_ = 0;
    scrollY_ = 0;
}

void TCodeEditPrintPreview::Repaint() {
    if (!window_.WindowExists()) return;
    const platform::TViewSize client = metrics_.ClientSize();
    window_.Invalidate({0, 0, client.Width, client.Height});
}

void TCodeEditPrintPreview::ScaleChanged() {
    if (OnScaleChange) OnScaleChange(*this);
}

void TCodeEditPrintPreview::SetScaleMode(TCodePreviewScale mode) {
    if (mode == scaleMode_) return;
    scaleMode_ = mode;
    ResetScroll();
    FitSheet();
    ScaleChanged();
    Repaint();
}

void TCodeEditPrintPreview::SetScalePercent(int percent) {
    if (percent == scalePercent_) {
        SetScaleMode(TCodePreviewScale::pscUserScaled);
    } else {
        scaleMode_ = TCodePreviewScale::pscUserScaled;
        ResetScroll();
        scalePercent_ = percent;
        FitSheet();
        Repaint();
    }
    ScaleChanged();
}

void TCodeEditPrintPreview::RefreshLayout(platform::TCanvas& canvas) {
    const TCodePreviewScale mode = scaleMode_;
    const int percent = scalePercent_;
    SetScalePercent(100);
    if (engine_ != nullptr) engine_->LayOutPages(canvas);
    FitSheet();
    SetScaleMode(mode);
    if (mode == TCodePreviewScale::pscUserScaled) SetScalePercent(percent);
    if (OnPreviewPage) OnPreviewPage(*this, currentPage_);
}

void TCodeEditPrintPreview::ShowPage(int page) {
    currentPage_ = page;
    if (OnPreviewPage) OnPreviewPage(*this, currentPage_);
    Repaint();
}

void TCodeEditPrintPreview::GoFirstPage() { ShowPage(1); }

void TCodeEditPrintPreview::GoPreviousPage() { ShowPage(std::max(currentPage_ - 1, 1)); }

void TCodeEditPrintPreview::GoNextPage() { ShowPage(std::min(currentPage_ + 1, PageCount())); }

void TCodeEditPrintPreview::GoLastPage() { ShowPage(engine_ != nullptr ? PageCount() : currentPage_); }

void TCodeEditPrintPreview::PrintAll(platform::TCanvas& canvas) {
    if (engine_ == nullptr) return;
    engine_->PrintDocument();
    RefreshLayout(canvas);
}

void TCodeEditPrintPreview::ScrollToX(int x) {
    const platform::TViewSize client = metrics_.ClientSize();
    x = std::min(0, std::max(x, client.Width - extentWidth_));
    if (x == scrollX_) return;
    scrollX_ = x;
    UpdateScrollBars();
    // The window moves pixels only up and down: a sideways move repaints.
    Repaint();
}

void TCodeEditPrintPreview::ScrollToY(int y) {
    const platform::TViewSize client = metrics_.ClientSize();
    y = std::min(0, std::max(y, client.Height - extentHeight_));
    if (y == scrollY_) return;
    const int dy = y - scrollY_;
    scrollY_ = y;
    UpdateScrollBars();
    if (!window_.WindowExists()) return;
    if (std::abs(dy) > client.Height / 2) {
        Repaint();
    } else {
        window_.ScrollPixels(dy, {0, 0, client.Width, client.Height});
    }
}

namespace {

// Where a scroll action takes an offset of `current` (0 or negative) along a client of `size`.
int ScrolledTo(TPreviewScrollAction action, int thumb, int current, int size, int extent) {
    switch (action) {
        case TPreviewScrollAction::LineUp: return current + size / 10;
        case TPreviewScrollAction::LineDown: return current - size / 10;
        case TPreviewScrollAction::PageUp: return current + size / 2;
        case TPreviewScrollAction::PageDown: return current - size / 2;
        case TPreviewScrollAction::ThumbTrack:
        case TPreviewScrollAction::ThumbPosition: return -thumb;
        case TPreviewScrollAction::Top: return 0;
        case TPreviewScrollAction::Bottom: return -extent;
        case TPreviewScrollAction::EndScroll: return current;
    }
    return current;
}

}  // namespace

void TCodeEditPrintPreview::HorizontalScroll(TPreviewScrollAction action, int thumb) {
    if (scaleMode_ == TCodePreviewScale::pscWholePage) return;
    ScrollToX(ScrolledTo(action, thumb, scrollX_, metrics_.ClientSize().Width, extentWidth_));
}

void TCodeEditPrintPreview::VerticalScroll(TPreviewScrollAction action, int thumb) {
    if (scaleMode_ != TCodePreviewScale::pscWholePage) {
        ScrollToY(ScrolledTo(action, thumb, scrollY_, metrics_.ClientSize().Height, extentHeight_));
        return;
    }
    int page = currentPage_;
    switch (action) {
        case TPreviewScrollAction::LineUp:
        case TPreviewScrollAction::PageUp: page = std::max(page - 1, 1); break;
        case TPreviewScrollAction::LineDown:
        case TPreviewScrollAction::PageDown: page = std::min(page + 1, PageCount()); break;
        case TPreviewScrollAction::Top: page = 1; break;
        case TPreviewScrollAction::Bottom: page = PageCount(); break;
        case TPreviewScrollAction::ThumbTrack:
        case TPreviewScrollAction::ThumbPosition: page = std::clamp(thumb, 1, PageCount()); break;
        case TPreviewScrollAction::EndScroll:
            window_.HideHint();
            return;
    }
    if (action == TPreviewScrollAction::ThumbTrack && showScrollHint_) {
        const std::string text = "Page: " + std::to_string(page);
        const platform::TViewSize size = window_.HintSize(text, kHintMaxWidth);
        window_.ShowHint(text, metrics_.ClientSize().Width - 4 - size.Width, 10);
    }
    currentPage_ = page;
    UpdateScrollBars();
    if (OnPreviewPage) OnPreviewPage(*this, currentPage_);
    Repaint();
}

void TCodeEditPrintPreview::MouseWheel(int delta) {
    if (scaleMode_ == TCodePreviewScale::pscWholePage) return;
    wheelRemainder_ += delta;
    while (std::abs(wheelRemainder_) >= kWheelNotch) {
        const int notch = wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        ScrollToY(scrollY_ + notch);
        wheelRemainder_ -= notch;
    }
}

void TCodeEditPrintPreview::Paint(platform::TCanvas& canvas, const platform::TViewRect& clip) {
    const platform::TSavedCanvasState saved(canvas);
    if (engine_ == nullptr) {
        canvas.FillRect(clip, color_);
        const platform::TViewRect outline{kSheetMargin, kSheetMargin, kSheetMargin + 30, kSheetMargin + 43};
        canvas.FillRect(outline, pageColor_);
        canvas.FrameRect(outline, platform::clBlack);
        return;
    }
    const int left = sheetLeft_ + scrollX_;
    const int top = sheetTop_ + (scaleMode_ == TCodePreviewScale::pscWholePage ? 0 : scrollY_);
    const int right = left + sheetWidth_;
    const int bottom = top + sheetHeight_;
    const platform::TViewRect sheet{left, top, right + 1, bottom + 1};
    {
        const platform::TSavedCanvasState around(canvas);
        canvas.ExcludeClip(sheet);
        canvas.FillRect(clip, color_);
        for (int i = 1; i <= 2; ++i) {
            const std::array<platform::TViewPoint, 3> shadow{{{left + i, bottom + i}, {right + i, bottom + i}, {right + i, top + i}}};
            canvas.Polyline(shadow, kShadowColor);
        }
    }
    canvas.IntersectClip(sheet);
    canvas.FillRect(sheet, pageColor_);
    canvas.FrameRect(sheet, platform::clBlack);
    TCodeEditPrinterInfo& info = engine_->PrinterInfo();
    if (info.PaperWidth() <= 0 || info.PaperHeight() <= 0 || sheetWidth_ <= 0 || sheetHeight_ <= 0) return;
    // Printer pixels onto the sheet, logical (0, 0) at the printable area's corner as on paper.
    platform::TMapping mapping;
    mapping.WindowExtent = {info.PaperWidth(), info.PaperHeight()};
    mapping.ViewportExtent = {sheetWidth_, sheetHeight_};
    mapping.ViewportOrigin = {left + MulDiv(info.LeftUnprintable(), sheetWidth_, info.PaperWidth()),
                              top + MulDiv(info.TopUnprintable(), sheetHeight_, info.PaperHeight())};
    canvas.SetMapping(mapping);
    canvas.IntersectClip({0, 0, info.UsableWidth(), info.UsableHeight()});
    engine_->RenderPage(canvas, currentPage_);
}

}  // namespace tips::print
