#pragma once
// What a portable control asks of the window it lives in, beyond the metrics of its layout: scroll
// bars, the caret, rectangles to repaint, pixel scrolls, focus, timers, mouse capture, the scroll
// hint, dropped files and the input method's composition window. The Win32 side implements it on a
// window handle; tests and tipstool record the calls in memory.

#include <string>

#include "platform/view_geometry.hpp"

namespace tips::platform {

enum class TScrollBarKind { Horizontal, Vertical };

// Range, page and position are always set together; `HideWhenUnneeded` asks the window to hide the
// bar instead of disabling it when the page covers the whole range.
struct TViewScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
    bool HideWhenUnneeded = false;
    friend bool operator==(const TViewScrollInfo&, const TViewScrollInfo&) = default;
};

// Which arrows of a scroll bar can be pressed: the "first" arrow is left or up.
enum class TScrollArrows { EnableBoth, DisableBoth, DisableFirst, DisableLast };

class TWindowServices {
public:
    virtual ~TWindowServices() = default;

    // False until the window exists; the control then only records what it would have done.
    virtual bool WindowExists() const = 0;

    virtual void SetScrollInfo(TScrollBarKind bar, const TViewScrollInfo& info) = 0;
    virtual void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) = 0;

    // Marks a rectangle (client coordinates) for a later paint.
    virtual void Invalidate(const TViewRect& rect) = 0;
    // Moves the pixels of `area` vertically by `dy` (positive = down) and invalidates the uncovered band.
    virtual void ScrollPixels(int dy, const TViewRect& area) = 0;
    // Paints what is invalid now instead of waiting for the message loop.
    virtual void UpdateNow() = 0;

    virtual bool HasFocus() const = 0;
    virtual void TakeFocus() = 0;

    // The system caret: one per focused window.
    virtual void CreateCaret(int width, int height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void MoveCaret(int x, int y) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    // Where the input method's composition window goes.
    virtual void PlaceComposition(int x, int y) = 0;

    virtual void StartTimer(int id, int milliseconds) = 0;
    virtual void StopTimer(int id) = 0;

    virtual void CaptureMouse() = 0;
    // Gives the mouse back, when this window holds it.
    virtual void ReleaseMouse() = 0;
    virtual bool HasCapture() const = 0;

    // The scroll hint: a small window over the control that shows a short text while the vertical
    // thumb is dragged. HintSize is the size the hint window takes for the text, at most maxWidth wide;
    // ShowHint places its top-left corner at (x, y) in client coordinates.
    virtual TViewSize HintSize(const std::string& text, int maxWidth) const = 0;
    virtual void ShowHint(const std::string& text, int x, int y) = 0;
    virtual void HideHint() = 0;
    // Height of the arrow buttons at the ends of a vertical scroll bar.
    virtual int VerticalScrollArrowHeight() const = 0;

    // Whether the window takes files dropped on it from the shell.
    virtual void AcceptDroppedFiles(bool accept) = 0;
};

}  // namespace tips::platform
