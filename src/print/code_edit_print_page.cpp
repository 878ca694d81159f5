// Drawing one page: the text area, the header, the lines in rows of character cells, the footer.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "print/canvas_fonts.hpp"
#include "print/code_edit_print.hpp"

namespace tips::print {

// Draws the lines of one page; lives for that page.
class TCodeEditPrint::TPagePainter {
public:
    TPagePainter(TCodeEditPrint& engine, platform::TCanvas& canvas, TCanvasFonts& fonts)
        : e_(engine), canvas_(canvas), fonts_(fonts), d_(engine.margins_.Device()), y_(d_.DevTop) {}

    void WriteLine(int index) {
        if (e_.lineNumbers_) WriteLineNumber(index + 1 + e_.lineOffset_);
        const std::string& line = e_.lines_.Get(index);
        const std::vector<int> breaks = e_.BreaksOf(line);
        if (e_.useHighlighter_) {
            WriteHighlighted(line, index, breaks);
        } else {
            WritePlain(line, breaks);
        }
        y_ += e_.rowHeight_;
    }

private:
    // Ends at the text's left edge, in the text font without style, in black.
    void WriteLineNumber(int number) {
        const platform::TSavedCanvasState saved(canvas_);
        platform::TFontDescription font = e_.DeviceFont();
        font.Style = {};
        fonts_.Select(font);
        canvas_.SetTextColor(platform::clBlack);
        canvas_.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
        const std::string text = std::to_string(number) + ": ";
        canvas_.WriteText({d_.DevLeft - canvas_.TextExtent(text).Width, y_}, text);
    }

    void WritePlain(std::string_view line, const std::vector<int>& breaks) {
        canvas_.SetTextColor(canvas_.Resolve(e_.savedFontColor_));
        canvas_.SetBackColor(canvas_.Resolve(e_.color_));
        canvas_.SetBackgroundMode(platform::TBackgroundMode::bmOpaque);
        if (!e_.wrap_) {
            // Without wrapping a row holds what fits; the rest is cut.
            canvas_.WriteText({d_.DevLeft, y_}, line.substr(0, static_cast<std::size_t>(e_.BreakWidth())));
            return;
        }
        bool first = true;
        for (const TLineRow& row : LineRows(line, breaks)) {
            if (!first) y_ += e_.rowHeight_;
            first = false;
            canvas_.WriteText({d_.DevLeft, y_}, line.substr(static_cast<std::size_t>(row.Start),
                                                            static_cast<std::size_t>(row.Length)));
        }
    }

    void SetTokenLook(const highlight::TCodeHighlighterAttributes* attribute) {
        platform::TFontDescription font = e_.DeviceFont();
        platform::TColor foreground = e_.savedFontColor_;
        platform::TColor background = e_.color_;
        if (attribute != nullptr) {
            font.Style = attribute->Style();
            if (e_.colors_) {
                if (attribute->Foreground() != platform::clNone) foreground = attribute->Foreground();
                if (attribute->Background() != platform::clNone) background = attribute->Background();
            }
        }
        fonts_.Select(font);
        canvas_.SetTextColor(canvas_.Resolve(foreground));
        canvas_.SetBackColor(canvas_.Resolve(background));
    }

    // One cell per character, however long the run.
    void WriteCells(int x, std::string_view text) {
        if (text.empty()) return;
        if (advances_.size() < text.size()) advances_.assign(std::max<std::size_t>(text.size(), 1024), e_.cellAdvance_);
        canvas_.WriteText({x, y_}, text, std::span<const int>(advances_.data(), text.size()));
    }

    void NewRow() { y_ += e_.rowHeight_; }

    void WriteHighlighted(const std::string& line, int index, const std::vector<int>& breaks) {
        const platform::TSavedCanvasState saved(canvas_);
        canvas_.SetBackgroundMode(platform::TBackgroundMode::bmOpaque);
        highlight::TCodeCustomHighlighter& h = *e_.highlighter_;
        const auto range = static_cast<std::size_t>(index) < e_.ranges_.size() ? e_.ranges_[static_cast<std::size_t>(index)] : 0;
        h.RestoreRange(range);
        h.BeginLine(line, index);
        const std::size_t count = breaks.size();
        std::size_t next = 0;  // the next break
        int rowStart = 0;
        for (; !h.AtLineEnd(); h.NextToken()) {
            SetTokenLook(h.TokenAttributes());
            const std::string text = h.TokenText();
            const int start = h.TokenStart();
            const int end = start + static_cast<int>(text.size());
            // A token past a break starts on a new row (past several, after as many).
            while (next < count && start >= breaks[next]) {
                rowStart = breaks[next++];
                NewRow();
            }
            int pieceStart = start;
            int x = d_.DevLeft + (start - rowStart) * e_.cellAdvance_;
            // A token over a break is cut there; each piece after the first starts a row.
            while (next < count && end > breaks[next]) {
                const int at = breaks[next++];
                WriteCells(x, std::string_view(text).substr(static_cast<std::size_t>(pieceStart - start),
                                                            static_cast<std::size_t>(at - pieceStart)));
                NewRow();
                pieceStart = rowStart = at;
                x = d_.DevLeft;
            }
            WriteCells(x, std::string_view(text).substr(static_cast<std::size_t>(pieceStart - start)));
        }
    }

    TCodeEditPrint& e_;
    platform::TCanvas& canvas_;
    TCanvasFonts& fonts_;
    const TDeviceMargins& d_;
    int y_;
    std::vector<int> advances_;
};

void TCodeEditPrint::RenderPage(platform::TCanvas& canvas, int page) {
    abort_ = false;
    printing_ = false;
    DrawPage(canvas, page);
}

void TCodeEditPrint::DrawPage(platform::TCanvas& canvas, int page) {
    if (FireStatus(TCodePrintStatus::psNewPage, page)) return;
    TCanvasFonts fonts(canvas);
    const platform::TSavedCanvasState saved(canvas);
    fonts.Select(DeviceFont());
    // This page's margins before the fill, so that a mirrored page fills its own text area.
    margins_.ComputeDeviceMargins(canvas, page, NumberColumn(), printerInfo_);
    const TDeviceMargins& d = margins_.Device();
    canvas.FillRect({d.DevLeft, d.DevTop, d.DevRight, d.DevBottom}, color_);
    header_.Print(canvas, page + pageOffset_);
    if (!pageStarts_.empty() && page >= 1 && page <= pageCount_) {
        const int first = pageStarts_[static_cast<std::size_t>(page - 1)];
        const int end = page < pageCount_ ? pageStarts_[static_cast<std::size_t>(page)] : lines_.Count();
        TPagePainter painter(*this, canvas, fonts);
        for (int i = first; i < end && i < lines_.Count(); ++i) {
            // The engine is never given a selection, so with SelectedOnly no line is printed.
            if (selectedOnly_) continue;
            painter.WriteLine(i);
            if (OnPrintLine) OnPrintLine(*this, i + 1, page);
        }
    }
    footer_.Print(canvas, page + pageOffset_);
}

}  // namespace tips::print
