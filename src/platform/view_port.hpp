#pragma once
// What a portable control needs from the window it lives in. The control asks the port for the
// client size and the size of a character cell, and tells it about scroll bars, the caret,
// rectangles to repaint, pixel scrolls, timers, focus and mouse capture. The Win32 window class
// implements it on its HWND; tests and tipstool use an in-memory port.

#include <string>

#include "platform/color.hpp"

namespace tips::platform {

struct TViewSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TViewSize&, const TViewSize&) = default;
};

// A pixel rectangle, right and bottom excluded. Empty when right <= left or bottom <= top.
struct TViewRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TViewRect&, const TViewRect&) = default;
};

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

class TViewPort {
public:
    virtual ~TViewPort() = default;

    // False until the window exists; the control then only records what it would have done.
    virtual bool WindowExists() const = 0;
    virtual TViewSize ClientSize() const = 0;
    // Advance and height in pixels of one character cell of the control's font in the given style.
    virtual TViewSize CharacterCell(TFontStyles style) const = 0;

    virtual void SetScrollInfo(TScrollBarKind bar, const TViewScrollInfo& info) = 0;
    virtual void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) = 0;

    // Marks a rectangle for a later paint (no erase).
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
