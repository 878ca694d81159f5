#include "skin/win32/skin_control.hpp"

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"

namespace tips::skin::win32 {

TSkinControl::TSkinControl(HWND window, TSkinContext context)
    : context_(context),
      hold_(
          window,
          [this](UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
              return Handle(message, wParam, lParam, next);
          },
          [this] { alive_ = false; }) {
    Redraw();
}

// The hold lets go of the window first, so the control paints itself again in its own look.
TSkinControl::~TSkinControl() {
    const HWND window = hold_.Window();
    const bool redraw = Alive();
    alive_ = false;
    if (redraw) InvalidateRect(window, nullptr, TRUE);
}

void TSkinControl::Refresh() { Redraw(); }

std::string TSkinControl::WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TSkinControl::HoverTick() {
    if (!Alive() || !Hot()) return;
    POINT cursor{};
    if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == Window()) return;
    MouseLeft();
    Redraw();
}

void TSkinControl::Redraw() const {
    if (hold_.Attached()) InvalidateRect(hold_.Window(), nullptr, TRUE);
}

bool TSkinControl::PreFilter(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    return false;
}

LRESULT TSkinControl::Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
    if (!alive_) return next(message, wParam, lParam);
    LRESULT result = 0;
    if (PreFilter(message, wParam, lParam, result)) return result;
    if (!PaintsClient()) return next(message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(Window(), &paint);
        PaintTo(dc);
        EndPaint(Window(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        // The control's own procedure may draw its look for the change at once: draw ours over it.
        const LRESULT answer = next(message, wParam, lParam);
        Redraw();
        return answer;
    }
    default:
        return next(message, wParam, lParam);
    }
}

void TSkinControl::PaintTo(HDC target) {
    RECT client{};
    GetClientRect(Window(), &client);
    platform::TDoubleBuffer buffer(target, {client.right, client.bottom});
    if (!buffer.Usable()) return;
    {
        platform::TGdiCanvas canvas(buffer.get());
        Paint(canvas, client, Window());
    }
    // Child windows paint themselves: a parent without WS_CLIPCHILDREN must not copy over them.
    const int saved = SaveDC(target);
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(target, place.left, place.top, place.right, place.bottom);
    }
    buffer.CopyTo(target, {0, 0, client.right, client.bottom});
    RestoreDC(target, saved);
}

}  // namespace tips::skin::win32
