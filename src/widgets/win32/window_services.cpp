#include "widgets/win32/window_services.hpp"

#include <imm.h>
#include <shellapi.h>

#include "widgets/win32/scroll_hint.hpp"

namespace tips::widgets {
namespace {

constexpr int kDefaultHintWidth = 200;

int BarOf(platform::TScrollBarKind bar) { return bar == platform::TScrollBarKind::Horizontal ? SB_HORZ : SB_VERT; }

RECT RectOf(const platform::TViewRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

}  // namespace

TWin32WindowServices::TWin32WindowServices(const TWindow& window, TErase erase)
    : window_(window), erase_(erase), hintMaxWidth_(kDefaultHintWidth) {}

TWin32WindowServices::TAppliedBar& TWin32WindowServices::Applied(platform::TScrollBarKind bar) {
    if (appliedTo_ != Handle()) {
        applied_ = {};
        appliedTo_ = Handle();
    }
    return applied_[bar == platform::TScrollBarKind::Horizontal ? 0 : 1];
}

int TWin32WindowServices::ThumbTrackPosition(platform::TScrollBarKind bar) const {
    if (!Handle()) return 0;
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), BarOf(bar), &scroll);
    return scroll.nTrackPos;
}

void TWin32WindowServices::SetScrollInfo(platform::TScrollBarKind bar, const platform::TViewScrollInfo& info) {
    if (!Handle()) return;
    TAppliedBar& applied = Applied(bar);
    if (applied.Info == info) return;
    applied.Info = info;
    // Setting the range may enable or disable the bar: its arrows must be set again.
    applied.Arrows.reset();
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (info.HideWhenUnneeded ? 0 : SIF_DISABLENOSCROLL);
    scroll.nMin = info.Min;
    scroll.nMax = info.Max;
    scroll.nPage = static_cast<UINT>(info.Page);
    scroll.nPos = info.Position;
    ::SetScrollInfo(Handle(), BarOf(bar), &scroll, FALSE);
    RepaintFrame();
}

void TWin32WindowServices::EnableScrollArrows(platform::TScrollBarKind bar, platform::TScrollArrows arrows) {
    if (!Handle()) return;
    TAppliedBar& applied = Applied(bar);
    if (applied.Arrows == arrows) return;
    applied.Arrows = arrows;
    UINT flags = ESB_ENABLE_BOTH;
    switch (arrows) {
        case platform::TScrollArrows::EnableBoth: flags = ESB_ENABLE_BOTH; break;
        case platform::TScrollArrows::DisableBoth: flags = ESB_DISABLE_BOTH; break;
        case platform::TScrollArrows::DisableFirst: flags = ESB_DISABLE_LTUP; break;
        case platform::TScrollArrows::DisableLast: flags = ESB_DISABLE_RTDN; break;
    }
    // Windows takes a new state only from enabled arrows: enable both first.
    EnableScrollBar(Handle(), BarOf(bar), ESB_ENABLE_BOTH);
    if (flags != ESB_ENABLE_BOTH) EnableScrollBar(Handle(), BarOf(bar), flags);
    RepaintFrame();
}

UINT RepaintFrameMessage() {
    static const UINT message = RegisterWindowMessageA("TipsRepaintFrame");
    return message;
}

// The bars are drawn again through the window's own frame paint (not behind its back, as a redrawing
// SetScrollInfo does), once for all the changes of the message at hand: one request waits in the queue.
void TWin32WindowServices::RepaintFrame() const {
    if (!IsWindowVisible(Handle())) return;
    MSG waiting;
    if (PeekMessageA(&waiting, Handle(), RepaintFrameMessage(), RepaintFrameMessage(), PM_NOREMOVE)) return;
    PostMessageA(Handle(), RepaintFrameMessage(), 0, 0);
}

void TWin32WindowServices::Invalidate(const platform::TViewRect& rect) {
    if (!Handle() || rect.IsEmpty()) return;
    const RECT area = RectOf(rect);
    InvalidateRect(Handle(), &area, erase_ == TErase::Yes);
}

void TWin32WindowServices::InvalidateAll() {
    if (Handle()) InvalidateRect(Handle(), nullptr, erase_ == TErase::Yes);
}

void TWin32WindowServices::ScrollPixels(int dy, const platform::TViewRect& area) {
    if (!Handle() || area.IsEmpty()) return;
    const RECT rect = RectOf(area);
    ScrollWindowEx(Handle(), 0, dy, &rect, &rect, nullptr, nullptr,
                   SW_INVALIDATE | (erase_ == TErase::Yes ? SW_ERASE : 0));
}

void TWin32WindowServices::UpdateNow() {
    if (Handle()) UpdateWindow(Handle());
}

bool TWin32WindowServices::HasFocus() const { return Handle() && GetFocus() == Handle(); }

void TWin32WindowServices::TakeFocus() {
    if (Handle()) SetFocus(Handle());
}

void TWin32WindowServices::CreateCaret(int width, int height) {
    if (Handle()) ::CreateCaret(Handle(), nullptr, width, height);
    caretShown_ = false;  // a new caret starts hidden
}

void TWin32WindowServices::DestroyCaret() {
    if (Handle()) ::DestroyCaret();
    caretShown_ = false;
}

void TWin32WindowServices::MoveCaret(int x, int y) {
    if (Handle()) SetCaretPos(x, y);
}

// Windows counts hides: a caret hidden twice needs two shows. Callers here mean shown or not, so only
// a change of that reaches Windows.
void TWin32WindowServices::ShowCaret() {
    if (Handle() && !caretShown_ && ::ShowCaret(Handle())) caretShown_ = true;
}

void TWin32WindowServices::HideCaret() {
    if (!Handle() || !caretShown_) return;
    ::HideCaret(Handle());
    caretShown_ = false;
}

void TWin32WindowServices::PlaceComposition(int x, int y) {
    if (!Handle()) return;
    const HIMC context = ImmGetContext(Handle());
    if (!context) return;  // no input method for this window
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {x, y};
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(Handle(), context);
}

void TWin32WindowServices::StartTimer(int id, int milliseconds) {
    if (Handle()) SetTimer(Handle(), static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void TWin32WindowServices::StopTimer(int id) {
    if (Handle()) KillTimer(Handle(), static_cast<UINT_PTR>(id));
}

void TWin32WindowServices::CaptureMouse() {
    if (Handle()) SetCapture(Handle());
}

void TWin32WindowServices::ReleaseMouse() {
    if (HasCapture()) ReleaseCapture();
}

bool TWin32WindowServices::HasCapture() const { return Handle() && GetCapture() == Handle(); }

platform::TViewSize TWin32WindowServices::HintSize(const std::string& text, int maxWidth) const {
    hintMaxWidth_ = maxWidth;
    return ScrollHint().Measure(text, maxWidth);
}

void TWin32WindowServices::ShowHint(const std::string& text, int x, int y) {
    if (!Handle()) return;
    POINT screen{x, y};
    ClientToScreen(Handle(), &screen);
    ScrollHint().ShowAt(text, screen, hintMaxWidth_);
}

void TWin32WindowServices::HideHint() { ScrollHint().Hide(); }

int TWin32WindowServices::VerticalScrollArrowHeight() const { return GetSystemMetrics(SM_CYVSCROLL); }

void TWin32WindowServices::AcceptDroppedFiles(bool accept) {
    if (Handle()) DragAcceptFiles(Handle(), accept);
}

}  // namespace tips::widgets
