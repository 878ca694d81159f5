#pragma once
// A small 24-bit drawing surface for the skin generator: solid fills, gradients, outlines, rounded
// corners cut to the transparent colour, glyphs from text patterns, and copying frames into strips.

#include <string_view>

#include "skin/bitmap.hpp"

namespace tips::skin::art {

using skin::Rgb;

// Magenta marks the pixels the program leaves transparent.
inline constexpr Rgb kTransparent = kTransparentColour;

Rgb mix(Rgb a, Rgb b, int numerator, int denominator);  // a + (b - a) * numerator / denominator
Rgb lighter(Rgb c, int amount);
Rgb darker(Rgb c, int amount);

class SkinCanvas {
public:
    SkinCanvas(int width, int height, Rgb fill = kTransparent);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const;
    void set(int x, int y, Rgb c);  // ignores points outside the canvas

    void fill(int x, int y, int w, int h, Rgb c);
    void hline(int x, int y, int w, Rgb c);
    void vline(int x, int y, int h, Rgb c);
    void outline(int x, int y, int w, int h, Rgb c);
    // Top-to-bottom colour ramp over rows [y, y + h).
    void verticalRamp(int x, int y, int w, int h, Rgb top, Rgb bottom);
    void horizontalRamp(int x, int y, int w, int h, Rgb left, Rgb right);
    // Cuts the corners of a box into the transparent colour, `radius` pixels deep (1 to 3).
    void roundCorners(int x, int y, int w, int h, int radius);
    // Draws a pattern: each '#' is a pixel of `c`, anything else is left alone. Rows are lines of text.
    void glyph(int x, int y, std::string_view pattern, Rgb c);
    // A filled triangle pointing in direction d ('u', 'd', 'l', 'r'), centred in the box.
    void arrow(int x, int y, int w, int h, char d, int size, Rgb c);

    void paste(const SkinCanvas& from, int x, int y);
    SkinCanvas mirrored() const;

    const Image& image() const { return image_; }

private:
    int width_;
    int height_;
    Image image_;
};

// A strip of `count` frames of `frameWidth` x `frameHeight`, side by side or stacked.
class FrameStrip {
public:
    enum class Layout { sideBySide, stacked };
    FrameStrip(int frameWidth, int frameHeight, int count, Layout layout = Layout::sideBySide);
    void put(int index, const SkinCanvas& frame);  // index from 0
    SkinCanvas& canvas() { return strip_; }
    const SkinCanvas& canvas() const { return strip_; }

private:
    int frameWidth_;
    int frameHeight_;
    Layout layout_;
    SkinCanvas strip_;
};

}  // namespace tips::skin::art
