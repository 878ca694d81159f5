#include "print/win32/code_edit_print_preview_window.hpp"

#include <windowsx.h>

#include <optional>

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "platform/win32/window_canvas.hpp"

namespace tips::print {

namespace {

std::optional<TPreviewScrollAction> ActionOf(WORD code) {
    switch (code) {
        case SB_LINEUP: return TPreviewScrollAction::LineUp;
        case SB_LINEDOWN: return TPreviewScrollAction::LineDown;
        case SB_PAGEUP: return TPreviewScrollAction::PageUp;
        case SB_PAGEDOWN: return TPreviewScrollAction::PageDown;
        case SB_THUMBTRACK: return TPreviewScrollAction::ThumbTrack;
        case SB_THUMBPOSITION: return TPreviewScrollAction::ThumbPosition;
        case SB_TOP: return TPreviewScrollAction::Top;
        case SB_BOTTOM: return TPreviewScrollAction::Bottom;
        case SB_ENDSCROLL: return TPreviewScrollAction::EndScroll;
        default: return std::nullopt;
    }
}

widgets::TShiftState MouseShift(WPARAM wParam) {
    widgets::TShiftState shift = 0;
    if (wParam & MK_SHIFT) shift |= widgets::ssShift;
    if (wParam & MK_CONTROL) shift |= widgets::ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= widgets::ssAlt;
    return shift;
}

}  // namespace

TCodeEditPrintPreviewWindow::TCodeEditPrintPreviewWindow(widgets::TWinControl* parent) : widgets::TWinControl(parent) {
    SetAlign(widgets::TAlign::alClient);
    SetTabStop(true);
}

TCodeEditPrintPreviewWindow::~TCodeEditPrintPreviewWindow() = default;

platform::TViewSize TCodeEditPrintPreviewWindow::TMetrics::ClientSize() const {
    const SIZE size = window_.widgets::TWindow::ClientSize();
    return {size.cx, size.cy};
}

void TCodeEditPrintPreviewWindow::CreateParams(widgets::TWindowParams& params) {
    widgets::TWinControl::CreateParams(params);
    // Every pixel is painted: no background brush.
    static const widgets::TWindowClass windowClass{"TCodeEditPrintPreview", CS_DBLCLKS, nullptr,
                                                   LoadCursor(nullptr, IDC_ARROW)};
    params.windowClass = &windowClass;
    params.style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
    if (borderStyle_ == TPreviewBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCodeEditPrintPreviewWindow::CreateWnd() {
    const platform::TWindowDC screen(nullptr);
    preview_.SetScreenPixelsPerInch(GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY));
    preview_.Resized();
}

void TCodeEditPrintPreviewWindow::SetBorderStyle(TPreviewBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    if (!HandleAllocated()) return;
    const bool hadFocus = Focused();
    DestroyHandle();
    HandleNeeded();
    // The new window is placed as its parent places its children.
    if (Parent() != nullptr) Parent()->AlignControls();
    if (hadFocus) SetFocus();
}

void TCodeEditPrintPreviewWindow::RefreshLayout() {
    HandleNeeded();
    platform::TWindowCanvas canvas(Handle());
    preview_.RefreshLayout(canvas.Canvas());
}

void TCodeEditPrintPreviewWindow::PrintAll() {
    HandleNeeded();
    platform::TWindowCanvas canvas(Handle());
    preview_.PrintAll(canvas.Canvas());
}

void TCodeEditPrintPreviewWindow::Paint(HDC dc, const RECT& area) {
    const platform::TViewSize size = metrics_.ClientSize();
    const platform::TDoubleBuffer buffer(dc, size);
    if (!buffer.Usable()) return;
    const platform::TViewRect clip{area.left, area.top, area.right, area.bottom};
    {
        platform::TGdiCanvas canvas(buffer.get());
        canvas.IntersectClip(clip);
        preview_.Paint(canvas, clip);
    }
    buffer.CopyTo(dc, clip);
}

void TCodeEditPrintPreviewWindow::Scroll(platform::TScrollBarKind bar, WORD code) {
    const auto action = ActionOf(code);
    if (!action) return;
    const int track = services_.ThumbTrackPosition(bar);
    if (bar == platform::TScrollBarKind::Vertical) {
        preview_.VerticalScroll(*action, track);
    } else {
        preview_.HorizontalScroll(*action, track);
    }
}

void TCodeEditPrintPreviewWindow::MouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    using widgets::TMouseButton;
    TMouseButton button = TMouseButton::mbLeft;
    bool down = true;
    switch (message) {
        case WM_LBUTTONDOWN: break;
        case WM_LBUTTONUP: down = false; break;
        case WM_RBUTTONDOWN: button = TMouseButton::mbRight; break;
        case WM_RBUTTONUP: button = TMouseButton::mbRight; down = false; break;
        case WM_MBUTTONDOWN: button = TMouseButton::mbMiddle; break;
        default: button = TMouseButton::mbMiddle; down = false; break;
    }
    if (down && GetFocus() != Handle()) SetFocus();
    const auto& handler = down ? OnMouseDown : OnMouseUp;
    if (handler) handler(*this, button, MouseShift(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

LRESULT TCodeEditPrintPreviewWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
            preview_.Resized();
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        case WM_VSCROLL:
            Scroll(platform::TScrollBarKind::Vertical, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            Scroll(platform::TScrollBarKind::Horizontal, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            preview_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            // A double click is a second press.
            MouseButton(message == WM_LBUTTONDBLCLK   ? WM_LBUTTONDOWN
                        : message == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN
                        : message == WM_MBUTTONDBLCLK ? WM_MBUTTONDOWN
                                                      : message,
                        wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseButton(message, wParam, lParam);
            return 0;
        default: break;
    }
    return widgets::TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::print
