#pragma once
// Pixel sizes and rectangles of a view: what layouts compute and windows repaint.

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

}  // namespace tips::platform
