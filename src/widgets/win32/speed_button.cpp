#include "widgets/win32/speed_button.hpp"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "widgets/speed_button_painter.hpp"

namespace tips::widgets {

namespace {

void EnsureTooltipClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

// The glyph as a canvas draws it.
platform::TBitmap CanvasBitmap(const skin::Image& image) {
    platform::TBitmap bitmap("glyph", image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const skin::Rgb c = image.At(x, y);
            bitmap.Set(x, y, platform::RgbColor(c.r, c.g, c.b));
        }
    }
    return bitmap;
}

}  // namespace

TSpeedButton::TSpeedButton(TWinControl* parent) : TWinControl(parent) {}

TSpeedButton::~TSpeedButton() { DestroyTooltip(); }

void TSpeedButton::SetGlyph(const skin::Image& glyph) {
    glyph_ = glyph;
    bitmap_ = CanvasBitmap(glyph);
    Changed();
}

void TSpeedButton::SetNumGlyphs(int count) {
    const int clamped = std::clamp(count, 1, 4);
    if (clamped == numGlyphs_) return;
    numGlyphs_ = clamped;
    Changed();
}

void TSpeedButton::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    UpdateTooltip();
}

void TSpeedButton::SetShowHint(bool show) {
    if (show == showHint_) return;
    showHint_ = show;
    UpdateTooltip();
}

void TSpeedButton::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TSpeedButton", CS_DBLCLKS, nullptr};  // the button paints all of itself
    params.windowClass = &windowClass;
}

void TSpeedButton::CreateWnd() {
    TWinControl::CreateWnd();
    state_.SetEnabled(Enabled());  // SetEnabled before the window existed sent no WM_ENABLE
    UpdateTooltip();
}

bool TSpeedButton::PointInside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, point) != FALSE;
}

void TSpeedButton::Changed() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE: {
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle(), 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            const TButtonLook before = state_.Look();
            state_.MouseMove(PointInside(lParam));
            if (state_.Look() != before) Changed();
            break;
        }
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            state_.MouseLeave();
            Changed();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second click is a click of its own
            if (state_.MouseDown(PointInside(lParam))) {
                SetCapture(Handle());
                Changed();
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool click = state_.MouseUp(PointInside(lParam));
            if (GetCapture() == Handle()) ReleaseCapture();
            // Show the button up again before the click's handler runs (it may open a modal window).
            Changed();
            UpdateWindow(Handle());
            if (click && OnClick) OnClick(*this);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle() && state_.Pressed()) {
                state_.CancelPress();
                Changed();
            }
            return 0;
        case WM_MOUSEACTIVATE:
            // Activate the form if need be, but leave the keyboard focus where it is.
            return MA_ACTIVATE;
        case WM_SETFOCUS:
            // The button never keeps the focus: give it back to the window that had it.
            if (const HWND previous = reinterpret_cast<HWND>(wParam); previous && IsWindow(previous)) ::SetFocus(previous);
            return 0;
        case WM_ENABLE:
            state_.SetEnabled(wParam != 0);
            Changed();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const platform::TPaintDC dc(Handle());
            Paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DESTROY:
            DestroyTooltip();
            break;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void TSpeedButton::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    platform::TGdiCanvas canvas(dc);
    PaintSpeedButton(canvas, {client.right - client.left, client.bottom - client.top},
                     {state_.Look(), IsWindowEnabled(Handle()) != FALSE, &bitmap_, numGlyphs_});
}

void TSpeedButton::UpdateTooltip() {
    if (!HandleAllocated()) return;
    if (!showHint_ || hint_.empty()) {
        DestroyTooltip();
        return;
    }
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    tool.lpszText = const_cast<char*>(hint_.c_str());  // the tooltip keeps its own copy
    if (tooltip_) {
        SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    EnsureTooltipClass();
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (tooltip_) SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TSpeedButton::DestroyTooltip() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

}  // namespace tips::widgets
