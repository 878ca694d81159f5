#include "print/code_edit_print.hpp"

#include <algorithm>
#include <ctime>
#include <string>

#include "platform/screen_canvas.hpp"
#include "print/canvas_fonts.hpp"

namespace tips::print {

TDateTimeTexts LocalDateTimeTexts() {
    const std::time_t now = std::time(nullptr);
    // One user-interface thread: the library's shared result is safe to read at once.
    const std::tm* found = std::localtime(&now);
    const std::tm local = found != nullptr ? *found : std::tm{};
    char date[64] = {};
    char time[64] = {};
    std::strftime(date, sizeof date, "%x", &local);
    std::strftime(time, sizeof time, "%X", &local);
    return {date, time};
}

TCodeEditPrint::TCodeEditPrint() = default;

TCodeEditPrint::~TCodeEditPrint() {
    SetHighlighter(nullptr);
    // A handler may unregister itself: call each from a copy.
    const auto users = std::move(freeNotifications_);
    for (const auto& [user, handler] : users) handler();
}

void TCodeEditPrint::AddFreeNotification(const void* user, std::function<void()> handler) {
    RemoveFreeNotification(user);
    freeNotifications_.emplace_back(user, std::move(handler));
}

void TCodeEditPrint::RemoveFreeNotification(const void* user) {
    std::erase_if(freeNotifications_, [user](const auto& entry) { return entry.first == user; });
}

void TCodeEditPrint::SetCopies(int copies) { copies_ = std::max(copies, 1); }

void TCodeEditPrint::SetLines(const std::vector<std::string>& lines) {
    lines_.Clear();
    for (const std::string& line : lines) lines_.Add(ExpandTabs(line, tabWidth_));
    rangesStale_ = true;
    pagesStale_ = true;
}

void TCodeEditPrint::SetFont(const TPrintFont& font) {
    font_ = font;
    pagesStale_ = true;
}

void TCodeEditPrint::SetHighlighter(highlight::TCodeCustomHighlighter* highlighter) {
    if (highlighter == highlighter_) return;
    const auto destroyed = highlight::TCodeNotifyEvent::Bind<&TCodeEditPrint::HighlighterDestroyed>(*this);
    if (highlighter_ != nullptr) highlighter_->RemoveFreeNotification(destroyed);
    highlighter_ = highlighter;
    if (highlighter_ != nullptr) highlighter_->AddFreeNotification(destroyed);
    rangesStale_ = true;
    pagesStale_ = true;
}

void TCodeEditPrint::HighlighterDestroyed(highlight::TCodeCustomHighlighter& sender) {
    if (&sender != highlighter_) return;
    highlighter_ = nullptr;
    rangesStale_ = true;
    pagesStale_ = true;
}

TLineNumberColumn TCodeEditPrint::NumberColumn() const {
    return {lineNumbers_, lineNumbersInMargin_, lines_.Count() + lineOffset_};
}

platform::TFontDescription TCodeEditPrint::DeviceFont() const { return font_.At(devicePixelsPerInch_); }

std::vector<int> TCodeEditPrint::BreaksOf(const std::string& line) const {
    // Every character takes one cell, so a line is wider than a row when it has more characters.
    if (!wrap_ || static_cast<int>(line.size()) <= BreakWidth()) return {};
    return RowBreaks(line, BreakWidth());
}

std::vector<TLineRow> TCodeEditPrint::RowsOf(int index) const {
    const std::string& line = lines_.Get(index);
    return LineRows(line, BreaksOf(line));
}

int TCodeEditPrint::CountPages() {
    if (!pagesStale_ && pagesAt_ == lines_.ChangeCount()) return pageCount_;
    const auto screen = platform::ScreenCanvasPort().OpenScreenCanvas();
    if (!screen) return 0;
    LayOutPages(screen->Canvas());
    return pageCount_;
}

void TCodeEditPrint::LayOutPages(platform::TCanvas& canvas) {
    printerInfo_.Refresh();
    LayOut(canvas);
}

void TCodeEditPrint::LayOut(platform::TCanvas& canvas) {
    savedFontColor_ = font_.Color();
    const int dpi = printerInfo_.DotsPerInchY();
    devicePixelsPerInch_ = dpi;
    if (!printing_) {
        // Measured as on paper: the fonts keep their size at the printer's resolution.
        font_.SetPixelsPerInch(dpi);
        header_.SetPixelsPerInch(dpi);
        footer_.SetPixelsPerInch(dpi);
    }
    TCanvasFonts fonts(canvas);
    const platform::TSavedCanvasState saved(canvas);
    fonts.Select(DeviceFont());
    cellAdvance_ = canvas.TextMetrics().AverageCharWidth;
    margins_.ComputeDeviceMargins(canvas, 1, NumberColumn(), printerInfo_);
    ComputeRanges();
    ComputePages(canvas);
    const TDateTimeTexts now = clock_ ? clock_() : TDateTimeTexts{};
    header_.Layout(canvas, dpi, pageCount_, margins_, title_, now);
    footer_.Layout(canvas, dpi, pageCount_, margins_, title_, now);
    useHighlighter_ = highlight_ && highlighter_ != nullptr && lines_.Count() > 0;
}

void TCodeEditPrint::ComputeRanges() {
    const bool stale = rangesStale_ || rangesAt_ != lines_.ChangeCount();
    if (!stale || highlighter_ == nullptr || lines_.Count() == 0) return;
    // The range each line starts in: line 0's is the cleared one.
    ranges_.assign(static_cast<std::size_t>(lines_.Count()), 0);
    highlighter_->ClearRange();
    ranges_[0] = highlighter_->CurrentRange();
    for (int i = 1; i < lines_.Count(); ++i) {
        highlighter_->BeginLine(lines_.Get(i - 1), i - 1);
        highlighter_->SkipToLineEnd();
        ranges_[static_cast<std::size_t>(i)] = highlighter_->CurrentRange();
    }
    rangesStale_ = false;
    rangesAt_ = lines_.ChangeCount();
}

void TCodeEditPrint::ComputePages(platform::TCanvas& canvas) {
    const TDeviceMargins& d = margins_.Device();
    rowWidth_ = d.DevRight - d.DevLeft;
    // The most letters W narrower than the text area (none for a text area of no width).
    int fit = 0;
    if (rowWidth_ > 0) {
        const int w = std::max(canvas.TextExtent("W").Width, 1);
        fit = std::max(0, (rowWidth_ - 1) / w - 1);
        // A font whose W has no width fits one a pixel, not without end.
        while (fit < rowWidth_ && canvas.TextExtent(std::string(static_cast<std::size_t>(fit + 1), 'W')).Width < rowWidth_) ++fit;
        while (fit > 0 && canvas.TextExtent(std::string(static_cast<std::size_t>(fit), 'W')).Width >= rowWidth_) --fit;
    }
    rowChars_ = fit;
    rowWidth_ = canvas.TextExtent(std::string(static_cast<std::size_t>(rowChars_), 'W')).Width;
    const platform::TTextMetrics metrics = canvas.TextMetrics();
    rowHeight_ = metrics.Height + metrics.ExternalLeading;

    pageCount_ = 1;
    pageStarts_.assign(1, 0);
    int y = d.DevTop;
    for (int i = 0; i < lines_.Count(); ++i) {
        // A line that does not fit goes to the next page, unless this page is still empty (a row
        // taller than the text area gets a page of its own rather than an empty page before it).
        if (d.DevBottom < y + rowHeight_ && y > d.DevTop) {
            y = d.DevTop;
            ++pageCount_;
            pageStarts_.push_back(i);
        }
        // The rows of one line stay on one page, even below the bottom margin.
        y += rowHeight_ * (static_cast<int>(BreaksOf(lines_.Get(i)).size()) + 1);
    }
    pagesStale_ = false;
    pagesAt_ = lines_.ChangeCount();
}

bool TCodeEditPrint::FireStatus(TCodePrintStatus status, int page) {
    abort_ = false;
    if (OnPrintStatus) OnPrintStatus(*this, status, page, abort_);
    return abort_;
}

}  // namespace tips::print
