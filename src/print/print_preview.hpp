#pragma once
// TCodeEditPrintPreview's portable core: one page of a print engine's output as a sheet with a
// shadow on a background, at the whole page, the page width or a percentage of the real size; paging,
// scrolling and the mouse wheel; and the painting, which lets the engine draw the page through a
// mapping from printer pixels onto the sheet. The window asks through the view ports; the Win32
// control turns its messages into calls here.

#include <functional>

#include "platform/canvas.hpp"
#include "platform/view_port.hpp"
#include "print/code_edit_print.hpp"

namespace tips::print {

enum class TCodePreviewScale : int { pscWholePage = 0, pscPageWidth = 1, pscUserScaled = 2 };

// What a scroll bar asks for, as the window's scroll messages say it.
enum class TPreviewScrollAction { LineUp, LineDown, PageUp, PageDown, ThumbTrack, ThumbPosition, Top, Bottom, EndScroll };

class TCodeEditPrintPreview {
public:
    using TPreviewPageEvent = std::function<void(TCodeEditPrintPreview& sender, int pageNumber)>;
    using TNotifyEvent = std::function<void(TCodeEditPrintPreview& sender)>;

    // Both ports must outlive the control.
    TCodeEditPrintPreview(const platform::TViewMetrics& metrics, platform::TWindowServices& window);
    ~TCodeEditPrintPreview();
    TCodeEditPrintPreview(const TCodeEditPrintPreview&) = delete;
    TCodeEditPrintPreview& operator=(const TCodeEditPrintPreview&) = delete;

    // The background left around the sheet on each side, and what the extent adds to the sheet's
    // size (both margins and the shadow's two pixels).
    static constexpr int kSheetMargin = 12;
    static constexpr int kExtentAllowance = 26;

    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color) { color_ = color; }
    platform::TColor PageBGColor() const { return pageColor_; }
    void SetPageBGColor(platform::TColor color) { pageColor_ = color; }
    // Not owned; dropped when the engine is destroyed.
    TCodeEditPrint* CodeEditPrint() const { return engine_; }
    void SetCodeEditPrint(TCodeEditPrint* engine);
    TCodePreviewScale ScaleMode() const { return scaleMode_; }
    void SetScaleMode(TCodePreviewScale mode);
    int ScalePercent() const { return scalePercent_; }
    void SetScalePercent(int percent);
    bool ShowScrollHint() const { return showScrollHint_; }
    void SetShowScrollHint(bool value) { showScrollHint_ = value; }
    // The screen's resolution, for the real size of the page (96 unless set).
    void SetScreenPixelsPerInch(int x, int y);
    TPreviewPageEvent OnPreviewPage;
    TNotifyEvent OnScaleChange;

    int CurrentPage() const { return currentPage_; }
    int SheetWidth() const { return sheetWidth_; }
    int SheetHeight() const { return sheetHeight_; }
    int ExtentWidth() const { return extentWidth_; }
    int ExtentHeight() const { return extentHeight_; }
    int SheetLeft() const { return sheetLeft_; }
    int SheetTop() const { return sheetTop_; }
    int ScrollX() const { return scrollX_; }
    int ScrollY() const { return scrollY_; }

    // Lays the document out again on `canvas` (the control's), keeping the scale.
    void RefreshLayout(platform::TCanvas& canvas);
    void GoFirstPage();
    void GoPreviousPage();
    void GoNextPage();
    void GoLastPage();
    // Prints the whole document, then lays it out again on `canvas`.
    void PrintAll(platform::TCanvas& canvas);

    // The window was resized.
    void Resized() { FitSheet(); }
    void HorizontalScroll(TPreviewScrollAction action, int thumb = 0);
    void VerticalScroll(TPreviewScrollAction action, int thumb = 0);
    // A wheel rotation in its units (120 a notch, positive away from the user).
    void MouseWheel(int delta);

    // Paints the part `clip` of the client area.
    void Paint(platform::TCanvas& canvas, const platform::TViewRect& clip);

private:
    int PageCount() const;
    void FitSheet();
    void UpdateScrollBars();
    void ScrollToX(int x);
    void ScrollToY(int y);
    void ResetScroll();
    void ShowPage(int page);
    void Repaint();
    void ScaleChanged();

    const platform::TViewMetrics& metrics_;
    platform::TWindowServices& window_;
    platform::TColor color_ = platform::clAppWorkSpace;
    platform::TColor pageColor_ = platform::clWhite;
    TCodeEditPrint* engine_ = nullptr;
    TCodePreviewScale scaleMode_ = TCodePreviewScale::pscUserScaled;
    int scalePercent_ = 100;
    bool showScrollHint_ = true;
    int screenX_ = 96;
    int screenY_ = 96;

    int currentPage_ = 1;
    int sheetWidth_ = 0;
    int sheetHeight_ = 0;
    int extentWidth_ = 0;
    int extentHeight_ = 0;
    int sheetLeft_ = 0;
    int sheetTop_ = 0;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int wheelRemainder_ = 0;
};

}  // namespace tips::print
