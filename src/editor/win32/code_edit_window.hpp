#pragma once
// TCodeEditWindow: the code editor's window. The editor core (TCustomCodeEdit, or a class derived from
// it) decides everything; this class turns the window's messages into calls on it and on the editor's
// mouse, and answers what the core asks of its window: the client size and character cell
// (TViewMetrics) and the window services (scroll bars, caret, invalidation, timers, capture, the scroll
// hint), plus the real clipboard.
//
// The window does not own the core: whoever makes the window keeps the core alive for as long as the
// window object lives (TCodeEditOf below owns one).

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/code_edit_mouse.hpp"
#include "editor/code_edit_painter.hpp"
#include "editor/custom_code_edit.hpp"
#include "platform/view_metrics.hpp"
#include "platform/win32/clipboard_win32.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/window_services.hpp"

namespace tips::editor {

enum class TBorderStyle { bsNone, bsSingle };

class TCodeEditWindow : public widgets::TWinControl, private TCodeEditDragHost {
public:
    TCodeEditWindow(widgets::TWinControl* parent, TCustomCodeEdit& editor);
    ~TCodeEditWindow() override;

    TCustomCodeEdit& Editor() { return editor_; }
    const TCustomCodeEdit& Editor() const { return editor_; }
    TCodeEditMouse& Mouse() { return mouse_; }

    // A plain border (a sunken edge in the three-dimensional look) or none; the window is made again.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // The editor's ScrollBars, set through the window: the window is made again with those bars.
    void SetScrollBars(TScrollStyle bars);
    // Makes the window again, for styles that only a new window takes (after the editor's ScrollBars
    // or eoHideShowScrollbars changed on the core itself).
    void RecreateWindow();

    // The cursor over the text (the control's Cursor): the I-beam unless set.
    void SetTextCursor(HCURSOR cursor) { textCursor_ = cursor; }
    // The cursor over the gutter (the gutter's Cursor): the arrow unless set.
    void SetGutterCursor(HCURSOR cursor) { gutterCursor_ = cursor; }

    // Files dropped from the shell while eoDropFiles is on: client point and the files' paths.
    std::function<void(TCodeEditWindow& sender, int x, int y, const std::vector<std::string>& files)> OnDropFiles;

    // The editor window whose client area holds a screen point, or nullptr.
    static TCodeEditWindow* AtScreenPoint(POINT screen);

protected:
    void CreateParams(widgets::TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The layout's metrics: the client area, and the cell of the editor's font as its text drawer
    // measures it on the screen.
    class TMetrics final : public platform::TViewMetrics {
    public:
        explicit TMetrics(TCodeEditWindow& window) : window_(window) {}
        platform::TViewSize ClientSize() const override;
        platform::TViewSize CharacterCell(platform::TFontStyles style) const override;

    private:
        TCodeEditWindow& window_;
    };

    // TCodeEditDragHost
    void StartDrag() override;

    void Paint(HDC dc, const RECT& area);
    bool SetCursorShape();
    void Scroll(platform::TScrollBarKind bar, WORD code);
    void ImeComposition();
    // The composition window shows the editor's font.
    void GiveImeTheFont();
    void DropFiles(HDROP drop);
    bool HandleMouse(UINT message, WPARAM wParam, int x, int y);
    // Someone else took the mouse: a drag or a selection in progress ends.
    void CaptureTaken();
    void DragMove(POINT client);
    // Ends the drag, dropping at the point when `drop` (with the keys held then).
    void DragFinish(POINT client, bool drop, TShiftState shift);
    void RefreshDragCursor();

    TCustomCodeEdit& editor_;
    widgets::TWin32WindowServices services_{*this};
    TMetrics metrics_{*this};
    TCodeEditPainter painter_{editor_};
    platform::TWin32Clipboard clipboard_;
    TCodeEditMouse mouse_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    HCURSOR textCursor_ = LoadCursor(nullptr, IDC_IBEAM);
    HCURSOR gutterCursor_ = LoadCursor(nullptr, IDC_ARROW);
    bool destroying_ = false;
    // A drag started here and not finished, the editor it is over and whether that one takes it.
    bool dragging_ = false;
    TCodeEditWindow* dragTarget_ = nullptr;
    bool dragAccepted_ = false;
    POINT lastMouse_{};  // of the latest mouse move, where a drag starts
};

// The editor window with its own core. Engine is TCustomCodeEdit or a class derived from it.
template <class Engine>
class TCodeEditOf : private std::unique_ptr<Engine>, public TCodeEditWindow {
public:
    explicit TCodeEditOf(widgets::TWinControl* parent)
        : std::unique_ptr<Engine>(std::make_unique<Engine>()), TCodeEditWindow(parent, *Owned()) {}

    Engine& Core() { return *Owned(); }
    const Engine& Core() const { return *Owned(); }

private:
    Engine* Owned() const { return std::unique_ptr<Engine>::get(); }
};

using TCodeEdit = TCodeEditOf<TCustomCodeEdit>;

}  // namespace tips::editor
