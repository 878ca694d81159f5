#pragma once
// The print preview control's window: it hosts the portable TCodeEditPrintPreview and turns its
// messages into calls on it (paint through a GDI canvas in a double buffer, size, scroll bars, the
// wheel, mouse presses), and answers what the core asks of its window through the window services.

#include <windows.h>

#include <functional>

#include "platform/view_metrics.hpp"
#include "print/print_preview.hpp"
#include "widgets/mouse_button.hpp"
#include "widgets/shortcut.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/window_services.hpp"

namespace tips::print {

enum class TPreviewBorderStyle { bsNone, bsSingle };

class TCodeEditPrintPreviewWindow : public widgets::TWinControl {
public:
    using TMouseEvent = std::function<void(TCodeEditPrintPreviewWindow& sender, widgets::TMouseButton button,
                                           widgets::TShiftState shift, int x, int y)>;

    // Fills its parent (alClient) with a single border, as placed on a form.
    explicit TCodeEditPrintPreviewWindow(widgets::TWinControl* parent);
    ~TCodeEditPrintPreviewWindow() override;

    TCodeEditPrintPreview& Preview() { return preview_; }
    const TCodeEditPrintPreview& Preview() const { return preview_; }

    // A change makes the window again.
    TPreviewBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPreviewBorderStyle style);

    // The core's operations that lay the document out, on a canvas of this window.
    void RefreshLayout();
    void PrintAll();

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    void CreateParams(widgets::TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class TMetrics final : public platform::TViewMetrics {
    public:
        explicit TMetrics(const TCodeEditPrintPreviewWindow& window) : window_(window) {}
        platform::TViewSize ClientSize() const override;
        // The preview lays nothing out in cells of its own.
        platform::TViewSize CharacterCell(platform::TFontStyles) const override { return {1, 1}; }

    private:
        const TCodeEditPrintPreviewWindow& window_;
    };

    void Paint(HDC dc, const RECT& area);
    void Scroll(platform::TScrollBarKind bar, WORD code);
    void MouseButton(UINT message, WPARAM wParam, LPARAM lParam);

    widgets::TWin32WindowServices services_{*this};
    TMetrics metrics_{*this};
    TCodeEditPrintPreview preview_{metrics_, services_};
    TPreviewBorderStyle borderStyle_ = TPreviewBorderStyle::bsSingle;
};

}  // namespace tips::print
