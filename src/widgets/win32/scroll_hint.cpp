#include "widgets/win32/scroll_hint.hpp"

#include <algorithm>

#include "widgets/win32/application.hpp"

namespace tips::widgets {
namespace {

constexpr int kPadding = 2;  // between the border and the text
constexpr int kBorder = 1;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

TScrollHint::TScrollHint() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font_.reset(CreateFontIndirectA(&metrics.lfStatusFont));
    }
    static const TWindowClass windowClass{kWindowClass, CS_SAVEBITS, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1)};
    TWindowParams params;
    params.windowClass = &windowClass;
    params.style = WS_POPUP | WS_BORDER;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.left = params.top = params.width = params.height = 0;
    params.parent = Application().Handle();  // the owner of a popup
    CreateHandle(params);
}

platform::TViewSize TScrollHint::Measure(const std::string& text, int maxWidth) const {
    const platform::TWindowDC dc(Handle());
    const HFONT font = font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const platform::TSelectObject selected(dc.get(), font);
    const int frame = 2 * (kBorder + kPadding);
    RECT bounds{0, 0, std::max(1, maxWidth - frame), 0};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &bounds, kTextFormat | DT_CALCRECT);
    return {std::min(maxWidth, static_cast<int>(bounds.right) + frame), static_cast<int>(bounds.bottom) + frame};
}

void TScrollHint::ShowAt(const std::string& text, POINT screen, int maxWidth) {
    const platform::TViewSize size = Measure(text, maxWidth);
    SetText(text);
    SetWindowPos(Handle(), HWND_TOPMOST, screen.x, screen.y, size.Width, size.Height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void TScrollHint::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TScrollHint::Paint() {
    const platform::TPaintDC dc(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    InflateRect(&client, -kPadding, -kPadding);
    const platform::TSelectObject selected(dc.get(), font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), GetSysColor(COLOR_INFOTEXT));
    const std::string text = Text();
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &client, kTextFormat);
}

LRESULT TScrollHint::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // the mouse goes on to the control below
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return TWindow::WndProc(message, wParam, lParam);
    }
}

TScrollHint& ScrollHint() {
    static TOwnedWindow<TScrollHint> hint;
    return hint;
}

}  // namespace tips::widgets
