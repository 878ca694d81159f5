#include "print/header_footer.hpp"

#include <algorithm>
#include <utility>

#include "print/canvas_fonts.hpp"
#include "print/header_footer_text.hpp"

namespace tips::print {

TPrintFont DefaultHeaderFooterFont() {
    return TPrintFont({"Arial", -13, {}, platform::kDefaultCharSet, platform::TFontPitch::fpDefault}, platform::clBlack);
}

int THeaderFooter::Add(std::string text, const TPrintFont* font, TAlignment alignment, int lineNumber) {
    THeaderFooterItem item;
    item.Text = std::move(text);
    item.Font = font != nullptr ? *font : defaultFont_;
    item.LineNumber = lineNumber;
    item.Alignment = alignment;
    item.Index = Count();
    items_.push_back(std::move(item));
    return items_.back().Index;
}

void THeaderFooter::SetPixelsPerInch(int pixelsPerInch) {
    for (THeaderFooterItem& item : items_) item.Font.SetPixelsPerInch(pixelsPerInch);
}

void THeaderFooter::Layout(platform::TCanvas& canvas, int devicePixelsPerInch, int pageCount,
                           const TCodeEditPrintMargins& margins, std::string title, TDateTimeTexts now) {
    margins_ = &margins;
    devicePixelsPerInch_ = devicePixelsPerInch;
    pageCount_ = pageCount;
    title_ = std::move(title);
    now_ = std::move(now);

    std::stable_sort(items_.begin(), items_.end(),
                     [](const THeaderFooterItem& a, const THeaderFooterItem& b) { return a.LineNumber < b.LineNumber; });
    // Lines are numbered 1, 2, 3 ... in order, whatever gaps the given numbers left.
    int line = 0;
    int previous = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i == 0 || items_[i].LineNumber != previous) ++line;
        previous = items_[i].LineNumber;
        items_[i].LineNumber = line;
    }

    lines_.assign(static_cast<std::size_t>(line), TLineInfo{});
    if (items_.empty()) {
        frameHeight_ = -1;
        return;
    }
    TCanvasFonts fonts(canvas);
    const platform::TSavedCanvasState saved(canvas);
    for (const THeaderFooterItem& item : items_) {
        fonts.Select(item.Font.At(devicePixelsPerInch_));
        TLineInfo& info = lines_[static_cast<std::size_t>(item.LineNumber - 1)];
        info.Height = std::max(info.Height, canvas.TextExtent("W").Height);
        const platform::TTextMetrics metrics = canvas.TextMetrics();
        info.BaseDistance = std::max(info.BaseDistance, metrics.Height - metrics.Descent);
    }
    frameHeight_ = 2 * margins.Device().DevHFInternal;
    for (const TLineInfo& info : lines_) frameHeight_ += info.Height;
}

void THeaderFooter::Print(platform::TCanvas& canvas, int page) const {
    if (frameHeight_ <= 0 || margins_ == nullptr) return;
    const TDeviceMargins& d = margins_->Device();
    const bool header = kind_ == THeaderFooterKind::hfkHeader;
    TCanvasFonts fonts(canvas);
    const platform::TSavedCanvasState saved(canvas);

    const platform::TViewRect frame = header ? platform::TViewRect{d.DevLeft, d.DevHeader - frameHeight_, d.DevRight, d.DevHeader}
                                             : platform::TViewRect{d.DevLeft, d.DevFooter, d.DevRight, d.DevFooter + frameHeight_};
    if ((frameTypes_ & ftShaded) != 0) canvas.FillRect(frame, shadedColor_);
    if ((frameTypes_ & ftBox) != 0) canvas.FrameRect(frame, lineColor_);
    if ((frameTypes_ & ftLine) != 0) {
        const int y = header ? d.DevHeader : d.DevFooter;
        canvas.Line({d.DevLeft, y}, {d.DevRight, y}, lineColor_);
    }

    const TMacroValues values{page, pageCount_, romanNumbers_, title_, now_.Date, now_.Time};
    const bool swap = mirrorPosition_ && page % 2 == 0;
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    int top = (header ? d.DevHeader - frameHeight_ : d.DevFooter) + d.DevHFInternal;
    int line = 1;
    for (const THeaderFooterItem& item : items_) {
        while (line < item.LineNumber) top += lines_[static_cast<std::size_t>(line++ - 1)].Height;
        const std::string text = ExpandMacros(item.Text, values);
        fonts.Select(item.Font.At(devicePixelsPerInch_));
        canvas.SetTextColor(canvas.Resolve(item.Font.Color()));
        const int width = canvas.TextExtent(text).Width;
        TAlignment alignment = item.Alignment;
        if (swap && alignment == TAlignment::taLeftJustify) {
            alignment = TAlignment::taRightJustify;
        } else if (swap && alignment == TAlignment::taRightJustify) {
            alignment = TAlignment::taLeftJustify;
        }
        int x = d.DevHFLeft;
        if (alignment == TAlignment::taRightJustify) x = d.DevHFRight - width;
        if (alignment == TAlignment::taCenter) x = (d.DevHFLeft + d.DevHFRight - width) / 2;
        // The line's base line, whatever the item's own ascent.
        const int baseLine = top + lines_[static_cast<std::size_t>(item.LineNumber - 1)].BaseDistance;
        const platform::TTextMetrics metrics = canvas.TextMetrics();
        canvas.WriteText({x, baseLine - (metrics.Height - metrics.Descent)}, text);
    }
}

void THeaderFooter::Assign(const THeaderFooter& source) {
    if (&source == this) return;
    Clear();
    kind_ = source.kind_;
    frameTypes_ = source.frameTypes_;
    shadedColor_ = source.shadedColor_;
    lineColor_ = source.lineColor_;
    for (const THeaderFooterItem& item : source.items_) Add(item.Text, &item.Font, item.Alignment, item.LineNumber);
    defaultFont_ = source.defaultFont_;
    romanNumbers_ = source.romanNumbers_;
    mirrorPosition_ = source.mirrorPosition_;
}

}  // namespace tips::print
