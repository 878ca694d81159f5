#pragma once
// TCodeEditPrint: prints a list of lines with a highlighter's colours on the selected printer, and
// draws any one page on a given canvas for the preview. The text is laid out in rows of fixed
// character cells (long lines wrap at break characters), the rows are split into pages between the
// top and bottom margins, and a header and a footer go around each page. One layout serves paper
// and preview: both draw in printer pixels, from the printable area's top-left.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "highlight/custom_highlighter.hpp"
#include "platform/canvas.hpp"
#include "platform/printer.hpp"
#include "print/header_footer.hpp"
#include "print/print_font.hpp"
#include "print/print_lines.hpp"
#include "print/print_margins.hpp"
#include "print/printer_info.hpp"
#include "print/row_breaks.hpp"

namespace tips::print {

enum class TCodePrintStatus : int { psBegin = 0, psNewPage = 1, psEnd = 2 };

class TCodeEditPrint;
using TPrintLineEvent = std::function<void(TCodeEditPrint& sender, int lineNumber, int pageNumber)>;
using TPrintStatusEvent =
    std::function<void(TCodeEditPrint& sender, TCodePrintStatus status, int pageNumber, bool& abort)>;
using TClock = std::function<TDateTimeTexts()>;

// The local date and time in the C library's short date and time forms.
TDateTimeTexts LocalDateTimeTexts();

class TCodeEditPrint {
public:
    TCodeEditPrint();
    ~TCodeEditPrint();
    TCodeEditPrint(const TCodeEditPrint&) = delete;
    TCodeEditPrint& operator=(const TCodeEditPrint&) = delete;

    // ---- Published properties ----------------------------------------------------------------
    int Copies() const { return copies_; }
    // At least 1.
    void SetCopies(int copies);
    THeader& Header() { return header_; }
    TFooter& Footer() { return footer_; }
    TCodeEditPrintMargins& Margins() { return margins_; }
    // The lines as kept; changing them through the list keeps tabs as they are.
    TPrintLines& Lines() { return lines_; }
    const TPrintLines& Lines() const { return lines_; }
    // Assigning copies each line with its tabs expanded to TabWidth and turned into blanks.
    void SetLines(const std::vector<std::string>& lines);
    const TPrintFont& Font() const { return font_; }
    void SetFont(const TPrintFont& font);
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& DocTitle() const { return docTitle_; }
    void SetDocTitle(std::string title) { docTitle_ = std::move(title); }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool value) { wrap_ = value; }
    bool Highlight() const { return highlight_; }
    void SetHighlight(bool value) { highlight_ = value; }
    bool SelectedOnly() const { return selectedOnly_; }
    void SetSelectedOnly(bool value) { selectedOnly_ = value; }
    bool Colors() const { return colors_; }
    void SetColors(bool value) { colors_ = value; }
    bool LineNumbers() const { return lineNumbers_; }
    void SetLineNumbers(bool value) { lineNumbers_ = value; }
    int LineOffset() const { return lineOffset_; }
    void SetLineOffset(int offset) { lineOffset_ = offset; }
    int PageOffset() const { return pageOffset_; }
    void SetPageOffset(int offset) { pageOffset_ = offset; }
    bool LineNumbersInMargin() const { return lineNumbersInMargin_; }
    void SetLineNumbersInMargin(bool value) { lineNumbersInMargin_ = value; }
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width) { tabWidth_ = width; }
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color) { color_ = color; }
    // Not owned; the engine drops it when the highlighter is destroyed.
    highlight::TCodeCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(highlight::TCodeCustomHighlighter* highlighter);
    TPrintLineEvent OnPrintLine;
    TPrintStatusEvent OnPrintStatus;

    // Users that keep a pointer to the engine (the preview) register under their own address and are
    // called from the destructor, so that they drop it.
    void AddFreeNotification(const void* user, std::function<void()> handler);
    void RemoveFreeNotification(const void* user);

    // Where the macros' date and time come from (the local clock unless set).
    void SetClock(TClock clock) { clock_ = std::move(clock); }
    TCodeEditPrinterInfo& PrinterInfo() { return printerInfo_; }

    // ---- Layout and drawing ------------------------------------------------------------------
    // The page count, laid out on a screen canvas when the text, the font or the highlighter changed
    // since the last layout; 0 when no screen canvas can be had.
    int CountPages();
    // Reads the printer again and lays the pages out on `canvas` (printer pixels).
    void LayOutPages(platform::TCanvas& canvas);
    // Draws page `page` (1-based) of the last layout on `canvas`.
    void RenderPage(platform::TCanvas& canvas, int page);
    // Prints every page, Copies times, on the selected printer; throws platform::EPrinterError when
    // there is no printer or the job fails. With SelectedOnly nothing is printed.
    void PrintDocument() { PrintPageRange(1, -1); }
    // Pages first..last (last below 0: the last page).
    void PrintPageRange(int first, int last);

    // ---- What the last layout found ----------------------------------------------------------
    int PageCount() const { return pageCount_; }
    // The index of each page's first line.
    const std::vector<int>& PageStarts() const { return pageStarts_; }
    int RowHeight() const { return rowHeight_; }
    int RowChars() const { return rowChars_; }
    int RowWidth() const { return rowWidth_; }
    int CellAdvance() const { return cellAdvance_; }
    // The rows line `index` is printed in.
    std::vector<TLineRow> RowsOf(int index) const;

private:
    void HighlighterDestroyed(highlight::TCodeCustomHighlighter& sender);
    TLineNumberColumn NumberColumn() const;
    platform::TFontDescription DeviceFont() const;
    int BreakWidth() const { return rowChars_ < 1 ? 1 : rowChars_; }
    std::vector<int> BreaksOf(const std::string& line) const;

    void LayOut(platform::TCanvas& canvas);
    void ComputeRanges();
    void ComputePages(platform::TCanvas& canvas);

    // Returns whether a handler asked to abort.
    bool FireStatus(TCodePrintStatus status, int page);
    void DrawPage(platform::TCanvas& canvas, int page);
    class TPagePainter;

    int copies_ = 1;
    THeader header_;
    TFooter footer_;
    TCodeEditPrintMargins margins_;
    TPrintLines lines_;
    TPrintFont font_;
    std::string title_;
    std::string docTitle_;
    bool wrap_ = true;
    bool highlight_ = true;
    bool selectedOnly_ = false;
    bool colors_ = false;
    bool lineNumbers_ = false;
    int lineOffset_ = 0;
    int pageOffset_ = 0;
    bool lineNumbersInMargin_ = false;
    int tabWidth_ = 8;
    platform::TColor color_ = platform::clWhite;
    highlight::TCodeCustomHighlighter* highlighter_ = nullptr;
    TClock clock_ = LocalDateTimeTexts;
    std::vector<std::pair<const void*, std::function<void()>>> freeNotifications_;

    TCodeEditPrinterInfo printerInfo_;
    // The printer's resolution at the last layout: text is drawn at it on every canvas.
    int devicePixelsPerInch_ = 300;
    int cellAdvance_ = 0;
    int rowHeight_ = 0;
    int rowChars_ = 0;
    int rowWidth_ = 0;
    int pageCount_ = 0;
    std::vector<int> pageStarts_;
    std::vector<highlight::TCodeRange> ranges_;
    platform::TColor savedFontColor_ = platform::clWindowText;
    bool useHighlighter_ = false;
    bool printing_ = false;
    bool abort_ = false;
    // The layout is stale when these differ from what the lines and settings are now.
    std::uint64_t rangesAt_ = 0;
    bool rangesStale_ = true;
    std::uint64_t pagesAt_ = 0;
    bool pagesStale_ = true;
};

}  // namespace tips::print
