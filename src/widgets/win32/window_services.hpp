#pragma once
// The window services a portable control asks of its window (platform::TWindowServices), on the
// handle of one of our windows: scroll bars, caret, invalidation, pixel scrolls, focus, timers,
// capture, the scroll hint, dropped files and the input method's composition window. It follows the
// window's handle as it is made and destroyed; without a handle every call does nothing.

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "platform/window_services.hpp"
#include "widgets/win32/window.hpp"

namespace tips::widgets {

// Posted to a window whose scroll bars changed: its frame is painted once, through its own WM_NCPAINT,
// after the changes of the message at hand (a skin paints over the standard bars there).
UINT RepaintFrameMessage();

class TWin32WindowServices final : public platform::TWindowServices {
public:
    // Whether invalidated areas are erased with the window class's background before they are painted:
    // only for windows whose paint leaves pixels to that background.
    enum class TErase { No, Yes };

    explicit TWin32WindowServices(const TWindow& window, TErase erase = TErase::No);
    TWin32WindowServices(const TWin32WindowServices&) = delete;
    TWin32WindowServices& operator=(const TWin32WindowServices&) = delete;

    bool WindowExists() const override { return window_.HandleAllocated(); }

    void SetScrollInfo(platform::TScrollBarKind bar, const platform::TViewScrollInfo& info) override;
    void EnableScrollArrows(platform::TScrollBarKind bar, platform::TScrollArrows arrows) override;

    void Invalidate(const platform::TViewRect& rect) override;
    // The whole client area.
    void InvalidateAll();
    void ScrollPixels(int dy, const platform::TViewRect& area) override;
    void UpdateNow() override;

    bool HasFocus() const override;
    void TakeFocus() override;

    void CreateCaret(int width, int height) override;
    void DestroyCaret() override;
    void MoveCaret(int x, int y) override;
    void ShowCaret() override;
    void HideCaret() override;
    void PlaceComposition(int x, int y) override;

    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;

    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() const override;

    platform::TViewSize HintSize(const std::string& text, int maxWidth) const override;
    void ShowHint(const std::string& text, int x, int y) override;
    void HideHint() override;
    int VerticalScrollArrowHeight() const override;

    void AcceptDroppedFiles(bool accept) override;

    // Where the user drags the bar's thumb to, in the bar's full 32-bit range (a scroll message carries
    // only 16 bits of it); 0 without a handle.
    int ThumbTrackPosition(platform::TScrollBarKind bar) const;

private:
    // What a scroll bar was last given, so that a call repeating it is not passed on: every call
    // redraws the bar, and a control sets its bars after each keystroke.
    struct TAppliedBar {
        std::optional<platform::TViewScrollInfo> Info;
        std::optional<platform::TScrollArrows> Arrows;
    };

    HWND Handle() const { return window_.Handle(); }
    void RepaintFrame() const;
    // The bar's record, forgotten whenever the window has a new handle.
    TAppliedBar& Applied(platform::TScrollBarKind bar);

    const TWindow& window_;
    HWND appliedTo_ = nullptr;
    std::array<TAppliedBar, 2> applied_;
    TErase erase_;
    mutable int hintMaxWidth_;  // of the last HintSize: ShowHint sizes the hint the same way
    bool caretShown_ = false;   // shown by ShowCaret and not hidden since
};

}  // namespace tips::widgets
