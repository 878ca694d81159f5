#include "widgets/win32/ext_splitter_panel.hpp"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "platform/win32/window_canvas.hpp"
#include "widgets/win32/ext_splitter_pane.hpp"

namespace tips::widgets {

namespace {

TSplitterPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

TExtSplitterPanel::TExtSplitterPanel(TWinControl* parent) : TWinControl(parent) {
    // Nothing is laid out until the owner has set everything up (LayoutLoaded).
    layout_.BeginLoading();
    SetBounds(0, 0, 200, 100);
    layout_.OnSplitChange = [this](int barIndex) {
        if (OnSplitChange) OnSplitChange(*this, barIndex);
    };
}

TExtSplitterPanel::~TExtSplitterPanel() {
    layout_.BeginDestroy();
    for (TExtSplitterPane* pane : panes_) {
        pane->panel_ = nullptr;
        pane->index_ = -1;
    }
}

void TExtSplitterPanel::RegisterPane(TExtSplitterPane& pane) {
    panes_.push_back(&pane);
    const int index = layout_.AddPane();
    if (index < 0) {
        panes_.pop_back();  // a fifth pane is not taken
        return;
    }
    pane.index_ = index;
}

void TExtSplitterPanel::UnregisterPane(TExtSplitterPane& pane) {
    if (pane.index_ < 0) return;
    const int index = pane.index_;
    std::erase(panes_, &pane);
    pane.index_ = -1;
    for (std::size_t i = 0; i < panes_.size(); ++i) panes_[i]->index_ = static_cast<int>(i);
    layout_.RemovePane(index);
}

void TExtSplitterPanel::SetPaneVisible(int index, bool visible) {
    Panes(index).SetVisible(visible);
    layout_.SetPaneVisible(index, visible);
}

void TExtSplitterPanel::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TExtSplitterPanel"};
    params.windowClass = &windowClass;
}

void TExtSplitterPanel::CreateWnd() {
    // The panes are made next, and their children take their anchor distances from the panes'
    // size then: give the panes the places the stored bar position means.
    const SIZE client = ClientSize();
    layout_.SetClientSize({client.cx, client.cy});
    for (const TSplitterPanePlacement& placement : layout_.PanePlacements()) {
        const platform::TViewRect& r = placement.Bounds;
        Panes(placement.Pane).SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    }
}

void TExtSplitterPanel::LayoutLoaded() {
    layout_.BeginUpdate();
    for (std::size_t i = 0; i < panes_.size(); ++i) layout_.SetPaneVisible(static_cast<int>(i), panes_[i]->Visible());
    if (HandleAllocated()) {
        const SIZE client = ClientSize();
        layout_.SetClientSize({client.cx, client.cy});
    } else {
        layout_.SetClientSize({Width(), Height()});
    }
    layout_.EndUpdate();
    layout_.EndLoading();
    TWinControl::LayoutLoaded();
}

void TExtSplitterPanel::AlignControls() {
    if (!HandleAllocated()) return;
    layout_.BeginUpdate();
    for (std::size_t i = 0; i < panes_.size(); ++i) layout_.SetPaneVisible(static_cast<int>(i), panes_[i]->Visible());
    const SIZE client = ClientSize();
    layout_.SetClientSize({client.cx, client.cy});
    layout_.EndUpdate();
}

void TExtSplitterPanel::PlacePanes(const std::vector<TSplitterPanePlacement>& placements) {
    for (const TSplitterPanePlacement& placement : placements) {
        if (placement.Pane < 0 || placement.Pane >= PaneCount()) continue;
        TExtSplitterPane& pane = Panes(placement.Pane);
        const platform::TViewRect& r = placement.Bounds;
        if (pane.HandleAllocated() && pane.BoundsRect() == r) continue;
        pane.SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    }
}

void TExtSplitterPanel::InvalidatePanel() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TExtSplitterPanel::InvalidateBar(const platform::TViewRect& rect) {
    if (!HandleAllocated()) return;
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    InvalidateRect(Handle(), &area, TRUE);
}

void TExtSplitterPanel::InvertGhost(const platform::TViewRect& rect) {
    if (!HandleAllocated()) return;
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    MapWindowPoints(Handle(), HWND_DESKTOP, corners, 2);
    platform::TWindowCanvas screen(nullptr);
    screen.Canvas().InvertRect({corners[0].x, corners[0].y, corners[1].x, corners[1].y});
}

void TExtSplitterPanel::CaptureMouse() {
    if (HandleAllocated()) SetCapture(Handle());
}

void TExtSplitterPanel::ReleaseMouse() {
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TExtSplitterPanel::Paint() {
    const platform::TPaintDC dc(Handle());
    platform::TGdiCanvas canvas(dc.get());
    for (int i = 0; i < layout_.BarCount(); ++i) layout_.PaintBar(canvas, i, platform::clBtnFace);
}

bool TExtSplitterPanel::SetCursorFromHitPoint() {
    LPCSTR cursor = nullptr;
    switch (hover_.TakeCursor()) {
        case TSplitterCursor::Default:
            return false;
        case TSplitterCursor::Arrow:
            cursor = IDC_ARROW;
            break;
        case TSplitterCursor::SplitHorizontal:
            cursor = IDC_SIZEWE;
            break;
        case TSplitterCursor::SplitVertical:
            cursor = IDC_SIZENS;
            break;
        case TSplitterCursor::Cross:
            cursor = IDC_SIZEALL;
            break;
    }
    SetCursor(LoadCursorA(nullptr, cursor));
    return true;
}

void TExtSplitterPanel::TrackLeave() {
    if (trackingLeave_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Handle();
    trackingLeave_ = TrackMouseEvent(&track) != 0;
}

LRESULT TExtSplitterPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second grip click is a click too
            drag_.MouseDown(PointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (drag_.Dragging()) {
                if (wParam & MK_LBUTTON) drag_.MouseMove(PointOf(lParam));
            } else {
                TrackLeave();
                hover_.MouseMove(PointOf(lParam));
            }
            return 0;
        case WM_LBUTTONUP:
            drag_.MouseUp(PointOf(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) drag_.Cancel();
            return 0;
        case WM_CANCELMODE:
            drag_.Cancel();
            ReleaseMouse();
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (!drag_.Dragging()) hover_.MouseLeave();
            return 0;
        case WM_NCHITTEST: {
            const LRESULT hit = TWinControl::WndProc(message, wParam, lParam);
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(Handle(), &point);
            hover_.SetHitPoint({point.x, point.y});
            return hit;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && SetCursorFromHitPoint()) {
                return TRUE;
            }
            break;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
