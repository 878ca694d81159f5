#include "widgets/win32/control.hpp"

#include "widgets/win32/window_services.hpp"

#include <algorithm>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

TWinControl::TWinControl(TWinControl* parent) : parent_(parent) {
    if (parent_) {
        tabOrder_ = static_cast<int>(parent_->controls_.size());
        parent_->controls_.push_back(this);
    }
}

TWinControl::~TWinControl() {
    // The window went before the object (see TWindow); ~TWindow checks that it did.
    for (TWinControl* child : controls_) child->parent_ = nullptr;
    for (TGraphicControl* child : graphicControls_) child->parent_ = nullptr;
    if (parent_) std::erase(parent_->controls_, this);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    placement_.bounds = {left, top, left + width, top + height};
    if (!HandleAllocated()) return;
    RememberParentSize();
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::TViewRect TWinControl::BoundsRect() const {
    if (!HandleAllocated()) return placement_.bounds;
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    if (parent_ && parent_->HandleAllocated()) MapWindowPoints(HWND_DESKTOP, parent_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int TWinControl::Width() const {
    const auto rect = BoundsRect();
    return rect.Right - rect.Left;
}

int TWinControl::Height() const {
    const auto rect = BoundsRect();
    return rect.Bottom - rect.Top;
}

void TWinControl::SetAlign(TAlign align) {
    placement_.align = align;
    placement_.anchors = AnchorsOf(align);
    if (parent_ && parent_->HandleAllocated()) parent_->AlignControls();
}

void TWinControl::SetAnchors(TAnchors anchors) { placement_.anchors = anchors; }

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (!HandleAllocated()) return;
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
}

void TWinControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (!HandleAllocated()) return;
    ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && parent_->HandleAllocated()) parent_->AlignControls();
}

void TWinControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (HandleAllocated()) EnableWindow(Handle(), enabled);
}

std::string TWinControl::Caption() const { return HandleAllocated() ? Text() : caption_; }

void TWinControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (HandleAllocated()) SetText(caption);
}

HFONT TWinControl::Font() const {
    if (font_) return font_;
    return parent_ ? parent_->Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TWinControl::SetFont(HFONT font) {
    font_ = font;
    if (HandleAllocated()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

bool TWinControl::Focused() const { return HandleAllocated() && GetFocus() == Handle(); }

void TWinControl::SetFocus() {
    CreateOwnHandle();
    ::SetFocus(Handle());
}

void TWinControl::CreateParams(TWindowParams& params) {
    static const TWindowClass controlClass{"TWinControl"};
    params.windowClass = &controlClass;
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void TWinControl::HandleNeeded() {
    CreateOwnHandle();
    CreateChildHandles();
}

void TWinControl::CreateOwnHandle() {
    if (!HandleAllocated()) {
        TWindowParams params;
        CreateParams(params);
        params.text = caption_;
        if (visible_) params.style |= WS_VISIBLE;
        if (tabStop_) params.style |= WS_TABSTOP;
        if (!enabled_) params.style |= WS_DISABLED;
        if (parent_) {
            parent_->CreateOwnHandle();
            params.parent = parent_->Handle();
            params.left = placement_.bounds.Left;
            params.top = placement_.bounds.Top;
            params.width = placement_.bounds.Right - placement_.bounds.Left;
            params.height = placement_.bounds.Bottom - placement_.bounds.Top;
        }
        CreateHandle(params);
        RememberParentSize();
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        CreateWnd();
    }
}

void TWinControl::CreateChildHandles() {
    std::vector<TWinControl*> ordered = controls_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (TWinControl* child : ordered) {
        child->HandleNeeded();
        // Windows steps through siblings in creation order; keep that the tab order too.
        SetWindowPos(child->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    AlignControls();
}

void TWinControl::LayoutLoaded() {
    for (TWinControl* child : controls_) child->LayoutLoaded();
    for (TGraphicControl* child : graphicControls_) child->LayoutLoaded();
}

void TWinControl::AlignControls() {
    if (!HandleAllocated()) return;
    std::vector<TWinControl*> placed;
    std::vector<TPlacement> placements;
    for (TWinControl* child : controls_) {
        if (!child->visible_ || !child->HandleAllocated()) continue;
        placed.push_back(child);
        placements.push_back(child->placement_);
    }
    const auto rects = AlignChildren(ClientViewSize(), placements);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const auto& rect = rects[i];
        if (placed[i]->BoundsRect() == rect) continue;
        SetWindowPos(placed[i]->Handle(), nullptr, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool TWinControl::CanTabTo() const {
    return tabStop_ && HandleAllocated() && IsWindowVisible(Handle()) && IsWindowEnabled(Handle());
}

void TWinControl::CollectTabStops(std::vector<TWinControl*>& stops) {
    if (!visible_ || !enabled_) return;
    if (CanTabTo()) stops.push_back(this);
    std::vector<TWinControl*> ordered = controls_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (TWinControl* child : ordered) child->CollectTabStops(stops);
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    for (; hwnd; hwnd = GetParent(hwnd)) {
        if (auto* control = dynamic_cast<TWinControl*>(FromHandle(hwnd))) return control;
    }
    return nullptr;
}

platform::TViewSize TWinControl::ClientViewSize() const {
    const SIZE size = ClientSize();
    return {size.cx, size.cy};
}

void TWinControl::RememberParentSize() {
    if (parent_ && parent_->HandleAllocated()) placement_.parent = parent_->ClientViewSize();
}

TGraphicControl* TWinControl::GraphicControlAt(int x, int y) const {
    for (auto it = graphicControls_.rbegin(); it != graphicControls_.rend(); ++it) {
        const TGraphicControl* control = *it;
        const platform::TViewRect& b = control->bounds_;
        if (control->visible_ && control->enabled_ && x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) {
            return *it;
        }
    }
    return nullptr;
}

void TWinControl::RemoveGraphicControl(TGraphicControl* control) {
    if (pressed_ == control) pressed_ = nullptr;
    std::erase(graphicControls_, control);
}

void TWinControl::GraphicControlDisabled(TGraphicControl* control) {
    if (pressed_ != control) return;
    pressed_ = nullptr;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

bool TWinControl::OwnsGraphicControl(const TGraphicControl* control) const {
    return std::find(graphicControls_.begin(), graphicControls_.end(), control) != graphicControls_.end();
}

void TWinControl::PaintGraphicControls(HDC dc) const {
    RECT update{};
    if (GetClipBox(dc, &update) == ERROR) return;
    for (TGraphicControl* control : graphicControls_) {
        const platform::TViewRect& b = control->bounds_;
        const RECT bounds{b.Left, b.Top, b.Right, b.Bottom};
        RECT common{};
        if (!control->visible_ || !IntersectRect(&common, &bounds, &update)) continue;
        // The control draws from its own top-left, inside its bounds only; all of it is undone after.
        const platform::TSavedDC saved(dc);
        IntersectClipRect(dc, b.Left, b.Top, b.Right, b.Bottom);
        OffsetViewportOrgEx(dc, b.Left, b.Top, nullptr);
        platform::TGdiCanvas canvas(dc);
        control->Paint(canvas);
    }
}

bool TWinControl::RouteToGraphicControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (graphicControls_.empty()) return false;
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            TGraphicControl* control = GraphicControlAt(x, y);
            if (!control) return false;
            pressed_ = control;
            // The second press of a double click is a press, but its release is no second click.
            pressClicks_ = message == WM_LBUTTONDOWN;
            SetCapture(Handle());
            control->MouseDown(TMouseButton::mbLeft, x - control->Left(), y - control->Top());
            result = 0;
            return true;
        }
        case WM_MOUSEMOVE: {
            TGraphicControl* control = pressed_ ? pressed_ : GraphicControlAt(x, y);
            if (!control) return false;
            control->MouseMove(x - control->Left(), y - control->Top());
            result = 0;
            return true;
        }
        case WM_LBUTTONUP: {
            TGraphicControl* control = pressed_;
            if (!control) return false;
            pressed_ = nullptr;
            if (GetCapture() == Handle()) ReleaseCapture();
            control->MouseUp(TMouseButton::mbLeft, x - control->Left(), y - control->Top());
            // The release's handler may have taken the control away or disabled it.
            if (pressClicks_ && OwnsGraphicControl(control) && GraphicControlAt(x, y) == control) control->Click();
            result = 0;
            return true;
        }
        case WM_CAPTURECHANGED:
            // Another window took the mouse: the press ends without a click.
            if (reinterpret_cast<HWND>(lParam) != Handle()) pressed_ = nullptr;
            return false;
        case WM_SETCURSOR: {
            if (reinterpret_cast<HWND>(wParam) != Handle() || LOWORD(lParam) != HTCLIENT) return false;
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(Handle(), &point);
            const TGraphicControl* control = GraphicControlAt(point.x, point.y);
            if (!control || !control->cursor_) return false;
            ::SetCursor(control->cursor_);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT routed = 0; RouteToGraphicControl(message, wParam, lParam, routed)) return routed;
    if (message == RepaintFrameMessage()) {
        SendMessageA(Handle(), WM_NCPAINT, 1, 0);
        return 0;
    }
    switch (message) {
        case WM_PAINT:
            if (!graphicControls_.empty()) {
                const platform::TPaintDC dc(Handle());  // erases with the class's background first
                PaintGraphicControls(dc.get());
                return 0;
            }
            break;
        case WM_SIZE:
            AlignControls();
            break;
        case WM_SETFOCUS:
            if (OnEnter) OnEnter(*this);
            break;
        case WM_KILLFOCUS:
            if (OnExit) OnExit(*this);
            break;
        case WM_COMMAND:
            if (lParam) {
                if (auto* child = dynamic_cast<TWinControl*>(FromHandle(reinterpret_cast<HWND>(lParam)))) {
                    return child->HandleCommand(HIWORD(wParam));
                }
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (auto* child = dynamic_cast<TWinControl*>(FromHandle(header->hwndFrom))) return child->HandleNotify(*header);
            break;
        }
        default:
            break;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
