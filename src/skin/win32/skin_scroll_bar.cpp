#include "skin/win32/skin_scroll_bar.hpp"

#include <algorithm>
#include <optional>

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::skin::win32 {

namespace {

// The bars are composed at this thickness and stretched to the system's.
constexpr int kComposedThickness = 16;


// The system's own bar in window coordinates, and its thumb along the bar; nothing when it has none.
struct TSystemBar {
    TViewRect Place;
    int ThumbStart = 0;  // from the bar's start
    int ThumbEnd = 0;
    bool Thumb = false;
};

std::optional<TSystemBar> SystemBar(HWND control, LONG object, const RECT& window) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(control, object, &info)) return std::nullopt;
    if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return std::nullopt;
    TSystemBar bar;
    bar.Place = {info.rcScrollBar.left - window.left, info.rcScrollBar.top - window.top,
                 info.rcScrollBar.right - window.left, info.rcScrollBar.bottom - window.top};
    bar.ThumbStart = info.xyThumbTop;
    bar.ThumbEnd = info.xyThumbBottom;
    bar.Thumb = (info.rgstate[3] & STATE_SYSTEM_INVISIBLE) == 0 && bar.ThumbEnd > bar.ThumbStart;
    return bar;
}

struct TBarPlaces {
    std::optional<TSystemBar> Horizontal;  // in window coordinates
    std::optional<TSystemBar> Vertical;
    TViewRect Corner;
};

TBarPlaces PlacesOf(HWND control) {
    RECT window{};
    GetWindowRect(control, &window);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    TBarPlaces places;
    if (style & WS_VSCROLL) places.Vertical = SystemBar(control, OBJID_VSCROLL, window);
    if (style & WS_HSCROLL) places.Horizontal = SystemBar(control, OBJID_HSCROLL, window);
    if (places.Vertical && places.Horizontal)
        places.Corner = {places.Vertical->Place.Left, places.Horizontal->Place.Top, places.Vertical->Place.Right,
                         places.Horizontal->Place.Bottom};
    return places;
}

TScrollRange RangeOf(HWND control, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    TScrollRange range;
    if (!GetScrollInfo(control, bar, &info)) return range;
    range.Min = info.nMin;
    range.Max = info.nMax;
    range.Page = static_cast<int>(info.nPage);
    range.Pos = info.nPos;
    return range;
}

// Where on a bar placed in the window the system's hit point falls: the parts laid out along the bar.
// The thumb goes where the system reports its own.
TScrollBarParts PartsOf(HWND control, TScrollOrientation orientation, const TSystemBar& bar) {
    const bool vertical = orientation == TScrollOrientation::Vertical;
    const int arrow = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    TScrollBarParts parts = LayoutScrollBar(orientation, bar.Place, arrow, RangeOf(control, vertical ? SB_VERT : SB_HORZ));
    if (!bar.Thumb) parts.Thumb = {};
    else if (vertical) parts.Thumb = {bar.Place.Left, bar.Place.Top + bar.ThumbStart, bar.Place.Right, bar.Place.Top + bar.ThumbEnd};
    else parts.Thumb = {bar.Place.Left + bar.ThumbStart, bar.Place.Top, bar.Place.Left + bar.ThumbEnd, bar.Place.Bottom};
    return parts;
}

int WidthOf(const TViewRect& rect) { return rect.Right - rect.Left; }
int HeightOf(const TViewRect& rect) { return rect.Bottom - rect.Top; }
bool Holds(const TViewRect& rect, int x, int y) {
    return !rect.IsEmpty() && x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

// Composes one bar at the standard thickness in a buffer and stretches it over its place.
void PaintBar(HDC target, const TScrollBarPainter& painter, TScrollOrientation orientation, const TScrollBarParts& parts,
              TScrollPress press) {
    if (!ScrollBarSizeSane(parts.Bar)) return;
    const bool vertical = orientation == TScrollOrientation::Vertical;
    const int length = vertical ? HeightOf(parts.Bar) : WidthOf(parts.Bar);
    const int thickness = vertical ? WidthOf(parts.Bar) : HeightOf(parts.Bar);
    if (length <= 0 || thickness <= 0) return;
    const platform::TViewSize size = vertical ? platform::TViewSize{kComposedThickness, length}
                                              : platform::TViewSize{length, kComposedThickness};
    platform::TDoubleBuffer buffer(target, size);
    if (!buffer.Usable()) return;
    // Each part keeps its place along the bar and spans the composed thickness across it.
    const auto across = [&](const TViewRect& rect) {
        if (rect.IsEmpty()) return TViewRect{};
        return vertical ? TViewRect{0, rect.Top - parts.Bar.Top, kComposedThickness, rect.Bottom - parts.Bar.Top}
                        : TViewRect{rect.Left - parts.Bar.Left, 0, rect.Right - parts.Bar.Left, kComposedThickness};
    };
    const TScrollBarParts composed{across(parts.Bar), across(parts.FirstArrow), across(parts.SecondArrow),
                                   across(parts.Track), across(parts.Thumb)};
    {
        platform::TGdiCanvas canvas(buffer.get());
        painter.Paint(canvas, orientation, composed, press);
    }
    StretchBlt(target, parts.Bar.Left, parts.Bar.Top, WidthOf(parts.Bar), HeightOf(parts.Bar), buffer.get(), 0, 0,
               size.Width, size.Height, SRCCOPY);
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(HWND control, TSkinContext context, bool pressHandling)
    : control_(control), context_(context), pressHandling_(pressHandling) {
    hold_ = std::make_unique<TWindowSubclass>(
        control_, [this](UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
            return Handle(message, wParam, lParam, next);
        });
    // The system lays the frame out again, and the bars are painted from the skin with it.
    SetWindowPos(control_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Paint();
}

TSkinScrollBar::~TSkinScrollBar() {
    const bool attached = hold_ && hold_->Attached();
    hold_.reset();
    // The system draws its own bars again.
    if (attached && IsWindow(control_)) {
        SetWindowPos(control_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TSkinScrollBar::Refresh() { Paint(); }

LRESULT TSkinScrollBar::Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL: {
            // The system may still be drawing its own bar while the control scrolls: paint once it is done.
            ++busy_;
            LRESULT result = 0;
            try {
                result = next(message, wParam, lParam);
            } catch (...) {
                --busy_;
                throw;
            }
            --busy_;
            Paint();
            return result;
        }
        case WM_NCMOUSEMOVE:
            // The system would draw its own hot arrows over the skin's.
            if (wParam == HTVSCROLL || wParam == HTHSCROLL) return 0;
            break;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (pressHandling_ && (wParam == HTVSCROLL || wParam == HTHSCROLL))
                return PressBar(static_cast<UINT>(wParam), lParam, next, message, wParam);
            break;
        case WM_SIZE:
        case WM_NCPAINT:
        case WM_PRINTCLIENT:
        case WM_PAINT:
        case WM_KEYDOWN:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_ENABLE:
        case WM_STYLECHANGED:
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = next(message, wParam, lParam);
            Paint();
            return result;
        }
        default:
            break;
    }
    return next(message, wParam, lParam);
}

LRESULT TSkinScrollBar::PressBar(UINT hit, LPARAM lParam, const TWindowSubclass::TNext& next, UINT message,
                                 WPARAM wParam) {
    const TBarPlaces places = PlacesOf(control_);
    const bool vertical = hit == HTVSCROLL;
    const std::optional<TSystemBar>& place = vertical ? places.Vertical : places.Horizontal;
    if (!place) return next(message, wParam, lParam);
    RECT window{};
    GetWindowRect(control_, &window);
    const int x = static_cast<short>(LOWORD(lParam)) - window.left;
    const int y = static_cast<short>(HIWORD(lParam)) - window.top;
    const auto orientation = vertical ? TScrollOrientation::Vertical : TScrollOrientation::Horizontal;
    const TScrollBarParts parts = PartsOf(control_, orientation, *place);
    const auto inside = [&](const TViewRect& rect) { return Holds(rect, x, y); };
    press_ = inside(parts.FirstArrow)    ? TScrollPress::FirstArrow
             : inside(parts.SecondArrow) ? TScrollPress::SecondArrow
             : inside(parts.Thumb)       ? TScrollPress::Thumb
                                         : TScrollPress::None;
    pressVertical_ = vertical;
    Paint();
    // The system's own tracking scrolls the control until the button is let go.
    LRESULT result = 0;
    try {
        result = next(message, wParam, lParam);
    } catch (...) {
        press_ = TScrollPress::None;
        throw;
    }
    press_ = TScrollPress::None;
    Paint();
    return result;
}

void TSkinScrollBar::Paint() {
    if (busy_ > 0 || !IsWindow(control_) || !IsWindowVisible(control_)) return;
    const TBarPlaces places = PlacesOf(control_);
    if (!places.Vertical && !places.Horizontal) return;
    platform::TWholeWindowDC dc(control_);
    if (!dc.get()) return;
    const TScrollBarPainter painter(context_.Skin, context_.Bitmaps);
    // The corner first: a bar that reaches into it is drawn over it.
    if (!places.Corner.IsEmpty()) {
        platform::TGdiCanvas canvas(dc.get());
        painter.PaintCorner(canvas, places.Corner);
    }
    if (places.Vertical)
        PaintBar(dc.get(), painter, TScrollOrientation::Vertical,
                 PartsOf(control_, TScrollOrientation::Vertical, *places.Vertical),
                 pressVertical_ ? press_ : TScrollPress::None);
    if (places.Horizontal)
        PaintBar(dc.get(), painter, TScrollOrientation::Horizontal,
                 PartsOf(control_, TScrollOrientation::Horizontal, *places.Horizontal),
                 pressVertical_ ? TScrollPress::None : press_);
}

}  // namespace tips::skin::win32
