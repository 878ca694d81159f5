#pragma once
// State frames of a skin image: k equal frames laid side by side (the usual layout) or stacked.

#include "skin/bitmap.hpp"

namespace tips::skin {

enum class FrameLayout { SideBySide, Stacked };

struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const FrameRect&, const FrameRect&) = default;
};

// Frame `index` (from 0) of an image of the given size holding `frameCount` frames: each frame is
// size div frameCount wide (or high, stacked) and frame i starts at i times that. A frame count below 1
// counts as 1; an index outside 0 .. frameCount - 1 gives an empty rectangle.
FrameRect FrameOf(int imageWidth, int imageHeight, int frameCount, int index,
                  FrameLayout layout = FrameLayout::SideBySide);
FrameRect FrameOf(const Image& image, int frameCount, int index, FrameLayout layout = FrameLayout::SideBySide);

// The frame's pixels.
Image CutFrame(const Image& image, int frameCount, int index, FrameLayout layout = FrameLayout::SideBySide);

}  // namespace tips::skin
