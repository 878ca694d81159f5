// TCodeEditWindow: creation, metrics, paint, keyboard, focus, scrolling, the input method, cursors and
// the clipboard messages. The mouse and drag and drop are in code_edit_window_mouse.cpp.

#include "editor/win32/code_edit_window.hpp"

#include <imm.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_font.hpp"
#include "platform/win32/gdi_object.hpp"
#include "widgets/win32/db_grid_cell_edit.hpp"  // KeyboardShiftState

namespace tips::editor {

namespace {

// The editor's request for a scroll bar's notification code; nothing for codes it has none for.
std::optional<TCustomCodeEdit::ScrollRequest> RequestOf(WORD code) {
    switch (code) {
        case SB_LINEUP: return TCustomCodeEdit::sbLineUp;
        case SB_LINEDOWN: return TCustomCodeEdit::sbLineDown;
        case SB_PAGEUP: return TCustomCodeEdit::sbPageUp;
        case SB_PAGEDOWN: return TCustomCodeEdit::sbPageDown;
        case SB_THUMBPOSITION: return TCustomCodeEdit::sbThumbPosition;
        case SB_THUMBTRACK: return TCustomCodeEdit::sbThumbTrack;
        case SB_TOP: return TCustomCodeEdit::sbTop;
        case SB_BOTTOM: return TCustomCodeEdit::sbBottom;
        case SB_ENDSCROLL: return TCustomCodeEdit::sbEndScroll;
        default: return std::nullopt;
    }
}

}  // namespace

// ---- Metrics ------------------------------------------------------------------------------------

platform::TViewSize TCodeEditWindow::TMetrics::ClientSize() const {
    const SIZE size = window_.widgets::TWindow::ClientSize();
    return {size.cx, size.cy};
}

platform::TViewSize TCodeEditWindow::TMetrics::CharacterCell(platform::TFontStyles style) const {
    return window_.editor_.MeasuredCell(style);
}

// ---- Creation -----------------------------------------------------------------------------------

TCodeEditWindow::TCodeEditWindow(widgets::TWinControl* parent, TCustomCodeEdit& editor)
    : widgets::TWinControl(parent), editor_(editor), mouse_(editor, services_) {
    SetTabStop(true);
    SetBounds(0, 0, 200, 150);
    mouse_.SetDragHost(this);
    mouse_.SetAlphaNumericTest([](unsigned char c) { return IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE; });
}

// The window went before the object (see TWindow); the core, which may live on, forgets it.
TCodeEditWindow::~TCodeEditWindow() {
    editor_.AttachView(nullptr, nullptr);
    editor_.AttachClipboard(nullptr);
}

void TCodeEditWindow::CreateParams(widgets::TWindowParams& params) {
    widgets::TWinControl::CreateParams(params);
    // No background brush (every pixel is painted) and no redraw on resize; the cursor is set per point.
    static const widgets::TWindowClass windowClass{"TCodeEdit", CS_DBLCLKS, nullptr, LoadCursor(nullptr, IDC_IBEAM)};
    params.windowClass = &windowClass;
    params.style |= WS_CLIPCHILDREN;
    // With eoHideShowScrollbars the bars come and go through the scroll information alone.
    if (!editor_.Has(eoHideShowScrollbars)) {
        const TScrollStyle bars = editor_.ScrollBars();
        if (bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
        if (bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
    }
    if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCodeEditWindow::CreateWnd() {
    destroying_ = false;
    mouse_.SetDragThreshold(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
    editor_.AttachClipboard(&clipboard_);
    editor_.AttachView(&metrics_, &services_);
}

void TCodeEditWindow::SetBorderStyle(TBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    RecreateWindow();
}

void TCodeEditWindow::SetScrollBars(TScrollStyle bars) {
    if (editor_.ScrollBars() == bars) return;
    editor_.SetScrollBars(bars);
    RecreateWindow();
}

void TCodeEditWindow::RecreateWindow() {
    if (!HandleAllocated()) return;
    const bool hadFocus = Focused();
    DestroyHandle();
    HandleNeeded();
    if (hadFocus) SetFocus();
}

// ---- Paint --------------------------------------------------------------------------------------

void TCodeEditWindow::Paint(HDC dc, const RECT& area) {
    const platform::TViewSize size = metrics_.ClientSize();
    const platform::TDoubleBuffer buffer(dc, size);
    if (!buffer.Usable()) return;
    const platform::TViewRect clip{area.left, area.top, area.right, area.bottom};
    {
        platform::TGdiCanvas canvas(buffer.get());
        painter_.Paint(canvas, clip);
    }
    buffer.CopyTo(dc, clip);
}

// ---- Cursor -------------------------------------------------------------------------------------

bool TCodeEditWindow::SetCursorShape() {
    if (dragging_) {
        RefreshDragCursor();
        return true;
    }
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    switch (editor_.CursorAt(point.x, point.y)) {
        case TCustomCodeEdit::TCursorKind::Gutter: SetCursor(gutterCursor_); break;
        case TCustomCodeEdit::TCursorKind::Arrow: SetCursor(LoadCursor(nullptr, IDC_ARROW)); break;
        case TCustomCodeEdit::TCursorKind::Control: SetCursor(textCursor_); break;
    }
    return true;
}

// ---- Scrolling ----------------------------------------------------------------------------------

void TCodeEditWindow::Scroll(platform::TScrollBarKind bar, WORD code) {
    const auto request = RequestOf(code);
    if (!request) return;
    const int track = services_.ThumbTrackPosition(bar);
    if (bar == platform::TScrollBarKind::Vertical) {
        editor_.VerticalScroll(*request, track);
    } else {
        editor_.HorizontalScroll(*request, track);
    }
}

// ---- Input method -------------------------------------------------------------------------------

void TCodeEditWindow::GiveImeTheFont() {
    const HIMC context = ImmGetContext(Handle());
    if (!context) return;
    LOGFONTA font = platform::LogFontOf(editor_.Font().Description);
    ImmSetCompositionFontA(context, &font);
    ImmReleaseContext(Handle(), context);
}

void TCodeEditWindow::ImeComposition() {
    const HIMC context = ImmGetContext(Handle());
    if (!context) return;
    const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
    std::string text;
    if (bytes > 0) {
        text.resize(static_cast<std::size_t>(bytes));
        ImmGetCompositionStringA(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(Handle(), context);
    if (!text.empty()) editor_.ImeComposition(text);
}

// ---- Dropped files ------------------------------------------------------------------------------

void TCodeEditWindow::DropFiles(HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    std::vector<std::string> files;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(length);
        files.push_back(std::move(name));
    }
    ::DragFinish(drop);
    if (OnDropFiles && editor_.Has(eoDropFiles)) OnDropFiles(*this, point.x, point.y, files);
}

// ---- Messages -----------------------------------------------------------------------------------

LRESULT TCodeEditWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (destroying_) return widgets::TWinControl::WndProc(message, wParam, lParam);
    switch (message) {
        case WM_DESTROY:
            destroying_ = true;
            if (dragging_) DragFinish({}, false, 0);
            editor_.AttachView(nullptr, nullptr);
            editor_.AttachClipboard(nullptr);
            break;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const platform::TPaintDC dc(Handle());
            Paint(dc.get(), dc.PaintRect());
            return 0;
        }
        case WM_PRINTCLIENT: {
            const SIZE size = widgets::TWindow::ClientSize();
            Paint(reinterpret_cast<HDC>(wParam), RECT{0, 0, size.cx, size.cy});
            return 0;
        }
        case WM_SIZE:
            editor_.Resized();
            break;
        case WM_SETFONT: return 0;  // the editor keeps its own font
        // The window's text is the editor's, as an edit control's is (for screen readers and for tools
        // that read the program from outside).
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(editor_.Lines().Text().size());
        case WM_GETTEXT: {
            if (wParam == 0 || lParam == 0) return 0;
            const std::string text = editor_.Lines().Text();
            const std::size_t count = std::min<std::size_t>(text.size(), wParam - 1);
            auto* buffer = reinterpret_cast<char*>(lParam);
            std::copy_n(text.data(), count, buffer);
            buffer[count] = '\0';
            return static_cast<LRESULT>(count);
        }
        case WM_SETFOCUS:
            editor_.FocusReceived();
            break;
        case WM_KILLFOCUS:
            if (dragging_) DragFinish({}, false, 0);
            editor_.FocusLost();
            break;
        case WM_GETDLGCODE: {
            const auto codes = editor_.DialogCodes(GetKeyState(VK_CONTROL) < 0);
            return (codes.WantArrows ? DLGC_WANTARROWS : 0) | (codes.WantChars ? DLGC_WANTCHARS : 0) |
                   (codes.WantTab ? DLGC_WANTTAB : 0);
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (dragging_) {
                if (wParam == VK_ESCAPE) DragFinish({}, false, 0);
                RefreshDragCursor();
                return 0;
            }
            if (editor_.KeyDown(static_cast<TVirtualKey>(wParam), widgets::KeyboardShiftState())) return 0;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (dragging_) RefreshDragCursor();
            break;
        case WM_CHAR:
            editor_.KeyPress(static_cast<char>(wParam));
            return 0;
        case WM_SYSCHAR:
            if (wParam == VK_BACK) return 0;  // Alt+Backspace ran its command: no beep
            break;
        case WM_IME_STARTCOMPOSITION:
            GiveImeTheFont();
            break;
        case WM_IME_NOTIFY:
            if (wParam == IMN_SETOPENSTATUS) GiveImeTheFont();  // the input method opened
            break;
        case WM_IME_COMPOSITION:
            // The default handling also sends the string as characters, which the editor then drops.
            if (lParam & GCS_RESULTSTR) ImeComposition();
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && SetCursorShape()) return TRUE;
            break;
        case WM_VSCROLL:
            Scroll(platform::TScrollBarKind::Vertical, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            Scroll(platform::TScrollBarKind::Horizontal, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            UINT lines = 3;
            SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            // WHEEL_PAGESCROLL arrives as -1: a page a notch.
            editor_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0,
                               static_cast<int>(lines));
            return 0;
        }
        case WM_TIMER:
            if (wParam == static_cast<WPARAM>(TCustomCodeEdit::kAutoScrollTimer)) {
                mouse_.AutoScrollTimer(widgets::KeyboardShiftState());
                return 0;
            }
            break;
        // The clipboard messages run the editor's commands, so that whoever watches the command path
        // (the data binding) sees them as it sees the keys.
        case WM_COPY:
            editor_.RunCommand(ecCopy, 0, {});
            return 0;
        case WM_CUT:
            editor_.RunCommand(ecCut, 0, {});
            return 0;
        case WM_PASTE:
            editor_.RunCommand(ecPaste, 0, {});
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) CaptureTaken();
            return 0;
        case WM_CANCELMODE:
            CaptureTaken();
            services_.ReleaseMouse();
            break;
        case WM_DROPFILES:
            DropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            if (HandleMouse(message, wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))) {
                return 0;
            }
            break;
    }
    return widgets::TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::editor
